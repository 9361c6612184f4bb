// Graph::DrawLegend: emits the legend layout of the graph into the overlay.

#include <GL/gl.h>

#include "model/Graph.h"
#include "render/common/GlText.h"
#include "render/surfaces/LegendLayout.h"

void Graph::DrawLegend(float MinX, float MaxX, float MinY, float MaxY, float MinZ, float MaxZ,
                       float, float, float MinV, float MaxV) {
  const LegendLayout layout =
      ComputeLegendLayout(*this, MinX, MaxX, MinY, MaxY, MinZ, MaxZ, MinV, MaxV);
  if (!layout.Shown) return;
  // The whole legend is drawn unlit: the bar must show the very colours of its scheme or fill.
  // Under the scene's lights (two white lights and a white ambient) a lit bar washes out towards
  // white and then labels colours the surface never shows. Ticks, labels and frame are black. The
  // lighting is put back as it was where the list is replayed.
  glPushAttrib(GL_ENABLE_BIT);
  glDisable(GL_LIGHTING);
  glShadeModel(GL_SMOOTH);
  for (const auto& polygon : layout.Polygons) {
    glNormal3d(0.0, 0.0, 1.0);
    glBegin(GL_POLYGON);
    for (const LegendVertex& v : polygon) {
      glColor3f(v.Colour[0], v.Colour[1], v.Colour[2]);
      glVertex3f(v.X, v.Y, 0.0f);
    }
    glEnd();
  }
  for (const LegendLayout::Tick& tick : layout.Ticks) {
    DrawLabel(0.0f, 86.0f, tick.Y, tick.Text);
    glColor3f(0.0f, 0.0f, 0.0f);
    glBegin(GL_LINES);
    glVertex3f(82.0f, tick.Y, 0.0f);
    glVertex3f(82.5f, tick.Y, 0.0f);
    glEnd();
    glBegin(GL_LINES);
    glVertex3f(84.5f, tick.Y, 0.0f);
    glVertex3f(85.0f, tick.Y, 0.0f);
    glEnd();
  }
  glColor3f(0.0f, 0.0f, 0.0f);
  glBegin(GL_LINE_LOOP);
  glVertex3f(82.0f, 30.0f, 0.0f);
  glVertex3f(82.0f, 70.0f, 0.0f);
  glVertex3f(85.0f, 70.0f, 0.0f);
  glVertex3f(85.0f, 30.0f, 0.0f);
  glEnd();
  glPopAttrib();
}
