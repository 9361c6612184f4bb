#pragma once
// Waiting in a test for something the event loop brings about (a timer's ticks, a window's
// layout, a repaint): events are processed until the condition holds, and the wait fails, with
// what was waited for, when it does not hold within the time allowed. The time only bounds a wait
// that would otherwise never end; a busy machine makes the wait longer, never the test red.
//
//   ASSERT_TRUE(WaitUntil([&] { return !player.Capturing(); }, "the capture to end"));

#include <gtest/gtest.h>

#include <functional>
#include <string>

// Processes events until condition() is true: success as soon as it is, failure after
// timeoutMs milliseconds without it.
::testing::AssertionResult WaitUntil(const std::function<bool()>& condition,
                                     const std::string& what, int timeoutMs = 10000);
