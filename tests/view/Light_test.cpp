// The Light Properties dialog driven with Qt Test: what it shows, how OK reads the boxes, and
// that Cancel changes nothing.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "view/camera/SceneLight.h"
#include "view/dialogs/LightDialog.h"

namespace {

// The sixteen boxes in the order the rows below give their texts and values.
constexpr std::array<const char*, 16> kBoxes = {
    "positionX",     "positionY",    "positionZ",     "diffuseRed",  "diffuseGreen", "diffuseBlue",
    "diffuseAlpha",  "ambientRed",   "ambientGreen",  "ambientBlue", "ambientAlpha", "specularRed",
    "specularGreen", "specularBlue", "specularAlpha", "positionW"};

QLineEdit* Box(LightDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }
QCheckBox* Check(LightDialog& dialog, const char* name) {
  return dialog.findChild<QCheckBox*>(name);
}
QPushButton* Button(LightDialog& dialog, const char* name) {
  return dialog.findChild<QPushButton*>(name);
}

void Type(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  QTest::keyClicks(box, text);
}

} // namespace

TEST(LightDialog, TextsAndControls) {
  SceneLight light;
  LightDialog dialog(light);
  EXPECT_EQ(dialog.windowTitle(), "Light Properties");
  EXPECT_EQ(Check(dialog, "lightingCheck")->text(), " Lighting");
  EXPECT_EQ(Check(dialog, "twoSidesCheck")->text(), " Two sides");
  EXPECT_EQ(Check(dialog, "globalAmbientCheck")->text(), "Global ambient light");
  EXPECT_EQ(Button(dialog, "okButton")->text(), "OK");
  EXPECT_EQ(Button(dialog, "cancelButton")->text(), "Cancel");

  // Each frame holds its four boxes, each box labelled.
  struct Frame {
    const char* caption;
    std::array<const char*, 4> boxes;
    std::array<const char*, 4> labels;
  } frames[] = {{"Light Position",
                 {"positionX", "positionY", "positionZ", "positionW"},
                 {"X", "Y", "Z", "W"}},
                {"Diffuse light color",
                 {"diffuseRed", "diffuseGreen", "diffuseBlue", "diffuseAlpha"},
                 {"R", "G", "B", "A"}},
                {"Ambient light color",
                 {"ambientRed", "ambientGreen", "ambientBlue", "ambientAlpha"},
                 {"R", "G", "B", "A"}},
                {"Specular light color",
                 {"specularRed", "specularGreen", "specularBlue", "specularAlpha"},
                 {"R", "G", "B", "A"}}};
  for (const Frame& f : frames) {
    SCOPED_TRACE(f.caption);
    QGroupBox* frame = nullptr;
    for (QGroupBox* g : dialog.findChildren<QGroupBox*>())
      if (g->title() == f.caption) frame = g;
    ASSERT_NE(frame, nullptr);
    for (int i = 0; i < 4; ++i) {
      QLineEdit* box = Box(dialog, f.boxes[i]);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->parentWidget(), frame);
      QLabel* label = nullptr;
      for (QLabel* l : frame->findChildren<QLabel*>())
        if (l->buddy() == box) label = l;
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->text(), f.labels[i]);
    }
  }
}

TEST(LightDialog, ShowsTheLightsValues) {
  struct Row {
    const char* what;
    SceneLight light;
    bool c1, c2, c3;
    std::array<const char*, 16> texts; // in the order of kBoxes
  };
  SceneLight changed;
  changed.Enabled = false;
  changed.TwoSides[0] = 0;
  changed.GlobalAmbient[0] = 0.5f; // not 0: checked
  changed.Position = {1.5f, -2.25f, 1e-5f, 0};
  changed.Diffuse = {0.1f, 1.0f / 3.0f, 12345678.0f, 1};
  changed.Amission = {0, 0, 0, 0};
  changed.Specular = {0.5f, 0.5f, 0.5f, 2};
  const Row rows[] = {
      {"defaults",
       SceneLight{},
       true,
       true,
       true,
       {"100", "100", "100", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}},
      {"changed",
       changed,
       false,
       false,
       true,
       {"1.5", "-2.25", "1E-05", "0.1", "0.3333333", "1.234568E+07", "1", "0", "0", "0", "0", "0.5",
        "0.5", "0.5", "2", "0"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    SceneLight light = r.light;
    LightDialog dialog(light);
    EXPECT_EQ(Check(dialog, "lightingCheck")->isChecked(), r.c1);
    EXPECT_EQ(Check(dialog, "twoSidesCheck")->isChecked(), r.c2);
    EXPECT_EQ(Check(dialog, "globalAmbientCheck")->isChecked(), r.c3);
    for (size_t i = 0; i < kBoxes.size(); ++i)
      EXPECT_EQ(Box(dialog, kBoxes[i])->text(), r.texts[i]) << kBoxes[i];
  }
}

TEST(LightDialog, OkTakesEveryValue) {
  SceneLight light;
  LightDialog dialog(light);
  QTest::mouseClick(Check(dialog, "lightingCheck"), Qt::LeftButton);
  QTest::mouseClick(Check(dialog, "twoSidesCheck"), Qt::LeftButton);
  QTest::mouseClick(Check(dialog, "globalAmbientCheck"), Qt::LeftButton);
  // Each box gives the number its text begins with, 0 when there is none.
  const std::array<const char*, 16> typed = {"12abc", "-.5",  "1e3",  "0.25", "",    "x7",
                                             " 2 5",  "&H10", "1,5",  "3-4",  "0.1", "7E-2",
                                             "1D2",   "+4",   "9e99", "0"};
  const std::array<float, 16> expected = {
      12,   -0.5f, 1000, 0.25f, 0,
      0,    25,    16,   1,     3,
      0.1f, 0.07f, 100,  4,     std::numeric_limits<float>::infinity(),
      0};
  for (size_t i = 0; i < kBoxes.size(); ++i)
    Type(Box(dialog, kBoxes[i]), typed[i]);
  QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);

  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(light.Enabled);
  EXPECT_EQ(light.TwoSides[0], 0.0f);
  EXPECT_EQ(light.GlobalAmbient[0], 0.0f);
  const std::array<float, 4> position = {expected[0], expected[1], expected[2], expected[15]};
  EXPECT_EQ(light.Position, position);
  EXPECT_EQ(light.Diffuse,
            (std::array<float, 4>{expected[3], expected[4], expected[5], expected[6]}));
  EXPECT_EQ(light.Amission,
            (std::array<float, 4>{expected[7], expected[8], expected[9], expected[10]}));
  EXPECT_EQ(light.Specular,
            (std::array<float, 4>{expected[11], expected[12], expected[13], expected[14]}));

  // Checking the boxes again sets the switches back to 1.
  LightDialog again(light);
  QTest::mouseClick(Check(again, "lightingCheck"), Qt::LeftButton);
  QTest::mouseClick(Check(again, "twoSidesCheck"), Qt::LeftButton);
  QTest::mouseClick(Check(again, "globalAmbientCheck"), Qt::LeftButton);
  QTest::mouseClick(Button(again, "okButton"), Qt::LeftButton);
  EXPECT_TRUE(light.Enabled);
  EXPECT_EQ(light.TwoSides[0], 1.0f);
  EXPECT_EQ(light.GlobalAmbient[0], 1.0f);
}

TEST(LightDialog, CancelChangesNothingAndReopeningShowsLastAccepted) {
  SceneLight light;
  {
    LightDialog dialog(light);
    Type(Box(dialog, "positionX"), "42");
    QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
  }
  {
    LightDialog dialog(light);
    Type(Box(dialog, "positionX"), "7");
    Type(Box(dialog, "diffuseRed"), "0.5");
    QTest::mouseClick(Check(dialog, "lightingCheck"), Qt::LeftButton);
    QTest::mouseClick(Button(dialog, "cancelButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
  EXPECT_EQ(light.Position[0], 42.0f);
  EXPECT_EQ(light.Diffuse[0], 1.0f);
  EXPECT_TRUE(light.Enabled);
  LightDialog reopened(light);
  EXPECT_EQ(Box(reopened, "positionX")->text(), "42");
  EXPECT_EQ(Box(reopened, "diffuseRed")->text(), "1");
  EXPECT_TRUE(Check(reopened, "lightingCheck")->isChecked());
}

TEST(LightDialog, EditsTheProgramLightByDefault) {
  const SceneLight saved = Light;
  LightDialog dialog;
  Type(Box(dialog, "positionY"), "55");
  QTest::mouseClick(Button(dialog, "okButton"), Qt::LeftButton);
  EXPECT_EQ(Light.Position[1], 55.0f);
  Light = saved;
}
