#include "document/DocumentText.h"

#include <algorithm>
#include <set>

#include "document/DocumentTokens.h"
#include "model/Graph.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/NumberText.h"
#include "platform/ShownText.h"

namespace {

// IDs above this are refused, so that the ID counter and fresh IDs never overflow.
constexpr int32_t MaxGraphId = 1000000000;

// How much of a token a message quotes.
constexpr size_t QuotedTokenChars = 40;

struct HeaderRow {
  const char* token;
  int32_t documentType;
};
constexpr HeaderRow Headers[] = {
    {"S91", DocumentType2D},      {"S92", DocumentType3D},  {"S93", DocumentType25D},
    {"S94", DocumentType2D},      {"S95", DocumentType25D}, {"S96", DocumentType3D},
    {"S97", DocumentTypeSpecial}, {"S98", DocumentType4D},
};

} // namespace

std::string HeaderToken(int32_t documentType) {
  switch (documentType) {
  case DocumentType2D:
    return "S91";
  case DocumentType25D:
    return "S93";
  case DocumentType3D:
    return "S92";
  case DocumentTypeSpecial:
    return "S97";
  case DocumentType4D:
    return "S98";
  default:
    return "";
  }
}

std::optional<int32_t> DocumentTypeOfHeader(std::string_view token) {
  for (const HeaderRow& row : Headers)
    if (token == row.token) return row.documentType;
  return std::nullopt;
}

std::string BuildDocumentText(int32_t documentType, const GraphContainer& shown,
                              const AxesSettings& axes, const ScaleSettings& scale) {
  TokenWriter out;
  const std::string header = HeaderToken(documentType);
  if (!header.empty()) out.Raw(header);
  int32_t count = 0;
  for (const auto& g : shown.FunSurfs)
    if (RecordKindOf(g->GraphType) != RecordKind::NoRecord) ++count;
  out.Integer(count);
  std::string text = out.Text() + shown.Save() + axes.Save();
  TokenWriter trailer;
  trailer.Integer(scale.mode);
  trailer.Real(scale.ratioX);
  trailer.Real(scale.ratioY);
  trailer.Real(scale.ratioZ);
  return text + trailer.TextWithoutLastBlank();
}

std::string BuildDocumentText() {
  return BuildDocumentText(DocumentType, ShownGraphs, DocumentAxes(),
                           ScaleSettings{AxisScaleMode, AxisRatioX, AxisRatioY, AxisRatioZ});
}

std::string ClipboardGraphText(const Graph& graph, int32_t documentType) {
  switch (RecordKindOf(graph.GraphType)) {
  case RecordKind::Table:
    return std::to_string(documentType) + " " + graph.SaveTable();
  case RecordKind::Function:
    return std::to_string(documentType) + " " + graph.Save();
  case RecordKind::NoRecord:
    break;
  }
  return "";
}

namespace {

// Whether the rest of the text is an axes record and the scale trailer that end with the text.
bool AxesAndTrailerToTheEnd(TokenReader in) {
  try {
    AxesSettings axes;
    ReadAxesRecord(in, axes);
    in.Integer("AxisScaleMode");
    in.Real("AxisRatioX");
    in.Real("AxisRatioY");
    in.Real("AxisRatioZ");
  } catch (const TokenError&) {
    return false;
  }
  return in.OnlyBlanksLeft();
}

// How many whole graph records stand between the records the count announced and an axes record
// and trailer that end the text: what a count smaller than the records hides. The axes record can
// take a graph record's tokens as its own, so the largest number that reads so is taken; 0 when
// none does (the lenient reading then stands as it is). Reads a copy of the reader.
size_t UnannouncedRecords(TokenReader in) {
  constexpr size_t MostCounted = 1 << 20;
  size_t found = 0;
  for (size_t extra = 0; extra < MostCounted; ++extra) {
    if (extra > 0 && AxesAndTrailerToTheEnd(in)) found = extra;
    const bool function = IsFunctionRecordToken(in.Peek());
    if (!function && !IsTableRecordToken(in.Peek())) break;
    Graph probe;
    try {
      if (function)
        ReadGraphRecord(in, probe);
      else
        ReadTableRecord(in, probe);
    } catch (const TokenError&) {
      break;
    }
  }
  return found;
}

// Reads the graph records the count announces, each into the graph newGraph() gives, and hands
// each to took(graph, functionRecord, read) once it is read, which answers whether to go on:
// records are read while the count lasts and a record begins at the record position, so a count
// larger than the records present ends at the axes record (or at the end of the text). A record
// that cannot be read throws TokenError naming its graph.
template <class NewGraph, class Took>
void ReadRecords(TokenReader& in, int32_t count, NewGraph&& newGraph, Took&& took) {
  for (int32_t i = 1; i <= count; ++i) {
    const bool function = IsFunctionRecordToken(in.Peek());
    if (!function && !IsTableRecordToken(in.Peek())) break;
    Graph& graph = newGraph();
    RecordReadResult read;
    try {
      read = function ? ReadGraphRecord(in, graph) : ReadTableRecord(in, graph);
      if (graph.ID > MaxGraphId || graph.ID < -MaxGraphId)
        throw TokenError("its ID " + std::to_string(graph.ID) + " is out of range");
    } catch (const TextEndedError&) {
      // A record cut short by the end of the text: the count promised more than is there.
      throw TokenError("it announces " + std::to_string(count) + " graphs but holds only " +
                       std::to_string(i - 1) + " (the text ends inside graph " + std::to_string(i) +
                       ")");
    } catch (const TokenError& e) {
      throw TokenError("graph " + std::to_string(i) + ": " + e.what());
    }
    if (!took(graph, function, read)) return;
  }
}

} // namespace

bool WalkDocumentRecords(
    std::string_view text,
    const std::function<bool(const Graph&, bool functionRecord, const RecordReadResult&)>& seen,
    int32_t* announced) {
  TokenReader in(text);
  if (!DocumentTypeOfHeader(in.Peek())) return false;
  in.Take("the header");
  // One graph at a time: each record is read over a graph with the defaults, as the reader's own.
  std::optional<Graph> graph;
  try {
    const int32_t count = in.Integer("the graph count");
    if (announced) *announced = count;
    ReadRecords(
        in, count,
        [&]() -> Graph& {
          graph.emplace();
          return *graph;
        },
        [&](Graph& g, bool function, const RecordReadResult& read) {
          return seen(g, function, read);
        });
  } catch (const TokenError&) {
    return false;
  }
  return true;
}

std::optional<ParsedDocument> ParseDocumentText(std::string_view text, const AxesSettings& axes,
                                                std::string* problem) {
  ParsedDocument doc;
  doc.axes = axes;
  TokenReader in(text);
  const auto kind = DocumentTypeOfHeader(in.Peek());
  if (!kind) {
    if (problem) *problem = "it is not a Corvalin document";
    return std::nullopt;
  }
  doc.documentType = *kind;
  in.Take("the header");
  try {
    const std::string countToken(in.Peek());
    const int32_t count = in.Integer("the graph count");
    ReadRecords(
        in, count,
        [&]() -> Graph& {
          ParsedGraph& parsed = doc.graphs.emplace_back();
          parsed.graph = std::make_shared<Graph>();
          return *parsed.graph;
        },
        [&](Graph&, bool function, const RecordReadResult& read) {
          doc.graphs.back().functionRecord = function;
          doc.graphs.back().read = read;
          return true;
        });
    // Records where the axes should begin: the document holds more graphs than it announces.
    const size_t unannounced = UnannouncedRecords(in);
    try {
      ReadAxesRecord(in, doc.axes);
    } catch (const TokenError& e) {
      throw TokenError(std::string("the axes: ") + e.what());
    }
    doc.scale.mode = in.Integer("AxisScaleMode");
    doc.scale.ratioX = in.Real("AxisRatioX");
    doc.scale.ratioY = in.Real("AxisRatioY");
    doc.scale.ratioZ = in.Real("AxisRatioZ");
    // Stored documents are read as leniently as they need, but what was passed over is said.
    // A count token without a number reads 0: the message quotes it rather than a 0 nobody wrote.
    const std::string announced = NumberText::LeadingNumber(countToken)
                                      ? "The document announces " + std::to_string(count) +
                                            (count == 1 ? " graph" : " graphs")
                                      : "The document's graph count is \"" +
                                            ShortenedLine(countToken, QuotedTokenChars) +
                                            "\", which is no number";
    // Tokens left after the trailer, counted up to the end of the text: an empty token (two
    // blanks in a row) does not end them.
    size_t left = 0;
    while (!in.AtEnd())
      if (!in.Take("the text after the scale settings").empty()) ++left;
    const std::string read = std::to_string(doc.graphs.size()) +
                             (doc.graphs.size() == 1 ? " graph was read" : " graphs were read");
    if (unannounced > 0)
      doc.warning =
          announced + "; " + read + ", but " + std::to_string(unannounced) +
          (unannounced == 1 ? " more graph record follows" : " more graph records follow") +
          " where the axes settings should begin. They were read as the axes settings, "
          "and saving the document writes only what was read.";
    else if (left > 0)
      doc.warning = announced + "; " + read + ", and " + std::to_string(left) +
                    (left == 1 ? " token follows" : " tokens follow") +
                    " its axes and scale settings (they may hold further graphs). They were not "
                    "read, and saving the document writes only what was read.";
    else if (count < 0)
      doc.warning = announced + "; it was read as holding none.";
  } catch (const TokenError& e) {
    if (problem) *problem = e.what();
    return std::nullopt;
  }

  // A graph whose ID an earlier graph holds gets a fresh ID, above every ID of the document.
  int32_t maxId = 0;
  for (const auto& g : doc.graphs)
    maxId = std::max(maxId, g.graph->ID);
  std::set<int32_t> held;
  for (auto& g : doc.graphs) {
    if (!held.insert(g.graph->ID).second) {
      g.graph->ID = ++maxId;
      g.freshId = true;
      held.insert(maxId);
    }
  }
  return doc;
}
