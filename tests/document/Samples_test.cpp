// Every sample document shipped in samples/ opens, and saving it again gives the same text.

#include <gtest/gtest.h>

#include <filesystem>

#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "document/OpenDocument.h"
#include "document/RecordingHost.h"
#include "platform/Prompter.h"

namespace {

// The source tree's samples/ (given by the build: __FILE__ may be relative when a compiler cache
// rewrites paths).
std::filesystem::path SamplesFolder() {
  return std::filesystem::path(CORVALIN_SOURCE_DIR) / "samples";
}

TEST(Samples, EveryOneOpensAndSavesTheSame) {
  ScopedScriptedDialogs dialogs;
  int count = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(SamplesFolder())) {
    if (entry.path().extension() != ".crv") continue;
    ++count;
    ResetProgramState();
    RecordingHost host;
    std::string problem;
    const std::string path = entry.path().string();
    ASSERT_TRUE(OpenDocument(path, host, &problem)) << path << ": " << problem;
    EXPECT_GT(AllGraphs.FunSurfs.Count(), 0) << path;
    EXPECT_EQ(BuildDocumentText(), DocumentFile::Read(path, &problem).value()) << path;
    EXPECT_TRUE(dialogs.prompter.shown.empty())
        << path << ": " << (dialogs.prompter.shown.empty() ? "" : dialogs.prompter.shown[0].text);
    dialogs.prompter.shown.clear(); // no formula error, no failed sampling
  }
  EXPECT_GE(count, 1);
  EXPECT_TRUE(std::filesystem::exists(SamplesFolder() / "Welcome.crv"));
  ResetProgramState();
}

} // namespace
