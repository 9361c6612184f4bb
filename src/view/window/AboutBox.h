#pragma once
// The About box "About Corvalin": the product name, its version, a link to the program's home
// page (the front page of its help), a rights notice and an OK button.

#include <QDialog>

class QLabel;
class QPushButton;

class AboutBox : public QDialog {
  Q_OBJECT
public:
  explicit AboutBox(QWidget* parent = nullptr);

  // OK: closes the box.
  void cmdOK_Click();
  // The link: opens the home page, as Help "Home Page" does.
  void Label1_Click();

  QLabel* lblTitle = nullptr;      // "Corvalin"
  QLabel* Label2 = nullptr;        // the version
  QLabel* Label1 = nullptr;        // the home page, as a link
  QLabel* lblDisclaimer = nullptr; // the rights notice
  QPushButton* cmdOK = nullptr;    // "O K"
};
