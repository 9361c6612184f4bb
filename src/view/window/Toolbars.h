#pragma once
// The buttons of the main window's three toolbars as data: for every button its 1-based index,
// key, tooltip, status-bar hint and the handler that its click runs; and the rule that picks the
// status-bar hint for a pointer position over a toolbar. Pure data and arithmetic, tested without
// a window.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The main window's toolbars, numbered in the order they are built: the main toolbar (file,
// edit, help, animation) and the draw toolbar (the Draw menu's commands) across the top, the view
// toolbar down the right edge.
enum ToolbarId : int { MainToolbar = 1, DrawToolbar = 2, ViewToolbar = 3 };

struct ToolbarButtonSpec {
  int Index = 0;
  const char* Key = "";     // "" for the unnamed first separator of the draw toolbar
  const char* Tooltip = ""; // "" for separators
  const char* Hint = "";    // "" for separators
  const char* Handler = ""; // handler that the click runs; "" for separators and for the
                            // view toolbar's buttons that carry commands of their own
  bool Separator = false;
};

// The main toolbar (43 buttons): file, edit, help, animation. The draw toolbar (25): add-graph
// commands, axes, light. The view toolbar (23): view commands.
const std::vector<ToolbarButtonSpec>& MainToolbarButtons();
const std::vector<ToolbarButtonSpec>& DrawToolbarButtons();
const std::vector<ToolbarButtonSpec>& ViewToolbarButtons();
// The table of a toolbar (ToolbarId); an empty table for any other number.
const std::vector<ToolbarButtonSpec>& ToolbarButtons(int toolbar);
// The button of a toolbar with that key; null when the toolbar has none.
const ToolbarButtonSpec* FindToolbarButton(int toolbar, std::string_view key);

// The text that the status bar shows when the pointer is over no command button.
inline const std::string ReadyHint = "Ready";

// The place of one button along its toolbar in twips, relative to the toolbar: `Near` is its Left
// (Top on the vertical view toolbar), `Size` its Width (Height). Single precision, as the rule adds
// them.
struct ButtonExtent {
  int Index = 0;
  float Near = 0;
  float Size = 0;
};

// The hint for a pointer move over a toolbar.
// `cross` is the pointer's position across the toolbar in window twips (for the main toolbar the
// event's Y, for the draw toolbar the event's Y plus the height of the main toolbar, for the view
// toolbar the event's X plus the view toolbar's Left); `barNear` and `barFar` are the toolbar's
// edges across it in the window. `along` is the pointer's position along the toolbar, relative to
// it. Returns nothing when the pointer is not strictly inside the toolbar across it (the panel
// keeps its text); otherwise the hint of the first button (in index order, separators skipped)
// whose extent holds `along` strictly inside, or "Ready" when there is none. A button's Enabled
// state plays no part.
std::optional<std::string> ToolbarHint(const std::vector<ToolbarButtonSpec>& table, float cross,
                                       float barNear, float barFar, float along,
                                       const std::vector<ButtonExtent>& extents);
