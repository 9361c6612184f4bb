#pragma once
// Where the main window's panes go: the arithmetic of the window's layout handler in twips
// (1/1440 inch), the splitter bars' clamp on release, and the conversion between twips and the
// screen's pixels. Pure functions, so the layout is tested without a window.

#include <cstdint>

// One pane's place in twips relative to the window's inner area (below the menu bar).
struct TwipRect {
  double Left = 0;
  double Top = 0;
  double Width = 0;
  double Height = 0;
  bool operator==(const TwipRect&) const = default;
};

// The five panes that the layout handler places. `VerticalSplitter.Left` and
// `HorizontalSplitter.Top` are the two splitter positions: the handler reads them and never
// changes them.
struct PaneGeometry {
  TwipRect VerticalSplitter;   // bar between the left pane and the view
  TwipRect HorizontalSplitter; // bar between the graph list and the report box
  TwipRect GlView;             // the OpenGL view
  TwipRect Result;             // the report box
  TwipRect GraphList;          // the graph list
  bool operator==(const PaneGeometry&) const = default;
};

// The window around the panes, in twips: inner width and height, the toolbars' common thickness
// (the height of the main toolbar) and the status bar's height.
struct WindowMetrics {
  double W = 0;
  double H = 0;
  double T = 0;
  double S = 0;
};

// Fixed sizes of the splitter bars and the design position of the vertical one.
constexpr double VerticalSplitterWidthTwips = 60;
constexpr double HorizontalSplitterHeightTwips = 40;
constexpr double VerticalSplitterDesignLeftTwips = 5220;

// The layout handler: places VerticalSplitter, HorizontalSplitter, GlView, Result and GraphList in
// that order from the current geometry. Each placement reads what the placements before it left; a
// placement whose width or height would be negative is skipped and that pane keeps its place (a
// window too small for the layout, such as a minimized one).
PaneGeometry FormResize(const PaneGeometry& current, const WindowMetrics& window);

// The horizontal splitter's start position: the inner height less three toolbar thicknesses less
// the bar's own height.
double InitialHorizontalSplitterTop(const WindowMetrics& window);

// The splitter bars' release: the position is held to at least `lower`, then to at most
// `upperRaw` rounded to whole twips (halves to even); the upper bound wins when the two cross.
double ClampSplitter(double position, double lower, double upperRaw);
// The two bars' ranges: VerticalSplitter from 1000 to the inner width less 1000, HorizontalSplitter
// from 2000 to the inner height less three toolbar thicknesses.
double ClampVerticalSplitterLeft(double left, const WindowMetrics& window);
double ClampHorizontalSplitterTop(double top, const WindowMetrics& window);

// Twips and pixels at a screen resolution in dots per inch (96 dpi gives 15 twips per pixel).
double TwipsPerPixel(double dpi);
double PixelsToTwips(double pixels, double dpi);
// A whole pixel position for a twips position.
int32_t TwipsToPixels(double twips, double dpi);

// A pane's pixel rectangle: its edges are rounded separately, so adjacent panes meet without a
// gap or an overlap.
struct PixelRect {
  int32_t x = 0, y = 0, width = 0, height = 0;
  bool operator==(const PixelRect&) const = default;
};
PixelRect ToPixels(const TwipRect& rect, double dpiX, double dpiY);
