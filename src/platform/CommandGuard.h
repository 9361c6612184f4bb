#pragma once
// Runs one command of the user (a menu item, a toolbar button, a timer tick, a check of the graph
// list) so that no exception leaves it into the window system, where it would end the program and
// lose unsaved work. Running out of memory and a fault of the program are said in words in an
// error box; the command is over, the program goes on.

#include <functional>
#include <string>

// Runs command; when it throws, shows what failed for the command named by caption (the text of
// its menu item or button; empty when it has none). True when the command ran to its end.
bool RunGuarded(const std::string& caption, const std::function<void()>& command);

// The text of the error box for a command that ran out of memory or failed with the reason given.
std::string OutOfMemoryMessage(const std::string& caption);
std::string CommandFailedMessage(const std::string& caption, const std::string& reason);
