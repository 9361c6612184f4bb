// Exact texts of small documents and records, token by token.

#include <gtest/gtest.h>

#include <QLocale>

#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "document/DocumentTokens.h"
#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/ProgramState.h"

namespace {

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i)
    out += s;
  return out;
}

// The record of a graph with its defaults, section by section.
const std::string DefaultHead = "0 0 @@ 0    1 1 0 0 0 0 0 0 0 0 0 0 3 3 255 1 0 0 ";
const std::string DefaultAnalysis = Repeat("0 ", 46);
const std::string DefaultStepStem = Repeat("0 ", 9) + " " + Repeat("0 ", 8);
const std::string DefaultOverlays = Repeat("0 ", 7);
const std::string DefaultVectors = Repeat("0 ", 34);
const std::string DefaultTexture = "0 0 0 0 @@ 0 0 0 0 @@ 0 ";
const std::string DefaultLast = Repeat("0 ", 10) + " " + Repeat("0 ", 7);

TEST(DocumentText, EmptyTwoDDocumentWithHiddenAxes) {
  GraphContainer shown;
  AxesSettings axes;
  axes.Show = false;
  const std::string text = BuildDocumentText(DocumentType2D, shown, axes, {ScaleEqual, 1, 1, 1});
  EXPECT_EQ(text, "S91 0 0 2 1 1 1");
  const std::string bytes = DocumentFile::Encode(text);
  const char expected[] = {8,   0,   15,  0,   'S', '9', '1', ' ', '0', ' ',
                           '0', ' ', '2', ' ', '1', ' ', '1', ' ', '1'};
  EXPECT_EQ(bytes, std::string(expected, sizeof expected));
}

TEST(DocumentText, HeaderTokensOfEveryKind) {
  const std::pair<int32_t, const char*> rows[] = {
      {DocumentType2D, "S91"},      {DocumentType25D, "S93"}, {DocumentType3D, "S92"},
      {DocumentTypeSpecial, "S97"}, {DocumentType4D, "S98"},  {0, ""}};
  for (auto [kind, token] : rows)
    EXPECT_EQ(HeaderToken(kind), token);
  const std::pair<const char*, int32_t> read[] = {{"S91", 1}, {"S92", 3}, {"S93", 2}, {"S94", 1},
                                                  {"S95", 2}, {"S96", 3}, {"S97", 7}, {"S98", 9}};
  for (auto [token, kind] : read)
    EXPECT_EQ(DocumentTypeOfHeader(token), kind) << token;
  for (const char* token : {"s91", "S90", "S99", "", " S91", "S910", "91"})
    EXPECT_FALSE(DocumentTypeOfHeader(token).has_value()) << token;
}

TEST(DocumentText, DefaultGraphRecordTokenByToken) {
  Graph g;
  const std::string record = g.Save();
  EXPECT_EQ(record, DefaultHead + DefaultAnalysis + DefaultStepStem + DefaultOverlays +
                        DefaultVectors + DefaultTexture + DefaultLast);
  EXPECT_EQ(Tokenize(record).size(), 159u);
}

TEST(DocumentText, FieldFormsInARecord) {
  Graph g;
  g.NameS = "My curve";
  g.MinU = -2.5f;
  g.MaxU = 3.14159265f;
  g.MinV = 0.1f;
  g.MaxV = 2.0f;
  g.ExpressY = "u";
  g.ExpressZ = "x^2";
  const auto tokens = Tokenize(g.Save());
  // The name spans two tokens; the empty ExpressX is an empty token.
  EXPECT_EQ(tokens[2], "@My");
  EXPECT_EQ(tokens[3], "curve@");
  EXPECT_EQ(tokens[4], "0");
  EXPECT_EQ(tokens[5], "");
  EXPECT_EQ(tokens[6], "u");
  EXPECT_EQ(tokens[7], "x^2");
  EXPECT_EQ(tokens[10], "-2.5");
  EXPECT_EQ(tokens[11], "3.141593");
  EXPECT_EQ(tokens[12], "0.1");
  EXPECT_EQ(tokens[13], "2");
  EXPECT_EQ(tokens.size(), 160u);
}

TEST(DocumentText, AFormulaWithABlankIsWrittenBetweenAtSigns) {
  Graph g;
  g.ExpressZ = "sin x";
  const auto tokens = Tokenize(g.Save());
  EXPECT_EQ(tokens[6], "@sin");
  EXPECT_EQ(tokens[7], "x@");
  EXPECT_EQ(tokens[8], "1"); // StepU follows
}

TEST(DocumentText, DecimalPointWhateverTheLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Graph g;
  g.MinU = -2.5f;
  g.ClipMinX = 0.5f;
  const auto tokens = Tokenize(g.Save());
  QLocale::setDefault(before);
  EXPECT_EQ(tokens[9], "-2.5");
  EXPECT_NE(g.Save().find(" 0.5 "), std::string::npos);
}

TEST(DocumentText, AnimationBlockCarriesTheProgramWideFrames) {
  const int32_t frames = FrameCount, speed = FramesPerSecond;
  FrameCount = 24;
  FramesPerSecond = 12;
  Graph g;
  g.GraphType = Curve2DAnimation;
  g.Animation = true;
  g.MinT = -1.0f;
  g.MaxT = 1.5f;
  const auto tokens = Tokenize(g.Save());
  FrameCount = frames;
  FramesPerSecond = speed;
  ASSERT_EQ(tokens.size(), 163u);
  EXPECT_EQ(tokens[24], "1");
  EXPECT_EQ(std::vector<std::string>(tokens.begin() + 25, tokens.begin() + 29),
            (std::vector<std::string>{"-1", "1.5", "24", "12"}));
  EXPECT_EQ(tokens[29], "0"); // FunForm
}

TEST(DocumentText, CountedListsWriteTheirItemsInOrder) {
  Graph g;
  g.TangentNum = 2;
  g.TangentX[1] = 1.5f;
  g.TangentY[1] = 2.5f;
  g.TangentX[2] = 3.5f;
  g.TangentY[2] = 4.5f;
  g.ColorNum = 3;
  for (int32_t j = 0; j < 3; ++j) {
    g.ColorPos[j] = 50.0f * j;
    g.ColorR[j] = j + 1;
    g.ColorG[j] = j + 10;
    g.ColorB[j] = j + 100;
  }
  g.ColorName = "Own scheme";
  const std::string record = g.Save();
  EXPECT_NE(record.find(" 0 2 1.5 2.5 3.5 4.5 0 0 "), std::string::npos); // ShowTangent, count
  EXPECT_NE(record.find("@Own scheme@ 3 0 1 10 100 50 2 11 101 100 3 12 102 "), std::string::npos);
  EXPECT_EQ(Tokenize(record).size(), 159u + 4 + 1 + 12);
}

TEST(DocumentText, ACountBeyondItsListCannotBeWritten) {
  Graph g;
  g.CurvNum = 51;
  EXPECT_THROW(g.Save(), SubscriptError);
  Graph t;
  t.GraphType = Table2D;
  t.ColorNum = 32;
  EXPECT_THROW(t.SaveTable(), SubscriptError);
}

TEST(DocumentText, TableRecord) {
  Graph t;
  t.GraphType = Table2D;
  t.ID = 7;
  t.NameS = "data";
  t.StepU = 2;
  t.StepV = 0;
  t.VertTab3D(0, 0).x = 1.0f;
  t.VertTab3D(1, 0).y = 2.0f;
  t.VertTab3D(2, 0).z = -3.0f;
  // Points of u = 0, 1, 2 in that order; a point never set is 0 0 0.
  EXPECT_EQ(t.SaveTable(),
            "4 7 @data@ 0 0 0 0 0 0 3 3 2 0 1 0 0 0 2 0 0 0 -3 1 1 1 2 0 65280 1 1 @@ 0 ");
  t.StepU = 3;
  t.StepV = 4;
  t.ColorNum = 2;
  EXPECT_EQ(Tokenize(t.SaveTable()).size(), 23u + 3 * 4 * 5 + 4 * 2);
}

TEST(DocumentText, AxesRecord) {
  AxesSettings axes;
  axes.Show = false;
  EXPECT_EQ(axes.Save(), "0 ");
  axes.SetDefault();
  axes.TitleY = "Height in m";
  EXPECT_EQ(axes.Save(), "1 0 0 0 1 1 1 1 1 1 1 2 2 2 13421772 13421772 13421772 10066329 10066329 "
                         "10066329 4 4 4 0 1 @X@ @Height in m@ @Z@ 0 0 0 2 65280 16777215 65280 "
                         "65280 1 0 0 ");
  EXPECT_EQ(Tokenize(axes.Save()).size(), 39u + 2);
}

TEST(DocumentText, WholeDocumentCountsOnlyGraphsWithRecords) {
  GraphContainer shown;
  auto a = std::make_shared<Graph>();
  a->ID = 1;
  auto odd = std::make_shared<Graph>();
  odd->ID = 2;
  odd->GraphType = OdeSolution; // no record
  auto b = std::make_shared<Graph>();
  b->ID = 3;
  shown.FunSurfs.Add(a);
  shown.FunSurfs.Add(odd);
  shown.FunSurfs.Add(b);
  AxesSettings axes;
  axes.Show = false;
  const std::string text = BuildDocumentText(DocumentType2D, shown, axes, {ScaleEqual, 1, 1, 0.5f});
  EXPECT_EQ(text.substr(0, 6), "S91 2 ");
  EXPECT_EQ(text.substr(text.size() - 12), " 0 2 1 1 0.5");
  EXPECT_EQ(Tokenize(text).size(), 2u + 2 * 159 + 1 + 4);
}

TEST(DocumentText, ClipboardGraphText) {
  Graph g;
  g.ID = 4;
  EXPECT_EQ(ClipboardGraphText(g, DocumentType3D), "3 " + g.Save());
  EXPECT_EQ(ClipboardGraphText(g, DocumentType3D).back(), ' ');
  Graph t;
  t.GraphType = Table25D;
  EXPECT_EQ(ClipboardGraphText(t, DocumentType25D), "2 " + t.SaveTable());
  Graph none;
  none.GraphType = FunctionSeries;
  EXPECT_EQ(ClipboardGraphText(none, DocumentType2D), "");
}

} // namespace
