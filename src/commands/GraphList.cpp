#include "commands/GraphList.h"

#include <QListWidget>
#include <QListWidgetItem>

#include "document/Clipboard.h"
#include "document/GraphRemoval.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/GraphKinds.h"
#include "model/Module1.h"
#include "view/window/frmF1.h"
#include "view/window/frmF1Commands.h"

namespace {

// The main window as the graph commands' host: its list List1 and its scene.
class WindowGraphList : public GraphListHost {
public:
  explicit WindowGraphList(frmF1& window) : m_window(window) {}

  int32_t ListCount() const override { return m_window.List1()->count(); }
  int32_t ListIndex() const override { return m_window.List1()->currentRow(); }
  bool ListRowChecked(int32_t row) const override {
    const QListWidgetItem* item = m_window.List1()->item(row);
    return item && item->checkState() == Qt::Checked;
  }
  void AddListRow(const std::string& caption) override { m_window.AddListRow(caption); }
  void SetListRowChecked(int32_t row, bool checked) override {
    m_window.SetListRowChecked(row, checked);
  }
  void RemoveListRow(int32_t row) override { delete m_window.List1()->takeItem(row); }
  void ClearList() override { m_window.List1()->clear(); }
  void BuildScene() override { m_window.BuildScene(); }
  void Display(int32_t frame) override { m_window.Display(frame); }
  void SetAnimationOptionsTexts(int32_t frameCount, int32_t framesPerSecond) override {
    m_window.SetAnimationOptionsTexts(frameCount, framesPerSecond);
  }

private:
  frmF1& m_window;
};

// Runs a command on the main window, when there is one.
template <typename Command> void OnWindow(Command command) {
  if (frmF1* window = frmF1::Instance()) {
    WindowGraphList host(*window);
    command(host);
  }
}

} // namespace

bool IsGraphShown(int32_t id) {
  for (const auto& graph : ShownGraphs.FunSurfs)
    if (graph->ID == id) return true;
  return false;
}

void List1_ItemCheck(GraphListHost& host) {
  const int32_t count = AllGraphs.FunSurfs.Count();
  // A graph without a row (none yet) is left as it is. The bounds are asked again for every row:
  // a message box of the sampling lets other events run, and one of them may remove graphs.
  for (int32_t i = 1; i <= count && i <= AllGraphs.FunSurfs.Count() && i <= host.ListCount(); ++i) {
    const std::shared_ptr<Cls9> graph = AllGraphs.FunSurfs.Item(i);
    const bool checked = host.ListRowChecked(i - 1);
    const bool shown = IsGraphShown(graph->ID);
    if (!checked && shown) {
      ShownGraphs.FunSurfs.Remove(GraphKey(*graph));
    } else if (checked && !shown) {
      ShownGraphs.FunSurfs.Add(graph);
      if (GraphKind(*graph).SampledWhenShown) host.SampleGraph(*graph);
    }
  }
  host.BuildScene();
  host.Display(CurrentFrame);
}

void mnuEditDelete_Click(GraphListHost& host) {
  const int32_t row = host.ListIndex();
  if (row < 0) return;
  RemoveGraphAt(row + 1, host);
}

void mnuEditCopy_Click(GraphListHost& host) { CopyGraph(host); }

void mnuEditCut_Click(GraphListHost& host) {
  if (CopyGraph(host)) mnuEditDelete_Click(host);
}

void mnuEditDelAll_Click(GraphListHost& host) { RemoveAllGraphs(host); }

void mnuFunCut_Click(GraphListHost& host) { mnuEditCut_Click(host); }
void mnuFunCopy_Click(GraphListHost& host) { mnuEditCopy_Click(host); }
void mnuFunDelete_Click(GraphListHost& host) { mnuEditDelete_Click(host); }

void InstallGraphListCommands() {
  using frmF1Commands::Set;
  Set("List1_ItemCheck", [] { OnWindow(List1_ItemCheck); });
  Set("mnuEditCut_Click", [] { OnWindow(mnuEditCut_Click); });
  Set("mnuEditCopy_Click", [] { OnWindow(mnuEditCopy_Click); });
  Set("mnuEditDelete_Click", [] { OnWindow(mnuEditDelete_Click); });
  Set("mnuEditDelAll_Click", [] { OnWindow(mnuEditDelAll_Click); });
  Set("mnuFunCut_Click", [] { OnWindow(mnuFunCut_Click); });
  Set("mnuFunCopy_Click", [] { OnWindow(mnuFunCopy_Click); });
  Set("mnuFunDelete_Click", [] { OnWindow(mnuFunDelete_Click); });
  Set("mnuEditPaste_Click", [] { OnWindow([](GraphListHost& host) { PasteGraph(host); }); });
  Set("mnuEditCopyAs_Click", [] {
    if (frmF1* window = frmF1::Instance()) CopyViewAsBmp(window->ViewImage());
  });
  frmF1Commands::SetRemoveAllGraphs([] { OnWindow(RemoveAllGraphs); });
}
