#pragma once
// The analysis of an explicit or parametric 2D curve as data, apart from drawing and reporting:
// roots, extrema and inflexions (crossings of a sampled curve with the x axis), the integral with
// its shading, the intersections of two curves with the area between them, tangents, normals and
// curvature circles. Every function takes samples and compiled formulas and gives back points,
// values and polygons in data units; the drawing stages emit them and the report lines are written
// from them.
//
// A curve is one of four forms, each with a parameter t:
//   explicit Cartesian  x = t, y = f(t)                     (ExpressZ in X)
//   explicit polar      angle = t, r = f(t)                 (ExpressZ in A)
//   parametric Cartesian x = X(u), y = Y(u)                 (ExpressY, ExpressZ in U)
//   parametric polar    angle = A(u), r = R(u)              (ExpressY, ExpressZ in U)
// The explicit Cartesian form keeps the single-precision methods the results were always
// computed with; the other forms use the formulas of a curve in the plane, so that an extremum is
// a highest or lowest point of the drawn curve, an inflexion a change of its bending, and a
// length, an integral or a curvature circle those of the drawn curve.

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "formula/CompiledFormula.h"
#include "model/Graph.h"

// One sample of a curve in data units (z is 0 for curves in the plane).
struct SamplePoint {
  float x = 0.0f, y = 0.0f, z = 0.0f;
};
using CurveSamples = std::vector<SamplePoint>;

// The formula texts and compiled formulas of a curve: TY and TZ the x- and y-formulas (the angle
// and radius formulas of a polar curve), D their first and D2 their second derivatives by the
// parameter, Q the derivative of DZ / DY (parametric Cartesian curves).
struct CurveFormulas {
  int32_t CoordType = Cartesian2D; // or Polar
  int32_t FunForm = Explicit;      // or Parametric
  FormulaVars Base; // every variable but the parameter: T of an animated curve, else 0
  std::string TYText, TZText, DYText, DZText;
  CompiledFormula TY, TZ, DY, DZ, D2Y, D2Z, Q;

  bool IsExplicit() const;
  bool IsPolar() const;
  // The variables with the parameter in X (explicit Cartesian), A (explicit polar) or U.
  FormulaVars At(float t) const;
};

// The parameter samples of a curve: t_j = min + j * (max - min) / steps, j = 0 .. steps, each
// step count times step worked in double and stored as single, as sampling does.
std::vector<float> ParameterSamples(float minV, float maxV, int32_t steps);

// ---- crossings with the x axis ----

// Where segment j (points j and j + 1) of a sampled curve meets the axis segment (axisMin, 0) -
// (axisMax, 0): segments with an undefined x or y are skipped, and a sample on the axis is found
// by both segments that share it.
struct AxisCrossing {
  int32_t Segment = 0;
  float X = 0.0f, Y = 0.0f;
};
std::vector<AxisCrossing> AxisCrossings(const CurveSamples& curve, float axisMin, float axisMax);

// ---- the curve at one parameter value ----

// Position and derivatives by the parameter, in the plane. Defined is false where the position
// has no value; HasFirst and HasSecond where the derivatives have none.
struct PlaneState {
  bool Defined = false, HasFirst = false, HasSecond = false;
  double X = 0, Y = 0, DX = 0, DY = 0, DDX = 0, DDY = 0;
};
PlaneState CurveStateAt(const CurveFormulas& f, float t, int order);

// The samples of the slope of the curve's height, (t_j, dy/dt), and of its bending, (t_j,
// x'y'' - y'x''; for an explicit Cartesian curve simply y''), at the parameter samples; a value
// without a value is UndefinedValue.
CurveSamples HeightSlopeSamples(const CurveFormulas& f, const std::vector<float>& params);
CurveSamples BendingSamples(const CurveFormulas& f, const std::vector<float>& params);

// ---- extrema and inflexions ----

// A highest (Maximum) or lowest point where the sampled slope of the height crosses the axis and
// the height at the crossing lies above (below) the heights 0.05 before and after it. For an
// explicit Cartesian curve the slope samples are its derivative curve and the heights come from
// TZ with X the crossing's x and Y its y. For the other forms the slope samples are taken over the
// parameter domain axisMin .. axisMax and the neighbours 0.05 away are kept inside it, so no
// extremum comes from a point the curve does not have. Per segment a maximum comes before a
// minimum.
struct Extremum {
  int32_t Segment = 0;
  bool Maximum = false;
  float X = 0.0f, Y = 0.0f;
};
std::vector<Extremum> FindExtrema(const CurveFormulas& f, const CurveSamples& slope, float axisMin,
                                  float axisMax, bool maxima, bool minima);

// A point where the sampled bending crosses the axis and the bending 0.1 before and after the
// crossing has strictly opposite signs (kept inside the parameter domain, as for extrema).
struct Inflexion {
  int32_t Segment = 0;
  float X = 0.0f, Y = 0.0f;
};
std::vector<Inflexion> FindInflexions(const CurveFormulas& f, const CurveSamples& bending,
                                      float axisMin, float axisMax);

// ---- tangents, normals and curvature circles ----

// Where a tangent's direction is vertical its slope is written as this large value (signed).
inline constexpr float kVerticalSlope = 1.0E+07f;

// A tangent (1.6 data units long) or normal (1 unit) at parameter value t. Position: the values
// the position line reports (x, y, or a, r of an explicit polar curve); parametric forms have
// none. Without a defined point there is no slope and no line; a point whose direction has no
// value (an undefined derivative, or both derivatives 0) has no slope and no line either.
struct TangentLine {
  bool HasPosition = false;
  float P1 = 0.0f, P2 = 0.0f;
  bool Defined = false;
  bool HasSlope = false;
  float X = 0.0f, Y = 0.0f, Slope = 0.0f;
  SamplePoint From, To;
};
TangentLine TangentAt(const CurveFormulas& f, float t);
TangentLine NormalAt(const CurveFormulas& f, float t);

// The osculating circle at parameter value t: the point, the curvature 1 / R, the radius, the
// centre and the 41 rim points (angles j * 15708 / 100000, j = 0 .. 40). Defined is false where
// the point or its derivatives have no value; such a circle is left out.
struct CurvatureCircle {
  bool Defined = false;
  float X = 0.0f, Y = 0.0f, Curvature = 0.0f, Radius = 0.0f, CX = 0.0f, CY = 0.0f;
  std::array<SamplePoint, 41> Rim{};
};
CurvatureCircle CurvatureAt(const CurveFormulas& f, float t);

// ---- integral and area ----

// A filled quad or triangle in data units, corners counter-clockwise seen from positive z.
struct ShadePolygon {
  int32_t Count = 4;
  std::array<SamplePoint, 4> Corner{};
};

// The step j of samples (sample j to j + 1) that last brackets w, by the samples' keys (the x of an
// explicit Cartesian curve's samples, else the parameter values), with a tolerance of 0.00001;
// 0 when no step does.
int32_t LastBracketingStep(const std::vector<float>& keys, float w);

// The shading of the integral from `from` to `to`: strips between the curve and the x axis
// (Cartesian forms) or a fan of triangles from the pole (polar forms). keys are the samples'
// x (explicit Cartesian) or parameter values; fromPoint and toPoint the curve at the two limits.
std::vector<ShadePolygon> CartesianIntegralShading(const CurveSamples& curve,
                                                   const std::vector<float>& keys, float from,
                                                   float to, SamplePoint fromPoint,
                                                   SamplePoint toPoint);
std::vector<ShadePolygon> PolarIntegralShading(const CurveSamples& curve, float minV, float maxV,
                                               int32_t steps, float from, float to);
// The fan of triangles from the pole over the whole steps s .. t - 1 (indices brought into the
// samples).
std::vector<ShadePolygon> PolarFan(const CurveSamples& curve, int32_t s, int32_t t);

// The integrand of an explicit curve's integral as formula text: y (Cartesian, in X) or
// 0.5*r^2 (polar, in A).
std::string IntegralIntegrand(const CurveFormulas& f);

// ---- the integral of a parametric curve ----
// The limits of a parametric curve's integral keep their meaning: x values (angles for a polar
// curve), as the report line and the stored documents say. The value is the integral of y dx
// (of r^2 / 2 da) along the drawn curve from the point where its x reaches the lower limit to the
// point where it reaches the upper one.

// The keys of the parameter samples: the x-formula (the angle formula) TY at each, UndefinedValue
// where it has none.
std::vector<float> ParametricKeys(const CurveFormulas& f, const std::vector<float>& params);

// The parameter value where the curve's key reaches w: on the last sample step whose keys enclose
// w (either way round, with the tolerance 0.00001), narrowed on the formula TY by halving the
// step. False when no step encloses w.
bool ParameterAtKey(const CurveFormulas& f, const std::vector<float>& params,
                    const std::vector<float>& keys, float w, float& t);

// The integral of y dx (Cartesian) or r^2 / 2 da (polar) along the curve from parameter a to b,
// as trapezoid sums over the parameter refined by halving until two estimates differ by less than
// 0.001. It needs no derivative, so a curve whose x-formula cannot be differentiated (abs(u)) has
// its integral too. UndefinedValue where a value on the way has none; the finest estimate where
// the sums do not settle within 2^16 steps.
float IntegrateAlongCurve(const CurveFormulas& f, float a, float b);
// The integrand of the curve's length.
std::string LengthIntegrand(const CurveFormulas& f);
// The integral of an integrand text over the parameter from a to b by the trapezoid refinement to
// 0.001; UndefinedValue where the integrand has no value in the interval or does not compile.
float IntegrateOverParameter(const CurveFormulas& f, const std::string& integrand, float a,
                             float b);

// ---- the work of the integrals ----
// The integrals above and IntersectionArea run their formulas on the worker threads, and keep
// their values for the drawings that follow: the same formula texts, limits and variables give
// the value back without the work.

// While one lives, those integrals report their work as steps of the work in progress
// (WorkProgress.h), and a cancelled work stops them with WorkCancelled. Only where no display list
// is being recorded: the progress window then handles its events.
class AnalysisWorkSteps {
public:
  AnalysisWorkSteps();
  ~AnalysisWorkSteps();
  AnalysisWorkSteps(const AnalysisWorkSteps&) = delete;
  AnalysisWorkSteps& operator=(const AnalysisWorkSteps&) = delete;

private:
  bool m_before;
};

// The value of an integral that was not worked out (its work was cancelled): a NaN, which no
// integral gives otherwise. The report says so in place of a number.
inline const float NotWorkedOut = std::numeric_limits<float>::quiet_NaN();

// While one lives with active true, those integrals give the values kept and NotWorkedOut for
// any other, without the work: the drawing of a graph whose analysis the user cancelled.
class IntegralsNotWorkedOut {
public:
  explicit IntegralsNotWorkedOut(bool active);
  ~IntegralsNotWorkedOut();
  IntegralsNotWorkedOut(const IntegralsNotWorkedOut&) = delete;
  IntegralsNotWorkedOut& operator=(const IntegralsNotWorkedOut&) = delete;

private:
  bool m_before;
};

// How many integrals have been worked out since the program started (not those given back from
// the kept values): what a drawing costs in integrals, as tests count it.
int64_t AnalysisIntegrations();

// ---- intersections of two curves ----

// The crossings of every step of the first curve with every step of the second (first curve's
// steps outer, both ascending; an overlap counts with its left end), leaving out pairs with an
// undefined y. Pairs whose x ranges are apart never meet and are not compared. TooMany when more
// than `limit` are found; Points then holds the first `limit`.
struct IntersectionSearch {
  std::vector<SamplePoint> Points;
  bool TooMany = false;
};
IntersectionSearch FindIntersections(const CurveSamples& first, const CurveSamples& second,
                                     size_t limit = 50);

// The strips between two curves sampled at the same x, over the whole steps between the steps
// that bracket the smallest and largest x of the intersections; steps where the curves cross or
// touch are left out.
std::vector<ShadePolygon> IntersectionStrips(const CurveSamples& first, const CurveSamples& second,
                                             const std::vector<SamplePoint>& points);

// The area between two explicit functions F and G of X over consecutive intersections: the
// integral of the upper minus the lower one (judged at the midpoint) from each x to the next.
// UndefinedValue when a term has no value.
float IntersectionArea(const std::string& fText, const std::string& gText, const CompiledFormula& f,
                       const CompiledFormula& g, const std::vector<SamplePoint>& points,
                       const FormulaVars& base);
