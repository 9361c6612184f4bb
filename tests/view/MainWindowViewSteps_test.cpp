// The arithmetic of the view's mouse drags and of Zoom to Fit, with the worked values of the
// view's commands; a view without width or height gives no step at all.

#include <gtest/gtest.h>

#include "model/ProgramState.h"
#include "view/camera/ViewSteps.h"

TEST(ViewSteps, ZoomFactor) {
  struct Row {
    float lastY, y;
    int32_t width, height;
    std::optional<float> factor;
  };
  const Row rows[] = {
      {100, 150, 400, 200, 1.25f}, // down by a quarter of the view: a quarter more volume
      {100, 100, 400, 200, 1.0f},  // no movement, no change
      {100, -100, 400, 200, 0.0f}, // up by the whole height: factor 0, which the camera ignores
      {0, 200, 400, 200, 2.0f},    // down by the whole height doubles the volume
      {200, 100, 400, 200, 0.5f},  // up by half the height halves it
      {100, 150, 400, 0, std::nullopt}, {100, 150, 400, -5, std::nullopt},
      {100, 150, 0, 200, std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message()
                 << r.lastY << " -> " << r.y << " in " << r.width << " x " << r.height);
    EXPECT_EQ(ZoomStepFactor(r.lastY, r.y, r.width, r.height), r.factor);
  }
}

TEST(ViewSteps, PanFractions) {
  const auto s = PanStepFor(100, 100, 150, 80, 400, 200);
  ASSERT_TRUE(s);
  EXPECT_FLOAT_EQ(s->dx, 0.125f);
  EXPECT_FLOAT_EQ(s->dy, 0.1f);
  EXPECT_FALSE(PanStepFor(100, 100, 150, 80, 0, 200));
  EXPECT_FALSE(PanStepFor(100, 100, 150, 80, 400, 0));
}

TEST(ViewSteps, TurnPointsInViewCoordinates) {
  const auto s = TurnStepFor(200, 100, 240, 100, 400, 200);
  ASSERT_TRUE(s);
  EXPECT_FLOAT_EQ(s->p1x, 0);
  EXPECT_FLOAT_EQ(s->p1y, 0);
  EXPECT_FLOAT_EQ(s->p2x, 0.2f);
  EXPECT_FLOAT_EQ(s->p2y, 0);
  // Corners: the top-left pixel is (-1, 1), the bottom-right (1, -1).
  const auto c = TurnStepFor(0, 0, 400, 200, 400, 200);
  ASSERT_TRUE(c);
  EXPECT_FLOAT_EQ(c->p1x, -1);
  EXPECT_FLOAT_EQ(c->p1y, 1);
  EXPECT_FLOAT_EQ(c->p2x, 1);
  EXPECT_FLOAT_EQ(c->p2y, -1);
  EXPECT_FALSE(TurnStepFor(0, 0, 1, 1, 400, 0));
  EXPECT_FALSE(TurnStepFor(0, 0, 1, 1, 0, 200));
}

TEST(ViewSteps, FitZoomByDocumentKind) {
  struct Row {
    int32_t kind;
    bool legend;
    float factor;
    bool shift;
  };
  const Row rows[] = {
      {DocumentType2D, true, 2.3f, false},
      {DocumentType25D, true, 2.3f, false},
      {DocumentTypeSpecial, true, 2.3f, false},
      {DocumentType3D, true, 2.5f, true},
      {DocumentType4D, true, 2.5f, true},
      {DocumentType3D, false, 2.5f, false},
      {0, true, 2.3f, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "kind " << r.kind << " legend " << r.legend);
    const FitZoom z = FitZoomFor(r.kind, r.legend);
    EXPECT_EQ(z.Factor, r.factor);
    EXPECT_EQ(z.Shift, r.shift);
    if (r.shift) {
      EXPECT_EQ(z.ShiftX, -0.05f);
    }
  }
}

TEST(ViewSteps, Presets) {
  struct Row {
    RotationPreset p;
    float roll, pitch, yaw;
  };
  for (const Row& r : {Row{ViewFront, 0, 0, 0}, Row{ViewRight, 0, 0, 90}, Row{ViewTop, 0, -90, 0},
                       Row{ViewIso, 0, -30, 45}}) {
    EXPECT_EQ(r.p.Roll, r.roll);
    EXPECT_EQ(r.p.Pitch, r.pitch);
    EXPECT_EQ(r.p.Yaw, r.yaw);
  }
}
