#pragma once
// The Expression Calculator: a small modal dialog in which the user types one expression, builds
// it with a keypad and function templates, and has it evaluated in degrees.

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class CalculatorDialog : public QDialog {
  Q_OBJECT

public:
  explicit CalculatorDialog(QWidget* parent = nullptr);

  QLabel* expressionLabel;    // "Expression"
  QLineEdit* expressionField; // the expression
  QLabel* functionLabel;      // "Function"
  QListWidget* functionList;  // the 28 function templates
  QLabel* resultLabel;        // "Result"
  QLineEdit* resultField;     // the result

  // The keypad: each key types its caption at the caret, but Backspace ("B").
  QPushButton* digit0Button = nullptr;
  QPushButton* digit1Button = nullptr;
  QPushButton* digit2Button = nullptr;
  QPushButton* digit3Button = nullptr;
  QPushButton* digit4Button = nullptr;
  QPushButton* digit5Button = nullptr;
  QPushButton* digit6Button = nullptr;
  QPushButton* digit7Button = nullptr;
  QPushButton* digit8Button = nullptr;
  QPushButton* digit9Button = nullptr;
  QPushButton* pointButton = nullptr;      // "."
  QPushButton* commaButton = nullptr;      // ","
  QPushButton* powerButton = nullptr;      // "^"
  QPushButton* plusButton = nullptr;       // "+"
  QPushButton* minusButton = nullptr;      // "-"
  QPushButton* timesButton = nullptr;      // "*"
  QPushButton* divideButton = nullptr;     // "/"
  QPushButton* openParenButton = nullptr;  // "("
  QPushButton* closeParenButton = nullptr; // ")"
  QPushButton* backspaceButton = nullptr;  // "B"
  // The commands.
  QPushButton* insertButton = nullptr;    // "Insert"
  QPushButton* calculateButton = nullptr; // "Calculate"
  QPushButton* resetButton = nullptr;     // "Reset"
  QPushButton* cancelButton = nullptr;    // "Cancel"

  void Form_Load();
  void OnInsert();    // Insert the selected template
  void OnCalculate(); // Calculate
  void OnReset();     // Reset
  void OnCancel();    // Cancel
  void OnBackspace(); // Backspace
  // Inserts a text at the caret of the expression box and puts the caret after it.
  void InsertAtCaret(const QString& s);

  // The templates of the function list, in order.
  static const std::array<const char*, 28> Templates;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
