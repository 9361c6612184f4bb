// Graphs through the clipboard: Copy takes the current row's graph, Paste adds it to a document of
// a kind that takes it as a new graph with a new ID and its own row, shown exactly when that row
// is checked; Copy As BMP puts the view's pixels on the clipboard as a bitmap.

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

#include <algorithm>

#include "document/Clipboard.h"
#include "document/DocumentText.h"
#include "document/DocumentTokens.h"
#include "document/RecordingHost.h"
#include "document/RemovalTestHost.h"
#include "model/GraphCaption.h"
#include "platform/NumberText.h"
#include "platform/Prompter.h"

namespace {

QClipboard& Board() { return *QGuiApplication::clipboard(); }
std::string BoardText() { return Board().text().toStdString(); }

// The graph each document kind is tested with.
std::shared_ptr<Graph> GraphOfKind(int32_t documentType) {
  auto g = std::make_shared<Graph>();
  g->NameS = "my graph";
  g->ExpressX = g->ExpressY = "0"; // every formula of a graph is compiled when it is sampled
  switch (documentType) {
  case DocumentType2D:
    g->GraphType = Curve2D;
    g->CoordType = Cartesian2D;
    g->FunForm = Explicit;
    g->ExpressZ = "x^2";
    g->MinV = -1.0f;
    g->MaxV = 2.0f;
    g->StepV = 6;
    break;
  case DocumentType25D:
    g->GraphType = Ribbon25D;
    g->CoordType = Cartesian2D;
    g->FunForm = Explicit;
    g->ExpressZ = "sin(x)";
    g->MaxV = 3.0f;
    g->StepV = 8;
    break;
  case DocumentType3D:
    g->GraphType = Surface3D;
    g->CoordType = Cartesian3D;
    g->FunForm = Explicit;
    g->ExpressZ = "x*y";
    g->StepU = g->StepV = 4;
    break;
  case DocumentType4D:
    g->GraphType = Function4D;
    g->ExpressV = "x+y+z";
    g->StepU = g->StepV = g->StepW = 3;
    break;
  default:
    g->GraphType = ColorMap;
    g->ExpressX = "u";
    g->ExpressY = "v";
    g->ExpressZ = "u*v";
    g->StepU = g->StepV = 5;
    break;
  }
  return g;
}

const int32_t AllKinds[] = {DocumentType2D, DocumentType25D, DocumentType3D, DocumentType4D,
                            DocumentTypeSpecial};

class ClipboardTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetProgramState();
    Board().setText("before");
  }
  void TearDown() override {
    ResetProgramState();
    Board().clear();
  }

  // A fresh document of a kind (the clipboard and ClipboardGraphCount stay).
  void NewDocumentOfKind(int32_t documentType) {
    AllGraphs.FunSurfs.Clear();
    ShownGraphs.FunSurfs.Clear();
    GraphIdCounter = 0;
    DocumentType = documentType;
    host = ListTestHost();
  }

  // The text that Copy would put on the clipboard with the record changed by edit.
  template <typename Edit> std::string EditedText(const Graph& g, Edit edit) {
    auto tokens = Tokenize(g.Save());
    edit(tokens);
    std::string text = std::to_string(DocumentType);
    for (const auto& t : tokens)
      text += " " + t;
    return text + " ";
  }

  ScopedScriptedDialogs dialogs; // no test blocks on a message box
  ListTestHost host;
};

TEST_F(ClipboardTest, CopyTakesTheCurrentRowWhetherShownOrNot) {
  auto first = host.AddGraph(1);
  auto second = host.AddGraph(2, Table2D, false);
  second->StepV = 1;
  host.current = 1;
  EXPECT_TRUE(CopyGraph(host));
  EXPECT_EQ(BoardText(), ClipboardGraphText(*second, DocumentType));
  EXPECT_EQ(BoardText().substr(0, 2), "1 ");
  EXPECT_EQ(ClipboardGraphCount, 1);

  // With no graph shown at all the current row's graph is still copied.
  ShownGraphs.FunSurfs.Clear();
  host.rows[0].checked = false;
  host.current = 0;
  Board().setText("other");
  EXPECT_TRUE(CopyGraph(host));
  EXPECT_EQ(BoardText(), ClipboardGraphText(*first, DocumentType));
  EXPECT_EQ(ClipboardGraphCount, 1); // set, not counted up
  EXPECT_TRUE(host.log.empty());     // the document and the scene are left alone
}

TEST_F(ClipboardTest, CopyWithoutACurrentRowOrARecordDoesNothing) {
  host.AddGraph(1);
  host.AddGraph(2, OdeSolution); // a kind that has no record
  for (int32_t current : {-1, 2, 7, 1}) {
    host.current = current;
    EXPECT_FALSE(CopyGraph(host)) << current;
    EXPECT_EQ(BoardText(), "before") << current;
    EXPECT_EQ(ClipboardGraphCount, 0) << current;
  }
}

TEST_F(ClipboardTest, CopyThenPasteIntoEachKind) {
  for (int32_t source : AllKinds) {
    NewDocumentOfKind(source);
    auto g = GraphOfKind(source);
    g->ID = 1;
    AllGraphs.FunSurfs.Add(g);
    host.rows.push_back({"g1", false});
    host.current = 0;
    ASSERT_TRUE(CopyGraph(host)) << source;
    const std::string copied = BoardText();

    for (int32_t target : AllKinds) {
      NewDocumentOfKind(target);
      GraphIdCounter = 6;
      const bool accepted = source == target;
      EXPECT_EQ(PasteGraph(host), accepted ? 1 : 0) << source << " into " << target;
      EXPECT_EQ(BoardText(), copied); // Paste leaves the clipboard as it is
      if (!accepted) {
        EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
        EXPECT_EQ(GraphIdCounter, 6);
        EXPECT_TRUE(host.log.empty());
        continue;
      }
      ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
      const Graph& pasted = *AllGraphs.FunSurfs.Item(1);
      EXPECT_EQ(pasted.ID, 7);
      EXPECT_EQ(GraphIdCounter, 7);
      // The same graph in every setting but its ID.
      g->ID = 7;
      EXPECT_EQ(pasted.Save(), g->Save()) << source;
      g->ID = 1;
      EXPECT_EQ(pasted.NameS, "my graph");
      // Without a current row the new row is checked, so the graph is shown.
      EXPECT_EQ(IdsOf(ShownGraphs), std::vector<int32_t>{7});
      ASSERT_EQ(host.rows.size(), 1u);
      EXPECT_EQ(host.rows[0].caption, GraphCaption(pasted, target));
      EXPECT_TRUE(host.rows[0].checked);
      EXPECT_EQ(host.sampled, std::vector<int32_t>{7}); // once, by Paste
      EXPECT_EQ(host.builds, 1);
    }
  }
}

TEST_F(ClipboardTest, KindCodesThatEachDocumentTakes) {
  struct Row {
    const char* code;
    std::vector<int32_t> takenBy;
  };
  const Row rows[] = {
      {"1", {DocumentType2D}},
      {"4", {DocumentType2D}},
      {"1.0", {DocumentType2D}},
      {"1abc", {DocumentType2D}},
      {"2", {DocumentType25D}},
      {"5", {DocumentType25D}},
      {"3", {DocumentType3D}},
      {"6", {DocumentType3D}},
      {"7", {DocumentTypeSpecial}},
      {"9", {DocumentType4D}},
      {"1.5", {}},
      {"abc", {}},
      {"", {}},
      {"8", {}},
      {"0", {}},
      {"-1", {}},
  };
  for (const Row& row : rows) {
    for (int32_t kind : AllKinds) {
      const bool taken =
          std::find(row.takenBy.begin(), row.takenBy.end(), kind) != row.takenBy.end();
      EXPECT_EQ(PasteKindAccepted(kind, NumberText::LeadingValue(row.code)), taken)
          << row.code << " " << kind;
    }
    // Through Paste: a point record with the code in front.
    NewDocumentOfKind(DocumentType2D);
    ClipboardGraphCount = 1;
    Graph point;
    point.GraphType = PointMarker;
    const std::string text = std::string(row.code) + " " + point.Save();
    const bool taken2D =
        std::find(row.takenBy.begin(), row.takenBy.end(), DocumentType2D) != row.takenBy.end();
    EXPECT_EQ(PasteGraphText(text, host), taken2D ? 1 : 0) << row.code;
  }
}

TEST_F(ClipboardTest, APastedGraphIsShownExactlyWhenItsRowIsChecked) {
  struct Row {
    int32_t current;    // the current row before the paste
    bool newRowChecked; // the new row's box
    std::vector<int32_t> shownAfter;
  };
  // Rows: graph 1 checked, graph 2 unchecked, graph 3 checked; the pasted graph gets ID 4.
  const Row rows[] = {
      {0, true, {1, 3, 4}},
      {1, false, {1, 3}},
      {2, true, {1, 3, 4}},
      {-1, true, {1, 3, 4}},
  };
  for (const Row& row : rows) {
    NewDocumentOfKind(DocumentType2D);
    host.AddGraph(1);
    host.AddGraph(2, Curve2D, false);
    host.AddGraph(3);
    host.current = row.current;
    ClipboardGraphCount = 1;
    auto g = GraphOfKind(DocumentType2D);
    ASSERT_EQ(PasteGraphText("1 " + g->Save(), host), 1);
    EXPECT_EQ(IdsOf(AllGraphs), (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(IdsOf(ShownGraphs), row.shownAfter) << row.current;
    ASSERT_EQ(host.rows.size(), 4u);
    EXPECT_EQ(host.rows[3].checked, row.newRowChecked) << row.current;
    // The other rows keep their boxes.
    EXPECT_TRUE(host.rows[0].checked);
    EXPECT_FALSE(host.rows[1].checked);
    EXPECT_TRUE(host.rows[2].checked);
    // Sampled once, before its row; the check event builds and presents.
    EXPECT_EQ(host.sampled, std::vector<int32_t>{4});
    const std::vector<std::string> expected = {
        "AnimationOptions 10 10",
        "Sample 4",
        "AddListRow " + GraphCaption(*AllGraphs.FunSurfs.Item(4), DocumentType2D),
        std::string("Check 3 ") + (row.newRowChecked ? "on" : "off"),
        "BuildScene",
        "Display 1"};
    EXPECT_EQ(host.log, expected) << row.current;
  }
}

TEST_F(ClipboardTest, PastingTwiceAddsTwoGraphsWithTheNextIds) {
  host.AddGraph(1);
  host.AddGraph(5);
  host.current = 0;
  auto g = GraphOfKind(DocumentType2D);
  g->ID = 1; // the ID in the record is never used
  ClipboardGraphCount = 1;
  Board().setText(QString::fromStdString(ClipboardGraphText(*g, DocumentType2D)));
  EXPECT_EQ(PasteGraph(host), 1);
  EXPECT_EQ(PasteGraph(host), 1);
  EXPECT_EQ(IdsOf(AllGraphs), (std::vector<int32_t>{1, 5, 6, 7}));
  EXPECT_EQ(IdsOf(ShownGraphs), (std::vector<int32_t>{1, 5, 6, 7}));
  EXPECT_EQ(host.rows[2].caption, host.rows[3].caption);
  EXPECT_EQ(host.rows[2].caption, "2D Curve  y=x^2");
  EXPECT_EQ(GraphIdCounter, 7);
  EXPECT_EQ(ClipboardGraphCount, 1);
}

TEST_F(ClipboardTest, APasteStaysWithinTheDocumentsMemoryBudget) {
  // Five surfaces whose samples take 4.1 GB together, more than any document may use: a small
  // curve pasted beside them is refused, with a message.
  for (int32_t id = 1; id <= 5; ++id) {
    host.AddGraph(id);
    auto& g = *AllGraphs.FunSurfs.Item(id);
    g.GraphType = Surface3D;
    g.StepU = g.StepV = 3000;
  }
  host.current = 0;
  ClipboardGraphCount = 1;
  const std::string text = ClipboardGraphText(*GraphOfKind(DocumentType2D), DocumentType2D);
  EXPECT_EQ(PasteGraphText(text, host), 0);
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 5);
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  // Without them it is pasted.
  NewDocumentOfKind(DocumentType2D);
  EXPECT_EQ(PasteGraphText(text, host), 1);
}

TEST_F(ClipboardTest, NothingIsPastedBeforeTheFirstCopy) {
  auto g = GraphOfKind(DocumentType2D);
  Board().setText(QString::fromStdString(ClipboardGraphText(*g, DocumentType2D)));
  EXPECT_EQ(ClipboardGraphCount, 0);
  EXPECT_EQ(PasteGraph(host), 0);
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
  EXPECT_TRUE(host.log.empty());
  // A clipboard without text, after a copy, pastes nothing either.
  ClipboardGraphCount = 1;
  Board().clear();
  EXPECT_EQ(PasteGraph(host), 0);
  EXPECT_TRUE(host.log.empty());
}

TEST_F(ClipboardTest, AnAnimatedGraphKeepsTheDocumentsFrameCount) {
  auto g = GraphOfKind(DocumentType2D);
  g->GraphType = Curve2DAnimation;
  g->Animation = true;
  g->MinT = -1.5f;
  g->MaxT = 2.5f;
  FrameCount = 30;
  FramesPerSecond = 25;
  const std::string text = ClipboardGraphText(*g, DocumentType2D);
  FrameCount = 8;
  FramesPerSecond = 4;
  ClipboardGraphCount = 1;
  ASSERT_EQ(PasteGraphText(text, host), 1);
  const Graph& pasted = *AllGraphs.FunSurfs.Item(1);
  EXPECT_EQ(pasted.MinT, -1.5f);
  EXPECT_EQ(pasted.MaxT, 2.5f);
  EXPECT_EQ(FrameCount, 8);
  EXPECT_EQ(FramesPerSecond, 4);
  EXPECT_EQ(host.animationTexts, "8 4");
}

TEST_F(ClipboardTest, RecordsThatCannotBeReadWhole) {
  ClipboardGraphCount = 1;
  Graph g;
  g.ExpressZ = "x^2";
  g.ShowMax = true;
  g.CurvNum = 2;
  const size_t curvNum = 24 + 1 + 34; // the head, then the 2D analysis up to CurvNum

  // After the Animation token: the graph is added with what was read, without the Animation
  // Options boxes.
  EXPECT_EQ(PasteGraphText(EditedText(g, [&](auto& t) { t[curvNum] = "51"; }), host), 1);
  ASSERT_EQ(AllGraphs.FunSurfs.Count(), 1);
  EXPECT_EQ(AllGraphs.FunSurfs.Item(1)->ExpressZ, "x^2");
  EXPECT_TRUE(AllGraphs.FunSurfs.Item(1)->ShowMax);
  EXPECT_EQ(host.animationTexts, "");
  EXPECT_EQ(host.ListCount(), 1);

  struct Bad {
    const char* what;
    std::string text;
  };
  const Bad bad[] = {
      {"a field before the Animation token", EditedText(g, [](auto& t) { t[9] = "1E39"; })},
      {"a text that ends inside the head", "1 0 1 @n@ 1 x"},
      {"no record kind", "1 99 1 2 3"},
      {"only the kind code", "1 "},
      {"step counts sampling cannot lay out", EditedText(g, [](auto& t) { t[8] = "2000000000"; })},
  };
  for (const Bad& b : bad) {
    NewDocumentOfKind(DocumentType2D);
    EXPECT_EQ(PasteGraphText(b.text, host), 0) << b.what;
    EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0) << b.what;
    EXPECT_EQ(GraphIdCounter, 0) << b.what;
    EXPECT_TRUE(host.log.empty()) << b.what;
  }
}

// A paste that adds nothing says why: Edit Paste shows it in a message.
TEST_F(ClipboardTest, APasteThatAddsNothingSaysWhy) {
  Graph g;
  g.ExpressZ = "x^2";
  DocumentType = DocumentType2D;
  const std::string curve2D = ClipboardGraphText(g, DocumentType2D);
  struct Case {
    const char* what;
    int32_t copies, documentType;
    std::string text, why;
  };
  const Case cases[] = {
      {"nothing copied yet", 0, DocumentType2D, curve2D,
       "Nothing was pasted: no graph has been copied in this run of the program."},
      {"a text that is no graph", 1, DocumentType2D, "hello world",
       "Nothing was pasted: the clipboard holds no graph."},
      {"an empty clipboard", 1, DocumentType3D, "",
       "Nothing was pasted: the clipboard holds no graph."},
      {"a 2D graph into a 3D document", 1, DocumentType3D, curve2D,
       "Nothing was pasted: the clipboard holds a graph of a 2D document, which a 3D document "
       "cannot take."},
      {"a 2D graph into a Special document", 1, DocumentTypeSpecial, curve2D,
       "Nothing was pasted: the clipboard holds a graph of a 2D document, which a Special "
       "document cannot take."},
      {"no record after the kind code", 1, DocumentType2D, "1 99 1 2 3",
       "Nothing was pasted: the clipboard holds no graph."},
      // A text that is no whole record holds no graph, whatever kind its first number names.
      {"a lone number", 1, DocumentType3D, "2",
       "Nothing was pasted: the clipboard holds no graph."},
      {"a number and a word", 1, DocumentType3D, "1 hello",
       "Nothing was pasted: the clipboard holds no graph."},
      {"a record that ends inside its head", 1, DocumentType3D, "1 0 1 @n@ 1 x",
       "Nothing was pasted: the clipboard holds no graph."},
      {"a 2D record cut short, into its own kind", 1, DocumentType2D, "1 0 1 @n@ 1 x",
       "Nothing was pasted: the clipboard holds no graph."},
      {"step counts too large", 1, DocumentType2D,
       EditedText(g, [](auto& t) { t[8] = "2000000000"; }),
       "Nothing was pasted: the step counts of the graph on the clipboard are too large to "
       "sample."},
  };
  for (const Case& c : cases) {
    NewDocumentOfKind(c.documentType);
    ClipboardGraphCount = c.copies;
    std::string why;
    EXPECT_EQ(PasteGraphText(c.text, host, &why), 0) << c.what;
    EXPECT_EQ(why, c.why) << c.what;

    dialogs.prompter.shown.clear();
    Board().setText(QString::fromStdString(c.text));
    EXPECT_EQ(PasteGraph(host), 0) << c.what;
    ASSERT_EQ(dialogs.prompter.shown.size(), 1u) << c.what;
    EXPECT_EQ(dialogs.prompter.shown[0].text, c.why);
    EXPECT_EQ(dialogs.prompter.shown[0].title, "Paste");
    EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0) << c.what;
  }
  // A paste that adds a graph says nothing.
  NewDocumentOfKind(DocumentType2D);
  dialogs.prompter.shown.clear();
  Board().setText(QString::fromStdString(curve2D));
  EXPECT_EQ(PasteGraph(host), 1);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
}

TEST_F(ClipboardTest, TablesAndWhatFollowsTheRecord) {
  Graph t;
  t.GraphType = Table2D;
  t.NameS = "points";
  t.StepV = 2;
  t.VertTab3D(0, 1).x = 4.0f;
  AxesSettings axes;
  axes.Show = true;
  axes.TitleX = "Changed";
  ClipboardGraphCount = 1;
  for (int32_t kind : {DocumentType2D, DocumentType25D, DocumentType3D}) {
    NewDocumentOfKind(kind);
    // A 2D table copied from a 2D document pastes into a document of any kind that takes the code
    // 4, 5 or 6 with its table caption; it is not sampled, and an axes record after it is ignored.
    const std::string code = std::to_string(kind + 3);
    ASSERT_EQ(PasteGraphText(code + " " + t.SaveTable() + axes.Save(), host), 1) << kind;
    const Graph& pasted = *AllGraphs.FunSurfs.Item(1);
    EXPECT_EQ(pasted.VertTab3D.At(0, 1).x, 4.0f);
    EXPECT_EQ(host.rows[0].caption, "2D Table Graph: points");
    EXPECT_TRUE(host.sampled.empty());
    EXPECT_NE(DocumentAxes().TitleX, "Changed");
  }
}

TEST_F(ClipboardTest, APastedCurveIsSampled) {
  host.realSampling = true;
  auto g = GraphOfKind(DocumentType2D);
  ClipboardGraphCount = 1;
  ASSERT_EQ(PasteGraphText(ClipboardGraphText(*g, DocumentType2D), host), 1);
  const Graph& pasted = *AllGraphs.FunSurfs.Item(1);
  ASSERT_TRUE(pasted.Vert3D.HasPoints());
  EXPECT_FLOAT_EQ(pasted.Vert3D(0, 6).x, 2.0f);
  EXPECT_FLOAT_EQ(pasted.Vert3D(0, 6).y, 4.0f);
  for (const auto& m : dialogs.prompter.shown)
    ADD_FAILURE() << m.title << ": " << m.text;
}

TEST(CopyAsBmp, TheViewsPixelsGoOnTheClipboardAsABitmap) {
  // Every column of the view, whatever its width (an older rule dropped one or two).
  struct Row {
    int width, expectedWidth;
  };
  for (const Row row : {Row{640, 640}, Row{643, 643}, Row{642, 642}, Row{641, 641}}) {
    QImage view(row.width, 3, QImage::Format_RGB32);
    for (int x = 0; x < row.width; ++x)
      for (int y = 0; y < 3; ++y)
        view.setPixel(x, y, qRgb(x % 256, y * 50, (x / 256) * 60));
    Board().setText("graph text");
    ASSERT_TRUE(CopyViewAsBmp(view));
    const QMimeData* data = Board().mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_FALSE(data->hasText()); // the clipboard holds only the bitmap
    const QImage copied = Board().image();
    ASSERT_EQ(copied.width(), row.expectedWidth) << row.width;
    ASSERT_EQ(copied.height(), 3);
    for (int x : {0, 1, row.expectedWidth - 1})
      for (int y = 0; y < 3; ++y)
        EXPECT_EQ(copied.pixel(x, y) & 0xFFFFFF, view.pixel(x, y) & 0xFFFFFF) << x << "," << y;
  }
  // A view that has not been drawn: the clipboard keeps what it held.
  Board().setText("kept");
  EXPECT_FALSE(CopyViewAsBmp(QImage()));
  EXPECT_EQ(Board().text(), "kept");
  Board().clear();
}

} // namespace
