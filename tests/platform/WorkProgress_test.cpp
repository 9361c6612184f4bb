// The progress window of long work: it comes up once the work has run for a second (on a clock the
// test moves), steps aside while a message box of the work is up, so the box can be answered,
// and shows the parts of a piece of work as one bar.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

#include <functional>
#include <thread>

#include "platform/Prompter.h"
#include "platform/WorkProgress.h"

namespace {

QProgressDialog* VisibleProgressWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* p = qobject_cast<QProgressDialog*>(w); p && p->isVisible()) return p;
  return nullptr;
}

int VisibleProgressWindows() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QProgressDialog*>(w) && w->isVisible()) ++n;
  return n;
}

// Runs `act` once a modal box is up (looked for again after each round of events).
void WhenModalBoxIsUp(const std::function<void(QWidget*)>& act) {
  QTimer::singleShot(0, [act] {
    if (QWidget* box = QApplication::activeModalWidget())
      act(box);
    else
      WhenModalBoxIsUp(act);
  });
}

class WorkProgressWindow : public ::testing::Test {
protected:
  void SetUp() override {
    SetWorkClock([this] { return now; });
  }
  void TearDown() override { SetWorkClock({}); }
  int64_t now = 5000; // milliseconds on the clock the progress windows read
};

TEST_F(WorkProgressWindow, ComesUpAfterASecondAndStepsAsideForAMessageBox) {
  WorkScope work("Working...");
  EXPECT_TRUE(ReportWorkStep(1, 10));
  now += 999;
  EXPECT_TRUE(ReportWorkStep(1, 10));
  EXPECT_EQ(VisibleProgressWindows(), 0) << "not before a second";
  {
    // A second passes while a box of the work is up: the window does not come up over it.
    ProgressWindowHeld held;
    now += 1100;
    EXPECT_TRUE(ReportWorkStep(2, 10));
    EXPECT_EQ(VisibleProgressWindows(), 0);
  }
  EXPECT_TRUE(ReportWorkStep(3, 10));
  EXPECT_EQ(VisibleProgressWindows(), 1);

  // The real message box hides the window while it waits for its answer, and gives it back.
  int visibleDuringBox = -1;
  WhenModalBoxIsUp([&](QWidget* box) {
    visibleDuringBox = VisibleProgressWindows();
    box->close();
  });
  MsgBox("The step counts are too large.", MsgButtons::OK, MsgIcon::Critical, "Error");
  EXPECT_EQ(visibleDuringBox, 0);
  EXPECT_EQ(VisibleProgressWindows(), 1);
  EXPECT_TRUE(ReportWorkStep(4, 10)) << "closing the box is not Cancel";
}

TEST_F(WorkProgressWindow, PartsMoveOneBarAndOnlyTheWorksThreadReports) {
  WorkScope work("Working...");
  now += 1000;
  {
    // The first half of the work's second half: half way at its start, three quarters of the
    // way at its end.
    WorkPart second(0.5, 1.0);
    WorkPart first(0.0, 0.5);
    ASSERT_TRUE(ReportWorkStep(0, 4));
    QProgressDialog* window = VisibleProgressWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->value(), window->maximum() / 2);
    now += 100;
    ASSERT_TRUE(ReportWorkStep(4, 4));
    EXPECT_EQ(window->value(), window->maximum() * 3 / 4);
  }
  // Another thread's steps go nowhere, Cancel included.
  bool elsewhere = false, elsewhereInProgress = true;
  std::thread([&] {
    elsewhereInProgress = WorkInProgress();
    elsewhere = ReportWorkStep(1, 2);
  }).join();
  EXPECT_TRUE(elsewhere);
  EXPECT_FALSE(elsewhereInProgress);
  EXPECT_TRUE(WorkInProgress());

  VisibleProgressWindow()->cancel();
  EXPECT_FALSE(ReportWorkStep(1, 2));
  EXPECT_TRUE(WorkWasCancelled());
}

} // namespace
