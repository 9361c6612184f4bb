#pragma once
// The commands of the main window that other parts of the program carry out: the document,
// graph-list, drawing, animation and dialog commands behind the menus, the toolbars and the two
// pop-up menus. The window knows them by their handler names (OpenDocumentFile, ...); each part
// installs its handlers here, before the window is created, and the window's handler runs the
// installed one. A handler that nothing has installed does nothing.
//
// Also here: the removal of all graphs that the view's pop-up menu and the document commands run,
// and the enabling of the commands that suit a document kind.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace MainWindowCommands {

// Every handler name that can be installed, in menu order.
const std::vector<std::string_view>& Names();

// Installs the handler of a command; an empty function removes it. False (nothing installed) for
// a name that the window does not have.
bool Set(std::string_view name, std::function<void()> handler);

// True when a handler is installed under the name.
bool Installed(std::string_view name);

// Runs the installed handler; false when there is none (or the name is unknown).
bool Run(std::string_view name);

// Removes every graph of the document (RemoveAllGraphs): empties both graph containers and the
// graph list, resets the graph ID counter, rebuilds and presents the empty scene.
void SetRemoveAllGraphs(std::function<void()> remove);
const std::function<void()>& RemoveAllGraphs();

// Enables the toolbar buttons and menu items that suit a document kind and disables the others
// (EnableCommands2D .. EnableCommandsSpecial); given the DocumentType.
void SetEnableCommands(std::function<void(int32_t documentType)> enable);
const std::function<void(int32_t)>& EnableCommands();

// Forgets everything installed (tests).
void Clear();

} // namespace MainWindowCommands
