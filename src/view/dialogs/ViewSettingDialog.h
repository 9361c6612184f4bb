#pragma once
// The View Setting dialog: the camera's projection type (orthographic or perspective) and the view
// window, the six bounds outside which sampling marks coordinates undefined. OK takes both over;
// neither OK nor Cancel redraws anything.

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;

class ViewSettingDialog : public QDialog {
  Q_OBJECT
public:
  explicit ViewSettingDialog(QWidget* parent = nullptr);

  // Fills the boxes from ViewMinX .. ViewMaxZ and the options from Camera.ProjectType (the
  // constructor does it).
  void Form_Load();
  // OK: the projection type first; then each box is cleaned in turn and, when one holds a
  // character that is not part of a number, "Illegal data exist." is shown and the dialog stays
  // with the view window unchanged; otherwise the six bounds are taken and the dialog closes.
  void Command1_Click();
  // Cancel: closes; nothing changes.
  void Command2_Click();

  QRadioButton* Option1 = nullptr; // "Ortho"
  QRadioButton* Option2 = nullptr; // "Perspective"
  // Text1 .. Text6: Min x, Max x, Min y, Max y, Min z, Max z.
  std::array<QLineEdit*, 6> Text{};
  QPushButton* Command1 = nullptr; // "OK"
  QPushButton* Command2 = nullptr; // "Cancel"
};
