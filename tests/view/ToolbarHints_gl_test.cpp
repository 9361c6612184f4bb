// Status-bar hints of the toolbars in a shown main window: the pointer over a button (enabled or
// not) shows its hint, over a separator "Ready"; the hint stays when the pointer leaves.

#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include "view/scene/GlView.h"
#include "view/window/Toolbars.h"

#include "TestMainWindow.h"

namespace {

class HintsTest : public MainWindowTest {
protected:
  MainWindow& Shown() {
    MainWindow& w = Make();
    w.resize(1280, 800);
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    return w;
  }

  // Moves the pointer to a point of a toolbar's button, relative to the button.
  static void Over(MainWindow& w, int bar, const char* key, QPoint at = {-1, -1}) {
    QWidget* button = w.Toolbar(bar)->widgetForAction(w.Button(bar, key));
    ASSERT_NE(button, nullptr);
    if (at.x() < 0) at = button->rect().center();
    QMouseEvent move(QEvent::MouseMove, QPointF(at), button->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &move);
  }
};

} // namespace

TEST_F(HintsTest, ButtonsShowTheirHints) {
  MainWindow& w = Shown();
  EXPECT_EQ(w.StatusText(), "Ready");
  struct Row {
    int bar;
    const char* key;
    const char* hint;
  };
  const Row rows[] = {{MainToolbar, "barNew2D", "Create new 2d graphs"},
                      {MainToolbar, "barAnimFirst", "Show the first frame"},
                      {DrawToolbar, "barFun2DCart", "Add a 2d Cartesian function graph"},
                      {DrawToolbar, "barLight", "Set light properties"},
                      {ViewToolbar, "barViewFront", "View front"},
                      {ViewToolbar, "barModelGrid", "Line model"}};
  for (const Row& r : rows) {
    Over(w, r.bar, r.key);
    EXPECT_EQ(w.StatusText().toStdString(), r.hint) << r.key;
  }
}

TEST_F(HintsTest, DisabledButtonStillGetsItsHint) {
  MainWindow& w = Shown();
  w.Button(MainToolbar, "barAnimStart")->setEnabled(false);
  Over(w, MainToolbar, "barAnimStart");
  EXPECT_EQ(w.StatusText(), "Begin to animate");
}

TEST_F(HintsTest, SeparatorShowsReadyAndTheHintStaysAfterLeaving) {
  MainWindow& w = Shown();
  Over(w, DrawToolbar, "barContour");
  EXPECT_EQ(w.StatusText(), "Add a contour plot");
  // Leaving the toolbar for the view keeps the hint.
  QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), w.View()->mapToGlobal(QPointF(10, 10)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w.View(), &move);
  EXPECT_EQ(w.StatusText(), "Add a contour plot");
  Over(w, DrawToolbar, "barSep8");
  EXPECT_EQ(w.StatusText(), "Ready");
}

TEST_F(HintsTest, RuleInTwipsAtTheToolbarsEdges) {
  MainWindow& w = Shown();
  Over(w, MainToolbar, "barNew2D");
  ASSERT_EQ(w.StatusText(), "Create new 2d graphs");
  // Y on the toolbar's top or bottom edge leaves the panel alone.
  const float height =
      static_cast<float>(PixelsToTwips(w.Toolbar(MainToolbar)->height(), w.DpiY()));
  const QRect b3 =
      w.Toolbar(MainToolbar)->widgetForAction(w.Button(MainToolbar, "barNew25D"))->geometry();
  const float x3 = static_cast<float>(PixelsToTwips(b3.center().x(), w.DpiX()));
  w.OnToolbarMouseMove(MainToolbar, x3, 0);
  EXPECT_EQ(w.StatusText(), "Create new 2d graphs");
  w.OnToolbarMouseMove(MainToolbar, x3, height);
  EXPECT_EQ(w.StatusText(), "Create new 2d graphs");
  w.OnToolbarMouseMove(MainToolbar, x3, height / 2);
  EXPECT_EQ(w.StatusText(), "Create new 2.5d graphs");
  // Exactly on a button's left edge: not inside it (the comparisons are strict).
  const float left3 = static_cast<float>(PixelsToTwips(b3.left(), w.DpiX()));
  w.OnToolbarMouseMove(MainToolbar, left3, height / 2);
  EXPECT_EQ(w.StatusText(), "Ready");
  // The view toolbar: the vertical position picks the button.
  const QRect v2 =
      w.Toolbar(ViewToolbar)->widgetForAction(w.Button(ViewToolbar, "barViewRight"))->geometry();
  w.OnToolbarMouseMove(ViewToolbar, 1,
                       static_cast<float>(PixelsToTwips(v2.center().y(), w.DpiY())));
  EXPECT_EQ(w.StatusText(), "View right");
}
