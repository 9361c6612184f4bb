// The view commands and the mouse in the view of a shown main window, against the camera and the
// trackball: the presets, the drag modes, the zoom, pan and turn steps with their worked values,
// the view's pop-up menu, the projection buttons and the graph style buttons. A view of no width or
// height takes no step.

#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "view/camera/SceneCamera.h"
#include "view/camera/Trackball.h"
#include "view/scene/Scene.h"
#include "view/scene/GlView.h"

#include "TestMainWindow.h"

namespace {

class ViewTest : public MainWindowTest {
protected:
  // A shown window whose view is exactly 400 x 200 pixels.
  MainWindow& Shown() {
    MainWindow& w = Make();
    w.resize(1000, 720);
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QRect g = w.View()->geometry();
    w.View()->setGeometry(g.x(), g.y(), 400, 200);
    dialogs.prompter.shown.clear();
    return w;
  }

  static Scene& SceneOf(MainWindow& w) { return w.View()->TheScene(); }
};

void ExpectQuaternion(const Quaternion& q, const Quaternion& expected) {
  for (int i = 0; i < 4; ++i)
    EXPECT_NEAR(q[i], expected[i], 1e-4) << "item " << i;
}

} // namespace

TEST_F(ViewTest, PresetsSetTheSceneRotation) {
  MainWindow& w = Shown();
  struct Row {
    const char* item;
    const char* button;
    float roll, pitch, yaw;
  };
  const Row rows[] = {{"mnuViewRight", "barViewRight", 0, 0, 90},
                      {"mnuViewTop", "barViewTop", 0, -90, 0},
                      {"mnuViewISO", "barViewISO", 0, -30, 45},
                      {"mnuViewFront", "barViewFront", 0, 0, 0}};
  for (const Row& r : rows) {
    for (bool fromToolbar : {false, true}) {
      SCOPED_TRACE(testing::Message() << r.item << (fromToolbar ? " button" : " menu"));
      ShownGraphs.RotRoll = ShownGraphs.RotPitch = ShownGraphs.RotYaw = 7;
      SceneOf(w).UseTrackballRotation = true;
      ZoomActive = true;
      const int before = SceneOf(w).Compilations();
      if (fromToolbar)
        w.OnToolbarButton(ViewToolbar, r.button);
      else
        w.MenuItem(r.item)->trigger();
      EXPECT_EQ(ShownGraphs.RotRoll, r.roll);
      EXPECT_EQ(ShownGraphs.RotPitch, r.pitch);
      EXPECT_EQ(ShownGraphs.RotYaw, r.yaw);
      EXPECT_FALSE(SceneOf(w).UseTrackballRotation);
      EXPECT_TRUE(ZoomActive); // the presets leave the drag mode alone
      EXPECT_EQ(SceneOf(w).Compilations(), before + 1);
    }
  }
}

TEST_F(ViewTest, ModeCommandsKeepOneModeAndTheRotationKind) {
  MainWindow& w = Shown();
  w.MenuItem("mnuViewRotY")->trigger();
  EXPECT_EQ(RotationMode, RotationAboutY);
  EXPECT_TRUE(RotateActive);
  w.MenuItem("mnuViewMove")->trigger();
  EXPECT_TRUE(MoveActive);
  EXPECT_FALSE(RotateActive || ZoomActive);
  EXPECT_EQ(RotationMode, RotationAboutY); // kept: Track Ball or an axis is needed to turn again
  w.OnToolbarButton(ViewToolbar, "barZoom");
  EXPECT_TRUE(ZoomActive);
  EXPECT_FALSE(RotateActive || MoveActive);
  w.OnToolbarButton(ViewToolbar, "barTrackBall");
  EXPECT_EQ(RotationMode, RotationTrackball);
  EXPECT_TRUE(RotateActive);
  EXPECT_FALSE(ZoomActive || MoveActive);
}

TEST_F(ViewTest, ZoomSteps) {
  MainWindow& w = Shown();
  w.MenuItem("mnuViewZoom")->trigger();
  Camera.VolWidth = 80;
  Camera.VolHeight = 40;
  // The press records the start of the drag and draws the scene.
  const int atPress = SceneOf(w).Compilations();
  w.View_MouseDown(1, 100, 100);
  EXPECT_EQ(SceneOf(w).Compilations(), atPress + 1);
  w.View_MouseMove(1, 100, 150); // down a quarter of the view: factor 1.25
  EXPECT_EQ(w.ViewPixelHeight, 200);
  EXPECT_EQ(ZoomFactor, 1.25f);
  EXPECT_FLOAT_EQ(Camera.VolHeight, 50);
  EXPECT_FLOAT_EQ(Camera.VolWidth, 100);
  w.View_MouseMove(1, 100, 150); // no movement: factor 1
  EXPECT_EQ(ZoomFactor, 1.0f);
  EXPECT_FLOAT_EQ(Camera.VolHeight, 50);
  w.View_MouseMove(1, 100, -50); // up by the whole height: factor 0, the volume stays
  EXPECT_EQ(ZoomFactor, 0.0f);
  EXPECT_FLOAT_EQ(Camera.VolHeight, 50);
  // The release after a zoom drag draws the scene once more.
  const int before = SceneOf(w).Compilations();
  w.View_MouseUp(1, 100, -50);
  EXPECT_EQ(SceneOf(w).Compilations(), before + 1);
}

TEST_F(ViewTest, PanStep) {
  MainWindow& w = Shown();
  w.MenuItem("mnuViewMove")->trigger();
  Camera.VolWidth = 40;
  Camera.VolHeight = 20;
  w.View_MouseDown(1, 100, 100);
  w.View_MouseMove(1, 150, 80); // MoveView(0.125, 0.1): the scene follows the pointer
  EXPECT_FLOAT_EQ(Camera.RefPos.x, -40 * 0.125f);
  EXPECT_FLOAT_EQ(Camera.RefPos.y, -20 * 0.1f);
  EXPECT_FLOAT_EQ(Camera.EyePos.x, -5);
  EXPECT_FLOAT_EQ(Camera.EyePos.z, 1000);
  EXPECT_EQ(w.LastMouseX, 150);
  EXPECT_EQ(w.LastMouseY, 80);
}

TEST_F(ViewTest, TurnStepThenFrontStartsOver) {
  MainWindow& w = Shown();
  w.MenuItem("mnuViewRotate")->trigger();
  w.View_MouseDown(1, 200, 100);
  w.View_MouseMove(1, 240, 100); // p1 = (0, 0), p2 = (0.2, 0)
  ExpectQuaternion(w.LastRotation, {0, -0.2043f, 0, 0.9789f});
  EXPECT_TRUE(SceneOf(w).UseTrackballRotation);
  ExpectQuaternion(SceneOf(w).CurrentRotation, {0, -0.2043f, 0, 0.9789f});
  // A second step composes with the first.
  w.View_MouseMove(1, 280, 100);
  EXPECT_LT(SceneOf(w).CurrentRotation[1], -0.35f);
  // Front shows the front view again, and the next drag starts from it.
  w.MenuItem("mnuViewFront")->trigger();
  EXPECT_FALSE(SceneOf(w).UseTrackballRotation);
  ExpectQuaternion(SceneOf(w).CurrentRotation, {0, 0, 0, 1});
  w.View_MouseDown(1, 200, 100);
  w.View_MouseMove(1, 240, 100);
  ExpectQuaternion(SceneOf(w).CurrentRotation, {0, -0.2043f, 0, 0.9789f});
}

TEST_F(ViewTest, RightButtonShowsThePopupAndChangesNothing) {
  MainWindow& w = Shown();
  w.MenuItem("mnuViewRotate")->trigger();
  w.View_MouseDown(1, 10, 20);
  const Quaternion rotation = SceneOf(w).CurrentRotation;
  w.View_MouseDown(2, 50, 60);
  QMenu* popup = w.Menu("GraphEdit");
  EXPECT_TRUE(popup->isVisible());
  popup->hide();
  EXPECT_EQ(w.LastMouseX, 10);
  EXPECT_EQ(w.LastMouseY, 20);
  EXPECT_EQ(SceneOf(w).CurrentRotation, rotation);
  // Moves with the right button, or no button, do nothing.
  w.View_MouseMove(2, 90, 90);
  w.View_MouseMove(0, 90, 90);
  EXPECT_EQ(w.LastMouseX, 10);
}

TEST_F(ViewTest, ViewWithoutWidthOrHeightTakesNoStep) {
  MainWindow& w = Shown();
  const QRect g = w.View()->geometry();
  for (QSize size : {QSize(0, 200), QSize(400, 0)}) {
    SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
    w.View()->setGeometry(g.x(), g.y(), size.width(), size.height());
    Camera = SceneCamera();
    const float volume = Camera.VolHeight;
    for (const char* mode : {"mnuViewZoom", "mnuViewMove", "mnuViewRotate"}) {
      w.MenuItem(mode)->trigger();
      SceneOf(w).UseTrackballRotation = false;
      w.View_MouseDown(1, 0, 0);
      w.View_MouseMove(1, 30, 40);
      EXPECT_EQ(Camera.VolHeight, volume) << mode;
      EXPECT_TRUE(std::isfinite(Camera.RefPos.x) && Camera.RefPos.x == 0) << mode;
      EXPECT_FALSE(SceneOf(w).UseTrackballRotation) << mode;
      EXPECT_EQ(w.LastMouseX, 0) << mode;
    }
  }
}

TEST_F(ViewTest, ZoomToFitWithoutShownGraphsDoesNothing) {
  MainWindow& w = Shown();
  Camera.VolHeight = 33;
  const int before = SceneOf(w).Compilations();
  w.MenuItem("mnuViewFit")->trigger();
  w.OnToolbarButton(ViewToolbar, "barZoomAll");
  EXPECT_EQ(Camera.VolHeight, 33.0f);
  EXPECT_EQ(SceneOf(w).Compilations(), before);
}

TEST_F(ViewTest, ZoomToFitByDocumentKind) {
  MainWindow& w = Shown();
  auto g = AddGraph(Curve2D, true);
  g->CoordType = Cartesian2D;
  g->FunForm = Explicit;
  g->ExpressX = "x";
  g->ExpressY = "x";
  g->ExpressZ = "x^2";
  g->MinV = -1;
  g->MaxV = 3;
  g->StepV = 20;
  ASSERT_TRUE(g->GetPoints());
  struct Row {
    int32_t kind;
    bool legend;
    float factor;
    float shift; // of the view across, as a fraction of its width
  };
  const Row rows[] = {{DocumentType2D, true, 2.3f, 0},
                      {DocumentType3D, true, 2.5f, -0.05f},
                      {DocumentType3D, false, 2.5f, 0},
                      {DocumentType4D, true, 2.5f, -0.05f},
                      {DocumentTypeSpecial, true, 2.3f, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "kind " << r.kind << " legend " << r.legend);
    DocumentType = r.kind;
    ShowLegend = r.legend;
    Camera = SceneCamera();
    Camera.ScreenWidth = 400;
    Camera.ScreenHeight = 200;
    SceneCenterX = SceneCenterY = SceneCenterZ = 0;
    const BoundingBox box = ShownGraphs.GetBox(0);
    const float sx = AxisScaleX, sy = AxisScaleY, sz = AxisScaleZ;
    const float side = std::max(
        {(box.MaxX - box.MinX) / sx, (box.MaxY - box.MinY) / sy, (box.MaxZ - box.MinZ) / sz});
    const int before = SceneOf(w).Compilations();
    w.MenuItem("mnuViewFit")->trigger();
    EXPECT_NEAR(Camera.VolHeight, side * r.factor, 1e-4);
    EXPECT_NEAR(Camera.VolWidth, 2 * side * r.factor, 1e-4);
    // The fit sets the scene centre to the box's centre (whatever centre was left before), so
    // the camera looks at the scene's origin. MoveView(-0.05, 0) moves the eye and the point
    // looked at right by 0.05 of the volume: the scene moves left.
    EXPECT_NEAR(SceneCenterX, (box.MinX + box.MaxX) / 2 / sx, 1e-4);
    EXPECT_NEAR(SceneCenterY, (box.MinY + box.MaxY) / 2 / sy, 1e-4);
    EXPECT_NEAR(Camera.RefPos.x, -r.shift * Camera.VolWidth, 1e-4);
    EXPECT_NEAR(Camera.RefPos.y, 0.0f, 1e-4);
    EXPECT_EQ(SceneOf(w).Compilations(), before + 1);
  }
  ShowLegend = true;
}

TEST_F(ViewTest, ProjectionButtonsPresentWithoutCompiling) {
  MainWindow& w = Shown();
  const int before = SceneOf(w).Compilations();
  w.OnToolbarButton(ViewToolbar, "barViewPer");
  EXPECT_EQ(Camera.ProjectType, ProjectPerspective);
  w.OnToolbarButton(ViewToolbar, "barViewOrtho");
  EXPECT_EQ(Camera.ProjectType, ProjectOrtho);
  EXPECT_EQ(SceneOf(w).Compilations(), before);
}

TEST_F(ViewTest, GraphStyleButtons) {
  MainWindow& w = Shown();
  // No graph shown: nothing at all, also with unchecked rows.
  w.AddListRow("row");
  w.GraphList()->setCurrentRow(0);
  w.OnToolbarButton(ViewToolbar, "barModelPoint");
  EXPECT_TRUE(dialogs.prompter.shown.empty());

  // Graphs shown, the current row's box clear: the warning, and no compilation.
  AllGraphs.FunSurfs.Clear();
  auto first = AddGraph(Surface3D, true);
  auto second = AddGraph(Surface3D, true);
  w.AddListRow("second");
  const int before = SceneOf(w).Compilations();
  w.GraphList()->setCurrentRow(0);
  w.OnToolbarButton(ViewToolbar, "barModelGrid");
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Select a function first.");
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Warning");
  EXPECT_EQ(SceneOf(w).Compilations(), before);

  // The current row checked: its graph (found in the shown graphs by its ID) changes.
  w.GraphList()->item(1)->setCheckState(Qt::Checked);
  w.GraphList()->setCurrentRow(1);
  EditMode = false;
  w.OnToolbarButton(ViewToolbar, "barModelPoint");
  EXPECT_EQ(second->Show, ModelPoint);
  EXPECT_EQ(first->Show, 3);
  EXPECT_TRUE(EditMode);
  w.OnToolbarButton(ViewToolbar, "bar3DFlat");
  EXPECT_EQ(second->Smoothness, ShadeFlat);
  w.OnToolbarButton(ViewToolbar, "bar3DSmoothest");
  EXPECT_EQ(second->Smoothness, ShadeSmoothest);
  EXPECT_EQ(SceneOf(w).Compilations(), before + 3);
}
