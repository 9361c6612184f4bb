#include "view/dialogs/LightDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/VbRuntime.h"
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

  Check1 = new QCheckBox(" Lighting", this);
  Check1->setObjectName("Check1");
  Check2 = new QCheckBox(" Two sides", this);
  Check2->setObjectName("Check2");
  Check3 = new QCheckBox("Global ambient light", this);
  Check3->setObjectName("Check3");

  QLineEdit* position[4];
  QLineEdit* diffuse[4];
  QLineEdit* ambient[4];
  QLineEdit* specular[4];
  QGroupBox* positionFrame = FrameOfFour("Light Position", {"X", "Y", "Z", "W"},
                                         {"Text1", "Text2", "Text3", "Text16"}, position, this);
  QGroupBox* diffuseFrame = FrameOfFour("Diffuse light color", {"R", "G", "B", "A"},
                                        {"Text4", "Text5", "Text6", "Text7"}, diffuse, this);
  QGroupBox* ambientFrame = FrameOfFour("Ambient light color", {"R", "G", "B", "A"},
                                        {"Text8", "Text9", "Text10", "Text11"}, ambient, this);
  QGroupBox* specularFrame = FrameOfFour("Specular light color", {"R", "G", "B", "A"},
                                         {"Text12", "Text13", "Text14", "Text15"}, specular, this);
  m_text = {position[0], position[1], position[2], diffuse[0], diffuse[1], diffuse[2],
            diffuse[3],  ambient[0],  ambient[1],  ambient[2], ambient[3], specular[0],
            specular[1], specular[2], specular[3], position[3]};

  Command1 = new QPushButton("OK", this);
  Command1->setObjectName("Command1");
  Command1->setDefault(true);
  Command2 = new QPushButton("Cancel", this);
  Command2->setObjectName("Command2");
  connect(Command1, &QPushButton::clicked, this, &LightDialog::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &LightDialog::Command2_Click);

  auto* checks = new QHBoxLayout;
  checks->addWidget(Check1);
  checks->addWidget(Check2);
  checks->addWidget(Check3);
  checks->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);
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
  Check1->setChecked(m_light.Enabled);
  Check2->setChecked(m_light.TwoSides[0] != 0.0f);
  Check3->setChecked(m_light.GlobalAmbient[0] != 0.0f);
  auto show = [](QLineEdit* box, float value) {
    box->setText(QString::fromStdString(vb::FormatSingle(value)));
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

void LightDialog::Command1_Click() {
  m_light.Enabled = Check1->isChecked();
  m_light.TwoSides[0] = Check2->isChecked() ? 1.0f : 0.0f;
  m_light.GlobalAmbient[0] = Check3->isChecked() ? 1.0f : 0.0f;
  // Each box gives the number its text begins with (0 when there is none), in single precision.
  auto value = [this](int index) { return static_cast<float>(vb::Val(BoxText(m_text[index]))); };
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

void LightDialog::Command2_Click() { reject(); }
