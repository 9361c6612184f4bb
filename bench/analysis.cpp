// The intersection search of two sampled 2D curves: the search that compares only steps whose x
// ranges meet, raced against comparing every pair of steps (what it must equal), for curves of
// 200 and 1000 steps. The integral of a long formula (x^0+x^1+...+x^(n-1) from -1 to 1, which
// takes every pass the integration allows) with each pass's samples one by one, and run at once on
// the worker threads (the same sums, in the same order).

#include <benchmark/benchmark.h>

#include <cmath>

#include "formula/FormulaParser.h"
#include "formula/Integration.h"
#include "render/curves/CurveAnalysisData.h"
#include "render/curves/SegmentIntersection.h"
#include "sampling/Sampling.h"

namespace {

CurveSamples Wave(int32_t steps, float phase) {
  CurveSamples out;
  for (int32_t j = 0; j <= steps; ++j) {
    const float x = -10.0f + 20.0f * static_cast<float>(j) / static_cast<float>(steps);
    out.push_back({x, std::sin(x + phase), 0.0f});
  }
  return out;
}

size_t EveryPair(const CurveSamples& a, const CurveSamples& b) {
  size_t found = 0;
  for (size_t j = 0; j + 1 < a.size(); ++j)
    for (size_t k = 0; k + 1 < b.size(); ++k) {
      float X = 0, Y = 0, X2 = 0, Y2 = 0;
      if (IntersectSegments(a[j].x, a[j].y, a[j + 1].x, a[j + 1].y, b[k].x, b[k].y, b[k + 1].x,
                            b[k + 1].y, X, Y, X2, Y2) != SegmentsApart)
        ++found;
    }
  return found;
}

void BM_IntersectionsPruned(benchmark::State& state) {
  const CurveSamples a = Wave(int32_t(state.range(0)), 0), b = Wave(int32_t(state.range(0)), 1);
  for (auto _ : state)
    benchmark::DoNotOptimize(FindIntersections(a, b).Points.size());
}
BENCHMARK(BM_IntersectionsPruned)->Arg(200)->Arg(1000);

void BM_IntersectionsEveryPair(benchmark::State& state) {
  const CurveSamples a = Wave(int32_t(state.range(0)), 0), b = Wave(int32_t(state.range(0)), 1);
  for (auto _ : state)
    benchmark::DoNotOptimize(EveryPair(a, b));
}
BENCHMARK(BM_IntersectionsEveryPair)->Arg(200)->Arg(1000);

CompiledFormula Powers(int64_t terms) {
  std::string text = "x^0";
  for (int64_t k = 1; k < terms; ++k)
    text += "+x^" + std::to_string(k);
  std::string postfix;
  FormulaParser().InfixToPostfix(text, postfix);
  return CompiledFormula(postfix);
}

void BM_LongIntegralOneByOne(benchmark::State& state) {
  const CompiledFormula f = Powers(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(IntegrateFormula(-1, 1, 0.001f, f, FormulaVars{}, &FormulaVars::X));
}
BENCHMARK(BM_LongIntegralOneByOne)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_LongIntegralOnTheWorkers(benchmark::State& state) {
  const CompiledFormula f = Powers(state.range(0));
  const SampleMany many = [&f](const float* at, EvalOutcome* out, int32_t count) {
    RunAtMany(f, FormulaVars{}, &FormulaVars::X, at, out, count);
  };
  for (auto _ : state)
    benchmark::DoNotOptimize(
        IntegrateFormula(-1, 1, 0.001f, f, FormulaVars{}, &FormulaVars::X, nullptr, &many));
}
BENCHMARK(BM_LongIntegralOnTheWorkers)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
