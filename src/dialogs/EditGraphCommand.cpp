#include "dialogs/EditGraphCommand.h"

#include <map>

#include "commands/GraphCommandHost.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "platform/Errors.h"
#include "platform/Prompter.h"

namespace {

std::map<GraphDialog, EditDialogOpener>& Openers() {
  static std::map<GraphDialog, EditDialogOpener> openers;
  return openers;
}

} // namespace

namespace {

// Whether graphs of a kind are edited in a document of a kind.
bool EditedIn(int32_t documentType, int32_t graphType) {
  switch (documentType) {
  case DocumentType2D:
    return graphType == Curve2D || graphType == Curve2DAnimation || graphType == PointMarker ||
           graphType == PointAnimation || graphType == Table2D || graphType == StepStemPlot;
  case DocumentType25D:
    return graphType == Ribbon25D || graphType == Ribbon25DAnimation || graphType == PointMarker ||
           graphType == PointAnimation || graphType == Table25D;
  case DocumentType3D:
    return graphType == Curve3D || graphType == Surface3D || graphType == Curve3DAnimation ||
           graphType == Surface3DAnimation || graphType == PointMarker ||
           graphType == PointAnimation || graphType == Table3D;
  case DocumentTypeSpecial:
    return graphType == ContourPlot || graphType == ColorMap || graphType == VectorPlot;
  case DocumentType4D:
    // The 4D functions, and the points the point commands add there (with three coordinates).
    return graphType == Function4D || graphType == Function4DAnimation ||
           graphType == PointMarker || graphType == PointAnimation;
  default:
    return false;
  }
}

} // namespace

GraphDialog EditDialogFor(int32_t documentType, const Graph& g) {
  if (!EditedIn(documentType, g.GraphType)) return GraphDialog::None;
  const GraphDialog dialog = GraphKind(g).Dialog;
  // The function dialogs offer only some forms.
  if (dialog == GraphDialog::Curve2DDialog && (g.FunForm < Implicit || g.FunForm > Inequality))
    return GraphDialog::None;
  if (dialog == GraphDialog::RibbonDialog && g.FunForm != Explicit && g.FunForm != Parametric)
    return GraphDialog::None;
  return dialog;
}

bool HasEditDialog(GraphDialog dialog) { return Openers().count(dialog) > 0; }

void SetEditDialog(GraphDialog dialog, EditDialogOpener opener) {
  if (opener)
    Openers()[dialog] = std::move(opener);
  else
    Openers().erase(dialog);
}

void EditGraph(GraphCommandHost& host) {
  if (host.ListCount() == 0) return;
  const int32_t row = host.ListIndex();
  // Rows but none current, or a row beyond the graphs: no graph is chosen, nothing happens.
  if (row < 0 || row >= AllGraphs.FunSurfs.Count()) return;
  if (!host.ListRowChecked(row)) {
    MsgBox("Select a function first.", MsgButtons::OK, MsgIcon::Exclamation, "Warning");
    return;
  }
  const int32_t id = AllGraphs.FunSurfs.Item(row + 1)->ID;
  std::shared_ptr<Graph> graph;
  for (const auto& shown : ShownGraphs.FunSurfs)
    if (shown->ID == id) {
      graph = shown;
      break;
    }
  if (!graph) return;
  EditMode = true;
  const GraphDialog dialog = EditDialogFor(DocumentType, *graph);
  if (dialog == GraphDialog::None) return;
  const auto opener = Openers().find(dialog);
  if (opener == Openers().end()) {
    // Every dialog that EditDialogFor names is installed at start-up.
    ReportSkippedStep("Edit", "no property dialog is installed for this graph");
    return;
  }
  opener->second(graph, host);
}
