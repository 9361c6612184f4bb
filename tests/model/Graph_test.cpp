// The graph object: its defaults, the checked index ranges of its lists and arrays, the access by
// property id that the document text uses, the record layouts, and the copy operations.

#include <gtest/gtest.h>

#include "model/Graph.h"
#include "model/ProgramState.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// The value of any scalar property as text, for table comparisons.
std::string ValueText(const Graph& g, GraphProp p) {
  switch (PropertyInfo(p).kind) {
  case PropKind::Integer:
    return std::to_string(g.GetInt(p));
  case PropKind::Real:
    return std::to_string(g.GetReal(p));
  case PropKind::Boolean:
    return g.GetBool(p) ? "True" : "False";
  default:
    return "\"" + g.GetText(p) + "\"";
  }
}

GraphProp Id(const char* name) {
  auto p = FindGraphProperty(name);
  EXPECT_TRUE(p.has_value()) << name;
  return *p;
}

} // namespace

TEST(GraphDefaults, NewGraphHoldsTheListedDefaultsAndZeroEverywhereElse) {
  const std::map<std::string, std::string> nonZero = {
      {"Smoothness", "3"},
      {"Show", "3"},
      {"StepU", "1"},
      {"StepV", "1"},
      {"PointColor", "255"},
      {"PointSize", std::to_string(1.0f)},
      {"Show2DLine", "True"},
      {"Show2DScatter", "True"},
      {"ShowSmoothCurve", "True"},
      {"ScatterSize", "2"},
      {"SmoothCurveColor", "65280"},
      {"SmoothCurveWidth", "1"},
      {"Symbol", "1"},
  };
  Graph g;
  for (std::size_t i = 0; i < GraphPropertyTable.size(); ++i) {
    const auto p = static_cast<GraphProp>(i);
    const GraphPropertyInfo& info = GraphPropertyTable[i];
    if (info.indexed) {
      for (int32_t k = info.first; k <= info.last; ++k) {
        const bool zero = info.kind == PropKind::Boolean ? !g.GetBool(p, k)
                          : info.kind == PropKind::Real  ? g.GetReal(p, k) == 0.0f
                                                         : g.GetInt(p, k) == 0;
        ASSERT_TRUE(zero) << info.name << "(" << k << ")";
      }
      continue;
    }
    const std::string name(info.name);
    const auto it = nonZero.find(name);
    std::string expected;
    if (it != nonZero.end())
      expected = it->second;
    else if (info.kind == PropKind::Integer)
      expected = "0";
    else if (info.kind == PropKind::Real)
      expected = std::to_string(0.0f);
    else if (info.kind == PropKind::Boolean)
      expected = "False";
    else
      expected = "\"\"";
    EXPECT_EQ(ValueText(g, p), expected) << name;
  }
  // The table's default column says the same as the members.
  for (const auto& info : GraphPropertyTable) {
    if (info.indexed || info.kind == PropKind::Formula || info.kind == PropKind::Name) continue;
    const auto p = *FindGraphProperty(info.name);
    const double actual = info.kind == PropKind::Boolean ? (g.GetBool(p) ? 1.0 : 0.0)
                          : info.kind == PropKind::Real  ? static_cast<double>(g.GetReal(p))
                                                         : static_cast<double>(g.GetInt(p));
    EXPECT_EQ(actual, info.defaultNumber) << info.name;
  }
  // No point array is allocated, and no value grid holds anything.
  EXPECT_FALSE(g.Vert3D.Allocated());
  EXPECT_FALSE(g.Anim3D.Allocated());
  EXPECT_TRUE(g.SampleGridV.Values().empty());
  EXPECT_TRUE(g.FrameGridV.Values().empty());
  EXPECT_FALSE(g.VertTab3D.RowExists(0));
}

TEST(GraphDefaults, PropertyTableHoldsEveryStoredPropertyOnce) {
  // 221 properties of the interface: 214 stored ones, StepT and the six point arrays.
  EXPECT_EQ(GraphPropertyCount, 214);
  std::set<std::string_view> names;
  for (const auto& info : GraphPropertyTable)
    EXPECT_TRUE(names.insert(info.name).second);
  EXPECT_EQ(FindGraphProperty("NoSuchProperty"), std::nullopt);
  EXPECT_EQ(FindGraphProperty("ExpressZ"), GraphProp::ExpressZ);
}

TEST(GraphDefaults, StepTFollowsTheProgramFrameCount) {
  Graph g;
  const int32_t saved = FrameCount;
  FrameCount = 7;
  EXPECT_EQ(g.StepT(), 7);
  FrameCount = 12;
  EXPECT_EQ(g.StepT(), 12);
  FrameCount = saved;
}

TEST(GraphDefaults, ValuesAreStoredUnchecked) {
  Graph g;
  g.GraphType = 99;
  g.ColorNum = 40; // only the stop lists reject indices above 30
  EXPECT_EQ(g.GraphType, 99);
  EXPECT_EQ(g.ColorNum, 40);
}

struct IndexRow {
  const char* property;
  int32_t index;
  bool valid;
};

TEST(GraphIndices, ListsCheckTheirRanges) {
  const IndexRow rows[] = {
      {"IsoSurValue", 1, true},    {"IsoSurValue", 100, true},    {"IsoSurValue", 0, false},
      {"IsoSurValue", 101, false}, {"Slice4X", 0, true},          {"Slice4X", 50, true},
      {"Slice4X", 51, false},      {"TangentX", 50, true},        {"TangentX", 51, false},
      {"ColorPos", 30, true},      {"ColorPos", 31, false},       {"ColorR", -1, false},
      {"CurvX", -1, false},        {"SliceZShowCont", 51, false}, {"Slice4XYYE", 50, true},
      {"NmlX", 0, true},
  };
  for (const auto& row : rows) {
    Graph g;
    const GraphProp p = Id(row.property);
    const PropKind kind = PropertyInfo(p).kind;
    auto write = [&] {
      if (kind == PropKind::Real)
        g.SetReal(p, 2.5f, row.index);
      else if (kind == PropKind::Boolean)
        g.SetBool(p, true, row.index);
      else
        g.SetInt(p, 7, row.index);
    };
    if (row.valid) {
      EXPECT_NO_THROW(write()) << row.property << "(" << row.index << ")";
    } else {
      EXPECT_THROW(write(), SubscriptError) << row.property << "(" << row.index << ")";
    }
  }
  Graph g;
  EXPECT_THROW(g.Slice4X[-1] = 1.0f, SubscriptError);
  g.CurvX[50] = 3.0f;
  EXPECT_EQ(g.GetReal(GraphProp::CurvX, 50), 3.0f);
}

TEST(GraphIndices, TablePointsAreCreatedOnFirstReadAndChecked) {
  Graph g;
  GraphPoint& p = g.VertTab3D(5, 7);
  EXPECT_EQ(p, GraphPoint{});
  EXPECT_FLOAT_EQ(p.Size, 0.15f);
  p.x = 4.0f;
  EXPECT_EQ(&g.VertTab3D(5, 7), &p); // the same point again
  EXPECT_EQ(g.VertTab3D(5, 7).x, 4.0f);
  EXPECT_NO_THROW(g.VertTab3D(200, 200));
  EXPECT_THROW(g.VertTab3D(201, 0), SubscriptError);
  EXPECT_THROW(g.VertTab3D(0, 201), SubscriptError);
  EXPECT_THROW(g.VertTab3D(-1, 0), SubscriptError);
  // Only the rows reached hold storage.
  EXPECT_TRUE(g.VertTab3D.RowExists(5));
  EXPECT_FALSE(g.VertTab3D.RowExists(6));
  EXPECT_EQ(g.VertTab3D.At(6, 3), GraphPoint{});
  EXPECT_FALSE(g.VertTab3D.RowExists(6));
}

TEST(GraphIndices, PointArraysExistOnlyAfterLayoutAndCheckBounds) {
  Graph g;
  EXPECT_THROW(g.Vert3D(0, 0), SubscriptError);
  g.Vert3D.Allocate({2, 4});
  EXPECT_EQ(g.Vert3D.Cells().size(), 15u);
  g.Vert3D(0, 4).y = 9.0f;
  EXPECT_EQ(g.Vert3D.Cells()[4].y, 9.0f); // row 0 is contiguous
  EXPECT_THROW(g.Vert3D(3, 0), SubscriptError);
  EXPECT_THROW(g.Vert3D(0, 5), SubscriptError);
  // A new layout holds new points, of the same size too.
  g.Vert3D.Allocate({2, 4});
  EXPECT_EQ(g.Vert3D(0, 4), GraphPoint{});
  g.Vert3D.Allocate({1, 1});
  EXPECT_EQ(g.Vert3D(0, 1), GraphPoint{});
  // Laid out with its points written when first reached: the same bounds and new points, read
  // one by one, whole, or after a write.
  g.VertDev.Allocate({1, 2});
  g.VertDev(0, 0).x = 5.0f;
  g.VertDev.AllocateOnFirstUse({2, 3});
  const Graph& view = g;
  EXPECT_TRUE(g.VertDev.InRange({2, 3}));
  EXPECT_EQ(view.VertDev(0, 0), GraphPoint{});
  EXPECT_THROW(view.VertDev(3, 0), SubscriptError);
  g.VertDev(1, 2).y = 7.0f;
  EXPECT_EQ(view.VertDev.Cells().size(), 12u);
  EXPECT_EQ(view.VertDev(1, 2).y, 7.0f);
  EXPECT_EQ(view.VertDev(0, 0), GraphPoint{});
  g.VertDev2.AllocateOnFirstUse({1, 1});
  EXPECT_EQ(view.VertDev2.Cells().size(), 4u);
  // The animated 4D array is laid out without points: every cell access fails.
  g.Anim4D.LayoutWithoutPoints({2, 2, 2, 3});
  EXPECT_TRUE(g.Anim4D.Allocated());
  EXPECT_THROW(g.Anim4D(0, 0, 0, 0), SubscriptError);
  // A count that needs an impossible number of points is refused before anything changes.
  EXPECT_THROW(g.Anim3D.Allocate({100000, 100000, 10}), std::length_error);
  EXPECT_FALSE(g.Anim3D.Allocated());
}

TEST(GraphIndices, ValueGridsGrowWithTheCountsAndKeepTheirValues) {
  Graph g;
  EXPECT_THROW(g.SampleGridV(0, 0, 0), SubscriptError);
  g.SampleGridV.Reserve({2, 2, 2});
  EXPECT_EQ(g.SampleGridV.Values().size(), 27u);
  g.SampleGridV(2, 1, 2) = 5.0f;
  g.SampleGridV.Reserve({4, 3, 2});
  EXPECT_EQ(g.SampleGridV(2, 1, 2), 5.0f);
  EXPECT_EQ(g.SampleGridV(4, 3, 2), 0.0f);
  g.SampleGridV.Reserve({1, 1, 1}); // smaller counts keep the grid and its values
  EXPECT_EQ(g.SampleGridV(2, 1, 2), 5.0f);
  EXPECT_THROW(g.SampleGridV(5, 0, 0), SubscriptError);
  EXPECT_TRUE(ValueGrid<3>::Fits({200, 200, 200}));
  EXPECT_FALSE(ValueGrid<4>::Fits({1000, 1000, 1000, 10}));
  EXPECT_THROW(g.FrameGridV.Reserve({1000, 1000, 1000, 10}), std::length_error);
}

TEST(GraphAccess, AccessByIdChecksTheKind) {
  Graph g;
  g.SetText(GraphProp::ExpressZ, "x^2");
  g.SetInt(GraphProp::ColorR, 200, 3);
  g.SetBool(GraphProp::SliceYShowVect, true, 4);
  g.SetReal(GraphProp::IsoSurValue, 1.5f, 100);
  EXPECT_EQ(g.ExpressZ, "x^2");
  EXPECT_EQ(g.ColorR[3], 200);
  EXPECT_TRUE(g.SliceYShowVect[4]);
  EXPECT_EQ(g.IsoSurValue[100], 1.5f);
  EXPECT_THROW(g.SetInt(GraphProp::ExpressZ, 1), std::logic_error);
  EXPECT_THROW((void)g.GetReal(GraphProp::StepU), std::logic_error);
  EXPECT_THROW((void)g.GetText(GraphProp::NmlX), std::logic_error);
}

namespace {
// Tokens of a record layout for a graph, counting each list item's members.
int TokenCount(std::span<const RecordItem> layout, const Graph& g) {
  int n = 0;
  for (const auto& item : layout) {
    if (item.whenAnimated && !g.Animation) continue;
    switch (item.kind) {
    case RecordItemKind::List: {
      const int32_t count = g.GetInt(item.prop);
      if (count > 0) n += count * item.memberCount;
      break;
    }
    case RecordItemKind::TablePoints:
      n += 3 * (g.StepU + 1) * (g.StepV + 1);
      break;
    default:
      ++n;
    }
  }
  return n;
}
} // namespace

TEST(GraphRecords, LayoutsHaveTheTokenCountsOfTheDocumentText) {
  Graph g;
  g.StepU = 0;
  g.StepV = 0;
  EXPECT_EQ(TokenCount(GraphRecordLayout, g), 159);
  g.Animation = true;
  EXPECT_EQ(TokenCount(GraphRecordLayout, g), 163);
  g.TangentNum = 2;
  g.ColorNum = 3;
  g.Slice4NumY = 1;
  EXPECT_EQ(TokenCount(GraphRecordLayout, g), 163 + 4 + 12 + 7 + 4);
  // A table record: 23 + 3 x points + 4 x stops.
  Graph t;
  t.StepU = 2;
  t.StepV = 0;
  t.ColorNum = 1;
  EXPECT_EQ(TokenCount(TableRecordLayout, t), 23 + 9 + 4);

  // Every list item names properties of the list kind, driven by the right count.
  for (const auto& item : GraphRecordLayout) {
    if (item.kind != RecordItemKind::List) continue;
    for (int m = 0; m < item.memberCount; ++m) {
      const auto& info = PropertyInfo(item.members[m]);
      EXPECT_TRUE(info.indexed) << info.name;
      EXPECT_EQ(info.count, item.prop) << info.name;
      EXPECT_EQ(info.firstUsed, item.first) << info.name;
    }
  }
  // Every property of the function record appears in its layout, and nothing more.
  std::set<GraphProp> inRecord;
  for (const auto& item : GraphRecordLayout) {
    if (item.kind == RecordItemKind::Property) inRecord.insert(item.prop);
    if (item.kind == RecordItemKind::List)
      for (int m = 0; m < item.memberCount; ++m)
        inRecord.insert(item.members[m]);
  }
  const std::set<std::string_view> notInRecord = {"Show2DLine",
                                                  "Show2DScatter",
                                                  "ShowSmoothCurve",
                                                  "ScatterSize",
                                                  "ScatterColor",
                                                  "SmoothCurveColor",
                                                  "SmoothCurveWidth",
                                                  "Symbol",
                                                  "StepVV",
                                                  "MaxVV",
                                                  "MinVV"};
  for (std::size_t i = 0; i < GraphPropertyTable.size(); ++i)
    EXPECT_EQ(inRecord.count(static_cast<GraphProp>(i)) == 1,
              notInRecord.count(GraphPropertyTable[i].name) == 0)
        << GraphPropertyTable[i].name;
}

TEST(GraphRecords, RecordKindByGraphType) {
  for (int32_t t = -1; t <= 50; ++t) {
    RecordKind expected = RecordKind::NoRecord;
    if (t >= 4 && t <= 6)
      expected = RecordKind::Table;
    else if ((t >= 0 && t <= 3) || (t >= 7 && t <= 15) || (t >= 20 && t <= 23) || t == 31 ||
             t == 32 || (t >= 41 && t <= 45))
      expected = RecordKind::Function;
    EXPECT_EQ(RecordKindOf(t), expected) << t;
  }
}

// ---- copy operations ----

TEST(GraphCopy, EqualToCopiesTheSettingsButNotIdentityLengthTableOrPoints) {
  Graph source;
  source.ID = 3;
  source.NameS = "s";
  source.ExpressV = "x+y+z";
  source.StepW = 8;
  source.FunForm = Parametric;
  source.LenFrom = 1;
  source.LenTo = 2;
  source.Symbol = 4;
  source.ScatterSize = 9;
  source.MinVV = -5;
  source.StepVV = 3;
  source.ShowLen = true;
  source.CurvNum = 2;
  source.CurvX[1] = 1.5f;
  source.CurvX[2] = 2.5f;
  source.CurvX[3] = 3.5f;
  source.ColorNum = 3;
  for (int i = 0; i < 4; ++i)
    source.ColorR[i] = 10 + i;
  source.IsoSurfaceNum = 1;
  source.IsoSurValue[1] = 0.25f;
  source.Slice4NumZ = 1;
  source.SliceZShowColor[1] = true;
  source.Slice4XYYE[1] = 6;
  source.ClipMaxZ = 4;
  source.VecDZ2 = 7;
  source.SeriesA0 = 1.25f;
  source.TexName = "t.bmp";
  source.MinT = 5;
  source.MaxT = 6;
  source.Vert3D.Allocate({0, 0});

  Graph target;
  target.ID = 8;
  target.CurvX[0] = -1;
  target.CurvX[3] = -3;
  target.ColorR[3] = -4;
  target.MinT = 1;
  target.MaxT = 2;
  target.Vert3D.Allocate({1, 1});
  target.Vert3D(1, 1).x = 42;
  target.EqualTo(source);

  EXPECT_EQ(target.ID, 8);
  EXPECT_EQ(target.NameS, "s");
  EXPECT_EQ(target.ExpressV, "x+y+z");
  EXPECT_EQ(target.StepW, 8);
  EXPECT_EQ(target.FunForm, Parametric);
  EXPECT_TRUE(target.ShowLen);
  EXPECT_EQ(target.LenFrom, 0.0f);
  EXPECT_EQ(target.LenTo, 0.0f);
  EXPECT_EQ(target.Symbol, 1);
  EXPECT_EQ(target.ScatterSize, 2);
  EXPECT_EQ(target.MinVV, 0.0f);
  EXPECT_EQ(target.StepVV, 0);
  // Not animated: the t range stays.
  EXPECT_EQ(target.MinT, 1.0f);
  EXPECT_EQ(target.MaxT, 2.0f);
  // Items 1 .. count (stops 0 .. count - 1); the others stay.
  EXPECT_EQ(target.CurvX[0], -1.0f);
  EXPECT_EQ(target.CurvX[1], 1.5f);
  EXPECT_EQ(target.CurvX[2], 2.5f);
  EXPECT_EQ(target.CurvX[3], -3.0f);
  EXPECT_EQ(target.ColorR[0], 10);
  EXPECT_EQ(target.ColorR[2], 12);
  EXPECT_EQ(target.ColorR[3], -4);
  EXPECT_EQ(target.IsoSurValue[1], 0.25f);
  EXPECT_TRUE(target.SliceZShowColor[1]);
  EXPECT_EQ(target.Slice4XYYE[1], 6);
  EXPECT_EQ(target.ClipMaxZ, 4.0f);
  EXPECT_EQ(target.VecDZ2, 7.0f);
  EXPECT_EQ(target.SeriesA0, 1.25f);
  EXPECT_EQ(target.TexName, "t.bmp");
  // The points are neither copied nor shared.
  EXPECT_EQ(target.Vert3D.Upper(0), 1);
  EXPECT_EQ(target.Vert3D(1, 1).x, 42.0f);

  source.Animation = true;
  target.EqualTo(source);
  EXPECT_EQ(target.MinT, 5.0f);
  EXPECT_EQ(target.MaxT, 6.0f);
}

TEST(GraphCopy, EqualToRefusesACountBeyondItsListAndChangesNothing) {
  Graph source;
  source.NameS = "changed";
  source.NmlNum = 51;
  Graph target;
  EXPECT_THROW(target.EqualTo(source), SubscriptError);
  EXPECT_EQ(target.NameS, "");
  EXPECT_EQ(target.NmlNum, 0);
  source.NmlNum = 50;
  source.IsoSurfaceNum = 101;
  EXPECT_THROW(target.EqualTo(source), SubscriptError);
  source.IsoSurfaceNum = 100;
  source.ColorNum = 32;
  EXPECT_THROW(target.EqualTo(source), SubscriptError);
  source.ColorNum = 31;
  EXPECT_NO_THROW(target.EqualTo(source));
  EXPECT_EQ(target.NmlNum, 50);
  // Negative counts copy no items.
  source.CurvNum = -4;
  EXPECT_NO_THROW(target.EqualTo(source));
  EXPECT_EQ(target.CurvNum, -4);
}

TEST(GraphCopy, TabEqualToCopiesTheTableSettingsAndSharesThePoints) {
  Graph source;
  source.GraphType = Table3D;
  source.NameS = "tab";
  source.StepU = 2;
  source.StepV = 3;
  source.LineColor = 5;
  source.Symbol = 6;
  source.ScatterColor = 99;
  source.ColorName = "RAINBOW";
  source.ColorNum = 2;
  source.ColorPos[1] = 100;
  source.ExpressZ = "not copied";
  source.VertTab3D(1, 2).x = 3.0f;

  Graph target;
  target.ID = 4;
  target.ExpressZ = "mine";
  target.TabEqualTo(source);
  EXPECT_EQ(target.ID, 4);
  EXPECT_EQ(target.ExpressZ, "mine");
  EXPECT_EQ(target.GraphType, Table3D);
  EXPECT_EQ(target.NameS, "tab");
  EXPECT_EQ(target.StepU, 2);
  EXPECT_EQ(target.StepV, 3);
  EXPECT_EQ(target.LineColor, 5);
  EXPECT_EQ(target.Symbol, 6);
  EXPECT_EQ(target.ScatterColor, 99);
  EXPECT_EQ(target.ColorName, "RAINBOW");
  EXPECT_EQ(target.ColorPos[1], 100.0f);
  EXPECT_EQ(target.VertTab3D(1, 2).x, 3.0f);
  // One set of points: a change through either graph is seen through the other.
  source.VertTab3D(1, 2).x = 8.0f;
  EXPECT_EQ(target.VertTab3D(1, 2).x, 8.0f);
  target.VertTab3D(0, 0).y = -1.0f;
  EXPECT_EQ(source.VertTab3D(0, 0).y, -1.0f);
  EXPECT_TRUE(target.VertTab3D.SharesWith(source.VertTab3D));

  Graph bad;
  bad.ColorNum = 32;
  Graph other;
  EXPECT_THROW(other.TabEqualTo(bad), SubscriptError);
  EXPECT_FALSE(other.VertTab3D.SharesWith(bad.VertTab3D));
}

TEST(GraphCopy, TabEqualToSharesTheTableOfASourceThatHadNone) {
  Graph source;
  Graph target;
  target.TabEqualTo(source);
  target.VertTab3D(3, 3).z = 2.0f;
  EXPECT_EQ(source.VertTab3D(3, 3).z, 2.0f);
}

namespace {

// Main settings that differ from each other and from a new graph's defaults, so that a setting
// stored into the wrong property shows.
GraphMainSettings DistinctMainSettings() {
  GraphMainSettings s;
  s.ID = 7;
  s.NameS = "Saddle";
  s.GraphType = Surface3D;
  s.CoordType = Cylindrical;
  s.ExpressX = "u";
  s.ExpressY = "v";
  s.ExpressZ = "u*v";
  s.StepU = 21;
  s.StepV = 22;
  s.MinU = -1.5f;
  s.MaxU = 2.5f;
  s.MinV = -3.5f;
  s.MaxV = 4.5f;
  s.FillStyle = GradientFrontBack;
  s.FirstColor = 255;
  s.SecondColor = 65280;
  s.LineColor = 16711680;
  s.LineWidth = 4;
  s.Material = 6;
  s.Show = ModelGrid;
  s.Smoothness = ShadeFlat;
  s.ShowContour = true;
  s.ShowVector = false;
  s.ShowColormap = true;
  s.ContourLevel = 12;
  s.FunForm = Parametric;
  return s;
}

struct ExpectedSetting {
  GraphProp property;
  std::string text; // as ValueText gives it
};

// What both operations store from DistinctMainSettings, in their order.
const std::vector<ExpectedSetting> SharedMainSettingsStored = {
    {GraphProp::NameS, "\"Saddle\""},
    {GraphProp::GraphType, std::to_string(Surface3D)},
    {GraphProp::CoordType, std::to_string(Cylindrical)},
    {GraphProp::ExpressX, "\"u\""},
    {GraphProp::ExpressY, "\"v\""},
    {GraphProp::ExpressZ, "\"u*v\""},
    {GraphProp::StepU, "21"},
    {GraphProp::StepV, "22"},
    {GraphProp::MinU, std::to_string(-1.5f)},
    {GraphProp::MaxU, std::to_string(2.5f)},
    {GraphProp::MinV, std::to_string(-3.5f)},
    {GraphProp::MaxV, std::to_string(4.5f)},
    {GraphProp::FillStyle, std::to_string(GradientFrontBack)},
    {GraphProp::FirstColor, "255"},
    {GraphProp::SecondColor, "65280"},
    {GraphProp::LineColor, "16711680"},
    {GraphProp::LineWidth, "4"},
    {GraphProp::Material, "6"},
    {GraphProp::Show, std::to_string(ModelGrid)},
    {GraphProp::Smoothness, std::to_string(ShadeFlat)},
    {GraphProp::ShowContour, "True"},
    {GraphProp::ShowVector, "False"},
    {GraphProp::ShowColormap, "True"},
    // The whole-number level, stored as a real.
    {GraphProp::ContourLevel, std::to_string(12.0f)},
};

void ExpectSettings(const Graph& g, const std::vector<ExpectedSetting>& rows) {
  for (const ExpectedSetting& row : rows)
    EXPECT_EQ(ValueText(g, row.property), row.text) << PropertyInfo(row.property).name;
}

} // namespace

TEST(GraphCopy, InitMakesANewGraphFromTheMainSettingsAndDefaultsOtherwise) {
  Graph caller;
  caller.ID = 3;
  caller.NameS = "caller";
  caller.ExpressZ = "x";
  const std::shared_ptr<Graph> made = caller.Init(DistinctMainSettings());

  ASSERT_NE(made.get(), &caller);
  std::vector<ExpectedSetting> rows = SharedMainSettingsStored;
  rows.push_back({GraphProp::ID, "7"});
  // FunForm is not among Init's settings; what it does not set keeps a new graph's default.
  rows.push_back({GraphProp::FunForm, "0"});
  rows.push_back({GraphProp::ExpressV, "\"\""});
  rows.push_back({GraphProp::Animation, "False"});
  rows.push_back({GraphProp::Show2DLine, "True"});
  ExpectSettings(*made, rows);

  // The graph it was called on is as it was.
  ExpectSettings(caller, {{GraphProp::ID, "3"},
                          {GraphProp::NameS, "\"caller\""},
                          {GraphProp::ExpressZ, "\"x\""},
                          {GraphProp::StepU, "1"},
                          {GraphProp::ContourLevel, std::to_string(0.0f)}});
}

TEST(GraphCopy, EqualSetsTheMainSettingsAndFunFormAndKeepsIdentityAndTheRest) {
  Graph target;
  target.ID = 8;
  target.ExpressV = "x+y+z";
  target.Animation = true;
  target.MinT = 5;
  target.Show2DLine = false;
  target.Vert3D.Allocate({1, 1});
  target.Vert3D(1, 1).x = 42;
  target.Equal(DistinctMainSettings());

  std::vector<ExpectedSetting> rows = SharedMainSettingsStored;
  rows.push_back({GraphProp::FunForm, std::to_string(Parametric)});
  // The settings' ID is not Equal's: the graph keeps its own, and everything else it had.
  rows.push_back({GraphProp::ID, "8"});
  rows.push_back({GraphProp::ExpressV, "\"x+y+z\""});
  rows.push_back({GraphProp::Animation, "True"});
  rows.push_back({GraphProp::MinT, std::to_string(5.0f)});
  rows.push_back({GraphProp::Show2DLine, "False"});
  ExpectSettings(target, rows);
  EXPECT_EQ(target.Vert3D(1, 1).x, 42.0f);
}
