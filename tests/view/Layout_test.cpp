// The main window's layout arithmetic in twips: the resize handler's five placements, the
// splitter bars' clamp on release and the conversion to pixels.

#include <gtest/gtest.h>

#include "view/window/Layout.h"

namespace {

// A 1024-pixel-wide window at 96 dpi: toolbars 450 twips thick, a status bar of 330.
constexpr WindowMetrics Window{15360, 10000, 450, 330};

PaneGeometry Start(double splitterLeft, double splitter2Top) {
  PaneGeometry g;
  g.VerticalSplitter.Left = splitterLeft;
  g.HorizontalSplitter.Top = splitter2Top;
  return g;
}

} // namespace

TEST(Layout, FivePlacementsFromTheSplitterPositions) {
  const double Y = InitialHorizontalSplitterTop(Window);
  EXPECT_EQ(Y, 10000 - 3 * 450 - 40);
  const PaneGeometry g = FormResize(Start(VerticalSplitterDesignLeftTwips, Y), Window);
  EXPECT_EQ(g.VerticalSplitter, (TwipRect{5220, 900, 60, 8770}));
  EXPECT_EQ(g.HorizontalSplitter, (TwipRect{0, 8610, 5220, 40}));
  EXPECT_EQ(g.GlView, (TwipRect{5280, 900, 9630, 8770}));
  EXPECT_EQ(g.Result, (TwipRect{0, 8650, 5220, 1000}));
  EXPECT_EQ(g.GraphList, (TwipRect{0, 900, 5220, 7730}));
}

TEST(Layout, EdgesHoldForAnySplitterPositions) {
  struct Row {
    double L, Y;
  };
  for (const Row r : {Row{1000, 2000}, Row{5220, 8610}, Row{14360, 5000}, Row{3333, 7777}}) {
    SCOPED_TRACE(testing::Message() << "L " << r.L << " Y " << r.Y);
    const PaneGeometry g = FormResize(Start(r.L, r.Y), Window);
    // The view starts 60 twips right of the vertical bar, at 2T, and ends T left of the window's
    // right edge and S above its bottom.
    EXPECT_EQ(g.GlView.Left, r.L + 60);
    EXPECT_EQ(g.GlView.Top, 2 * Window.T);
    EXPECT_EQ(g.GlView.Left + g.GlView.Width, Window.W - Window.T);
    EXPECT_EQ(g.GlView.Top + g.GlView.Height, Window.H - Window.S);
    // The report box ends 20 twips above the status bar.
    EXPECT_EQ(g.Result.Top + g.Result.Height, Window.H - Window.S - 20);
    // The list reaches 20 twips under the top edge of the horizontal bar.
    EXPECT_EQ(g.GraphList.Height, r.Y + 20 - 2 * Window.T);
    // The handler never moves a bar along its own axis.
    EXPECT_EQ(g.VerticalSplitter.Left, r.L);
    EXPECT_EQ(g.HorizontalSplitter.Top, r.Y);
  }
}

TEST(Layout, PlacementWithNegativeSizeKeepsThePane) {
  // A first layout in a large window, then the window shrinks below the horizontal bar.
  const PaneGeometry first = FormResize(Start(5220, 8610), Window);
  const WindowMetrics small{15360, 8000, 450, 330};
  const PaneGeometry g = FormResize(first, small);
  // Result would be 8000 - 60 - 330 - 8610 < 0 high: it stays where it was...
  EXPECT_EQ(g.Result, first.Result);
  // ...and the list is sized with the height the report box kept.
  EXPECT_EQ(g.GraphList.Height, 8000 - 900 - 330 - 40 - first.Result.Height);
  // The other panes follow the new height.
  EXPECT_EQ(g.GlView.Height, 8000 - 900 - 330);

  // A window narrower than the left pane: the view cannot be placed and keeps its place.
  const WindowMetrics narrow{4000, 10000, 450, 330};
  const PaneGeometry n = FormResize(first, narrow);
  EXPECT_EQ(n.GlView, first.GlView);
  EXPECT_EQ(n.VerticalSplitter.Height, 10000 - 900 - 330);
}

TEST(Layout, FirstLayoutReadsTheBarWidthsItHasJustSet) {
  // Before the first layout the bars have no size: the view's left edge already uses the 60
  // twips that step 1 gave the vertical bar, the list the 40 twips of the horizontal bar.
  PaneGeometry g = Start(5220, 8610);
  ASSERT_EQ(g.VerticalSplitter.Width, 0);
  g = FormResize(g, Window);
  EXPECT_EQ(g.GlView.Left, 5280);
  EXPECT_EQ(g.GraphList.Height, 7730);
}

TEST(Layout, SplitterReleaseClamps) {
  struct Row {
    const char* what;
    double position;
    double W, H;
    bool vertical;
    double expected;
  };
  const Row rows[] = {
      {"left of 1000", 500, 15360, 10000, true, 1000},
      {"inside", 5220, 15360, 10000, true, 5220},
      {"right of W - 1000", 20000, 15360, 10000, true, 14360},
      {"narrow window: the upper bound wins", 700, 1500, 10000, true, 500},
      {"upper bound rounds half to even (down)", 20000, 15360.5, 10000, true, 14360},
      {"upper bound rounds half to even (up)", 20000, 15361.5, 10000, true, 14362},
      {"above 2000", 1000, 15360, 10000, false, 2000},
      {"inside, horizontal", 5000, 15360, 10000, false, 5000},
      {"below H - 3T", 9900, 15360, 10000, false, 8650},
      {"low window: the upper bound wins", 100, 15360, 3000, false, 1650},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const WindowMetrics w{r.W, r.H, 450, 330};
    const double got = r.vertical ? ClampVerticalSplitterLeft(r.position, w)
                                  : ClampHorizontalSplitterTop(r.position, w);
    EXPECT_EQ(got, r.expected);
  }
}

TEST(Layout, TwipsAndPixels) {
  EXPECT_EQ(TwipsPerPixel(96), 15);
  EXPECT_EQ(TwipsPerPixel(120), 12);
  EXPECT_EQ(TwipsPerPixel(144), 10);
  EXPECT_EQ(TwipsToPixels(5220, 96), 348);
  EXPECT_EQ(TwipsToPixels(5220, 144), 522);
  EXPECT_EQ(PixelsToTwips(30, 96), 450);
  // Edges round separately, so two panes that meet in twips meet in pixels.
  const PixelRect a = ToPixels(TwipRect{0, 0, 5220, 40}, 96, 96);
  const PixelRect b = ToPixels(TwipRect{5220, 40, 60, 100}, 96, 96);
  EXPECT_EQ(a.x + a.width, b.x);
  EXPECT_EQ(a.y + a.height, b.y);
  EXPECT_EQ(a, (PixelRect{0, 0, 348, 3}));
}
