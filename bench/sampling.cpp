// Graph sampling speed: a 200 x 200 explicit surface, a 100^3 4D grid and a 100^3 implicit
// surface, each on one thread and on every core. Items per second are formula evaluations. The
// Race rows run the sampling on one thread and the bare evaluation of the same formulas at the
// same points alternately in one loop and print the ratios of their times: what sampling costs
// beyond the evaluations.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "formula/CompiledFormula.h"
#include "formula/FormulaParser.h"
#include "formula/FormulaText.h"
#include "model/Graph.h"
#include "model/ProgramState.h"
#include "sampling/SamplingInternal.h"

namespace {

constexpr const char* kSurface = "sin(x)*cos(y)";
constexpr const char* kGrid4D = "x^2+y^2+z^2-1";
constexpr const char* kImplicit = "x^2+y^2-z^2-0.5";

std::unique_ptr<Graph> Surface() {
  auto g = std::make_unique<Graph>();
  g->GraphType = Surface3D;
  g->CoordType = Cartesian3D;
  g->FunForm = Explicit;
  g->ExpressX = "x";
  g->ExpressY = "y";
  g->ExpressZ = kSurface;
  g->MinU = g->MinV = -3;
  g->MaxU = g->MaxV = 3;
  g->StepU = g->StepV = 200;
  return g;
}

std::unique_ptr<Graph> Volume(int32_t type, int32_t form, const char* formula) {
  auto g = std::make_unique<Graph>();
  g->GraphType = type;
  g->CoordType = Cartesian3D;
  g->FunForm = form;
  g->ExpressX = type == Function4D ? "0" : formula;
  g->ExpressY = "0";
  g->ExpressZ = "0";
  g->ExpressV = type == Function4D ? formula : "";
  g->MinU = g->MinV = g->MinW = -1.5f;
  g->MaxU = g->MaxV = g->MaxW = 1.5f;
  g->StepU = g->StepV = g->StepW = 100;
  return g;
}

// Runs GetPoints on a graph; range(0) is the thread count (0: every core).
void Sample(benchmark::State& state, Graph& g, int64_t evaluationsPerCall) {
  SamplingThreads = static_cast<int32_t>(state.range(0));
  DocumentType = g.GraphType == Function4D ? DocumentType4D : DocumentType3D;
  for (auto _ : state)
    benchmark::DoNotOptimize(g.GetPoints());
  state.SetItemsProcessed(state.iterations() * evaluationsPerCall);
  SamplingThreads = 0;
}

void BM_SampleSurface200(benchmark::State& state) {
  auto g = Surface();
  Sample(state, *g, 3 * 201 * 201); // ExpressX, ExpressY, ExpressZ per point
}

void BM_SampleGrid4D100(benchmark::State& state) {
  auto g = Volume(Function4D, Explicit, kGrid4D);
  Sample(state, *g, 101 * 101 * 101);
}

void BM_SampleImplicit100(benchmark::State& state) {
  auto g = Volume(Surface3D, Implicit, kImplicit);
  Sample(state, *g, 101 * 101 * 101);
}

// The box of a sampled 100^3 4D graph (the scene compiler measures it for every build).
void BM_BoxGrid4D100(benchmark::State& state) {
  auto g = Volume(Function4D, Explicit, kGrid4D);
  DocumentType = DocumentType4D;
  g->GetPoints();
  for (auto _ : state)
    benchmark::DoNotOptimize(g->GetBox(0));
  state.SetItemsProcessed(state.iterations() * 101 * 101 * 101);
}

// The evaluator alone over the same 101^3 sample points, one thread.
float EvaluateGrid(const CompiledFormula& f) {
  const float step = 3.0f / 100.0f;
  float sum = 0;
  FormulaVars v;
  for (int i = 0; i <= 100; ++i) {
    v.X = sampling::SampleAt(-1.5f, i, step);
    for (int j = 0; j <= 100; ++j) {
      v.Y = sampling::SampleAt(-1.5f, j, step);
      for (int k = 0; k <= 100; ++k) {
        v.Z = sampling::SampleAt(-1.5f, k, step);
        sum += f.Evaluate(v);
      }
    }
  }
  return sum;
}

CompiledFormula Compiled(const char* formula) {
  std::string postfix;
  FormulaParser().InfixToPostfix(InsertImplicitProducts(formula), postfix);
  return CompiledFormula(postfix);
}

void BM_EvaluatorOnGrid(benchmark::State& state, const char* formula) {
  const CompiledFormula f = Compiled(formula);
  for (auto _ : state)
    benchmark::DoNotOptimize(EvaluateGrid(f));
  state.SetItemsProcessed(state.iterations() * 101 * 101 * 101);
  state.SetLabel(formula);
}

// The three formulas of the surface at its 201 x 201 sample points, one thread.
float EvaluateSurface(const CompiledFormula& fx, const CompiledFormula& fy,
                      const CompiledFormula& fz) {
  const float step = sampling::StepOf(-3, 3, 200);
  float sum = 0;
  FormulaVars v;
  for (int j = 0; j <= 200; ++j) {
    v.X = sampling::SampleAt(-3, j, step);
    for (int i = 0; i <= 200; ++i) {
      v.Y = sampling::SampleAt(-3, i, step);
      sum += fx.Evaluate(v) + fy.Evaluate(v) + fz.Evaluate(v);
    }
  }
  return sum;
}

// The grid's formula run along each z column in one call (the evaluator's bulk form).
float EvaluateGridAlong(const CompiledFormula& f) {
  const float step = 3.0f / 100.0f;
  std::vector<float> zs(101), out(101);
  for (int k = 0; k <= 100; ++k)
    zs[size_t(k)] = sampling::SampleAt(-1.5f, k, step);
  float sum = 0;
  FormulaVars v;
  for (int i = 0; i <= 100; ++i) {
    v.X = sampling::SampleAt(-1.5f, i, step);
    for (int j = 0; j <= 100; ++j) {
      v.Y = sampling::SampleAt(-1.5f, j, step);
      f.EvaluateAlong(v, SlotZ, zs.data(), out.data(), zs.size());
      sum += out[100];
    }
  }
  return sum;
}

// The surface's formulas run along each row of y in one call each.
float EvaluateSurfaceAlong(const CompiledFormula& fx, const CompiledFormula& fy,
                           const CompiledFormula& fz) {
  const float step = sampling::StepOf(-3, 3, 200);
  std::vector<float> ys(201), a(201), b(201), c(201);
  for (int i = 0; i <= 200; ++i)
    ys[size_t(i)] = sampling::SampleAt(-3, i, step);
  float sum = 0;
  FormulaVars v;
  for (int j = 0; j <= 200; ++j) {
    v.X = sampling::SampleAt(-3, j, step);
    fx.EvaluateAlong(v, SlotY, ys.data(), a.data(), ys.size());
    fy.EvaluateAlong(v, SlotY, ys.data(), b.data(), ys.size());
    fz.EvaluateAlong(v, SlotY, ys.data(), c.data(), ys.size());
    sum += a[200] + b[200] + c[200];
  }
  return sum;
}

// Sampling on one thread raced against the bare evaluation of the same formulas at the same
// points, alternately in every iteration: "x_eval" is sampling's time over the evaluator's one
// point at a time, "x_along" over the evaluator's run along each row or column (the form
// sampling itself uses).
template <class Bare, class Along>
void Race(benchmark::State& state, Graph& g, Bare&& bare, Along&& along) {
  using Clock = std::chrono::steady_clock;
  SamplingThreads = 1;
  DocumentType = g.GraphType == Function4D ? DocumentType4D : DocumentType3D;
  double sampled = 0, evaluated = 0, alongTime = 0;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    benchmark::DoNotOptimize(g.GetPoints());
    const auto t1 = Clock::now();
    benchmark::DoNotOptimize(bare());
    const auto t2 = Clock::now();
    benchmark::DoNotOptimize(along());
    const auto t3 = Clock::now();
    sampled += std::chrono::duration<double>(t1 - t0).count();
    evaluated += std::chrono::duration<double>(t2 - t1).count();
    alongTime += std::chrono::duration<double>(t3 - t2).count();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
  }
  state.counters["x_eval"] = sampled / evaluated;
  state.counters["x_along"] = sampled / alongTime;
  SamplingThreads = 0;
}

void BM_RaceSurface200(benchmark::State& state) {
  auto g = Surface();
  const CompiledFormula fx = Compiled("x"), fy = Compiled("y"), fz = Compiled(kSurface);
  Race(
      state, *g, [&] { return EvaluateSurface(fx, fy, fz); },
      [&] { return EvaluateSurfaceAlong(fx, fy, fz); });
}

void BM_RaceGrid4D100(benchmark::State& state) {
  auto g = Volume(Function4D, Explicit, kGrid4D);
  const CompiledFormula f = Compiled(kGrid4D);
  Race(
      state, *g, [&] { return EvaluateGrid(f); }, [&] { return EvaluateGridAlong(f); });
}

void BM_RaceImplicit100(benchmark::State& state) {
  auto g = Volume(Surface3D, Implicit, kImplicit);
  const CompiledFormula f = Compiled(kImplicit);
  Race(
      state, *g, [&] { return EvaluateGrid(f); }, [&] { return EvaluateGridAlong(f); });
}

// Sampling on every core against sampling on one thread, alternately in every iteration, at a
// size (steps a side): "x_threads" is the time on one thread over the time on every core (above
// 1: the threads gain). The time shown is the one on every core. Arguments: the kind (0 the
// surface sin(x)*cos(y), 1 the implicit surface, 2 the 4D grid) and the steps.
void BM_Threads(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  const int64_t kind = state.range(0);
  const int32_t steps = int32_t(state.range(1));
  std::unique_ptr<Graph> g = kind == 0   ? Surface()
                             : kind == 1 ? Volume(Surface3D, Implicit, kImplicit)
                                         : Volume(Function4D, Explicit, kGrid4D);
  g->StepU = g->StepV = steps;
  if (kind != 0) g->StepW = steps;
  DocumentType = g->GraphType == Function4D ? DocumentType4D : DocumentType3D;
  double one = 0, all = 0;
  bool oneFirst = true;
  auto timed = [&](int32_t threads) {
    SamplingThreads = threads;
    const auto a = Clock::now();
    benchmark::DoNotOptimize(g->GetPoints());
    return std::chrono::duration<double>(Clock::now() - a).count();
  };
  for (auto _ : state) {
    // In turns which goes first, so that neither gains from what the other left in the caches.
    const double a = timed(oneFirst ? 1 : 0), b = timed(oneFirst ? 0 : 1);
    one += oneFirst ? a : b;
    all += oneFirst ? b : a;
    state.SetIterationTime(oneFirst ? b : a);
    oneFirst = !oneFirst;
  }
  SamplingThreads = 0;
  state.counters["x_threads"] = one / all;
  state.counters["one_ms"] = 1000 * one / double(state.iterations());
}

} // namespace

BENCHMARK(BM_Threads)
    ->ArgsProduct({{0}, {50, 100, 150, 200, 250, 300, 400}})
    ->ArgsProduct({{1, 2}, {20, 30, 40, 42, 50, 60, 80, 100}})
    ->ArgNames({"kind", "steps"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->MinTime(0.2)
    ->ComputeStatistics("min", [](const std::vector<double>& v) {
      return *std::min_element(v.begin(), v.end());
    });
BENCHMARK(BM_SampleSurface200)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SampleGrid4D100)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SampleImplicit100)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BoxGrid4D100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RaceSurface200)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_RaceGrid4D100)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_RaceImplicit100)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK_CAPTURE(BM_EvaluatorOnGrid, Grid4D, kGrid4D)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EvaluatorOnGrid, Implicit, kImplicit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EvaluatorOnGrid, Surface, kSurface)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
