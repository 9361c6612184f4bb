#include "platform/ShownText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The byte offset just past the first maxChars characters, or npos when the line is not longer.
std::size_t CutOffset(std::string_view line, std::size_t maxChars) {
  if (line.size() <= maxChars) return std::string_view::npos; // never more characters than bytes
  std::size_t chars = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (IsContinuationByte(line[i])) continue;
    if (chars == maxChars) return i;
    ++chars;
  }
  return std::string_view::npos;
}

} // namespace

std::string ShortenedLine(std::string_view line, std::size_t maxChars) {
  const std::size_t cut = CutOffset(line, maxChars);
  if (cut == std::string_view::npos) return std::string(line);
  std::string out(line.substr(0, cut));
  out += "...";
  return out;
}

std::string ShortenedLines(std::string_view text, std::size_t maxChars) {
  std::string out;
  out.reserve(std::min(text.size(), std::size_t{1} << 20));
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = text.size();
    std::size_t lineEnd = end;
    if (!last && lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
    out += ShortenedLine(text.substr(start, lineEnd - start), maxChars);
    if (last) break;
    out.append(text.substr(lineEnd, end + 1 - lineEnd));
    start = end + 1;
  }
  return out;
}

std::string MemoryText(std::size_t bytes, MemoryRounding rounding) {
  // The amount in units of its last digit, rounded up or down as asked (to the nearest, printf
  // does the rounding).
  const auto inDigits = [rounding](double amount, double digitsPerUnit) {
    if (rounding == MemoryRounding::Nearest) return amount;
    const double digits = amount * digitsPerUnit;
    return (rounding == MemoryRounding::Up ? std::ceil(digits) : std::floor(digits)) /
           digitsPerUnit;
  };
  const double kb = static_cast<double>(bytes) / 1024.0;
  const double mb = kb / 1024.0;
  char text[32];
  if (mb >= 1024.0)
    std::snprintf(text, sizeof text, "%.1f GB", inDigits(mb / 1024.0, 10.0));
  else if (mb >= 1.0)
    std::snprintf(text, sizeof text, "%.0f MB", inDigits(mb, 1.0));
  else
    std::snprintf(text, sizeof text, "%.0f KB", std::max(inDigits(kb, 1.0), 1.0));
  return text;
}
