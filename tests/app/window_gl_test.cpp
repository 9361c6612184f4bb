// The program's window as main() starts it: loaded, shown, its view drawn. An empty document's view
// clears to white, and the window comes up with an empty 2D document.

#include <QByteArray>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "view/scene/GlView.h"
#include "view/window/MainWindow.h"

TEST(MainWindow, StartsWithAnEmpty2DDocumentAndAWhiteView) {
  QTemporaryDir xdg;
  const QByteArray oldXdg = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", xdg.path().toUtf8());
  ScopedScriptedDialogs dialogs;
  DesktopRegistration::Options registration;
  registration.UpdateDatabases = false;
  MainWindow::SetRegistrationOptions(registration);
  {
    MainWindow window;
    window.Form_Load("");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "Corvalin");
    EXPECT_EQ(DocumentType, DocumentType2D);
    QImage image = window.View()->grabFramebuffer();
    ASSERT_FALSE(image.isNull());
    QColor centre = image.pixelColor(image.width() / 2, image.height() / 2);
    EXPECT_EQ(centre, QColor(255, 255, 255));
  }
  MainWindow::SetRegistrationOptions({});
  if (oldXdg.isNull())
    qunsetenv("XDG_DATA_HOME");
  else
    qputenv("XDG_DATA_HOME", oldXdg);
}
