#include "document/OpenDocument.h"

#include <QFileInfo>

#include "document/DocumentFile.h"
#include "document/DocumentHost.h"
#include "document/DocumentText.h"
#include "document/SaveCommands.h"
#include "formula/FormulaParser.h"
#include "formula/FormulaText.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/GraphCaption.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "platform/ShownText.h"
#include "platform/WorkProgress.h"
#include "sampling/Sampling.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <new>
#include <vector>

namespace {

// How much of a formula a message quotes.
constexpr std::size_t QuotedFormulaChars = 100;

void SetRotationPreset(int32_t documentType) {
  const bool flat = documentType == DocumentType2D || documentType == DocumentTypeSpecial;
  ShownGraphs.RotRoll = 0.0f;
  ShownGraphs.RotPitch = flat ? 0.0f : -30.0f;
  ShownGraphs.RotYaw = flat ? 0.0f : 45.0f;
}

bool Sampled(const Graph& graph, bool functionRecord) {
  return functionRecord && graph.GraphType != Vector && graph.GraphType != VectorOperation;
}

std::string MemoryText(std::size_t bytes) {
  const double mb = static_cast<double>(bytes) / (1024.0 * 1024.0);
  char text[32];
  if (mb >= 1024.0)
    std::snprintf(text, sizeof text, "%.1f GB", mb / 1024.0);
  else
    std::snprintf(text, sizeof text, "%.0f MB", std::max(mb, 1.0));
  return text;
}

// The graphs a message names, at most a handful, and how many more there are.
std::string GraphList(const std::vector<std::string>& items) {
  constexpr size_t Shown = 8;
  std::string text;
  for (size_t i = 0; i < items.size() && i < Shown; ++i)
    text += (i ? ", " : "") + items[i];
  if (items.size() > Shown) text += " and " + std::to_string(items.size() - Shown) + " more";
  return text;
}

// Gathers the message boxes raised while one graph is sampled, in place of showing them one by
// one, and puts the prompter back afterwards.
class GatheredMessages {
public:
  GatheredMessages() : m_previous(ThePrompter()) { SetPrompter(&prompter); }
  ~GatheredMessages() { SetPrompter(&m_previous); }
  GatheredMessages(const GatheredMessages&) = delete;
  GatheredMessages& operator=(const GatheredMessages&) = delete;
  ScriptedPrompter prompter; // answers with each box's first button, as a user pressing Enter
private:
  Prompter& m_previous;
};

// A message of a graph's sampling as the user can place it: the graph's number and the formula
// that does not parse, when one of its formulas does not.
std::string GraphMessage(int number, const Graph& g, const std::string& message) {
  std::string text = "graph " + std::to_string(number);
  for (const std::string* formula : {&g.ExpressX, &g.ExpressY, &g.ExpressZ, &g.ExpressV}) {
    std::string postfix;
    if (!formula->empty() &&
        FormulaParser::ParseQuietly(InsertImplicitProducts(*formula), postfix) != 0) {
      // A long formula is named by its beginning: the message lists up to twenty graphs.
      text += ", formula \"" + ShortenedLine(*formula, QuotedFormulaChars) + "\"";
      break;
    }
  }
  return text + ": " + message;
}

} // namespace

std::optional<std::string> DocumentSamplingProblem(const ParsedDocument& doc, std::size_t budget) {
  // The frame count in force for each graph is the one the records before it (and its own) leave.
  int32_t frames = FrameCount;
  std::vector<std::string> unfit;
  std::vector<std::pair<std::size_t, size_t>> sizes; // bytes, graph number
  std::size_t total = 0;
  for (size_t i = 0; i < doc.graphs.size(); ++i) {
    const ParsedGraph& parsed = doc.graphs[i];
    const Graph& g = *parsed.graph;
    if (parsed.functionRecord && parsed.read.animationBlock) frames = parsed.read.frameCount;
    if (!Sampled(g, parsed.functionRecord)) continue;
    const auto bytes = SamplingBytes(g.GraphType, g.FunForm, g.CoordType, g.StepU, g.StepV, g.StepW,
                                     frames, g.ShowSurPX, g.ShowSurPY, g.ShowJO);
    if (!bytes) {
      const bool negative = g.StepU < 0 || g.StepV < 0 || g.StepW < 0 || frames < 0;
      unfit.push_back("graph " + std::to_string(i + 1) + " (StepU " + std::to_string(g.StepU) +
                      ", StepV " + std::to_string(g.StepV) + ", StepW " + std::to_string(g.StepW) +
                      ", " + std::to_string(frames) + " frames: " +
                      (negative ? "a count below 0" : "too large") + ")");
      continue;
    }
    total += *bytes;
    sizes.emplace_back(*bytes, i + 1);
  }
  if (!unfit.empty())
    return "the step counts of " + GraphList(unfit) + " cannot be sampled";
  if (total <= budget) return std::nullopt;
  std::stable_sort(sizes.begin(), sizes.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<std::string> largest;
  for (const auto& [bytes, number] : sizes)
    largest.push_back("graph " + std::to_string(number) + " (" + MemoryText(bytes) + ")");
  return "its graphs would need " + MemoryText(total) +
         " of memory for their samples and their drawing, more than the " +
         MemoryText(budget) + " a document may use (the largest: " + GraphList(largest) + ")";
}

std::string OpenFailureMessage(const std::string& path, const std::string& problem) {
  return "The file \"" + path + "\" cannot be opened: " + problem + ".";
}

void ApplyDocument(ParsedDocument& doc, DocumentHost& host) {
  // The scene is compiled and presented once, for the whole document, however many graphs it has
  // and however many steps below ask for it.
  HeldSceneUpdates held(host);
  host.RemoveAllGraphs();
  host.Refresh();

  DocumentType = doc.documentType;
  SetRotationPreset(doc.documentType);
  host.SetUseTrackballRotation(false);
  host.EnableCommands(doc.documentType);

  GraphCaptioner captions;
  std::vector<std::string> samplingFailures;
  int number = 1;
  const double graphs = static_cast<double>(std::max<size_t>(doc.graphs.size(), 1));
  for (ParsedGraph& parsed : doc.graphs) {
    // The user cancelled the opening: no more graphs are sampled (see below).
    if (WorkWasCancelled()) break;
    Graph& g = *parsed.graph;
    if (parsed.functionRecord) {
      if (parsed.read.animationBlock) {
        FrameCount = parsed.read.frameCount;
        FramesPerSecond = parsed.read.framesPerSecond;
      }
      host.SetAnimationOptionsTexts(FrameCount, FramesPerSecond);
    }
    if (GraphIdCounter < g.ID) GraphIdCounter = g.ID + 1;
    AllGraphs.FunSurfs.Add(parsed.graph);
    ShownGraphs.FunSurfs.Add(parsed.graph);
    if (Sampled(g, parsed.functionRecord)) {
      // A graph that cannot be sampled stays in the document (it draws nothing); what its
      // sampling had to say is named with the graph once the document is open.
      GatheredMessages gathered;
      WorkPart part(SamplingShareOfFrameWork * (number - 1) / graphs,
                    SamplingShareOfFrameWork * number / graphs);
      try {
        g.GetPoints();
      } catch (const std::exception& e) {
        samplingFailures.push_back("graph " + std::to_string(number) + ": " + e.what());
      }
      for (const ShownMessage& m : gathered.prompter.shown)
        samplingFailures.push_back(GraphMessage(number, g, m.text));
    }
    host.AddListRow(captions.Caption(g, DocumentType));
    ++number;
  }
  // Cancelled while its graphs were sampled: the document is left empty, and nothing of it is
  // compiled.
  if (WorkWasCancelled()) {
    host.RemoveAllGraphs();
    samplingFailures.clear();
  }

  // The rest of the work is compiling the scene (when the updates held back are released).
  WorkPart compiling(SamplingShareOfFrameWork, 1.0);
  DocumentAxes() = doc.axes;
  AxisScaleMode = doc.scale.mode;
  AxisRatioX = doc.scale.ratioX;
  AxisRatioY = doc.scale.ratioY;
  AxisRatioZ = doc.scale.ratioZ;

  host.CheckAllListRows(AllGraphs.FunSurfs.Count());

  if (ShownGraphs.Animation()) {
    host.EnableAnimationCommands();
    CurrentFrame = 1;
    host.Display(1);
  }
  host.ZoomToFit();
  held.Release();

  if (!samplingFailures.empty()) {
    std::string text = "Some graphs of the document could not be sampled:";
    // One box, however many graphs: a long list is cut short.
    constexpr size_t Shown = 20;
    if (samplingFailures.size() > Shown) {
      const size_t more = samplingFailures.size() - Shown;
      samplingFailures.resize(Shown);
      samplingFailures.push_back("and " + std::to_string(more) + " more");
    }
    for (const auto& f : samplingFailures)
      text += "\n" + f;
    MsgBox(text, MsgButtons::OK, MsgIcon::Exclamation, "Warning");
  }
}

bool OpenDocument(const std::string& path, DocumentHost& host, std::string* problem) {
  if (path.empty()) {
    host.ZoomToFit();
    return true;
  }
  std::string reason;
  std::optional<ParsedDocument> doc;
  try {
    auto text = DocumentFile::Read(path, &reason);
    if (text) {
      if (text->empty())
        reason = "it holds no document";
      else
        doc = ParseDocumentText(*text, DocumentAxes(), &reason);
      if (doc) {
        if (auto tooLarge = DocumentSamplingProblem(*doc, DocumentSamplingBudget())) {
          reason = *tooLarge;
          doc.reset();
        }
      }
    }
  } catch (const std::bad_alloc&) {
    doc.reset();
    reason = "there is not enough memory to open it";
  }
  if (!doc) {
    if (problem) *problem = reason;
    return false;
  }
  // Sampling and compiling many frames takes long: past about a second a progress window offers
  // Cancel, which leaves an empty document with the frame count and speed of before.
  const int32_t framesBefore = FrameCount, speedBefore = FramesPerSecond;
  bool cancelled = false;
  {
    WorkScope work("Opening \"" + ShortenedLine(path, QuotedFormulaChars) + "\"...");
    ApplyDocument(*doc, host);
    cancelled = work.Cancelled();
  }
  if (cancelled) {
    FrameCount = framesBefore;
    FramesPerSecond = speedBefore;
    host.SetAnimationOptionsTexts(FrameCount, FramesPerSecond);
    host.RemoveAllGraphs();
    // The empty document is not the file: Save must not offer to write it over the file.
    DocumentPath.clear();
    MsgBox("The opening of \"" + path + "\" was cancelled: the document is empty.", MsgButtons::OK,
           MsgIcon::Information, "Note");
    return true;
  }
  DocumentPath = QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
  if (!doc->warning.empty()) MsgBox(doc->warning, MsgButtons::OK, MsgIcon::Exclamation, "Warning");
  return true;
}

bool SaveBeforeReplacing(DocumentHost& host) {
  if (ShownGraphs.FunSurfs.Count() == 0) return true;
  switch (MsgBox("Do you want to save the graphs?", MsgButtons::YesNoCancel, MsgIcon::Exclamation,
                 "Note")) {
  case MsgResult::Yes:
    return SaveDocumentCommand(host);
  case MsgResult::No:
    return true;
  default:
    return false;
  }
}

void FileOpenCommand(DocumentHost& host) {
  if (!SaveBeforeReplacing(host)) return;
  const auto choice = TheFileChooser().OpenFile("Open File", {{"(*.crv)", "*.crv"}}, 1, "");
  const std::string path = choice ? choice->path : std::string();
  std::string problem;
  if (!OpenDocument(path, host, &problem))
    MsgBox(OpenFailureMessage(path, problem), MsgButtons::OK, MsgIcon::Critical, "Error");
}
