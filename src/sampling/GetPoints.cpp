// Graph::GetPoints: turns the formulas of one graph into its point arrays and value grids, for
// every frame step of an animated graph, and marks the coordinates that leave the view window.

#include "sampling/Sampling.h"
#include "sampling/SamplingInternal.h"

#include "formula/Derivative.h"
#include "formula/FormulaParser.h"
#include "formula/FormulaText.h"
#include "model/Graph.h"
#include "model/GraphContainer.h"
#include "model/ProblemsToldOnce.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "platform/WorkProgress.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <functional>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using sampling::Finite;
using sampling::IsUndefined;
using sampling::MakeUndefined;
using sampling::SampleAt;
using sampling::SampledFormula;

// r * cos a and r * sin a: the trigonometry in double precision of the single-precision angle,
// the product stored once as a single.
float TimesCos(float r, float a) { return Finite(static_cast<double>(r) * std::cos(double(a))); }
float TimesSin(float r, float a) { return Finite(static_cast<double>(r) * std::sin(double(a))); }

// The point builders below run once per sample; the ones on the surface and curve paths are
// inline so that sharing them costs no call per point.

// A point over a given place of the floor (its z and x) whose height is the formula's value; all
// three coordinates undefined when that value does not exist.
inline bool HeightPoint(const SampledFormula& f, const FormulaVars& vars, float z, float x,
                        GraphPoint& p) {
  p.z = z;
  p.x = x;
  float value = 0;
  if (!f.Evaluate(vars, value)) return false;
  p.y = value;
  if (IsUndefined(value)) MakeUndefined(p);
  return true;
}

// The point at radius r, azimuth a and polar angle b (from the vertical y axis).
void SphericalAt(double r, float a, float b, GraphPoint& p) {
  const double sb = std::sin(double(b));
  p.z = Finite(r * sb * std::cos(double(a)));
  p.x = Finite(r * sb * std::sin(double(a)));
  p.y = Finite(r * std::cos(double(b)));
}

// A spherical point whose radius is the formula's value.
bool SphericalRadiusPoint(const SampledFormula& f, const FormulaVars& vars, float a, float b,
                          GraphPoint& p) {
  float r = 0;
  if (!f.Evaluate(vars, r)) return false;
  SphericalAt(r, a, b, p);
  if (IsUndefined(r)) MakeUndefined(p);
  return true;
}

// A parametric point in the picture's Cartesian axes: fy gives its x, fz its y (vertical) and
// depth its z; without a depth formula z is 0 and nothing is evaluated for it.
inline bool CartesianPoint(const SampledFormula* depth, const SampledFormula& fy,
                           const SampledFormula& fz, const FormulaVars& vars, GraphPoint& p) {
  float x = 0, y = 0, z = 0;
  if (depth && !depth->Evaluate(vars, z)) return false;
  p.z = z;
  if (!fy.Evaluate(vars, x)) return false;
  p.x = x;
  if (!fz.Evaluate(vars, y)) return false;
  p.y = y;
  if (IsUndefined(x) || IsUndefined(y) || IsUndefined(z)) MakeUndefined(p);
  return true;
}

// A parametric polar point: fy gives the angle, fz the radius and depth the point's z (0 without
// one, nothing evaluated).
inline bool PolarPoint(const SampledFormula* depth, const SampledFormula& fy,
                       const SampledFormula& fz, const FormulaVars& vars, GraphPoint& p) {
  float a = 0, r = 0, z = 0;
  if (!fy.Evaluate(vars, a)) return false;
  if (!fz.Evaluate(vars, r)) return false;
  p.x = TimesCos(r, a);
  p.y = TimesSin(r, a);
  if (depth && !depth->Evaluate(vars, z)) return false;
  p.z = z;
  if (IsUndefined(a) || IsUndefined(r) || IsUndefined(z)) MakeUndefined(p);
  return true;
}

// How a step of the call ends.
enum class Flow { Continue, ReturnTrue, ReturnFalse };

// The derivative text of a formula by the formula engine's chain; a first derivative that is
// exactly "U" or "u" passes through unchanged. Nothing when the engine could not form it or it is
// too long to compile (the message, naming it as name gives, has been shown); *tooLong tells
// which: a text too long ends the call as a text that does not compile does (False).
std::optional<std::string> DerivativeOf(const std::string& text, const DerivativeName& name,
                                        bool* tooLong) {
  if (text == "U" || text == "u") return text;
  std::string derivative;
  const DerivativeOutcome made = MakeDerivativeText(text, "", derivative, name);
  *tooLong = made == DerivativeOutcome::TooLong;
  if (made != DerivativeOutcome::Made) return std::nullopt;
  return derivative;
}

// How a derivative that could not be had ends the call: one too long to compile as a failed
// compilation does, one the engine could not form as the engine's refusal does.
Flow NoDerivative(bool tooLong) { return tooLong ? Flow::ReturnFalse : Flow::ReturnTrue; }

// The share of a long sampling that laying its arrays out takes in the progress window (the
// memory of a large array is slow to come the first time): of the whole call, and of a branch
// that lays out value grids.
constexpr double LayoutShare = 0.3;

// Running minimum and maximum of sampled values with the strict tests of the value range.
struct Range {
  float min = 100000000.0f;
  float max = -100000000.0f;
  void Widen(float v) {
    if (v < min) min = v;
    if (v > max) max = v;
  }
  void Join(const Range& r) {
    if (r.min < min) min = r.min;
    if (r.max > max) max = r.max;
  }
};

// The four value grids of a kind (positions 1, 2, 3 and the value) along one index, the others
// fixed: where the sample k of a column goes in each grid.
struct GridColumn {
  std::array<float*, 4> at{};
  std::array<int64_t, 4> stride{};
  void Store(int32_t k, float g1, float g2, float g3, float value) const {
    at[0][k * stride[0]] = g1;
    at[1][k * stride[1]] = g2;
    at[2][k * stride[2]] = g3;
    at[3][k * stride[3]] = value;
  }
};

// Stores a column evaluated in one run: the positions fixed but for position Varying (0, 1 or 2),
// which runs through varying[k], beside values[k]; widens the range by every value. Everything
// the loop needs is a local, so that nothing is reloaded after each store.
template <int Varying>
void StoreColumn(const GridColumn& c, size_t n, std::array<float, 3> fixed, const float* varying,
                 const float* values, Range& range) {
  float* const a0 = c.at[0];
  float* const a1 = c.at[1];
  float* const a2 = c.at[2];
  float* const a3 = c.at[3];
  const int64_t s0 = c.stride[0], s1 = c.stride[1], s2 = c.stride[2], s3 = c.stride[3];
  float lo = range.min, hi = range.max;
  for (size_t k = 0; k < n; ++k) {
    const int64_t i = static_cast<int64_t>(k);
    a0[i * s0] = Varying == 0 ? varying[k] : fixed[0];
    a1[i * s1] = Varying == 1 ? varying[k] : fixed[1];
    a2[i * s2] = Varying == 2 ? varying[k] : fixed[2];
    const float value = values[k];
    a3[i * s3] = value;
    if (value < lo) lo = value;
    if (value > hi) hi = value;
  }
  range.min = lo;
  range.max = hi;
}

// Writes the four value grids of a kind without re-checking every index: the grids have been
// reserved for the counts of the call, and the strides are those of each grid, which may be
// larger than the counts after an earlier, larger sampling.
template <int Rank> class GridWriter {
public:
  GridWriter() = default;
  GridWriter(ValueGrid<Rank>& a, ValueGrid<Rank>& b, ValueGrid<Rank>& c, ValueGrid<Rank>& v)
      : data_{a.Values().data(), b.Values().data(), c.Values().data(), v.Values().data()},
        stride_{Strides(a), Strides(b), Strides(c), Strides(v)} {}

  // The column along index dim through the cell idx (whose dim-th index is not used).
  template <class... I> GridColumn Column(int dim, I... idx) const {
    std::array<int64_t, Rank> at{static_cast<int64_t>(idx)...};
    at[size_t(dim)] = 0;
    GridColumn c;
    for (size_t n = 0; n < 4; ++n) {
      int64_t offset = 0;
      for (int d = 0; d < Rank; ++d)
        offset += at[size_t(d)] * stride_[n][size_t(d)];
      c.at[n] = data_[n] + offset;
      c.stride[n] = stride_[n][size_t(dim)];
    }
    return c;
  }

private:
  using Stride = std::array<int64_t, Rank>;
  static Stride Strides(const ValueGrid<Rank>& grid) {
    Stride s{};
    int64_t step = 1;
    for (int d = Rank - 1; d >= 0; --d) {
      s[size_t(d)] = step;
      step *= int64_t(grid.Upper(d)) + 1;
    }
    return s;
  }
  std::array<float*, 4> data_{};
  std::array<Stride, 4> stride_{};
};

// One call of GetPoints.
class Sampler {
public:
  explicit Sampler(Graph& graph)
      : g(graph), report(ShowEvaluationErrors.load()), threads(sampling::ParallelThreadCount()) {}

  bool Run();

private:
  Flow Compile(const std::string& text, SampledFormula& out);
  Flow CompilePartial(const std::string& text, const char* variable, SampledFormula& out);
  // False when the work the call is part of was cancelled meanwhile.
  bool LayOut();
  bool LayOutStill();
  bool LayOutFramed();
  bool Parallel(std::initializer_list<const SampledFormula*> used) const;
  template <class Row>
  bool SampleRows(int64_t rows, int64_t perRow, bool parallel, Range& all, Row&& row);
  // Tells the work in progress that `done` of `total` steps are sampled; false (and the call
  // marked cancelled) once the user has cancelled it.
  bool Reported(int64_t done, int64_t total);
  // Reported as the arrays' layout takes it, step by step.
  std::function<bool(std::size_t, std::size_t)> LayoutSteps() {
    return [this](std::size_t done, std::size_t total) {
      return Reported(int64_t(done), int64_t(total));
    };
  }
  FormulaVars Vars() const { return FormulaVars{}; }

  // Branches; false when an evaluation gave no value (GetPoints then returns False at once).
  bool Curves2D();
  bool Curve3D();
  bool Surfaces();
  bool Points();
  bool AnimatedCurve2D(PointArray<2>* anim2D, PointArray<3>* ribbon);
  bool AnimatedCurve3D();
  bool AnimatedSurface();
  bool Start4D();
  bool Parallel4D() const;
  template <class ColumnAt>
  void Column4D(FormulaVars vars, Range& range, ColumnAt&& columnAt) const;
  void Grid4D();
  void Grid4DAnimated();
  Flow Overlays();

  // Rows of one point.
  bool PlaneRow(float s, float t, const SampledFormula* depth, const SampledFormula& fy,
                const SampledFormula& fz, GraphPoint& p);
  bool Curve3DRow(float t, float tFrame, GraphPoint& p);
  bool CoordinatePoint(int32_t coord, const FormulaVars& vars, GraphPoint& p);
  bool SurfacePoint(int32_t j, int32_t i, float u, float v, GraphPoint& p, Range& range);
  bool CartesianRow(int32_t j, float u, const std::vector<float>& vSamples);
  bool AnimatedSurfacePoint(int32_t j, int32_t i, int32_t k, float u, float v, float t,
                            GraphPoint& p, Range& range);
  void ImplicitColumn(float u, float v, float t, Range& range, const GridColumn& column) const;
  bool DerivativeCurve(PointArray<2>& curve, const SampledFormula* depth, const SampledFormula& fy,
                       const SampledFormula& fz);

  Graph& g;
  const bool report;
  const int threads;
  FormulaParser evaluator;
  std::string pX, pY, pZ, pV;
  SampledFormula fX, fY, fZ, fV, f2, fPX, fPY;
  SampledFormula dX, dY, dZ, d2X, d2Y, d2Z, mY, mZ;
  int32_t stepU = 1, stepV = 1, stepW = 1, frames = 1;
  std::vector<float> wSamples; // the w samples of the value grids, 0 .. StepW
  GridWriter<3> still;
  GridWriter<4> framed;
  float du = 0, dv = 0, dw = 0, dt = 0;
  bool cancelled = false; // the user cancelled the work this call is part of
};

// ---------------------------------------------------------------------------------------------
// The frame

bool Sampler::Run() {
  // 1. Prepare the texts.
  if (g.GraphType != Vector && g.GraphType != VectorOperation) {
    pX = InsertImplicitProducts(g.ExpressX);
    pY = InsertImplicitProducts(g.ExpressY);
    pZ = InsertImplicitProducts(g.ExpressZ);
    pV = InsertImplicitProducts(g.ExpressV);
  }

  // 2. Correct the counts. A StepW of 0 would divide by zero: it becomes 1 like the others.
  if (g.StepU == 0) g.StepU = 1;
  if (g.StepV == 0) g.StepV = 1;
  if (g.StepW == 0) g.StepW = 1;
  if (FrameCount == 0) FrameCount = 1;
  if (g.StepU < 0 || g.StepV < 0 || g.StepW < 0 || FrameCount < 0) {
    MsgBox("The step and frame counts of a graph must not be negative.", MsgButtons::OK,
           MsgIcon::Critical, "Error");
    return false;
  }
  if (!SamplingCountsFit(g)) {
    MsgBox(std::string(SamplingTooLargeMessage), MsgButtons::OK, MsgIcon::Critical, "Error");
    return false;
  }
  stepU = g.StepU;
  stepV = g.StepV;
  stepW = g.StepW;
  frames = FrameCount;

  // 3. Lay out the arrays. Many frames take long: the memory is touched for the first time.
  {
    WorkPart layout(0.0, LayoutShare);
    if (!LayOut()) return false;
  }
  WorkPart sampling(LayoutShare, 1.0);

  // 4. Step sizes. Animated kinds always get their frame step, whatever their Animation flag.
  du = sampling::StepOf(g.MinU, g.MaxU, stepU);
  dv = sampling::StepOf(g.MinV, g.MaxV, stepV);
  dw = sampling::StepOf(g.MinW, g.MaxW, stepW);
  dt = sampling::StepOf(g.MinT, g.MaxT, frames);
  wSamples.resize(size_t(stepW) + 1);
  for (int32_t k = 0; k <= stepW; ++k)
    wSamples[size_t(k)] = SampleAt(g.MinW, k, dw);

  // 5. Compile.
  Flow flow = Flow::Continue;
  auto step = [&flow](Flow f) {
    flow = f;
    return f == Flow::Continue;
  };
  if (!step(Compile(pX, fX)) || !step(Compile(pY, fY)) || !step(Compile(pZ, fZ)))
    return flow == Flow::ReturnTrue;
  // In a 4D document ExpressV is compiled; a graph of another kind that carries none (a point
  // added to the document) is not refused for the formula it never had.
  const bool is4D = g.GraphType == Function4D || g.GraphType == Function4DAnimation;
  if (DocumentType == DocumentType4D && (is4D || !g.ExpressV.empty()) && !step(Compile(pV, fV)))
    return flow == Flow::ReturnTrue;
  if (g.GraphType == Intersection && !step(Compile(InsertImplicitProducts(g.Exp2), f2)))
    return flow == Flow::ReturnTrue;
  if (g.ShowSurPX && !step(CompilePartial(pZ, "x", fPX))) return flow == Flow::ReturnTrue;
  if (g.ShowSurPY && !step(CompilePartial(pZ, "y", fPY))) return flow == Flow::ReturnTrue;

  // 6. The branch of the kind.
  bool ok = true;
  switch (g.GraphType) {
  case Curve2D:
  case Ribbon25D:
  case Intersection:
  case RevolutionAboutX:
  case RevolutionAboutY:
  case StepStemPlot:
    ok = Curves2D();
    break;
  case GraphTypeCode::Curve3D:
    ok = Curve3D();
    break;
  case Surface3D:
  case ColorMap:
  case ContourPlot:
  case VectorPlot:
    ok = Surfaces();
    break;
  case PointMarker:
  case PointAnimation:
    ok = Points();
    break;
  case Curve2DAnimation:
    ok = AnimatedCurve2D(&g.Anim2D, nullptr);
    break;
  case Ribbon25DAnimation:
    ok = AnimatedCurve2D(nullptr, &g.AnimRibbon);
    break;
  case Curve3DAnimation:
    ok = AnimatedCurve3D();
    break;
  case Surface3DAnimation:
    ok = AnimatedSurface();
    break;
  case Function4D:
    Grid4D();
    break;
  case Function4DAnimation:
    Grid4DAnimated();
    break;
  default:
    break;
  }
  // A cancelled call leaves the arrays laid out for the new counts, sampled as far as it came.
  if (!ok || cancelled) return false;

  // 7. The overlay stage.
  flow = Overlays();
  return flow != Flow::ReturnFalse;
}

Flow Sampler::Compile(const std::string& text, SampledFormula& out) {
  std::string postfix;
  if (evaluator.InfixToPostfix(text, postfix) != 0) return Flow::ReturnFalse;
  out = SampledFormula(std::move(postfix), &evaluator, report);
  return Flow::Continue;
}

Flow Sampler::CompilePartial(const std::string& text, const char* variable, SampledFormula& out) {
  std::string derivative;
  const DerivativeName name = [this, variable] {
    return std::string("partial derivative by ") + variable + " of " + ListedGraphName(g);
  };
  TellOnceAbout once(g);
  const DerivativeOutcome made = MakeDerivativeText(text, variable, derivative, name);
  if (made != DerivativeOutcome::Made) return NoDerivative(made == DerivativeOutcome::TooLong);
  return Compile(derivative, out);
}

bool Sampler::LayOut() {
  const auto step = LayoutSteps();
  const int32_t t = g.GraphType;
  g.Vert3D.Allocate({stepU, stepV});
  if (g.ShowSurPX) g.VertPX.Allocate({stepU, stepV});
  if (g.ShowSurPY) g.VertPY.Allocate({stepU, stepV});
  if (t == GraphTypeCode::Curve3D) g.VertCurve.Allocate({stepU});
  if (t == Intersection) g.Vert2.Allocate({stepU, stepV});
  if (t == RevolutionAboutX || t == RevolutionAboutY) g.VertRev.Allocate({40, stepV});
  // The derivative curves: only 2D curves with an analysis fill and read them.
  g.VertDev.AllocateOnFirstUse({stepU, stepV});
  g.VertDev2.AllocateOnFirstUse({stepU, stepV});
  if (g.ShowJO) g.VertJO.Allocate({stepU, stepV});
  // The animated arrays always get points, so that drawing never meets an empty element.
  if (t == PointAnimation && !g.Anim1D.Allocate({frames}, step)) return false;
  if (t == Curve2DAnimation && !g.Anim2D.Allocate({stepV, frames}, step)) return false;
  if (t == Ribbon25DAnimation && !g.AnimRibbon.Allocate({1, stepV, frames}, step)) return false;
  if (t == Curve3DAnimation && !g.AnimCurve3D.Allocate({stepU, frames}, step)) return false;
  if (t == Surface3DAnimation && !g.Anim3D.Allocate({stepU, stepV, frames}, step)) return false;
  if (t == Function4DAnimation) g.Anim4D.LayoutWithoutPoints({stepU, stepV, stepW, frames});
  return true;
}

// The value grids are laid out for the counts of the call, each a quarter of the work. Up to the
// fixed size that grids have always had (`kept`), a grid does not shrink: the samples beyond
// smaller counts keep what an earlier call wrote there. Beyond it, storage that smaller counts no
// longer need is given back.
template <int Rank>
bool LayOutGrids(std::array<ValueGrid<Rank>*, 4> grids, const std::array<int32_t, Rank>& upper,
                 const std::array<int32_t, Rank>& kept,
                 const std::function<bool(std::size_t, std::size_t)>& step) {
  for (size_t n = 0; n < grids.size(); ++n) {
    std::array<int32_t, Rank> bounds = upper;
    for (size_t d = 0; d < size_t(Rank); ++d)
      bounds[d] = std::max(upper[d], std::min(grids[n]->Upper(int(d)), kept[d]));
    WorkPart part(double(n) / 4.0, double(n + 1) / 4.0);
    if (!grids[n]->LayOut(bounds, step)) return false;
  }
  return true;
}

// The fixed size of the still grids (101 samples each way) and of the frame grids (51 samples
// each way, 11 frame steps).
constexpr std::array<int32_t, 3> StillGridsKept{100, 100, 100};
constexpr std::array<int32_t, 4> FrameGridsKept{50, 50, 50, 10};

bool Sampler::LayOutStill() {
  WorkPart layout(0.0, LayoutShare);
  if (!LayOutGrids<3>({&g.SampleGrid1, &g.SampleGrid2, &g.SampleGrid3, &g.SampleGridV},
                      {stepU, stepV, stepW}, StillGridsKept, LayoutSteps()))
    return false;
  still = GridWriter<3>(g.SampleGrid1, g.SampleGrid2, g.SampleGrid3, g.SampleGridV);
  return true;
}

bool Sampler::LayOutFramed() {
  WorkPart layout(0.0, LayoutShare);
  if (!LayOutGrids<4>({&g.FrameGrid1, &g.FrameGrid2, &g.FrameGrid3, &g.FrameGridV},
                      {stepU, stepV, stepW, frames}, FrameGridsKept, LayoutSteps()))
    return false;
  framed = GridWriter<4>(g.FrameGrid1, g.FrameGrid2, g.FrameGrid3, g.FrameGridV);
  return true;
}

// Whether a loop over these formulas may run on several threads: its results must not depend on
// the order of evaluation (no RND), no evaluation may end the call (none leaves no value) and no
// message box may open (ShowEvaluationErrors off).
bool Sampler::Parallel(std::initializer_list<const SampledFormula*> used) const {
  if (report || threads <= 1) return false;
  for (const SampledFormula* f : used)
    if (f->UsesRandom() || f->Empty()) return false;
  return true;
}

bool Sampler::Reported(int64_t done, int64_t total) {
  if (!cancelled && !ReportWorkStep(done, total)) cancelled = true;
  return !cancelled;
}

// How many evaluations sampling does between two reports to the work in progress: some 20 ms on
// one thread, so that the progress window stays live and Cancel is taken soon.
constexpr int64_t EvaluationsPerReport = int64_t{1} << 22;

// Samples rows 0 .. rows - 1 (perRow evaluations each) with row(index, range), in chunks on
// several threads when parallel, each chunk widening its own range; all takes in the ranges, and
// the smallest and largest value do not depend on the number of chunks. With work in progress
// the rows go in pieces (at least a row per thread), each reported before the next begins. False
// when a row returned false (the rest of its chunk is not sampled) or the work was cancelled.
template <class Row>
bool Sampler::SampleRows(int64_t rows, int64_t perRow, bool parallel, Range& all, Row&& row) {
  int64_t piece = rows;
  if (WorkInProgress())
    piece = std::max<int64_t>(EvaluationsPerReport / std::max<int64_t>(perRow, 1),
                              parallel ? threads : 1);
  for (int64_t first = 0; first < rows; first += piece) {
    const int64_t count = std::min(piece, rows - first);
    const int chunks = parallel ? sampling::ChunksFor(count, perRow, threads) : 1;
    std::vector<Range> ranges(static_cast<size_t>(chunks));
    std::vector<char> failed(static_cast<size_t>(chunks), 0);
    sampling::ParallelFor(count, chunks, [&](int c, int64_t begin, int64_t end) {
      for (int64_t index = first + begin; index < first + end; ++index) {
        if (!row(index, ranges[size_t(c)])) {
          failed[size_t(c)] = 1;
          return;
        }
      }
    });
    for (const Range& r : ranges)
      all.Join(r);
    if (std::find(failed.begin(), failed.end(), 1) != failed.end()) return false;
    if (!Reported(first + count, rows)) return false;
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// 2D curves, ribbons, intersections, surfaces of revolution, step and stem plots

// The point of sample s of a curve in the picture's plane (explicit or parametric, Cartesian or
// polar) at frame value t, from the formulas fz (height or radius), fy (x or angle) and depth (the
// point's z, or none: z 0). Writes happen in the order of the rows; a point built from a value
// that does not exist is undefined in all three coordinates.
bool Sampler::PlaneRow(float s, float t, const SampledFormula* depth, const SampledFormula& fy,
                       const SampledFormula& fz, GraphPoint& p) {
  FormulaVars vars;
  vars.T = t;
  if (g.FunForm == Explicit && g.CoordType == Cartesian2D) {
    vars.X = s;
    return HeightPoint(fz, vars, 0, s, p);
  }
  if (g.FunForm == Explicit && g.CoordType == Polar) {
    vars.A = s;
    float r = 0;
    if (!fz.Evaluate(vars, r)) return false;
    p.x = TimesCos(r, s);
    p.y = TimesSin(r, s);
    p.z = 0;
    if (IsUndefined(r)) MakeUndefined(p);
    return true;
  }
  vars.U = s;
  if (g.FunForm == Parametric && g.CoordType == Cartesian2D)
    return CartesianPoint(depth, fy, fz, vars, p);
  if (g.FunForm == Parametric && g.CoordType == Polar) return PolarPoint(depth, fy, fz, vars, p);
  return true;
}

bool Sampler::Curves2D() {
  const bool intersection = g.GraphType == Intersection;
  for (int32_t j = 0; j <= stepV; ++j) {
    const float s = SampleAt(g.MinV, j, dv);
    GraphPoint& p = g.Vert3D(0, j);
    if (!PlaneRow(s, 0.0f, &fX, fY, fZ, p)) return false;
    if (intersection && g.FunForm == Explicit && g.CoordType == Cartesian2D) {
      FormulaVars vars;
      vars.X = s;
      if (!HeightPoint(f2, vars, 0, s, g.Vert2(0, j))) return false;
    }
  }
  if (g.FunForm == Explicit || g.FunForm == Parametric) {
    for (int32_t j = 0; j <= stepV; ++j) {
      MarkOutsideView(g.Vert3D(0, j), ViewPairingDirect);
      if (intersection) MarkOutsideView(g.Vert2(0, j), ViewPairingDirect);
    }
  }
  if (g.GraphType == RevolutionAboutX || g.GraphType == RevolutionAboutY) {
    const bool aboutX = g.GraphType == RevolutionAboutX;
    for (int32_t j = 0; j <= stepV; ++j) {
      const float x0 = g.Vert3D(0, j).x;
      const float y0 = g.Vert3D(0, j).y;
      for (int32_t i = 0; i <= 40; ++i) {
        GraphPoint& ring = g.VertRev(i, j);
        if (IsUndefined(x0) || IsUndefined(y0)) {
          MakeUndefined(ring);
          continue;
        }
        const float theta = static_cast<float>(static_cast<double>(i * 15708) / 100000.0);
        if (aboutX) {
          const float radius = std::fabs(y0);
          ring.z = TimesCos(radius, theta);
          ring.y = TimesSin(radius, theta);
          ring.x = x0;
        } else {
          const float radius = std::fabs(x0);
          ring.x = TimesCos(radius, theta);
          ring.z = TimesSin(radius, theta);
          ring.y = y0;
        }
      }
    }
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// 3D curves

bool Sampler::Curve3DRow(float t, float tFrame, GraphPoint& p) {
  FormulaVars vars;
  vars.T = tFrame;
  if (g.FunForm == Parametric) {
    if (g.CoordType != Cartesian3D && g.CoordType != Cylindrical && g.CoordType != Spherical)
      return true;
    vars.U = t;
    return CoordinatePoint(g.CoordType, vars, p);
  }
  if (g.FunForm != Explicit) return true;

  // The variable of an explicit curve is found in ExpressZ's postfix text: every token naming
  // one of the two variables of the coordinate system sets the whole point, so the last decides.
  const std::string& text = fZ.Postfix();
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t blank = text.find(' ', start);
    if (blank == std::string::npos) break;
    const std::string_view token(text.data() + start, blank - start);
    start = blank + 1;
    FormulaVars v = vars;
    bool ok = true;
    if (g.CoordType == Cartesian3D && token == "XX") {
      v.X = t;
      ok = HeightPoint(fZ, v, t, 0, p);
    } else if (g.CoordType == Cartesian3D && token == "YY") {
      v.Y = t;
      ok = HeightPoint(fZ, v, 0, t, p);
    } else if (g.CoordType == Cylindrical && token == "RR") {
      v.R = t;
      ok = HeightPoint(fZ, v, TimesCos(t, 0.0f), TimesSin(t, 0.0f), p);
    } else if (g.CoordType == Cylindrical && token == "AA") {
      v.A = t;
      ok = HeightPoint(fZ, v, TimesCos(0.0f, t), TimesSin(0.0f, t), p);
    } else if (g.CoordType == Spherical && token == "BB") {
      v.B = t;
      ok = SphericalRadiusPoint(fZ, v, 0.0f, t, p);
    } else if (g.CoordType == Spherical && token == "AA") {
      v.A = t;
      ok = SphericalRadiusPoint(fZ, v, t, 0.0f, p);
    }
    if (!ok) return false;
  }
  return true;
}

bool Sampler::Curve3D() {
  for (int32_t j = 0; j <= stepU; ++j)
    if (!Curve3DRow(SampleAt(g.MinU, j, du), 0.0f, g.VertCurve(j))) return false;
  for (int32_t j = 0; j <= stepU; ++j)
    MarkOutsideView(g.VertCurve(j), ViewPairingScene);
  return true;
}

// ---------------------------------------------------------------------------------------------
// Points built from the three coordinate formulas

// ExpressX, ExpressY, ExpressZ with the given slots give the point by coordinate system; the
// point's x is the user's y, its y (vertical) the user's z and its z the user's x.
bool Sampler::CoordinatePoint(int32_t coord, const FormulaVars& vars, GraphPoint& p) {
  float a = 0, b = 0, r = 0, y = 0;
  switch (coord) {
  case Cartesian2D:
  case Cartesian3D:
    return CartesianPoint(&fX, fY, fZ, vars, p);
  case Polar:
    return PolarPoint(&fX, fY, fZ, vars, p);
  case Cylindrical:
    if (!fX.Evaluate(vars, a)) return false;
    if (!fY.Evaluate(vars, r)) return false;
    p.z = TimesCos(r, a);
    p.x = TimesSin(r, a);
    if (!fZ.Evaluate(vars, y)) return false;
    p.y = y;
    if (IsUndefined(a) || IsUndefined(r) || IsUndefined(y)) MakeUndefined(p);
    return true;
  case Spherical: {
    if (!fX.Evaluate(vars, a)) return false;
    if (!fY.Evaluate(vars, b)) return false;
    if (!fZ.Evaluate(vars, r)) return false;
    SphericalAt(r, a, b, p);
    if (IsUndefined(a) || IsUndefined(b) || IsUndefined(r)) MakeUndefined(p);
    return true;
  }
  default:
    return true;
  }
}

bool Sampler::Points() {
  if (g.GraphType == PointMarker) return CoordinatePoint(g.CoordType, Vars(), g.Vert3D(0, 0));
  for (int32_t k = 0; k <= frames; ++k) {
    FormulaVars vars;
    vars.T = SampleAt(g.MinT, k, dt);
    if (!CoordinatePoint(g.CoordType, vars, g.Anim1D(k))) return false;
    if (k % 1024 == 1023 && !Reported(k + 1, int64_t(frames) + 1)) return false;
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Surfaces, colour maps, contour and vector plots

bool Sampler::SurfacePoint(int32_t j, int32_t i, float u, float v, GraphPoint& p, Range& range) {
  const bool space =
      g.CoordType == Cartesian3D || g.CoordType == Cylindrical || g.CoordType == Spherical;
  if (g.FunForm == Parametric && space) {
    FormulaVars vars;
    vars.U = u;
    vars.V = v;
    if (!CoordinatePoint(g.CoordType, vars, p)) return false;
  } else if (g.FunForm == Explicit && space) {
    FormulaVars vars;
    if (g.CoordType == Cartesian3D) {
      vars.X = u;
      vars.Y = v;
    } else if (g.CoordType == Cylindrical) {
      vars.A = u;
      vars.R = v;
    } else {
      vars.A = u;
      vars.B = v;
    }
    if (!CoordinatePoint(g.CoordType, vars, p)) return false;
    if (g.CoordType == Cartesian3D) {
      // The surfaces of the partial derivatives, over the same (x, y), not marked.
      if (g.ShowSurPX && !HeightPoint(fPX, vars, u, v, g.VertPX(j, i))) return false;
      if (g.ShowSurPY && !HeightPoint(fPY, vars, u, v, g.VertPY(j, i))) return false;
    }
  } else if (g.FunForm == Implicit) {
    ImplicitColumn(u, v, 0.0f, range, still.Column(2, j, i, 0));
  }
  MarkOutsideView(p, ViewPairingScene);
  return true;
}

// Row j of a Cartesian surface (explicit: x = u, y the samples; parametric: u, v), as SurfacePoint
// builds each point. False, with nothing written, when a formula must go point by point.
bool Sampler::CartesianRow(int32_t j, float u, const std::vector<float>& vSamples) {
  const size_t n = vSamples.size();
  thread_local std::vector<float> depth, across, height;
  depth.resize(n);
  across.resize(n);
  height.resize(n);
  FormulaVars vars;
  const bool explicitForm = g.FunForm == Explicit;
  (explicitForm ? vars.X : vars.U) = u;
  const FormulaSlot slot = explicitForm ? SlotY : SlotV;
  if (!fX.EvaluateAlong(vars, slot, vSamples.data(), depth.data(), n) ||
      !fY.EvaluateAlong(vars, slot, vSamples.data(), across.data(), n) ||
      !fZ.EvaluateAlong(vars, slot, vSamples.data(), height.data(), n))
    return false;
  for (size_t i = 0; i < n; ++i) {
    GraphPoint& p = g.Vert3D(j, int32_t(i));
    p.z = depth[i];
    p.x = across[i];
    p.y = height[i];
    if (IsUndefined(p.x) || IsUndefined(p.y) || IsUndefined(p.z)) MakeUndefined(p);
    MarkOutsideView(p, ViewPairingScene);
  }
  return true;
}

// Samples f(u, v, w) = ExpressX at frame value t over the w domain; the column keeps each value
// that exists at its k with its position in the point order of the scene (g1 the point's x, g2
// its y, g3 its z). The range is widened in a local copy, which the grid stores cannot alias.
void Sampler::ImplicitColumn(float u, float v, float t, Range& range,
                             const GridColumn& column) const {
  const int32_t c = g.CoordType;
  if (c != Cartesian3D && c != Cylindrical && c != Spherical) return;
  // What does not change along the column is computed once, with the same operations.
  FormulaVars vars;
  vars.T = t;
  float ringX = 0, ringZ = 0;
  double su = 0, cu = 0, sv = 0, cv = 0;
  if (c == Cartesian3D) {
    vars.X = u;
    vars.Y = v;
  } else if (c == Cylindrical) {
    vars.A = u;
    vars.R = v;
    ringX = TimesSin(v, u);
    ringZ = TimesCos(v, u);
  } else {
    vars.A = u;
    vars.B = v;
    su = std::sin(double(u));
    cu = std::cos(double(u));
    sv = std::sin(double(v));
    cv = std::cos(double(v));
  }
  Range local = range;
  // The values of the whole column in one run of the evaluator where it can; else point by point.
  const size_t n = size_t(stepW) + 1;
  thread_local std::vector<float> values;
  values.resize(n);
  const bool along =
      fX.EvaluateAlong(vars, c == Spherical ? SlotR : SlotZ, wSamples.data(), values.data(), n);
  if (along && c != Spherical) {
    const std::array<float, 3> fixed =
        c == Cartesian3D ? std::array<float, 3>{v, 0, u} : std::array<float, 3>{ringX, 0, ringZ};
    StoreColumn<1>(column, n, fixed, wSamples.data(), values.data(), local);
    range = local;
    return;
  }
  for (int32_t k = 0; k <= stepW; ++k) {
    const float w = wSamples[size_t(k)];
    float g1, g2, g3;
    if (c == Cartesian3D) {
      vars.Z = w;
      g1 = v;
      g2 = w;
      g3 = u;
    } else if (c == Cylindrical) {
      vars.Z = w;
      g1 = ringX;
      g2 = w;
      g3 = ringZ;
    } else {
      vars.R = w;
      g1 = Finite(double(w) * sv * su);
      g2 = Finite(double(w) * cv);
      g3 = Finite(double(w) * sv * cu);
    }
    float value = values[size_t(k)];
    if (!along && !fX.Evaluate(vars, value)) continue;
    column.Store(k, g1, g2, g3, value);
    local.Widen(value);
  }
  range = local;
}

bool Sampler::Surfaces() {
  const bool implicit = g.FunForm == Implicit;
  if (implicit && !LayOutStill()) return false;
  WorkPart sampling(implicit ? LayoutShare : 0.0, 1.0);
  const bool parallel = implicit
                            ? Parallel({&fX})
                            : Parallel({&fX, &fY, &fZ}) && (!g.ShowSurPX || Parallel({&fPX})) &&
                                  (!g.ShowSurPY || Parallel({&fPY}));
  // The work of a row: the formulas each point runs, and a little for storing the point.
  const int64_t perPoint = implicit ? fX.Work() + 2
                                    : fX.Work() + fY.Work() + fZ.Work() +
                                          (g.ShowSurPX ? fPX.Work() : 0) +
                                          (g.ShowSurPY ? fPY.Work() : 0) + 2;
  const int64_t perRow = int64_t(stepV + 1) * (implicit ? int64_t(stepW) + 1 : 1) * perPoint;
  // A Cartesian surface without the partial-derivative surfaces is sampled a row at a time: each
  // formula over the whole row in one run of the evaluator. Its formulas must not draw random
  // numbers, whose order would change.
  const bool rowWise = !implicit && g.CoordType == Cartesian3D &&
                       (g.FunForm == Explicit || g.FunForm == Parametric) && !g.ShowSurPX &&
                       !g.ShowSurPY && !fX.UsesRandom() && !fY.UsesRandom() && !fZ.UsesRandom();
  std::vector<float> vSamples(size_t(stepV) + 1);
  for (int32_t i = 0; i <= stepV; ++i)
    vSamples[size_t(i)] = SampleAt(g.MinV, i, dv);
  Range all;
  const bool ok = SampleRows(stepU + 1, perRow, parallel, all, [&](int64_t row, Range& range) {
    const int32_t j = int32_t(row);
    const float u = SampleAt(g.MinU, j, du);
    if (rowWise && CartesianRow(j, u, vSamples)) return true;
    for (int32_t i = 0; i <= stepV; ++i)
      if (!SurfacePoint(j, i, u, SampleAt(g.MinV, i, dv), g.Vert3D(j, i), range)) return false;
    return true;
  });
  if (implicit) {
    g.GridValueMin = all.min;
    g.GridValueMax = all.max;
  }
  return ok;
}

// ---------------------------------------------------------------------------------------------
// Animated curves, ribbons and surfaces

bool Sampler::AnimatedCurve2D(PointArray<2>* anim2D, PointArray<3>* ribbon) {
  const bool mark = ribbon || (g.FunForm != Implicit && g.FunForm != Inequality);
  for (int32_t i = 0; i <= stepV; ++i) {
    const float s = SampleAt(g.MinV, i, dv);
    for (int32_t k = 0; k <= frames; ++k) {
      GraphPoint& p = anim2D ? (*anim2D)(i, k) : (*ribbon)(0, i, k);
      if (!PlaneRow(s, SampleAt(g.MinT, k, dt), &fX, fY, fZ, p)) return false;
      if (mark) MarkOutsideView(p, ViewPairingScene);
    }
    if (!Reported(i + 1, int64_t(stepV) + 1)) return false;
  }
  return true;
}

bool Sampler::AnimatedCurve3D() {
  for (int32_t j = 0; j <= stepU; ++j) {
    const float t = SampleAt(g.MinU, j, du);
    for (int32_t k = 0; k <= frames; ++k) {
      GraphPoint& p = g.AnimCurve3D(j, k);
      if (!Curve3DRow(t, SampleAt(g.MinT, k, dt), p)) return false;
      MarkOutsideView(p, ViewPairingScene);
    }
    if (!Reported(j + 1, int64_t(stepU) + 1)) return false;
  }
  return true;
}

bool Sampler::AnimatedSurfacePoint(int32_t j, int32_t i, int32_t k, float u, float v, float t,
                                   GraphPoint& p, Range& range) {
  FormulaVars vars;
  vars.T = t;
  const int32_t c = g.CoordType;
  if (g.FunForm == Parametric && (c == Cartesian3D || c == Cylindrical || c == Spherical)) {
    vars.U = u;
    vars.V = v;
    if (!CoordinatePoint(c, vars, p)) return false;
  } else if (g.FunForm == Explicit) {
    // The animated surface takes its first two coordinates from the samples themselves.
    if (c == Cartesian3D) {
      vars.X = u;
      vars.Y = v;
      if (!HeightPoint(fZ, vars, u, v, p)) return false;
    } else if (c == Cylindrical) {
      vars.A = u;
      vars.R = v;
      if (!HeightPoint(fZ, vars, TimesCos(v, u), TimesSin(v, u), p)) return false;
    } else if (c == Spherical) {
      vars.A = u;
      vars.B = v;
      if (!SphericalRadiusPoint(fZ, vars, u, v, p)) return false;
    }
  } else if (g.FunForm == Implicit) {
    // Animated implicit surfaces are sampled in Cartesian coordinates only.
    if (c == Cartesian3D) ImplicitColumn(u, v, t, range, framed.Column(2, j, i, 0, k));
  }
  MarkOutsideView(p, ViewPairingScene);
  return true;
}

bool Sampler::AnimatedSurface() {
  const bool implicit = g.FunForm == Implicit && g.CoordType == Cartesian3D;
  if (implicit && !LayOutFramed()) return false;
  WorkPart sampling(implicit ? LayoutShare : 0.0, 1.0);
  const bool parallel = g.FunForm == Implicit   ? Parallel({&fX})
                        : g.FunForm == Explicit ? Parallel({&fZ})
                                                : Parallel({&fX, &fY, &fZ});
  // A row is one (u, v) sample through every frame step, rows in the order of u, then v.
  const int64_t rows = int64_t(stepU + 1) * (stepV + 1);
  const int64_t perPoint = (implicit || g.FunForm == Implicit ? fX.Work()
                            : g.FunForm == Explicit           ? fZ.Work()
                                                              : fX.Work() + fY.Work() + fZ.Work()) +
                           2;
  const int64_t perRow = int64_t(frames + 1) * (implicit ? int64_t(stepW) + 1 : 1) * perPoint;
  Range all;
  const bool ok = SampleRows(rows, perRow, parallel, all, [&](int64_t row, Range& range) {
    const int32_t j = int32_t(row / (stepV + 1));
    const int32_t i = int32_t(row % (stepV + 1));
    const float u = SampleAt(g.MinU, j, du);
    const float v = SampleAt(g.MinV, i, dv);
    for (int32_t k = 0; k <= frames; ++k) {
      if (!AnimatedSurfacePoint(j, i, k, u, v, SampleAt(g.MinT, k, dt), g.Anim3D(j, i, k), range))
        return false;
    }
    return true;
  });
  if (implicit) {
    g.GridValueMin = all.min;
    g.GridValueMax = all.max;
  }
  return ok;
}

// ---------------------------------------------------------------------------------------------
// 4D grids

// A 4D graph may be sampled on several threads when its formula allows it, or when it is empty
// and its evaluations leave no value without a message.
bool Sampler::Parallel4D() const { return Parallel({&fV}) || (fV.Empty() && !report); }

// ExpressV over the (y, z) samples of one x of a 4D graph (vars holding x and the frame value);
// columnAt(j) gives where the values of the z column at y sample j go, with x, y and z beside
// each value that exists. The range is widened in a local copy, which the stores cannot alias.
template <class ColumnAt>
void Sampler::Column4D(FormulaVars vars, Range& range, ColumnAt&& columnAt) const {
  Range local = range;
  const float x = vars.X;
  const size_t n = size_t(stepW) + 1;
  thread_local std::vector<float> values;
  values.resize(n);
  for (int32_t j = 0; j <= stepV; ++j) {
    const float y = vars.Y = SampleAt(g.MinV, j, dv);
    const GridColumn column = columnAt(j);
    // The values of the whole column in one run of the evaluator where it can.
    if (fV.EvaluateAlong(vars, SlotZ, wSamples.data(), values.data(), n)) {
      StoreColumn<2>(column, n, {x, y, 0}, wSamples.data(), values.data(), local);
      continue;
    }
    for (int32_t k = 0; k <= stepW; ++k) {
      const float z = vars.Z = wSamples[size_t(k)];
      float value = 0;
      if (!fV.Evaluate(vars, value)) continue;
      column.Store(k, x, y, z, value);
      local.Widen(value);
    }
  }
  range = local;
}

// An explicit 4D graph starts its value range empty; only a Cartesian one is sampled.
bool Sampler::Start4D() {
  if (g.FunForm != Explicit) return false;
  g.MinVV = 100000000.0f;
  g.MaxVV = -100000000.0f;
  return g.CoordType == Cartesian3D;
}

void Sampler::Grid4D() {
  if (!Start4D() || !LayOutStill()) return;
  WorkPart sampling(LayoutShare, 1.0);
  const int64_t perRow = int64_t(stepV + 1) * (stepW + 1) * (fV.Work() + 2);
  Range all;
  SampleRows(stepU + 1, perRow, Parallel4D(), all, [&](int64_t row, Range& range) {
    const int32_t i = int32_t(row);
    FormulaVars vars;
    vars.X = SampleAt(g.MinU, i, du);
    Column4D(vars, range, [&](int32_t j) { return still.Column(2, i, j, 0); });
    return true;
  });
  g.MinVV = all.min;
  g.MaxVV = all.max;
}

void Sampler::Grid4DAnimated() {
  if (!Start4D() || !LayOutFramed()) return;
  WorkPart sampling(LayoutShare, 1.0);
  // Frame step outermost, then x: one flat index f * (StepU + 1) + i keeps that order.
  const int64_t rows = int64_t(frames + 1) * (stepU + 1);
  const int64_t perRow = int64_t(stepV + 1) * (stepW + 1) * (fV.Work() + 2);
  Range all;
  SampleRows(rows, perRow, Parallel4D(), all, [&](int64_t row, Range& range) {
    const int32_t f = int32_t(row / (stepU + 1));
    const int32_t i = int32_t(row % (stepU + 1));
    FormulaVars vars;
    vars.T = SampleAt(g.MinT, f, dt);
    vars.X = SampleAt(g.MinU, i, du);
    Column4D(vars, range, [&](int32_t j) { return framed.Column(2, i, j, 0, f); });
    return true;
  });
  g.MinVV = all.min;
  g.MaxVV = all.max;
}

// ---------------------------------------------------------------------------------------------
// Derivative and mirror curves of the 2D analysis

// The curve of a derivative at the samples of v, into row 0 of curve.
bool Sampler::DerivativeCurve(PointArray<2>& curve, const SampledFormula* depth,
                              const SampledFormula& fy, const SampledFormula& fz) {
  for (int32_t j = 0; j <= stepV; ++j) {
    GraphPoint& p = curve(0, j);
    if (!PlaneRow(SampleAt(g.MinV, j, dv), 0.0f, depth, fy, fz, p)) return false;
    MarkOutsideView(p, ViewPairingScene);
  }
  return true;
}

Flow Sampler::Overlays() {
  const bool sampled = g.GraphType == Curve2D || g.GraphType == Ribbon25D;
  const bool firstSet =
      g.ShowDev || g.ShowQie || g.ShowNml || g.ShowMax || g.ShowMin || g.ShowCurv || g.ShowGuai;
  const bool secondSet = g.ShowGuai || g.ShowCurv;
  std::string tX, tY, tZ;
  const DerivativeName first = [this] { return "derivative of " + ListedGraphName(g); };
  const DerivativeName second = [this] { return "second derivative of " + ListedGraphName(g); };

  bool tooLong = false;
  TellOnceAbout once(g);

  if (firstSet) {
    std::optional<std::string> t = DerivativeOf(pX, first, &tooLong);
    if (!t) return NoDerivative(tooLong);
    tX = *t;
    if (!(t = DerivativeOf(pY, first, &tooLong))) return NoDerivative(tooLong);
    tY = *t;
    // A derivative of ExpressZ that cannot be formed stays empty: it compiles, and its first
    // evaluation finds no value.
    if ((t = DerivativeOf(pZ, first, &tooLong)))
      tZ = *t;
    else if (tooLong)
      return Flow::ReturnFalse;
    Flow f = Compile(tX, dX);
    if (f == Flow::Continue) f = Compile(tY, dY);
    if (f == Flow::Continue) f = Compile(tZ, dZ);
    if (f != Flow::Continue) return f;
    if (sampled && !DerivativeCurve(g.VertDev, &dX, dY, dZ)) return Flow::ReturnFalse;
  }

  if (secondSet) {
    std::optional<std::string> t2X = DerivativeOf(tX, second, &tooLong);
    if (!t2X) return NoDerivative(tooLong);
    std::optional<std::string> t2Y = DerivativeOf(tY, second, &tooLong);
    if (!t2Y) return NoDerivative(tooLong);
    std::optional<std::string> t2Z = DerivativeOf(tZ, second, &tooLong);
    if (!t2Z) return NoDerivative(tooLong);
    Flow f = Compile(*t2X, d2X);
    if (f == Flow::Continue) f = Compile(*t2Y, d2Y);
    if (f == Flow::Continue) f = Compile(*t2Z, d2Z);
    if (f != Flow::Continue) return f;
    // The second derivative of a parametric Cartesian curve lies in the picture's plane; the
    // polar one still takes its z from the second derivative of ExpressX.
    const SampledFormula* depth = g.CoordType == Polar ? &d2X : nullptr;
    if (sampled && !DerivativeCurve(g.VertDev2, depth, d2Y, d2Z)) return Flow::ReturnFalse;
  }

  if (g.ShowJO) {
    Flow f = Compile(pY, mY);
    if (f == Flow::Continue) f = Compile(MirrorVariable(g, pZ), mZ);
    if (f != Flow::Continue) return f;
    // The mirror curve at the mirrored samples, from pY as it is and pZ with its variable negated.
    // Its points lie in the picture's plane (z 0), the polar parametric ones too.
    if (sampled) {
      for (int32_t j = 0; j <= stepV; ++j) {
        const float s = Finite(static_cast<double>(j) * dv - static_cast<double>(g.MaxV));
        GraphPoint& p = g.VertJO(0, j);
        if (!PlaneRow(s, 0.0f, nullptr, mY, mZ, p)) return Flow::ReturnFalse;
        MarkOutsideView(p, ViewPairingDirect);
      }
    }
  }
  return Flow::Continue;
}

std::atomic<std::int64_t> g_samplings{0};

} // namespace

std::int64_t GraphSamplings() { return g_samplings.load(std::memory_order_relaxed); }

bool Graph::GetPoints() {
  g_samplings.fetch_add(1, std::memory_order_relaxed);
  try {
    Sampler sampler(*this);
    return sampler.Run();
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  // Memory ran out while the arrays were laid out.
  MsgBox(std::string(SamplingTooLargeMessage), MsgButtons::OK, MsgIcon::Critical, "Error");
  return false;
}
