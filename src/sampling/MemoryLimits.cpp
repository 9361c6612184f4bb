// The reader of the memory limits and the budget that follows from them.

#include "sampling/MemoryLimits.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <string_view>

#include <unistd.h>

namespace {

// A limit from this up means none: the kernel writes a value near 2^63 for an unlimited v1 group.
constexpr std::size_t NoLimitFrom = std::size_t{1} << 62;
// No file the reader reads is anywhere near this long; a longer one is not what it looks for.
constexpr std::size_t MaxFileBytes = 1 << 20;
// Control groups nest a few levels deep; a path of more levels is not taken as one.
constexpr int MaxGroupLevels = 64;

// The file's whole text, nothing when it cannot be read (or is longer than any it should be).
std::optional<std::string> FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text;
  char buffer[4096];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > MaxFileBytes) return std::nullopt;
  }
  if (in.bad()) return std::nullopt;
  return text;
}

std::string_view Trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (!s.empty() && blank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && blank(s.back()))
    s.remove_suffix(1);
  return s;
}

// A whole token of decimal digits as a number; nothing for anything else or beyond 64 bits.
std::optional<std::size_t> Whole(std::string_view token) {
  if (token.empty()) return std::nullopt;
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (error != std::errc() || end != token.data() + token.size()) return std::nullopt;
  return value;
}

std::optional<std::size_t> Times(std::size_t a, std::size_t b) {
  if (b != 0 && a > std::numeric_limits<std::size_t>::max() / b) return std::nullopt;
  return a * b;
}

// The lines of a text, each without its line end.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// The blank-separated words of a line.
std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  for (line = Trimmed(line); !line.empty(); line = Trimmed(line)) {
    const std::size_t end = line.find_first_of(" \t");
    words.push_back(line.substr(0, end));
    if (end == std::string_view::npos) break;
    line.remove_prefix(end);
  }
  return words;
}

// A "Key:   1234 kB" line of meminfo in bytes.
std::optional<std::size_t> MemInfoBytes(std::string_view text, std::string_view key) {
  for (std::string_view line : Lines(text)) {
    if (line.substr(0, key.size()) != key || line.substr(key.size(), 1) != ":") continue;
    const std::vector<std::string_view> words = Words(line.substr(key.size() + 1));
    if (words.size() != 2 || words[1] != "kB") return std::nullopt;
    const std::optional<std::size_t> kib = Whole(words[0]);
    return kib ? Times(*kib, 1024) : std::nullopt;
  }
  return std::nullopt;
}

// A "key value" line of a control group's memory.stat.
std::optional<std::size_t> StatValue(std::string_view text, std::string_view key) {
  for (std::string_view line : Lines(text)) {
    const std::vector<std::string_view> words = Words(line);
    if (words.size() == 2 && words[0] == key) return Whole(words[1]);
  }
  return std::nullopt;
}

// A file that holds one number; nothing for anything else.
std::optional<std::size_t> FileNumber(const std::string& path) {
  const std::optional<std::string> text = FileText(path);
  return text ? Whole(Trimmed(*text)) : std::nullopt;
}

// The soft address-space limit of proc/self/limits: nothing when unlimited or unreadable.
std::optional<std::size_t> AddressSpaceLimit(const std::string& root) {
  const std::optional<std::string> text = FileText(root + "proc/self/limits");
  if (!text) return std::nullopt;
  constexpr std::string_view Name = "Max address space";
  for (std::string_view line : Lines(*text)) {
    if (line.substr(0, Name.size()) != Name) continue;
    const std::vector<std::string_view> words = Words(line.substr(Name.size()));
    return words.empty() ? std::nullopt : Whole(words[0]); // "unlimited" is no number
  }
  return std::nullopt;
}

// The virtual size of proc/self/statm (its first number, in pages).
std::optional<std::size_t> AddressSpaceUsed(const std::string& root) {
  const std::optional<std::string> text = FileText(root + "proc/self/statm");
  if (!text) return std::nullopt;
  const std::vector<std::string_view> words =
      Words(std::string_view(*text).substr(0, text->find('\n')));
  const long pageSize = sysconf(_SC_PAGE_SIZE);
  if (words.empty() || pageSize <= 0) return std::nullopt;
  const std::optional<std::size_t> pages = Whole(words[0]);
  return pages ? Times(*pages, static_cast<std::size_t>(pageSize)) : std::nullopt;
}

// One version of the control-group files: the folder the groups lie in and the names of a group's
// limit, use and the key of its inactive file cache in memory.stat.
struct GroupFiles {
  const char* folder;
  const char* limit;
  const char* used;
  const char* inactiveFile;
};
constexpr GroupFiles Version2{"sys/fs/cgroup", "memory.max", "memory.current", "inactive_file"};
constexpr GroupFiles Version1{"sys/fs/cgroup/memory", "memory.limit_in_bytes",
                              "memory.usage_in_bytes", "total_inactive_file"};

// The limited groups from the group at path up to the root, the group's own first. A path the
// process cannot see from its own namespace (with "..") gives none.
void AddGroups(const std::string& root, const GroupFiles& files, std::string_view path,
               std::vector<ControlGroupMemory>& groups) {
  if (path.empty() || path.front() != '/') return;
  for (std::string_view rest = path.substr(1); !rest.empty();) {
    const std::size_t end = rest.find('/');
    const std::string_view part = rest.substr(0, end);
    if (part == ".." || part == ".") return;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  std::string folder(path);
  while (!folder.empty() && folder.back() == '/')
    folder.pop_back();
  for (int level = 0; level < MaxGroupLevels; ++level) {
    const std::string base = root + files.folder + folder + "/";
    const std::optional<std::size_t> limit = FileNumber(base + files.limit); // "max" is no number
    if (limit && *limit < NoLimitFrom) {
      ControlGroupMemory group{*limit, FileNumber(base + files.used)};
      if (group.used)
        if (const std::optional<std::string> stat = FileText(base + "memory.stat"))
          if (const std::optional<std::size_t> inactive = StatValue(*stat, files.inactiveFile))
            *group.used -= std::min(*inactive, *group.used);
      groups.push_back(group);
    }
    if (folder.empty()) break;
    folder.erase(folder.rfind('/'));
  }
}

} // namespace

std::size_t SamplingBudgetFor(const MemoryLimits& limits) {
  std::size_t budget = MaxDocumentSamplingBytes;
  const auto atMostHalfOf = [&budget](std::size_t bytes) { budget = std::min(budget, bytes / 2); };
  const auto leftOf = [](std::size_t limit, std::size_t used) {
    return limit > used ? limit - used : 0;
  };
  if (limits.physical) atMostHalfOf(*limits.physical);
  if (limits.available) atMostHalfOf(*limits.available);
  // Under an address-space limit (ulimit -v) the GL driver crashes, rather than failing, when its
  // own allocations find the space used up.
  if (limits.addressSpace)
    atMostHalfOf(leftOf(*limits.addressSpace, limits.addressSpaceUsed.value_or(0)));
  for (const ControlGroupMemory& group : limits.controlGroups)
    atMostHalfOf(leftOf(group.limit, group.used.value_or(0)));
  return budget;
}

MemoryLimits ReadMemoryLimits(const std::string& rootFolder) {
  const std::string root =
      rootFolder.empty() || rootFolder.back() == '/' ? rootFolder : rootFolder + "/";
  MemoryLimits limits;
  if (const std::optional<std::string> meminfo = FileText(root + "proc/meminfo")) {
    limits.physical = MemInfoBytes(*meminfo, "MemTotal");
    limits.available = MemInfoBytes(*meminfo, "MemAvailable");
  }
  // A machine has some memory: a total of 0 is no reading of it. Without meminfo the system itself
  // still tells its memory.
  if (limits.physical == std::size_t{0}) limits.physical.reset();
  if (!limits.physical && root == "/") {
    const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages > 0 && pageSize > 0)
      limits.physical = Times(static_cast<std::size_t>(pages), static_cast<std::size_t>(pageSize));
  }
  limits.addressSpace = AddressSpaceLimit(root);
  if (limits.addressSpace) limits.addressSpaceUsed = AddressSpaceUsed(root);
  // "ID:controllers:path": the v2 group is the line "0::path", the v1 memory group the line whose
  // controllers name memory. Where both are there (a hybrid system) each adds what it has.
  if (const std::optional<std::string> own = FileText(root + "proc/self/cgroup")) {
    for (std::string_view line : Lines(*own)) {
      const std::size_t first = line.find(':');
      const std::size_t second =
          first == std::string_view::npos ? first : line.find(':', first + 1);
      if (second == std::string_view::npos) continue;
      const std::string_view id = line.substr(0, first);
      const std::string_view controllers = line.substr(first + 1, second - first - 1);
      const std::string_view path = Trimmed(line.substr(second + 1));
      if (id == "0" && controllers.empty()) {
        AddGroups(root, Version2, path, limits.controlGroups);
        continue;
      }
      for (std::string_view rest = controllers; !rest.empty();) {
        const std::size_t comma = rest.find(',');
        if (rest.substr(0, comma) == "memory") {
          AddGroups(root, Version1, path, limits.controlGroups);
          break;
        }
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
      }
    }
  }
  return limits;
}
