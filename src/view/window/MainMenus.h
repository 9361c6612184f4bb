#pragma once
// The main window's menus as data: the menu bar (File, Edit, View, Draw, Animation, Tools, Demo,
// Help) and the two pop-up menus (GraphEdit of the view, FunEdit of the graph list), each item
// with its name, caption and the handler that its click runs. The window builds its menus from
// these tables; tests read them without a window.

#include <string>
#include <vector>

struct MenuSpec {
  std::string Name;    // control name (mnuFileOpen); "" for a separator
  std::string Caption; // "" for a separator
  // The handler that a click runs (OpenDocumentFile); "" for a sub-menu or a separator.
  std::string Handler;
  std::vector<MenuSpec> Items; // the sub-menu's items; empty for a command
  // A Demo sample: its path below the program folder ("samples/2D/point.crv").
  std::string SamplePath;
  // A web item: the page of the program's help that it opens ("gallery.html").
  std::string HelpPage;

  bool IsSeparator() const { return Name.empty() && Caption.empty(); }
  bool IsSubMenu() const { return !Items.empty(); }
};

// The menu bar, left to right.
const std::vector<MenuSpec>& MenuBarSpec();
// The view's pop-up menu, never shown in the menu bar.
const MenuSpec& GraphEditSpec();
// The graph list's pop-up menu.
const MenuSpec& FunEditSpec();

// The item of that name anywhere in the menu bar or the pop-up menus; null when there is none.
const MenuSpec* FindMenuItem(const std::string& name);
