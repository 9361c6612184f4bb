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
#include "platform/SaveFileQuestion.h"

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

  m_frameList = new QListWidget(this);
  m_frameList->setObjectName("frameList");
  m_selectedFrameList = new QListWidget(this);
  m_selectedFrameList->setObjectName("selectedFrameList");
  auto* addFrame = Button(this, "addFrameButton", ">", "Select a frame");
  auto* addAllFrames = Button(this, "addAllFramesButton", ">>", "Select all frames");
  auto* removeFrame = Button(this, "removeFrameButton", "Del", "Delete the selected frame");
  auto* generate = Button(this, "generateButton", "Generate Frames", nullptr);
  auto* save = Button(this, "saveButton", "Save Animation", nullptr);
  m_speedField = new QLineEdit("5", this);
  m_speedField->setObjectName("speedField");
  m_progress = new QProgressBar(this);
  m_progress->setObjectName("captureProgress");
  m_cancel = Button(this, "cancelButton", "Cancel", "Stop generating the frames");

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Animation Frames", this), 0, 0);
  grid->addWidget(new QLabel("Selected Frames", this), 0, 2);
  grid->addWidget(m_frameList, 1, 0, 4, 1);
  grid->addWidget(addFrame, 1, 1);
  grid->addWidget(addAllFrames, 2, 1);
  grid->addWidget(removeFrame, 3, 1);
  grid->addWidget(m_selectedFrameList, 1, 2, 4, 1);
  auto* speed = new QHBoxLayout;
  speed->addWidget(new QLabel("Speed", this));
  speed->addWidget(m_speedField);
  speed->addWidget(new QLabel("Frames/Second", this));
  speed->addStretch();
  grid->addLayout(speed, 5, 0, 1, 3);
  auto* capture = new QHBoxLayout;
  capture->addWidget(m_progress, 1);
  capture->addWidget(m_cancel);
  grid->addLayout(capture, 6, 0, 1, 3);
  auto* commands = new QHBoxLayout;
  commands->addStretch();
  commands->addWidget(generate);
  commands->addWidget(save);
  grid->addLayout(commands, 7, 0, 1, 3);
  ShowCaptureProgress(false);

  connect(addFrame, &QPushButton::clicked, this, [this] { OnAddFrame(); });
  connect(addAllFrames, &QPushButton::clicked, this, [this] { OnAddAllFrames(); });
  connect(removeFrame, &QPushButton::clicked, this, [this] { OnRemoveFrame(); });
  connect(generate, &QPushButton::clicked, this, [this] { OnGenerateFrames(); });
  connect(save, &QPushButton::clicked, this, [this] { OnSaveAnimation(); });
  connect(m_cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
}

AviExportWindow::~AviExportWindow() { m_playback.ForgetSink(*this); }

std::string AviExportWindow::FramePath(int32_t number) const {
  return m_store ? m_store->Path(number) : std::string();
}

void AviExportWindow::OnAddFrame() {
  const QListWidgetItem* row = m_frameList->currentItem();
  if (!row) return; // no frame chosen: nothing to add
  m_selectedFrameList->addItem(row->text());
}

void AviExportWindow::OnAddAllFrames() {
  for (int i = 1; i <= m_frameList->count(); ++i)
    m_selectedFrameList->addItem(QString::number(i));
}

void AviExportWindow::OnRemoveFrame() {
  const int row = m_selectedFrameList->currentRow();
  if (row >= 0) delete m_selectedFrameList->takeItem(row);
}

void AviExportWindow::OnGenerateFrames() {
  m_playback.CancelCapture();
  // A fresh folder: the files and the list of an earlier capture go.
  m_store = std::make_unique<FrameStore>();
  m_frameList->clear();
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

void AviExportWindow::OnCancel() { m_playback.CancelCapture(); }

bool AviExportWindow::CaptureFrame(int32_t number, std::string& error) {
  if (!m_store) {
    error = "The frames have no folder.";
    return false;
  }
  const QImage picture = m_grabView ? m_grabView() : QImage();
  if (!SaveFrameFile(picture, m_store->Path(number), error)) return false;
  m_frameList->addItem(QString::number(number));
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

void AviExportWindow::OnSaveAnimation() {
  if (m_playback.CaptureFrames()) {
    Warn("The frames are still being generated. Wait until they are complete, or cancel them.");
    return;
  }
  if (m_frameList->count() == 0 || !m_store) {
    Warn("Generate animation frames first.");
    return;
  }
  if (m_selectedFrameList->count() == 0) {
    Warn("Select some frames first.");
    return;
  }
  std::vector<std::string> paths;
  for (int i = 0; i < m_selectedFrameList->count(); ++i)
    paths.push_back(m_store->Path(m_selectedFrameList->item(i)->text().toStdString()));
  int32_t width = 0;
  int32_t height = 0;
  if (!CheckFrameFiles(paths, width, height)) return;

  SaveFileQuestion question;
  question.Title = "Choose a filename to save AVI to...";
  question.Filter = {"AVI Files", "*.avi"};
  question.Extension = "avi";
  question.SuggestedName = "untitled.avi";
  question.Owner = this;
  const std::optional<std::string> chosen = AskFileToWrite(question);
  if (!chosen) return;
  const std::string& fileName = *chosen;

  static VideoOptions lastOptions;
  const std::optional<VideoOptions> options =
      TheVideoOptionsChooser().ChooseVideoOptions(this, lastOptions);
  if (!options) return; // nothing has been written yet
  lastOptions = *options;

  const int32_t rate = AviFrameRate(m_speedField->text().toStdString());
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
  m_frameList->clear();
  m_selectedFrameList->clear();
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
