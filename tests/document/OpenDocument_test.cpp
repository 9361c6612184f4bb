// The document reader: what it applies and in which order, and that no malformed file changes the
// open document.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "document/DocumentTokens.h"
#include "document/OpenDocument.h"
#include "document/RecordingHost.h"
#include "platform/Prompter.h"
#include "sampling/Sampling.h"
#include "support/LimitedChild.h"

namespace {

std::shared_ptr<Graph> Curve(int32_t id, const std::string& formula) {
  auto g = std::make_shared<Graph>();
  g->ID = id;
  g->GraphType = Curve2D;
  g->CoordType = Cartesian2D;
  g->FunForm = Explicit;
  g->ExpressZ = formula;
  g->StepU = 1; // sampling raises counts of 0 to 1
  g->StepV = 4;
  g->StepW = 1;
  g->MinV = -2.0f;
  g->MaxV = 2.0f;
  return g;
}

std::shared_ptr<Graph> Table(int32_t id, const std::string& name) {
  auto g = std::make_shared<Graph>();
  g->ID = id;
  g->GraphType = Table2D;
  g->NameS = name;
  g->StepU = 0;
  g->StepV = 2;
  for (int32_t v = 0; v <= 2; ++v)
    g->VertTab3D(0, v) = GraphPoint::Init(float(v), float(v * v), 0, 0);
  return g;
}

std::shared_ptr<Graph> Vec(int32_t id) {
  auto g = std::make_shared<Graph>();
  g->ID = id;
  g->GraphType = Vector;
  g->VecEndX = 1.0f;
  return g;
}

std::string Text(int32_t kind, std::vector<std::shared_ptr<Graph>> graphs, bool axesShown = true,
                 ScaleSettings scale = {ScaleEqual, 1, 1, 1}) {
  GraphContainer shown;
  for (auto& g : graphs)
    shown.FunSurfs.Add(g);
  AxesSettings axes;
  axes.SetDefault();
  axes.Show = axesShown;
  return BuildDocumentText(kind, shown, axes, scale);
}

class OpenDocumentTest : public ::testing::Test {
protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }

  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    std::string problem;
    EXPECT_TRUE(DocumentFile::Write(path, text, &problem)) << problem;
    return path;
  }
  std::string WriteBytes(const std::string& name, const std::string& bytes) {
    const QString path = dir.filePath(QString::fromStdString(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes.data(), qint64(bytes.size()));
    return path.toStdString();
  }
  bool Open(const std::string& path, std::string* problem = nullptr) {
    std::string p;
    return OpenDocument(path, host, problem ? problem : &p);
  }

  QTemporaryDir dir;
  RecordingHost host;
  ScopedScriptedDialogs dialogs;
};

TEST_F(OpenDocumentTest, AppliesTheDocumentInOrder) {
  ShownGraphs.RotPitch = 12.0f;
  const std::string path =
      Write("a.crv", Text(DocumentType2D, {Curve(5, "x^2"), Table(2, "pts"), Curve(9, "x")}));
  ASSERT_TRUE(Open(path));
  const std::vector<std::string> expected = {"RemoveAllGraphs",
                                             "Refresh",
                                             "Trackball off",
                                             "EnableCommands 1",
                                             "AnimationOptions 10 10",
                                             "AddListRow 2D Curve  y=x^2",
                                             "AddListRow 2D Table Graph: pts",
                                             "AnimationOptions 10 10",
                                             "AddListRow 2D Curve  y=x",
                                             "Check 0",
                                             "Check 1",
                                             "Check 2",
                                             "ZoomToFit"};
  EXPECT_EQ(host.log, expected);
  EXPECT_EQ(DocumentType, DocumentType2D);
  EXPECT_EQ(ShownGraphs.RotPitch, 0.0f);
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 3);
  EXPECT_EQ(ShownGraphs.FunSurfs.Count(), 3);
  EXPECT_EQ(AllGraphs.FunSurfs.Item(1)->ExpressZ, "x^2");
  EXPECT_EQ(GraphIdCounter, 10); // IDs 5, 2, 9: raised to 6, then to 10
  EXPECT_EQ(AxisScaleMode, ScaleEqual);
  for (const auto& row : host.rows)
    EXPECT_TRUE(row.checked);
}

TEST_F(OpenDocumentTest, KindsAndTheirRotations) {
  struct Row {
    const char* header;
    int32_t kind;
    float pitch, yaw;
  };
  const Row rows[] = {{"S91", 1, 0, 0},    {"S94", 1, 0, 0},    {"S92", 3, -30, 45},
                      {"S96", 3, -30, 45}, {"S93", 2, -30, 45}, {"S95", 2, -30, 45},
                      {"S97", 7, 0, 0},    {"S98", 9, -30, 45}};
  for (const Row& row : rows) {
    ShownGraphs.RotPitch = 99.0f;
    ShownGraphs.RotYaw = 99.0f;
    const std::string path = Write("k.crv", std::string(row.header) + " 0 0 2 1 1 1");
    ASSERT_TRUE(Open(path)) << row.header;
    EXPECT_EQ(DocumentType, row.kind) << row.header;
    EXPECT_EQ(host.enabledKind, row.kind);
    EXPECT_EQ(ShownGraphs.RotPitch, row.pitch) << row.header;
    EXPECT_EQ(ShownGraphs.RotYaw, row.yaw) << row.header;
    EXPECT_FALSE(host.trackball);
  }
}

TEST_F(OpenDocumentTest, GraphIdCounterFollowsTheIds) {
  const std::pair<std::vector<int32_t>, int32_t> rows[] = {
      {{5, 2}, 6}, {{0}, 0}, {{1}, 2}, {{3, 4}, 4}, {{-7}, 0}};
  for (const auto& [ids, counter] : rows) {
    std::vector<std::shared_ptr<Graph>> graphs;
    for (int32_t id : ids)
      graphs.push_back(Vec(id));
    ASSERT_TRUE(Open(Write("ids.crv", Text(DocumentType3D, graphs))));
    EXPECT_EQ(GraphIdCounter, counter) << ids.size();
  }
}

TEST_F(OpenDocumentTest, DuplicateIdsGetFreshOnes) {
  std::string records;
  for (int32_t id : {3, 3, 1, 3})
    records += Vec(id)->Save();
  ASSERT_TRUE(Open(Write("dup.crv", "S92 4 " + records + "0 1 1 1 1")));
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 4);
  std::vector<int32_t> ids;
  for (const auto& g : AllGraphs.FunSurfs)
    ids.push_back(g->ID);
  EXPECT_EQ(ids, (std::vector<int32_t>{3, 4, 1, 5}));
  EXPECT_EQ(ShownGraphs.FunSurfs.Count(), 4);
  EXPECT_EQ(host.rows.size(), 4u);
  EXPECT_GE(GraphIdCounter, 5);
}

TEST_F(OpenDocumentTest, HiddenAxesAndTheTrailerAfterThem) {
  DocumentAxes().TitleX = "kept";
  DocumentAxes().LabelNumX = 7;
  ASSERT_TRUE(
      Open(Write("h.crv", Text(DocumentType3D, {Vec(1)}, false, {ScaleCustom, 2, 0.5f, 3}))));
  EXPECT_FALSE(DocumentAxes().Show);
  EXPECT_EQ(DocumentAxes().TitleX, "kept");
  EXPECT_EQ(DocumentAxes().LabelNumX, 7);
  EXPECT_EQ(AxisScaleMode, ScaleCustom);
  EXPECT_EQ(AxisRatioX, 2.0f);
  EXPECT_EQ(AxisRatioY, 0.5f);
  EXPECT_EQ(AxisRatioZ, 3.0f);
}

TEST_F(OpenDocumentTest, AxesRecordReadWhole) {
  GraphContainer shown;
  AxesSettings axes;
  axes.SetDefault();
  axes.TitleZ = "Two  blanks";
  axes.BackStyle = 7;
  axes.ShowPI = true;
  ASSERT_TRUE(Open(Write("ax.crv", BuildDocumentText(1, shown, axes, {2, 1, 1, 1}))));
  EXPECT_EQ(DocumentAxes().TitleZ, "Two  blanks");
  EXPECT_EQ(DocumentAxes().BackStyle, 7);
  EXPECT_TRUE(DocumentAxes().ShowPI);
  // "True" reads as true in the axes record.
  ASSERT_TRUE(Open(Write("t.crv", "S91 0 True 0 0 0 1 1 1 1 1 1 True 2 2 2 0 0 0 0 0 0 4 4 4 0 1 "
                                  "@X@ @Y@ @Z@ 0 0 0 2 0 0 0 0 1 0 True 2 1 1 1")));
  EXPECT_TRUE(DocumentAxes().Show);
  EXPECT_TRUE(DocumentAxes().BetterFonts);
  EXPECT_TRUE(DocumentAxes().ShowShadow);
}

TEST_F(OpenDocumentTest, AnimatedRecordsSetTheFramesAndThePlaybackCommands) {
  auto animated = Curve(1, "x*t");
  animated->GraphType = Curve2DAnimation;
  animated->Animation = true;
  animated->MinT = 0;
  animated->MaxT = 1;
  FrameCount = 7;
  FramesPerSecond = 3;
  const std::string text = Text(DocumentType2D, {animated, Curve(2, "x")});
  FrameCount = 10;
  FramesPerSecond = 10;
  CurrentFrame = 5;
  ASSERT_TRUE(Open(Write("anim.crv", text)));
  EXPECT_EQ(FrameCount, 7);
  EXPECT_EQ(FramesPerSecond, 3);
  EXPECT_EQ(host.animationTexts, "7 3");
  EXPECT_TRUE(host.animationCommands);
  EXPECT_EQ(CurrentFrame, 1);
  const int playback = host.Find("EnableAnimationCommands");
  ASSERT_GE(playback, 0);
  EXPECT_EQ(host.log[size_t(playback) + 1], "Display 1");
  EXPECT_GT(playback, host.Find("Check 1"));
  EXPECT_EQ(host.log.back(), "ZoomToFit");

  // The fastest speed the Animation Options accept is saved and read back.
  FramesPerSecond = MaxFramesPerSecond;
  const std::string fastest = Text(DocumentType2D, {animated});
  FramesPerSecond = 10;
  ASSERT_TRUE(Open(Write("fast.crv", fastest)));
  EXPECT_EQ(FramesPerSecond, 1999);

  // A still document leaves the commands and the frame alone.
  CurrentFrame = 4;
  ASSERT_TRUE(Open(Write("still.crv", Text(DocumentType2D, {Curve(1, "x")}))));
  EXPECT_FALSE(host.animationCommands);
  EXPECT_EQ(CurrentFrame, 4);
}

TEST_F(OpenDocumentTest, ReadingStopsAtATokenThatBeginsNoRecord) {
  // The count says three; the second record's kind is 99: only the first graph is read and the
  // axes record is read from that token.
  const std::string one = Vec(4)->Save();
  ASSERT_TRUE(Open(Write("stop.crv", "S92 3 " + one + "99 2 1 1 1")));
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 1);
  EXPECT_FALSE(DocumentAxes().Show); // "99" is no "1"
  EXPECT_EQ(AxisScaleMode, ScaleEqual);
  // A huge count with one record and hidden axes: the axes token "0" reads as a record kind and
  // the record runs out of text, so the file is refused (and the loop ends).
  std::string problem;
  EXPECT_FALSE(Open(Write("huge.crv", "S92 2147483647 " + one + "0 2 1 1 1"), &problem));
  EXPECT_FALSE(problem.empty());
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 1);
}

TEST_F(OpenDocumentTest, PointSizeTakesAnyReal) {
  auto p = std::make_shared<Graph>();
  p->GraphType = PointMarker;
  p->CoordType = Cartesian2D;
  p->ExpressY = "1";
  p->ExpressZ = "2";
  p->ID = 1;
  for (float size : {3.0f, 2.5f, 0.5f, 12.0f}) {
    p->PointSize = size;
    ASSERT_TRUE(Open(Write("p.crv", Text(DocumentType2D, {p}))));
    EXPECT_EQ(AllGraphs.FunSurfs.Item(1)->PointSize, size);
  }
}

TEST_F(OpenDocumentTest, NegativeListCountsReadNoItems) {
  auto g = Vec(1);
  g->CurvNum = -3;
  g->ColorNum = -1;
  ASSERT_TRUE(Open(Write("neg.crv", Text(DocumentType3D, {g}))));
  EXPECT_EQ(AllGraphs.FunSurfs.Item(1)->CurvNum, -3);
}

TEST_F(OpenDocumentTest, EveryGraphGetsARow) {
  // A point in a 4D document has no listed caption: it still gets a row.
  auto p = std::make_shared<Graph>();
  p->GraphType = PointMarker;
  p->ID = 1;
  ASSERT_TRUE(Open(Write("p4.crv", Text(DocumentType4D, {p, Vec(2)}))));
  ASSERT_EQ(host.rows.size(), 2u);
  EXPECT_FALSE(host.rows[0].caption.empty());
}

TEST_F(OpenDocumentTest, SamplingMessagesNameTheirGraphInOneBox) {
  ASSERT_TRUE(Open(Write("bad.crv", Text(DocumentType2D, {Curve(1, "x"), Curve(2, "sin(")}))));
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 2);
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Warning");
  const std::string& text = dialogs.prompter.shown[0].text;
  EXPECT_NE(text.find("\ngraph 2, formula \"sin(\": Character"), std::string::npos) << text;
  EXPECT_NE(text.find("Operand expected"), std::string::npos) << text;

  // A message that names its graph already is not prefixed with it again: the derivative of
  // x^0+x^1+...+x^5999 is too long to compile.
  std::string powers = "x^0";
  for (int k = 1; k < 6000; ++k)
    powers += "+x^" + std::to_string(k);
  auto plain = Curve(1, "x");
  auto analysed = Curve(2, powers);
  analysed->ShowDev = true;
  for (auto* g : {plain.get(), analysed.get()})
    g->ExpressX = g->ExpressY = "x";
  dialogs.prompter.shown.clear();
  ASSERT_TRUE(Open(Write("long.crv", Text(DocumentType2D, {plain, analysed}))));
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text,
            "Some graphs of the document could not be sampled:\nThe derivative of graph 2 is too "
            "long (more than 65536 characters).");
}

TEST_F(OpenDocumentTest, EmptyPathRunsOnlyZoomToFit) {
  ASSERT_TRUE(Open(Write("a.crv", Text(DocumentType2D, {Curve(1, "x")}))));
  host.log.clear();
  EXPECT_TRUE(Open(""));
  EXPECT_EQ(host.log, std::vector<std::string>{"ZoomToFit"});
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 1);
}

// Everything a failed open must leave as it was.
struct Snapshot {
  std::string text;
  std::vector<Graph*> graphs;
  std::vector<std::string> rows;
  int32_t documentType, counter, frames, speed, frame, mode;
  float ratios[3], rotation[3];
  AxesSettings axes;
  size_t logSize;

  static Snapshot Of(const RecordingHost& host) {
    Snapshot s;
    s.text = BuildDocumentText();
    for (const auto& g : AllGraphs.FunSurfs)
      s.graphs.push_back(g.get());
    for (const auto& r : host.rows)
      s.rows.push_back(r.caption + (r.checked ? "+" : "-"));
    s.documentType = DocumentType;
    s.counter = GraphIdCounter;
    s.frames = FrameCount;
    s.speed = FramesPerSecond;
    s.frame = CurrentFrame;
    s.mode = AxisScaleMode;
    s.ratios[0] = AxisRatioX, s.ratios[1] = AxisRatioY, s.ratios[2] = AxisRatioZ;
    s.rotation[0] = ShownGraphs.RotRoll, s.rotation[1] = ShownGraphs.RotPitch;
    s.rotation[2] = ShownGraphs.RotYaw;
    s.axes = DocumentAxes();
    s.logSize = host.log.size();
    return s;
  }
  void ExpectSame(const Snapshot& o, const std::string& what) const {
    EXPECT_EQ(text, o.text) << what;
    EXPECT_EQ(graphs, o.graphs) << what;
    EXPECT_EQ(rows, o.rows) << what;
    EXPECT_EQ(documentType, o.documentType) << what;
    EXPECT_EQ(counter, o.counter) << what;
    EXPECT_EQ(frames, o.frames) << what;
    EXPECT_EQ(speed, o.speed) << what;
    EXPECT_EQ(frame, o.frame) << what;
    EXPECT_EQ(mode, o.mode) << what;
    EXPECT_TRUE(std::equal(ratios, ratios + 3, o.ratios)) << what;
    EXPECT_TRUE(std::equal(rotation, rotation + 3, o.rotation)) << what;
    EXPECT_TRUE(axes == o.axes) << what;
    EXPECT_EQ(logSize, o.logSize) << what;
  }
};

class MalformedFileTest : public OpenDocumentTest {
protected:
  void SetUp() override {
    OpenDocumentTest::SetUp();
    auto animated = Curve(3, "x+t");
    animated->GraphType = Curve2DAnimation;
    animated->Animation = true;
    ASSERT_TRUE(
        Open(Write("open.crv", Text(DocumentType2D, {Curve(1, "x^2"), animated, Table(2, "p")}))));
    before = Snapshot::Of(host);
    // The document whose damaged forms are tried: every kind of record and field.
    auto g = Curve(4, "sin x");
    g->NameS = "a  name";
    g->CurvNum = 2;
    g->ColorNum = 1;
    g->TexName = "tex.bmp";
    auto t = Table(6, "my table");
    t->ColorNum = 2;
    good = Text(DocumentType3D, {g, t, Vec(8)}, true, {ScaleCustom, 1.5f, 2, 3});
  }

  void ExpectRefused(const std::string& path, const std::string& what) {
    std::string problem;
    EXPECT_FALSE(Open(path, &problem)) << what;
    EXPECT_FALSE(problem.empty()) << what;
    Snapshot::Of(host).ExpectSame(before, what);
  }

  Snapshot before;
  std::string good;
};

TEST_F(MalformedFileTest, TheGoodFormOpens) {
  RecordingHost other;
  std::string problem;
  ASSERT_TRUE(OpenDocument(Write("good.crv", good), other, &problem)) << problem;
  EXPECT_EQ(BuildDocumentText(), good);
}

TEST_F(MalformedFileTest, TruncatedAtEveryToken) {
  const auto tokens = Tokenize(good);
  for (size_t n = 0; n < tokens.size(); ++n) {
    std::string text;
    for (size_t i = 0; i < n; ++i)
      text += tokens[i] + " ";
    ExpectRefused(Write("cut.crv", text), "first " + std::to_string(n) + " tokens");
  }
}

TEST_F(MalformedFileTest, TruncatedAtEveryByte) {
  const std::string bytes = DocumentFile::Encode(good);
  for (size_t n = 0; n < bytes.size(); n += (n < 64 ? 1 : 37))
    ExpectRefused(WriteBytes("bytes.crv", bytes.substr(0, n)),
                  "first " + std::to_string(n) + " bytes");
}

TEST_F(MalformedFileTest, ForeignAndMissingFiles) {
  ExpectRefused(dir.filePath("missing.crv").toStdString(), "missing file");
  ExpectRefused(dir.path().toStdString(), "a folder");
  ExpectRefused(WriteBytes("empty.crv", ""), "empty file");
  ExpectRefused(Write("emptytext.crv", ""), "empty text");
  ExpectRefused(WriteBytes("png.crv", "\x89PNG\r\n\x1a\n...."), "a picture");
  for (const char* header : {"s92", "S99", "S9", "", "92", "S92x"}) {
    std::string text = good;
    text.replace(0, 3, header);
    ExpectRefused(Write("header.crv", text), std::string("header ") + header);
  }
  ExpectRefused(Write("lead.crv", " " + good), "leading blank");
}

TEST_F(MalformedFileTest, HugeAndBadCounts) {
  const std::string record = Vec(1)->Save();
  const std::string tail = "0 2 1 1 1";
  ExpectRefused(Write("c1.crv", "S92 2147483648 " + record + tail), "count beyond 32 bits");
  ExpectRefused(Write("c2.crv", "S92 1000000 " + record + tail), "count beyond the records");
  struct Row {
    GraphProp count;
    int32_t value;
  };
  for (Row row : {Row{GraphProp::CurvNum, 51}, Row{GraphProp::TangentNum, 1000000},
                  Row{GraphProp::ColorNum, 32}, Row{GraphProp::IsoSurfaceNum, 101},
                  Row{GraphProp::Slice4NumY, 2147483647}}) {
    // The count token alone says too much; its items are not there.
    auto g = Vec(1);
    g->SetInt(row.count, 1);
    std::string text = Text(DocumentType3D, {g});
    auto tokens = Tokenize(text);
    // Find the count token: the only "1" where the record of the default vector has a count.
    Graph plain;
    plain.GraphType = Vector;
    plain.ID = 1;
    plain.VecEndX = 1.0f;
    const auto plainTokens = Tokenize(plain.Save());
    size_t at = 2;
    while (at - 2 < plainTokens.size() && tokens[at] == plainTokens[at - 2])
      ++at;
    tokens[at] = std::to_string(row.value);
    std::string damaged;
    for (const auto& t : tokens)
      damaged += t + " ";
    ExpectRefused(Write("count.crv", damaged), std::string(PropertyInfo(row.count).name));
  }
  auto t = Table(1, "t");
  for (auto [u, v] : {std::pair{201, 0}, std::pair{0, 201}, std::pair{-1, 0}, std::pair{0, -1}}) {
    std::string text = Text(DocumentType2D, {t});
    auto tokens = Tokenize(text);
    tokens[2 + 11] = std::to_string(u); // StepU of the table record
    tokens[2 + 12] = std::to_string(v);
    std::string damaged;
    for (const auto& tk : tokens)
      damaged += tk + " ";
    ExpectRefused(Write("steps.crv", damaged), "table steps");
  }
}

TEST_F(MalformedFileTest, StepCountsThatCannotBeSampled) {
  struct Row {
    int32_t stepU, stepV, frames;
    bool animated;
  };
  for (Row row : {Row{100000, 100000, 10, false}, Row{-1, 4, 10, false}, Row{0, -2, 10, false},
                  Row{400, 400, 5000, true}}) {
    auto g = Curve(1, "x");
    g->GraphType = row.animated ? Surface3DAnimation : Surface3D;
    g->Animation = row.animated;
    g->CoordType = Cartesian3D;
    g->StepU = row.stepU;
    g->StepV = row.stepV;
    const int32_t frames = FrameCount;
    FrameCount = row.frames;
    const std::string text = Text(DocumentType3D, {g});
    FrameCount = frames;
    ExpectRefused(Write("steps.crv", text), "steps " + std::to_string(row.stepU));
  }
}

TEST_F(MalformedFileTest, TheDocumentAsAWholeHasAMemoryBudget) {
  // Twenty surfaces each within the limit of one graph, far beyond any machine together: refused
  // before anything is laid out, in one message that names the largest graphs.
  std::vector<std::shared_ptr<Graph>> surfaces;
  for (int32_t id = 1; id <= 20; ++id) {
    auto g = Curve(id, "x*y");
    g->GraphType = Surface3D;
    g->CoordType = Cartesian3D;
    g->StepU = 3000;
    g->StepV = id == 7 ? 3100 : 3000;
    surfaces.push_back(g);
  }
  std::string problem;
  EXPECT_FALSE(Open(Write("big.crv", Text(DocumentType3D, surfaces)), &problem));
  EXPECT_NE(problem.find("of memory for its text and its 20 graphs with their samples and drawing"),
            std::string::npos)
      << problem;
  EXPECT_NE(problem.find("(the largest: graph 7 (1.5 GB), graph 1"), std::string::npos) << problem;
  EXPECT_NE(problem.find("and 12 more"), std::string::npos) << problem;
  Snapshot::Of(host).ExpectSame(before, "over the budget");

  // The same question with a budget of one's own: three 100 x 100 surfaces need 3 x 3 x 101 x 101
  // points, and the display lists keep each surface's 101 x 101 drawn points again (twice, with
  // position, normal and colour: 80 bytes); the graphs themselves count too.
  auto doc = ParseDocumentText(Text(DocumentType3D, {Curve(1, "x"), Curve(2, "x"), Curve(3, "x")}),
                               AxesSettings(), &problem);
  ASSERT_TRUE(doc.has_value());
  for (auto& g : doc->graphs) {
    g.graph->GraphType = Surface3D;
    g.graph->StepU = g.graph->StepV = 100;
  }
  size_t need = 3 * (3 * sizeof(GraphPoint) + 80) * 101 * 101;
  for (const auto& g : doc->graphs)
    need += GraphBytes(*g.graph);
  EXPECT_FALSE(DocumentSamplingProblem(*doc, need).has_value());
  EXPECT_TRUE(DocumentSamplingProblem(*doc, need - 1).has_value());
}

TEST_F(MalformedFileTest, NonNumbersReadZeroNumbersBeyondTheirTypeAreRefused) {
  const auto tokens = Tokenize(good);
  // Numeric fields: the first record's ID (3), CoordType (7) after a name of three tokens, StepU
  // (12) after ExpressZ "sin x" in two tokens, MinU (14), and the trailer's AxisScaleMode and last
  // ratio. A token without a leading number reads 0 and the rest of the document is read as it
  // stands; a number that its field cannot hold makes the file unreadable.
  const size_t mode = tokens.size() - 4, lastRatio = tokens.size() - 1;
  const size_t fields[] = {3, 7, 12, 14, mode, lastRatio};
  auto damaged = [&](size_t at, const char* bad) {
    auto copy = tokens;
    copy[at] = bad;
    std::string text;
    for (const auto& t : copy)
      text += t + " ";
    text.pop_back();
    return text;
  };
  for (size_t at : fields)
    ExpectRefused(Write("nan.crv", damaged(at, "1E99")), "token " + std::to_string(at));
  for (size_t at : fields) {
    for (const char* bad : {"x", "", "True", "--1"}) {
      if (at == lastRatio && *bad == 0) continue; // no last token at all: the text ends early
      const std::string text = damaged(at, bad);
      const std::string what = "token " + std::to_string(at) + " = " + bad;
      RecordingHost other;
      std::string problem;
      ASSERT_TRUE(OpenDocument(Write("zero.crv", text), other, &problem)) << what << problem;
      EXPECT_EQ(AllGraphs.FunSurfs.Count(), 3) << what;
      if (at == 14) {
        EXPECT_EQ(AllGraphs.FunSurfs.Item(1)->MinU, 0.0f) << what;
      }
      if (at == mode) {
        EXPECT_EQ(AxisScaleMode, 0) << what;
      }
      if (at == lastRatio) {
        EXPECT_EQ(AxisRatioZ, 0.0f) << what;
      }
    }
  }
}

TEST_F(MalformedFileTest, ACountBeyondTheRecordsIsNamed) {
  // Two records where three are announced: the third begins at the axes record and runs out.
  const auto tokens = Tokenize(good);
  std::string text = "S92 4";
  for (size_t i = 2; i < tokens.size(); ++i)
    text += " " + tokens[i];
  std::string problem;
  EXPECT_FALSE(Open(Write("more.crv", text), &problem));
  EXPECT_EQ(problem, "it announces 4 graphs but holds only 3 (the text ends inside graph 4)");
  Snapshot::Of(host).ExpectSame(before, "count beyond the records");
}

TEST_F(OpenDocumentTest, ANameThatNeverClosesIsAbsentAndReadingGoesOn) {
  // The name token "@a" finds no closing "@" in the 100 tokens after it: the graph keeps its
  // empty name, "@a" alone is taken, and the record reads on from the token after it.
  auto g = Curve(1, "x");
  auto tokens = Tokenize(Text(DocumentType2D, {g}));
  ASSERT_EQ(tokens[4], "@@");
  tokens[4] = "@a";
  std::string text;
  for (const auto& t : tokens)
    text += t + " ";
  std::string problem;
  ASSERT_TRUE(Open(Write("name.crv", text), &problem)) << problem;
  EXPECT_EQ(AllGraphs.FunSurfs.Item(1)->NameS, "");
  EXPECT_EQ(AllGraphs.FunSurfs.Item(1)->ExpressZ, "x");
  EXPECT_EQ(AllGraphs.FunSurfs.Item(1)->MaxV, 2.0f);
}

TEST_F(MalformedFileTest, AnyTokenReplacedNeverHalfOpens) {
  // Whatever one token becomes, the reader opens the document or leaves the open one whole.
  const auto tokens = Tokenize(good);
  for (size_t at = 0; at < tokens.size(); ++at) {
    for (const char* bad : {"@", "-1", "99999", "abc"}) {
      auto damaged = tokens;
      damaged[at] = bad;
      std::string text;
      for (const auto& t : damaged)
        text += t + " ";
      RecordingHost other;
      std::string problem;
      const Snapshot mine = Snapshot::Of(host);
      const bool opened = OpenDocument(Write("any.crv", text), other, &problem);
      if (!opened) Snapshot::Of(host).ExpectSame(mine, "token " + std::to_string(at) + " = " + bad);
      ResetProgramState();
      ASSERT_TRUE(Open(Write("open.crv", Text(DocumentType2D, {Curve(1, "x^2")}))));
      host.log.clear();
    }
  }
}

TEST_F(OpenDocumentTest, FileOpenCommandAnswers) {
  const std::string first = Write("first.crv", Text(DocumentType2D, {Curve(1, "x")}));
  const std::string second = Write("second.crv", Text(DocumentType3D, {Vec(1), Vec(2)}));
  ASSERT_TRUE(Open(first));

  // Cancel at the question: nothing asked further, nothing changes.
  dialogs.prompter.answers = {MsgResult::Cancel};
  FileOpenCommand(host);
  EXPECT_EQ(DocumentType, DocumentType2D);
  EXPECT_TRUE(dialogs.files.titles.empty());

  // Yes, and the save dialog is cancelled: the open stops.
  dialogs.prompter.answers = {MsgResult::Yes};
  dialogs.files.answers = {std::nullopt};
  FileOpenCommand(host);
  EXPECT_EQ(dialogs.files.titles, std::vector<std::string>{"Save"});
  EXPECT_EQ(DocumentType, DocumentType2D);

  // No: the open dialog, then the file.
  dialogs.prompter.shown.clear();
  dialogs.files.titles.clear();
  dialogs.prompter.answers = {MsgResult::No};
  dialogs.files.answers = {FileChoice{second, 1}};
  FileOpenCommand(host);
  EXPECT_EQ(dialogs.prompter.shown.at(0).text, "Do you want to save the graphs?");
  EXPECT_EQ(dialogs.prompter.shown.at(0).title, "Note");
  EXPECT_EQ(dialogs.files.titles, std::vector<std::string>{"Open File"});
  EXPECT_EQ(DocumentType, DocumentType3D);
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 2);

  // Yes with a completed save, then a file that is no document: a message names it, the
  // document stays.
  const std::string saved = dir.filePath("saved.crv").toStdString();
  const std::string bad = WriteBytes("bad.crv", "not a document");
  dialogs.prompter.shown.clear();
  dialogs.prompter.answers = {MsgResult::Yes};
  dialogs.files.answers = {FileChoice{saved, 1}, FileChoice{bad, 1}};
  FileOpenCommand(host);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(saved)));
  ASSERT_EQ(dialogs.prompter.shown.size(), 2u);
  EXPECT_NE(dialogs.prompter.shown[1].text.find(bad), std::string::npos);
  EXPECT_EQ(dialogs.prompter.shown[1].title, "Error");
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 2);

  // No graph shown: no question.
  for (int32_t row = 0; row < 2; ++row)
    host.SetListRowChecked(row, false);
  dialogs.prompter.shown.clear();
  dialogs.files.answers = {std::nullopt};
  FileOpenCommand(host);
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 2);
}

} // namespace

// A document whose graph count disagrees with what it holds is still read as far as the count
// goes, but the user is told what was read and what was left, so that saving it again does not
// lose a graph unawares.
TEST_F(OpenDocumentTest, ACountThatDisagreesWithTheRecordsIsSaid) {
  const std::string two = Text(DocumentType2D, {Curve(1, "x"), Curve(2, "x^2")});
  auto withCount = [&](const char* count) {
    auto tokens = Tokenize(two);
    tokens[1] = count;
    std::string text;
    for (const auto& t : tokens)
      text += t + " ";
    return text;
  };
  const struct {
    const char* count;
    size_t graphs;
    const char* says; // "" : no message
  } rows[] = {
      {"2", 2, ""},
      {"1", 1, "The document announces 1 graph; 1 graph was read, but 1 more graph record "},
      {"0", 0, "The document announces 0 graphs; 0 graphs were read, but 2 more graph "},
      {"-1", 0, "The document announces -1 graphs; 0 graphs were read, but 2 more graph "},
      // A count that is no number reads 0: the message quotes the token written.
      {"nan", 0,
       "The document's graph count is \"nan\", which is no number; 0 graphs were read, "
       "but 2 more graph records follow"},
      {"x1", 0, "The document's graph count is \"x1\", which is no number; 0 graphs "}};
  for (const auto& row : rows) {
    std::string problem;
    const auto doc = ParseDocumentText(withCount(row.count), AxesSettings(), &problem);
    ASSERT_TRUE(doc.has_value()) << row.count << ": " << problem;
    EXPECT_EQ(doc->graphs.size(), row.graphs) << row.count;
    EXPECT_EQ(doc->warning.rfind(row.says, 0), 0u) << row.count << ": " << doc->warning;
    EXPECT_EQ(doc->warning.empty(), std::string(row.says).empty()) << row.count << doc->warning;
  }
  // Tokens after the scale settings are counted to the end of the text, past empty tokens.
  for (const char* after : {" 7 0", "  7 0", "   x"}) {
    std::string problem;
    const auto doc = ParseDocumentText(two + after, AxesSettings(), &problem);
    ASSERT_TRUE(doc.has_value()) << after << ": " << problem;
    const std::string says =
        std::string(", and ") + (after[3] == 'x' ? "1 token follows" : "2 tokens follow");
    EXPECT_NE(doc->warning.find(says), std::string::npos) << after << ": " << doc->warning;
  }
  // Opening shows it, and the document is what was read.
  ASSERT_TRUE(Open(Write("one.crv", withCount("1"))));
  ASSERT_FALSE(dialogs.prompter.shown.empty());
  EXPECT_NE(dialogs.prompter.shown.back().text.find("1 more graph record follows"),
            std::string::npos)
      << dialogs.prompter.shown.back().text;
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 1);
}

// A step count that cannot be sampled is refused with what is wrong with it: below 0 or too large,
// naming the counts of the graph and the frame count only for a graph sampled frame by frame.
TEST_F(OpenDocumentTest, UnsampledStepCountsSayWhy) {
  const auto steps = [](std::shared_ptr<Graph> g, int32_t u, int32_t v, int32_t w) {
    g->StepU = u, g->StepV = v, g->StepW = w;
    return g;
  };
  const auto function4D = [](bool animated) {
    auto g = Curve(1, "0");
    g->GraphType = animated ? Function4DAnimation : Function4D;
    g->Animation = animated;
    g->CoordType = Cartesian3D;
    g->ExpressV = animated ? "x+y+z+t" : "x+y+z";
    return g;
  };
  const struct {
    const char* what;
    int32_t kind;
    std::shared_ptr<Graph> graph;
    const char* says;
  } rows[] = {
      {"curve below 0", DocumentType2D, steps(Curve(1, "x"), 1, -5, 1),
       "graph 1 (StepU 1, StepV -5, StepW 1: a count below 0)"},
      {"curve too large", DocumentType2D, steps(Curve(1, "x"), 1, 2000000000, 1),
       "graph 1 (StepU 1, StepV 2000000000, StepW 1: too large)"},
      {"still 4D too large", DocumentType4D, steps(function4D(false), 5000, 5000, 5000),
       "graph 1 (StepU 5000, StepV 5000, StepW 5000: too large)"},
      {"animated 4D too large", DocumentType4D, steps(function4D(true), 5000, 5000, 5000),
       "graph 1 (StepU 5000, StepV 5000, StepW 5000, 10 frames: too large)"},
  };
  for (const auto& row : rows) {
    ResetProgramState();
    std::string problem;
    EXPECT_FALSE(Open(Write("steps.crv", Text(row.kind, {row.graph})), &problem)) << row.what;
    EXPECT_NE(problem.find(row.says), std::string::npos) << row.what << ": " << problem;
  }
}

// What a document costs is counted before its graphs are made: a document of many small graphs that
// would take more memory than the budget is refused with the budget's message, and opening it
// takes little more memory than its text. Tried in a child process under an address-space limit
// (the budget is half of what is left of it), which reports its peak memory through a pipe.
TEST_F(OpenDocumentTest, ManyGraphsAreCountedBeforeTheyAreMade) {
  constexpr int32_t Graphs = 60000;
  Graph point;
  point.GraphType = PointMarker;
  const std::string record = point.Save();
  std::string text = "S91 " + std::to_string(Graphs) + " ";
  text.reserve(text.size() + record.size() * Graphs + 16);
  for (int32_t i = 0; i < Graphs; ++i)
    text += record;
  text += "0 0 1 1 1";
  const std::string path = Write("many.crv", text);

  const LimitedChildResult child =
      RunInLimitedChild(std::size_t{1} << 30, [&](std::string& report) {
        std::string problem;
        const bool opened = OpenDocument(path, host, &problem);
        struct rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        report = std::to_string(usage.ru_maxrss) + " " + (opened ? "1" : "0") + " " + problem;
        return 0;
      });
  ASSERT_TRUE(child.exited) << "the child was killed by signal " << child.signal;
  ASSERT_EQ(child.code, 0);
  const std::string& report = child.report;

  long peakKiB = 0;
  int opened = 0;
  int consumed = 0;
  ASSERT_EQ(std::sscanf(report.c_str(), "%ld %d %n", &peakKiB, &opened, &consumed), 2) << report;
  const std::string problem = report.substr(static_cast<size_t>(consumed));
  EXPECT_EQ(opened, 0);
  // Counting stops once the budget is passed: the graphs it has counted are named.
  EXPECT_EQ(problem.rfind("it would need more than the ", 0), 0u) << problem;
  EXPECT_NE(problem.find(" of memory a document may use: its text and the first "),
            std::string::npos)
      << problem;
  EXPECT_NE(problem.find(" of the 60000 graphs it announces take that much with their samples and "
                         "drawing"),
            std::string::npos)
      << problem;
  // The graphs alone would take some 600 MB; the text, read and converted, is 19 MB.
  EXPECT_LT(peakKiB, 160 * 1024) << "peak memory of the child";
}
