// The animation commands in the main window: the playback buttons and menu items drive its timer
// and the frame shown, the timer's tick steps the play, and "Save Animation As AVI" opens the
// export window for animated graphs only; the window goes with the main window.

#include <QAction>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include "commands/AnimationCommands.h"
#include "commands/Playback.h"
#include "commands/AviExportWindow.h"
#include "view/TestMainWindow.h"

namespace {

class AnimationCommandsTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    InstallAnimationCommands();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
  }
};

TEST_F(AnimationCommandsTest, PlaybackButtonsDriveTheTimerAndTheTickStepsThePlay) {
  MainWindow& w = Make();
  FrameCount = 4;
  w.OnToolbarButton(MainToolbar, "barAnimNormal");
  EXPECT_TRUE(w.AnimationTimer()->isActive());
  EXPECT_EQ(CurrentFrame, 0);
  w.RunHandler("OnAnimationTimer");
  w.RunHandler("OnAnimationTimer");
  EXPECT_EQ(CurrentFrame, 2);
  w.MenuItem("mnuAniPause")->trigger();
  EXPECT_FALSE(w.AnimationTimer()->isActive());
  w.OnToolbarButton(MainToolbar, "barAnimLast");
  EXPECT_EQ(CurrentFrame, 5);
  EXPECT_EQ(PlayMode, PlayManual);
  w.MenuItem("mnuAniStop")->trigger();
  EXPECT_EQ(CurrentFrame, 1);
}

TEST_F(AnimationCommandsTest, SaveAnimationAsAviOpensTheWindowForAnimatedGraphsOnly) {
  MainWindow& w = Make();
  AddGraph(Curve2D);
  w.RunHandler("SaveAnimationAsAvi");
  EXPECT_EQ(AviWindow(), nullptr);

  AddGraph(Curve2DAnimation)->Animation = true;
  w.RunHandler("SaveAnimationAsAvi");
  QPointer<AviExportWindow> avi = AviWindow();
  ASSERT_NE(avi, nullptr);
  EXPECT_TRUE(avi->isVisible());
  EXPECT_EQ(avi->windowTitle(), "Save Animation As AVI File");
  window.reset();
  EXPECT_TRUE(avi.isNull());
}

} // namespace
