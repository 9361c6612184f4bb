#include "document/GraphRemoval.h"

#include <exception>

#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"

void GraphListHost::SampleGraph(Graph& graph) {
  try {
    graph.GetPoints();
  } catch (const std::exception& e) {
    MsgBox(std::string("The graph could not be sampled: ") + e.what(), MsgButtons::OK,
           MsgIcon::Exclamation, "Error");
  }
}

void PlaybackFollowsShownGraphs(GraphListHost& host) {
  host.SetPlaybackEnabled(ShownGraphs.Animation());
}

bool RemoveGraphAt(int32_t index, GraphListHost& host) {
  const int32_t count = AllGraphs.FunSurfs.Count();
  // No graph there (also no current row, index 0): the document and the list stay as they are.
  if (count == 0 || index < 1 || index > count) return false;

  const std::shared_ptr<Graph> graph = AllGraphs.FunSurfs.Item(index);
  const int32_t id = graph->ID;
  for (int32_t i = 1; i <= ShownGraphs.FunSurfs.Count(); ++i) {
    if (ShownGraphs.FunSurfs.Item(i)->ID == id) {
      ShownGraphs.FunSurfs.Remove(i);
      break;
    }
  }
  AllGraphs.FunSurfs.Remove(index);
  if (index - 1 < host.ListCount()) host.RemoveListRow(index - 1);

  PlaybackFollowsShownGraphs(host);
  host.BuildScene();
  host.Display(CurrentFrame);
  return true;
}

void RemoveAllGraphs(GraphListHost& host) {
  for (int32_t i = ShownGraphs.FunSurfs.Count(); i >= 1; --i)
    ShownGraphs.FunSurfs.Remove(i);
  for (int32_t i = AllGraphs.FunSurfs.Count(); i >= 1; --i)
    AllGraphs.FunSurfs.Remove(i);
  host.ClearList();
  GraphIdCounter = 0;

  PlaybackFollowsShownGraphs(host);
  host.BuildScene();
  host.Display(CurrentFrame);
}
