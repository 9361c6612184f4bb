// The Axis Properties dialog of 2.5D, 3D, 4D and Special documents, driven with Qt Test: what it
// shows, what it writes at once and at OK, the 2.5D arrangement, refused values, the colour
// chooser, and the Axis command around it (repaint, centre, Zoom to Fit, rebuild). Also the checks
// of typed ratios and interval counts that both dialogs use.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "view/AxisDialogFixture.h"
#include "view/dialogs/AxisDialog.h"
#include "view/dialogs/ColorBox.h"
#include "view/dialogs/AxisDialog2D.h"
#include "view/dialogs/AxisDialog3D.h"

namespace {

class AxisDialog3DTest : public AxisDialogTest {
protected:
  void SetUp() override {
    Start(DocumentType3D, ScaleSquare);
    axes.SetDefault();
  }
};

TEST_F(AxisDialog3DTest, LoadShowsTheSettings) {
  AxisScaleMode = ScaleCustom;
  AxisRatioX = 2, AxisRatioY = 3, AxisRatioZ = 1.5f;
  axes.ShowXZPanel = true;
  axes.LabelNumY = 4;
  axes.TitleZ = "Height";
  axes.YZPanelMaterial = 13;
  axes.XYGridColor = 0x123456;
  ShowLegend = false;
  AxisDialog3D f(axes);
  // The ratio boxes stand in the user's order X, Y, Z: AxisRatioZ, AxisRatioX, AxisRatioY.
  EXPECT_EQ(Find<QLineEdit>(f, "scaleRatioX")->text(), "1.5");
  EXPECT_EQ(Find<QLineEdit>(f, "scaleRatioY")->text(), "2");
  EXPECT_EQ(Find<QLineEdit>(f, "scaleRatioZ")->text(), "3");
  EXPECT_TRUE(Find<QLineEdit>(f, "scaleRatioZ")->isEnabled());
  EXPECT_TRUE(Find<QRadioButton>(f, "customOption")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>(f, "panelStyleOption")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>(f, "showAxisCheck")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(f, "showLegendCheck")->isChecked());
  // Panels: the shown one has its colour and material enabled, the others not.
  EXPECT_TRUE(Find<QCheckBox>(f, "showXZPanelCheck")->isChecked());
  EXPECT_TRUE(Find<ColorBox>(f, "xzPanelColorSwatch")->isEnabled());
  EXPECT_FALSE(Find<ColorBox>(f, "xyPanelColorSwatch")->isEnabled());
  EXPECT_FALSE(Find<QComboBox>(f, "yzPanelMaterialBox")->isEnabled());
  EXPECT_EQ(Find<QComboBox>(f, "xyPanelMaterialBox")->count(), 13);
  EXPECT_EQ(Find<QComboBox>(f, "xyPanelMaterialBox")->currentText(), "Metal");
  EXPECT_EQ(Find<QComboBox>(f, "yzPanelMaterialBox")->currentText(), "Winter");
  EXPECT_EQ(Find<ColorBox>(f, "xyGridColorSwatch")->Color(), 0x123456);
  EXPECT_EQ(Find<QLineEdit>(f, "intervalsY")->text(), "4");
  EXPECT_EQ(Find<QLineEdit>(f, "titleZ")->text(), "Height");
  EXPECT_EQ(Find<QLabel>(f, "scaleRatioLabel")->text(), "X:Y:Z=");
  EXPECT_EQ(f.windowTitle(), "Axis Properties");

  // Other scale modes keep the boxes at "1" and disabled.
  AxisScaleMode = ScaleEqual;
  AxisDialog3D g(axes);
  g.show();
  EXPECT_TRUE(Find<QRadioButton>(g, "equalOption")->isChecked());
  EXPECT_EQ(Find<QLineEdit>(g, "scaleRatioY")->text(), "1");
  EXPECT_FALSE(Find<QLineEdit>(g, "scaleRatioY")->isEnabled());
  Click(Find<QRadioButton>(g, "customOption"));
  EXPECT_TRUE(Find<QLineEdit>(g, "scaleRatioY")->isEnabled());
  Click(Find<QRadioButton>(g, "squareOption"));
  EXPECT_FALSE(Find<QLabel>(g, "scaleRatioYColon")->isEnabled());
}

TEST_F(AxisDialog3DTest, OkWritesTheTabsAndTheCustomRatios) {
  AxisDialog3D f(axes);
  f.show();
  Click(Find<QRadioButton>(f, "customOption"));
  Type(Find<QLineEdit>(f, "scaleRatioX"), "1");
  Type(Find<QLineEdit>(f, "scaleRatioY"), "2");
  Type(Find<QLineEdit>(f, "scaleRatioZ"), "3");
  Click(Find<QCheckBox>(f, "showYZPanelCheck")); // YZ panel shown
  Find<QComboBox>(f, "yzPanelMaterialBox")->setCurrentIndex(2);
  Click(Find<QCheckBox>(f, "xyGridXCheck")); // XY grid along X off
  Type(Find<QLineEdit>(f, "intervalsX"), "3.5");
  Type(Find<QLineEdit>(f, "intervalsY"), "2.5");
  Type(Find<QLineEdit>(f, "intervalsZ"), "7abc");
  Type(Find<QLineEdit>(f, "titleX"), "Time");
  Click(Find<QCheckBox>(f, "showLegendCheck"));
  Click(Find<QPushButton>(f, "okButton"));

  ExpectCustomScalesWritten(f, 2.0f, 3.0f, 1.0f);
  EXPECT_TRUE(axes.ShowYZPanel);
  EXPECT_EQ(axes.YZPanelMaterial, 3);
  EXPECT_FALSE(axes.ShowXYXGrid);
  EXPECT_TRUE(axes.ShowXYYGrid);
  EXPECT_EQ(axes.LabelNumX, 4);
  EXPECT_EQ(axes.LabelNumY, 2);
  EXPECT_EQ(axes.LabelNumZ, 7);
  EXPECT_EQ(axes.TitleX, "Time");
  EXPECT_FALSE(ShowLegend);
  EXPECT_EQ(axes.AxisStyle, PanelStyle);
}

TEST_F(AxisDialog3DTest, LineStyleOrHiddenAxesKeepTheBoxSettings) {
  for (bool lineStyle : {true, false}) {
    SCOPED_TRACE(lineStyle ? "line style" : "axes hidden");
    axes.SetDefault();
    axes.AxisStyle = PanelStyle;
    AxisDialog3D f(axes);
    f.show();
    if (lineStyle)
      Click(Find<QRadioButton>(f, "lineStyleOption"));
    else
      Click(Find<QCheckBox>(f, "showAxisCheck"));
    Click(Find<QCheckBox>(f, "showXYPanelCheck"));
    Type(Find<QLineEdit>(f, "intervalsX"), "0"); // not checked: it is not written
    Type(Find<QLineEdit>(f, "titleY"), "ignored");
    Click(Find<QRadioButton>(f, "equalOption"));
    Click(Find<QCheckBox>(f, "showLegendCheck"));
    Click(Find<QPushButton>(f, "okButton"));
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_FALSE(axes.ShowXYPanel);
    EXPECT_EQ(axes.LabelNumX, 2);
    EXPECT_EQ(axes.TitleY, "Y");
    EXPECT_EQ(AxisScaleMode, ScaleEqual);
    EXPECT_FALSE(ShowLegend);
    EXPECT_EQ(axes.AxisStyle, lineStyle ? LineStyle : PanelStyle);
    EXPECT_EQ(axes.Show, lineStyle);
    ShowLegend = true;
  }
}

TEST_F(AxisDialog3DTest, RibbonDocumentsShowTwoRatiosAndTheTitlesTheirAxesShow) {
  DocumentType = DocumentType25D;
  AxisScaleMode = ScaleCustom;
  AxisRatioX = 4, AxisRatioY = 5, AxisRatioZ = 6;
  axes.AxisStyle = LineStyle; // chosen in a 3D document before
  AxisDialog3D f(axes);
  f.show();
  EXPECT_TRUE(Find<QGroupBox>(f, "styleFrame")->isHidden());
  EXPECT_TRUE(Find<QLineEdit>(f, "scaleRatioZ")->isHidden());
  EXPECT_TRUE(Find<QLabel>(f, "scaleRatioZColon")->isHidden());
  EXPECT_EQ(Find<QLabel>(f, "scaleRatioLabel")->text(), "X:Y=");
  EXPECT_EQ(Find<QLineEdit>(f, "scaleRatioX")->text(), "4");
  EXPECT_EQ(Find<QLineEdit>(f, "scaleRatioY")->text(), "5");
  // "X Axis Title" edits TitleX (under the horizontal axis), "Y Axis Title" TitleY (beside the
  // vertical one); the third title is not drawn in 2.5D and not offered.
  EXPECT_EQ(Find<QLabel>(f, "titleXLabel")->text(), "X Axis Title");
  EXPECT_EQ(Find<QLineEdit>(f, "titleX")->text(), "X");
  EXPECT_FALSE(Find<QLineEdit>(f, "titleX")->isHidden());
  EXPECT_EQ(Find<QLabel>(f, "titleYLabel")->text(), "Y Axis Title");
  EXPECT_EQ(Find<QLineEdit>(f, "titleY")->text(), "Y");
  EXPECT_TRUE(Find<QLineEdit>(f, "titleZ")->isHidden());

  Type(Find<QLineEdit>(f, "scaleRatioX"), "1");
  Type(Find<QLineEdit>(f, "scaleRatioY"), "2");
  Type(Find<QLineEdit>(f, "titleX"), "Distance");
  Type(Find<QLineEdit>(f, "titleY"), "Speed");
  Click(Find<QCheckBox>(f, "showXYPanelCheck"));
  Click(Find<QPushButton>(f, "okButton"));
  EXPECT_EQ(AxisRatioX, 1.0f);
  EXPECT_EQ(AxisRatioY, 2.0f);
  EXPECT_EQ(AxisRatioZ, 6.0f);
  // The axes of a 2.5D document are drawn in the panel style whatever is stored, so OK writes
  // what the user set on the other tabs even with the line style stored.
  EXPECT_EQ(axes.AxisStyle, LineStyle);
  EXPECT_TRUE(axes.ShowXYPanel);
  EXPECT_EQ(axes.TitleX, "Distance");
  EXPECT_EQ(axes.TitleY, "Speed");
  EXPECT_EQ(axes.TitleZ, "Z");
}

TEST_F(AxisDialog3DTest, ShowAxisAndColoursWriteAtOnceAndCancelledChoosersKeepTheColour) {
  AxisDialog3D f(axes);
  f.show();
  Click(Find<QCheckBox>(f, "showAxisCheck"));
  EXPECT_FALSE(axes.Show);

  // A confirmed colour is written at once and shown.
  dialogs.colors.answers = {0x0000FF};
  Click(Find<ColorBox>(f, "xyGridColorSwatch"));
  EXPECT_EQ(axes.XYGridColor, 0x0000FF);
  EXPECT_EQ(Find<ColorBox>(f, "xyGridColorSwatch")->Color(), 0x0000FF);
  // A cancelled chooser keeps the colour.
  dialogs.colors.answers = {std::nullopt};
  Click(Find<ColorBox>(f, "xyGridColorSwatch"));
  EXPECT_EQ(dialogs.colors.asked, 2);
  EXPECT_EQ(axes.XYGridColor, 0x0000FF);
  EXPECT_EQ(Find<ColorBox>(f, "xyGridColorSwatch")->Color(), 0x0000FF);

  // Cancel of the dialog keeps what was written at once.
  AxisChanged = true;
  Click(Find<QPushButton>(f, "cancelButton"));
  EXPECT_EQ(f.result(), QDialog::Rejected);
  EXPECT_FALSE(AxisChanged);
  EXPECT_FALSE(axes.Show);
  EXPECT_EQ(axes.XYGridColor, 0x0000FF);
}

TEST_F(AxisDialog3DTest, UncheckedPanelKeepsItsColourButTakesItsMaterial) {
  axes.ShowXYPanel = true;
  axes.XYPanelColor = 0x111111;
  AxisDialog3D f(axes);
  f.show();
  dialogs.colors.answers = {0x222222};
  Click(Find<ColorBox>(f, "xyPanelColorSwatch"));
  EXPECT_EQ(axes.XYPanelColor, 0x222222); // written at once
  Click(Find<QCheckBox>(f, "showXYPanelCheck"));
  EXPECT_FALSE(Find<ColorBox>(f, "xyPanelColorSwatch")->isEnabled());
  EXPECT_FALSE(Find<QComboBox>(f, "xyPanelMaterialBox")->isEnabled());
  Find<QComboBox>(f, "xyPanelMaterialBox")->setCurrentIndex(0);
  Click(Find<QPushButton>(f, "okButton"));
  EXPECT_FALSE(axes.ShowXYPanel);
  EXPECT_EQ(axes.XYPanelColor, 0x222222);
  EXPECT_EQ(axes.XYPanelMaterial, 1);
}

TEST_F(AxisDialog3DTest, AMaterialOutsideThePresetsIsKept) {
  axes.XZPanelMaterial = 20;
  AxisDialog3D f(axes);
  f.show();
  EXPECT_EQ(Find<QComboBox>(f, "xzPanelMaterialBox")->currentIndex(), -1);
  Click(Find<QPushButton>(f, "okButton"));
  EXPECT_EQ(axes.XZPanelMaterial, 20);
}

TEST_F(AxisDialog3DTest, RefusedValuesGetAMessageAndChangeNothing) {
  struct Case {
    const char* box;
    const char* text;
    bool custom;
    const std::string& message;
  };
  const std::vector<Case> cases = {
      {"intervalsX", "0", false, AxisDialogCheck::IntervalMessage},
      {"intervalsY", "abc", false, AxisDialogCheck::IntervalMessage},
      {"intervalsZ", "", false, AxisDialogCheck::IntervalMessage},
      {"intervalsZ", "501", false, AxisDialogCheck::IntervalMessage},
      {"intervalsX", "-2", false, AxisDialogCheck::IntervalMessage},
      {"scaleRatioX", "0", true, AxisDialogCheck::RatioMessage},
      {"scaleRatioY", "abc", true, AxisDialogCheck::RatioMessage},
      {"scaleRatioZ", "", true, AxisDialogCheck::RatioMessage},
      {"scaleRatioY", "2x", true, AxisDialogCheck::RatioMessage},
      {"scaleRatioX", "-1", true, AxisDialogCheck::RatioMessage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " = \"" + c.text + "\"");
    dialogs.prompter.shown.clear();
    AxisChanged = false;
    AxisScaleMode = ScaleSquare;
    AxisDialog3D f(axes);
    f.show();
    if (c.custom) Click(Find<QRadioButton>(f, "customOption"));
    Type(Find<QLineEdit>(f, c.box), c.text);
    Click(Find<QCheckBox>(f, "showXYPanelCheck"));
    Click(Find<QPushButton>(f, "okButton"));
    ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
    EXPECT_EQ(dialogs.prompter.shown[0].text, c.message);
    EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
    EXPECT_TRUE(f.isVisible()); // still open
    EXPECT_FALSE(AxisChanged);
    EXPECT_EQ(AxisScaleMode, ScaleSquare);
    EXPECT_FALSE(axes.ShowXYPanel);
    EXPECT_EQ(axes.LabelNumX, 2);
    EXPECT_EQ(f.focusWidget(), Find<QLineEdit>(f, c.box));
  }
}

TEST(AxisDialog3DChecks, ScaleRatiosAndIntervalCounts) {
  using namespace AxisDialogCheck;
  const std::vector<std::pair<std::string, std::optional<float>>> ratios = {
      {"1", 1.0f},           {"2.5", 2.5f},         {" 3 ", 3.0f},        {"0,5", 0.5f},
      {".25", 0.25f},        {"1e2", 100.0f},       {"0", std::nullopt},  {"-1", std::nullopt},
      {"", std::nullopt},    {"abc", std::nullopt}, {"2x", std::nullopt}, {"1e40", std::nullopt},
      {"1 2", std::nullopt},
  };
  for (const auto& [text, want] : ratios)
    EXPECT_EQ(ScaleRatio(text), want) << text;
  const std::vector<std::pair<std::string, std::optional<int32_t>>> counts = {
      {"2", 2},
      {"3.5", 4},
      {"2.5", 2},
      {"7abc", 7},
      {"500", 500},
      {"1", 1},
      {"0", std::nullopt},
      {"0.4", std::nullopt},
      {"501", std::nullopt},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"-3", std::nullopt},
  };
  for (const auto& [text, want] : counts)
    EXPECT_EQ(IntervalCount(text), want) << text;
  EXPECT_EQ(RatioText(1.5f), "1.5");
  EXPECT_EQ(RatioText(2.0f), "2");
}

// --- the Axis command ---------------------------------------------------------------------------

class AxisCommandTest : public AxisDialog3DTest {
protected:
  void SetUp() override {
    AxisDialog3DTest::SetUp();
    calls.clear();
    SetAxisDialogHooks(
        {[this] { calls.push_back("Repaint"); }, [this] { calls.push_back("UpdateSceneCenter"); },
         [this] { calls.push_back("ZoomToFit"); }, [this] { calls.push_back("Rebuild"); }});
  }
  void TearDown() override { SetAxisDialogHooks({}); }

  // Presses a button of the modal dialog as soon as it is up.
  static void PressWhenShown(const char* button) {
    QTimer::singleShot(0, [button] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      QTest::mouseClick(modal->findChild<QPushButton*>(button), Qt::LeftButton);
    });
  }

  std::vector<std::string> calls;
};

TEST_F(AxisCommandTest, OkOfTheThreeDimensionalDialogRecentresBeforeZoomToFit) {
  PressWhenShown("okButton");
  EXPECT_TRUE(ShowAxisDialog(nullptr));
  const std::vector<std::string> want = {"Repaint", "UpdateSceneCenter", "ZoomToFit", "Rebuild"};
  EXPECT_EQ(calls, want);
  EXPECT_FALSE(AxisChanged);
}

TEST_F(AxisCommandTest, CancelOnlyRepaints) {
  PressWhenShown("cancelButton");
  EXPECT_FALSE(ShowAxisDialog(nullptr));
  EXPECT_EQ(calls, std::vector<std::string>{"Repaint"});
}

TEST_F(AxisCommandTest, TwoDimensionalDocumentsGetTheirOwnDialogAndOnlyARebuild) {
  DocumentType = DocumentType2D;
  QTimer::singleShot(0, [] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    EXPECT_EQ(modal->objectName(), "AxisDialog2D");
    QTest::mouseClick(modal->findChild<QPushButton*>("okButton"), Qt::LeftButton);
  });
  EXPECT_TRUE(ShowAxisDialog(nullptr));
  EXPECT_EQ(calls, std::vector<std::string>{"Rebuild"});
}

TEST_F(AxisCommandTest, TheCentreZoomToFitSeesIsThatOfTheNewScaleMode) {
  // Two points in a 3D document; the last compilation left the centre of the square scales.
  ShownGraphs.FunSurfs.Clear();
  auto point = [](int32_t id, const char* x, const char* y, const char* z) {
    auto g = std::make_shared<Graph>();
    g->ID = id;
    g->NameS = "P";
    g->GraphType = PointMarker;
    g->CoordType = Cartesian3D;
    g->ExpressX = x;
    g->ExpressY = y;
    g->ExpressZ = z;
    g->MaxU = g->MaxV = 1;
    g->LineWidth = 1;
    g->Material = 4;
    g->Show = ModelPoint;
    g->Smoothness = ShadeFlat;
    g->GetPoints();
    return g;
  };
  ShownGraphs.FunSurfs.Add(point(901, "0", "0", "0"));
  ShownGraphs.FunSurfs.Add(point(902, "2", "40", "6"));
  AxisScaleMode = ScaleSquare;
  UpdateSceneCenterFromShownGraphs();
  const float squareX = SceneCenterX, squareY = SceneCenterY;

  // OK with "Equal": Zoom to Fit must see the centre under the equal scales.
  float seenX = 0, seenY = 0;
  SetAxisDialogHooks({{}, {}, [&] { seenX = SceneCenterX, seenY = SceneCenterY; }, {}});
  QTimer::singleShot(0, [] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    QTest::mouseClick(modal->findChild<QRadioButton*>("equalOption"), Qt::LeftButton, {},
                      QPoint(5, 5));
    QTest::mouseClick(modal->findChild<QPushButton*>("okButton"), Qt::LeftButton);
  });
  ShowAxisDialog(nullptr);
  EXPECT_EQ(AxisScaleMode, ScaleEqual);
  const BoundingBox box = ShownGraphs.GetBox(0);
  EXPECT_FLOAT_EQ(seenX, (box.MaxX + box.MinX) / 2.0f / AxisScaleX);
  EXPECT_FLOAT_EQ(seenY, (box.MaxY + box.MinY) / 2.0f / AxisScaleY);
  EXPECT_TRUE(seenX != squareX || seenY != squareY);
  ShownGraphs.FunSurfs.Clear();
}

} // namespace
