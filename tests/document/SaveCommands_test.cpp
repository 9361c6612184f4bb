// File > Save, Save As and Print.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "document/OpenDocument.h"
#include "document/RecordingHost.h"
#include "document/SaveCommands.h"
#include "platform/Prompter.h"
#include "platform/WorkProgress.h"
#include "support/ProgramStateReset.h"

namespace {

std::string Slurp(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return "<none>";
  const QByteArray a = f.readAll();
  return std::string(a.constData(), size_t(a.size()));
}

class SaveCommandsTest : public ProgramStateTest {
protected:
  void SetUp() override {
    ProgramStateTest::SetUp();
    DocumentAxes().Show = false;
    AxisScaleMode = ScaleEqual;
  }

  void AddGraph(int32_t id, bool shown = true) {
    auto g = std::make_shared<Graph>();
    g->ID = id;
    g->GraphType = Vector;
    AllGraphs.FunSurfs.Add(g);
    if (shown) ShownGraphs.FunSurfs.Add(g);
  }
  std::string PathOf(const char* name) { return dir.filePath(name).toStdString(); }

  QTemporaryDir dir;
  RecordingHost host;
  ScopedScriptedDialogs dialogs;
};

TEST_F(SaveCommandsTest, EmptyDocumentAsksNothingAndCompletes) {
  host.SaveCompleted = false;
  EXPECT_TRUE(SaveDocumentCommand(host));
  EXPECT_TRUE(host.SaveCompleted);
  EXPECT_TRUE(dialogs.files.titles.empty());
  EXPECT_TRUE(host.log.empty());
}

TEST_F(SaveCommandsTest, SaveWritesTheDocumentFile) {
  AddGraph(1);
  AddGraph(2);
  const std::string path = PathOf("doc.crv");
  dialogs.files.answers = {FileChoice{path, 1}};
  EXPECT_TRUE(SaveDocumentCommand(host));
  EXPECT_TRUE(host.SaveCompleted);
  EXPECT_EQ(dialogs.files.titles, std::vector<std::string>{"Save"});
  const std::string text = BuildDocumentText();
  EXPECT_EQ(text.substr(0, 6), "S91 2 ");
  EXPECT_EQ(text.substr(text.size() - 8), " 2 1 1 1");
  EXPECT_EQ(Slurp(path), DocumentFile::Encode(text));
  EXPECT_EQ(host.log, std::vector<std::string>{"RefreshAssociation"});
}

TEST_F(SaveCommandsTest, OnlyShownGraphsAreWritten) {
  AddGraph(1, false);
  const std::string path = PathOf("hidden");
  dialogs.files.answers = {FileChoice{path, 1}};
  EXPECT_TRUE(SaveDocumentCommand(host));
  // A name without an extension gets ".crv".
  EXPECT_EQ(Slurp(path + ".crv"), DocumentFile::Encode("S91 0 0 2 1 1 1"));
}

TEST_F(SaveCommandsTest, CancelledDialogIsNotSaved) {
  AddGraph(1);
  host.SaveCompleted = true;
  dialogs.files.answers = {std::nullopt};
  EXPECT_FALSE(SaveDocumentCommand(host));
  EXPECT_FALSE(host.SaveCompleted);
  EXPECT_TRUE(host.log.empty());
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).empty());
}

TEST_F(SaveCommandsTest, FailedSaveSaysSoAndKeepsTheOldFile) {
  AddGraph(1);
  // The target is a folder: it cannot be replaced.
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.crv"));
  dialogs.files.answers = {FileChoice{PathOf("folder.crv"), 1}};
  EXPECT_FALSE(SaveDocumentCommand(host));
  EXPECT_FALSE(host.SaveCompleted);
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  EXPECT_NE(dialogs.prompter.shown[0].text.find("could not be saved"), std::string::npos);
  EXPECT_NE(dialogs.prompter.shown[0].text.find("folder.crv"), std::string::npos);
  EXPECT_TRUE(host.log.empty()); // no association refresh

  // A file in a folder that does not exist.
  dialogs.prompter.shown.clear();
  dialogs.files.answers = {FileChoice{PathOf("no/such/dir/doc.crv"), 1}};
  EXPECT_FALSE(SaveDocumentCommand(host));
  EXPECT_EQ(dialogs.prompter.shown.size(), 1u);
}

TEST_F(SaveCommandsTest, ARecordThatCannotBeWrittenFailsBeforeTheDialog) {
  AddGraph(1);
  ShownGraphs.FunSurfs.Item(1)->CurvNum = 51;
  EXPECT_FALSE(SaveDocumentCommand(host));
  EXPECT_TRUE(dialogs.files.titles.empty());
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
}

TEST_F(SaveCommandsTest, SaveOverALongerFileLeavesNoTail) {
  AddGraph(1);
  const std::string path = PathOf("old.crv");
  {
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(std::string(5000, 'z').c_str(), 5000);
  }
  dialogs.files.answers = {FileChoice{path, 1}};
  ASSERT_TRUE(SaveDocumentCommand(host));
  EXPECT_EQ(Slurp(path), DocumentFile::Encode(BuildDocumentText()));
}

TEST_F(SaveCommandsTest, SaveAsByTheChosenFilter) {
  AddGraph(1);
  struct Row {
    const char* name;
    int filter;
    const char* written;
    bool document;
  };
  const Row rows[] = {{"a.crv", 1, "a.crv", true}, {"b", 1, "b.crv", true},
                      {"c.bmp", 1, "c.bmp", true}, {"d.bmp", 2, "d.bmp", false},
                      {"e", 2, "e.bmp", false},    {"f.crv", 2, "f.crv", false}};
  for (const Row& row : rows) {
    host.log.clear();
    host.bmpWritten.clear();
    dialogs.files.titles.clear();
    dialogs.files.answers = {FileChoice{PathOf(row.name), row.filter}};
    EXPECT_TRUE(SaveAsCommand(host)) << row.name;
    EXPECT_EQ(dialogs.files.titles, std::vector<std::string>{"Save As"});
    EXPECT_EQ(host.log.front(), "Display 1"); // the view is presented first
    if (row.document) {
      EXPECT_EQ(Slurp(PathOf(row.written)), DocumentFile::Encode(BuildDocumentText())) << row.name;
      EXPECT_EQ(host.log.back(), "RefreshAssociation");
      EXPECT_TRUE(host.bmpWritten.empty());
    } else {
      EXPECT_EQ(host.bmpWritten, std::vector<std::string>{PathOf(row.written)}) << row.name;
      EXPECT_EQ(host.Find("RefreshAssociation"), -1);
    }
  }
}

TEST_F(SaveCommandsTest, SaveAsCancelledOrFailed) {
  dialogs.files.answers = {std::nullopt};
  EXPECT_FALSE(SaveAsCommand(host));
  EXPECT_TRUE(host.bmpWritten.empty());
  EXPECT_TRUE(dialogs.prompter.shown.empty());

  host.bmpSucceeds = false;
  dialogs.files.answers = {FileChoice{PathOf("v.bmp"), 2}};
  EXPECT_FALSE(SaveAsCommand(host));
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  // The reason is said, not only the failure.
  EXPECT_EQ(dialogs.prompter.shown[0].text, "The picture of the view could not be saved to \"" +
                                                PathOf("v.bmp") + "\": No space left on device.");

  // Save As writes the document even when it holds no graph.
  dialogs.files.answers = {FileChoice{PathOf("empty.crv"), 1}};
  EXPECT_TRUE(SaveAsCommand(host));
  EXPECT_EQ(Slurp(PathOf("empty.crv")), DocumentFile::Encode("S91 0 0 2 1 1 1"));
}

// Save and Save As offer the document's own file: the one it was opened from or last saved to as
// a document (a picture of the view is not), so that Save and Enter write it again; the other
// file dialogs start without a name.
TEST_F(SaveCommandsTest, SaveOffersTheDocumentsFile) {
  AddGraph(1);
  const std::string opened = PathOf("opened.crv");
  ASSERT_TRUE(WriteDocument(opened, nullptr));
  std::string problem;
  ASSERT_TRUE(OpenDocument(opened, host, &problem)) << problem;
  auto offered = [this] { return dialogs.files.asked.back().initialPath; };

  dialogs.files.answers = {FileChoice{opened, 1}};
  EXPECT_TRUE(SaveDocumentCommand(host));
  EXPECT_EQ(offered(), opened) << "after Open";
  EXPECT_TRUE(dialogs.files.asked.back().options.confirmOverwrite);

  dialogs.files.answers = {FileChoice{PathOf("other"), 1}};
  EXPECT_TRUE(SaveDocumentCommand(host));
  EXPECT_EQ(offered(), opened);
  dialogs.files.answers = {std::nullopt};
  EXPECT_FALSE(SaveDocumentCommand(host));
  EXPECT_EQ(offered(), PathOf("other.crv")) << "after a save, the file it wrote";
  EXPECT_FALSE(SaveAsCommand(host));
  EXPECT_EQ(offered(), PathOf("other.crv")) << "Save As too; a cancel changes nothing";

  dialogs.files.answers = {FileChoice{PathOf("picture"), 2}, std::nullopt,
                           FileChoice{PathOf("copy"), 1}, std::nullopt};
  EXPECT_TRUE(SaveAsCommand(host));
  EXPECT_FALSE(SaveDocumentCommand(host));
  EXPECT_EQ(offered(), PathOf("other.crv")) << "a picture is no file of the document";
  EXPECT_TRUE(SaveAsCommand(host));
  EXPECT_FALSE(SaveDocumentCommand(host));
  EXPECT_EQ(offered(), PathOf("copy.crv")) << "after Save As of the document";

  // A file that cannot be opened leaves the document and its file as they were.
  EXPECT_FALSE(OpenDocument(PathOf("missing.crv"), host, &problem));
  EXPECT_FALSE(SaveDocumentCommand(host));
  EXPECT_EQ(offered(), PathOf("copy.crv"));
}

// An opening cancelled at its progress window leaves an empty document that is not the file: Save
// of graphs drawn afterwards offers no name, neither the file whose opening was cancelled nor the
// one open before. Opened to the end, the same file is what Save offers.
TEST_F(SaveCommandsTest, SaveAfterACancelledOpeningOffersNoFile) {
  const std::string sample = std::string(CORVALIN_SOURCE_DIR) + "/samples/animation/3D/wave.crv";
  for (const bool cancel : {true, false}) {
    SCOPED_TRACE(cancel ? "cancelled" : "opened");
    AllGraphs.FunSurfs.Clear();
    ShownGraphs.FunSurfs.Clear();
    dialogs.prompter.shown.clear();
    DocumentPath = PathOf("before.crv"); // the file of the document open before
    ScriptedProgressShower progress;
    progress.cancelAtStep = cancel ? 1 : -1; // Cancel at the first step the opening reports
    SetProgressShower(&progress);
    dialogs.files.answers = {FileChoice{sample, 1}};
    FileOpenCommand(host);
    SetProgressShower(nullptr);
    EXPECT_EQ(progress.labels.size(), 1u) << "the opening's progress window";
    if (cancel) {
      ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
      EXPECT_EQ(dialogs.prompter.shown[0].text,
                "The opening of \"" + sample + "\" was cancelled: the document is empty.");
      EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
      AddGraph(1); // the user draws a graph in the empty document
    } else {
      EXPECT_TRUE(dialogs.prompter.shown.empty());
      EXPECT_GT(AllGraphs.FunSurfs.Count(), 0);
    }
    dialogs.files.answers = {std::nullopt};
    EXPECT_FALSE(SaveDocumentCommand(host));
    ASSERT_EQ(dialogs.files.titles.back(), "Save");
    EXPECT_EQ(dialogs.files.asked.back().initialPath,
              cancel ? ""
                     : QFileInfo(QString::fromStdString(sample)).absoluteFilePath().toStdString());
  }
}

TEST_F(SaveCommandsTest, PrintToAPdfFile) {
  host.image = QImage(200, 100, QImage::Format_RGB32);
  host.image.fill(Qt::red);
  const std::string pdf = PathOf("print.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf));
  EXPECT_TRUE(PrintCommand(host, &printer));
  EXPECT_EQ(host.log, (std::vector<std::string>{"Display 1", "ViewImage"}));
  EXPECT_EQ(Slurp(pdf).substr(0, 5), "%PDF-");
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  // Nothing is left beside the output.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"print.pdf"});
}

TEST_F(SaveCommandsTest, WithoutAPrinterThePictureGoesToAPdfFile) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this machine has a printer";
  host.image = QImage(200, 100, QImage::Format_RGB32);
  host.image.fill(Qt::blue);
  // Declined, then no file chosen: nothing is written and nothing more is said.
  dialogs.prompter.answers = {MsgResult::No, MsgResult::Yes};
  EXPECT_FALSE(PrintCommand(host));
  EXPECT_FALSE(PrintCommand(host));
  EXPECT_EQ(dialogs.prompter.shown.size(), 2u);
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
  // Accepted with a name without extension: the PDF file gets its extension.
  dialogs.prompter.shown.clear();
  dialogs.prompter.answers = {MsgResult::Yes};
  dialogs.files.answers = {FileChoice{PathOf("view"), 1}};
  EXPECT_TRUE(PrintCommand(host));
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text,
            "No printer is installed. Print the view to a PDF file instead?");
  EXPECT_EQ(dialogs.files.titles.back(), "Print to PDF File");
  EXPECT_EQ(Slurp(PathOf("view.pdf")).substr(0, 5), "%PDF-");
}

TEST_F(SaveCommandsTest, PrintWithoutAPicture) {
  const std::string pdf = PathOf("none.pdf");
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf));
  EXPECT_FALSE(PrintCommand(host, &printer));
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
}

} // namespace
