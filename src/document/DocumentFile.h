#pragma once
// The document file: the document text stored as one length-prefixed block of Windows-1252 bytes.
//
// Layout, from the first byte of the file, all numbers unsigned little-endian:
//   texts of at most 65,534 bytes:  2 bytes type code 8, 2 bytes length n, n bytes of text;
//   longer texts:                   2 bytes type code 8, 2 bytes 0xFFFF, 4 bytes length n,
//                                   n bytes of text.
// A 16-bit length of 0xFFFF therefore always announces the 32-bit length. Bytes after the text do
// not belong to the document. Texts in memory are UTF-8; characters that Windows-1252 lacks are
// stored as "?".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace DocumentFile {

constexpr uint16_t TypeCode = 8;
constexpr uint16_t LongLengthMark = 0xFFFF;
// The longest text a document file may announce; a longer one is refused before it is read.
constexpr uint64_t MaxTextBytes = uint64_t{1} << 30;

// The bytes of a file holding the (UTF-8) text.
std::string Encode(std::string_view text);

// The (UTF-8) text held by the bytes of a file, or nothing with the reason in *problem: a file
// too short for its header, a foreign type code, or fewer bytes than its length announces.
std::optional<std::string> Decode(std::string_view bytes, std::string* problem);

// Writes the file holding the text through a temporary file beside the target that is renamed over
// it only when it has been written whole; an old file stays as it was when anything fails. Returns
// false with the reason in *problem on failure.
bool Write(const std::string& path, std::string_view text, std::string* problem);

// Reads the text of the document file at path; nothing with the reason in *problem when the path
// names no regular file (a FIFO, a device, a folder), the file cannot be read, its framing or
// announced length does not fit the file, or its text does not begin with a header token (looked
// at before the rest of the text is read).
std::optional<std::string> Read(const std::string& path, std::string* problem);

} // namespace DocumentFile
