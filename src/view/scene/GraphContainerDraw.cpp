// The drawing of a graph container (GraphContainer::Draw): every graph in turn, each failure kept
// for the scene to report.

#include "model/GraphContainer.h"

#include <GL/gl.h>

#include <exception>

void GraphContainer::Draw(int32_t animStep) {
  LastDrawErrors.clear();
  for (const auto& g : FunSurfs) {
    try {
      if (g->Animation)
        g->Draw(animStep);
      else
        g->Draw();
    } catch (const std::exception& e) {
      LastDrawErrors.push_back(e.what());
    }
  }
  glDisable(GL_CLIP_PLANE0);
  glDisable(GL_CLIP_PLANE1);
}
