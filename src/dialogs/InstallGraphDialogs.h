#pragma once
// Hands the graph property dialogs to the commands that open them: the add commands' dialogs, the
// Edit command of the graph list's pop-up menu and Animation > "Options...". Run once before the
// main window is created.

void InstallGraphDialogs();
