// The file dialog object: the filter text reaches the dialog as description and pattern pairs
// ("|" and ":" alike), a confirmed save gives the full path with the default extension, the
// chosen filter pair and index; a cancel gives the NUL texts; a new object starts in the user's
// documents folder with the program's title.

#include <QStandardPaths>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Prompter.h"
#include "platform/FileDialog.h"

namespace {

using namespace std::string_literals;

class FileDialogTest : public ::testing::Test {
protected:
  void SetUp() override { SetFileChooser(&chooser); }
  void TearDown() override { SetFileChooser(nullptr); }
  ScriptedFileChooser chooser;
};

TEST_F(FileDialogTest, FilterTextsBecomeNulSeparatedPairsWithEitherSeparator) {
  FileDialog dlg;
  dlg.Filter = "AVI Files|*.avi";
  EXPECT_EQ(dlg.SystemFilter(), "AVI Files\0*.avi\0\0"s);
  dlg.Filter = "AVI Files:*.avi";
  EXPECT_EQ(dlg.SystemFilter(), "AVI Files\0*.avi\0\0"s);

  const std::string two = "Text\0*.txt\0All files\0*.*\0\0"s;
  const auto pairs = FileDialog::FilterPairs(two);
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[1].description, "All files");
  EXPECT_EQ(pairs[1].pattern, "*.*");
  EXPECT_EQ(FileDialog::FilterPairAt(two, 2), "All files\0*.*"s);
  EXPECT_EQ(FileDialog::FilterPairAt(two, 3), "");
  EXPECT_EQ(FileDialog::FilterPairAt(two, 0), "");
}

TEST_F(FileDialogTest, ConfirmedSaveGivesThePathWithTheDefaultExtensionAndTheChosenPair) {
  FileDialog dlg;
  EXPECT_EQ(dlg.DlgTitle, "Corvalin");
  EXPECT_EQ(dlg.InitDirectory,
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
  dlg.DefaultExt = "avi";
  dlg.DlgTitle = "Choose a filename to save AVI to...";
  dlg.Filter = "AVI Files|*.avi";
  dlg.InitDirectory = "/data/videos";
  dlg.Flags = FileDialog::FlagEnableHook | FileDialog::FlagEnableTemplate;
  chooser.answers.push_back(FileChoice{"/data/videos/spin", 1});
  std::string name = "untitled.avi", title;
  ASSERT_TRUE(dlg.VBGetSaveFileName(name, title));

  ASSERT_EQ(chooser.asked.size(), 1u);
  const ScriptedFileChooser::Asked& asked = chooser.asked[0];
  EXPECT_TRUE(asked.save);
  EXPECT_EQ(asked.title, "Choose a filename to save AVI to...");
  ASSERT_EQ(asked.filters.size(), 1u);
  EXPECT_EQ(asked.filters[0].description, "AVI Files");
  EXPECT_EQ(asked.filters[0].pattern, "*.avi");
  EXPECT_EQ(asked.initialPath, "/data/videos/untitled.avi");
  EXPECT_EQ(name, "/data/videos/spin.avi");
  EXPECT_EQ(title, "spin.avi");
  EXPECT_EQ(dlg.Filter, "AVI Files\0*.avi"s);
  EXPECT_EQ(dlg.FilterIndex, 1);
  EXPECT_EQ(dlg.Flags, FileDialog::FlagHideReadOnly | FileDialog::FlagOverwritePrompt);
  EXPECT_EQ(dlg.InitDirectory, "/data/videos");

  // A name that has an extension keeps it.
  chooser.answers.push_back(FileChoice{"/data/videos/clip.AVI", 1});
  ASSERT_TRUE(dlg.VBGetSaveFileName(name, title));
  EXPECT_EQ(name, "/data/videos/clip.AVI");
}

// The options reach the dialog: the overwrite question of a save (by OverwritePrompt or by its
// bit in Flags), the must-exist rule of an open and the hidden read-only box.
TEST_F(FileDialogTest, TheOptionsReachTheDialog) {
  struct Row {
    const char* what;
    bool save, overwritePrompt, fileMustExist, hideReadOnly;
    int32_t flags;
    FileDialogOptions expected; // confirmOverwrite, fileMustExist, hideReadOnly
  } rows[] = {
      {"a save that asks", true, true, true, true, 0, {true, false, true}},
      {"a save that replaces without asking", true, false, true, true, 0, {false, false, true}},
      {"a save asked to ask by its flags",
       true,
       false,
       true,
       true,
       FileDialog::FlagOverwritePrompt,
       {true, false, true}},
      {"an open of an existing file", false, true, true, true, 0, {false, true, true}},
      {"an open of any name", false, true, false, true, 0, {false, false, true}},
      {"an open with the read-only box", false, true, true, false, 0, {false, true, false}},
      {"an open asked for existing files by its flags",
       false,
       true,
       false,
       true,
       FileDialog::FlagFileMustExist,
       {false, true, true}},
  };
  for (const Row& row : rows) {
    chooser.asked.clear();
    FileDialog dlg;
    dlg.Filter = "AVI Files|*.avi";
    dlg.OverwritePrompt = row.overwritePrompt;
    dlg.FileMustExist = row.fileMustExist;
    dlg.HideReadOnly = row.hideReadOnly;
    dlg.Flags = row.flags;
    std::string name = "untitled.avi", title;
    row.save ? dlg.VBGetSaveFileName(name, title) : dlg.VBGetOpenFileName(name, title);
    ASSERT_EQ(chooser.asked.size(), 1u) << row.what;
    const FileDialogOptions& given = chooser.asked[0].options;
    EXPECT_EQ(chooser.asked[0].save, row.save) << row.what;
    EXPECT_EQ(given.confirmOverwrite, row.expected.confirmOverwrite) << row.what;
    EXPECT_EQ(given.fileMustExist, row.expected.fileMustExist) << row.what;
    EXPECT_EQ(given.hideReadOnly, row.expected.hideReadOnly) << row.what;
  }
}

TEST_F(FileDialogTest, ACancelLeavesNulTextsAndResetsTheIndex) {
  for (const bool save : {true, false}) {
    FileDialog dlg;
    dlg.Filter = "AVI Files|*.avi";
    std::string name = "untitled.avi", title;
    EXPECT_FALSE(save ? dlg.VBGetSaveFileName(name, title) : dlg.VBGetOpenFileName(name, title));
    EXPECT_EQ(name, "\0"s);
    EXPECT_EQ(title, "\0"s);
    EXPECT_EQ(dlg.Filter, "\0"s);
    EXPECT_EQ(dlg.Flags, 0);
    EXPECT_EQ(dlg.FilterIndex, save ? 0 : -1);
  }
}

} // namespace
