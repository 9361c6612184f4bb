#include "support/ReferencePicture.h"

#include <QDir>
#include <QFileInfo>

#include <cstdlib>
#include <cstring>

testing::AssertionResult MatchesReference(const QImage& actualIn, const std::string& reference,
                                          int channel, double share) {
  const QImage actual = actualIn.convertToFormat(QImage::Format_RGB32);
  const QString path = QDir(QStringLiteral(CORVALIN_SOURCE_DIR "/tests"))
                           .filePath(QString::fromStdString(reference));
  const QString saved =
      QDir::current().filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".actual.png"));
  const char* write = std::getenv("CORVALIN_WRITE_REFERENCES");
  const bool mayWrite = write && std::strcmp(write, "1") == 0;
  QImage expected(path);
  std::string problem;
  if (expected.isNull()) {
    problem = "no reference picture";
  } else if (expected.size() != actual.size()) {
    problem = "the reference picture has another size";
  } else {
    expected = expected.convertToFormat(QImage::Format_RGB32);
    long long differing = 0;
    for (int y = 0; y < actual.height(); ++y)
      for (int x = 0; x < actual.width(); ++x) {
        const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
        if (std::abs(qRed(a) - qRed(e)) > channel || std::abs(qGreen(a) - qGreen(e)) > channel ||
            std::abs(qBlue(a) - qBlue(e)) > channel)
          ++differing;
      }
    const double measured = double(differing) / double(actual.width() * actual.height());
    if (measured <= share) return testing::AssertionSuccess();
    problem = std::to_string(differing) + " pixels differ";
  }
  if (mayWrite) {
    QDir().mkpath(QFileInfo(path).path());
    actual.save(path);
    return testing::AssertionSuccess() << "wrote " << path.toStdString();
  }
  actual.save(saved);
  return testing::AssertionFailure() << problem << ": reference " << path.toStdString()
                                     << ", actual picture saved as " << saved.toStdString();
}
