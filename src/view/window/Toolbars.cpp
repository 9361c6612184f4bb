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
      Btn(2, "barNew2D", "New 2D Graphs", "Create new 2d graphs", "New2DDocument"),
      Btn(3, "barNew25D", "New 2.5D Graphs", "Create new 2.5d graphs", "New25DDocument"),
      Btn(4, "barNew3D", "New 3D Graphs", "Create new 3d graphs", "New3DDocument"),
      Btn(5, "barNewSpe", "New Special Graphs", "Create new special graphs", "NewSpecialDocument"),
      Sep(6, "barSep1"),
      Btn(7, "barOpen", "Open File", "Open file", "OpenDocumentFile"),
      Btn(8, "barSave", "Save File", "Save file", "SaveDocumentFile"),
      Btn(9, "barSaveAs", "Save File As", "Save file as", "SaveDocumentFileAs"),
      Sep(10, "barSep2"),
      Btn(11, "barPrint", "Print", "Print", "PrintView"),
      Sep(12, "barSep3"),
      Btn(13, "barCut", "Cut Selected Graph", "Cut the selected graph", "CutSelectedGraph"),
      Btn(14, "barCopy", "Copy Graph", "Copy the selected graph", "CopySelectedGraph"),
      Btn(15, "barCopyAs", "Copy Graph As BMP", "Copy graphs as bitmap", "CopyPictureAsBmp"),
      Btn(16, "barPaste", "Paste Graph", "Paste", "PasteCopiedGraph"),
      Btn(17, "varDel", "Delete Selected Graph", "Delete the selected graph",
          "DeleteSelectedGraph"),
      Sep(18, "barSep4"),
      Btn(19, "barHelp", "Online Help", "Get online help", "ShowHelpContents"),
      Sep(20, "barSep6"),
      Sep(21, "barSep7"),
      Btn(22, "barAnimPoints", "Add A Point Animation", "Add a point animation",
          "AddPointAnimation"),
      Btn(23, "barAnim2DCart", "Add A 2D Cartesian Function Graph Animation",
          "Add a 2d Cartesian function graph animation", "Add2DCartesianAnimation"),
      Btn(24, "barAnim2DPolar", "Add A 2D Polar Function Graph Animation",
          "Add a 2d polar function graph animation", "Add2DPolarAnimation"),
      Sep(25, "barSep8"),
      Btn(26, "barAnim25DCart", "Add A 2.5D Cartesian Function Graph Animation",
          "Add a 2.5d Cartesian function graph animation", "Add25DCartesianAnimation"),
      Btn(27, "barAnim25DPolar", "Add A 2.5D Polar Function Graph Animation",
          "Add a 2.5d polar function graph animation", "Add25DPolarAnimation"),
      Sep(28, "barSep9"),
      Btn(29, "barAnim3DCart", "Add A 3D Cartesian Function Graph Animation",
          "Add a 3d Cartesian function graph animation", "Add3DCartesianAnimation"),
      Btn(30, "barAnim3DCyl", "Add A 3D Cylindrical Function Graph Animation",
          "Add a 3d cylindrical function graph animation", "Add3DCylindricalAnimation"),
      Btn(31, "barAnim3DSph", "Add A 3D Spherical Function Graph Animation",
          "Add a 3d spherical function graph animation", "Add3DSphericalAnimation"),
      Sep(32, "barSep10"),
      Btn(33, "barAnimStart", "Start", "Begin to animate", "StartAnimation"),
      Btn(34, "barAnimPause", "Pause", "Pause", "PauseAnimation"),
      Btn(35, "barAnimStop", "Stop", "Stop", "StopAnimation"),
      Btn(36, "barAnimFirst", "First ", "Show the first frame", "ShowFirstFrame"),
      Btn(37, "barAnimPre", "Previous", "Show the previous frame", "ShowPreviousFrame"),
      Btn(38, "barAnimNext", "Next", "Show the next frame", "ShowNextFrame"),
      Btn(39, "barAnimLast", "Last", "Show the last frame", "ShowLastFrame"),
      Btn(40, "barAnimNormal", "Normal", "Animate once normally", "PlayForwardOnce"),
      Btn(41, "barAnimRev", "Reverse", "Animate once reversely", "PlayBackwardOnce"),
      Btn(42, "barAnimNormalRepeat", "Normal Repeat", "Repeat animation normally",
          "PlayForwardRepeatedly"),
      Btn(43, "barAnimRevRepeat", "Reverse Repeat", "Repeat animation reversely",
          "PlayReverseRepeatedly"),
  };
  return table;
}

const std::vector<ToolbarButtonSpec>& DrawToolbarButtons() {
  static const std::vector<ToolbarButtonSpec> table = {
      Sep(1, ""),
      Btn(2, "barPoints", "Add A Point", "Add a point", "AddPoint"),
      Btn(3, "barFun2DCart", "Add A 2D Cartesian Function Graph",
          "Add a 2d Cartesian function graph", "Add2DCartesianGraph"),
      Btn(4, "barFun2DPolar", "Add A 2D Polar Function Graph", "Add a 2d polar function graph",
          "Add2DPolarGraph"),
      Sep(5, "barSep5"),
      Btn(6, "barFun25DCart", "Add A 2.5D Cartesian Function Graph",
          "Add a 2.5d Cartesian function graph", "Add25DCartesianGraph"),
      Btn(7, "barFun25DPolar", "Add A 2.5D Polar Function Graph", "Add a 2.5d polar function graph",
          "Add25DPolarGraph"),
      Sep(8, "barSep6"),
      Btn(9, "barFun3DCart", "Add A 3D Cartesian Function Graph",
          "Add a 3d Cartesian function graph", "Add3DCartesianGraph"),
      Btn(10, "barFun3DCyl", "Add A 3D Cylindrical Function Graph",
          "Add a 3d cylindrical function graph", "Add3DCylindricalGraph"),
      Btn(11, "barFun3DSph", "Add A 3D Spherical Function Graph",
          "Add a 3d spherical function graph", "Add3DSphericalGraph"),
      Sep(12, "barSep7"),
      Btn(13, "barColormap", "Add A Color Map", "Add a color map", "AddColorMap"),
      Btn(14, "barContour", "Add A Contour Plot", "Add a contour plot", "AddContourPlot"),
      Btn(15, "barVectorPlot", "Add A Vector Plot", "Add a vector plot", "AddVectorPlot"),
      Sep(16, "barSep8"),
      Btn(17, "barTab2", "Add A 2D Table Graph", "Add a 2D table graph", "Add2DTableGraph"),
      Btn(18, "barTab25", "Add A 2.5D Table Graph", "Add a 2.5D table graph",
          "Add25DTableGraph"),
      Btn(19, "barTab3", "Add A 3D Table Graph", "Add a 3D table graph", "Add3DTableGraph"),
      Sep(20, "barSep9"),
      Btn(21, "barStep", "Add A Step Plot", "Add a step plot", "AddStepPlot"),
      Btn(22, "barStem", "Add A Stem Plot", "Add a stem plot", "AddStemPlot"),
      Sep(23, "barSep11"),
      Btn(24, "barCoord", "Axis Settings", "Set axis properties", "EditAxisSettings"),
      Btn(25, "barLight", "Modify Light Properties", "Set light properties", "EditLightSettings"),
  };
  return table;
}

const std::vector<ToolbarButtonSpec>& ViewToolbarButtons() {
  static const std::vector<ToolbarButtonSpec> table = {
      Btn(1, "barViewFront", "View From Front", "View front", "ViewFromFront"),
      Btn(2, "barViewRight", "View From Right", "View right", "ViewFromRight"),
      Btn(3, "barViewTop", "View From Top", "View top", "ViewFromTop"),
      Btn(4, "barViewISO", "View ISO", "View ISO", "ViewIsometric"),
      Sep(5, "barSep1"),
      Btn(6, "barViewOrtho", "Ortho Projection", "Ortho projection", ""),
      Btn(7, "barViewPer", "Perspective Projection", "Perspective projection", ""),
      Sep(8, "barSep2"),
      Btn(9, "barMove", "Move The Scene", "Move the scene", "DragToMove"),
      Btn(10, "barZoom", "Zoom In Or Zoom Out", "Zoom in or zoom out", "DragToZoom"),
      Btn(11, "barZoomAll", "Zoom To Fit", "Zoom to fit", "FitViewToGraphs"),
      Btn(12, "barRotX", "Rotate About X Axis", "Rotate about x axis", "DragToRotateAboutX"),
      Btn(13, "barRotY", "Rotate About Y Axis", "Rotate about y axis", "DragToRotateAboutY"),
      Btn(14, "barRotZ", "Rotate About Z Axis", "Rotate about z axis", "DragToRotateAboutZ"),
      Btn(15, "barTrackBall", "Track Ball", "Rotate the scene", "DragWithTrackball"),
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
