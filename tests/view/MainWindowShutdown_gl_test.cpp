// Closing the main window: with graphs it offers to save them; No closes, Yes saves and closes,
// and Yes followed by a cancelled save keeps the window (and the graphs) open. Other windows are
// closed first.

#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

#include "TestMainWindow.h"

namespace {

class ShutdownTest : public MainWindowTest {
protected:
  // The loaded window on screen, with the messages of its start-up forgotten.
  MainWindow& Shown() {
    MainWindow& w = Make();
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    dialogs.prompter.shown.clear();
    dialogs.prompter.answers.clear();
    return w;
  }
};

const char* const Question = "Do you want to save the graphs?";

} // namespace

TEST_F(ShutdownTest, EmptyDocumentClosesWithoutQuestion) {
  MainWindow& w = Shown();
  EXPECT_TRUE(w.close());
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  EXPECT_FALSE(w.isVisible());
}

TEST_F(ShutdownTest, AnswersToTheSaveQuestion) {
  struct Row {
    const char* what;
    MsgResult answer;
    std::optional<FileChoice> saveDialog; // what the save dialog returns
    bool closes;
    int saveDialogs;
  };
  const std::string file = (xdg.path() + "/saved.crv").toStdString();
  const Row rows[] = {
      {"No", MsgResult::No, std::nullopt, true, 0},
      {"Yes with a save", MsgResult::Yes, FileChoice{file, 1}, true, 1},
      {"Yes with a cancelled save", MsgResult::Yes, std::nullopt, false, 1},
      {"Yes with a failed save", MsgResult::Yes, FileChoice{"/proc/no/such/folder/x.crv", 1}, false,
       1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    MainWindow& w = Shown();
    dialogs.prompter.answers = {r.answer};
    dialogs.files.titles.clear();
    dialogs.files.answers = {r.saveDialog};
    // A graph that is not shown still counts.
    AddGraph(PointMarker, false);
    EXPECT_EQ(w.close(), r.closes);
    ASSERT_GE(dialogs.prompter.shown.size(), 1u);
    const ShownMessage& q = dialogs.prompter.shown[0];
    EXPECT_EQ(q.text, Question);
    EXPECT_EQ(q.title, "Note");
    EXPECT_EQ(q.buttons, MsgButtons::YesNo);
    EXPECT_EQ(q.icon, MsgIcon::Exclamation);
    EXPECT_EQ(static_cast<int>(dialogs.files.titles.size()), r.saveDialogs);
    EXPECT_EQ(w.isVisible(), !r.closes);
    EXPECT_EQ(AllGraphs.FunSurfs.Count(), 1);
    if (!r.closes) {
      // The document is still there: closing again, with No, ends the program.
      dialogs.prompter.answers = {MsgResult::No};
      EXPECT_TRUE(w.close());
    }
    window.reset();
    AllGraphs.FunSurfs.Clear();
  }
  EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
}

TEST_F(ShutdownTest, OtherWindowsCloseFirst) {
  MainWindow& w = Shown();
  QDialog other;
  other.setWindowTitle("other");
  other.show();
  ASSERT_TRUE(other.isVisible());
  EXPECT_TRUE(w.close());
  EXPECT_FALSE(other.isVisible());
}

TEST_F(ShutdownTest, ExitClosesTheWindow) {
  MainWindow& w = Shown();
  w.MenuItem("mnuFileExit")->trigger();
  EXPECT_FALSE(w.isVisible());
}
