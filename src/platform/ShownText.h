#pragma once
// Texts shown in widgets and message boxes are cut short where a line is very long: Qt lays out a
// line of a million characters for a minute, and nobody reads past the first screenful. The text
// itself (a formula, the report) stays whole wherever it is kept or saved; only what is shown is
// shortened.

#include <cstddef>
#include <string>
#include <string_view>

// The most characters of one line a widget or message box is given.
constexpr std::size_t MaxShownLineChars = 1000;

// The line itself when it has at most maxChars characters (UTF-8, a character is never split),
// else its first maxChars characters followed by "...".
std::string ShortenedLine(std::string_view line, std::size_t maxChars = MaxShownLineChars);

// How MemoryText rounds to its last digit: to the nearest, or up or down, so that a need just above
// a limit can be told apart from it ("41 MB ... more than the 40 MB").
enum class MemoryRounding { Nearest, Up, Down };

// An amount of memory as messages give it: "4.0 GB" from a gigabyte on, else whole megabytes
// ("12 MB"), below a megabyte whole kilobytes (at least "1 KB").
std::string MemoryText(std::size_t bytes, MemoryRounding rounding = MemoryRounding::Nearest);

// Every line of the text (lines end at "\n"; a "\r" before it stays with the line break) shortened
// as ShortenedLine does.
std::string ShortenedLines(std::string_view text, std::size_t maxChars = MaxShownLineChars);
