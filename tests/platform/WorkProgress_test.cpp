// The progress window of long work: it comes up once the work has run for a second, and steps
// aside while a message box of the work is up, so the box can be answered.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

#include <chrono>
#include <thread>

#include "platform/Prompter.h"
#include "platform/WorkProgress.h"

namespace {

int VisibleProgressWindows() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QProgressDialog*>(w) && w->isVisible()) ++n;
  return n;
}

} // namespace

TEST(WorkProgressWindow, ComesUpAfterASecondAndStepsAsideForAMessageBox) {
  WorkScope work("Working...");
  EXPECT_TRUE(ReportWorkStep(1, 10));
  EXPECT_EQ(VisibleProgressWindows(), 0) << "not before a second";
  {
    // A second passes while a box of the work is up: the window does not come up over it.
    ProgressWindowHeld held;
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    EXPECT_TRUE(ReportWorkStep(2, 10));
    EXPECT_EQ(VisibleProgressWindows(), 0);
  }
  EXPECT_TRUE(ReportWorkStep(3, 10));
  EXPECT_EQ(VisibleProgressWindows(), 1);

  // The real message box hides the window while it waits for its answer, and gives it back.
  int visibleDuringBox = -1;
  QTimer::singleShot(50, [&] {
    visibleDuringBox = VisibleProgressWindows();
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  MsgBox("The step counts are too large.", MsgButtons::OK, MsgIcon::Critical, "Error");
  EXPECT_EQ(visibleDuringBox, 0);
  EXPECT_EQ(VisibleProgressWindows(), 1);
  EXPECT_TRUE(ReportWorkStep(4, 10)) << "closing the box is not Cancel";
}
