#include "platform/SaveFileQuestion.h"

#include <QDir>
#include <QStandardPaths>

#include <vector>

namespace {

// The dialog of the owner while it is shown; the parent before it afterwards.
class OwnerAsParent {
public:
  explicit OwnerAsParent(QWidget* owner) : m_previous(DialogParent()), m_set(owner != nullptr) {
    if (m_set) SetDialogParent(owner);
  }
  ~OwnerAsParent() {
    if (m_set) SetDialogParent(m_previous);
  }
  OwnerAsParent(const OwnerAsParent&) = delete;
  OwnerAsParent& operator=(const OwnerAsParent&) = delete;

private:
  QWidget* m_previous;
  bool m_set;
};

} // namespace

std::optional<std::string> AskFileToWrite(const SaveFileQuestion& question) {
  QString folder = QString::fromStdString(question.Folder);
  if (folder.isEmpty())
    folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString name = QString::fromStdString(question.SuggestedName);
  QString start = folder;
  if (!name.isEmpty()) start = folder.isEmpty() ? name : QDir(folder).filePath(name);

  const std::vector<FileFilter> filters = {question.Filter};
  const std::string extension = question.Extension.empty() ? "" : "." + question.Extension;
  // Whichever filter the dialog reports, a name typed without an extension gets this one.
  const std::vector<std::string> extensions(filters.size() + 1, extension);
  FileDialogOptions options;
  options.confirmOverwrite = true;
  options.fileMustExist = false;
  options.hideReadOnly = true;

  const OwnerAsParent parent(question.Owner);
  const std::optional<FileChoice> choice =
      ChooseFileToWrite(question.Title, filters, 0, start.toStdString(), extensions, options);
  if (!choice) return std::nullopt;
  return choice->path;
}
