#pragma once
// Runs a piece of work in a forked child process whose address space may grow by only so much
// beyond what it holds when it starts: tests of inputs that must not take the machine's memory
// measure them there, and the limit falls on the child alone.

#include <cstddef>
#include <functional>
#include <string>

struct LimitedChildResult {
  bool exited = false; // the child ended by _exit (not by a signal)
  int code = -1;       // its exit code: the work's result, or 90+ for a set-up fault of the child
  int signal = 0;      // the signal that ended it otherwise (SIGALRM when it ran too long)
  std::string report;  // the text the work wrote into its report
};

// Forks; the child limits its address space to what it uses now plus `extraBytes`, then runs
// `work` (which fills its report and returns the exit code) under an alarm of `seconds`.
LimitedChildResult RunInLimitedChild(std::size_t extraBytes,
                                     const std::function<int(std::string& report)>& work,
                                     unsigned seconds = 120);
