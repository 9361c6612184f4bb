// Token forms of the document text and the reader's conversions.

#include <gtest/gtest.h>

#include "document/DocumentTokens.h"

namespace {

TEST(DocumentTokens, TokenizerKeepsEmptyTokens) {
  using V = std::vector<std::string>;
  const std::pair<const char*, V> rows[] = {
      {"", V{}},
      {"a", V{"a"}},
      {"a ", V{"a"}},
      {"a b", V{"a", "b"}},
      {"a  b", V{"a", "", "b"}},
      {" a", V{"", "a"}},
      {"  ", V{"", ""}},
      {"a\tb\nc d", V{"a\tb\nc", "d"}}, // only the space separates
  };
  for (const auto& [text, tokens] : rows)
    EXPECT_EQ(Tokenize(text), tokens) << '"' << text << '"';
}

TEST(DocumentTokens, ValueForms) {
  TokenWriter w;
  w.Integer(0);
  w.Integer(-1);
  w.Integer(2147483647);
  w.Real(0.15f);
  w.Real(-2.5f);
  w.Real(1.0f);
  w.Real(1e20f);
  w.Real(3.14159265f);
  w.Real(0.1f);
  w.Real(-0.0f);
  w.Boolean(true);
  w.Boolean(false);
  w.Name("");
  w.Name("My curve");
  w.Formula("");
  w.Formula("x^2");
  EXPECT_EQ(w.Text(), "0 -1 2147483647 0.15 -2.5 1 1E+20 3.141593 0.1 0 1 0 @@ @My curve@  x^2 ");
  EXPECT_EQ(w.TextWithoutLastBlank().back(), '2');
}

TEST(DocumentTokens, NonFiniteRealsGetAReadableForm) {
  EXPECT_EQ(RealToken(std::numeric_limits<float>::quiet_NaN()), "0");
  EXPECT_EQ(RealToken(std::numeric_limits<float>::infinity()), "3.402823E+38");
  EXPECT_EQ(RealToken(-std::numeric_limits<float>::infinity()), "-3.402823E+38");
  const std::string token = RealToken(std::numeric_limits<float>::infinity());
  TokenReader r(token);
  EXPECT_GT(r.Real("x"), 3.4e38f);
}

TEST(DocumentTokens, FormulasWithBlanksComeBackWhole) {
  const std::string formulas[] = {"sin x", "", "x^2", " x", "x ", "a  b", "@x", "@", "@@", "1 2 3"};
  TokenWriter w;
  for (const auto& f : formulas)
    w.Formula(f);
  w.Integer(7);
  const std::string text = w.Text();
  TokenReader r(text);
  for (const auto& f : formulas)
    EXPECT_EQ(r.Formula("ExpressZ"), f);
  EXPECT_EQ(r.Integer("next"), 7);
  EXPECT_TRUE(r.AtEnd());
}

TEST(DocumentTokens, NamesFollowTheAtRule) {
  const std::string names[] = {"",       "a", "My curve", "three  word  name", " lead",
                               "trail ", "@", "x@y",      "\xC3\xA9t\xC3\xA9"};
  TokenWriter w;
  for (const auto& n : names)
    w.Name(n);
  w.Integer(7);
  const std::string text = w.Text();
  TokenReader r(text);
  for (const auto& n : names) {
    std::string value = "unset";
    EXPECT_TRUE(r.Name("NameS", &value));
    EXPECT_EQ(value, n);
  }
  EXPECT_EQ(r.Integer("next"), 7);
}

TEST(DocumentTokens, ATokenWithoutAtIsNoNameAndIsNotTaken) {
  TokenReader r("abc 3");
  std::string value = "kept";
  EXPECT_FALSE(r.Name("NameS", &value));
  EXPECT_EQ(value, "kept");
  EXPECT_EQ(r.Position(), 0u);
  TokenReader empty(" 3");
  EXPECT_FALSE(empty.Name("NameS", &value));
}

TEST(DocumentTokens, ANameReachesAHundredTokensForItsClosingAt) {
  // Closed by the 100th token after the first: the name; by the 101st: no name, only the first
  // token is taken and the next field reads on from the token after it.
  std::string words;
  for (int k = 1; k < TokenReader::MaxNameTokens; ++k)
    words += " w";
  for (const bool inReach : {true, false}) {
    const std::string text = "@a" + words + (inReach ? "" : " w") + " z@ 7";
    TokenReader r(text);
    std::string value = "kept";
    EXPECT_EQ(r.Name("NameS", &value), inReach);
    if (inReach) {
      EXPECT_EQ(value, "a" + words + " z");
      EXPECT_EQ(r.Integer("next"), 7);
    } else {
      EXPECT_EQ(value, "kept");
      EXPECT_EQ(r.Position(), 1u);
      EXPECT_EQ(r.Peek(), "w");
    }
  }
  TokenReader end("@never closed");
  std::string value;
  EXPECT_FALSE(end.Name("NameS", &value));
  EXPECT_EQ(end.Peek(), "closed");
}

TEST(DocumentTokens, NumberConversions) {
  TokenReader r("3 2.5 3.5 -2.5 12abc &H10 1E3 0.15 1E-05 -0");
  EXPECT_EQ(r.Integer("a"), 3);
  EXPECT_EQ(r.Integer("b"), 2); // halves to even
  EXPECT_EQ(r.Integer("c"), 4);
  EXPECT_EQ(r.Integer("d"), -2);
  EXPECT_EQ(r.Integer("e"), 12); // the leading number
  EXPECT_EQ(r.Integer("f"), 16);
  EXPECT_EQ(r.Real("g"), 1000.0f);
  EXPECT_EQ(r.Real("h"), 0.15f);
  EXPECT_EQ(r.Real("i"), 1e-5f);
  EXPECT_EQ(r.Real("j"), 0.0f);
}

TEST(DocumentTokens, NonNumbersReadZeroNumbersBeyondTheirTypeAreErrors) {
  for (const char* token : {"abc", "True", "@1@", "-", "."}) {
    TokenReader r(token);
    EXPECT_EQ(r.Integer("StepU"), 0) << token;
    TokenReader real(token);
    EXPECT_EQ(real.Real("MinU"), 0.0f) << token;
  }
  TokenReader emptyToken("  5");
  EXPECT_EQ(emptyToken.Integer("StepU"), 0);
  EXPECT_EQ(emptyToken.Real("MinU"), 0.0f);
  EXPECT_EQ(emptyToken.Integer("StepV"), 5);
  for (const char* token : {"2147483648", "-2147483649", "1E10"}) {
    TokenReader r(token);
    EXPECT_THROW(r.Integer("StepU"), TokenError) << token;
  }
  // Words for values that are not finite are refused as 1E400 is, with the same message.
  for (const char* token :
       {"1E39", "-1E39", "1E400", "nan", "NaN", "inf", "-inf", "Infinity", "-INFINITY", "+nan"}) {
    TokenReader r(token);
    try {
      r.Real("MinU");
      ADD_FAILURE() << token << " was read";
    } catch (const TokenError& e) {
      EXPECT_EQ(std::string(e.what()), "MinU is out of range: \"" + std::string(token) + "\"");
    }
  }
  TokenReader r("-1 51 50");
  EXPECT_THROW(r.Count("CurvNum", 0, 50), TokenError);
  EXPECT_THROW(r.Count("CurvNum", 0, 50), TokenError);
  EXPECT_EQ(r.Count("CurvNum", 0, 50), 50);
}

TEST(DocumentTokens, FlagsAndStrictFlags) {
  struct Row {
    const char* token;
    bool flag;
    bool strict;
  };
  const Row rows[] = {{"1", true, true},      {"True", true, false}, {"true", false, false},
                      {"TRUE", false, false}, {"0", false, false},   {"", false, false},
                      {"-1", false, false},   {"2", false, false}};
  for (const Row& row : rows) {
    const std::string text = std::string(row.token) + " " + row.token + " ";
    TokenReader r(text);
    EXPECT_EQ(r.Flag("PointHollow"), row.flag) << row.token;
    EXPECT_EQ(r.StrictFlag("ShowTex"), row.strict) << row.token;
  }
}

TEST(DocumentTokens, ReadingPastTheEndIsAnError) {
  TokenReader r("1");
  EXPECT_TRUE(r.Flag("a"));
  EXPECT_THROW(r.Flag("b"), TextEndedError);
  EXPECT_THROW(r.Formula("c"), TokenError);
  EXPECT_EQ(r.Peek(), "");
}

} // namespace
