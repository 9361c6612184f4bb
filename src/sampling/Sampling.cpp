// The shared pieces of graph sampling: the view-window test, the mirrored formula of the 2D
// analysis, the size check of the step counts and the compiled formula of one sampling call.

#include "sampling/Sampling.h"
#include "sampling/MemoryLimits.h"
#include "sampling/SamplingInternal.h"

#include "formula/FormulaParser.h"
#include "model/Graph.h"
#include "model/GraphArrays.h"
#include "model/ProgramState.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>

// ---------------------------------------------------------------------------------------------
// View window

namespace {

void JudgeCoordinate(float& c, float lo, float hi) {
  if (!(lo <= c && c <= hi)) c = UndefinedValue;
}

} // namespace

void MarkOutsideView(GraphPoint& p, ViewPairing pairing) {
  if (pairing == ViewPairingDirect) {
    JudgeCoordinate(p.x, ViewMinX, ViewMaxX);
    JudgeCoordinate(p.y, ViewMinY, ViewMaxY);
    JudgeCoordinate(p.z, ViewMinZ, ViewMaxZ);
  } else {
    JudgeCoordinate(p.x, ViewMinY, ViewMaxY);
    JudgeCoordinate(p.y, ViewMinZ, ViewMaxZ);
    JudgeCoordinate(p.z, ViewMinX, ViewMaxX);
  }
}

// ---------------------------------------------------------------------------------------------
// Mirrored formula

bool IsLetter(std::string_view c) {
  if (c.size() != 1) return false;
  const char ch = c[0];
  return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

std::string MirrorVariable(const Graph& graph, const std::string& text) {
  char v = 0;
  if (graph.CoordType == Cartesian2D && graph.FunForm == Explicit)
    v = 'x';
  else if (graph.CoordType == Cartesian2D && graph.FunForm == Parametric)
    v = 'u';
  else if (graph.CoordType == Polar && graph.FunForm == Explicit)
    v = 'a';
  else if (graph.CoordType == Polar && graph.FunForm == Parametric)
    v = 'u';
  else
    return std::string();

  const std::string variable(1, v);
  if (text.size() < 2) return text == variable ? "-" + variable : text;

  std::string out;
  out.reserve(text.size() + 8);
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = text[i];
    bool negate = false;
    if (c == v) {
      const bool leftLetter = i > 0 && IsLetter(std::string_view(&text[i - 1], 1));
      const bool rightLetter = i + 1 < n && IsLetter(std::string_view(&text[i + 1], 1));
      negate = !leftLetter && !rightLetter;
    }
    if (negate) {
      out += "(-";
      out += c;
      out += ')';
    } else {
      out += c;
    }
  }
  return out;
}

// ---------------------------------------------------------------------------------------------
// Size check of the counts

namespace {

// Adds the cells of one point array to total; false when the array alone or the total is too big.
template <int Rank> bool AddPoints(std::size_t& total, const std::array<int32_t, Rank>& upper) {
  const std::size_t n = CellCountOf<Rank>(upper, kMaxPointCells);
  if (n > kMaxPointCells) return false;
  total += n;
  return total <= kMaxPointCells;
}

bool IsSurfaceKind(int32_t t) {
  return t == Surface3D || t == ColorMap || t == ContourPlot || t == VectorPlot;
}

// The heap bytes of a setting: those of a text too long to be held in the string itself.
template <class T> std::size_t HeapBytes(const T&) { return 0; }
std::size_t HeapBytes(const std::string& text) {
  static const std::size_t inPlace = std::string().capacity();
  return text.size() <= inPlace ? 0 : text.size() + 1;
}

// The value grids of a kind: four of them (x, y, z and the value).
constexpr std::size_t GridsPerKind = 4;

// The scene's display lists keep every drawn point again: about twice (a surface point belongs to
// two neighbouring strips), each time with its position, normal and colour. Measured with Mesa:
// a 1500 x 1500 surface takes some 70 bytes a point beyond its samples.
constexpr std::size_t DrawnBytesPerPoint = 2 * (3 + 3 + 4) * sizeof(float);

} // namespace

std::optional<std::size_t> SamplingBytes(int32_t graphType, int32_t funForm, int32_t coordType,
                                         int32_t stepU, int32_t stepV, int32_t stepW,
                                         int32_t frameCount, bool showSurPX, bool showSurPY,
                                         bool showJO) {
  if (stepU < 0 || stepV < 0 || stepW < 0 || frameCount < 0) return std::nullopt;
  const int32_t u = stepU == 0 ? 1 : stepU;
  const int32_t v = stepV == 0 ? 1 : stepV;
  const int32_t w = stepW == 0 ? 1 : stepW;
  const int32_t f = frameCount == 0 ? 1 : frameCount;

  std::size_t total = 0;
  // Vert3D, VertDev, VertDev2 are laid out on every call; the two derivative arrays are never
  // drawn.
  for (int n = 0; n < 3; ++n)
    if (!AddPoints<2>(total, {u, v})) return std::nullopt;
  const std::size_t undrawn = 2 * CellCountOf<2>({u, v}, kMaxPointCells);
  if (showSurPX && !AddPoints<2>(total, {u, v})) return std::nullopt;
  if (showSurPY && !AddPoints<2>(total, {u, v})) return std::nullopt;
  if (showJO && !AddPoints<2>(total, {u, v})) return std::nullopt;
  bool fits = true;
  switch (graphType) {
  case Curve3D:
    fits = AddPoints<1>(total, {u});
    break;
  case Intersection:
    fits = AddPoints<2>(total, {u, v});
    break;
  case RevolutionAboutX:
  case RevolutionAboutY:
    fits = AddPoints<2>(total, {40, v});
    break;
  case PointAnimation:
    fits = AddPoints<1>(total, {f});
    break;
  case Curve2DAnimation:
    fits = AddPoints<2>(total, {v, f});
    break;
  case Ribbon25DAnimation:
    fits = AddPoints<3>(total, {1, v, f});
    break;
  case Curve3DAnimation:
    fits = AddPoints<2>(total, {u, f});
    break;
  case Surface3DAnimation:
    fits = AddPoints<3>(total, {u, v, f});
    break;
  default:
    break;
  }
  if (!fits) return std::nullopt;
  std::size_t bytes = total * sizeof(GraphPoint) + (total - undrawn) * DrawnBytesPerPoint;

  // Value grids: each of the four grids of a kind must fit on its own.
  const bool stillGrids =
      (graphType == Function4D && funForm == Explicit && coordType == Cartesian3D) ||
      (IsSurfaceKind(graphType) && funForm == Implicit);
  const bool frameGrids =
      (graphType == Function4DAnimation && funForm == Explicit && coordType == Cartesian3D) ||
      (graphType == Surface3DAnimation && funForm == Implicit && coordType == Cartesian3D);
  if (stillGrids) {
    if (!ValueGrid<3>::Fits({u, v, w})) return std::nullopt;
    bytes += GridsPerKind * sizeof(float) * CellCountOf<3>({u, v, w}, kMaxGridCells);
  }
  if (frameGrids) {
    if (!ValueGrid<4>::Fits({u, v, w, f})) return std::nullopt;
    bytes += GridsPerKind * sizeof(float) * CellCountOf<4>({u, v, w, f}, kMaxGridCells);
  }
  return bytes;
}

bool SamplingCountsFit(int32_t graphType, int32_t funForm, int32_t coordType, int32_t stepU,
                       int32_t stepV, int32_t stepW, int32_t frameCount, bool showSurPX,
                       bool showSurPY, bool showJO) {
  return SamplingBytes(graphType, funForm, coordType, stepU, stepV, stepW, frameCount, showSurPX,
                       showSurPY, showJO)
      .has_value();
}

bool SamplingCountsFit(const Graph& g) {
  return SamplingCountsFit(g.GraphType, g.FunForm, g.CoordType, g.StepU, g.StepV, g.StepW,
                           FrameCount, g.ShowSurPX, g.ShowSurPY, g.ShowJO);
}

std::optional<std::size_t> SamplingBytes(const Graph& g) {
  return SamplingBytes(g.GraphType, g.FunForm, g.CoordType, g.StepU, g.StepV, g.StepW, FrameCount,
                       g.ShowSurPX, g.ShowSurPY, g.ShowJO);
}

std::size_t GraphBytes(const Graph& g) {
  // Besides the object: the list row, caption, container keys and display list of a graph.
  // Measured with Mesa on documents of 20,000 to 130,000 graphs: about 6 KB for a point marker,
  // the costliest of the graphs whose samples are few.
  constexpr std::size_t Upkeep = 6 * 1024;
  // The shared pointer's block that holds the object.
  constexpr std::size_t Block = 16;
  std::size_t bytes = sizeof(Graph) + Block + Upkeep;
  // Its texts, where longer than a string holds in itself.
#define GRAPH_TEXT_BYTES(nm, ...) bytes += HeapBytes(g.nm);
#define GRAPH_LIST_NONE(...)
  GRAPH_PROPERTIES(GRAPH_TEXT_BYTES, GRAPH_LIST_NONE)
#undef GRAPH_TEXT_BYTES
#undef GRAPH_LIST_NONE
  return bytes;
}

void RunAtMany(const CompiledFormula& formula, const FormulaVars& base, float FormulaVars::*slot,
               const float* at, EvalOutcome* out, int64_t count) {
  const auto runs = [&](int64_t begin, int64_t end) {
    FormulaVars vars = base;
    for (int64_t i = begin; i < end; ++i) {
      vars.*slot = at[i];
      out[i] = formula.Run(vars);
    }
  };
  if (formula.UsesRandom()) {
    runs(0, count);
    return;
  }
  const int64_t work = static_cast<int64_t>(formula.InstructionCount());
  sampling::ParallelFor(count, sampling::ChunksFor(count, work, sampling::ParallelThreadCount()),
                        [&](int, int64_t begin, int64_t end) { runs(begin, end); });
}

std::size_t DocumentSamplingBudget() {
  const char* root = std::getenv(MemoryRootVariable);
  return SamplingBudgetFor(ReadMemoryLimits(root && *root ? root : "/"));
}

// ---------------------------------------------------------------------------------------------
// Compiled formula of one call

namespace sampling {

namespace {

bool NamesRandom(const std::string& postfix) {
  std::size_t start = 0;
  while (start < postfix.size()) {
    const std::size_t blank = postfix.find(' ', start);
    const std::size_t end = blank == std::string::npos ? postfix.size() : blank;
    if (postfix.compare(start, end - start, "RND") == 0) return true;
    start = end + 1;
  }
  return false;
}

} // namespace

SampledFormula::SampledFormula(std::string postfix, FormulaParser* reporter, bool reportErrors)
    : postfix_(std::move(postfix)), code_(postfix_), reporter_(reporter),
      reportErrors_(reportErrors && reporter), usesRandom_(NamesRandom(postfix_)) {}

bool SampledFormula::EvaluateReporting(const FormulaVars& vars, float& result) const {
  // The engine's own evaluation, with its message box for a domain fault.
  float value = 0.0f;
  if (!reporter_ || !reporter_->DoEvaluate(postfix_, false, value, vars)) return false;
  result = Finite(value);
  return true;
}

} // namespace sampling
