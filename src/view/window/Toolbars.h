#pragma once
// The buttons of the main window's three toolbars as data: for every button its 1-based index,
// key, tooltip, status-bar hint and the handler that its click runs; and the rule that picks the
// status-bar hint for a pointer position over a toolbar. Pure data and arithmetic, tested without
// a window.

#include <optional>
#include <string>
#include <vector>

struct ToolbarButtonSpec {
  int Index = 0;
  const char* Key = "";     // "" for the unnamed first separator of Toolbar2
  const char* Tooltip = ""; // "" for separators
  const char* Hint = "";    // "" for separators
  const char* Handler = ""; // handler that the click runs; "" for separators and for the
                            // Toolbar3 buttons that carry commands of their own
  bool Separator = false;
};

// Toolbar1 (43 buttons): file, edit, help, animation. Toolbar2 (25): add-graph commands, axes,
// light. Toolbar3 (23): view commands.
const std::vector<ToolbarButtonSpec>& Toolbar1Buttons();
const std::vector<ToolbarButtonSpec>& Toolbar2Buttons();
const std::vector<ToolbarButtonSpec>& Toolbar3Buttons();
// The table of toolbar 1, 2 or 3; an empty table for any other number.
const std::vector<ToolbarButtonSpec>& ToolbarButtons(int toolbar);

// The text that the status bar shows when the pointer is over no command button.
inline const std::string ReadyHint = "Ready";

// The place of one button along its toolbar in twips, relative to the toolbar: `Near` is its Left
// (Top on the vertical Toolbar3), `Size` its Width (Height). Single precision, as the rule adds
// them.
struct ButtonExtent {
  int Index = 0;
  float Near = 0;
  float Size = 0;
};

// The hint for a pointer move over a toolbar.
// `cross` is the pointer's position across the toolbar in window twips (for Toolbar1 the event's
// Y, for Toolbar2 the event's Y plus the height of Toolbar1, for Toolbar3 the event's X plus
// Toolbar3's Left); `barNear` and `barFar` are the toolbar's edges across it in the window.
// `along` is the pointer's position along the toolbar, relative to it.
// Returns nothing when the pointer is not strictly inside the toolbar across it (the panel keeps
// its text); otherwise the hint of the first button (in index order, separators skipped) whose
// extent holds `along` strictly inside, or "Ready" when there is none. A button's Enabled state
// plays no part.
std::optional<std::string> ToolbarHint(const std::vector<ToolbarButtonSpec>& table, float cross,
                                       float barNear, float barFar, float along,
                                       const std::vector<ButtonExtent>& extents);
