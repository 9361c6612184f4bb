// Writing a file whole or not at all.

#include "platform/WholeFile.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <sys/stat.h>

#include <new>

namespace platform {

bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string* problem) {
  QSaveFile file(QString::fromStdString(path));
  // Unbuffered, so that every failed write (a full disk, a size limit) is seen here, before the
  // temporary file could be renamed over the target: a buffered write that fails only when the
  // buffer is flushed at commit time would pass unnoticed and replace the old file by a short one.
  bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  for (size_t done = 0; ok && done < bytes.size();) {
    const qint64 n = file.write(bytes.data() + done, static_cast<qint64>(bytes.size() - done));
    ok = n > 0;
    if (ok) done += static_cast<size_t>(n);
  }
  ok = ok && file.flush() && file.error() == QFileDevice::NoError;
  if (!ok) {
    if (problem) *problem = file.errorString().toStdString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    if (problem) *problem = file.errorString().toStdString();
    return false;
  }
  return true;
}

bool CheckReadableFile(const std::string& path, uint64_t maxBytes, std::string* problem) {
  auto say = [problem](std::string why) {
    if (problem) *problem = std::move(why);
    return false;
  };
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return say("it does not exist");
  if (S_ISDIR(st.st_mode)) return say("it is a folder");
  if (!S_ISREG(st.st_mode)) return say("it is not a regular file");
  if (static_cast<uint64_t>(st.st_size) > maxBytes)
    return say("it is larger than " + std::to_string(maxBytes) + " bytes");
  return true;
}

std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t maxBytes,
                                         std::string* problem) {
  if (!CheckReadableFile(path, maxBytes, problem)) return std::nullopt;
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    if (problem) *problem = file.errorString().toStdString();
    return std::nullopt;
  }
  std::string bytes;
  try {
    bytes.resize(static_cast<size_t>(file.size()));
    const qint64 n = file.read(bytes.data(), static_cast<qint64>(bytes.size()));
    if (n < 0 || file.error() != QFileDevice::NoError) {
      if (problem) *problem = file.errorString().toStdString();
      return std::nullopt;
    }
    bytes.resize(static_cast<size_t>(n));
  } catch (const std::bad_alloc&) {
    if (problem) *problem = "there is not enough memory to read it";
    return std::nullopt;
  }
  return bytes;
}

} // namespace platform
