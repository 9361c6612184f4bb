#include <QListWidget>
#include <QListWidgetItem>
#include <QTimer>

#include <memory>

#include "commands/GraphCommandHost.h"
#include "view/window/MainWindow.h"

namespace {

class WindowHost : public GraphCommandHost {
public:
  explicit WindowHost(MainWindow& window) : m_window(window) {}

  int32_t ListCount() const override { return m_window.GraphList()->count(); }
  int32_t ListIndex() const override { return m_window.GraphList()->currentRow(); }
  bool ListRowChecked(int32_t row) const override {
    const QListWidgetItem* item = m_window.GraphList()->item(row);
    return item && item->checkState() == Qt::Checked;
  }
  std::string ListRowCaption(int32_t row) const override {
    const QListWidgetItem* item = m_window.GraphList()->item(row);
    return item ? item->text().toStdString() : std::string();
  }
  void AddListRow(const std::string& caption) override { m_window.AddListRow(caption); }
  void SetListRowChecked(int32_t row, bool checked) override {
    m_window.SetListRowChecked(row, checked);
  }
  void RemoveListRow(int32_t row) override { delete m_window.GraphList()->takeItem(row); }
  void ClearList() override { m_window.GraphList()->clear(); }
  void BuildScene() override { m_window.BuildScene(); }
  void Display(int32_t frame) override { m_window.Display(frame); }
  void HoldSceneUpdates() override { m_window.HoldSceneUpdates(); }
  void ReleaseSceneUpdates() override { m_window.ReleaseSceneUpdates(); }
  void SetAnimationOptionsTexts(int32_t frameCount, int32_t framesPerSecond) override {
    m_window.SetAnimationOptionsTexts(frameCount, framesPerSecond);
  }
  void SetPlaybackEnabled(bool on) override { m_window.SetAnimationCommandsEnabled(on); }
  void SetListRowCaption(int32_t row, const std::string& caption) override {
    if (QListWidgetItem* item = m_window.GraphList()->item(row))
      item->setText(QString::fromStdString(caption));
  }
  void SetTimerInterval(int32_t milliseconds) override {
    m_window.AnimationTimer()->setInterval(milliseconds);
  }
  int32_t AnimationOptionsFrameCount() const override {
    return m_window.AnimationOptionsFrameCount;
  }
  int32_t AnimationOptionsFramesPerSecond() const override {
    return m_window.AnimationOptionsFramesPerSecond;
  }

private:
  MainWindow& m_window;
};

} // namespace

std::unique_ptr<GraphCommandHost> MakeWindowCommandHost() {
  MainWindow* window = MainWindow::Instance();
  if (!window) return nullptr;
  return std::make_unique<WindowHost>(*window);
}
