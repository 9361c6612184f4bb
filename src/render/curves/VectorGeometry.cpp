#include "render/curves/VectorGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "formula/FormulaGlobals.h"
#include "model/Graph.h"
#include "render/curves/CurveReport.h"

namespace {

Vec3f Minus(const Vec3f& a, const Vec3f& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

float& Component(Vec3f& v, int axis) { return axis == 0 ? v.x : axis == 1 ? v.y : v.z; }

std::string N(float v) { return ReportNumber(v); }

// " dx=" .. ", dy=" .. ", dz=" .. of a scene vector, named by the document's axes.
std::string Components(const Vec3f& v, const char* lastSeparator = ", dz=") {
  return "dx=" + N(v.z) + ", dy=" + N(v.x) + lastSeparator + N(v.y);
}

} // namespace

void RotationFromZ(const Vec3f& u, Vec3f& axis, float& angleDegrees) {
  // +z x u = (-uy, ux, 0).
  const double ax = -static_cast<double>(u.y), ay = static_cast<double>(u.x);
  const double len = std::sqrt(ax * ax + ay * ay);
  if (len > 0.0) {
    axis = {static_cast<float>(ax / len), static_cast<float>(ay / len), 0.0f};
    const double c = std::clamp(static_cast<double>(u.z), -1.0, 1.0);
    // atan2 keeps the angle exact for directions close to the z axis.
    angleDegrees = static_cast<float>(std::atan2(len, c) * 180.0 / std::numbers::pi);
  } else {
    axis = {1.0f, 0.0f, 0.0f};
    angleDegrees = u.z < 0.0f ? 180.0f : 0.0f;
  }
}

VectorArrow MakeVectorArrow(const Vec3f& s, const Vec3f& e, const Vec3f& centre) {
  VectorArrow a;
  a.From = Minus(s, centre);
  a.To = Minus(e, centre);
  const Vec3f d = Minus(e, s);
  a.Module = VectorModule(d);
  const float m = a.Module == 0.0f ? 0.0000001f : a.Module;
  a.Unit = {d.x / m, d.y / m, d.z / m};
  a.AngleX = DirectionDegrees(a.Unit.x);
  a.AngleY = DirectionDegrees(a.Unit.y);
  a.AngleZ = DirectionDegrees(a.Unit.z);
  a.HasHead = a.Module > 0.0f && std::isfinite(a.Module);
  if (a.HasHead) {
    a.Head.Base = {a.To.x - kHeadSetBack * a.Unit.x, a.To.y - kHeadSetBack * a.Unit.y,
                   a.To.z - kHeadSetBack * a.Unit.z};
    a.Head.Height = kVectorHeadHeight;
    a.Head.Radius = kVectorHeadRadius;
    RotationFromZ(a.Unit, a.Head.Axis, a.Head.AngleDegrees);
  }
  return a;
}

bool AxisArrowHead(const Vec3f& p, int axis, float d, ArrowHead& head) {
  if (std::isnan(d)) return false;
  // The test is strict: a component of 0 (a line of no length) points its head the negative way.
  Vec3f u;
  Component(u, axis) = d > 0.0f ? 1.0f : -1.0f;
  head.Base = {p.x - kHeadSetBack * u.x, p.y - kHeadSetBack * u.y, p.z - kHeadSetBack * u.z};
  head.Height = kAxisHeadHeight;
  head.Radius = kVectorHeadRadius;
  RotationFromZ(u, head.Axis, head.AngleDegrees);
  return true;
}

std::array<std::array<Vec3f, 2>, 9> FarBoxEdges(const Vec3f& b, const Vec3f& e) {
  return {{{{{b.x, b.y, e.z}, {b.x, e.y, e.z}}},
           {{{b.x, e.y, b.z}, {b.x, e.y, e.z}}},
           {{{b.x, e.y, b.z}, {e.x, e.y, b.z}}},
           {{{e.x, e.y, b.z}, {e.x, b.y, b.z}}},
           {{{e.x, b.y, b.z}, {e.x, b.y, e.z}}},
           {{{e.x, b.y, e.z}, {b.x, b.y, e.z}}},
           {{{e.x, b.y, e.z}, {e.x, e.y, e.z}}},
           {{{e.x, e.y, e.z}, {b.x, e.y, e.z}}},
           {{{e.x, e.y, e.z}, {e.x, e.y, b.z}}}}};
}

std::vector<std::string> VectorReportLines(const Graph& g, const VectorArrow& arrow) {
  const Vec3f d{g.VecEndX - g.VecBeginX, g.VecEndY - g.VecBeginY, g.VecEndZ - g.VecBeginZ};
  return {
      "Vector:",
      "  Start Point: x=" + N(g.VecBeginZ) + ", y=" + N(g.VecBeginX) + ", z=" + N(g.VecBeginY),
      "  End Point: x=" + N(g.VecEndZ) + ", y=" + N(g.VecEndX) + ", z=" + N(g.VecEndY),
      "  Vector: " + Components(d),
      "  Module: " + N(arrow.Module),
      "  Direction Angle: ",
      "    X Direction: " + N(arrow.AngleZ),
      "    Y Direction: " + N(arrow.AngleX),
      "    Z Direction: " + N(arrow.AngleY),
  };
}

std::vector<std::string> VectorOperationReportLines(const Graph& g,
                                                    const VectorOperationOutcome& o) {
  std::vector<std::string> lines{"Vector 1(red): " + Components(o.V1),
                                 "Vector 2(green): " + Components(o.V2)};
  switch (o.Operation) {
  case VectorSum:
    lines.push_back("Vector1 + Vector2 (blue):  " + Components(o.R));
    break;
  case VectorDifference:
    lines.push_back("Vector2 - Vector1 (blue):  " + Components(o.R));
    break;
  case VectorMultiple:
    lines.push_back("Vector1*" + N(g.VecConstant) + "(blue):  " + Components(o.R));
    break;
  case DotProduct:
    lines.push_back("Vector1 .* Vector2 (blue):  Value=" + N(o.Dot));
    lines.push_back("  The angle between vector1 and vector2: " + N(o.AngleDegrees));
    break;
  case CrossProduct:
    lines.push_back("Vector1 * Vector2 (pink):  " + Components(o.R, "  dz="));
    break;
  default:
    break;
  }
  return lines;
}

float PlotHeadAngle(int k) {
  // A float product (k * 0.31416f) rounds differently for some k (18 gives 5.6548796, not
  // 5.65488), which moves those rim points by a unit in the last place.
  return static_cast<float>(k * 0.31416);
}

std::vector<PlotArrow> VectorPlotArrows(const PointArray<2>& grid, int32_t stepU, int32_t stepV) {
  std::vector<PlotArrow> arrows;
  if (stepU < 2 || stepV < 2 || !grid.InRange({stepU, stepV})) return arrows;
  auto Z = [&grid](int32_t i, int32_t j) { return grid(i, j).y; };
  for (int32_t i = 1; i <= stepU - 1; ++i)
    for (int32_t j = 1; j <= stepV - 1; ++j) {
      const float z = Z(i, j), zl = Z(i - 1, j), zr = Z(i + 1, j), zd = Z(i, j - 1),
                  zu = Z(i, j + 1);
      if (z == UndefinedValue || zl == UndefinedValue || zr == UndefinedValue ||
          zd == UndefinedValue || zu == UndefinedValue)
        continue;
      const float gu = ((zr - z) + (z - zl)) / 2.0f;
      const float gv = ((z - zd) + (zu - z)) / 2.0f;
      PlotArrow a;
      a.BaseX = grid(i, j).z; // X of the formulas
      a.BaseY = grid(i, j).x; // Y of the formulas
      a.TipX = a.BaseX + gu;
      a.TipY = a.BaseY + gv;
      for (int k = 0; k <= 20; ++k) {
        const double angle = PlotHeadAngle(k);
        a.RimX[static_cast<size_t>(k)] =
            static_cast<float>(double{a.TipX} + kPlotHeadRadius * std::sin(angle));
        a.RimY[static_cast<size_t>(k)] =
            static_cast<float>(double{a.TipY} + kPlotHeadRadius * std::cos(angle));
      }
      arrows.push_back(a);
    }
  return arrows;
}
