// corvalin_samplegen: writes the sample documents that the Demo menu opens, each built as graphs
// with chosen formulas, domains, steps, colours and materials and saved through the program's own
// document writer, so that every sample is exactly what Corvalin itself would save.
//
//   corvalin_samplegen SAMPLES_FOLDER     writes every sample below the folder (sub-folders made)
//   corvalin_samplegen --check FOLDER     says which samples below the folder differ from what it
//                                         would write (exit status 1 when any does)
//   corvalin_samplegen --list             prints the relative paths, one a line

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "model/AxesSettings.h"
#include "model/Graph.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "render/surfaces/ColorSchemes.h"

namespace {

using GraphRef = std::shared_ptr<Graph>;

constexpr int32_t Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// Colours used across the samples.
constexpr int32_t Red = Rgb(220, 30, 30);
constexpr int32_t DarkRed = Rgb(160, 0, 40);
constexpr int32_t Blue = Rgb(20, 70, 210);
constexpr int32_t Navy = Rgb(0, 30, 120);
constexpr int32_t Green = Rgb(0, 150, 60);
constexpr int32_t Orange = Rgb(240, 130, 0);
constexpr int32_t Purple = Rgb(130, 40, 170);
constexpr int32_t Teal = Rgb(0, 140, 150);
constexpr int32_t Pink = Rgb(230, 60, 150);
constexpr int32_t Gold = Rgb(240, 190, 0);
constexpr int32_t Grey = Rgb(150, 150, 150);
constexpr int32_t Black = 0;
constexpr int32_t Sky = Rgb(90, 170, 255);
constexpr int32_t Leaf = Rgb(40, 170, 40);

// Material presets that suit the samples.
constexpr int32_t MetalMaterial = 4;
constexpr int32_t SilkyMaterial = 9;

constexpr float Pi = 3.1415927f;

// One document: its kind, its graphs in order, its axes and scale settings, and for animated
// documents the frame count and speed the records carry.
struct Doc {
  int32_t type = DocumentType2D;
  std::vector<GraphRef> graphs;
  AxesSettings axes;
  ScaleSettings scale;
  int32_t frames = 10;
  int32_t speed = 10;

  GraphRef Add(GraphRef g) {
    g->ID = static_cast<int32_t>(graphs.size()) + 1;
    graphs.push_back(g);
    return g;
  }
};

// A new document of a kind with the axes and scale a new document of that kind gets; 2D and
// Special documents show their primary grid.
Doc NewDoc(int32_t type) {
  Doc d;
  d.type = type;
  d.axes.SetDefault();
  if (type == DocumentType2D || type == DocumentTypeSpecial) {
    d.axes.BetterFonts = false;
    d.axes.ShowprimaryGrid = true;
    d.axes.PriGridColor = Rgb(215, 215, 215);
  }
  d.scale.mode = (type == DocumentType2D || type == DocumentType25D) ? ScaleEqual : ScaleSquare;
  return d;
}

// Heights drawn `vertical` times as long as a unit across: low hills and ripples stay visible
// without being stretched to a cube.
void Exaggerate(Doc& d, float vertical) {
  d.scale.mode = ScaleCustom;
  d.scale.ratioY = vertical;
}

GraphRef NewGraph(int32_t type, const std::string& name) {
  auto g = std::make_shared<Graph>();
  g->GraphType = type;
  g->NameS = name;
  g->ExpressX = "0";
  g->ExpressY = "0";
  g->ExpressZ = "0";
  g->StepW = 1; // as sampling leaves it
  return g;
}

void UseScheme(Graph& g, const char* name) {
  g.ColorName = name;
  WriteColorScheme(g, *FindColorScheme(name));
}

// ---- 2D graphs ------------------------------------------------------------------------------

// The curve's line.
void Line(Graph& g, int32_t colour, int32_t width) {
  g.Show2DCurve = true;
  g.LineColor = colour;
  g.LineWidth = width;
}

// y = f(x) over min .. max.
GraphRef Explicit2D(const std::string& name, const std::string& f, float min, float max,
                    int32_t steps, int32_t colour, int32_t width = 2) {
  GraphRef g = NewGraph(Curve2D, name);
  g->CoordType = Cartesian2D;
  g->FunForm = Explicit;
  g->ExpressZ = f;
  g->MinV = min;
  g->MaxV = max;
  g->StepV = steps;
  Line(*g, colour, width);
  return g;
}

// r = f(a) over min .. max.
GraphRef Polar2D(const std::string& name, const std::string& f, float min, float max, int32_t steps,
                 int32_t colour, int32_t width = 2) {
  GraphRef g = Explicit2D(name, f, min, max, steps, colour, width);
  g->CoordType = Polar;
  return g;
}

// x = fx(u), y = fy(u) over min .. max.
GraphRef Parametric2D(const std::string& name, const std::string& fx, const std::string& fy,
                      float min, float max, int32_t steps, int32_t colour, int32_t width = 2) {
  GraphRef g = Explicit2D(name, fy, min, max, steps, colour, width);
  g->FunForm = Parametric;
  g->ExpressY = fx;
  return g;
}

// The zero curve (Implicit) or the region where f < 0 (Inequality) over a rectangle.
GraphRef Region2D(int32_t form, const std::string& name, const std::string& f, float minX,
                  float maxX, float minY, float maxY, int32_t colour, int32_t width = 2) {
  GraphRef g = NewGraph(Curve2D, name);
  g->CoordType = Cartesian2D;
  g->FunForm = form;
  g->ExpressZ = f;
  g->MinU = minX;
  g->MaxU = maxX;
  g->MinV = minY;
  g->MaxV = maxY;
  g->StepU = 90;
  g->StepV = 90;
  g->FirstColor = colour; // the implicit curve's colour
  g->SecondColor = colour;
  g->LineColor = colour; // the region's colour
  g->LineWidth = width;
  return g;
}

// A number as a formula text ("9.424778", "-1").
std::string Number(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(v));
  return text;
}

GraphRef Point2D(const std::string& name, float x, float y, int32_t colour, float size,
                 bool hollow) {
  GraphRef g = NewGraph(PointMarker, name);
  g->CoordType = Cartesian2D;
  g->ExpressY = Number(x);
  g->ExpressZ = Number(y);
  g->PointColor = colour;
  g->PointSize = size;
  g->PointHollow = hollow;
  return g;
}

// ---- 2.5D ribbons ---------------------------------------------------------------------------

void RibbonStyle(Graph& g, int32_t first, int32_t second) {
  g.FillStyle = GradientLeftRight;
  g.FirstColor = first;
  g.SecondColor = second;
  g.LineColor = Black;
  g.LineWidth = 1;
  g.Material = MetalMaterial;
  g.Show2DCurve = true;
}

// ---- surfaces -------------------------------------------------------------------------------

void SurfaceStyle(Graph& g, int32_t fill, int32_t first, int32_t second, int32_t material) {
  g.FillStyle = fill;
  g.FirstColor = first;
  g.SecondColor = second;
  g.LineColor = Black;
  g.LineWidth = 1;
  g.Material = material;
  g.Show = ModelSurface;
  g.Smoothness = ShadeSmoothest;
}

GraphRef Surface(int32_t type, int32_t coord, int32_t form, const std::string& name,
                 const std::string& fx, const std::string& fy, const std::string& fz, float minU,
                 float maxU, int32_t stepU, float minV, float maxV, int32_t stepV) {
  GraphRef g = NewGraph(type, name);
  g->CoordType = coord;
  g->FunForm = form;
  g->ExpressX = fx;
  g->ExpressY = fy;
  g->ExpressZ = fz;
  g->MinU = minU;
  g->MaxU = maxU;
  g->StepU = stepU;
  g->MinV = minV;
  g->MaxV = maxV;
  g->StepV = stepV;
  SurfaceStyle(*g, GradientTopBottom, Orange, Blue, MetalMaterial);
  return g;
}

// z = f(x, y).
GraphRef Cartesian(const std::string& name, const std::string& f, float minX, float maxX,
                   float minY, float maxY, int32_t steps, int32_t type = Surface3D) {
  return Surface(type, Cartesian3D, Explicit, name, "x", "y", f, minX, maxX, steps, minY, maxY,
                 steps);
}

// z = f(a, r): a over 0 .. 2 pi, r over minR .. maxR.
GraphRef Cylinder(const std::string& name, const std::string& f, float minR, float maxR,
                  int32_t type = Surface3D) {
  return Surface(type, Cylindrical, Explicit, name, "a", "r", f, 0, 2 * Pi, 60, minR, maxR, 30);
}

// r = f(a, b): a over 0 .. 2 pi, b (from the vertical) over 0 .. pi.
GraphRef Sphere(const std::string& name, const std::string& f, int32_t type = Surface3D) {
  return Surface(type, Spherical, Explicit, name, "a", "b", f, 0, 2 * Pi, 60, 0, Pi, 40);
}

// Three formulas of u and v in the coordinates given.
GraphRef ParamSurface(int32_t coord, const std::string& name, const std::string& fx,
                      const std::string& fy, const std::string& fz, float minU, float maxU,
                      int32_t stepU, float minV, float maxV, int32_t stepV,
                      int32_t type = Surface3D) {
  return Surface(type, coord, Parametric, name, fx, fy, fz, minU, maxU, stepU, minV, maxV, stepV);
}

// f(x, y, z) = 0 over a box.
GraphRef ImplicitSurface(const std::string& name, const std::string& f, float min, float max,
                         int32_t steps, int32_t colour, int32_t type = Surface3D) {
  GraphRef g =
      Surface(type, Cartesian3D, Implicit, name, f, "0", "0", min, max, steps, min, max, steps);
  g->MinW = min;
  g->MaxW = max;
  g->StepW = steps;
  SurfaceStyle(*g, SingleColor, colour, colour, SilkyMaterial);
  return g;
}

void Animate(Graph& g, float minT, float maxT) {
  g.Animation = true;
  g.MinT = minT;
  g.MaxT = maxT;
}

// ---- 3D curves ------------------------------------------------------------------------------

GraphRef Curve3DParametric(const std::string& name, const std::string& fx, const std::string& fy,
                           const std::string& fz, float min, float max, int32_t steps,
                           int32_t colour, int32_t type = Curve3D) {
  GraphRef g = NewGraph(type, name);
  g->CoordType = Cartesian3D;
  g->FunForm = Parametric;
  g->ExpressX = fx;
  g->ExpressY = fy;
  g->ExpressZ = fz;
  g->MinU = min;
  g->MaxU = max;
  g->StepU = steps;
  g->SecondColor = colour; // the colour of a 3D curve
  g->LineColor = colour;
  g->LineWidth = 1;
  g->Material = MetalMaterial;
  return g;
}

// ---- 4D graphs ------------------------------------------------------------------------------

GraphRef Function4DGraph(const std::string& name, const std::string& f, float min, float max,
                         int32_t steps, int32_t type = Function4D) {
  GraphRef g = NewGraph(type, name);
  g->CoordType = Cartesian3D;
  g->FunForm = Explicit;
  g->ExpressV = f;
  g->MinU = g->MinV = g->MinW = min;
  g->MaxU = g->MaxV = g->MaxW = max;
  g->StepU = g->StepV = g->StepW = steps;
  g->FillStyle = ColorMapFill;
  g->FirstColor = Red;
  g->SecondColor = Blue;
  g->LineWidth = 1;
  g->Material = SilkyMaterial;
  UseScheme(*g, "RAINBOW");
  return g;
}

// A slice across the whole grid, filled with the colour map and carrying contours.
void SliceZ(Graph& g, float at, bool contours, float spacing) {
  const int32_t n = ++g.Slice4NumZ;
  g.Slice4Z[n] = at;
  g.Slice4XYXB[n] = 1;
  g.Slice4XYXE[n] = g.StepU + 1;
  g.Slice4XYYB[n] = 1;
  g.Slice4XYYE[n] = g.StepV + 1;
  g.SliceZShowColor[n] = true;
  g.SliceZShowCont[n] = contours;
  g.SliceZContLevels[n] = spacing;
  g.SliceZContColor[n] = Black;
  g.SliceZVectColor[n] = Black;
}

void SliceX(Graph& g, float at, bool contours, float spacing) {
  const int32_t n = ++g.Slice4NumX;
  g.Slice4X[n] = at;
  g.Slice4YZYB[n] = 1;
  g.Slice4YZYE[n] = g.StepV + 1;
  g.Slice4YZZB[n] = 1;
  g.Slice4YZZE[n] = g.StepW + 1;
  g.SliceXShowColor[n] = true;
  g.SliceXShowCont[n] = contours;
  g.SliceXContLevels[n] = spacing;
  g.SliceXContColor[n] = Black;
  g.SliceXVectColor[n] = Black;
}

void SliceY(Graph& g, float at, bool contours, float spacing) {
  const int32_t n = ++g.Slice4NumY;
  g.Slice4Y[n] = at;
  g.Slice4ZXXB[n] = 1;
  g.Slice4ZXXE[n] = g.StepU + 1;
  g.Slice4ZXZB[n] = 1;
  g.Slice4ZXZE[n] = g.StepW + 1;
  g.SliceYShowColor[n] = true;
  g.SliceYShowCont[n] = contours;
  g.SliceYContLevels[n] = spacing;
  g.SliceYContColor[n] = Black;
  g.SliceYVectColor[n] = Black;
}

void Iso(Graph& g, float value) {
  const int32_t n = ++g.IsoSurfaceNum;
  g.IsoSurValue[n] = value;
}

// ---- tables ---------------------------------------------------------------------------------

GraphRef Table2DGraph(const std::string& name, const std::vector<std::pair<float, float>>& points) {
  GraphRef g = NewGraph(Table2D, name);
  g->StepU = 0;
  g->StepV = static_cast<int32_t>(points.size()) - 1;
  for (size_t j = 0; j < points.size(); ++j) {
    GraphPoint& p = g->VertTab3D(0, static_cast<int32_t>(j));
    p.x = points[j].first;
    p.y = points[j].second;
    p.z = 0;
  }
  g->LineColor = Blue;
  g->LineWidth = 2;
  g->ScatterColor = Red;
  g->ScatterSize = 3;
  g->Symbol = 1;
  g->Material = SilkyMaterial;
  return g;
}

// A deterministic scatter of n values around zero, so that regenerated samples stay the same.
std::vector<float> Noise(int n, unsigned seed) {
  std::vector<float> out;
  unsigned s = seed;
  for (int i = 0; i < n; ++i) {
    s = s * 1103515245u + 12345u;
    out.push_back(static_cast<float>((s >> 16) % 1000) / 1000.0f - 0.5f);
  }
  return out;
}

// Values rounded to two decimals, as a person would type them into the table.
float Round2(float v) {
  return static_cast<float>(static_cast<int>(v * 100.0f + (v < 0 ? -0.5f : 0.5f))) / 100.0f;
}

// ---- the samples ----------------------------------------------------------------------------

struct Sample {
  const char* path; // below the samples folder
  std::function<Doc()> make;
};

std::vector<Sample> Samples() {
  std::vector<Sample> s;
  auto add = [&s](const char* path, std::function<Doc()> make) { s.push_back({path, make}); };

  // 2D: points and Cartesian curves.
  add("2D/point.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Explicit2D("Parabola", "x^2/4-1", -4, 4, 200, Blue));
    d.Add(Point2D("Vertex", 0, -1, Red, 3, false));
    d.Add(Point2D("Focus", 0, 0, Green, 3, true));
    d.Add(Point2D("Root left", -2, 0, Orange, 3, false));
    d.Add(Point2D("Root right", 2, 0, Orange, 3, false));
    return d;
  });
  add("2D/asinacos.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Explicit2D("arcsin", "asin(x)", -1, 1, 400, Red));
    d.Add(Explicit2D("arccos", "acos(x)", -1, 1, 400, Blue));
    return d;
  });
  add("2D/compare.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.scale.mode = ScaleSquare; // values and x of different sizes
    d.Add(Explicit2D("Linear", "x", -0.5f, 3, 200, Grey));
    d.Add(Explicit2D("Square", "x^2", -0.5f, 2.2f, 200, Blue));
    d.Add(Explicit2D("Exponential", "exp(x)", -0.5f, 1.6f, 200, Red));
    d.Add(Explicit2D("Root", "sqr(x)", 0, 3, 200, Green));
    d.Add(Explicit2D("Logarithm", "log(x)", 0.1f, 3, 200, Purple));
    return d;
  });
  add("2D/cubic parabola.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    GraphRef g = d.Add(Explicit2D("Cubic parabola", "x^3/2-2*x", -2.6f, 2.6f, 300, Blue));
    g->ShowMax = true;
    g->MaxColor = Red;
    g->MaxSize = 3;
    g->MaxSymbol = 1;
    g->ShowMin = true;
    g->MinColor = Green;
    g->MinSize = 3;
    g->MinSymbol = 1;
    g->ShowGuai = true;
    g->GuaiColor = Orange;
    g->GuaiSize = 3;
    g->GuaiSymbol = 4;
    return d;
  });
  add("2D/ellipse.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Explicit2D("Upper half", "2*sqr(1-x^2/9)", -3, 3, 400, Purple));
    d.Add(Explicit2D("Lower half", "-2*sqr(1-x^2/9)", -3, 3, 400, Purple));
    return d;
  });
  add("2D/parabola and line.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    GraphRef g = d.Add(Explicit2D("Parabola and line", "4-x^2", -3, 3, 300, Blue));
    g->GraphType = Intersection;
    g->Exp2 = "x+2";
    g->Color2 = Red;
    g->Width2 = 2;
    g->ShowInter = true;
    g->InterColor = Black;
    g->InterSize = 3;
    g->InterSymbol = 1;
    g->ShowArea = true;
    g->AreaColor = Rgb(255, 220, 120);
    return d;
  });
  add("2D/probability curve.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.scale.mode = ScaleSquare; // values and x of different sizes
    GraphRef g = d.Add(Explicit2D("Normal density", "exp(-x^2/2)/sqr(2*pi)", -4, 4, 300, Navy));
    g->ShowInt = true;
    g->IntColor = Sky;
    g->IntFrom = -1;
    g->IntTo = 1;
    return d;
  });
  add("2D/rational.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    GraphRef g = d.Add(Explicit2D("Rational", "(x^2-1)/(x^2-4)", -6, 6, 601, Blue));
    g->Clip = true;
    g->ClipMinX = -1;
    g->ClipMaxX = 1;
    g->ClipMinY = -6;
    g->ClipMaxY = 6;
    g->ClipMinZ = -5;
    g->ClipMaxZ = 5;
    d.Add(Explicit2D("Horizontal asymptote", "1", -6, 6, 2, Grey, 1));
    return d;
  });
  add("2D/sin.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.axes.ShowPI = true;
    d.Add(Explicit2D("Sine", "sin(x)", -2 * Pi, 2 * Pi, 200, Red));
    d.Add(Explicit2D("Cosine", "cos(x)", -2 * Pi, 2 * Pi, 200, Blue));
    return d;
  });
  add("2D/sin surge.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.scale.mode = ScaleSquare; // values and x of different sizes
    d.Add(Explicit2D("Upper bound", "x", 0, 6 * Pi, 2, Grey, 1));
    d.Add(Explicit2D("Lower bound", "-x", 0, 6 * Pi, 2, Grey, 1));
    d.Add(Explicit2D("Sine surge", "x*sin(2*x)", 0, 6 * Pi, 600, Red));
    return d;
  });

  // 2D: polar curves.
  add("2D/butterfly.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Polar2D("Butterfly", "exp(sin(a))-2*cos(4*a)+sin((2*a-pi)/24)^5", 0, 24 * Pi, 3000,
                  Purple, 1));
    return d;
  });
  add("2D/cycloid.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Parametric2D("Cycloid", "u-sin(u)", "1-cos(u)", 0, 4 * Pi, 400, Red));
    d.Add(Parametric2D("Rolling circle", "3*pi+cos(u)", "1+sin(u)", 0, 2 * Pi, 100, Grey, 1));
    d.Add(Point2D("Tracing point", 3 * Pi, 2, Red, 3, false));
    return d;
  });
  add("2D/flower.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Polar2D("Petals", "2+1.5*cos(8*a)", 0, 2 * Pi, 800, Pink));
    d.Add(Polar2D("Heart", "0.6+0.1*cos(16*a)", 0, 2 * Pi, 400, Gold));
    return d;
  });
  add("2D/logarithm helix line.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Polar2D("Logarithmic spiral", "exp(0.15*a)", 0, 6 * Pi, 800, Teal));
    return d;
  });
  add("2D/rose with four leaves.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Polar2D("Four-leaved rose", "3*cos(2*a)", 0, 2 * Pi, 600, Red));
    return d;
  });
  add("2D/rose with three leaves.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Polar2D("Three-leaved rose", "3*sin(3*a)", 0, Pi, 600, Purple));
    return d;
  });
  add("2D/star.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Polar2D("Star", "1+2*(1-abs(sin(2.5*a)))^3", 0, 2 * Pi, 1000, Gold));
    return d;
  });

  // 2D: other forms.
  add("2D/piecewise2.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Explicit2D("x < -1", "x+3", -4, -1, 50, Blue));
    d.Add(Explicit2D("-1 <= x < 1", "3-x^2", -1, 1, 100, Red));
    d.Add(Explicit2D("x >= 1", "2*cos(x-1)", 1, 5, 200, Green));
    return d;
  });
  add("2D/equation1.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Region2D(Implicit, "Heart", "(x^2+y^2-1)^3-x^2*y^3", -1.5f, 1.5f, -1.3f, 1.5f, Red, 2));
    d.Add(Region2D(Implicit, "Circle", "x^2+y^2-0.09", -1.5f, 1.5f, -1.3f, 1.5f, Pink, 2));
    return d;
  });
  add("2D/inequation2.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.Add(Region2D(Inequality, "Below the wave", "y-sin(x)-abs(x)/3", -5, 5, -3, 3, Sky));
    d.Add(Region2D(Inequality, "Inside the lemniscate", "(x^2+y^2)^2-8*(x^2-y^2)", -5, 5, -3, 3,
                   Orange));
    return d;
  });
  add("2D/step.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    GraphRef g = d.Add(Explicit2D("Sampled sine", "2*sin(x/2)", 0, 4 * Pi, 24, Grey, 1));
    g->GraphType = StepStemPlot;
    g->Show2DCurve = false;
    g->ShowStep = true;
    g->StepColor = Blue;
    g->StepWidth = 2;
    d.Add(Explicit2D("Sine", "2*sin(x/2)", 0, 4 * Pi, 200, Grey, 1));
    return d;
  });
  add("2D/stem.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    GraphRef g = d.Add(Explicit2D("Damped cosine", "3*exp(-x/5)*cos(x)", 0, 12, 30, Grey, 1));
    g->GraphType = StepStemPlot;
    g->Show2DCurve = false;
    g->ShowStem = true;
    g->StemBodyColor = Navy;
    g->StemBodyWidth = 2;
    g->StemHeadColor = Red;
    g->StemHeadSize = 3;
    g->StemHeadSymbol = 1;
    return d;
  });
  add("animation/2D/sinexp.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    // Heights of about 1 over x from 0 to 25: drawn 8 times as tall as a unit across, so the
    // wave fills the view's width and its axis stays inside its height.
    Exaggerate(d, 8);
    d.axes.BetterFonts = false;
    d.frames = 20;
    GraphRef g =
        d.Add(Explicit2D("Damped wave", "sin(x-t)*exp(-x/8)", 0, 25, 300, Rgb(150, 0, 150)));
    g->GraphType = Curve2DAnimation;
    Animate(*g, 0, 2 * Pi);
    return d;
  });
  add("animation/2D/inequation.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    d.frames = 20;
    GraphRef g =
        d.Add(Region2D(Inequality, "Moving wave", "y-2*sin(x-t)", -2 * Pi, 2 * Pi, -3, 3, Sky));
    g->GraphType = Curve2DAnimation;
    Animate(*g, 0, 2 * Pi);
    return d;
  });

  // 2.5D.
  add("25D/sin.crv", [] {
    Doc d = NewDoc(DocumentType25D);
    // The ribbon is long and low: its height and depth drawn larger than a unit across, so it
    // fills the view as it opens.
    d.scale.mode = ScaleCustom;
    d.scale.ratioY = 2.0f;
    d.scale.ratioZ = 2.5f;
    GraphRef g = d.Add(Explicit2D("Sine ribbon", "2*sin(x)", -2 * Pi, 2 * Pi, 120, Black, 1));
    g->GraphType = Ribbon25D;
    RibbonStyle(*g, Orange, Blue);
    return d;
  });
  add("25D/heart.crv", [] {
    Doc d = NewDoc(DocumentType25D);
    GraphRef g =
        d.Add(Polar2D("Heart ribbon", "2*(2-2*sin(a)+sin(a)*sqr(abs(cos(a)))/(sin(a)+1.4))", 0,
                      2 * Pi, 300, Black, 1));
    g->GraphType = Ribbon25D;
    RibbonStyle(*g, Red, Pink);
    return d;
  });
  add("animation/2.5D/sin.crv", [] {
    Doc d = NewDoc(DocumentType25D);
    d.axes.BetterFonts = false;
    d.frames = 20;
    GraphRef g = d.Add(Explicit2D("Travelling sine", "2*sin(x-t)", -2 * Pi, 2 * Pi, 120, Black, 1));
    g->GraphType = Ribbon25DAnimation;
    RibbonStyle(*g, Teal, Gold);
    Animate(*g, 0, 2 * Pi);
    return d;
  });

  // 3D: Cartesian surfaces.
  add("3D/dini's surface.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    GraphRef g = d.Add(ParamSurface(Cartesian3D, "Dini's surface", "cos(u)*sin(v)", "sin(u)*sin(v)",
                                    "cos(v)+log(tan(v/2))+0.2*u", 0, 4 * Pi, 100, 0.1f, 2, 30));
    SurfaceStyle(*g, GradientTopBottom, Gold, Purple, MetalMaterial);
    return d;
  });
  add("3D/double moon.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    GraphRef g = d.Add(Cartesian("Double moons", "2*exp(-(x^2+(y-1.3)^2))-2*exp(-(x^2+(y+1.3)^2))",
                                 -3, 3, -3, 3, 50));
    SurfaceStyle(*g, ColorMapFill, Red, Blue, MetalMaterial);
    UseScheme(*g, "RAINBOW");
    return d;
  });
  add("3D/horn.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    GraphRef g = d.Add(ParamSurface(Cartesian3D, "Horn", "(2+u*cos(v))*sin(2*pi*u)", "u*sin(v)",
                                    "(2+u*cos(v))*cos(2*pi*u)+2*u", 0, 1, 60, 0, 2 * Pi, 30));
    SurfaceStyle(*g, GradientTopBottom, Gold, DarkRed, MetalMaterial);
    return d;
  });
  add("3D/leaves.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    GraphRef a = d.Add(ParamSurface(Cartesian3D, "Leaf", "2*u", "v*(1-u^2)",
                                    "0.4*u^2-0.3*v^2+0.15*sin(3*u)", -1, 1, 40, -1, 1, 20));
    SurfaceStyle(*a, GradientLeftRight, Leaf, Rgb(200, 230, 60), MetalMaterial);
    GraphRef b = d.Add(ParamSurface(Cartesian3D, "Second leaf", "v*(1-u^2)", "2*u",
                                    "0.5*u^2-0.3*v^2-0.15*sin(3*u)", -1, 1, 40, -1, 1, 20));
    SurfaceStyle(*b, GradientFrontBack, Rgb(20, 120, 40), Rgb(170, 220, 60), MetalMaterial);
    return d;
  });
  add("3D/lotus.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    GraphRef g = d.Add(ParamSurface(Cartesian3D, "Lotus", "v*cos(u)", "v*sin(u)",
                                    "v^2*(0.25+0.5*abs(sin(4*u)))", 0, 2 * Pi, 96, 0, 2, 24));
    SurfaceStyle(*g, GradientTopBottom, Pink, Rgb(255, 240, 250), SilkyMaterial);
    return d;
  });
  add("3D/saddle-backed.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    GraphRef g = d.Add(Cartesian("Saddle", "(x^2-y^2)/2", -2, 2, -2, 2, 30));
    SurfaceStyle(*g, GradientTopBottom, Orange, Blue, MetalMaterial);
    return d;
  });

  // 3D: cylindrical surfaces.
  add("3D/basin.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    GraphRef g = d.Add(Cylinder("Basin", "r^2/3", 0, 3));
    SurfaceStyle(*g, GradientTopBottom, Sky, Navy, MetalMaterial);
    return d;
  });
  add("3D/cone.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    GraphRef g = d.Add(Cylinder("Cone", "3-r", 0, 2));
    SurfaceStyle(*g, GradientTopBottom, Gold, DarkRed, MetalMaterial);
    return d;
  });
  add("3D/cylinder.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    GraphRef g =
        d.Add(ParamSurface(Cylindrical, "Cylinder", "u", "1.5", "v", 0, 2 * Pi, 60, 0, 4, 16));
    SurfaceStyle(*g, GradientTopBottom, Teal, Navy, MetalMaterial);
    return d;
  });
  add("3D/feather.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    GraphRef g = d.Add(Cylinder("Feather", "0.2*r*sin(2*r+6*a)", 0, 3));
    SurfaceStyle(*g, GradientTopBottom, Rgb(255, 255, 255), Purple, SilkyMaterial);
    return d;
  });
  add("3D/isoland.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    Exaggerate(d, 1.5f);
    GraphRef g = d.Add(Cylinder("Island", "2*exp(-r^2/6)*(1+0.3*cos(5*a))-0.5", 0, 5));
    SurfaceStyle(*g, ColorMapFill, Green, Blue, MetalMaterial);
    UseScheme(*g, "EARTH");
    return d;
  });
  add("3D/jar.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    GraphRef g = d.Add(ParamSurface(Cylindrical, "Jar", "u", "1+0.6*sin(1.2*v)+0.1*cos(8*u)", "v",
                                    0, 2 * Pi, 80, 0, 4, 40));
    SurfaceStyle(*g, GradientTopBottom, Rgb(230, 160, 90), Rgb(120, 50, 10), MetalMaterial);
    return d;
  });
  add("3D/ring pipe.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    GraphRef g = d.Add(ParamSurface(Cylindrical, "Ring pipe", "u", "2.5+cos(v)", "sin(v)", 0,
                                    2 * Pi, 72, 0, 2 * Pi, 24));
    SurfaceStyle(*g, GradientLeftRight, Gold, Red, MetalMaterial);
    return d;
  });
  add("3D/waves.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    Exaggerate(d, 2);
    GraphRef g = d.Add(Cylinder("Waves", "cos(1.5*r)*exp(-r/6)", 0, 6));
    g->StepV = 60;
    SurfaceStyle(*g, ColorMapFill, Sky, Navy, MetalMaterial);
    UseScheme(*g, "MARINE");
    return d;
  });

  // 3D: spherical surfaces.
  add("3D/apple.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    GraphRef g = d.Add(Sphere("Apple", "1.6-1.3*cos(b)+0.1*sin(b)^2"));
    SurfaceStyle(*g, GradientTopBottom, Rgb(250, 220, 60), Rgb(200, 0, 0), MetalMaterial);
    return d;
  });
  add("3D/rose.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    GraphRef g = d.Add(Sphere("Rose", "1+0.4*abs(sin(4*a))*sin(b)^2"));
    g->StepU = 96;
    SurfaceStyle(*g, GradientTopBottom, Pink, DarkRed, SilkyMaterial);
    return d;
  });
  add("3D/sphere.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    GraphRef g = d.Add(Sphere("Sphere", "2"));
    SurfaceStyle(*g, GradientTopBottom, Sky, Navy, MetalMaterial);
    return d;
  });

  // 3D: curve, implicit surfaces, intersection.
  add("3D/ring line.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    d.Add(Curve3DParametric("Trefoil knot", "(3+cos(3*u))*cos(2*u)", "(3+cos(3*u))*sin(2*u)",
                            "sin(3*u)", 0, 2 * Pi, 400, Red));
    d.Add(Curve3DParametric("Ring", "3*cos(u)", "3*sin(u)", "0", 0, 2 * Pi, 100, Grey));
    return d;
  });
  add("3D/implicit.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    d.Add(ImplicitSurface("Sphere", "x^2+y^2+z^2-4", -2.2f, 2.2f, 30, Sky));
    return d;
  });
  add("3D/two leaves hyperboloid.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    d.Add(ImplicitSurface("Hyperboloid of two sheets", "z^2-x^2-y^2-1", -3, 3, 40, Orange));
    return d;
  });
  add("3D/implicit animation.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    d.axes.BetterFonts = false;
    GraphRef g = d.Add(ImplicitSurface("From two sheets to one", "x^2+y^2-z^2-t", -2.5f, 2.5f, 30,
                                       Teal, Surface3DAnimation));
    Animate(*g, -1, 1);
    return d;
  });
  add("3D/intersection.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    GraphRef a = d.Add(Cartesian("Paraboloid", "(x^2+y^2)/2", -2, 2, -2, 2, 30));
    SurfaceStyle(*a, GradientTopBottom, Orange, DarkRed, MetalMaterial);
    GraphRef b = d.Add(Cartesian("Plane", "1+x/2", -2, 2, -2, 2, 10));
    SurfaceStyle(*b, SingleColor, Sky, Sky, SilkyMaterial);
    b->ShowTrans = true;
    b->TransAlpha = 0.6f;
    return d;
  });

  // 3D: animations.
  add("animation/3D/apple.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    d.axes.BetterFonts = false;
    GraphRef g = d.Add(Sphere("Breathing apple", "(1-0.15*sin(t)^2)*(1.6-1.3*cos(b)+0.1*sin(b)^2)",
                              Surface3DAnimation));
    g->StepU = 40;
    g->StepV = 30;
    SurfaceStyle(*g, GradientTopBottom, Rgb(250, 220, 60), Rgb(200, 0, 0), MetalMaterial);
    Animate(*g, 0, Pi);
    return d;
  });
  add("animation/3D/horn.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    d.axes.BetterFonts = false;
    GraphRef g = d.Add(ParamSurface(Cartesian3D, "Unwinding horn", "(2+u*cos(v))*sin(t*pi*u)",
                                    "u*sin(v)", "(2+u*cos(v))*cos(t*pi*u)+2*u", 0, 1, 50, 0, 2 * Pi,
                                    24, Surface3DAnimation));
    SurfaceStyle(*g, GradientTopBottom, Gold, DarkRed, MetalMaterial);
    Animate(*g, 2, 0.5f); // unwinds from its widest
    return d;
  });
  add("animation/3D/wave.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    Exaggerate(d, 2.5f);
    d.axes.BetterFonts = false;
    GraphRef g = d.Add(Cartesian("Ripple", "sin(sqr(x^2+y^2)-t)/(1+sqr(x^2+y^2)/4)", -8, 8, -8, 8,
                                 50, Surface3DAnimation));
    SurfaceStyle(*g, ColorMapFill, Sky, Navy, MetalMaterial);
    UseScheme(*g, "MARINE");
    Animate(*g, 0, 2 * Pi);
    return d;
  });
  add("animation/3D/twist.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    d.axes.BetterFonts = false;
    GraphRef g = d.Add(ParamSurface(Cartesian3D, "Twisting band", "v*cos(t*u)", "v*sin(t*u)", "u",
                                    0, 4, 60, -1, 1, 10, Surface3DAnimation));
    SurfaceStyle(*g, GradientTopBottom, Gold, Purple, MetalMaterial);
    Animate(*g, 1.5f, -1.5f); // from one twist through flat to the other
    return d;
  });
  add("animation/3D/amorphous.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    d.axes.BetterFonts = false;
    GraphRef g = d.Add(
        Sphere("Amorphous", "1.5+0.4*sin(3*a+t)*sin(4*b)+0.2*cos(2*a-t)", Surface3DAnimation));
    g->StepU = 48;
    g->StepV = 32;
    SurfaceStyle(*g, ColorMapFill, Red, Blue, MetalMaterial);
    UseScheme(*g, "FIERY");
    Animate(*g, 0, 2 * Pi);
    return d;
  });
  add("animation/3D/lantern.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    d.axes.BetterFonts = false;
    GraphRef g = d.Add(ParamSurface(Cylindrical, "Lantern", "u",
                                    "(0.3+(1.1+0.4*cos(t))*sin(v))*(1+0.08*cos(12*u))", "v", 0,
                                    2 * Pi, 72, 0, Pi, 24, Surface3DAnimation));
    SurfaceStyle(*g, GradientTopBottom, Gold, Red, SilkyMaterial);
    Animate(*g, 0, 2 * Pi);
    return d;
  });
  add("animation/3D/twistcurve.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    d.scale.mode = ScaleEqual; // keeps its shape
    d.axes.BetterFonts = false;
    GraphRef g =
        d.Add(Curve3DParametric("Winding spring", "(2+sin(t*u))*cos(u)", "(2+sin(t*u))*sin(u)",
                                "u/3+cos(t*u)/2", 0, 4 * Pi, 500, Blue, Curve3DAnimation));
    Animate(*g, 2, 8);
    return d;
  });

  // 4D.
  add("4D/4d-slice.crv", [] {
    Doc d = NewDoc(DocumentType4D);
    GraphRef g = d.Add(Function4DGraph("Dipole", "x*exp(-x^2-y^2-z^2)", -2, 2, 24));
    SliceZ(*g, 0, true, 0.05f);
    SliceX(*g, 0, true, 0.05f);
    SliceY(*g, 0, true, 0.05f);
    return d;
  });
  add("4D/4d-isosurface.crv", [] {
    Doc d = NewDoc(DocumentType4D);
    GraphRef g = d.Add(Function4DGraph("Dipole", "x*exp(-x^2-y^2-z^2)", -2, 2, 30));
    Iso(*g, -0.2f);
    Iso(*g, 0.2f);
    return d;
  });
  add("4D/4d-slice-isosurface.crv", [] {
    Doc d = NewDoc(DocumentType4D);
    GraphRef g = d.Add(Function4DGraph("Spheres", "x^2+y^2+z^2", -2, 2, 24));
    SliceZ(*g, -1.5f, true, 1);
    Iso(*g, 1.5f);
    return d;
  });
  add("animation/4D/4d-slice.crv", [] {
    Doc d = NewDoc(DocumentType4D);
    GraphRef g = d.Add(
        Function4DGraph("Moving peak", "exp(-(x-t)^2-y^2-z^2)", -2, 2, 20, Function4DAnimation));
    SliceZ(*g, 0, true, 0.1f);
    SliceY(*g, 0, false, 0.1f);
    Animate(*g, -1, 1);
    return d;
  });
  add("animation/4D/4d-isosurface.crv", [] {
    Doc d = NewDoc(DocumentType4D);
    GraphRef g = d.Add(
        Function4DGraph("Breathing ellipsoid", "x^2/t+y^2+z^2*t", -2, 2, 24, Function4DAnimation));
    Iso(*g, 1.5f);
    Animate(*g, 0.5f, 2);
    return d;
  });

  // Tables.
  add("Table/2D_Scatter.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    std::vector<std::pair<float, float>> points;
    const std::vector<float> n = Noise(40, 7);
    for (int i = 0; i < 40; ++i) {
      const float x = static_cast<float>(i) / 4.0f;
      points.push_back({x, Round2(0.6f * x + 1 + 2.2f * n[size_t(i)])});
    }
    GraphRef g = d.Add(Table2DGraph("Measurements", points));
    g->Show2DLine = false;
    g->ShowSmoothCurve = false;
    return d;
  });
  add("Table/2D_line.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    GraphRef g = d.Add(Table2DGraph("Monthly rainfall", {{1, 7.8f},
                                                         {2, 6.1f},
                                                         {3, 6.9f},
                                                         {4, 5.2f},
                                                         {5, 5.9f},
                                                         {6, 4.3f},
                                                         {7, 3.1f},
                                                         {8, 3.8f},
                                                         {9, 5.4f},
                                                         {10, 7.2f},
                                                         {11, 8.6f},
                                                         {12, 8.1f}}));
    g->ShowSmoothCurve = false;
    return d;
  });
  add("Table/2D_curve smoothing.crv", [] {
    Doc d = NewDoc(DocumentType2D);
    std::vector<std::pair<float, float>> points;
    const std::vector<float> n = Noise(13, 3);
    for (int i = 0; i <= 12; ++i) {
      const float x = static_cast<float>(i) / 2.0f;
      points.push_back({x, Round2(3 * std::sin(x) + 0.3f * n[size_t(i)])});
    }
    GraphRef g = d.Add(Table2DGraph("Samples of a wave", points));
    g->Show2DLine = false;
    g->SmoothCurveColor = Blue;
    g->SmoothCurveWidth = 2;
    return d;
  });
  add("Table/25D_3.crv", [] {
    Doc d = NewDoc(DocumentType25D);
    const float series[3][8] = {{3, 4.5f, 4, 5.5f, 6, 5, 7, 8},
                                {2, 2.5f, 3.5f, 3, 4.5f, 5.5f, 5, 6},
                                {1, 1.5f, 1, 2, 2.5f, 3.5f, 3, 4}};
    const char* names[3] = {"North", "Centre", "South"};
    const int32_t colours[3][2] = {{Red, Orange}, {Green, Leaf}, {Blue, Sky}};
    for (int s = 0; s < 3; ++s) {
      // Row 0 is the front edge of the ribbon, row 1 its back edge (the front moved back by 3,
      // as the box of the graph remakes it): every ribbon of a 2.5D document spans the depth 0
      // to 3 of its axes, so the series stand one above the other.
      GraphRef g = NewGraph(Table25D, names[s]);
      g->StepU = 1;
      g->StepV = 7;
      for (int j = 0; j < 8; ++j) {
        for (int row = 0; row <= 1; ++row) {
          GraphPoint& p = g->VertTab3D(row, j);
          p.x = static_cast<float>(j);
          p.y = series[s][j];
          p.z = 3.0f * static_cast<float>(row);
        }
      }
      RibbonStyle(*g, colours[s][0], colours[s][1]);
      d.Add(g);
    }
    return d;
  });
  add("Table/3D_u2v2.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    GraphRef g = NewGraph(Table3D, "u^2 + v^2");
    g->StepU = 12;
    g->StepV = 12;
    for (int i = 0; i <= 12; ++i)
      for (int j = 0; j <= 12; ++j) {
        const float u = static_cast<float>(i) / 4.0f - 1.5f;
        const float v = static_cast<float>(j) / 4.0f - 1.5f;
        GraphPoint& p = g->VertTab3D(i, j);
        p.x = v;
        p.y = u * u + v * v;
        p.z = u;
      }
    SurfaceStyle(*g, GradientTopBottom, Orange, Teal, MetalMaterial);
    d.Add(g);
    return d;
  });

  // Advanced graphs.
  add("Adv/samp8.crv", [] {
    Doc d = NewDoc(DocumentType3D);
    GraphRef g = d.Add(Cartesian("Surface with contours", "2*sin(x)*cos(y)", -Pi, Pi, -Pi, Pi, 40));
    SurfaceStyle(*g, ColorMapFill, Red, Blue, MetalMaterial);
    UseScheme(*g, "RAINBOW");
    g->ShowContour = true;
    g->ContourLevel = 12;
    return d;
  });
  add("Adv/samp1.crv", [] {
    Doc d = NewDoc(DocumentTypeSpecial);
    GraphRef map = d.Add(Surface(ColorMap, Cartesian3D, Parametric, "Colour map", "u", "v",
                                 "sin(u)*cos(v)+u/6", -2 * Pi, 2 * Pi, 60, -2 * Pi, 2 * Pi, 60));
    map->FillStyle = ColorMapFill;
    UseScheme(*map, "RAINBOW");
    GraphRef lines = d.Add(Surface(ContourPlot, Cartesian3D, Parametric, "Contours", "u", "v",
                                   "sin(u)*cos(v)+u/6", -2 * Pi, 2 * Pi, 60, -2 * Pi, 2 * Pi, 60));
    lines->FillStyle = SingleColor;
    lines->FirstColor = Black;
    lines->SecondColor = Black;
    lines->ContourLevel = 14;
    lines->LineWidth = 1;
    return d;
  });
  add("Adv/samp7.crv", [] {
    Doc d = NewDoc(DocumentTypeSpecial);
    GraphRef lines = d.Add(Surface(ContourPlot, Cartesian3D, Parametric, "Contours", "u", "v",
                                   "u*exp(-(u^2+v^2)/8)", -6, 6, 50, -6, 6, 50));
    lines->FillStyle = GradientTopBottom;
    lines->FirstColor = Red;
    lines->SecondColor = Blue;
    lines->ContourLevel = 16;
    lines->LineWidth = 2;
    GraphRef arrows = d.Add(Surface(VectorPlot, Cartesian3D, Parametric, "Gradient", "u", "v",
                                    "u*exp(-(u^2+v^2)/8)", -6, 6, 20, -6, 6, 20));
    arrows->SecondColor = Black;
    arrows->LineWidth = 1;
    return d;
  });
  return s;
}

// The document text of a sample.
std::string TextOf(const Sample& sample) {
  Doc d = sample.make();
  GraphContainer shown;
  for (const GraphRef& g : d.graphs)
    shown.FunSurfs.Add(g);
  FrameCount = d.frames;
  FramesPerSecond = d.speed;
  return BuildDocumentText(d.type, shown, d.axes, d.scale);
}

bool Write(const std::filesystem::path& folder, const Sample& sample) {
  const std::filesystem::path path = folder / sample.path;
  std::filesystem::create_directories(path.parent_path());
  std::string problem;
  if (!DocumentFile::Write(path.string(), TextOf(sample), &problem)) {
    std::fprintf(stderr, "%s: %s\n", path.string().c_str(), problem.c_str());
    return false;
  }
  return true;
}

// True when the file in the folder holds exactly what the generator writes for the sample.
bool UpToDate(const std::filesystem::path& folder, const Sample& sample) {
  const std::filesystem::path path = folder / sample.path;
  std::string problem;
  const std::optional<std::string> text = DocumentFile::Read(path.string(), &problem);
  if (!text) {
    std::fprintf(stderr, "%s: %s\n", path.string().c_str(), problem.c_str());
    return false;
  }
  if (*text != TextOf(sample)) {
    std::fprintf(stderr, "%s differs from what the generator writes: run scripts/samples\n",
                 path.string().c_str());
    return false;
  }
  return true;
}

} // namespace

int main(int argc, char** argv) {
  const std::string usage = " SAMPLES_FOLDER | --check SAMPLES_FOLDER | --list";
  const std::string mode = argc >= 2 ? argv[1] : "";
  if (argc < 2 || argc > 3 || (argc == 3) != (mode == "--check")) {
    std::fprintf(stderr, "usage: %s%s\n", argv[0], usage.c_str());
    return 2;
  }
  const std::vector<Sample> samples = Samples();
  if (mode == "--list") {
    for (const Sample& s : samples)
      std::printf("%s\n", s.path);
    return 0;
  }
  bool ok = true;
  if (mode == "--check") {
    for (const Sample& s : samples)
      ok = UpToDate(argv[2], s) && ok;
    return ok ? 0 : 1;
  }
  for (const Sample& s : samples)
    ok = Write(argv[1], s) && ok;
  std::printf("%zu sample documents written below %s\n", samples.size(), argv[1]);
  return ok ? 0 : 1;
}
