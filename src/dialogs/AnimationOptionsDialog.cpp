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
  auto* label1 = Named(new QLabel("The Number Of Frames", this), "Label1");
  Text1 = Named(new QLineEdit(QString::number(FrameCount), this), "Text1");
  label1->setBuddy(Text1);
  auto* label2 = Named(new QLabel("The Speed Of Animation (frames/second)", this), "Label2");
  label2->setWordWrap(true);
  Text2 = Named(new QLineEdit(QString::number(FramesPerSecond), this), "Text2");
  label2->setBuddy(Text2);
  grid->addWidget(label1, 0, 0);
  grid->addWidget(Text1, 0, 1);
  grid->addWidget(label2, 1, 0);
  grid->addWidget(Text2, 1, 1);
  auto* buttons = new QHBoxLayout;
  Command1 = Named(new QPushButton("OK", this), "okButton");
  Command2 = Named(new QPushButton("Cancel", this), "cancelButton");
  Command1->setDefault(true);
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);
  grid->addLayout(buttons, 2, 0, 1, 2);
  connect(Command1, &QPushButton::clicked, this, &AnimationOptionsDialog::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &AnimationOptionsDialog::Command2_Click);
}

void AnimationOptionsDialog::Command1_Click() {
  std::string message;
  const std::optional<AnimationSettings> settings =
      ParseAnimationOptions(Text1->text().toStdString(), Text2->text().toStdString(), &message);
  if (!settings) {
    MsgBox(message, MsgButtons::OK, MsgIcon::Exclamation, "Note");
    return;
  }
  // A frame count that a graph cannot take is refused before anything changes.
  if (settings->frameCount != FrameCount) {
    if (const std::optional<std::string> problem =
            FrameCountProblem(settings->frameCount, m_host)) {
      MsgBox(*problem, MsgButtons::OK, MsgIcon::Exclamation, "Error");
      Text1->setFocus();
      Text1->selectAll();
      return;
    }
  }
  ApplyAnimationSettings(*settings, m_host);
  accept();
}

void AnimationOptionsDialog::Command2_Click() { reject(); }
