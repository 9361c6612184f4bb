#pragma once
// Level lines of the slices of a 4D graph, drawn into the display list being compiled. The lines
// are traced as the other contour tracer traces them (ContourTracer.h); this class adds levels at
// a fixed spacing (rounded down to multiples of it), colours from the slice or a colour scheme,
// the placement of each line in the plane of the slice (ContourSlicePlane), and in Special
// documents a marker at the traced point nearest the grid's centre.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "render/surfaces/ContourTracer.h"
#include "render/surfaces/SchemeLookup.h"

// The levels of a slice: multiples of `spacing` from the grid's least value rounded down to one to
// its greatest value rounded down to one, in single precision; `minimum` and `maximum` receive the
// rounded ends. Nothing for a spacing that is not a positive finite number, for a grid without a
// value, for a document kind other than 3D, 4D and Special, and never more than kMaxContourLevels
// levels: the list always ends.
std::vector<float> SliceContourLevels(const ContourGrid& grid, float spacing, float& minimum,
                                      float& maximum);

class SliceContours {
public:
  // Draws the lines of the slice grid S0 (nodes (1 .. m, 1 .. n) at (x0 + j * dx, y0 + i * dy)),
  // in the plane at z, every levelSpacing apart.
  void Contour(int32_t m, int32_t n, float dx, float dy, ContourGrid& S0, float x0, float y0,
               float z, float levelSpacing, int32_t fillStyle, int32_t firstColor,
               int32_t secondColor, int32_t lineWidth, const std::string& colorName);

  // One drawn segment in scene coordinates.
  struct Segment {
    std::array<float, 3> from, to;
  };
  const std::vector<Segment>& Segments() const { return m_segments; }

  // Where a point (X along the grid's second index, Y along its first) of a slice at z goes in the
  // scene for the open document's kind and ContourSlicePlane; false when nothing is drawn there.
  static bool Place(float X, float Y, float z, std::array<float, 3>& scene);

  float CentreX = 0.0f, CentreY = 0.0f;
  float NearestX = 0.0f, NearestY = 0.0f, NearestDistance = 0.0f;

private:
  SchemeStops m_scheme;
  std::vector<Segment> m_segments;
};
