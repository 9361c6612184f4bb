#include "document/SaveCommands.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <exception>

#include "document/DocumentFile.h"
#include "document/DocumentHost.h"
#include "document/DocumentText.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"

namespace {

void SaveFailed(const std::string& what, const std::string& path, const std::string& problem) {
  std::string text = "The " + what + " could not be saved";
  if (!path.empty()) text += " to \"" + path + "\"";
  if (!problem.empty()) text += ": " + problem;
  MsgBox(text + ".", MsgButtons::OK, MsgIcon::Critical, "Error");
}

// Assembles the text first, so that nothing is asked when no document can be written.
bool DocumentTextOf(std::string* text, std::string* problem) {
  try {
    *text = BuildDocumentText();
    return true;
  } catch (const std::exception& e) {
    *problem = e.what();
    return false;
  }
}

double ScreenDpi() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const double dpi = screen->logicalDotsPerInchX();
    if (dpi > 0) return dpi;
  }
  return 96.0;
}

} // namespace

bool WriteDocument(const std::string& path, std::string* problem) {
  std::string text;
  if (!DocumentTextOf(&text, problem)) return false;
  return DocumentFile::Write(path, text, problem);
}

bool SaveDocumentCommand(DocumentHost& host) {
  host.SaveCompleted = true;
  if (AllGraphs.FunSurfs.Count() == 0) return true;
  std::string text, problem;
  if (!DocumentTextOf(&text, &problem)) {
    SaveFailed("document", "", problem);
    return host.SaveCompleted = false;
  }
  // The dialog offers the document's own file; a name typed without any extension gets the one
  // of the chosen kind of file.
  const auto choice = ChooseFileToWrite("Save", {{"(*.crv)", "*.crv"}}, 1, DocumentPath, {".crv"});
  if (!choice) return host.SaveCompleted = false;
  const std::string& path = choice->path;
  if (!DocumentFile::Write(path, text, &problem)) {
    SaveFailed("document", path, problem);
    return host.SaveCompleted = false;
  }
  DocumentPath = path;
  host.RefreshAssociation();
  return true;
}

bool SaveAsCommand(DocumentHost& host) {
  host.Display(CurrentFrame);
  const auto choice = ChooseFileToWrite("Save As", {{"*.crv", "*.crv"}, {"*.bmp", "*.bmp"}}, 1,
                                        DocumentPath, {".crv", ".bmp"});
  if (!choice) return false;
  const std::string& path = choice->path;
  if (choice->filterIndex == 2) {
    std::string problem;
    if (!host.SaveViewAsBmp(path, &problem)) {
      SaveFailed("picture of the view", path, problem);
      return false;
    }
    return true;
  }
  std::string problem;
  if (!WriteDocument(path, &problem)) {
    SaveFailed("document", path, problem);
    return false;
  }
  DocumentPath = path; // a picture of the view is no file of the document
  host.RefreshAssociation();
  return true;
}

bool PrintImage(const QImage& image, QPrinter& printer) {
  if (image.isNull()) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // The picture at its size on screen, shrunk to the page when it is larger.
  const double scale = printer.resolution() / ScreenDpi();
  QSizeF size(image.width() * scale, image.height() * scale);
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  if (size.width() > page.width() || size.height() > page.height())
    size.scale(page.size(), Qt::KeepAspectRatio);
  painter.drawImage(QRectF(QPointF(0, 0), size), image);
  return painter.end();
}

bool PrintCommand(DocumentHost& host, QPrinter* printer) {
  host.Display(CurrentFrame);
  const QImage image = host.ViewImage();
  if (image.isNull()) {
    MsgBox("There is no picture of the view to print.", MsgButtons::OK, MsgIcon::Critical, "Error");
    return false;
  }
  QPrinter defaultPrinter(QPrinter::HighResolution);
  if (!printer) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
      // Without a printer the picture can still go to a PDF file, as the print dialog offers.
      if (MsgBox("No printer is installed. Print the view to a PDF file instead?",
                 MsgButtons::YesNo, MsgIcon::Question, "Print") != MsgResult::Yes)
        return false;
      const std::optional<FileChoice> file = ChooseFileToWrite(
          "Print to PDF File", {{"PDF Files (*.pdf)", "*.pdf"}}, 1, "view.pdf", {".pdf"});
      if (!file) return false;
      defaultPrinter.setOutputFormat(QPrinter::PdfFormat);
      defaultPrinter.setOutputFileName(QString::fromStdString(file->path));
    }
    printer = &defaultPrinter;
  }
  if (!PrintImage(image, *printer)) {
    MsgBox("The view could not be printed.", MsgButtons::OK, MsgIcon::Critical, "Error");
    return false;
  }
  return true;
}
