#include "render/surfaces/LegendLayout.h"

#include <cmath>

#include "model/GraphPoint.h"
#include "model/Graph.h"
#include "render/surfaces/ColorSchemes.h"

float CeilWithTolerance(float x) {
  const float whole = std::floor(x);
  const float f = x - whole;
  if (f < 0.0000001f) return x;
  return whole + 1.0f;
}

LegendTicks LegendTickStep(float& min, float& max) {
  LegendTicks t;
  float s = max - min;
  if (s == 0.0f) {
    min = 0.0f;
    s = max;
  }
  if (!(s > 0.0f) || !std::isfinite(s) || !std::isfinite(min) || !std::isfinite(max)) return t;
  const float q = static_cast<float>(std::log(double(s)) / std::log(10.0));
  int32_t k = static_cast<int32_t>(std::floor(q));
  float m = static_cast<float>(double(s) / std::pow(10.0, k));
  // The rounded logarithm of a span a hair below a power of ten names the next decade; the
  // mantissa then falls just below 1 (or above 10) and belongs to the decade below (above).
  if (m < 1.0f) {
    --k;
    m = static_cast<float>(double(s) / std::pow(10.0, k));
  } else if (m > 10.0f) {
    ++k;
    m = static_cast<float>(double(s) / std::pow(10.0, k));
  }
  const double decade = std::pow(10.0, k);
  float step;
  if (m >= 1.0f && m < 2.0f)
    step = static_cast<float>(0.2 * decade);
  else if (m >= 2.0f && m < 5.0f)
    step = static_cast<float>(0.5 * decade);
  else if (m >= 5.0f && m <= 10.0f)
    step = static_cast<float>(decade);
  else
    return t;
  t.Step = step;
  t.First = static_cast<float>(
      double(CeilWithTolerance(static_cast<float>(double(min) / double(step)))) * double(step));
  t.Last = static_cast<float>(std::floor(double(max) / double(step)) * double(step));
  const float steps = (t.Last - t.First) / step;
  t.Count = static_cast<int16_t>(std::nearbyint(steps)); // halves to even
  t.Valid = t.Count >= 0;
  return t;
}

int32_t LegendDecimals(float value) {
  for (int32_t k = 0; k < 4; ++k) {
    const double p = double(value) * std::pow(10.0, k);
    const float diff = static_cast<float>(std::fabs(std::nearbyint(p) - p));
    const float tolerance = std::max(0.00001f, static_cast<float>(std::fabs(p) * 1e-6));
    if (diff < tolerance) return k;
  }
  return 4;
}

std::string LegendLabel(float value, const QLocale& locale) {
  if (value == 0.0f) value = 0.0f; // no "-0"
  QString text = locale.toString(double(value), 'f', LegendDecimals(value));
  for (QChar& c : text) {
    if (c.isSpace()) c = QLatin1Char(' ');
    if (c == QChar(0x2212)) c = QLatin1Char('-');
  }
  return text.toLatin1().toStdString();
}

namespace {

bool HasLegend(int32_t graphType) {
  switch (graphType) {
  case Surface3D:
  case Table3D:
  case Surface3DAnimation:
  case ColorMap:
  case ContourPlot:
  case LegendOnlyKind:
  case Function4D:
  case Function4DLegendOnly:
    return true;
  default:
    return false;
  }
}

} // namespace

LegendLayout ComputeLegendLayout(Graph& g, float MinX, float MaxX, float MinY, float MaxY,
                                 float MinZ, float MaxZ, float MinV, float MaxV,
                                 const QLocale& locale) {
  LegendLayout layout;
  if (!HasLegend(g.GraphType)) return layout;
  const int32_t style = g.FillStyle;
  float lo = 0.0f, hi = 0.0f;
  if (g.GraphType == Function4D) {
    if (style < 1 || style > 5 || style == SingleColor) return layout;
    lo = MinV;
    hi = MaxV;
  } else if (g.GraphType == Function4DLegendOnly) {
    if (style != ColorMapFill) return layout;
    lo = MinV;
    hi = MaxV;
  } else {
    switch (style) {
    case GradientLeftRight: // along the scene's x axis: the formula's y
      lo = MinY;
      hi = MaxY;
      break;
    case GradientFrontBack: // along the scene's depth: the formula's x
      lo = MinX;
      hi = MaxX;
      break;
    case GradientTopBottom:
    case ColorMapFill:
      lo = MinZ;
      hi = MaxZ;
      break;
    default:
      return layout;
    }
  }
  const float s = hi - lo;
  if (!(s > 0.0f) || !std::isfinite(s)) return layout;
  layout.Shown = true;
  layout.Lo = lo;
  layout.Hi = hi;

  if (style == ColorMapFill) {
    const int32_t n = std::min(g.ColorNum, 31);
    for (int32_t b = 0; b + 1 < n; ++b) {
      const float p0 = g.ColorPos[b], p1 = g.ColorPos[b + 1];
      const float v0 = p0 / 100.0f * s + lo, v1 = p1 / 100.0f * s + lo;
      std::array<float, 3> c0, c1;
      ColorMapColor(g, v0, lo, s, c0[0], c0[1], c0[2]);
      ColorMapColor(g, v1, lo, s, c1[0], c1[1], c1[2]);
      const float y0 = p0 * 0.4f + 30.0f, y1 = p1 * 0.4f + 30.0f;
      layout.Polygons.push_back({{{82, y0, c0}, {82, y1, c1}, {85, y1, c1}, {85, y0, c0}}});
    }
  } else {
    std::array<float, 3> first, second;
    ColorToRgb(g.SecondColor, second[0], second[1], second[2]);
    ColorToRgb(g.FirstColor, first[0], first[1], first[2]);
    layout.Polygons.push_back(
        {{{82, 30, second}, {82, 70, first}, {85, 70, first}, {85, 30, second}}});
  }

  float tickLo = lo, tickHi = hi;
  const LegendTicks ticks = LegendTickStep(tickLo, tickHi);
  if (ticks.Valid)
    for (int32_t t = 0; t <= ticks.Count; ++t) {
      const float v = ticks.Step * static_cast<float>(t) + ticks.First;
      const float y = (v - lo) / s * 40.0f + 30.0f;
      layout.Ticks.push_back({v, y, LegendLabel(v, locale)});
    }
  return layout;
}
