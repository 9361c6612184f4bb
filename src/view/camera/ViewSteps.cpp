#include "view/camera/ViewSteps.h"

#include "model/ProgramState.h"

FitZoom FitZoomFor(int32_t documentType, bool showLegend) {
  if (documentType == DocumentType3D || documentType == DocumentType4D) {
    FitZoom z;
    z.Factor = 2.5f;
    z.Shift = showLegend;
    z.ShiftX = showLegend ? -0.05f : 0.0f;
    return z;
  }
  return FitZoom{};
}

// The view's size comes in whole pixels; a view that has none (minimized, or squeezed to nothing
// by the splitters) gives no step rather than a division by zero.

std::optional<float> ZoomStepFactor(float lastY, float y, int32_t viewWidth, int32_t viewHeight) {
  if (viewWidth <= 0 || viewHeight <= 0) return std::nullopt;
  return static_cast<float>(1.0 - (static_cast<double>(lastY) - y) / viewHeight);
}

std::optional<PanStep> PanStepFor(float lastX, float lastY, float x, float y, int32_t viewWidth,
                                  int32_t viewHeight) {
  if (viewWidth <= 0 || viewHeight <= 0) return std::nullopt;
  PanStep s;
  s.dx = static_cast<float>((static_cast<double>(x) - lastX) / viewWidth);
  s.dy = static_cast<float>((static_cast<double>(lastY) - y) / viewHeight);
  return s;
}

std::optional<TurnStep> TurnStepFor(float lastX, float lastY, float x, float y, int32_t viewWidth,
                                    int32_t viewHeight) {
  if (viewWidth <= 0 || viewHeight <= 0) return std::nullopt;
  const double w = viewWidth, h = viewHeight;
  TurnStep s;
  s.p1x = static_cast<float>((2.0 * lastX - w) / w);
  s.p1y = static_cast<float>((h - 2.0 * lastY) / h);
  s.p2x = static_cast<float>((2.0 * x - w) / w);
  s.p2y = static_cast<float>((h - 2.0 * y) / h);
  return s;
}
