#pragma once
// Compares a rendered picture with a reference picture kept under tests/<folder>/reference/ with
// a tolerance: a pixel matches when each channel differs by at most kChannelTolerance, and the
// picture matches when at most kMismatchShare of its pixels do not. On a mismatch the actual
// picture is saved beside the test output (the working directory) for a person to look at. With
// CORVALIN_UPDATE_REFERENCES set in the environment the picture becomes the new reference.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <cstdlib>
#include <string>

namespace reference {

inline constexpr int kChannelTolerance = 24;
inline constexpr double kMismatchShare = 0.01;

inline ::testing::AssertionResult MatchesReference(const QImage& actual, const std::string& folder,
                                                   const std::string& name) {
  const QString path = QString(CORVALIN_TESTS_SOURCE_DIR) + "/" + QString::fromStdString(folder) +
                       "/reference/" + QString::fromStdString(name) + ".png";
  const QImage picture = actual.convertToFormat(QImage::Format_RGB32);
  if (std::getenv("CORVALIN_UPDATE_REFERENCES") != nullptr) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!picture.save(path))
      return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
    return ::testing::AssertionSuccess() << "reference written";
  }
  const QString saved =
      QDir::current().absoluteFilePath(QString::fromStdString(name) + ".actual.png");
  const QImage want = QImage(path).convertToFormat(QImage::Format_RGB32);
  auto fail = [&](const std::string& why) {
    picture.save(saved);
    return ::testing::AssertionFailure()
           << name << ": " << why << "; the actual picture is " << saved.toStdString()
           << ", the reference " << path.toStdString();
  };
  if (want.isNull()) return fail("no reference picture");
  if (want.size() != picture.size()) return fail("the sizes differ");
  long mismatched = 0;
  for (int y = 0; y < want.height(); ++y)
    for (int x = 0; x < want.width(); ++x) {
      const QRgb a = picture.pixel(x, y), b = want.pixel(x, y);
      if (std::abs(qRed(a) - qRed(b)) > kChannelTolerance ||
          std::abs(qGreen(a) - qGreen(b)) > kChannelTolerance ||
          std::abs(qBlue(a) - qBlue(b)) > kChannelTolerance)
        ++mismatched;
    }
  const long allowed = static_cast<long>(kMismatchShare * want.width() * want.height());
  if (mismatched > allowed)
    return fail(std::to_string(mismatched) + " pixels differ (at most " + std::to_string(allowed) +
                " may)");
  return ::testing::AssertionSuccess();
}

} // namespace reference
