// Geometry of the flat 2D plot: tick steps and counts, the background patterns, the grid and the
// two axes with their ticks, arrowheads and labels.

#include "view/axes/AxesLayout.h"

#include "model/ProgramState.h"
#include "view/axes/TickLabel.h"

#include <algorithm>
#include <cmath>

namespace AxesLayout {
namespace {

// Ticks a half-axis would need, as a real number (it may be far beyond any int).
double RawCount(float bound, float step) {
  const float q = std::fabs(bound) / step;
  return std::ceil(static_cast<double>(q));
}

// A position (a, b) in scene units from the data origin, moved by the scene centre; the flat
// plot lies at the data depth 0.
Vec3 At(float a, float b, const Vec3& centre) { return {a - centre.x, b - centre.y, -centre.z}; }

Rgbf Mean(const Rgbf& a, const Rgbf& b) {
  return {(a.r + b.r) / 2.0f, (a.g + b.g) / 2.0f, (a.b + b.b) / 2.0f};
}

} // namespace

bool UsableStep(float step) { return std::isfinite(step) && step > 0.0f; }

int HalfAxisCount(float bound, float step) {
  if (!UsableStep(step) || !std::isfinite(bound)) return 0;
  const double c = RawCount(bound, step);
  return c > MaxTicks ? MaxTicks : static_cast<int>(c);
}

int CoarsenFactor(float step, float lo, float hi) {
  if (!UsableStep(step) || !std::isfinite(lo) || !std::isfinite(hi)) return 0;
  static constexpr int series[3] = {1, 2, 5};
  for (long long decade = 1; decade <= 100000000LL; decade *= 10) {
    for (int f : series) {
      const long long m = f * decade;
      const float s = step * static_cast<float>(m);
      if (!UsableStep(s)) return 0;
      if (RawCount(lo, s) <= MaxTicks && RawCount(hi, s) <= MaxTicks) return static_cast<int>(m);
    }
  }
  return 0;
}

float CoarsenStep(float step, float lo, float hi) {
  if (!UsableStep(step) || !std::isfinite(lo) || !std::isfinite(hi)) return 0.0f;
  auto fits = [&](float s) { return RawCount(lo, s) <= MaxTicks && RawCount(hi, s) <= MaxTicks; };
  if (fits(step)) return step;
  const double need =
      std::max(std::fabs(static_cast<double>(lo)), std::fabs(static_cast<double>(hi))) / MaxTicks;
  const double from = std::max(need, static_cast<double>(step));
  double decade = std::pow(10.0, std::floor(std::log10(from)) - 1.0);
  static constexpr double series[3] = {1.0, 2.0, 5.0};
  for (int round = 0; round < 6; ++round, decade *= 10.0) {
    for (double f : series) {
      const float s = static_cast<float>(f * decade);
      if (s > step && UsableStep(s) && fits(s)) return s;
    }
  }
  return 0.0f;
}

void ApplyEqualScaleRule(float& sx, float& sy, float minX, float maxX, float minY, float maxY) {
  if (!UsableStep(sx) || !UsableStep(sy)) return;
  const float twiceY = 2.0f * sy;
  const float rangeX = maxX - minX;
  if (twiceY >= rangeX) {
    const float far = std::fabs(minX) > maxX ? std::fabs(minX) : maxX;
    sx = std::ceil(far);
    return;
  }
  const float twiceX = 2.0f * sx;
  const float rangeY = maxY - minY;
  if (twiceX >= rangeY) {
    const float far = std::fabs(minY) > maxY ? std::fabs(minY) : maxY;
    sy = std::ceil(far);
  }
}

Steps2D FinishSteps2D(float coordStepX, float coordStepY, float minX, float maxX, float minY,
                      float maxY, int32_t axisScaleMode) {
  Steps2D s{coordStepX, coordStepY};
  if (axisScaleMode == ScaleEqual) ApplyEqualScaleRule(s.sx, s.sy, minX, maxX, minY, maxY);
  s.sx = CoarsenStep(s.sx, minX, maxX);
  s.sy = CoarsenStep(s.sy, minY, maxY);
  return s;
}

// --- background -----------------------------------------------------------------------------

BackPattern BackgroundPattern(int32_t backStyle) {
  using C = BackColour;
  auto tri = [](C bl, C br, C tl, C tr, C centre) {
    BackPattern p;
    p.shape = BackShape::Triangles;
    p.bl = bl, p.br = br, p.tl = tl, p.tr = tr, p.centre = centre;
    return p;
  };
  auto band = [](BackShape shape, C outer, C middle) {
    BackPattern p;
    p.shape = shape;
    p.outer = outer, p.middle = middle;
    return p;
  };
  switch (backStyle) {
  case 1:
    return tri(C::C1, C::C1, C::C1, C::C1, C::C1);
  case 2:
    return tri(C::C1, C::C1, C::C2, C::C2, C::Mean);
  case 3:
    return tri(C::C2, C::C2, C::C1, C::C1, C::Mean);
  case 4:
    return band(BackShape::HorizontalBands, C::C2, C::C1);
  case 5:
    return band(BackShape::HorizontalBands, C::C1, C::C2);
  case 6:
    return tri(C::C2, C::C1, C::C2, C::C1, C::Mean);
  case 7:
    return tri(C::C1, C::C2, C::C1, C::C2, C::Mean);
  case 8:
    return band(BackShape::VerticalBands, C::C2, C::C1);
  case 9:
    return band(BackShape::VerticalBands, C::C1, C::C2);
  case 10:
    return tri(C::Mean, C::C1, C::C2, C::Mean, C::Mean);
  case 11:
    return tri(C::Mean, C::C2, C::C1, C::Mean, C::Mean);
  case 12:
    return tri(C::C1, C::C2, C::C2, C::C1, C::C1);
  case 13:
    return tri(C::C2, C::C1, C::C1, C::C2, C::C2);
  case 14:
    return tri(C::C1, C::Mean, C::Mean, C::C2, C::Mean);
  case 15:
    return tri(C::C2, C::Mean, C::Mean, C::C1, C::Mean);
  case 16:
    return tri(C::C2, C::C1, C::C1, C::C2, C::C1);
  case 17:
    return tri(C::C1, C::C2, C::C2, C::C1, C::C2);
  case 18:
    return tri(C::C1, C::C1, C::C1, C::C1, C::C2);
  case 19:
    return tri(C::C2, C::C2, C::C2, C::C2, C::C1);
  default:
    return tri(C::Unset, C::Unset, C::Unset, C::Unset, C::Unset);
  }
}

Background LayoutBackground(const BackgroundInput& in) {
  Background bg;
  const float L = in.minX / in.scaleX - 3.1f;
  const float R = in.maxX / in.scaleX + 3.8f;
  const float B = in.minY / in.scaleY - 3.1f;
  const float T = in.maxY / in.scaleY + 3.8f;
  bg.left = L, bg.right = R, bg.bottom = B, bg.top = T;
  const Vec3& c = in.centre;

  if (in.shadow) {
    bg.shadow = std::array<Vec3, 4>{At(L + 0.8f, B + 0.8f, c), At(R + 0.8f, B + 0.8f, c),
                                    At(R + 0.8f, T + 0.8f, c), At(L + 0.8f, T + 0.8f, c)};
  }

  const Rgbf mean = Mean(in.c1, in.c2);
  auto colour = [&](BackColour which) -> std::optional<Rgbf> {
    switch (which) {
    case BackColour::C1:
      return in.c1;
    case BackColour::C2:
      return in.c2;
    case BackColour::Mean:
      return mean;
    case BackColour::Unset:
      break;
    }
    return std::nullopt;
  };
  auto v = [&](float a, float b, BackColour which) {
    return BackVertex{At(a, b, c), colour(which)};
  };

  const BackPattern p = BackgroundPattern(in.backStyle);
  switch (p.shape) {
  case BackShape::HorizontalBands: {
    const float MY = (B + T) / 2.0f;
    bg.fill.push_back(
        {{v(L, B, p.outer), v(R, B, p.outer), v(R, MY, p.middle), v(L, MY, p.middle)}});
    bg.fill.push_back(
        {{v(L, T, p.outer), v(L, MY, p.middle), v(R, MY, p.middle), v(R, T, p.outer)}});
    break;
  }
  case BackShape::VerticalBands: {
    const float MX = (L + R) / 2.0f;
    bg.fill.push_back(
        {{v(L, B, p.outer), v(MX, B, p.middle), v(MX, T, p.middle), v(L, T, p.outer)}});
    bg.fill.push_back(
        {{v(R, B, p.outer), v(R, T, p.outer), v(MX, T, p.middle), v(MX, B, p.middle)}});
    break;
  }
  case BackShape::Triangles: {
    const float CX = (L + R) / 2.0f, CY = (B + T) / 2.0f;
    const BackVertex lb = v(L, B, p.bl), rb = v(R, B, p.br), lt = v(L, T, p.tl), rt = v(R, T, p.tr),
                     ce = v(CX, CY, p.centre);
    bg.fill.push_back({{lb, rb, ce}});
    bg.fill.push_back({{lb, ce, lt}});
    bg.fill.push_back({{lt, ce, rt}});
    bg.fill.push_back({{rb, rt, ce}});
    break;
  }
  }

  bg.frame = {Segment{At(L, B, c), At(R, B, c)}, Segment{At(L, B, c), At(L, T, c)},
              Segment{At(L, T, c), At(R, T, c)}, Segment{At(R, B, c), At(R, T, c)}};
  return bg;
}

// --- grid -----------------------------------------------------------------------------------

Grid2D LayoutGrid2D(const Grid2DInput& in) {
  Grid2D g;
  const float sx = in.steps.sx, sy = in.steps.sy;
  const float ux = UsableStep(sx) ? sx / in.scaleX : 0.0f;
  const float uy = UsableStep(sy) ? sy / in.scaleY : 0.0f;
  const int nxn = HalfAxisCount(in.minX, sx), nxp = HalfAxisCount(in.maxX, sx);
  const int nyn = HalfAxisCount(in.minY, sy), nyp = HalfAxisCount(in.maxY, sy);

  const float bLow = -static_cast<float>(nyn) * uy - 2.0f;
  const float bHigh = static_cast<float>(nyp) * uy + 2.0f;
  const float aLow = -static_cast<float>(nxn) * ux - 2.0f;
  const float aHigh = static_cast<float>(nxp) * ux + 2.0f;
  const Vec3& c = in.centre;
  auto vertical = [&](float a) { return Segment{At(a, bLow, c), At(a, bHigh, c)}; };
  auto horizontal = [&](float b) { return Segment{At(aLow, b, c), At(aHigh, b, c)}; };

  if (in.primary) {
    for (int k = 1; k <= nxn; ++k)
      g.primary.push_back(vertical(-static_cast<float>(k) * ux));
    for (int k = 1; k <= nxp; ++k)
      g.primary.push_back(vertical(static_cast<float>(k) * ux));
    for (int k = 1; k <= nyn; ++k)
      g.primary.push_back(horizontal(-static_cast<float>(k) * uy));
    for (int k = 1; k <= nyp; ++k)
      g.primary.push_back(horizontal(static_cast<float>(k) * uy));
    g.primary.push_back(vertical(0.0f));
    g.primary.push_back(horizontal(0.0f));
  }
  if (in.secondary) {
    auto half = [](int k) { return static_cast<float>(k) - 0.5f; };
    for (int k = 1; k <= nxn; ++k)
      g.secondary.push_back(vertical(-half(k) * ux));
    for (int k = 1; k <= nxp; ++k)
      g.secondary.push_back(vertical(half(k) * ux));
    for (int k = 1; k <= nyn; ++k)
      g.secondary.push_back(horizontal(-half(k) * uy));
    for (int k = 1; k <= nyp; ++k)
      g.secondary.push_back(horizontal(half(k) * uy));
  }
  return g;
}

// --- axes -----------------------------------------------------------------------------------

Axes2D LayoutAxes2D(const Axes2DInput& in) {
  Axes2D ax;
  const Vec3& c = in.centre;
  const float sx = in.steps.sx, sy = in.steps.sy;

  // The X tick step in data units: multiples of pi, or the shared step.
  float p = sx;
  if (in.showPI) {
    ax.piMultiple = CoarsenFactor(PiStep, in.minX, in.maxX);
    p = ax.piMultiple == 0 ? 0.0f : PiStep * static_cast<float>(ax.piMultiple);
  }
  ax.nxn = HalfAxisCount(in.minX, p);
  ax.nxp = HalfAxisCount(in.maxX, p);
  ax.nyn = HalfAxisCount(in.minY, sy);
  ax.nyp = HalfAxisCount(in.maxY, sy);

  auto xText = [&](int i, bool negative) {
    return in.showPI ? TickLabel::Pi(i * ax.piMultiple, negative)
                     : TickLabel::Tick2D(sx, i, negative, in.locale);
  };
  auto yText = [&](int i, bool negative) { return TickLabel::Tick2D(sy, i, negative, in.locale); };

  const float u = UsableStep(p) ? p / in.scaleX : 0.0f;
  const float uy = UsableStep(sy) ? sy / in.scaleY : 0.0f;

  // Ticks: negative X, negative Y, positive X, positive Y, each with its minor ticks first.
  static constexpr float minor[4] = {0.2f, 0.4f, 0.6f, 0.8f};
  auto xTicks = [&](int count, float s) {
    for (int k = 1; k <= count; ++k) {
      if (in.showSecondaryTicks)
        for (float f : minor) {
          const float a = s * ((static_cast<float>(k) - 1.0f + f) * u);
          ax.ticks.push_back({At(a, 0.0f, c), At(a, 0.2f, c)});
        }
      const float a = s * (static_cast<float>(k) * u);
      ax.ticks.push_back({At(a, 0.0f, c), At(a, 0.3f, c)});
    }
  };
  auto yTicks = [&](int count, float s) {
    for (int k = 1; k <= count; ++k) {
      if (in.showSecondaryTicks)
        for (float f : minor) {
          const float b = s * ((static_cast<float>(k) - 1.0f + f) * uy);
          ax.ticks.push_back({At(0.0f, b, c), At(0.2f, b, c)});
        }
      const float b = s * (static_cast<float>(k) * uy);
      ax.ticks.push_back({At(0.0f, b, c), At(0.3f, b, c)});
    }
  };
  xTicks(ax.nxn, -1.0f);
  yTicks(ax.nyn, -1.0f);
  xTicks(ax.nxp, 1.0f);
  yTicks(ax.nyp, 1.0f);

  // Extents in data units; an axis without a usable step still spans its data and the origin.
  auto extents = [](float step, int nNeg, int nPos, float lo, float hi) {
    if (UsableStep(step))
      return std::pair{-static_cast<float>(nNeg) * step, static_cast<float>(nPos) * step};
    return std::pair{std::isfinite(lo) ? std::min(lo, 0.0f) : 0.0f,
                     std::isfinite(hi) ? std::max(hi, 0.0f) : 0.0f};
  };
  const auto [xlo, xhi] = extents(p, ax.nxn, ax.nxp, in.minX, in.maxX);
  const auto [ylo, yhi] = extents(sy, ax.nyn, ax.nyp, in.minY, in.maxY);
  const float xEnd = xhi / in.scaleX, yEnd = yhi / in.scaleY;

  // Arrowheads, moved off the axis by half the extra line width.
  const float w = static_cast<float>(in.axisWidth - 1) * 0.01f;
  ax.arrowX = {At(xEnd + 2.2f, -w, c), At(xEnd + 2.0f, 0.2f - w, c), At(xEnd + 2.0f, -0.2f - w, c)};
  ax.arrowY = {At(-w, yEnd + 2.2f, c), At(0.2f - w, yEnd + 2.0f, c), At(-0.2f - w, yEnd + 2.0f, c)};
  ax.axisX = {At(xlo / in.scaleX - 2.1f, 0.0f, c), At(xEnd + 2.1f, 0.0f, c)};
  ax.axisY = {At(0.0f, ylo / in.scaleY - 2.1f, c), At(0.0f, yEnd + 2.1f, c)};

  // Labels: negative X, negative Y, positive X, positive Y.
  auto xLabels = [&](int count, float s, bool negative) {
    for (int k = 1; k <= count; ++k) {
      std::string text = xText(k, negative);
      const float o = text.size() > 2 ? 0.45f : text.size() == 2 ? 0.3f : 0.15f;
      const float a = s * (static_cast<float>(k) * u) - o;
      ax.labels.push_back({std::move(text), At(a, -0.5f, c)});
    }
  };
  auto yLabels = [&](int count, float s, bool negative) {
    for (int k = 1; k <= count; ++k) {
      std::string text = yText(k, negative);
      const float a = -(static_cast<float>(text.size()) / 5.0f + 0.3f);
      const float b = s * (static_cast<float>(k) * uy) - 0.2f;
      ax.labels.push_back({std::move(text), At(a, b, c)});
    }
  };
  xLabels(ax.nxn, -1.0f, true);
  yLabels(ax.nyn, -1.0f, true);
  xLabels(ax.nxp, 1.0f, false);
  yLabels(ax.nyp, 1.0f, false);

  ax.labels.push_back({"0", At(-0.5f, -0.5f, c)});
  ax.labels.push_back({"X", At(xEnd + 2.0f, -0.5f, c)});
  ax.labels.push_back({"Y", At(-0.5f, yEnd + 2.0f, c)});
  return ax;
}

} // namespace AxesLayout
