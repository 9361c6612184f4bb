#pragma once
// A set of material colours for shading surfaces, filled from one of thirteen named presets
// (MaterialPreset 1 to 13, the number graphs and the axes' panels store) and handed to OpenGL for
// the front and back faces by SetMaterial.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Number of material presets; MaterialPreset runs from 1 to this.
inline constexpr int32_t MaterialPresetCount = 13;

// The preset names in preset order ("Artdeco" is preset 1); the dialogs list them in this order and
// store the list position plus 1.
inline constexpr std::array<const char*, MaterialPresetCount> MaterialPresetNames{
    "Artdeco", "Autumn", "Glass",  "Metal",  "Neon",     "Recoco", "Santefe",
    "Sheen",   "Silky",  "Spring", "Summer", "Tropical", "Winter"};

// The preset number of a preset name; 0 for a name that is none.
constexpr int32_t MaterialPresetOf(std::string_view name) {
  for (int32_t i = 0; i < MaterialPresetCount; ++i)
    if (name == MaterialPresetNames[static_cast<std::size_t>(i)]) return i + 1;
  return 0;
}

class MaterialColors {
public:
  // All zero when created. Use .at(i) for indices that come from outside: out of range throws.
  int32_t MatType = 0; // kept for the caller; SetMaterial does not read it
  std::array<float, 4> Emission{};
  std::array<float, 1> Shininess{}; // specular exponent, 0 to 128
  std::array<float, 4> Specular{};
  std::array<float, 4> Diffuse{};
  std::array<float, 4> Ambient{};

  // For 1 to 13 fills every colour and the shininess from the preset (any other number keeps the
  // values); then, in every case, sets the material of the front and back faces. Needs a current
  // GL context.
  void SetMaterial(int32_t materType);
};
