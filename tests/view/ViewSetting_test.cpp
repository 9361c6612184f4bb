// The View Setting dialog: the six bounds of the view window and the projection type, cleaned and
// taken over by OK; an illegal character keeps the dialog open and the view window unchanged.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "view/camera/SceneCamera.h"
#include "view/dialogs/ViewSettingDialog.h"
#include "support/ProgramStateReset.h"

namespace {

class ViewSettingTest : public ProgramStateTest {
protected:
  ScopedScriptedDialogs dialogs;
};

// The box of one bound, found by its name (minX, maxX, minY, maxY, minZ or maxZ).
QLineEdit* Box(ViewSettingDialog& d, const char* name) { return d.findChild<QLineEdit*>(name); }

std::array<float, 6> Window() {
  return {ViewMinX, ViewMaxX, ViewMinY, ViewMaxY, ViewMinZ, ViewMaxZ};
}

} // namespace

TEST_F(ViewSettingTest, OpensWithTheStartValues) {
  ViewSettingDialog d;
  EXPECT_EQ(d.windowTitle(), "View Setting");
  const char* expected[6] = {"-500", "500", "-500", "500", "-500", "500"};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(d.boundBoxes[i]->text().toStdString(), expected[i]) << i;
  EXPECT_TRUE(d.orthoOption->isChecked());
  EXPECT_FALSE(d.perspectiveOption->isChecked());
  EXPECT_EQ(d.orthoOption->text(), "Ortho");
  EXPECT_EQ(d.perspectiveOption->text(), "Perspective");
  // A projection type that is neither selects neither option.
  Camera.ProjectType = 3;
  ViewSettingDialog other;
  EXPECT_FALSE(other.orthoOption->isChecked() || other.perspectiveOption->isChecked());
}

TEST_F(ViewSettingTest, OkCleansAndTakesTheBounds) {
  ViewSettingDialog d;
  // Box index in the order minX, maxX, minY, maxY, minZ, maxZ, as Window() gives the bounds.
  struct Row {
    int box;
    const char* typed;
    const char* cleaned;
    float value;
  };
  const Row rows[] = {{0, "1,5", "1.5", 1.5f},    {1, "2 0", "20", 20.0f}, {2, "", "0", 0.0f},
                      {3, "1e3", "1e3", 1000.0f}, {4, "1-2", "1-2", 1.0f}, {5, " ", "0", 0.0f}};
  for (const Row& r : rows)
    d.boundBoxes[r.box]->setText(r.typed);
  d.perspectiveOption->setChecked(true);
  d.okButton->click();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  for (const Row& r : rows) {
    EXPECT_EQ(d.boundBoxes[r.box]->text().toStdString(), r.cleaned) << r.box;
    EXPECT_EQ(Window()[r.box], r.value) << r.box;
  }
  EXPECT_EQ(Camera.ProjectType, ProjectPerspective);
}

TEST_F(ViewSettingTest, IllegalCharacterKeepsTheDialogOpen) {
  ViewSettingDialog d;
  d.show();
  Box(d, "minX")->setText("1,5");
  Box(d, "maxY")->setText("abc");
  Box(d, "minZ")->setText("7");
  d.perspectiveOption->setChecked(true);
  d.okButton->click();
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Illegal data exist.");
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  EXPECT_EQ(dialogs.prompter.shown[0].icon, MsgIcon::Exclamation);
  EXPECT_TRUE(d.isVisible());
  // The view window is unchanged; boxes before the bad one keep their cleaned texts; the
  // projection chosen is already in effect.
  EXPECT_EQ(Window(), (std::array<float, 6>{-500, 500, -500, 500, -500, 500}));
  EXPECT_EQ(Box(d, "minX")->text(), "1.5");
  EXPECT_EQ(Box(d, "maxY")->text(), "abc");
  EXPECT_EQ(Box(d, "minZ")->text(), "7");
  EXPECT_EQ(Camera.ProjectType, ProjectPerspective);
}

TEST_F(ViewSettingTest, ABoundBeyondTheSingleRangeIsIllegal) {
  for (const char* typed : {"1e400", "-1e39"}) {
    ViewSettingDialog d;
    d.show();
    Box(d, "minY")->setText(typed);
    d.okButton->click();
    ASSERT_FALSE(dialogs.prompter.shown.empty()) << typed;
    EXPECT_EQ(dialogs.prompter.shown.back().text, "Illegal data exist.");
    EXPECT_TRUE(d.isVisible()) << typed;
    EXPECT_EQ(Window(), (std::array<float, 6>{-500, 500, -500, 500, -500, 500})) << typed;
  }
}

TEST_F(ViewSettingTest, CancelChangesNothing) {
  ViewSettingDialog d;
  Box(d, "minX")->setText("3");
  d.perspectiveOption->setChecked(true);
  d.cancelButton->click();
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_EQ(ViewMinX, -500.0f);
  EXPECT_EQ(Camera.ProjectType, ProjectOrtho);
}
