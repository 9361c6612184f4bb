#pragma once
// A surface as data, with no GL: the grid of points a surface-like graph is drawn from, and the
// mesh built from it (scene positions, fill colours, texture coordinates, cell and vertex normals,
// and which cells are drawn). The surface drawer emits the mesh; tests read it as numbers.
//
// Grid indices: vertex (j, i), j = 0 .. StepU along the first sampling parameter, i = 0 .. StepV
// along the second; cell (j, i) has the corners P0 = (j, i), P1 = (j + 1, i), P2 = (j + 1, i + 1),
// P3 = (j, i + 1). A cell is drawn only when its four corners exist and none of their coordinates
// is UndefinedValue; a cell that is not drawn adds nothing to the normals of its corners.

#include <array>
#include <cstdint>
#include <vector>

#include "render/surfaces/ColorSchemes.h"

class Graph;

using Vec3 = std::array<float, 3>;

// The points a surface's passes read, copied into one contiguous block.
struct SurfaceGrid {
  int32_t StepU = -1, StepV = -1;
  std::vector<Vec3> Points;     // data units, scene order (y vertical); index j * (StepV + 1) + i
  std::vector<uint8_t> Present; // 0 where a table has no point

  void Resize(int32_t stepU, int32_t stepV);
  size_t Index(int32_t j, int32_t i) const {
    return static_cast<size_t>(j) * static_cast<size_t>(StepV + 1) + static_cast<size_t>(i);
  }
  const Vec3& At(int32_t j, int32_t i) const { return Points[Index(j, i)]; }
  // Present and no coordinate undefined.
  bool Defined(int32_t j, int32_t i) const;
  bool HasCells() const { return StepU >= 1 && StepV >= 1; }
};

// The grid a graph is drawn from at an animation step: the step's Anim3D for an animated surface,
// the table points of a Table3D (cells of rows the table never reached are absent; the table is
// not changed), the rings of a surface of revolution, the partial-derivative surface with
// ShowSurPY (else ShowSurPX), otherwise Vert3D. An array that sampling has not laid out gives a
// grid without points.
SurfaceGrid GridOfGraph(const Graph& graph, int32_t step);

// Data units per scene unit and the scene centre: a point (x, y, z) goes to
// (x / Scale[0] - Centre[0], y / Scale[1] - Centre[1], z / Scale[2] - Centre[2]).
struct SceneMapping {
  Vec3 Scale{1.0f, 1.0f, 1.0f};
  Vec3 Centre{0.0f, 0.0f, 0.0f};
  // The program's AxisScaleX .. Z and SceneCenterX .. Z.
  static SceneMapping Current();
  Vec3 Map(const Vec3& p) const {
    return {p[0] / Scale[0] - Centre[0], p[1] / Scale[1] - Centre[1], p[2] / Scale[2] - Centre[2]};
  }
};

// The graph's own box (data units, scene order) as the drawing set it.
struct SurfaceBox {
  Vec3 Min{}, Max{};
  static SurfaceBox OfGraph(const Graph& graph);
  // Max - Min on each axis, a span of exactly 0 replaced by 1/1000000.
  Vec3 Spans() const;
};

// How the cells are coloured.
struct SurfaceFill {
  int32_t FillStyle = 0;
  Vec3 First{}, Second{}; // FirstColor and SecondColor as fractions
  ColorLookup Scheme;     // used by ColorMapFill
  // The graph's fill settings; loads its scheme (which may name it "Rainbow").
  static SurfaceFill OfGraph(Graph& graph);
  // The colour of a point: a gradient from the second colour at the box's low end to the first
  // at its high end along x (GradientLeftRight), z (GradientFrontBack) or y (GradientTopBottom),
  // the second colour (SingleColor), the scheme's colour of y (ColorMapFill), black otherwise.
  Vec3 ColourOf(const Vec3& p, const SurfaceBox& box, const Vec3& spans) const;
};

struct SurfaceMesh {
  int32_t StepU = 0, StepV = 0;
  std::vector<Vec3> Vertex;              // scene position of every grid point
  std::vector<Vec3> Colour;              // fill colour of every grid point
  std::vector<std::array<float, 2>> Tex; // texture coordinate of every grid point
  std::vector<Vec3> VertexNormal;        // unit (or zero) normal of every grid point
  std::vector<Vec3> CellNormal;          // unit (or zero) normal of every cell, j * StepV + i
  std::vector<uint8_t> CellDrawn;        // per cell, same order
  bool RowSeamJoined = false;            // rows i = 0 and i = StepV coincide
  bool ColumnSeamJoined = false;         // columns j = 0 and j = StepU coincide

  size_t Vtx(int32_t j, int32_t i) const {
    return static_cast<size_t>(j) * static_cast<size_t>(StepV + 1) + static_cast<size_t>(i);
  }
  size_t Cell(int32_t j, int32_t i) const {
    return static_cast<size_t>(j) * static_cast<size_t>(StepV) + static_cast<size_t>(i);
  }
};

// The mesh of a surface: positions by the mapping; colours by the fill over the box; texture
// coordinates s = (StepU - j) / StepU, t = (StepV - i) / StepV; cell normals from the diagonals
// (P0 - P2) x (P1 - P3) of the scene positions (so the axis scales shape the shading); vertex
// normals the normalised sum of the normals of the drawn cells around the vertex, across a seam
// whose end points coincide (within 8/10 of a cell of the box on each axis). Needs a grid with
// cells.
SurfaceMesh BuildSurfaceMesh(const SurfaceGrid& grid, const SurfaceBox& box,
                             const SceneMapping& mapping, const SurfaceFill& fill);

// The flat colour map of a ColorMap graph: every point at (z - Centre[0], x - Centre[1],
// Box.Min[1] - Centre[2]), unscaled, coloured by its value y (the colour rules of the fill). No
// normals. Needs a grid with cells.
SurfaceMesh BuildColorMapMesh(const SurfaceGrid& grid, const SurfaceBox& box,
                              const SceneMapping& mapping, const SurfaceFill& fill);
