// Glyph codes and font look-up of the scene's texts.

#include <gtest/gtest.h>

#include "render/common/GlText.h"

TEST(GlText, GlyphCharactersOfWindows1252Codes) {
  struct Row {
    int code;
    char32_t ch;
  };
  for (Row r : {Row{0, 0}, Row{31, 0}, Row{32, U' '}, Row{'A', U'A'}, Row{126, U'~'}, Row{127, 0},
                Row{0x80, 0x20AC}, Row{0x81, 0}, Row{0x8D, 0}, Row{0x96, 0x2013}, Row{0x9D, 0},
                Row{0xA0, 0xA0}, Row{0xB0, 0xB0}, Row{0xE9, 0xE9}, Row{0xFF, 0xFF}})
    EXPECT_EQ(GlyphCharacter(static_cast<uint8_t>(r.code)), r.ch) << r.code;
}

TEST(GlText, FacesAreFoundThroughTheirStandIns) {
  struct Row {
    const char* face;
    int32_t weight;
    const char* file;
  };
  for (Row r : {Row{"Arial", 400, "LiberationSans-Regular"},
                Row{"Arial", 700, "LiberationSans-Bold"}, Row{"Verdana", 400, "DejaVuSans.ttf"}}) {
    const std::string path = FindFontFile(r.face, r.weight, false);
    EXPECT_NE(path.find(r.file), std::string::npos) << r.face << " " << path;
  }
}

TEST(GlText, ColourBytes) {
  EXPECT_EQ(BlueOf(255 * 65536), 255);
  EXPECT_EQ(GreenOf(255 * 65536), 0);
  EXPECT_EQ(RedOf(255 * 65536), 0);
  EXPECT_EQ(RedOf(0x123456), 0x56);
  EXPECT_EQ(GreenOf(0x123456), 0x34);
  EXPECT_EQ(BlueOf(0x123456), 0x12);
}
