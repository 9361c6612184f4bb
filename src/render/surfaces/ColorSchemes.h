#pragma once
// The five built-in colour schemes ("RAINBOW", "EARTH", "FIERY", "MARINE", "GREY") as data: each
// a list of stops (position in percent of the value range; red, green, blue bytes). The graph
// drawing writes a named scheme into a graph's stops at every drawing; the colour-map lookups of
// the surface drawers load them by name from here too.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class Cls9;

struct ColorStop {
  float Position;
  int32_t Red, Green, Blue;
};

struct NamedColorScheme {
  const char* Name; // upper case
  std::span<const ColorStop> Stops;
};

// The built-in scheme whose name equals the text exactly ("RAINBOW" ...), or null. Callers that
// take any case upper-case the text first (UpperCaseName).
const NamedColorScheme* FindColorScheme(std::string_view upperName);

// The text in upper case (ASCII letters only; nothing trimmed).
std::string UpperCaseName(std::string_view name);

// Writes the scheme's stop count into ColorNum and its stops into stops 0 .. count - 1 of the
// graph; the stops after them keep what they held.
void WriteColorScheme(Cls9& graph, const NamedColorScheme& scheme);
