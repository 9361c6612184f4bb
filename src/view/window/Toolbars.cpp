#include "view/window/Toolbars.h"

namespace {

ToolbarButtonSpec Sep(int index, const char* key) {
  return ToolbarButtonSpec{index, key, "", "", "", true};
}

ToolbarButtonSpec Btn(int index, const char* key, const char* tooltip, const char* hint,
                      const char* handler) {
  return ToolbarButtonSpec{index, key, tooltip, hint, handler, false};
}

} // namespace

const std::vector<ToolbarButtonSpec>& MainToolbarButtons() {
  static const std::vector<ToolbarButtonSpec> table = {
      Sep(1, "barSep0"),
      Btn(2, "barNew2D", "New 2D Graphs", "Create new 2d graphs", "mnuFileNew2D_Click"),
      Btn(3, "barNew25D", "New 2.5D Graphs", "Create new 2.5d graphs", "mnuFileNew25D_Click"),
      Btn(4, "barNew3D", "New 3D Graphs", "Create new 3d graphs", "mnuFileNew3D_Click"),
      Btn(5, "barNewSpe", "New Special Graphs", "Create new special graphs", "mnuFileSpe_Click"),
      Sep(6, "barSep1"),
      Btn(7, "barOpen", "Open File", "Open file", "mnuFileOpen_Click"),
      Btn(8, "barSave", "Save File", "Save file", "mnuFileSave_Click"),
      Btn(9, "barSaveAs", "Save File As", "Save file as", "mnuFileSaveAs_Click"),
      Sep(10, "barSep2"),
      Btn(11, "barPrint", "Print", "Print", "mnuFilePrint_Click"),
      Sep(12, "barSep3"),
      Btn(13, "barCut", "Cut Selected Graph", "Cut the selected graph", "mnuEditCut_Click"),
      Btn(14, "barCopy", "Copy Graph", "Copy the selected graph", "mnuEditCopy_Click"),
      Btn(15, "barCopyAs", "Copy Graph As BMP", "Copy graphs as bitmap", "mnuEditCopyAs_Click"),
      Btn(16, "barPaste", "Paste Graph", "Paste", "mnuEditPaste_Click"),
      Btn(17, "varDel", "Delete Selected Graph", "Delete the selected graph",
          "mnuEditDelete_Click"),
      Sep(18, "barSep4"),
      Btn(19, "barHelp", "Online Help", "Get online help", "mnuHelpCon_Click"),
      Sep(20, "barSep6"),
      Sep(21, "barSep7"),
      Btn(22, "barAnimPoints", "Add A Point Animation", "Add a point animation",
          "mnuAniPoint_Click"),
      Btn(23, "barAnim2DCart", "Add A 2D Cartesian Function Graph Animation",
          "Add a 2d Cartesian function graph animation", "mnuAniCur2DCart_Click"),
      Btn(24, "barAnim2DPolar", "Add A 2D Polar Function Graph Animation",
          "Add a 2d polar function graph animation", "mnuAniCur2DPol_Click"),
      Sep(25, "barSep8"),
      Btn(26, "barAnim25DCart", "Add A 2.5D Cartesian Function Graph Animation",
          "Add a 2.5d Cartesian function graph animation", "mnuAni25DCurCart_Click"),
      Btn(27, "barAnim25DPolar", "Add A 2.5D Polar Function Graph Animation",
          "Add a 2.5d polar function graph animation", "mnuAni25DCurPol_Click"),
      Sep(28, "barSep9"),
      Btn(29, "barAnim3DCart", "Add A 3D Cartesian Function Graph Animation",
          "Add a 3d Cartesian function graph animation", "mnuAniSurCart_Click"),
      Btn(30, "barAnim3DCyl", "Add A 3D Cylindrical Function Graph Animation",
          "Add a 3d cylindrical function graph animation", "mnuAniSurCyl_Click"),
      Btn(31, "barAnim3DSph", "Add A 3D Spherical Function Graph Animation",
          "Add a 3d spherical function graph animation", "mnuAniSurSph_Click"),
      Sep(32, "barSep10"),
      Btn(33, "barAnimStart", "Start", "Begin to animate", "mnuAniStartb_Click"),
      Btn(34, "barAnimPause", "Pause", "Pause", "mnuAniPause_Click"),
      Btn(35, "barAnimStop", "Stop", "Stop", "mnuAniStop_Click"),
      Btn(36, "barAnimFirst", "First ", "Show the first frame", "mnuAniFirst_Click"),
      Btn(37, "barAnimPre", "Previous", "Show the previous frame", "mnuAniPre_Click"),
      Btn(38, "barAnimNext", "Next", "Show the next frame", "mnuAniNext_Click"),
      Btn(39, "barAnimLast", "Last", "Show the last frame", "mnuAniLast_Click"),
      Btn(40, "barAnimNormal", "Normal", "Animate once normally", "mnuAniNormal_Click"),
      Btn(41, "barAnimRev", "Reverse", "Animate once reversely", "mnuAniRev_Click"),
      Btn(42, "barAnimNormalRepeat", "Normal Repeat", "Repeat animation normally",
          "mnuAniRepeat_Click"),
      Btn(43, "barAnimRevRepeat", "Reverse Repeat", "Repeat animation reversely",
          "mnuAniRevRepeat_Click"),
  };
  return table;
}

const std::vector<ToolbarButtonSpec>& DrawToolbarButtons() {
  static const std::vector<ToolbarButtonSpec> table = {
      Sep(1, ""),
      Btn(2, "barPoints", "Add A Point", "Add a point", "mnuDrawPoint_Click"),
      Btn(3, "barFun2DCart", "Add A 2D Cartesian Function Graph",
          "Add a 2d Cartesian function graph", "mnuDraw2DCart_Click"),
      Btn(4, "barFun2DPolar", "Add A 2D Polar Function Graph", "Add a 2d polar function graph",
          "mnuDraw2DPolar_Click"),
      Sep(5, "barSep5"),
      Btn(6, "barFun25DCart", "Add A 2.5D Cartesian Function Graph",
          "Add a 2.5d Cartesian function graph", "mnuDraw25DCart_Click"),
      Btn(7, "barFun25DPolar", "Add A 2.5D Polar Function Graph", "Add a 2.5d polar function graph",
          "mnuDraw25DPolar_Click"),
      Sep(8, "barSep6"),
      Btn(9, "barFun3DCart", "Add A 3D Cartesian Function Graph",
          "Add a 3d Cartesian function graph", "mnuDraw3DCart_Click"),
      Btn(10, "barFun3DCyl", "Add A 3D Cylindrical Function Graph",
          "Add a 3d cylindrical function graph", "mnuDraw3DCyl_Click"),
      Btn(11, "barFun3DSph", "Add A 3D Spherical Function Graph",
          "Add a 3d spherical function graph", "mnuDraw3DSph_Click"),
      Sep(12, "barSep7"),
      Btn(13, "barColormap", "Add A Color Map", "Add a color map", "mnuDrawColor_Click"),
      Btn(14, "barContour", "Add A Contour Plot", "Add a contour plot", "mnuDrawCon_Click"),
      Btn(15, "barVectorPlot", "Add A Vector Plot", "Add a vector plot", "mnuDrawVector_Click"),
      Sep(16, "barSep8"),
      Btn(17, "barTab2", "Add A 2D Table Graph", "Add a 2D table graph", "mnuDrawTab2D_Click"),
      Btn(18, "barTab25", "Add A 2.5D Table Graph", "Add a 2.5D table graph",
          "mnuDrawTab25D_Click"),
      Btn(19, "barTab3", "Add A 3D Table Graph", "Add a 3D table graph", "mnuDrawTab3D_Click"),
      Sep(20, "barSep9"),
      Btn(21, "barStep", "Add A Step Plot", "Add a step plot", "mnuDrawStep_Click"),
      Btn(22, "barStem", "Add A Stem Plot", "Add a stem plot", "mnuDrawHcg_Click"),
      Sep(23, "barSep11"),
      Btn(24, "barCoord", "Axis Settings", "Set axis properties", "mnuDrawAxis_Click"),
      Btn(25, "barLight", "Modify Light Properties", "Set light properties", "mnuDrawLight_Click"),
  };
  return table;
}

const std::vector<ToolbarButtonSpec>& ViewToolbarButtons() {
  static const std::vector<ToolbarButtonSpec> table = {
      Btn(1, "barViewFront", "View From Front", "View front", "mnuViewFront_Click"),
      Btn(2, "barViewRight", "View From Right", "View right", "mnuViewRight_Click"),
      Btn(3, "barViewTop", "View From Top", "View top", "mnuViewTop_Click"),
      Btn(4, "barViewISO", "View ISO", "View ISO", "mnuViewISO_Click"),
      Sep(5, "barSep1"),
      Btn(6, "barViewOrtho", "Ortho Projection", "Ortho projection", ""),
      Btn(7, "barViewPer", "Perspective Projection", "Perspective projection", ""),
      Sep(8, "barSep2"),
      Btn(9, "barMove", "Move The Scene", "Move the scene", "mnuViewMove_Click"),
      Btn(10, "barZoom", "Zoom In Or Zoom Out", "Zoom in or zoom out", "mnuViewZoom_Click"),
      Btn(11, "barZoomAll", "Zoom To Fit", "Zoom to fit", "mnuViewFit_Click"),
      Btn(12, "barRotX", "Rotate About X Axis", "Rotate about x axis", "mnuViewRotX_Click"),
      Btn(13, "barRotY", "Rotate About Y Axis", "Rotate about y axis", "mnuViewRotY_Click"),
      Btn(14, "barRotZ", "Rotate About Z Axis", "Rotate about z axis", "mnuViewRotZ_Click"),
      Btn(15, "barTrackBall", "Track Ball", "Rotate the scene", "mnuViewRotate_Click"),
      Sep(16, "barSep3"),
      Btn(17, "barModelPoint", "Point Model", "Point model", ""),
      Btn(18, "barModelGrid", "Grid Model", "Line model", ""),
      Btn(19, "barModelSur", "Surface Model", "Surface model", ""),
      Sep(20, "barSep4"),
      Btn(21, "bar3DFlat", "Flat Surface", "Flat model", ""),
      Btn(22, "bar3DSmooth", "Smooth Surface", "Smooth model", ""),
      Btn(23, "bar3DSmoothest", "Smoothest Surface", "Smoothest model", ""),
  };
  return table;
}

const std::vector<ToolbarButtonSpec>& ToolbarButtons(int toolbar) {
  static const std::vector<ToolbarButtonSpec> none;
  switch (toolbar) {
  case MainToolbar:
    return MainToolbarButtons();
  case DrawToolbar:
    return DrawToolbarButtons();
  case ViewToolbar:
    return ViewToolbarButtons();
  default:
    return none;
  }
}

const ToolbarButtonSpec* FindToolbarButton(int toolbar, std::string_view key) {
  for (const ToolbarButtonSpec& button : ToolbarButtons(toolbar))
    if (key == button.Key) return &button;
  return nullptr;
}

std::optional<std::string> ToolbarHint(const std::vector<ToolbarButtonSpec>& table, float cross,
                                       float barNear, float barFar, float along,
                                       const std::vector<ButtonExtent>& extents) {
  if (!(cross > barNear && cross < barFar)) return std::nullopt;
  for (const ToolbarButtonSpec& button : table) {
    if (button.Separator) continue;
    for (const ButtonExtent& e : extents) {
      if (e.Index != button.Index) continue;
      const float farEdge = e.Near + e.Size;
      if (along > e.Near && along < farEdge) return std::string(button.Hint);
    }
  }
  return ReadyHint;
}
