#pragma once
// A formula compiled once from its postfix text (what FormulaParser::InfixToPostfix writes) into a
// flat program of small instructions over a value stack. Running it gives exactly the values of
// FormulaParser::DoEvaluate, bit for bit, without scanning text or allocating. Run and Evaluate are
// const and touch no shared state except the RND sequence, so one CompiledFormula may be evaluated
// from several threads at once.
//
// Typical use by sampling:
//   std::string postfix;
//   if (FormulaParser().InfixToPostfix(InsertImplicitProducts(text), postfix) != 0) return false;
//   CompiledFormula f(postfix);                 // radians
//   FormulaVars v; v.X = x; float value = f.Evaluate(v);   // UndefinedValue where undefined

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formula/FormulaGlobals.h"

// The ten variables of a formula: U, V, X, Y, Z, A, R, B, T (single precision) and N (integer).
struct FormulaVars {
  float U = 0.0f, V = 0.0f, X = 0.0f, Y = 0.0f, Z = 0.0f, A = 0.0f, R = 0.0f, B = 0.0f, T = 0.0f;
  int32_t N = 0;
};

// The single-precision variables by their place in FormulaVars (for EvaluateAlong).
enum FormulaSlot : int { SlotU, SlotV, SlotX, SlotY, SlotZ, SlotA, SlotR, SlotB, SlotT };

// Why an evaluation gave no ordinary value.
enum class EvalFault : uint8_t {
  None,           // a value
  NoValue,        // the formula leaves no value (an empty formula)
  DivisionByZero, // "Devision by zero." ("/", SEC, CSEC, CTAN, 0 to a negative power)
  NegativeBase,   // "A^B, B must be a integer if A is negative."
  LogDomain,      // "The parameter of function LOG must be larger than 0."
  SqrDomain,      // "The parameter of function SQR must be larger than or equal to 0."
  Illegal,        // "The expression is illegal." (ASIN, ACOS, ASEC, ACSEC)
  Hyperbolic,     // a hyperbolic function undefined here: never reported
  Overflow,       // a value beyond single precision (exp(100), 1E30*1E30)
  BadToken,       // a token the evaluator does not know (only from hand-made texts)
  StackUnderflow, // an operator without enough operands (only from hand-made texts)
};

// The message a reported fault shows (empty for faults that are never reported).
const char* EvalFaultMessage(EvalFault fault);

struct EvalOutcome {
  float value = UndefinedValue; // the value when fault is None, else UndefinedValue
  EvalFault fault = EvalFault::None;
  uint32_t token = 0; // for BadToken: index of the offending token in the text
};

class CompiledFormula {
public:
  // The empty formula: it leaves no value.
  CompiledFormula() = default;
  // Compiles a postfix text. inDegrees makes SIN, COS, TAN, SEC, CSEC and CTAN take degrees.
  // Throws FormulaError (1002 bad token, 1011 too few operands) for a text the parser never writes.
  explicit CompiledFormula(std::string_view postfixText, bool inDegrees = false);

  // True when the formula leaves no value.
  bool Empty() const { return code_.empty(); }

  // The value, or UndefinedValue where the formula has none (domain fault, overflow, no value).
  float Evaluate(const FormulaVars& vars) const;
  // Like DoEvaluate with ShowEvaluationErrors off: false only when the formula leaves no value.
  bool Evaluate(const FormulaVars& vars, float& result) const;
  // The value together with the reason when there is none.
  EvalOutcome Run(const FormulaVars& vars) const;
  // Evaluate at n points that differ in one variable only: slot takes values[i] in point i, the
  // others those of vars; results[i] = Evaluate(point i). One run of the program per point without
  // a call or a set-up between points.
  void EvaluateAlong(FormulaVars vars, FormulaSlot slot, const float* values, float* results,
                     size_t n) const;
  // The same at n points that differ in two variables: point i takes values[i] in slot and
  // values2[i] in slot2 (points scattered over a plane, no two alike).
  void EvaluateAlong(FormulaVars vars, FormulaSlot slot, const float* values, FormulaSlot slot2,
                     const float* values2, float* results, size_t n) const;

  // Whether it draws numbers of the RND sequence: its values then depend on the order of its runs.
  bool UsesRandom() const { return usesRandom_; }

  // Size of the compiled program (for tests and benchmarks).
  size_t InstructionCount() const { return code_.size(); }
  // About how long one evaluation takes, in nanoseconds of a core at work (measured here): a
  // little for the run itself and each plain instruction, more for each function and power.
  // For deciding how to share out work, not for correctness.
  int64_t Work() const;

private:
  // One instruction: an operation, a small argument (variable or function) and a constant.
  struct Instr {
    uint8_t op;
    uint8_t arg;
    uint16_t spare;
    union {
      float k;
      uint32_t index;
    };
  };

  friend class FormulaParser;
  struct Lenient {};
  // Compiles any text: bad tokens and missing operands become traps that fault when reached,
  // so the order of faults is that of a token-by-token evaluation.
  CompiledFormula(std::string_view postfixText, bool inDegrees, Lenient);
  void Compile(std::string_view postfixText, bool inDegrees, bool lenient);
  void CompileTokens(std::string_view postfixText, bool inDegrees, bool lenient);
  // Exact: stop at the first fault and tell which (Run). Many: run once per value of the slot.
  template <bool Exact, bool Many>
  float Execute(const FormulaVars& vars, EvalOutcome* out, int slot = 0,
                const float* values = nullptr, float* results = nullptr, size_t n = 0,
                int slot2 = 0, const float* values2 = nullptr) const;

  std::vector<Instr> code_;
  std::vector<std::string> badTokens_;
  std::vector<float> pool_; // the second constants of fused instructions
  uint32_t maxDepth_ = 0;
  bool usesRandom_ = false;
};

// The next number of the program's pseudo-random sequence, from 0 up to but not including 1.
// Starts from the same seed at every start; never reseeded.
float NextRandomSingle();
