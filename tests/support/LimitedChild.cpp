#include "support/LimitedChild.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

LimitedChildResult RunInLimitedChild(std::size_t extraBytes,
                                     const std::function<int(std::string& report)>& work,
                                     unsigned seconds) {
  LimitedChildResult result;
  int channel[2];
  if (pipe(channel) != 0) return result;
  const pid_t child = fork();
  if (child < 0) {
    close(channel[0]);
    close(channel[1]);
    return result;
  }
  if (child == 0) {
    close(channel[0]);
    alarm(seconds); // a child that hangs is killed, and the test fails
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    unsigned long long pages = 0;
    if (!f || std::fscanf(f, "%llu", &pages) != 1) _exit(90);
    std::fclose(f);
    const rlim_t used = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGE_SIZE));
    const struct rlimit limit { used + static_cast<rlim_t>(extraBytes), RLIM_INFINITY };
    if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(91);
    std::string report;
    const int code = work(report);
    if (!report.empty() &&
        write(channel[1], report.data(), report.size()) != static_cast<ssize_t>(report.size()))
      _exit(92);
    _exit(code);
  }
  close(channel[1]);
  char buffer[4096];
  for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
    result.report.append(buffer, static_cast<size_t>(n));
  close(channel[0]);
  int status = 0;
  if (waitpid(child, &status, 0) != child) return result;
  result.exited = WIFEXITED(status);
  if (result.exited) result.code = WEXITSTATUS(status);
  else if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}
