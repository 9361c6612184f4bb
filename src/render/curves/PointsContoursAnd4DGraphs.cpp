// Graphs drawn through another drawer after little work of their own: single and animated points
// (the point object), contour plots (the contour tracer) and 4D graphs (slices and isosurfaces).

#include <algorithm>

#include "formula/FormulaGlobals.h"
#include "model/GraphKinds.h"
#include "render/curves/Curve2DData.h"
#include "render/curves/DrawFrame.h"
#include "render/surfaces/GridContours.h"
#include "render/surfaces/SurfaceDrawers.h"

void DrawPointGraph(DrawContext& c) {
  Graph& g = c.g;
  if (DocumentType == DocumentType2D || DocumentType == DocumentTypeSpecial) BeginFlatLines();

  GraphPoint p;
  if (GraphKind(g).Animated) {
    if (!g.Anim1D.InRange({c.Step})) return;
    p = g.Anim1D(c.Step);
    if (p.x == UndefinedValue || p.y == UndefinedValue || p.z == UndefinedValue) return;
  } else {
    if (!g.Vert3D.InRange({0, 0})) return;
    p = g.Vert3D(0, 0);
  }

  GraphPoint point;
  point.Color = g.PointColor;
  point.Size = g.PointSize;
  point.Symbol = g.PointHollow ? HollowCircle : SolidCircle;
  if (DocumentType == DocumentType2D) {
    // The flat marker of 2D documents only subtracts the scene centre.
    point.x = p.x / AxisScaleX;
    point.y = p.y / AxisScaleY;
    point.z = p.z / AxisScaleZ;
  } else {
    point.x = p.x;
    point.y = p.y;
    point.z = p.z;
  }
  point.Draw();
}

void DrawContourPlot(DrawContext& c) {
  Graph& g = c.g;
  const ContourPlotLayout layout =
      PlanContourPlot(g.StepU, g.StepV, g.BoxMinX, g.BoxMaxX, g.BoxMinZ, g.BoxMaxZ);
  if (layout.Rows < 2 || layout.Cols < 2) return;

  ContourGrid grid(layout.Rows, layout.Cols);
  for (int32_t i = 0; i < layout.Rows; ++i) {
    for (int32_t j = 0; j < layout.Cols; ++j) {
      const int32_t u = i * layout.RowStride;
      const int32_t v = j * layout.ColStride;
      // A sample the arrays do not hold counts as one without a value.
      grid(i + 1, j + 1) = g.Vert3D.InRange({u, v}) ? g.Vert3D(u, v).y : UndefinedValue;
    }
  }
  GridContours tracer;
  tracer.Contour2(layout.Rows, layout.Cols, layout.Dx, layout.Dy, grid, layout.X0, layout.Y0,
                  g.BoxMinY, g.ContourLevel, g.FillStyle, g.FirstColor, g.SecondColor, g.LineWidth);
}

namespace {

// The value grids of a 4D graph at the step drawn, copied into one sample set; false when the
// grids do not hold every sample the step counts ask for.
bool Gather4DSamples(const DrawContext& c, IsoSamples& samples) {
  const Graph& g = c.g;
  if (g.StepU < 0 || g.StepV < 0 || g.StepW < 0) return false;
  const bool animated = GraphKind(g).Animated;
  if (animated) {
    const std::array<int32_t, 4> last{g.StepU, g.StepV, g.StepW, c.Step};
    if (!g.FrameGrid1.InRange(last) || !g.FrameGrid2.InRange(last) || !g.FrameGrid3.InRange(last) ||
        !g.FrameGridV.InRange(last) || c.Step < 0)
      return false;
  } else {
    const std::array<int32_t, 3> last{g.StepU, g.StepV, g.StepW};
    if (!g.SampleGrid1.InRange(last) || !g.SampleGrid2.InRange(last) ||
        !g.SampleGrid3.InRange(last) || !g.SampleGridV.InRange(last))
      return false;
  }
  samples.Resize(g.StepU, g.StepV, g.StepW);
  for (int32_t i = 0; i <= g.StepU; ++i)
    for (int32_t j = 0; j <= g.StepV; ++j)
      for (int32_t k = 0; k <= g.StepW; ++k) {
        const size_t n = samples.Index(i, j, k);
        if (animated) {
          samples.X[n] = g.FrameGrid1(i, j, k, c.Step);
          samples.Y[n] = g.FrameGrid2(i, j, k, c.Step);
          samples.Z[n] = g.FrameGrid3(i, j, k, c.Step);
          samples.W[n] = g.FrameGridV(i, j, k, c.Step);
        } else {
          samples.X[n] = g.SampleGrid1(i, j, k);
          samples.Y[n] = g.SampleGrid2(i, j, k);
          samples.Z[n] = g.SampleGrid3(i, j, k);
          samples.W[n] = g.SampleGridV(i, j, k);
        }
      }
  samples.FindLines();
  return true;
}

} // namespace

void Draw4DGraph(DrawContext& c) {
  Graph& g = c.g;
  Draw4DSlices(g, c.Step);
  if (g.IsoSurfaceNum <= 0) return;
  IsoSamples samples;
  if (!Gather4DSamples(c, samples)) return;
  const int32_t count = std::min(g.IsoSurfaceNum, decltype(g.IsoSurValue)::Last);
  for (int32_t n = 1; n <= count; ++n)
    DrawIsoSurface(samples, g.IsoSurValue[n], g.ColorName, g.MinVV, g.MaxVV);
}
