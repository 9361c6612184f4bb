// The view widget: it presents its scene in paintGL, compiles a scene asked for before its context
// existed once the context is there, gives the camera its size, and writes BMP snapshots and
// captures of what it shows; during a drag with the button held it shows one pass.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include <GL/gl.h>

#include <cmath>

#include "SceneFakeSource.h"
#include "model/ProgramState.h"
#include "support/GlTestContext.h"
#include "support/WaitUntil.h"
#include "view/camera/SceneLight.h"
#include "view/camera/SceneCamera.h"
#include "view/scene/BmpSnapshot.h"
#include "view/scene/Scene.h"
#include "view/scene/GlView.h"
#include "support/ProgramStateReset.h"

namespace {

class GlViewTest : public ProgramStateTest {
protected:
  void SetUp() override {
    ProgramStateTest::SetUp();
    Light.Enabled = false;
    DocumentType = DocumentType3D;
    ShowLegend = false;
    // A blue square in the middle of the view, half the view's height.
    source.graphs.push_back({0,
                             false,
                             [](int32_t) {
                               DrawFlatRect({-10, -10, 10, 10, 0, 0, 1});
                             },
                             {}});
    view.resize(100, 80);
    view.TheScene().SetSource(&source);
  }
  void ShowView() {
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  }
  FakeSceneSource source;
  GlView view;
};

TEST_F(GlViewTest, SceneAskedForBeforeTheContextIsCompiledWhenItExists) {
  Scene& scene = view.TheScene();
  EXPECT_TRUE(scene.Initialize()); // deferred to the view's set-up
  scene.BuildScene();
  EXPECT_EQ(scene.Compilations(), 0);
  ShowView();
  EXPECT_TRUE(view.Ready());
  EXPECT_EQ(scene.Compilations(), 1);
  EXPECT_EQ(Camera.ScreenWidth, 100.0f);
  EXPECT_EQ(Camera.ScreenHeight, 80.0f);
  Camera.VolWidth = 50;
  Camera.VolHeight = 40; // 2 pixels per unit
  scene.Display(1);
  const QImage image = view.grabFramebuffer();
  EXPECT_EQ(image.pixelColor(50, 40), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 255, 255));
}

TEST_F(GlViewTest, DisplayPresentsTheFrameAtTheNextPaint) {
  FrameCount = 2;
  source.graphs[0].animated = true;
  source.graphs[0].draw = [](int32_t s) {
    DrawFlatRect({-10, -10, 10, 10, s == 1 ? 1.0f : 0.0f, 0, 0});
  };
  ShowView();
  view.TheScene().BuildScene();
  view.TheScene().Display(2);
  EXPECT_EQ(view.Frame(), 2);
  const QImage image = view.grabFramebuffer();
  EXPECT_EQ(image.pixelColor(50, 40), QColor(255, 0, 0));
  FrameCount = 10;
}

TEST_F(GlViewTest, SnapshotAndCaptureHoldTheViewsOwnPixels) {
  ShowView();
  view.TheScene().BuildScene();
  QTemporaryDir dir;
  const QString path = dir.filePath("view.bmp");
  // The callers' width rule may ask for one column more than the view has.
  ASSERT_TRUE(view.SaveViewAsBmp(path.toStdString(), 100, 80));
  QImage saved(path);
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.size(), QSize(100, 80));
  const QImage shown = view.grabFramebuffer().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), shown);
  const QImage captured = CapturePictureBox(&view);
  EXPECT_EQ(captured, shown);
  EXPECT_EQ(CaptureWindow(&view, true, 10, 20, 30, 40), shown.copy(10, 20, 30, 40));
}

TEST_F(GlViewTest, ResizingGivesTheCameraTheNewSize) {
  ShowView();
  view.resize(64, 48);
  ASSERT_TRUE(WaitUntil([&] { return view.size() == QSize(64, 48); }, "the view at 64 x 48"));
  view.grabFramebuffer();
  EXPECT_EQ(Camera.ScreenWidth, 64.0f);
  EXPECT_EQ(Camera.ScreenHeight, 48.0f);
}

// Pixels that are neither white nor the pure colour of the shape: the averaged edges.
int EdgePixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const int red = image.pixelColor(x, y).red();
      if (red > 0 && red < 255) ++n;
    }
  return n;
}

TEST_F(GlViewTest, ADragWithTheButtonHeldShowsOnePassUntilTheButtonIsReleased) {
  source.graphs[0].draw = [](int32_t) {
    glDisable(GL_LIGHTING);
    glColor3f(0, 0, 0);
    glBegin(GL_TRIANGLES);
    glVertex3f(-20.0f, -17.0f, 0);
    glVertex3f(21.0f, -9.0f, 0);
    glVertex3f(-3.0f, 22.0f, 0);
    glEnd();
  };
  ShowView();
  Scene& scene = view.TheScene();
  scene.BuildScene();
  scene.Display(1);
  EXPECT_GT(EdgePixels(view.grabFramebuffer()), 10);

  QWindow* window = view.windowHandle();
  ASSERT_NE(window, nullptr);
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(50, 40));
  scene.BeginDrag();
  ASSERT_TRUE(scene.DragInProgress());
  const int32_t recorded = scene.Recordings();
  scene.UseTrackballRotation = true;
  scene.CurrentRotation = {0, 0, std::sin(0.3f), std::cos(0.3f)};
  scene.BuildScene();
  scene.Display(1);
  EXPECT_EQ(scene.Recordings(), recorded);
  EXPECT_EQ(EdgePixels(view.grabFramebuffer()), 0);

  // A release the main window never hears of still ends the drag picture.
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(50, 40));
  EXPECT_FALSE(scene.DragInProgress());
  EXPECT_GT(EdgePixels(view.grabFramebuffer()), 10);
  EXPECT_TRUE(scene.EndDrag());
}

} // namespace
