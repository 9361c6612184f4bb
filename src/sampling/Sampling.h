#pragma once
// Graph sampling: what Graph::GetPoints and Graph::GetBox share with the rest of the program. The
// view-window test with its two axis pairings, the depth of 2.5D ribbons, the mirrored formula of
// the 2D analysis, and the size check that every setter of step or frame counts asks before it
// stores a count (the arrays and grids of a graph grow with its counts).
//
// What GetPoints fills, by kind (points in data units and scene order, y vertical; a coordinate
// without a value or outside the view window holds UndefinedValue):
//   Vert3D (0 .. StepU, 0 .. StepV) every call; VertDev, VertDev2 the same bounds every call;
//   VertPX, VertPY with ShowSurPX, ShowSurPY; VertCurve (0 .. StepU) for Curve3D; Vert2 for an
//   Intersection; VertRev (0 .. 40, 0 .. StepV) for surfaces of revolution; VertJO with ShowJO;
//   Anim1D (0 .. FrameCount), Anim2D (0 .. StepV, 0 .. FrameCount), AnimRibbon (0 .. 1, 0 .. StepV,
//   0 .. FrameCount), AnimCurve3D (0 .. StepU, 0 .. FrameCount), Anim3D (0 .. StepU, 0 .. StepV,
//   0 .. FrameCount) for the animated kinds, always with points; Anim4D laid out without points.
//   The value grids SampleGrid1..V (i, j, k) and FrameGrid1..V (i, j, k, frame) are sized from
//   StepU, StepV, StepW (and FrameCount) for 4D graphs and implicit surfaces: a 4D graph stores
//   the user's x, y, z in grids 1, 2, 3 (drawn at (grid 2, grid 3, grid 1)) with MinVV, MaxVV its
//   value range; an implicit surface stores the point's x, y, z in scene order with GridValueMin,
//   GridValueMax. The grids are laid out for the counts of each sampling (the samples at indices
//   that earlier counts also had keep their values until written again).
//
// What GetBox(step) writes besides its result: the own box BoxMinX .. BoxMaxZ; row 1 of Vert3D
// (Ribbon25D), of AnimRibbon at the step (Ribbon25DAnimation) and of VertTab3D (Table25D), the
// front row moved back by RibbonDepth; MinVV and MaxVV widened (4D graphs); PolarRegionBox (polar
// implicit and inequality curves).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct GraphPoint;
class Graph;
class CompiledFormula;
struct FormulaVars;
struct EvalOutcome;

// Which interval of the view window judges each coordinate of a point.
enum ViewPairing : int32_t {
  ViewPairingDirect = 0, // x by ViewMinX .. ViewMaxX, y by Y, z by Z
  ViewPairingScene = 1,  // x by ViewMinY .. ViewMaxY, y by Z, z by X (the user's axes)
};

// Replaces every coordinate of p that lies outside its view-window interval (both bounds belong
// to the window) by UndefinedValue; each coordinate is judged by itself.
void MarkOutsideView(GraphPoint& p, ViewPairing pairing);

// Depth of the back edge of 2.5D ribbons and 2.5D tables along z, in data units.
inline constexpr float RibbonDepth = 3.0f;

// True exactly for the one-character texts "a" .. "z" and "A" .. "Z".
bool IsLetter(std::string_view c);

// The formula text with the variable of the graph's curve negated: "x" for an explicit Cartesian
// 2D curve, "u" for a parametric one, "a" for an explicit polar curve, "u" for a parametric polar
// one; an occurrence counts only when neither neighbour is a letter (x^2+sin(x) becomes
// (-x)^2+sin((-x))). Any other coordinate system and form gives the empty text.
std::string MirrorVariable(const Graph& graph, const std::string& text);

// Whether the point arrays and value grids that sampling lays out for a graph of this kind fit in
// memory with these counts (StepW and FrameCount of 0 count as 1). Negative counts never fit.
bool SamplingCountsFit(int32_t graphType, int32_t funForm, int32_t coordType, int32_t stepU,
                       int32_t stepV, int32_t stepW, int32_t frameCount, bool showSurPX = false,
                       bool showSurPY = false, bool showJO = false);
// The same question for a graph as it stands, with the program's FrameCount.
bool SamplingCountsFit(const Graph& graph);
// The bytes of the point arrays and value grids that sampling lays out for these counts, and of
// the copy of the drawn points that the scene's display lists keep; nothing when they do not fit
// (as SamplingCountsFit).
std::optional<std::size_t> SamplingBytes(int32_t graphType, int32_t funForm, int32_t coordType,
                                         int32_t stepU, int32_t stepV, int32_t stepW,
                                         int32_t frameCount, bool showSurPX = false,
                                         bool showSurPY = false, bool showJO = false);
// The same for a graph as it stands, with the program's FrameCount.
std::optional<std::size_t> SamplingBytes(const Graph& graph);
// The bytes a graph takes apart from its samples: the object with its settings and texts, and what
// the program keeps for each graph it holds besides (its row in the graph list with its caption,
// its keys in both containers and its display list when drawn). A document's graphs are counted
// with this against the budget before any of them is made.
std::size_t GraphBytes(const Graph& graph);
// How many times GetPoints has been called since the program started, on any graph: what a
// command costs in sampling, as tests and benchmarks count it.
std::int64_t GraphSamplings();

// Runs a compiled formula at count values of one variable (slot; the other variables as in base):
// out[i] the outcome at at[i]. The runs are spread over the program's worker threads as far as the
// work pays, as sampling's are; a formula that draws random numbers runs in order on the caller's
// thread. The outcomes are those of one run after another.
void RunAtMany(const CompiledFormula& formula, const FormulaVars& base, float FormulaVars::*slot,
               const float* at, EvalOutcome* out, int64_t count);

// How many bytes the samples of all graphs of one document may take together, asked anew each
// time: at most 4 GiB and at most half of the machine's memory, of the memory available now, of the
// address space left under its limit and of what the process's control groups leave beside their
// use (SamplingBudgetFor in sampling/MemoryLimits.h, which says why half). The limits are read from
// the system, or from the tree that the environment variable CORVALIN_MEMORY_ROOT names.
std::size_t DocumentSamplingBudget();

// The share of sampling in the progress window of work that samples graphs and then compiles
// their frames (measured on an animated surface of 10,000 frames: 4.7 s of 24 s).
inline constexpr double SamplingShareOfFrameWork = 0.2;

// The message a setter of counts shows when SamplingCountsFit refuses them (title "Error").
inline constexpr std::string_view SamplingTooLargeMessage =
    "The step counts are too large: the samples of this graph would not fit in memory.";

// Whether a graph draws pictures of its heights on a floor below it (a surface, table surface,
// animated surface or surface of revolution, not implicit, with ShowContour, ShowVector or
// ShowColormap on). GetBox lowers such a graph's box to take in the floor, 3 below its lowest
// height; the drawing raises it back by 3 before it draws.
bool HasFloorOverlays(const Graph& graph);

// Whether a 2D curve of the explicit or parametric form (GraphType Curve2D, StepStemPlot,
// Curve2DAnimation, Intersection) has at least one sample with a defined x and y at the animation
// step (its first function's samples; true for every other graph). A curve without one (y = 1/0)
// takes no part in the box: the box and the axes stay as the other graphs make them.
bool HasDefinedCurvePoint(const Graph& graph, int32_t animStep = 0);
