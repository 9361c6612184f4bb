// AxesSettings::Draw: the dispatch by document kind and the axes of 2D documents (two axes through
// the data origin with ticks, minor ticks, arrowheads, number or pi labels and the titles "X" and
// "Y"), plus the small helpers the other axes drawings share.

#include "view/axes/AxesDraw.h"

#include <GL/gl.h>

#include <algorithm>

#include "model/GraphPoint.h"
#include "model/AxesSettings.h"
#include "model/ProgramState.h"
#include "render/common/GlText.h"

using namespace AxesLayout;

namespace AxesDraw {

AxesLayout::Steps2D Steps2D(float minX, float maxX, float& minY, float& maxY) {
  float x0 = minX, x1 = maxX, sx = 0, sy = 0, lower = 0, upper = 0;
  int32_t k = 0;
  AxesSettings::Coord(x0, x1, sx, lower, upper, k);
  lower = upper = 0;
  k = 0;
  AxesSettings::Coord(minY, maxY, sy, lower, upper, k);
  return FinishSteps2D(sx, sy, minX, maxX, minY, maxY, AxisScaleMode);
}

Vec3 SceneCentre() { return {SceneCenterX, SceneCenterY, SceneCenterZ}; }

Rgbf Fractions(int32_t colour) {
  Rgbf c;
  ColorToRgb(colour, c.r, c.g, c.b);
  return c;
}

void SetColour(int32_t colour) {
  const Rgbf c = Fractions(colour);
  glColor3f(c.r, c.g, c.b);
}

void Lines(const std::vector<Segment>& segments) {
  glBegin(GL_LINES);
  for (const Segment& s : segments) {
    glVertex3f(s.from.x, s.from.y, s.from.z);
    glVertex3f(s.to.x, s.to.y, s.to.z);
  }
  glEnd();
}

void Labels(const std::vector<Label>& labels) {
  for (const Label& l : labels)
    DrawLabel(l.at.z, l.at.x, l.at.y, l.text);
}

float LineWidth(int32_t pixels) { return static_cast<float>(std::max<int32_t>(pixels, 1)); }

void DrawAxes2D(const AxesSettings& axes, float minX, float maxX, float& minY, float& maxY) {
  Axes2DInput in;
  in.steps = Steps2D(minX, maxX, minY, maxY);
  in.minX = minX, in.maxX = maxX, in.minY = minY, in.maxY = maxY;
  in.showPI = axes.ShowPI;
  in.showSecondaryTicks = axes.ShowSecondaryLabel;
  in.scaleX = AxisScaleX, in.scaleY = AxisScaleY;
  in.axisWidth = axes.AxisWidth;
  in.centre = SceneCentre();
  const Axes2D ax = LayoutAxes2D(in);

  glDisable(GL_LIGHTING);

  // Major and minor ticks, black, one batch.
  glLineWidth(1.0f);
  glColor3f(0.0f, 0.0f, 0.0f);
  Lines(ax.ticks);

  // Arrowheads and axis lines in the axis colour and width.
  glLineWidth(LineWidth(axes.AxisWidth));
  SetColour(axes.AxisColor);
  glPushMatrix();
  for (const auto& arrow : {ax.arrowX, ax.arrowY}) {
    glBegin(GL_TRIANGLES);
    for (const Vec3& v : arrow)
      glVertex3f(v.x, v.y, v.z);
    glEnd();
  }
  glPopMatrix();
  SetColour(axes.AxisColor);
  Lines({ax.axisX, ax.axisY});

  // Tick labels, the origin label and the titles, black bitmap text.
  Labels(ax.labels);

  glEnable(GL_LIGHTING);
}

} // namespace AxesDraw

void AxesSettings::Draw(int32_t graphType, float& minX, float& maxX, float& minY,
                        float& maxY, float& minZ, float& maxZ) {
  (void)graphType; // callers pass 2; no branch reads it
  switch (DocumentType) {
  case DocumentType2D:
    AxesDraw::DrawAxes2D(*this, minX, maxX, minY, maxY);
    break;
  case DocumentType25D:
    AxesDraw::DrawAxes25D(*this, minX, maxX, minY, maxY, minZ, maxZ);
    break;
  case DocumentType3D:
  case DocumentType4D:
    AxesDraw::DrawAxesBox(*this, minX, maxX, minY, maxY, minZ, maxZ);
    break;
  case DocumentTypeSpecial:
    AxesDraw::DrawAxesSpecial(*this, minX, maxX, minY, maxY, minZ, maxZ);
    break;
  default:
    break;
  }
}
