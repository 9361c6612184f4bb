#include "platform/VideoCompression.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

#include "platform/Prompter.h"

namespace {

class QtVideoOptionsChooser : public VideoOptionsChooser {
public:
  std::optional<VideoOptions> ChooseVideoOptions(QWidget* owner,
                                                 const VideoOptions& initial) override {
    QDialog dialog(owner ? owner : DialogParent());
    dialog.setWindowTitle("Video Compression");
    auto* codec = new QComboBox(&dialog);
    codec->setObjectName("codecBox");
    for (const auto& row : VideoCodecTable())
      codec->addItem(row.Caption);
    const auto& table = VideoCodecTable();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const VideoCodecInfo& r) { return r.Codec == initial.Codec; });
    codec->setCurrentIndex(it == table.end() ? 0 : static_cast<int>(it - table.begin()));
    auto* quality = new QSpinBox(&dialog);
    quality->setObjectName("qualityBox");
    quality->setRange(1, 100);
    quality->setValue(std::clamp(initial.Quality, 1, 100));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // Quality means nothing to the uncompressed codec.
    auto sync = [codec, quality] {
      quality->setEnabled(VideoCodecTable()[codec->currentIndex()].Codec !=
                          VideoCodec::Uncompressed);
    };
    QObject::connect(codec, &QComboBox::currentIndexChanged, &dialog, sync);
    sync();
    auto* form = new QFormLayout(&dialog);
    form->addRow("Compressor:", codec);
    form->addRow("Quality (1-100):", quality);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return VideoOptions{table[codec->currentIndex()].Codec, quality->value()};
  }
};

QtVideoOptionsChooser g_qtChooser;
VideoOptionsChooser* g_chooser = &g_qtChooser;

} // namespace

const std::vector<VideoCodecInfo>& VideoCodecTable() {
  static const std::vector<VideoCodecInfo> table = {
      {VideoCodec::Uncompressed, "Uncompressed"},
      {VideoCodec::MotionJpeg, "Motion JPEG"},
      {VideoCodec::Mpeg4, "MPEG-4"},
  };
  return table;
}

VideoOptionsChooser& TheVideoOptionsChooser() { return *g_chooser; }
void SetVideoOptionsChooser(VideoOptionsChooser* chooser) {
  g_chooser = chooser ? chooser : &g_qtChooser;
}

std::optional<VideoOptions> ScriptedVideoOptionsChooser::ChooseVideoOptions(QWidget*,
                                                                            const VideoOptions&) {
  ++asked;
  if (answers.empty()) return std::nullopt;
  auto answer = answers.front();
  answers.pop_front();
  return answer;
}
