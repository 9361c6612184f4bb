// The parallel loop of sampling: contiguous chunks of an index range, one thread per chunk.

#include "sampling/SamplingInternal.h"

#include "model/ProgramState.h"

#include <sched.h>

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace sampling {

int ParallelThreadCount() {
  if (SamplingThreads > 0) return SamplingThreads;
  // The cores this process may run on (taskset, a container's CPU set), not every core of the
  // machine: more threads than those only take turns.
  cpu_set_t set;
  CPU_ZERO(&set);
  int cores = 0;
  if (sched_getaffinity(0, sizeof(set), &set) == 0) cores = CPU_COUNT(&set);
  if (cores <= 0) cores = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(cores, 1, 64);
}

int ChunksFor(int64_t count, int64_t workPerIndex, int threads) {
  if (threads <= 1 || count <= 1) return 1;
  const int64_t work = count * std::max<int64_t>(workPerIndex, 1);
  const int64_t byWork = std::max<int64_t>(work / MinWorkPerChunk, 1);
  return static_cast<int>(std::min<int64_t>({static_cast<int64_t>(threads), count, byWork}));
}

void ParallelFor(int64_t count, int chunks,
                 const std::function<void(int chunk, int64_t begin, int64_t end)>& body) {
  if (count <= 0) return;
  chunks = static_cast<int>(std::clamp<int64_t>(chunks, 1, count));
  auto range = [count, chunks](int c, int64_t& b, int64_t& e) {
    b = count * c / chunks;
    e = count * (c + 1) / chunks;
  };
  if (chunks == 1) {
    body(0, 0, count);
    return;
  }
  std::exception_ptr failure;
  std::mutex failureLock;
  auto run = [&](int c) {
    try {
      int64_t b = 0, e = 0;
      range(c, b, e);
      body(c, b, e);
    } catch (...) {
      std::lock_guard<std::mutex> lock(failureLock);
      if (!failure) failure = std::current_exception();
    }
  };
  std::vector<std::thread> workers;
  workers.reserve(static_cast<size_t>(chunks - 1));
  for (int c = 1; c < chunks; ++c)
    workers.emplace_back(run, c);
  run(0);
  for (auto& w : workers)
    w.join();
  if (failure) std::rethrow_exception(failure);
}

} // namespace sampling
