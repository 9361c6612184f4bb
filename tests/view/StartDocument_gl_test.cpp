// A document named on the command line that takes long to sample (many frames): the window shows
// first, then the progress window of the opening comes up over it; Cancel there leaves an empty
// document and says so, and without Cancel the document opens whole.

#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "TestMainWindow.h"
#include "commands/GraphList.h"
#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "model/AxesSettings.h"
#include "platform/WorkProgress.h"
#include "support/WaitUntil.h"
#include "view/scene/GlView.h"

namespace {

class StartDocumentTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    InstallGraphListCommands();
    // Every look at the clock the progress windows read is 50 ms later, so that the window of
    // the opening comes up after its first steps, however fast the machine.
    SetWorkClock([this] { return now += 50; });
  }
  void TearDown() override {
    SetWorkClock({});
    MainWindowTest::TearDown();
  }
  int64_t now = 0;
};

// Looks for the progress window after every round of events until it is found (its own updates
// run the events while the opening goes on) and hands it to `found`.
void WhenProgressWindowIsUp(const std::function<void(QProgressDialog&)>& found) {
  QTimer::singleShot(0, [found] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* progress = qobject_cast<QProgressDialog*>(w); progress && progress->isVisible()) {
        found(*progress);
        return;
      }
    WhenProgressWindowIsUp(found);
  });
}

TEST_F(StartDocumentTest, TheWindowShowsFirstThenTheOpeningsProgressWindowWithCancel) {
  // The rippling surface of the animation samples with 300 frames.
  std::string problem;
  const auto sample = DocumentFile::Read(
      std::string(CORVALIN_SOURCE_DIR) + "/samples/animation/3D/wave.crv", &problem);
  ASSERT_TRUE(sample) << problem;
  std::string text = *sample;
  const std::string frames = " 0 6.283185 10 10 ";
  ASSERT_NE(text.find(frames), std::string::npos);
  text.replace(text.find(frames), frames.size(), " 0 6.283185 300 10 ");
  QTemporaryDir dir;
  const std::string path = dir.filePath("ripples.crv").toStdString();
  ASSERT_TRUE(DocumentFile::Write(path, text, &problem)) << problem;

  for (const bool cancel : {true, false}) {
    SCOPED_TRACE(cancel ? "Cancel" : "no Cancel");
    dialogs.prompter.shown.clear();
    MainWindow& w = Make(false);
    w.resize(600, 400);
    w.show();
    w.Form_Load(path, MainWindow::StartDocument::AfterFirstFrame);
    EXPECT_TRUE(w.StartDocumentPending()) << "the document waits for the window";
    EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
    bool opened = false;
    QObject::connect(&w, &MainWindow::StartDocumentOpened, [&opened] { opened = true; });
    std::string label;
    bool windowFirst = false;
    WhenProgressWindowIsUp([&](QProgressDialog& progress) {
      label = progress.labelText().toStdString();
      windowFirst = w.isVisible() && w.View()->Ready();
      if (cancel) progress.cancel();
    });
    ASSERT_TRUE(WaitUntil([&] { return opened; }, "the document to open", 60000));
    EXPECT_EQ(label, "Opening \"" + path + "\"...");
    EXPECT_TRUE(windowFirst) << "the main window was up with its view before the opening";
    if (cancel) {
      EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
      EXPECT_EQ(FrameCount, 10) << "the frame count of before";
      ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
      EXPECT_EQ(dialogs.prompter.shown[0].text,
                "The opening of \"" + path + "\" was cancelled: the document is empty.");
    } else {
      EXPECT_EQ(AllGraphs.FunSurfs.Count(), 1);
      EXPECT_EQ(FrameCount, 300);
      EXPECT_TRUE(dialogs.prompter.shown.empty());
    }
    window.reset();
    AllGraphs.FunSurfs.Clear();
    ShownGraphs.FunSurfs.Clear();
    ResetAnimationState();
  }
}

// A problem of a graph that sampling and every drawing meet again (a derivative too long to hold)
// is told once on opening, in the list of what could not be sampled, and not again by the drawings
// that follow; a change of the graph's settings makes it a new problem, told again.
TEST_F(StartDocumentTest, AGraphsProblemIsToldOnceThroughOpeningAndDrawing) {
  std::string powers = "x^0";
  for (int k = 1; k < 6000; ++k)
    powers += "+x^" + std::to_string(k);
  auto g = std::make_shared<Graph>();
  g->ID = 1;
  g->GraphType = Curve2D;
  g->CoordType = Cartesian2D;
  g->FunForm = Explicit;
  g->ExpressX = g->ExpressY = "x";
  g->ExpressZ = powers;
  g->StepV = 100;
  g->MinV = -1.0f;
  g->MaxV = 1.0f;
  g->ShowDev = true;
  GraphContainer shown;
  shown.FunSurfs.Add(g);
  AxesSettings axes;
  axes.SetDefault();
  QTemporaryDir dir;
  const std::string path = dir.filePath("long.crv").toStdString();
  std::string problem;
  ASSERT_TRUE(
      DocumentFile::Write(path, BuildDocumentText(DocumentType2D, shown, axes, {}), &problem))
      << problem;

  MainWindow& w = Make(false);
  w.resize(600, 400);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  w.Form_Load(path);
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  w.BuildScene();
  w.BuildScene();
  const std::string tooLong = "The derivative of graph 1 is too long (more than 65536 characters).";
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text,
            "Some graphs of the document could not be sampled:\n" + tooLong);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Warning");

  AllGraphs.FunSurfs.Item(1)->DevColor = 255;
  w.BuildScene();
  ASSERT_EQ(dialogs.prompter.shown.size(), 2u);
  EXPECT_EQ(dialogs.prompter.shown[1].text, tooLong);
  EXPECT_EQ(dialogs.prompter.shown[1].title, "Error");
  window.reset();
}

} // namespace
