// The commands each document kind enables: rows of every kind's column, every row where a menu
// item and its button differ, the playback commands off in every kind, every row written whatever
// the kind before, and the same table applied to the main window's toolbars and menus.

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "commands/CommandAvailability.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "view/window/MainWindow.h"
#include "view/window/MainWindowCommands.h"
#include "support/ProgramStateReset.h"

namespace {

// Records every state written, in order.
class RecordingStates : public CommandStates {
public:
  std::map<std::pair<int, int>, bool> buttons;
  std::map<std::string, bool> menus;
  std::vector<std::string> order;
  void SetButtonEnabled(int toolbar, int index, bool enabled) override {
    buttons[{toolbar, index}] = enabled;
    order.push_back("T" + std::to_string(toolbar) + " " + std::to_string(index));
  }
  void SetMenuItemEnabled(const std::string& name, bool enabled) override {
    menus[name] = enabled;
    order.push_back(name);
  }
};

const int32_t Kinds[] = {DocumentType2D, DocumentType25D, DocumentType3D, DocumentType4D,
                         DocumentTypeSpecial};

RecordingStates StatesOf(int32_t kind) {
  RecordingStates states;
  EXPECT_TRUE(EnableCommandsOfKind(kind, states));
  return states;
}

// One row: a toolbar button (toolbar, index) or a menu item (name), and its state in 2D, 2.5D,
// 3D, 4D and Special documents.
struct Expected {
  int toolbar;
  int index;
  const char* menu;
  const char* kinds;
};

TEST(Availability, RowsOfEachKind) {
  const Expected rows[] = {
      // 2D
      {2, 3, nullptr, "10000"}, // Add a 2D Cartesian function graph
      {1, 23, nullptr, "10000"},
      {2, 17, nullptr, "10000"},
      {0, 0, "mnuDrawFun2D", "10000"},
      {0, 0, "mnuAni2DCur", "10000"},
      // 2.5D
      {2, 6, nullptr, "01000"},
      {1, 27, nullptr, "01000"},
      {0, 0, "mnuDrawTab25D", "01000"},
      {0, 0, "mnuAniCur25D", "01000"},
      // 3D
      {2, 11, nullptr, "00100"},
      {1, 30, nullptr, "00100"},
      {2, 19, nullptr, "00100"},
      {0, 0, "mnuDrawFun3D", "00100"},
      // 4D
      {0, 0, "mnuDrawFun4D", "00010"},
      {0, 0, "mnuAnim4D", "00010"},
      // Special
      {2, 13, nullptr, "00001"},
      {2, 15, nullptr, "00001"},
      {0, 0, "mnuDrawAdv", "00001"},
      // Rotation and the three-dimensional view
      {3, 1, nullptr, "00110"},
      {3, 4, nullptr, "01110"},
      {3, 7, nullptr, "00110"},
      {3, 15, nullptr, "01110"},
      {3, 19, nullptr, "01110"},
      {3, 23, nullptr, "01110"},
      {0, 0, "mnuViewRotX", "01110"},
      {0, 0, "mnuViewRotate", "01110"},
      {0, 0, "mnuViewTop", "00110"},
      {0, 0, "mnuViewISO", "01110"},
      // Everywhere
      {3, 9, nullptr, "11111"},
      {3, 11, nullptr, "11111"},
      {0, 0, "mnuViewSet", "11111"},
  };
  for (size_t k = 0; k < std::size(Kinds); ++k) {
    const RecordingStates states = StatesOf(Kinds[k]);
    for (const Expected& row : rows) {
      const bool on = row.kinds[k] == '1';
      if (row.menu)
        EXPECT_EQ(states.menus.at(row.menu), on) << row.menu << " kind " << Kinds[k];
      else
        EXPECT_EQ(states.buttons.at({row.toolbar, row.index}), on)
            << "Toolbar" << row.toolbar << " " << row.index << " kind " << Kinds[k];
    }
  }
}

TEST(Availability, WhereAMenuItemAndItsButtonDiffer) {
  const Expected rows[] = {
      // Point: the menu item is off in Special documents, the button on everywhere.
      {0, 0, "mnuDrawPoint", "11110"},
      {2, 2, nullptr, "11111"},
      // Point animation: the menu item on everywhere, the button off in Special documents.
      {0, 0, "mnuAniPoint", "11111"},
      {1, 22, nullptr, "11110"},
      // Axis: the menu item off in 4D, the button on everywhere, the view pop-up's item only in
      // 2.5D, 3D and 4D.
      {0, 0, "mnuDrawAxis", "11101"},
      {2, 24, nullptr, "11111"},
      {0, 0, "mnuGraphAxis", "01110"},
      // Light: the menu item in 2.5D and 3D, the button and the pop-up's item in 2.5D, 3D, 4D.
      {0, 0, "mnuDrawLight", "01100"},
      {2, 25, nullptr, "01110"},
      {0, 0, "mnuGraphLight", "01110"},
      // Step and stem plots: the sub-menu off everywhere, the buttons on in 2D.
      {0, 0, "mnuDrawSpe", "00000"},
      {2, 21, nullptr, "10000"},
      {2, 22, nullptr, "10000"},
  };
  for (size_t k = 0; k < std::size(Kinds); ++k) {
    const RecordingStates states = StatesOf(Kinds[k]);
    for (const Expected& row : rows) {
      const bool on = row.kinds[k] == '1';
      if (row.menu)
        EXPECT_EQ(states.menus.at(row.menu), on) << row.menu << " kind " << Kinds[k];
      else
        EXPECT_EQ(states.buttons.at({row.toolbar, row.index}), on)
            << "Toolbar" << row.toolbar << " " << row.index << " kind " << Kinds[k];
    }
  }
}

TEST(Availability, PlaybackCommandsAreOffInEveryKind) {
  const char* playback[] = {"mnuAniStartb", "mnuAniPause",  "mnuAniStop",     "mnuAniFirst",
                            "mnuAniPre",    "mnuAniNext",   "mnuAniLast",     "mnuAniNormal",
                            "mnuAniRev",    "mnuAniRepeat", "mnuAniRevRepeat"};
  for (int32_t kind : Kinds) {
    const RecordingStates states = StatesOf(kind);
    for (int index = 33; index <= 43; ++index)
      EXPECT_FALSE(states.buttons.at({1, index})) << index << " kind " << kind;
    for (const char* name : playback)
      EXPECT_FALSE(states.menus.at(name)) << name << " kind " << kind;
  }
}

TEST(Availability, EveryRowIsWrittenInTableOrder) {
  const RecordingStates first = StatesOf(DocumentType2D);
  EXPECT_EQ(first.buttons.size(), 56u);
  EXPECT_EQ(first.menus.size(), 39u);
  ASSERT_EQ(first.order.size(), 95u);
  // The main, draw and view toolbars (T1, T2, T3) by index, then the menu items.
  EXPECT_EQ(first.order.front(), "T1 22");
  EXPECT_EQ(first.order[18], "T1 43");
  EXPECT_EQ(first.order[19], "T2 2");
  EXPECT_EQ(first.order[37], "T3 1");
  EXPECT_EQ(first.order[55], "T3 23");
  EXPECT_EQ(first.order[56], "mnuViewRotX");
  EXPECT_EQ(first.order.back(), "mnuAnim4D");
  // Every kind writes the same rows in the same order.
  for (int32_t kind : Kinds)
    EXPECT_EQ(StatesOf(kind).order, first.order) << kind;

  RecordingStates none;
  EXPECT_FALSE(EnableCommandsOfKind(4, none));
  EXPECT_FALSE(EnableCommandsOfKind(0, none));
  EXPECT_TRUE(none.order.empty());

  // The five named operations are the five columns.
  RecordingStates a, b;
  EnableCommands4D(a);
  EnableCommandsOfKind(DocumentType4D, b);
  EXPECT_EQ(a.buttons, b.buttons);
  EXPECT_EQ(a.menus, b.menus);
  RecordingStates s, t;
  EnableCommandsSpecial(s);
  EnableCommandsOfKind(DocumentTypeSpecial, t);
  EXPECT_EQ(s.menus, t.menus);
}

class AvailabilityWindow : public ProgramStateTest {
protected:
  void SetUp() override {
    ProgramStateTest::SetUp();
    MainWindowCommands::Clear();
    InstallCommandAvailability();
    window = std::make_unique<MainWindow>();
  }
  void TearDown() override {
    window.reset();
    MainWindowCommands::Clear();
    ProgramStateTest::TearDown();
  }
  std::unique_ptr<MainWindow> window;
};

TEST_F(AvailabilityWindow, TheTableNamesTheWindowsButtonsAndItems) {
  for (const ButtonAvailability& b : ButtonAvailabilityTable()) {
    const QAction* button = window->Button(b.Toolbar, b.Index);
    ASSERT_NE(button, nullptr) << b.Key;
    EXPECT_EQ(button->objectName().toStdString(), b.Key);
  }
  for (const MenuAvailability& m : MenuAvailabilityTable())
    EXPECT_NE(window->MenuItem(m.Name), nullptr) << m.Name;
}

TEST_F(AvailabilityWindow, EachKindSetsTheWindowsCommands) {
  // From a state where everything is on (an animated document was open), each kind in turn, and
  // back to the first: nothing depends on the kind before.
  window->EnableAnimationCommands();
  const int32_t order[] = {DocumentType3D,  DocumentType2D,      DocumentType4D,
                           DocumentType25D, DocumentTypeSpecial, DocumentType3D};
  for (int32_t kind : order) {
    window->EnableCommands(kind);
    const size_t column = static_cast<size_t>(CommandColumn(kind));
    for (const ButtonAvailability& b : ButtonAvailabilityTable())
      EXPECT_EQ(window->Button(b.Toolbar, b.Index)->isEnabled(), b.On[column])
          << b.Key << " kind " << kind;
    for (const MenuAvailability& m : MenuAvailabilityTable()) {
      EXPECT_EQ(window->MenuItem(m.Name)->isEnabled(), m.On[column]) << m.Name << " kind " << kind;
      // The items of a sub-menu follow it.
      if (const QMenu* sub = window->Menu(m.Name)) {
        for (const QAction* item : sub->actions()) {
          if (item->isSeparator()) continue;
          EXPECT_EQ(item->isEnabled(), m.On[column])
              << item->objectName().toStdString() << " kind " << kind;
        }
      }
    }
  }
  // Commands outside the table keep their state.
  EXPECT_TRUE(window->Button(MainToolbar, "barCut")->isEnabled());
  EXPECT_TRUE(window->MenuItem("mnuEditPaste")->isEnabled());
  EXPECT_TRUE(window->MenuItem("mnuDrawTab")->isEnabled());
}

} // namespace
