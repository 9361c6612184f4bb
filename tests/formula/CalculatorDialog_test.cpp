// The Expression Calculator driven as a user drives it: typing, the keypad, templates, Enter,
// Calculate, Reset and the messages.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <ostream>
#include <string>

#include "formula/FormulaGlobals.h"
#include "platform/Prompter.h"
#include "view/dialogs/CalculatorDialog.h"

namespace {

class Calculator : public ::testing::Test {
protected:
  void SetUp() override {
    QLocale::setDefault(QLocale::c());
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
  }
  void Type(const QString& text) {
    dlg.expressionField->setFocus();
    QTest::keyClicks(dlg.expressionField, text);
  }
  static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  QString Expression() const { return dlg.expressionField->text(); }
  QString Result() const { return dlg.resultField->text(); }

  ScopedScriptedDialogs dialogs;
  CalculatorDialog dlg;
};

TEST_F(Calculator, StartsEmptyWithTheTemplatesAndCaptions) {
  EXPECT_EQ(dlg.windowTitle(), "Expression Calculator");
  EXPECT_TRUE(Expression().isEmpty());
  EXPECT_TRUE(Result().isEmpty());
  ASSERT_EQ(dlg.functionList->count(), 28);
  EXPECT_EQ(dlg.functionList->item(0)->text(), "abs()");
  EXPECT_EQ(dlg.functionList->item(16)->text(), "asec()");
  EXPECT_EQ(dlg.functionList->item(27)->text(), "actanh()");
  EXPECT_EQ(dlg.expressionLabel->text(), "Expression");
  EXPECT_EQ(dlg.functionLabel->text(), "Function");
  EXPECT_EQ(dlg.resultLabel->text(), "Result");
  EXPECT_EQ(dlg.insertButton->text(), "Insert");
  EXPECT_EQ(dlg.calculateButton->text(), "Calculate");
  EXPECT_EQ(dlg.resetButton->text(), "Reset");
  EXPECT_EQ(dlg.cancelButton->text(), "Cancel");
  EXPECT_EQ(dlg.backspaceButton->text(), "B");
  EXPECT_EQ(dlg.backspaceButton->toolTip(), "Backspace");
}

struct CalcRow {
  const char* name; // names the case in the test's name
  const char* typed;
  const char* cleaned;
  const char* result;
};

// A row is shown by its name, in failures as in the test list.
void PrintTo(const CalcRow& row, std::ostream* os) { *os << row.name; }

class CalculatorRows : public Calculator, public ::testing::WithParamInterface<CalcRow> {};

TEST_P(CalculatorRows, CalculateCleansAndShowsTheResult) {
  Type(GetParam().typed);
  Click(dlg.calculateButton);
  EXPECT_EQ(Expression(), GetParam().cleaned);
  EXPECT_EQ(Result(), GetParam().result);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  EXPECT_FALSE(ShowEvaluationErrors);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CalculatorRows,
    ::testing::Values(CalcRow{"EmptyIsZero", "", "0", "0"},
                      CalcRow{"CommaIsAPointAndSpacesGo", "2 , 5 * 2", "2.5*2", "5"},
                      CalcRow{"Sum", "2+3", "2+3", "5"},
                      CalcRow{"SevenSignificantDigits", "1/3", "1/3", "0.3333333"},
                      CalcRow{"SineInDegrees", "sin(30)", "sin(30)", "0.5000011"},
                      CalcRow{"UAndVAreOne", "u+v", "u+v", "2"},
                      CalcRow{"XYZAreZero", "x+y+z", "x+y+z", "0"},
                      CalcRow{"AtanhOfOne", "atanh(1)", "atanh(1)", "0.12345"},
                      CalcRow{"NumberTimesVariable", "2x", "2x", "0"},
                      CalcRow{"LargeResultInExponentForm", "10^8", "10^8", "1E+08"},
                      CalcRow{"ArcSecant", "asec(2)", "asec(2)", "1.047198"},
                      CalcRow{"ArcTangent", "atan(1)", "atan(1)", "0.7853982"},
                      CalcRow{"SquareRootOfZero", "sqr(0)", "sqr(0)", "0"}),
    [](const ::testing::TestParamInfo<CalcRow>& info) { return std::string(info.param.name); });

TEST_F(Calculator, DomainErrorShowsTheEvaluatorMessageAndKeepsTheResult) {
  Type("2+3");
  Click(dlg.calculateButton);
  ASSERT_EQ(Result(), "5");
  dlg.expressionField->clear();
  Type("sqr(-1)");
  Click(dlg.calculateButton);
  EXPECT_EQ(Result(), "5");
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text,
            "The parameter of function SQR must be larger than or equal to 0.");
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  EXPECT_FALSE(ShowEvaluationErrors); // off again: graph drawing reports nothing
}

TEST_F(Calculator, OverflowIsReportedAndClearsTheOldResult) {
  Type("2+3");
  Click(dlg.calculateButton);
  ASSERT_EQ(Result(), "5");
  dlg.expressionField->clear();
  Type("exp(100)");
  Click(dlg.calculateButton);
  EXPECT_EQ(Result(), "");
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Overflow: the value is too large.");
  EXPECT_FALSE(ShowEvaluationErrors);
}

TEST_F(Calculator, IllegalCharacterLeavesBothBoxes) {
  Type("1+1");
  Click(dlg.calculateButton);
  dlg.expressionField->setText("2#3");
  Click(dlg.calculateButton);
  EXPECT_EQ(Expression(), "2#3");
  EXPECT_EQ(Result(), "2");
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Illegal expression exist.");
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  EXPECT_EQ(dialogs.prompter.shown[0].icon, MsgIcon::Exclamation);
  EXPECT_FALSE(ShowEvaluationErrors);
}

TEST_F(Calculator, SyntaxErrorShowsTheParserMessage) {
  Type("1 +* 2");
  Click(dlg.calculateButton);
  EXPECT_EQ(Expression(), "1+*2");
  EXPECT_EQ(Result(), "");
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Character 2:  Operand expected");
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Syntax Error");
}

TEST_F(Calculator, KeypadInsertsAtTheCaretAndBackspaceRemovesBeforeIt) {
  Type("23");
  dlg.expressionField->setCursorPosition(1);
  Click(dlg.plusButton);
  EXPECT_EQ(Expression(), "2+3");
  EXPECT_EQ(dlg.expressionField->cursorPosition(), 2);
  EXPECT_TRUE(dlg.expressionField->hasFocus());
  Click(dlg.backspaceButton);
  EXPECT_EQ(Expression(), "23");
  EXPECT_EQ(dlg.expressionField->cursorPosition(), 1);

  dlg.expressionField->setCursorPosition(0);
  Click(dlg.backspaceButton);
  EXPECT_EQ(Expression(), "23");

  const std::pair<QPushButton*, const char*> keys[] = {
      {dlg.digit1Button, "1"},    {dlg.digit2Button, "2"}, {dlg.digit3Button, "3"},
      {dlg.digit4Button, "4"},    {dlg.digit5Button, "5"}, {dlg.digit6Button, "6"},
      {dlg.digit7Button, "7"},    {dlg.digit8Button, "8"}, {dlg.digit9Button, "9"},
      {dlg.digit0Button, "0"},    {dlg.pointButton, "."},  {dlg.commaButton, ","},
      {dlg.powerButton, "^"},     {dlg.plusButton, "+"},   {dlg.minusButton, "-"},
      {dlg.timesButton, "*"},     {dlg.divideButton, "/"}, {dlg.openParenButton, "("},
      {dlg.closeParenButton, ")"}};
  dlg.expressionField->clear();
  QString expected;
  for (const auto& [button, text] : keys) {
    Click(button);
    expected += text;
  }
  EXPECT_EQ(Expression(), expected);
}

TEST_F(Calculator, InsertPutsTheTemplateAtTheCaret) {
  Type("2*");
  dlg.functionList->setCurrentRow(6); // "sin()"
  Click(dlg.insertButton);
  EXPECT_EQ(Expression(), "2*sin()");
  EXPECT_EQ(dlg.expressionField->cursorPosition(), 7); // after the closing parenthesis
  Click(dlg.backspaceButton);
  Type("90)");
  Click(dlg.calculateButton);
  EXPECT_EQ(Result(), "2");

  dlg.functionList->clearSelection();
  dlg.resetButton->setFocus();
  Click(dlg.insertButton);
  EXPECT_EQ(Expression(), "2*sin(90)");
  EXPECT_TRUE(dlg.expressionField->hasFocus());
}

TEST_F(Calculator, EnterCalculatesWithoutALineBreak) {
  Type("4*5");
  QTest::keyClick(dlg.expressionField, Qt::Key_Return);
  EXPECT_EQ(Result(), "20");
  EXPECT_EQ(Expression(), "4*5");
  QTest::keyClick(dlg.expressionField, Qt::Key_Backspace);
  QTest::keyClicks(dlg.expressionField, "1");
  QTest::keyClick(dlg.expressionField, Qt::Key_Enter); // the keypad's Enter
  EXPECT_EQ(Expression(), "4*1");
  EXPECT_EQ(Result(), "4");
  EXPECT_TRUE(dlg.isVisible());
}

TEST_F(Calculator, ResetEmptiesBothBoxesAndCancelCloses) {
  Type("7");
  Click(dlg.calculateButton);
  dlg.calculateButton->setFocus();
  Click(dlg.resetButton);
  EXPECT_EQ(Expression(), "");
  EXPECT_EQ(Result(), "");
  Click(dlg.cancelButton);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

} // namespace
