#pragma once
// The smooth curve through the points of a 2D table: a parametric cubic spline in the plane,
// parametrised by the cumulative chord length between the points and sampled every 0.2 of that
// parameter. Nodes in, samples out; no drawing.
//
// The storage is sized from the nodes, so a table of any length (up to its 201 points and beyond)
// is served. Nodes that repeat the one before them (a chord of length zero) are merged into it,
// and nodes with a coordinate that is not finite are left out, so the curve never divides by a
// zero chord and never samples an endless chord.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The length of (a, b), in double precision.
double Hypotenuse(float a, float b);

// How the ends of the spline are fixed.
enum class SplineEnd : int16_t {
  Slopes = 1,    // the slopes dx/dt and dy/dt at both ends are given
  Natural = 2,   // second derivative 0 at both ends
  Parabolic = 3, // the second derivative of the parabola through the three end points (needs three
                 // nodes; with fewer the ends are natural)
};

struct SplineSlopes {
  float startX = 0.0f, endX = 0.0f, startY = 0.0f, endY = 0.0f;
};

struct SplineSamples {
  std::vector<float> X, Y;
  std::size_t Count() const { return X.size(); }
};

// Most samples one curve yields; a longer curve is sampled with a coarser step so that it fits.
inline constexpr std::size_t kMaxSplineSamples = 1'000'000;
// The step of the chord parameter between two samples.
inline constexpr float kSplineStep = 0.2f;

// The samples of the spline through the nodes (x[i], y[i]): for every segment the samples at
// s = 0, 0.2, 0.4 ... up to the last s not beyond the segment's chord (s summed in single
// precision), then the segment's end node. Fewer than two distinct nodes give no samples.
// x and y must be of the same length (the shorter decides).
SplineSamples SmoothCurvePoints(std::span<const float> x, std::span<const float> y,
                                SplineEnd ends = SplineEnd::Slopes, SplineSlopes slopes = {});

class Graph;

// The smooth curve of a 2D table graph: the spline through its points 0 .. StepV of row 0, each
// divided by the axis scales (AxisScaleX, AxisScaleY), so that chords and the sampling step are
// measured in scene units. The samples are in scene units too, before the scene centre is
// subtracted.
SplineSamples TableSmoothCurve(const Graph& graph);
