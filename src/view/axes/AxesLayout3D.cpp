// Geometry of the axes box of 3D, 4D and 2.5D documents (panel and line style) and of the flat
// frame of Special documents.

#include "view/axes/AxesLayout.h"

#include "platform/ShownText.h"
#include "view/axes/TickLabel.h"

#include <algorithm>
#include <cmath>

namespace AxesLayout {

int UsableIntervals(int32_t labelNum) {
  if (labelNum <= 0) return 0;
  return labelNum > MaxTicks ? MaxTicks : static_cast<int>(labelNum);
}

float TextWidth(const std::string& text) { return static_cast<float>(text.size()) / 3.9f; }

std::string ShownAxisTitle(const std::string& title) {
  return ShortenedLine(title, MaxShownAxisTitleChars);
}

namespace {

// One axis of the box: its division points in single precision and their label texts.
struct Division {
  int count = 0; // intervals; count + 1 points when count > 0, none otherwise
  std::vector<float> points;
  std::vector<std::string> labels;
};

Division Divide(float lo, float hi, int32_t labelNum, const QLocale& locale) {
  Division d;
  d.count = UsableIntervals(labelNum);
  if (d.count == 0) return d;
  const float step = (hi - lo) / static_cast<float>(d.count);
  for (int i = 0; i <= d.count; ++i) {
    d.points.push_back(lo + static_cast<float>(i) * step);
    // The label value is formed in double from the single-precision bound and step.
    d.labels.push_back(TickLabel::Division(
        static_cast<double>(lo) + static_cast<double>(i) * static_cast<double>(step), locale));
  }
  return d;
}

} // namespace

PanelAxes LayoutPanelAxes(const PanelAxesInput& in) {
  PanelAxes ax;
  const float minX = in.minX, maxX = in.maxX, minY = in.minY, maxY = in.maxY, minZ = in.minZ,
              maxZ = in.maxZ;
  // A point of the box, in data units, to its drawn position.
  auto P = [&](float x, float y, float z) {
    return Vec3{x / in.scaleX - in.centre.x, y / in.scaleY - in.centre.y,
                z / in.scaleZ - in.centre.z};
  };
  // A position in scene units to its drawn position.
  auto S = [&](float x, float y, float z) {
    return Vec3{x - in.centre.x, y - in.centre.y, z - in.centre.z};
  };

  const Division dz = Divide(minZ, maxZ, in.labelNumX, in.locale); // the user's X
  const Division dx = Divide(minX, maxX, in.labelNumY, in.locale); // the user's Y
  const Division dy = Divide(minY, maxY, in.labelNumZ, in.locale); // the user's Z
  ax.divisionsX = dz.count, ax.divisionsY = dx.count, ax.divisionsZ = dy.count;

  // Panels: YZ closes the box at the lowest z, XZ at the lowest x, XY is the floor.
  if (in.showYZPanel)
    ax.panels.push_back(
        {in.yzPanelColor,
         {0, 0, 1},
         {P(minX, minY, minZ), P(maxX, minY, minZ), P(maxX, maxY, minZ), P(minX, maxY, minZ)}});
  if (in.showXZPanel)
    ax.panels.push_back(
        {in.xzPanelColor,
         {1, 0, 0},
         {P(minX, minY, minZ), P(minX, maxY, minZ), P(minX, maxY, maxZ), P(minX, minY, maxZ)}});
  if (in.showXYPanel)
    ax.panels.push_back(
        {in.xyPanelColor,
         {0, 1, 0},
         {P(minX, minY, minZ), P(minX, minY, maxZ), P(maxX, minY, maxZ), P(maxX, minY, minZ)}});

  ax.edges = {Segment{P(minX, minY, maxZ), P(maxX, minY, maxZ)},
              Segment{P(minX, minY, maxZ), P(minX, maxY, maxZ)},
              Segment{P(maxX, minY, minZ), P(maxX, minY, maxZ)}};

  auto grid = [&](bool on, int32_t colour, auto&& segmentAt, const std::vector<float>& points) {
    if (!on) return;
    LineBatch batch{colour, {}};
    for (float v : points)
      batch.lines.push_back(segmentAt(v));
    ax.grids.push_back(std::move(batch));
  };
  grid(
      in.showYZYGrid, in.yzGridColor,
      [&](float x) {
        return Segment{P(x, minY, minZ), P(x, maxY, minZ)};
      },
      dx.points);
  grid(
      in.showYZZGrid, in.yzGridColor,
      [&](float y) {
        return Segment{P(minX, y, minZ), P(maxX, y, minZ)};
      },
      dy.points);
  grid(
      in.showXZXGrid, in.xzGridColor,
      [&](float z) {
        return Segment{P(minX, minY, z), P(minX, maxY, z)};
      },
      dz.points);
  grid(
      in.showXZZGrid, in.xzGridColor,
      [&](float y) {
        return Segment{P(minX, y, minZ), P(minX, y, maxZ)};
      },
      dy.points);
  grid(
      in.showXYXGrid, in.xyGridColor,
      [&](float z) {
        return Segment{P(minX, minY, z), P(maxX, minY, z)};
      },
      dz.points);
  grid(
      in.showXYYGrid, in.xyGridColor,
      [&](float x) {
        return Segment{P(x, minY, minZ), P(x, minY, maxZ)};
      },
      dx.points);

  // Ticks, 0.3 scene units long.
  auto down = [](Vec3 v) { return Segment{v, Vec3{v.x, v.y - 0.3f, v.z}}; };
  auto left = [](Vec3 v) { return Segment{v, Vec3{v.x - 0.3f, v.y, v.z}}; };
  if (!in.ribbons)
    for (float z : dz.points)
      ax.ticks.push_back(down(P(maxX, minY, z)));
  for (float x : dx.points)
    ax.ticks.push_back(down(P(x, minY, maxZ)));
  for (float y : dy.points)
    ax.ticks.push_back(left(P(minX, y, maxZ)));

  // Texts.
  const std::array<float, 4> upright{0, 0, 1, 0};
  const float frontZ = maxZ / in.scaleZ;
  const float belowFloor = minY / in.scaleY - 1.5f;
  auto text = [&](OutlineFont font, const std::string& t, Vec3 at, std::array<float, 4> rot) {
    ax.texts.push_back({font, t, at, rot});
  };

  // Labels along the front edge (the user's Y; the ribbons' x in 2.5D) and their title.
  for (size_t i = 0; i < dx.points.size(); ++i)
    text(OutlineFont::Tick, dx.labels[i], S(dx.points[i] / in.scaleX - 1.0f, belowFloor, frontZ),
         upright);
  // Titles as shown: cut to what the view can show, so the glyphs drawn stay few.
  const std::string titleX = ShownAxisTitle(in.titleX), titleY = ShownAxisTitle(in.titleY),
                    titleZ = ShownAxisTitle(in.titleZ);
  const std::string& frontTitle = in.ribbons ? titleX : titleY;
  {
    const float w = TextWidth(frontTitle);
    const float c = ((maxX - minX) - w) / 2.0f + minX;
    text(OutlineFont::Title, frontTitle, S(c / in.scaleX - 1.5f, minY / in.scaleY - 3.3f, frontZ),
         upright);
  }

  // Labels beside the vertical edge and the vertical title.
  float lastX = 0.0f;
  for (size_t i = 0; i < dy.points.size(); ++i) {
    const float w = TextWidth(dy.labels[i]);
    lastX = minX / in.scaleX - (w + 1.5f);
    text(OutlineFont::Tick, dy.labels[i], S(lastX, dy.points[i] / in.scaleY, frontZ), upright);
  }
  const std::string& upTitle = in.ribbons ? titleY : titleZ;
  {
    const float w = TextWidth(upTitle);
    const float c = ((maxY - minY) / in.scaleY - w) / 2.0f + minY / in.scaleY;
    const std::array<float, 4> rot =
        in.ribbons ? upright : std::array<float, 4>{-90.0f, 0.0f, 0.0f, 1.0f};
    text(OutlineFont::Title, upTitle, S(lastX - 2.0f, c + w, frontZ), rot);
  }

  // The depth (the user's X) carries labels and a title only in 3D and 4D documents.
  if (!in.ribbons) {
    const std::array<float, 4> alongDepth{90.0f, 0.0f, 1.0f, 0.0f};
    const float side = maxX / in.scaleX;
    for (size_t i = 0; i < dz.points.size(); ++i)
      text(OutlineFont::Tick, dz.labels[i], S(side, belowFloor, dz.points[i] / in.scaleZ),
           alongDepth);
    const float w = TextWidth(titleX);
    const float c = ((maxZ - minZ) / in.scaleZ - w) / 2.0f + minZ / in.scaleZ;
    text(OutlineFont::Title, titleX, S(side, minY / in.scaleY - 3.3f, c + w - 0.5f), alongDepth);
  }
  return ax;
}

LineAxes LayoutLineAxes(float& minX, float& maxX, float& minY, float& maxY, float& minZ,
                        float& maxZ, float scaleX, float scaleY, float scaleZ, Vec3 centre) {
  if (minX > 0) minX = 0;
  if (minY > 0) minY = 0;
  if (minZ > 0) minZ = 0;
  if (maxX < 0) maxX = 0;
  if (maxY < 0) maxY = 0;
  if (maxZ < 0) maxZ = 0;
  auto P = [&](float x, float y, float z) {
    return Vec3{x / scaleX - centre.x, y / scaleY - centre.y, z / scaleZ - centre.z};
  };
  LineAxes ax;
  ax.lines = {Segment{P(0, 0, minZ - 2.0f), P(0, 0, maxZ + 2.0f)},
              Segment{P(0, minY - 2.0f, 0), P(0, maxY + 2.0f, 0)},
              Segment{P(minX - 2.0f, 0, 0), P(maxX + 2.0f, 0, 0)}};
  ax.cones = {Cone{P(0, 0, maxZ + 2.0f), 0.0f, {0, 0, 0}},
              Cone{P(maxX + 2.0f, 0, 0), 90.0f, {0, 1, 0}},
              Cone{P(0, maxY + 2.0f, 0), -90.0f, {1, 0, 0}}};
  return ax;
}

namespace {

// The whole numbers a side of the Special frame marks: above Int(lo) up to Int(hi), every one,
// or, when that would be more than the label table holds, every `every`-th of them.
std::vector<long long> WholeMarks(float lo, float hi, int& every) {
  std::vector<long long> marks;
  every = 1;
  if (!std::isfinite(lo) || !std::isfinite(hi)) return marks;
  const double first = std::floor(static_cast<double>(lo));
  const double last = std::floor(static_cast<double>(hi));
  if (last <= first) return marks;
  static constexpr int series[3] = {1, 2, 5};
  double m = 1;
  for (double decade = 1; decade <= 1e15; decade *= 10) {
    bool found = false;
    for (int f : series) {
      m = f * decade;
      // Multiples of m in (first, last].
      const double count = std::floor(last / m) - std::floor(first / m);
      if (count <= MaxTicks) {
        found = true;
        break;
      }
    }
    if (found) break;
  }
  if (m > 1e15) return marks;
  every = m > 2147483647.0 ? 0 : static_cast<int>(m);
  for (double v = (std::floor(first / m) + 1) * m; v <= last; v += m)
    marks.push_back(static_cast<long long>(v));
  return marks;
}

} // namespace

SpecialAxes LayoutSpecialAxes(float minX, float maxX, float minY, float maxY, float minZ,
                              float maxZ, Vec3 centre) {
  (void)maxY;
  SpecialAxes ax;
  // (h, v, d) in data units, not divided by the axis scales.
  auto P = [&](float h, float v, float d) {
    return Vec3{h - centre.x, v - centre.y, d - centre.z};
  };
  const std::vector<long long> vMarks = WholeMarks(minX, maxX, ax.everyV);
  const std::vector<long long> hMarks = WholeMarks(minZ, maxZ, ax.everyH);

  for (long long m : vMarks) {
    const float v = static_cast<float>(m);
    ax.ticks.push_back({P(minZ, v, minY), P(minZ - 0.3f, v, minY)});
  }
  for (long long m : hMarks) {
    const float h = static_cast<float>(m);
    ax.ticks.push_back({P(h, minX, minY), P(h, minX - 0.3f, minY)});
  }

  ax.frame = {Segment{P(minZ, minX, minY), P(maxZ, minX, minY)},
              Segment{P(minZ, minX, minY), P(minZ, maxX, minY)},
              Segment{P(maxZ, maxX, minY), P(maxZ, minX, minY)},
              Segment{P(maxZ, maxX, minY), P(minZ, maxX, minY)}};

  for (long long m : vMarks) {
    std::string text = TickLabel::Whole(m);
    const float o = text.size() > 2 ? 0.45f : text.size() == 2 ? 0.3f : 0.15f;
    ax.labels.push_back({std::move(text), P(minZ - 1.0f, static_cast<float>(m) - o, 0.0f)});
  }
  for (long long m : hMarks)
    ax.labels.push_back({TickLabel::Whole(m), P(static_cast<float>(m), minX - 0.9f, 0.0f)});

  ax.labels.push_back({"Y", P(minZ - 1.8f, (maxX - minX) / 2.0f + minX, 0.0f)});
  ax.labels.push_back({"X", P((maxZ - minZ) / 2.0f + minZ, minX - 1.7f, 0.0f)});
  return ax;
}

} // namespace AxesLayout
