#pragma once
// Graphs and pictures through the clipboard. Edit Copy puts the graph of the current list row on
// the clipboard as its clipboard text (the document kind, a blank and the graph's record); Paste
// reads such a text back into a new graph with a new ID and a row of its own, when the kind on the
// clipboard suits the open document; Copy As BMP puts the view on the clipboard as a bitmap, taken
// straight from the view's framebuffer.

#include <QImage>

#include <cstdint>
#include <string>

class GraphListHost;

// Edit Copy: puts the clipboard text of the graph of the current row (item ListIndex + 1 of
// AllGraphs, whether its row is checked or not) on the clipboard as plain text and sets
// ClipboardGraphCount to 1. Nothing happens without a current row or for a graph kind that has no
// record; a record that cannot be written is reported ("Error") and nothing is copied. True when
// the graph was copied.
bool CopyGraph(GraphListHost& host);

// The picture that Copy As BMP puts on the clipboard, from the view's framebuffer image: the
// view's own pixels, every column and row, as Save As BMP writes them. A null image for an empty
// view.
QImage SnapshotOfView(const QImage& framebuffer);

// Edit Copy As BMP: clears the clipboard and puts SnapshotOfView of the framebuffer image on it as
// a bitmap; no file is written. A null image (a view that has not been drawn) leaves the clipboard
// as it was and returns false.
bool CopyViewAsBmp(const QImage& framebuffer);

// Whether a document of the open kind takes a clipboard text of the kind code (the leading number
// of its first token, compared exactly): 2D takes 1 and 4, 2.5D 2 and 5, 3D 3 and 6, Special 7,
// 4D 9.
bool PasteKindAccepted(int32_t documentType, double kindCode);

// Paste of a clipboard text: while ClipboardGraphCount is 0, or when the open document's kind does
// not take the text's kind code, nothing happens. Otherwise each record (ClipboardGraphCount of
// them) is read the way Paste reads it into a new graph, which gets GraphIdCounter + 1 as its ID,
// goes to the end of AllGraphs, is sampled (not tables and vectors), gets a new last row with its
// caption, and has that row checked exactly when the current row was checked (when there is no
// current row: checked); it is in ShownGraphs exactly when its row is checked. A record that
// cannot be read before the point where Paste recovers, or whose step counts cannot be sampled,
// adds nothing. Shows no message of its own (but for samples beyond the memory budget). Returns the
// number of graphs added; when it is 0, *whyNothing (if given) says why nothing was pasted.
int32_t PasteGraphText(const std::string& text, GraphListHost& host,
                       std::string* whyNothing = nullptr);

// Edit Paste: PasteGraphText of the clipboard's plain text (the empty text when it holds none); a
// paste that adds nothing says why in a message.
int32_t PasteGraph(GraphListHost& host);
