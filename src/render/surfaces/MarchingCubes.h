#pragma once
// Surfaces of a sampled scalar field by marching cubes, as data: every cell of the grid is cut at
// the level by the case tables (CubeTables.h) and the cut edges get vertices interpolated between
// their corners. Two extractions serve the two volume drawers:
//   - ImplicitSurfaceMesh (implicit surfaces f(x, y, z) = 0): the triangles' corners are welded
//     into shared vertices (corners of different triangles within 0.00001 on every coordinate
//     become one vertex, the newest such vertex first), each vertex normal the normalised mean of
//     the face normals around it;
//   - IsoSurfaceMesh (isosurfaces of 4D graphs): three vertices per triangle, normals interpolated
//     along the cut edges from normals estimated at the samples by value differences.
// The triangles of both face towards higher values. The implicit surface's normals, made from the
// faces, point that way too; the isosurface's, made from the values, point towards lower values,
// against the faces (the program's second light, opposite the first, lights that side).
// The isosurface's triangles share the vertex of a grid edge wherever the cells around it give it
// the same to the last bit; each triangle's corners are those of its own cell all the same.
// Sizes follow the grid: no fixed capacity; the triangles are counted first and the mesh is
// allocated once at its size. Cells with a corner that has no value (UndefinedValue) are not cut.
// On grids whose positions follow the directions (IsoSamples::Lines) the surfaces are made by
// grid edges (MarchingEdges.h), the isosurface on every core; elsewhere cell by cell. The result
// is the same whichever way and however many threads make it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "render/surfaces/CubeTables.h"

// The samples of a grid: position x, y, z and value w of every sample (i, j, k), i = 0 .. Nx,
// j = 0 .. Ny, k = 0 .. Nz, stored with k varying fastest.
struct IsoSamples {
  int32_t Nx = 0, Ny = 0, Nz = 0;
  std::vector<float> X, Y, Z, W;
  // The positions along each direction (Lines[0][i] the x of every sample (i, j, k), Lines[1][j]
  // its y, Lines[2][k] its z) when the grid's positions follow the directions separately, as
  // sampling lays out every grid it makes; empty otherwise. FindLines looks for them once the
  // positions are filled, Resize forgets them, and whoever changes a position afterwards calls
  // FindLines again. The surfaces are made faster from the lines, with the same result.
  std::array<std::vector<float>, 3> Lines;

  void Resize(int32_t nx, int32_t ny, int32_t nz) {
    Nx = nx;
    Ny = ny;
    Nz = nz;
    const size_t n = Count();
    X.assign(n, 0.0f);
    Y.assign(n, 0.0f);
    Z.assign(n, 0.0f);
    W.assign(n, 0.0f);
    for (std::vector<float>& line : Lines)
      line.clear();
  }
  void FindLines();
  bool OnLines() const { return !Lines[0].empty(); }
  size_t Count() const {
    return static_cast<size_t>(Nx + 1) * static_cast<size_t>(Ny + 1) * static_cast<size_t>(Nz + 1);
  }
  size_t Index(int32_t i, int32_t j, int32_t k) const {
    return (static_cast<size_t>(i) * static_cast<size_t>(Ny + 1) + static_cast<size_t>(j)) *
               static_cast<size_t>(Nz + 1) +
           static_cast<size_t>(k);
  }
  // At least one cell, and the four arrays as large as the counts say.
  bool Valid() const;
};

// An allocator that leaves the elements a resize adds as they come (default-initialised): the
// mesh's arrays are sized and then written whole, so filling them with zeros first would only
// cost time.
template <class T> struct LeftAsTheyCome : std::allocator<T> {
  template <class U> struct rebind { using other = LeftAsTheyCome<U>; };
  LeftAsTheyCome() = default;
  template <class U> LeftAsTheyCome(const LeftAsTheyCome<U>&) noexcept {}
  template <class U> void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args> void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

using IsoPoints = std::vector<IsoPoint, LeftAsTheyCome<IsoPoint>>;
using IsoTriangles = std::vector<std::array<int32_t, 3>, LeftAsTheyCome<std::array<int32_t, 3>>>;

// A triangle mesh: positions and normals per vertex, triangles as three vertex indices each.
struct IsoMesh {
  IsoPoints Positions;
  IsoPoints Normals;
  IsoTriangles Triangles;
};

// The welded surface W = level, with every position divided by its scale (x by scale[0] ...).
// threads: how many threads may cut cells (0: every core); the result does not depend on it.
IsoMesh ImplicitSurfaceMesh(const IsoSamples& samples, float level, const IsoPoint& scale,
                            int threads = 0);
// The same into a mesh whose storage is reused (a surface redrawn frame after frame).
void ImplicitSurfaceMesh(const IsoSamples& samples, float level, const IsoPoint& scale,
                         IsoMesh& mesh, int threads = 0);

// The surface W / scaleV = level / scaleV in the samples' own positions; normals point towards
// lower values, the triangles face higher ones, whichever way and however finely the grid runs
// along each axis. Samples on the grid's border take one-sided differences.
IsoMesh IsoSurfaceMesh(const IsoSamples& samples, float level, float scaleV, int threads = 0);
void IsoSurfaceMesh(const IsoSamples& samples, float level, float scaleV, IsoMesh& mesh,
                    int threads = 0);

// The surfaces keep their working storage from one call to the next (a surface redrawn frame
// after frame then neither allocates nor faults in fresh pages for it); this gives it back.
void ReleaseSurfaceStorage();

// Whether every edge of the mesh is shared by exactly two triangles (a closed surface).
bool MeshIsClosed(const IsoMesh& mesh);
