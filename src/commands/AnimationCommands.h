#pragma once
// The animation commands of the main window: the eleven playback commands of the Animation menu
// and the main toolbar, the tick of its animation timer, and File > "Save Animation As AVI", which
// opens the AVI export window when the shown graphs are animated. One player (Playback) serves them
// all for the life of the program.

class Playback;
class AviExportWindow;

// The program's player, acting on the main window (MainWindow::Instance).
Playback& ThePlayback();

// File > "Save Animation As AVI": shows the export window (not modal) when the shown graphs are
// animated; otherwise nothing. The window is made on first use and kept.
void SaveAnimationAsAvi();
// The export window; null until it has been opened.
AviExportWindow* AviWindow();

// Installs the handlers into the main window's commands (MainWindowCommands). Run once before the
// window is created.
void InstallAnimationCommands();
