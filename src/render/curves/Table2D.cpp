// The drawing of a 2D table graph: a line plot through the points in table order, the smooth
// curve through them and a marker at every point, each when the graph asks for it, the markers
// last so that they lie over the lines. Writes nothing into the report box and changes no point.

#include <algorithm>

#include "model/Graph.h"
#include "render/curves/DrawFrame.h"
#include "render/curves/LineStrips.h"
#include "render/curves/TableSpline.h"

namespace {

// The index of the last point a table graph holds: StepV, within the table.
int32_t LastPoint(const Graph& g) { return std::min(g.StepV, TablePoints::Last); }

} // namespace

SplineSamples TableSmoothCurve(const Graph& g) {
  const int32_t last = LastPoint(g);
  std::vector<float> x, y;
  for (int32_t j = 0; j <= last; ++j) {
    const GraphPoint& p = g.VertTab3D.At(0, j);
    x.push_back(p.x / AxisScaleX);
    y.push_back(p.y / AxisScaleY);
  }
  return SmoothCurvePoints(x, y);
}

void DrawTable2D(DrawContext& c) {
  const Graph& g = c.g;
  const int32_t last = LastPoint(g);
  BeginFlatLines();
  glLineWidth(static_cast<GLfloat>(g.LineWidth));

  if (g.Show2DLine) {
    // The line plot as one strip.
    LineStrips lines;
    lines.Style(c.LineRgb, static_cast<GLfloat>(g.LineWidth));
    for (int32_t j = 0; j < last; ++j) {
      const GraphPoint& a = g.VertTab3D.At(0, j);
      const GraphPoint& b = g.VertTab3D.At(0, j + 1);
      lines.Segment(a.x, a.y, a.z, b.x, b.y, b.z);
    }
  }

  if (g.ShowSmoothCurve) {
    SetColour(g.SmoothCurveColor);
    glLineWidth(static_cast<GLfloat>(g.SmoothCurveWidth));
    const SplineSamples curve = TableSmoothCurve(g);
    // The curve lies at data depth 0.
    for (std::size_t k = 0; k + 1 < curve.Count(); ++k) {
      glBegin(GL_LINES);
      glVertex3f(curve.X[k] - SceneCenterX, curve.Y[k] - SceneCenterY, -SceneCenterZ);
      glVertex3f(curve.X[k + 1] - SceneCenterX, curve.Y[k + 1] - SceneCenterY, -SceneCenterZ);
      glEnd();
    }
  }

  if (g.Show2DScatter) {
    GraphPoint marker;
    marker.Size = static_cast<float>(g.ScatterSize);
    marker.Symbol = g.Symbol;
    marker.Color = g.ScatterColor;
    for (int32_t j = 0; j <= last; ++j) {
      const GraphPoint& p = g.VertTab3D.At(0, j);
      // The flat marker only subtracts the scene centre: it is given scaled coordinates.
      marker.x = p.x / AxisScaleX;
      marker.y = p.y / AxisScaleY;
      marker.z = p.z / AxisScaleZ;
      marker.Draw();
    }
  }
  // The graph's state bracket (Graph::Draw) puts lighting, smoothing and blending back.
}
