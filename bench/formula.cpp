// Evaluations per second of the compiled formula evaluator, raced against muparser on the same
// formulas in the same run, plus the text-taking DoEvaluate, the parser and an integration.

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <string>

#include "formula/Cls6.h"
#include "formula/CompiledFormula.h"
#include "formula/FormulaText.h"
#include "formula/NIModule.h"

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
};

// Sample points like a 100 x 100 grid over [-2, 2] x [0.5, 4.5].
constexpr int kSide = 100;

std::string Postfix(const char* formula) {
  std::string postfix;
  Cls6().InfixToPostfix(InsertImplicitProducts(formula), postfix);
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
  Cls6 e;
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
    Cls6::ParseQuietly(text, postfix);
    CompiledFormula f(postfix);
    benchmark::DoNotOptimize(f);
  }
}

void BM_Integrate(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(IntegrateExpression(0, 3, 0.001f, "sin(x)^2", 1));
}

BENCHMARK(BM_Corvalin)->DenseRange(0, 4);
BENCHMARK(BM_MuParser)->DenseRange(0, 4);
BENCHMARK(BM_DoEvaluate)->DenseRange(0, 4);
BENCHMARK(BM_Parse)->DenseRange(0, 4);
BENCHMARK(BM_Integrate);

} // namespace

BENCHMARK_MAIN();
