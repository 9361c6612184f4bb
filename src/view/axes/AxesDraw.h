#pragma once
// Shared pieces of the axes drawing (AxesSettings::Draw, Draw2DGrid, DrawBackground): the tick
// steps the 2D grid and axes share, the settings of the axes box read from the axes object, and
// small emitters that hand the layouts of AxesLayout.h to OpenGL.

#include "view/axes/AxesLayout.h"

#include <vector>

class AxesSettings;

namespace AxesDraw {

// The tick steps of the 2D plot: Coord on copies of the X range and on the caller's own Y range
// (a zero Y range sets minY to 0), then the equal-scale rule and the cap on the tick count.
AxesLayout::Steps2D Steps2D(float minX, float maxX, float& minY, float& maxY);

// The scene centre as the compiler set it.
AxesLayout::Vec3 SceneCentre();

// A colour value as the fractions OpenGL takes.
AxesLayout::Rgbf Fractions(int32_t colour);
void SetColour(int32_t colour);

// The settings of the axes box, read from the axes object, over the given box.
AxesLayout::PanelAxesInput PanelInput(const AxesSettings& axes, float minX, float maxX, float minY,
                                      float maxY, float minZ, float maxZ);

// One batch of line segments.
void Lines(const std::vector<AxesLayout::Segment>& segments);
// Bitmap texts at their raster positions (black).
void Labels(const std::vector<AxesLayout::Label>& labels);
// A line width for glLineWidth from a stored width in pixels (at least 1).
float LineWidth(int32_t pixels);

// The branches of AxesSettings::Draw by document kind.
void DrawAxes2D(const AxesSettings& axes, float minX, float maxX, float& minY, float& maxY);
void DrawAxesBox(const AxesSettings& axes, float& minX, float& maxX, float& minY, float& maxY,
                 float& minZ, float& maxZ);
void DrawAxes25D(const AxesSettings& axes, float& minX, float& maxX, float& minY, float& maxY,
                 float& minZ, float& maxZ);
void DrawAxesSpecial(const AxesSettings& axes, float minX, float maxX, float minY, float maxY,
                     float minZ, float maxZ);

} // namespace AxesDraw
