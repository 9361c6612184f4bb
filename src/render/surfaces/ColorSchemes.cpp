#include "render/surfaces/ColorSchemes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/Graph.h"

namespace {

constexpr std::array<ColorStop, 6> kRainbow{{{0, 153, 102, 255},
                                             {20, 0, 0, 255},
                                             {40, 0, 255, 0},
                                             {60, 255, 255, 0},
                                             {80, 255, 102, 0},
                                             {100, 255, 0, 0}}};
constexpr std::array<ColorStop, 5> kEarth{
    {{0, 0, 0, 128}, {25, 0, 128, 0}, {50, 255, 255, 0}, {75, 0, 255, 255}, {100, 128, 64, 64}}};
constexpr std::array<ColorStop, 5> kFiery{
    {{0, 255, 255, 0}, {25, 255, 0, 255}, {50, 0, 255, 255}, {75, 255, 0, 0}, {100, 0, 0, 255}}};
constexpr std::array<ColorStop, 3> kMarine{
    {{0, 128, 128, 255}, {50, 0, 100, 100}, {100, 255, 255, 128}}};
constexpr std::array<ColorStop, 2> kGrey{{{0, 200, 200, 200}, {100, 50, 50, 50}}};

const std::array<NamedColorScheme, 5> kSchemes{{{"RAINBOW", kRainbow},
                                                {"EARTH", kEarth},
                                                {"FIERY", kFiery},
                                                {"MARINE", kMarine},
                                                {"GREY", kGrey}}};

} // namespace

const NamedColorScheme* FindColorScheme(std::string_view upperName) {
  for (const NamedColorScheme& s : kSchemes)
    if (upperName == s.Name) return &s;
  return nullptr;
}

std::string UpperCaseName(std::string_view name) {
  std::string upper(name);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

void WriteColorScheme(Graph& graph, const NamedColorScheme& scheme) {
  const int32_t count = static_cast<int32_t>(scheme.Stops.size());
  graph.ColorNum = count;
  for (int32_t i = 0; i < count; ++i) {
    const ColorStop& stop = scheme.Stops[static_cast<size_t>(i)];
    graph.ColorPos[i] = stop.Position;
    graph.ColorR[i] = stop.Red;
    graph.ColorG[i] = stop.Green;
    graph.ColorB[i] = stop.Blue;
  }
}

void LoadColorScheme(Graph& graph, const std::string& colorName) {
  std::string upper = UpperCaseName(colorName);
  if (!upper.empty() && upper.front() == '@') upper.erase(0, 1);
  if (const NamedColorScheme* scheme = FindColorScheme(upper)) WriteColorScheme(graph, *scheme);
}

ColorLookup ColorLookup::FromGraph(Graph& graph) {
  if (graph.ColorName.empty()) graph.ColorName = "Rainbow";
  LoadColorScheme(graph, graph.ColorName);
  ColorLookup lookup;
  // A count from a document beyond the 31 stops uses the stops there are.
  lookup.Count = std::clamp(graph.ColorNum, 0, 31);
  for (int32_t i = 0; i < lookup.Count; ++i) {
    lookup.Position[i] = graph.ColorPos[i];
    lookup.Red[i] = graph.ColorR[i];
    lookup.Green[i] = graph.ColorG[i];
    lookup.Blue[i] = graph.ColorB[i];
  }
  return lookup;
}

void ColorLookup::Color(float value, float min, float range, float& red, float& green,
                        float& blue) const {
  if (Count <= 0) {
    red = green = blue = 0.0f;
    return;
  }
  const int32_t last = Count - 1;
  const float t = (value - min) / range * 100.0f;
  float r = static_cast<float>(Red[0]), g = static_cast<float>(Green[0]),
        b = static_cast<float>(Blue[0]);
  if (!std::isfinite(t) || t <= Position[0]) {
    // The first stop: below the range, at its start, or no usable percentage.
  } else if (t >= Position[last] || std::fabs(t - Position[last]) < 0.0001f) {
    r = static_cast<float>(Red[last]);
    g = static_cast<float>(Green[last]);
    b = static_cast<float>(Blue[last]);
  } else {
    for (int32_t i = 0; i < last; ++i) {
      if (Position[i] <= t && t <= Position[i + 1]) {
        const float width = Position[i + 1] - Position[i];
        // Two stops at one position: the upper one's colour.
        const float f = width > 0.0f ? (t - Position[i]) / width : 1.0f;
        auto channel = [f](int32_t lo, int32_t hi) {
          return static_cast<float>(static_cast<double>(f) * static_cast<double>(hi - lo) +
                                    static_cast<double>(lo));
        };
        r = channel(Red[i], Red[i + 1]);
        g = channel(Green[i], Green[i + 1]);
        b = channel(Blue[i], Blue[i + 1]);
        break;
      }
    }
  }
  red = r / 255.0f;
  green = g / 255.0f;
  blue = b / 255.0f;
}

void ColorMapColor(Graph& graph, float value, float min, float range, float& red, float& green,
                   float& blue) {
  ColorLookup::FromGraph(graph).Color(value, min, range, red, green, blue);
}
