#pragma once
// "Edit..." of the graph list's pop-up menu (EditGraph): opens the property dialog that
// suits the graph of the current row, filled from the graph, for changing it in place. The row
// must be checked ("Select a function first." otherwise); without rows, without a current row or
// without its graph among the shown ones it does nothing. A graph that no dialog edits in its
// document kind opens nothing.

#include <cstdint>
#include <functional>
#include <memory>

#include "model/GraphKinds.h"

class Graph;
class GraphCommandHost;

// The dialog that edits a graph in a document of a kind: the dialog of its kind (GraphKinds), when
// the document kind holds such graphs and the dialog offers the graph's form; None otherwise.
GraphDialog EditDialogFor(int32_t documentType, const Graph& graph);

// Fills a dialog from the graph and shows it modally; its OK commits the change.
using EditDialogOpener = std::function<void(const std::shared_ptr<Graph>&, GraphCommandHost&)>;
void SetEditDialog(GraphDialog dialog, EditDialogOpener opener);
bool HasEditDialog(GraphDialog dialog);

void EditGraph(GraphCommandHost& host);
