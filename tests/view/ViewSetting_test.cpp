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

namespace {

class ViewSettingTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetViewDefaults();
    Camera.ProjectType = ProjectOrtho;
  }
  void TearDown() override {
    ResetViewDefaults();
    Camera.ProjectType = ProjectOrtho;
  }
  ScopedScriptedDialogs dialogs;
};

std::array<float, 6> Window() {
  return {ViewMinX, ViewMaxX, ViewMinY, ViewMaxY, ViewMinZ, ViewMaxZ};
}

} // namespace

TEST_F(ViewSettingTest, OpensWithTheStartValues) {
  ViewSettingDialog d;
  EXPECT_EQ(d.windowTitle(), "View Setting");
  const char* expected[6] = {"-500", "500", "-500", "500", "-500", "500"};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(d.Text[i]->text().toStdString(), expected[i]) << i;
  EXPECT_TRUE(d.Option1->isChecked());
  EXPECT_FALSE(d.Option2->isChecked());
  EXPECT_EQ(d.Option1->text(), "Ortho");
  EXPECT_EQ(d.Option2->text(), "Perspective");
  // A projection type that is neither selects neither option.
  Camera.ProjectType = 3;
  ViewSettingDialog other;
  EXPECT_FALSE(other.Option1->isChecked() || other.Option2->isChecked());
}

TEST_F(ViewSettingTest, OkCleansAndTakesTheBounds) {
  ViewSettingDialog d;
  struct Row {
    int box;
    const char* typed;
    const char* cleaned;
    float value;
  };
  const Row rows[] = {{0, "1,5", "1.5", 1.5f},    {1, "2 0", "20", 20.0f}, {2, "", "0", 0.0f},
                      {3, "1e3", "1e3", 1000.0f}, {4, "1-2", "1-2", 1.0f}, {5, " ", "0", 0.0f}};
  for (const Row& r : rows)
    d.Text[r.box]->setText(r.typed);
  d.Option2->setChecked(true);
  d.Command1->click();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  for (const Row& r : rows) {
    EXPECT_EQ(d.Text[r.box]->text().toStdString(), r.cleaned) << r.box;
    EXPECT_EQ(Window()[r.box], r.value) << r.box;
  }
  EXPECT_EQ(Camera.ProjectType, ProjectPerspective);
}

TEST_F(ViewSettingTest, IllegalCharacterKeepsTheDialogOpen) {
  ViewSettingDialog d;
  d.show();
  d.Text[0]->setText("1,5");
  d.Text[3]->setText("abc");
  d.Text[4]->setText("7");
  d.Option2->setChecked(true);
  d.Command1->click();
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Illegal data exist.");
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  EXPECT_EQ(dialogs.prompter.shown[0].icon, MsgIcon::Exclamation);
  EXPECT_TRUE(d.isVisible());
  // The view window is unchanged; boxes before the bad one keep their cleaned texts; the
  // projection chosen is already in effect.
  EXPECT_EQ(Window(), (std::array<float, 6>{-500, 500, -500, 500, -500, 500}));
  EXPECT_EQ(d.Text[0]->text(), "1.5");
  EXPECT_EQ(d.Text[3]->text(), "abc");
  EXPECT_EQ(d.Text[4]->text(), "7");
  EXPECT_EQ(Camera.ProjectType, ProjectPerspective);
}

TEST_F(ViewSettingTest, ABoundBeyondTheSingleRangeIsIllegal) {
  for (const char* typed : {"1e400", "-1e39"}) {
    ViewSettingDialog d;
    d.show();
    d.Text[2]->setText(typed);
    d.Command1->click();
    ASSERT_FALSE(dialogs.prompter.shown.empty()) << typed;
    EXPECT_EQ(dialogs.prompter.shown.back().text, "Illegal data exist.");
    EXPECT_TRUE(d.isVisible()) << typed;
    EXPECT_EQ(Window(), (std::array<float, 6>{-500, 500, -500, 500, -500, 500})) << typed;
  }
}

TEST_F(ViewSettingTest, CancelChangesNothing) {
  ViewSettingDialog d;
  d.Text[0]->setText("3");
  d.Option2->setChecked(true);
  d.Command2->click();
  EXPECT_EQ(d.result(), QDialog::Rejected);
  EXPECT_EQ(ViewMinX, -500.0f);
  EXPECT_EQ(Camera.ProjectType, ProjectOrtho);
}
