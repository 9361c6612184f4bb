#include "dialogs/InstallGraphDialogs.h"

#include "commands/AddGraphCommands.h"
#include "commands/AnimationOptions.h"
#include "commands/GraphCommandHost.h"
#include "dialogs/EditGraphCommand.h"
#include "dialogs/InstallPointAndPlotDialogs.h"
#include "dialogs/ModalRunner.h"
#include "dialogs/TableDialogs.h"
#include "dialogs/AnimationOptionsDialog.h"
#include "dialogs/Graph4DDialog.h"
#include "dialogs/RibbonDialog.h"
#include "dialogs/Curve2DDialog.h"
#include "dialogs/Graph3DDialog.h"
#include "view/window/MainWindow.h"
#include "view/window/MainWindowCommands.h"

namespace {

// Each opening starts from a freshly made dialog, which is gone when the opening ends.
template <class Dialog, class Prepare> void Open(GraphCommandHost& host, Prepare prepare) {
  Dialog dialog(host, MainWindow::Instance());
  prepare(dialog);
  ShowModal(dialog);
}

// A table dialog opens as loaded for adding and filled from the graph for editing.
template <class Dialog> void InstallTableDialogs(GraphDialog kind) {
  SetAddDialog(kind, [](const AddDialogSetup&, GraphCommandHost& host) {
    Open<Dialog>(host, [](Dialog&) {});
  });
  SetEditDialog(kind, [](const std::shared_ptr<Graph>& g, GraphCommandHost& host) {
    Open<Dialog>(host, [&](Dialog& d) { d.FillFrom(g); });
  });
}

} // namespace

void InstallGraphDialogs() {
  SetAddDialog(GraphDialog::Curve2DDialog, [](const AddDialogSetup& setup, GraphCommandHost& host) {
    Open<Curve2DDialog>(host, [&](Curve2DDialog& d) { d.PrepareAdd(setup); });
  });
  SetAddDialog(GraphDialog::RibbonDialog, [](const AddDialogSetup& setup, GraphCommandHost& host) {
    Open<RibbonDialog>(host, [&](RibbonDialog& d) { d.PrepareAdd(setup); });
  });
  SetEditDialog(GraphDialog::Curve2DDialog,
                [](const std::shared_ptr<Graph>& g, GraphCommandHost& host) {
                  Open<Curve2DDialog>(host, [&](Curve2DDialog& d) { d.FillFrom(g); });
                });
  SetEditDialog(GraphDialog::RibbonDialog,
                [](const std::shared_ptr<Graph>& g, GraphCommandHost& host) {
                  Open<RibbonDialog>(host, [&](RibbonDialog& d) { d.FillFrom(g); });
                });
  InstallTableDialogs<Table2DDialog>(GraphDialog::Table2DDialog);
  InstallTableDialogs<Table25DDialog>(GraphDialog::Table25DDialog);
  InstallTableDialogs<Table3DDialog>(GraphDialog::Table3DDialog);
  SetAddDialog(GraphDialog::Graph3DDialog, [](const AddDialogSetup& setup, GraphCommandHost& host) {
    Open<Graph3DDialog>(host, [&](Graph3DDialog& d) { d.PrepareAdd(setup); });
  });
  SetEditDialog(GraphDialog::Graph3DDialog,
                [](const std::shared_ptr<Graph>& g, GraphCommandHost& host) {
                  Open<Graph3DDialog>(host, [&](Graph3DDialog& d) { d.FillFrom(g); });
                });
  SetAddDialog(GraphDialog::Graph4DDialog, [](const AddDialogSetup& setup, GraphCommandHost& host) {
    Open<Graph4DDialog>(host, [&](Graph4DDialog& d) { d.PrepareAdd(setup); });
  });
  SetEditDialog(GraphDialog::Graph4DDialog,
                [](const std::shared_ptr<Graph>& g, GraphCommandHost& host) {
                  Open<Graph4DDialog>(host, [&](Graph4DDialog& d) { d.FillFrom(g); });
                });
  MainWindowCommands::Set("EditGraph", [] {
    if (auto host = MakeWindowCommandHost()) EditGraph(*host);
  });
  MainWindowCommands::Set("EditAnimationOptions", [] {
    if (auto host = MakeWindowCommandHost())
      EditAnimationOptions(
          *host, [&host] { Open<AnimationOptionsDialog>(*host, [](AnimationOptionsDialog&) {}); });
  });
  InstallPointAndPlotDialogs();
  InstallAddGraphCommands();
}
