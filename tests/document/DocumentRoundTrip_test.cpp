// Write -> read -> write gives the same text for graphs of every kind with every setting changed
// from its default, and the graphs read back hold the values written.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdio>
#include <random>
#include <set>

#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "document/DocumentTokens.h"
#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/ProgramState.h"

namespace {

const int32_t FunctionKinds[] = {0,  1,  2,  3,  7,  8,  9,  10, 11, 12, 13, 14,
                                 15, 20, 21, 22, 23, 31, 32, 41, 42, 43, 44, 45};
const int32_t TableKinds[] = {4, 5, 6};

// Random values that differ from every default.
class Values {
public:
  explicit Values(unsigned seed) : rng_(seed) {}

  int32_t Int(int32_t lo, int32_t hi) {
    return std::uniform_int_distribution<int32_t>(lo, hi)(rng_);
  }
  bool Coin() { return Int(0, 1) == 1; }

  int32_t AnyInt(double defaultValue) {
    static const int32_t specials[] = {-2147483647 - 1, 2147483647, -1, 16777215, 65280};
    for (;;) {
      const int32_t v = Int(0, 4) == 0 ? specials[Int(0, 4)] : Int(-100000, 100000);
      if (v != defaultValue) return v;
    }
  }

  // A single value of 7 significant digits whose text reads back as a value of the same text
  // (seven digits do not tell every single apart in every decade).
  float Real(double defaultValue) {
    for (;;) {
      char text[48];
      const int exponent = Int(0, 9) == 0 ? Int(-30, 30) : Int(-4, 6);
      std::snprintf(text, sizeof text, "%s%d.%06dE%d", Coin() ? "-" : "", Int(1, 9), Int(0, 999999),
                    exponent);
      const float v = std::strtof(text, nullptr);
      const std::string written = RealToken(v);
      if (v != defaultValue && RealToken(std::strtof(written.c_str(), nullptr)) == written)
        return v;
    }
  }

  // Texts with blanks, runs of blanks, leading and trailing blanks, "@" and non-ASCII letters.
  std::string Text(bool formula) {
    static const char* pieces[] = {"x", "sin(x)", "y^2", "a b", "  ", " ", "u*v", "2.5",
                                   "t", "@",      "é",   "Ü",   "€",  "-", "(",   ")"};
    std::string s;
    const int n = Int(1, 6);
    for (int i = 0; i < n; ++i)
      s += pieces[Int(0, 15)];
    if (!formula) return s;
    // A formula beginning with a blank or "@" and holding blanks is fine; one whose blank-separated
    // word ends with "@" before another word cannot be told apart from the end of the name.
    return s;
  }

  std::mt19937& Rng() { return rng_; }

private:
  std::mt19937 rng_;
};

// A name or formula that the @-form carries: no word but the last may end with "@".
bool Carried(const std::string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '@' && text[i + 1] == ' ') return false;
  return true;
}

std::string CarriedText(Values& values, bool formula) {
  for (;;) {
    std::string s = values.Text(formula);
    if (Carried(s)) return s;
  }
}

std::set<GraphProp> PropertiesOf(const auto& layout) {
  std::set<GraphProp> props;
  for (const RecordItem& item : layout) {
    if (item.kind == RecordItemKind::Property) props.insert(item.prop);
    if (item.kind == RecordItemKind::List)
      for (int m = 0; m < item.memberCount; ++m)
        props.insert(item.members[size_t(m)]);
  }
  return props;
}

// Every property of the graph's record changed from its default, lists filled to their counts.
std::shared_ptr<Graph> RandomGraph(Values& values, int32_t graphType, int32_t id) {
  auto g = std::make_shared<Graph>();
  const bool table = RecordKindOf(graphType) == RecordKind::Table;
  const auto props = table ? PropertiesOf(TableRecordLayout) : PropertiesOf(GraphRecordLayout);
  for (GraphProp p : props) {
    const GraphPropertyInfo& info = PropertyInfo(p);
    const bool isCount = [&] {
      for (const auto& other : GraphPropertyTable)
        if (other.indexed && other.count == p) return true;
      return false;
    }();
    if (info.indexed || isCount) continue;
    switch (info.kind) {
    case PropKind::Integer:
      g->SetInt(p, values.AnyInt(info.defaultNumber));
      break;
    case PropKind::Real:
      g->SetReal(p, values.Real(info.defaultNumber));
      break;
    case PropKind::Boolean:
      g->SetBool(p, info.defaultNumber == 0.0);
      break;
    case PropKind::Formula:
    case PropKind::Name:
      g->SetText(p, CarriedText(values, info.kind == PropKind::Formula));
      break;
    }
  }
  g->GraphType = graphType;
  g->ID = id;
  if (!table) g->Animation = values.Coin();
  if (table) {
    g->StepU = values.Int(0, 4);
    g->StepV = values.Int(0, 6);
    for (int32_t u = 0; u <= g->StepU; ++u)
      for (int32_t v = 0; v <= g->StepV; ++v) {
        GraphPoint& point = g->VertTab3D(u, v);
        point.x = values.Real(0);
        point.y = values.Real(0);
        point.z = values.Real(0);
      }
  }
  // Counts within their lists, and every used item set.
  for (size_t i = 0; i < GraphPropertyTable.size(); ++i) {
    const GraphPropertyInfo& info = GraphPropertyTable[i];
    if (!info.indexed || !props.count(static_cast<GraphProp>(i))) continue;
    const int32_t maxCount = info.last - info.firstUsed + 1;
    if (g->GetInt(info.count) <= 0 || g->GetInt(info.count) > maxCount)
      g->SetInt(info.count, values.Int(1, std::min(maxCount, 8)));
  }
  for (size_t i = 0; i < GraphPropertyTable.size(); ++i) {
    const GraphPropertyInfo& info = GraphPropertyTable[i];
    const auto p = static_cast<GraphProp>(i);
    if (!info.indexed || !props.count(p)) continue;
    for (int32_t k = info.firstUsed; k < info.firstUsed + g->GetInt(info.count); ++k) {
      if (info.kind == PropKind::Integer) g->SetInt(p, values.AnyInt(0), k);
      if (info.kind == PropKind::Real) g->SetReal(p, values.Real(0), k);
      if (info.kind == PropKind::Boolean) g->SetBool(p, values.Coin(), k);
    }
  }
  return g;
}

AxesSettings RandomAxes(Values& values) {
  AxesSettings axes;
  for (size_t i = 0; i < AxesSettingsPropertyTable.size(); ++i) {
    const auto p = static_cast<AxesSettingsProp>(i);
    switch (AxesSettingsPropertyTable[i].kind) {
    case PropKind::Integer:
      axes.SetInt(p, axes.GetInt(p) + values.Int(1, 1000));
      break;
    case PropKind::Boolean:
      axes.SetBool(p, !axes.GetBool(p));
      break;
    case PropKind::Name:
      axes.SetText(p, CarriedText(values, false));
      break;
    default:
      break;
    }
  }
  axes.Show = true;
  return axes;
}

void ExpectSameRecordValues(const Graph& a, const Graph& b) {
  const bool table = RecordKindOf(a.GraphType) == RecordKind::Table;
  const auto props = table ? PropertiesOf(TableRecordLayout) : PropertiesOf(GraphRecordLayout);
  for (GraphProp p : props) {
    const GraphPropertyInfo& info = PropertyInfo(p);
    if (!a.Animation && (p == GraphProp::MinT || p == GraphProp::MaxT)) continue;
    const int32_t first = info.indexed ? info.firstUsed : 0;
    const int32_t last = info.indexed ? info.firstUsed + a.GetInt(info.count) - 1 : 0;
    for (int32_t k = first; k <= last; ++k) {
      switch (info.kind) {
      case PropKind::Integer:
        EXPECT_EQ(a.GetInt(p, k), b.GetInt(p, k)) << info.name << " " << k;
        break;
      case PropKind::Real:
        EXPECT_EQ(RealToken(a.GetReal(p, k)), RealToken(b.GetReal(p, k))) << info.name << " " << k;
        break;
      case PropKind::Boolean:
        EXPECT_EQ(a.GetBool(p, k), b.GetBool(p, k)) << info.name << " " << k;
        break;
      default:
        EXPECT_EQ(a.GetText(p), b.GetText(p)) << info.name;
      }
    }
  }
  if (table)
    for (int32_t u = 0; u <= a.StepU; ++u)
      for (int32_t v = 0; v <= a.StepV; ++v) {
        EXPECT_EQ(RealToken(a.VertTab3D.At(u, v).x), RealToken(b.VertTab3D.At(u, v).x));
        EXPECT_EQ(RealToken(a.VertTab3D.At(u, v).z), RealToken(b.VertTab3D.At(u, v).z));
      }
}

struct Document {
  int32_t kind;
  GraphContainer shown;
  AxesSettings axes;
  ScaleSettings scale;
  std::string Text() const { return BuildDocumentText(kind, shown, axes, scale); }
};

Document RandomDocument(Values& values) {
  Document doc;
  const int32_t kinds[] = {DocumentType2D, DocumentType25D, DocumentType3D, DocumentTypeSpecial,
                           DocumentType4D};
  doc.kind = kinds[values.Int(0, 4)];
  int32_t id = values.Int(-5, 50);
  for (int32_t type : FunctionKinds)
    doc.shown.FunSurfs.Add(RandomGraph(values, type, ++id));
  for (int32_t type : TableKinds)
    doc.shown.FunSurfs.Add(RandomGraph(values, type, ++id));
  doc.axes = RandomAxes(values);
  doc.scale = {values.Int(1, 3), values.Real(1), values.Real(1), values.Real(1)};
  return doc;
}

TEST(DocumentRoundTrip, EveryKindWithEverySettingChanged) {
  const int32_t frames = FrameCount, speed = FramesPerSecond;
  for (unsigned seed = 1; seed <= 12; ++seed) {
    Values values(seed);
    FrameCount = values.Int(1, 500);
    FramesPerSecond = values.Int(1, 100);
    const Document doc = RandomDocument(values);
    const std::string text = doc.Text();

    std::string problem;
    AxesSettings startAxes; // what the axes held before: every carried setting is overwritten
    auto parsed = ParseDocumentText(text, startAxes, &problem);
    ASSERT_TRUE(parsed.has_value()) << "seed " << seed << ": " << problem;
    EXPECT_EQ(parsed->documentType, doc.kind);
    ASSERT_EQ(parsed->graphs.size(), size_t(doc.shown.FunSurfs.Count()));

    Document back;
    back.kind = parsed->documentType;
    back.axes = parsed->axes;
    back.scale = parsed->scale;
    for (size_t i = 0; i < parsed->graphs.size(); ++i) {
      const auto& g = parsed->graphs[i];
      ExpectSameRecordValues(*doc.shown.FunSurfs.Item(int32_t(i) + 1), *g.graph);
      if (g.graph->Animation && g.functionRecord) {
        EXPECT_EQ(g.read.frameCount, FrameCount);
        EXPECT_EQ(g.read.framesPerSecond, FramesPerSecond);
      }
      back.shown.FunSurfs.Add(g.graph);
    }
    for (size_t i = 1; i < AxesSettingsPropertyTable.size(); ++i)
      if (AxesSettingsPropertyTable[i].inRecord) {
        const auto p = static_cast<AxesSettingsProp>(i);
        if (AxesSettingsPropertyTable[i].kind == PropKind::Name)
          EXPECT_EQ(back.axes.GetText(p), doc.axes.GetText(p));
        else if (AxesSettingsPropertyTable[i].kind == PropKind::Integer)
          EXPECT_EQ(back.axes.GetInt(p), doc.axes.GetInt(p));
        else
          EXPECT_EQ(back.axes.GetBool(p), doc.axes.GetBool(p));
      }
    EXPECT_EQ(back.Text(), text) << "seed " << seed;
  }
  FrameCount = frames;
  FramesPerSecond = speed;
}

TEST(DocumentRoundTrip, LargeDocumentsTakeTheLongLengthForm) {
  // A 3D table of 60 x 60 points needs more than 65,535 bytes (and 10,000 tokens).
  Values values(99);
  Document doc;
  doc.kind = DocumentType3D;
  auto table = RandomGraph(values, Table3D, 1);
  table->StepU = 59;
  table->StepV = 59;
  for (int32_t u = 0; u <= 59; ++u)
    for (int32_t v = 0; v <= 59; ++v)
      table->VertTab3D(u, v) = GraphPoint::Init(values.Real(0), values.Real(0), values.Real(0), 0);
  doc.shown.FunSurfs.Add(table);
  doc.axes.Show = false;
  doc.scale = {ScaleSquare, 1, 1, 1};
  const std::string text = doc.Text();
  ASSERT_GT(text.size(), 65536u);

  QTemporaryDir dir;
  const std::string path = dir.filePath("big.crv").toStdString();
  std::string problem;
  ASSERT_TRUE(DocumentFile::Write(path, text, &problem)) << problem;
  auto read = DocumentFile::Read(path, &problem);
  ASSERT_TRUE(read.has_value()) << problem;
  auto parsed = ParseDocumentText(*read, AxesSettings(), &problem);
  ASSERT_TRUE(parsed.has_value()) << problem;
  Document back;
  back.kind = parsed->documentType;
  back.axes = parsed->axes;
  back.scale = parsed->scale;
  back.shown.FunSurfs.Add(parsed->graphs.at(0).graph);
  EXPECT_EQ(back.Text(), text);
}

} // namespace
