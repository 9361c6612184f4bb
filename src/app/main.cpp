// Corvalin: plots and analyses mathematical functions.
//
// corvalin [DOCUMENT]                  opens the document (a .crv file) or starts a new 2D one
// corvalin --screenshot PNG [DOCUMENT] shows the window, saves a picture of it and quits
//                                      (for machines without a screen, under Xvfb); message
//                                      boxes are answered with their default button and written
//                                      to stderr, and the exit status is 1 when one was an error
//                                      (a document that could not be opened)
// corvalin --picture PNG [DOCUMENT]    the same with a picture of the view alone, from a window
//                                      of a fixed size (the help's gallery is made so)
//
// The arguments after the options are taken together, joined by blanks, as the document's path,
// so a path with blanks may also be given unquoted.

#include <QApplication>
#include <QImage>
#include <QSurfaceFormat>
#include <QTimer>

#include <malloc.h>

#include <csignal>
#include <iostream>
#include <memory>

#include "commands/AnimationCommands.h"
#include "commands/CommandAvailability.h"
#include "commands/GraphList.h"
#include "dialogs/InstallGraphDialogs.h"
#include "platform/Prompter.h"
#include "view/scene/GlView.h"
#include "view/window/MainWindow.h"

int main(int argc, char** argv) {
  // A file-size limit (ulimit -f) must make a save fail and be reported, not end the program:
  // with the signal ignored, the write that passes the limit returns an error instead.
  std::signal(SIGXFSZ, SIG_IGN);
  // Each thread that allocates (ours, Qt's, the GL driver's two dozen) would otherwise get a heap
  // arena of its own, reserving 64 MiB of address space apiece: 1.5 GiB before anything is drawn,
  // so that under an address-space limit (ulimit -v) the GL driver's own allocations fail and it
  // crashes. A few arenas serve our threads, which allocate little once sampling has begun.
  mallopt(M_ARENA_MAX, 4);
  QSurfaceFormat::setDefaultFormat(GlView::ViewFormat());
  QApplication app(argc, argv);
  QApplication::setApplicationName("Corvalin");

  QStringList args = QApplication::arguments();
  args.removeFirst();
  QString screenshot;
  bool viewOnly = false;
  if (args.size() >= 2 && (args[0] == "--screenshot" || args[0] == "--picture")) {
    viewOnly = args[0] == "--picture";
    screenshot = args[1];
    args = args.mid(2);
  }

  // The commands of the other parts go into the main window's menus and toolbars before it exists.
  InstallCommandAvailability();
  InstallGraphListCommands();
  InstallAnimationCommands();
  InstallGraphDialogs();

  // No one answers message boxes in a screenshot run.
  UnattendedPrompter unattended;
  if (!screenshot.isEmpty()) SetPrompter(&unattended);

  // The window shows itself first; a document named on the command line is opened once it is on
  // screen, so that a document that takes long to sample shows its progress and can be cancelled.
  // A picture taken unattended opens it at once, as it always has, so pictures stay as they were.
  MainWindow window;
  window.Form_Load(args.join(' ').toStdString(), screenshot.isEmpty()
                                                     ? MainWindow::StartDocument::AfterFirstFrame
                                                     : MainWindow::StartDocument::AtOnce);
  // A picture of the view alone comes from a window of a fixed, modest size, so that pictures
  // made on different screens match.
  if (viewOnly) window.resize(800, 600);
  window.show();
  if (!screenshot.isEmpty()) {
    auto take = [&window, &unattended, screenshot, viewOnly] {
      const QImage picture = viewOnly ? window.View()->grabFramebuffer() : window.grab().toImage();
      const bool saved = picture.save(screenshot);
      if (!saved)
        std::cerr << "The screenshot could not be saved to " << screenshot.toStdString() << "."
                  << std::endl;
      // Ends without closing the window, so no question about saving is asked.
      QApplication::exit(saved && !unattended.errorShown ? 0 : 1);
    };
    // The picture is taken once the view has presented its first frame of the document (the
    // scene is compiled by then), after the events already queued have run; a view that never
    // presents one is taken after ten seconds all the same.
    auto taken = std::make_shared<bool>(false);
    auto once = [take, taken] {
      if (*taken) return;
      *taken = true;
      take();
    };
    auto arm = [&window, once] {
      QObject::connect(window.View(), &QOpenGLWidget::frameSwapped, &window,
                       [once] { QTimer::singleShot(0, qApp, once); });
      QTimer::singleShot(10000, &window, once);
      window.View()->update();
    };
    if (window.StartDocumentPending())
      QObject::connect(&window, &MainWindow::StartDocumentOpened, &window, arm,
                       Qt::SingleShotConnection);
    else
      arm();
  }
  return QApplication::exec();
}
