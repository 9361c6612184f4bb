// Long lines are cut short for showing: the first characters and "...", never half a character,
// and every line of a text on its own.

#include <gtest/gtest.h>

#include <string>

#include "platform/ShownText.h"

namespace {

TEST(ShownText, LongLinesAreCutAtACharacter) {
  struct Case {
    const char* name;
    std::string text;
    size_t most;
    std::string shown;
  };
  const Case cases[] = {
      {"short line as it is", "sin(x)", 6, "sin(x)"},
      {"one past the limit", "sin(x)+", 6, "sin(x)..."},
      {"empty", "", 3, ""},
      {"a two-byte letter is not split",
       "ab\xc3\xa9"
       "cd",
       3, "ab\xc3\xa9..."},
      {"characters, not bytes, are counted", "\xc3\xa9\xc3\xa9\xc3\xa9", 3,
       "\xc3\xa9\xc3\xa9\xc3\xa9"},
      {"each line on its own, CrLf kept", "abcdef\r\nab\r\nabcdef", 3, "abc...\r\nab\r\nabc..."},
      {"plain line breaks and a last empty line", "abcd\nxy\n", 2, "ab...\nxy\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ShortenedLines(c.text, c.most), c.shown);
  }
  EXPECT_EQ(ShortenedLine("abcdef", 4), "abcd...");
}

TEST(ShownText, AMegabyteLineBecomesAScreenful) {
  const std::string line(1 << 20, 'x');
  const std::string shown = ShortenedLines("Function y=" + line + "\r\n");
  EXPECT_EQ(shown, "Function y=" + line.substr(0, MaxShownLineChars - 11) + "...\r\n");
}

} // namespace
