// The parallel loop of sampling: contiguous chunks of an index range, shared out among the caller
// and a pool of worker threads that lives as long as the program.

#include "sampling/SamplingInternal.h"

#include "model/ProgramState.h"

#include <sched.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace sampling {

int ParallelThreadCount() {
  if (SamplingThreads > 0) return SamplingThreads;
  // The cores this process may run on (taskset, a container's CPU set), not every core of the
  // machine: more threads than those only take turns. Asked once: the question is a system call,
  // which small loops would feel.
  static const int cores = [] {
    cpu_set_t set;
    CPU_ZERO(&set);
    int n = 0;
    if (sched_getaffinity(0, sizeof(set), &set) == 0) n = CPU_COUNT(&set);
    if (n <= 0) n = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(n, 1, 64);
  }();
  return cores;
}

int ChunksFor(int64_t count, int64_t workPerIndex, int threads) {
  if (threads <= 1 || count <= 1) return 1;
  const int64_t work = count * std::max<int64_t>(workPerIndex, 1);
  if (work < MinWorkToSplit) return 1;
  const int64_t byWork = std::clamp<int64_t>(work / MinWorkPerChunk, threads, 8 * int64_t(threads));
  return static_cast<int>(std::min<int64_t>(count, byWork));
}

namespace {

// One loop handed to the pool. Chunks are claimed one at a time from next, by the caller and by
// the workers that join, so a worker the machine does not run soon leaves its share to the others
// instead of holding up the loop.
struct Job {
  int64_t count = 0;
  int chunks = 0;
  const std::function<void(int, int64_t, int64_t)>* body = nullptr;
  std::atomic<int> next{0};
  int helpersWanted = 0; // guarded by the pool's lock, as are the two below
  int helpersIn = 0;
  std::exception_ptr failure;
  std::mutex failureLock;

  void RunChunks() {
    for (int c = next.fetch_add(1); c < chunks; c = next.fetch_add(1)) {
      try {
        (*body)(c, count * c / chunks, count * (c + 1) / chunks);
      } catch (...) {
        std::lock_guard<std::mutex> lock(failureLock);
        if (!failure) failure = std::current_exception();
      }
    }
  }
};

// Worker threads started once and kept: starting and joining threads for every loop cost more
// than a small loop's work, and far more on a busy machine. One loop runs on the pool at a time;
// a loop that finds it busy (another thread's, or one started from inside a chunk) runs on its
// caller's thread alone.
class WorkerPool {
public:
  static WorkerPool& Instance() {
    static WorkerPool pool;
    return pool;
  }

  ~WorkerPool() {
    {
      std::lock_guard<std::mutex> lock(mutex);
      stopping = true;
    }
    wake.notify_all();
    for (std::thread& w : workers)
      w.join();
  }

  // Runs the job with up to helpers workers beside the caller; false when the pool is busy.
  bool Run(Job& job, int helpers) {
    {
      std::lock_guard<std::mutex> lock(mutex);
      if (current) return false;
      while (int(workers.size()) < helpers)
        workers.emplace_back([this] { Work(); });
      job.helpersWanted = helpers;
      current = &job;
    }
    wake.notify_all();
    job.RunChunks();
    std::unique_lock<std::mutex> lock(mutex);
    // Every chunk is claimed; no worker may join now, and those in finish theirs.
    current = nullptr;
    finished.wait(lock, [&] { return job.helpersIn == 0; });
    return true;
  }

private:
  void Work() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
      wake.wait(lock, [&] {
        return stopping || (current && current->helpersIn < current->helpersWanted &&
                            current->next.load() < current->chunks);
      });
      if (stopping) return;
      Job& job = *current;
      ++job.helpersIn;
      lock.unlock();
      job.RunChunks();
      lock.lock();
      if (--job.helpersIn == 0) finished.notify_all();
    }
  }

  std::mutex mutex;
  std::condition_variable wake, finished;
  std::vector<std::thread> workers;
  Job* current = nullptr;
  bool stopping = false;
};

} // namespace

void ParallelFor(int64_t count, int chunks,
                 const std::function<void(int chunk, int64_t begin, int64_t end)>& body) {
  if (count <= 0) return;
  chunks = static_cast<int>(std::clamp<int64_t>(chunks, 1, count));
  Job job;
  job.count = count;
  job.chunks = chunks;
  job.body = &body;
  const int helpers = chunks > 1 ? std::min({chunks - 1, ParallelThreadCount() - 1, 63}) : 0;
  if (helpers < 1 || !WorkerPool::Instance().Run(job, helpers)) job.RunChunks();
  if (job.failure) std::rethrow_exception(job.failure);
}

} // namespace sampling
