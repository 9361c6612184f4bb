#pragma once
// The arithmetic of the view's commands and mouse drags: the rotation presets, the zoom factor of
// Zoom to Fit, and the zoom, pan and turn step of one mouse move. Pure functions; the main window
// hands their results to the camera and the trackball.

#include <cstdint>
#include <optional>

// A scene rotation preset in degrees (roll about the scene's z axis, pitch about x, yaw about y).
struct RotationPreset {
  float Roll = 0;
  float Pitch = 0;
  float Yaw = 0;
};

constexpr RotationPreset ViewFront{0, 0, 0};
constexpr RotationPreset ViewRight{0, 0, 90};
constexpr RotationPreset ViewTop{0, -90, 0};
constexpr RotationPreset ViewIso{0, -30, 45};

// What Zoom to Fit does after fitting the camera to the scene box: zoom by `Factor` and, when
// `Shift` is set, move the view across by `ShiftX` (room for the colour legend on the right).
struct FitZoom {
  float Factor = 2.3f;
  bool Shift = false;
  float ShiftX = 0;
};
// 3D and 4D documents zoom by 2.5 and, with the legend shown, move by -0.05 of the view; every
// other document zooms by 2.3.
FitZoom FitZoomFor(int32_t documentType, bool showLegend);

// One zoom step of a left drag: 1 - (lastY - y) / height. Dragging down by the whole view height
// doubles the view volume. Nothing for a view of no width or no height.
std::optional<float> ZoomStepFactor(float lastY, float y, int32_t viewWidth, int32_t viewHeight);

// One pan step: the fraction of the view the pointer moved, x to the right and y upwards.
// Nothing for a view of no width or no height.
struct PanStep {
  float dx = 0;
  float dy = 0;
};
std::optional<PanStep> PanStepFor(float lastX, float lastY, float x, float y, int32_t viewWidth,
                                  int32_t viewHeight);

// One turn step: the start and end of the step in view coordinates (-1 .. 1 from edge to edge,
// the centre at 0, y upwards). Nothing for a view of no width or no height.
struct TurnStep {
  float p1x = 0, p1y = 0, p2x = 0, p2y = 0;
};
std::optional<TurnStep> TurnStepFor(float lastX, float lastY, float x, float y, int32_t viewWidth,
                                    int32_t viewHeight);
