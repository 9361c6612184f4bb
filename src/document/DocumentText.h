#pragma once
// The document text as a whole: the header token of the document kind, the graph count, the
// records of the shown graphs, the axes record and the scale trailer. BuildDocumentText writes it;
// ParseDocumentText reads one completely and checks it before anything of the open document is
// touched (the document reader then applies what it found, OpenDocument.h).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/GraphRecord.h"
#include "model/AxesSettings.h"

class GraphContainer;
class Graph;

// The header token written for a document kind ("S91" 2D, "S93" 2.5D, "S92" 3D, "S97" Special,
// "S98" 4D); empty for any other kind.
std::string HeaderToken(int32_t documentType);
// The document kind of a header token: the five above and "S94" (2D), "S95" (2.5D), "S96" (3D);
// nothing for any other text (compared exactly).
std::optional<int32_t> DocumentTypeOfHeader(std::string_view token);

// The scale settings at the end of a document.
struct ScaleSettings {
  int32_t mode = 0; // AxisScaleMode
  float ratioX = 1.0f, ratioY = 1.0f, ratioZ = 1.0f;
};

// The document text of a document kind with these shown graphs (their records in order; a graph
// kind without a record is neither written nor counted), axes and scale settings. The last token
// ends the text. A record that cannot be written (a counted list beyond its bounds) throws.
std::string BuildDocumentText(int32_t documentType, const GraphContainer& shown,
                              const AxesSettings& axes, const ScaleSettings& scale);
// The same for the open document: DocumentType, ShownGraphs, DocumentAxes() and AxisScaleMode
// with AxisRatioX, AxisRatioY, AxisRatioZ.
std::string BuildDocumentText();

// The text of one graph on the clipboard (Edit Copy): the decimal DocumentType of the document it
// comes from, one blank and the graph's record (its table record for tables); the empty text for
// a graph kind without a record. A record that cannot be written throws, as above.
std::string ClipboardGraphText(const Graph& graph, int32_t documentType);

// One graph as the reader found it.
struct ParsedGraph {
  std::shared_ptr<Graph> graph;
  bool functionRecord = false; // else a table record
  RecordReadResult read;       // the record's frame tokens (animated function records)
  bool freshId = false;        // its ID was held by a graph before it and was replaced
};

// A whole document text, read and checked, not yet applied.
struct ParsedDocument {
  int32_t documentType = 0;
  std::vector<ParsedGraph> graphs;
  AxesSettings axes; // the axes as the axes record leaves the axes it was read over
  ScaleSettings scale;
  // What the reader passed over though the document was read (a negative graph count, text left
  // after the scale settings): shown to the user; empty when the text was read to its end.
  std::string warning;
};

// Reads the graph records of a document text one by one, as ParseDocumentText reads them, each
// into a graph that is dropped again once seen(graph, functionRecord, read) has looked at it (it
// answers whether to go on): what a document will cost is counted with it before any of its graphs
// is kept. *announced (when given) receives the graph count the text announces. False when the
// text is no document or a record cannot be read (ParseDocumentText says why); the records before
// it have been seen.
bool WalkDocumentRecords(
    std::string_view text,
    const std::function<bool(const Graph&, bool functionRecord, const RecordReadResult&)>& seen,
    int32_t* announced = nullptr);

// Reads a document text. Records are read while the graph count lasts and the token at the record
// position begins a record; the axes record (read over a copy of `axes`, so that settings the
// record does not hold keep their values) and the scale trailer follow; tokens after the trailer
// are ignored. A graph whose ID an earlier graph holds gets a fresh one above every ID of the
// document. Nothing, with the reason in *problem, when the text is not a document or cannot be
// read whole.
std::optional<ParsedDocument> ParseDocumentText(std::string_view text, const AxesSettings& axes,
                                                std::string* problem);
