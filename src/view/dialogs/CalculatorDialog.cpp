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
#include "platform/Prompter.h"
#include "platform/VbRuntime.h"

const std::array<const char*, 28> CalculatorDialog::Templates = {
    "abs()",   "int()",   "exp()",   "log()",   "sqr()",   "rnd()",    "sin()",
    "cos()",   "tan()",   "ctan()",  "sec()",   "csec()",  "asin()",   "acos()",
    "atan()",  "actan()", "asec()",  "acsec()", "sinh()",  "cosh()",   "tanh()",
    "ctanh()", "asinh()", "acosh()", "atanh()", "asech()", "acsech()", "actanh()"};

namespace {

// Keypad rows: control number and the text it inserts (21 is Backspace).
struct Key {
  int number;
  const char* text;
};
constexpr Key kKeypad[4][5] = {
    {{1, "1"}, {2, "2"}, {3, "3"}, {13, "+"}, {15, "*"}},
    {{4, "4"}, {5, "5"}, {6, "6"}, {14, "-"}, {16, "/"}},
    {{7, "7"}, {8, "8"}, {9, "9"}, {24, "("}, {23, ")"}},
    {{10, "0"}, {11, "."}, {22, ","}, {12, "^"}, {21, "B"}},
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

  Label1 = new QLabel("Expression", this);
  Text1 = new QLineEdit(this);
  Text1->setObjectName("Text1");
  Text1->installEventFilter(this);
  Label2 = new QLabel("Function", this);
  List1 = new QListWidget(this);
  List1->setObjectName("List1");
  Label3 = new QLabel("Result", this);
  Text2 = new QLineEdit(this);
  Text2->setObjectName("Text2");

  auto makeButton = [this](int n, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString("Command%1").arg(n));
    b->setAutoDefault(false); // Enter in the expression box calculates, nothing else
    commands_[static_cast<size_t>(n)] = b;
    return b;
  };

  auto* keypad = new QGridLayout;
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 5; ++col) {
      const Key& k = kKeypad[row][col];
      QPushButton* b = makeButton(k.number, k.text);
      b->setFixedWidth(34);
      if (k.number == 21) {
        b->setToolTip("Backspace");
        connect(b, &QPushButton::clicked, this, &CalculatorDialog::Command21_Click);
      } else {
        const QString text = k.text;
        connect(b, &QPushButton::clicked, this, [this, text] { InsertAtCaret(text); });
      }
      keypad->addWidget(b, row, col);
    }
  }

  QPushButton* insert = makeButton(17, "Insert");
  connect(insert, &QPushButton::clicked, this, &CalculatorDialog::Command17_Click);
  QPushButton* calculate = makeButton(18, "Calculate");
  connect(calculate, &QPushButton::clicked, this, &CalculatorDialog::Command18_Click);
  QPushButton* reset = makeButton(19, "Reset");
  connect(reset, &QPushButton::clicked, this, &CalculatorDialog::Command19_Click);
  QPushButton* cancel = makeButton(20, "Cancel");
  connect(cancel, &QPushButton::clicked, this, &CalculatorDialog::Command20_Click);

  auto* functions = new QVBoxLayout;
  auto* functionHead = new QHBoxLayout;
  functionHead->addWidget(Label2);
  functionHead->addStretch();
  functionHead->addWidget(insert);
  functions->addLayout(functionHead);
  functions->addWidget(List1);
  List1->setFixedHeight(110);

  auto* middle = new QHBoxLayout;
  middle->addLayout(keypad);
  middle->addSpacing(12);
  middle->addLayout(functions);

  auto* result = new QHBoxLayout;
  result->addWidget(Label3);
  result->addWidget(Text2);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(calculate);
  bottom->addWidget(reset);
  bottom->addWidget(cancel);

  auto* main = new QVBoxLayout(this);
  main->addWidget(Label1);
  main->addWidget(Text1);
  main->addLayout(middle);
  main->addLayout(result);
  main->addLayout(bottom);

  Form_Load();
}

void CalculatorDialog::Form_Load() {
  List1->clear();
  for (const char* t : Templates)
    List1->addItem(t);
}

void CalculatorDialog::InsertAtCaret(const QString& s) {
  // The caret position counts the characters before it; with a selection, its start.
  const int p = Text1->hasSelectedText() ? Text1->selectionStart() : Text1->cursorPosition();
  const QString text = Text1->text();
  const QString before = text.left(p);
  const QString after = text.mid(p);
  Text1->setText(before + s + after);
  Text1->setFocus();
  Text1->setCursorPosition(static_cast<int>(before.size() + s.size()));
}

void CalculatorDialog::Command17_Click() {
  const QList<QListWidgetItem*> selected = List1->selectedItems();
  InsertAtCaret(selected.isEmpty() ? QString() : selected.front()->text());
}

void CalculatorDialog::Command21_Click() {
  const int p = Text1->hasSelectedText() ? Text1->selectionStart() : Text1->cursorPosition();
  if (p == 0) return;
  const QString text = Text1->text();
  Text1->setText(text.left(p - 1) + text.mid(p));
  Text1->setFocus();
  Text1->setCursorPosition(p - 1);
}

void CalculatorDialog::Command18_Click() {
  ReportingEvaluationErrors reporting;
  std::string cleaned;
  if (!CleanExpressionText(Text1->text().toStdString(), cleaned)) {
    MsgBox("Illegal expression exist.", MsgButtons::OK, MsgIcon::Exclamation, "Error");
    return;
  }
  Text1->setText(QString::fromStdString(cleaned));

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
    if (fault == EvalFault::Overflow) Text2->clear();
    return;
  }
  Text2->setText(QString::fromStdString(vb::FormatSingleLocale(value)));
}

void CalculatorDialog::Command19_Click() {
  Text1->clear();
  Text2->clear();
}

void CalculatorDialog::Command20_Click() { reject(); }

bool CalculatorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Text1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Command18_Click();
      return true; // the box receives no Enter
    }
  }
  return QDialog::eventFilter(watched, event);
}
