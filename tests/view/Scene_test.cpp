// The legend row texts of 2D documents, by form and coordinate type.

#include <gtest/gtest.h>

#include "platform/ShownText.h"
#include "view/scene/Scene.h"

TEST(SceneLegend, RowTextByFormAndCoordinates) {
  struct Row {
    int32_t form, coord;
    const char *z, *y, *expected;
  };
  const Row rows[] = {
      {2, 1, "x^2+1", "", "y=x^2+1"},         // explicit Cartesian, no "=": the whole formula
      {2, 1, "y=x^2", "", "y==x^2"},          // from the first "=" on, the "=" included
      {2, 2, "2*a", "", "r=2*a"},             // explicit polar
      {1, 1, "x^2+y^2-1", "", "x^2+y^2-1=0"}, // implicit
      {1, 2, "r-a", "", "r-a=0"},
      {4, 1, "y-x", "", "y-x<=0"}, // inequality
      {4, 2, "r-1", "", "r-1<=0"},
      {3, 1, "sin(u)", "cos(u)", "x=cos(u), y=sin(u)"}, // parametric Cartesian
      {3, 2, "u", "u/2", "a=u/2, r=u"},                 // parametric polar
      {3, 1, "z=t", "w=s", "x==s, y==t"},
      {5, 1, "x", "", "x"}, // any other combination: the formula
      {2, 3, "x", "", "x"},
  };
  for (const Row& r : rows) {
    LegendGraphInfo g;
    g.FunForm = r.form;
    g.CoordType = r.coord;
    g.ExpressZ = r.z;
    g.ExpressY = r.y;
    EXPECT_EQ(LegendRowText(g), r.expected) << r.form << " " << r.coord << " " << r.z;
  }
}

TEST(SceneLegend, AVeryLongRowIsCutShort) {
  // Every glyph of a row is drawn: a formula of a megabyte shows its beginning only.
  LegendGraphInfo g;
  g.FunForm = 3;
  g.CoordType = 1;
  g.ExpressY = "u";
  g.ExpressZ = std::string(1 << 20, 'u');
  const std::string row = LegendRowText(g);
  EXPECT_EQ(row, "x=u, y=" + std::string(MaxShownLineChars - 7, 'u') + "...");
}
