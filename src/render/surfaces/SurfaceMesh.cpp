#include "render/surfaces/SurfaceMesh.h"

#include <algorithm>
#include <cmath>

#include "formula/FormulaGlobals.h"
#include "model/Graph.h"
#include "model/ProgramState.h"

namespace {

bool IsUndefined(const Vec3& p) {
  return p[0] == UndefinedValue || p[1] == UndefinedValue || p[2] == UndefinedValue;
}

// Copies the points (0 .. upper0, 0 .. upper1) of a laid-out two-index array.
template <class Source>
void CopyPoints(SurfaceGrid& grid, int32_t stepU, int32_t stepV, Source&& point) {
  grid.Resize(stepU, stepV);
  for (int32_t j = 0; j <= stepU; ++j)
    for (int32_t i = 0; i <= stepV; ++i) {
      const GraphPoint& p = point(j, i);
      grid.Points[grid.Index(j, i)] = {p.x, p.y, p.z};
    }
}

void FromArray(SurfaceGrid& grid, const PointArray<2>& a, int32_t stepU, int32_t stepV) {
  if (!a.HasPoints()) return;
  const int32_t u = std::min(stepU, a.Upper(0)), v = std::min(stepV, a.Upper(1));
  CopyPoints(grid, u, v, [&](int32_t j, int32_t i) -> const GraphPoint& { return a(j, i); });
}

Vec3 Sub(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vec3 Unit(const Vec3& n) {
  const float len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  if (!(len > 0.0f) || !std::isfinite(len)) return {0.0f, 0.0f, 0.0f};
  return {n[0] / len, n[1] / len, n[2] / len};
}

// Two grid points coincide when each coordinate differs by less than 8/10 of its cell size.
bool Coincide(const SurfaceGrid& grid, int32_t j1, int32_t i1, int32_t j2, int32_t i2,
              const Vec3& cellSize) {
  if (!grid.Defined(j1, i1) || !grid.Defined(j2, i2)) return false;
  const Vec3& a = grid.At(j1, i1);
  const Vec3& b = grid.At(j2, i2);
  for (int k = 0; k < 3; ++k)
    if (!(std::fabs(a[static_cast<size_t>(k)] - b[static_cast<size_t>(k)]) <
          cellSize[static_cast<size_t>(k)] * 8.0f / 10.0f))
      return false;
  return true;
}

float Gradient(float first, float second, float q, float m, float span) {
  return ((first - second) * (q - m)) / span + second;
}

void Allocate(SurfaceMesh& mesh, const SurfaceGrid& grid) {
  mesh.StepU = grid.StepU;
  mesh.StepV = grid.StepV;
  const size_t vertices = grid.Points.size();
  const size_t cells = static_cast<size_t>(grid.StepU) * static_cast<size_t>(grid.StepV);
  mesh.Vertex.resize(vertices);
  mesh.Colour.resize(vertices);
  mesh.Tex.resize(vertices);
  mesh.VertexNormal.assign(vertices, Vec3{0.0f, 0.0f, 0.0f});
  mesh.CellNormal.assign(cells, Vec3{0.0f, 0.0f, 0.0f});
  mesh.CellDrawn.assign(cells, 0);
  for (int32_t j = 0; j < grid.StepU; ++j)
    for (int32_t i = 0; i < grid.StepV; ++i)
      mesh.CellDrawn[mesh.Cell(j, i)] = grid.Defined(j, i) && grid.Defined(j + 1, i) &&
                                        grid.Defined(j + 1, i + 1) && grid.Defined(j, i + 1);
}

} // namespace

void SurfaceGrid::Resize(int32_t stepU, int32_t stepV) {
  StepU = stepU;
  StepV = stepV;
  const size_t n = static_cast<size_t>(stepU + 1) * static_cast<size_t>(stepV + 1);
  Points.assign(n, Vec3{0.0f, 0.0f, 0.0f});
  Present.assign(n, 1);
}

bool SurfaceGrid::Defined(int32_t j, int32_t i) const {
  const size_t k = Index(j, i);
  return Present[k] != 0 && !IsUndefined(Points[k]);
}

SurfaceGrid GridOfGraph(const Graph& g, int32_t step) {
  SurfaceGrid grid;
  switch (g.GraphType) {
  case Surface3DAnimation: {
    const PointArray<3>& a = g.Anim3D;
    if (!a.HasPoints() || step < 0 || step > a.Upper(2)) break;
    const int32_t u = std::min(g.StepU, a.Upper(0)), v = std::min(g.StepV, a.Upper(1));
    CopyPoints(grid, u, v,
               [&](int32_t j, int32_t i) -> const GraphPoint& { return a(j, i, step); });
    break;
  }
  case Table3D: {
    const int32_t u = std::min(g.StepU, TablePoints::Last);
    const int32_t v = std::min(g.StepV, TablePoints::Last);
    if (u < 0 || v < 0) break;
    CopyPoints(grid, u, v,
               [&](int32_t j, int32_t i) -> const GraphPoint& { return g.VertTab3D.At(j, i); });
    for (int32_t j = 0; j <= u; ++j)
      if (!g.VertTab3D.RowExists(j))
        for (int32_t i = 0; i <= v; ++i)
          grid.Present[grid.Index(j, i)] = 0;
    break;
  }
  case RevolutionAboutX:
  case RevolutionAboutY:
    FromArray(grid, g.VertRev, 40, g.StepV);
    break;
  default:
    if (g.ShowSurPY && g.VertPY.HasPoints())
      FromArray(grid, g.VertPY, g.StepU, g.StepV);
    else if (g.ShowSurPX && g.VertPX.HasPoints())
      FromArray(grid, g.VertPX, g.StepU, g.StepV);
    else
      FromArray(grid, g.Vert3D, g.StepU, g.StepV);
    break;
  }
  return grid;
}

SceneMapping SceneMapping::Current() {
  SceneMapping m;
  m.Scale = {AxisScaleX, AxisScaleY, AxisScaleZ};
  m.Centre = {SceneCenterX, SceneCenterY, SceneCenterZ};
  return m;
}

SurfaceBox SurfaceBox::OfGraph(const Graph& g) {
  return SurfaceBox{{g.BoxMinX, g.BoxMinY, g.BoxMinZ}, {g.BoxMaxX, g.BoxMaxY, g.BoxMaxZ}};
}

Vec3 SurfaceBox::Spans() const {
  Vec3 s{};
  for (size_t k = 0; k < 3; ++k) {
    s[k] = Max[k] - Min[k];
    if (s[k] == 0.0f) s[k] = 1.0f / 1000000.0f;
  }
  return s;
}

SurfaceFill SurfaceFill::OfGraph(Graph& g) {
  SurfaceFill f;
  f.FillStyle = g.FillStyle;
  ColorToRgb(g.FirstColor, f.First[0], f.First[1], f.First[2]);
  ColorToRgb(g.SecondColor, f.Second[0], f.Second[1], f.Second[2]);
  if (g.FillStyle == ColorMapFill) f.Scheme = ColorLookup::FromGraph(g);
  return f;
}

Vec3 SurfaceFill::ColourOf(const Vec3& p, const SurfaceBox& box, const Vec3& spans) const {
  auto gradient = [&](size_t axis) {
    Vec3 c{};
    for (size_t k = 0; k < 3; ++k)
      c[k] = Gradient(First[k], Second[k], p[axis], box.Min[axis], spans[axis]);
    return c;
  };
  switch (FillStyle) {
  case GradientLeftRight:
    return gradient(0);
  case GradientFrontBack:
    return gradient(2);
  case GradientTopBottom:
    return gradient(1);
  case SingleColor:
    return Second;
  case ColorMapFill: {
    Vec3 c{};
    Scheme.Color(p[1], box.Min[1], spans[1], c[0], c[1], c[2]);
    return c;
  }
  default:
    return {0.0f, 0.0f, 0.0f};
  }
}

SurfaceMesh BuildSurfaceMesh(const SurfaceGrid& grid, const SurfaceBox& box,
                             const SceneMapping& mapping, const SurfaceFill& fill) {
  SurfaceMesh mesh;
  Allocate(mesh, grid);
  const int32_t U = grid.StepU, V = grid.StepV;
  const Vec3 spans = box.Spans();

  for (int32_t j = 0; j <= U; ++j) {
    const float s = static_cast<float>(static_cast<double>(U - j) / U);
    for (int32_t i = 0; i <= V; ++i) {
      const size_t k = mesh.Vtx(j, i);
      const Vec3& p = grid.Points[k];
      mesh.Vertex[k] = mapping.Map(p);
      mesh.Colour[k] = fill.ColourOf(p, box, spans);
      mesh.Tex[k] = {s, static_cast<float>(static_cast<double>(V - i) / V)};
    }
  }

  for (int32_t j = 0; j < U; ++j)
    for (int32_t i = 0; i < V; ++i) {
      const size_t c = mesh.Cell(j, i);
      if (!mesh.CellDrawn[c]) continue;
      const Vec3& p0 = mesh.Vertex[mesh.Vtx(j, i)];
      const Vec3& p1 = mesh.Vertex[mesh.Vtx(j + 1, i)];
      const Vec3& p2 = mesh.Vertex[mesh.Vtx(j + 1, i + 1)];
      const Vec3& p3 = mesh.Vertex[mesh.Vtx(j, i + 1)];
      mesh.CellNormal[c] = Unit(Cross(Sub(p0, p2), Sub(p1, p3)));
    }

  // Seams: only the two end vertices of each are compared, in data units.
  const Vec3 cellSize{(box.Max[0] - box.Min[0]) / static_cast<float>(U),
                      (box.Max[1] - box.Min[1]) / static_cast<float>(V),
                      (box.Max[2] - box.Min[2]) / static_cast<float>(std::max(U, V))};
  mesh.RowSeamJoined = Coincide(grid, 0, 0, 0, V, cellSize) && Coincide(grid, U, 0, U, V, cellSize);
  mesh.ColumnSeamJoined =
      Coincide(grid, 0, 0, U, 0, cellSize) && Coincide(grid, 0, V, U, V, cellSize);

  // The cells around a vertex: (j - 1 or j, i - 1 or i), wrapping across a joined seam; a cell
  // met twice (a grid one cell wide) counts once.
  for (int32_t j = 0; j <= U; ++j)
    for (int32_t i = 0; i <= V; ++i) {
      int32_t cj[2] = {j - 1, j}, ci[2] = {i - 1, i};
      if (mesh.ColumnSeamJoined) {
        if (cj[0] < 0) cj[0] = U - 1;
        if (cj[1] >= U) cj[1] = 0;
      }
      if (mesh.RowSeamJoined) {
        if (ci[0] < 0) ci[0] = V - 1;
        if (ci[1] >= V) ci[1] = 0;
      }
      size_t seen[4];
      int count = 0;
      Vec3 sum{0.0f, 0.0f, 0.0f};
      for (int32_t a : cj)
        for (int32_t b : ci) {
          if (a < 0 || a >= U || b < 0 || b >= V) continue;
          const size_t c = mesh.Cell(a, b);
          if (std::find(seen, seen + count, c) != seen + count) continue;
          seen[count++] = c;
          if (!mesh.CellDrawn[c]) continue;
          for (size_t k = 0; k < 3; ++k)
            sum[k] += mesh.CellNormal[c][k];
        }
      mesh.VertexNormal[mesh.Vtx(j, i)] = Unit(sum);
    }
  return mesh;
}

SurfaceMesh BuildColorMapMesh(const SurfaceGrid& grid, const SurfaceBox& box,
                              const SceneMapping& mapping, const SurfaceFill& fill) {
  SurfaceMesh mesh;
  Allocate(mesh, grid);
  const Vec3 spans = box.Spans();
  const float depth = box.Min[1] - mapping.Centre[2];
  for (size_t k = 0; k < grid.Points.size(); ++k) {
    const Vec3& p = grid.Points[k];
    mesh.Vertex[k] = {p[2] - mapping.Centre[0], p[0] - mapping.Centre[1], depth};
    mesh.Colour[k] = fill.ColourOf(p, box, spans);
  }
  return mesh;
}
