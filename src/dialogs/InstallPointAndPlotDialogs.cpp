#include "dialogs/InstallPointAndPlotDialogs.h"

#include "commands/AddGraphCommands.h"
#include "dialogs/EditGraphCommand.h"
#include "dialogs/ModalRunner.h"
#include "dialogs/PointPropertiesDialog.h"
#include "dialogs/PointAnimationDialog.h"
#include "dialogs/ContourPlotDialog.h"
#include "dialogs/VectorPlotDialog.h"
#include "dialogs/ColorMapDialog.h"
#include "dialogs/StepStemDialog.h"
#include "view/window/MainWindow.h"

namespace {

// Each opening starts from a freshly made dialog, which is gone when the opening ends.
template <class Dialog, class Prepare> void Open(GraphCommandHost& host, Prepare prepare) {
  Dialog dialog(host, MainWindow::Instance());
  prepare(dialog);
  ShowModal(dialog);
}

// The dialog for adding (prepared by prepareAdd) and for editing (filled from the graph).
template <class Dialog, class PrepareAdd> void Install(GraphDialog kind, PrepareAdd prepareAdd) {
  SetAddDialog(kind, [prepareAdd](const AddDialogSetup& setup, GraphCommandHost& host) {
    Open<Dialog>(host, [&](Dialog& d) { prepareAdd(d, setup); });
  });
  SetEditDialog(kind, [](const std::shared_ptr<Graph>& g, GraphCommandHost& host) {
    Open<Dialog>(host, [&](Dialog& d) { d.FillFrom(g); });
  });
}

} // namespace

void InstallPointAndPlotDialogs() {
  auto point = [](PointDialog& d, const AddDialogSetup&) { d.PrepareAdd(); };
  auto asLoaded = [](QDialog&, const AddDialogSetup&) {};
  Install<PointPropertiesDialog>(GraphDialog::PointPropertiesDialog, point);
  Install<PointAnimationDialog>(GraphDialog::PointAnimationDialog, point);
  Install<ContourPlotDialog>(GraphDialog::ContourPlotDialog, asLoaded);
  Install<ColorMapDialog>(GraphDialog::ColorMapDialog, asLoaded);
  Install<VectorPlotDialog>(GraphDialog::VectorPlotDialog, asLoaded);
  Install<StepStemDialog>(GraphDialog::StepStemDialog,
                          [](StepStemDialog& d, const AddDialogSetup& setup) {
                            if (setup.caption) d.setWindowTitle(setup.caption);
                          });
}
