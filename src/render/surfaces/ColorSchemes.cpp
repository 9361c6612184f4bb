#include "render/surfaces/ColorSchemes.h"

#include <array>

#include "model/Cls9.h"

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

void WriteColorScheme(Cls9& graph, const NamedColorScheme& scheme) {
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
