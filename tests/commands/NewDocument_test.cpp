// File > New of each kind, with and without graphs, with every answer to the save question.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "document/RecordingHost.h"
#include "platform/Prompter.h"
#include "view/window/NewDocument.h"

namespace {

struct Kind {
  int32_t type;
  int32_t scaleMode;
  float lightX; // -1: unchanged
  float pitch, yaw;
  bool axesDefaults, emptiesReport;
};
const Kind Kinds[] = {
    {DocumentType2D, ScaleEqual, -1, 0, 0, false, false},
    {DocumentType25D, ScaleEqual, 100, -30, 45, true, false},
    {DocumentType3D, ScaleSquare, 100, -30, 45, true, true},
    {DocumentType4D, ScaleSquare, 100, -30, 45, true, true},
    {DocumentTypeSpecial, ScaleSquare, 0, 0, 0, false, false},
};

class NewDocumentTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetProgramState();
    Prime();
  }
  void TearDown() override { ResetProgramState(); }

  // A state that every New changes somewhere.
  void Prime() {
    DocumentType = DocumentType3D;
    AxisScaleMode = ScaleCustom;
    Light.Position = {33.0f, 44.0f, 55.0f, 1.0f};
    ShownGraphs.RotRoll = 5.0f;
    ShownGraphs.RotPitch = 6.0f;
    ShownGraphs.RotYaw = 7.0f;
    DocumentAxes().TitleX = "Q";
    DocumentAxes().BetterFonts = true;
    DocumentAxes().ShowPI = true;
    GraphIdCounter = 12;
    ResultBox::Set("report");
    host.dragModes = true;
    DocumentPath = "/documents/old.crv";
  }
  void AddGraphs() {
    for (int32_t id : {1, 2}) {
      auto g = std::make_shared<Graph>();
      g->ID = id;
      g->GraphType = Vector;
      AllGraphs.FunSurfs.Add(g);
      ShownGraphs.FunSurfs.Add(g);
      host.rows.push_back({"Vector ", true});
    }
  }
  void ExpectUnchanged(const std::string& what) {
    EXPECT_EQ(DocumentType, DocumentType3D) << what;
    EXPECT_EQ(AxisScaleMode, ScaleCustom) << what;
    EXPECT_EQ(Light.Position[0], 33.0f) << what;
    EXPECT_EQ(ShownGraphs.RotPitch, 6.0f) << what;
    EXPECT_EQ(DocumentAxes().TitleX, "Q") << what;
    EXPECT_TRUE(DocumentAxes().BetterFonts) << what;
    EXPECT_EQ(ResultBox::Text(), "report") << what;
    EXPECT_EQ(AllGraphs.FunSurfs.Count(), 2) << what;
    EXPECT_EQ(host.Find("EnableCommands"), -1) << what;
    EXPECT_EQ(host.Find("RemoveAllGraphs"), -1) << what;
    EXPECT_TRUE(host.dragModes) << what;
    EXPECT_EQ(DocumentPath, "/documents/old.crv") << what;
  }
  void ExpectKindSettings(const Kind& kind, bool hadGraphs) {
    const std::string what = "kind " + std::to_string(kind.type);
    EXPECT_EQ(DocumentType, kind.type) << what;
    EXPECT_EQ(AxisScaleMode, kind.scaleMode) << what;
    EXPECT_EQ(Light.Position[0], kind.lightX < 0 ? 33.0f : kind.lightX) << what;
    EXPECT_EQ(Light.Position[1], kind.lightX < 0 ? 44.0f : kind.lightX) << what;
    EXPECT_EQ(Light.Position[2], 55.0f) << what;
    EXPECT_EQ(ShownGraphs.RotRoll, 0.0f) << what;
    EXPECT_EQ(ShownGraphs.RotPitch, kind.pitch) << what;
    EXPECT_EQ(ShownGraphs.RotYaw, kind.yaw) << what;
    EXPECT_EQ(DocumentAxes().BetterFonts, kind.axesDefaults) << what;
    EXPECT_EQ(DocumentAxes().TitleX, kind.axesDefaults ? "X" : "Q") << what;
    EXPECT_TRUE(DocumentAxes().ShowPI) << what; // the 2D plot settings survive every New
    EXPECT_EQ(host.enabledKind, kind.type) << what;
    EXPECT_FALSE(host.dragModes) << what;
    EXPECT_EQ(ResultBox::Text(), hadGraphs || kind.emptiesReport ? "" : "report") << what;
    EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0) << what;
    EXPECT_EQ(GraphIdCounter, hadGraphs ? 0 : 12) << what;
    EXPECT_EQ(host.Find("RemoveAllGraphs") >= 0, hadGraphs) << what;
    EXPECT_EQ(DocumentPath, "") << what << ": a new document has no file to save over";
  }

  QTemporaryDir dir;
  RecordingHost host;
  ScopedScriptedDialogs dialogs;
};

TEST_F(NewDocumentTest, EmptyDocumentAsksNothing) {
  for (const Kind& kind : Kinds) {
    Prime();
    host.log.clear();
    EXPECT_TRUE(NewDocument(kind.type, host));
    EXPECT_TRUE(dialogs.prompter.shown.empty());
    ExpectKindSettings(kind, false);
  }
}

TEST_F(NewDocumentTest, AnswerNoStartsTheNewDocument) {
  for (const Kind& kind : Kinds) {
    Prime();
    AddGraphs();
    host.log.clear();
    dialogs.prompter.shown.clear();
    dialogs.prompter.answers = {MsgResult::No};
    EXPECT_TRUE(NewDocument(kind.type, host));
    ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
    EXPECT_EQ(dialogs.prompter.shown[0].text, "Save changes to file?");
    EXPECT_EQ(dialogs.prompter.shown[0].title, "Note");
    EXPECT_EQ(dialogs.prompter.shown[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(dialogs.files.titles.empty());
    ExpectKindSettings(kind, true);
  }
}

TEST_F(NewDocumentTest, CancelChangesNothing) {
  for (const Kind& kind : Kinds) {
    Prime();
    AddGraphs();
    host.log.clear();
    dialogs.prompter.answers = {MsgResult::Cancel};
    EXPECT_FALSE(NewDocument(kind.type, host));
    ExpectUnchanged("cancel, kind " + std::to_string(kind.type));
    ResetProgramState();
    host.rows.clear();
  }
}

TEST_F(NewDocumentTest, YesWithACancelledOrFailedSaveChangesNothing) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("taken.crv"));
  for (const Kind& kind : Kinds) {
    for (bool cancelled : {true, false}) {
      Prime();
      AddGraphs();
      host.log.clear();
      dialogs.prompter.shown.clear();
      dialogs.prompter.answers = {MsgResult::Yes};
      if (cancelled)
        dialogs.files.answers = {std::nullopt};
      else
        dialogs.files.answers = {FileChoice{dir.filePath("taken.crv").toStdString(), 1}};
      EXPECT_FALSE(NewDocument(kind.type, host));
      EXPECT_FALSE(host.SaveCompleted);
      ExpectUnchanged(std::string(cancelled ? "cancelled" : "failed") + " save, kind " +
                      std::to_string(kind.type));
      // A failed save says so; a cancelled one does not.
      EXPECT_EQ(dialogs.prompter.shown.size(), cancelled ? 1u : 2u);
      ResetProgramState();
      host.rows.clear();
    }
  }
}

TEST_F(NewDocumentTest, YesWithACompletedSave) {
  for (const Kind& kind : Kinds) {
    Prime();
    AddGraphs();
    host.log.clear();
    const std::string path = dir.filePath(QString("saved%1.crv").arg(kind.type)).toStdString();
    dialogs.prompter.answers = {MsgResult::Yes};
    dialogs.files.answers = {FileChoice{path, 1}};
    EXPECT_TRUE(NewDocument(kind.type, host));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path)));
    EXPECT_FALSE(host.SaveCompleted); // set back once the command went on
    EXPECT_LT(host.Find("RefreshAssociation"), host.Find("RemoveAllGraphs"));
    ExpectKindSettings(kind, true);
  }
}

} // namespace
