// Copy As BMP from a shown main window: the view's framebuffer, as wide as the snapshot rule
// gives, goes on the clipboard as the only thing there, and no picture file is left behind.

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

#include "commands/GraphList.h"
#include "document/Clipboard.h"
#include "view/scene/GlView.h"

#include "support/WaitUntil.h"
#include "view/TestMainWindow.h"

namespace {

using CopyAsBmpWindow = MainWindowTest;

TEST_F(CopyAsBmpWindow, TheViewGoesOnTheClipboardFromItsFramebuffer) {
  InstallGraphListCommands();
  MainWindow& w = Make();
  w.resize(1000, 720);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  const QRect g = w.View()->geometry();
  w.View()->setGeometry(g.x(), g.y(), 640, 300);

  // A point, shown through its row, so that the scene holds the graph and the 2D axes.
  auto point = AddGraph(PointMarker, false);
  point->CoordType = Cartesian2D;
  point->ExpressX = point->ExpressY = point->ExpressZ = "0";
  w.AddListRow("point");
  w.SetListRowChecked(0, true);
  ASSERT_EQ(ShownGraphs.FunSurfs.Count(), 1);
  ASSERT_TRUE(WaitUntil([&] { return w.View()->Ready() && w.View()->size() == QSize(640, 300); },
                        "the view to be ready at 640 x 300"));

  QClipboard& clipboard = *QGuiApplication::clipboard();
  clipboard.setText("graph text");
  w.MenuItem("mnuEditCopyAs")->trigger();
  const QMimeData* data = clipboard.mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->hasImage());
  EXPECT_FALSE(data->hasText());
  const QImage copied = clipboard.image();
  const qreal ratio = w.View()->devicePixelRatioF();
  const int width = static_cast<int>(640 * ratio), height = static_cast<int>(300 * ratio);
  ASSERT_EQ(copied.width(), width); // the whole view, as Save As BMP writes it
  ASSERT_EQ(copied.height(), height);

  const QImage view = w.ViewImage();
  ASSERT_EQ(view.height(), height);
  std::set<QRgb> colours;
  for (int y = 0; y < height; y += 7) {
    for (int x = 0; x < copied.width(); x += 5) {
      ASSERT_EQ(copied.pixel(x, y) & 0xFFFFFF, view.pixel(x, y) & 0xFFFFFF) << x << "," << y;
      colours.insert(copied.pixel(x, y) & 0xFFFFFF);
    }
  }
  EXPECT_GT(colours.size(), 1u); // the scene, not an empty picture

  EXPECT_FALSE(QFileInfo::exists(QDir(MainWindow::ProgramFolder()).filePath("temp.bmp")));
  clipboard.clear();
}

} // namespace
