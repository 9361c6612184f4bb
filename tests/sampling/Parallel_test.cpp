// The parallel loop: every index once, the first failure passed on, loops inside loops and loops
// from several threads at once, and the same worker threads from one loop to the next.

#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include "formula/CompiledFormula.h"
#include "formula/FormulaParser.h"
#include "model/ProgramState.h"
#include "sampling/Sampling.h"
#include "sampling/SamplingInternal.h"

namespace {

// Runs a loop of count indices in chunks and checks that every index was visited exactly once,
// each by the chunk whose range holds it.
void ExpectEveryIndexOnce(int64_t count, int chunks) {
  std::vector<std::atomic<int>> seen(static_cast<size_t>(count));
  std::vector<std::atomic<int>> chunkRuns(static_cast<size_t>(std::max(chunks, 1)));
  sampling::ParallelFor(count, chunks, [&](int c, int64_t begin, int64_t end) {
    ++chunkRuns[size_t(c)];
    for (int64_t n = begin; n < end; ++n)
      ++seen[size_t(n)];
  });
  for (int64_t n = 0; n < count; ++n)
    ASSERT_EQ(seen[size_t(n)].load(), 1) << "index " << n << " of " << count << " in " << chunks;
  const int used = int(std::min<int64_t>(std::max(chunks, 1), count));
  for (int c = 0; c < used; ++c)
    EXPECT_EQ(chunkRuns[size_t(c)].load(), 1) << "chunk " << c;
}

TEST(ParallelForTest, VisitsEveryIndexOnceInItsChunk) {
  struct Row {
    int64_t count;
    int chunks;
  } rows[] = {{1, 1}, {10, 3}, {7, 7}, {5, 12}, {1000, 8}, {101, 63}};
  for (const Row& r : rows)
    ExpectEveryIndexOnce(r.count, r.chunks);
}

// The worker threads are started once and kept: a thousand loops of four chunks run on no more
// threads than the pool ever holds (63 workers and the caller), where a thread per chunk and loop
// would be three thousand (the kernel gives every new thread a new id).
TEST(ParallelForTest, ReusesItsThreadsFromLoopToLoop) {
  std::mutex lock;
  std::set<long> threads;
  for (int loop = 0; loop < 1000; ++loop)
    sampling::ParallelFor(4, 4, [&](int, int64_t, int64_t) {
      const long id = syscall(SYS_gettid);
      std::lock_guard<std::mutex> guard(lock);
      threads.insert(id);
    });
  EXPECT_LE(threads.size(), 64u);
}

// A loop of more chunks than threads runs on no more threads than it may use: the chunks are
// shared out among them.
TEST(ParallelForTest, RunsOnNoMoreThreadsThanAllowed) {
  const int32_t saved = SamplingThreads;
  for (const int32_t allowed : {1, 2, 3}) {
    SamplingThreads = allowed;
    size_t most = 0;
    for (int loop = 0; loop < 50; ++loop) {
      std::mutex lock;
      std::set<long> threads;
      sampling::ParallelFor(64, 32, [&](int, int64_t, int64_t) {
        const long id = syscall(SYS_gettid);
        std::lock_guard<std::mutex> guard(lock);
        threads.insert(id);
      });
      most = std::max(most, threads.size());
    }
    EXPECT_LE(most, size_t(allowed)) << allowed;
  }
  SamplingThreads = saved;
}

// A chunk that fails stops nothing else; the caller gets the failure once all chunks are done.
TEST(ParallelForTest, PassesOnTheFirstFailureAfterEveryChunk) {
  std::atomic<int> finished{0};
  EXPECT_THROW(sampling::ParallelFor(8, 8,
                                     [&](int c, int64_t, int64_t) {
                                       if (c == 3) throw std::runtime_error("chunk 3");
                                       ++finished;
                                     }),
               std::runtime_error);
  EXPECT_EQ(finished.load(), 7);
  // The pool is free again afterwards.
  ExpectEveryIndexOnce(100, 8);
}

// A loop started inside a chunk, and loops started by several threads at once, all finish whole
// (one that finds the workers busy runs on its own thread).
TEST(ParallelForTest, LoopsInsideLoopsAndFromManyThreadsFinish) {
  std::atomic<int64_t> total{0};
  sampling::ParallelFor(6, 6, [&](int, int64_t, int64_t) {
    sampling::ParallelFor(50, 5, [&](int, int64_t begin, int64_t end) { total += end - begin; });
  });
  EXPECT_EQ(total.load(), 6 * 50);

  std::vector<std::thread> callers;
  std::atomic<int64_t> sum{0};
  for (int t = 0; t < 4; ++t)
    callers.emplace_back([&] {
      for (int loop = 0; loop < 200; ++loop)
        sampling::ParallelFor(64, 4, [&](int, int64_t begin, int64_t end) { sum += end - begin; });
    });
  for (std::thread& c : callers)
    c.join();
  EXPECT_EQ(sum.load(), 4 * 200 * 64);
}

// A formula run at many values of one variable gives at each the outcome of one run there, value
// and fault, whichever thread ran it.
TEST(RunAtManyTest, EachOutcomeIsThatOfOneRun) {
  constexpr int64_t Count = 20000;
  std::vector<float> at(static_cast<size_t>(Count));
  for (int64_t i = 0; i < Count; ++i)
    at[size_t(i)] = -2.0f + 4.0f * static_cast<float>(i) / static_cast<float>(Count);
  for (const char* formula : {"1/(x-0.5)+sin(7*x)*exp(x)-log(x+1)", "x^2*t"}) {
    std::string postfix;
    ASSERT_EQ(FormulaParser().InfixToPostfix(formula, postfix), 0);
    const CompiledFormula f(postfix);
    FormulaVars base;
    base.T = 3;
    std::vector<EvalOutcome> out(static_cast<size_t>(Count));
    RunAtMany(f, base, &FormulaVars::X, at.data(), out.data(), Count);
    for (int64_t i = 0; i < Count; ++i) {
      FormulaVars v = base;
      v.X = at[size_t(i)];
      const EvalOutcome one = f.Run(v);
      ASSERT_EQ(out[size_t(i)].fault, one.fault) << formula << " at " << v.X;
      ASSERT_EQ(std::memcmp(&out[size_t(i)].value, &one.value, sizeof one.value), 0)
          << formula << " at " << v.X;
    }
  }
  // A formula that draws random numbers is known as one (it is then run in order, on one thread).
  std::string postfix;
  ASSERT_EQ(FormulaParser().InfixToPostfix("x+rnd(1)", postfix), 0);
  EXPECT_TRUE(CompiledFormula(postfix).UsesRandom());
  ASSERT_EQ(FormulaParser().InfixToPostfix("x+sin(1)", postfix.erase()), 0);
  EXPECT_FALSE(CompiledFormula(postfix).UsesRandom());
}

} // namespace
