// The AVI export window, driven without a timer: Generate Frames captures a normal play into frame
// files; the selected frames, in list order and with repeats, become an AVI that libavformat reads
// back at the speed of the box (limited to 1 .. 30); the frame files go only after a successful
// save or when the window closes. Refusals: no frames, no selection, a capture still running, a
// missing frame file, frames of different sizes; a cancelled file or codec choice and a failed or
// cancelled write leave no video and keep the frames.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/AnimationCommands.h"
#include "commands/AviExport.h"
#include "commands/Playback.h"
#include "commands/AviExportWindow.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "platform/VideoCompression.h"
#include "support/AviReadBack.h"
#include "support/ProgramStateReset.h"

namespace {

class RecordingHost : public PlaybackHost {
public:
  int32_t shown = 1;
  bool timer = false;
  void Present(int32_t frame) override { shown = frame; }
  void SetTimerEnabled(bool on) override { timer = on; }
};

// The colour of the upper half of the view while it shows a frame.
QRgb FrameColor(int32_t frame) {
  return qRgb((frame * 40) % 256, 255 - (frame * 40) % 256, frame % 2 ? 40 : 200);
}
const QRgb Ground = qRgb(250, 250, 250);

class AviExportTest : public ProgramStateTest {
protected:
  void SetUp() override {
    ProgramStateTest::SetUp();
    FrameCount = 5;
    SetVideoOptionsChooser(&codecs);
  }
  void TearDown() override {
    SetVideoOptionsChooser(nullptr);
    ProgramStateTest::TearDown();
  }

  // The view: upper half the frame's colour, lower half the ground; `grown` frames are larger.
  QImage Grab() {
    const int growth = host.shown >= growFrom ? 10 : 0;
    QImage image(41 + growth, 31, QImage::Format_RGB32);
    image.fill(Ground);
    for (int y = 0; y < image.height() / 2; ++y)
      for (int x = 0; x < image.width(); ++x)
        image.setPixel(x, y, FrameColor(host.shown));
    return image;
  }
  void Generate() {
    window.OnGenerateFrames();
    for (int i = 0; i < 20 && host.timer; ++i)
      player.Tick();
  }
  void SelectRow(QListWidget* list, int row) { list->setCurrentRow(row); }
  std::vector<std::string> Texts(QListWidget* list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list->count(); ++i)
      texts.push_back(list->item(i)->text().toStdString());
    return texts;
  }
  std::string Target(const char* name) { return out.filePath(name).toStdString(); }
  void ChooseFile(const std::string& path) { dialogs.files.answers.push_back(FileChoice{path, 1}); }
  bool FramesExist() {
    for (int32_t k = 1; k <= FrameCount; ++k)
      if (!QFile::exists(QString::fromStdString(window.FramePath(k)))) return false;
    return true;
  }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts;
    for (const auto& m : dialogs.prompter.shown)
      texts.push_back(m.text);
    return texts;
  }

  ScopedScriptedDialogs dialogs;
  ScriptedVideoOptionsChooser codecs;
  RecordingHost host;
  Playback player{host};
  int32_t growFrom = 1000;
  AviExportWindow window{player, [this] { return Grab(); }};
  QTemporaryDir out;
};

TEST_F(AviExportTest, SelectedFramesBecomeAnAviInListOrderAtTheLimitedSpeed) {
  Generate();
  EXPECT_EQ(Texts(window.FrameList()), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  ASSERT_TRUE(FramesExist());

  window.OnAddAllFrames(); // ">>": 1 .. 5
  SelectRow(window.SelectedFrameList(), 0);
  window.OnRemoveFrame(); // "Del" the first: 2 .. 5
  SelectRow(window.FrameList(), 1);
  window.OnAddFrame(); // ">" frame 2 once more, at the end
  EXPECT_EQ(Texts(window.SelectedFrameList()), (std::vector<std::string>{"2", "3", "4", "5", "2"}));
  window.SpeedField()->setText("45");
  ChooseFile(Target("spin"));
  codecs.answers.push_back(VideoOptions{VideoCodec::MotionJpeg, 90});
  window.OnSaveAnimation();
  EXPECT_TRUE(dialogs.prompter.shown.empty()) << Messages().front();
  ASSERT_EQ(dialogs.files.titles, std::vector<std::string>{"Choose a filename to save AVI to..."});

  const AviReadBack video = ReadVideoFile(Target("spin.avi"));
  ASSERT_TRUE(video.Opened);
  EXPECT_EQ(video.Codec, "mjpeg");
  EXPECT_EQ(video.Width, 41);
  EXPECT_EQ(video.Height, 31);
  EXPECT_EQ(video.RateNum, 30 * video.RateDen);
  ASSERT_EQ(video.Frames.size(), 5u);
  const std::vector<int32_t> order = {2, 3, 4, 5, 2};
  for (size_t i = 0; i < order.size(); ++i) {
    EXPECT_TRUE(NearColor(UpperColor(video.Frames[i]), FrameColor(order[i]), 24)) << i;
    EXPECT_TRUE(NearColor(LowerColor(video.Frames[i]), Ground, 24)) << i;
  }
  // The frames are gone after the save, and so are the lists that named them.
  EXPECT_EQ(window.FrameList()->count(), 0);
  EXPECT_EQ(window.SelectedFrameList()->count(), 0);
  EXPECT_EQ(window.FramePath(1), "");
}

TEST_F(AviExportTest, SpeedIsTheRoundedLeadingNumberLimitedToOneToThirty) {
  struct Case {
    const char* text;
    int32_t rate;
  };
  for (const Case& c : {Case{"5", 5}, Case{"abc", 1}, Case{"0", 1}, Case{"-4", 1}, Case{"45", 30},
                        Case{"100", 30}, Case{"2.5", 2}, Case{"3.5", 4}, Case{" 12 fps", 12}})
    EXPECT_EQ(AviFrameRate(c.text), c.rate) << c.text;
}

TEST_F(AviExportTest, SavingIsRefusedWithoutFramesSelectionOrAFinishedCapture) {
  window.OnSaveAnimation();
  window.OnGenerateFrames(); // the capture runs ...
  player.Tick();
  window.OnSaveAnimation(); // ... and saving waits for it
  for (int i = 0; i < 20 && host.timer; ++i)
    player.Tick();
  window.OnSaveAnimation();
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Generate animation frames first.",
                            "The frames are still being generated. Wait until they are complete, "
                            "or cancel them.",
                            "Select some frames first."}));
  EXPECT_TRUE(dialogs.files.titles.empty());

  // ">" without a current row adds nothing; generating again lists each frame once.
  window.FrameList()->setCurrentRow(-1);
  window.OnAddFrame();
  EXPECT_EQ(window.SelectedFrameList()->count(), 0);
  Generate();
  EXPECT_EQ(Texts(window.FrameList()), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

TEST_F(AviExportTest, AMissingFrameFileOrFramesOfDifferentSizesAreRefusedBeforeAnythingIsAsked) {
  Generate();
  window.OnAddAllFrames();
  QFile::remove(QString::fromStdString(window.FramePath(3)));
  window.OnSaveAnimation();
  ASSERT_EQ(Messages(), std::vector<std::string>{"File does not exist:\n" + window.FramePath(3)});

  dialogs.prompter.shown.clear();
  growFrom = 4; // the view grew while frames 4 and 5 were captured
  Generate();
  window.OnSaveAnimation();
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text,
            "The selected frames differ in size: the view was resized while they were generated. "
            "Generate the frames again.");
  EXPECT_TRUE(dialogs.files.titles.empty());
  EXPECT_EQ(codecs.asked, 0);
}

TEST_F(AviExportTest, CancelledChoicesAndFailedWritesLeaveNoVideoAndKeepTheFrames) {
  Generate();
  window.OnAddAllFrames();
  window.OnSaveAnimation(); // the file dialog is cancelled
  ChooseFile(Target("cancelled.avi"));
  window.OnSaveAnimation(); // the codec choice is cancelled
  ChooseFile(out.filePath("no/such/folder/failed.avi").toStdString());
  codecs.answers.push_back(VideoOptions{});
  window.OnSaveAnimation(); // the file cannot be made
  EXPECT_EQ(codecs.asked, 2);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Target("cancelled.avi"))));
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text.rfind("There was an error writing the file.\n", 0), 0u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Corvalin");
  EXPECT_TRUE(FramesExist());
  EXPECT_EQ(window.SelectedFrameList()->count(), 5);

  // Closing the window deletes the frame files.
  const std::string first = window.FramePath(1);
  window.close();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(first)));
  EXPECT_EQ(window.FrameList()->count(), 0);
}

TEST_F(AviExportTest, ACancelledWriteRemovesItsFileAndKeepsAnOlderOneOfTheSameName) {
  Generate();
  std::vector<std::string> frames;
  for (int32_t k = 1; k <= FrameCount; ++k)
    frames.push_back(window.FramePath(k));
  const QString target = QString::fromStdString(Target("old.avi"));
  {
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older video");
  }
  std::string error;
  const AviOutcome outcome = WriteAviFile(
      target.toStdString(), frames, 5, VideoOptions{VideoCodec::Mpeg4, 50},
      [](int32_t done, int32_t) { return done < 2; }, error);
  EXPECT_EQ(outcome, AviOutcome::Cancelled);
  QFile old(target);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "an older video");
  EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// An export killed mid-way leaves its hidden partial video; the next export into that target
// removes it, and nothing else of the folder.
TEST_F(AviExportTest, AnExportRemovesWhatAKilledExportOfTheSameTargetLeft) {
  Generate();
  std::vector<std::string> frames;
  for (int32_t k = 1; k <= FrameCount; ++k)
    frames.push_back(window.FramePath(k));
  struct Entry {
    const char* name;
    bool removed;
  } entries[] = {
      {".clip.avi.Ab12Cd", true},   {".clip.avi.x9Y8z7", true},  {".clip.avi.Ab12C", false},
      {".clip.avi.Ab12Cde", false}, {".clip.avi.Ab-2Cd", false}, {".other.avi.Ab12Cd", false},
      {"clip.avi.Ab12Cd", false},   {"x.clip.avi.Ab12Cd", false},
  };
  for (const Entry& e : entries) {
    QFile f(out.filePath(e.name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("partial");
  }
  ASSERT_TRUE(QDir(out.path()).mkdir(".clip.avi.Folder")); // not a file: kept
  std::string error;
  EXPECT_EQ(WriteAviFile(Target("clip.avi"), frames, 5, VideoOptions{VideoCodec::Mpeg4, 50},
                         nullptr, error),
            AviOutcome::Written)
      << error;
  for (const Entry& e : entries)
    EXPECT_EQ(QFile::exists(out.filePath(e.name)), !e.removed) << e.name;
  EXPECT_TRUE(QFileInfo(out.filePath(".clip.avi.Folder")).isDir());
  EXPECT_TRUE(QFile::exists(out.filePath("clip.avi")));
}

TEST(AviExportWindowPlace, OnTheScreenNearItsOwner) {
  const QRect screen(0, 0, 1600, 1200);
  const QSize size(626, 290);
  struct Case {
    const char* what;
    QRect owner;
    QPoint place;
  } cases[] = {
      {"inside the owner's top-right corner", {100, 50, 1200, 900}, {1300 - 626 - 24, 50 + 72}},
      {"an owner low on the screen: moved up", {974, 925, 800, 600}, {1600 - 626, 1200 - 290}},
      {"an owner beyond the left edge", {-900, 100, 800, 600}, {0, 172}},
      {"an owner above the screen", {200, -700, 800, 600}, {200 + 800 - 626 - 24, 0}},
  };
  for (const Case& c : cases) {
    const QPoint p = ToolWindowPlace(c.owner, size, screen);
    EXPECT_EQ(p, c.place) << c.what;
    EXPECT_TRUE(screen.contains(QRect(p, size))) << c.what;
  }
  // A window larger than the screen starts at its top-left corner, so its title stays reachable.
  EXPECT_EQ(ToolWindowPlace({0, 0, 800, 600}, QSize(2000, 1500), QRect(10, 20, 1600, 1200)),
            QPoint(10, 20));
}

TEST_F(AviExportTest, TheWindowOpensOnlyForAnimatedGraphs) {
  ShownGraphs.FunSurfs.Clear();
  SaveAnimationAsAvi();
  EXPECT_EQ(AviWindow(), nullptr);
}

} // namespace
