#include "support/ScopedMemoryRoot.h"

#include "sampling/MemoryLimits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

ScopedMemoryRoot::ScopedMemoryRoot() : root_(dir_.path().toStdString()) {
  EXPECT_TRUE(dir_.isValid());
  if (const char* previous = std::getenv(MemoryRootVariable)) previous_ = previous;
  setenv(MemoryRootVariable, root_.c_str(), 1);
}

ScopedMemoryRoot::~ScopedMemoryRoot() {
  if (previous_)
    setenv(MemoryRootVariable, previous_->c_str(), 1);
  else
    unsetenv(MemoryRootVariable);
}

void ScopedMemoryRoot::Write(const std::string& path, const std::string& text) {
  const std::filesystem::path file = std::filesystem::path(root_) / path;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  EXPECT_TRUE(out.good()) << file;
}

void ScopedMemoryRoot::LimitControlGroup(std::size_t limit) {
  Write("proc/self/cgroup", "0::/session\n");
  Write("sys/fs/cgroup/session/memory.max", std::to_string(limit) + "\n");
  Write("sys/fs/cgroup/session/memory.current", "0\n");
}
