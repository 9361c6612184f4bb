#pragma once
// File > Save, Save As and Print. Save asks for a file name every time, offering the document's
// own file (DocumentPath), and writes the document of the shown graphs; Save As writes the
// document or a BMP picture of the view, by the filter chosen; Print prints the picture of the
// view. Files are written whole through a temporary file renamed over the target, and a save that
// fails says so in a message box.

#include <string>

class DocumentHost;
class QImage;
class QPrinter;

// File > Save: when the document holds graphs, asks for a file ("Save", "(*.crv)") and writes the
// document there, then refreshes the desktop association. Sets host.SaveCompleted and returns it:
// True when the file was written or there was nothing to write, False when the dialog was
// cancelled or the save failed (the failure is shown).
bool SaveDocumentCommand(DocumentHost& host);

// File > Save As: presents the view, asks for a file ("Save As", "*.crv" or "*.bmp") and writes
// the document (first filter) or a BMP picture of the view (second filter). True when a file was
// written; a cancelled dialog writes nothing and a failure is shown.
bool SaveAsCommand(DocumentHost& host);

// Writes the document text of the open document as a document file at path. False with the reason
// in *problem when the text cannot be made or the file cannot be written; an old file stays whole.
bool WriteDocument(const std::string& path, std::string* problem);

// File > Print: presents the view and prints its picture on printer (the default printer when
// null), at its size on screen, shrunk to the page when larger, from the page's top-left corner.
// Where no printer is installed it offers a PDF file instead (a question, then the file to write).
// False, after a message, when there is no picture or printing fails; false when the PDF file is
// declined.
bool PrintCommand(DocumentHost& host, QPrinter* printer = nullptr);

// Prints the picture on one page of printer as PrintCommand does; false when printing fails.
bool PrintImage(const QImage& image, QPrinter& printer);
