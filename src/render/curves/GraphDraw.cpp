// The drawing entry of a graph (Graph::Draw): a fixed prologue that prepares the graph's colours,
// clip planes, material, box and report box, a dispatch on the graph's kind, and a common end.
// Everything a graph changes in the GL state is put back when its drawing ends, also when it ends
// by a failure, so nothing of one graph leaks into the graphs and axes drawn after it.

#include <GL/gl.h>

#include "formula/FormulaText.h"
#include "model/Graph.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "render/common/MaterialColors.h"
#include "render/common/ResultBox.h"
#include "render/curves/DrawFrame.h"
#include "render/surfaces/ColorSchemes.h"
#include "render/surfaces/SurfaceDrawers.h"
#include "sampling/Sampling.h"

namespace {

// The state groups a graph's drawing may change: enables (lighting, blending, smoothing, clip
// planes), clip-plane equations and matrix mode, polygon mode, point size, line width, shade model
// and lighting values, blend function and hints.
constexpr GLbitfield kGraphState = GL_ENABLE_BIT | GL_TRANSFORM_BIT | GL_POLYGON_BIT |
                                   GL_POINT_BIT | GL_LINE_BIT | GL_LIGHTING_BIT |
                                   GL_COLOR_BUFFER_BIT | GL_HINT_BIT;

// Saves the model-view matrix and the graph's state groups when a drawing starts and restores
// both when it ends, however it ends. Commands are recorded into the display list being compiled,
// so the restore happens where the list is replayed. The colour-material set-up and the material
// of the graph are what later drawings (the axes panels among them) are drawn with, as they have
// always been; they are applied again after the restore.
class GraphStateBracket {
public:
  GraphStateBracket() {
    glPushMatrix();
    glPushAttrib(kGraphState);
  }
  ~GraphStateBracket() {
    glPopAttrib();
    if (m_keepMaterial) {
      glEnable(GL_COLOR_MATERIAL);
      glColorMaterial(GL_FRONT_AND_BACK, m_colourMode);
      MaterialColors material;
      material.SetMaterial(m_material);
    }
    glPopMatrix();
  }
  GraphStateBracket(const GraphStateBracket&) = delete;
  GraphStateBracket& operator=(const GraphStateBracket&) = delete;

  void KeepMaterial(GLenum colourMode, int32_t material) {
    m_keepMaterial = true;
    m_colourMode = colourMode;
    m_material = material;
  }

private:
  bool m_keepMaterial = false;
  GLenum m_colourMode = GL_DIFFUSE;
  int32_t m_material = 0;
};

// Whether the graph's drawing is clipped to the band ClipMinZ .. ClipMaxZ of the vertical axis:
// the kinds the table marks, in Cartesian coordinates.
bool ClipsItsKind(const Graph& g) {
  return GraphKind(g).Clipped && (g.CoordType == Cartesian2D || g.CoordType == Cartesian3D);
}

} // namespace

bool DrawContext::Compile(const std::string& text, CompiledFormula& out) {
  std::string postfix;
  if (Evaluator.InfixToPostfix(text, postfix) != 0) return false;
  out = CompiledFormula(postfix);
  return true;
}

void BeginFlatLines() {
  glDisable(GL_LIGHTING);
  glEnable(GL_LINE_SMOOTH);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
}

void Graph::Draw(int32_t animStep) {
  // Every drawing starts from an empty report box, so after a compilation it holds the lines of
  // the last graph drawn (none when that graph fails or writes none).
  ResultBox::Clear();

  DrawContext c(*this, animStep);
  c.ExprX = InsertImplicitProducts(ExpressX);
  c.ExprY = InsertImplicitProducts(ExpressY);
  c.ExprZ = InsertImplicitProducts(ExpressZ);
  if (GraphType == RevolutionAboutX || GraphType == RevolutionAboutY) StepU = 40;

  // A named scheme replaces the graph's colour stops at every drawing.
  if (const NamedColorScheme* scheme = FindColorScheme(UpperCaseName(ColorName)))
    WriteColorScheme(*this, *scheme);

  GraphStateBracket bracket;

  if (Clip && ClipsItsKind(*this)) {
    // The band between ClipMinZ and ClipMaxZ, mapped like a data y.
    const GLdouble lower[4] = {0.0, 1.0, 0.0, double{SceneCenterY - ClipMinZ / AxisScaleY}};
    const GLdouble upper[4] = {0.0, -1.0, 0.0, double{ClipMaxZ / AxisScaleY - SceneCenterY}};
    glClipPlane(GL_CLIP_PLANE0, lower);
    glEnable(GL_CLIP_PLANE0);
    glClipPlane(GL_CLIP_PLANE1, upper);
    glEnable(GL_CLIP_PLANE1);
  }

  GetBox(Animation ? animStep : 0);
  // A floor below the surface lowered the box by 3; its cells are coloured from its lowest height.
  if (HasFloorOverlays(*this)) BoxMinY += 3.0f;

  // "Neon" glows: the colour is emitted rather than reflected.
  const GLenum colourMode = Material == MaterialPresetOf("Neon") ? GL_EMISSION : GL_DIFFUSE;
  glEnable(GL_COLOR_MATERIAL);
  glColorMaterial(GL_FRONT_AND_BACK, colourMode);
  MaterialColors material;
  material.SetMaterial(Material);
  bracket.KeepMaterial(colourMode, Material);

  ColorToRgb(SecondColor, c.SecondRgb[0], c.SecondRgb[1], c.SecondRgb[2]);
  ColorToRgb(FirstColor, c.FirstRgb[0], c.FirstRgb[1], c.FirstRgb[2]);
  ColorToRgb(LineColor, c.LineRgb[0], c.LineRgb[1], c.LineRgb[2]);

  switch (GraphKind(*this).Drawer) {
  case GraphDrawer::Curve2D:
    DrawCurve2DGraph(c);
    break;
  case GraphDrawer::Curve3D:
    Draw3DCurve(c);
    break;
  case GraphDrawer::Surface:
    DrawSurface(*this, animStep);
    break;
  case GraphDrawer::Ribbon:
    DrawRibbon(c);
    break;
  case GraphDrawer::Table2D:
    DrawTable2D(c);
    break;
  case GraphDrawer::Points:
    DrawPointGraph(c);
    break;
  case GraphDrawer::Contour:
    DrawContourPlot(c);
    break;
  case GraphDrawer::VectorPlot:
    DrawVectorPlot(c);
    break;
  case GraphDrawer::Vectors:
    DrawVectors(c);
    break;
  case GraphDrawer::Graph4D:
    Draw4DGraph(c);
    break;
  case GraphDrawer::None:
    break; // nothing is drawn for other kinds
  }
}
