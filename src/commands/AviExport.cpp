#include "commands/AviExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryFile>

#include <cctype>
#include <cstdio>

#include <unistd.h>

#include "platform/BmpFile.h"
#include "platform/NumberText.h"
#include "platform/Prompter.h"
#include "platform/VideoWriter.h"

namespace {

void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i)
    p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// The name of a video being written, before its six characters of its own: "." + the target's
// name + ".".
QString PartialPrefix(const QFileInfo& target) { return "." + target.fileName() + "."; }

} // namespace

bool IsLeftoverPartialName(const std::string& targetPath, const std::string& name) {
  const std::string prefix =
      PartialPrefix(QFileInfo(QString::fromStdString(targetPath))).toStdString();
  if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) return false;
  for (size_t i = prefix.size(); i < name.size(); ++i)
    if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
  return true;
}

int32_t RemoveLeftoverPartials(const std::string& targetPath) {
  const QFileInfo target(QString::fromStdString(targetPath));
  const QDir folder = target.absoluteDir();
  int32_t removed = 0;
  const QFileInfoList entries = folder.entryInfoList({PartialPrefix(target) + "*"},
                                                     QDir::Files | QDir::Hidden | QDir::System);
  for (const QFileInfo& entry : entries) {
    // Only our own regular files of that pattern: a link or another user's file stays.
    if (entry.isSymLink() || !entry.isFile() || entry.ownerId() != ::getuid()) continue;
    if (!IsLeftoverPartialName(targetPath, entry.fileName().toStdString())) continue;
    if (QFile::remove(entry.absoluteFilePath())) ++removed;
  }
  return removed;
}

FrameStore::FrameStore() : m_dir(QDir::tempPath() + "/corvalin-frames-XXXXXX") {}

std::string FrameStore::Path(int32_t number) const { return Path(std::to_string(number)); }

std::string FrameStore::Path(const std::string& rowText) const {
  return m_dir.filePath("Graph" + QString::fromStdString(rowText) + ".bmp").toStdString();
}

std::vector<uint8_t> PackedDib24(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  const int32_t width = rgb.width();
  const int32_t height = rgb.height();
  const size_t row = VideoWriter::RowBytes(width);
  const size_t pixelBytes = row * static_cast<size_t>(height);
  std::vector<uint8_t> dib(40 + pixelBytes, 0);
  uint8_t* h = dib.data();
  Put32(h, 40);
  Put32(h + 4, static_cast<uint32_t>(width));
  Put32(h + 8, static_cast<uint32_t>(height));
  h[12] = 1;  // planes
  h[14] = 24; // bits per pixel
  Put32(h + 20, static_cast<uint32_t>(pixelBytes));
  Put32(h + 24, 3780); // 96 dots per inch
  Put32(h + 28, 3780);
  for (int32_t y = 0; y < height; ++y) {
    const uchar* source = rgb.constScanLine(height - 1 - y);
    uint8_t* target = dib.data() + 40 + row * static_cast<size_t>(y);
    for (int32_t x = 0; x < width; ++x) {
      target[3 * x] = source[3 * x + 2];
      target[3 * x + 1] = source[3 * x + 1];
      target[3 * x + 2] = source[3 * x];
    }
  }
  return dib;
}

bool SaveFrameFile(const QImage& picture, const std::string& path, std::string& error) {
  if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) {
    error = "The view could not be captured.";
    return false;
  }
  const std::vector<uint8_t> dib = PackedDib24(picture);
  BmpFile bitmap;
  if (!bitmap.CreateFromPackedDIBPointer(dib.data(), dib.size())) {
    error = "The view could not be captured.";
    return false;
  }
  if (!bitmap.WriteToFile(path)) {
    error = path + "\n" + bitmap.LastError();
    return false;
  }
  return true;
}

int32_t AviFrameRate(const std::string& speedText) {
  const double rate = NumberText::RoundHalfEven(NumberText::LeadingValue(speedText));
  if (!(rate >= 1)) return 1;
  if (rate > 30) return 30;
  return static_cast<int32_t>(rate);
}

bool CheckFrameFiles(const std::vector<std::string>& framePaths, int32_t& width, int32_t& height) {
  width = height = 0;
  for (size_t i = 0; i < framePaths.size(); ++i) {
    BmpFile frame;
    if (!frame.CreateFromFile(framePaths[i])) return false;
    if (frame.BitCount() != 24 || frame.Compression() != 0 || frame.Width() <= 0 ||
        frame.Height() <= 0 ||
        static_cast<size_t>(frame.SizeImage()) <
            VideoWriter::RowBytes(frame.Width()) * static_cast<size_t>(frame.Height())) {
      MsgBox("File is not a supported bitmap format:\n" + framePaths[i], MsgButtons::OK,
             MsgIcon::Information, "Corvalin");
      return false;
    }
    if (i == 0) {
      width = frame.Width();
      height = frame.Height();
    } else if (frame.Width() != width || frame.Height() != height) {
      MsgBox("The selected frames differ in size: the view was resized while they were "
             "generated. Generate the frames again.",
             MsgButtons::OK, MsgIcon::Exclamation, "Error");
      return false;
    }
  }
  return !framePaths.empty();
}

AviOutcome WriteAviFile(const std::string& path, const std::vector<std::string>& framePaths,
                        int32_t framesPerSecond, const VideoOptions& options,
                        const std::function<bool(int32_t done, int32_t total)>& progress,
                        std::string& error) {
  error.clear();
  const int32_t total = static_cast<int32_t>(framePaths.size());
  int32_t width = 0;
  int32_t height = 0;
  {
    BmpFile first;
    if (framePaths.empty() || !first.CreateFromFile(framePaths.front())) {
      error = "A frame file cannot be read.";
      return AviOutcome::Failed;
    }
    width = first.Width();
    height = first.Height();
  }

  // The video is written beside the target under a name of its own and renamed over the target
  // only when it is complete, so a file of that name stays as it was until then.
  const QFileInfo target(QString::fromStdString(path));
  RemoveLeftoverPartials(target.absoluteFilePath().toStdString());
  QString partial;
  {
    QTemporaryFile reserve(target.absolutePath() + "/" + PartialPrefix(target) + "XXXXXX");
    reserve.setAutoRemove(false);
    if (!reserve.open()) {
      error = "The file cannot be created: " + reserve.errorString().toStdString();
      return AviOutcome::Failed;
    }
    partial = reserve.fileName();
  }
  VideoWriter writer;
  if (!writer.Open(partial.toStdString(), width, height, framesPerSecond, options)) {
    QFile::remove(partial);
    error = writer.Error();
    return AviOutcome::Failed;
  }
  for (int32_t i = 0; i < total; ++i) {
    if (progress && !progress(i, total)) {
      writer.Abandon();
      return AviOutcome::Cancelled;
    }
    BmpFile frame;
    if (!frame.CreateFromFile(framePaths[i]) || frame.Width() != width ||
        frame.Height() != height || frame.BitCount() != 24) {
      writer.Abandon();
      error = "The frame file " + framePaths[i] + " cannot be read.";
      return AviOutcome::Failed;
    }
    if (!writer.WriteFrame(frame.PointerToBits(), static_cast<size_t>(frame.SizeImage()))) {
      error = writer.Error();
      return AviOutcome::Failed;
    }
  }
  if (!writer.Finish()) {
    error = writer.Error();
    return AviOutcome::Failed;
  }
  if (progress) progress(total, total);
  // The temporary name was made private to its owner; the video gets the permissions of the file
  // it replaces, or those of an ordinary new file.
  const QFileDevice::Permissions permissions =
      target.exists()
          ? QFile::permissions(target.absoluteFilePath())
          : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
  QFile::setPermissions(partial, permissions);
  if (std::rename(QFile::encodeName(partial).constData(),
                  QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
    QFile::remove(partial);
    error = "The file cannot be written: " + path;
    return AviOutcome::Failed;
  }
  return AviOutcome::Written;
}
