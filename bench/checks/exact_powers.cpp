// Every single-precision input against each whole exponent the evaluator takes by products: the
// evaluator's value and fault must be those of pow in double rounded to single, as the general
// power gives them, bit for bit (-0, denormals, underflow to zero, overflow, infinities and NaNs
// as inputs, zero to a negative power). Too slow for the test suite (2^32 inputs an exponent):
// run it by hand after a change to the powers,
//   build/bench/exact_powers [threads] [exponent ...]
// It prints one line per exponent and exits non-zero when any input differs.

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "formula/CompiledFormula.h"

namespace {

uint32_t Bits(float f) {
  uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

// What the general power gives for x^n: the value and fault of float(pow(double(x), n)) after
// the evaluator's checks (a variable that is no finite number is the overflow fault, as is a
// power beyond single precision; zero to a negative power is the division fault).
EvalOutcome Reference(float x, int n) {
  EvalOutcome out;
  if (!std::isfinite(x)) {
    out.fault = EvalFault::Overflow;
    return out;
  }
  if (x == 0.0f && n < 0) {
    out.fault = EvalFault::DivisionByZero;
    return out;
  }
  const float r = static_cast<float>(std::pow(static_cast<double>(x), static_cast<double>(n)));
  if (!std::isfinite(r))
    out.fault = EvalFault::Overflow;
  else
    out.value = r;
  return out;
}

// The postfix text of a whole number, negative ones as the parser writes them.
std::string Number(int n) { return n < 0 ? std::to_string(-n) + " (-) " : std::to_string(n) + " "; }

struct Count {
  std::atomic<uint64_t> constant{0}, operand{0}, variable{0}, exact{0};
};

void Report(const char* form, uint32_t input, float got, float want) {
  float x;
  std::memcpy(&x, &input, sizeof x);
  std::printf("  %s: x = %a (bits %08x) gives %a, pow gives %a\n", form, double(x), input,
              double(got), double(want));
}

// Inputs first, first + stride, ... of all 2^32, in blocks run along the variable.
void Check(int n, uint64_t first, uint64_t stride, Count& count) {
  const CompiledFormula constant("XX " + Number(n) + "^ ");    // the variable's power: one step
  const CompiledFormula operand("XX 1 * " + Number(n) + "^ "); // a computed value's power
  const CompiledFormula variable("XX YY ^ ");                  // the exponent a variable
  constexpr size_t kBlock = 1 << 16;
  std::vector<float> xs(kBlock), a(kBlock), b(kBlock), c(kBlock);
  FormulaVars vars;
  vars.Y = static_cast<float>(n);
  uint64_t input = first;
  while (input < (uint64_t{1} << 32)) {
    size_t m = 0;
    for (; m < kBlock && input < (uint64_t{1} << 32); ++m, input += stride) {
      const uint32_t bits = static_cast<uint32_t>(input);
      std::memcpy(&xs[m], &bits, sizeof bits);
    }
    constant.EvaluateAlong(vars, SlotX, xs.data(), a.data(), m);
    operand.EvaluateAlong(vars, SlotX, xs.data(), b.data(), m);
    variable.EvaluateAlong(vars, SlotX, xs.data(), c.data(), m);
    for (size_t i = 0; i < m; ++i) {
      const EvalOutcome want = Reference(xs[i], n);
      const float value = want.fault == EvalFault::None ? want.value : UndefinedValue;
      if (Bits(a[i]) != Bits(value) && count.constant++ < 3)
        Report("constant exponent", Bits(xs[i]), a[i], value);
      if (Bits(b[i]) != Bits(value) && count.operand++ < 3)
        Report("computed operand", Bits(xs[i]), b[i], value);
      if (Bits(c[i]) != Bits(value) && count.variable++ < 3)
        Report("variable exponent", Bits(xs[i]), c[i], value);
      FormulaVars one = vars;
      one.X = xs[i];
      const EvalOutcome got = constant.Run(one);
      if ((got.fault != want.fault || Bits(got.value) != Bits(want.value)) && count.exact++ < 3)
        Report("run with its fault", Bits(xs[i]), got.value, want.value);
    }
  }
}

} // namespace

int main(int argc, char** argv) {
  unsigned threads = 4;
  std::vector<int> exponents;
  if (argc > 1) threads = static_cast<unsigned>(std::max(1, std::atoi(argv[1])));
  for (int i = 2; i < argc; ++i)
    exponents.push_back(std::atoi(argv[i]));
  if (exponents.empty()) exponents = {-4, -3, -2, -1, 1, 2, 3, 4, 5, 6};
  bool allSame = true;
  for (const int n : exponents) {
    const auto start = std::chrono::steady_clock::now();
    Count count;
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t)
      pool.emplace_back([&, t] { Check(n, t, threads, count); });
    for (std::thread& t : pool)
      t.join();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const uint64_t differ = count.constant + count.operand + count.variable + count.exact;
    allSame = allSame && differ == 0;
    std::printf("x^%d: 4294967296 inputs; differ: constant exponent %llu, computed operand %llu, "
                "variable exponent %llu, run with its fault %llu (%.0f s)\n",
                n, static_cast<unsigned long long>(count.constant.load()),
                static_cast<unsigned long long>(count.operand.load()),
                static_cast<unsigned long long>(count.variable.load()),
                static_cast<unsigned long long>(count.exact.load()), seconds);
    std::fflush(stdout);
  }
  return allSame ? 0 : 1;
}
