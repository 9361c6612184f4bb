// The main window's panes as the layout places them in pixels, and the splitter bars: a drag moves
// only the bar, the release clamps it and lays the panes out again.

#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include "support/WaitUntil.h"
#include "view/scene/Scene.h"
#include "view/scene/GlView.h"
#include "view/window/SplitterBar.h"

#include "TestMainWindow.h"

namespace {

class LayoutWindowTest : public MainWindowTest {
protected:
  MainWindow& Shown(int width = 1000, int height = 720) {
    MainWindow& w = Make();
    w.resize(width, height);
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    return w;
  }

  static PixelRect Px(const MainWindow& w, const TwipRect& r) {
    return ToPixels(r, w.DpiX(), w.DpiY());
  }
  static PixelRect Of(const QWidget* widget) {
    const QRect g = widget->geometry();
    return PixelRect{g.x(), g.y(), g.width(), g.height()};
  }
};

} // namespace

TEST_F(LayoutWindowTest, PanesSitWhereTheTwipsSay) {
  MainWindow& w = Shown();
  const PaneGeometry& p = w.Panes();
  EXPECT_EQ(Of(w.View()), Px(w, p.GlView));
  EXPECT_EQ(Of(w.GraphList()), Px(w, p.GraphList));
  EXPECT_EQ(Of(w.Result()), Px(w, p.Result));
  EXPECT_EQ(Of(w.VerticalSplitter()), Px(w, p.VerticalSplitter));
  EXPECT_EQ(Of(w.HorizontalSplitter()), Px(w, p.HorizontalSplitter));
  // The layout is the pure layout of the window's size.
  EXPECT_EQ(p, FormResize(p, w.Metrics()));
  // The bars around the panes: two toolbar rows at the top, the view toolbar down the right edge,
  // the status bar at the bottom; the view fits between them.
  const int T = w.Toolbar(MainToolbar)->height();
  const int W = w.InnerArea()->width(), H = w.InnerArea()->height();
  EXPECT_EQ(w.Toolbar(DrawToolbar)->geometry(), QRect(0, T, W, T));
  EXPECT_EQ(w.Toolbar(ViewToolbar)->geometry().left(), W - T);
  EXPECT_EQ(w.Toolbar(ViewToolbar)->width(), T);
  EXPECT_EQ(w.StatusBar()->geometry().bottom(), H - 1);
  EXPECT_EQ(w.View()->geometry().top(), 2 * T);
  EXPECT_NEAR(w.View()->geometry().right() + 1, W - T, 1);
  EXPECT_NEAR(w.View()->geometry().bottom() + 1, H - w.StatusBar()->height(), 1);
}

TEST_F(LayoutWindowTest, ResizeLaysOutAgain) {
  MainWindow& w = Shown();
  const int compiled = w.View()->TheScene().Compilations();
  w.resize(1200, 800);
  ASSERT_TRUE(WaitUntil(
      [&] { return w.size() == QSize(1200, 800) && Of(w.View()) == Px(w, w.Panes().GlView); },
      "the window at 1200 x 800 with its panes laid out"));
  // A resize presents the scene without compiling it again.
  EXPECT_EQ(w.View()->TheScene().Compilations(), compiled);
  const PaneGeometry& p = w.Panes();
  EXPECT_EQ(p.GlView.Left + p.GlView.Width, w.Metrics().W - w.Metrics().T);
  EXPECT_EQ(Of(w.View()), Px(w, p.GlView));
}

TEST_F(LayoutWindowTest, VerticalSplitterDragAndRelease) {
  MainWindow& w = Shown();
  const QRect list = w.GraphList()->geometry();
  w.OnVerticalSplitterMouseDown(1, 10, 100);
  EXPECT_TRUE(w.SplitterDragging);
  EXPECT_TRUE(w.VerticalSplitter()->Dragging());
  // The bar's near edge jumps to the pointer; the panes stay until the release.
  w.OnVerticalSplitterMouseMove(1, -4500, 100);
  EXPECT_EQ(w.Panes().VerticalSplitter.Left, VerticalSplitterDesignLeftTwips - 4500);
  EXPECT_EQ(w.GraphList()->geometry(), list);
  w.OnVerticalSplitterMouseUp(1, 0, 0);
  EXPECT_FALSE(w.SplitterDragging);
  EXPECT_FALSE(w.VerticalSplitter()->Dragging());
  EXPECT_EQ(w.Panes().VerticalSplitter.Left, 1000);
  EXPECT_EQ(w.Panes().GraphList.Width, 1000);
  EXPECT_EQ(Of(w.GraphList()), Px(w, w.Panes().GraphList));
  EXPECT_EQ(w.Panes().GlView.Left, 1060);

  // Far to the right: held at the inner width less 1000.
  w.OnVerticalSplitterMouseDown(1, 0, 0);
  w.OnVerticalSplitterMouseMove(1, 50000, 0);
  w.OnVerticalSplitterMouseUp(1, 0, 0);
  EXPECT_EQ(w.Panes().VerticalSplitter.Left, ClampVerticalSplitterLeft(1e9, w.Metrics()));
}

TEST_F(LayoutWindowTest, HorizontalSplitterDragAndRelease) {
  MainWindow& w = Shown();
  w.OnHorizontalSplitterMouseDown(1, 0, 0);
  w.OnHorizontalSplitterMouseMove(1, 0, -20000);
  w.OnHorizontalSplitterMouseUp(1, 0, 0);
  EXPECT_EQ(w.Panes().HorizontalSplitter.Top, 2000);
  EXPECT_EQ(w.Panes().Result.Top, 2040);
  // A click without a move runs the layout once and leaves the bar where it is.
  w.OnHorizontalSplitterMouseDown(1, 0, 0);
  w.OnHorizontalSplitterMouseUp(1, 0, 0);
  EXPECT_EQ(w.Panes().HorizontalSplitter.Top, 2000);
  // A move without a drag moves nothing.
  w.OnHorizontalSplitterMouseMove(1, 0, 500);
  EXPECT_EQ(w.Panes().HorizontalSplitter.Top, 2000);
}

TEST_F(LayoutWindowTest, SplitterDragWithTheMouse) {
  MainWindow& w = Shown();
  SplitterBar* bar = w.VerticalSplitter();
  const int startX = bar->geometry().x();
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, QPoint(1, 50));
  QMouseEvent move(QEvent::MouseMove, QPointF(-30, 50), bar->mapToGlobal(QPointF(-30, 50)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(bar, &move);
  EXPECT_EQ(bar->geometry().x(), startX - 30);
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(0, 50));
  EXPECT_EQ(w.GraphList()->width(), bar->geometry().x());
  EXPECT_FALSE(w.SplitterDragging);
}
