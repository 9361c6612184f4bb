#include "render/surfaces/IsoSurface.h"
#include "render/surfaces/KeptStorage.h"

#include <GL/gl.h>

#include <cmath>

#include "model/Graph.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "render/surfaces/SchemeLookup.h"

namespace {

// The scheme of the isosurfaces: the named scheme loaded last, kept from one call to the next.
SchemeStops& IsoScheme() {
  static SchemeStops scheme = [] {
    SchemeStops s;
    s.Load(*FindColorScheme("RAINBOW"));
    return s;
  }();
  return scheme;
}

// Copies a graph's still or framed value grids into samples; false when they are smaller than the
// graph's step counts.
template <class Grid, class... Frame>
bool CopyGrids(const Graph& g, const Grid& g1, const Grid& g2, const Grid& g3, const Grid& gv,
               IsoSamples& out, Frame... frame) {
  for (const Grid* grid : {&g1, &g2, &g3, &gv})
    if (!grid->InRange({g.StepU, g.StepV, g.StepW, frame...})) return false;
  out.Resize(g.StepU, g.StepV, g.StepW);
  for (int32_t i = 0; i <= g.StepU; ++i)
    for (int32_t j = 0; j <= g.StepV; ++j)
      for (int32_t k = 0; k <= g.StepW; ++k) {
        const size_t n = out.Index(i, j, k);
        out.X[n] = g1(i, j, k, frame...);
        out.Y[n] = g2(i, j, k, frame...);
        out.Z[n] = g3(i, j, k, frame...);
        out.W[n] = gv(i, j, k, frame...);
      }
  out.FindLines();
  return true;
}

} // namespace

void DrawImplicitSurface(const IsoSamples& samples, float level, float, float, int32_t color) {
  float red = 0, green = 0, blue = 0;
  ColorToRgb(color, red, green, blue);
  // Kept from one surface to the next: a surface drawn frame after frame reuses its storage.
  thread_local KeptStorage<IsoMesh> kept;
  IsoMesh& mesh = kept.For(samples.Count());
  ImplicitSurfaceMesh(samples, level, {AxisScaleX, AxisScaleY, AxisScaleZ}, mesh);
  glPushMatrix();
  glColor3d(red, green, blue);
  if (!mesh.Triangles.empty()) {
    glBegin(GL_TRIANGLES);
    for (const auto& tri : mesh.Triangles)
      for (int32_t v : tri) {
        const IsoPoint& n = mesh.Normals[size_t(v)];
        const IsoPoint& p = mesh.Positions[size_t(v)];
        glNormal3f(n[0], n[1], n[2]);
        glVertex3f(p[0] - SceneCenterX, p[1] - SceneCenterY, p[2] - SceneCenterZ);
      }
    glEnd();
  }
  glPopMatrix();
}

void DrawImplicitGraph(const Graph& g, int32_t animStep) {
  if (g.StepU < 1 || g.StepV < 1 || g.StepW < 1) return;
  IsoSamples samples;
  const bool ok = GraphKind(g).Animated ? CopyGrids(g, g.FrameGrid1, g.FrameGrid2, g.FrameGrid3,
                                                    g.FrameGridV, samples, animStep)
                                        : CopyGrids(g, g.SampleGrid1, g.SampleGrid2, g.SampleGrid3,
                                                    g.SampleGridV, samples);
  if (!ok) return;
  DrawImplicitSurface(samples, 0.0f, g.GridValueMin, g.GridValueMax, g.SecondColor);
}

std::array<float, 3> IsoSurfaceColor(std::string& colorName, float level, float min, float max) {
  if (colorName.empty()) colorName = "Rainbow";
  std::string upper = UpperCaseName(colorName);
  if (!upper.empty() && upper[0] == '@') upper.erase(0, 1);
  if (const NamedColorScheme* scheme = FindColorScheme(upper)) IsoScheme().Load(*scheme);
  const float range = max - min;
  if (range == 0.0f) return {0.0f, 0.0f, 1.0f};
  std::array<float, 3> rgb{0.0f, 0.0f, 0.0f};
  LookUpStops(IsoScheme(), level, min, range, StopPairTest::HalfOpen, rgb);
  return rgb;
}

void DrawIsoSurface(const IsoSamples& samples, float level, std::string& colorName, float min,
                    float max) {
  const std::array<float, 3> colour = IsoSurfaceColor(colorName, level, min, max);
  thread_local KeptStorage<IsoMesh> kept;
  IsoMesh& mesh = kept.For(samples.Count());
  IsoSurfaceMesh(samples, level, AxisScaleV, mesh);
  // The user's x, y, z go to the scene's z, x, y, each divided by its axis scale. A normal goes
  // the same way but multiplied by the scales (the transpose of the inverse), so that it stays
  // across the surface when the axes are scaled unequally; were the scales to mirror the scene,
  // each triangle's winding turns with it so that it still faces higher values.
  const float scale[3] = {AxisScaleZ, AxisScaleX, AxisScaleY}; // of the user's x, y, z
  const bool mirrored = AxisScaleX * AxisScaleY * AxisScaleZ < 0.0f;
  glPushMatrix();
  glColor3f(colour[0], colour[1], colour[2]);
  if (!mesh.Triangles.empty()) {
    glBegin(GL_TRIANGLES);
    for (const auto& tri : mesh.Triangles)
      for (size_t c = 0; c < 3; ++c) {
        const int32_t v = tri[mirrored ? (3 - c) % 3 : c];
        const IsoPoint& n = mesh.Normals[size_t(v)];
        const IsoPoint& p = mesh.Positions[size_t(v)];
        const double scaled[3] = {double(n[0]) * scale[0], double(n[1]) * scale[1],
                                  double(n[2]) * scale[2]};
        const double length =
            std::sqrt(scaled[0] * scaled[0] + scaled[1] * scaled[1] + scaled[2] * scaled[2]);
        if (length > 0)
          glNormal3d(scaled[1] / length, scaled[2] / length, scaled[0] / length);
        else
          glNormal3d(n[1], n[2], n[0]);
        glVertex3f(p[1] / AxisScaleX - SceneCenterX, p[2] / AxisScaleY - SceneCenterY,
                   p[0] / AxisScaleZ - SceneCenterZ);
      }
    glEnd();
  }
  glPopMatrix();
}
