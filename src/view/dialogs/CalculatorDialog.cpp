#include "view/dialogs/CalculatorDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "formula/FormulaParser.h"
#include "formula/FormulaText.h"
#include "platform/Errors.h"
#include "platform/NumberText.h"
#include "platform/Prompter.h"

const std::array<const char*, 28> CalculatorDialog::Templates = {
    "abs()",   "int()",   "exp()",   "log()",   "sqr()",   "rnd()",    "sin()",
    "cos()",   "tan()",   "ctan()",  "sec()",   "csec()",  "asin()",   "acos()",
    "atan()",  "actan()", "asec()",  "acsec()", "sinh()",  "cosh()",   "tanh()",
    "ctanh()", "asinh()", "acosh()", "atanh()", "asech()", "acsech()", "actanh()"};

namespace {

// Keypad rows: the key's member and name, and the text it inserts ("B" is Backspace).
struct Key {
  QPushButton* CalculatorDialog::*member;
  const char* name;
  const char* text;
};
using D = CalculatorDialog;
constexpr Key kKeypad[4][5] = {
    {{&D::digit1Button, "digit1Button", "1"},
     {&D::digit2Button, "digit2Button", "2"},
     {&D::digit3Button, "digit3Button", "3"},
     {&D::plusButton, "plusButton", "+"},
     {&D::timesButton, "timesButton", "*"}},
    {{&D::digit4Button, "digit4Button", "4"},
     {&D::digit5Button, "digit5Button", "5"},
     {&D::digit6Button, "digit6Button", "6"},
     {&D::minusButton, "minusButton", "-"},
     {&D::divideButton, "divideButton", "/"}},
    {{&D::digit7Button, "digit7Button", "7"},
     {&D::digit8Button, "digit8Button", "8"},
     {&D::digit9Button, "digit9Button", "9"},
     {&D::openParenButton, "openParenButton", "("},
     {&D::closeParenButton, "closeParenButton", ")"}},
    {{&D::digit0Button, "digit0Button", "0"},
     {&D::pointButton, "pointButton", "."},
     {&D::commaButton, "commaButton", ","},
     {&D::powerButton, "powerButton", "^"},
     {&D::backspaceButton, "backspaceButton", "B"}},
};

// Keeps ShowEvaluationErrors on for one calculation and turns it off however it ends.
struct ReportingEvaluationErrors {
  ReportingEvaluationErrors() { ShowEvaluationErrors = true; }
  ~ReportingEvaluationErrors() { ShowEvaluationErrors = false; }
};

} // namespace

CalculatorDialog::CalculatorDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Expression Calculator");
  setObjectName("CalculatorDialog");

  expressionLabel = new QLabel("Expression", this);
  expressionField = new QLineEdit(this);
  expressionField->setObjectName("expressionField");
  expressionField->installEventFilter(this);
  functionLabel = new QLabel("Function", this);
  functionList = new QListWidget(this);
  functionList->setObjectName("functionList");
  resultLabel = new QLabel("Result", this);
  resultField = new QLineEdit(this);
  resultField->setObjectName("resultField");

  auto makeButton = [this](QPushButton* CalculatorDialog::*member, const char* name,
                           const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false); // Enter in the expression box calculates, nothing else
    this->*member = b;
    return b;
  };

  auto* keypad = new QGridLayout;
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 5; ++col) {
      const Key& k = kKeypad[row][col];
      QPushButton* b = makeButton(k.member, k.name, k.text);
      b->setFixedWidth(34);
      if (k.member == &CalculatorDialog::backspaceButton) {
        b->setToolTip("Backspace");
        connect(b, &QPushButton::clicked, this, &CalculatorDialog::OnBackspace);
      } else {
        const QString text = k.text;
        connect(b, &QPushButton::clicked, this, [this, text] { InsertAtCaret(text); });
      }
      keypad->addWidget(b, row, col);
    }
  }

  QPushButton* insert = makeButton(&CalculatorDialog::insertButton, "insertButton", "Insert");
  connect(insert, &QPushButton::clicked, this, &CalculatorDialog::OnInsert);
  QPushButton* calculate =
      makeButton(&CalculatorDialog::calculateButton, "calculateButton", "Calculate");
  connect(calculate, &QPushButton::clicked, this, &CalculatorDialog::OnCalculate);
  QPushButton* reset = makeButton(&CalculatorDialog::resetButton, "resetButton", "Reset");
  connect(reset, &QPushButton::clicked, this, &CalculatorDialog::OnReset);
  QPushButton* cancel = makeButton(&CalculatorDialog::cancelButton, "cancelButton", "Cancel");
  connect(cancel, &QPushButton::clicked, this, &CalculatorDialog::OnCancel);

  auto* functions = new QVBoxLayout;
  auto* functionHead = new QHBoxLayout;
  functionHead->addWidget(functionLabel);
  functionHead->addStretch();
  functionHead->addWidget(insert);
  functions->addLayout(functionHead);
  functions->addWidget(functionList);
  functionList->setFixedHeight(110);

  auto* middle = new QHBoxLayout;
  middle->addLayout(keypad);
  middle->addSpacing(12);
  middle->addLayout(functions);

  auto* result = new QHBoxLayout;
  result->addWidget(resultLabel);
  result->addWidget(resultField);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(calculate);
  bottom->addWidget(reset);
  bottom->addWidget(cancel);

  auto* main = new QVBoxLayout(this);
  main->addWidget(expressionLabel);
  main->addWidget(expressionField);
  main->addLayout(middle);
  main->addLayout(result);
  main->addLayout(bottom);

  Form_Load();
}

void CalculatorDialog::Form_Load() {
  functionList->clear();
  for (const char* t : Templates)
    functionList->addItem(t);
}

void CalculatorDialog::InsertAtCaret(const QString& s) {
  // The caret position counts the characters before it; with a selection, its start.
  const int p = expressionField->hasSelectedText() ? expressionField->selectionStart()
                                                   : expressionField->cursorPosition();
  const QString text = expressionField->text();
  const QString before = text.left(p);
  const QString after = text.mid(p);
  expressionField->setText(before + s + after);
  expressionField->setFocus();
  expressionField->setCursorPosition(static_cast<int>(before.size() + s.size()));
}

void CalculatorDialog::OnInsert() {
  const QList<QListWidgetItem*> selected = functionList->selectedItems();
  InsertAtCaret(selected.isEmpty() ? QString() : selected.front()->text());
}

void CalculatorDialog::OnBackspace() {
  const int p = expressionField->hasSelectedText() ? expressionField->selectionStart()
                                                   : expressionField->cursorPosition();
  if (p == 0) return;
  const QString text = expressionField->text();
  expressionField->setText(text.left(p - 1) + text.mid(p));
  expressionField->setFocus();
  expressionField->setCursorPosition(p - 1);
}

void CalculatorDialog::OnCalculate() {
  ReportingEvaluationErrors reporting;
  std::string cleaned;
  if (!CleanExpressionText(expressionField->text().toStdString(), cleaned)) {
    MsgBox("Illegal expression exist.", MsgButtons::OK, MsgIcon::Exclamation, "Error");
    return;
  }
  expressionField->setText(QString::fromStdString(cleaned));

  FormulaParser evaluator;
  std::string postfix;
  if (evaluator.InfixToPostfix(cleaned, postfix) != 0) return;

  FormulaVars vars;
  vars.U = 1.0f;
  vars.V = 1.0f;
  float value = 0.0f;
  EvalFault fault = EvalFault::None;
  bool ok = false;
  try {
    ok = evaluator.DoEvaluate(postfix, true, value, vars, &fault);
  } catch (const std::exception& e) {
    // A fault of the engine itself ends the calculation; the dialog shows nothing of it.
    ReportSkippedStep("the calculation", e.what());
    return;
  }
  if (!ok) {
    // An overflow has been reported: the old result must not stand as if it were the answer.
    if (fault == EvalFault::Overflow) resultField->clear();
    return;
  }
  resultField->setText(QString::fromStdString(NumberText::FormatSingleLocale(value)));
}

void CalculatorDialog::OnReset() {
  expressionField->clear();
  resultField->clear();
}

void CalculatorDialog::OnCancel() { reject(); }

bool CalculatorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == expressionField && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      OnCalculate();
      return true; // the box receives no Enter
    }
  }
  return QDialog::eventFilter(watched, event);
}
