// The axes of 3D, 4D, 2.5D and Special documents drawn under Xvfb: panels in their colours, grid
// lines with and without panels, blue outline labels, the line style's blue axes and red cones,
// the 2.5D depth written back to the caller, and the flat Special frame with its whole-number
// labels compared with the same texts drawn alone.

#include "AxesGlFixture.h"

#include <string>
#include <utility>
#include <vector>

#include "model/AxesSettings.h"

namespace {

class AxesBoxGl : public AxesGl {
protected:
  void SetUp() override {
    AxesGl::SetUp();
    DocumentType = DocumentType3D;
    axes.SetDefault();
    // Looking at the box corner from (1, 1, 1): the three panels are its far sides.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-13, 13, -9.75, 9.75, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(20, 20, 20, 0, 0, 0, 0, 1, 0);
    KeepMatrices();
  }

  void Draw(float lo, float hi) {
    box = {lo, hi, lo, hi, lo, hi};
    axes.Draw(2, box[0], box[1], box[2], box[3], box[4], box[5]);
  }

  // Pixels satisfying pred within radius pixels of the projection of a box point.
  static int Around(double x, double y, double z, int radius,
                    const std::function<bool(const Rgb&)>& pred) {
    int px = 0, py = 0;
    Project(x, y, z, px, py);
    const std::vector<uint8_t> all = Pixels();
    int n = 0;
    for (int j = std::max(0, py - radius); j <= std::min(kH - 1, py + radius); ++j)
      for (int i = std::max(0, px - radius); i <= std::min(kW - 1, px + radius); ++i) {
        const uint8_t* p = &all[(static_cast<size_t>(j) * kW + i) * 4];
        if (pred(Rgb{p[0], p[1], p[2]})) ++n;
      }
    return n;
  }
  static Rgb ColourAt(double x, double y, double z) {
    int px = 0, py = 0;
    Project(x, y, z, px, py);
    return s_ctx->Pixel(px, py);
  }

  AxesSettings axes;
  std::array<float, 6> box{};
};

TEST_F(AxesBoxGl, NewDocumentDrawsGridsLabelsAndNoPanel) {
  Draw(-5, 5);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  // No panel: the middle of each far side stays white.
  EXPECT_EQ(ColourAt(-2.5, 2.5, -5), (Rgb{255, 255, 255}));
  EXPECT_EQ(ColourAt(-5, 2.5, -2.5), (Rgb{255, 255, 255}));
  // Grid lines at the division points of every panel.
  EXPECT_GT(Around(0, 2.5, -5, 1, NotWhite), 0); // YZ panel, along Y at x = 0
  EXPECT_GT(Around(-5, 0, 2.5, 1, NotWhite), 0); // XZ panel, at z = 0 .. along Z
  EXPECT_GT(Around(2.5, -5, 0, 1, NotWhite), 0); // floor, along X at z = 0
  // Blue outline labels below the front edge, beside the vertical edge and along the depth.
  EXPECT_GT(Around(-5, -6.6, 5, 12, Bluish), 5);
  EXPECT_GT(Around(-6.8, 0, 5, 12, Bluish), 5);
  EXPECT_GT(Around(5, -6.6, 0, 12, Bluish), 5);
  // Black ticks hang from the edges.
  EXPECT_GT(Around(0, -5.15, 5, 2, Dark), 0);
  // The state left behind: the switches as the axes found them (lighting off here).
  EXPECT_FALSE(Enabled(GL_LIGHTING));
  EXPECT_FALSE(Enabled(GL_LINE_SMOOTH));
  EXPECT_FALSE(Enabled(GL_BLEND));
  GLint depth = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
  EXPECT_EQ(box, (std::array<float, 6>{-5, 5, -5, 5, -5, 5})) << "the panel style writes nothing";
}

TEST_F(AxesBoxGl, PanelsTakeTheirColoursAndHideNothingOfTheGridWhenGridsAreOff) {
  axes.ShowXYPanel = axes.ShowXZPanel = axes.ShowYZPanel = true;
  axes.XYPanelColor = 0x0000FF; // red floor
  axes.XZPanelColor = 0x00FF00; // green side
  axes.YZPanelColor = 0xFF0000; // blue back
  axes.ShowXYXGrid = axes.ShowXYYGrid = axes.ShowXZXGrid = axes.ShowXZZGrid = axes.ShowYZYGrid =
      axes.ShowYZZGrid = false;
  Draw(-5, 5); // lighting off on entry: the panels show their colours as they are
  EXPECT_EQ(ColourAt(-2.5, 2.5, -5), (Rgb{0, 0, 255}));
  EXPECT_EQ(ColourAt(-5, 2.5, -2.5), (Rgb{0, 255, 0}));
  EXPECT_EQ(ColourAt(-2.5, -5, -2.5), (Rgb{255, 0, 0}));
  // With the grids off a division point of the back panel is panel colour.
  EXPECT_EQ(ColourAt(0, 2.5, -5), (Rgb{0, 0, 255}));
}

TEST_F(AxesBoxGl, FourDimensionalDocumentsDrawTheSameAxes) {
  Draw(-5, 5);
  const QImage three = s_ctx->Image();
  glClear(GL_COLOR_BUFFER_BIT);
  glDisable(GL_LIGHTING);
  DocumentType = DocumentType4D;
  Draw(-5, 5);
  EXPECT_EQ(s_ctx->Image(), three);
}

TEST_F(AxesBoxGl, LineStyleDrawsBlueAxesThroughTheOriginWithRedCones) {
  axes.AxisStyle = LineStyle;
  axes.ShowXYPanel = true; // not drawn in the line style
  glEnable(GL_LIGHT0);
  glEnable(GL_COLOR_MATERIAL);
  Draw(2, 8);
  glDisable(GL_COLOR_MATERIAL);
  glDisable(GL_LIGHT0);
  // The caller's box now reaches the origin.
  EXPECT_EQ(box, (std::array<float, 6>{0, 8, 0, 8, 0, 8}));
  // Blue lines from -2 to 10 along each axis (smoothed, so blended with the white).
  auto blueTint = [](const Rgb& c) { return c.b > c.r + 60 && c.b > c.g + 60; };
  EXPECT_GT(Around(4, 0, 0, 1, blueTint), 0);
  EXPECT_GT(Around(-1.5, 0, 0, 1, blueTint), 0);
  EXPECT_GT(Around(0, 6, 0, 1, blueTint), 0);
  EXPECT_GT(Around(0, 0, 9, 1, blueTint), 0);
  EXPECT_EQ(Around(0, 10.8, 0, 3, NotWhite), 0) << "nothing past the cone";
  // Lit red cones on the far ends.
  EXPECT_GT(Around(10.2, 0, 0, 4, Reddish), 0);
  EXPECT_GT(Around(0, 10.2, 0, 4, Reddish), 0);
  EXPECT_GT(Around(0, 0, 10.2, 4, Reddish), 0);
  // No panel, no labels.
  EXPECT_EQ(ColourAt(4, 0.001, 4), (Rgb{255, 255, 255}));
  EXPECT_EQ(Around(4, -1.5, 8, 20, Bluish), 0);
  EXPECT_FALSE(Enabled(GL_LIGHTING)); // as the axes found it
  EXPECT_FALSE(Enabled(GL_BLEND));
}

TEST_F(AxesBoxGl, RibbonDocumentsSpanTheDepthZeroToThree) {
  DocumentType = DocumentType25D;
  axes.AxisStyle = LineStyle; // stored, yet 2.5D axes are panel style
  box = {-5, 5, 0, 2, -1, 7};
  axes.Draw(2, box[0], box[1], box[2], box[3], box[4], box[5]);
  EXPECT_EQ(box[4], 0.0f);
  EXPECT_EQ(box[5], 3.0f);
  EXPECT_EQ(box[0], -5.0f);
  // Floor grid lines along x at the depths 0, 1.5 and 3.
  for (double z : {0.0, 1.5, 3.0})
    EXPECT_GT(Around(2.5, 0, z, 1, NotWhite), 0) << z;
  // Labels under the horizontal axis and beside the vertical one; none along the depth.
  EXPECT_GT(Around(-5, -1.6, 3, 12, Bluish), 5);
  EXPECT_GT(Around(-6.8, 1, 3, 12, Bluish), 5);
  EXPECT_EQ(Around(5, -1.6, 1.5, 10, Bluish), 0);
}

// Seen from the front, the labels under the front edge are the texts drawn alone in blue outline
// glyphs at their places: -5.0, 0.0 and 5.0 for a new 3D document over -5 .. 5, and the same
// under the horizontal axis of a new 2.5D document over x -5 .. 5, y 0 .. 2.
TEST_F(AxesBoxGl, FrontLabelsAreTheDivisionTexts) {
  for (int kind : {DocumentType3D, DocumentType25D}) {
    SCOPED_TRACE(kind);
    DocumentType = kind;
    View(-10, 10, -7.5, 7.5);
    glClear(GL_COLOR_BUFFER_BIT);
    const bool ribbons = kind == DocumentType25D;
    box = {-5, 5, ribbons ? 0.0f : -5.0f, ribbons ? 2.0f : 5.0f, -5, 5};
    glDisable(GL_LIGHTING);
    axes.Draw(2, box[0], box[1], box[2], box[3], box[4], box[5]);
    // The band of the front labels, 1.5 below the floor; the columns at the right edge, where
    // 3D documents stand their depth labels edge-on, are left out.
    const float floorY = box[2];
    auto band = [&] {
      int a = 0, b = 0, c = 0, d = 0, e0 = 0, e1 = 0, unused = 0;
      Project(-10, floorY - 2.0, 0, a, b);
      Project(10, floorY - 1.0, 0, c, d);
      Project(4.8, 0, 0, e0, unused);
      Project(5.3, 0, 0, e1, unused);
      const std::vector<uint8_t> px = Pixels();
      std::vector<bool> mask;
      for (int y = b; y <= d; ++y)
        for (int x = 0; x < kW; ++x) {
          if (x >= e0 && x <= e1) continue;
          const uint8_t* p = &px[(static_cast<size_t>(y) * kW + x) * 4];
          mask.push_back(p[2] > 120 && p[0] < 110);
        }
      return mask;
    };
    const std::vector<bool> drawn = band();
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING); // the axes draw their texts unlit
    const float z = ribbons ? 3.0f : 5.0f;
    for (const auto& [text, x] : {std::pair{"-5.0", -5.0f}, {"0.0", 0.0f}, {"5.0", 5.0f}})
      DrawOutlineText(TickFontBase, text, x - 1.0f, floorY - 1.5f, z, {0, 0, 1, 0}, 255 * 65536);
    const std::vector<bool> want = band();
    EXPECT_EQ(drawn, want);
    EXPECT_GT(std::count(want.begin(), want.end(), true), 100);
  }
}

// --- Special documents ------------------------------------------------------------------------

class AxesSpecialGl : public AxesGl {
protected:
  void SetUp() override {
    AxesGl::SetUp();
    DocumentType = DocumentTypeSpecial;
    axes.AxisColor = 0x0000FF; // red frame
    axes.AxisWidth = 2;
    View(-10, 10, -7.5, 7.5);
  }
  AxesSettings axes;
};

TEST_F(AxesSpecialGl, FrameTicksAndWholeNumberLabels) {
  // Horizontal (box z) -6.3 .. 6.3, vertical (box x) 0 .. 5, depth (box y) 0 .. 1.
  float minX = 0, maxX = 5, minY = 0, maxY = 1, minZ = -6.3f, maxZ = 6.3f;
  axes.Draw(2, minX, maxX, minY, maxY, minZ, maxZ);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  // The frame in the axis colour.
  EXPECT_GT(Count(-3, -0.04, -2, 0.04, Reddish), 0);
  EXPECT_GT(Count(2, 4.96, 3, 5.04, Reddish), 0);
  EXPECT_GT(Count(-6.34, 2, -6.26, 3, Reddish), 0);
  EXPECT_GT(Count(6.26, 2, 6.34, 3, Reddish), 0);
  // Black ticks pointing down at -6 .. 6 and left at 1 .. 5; none at 0 on the left side.
  for (double h : {-6.0, -1.0, 0.0, 6.0})
    EXPECT_GT(Count(h - 0.02, -0.28, h + 0.02, -0.1, Dark), 0) << h;
  EXPECT_GT(Count(-6.58, 0.98, -6.4, 1.02, Dark), 0);
  EXPECT_EQ(Count(-6.58, -0.02, -6.4, 0.02, Dark), 0);
  // Horizontal labels: the same pixels as the texts drawn alone.
  int a = 0, b = 0, c = 0, d = 0;
  Project(-10, -0.95, 0, a, b);
  Project(10, -0.45, 0, c, d);
  auto band = [&] {
    const std::vector<uint8_t> px = Pixels();
    std::vector<bool> mask;
    for (int y = b; y <= d; ++y)
      for (int x = 0; x < kW; ++x) {
        const uint8_t* p = &px[(static_cast<size_t>(y) * kW + x) * 4];
        mask.push_back(p[0] < 110 && p[1] < 110 && p[2] < 110);
      }
    return mask;
  };
  const std::vector<bool> drawn = band();
  glClear(GL_COLOR_BUFFER_BIT);
  for (int i = -6; i <= 6; ++i)
    DrawLabel(0, static_cast<float>(i), -0.9f, std::to_string(i));
  const std::vector<bool> want = band();
  EXPECT_EQ(drawn, want);
  EXPECT_GT(std::count(want.begin(), want.end(), true), 50);
  // Lighting on again, the frame's width, black.
  EXPECT_TRUE(Enabled(GL_LIGHTING));
  GLfloat width = 0;
  glGetFloatv(GL_LINE_WIDTH, &width);
  EXPECT_EQ(width, 2.0f);
}

} // namespace
