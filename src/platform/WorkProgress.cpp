#include "platform/WorkProgress.h"

#include <QElapsedTimer>
#include <QProgressDialog>

#include <algorithm>
#include <limits>

#include "platform/Prompter.h"

namespace {

// QProgressDialog counts in int: large totals are scaled to it.
int Scaled(int64_t value, int64_t total) {
  constexpr int64_t Most = std::numeric_limits<int>::max();
  if (total <= Most) return static_cast<int>(value);
  return static_cast<int>(value * (Most / 2) / total);
}

class QtWorkProgress : public WorkProgress {
public:
  explicit QtWorkProgress(const std::string& label) : m_label(QString::fromStdString(label)) {
    m_sinceStart.start();
    m_sinceUpdate.start();
  }
  bool Step(int64_t done, int64_t total) override {
    // The window is made by the work itself once it has run for a second, never by a timer of
    // its own: a timer would fire inside a message box the work shows, and the window-modal
    // progress window would then block that box.
    if (!m_dialog && !m_held && m_sinceStart.elapsed() >= 1000) Show();
    // The window is brought up to date (and its events handled) a few dozen times a second, not
    // at every step of a fast loop.
    if (m_dialog && (m_sinceUpdate.elapsed() >= 30 || done >= total)) {
      m_sinceUpdate.restart();
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
  QElapsedTimer m_sinceStart, m_sinceUpdate;
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
bool g_cancelled = false;

} // namespace

ProgressShower& TheProgressShower() {
  static QtProgressShower qt;
  return g_shower ? *g_shower : qt;
}

void SetProgressShower(ProgressShower* shower) { g_shower = shower; }

WorkScope::WorkScope(const std::string& label) {
  if (g_work) return;
  m_outer = true;
  g_cancelled = false;
  g_work = TheProgressShower().Begin(label);
}

WorkScope::~WorkScope() {
  if (!m_outer) return;
  g_work.reset();
  g_cancelled = false;
}

bool WorkScope::Cancelled() const { return g_cancelled; }

ProgressWindowHeld::ProgressWindowHeld() {
  if (g_work) g_work->Hold(true);
}

ProgressWindowHeld::~ProgressWindowHeld() {
  if (g_work) g_work->Hold(false);
}

bool ReportWorkStep(int64_t done, int64_t total) {
  if (!g_work) return true;
  if (!g_cancelled && !g_work->Step(done, total)) g_cancelled = true;
  return !g_cancelled;
}

std::unique_ptr<WorkProgress> ScriptedProgressShower::Begin(const std::string& label) {
  labels.push_back(label);
  return std::make_unique<ScriptedWorkProgress>(*this);
}
