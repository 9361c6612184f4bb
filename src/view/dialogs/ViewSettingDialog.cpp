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
#include "platform/NumberText.h"
#include "platform/Prompter.h"
#include "view/camera/SceneCamera.h"

namespace {

// The six bounds in the order of the boxes (minX, maxX, minY, maxY, minZ, maxZ).
std::array<float*, 6> Bounds() {
  return {&ViewMinX, &ViewMaxX, &ViewMinY, &ViewMaxY, &ViewMinZ, &ViewMaxZ};
}

} // namespace

ViewSettingDialog::ViewSettingDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("ViewSettingDialog");
  setWindowTitle("View Setting");
  setModal(true);

  auto* projection = new QGroupBox("Projection Type", this);
  orthoOption = new QRadioButton("Ortho", projection);
  orthoOption->setObjectName("orthoOption");
  perspectiveOption = new QRadioButton("Perspective", projection);
  perspectiveOption->setObjectName("perspectiveOption");
  auto* group = new QButtonGroup(this);
  group->addButton(orthoOption);
  group->addButton(perspectiveOption);
  auto* pl = new QHBoxLayout(projection);
  pl->addWidget(orthoOption);
  pl->addWidget(perspectiveOption);
  pl->addStretch(1);

  // Three columns (x, y, z), the minimum above the maximum.
  auto* intervals = new QGroupBox("View Intervals", this);
  auto* grid = new QGridLayout(intervals);
  const char* labels[6] = {"Min x", "Max x", "Min y", "Max y", "Min z", "Max z"};
  const char* names[6] = {"minX", "maxX", "minY", "maxY", "minZ", "maxZ"};
  for (int i = 0; i < 6; ++i) {
    boundBoxes[i] = new QLineEdit(intervals);
    boundBoxes[i]->setObjectName(names[i]);
    const int column = (i / 2) * 2, row = (i % 2);
    grid->addWidget(new QLabel(labels[i], intervals), row, column);
    grid->addWidget(boundBoxes[i], row, column + 1);
  }

  okButton = new QPushButton("OK", this);
  okButton->setObjectName("okButton");
  okButton->setDefault(true);
  cancelButton = new QPushButton("Cancel", this);
  cancelButton->setObjectName("cancelButton");
  connect(okButton, &QPushButton::clicked, this, [this] { OnOk(); });
  connect(cancelButton, &QPushButton::clicked, this, [this] { OnCancel(); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(projection);
  layout->addWidget(intervals);
  layout->addLayout(buttons);

  Form_Load();
}

void ViewSettingDialog::Form_Load() {
  const auto bounds = Bounds();
  for (int i = 0; i < 6; ++i)
    boundBoxes[i]->setText(QString::fromStdString(NumberText::FormatSingleLocale(*bounds[i])));
  orthoOption->setChecked(Camera.ProjectType == ProjectOrtho);
  perspectiveOption->setChecked(Camera.ProjectType == ProjectPerspective);
}

void ViewSettingDialog::OnOk() {
  if (orthoOption->isChecked()) Camera.ProjectType = ProjectOrtho;
  if (perspectiveOption->isChecked()) Camera.ProjectType = ProjectPerspective;
  for (QLineEdit* box : boundBoxes) {
    std::string cleaned;
    // A bound beyond the single-precision range ("1e400") would make the view window infinite.
    if (!CleanNumberText(box->text().toStdString(), cleaned) ||
        !std::isfinite(static_cast<float>(NumberText::LeadingValue(cleaned)))) {
      MsgBox("Illegal data exist.", MsgButtons::OK, MsgIcon::Exclamation, "Error");
      return;
    }
    box->setText(QString::fromStdString(cleaned));
  }
  const auto bounds = Bounds();
  for (int i = 0; i < 6; ++i)
    *bounds[i] = static_cast<float>(NumberText::LeadingValue(boundBoxes[i]->text().toStdString()));
  accept();
}

void ViewSettingDialog::OnCancel() { reject(); }
