// The panels of the 3D axes box as the presented still scene shows them: with the user's light
// off they are their own flat colour in every pass of the averaged picture.

#include <gtest/gtest.h>

#include <QTest>

#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "view/camera/SceneLight.h"
#include "model/AxesSettings.h"
#include "view/camera/SceneCamera.h"
#include "view/scene/Scene.h"
#include "view/scene/GlView.h"
#include "support/ProgramStateReset.h"

namespace {

std::shared_ptr<Graph> Point(int32_t id, const char* at) {
  auto p = std::make_shared<Graph>();
  p->ID = id;
  p->GraphType = PointMarker;
  p->CoordType = Cartesian3D;
  p->ExpressX = p->ExpressY = p->ExpressZ = at;
  p->GetPoints();
  return p;
}

class AxesPanelsTest : public ProgramStateTest {
protected:
  void SetUp() override {
    ProgramStateTest::SetUp();
    DocumentType = DocumentType3D;
    ShowLegend = false;
    // Looking straight at the Y-Z panel, which closes the box behind two small points at its
    // corners: the middle of the view is the panel alone.
    ShownGraphs.FunSurfs.Add(Point(1, "0"));
    ShownGraphs.FunSurfs.Add(Point(2, "10"));
    AxesSettings& axes = DocumentAxes();
    axes.SetDefault();
    axes.AxisStyle = PanelStyle;
    axes.ShowYZPanel = true;
    axes.YZPanelColor = 204 * 65536 + 204 * 256 + 204;
    axes.ShowYZYGrid = axes.ShowYZZGrid = axes.ShowXZXGrid = axes.ShowXZZGrid = axes.ShowXYXGrid =
        axes.ShowXYYGrid = false;
  }
  void TearDown() override {
    DocumentAxes().SetDefault();
    ProgramStateTest::TearDown();
  }

  QColor Middle() {
    view.resize(200, 200);
    view.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.TheScene().BuildScene();
    Camera.VolWidth = Camera.VolHeight = 60.0f;
    view.TheScene().Display(1);
    const QImage image = view.grabFramebuffer();
    return image.pixelColor(image.width() / 2, image.height() / 2);
  }

  ScopedScriptedDialogs dialogs;
  GlView view;
};

TEST_F(AxesPanelsTest, WithTheLightOffAPanelIsItsOwnColour) {
  Light.Enabled = false;
  const QColor c = Middle();
  EXPECT_NEAR(c.red(), 204, 3);
  EXPECT_NEAR(c.green(), 204, 3);
  EXPECT_NEAR(c.blue(), 204, 3);
}

} // namespace
