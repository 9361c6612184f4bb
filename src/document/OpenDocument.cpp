#include "document/OpenDocument.h"

#include <QFileInfo>

#include "document/DocumentFile.h"
#include "document/DocumentHost.h"
#include "document/DocumentText.h"
#include "document/SaveCommands.h"
#include "formula/FormulaParser.h"
#include "formula/FormulaText.h"
#include "model/Graph.h"
#include "model/GraphCaption.h"
#include "model/GraphContainer.h"
#include "model/GraphKinds.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "platform/ShownText.h"
#include "platform/WorkProgress.h"
#include "sampling/Sampling.h"

#include <algorithm>
#include <cctype>
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

// The graphs a message names, at most a handful, and how many more there are.
constexpr size_t NamedGraphs = 8;
std::string GraphList(const std::vector<std::string>& items, size_t more = 0) {
  std::string text;
  for (size_t i = 0; i < items.size() && i < NamedGraphs; ++i)
    text += (i ? ", " : "") + items[i];
  if (items.size() > NamedGraphs) more += items.size() - NamedGraphs;
  if (more > 0) text += " and " + std::to_string(more) + " more";
  return text;
}

// What a document will take in memory once it is open, counted graph by graph before the graphs
// are made (or from graphs read already): its text, every graph with its settings, and the samples
// of the graphs that are sampled with the drawing of them. Add answers whether counting need go
// on. Problem gives the message when it does not fit the budget, or when step counts cannot be
// sampled at all.
class DocumentCost {
public:
  DocumentCost(std::size_t textBytes, std::size_t budget)
      : m_total(textBytes), m_textBytes(textBytes), m_budget(budget) {}

  bool Add(const Graph& g, bool functionRecord, const RecordReadResult& read) {
    const int number = ++m_graphs;
    // The frame count in force for each graph is the one the records before it (and its own)
    // leave.
    if (functionRecord && read.animationBlock) m_frames = read.frameCount;
    std::size_t bytes = GraphBytes(g);
    if (Sampled(g, functionRecord)) {
      const auto samples = SamplingBytes(g.GraphType, g.FunForm, g.CoordType, g.StepU, g.StepV,
                                         g.StepW, m_frames, g.ShowSurPX, g.ShowSurPY, g.ShowJO);
      if (!samples) {
        // The frame count is named, and counts, only for a graph sampled frame by frame.
        const bool animated = GraphKind(g).Animated;
        const bool negative =
            g.StepU < 0 || g.StepV < 0 || g.StepW < 0 || (animated && m_frames < 0);
        std::string counts = "StepU " + std::to_string(g.StepU) + ", StepV " +
                             std::to_string(g.StepV) + ", StepW " + std::to_string(g.StepW);
        if (animated) counts += ", " + std::to_string(m_frames) + " frames";
        if (m_unfit.size() < NamedGraphs)
          m_unfit.push_back("graph " + std::to_string(number) + " (" + counts + ": " +
                            (negative ? "a count below 0" : "too large") + ")");
        else
          ++m_moreUnfit;
        return true;
      }
      bytes += *samples;
    }
    m_total += bytes;
    m_sizes.emplace_back(bytes, number);
    // A document of a few graphs is counted whole, so that its largest graphs can be named; one
    // of very many is not counted to its end once it is beyond the budget: that would take long.
    constexpr int CountedWhole = 10000;
    return m_total <= m_budget || m_graphs < CountedWhole;
  }

  // announced: the graph count of the document, when counting stopped before its last graph.
  std::optional<std::string> Problem(std::optional<int32_t> announced = std::nullopt) {
    if (!m_unfit.empty())
      return "the step counts of " + GraphList(m_unfit, m_moreUnfit) + " cannot be sampled";
    if (m_total <= m_budget) return std::nullopt;
    const std::string text = m_textBytes > 0 ? "its text and " : "";
    std::string message;
    if (announced && *announced > m_graphs)
      message = "it would need more than the " + MemoryText(m_budget) +
                " of memory a document may use: " + text + "the first " + std::to_string(m_graphs) +
                " of the " + std::to_string(*announced) +
                " graphs it announces take that much with their samples and drawing";
    else
      message = "it would need " + MemoryText(m_total) + " of memory for " + text + "its " +
                std::to_string(m_graphs) + (m_graphs == 1 ? " graph" : " graphs") +
                " with their samples and drawing, more than the " + MemoryText(m_budget) +
                " a document may use";
    // The largest graphs, when there are large ones; a document of many small graphs is too
    // large for their number.
    const size_t named = std::min(m_sizes.size(), NamedGraphs);
    std::partial_sort(m_sizes.begin(), m_sizes.begin() + static_cast<std::ptrdiff_t>(named),
                      m_sizes.end(), [](const auto& a, const auto& b) {
                        return a.first != b.first ? a.first > b.first : a.second < b.second;
                      });
    constexpr std::size_t Large = std::size_t{1} << 20;
    if (named > 0 && m_sizes.front().first >= Large) {
      std::vector<std::string> largest;
      for (size_t i = 0; i < named; ++i)
        largest.push_back("graph " + std::to_string(m_sizes[i].second) + " (" +
                          MemoryText(m_sizes[i].first) + ")");
      message += " (the largest: " + GraphList(largest, m_sizes.size() - named) + ")";
    }
    return message;
  }

private:
  std::size_t m_total;
  std::size_t m_textBytes;
  std::size_t m_budget;
  int32_t m_frames = FrameCount;
  int m_graphs = 0;
  std::vector<std::string> m_unfit; // the first few graphs whose counts cannot be sampled
  size_t m_moreUnfit = 0;
  std::vector<std::pair<std::size_t, int>> m_sizes; // bytes, graph number
};

// A message of a graph's sampling as the user can place it: the graph's number and the formula
// that does not parse, when one of its formulas does not.
std::string GraphMessage(int number, const Graph& g, const std::string& message) {
  std::string text = "graph " + std::to_string(number);
  // A message that names its graph already ("The derivative of graph 2 is too long") is not
  // prefixed with it again.
  const size_t named = message.find(text);
  const size_t after = named + text.size();
  if (named != std::string::npos &&
      (after == message.size() || !std::isdigit(static_cast<unsigned char>(message[after]))))
    return message;
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
  DocumentCost cost(0, budget);
  for (const ParsedGraph& parsed : doc.graphs)
    cost.Add(*parsed.graph, parsed.functionRecord, parsed.read);
  return cost.Problem();
}

std::optional<std::string> DocumentCostProblem(std::string_view text, std::size_t budget) {
  DocumentCost cost(text.size(), budget);
  // Counting stops once the budget is passed; a record that cannot be read ends it too (the
  // reader then says what is wrong with it).
  int32_t announced = 0;
  WalkDocumentRecords(
      text,
      [&](const Graph& g, bool functionRecord, const RecordReadResult& read) {
        return cost.Add(g, functionRecord, read);
      },
      &announced);
  return cost.Problem(announced);
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
      // sampling had to say is gathered and named with the graph once the document is open.
      ScopedScriptedPrompter gathered;
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
      else if (auto tooLarge = DocumentCostProblem(*text, DocumentSamplingBudget()))
        reason = *tooLarge;
      else
        doc = ParseDocumentText(*text, DocumentAxes(), &reason);
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
