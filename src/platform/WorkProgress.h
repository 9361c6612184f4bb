#pragma once
// Long work on the user-interface thread (sampling many frames, compiling them) shows how far it
// is and can be cancelled. A command opens a WorkScope around the work; loops deep inside report
// their steps with ReportWorkStep, which knows nothing of the command. Once the work has run for
// about a second a progress window with Cancel comes up (window-modal, so the main window takes
// no input meanwhile); after Cancel every further step answers false and the loop throws
// WorkCancelled, leaving what it was making unfinished. The progress window goes through a small
// interface like the message boxes, so tests answer it without a window.

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Thrown by a loop that stops because the user cancelled the work.
class WorkCancelled : public std::exception {
public:
  const char* what() const noexcept override { return "the work was cancelled"; }
};

// One progress window.
class WorkProgress {
public:
  virtual ~WorkProgress() = default;
  // How far the work is; false when the user has cancelled.
  virtual bool Step(int64_t done, int64_t total) = 0;
  // While held (a message box or file dialog of the work is up) the window is hidden and does not
  // come up: being window-modal, it would block the box the user must answer.
  virtual void Hold(bool) {}
};

class ProgressShower {
public:
  virtual ~ProgressShower() = default;
  // A progress window with this label that shows itself once the work has taken about a second.
  virtual std::unique_ptr<WorkProgress> Begin(const std::string& label) = 0;
};

// The shower in force: the Qt one unless a test has set another (nullptr restores it).
ProgressShower& TheProgressShower();
void SetProgressShower(ProgressShower* shower);

// The clock the progress windows read, in milliseconds from any fixed start: a monotonic one
// unless a test has set another (an empty function restores it), so tests move time themselves.
using WorkClock = std::function<int64_t()>;
void SetWorkClock(WorkClock clock);

// The work in progress while it lives; scopes do not nest (an inner one only reports to the
// outer one). Only the thread that opened it reports to it: steps reported on other threads
// (the workers of a parallel loop) are not shown.
class WorkScope {
public:
  explicit WorkScope(const std::string& label);
  ~WorkScope();
  WorkScope(const WorkScope&) = delete;
  WorkScope& operator=(const WorkScope&) = delete;
  bool Cancelled() const;

private:
  bool m_outer = false;
};

// Holds the progress window of the work in progress, if any, while it lives.
class ProgressWindowHeld {
public:
  ProgressWindowHeld();
  ~ProgressWindowHeld();
  ProgressWindowHeld(const ProgressWindowHeld&) = delete;
  ProgressWindowHeld& operator=(const ProgressWindowHeld&) = delete;
};

// While it lives, the steps reported are those of one part of the work, the share from .. to (0
// to 1) of the whole, so that several pieces in a row (graphs sampled one after the other, then
// the frames compiled) move one progress bar once from start to end. Parts nest: an inner part
// is a share of the outer one. Without work in progress on this thread it does nothing.
class WorkPart {
public:
  WorkPart(double from, double to);
  ~WorkPart();
  WorkPart(const WorkPart&) = delete;
  WorkPart& operator=(const WorkPart&) = delete;

private:
  bool m_active = false;
  double m_from = 0.0, m_to = 1.0; // the part in force before this one
};

// Reports a step of the work in progress; true when there is none. False once it is cancelled.
bool ReportWorkStep(int64_t done, int64_t total);
// Whether this thread has work in progress that steps are reported to (a loop may then take its
// work in pieces, to report between them).
bool WorkInProgress();
// Whether the work in progress has been cancelled (false when there is none).
bool WorkWasCancelled();

// A scripted stand-in: records the labels and the steps, and cancels at a given step.
class ScriptedProgressShower : public ProgressShower {
public:
  std::vector<std::string> labels;
  int64_t steps = 0;        // steps reported, over all windows
  int64_t cancelAtStep = -1; // the step (counted from 1) whose answer is Cancel; -1 never
  std::unique_ptr<WorkProgress> Begin(const std::string& label) override;
};
