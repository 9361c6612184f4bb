// Geometry of the axes box (3D, 4D and 2.5D documents), the line style and the Special frame, as
// data: division points, labels, grids, panels, ticks, text placement, cones and the frame.

#include <gtest/gtest.h>

#include "view/axes/AxesLayout.h"

#include <string>
#include <vector>

using namespace AxesLayout;

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);

PanelAxesInput Cube(float lo, float hi) {
  PanelAxesInput in;
  in.minX = in.minY = in.minZ = lo;
  in.maxX = in.maxY = in.maxZ = hi;
  in.xyPanelColor = in.xzPanelColor = in.yzPanelColor = 0xCCCCCC;
  in.xyGridColor = in.xzGridColor = in.yzGridColor = 0x999999;
  in.locale = kUs;
  return in;
}

std::vector<std::string> Texts(const PanelAxes& ax, OutlineFont font) {
  std::vector<std::string> t;
  for (const OutlineText& o : ax.texts)
    if (o.font == font) t.push_back(o.text);
  return t;
}

void ExpectVec(const Vec3& v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, 1e-5f);
  EXPECT_NEAR(v.y, y, 1e-5f);
  EXPECT_NEAR(v.z, z, 1e-5f);
}

TEST(AxesLayout3D, NewDocumentOverMinusFiveToFive) {
  PanelAxes ax = LayoutPanelAxes(Cube(-5, 5));
  EXPECT_TRUE(ax.panels.empty());
  ASSERT_EQ(ax.grids.size(), 6u);
  for (const LineBatch& g : ax.grids) {
    EXPECT_EQ(g.lines.size(), 3u);
    EXPECT_EQ(g.colour, 0x999999);
  }
  // Labels: Y (front edge), Z (vertical), X (depth); titles Y, Z, X.
  const std::vector<std::string> ticks = {"-5.0", "0.0",  "5.0", "-5.0", "0.0",
                                          "5.0",  "-5.0", "0.0", "5.0"};
  EXPECT_EQ(Texts(ax, OutlineFont::Tick), ticks);
  const std::vector<std::string> titles = {"Y", "Z", "X"};
  EXPECT_EQ(Texts(ax, OutlineFont::Title), titles);
  EXPECT_EQ(ax.ticks.size(), 9u);
  // Edges carry the axes.
  ExpectVec(ax.edges[0].from, -5, -5, 5);
  ExpectVec(ax.edges[0].to, 5, -5, 5);
  ExpectVec(ax.edges[1].to, -5, 5, 5);
  ExpectVec(ax.edges[2].from, 5, -5, -5);
  ExpectVec(ax.edges[2].to, 5, -5, 5);
}

TEST(AxesLayout3D, DivisionLabelsOfFourIntervals) {
  PanelAxesInput in = Cube(0, 10);
  in.labelNumY = 4;
  PanelAxes ax = LayoutPanelAxes(in);
  const std::vector<std::string> t = Texts(ax, OutlineFont::Tick);
  const std::vector<std::string> front(t.begin(), t.begin() + 5);
  const std::vector<std::string> want = {"0.0", "2.5", "5.0", "7.5", "10.0"};
  EXPECT_EQ(front, want);
}

TEST(AxesLayout3D, PanelsAndGridsAreIndependent) {
  PanelAxesInput in = Cube(0, 1);
  in.showXYPanel = in.showXZPanel = in.showYZPanel = true;
  in.yzPanelColor = 1, in.xzPanelColor = 2, in.xyPanelColor = 3;
  in.showXYXGrid = in.showXYYGrid = in.showXZXGrid = in.showXZZGrid = in.showYZYGrid =
      in.showYZZGrid = false;
  PanelAxes ax = LayoutPanelAxes(in);
  EXPECT_TRUE(ax.grids.empty());
  ASSERT_EQ(ax.panels.size(), 3u);
  // YZ at the lowest z facing +z, XZ at the lowest x facing +x, XY the floor facing up.
  EXPECT_EQ(ax.panels[0].colour, 1);
  ExpectVec(ax.panels[0].normal, 0, 0, 1);
  ExpectVec(ax.panels[0].corners[2], 1, 1, 0);
  EXPECT_EQ(ax.panels[1].colour, 2);
  ExpectVec(ax.panels[1].normal, 1, 0, 0);
  ExpectVec(ax.panels[1].corners[1], 0, 1, 0);
  ExpectVec(ax.panels[1].corners[3], 0, 0, 1);
  EXPECT_EQ(ax.panels[2].colour, 3);
  ExpectVec(ax.panels[2].normal, 0, 1, 0);
  ExpectVec(ax.panels[2].corners[1], 0, 0, 1);
  ExpectVec(ax.panels[2].corners[3], 1, 0, 0);

  // One grid on, its panel hidden.
  in = Cube(0, 1);
  in.showXYXGrid = in.showXYYGrid = in.showXZXGrid = in.showXZZGrid = in.showYZZGrid = false;
  in.yzGridColor = 7;
  ax = LayoutPanelAxes(in);
  ASSERT_EQ(ax.grids.size(), 1u);
  EXPECT_EQ(ax.grids[0].colour, 7);
  ExpectVec(ax.grids[0].lines[1].from, 0.5f, 0, 0);
  ExpectVec(ax.grids[0].lines[1].to, 0.5f, 1, 0);
}

TEST(AxesLayout3D, TextPlacementAndRotation) {
  PanelAxesInput in = Cube(-5, 5);
  PanelAxes ax = LayoutPanelAxes(in);
  ASSERT_EQ(ax.texts.size(), 12u);
  const float w3 = 3.0f / 3.9f; // "5.0"
  const float w1 = 1.0f / 3.9f; // a one-letter title
  // Y label 0 and the Y title along the front edge, upright.
  ExpectVec(ax.texts[0].at, -6.0f, -6.5f, 5.0f);
  EXPECT_EQ(ax.texts[0].rotation, (std::array<float, 4>{0, 0, 1, 0}));
  ExpectVec(ax.texts[3].at, ((10.0f - w1) / 2.0f - 5.0f) - 1.5f, -8.3f, 5.0f);
  // Z labels end 1.5 left of the vertical edge, each by its own width.
  ExpectVec(ax.texts[4].at, -5.0f - (4.0f / 3.9f + 1.5f), -5.0f, 5.0f);
  ExpectVec(ax.texts[6].at, -5.0f - (w3 + 1.5f), 5.0f, 5.0f);
  // The Z title reads downwards, 2 left of the last Z label, centred on the height.
  EXPECT_EQ(ax.texts[7].text, "Z");
  EXPECT_EQ(ax.texts[7].rotation, (std::array<float, 4>{-90, 0, 0, 1}));
  const float cz = (10.0f - w1) / 2.0f - 5.0f;
  ExpectVec(ax.texts[7].at, -5.0f - (w3 + 1.5f) - 2.0f, cz + w1, 5.0f);
  // X labels and title run along the depth.
  EXPECT_EQ(ax.texts[8].rotation, (std::array<float, 4>{90, 0, 1, 0}));
  ExpectVec(ax.texts[8].at, 5.0f, -6.5f, -5.0f);
  ExpectVec(ax.texts[11].at, 5.0f, -8.3f, cz + w1 - 0.5f);
}

// A title longer than the view can show is cut, with "...", and placed as that shown text would
// be; every glyph of a title is drawn at each repaint, and a megabyte of them froze the window.
TEST(AxesLayout3D, LongTitlesAreCutToWhatTheViewShows) {
  const std::string fits(MaxShownAxisTitleChars, 'a');
  std::string accented;
  for (size_t i = 0; i < MaxShownAxisTitleChars + 5; ++i)
    accented += "\xc3\xa9"; // e acute, two bytes in UTF-8
  const struct {
    std::string title, shown;
  } rows[] = {
      {fits, fits},
      {fits + "b", fits + "..."},
      {std::string(1 << 20, 'c'), std::string(MaxShownAxisTitleChars, 'c') + "..."},
      {accented, accented.substr(0, 2 * MaxShownAxisTitleChars) + "..."},
  };
  for (bool ribbons : {false, true})
    for (const auto& row : rows) {
      PanelAxesInput in = Cube(-5, 5);
      in.ribbons = ribbons;
      PanelAxesInput shown = in;
      in.titleX = in.titleY = in.titleZ = row.title;
      shown.titleX = shown.titleY = shown.titleZ = row.shown;
      const PanelAxes ax = LayoutPanelAxes(in), want = LayoutPanelAxes(shown);
      ASSERT_EQ(ax.texts.size(), want.texts.size());
      for (size_t i = 0; i < ax.texts.size(); ++i) {
        SCOPED_TRACE(testing::Message() << row.title.size() << " bytes, text " << i);
        EXPECT_EQ(ax.texts[i].text, want.texts[i].text);
        ExpectVec(ax.texts[i].at, want.texts[i].at.x, want.texts[i].at.y, want.texts[i].at.z);
      }
      EXPECT_EQ(Texts(ax, OutlineFont::Title).front(), row.shown);
    }
}

TEST(AxesLayout3D, IntervalCountsOutsideTheTablesAreSafe) {
  EXPECT_EQ(UsableIntervals(0), 0);
  EXPECT_EQ(UsableIntervals(-3), 0);
  EXPECT_EQ(UsableIntervals(2), 2);
  EXPECT_EQ(UsableIntervals(100000), MaxTicks);
  PanelAxesInput in = Cube(-5, 5);
  in.labelNumZ = 0;
  in.labelNumX = 100000;
  PanelAxes ax = LayoutPanelAxes(in);
  EXPECT_EQ(ax.divisionsZ, 0);
  EXPECT_EQ(ax.divisionsX, MaxTicks);
  // No Z labels: the Z title stands as if the last label started at x = 0.
  for (const OutlineText& t : ax.texts) {
    if (t.text == "Z") {
      EXPECT_NEAR(t.at.x, -2.0f, 1e-6f);
    }
  }
}

TEST(AxesLayout3D, RibbonFormOfTwoAndAHalfDimensionalDocuments) {
  PanelAxesInput in = Cube(0, 0);
  in.minX = -5, in.maxX = 5, in.minY = 0, in.maxY = 2, in.minZ = 0, in.maxZ = 3;
  in.ribbons = true;
  PanelAxes ax = LayoutPanelAxes(in);
  const std::vector<std::string> ticks = {"-5.0", "0.0", "5.0", "0.0", "1.0", "2.0"};
  EXPECT_EQ(Texts(ax, OutlineFont::Tick), ticks);
  const std::vector<std::string> titles = {"X", "Y"};
  EXPECT_EQ(Texts(ax, OutlineFont::Title), titles);
  // No ticks along the depth.
  EXPECT_EQ(ax.ticks.size(), 6u);
  // The floor grid along x stands at the depths 0, 1.5 and 3.
  ASSERT_EQ(ax.grids.size(), 6u);
  const LineBatch& floorAlongX = ax.grids[4];
  ASSERT_EQ(floorAlongX.lines.size(), 3u);
  EXPECT_FLOAT_EQ(floorAlongX.lines[0].from.z, 0);
  EXPECT_FLOAT_EQ(floorAlongX.lines[1].from.z, 1.5f);
  EXPECT_FLOAT_EQ(floorAlongX.lines[2].from.z, 3);
  // The vertical title is upright, 2 left of the last vertical label.
  const OutlineText& y = ax.texts.back();
  EXPECT_EQ(y.text, "Y");
  EXPECT_EQ(y.rotation, (std::array<float, 4>{0, 0, 1, 0}));
  EXPECT_NEAR(y.at.x, -5.0f - (3.0f / 3.9f + 1.5f) - 2.0f, 1e-5f);
  // A long horizontal title is centred by its own width.
  in.titleX = "twelve chars";
  ax = LayoutPanelAxes(in);
  const float w = 12.0f / 3.9f;
  EXPECT_NEAR(ax.texts[3].at.x, (10.0f - w) / 2.0f - 5.0f - 1.5f, 1e-5f);
}

TEST(AxesLayout3D, LineStyleWidensTheBoxToTheOrigin) {
  float minX = 2, maxX = 8, minY = 2, maxY = 8, minZ = 2, maxZ = 8;
  LineAxes ax = LayoutLineAxes(minX, maxX, minY, maxY, minZ, maxZ, 1, 1, 1, {});
  EXPECT_EQ(minX, 0);
  EXPECT_EQ(minY, 0);
  EXPECT_EQ(minZ, 0);
  EXPECT_EQ(maxX, 8);
  ExpectVec(ax.lines[0].from, 0, 0, -2);
  ExpectVec(ax.lines[0].to, 0, 0, 10);
  ExpectVec(ax.lines[1].from, 0, -2, 0);
  ExpectVec(ax.lines[2].to, 10, 0, 0);
  ExpectVec(ax.cones[0].at, 0, 0, 10);
  EXPECT_EQ(ax.cones[0].angle, 0);
  ExpectVec(ax.cones[1].at, 10, 0, 0);
  EXPECT_EQ(ax.cones[1].angle, 90);
  ExpectVec(ax.cones[1].axis, 0, 1, 0);
  ExpectVec(ax.cones[2].at, 0, 10, 0);
  EXPECT_EQ(ax.cones[2].angle, -90);
  ExpectVec(ax.cones[2].axis, 1, 0, 0);
  // Negative boxes widen upwards; scales and the centre apply.
  float a = -8, b = -2, c = -8, d = -2, e = -8, f = -2;
  ax = LayoutLineAxes(a, b, c, d, e, f, 2, 1, 1, {1, 0, 0});
  EXPECT_EQ(b, 0);
  ExpectVec(ax.lines[2].from, -5 - 1, 0, 0);
  ExpectVec(ax.lines[2].to, 1 - 1, 0, 0);
}

std::vector<std::string> LabelTexts(const SpecialAxes& ax) {
  std::vector<std::string> t;
  for (const Label& l : ax.labels)
    t.push_back(l.text);
  return t;
}

TEST(AxesLayoutSpecial, WholeUnitTicksAndLabels) {
  // Horizontal (box z) -6.3 .. 6.3, vertical (box x) 0 .. 5.
  SpecialAxes ax = LayoutSpecialAxes(0, 5, 0, 1, -6.3f, 6.3f, {});
  EXPECT_EQ(ax.ticks.size(), 5u + 13u);
  const std::vector<std::string> want = {"1",  "2", "3", "4", "5", "-6", "-5", "-4", "-3", "-2",
                                         "-1", "0", "1", "2", "3", "4",  "5",  "6",  "Y",  "X"};
  EXPECT_EQ(LabelTexts(ax), want);
  // Left-side tick at 1 points left from the frame; bottom ticks point down.
  ExpectVec(ax.ticks[0].from, -6.3f, 1, 0);
  ExpectVec(ax.ticks[0].to, -6.6f, 1, 0);
  ExpectVec(ax.ticks[5].from, -6, 0, 0);
  ExpectVec(ax.ticks[5].to, -6, -0.3f, 0);
  ExpectVec(ax.frame[0].from, -6.3f, 0, 0);
  ExpectVec(ax.frame[0].to, 6.3f, 0, 0);
  ExpectVec(ax.frame[3].from, 6.3f, 5, 0);
  ExpectVec(ax.frame[3].to, -6.3f, 5, 0);
  // Titles.
  ExpectVec(ax.labels[18].at, -6.3f - 1.8f, 2.5f, 0);
  ExpectVec(ax.labels[19].at, 0, -1.7f, 0);
  // Horizontal label at its whole number, 0.9 below the frame.
  ExpectVec(ax.labels[5].at, -6, -0.9f, 0);
}

TEST(AxesLayoutSpecial, VerticalLabelsAreLoweredByTheirLength) {
  SpecialAxes ax = LayoutSpecialAxes(-10.5f, 5.5f, 2, 3, 0.2f, 0.8f, {0, 0, 1});
  // No whole number inside 0.2 .. 0.8: nothing on the bottom side.
  ASSERT_EQ(ax.labels.size(), 16u + 2u);
  EXPECT_EQ(ax.labels[0].text, "-10");
  ExpectVec(ax.labels[0].at, 0.2f - 1.0f, -10 - 0.45f, -1);
  EXPECT_EQ(ax.labels[5].text, "-5");
  ExpectVec(ax.labels[5].at, 0.2f - 1.0f, -5 - 0.3f, -1);
  EXPECT_EQ(ax.labels[15].text, "5");
  ExpectVec(ax.labels[15].at, 0.2f - 1.0f, 5 - 0.15f, -1);
  // Ticks and frame lie at the depth MinY, texts at 0.
  ExpectVec(ax.ticks[0].from, 0.2f, -10, 2 - 1);
}

TEST(AxesLayoutSpecial, WideSidesGetCoarserLabels) {
  SpecialAxes ax = LayoutSpecialAxes(0, 1, 0, 1, -1000, 1000, {});
  EXPECT_EQ(ax.everyH, 5);
  EXPECT_EQ(ax.everyV, 1);
  EXPECT_LE(ax.ticks.size(), 501u);
  EXPECT_EQ(ax.labels[1].text, "-995");
  EXPECT_EQ(ax.labels[ax.labels.size() - 3].text, "1000");
}

} // namespace
