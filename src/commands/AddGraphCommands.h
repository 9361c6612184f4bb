#pragma once
// The commands of the Draw and Animation menus that add one function or table graph through the
// property dialog of its kind, all following one flow (AddGraphCommand): take the frame count and
// speed of the Animation Options boxes (animated kinds), show the dialog, and when the dialog has
// added a graph: the animation settings (two-sided lighting off, plain axis fonts, the timer
// interval), the scene rotation of the kind, sampling where the kind needs it, one row in the
// graph list with the command's caption, and its check, which shows the graph. A dialog that is
// cancelled leaves everything as it was. Sampling and compiling the new graph (and the other
// graphs, for a frame count the dialog changed) show a progress window with Cancel once they take
// about a second; Cancel takes the graph out again and gives the frame count before back.
//
// The dialogs live above the commands: each dialog kind registers the function that prepares and
// shows it (SetAddDialog); the program registers every one before the window is made.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/GraphKinds.h"

class Graph;
class GraphCommandHost;

// What a command asks of its dialog: its coordinate list position (0 Cartesian, 1 polar or
// cylindrical, 2 spherical) and whether it adds the animated kind.
struct AddDialogSetup {
  int coordinate = 0;
  bool animated = false;
  const char* caption = nullptr; // the window caption the command gives the dialog, if any
};

// Prepares the dialog for adding and shows it modally; its OK adds the graph (GraphDialogCommit).
using AddDialogOpener = std::function<void(const AddDialogSetup&, GraphCommandHost&)>;
void SetAddDialog(GraphDialog kind, AddDialogOpener opener);
bool HasAddDialog(GraphDialog kind);

// One row of the command table.
struct AddCommandSpec {
  const char* handler; // the main window's handler name
  GraphDialog dialog;
  AddDialogSetup setup;
  bool lighting;    // turns two-sided lighting off
  bool frames;      // takes the frame count and speed, sets the timer interval
  bool fonts;       // plain axis fonts
  bool samples;     // the command samples the new graph (the others come sampled from the dialog)
  float pitch, yaw; // the scene rotation after an add (roll is always 0)
};
const std::vector<AddCommandSpec>& AddCommandTable();

// The flow of every add command.
void AddGraphCommand(const AddCommandSpec& spec, GraphCommandHost& host);

// The row caption of a graph added (or edited) through a dialog: the commands' own captions;
// a graph they give none gets the caption the document reader gives it, so every graph has a row.
std::string AddedGraphCaption(const Graph& graph, int32_t documentType);

// Installs the commands into the main window (MainWindowCommands). Run once before the window
// is created.
void InstallAddGraphCommands();
