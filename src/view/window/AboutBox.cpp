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

  titleLabel = new QLabel("Corvalin", this);
  titleLabel->setObjectName("titleLabel");
  QFont title("Times New Roman");
  title.setPointSize(24);
  title.setBold(true);
  titleLabel->setFont(title);

  versionLabel = new QLabel(QString("Version %1").arg(ProgramVersion), this);
  versionLabel->setObjectName("versionLabel");

  homePageLink = new QLabel("<a href=\"home\">Corvalin home page</a>", this);
  homePageLink->setObjectName("homePageLink");
  homePageLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(homePageLink, &QLabel::linkActivated, this, [this] { OnHomePage(); });

  disclaimerLabel =
      new QLabel("Corvalin plots and analyses mathematical functions.\n"
                 "This program is provided as is, without warranty of any kind. Results of its "
                 "numerical analysis are approximations; check them before you rely on them.",
                 this);
  disclaimerLabel->setObjectName("disclaimerLabel");
  disclaimerLabel->setWordWrap(true);

  okButton = new QPushButton("O K", this);
  okButton->setObjectName("okButton");
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, [this] { OnOk(); });

  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(48, 48));

  auto* head = new QHBoxLayout;
  head->addWidget(icon);
  head->addWidget(titleLabel, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(okButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addWidget(versionLabel);
  layout->addWidget(homePageLink);
  layout->addWidget(Line(this));
  layout->addWidget(disclaimerLabel);
  layout->addWidget(Line(this));
  layout->addLayout(buttons);
  setFixedWidth(420);
}

void AboutBox::OnOk() { accept(); }

void AboutBox::OnHomePage() {
  if (MainWindow* main = MainWindow::Instance()) main->OpenHelpPage("index.html");
}
