#pragma once
// A made-up tree of the files the memory budget reads (proc/meminfo, proc/self/cgroup, the
// control groups under sys/fs/cgroup ...) in a temporary folder, which the program's budget reads
// instead of the system's while this object lives: tests judge sizes against a budget of their
// own, whatever the memory of the machine they run on.

#include <QTemporaryDir>

#include <cstddef>
#include <optional>
#include <string>

class ScopedMemoryRoot {
public:
  // An empty tree: no limit is known but the budget's own 4 GiB.
  ScopedMemoryRoot();
  // Gives the environment variable back as it was.
  ~ScopedMemoryRoot();
  ScopedMemoryRoot(const ScopedMemoryRoot&) = delete;
  ScopedMemoryRoot& operator=(const ScopedMemoryRoot&) = delete;

  // Writes a file of the tree (a path below the root such as "proc/meminfo"), making its folders.
  void Write(const std::string& path, const std::string& text);
  // The process in a cgroup v2 group "/session" with this memory limit and nothing used yet, and
  // no other limit: the budget is half of the limit (at most 4 GiB).
  void LimitControlGroup(std::size_t limit);
  const std::string& Root() const { return root_; }

private:
  QTemporaryDir dir_;
  std::string root_;
  std::optional<std::string> previous_;
};
