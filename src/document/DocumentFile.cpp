#include "document/DocumentFile.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include "platform/VbRuntime.h"

namespace DocumentFile {
namespace {

void PutU16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

uint32_t GetU16(std::string_view b, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

uint32_t GetU32(std::string_view b, size_t at) { return GetU16(b, at) | GetU16(b, at + 2) << 16; }

constexpr char NotADocument[] = "it is not a Corvalin document";

// Where the text starts and how long it is, from the first bytes of a file.
struct Frame {
  size_t offset = 0;
  uint64_t length = 0;
};

std::optional<Frame> ReadFrame(std::string_view head, std::string* problem) {
  if (head.size() < 4 || GetU16(head, 0) != TypeCode) {
    *problem = NotADocument;
    return std::nullopt;
  }
  uint32_t n = GetU16(head, 2);
  if (n != LongLengthMark) return Frame{4, n};
  if (head.size() < 8) {
    *problem = "it is incomplete";
    return std::nullopt;
  }
  return Frame{8, GetU32(head, 4)};
}

} // namespace

std::string Encode(std::string_view text) {
  const std::string bytes = vb::Utf8ToCp1252(text);
  std::string out;
  out.reserve(bytes.size() + 8);
  PutU16(out, TypeCode);
  if (bytes.size() < LongLengthMark) {
    PutU16(out, static_cast<uint32_t>(bytes.size()));
  } else {
    const uint64_t n = bytes.size();
    PutU16(out, LongLengthMark);
    PutU16(out, static_cast<uint32_t>(n & 0xFFFF));
    PutU16(out, static_cast<uint32_t>((n >> 16) & 0xFFFF));
  }
  out += bytes;
  return out;
}

std::optional<std::string> Decode(std::string_view bytes, std::string* problem) {
  std::string reason;
  auto frame = ReadFrame(bytes, &reason);
  if (frame && bytes.size() - frame->offset < frame->length) {
    reason = "it is incomplete";
    frame.reset();
  }
  if (!frame) {
    if (problem) *problem = reason;
    return std::nullopt;
  }
  return vb::Cp1252ToUtf8(bytes.substr(frame->offset, static_cast<size_t>(frame->length)));
}

bool Write(const std::string& path, std::string_view text, std::string* problem) {
  if (text.size() > 0xFFFFFFFFull) {
    if (problem) *problem = "the document is too large";
    return false;
  }
  const std::string bytes = Encode(text);
  QSaveFile file(QString::fromStdString(path));
  bool ok = file.open(QIODevice::WriteOnly) &&
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                static_cast<qint64>(bytes.size()) &&
            file.commit();
  if (!ok) {
    if (problem) *problem = file.errorString().toStdString();
    file.cancelWriting();
  }
  return ok;
}

std::optional<std::string> Read(const std::string& path, std::string* problem) {
  std::string reason;
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    if (problem) *problem = file.errorString().toStdString();
    return std::nullopt;
  }
  // Read the frame first, so that a large foreign file is refused without reading it whole.
  const QByteArray head = file.read(8);
  auto frame =
      ReadFrame(std::string_view(head.constData(), static_cast<size_t>(head.size())), &reason);
  if (frame && static_cast<uint64_t>(file.size()) < frame->offset + frame->length) {
    reason = "it is incomplete";
    frame.reset();
  }
  if (!frame) {
    if (problem) *problem = reason;
    return std::nullopt;
  }
  file.seek(static_cast<qint64>(frame->offset));
  const QByteArray body = file.read(static_cast<qint64>(frame->length));
  if (static_cast<uint64_t>(body.size()) != frame->length) {
    if (problem) *problem = file.errorString().toStdString();
    return std::nullopt;
  }
  return vb::Cp1252ToUtf8(std::string_view(body.constData(), static_cast<size_t>(body.size())));
}

} // namespace DocumentFile
