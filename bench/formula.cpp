// Evaluations per second of the compiled formula evaluator, raced against muparser on the same
// formulas in the same run (the Race rows print how many times faster ours is, one point at a
// time and in bulk, on a repeated grid and on fresh points, and polynomials with whole powers on
// fresh points), plus the text-taking DoEvaluate, the parser and an integration. Each race checks
// every value both sides give against muparser's value in double within what single precision
// allows, and stops with an error where one does not agree.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <type_traits>
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

// The values both sides of a race must give at its points: muparser's, in double, at the very
// points ours takes (its single-precision inputs widened), and for each point how far an
// evaluation in single precision may stray from it. The slack is 2^-18 of the value (of 1 where
// the value is smaller), a few dozen roundings of a single, plus how much the value itself moves
// when x or y moves by 2^-21 of itself: near a pole or a root a formula magnifies the roundings of
// its steps as it magnifies a change of its inputs, and there the two sides may part as far as
// the value moves. Where muparser's value is no number or beyond the single range, each side must
// give none (ours UndefinedValue). One rule of ours differs from muparser's: a divisor below
// 0.000001 in size is the division fault, so ours has no value where muparser divides by a tiny
// number (a pole: sin(2*pi/y) at y = 0.5). A second parser whose "/" follows that rule tells
// where ours must give UndefinedValue, and where that changes within the same moves of x and y,
// ours may give either.
struct Expected {
  std::vector<double> value, slack;
  std::vector<uint8_t> none;   // ours gives UndefinedValue by the division rule
  std::vector<uint8_t> either; // ours may give UndefinedValue or the value
};

double Quotient(double a, double b) {
  return std::fabs(b) < 0.000001 ? std::numeric_limits<double>::quiet_NaN() : a / b;
}

Expected ExpectedAt(const char* formula, const float* xs, const float* ys, size_t n) {
  mu::Parser plain, ruled;
  double x = 0, y = 0, z = 0.25;
  for (mu::Parser* p : {&plain, &ruled}) {
    p->DefineVar("x", &x);
    p->DefineVar("y", &y);
    p->DefineVar("z", &z);
  }
  ruled.EnableBuiltInOprt(false);
  ruled.DefineOprt(
      "+", [](double a, double b) { return a + b; }, mu::prADD_SUB);
  ruled.DefineOprt(
      "-", [](double a, double b) { return a - b; }, mu::prADD_SUB);
  ruled.DefineOprt(
      "*", [](double a, double b) { return a * b; }, mu::prMUL_DIV);
  ruled.DefineOprt("/", Quotient, mu::prMUL_DIV);
  ruled.DefineOprt(
      "^", [](double a, double b) { return std::pow(a, b); }, mu::prPOW, mu::oaRIGHT);
  plain.SetExpr(formula);
  ruled.SetExpr(formula);
  Expected e;
  e.value.resize(n);
  e.slack.resize(n);
  e.none.resize(n);
  e.either.resize(n);
  constexpr double kMove = 0x1p-21;
  for (size_t i = 0; i < n; ++i) {
    x = xs[i];
    y = ys[i];
    const double v = plain.Eval();
    const bool none = std::isnan(ruled.Eval());
    double spread = 0;
    bool either = false;
    for (const double f : {1 - kMove, 1 + kMove})
      for (double* input : {&x, &y}) {
        const double kept = *input;
        *input = kept * f;
        spread = std::max(spread, std::fabs(plain.Eval() - v));
        either = either || std::isnan(ruled.Eval()) != none;
        *input = kept;
      }
    e.value[i] = v;
    e.slack[i] = 0x1p-18 * std::max(1.0, std::fabs(v)) + spread;
    e.none[i] = none && !either;
    e.either[i] = either;
  }
  return e;
}

bool Beyond(double v) { return !(std::fabs(v) <= std::numeric_limits<float>::max()); }

// Whether a side's results agree with the expected values (T float: ours, double: muparser's); a
// disagreement is reported on stderr with its point and skips the benchmark with an error.
template <class T>
bool Agree(benchmark::State& state, const char* formula, const char* side, const Expected& e,
           size_t first, const T* got, size_t n, const float* xs, const float* ys) {
  constexpr bool kOurs = std::is_same_v<T, float>;
  for (size_t i = 0; i < n; ++i) {
    const size_t at = first + i;
    const double want = e.value[at], slack = e.slack[at];
    const double have = static_cast<double>(got[i]);
    bool ok;
    if (kOurs && e.none[at])
      ok = got[i] == UndefinedValue;
    else if (Beyond(want))
      ok = kOurs ? got[i] == UndefinedValue : Beyond(have);
    else
      ok = std::fabs(have - want) <= slack || (kOurs && e.either[at] && got[i] == UndefinedValue);
    if (!ok) {
      std::fprintf(stderr, "%s: %s gives %.9g at x=%.9g y=%.9g, expected %.9g within %.3g%s\n",
                   formula, side, have, double(xs[at]), double(ys[at]), want, slack,
                   kOurs && e.none[at] ? " (none by the division rule)" : "");
      state.SkipWithError("the two sides of the race disagree");
      return false;
    }
  }
  return true;
}

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
  // The bulk call over the arrays into bulkOut.
  void Bulk() { bulk.Eval(bulkOut.data(), kPoints); }
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
  void Report(benchmark::State& state, const std::string& point, const std::string& bulk) const {
    state.counters[point] = theirs / ours;
    state.counters[bulk] = theirsBulk / oursBulk;
  }
};

// Our evaluator and muparser, one point at a time and in bulk (a row of 100 y values per x),
// on the same formula and points, alternately in every iteration. The counters give how many
// times faster ours is: "x_eval" one point at a time (Evaluate against Eval()), "x_bulk" in bulk
// (EvaluateAlong along each row of y against one bulk Eval(results, n) of the whole grid). The
// time shown is ours, point by point. muparser's bulk path runs on OpenMP's threads: run with
// OMP_NUM_THREADS=1 to race it on one core as ours runs. Every result of every iteration, both
// sides', is checked against the expected values (outside the timed parts).
void BM_Race(benchmark::State& state) {
  constexpr int kPoints = MuParsers::kPoints;
  const Case& c = kCases[state.range(0)];
  const CompiledFormula f(Postfix(c.ours));
  MuParsers mu(c.theirs);
  // The grid in single precision; muparser reads the same values widened.
  std::vector<float> gx(kPoints), gy(kPoints), ys(kSide);
  for (int j = 0; j < kSide; ++j)
    ys[size_t(j)] = 0.5f + 4.0f * static_cast<float>(j) / kSide;
  for (int i = 0; i < kSide; ++i)
    for (int j = 0; j < kSide; ++j) {
      const size_t n = size_t(i * kSide + j);
      gx[n] = -2.0f + 4.0f * static_cast<float>(i) / kSide;
      gy[n] = ys[size_t(j)];
      mu.bx[n] = gx[n];
      mu.by[n] = gy[n];
    }
  const Expected expected = ExpectedAt(c.theirs, gx.data(), gy.data(), kPoints);
  std::vector<float> ours(kPoints), oursBulk(kPoints);
  std::vector<double> theirs(kPoints);
  RaceTimes times;
  for (auto _ : state) {
    const auto t0 = RaceClock::now();
    FormulaVars v;
    v.Z = 0.25f;
    for (size_t n = 0; n < size_t(kPoints); ++n) {
      v.X = gx[n];
      v.Y = gy[n];
      ours[n] = f.Evaluate(v);
    }
    const auto t1 = RaceClock::now();
    for (size_t n = 0; n < size_t(kPoints); ++n) {
      mu.x = gx[n];
      mu.y = gy[n];
      theirs[n] = mu.point.Eval();
    }
    const auto t2 = RaceClock::now();
    for (size_t n = 0; n < size_t(kPoints); n += kSide) {
      v.X = gx[n];
      f.EvaluateAlong(v, SlotY, ys.data(), oursBulk.data() + n, kSide);
    }
    const auto t3 = RaceClock::now();
    mu.Bulk();
    state.SetIterationTime(times.Lap(t0, t1, t2, t3, RaceClock::now()));
    if (!Agree(state, c.ours, "ours", expected, 0, ours.data(), kPoints, gx.data(), gy.data()) ||
        !Agree(state, c.ours, "ours in bulk", expected, 0, oursBulk.data(), kPoints, gx.data(),
               gy.data()) ||
        !Agree(state, c.ours, "muparser", expected, 0, theirs.data(), kPoints, gx.data(),
               gy.data()) ||
        !Agree(state, c.ours, "muparser in bulk", expected, 0, mu.bulkOut.data(), kPoints,
               gx.data(), gy.data()))
      break;
  }
  if (state.error_occurred()) return;
  times.Report(state, "x_eval", "x_bulk");
  state.SetItemsProcessed(state.iterations() * kPoints);
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
// points). The time shown is ours, point by point. Every result of every iteration, both sides',
// is checked against the expected values (outside the timed parts).
struct FreshPoints {
  static constexpr int kSets = 64;
  static constexpr int kPoints = kSide * kSide;
  std::vector<float> x, y;       // kSets * kPoints: every point its own
  std::vector<float> rowX, rowY; // kSets * kSide row values, kSets * kPoints values along rows
  std::vector<float> rowXs;      // the row's x for each of rowY's points
  FreshPoints()
      : x(kSets * kPoints), y(x.size()), rowX(kSets * kSide), rowY(x.size()), rowXs(x.size()) {
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
    for (size_t n = 0; n < rowXs.size(); ++n)
      rowXs[n] = rowX[n / kSide];
  }
};

const FreshPoints& Fresh() {
  static const FreshPoints points;
  return points;
}

// The race on fresh points of one formula; the counters get the names given.
void RaceFresh(benchmark::State& state, const Case& c, const char* point, const char* bulk,
               const char* rowsName) {
  constexpr int kPoints = FreshPoints::kPoints;
  const FreshPoints& fresh = Fresh();
  const CompiledFormula f(Postfix(c.ours));
  const Expected expected = ExpectedAt(c.theirs, fresh.x.data(), fresh.y.data(), fresh.x.size());
  const Expected expectedRows =
      ExpectedAt(c.theirs, fresh.rowXs.data(), fresh.rowY.data(), fresh.rowY.size());
  // muparser's bulk call reads fixed arrays: each set is copied into them before it is timed.
  MuParsers mu(c.theirs), rows(c.theirs);
  // Their points as doubles, converted outside the timed parts.
  std::vector<double> dx(fresh.x.begin(), fresh.x.end()), dy(fresh.y.begin(), fresh.y.end());
  std::vector<float> ours(kPoints), oursBulk(kPoints), oursRows(kPoints);
  std::vector<double> theirs(kPoints);
  RaceTimes times, rowTimes;
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
    for (size_t n = 0; n < size_t(kPoints); ++n) {
      v.X = fresh.x[first + n];
      v.Y = fresh.y[first + n];
      ours[n] = f.Evaluate(v);
    }
    const auto t1 = RaceClock::now();
    for (size_t n = 0; n < size_t(kPoints); ++n) {
      mu.x = dx[first + n];
      mu.y = dy[first + n];
      theirs[n] = mu.point.Eval();
    }
    const auto t2 = RaceClock::now();
    for (size_t n = 0; n < size_t(kPoints); n += kSide)
      f.EvaluateAlong(v, SlotX, fresh.x.data() + first + n, SlotY, fresh.y.data() + first + n,
                      oursBulk.data() + n, kSide);
    const auto t3 = RaceClock::now();
    mu.Bulk();
    const auto t4 = RaceClock::now();
    for (int i = 0; i < kSide; ++i) {
      v.X = rowX[i];
      f.EvaluateAlong(v, SlotY, rowY + i * kSide, oursRows.data() + i * kSide, kSide);
    }
    const auto t5 = RaceClock::now();
    rows.Bulk();
    const auto t6 = RaceClock::now();
    state.SetIterationTime(times.Lap(t0, t1, t2, t3, t4));
    rowTimes.oursBulk += RaceTimes::Seconds(t4, t5);
    rowTimes.theirsBulk += RaceTimes::Seconds(t5, t6);
    const float *xs = fresh.x.data(), *ys = fresh.y.data();
    const float *rxs = fresh.rowXs.data(), *rys = fresh.rowY.data();
    if (!Agree(state, c.ours, "ours", expected, first, ours.data(), kPoints, xs, ys) ||
        !Agree(state, c.ours, "ours in bulk", expected, first, oursBulk.data(), kPoints, xs, ys) ||
        !Agree(state, c.ours, "muparser", expected, first, theirs.data(), kPoints, xs, ys) ||
        !Agree(state, c.ours, "muparser in bulk", expected, first, mu.bulkOut.data(), kPoints, xs,
               ys) ||
        !Agree(state, c.ours, "ours along rows", expectedRows, first, oursRows.data(), kPoints, rxs,
               rys) ||
        !Agree(state, c.ours, "muparser on rows", expectedRows, first, rows.bulkOut.data(), kPoints,
               rxs, rys))
      break;
    set = (set + 1) % FreshPoints::kSets;
  }
  if (state.error_occurred()) return;
  times.Report(state, point, bulk);
  state.counters[rowsName] = rowTimes.theirsBulk / rowTimes.oursBulk;
  state.SetItemsProcessed(state.iterations() * kPoints);
  state.SetLabel(c.ours);
}

void BM_RaceFresh(benchmark::State& state) {
  RaceFresh(state, kCases[state.range(0)], "x_eval_fresh", "x_bulk_fresh", "x_bulk_rows");
}

// Polynomials with whole powers above 2 and below 0, on the same fresh points: "x_pow_fresh" in
// bulk (runs of 100 points that differ in x and y against muparser's bulk call), and
// "x_pow_eval_fresh" and "x_pow_rows" as above. muparser has instructions of its own for a
// variable to the power 2, 3 and 4; it calls pow for the others.
const Case kPowerCases[] = {
    {"3*x^4-2*x^3+x^2-5*x+7", "3*x^4-2*x^3+x^2-5*x+7"},
    {"2*x^5-x^3+3*y^-2-x", "2*x^5-x^3+3*y^-2-x"},
};

void BM_RacePowersFresh(benchmark::State& state) {
  RaceFresh(state, kPowerCases[state.range(0)], "x_pow_eval_fresh", "x_pow_fresh", "x_pow_rows");
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
BENCHMARK(BM_RacePowersFresh)->DenseRange(0, 1)->UseManualTime()->ComputeStatistics("min", Least);
BENCHMARK(BM_Corvalin)->DenseRange(0, 5);
BENCHMARK(BM_MuParser)->DenseRange(0, 5);
BENCHMARK(BM_DoEvaluate)->DenseRange(0, 5);
BENCHMARK(BM_Parse)->DenseRange(0, 5);
BENCHMARK(BM_Integrate);

} // namespace

BENCHMARK_MAIN();
