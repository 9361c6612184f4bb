// A test program that draws survives a display that drops its first connections: a busy Xvfb
// sometimes accepts a client and closes it at once, and Qt's xcb platform would then abort the
// program before any test ran. The display here is a stand-in that closes the connections of a
// table at once and passes all others on to the real display; the program under it (this one,
// running a test that draws a window) must pass.

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

// A unix socket address of the X display number n: abstract (as X servers on Linux listen too)
// or the path in /tmp/.X11-unix.
sockaddr_un DisplayAddress(int n, bool abstract) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string path = "/tmp/.X11-unix/X" + std::to_string(n);
  std::memcpy(address.sun_path + (abstract ? 1 : 0), path.data(), path.size());
  return address;
}
socklen_t AddressLength(int n, bool abstract) {
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + (abstract ? 1 : 0) +
                                ("/tmp/.X11-unix/X" + std::to_string(n)).size());
}

// Passes what one socket receives on to the other: the bytes and the file descriptors that come
// with them (shared memory for pictures travels so). False when either side has closed.
bool PassOn(int from, int to) {
  char bytes[65536];
  alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * 16)];
  iovec io{bytes, sizeof bytes};
  msghdr message{};
  message.msg_iov = &io;
  message.msg_iovlen = 1;
  message.msg_control = control;
  message.msg_controllen = sizeof control;
  const ssize_t n = recvmsg(from, &message, 0);
  if (n <= 0) return false;
  std::vector<int> fds;
  for (cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c))
    if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SCM_RIGHTS) {
      const size_t count = (c->cmsg_len - CMSG_LEN(0)) / sizeof(int);
      const int* received = reinterpret_cast<const int*>(CMSG_DATA(c));
      fds.insert(fds.end(), received, received + count);
    }
  bool open = true;
  for (ssize_t sent = 0; sent < n && open;) {
    iovec out{bytes + sent, static_cast<size_t>(n - sent)};
    msghdr reply{};
    reply.msg_iov = &out;
    reply.msg_iovlen = 1;
    alignas(cmsghdr) char passed[CMSG_SPACE(sizeof(int) * 16)];
    if (!fds.empty() && sent == 0) {
      reply.msg_control = passed;
      reply.msg_controllen = CMSG_SPACE(sizeof(int) * fds.size());
      cmsghdr* c = CMSG_FIRSTHDR(&reply);
      c->cmsg_level = SOL_SOCKET;
      c->cmsg_type = SCM_RIGHTS;
      c->cmsg_len = CMSG_LEN(sizeof(int) * fds.size());
      std::memcpy(CMSG_DATA(c), fds.data(), sizeof(int) * fds.size());
    }
    const ssize_t w = sendmsg(to, &reply, MSG_NOSIGNAL);
    if (w <= 0)
      open = false;
    else
      sent += w;
  }
  for (int fd : fds)
    close(fd);
  return open;
}

// Copies both ways between two sockets until either side closes.
void Relay(int a, int b) {
  pollfd fds[2] = {{a, POLLIN, 0}, {b, POLLIN, 0}};
  bool open = true;
  while (open && poll(fds, 2, -1) >= 0)
    for (int i = 0; i < 2 && open; ++i)
      if (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) open = PassOn(fds[i].fd, fds[1 - i].fd);
  close(a);
  close(b);
}

// A display that closes the connections whose numbers (from 1) are in `dropped` as soon as it
// accepts them and relays every other one to the real display.
class DroppingDisplay {
public:
  DroppingDisplay(int real, std::set<int> dropped) : m_real(real), m_dropped(std::move(dropped)) {
    m_listener = socket(AF_UNIX, SOCK_STREAM, 0);
    for (int n = 600 + getpid() % 300; n < 1000 && m_number < 0; ++n) {
      const sockaddr_un address = DisplayAddress(n, true);
      if (access(("/tmp/.X11-unix/X" + std::to_string(n)).c_str(), F_OK) == 0) continue;
      if (bind(m_listener, reinterpret_cast<const sockaddr*>(&address), AddressLength(n, true)) ==
          0)
        m_number = n;
    }
    if (m_number < 0 || listen(m_listener, 16) != 0 || pipe(m_stop) != 0) {
      m_number = -1;
      return;
    }
    m_acceptor = std::thread([this] { Accept(); });
  }
  ~DroppingDisplay() {
    if (m_acceptor.joinable()) {
      [[maybe_unused]] const ssize_t n = write(m_stop[1], "x", 1);
      m_acceptor.join();
    }
    for (std::thread& relay : m_relays)
      relay.join();
    close(m_listener);
    if (m_stop[0] >= 0) close(m_stop[0]), close(m_stop[1]);
  }
  int Number() const { return m_number; }
  int Accepted() const { return m_accepted; }

private:
  void Accept() {
    pollfd fds[2] = {{m_listener, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
    while (poll(fds, 2, -1) >= 0 && !(fds[1].revents & POLLIN)) {
      if (!(fds[0].revents & POLLIN)) continue;
      const int client = accept(m_listener, nullptr, nullptr);
      if (client < 0) continue;
      if (m_dropped.count(++m_accepted)) {
        close(client);
        continue;
      }
      const int server = socket(AF_UNIX, SOCK_STREAM, 0);
      bool connected = false;
      for (bool abstract : {true, false}) {
        const sockaddr_un address = DisplayAddress(m_real, abstract);
        if (connect(server, reinterpret_cast<const sockaddr*>(&address),
                    AddressLength(m_real, abstract)) == 0) {
          connected = true;
          break;
        }
      }
      if (!connected) {
        close(client), close(server);
        continue;
      }
      m_relays.emplace_back([client, server] { Relay(client, server); });
    }
  }

  int m_real;
  std::set<int> m_dropped;
  int m_listener = -1;
  int m_stop[2] = {-1, -1};
  int m_number = -1;
  std::atomic<int> m_accepted{0};
  std::thread m_acceptor;
  std::vector<std::thread> m_relays;
};

// The display number of DISPLAY (":99" or ":99.0"), or -1.
int RealDisplay() {
  const QRegularExpressionMatch m =
      QRegularExpression("^:(\\d+)(\\.\\d+)?$").match(qEnvironmentVariable("DISPLAY"));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

TEST(DisplayConnection, ATestThatDrawsSurvivesDroppedConnections) {
  const int real = RealDisplay();
  if (real < 0) GTEST_SKIP() << "no local X display";
  // The stand-in display takes the real one's cookie.
  QTemporaryDir dir;
  const QString authority = dir.filePath("Xauthority");
  QProcess list;
  list.start("xauth", {"list", qEnvironmentVariable("DISPLAY")});
  ASSERT_TRUE(list.waitForFinished(10000));
  const QStringList entry =
      QString(list.readAllStandardOutput()).split('\n').value(0).split(' ', Qt::SkipEmptyParts);

  struct Row {
    const char* what;
    std::set<int> dropped;
  } rows[] = {
      {"the first two connections dropped", {1, 2}},
      {"the connection after the first one dropped (Qt's own)", {2}},
  };
  for (const Row& row : rows) {
    DroppingDisplay display(real, row.dropped);
    ASSERT_GE(display.Number(), 0) << "no free display number";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", ":" + QString::number(display.Number()));
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.remove("CORVALIN_DISPLAY_RESTARTS");
    if (entry.size() == 3) {
      QProcess add;
      add.start("xauth",
                {"-f", authority, "add", environment.value("DISPLAY"), entry[1], entry[2]});
      ASSERT_TRUE(add.waitForFinished(10000));
      environment.insert("XAUTHORITY", authority);
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QCoreApplication::applicationFilePath(),
                  {"--gtest_filter=MainWindow.StartsWithAnEmpty2DDocumentAndAWhiteView"});
    const bool finished = program.waitForFinished(120000);
    if (!finished) program.kill(), program.waitForFinished();
    const QByteArray output = program.readAll();
    ASSERT_TRUE(finished) << row.what << "\n" << output.data();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << row.what << "\n" << output.data();
    EXPECT_EQ(program.exitCode(), 0) << row.what << "\n" << output.data();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << row.what << "\n" << output.data();
    EXPECT_GT(display.Accepted(), *row.dropped.rbegin()) << row.what;
  }
}

} // namespace
