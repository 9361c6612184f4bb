#pragma once
// The graph list and the commands on its graphs: the check event that keeps ShownGraphs
// in step with the check boxes, and Delete, Cut, Copy and Delete All of the Edit menu, of the main
// toolbar and of the list's pop-up menu FunEdit. Written against GraphListHost
// (document/GraphRemoval.h), so they run without a window; InstallGraphListCommands hands them to
// the main window.

#include <cstdint>

class GraphListHost;

// True when ShownGraphs holds a graph with this ID.
bool IsGraphShown(int32_t id);

// The check event of the graph list (whatever row changed): walks every graph of AllGraphs against
// its row. A graph whose row is clear leaves ShownGraphs; a graph whose row is checked and that is
// not shown is appended at the end of ShownGraphs and sampled (not tables and vectors); every other
// graph keeps its place and is not sampled again. Then the scene is built once and CurrentFrame
// presented, also when nothing changed.
void OnGraphListCheck(GraphListHost& host);

// Edit > Delete (the main toolbar's Delete button, the pop-up's "Delete"): removes the graph of
// the current row; nothing without a current row.
void DeleteSelectedGraph(GraphListHost& host);
// Edit > Copy (the pop-up's "Copy"): the graph of the current row onto the clipboard.
void CopySelectedGraph(GraphListHost& host);
// Edit > Cut (the main toolbar's Cut button, the pop-up's "Cut"): copies the graph of the current
// row and removes it only when it was copied, so a graph is never lost by a Cut.
void CutSelectedGraph(GraphListHost& host);
// Edit > Delete All: removes every graph, without a question.
void DeleteAllGraphs(GraphListHost& host);
// The pop-up menu FunEdit's items; "Edit..." belongs to the Edit command.
void ListPopupCutGraph(GraphListHost& host);
void ListPopupCopyGraph(GraphListHost& host);
void ListPopupDeleteGraph(GraphListHost& host);

// Installs the graph list's check event, Cut, Copy, Copy As BMP, Paste, Delete and Delete All
// (menu, toolbar and pop-up handlers) and the removal of all graphs into the main window's
// commands (MainWindowCommands), acting on the main window (MainWindow::Instance). Run once before
// the window is created.
void InstallGraphListCommands();
