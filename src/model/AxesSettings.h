#pragma once
// The axes object of the document (DocumentAxes): whether the axes are shown, the style of the
// three-dimensional axes box with its panels, grids, interval counts and titles, the axis colour
// and width, and the settings of the two-dimensional plot (background pattern and colours,
// shadow, primary and secondary grid, secondary ticks, ticks in multiples of pi). It also chooses
// tick steps for a value range (Coord). Its drawing operations are Draw, Draw2DGrid and
// DrawBackground; Save writes its record of the document text.
//
// Every property is declared once below, in the order of the axes record of the document text
// (AxisStyle, which the record does not carry, last). The document reader and writer walk
// AxesSettingsPropertyTable in order (inRecord tells whether a property is carried) and use
// Get/Set by id; a Name is written between "@" signs.

#include "model/GraphProperties.h" // PropKind

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Columns: A(name, kind, value at creation, what SetDefault does: Reset or Keep, value after
// SetDefault, carried by the axes record: InRecord or NotInRecord).
#define AXES_PROPERTIES(A)                                                                         \
  A(Show, Boolean, false, Reset, true, InRecord)                                                   \
  A(ShowXYPanel, Boolean, false, Reset, false, InRecord)                                           \
  A(ShowXZPanel, Boolean, false, Reset, false, InRecord)                                           \
  A(ShowYZPanel, Boolean, false, Reset, false, InRecord)                                           \
  A(ShowXYXGrid, Boolean, true, Reset, true, InRecord)                                             \
  A(ShowXYYGrid, Boolean, true, Reset, true, InRecord)                                             \
  A(ShowXZXGrid, Boolean, true, Reset, true, InRecord)                                             \
  A(ShowXZZGrid, Boolean, true, Reset, true, InRecord)                                             \
  A(ShowYZYGrid, Boolean, true, Reset, true, InRecord)                                             \
  A(ShowYZZGrid, Boolean, true, Reset, true, InRecord)                                             \
  A(BetterFonts, Boolean, false, Reset, true, InRecord)                                            \
  A(LabelNumX, Integer, 2, Reset, 2, InRecord)                                                     \
  A(LabelNumY, Integer, 2, Reset, 2, InRecord)                                                     \
  A(LabelNumZ, Integer, 2, Reset, 2, InRecord)                                                     \
  A(XYPanelColor, Integer, AxesSettingsGrey204, Reset, AxesSettingsGrey204, InRecord)              \
  A(XZPanelColor, Integer, AxesSettingsGrey204, Reset, AxesSettingsGrey204, InRecord)              \
  A(YZPanelColor, Integer, AxesSettingsGrey204, Reset, AxesSettingsGrey204, InRecord)              \
  A(XYGridColor, Integer, AxesSettingsGrey153, Reset, AxesSettingsGrey153, InRecord)               \
  A(XZGridColor, Integer, AxesSettingsGrey153, Reset, AxesSettingsGrey153, InRecord)               \
  A(YZGridColor, Integer, AxesSettingsGrey153, Reset, AxesSettingsGrey153, InRecord)               \
  A(XYPanelMaterial, Integer, 4, Reset, 4, InRecord)                                               \
  A(XZPanelMaterial, Integer, 4, Reset, 4, InRecord)                                               \
  A(YZPanelMaterial, Integer, 4, Reset, 4, InRecord)                                               \
  A(AxisColor, Integer, 0, Reset, 0, InRecord)                                                     \
  A(AxisWidth, Integer, 1, Reset, 1, InRecord)                                                     \
  A(TitleX, Name, "X", Reset, "X", InRecord)                                                       \
  A(TitleY, Name, "Y", Reset, "Y", InRecord)                                                       \
  A(TitleZ, Name, "Z", Reset, "Z", InRecord)                                                       \
  A(ShowprimaryGrid, Boolean, false, Keep, false, InRecord)                                        \
  A(ShowSecondaryGrid, Boolean, false, Keep, false, InRecord)                                      \
  A(ShowBackground, Boolean, false, Keep, false, InRecord)                                         \
  A(BackStyle, Integer, 2, Keep, 2, InRecord)                                                      \
  A(BackColor, Integer, AxesSettingsGreen, Keep, AxesSettingsGreen, InRecord)                      \
  A(BackColor2, Integer, AxesSettingsWhite, Keep, AxesSettingsWhite, InRecord)                     \
  A(PriGridColor, Integer, AxesSettingsGreen, Keep, AxesSettingsGreen, InRecord)                   \
  A(SecGridColor, Integer, AxesSettingsGreen, Keep, AxesSettingsGreen, InRecord)                   \
  A(ShowSecondaryLabel, Boolean, true, Keep, true, InRecord)                                       \
  A(ShowPI, Boolean, false, Keep, false, InRecord)                                                 \
  A(ShowShadow, Boolean, false, Keep, false, InRecord)                                             \
  A(AxisStyle, Integer, 1, Keep, 1, NotInRecord)

// Colours of the defaults (blue * 65536 + green * 256 + red).
inline constexpr int32_t AxesSettingsGrey204 = 204 * 65536 + 204 * 256 + 204;
inline constexpr int32_t AxesSettingsGrey153 = 153 * 65536 + 153 * 256 + 153;
inline constexpr int32_t AxesSettingsGreen = 255 * 256;
inline constexpr int32_t AxesSettingsWhite = 255 * 65536 + 255 * 256 + 255;

// The forms of the axes of 3D and 4D documents (AxisStyle).
enum AxisStyleCode : int32_t { PanelStyle = 1, LineStyle = 2 };

enum class AxesSettingsProp : int8_t {
#define AXES_ENUM(nm, ...) nm,
  AXES_PROPERTIES(AXES_ENUM)
#undef AXES_ENUM
};

struct AxesSettingsPropertyInfo {
  std::string_view name;
  PropKind kind;
  bool inRecord;          // carried by the axes record of the document text
  bool resetBySetDefault; // SetDefault sets it (else keeps it)
};

inline constexpr std::array AxesSettingsPropertyTable = {
#define AXES_INFO(nm, kd, cr, mode, sdv, rec)                                                      \
  AxesSettingsPropertyInfo{#nm, PropKind::kd, std::string_view(#rec) == "InRecord",                \
                           std::string_view(#mode) == "Reset"},
    AXES_PROPERTIES(AXES_INFO)
#undef AXES_INFO
};

template <PropKind K> struct AxesSettingsTypeOf;
template <> struct AxesSettingsTypeOf<PropKind::Integer> { using type = int32_t; };
template <> struct AxesSettingsTypeOf<PropKind::Boolean> { using type = bool; };
template <> struct AxesSettingsTypeOf<PropKind::Name> { using type = std::string; };

class AxesSettings {
public:
  AxesSettings() = default;

#define AXES_MEMBER(nm, kd, cr, mode, sdv, rec) AxesSettingsTypeOf<PropKind::kd>::type nm = cr;
  AXES_PROPERTIES(AXES_MEMBER)
#undef AXES_MEMBER

  // Resets the settings of the three-dimensional axes: Show and BetterFonts True, no panels, all
  // six grids, 2 intervals per axis, the grey panels and grids, material 4, titles "X", "Y", "Z",
  // black axes of width 1. AxisStyle and the settings of the 2D plot are kept.
  void SetDefault();

  // The tick step for the range Vmin .. Vmax: 0.2, 0.5 or 1 times a power of ten giving 4 to 10
  // intervals, the tick bounds lower (first multiple of step at or above Vmin) and upper (first
  // at or above Vmax) and the interval count k. A zero range sets Vmin to 0 and measures from 0 to
  // Vmax. A reversed range is measured from its smaller to its larger end, and a range with no
  // extent (0 .. 0) or no finite value as 1 unit from its lower end, so step is always positive.
  static void Coord(float& Vmin, float& Vmax, float& step, float& lower, float& upper, int32_t& k);

  // The value itself when it is whole, else the whole number above it (-1.5 gives -1).
  static float CeilToWhole(float value);

  // Drawing, into the display list being compiled (the axes of the document kind, the 2D grid,
  // the 2D background). The six box values are in data units, scene order; Draw and Draw2DGrid
  // may change minY (Coord) as their callers expect.
  void Draw(int32_t graphType, float& minX, float& maxX, float& minY, float& maxY, float& minZ,
            float& maxZ);
  void Draw2DGrid(float& minX, float& maxX, float& minY, float& maxY, float& minZ, float& maxZ);
  void DrawBackground(float& minX, float& maxX, float& minY, float& maxY, float& minZ, float& maxZ);

  // The axes record of the document text: "0 " when Show is False, else "1 " and the other
  // carried properties, each token followed by one blank.
  std::string Save() const;

  // Any property by id (document reader and writer); a kind that does not match throws
  // std::logic_error.
  int32_t GetInt(AxesSettingsProp p) const;
  bool GetBool(AxesSettingsProp p) const;
  const std::string& GetText(AxesSettingsProp p) const;
  void SetInt(AxesSettingsProp p, int32_t value);
  void SetBool(AxesSettingsProp p, bool value);
  void SetText(AxesSettingsProp p, const std::string& value);

  bool operator==(const AxesSettings&) const = default;
};

// The program-wide axes object, created with its defaults at first use, never replaced.
AxesSettings& DocumentAxes();
