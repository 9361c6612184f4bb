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
  void OnOk();
  // The link: opens the home page, as Help "Home Page" does.
  void OnHomePage();

  QLabel* titleLabel = nullptr;      // "Corvalin"
  QLabel* versionLabel = nullptr;    // the version
  QLabel* homePageLink = nullptr;    // the home page, as a link
  QLabel* disclaimerLabel = nullptr; // the rights notice
  QPushButton* okButton = nullptr;   // "O K"
};
