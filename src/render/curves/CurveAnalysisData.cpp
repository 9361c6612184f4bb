#include "render/curves/CurveAnalysisData.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <deque>
#include <mutex>
#include <optional>

#include "formula/FormulaGlobals.h"
#include "formula/FormulaParser.h"
#include "formula/Integration.h"
#include "model/Graph.h"
#include "platform/WorkProgress.h"
#include "render/curves/Curve2DData.h"
#include "render/curves/SegmentIntersection.h"
#include "sampling/Sampling.h"

namespace {

bool Undefined(float v) { return v == UndefinedValue; }

// A whole offset added in double precision and stored as single, as the searches have always
// placed their neighbours.
float Offset(float x, double by) { return static_cast<float>(static_cast<double>(x) + by); }

float Eval(const CompiledFormula& formula, const FormulaVars& vars) {
  return formula.Evaluate(vars);
}

// The line through a point with slope k, `half` data units to each side: (x - half cos, y - half
// sin) first, then (x + half cos, y + half sin).
void LineEnds(float x, float y, float k, double half, SamplePoint& from, SamplePoint& to) {
  const float theta = static_cast<float>(std::atan(static_cast<double>(k)));
  const double c = std::cos(static_cast<double>(theta));
  const double s = std::sin(static_cast<double>(theta));
  from = {static_cast<float>(x - half * c), static_cast<float>(y - half * s), 0.0f};
  to = {static_cast<float>(x + half * c), static_cast<float>(y + half * s), 0.0f};
}

// The slope of a direction (dx, dy): dy / dx, or the large signed value where dx is 0. False
// where the direction has no value.
bool SlopeOf(double dy, double dx, float& k) {
  if (dx == 0.0) {
    if (dy == 0.0) return false;
    k = dy > 0 ? kVerticalSlope : -kVerticalSlope;
    return true;
  }
  const double q = dy / dx;
  if (!std::isfinite(q)) return false;
  k = static_cast<float>(q);
  return std::isfinite(k);
}

// The tangent's point and slope at t, by form. False when the point is undefined (P1 and P2 are
// still filled for the position line).
void TangentBase(const CurveFormulas& f, float t, TangentLine& out) {
  const FormulaVars v = f.At(t);
  if (f.IsExplicit() && !f.IsPolar()) {
    const float y = Eval(f.TZ, v);
    out.HasPosition = true;
    out.P1 = t;
    out.P2 = y;
    if (Undefined(y)) return;
    out.Defined = true;
    out.X = t;
    out.Y = y;
    const float yp = Eval(f.DZ, v);
    if (Undefined(yp)) return;
    out.HasSlope = true;
    out.Slope = yp; // the parameter is the x, so x' = 1
    return;
  }
  if (f.IsExplicit()) {
    // Polar: a = t, r = f(a); slope (r' tan a + r) / (r' - r tan a), the dy/dx of r cos a, r sin a.
    const float r = Eval(f.TZ, v);
    out.HasPosition = true;
    out.P1 = t;
    out.P2 = r;
    if (Undefined(r)) return;
    out.Defined = true;
    out.X = static_cast<float>(r * std::cos(static_cast<double>(t)));
    out.Y = static_cast<float>(r * std::sin(static_cast<double>(t)));
    const float rp = Eval(f.DZ, v);
    if (Undefined(rp)) return;
    const double tn = std::tan(static_cast<double>(t));
    const double num = static_cast<double>(rp) * tn + r;
    const double den = static_cast<double>(rp) - static_cast<double>(r) * tn;
    out.HasSlope = SlopeOf(num, den, out.Slope);
    return;
  }
  if (!f.IsPolar()) {
    const float x = Eval(f.TY, v);
    const float y = Eval(f.TZ, v);
    if (Undefined(x) || Undefined(y)) return;
    out.Defined = true;
    out.X = x;
    out.Y = y;
    const float xp = Eval(f.DY, v);
    const float yp = Eval(f.DZ, v);
    if (Undefined(xp) || Undefined(yp)) return;
    if (xp == 0.0f) {
      out.HasSlope = SlopeOf(yp, 0.0, out.Slope);
    } else {
      out.Slope = yp / xp; // in single precision, as the slope has always been worked
      out.HasSlope = std::isfinite(out.Slope);
    }
    return;
  }
  const PlaneState s = CurveStateAt(f, t, 1);
  if (!s.Defined) return;
  out.Defined = true;
  out.X = static_cast<float>(s.X);
  out.Y = static_cast<float>(s.Y);
  if (s.HasFirst) out.HasSlope = SlopeOf(s.DY, s.DX, out.Slope);
}

// The variable that holds the curve's parameter: u, or for an explicit curve its x (its angle a).
float FormulaVars::*ParameterOf(const CurveFormulas& f) {
  if (!f.IsExplicit()) return &FormulaVars::U;
  return f.IsPolar() ? &FormulaVars::A : &FormulaVars::X;
}

// Integrals worked out, kept for the drawings that follow (a Zoom to Fit compiles the scene
// again, and the analysis is worked out before a compilation): the same formula texts, limits and
// variables give a value back without the work. Only values that exist are kept, and none of
// formulas that draw random numbers; the newest last, the oldest given up first.
class KeptIntegrals {
public:
  // The key of an integral: its kind, texts, limits and the variables it is worked with.
  static std::string Key(char kind, const std::vector<const std::string*>& texts, float a, float b,
                         const FormulaVars& base, float FormulaVars::*position) {
    std::string key(1, kind);
    for (const std::string* text : texts) {
      key += *text;
      key.push_back('\0');
    }
    const auto append = [&key](const auto& value) {
      key.append(reinterpret_cast<const char*>(&value), sizeof value);
    };
    append(a);
    append(b);
    for (float v : {base.U, base.V, base.X, base.Y, base.Z, base.A, base.R, base.B, base.T})
      append(v);
    append(base.N);
    append(reinterpret_cast<const char*>(&(base.*position)) - reinterpret_cast<const char*>(&base));
    return key;
  }
  static std::optional<float> Find(const std::string& key) {
    std::lock_guard<std::mutex> lock(m_lock);
    for (const auto& [k, value] : m_kept)
      if (k == key) return value;
    return std::nullopt;
  }
  static void Keep(std::string key, float value) {
    if (Undefined(value)) return;
    std::lock_guard<std::mutex> lock(m_lock);
    m_bytes += key.size();
    m_kept.emplace_back(std::move(key), value);
    while (m_kept.size() > MostValues || m_bytes > MostBytes) {
      m_bytes -= m_kept.front().first.size();
      m_kept.pop_front();
    }
  }

private:
  // Enough for the integrals of every graph of a document drawn at once (a compilation works them
  // out ahead and then draws them), and at most a few megabytes of formula texts.
  static constexpr size_t MostValues = 1024;
  static constexpr size_t MostBytes = size_t{16} << 20;
  static inline std::deque<std::pair<std::string, float>> m_kept;
  static inline size_t m_bytes = 0;
  static inline std::mutex m_lock;
};

// Whether the integrals may report their passes to the work in progress (AnalysisWorkSteps), and
// whether they are not to be worked out at all (IntegralsNotWorkedOut).
bool g_reportSteps = false;
bool g_noWork = false;
std::atomic<int64_t> g_integrations{0};

// Runs a formula at many positions for an integration, on the worker threads. While the analysis
// is worked out ahead of a drawing, every part of about this many positions is a step of the work
// in progress, and Cancel stops the integration (WorkCancelled).
void RunForIntegral(const CompiledFormula& formula, const FormulaVars& base,
                    float FormulaVars::*position, const float* at, EvalOutcome* out, int64_t count,
                    int64_t& done, int64_t total) {
  constexpr int64_t Part = 2048;
  for (int64_t from = 0; from < count; from += Part) {
    if (g_reportSteps && !ReportWorkStep(done, total)) throw WorkCancelled();
    const int64_t n = std::min(Part, count - from);
    RunAtMany(formula, base, position, at + from, out + from, n);
    done += n;
  }
}

// The integral of an integrand text by the trapezoid refinement of IntegrateFormula to 0.001,
// each pass's samples run on the worker threads, kept for the drawings that follow.
// UndefinedValue where the text does not compile (the parser has shown why).
float IntegralOf(const std::string& integrand, float a, float b, const FormulaVars& base,
                 float FormulaVars::*position) {
  std::string key = KeptIntegrals::Key('I', {&integrand}, a, b, base, position);
  if (const auto kept = KeptIntegrals::Find(key)) return *kept;
  if (g_noWork) return NotWorkedOut;
  std::string postfix;
  if (FormulaParser().InfixToPostfix(integrand, postfix) != 0) return UndefinedValue;
  const CompiledFormula formula(postfix);
  ++g_integrations;
  // The most samples an integration takes: both ends and fifteen passes.
  constexpr int64_t Most = 32769;
  int64_t done = 0;
  const SampleMany many = [&](const float* at, EvalOutcome* out, int32_t count) {
    RunForIntegral(formula, base, position, at, out, count, done, Most);
  };
  const float value = IntegrateFormula(a, b, 0.001f, formula, base, position, nullptr, &many);
  if (!formula.UsesRandom()) KeptIntegrals::Keep(std::move(key), value);
  return value;
}

} // namespace

bool CurveFormulas::IsExplicit() const { return FunForm == Explicit; }
bool CurveFormulas::IsPolar() const { return CoordType == Polar; }

FormulaVars CurveFormulas::At(float t) const {
  FormulaVars v = Base;
  v.*ParameterOf(*this) = t;
  return v;
}

std::vector<float> ParameterSamples(float minV, float maxV, int32_t steps) {
  std::vector<float> t;
  if (steps < 1) return t;
  const float dv = (maxV - minV) / static_cast<float>(steps);
  t.reserve(static_cast<size_t>(steps) + 1);
  for (int32_t j = 0; j <= steps; ++j) {
    const float s = static_cast<float>(static_cast<double>(minV) + double(j) * double{dv});
    t.push_back(std::isfinite(s) ? s : UndefinedValue);
  }
  return t;
}

std::vector<AxisCrossing> AxisCrossings(const CurveSamples& curve, float axisMin, float axisMax) {
  std::vector<AxisCrossing> out;
  for (size_t j = 0; j + 1 < curve.size(); ++j) {
    float x0 = 0, y0 = 0;
    if (SegmentRoot(curve[j].x, curve[j].y, curve[j + 1].x, curve[j + 1].y, axisMin, axisMax, x0,
                    y0))
      out.push_back({static_cast<int32_t>(j), x0, y0});
  }
  return out;
}

PlaneState CurveStateAt(const CurveFormulas& f, float t, int order) {
  PlaneState s;
  const FormulaVars v = f.At(t);
  // Values of the two formulas (x and y, or angle and radius) and their derivatives.
  float p = t, q = Eval(f.TZ, v);
  float dp = 1.0f, dq = 0.0f, ddp = 0.0f, ddq = 0.0f;
  if (!f.IsExplicit()) p = Eval(f.TY, v);
  if (Undefined(p) || Undefined(q)) return s;
  s.Defined = true;
  bool first = false, second = false;
  if (order >= 1) {
    dq = Eval(f.DZ, v);
    if (!f.IsExplicit()) dp = Eval(f.DY, v);
    first = !Undefined(dp) && !Undefined(dq);
  }
  if (order >= 2 && first) {
    ddq = Eval(f.D2Z, v);
    if (!f.IsExplicit()) ddp = Eval(f.D2Y, v);
    second = !Undefined(ddp) && !Undefined(ddq);
  }
  if (!f.IsPolar()) {
    s.X = p;
    s.Y = q;
    s.DX = dp;
    s.DY = dq;
    s.DDX = ddp;
    s.DDY = ddq;
  } else {
    // x = r cos a, y = r sin a with a and r functions of the parameter.
    const double a = p, r = q, da = dp, dr = dq, dda = ddp, ddr = ddq;
    const double c = std::cos(a), sn = std::sin(a);
    s.X = r * c;
    s.Y = r * sn;
    s.DX = dr * c - r * da * sn;
    s.DY = dr * sn + r * da * c;
    s.DDX = ddr * c - 2 * dr * da * sn - r * dda * sn - r * da * da * c;
    s.DDY = ddr * sn + 2 * dr * da * c + r * dda * c - r * da * da * sn;
  }
  s.HasFirst = first;
  s.HasSecond = second;
  return s;
}

CurveSamples HeightSlopeSamples(const CurveFormulas& f, const std::vector<float>& params) {
  CurveSamples out;
  out.reserve(params.size());
  for (float t : params) {
    float slope = UndefinedValue;
    if (f.IsExplicit() && !f.IsPolar()) {
      slope = Eval(f.DZ, f.At(t));
    } else {
      const PlaneState s = CurveStateAt(f, t, 1);
      if (s.HasFirst) slope = static_cast<float>(s.DY);
    }
    if (!std::isfinite(slope)) slope = UndefinedValue;
    out.push_back({t, slope, 0.0f});
  }
  return out;
}

CurveSamples BendingSamples(const CurveFormulas& f, const std::vector<float>& params) {
  CurveSamples out;
  out.reserve(params.size());
  for (float t : params) {
    float bend = UndefinedValue;
    if (f.IsExplicit() && !f.IsPolar()) {
      bend = Eval(f.D2Z, f.At(t));
    } else {
      const PlaneState s = CurveStateAt(f, t, 2);
      if (s.HasSecond) bend = static_cast<float>(s.DX * s.DDY - s.DY * s.DDX);
    }
    if (!std::isfinite(bend)) bend = UndefinedValue;
    out.push_back({t, bend, 0.0f});
  }
  return out;
}

std::vector<Extremum> FindExtrema(const CurveFormulas& f, const CurveSamples& slope, float axisMin,
                                  float axisMax, bool maxima, bool minima) {
  std::vector<Extremum> out;
  const bool cartesianExplicit = f.IsExplicit() && !f.IsPolar();
  for (const AxisCrossing& c : AxisCrossings(slope, axisMin, axisMax)) {
    float f0, fm, fp, x, y;
    if (cartesianExplicit) {
      FormulaVars v = f.Base;
      v.Y = c.Y;
      v.X = c.X;
      f0 = Eval(f.TZ, v);
      v.X = Offset(c.X, -0.05);
      fm = Eval(f.TZ, v);
      v.X = Offset(c.X, 0.05);
      fp = Eval(f.TZ, v);
      x = c.X;
      y = f0;
    } else {
      const auto height = [&](float t) {
        const PlaneState s = CurveStateAt(f, t, 0);
        return s.Defined ? static_cast<float>(s.Y) : UndefinedValue;
      };
      const PlaneState at = CurveStateAt(f, c.X, 0);
      if (!at.Defined) continue;
      x = static_cast<float>(at.X);
      y = f0 = static_cast<float>(at.Y);
      // The neighbours stay on the curve: beyond an end of the parameter domain the curve has no
      // point, so a neighbour there is the end itself, and an end is never an extremum.
      fm = height(std::clamp(Offset(c.X, -0.05), axisMin, axisMax));
      fp = height(std::clamp(Offset(c.X, 0.05), axisMin, axisMax));
    }
    if (Undefined(f0)) continue;
    if (maxima && f0 > fm && f0 > fp) out.push_back({c.Segment, true, x, y});
    if (minima && f0 < fm && f0 < fp) out.push_back({c.Segment, false, x, y});
  }
  return out;
}

std::vector<Inflexion> FindInflexions(const CurveFormulas& f, const CurveSamples& bending,
                                      float axisMin, float axisMax) {
  std::vector<Inflexion> out;
  const bool cartesianExplicit = f.IsExplicit() && !f.IsPolar();
  const auto opposite = [](float a, float b) {
    if (Undefined(a) || Undefined(b)) return false;
    return (a > 0 && b < 0) || (a < 0 && b > 0);
  };
  for (const AxisCrossing& c : AxisCrossings(bending, axisMin, axisMax)) {
    if (cartesianExplicit) {
      FormulaVars v = f.Base;
      v.Y = c.Y;
      v.X = Offset(c.X, -0.1);
      const float a = Eval(f.D2Z, v);
      v.X = Offset(c.X, 0.1);
      const float b = Eval(f.D2Z, v);
      if (!opposite(a, b)) continue;
      v.X = c.X;
      const float f0 = Eval(f.TZ, v);
      if (Undefined(f0)) continue;
      out.push_back({c.Segment, c.X, f0});
    } else {
      const auto bend = [&](float t) {
        const PlaneState s = CurveStateAt(f, t, 2);
        return s.HasSecond ? static_cast<float>(s.DX * s.DDY - s.DY * s.DDX) : UndefinedValue;
      };
      if (!opposite(bend(std::clamp(Offset(c.X, -0.1), axisMin, axisMax)),
                    bend(std::clamp(Offset(c.X, 0.1), axisMin, axisMax))))
        continue;
      const PlaneState at = CurveStateAt(f, c.X, 0);
      if (!at.Defined) continue;
      out.push_back({c.Segment, static_cast<float>(at.X), static_cast<float>(at.Y)});
    }
  }
  return out;
}

TangentLine TangentAt(const CurveFormulas& f, float t) {
  TangentLine out;
  TangentBase(f, t, out);
  if (out.Defined && out.HasSlope) LineEnds(out.X, out.Y, out.Slope, 0.8, out.From, out.To);
  return out;
}

TangentLine NormalAt(const CurveFormulas& f, float t) {
  TangentLine out;
  TangentBase(f, t, out);
  if (!out.Defined || !out.HasSlope) return out;
  float k = out.Slope;
  if (k == 0.0f) k = 0.0000001f; // a horizontal tangent: the normal is (nearly) vertical
  out.Slope = -1.0f / k;
  // The normal runs from the + end to the - end.
  LineEnds(out.X, out.Y, out.Slope, 0.5, out.To, out.From);
  return out;
}

CurvatureCircle CurvatureAt(const CurveFormulas& f, float t) {
  CurvatureCircle c;
  const FormulaVars v = f.At(t);
  bool general = f.IsPolar();
  float x = 0, y = 0, k = 0, s = 0;
  if (!general) {
    const float yp = Eval(f.DZ, v);
    const float ypp = Eval(f.D2Z, v);
    float xp = 1.0f; // an explicit curve's parameter is its x
    float q = 0.0f;
    if (f.IsExplicit()) {
      x = t;
    } else {
      xp = Eval(f.DY, v);
      q = Eval(f.Q, v);
      x = Eval(f.TY, v);
    }
    y = Eval(f.TZ, v);
    if (Undefined(x) || Undefined(y)) return c;
    if (xp == 0.0f) {
      general = true; // a vertical tangent: no slope to work with
    } else {
      const float curve = f.IsExplicit() ? ypp : q;
      if (Undefined(yp) || Undefined(xp) || Undefined(curve)) return c;
      k = yp / xp;
      s = curve / xp;
      if (!std::isfinite(k) || !std::isfinite(s)) return c;
      if (s == 0.0f) s = 0.0001f;
    }
  }
  double cx, cy;
  if (!general) {
    const double kk = 1.0 + double{k} * double{k};
    cx = double{x} - double{k} * kk / double{s};
    cy = double{y} + kk / double{s};
    c.Curvature = static_cast<float>(std::fabs(double{s}) / std::pow(kk, 1.5));
    c.Radius = 1.0f / c.Curvature;
  } else {
    const PlaneState p = CurveStateAt(f, t, 2);
    if (!p.Defined || !p.HasSecond) return c;
    x = static_cast<float>(p.X);
    y = static_cast<float>(p.Y);
    const double len2 = p.DX * p.DX + p.DY * p.DY;
    if (!(len2 > 0) || !std::isfinite(len2)) return c;
    const double bend = p.DX * p.DDY - p.DY * p.DDX;
    double kappa = std::fabs(bend) / std::pow(len2, 1.5);
    if (bend == 0.0) kappa = 0.0001; // a straight piece, as for the other forms
    c.Curvature = static_cast<float>(kappa);
    c.Radius = 1.0f / c.Curvature;
    // The centre lies on the normal, on the side the curve bends to.
    const double side = bend < 0 ? -1.0 : 1.0;
    const double len = std::sqrt(len2);
    // From the point as computed, not from its single-precision copy: the offset along the
    // normal is computed from the same unrounded values, so a circle about the origin has its
    // centre at exactly 0 whatever the compiler keeps in registers.
    cx = p.X - side * p.DY / len * double{c.Radius};
    cy = p.Y + side * p.DX / len * double{c.Radius};
  }
  c.CX = static_cast<float>(cx);
  c.CY = static_cast<float>(cy);
  if (!std::isfinite(c.Radius) || !std::isfinite(c.CX) || !std::isfinite(c.CY)) return c;
  c.X = x;
  c.Y = y;
  c.Curvature = 1.0f / c.Radius;
  for (int32_t j = 0; j <= 40; ++j) {
    const float alpha = static_cast<float>(double(j * 15708) / 100000.0);
    c.Rim[static_cast<size_t>(j)] = {static_cast<float>(c.Radius * std::cos(double{alpha}) + c.CX),
                                     static_cast<float>(c.Radius * std::sin(double{alpha}) + c.CY),
                                     0.0f};
  }
  c.Defined = true;
  return c;
}

int32_t LastBracketingStep(const std::vector<float>& keys, float w) {
  int32_t found = 0;
  for (size_t j = 0; j + 1 < keys.size(); ++j) {
    const float a = keys[j], b = keys[j + 1];
    const float da = a - w, db = b - w;
    if ((a < w || std::fabs(da) < 0.00001f) && (b > w || std::fabs(db) < 0.00001f))
      found = static_cast<int32_t>(j);
  }
  return found;
}

std::vector<ShadePolygon> CartesianIntegralShading(const CurveSamples& curve,
                                                   const std::vector<float>& keys, float from,
                                                   float to, SamplePoint fromPoint,
                                                   SamplePoint toPoint) {
  std::vector<ShadePolygon> out;
  const int32_t n = static_cast<int32_t>(curve.size());
  if (n < 2) return out;
  const int32_t s = LastBracketingStep(keys, from);
  const int32_t t = LastBracketingStep(keys, to);
  const auto quad = [&](SamplePoint a, SamplePoint b, SamplePoint c, SamplePoint d) {
    ShadePolygon p;
    p.Corner = {a, b, c, d};
    out.push_back(p);
  };
  const auto defined = [](const SamplePoint& p) { return !Undefined(p.x) && !Undefined(p.y); };
  const auto axis = [](float x) { return SamplePoint{x, 0.0f, 0.0f}; };

  // From the lower limit to the end of its step.
  if (s + 1 < n) {
    const SamplePoint& p1 = curve[static_cast<size_t>(s + 1)];
    const SamplePoint a{fromPoint.x, fromPoint.y, 0.0f}, e{p1.x, p1.y, 0.0f};
    if (defined(fromPoint) && defined(p1)) {
      if (a.y < 0 && e.y < 0) quad(a, e, axis(e.x), axis(a.x));
      if (a.y > 0 && e.y > 0) quad(axis(a.x), axis(e.x), e, a);
    }
  }
  // From the sample before the upper limit's step to the limit.
  if (t >= 1 && t - 1 < n) {
    const SamplePoint& p0 = curve[static_cast<size_t>(t - 1)];
    const SamplePoint b{toPoint.x, toPoint.y, 0.0f}, e{p0.x, p0.y, 0.0f};
    if (defined(toPoint) && defined(p0)) {
      if (b.y > 0 && e.y > 0) quad(b, e, axis(e.x), axis(b.x));
      if (b.y < 0 && e.y < 0) quad(b, axis(b.x), axis(e.x), e);
    }
  }
  // Whole steps in between; a step in which the curve meets the axis stays unshaded.
  for (int32_t j = s + 1; j <= t - 1 && j + 1 < n; ++j) {
    const SamplePoint& p = curve[static_cast<size_t>(j)];
    const SamplePoint& q = curve[static_cast<size_t>(j + 1)];
    if (Undefined(p.x) || Undefined(p.y) || Undefined(p.z) || Undefined(q.x) || Undefined(q.y) ||
        Undefined(q.z))
      continue;
    const SamplePoint pa{p.x, 0.0f, p.z}, qa{q.x, 0.0f, q.z};
    if (p.y > 0 && q.y > 0) quad(p, pa, qa, q);
    if (p.y < 0 && q.y < 0) quad(p, q, qa, pa);
  }
  return out;
}

std::vector<ShadePolygon> PolarIntegralShading(const CurveSamples& curve, float minV, float maxV,
                                               int32_t steps, float from, float to) {
  std::vector<ShadePolygon> out;
  if (steps < 1 || curve.size() < 2) return out;
  const float dA = (maxV - minV) / static_cast<float>(steps);
  const float qs = (from - minV) / dA;
  const float qt = (to - minV) / dA;
  if (!std::isfinite(qs) || !std::isfinite(qt)) return out;
  const int32_t last = std::min(steps, static_cast<int32_t>(curve.size()) - 1);
  // Indices outside the samples are brought to the first and the last sample.
  const double sd = std::floor(double{qs});
  const double td = to < maxV ? std::floor(double{qt}) + 1.0 : double(steps);
  const int32_t s = static_cast<int32_t>(std::clamp(sd, 0.0, double(last)));
  const int32_t t = static_cast<int32_t>(std::clamp(td, 0.0, double(last)));
  return PolarFan(curve, s, t);
}

std::vector<ShadePolygon> PolarFan(const CurveSamples& curve, int32_t s, int32_t t) {
  std::vector<ShadePolygon> out;
  if (curve.size() < 2) return out;
  const int32_t last = static_cast<int32_t>(curve.size()) - 1;
  s = std::clamp(s, 0, last);
  t = std::clamp(t, 0, last);
  for (int32_t j = s; j < t; ++j) {
    const SamplePoint& p = curve[static_cast<size_t>(j)];
    const SamplePoint& q = curve[static_cast<size_t>(j + 1)];
    if (Undefined(p.x) || Undefined(p.y) || Undefined(p.z) || Undefined(q.x) || Undefined(q.y) ||
        Undefined(q.z))
      continue;
    ShadePolygon tri;
    tri.Count = 3;
    tri.Corner = {p, q, SamplePoint{0.0f, 0.0f, q.z}, SamplePoint{}};
    out.push_back(tri);
  }
  return out;
}

std::string IntegralIntegrand(const CurveFormulas& f) {
  return f.IsPolar() ? "0.5*(" + f.TZText + ")^2" : f.TZText;
}

std::vector<float> ParametricKeys(const CurveFormulas& f, const std::vector<float>& params) {
  std::vector<float> keys;
  keys.reserve(params.size());
  for (float t : params) {
    const float k = Undefined(t) ? UndefinedValue : Eval(f.TY, f.At(t));
    keys.push_back(std::isfinite(k) ? k : UndefinedValue);
  }
  return keys;
}

bool ParameterAtKey(const CurveFormulas& f, const std::vector<float>& params,
                    const std::vector<float>& keys, float w, float& t) {
  const size_t n = std::min(params.size(), keys.size());
  const auto near = [w](float k) { return std::fabs(k - w) < 0.00001f; };
  int64_t found = -1;
  for (size_t j = 0; j + 1 < n; ++j) {
    const float a = keys[j], b = keys[j + 1];
    if (Undefined(a) || Undefined(b) || Undefined(params[j]) || Undefined(params[j + 1])) continue;
    const bool up = (a < w || near(a)) && (b > w || near(b));
    const bool down = (a > w || near(a)) && (b < w || near(b));
    if (up || down) found = static_cast<int64_t>(j);
  }
  if (found < 0) return false;
  const size_t j = static_cast<size_t>(found);
  if (near(keys[j])) {
    t = params[j];
    return true;
  }
  if (near(keys[j + 1])) {
    t = params[j + 1];
    return true;
  }
  // Halve the step, keeping w between the keys at its ends.
  const bool rising = keys[j] < keys[j + 1];
  double lo = params[j], hi = params[j + 1];
  for (int pass = 0; pass < 60; ++pass) {
    const double mid = (lo + hi) / 2;
    const float k = Eval(f.TY, f.At(static_cast<float>(mid)));
    if (Undefined(k) || !std::isfinite(k)) break;
    if ((k < w) == rising)
      lo = mid;
    else
      hi = mid;
    if (static_cast<float>(lo) == static_cast<float>(hi)) break;
  }
  t = static_cast<float>((lo + hi) / 2);
  return true;
}

namespace {

// The integral along the curve, pass after pass. The curve at the parameter values of a pass: its
// key (x or angle) and the height whose integral is taken over the key (y, or r^2 / 2), both
// formulas run on the worker threads. The step of a pass is half the step before, so its even
// points are the points before, bit for bit, and with reuse only the new ones are worked out.
float AlongCurve(const CurveFormulas& f, float a, float b, float FormulaVars::*position,
                 bool reuse) {
  // Both formulas at every point of the finest pass, for the steps of the work in progress.
  constexpr int64_t Most = 2 * 65537;
  int64_t done = 0;
  std::vector<EvalOutcome> keys, heights, newKeys, newHeights;
  std::vector<float> at;
  double previous = 0;
  // At least 64 steps before two estimates are compared, so that a few coarse samples cannot
  // agree by chance; at most 2^16.
  for (int32_t steps = 16; steps <= 65536; steps *= 2) {
    const double h = (double{b} - double{a}) / steps;
    const size_t n = static_cast<size_t>(steps) + 1;
    const bool halved = reuse && !keys.empty();
    // The parameter values to work out: every one, or the odd ones of a halved step.
    at.clear();
    for (int32_t k = halved ? 1 : 0; k <= steps; k += halved ? 2 : 1)
      at.push_back(k == 0 ? a : static_cast<float>(double{a} + h * k));
    newKeys.resize(at.size());
    newHeights.resize(at.size());
    const auto count = static_cast<int64_t>(at.size());
    RunForIntegral(f.TY, f.Base, position, at.data(), newKeys.data(), count, done, Most);
    RunForIntegral(f.TZ, f.Base, position, at.data(), newHeights.data(), count, done, Most);
    if (halved) {
      std::vector<EvalOutcome> k2(n), h2(n);
      for (size_t k = 0; k < n; ++k) {
        k2[k] = k % 2 ? newKeys[k / 2] : keys[k / 2];
        h2[k] = k % 2 ? newHeights[k / 2] : heights[k / 2];
      }
      keys.swap(k2);
      heights.swap(h2);
    } else {
      keys.swap(newKeys);
      heights.swap(newHeights);
    }
    double sum = 0, key = 0, height = 0;
    for (size_t k = 0; k < n; ++k) {
      const float kv = keys[k].value, hv = heights[k].value;
      if (Undefined(kv) || Undefined(hv) || !std::isfinite(kv) || !std::isfinite(hv))
        return UndefinedValue;
      const double nextHeight = f.IsPolar() ? 0.5 * double{hv} * double{hv} : double{hv};
      if (k > 0) sum += (height + nextHeight) / 2 * (double{kv} - key);
      key = kv;
      height = nextHeight;
    }
    if (!std::isfinite(sum)) return UndefinedValue;
    if (steps >= 64 && std::fabs(sum - previous) < 0.001) return static_cast<float>(sum);
    previous = sum;
  }
  return static_cast<float>(previous); // the finest estimate
}

} // namespace

float IntegrateAlongCurve(const CurveFormulas& f, float a, float b) {
  if (Undefined(a) || Undefined(b)) return UndefinedValue;
  if (a == b) return 0.0f;
  float FormulaVars::*const position = ParameterOf(f);
  // Points are kept from pass to pass, and the value for the drawings that follow (by the texts of
  // the formulas, when the curve has them), unless a formula draws random numbers.
  const bool reuse = !f.TY.UsesRandom() && !f.TZ.UsesRandom();
  const bool keep = reuse && !f.TYText.empty() && !f.TZText.empty();
  std::string key;
  if (keep) {
    key =
        KeptIntegrals::Key(f.IsPolar() ? 'P' : 'C', {&f.TYText, &f.TZText}, a, b, f.Base, position);
    if (const auto kept = KeptIntegrals::Find(key)) return *kept;
  }
  if (g_noWork) return NotWorkedOut;
  ++g_integrations;
  const float value = AlongCurve(f, a, b, position, reuse);
  if (keep) KeptIntegrals::Keep(std::move(key), value);
  return value;
}

std::string LengthIntegrand(const CurveFormulas& f) {
  if (f.IsExplicit()) {
    if (f.IsPolar()) return "sqr((" + f.TZText + ")^2+(" + f.DZText + ")^2)";
    return "sqr((" + f.DZText + ")^2+1)";
  }
  if (f.IsPolar()) return "sqr((" + f.DZText + ")^2+(" + f.TZText + ")^2*(" + f.DYText + ")^2)";
  return "sqr((" + f.DYText + ")^2+(" + f.DZText + ")^2)";
}

float IntegrateOverParameter(const CurveFormulas& f, const std::string& integrand, float a,
                             float b) {
  return IntegralOf(integrand, a, b, f.Base, ParameterOf(f));
}

IntersectionSearch FindIntersections(const CurveSamples& first, const CurveSamples& second,
                                     size_t limit) {
  IntersectionSearch out;
  if (first.size() < 2 || second.size() < 2) return out;
  // The x range of every step of the second curve, and the steps ordered by their left end.
  const size_t m = second.size() - 1;
  std::vector<float> lo(m), hi(m);
  std::vector<int32_t> byLeft(m);
  for (size_t k = 0; k < m; ++k) {
    lo[k] = std::min(second[k].x, second[k + 1].x);
    hi[k] = std::max(second[k].x, second[k + 1].x);
    byLeft[k] = static_cast<int32_t>(k);
  }
  std::stable_sort(byLeft.begin(), byLeft.end(),
                   [&](int32_t a, int32_t b) { return lo[size_t(a)] < lo[size_t(b)]; });
  std::vector<float> sortedLo(m);
  double widest =
      0; // the widest step: a step reaching x = w starts no further left than w - widest
  for (size_t i = 0; i < m; ++i) {
    sortedLo[i] = lo[size_t(byLeft[i])];
    widest = std::max(widest, double{hi[i]} - double{lo[i]});
  }

  std::vector<int32_t> candidates;
  for (size_t j = 0; j + 1 < first.size(); ++j) {
    const SamplePoint& p1 = first[j];
    const SamplePoint& p2 = first[j + 1];
    if (Undefined(p1.y) || Undefined(p2.y)) continue;
    const float left = std::min(p1.x, p2.x), right = std::max(p1.x, p2.x);
    // Steps starting at or before this step's right end and ending at or after its left end;
    // tried in ascending order, as a search over every pair would meet them.
    candidates.clear();
    const double reach = double{left} - widest - 1e-6 * (widest + std::fabs(double{left}));
    const auto begin = std::lower_bound(sortedLo.begin(), sortedLo.end(), reach,
                                        [](float a, double b) { return double{a} < b; });
    const auto end = std::upper_bound(sortedLo.begin(), sortedLo.end(), right);
    for (auto it = begin; it < end; ++it) {
      const int32_t k = byLeft[static_cast<size_t>(it - sortedLo.begin())];
      if (hi[size_t(k)] >= left) candidates.push_back(k);
    }
    std::sort(candidates.begin(), candidates.end());
    for (int32_t k : candidates) {
      const SamplePoint& p3 = second[size_t(k)];
      const SamplePoint& p4 = second[size_t(k) + 1];
      if (Undefined(p3.y) || Undefined(p4.y)) continue;
      float X = 0, Y = 0, X2 = 0, Y2 = 0;
      const int32_t r =
          IntersectSegments(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y, X, Y, X2, Y2);
      if (r == SegmentsApart) continue;
      if (out.Points.size() >= limit) {
        out.TooMany = true;
        return out;
      }
      out.Points.push_back({X, Y, 0.0f});
    }
  }
  return out;
}

std::vector<ShadePolygon> IntersectionStrips(const CurveSamples& first, const CurveSamples& second,
                                             const std::vector<SamplePoint>& points) {
  std::vector<ShadePolygon> out;
  if (points.size() < 2) return out;
  float xmin = points[0].x, xmax = points[0].x;
  for (const SamplePoint& p : points) {
    xmin = std::min(xmin, p.x);
    xmax = std::max(xmax, p.x);
  }
  std::vector<float> keys;
  keys.reserve(first.size());
  for (const SamplePoint& p : first)
    keys.push_back(p.x);
  const int32_t s = LastBracketingStep(keys, xmin);
  const int32_t t = LastBracketingStep(keys, xmax);
  const size_t n = std::min(first.size(), second.size());
  for (int32_t j = s + 1; j <= t - 1 && size_t(j) + 1 < n; ++j) {
    const SamplePoint &a0 = first[size_t(j)], &a1 = first[size_t(j) + 1];
    const SamplePoint &b0 = second[size_t(j)], &b1 = second[size_t(j) + 1];
    if (Undefined(a0.x) || Undefined(a0.y) || Undefined(a1.x) || Undefined(a1.y) ||
        Undefined(b0.x) || Undefined(b0.y) || Undefined(b1.x) || Undefined(b1.y))
      continue;
    const SamplePoint f0{a0.x, a0.y, 0.0f}, f1{a1.x, a1.y, 0.0f};
    const SamplePoint g0{a0.x, b0.y, 0.0f}, g1{a1.x, b1.y, 0.0f};
    ShadePolygon q;
    if (a0.y < b0.y && a1.y < b1.y) {
      q.Corner = {f0, f1, g1, g0};
      out.push_back(q);
    } else if (a0.y > b0.y && a1.y > b1.y) {
      q.Corner = {f0, g0, g1, f1};
      out.push_back(q);
    }
  }
  return out;
}

float IntersectionArea(const std::string& fText, const std::string& gText, const CompiledFormula& f,
                       const CompiledFormula& g, const std::vector<SamplePoint>& points,
                       const FormulaVars& base) {
  float sum = 0.0f;
  for (size_t i = 1; i < points.size(); ++i) {
    const float a = points[i - 1].x, b = points[i].x;
    FormulaVars v = base;
    v.X = (a + b) / 2.0f;
    const float fm = f.Evaluate(v), gm = g.Evaluate(v);
    const std::string integrand = fm > gm ? fText + "-(" + gText + ")" : gText + "-(" + fText + ")";
    const float term = IntegralOf(integrand, a, b, base, &FormulaVars::X);
    if (Undefined(term) || std::isnan(term)) return term;
    sum += term;
  }
  return sum;
}

AnalysisWorkSteps::AnalysisWorkSteps() : m_before(g_reportSteps) { g_reportSteps = true; }

AnalysisWorkSteps::~AnalysisWorkSteps() { g_reportSteps = m_before; }

int64_t AnalysisIntegrations() { return g_integrations.load(); }

IntegralsNotWorkedOut::IntegralsNotWorkedOut(bool active) : m_before(g_noWork) {
  g_noWork = g_noWork || active;
}

IntegralsNotWorkedOut::~IntegralsNotWorkedOut() { g_noWork = m_before; }
