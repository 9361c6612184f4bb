#pragma once
// The colour legend of a graph as data: a vertical bar in overlay coordinates (0 .. 100 across the
// view; the bar from x 82 to 85 and y 30 to 70, the bottom standing for the low end of the value
// range), its colour polygons, its tick values with their heights and label texts.
// Graph::DrawLegend emits it.

#include <QLocale>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class Graph;

// The ticks of a value range: a step of 1, 2 or 5 times a power of ten, the first and last
// multiple of the step inside the range, and the number of steps between them (count + 1 ticks).
struct LegendTicks {
  float Step = 0.0f, First = 0.0f, Last = 0.0f;
  int16_t Count = 0;
  bool Valid = false; // false for an empty, negative or non-finite span
};

// The ticks of min .. max. A span of exactly 0 becomes 0 .. max (min is set to 0). Spans a hair
// below a power of ten get the step of that power's decade.
LegendTicks LegendTickStep(float& min, float& max);

// x itself when it lies less than 1e-7 above a whole number, else the next whole number up.
float CeilWithTolerance(float x);

// The fewest decimals (0 to 4) with which the value reads as a short decimal: the value times
// 10^k lies within 0.00001 (or a millionth of itself, for large values) of a whole number, on
// either side.
int32_t LegendDecimals(float value);

// The label of a tick value: LegendDecimals digits after the decimal point, a leading zero, and
// the locale's decimal point, digit grouping and minus sign (blanks become plain blanks).
std::string LegendLabel(float value, const QLocale& locale = QLocale());

struct LegendVertex {
  float X, Y;
  std::array<float, 3> Colour;
};

struct LegendLayout {
  bool Shown = false;
  float Lo = 0.0f, Hi = 0.0f;
  // The bar: one polygon for a gradient, one per pair of colour stops for a colour map.
  std::vector<std::array<LegendVertex, 4>> Polygons;
  struct Tick {
    float Value, Y;
    std::string Text;
  };
  std::vector<Tick> Ticks;
};

// The legend of a graph for the scene box and value range the scene compiler passes (the box in
// the formula's axis order: MinX .. MaxX the formula's x, MinY .. MaxY its y, MinZ .. MaxZ the
// value; MinV .. MaxV the 4D value range). A graph kind or fill style without a legend, or a range
// without extent, gives a layout that is not Shown. Colour-map bands look their colours up in the
// graph's scheme (which may reload it).
LegendLayout ComputeLegendLayout(Graph& graph, float MinX, float MaxX, float MinY, float MaxY,
                                 float MinZ, float MaxZ, float MinV, float MaxV,
                                 const QLocale& locale = QLocale());
