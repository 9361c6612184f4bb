#include "dialogs/AnimationOptionsDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "commands/AnimationOptions.h"
#include "commands/GraphCommandHost.h"
#include "dialogs/DialogSections.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"

AnimationOptionsDialog::AnimationOptionsDialog(GraphCommandHost& host, QWidget* parent)
    : QDialog(parent), m_host(host) {
  setObjectName("AnimationOptionsDialog");
  setWindowTitle("Animation Options");
  QFont font("Arial");
  font.setPointSize(9);
  setFont(font);
  auto* grid = new QGridLayout(this);
  auto* frameCountLabel = Named(new QLabel("The Number Of Frames", this), "frameCountLabel");
  frameCountField = Named(new QLineEdit(QString::number(FrameCount), this), "frameCountField");
  frameCountLabel->setBuddy(frameCountField);
  auto* speedLabel =
      Named(new QLabel("The Speed Of Animation (frames/second)", this), "speedLabel");
  speedLabel->setWordWrap(true);
  speedField = Named(new QLineEdit(QString::number(FramesPerSecond), this), "speedField");
  speedLabel->setBuddy(speedField);
  grid->addWidget(frameCountLabel, 0, 0);
  grid->addWidget(frameCountField, 0, 1);
  grid->addWidget(speedLabel, 1, 0);
  grid->addWidget(speedField, 1, 1);
  auto* buttons = new QHBoxLayout;
  okButton = Named(new QPushButton("OK", this), "okButton");
  cancelButton = Named(new QPushButton("Cancel", this), "cancelButton");
  okButton->setDefault(true);
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);
  grid->addLayout(buttons, 2, 0, 1, 2);
  connect(okButton, &QPushButton::clicked, this, &AnimationOptionsDialog::OnOk);
  connect(cancelButton, &QPushButton::clicked, this, &AnimationOptionsDialog::OnCancel);
}

void AnimationOptionsDialog::OnOk() {
  std::string message;
  const std::optional<AnimationSettings> settings = ParseAnimationOptions(
      frameCountField->text().toStdString(), speedField->text().toStdString(), &message);
  if (!settings) {
    MsgBox(message, MsgButtons::OK, MsgIcon::Exclamation, "Note");
    return;
  }
  // A frame count that a graph cannot take is refused before anything changes.
  if (settings->frameCount != FrameCount) {
    if (const std::optional<std::string> problem =
            FrameCountProblem(settings->frameCount, m_host)) {
      MsgBox(*problem, MsgButtons::OK, MsgIcon::Exclamation, "Error");
      frameCountField->setFocus();
      frameCountField->selectAll();
      return;
    }
  }
  ApplyAnimationSettings(*settings, m_host);
  accept();
}

void AnimationOptionsDialog::OnCancel() { reject(); }
