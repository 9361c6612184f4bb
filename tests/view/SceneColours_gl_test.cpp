// The colours of a 2D curve as the shown view presents them: the curve is drawn with smoothed,
// alpha-blended lines, and the widget's picture, composed the way a window capture composes it,
// must keep the curve's own colour (no inverse colour at the blended edges) and be opaque.

#include <gtest/gtest.h>

#include <QTest>

#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "render/curves/DrawTestScene.h"
#include "view/camera/SceneLight.h"
#include "view/camera/SceneCamera.h"
#include "view/scene/Scene.h"
#include "view/scene/GlView.h"
#include "support/ProgramStateReset.h"

namespace {

constexpr int32_t kRed = 255;

class SceneColoursTest : public ProgramStateTest {
protected:
  void SetUp() override {
    ProgramStateTest::SetUp();
    Light.Enabled = false;
    ShowLegend = false;
    // y = sin(x) over two periods in red, three pixels wide, as the welcome document shows it.
    auto curve = drawtest::Graph2D(Curve2D, Cartesian2D, Explicit, "x", "sin(x)", -6.283185f,
                                   6.283185f, 200);
    curve->LineColor = kRed;
    curve->LineWidth = 3;
    ASSERT_TRUE(curve->GetPoints());
    ShownGraphs.FunSurfs.Add(curve);
  }
  // A shown view of 240 x 160 pixels presenting the still (averaged) scene, with the plane in
  // view: 16 x 10.7 scene units.
  void Show() {
    view.resize(240, 160);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.TheScene().BuildScene();
    Camera.VolWidth = 16;
    Camera.VolHeight = 16.0f * 160 / 240;
    view.TheScene().Display(1);
  }

  ScopedScriptedDialogs dialogs;
  GlView view;
};

// Pixels whose channels differ: the curve's (background, grid and axes are white, grey or black).
std::vector<QColor> ColouredPixels(const QImage& image) {
  std::vector<QColor> found;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const int hi = std::max({c.red(), c.green(), c.blue()});
      const int lo = std::min({c.red(), c.green(), c.blue()});
      if (hi - lo > 40) found.push_back(c);
    }
  return found;
}

TEST_F(SceneColoursTest, RedCurveStaysRedInTheComposedPicture) {
  Show();
  struct Row {
    const char* how;
    QImage image;
  };
  // grab() composes the view's framebuffer as a window capture does; grabFramebuffer reads it.
  const Row rows[] = {{"grab", view.grab().toImage()}, {"grabFramebuffer", view.grabFramebuffer()}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.how);
    int red = 0, wrong = 0;
    QColor firstWrong;
    for (const QColor& c : ColouredPixels(r.image)) {
      // Smoothed edges fade towards the background: red stays the strongest channel by far.
      const bool reddish = c.red() >= 180 && c.red() - c.green() > 40 && c.red() - c.blue() > 40;
      if (!reddish && wrong++ == 0) firstWrong = c;
      if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++red;
    }
    EXPECT_EQ(wrong, 0) << "first: " << firstWrong.red() << " " << firstWrong.green() << " "
                        << firstWrong.blue();
    EXPECT_GT(red, 100); // the curve is there, in full red along its middle
  }
}

TEST_F(SceneColoursTest, PresentedPictureIsOpaque) {
  Show();
  view.makeCurrent();
  view.TheScene().Render(1);
  const int w = view.width(), h = view.height();
  std::vector<uint8_t> px(static_cast<size_t>(w) * h * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
  view.doneCurrent();
  int translucent = 0;
  for (size_t i = 3; i < px.size(); i += 4)
    if (px[i] != 255) ++translucent;
  EXPECT_EQ(translucent, 0);
}

} // namespace
