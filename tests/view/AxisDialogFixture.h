#pragma once
// What the tests of both Axis Properties dialogs start from: the program-wide values the dialogs
// write, saved and restored around each test; scripted message boxes and colour choosers; an axes
// object to edit; and the user's ways to reach a control (find it by name, bring its tab to the
// front, click it, type into it).

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

#include "model/AxesSettings.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"

// Saves and restores the program-wide values the dialogs and the Axis command write.
struct AxisDialogSavedGlobals {
  int32_t documentType = DocumentType, mode = AxisScaleMode;
  float rx = AxisRatioX, ry = AxisRatioY, rz = AxisRatioZ;
  bool legend = ShowLegend, changed = AxisChanged;
  float cx = SceneCenterX, cy = SceneCenterY, cz = SceneCenterZ;
  ~AxisDialogSavedGlobals() {
    DocumentType = documentType, AxisScaleMode = mode;
    AxisRatioX = rx, AxisRatioY = ry, AxisRatioZ = rz;
    ShowLegend = legend, AxisChanged = changed;
    SceneCenterX = cx, SceneCenterY = cy, SceneCenterZ = cz;
  }
};

class AxisDialogTest : public ::testing::Test {
protected:
  // The document type and scale mode a test starts in; ratios 1, the legend shown, the axes
  // unchanged.
  static void Start(int32_t documentType, int32_t scaleMode) {
    DocumentType = documentType;
    AxisScaleMode = scaleMode;
    AxisRatioX = AxisRatioY = AxisRatioZ = 1.0f;
    ShowLegend = true;
    AxisChanged = false;
  }

  template <class W> static W* Find(QWidget& dialog, const char* name) {
    W* w = dialog.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  static void Type(QLineEdit* box, const QString& text) {
    Reveal(box);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
  }
  // Brings the tab that holds w to the front, as the user does before using a control.
  static void Reveal(QWidget* w) {
    for (QWidget* page = w; page && page->parentWidget(); page = page->parentWidget())
      if (auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget())) {
        const int index = tabs->indexOf(page);
        if (index >= 0) tabs->setCurrentIndex(index);
      }
  }
  static void Click(QWidget* w) {
    Reveal(w);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
  }
  // OK closed the dialog, changed the axes and wrote the custom scales x : y : z.
  static void ExpectCustomScalesWritten(const QDialog& dialog, float x, float y, float z) {
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(AxisChanged);
    EXPECT_EQ(AxisScaleMode, ScaleCustom);
    EXPECT_EQ(AxisRatioX, x);
    EXPECT_EQ(AxisRatioY, y);
    EXPECT_EQ(AxisRatioZ, z);
  }

  AxisDialogSavedGlobals saved;
  ScopedScriptedDialogs dialogs;
  AxesSettings axes;
};
