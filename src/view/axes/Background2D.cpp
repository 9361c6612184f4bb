// AxesSettings::DrawBackground and AxesSettings::Draw2DGrid: the flat plot background of 2D
// documents (shadow, one of nineteen colour patterns, black frame) and the primary and secondary
// grid lines, drawn before the graphs.

#include <GL/gl.h>

#include "model/AxesSettings.h"
#include "model/ProgramState.h"
#include "view/axes/AxesDraw.h"

using namespace AxesLayout;

void AxesSettings::DrawBackground(float& minX, float& maxX, float& minY, float& maxY,
                                  float& minZ, float& maxZ) {
  (void)minZ, (void)maxZ;
  if (!ShowBackground) return;

  BackgroundInput in;
  in.minX = minX, in.maxX = maxX, in.minY = minY, in.maxY = maxY;
  in.scaleX = AxisScaleX, in.scaleY = AxisScaleY;
  in.centre = AxesDraw::SceneCentre();
  in.backStyle = BackStyle;
  in.c1 = AxesDraw::Fractions(BackColor);
  in.c2 = AxesDraw::Fractions(BackColor2);
  in.shadow = ShowShadow;
  const Background bg = LayoutBackground(in);

  glDisable(GL_LIGHTING);

  if (bg.shadow) {
    glColor3f(0.4f, 0.4f, 0.4f);
    glBegin(GL_QUADS);
    for (const Vec3& v : *bg.shadow)
      glVertex3f(v.x, v.y, v.z);
    glEnd();
  }

  // The fill: a colour at every vertex, so smooth shading blends them across each face.
  for (const BackPolygon& p : bg.fill) {
    glBegin(p.vertices.size() == 3 ? GL_TRIANGLES : GL_QUADS);
    for (const BackVertex& v : p.vertices) {
      if (v.colour) glColor3f(v.colour->r, v.colour->g, v.colour->b);
      glVertex3f(v.at.x, v.at.y, v.at.z);
    }
    glEnd();
  }

  glColor3f(0.0f, 0.0f, 0.0f);
  glLineWidth(1.0f);
  AxesDraw::Lines({bg.frame.begin(), bg.frame.end()});

  glEnable(GL_LIGHTING);
}

void AxesSettings::Draw2DGrid(float& minX, float& maxX, float& minY, float& maxY,
                              float& minZ, float& maxZ) {
  (void)minZ, (void)maxZ;
  Grid2DInput in;
  // The grid shares the tick steps of the axes (the X grid keeps its step under ShowPI).
  in.steps = AxesDraw::Steps2D(minX, maxX, minY, maxY);
  in.minX = minX, in.maxX = maxX, in.minY = minY, in.maxY = maxY;
  in.scaleX = AxisScaleX, in.scaleY = AxisScaleY;
  in.centre = AxesDraw::SceneCentre();
  in.primary = ShowprimaryGrid;
  in.secondary = ShowSecondaryGrid;
  const Grid2D g = LayoutGrid2D(in);

  glDisable(GL_LIGHTING);
  // Every line alone: colour, width, one segment.
  auto draw = [](const std::vector<Segment>& lines, int32_t colour) {
    for (const Segment& s : lines) {
      AxesDraw::SetColour(colour);
      glLineWidth(1.0f);
      AxesDraw::Lines({s});
    }
  };
  draw(g.primary, PriGridColor);
  draw(g.secondary, SecGridColor);
}
