// The Axis Properties dialog of 2D documents, driven with Qt Test: what it shows, that nothing is
// written before OK, what OK writes, the background pattern pictures and their selection frame,
// refused ratios and cancelled colour choosers.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <string>
#include <vector>

#include "model/AxesSettings.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "view/AxisDialogFixture.h"
#include "view/dialogs/AxisDialog.h"
#include "view/dialogs/ColorBox.h"
#include "view/dialogs/AxisDialog2D.h"

namespace {

class AxisDialog2DTest : public AxisDialogTest {
protected:
  void SetUp() override {
    Start(DocumentType2D, ScaleEqual);
    axes.Show = true;
  }
  // The pattern picture at index (0 for BackStyle 1).
  static QLabel* Picture(QWidget& dialog, int index) {
    return Find<QLabel>(dialog, QString("stylePicture%1").arg(index + 1).toUtf8().constData());
  }
};

TEST_F(AxisDialog2DTest, LoadShowsTheSettings) {
  AxisScaleMode = ScaleCustom;
  AxisRatioX = 2, AxisRatioY = 0.5f;
  axes.AxisWidth = 3;
  axes.AxisColor = 0x0000FF;
  axes.ShowPI = true;
  axes.ShowSecondaryLabel = false;
  axes.ShowBackground = true;
  axes.BackStyle = 7;
  axes.BackColor2 = 0x00FFFF;
  AxisDialog2D f(axes);
  EXPECT_EQ(f.windowTitle(), "Axis Properties");
  EXPECT_TRUE(Find<QRadioButton>(f, "customOption")->isChecked());
  EXPECT_EQ(Find<QLineEdit>(f, "scaleRatioX")->text(), "2");
  EXPECT_EQ(Find<QLineEdit>(f, "scaleRatioY")->text(), "0.5");
  EXPECT_TRUE(Find<QLineEdit>(f, "scaleRatioY")->isEnabled());
  EXPECT_EQ(Find<QComboBox>(f, "axisWidthBox")->count(), 5);
  EXPECT_EQ(Find<QComboBox>(f, "axisWidthBox")->currentText(), "3");
  EXPECT_EQ(Find<ColorBox>(f, "axisColorSwatch")->Color(), 0x0000FF);
  EXPECT_EQ(Find<ColorBox>(f, "secondColorSwatch")->Color(), 0x00FFFF);
  EXPECT_TRUE(Find<QCheckBox>(f, "piTicksCheck")->isChecked());
  EXPECT_EQ(Find<QCheckBox>(f, "piTicksCheck")->text(),
            QString::fromUtf8("Use \u03C0 To Label Ticks"));
  EXPECT_FALSE(Find<QCheckBox>(f, "showSecondaryTicksCheck")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>(f, "showBackgroundCheck")->isChecked());
  EXPECT_EQ(f.SelectedBackStyle, 7);
  // The selection frame encloses picture 6 with one pixel to spare.
  QFrame* shape = Find<QFrame>(f, "selectedStyleFrame");
  EXPECT_FALSE(shape->isHidden());
  EXPECT_EQ(shape->geometry(), Picture(f, 6)->geometry().adjusted(-1, -1, 1, 1));
  // Equal leaves the ratio boxes at "1" and disabled.
  AxisScaleMode = ScaleEqual;
  AxisDialog2D g(axes);
  EXPECT_TRUE(Find<QRadioButton>(g, "equalOption")->isChecked());
  EXPECT_EQ(Find<QLineEdit>(g, "scaleRatioX")->text(), "1");
  EXPECT_FALSE(Find<QLabel>(g, "scaleRatioLabel")->isEnabled());
}

TEST_F(AxisDialog2DTest, NothingIsWrittenBeforeOkAndCancelKeepsEverything) {
  const AxesSettings before = axes;
  AxisDialog2D f(axes);
  f.show();
  dialogs.colors.answers = {0x0000FF, 0x00FF00, 0xFF0000, 0x123456, 0x654321};
  for (const char* box : {"axisColorSwatch", "primaryGridColorSwatch", "secondaryGridColorSwatch",
                          "firstColorSwatch", "secondColorSwatch"})
    Click(Find<ColorBox>(f, box));
  Click(Find<QCheckBox>(f, "showAxisCheck"));
  Click(Picture(f, 0));
  EXPECT_EQ(axes, before);
  AxisChanged = true;
  Click(Find<QPushButton>(f, "cancelButton"));
  EXPECT_EQ(f.result(), QDialog::Rejected);
  EXPECT_FALSE(AxisChanged);
  EXPECT_EQ(axes, before);
}

TEST_F(AxisDialog2DTest, OkWritesEverySetting) {
  AxisDialog2D f(axes);
  f.show();
  Click(Find<QRadioButton>(f, "customOption"));
  Type(Find<QLineEdit>(f, "scaleRatioX"), "2");
  Type(Find<QLineEdit>(f, "scaleRatioY"), "1");
  Click(Find<QCheckBox>(f, "showAxisCheck"));
  dialogs.colors.answers = {0x0000FF, 0x00FF00, 0x00FFFF, 0x123456, 0x654321};
  for (const char* box : {"axisColorSwatch", "primaryGridColorSwatch", "secondaryGridColorSwatch",
                          "firstColorSwatch", "secondColorSwatch"})
    Click(Find<ColorBox>(f, box));
  Find<QComboBox>(f, "axisWidthBox")->setCurrentIndex(4);
  for (const char* check : {"showPrimaryGridCheck", "showSecondaryGridCheck", "showBackgroundCheck",
                            "showSecondaryTicksCheck", "piTicksCheck", "showShadowCheck",
                            "betterFontsCheck", "showLegendCheck"})
    Click(Find<QCheckBox>(f, check));
  Click(Picture(f, 18));
  Click(Find<QPushButton>(f, "okButton"));

  ExpectCustomScalesWritten(f, 2.0f, 1.0f, 1.0f);
  EXPECT_FALSE(axes.Show);
  EXPECT_EQ(axes.AxisColor, 0x0000FF);
  EXPECT_EQ(axes.PriGridColor, 0x00FF00);
  EXPECT_EQ(axes.SecGridColor, 0x00FFFF);
  EXPECT_EQ(axes.BackColor, 0x123456);
  EXPECT_EQ(axes.BackColor2, 0x654321);
  EXPECT_EQ(axes.AxisWidth, 5);
  EXPECT_TRUE(axes.ShowprimaryGrid);
  EXPECT_TRUE(axes.ShowSecondaryGrid);
  EXPECT_TRUE(axes.ShowBackground);
  EXPECT_FALSE(axes.ShowSecondaryLabel);
  EXPECT_TRUE(axes.ShowPI);
  EXPECT_TRUE(axes.ShowShadow);
  EXPECT_TRUE(axes.BetterFonts);
  EXPECT_FALSE(ShowLegend);
  EXPECT_EQ(axes.BackStyle, 19);
}

TEST_F(AxisDialog2DTest, BackgroundStyleSelection) {
  struct Case {
    int32_t stored;
    int click; // picture index, or -1 for none
    int32_t written;
    int framed; // picture framed after load, or -1 for none
  };
  const std::vector<Case> cases = {
      {2, 0, 1, 1}, {2, 18, 19, 1}, {0, -1, 2, 1}, {-5, -1, 2, 1}, {20, -1, 20, -1}, {20, 3, 4, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.stored) + " click " + std::to_string(c.click));
    axes.BackStyle = c.stored;
    AxisDialog2D f(axes);
    f.show();
    QFrame* shape = Find<QFrame>(f, "selectedStyleFrame");
    if (c.framed < 0)
      EXPECT_TRUE(shape->isHidden());
    else
      EXPECT_EQ(shape->geometry(), Picture(f, c.framed)->geometry().adjusted(-1, -1, 1, 1));
    if (c.click >= 0) {
      Click(Picture(f, c.click));
      EXPECT_EQ(shape->geometry(), Picture(f, c.click)->geometry().adjusted(-1, -1, 1, 1));
      EXPECT_FALSE(shape->isHidden());
    }
    Click(Find<QPushButton>(f, "okButton"));
    EXPECT_EQ(axes.BackStyle, c.written);
  }
}

TEST_F(AxisDialog2DTest, AWidthOutsideTheListShowsTheNearestAndOkWritesIt) {
  axes.AxisWidth = 9;
  AxisDialog2D f(axes);
  EXPECT_EQ(Find<QComboBox>(f, "axisWidthBox")->currentText(), "5");
  f.show();
  Click(Find<QPushButton>(f, "okButton"));
  EXPECT_EQ(axes.AxisWidth, 5);
}

TEST_F(AxisDialog2DTest, CancelledColourChooserKeepsTheBoxColour) {
  axes.BackColor = 0x010203;
  AxisDialog2D f(axes);
  f.show();
  dialogs.colors.answers = {std::nullopt};
  Click(Find<ColorBox>(f, "firstColorSwatch"));
  EXPECT_EQ(dialogs.colors.asked, 1);
  EXPECT_EQ(Find<ColorBox>(f, "firstColorSwatch")->Color(), 0x010203);
  Click(Find<QPushButton>(f, "okButton"));
  EXPECT_EQ(axes.BackColor, 0x010203);
}

TEST_F(AxisDialog2DTest, RefusedRatiosGetAMessageAndChangeNothing) {
  for (const char* bad : {"0", "", "abc", "1..2", "-3"}) {
    SCOPED_TRACE(bad);
    dialogs.prompter.shown.clear();
    AxisChanged = false;
    const AxesSettings before = axes;
    AxisDialog2D f(axes);
    f.show();
    Click(Find<QRadioButton>(f, "customOption"));
    Type(Find<QLineEdit>(f, "scaleRatioY"), bad);
    Click(Find<QCheckBox>(f, "showBackgroundCheck"));
    Click(Find<QPushButton>(f, "okButton"));
    ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
    EXPECT_EQ(dialogs.prompter.shown[0].text, AxisDialogCheck::RatioMessage);
    EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(AxisChanged);
    EXPECT_EQ(AxisScaleMode, ScaleEqual);
    EXPECT_EQ(axes, before);
    // Equal does not look at the boxes.
    Click(Find<QRadioButton>(f, "equalOption"));
    Click(Find<QPushButton>(f, "okButton"));
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(AxisRatioY, 1.0f);
  }
}

TEST(AxisDialog2DSamples, PatternPicturesShadeLikeTheScene) {
  const int32_t red = 0x0000FF, white = 0xFFFFFF;
  // Style 2: red at the bottom, pink at half height, white at the top.
  QImage two = AxisDialog2D::StyleSample(2, red, white, 40, 30);
  EXPECT_EQ(two.pixelColor(20, 29).red(), 255);
  EXPECT_LT(two.pixelColor(20, 29).green(), 20);
  EXPECT_GT(two.pixelColor(20, 0).green(), 235);
  const QColor middle = two.pixelColor(20, 15);
  EXPECT_NEAR(middle.green(), 128, 12);
  EXPECT_EQ(middle.red(), 255);
  // Style 1 is flat; style 18 has a white spot in the middle of red.
  QImage one = AxisDialog2D::StyleSample(1, red, white, 40, 30);
  EXPECT_EQ(one.pixelColor(3, 3), QColor(255, 0, 0));
  EXPECT_EQ(one.pixelColor(20, 15), QColor(255, 0, 0));
  QImage spot = AxisDialog2D::StyleSample(18, red, white, 40, 30);
  EXPECT_GT(spot.pixelColor(20, 15).green(), 200);
  EXPECT_LT(spot.pixelColor(1, 1).green(), 30);
  // Style 9: red edges left and right, white down the middle.
  QImage band = AxisDialog2D::StyleSample(9, red, white, 40, 30);
  EXPECT_LT(band.pixelColor(0, 15).green(), 20);
  EXPECT_GT(band.pixelColor(20, 15).green(), 235);
}

} // namespace
