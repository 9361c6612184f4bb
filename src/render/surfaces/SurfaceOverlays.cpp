#include "render/surfaces/SurfaceOverlays.h"

#include <algorithm>
#include <cmath>

#include "formula/Derivative.h"
#include "formula/FormulaParser.h"
#include "formula/FormulaText.h"
#include "model/Graph.h"
#include "render/surfaces/ContourTracer.h"

namespace {

// The floor position of a data (x, z) at the data height h.
Vec3 OnFloor(const SceneMapping& m, float x, float h, float z) { return m.Map({x, h, z}); }

} // namespace

float FloorHeight(const SurfaceBox& box) { return box.Min[1] - 3.0f; }

FloorQuads BuildFloorColorMap(const SurfaceGrid& grid, const SurfaceMesh& mesh,
                              const SurfaceBox& box, const SceneMapping& mapping) {
  FloorQuads quads;
  const float h = FloorHeight(box);
  for (int32_t j = 0; j < mesh.StepU; ++j)
    for (int32_t i = 0; i < mesh.StepV; ++i) {
      if (!mesh.CellDrawn[mesh.Cell(j, i)]) continue;
      const size_t k[4] = {mesh.Vtx(j, i), mesh.Vtx(j + 1, i), mesh.Vtx(j + 1, i + 1),
                           mesh.Vtx(j, i + 1)};
      std::array<Vec3, 4> corners{}, colours{}, normals{};
      for (size_t c = 0; c < 4; ++c) {
        const Vec3& p = grid.Points[k[c]];
        corners[c] = OnFloor(mapping, p[0], h, p[2]);
        colours[c] = mesh.Colour[k[c]];
        normals[c] = mesh.VertexNormal[k[c]];
      }
      quads.Corners.push_back(corners);
      quads.Colours.push_back(colours);
      quads.Normals.push_back(normals);
    }
  return quads;
}

std::vector<SceneSegment> BuildFloorContours(const SurfaceGrid& grid, const SurfaceBox& box,
                                             const SceneMapping& mapping, float levels) {
  std::vector<SceneSegment> out;
  const int32_t m = grid.StepU + 1, n = grid.StepV + 1;
  if (m < 2 || n < 2 || m > kMaxContourGridSide || n > kMaxContourGridSide) return out;
  // Node (j + 1, i + 1) holds the height of grid point (j, i); a missing point is undefined.
  ContourGrid heights(m, n);
  for (int32_t j = 0; j < m; ++j)
    for (int32_t i = 0; i < n; ++i)
      heights(j + 1, i + 1) = grid.Present[grid.Index(j, i)] ? grid.At(j, i)[1] : UndefinedValue;
  if (!(std::isfinite(levels) && levels > 0.0f)) levels = DefaultFloorContourIntervals;
  float lowest = 0.0f, highest = 0.0f;
  const std::vector<float> all = ContourLevels(heights, levels, lowest, highest);
  for (float level : all)
    NudgeGrid(heights, level);

  // A tracer point lies at (i + 1, j + 1) in grid units; its floor position is the bilinear mix of
  // the x and z of the four corners of its cell.
  const float h = FloorHeight(box) + 0.1f;
  auto place = [&](const TracerPoint& t) {
    const float u = std::clamp(t.y - 1.0f, 0.0f, static_cast<float>(grid.StepU));
    const float v = std::clamp(t.x - 1.0f, 0.0f, static_cast<float>(grid.StepV));
    const int32_t j = std::min(static_cast<int32_t>(u), grid.StepU - 1);
    const int32_t i = std::min(static_cast<int32_t>(v), grid.StepV - 1);
    const float fu = u - static_cast<float>(j), fv = v - static_cast<float>(i);
    const Vec3 &a = grid.At(j, i), &b = grid.At(j + 1, i), &c = grid.At(j + 1, i + 1),
               &d = grid.At(j, i + 1);
    auto mix = [&](size_t k) {
      return (1 - fu) * (1 - fv) * a[k] + fu * (1 - fv) * b[k] + fu * fv * c[k] +
             (1 - fu) * fv * d[k];
    };
    return OnFloor(mapping, mix(0), h, mix(2));
  };
  for (float level : all)
    for (const ContourLine& line : TraceLevel(heights, 1.0f, 1.0f, level, CrossingTest::Exact))
      for (size_t k = 1; k < line.size(); ++k)
        out.push_back({place(line[k - 1]), place(line[k])});
  return out;
}

std::vector<FloorArrow> BuildFloorArrows(const SurfaceGrid& grid, const SurfaceBox& box,
                                         const SceneMapping& mapping) {
  std::vector<FloorArrow> arrows;
  const float h = FloorHeight(box);
  std::array<float, 21> cosA{}, sinA{};
  for (int k = 0; k <= 20; ++k) {
    const float a = static_cast<float>(k) * 31416.0f / 100000.0f;
    cosA[static_cast<size_t>(k)] = std::cos(a);
    sinA[static_cast<size_t>(k)] = std::sin(a);
  }
  for (int32_t j = 1; j < grid.StepU; ++j)
    for (int32_t i = 1; i < grid.StepV; ++i) {
      if (!grid.Defined(j, i) || !grid.Defined(j - 1, i) || !grid.Defined(j, i - 1) ||
          !grid.Defined(j + 1, i) || !grid.Defined(j, i + 1))
        continue;
      const float y = grid.At(j, i)[1];
      const float gj = ((grid.At(j + 1, i)[1] - y) + (y - grid.At(j - 1, i)[1])) / 2.0f;
      const float gi = ((y - grid.At(j, i - 1)[1]) + (grid.At(j, i + 1)[1] - y)) / 2.0f;
      const float x = grid.At(j, i)[0], z = grid.At(j, i)[2];
      const float tx = x + gi, tz = z + gj;
      FloorArrow arrow;
      const Vec3 tip = OnFloor(mapping, tx, h, tz);
      arrow.Shaft = {OnFloor(mapping, x, h, z), tip};
      for (size_t k = 0; k < 20; ++k)
        arrow.Disc[k] = {OnFloor(mapping, tx + 0.04f * cosA[k], h, tz + 0.04f * sinA[k]),
                         OnFloor(mapping, tx + 0.04f * cosA[k + 1], h, tz + 0.04f * sinA[k + 1]),
                         tip};
      arrows.push_back(arrow);
    }
  return arrows;
}

bool TangentFormulas::Prepare(const std::string& expressZ) {
  const std::string z = InsertImplicitProducts(expressZ);
  std::string dx, dy;
  if (!PartialDerivativeText(z, "x", dx)) return false;
  if (!PartialDerivativeText(z, "y", dy)) return false;
  FormulaParser evaluator;
  std::string postfix;
  const std::pair<const std::string*, CompiledFormula*> order[] = {
      {&dx, &Dx}, {&dy, &Dy}, {&z, &Z}};
  for (const auto& [text, target] : order) {
    postfix.clear();
    if (evaluator.InfixToPostfix(*text, postfix) != 0) return false;
    *target = CompiledFormula(postfix);
  }
  return true;
}

TangentGeometry BuildTangents(const Graph& g, const TangentFormulas& f,
                              const SceneMapping& mapping) {
  TangentGeometry out;
  // Formula (x, y, z) is the scene's (y, z, x).
  auto scene = [&](float x, float y, float z) { return mapping.Map({y, z, x}); };
  auto at = [&](float x0, float y0, float& z0, float& p, float& q) {
    FormulaVars vars;
    vars.X = x0;
    vars.Y = y0;
    z0 = f.Z.Evaluate(vars);
    p = f.Dx.Evaluate(vars);
    q = f.Dy.Evaluate(vars);
    return z0 != UndefinedValue;
  };
  if (g.ShowTangent) {
    const int32_t count = std::min(g.TangentNum, 50);
    for (int32_t k = 1; k <= count; ++k) {
      const float x0 = g.TangentX[k], y0 = g.TangentY[k];
      float z0 = 0, p = 0, q = 0;
      if (!at(x0, y0, z0, p, q)) continue;
      TangentPlane plane;
      const float xs[4] = {x0 - 0.5f, x0 - 0.5f, x0 + 0.5f, x0 + 0.5f};
      const float ys[4] = {y0 - 0.5f, y0 + 0.5f, y0 + 0.5f, y0 - 0.5f};
      for (size_t c = 0; c < 4; ++c) {
        const float z = q * (ys[c] - y0) + p * (xs[c] - x0) + z0;
        plane.Corners[c] = scene(xs[c], ys[c], z);
      }
      const Vec3& a = plane.Corners[0];
      const Vec3& b = plane.Corners[1];
      const Vec3& c = plane.Corners[2];
      const Vec3& d = plane.Corners[3];
      const Vec3 e1{a[0] - c[0], a[1] - c[1], a[2] - c[2]};
      const Vec3 e2{b[0] - d[0], b[1] - d[1], b[2] - d[2]};
      Vec3 n{e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
             e1[0] * e2[1] - e1[1] * e2[0]};
      const float len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
      if (len > 0.0f && std::isfinite(len)) {
        const float sign = n[1] < 0.0f ? -1.0f : 1.0f;
        for (float& v : n)
          v = sign * v / len;
      } else {
        n = {0.0f, 1.0f, 0.0f};
      }
      plane.Normal = n;
      out.Planes.push_back(plane);
    }
  }
  if (g.ShowNormal) {
    const int32_t count = std::min(g.NormalNum, 50);
    for (int32_t k = 1; k <= count; ++k) {
      const float x0 = g.NormalX[k], y0 = g.NormalY[k];
      float z0 = 0, p = 0, q = 0;
      if (!at(x0, y0, z0, p, q)) continue;
      out.NormalLines.push_back({scene(x0 + 0.5f * p, y0 + 0.5f * q, z0 - 0.5f),
                                 scene(x0 - 0.5f * p, y0 - 0.5f * q, z0 + 0.5f)});
    }
  }
  return out;
}
