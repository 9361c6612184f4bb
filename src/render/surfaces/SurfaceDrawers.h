#pragma once
// The entry points through which a graph's drawing hands surface-like and 4D graphs to the
// surface and volume drawers. NOT BUILT YET: each one draws nothing until the surface drawers are
// written (whoever builds one replaces its body in SurfaceDrawers.cpp and keeps the signature, or
// changes the callers in src/render/curves with it).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Cls9;

// The samples of one 4D isosurface request: x, y, z and value w of every sample (i, j, k),
// i = 0 .. Nx, j = 0 .. Ny, k = 0 .. Nz, stored with k varying fastest.
struct IsoSamples {
  int32_t Nx = 0, Ny = 0, Nz = 0;
  std::vector<float> X, Y, Z, W;

  void Resize(int32_t nx, int32_t ny, int32_t nz) {
    Nx = nx;
    Ny = ny;
    Nz = nz;
    const size_t n = Count();
    X.assign(n, 0.0f);
    Y.assign(n, 0.0f);
    Z.assign(n, 0.0f);
    W.assign(n, 0.0f);
  }
  size_t Count() const {
    return static_cast<size_t>(Nx + 1) * static_cast<size_t>(Ny + 1) * static_cast<size_t>(Nz + 1);
  }
  size_t Index(int32_t i, int32_t j, int32_t k) const {
    return (static_cast<size_t>(i) * static_cast<size_t>(Ny + 1) + static_cast<size_t>(j)) *
               static_cast<size_t>(Nz + 1) +
           static_cast<size_t>(k);
  }
};

// Draws a surface, table surface, colour map or surface of revolution (GraphType 2, 6, 12, 13,
// 21, 22): its cells with their fill, normals, texture and transparency, its tangent planes and
// normal lines, and its floor overlays (SurfaceDraw.cpp).
void DrawSurface(Cls9& graph, int32_t lngAnimStep);

// Draws the x, y and z slices of a 4D graph (GraphType 43, 45). Not built yet: draws nothing.
void Draw4DSlices(Cls9& graph, int32_t lngAnimStep);

// Draws the isosurface W = level of the samples by marching cubes, in the colour the named
// scheme gives the level between min and max. Not built yet: draws nothing.
void DrawIsoSurface(const IsoSamples& samples, float level, const std::string& strColorName,
                    float min, float max);
