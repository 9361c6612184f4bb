#pragma once
// The marching-cubes passes for grids whose positions follow the three directions separately
// (IsoSamples::Lines found), as sampling lays out every grid it makes. They walk the grid a slab
// of cells at a time, compare whole rows of samples with the level at once, and work out the
// vertices of the cut grid edges once for all the cells around them, together: for each way a
// cell runs an edge (forwards or back, by its own edge numbering) the vertex that cutting that
// cell alone gives, so that every triangle, position and normal equals what the cell-by-cell
// passes (MarchingCubes.cpp) give. Each function returns false, leaving the mesh to those, for a
// grid without lines (or, for the implicit surface, with lines too close for welding by edges).

#include "render/surfaces/MarchingCubes.h"

namespace marching {

// The welded implicit surface (ImplicitSurfaceMesh), on one thread: welding goes triangle by
// triangle.
bool ImplicitByEdges(const IsoSamples& samples, float level, const IsoPoint& scale, IsoMesh& mesh);

// The isosurface (IsoSurfaceMesh) of the values w (the samples' values on the level's scale) at
// level, its triangles sharing the vertices of the grid edges they cut where those are the same
// to the last bit; runs of slabs on threads of their own (chunks) give the same mesh.
bool IsoByEdges(const IsoSamples& samples, const float* w, float level, IsoMesh& mesh, int chunks);

// Gives back the working storage kept for the next surface.
void ReleaseStorage();

} // namespace marching
