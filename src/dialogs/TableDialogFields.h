#pragma once
// What the table graph dialogs offer besides the lists all graph dialogs share (DialogFields.h):
// the marker shapes and sizes of the 2D table's scatter plot and the colours a freshly opened 2D
// table dialog shows.

#include <array>
#include <cstdint>
#include <string_view>

namespace DialogFields {

// Marker shapes (Symbol 1 .. 6) in list order.
inline constexpr std::array<std::string_view, 6> MarkerSymbols{
    "SolidCircle", "HollowCircle", "SolidRectangle", "SolidTriangle", "Diamond", "CrossHair"};
inline constexpr std::array<std::string_view, 9> MarkerSizes{"1", "2", "3", "4", "5",
                                                             "6", "7", "8", "9"};
inline constexpr int32_t MarkerSizeOnLoad = 2;

inline constexpr int32_t TableLineColorOnLoad = 128 * 256;     // dark green
inline constexpr int32_t TableScatterColorOnLoad = 64 * 65536; // dark blue
inline constexpr int32_t TableSmoothCurveColorOnLoad = 255;    // red

} // namespace DialogFields
