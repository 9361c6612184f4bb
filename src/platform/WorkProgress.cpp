#include "platform/WorkProgress.h"

#include <QElapsedTimer>
#include <QProgressDialog>

#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>

#include "platform/Prompter.h"

namespace {

WorkClock g_clock;

int64_t NowMs() {
  if (g_clock) return g_clock();
  static QElapsedTimer sinceStart = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return sinceStart.elapsed();
}

// QProgressDialog counts in int: large totals are scaled to it.
int Scaled(int64_t value, int64_t total) {
  constexpr int64_t Most = std::numeric_limits<int>::max();
  if (total <= Most) return static_cast<int>(value);
  return static_cast<int>(value * (Most / 2) / total);
}

class QtWorkProgress : public WorkProgress {
public:
  explicit QtWorkProgress(const std::string& label)
      : m_label(QString::fromStdString(label)), m_started(NowMs()), m_updated(m_started) {}
  bool Step(int64_t done, int64_t total) override {
    // The window is made by the work itself once it has run for a second, never by a timer of
    // its own: a timer would fire inside a message box the work shows, and the window-modal
    // progress window would then block that box.
    const int64_t now = NowMs();
    if (!m_dialog && !m_held && now - m_started >= 1000) Show();
    // The window is brought up to date (and its events handled) a few dozen times a second, not
    // at every step of a fast loop.
    if (m_dialog && (now - m_updated >= 30 || done >= total)) {
      m_updated = now;
      const int most = Scaled(std::max<int64_t>(total, 1), total);
      if (m_dialog->maximum() != most) m_dialog->setMaximum(most);
      m_dialog->setValue(std::clamp(Scaled(done, total), 0, most));
    }
    return !(m_dialog && m_dialog->wasCanceled());
  }
  void Hold(bool held) override {
    m_held = held;
    if (!m_dialog) return;
    if (held)
      m_dialog->hide();
    else
      m_dialog->show();
  }

private:
  void Show() {
    m_dialog = std::make_unique<QProgressDialog>(m_label, "Cancel", 0, 1, DialogParent());
    m_dialog->setWindowTitle("Corvalin");
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(0);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setValue(0);
    m_dialog->show();
  }

  QString m_label;
  std::unique_ptr<QProgressDialog> m_dialog;
  int64_t m_started, m_updated; // NowMs() at the start and at the last update of the window
  bool m_held = false;
};

class QtProgressShower : public ProgressShower {
public:
  std::unique_ptr<WorkProgress> Begin(const std::string& label) override {
    return std::make_unique<QtWorkProgress>(label);
  }
};

class ScriptedWorkProgress : public WorkProgress {
public:
  explicit ScriptedWorkProgress(ScriptedProgressShower& shower) : m_shower(shower) {}
  bool Step(int64_t, int64_t) override {
    ++m_shower.steps;
    if (m_shower.cancelAtStep > 0 && m_shower.steps >= m_shower.cancelAtStep) m_cancelled = true;
    return !m_cancelled;
  }

private:
  ScriptedProgressShower& m_shower;
  bool m_cancelled = false;
};

ProgressShower* g_shower = nullptr;
std::unique_ptr<WorkProgress> g_work; // the work in progress
std::thread::id g_workThread;         // the thread that opened it
bool g_cancelled = false;
double g_partFrom = 0.0, g_partTo = 1.0; // the part of the work the steps are reported for

bool OnWorkThread() { return g_work && std::this_thread::get_id() == g_workThread; }

} // namespace

ProgressShower& TheProgressShower() {
  static QtProgressShower qt;
  return g_shower ? *g_shower : qt;
}

void SetProgressShower(ProgressShower* shower) { g_shower = shower; }

void SetWorkClock(WorkClock clock) { g_clock = std::move(clock); }

WorkScope::WorkScope(const std::string& label) {
  if (g_work) return;
  m_outer = true;
  g_cancelled = false;
  g_partFrom = 0.0, g_partTo = 1.0;
  g_workThread = std::this_thread::get_id();
  g_work = TheProgressShower().Begin(label);
}

WorkScope::~WorkScope() {
  if (!m_outer) return;
  g_work.reset();
  g_cancelled = false;
  g_partFrom = 0.0, g_partTo = 1.0;
}

bool WorkScope::Cancelled() const { return g_cancelled; }

ProgressWindowHeld::ProgressWindowHeld() {
  if (g_work) g_work->Hold(true);
}

ProgressWindowHeld::~ProgressWindowHeld() {
  if (g_work) g_work->Hold(false);
}

WorkPart::WorkPart(double from, double to) {
  if (!OnWorkThread()) return;
  m_active = true;
  m_from = g_partFrom, m_to = g_partTo;
  const double width = m_to - m_from;
  g_partFrom = m_from + width * std::clamp(from, 0.0, 1.0);
  g_partTo = m_from + width * std::clamp(to, 0.0, 1.0);
}

WorkPart::~WorkPart() {
  if (!m_active) return;
  g_partFrom = m_from;
  g_partTo = m_to;
}

bool ReportWorkStep(int64_t done, int64_t total) {
  if (!OnWorkThread()) return true;
  if (g_cancelled) return false;
  bool going = true;
  if (g_partFrom == 0.0 && g_partTo == 1.0) {
    going = g_work->Step(done, total);
  } else {
    // The step as the share of the whole it stands for, in millionths.
    constexpr double Whole = 1000000.0;
    const double share = total > 0 ? std::clamp(double(done) / double(total), 0.0, 1.0) : 1.0;
    const double at = g_partFrom + (g_partTo - g_partFrom) * share;
    going = g_work->Step(std::llround(at * Whole), static_cast<int64_t>(Whole));
  }
  if (!going) g_cancelled = true;
  return !g_cancelled;
}

bool WorkInProgress() { return OnWorkThread(); }

bool WorkWasCancelled() { return g_work && g_cancelled; }

std::unique_ptr<WorkProgress> ScriptedProgressShower::Begin(const std::string& label) {
  labels.push_back(label);
  return std::make_unique<ScriptedWorkProgress>(*this);
}
