#include "view/dialogs/LightDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/NumberText.h"
#include "view/camera/SceneLight.h"

namespace {

// A frame with four labelled boxes in a row; the boxes get the given control names.
QGroupBox* FrameOfFour(const QString& caption, const std::array<const char*, 4>& labels,
                       const std::array<const char*, 4>& names, QLineEdit* boxes[4],
                       QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  auto* grid = new QGridLayout(frame);
  for (int i = 0; i < 4; ++i) {
    auto* label = new QLabel(labels[i], frame);
    boxes[i] = new QLineEdit(frame);
    boxes[i]->setObjectName(names[i]);
    label->setBuddy(boxes[i]);
    grid->addWidget(label, 0, 2 * i);
    grid->addWidget(boxes[i], 0, 2 * i + 1);
  }
  return frame;
}

std::string BoxText(const QLineEdit* box) { return box->text().toStdString(); }

} // namespace

LightDialog::LightDialog(QWidget* parent) : LightDialog(Light, parent) {}

LightDialog::LightDialog(SceneLight& light, QWidget* parent) : QDialog(parent), m_light(light) {
  setObjectName("LightDialog");
  setWindowTitle("Light Properties");

  lightingCheck = new QCheckBox(" Lighting", this);
  lightingCheck->setObjectName("lightingCheck");
  twoSidesCheck = new QCheckBox(" Two sides", this);
  twoSidesCheck->setObjectName("twoSidesCheck");
  globalAmbientCheck = new QCheckBox("Global ambient light", this);
  globalAmbientCheck->setObjectName("globalAmbientCheck");

  QLineEdit* position[4];
  QLineEdit* diffuse[4];
  QLineEdit* ambient[4];
  QLineEdit* specular[4];
  QGroupBox* positionFrame =
      FrameOfFour("Light Position", {"X", "Y", "Z", "W"},
                  {"positionX", "positionY", "positionZ", "positionW"}, position, this);
  QGroupBox* diffuseFrame =
      FrameOfFour("Diffuse light color", {"R", "G", "B", "A"},
                  {"diffuseRed", "diffuseGreen", "diffuseBlue", "diffuseAlpha"}, diffuse, this);
  QGroupBox* ambientFrame =
      FrameOfFour("Ambient light color", {"R", "G", "B", "A"},
                  {"ambientRed", "ambientGreen", "ambientBlue", "ambientAlpha"}, ambient, this);
  QGroupBox* specularFrame = FrameOfFour(
      "Specular light color", {"R", "G", "B", "A"},
      {"specularRed", "specularGreen", "specularBlue", "specularAlpha"}, specular, this);
  m_text = {position[0], position[1], position[2], diffuse[0], diffuse[1], diffuse[2],
            diffuse[3],  ambient[0],  ambient[1],  ambient[2], ambient[3], specular[0],
            specular[1], specular[2], specular[3], position[3]};

  okButton = new QPushButton("OK", this);
  okButton->setObjectName("okButton");
  okButton->setDefault(true);
  cancelButton = new QPushButton("Cancel", this);
  cancelButton->setObjectName("cancelButton");
  connect(okButton, &QPushButton::clicked, this, &LightDialog::OnOk);
  connect(cancelButton, &QPushButton::clicked, this, &LightDialog::OnCancel);

  auto* checks = new QHBoxLayout;
  checks->addWidget(lightingCheck);
  checks->addWidget(twoSidesCheck);
  checks->addWidget(globalAmbientCheck);
  checks->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(checks);
  layout->addWidget(positionFrame);
  layout->addWidget(diffuseFrame);
  layout->addWidget(ambientFrame);
  layout->addWidget(specularFrame);
  layout->addLayout(buttons);

  Form_Load();
}

void LightDialog::Form_Load() {
  lightingCheck->setChecked(m_light.Enabled);
  twoSidesCheck->setChecked(m_light.TwoSides[0] != 0.0f);
  globalAmbientCheck->setChecked(m_light.GlobalAmbient[0] != 0.0f);
  auto show = [](QLineEdit* box, float value) {
    box->setText(QString::fromStdString(NumberText::FormatSingle(value)));
  };
  for (int i = 0; i < 3; ++i)
    show(m_text[i], m_light.Position[i]);
  show(m_text[15], m_light.Position[3]);
  for (int i = 0; i < 4; ++i) {
    show(m_text[3 + i], m_light.Diffuse[i]);
    show(m_text[7 + i], m_light.Amission[i]);
    show(m_text[11 + i], m_light.Specular[i]);
  }
}

void LightDialog::OnOk() {
  m_light.Enabled = lightingCheck->isChecked();
  m_light.TwoSides[0] = twoSidesCheck->isChecked() ? 1.0f : 0.0f;
  m_light.GlobalAmbient[0] = globalAmbientCheck->isChecked() ? 1.0f : 0.0f;
  // Each box gives the number its text begins with (0 when there is none), in single precision.
  auto value = [this](int index) {
    return static_cast<float>(NumberText::LeadingValue(BoxText(m_text[index])));
  };
  for (int i = 0; i < 3; ++i)
    m_light.Position[i] = value(i);
  m_light.Position[3] = value(15);
  for (int i = 0; i < 4; ++i) {
    m_light.Diffuse[i] = value(3 + i);
    m_light.Amission[i] = value(7 + i);
    m_light.Specular[i] = value(11 + i);
  }
  accept();
}

void LightDialog::OnCancel() { reject(); }
