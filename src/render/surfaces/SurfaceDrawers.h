#pragma once
// The entry points through which a graph's drawing hands surface-like and 4D graphs to the
// surface and volume drawers.

#include <cstdint>
#include <string>

#include "render/surfaces/MarchingCubes.h"

class Graph;

// Draws a surface, table surface, colour map or surface of revolution (Surface3D,
// Table3D, Surface3DAnimation, ColorMap, RevolutionAboutX, RevolutionAboutY): its cells with their fill, normals, texture and transparency, its tangent planes and
// normal lines, and its floor overlays (SurfaceDraw.cpp).
void DrawSurface(Graph& graph, int32_t animStep);

// Draws the z-, x- and y-slices of a 4D graph (Function4D,
// Function4DAnimation) with their colour fills, contour
// lines and gradient arrows (Slices4D.h).
void Draw4DSlices(Graph& graph, int32_t animStep);

// Draws the isosurface W = level of the samples by marching cubes, in the colour the named
// scheme gives the level between min and max (IsoSurface.h).
void DrawIsoSurface(const IsoSamples& samples, float level, std::string& colorName, float min,
                    float max);
