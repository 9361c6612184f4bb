// The axes of Special documents: a flat frame in the axis colour and width with black ticks and
// whole-number bitmap labels at the whole data units of its left and bottom sides, and the titles
// "X" and "Y".

#include "view/axes/AxesDraw.h"

#include <GL/gl.h>

#include "model/AxesSettings.h"

using namespace AxesLayout;

namespace AxesDraw {

void DrawAxesSpecial(const AxesSettings& axes, float minX, float maxX, float minY, float maxY,
                     float minZ, float maxZ) {
  glDisable(GL_LIGHTING);
  const SpecialAxes ax = LayoutSpecialAxes(minX, maxX, minY, maxY, minZ, maxZ, SceneCentre());

  glLineWidth(1.0f);
  glColor3f(0.0f, 0.0f, 0.0f);
  Lines(ax.ticks);

  glLineWidth(LineWidth(axes.AxisWidth));
  SetColour(axes.AxisColor);
  Lines({ax.frame.begin(), ax.frame.end()});

  Labels(ax.labels);
  glEnable(GL_LIGHTING);
}

} // namespace AxesDraw
