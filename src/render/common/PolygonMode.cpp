// The polygon mode of a display model.

#include "render/common/PolygonMode.h"

#include <GL/gl.h>

#include "model/Graph.h"

void SetPolygonModeOf(int32_t show) {
  switch (show) {
  case ModelPoint:
    glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
    break;
  case ModelGrid:
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    break;
  case ModelSurface:
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    break;
  default:
    break;
  }
}
