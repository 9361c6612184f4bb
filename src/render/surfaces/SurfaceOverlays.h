#pragma once
// What a surface draws besides its cells, as data with no GL: the pictures of its heights on the
// floor below it (a colour map, contour lines, gradient arrows) and the tangent planes and normal
// lines at the points its graph lists. All positions are scene positions.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "formula/CompiledFormula.h"
#include "render/surfaces/SurfaceMesh.h"

class Graph;

// The floor lies 3 data units below the lowest height of the box (Box.Min[1] - 3).
float FloorHeight(const SurfaceBox& box);

// The floor colour map: every drawn cell of the mesh laid flat on the floor, with the colours and
// normals of the surface's own points.
struct FloorQuads {
  std::vector<std::array<Vec3, 4>> Corners; // P0 .. P3 of each drawn cell
  std::vector<std::array<Vec3, 4>> Colours;
  std::vector<std::array<Vec3, 4>> Normals;
};
FloorQuads BuildFloorColorMap(const SurfaceGrid& grid, const SurfaceMesh& mesh,
                              const SurfaceBox& box, const SceneMapping& mapping);

struct SceneSegment {
  Vec3 From, To;
};

// The contour lines of the heights at `levels` equal intervals from the lowest to the highest
// height, traced over the grid's indices and laid on the floor through the grid's own x and z
// (each point between the four corners of its cell), 0.1 data units above the floor. Undefined
// and missing points carry no line. A grid of more than 500 points a side has none.
// A count that would draw no line at all (0, which every surface the 3D dialog makes carries, as
// no field of that dialog sets it; a negative count; no finite number) stands for
// DefaultFloorContourIntervals: a ticked "Add Contour" always shows lines.
inline constexpr float DefaultFloorContourIntervals = 10.0f;
std::vector<SceneSegment> BuildFloorContours(const SurfaceGrid& grid, const SurfaceBox& box,
                                             const SceneMapping& mapping, float levels);

// A gradient arrow on the floor at an interior grid point: from the point's (x, z) to the tip
// (x + gi, z + gj), where gj and gi are the mean height differences to the neighbours along j and
// along i, and a disc of radius 0.04 (data units) around the tip as 20 triangles with the tip.
struct FloorArrow {
  SceneSegment Shaft;
  std::array<std::array<Vec3, 3>, 20> Disc;
};
std::vector<FloorArrow> BuildFloorArrows(const SurfaceGrid& grid, const SurfaceBox& box,
                                         const SceneMapping& mapping);

// The formulas of the tangent pass: z = ExpressZ (after implicit products) and its partial
// derivatives by x and y. Prepare returns false when a formula cannot be differentiated or
// compiled (the parser or the evaluator has shown its message then).
struct TangentFormulas {
  CompiledFormula Z, Dx, Dy;
  bool Prepare(const std::string& expressZ);
};

// A square of 1 x 1 formula units of the tangent plane at (x0, y0) (corners (x0 - 0.5, y0 - 0.5),
// (x0 - 0.5, y0 + 0.5), (x0 + 0.5, y0 + 0.5), (x0 + 0.5, y0 - 0.5)), with the plane's upward unit
// normal in the scene; and the normal line through the surface point along (-p, -q, 1), half of
// it on each side. Formula (x, y, z) goes to the scene like a sampled (y, z, x).
struct TangentPlane {
  std::array<Vec3, 4> Corners;
  Vec3 Normal;
};
struct TangentGeometry {
  std::vector<TangentPlane> Planes;
  std::vector<SceneSegment> NormalLines;
};
// Points 1 .. TangentNum (at most 50) and 1 .. NormalNum when their switches are on; a point
// where the surface has no value is left out.
TangentGeometry BuildTangents(const Graph& graph, const TangentFormulas& formulas,
                              const SceneMapping& mapping);
