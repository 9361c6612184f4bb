// The accumulation layer against a reference average computed from the passes' own pixels, and
// what it leaves untouched: the depth buffer of the last pass, the area outside the viewport and
// the GL state.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <functional>
#include <vector>

#include "support/GlTestContext.h"
#include "view/scene/Accumulation.h"

namespace {

constexpr int kSize = 32;

std::vector<uint8_t> Read(int x, int y, int w, int h) {
  std::vector<uint8_t> px(static_cast<size_t>(w * h * 4));
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
  return px;
}

void Triangle(float r, float g, float b, float shift, float z) {
  glColor3f(r, g, b);
  glBegin(GL_TRIANGLES);
  glVertex3f(-0.8f + shift, -0.7f, z);
  glVertex3f(0.9f, -0.2f + shift, z);
  glVertex3f(-0.1f, 0.85f - shift, z);
  glEnd();
}

class AccumTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(ctx.Valid());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
  }
  GlTestContext ctx{kSize, kSize};
};

TEST_F(AccumTest, ReturnWritesTheRoundedMeanOfThePasses) {
  const std::vector<std::function<void()>> passes = {
      [] { Triangle(1, 0, 0, 0.00f, 0.1f); },
      [] { Triangle(0, 1, 0.5f, 0.03f, 0.2f); },
      [] { Triangle(0.2f, 0.4f, 1, 0.07f, 0.3f); },
  };
  std::vector<int> sum(kSize * kSize * 4, 0);
  Accumulation accum;
  glClearColor(1, 1, 1, 1);
  accum.Clear();
  EXPECT_EQ(accum.Width(), kSize);
  for (const auto& draw : passes) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    draw();
    const auto px = Read(0, 0, kSize, kSize);
    for (size_t i = 0; i < px.size(); ++i)
      sum[i] += px[i];
    accum.Add();
  }
  float depthBefore = 0;
  glReadPixels(16, 16, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depthBefore);
  accum.Return();
  const auto shown = Read(0, 0, kSize, kSize);
  std::vector<uint8_t> reference(sum.size());
  for (size_t i = 0; i < sum.size(); ++i)
    reference[i] = static_cast<uint8_t>((sum[i] + 1) / 3);
  EXPECT_EQ(shown, reference);
  EXPECT_EQ(accum.Mean(), reference);
  int between = 0;
  for (size_t i = 0; i < shown.size(); i += 4)
    if (shown[i] != 0 && shown[i] != 255 && shown[i] != 51) ++between;
  EXPECT_GT(between, 10);
  // The depth buffer keeps the last pass; state is as it was.
  float depthAfter = 0;
  glReadPixels(16, 16, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depthAfter);
  EXPECT_EQ(depthAfter, depthBefore);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  GLboolean mask = GL_FALSE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
  EXPECT_EQ(mask, GL_TRUE);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(AccumTest, OnlyTheViewportIsAveraged) {
  glClearColor(0, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glViewport(8, 4, 16, 20);
  Accumulation accum;
  accum.Clear();
  EXPECT_EQ(accum.Width(), 16);
  EXPECT_EQ(accum.Height(), 20);
  glEnable(GL_SCISSOR_TEST);
  glScissor(8, 4, 16, 20);
  for (float red : {0.0f, 1.0f, 1.0f}) {
    glClearColor(red, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    accum.Add();
  }
  glDisable(GL_SCISSOR_TEST);
  // Paint the area over, so the mean must come from the layer.
  glClearColor(0, 1, 0, 1);
  glEnable(GL_SCISSOR_TEST);
  glClear(GL_COLOR_BUFFER_BIT);
  glDisable(GL_SCISSOR_TEST);
  accum.Return();
  const auto px = Read(0, 0, kSize, kSize);
  auto at = [&](int x, int y) {
    return Rgb{px[(y * kSize + x) * 4], px[(y * kSize + x) * 4 + 1], px[(y * kSize + x) * 4 + 2]};
  };
  EXPECT_EQ(at(8, 4), (Rgb{170, 0, 0}));
  EXPECT_EQ(at(23, 23), (Rgb{170, 0, 0}));
  EXPECT_EQ(at(7, 4), (Rgb{0, 0, 255}));
  EXPECT_EQ(at(24, 10), (Rgb{0, 0, 255}));
  EXPECT_EQ(at(10, 24), (Rgb{0, 0, 255}));
  glViewport(0, 0, kSize, kSize);
}

TEST_F(AccumTest, ReturnWithoutPassesChangesNothing) {
  glClearColor(0.5f, 0.5f, 0.5f, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  const auto before = Read(0, 0, kSize, kSize);
  Accumulation accum;
  accum.Return();
  accum.Clear();
  accum.Return();
  EXPECT_EQ(Read(0, 0, kSize, kSize), before);
}

} // namespace
