// DrawSurface: emits a surface-like graph into the display list being recorded. The geometry is
// computed first as data (SurfaceMesh, SurfaceOverlays); this file only sets the GL state the
// graph's style asks for and sends the vertices. The graph's drawing (Graph::Draw) saves the GL
// state before and restores it after, so nothing set here reaches the graphs drawn later.

#include <GL/gl.h>

#include "model/Graph.h"
#include "model/ProblemsToldOnce.h"
#include "render/common/PolygonMode.h"
#include "render/surfaces/IsoSurface.h"
#include "render/surfaces/SurfaceDrawers.h"
#include "render/surfaces/SurfaceMesh.h"
#include "render/surfaces/SurfaceOverlays.h"
#include "render/surfaces/SurfaceTextures.h"

namespace {

void Vertex(const Vec3& v) { glVertex3f(v[0], v[1], v[2]); }
void Normal(const Vec3& n) { glNormal3f(n[0], n[1], n[2]); }
void Colour(const Vec3& c) { glColor3f(c[0], c[1], c[2]); }

// How a corner's colour is sent, by texture and transparency.
enum class CornerColour { Plain, WithAlpha, White, None };

CornerColour CornerColourOf(const Graph& g) {
  if (g.ShowTex) {
    if (g.TexMode == TextureBlend) return CornerColour::WithAlpha;
    if (g.TexMode == TextureOverlap) return CornerColour::White;
    return CornerColour::None;
  }
  return g.ShowTrans ? CornerColour::WithAlpha : CornerColour::Plain;
}

void EmitCells(const Graph& g, const SurfaceMesh& mesh) {
  const CornerColour mode = CornerColourOf(g);
  const bool perVertex = g.Smoothness == ShadeSmoothest;
  const bool perCell = g.Smoothness == ShadeFlat || g.Smoothness == ShadeSmooth;
  if (!perVertex && !perCell) return;
  auto corner = [&](size_t k) {
    glTexCoord2f(mesh.Tex[k][0], mesh.Tex[k][1]);
    if (perVertex) Normal(mesh.VertexNormal[k]);
    const Vec3& c = mesh.Colour[k];
    switch (mode) {
    case CornerColour::Plain:
      glColor3f(c[0], c[1], c[2]);
      break;
    case CornerColour::WithAlpha:
      glColor4f(c[0], c[1], c[2], g.TransAlpha);
      break;
    case CornerColour::White:
      glColor3f(1.0f, 1.0f, 1.0f);
      break;
    case CornerColour::None:
      break;
    }
    Vertex(mesh.Vertex[k]);
  };
  glBegin(GL_QUADS);
  for (int32_t j = 0; j < mesh.StepU; ++j)
    for (int32_t i = 0; i < mesh.StepV; ++i) {
      const size_t c = mesh.Cell(j, i);
      if (!mesh.CellDrawn[c]) continue;
      if (perCell) Normal(mesh.CellNormal[c]);
      corner(mesh.Vtx(j, i));
      corner(mesh.Vtx(j + 1, i));
      corner(mesh.Vtx(j + 1, i + 1));
      corner(mesh.Vtx(j, i + 1));
    }
  glEnd();
}

void ShadeModel(int32_t smoothness) {
  if (smoothness == ShadeFlat) glShadeModel(GL_FLAT);
  if (smoothness == ShadeSmooth || smoothness == ShadeSmoothest) glShadeModel(GL_SMOOTH);
}

void DrawColorMapGraph(Graph& g, const SurfaceGrid& grid) {
  const SurfaceBox box = SurfaceBox::OfGraph(g);
  const SurfaceMesh mesh =
      BuildColorMapMesh(grid, box, SceneMapping::Current(), SurfaceFill::OfGraph(g));
  ShadeModel(g.Smoothness);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glBegin(GL_QUADS);
  for (int32_t j = 0; j < mesh.StepU; ++j)
    for (int32_t i = 0; i < mesh.StepV; ++i) {
      if (!mesh.CellDrawn[mesh.Cell(j, i)]) continue;
      for (size_t k :
           {mesh.Vtx(j, i), mesh.Vtx(j, i + 1), mesh.Vtx(j + 1, i + 1), mesh.Vtx(j + 1, i)}) {
        Colour(mesh.Colour[k]);
        Vertex(mesh.Vertex[k]);
      }
    }
  glEnd();
  glEnable(GL_LIGHTING);
}

// Smoothed lines blended by alpha, lighting off (the state of the floor's lines and arrows).
void BeginSmoothLines() {
  glDisable(GL_LIGHTING);
  glEnable(GL_LINE_SMOOTH);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
}

void DrawTangents(const TangentGeometry& t) {
  for (const TangentPlane& plane : t.Planes) {
    glBegin(GL_QUADS);
    glColor3f(0.0f, 0.0f, 1.0f);
    Normal(plane.Normal);
    for (const Vec3& c : plane.Corners)
      Vertex(c);
    glEnd();
  }
  for (const SceneSegment& line : t.NormalLines) {
    glColor3f(0.0f, 1.0f, 0.0f);
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    Vertex(line.From);
    Vertex(line.To);
    glEnd();
  }
}

void DrawFloor(const Graph& g, const SurfaceGrid& grid, const SurfaceMesh& mesh,
               const SurfaceBox& box, const SceneMapping& mapping) {
  // The clip planes cut the surface's heights; the floor lies below them all (3 below the lowest
  // height the clip leaves) and would be cut away whole. The graph's drawing puts the planes back.
  glDisable(GL_CLIP_PLANE0);
  glDisable(GL_CLIP_PLANE1);
  if (g.ShowColormap) {
    const FloorQuads floor = BuildFloorColorMap(grid, mesh, box, mapping);
    glBegin(GL_QUADS);
    for (size_t q = 0; q < floor.Corners.size(); ++q)
      for (size_t c = 0; c < 4; ++c) {
        Normal(floor.Normals[q][c]);
        Colour(floor.Colours[q][c]);
        Vertex(floor.Corners[q][c]);
      }
    glEnd();
  }
  if (g.ShowContour) {
    const std::vector<SceneSegment> lines = BuildFloorContours(grid, box, mapping, g.ContourLevel);
    BeginSmoothLines();
    // A width below 1 is no width GL takes: the current one stays.
    if (g.LineWidth >= 1) glLineWidth(static_cast<float>(g.LineWidth));
    glColor3f(0.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    for (const SceneSegment& s : lines) {
      Vertex(s.From);
      Vertex(s.To);
    }
    glEnd();
    glEnable(GL_LIGHTING);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);
  }
  if (g.ShowVector) {
    const std::vector<FloorArrow> arrows = BuildFloorArrows(grid, box, mapping);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glColor3f(0.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    for (const FloorArrow& a : arrows) {
      Vertex(a.Shaft.From);
      Vertex(a.Shaft.To);
    }
    glEnd();
    glBegin(GL_TRIANGLES);
    for (const FloorArrow& a : arrows)
      for (const auto& triangle : a.Disc)
        for (const Vec3& v : triangle)
          Vertex(v);
    glEnd();
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);
  }
}

} // namespace

void DrawSurface(Graph& g, int32_t animStep) {
  // An implicit surface is drawn from its value grids by the implicit-surface drawer; its point
  // grid holds nothing of it, so none of the grid passes below runs for it.
  if ((g.GraphType == Surface3D || g.GraphType == Surface3DAnimation) && g.FunForm == Implicit) {
    DrawImplicitGraph(g, animStep);
    return;
  }

  TangentFormulas formulas;
  if (g.ShowTangent || g.ShowNormal) {
    TellOnceAbout once(g);
    if (!formulas.Prepare(g.ExpressZ)) return;
  }

  const SurfaceGrid grid = GridOfGraph(g, animStep);
  if (!grid.HasCells()) return;

  if (g.GraphType == ColorMap) {
    DrawColorMapGraph(g, grid);
    return;
  }

  SetPolygonModeOf(g.Show);

  if (g.ShowTex) {
    if (const GLuint texture = SurfaceTextures::Use(g.TexName); texture != 0) {
      glBindTexture(GL_TEXTURE_2D, texture);
      glEnable(GL_TEXTURE_2D);
    }
  }
  if (g.ShowTrans) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
  }

  const SurfaceBox box = SurfaceBox::OfGraph(g);
  const SceneMapping mapping = SceneMapping::Current();
  const SurfaceMesh mesh = BuildSurfaceMesh(grid, box, mapping, SurfaceFill::OfGraph(g));
  ShadeModel(g.Smoothness);
  EmitCells(g, mesh);

  if (g.ShowTex) {
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
  }
  if (g.ShowTrans) glDisable(GL_BLEND);

  if (g.ShowTangent || g.ShowNormal) DrawTangents(BuildTangents(g, formulas, mapping));
  DrawFloor(g, grid, mesh, box, mapping);
}
