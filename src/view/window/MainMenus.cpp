#include "view/window/MainMenus.h"

namespace {

// A command item that runs the handler of that name.
MenuSpec C(const char* name, const char* caption, const char* handler) {
  MenuSpec m;
  m.Name = name;
  m.Caption = caption;
  m.Handler = handler;
  return m;
}

MenuSpec Sub(const char* name, const char* caption, std::vector<MenuSpec> items) {
  MenuSpec m;
  m.Name = name;
  m.Caption = caption;
  m.Items = std::move(items);
  return m;
}

MenuSpec Sep() { return MenuSpec{}; }

// A Demo sample item: it opens its sample.
MenuSpec S(const char* name, const char* caption, const char* path) {
  MenuSpec m;
  m.Name = name;
  m.Caption = caption;
  m.SamplePath = std::string("samples/") + path;
  return m;
}

// An item that opens a page of the help; with a handler that the window has, that handler runs
// instead.
MenuSpec W(const char* name, const char* caption, const char* page, const char* handler = "") {
  MenuSpec m;
  m.Name = name;
  m.Caption = caption;
  m.Handler = handler;
  m.HelpPage = page;
  return m;
}

std::vector<MenuSpec> BuildMenuBar() {
  std::vector<MenuSpec> bar;
  bar.push_back(Sub("mnuFile", "File",
                    {Sub("mnuFileNew", "New",
                         {C("mnuFileNew2D", "2D Graph", "New2DDocument"),
                          C("mnuFileNew25D", "2.5D Graph", "New25DDocument"),
                          C("mnuFileNew3D", "3D Graph", "New3DDocument"),
                          C("mnuFileNew4D", "4D Graph", "New4DDocument"),
                          C("mnuFileSpe", "Special Graph", "NewSpecialDocument")}),
                     C("mnuFileOpen", "Open...", "OpenDocumentFile"),
                     C("mnuFileSave", "Save", "SaveDocumentFile"),
                     C("mnuFileSaveAs", "SaveAs...", "SaveDocumentFileAs"), Sep(),
                     C("mnuFileSaveAVI", "Save Animation As AVI", "SaveAnimationAsAvi"), Sep(),
                     C("mnuFilePrint", "Print...", "PrintView"), Sep(),
                     C("mnuFileExit", "Exit", "ExitProgram")}));
  bar.push_back(Sub("mnuEdit", "Edit",
                    {C("mnuEditCut", "Cut", "CutSelectedGraph"),
                     C("mnuEditCopy", "Copy", "CopySelectedGraph"),
                     C("mnuEditCopyAs", "Copy As BMP", "CopyPictureAsBmp"),
                     C("mnuEditPaste", "Paste", "PasteCopiedGraph"), Sep(),
                     C("mnuEditDelete", "Delete", "DeleteSelectedGraph"),
                     C("mnuEditDelAll", "Delete All", "DeleteAllGraphs")}));
  bar.push_back(Sub(
      "mnuView", "View",
      {C("mnuViewMove", "Move", "DragToMove"), C("mnuViewZoom", "Zoom", "DragToZoom"),
       C("mnuViewFit", "Zoom to Fit", "FitViewToGraphs"),
       C("mnuViewRotX", "Rotate About X Axis", "DragToRotateAboutX"),
       C("mnuViewRotY", "Rotate About Y Axis", "DragToRotateAboutY"),
       C("mnuViewRotZ", "Rotate About Z Axis", "DragToRotateAboutZ"),
       C("mnuViewRotate", "Track Ball", "DragWithTrackball"), Sep(),
       C("mnuViewFront", "Front", "ViewFromFront"),
       C("mnuViewRight", "Right", "ViewFromRight"), C("mnuViewTop", "Top", "ViewFromTop"),
       C("mnuViewISO", "ISO", "ViewIsometric"), Sep(),
       C("mnuViewSet", "Settings...", "EditViewSettings")}));
  bar.push_back(Sub("mnuDraw", "Draw",
                    {C("mnuDrawPoint", "Point", "AddPoint"),
                     Sub("mnuDrawFun2D", "2D Function Graph",
                         {C("mnuDraw2DCart", "Cartesian", "Add2DCartesianGraph"),
                          C("mnuDraw2DPolar", "Polar", "Add2DPolarGraph")}),
                     Sub("mnuDraw25d", "2.5D Function Graph",
                         {C("mnuDraw25DCart", "Cartesian", "Add25DCartesianGraph"),
                          C("mnuDraw25DPolar", "Polar", "Add25DPolarGraph")}),
                     Sub("mnuDrawFun3D", "3D Function Graph",
                         {C("mnuDraw3DCart", "Cartesian", "Add3DCartesianGraph"),
                          C("mnuDraw3DCyl", "Cylindrical", "Add3DCylindricalGraph"),
                          C("mnuDraw3DSph", "Spherical", "Add3DSphericalGraph")}),
                     C("mnuDrawFun4D", "4D Function Graph", "Add4DGraph"),
                     Sub("mnuDrawTab", "Table Graph",
                         {C("mnuDrawTab2D", "2D", "Add2DTableGraph"),
                          C("mnuDrawTab25D", "2.5D", "Add25DTableGraph"),
                          C("mnuDrawTab3D", "3D", "Add3DTableGraph")}),
                     Sub("mnuDrawAdv", "Advanced Graph",
                         {C("mnuDrawColor", "Color Map", "AddColorMap"),
                          C("mnuDrawCon", "Contour Plot", "AddContourPlot"),
                          C("mnuDrawVector", "Vector Plot", "AddVectorPlot")}),
                     Sub("mnuDrawSpe", "Special Graph",
                         {C("mnuDrawStep", "Step Plot", "AddStepPlot"),
                          C("mnuDrawHcg", "Stem Plot", "AddStemPlot")}),
                     Sep(), C("mnuDrawAxis", "Axis...", "EditAxisSettings"),
                     C("mnuDrawLight", "Light...", "EditLightSettings")}));
  bar.push_back(Sub("mnuAni", "Animation",
                    {C("mnuAniPoint", "Point Animation", "AddPointAnimation"),
                     Sub("mnuAni2DCur", "2D Animation",
                         {C("mnuAniCur2DCart", "Cartesian", "Add2DCartesianAnimation"),
                          C("mnuAniCur2DPol", "Polar", "Add2DPolarAnimation")}),
                     Sub("mnuAniCur25D", "2.5D Animation",
                         {C("mnuAni25DCurCart", "Cartesian", "Add25DCartesianAnimation"),
                          C("mnuAni25DCurPol", "Polar", "Add25DPolarAnimation")}),
                     Sub("mnuAniSur", "3D Animation",
                         {C("mnuAniSurCart", "Cartesian", "Add3DCartesianAnimation"),
                          C("mnuAniSurCyl", "Cylindrical", "Add3DCylindricalAnimation"),
                          C("mnuAniSurSph", "Spherical", "Add3DSphericalAnimation")}),
                     C("mnuAnim4D", "4D Animation", "Add4DAnimation"),
                     Sep(),
                     C("mnuAniStartb", "Start", "StartAnimation"),
                     C("mnuAniPause", "Pause", "PauseAnimation"),
                     C("mnuAniStop", "Stop", "StopAnimation"),
                     C("mnuAniFirst", "First", "ShowFirstFrame"),
                     C("mnuAniPre", "Previous", "ShowPreviousFrame"),
                     C("mnuAniNext", "Next", "ShowNextFrame"),
                     C("mnuAniLast", "Last", "ShowLastFrame"),
                     Sep(),
                     C("mnuAniNormal", "Normal", "PlayForwardOnce"),
                     C("mnuAniRev", "Reverse", "PlayBackwardOnce"),
                     C("mnuAniRepeat", "Normal Repeat", "PlayForwardRepeatedly"),
                     C("mnuAniRevRepeat", "Reverse Repeat", "PlayReverseRepeatedly"),
                     Sep(),
                     C("mnuAniOpt", "Options...", "EditAnimationOptions")}));
  bar.push_back(
      Sub("mnuTool", "Tools", {C("mnuToolCal", "Expression Calculator", "ShowExpressionCalculator")}));
  bar.push_back(Sub(
      "mnuDemo", "Demo",
      {W("mnuDemoGallery", "Gallery", "gallery.html"), Sep(),
       S("mnuDemoPoint", "Point", "2D/point.crv"),
       Sub("mnuDemo2D", "2D Graph",
           {Sub("mnuDemo2DCart", "Cartesian",
                {S("mnudemoarcsin", "arcsin & arccos", "2D/asinacos.crv"),
                 S("mnuDemoCompare", "Compare", "2D/compare.crv"),
                 S("mnuDemoPara", "Cubic Parabola", "2D/cubic parabola.crv"),
                 S("mnuDemoEllipse", "Ellipse", "2D/ellipse.crv"),
                 S("mnuDemoParaLine", "Parabola & Line", "2D/parabola and line.crv"),
                 S("mnuDemoProb", "Probability Curve", "2D/probability curve.crv"),
                 S("mnuDemoRational", "Rational", "2D/rational.crv"),
                 S("mnuDemoSine", "Sine & Cosine", "2D/sin.crv"),
                 S("mnuDemoSinSurge", "Sine Surge", "2D/sin surge.crv")}),
            Sub("mnuDemo2DPolar", "Polar",
                {S("mnuDemoButterfly", "Butterfly", "2D/butterfly.crv"),
                 S("mnuDemoCycloid", "Cycloid", "2D/cycloid.crv"),
                 S("mnuDemoFlower", "Flower", "2D/flower.crv"),
                 S("mnuDemoLogHelix", "Logarithm Helix Line", "2D/logarithm helix line.crv"),
                 S("mnuDemoRoseFour", "Rose With Four Leaves", "2D/rose with four leaves.crv"),
                 S("mnuDemoRoseThree", "Rose With Three Leaves", "2D/rose with three leaves.crv"),
                 S("mnuDemoStar", "Star", "2D/star.crv")}),
            S("mnuDemo2DPara", "Parametric", "2D/cycloid.crv"),
            S("mnuDemo2DPiece", "Piecewise", "2D/piecewise2.crv"),
            S("mnuDemo2DImp", "Implicit", "2D/equation1.crv"),
            S("mnuDemo2DInequal", "Inequality", "2D/inequation2.crv"), Sep(),
            S("mnuDemo2DStep", "Step Plot", "2D/step.crv"),
            S("mnuDemoStem", "Stem Plot", "2D/stem.crv"), Sep(),
            S("mnuDemo2DEA", "Equation Animation", "animation/2D/sinexp.crv"),
            S("mnuDemo2DIA", "Inequality Animation", "animation/2D/inequation.crv"), Sep(),
            W("mnuDemoFC", "Famous Curves", "curves.html")}),
       Sub("mnuDemo25D", "2.5D Graph",
           {S("mnuDemo25DCart", "Cartesian", "25D/sin.crv"),
            S("mnuDemo25DPolar", "Polar", "25D/heart.crv"),
            S("mnuDemo25DAnim", "Animation", "animation/2.5D/sin.crv")}),
       Sub("mnuDemo3D", "3D Graph",
           {Sub("mnuDemo3DCart", "Cartesian",
                {S("mnuDemoDini", "Dini's Surface", "3D/dini's surface.crv"),
                 S("mnuDemoMoon", "Double Moons", "3D/double moon.crv"),
                 S("mnuDemoHorn", "Horn", "3D/horn.crv"), S("mnuDemoLeaf", "Leaf", "3D/leaves.crv"),
                 S("mnuDemoLotus", "Lotus", "3D/lotus.crv"),
                 S("mnuDemoSaddle", "Saddle Backed", "3D/saddle-backed.crv")}),
            Sub("mnuDemo3DCyl", "Cylindrical",
                {S("mnuDemoBasin", "Basin", "3D/basin.crv"),
                 S("mnuDemoCone", "Cone", "3D/cone.crv"),
                 S("mnuDemoCylinder", "Cylinder", "3D/cylinder.crv"),
                 S("mnuDemoFeather", "Feather", "3D/feather.crv"),
                 S("mnuDemoIsoland", "Isoland", "3D/isoland.crv"),
                 S("mnuDemoJar", "Jar", "3D/jar.crv"),
                 S("mnuDemoRingPipe", "Ring", "3D/ring pipe.crv"),
                 S("mnuDemoWave", "Wave", "3D/waves.crv")}),
            Sub("mnuDemo3DSph", "Spherical",
                {S("mnuDemoApple", "Apple", "3D/apple.crv"),
                 S("mnuDemoRose", "Rose", "3D/rose.crv"),
                 S("mnuDemoSphere", "Sphere", "3D/sphere.crv")}),
            S("mnuDemo3DCurve", "3D Curve", "3D/ring line.crv"),
            Sub("mnuDemo3DImp", "Implicit",
                {S("mnuDemoImpSphere", "Sphere", "3D/implicit.crv"),
                 S("mnuDemoImpHyper", "Two Leaves Hyperboloid", "3D/two leaves hyperboloid.crv"),
                 S("mnuDemoImpAni", "Animation", "3D/implicit animation.crv")}),
            S("mnuDemoInter", "Intersection", "3D/intersection.crv"), Sep(),
            S("mnuDemo3DAnim1", "Animation1", "animation/3D/apple.crv"),
            S("mnuDemo3DAnim2", "Animation2", "animation/3D/horn.crv"),
            S("mnuDemo3DAnim3", "Animation3", "animation/3D/wave.crv"),
            S("mnuDemo3DAnim4", "Animation4", "animation/3D/twist.crv"),
            S("mnuDemoAnim5", "Animation5", "animation/3D/amorphous.crv"),
            S("mnuDemoAnim6", "Animation6", "animation/3D/lantern.crv"),
            S("mnuDemoAnim7", "Animation7", "animation/3D/twistcurve.crv")}),
       Sub("mnuDemo4D", "4D Graph",
           {S("mnuDemo4Dslice", "4D Slice", "4D/4d-slice.crv"),
            S("mnuDemo4Diso", "4D Isosurface", "4D/4d-isosurface.crv"),
            S("mnuDemo4Dsliceiso", "4D Slice + Isosurface", "4D/4d-slice-isosurface.crv"), Sep(),
            S("mnuDemo4DSA", "4D Slice Animation", "animation/4D/4d-slice.crv"),
            S("mnuDemo4DIA", "4D Isosurface Animation", "animation/4D/4d-isosurface.crv")}),
       Sub("mnuDemoTab", "Table Graph",
           {S("mnuDemoTabSca", "2D Scatter Plot", "Table/2D_Scatter.crv"),
            S("mnuDemoTabLine", "2D Line Plot", "Table/2D_line.crv"),
            S("mnuDemoTabCS", "2D Curve Smoothing", "Table/2D_curve smoothing.crv"),
            S("mnuDemoTabRC", "2.5D Ribbon Chart", "Table/25D_3.crv"),
            S("mnuDemoTabSur", "3D Surface", "Table/3D_u2v2.crv")}),
       Sub("mnuDemoAdv", "Advanced Graph",
           {S("mnuDemoAdvCS", "Contour + Surface", "Adv/samp8.crv"),
            S("mnuDemoAdvCC", "Color Map + Contour", "Adv/samp1.crv"),
            S("mnuDemoAdvCV", "Contour + Vector", "Adv/samp7.crv")})}));
  bar.push_back(Sub("mnuHelp", "Help",
                    {W("mnuHelpCon", "Contents...", "index.html", "ShowHelpContents"), Sep(),
                     W("mnuHelpHome", "Home Page", "index.html", "ShowHomePage"),
                     W("mnuHelpCus", "Customer Support", "support.html", "ShowCustomerSupport"),
                     W("mnuHelpVideo", "Video Tutorials", "tutorial.html", "ShowVideoTutorials"),
                     W("mnuHelpTwitter", "Corvalin Tips", "tips.html", "ShowTips"),
                     W("mnuHelpFB", "Corvalin Gallery", "gallery.html", "ShowGallery"), Sep(),
                     C("mnuHelpAbout", "About...", "ShowAboutBox")}));
  return bar;
}

const MenuSpec* FindIn(const std::vector<MenuSpec>& items, const std::string& name) {
  for (const MenuSpec& m : items) {
    if (!m.Name.empty() && m.Name == name) return &m;
    if (const MenuSpec* found = FindIn(m.Items, name)) return found;
  }
  return nullptr;
}

} // namespace

const std::vector<MenuSpec>& MenuBarSpec() {
  static const std::vector<MenuSpec> bar = BuildMenuBar();
  return bar;
}

const MenuSpec& GraphEditSpec() {
  static const MenuSpec menu = Sub("GraphEdit", "GraphEdit",
                                   {C("mnuGraphPaste", "Paste", "ViewPopupPasteCopiedGraph"),
                                    C("mnuGraphCopyAs", "Copy As BMP", "ViewPopupCopyPictureAsBmp"),
                                    C("mnuGraphDelAll", "Delete All", "ViewPopupDeleteAllGraphs"),
                                    Sep(), C("mnuGraphAxis", "Axis...", "ViewPopupEditAxisSettings"),
                                    C("mnuGraphLight", "Light...", "ViewPopupEditLightSettings")});
  return menu;
}

const MenuSpec& FunEditSpec() {
  static const MenuSpec menu =
      Sub("FunEdit", "FunEdit",
          {C("mnuFunEdit", "Edit...", "EditGraph"), C("mnuFunCut", "Cut", "ListPopupCutGraph"),
           C("mnuFunCopy", "Copy", "ListPopupCopyGraph"),
           C("mnuFunDelete", "Delete", "ListPopupDeleteGraph")});
  return menu;
}

const MenuSpec* FindMenuItem(const std::string& name) {
  if (const MenuSpec* m = FindIn(MenuBarSpec(), name)) return m;
  if (name == GraphEditSpec().Name) return &GraphEditSpec();
  if (name == FunEditSpec().Name) return &FunEditSpec();
  if (const MenuSpec* m = FindIn(GraphEditSpec().Items, name)) return m;
  return FindIn(FunEditSpec().Items, name);
}
