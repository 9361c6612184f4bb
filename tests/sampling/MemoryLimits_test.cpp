// The memory budget of a document's samples: the budget as a function of the limits (a table), the
// reader of the limits handed made-up /proc and /sys/fs/cgroup trees (cgroup v2 and v1, nested
// groups, a container's view, files that hold garbage), and the program's budget reading such a
// tree through CORVALIN_MEMORY_ROOT.

#include <gtest/gtest.h>

#include <unistd.h>

#include "sampling/MemoryLimits.h"
#include "sampling/Sampling.h"
#include "support/ScopedMemoryRoot.h"

namespace {

constexpr std::size_t MiB = std::size_t{1} << 20, GiB = std::size_t{1} << 30;

TEST(SamplingBudgetFor, HalfOfTheSmallestBoundAtMostFourGigabytes) {
  const std::optional<std::size_t> none;
  const struct {
    const char* name;
    MemoryLimits limits; // machine, available, address space, its use, control groups (limit, use)
    std::size_t budget;
  } rows[] = {
      {"nothing known", {none, none, none, none, {}}, 4 * GiB},
      {"a small machine", {6 * GiB, none, none, none, {}}, 3 * GiB},
      {"a large machine", {64 * GiB, none, none, none, {}}, 4 * GiB},
      {"most memory taken", {24 * GiB, 3 * GiB, none, none, {}}, 1536 * MiB},
      {"none available", {24 * GiB, 0, none, none, {}}, 0},
      {"an address-space limit", {none, none, GiB, 200 * MiB, {}}, (GiB - 200 * MiB) / 2},
      {"an address space used beyond its limit", {none, none, GiB, 2 * GiB, {}}, 0},
      {"an address-space limit, its use unknown", {none, none, GiB, none, {}}, GiB / 2},
      {"a 2 GB control group", {none, none, none, none, {{2'000'000'000, 0}}}, 1'000'000'000},
      {"a control group half used", {24 * GiB, none, none, none, {{2 * GiB, GiB}}}, GiB / 2},
      {"a control group's use unknown", {none, none, none, none, {{2 * GiB, none}}}, GiB},
      {"a control group used beyond its limit", {none, none, none, none, {{GiB, 3 * GiB}}}, 0},
      // The outer group leaves less than the inner one: its limit holds for both.
      {"nested groups", {none, none, none, none, {{8 * GiB, GiB}, {3 * GiB, 2 * GiB}}}, GiB / 2},
      {"every bound, the available memory the smallest",
       {16 * GiB, 900 * MiB, 64 * GiB, GiB, {{4 * GiB, GiB}}},
       450 * MiB},
  };
  for (const auto& row : rows)
    EXPECT_EQ(SamplingBudgetFor(row.limits), row.budget) << row.name;
}

class MemoryLimitsReader : public ::testing::Test {
protected:
  ScopedMemoryRoot tree;
};

TEST_F(MemoryLimitsReader, MachineAddressSpaceAndNestedVersion2Groups) {
  tree.Write("proc/meminfo", "MemTotal:       16384000 kB\n"
                             "MemFree:         1000000 kB\n"
                             "MemAvailable:    8192000 kB\n"
                             "Buffers:           10000 kB\n");
  tree.Write("proc/self/limits",
             "Limit                     Soft Limit           Hard Limit           Units     \n"
             "Max data size             unlimited            unlimited            bytes     \n"
             "Max address space         4294967296           unlimited            bytes     \n"
             "Max file locks            unlimited            unlimited            locks     \n");
  tree.Write("proc/self/statm", "25600 1200 800 10 0 2000 0\n");
  tree.Write("proc/self/cgroup", "0::/user.slice/user-1000.slice/app.scope\n");
  // The process's own group has no limit; the user's slice has one, with what it holds in
  // inactive file cache not counted as used; the root group has no files of its own.
  tree.Write("sys/fs/cgroup/user.slice/user-1000.slice/app.scope/memory.max", "max\n");
  tree.Write("sys/fs/cgroup/user.slice/user-1000.slice/app.scope/memory.current", "1000\n");
  tree.Write("sys/fs/cgroup/user.slice/user-1000.slice/memory.max", "6442450944\n");
  tree.Write("sys/fs/cgroup/user.slice/user-1000.slice/memory.current", "2147483648\n");
  tree.Write("sys/fs/cgroup/user.slice/user-1000.slice/memory.stat",
             "anon 1073741824\nfile 1073741824\nactive_file 805306368\ninactive_file 268435456\n");
  tree.Write("sys/fs/cgroup/user.slice/memory.max", "17179869184\n");
  tree.Write("sys/fs/cgroup/user.slice/memory.current", "3221225472\n");

  const MemoryLimits limits = ReadMemoryLimits(tree.Root());
  EXPECT_EQ(limits.physical, 16384000 * std::size_t{1024});
  EXPECT_EQ(limits.available, 8192000 * std::size_t{1024});
  EXPECT_EQ(limits.addressSpace, 4 * GiB);
  EXPECT_EQ(limits.addressSpaceUsed, 25600 * static_cast<std::size_t>(sysconf(_SC_PAGE_SIZE)));
  const std::vector<ControlGroupMemory> groups{{6 * GiB, 2 * GiB - 256 * MiB}, {16 * GiB, 3 * GiB}};
  EXPECT_EQ(limits.controlGroups, groups);
  // The user's slice leaves 4.25 GiB beside its use; the address space leaves less.
  EXPECT_EQ(SamplingBudgetFor(limits),
            (4 * GiB - 25600 * static_cast<std::size_t>(sysconf(_SC_PAGE_SIZE))) / 2);
}

TEST_F(MemoryLimitsReader, Version1GroupsAndAContainersOwnView) {
  const struct {
    const char* name;
    const char* cgroup; // proc/self/cgroup
    const char* folder; // where the limited group's files lie, below the v1 root
    std::vector<ControlGroupMemory> groups;
  } rows[] = {
      // The memory line among others; the group's own limit is "none", its parent's counts; v1
      // names the hierarchy's inactive cache total_inactive_file (inactive_file is its own).
      {"a nested v1 group",
       "12:cpu,cpuacct:/x\n5:memory:/docker/abc\n1:name=systemd:/x\n",
       "/docker",
       {{2 * GiB, 400 * MiB}}},
      // Inside a container whose cgroup folder is its own group: the path of the host's view is
      // not there, and its limit is found at the root.
      {"a container's own view", "4:memory:/process_api/f40b786b\n0::/\n", "", {{GiB, 400 * MiB}}},
      {"a controller list naming memory", "3:cpu,memory:/a\n", "/a", {{2 * GiB, 400 * MiB}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ScopedMemoryRoot own;
    own.Write("proc/self/cgroup", row.cgroup);
    const std::string base = std::string("sys/fs/cgroup/memory") + row.folder + "/";
    own.Write(base + "memory.limit_in_bytes", std::to_string(row.groups[0].limit) + "\n");
    own.Write(base + "memory.usage_in_bytes", std::to_string(500 * MiB) + "\n");
    own.Write(base + "memory.stat", "cache 1000\ninactive_file 999\ntotal_inactive_file " +
                                        std::to_string(100 * MiB) + "\n");
    if (row.folder[0]) {
      // An unlimited own group (the kernel's value for none) and an unlimited root.
      own.Write("sys/fs/cgroup/memory/docker/abc/memory.limit_in_bytes", "9223372036854771712\n");
      own.Write("sys/fs/cgroup/memory/memory.limit_in_bytes", "9223372036854775807\n");
      own.Write("sys/fs/cgroup/memory/memory.usage_in_bytes", "23000000000\n");
    }
    EXPECT_EQ(ReadMemoryLimits(own.Root()).controlGroups, row.groups);
  }
}

// Files that hold what the kernel never writes there give no limit from their source: never a
// zero budget and never a crash.
TEST_F(MemoryLimitsReader, GarbageGivesNoLimit) {
  const struct {
    const char* path;
    const char* text;
  } files[] = {
      {"proc/meminfo", "MemTotal: lots kB\nMemAvailable: 0x10 kB\n"},
      {"proc/self/limits", "Max address space         -1           unlimited            bytes\n"},
      {"proc/self/statm", "1 2 3\n"},
      // A group outside the namespace's view, whose path leads out of the cgroup folder.
      {"proc/self/cgroup", "0::/a\n0::/../outside\nmemory\n7:memory\n"},
      {"sys/fs/cgroup/a/memory.max", "12abc\n"},
      {"sys/fs/cgroup/memory.max", "\n"},
      {"sys/fs/outside/memory.max", "1000\n"},
  };
  for (const auto& file : files)
    tree.Write(file.path, file.text);
  EXPECT_EQ(ReadMemoryLimits(tree.Root()), MemoryLimits{});
  EXPECT_EQ(SamplingBudgetFor(ReadMemoryLimits(tree.Root())), MaxDocumentSamplingBytes);

  // Nothing at all, and a meminfo of other numbers, are the same: no limit known.
  ScopedMemoryRoot empty;
  EXPECT_EQ(ReadMemoryLimits(empty.Root()), MemoryLimits{});
  empty.Write("proc/meminfo", "MemTotal: 0 kB\nMemAvailable: 123\nMemFree: 5 kB\n");
  EXPECT_EQ(ReadMemoryLimits(empty.Root()), MemoryLimits{});
  // A group whose use cannot be read is limited by its limit alone.
  empty.Write("proc/self/cgroup", "0::/\n");
  empty.Write("sys/fs/cgroup/memory.max", "1073741824\n");
  empty.Write("sys/fs/cgroup/memory.current", "many\n");
  const std::vector<ControlGroupMemory> limitOnly{{GiB, std::nullopt}};
  EXPECT_EQ(ReadMemoryLimits(empty.Root()).controlGroups, limitOnly);
}

// The program's budget reads the tree the environment variable names: a session limited to 2 GB
// by its control group gives the samples at most half of it, whatever the machine.
TEST(DocumentSamplingBudget, ReadsTheTreeTheEnvironmentNames) {
  ScopedMemoryRoot tree;
  tree.LimitControlGroup(2'000'000'000);
  EXPECT_EQ(DocumentSamplingBudget(), 1'000'000'000u);
  tree.Write("sys/fs/cgroup/session/memory.current", "1200000000\n");
  EXPECT_EQ(DocumentSamplingBudget(), 400'000'000u);
  tree.Write("proc/meminfo", "MemTotal: 1000000 kB\nMemAvailable: 500000 kB\n");
  EXPECT_EQ(DocumentSamplingBudget(), 500000 * std::size_t{1024} / 2);
}

} // namespace
