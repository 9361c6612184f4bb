// Contour lines placed in the scene by document kind, coloured by level, and drawn.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

#include "model/ProgramState.h"
#include "render/surfaces/GridContours.h"
#include "support/GlTestContext.h"

namespace {

struct SceneState {
  SceneState(int32_t kind) {
    DocumentType = kind;
    AxisScaleX = AxisScaleY = AxisScaleZ = 1;
    SceneCenterX = SceneCenterY = SceneCenterZ = 0;
  }
  ~SceneState() { DocumentType = DocumentType2D; }
};

TEST(GridContours, PolarPlacementTurnsRadiusAndAngle) {
  SceneState s(DocumentType2D);
  AxisScaleX = 2;
  SceneCenterY = 0.5f;
  std::array<double, 3> p{};
  ASSERT_TRUE(GridContours::Place(2, 1.0f, 0.0f, 1.0f, 0.0f, 0.0f, p)); // X = 2, Y = 0
  EXPECT_DOUBLE_EQ(p[0], 1.0);
  EXPECT_DOUBLE_EQ(p[1], -0.5);
  EXPECT_DOUBLE_EQ(p[2], 0.0);
  DocumentType = DocumentType25D;
  EXPECT_FALSE(GridContours::Place(1, 1, 1, 0, 0, 0, p));
}

TEST(GridContours, LevelColoursRunFromSecondToFirstAndLinesAreDrawn) {
  GlTestContext gl(64, 64);
  ASSERT_TRUE(gl.Valid());
  SceneState s(DocumentTypeSpecial);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 6, 0, 3, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);

  // Values rise along the second index: 0 2 4 6 8 in every row; levels 0, 2, 4, 6, 8.
  ContourGrid g(2, 5);
  for (int32_t i = 1; i <= 2; ++i)
    for (int32_t j = 1; j <= 5; ++j) g(i, j) = static_cast<float>(2 * (j - 1));
  const int32_t red = 255, blue = 255 * 65536;
  GridContours tracer;
  tracer.Contour2(2, 5, 1, 1, g, 0, 0, 0, 4, 1, red, blue, 3);
  ASSERT_FALSE(tracer.Segments().empty());
  bool sawMiddle = false;
  for (const auto& seg : tracer.Segments()) {
    // Special documents place (x, y) = (tracer y, tracer x) without scaling.
    if (std::abs(seg.from[1] - 3.0) < 1e-3) { // level 4 crosses near tracer x = 3 (nudged)
      sawMiddle = true;
      EXPECT_FLOAT_EQ(seg.colour[0], 0.5f);
      EXPECT_FLOAT_EQ(seg.colour[2], 0.5f);
    }
  }
  EXPECT_TRUE(sawMiddle);
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));

  // A single colour for every level with fill style 4.
  ContourGrid h(2, 5);
  for (int32_t j = 1; j <= 5; ++j) h(1, j) = h(2, j) = static_cast<float>(2 * (j - 1));
  tracer.Contour2(2, 5, 1, 1, h, 0, 0, 0, 4, 4, red, blue, 1);
  for (const auto& seg : tracer.Segments()) EXPECT_FLOAT_EQ(seg.colour[2], 1.0f);
}

} // namespace
