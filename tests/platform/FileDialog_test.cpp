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

// Records what the dialog was given and answers from a list.
class RecordingChooser : public FileChooser {
public:
  std::deque<std::optional<FileChoice>> answers;
  std::string title, initialPath;
  std::vector<FileFilter> filters;
  int filterIndex = -99;
  std::optional<FileChoice> OpenFile(const std::string& t, const std::vector<FileFilter>& f, int i,
                                     const std::string& p) override {
    return Answer(t, f, i, p);
  }
  std::optional<FileChoice> SaveFile(const std::string& t, const std::vector<FileFilter>& f, int i,
                                     const std::string& p) override {
    return Answer(t, f, i, p);
  }

private:
  std::optional<FileChoice> Answer(const std::string& t, const std::vector<FileFilter>& f, int i,
                                   const std::string& p) {
    title = t;
    filters = f;
    filterIndex = i;
    initialPath = p;
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
};

class FileDialogTest : public ::testing::Test {
protected:
  void SetUp() override { SetFileChooser(&chooser); }
  void TearDown() override { SetFileChooser(nullptr); }
  RecordingChooser chooser;
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

  EXPECT_EQ(chooser.title, "Choose a filename to save AVI to...");
  ASSERT_EQ(chooser.filters.size(), 1u);
  EXPECT_EQ(chooser.filters[0].description, "AVI Files");
  EXPECT_EQ(chooser.filters[0].pattern, "*.avi");
  EXPECT_EQ(chooser.initialPath, "/data/videos/untitled.avi");
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
