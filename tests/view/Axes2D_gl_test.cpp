// The axes of a 2D document drawn under Xvfb: axis lines and arrowheads in the axis colour, black
// major and minor ticks, bitmap labels at their places (compared with the same texts drawn alone),
// pi labels, the by-reference Y range, the batches GL receives and the state left behind.

#include "AxesGlFixture.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "model/AxesSettings.h"

namespace {

class Axes2DGl : public AxesGl {
protected:
  void SetUp() override {
    AxesGl::SetUp();
    axes.Show = true;
    axes.AxisColor = 255; // red
    axes.AxisWidth = 3;
  }

  void DrawAxes(float minX, float maxX, float minY, float maxY) {
    float x0 = minX, x1 = maxX, y0 = minY, y1 = maxY, z0 = 0, z1 = 0;
    axes.Draw(2, x0, x1, y0, y1, z0, z1);
  }

  // Dark pixels of the band below the X axis where only the X tick labels, the origin label and
  // the X title stand, as a mask; the columns of the Y axis's ticks are left out.
  std::vector<bool> LabelBand() {
    int a = 0, b = 0, c = 0, d = 0, t0 = 0, t1 = 0, unused = 0;
    Project(-20, -0.85, 0, a, b);
    Project(20, -0.15, 0, c, d);
    Project(-0.1, 0, 0, t0, unused);
    Project(0.4, 0, 0, t1, unused);
    const std::vector<uint8_t> px = Pixels();
    std::vector<bool> mask;
    for (int y = std::max(0, b); y <= std::min(kH - 1, d); ++y)
      for (int x = 0; x < kW; ++x) {
        if (x >= t0 && x <= t1) continue;
        const uint8_t* p = &px[(static_cast<size_t>(y) * kW + x) * 4];
        mask.push_back(p[0] < 110 && p[1] < 110 && p[2] < 110);
      }
    return mask;
  }

  // The band as it looks with only the given labels drawn at (x, -0.5).
  std::vector<bool> ReferenceBand(const std::vector<std::pair<std::string, float>>& labels) {
    glClear(GL_COLOR_BUFFER_BIT);
    for (const auto& [text, x] : labels)
      DrawLabel(0, x, -0.5f, text);
    return LabelBand();
  }

  AxesSettings axes;
};

TEST_F(Axes2DGl, AxesTicksAndArrowheads) {
  // X -5 .. 5 (tick step 2), Y -3 .. 3 (tick step 1).
  DrawAxes(-5, 5, -3, 3);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

  // Axis lines in the axis colour, 2.1 past the outermost ticks (X ticks reach 6, Y ticks 3).
  EXPECT_GT(Count(7.3, -0.04, 7.7, 0.04, Reddish), 0);
  EXPECT_GT(Count(-7.9, -0.04, -7.5, 0.04, Reddish), 0);
  EXPECT_GT(Count(-0.04, 4.5, 0.04, 4.9, Reddish), 0);
  EXPECT_EQ(Count(8.3, -0.3, 9.5, 0.3, Reddish), 0);
  // Filled arrowheads beyond the line ends.
  EXPECT_GT(Count(8.02, 0.07, 8.08, 0.12, Reddish), 0);
  EXPECT_GT(Count(0.07, 5.02, 0.12, 5.08, Reddish), 0);

  // Major ticks 0.3 high at every step, minor ticks 0.2 high in between, all black.
  for (float x : {-6.0f, -4.0f, -2.0f, 2.0f, 4.0f, 6.0f}) {
    EXPECT_GT(Count(x - 0.02, 0.1, x + 0.02, 0.27, Dark), 0) << x;
  }
  EXPECT_GT(Count(0.38, 0.08, 0.42, 0.17, Dark), 0);
  EXPECT_EQ(Count(0.38, 0.23, 0.42, 0.35, Dark), 0);
  EXPECT_EQ(Count(2.98, 0.08, 3.02, 0.5, Dark), 0) << "half-way between majors there is none";
  // Y ticks reach to the right of the Y axis.
  EXPECT_GT(Count(0.1, 0.98, 0.27, 1.02, Dark), 0);
  EXPECT_GT(Count(0.1, -3.02, 0.27, -2.98, Dark), 0);

  // The X labels, the origin label and nothing else below the X axis.
  const std::vector<bool> drawn = LabelBand();
  const std::vector<bool> want = ReferenceBand({{"-2", -2.3f},
                                                {"-4", -4.3f},
                                                {"-6", -6.3f},
                                                {"2", 1.85f},
                                                {"4", 3.85f},
                                                {"6", 5.85f},
                                                {"0", -0.5f},
                                                {"X", 8.0f}});
  EXPECT_EQ(drawn, want);
  EXPECT_GT(std::count(want.begin(), want.end(), true), 50);

  // The state left behind: lighting on, the axis width, black, the matrix stack as found.
  EXPECT_TRUE(Enabled(GL_LIGHTING));
  GLfloat width = 0, colour[4];
  glGetFloatv(GL_LINE_WIDTH, &width);
  EXPECT_EQ(width, 3.0f);
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_EQ(colour[0], 0.0f);
  GLint depth = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
}

TEST_F(Axes2DGl, YLabelsStandLeftOfTheirTicks) {
  DrawAxes(-1, 1, 0, 5);
  // "5" at (-(1 / 5 + 0.3), 5 - 0.2): ink there; no tick labels on the empty negative half.
  EXPECT_GT(Count(-0.5, 4.8, -0.2, 5.1, Dark), 3);
  EXPECT_EQ(Count(-1.5, -3, -0.2, -1.0, Dark), 0);
}

TEST_F(Axes2DGl, PiLabelsOverMinusFiveToSeven) {
  View(-10, 12, -8.25, 8.25);
  axes.ShowPI = true;
  DrawAxes(-5, 7, 0, 1); // no negative Y labels in the band
  const std::vector<bool> drawn = LabelBand();
  const float pi = 3.1416f;
  const std::vector<bool> want = ReferenceBand({{"-pi", -pi - 0.45f},
                                                {"-2pi", -2 * pi - 0.45f},
                                                {"pi", pi - 0.3f},
                                                {"2pi", 2 * pi - 0.45f},
                                                {"3pi", 3 * pi - 0.45f},
                                                {"0", -0.5f},
                                                {"X", 3 * pi + 2.0f}});
  EXPECT_EQ(drawn, want);
}

TEST_F(Axes2DGl, AFlatYRangeStartsTheYAxisAtZeroInTheCallersBox) {
  float x0 = -1, x1 = 1, y0 = 3, y1 = 3, z0 = 0, z1 = 0;
  axes.Draw(2, x0, x1, y0, y1, z0, z1);
  EXPECT_EQ(y0, 0.0f);
  EXPECT_EQ(y1, 3.0f);
  EXPECT_EQ(x0, -1.0f);
  // Ticks from 0 to 3 with step 0.5.
  EXPECT_GT(Count(0.1, 2.98, 0.27, 3.02, Dark), 0);
  EXPECT_GT(Count(0.1, 0.48, 0.27, 0.52, Dark), 0);
}

TEST_F(Axes2DGl, BatchesReceivedByGl) {
  // In feedback mode: one line per tick and axis line, two filled arrowheads.
  std::vector<GLfloat> buffer(200000);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  axes.ShowSecondaryLabel = false;
  DrawAxes(-5, 5, -3, 3); // 6 X ticks, 6 Y ticks
  const GLint n = glRenderMode(GL_RENDER);
  ASSERT_GT(n, 0);
  int lines = 0, polygons = 0, bitmaps = 0;
  for (GLint i = 0; i < n;) {
    const auto token = static_cast<GLint>(buffer[i++]);
    if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
      ++lines;
      i += 6;
    } else if (token == GL_POLYGON_TOKEN) {
      const auto count = static_cast<GLint>(buffer[i++]);
      EXPECT_EQ(count, 3);
      ++polygons;
      i += 3 * count;
    } else if (token == GL_BITMAP_TOKEN || token == GL_DRAW_PIXEL_TOKEN ||
               token == GL_COPY_PIXEL_TOKEN) {
      ++bitmaps;
      i += 3;
    } else if (token == GL_POINT_TOKEN) {
      i += 3;
    } else {
      ++i; // pass-through and others
    }
  }
  EXPECT_EQ(lines, 12 + 2);
  EXPECT_EQ(polygons, 2);
  // Glyphs of "-2" "-4" "-6" "-1" "-2" "-3" "2" "4" "6" "1" "2" "3" "0" "X" "Y".
  EXPECT_EQ(bitmaps, 6 * 2 + 6 + 3);
}

} // namespace
