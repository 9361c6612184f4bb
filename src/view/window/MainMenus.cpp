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
                         {C("mnuFileNew2D", "2D Graph", "mnuFileNew2D_Click"),
                          C("mnuFileNew25D", "2.5D Graph", "mnuFileNew25D_Click"),
                          C("mnuFileNew3D", "3D Graph", "mnuFileNew3D_Click"),
                          C("mnuFileNew4D", "4D Graph", "mnuFileNew4D_Click"),
                          C("mnuFileSpe", "Special Graph", "mnuFileSpe_Click")}),
                     C("mnuFileOpen", "Open...", "mnuFileOpen_Click"),
                     C("mnuFileSave", "Save", "mnuFileSave_Click"),
                     C("mnuFileSaveAs", "SaveAs...", "mnuFileSaveAs_Click"), Sep(),
                     C("mnuFileSaveAVI", "Save Animation As AVI", "mnuFileSaveAVI_Click"), Sep(),
                     C("mnuFilePrint", "Print...", "mnuFilePrint_Click"), Sep(),
                     C("mnuFileExit", "Exit", "mnuFileExit_Click")}));
  bar.push_back(Sub("mnuEdit", "Edit",
                    {C("mnuEditCut", "Cut", "mnuEditCut_Click"),
                     C("mnuEditCopy", "Copy", "mnuEditCopy_Click"),
                     C("mnuEditCopyAs", "Copy As BMP", "mnuEditCopyAs_Click"),
                     C("mnuEditPaste", "Paste", "mnuEditPaste_Click"), Sep(),
                     C("mnuEditDelete", "Delete", "mnuEditDelete_Click"),
                     C("mnuEditDelAll", "Delete All", "mnuEditDelAll_Click")}));
  bar.push_back(Sub(
      "mnuView", "View",
      {C("mnuViewMove", "Move", "mnuViewMove_Click"), C("mnuViewZoom", "Zoom", "mnuViewZoom_Click"),
       C("mnuViewFit", "Zoom to Fit", "mnuViewFit_Click"),
       C("mnuViewRotX", "Rotate About X Axis", "mnuViewRotX_Click"),
       C("mnuViewRotY", "Rotate About Y Axis", "mnuViewRotY_Click"),
       C("mnuViewRotZ", "Rotate About Z Axis", "mnuViewRotZ_Click"),
       C("mnuViewRotate", "Track Ball", "mnuViewRotate_Click"), Sep(),
       C("mnuViewFront", "Front", "mnuViewFront_Click"),
       C("mnuViewRight", "Right", "mnuViewRight_Click"), C("mnuViewTop", "Top", "mnuViewTop_Click"),
       C("mnuViewISO", "ISO", "mnuViewISO_Click"), Sep(),
       C("mnuViewSet", "Settings...", "mnuViewSet_Click")}));
  bar.push_back(Sub("mnuDraw", "Draw",
                    {C("mnuDrawPoint", "Point", "mnuDrawPoint_Click"),
                     Sub("mnuDrawFun2D", "2D Function Graph",
                         {C("mnuDraw2DCart", "Cartesian", "mnuDraw2DCart_Click"),
                          C("mnuDraw2DPolar", "Polar", "mnuDraw2DPolar_Click")}),
                     Sub("mnuDraw25d", "2.5D Function Graph",
                         {C("mnuDraw25DCart", "Cartesian", "mnuDraw25DCart_Click"),
                          C("mnuDraw25DPolar", "Polar", "mnuDraw25DPolar_Click")}),
                     Sub("mnuDrawFun3D", "3D Function Graph",
                         {C("mnuDraw3DCart", "Cartesian", "mnuDraw3DCart_Click"),
                          C("mnuDraw3DCyl", "Cylindrical", "mnuDraw3DCyl_Click"),
                          C("mnuDraw3DSph", "Spherical", "mnuDraw3DSph_Click")}),
                     C("mnuDrawFun4D", "4D Function Graph", "mnuDrawFun4D_Click"),
                     Sub("mnuDrawTab", "Table Graph",
                         {C("mnuDrawTab2D", "2D", "mnuDrawTab2D_Click"),
                          C("mnuDrawTab25D", "2.5D", "mnuDrawTab25D_Click"),
                          C("mnuDrawTab3D", "3D", "mnuDrawTab3D_Click")}),
                     Sub("mnuDrawAdv", "Advanced Graph",
                         {C("mnuDrawColor", "Color Map", "mnuDrawColor_Click"),
                          C("mnuDrawCon", "Contour Plot", "mnuDrawCon_Click"),
                          C("mnuDrawVector", "Vector Plot", "mnuDrawVector_Click")}),
                     Sub("mnuDrawSpe", "Special Graph",
                         {C("mnuDrawStep", "Step Plot", "mnuDrawStep_Click"),
                          C("mnuDrawHcg", "Stem Plot", "mnuDrawHcg_Click")}),
                     Sep(), C("mnuDrawAxis", "Axis...", "mnuDrawAxis_Click"),
                     C("mnuDrawLight", "Light...", "mnuDrawLight_Click")}));
  bar.push_back(Sub("mnuAni", "Animation",
                    {C("mnuAniPoint", "Point Animation", "mnuAniPoint_Click"),
                     Sub("mnuAni2DCur", "2D Animation",
                         {C("mnuAniCur2DCart", "Cartesian", "mnuAniCur2DCart_Click"),
                          C("mnuAniCur2DPol", "Polar", "mnuAniCur2DPol_Click")}),
                     Sub("mnuAniCur25D", "2.5D Animation",
                         {C("mnuAni25DCurCart", "Cartesian", "mnuAni25DCurCart_Click"),
                          C("mnuAni25DCurPol", "Polar", "mnuAni25DCurPol_Click")}),
                     Sub("mnuAniSur", "3D Animation",
                         {C("mnuAniSurCart", "Cartesian", "mnuAniSurCart_Click"),
                          C("mnuAniSurCyl", "Cylindrical", "mnuAniSurCyl_Click"),
                          C("mnuAniSurSph", "Spherical", "mnuAniSurSph_Click")}),
                     C("mnuAnim4D", "4D Animation", "mnuAnim4D_Click"),
                     Sep(),
                     C("mnuAniStartb", "Start", "mnuAniStartb_Click"),
                     C("mnuAniPause", "Pause", "mnuAniPause_Click"),
                     C("mnuAniStop", "Stop", "mnuAniStop_Click"),
                     C("mnuAniFirst", "First", "mnuAniFirst_Click"),
                     C("mnuAniPre", "Previous", "mnuAniPre_Click"),
                     C("mnuAniNext", "Next", "mnuAniNext_Click"),
                     C("mnuAniLast", "Last", "mnuAniLast_Click"),
                     Sep(),
                     C("mnuAniNormal", "Normal", "mnuAniNormal_Click"),
                     C("mnuAniRev", "Reverse", "mnuAniRev_Click"),
                     C("mnuAniRepeat", "Normal Repeat", "mnuAniRepeat_Click"),
                     C("mnuAniRevRepeat", "Reverse Repeat", "mnuAniRevRepeat_Click"),
                     Sep(),
                     C("mnuAniOpt", "Options...", "mnuAniOpt_Click")}));
  bar.push_back(
      Sub("mnuTool", "Tools", {C("mnuToolCal", "Expression Calculator", "mnuToolCal_Click")}));
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
                    {W("mnuHelpCon", "Contents...", "index.html", "mnuHelpCon_Click"), Sep(),
                     W("mnuHelpHome", "Home Page", "index.html", "mnuHelpHome_Click"),
                     W("mnuHelpCus", "Customer Support", "support.html", "mnuHelpCus_Click"),
                     W("mnuHelpVideo", "Video Tutorials", "tutorial.html", "mnuHelpVideo_Click"),
                     W("mnuHelpTwitter", "Corvalin Tips", "tips.html", "mnuHelpTwitter_Click"),
                     W("mnuHelpFB", "Corvalin Gallery", "gallery.html", "mnuHelpFB_Click"), Sep(),
                     C("mnuHelpAbout", "About...", "mnuHelpAbout_Click")}));
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
                                   {C("mnuGraphPaste", "Paste", "mnuGraphPaste_Click"),
                                    C("mnuGraphCopyAs", "Copy As BMP", "mnuGraphCopyAs_Click"),
                                    C("mnuGraphDelAll", "Delete All", "mnuGraphDelAll_Click"),
                                    Sep(), C("mnuGraphAxis", "Axis...", "mnuGraphAxis_Click"),
                                    C("mnuGraphLight", "Light...", "mnuGraphLight_Click")});
  return menu;
}

const MenuSpec& FunEditSpec() {
  static const MenuSpec menu =
      Sub("FunEdit", "FunEdit",
          {C("mnuFunEdit", "Edit...", "mnuFunEdit_Click"), C("mnuFunCut", "Cut", "mnuFunCut_Click"),
           C("mnuFunCopy", "Copy", "mnuFunCopy_Click"),
           C("mnuFunDelete", "Delete", "mnuFunDelete_Click")});
  return menu;
}

const MenuSpec* FindMenuItem(const std::string& name) {
  if (const MenuSpec* m = FindIn(MenuBarSpec(), name)) return m;
  if (name == GraphEditSpec().Name) return &GraphEditSpec();
  if (name == FunEditSpec().Name) return &FunEditSpec();
  if (const MenuSpec* m = FindIn(GraphEditSpec().Items, name)) return m;
  return FindIn(FunEditSpec().Items, name);
}
