#pragma once
// Writing a file whole or not at all: the bytes go to a new file beside the target, which is
// renamed over it only when every byte reached the disk.

#include <string>
#include <string_view>

namespace platform {

// Writes `bytes` to `path`. On failure the old file stays as it was, and `problem` (when given)
// gets the system's reason.
bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string* problem);

} // namespace platform
