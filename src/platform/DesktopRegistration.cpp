#include "platform/DesktopRegistration.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace DesktopRegistration {

namespace {

// The mark that tells our files from those of other programs.
const char* const Mark = "X-Corvalin-Registration";

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A desktop entry's string value: backslashes and line breaks escaped.
std::string EscapeValue(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
    case '\\':
      out += "\\\\";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      out += c;
    }
  }
  return out;
}

std::string ProgramPathOrDefault(const Options& o) {
  if (!o.ProgramPath.empty()) return o.ProgramPath;
  QString path = QCoreApplication::applicationFilePath();
  const QString canonical = QFileInfo(path).canonicalFilePath();
  if (!canonical.isEmpty()) path = canonical;
  return path.toStdString();
}

std::string IconPathOrDefault(const Options& o, const std::string& programPath) {
  if (!o.IconPath.empty()) return o.IconPath;
  return (QFileInfo(Q(programPath)).absolutePath() + "/help/images/corvalin.svg").toStdString();
}

std::string DataHomeOrDefault(const Options& o) {
  return o.DataHome.empty() ? DataHome() : o.DataHome;
}

// The file's text, or nothing when it cannot be read.
std::optional<QByteArray> ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  return f.readAll();
}

enum class Mode { CreateOrRefresh, RefreshOnly };

// Writes `text` to `path` when the file is ours (or missing, in CreateOrRefresh mode) and differs;
// true when the file changed.
bool WriteIfOurs(const std::string& pathText, const std::string& text, Mode mode) {
  const QString path = Q(pathText);
  const QByteArray wanted = QByteArray::fromStdString(text);
  if (QFileInfo::exists(path)) {
    const auto old = ReadAll(path);
    if (!old || !old->contains(Mark)) return false; // someone else's, or unreadable
    if (*old == wanted) return false;
  } else if (mode == Mode::RefreshOnly) {
    return false;
  }
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (f.write(wanted) != wanted.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

void RunQuietly(const QString& program, const QString& argument) {
  if (QStandardPaths::findExecutable(program).isEmpty()) return;
  QProcess p;
  p.setProgram(program);
  p.setArguments({argument});
  p.setStandardOutputFile(QProcess::nullDevice());
  p.setStandardErrorFile(QProcess::nullDevice());
  p.startDetached();
}

void Apply(const Options& o, Mode mode) {
  const std::string program = ProgramPathOrDefault(o);
  const std::string dataHome = DataHomeOrDefault(o);
  if (program.empty() || dataHome.empty()) return;
  const Files files = FilesIn(dataHome);
  const bool mimeChanged = WriteIfOurs(files.MimePackage, MimePackageText(), mode);
  const bool entryChanged = WriteIfOurs(
      files.DesktopEntry, DesktopEntryText(program, IconPathOrDefault(o, program)), mode);
  if (!o.UpdateDatabases) return;
  if (mimeChanged) RunQuietly("update-mime-database", Q(dataHome) + "/mime");
  if (entryChanged) RunQuietly("update-desktop-database", Q(dataHome) + "/applications");
}

} // namespace

Files FilesIn(const std::string& dataHome) {
  return Files{dataHome + "/mime/packages/corvalin.xml",
               dataHome + "/applications/corvalin.desktop"};
}

std::string DataHome() {
  const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
  if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg.toStdString();
  const QString home = QDir::homePath();
  if (home.isEmpty()) return {};
  return (home + "/.local/share").toStdString();
}

std::string MimePackageText() {
  return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") + "<!-- " + Mark +
         ": the document type of Corvalin, written by Corvalin -->\n" +
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n" +
         "  <mime-type type=\"" + MimeType + "\">\n" + "    <comment>Corvalin</comment>\n" +
         "    <glob pattern=\"*.crv\"/>\n" + "  </mime-type>\n" + "</mime-info>\n";
}

std::string QuoteExecArgument(const std::string& path) {
  std::string out = "\"";
  for (char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
    if (c == '%') out += '%';
    out += c;
  }
  out += '"';
  return out;
}

std::string DesktopEntryText(const std::string& programPath, const std::string& iconPath) {
  return std::string("[Desktop Entry]\n") + "Type=Application\n" + "Name=Corvalin\n" +
         "GenericName=Function Plotter\n" + "Comment=Plot and analyse mathematical functions\n" +
         "Exec=" + EscapeValue(QuoteExecArgument(programPath)) + " %f\n" +
         "Icon=" + EscapeValue(iconPath) + "\n" + "Terminal=false\n" +
         "Categories=Education;Science;Math;\n" + "MimeType=" + MimeType + ";\n" + Mark + "=true\n";
}

bool IsOurs(const std::string& path) {
  const auto text = ReadAll(Q(path));
  return text && text->contains(Mark);
}

void RegisterAtStartup(const Options& options) { Apply(options, Mode::CreateOrRefresh); }

void RefreshAfterSave(const Options& options) { Apply(options, Mode::RefreshOnly); }

} // namespace DesktopRegistration
