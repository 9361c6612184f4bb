#include "view/window/Layout.h"

#include <cmath>

#include "platform/NumberText.h"

namespace {

// A placement succeeds only with a size the window system accepts; otherwise the pane stays.
void Place(TwipRect& pane, double left, double top, double width, double height) {
  if (width < 0 || height < 0) return;
  pane = TwipRect{left, top, width, height};
}

} // namespace

PaneGeometry FormResize(const PaneGeometry& current, const WindowMetrics& w) {
  PaneGeometry g = current;
  const double T = w.T, S = w.S, W = w.W, H = w.H;
  // 1. The vertical bar keeps its left edge and spans the panes' height.
  Place(g.VerticalSplitter, g.VerticalSplitter.Left, 2 * T, VerticalSplitterWidthTwips,
        H - 2 * T - S);
  // 2. The horizontal bar keeps its top edge and spans the left pane.
  const double L = g.VerticalSplitter.Left;
  Place(g.HorizontalSplitter, 0, g.HorizontalSplitter.Top, L, HorizontalSplitterHeightTwips);
  // 3. The view fills the room right of the vertical bar, left of the view toolbar.
  Place(g.GlView, L + g.VerticalSplitter.Width, 2 * T, W - L - g.VerticalSplitter.Width - T,
        H - 2 * T - S);
  // 4. The report box lies below the horizontal bar and ends 20 twips above the status bar.
  const double Y = g.HorizontalSplitter.Top;
  Place(g.Result, 0, Y + 40, L, H - 60 - S - Y);
  // 5. The graph list takes the rest of the left pane, down under the horizontal bar.
  Place(g.GraphList, 0, 2 * T, L, H - 2 * T - S - g.HorizontalSplitter.Height - g.Result.Height);
  return g;
}

double InitialHorizontalSplitterTop(const WindowMetrics& w) { return w.H - 3 * w.T - 40; }

double ClampSplitter(double position, double lower, double upperRaw) {
  const double upper = NumberText::RoundHalfEven(upperRaw);
  if (position < lower) position = lower;
  if (position > upper) position = upper;
  return position;
}

double ClampVerticalSplitterLeft(double left, const WindowMetrics& w) {
  return ClampSplitter(left, 1000, w.W - 1000);
}

double ClampHorizontalSplitterTop(double top, const WindowMetrics& w) {
  return ClampSplitter(top, 2000, w.H - 3 * w.T);
}

double TwipsPerPixel(double dpi) { return dpi > 0 ? 1440.0 / dpi : 15.0; }

double PixelsToTwips(double pixels, double dpi) { return pixels * TwipsPerPixel(dpi); }

int32_t TwipsToPixels(double twips, double dpi) {
  return static_cast<int32_t>(std::lround(twips / TwipsPerPixel(dpi)));
}

PixelRect ToPixels(const TwipRect& r, double dpiX, double dpiY) {
  const int32_t left = TwipsToPixels(r.Left, dpiX);
  const int32_t top = TwipsToPixels(r.Top, dpiY);
  const int32_t right = TwipsToPixels(r.Left + r.Width, dpiX);
  const int32_t bottom = TwipsToPixels(r.Top + r.Height, dpiY);
  return PixelRect{left, top, right - left, bottom - top};
}
