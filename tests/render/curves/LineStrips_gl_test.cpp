// Curves handed to GL as strips: the same pixels as one GL_LINES primitive per segment under the
// smoothed, blended line state of the flat drawings.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <vector>

#include "formula/FormulaGlobals.h"
#include "render/curves/DrawFrame.h"
#include "render/curves/DrawTestScene.h"
#include "render/curves/LineStrips.h"

namespace {

using drawtest::FlatScene;

struct Styled {
  std::array<float, 3> rgb;
  float width;
  std::vector<std::array<float, 2>> points; // a gap where a coordinate is UndefinedValue
};

// A wave, a stretch without values, a sharp zigzag in another style, then a continuation of the
// zigzag in the first style again: joins, gaps and style changes.
std::vector<Styled> Curves(float width) {
  Styled wave{{0.1f, 0.2f, 0.9f}, width, {}};
  for (int i = 0; i <= 60; ++i) {
    const float x = -2.8f + 0.05f * static_cast<float>(i);
    const bool gap = i >= 30 && i <= 33;
    wave.points.push_back({x, gap ? UndefinedValue : std::sin(3 * x)});
  }
  Styled zigzag{{0.9f, 0.3f, 0.1f}, width + 1.5f, {}};
  for (int i = 0; i <= 12; ++i)
    zigzag.points.push_back({0.2f + 0.2f * static_cast<float>(i), i % 2 ? 1.5f : -1.0f});
  Styled again{wave.rgb, width, {zigzag.points.back(), {2.9f, 2.9f}, {-2.9f, 2.5f}}};
  return {wave, zigzag, again};
}

bool Defined(const std::array<float, 2>& p) {
  return p[0] != UndefinedValue && p[1] != UndefinedValue;
}

TEST(LineStrips, SamePixelsAsOneLinePrimitivePerSegment) {
  for (float width : {1.0f, 2.0f, 3.5f}) {
    FlatScene scene(160);
    BeginFlatLines();
    for (const Styled& c : Curves(width))
      for (size_t j = 0; j + 1 < c.points.size(); ++j) {
        glColor3f(c.rgb[0], c.rgb[1], c.rgb[2]);
        glLineWidth(c.width);
        const auto &p = c.points[j], &q = c.points[j + 1];
        if (Defined(p) && Defined(q)) SceneSegment(p[0], p[1], 0, q[0], q[1], 0);
      }
    glFinish();
    const QImage segments = scene.Gl.Image();

    scene.Reset();
    BeginFlatLines();
    {
      LineStrips lines;
      for (const Styled& c : Curves(width))
        for (size_t j = 0; j + 1 < c.points.size(); ++j) {
          lines.Style(c.rgb, c.width);
          const auto &p = c.points[j], &q = c.points[j + 1];
          if (Defined(p) && Defined(q))
            lines.Segment(p[0], p[1], 0, q[0], q[1], 0);
          else
            lines.Gap();
        }
    }
    glFinish();
    const QImage strips = scene.Gl.Image();
    EXPECT_FALSE(segments.allGray()) << width;
    EXPECT_TRUE(segments == strips) << "width " << width;
  }
}

} // namespace
