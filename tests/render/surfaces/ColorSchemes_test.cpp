// Colour schemes: loading a scheme by name, and looking values up in each built-in scheme, in a
// scheme a document brought, and outside the range.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/Graph.h"
#include "render/surfaces/ColorSchemes.h"

namespace {

struct LookupRow {
  const char* name;
  float value; // in a range 0 .. 100, so the value is the percentage
  std::array<float, 3> rgb255;
};

class SchemeLookup : public ::testing::TestWithParam<LookupRow> {};

TEST_P(SchemeLookup, GivesTheInterpolatedStopColour) {
  const LookupRow& row = GetParam();
  Graph g;
  g.ColorName = row.name;
  float r = -1, gr = -1, b = -1;
  ColorMapColor(g, row.value, 0.0f, 100.0f, r, gr, b);
  EXPECT_NEAR(r, row.rgb255[0] / 255.0f, 1e-6f);
  EXPECT_NEAR(gr, row.rgb255[1] / 255.0f, 1e-6f);
  EXPECT_NEAR(b, row.rgb255[2] / 255.0f, 1e-6f);
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, SchemeLookup,
    ::testing::Values(
        // Ends and interior stops take the stop's colour; halfway gives the mean.
        LookupRow{"Rainbow", 0, {153, 102, 255}}, LookupRow{"Rainbow", 20, {0, 0, 255}},
        LookupRow{"Rainbow", 50, {127.5f, 255, 0}}, LookupRow{"Rainbow", 100, {255, 0, 0}},
        LookupRow{"Earth", 62.5f, {127.5f, 255, 127.5f}}, LookupRow{"Earth", 100, {128, 64, 64}},
        LookupRow{"Fiery", 37.5f, {127.5f, 127.5f, 255}}, LookupRow{"Fiery", 75, {255, 0, 0}},
        LookupRow{"Marine", 25, {64, 114, 177.5f}}, LookupRow{"Marine", 100, {255, 255, 128}},
        LookupRow{"Grey", 0, {200, 200, 200}}, LookupRow{"Grey", 100, {50, 50, 50}},
        // Outside the range the end stops hold.
        LookupRow{"Grey", -40, {200, 200, 200}}, LookupRow{"Grey", 250, {50, 50, 50}},
        LookupRow{"Rainbow", -1, {153, 102, 255}}, LookupRow{"Rainbow", 100.5f, {255, 0, 0}}),
    [](const auto& info) { return std::to_string(info.index) + "_" + info.param.name; });

TEST(ColorScheme, AnEmptyNameBecomesRainbow) {
  Graph g;
  float r = 0, gr = 0, b = 0;
  ColorMapColor(g, 20.0f, 0.0f, 100.0f, r, gr, b);
  EXPECT_EQ(g.ColorName, "Rainbow");
  EXPECT_EQ(g.ColorNum, 6);
  EXPECT_FLOAT_EQ(b, 1.0f);
}

TEST(ColorScheme, NamesMatchInAnyCaseWithOneLeadingAtSign) {
  struct Row {
    const char* name;
    int32_t count; // 0: nothing loaded
  };
  for (const Row& row : {Row{"Fiery", 5}, Row{"@fiery", 5}, Row{"GREY", 2}, Row{" Fiery", 0},
                         Row{"Fiery@", 0}, Row{"@@Grey", 0}, Row{"", 0}, Row{"Purple", 0}}) {
    Graph g;
    LoadColorScheme(g, row.name);
    EXPECT_EQ(g.ColorNum, row.count) << row.name;
  }
  // A shorter scheme leaves the stops after its own as they were.
  Graph g;
  LoadColorScheme(g, "Rainbow");
  LoadColorScheme(g, "Grey");
  EXPECT_EQ(g.ColorNum, 2);
  EXPECT_EQ(g.ColorR[5], 255);
}

TEST(ColorScheme, StopsFromADocumentColourUnderAnUnknownName) {
  Graph g;
  g.ColorName = "Mine";
  g.ColorNum = 3;
  const float pos[3] = {0, 10, 100};
  const int32_t red[3] = {0, 100, 200};
  for (int32_t i = 0; i < 3; ++i) {
    g.ColorPos[i] = pos[i];
    g.ColorR[i] = red[i];
  }
  float r = 0, gr = 0, b = 0;
  ColorMapColor(g, 5.0f, 0.0f, 100.0f, r, gr, b);
  EXPECT_NEAR(r, 50.0f / 255.0f, 1e-6f);
  ColorMapColor(g, 55.0f, 0.0f, 100.0f, r, gr, b);
  EXPECT_NEAR(r, 150.0f / 255.0f, 1e-6f);
  EXPECT_EQ(g.ColorNum, 3);
  // A count beyond the stops, or none at all, never reads outside them.
  g.ColorNum = 400;
  ColorMapColor(g, 55.0f, 0.0f, 100.0f, r, gr, b);
  g.ColorNum = 0;
  ColorMapColor(g, 55.0f, 0.0f, 100.0f, r, gr, b);
  EXPECT_EQ(r + gr + b, 0.0f);
}

} // namespace
