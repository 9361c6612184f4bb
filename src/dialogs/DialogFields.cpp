#include "dialogs/DialogFields.h"

namespace DialogFields {

namespace {

// Rows by [mode][coordinate][form]. The domain captions are those of static mode in both modes;
// only the formula captions carry t.
constexpr FieldLabels Curve2DRows[2][2][4] = {
    {{{"y(x)", "", "Min x", "Max x", "Steps x", true, "", ""},
      {"x(u)", "y(u)", "Min u", "Max u", "Steps u", true, "", ""},
      {"f(x,y)", "", "Min x", "Max x", "Steps x", false, "Min y", "Max y"},
      {"f(x,y)", "", "Min x", "Max x", "Steps x", false, "Min y", "Max y"}},
     {{"r(a)", "", "Min a", "Max a", "Steps a", true, "", ""},
      {"a(u)", "r(u)", "Min u", "Max u", "Steps u", true, "", ""},
      {"f(a,r)", "", "Min a", "Max a", "Steps a", false, "Min r", "Max r"},
      {"f(a,r)", "", "Min a", "Max a", "Steps a", false, "Min r", "Max r"}}},
    {{{"y(x,t)", "", "Min x", "Max x", "Steps x", true, "", ""},
      {"x(u,t)", "y(u,t)", "Min u", "Max u", "Steps u", true, "", ""},
      {"f(x,y,t)", "", "Min x", "Max x", "Steps x", false, "Min y", "Max y"},
      {"f(x,y,t)", "", "Min x", "Max x", "Steps x", false, "Min y", "Max y"}},
     {{"r(a,t)", "", "Min a", "Max a", "Steps a", true, "", ""},
      {"a(u,t)", "r(u,t)", "Min u", "Max u", "Steps u", true, "", ""},
      {"f(a,r,t)", "", "Min a", "Max a", "Steps a", false, "Min r", "Max r"},
      {"f(a,r,t)", "", "Min a", "Max a", "Steps a", false, "Min r", "Max r"}}},
};

constexpr FieldLabels RibbonRows[2][2][2] = {
    {{{"y(x)", "", "Min x", "Max x", "Steps x", true, "", ""},
      {"x(u)", "y(u)", "Min u", "Max u", "Steps u", true, "", ""}},
     {{"r(a)", "", "Min a", "Max a", "Steps a", true, "", ""},
      {"a(u)", "r(u)", "Min u", "Max u", "Steps u", true, "", ""}}},
    {{{"y(x,t)", "", "Min x", "Max x", "Steps x", true, "", ""},
      {"x(u,t)", "y(u,t)", "Min u", "Max u", "Steps u", true, "", ""}},
     {{"r(a,t)", "", "Min a", "Max a", "Steps a", true, "", ""},
      {"a(u,t)", "r(u,t)", "Min u", "Max u", "Steps u", true, "", ""}}},
};

// Rows by [mode][space][coordinate].
constexpr PointLabels PointRows[2][2][3] = {
    {{{"x", "y", ""}, {"a", "r", ""}, {"", "", ""}},
     {{"x", "y", "z"}, {"a", "r", "z"}, {"a", "b", "r"}}},
    {{{"x(t)", "y(t)", ""}, {"a(t)", "r(t)", ""}, {"", "", ""}},
     {{"x(t)", "y(t)", "z(t)"}, {"a(t)", "r(t)", "z(t)"}, {"a(t)", "b(t)", "r(t)"}}},
};

} // namespace

const PointLabels& PointCoordinateLabels(int mode, bool space, int coordinate) {
  return PointRows[mode][space ? 1 : 0][coordinate];
}

const FieldLabels& Curve2DLabels(int mode, int coordinate, int form) {
  return Curve2DRows[mode][coordinate][form];
}

const FieldLabels& RibbonLabels(int mode, int coordinate, int form) {
  return RibbonRows[mode][coordinate][form];
}

} // namespace DialogFields
