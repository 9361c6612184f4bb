#include "document/DocumentFile.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <new>

#include "platform/NumberText.h"
#include "platform/WholeFile.h"

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

// A document text begins with one of the header tokens "S91" .. "S98", followed by a blank or
// nothing.
bool BeginsWithHeader(std::string_view text) {
  if (text.size() < 3 || text[0] != 'S' || text[1] != '9' || text[2] < '1' || text[2] > '8')
    return false;
  return text.size() == 3 || text[3] == ' ';
}

} // namespace

std::string Encode(std::string_view text) {
  const std::string bytes = NumberText::Utf8ToCp1252(text);
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
  return NumberText::Cp1252ToUtf8(bytes.substr(frame->offset, static_cast<size_t>(frame->length)));
}

bool Write(const std::string& path, std::string_view text, std::string* problem) {
  if (text.size() > 0xFFFFFFFFull) {
    if (problem) *problem = "the document is too large";
    return false;
  }
  return platform::WriteWholeFile(path, Encode(text), problem);
}

std::optional<std::string> Read(const std::string& path, std::string* problem) {
  std::string reason;
  // Only a regular file is read: a FIFO or a device would block or never end.
  const QFileInfo info(QString::fromStdString(path));
  if (info.exists() && !info.isFile()) {
    if (problem) *problem = info.isDir() ? "it is a folder" : "it is not a regular file";
    return std::nullopt;
  }
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
  if (frame->length > MaxTextBytes) {
    if (problem) *problem = "its text is larger than a document may be";
    return std::nullopt;
  }
  // The header token comes first: a text that does not begin with one is refused before the rest
  // of it is read.
  file.seek(static_cast<qint64>(frame->offset));
  const QByteArray start = file.read(static_cast<qint64>(std::min<uint64_t>(frame->length, 4)));
  if (!BeginsWithHeader(std::string_view(start.constData(), static_cast<size_t>(start.size())))) {
    if (problem) *problem = start.isEmpty() ? "it holds no document" : NotADocument;
    return std::nullopt;
  }
  file.seek(static_cast<qint64>(frame->offset));
  // Read straight into the text: a text of ASCII characters alone, as Corvalin writes them, is the
  // same in Windows-1252 and UTF-8 and needs no second copy.
  std::string body;
  try {
    body.resize(static_cast<size_t>(frame->length));
  } catch (const std::bad_alloc&) {
    if (problem) *problem = "there is not enough memory to read it";
    return std::nullopt;
  }
  const qint64 got = file.read(body.data(), static_cast<qint64>(body.size()));
  if (got < 0 || static_cast<uint64_t>(got) != frame->length) {
    if (problem) *problem = file.errorString().toStdString();
    return std::nullopt;
  }
  const bool ascii = std::all_of(body.begin(), body.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return body;
  return NumberText::Cp1252ToUtf8(body);
}

} // namespace DocumentFile
