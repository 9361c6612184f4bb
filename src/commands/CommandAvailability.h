#pragma once
// Which commands each document kind offers: the Enabled state of the toolbar buttons and menu
// items that depend on the kind, kept as one fixed table with a column per kind (2D, 2.5D, 3D,
// 4D, Special). EnableCommands2D .. EnableCommandsSpecial write every row of the table in table
// order (the buttons of the main, draw and view toolbars by index, then the menu items), so the
// result never depends on the kind that was active before. The playback commands are off in every
// kind; only the document reader turns them on, for an animated document. Commands outside the
// table keep whatever state the main window gives them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The columns of the table, in order.
inline constexpr int CommandKindCount = 5;
// The column of a document kind (DocumentType2D 0, 25D 1, 3D 2, 4D 3, Special 4); -1 for a value
// that is no document kind.
int CommandColumn(int32_t documentType);

// One toolbar button of the table: its toolbar (ToolbarId), its index on it (counted from 1), its
// key, and whether each kind enables it.
struct ButtonAvailability {
  int Toolbar;
  int Index;
  const char* Key;
  std::array<bool, CommandKindCount> On;
};

// One menu item of the table by name. An item that holds a sub-menu enables or disables every item
// in it with it.
struct MenuAvailability {
  const char* Name;
  std::array<bool, CommandKindCount> On;
};

const std::vector<ButtonAvailability>& ButtonAvailabilityTable();
const std::vector<MenuAvailability>& MenuAvailabilityTable();

// Where the states are written: the main window, or a recording stand-in in tests.
class CommandStates {
public:
  virtual ~CommandStates() = default;
  virtual void SetButtonEnabled(int toolbar, int index, bool enabled) = 0;
  virtual void SetMenuItemEnabled(const std::string& name, bool enabled) = 0;
};

void EnableCommands2D(CommandStates& states);
void EnableCommands25D(CommandStates& states);
void EnableCommands3D(CommandStates& states);
void EnableCommands4D(CommandStates& states);
void EnableCommandsSpecial(CommandStates& states);

// The operation of the kind; false, with nothing written, for a value that is no document kind.
bool EnableCommandsOfKind(int32_t documentType, CommandStates& states);

// Makes the main window's EnableCommands (File New, the document reader) write the table into its
// toolbars and menus (MainWindowCommands::SetEnableCommands). Run once before the window is
// created.
void InstallCommandAvailability();
