#pragma once
// Where the axes, grids and backgrounds of the scene go, as plain data: the segments, polygons,
// colours and texts that the drawing operations of the axes object hand to OpenGL, in the order
// they are drawn. Every position here is final: already divided by the axis scales where the
// document kind does so, and already moved by the scene centre. Keeping the geometry apart from
// the GL calls lets it be checked number by number.

#include <QLocale>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace AxesLayout {

// Ticks and labels a half-axis, an axis of the box or a side of the Special frame may carry: the
// label tables of the axes hold 501 entries.
constexpr int MaxTicks = 500;

// The step of the 2D pi ticks.
constexpr float PiStep = 3.1416f;

struct Vec3 {
  float x = 0, y = 0, z = 0;
  bool operator==(const Vec3&) const = default;
};
struct Segment {
  Vec3 from, to;
  bool operator==(const Segment&) const = default;
};
// Red, green and blue fractions 0 to 1.
struct Rgbf {
  float r = 0, g = 0, b = 0;
  bool operator==(const Rgbf&) const = default;
};
// A bitmap text (DrawLabel): starts at the raster position `at`.
struct Label {
  std::string text;
  Vec3 at;
};

// --- tick steps and counts ------------------------------------------------------------------

// A step that can be divided by: positive and finite.
bool UsableStep(float step);

// Number of ticks from the origin to the bound on one half-axis: the bound's distance from the
// origin over the step, rounded up to a whole number (0 for a bound of 0 or an unusable step).
int HalfAxisCount(float bound, float step);

// The smallest factor of the series 1, 2, 5, 10, 20, 50, ... by which the step must grow so that
// neither half-axis from lo to hi needs more than MaxTicks ticks; 0 when no factor helps (an
// unusable step or a bound that is not finite). The pi ticks grow by such factors.
int CoarsenFactor(float step, float lo, float hi);

// The step itself when neither half-axis from lo to hi needs more than MaxTicks ticks with it;
// otherwise the smallest larger step of the series 1, 2, 5 times a power of ten that fits; 0 when
// none does (an unusable step or a bound that is not finite).
float CoarsenStep(float step, float lo, float hi);

// The equal-scale rule of the 2D axes: when one tick step alone would cover the other axis twice,
// that other axis takes one step reaching from the origin past its farther bound. At most one of
// the steps changes. Used under ScaleEqual only.
void ApplyEqualScaleRule(float& sx, float& sy, float minX, float maxX, float minY, float maxY);

// The tick steps that the 2D grid and axes share, in data units: the steps of Coord after the
// equal-scale rule, each coarsened so that no half-axis needs more than MaxTicks ticks. A step of
// 0 means the axis has no usable step (no ticks, no grid lines).
struct Steps2D {
  float sx = 0, sy = 0;
};
Steps2D FinishSteps2D(float coordStepX, float coordStepY, float minX, float maxX, float minY,
                      float maxY, int32_t axisScaleMode);

// --- 2D background --------------------------------------------------------------------------

// Which colour a corner of a background pattern takes.
enum class BackColour { C1, C2, Mean, Unset };
// How a pattern is filled: four triangles fanned about the centre, or two bands.
enum class BackShape { Triangles, HorizontalBands, VerticalBands };
// One of the nineteen patterns. For triangles the colours of the corners and the centre; for bands
// `outer` is the colour of the outer edges and `middle` that of the middle line.
struct BackPattern {
  BackShape shape = BackShape::Triangles;
  BackColour bl = BackColour::Unset, br = BackColour::Unset, tl = BackColour::Unset,
             tr = BackColour::Unset, centre = BackColour::Unset;
  BackColour outer = BackColour::Unset, middle = BackColour::Unset;
};
// Pattern of BackStyle 1 to 19; any other value gives triangles that set no colour.
BackPattern BackgroundPattern(int32_t backStyle);

struct BackVertex {
  Vec3 at;
  std::optional<Rgbf> colour; // none: the vertex keeps the colour last set
};
// A filled polygon: three vertices (a triangle) or four (a quadrilateral), each its own batch.
struct BackPolygon {
  std::vector<BackVertex> vertices;
};
struct BackgroundInput {
  float minX = 0, maxX = 0, minY = 0, maxY = 0; // data units
  float scaleX = 1, scaleY = 1;
  Vec3 centre;
  int32_t backStyle = 2;
  Rgbf c1, c2;
  bool shadow = false;
};
struct Background {
  float left = 0, right = 0, bottom = 0, top = 0; // scene units from the data origin
  std::optional<std::array<Vec3, 4>> shadow;      // grey quadrilateral behind the fill
  std::vector<BackPolygon> fill;
  std::array<Segment, 4> frame;
};
Background LayoutBackground(const BackgroundInput& in);

// --- 2D grid --------------------------------------------------------------------------------

struct Grid2DInput {
  float minX = 0, maxX = 0, minY = 0, maxY = 0; // data units (minY as Coord left it)
  Steps2D steps;
  float scaleX = 1, scaleY = 1;
  Vec3 centre;
  bool primary = false, secondary = false;
};
struct Grid2D {
  std::vector<Segment> primary;   // in drawing order, the origin lines last
  std::vector<Segment> secondary; // half-way between primary lines
};
Grid2D LayoutGrid2D(const Grid2DInput& in);

// --- 2D axes --------------------------------------------------------------------------------

struct Axes2DInput {
  float minX = 0, maxX = 0, minY = 0, maxY = 0; // data units (minY as Coord left it)
  Steps2D steps;
  bool showPI = false;
  bool showSecondaryTicks = true;
  float scaleX = 1, scaleY = 1;
  int32_t axisWidth = 1;
  Vec3 centre;
  QLocale locale;
};
struct Axes2D {
  int nxn = 0, nxp = 0, nyn = 0, nyp = 0; // ticks per half-axis
  int piMultiple = 1;                     // the pi ticks stand at multiples of this many pi
  std::vector<Segment> ticks;         // one batch: negative X, negative Y, positive X, positive Y
  std::array<Vec3, 3> arrowX, arrowY; // tip first
  Segment axisX, axisY;
  std::vector<Label> labels; // tick labels (negative X, negative Y, positive X, positive Y),
                             // then "0", "X", "Y"
};
Axes2D LayoutAxes2D(const Axes2DInput& in);

// --- axes box of 3D, 4D and 2.5D documents --------------------------------------------------

struct PanelAxesInput {
  float minX = 0, maxX = 0, minY = 0, maxY = 0, minZ = 0, maxZ = 0; // box, scene order
  int32_t labelNumX = 2, labelNumY = 2, labelNumZ = 2;
  bool showXYPanel = false, showXZPanel = false, showYZPanel = false;
  int32_t xyPanelColor = 0, xzPanelColor = 0, yzPanelColor = 0;
  bool showXYXGrid = true, showXYYGrid = true, showXZXGrid = true, showXZZGrid = true,
       showYZYGrid = true, showYZZGrid = true;
  int32_t xyGridColor = 0, xzGridColor = 0, yzGridColor = 0;
  std::string titleX = "X", titleY = "Y", titleZ = "Z";
  float scaleX = 1, scaleY = 1, scaleZ = 1;
  Vec3 centre;
  bool ribbons = false; // the 2.5D form: no depth labels, upright vertical title
  QLocale locale;
};
struct PanelQuad {
  int32_t colour = 0;
  Vec3 normal;
  std::array<Vec3, 4> corners;
};
struct LineBatch {
  int32_t colour = 0;
  std::vector<Segment> lines;
};
enum class OutlineFont { Tick, Title };
struct OutlineText {
  OutlineFont font = OutlineFont::Tick;
  std::string text;
  Vec3 at;
  std::array<float, 4> rotation{}; // angle in degrees, then the axis
};
struct PanelAxes {
  int divisionsX = 0, divisionsY = 0, divisionsZ = 0; // interval counts in use (0: none)
  std::vector<PanelQuad> panels;                      // YZ, XZ, XY, the shown ones
  std::array<Segment, 3> edges;
  std::vector<LineBatch> grids; // the switched-on grids, in drawing order
  std::vector<Segment> ticks;
  std::vector<OutlineText> texts;
};
// Interval count in use for a stored count: none for 0 or below, at most MaxTicks.
int UsableIntervals(int32_t labelNum);
// Width estimate of an outline text in scene units.
float TextWidth(const std::string& text);
// The most characters of an axis title the box shows: at the view's starting size a title of
// this many, followed by "..." and placed as the box places its titles, still lies within the view
// on each of the three axes, whatever its characters (the widest, such as "@", leave the fewest).
// Every glyph is an outline drawn at each repaint: a title of a megabyte froze the window for
// minutes.
inline constexpr std::size_t MaxShownAxisTitleChars = 33;
// An axis title as the box shows it: whole up to MaxShownAxisTitleChars characters, else cut
// there and followed by "...". The document keeps the whole title.
std::string ShownAxisTitle(const std::string& title);
PanelAxes LayoutPanelAxes(const PanelAxesInput& in);

// The line style: the box widened to the origin (in the caller's variables), three axis lines
// 2 data units past both ends, and a cone standing on the far end of each.
struct Cone {
  Vec3 at;
  float angle = 0;
  Vec3 axis;
};
struct LineAxes {
  std::array<Segment, 3> lines; // scene z, y, x
  std::array<Cone, 3> cones;    // scene z, x, y
};
LineAxes LayoutLineAxes(float& minX, float& maxX, float& minY, float& maxY, float& minZ,
                        float& maxZ, float scaleX, float scaleY, float scaleZ, Vec3 centre);

// --- Special frame --------------------------------------------------------------------------

struct SpecialAxes {
  int everyH = 1, everyV = 1; // ticks stand at the whole numbers divisible by these
  std::vector<Segment> ticks; // left side first, then the bottom side
  std::array<Segment, 4> frame;
  std::vector<Label> labels; // vertical labels, horizontal labels, then "Y" and "X"
};
SpecialAxes LayoutSpecialAxes(float minX, float maxX, float minY, float maxY, float minZ,
                              float maxZ, Vec3 centre);

} // namespace AxesLayout
