#include "platform/FileDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const std::string Nul(1, '\0');

// The texts between the NULs, up to the first empty one.
std::vector<std::string> NulParts(const std::string& s) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start < s.size()) {
    const size_t end = s.find('\0', start);
    const std::string part = s.substr(start, end == std::string::npos ? end : end - start);
    if (part.empty()) break;
    parts.push_back(part);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return parts;
}

// The shell's special-folder numbers that have a counterpart here.
struct SpecialFolder {
  int32_t Number;
  QStandardPaths::StandardLocation Location;
};
constexpr SpecialFolder SpecialFolders[] = {
    {0, QStandardPaths::DesktopLocation},   {5, QStandardPaths::DocumentsLocation},
    {13, QStandardPaths::MusicLocation},    {14, QStandardPaths::MoviesLocation},
    {39, QStandardPaths::PicturesLocation}, {40, QStandardPaths::HomeLocation},
};

std::string SpecialFolderPath(int32_t k) {
  for (const SpecialFolder& folder : SpecialFolders)
    if (folder.Number == k) return QStandardPaths::writableLocation(folder.Location).toStdString();
  return {};
}

} // namespace

FileDialog::FileDialog() { InitDirectory = SpecialFolderPath(5); }

void FileDialog::SetInitDirectorySpecial(int32_t SpecialDirectory) {
  InitDirectory = SpecialFolderPath(SpecialDirectory);
}

std::string FileDialog::SystemFilter() const {
  std::string s = Filter;
  for (char& c : s)
    if (c == '|' || c == ':') c = '\0';
  return s + Nul + Nul;
}

std::vector<FileFilter> FileDialog::FilterPairs(const std::string& nulSeparated) {
  const std::vector<std::string> parts = NulParts(nulSeparated);
  std::vector<FileFilter> pairs;
  for (size_t i = 0; i + 1 < parts.size(); i += 2)
    pairs.push_back({parts[i], parts[i + 1]});
  return pairs;
}

std::string FileDialog::FilterPairAt(const std::string& nulSeparated, int32_t n) {
  const std::vector<FileFilter> pairs = FilterPairs(nulSeparated);
  if (n < 1 || n > static_cast<int32_t>(pairs.size())) return {};
  return pairs[n - 1].description + Nul + pairs[n - 1].pattern;
}

int32_t FileDialog::SaveFlags() const {
  return (Flags & ~(FlagEnableHook | FlagEnableTemplate)) | FlagHideReadOnly |
         (OverwritePrompt ? FlagOverwritePrompt : 0);
}

int32_t FileDialog::OpenFlags() const {
  return (Flags & ~(FlagEnableHook | FlagEnableTemplate)) |
         (FileMustExist ? FlagFileMustExist : 0) | (MultiSelect ? FlagAllowMultiSelect : 0) |
         (HideReadOnly ? FlagHideReadOnly : 0) | (m_readOnly ? FlagReadOnly : 0);
}

bool FileDialog::ExistFile(const std::string& sSpec) {
  const QFileInfo info(QString::fromStdString(sSpec));
  return info.exists() && info.isFile() && info.isReadable();
}

std::string FileDialog::VBGetFileTitle(const std::string& sFile) {
  return QFileInfo(QString::fromStdString(sFile)).fileName().toStdString();
}

bool FileDialog::VBGetOpenFileName(std::string& FileName, std::string& FileTitle) {
  return RunDialog(false, FileName, FileTitle);
}

bool FileDialog::VBGetOpenFileNamePreview(std::string& FileName, std::string& FileTitle) {
  return RunDialog(false, FileName, FileTitle);
}

bool FileDialog::VBGetSaveFileName(std::string& FileName, std::string& FileTitle) {
  return RunDialog(true, FileName, FileTitle);
}

bool FileDialog::RunDialog(bool save, std::string& FileName, std::string& FileTitle) {
  const std::string systemFilter = SystemFilter();
  const int32_t flags = save ? SaveFlags() : OpenFlags();
  // The dialog starts in InitDirectory with the given name filled in.
  QString start = QString::fromStdString(InitDirectory);
  const std::string name = NulParts(FileName).empty() ? "" : NulParts(FileName).front();
  if (!name.empty())
    start = start.isEmpty() ? QString::fromStdString(name)
                            : QDir(start).filePath(QString::fromStdString(name));

  QWidget* previousParent = DialogParent();
  if (OwnerHwnd) SetDialogParent(OwnerHwnd);
  const std::vector<FileFilter> filters = FilterPairs(systemFilter);
  FileDialogOptions options;
  options.confirmOverwrite = (flags & FlagOverwritePrompt) != 0;
  options.fileMustExist = (flags & FlagFileMustExist) != 0;
  options.hideReadOnly = (flags & FlagHideReadOnly) != 0;
  // A save completes a name typed without an extension with DefaultExt, and asks about the
  // completed name too.
  const std::vector<std::string> extensions(filters.size() + 1,
                                            DefaultExt.empty() ? "" : "." + DefaultExt);
  const std::optional<FileChoice> choice =
      save ? ChooseFileToWrite(DlgTitle, filters, FilterIndex, start.toStdString(), extensions,
                               options)
           : TheFileChooser().OpenFile(DlgTitle, filters, FilterIndex, start.toStdString(),
                                       options);
  if (OwnerHwnd) SetDialogParent(previousParent);

  if (!choice) {
    FileName = FileTitle = Nul;
    Flags = 0;
    FilterIndex = save ? 0 : -1;
    Filter = Nul;
    return false;
  }
  std::string path = choice->path;
  if (!save && !DefaultExt.empty() && QFileInfo(QString::fromStdString(path)).suffix().isEmpty())
    path += "." + DefaultExt;
  FileName = path;
  FileTitle = VBGetFileTitle(path);
  Flags = flags;
  FilterIndex = choice->filterIndex;
  Filter = FilterPairAt(systemFilter, FilterIndex);
  // A later dialog of the same object starts in the folder of this file.
  InitDirectory = QFileInfo(QString::fromStdString(path)).absolutePath().toStdString();
  return true;
}
