// The graph list: check events keep ShownGraphs in step with the boxes (re-checked graphs go to the
// end and are sampled again, tables and vectors are not), each event builds and presents once;
// Delete, Cut, Copy and Delete All act on the current row; and the same through the main window,
// driven with Qt Test: the boxes, the pop-up menu, the toolbar and the Edit menu.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "commands/CommandAvailability.h"
#include "commands/GraphList.h"
#include "document/DocumentText.h"
#include "document/RecordingHost.h"
#include "document/RemovalTestHost.h"
#include "platform/Prompter.h"
#include "view/window/MainWindow.h"
#include "view/window/MainWindowCommands.h"

namespace {

class GraphListTest : public ProgramStateTest {
protected:
  void SetUp() override {
    ProgramStateTest::SetUp();
    CurrentFrame = 2;
    QGuiApplication::clipboard()->setText("before");
  }
  void TearDown() override {
    QGuiApplication::clipboard()->clear();
    ProgramStateTest::TearDown();
  }

  // Graphs 1 (2D curve), 2 (surface), 3 (2D curve), 4 (2D table), 5 (vector), all shown.
  void FiveGraphs() {
    host.AddGraph(1, Curve2D);
    host.AddGraph(2, Surface3D);
    host.AddGraph(3, Curve2D);
    host.AddGraph(4, Table2D);
    host.AddGraph(5, Vector);
  }

  ListTestHost host;
};

TEST_F(GraphListTest, CheckSequences) {
  struct Step {
    int32_t row;
    bool checked;
  };
  struct Row {
    const char* what;
    std::vector<Step> steps;
    std::vector<int32_t> shown, sampled;
  };
  const Row rows[] = {
      {"unchecking hides", {{0, false}}, {2, 3, 4, 5}, {}},
      {"checking again samples and moves to the end",
       {{0, false}, {0, true}},
       {2, 3, 4, 5, 1},
       {1}},
      {"a table and a vector are shown again without sampling",
       {{3, false}, {4, false}, {4, true}, {3, true}},
       {1, 2, 3, 5, 4},
       {}},
      {"checking a checked row changes nothing", {{1, true}, {1, true}}, {1, 2, 3, 4, 5}, {}},
      {"unchecking an unchecked row changes nothing", {{2, false}, {2, false}}, {1, 2, 4, 5}, {}},
      {"re-checked graphs follow in the order they are checked",
       {{0, false}, {2, false}, {1, false}, {2, true}, {0, true}, {1, true}},
       {4, 5, 3, 1, 2},
       {3, 1, 2}},
      {"everything off and on again from the last row",
       {{0, false},
        {1, false},
        {2, false},
        {3, false},
        {4, false},
        {4, true},
        {3, true},
        {2, true},
        {1, true},
        {0, true}},
       {5, 4, 3, 2, 1},
       {3, 2, 1}},
  };
  for (const Row& row : rows) {
    ResetProgramState();
    CurrentFrame = 2;
    host = ListTestHost();
    FiveGraphs();
    for (const Step& step : row.steps)
      host.SetListRowChecked(step.row, step.checked);
    EXPECT_EQ(IdsOf(ShownGraphs), row.shown) << row.what;
    EXPECT_EQ(host.sampled, row.sampled) << row.what;
    // One build and one presentation of CurrentFrame per event, also when nothing changed.
    EXPECT_EQ(host.builds, static_cast<int>(row.steps.size())) << row.what;
    EXPECT_EQ(host.log.back(), "Display 2") << row.what;
    EXPECT_EQ(IdsOf(AllGraphs), (std::vector<int32_t>{1, 2, 3, 4, 5})) << row.what;
  }
}

TEST_F(GraphListTest, OneEventBringsTheWholeListInStep) {
  FiveGraphs();
  // Boxes changed without events (as several clicks before the list reports them): the next event
  // walks every row in row order.
  host.rows[0].checked = false;
  host.rows[2].checked = false;
  host.rows[4].checked = false;
  OnGraphListCheck(host);
  EXPECT_EQ(IdsOf(ShownGraphs), (std::vector<int32_t>{2, 4}));
  host.rows[4].checked = true;
  host.rows[2].checked = true;
  host.rows[0].checked = true;
  host.ClearLog();
  OnGraphListCheck(host);
  EXPECT_EQ(IdsOf(ShownGraphs), (std::vector<int32_t>{2, 4, 1, 3, 5}));
  const std::vector<std::string> expected = {"Sample 1", "Sample 3", "BuildScene", "Display 2"};
  EXPECT_EQ(host.log, expected);
  EXPECT_TRUE(IsGraphShown(5));
  EXPECT_FALSE(IsGraphShown(6));
}

TEST_F(GraphListTest, CheckingEveryRowAtOnceShowsWhatCheckingThemOneByOneShows) {
  // As a document has just been read: every graph shown, every row still clear. Checked one by
  // one, the first event hides the later graphs and the next ones show them again in row order;
  // checked all at once, one event leaves them as they are: the same graphs in the same order.
  std::vector<int32_t> shown[2];
  for (const bool atOnce : {false, true}) {
    ResetProgramState();
    host = ListTestHost();
    FiveGraphs();
    for (auto& row : host.rows)
      row.checked = false;
    if (atOnce) {
      for (auto& row : host.rows)
        row.checked = true;
      OnGraphListCheck(host);
      EXPECT_EQ(host.builds, 1);
      EXPECT_TRUE(host.sampled.empty());
    } else {
      for (int32_t row = 0; row < 5; ++row)
        host.SetListRowChecked(row, true);
    }
    shown[atOnce] = IdsOf(ShownGraphs);
  }
  EXPECT_EQ(shown[0], shown[1]);
  EXPECT_EQ(shown[1], (std::vector<int32_t>{1, 2, 3, 4, 5}));
}

TEST_F(GraphListTest, AGraphWithoutARowIsLeftAlone) {
  FiveGraphs();
  host.rows.pop_back(); // graph 5 has no row (yet)
  host.rows[0].checked = false;
  OnGraphListCheck(host);
  EXPECT_EQ(IdsOf(ShownGraphs), (std::vector<int32_t>{2, 3, 4, 5}));
}

TEST_F(GraphListTest, GraphsRemovedWhileAGraphIsSampledEndTheWalk) {
  // A message box of the sampling lets other events run; here one removes every graph.
  struct RemovingHost : ListTestHost {
    void SampleGraph(Graph& graph) override {
      ListTestHost::SampleGraph(graph);
      RemoveAllGraphs(*this);
    }
  } removing;
  removing.AddGraph(1, Curve2D, false);
  removing.AddGraph(2, Curve2D, false);
  removing.rows[0].checked = removing.rows[1].checked = true;
  EXPECT_NO_THROW(OnGraphListCheck(removing));
  EXPECT_EQ(removing.sampled, std::vector<int32_t>{1});
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
  EXPECT_EQ(removing.log.back(), "Display 2");
}

TEST_F(GraphListTest, DeleteCutAndCopyActOnTheCurrentRow) {
  struct Row {
    const char* what;
    void (*command)(GraphListHost&);
    int32_t current;
    bool copies;
    std::vector<int32_t> all, shown;
  };
  const Row rows[] = {
      {"Delete", DeleteSelectedGraph, 1, false, {1, 3}, {1}},
      {"pop-up Delete", ListPopupDeleteGraph, 0, false, {2, 3}, {}},
      {"Cut of a hidden graph copies it first", CutSelectedGraph, 2, true, {1, 2}, {1}},
      {"pop-up Cut", ListPopupCutGraph, 0, true, {2, 3}, {}},
      {"Copy", CopySelectedGraph, 2, true, {1, 2, 3}, {1}},
      {"pop-up Copy", ListPopupCopyGraph, 1, true, {1, 2, 3}, {1}},
      // Without a current row all of them do nothing.
      {"Delete without a row", DeleteSelectedGraph, -1, false, {1, 2, 3}, {1}},
      {"Cut without a row", CutSelectedGraph, -1, false, {1, 2, 3}, {1}},
      {"pop-up Cut without a row", ListPopupCutGraph, -1, false, {1, 2, 3}, {1}},
      {"pop-up Delete without a row", ListPopupDeleteGraph, -1, false, {1, 2, 3}, {1}},
      {"Copy without a row", CopySelectedGraph, -1, false, {1, 2, 3}, {1}},
  };
  for (const Row& row : rows) {
    ResetProgramState();
    host = ListTestHost();
    QGuiApplication::clipboard()->setText("before");
    host.AddGraph(1);
    host.AddGraph(2, Curve2D, false);
    host.AddGraph(3, Table2D, false);
    AllGraphs.FunSurfs.Item(3)->StepV = 1;
    const std::string expectedText =
        row.copies ? ClipboardGraphText(*AllGraphs.FunSurfs.Item(row.current + 1), DocumentType)
                   : "before";
    host.current = row.current;
    row.command(host);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), expectedText) << row.what;
    EXPECT_EQ(ClipboardGraphCount, row.copies ? 1 : 0) << row.what;
    EXPECT_EQ(IdsOf(AllGraphs), row.all) << row.what;
    EXPECT_EQ(IdsOf(ShownGraphs), row.shown) << row.what;
    ASSERT_EQ(host.ListCount(), static_cast<int32_t>(row.all.size())) << row.what;
    for (size_t i = 0; i < row.all.size(); ++i)
      EXPECT_EQ(host.rows[i].caption, "g" + std::to_string(row.all[i])) << row.what;
    const bool removed = row.all.size() < 3;
    EXPECT_EQ(host.builds, removed ? 1 : 0) << row.what;
  }
}

TEST_F(GraphListTest, CutRemovesNothingThatWasNotCopied) {
  host.AddGraph(1);
  host.AddGraph(2, OdeSolution); // a kind that has no clipboard text
  host.current = 1;
  CutSelectedGraph(host);
  ListPopupCutGraph(host);
  EXPECT_EQ(IdsOf(AllGraphs), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
  EXPECT_TRUE(host.log.empty());
}

TEST_F(GraphListTest, DeleteAllRemovesEveryGraphWithoutAQuestion) {
  ScopedScriptedDialogs dialogs;
  FiveGraphs();
  host.current = 3;
  DeleteAllGraphs(host);
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
  EXPECT_EQ(ShownGraphs.FunSurfs.Count(), 0);
  EXPECT_EQ(host.ListCount(), 0);
  EXPECT_EQ(GraphIdCounter, 0);
  EXPECT_EQ(host.builds, 1);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
}

// The main window with the graph commands installed, shown on the offscreen platform.
class GraphListWindow : public ProgramStateTest {
protected:
  void SetUp() override {
    ProgramStateTest::SetUp();
    MainWindowCommands::Clear();
    InstallGraphListCommands();
    InstallCommandAvailability();
    window = std::make_unique<MainWindow>();
    // Laid out as on screen, but not put on the offscreen screen, which has no OpenGL for the view.
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    list = window->GraphList();
    QGuiApplication::clipboard()->setText("before");
  }
  void TearDown() override {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    window.reset();
    MainWindowCommands::Clear();
    QGuiApplication::clipboard()->clear();
    ProgramStateTest::TearDown();
  }

  // Points at (id, 0) in the document with unchecked rows, not shown.
  void AddPoints(int count) {
    for (int32_t id = 1; id <= count; ++id) {
      auto g = std::make_shared<Graph>();
      g->GraphType = PointMarker;
      g->CoordType = Cartesian2D;
      g->ExpressX = "0";
      g->ExpressY = std::to_string(id);
      g->ExpressZ = "0";
      g->ID = id;
      AllGraphs.FunSurfs.Add(g);
      window->AddListRow("g" + std::to_string(id));
    }
    GraphIdCounter = count;
  }

  // The centre of a row's check box, in the list's viewport.
  QPoint CheckBoxOf(int row) {
    QListWidgetItem* item = list->item(row);
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.rect = list->visualItemRect(item);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = item->text();
    option.checkState = item->checkState();
    option.widget = list;
    return list->style()
        ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list)
        .center();
  }

  // Opens the list's pop-up menu with a right click on a row and returns it.
  QMenu* RightClick(int row) {
    QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                      list->visualItemRect(list->item(row)).center());
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }

  // Clicks the item of the pop-up menu with that caption.
  void Choose(QMenu* menu, const QString& caption) {
    for (QAction* action : menu->actions()) {
      if (action->text() != caption) continue;
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
      return;
    }
    ADD_FAILURE() << "no item " << caption.toStdString();
  }

  ScopedScriptedDialogs dialogs; // no test blocks on a message box
  std::unique_ptr<MainWindow> window;
  QListWidget* list = nullptr;
};

TEST_F(GraphListWindow, CheckBoxesShowAndHideGraphs) {
  AddPoints(3);
  // Clicks on the boxes of rows 0, 2 and 1, then the keyboard on row 0 (off and on again).
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CheckBoxOf(0));
  EXPECT_EQ(IdsOf(ShownGraphs), std::vector<int32_t>{1});
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CheckBoxOf(2));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, CheckBoxOf(1));
  EXPECT_EQ(IdsOf(ShownGraphs), (std::vector<int32_t>{1, 3, 2}));
  EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);

  list->setFocus();
  list->setCurrentRow(0);
  QTest::keyClick(list, Qt::Key_Space);
  EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
  EXPECT_EQ(IdsOf(ShownGraphs), (std::vector<int32_t>{3, 2}));
  QTest::keyClick(list, Qt::Key_Space);
  EXPECT_EQ(IdsOf(ShownGraphs), (std::vector<int32_t>{3, 2, 1}));
  // The graph shown again was sampled.
  EXPECT_TRUE(AllGraphs.FunSurfs.Item(1)->Vert3D.HasPoints());
  EXPECT_TRUE(dialogs.prompter.shown.empty());
}

TEST_F(GraphListWindow, ThePopUpMenuActsOnTheRowClicked) {
  AddPoints(3);
  for (int row = 0; row < 3; ++row)
    window->SetListRowChecked(row, true);
  std::vector<int> editedRows;
  MainWindowCommands::Set("EditGraph",
                          [this, &editedRows] { editedRows.push_back(list->currentRow()); });
  list->setCurrentRow(1);

  QMenu* menu = RightClick(0);
  ASSERT_NE(menu, nullptr);
  std::vector<std::string> captions;
  for (const QAction* a : menu->actions())
    if (!a->isSeparator()) captions.push_back(a->text().toStdString());
  EXPECT_EQ(captions, (std::vector<std::string>{"Edit...", "Cut", "Copy", "Delete"}));
  EXPECT_EQ(list->currentRow(), 0) << "the row clicked becomes current";
  Choose(menu, "Edit...");
  EXPECT_EQ(editedRows, std::vector<int>{0});

  list->setCurrentRow(2);
  Choose(RightClick(1), "Copy");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            ClipboardGraphText(*AllGraphs.FunSurfs.Item(2), DocumentType));
  EXPECT_EQ(ClipboardGraphCount, 1);
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 3);

  QGuiApplication::clipboard()->setText("before");
  const std::string thirdText = ClipboardGraphText(*AllGraphs.FunSurfs.Item(3), DocumentType);
  list->setCurrentRow(0);
  Choose(RightClick(2), "Cut");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), thirdText);
  EXPECT_EQ(IdsOf(AllGraphs), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(IdsOf(ShownGraphs), (std::vector<int32_t>{1, 2}));
  ASSERT_EQ(list->count(), 2);

  list->setCurrentRow(0);
  Choose(RightClick(1), "Delete");
  EXPECT_EQ(IdsOf(AllGraphs), std::vector<int32_t>{1});
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), "g1");

  // A click below the rows keeps the current row; with none the pop-up's commands do nothing.
  list->setCurrentRow(-1);
  QGuiApplication::clipboard()->setText("kept");
  const QPoint belowTheRows(list->visualItemRect(list->item(0)).center().x(),
                            list->viewport()->height() - 2);
  ASSERT_EQ(list->itemAt(belowTheRows), nullptr);
  for (const char* caption : {"Copy", "Cut", "Delete"}) {
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, belowTheRows);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    Choose(menu, caption);
  }
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_EQ(IdsOf(AllGraphs), std::vector<int32_t>{1});
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
}

TEST_F(GraphListWindow, ToolbarAndEditMenu) {
  AddPoints(3);
  window->SetListRowChecked(0, true);
  window->SetListRowChecked(2, true);
  // Copy and Paste: the pasted graph takes the next ID and the check state of the current row.
  list->setCurrentRow(1); // unchecked
  window->MenuItem("mnuEditCopy")->trigger();
  window->Button(MainToolbar, "barPaste")->trigger();
  EXPECT_EQ(IdsOf(AllGraphs), (std::vector<int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(IdsOf(ShownGraphs), (std::vector<int32_t>{1, 3}));
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->item(3)->checkState(), Qt::Unchecked);
  list->setCurrentRow(0); // checked
  window->MenuItem("mnuEditPaste")->trigger();
  EXPECT_EQ(IdsOf(ShownGraphs), (std::vector<int32_t>{1, 3, 5}));
  EXPECT_EQ(list->item(4)->checkState(), Qt::Checked);

  // Cut and Delete of the main toolbar act on the current row.
  list->setCurrentRow(2);
  window->Button(MainToolbar, "barCut")->trigger();
  EXPECT_EQ(IdsOf(AllGraphs), (std::vector<int32_t>{1, 2, 4, 5}));
  list->setCurrentRow(0);
  window->Button(MainToolbar, "varDel")->trigger();
  EXPECT_EQ(IdsOf(AllGraphs), (std::vector<int32_t>{2, 4, 5}));
  EXPECT_EQ(IdsOf(ShownGraphs), std::vector<int32_t>{5});
  ASSERT_EQ(list->count(), 3);
  for (int row = 0; row < 3; ++row)
    EXPECT_EQ(list->item(row)->checkState() == Qt::Checked,
              IsGraphShown(AllGraphs.FunSurfs.Item(row + 1)->ID))
        << row;

  // Delete All from the Edit menu, and the removal of all graphs that File New and the view's
  // pop-up run.
  window->MenuItem("mnuEditDelAll")->trigger();
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(GraphIdCounter, 0);
  AddPoints(2);
  window->RemoveAllGraphs();
  EXPECT_EQ(list->count(), 0);
  AddPoints(1);
  window->MenuItem("mnuGraphDelAll")->trigger();
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
  EXPECT_EQ(list->count(), 0);
}

// The playback commands are on exactly while a shown graph is animated, whichever command changed
// the shown graphs.
TEST_F(GraphListWindow, PlaybackFollowsTheShownGraphsOnEveryPath) {
  struct Path {
    const char* what;
    std::function<void()> act;
    bool playback;
  };
  const Path paths[] = {
      {"unchecking it", [this] { window->SetListRowChecked(0, false); }, false},
      {"Delete", [this] { window->MenuItem("mnuEditDelete")->trigger(); }, false},
      {"Cut", [this] { window->Button(MainToolbar, "barCut")->trigger(); }, false},
      {"pop-up Delete", [this] { Choose(RightClick(0), "Delete"); }, false},
      {"Delete All", [this] { window->MenuItem("mnuEditDelAll")->trigger(); }, false},
      {"File New",
       [this] {
         dialogs.prompter.answers.push_back(MsgResult::No); // do not save
         window->New2DDocument();
       },
       false},
      {"Delete of the still graph",
       [this] {
         list->setCurrentRow(1);
         window->MenuItem("mnuEditDelete")->trigger();
       },
       true},
      {"Copy, Delete and Paste",
       [this] {
         window->MenuItem("mnuEditCopy")->trigger();
         window->MenuItem("mnuEditDelete")->trigger();
         window->MenuItem("mnuEditPaste")->trigger();
       },
       true},
  };
  for (const Path& path : paths) {
    window->RemoveAllGraphs();
    AddPoints(2);
    AllGraphs.FunSurfs.Item(1)->Animation = true;
    window->SetListRowChecked(1, true);
    EXPECT_FALSE(window->Button(MainToolbar, "barAnimStart")->isEnabled())
        << path.what << ": a still graph";
    window->SetListRowChecked(0, true);
    ASSERT_TRUE(window->Button(MainToolbar, "barAnimStart")->isEnabled())
        << path.what << ": an animated graph";
    list->setCurrentRow(0);
    path.act();
    EXPECT_EQ(window->Button(MainToolbar, "barAnimStart")->isEnabled(), path.playback) << path.what;
    EXPECT_EQ(window->MenuItem("mnuAniStartb")->isEnabled(), path.playback) << path.what;
    EXPECT_EQ(window->MenuItem("mnuAniRevRepeat")->isEnabled(), path.playback) << path.what;
  }
}

TEST_F(GraphListWindow, NewDocumentOfAKindEnablesItsCommands) {
  window->New3DDocument();
  EXPECT_TRUE(window->MenuItem("mnuDrawFun3D")->isEnabled());
  EXPECT_FALSE(window->MenuItem("mnuDrawFun2D")->isEnabled());
  EXPECT_FALSE(window->Button(MainToolbar, "barAnimStart")->isEnabled());
  window->NewSpecialDocument();
  EXPECT_TRUE(window->Button(DrawToolbar, "barPoints")->isEnabled());
  EXPECT_FALSE(window->MenuItem("mnuDrawPoint")->isEnabled());
}

TEST_F(GraphListWindow, ExitAsksToSaveAndCloses) {
  AddPoints(1);
  dialogs.prompter.answers.push_back(MsgResult::No);
  window->MenuItem("mnuFileExit")->trigger();
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Do you want to save the graphs?");
  EXPECT_FALSE(window->isVisible());
}

} // namespace
