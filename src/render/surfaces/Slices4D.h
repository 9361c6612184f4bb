#pragma once
// The slices of a 4D graph as data. A slice is a plane through the graph's sample grid on which
// one of the user's coordinates is held (z-slices hold z, x-slices x, y-slices y); it covers a
// rectangle of grid rows and carries the function's values there, interpolated between the two
// grid layers around the slice's position. From a slice come its colour fill (one quadrilateral
// per cell, coloured by value), its contour lines (SliceContours) and its gradient arrows (one line
// per interior sample along the in-plane change of the value). Draw4DSlices (SurfaceDrawers.h)
// emits them.

#include <array>
#include <cstdint>
#include <vector>

#include "render/surfaces/CubeTables.h"

class Graph;

// The held coordinate of a slice, with the code ContourSlicePlane takes for it.
enum SlicePlane : int32_t { SliceZ = 1, SliceX = 2, SliceY = 3 };

// Where a slice position lies among the layers boxMin + j * spacing, j = 0 .. steps: between
// layers Lower and Upper = Lower + 1 at Fraction, or on one layer (Lower = Upper) when it lies
// within 0.0001 of it. Not Found outside the sampled range.
struct LayerMatch {
  bool Found = false;
  int32_t Lower = 0, Upper = 0;
  float Fraction = 1.0f;
};
LayerMatch FindSliceLayer(float position, float boxMin, float spacing, int32_t steps);

struct Slice4D {
  SlicePlane Plane = SliceZ;
  float Position = 0.0f;
  // The slice's first grid index and row count along its two in-plane directions: A is the
  // user's x for z- and y-slices and y for x-slices; B is y for z-slices and z otherwise.
  int32_t FirstA = 0, FirstB = 0, RowsA = 0, RowsB = 0;
  float SpacingA = 0.0f, SpacingB = 0.0f, MinA = 0.0f, MinB = 0.0f;
  // Point (a, b), a = 0 .. RowsA - 1, b = 0 .. RowsB - 1, in data units and scene order, whose
  // component of the held axis is the value there (y of a z-slice, z of an x-slice, x of a
  // y-slice).
  std::vector<IsoPoint> Points;

  const IsoPoint& Point(int32_t a, int32_t b) const { return Points[size_t(a * RowsB + b)]; }
  float Value(int32_t a, int32_t b) const;
};

// Slice `index` (1 .. 50) of a plane at an animation step. False when it is not drawn: its
// position lies outside the sampled range, its rows lie outside the grid or the grids do not hold
// the graph's step counts. The graph's box must be that of the step (Graph::GetBox).
bool BuildSlice(const Graph& graph, int32_t animStep, SlicePlane plane, int32_t index,
                Slice4D& slice);

// One filled cell in scene units, with its corners' colours.
struct SliceQuad {
  std::array<IsoPoint, 4> Corners;
  std::array<std::array<float, 3>, 4> Colours;
};
// The colour fill: cells coloured by the graph's FillStyle over MinVV .. MaxVV (colour map for
// style 5, from SecondColor to FirstColor for style 3, black otherwise), laid in the slice's plane.
// May reload the graph's colour scheme.
std::vector<SliceQuad> SliceFill(Graph& graph, const Slice4D& slice);

// The normal of a slice's fill in the scene.
IsoPoint SliceNormal(SlicePlane plane);

// The gradient arrows in scene units: from each interior sample whose value and four neighbours'
// values exist, along the mean of the forward and backward value differences in each direction.
std::vector<std::array<IsoPoint, 2>> SliceArrows(const Slice4D& slice);

// A data point in scene order mapped into the scene (divided by the axis scales, less the centre).
IsoPoint SceneOf(const IsoPoint& p);
