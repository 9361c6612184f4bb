// Animation Options in the shown main window: a new frame count that takes long to compile reports
// its frames as steps of the work, and Cancel leaves the frame count and the pictures of before.

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>


#include "commands/AnimationOptions.h"
#include "commands/GraphCommandHost.h"
#include "commands/GraphList.h"
#include "platform/WorkProgress.h"
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

} // namespace
