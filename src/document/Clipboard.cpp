#include "document/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>
#include <exception>
#include <memory>

#include "document/DocumentHost.h"
#include "document/DocumentText.h"
#include "document/DocumentTokens.h"
#include "document/GraphRecord.h"
#include "document/GraphRemoval.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/GraphCaption.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "platform/VbRuntime.h"
#include "sampling/Sampling.h"

bool CopyGraph(GraphListHost& host) {
  const int32_t row = host.ListIndex();
  if (row < 0 || row >= AllGraphs.FunSurfs.Count()) return false;
  const Graph& graph = *AllGraphs.FunSurfs.Item(row + 1);
  std::string text;
  try {
    text = ClipboardGraphText(graph, DocumentType);
  } catch (const std::exception& e) {
    MsgBox(std::string("The graph cannot be copied: ") + e.what(), MsgButtons::OK,
           MsgIcon::Critical, "Error");
    return false;
  }
  if (text.empty()) return false;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(QString::fromStdString(text));
  ClipboardGraphCount = 1;
  return true;
}

QImage SnapshotOfView(const QImage& framebuffer) {
  if (framebuffer.isNull() || framebuffer.width() <= 0 || framebuffer.height() <= 0) return {};
  return framebuffer.convertToFormat(QImage::Format_RGB888);
}

bool CopyViewAsBmp(const QImage& framebuffer) {
  const QImage picture = SnapshotOfView(framebuffer);
  if (picture.isNull()) return false;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->clear();
  clipboard->setImage(picture);
  return true;
}

namespace {

// The bytes of the samples of the document's graphs (tables and vectors have none).
std::size_t DocumentSampleBytes() {
  std::size_t total = 0;
  for (const auto& g : AllGraphs.FunSurfs)
    if (GraphKind(*g).SampledWhenShown) total += SamplingBytes(*g).value_or(0);
  return total;
}

} // namespace

bool PasteKindAccepted(int32_t documentType, double kindCode) {
  switch (documentType) {
  case DocumentType2D:
    return kindCode == 1.0 || kindCode == 4.0;
  case DocumentType25D:
    return kindCode == 2.0 || kindCode == 5.0;
  case DocumentType3D:
    return kindCode == 3.0 || kindCode == 6.0;
  case DocumentTypeSpecial:
    return kindCode == 7.0;
  case DocumentType4D:
    return kindCode == 9.0;
  default:
    return false;
  }
}

int32_t PasteGraphText(const std::string& text, GraphListHost& host) {
  if (ClipboardGraphCount < 1) return 0;
  TokenReader in(text);
  if (in.AtEnd() || !PasteKindAccepted(DocumentType, vb::Val(in.Take("the kind code")))) return 0;

  // The new rows take the check state of the row that is current before the paste; with no
  // current row the pasted graph is shown.
  const int32_t current = host.ListIndex();
  const bool checked =
      current >= 0 && current < host.ListCount() ? host.ListRowChecked(current) : true;

  GraphCaptioner captions; // the 3D caption prefix lives for one paste
  int32_t added = 0;
  bool overBudget = false;
  // Each new row's check asks for the scene; it is compiled and presented once, after the paste.
  HeldSceneUpdates held(host);
  for (int32_t pass = 1; pass <= ClipboardGraphCount; ++pass) {
    const bool function = IsFunctionRecordToken(in.Peek());
    if (!function && !IsTableRecordToken(in.Peek())) break;
    auto graph = std::make_shared<Graph>();
    RecordReadResult read;
    try {
      read = function ? ReadGraphRecord(in, *graph, RecordReading::Paste)
                      : ReadTableRecord(in, *graph, RecordReading::Paste);
    } catch (const std::exception&) {
      // A field before the point where Paste recovers: the graph is not added.
      break;
    }
    const bool sampled =
        function && graph->GraphType != Vector && graph->GraphType != VectorOperation;
    // Step counts that sampling cannot lay out are refused before anything changes, and so are
    // samples that would take the document beyond its memory budget.
    if (sampled && !SamplingCountsFit(*graph)) break;
    if (sampled &&
        DocumentSampleBytes() + SamplingBytes(*graph).value_or(0) > DocumentSamplingBudget()) {
      overBudget = true;
      break;
    }
    if (function && read.complete) host.SetAnimationOptionsTexts(FrameCount, FramesPerSecond);

    ++GraphIdCounter;
    while (AllGraphs.FunSurfs.Contains(std::to_string(GraphIdCounter)))
      ++GraphIdCounter;
    graph->ID = GraphIdCounter;
    AllGraphs.FunSurfs.Add(graph);
    // Shown exactly when its row is checked: a graph whose row stays clear never enters
    // ShownGraphs, and one whose row is checked is there already, so the check event leaves it in
    // place without sampling it again.
    if (checked) ShownGraphs.FunSurfs.Add(graph);
    if (sampled) host.SampleGraph(*graph);
    host.AddListRow(captions.Caption(*graph, DocumentType));
    host.SetListRowChecked(host.ListCount() - 1, checked);
    ++added;
  }
  held.Release();
  if (overBudget)
    MsgBox("The graph cannot be pasted: its samples would take the document beyond the memory "
           "it may use.",
           MsgButtons::OK, MsgIcon::Critical, "Error");
  return added;
}

int32_t PasteGraph(GraphListHost& host) {
  if (ClipboardGraphCount < 1) return 0;
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const std::string text = clipboard ? clipboard->text().toStdString() : std::string();
  return PasteGraphText(text, host);
}
