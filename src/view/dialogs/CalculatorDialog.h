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

  // Controls, named as the form names them.
  QLabel* Label1;     // "Expression"
  QLineEdit* Text1;   // the expression
  QLabel* Label2;     // "Function"
  QListWidget* List1; // the 28 function templates
  QLabel* Label3;     // "Result"
  QLineEdit* Text2;   // the result
  // Command1 .. Command24 (Command(n)); the keypad, Insert (17), Calculate (18), Reset (19),
  // Cancel (20), Backspace (21).
  QPushButton* Command(int n) const { return commands_[static_cast<size_t>(n)]; }

  void Form_Load();
  void Command17_Click(); // Insert the selected template
  void Command18_Click(); // Calculate
  void Command19_Click(); // Reset
  void Command20_Click(); // Cancel
  void Command21_Click(); // Backspace
  // Inserts a text at the caret of the expression box and puts the caret after it.
  void InsertAtCaret(const QString& s);

  // The templates of the function list, in order.
  static const std::array<const char*, 28> Templates;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::array<QPushButton*, 25> commands_{};
};
