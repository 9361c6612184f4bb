#include "platform/FreedMemory.h"

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

// The least resident memory seen (at a look, or after handing memory back).
std::size_t g_leastResident = static_cast<std::size_t>(-1);

} // namespace

bool GiveFreedMemoryBack() {
  const std::size_t resident = ResidentMemory();
  if (resident == 0) return false;
  g_leastResident = std::min(g_leastResident, resident);
  if (resident - g_leastResident < FreedMemoryWorthGivingBack) return false;
  // Walks the heap's free lists: only looked at while the memory stands high.
  const struct mallinfo2 info = mallinfo2();
  if (info.fordblks < FreedMemoryWorthGivingBack) return false;
  malloc_trim(0);
  g_leastResident = std::min(g_leastResident, ResidentMemory());
  return true;
}

std::size_t ResidentMemory() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  if (!f) return 0;
  unsigned long long size = 0, resident = 0;
  const bool read = std::fscanf(f, "%llu %llu", &size, &resident) == 2;
  std::fclose(f);
  const long pageSize = sysconf(_SC_PAGE_SIZE);
  if (!read || pageSize <= 0) return 0;
  return static_cast<std::size_t>(resident) * static_cast<std::size_t>(pageSize);
}
