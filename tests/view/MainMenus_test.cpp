// The main window's menus, pop-up menus and toolbars: every item and button exists with its
// caption or key and tooltip, in order, and runs the handler named for it.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "view/window/Toolbars.h"
#include "view/window/MainMenus.h"

#include "TestMainWindow.h"

namespace {

using MenusTest = MainWindowTest;

// The actions of a menu in the order the menu shows its items: separators as "-", others by name.
std::vector<std::string> Listed(const QMenu* menu) {
  std::vector<std::string> out;
  for (const QAction* a : menu->actions())
    out.push_back(a->isSeparator() ? "-" : a->objectName().toStdString());
  return out;
}

std::vector<std::string> Listed(const std::vector<MenuSpec>& items) {
  std::vector<std::string> out;
  for (const MenuSpec& m : items)
    out.push_back(m.IsSeparator() ? "-" : m.Name);
  return out;
}

void ForEachItem(const std::vector<MenuSpec>& items,
                 const std::function<void(const MenuSpec&)>& f) {
  for (const MenuSpec& m : items) {
    if (m.IsSeparator()) continue;
    f(m);
    ForEachItem(m.Items, f);
  }
}

// The text of a menu item as the menu shows it: "&&" is one "&", a single "&" marks the access
// key and is not shown.
std::string Displayed(const QString& text) {
  std::string shown;
  const std::string raw = text.toStdString();
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '&' && i + 1 < raw.size()) ++i;
    shown.push_back(raw[i]);
  }
  return shown;
}

} // namespace

TEST_F(MenusTest, MenuBarHoldsEveryItemInOrder) {
  MainWindow& w = Make(false);
  std::vector<std::string> bar;
  for (const QAction* a : w.menuBar()->actions())
    bar.push_back(Displayed(a->text()));
  EXPECT_EQ(bar, (std::vector<std::string>{"File", "Edit", "View", "Draw", "Animation", "Tools",
                                           "Demo", "Help"}));
  int items = 0;
  ForEachItem(MenuBarSpec(), [&](const MenuSpec& m) {
    SCOPED_TRACE(m.Name);
    const QAction* a = w.MenuItem(m.Name);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(Displayed(a->text()), m.Caption);
    if (m.IsSubMenu()) {
      const QMenu* menu = w.Menu(m.Name);
      ASSERT_NE(menu, nullptr);
      EXPECT_EQ(Listed(menu), Listed(m.Items));
    }
    ++items;
  });
  EXPECT_GT(items, 170);
}

TEST_F(MenusTest, CaptionsOfTheParts) {
  MainWindow& w = Make(false);
  struct Row {
    const char* name;
    const char* caption;
  };
  const Row rows[] = {
      {"mnuFileSaveAs", "SaveAs..."},
      {"mnuFilePrint", "Print..."},
      {"mnuFileSaveAVI", "Save Animation As AVI"},
      {"mnuEditCopyAs", "Copy As BMP"},
      {"mnuViewFit", "Zoom to Fit"},
      {"mnuViewRotate", "Track Ball"},
      {"mnuViewSet", "Settings..."},
      {"mnuDrawHcg", "Stem Plot"},
      {"mnuDrawAdv", "Advanced Graph"},
      {"mnuAniStartb", "Start"},
      {"mnuAniOpt", "Options..."},
      {"mnuToolCal", "Expression Calculator"},
      {"mnudemoarcsin", "arcsin & arccos"},
      {"mnuDemoParaLine", "Parabola & Line"},
      {"mnuDemoSine", "Sine & Cosine"},
      {"mnuDemoDini", "Dini's Surface"},
      {"mnuHelpCon", "Contents..."},
      {"mnuHelpAbout", "About..."},
      {"mnuGraphDelAll", "Delete All"},
      {"mnuFunEdit", "Edit..."},
  };
  for (const Row& r : rows) {
    const QAction* a = w.MenuItem(r.name);
    ASSERT_NE(a, nullptr) << r.name;
    EXPECT_EQ(Displayed(a->text()), r.caption);
  }
  // The View menu: separators after "Track Ball" and after "ISO".
  EXPECT_EQ(
      Listed(w.Menu("mnuView")),
      (std::vector<std::string>{"mnuViewMove", "mnuViewZoom", "mnuViewFit", "mnuViewRotX",
                                "mnuViewRotY", "mnuViewRotZ", "mnuViewRotate", "-", "mnuViewFront",
                                "mnuViewRight", "mnuViewTop", "mnuViewISO", "-", "mnuViewSet"}));
  // The pop-up menus are not in the menu bar.
  EXPECT_EQ(Listed(w.Menu("GraphEdit")),
            (std::vector<std::string>{"mnuGraphPaste", "mnuGraphCopyAs", "mnuGraphDelAll", "-",
                                      "mnuGraphAxis", "mnuGraphLight"}));
  EXPECT_EQ(Listed(w.Menu("FunEdit")),
            (std::vector<std::string>{"mnuFunEdit", "mnuFunCut", "mnuFunCopy", "mnuFunDelete"}));
  for (const QAction* a : w.menuBar()->actions()) {
    EXPECT_NE(a->text(), "GraphEdit");
    EXPECT_NE(a->text(), "FunEdit");
  }
  // Seventy sample items, each opening a document below samples/.
  int samples = 0;
  ForEachItem(MenuBarSpec(), [&](const MenuSpec& m) {
    if (!m.SamplePath.empty()) {
      ++samples;
      EXPECT_EQ(m.SamplePath.rfind("samples/", 0), 0u);
    }
  });
  EXPECT_EQ(samples, 70);
}

TEST_F(MenusTest, EveryInstallableCommandRunsFromItsMenuItem) {
  MainWindow& w = Make(false);
  for (std::string_view name : MainWindowCommands::Names())
    Count(std::string(name));
  std::set<std::string> reached;
  auto check = [&](const MenuSpec& m) {
    if (m.IsSubMenu() || m.Handler.empty() || !counts.count(m.Handler)) return;
    const int before = counts[m.Handler];
    w.MenuItem(m.Name)->trigger();
    EXPECT_EQ(counts[m.Handler], before + 1) << m.Name;
    reached.insert(m.Handler);
  };
  ForEachItem(MenuBarSpec(), check);
  ForEachItem(FunEditSpec().Items, check);
  // Every installable menu command has a menu item; the list check and the timer have none.
  for (std::string_view name : MainWindowCommands::Names()) {
    if (name == "OnGraphListCheck" || name == "OnAnimationTimer") continue;
    EXPECT_TRUE(reached.count(std::string(name))) << name;
  }
  // An unknown name cannot be installed.
  EXPECT_FALSE(MainWindowCommands::Set("NoSuchCommand", [] {}));
}

TEST_F(MenusTest, NothingInstalledDoesNothing) {
  MainWindow& w = Make(false);
  // No handler of another part installed: the commands are there and change nothing.
  for (const char* name :
       {"mnuEditCut", "mnuDrawPoint", "mnuAniStartb", "mnuFunEdit", "mnuGraphPaste"})
    w.MenuItem(name)->trigger();
  EXPECT_TRUE(dialogs.prompter.shown.empty());
}

TEST_F(MenusTest, ViewPopupForwards) {
  MainWindow& w = Make(false);
  int& paste = Count("PasteCopiedGraph");
  int& copyAs = Count("CopyPictureAsBmp");
  int& deleteAllMenu = Count("DeleteAllGraphs");
  int removed = 0;
  MainWindowCommands::SetRemoveAllGraphs([&] { ++removed; });
  w.MenuItem("mnuGraphPaste")->trigger();
  w.MenuItem("mnuGraphCopyAs")->trigger();
  w.MenuItem("mnuGraphDelAll")->trigger();
  EXPECT_EQ(paste, 1);
  EXPECT_EQ(copyAs, 1);
  // Delete All of the view removes the graphs directly, with no question.
  EXPECT_EQ(removed, 1);
  EXPECT_EQ(deleteAllMenu, 0);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
}

TEST_F(MenusTest, ToolbarButtonsByIndex) {
  MainWindow& w = Make(false);
  for (int bar : {MainToolbar, DrawToolbar, ViewToolbar}) {
    const auto& table = ToolbarButtons(bar);
    ASSERT_EQ(w.Toolbar(bar)->actions().size(), static_cast<qsizetype>(table.size()));
    for (const ToolbarButtonSpec& b : table) {
      SCOPED_TRACE(testing::Message() << "toolbar " << bar << " button " << b.Index);
      const QAction* a = w.Button(bar, b.Index);
      ASSERT_NE(a, nullptr);
      EXPECT_EQ(a, w.Toolbar(bar)->actions()[b.Index - 1]);
      if (*b.Key) {
        EXPECT_EQ(w.Button(bar, std::string_view(b.Key)), a);
      }
      EXPECT_EQ(a->objectName().toStdString(), b.Key);
      EXPECT_EQ(a->isSeparator(), b.Separator);
      if (!b.Separator) {
        EXPECT_EQ(a->toolTip().toStdString(), b.Tooltip);
        EXPECT_FALSE(a->icon().isNull());
      }
    }
    EXPECT_EQ(w.Button(bar, static_cast<int>(table.size()) + 1), nullptr);
    EXPECT_EQ(w.Button(bar, 0), nullptr);
    EXPECT_EQ(w.Button(bar, "noSuchButton"), nullptr);
  }
  EXPECT_EQ(w.Toolbar(MainToolbar)->objectName(), "mainToolbar");
  EXPECT_EQ(w.Toolbar(DrawToolbar)->objectName(), "drawToolbar");
  EXPECT_EQ(w.Toolbar(ViewToolbar)->objectName(), "viewToolbar");
  EXPECT_EQ(w.Toolbar(ViewToolbar)->orientation(), Qt::Vertical);
}

TEST_F(MenusTest, ToolbarClicksRunTheirHandlers) {
  MainWindow& w = Make(false);
  int& cut = Count("CutSelectedGraph");
  int& point = Count("AddPoint");
  int& start = Count("StartAnimation");
  int& pointAnimation = Count("AddPointAnimation");
  w.Button(MainToolbar, "barCut")->trigger();
  w.Button(MainToolbar, "barAnimStart")->trigger();
  w.Button(MainToolbar, "barAnimPoints")->trigger();
  w.Button(DrawToolbar, "barPoints")->trigger();
  // Separators, unknown keys and a key of another toolbar do nothing.
  w.OnToolbarButton(MainToolbar, "barSep0");
  w.OnToolbarButton(MainToolbar, "noSuchButton");
  w.OnToolbarButton(MainToolbar, "barPoints");
  w.OnToolbarButton(DrawToolbar, "barSep11");
  w.OnToolbarButton(ViewToolbar, "barSep1");
  EXPECT_EQ(cut, 1);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(point, 1);
  EXPECT_EQ(pointAnimation, 1);
  // Help "Contents..." from the toolbar opens the help.
  w.Button(MainToolbar, "barHelp")->trigger();
  ASSERT_EQ(openedUrls.size(), 1u);
  EXPECT_TRUE(openedUrls[0].toLocalFile().endsWith("/help/index.html"));
}

TEST_F(MenusTest, HelpAndWebItemsOpenHelpPages) {
  MainWindow& w = Make(false);
  struct Row {
    const char* item;
    const char* page;
  };
  const Row rows[] = {{"mnuHelpCon", "index.html"},       {"mnuHelpHome", "index.html"},
                      {"mnuHelpCus", "support.html"},     {"mnuHelpVideo", "tutorial.html"},
                      {"mnuHelpTwitter", "tips.html"},    {"mnuHelpFB", "gallery.html"},
                      {"mnuDemoGallery", "gallery.html"}, {"mnuDemoFC", "curves.html"}};
  for (const Row& r : rows) {
    openedUrls.clear();
    w.MenuItem(r.item)->trigger();
    ASSERT_EQ(openedUrls.size(), 1u) << r.item;
    EXPECT_EQ(openedUrls[0].toLocalFile(), MainWindow::ProgramFolder() + "/help/" + r.page);
  }
  EXPECT_TRUE(dialogs.prompter.shown.empty());

  // Where no browser can be started, the message names the page's file.
  browserStarts = false;
  for (const char* item : {"mnuHelpCon", "mnuDemoGallery", "mnuDemoFC"}) {
    dialogs.prompter.shown.clear();
    w.MenuItem(item)->trigger();
    ASSERT_EQ(dialogs.prompter.shown.size(), 1u) << item;
    EXPECT_NE(dialogs.prompter.shown[0].text.find(openedUrls.back().toLocalFile().toStdString()),
              std::string::npos)
        << dialogs.prompter.shown[0].text;
  }

  // A page that is not installed is named without asking the desktop.
  QTemporaryDir empty;
  MainWindow::SetProgramFolder(empty.path());
  MainWindow::SetUrlOpener(nullptr);
  dialogs.prompter.shown.clear();
  w.MenuItem("mnuHelpCon")->trigger();
  MainWindow::SetProgramFolder({});
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text,
            "The help page cannot be found:\n" + empty.path().toStdString() + "/help/index.html");
}

TEST_F(MenusTest, DialogsOfTheMenusAreModal) {
  MainWindow& w = Make(false);
  DocumentType = DocumentType2D;
  struct Row {
    const char* item;
    const char* dialog;
  };
  const Row rows[] = {{"mnuViewSet", "ViewSettingDialog"}, {"mnuDrawAxis", "AxisDialog2D"},
                      {"mnuGraphAxis", "AxisDialog2D"},    {"mnuHelpAbout", "AboutBox"},
                      {"mnuToolCal", "CalculatorDialog"},  {"mnuDrawLight", "LightDialog"},
                      {"mnuGraphLight", "LightDialog"}};
  for (const Row& r : rows) {
    QString seen;
    bool modal = false;
    QTimer::singleShot(0, [&] {
      QWidget* d = QApplication::activeModalWidget();
      if (!d) return;
      seen = d->metaObject()->className();
      modal = d->isModal();
      d->close();
    });
    w.MenuItem(r.item)->trigger();
    EXPECT_EQ(seen.toStdString(), r.dialog) << r.item;
    EXPECT_TRUE(modal) << r.item;
  }
}

TEST_F(MenusTest, DemoSampleThatIsMissingIsNamed) {
  MainWindow& w = Make();
  AddGraph();
  // As File Open, the item first asks whether to save the graphs: Cancel keeps the document and
  // opens nothing.
  dialogs.prompter.answers = {MsgResult::Cancel};
  w.MenuItem("mnuDemoDini")->trigger();
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Do you want to save the graphs?");
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 1);
  // No: the sample is opened, and a missing one is named.
  dialogs.prompter.shown.clear();
  dialogs.prompter.answers = {MsgResult::No};
  w.MenuItem("mnuDemoDini")->trigger();
  ASSERT_EQ(dialogs.prompter.shown.size(), 2u);
  EXPECT_NE(dialogs.prompter.shown[1].text.find("samples/3D/dini's surface.crv"),
            std::string::npos);
  // The open document stays.
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 1);
}
