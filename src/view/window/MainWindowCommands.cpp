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
      "mnuFileSaveAVI_Click",
      // Edit
      "mnuEditCut_Click", "mnuEditCopy_Click", "mnuEditCopyAs_Click", "mnuEditPaste_Click",
      "mnuEditDelete_Click", "mnuEditDelAll_Click",
      // Draw
      "mnuDrawPoint_Click", "mnuDraw2DCart_Click", "mnuDraw2DPolar_Click", "mnuDraw25DCart_Click",
      "mnuDraw25DPolar_Click", "mnuDraw3DCart_Click", "mnuDraw3DCyl_Click", "mnuDraw3DSph_Click",
      "mnuDrawFun4D_Click", "mnuDrawTab2D_Click", "mnuDrawTab25D_Click", "mnuDrawTab3D_Click",
      "mnuDrawColor_Click", "mnuDrawCon_Click", "mnuDrawVector_Click", "mnuDrawStep_Click",
      "mnuDrawHcg_Click",
      // Animation
      "mnuAniPoint_Click", "mnuAniCur2DCart_Click", "mnuAniCur2DPol_Click",
      "mnuAni25DCurCart_Click", "mnuAni25DCurPol_Click", "mnuAniSurCart_Click",
      "mnuAniSurCyl_Click", "mnuAniSurSph_Click", "mnuAnim4D_Click", "mnuAniStartb_Click",
      "mnuAniPause_Click", "mnuAniStop_Click", "mnuAniFirst_Click", "mnuAniPre_Click",
      "mnuAniNext_Click", "mnuAniLast_Click", "mnuAniNormal_Click", "mnuAniRev_Click",
      "mnuAniRepeat_Click", "mnuAniRevRepeat_Click", "mnuAniOpt_Click",
      // The graph list's pop-up menu, its check boxes, the animation timer
      "mnuFunEdit_Click", "mnuFunCut_Click", "mnuFunCopy_Click", "mnuFunDelete_Click",
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
