// The gtest main of every test program: one QApplication for the whole run (widgets, GL contexts
// and the clipboard need it), created only when tests actually run, so that listing the tests
// works without a display.

#include <QApplication>
#include <QSurfaceFormat>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "view/scene/GlView.h"

int main(int argc, char** argv) {
  bool listing = false;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--gtest_list_tests") == 0) listing = true;
  ::testing::InitGoogleTest(&argc, argv);
  std::unique_ptr<QApplication> app;
  if (!listing) {
    QSurfaceFormat::setDefaultFormat(GlView::ViewFormat());
    app = std::make_unique<QApplication>(argc, argv);
  }
  return RUN_ALL_TESTS();
}
