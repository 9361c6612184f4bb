// A graph record read as Paste reads it: its differences from the document reader.

#include <gtest/gtest.h>

#include "document/DocumentTokens.h"
#include "document/GraphRecord.h"
#include "model/Graph.h"

namespace {

// Tokens joined into a text again, each followed by one blank.
std::string Text(const std::vector<std::string>& tokens) {
  std::string text;
  for (const auto& t : tokens)
    text += t + " ";
  return text;
}

// The record of a graph with the head's tokens 3 (the name), 23 (PointSize), 24 (PointHollow)
// replaced by the given texts.
std::string Record(const Graph& g, const std::string& name, const std::string& size,
                   const std::string& hollow) {
  auto tokens = Tokenize(g.Save());
  tokens[2] = name;
  tokens[22] = size;
  tokens[23] = hollow;
  return Text(tokens);
}

TEST(PasteRecord, FieldsThatPasteReadsItsOwnWay) {
  struct Row {
    const char* name;
    const char* size;
    const char* hollow;
    std::string pasteName;
    float pasteSize;
    bool pasteHollow;
  };
  const Row rows[] = {
      {"abc", "2.5", "True", "abc", 2.5f, false}, {"@@", "3", "2", "", 3.0f, true},
      {"@x@", "abc", "-1", "x", 0.0f, true},      {"@x@", "0.5", "0.5", "x", 0.5f, true},
      {"@x@", "", "0", "x", 0.0f, false},         {"@x@", "1E3", "", "x", 1000.0f, false},
  };
  for (const Row& row : rows) {
    Graph source;
    const std::string text = Record(source, row.name, row.size, row.hollow);
    const size_t count = Tokenize(text).size();
    TokenReader in(text);
    Graph g;
    const RecordReadResult result = ReadGraphRecord(in, g, RecordReading::Paste);
    EXPECT_TRUE(result.complete) << row.name;
    EXPECT_EQ(in.Position(), count) << row.name;
    EXPECT_EQ(g.NameS, row.pasteName) << row.name;
    EXPECT_EQ(g.PointSize, row.pasteSize) << row.size;
    EXPECT_EQ(g.PointHollow, row.pasteHollow) << row.hollow;
  }
}

TEST(PasteRecord, TheReaderTakesTheSameFieldsItsOwnWay) {
  Graph source;
  // A name token without "@" is no name: it is read as CoordType (0, not being a number) and
  // every later field moves by one.
  {
    source.CoordType = 1;
    const std::string text = Record(source, "abc", "1", "0");
    TokenReader in(text);
    Graph g;
    ReadGraphRecord(in, g);
    EXPECT_EQ(g.NameS, "");
    EXPECT_EQ(g.CoordType, 0);
  }
  {
    const std::string text = Record(source, "@n@", "abc", "0");
    TokenReader in(text);
    Graph g;
    ReadGraphRecord(in, g);
    EXPECT_EQ(g.PointSize, 0.0f); // no number
  }
  {
    const std::string text = Record(source, "@n@", "2.5", "True");
    TokenReader in(text);
    Graph g;
    ReadGraphRecord(in, g);
    EXPECT_EQ(g.PointSize, 2.5f);
    EXPECT_TRUE(g.PointHollow);
  }
}

TEST(PasteRecord, FrameTokensArePassedOver) {
  Graph source;
  source.Animation = true;
  source.MinT = -1.0f;
  source.MaxT = 2.0f;
  auto tokens = Tokenize(source.Save());
  tokens[27] = "none";
  tokens[28] = "";
  const std::string text = Text(tokens);
  TokenReader in(text);
  Graph g;
  const RecordReadResult result = ReadGraphRecord(in, g, RecordReading::Paste);
  EXPECT_TRUE(result.complete);
  EXPECT_TRUE(result.animationBlock);
  EXPECT_EQ(result.frameCount, 0);
  EXPECT_EQ(g.MinT, -1.0f);
  EXPECT_EQ(g.MaxT, 2.0f);
  EXPECT_EQ(in.Position(), tokens.size());
}

TEST(PasteRecord, AFailureAfterTheAnimationTokenKeepsWhatWasRead) {
  Graph source;
  source.ExpressZ = "x^2";
  source.ShowMax = true;
  source.CurvNum = 2;
  auto tokens = Tokenize(source.Save());
  const size_t curvNum = 24 + 1 + 34; // the head, then the 2D analysis up to CurvNum
  ASSERT_EQ(tokens[curvNum], "2");
  tokens[curvNum] = "51"; // beyond the list
  const std::string text = Text(tokens);
  TokenReader in(text);
  Graph g;
  const RecordReadResult result = ReadGraphRecord(in, g, RecordReading::Paste);
  EXPECT_FALSE(result.complete);
  EXPECT_EQ(g.ExpressZ, "x^2");
  EXPECT_TRUE(g.ShowMax);
  EXPECT_FALSE(g.ShowLen); // after the failure: defaults

  // Before the Animation token there is no recovery.
  auto early = Tokenize(source.Save());
  early[9] = "1E39"; // MinU, beyond the single range
  const std::string earlyText = Text(early);
  TokenReader in2(earlyText);
  Graph g2;
  EXPECT_THROW(ReadGraphRecord(in2, g2, RecordReading::Paste), TokenError);
  // And the document reader refuses the count whatever its place.
  TokenReader in3(text);
  Graph g3;
  EXPECT_THROW(ReadGraphRecord(in3, g3), TokenError);
}

TEST(PasteRecord, TableRecordName) {
  Graph t;
  t.GraphType = Table2D;
  t.StepV = 1;
  auto tokens = Tokenize(t.SaveTable());
  tokens[2] = "bare";
  const std::string text = Text(tokens);
  TokenReader in(text);
  Graph g;
  EXPECT_TRUE(ReadTableRecord(in, g, RecordReading::Paste).complete);
  EXPECT_EQ(g.NameS, "bare");
  EXPECT_EQ(in.Position(), tokens.size());
}

} // namespace
