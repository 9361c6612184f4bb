// Segments merged into GL line strips (see LineStrips.h).

#include "render/curves/LineStrips.h"

#include <cstring>

#include "render/curves/DrawFrame.h"

namespace {

// The same data point to the bit: only then is the strip's shared vertex the very vertex the
// next segment would have begun with.
bool SamePoint(const std::array<float, 3>& a, float x, float y, float z) {
  const std::array<float, 3> b{x, y, z};
  return std::memcmp(a.data(), b.data(), sizeof b) == 0;
}

} // namespace

void LineStrips::Style(const std::array<float, 3>& rgb, float width) {
  if (styled_ && std::memcmp(rgb.data(), rgb_.data(), sizeof rgb_) == 0 &&
      std::memcmp(&width, &width_, sizeof width) == 0)
    return;
  Gap();
  glColor3f(rgb[0], rgb[1], rgb[2]);
  glLineWidth(width);
  rgb_ = rgb;
  width_ = width;
  styled_ = true;
}

void LineStrips::Segment(float x1, float y1, float z1, float x2, float y2, float z2) {
  if (!open_ || !SamePoint(last_, x1, y1, z1)) {
    Gap();
    glBegin(GL_LINE_STRIP);
    SceneVertex(x1, y1, z1);
    open_ = true;
  }
  SceneVertex(x2, y2, z2);
  last_ = {x2, y2, z2};
}

void LineStrips::Gap() {
  if (!open_) return;
  glEnd();
  open_ = false;
}

void LineStrips::Break() {
  Gap();
  styled_ = false;
}
