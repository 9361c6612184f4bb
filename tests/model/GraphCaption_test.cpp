// Graph captions of the graph list: every listed row, the 3D prefix carried between graphs, and a
// plain caption for every graph the listed rows leave without one.

#include <gtest/gtest.h>

#include "model/GraphCaption.h"
#include "model/ProgramState.h"

#include <memory>

namespace {

struct CaptionRow {
  int32_t documentType;
  int32_t graphType;
  int32_t funForm;
  int32_t coordType;
  bool step, stem;
  const char* expected; // nullptr: the listed rows give none
};

std::unique_ptr<Graph> Make(const CaptionRow& r) {
  auto graph = std::make_unique<Graph>();
  Graph& g = *graph;
  g.GraphType = r.graphType;
  g.FunForm = r.funForm;
  g.CoordType = r.coordType;
  g.ShowStep = r.step;
  g.ShowStem = r.stem;
  g.ExpressX = "fx";
  g.ExpressY = "fy";
  g.ExpressZ = "fz";
  g.ExpressV = "fv";
  g.Exp2 = "f2";
  g.NameS = "my table";
  return graph;
}

constexpr int32_t D2 = DocumentType2D, D25 = DocumentType25D, D3 = DocumentType3D,
                  DS = DocumentTypeSpecial, D4 = DocumentType4D;

const CaptionRow kRows[] = {
    // tables, in every document kind
    {D2, Table2D, 0, 0, false, false, "2D Table Graph: my table"},
    {D3, Table25D, 0, 0, false, false, "2.5D Table Graph: my table"},
    {D4, Table3D, 0, 0, false, false, "3D Table Graph: my table"},
    // 2D documents
    {D2, Curve2D, Implicit, Cartesian2D, false, false, "2D Curve  fz=0"},
    {D2, Curve2D, Implicit, Polar, false, false, "2D Curve  fz=0"},
    {D2, Curve2DAnimation, Implicit, Cartesian2D, false, false, "2D Curve Animation  fz=0"},
    {D2, Curve2DAnimation, Implicit, Polar, false, false, "2D Curve Animation  fz=0"},
    {D2, Curve2D, Explicit, Cartesian2D, false, false, "2D Curve  y=fz"},
    {D2, Curve2DAnimation, Explicit, Cartesian2D, false, false, "2D Curve Animation  y=fz"},
    {D2, Intersection, Explicit, Cartesian2D, false, false, "Intersection  y=fz, y=f2"},
    {D2, StepStemPlot, Explicit, Cartesian2D, true, true, "Step & Stem  y=fz"},
    {D2, StepStemPlot, Explicit, Cartesian2D, true, false, "Step Plot  y=fz"},
    {D2, StepStemPlot, Explicit, Cartesian2D, false, true, "Stem Plot  y=fz"},
    {D2, StepStemPlot, Explicit, Cartesian2D, false, false, nullptr},
    {D2, Curve2D, Explicit, Polar, false, false, "2D Curve  r=fz"},
    {D2, Curve2DAnimation, Explicit, Polar, false, false, "2D Curve Animation  r=fz"},
    {D2, Curve2D, Parametric, Cartesian2D, false, false, "2D Curve  x=fy,y=fz"},
    {D2, Curve2DAnimation, Parametric, Cartesian2D, false, false, "2D Curve Animation  x=fy,y=fz"},
    {D2, Curve2D, Parametric, Polar, false, false, "2D Curve  a=fy,r=fz"},
    {D2, Curve2DAnimation, Parametric, Polar, false, false, "2D Curve Animation  a=fy,r=fz"},
    {D2, Curve2D, Inequality, Cartesian2D, false, false, "Inequality  fz<=0"},
    {D2, Curve2D, Inequality, Polar, false, false, "Inequality  fz<=0"},
    {D2, Curve2DAnimation, Inequality, Cartesian2D, false, false, "Inequality Animation  fz<=0"},
    {D2, Curve2DAnimation, Inequality, Polar, false, false, "Inequality Animation  fz<=0"},
    {D2, PointMarker, 0, Cartesian2D, false, false, "Point  x=fy, y=fz"},
    {D2, PointMarker, Explicit, Polar, false, false, "Point  a=fy, r=fz"},
    {D2, PointAnimation, 0, Cartesian2D, false, false, "Point Animation  x=fy, y=fz"},
    {D2, PointAnimation, 0, Polar, false, false, "Point Animation  a=fy, r=fz"},
    {D2, Intersection, Explicit, Polar, false, false, nullptr},
    {D2, Surface3D, Explicit, Cartesian3D, false, false, nullptr},
    // 2.5D documents
    {D25, Ribbon25D, Explicit, Cartesian2D, false, false, "2.5D Ribbon  y=fz"},
    {D25, Ribbon25DAnimation, Explicit, Cartesian2D, false, false, "2.5D Ribbon Animation  y=fz"},
    {D25, Ribbon25D, Explicit, Polar, false, false, "2.5D Ribbon  r=fz"},
    {D25, Ribbon25DAnimation, Explicit, Polar, false, false, "2.5D Ribbon Animation  r=fz"},
    {D25, Ribbon25D, Parametric, Cartesian2D, false, false, "2.5D Ribbon  x=fy, y=fz"},
    {D25, Ribbon25DAnimation, Parametric, Cartesian2D, false, false,
     "2.5D Ribbon Animation  x=fy,y=fz"},
    {D25, Ribbon25D, Parametric, Polar, false, false, "2.5D Ribbon  a=fy, r=fz"},
    {D25, Ribbon25DAnimation, Parametric, Polar, false, false, "2.5D Ribbon Animation  a=fy, r=fz"},
    {D25, PointMarker, 0, Cartesian2D, false, false, "Point  x=fy, y=fz"},
    {D25, PointMarker, 0, Polar, false, false, "Point  a=fy, r=fz"},
    {D25, PointAnimation, 0, Cartesian2D, false, false, "Point Animation  x=fy, y=fz"},
    {D25, PointAnimation, 0, Polar, false, false, "Point Animation  a=fy, r=fz"},
    {D25, Ribbon25D, Implicit, Cartesian2D, false, false, nullptr},
    // 3D documents (each row with a fresh prefix)
    {D3, PointMarker, 0, Cartesian3D, false, false, "Point  x=fx, y=fy, z=fz"},
    {D3, PointMarker, 0, Cylindrical, false, false, "Point  a=fx, r=fy, z=fz"},
    {D3, PointMarker, 0, Spherical, false, false, "Point  a=fx, b=fy, r=fz"},
    {D3, PointAnimation, 0, Cartesian3D, false, false, "Point Animation  x=fx, y=fy, z=fz"},
    {D3, PointAnimation, 0, Cylindrical, false, false, "Point Animation  a=fx, r=fy, z=fz"},
    {D3, PointAnimation, 0, Spherical, false, false, "Point Animation  a=fx, b=fy, r=fz"},
    {D3, PointMarker, 0, Cartesian2D, false, false, nullptr},
    {D3, Vector, 0, 0, false, false, "Vector "},
    {D3, VectorOperation, 0, 0, false, false, "Vector Operation "},
    {D3, Surface3D, Implicit, Cartesian3D, false, false, "3D Surface  fx=0"},
    {D3, Curve3D, Implicit, Spherical, false, false, "3D Curve  fx=0"},
    {D3, Surface3D, Explicit, Cartesian2D, false, false, "Surface by rotation  y=fz"},
    {D3, Surface3D, Explicit, Cartesian3D, false, false, "3D Surface  z=fz"},
    {D3, Curve3DAnimation, Explicit, Cylindrical, false, false, "3D Curve Animation  z=fz"},
    {D3, Surface3DAnimation, Explicit, Spherical, false, false, "3D Surface Animation  r=fz"},
    {D3, Curve3D, Parametric, Cartesian3D, false, false, "3D Curve  x=fx,y=fy,z=fz"},
    {D3, Surface3D, Parametric, Cylindrical, false, false, "3D Surface  a=fx,r=fy,z=fz"},
    {D3, Surface3DAnimation, Parametric, Spherical, false, false,
     "3D Surface Animation  a=fx,b=fy,r=fz"},
    {D3, RevolutionAboutX, Explicit, Cartesian2D, false, false, "Surface by rotation  y=fz"},
    {D3, RevolutionAboutY, Explicit, Cartesian3D, false, false, "z=fz"},
    {D3, Surface3D, Parametric, Polar, false, false, nullptr},
    {D3, Surface3D, Inequality, Cartesian3D, false, false, nullptr},
    {D3, Curve2D, Explicit, Cartesian2D, false, false, nullptr},
    // Special documents
    {DS, ColorMap, 0, 0, false, false, "Color Map  x=fx, y=fy, z=fz"},
    {DS, ContourPlot, 0, 0, false, false, "Contour Plot  x=fx, y=fy, z=fz"},
    {DS, VectorPlot, 0, 0, false, false, "Vector Plot  x=fx, y=fy, z=fz"},
    {DS, PointMarker, 0, Cartesian2D, false, false, nullptr},
    // 4D documents
    {D4, Function4D, 0, 0, false, false, "4D Graph  v=fv"},
    {D4, Function4DAnimation, 0, 0, false, false, "4D Animation  v=fv"},
    {D4, Function4DUndrawn, 0, 0, false, false, nullptr},
    {D4, Function4DLegendOnly, 0, 0, false, false, nullptr},
    {D4, PointMarker, 0, Cartesian3D, false, false, nullptr},
};

} // namespace

TEST(GraphCaption, EveryListedRow) {
  for (const auto& row : kRows) {
    GraphCaptioner captioner;
    const auto g = Make(row);
    const auto listed = captioner.ListedCaption(*g, row.documentType);
    if (row.expected) {
      ASSERT_TRUE(listed.has_value()) << row.expected;
      EXPECT_EQ(*listed, row.expected);
    } else {
      EXPECT_FALSE(listed.has_value())
          << "doc " << row.documentType << " type " << row.graphType << ": " << *listed;
    }
  }
}

TEST(GraphCaption, EveryGraphGetsARow) {
  for (const auto& row : kRows) {
    const auto g = Make(row);
    const std::string caption = GraphCaption(*g, row.documentType);
    EXPECT_FALSE(caption.empty());
    if (row.expected) {
      EXPECT_EQ(caption, row.expected);
    }
  }
  // The plain rows name the kind and show the formulas.
  const CaptionRow point{DS, PointMarker, 0, Cartesian2D, false, false, nullptr};
  EXPECT_EQ(GraphCaption(*Make(point), DS), "Point  x=fy, y=fz");
  const CaptionRow point3{D4, PointAnimation, 0, Cartesian3D, false, false, nullptr};
  EXPECT_EQ(GraphCaption(*Make(point3), D4), "Point Animation  x=fx, y=fy, z=fz");
  const CaptionRow g41{D4, Function4DUndrawn, 0, 0, false, false, nullptr};
  EXPECT_EQ(GraphCaption(*Make(g41), D4), "4D Graph  v=fv");
  const CaptionRow neither{D2, StepStemPlot, Explicit, Cartesian2D, false, false, nullptr};
  EXPECT_EQ(GraphCaption(*Make(neither), D2), "Step & Stem  fx, fy, fz");
  const CaptionRow foreign{D2, Surface3D, Explicit, Cartesian3D, false, false, nullptr};
  EXPECT_EQ(GraphCaption(*Make(foreign), D2), "3D Surface  fx, fy, fz");
  Graph unknown;
  unknown.GraphType = 99;
  EXPECT_EQ(GraphCaption(unknown, D3), "Graph  ");
}

TEST(GraphCaption, SurfacesOfRevolutionTakeThePrefixOfTheLast3DGraph) {
  Graph surface;
  surface.GraphType = Surface3D;
  surface.FunForm = Explicit;
  surface.CoordType = Cartesian3D;
  surface.ExpressZ = "x*y";
  Graph curve;
  curve.GraphType = Curve3DAnimation;
  curve.FunForm = Parametric;
  curve.CoordType = Cartesian3D;
  Graph rev;
  rev.GraphType = RevolutionAboutY;
  rev.FunForm = Explicit;
  rev.CoordType = Cartesian3D;
  rev.ExpressZ = "sin(x)";
  Graph rot;
  rot.GraphType = RevolutionAboutX;
  rot.FunForm = Explicit;
  rot.CoordType = Cartesian2D;
  rot.ExpressZ = "x";

  GraphCaptioner c;
  EXPECT_EQ(c.Caption(rev, D3), "z=sin(x)"); // nothing read before it
  EXPECT_EQ(c.Caption(rot, D3), "Surface by rotation  y=x");
  EXPECT_EQ(c.Caption(surface, D3), "3D Surface  z=x*y");
  EXPECT_EQ(c.Caption(rev, D3), "3D Surface  z=sin(x)");
  c.Caption(curve, D3);
  EXPECT_EQ(c.Caption(rev, D3), "3D Curve Animation  z=sin(x)");
  EXPECT_EQ(c.Prefix3D(), "3D Curve Animation  ");
  // A new reading starts with an empty prefix.
  EXPECT_EQ(GraphCaption(rev, D3), "z=sin(x)");
}
