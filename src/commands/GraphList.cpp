#include "commands/GraphList.h"

#include <unordered_set>

#include "commands/GraphCommandHost.h"
#include "document/Clipboard.h"
#include "document/GraphRemoval.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "view/window/MainWindow.h"
#include "view/window/MainWindowCommands.h"

namespace {

// Runs a command on the main window, when there is one.
template <typename Command> void OnWindow(Command command) {
  if (std::unique_ptr<GraphCommandHost> host = MakeWindowCommandHost()) command(*host);
}

} // namespace

bool IsGraphShown(int32_t id) {
  for (const auto& graph : ShownGraphs.FunSurfs)
    if (graph->ID == id) return true;
  return false;
}

void OnGraphListCheck(GraphListHost& host) {
  const int32_t count = AllGraphs.FunSurfs.Count();
  // The IDs of the shown graphs, gathered once, so that the walk stays linear in the graphs.
  std::unordered_set<int32_t> shownIds;
  for (const auto& graph : ShownGraphs.FunSurfs)
    shownIds.insert(graph->ID);
  // A graph without a row (none yet) is left as it is. The bounds are asked again for every row:
  // a message box of the sampling lets other events run, and one of them may remove graphs.
  for (int32_t i = 1; i <= count && i <= AllGraphs.FunSurfs.Count() && i <= host.ListCount(); ++i) {
    const std::shared_ptr<Graph> graph = AllGraphs.FunSurfs.Item(i);
    const bool checked = host.ListRowChecked(i - 1);
    const bool shown = shownIds.count(graph->ID) > 0;
    if (!checked && shown) {
      ShownGraphs.FunSurfs.Remove(GraphKey(*graph));
      if (!IsGraphShown(graph->ID)) shownIds.erase(graph->ID);
    } else if (checked && !shown) {
      ShownGraphs.FunSurfs.Add(graph);
      shownIds.insert(graph->ID);
      if (GraphKind(*graph).SampledWhenShown) host.SampleGraph(*graph);
    }
  }
  PlaybackFollowsShownGraphs(host);
  host.BuildScene();
  host.Display(CurrentFrame);
}

void DeleteSelectedGraph(GraphListHost& host) {
  const int32_t row = host.ListIndex();
  if (row < 0) return;
  RemoveGraphAt(row + 1, host);
}

void CopySelectedGraph(GraphListHost& host) { CopyGraph(host); }

void CutSelectedGraph(GraphListHost& host) {
  if (CopyGraph(host)) DeleteSelectedGraph(host);
}

void DeleteAllGraphs(GraphListHost& host) { RemoveAllGraphs(host); }

void ListPopupCutGraph(GraphListHost& host) { CutSelectedGraph(host); }
void ListPopupCopyGraph(GraphListHost& host) { CopySelectedGraph(host); }
void ListPopupDeleteGraph(GraphListHost& host) { DeleteSelectedGraph(host); }

void InstallGraphListCommands() {
  using MainWindowCommands::Set;
  Set("OnGraphListCheck", [] { OnWindow(OnGraphListCheck); });
  Set("CutSelectedGraph", [] { OnWindow(CutSelectedGraph); });
  Set("CopySelectedGraph", [] { OnWindow(CopySelectedGraph); });
  Set("DeleteSelectedGraph", [] { OnWindow(DeleteSelectedGraph); });
  Set("DeleteAllGraphs", [] { OnWindow(DeleteAllGraphs); });
  Set("ListPopupCutGraph", [] { OnWindow(ListPopupCutGraph); });
  Set("ListPopupCopyGraph", [] { OnWindow(ListPopupCopyGraph); });
  Set("ListPopupDeleteGraph", [] { OnWindow(ListPopupDeleteGraph); });
  Set("PasteCopiedGraph", [] { OnWindow([](GraphListHost& host) { PasteGraph(host); }); });
  Set("CopyPictureAsBmp", [] {
    if (MainWindow* window = MainWindow::Instance()) CopyViewAsBmp(window->ViewImage());
  });
  MainWindowCommands::SetRemoveAllGraphs([] { OnWindow(RemoveAllGraphs); });
}
