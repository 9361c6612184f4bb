// The report texts of 2D curves: the header of each curve kind and the number format of the
// result lines.

#include <gtest/gtest.h>

#include <QLocale>

#include <limits>

#include "model/Graph.h"
#include "render/common/ResultBox.h"
#include "render/curves/CurveReport.h"

namespace {

struct LocaleGuard {
  explicit LocaleGuard(const QLocale& l) : old(QLocale()) { QLocale::setDefault(l); }
  ~LocaleGuard() { QLocale::setDefault(old); }
  QLocale old;
};

TEST(CurveReport, HeaderOfEveryCurveKind) {
  struct Row {
    int32_t coord, form;
    const char* expected;
  } rows[] = {
      {Cartesian2D, Explicit, "Function y=x^2-1"},
      {Cartesian2D, Parametric, "Function x=cos(u), y=x^2-1"},
      {Polar, Explicit, "Function r=x^2-1"},
      {Polar, Parametric, "Function a=cos(u), r=x^2-1"},
      {Cartesian2D, Implicit, ""},
      {Cartesian2D, Inequality, ""},
      {Polar, Implicit, ""},
      {Cartesian3D, Explicit, ""},
      {Cartesian2D, 0, ""},
  };
  for (const Row& r : rows)
    EXPECT_EQ(CurveHeaderLine(r.coord, r.form, "cos(u)", "x^2-1"), r.expected)
        << r.coord << "/" << r.form;
}

TEST(CurveReport, NumbersAndRootLines) {
  LocaleGuard c(QLocale::c());
  struct Row {
    float value;
    const char* text;
  } rows[] = {
      {2.0f, "2"},       {0.5f, "0.5"}, {1.0f / 3.0f, "0.3333333"}, {-1.25f, "-1.25"},
      {1E+07f, "1E+07"}, {-0.0f, "0"},  {-0.999999f, "-0.999999"},
  };
  for (const Row& r : rows)
    EXPECT_EQ(ReportNumber(r.value), r.text) << r.value;
  EXPECT_EQ(RootLine(-1.0f, -0.0f), "    Root: x=-1,y=0");
  EXPECT_EQ(RootLine(1.25f, 1E+07f), "    Root: x=1.25,y=1E+07");
}

TEST(CurveReport, NumbersUseTheLocalesSeparator) {
  LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(RootLine(0.5f, -1.25f), "    Root: x=0,5,y=-1,25");
}

TEST(CurveReport, LinesEndWithCrLf) {
  ResultBox::Clear();
  AppendReportLine("Function y=x");
  AppendReportLine("");
  EXPECT_EQ(ResultBox::Text(), "Function y=x\r\n\r\n");
  ResultBox::Clear();
}

} // namespace
