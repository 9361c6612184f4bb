#include "view/dialogs/ViewSettingDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

#include "formula/FormulaText.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "platform/VbRuntime.h"
#include "view/camera/SceneCamera.h"

namespace {

// The six bounds in the order of the boxes Text1 .. Text6.
std::array<float*, 6> Bounds() {
  return {&ViewMinX, &ViewMaxX, &ViewMinY, &ViewMaxY, &ViewMinZ, &ViewMaxZ};
}

} // namespace

ViewSettingDialog::ViewSettingDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("ViewSettingDialog");
  setWindowTitle("View Setting");
  setModal(true);

  auto* projection = new QGroupBox("Projection Type", this);
  Option1 = new QRadioButton("Ortho", projection);
  Option1->setObjectName("Option1");
  Option2 = new QRadioButton("Perspective", projection);
  Option2->setObjectName("Option2");
  auto* group = new QButtonGroup(this);
  group->addButton(Option1);
  group->addButton(Option2);
  auto* pl = new QHBoxLayout(projection);
  pl->addWidget(Option1);
  pl->addWidget(Option2);
  pl->addStretch(1);

  // Three columns (x, y, z), the minimum above the maximum.
  auto* intervals = new QGroupBox("View Intervals", this);
  auto* grid = new QGridLayout(intervals);
  const char* labels[6] = {"Min x", "Max x", "Min y", "Max y", "Min z", "Max z"};
  for (int i = 0; i < 6; ++i) {
    Text[i] = new QLineEdit(intervals);
    Text[i]->setObjectName(QString("Text%1").arg(i + 1));
    const int column = (i / 2) * 2, row = (i % 2);
    grid->addWidget(new QLabel(labels[i], intervals), row, column);
    grid->addWidget(Text[i], row, column + 1);
  }

  Command1 = new QPushButton("OK", this);
  Command1->setObjectName("Command1");
  Command1->setDefault(true);
  Command2 = new QPushButton("Cancel", this);
  Command2->setObjectName("Command2");
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(projection);
  layout->addWidget(intervals);
  layout->addLayout(buttons);

  Form_Load();
}

void ViewSettingDialog::Form_Load() {
  const auto bounds = Bounds();
  for (int i = 0; i < 6; ++i)
    Text[i]->setText(QString::fromStdString(vb::FormatSingleLocale(*bounds[i])));
  Option1->setChecked(Camera.ProjectType == ProjectOrtho);
  Option2->setChecked(Camera.ProjectType == ProjectPerspective);
}

void ViewSettingDialog::Command1_Click() {
  if (Option1->isChecked()) Camera.ProjectType = ProjectOrtho;
  if (Option2->isChecked()) Camera.ProjectType = ProjectPerspective;
  for (QLineEdit* box : Text) {
    std::string cleaned;
    // A bound beyond the single-precision range ("1e400") would make the view window infinite.
    if (!CleanNumberText(box->text().toStdString(), cleaned) ||
        !std::isfinite(static_cast<float>(vb::Val(cleaned)))) {
      MsgBox("Illegal data exist.", MsgButtons::OK, MsgIcon::Exclamation, "Error");
      return;
    }
    box->setText(QString::fromStdString(cleaned));
  }
  const auto bounds = Bounds();
  for (int i = 0; i < 6; ++i)
    *bounds[i] = static_cast<float>(vb::Val(Text[i]->text().toStdString()));
  accept();
}

void ViewSettingDialog::Command2_Click() { reject(); }
