// Frame capture in the shown main window: Generate Frames on an animated sample saves each frame
// as the view shows it (the frames differ as the curve moves, all of the view's size), and Save
// Animation writes them as an AVI of as many frames, read back with libavformat.

#include <QFile>
#include <QImage>
#include <QScreen>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>


#include "commands/AnimationCommands.h"
#include "commands/GraphList.h"
#include "commands/Playback.h"
#include "commands/AviExportWindow.h"
#include "platform/VideoCompression.h"
#include "support/AviReadBack.h"
#include "support/WaitUntil.h"
#include "view/TestMainWindow.h"

namespace {

class AviCaptureTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    InstallGraphListCommands();
    InstallAnimationCommands();
    SetVideoOptionsChooser(&codecs);
  }
  void TearDown() override {
    SetVideoOptionsChooser(nullptr);
    MainWindowTest::TearDown();
  }
  ScriptedVideoOptionsChooser codecs;
  QTemporaryDir out;
};

TEST_F(AviCaptureTest, GeneratedFramesAreTheViewsPicturesAndBecomeTheVideo) {
  MainWindow& w = ShowSample("animation/2D/sinexp.crv", 900, 600);
  ASSERT_TRUE(ShownGraphs.Animation());
  const int32_t frames = FrameCount;
  ASSERT_GE(frames, 2);

  w.RunHandler("SaveAnimationAsAvi");
  AviExportWindow* avi = AviWindow();
  ASSERT_NE(avi, nullptr);
  avi->OnGenerateFrames();
  for (int i = 0; i < frames + 2 && ThePlayback().CaptureFrames(); ++i) ThePlayback().Tick();
  ASSERT_FALSE(ThePlayback().CaptureFrames());
  ASSERT_EQ(avi->FrameList()->count(), frames);

  const QImage first(QString::fromStdString(avi->FramePath(1)));
  const QImage second(QString::fromStdString(avi->FramePath(2)));
  const QImage view = w.ViewImage();
  ASSERT_FALSE(first.isNull());
  EXPECT_EQ(first.size(), view.size());
  EXPECT_EQ(second.size(), view.size());
  EXPECT_NE(first, second); // the curve has moved between the frames

  avi->OnAddAllFrames();
  const std::string target = out.filePath("sinexp.avi").toStdString();
  dialogs.files.answers.push_back(FileChoice{target, 1});
  codecs.answers.push_back(VideoOptions{VideoCodec::MotionJpeg, 75});
  avi->OnSaveAnimation();
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  const AviReadBack video = ReadVideoFile(target);
  ASSERT_TRUE(video.Opened);
  EXPECT_EQ(static_cast<int32_t>(video.Frames.size()), frames);
  EXPECT_EQ(video.Width, view.width());
  EXPECT_EQ(video.Height, view.height());
  EXPECT_EQ(video.RateNum, 5 * video.RateDen);
}

} // namespace

namespace {

// Generate Frames captures every frame whatever the player did before (a finished Reverse play,
// manual stepping), with the window's own timer.
TEST_F(AviCaptureTest, GenerateFramesWorksAfterEveryPlaybackCommand) {
  MainWindow& w = ShowSample("animation/2D/sinexp.crv", 600, 400);
  ASSERT_TRUE(ShownGraphs.Animation());
  FrameCount = 4;
  w.AnimationTimer()->setInterval(1);
  // A main window low on the screen: the export window still opens whole on the screen, as a
  // tool window of the main window, which keeps it in front.
  w.move(w.screen()->availableGeometry().bottomRight() - QPoint(300, 200));
  w.RunHandler("SaveAnimationAsAvi");
  AviExportWindow* avi = AviWindow();
  ASSERT_NE(avi, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(avi));
  EXPECT_TRUE(w.screen()->availableGeometry().contains(avi->frameGeometry()))
      << avi->frameGeometry().x() << "," << avi->frameGeometry().y();
  EXPECT_EQ(avi->parentWidget(), &w);
  EXPECT_EQ(avi->windowType(), Qt::Tool);
  for (const std::string before : {"PlayBackwardOnce", "ShowFirstFrame", "ShowNextFrame",
                                   "ShowPreviousFrame", "PlayForwardRepeatedly", "PauseAnimation"}) {
    w.RunHandler(before);
    if (before == "PlayBackwardOnce") {
      ASSERT_TRUE(
          WaitUntil([&] { return !w.AnimationTimer()->isActive(); }, "the Reverse play to end"));
    }
    avi->OnGenerateFrames();
    ASSERT_TRUE(WaitUntil([] { return !ThePlayback().CaptureFrames(); },
                          "the capture after " + before + " to end"));
    EXPECT_EQ(avi->FrameList()->count(), 4) << before;
    EXPECT_TRUE(dialogs.prompter.shown.empty()) << before;
  }
}

} // namespace
