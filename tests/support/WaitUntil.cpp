#include "support/WaitUntil.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

::testing::AssertionResult WaitUntil(const std::function<bool()>& condition,
                                     const std::string& what, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  while (!condition()) {
    if (deadline.hasExpired())
      return ::testing::AssertionFailure() << "waited " << timeoutMs << " ms in vain for " << what;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents();
    // Timers and the window system deliver their events in their own time: yield meanwhile.
    QThread::msleep(1);
  }
  return ::testing::AssertionSuccess();
}
