// Draw4DSlices: emits the slices of a 4D graph (Slices4D.h) with their fills, contour lines and
// arrows, z-slices first, then x-slices, then y-slices.

#include <GL/gl.h>

#include <algorithm>

#include "model/GraphPoint.h"
#include "model/Graph.h"
#include "model/ProgramState.h"
#include "render/surfaces/SliceContours.h"
#include "render/surfaces/Slices4D.h"
#include "render/surfaces/SurfaceDrawers.h"

namespace {

struct SliceSwitches {
  bool Fill, Contour, Arrows;
  float Levels;
  int32_t ContourColour, ArrowColour;
};

SliceSwitches SwitchesOf(const Graph& g, SlicePlane plane, int32_t i) {
  switch (plane) {
  case SliceZ:
    return {g.SliceZShowColor[i],  g.SliceZShowCont[i],  g.SliceZShowVect[i],
            g.SliceZContLevels[i], g.SliceZContColor[i], g.SliceZVectColor[i]};
  case SliceX:
    return {g.SliceXShowColor[i],  g.SliceXShowCont[i],  g.SliceXShowVect[i],
            g.SliceXContLevels[i], g.SliceXContColor[i], g.SliceXVectColor[i]};
  default:
    return {g.SliceYShowColor[i],  g.SliceYShowCont[i],  g.SliceYShowVect[i],
            g.SliceYContLevels[i], g.SliceYContColor[i], g.SliceYVectColor[i]};
  }
}

int32_t SliceCount(const Graph& g, SlicePlane plane) {
  const int32_t n = plane == SliceZ ? g.Slice4NumZ : plane == SliceX ? g.Slice4NumX : g.Slice4NumY;
  return std::min(n, 50);
}

void DrawFill(Graph& g, const Slice4D& slice) {
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glShadeModel(GL_SMOOTH);
  const IsoPoint normal = SliceNormal(slice.Plane);
  for (const SliceQuad& quad : SliceFill(g, slice)) {
    glBegin(GL_QUADS);
    glNormal3f(normal[0], normal[1], normal[2]);
    for (size_t c = 0; c < 4; ++c) {
      glColor3f(quad.Colours[c][0], quad.Colours[c][1], quad.Colours[c][2]);
      glVertex3f(quad.Corners[c][0], quad.Corners[c][1], quad.Corners[c][2]);
    }
    glEnd();
  }
  if (slice.Plane == SliceZ) glEnable(GL_LIGHTING);
}

void DrawContour(Graph& g, const Slice4D& slice, const SliceSwitches& sw) {
  ContourSlicePlane = slice.Plane;
  ContourGrid s0(slice.RowsA, slice.RowsB);
  for (int32_t k = 1; k <= slice.RowsA; ++k)
    for (int32_t l = 1; l <= slice.RowsB; ++l)
      s0(k, l) = slice.Value(k - 1, l - 1);
  const float x0 = slice.MinB + slice.SpacingB * static_cast<float>(slice.FirstB - 1);
  const float y0 = slice.MinA + slice.SpacingA * static_cast<float>(slice.FirstA - 1);
  SliceContours tracer;
  tracer.Contour(slice.RowsA, slice.RowsB, slice.SpacingB, slice.SpacingA, s0, x0, y0,
                 slice.Position, sw.Levels, SingleColor, sw.ContourColour, sw.ContourColour,
                 g.LineWidth, g.ColorName);
}

void DrawArrows(const Slice4D& slice, const SliceSwitches& sw) {
  glEnable(GL_LINE_SMOOTH);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  float r = 0, gr = 0, b = 0;
  ColorToRgb(sw.ArrowColour, r, gr, b);
  glColor3f(r, gr, b);
  for (const auto& arrow : SliceArrows(slice)) {
    glBegin(GL_LINES);
    glVertex3f(arrow[0][0], arrow[0][1], arrow[0][2]);
    glVertex3f(arrow[1][0], arrow[1][1], arrow[1][2]);
    glEnd();
  }
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_BLEND);
}

} // namespace

void Draw4DSlices(Graph& g, int32_t animStep) {
  for (SlicePlane plane : {SliceZ, SliceX, SliceY})
    for (int32_t i = 1; i <= SliceCount(g, plane); ++i) {
      Slice4D slice;
      if (!BuildSlice(g, animStep, plane, i, slice)) continue;
      const SliceSwitches sw = SwitchesOf(g, plane, i);
      if (sw.Fill) DrawFill(g, slice);
      if (sw.Contour) DrawContour(g, slice, sw);
      if (sw.Arrows) DrawArrows(slice, sw);
    }
}
