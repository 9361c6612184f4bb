// Drawing of a 2D table graph: its line plot, smooth curve and markers in their colours, each only
// when asked for, the smooth curve of a full table of 201 points, and a table left unchanged.

#include <gtest/gtest.h>

#include <cmath>

#include "render/common/ResultBox.h"
#include "render/curves/DrawTestScene.h"
#include "render/curves/TableSpline.h"

namespace {

using drawtest::FlatScene;

constexpr int32_t kGreen = 200 * 256, kRed = 255, kBlue = 255 * 65536;

std::shared_ptr<Graph> Table(const std::vector<std::pair<float, float>>& points) {
  auto g = std::make_shared<Graph>();
  g->ID = 1;
  g->GraphType = Table2D;
  g->StepV = static_cast<int32_t>(points.size()) - 1;
  for (size_t j = 0; j < points.size(); ++j) {
    g->VertTab3D(0, static_cast<int32_t>(j)).x = points[j].first;
    g->VertTab3D(0, static_cast<int32_t>(j)).y = points[j].second;
  }
  g->LineColor = kGreen, g->LineWidth = 2;
  g->SmoothCurveColor = kRed, g->SmoothCurveWidth = 2;
  g->ScatterColor = kBlue, g->ScatterSize = 4, g->Symbol = SolidRectangle;
  g->Show2DLine = g->ShowSmoothCurve = g->Show2DScatter = false;
  return g;
}

} // namespace

TEST(Table2DDraw, LinePlotSmoothCurveAndMarkers) {
  FlatScene scene;
  const std::vector<std::pair<float, float>> points{{-2, -2}, {-1, 1}, {1, -1}, {2, 2}};
  auto g = Table(points);

  // With every option off nothing is drawn.
  g->Draw();
  EXPECT_FALSE(scene.Marked(-1.5f, -0.5f, 3));
  EXPECT_FALSE(scene.Marked(-2, -2, 3));

  g->Show2DLine = g->ShowSmoothCurve = g->Show2DScatter = true;
  ResultBox::Clear();
  scene.Reset();
  g->Draw();
  const Rgb green{0, 200, 0}, red{255, 0, 0}, blue{0, 0, 255};
  // Markers lie over the lines at every point.
  for (const auto& [x, y] : points)
    EXPECT_TRUE(scene.HasColour(x, y, blue)) << x << "," << y;
  // The line plot runs straight between the points: half way along the first and last segments.
  EXPECT_TRUE(scene.HasColour(-1.5f, -0.5f, green, 2, 120));
  EXPECT_TRUE(scene.HasColour(1.5f, 0.5f, green, 2, 120));
  // The smooth curve bends away from the straight segments between the nodes.
  const SplineSamples curve = TableSmoothCurve(*g);
  const size_t k = curve.Count() / 4;
  ASSERT_GT(std::abs(curve.Y[k] - (-2.0f + 3.0f * (curve.X[k] + 2.0f))), 0.15f);
  EXPECT_TRUE(scene.HasColour(curve.X[k], curve.Y[k], red, 2, 120));
  EXPECT_TRUE(ResultBox::Text().empty());
  // Drawing changed no point.
  for (size_t j = 0; j < points.size(); ++j)
    EXPECT_EQ(g->VertTab3D.At(0, static_cast<int32_t>(j)).x, points[j].first);
}

TEST(Table2DDraw, AFullTableWithRepeatedPointsDrawsItsWholeCurve) {
  FlatScene scene;
  std::vector<std::pair<float, float>> points;
  for (int j = 0; j <= 200; ++j) {
    const float x = -2.5f + 0.025f * static_cast<float>(j / 2 * 2); // every point twice
    points.push_back({x, 2.0f * std::sin(2.0f * x)});
  }
  auto g = Table(points);
  g->ShowSmoothCurve = true;
  const SplineSamples curve = TableSmoothCurve(*g);
  ASSERT_GT(curve.Count(), 2u);
  const drawtest::Primitives drawn = scene.Capture([&] { g->Draw(); });
  EXPECT_EQ(drawn.Lines.size(), curve.Count() - 1);
  scene.Reset();
  g->Draw();
  for (float x : {-2.0f, 0.3f, 2.4f})
    EXPECT_TRUE(scene.HasColour(x, 2.0f * std::sin(2.0f * x), Rgb{255, 0, 0}, 2, 120)) << x;
}
