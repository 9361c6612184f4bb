#include "commands/CommandAvailability.h"

#include <QAction>
#include <QMenu>

#include "model/ProgramState.h"
#include "view/window/MainWindow.h"
#include "view/window/MainWindowCommands.h"
#include "view/window/Toolbars.h"

namespace {

// A column pattern of five characters, one per kind in column order: '1' on, '0' off.
constexpr std::array<bool, CommandKindCount> Kinds(const char (&pattern)[CommandKindCount + 1]) {
  std::array<bool, CommandKindCount> on{};
  for (int i = 0; i < CommandKindCount; ++i)
    on[static_cast<size_t>(i)] = pattern[i] == '1';
  return on;
}

ButtonAvailability B(int toolbar, int index, const char* key,
                     const char (&pattern)[CommandKindCount + 1]) {
  return {toolbar, index, key, Kinds(pattern)};
}

MenuAvailability M(const char* name, const char (&pattern)[CommandKindCount + 1]) {
  return {name, Kinds(pattern)};
}

void Apply(int column, CommandStates& states) {
  const auto c = static_cast<size_t>(column);
  for (const ButtonAvailability& b : ButtonAvailabilityTable())
    states.SetButtonEnabled(b.Toolbar, b.Index, b.On[c]);
  for (const MenuAvailability& m : MenuAvailabilityTable())
    states.SetMenuItemEnabled(m.Name, m.On[c]);
}

// The main window's toolbars and menus.
class WindowCommandStates : public CommandStates {
public:
  explicit WindowCommandStates(MainWindow& window) : m_window(window) {}
  void SetButtonEnabled(int toolbar, int index, bool enabled) override {
    if (QAction* a = m_window.Button(toolbar, index)) a->setEnabled(enabled);
  }
  void SetMenuItemEnabled(const std::string& name, bool enabled) override {
    if (QAction* a = m_window.MenuItem(name)) a->setEnabled(enabled);
    // The items of a sub-menu follow it, so that none of them can be reached while it is off.
    if (QMenu* sub = m_window.Menu(name))
      for (QAction* item : sub->actions())
        if (!item->isSeparator()) item->setEnabled(enabled);
  }

private:
  MainWindow& m_window;
};

} // namespace

int CommandColumn(int32_t documentType) {
  switch (documentType) {
  case DocumentType2D:
    return 0;
  case DocumentType25D:
    return 1;
  case DocumentType3D:
    return 2;
  case DocumentType4D:
    return 3;
  case DocumentTypeSpecial:
    return 4;
  default:
    return -1;
  }
}

// Columns: 2D, 2.5D, 3D, 4D, Special.
const std::vector<ButtonAvailability>& ButtonAvailabilityTable() {
  static const std::vector<ButtonAvailability> table = {
      B(MainToolbar, 22, "barAnimPoints", "11110"),
      B(MainToolbar, 23, "barAnim2DCart", "10000"),
      B(MainToolbar, 24, "barAnim2DPolar", "10000"),
      B(MainToolbar, 26, "barAnim25DCart", "01000"),
      B(MainToolbar, 27, "barAnim25DPolar", "01000"),
      B(MainToolbar, 29, "barAnim3DCart", "00100"),
      B(MainToolbar, 30, "barAnim3DCyl", "00100"),
      B(MainToolbar, 31, "barAnim3DSph", "00100"),
      B(MainToolbar, 33, "barAnimStart", "00000"),
      B(MainToolbar, 34, "barAnimPause", "00000"),
      B(MainToolbar, 35, "barAnimStop", "00000"),
      B(MainToolbar, 36, "barAnimFirst", "00000"),
      B(MainToolbar, 37, "barAnimPre", "00000"),
      B(MainToolbar, 38, "barAnimNext", "00000"),
      B(MainToolbar, 39, "barAnimLast", "00000"),
      B(MainToolbar, 40, "barAnimNormal", "00000"),
      B(MainToolbar, 41, "barAnimRev", "00000"),
      B(MainToolbar, 42, "barAnimNormalRepeat", "00000"),
      B(MainToolbar, 43, "barAnimRevRepeat", "00000"),
      B(DrawToolbar, 2, "barPoints", "11111"),
      B(DrawToolbar, 3, "barFun2DCart", "10000"),
      B(DrawToolbar, 4, "barFun2DPolar", "10000"),
      B(DrawToolbar, 6, "barFun25DCart", "01000"),
      B(DrawToolbar, 7, "barFun25DPolar", "01000"),
      B(DrawToolbar, 9, "barFun3DCart", "00100"),
      B(DrawToolbar, 10, "barFun3DCyl", "00100"),
      B(DrawToolbar, 11, "barFun3DSph", "00100"),
      B(DrawToolbar, 13, "barColormap", "00001"),
      B(DrawToolbar, 14, "barContour", "00001"),
      B(DrawToolbar, 15, "barVectorPlot", "00001"),
      B(DrawToolbar, 17, "barTab2", "10000"),
      B(DrawToolbar, 18, "barTab25", "01000"),
      B(DrawToolbar, 19, "barTab3", "00100"),
      B(DrawToolbar, 21, "barStep", "10000"),
      B(DrawToolbar, 22, "barStem", "10000"),
      B(DrawToolbar, 24, "barCoord", "11111"),
      B(DrawToolbar, 25, "barLight", "01110"),
      B(ViewToolbar, 1, "barViewFront", "00110"),
      B(ViewToolbar, 2, "barViewRight", "00110"),
      B(ViewToolbar, 3, "barViewTop", "00110"),
      B(ViewToolbar, 4, "barViewISO", "01110"),
      B(ViewToolbar, 6, "barViewOrtho", "00110"),
      B(ViewToolbar, 7, "barViewPer", "00110"),
      B(ViewToolbar, 9, "barMove", "11111"),
      B(ViewToolbar, 10, "barZoom", "11111"),
      B(ViewToolbar, 11, "barZoomAll", "11111"),
      B(ViewToolbar, 12, "barRotX", "01110"),
      B(ViewToolbar, 13, "barRotY", "01110"),
      B(ViewToolbar, 14, "barRotZ", "01110"),
      B(ViewToolbar, 15, "barTrackBall", "01110"),
      B(ViewToolbar, 17, "barModelPoint", "01110"),
      B(ViewToolbar, 18, "barModelGrid", "01110"),
      B(ViewToolbar, 19, "barModelSur", "01110"),
      B(ViewToolbar, 21, "bar3DFlat", "01110"),
      B(ViewToolbar, 22, "bar3DSmooth", "01110"),
      B(ViewToolbar, 23, "bar3DSmoothest", "01110"),
  };
  return table;
}

// Columns: 2D, 2.5D, 3D, 4D, Special. Where a menu item and the button (or pop-up item) of the
// same command differ: Draw > "Point" is off in Special documents (its button is on),
// Animation > "Point Animation" is on there (its button is off), Draw > "Axis..." is off in 4D
// documents, Draw > "Light..." is on only in 2.5D and 3D documents, and Draw > "Special Graph"
// (step and stem plots) is off everywhere, leaving those plots to their buttons in 2D documents.
const std::vector<MenuAvailability>& MenuAvailabilityTable() {
  static const std::vector<MenuAvailability> table = {
      M("mnuViewRotX", "01110"),     M("mnuViewRotY", "01110"),   M("mnuViewRotZ", "01110"),
      M("mnuDrawTab2D", "10000"),    M("mnuDrawTab25D", "01000"), M("mnuDrawTab3D", "00100"),
      M("mnuDrawAdv", "00001"),      M("mnuDrawPoint", "11110"),  M("mnuDrawFun2D", "10000"),
      M("mnuDraw25d", "01000"),      M("mnuDrawFun3D", "00100"),  M("mnuDrawAxis", "11101"),
      M("mnuDrawLight", "01100"),    M("mnuDrawSpe", "00000"),    M("mnuGraphAxis", "01110"),
      M("mnuGraphLight", "01110"),   M("mnuAniPoint", "11111"),   M("mnuAni2DCur", "10000"),
      M("mnuAniCur25D", "01000"),    M("mnuAniSur", "00100"),     M("mnuAniStartb", "00000"),
      M("mnuAniPause", "00000"),     M("mnuAniStop", "00000"),    M("mnuAniFirst", "00000"),
      M("mnuAniPre", "00000"),       M("mnuAniNext", "00000"),    M("mnuAniLast", "00000"),
      M("mnuAniNormal", "00000"),    M("mnuAniRev", "00000"),     M("mnuAniRepeat", "00000"),
      M("mnuAniRevRepeat", "00000"), M("mnuViewRotate", "01110"), M("mnuViewFront", "00110"),
      M("mnuViewRight", "00110"),    M("mnuViewTop", "00110"),    M("mnuViewISO", "01110"),
      M("mnuViewSet", "11111"),      M("mnuDrawFun4D", "00010"),  M("mnuAnim4D", "00010"),
  };
  return table;
}

void EnableCommands2D(CommandStates& states) { Apply(0, states); }
void EnableCommands25D(CommandStates& states) { Apply(1, states); }
void EnableCommands3D(CommandStates& states) { Apply(2, states); }
void EnableCommands4D(CommandStates& states) { Apply(3, states); }
void EnableCommandsSpecial(CommandStates& states) { Apply(4, states); }

bool EnableCommandsOfKind(int32_t documentType, CommandStates& states) {
  const int column = CommandColumn(documentType);
  if (column < 0) return false;
  Apply(column, states);
  return true;
}

void InstallCommandAvailability() {
  MainWindowCommands::SetEnableCommands([](int32_t documentType) {
    if (MainWindow* window = MainWindow::Instance()) {
      WindowCommandStates states(*window);
      EnableCommandsOfKind(documentType, states);
    }
  });
}
