#include "view/window/MainWindowCommands.h"

#include <algorithm>
#include <map>

namespace MainWindowCommands {

namespace {

struct Registry {
  std::map<std::string, std::function<void()>, std::less<>> handlers;
  std::function<void()> removeAllGraphs;
  std::function<void(int32_t)> enableCommands;
};

Registry& R() {
  static Registry registry;
  return registry;
}

} // namespace

const std::vector<std::string_view>& Names() {
  static const std::vector<std::string_view> names = {
      // File
      "SaveAnimationAsAvi",
      // Edit
      "CutSelectedGraph", "CopySelectedGraph", "CopyPictureAsBmp", "PasteCopiedGraph",
      "DeleteSelectedGraph", "DeleteAllGraphs",
      // Draw
      "AddPoint", "Add2DCartesianGraph", "Add2DPolarGraph", "Add25DCartesianGraph",
      "Add25DPolarGraph", "Add3DCartesianGraph", "Add3DCylindricalGraph", "Add3DSphericalGraph",
      "Add4DGraph", "Add2DTableGraph", "Add25DTableGraph", "Add3DTableGraph",
      "AddColorMap", "AddContourPlot", "AddVectorPlot", "AddStepPlot",
      "AddStemPlot",
      // Animation
      "AddPointAnimation", "Add2DCartesianAnimation", "Add2DPolarAnimation",
      "Add25DCartesianAnimation", "Add25DPolarAnimation", "Add3DCartesianAnimation",
      "Add3DCylindricalAnimation", "Add3DSphericalAnimation", "Add4DAnimation", "StartAnimation",
      "PauseAnimation", "StopAnimation", "ShowFirstFrame", "ShowPreviousFrame",
      "ShowNextFrame", "ShowLastFrame", "PlayForwardOnce", "PlayBackwardOnce",
      "PlayForwardRepeatedly", "PlayReverseRepeatedly", "EditAnimationOptions",
      // The graph list's pop-up menu, its check boxes, the animation timer
      "EditGraph", "ListPopupCutGraph", "ListPopupCopyGraph", "ListPopupDeleteGraph",
      "OnGraphListCheck", "OnAnimationTimer"};
  return names;
}

bool Set(std::string_view name, std::function<void()> handler) {
  const auto& names = Names();
  if (std::find(names.begin(), names.end(), name) == names.end()) return false;
  if (handler)
    R().handlers[std::string(name)] = std::move(handler);
  else
    R().handlers.erase(std::string(name));
  return true;
}

bool Installed(std::string_view name) { return R().handlers.find(name) != R().handlers.end(); }

bool Run(std::string_view name) {
  const auto it = R().handlers.find(name);
  if (it == R().handlers.end()) return false;
  // A copy, so that a handler may replace itself while it runs.
  const std::function<void()> handler = it->second;
  handler();
  return true;
}

void SetRemoveAllGraphs(std::function<void()> remove) { R().removeAllGraphs = std::move(remove); }
const std::function<void()>& RemoveAllGraphs() { return R().removeAllGraphs; }

void SetEnableCommands(std::function<void(int32_t)> enable) {
  R().enableCommands = std::move(enable);
}
const std::function<void(int32_t)>& EnableCommands() { return R().enableCommands; }

void Clear() { R() = Registry{}; }

} // namespace MainWindowCommands
