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
  void OnOk();
  // Cancel: closes; nothing changes.
  void OnCancel();

  QRadioButton* orthoOption = nullptr;       // "Ortho"
  QRadioButton* perspectiveOption = nullptr; // "Perspective"
  // The boxes minX, maxX, minY, maxY, minZ, maxZ ("Min x" .. "Max z"), in this order.
  std::array<QLineEdit*, 6> boundBoxes{};
  QPushButton* okButton = nullptr;     // "OK"
  QPushButton* cancelButton = nullptr; // "Cancel"
};
