#include "view/window/AboutBox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "view/window/ToolbarIcons.h"
#include "view/window/MainWindow.h"

namespace {

// The version that the box shows.
const char* const ProgramVersion = "0.1";

QFrame* Line(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle("About Corvalin");
  setWindowIcon(ProgramIcon());
  setModal(true);

  lblTitle = new QLabel("Corvalin", this);
  lblTitle->setObjectName("lblTitle");
  QFont title("Times New Roman");
  title.setPointSize(24);
  title.setBold(true);
  lblTitle->setFont(title);

  Label2 = new QLabel(QString("Version %1").arg(ProgramVersion), this);
  Label2->setObjectName("Label2");

  Label1 = new QLabel("<a href=\"home\">Corvalin home page</a>", this);
  Label1->setObjectName("Label1");
  Label1->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(Label1, &QLabel::linkActivated, this, [this] { Label1_Click(); });

  lblDisclaimer =
      new QLabel("Corvalin plots and analyses mathematical functions.\n"
                 "This program is provided as is, without warranty of any kind. Results of its "
                 "numerical analysis are approximations; check them before you rely on them.",
                 this);
  lblDisclaimer->setObjectName("lblDisclaimer");
  lblDisclaimer->setWordWrap(true);

  cmdOK = new QPushButton("O K", this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(48, 48));

  auto* head = new QHBoxLayout;
  head->addWidget(icon);
  head->addWidget(lblTitle, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdOK);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addWidget(Label2);
  layout->addWidget(Label1);
  layout->addWidget(Line(this));
  layout->addWidget(lblDisclaimer);
  layout->addWidget(Line(this));
  layout->addLayout(buttons);
  setFixedWidth(420);
}

void AboutBox::cmdOK_Click() { accept(); }

void AboutBox::Label1_Click() {
  if (MainWindow* main = MainWindow::Instance()) main->OpenHelpPage("index.html");
}
