// The Expression Calculator driven as a user drives it: typing, the keypad, templates, Enter,
// Calculate, Reset and the messages.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTest>

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
    dlg.Text1->setFocus();
    QTest::keyClicks(dlg.Text1, text);
  }
  void Click(int n) { QTest::mouseClick(dlg.Command(n), Qt::LeftButton); }
  QString Expression() const { return dlg.Text1->text(); }
  QString Result() const { return dlg.Text2->text(); }

  ScopedScriptedDialogs dialogs;
  CalculatorDialog dlg;
};

TEST_F(Calculator, StartsEmptyWithTheTemplatesAndCaptions) {
  EXPECT_EQ(dlg.windowTitle(), "Expression Calculator");
  EXPECT_TRUE(Expression().isEmpty());
  EXPECT_TRUE(Result().isEmpty());
  ASSERT_EQ(dlg.List1->count(), 28);
  EXPECT_EQ(dlg.List1->item(0)->text(), "abs()");
  EXPECT_EQ(dlg.List1->item(16)->text(), "asec()");
  EXPECT_EQ(dlg.List1->item(27)->text(), "actanh()");
  EXPECT_EQ(dlg.Label1->text(), "Expression");
  EXPECT_EQ(dlg.Label2->text(), "Function");
  EXPECT_EQ(dlg.Label3->text(), "Result");
  EXPECT_EQ(dlg.Command(17)->text(), "Insert");
  EXPECT_EQ(dlg.Command(18)->text(), "Calculate");
  EXPECT_EQ(dlg.Command(19)->text(), "Reset");
  EXPECT_EQ(dlg.Command(20)->text(), "Cancel");
  EXPECT_EQ(dlg.Command(21)->text(), "B");
  EXPECT_EQ(dlg.Command(21)->toolTip(), "Backspace");
}

struct CalcRow {
  const char* typed;
  const char* cleaned;
  const char* result;
};

class CalculatorRows : public Calculator, public ::testing::WithParamInterface<CalcRow> {};

TEST_P(CalculatorRows, CalculateCleansAndShowsTheResult) {
  Type(GetParam().typed);
  Click(18);
  EXPECT_EQ(Expression(), GetParam().cleaned);
  EXPECT_EQ(Result(), GetParam().result);
  EXPECT_TRUE(dialogs.prompter.shown.empty());
  EXPECT_FALSE(ShowEvaluationErrors);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CalculatorRows,
    ::testing::Values(CalcRow{"", "0", "0"}, CalcRow{"2 , 5 * 2", "2.5*2", "5"},
                      CalcRow{"2+3", "2+3", "5"}, CalcRow{"1/3", "1/3", "0.3333333"},
                      CalcRow{"sin(30)", "sin(30)", "0.5000011"}, CalcRow{"u+v", "u+v", "2"},
                      CalcRow{"x+y+z", "x+y+z", "0"}, CalcRow{"atanh(1)", "atanh(1)", "0.12345"},
                      CalcRow{"2x", "2x", "0"}, CalcRow{"10^8", "10^8", "1E+08"},
                      CalcRow{"asec(2)", "asec(2)", "1.047198"},
                      CalcRow{"atan(1)", "atan(1)", "0.7853982"},
                      CalcRow{"sqr(0)", "sqr(0)", "0"}));

TEST_F(Calculator, DomainErrorShowsTheEvaluatorMessageAndKeepsTheResult) {
  Type("2+3");
  Click(18);
  ASSERT_EQ(Result(), "5");
  dlg.Text1->clear();
  Type("sqr(-1)");
  Click(18);
  EXPECT_EQ(Result(), "5");
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text,
            "The parameter of function SQR must be larger than or equal to 0.");
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  EXPECT_FALSE(ShowEvaluationErrors); // off again: graph drawing reports nothing
}

TEST_F(Calculator, OverflowIsReportedAndClearsTheOldResult) {
  Type("2+3");
  Click(18);
  ASSERT_EQ(Result(), "5");
  dlg.Text1->clear();
  Type("exp(100)");
  Click(18);
  EXPECT_EQ(Result(), "");
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Overflow: the value is too large.");
  EXPECT_FALSE(ShowEvaluationErrors);
}

TEST_F(Calculator, IllegalCharacterLeavesBothBoxes) {
  Type("1+1");
  Click(18);
  dlg.Text1->setText("2#3");
  Click(18);
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
  Click(18);
  EXPECT_EQ(Expression(), "1+*2");
  EXPECT_EQ(Result(), "");
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Character 2:  Operand expected");
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Syntax Error");
}

TEST_F(Calculator, KeypadInsertsAtTheCaretAndBackspaceRemovesBeforeIt) {
  Type("23");
  dlg.Text1->setCursorPosition(1);
  Click(13); // "+"
  EXPECT_EQ(Expression(), "2+3");
  EXPECT_EQ(dlg.Text1->cursorPosition(), 2);
  EXPECT_TRUE(dlg.Text1->hasFocus());
  Click(21); // Backspace
  EXPECT_EQ(Expression(), "23");
  EXPECT_EQ(dlg.Text1->cursorPosition(), 1);

  dlg.Text1->setCursorPosition(0);
  Click(21);
  EXPECT_EQ(Expression(), "23");

  const std::pair<int, const char*> keys[] = {{1, "1"},  {2, "2"},  {3, "3"},  {4, "4"},  {5, "5"},
                                              {6, "6"},  {7, "7"},  {8, "8"},  {9, "9"},  {10, "0"},
                                              {11, "."}, {22, ","}, {12, "^"}, {13, "+"}, {14, "-"},
                                              {15, "*"}, {16, "/"}, {24, "("}, {23, ")"}};
  dlg.Text1->clear();
  QString expected;
  for (const auto& [n, text] : keys) {
    Click(n);
    expected += text;
  }
  EXPECT_EQ(Expression(), expected);
}

TEST_F(Calculator, InsertPutsTheTemplateAtTheCaret) {
  Type("2*");
  dlg.List1->setCurrentRow(6); // "sin()"
  Click(17);
  EXPECT_EQ(Expression(), "2*sin()");
  EXPECT_EQ(dlg.Text1->cursorPosition(), 7); // after the closing parenthesis
  Click(21);
  Type("90)");
  Click(18);
  EXPECT_EQ(Result(), "2");

  dlg.List1->clearSelection();
  dlg.Command(19)->setFocus();
  Click(17);
  EXPECT_EQ(Expression(), "2*sin(90)");
  EXPECT_TRUE(dlg.Text1->hasFocus());
}

TEST_F(Calculator, EnterCalculatesWithoutALineBreak) {
  Type("4*5");
  QTest::keyClick(dlg.Text1, Qt::Key_Return);
  EXPECT_EQ(Result(), "20");
  EXPECT_EQ(Expression(), "4*5");
  QTest::keyClick(dlg.Text1, Qt::Key_Backspace);
  QTest::keyClicks(dlg.Text1, "1");
  QTest::keyClick(dlg.Text1, Qt::Key_Enter); // the keypad's Enter
  EXPECT_EQ(Expression(), "4*1");
  EXPECT_EQ(Result(), "4");
  EXPECT_TRUE(dlg.isVisible());
}

TEST_F(Calculator, ResetEmptiesBothBoxesAndCancelCloses) {
  Type("7");
  Click(18);
  dlg.Command(18)->setFocus();
  Click(19);
  EXPECT_EQ(Expression(), "");
  EXPECT_EQ(Result(), "");
  Click(20);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

} // namespace
