#pragma once
// One point: the element of every point array of a graph (x, y, z in data units and scene order,
// y vertical, and a fourth value v), with the colour, size and marker shape it is drawn with.

#include <cstdint>

// Marker shapes of a point in 2D documents (Symbol).
enum PointSymbol : int32_t {
  SolidCircle = 1,
  HollowCircle = 2,
  SolidRectangle = 3,
  SolidTriangle = 4,
  Diamond = 5,
  CrossHair = 6,
};

struct GraphPoint {
  float Size = 0.15f;
  int32_t Color = 0; // blue * 65536 + green * 256 + red
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float v = 0.0f;
  bool Hollow = false; // stored only
  bool Show = false;   // stored only
  int32_t Symbol = 0;  // marker shape in 2D documents, 1 .. 6; others draw nothing

  // A new point at (x, y, z) carrying v, with the defaults otherwise.
  static GraphPoint Init(float x, float y, float z, float v) {
    GraphPoint p;
    p.x = x;
    p.y = y;
    p.z = z;
    p.v = v;
    return p;
  }

  // Draws the point into the OpenGL scene being compiled. In a 2D document (DocumentType2D) the
  // flat marker of Symbol, centred at (x - SceneCenterX, y - SceneCenterY): the caller has already
  // divided x and y by the axis scales. In every other kind a sphere of radius
  // 0.05 * Size + 0.05 at (x / AxisScaleX - SceneCenterX, y / AxisScaleY - SceneCenterY,
  // z / AxisScaleZ - SceneCenterZ). A point whose drawn position is not finite draws nothing.
  void Draw() const;

  bool operator==(const GraphPoint&) const = default;
};

// Splits a colour value (blue * 65536 + green * 256 + red) into fractions of 255: blue is the
// whole part of colour / 65536, green of (colour - blue * 65536) / 256, red the rest, each
// truncated toward zero; no masking, so values above 16777215 give a blue part above 1. The one
// colour splitter of the program: every drawer uses it.
void ColorToRgb(int32_t colour, float& red, float& green, float& blue);
