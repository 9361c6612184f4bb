#include "support/DisplayConnection.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace DisplayConnection {

namespace {

xcb_connection_t* g_held = nullptr;
char** g_argv = nullptr;
int g_restarts = 0;
bool g_qtCouldNotConnect = false;
QtMessageHandler g_previous = nullptr;

constexpr const char* RestartsVariable = "CORVALIN_DISPLAY_RESTARTS";

// A connection that the server has not closed: it answers a request.
bool Answers(xcb_connection_t* connection) {
  if (xcb_connection_has_error(connection)) return false;
  xcb_get_input_focus_reply_t* reply =
      xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
  std::free(reply);
  return reply && !xcb_connection_has_error(connection);
}

void Restart() {
  const char* done = std::getenv(RestartsVariable);
  const int restarts = done ? std::atoi(done) : 0;
  if (restarts >= g_restarts || !g_argv) return;
  std::fprintf(stderr, "The display dropped the connection; the test program starts again.\n");
  setenv(RestartsVariable, std::to_string(restarts + 1).c_str(), 1);
  std::fflush(nullptr);
  usleep(50000); // a connection made right after another was closed is the one most often dropped
  execv("/proc/self/exe", g_argv);
}

void Handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith("could not connect to display"))
    g_qtCouldNotConnect = true;
  if (type == QtFatalMsg && g_qtCouldNotConnect) Restart(); // returns only when it may not
  if (g_previous) g_previous(type, context, message);
}

} // namespace

bool UsesX() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  return (platform.isEmpty() || platform.startsWith("xcb")) && !qgetenv("DISPLAY").isEmpty();
}

bool Hold(int attempts) {
  // A connection the server closes at once makes the first request written to it raise SIGPIPE,
  // which would end the test program before it could try again (here or in Qt's own connection):
  // the failed write is seen as the connection's error instead.
  std::signal(SIGPIPE, SIG_IGN);
  int pause = 10; // milliseconds, doubled after each dropped connection up to 200
  for (int attempt = 1; attempt <= attempts; ++attempt) {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (Answers(connection)) {
      g_held = connection;
      return true;
    }
    xcb_disconnect(connection);
    if (attempt < attempts) usleep(static_cast<useconds_t>(pause) * 1000);
    pause = std::min(pause * 2, 200);
  }
  std::fprintf(stderr, "Cannot connect to the display %s (%d attempts).\n",
               qgetenv("DISPLAY").constData(), attempts);
  return false;
}

void Release() {
  if (g_held) xcb_disconnect(g_held);
  g_held = nullptr;
}

void RestartWhenQtCannotConnect(char** argv, int restarts) {
  g_argv = argv;
  g_restarts = restarts;
  g_previous = qInstallMessageHandler(Handler);
}

} // namespace DisplayConnection
