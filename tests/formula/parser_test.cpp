// The formula parser: postfix texts of accepted formulas, and the message and position of
// rejected ones, including errors before the first token is complete.

#include <gtest/gtest.h>

#include "formula/ValueStack.h"
#include "formula/FormulaParser.h"
#include "platform/Prompter.h"
#include "support/RowNames.h"

namespace {

struct Accepted {
  const char* formula;
  const char* postfix;
};

class ParserAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(ParserAccepts, WritesPostfixTextAndReturnsZero) {
  ScopedScriptedDialogs dialogs;
  FormulaParser parser;
  std::string buffer;
  EXPECT_EQ(parser.InfixToPostfix(GetParam().formula, buffer), 0);
  EXPECT_EQ(buffer, GetParam().postfix);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParserAccepts,
    ::testing::Values(
        Accepted{"2x^2+1", "2 XX 2 ^ * 1 + "}, Accepted{"-sin(x)^2", "XX SIN 2 ^ (-) "},
        Accepted{"sin x^2", "XX SIN 2 ^ "}, Accepted{"2^3^2", "2 3 ^ 2 ^ "},
        Accepted{"pi*r^2", "3.1415926 RR 2 ^ * "}, Accepted{"2*-x", "2 XX (-) * "},
        Accepted{"", ""}, Accepted{"   ", ""}, Accepted{"2x", "2 XX * "},
        Accepted{"2 x", "2 XX * "}, Accepted{"x y", "XX YY * "}, Accepted{"2(3)", "2 3 * "},
        Accepted{"(x)(y)", "XX YY * "}, Accepted{"-2^2", "2 2 ^ (-) "},
        Accepted{"-x*y", "XX (-) YY * "}, Accepted{"+x", "XX "}, Accepted{"sin x", "XX SIN "},
        Accepted{"sin sin x", "XX SIN SIN "}, Accepted{"sin -x", "XX (-) SIN "},
        Accepted{"asech(x)*2", "XX ASECH 2 * "}, Accepted{"1,5", "1,5 "}, Accepted{"1.5", "1.5 "},
        Accepted{"007+.5+2.", "007 .5 + 2. + "},
        Accepted{"PI+Pi+pi", "3.1415926 3.1415926 + 3.1415926 + "}, Accepted{"U+u", "UU UU + "},
        Accepted{"x\t+\ny", "XX YY + "}, Accepted{"v*z*a*b*t*n", "VV ZZ * AA * BB * TT * NN * "},
        Accepted{"x-y-2", "XX YY - 2 - "}, Accepted{"sin(x)^2", "XX SIN 2 ^ "},
        Accepted{"2^-x*3", "2 XX (-) ^ 3 * "}, Accepted{"sin(2)", "2 SIN "},
        Accepted{"Sin(x)+SIN(x)", "XX SIN XX SIN + "}),
    test_rows::Named([](const Accepted& r) { return std::string(r.formula); }));

struct Rejected {
  std::string formula;
  const char* message;
  int32_t shown;    // position in the message box text
  int32_t returned; // what InfixToPostfix returns (never 0)
};

class ParserRejects : public ::testing::TestWithParam<Rejected> {};

TEST_P(ParserRejects, ShowsMessageAndReturnsPosition) {
  ScopedScriptedDialogs dialogs;
  FormulaParser parser;
  std::string buffer;
  const Rejected& r = GetParam();
  EXPECT_EQ(parser.InfixToPostfix(r.formula, buffer), r.returned);
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  const ShownMessage& m = dialogs.prompter.shown[0];
  EXPECT_EQ(m.text, "Character " + std::to_string(r.shown) + ":  " + r.message);
  EXPECT_EQ(m.title, "Syntax Error");
  EXPECT_EQ(m.icon, MsgIcon::Critical);
  EXPECT_EQ(m.buttons, MsgButtons::OK);
  EXPECT_EQ(parser.LastSyntaxMessage, r.message);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParserRejects,
    ::testing::Values(
        Rejected{"2*", "Operand expected", 2, 2},
        Rejected{"(x", "Closing parenthesis expected", 2, 2},
        Rejected{"sin 2", "Open parenthesis expected", 4, 4},
        Rejected{"x+q", "Undefined symbol : 'q'", 2, 2}, Rejected{"1+*2", "Operand expected", 2, 2},
        Rejected{"12 5", "Operator expected", 1, 1},
        Rejected{"2+xy", "Undefined symbol : 'xy'", 2, 2},
        Rejected{"1+x2", "Operator expected", 2, 2}, Rejected{"(x)2", "Operator expected", 3, 3},
        Rejected{"--x", "Operand expected", 1, 1}, Rejected{"2+-3", "Operand expected", 2, 2},
        Rejected{"2--3", "Operand expected", 2, 2}, Rejected{"2-+3", "Operand expected", 2, 2},
        Rejected{"sin", "Operand expected", 3, 3},
        Rejected{"1.5,2", "Operand contains multiple decimal points", 1, 1},
        Rejected{"2+1..5", "Operand contains multiple decimal points", 2, 2},
        Rejected{"2+.", "Invalid operand", 2, 2}, Rejected{"1e5", "Undefined symbol : 'e'", 1, 1},
        Rejected{"()", "Operand expected", 1, 1}, Rejected{"2+)", "Operand expected", 2, 2},
        Rejected{"2+!", "Unexpected character encountered", 2, 2},
        Rejected{"x_1", "Undefined symbol : 'x_'", 0, 1},
        Rejected{"(x))", "Closing parenthesis without matching open parenthesis", 3, 3},
        // Errors whose position works out as 0 still reject the formula.
        Rejected{")", "Operand expected", 1, 1}, Rejected{"xy", "Undefined symbol : 'xy'", 0, 1},
        Rejected{"q", "Undefined symbol : 'q'", 0, 1}, Rejected{"x 5", "Operator expected", 0, 1},
        Rejected{"3)", "Closing parenthesis without matching open parenthesis", 0, 1},
        Rejected{"x$", "Unexpected character encountered", 0, 1},
        // A NUL is refused, not skipped like a blank: what follows it would be hidden.
        Rejected{std::string("x\0+1", 4), "Formula contains a NUL character", 2, 2}),
    test_rows::Named([](const Rejected& r) { return r.formula + " " + r.message; }));

TEST(Parser, AppendsToTheBufferAndKeepsTokensBeforeAnError) {
  ScopedScriptedDialogs dialogs;
  FormulaParser parser;
  std::string buffer = "1 ";
  EXPECT_EQ(parser.InfixToPostfix("x", buffer), 0);
  EXPECT_EQ(buffer, "1 XX ");
  buffer.clear();
  EXPECT_EQ(parser.InfixToPostfix("x+y+", buffer), 4);
  EXPECT_EQ(buffer, "XX YY + ");
}

TEST(Parser, OperatorRanksAndNameCharacters) {
  EXPECT_EQ(FormulaParser::OperatorRank("+"), 1);
  EXPECT_EQ(FormulaParser::OperatorRank("/"), 2);
  EXPECT_EQ(FormulaParser::OperatorRank("(-)"), 3);
  EXPECT_EQ(FormulaParser::OperatorRank("^"), 4);
  EXPECT_EQ(FormulaParser::OperatorRank("ACSECH"), 5);
  EXPECT_EQ(FormulaParser::OperatorRank("("), 0);
  EXPECT_TRUE(FormulaParser::IsNameChar('q'));
  EXPECT_TRUE(FormulaParser::IsNameChar('_'));
  EXPECT_FALSE(FormulaParser::IsNameChar('1'));
}

TEST(Parser, VeryLongAndDeeplyNestedFormulas) {
  ScopedScriptedDialogs dialogs;
  FormulaParser parser;
  std::string sum = "x";
  while (sum.size() + 2 <= FormulaParser::MaxFormulaChars)
    sum += "+x";
  std::string buffer;
  EXPECT_EQ(parser.InfixToPostfix(sum, buffer), 0);
  float r = 0;
  ASSERT_TRUE(parser.DoEvaluate(buffer, false, r, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(r, 32768.0f);

  const std::string nested = std::string(10000, '(') + "x+1" + std::string(10000, ')');
  buffer.clear();
  EXPECT_EQ(parser.InfixToPostfix(nested, buffer), 0);
  EXPECT_EQ(buffer, "XX 1 + ");

  // Right-nested powers keep 10000 values on the stack at once.
  std::string tower;
  for (int i = 0; i < 10000; ++i)
    tower += "1^(";
  tower += "x" + std::string(10000, ')');
  buffer.clear();
  EXPECT_EQ(parser.InfixToPostfix(tower, buffer), 0);
  ASSERT_TRUE(parser.DoEvaluate(buffer, false, r, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(r, 1.0f);

  const std::string unclosed = std::string(10000, '(') + "x";
  buffer.clear();
  EXPECT_EQ(parser.InfixToPostfix(unclosed, buffer), 10001);
  EXPECT_EQ(dialogs.prompter.shown.back().text, "Character 10001:  Closing parenthesis expected");
}

// Past these sizes a formula (typed, or read from a document of a megabyte) is refused at once with
// its reason, never read for minutes.
TEST(Parser, RefusesFormulasTooLongOrTooDeep) {
  ScopedScriptedDialogs dialogs;
  FormulaParser parser;
  const size_t most = FormulaParser::MaxFormulaChars;
  std::string buffer;
  EXPECT_EQ(parser.InfixToPostfix(std::string(most - 1, ' ') + "x", buffer), 0);

  struct Case {
    std::string formula;
    int32_t position;
    std::string message;
  };
  const std::string deep = std::to_string(FormulaParser::MaxFormulaNesting);
  std::string signs;
  for (size_t i = 0; i <= FormulaParser::MaxFormulaNesting / 2; ++i)
    signs += "-("; // a sign and a parenthesis wait at each step
  const Case cases[] = {
      {std::string(most, ' ') + "x", static_cast<int32_t>(most) + 1,
       "Formula too long (more than " + std::to_string(most) + " characters)"},
      {std::string(1000000, '-') + "x", static_cast<int32_t>(most) + 1,
       "Formula too long (more than " + std::to_string(most) + " characters)"},
      {std::string(FormulaParser::MaxFormulaNesting + 1, '(') + "x)",
       static_cast<int32_t>(FormulaParser::MaxFormulaNesting) + 2,
       "Formula nested too deeply (more than " + deep + " open operations)"},
      {signs + "x", static_cast<int32_t>(FormulaParser::MaxFormulaNesting) + 2,
       "Formula nested too deeply (more than " + deep + " open operations)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.formula.substr(0, 20));
    buffer.clear();
    EXPECT_EQ(parser.InfixToPostfix(c.formula, buffer), c.position);
    EXPECT_EQ(dialogs.prompter.shown.back().text,
              "Character " + std::to_string(c.position) + ":  " + c.message);
  }
}

TEST(ValueStackStack, GrowsByTenAndReportsEmptyPops) {
  ValueStack stack;
  EXPECT_EQ(stack.Capacity(), 0);
  for (int i = 0; i < 11; ++i)
    stack.Push(static_cast<int32_t>(i));
  EXPECT_EQ(stack.Capacity(), 20);
  EXPECT_EQ(std::get<int32_t>(stack.GetPopValue()), 10);
  for (int i = 10; i >= 0; --i)
    EXPECT_EQ(std::get<int32_t>(stack.Pop()), i);
  try {
    stack.Pop();
    FAIL();
  } catch (const FormulaError& e) {
    EXPECT_EQ(e.Number, 1011);
    EXPECT_STREQ(e.what(), "Pop method invoked on empty stack");
  }
  EXPECT_EQ(stack.StackSize(), 0);
  try {
    stack.GetPopValue();
    FAIL();
  } catch (const FormulaError& e) {
    EXPECT_EQ(e.Number, 1012);
  }
  stack.Push(std::string("x"));
  stack.Push(2.5);
  EXPECT_EQ(std::get<double>(stack.Pop()), 2.5);
  EXPECT_EQ(std::get<std::string>(stack.Pop()), "x");
}

} // namespace
