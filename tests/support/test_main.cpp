// The gtest main of every test program: one QApplication for the whole run (widgets, GL contexts
// and the clipboard need it), created only when tests actually run, so that listing the tests
// works without a display. A program that draws makes sure of its display connection first
// (DisplayConnection.h).

#include <QApplication>
#include <QSurfaceFormat>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "support/DisplayConnection.h"
#include "view/scene/GlView.h"

int main(int argc, char** argv) {
  bool listing = false;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--gtest_list_tests") == 0) listing = true;
  // The arguments as given, for a start again (GoogleTest takes its own out of argv).
  std::vector<char*> given(argv, argv + argc + 1);
  ::testing::InitGoogleTest(&argc, argv);
  std::unique_ptr<QApplication> app;
  if (!listing) {
    QSurfaceFormat::setDefaultFormat(GlView::ViewFormat());
    const bool drawing = DisplayConnection::UsesX();
    if (drawing) {
      if (!DisplayConnection::Hold(8)) return 1;
      DisplayConnection::RestartWhenQtCannotConnect(given.data(), 3);
    }
    app = std::make_unique<QApplication>(argc, argv);
    if (drawing) DisplayConnection::Release();
  }
  return RUN_ALL_TESTS();
}
