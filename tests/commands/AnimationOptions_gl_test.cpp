// Animation Options in the shown main window: a new frame count that takes long to compile reports
// its frames as steps of the work, and Cancel leaves the frame count and the pictures of before.

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "commands/AnimationOptions.h"
#include "commands/GraphCommandHost.h"
#include "commands/GraphList.h"
#include "dialogs/AnimationOptionsDialog.h"
#include "platform/WorkProgress.h"
#include "support/ScopedMemoryRoot.h"
#include "view/TestMainWindow.h"

namespace {

class AnimationOptionsWindowTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    InstallGraphListCommands();
    SetProgressShower(&progress);
  }
  void TearDown() override {
    SetProgressShower(nullptr);
    MainWindowTest::TearDown();
  }
  ScriptedProgressShower progress;
};

TEST_F(AnimationOptionsWindowTest, CancelKeepsTheFrameCountAndThePicturesOfBefore) {
  MainWindow& w = ShowSample("animation/3D/wave.crv", 600, 400);
  ASSERT_TRUE(ShownGraphs.Animation());
  progress.labels.clear(); // those of the opening
  progress.steps = 0;
  const int32_t before = FrameCount;
  CurrentFrame = before; // a frame whose picture differs from the first
  w.Display(CurrentFrame);
  const QImage picture = w.ViewImage();
  ASSERT_FALSE(picture.isNull());

  auto host = MakeWindowCommandHost();
  ASSERT_NE(host, nullptr);
  // Cancelled while the frames are compiled (after the boxes of every frame).
  progress.cancelAtStep = 1 + 300 + 50;
  EditAnimationOptions(*host, [&host] { ApplyAnimationSettings({300, 10}, *host); });
  EXPECT_EQ(FrameCount, before);
  EXPECT_EQ(w.AnimationOptionsFrameCount, before);
  EXPECT_EQ(progress.labels, std::vector<std::string>{"Sampling and compiling 301 frames..."});
  w.Display(CurrentFrame);
  EXPECT_EQ(w.ViewImage(), picture);

  // Not cancelled: every frame is a step, and the last frame is the new one.
  progress.cancelAtStep = -1;
  progress.steps = 0;
  EditAnimationOptions(*host, [&host] { ApplyAnimationSettings({30, 10}, *host); });
  EXPECT_EQ(FrameCount, 30);
  EXPECT_GE(progress.steps, 1 + 2 * 31);
}

// In a session that its control group limits to 2 GB, 10,000 frames of a 50 x 50 surface (2.7 GB
// of samples and drawing, which a 4 GiB budget would take) are refused by Animation Options with
// the budget's message, before anything is sampled: the frame count and the pictures stay.
TEST_F(AnimationOptionsWindowTest, AControlGroupsLimitRefusesFramesTheMachineCouldHold) {
  MainWindow& w = ShowSample("animation/3D/wave.crv", 600, 400);
  ASSERT_EQ(ShownGraphs.FunSurfs.Count(), 1);
  ASSERT_EQ(ShownGraphs.FunSurfs.Item(1)->StepU, 50);
  ASSERT_EQ(ShownGraphs.FunSurfs.Item(1)->StepV, 50);
  const int32_t before = FrameCount;
  const QImage picture = w.ViewImage();
  ScopedMemoryRoot memory;
  memory.LimitControlGroup(2'000'000'000);
  progress.labels.clear();
  dialogs.prompter.shown.clear();

  auto host = MakeWindowCommandHost();
  ASSERT_NE(host, nullptr);
  EditAnimationOptions(*host, [&host, before, this] {
    AnimationOptionsDialog d(*host);
    d.findChild<QLineEdit*>("frameCountField")->setText("10000");
    d.findChild<QPushButton*>("okButton")->click();
    EXPECT_NE(d.result(), QDialog::Accepted);
    // Taken all the same, the count would sample 2.7 GB here: the test fails without doing so.
    if (d.result() == QDialog::Accepted) FrameCount = before;
    ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
    EXPECT_EQ(
        dialogs.prompter.shown[0].text,
        "The graphs cannot be sampled with 10000 frames: their samples would need 2.7 GB of "
        "memory for their samples and their drawing, more than the 954 MB a document may use "
        "(the largest: graph 1 (\"3D Surface Animation  "
        "z=sin(sqr(x^2+y^2)-t)/(1+sqr(x^2+y^2)/4)\"), 2.7 GB). The number of frames stays 10.");
    EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  });
  EXPECT_EQ(FrameCount, before);
  EXPECT_EQ(w.AnimationOptionsFrameCount, before);
  EXPECT_TRUE(progress.labels.empty()) << "nothing is sampled";
  EXPECT_EQ(w.ViewImage(), picture);
}

} // namespace
