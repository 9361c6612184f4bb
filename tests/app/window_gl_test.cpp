// The main window opens and its OpenGL view draws: the view of a new window clears to white.

#include <QTest>
#include <gtest/gtest.h>

#include "view/frmF1.h"
#include "view/picDraw.h"

TEST(MainWindow, ViewClearsToWhite) {
  frmF1 window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QImage image = window.View()->grabFramebuffer();
  ASSERT_FALSE(image.isNull());
  QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
  EXPECT_EQ(centre, QColor(255, 255, 255));
}
