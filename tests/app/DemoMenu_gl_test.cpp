// The Demo menu in the running program: every sample item opens its sample (shipped in samples/)
// as a document of the kind its folder names, animated samples make playback available, and every
// sample shows a picture that is not blank and is not the empty document's. A sample that is
// missing or cannot be read is named in a message and the open document stays.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "commands/AnimationCommands.h"
#include "commands/CommandAvailability.h"
#include "commands/GraphList.h"
#include "dialogs/InstallGraphDialogs.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "view/scene/GlView.h"
#include "view/window/MainWindow.h"
#include "view/window/MainWindowCommands.h"
#include "view/window/MainMenus.h"
#include "support/ProgramStateReset.h"

namespace {

// The Demo menu's sample items, in menu order.
std::vector<const MenuSpec*> SampleItems() {
  std::vector<const MenuSpec*> out;
  std::function<void(const std::vector<MenuSpec>&)> walk = [&](const std::vector<MenuSpec>& items) {
    for (const MenuSpec& m : items) {
      if (!m.SamplePath.empty()) out.push_back(&m);
      walk(m.Items);
    }
  };
  for (const MenuSpec& m : MenuBarSpec())
    if (m.Name == "mnuDemo") walk(m.Items);
  return out;
}

// The document kind a sample's folder (or, in Table and Adv, its name) stands for; the first
// prefix of the path that matches decides.
int32_t KindOfPath(const std::string& path) {
  static const std::vector<std::pair<std::string, int32_t>> prefixes = {
      {"samples/2D/", DocumentType2D},
      {"samples/25D/", DocumentType25D},
      {"samples/3D/", DocumentType3D},
      {"samples/4D/", DocumentType4D},
      {"samples/animation/2D/", DocumentType2D},
      {"samples/animation/2.5D/", DocumentType25D},
      {"samples/animation/3D/", DocumentType3D},
      {"samples/animation/4D/", DocumentType4D},
      {"samples/Table/2D_", DocumentType2D},
      {"samples/Table/25D_", DocumentType25D},
      {"samples/Table/3D_", DocumentType3D},
      {"samples/Adv/samp8", DocumentType3D}, // a surface with its contours
      {"samples/Adv/", DocumentTypeSpecial},
  };
  for (const auto& [prefix, kind] : prefixes)
    if (path.rfind(prefix, 0) == 0) return kind;
  return 0;
}

// Pixels in which two pictures of the same size differ.
int DifferingPixels(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) ++n;
  return n;
}

bool OneColour(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != image.pixel(0, 0)) return false;
  return true;
}

class DemoMenuTest : public ProgramStateTest {
protected:
  void SetUp() override {
    ProgramStateTest::SetUp();
    ASSERT_TRUE(xdg.isValid());
    m_oldXdg = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", xdg.path().toUtf8());
    DesktopRegistration::Options registration;
    registration.UpdateDatabases = false;
    MainWindow::SetRegistrationOptions(registration);
    MainWindowCommands::Clear();
    InstallCommandAvailability();
    InstallGraphListCommands();
    InstallAnimationCommands();
    InstallGraphDialogs();
    // The source tree holds samples/ as the program folder does.
    MainWindow::SetProgramFolder(CORVALIN_SOURCE_DIR);
    window = std::make_unique<MainWindow>();
    window->Form_Load("");
    // A small view keeps the drawing quick.
    window->resize(520, 420);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  void TearDown() override {
    window.reset();
    MainWindow::SetProgramFolder({});
    MainWindow::SetRegistrationOptions({});
    MainWindowCommands::Clear();
    if (m_oldXdg.isNull())
      qunsetenv("XDG_DATA_HOME");
    else
      qputenv("XDG_DATA_HOME", m_oldXdg);
    ProgramStateTest::TearDown();
  }

  QImage Picture() {
    return window->View()->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
  }

  QTemporaryDir xdg;
  ScopedScriptedDialogs dialogs;
  std::unique_ptr<MainWindow> window;

private:
  QByteArray m_oldXdg;
};

TEST_F(DemoMenuTest, EveryItemOpensItsSampleWithAPictureOfItsOwn) {
  // The empty document of every kind, while no graph is open (File New asks nothing then).
  std::map<int32_t, QImage> empty;
  const std::map<int32_t, const char*> newCommands = {{DocumentType2D, "mnuFileNew2D"},
                                                      {DocumentType25D, "mnuFileNew25D"},
                                                      {DocumentType3D, "mnuFileNew3D"},
                                                      {DocumentType4D, "mnuFileNew4D"},
                                                      {DocumentTypeSpecial, "mnuFileSpe"}};
  for (const auto& [kind, command] : newCommands) {
    window->MenuItem(command)->trigger();
    ASSERT_EQ(DocumentType, kind);
    empty[kind] = Picture();
  }

  const std::vector<const MenuSpec*> items = SampleItems();
  ASSERT_EQ(items.size(), 70u);
  for (const MenuSpec* item : items) {
    SCOPED_TRACE(item->SamplePath);
    // The question about saving the open graphs is answered No.
    const bool graphsShown = ShownGraphs.FunSurfs.Count() > 0;
    DocumentPath = "/documents/mine.crv";
    dialogs.prompter.shown.clear();
    dialogs.prompter.answers = {MsgResult::No};
    window->MenuItem(item->Name)->trigger();
    // Opened whole: no other message (a missing file, a formula that fails, a sampling that fails).
    ASSERT_EQ(dialogs.prompter.shown.size(), graphsShown ? 1u : 0u)
        << dialogs.prompter.shown.back().text;
    if (graphsShown) {
      EXPECT_EQ(dialogs.prompter.shown[0].text, "Do you want to save the graphs?");
    }
    EXPECT_GT(AllGraphs.FunSurfs.Count(), 0);
    EXPECT_EQ(ShownGraphs.FunSurfs.Count(), AllGraphs.FunSurfs.Count());
    EXPECT_EQ(DocumentPath, "") << "Save offers no sample to write over";
    const int32_t kind = KindOfPath(item->SamplePath);
    EXPECT_EQ(DocumentType, kind);

    const bool animated = item->SamplePath.find("animation") != std::string::npos;
    EXPECT_EQ(ShownGraphs.Animation(), animated);
    EXPECT_EQ(window->MenuItem("mnuAniStartb")->isEnabled(), animated);
    EXPECT_EQ(window->MenuItem("mnuAniLast")->isEnabled(), animated);
    if (animated) {
      EXPECT_EQ(CurrentFrame, 1);
    }

    const QImage picture = Picture();
    ASSERT_EQ(picture.size(), empty[kind].size());
    EXPECT_FALSE(OneColour(picture));
    // More than a few stray pixels: at least 1 in 200 differs from the empty document's.
    EXPECT_GT(DifferingPixels(picture, empty[kind]), picture.width() * picture.height() / 200);
  }
}

TEST_F(DemoMenuTest, MissingOrUnreadableSampleIsNamedAndTheDocumentStays) {
  window->MenuItem("mnuDemoSine")->trigger();
  ASSERT_TRUE(dialogs.prompter.shown.empty());
  const int32_t graphs = AllGraphs.FunSurfs.Count();
  ASSERT_GT(graphs, 0);

  // A samples folder with one file that is no document; every other sample is missing.
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  ASSERT_TRUE(QDir(folder.path()).mkpath("samples/3D"));
  QFile bad(folder.path() + "/samples/3D/sphere.crv");
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a document");
  bad.close();
  MainWindow::SetProgramFolder(folder.path());

  const std::pair<const char*, const char*> rows[] = {{"mnuDemoSphere", "samples/3D/sphere.crv"},
                                                      {"mnuDemoApple", "samples/3D/apple.crv"}};
  for (const auto& [item, path] : rows) {
    SCOPED_TRACE(item);
    dialogs.prompter.shown.clear();
    dialogs.prompter.answers = {MsgResult::No};
    window->MenuItem(item)->trigger();
    ASSERT_EQ(dialogs.prompter.shown.size(), 2u);
    EXPECT_NE(dialogs.prompter.shown[1].text.find((folder.path() + "/" + path).toStdString()),
              std::string::npos)
        << dialogs.prompter.shown[1].text;
    EXPECT_EQ(DocumentType, DocumentType2D);
    EXPECT_EQ(AllGraphs.FunSurfs.Count(), graphs);
  }
}

// A sample that cannot be read leaves the open document's file as Save offers it.
TEST_F(DemoMenuTest, AMissingSampleKeepsTheDocumentsFile) {
  DocumentPath = "/documents/mine.crv";
  QTemporaryDir folder;
  MainWindow::SetProgramFolder(folder.path());
  window->MenuItem("mnuDemoSine")->trigger();
  EXPECT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(DocumentPath, "/documents/mine.crv");
}

} // namespace
