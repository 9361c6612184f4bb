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
  Dialog dialog(host, frmF1::Instance());
  prepare(dialog);
  ShowModal(dialog);
}

// A table dialog opens as loaded for adding and filled from the graph for editing.
template <class Dialog> void InstallTableDialogs(GraphDialog kind) {
  SetAddDialog(kind, [](const AddDialogSetup&, GraphCommandHost& host) {
    Open<Dialog>(host, [](Dialog&) {});
  });
  SetEditDialog(kind, [](const std::shared_ptr<Cls9>& g, GraphCommandHost& host) {
    Open<Dialog>(host, [&](Dialog& d) { d.FillFrom(g); });
  });
}

} // namespace

void InstallGraphDialogs() {
  SetAddDialog(GraphDialog::frmF5, [](const AddDialogSetup& setup, GraphCommandHost& host) {
    Open<frmF5>(host, [&](frmF5& d) { d.PrepareAdd(setup); });
  });
  SetAddDialog(GraphDialog::frmF4, [](const AddDialogSetup& setup, GraphCommandHost& host) {
    Open<frmF4>(host, [&](frmF4& d) { d.PrepareAdd(setup); });
  });
  SetEditDialog(GraphDialog::frmF5, [](const std::shared_ptr<Cls9>& g, GraphCommandHost& host) {
    Open<frmF5>(host, [&](frmF5& d) { d.FillFrom(g); });
  });
  SetEditDialog(GraphDialog::frmF4, [](const std::shared_ptr<Cls9>& g, GraphCommandHost& host) {
    Open<frmF4>(host, [&](frmF4& d) { d.FillFrom(g); });
  });
  InstallTableDialogs<frmF11>(GraphDialog::frmF11);
  InstallTableDialogs<frmF10>(GraphDialog::frmF10);
  InstallTableDialogs<frmF12>(GraphDialog::frmF12);
  SetAddDialog(GraphDialog::frmF6, [](const AddDialogSetup& setup, GraphCommandHost& host) {
    Open<frmF6>(host, [&](frmF6& d) { d.PrepareAdd(setup); });
  });
  SetEditDialog(GraphDialog::frmF6, [](const std::shared_ptr<Cls9>& g, GraphCommandHost& host) {
    Open<frmF6>(host, [&](frmF6& d) { d.FillFrom(g); });
  });
  SetAddDialog(GraphDialog::frmF27, [](const AddDialogSetup& setup, GraphCommandHost& host) {
    Open<frmF27>(host, [&](frmF27& d) { d.PrepareAdd(setup); });
  });
  SetEditDialog(GraphDialog::frmF27, [](const std::shared_ptr<Cls9>& g, GraphCommandHost& host) {
    Open<frmF27>(host, [&](frmF27& d) { d.FillFrom(g); });
  });
  frmF1Commands::Set("mnuFunEdit_Click", [] {
    if (auto host = MakeWindowCommandHost()) mnuFunEdit_Click(*host);
  });
  frmF1Commands::Set("mnuAniOpt_Click", [] {
    if (auto host = MakeWindowCommandHost())
      mnuAniOpt_Click(*host, [&host] { Open<frmF19>(*host, [](frmF19&) {}); });
  });
  InstallPointAndPlotDialogs();
  InstallAddGraphCommands();
}
