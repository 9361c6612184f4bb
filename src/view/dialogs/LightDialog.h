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
  void Command1_Click();
  // Cancel: closes without changes.
  void Command2_Click();

private:
  SceneLight& m_light;
  QCheckBox* Check1 = nullptr; // " Lighting"
  QCheckBox* Check2 = nullptr; // " Two sides"
  QCheckBox* Check3 = nullptr; // "Global ambient light"
  // Text1 .. Text16 at index 0 .. 15: position x, y, z (Text1..Text3), diffuse (Text4..Text7),
  // ambient (Text8..Text11), specular (Text12..Text15), position w (Text16).
  std::array<QLineEdit*, 16> m_text{};
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
};
