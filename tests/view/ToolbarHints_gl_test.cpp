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
  static void Over(MainWindow& w, int bar, int index, QPoint at = {-1, -1}) {
    QWidget* button = w.Toolbar(bar)->widgetForAction(w.Button(bar, index));
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
    int bar, index;
    const char* hint;
  };
  const Row rows[] = {{1, 2, "Create new 2d graphs"},
                      {1, 36, "Show the first frame"},
                      {2, 3, "Add a 2d Cartesian function graph"},
                      {2, 25, "Set light properties"},
                      {3, 1, "View front"},
                      {3, 18, "Line model"}};
  for (const Row& r : rows) {
    Over(w, r.bar, r.index);
    EXPECT_EQ(w.StatusText().toStdString(), r.hint) << r.bar << " " << r.index;
  }
}

TEST_F(HintsTest, DisabledButtonStillGetsItsHint) {
  MainWindow& w = Shown();
  w.Button(1, 33)->setEnabled(false);
  Over(w, 1, 33);
  EXPECT_EQ(w.StatusText(), "Begin to animate");
}

TEST_F(HintsTest, SeparatorShowsReadyAndTheHintStaysAfterLeaving) {
  MainWindow& w = Shown();
  Over(w, 2, 14);
  EXPECT_EQ(w.StatusText(), "Add a contour plot");
  // Leaving the toolbar for the view keeps the hint.
  QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), w.View()->mapToGlobal(QPointF(10, 10)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w.View(), &move);
  EXPECT_EQ(w.StatusText(), "Add a contour plot");
  Over(w, 2, 16);
  EXPECT_EQ(w.StatusText(), "Ready");
}

TEST_F(HintsTest, RuleInTwipsAtTheToolbarsEdges) {
  MainWindow& w = Shown();
  Over(w, 1, 2);
  ASSERT_EQ(w.StatusText(), "Create new 2d graphs");
  // Y on the toolbar's top or bottom edge leaves the panel alone.
  const float height = static_cast<float>(PixelsToTwips(w.Toolbar(1)->height(), w.DpiY()));
  const QRect b3 = w.Toolbar(1)->widgetForAction(w.Button(1, 3))->geometry();
  const float x3 = static_cast<float>(PixelsToTwips(b3.center().x(), w.DpiX()));
  w.Toolbar1_MouseMove(x3, 0);
  EXPECT_EQ(w.StatusText(), "Create new 2d graphs");
  w.Toolbar1_MouseMove(x3, height);
  EXPECT_EQ(w.StatusText(), "Create new 2d graphs");
  w.Toolbar1_MouseMove(x3, height / 2);
  EXPECT_EQ(w.StatusText(), "Create new 2.5d graphs");
  // Exactly on a button's left edge: not inside it (the comparisons are strict).
  const float left3 = static_cast<float>(PixelsToTwips(b3.left(), w.DpiX()));
  w.Toolbar1_MouseMove(left3, height / 2);
  EXPECT_EQ(w.StatusText(), "Ready");
  // Toolbar3: the vertical position picks the button.
  const QRect v2 = w.Toolbar(3)->widgetForAction(w.Button(3, 2))->geometry();
  w.Toolbar3_MouseMove(1, static_cast<float>(PixelsToTwips(v2.center().y(), w.DpiY())));
  EXPECT_EQ(w.StatusText(), "View right");
}
