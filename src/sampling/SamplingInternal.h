#pragma once
// Pieces shared by the sampling code and its tests: a compiled formula as sampling evaluates it,
// the sample arithmetic of the single-precision model, and a parallel loop whose results do not
// depend on how many threads run it.

#include "formula/CompiledFormula.h"
#include "formula/FormulaGlobals.h"
#include "model/GraphPoint.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

class FormulaParser;

namespace sampling {

// A finite value stays; infinity and NaN become UndefinedValue.
inline float Finite(float v) { return std::isfinite(v) ? v : UndefinedValue; }
inline float Finite(double v) { return Finite(static_cast<float>(v)); }

// One formula of a graph compiled for one call of GetPoints. Evaluate follows
// FormulaParser::DoEvaluate: false only when the formula leaves no value, or (while
// ShowEvaluationErrors is on) after the domain-fault message box. A value that overflowed or is not
// finite comes back as UndefinedValue.
class SampledFormula {
public:
  SampledFormula() = default;
  // postfix: the text FormulaParser::InfixToPostfix wrote. reporter: the evaluator of the call,
  // used only while ShowEvaluationErrors is on so that its message boxes are the engine's own.
  SampledFormula(std::string postfix, FormulaParser* reporter, bool reportErrors);

  bool Evaluate(const FormulaVars& vars, float& result) const {
    if (reportErrors_) return EvaluateReporting(vars, result);
    if (code_.Empty()) return false;
    result = Finite(code_.Evaluate(vars));
    return true;
  }

  // Evaluate at n points that differ in slot only (values[i] in point i), in the order of the
  // points. False, with nothing written, where the points must go one by one through Evaluate:
  // when the formula leaves no value or reports its faults.
  bool EvaluateAlong(const FormulaVars& vars, FormulaSlot slot, const float* values, float* results,
                     size_t n) const {
    if (reportErrors_ || code_.Empty()) return false;
    code_.EvaluateAlong(vars, slot, values, results, n);
    return true;
  }

  const std::string& Postfix() const { return postfix_; }
  // About how long one evaluation takes (CompiledFormula::Work).
  int64_t Work() const { return code_.Work(); }
  bool Empty() const { return code_.Empty(); }
  // True when the formula draws numbers from the program's random sequence (RND), whose order
  // must not change: such a formula is sampled on one thread.
  bool UsesRandom() const { return usesRandom_; }

private:
  bool EvaluateReporting(const FormulaVars& vars, float& result) const;

  std::string postfix_;
  CompiledFormula code_;
  FormulaParser* reporter_ = nullptr;
  bool reportErrors_ = false;
  bool usesRandom_ = false;
};

// Sample i of a domain: Min + i * step in double precision, stored as a single.
inline float SampleAt(float minValue, int32_t i, float step) {
  return Finite(static_cast<double>(minValue) + static_cast<double>(i) * static_cast<double>(step));
}

// Step of a domain: (Max - Min) / count in single precision. A step that overflows stays
// infinite, so that the samples of such a domain become UndefinedValue in SampleAt.
inline float StepOf(float minValue, float maxValue, int32_t count) {
  return (maxValue - minValue) / static_cast<float>(count);
}

// All three coordinates undefined: a point built from a value that does not exist.
inline void MakeUndefined(GraphPoint& p) { p.x = p.y = p.z = UndefinedValue; }
inline bool IsUndefined(float v) { return v == UndefinedValue; }

// Number of threads a parallel loop may use: ProgramState's SamplingThreads, or every core when 0.
int ParallelThreadCount();

// Runs body(chunk, begin, end) for chunks = 0 .. chunks - 1, chunk c covering the indices
// count * c / chunks .. count * (c + 1) / chunks - 1, and waits for all. The caller's thread and
// up to chunks - 1 threads of a pool kept for the program's life take the chunks one by one, so
// which thread runs a chunk is not fixed (a chunk runs whole on one thread). A body that writes
// only the elements of its indices, and keeps per-chunk partial results that the caller combines in
// chunk order, gives the same results with any number of chunks. The first exception of a body is
// rethrown here.
void ParallelFor(int64_t count, int chunks,
                 const std::function<void(int chunk, int64_t begin, int64_t end)>& body);

// Work is counted in about nanoseconds of a core (CompiledFormula::Work; a marching-cubes cell is
// MarchingCubes' own count). A loop is split only when its work is at least MinWorkToSplit: on a
// machine busy with other work, a thread of the pool may wait milliseconds for a core, and
// less work than this was measured slower on every core than on one (surfaces of 150 x 150
// points, grids of 40^3 to 60^3). A split loop is cut into chunks of about MinWorkPerChunk, more
// chunks than threads: the threads take them one by one, so a thread the machine runs late holds
// up the loop by one small chunk at most.
constexpr int64_t MinWorkToSplit = 2'000'000;
constexpr int64_t MinWorkPerChunk = 100'000;

// How many chunks a loop of count indices of about workPerIndex work each should use: one when
// threads is 1 or the work is below MinWorkToSplit, else about one per MinWorkPerChunk, at least
// threads, at most eight per thread and at most count. ParallelFor runs them on at most as many
// threads as ParallelThreadCount gives.
int ChunksFor(int64_t count, int64_t workPerIndex, int threads);

} // namespace sampling
