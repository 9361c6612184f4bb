#pragma once
// Draws level lines of a sampled grid into the display list being compiled: the zero level of
// an implicit 2D curve (ContourOne in Cartesian, ContourTwo in polar coordinates) and the
// equally spaced levels of a contour plot or a surface floor (Contour2). The tracing itself is
// ContourTracer's; this class adds the levels' colours, the GL state and the placement of each
// segment in the scene by document kind.

#include <array>
#include <cstdint>
#include <vector>

#include "render/surfaces/ContourTracer.h"

class GridContours {
public:
  // Node (i, j) of the grid lies at (x0 + j * dx, y0 + i * dy) before placement. m and n are the
  // node counts the caller fills (at most the grid's own size).
  void ContourOne(int32_t m, int32_t n, float dx, float dy, ContourGrid& S0, float x0, float y0,
                  float z, int32_t fillStyle, int32_t firstColor, int32_t secondColor,
                  int32_t lineWidth);
  void ContourTwo(int32_t m, int32_t n, float dx, float dy, ContourGrid& S0, float x0, float y0,
                  float z, int32_t fillStyle, int32_t firstColor, int32_t secondColor,
                  int32_t lineWidth);
  void Contour2(int32_t m, int32_t n, float dx, float dy, ContourGrid& S0, float x0, float y0,
                float z, float levelCount, int32_t fillStyle, int32_t firstColor,
                int32_t secondColor, int32_t lineWidth);

  // One drawn segment in scene coordinates with its colour (red, green, blue fractions).
  struct Segment {
    std::array<double, 3> from, to;
    std::array<float, 3> colour;
  };
  // The segments of the last call, in drawing order (kept for tests and for callers that want
  // the geometry as data).
  const std::vector<Segment>& Segments() const { return m_segments; }

  // Where a tracer point goes in the scene for the open document's kind and a placement mode
  // (1 Cartesian, 2 polar). False when this kind and mode draw nothing.
  static bool Place(int32_t mode, float tracerX, float tracerY, float x0, float y0, float z,
                    std::array<double, 3>& scene);

private:
  void Run(int32_t m, int32_t n, float dx, float dy, ContourGrid& S0, float x0, float y0, float z,
           const std::vector<float>& levels, float minimum, float maximum, CrossingTest test,
           int32_t mode, bool gradient, int32_t firstColor, int32_t secondColor,
           int32_t lineWidth);
  std::vector<Segment> m_segments;
};
