#pragma once
// The five built-in colour schemes ("RAINBOW", "EARTH", "FIERY", "MARINE", "GREY") as data: each
// a list of stops (position in percent of the value range; red, green, blue bytes). The graph
// drawing writes a named scheme into a graph's stops at every drawing; the colour-map lookups of
// the surface drawers load them by name from here too.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class Graph;

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
void WriteColorScheme(Graph& graph, const NamedColorScheme& scheme);

// LoadColorScheme: when the name (any case; one leading "@" allowed, nothing trimmed) is one of
// the five built-in schemes, writes it into the graph's stops; any other name changes nothing.
void LoadColorScheme(Graph& graph, const std::string& colorName);

// The stops a lookup works with, taken from a graph once (so a grid of lookups reloads nothing).
struct ColorLookup {
  int32_t Count = 0;
  float Position[31] = {};
  int32_t Red[31] = {}, Green[31] = {}, Blue[31] = {};

  // Gives an empty ColorName the name "Rainbow" (kept by the graph), loads the named scheme into
  // the graph (a named scheme always uses its built-in stops) and takes the graph's stops in use.
  static ColorLookup FromGraph(Graph& graph);

  // The colour of value within the range min .. min + range, as fractions 0 .. 1. A value below
  // the first stop takes the first stop's colour, above the last the last stop's: the range ends
  // clamp. A range of 0, a value that is not finite, or a scheme without stops gives the first
  // stop (black without stops).
  void Color(float value, float min, float range, float& red, float& green, float& blue) const;
};

// ColorMapColor: the colour of value in the graph's scheme over min .. min + range (see
// ColorLookup). May store "Rainbow" in the graph's ColorName and reloads the named scheme.
void ColorMapColor(Graph& graph, float value, float min, float range, float& red, float& green,
                   float& blue);
