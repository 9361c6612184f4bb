// The colour legend of a 3D document as the shown window presents it, under the program's own two
// lights: its bar shows the colours of the graph's scheme or gradient fill as they are, not
// washed out towards white by the lighting.

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/Graph.h"
#include "model/GraphContainer.h"
#include "view/camera/SceneLight.h"
#include "view/scene/GlView.h"
#include "view/scene/Scene.h"

#include "TestMainWindow.h"

namespace {

struct Rgb8 {
  int r, g, b;
};

// The bar's colour at a share of its height (0 bottom, 1 top), in the middle of its width. The
// legend is drawn in overlay units 0 .. 100 across and up the view; the bar spans x 82 .. 85 and
// y 30 .. 70.
Rgb8 BarColour(const QImage& picture, double up) {
  const double y = 30.0 + 40.0 * up;
  const int px = static_cast<int>(picture.width() * 0.835);
  const int py = picture.height() - 1 - static_cast<int>(picture.height() * y / 100.0);
  const QColor c = picture.pixelColor(px, py);
  return {c.red(), c.green(), c.blue()};
}

class ColourLegendTest : public MainWindowTest {};

TEST_F(ColourLegendTest, TheBarShowsItsOwnColoursUnderTheProgramsLights) {
  constexpr int32_t kRed = 255, kBlue = 255 * 65536;
  struct Row {
    const char* what;
    std::function<void(Graph&)> change;
    Rgb8 bottom, middle, top; // at 2 %, 50 % and 98 % of the bar
  };
  const Row rows[] = {
      // The stops of "MARINE": 0: 128, 128, 255; 50: 0, 100, 100; 100: 255, 255, 128.
      {"the MARINE scheme of waves.crv",
       [](Graph&) {},
       {123, 127, 249},
       {0, 100, 100},
       {245, 249, 127}},
      // A gradient runs from the second colour at the bottom to the first at the top.
      {"a red-to-blue fill",
       [](Graph& g) {
         g.FillStyle = GradientTopBottom;
         g.SecondColor = kRed;
         g.FirstColor = kBlue;
       },
       {250, 0, 5},
       {128, 0, 128},
       {5, 0, 250}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    MainWindow& w = ShowSample("3D/waves.crv", 1100, 760);
    ASSERT_EQ(ShownGraphs.FunSurfs.Count(), 1);
    ASSERT_TRUE(Light.Enabled);
    row.change(*ShownGraphs.FunSurfs.Item(1));
    w.View()->TheScene().BuildScene();
    const QImage picture = w.View()->grabFramebuffer();
    const struct {
      const char* where;
      double up;
      Rgb8 want;
    } probes[] = {
        {"bottom", 0.02, row.bottom}, {"middle", 0.5, row.middle}, {"top", 0.98, row.top}};
    for (const auto& probe : probes) {
      const Rgb8 got = BarColour(picture, probe.up);
      const std::string seen =
          std::to_string(got.r) + ", " + std::to_string(got.g) + ", " + std::to_string(got.b);
      EXPECT_NEAR(got.r, probe.want.r, 12) << probe.where << ": " << seen;
      EXPECT_NEAR(got.g, probe.want.g, 12) << probe.where << ": " << seen;
      EXPECT_NEAR(got.b, probe.want.b, 12) << probe.where << ": " << seen;
    }
    window.reset();
  }
}

} // namespace
