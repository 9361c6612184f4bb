// Writing a file whole or not at all.

#include "platform/WholeFile.h"

#include <QSaveFile>
#include <QString>

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

} // namespace platform
