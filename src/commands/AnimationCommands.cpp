#include "commands/AnimationCommands.h"

#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "commands/Playback.h"
#include "commands/AviExportWindow.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "view/window/MainWindow.h"
#include "view/window/MainWindowCommands.h"

namespace {

// The main window as the player's host: its view and its timer.
class WindowPlaybackHost : public PlaybackHost {
public:
  void Present(int32_t frame) override {
    if (MainWindow* window = MainWindow::Instance()) window->Display(frame);
  }
  void SetTimerEnabled(bool on) override {
    MainWindow* window = MainWindow::Instance();
    if (!window || !window->AnimationTimer()) return;
    if (on)
      window->AnimationTimer()->start();
    else
      window->AnimationTimer()->stop();
  }
};

QPointer<AviExportWindow> g_aviWindow;

} // namespace

Playback& ThePlayback() {
  static WindowPlaybackHost host;
  static Playback playback(host);
  return playback;
}

AviExportWindow* AviWindow() { return g_aviWindow.data(); }

void SaveAnimationAsAvi() {
  if (!ShownGraphs.Animation()) return;
  MainWindow* window = MainWindow::Instance();
  if (!g_aviWindow) {
    // A tool window of the main window: it stays in front of it while the user plays and
    // captures there, and goes with it, its frame files with it.
    g_aviWindow = new AviExportWindow(
        ThePlayback(),
        [] {
          MainWindow* main = MainWindow::Instance();
          return main ? main->ViewImage() : QImage();
        },
        window);
    g_aviWindow->setAttribute(Qt::WA_QuitOnClose, false);
    g_aviWindow->adjustSize();
  }
  if (!g_aviWindow->isVisible() && window) {
    // On the main window's screen, near the main window. The frame is not known before the
    // first show; the title bar and borders are allowed for.
    const QScreen* screen = window->screen();
    const QRect available = screen ? screen->availableGeometry() : window->frameGeometry();
    const QSize frameSize = g_aviWindow->frameGeometry().size().expandedTo(
        g_aviWindow->size().grownBy(QMargins(8, 32, 8, 8)));
    g_aviWindow->move(ToolWindowPlace(window->frameGeometry(), frameSize, available));
  }
  g_aviWindow->show();
  g_aviWindow->raise();
  g_aviWindow->activateWindow();
}

void InstallAnimationCommands() {
  using MainWindowCommands::Set;
  Set("StartAnimation", [] { ThePlayback().Start(); });
  Set("PauseAnimation", [] { ThePlayback().Pause(); });
  Set("StopAnimation", [] { ThePlayback().Stop(); });
  Set("ShowFirstFrame", [] { ThePlayback().First(); });
  Set("ShowPreviousFrame", [] { ThePlayback().Previous(); });
  Set("ShowNextFrame", [] { ThePlayback().Next(); });
  Set("ShowLastFrame", [] { ThePlayback().Last(); });
  Set("PlayForwardOnce", [] { ThePlayback().Normal(); });
  Set("PlayBackwardOnce", [] { ThePlayback().Reverse(); });
  Set("PlayForwardRepeatedly", [] { ThePlayback().NormalRepeat(); });
  Set("PlayReverseRepeatedly", [] { ThePlayback().ReverseRepeat(); });
  Set("OnAnimationTimer", [] { ThePlayback().Tick(); });
  Set("SaveAnimationAsAvi", [] { SaveAnimationAsAvi(); });
}
