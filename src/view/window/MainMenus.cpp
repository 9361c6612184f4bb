#include "view/window/MainMenus.h"

namespace {

// A command item; its handler is its name followed by "_Click".
MenuSpec C(const char* name, const char* caption) {
  MenuSpec m;
  m.Name = name;
  m.Caption = caption;
  m.Handler = std::string(name) + "_Click";
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

// A Demo sample item.
MenuSpec S(const char* name, const char* caption, const char* path) {
  MenuSpec m = C(name, caption);
  m.SamplePath = std::string("samples/") + path;
  return m;
}

// An item that opens a page of the help.
MenuSpec W(const char* name, const char* caption, const char* page) {
  MenuSpec m = C(name, caption);
  m.HelpPage = page;
  return m;
}

std::vector<MenuSpec> BuildMenuBar() {
  std::vector<MenuSpec> bar;
  bar.push_back(
      Sub("mnuFile", "File",
          {Sub("mnuFileNew", "New",
               {C("mnuFileNew2D", "2D Graph"), C("mnuFileNew25D", "2.5D Graph"),
                C("mnuFileNew3D", "3D Graph"), C("mnuFileNew4D", "4D Graph"),
                C("mnuFileSpe", "Special Graph")}),
           C("mnuFileOpen", "Open..."), C("mnuFileSave", "Save"), C("mnuFileSaveAs", "SaveAs..."),
           Sep(), C("mnuFileSaveAVI", "Save Animation As AVI"), Sep(),
           C("mnuFilePrint", "Print..."), Sep(), C("mnuFileExit", "Exit")}));
  bar.push_back(Sub("mnuEdit", "Edit",
                    {C("mnuEditCut", "Cut"), C("mnuEditCopy", "Copy"),
                     C("mnuEditCopyAs", "Copy As BMP"), C("mnuEditPaste", "Paste"), Sep(),
                     C("mnuEditDelete", "Delete"), C("mnuEditDelAll", "Delete All")}));
  bar.push_back(
      Sub("mnuView", "View",
          {C("mnuViewMove", "Move"), C("mnuViewZoom", "Zoom"), C("mnuViewFit", "Zoom to Fit"),
           C("mnuViewRotX", "Rotate About X Axis"), C("mnuViewRotY", "Rotate About Y Axis"),
           C("mnuViewRotZ", "Rotate About Z Axis"), C("mnuViewRotate", "Track Ball"), Sep(),
           C("mnuViewFront", "Front"), C("mnuViewRight", "Right"), C("mnuViewTop", "Top"),
           C("mnuViewISO", "ISO"), Sep(), C("mnuViewSet", "Settings...")}));
  bar.push_back(
      Sub("mnuDraw", "Draw",
          {C("mnuDrawPoint", "Point"),
           Sub("mnuDrawFun2D", "2D Function Graph",
               {C("mnuDraw2DCart", "Cartesian"), C("mnuDraw2DPolar", "Polar")}),
           Sub("mnuDraw25d", "2.5D Function Graph",
               {C("mnuDraw25DCart", "Cartesian"), C("mnuDraw25DPolar", "Polar")}),
           Sub("mnuDrawFun3D", "3D Function Graph",
               {C("mnuDraw3DCart", "Cartesian"), C("mnuDraw3DCyl", "Cylindrical"),
                C("mnuDraw3DSph", "Spherical")}),
           C("mnuDrawFun4D", "4D Function Graph"),
           Sub("mnuDrawTab", "Table Graph",
               {C("mnuDrawTab2D", "2D"), C("mnuDrawTab25D", "2.5D"), C("mnuDrawTab3D", "3D")}),
           Sub("mnuDrawAdv", "Advanced Graph",
               {C("mnuDrawColor", "Color Map"), C("mnuDrawCon", "Contour Plot"),
                C("mnuDrawVector", "Vector Plot")}),
           Sub("mnuDrawSpe", "Special Graph",
               {C("mnuDrawStep", "Step Plot"), C("mnuDrawHcg", "Stem Plot")}),
           Sep(), C("mnuDrawAxis", "Axis..."), C("mnuDrawLight", "Light...")}));
  bar.push_back(Sub("mnuAni", "Animation",
                    {C("mnuAniPoint", "Point Animation"),
                     Sub("mnuAni2DCur", "2D Animation",
                         {C("mnuAniCur2DCart", "Cartesian"), C("mnuAniCur2DPol", "Polar")}),
                     Sub("mnuAniCur25D", "2.5D Animation",
                         {C("mnuAni25DCurCart", "Cartesian"), C("mnuAni25DCurPol", "Polar")}),
                     Sub("mnuAniSur", "3D Animation",
                         {C("mnuAniSurCart", "Cartesian"), C("mnuAniSurCyl", "Cylindrical"),
                          C("mnuAniSurSph", "Spherical")}),
                     C("mnuAnim4D", "4D Animation"),
                     Sep(),
                     C("mnuAniStartb", "Start"),
                     C("mnuAniPause", "Pause"),
                     C("mnuAniStop", "Stop"),
                     C("mnuAniFirst", "First"),
                     C("mnuAniPre", "Previous"),
                     C("mnuAniNext", "Next"),
                     C("mnuAniLast", "Last"),
                     Sep(),
                     C("mnuAniNormal", "Normal"),
                     C("mnuAniRev", "Reverse"),
                     C("mnuAniRepeat", "Normal Repeat"),
                     C("mnuAniRevRepeat", "Reverse Repeat"),
                     Sep(),
                     C("mnuAniOpt", "Options...")}));
  bar.push_back(Sub("mnuTool", "Tools", {C("mnuToolCal", "Expression Calculator")}));
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
                    {W("mnuHelpCon", "Contents...", "index.html"), Sep(),
                     W("mnuHelpHome", "Home Page", "index.html"),
                     W("mnuHelpCus", "Customer Support", "support.html"),
                     W("mnuHelpVideo", "Video Tutorials", "tutorial.html"),
                     W("mnuHelpTwitter", "Corvalin Tips", "tips.html"),
                     W("mnuHelpFB", "Corvalin Gallery", "gallery.html"), Sep(),
                     C("mnuHelpAbout", "About...")}));
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
                                   {C("mnuGraphPaste", "Paste"), C("mnuGraphCopyAs", "Copy As BMP"),
                                    C("mnuGraphDelAll", "Delete All"), Sep(),
                                    C("mnuGraphAxis", "Axis..."), C("mnuGraphLight", "Light...")});
  return menu;
}

const MenuSpec& FunEditSpec() {
  static const MenuSpec menu = Sub("FunEdit", "FunEdit",
                                   {C("mnuFunEdit", "Edit..."), C("mnuFunCut", "Cut"),
                                    C("mnuFunCopy", "Copy"), C("mnuFunDelete", "Delete")});
  return menu;
}

const MenuSpec* FindMenuItem(const std::string& name) {
  if (const MenuSpec* m = FindIn(MenuBarSpec(), name)) return m;
  if (name == GraphEditSpec().Name) return &GraphEditSpec();
  if (name == FunEditSpec().Name) return &FunEditSpec();
  if (const MenuSpec* m = FindIn(GraphEditSpec().Items, name)) return m;
  return FindIn(FunEditSpec().Items, name);
}
