#pragma once
// The pictures of the toolbar buttons and of the program itself, drawn in code: small line
// drawings on a 32 x 32 grid, one per button key.

#include <QIcon>
#include <string>

// The picture of the toolbar button with this key; an empty icon for an unknown key.
QIcon ToolbarIcon(const std::string& key);

// The program's own picture: a curve over a pair of axes.
QIcon ProgramIcon();
