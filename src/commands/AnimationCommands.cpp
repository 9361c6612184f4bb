#include "commands/AnimationCommands.h"

#include <QImage>
#include <QPointer>
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
    if (!window || !window->Timer1()) return;
    if (on)
      window->Timer1()->start();
    else
      window->Timer1()->stop();
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

void mnuFileSaveAVI_Click() {
  if (!ShownGraphs.Animation()) return;
  if (!g_aviWindow) {
    // A window of its own, without an owner, like the program's other tool windows.
    g_aviWindow = new AviExportWindow(ThePlayback(), [] {
      MainWindow* window = MainWindow::Instance();
      return window ? window->ViewImage() : QImage();
    });
    g_aviWindow->setAttribute(Qt::WA_QuitOnClose, false);
    if (MainWindow* window = MainWindow::Instance())
      // It goes with the main window, and its frame files with it.
      QObject::connect(window, &QObject::destroyed, [] { delete g_aviWindow.data(); });
  }
  g_aviWindow->show();
  g_aviWindow->raise();
  g_aviWindow->activateWindow();
}

void InstallAnimationCommands() {
  using MainWindowCommands::Set;
  Set("mnuAniStartb_Click", [] { ThePlayback().Start(); });
  Set("mnuAniPause_Click", [] { ThePlayback().Pause(); });
  Set("mnuAniStop_Click", [] { ThePlayback().Stop(); });
  Set("mnuAniFirst_Click", [] { ThePlayback().First(); });
  Set("mnuAniPre_Click", [] { ThePlayback().Previous(); });
  Set("mnuAniNext_Click", [] { ThePlayback().Next(); });
  Set("mnuAniLast_Click", [] { ThePlayback().Last(); });
  Set("mnuAniNormal_Click", [] { ThePlayback().Normal(); });
  Set("mnuAniRev_Click", [] { ThePlayback().Reverse(); });
  Set("mnuAniRepeat_Click", [] { ThePlayback().NormalRepeat(); });
  Set("mnuAniRevRepeat_Click", [] { ThePlayback().ReverseRepeat(); });
  Set("Timer1_Timer", [] { ThePlayback().Tick(); });
  Set("mnuFileSaveAVI_Click", [] { mnuFileSaveAVI_Click(); });
}
