#pragma once
// Hands the point, point animation, contour plot, colour map, vector plot and step and stem
// dialogs to the add commands and the Edit command. Part of InstallGraphDialogs.

void InstallPointAndPlotDialogs();
