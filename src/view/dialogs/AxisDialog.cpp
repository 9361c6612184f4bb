#include "view/dialogs/AxisDialog.h"

#include <cmath>
#include <regex>

#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/NumberText.h"
#include "view/dialogs/AxisDialog2D.h"
#include "view/dialogs/AxisDialog3D.h"
#include "view/scene/Scene.h"

namespace {

AxisDialogHooks& Hooks() {
  static AxisDialogHooks hooks;
  return hooks;
}

void Run(const std::function<void()>& hook) {
  if (hook) hook();
}

} // namespace

void SetAxisDialogHooks(AxisDialogHooks hooks) { Hooks() = std::move(hooks); }
const AxisDialogHooks& TheAxisDialogHooks() { return Hooks(); }

void UpdateSceneCenterFromShownGraphs() {
  if (ShownGraphs.FunSurfs.Count() == 0) return;
  // GetBox sets the axis scales of the current scale mode before the centre is taken.
  const BoundingBox box = ShownGraphs.GetBox(0);
  SetSceneCenter(box);
}

bool ShowAxisDialog(QWidget* parent) {
  const AxisDialogHooks& hooks = Hooks();
  if (DocumentType == DocumentType2D) {
    AxisDialog2D dialog(parent);
    dialog.exec();
  } else {
    AxisDialog3D dialog(parent);
    const int result = dialog.exec();
    Run(hooks.Repaint);
    if (result == QDialog::Accepted) {
      // Zoom to Fit measures the box from the scene centre: take the centre of the scale mode
      // just chosen, not the one the last compilation left.
      if (hooks.UpdateSceneCenter)
        hooks.UpdateSceneCenter();
      else
        UpdateSceneCenterFromShownGraphs();
      Run(hooks.ZoomToFit);
    }
  }
  if (!AxisChanged) return false;
  Run(hooks.Rebuild);
  AxisChanged = false;
  return true;
}

namespace AxisDialogCheck {

std::optional<float> ScaleRatio(const std::string& text) {
  static const std::regex number(R"(^\s*[+-]?(\d+([.,]\d*)?|[.,]\d+)([eE][+-]?\d+)?\s*$)");
  if (!std::regex_match(text, number)) return std::nullopt;
  std::string s = text;
  for (char& c : s)
    if (c == ',') c = '.';
  const std::optional<double> value = NumberText::LeadingNumber(s);
  if (!value) return std::nullopt;
  const float ratio = static_cast<float>(*value);
  if (!std::isfinite(ratio) || !(ratio > 0.0f)) return std::nullopt;
  return ratio;
}

std::optional<int32_t> IntervalCount(const std::string& text) {
  const double n = NumberText::RoundHalfEven(NumberText::LeadingValue(text));
  if (!(n >= 1.0 && n <= 500.0)) return std::nullopt;
  return static_cast<int32_t>(n);
}

std::string RatioText(float ratio) { return NumberText::FormatSingle(ratio); }

} // namespace AxisDialogCheck
