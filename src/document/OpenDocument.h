#pragma once
// The document reader and File > Open. The reader reads and checks the whole file first and only
// then replaces the open document by it; a file that cannot be read or is no good document leaves
// the open document exactly as it was.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class DocumentHost;
struct ParsedDocument;

// Replaces the open document by the document in the file at path. Returns false, with the reason
// in *problem and nothing changed, when the file cannot be read or holds no good document (a text
// that cannot be read whole, step counts that sampling cannot lay out, or more than the memory
// budget, counted before the graphs are made: DocumentCostProblem). An
// empty path (a cancelled dialog) reads nothing and runs only Zoom to Fit (true).
//
// Applying a good document, in this order: Delete All; the repaint; DocumentType, the rotation
// preset of the kind, the trackball rotation off and the kind's commands; for each graph record:
// the frame count and speed of an animated record, the Animation Options boxes (function records),
// GraphIdCounter raised to ID + 1 when below the ID, the graph added to AllGraphs and ShownGraphs,
// sampled (not tables and vectors), and its caption row added unchecked; the axes; the scale
// settings; every row checked (each check shows the graphs and builds the scene); when the shown
// graphs are animated the playback commands, CurrentFrame 1 and its presentation; Zoom to Fit.
// Sampling and compiling show a progress window with Cancel once they take about a second; Cancel
// leaves an empty document of the file's kind, with the frame count and speed of before, and says
// so (the result is then true).
bool OpenDocument(const std::string& path, DocumentHost& host, std::string* problem);

// Why a document text cannot be opened within budget bytes of memory, counted before any of its
// graphs is made: step counts that no graph could lay out, or the text, the graphs with their
// settings and the samples of those that are sampled, with their drawing, beyond the budget (the
// message names the largest graphs where some are large). Nothing when it fits; a record that
// cannot be read ends the count (ParseDocumentText then says what is wrong with it).
std::optional<std::string> DocumentCostProblem(std::string_view text, std::size_t budget);
// The same for the graphs of a document read by ParseDocumentText (its text not counted).
std::optional<std::string> DocumentSamplingProblem(const ParsedDocument& doc, std::size_t budget);

// Applies a document read by ParseDocumentText, as OpenDocument does. When the work in progress
// is cancelled while the graphs are sampled, the rest are not read and the document is emptied.
void ApplyDocument(ParsedDocument& doc, DocumentHost& host);

// File > Open...: when graphs are shown asks "Do you want to save the graphs?" (Yes saves and goes
// on only when the save completed; Cancel stops), asks for a file ("Open File", "(*.crv)") and
// opens it; a file that cannot be opened is named in an error message and the open document stays.
void FileOpenCommand(DocumentHost& host);

// Before another document replaces the open one: with graphs shown, asks "Do you want to save the
// graphs?" (Yes saves first, No goes on, Cancel stops). False when the user cancelled or the save
// failed: the open document stays.
bool SaveBeforeReplacing(DocumentHost& host);

// The message shown when the document at path cannot be opened for the reason given.
std::string OpenFailureMessage(const std::string& path, const std::string& problem);
