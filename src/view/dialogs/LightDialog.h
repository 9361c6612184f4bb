#pragma once
// The Light Properties dialog: switches lighting, two-sided lighting and the global ambient light
// on and off, and edits the light's position and its diffuse, ambient and specular colours. OK
// writes everything into the light; the change shows at the next presentation of the view.

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class SceneLight;

class LightDialog : public QDialog {
  Q_OBJECT
public:
  // Edits the given light (the program's Light when none is given).
  explicit LightDialog(QWidget* parent = nullptr);
  LightDialog(SceneLight& light, QWidget* parent = nullptr);

  // Fills the controls from the light (the constructor does it).
  void Form_Load();
  // OK: takes every value from the controls into the light and closes.
  void OnOk();
  // Cancel: closes without changes.
  void OnCancel();

private:
  SceneLight& m_light;
  QCheckBox* lightingCheck = nullptr;      // " Lighting"
  QCheckBox* twoSidesCheck = nullptr;      // " Two sides"
  QCheckBox* globalAmbientCheck = nullptr; // "Global ambient light"
  // The boxes at index 0 .. 15: positionX, positionY, positionZ; diffuseRed, diffuseGreen,
  // diffuseBlue, diffuseAlpha; ambientRed .. ambientAlpha; specularRed .. specularAlpha; positionW.
  std::array<QLineEdit*, 16> m_text{};
  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;
};
