// Evaluations per second of the compiled formula evaluator, raced against muparser on the same
// formulas in the same run (the Race rows print how many times faster ours is, one point at a
// time and in bulk, on a repeated grid and on fresh points), plus the text-taking DoEvaluate, the
// parser and an integration.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "formula/CompiledFormula.h"
#include "formula/FormulaParser.h"
#include "formula/FormulaText.h"
#include "formula/Integration.h"

namespace {

struct Case {
  const char* ours;   // as a user types it
  const char* theirs; // the same formula in muparser's syntax
};

const Case kCases[] = {
    {"sin(x)*cos(y)", "sin(x)*cos(y)"},
    {"x^2+y^2+z^2-1", "x^2+y^2+z^2-1"},
    {"sqr(x*x+y*y)+sin(3x)*exp(-y^2)", "sqrt(x*x+y*y)+sin(3*x)*exp(-y^2)"},
    {"(x^2/sin(2*pi/y))-x/2", "(x^2/sin(2*_pi/y))-x/2"},
    {"1/(x+1)+2/(x+2)+3/(x+3)", "1/(x+1)+2/(x+2)+3/(x+3)"},
    {"sin(x*y)+cos(x+y)", "sin(x*y)+cos(x+y)"},
};

// Sample points like a 100 x 100 grid over [-2, 2] x [0.5, 4.5].
constexpr int kSide = 100;

std::string Postfix(const char* formula) {
  std::string postfix;
  FormulaParser().InfixToPostfix(InsertImplicitProducts(formula), postfix);
  return postfix;
}

void BM_Corvalin(benchmark::State& state) {
  const CompiledFormula f(Postfix(kCases[state.range(0)].ours));
  FormulaVars v;
  v.Z = 0.25f;
  float sum = 0;
  for (auto _ : state) {
    for (int i = 0; i < kSide; ++i) {
      v.X = -2.0f + 4.0f * static_cast<float>(i) / kSide;
      for (int j = 0; j < kSide; ++j) {
        v.Y = 0.5f + 4.0f * static_cast<float>(j) / kSide;
        sum += f.Evaluate(v);
      }
    }
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * kSide * kSide);
  state.SetLabel(kCases[state.range(0)].ours);
}

using RaceClock = std::chrono::steady_clock;

// muparser on a formula: one parser for a point at a time (reading x, y, z) and one for its bulk
// call (reading element i of each array for point i, all kSide * kSide points in one call).
struct MuParsers {
  static constexpr int kPoints = kSide * kSide;
  explicit MuParsers(const char* formula)
      : bx(kPoints), by(kPoints), bz(kPoints, 0.25), bulkOut(kPoints) {
    point.DefineVar("x", &x);
    point.DefineVar("y", &y);
    point.DefineVar("z", &z);
    point.SetExpr(formula);
    bulk.DefineVar("x", bx.data());
    bulk.DefineVar("y", by.data());
    bulk.DefineVar("z", bz.data());
    bulk.SetExpr(formula);
  }
  MuParsers(const MuParsers&) = delete;
  MuParsers& operator=(const MuParsers&) = delete;
  // The bulk call over the arrays; the last result.
  double Bulk() {
    bulk.Eval(bulkOut.data(), kPoints);
    return bulkOut[kPoints - 1];
  }
  double x = 0, y = 0, z = 0.25;
  mu::Parser point, bulk;
  std::vector<double> bx, by, bz, bulkOut;
};

// The four times of a race, summed over the iterations: ours and theirs, point by point and in
// bulk. Each iteration times them in turn, t0 .. t4.
struct RaceTimes {
  double ours = 0, theirs = 0, oursBulk = 0, theirsBulk = 0;
  static double Seconds(RaceClock::time_point a, RaceClock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
  }
  // Adds an iteration's laps and gives ours point by point, the time the benchmark shows.
  double Lap(RaceClock::time_point t0, RaceClock::time_point t1, RaceClock::time_point t2,
             RaceClock::time_point t3, RaceClock::time_point t4) {
    ours += Seconds(t0, t1);
    theirs += Seconds(t1, t2);
    oursBulk += Seconds(t2, t3);
    theirsBulk += Seconds(t3, t4);
    return Seconds(t0, t1);
  }
  void Report(benchmark::State& state, const std::string& suffix) const {
    state.counters["x_eval" + suffix] = theirs / ours;
    state.counters["x_bulk" + suffix] = theirsBulk / oursBulk;
  }
};

// Our evaluator and muparser, one point at a time and in bulk (a row of 100 y values per x),
// on the same formula and points, alternately in every iteration. The counters give how many
// times faster ours is: "x_eval" one point at a time (Evaluate against Eval()), "x_bulk" in bulk
// (EvaluateAlong along each row of y against one bulk Eval(results, n) of the whole grid). The
// time shown is ours, point by point. muparser's bulk path runs on OpenMP's threads: run with
// OMP_NUM_THREADS=1 to race it on one core as ours runs.
void BM_Race(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  const CompiledFormula f(Postfix(c.ours));
  MuParsers mu(c.theirs);
  for (int i = 0; i < kSide; ++i)
    for (int j = 0; j < kSide; ++j) {
      mu.bx[size_t(i * kSide + j)] = -2.0 + 4.0 * i / kSide;
      mu.by[size_t(i * kSide + j)] = 0.5 + 4.0 * j / kSide;
    }
  std::vector<float> ys(kSide), ours(kSide);
  for (int j = 0; j < kSide; ++j)
    ys[size_t(j)] = 0.5f + 4.0f * static_cast<float>(j) / kSide;
  RaceTimes times;
  float sum = 0;
  double dsum = 0;
  for (auto _ : state) {
    const auto t0 = RaceClock::now();
    FormulaVars v;
    v.Z = 0.25f;
    for (int i = 0; i < kSide; ++i) {
      v.X = -2.0f + 4.0f * static_cast<float>(i) / kSide;
      for (int j = 0; j < kSide; ++j) {
        v.Y = ys[size_t(j)];
        sum += f.Evaluate(v);
      }
    }
    const auto t1 = RaceClock::now();
    for (int i = 0; i < kSide; ++i) {
      mu.x = -2.0 + 4.0 * i / kSide;
      for (int j = 0; j < kSide; ++j) {
        mu.y = 0.5 + 4.0 * j / kSide;
        dsum += mu.point.Eval();
      }
    }
    const auto t2 = RaceClock::now();
    for (int i = 0; i < kSide; ++i) {
      v.X = -2.0f + 4.0f * static_cast<float>(i) / kSide;
      f.EvaluateAlong(v, SlotY, ys.data(), ours.data(), kSide);
      sum += ours[kSide - 1];
    }
    const auto t3 = RaceClock::now();
    dsum += mu.Bulk();
    state.SetIterationTime(times.Lap(t0, t1, t2, t3, RaceClock::now()));
  }
  benchmark::DoNotOptimize(sum);
  benchmark::DoNotOptimize(dsum);
  times.Report(state, "");
  state.SetItemsProcessed(state.iterations() * kSide * kSide);
  state.SetLabel(c.ours);
}

// Fresh points: 64 sets of 10,000 random points in the grid's ranges ([-2, 2] x [0.5, 4.5],
// z 0.25), a set per iteration, cycled, so that no argument repeats between nearby evaluations and
// no cache of function results can hit. Each set holds every point's own random x and y, raced
// one point at a time ("x_eval_fresh": Evaluate against Eval()) and in bulk ("x_bulk_fresh":
// runs of 100 points that differ in both x and y, EvaluateAlong against muparser's bulk
// Eval(results, n) of all 10,000), and the same number of points as 100 rows of one random x
// with 100 random y, as a sampled grid's row has ("x_bulk_rows": runs along each row, where the
// recent function values our runs keep hit on the row's x, against the bulk Eval of the same
// points). The time shown is ours, point by point.
struct FreshPoints {
  static constexpr int kSets = 64;
  static constexpr int kPoints = kSide * kSide;
  std::vector<float> x, y;       // kSets * kPoints: every point its own
  std::vector<float> rowX, rowY; // kSets * kSide row values, kSets * kPoints values along rows
  FreshPoints() : x(kSets * kPoints), y(x.size()), rowX(kSets * kSide), rowY(x.size()) {
    std::mt19937 random(20261210);
    std::uniform_real_distribution<float> inX(-2.0f, 2.0f), inY(0.5f, 4.5f);
    for (size_t n = 0; n < x.size(); ++n) {
      x[n] = inX(random);
      y[n] = inY(random);
    }
    for (float& v : rowX)
      v = inX(random);
    for (float& v : rowY)
      v = inY(random);
  }
};

const FreshPoints& Fresh() {
  static const FreshPoints points;
  return points;
}

void BM_RaceFresh(benchmark::State& state) {
  constexpr int kPoints = FreshPoints::kPoints;
  const Case& c = kCases[state.range(0)];
  const FreshPoints& fresh = Fresh();
  const CompiledFormula f(Postfix(c.ours));
  // muparser's bulk call reads fixed arrays: each set is copied into them before it is timed.
  MuParsers mu(c.theirs), rows(c.theirs);
  // Their points as doubles, converted outside the timed parts.
  std::vector<double> dx(fresh.x.begin(), fresh.x.end()), dy(fresh.y.begin(), fresh.y.end());
  std::vector<float> ours(kSide);
  RaceTimes times, rowTimes;
  float sum = 0;
  double dsum = 0;
  size_t set = 0;
  for (auto _ : state) {
    const size_t first = set * kPoints;
    const float* rowX = fresh.rowX.data() + set * kSide;
    const float* rowY = fresh.rowY.data() + first;
    for (size_t n = 0; n < size_t(kPoints); ++n) {
      mu.bx[n] = dx[first + n];
      mu.by[n] = dy[first + n];
      rows.bx[n] = rowX[n / kSide];
      rows.by[n] = rowY[n];
    }
    const auto t0 = RaceClock::now();
    FormulaVars v;
    v.Z = 0.25f;
    for (size_t n = first; n < first + kPoints; ++n) {
      v.X = fresh.x[n];
      v.Y = fresh.y[n];
      sum += f.Evaluate(v);
    }
    const auto t1 = RaceClock::now();
    for (size_t n = first; n < first + kPoints; ++n) {
      mu.x = dx[n];
      mu.y = dy[n];
      dsum += mu.point.Eval();
    }
    const auto t2 = RaceClock::now();
    for (size_t n = first; n < first + kPoints; n += kSide) {
      f.EvaluateAlong(v, SlotX, fresh.x.data() + n, SlotY, fresh.y.data() + n, ours.data(), kSide);
      sum += ours[kSide - 1];
    }
    const auto t3 = RaceClock::now();
    dsum += mu.Bulk();
    const auto t4 = RaceClock::now();
    for (int i = 0; i < kSide; ++i) {
      v.X = rowX[i];
      f.EvaluateAlong(v, SlotY, rowY + i * kSide, ours.data(), kSide);
      sum += ours[kSide - 1];
    }
    const auto t5 = RaceClock::now();
    dsum += rows.Bulk();
    const auto t6 = RaceClock::now();
    state.SetIterationTime(times.Lap(t0, t1, t2, t3, t4));
    rowTimes.oursBulk += RaceTimes::Seconds(t4, t5);
    rowTimes.theirsBulk += RaceTimes::Seconds(t5, t6);
    set = (set + 1) % FreshPoints::kSets;
  }
  benchmark::DoNotOptimize(sum);
  benchmark::DoNotOptimize(dsum);
  times.Report(state, "_fresh");
  state.counters["x_bulk_rows"] = rowTimes.theirsBulk / rowTimes.oursBulk;
  state.SetItemsProcessed(state.iterations() * kPoints);
  state.SetLabel(c.ours);
}

void BM_MuParser(benchmark::State& state) {
  mu::Parser p;
  double x = 0, y = 0, z = 0.25;
  p.DefineVar("x", &x);
  p.DefineVar("y", &y);
  p.DefineVar("z", &z);
  p.SetExpr(kCases[state.range(0)].theirs);
  double sum = 0;
  for (auto _ : state) {
    for (int i = 0; i < kSide; ++i) {
      x = -2.0 + 4.0 * i / kSide;
      for (int j = 0; j < kSide; ++j) {
        y = 0.5 + 4.0 * j / kSide;
        sum += p.Eval();
      }
    }
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * kSide * kSide);
  state.SetLabel(kCases[state.range(0)].theirs);
}

// The text-taking evaluation as the graph code may call it, once per sample.
void BM_DoEvaluate(benchmark::State& state) {
  const std::string postfix = Postfix(kCases[state.range(0)].ours);
  FormulaParser e;
  float sum = 0, r = 0;
  for (auto _ : state) {
    for (int i = 0; i < kSide; ++i) {
      const float x = -2.0f + 4.0f * static_cast<float>(i) / kSide;
      for (int j = 0; j < kSide; ++j) {
        const float y = 0.5f + 4.0f * static_cast<float>(j) / kSide;
        e.DoEvaluate(postfix, false, r, 0, 0, x, y, 0.25f, 0, 0, 0, 0, 0);
        sum += r;
      }
    }
  }
  benchmark::DoNotOptimize(sum);
  state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

void BM_Parse(benchmark::State& state) {
  const std::string text = InsertImplicitProducts(kCases[state.range(0)].ours);
  for (auto _ : state) {
    std::string postfix;
    FormulaParser::ParseQuietly(text, postfix);
    CompiledFormula f(postfix);
    benchmark::DoNotOptimize(f);
  }
}

void BM_Integrate(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(IntegrateExpression(0, 3, 0.001f, "sin(x)^2", 1));
}

double Least(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

BENCHMARK(BM_Race)->DenseRange(0, 5)->UseManualTime()->ComputeStatistics("min", Least);
BENCHMARK(BM_RaceFresh)->DenseRange(0, 5)->UseManualTime()->ComputeStatistics("min", Least);
BENCHMARK(BM_Corvalin)->DenseRange(0, 5);
BENCHMARK(BM_MuParser)->DenseRange(0, 5);
BENCHMARK(BM_DoEvaluate)->DenseRange(0, 5);
BENCHMARK(BM_Parse)->DenseRange(0, 5);
BENCHMARK(BM_Integrate);

} // namespace

BENCHMARK_MAIN();
