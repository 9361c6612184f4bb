#pragma once
// Waiting on a condition in a GoogleTest body: events are processed until the condition holds;
// a condition that does not come within the time allowed fails the test (Qt's QTRY_ macros return
// silently from a GoogleTest body and are not used).

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <gtest/gtest.h>

#include <functional>

// Processes events until `condition` holds; false, with a failure of the test, when it has not
// held after `timeoutMs` milliseconds.
inline bool ProcessEventsUntil(const std::function<bool()>& condition, int timeoutMs = 60000) {
  QDeadlineTimer deadline(timeoutMs);
  while (!condition()) {
    if (deadline.hasExpired()) {
      ADD_FAILURE() << "the condition did not hold within " << timeoutMs << " ms";
      return false;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  return true;
}
