#pragma once
// The Axis command of the Draw menu (EditAxisSettings, also the view's pop-up "Axis..." and the
// draw toolbar's axis button): shows the Axis Properties dialog that suits the document
// (AxisDialog2D for 2D documents, AxisDialog3D for the others) and, after OK, brings the view up to
// date. Also the checks both dialogs make of what the user typed before OK takes it.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QWidget;

// What the Axis command needs of the main window. Each hook may be empty (then it does nothing),
// except UpdateSceneCenter, which by default computes the scene centre from the shown graphs.
struct AxisDialogHooks {
  // The view presents the scene as it stands (the main window's paint).
  std::function<void()> Repaint;
  // SceneCenterX .. SceneCenterZ from the shown graphs' box under the current scale mode, as the
  // scene compiler computes them.
  std::function<void()> UpdateSceneCenter;
  // Zoom to Fit (MainWindow.FitViewToGraphs).
  std::function<void()> ZoomToFit;
  // BuildScene, then MainWindow.Display with CurrentFrame.
  std::function<void()> Rebuild;
};

// Installs the hooks (the main window does, when it is created).
void SetAxisDialogHooks(AxisDialogHooks hooks);
const AxisDialogHooks& TheAxisDialogHooks();

// The scene centre of the shown graphs under the current axis scales (the default of
// UpdateSceneCenter): the midpoint of ShownGraphs' box for step 0 over AxisScaleX .. AxisScaleZ;
// unchanged when no graph is shown.
void UpdateSceneCenterFromShownGraphs();

// EditAxisSettings: shows AxisDialog2D (DocumentType2D) or AxisDialog3D modally over parent. After
// AxisDialog3D has closed, the view repaints, and after its OK the scene centre is recomputed under
// the new scale mode and Zoom to Fit runs. When the axes changed (AxisChanged), the scene is
// rebuilt and presented and AxisChanged becomes False. Returns whether the axes changed.
bool ShowAxisDialog(QWidget* parent);

namespace AxisDialogCheck {

// The messages of the refused values (title "Error").
inline const std::string RatioMessage =
    "Please enter a number greater than 0 for each scale ratio.";
inline const std::string IntervalMessage =
    "Please enter a whole number from 1 to 500 for each axis interval count.";
inline const std::string Title = "Error";

// A scale ratio typed by the user: the whole text (blanks around it allowed) must be a number,
// with "." or "," as decimal separator, finite and greater than 0 in single precision.
std::optional<float> ScaleRatio(const std::string& text);

// An axis interval count typed by the user: the number at the start of the text, rounded to the
// nearest whole number (halves to the even one), accepted from 1 to 500 (the label tables of
// the axes hold 501 division points).
std::optional<int32_t> IntervalCount(const std::string& text);

// A scale ratio as the dialogs show it: the single-precision value's general text with ".".
std::string RatioText(float ratio);

} // namespace AxisDialogCheck
