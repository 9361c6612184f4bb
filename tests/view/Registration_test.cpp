// The desktop association of ".crv" documents, written into a temporary XDG data folder: created
// at start-up, refreshed when it is ours, and never written over another program's files.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/DesktopRegistration.h"

namespace {

std::string Read(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return f.readAll().toStdString();
}

void Write(const std::string& path, const std::string& text) {
  QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text.data(), static_cast<qint64>(text.size()));
}

struct Folder {
  QTemporaryDir dir;
  DesktopRegistration::Options Options(const std::string& program) const {
    DesktopRegistration::Options o;
    o.DataHome = dir.path().toStdString();
    o.ProgramPath = program;
    o.IconPath = "/opt/corvalin/help/images/corvalin.svg";
    o.UpdateDatabases = false;
    return o;
  }
  DesktopRegistration::Files Files() const {
    return DesktopRegistration::FilesIn(dir.path().toStdString());
  }
};

} // namespace

TEST(Registration, StartupWritesBothFilesAndAgainTheSame) {
  Folder f;
  ASSERT_TRUE(f.dir.isValid());
  DesktopRegistration::RegisterAtStartup(f.Options("/opt/corvalin/corvalin"));
  const std::string mime = Read(f.Files().MimePackage);
  const std::string entry = Read(f.Files().DesktopEntry);
  EXPECT_NE(mime.find("<glob pattern=\"*.crv\"/>"), std::string::npos) << mime;
  EXPECT_NE(mime.find("type=\"application/x-corvalin\""), std::string::npos);
  EXPECT_NE(entry.find("Exec=\"/opt/corvalin/corvalin\" %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("Icon=/opt/corvalin/help/images/corvalin.svg\n"), std::string::npos);
  EXPECT_NE(entry.find("MimeType=application/x-corvalin;\n"), std::string::npos);
  EXPECT_TRUE(DesktopRegistration::IsOurs(f.Files().MimePackage));
  EXPECT_TRUE(DesktopRegistration::IsOurs(f.Files().DesktopEntry));

  DesktopRegistration::RegisterAtStartup(f.Options("/opt/corvalin/corvalin"));
  EXPECT_EQ(Read(f.Files().MimePackage), mime);
  EXPECT_EQ(Read(f.Files().DesktopEntry), entry);
}

TEST(Registration, ProgramPathIsQuotedForTheExecKey) {
  EXPECT_EQ(DesktopRegistration::QuoteExecArgument("/home/a b/corvalin"), "\"/home/a b/corvalin\"");
  EXPECT_EQ(DesktopRegistration::QuoteExecArgument("/x/$y`z\"w\\v%1"),
            "\"/x/\\$y\\`z\\\"w\\\\v%%1\"");
  // In the file the backslashes of the quoting are escaped once more.
  const std::string entry = DesktopRegistration::DesktopEntryText("/p/a\\b", "/i.svg");
  EXPECT_NE(entry.find("Exec=\"/p/a\\\\\\\\b\" %f\n"), std::string::npos) << entry;
}

TEST(Registration, AfterSaveRefreshesOnlyOurFiles) {
  Folder f;
  // Nothing registered yet: a save creates nothing.
  DesktopRegistration::RefreshAfterSave(f.Options("/new/corvalin"));
  EXPECT_EQ(Read(f.Files().DesktopEntry), "<missing>");
  EXPECT_EQ(Read(f.Files().MimePackage), "<missing>");

  // Ours from an earlier start elsewhere: the program's new path replaces the old one.
  DesktopRegistration::RegisterAtStartup(f.Options("/old/corvalin"));
  DesktopRegistration::RefreshAfterSave(f.Options("/new/corvalin"));
  const std::string entry = Read(f.Files().DesktopEntry);
  EXPECT_NE(entry.find("Exec=\"/new/corvalin\" %f"), std::string::npos) << entry;
  EXPECT_EQ(entry.find("/old/"), std::string::npos);
}

TEST(Registration, AnotherProgramsFilesAreLeftAlone) {
  Folder f;
  const std::string foreignMime =
      "<?xml version=\"1.0\"?>\n<mime-info><mime-type type=\"text/x-curve\"><glob "
      "pattern=\"*.crv\"/></mime-type></mime-info>\n";
  const std::string foreignEntry = "[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\n";
  Write(f.Files().MimePackage, foreignMime);
  Write(f.Files().DesktopEntry, foreignEntry);
  DesktopRegistration::RegisterAtStartup(f.Options("/opt/corvalin/corvalin"));
  DesktopRegistration::RefreshAfterSave(f.Options("/opt/corvalin/corvalin"));
  EXPECT_EQ(Read(f.Files().MimePackage), foreignMime);
  EXPECT_EQ(Read(f.Files().DesktopEntry), foreignEntry);
  EXPECT_FALSE(DesktopRegistration::IsOurs(f.Files().DesktopEntry));
}

TEST(Registration, UnwritableFolderIsSilent) {
  DesktopRegistration::Options o;
  o.DataHome = "/proc/corvalin-cannot-write-here";
  o.ProgramPath = "/opt/corvalin/corvalin";
  o.UpdateDatabases = false;
  DesktopRegistration::RegisterAtStartup(o);
  DesktopRegistration::RefreshAfterSave(o);
  EXPECT_FALSE(
      QFile::exists(QString::fromStdString(DesktopRegistration::FilesIn(o.DataHome).DesktopEntry)));
}

TEST(Registration, DataHomeFollowsXdgDataHome) {
  const QByteArray old = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", "/tmp/some-xdg");
  EXPECT_EQ(DesktopRegistration::DataHome(), "/tmp/some-xdg");
  qputenv("XDG_DATA_HOME", "relative/path");
  EXPECT_EQ(DesktopRegistration::DataHome(), (QDir::homePath() + "/.local/share").toStdString());
  if (old.isNull())
    qunsetenv("XDG_DATA_HOME");
  else
    qputenv("XDG_DATA_HOME", old);
}
