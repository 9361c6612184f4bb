#include "view/dialogs/AxisDialogCommon.h"

#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "view/dialogs/AxisDialog.h"
#include "view/dialogs/ColorBox.h"

namespace AxisDialogCommon {

QTabWidget* Begin(QDialog& dialog, const char* name) {
  dialog.setObjectName(name);
  dialog.setWindowTitle("Axis Properties");
  return Named(new QTabWidget(&dialog), "tabs");
}

void AddGridPage(QTabWidget* tabs, QWidget* page, QGridLayout* layout, const QString& caption,
                 int stretchRow, int stretchColumn) {
  if (stretchRow >= 0) layout->setRowStretch(stretchRow, 1);
  if (stretchColumn >= 0) layout->setColumnStretch(stretchColumn, 1);
  tabs->addTab(page, caption);
}

ScaleControls ScaleControls::Build(QWidget* parent, const ScaleNames& names) {
  ScaleControls s;
  s.frame = Named(new QGroupBox("Scales", parent), names.frame);
  s.square = Named(new QRadioButton("Square", s.frame), names.modes[0]);
  s.equal = Named(new QRadioButton("Equal", s.frame), names.modes[1]);
  s.custom = Named(new QRadioButton("Custom", s.frame), names.modes[2]);
  s.caption = Named(new QLabel(names.captionText, s.frame), names.caption);
  auto* ratioRow = new QHBoxLayout;
  ratioRow->addWidget(s.caption);
  for (size_t i = 0; i < names.ratios.size(); ++i) {
    if (i > 0) {
      s.between.push_back(Named(new QLabel(":", s.frame), names.between[i - 1]));
      ratioRow->addWidget(s.between.back());
    }
    s.ratios.push_back(Named(new QLineEdit("1", s.frame), names.ratios[i]));
    s.ratios.back()->setMaximumWidth(60);
    ratioRow->addWidget(s.ratios.back());
  }
  ratioRow->addStretch();
  auto* scaleLayout = new QVBoxLayout(s.frame);
  scaleLayout->addWidget(s.square);
  scaleLayout->addWidget(s.equal);
  scaleLayout->addWidget(s.custom);
  scaleLayout->addLayout(ratioRow);
  return s;
}

void ScaleControls::EnableRatios(bool on) const {
  caption->setEnabled(on);
  for (QLabel* l : between)
    l->setEnabled(on);
  for (QLineEdit* t : ratios)
    t->setEnabled(on);
}

bool ScaleControls::LoadMode() const {
  square->setChecked(true);
  if (AxisScaleMode == ScaleEqual) equal->setChecked(true);
  if (AxisScaleMode != ScaleCustom) return false;
  custom->setChecked(true);
  return true;
}

void ScaleControls::StoreMode() const {
  if (square->isChecked()) AxisScaleMode = ScaleSquare;
  if (equal->isChecked()) AxisScaleMode = ScaleEqual;
  if (custom->isChecked()) AxisScaleMode = ScaleCustom;
}

std::optional<std::vector<float>> ScaleControls::ReadRatios(QTabWidget* tabs, size_t count) const {
  using namespace AxisDialogCheck;
  std::vector<float> values;
  for (size_t i = 0; i < count && i < ratios.size(); ++i) {
    const std::optional<float> r = ScaleRatio(ratios[i]->text().toStdString());
    if (!r) {
      tabs->setCurrentIndex(0);
      ratios[i]->setFocus();
      MsgBox(RatioMessage, MsgButtons::OK, MsgIcon::Exclamation, Title);
      return std::nullopt;
    }
    values.push_back(*r);
  }
  return values;
}

std::pair<QPushButton*, QPushButton*> AddButtons(QDialog& dialog, QTabWidget* tabs) {
  auto* ok = Named(new QPushButton("OK", &dialog), "okButton");
  auto* cancel = Named(new QPushButton("Cancel", &dialog), "cancelButton");
  ok->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(tabs);
  layout->addLayout(buttons);
  return {ok, cancel};
}

std::optional<int32_t> PickColour(ColorBox* box) {
  const std::optional<int32_t> chosen = TheColorChooser().ChooseColor(box->Color());
  if (chosen) box->SetColor(*chosen);
  return chosen;
}

void Cancel(QDialog& dialog) {
  AxisChanged = false;
  dialog.reject();
}

} // namespace AxisDialogCommon
