#pragma once
// Writing a file whole or not at all: the bytes go to a new file beside the target, which is
// renamed over it only when every byte reached the disk.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Writes `bytes` to `path`. On failure the old file stays as it was, and `problem` (when given)
// gets the system's reason.
bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string* problem);

// Whether `path` names a regular file of at most `maxBytes`, asked of the file system without
// opening it: a folder, FIFO (whose opening would block), device (which may never end) or other
// special file is refused, and so is a larger file. `problem` (when given) gets the reason:
// "it does not exist", "it is a folder", "it is not a regular file", "it is larger than N bytes".
bool CheckReadableFile(const std::string& path, uint64_t maxBytes, std::string* problem);

// Reads the whole of a file that CheckReadableFile accepts, and never more than maxBytes of it
// (a file that grows meanwhile is refused). Nothing, with the reason, on failure.
std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t maxBytes,
                                         std::string* problem);

} // namespace platform
