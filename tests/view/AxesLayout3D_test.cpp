// Geometry of the axes box (3D, 4D and 2.5D documents), the line style and the Special frame, as
// data: division points, labels, grids, panels, ticks, text placement, cones and the frame.

#include <gtest/gtest.h>

#include "view/axes/AxesLayout.h"

#include <QRawFont>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/ProgramState.h"
#include "platform/NumberText.h"
#include "render/common/GlText.h"
#include "view/camera/SceneCamera.h"
#include "view/window/NewDocument.h"

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

std::string Repeat(const std::string& s, size_t n) {
  std::string r;
  for (size_t i = 0; i < n; ++i)
    r += s;
  return r;
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

// The starting view of a 3D (or 2.5D) document as the program shows it: its camera as it starts
// (an orthographic volume around the reference point, looked at from the eye), the scene turned by
// the new document's preset, and the outline titles as drawn: each glyph of the title font (bold
// Arial, Liberation Sans here) as wide as its advance, made at 64 pixels per em, 0.8 units per em.
class StartingView {
public:
  explicit StartingView(int32_t documentType) : m_preset(SettingsOfNewDocument(documentType)) {
    const std::string file = FindFontFile("Arial", 700, false);
    m_font = QRawFont(QString::fromStdString(file), 2048, QFont::PreferNoHinting);
    for (int code = 0; code < 256; ++code) {
      const char32_t ch = GlyphCharacter(static_cast<uint8_t>(code));
      if (ch == 0 || !m_font.isValid()) continue;
      const QList<quint32> glyph = m_font.glyphIndexesForString(QString::fromUcs4(&ch, 1));
      const QList<QPointF> advance = m_font.advancesForGlyphIndexes(glyph);
      // The outlines are made at 64 pixels per em, whose advances come in whole pixels: taken
      // at the next whole pixel, a glyph is never drawn narrower here than it is.
      if (!advance.isEmpty())
        m_advance[size_t(code)] = std::ceil(advance[0].x() / 2048.0 * 64.0) / 64.0;
    }
  }
  bool Usable() const { return m_font.isValid() && m_advance[size_t('W')] > 0.5; }
  double Ascent() const { return m_font.ascent() / 2048.0; }
  double Descent() const { return m_font.descent() / 2048.0; }
  // The advance of a text in ems, each character drawn as its Windows-1252 glyph.
  double Advance(const std::string& utf8) const {
    double total = 0;
    for (unsigned char code : NumberText::Utf8ToCp1252(utf8))
      total += m_advance[code];
    return total;
  }

  // Whether the whole of a text drawn at `at`, turned by `rotation` as the box draws its titles,
  // lies within the view.
  bool Shows(const std::string& text, const Vec3& at, const std::array<float, 4>& rotation) const {
    const double width = Advance(text), depth = 0.1;
    for (double x : {0.0, width})
      for (double y : {-Descent(), Ascent()})
        for (double z : {0.0, depth}) {
          Point p = Turn({0.8 * x, 0.8 * y, 0.8 * z}, rotation[0],
                         {rotation[1], rotation[2], rotation[3]});
          p = {p.x + at.x, p.y + at.y, p.z + at.z};
          if (!ShowsScenePoint(p)) return false;
        }
    return true;
  }

private:
  struct Point {
    double x, y, z;
  };
  static double Dot(const Point& a, const Point& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
  static Point Cross(const Point& a, const Point& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  }
  static Point Unit(const Point& a) {
    const double n = std::sqrt(Dot(a, a));
    return {a.x / n, a.y / n, a.z / n};
  }
  // p turned by degrees about the unit axis, counter-clockwise seen from the axis' tip.
  static Point Turn(const Point& p, double degrees, const Point& axis) {
    const double t = degrees * 3.14159265358979 / 180.0, c = std::cos(t), s = std::sin(t);
    const Point k = Unit(axis), kxp = Cross(k, p);
    const double kp = Dot(k, p) * (1 - c);
    return {p.x * c + kxp.x * s + k.x * kp, p.y * c + kxp.y * s + k.y * kp,
            p.z * c + kxp.z * s + k.z * kp};
  }
  // A point of the scene (before the scene's rotation) within the camera's volume.
  bool ShowsScenePoint(Point p) const {
    // The scene turns as the trackball's quaternions turn it: by the pitch about x and the yaw
    // about y, both taken the other way round (the new document's box is seen from above).
    p = Turn(p, -m_preset.yaw, {0, 1, 0});
    p = Turn(p, -m_preset.pitch, {1, 0, 0});
    const Point eye{m_camera.EyePos.x, m_camera.EyePos.y, m_camera.EyePos.z};
    const Point ref{m_camera.RefPos.x, m_camera.RefPos.y, m_camera.RefPos.z};
    const Point up{m_camera.VecUp[0], m_camera.VecUp[1], m_camera.VecUp[2]};
    const Point forward = Unit({ref.x - eye.x, ref.y - eye.y, ref.z - eye.z});
    const Point side = Unit(Cross(forward, up)), upward = Cross(side, forward);
    const Point d{p.x - eye.x, p.y - eye.y, p.z - eye.z};
    return std::fabs(Dot(d, side)) <= m_camera.VolWidth / 2.0 &&
           std::fabs(Dot(d, upward)) <= m_camera.VolHeight / 2.0 &&
           Dot(d, forward) >= m_camera.VolNear && Dot(d, forward) <= m_camera.VolFar;
  }

  const NewDocumentSettings& m_preset;
  SceneCamera m_camera; // the program's camera as it starts
  QRawFont m_font;
  std::array<double, 256> m_advance{};
};

// The titles the box lays out, in the order it draws them.
std::vector<OutlineText> Titles(const PanelAxes& ax) {
  std::vector<OutlineText> titles;
  for (const OutlineText& t : ax.texts)
    if (t.font == OutlineFont::Title) titles.push_back(t);
  return titles;
}

// How many characters the starting view shows: the most of any one character that, followed by
// "...", the view shows whole on every axis where the box places them, and the character that
// leaves the fewest. The box is that of a new document's scene: square scaling makes every side 10
// scene units about the centre. The box places a title by its estimated width, which grows by the
// same step with every byte of its text, so titles of one and two bytes give where it places a
// title of any length.
struct ShownCharacters {
  size_t count = std::numeric_limits<size_t>::max();
  std::string character;
};
ShownCharacters CharactersTheViewShows(const StartingView& view, bool ribbons) {
  auto titlesOf = [&](const std::string& title) {
    PanelAxesInput in = Cube(-5, 5);
    in.ribbons = ribbons;
    in.titleX = in.titleY = in.titleZ = title;
    return Titles(LayoutPanelAxes(in));
  };
  const std::vector<OutlineText> one = titlesOf("a"), two = titlesOf("aa"), three = titlesOf("aaa");
  auto placed = [&](size_t axis, size_t bytes) {
    const Vec3 &a = one[axis].at, &b = two[axis].at;
    const float n = static_cast<float>(bytes) - 1.0f;
    return Vec3{a.x + n * (b.x - a.x), a.y + n * (b.y - a.y), a.z + n * (b.z - a.z)};
  };
  ShownCharacters least;
  for (size_t axis = 0; axis < one.size(); ++axis) {
    ExpectVec(placed(axis, 3), three[axis].at.x, three[axis].at.y, three[axis].at.z);
    for (int code = 32; code < 256; ++code) {
      const char32_t ch = GlyphCharacter(static_cast<uint8_t>(code));
      if (ch == 0) continue;
      const std::string c = NumberText::Cp1252ToUtf8(std::string(1, static_cast<char>(code)));
      size_t n = 0;
      while (n < least.count &&
             view.Shows(Repeat(c, n + 1) + "...", placed(axis, (n + 1) * c.size() + 3),
                        one[axis].rotation))
        ++n;
      if (n < least.count) least = {n, c};
    }
  }
  return least;
}

// A title longer than the starting view shows is cut, with "...", to what the view shows on every
// axis (of any characters, in 3D and 2.5D documents alike) and placed as that shown text would be;
// every glyph of a title is drawn at each repaint, and a megabyte of them froze the window.
TEST(AxesLayout3D, LongTitlesAreCutToWhatTheViewShows) {
  const StartingView view3D(DocumentType3D), view25D(DocumentType25D);
  ASSERT_TRUE(view3D.Usable()) << "the title font";
  const ShownCharacters in3D = CharactersTheViewShows(view3D, false),
                        in25D = CharactersTheViewShows(view25D, true);
  const ShownCharacters& least = in3D.count <= in25D.count ? in3D : in25D;
  const size_t shown = least.count;
  ASSERT_GE(shown, 10u);
  const std::string accented = "\xc3\xa9"; // e acute, two bytes in UTF-8
  const struct {
    std::string title, shown;
  } rows[] = {
      {Repeat(least.character, shown), Repeat(least.character, shown)},
      {Repeat(least.character, shown + 1), Repeat(least.character, shown) + "..."},
      {Repeat(least.character, 1 << 20), Repeat(least.character, shown) + "..."},
      {std::string(1 << 20, 'c'), std::string(shown, 'c') + "..."},
      {Repeat(accented, shown + 5), Repeat(accented, shown) + "..."},
  };
  for (const bool ribbons : {false, true})
    for (const auto& row : rows) {
      SCOPED_TRACE(testing::Message()
                   << (ribbons ? "2.5D, " : "3D, ") << row.title.size() << " bytes of "
                   << row.title.substr(0, 3) << ", " << shown << " characters shown");
      PanelAxesInput in = Cube(-5, 5);
      in.ribbons = ribbons;
      PanelAxesInput asShown = in;
      in.titleX = in.titleY = in.titleZ = row.title;
      asShown.titleX = asShown.titleY = asShown.titleZ = row.shown;
      const PanelAxes ax = LayoutPanelAxes(in), want = LayoutPanelAxes(asShown);
      ASSERT_EQ(ax.texts.size(), want.texts.size());
      for (size_t i = 0; i < ax.texts.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "text " << i);
        EXPECT_EQ(ax.texts[i].text, want.texts[i].text);
        ExpectVec(ax.texts[i].at, want.texts[i].at.x, want.texts[i].at.y, want.texts[i].at.z);
      }
      const StartingView& view = ribbons ? view25D : view3D;
      for (const OutlineText& t : Titles(ax)) {
        EXPECT_EQ(t.text, row.shown);
        EXPECT_TRUE(view.Shows(t.text, t.at, t.rotation))
            << "a title of " << t.text.size() << " bytes goes beyond the view";
      }
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
