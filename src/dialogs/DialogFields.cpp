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

// Forms of the 3D dialog by [mode][coordinate][kind].
const std::array<std::string_view, 3> Function3DForms[2][3][2] = {
    {{{"z=f(x) or z=f(y)", "x=f1(u),y=f2(u),z=f3(u)", ""},
      {"z=f(x,y)", "x=f1(u,v),y=f2(u,v),z=f3(u,v)", "f(x,y,z)=0"}},
     {{"z=f(a) or z=f(r)", "a=f1(u),r=f2(u),z=f3(u)", ""},
      {"z=f(a,r)", "a=f1(u,v),r=f2(u,v),z=f3(u,v)", "f(a,r,z)=0"}},
     {{"r=f(a) or r=f(b)", "a=f1(u),b=f2(u),r=f3(u)", ""},
      {"r=f(a,b)", "a=f1(u,v),b=f2(u,v),r=f3(u,v)", "f(a,b,r)=0"}}},
    {{{"z=f(x,t) or z=f(y,t)", "x=f1(u,t),y=f2(u,t),z=f3(u,t)", ""},
      {"z=f(x,y,t)", "x=f1(u,v,t),y=f2(u,v,t),z=f3(u,v,t)", "f(x,y,z,t)=0"}},
     {{"z=f(a,t) or z=f(r,t)", "a=f1(u,t),r=f2(u,t),z=f3(u,t)", ""},
      {"z=f(a,r,t)", "a=f1(u,v,t),r=f2(u,v,t),z=f3(u,v,t)", "f(a,r,z,t)=0"}},
     {{"r=f(a,t) or r=f(b,t)", "a=f1(u,t),b=f2(u,t),r=f3(u,t)", ""},
      {"r=f(a,b,t)", "a=f1(u,v,t),b=f2(u,v,t),r=f3(u,v,t)", "f(a,b,r,t)=0"}}},
};

namespace {

// Rows by [kind][form][coordinate]; a curve has no implicit row.
constexpr Function3DLabels Function3DRows[2][3][3] = {
    {{{"z(x,y)", "", "", {"Min x[y]", "Max x[y]", "Steps x[y]"}, {}, {}},
      {"z(a,r)", "", "", {"Min a[r]", "Max a[r]", "Steps a[r]"}, {}, {}},
      {"r(a,b)", "", "", {"Min a[b]", "Max a[b]", "Steps a[b]"}, {}, {}}},
     {{"x(u)", "y(u)", "z(u)", {"Min u", "Max u", "Steps u"}, {}, {}},
      {"a(u)", "r(u)", "z(u)", {"Min u", "Max u", "Steps u"}, {}, {}},
      {"a(u)", "b(u)", "r(u)", {"Min u", "Max u", "Steps u"}, {}, {}}},
     {}},
    {{{"z(x,y)", "", "", {"Min x", "Max x", "Steps x"}, {"Min y", "Max y", "Steps y"}, {}},
      {"z(a,r)", "", "", {"Min a", "Max a", "Steps a"}, {"Min r", "Max r", "Steps r"}, {}},
      {"r(a,b)", "", "", {"Min a", "Max a", "Steps a"}, {"Min b", "Max b", "Steps b"}, {}}},
     {{"x(u,v)",
       "y(u,v)",
       "z(u,v)",
       {"Min u", "Max u", "Steps u"},
       {"Min v", "Max v", "Steps v"},
       {}},
      {"a(u,v)",
       "r(u,v)",
       "z(u,v)",
       {"Min u", "Max u", "Steps u"},
       {"Min v", "Max v", "Steps v"},
       {}},
      {"a(u,v)",
       "b(u,v)",
       "r(u,v)",
       {"Min u", "Max u", "Steps u"},
       {"Min v", "Max v", "Steps v"},
       {}}},
     {{"f(x,y,z)",
       "",
       "",
       {"Min x", "Max x", "Steps x"},
       {"Min y", "Max y", "Steps y"},
       {"Min z", "Max z", "Steps z"}},
      {"f(a,r,z)",
       "",
       "",
       {"Min a", "Max a", "Steps a"},
       {"Min r", "Max r", "Steps r"},
       {"Min z", "Max z", "Steps z"}},
      {"f(a,b,r)",
       "",
       "",
       {"Min a", "Max a", "Steps a"},
       {"Min b", "Max b", "Steps b"},
       {"Min r", "Max r", "Steps r"}}}},
};

} // namespace

const Function3DLabels* Function3DFieldLabels(int kind, int form, int coordinate) {
  if (kind < 0 || kind > 1 || form < 0 || form > (kind == 0 ? 1 : 2) || coordinate < 0 ||
      coordinate > 2)
    return nullptr;
  return &Function3DRows[kind][form][coordinate];
}

std::string AnimatedCaption(std::string_view caption) {
  std::string text(caption);
  const size_t close = text.rfind(')');
  if (close != std::string::npos) text.insert(close, ",t");
  return text;
}

} // namespace DialogFields
