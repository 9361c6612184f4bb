#pragma once
// The two volume drawers: an implicit surface f(x, y, z) = 0 of a 3D graph, and one isosurface of
// a 4D graph. Each extracts its mesh by marching cubes (MarchingCubes.h) and emits it into the
// display list being compiled; neither touches any GL state but the current colour and the
// model-view matrix (pushed and popped).

#include <array>
#include <cstdint>
#include <string>

#include "render/surfaces/MarchingCubes.h"

class Graph;

// The implicit surface W = level of samples whose positions stand in scene order, scaled by the
// axis scales and drawn about the scene centre, in one colour (a colour value) with the welded
// vertices' normals. minValue and maxValue are the sampled value range; the drawing does not
// depend on them.
void DrawImplicitSurface(const IsoSamples& samples, float level, float minValue, float maxValue,
                         int32_t color);

// The implicit surface of a graph (Surface3D or Surface3DAnimation of the implicit form) at an
// animation step: its value grids at level 0 in its SecondColor. Draws nothing when the grids do
// not hold the graph's step counts.
void DrawImplicitGraph(const Graph& graph, int32_t animStep);

// The isosurface W = level of a 4D graph's samples (the user's x, y, z and value), each sample
// drawn at (y, z, x) in the scene, coloured by the named scheme at the level's place in
// min .. max. An empty name becomes "Rainbow" in the caller's text.
void DrawIsoSurface(const IsoSamples& samples, float level, std::string& colorName, float min,
                    float max);

// The colour DrawIsoSurface gives a level: the named scheme (kept between calls; a name that is
// none of the five uses the scheme named last, "RAINBOW" before any) over min .. max; blue when
// min equals max; black when the level lies outside the scheme's stops.
std::array<float, 3> IsoSurfaceColor(std::string& colorName, float level, float min, float max);
