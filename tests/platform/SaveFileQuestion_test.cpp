// The question for a file to write: the kind of file, the title and the start (folder and name)
// reach the dialog; a confirmed answer gives the full path with the extension completed; the
// dialog asks before a file is replaced; a cancel gives nothing; a question without a folder
// starts in the user's documents folder; the owner is the dialogs' parent only while it asks.

#include <QStandardPaths>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Prompter.h"
#include "platform/SaveFileQuestion.h"

namespace {

// Notes the dialogs' parent at each question.
class ParentNotingChooser : public ScriptedFileChooser {
public:
  std::vector<QWidget*> parents;
  std::optional<FileChoice> SaveFile(const std::string& title, const std::vector<FileFilter>& f,
                                     int filterIndex, const std::string& initialPath,
                                     const FileDialogOptions& options) override {
    parents.push_back(DialogParent());
    return ScriptedFileChooser::SaveFile(title, f, filterIndex, initialPath, options);
  }
};

class SaveFileQuestionTest : public ::testing::Test {
protected:
  void SetUp() override { SetFileChooser(&chooser); }
  void TearDown() override { SetFileChooser(nullptr); }
  ParentNotingChooser chooser;

  static SaveFileQuestion AviQuestion() {
    SaveFileQuestion question;
    question.Title = "Choose a filename to save AVI to...";
    question.Filter = {"AVI Files", "*.avi"};
    question.Extension = "avi";
    question.SuggestedName = "untitled.avi";
    question.Folder = "/data/videos";
    return question;
  }
};

TEST_F(SaveFileQuestionTest, ConfirmedAnswerGivesThePathWithTheExtensionCompleted) {
  struct Row {
    const char* what;
    const char* typed;
    const char* expected;
  } rows[] = {
      {"a name without an extension gets it", "/data/videos/spin", "/data/videos/spin.avi"},
      {"a name that has an extension keeps it", "/data/videos/clip.AVI", "/data/videos/clip.AVI"},
  };
  for (const Row& row : rows) {
    chooser.asked.clear();
    chooser.answers.push_back(FileChoice{row.typed, 1});
    EXPECT_EQ(AskFileToWrite(AviQuestion()), std::optional<std::string>(row.expected)) << row.what;

    ASSERT_EQ(chooser.asked.size(), 1u) << row.what;
    const ScriptedFileChooser::Asked& asked = chooser.asked[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.title, "Choose a filename to save AVI to...");
    ASSERT_EQ(asked.filters.size(), 1u);
    EXPECT_EQ(asked.filters[0].description, "AVI Files");
    EXPECT_EQ(asked.filters[0].pattern, "*.avi");
    EXPECT_EQ(asked.initialPath, "/data/videos/untitled.avi");
    // A save asks before it replaces a file; it needs no existing file and offers no read-only
    // choice.
    EXPECT_TRUE(asked.options.confirmOverwrite);
    EXPECT_FALSE(asked.options.fileMustExist);
    EXPECT_TRUE(asked.options.hideReadOnly);
  }
}

TEST_F(SaveFileQuestionTest, ACancelGivesNothing) {
  EXPECT_EQ(AskFileToWrite(AviQuestion()), std::nullopt);
  EXPECT_EQ(chooser.asked.size(), 1u);
}

TEST_F(SaveFileQuestionTest, WithoutAFolderItStartsInTheDocumentsFolderWithTheProgramsTitle) {
  SaveFileQuestion question;
  question.SuggestedName = "untitled.avi";
  AskFileToWrite(question);
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].title, "Corvalin");
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  EXPECT_EQ(chooser.asked[0].initialPath, (documents + "/untitled.avi").toStdString());
}

TEST_F(SaveFileQuestionTest, TheOwnerIsTheDialogsParentOnlyWhileItAsks) {
  QWidget before, owner;
  SetDialogParent(&before);
  SaveFileQuestion question = AviQuestion();
  question.Owner = &owner;
  AskFileToWrite(question);
  question.Owner = nullptr;
  AskFileToWrite(question);
  EXPECT_EQ(chooser.parents, (std::vector<QWidget*>{&owner, &before}));
  EXPECT_EQ(DialogParent(), &before);
  SetDialogParent(nullptr);
}

} // namespace
