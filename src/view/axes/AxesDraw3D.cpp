// The axes of 3D, 4D and 2.5D documents: the axes box with its coloured panels, grids, ticks,
// one-decimal labels and outline titles (panel style), or three blue lines through the data
// origin with red cones (line style, 3D and 4D only).

#include "view/axes/AxesDraw.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "model/AxesSettings.h"
#include "model/ProgramState.h"
#include "render/common/GlText.h"

using namespace AxesLayout;

namespace AxesDraw {
namespace {

// The outline texts are drawn in pure blue.
constexpr int32_t TextBlue = 255 * 65536;

void SmoothLines() {
  glEnable(GL_LINE_SMOOTH);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
}

// The switches the axes change (lighting, smoothing, blending), as they were before the axes:
// the lines and texts are drawn unlit, and afterwards lighting is what the presentation set. A
// still scene replays its content three times in one list; an axes box that left lighting on
// would light every later pass, and with the user's light off (no light enabled) the panels and
// graphs of those passes would be drawn dark.
class EnablesKept {
public:
  EnablesKept() { glPushAttrib(GL_ENABLE_BIT); }
  ~EnablesKept() { glPopAttrib(); }
  EnablesKept(const EnablesKept&) = delete;
  EnablesKept& operator=(const EnablesKept&) = delete;
};

void DrawPanelStyle(const PanelAxesInput& in) {
  const PanelAxes ax = LayoutPanelAxes(in);
  const EnablesKept kept;

  // Panels, under whatever lighting is in force.
  for (const PanelQuad& p : ax.panels) {
    SetColour(p.colour);
    glBegin(GL_QUADS);
    glNormal3d(p.normal.x, p.normal.y, p.normal.z);
    for (const Vec3& v : p.corners)
      glVertex3f(v.x, v.y, v.z);
    glEnd();
  }

  glDisable(GL_LIGHTING);
  SmoothLines();
  glLineWidth(1.0f);

  // The three black edges that carry the axes, each its own batch.
  glColor3f(0.0f, 0.0f, 0.0f);
  for (const Segment& e : ax.edges)
    Lines({e});

  glLineWidth(1.0f);
  for (const LineBatch& g : ax.grids) {
    SetColour(g.colour);
    Lines(g.lines);
  }

  glColor3f(0.0f, 0.0f, 0.0f);
  Lines(ax.ticks);

  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_BLEND);

  for (const OutlineText& t : ax.texts)
    DrawOutlineText(t.font == OutlineFont::Tick ? TickFontBase : TitleFontBase, t.text, t.at.x,
                    t.at.y, t.at.z, t.rotation, TextBlue);
}

void DrawLineStyle(float& minX, float& maxX, float& minY, float& maxY, float& minZ, float& maxZ) {
  const LineAxes ax = LayoutLineAxes(minX, maxX, minY, maxY, minZ, maxZ, AxisScaleX, AxisScaleY,
                                     AxisScaleZ, SceneCentre());
  {
    const EnablesKept kept;
    SmoothLines();
    glDisable(GL_LIGHTING);
    glColor3f(0.0f, 0.0f, 1.0f);
    glLineWidth(1.0f);
    for (const Segment& l : ax.lines)
      Lines({l});
  }

  // Red cones, lit when lighting is on, standing on the far ends, pointing outwards.
  glColor3f(1.0f, 0.0f, 0.0f);
  for (const Cone& c : ax.cones) {
    glPushMatrix();
    GLUquadric* q = gluNewQuadric();
    glTranslatef(c.at.x, c.at.y, c.at.z);
    if (c.angle != 0.0f) glRotatef(c.angle, c.axis.x, c.axis.y, c.axis.z);
    if (q) {
      gluCylinder(q, 0.2, 0.0, 0.5, 16, 16);
      gluDeleteQuadric(q);
    }
    glPopMatrix();
  }
}

} // namespace

PanelAxesInput PanelInput(const AxesSettings& axes, float minX, float maxX, float minY, float maxY,
                          float minZ, float maxZ) {
  PanelAxesInput in;
  in.minX = minX, in.maxX = maxX, in.minY = minY, in.maxY = maxY, in.minZ = minZ, in.maxZ = maxZ;
  in.labelNumX = axes.LabelNumX, in.labelNumY = axes.LabelNumY, in.labelNumZ = axes.LabelNumZ;
  in.showXYPanel = axes.ShowXYPanel, in.showXZPanel = axes.ShowXZPanel;
  in.showYZPanel = axes.ShowYZPanel;
  in.xyPanelColor = axes.XYPanelColor, in.xzPanelColor = axes.XZPanelColor;
  in.yzPanelColor = axes.YZPanelColor;
  in.showXYXGrid = axes.ShowXYXGrid, in.showXYYGrid = axes.ShowXYYGrid;
  in.showXZXGrid = axes.ShowXZXGrid, in.showXZZGrid = axes.ShowXZZGrid;
  in.showYZYGrid = axes.ShowYZYGrid, in.showYZZGrid = axes.ShowYZZGrid;
  in.xyGridColor = axes.XYGridColor, in.xzGridColor = axes.XZGridColor;
  in.yzGridColor = axes.YZGridColor;
  in.titleX = axes.TitleX, in.titleY = axes.TitleY, in.titleZ = axes.TitleZ;
  in.scaleX = AxisScaleX, in.scaleY = AxisScaleY, in.scaleZ = AxisScaleZ;
  in.centre = SceneCentre();
  return in;
}

void DrawAxesBox(const AxesSettings& axes, float& minX, float& maxX, float& minY, float& maxY,
                 float& minZ, float& maxZ) {
  if (axes.AxisStyle == PanelStyle)
    DrawPanelStyle(PanelInput(axes, minX, maxX, minY, maxY, minZ, maxZ));
  else
    DrawLineStyle(minX, maxX, minY, maxY, minZ, maxZ);
}

void DrawAxes25D(const AxesSettings& axes, float& minX, float& maxX, float& minY, float& maxY,
                 float& minZ, float& maxZ) {
  // The axes always span the depth of the ribbons, whatever the box held.
  minZ = 0.0f;
  maxZ = 3.0f;
  PanelAxesInput in = PanelInput(axes, minX, maxX, minY, maxY, minZ, maxZ);
  in.ribbons = true;
  DrawPanelStyle(in);
}

} // namespace AxesDraw
