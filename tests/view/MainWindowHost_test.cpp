// The main window as the host of the document commands: the graph list's rows and their check
// events, the playback commands, the drag modes, the trackball switch, and Delete All until the
// graph list's own removal is installed.

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/ShownText.h"
#include "render/common/ResultBox.h"
#include "view/scene/GlView.h"
#include "view/scene/Scene.h"

#include "TestMainWindow.h"

using HostTest = MainWindowTest;

TEST_F(HostTest, ListRowsAndTheirCheckEvents) {
  MainWindow& w = Make(false);
  int& checks = Count("OnGraphListCheck");
  w.AddListRow("Point  x=1, y=2");
  w.AddListRow("second");
  EXPECT_EQ(w.GraphList()->count(), 2);
  EXPECT_EQ(w.GraphList()->item(0)->text(), "Point  x=1, y=2");
  EXPECT_EQ(w.GraphList()->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(checks, 0); // adding a row is no check event
  w.SetListRowChecked(1, true);
  EXPECT_EQ(w.GraphList()->item(1)->checkState(), Qt::Checked);
  EXPECT_EQ(checks, 1);
  // Checking a checked row raises the event again; unchecking too.
  w.SetListRowChecked(1, true);
  EXPECT_EQ(checks, 2);
  w.SetListRowChecked(1, false);
  EXPECT_EQ(checks, 3);
  // The user's click on a check box is a check event as well.
  w.GraphList()->item(0)->setCheckState(Qt::Checked);
  EXPECT_EQ(checks, 4);
  EXPECT_THROW(w.SetListRowChecked(2, true), std::out_of_range);
  EXPECT_THROW(w.SetListRowChecked(-1, true), std::out_of_range);
}

TEST_F(HostTest, CheckingAllRowsRaisesOneCheckEvent) {
  // A document's rows are checked together: one walk of the graphs, one scene build.
  MainWindow& w = Make(false);
  int& checks = Count("OnGraphListCheck");
  for (int i = 0; i < 3; ++i)
    w.AddListRow("row");
  w.CheckAllListRows(0);
  EXPECT_EQ(checks, 0);
  w.CheckAllListRows(3);
  EXPECT_EQ(checks, 1);
  for (int row = 0; row < 3; ++row)
    EXPECT_EQ(w.GraphList()->item(row)->checkState(), Qt::Checked);
  // The marks set together are the list's own: clearing one afterwards is a check event.
  w.GraphList()->item(2)->setCheckState(Qt::Unchecked);
  EXPECT_EQ(checks, 2);
}

TEST_F(HostTest, PlaybackCommandsAreEnabled) {
  MainWindow& w = Make(false);
  // The main toolbar's playback buttons, Start to Reverse Repeat.
  for (int i = 33; i <= 43; ++i)
    w.Button(MainToolbar, i)->setEnabled(false);
  w.MenuItem("mnuAniStartb")->setEnabled(false);
  w.MenuItem("mnuAniRevRepeat")->setEnabled(false);
  w.EnableAnimationCommands();
  for (int i = 33; i <= 43; ++i)
    EXPECT_TRUE(w.Button(MainToolbar, i)->isEnabled()) << i;
  EXPECT_TRUE(w.MenuItem("mnuAniStartb")->isEnabled());
  EXPECT_TRUE(w.MenuItem("mnuAniRevRepeat")->isEnabled());
}

TEST_F(HostTest, EnableCommandsGoesToTheInstalledAvailability) {
  MainWindow& w = Make(false);
  int kind = 0;
  w.EnableCommands(DocumentType3D); // nothing installed: nothing happens
  MainWindowCommands::SetEnableCommands([&](int32_t k) { kind = k; });
  w.EnableCommands(DocumentType3D);
  EXPECT_EQ(kind, DocumentType3D);
}

TEST_F(HostTest, SwitchesOfTheView) {
  MainWindow& w = Make(false);
  ZoomActive = true;
  w.DragModesOff();
  EXPECT_FALSE(ZoomActive || MoveActive || RotateActive);
  w.SetUseTrackballRotation(true);
  EXPECT_TRUE(w.View()->TheScene().UseTrackballRotation);
  w.SetAnimationOptionsTexts(20, 5);
  EXPECT_EQ(w.AnimationOptionsFrameCount, 20);
  EXPECT_EQ(w.AnimationOptionsFramesPerSecond, 5);
}

TEST_F(HostTest, DeleteAllRunsTheGraphListsRemoval) {
  // Removing every graph belongs to the graph list's commands (tested with them); the window's
  // Delete All and the document commands' removal both run it.
  MainWindow& w = Make(false);
  int removed = 0;
  MainWindowCommands::SetRemoveAllGraphs([&] { ++removed; });
  w.MenuItem("mnuGraphDelAll")->trigger();
  w.RemoveAllGraphs();
  EXPECT_EQ(removed, 2);
}

TEST_F(HostTest, ReportAndListShowAVeryLongLineCutShort) {
  // A formula of a megabyte in the report and the list: the widgets get its beginning, so the
  // window answers at once; the report text itself stays whole.
  MainWindow& w = Make(false);
  const std::string formula(1 << 20, 'x');
  w.AddListRow("y=" + formula);
  const QString row = w.GraphList()->item(0)->text();
  EXPECT_EQ(row.size(), static_cast<qsizetype>(MaxShownLineChars + 3));
  EXPECT_TRUE(row.startsWith("y=xxx"));
  EXPECT_TRUE(row.endsWith("x..."));

  const std::string text = "Function y=" + formula + "\r\n    Root: x=1,y=0\r\n";
  ResultBox::Set(text);
  const QString report = w.Result()->toPlainText();
  EXPECT_EQ(report,
            QString::fromStdString("Function y=" + formula.substr(0, MaxShownLineChars - 11) +
                                   "...\n    Root: x=1,y=0\n"));
  EXPECT_EQ(ResultBox::Text(), text);
  ResultBox::Clear();
}
