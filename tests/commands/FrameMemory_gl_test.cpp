// Memory is given back: after many frames are compiled and then few (Animation > Options), or the
// document is replaced by a new one (File > New), the program's resident memory comes back near
// where it started, not at its peak.

#include <gtest/gtest.h>

#include <functional>

#include "commands/AnimationOptions.h"
#include "commands/GraphCommandHost.h"
#include "commands/GraphList.h"
#include "platform/FreedMemory.h"
#include "view/TestMainWindow.h"
#include "view/window/NewDocument.h"

namespace {

class FrameMemoryTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    InstallGraphListCommands();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
  }
};

constexpr double MiB = 1024.0 * 1024.0;

TEST_F(FrameMemoryTest, ManyFramesThenFewGiveTheirMemoryBack) {
  const struct {
    const char* name;
    std::function<void(MainWindow&, GraphCommandHost&)> shrink;
  } rounds[] = {
      {"20 frames",
       [](MainWindow&, GraphCommandHost& host) {
         EditAnimationOptions(host, [&host] { ApplyAnimationSettings({20, 10}, host); });
       }},
      {"File > New",
       [this](MainWindow& w, GraphCommandHost&) {
         dialogs.prompter.answers.push_back(MsgResult::No); // "Save changes to file?"
         ASSERT_TRUE(NewDocument(DocumentType3D, w));
         EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
       }},
  };
  for (const auto& round : rounds) {
    SCOPED_TRACE(round.name);
    MainWindow& w = ShowSample("animation/3D/wave.crv", 600, 400);
    auto host = MakeWindowCommandHost();
    ASSERT_NE(host, nullptr);
    const double before = ResidentMemory() / MiB;
    EditAnimationOptions(*host, [&host] { ApplyAnimationSettings({1200, 10}, *host); });
    ASSERT_EQ(FrameCount, 1200);
    const double peak = ResidentMemory() / MiB;
    ASSERT_GT(peak - before, 200.0) << "the frames take memory";
    round.shrink(w, *host);
    const double after = ResidentMemory() / MiB;
    EXPECT_LT(after - before, (peak - before) / 4)
        << "MiB resident: before " << before << ", peak " << peak << ", after " << after;
    window.reset();
    ResetAnimationState();
  }
}

} // namespace
