#pragma once
// What bounds the memory this process may really use, as the system tells it, and the memory
// budget of a document's samples that follows from it. The reader takes the root of the tree it
// reads (normally "/"), so that a test hands it a made-up /proc and /sys/fs/cgroup; the budget is a
// plain function of what was read.
//
// Each source is read on its own: a file that is missing, unreadable or holds something other than
// what the kernel writes there gives no limit from that source, never a zero or a crash.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// One control group on the way from the process's own group up to the root that has a memory
// limit: the limit and what the group uses now (nothing when that cannot be read).
struct ControlGroupMemory {
  std::size_t limit = 0;
  std::optional<std::size_t> used;
  bool operator==(const ControlGroupMemory&) const = default;
};

// The bounds on this process's memory; each is absent when it is not known or there is none.
struct MemoryLimits {
  std::optional<std::size_t> physical;         // the machine's memory (MemTotal)
  std::optional<std::size_t> available;        // memory available now (MemAvailable)
  std::optional<std::size_t> addressSpace;     // the address-space limit (ulimit -v)
  std::optional<std::size_t> addressSpaceUsed; // the address space the process holds now
  // Every limited control group from the process's own up to the root (a limit holds for all the
  // groups below it): cgroup v2 memory.max, v1 memory.limit_in_bytes.
  std::vector<ControlGroupMemory> controlGroups;
  bool operator==(const MemoryLimits&) const = default;
};

// The most a document's samples may take together, whatever the limits: 4 GiB.
inline constexpr std::size_t MaxDocumentSamplingBytes = std::size_t{4} << 30;

// The budget of a document's samples under these limits: at most 4 GiB and at most half of each
// bound, the smallest of them. Half, because the samples are not all the memory the program
// needs: sampling holds a frame's values while it writes them, the GL driver keeps the display
// lists it compiles from them, and Qt, the window and the rest of the session (the other
// processes of the same control group) need room beside them. So the samples may take half of the
// machine's memory, half of what is available now, half of the address space left under its limit
// and half of what each control group's limit leaves beside its use. What is available now does
// not include the samples the open document already holds: they are counted against it as if they
// were made again, which errs on the safe side.
std::size_t SamplingBudgetFor(const MemoryLimits& limits);

// Reads the limits from the files under root ("/" for the system itself): proc/meminfo
// (MemTotal, MemAvailable), proc/self/limits ("Max address space"), proc/self/statm (the virtual
// size), proc/self/cgroup (the process's group) and, for every group from it up to the root, under
// sys/fs/cgroup (v2: memory.max, where "max" means none, memory.current, memory.stat) or
// sys/fs/cgroup/memory (v1: memory.limit_in_bytes, where values from 2^62 up mean none,
// memory.usage_in_bytes, memory.stat). A group's use leaves out its inactive file cache, which
// the kernel takes back before the group's limit would end a process.
MemoryLimits ReadMemoryLimits(const std::string& root = "/");

// The environment variable that names another root for the budget's reader than "/": a test and
// diagnostic hook to see what the program does inside a container or a limited session, without
// one (see the README's section on tests).
inline constexpr const char* MemoryRootVariable = "CORVALIN_MEMORY_ROOT";
