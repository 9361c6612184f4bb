#include "document/DocumentText.h"

#include <algorithm>
#include <set>

#include "document/DocumentTokens.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/ProgramState.h"

namespace {

// IDs above this are refused, so that the ID counter and fresh IDs never overflow.
constexpr int32_t MaxGraphId = 1000000000;

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
  return in.Peek().empty();
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

} // namespace

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
    const int32_t count = in.Integer("the graph count");
    // Records are read while the count lasts and a record begins at the record position: a
    // count larger than the records present ends at the axes record (or at the end of the text).
    for (int32_t i = 1; i <= count; ++i) {
      const bool function = IsFunctionRecordToken(in.Peek());
      if (!function && !IsTableRecordToken(in.Peek())) break;
      ParsedGraph parsed;
      parsed.graph = std::make_shared<Graph>();
      parsed.functionRecord = function;
      try {
        parsed.read =
            function ? ReadGraphRecord(in, *parsed.graph) : ReadTableRecord(in, *parsed.graph);
        const int32_t id = parsed.graph->ID;
        if (id > MaxGraphId || id < -MaxGraphId)
          throw TokenError("its ID " + std::to_string(id) + " is out of range");
      } catch (const TextEndedError&) {
        // A record cut short by the end of the text: the count promised more than is there.
        throw TokenError("it announces " + std::to_string(count) + " graphs but holds only " +
                         std::to_string(i - 1) + " (the text ends inside graph " +
                         std::to_string(i) + ")");
      } catch (const TokenError& e) {
        throw TokenError("graph " + std::to_string(i) + ": " + e.what());
      }
      doc.graphs.push_back(std::move(parsed));
    }
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
    const std::string announced = "The document announces " + std::to_string(count) +
                                  (count == 1 ? " graph" : " graphs");
    size_t left = 0;
    while (!in.Peek().empty()) {
      in.Take("the text after the scale settings");
      ++left;
    }
    const std::string read = std::to_string(doc.graphs.size()) +
                             (doc.graphs.size() == 1 ? " graph was read" : " graphs were read");
    if (unannounced > 0)
      doc.warning = announced + "; " + read + ", but " + std::to_string(unannounced) +
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
