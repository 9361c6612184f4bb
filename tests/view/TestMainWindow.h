#pragma once
// A main window for tests: scripted dialogs, a temporary XDG data folder for the desktop
// association, URLs recorded instead of opened, and no command installed unless the test installs
// it. The window is destroyed, and all of that undone, at the end of the test.

#include <QByteArray>
#include <QTest>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "view/window/MainWindow.h"
#include "view/window/MainWindowCommands.h"
#include "support/ProgramStateReset.h"

class MainWindowTest : public ProgramStateTest {
protected:
  void SetUp() override {
    ProgramStateTest::SetUp();
    m_oldXdg = qgetenv("XDG_DATA_HOME");
    ASSERT_TRUE(xdg.isValid());
    qputenv("XDG_DATA_HOME", xdg.path().toUtf8());
    MainWindowCommands::Clear();
    MainWindow::SetUrlOpener([this](const QUrl& url) {
      openedUrls.push_back(url);
      return browserStarts;
    });
    DesktopRegistration::Options registration;
    registration.UpdateDatabases = false;
    MainWindow::SetRegistrationOptions(registration);
  }

  void TearDown() override {
    window.reset();
    MainWindow::SetUrlOpener(nullptr);
    MainWindow::SetRegistrationOptions({});
    MainWindowCommands::Clear();
    if (m_oldXdg.isNull())
      qunsetenv("XDG_DATA_HOME");
    else
      qputenv("XDG_DATA_HOME", m_oldXdg);
    ProgramStateTest::TearDown();
  }

  // A new main window, loaded with the command line unless told otherwise.
  MainWindow& Make(bool load = true, const std::string& commandLine = "") {
    window = std::make_unique<MainWindow>();
    if (load) window->Form_Load(commandLine);
    return *window;
  }

  // A new main window of this size on screen with a sample of samples/ open (a path such as
  // "animation/2D/sinexp.crv").
  MainWindow& ShowSample(const std::string& sample, int width, int height) {
    MainWindow& w = Make(false);
    w.resize(width, height);
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.Form_Load(std::string(CORVALIN_SOURCE_DIR) + "/samples/" + sample);
    return w;
  }

  // Installs a handler that counts its calls.
  int& Count(const std::string& handler) {
    int& n = counts[handler];
    MainWindowCommands::Set(handler, [&n] { ++n; });
    return n;
  }

  // A graph in both containers under a fresh ID.
  std::shared_ptr<Graph> AddGraph(int32_t graphType = PointMarker, bool shown = true) {
    auto g = std::make_shared<Graph>();
    g->GraphType = graphType;
    g->ID = ++m_lastId;
    AllGraphs.FunSurfs.Add(g);
    if (shown) ShownGraphs.FunSurfs.Add(g);
    return g;
  }

  QTemporaryDir xdg;
  ScopedScriptedDialogs dialogs;
  std::vector<QUrl> openedUrls;
  bool browserStarts = true; // what the stand-in for the desktop answers
  std::map<std::string, int> counts;
  std::unique_ptr<MainWindow> window;

private:
  QByteArray m_oldXdg;
  int32_t m_lastId = 100;
};
