// The 2D background and grid drawn under Xvfb: pattern colours blended across the rectangle, the
// shadow band and the black frame, nothing at all without the background, the colour left by an
// unknown pattern, and the primary and secondary grid lines in their colours.

#include "AxesGlFixture.h"

#include "model/AxesSettings.h"

namespace {

class Background2DGl : public AxesGl {
protected:
  void SetUp() override {
    AxesGl::SetUp();
    View(-5, 17, -5, 16.5); // a box 0 .. 10 with its margins
    axes.ShowBackground = true;
    axes.BackColor = 0x0000FF;  // red
    axes.BackColor2 = 0xFFFFFF; // white
  }
  void Background(float minX, float maxX, float minY, float maxY) {
    float x0 = minX, x1 = maxX, y0 = minY, y1 = maxY, z0 = 0, z1 = 0;
    axes.DrawBackground(x0, x1, y0, y1, z0, z1);
  }
  static bool Near(const Rgb& c, int r, int g, int b, int tolerance = 6) {
    return std::abs(c.r - r) <= tolerance && std::abs(c.g - g) <= tolerance &&
           std::abs(c.b - b) <= tolerance;
  }
  AxesSettings axes;
};

TEST_F(Background2DGl, GradientShadowAndFrame) {
  axes.BackStyle = 2;
  axes.ShowShadow = true;
  Background(0, 10, 0, 10);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  // Red along the bottom, pink (1, 0.5, 0.5) at the height of the centre, white along the top.
  EXPECT_TRUE(Near(PixelAt(5.35, -2.9), 255, 0, 0, 12)) << PixelAt(5.35, -2.9).g;
  const Rgb centre = PixelAt(5.35, 5.35);
  EXPECT_TRUE(Near(centre, 255, 128, 128)) << centre.r << " " << centre.g << " " << centre.b;
  EXPECT_TRUE(Near(PixelAt(5.35, 13.6), 255, 255, 255, 12));
  // The shadow shows as a grey band 0.8 wide along the top and the right edge.
  EXPECT_TRUE(Near(PixelAt(14.2, 5), 102, 102, 102, 2));
  EXPECT_TRUE(Near(PixelAt(5, 14.2), 102, 102, 102, 2));
  EXPECT_TRUE(Near(PixelAt(14.8, 5), 255, 255, 255, 0));
  EXPECT_TRUE(Near(PixelAt(-2.6, -3.5), 255, 255, 255, 0)) << "no shadow below the left";
  // The black frame on the rectangle's edges.
  EXPECT_GT(Count(-3.15, 4, -3.05, 6, Dark), 0);
  EXPECT_GT(Count(4, 13.75, 6, 13.85, Dark), 0);
  // The state left behind: lighting on, width 1, black.
  EXPECT_TRUE(Enabled(GL_LIGHTING));
  GLfloat colour[4];
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_EQ(colour[0], 0.0f);
}

TEST_F(Background2DGl, PatternsShadeTheirCorners) {
  struct Case {
    int style;
    double x, y; // a point near a corner or the centre
    int r, g, b;
  };
  const std::vector<Case> cases = {
      {1, 0, 0, 255, 0, 0},
      {1, 5.35, 5.35, 255, 0, 0},
      {3, 5.35, -2.9, 255, 255, 255},
      {5, 5.35, 5.35, 255, 255, 255},
      {5, 5.35, -2.9, 255, 0, 0},
      {8, 5.35, 5, 255, 0, 0},
      {8, -2.9, 5, 255, 255, 255},
      {18, 5.35, 5.35, 255, 255, 255},
      {19, -2.9, -2.9, 255, 255, 255},
      {19, 5.35, 5.35, 255, 0, 0},
      {12, -2.9, -2.9, 255, 0, 0},
      {12, 13.6, -2.9, 255, 255, 255},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    glClear(GL_COLOR_BUFFER_BIT);
    axes.BackStyle = c.style;
    Background(0, 10, 0, 10);
    const Rgb got = PixelAt(c.x, c.y);
    EXPECT_TRUE(Near(got, c.r, c.g, c.b, 16)) << got.r << " " << got.g << " " << got.b;
  }
}

TEST_F(Background2DGl, NothingWithoutTheBackground) {
  axes.ShowBackground = false;
  axes.ShowShadow = true;
  glEnable(GL_LIGHTING);
  glColor3f(0.25f, 0.5f, 0.75f);
  Background(0, 10, 0, 10);
  EXPECT_EQ(Count(-5, -5, 17, 16.5, NotWhite), 0);
  GLfloat colour[4];
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_EQ(colour[1], 0.5f);
  EXPECT_TRUE(Enabled(GL_LIGHTING));
  glDisable(GL_LIGHTING);
}

TEST_F(Background2DGl, AnUnknownPatternTakesTheColourLastSet) {
  axes.BackStyle = 20;
  axes.ShowShadow = true; // leaves grey current
  Background(0, 10, 0, 10);
  EXPECT_TRUE(Near(PixelAt(5, 5), 102, 102, 102, 2));
}

TEST_F(Background2DGl, PrimaryAndSecondaryGridLines) {
  View(-2, 2, -1.5, 4); // X -0.5 .. 0.5 (step 0.2), Y 0 .. 3 (step 0.5)
  axes.ShowprimaryGrid = true;
  axes.ShowSecondaryGrid = true;
  axes.PriGridColor = 0x00FF00; // green
  axes.SecGridColor = 0xFF0000; // blue
  float x0 = -0.5f, x1 = 0.5f, y0 = 0, y1 = 3, z0 = 0, z1 = 0;
  axes.Draw2DGrid(x0, x1, y0, y1, z0, z1);
  auto green = [](const Rgb& c) { return c.g > 200 && c.r < 60 && c.b < 60; };
  auto blue = [](const Rgb& c) { return c.b > 200 && c.r < 60 && c.g < 60; };
  // Vertical primary lines at 0, +-0.2, +-0.4, +-0.6, secondary at +-0.1, +-0.3, +-0.5.
  for (double x : {-0.6, -0.4, -0.2, 0.0, 0.2, 0.4, 0.6})
    EXPECT_GT(Count(x - 0.01, 1.1, x + 0.01, 1.2, green), 0) << x;
  for (double x : {-0.5, -0.3, -0.1, 0.1, 0.3, 0.5})
    EXPECT_GT(Count(x - 0.01, 1.1, x + 0.01, 1.2, blue), 0) << x;
  // Horizontal lines: primary at 0.5 steps, secondary half-way; vertical ones reach 2 below 0.
  EXPECT_GT(Count(0.12, 2.48, 0.18, 2.52, green), 0);
  EXPECT_GT(Count(0.12, 2.73, 0.18, 2.77, blue), 0);
  EXPECT_GT(Count(0.19, -1.4, 0.21, -1.3, green), 0);
  EXPECT_EQ(Count(0.12, -1.0, 0.18, -0.1, green), 0) << "no horizontal line below the X axis";
  EXPECT_FALSE(Enabled(GL_LIGHTING));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
