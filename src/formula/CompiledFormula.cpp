#include "formula/CompiledFormula.h"

#include <atomic>
#include <cmath>
#include <cstring>

#include "formula/FormulaTables.h"
#include "platform/NumberText.h"

using namespace formula;

namespace {

// Instructions. The value stack holds single-precision values: every operation takes its operands
// in single precision, so a double result is rounded when it is pushed (beyond the single range
// that is the overflow fault).
enum Op : uint8_t {
  kConst, // push k
  kVar,   // push variable arg (0..9: U V X Y Z A R B T N)
  kAdd,
  kSub,
  kMul,
  kDiv,
  kPow,
  kNeg,
  kFn,   // function arg on the top value
  kDeg,  // top value from degrees to radians (before the trigonometric functions)
  kAddK, // top = top op k
  kSubK,
  kMulK,
  kDivK,
  kPowK,
  kSquare,      // top ^ 2
  kPowOne,      // top ^ (exponent below 0.000001 in size) = 1
  kPowWhole,    // top ^ spare, a whole exponent taken by products (spare as int16_t)
  kVarPowWhole, // push variable arg ^ spare, the same
  kAddV,        // top = top op variable arg
  kSubV,
  kMulV,
  kDivV,
  kVarSquare, // push variable arg ^ 2
  kSin,       // the most used functions, each an instruction of its own
  kCos,
  kExp,
  kSqr,
  kVarSin, // push sin or cos of variable arg (radians)
  kVarCos,
  kAddVarSquare,  // top = top + variable arg ^ 2
  kSubVarSquare,  // top = top - variable arg ^ 2
  kVarAddK,       // push variable arg + k
  kRSubK,         // top = k - top
  kRDivK,         // top = k / top
  kVarAddKRDivK,  // push pool[spare] / (variable arg + k): a term of a rational function
  kAddRational,   // top = top + pool[spare] / (variable arg + k)
  kSubRational,   // top = top - pool[spare] / (variable arg + k)
  kTrapBad,       // bad token index
  kTrapUnderflow, // too few operands
  kTrapOverflow,  // a number beyond single precision
  kEnd,           // the last instruction of every non-empty program
  kOpCount
};

inline bool Finite(float r) { return std::isfinite(r); }

// Rounds a double result to single precision; false when it does not fit (or is not a number).
inline bool ToSingle(double d, float& r) {
  r = static_cast<float>(d);
  return std::isfinite(r);
}

inline EvalFault Divide(float a, float b, float& r) {
  if (std::fabs(b) < 0.000001f) return EvalFault::DivisionByZero;
  r = a / b;
  return Finite(r) ? EvalFault::None : EvalFault::Overflow;
}

// |b| >= 0.000001 and b finite, in one comparison of the bits of |b|.
inline bool DivisorOk(float b) {
  constexpr uint32_t kLeast = 0x358637BDu; // the bits of 0.000001f
  constexpr uint32_t kInfinity = 0x7F800000u;
  uint32_t bits;
  std::memcpy(&bits, &b, sizeof bits);
  return (bits & 0x7FFFFFFFu) - kLeast < kInfinity - kLeast;
}

// A power of a base below 1 in size to a large exponent whose value lies below 2^-150, half the
// least single: it rounds to a zero single, 0 or (a negative base to an odd power) -0, whatever
// pow gives in double, and pow takes its slow path for such results. The log2 test keeps a whole
// binary order of room, far more than its rounding; exponents below 64 are left to pow, so the
// powers of everyday formulas pay one comparison only.
inline bool VanishingPower(float a, float b, float& r) {
  if (!(b >= 64.0f) || !(std::fabs(a) < 1.0f) || a == 0.0f) return false;
  if (std::log2(std::fabs(static_cast<double>(a))) * static_cast<double>(b) >= -151.0) return false;
  r = a < 0.0f && std::fmod(static_cast<double>(b), 2.0) == 1.0 ? -0.0f : 0.0f;
  return true;
}

// Whole powers by products. A single's square is exact in double, so a^3 = a^2 * a,
// a^4 = a^2 * a^2, a^-1 = 1 / a and a^-2 = 1 / a^2 are each the exact power rounded once to
// double. pow's double is not always that one (for a^3 it is another for about one single in 400),
// but the two round to the same single for every single: bench/checks/exact_powers tries all 2^32
// inputs of each exponent here against pow rounded to single. The other exponents take two or
// three roundings: the product lies within 2^-50 of a^n (relative) and pow's double, at most an
// ulp off, within 2^-52, so both round to the same single wherever every number within 2^-48 of
// the product does; where not (a few singles in ten million), pow computes it. Within these
// exponents no product leaves double's range of normal numbers, so underflow and overflow happen
// only in the rounding to single, as with pow.
constexpr int kLeastProductPower = -4, kMostProductPower = 6;

// Whether every number within 2^-48 of p (relative) rounds to the same single as p.
inline bool RoundsAlike(double p) {
  const double d = std::fabs(p) * 0x1p-48;
  return static_cast<float>(p - d) == static_cast<float>(p + d);
}

// a^n by products, rounded to single, for n from kLeastProductPower to kMostProductPower, not 0;
// a is not 0 where n is negative. The bits of pow in double rounded to single: -0, underflow to
// denormals and zero, and overflow to infinity included.
inline float PowerByProducts(float af, int n) {
  const double a = static_cast<double>(af);
  const double a2 = a * a;
  double p;
  switch (n) {
  case 1:
    return af;
  case 2:
    return static_cast<float>(a2);
  case 3:
    return static_cast<float>(a2 * a);
  case 4:
    return static_cast<float>(a2 * a2);
  case -1:
    return static_cast<float>(1.0 / a);
  case -2:
    return static_cast<float>(1.0 / a2);
  case 5:
    p = (a2 * a2) * a;
    break;
  case 6: {
    const double a3 = a2 * a;
    p = a3 * a3;
    break;
  }
  case -3:
    p = 1.0 / (a2 * a);
    break;
  default: // -4
    p = 1.0 / (a2 * a2);
    break;
  }
  if (RoundsAlike(p)) return static_cast<float>(p);
  return static_cast<float>(std::pow(a, static_cast<double>(n)));
}

// The exponent b as one taken by products, or 0 where pow takes it.
inline int ProductExponent(float b) {
  if (!(b >= kLeastProductPower && b <= kMostProductPower)) return 0;
  const int n = static_cast<int>(b);
  return static_cast<float>(n) == b ? n : 0;
}

inline EvalFault Power(float a, float b, float& r) {
  if (std::fabs(b) < 0.000001f) {
    r = 1.0f;
    return EvalFault::None;
  }
  if (a < 0.0f && std::floor(b) != b) return EvalFault::NegativeBase;
  // Zero to a negative power would be an infinite quotient: the division fault.
  if (a == 0.0f && b < 0.0f) return EvalFault::DivisionByZero;
  if (const int n = ProductExponent(b)) {
    r = PowerByProducts(a, n);
    return Finite(r) ? EvalFault::None : EvalFault::Overflow;
  }
  if (VanishingPower(a, b, r)) return EvalFault::None;
  return ToSingle(std::pow(static_cast<double>(a), static_cast<double>(b)), r)
             ? EvalFault::None
             : EvalFault::Overflow;
}

// a * a of a single is exact in double, so this equals the power with exponent 2.
inline float SquareOf(float a) {
  const double d = static_cast<double>(a);
  return static_cast<float>(d * d);
}

inline float FromDegrees(float x) {
  return static_cast<float>(static_cast<double>(x) * 3.1416 / 180.0);
}

inline double Sgn(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

// e^x and e^-x for the hyperbolic functions; false when either is beyond double precision.
inline bool ExpPair(double x, double& ep, double& em) {
  ep = std::exp(x);
  em = std::exp(-x);
  return std::isfinite(ep) && std::isfinite(em);
}

// One of the thirty functions of a single-precision operand.
EvalFault ApplyFunction(int fn, float x, float& r) {
  const double xd = static_cast<double>(x);
  double v = 0.0;
  double ep, em;
  switch (fn) {
  case FnSin:
    v = std::sin(xd);
    break;
  case FnCos:
    v = std::cos(xd);
    break;
  case FnLog:
    if (x <= 0.00001f) return EvalFault::LogDomain;
    v = std::log(xd);
    break;
  case FnExp:
    v = std::exp(xd);
    break;
  case FnAbs:
    r = std::fabs(x);
    return EvalFault::None;
  case FnAtan:
    v = std::atan(xd);
    break;
  case FnInt:
    r = std::floor(x);
    return EvalFault::None;
  case FnRnd:
    r = NextRandomSingle();
    return EvalFault::None;
  case FnSqr:
    if (x < 0.0f) return EvalFault::SqrDomain;
    v = std::sqrt(xd);
    break;
  case FnTan:
    v = std::tan(xd);
    break;
  case FnSec: {
    const double c = std::cos(xd);
    if (std::fabs(c) < 0.0000001) return EvalFault::DivisionByZero;
    v = 1.0 / c;
    break;
  }
  case FnCsec: {
    const double s = std::sin(xd);
    if (std::fabs(s) < 0.0000001) return EvalFault::DivisionByZero;
    v = 1.0 / s;
    break;
  }
  case FnCtan: {
    const double t = std::tan(xd);
    if (std::fabs(t) < 0.0000001) return EvalFault::DivisionByZero;
    v = 1.0 / t;
    break;
  }
  case FnAsin: {
    const double q = 1.0 - xd * xd;
    if (q < 0.0) return EvalFault::Illegal;
    if (x == 1.0f)
      v = 1.5708;
    else if (x == -1.0f)
      v = -1.5708;
    else
      v = std::atan(xd / std::sqrt(q));
    break;
  }
  case FnAcos: {
    const double q = 1.0 - xd * xd;
    if (q < 0.0) return EvalFault::Illegal;
    if (x == 1.0f)
      v = 0.0;
    else if (x == -1.0f)
      v = 3.1416;
    else
      v = std::atan(-xd / std::sqrt(q)) + 2.0 * std::atan(1.0);
    break;
  }
  case FnAsec:
  case FnAcsec: {
    const double q = xd * xd - 1.0;
    if (std::fabs(q) < 0.0000001 || q < 0.0) return EvalFault::Illegal;
    v = fn == FnAsec ? std::acos(1.0 / xd) : std::asin(1.0 / xd);
    break;
  }
  case FnActan:
    v = std::atan(-xd) + 2.0 * std::atan(1.0);
    break;
  case FnSinh:
    if (!ExpPair(xd, ep, em)) return EvalFault::Overflow;
    v = (ep - em) / 2.0;
    break;
  case FnCosh:
    if (!ExpPair(xd, ep, em)) return EvalFault::Overflow;
    v = (ep + em) / 2.0;
    break;
  case FnTanh:
    if (!ExpPair(xd, ep, em)) return EvalFault::Overflow;
    v = (ep - em) / (ep + em);
    break;
  case FnCtanh:
    if (!ExpPair(xd, ep, em)) return EvalFault::Overflow;
    if (std::fabs(ep - em) < 0.0000001) return EvalFault::Hyperbolic;
    v = (ep + em) / (ep - em);
    break;
  case FnSech:
    if (!ExpPair(xd, ep, em)) return EvalFault::Overflow;
    v = 2.0 / (ep + em);
    break;
  case FnCsech:
    if (!ExpPair(xd, ep, em)) return EvalFault::Overflow;
    if (std::fabs(ep - em) < 0.0000001) return EvalFault::Hyperbolic;
    v = 2.0 / (ep - em);
    break;
  case FnAsinh: {
    const double s = xd + std::sqrt(xd * xd + 1.0);
    if (s <= 0.00001) return EvalFault::Hyperbolic;
    v = std::log(s);
    break;
  }
  case FnAcosh: {
    const double q = xd * xd - 1.0;
    if (q < 0.0) return EvalFault::Hyperbolic;
    const double s = xd + std::sqrt(q);
    if (s <= 0.00001) return EvalFault::Hyperbolic;
    v = std::log(s);
    break;
  }
  case FnAtanh: {
    if (x == 1.0f) return EvalFault::Hyperbolic;
    const double q = (1.0 + xd) / (1.0 - xd);
    if (static_cast<float>(q) <= 0.00001f) return EvalFault::Hyperbolic;
    v = std::log(q) / 2.0;
    break;
  }
  case FnAsech: {
    if (x == 0.0f) return EvalFault::Hyperbolic;
    const double q = 1.0 - xd * xd;
    if (q < 0.0) return EvalFault::Hyperbolic;
    const double s = (std::sqrt(q) + 1.0) / xd;
    if (s <= 0.00001) return EvalFault::Hyperbolic;
    v = std::log(s);
    break;
  }
  case FnAcsech: {
    if (x == 0.0f) return EvalFault::Hyperbolic;
    const double s = (Sgn(xd) * std::sqrt(xd * xd + 1.0) + 1.0) / xd;
    if (s <= 0.00001) return EvalFault::Hyperbolic;
    v = std::log(s);
    break;
  }
  case FnActanh: {
    if (x == 1.0f) return EvalFault::Hyperbolic;
    const double q = (xd + 1.0) / (xd - 1.0);
    if (static_cast<float>(q) <= 0.00001f) return EvalFault::Hyperbolic;
    v = std::log(q) / 2.0;
    break;
  }
  default:
    return EvalFault::BadToken;
  }
  return ToSingle(v, r) ? EvalFault::None : EvalFault::Overflow;
}

EvalFault Binary(uint8_t op, float a, float b, float& r) {
  switch (op) {
  case kAdd:
    r = a + b;
    break;
  case kSub:
    r = a - b;
    break;
  case kMul:
    r = a * b;
    break;
  case kDiv:
    return Divide(a, b, r);
  case kPow:
    return Power(a, b, r);
  default:
    return EvalFault::BadToken;
  }
  return Finite(r) ? EvalFault::None : EvalFault::Overflow;
}

// Recent values of the costly functions (sin, cos, exp and the others but RND), per thread: the
// samples of a grid repeat the same arguments row after row (sin(x) along a row of y, cos(y) in
// every row), and a value found here is the very value the function gives, so nothing changes
// but the time. A slot holds the function and the argument's bits beside the value.
struct FunctionMemo {
  static constexpr unsigned kBits = 10;
  uint64_t key[1u << kBits];
  float value[1u << kBits];
};
thread_local FunctionMemo t_memo; // all keys 0: no function has key 0

inline uint64_t MemoKey(unsigned fn, float x) {
  uint32_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return (static_cast<uint64_t>(fn + 1) << 32) | bits;
}

inline size_t MemoSlot(uint64_t key) {
  return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - FunctionMemo::kBits));
}

// f(x) through the memo; compute gives it when it is not there.
template <class Compute> inline float Remembered(unsigned fn, float x, Compute&& compute) {
  FunctionMemo& m = t_memo;
  const uint64_t key = MemoKey(fn, x);
  const size_t slot = MemoSlot(key);
  if (m.key[slot] == key) return m.value[slot];
  const float r = compute(x);
  m.key[slot] = key;
  m.value[slot] = r;
  return r;
}

// Sine and cosine of a single, rounded to single: the very value float(std::sin(double(x)))
// (cos) gives, at a fraction of the library's cost. A short polynomial gives the double result
// to far better than 2^-45 of its size, and the library's result lies within 2^-52 of the true
// value; when every number within 2^-38 of the polynomial's result rounds to the same single,
// that single is the library's too. Only where it does not (about one argument in 2^14), where
// the argument is large, or where the result is near zero, does the library compute it.
constexpr double kRoundToInteger = 0x1.8p52; // (v + this) - this rounds v to an integer

// Whether every number within 2^-38 of p (relative) rounds to the same single as p.
inline bool RoundsSurely(double p) {
  const double d = std::fabs(p) * 0x1p-38;
  return static_cast<float>(p - d) == static_cast<float>(p + d);
}

// 1 / n! for n = 2 .. 14.
constexpr double F2 = 1.0 / 2, F3 = 1.0 / 6, F4 = 1.0 / 24, F5 = 1.0 / 120, F6 = 1.0 / 720,
                 F7 = 1.0 / 5040, F8 = 1.0 / 40320, F9 = 1.0 / 362880, F10 = 1.0 / 3628800,
                 F11 = 1.0 / 39916800, F12 = 1.0 / 479001600, F13 = 1.0 / 6227020800,
                 F14 = 1.0 / 87178291200;

// sin r / r and cos r for |r| <= pi/4 as one polynomial in r^2 with the coefficients of either
// (Taylor series to r^15 and r^14: the next terms are below 2^-53 and 2^-49 of the result),
// evaluated in pairs of terms so that the steps overlap.
alignas(64) constexpr double kSinCosSeries[2][8] = {
    {1.0, -F3, F5, -F7, F9, -F11, F13, -1.0 / 1307674368000},
    {1.0, -F2, F4, -F6, F8, -F10, F12, -F14}};

template <bool Cosine> float SineOrCosine(float xf) {
  const double x = static_cast<double>(xf);
  if (std::fabs(x) <= 65536.0) {
    // x = k pi/2 + r, pi/2 in three parts: k times each of the first two is exact for these k.
    const double k = (x * 0x1.45f306dc9c883p-1 + kRoundToInteger) - kRoundToInteger;
    const double r =
        ((x - k * 0x1.921fb54400000p+0) - k * 0x1.0b4611a600000p-34) - k * 0x1.3198a2e037073p-69;
    const uint64_t q = static_cast<uint64_t>(static_cast<int64_t>(k)) + (Cosine ? 1u : 0u);
    // The cosine of r in odd quadrants, else the sine, negated in the second half of the turn;
    // chosen by table, not by a branch, as the quadrant of fresh arguments is not foreseeable.
    const size_t odd = q & 1u;
    const double* c = kSinCosSeries[odd];
    const double r2 = r * r, r4 = r2 * r2, r8 = r4 * r4;
    const double series = ((c[0] + c[1] * r2) + r4 * (c[2] + c[3] * r2)) +
                          r8 * ((c[4] + c[5] * r2) + r4 * (c[6] + c[7] * r2));
    const double factor[2] = {r, 1.0};
    double p = series * factor[odd];
    uint64_t bits;
    std::memcpy(&bits, &p, sizeof bits);
    bits ^= (q & 2u) << 62;
    std::memcpy(&p, &bits, sizeof p);
    // One branch, taken almost always: the quadrant of fresh arguments would mispredict a branch
    // of its own.
    const bool tinySine = (odd == 0) & (std::fabs(r) < 0x1p-14);
    if (!tinySine & RoundsSurely(p)) return static_cast<float>(p);
  }
  return static_cast<float>(Cosine ? std::cos(x) : std::sin(x));
}

// e^x of a single, rounded to single: the library's double result, which a table-driven
// routine gives faster than any series written here.
inline float ExpOfSingle(float x) { return static_cast<float>(std::exp(static_cast<double>(x))); }

// Sine, cosine and e^x, through the memo when Remember is set. Only runs along a row or column of a
// grid (EvaluateAlong) remember: there the arguments repeat along the rows and across them, and the
// 200 x 200 surface sin(x)*cos(y) sampled in 0.59 ms on one thread with the memo and 1.68 ms
// without. A formula evaluated point by point (a 2D curve, sampled once, its parameter never
// repeating) computes each value: a lookup that never hits would only cost time there.
template <bool Remember> inline float SinOf(float x) {
  if constexpr (Remember) return Remembered(FnSin, x, SineOrCosine<false>);
  return SineOrCosine<false>(x);
}
template <bool Remember> inline float CosOf(float x) {
  if constexpr (Remember) return Remembered(FnCos, x, SineOrCosine<true>);
  return SineOrCosine<true>(x);
}
template <bool Remember> inline float ExpOf(float x) {
  if constexpr (Remember) return Remembered(FnExp, x, ExpOfSingle);
  return ExpOfSingle(x);
}

// ApplyFunction, through the memo when Remember is set, for the functions of one argument alone
// (not RND); a fault is not remembered. The memo's value for a fault is never read: faults are
// computed each time.
template <bool Remember> inline EvalFault ApplyRemembered(int fn, float x, float& r) {
  if (!Remember || fn == FnRnd || fn == FnAbs || fn == FnInt) return ApplyFunction(fn, x, r);
  FunctionMemo& m = t_memo;
  const uint64_t key = MemoKey(static_cast<unsigned>(fn), x);
  const size_t slot = MemoSlot(key);
  if (m.key[slot] == key) {
    r = m.value[slot];
    return EvalFault::None;
  }
  const EvalFault fault = ApplyFunction(fn, x, r);
  if (fault == EvalFault::None) {
    m.key[slot] = key;
    m.value[slot] = r;
  }
  return fault;
}

// The random sequence: a counter run through the SplitMix64 mixer, 24 bits per number.
std::atomic<uint64_t> g_randomCounter{0};

constexpr uint32_t kLocalStack = 64;

} // namespace

float NextRandomSingle() {
  uint64_t z =
      (g_randomCounter.fetch_add(1, std::memory_order_relaxed) + 1) * 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<float>(z >> 40) * (1.0f / 16777216.0f);
}

const char* EvalFaultMessage(EvalFault fault) {
  switch (fault) {
  case EvalFault::DivisionByZero:
    return "Devision by zero.";
  case EvalFault::NegativeBase:
    return "A^B, B must be a integer if A is negative.";
  case EvalFault::LogDomain:
    return "The parameter of function LOG must be larger than 0.";
  case EvalFault::SqrDomain:
    return "The parameter of function SQR must be larger than or equal to 0.";
  case EvalFault::Illegal:
    return "The expression is illegal.";
  case EvalFault::Overflow:
    return "Overflow: the value is too large.";
  default:
    return "";
  }
}

CompiledFormula::CompiledFormula(std::string_view postfixText, bool inDegrees) {
  Compile(postfixText, inDegrees, false);
}

CompiledFormula::CompiledFormula(std::string_view postfixText, bool inDegrees, Lenient) {
  Compile(postfixText, inDegrees, true);
}

void CompiledFormula::Compile(std::string_view text, bool inDegrees, bool lenient) {
  CompileTokens(text, inDegrees, lenient);
  if (!code_.empty()) {
    Instr in{};
    in.op = kEnd;
    code_.push_back(in);
  }
}

void CompiledFormula::CompileTokens(std::string_view text, bool inDegrees, bool lenient) {
  // What the compiler knows of each value on the stack: a constant (pushed by the last
  // instruction of the program so far, when it is the top) or a plain variable.
  struct Entry {
    bool constant;
    float value;
    size_t at; // for a constant: the place of the instruction that pushes it
  };
  std::vector<Entry> stack;
  code_.clear();
  badTokens_.clear();
  pool_.clear();
  maxDepth_ = 0;

  auto emit = [&](uint8_t op, uint8_t arg = 0, float k = 0.0f) {
    Instr in{};
    in.op = op;
    in.arg = arg;
    in.k = k;
    code_.push_back(in);
  };
  auto pushEntry = [&](bool constant, float value) {
    stack.push_back({constant, value, code_.size() - 1});
    if (stack.size() > maxDepth_) maxDepth_ = static_cast<uint32_t>(stack.size());
  };
  auto trap = [&](uint8_t op, std::string_view token) {
    if (!lenient) {
      if (op == kTrapBad)
        throw FormulaError(ErrBadToken, "Bad token in Evaluate: " + std::string(token));
      throw FormulaError(ErrPopEmpty, "Pop method invoked on empty stack");
    }
    Instr in{};
    in.op = op;
    in.index = static_cast<uint32_t>(badTokens_.size());
    badTokens_.emplace_back(token);
    code_.push_back(in);
  };
  auto lastIs = [&](uint8_t op) { return !code_.empty() && code_.back().op == op; };
  // top = top + k, fused with a variable pushed just before (a - k is a + -k, bit for bit).
  auto emitAddK = [&](float k) {
    if (lastIs(kVar) && code_.back().arg < 9) {
      code_.back().op = kVarAddK;
      code_.back().k = k;
    } else {
      emit(kAddK, 0, k);
    }
  };

  size_t start = 0;
  while (true) {
    const size_t blank = text.find(' ', start);
    if (blank == std::string_view::npos) break; // a piece after the last blank is not read
    const std::string_view token = text.substr(start, blank - start);
    start = blank + 1;
    const char c0 = token.empty() ? '\0' : token[0];

    if ((c0 >= '0' && c0 <= '9') || c0 == '.' || c0 == ',') {
      std::string number(token);
      for (char& ch : number)
        if (ch == ',') ch = '.';
      float value;
      if (!ToSingle(NumberText::LeadingValue(number), value)) {
        // Beyond single precision: the overflow fault when the number is used.
        Instr in{};
        in.op = kTrapOverflow;
        code_.push_back(in);
        return;
      }
      emit(kConst, 0, value);
      pushEntry(true, value);
      continue;
    }

    if (token.size() == 1 && std::string_view("+-*/^").find(c0) != std::string_view::npos) {
      if (stack.size() < 2) {
        trap(kTrapUnderflow, token);
        return;
      }
      const uint8_t op = c0 == '+'   ? kAdd
                         : c0 == '-' ? kSub
                         : c0 == '*' ? kMul
                         : c0 == '/' ? kDiv
                                     : kPow;
      const Entry b = stack.back();
      stack.pop_back();
      const Entry a = stack.back();
      stack.pop_back();
      float r;
      if (a.constant && b.constant && Binary(op, a.value, b.value, r) == EvalFault::None) {
        code_.resize(code_.size() - 2);
        emit(kConst, 0, r);
        pushEntry(true, r);
        continue;
      }
      if (b.constant && lastIs(kConst)) {
        const float k = b.value;
        code_.pop_back();
        switch (op) {
        case kAdd:
          emitAddK(k);
          break;
        case kSub:
          emitAddK(-k);
          break;
        case kMul:
          emit(kMulK, 0, k);
          break;
        case kDiv:
          emit(kDivK, 0, k);
          break;
        default:
          if (std::fabs(k) < 0.000001f)
            emit(kPowOne);
          else if (k == 2.0f && lastIs(kVar) && code_.back().arg < 9)
            code_.back().op = kVarSquare;
          else if (k == 2.0f)
            emit(kSquare);
          else if (k == 1.0f) // a ^ 1 is a itself
            ;
          else if (const int n = ProductExponent(k)) {
            if (lastIs(kVar) && code_.back().arg < 9)
              code_.back().op = kVarPowWhole;
            else
              emit(kPowWhole);
            code_.back().spare = static_cast<uint16_t>(static_cast<int16_t>(n));
          } else
            emit(kPowK, 0, k);
          break;
        }
      } else if (a.constant && op != kPow) {
        // A constant left operand: the instructions of the right one follow its push. They run
        // first and the constant is taken by the operation itself (a + b is b + a, a * b is
        // b * a, bit for bit), which saves a push, a pop and an instruction.
        const float k = a.value;
        code_.erase(code_.begin() + static_cast<std::ptrdiff_t>(a.at));
        switch (op) {
        case kAdd:
          emit(kAddK, 0, k);
          break;
        case kSub:
          emit(kRSubK, 0, k);
          break;
        case kMul:
          emit(kMulK, 0, k);
          break;
        default:
          // k / (v + c), the variable's sum alone being the right operand: one instruction.
          if (lastIs(kVarAddK) && pool_.size() <= UINT16_MAX) {
            code_.back().op = kVarAddKRDivK;
            code_.back().spare = static_cast<uint16_t>(pool_.size());
            pool_.push_back(k);
          } else {
            emit(kRDivK, 0, k);
          }
          break;
        }
      } else if ((op == kAdd || op == kSub) && lastIs(kVarSquare)) {
        code_.back().op = op == kAdd ? kAddVarSquare : kSubVarSquare;
      } else if ((op == kAdd || op == kSub) && lastIs(kVarAddKRDivK)) {
        code_.back().op = op == kAdd ? kAddRational : kSubRational;
      } else if (lastIs(kVar) && code_.back().arg < 9 && op != kPow) {
        const uint8_t var = code_.back().arg;
        code_.pop_back();
        emit(op == kAdd ? kAddV : op == kSub ? kSubV : op == kMul ? kMulV : kDivV, var);
      } else {
        emit(op);
      }
      pushEntry(false, 0.0f);
      continue;
    }

    if (token == "(-)") {
      if (stack.empty()) {
        trap(kTrapUnderflow, token);
        return;
      }
      Entry& a = stack.back();
      if (a.constant) {
        code_.back().k = -code_.back().k;
        a.value = -a.value;
      } else {
        emit(kNeg);
      }
      continue;
    }

    const int fn = FindFunction(token);
    if (fn >= 0) {
      if (stack.empty()) {
        trap(kTrapUnderflow, token);
        return;
      }
      Entry& a = stack.back();
      const bool degrees = inDegrees && TakesDegrees(fn);
      float r;
      if (a.constant && fn != FnRnd &&
          ApplyFunction(fn, degrees ? FromDegrees(a.value) : a.value, r) == EvalFault::None) {
        code_.back().k = r;
        a.value = r;
        continue;
      }
      if (degrees) emit(kDeg);
      const bool ofVariable = !degrees && lastIs(kVar) && code_.back().arg < 9;
      switch (fn) {
      case FnSin:
        if (ofVariable)
          code_.back().op = kVarSin;
        else
          emit(kSin);
        break;
      case FnCos:
        if (ofVariable)
          code_.back().op = kVarCos;
        else
          emit(kCos);
        break;
      case FnExp:
        emit(kExp);
        break;
      case FnSqr:
        emit(kSqr);
        break;
      default:
        emit(kFn, static_cast<uint8_t>(fn));
        if (fn == FnRnd) usesRandom_ = true;
        break;
      }
      a.constant = false;
      continue;
    }

    if (token.size() == 2 && token[0] == token[1]) {
      const size_t var = VariableLetters.find(c0);
      if (var != std::string_view::npos) {
        emit(kVar, static_cast<uint8_t>(var));
        pushEntry(false, 0.0f);
        continue;
      }
    }

    trap(kTrapBad, token);
    return;
  }
}

namespace {

constexpr float FormulaVars::*kSlots[9] = {&FormulaVars::U, &FormulaVars::V, &FormulaVars::X,
                                           &FormulaVars::Y, &FormulaVars::Z, &FormulaVars::A,
                                           &FormulaVars::R, &FormulaVars::B, &FormulaVars::T};

inline float Slot(const FormulaVars& v, uint8_t i) {
  return i < 9 ? v.*kSlots[i] : static_cast<float>(v.N);
}

} // namespace

// The interpreter. Exact = true stops at the first fault and tells which one it was, as a
// token-by-token evaluation does. Exact = false only needs to know whether there is a value: an
// overflow (an infinite or not-a-number single) is then not tested where it arises but carried on,
// since + - * ^2, negation, sin, cos and sqr keep it non-finite, and it is caught where an
// operation could turn it into an ordinary number (a divisor, a power, the other functions) or at
// the end. Both give UndefinedValue exactly where the other does, and equal values elsewhere.
// Many = true runs the program once for each of the n values of one variable (and of a second
// one where values2 is given), writing each result where the single run would return it.
template <bool Exact, bool Many>
float CompiledFormula::Execute(const FormulaVars& vars, EvalOutcome* out, int slot,
                               const float* values, float* results, size_t n, int slot2,
                               const float* values2) const {
  if (code_.empty()) {
    if (Exact) out->fault = EvalFault::NoValue;
    if (Many)
      for (size_t i = 0; i < n; ++i)
        results[i] = UndefinedValue;
    return UndefinedValue;
  }
  // A run of many changes one variable of its own copy; a single run reads the caller's.
  FormulaVars own;
  if (Many) own = vars;
  const FormulaVars& v = Many ? own : vars;
  size_t point = 0;
  float local[kLocalStack];
  float* base = local;
  if (maxDepth_ > kLocalStack) {
    thread_local std::vector<float> scratch;
    if (scratch.size() < maxDepth_) scratch.resize(maxDepth_);
    base = scratch.data();
  }
  // The top of the stack lives in `top`; the values below it in base[0] .. *sp.
  float* sp = base - 1;
  float top = 0.0f;
  EvalFault fault = EvalFault::None;
  float r;
  const Instr* ip = code_.data();
  if (Many) {
    if (n == 0) return UndefinedValue;
    own.*kSlots[slot] = values[0];
    if (values2) own.*kSlots[slot2] = values2[0];
  }

  static const void* const kTargets[kOpCount] = {
      &&L_kConst,        &&L_kVar,          &&L_kAdd,         &&L_kSub,         &&L_kMul,
      &&L_kDiv,          &&L_kPow,          &&L_kNeg,         &&L_kFn,          &&L_kDeg,
      &&L_kAddK,         &&L_kSubK,         &&L_kMulK,        &&L_kDivK,        &&L_kPowK,
      &&L_kSquare,       &&L_kPowOne,       &&L_kPowWhole,    &&L_kVarPowWhole, &&L_kAddV,
      &&L_kSubV,         &&L_kMulV,         &&L_kDivV,        &&L_kVarSquare,   &&L_kSin,
      &&L_kCos,          &&L_kExp,          &&L_kSqr,         &&L_kVarSin,      &&L_kVarCos,
      &&L_kAddVarSquare, &&L_kSubVarSquare, &&L_kVarAddK,     &&L_kRSubK,       &&L_kRDivK,
      &&L_kVarAddKRDivK, &&L_kAddRational,  &&L_kSubRational, &&L_kTrapBad,     &&L_kTrapUnderflow,
      &&L_kTrapOverflow, &&L_kEnd};

#define NEXT goto* kTargets[(++ip)->op]
// The next point of a run of many: the result stored, the program started afresh.
#define NEXT_POINT(value)                                                                          \
  results[point] = (value);                                                                        \
  if (++point == n) return UndefinedValue;                                                         \
  own.*kSlots[slot] = values[point];                                                               \
  if (values2) own.*kSlots[slot2] = values2[point];                                                \
  sp = base - 1;                                                                                   \
  top = 0.0f;                                                                                      \
  ip = code_.data();                                                                               \
  goto* kTargets[ip->op]
// An operation that keeps a non-finite operand non-finite.
#define CARRY(expr)                                                                                \
  r = (expr);                                                                                      \
  if (Exact && !Finite(r)) goto overflow;                                                          \
  top = r;                                                                                         \
  NEXT
#define FAULTING(call)                                                                             \
  if ((fault = (call)) != EvalFault::None) goto failed;                                            \
  top = r;                                                                                         \
  NEXT
// Where a non-finite operand could become an ordinary number, the fast form tests it first.
#define GUARD(x)                                                                                   \
  if (!Exact && !Finite(x)) goto overflow
// A quotient: the fast form tests the divisor only (one comparison: at least 0.000001 in size and
// finite) and carries an overflow of the quotient on.
#define QUOTIENT(a, b)                                                                             \
  if (Exact) {                                                                                     \
    FAULTING(Divide(a, b, r));                                                                     \
  }                                                                                                \
  if (!DivisorOk(b)) {                                                                             \
    fault = EvalFault::DivisionByZero;                                                             \
    goto failed;                                                                                   \
  }                                                                                                \
  top = (a) / (b);                                                                                 \
  NEXT
// r = pool[spare] / (variable arg + k), with the faults of the variable, the sum and the quotient
// in the order the unfused instructions meet them.
#define RATIONAL_TERM()                                                                            \
  r = v.*kSlots[ip->arg];                                                                          \
  VARIABLE(r);                                                                                     \
  r += ip->k;                                                                                      \
  if (Exact) {                                                                                     \
    if (!Finite(r)) goto overflow;                                                                 \
    if ((fault = Divide(pool_[ip->spare], r, r)) != EvalFault::None) goto failed;                  \
  } else {                                                                                         \
    if (!DivisorOk(r)) {                                                                           \
      fault = EvalFault::DivisionByZero;                                                           \
      goto failed;                                                                                 \
    }                                                                                              \
    r = pool_[ip->spare] / r;                                                                      \
  }
// A variable that is not a finite number is an overflow where it is used (the fast form lets it
// run into a guard or the end).
#define VARIABLE(x)                                                                                \
  if (Exact && !Finite(x)) goto overflow

  goto* kTargets[ip->op];

L_kConst:
  *++sp = top;
  top = ip->k;
  NEXT;
L_kVar:
  *++sp = top;
  top = Slot(v, ip->arg);
  VARIABLE(top);
  NEXT;
L_kVarSquare:
  *++sp = top;
  r = v.*kSlots[ip->arg];
  VARIABLE(r);
  CARRY(SquareOf(r));
L_kAdd:
  CARRY(*sp-- + top);
L_kSub:
  CARRY(*sp-- - top);
L_kMul:
  CARRY(*sp-- * top);
L_kDiv:
  r = *sp--;
  QUOTIENT(r, top);
L_kPow:
  GUARD(top);
  GUARD(*sp);
  FAULTING(Power(*sp--, top, r));
L_kNeg:
  top = -top;
  NEXT;
L_kFn:
  GUARD(top);
  FAULTING(ApplyRemembered<Many>(ip->arg, top, r));
L_kSin:
  CARRY(SinOf<Many>(top));
L_kVarSin:
  *++sp = top;
  r = v.*kSlots[ip->arg];
  VARIABLE(r);
  CARRY(SinOf<Many>(r));
L_kVarCos:
  *++sp = top;
  r = v.*kSlots[ip->arg];
  VARIABLE(r);
  CARRY(CosOf<Many>(r));
L_kCos:
  CARRY(CosOf<Many>(top));
L_kExp:
  GUARD(top);
  CARRY(ExpOf<Many>(top));
L_kAddVarSquare:
  r = v.*kSlots[ip->arg];
  VARIABLE(r);
  r = SquareOf(r);
  if (Exact && !Finite(r)) goto overflow;
  CARRY(top + r);
L_kSubVarSquare:
  r = v.*kSlots[ip->arg];
  VARIABLE(r);
  r = SquareOf(r);
  if (Exact && !Finite(r)) goto overflow;
  CARRY(top - r);
L_kSqr:
  if (top < 0.0f) {
    fault = EvalFault::SqrDomain;
    goto failed;
  }
  top = static_cast<float>(std::sqrt(static_cast<double>(top)));
  NEXT;
L_kDeg:
  top = FromDegrees(top);
  NEXT;
L_kAddK:
  CARRY(top + ip->k);
L_kSubK:
  CARRY(top - ip->k);
L_kMulK:
  CARRY(top * ip->k);
L_kDivK:
  QUOTIENT(top, ip->k);
L_kRDivK:
  QUOTIENT(ip->k, top);
L_kRSubK:
  CARRY(ip->k - top);
L_kVarAddK:
  *++sp = top;
  r = v.*kSlots[ip->arg];
  VARIABLE(r);
  CARRY(r + ip->k);
L_kVarAddKRDivK:
  *++sp = top;
  RATIONAL_TERM();
  top = r;
  NEXT;
L_kAddRational:
L_kSubRational:
  // The term taken with the value below it (a + b is b + a bit for bit; a - b is the top minus
  // the term).
  RATIONAL_TERM();
  CARRY(ip->op == kAddRational ? top + r : top - r);
L_kPowK:
  GUARD(top);
  FAULTING(Power(top, ip->k, r));
L_kSquare:
  CARRY(SquareOf(top));
L_kPowOne:
  GUARD(top);
  top = 1.0f;
  NEXT;
L_kVarPowWhole:
  // The variable pushed, then the power of it as below.
  *++sp = top;
  top = v.*kSlots[ip->arg];
  VARIABLE(top);
L_kPowWhole:
  // A negative exponent turns an infinite operand into 0 and takes 0 to the division fault.
  if (static_cast<int16_t>(ip->spare) < 0) {
    GUARD(top);
    if (top == 0.0f) {
      fault = EvalFault::DivisionByZero;
      goto failed;
    }
  }
  CARRY(PowerByProducts(top, static_cast<int16_t>(ip->spare)));
L_kAddV:
  r = v.*kSlots[ip->arg];
  VARIABLE(r);
  CARRY(top + r);
L_kSubV:
  r = v.*kSlots[ip->arg];
  VARIABLE(r);
  CARRY(top - r);
L_kMulV:
  r = v.*kSlots[ip->arg];
  VARIABLE(r);
  CARRY(top * r);
L_kDivV:
  r = v.*kSlots[ip->arg];
  VARIABLE(r);
  QUOTIENT(top, r);
L_kTrapBad:
  if (Exact) {
    out->fault = EvalFault::BadToken;
    out->token = ip->index;
  }
  if (Many) {
    NEXT_POINT(UndefinedValue);
  }
  return UndefinedValue;
L_kTrapUnderflow:
  fault = EvalFault::StackUnderflow;
  goto failed;
L_kTrapOverflow:
  goto overflow;
L_kEnd:
  // Values below the top are left alone; a text from the parser leaves exactly one.
  if (!Finite(top)) goto overflow;
  if (Exact) out->value = top;
  if (Many) {
    NEXT_POINT(top);
  }
  return top;

#undef NEXT
#undef CARRY
#undef FAULTING
#undef GUARD
#undef QUOTIENT
#undef VARIABLE
#undef RATIONAL_TERM

overflow:
  fault = EvalFault::Overflow;
failed:
  if (Exact) {
    out->fault = fault;
    out->value = UndefinedValue;
  }
  if (Many) {
    NEXT_POINT(UndefinedValue);
  }
  return UndefinedValue;
#undef NEXT_POINT
}

EvalOutcome CompiledFormula::Run(const FormulaVars& vars) const {
  EvalOutcome out;
  Execute<true, false>(vars, &out);
  return out;
}

// The point-by-point forms take the evaluator, sine and cosine in whole: a 2D curve calls them once
// per sample, and the calls between them cost as much as a short formula's work.
__attribute__((flatten)) float CompiledFormula::Evaluate(const FormulaVars& vars) const {
  return Execute<false, false>(vars, nullptr);
}

__attribute__((flatten)) bool CompiledFormula::Evaluate(const FormulaVars& vars,
                                                        float& result) const {
  if (code_.empty()) return false;
  result = Execute<false, false>(vars, nullptr);
  return true;
}

int64_t CompiledFormula::Work() const {
  int64_t work = 2; // the run's start and end
  for (const Instr& in : code_)
    switch (in.op) {
    case kFn:
    case kPow:
    case kPowK:
      work += 20;
      break;
    case kSin:
    case kCos:
    case kExp:
    case kVarSin:
    case kVarCos:
      work += 5; // often from the recent values a run along a grid keeps
      break;
    case kPowWhole:
    case kVarPowWhole:
      work += 2;
      break;
    case kEnd:
      break;
    default:
      work += 1;
    }
  return work;
}

void CompiledFormula::EvaluateAlong(FormulaVars vars, FormulaSlot slot, const float* values,
                                    float* results, size_t n) const {
  Execute<false, true>(vars, nullptr, slot, values, results, n);
}

void CompiledFormula::EvaluateAlong(FormulaVars vars, FormulaSlot slot, const float* values,
                                    FormulaSlot slot2, const float* values2, float* results,
                                    size_t n) const {
  Execute<false, true>(vars, nullptr, slot, values, results, n, slot2, values2);
}
