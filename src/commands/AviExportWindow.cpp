#include "commands/AviExportWindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QPushButton>

#include "commands/AviExport.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "platform/VideoCompression.h"
#include "platform/FileDialog.h"

namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* caption, const char* tip) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  if (tip) button->setToolTip(tip);
  return button;
}

void Warn(const std::string& text) { MsgBox(text, MsgButtons::OK, MsgIcon::Exclamation, "Error"); }

} // namespace

QPoint ToolWindowPlace(const QRect& owner, const QSize& frameSize, const QRect& available) {
  // A little in from the owner's corner, so its title and menus stay in sight.
  constexpr int Inset = 24;
  int x = owner.right() + 1 - frameSize.width() - Inset;
  int y = owner.top() + 3 * Inset;
  x = std::max(std::min(x, available.right() + 1 - frameSize.width()), available.left());
  y = std::max(std::min(y, available.bottom() + 1 - frameSize.height()), available.top());
  return {x, y};
}

AviExportWindow::AviExportWindow(Playback& playback, std::function<QImage()> grabView,
                                 QWidget* parent)
    : QWidget(parent, Qt::Tool), m_playback(playback), m_grabView(std::move(grabView)) {
  setObjectName("AviExportWindow");
  setWindowTitle("Save Animation As AVI File");

  m_list1 = new QListWidget(this);
  m_list1->setObjectName("List1");
  m_list2 = new QListWidget(this);
  m_list2->setObjectName("List2");
  auto* command1 = Button(this, "Command1", ">", "Select a frame");
  auto* command2 = Button(this, "Command2", ">>", "Select all frames");
  auto* command3 = Button(this, "Command3", "Del", "Delete the selected frame");
  auto* command4 = Button(this, "Command4", "Generate Frames", nullptr);
  auto* command5 = Button(this, "Command5", "Save Animation", nullptr);
  m_text1 = new QLineEdit("5", this);
  m_text1->setObjectName("Text1");
  m_progress = new QProgressBar(this);
  m_progress->setObjectName("ProgressBar1");
  m_cancel = Button(this, "cmdCancel", "Cancel", "Stop generating the frames");

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Animation Frames", this), 0, 0);
  grid->addWidget(new QLabel("Selected Frames", this), 0, 2);
  grid->addWidget(m_list1, 1, 0, 4, 1);
  grid->addWidget(command1, 1, 1);
  grid->addWidget(command2, 2, 1);
  grid->addWidget(command3, 3, 1);
  grid->addWidget(m_list2, 1, 2, 4, 1);
  auto* speed = new QHBoxLayout;
  speed->addWidget(new QLabel("Speed", this));
  speed->addWidget(m_text1);
  speed->addWidget(new QLabel("Frames/Second", this));
  speed->addStretch();
  grid->addLayout(speed, 5, 0, 1, 3);
  auto* capture = new QHBoxLayout;
  capture->addWidget(m_progress, 1);
  capture->addWidget(m_cancel);
  grid->addLayout(capture, 6, 0, 1, 3);
  auto* commands = new QHBoxLayout;
  commands->addStretch();
  commands->addWidget(command4);
  commands->addWidget(command5);
  grid->addLayout(commands, 7, 0, 1, 3);
  ShowCaptureProgress(false);

  connect(command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
  connect(command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
  connect(m_cancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

AviExportWindow::~AviExportWindow() { m_playback.ForgetSink(*this); }

std::string AviExportWindow::FramePath(int32_t number) const {
  return m_store ? m_store->Path(number) : std::string();
}

void AviExportWindow::Command1_Click() {
  const QListWidgetItem* row = m_list1->currentItem();
  if (!row) return; // no frame chosen: nothing to add
  m_list2->addItem(row->text());
}

void AviExportWindow::Command2_Click() {
  for (int i = 1; i <= m_list1->count(); ++i)
    m_list2->addItem(QString::number(i));
}

void AviExportWindow::Command3_Click() {
  const int row = m_list2->currentRow();
  if (row >= 0) delete m_list2->takeItem(row);
}

void AviExportWindow::Command4_Click() {
  m_playback.CancelCapture();
  // A fresh folder: the files and the list of an earlier capture go.
  m_store = std::make_unique<FrameStore>();
  m_list1->clear();
  if (!m_store->Valid()) {
    m_store.reset();
    MsgBox("No folder for the frame files can be made.", MsgButtons::OK, MsgIcon::Critical,
           "Corvalin");
    return;
  }
  m_progress->setRange(0, std::max(FrameCount, 1));
  m_progress->setValue(0);
  ShowCaptureProgress(true);
  m_playback.BeginCapture(*this);
}

void AviExportWindow::cmdCancel_Click() { m_playback.CancelCapture(); }

bool AviExportWindow::CaptureFrame(int32_t number, std::string& error) {
  if (!m_store) {
    error = "The frames have no folder.";
    return false;
  }
  const QImage picture = m_grabView ? m_grabView() : QImage();
  if (!SaveFrameFile(picture, m_store->Path(number), error)) return false;
  m_list1->addItem(QString::number(number));
  m_progress->setValue(number);
  return true;
}

void AviExportWindow::CaptureEnded(bool complete, const std::string& error) {
  ShowCaptureProgress(false);
  if (!error.empty())
    MsgBox("The animation frame could not be saved:\n" + error, MsgButtons::OK, MsgIcon::Critical,
           "Corvalin");
  if (complete && isVisible()) {
    raise();
    activateWindow();
  }
}

void AviExportWindow::Command5_Click() {
  if (m_playback.CaptureFrames()) {
    Warn("The frames are still being generated. Wait until they are complete, or cancel them.");
    return;
  }
  if (m_list1->count() == 0 || !m_store) {
    Warn("Generate animation frames first.");
    return;
  }
  if (m_list2->count() == 0) {
    Warn("Select some frames first.");
    return;
  }
  std::vector<std::string> paths;
  for (int i = 0; i < m_list2->count(); ++i)
    paths.push_back(m_store->Path(m_list2->item(i)->text().toStdString()));
  int32_t width = 0;
  int32_t height = 0;
  if (!CheckFrameFiles(paths, width, height)) return;

  FileDialog dialog;
  dialog.DefaultExt = "avi";
  dialog.DlgTitle = "Choose a filename to save AVI to...";
  dialog.Filter = "AVI Files|*.avi";
  dialog.OwnerHwnd = this;
  std::string fileName = "untitled.avi";
  std::string fileTitle;
  if (!dialog.VBGetSaveFileName(fileName, fileTitle)) return;

  static VideoOptions lastOptions;
  const std::optional<VideoOptions> options =
      TheVideoOptionsChooser().ChooseVideoOptions(this, lastOptions);
  if (!options) return; // nothing has been written yet
  lastOptions = *options;

  const int32_t rate = AviFrameRate(m_text1->text().toStdString());
  QProgressDialog progress("Writing the video...", "Cancel", 0, static_cast<int>(paths.size()),
                           this);
  progress.setWindowTitle("Save Animation");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  std::string error;
  const AviOutcome outcome = WriteAviFile(
      fileName, paths, rate, *options,
      [&progress](int32_t done, int32_t) {
        progress.setValue(done);
        return !progress.wasCanceled();
      },
      error);
  progress.reset();
  if (outcome == AviOutcome::Failed) {
    MsgBox("There was an error writing the file.\n" + error, MsgButtons::OK, MsgIcon::Information,
           "Corvalin");
    return;
  }
  if (outcome == AviOutcome::Written) DeleteFrames();
}

void AviExportWindow::DeleteFrames() {
  m_store.reset();
  m_list1->clear();
  m_list2->clear();
}

void AviExportWindow::ShowCaptureProgress(bool on) {
  m_progress->setVisible(on);
  m_cancel->setVisible(on);
}

void AviExportWindow::closeEvent(QCloseEvent* event) {
  m_playback.CancelCapture();
  DeleteFrames();
  event->accept();
}
