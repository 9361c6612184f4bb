#include "document/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>
#include <exception>
#include <memory>
#include <utility>

#include "document/DocumentHost.h"
#include "document/DocumentText.h"
#include "document/DocumentTokens.h"
#include "document/GraphRecord.h"
#include "document/GraphRemoval.h"
#include "model/Graph.h"
#include "model/GraphCaption.h"
#include "model/GraphContainer.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "platform/NumberText.h"
#include "platform/Prompter.h"
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

// The document kind a clipboard text's kind code stands for: a kind's own code, or the code of its
// table kind (Table2D, Table25D, Table3D); nothing for any other code.
std::optional<int32_t> DocumentKindOfCode(double code) {
  for (int32_t kind :
       {DocumentType2D, DocumentType25D, DocumentType3D, DocumentTypeSpecial, DocumentType4D})
    if (code == kind) return kind;
  if (code == int32_t{DocumentType2DAlso}) return DocumentType2D;
  if (code == int32_t{DocumentType25DAlso}) return DocumentType25D;
  if (code == int32_t{DocumentType3DAlso}) return DocumentType3D;
  return std::nullopt;
}

} // namespace

bool PasteKindAccepted(int32_t documentType, double kindCode) {
  return DocumentKindOfCode(kindCode) == documentType;
}

namespace {

// The name of a document kind, and of the kind a clipboard text's code belongs to.
std::string KindName(double code) {
  switch (DocumentKindOfCode(code).value_or(0)) {
  case DocumentType2D:
    return "2D";
  case DocumentType25D:
    return "2.5D";
  case DocumentType3D:
    return "3D";
  case DocumentTypeSpecial:
    return "Special";
  case DocumentType4D:
    return "4D";
  default:
    return "";
  }
}

// Reads the record at the reader's position into graph as Paste reads it; false when no record
// begins there or it cannot be read as far as Paste needs (see ReadGraphRecord).
bool ReadPastedRecord(TokenReader& in, Graph& graph, RecordReadResult* read) {
  const bool function = IsFunctionRecordToken(in.Peek());
  if (!function && !IsTableRecordToken(in.Peek())) return false;
  try {
    *read = function ? ReadGraphRecord(in, graph, RecordReading::Paste)
                     : ReadTableRecord(in, graph, RecordReading::Paste);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

} // namespace

int32_t PasteGraphText(const std::string& text, GraphListHost& host, std::string* whyNothing) {
  auto nothing = [whyNothing](std::string why) {
    if (whyNothing) *whyNothing = std::move(why);
    return 0;
  };
  if (ClipboardGraphCount < 1)
    return nothing("Nothing was pasted: no graph has been copied in this run of the program.");
  TokenReader in(text);
  const double kindCode = in.AtEnd() ? 0.0 : NumberText::LeadingValue(in.Take("the kind code"));
  // Only a kind code followed by a whole record is a graph, of whatever document kind.
  bool record = !KindName(kindCode).empty();
  if (record) {
    TokenReader trial = in;
    Graph scratch;
    RecordReadResult read;
    record = ReadPastedRecord(trial, scratch, &read);
  }
  if (!record) return nothing("Nothing was pasted: the clipboard holds no graph.");
  if (!PasteKindAccepted(DocumentType, kindCode))
    return nothing("Nothing was pasted: the clipboard holds a graph of a " + KindName(kindCode) +
                   " document, which a " + KindName(DocumentType) + " document cannot take.");

  // The new rows take the check state of the row that is current before the paste; with no
  // current row the pasted graph is shown.
  const int32_t current = host.ListIndex();
  const bool checked =
      current >= 0 && current < host.ListCount() ? host.ListRowChecked(current) : true;

  GraphCaptioner captions; // the 3D caption prefix lives for one paste
  int32_t added = 0;
  bool overBudget = false;
  bool countsFit = true;
  // Each new row's check asks for the scene; it is compiled and presented once, after the paste.
  HeldSceneUpdates held(host);
  for (int32_t pass = 1; pass <= ClipboardGraphCount; ++pass) {
    const bool function = IsFunctionRecordToken(in.Peek());
    auto graph = std::make_shared<Graph>();
    RecordReadResult read;
    // No record, or a field before the point where Paste recovers: the graph is not added.
    if (!ReadPastedRecord(in, *graph, &read)) break;
    const bool sampled =
        function && graph->GraphType != Vector && graph->GraphType != VectorOperation;
    // Step counts that sampling cannot lay out are refused before anything changes, and so are
    // samples that would take the document beyond its memory budget.
    if (sampled && !SamplingCountsFit(*graph)) {
      countsFit = false;
      break;
    }
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
  else if (added == 0)
    return nothing(countsFit ? "Nothing was pasted: the clipboard holds no graph."
                             : "Nothing was pasted: the step counts of the graph on the clipboard "
                               "are too large to sample.");
  return added;
}

int32_t PasteGraph(GraphListHost& host) {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const std::string text = clipboard ? clipboard->text().toStdString() : std::string();
  std::string whyNothing;
  const int32_t added = PasteGraphText(text, host, &whyNothing);
  // A paste that adds nothing says why, rather than leaving the user to guess.
  if (added == 0 && !whyNothing.empty())
    MsgBox(whyNothing, MsgButtons::OK, MsgIcon::Information, "Paste");
  return added;
}
