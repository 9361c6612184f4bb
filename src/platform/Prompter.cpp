#include "platform/Prompter.h"
#include "platform/ShownText.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

#include <algorithm>
#include <iostream>

#include "platform/WorkProgress.h"

namespace {

QPointer<QWidget> g_parent;

QString Q(const std::string& s) { return QString::fromStdString(s); }

class QtPrompter : public Prompter {
public:
  MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override {
    const ProgressWindowHeld held;
    QMessageBox box(g_parent);
    box.setText(Q(ShortenedLines(text)));
    box.setWindowTitle(Q(title));
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case MsgButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case MsgButtons::RetryCancel:
      box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
      break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Retry: return MsgResult::Retry;
    case QMessageBox::Ok: return MsgResult::OK;
    default: return buttons == MsgButtons::OK ? MsgResult::OK : MsgResult::Cancel;
    }
  }
};

QString FilterText(const std::vector<FileFilter>& filters) { return Q(FileFilterText(filters)); }

int IndexOf(const std::vector<FileFilter>& filters, const QString& chosen) {
  const QString all = FilterText(filters);
  const QStringList parts = all.split(";;");
  int i = static_cast<int>(parts.indexOf(chosen));
  return i < 0 ? 1 : i + 1;
}

} // namespace

std::string FileFilterText(const std::vector<FileFilter>& filters) {
  std::string text;
  for (const auto& f : filters) {
    std::string pattern = f.pattern;
    std::replace(pattern.begin(), pattern.end(), ';', ' ');
    if (!text.empty()) text += ";;";
    if (f.description == pattern || f.description.find("(" + pattern + ")") != std::string::npos)
      text += f.description;
    else
      text += f.description + " (" + pattern + ")";
  }
  return text;
}

std::optional<FileChoice> ChooseFileToWrite(const std::string& title,
                                            const std::vector<FileFilter>& filters,
                                            int filterIndex, const std::string& initialPath,
                                            const std::vector<std::string>& extensions,
                                            const FileDialogOptions& options) {
  std::string start = initialPath;
  for (;;) {
    std::optional<FileChoice> choice =
        TheFileChooser().SaveFile(title, filters, filterIndex, start, options);
    if (!choice || choice->path.empty()) return std::nullopt;
    const int index = choice->filterIndex;
    const std::string extension =
        index >= 1 && index <= static_cast<int>(extensions.size()) ? extensions[index - 1] : "";
    const QFileInfo typed(QString::fromStdString(choice->path));
    if (extension.empty() || !typed.suffix().isEmpty()) return choice;
    // The dialog asked about the name as typed; the file written is the completed one.
    choice->path += extension;
    const QFileInfo completed(QString::fromStdString(choice->path));
    if (!options.confirmOverwrite || !completed.exists()) return choice;
    const std::string question = completed.fileName().toStdString() +
                                 " already exists.\nDo you want to replace it?";
    if (MsgBox(question, MsgButtons::YesNo, MsgIcon::Exclamation, title) == MsgResult::Yes)
      return choice;
    start = choice->path;
    filterIndex = index;
  }
}

MsgResult UnattendedPrompter::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                     const std::string& title) {
  std::cerr << title << ": " << ShortenedLines(text) << std::endl;
  if (icon == MsgIcon::Critical || title == "Error") errorShown = true;
  switch (buttons) {
  case MsgButtons::OK:
  case MsgButtons::OKCancel:
    return MsgResult::OK;
  case MsgButtons::YesNo:
  case MsgButtons::YesNoCancel:
    return MsgResult::Yes;
  case MsgButtons::RetryCancel:
    return MsgResult::Cancel;
  }
  return MsgResult::OK;
}

namespace {

class QtFileChooser : public FileChooser {
public:
  std::optional<FileChoice> OpenFile(const std::string& title,
                                     const std::vector<FileFilter>& filters, int filterIndex,
                                     const std::string& initialPath) override {
    return Run(true, title, filters, filterIndex, initialPath, {});
  }
  std::optional<FileChoice> SaveFile(const std::string& title,
                                     const std::vector<FileFilter>& filters, int filterIndex,
                                     const std::string& initialPath) override {
    return Run(false, title, filters, filterIndex, initialPath, {});
  }
  std::optional<FileChoice> OpenFile(const std::string& title,
                                     const std::vector<FileFilter>& filters, int filterIndex,
                                     const std::string& initialPath,
                                     const FileDialogOptions& options) override {
    return Run(true, title, filters, filterIndex, initialPath, options);
  }
  std::optional<FileChoice> SaveFile(const std::string& title,
                                     const std::vector<FileFilter>& filters, int filterIndex,
                                     const std::string& initialPath,
                                     const FileDialogOptions& options) override {
    return Run(false, title, filters, filterIndex, initialPath, options);
  }

private:
  std::optional<FileChoice> Run(bool open, const std::string& title,
                                const std::vector<FileFilter>& filters, int filterIndex,
                                const std::string& initialPath, const FileDialogOptions& options) {
    QFileDialog::Options qtOptions;
    if (!options.confirmOverwrite) qtOptions |= QFileDialog::DontConfirmOverwrite;
    // Qt's dialogs offer no "open as read-only" choice, so hideReadOnly always holds.
    const QString filterText = FilterText(filters);
    const QStringList parts = filterText.split(";;");
    QString selected = (filterIndex >= 1 && filterIndex <= parts.size())
                           ? parts[filterIndex - 1]
                           : (parts.isEmpty() ? QString() : parts[0]);
    // An open dialog whose file need not exist is a save-style dialog that confirms nothing.
    QString path =
        open && options.fileMustExist
            ? QFileDialog::getOpenFileName(g_parent, Q(title), Q(initialPath), filterText,
                                           &selected, qtOptions)
            : QFileDialog::getSaveFileName(
                  g_parent, Q(title), Q(initialPath), filterText, &selected,
                  open ? qtOptions | QFileDialog::DontConfirmOverwrite : qtOptions);
    if (path.isEmpty()) return std::nullopt;
    return FileChoice{path.toStdString(), IndexOf(filters, selected)};
  }
};

class QtColorChooser : public ColorChooser {
public:
  std::optional<int32_t> ChooseColor(int32_t initial) override {
    QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    QColor c = QColorDialog::getColor(start, g_parent);
    if (!c.isValid()) return std::nullopt;
    return c.blue() * 65536 + c.green() * 256 + c.red();
  }
};

QtPrompter g_qtPrompter;
QtFileChooser g_qtFiles;
QtColorChooser g_qtColors;
Prompter* g_prompter = &g_qtPrompter;
FileChooser* g_files = &g_qtFiles;
ColorChooser* g_colors = &g_qtColors;

} // namespace

Prompter& ThePrompter() { return *g_prompter; }
FileChooser& TheFileChooser() { return *g_files; }
ColorChooser& TheColorChooser() { return *g_colors; }
void SetPrompter(Prompter* p) { g_prompter = p ? p : &g_qtPrompter; }
void SetFileChooser(FileChooser* c) { g_files = c ? c : &g_qtFiles; }
void SetColorChooser(ColorChooser* c) { g_colors = c ? c : &g_qtColors; }
void SetDialogParent(QWidget* parent) { g_parent = parent; }
QWidget* DialogParent() { return g_parent; }

MsgResult ScriptedPrompter::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                   const std::string& title) {
  shown.push_back({text, buttons, icon, title});
  if (!answers.empty()) {
    MsgResult r = answers.front();
    answers.pop_front();
    return r;
  }
  switch (buttons) {
  case MsgButtons::YesNo:
  case MsgButtons::YesNoCancel: return MsgResult::Yes;
  case MsgButtons::RetryCancel: return MsgResult::Retry;
  default: return MsgResult::OK;
  }
}

namespace {
std::optional<FileChoice> TakeFront(std::deque<std::optional<FileChoice>>& answers) {
  if (answers.empty()) return std::nullopt;
  auto r = answers.front();
  answers.pop_front();
  return r;
}
} // namespace

std::optional<FileChoice> ScriptedFileChooser::Answer(Asked dialog) {
  titles.push_back(dialog.title);
  asked.push_back(std::move(dialog));
  return TakeFront(answers);
}

std::optional<FileChoice> ScriptedFileChooser::OpenFile(const std::string& title,
                                                        const std::vector<FileFilter>& filters,
                                                        int filterIndex,
                                                        const std::string& initialPath,
                                                        const FileDialogOptions& options) {
  return Answer({false, title, filters, filterIndex, initialPath, options});
}

std::optional<FileChoice> ScriptedFileChooser::SaveFile(const std::string& title,
                                                        const std::vector<FileFilter>& filters,
                                                        int filterIndex,
                                                        const std::string& initialPath,
                                                        const FileDialogOptions& options) {
  return Answer({true, title, filters, filterIndex, initialPath, options});
}

std::optional<FileChoice> ScriptedFileChooser::OpenFile(const std::string& title,
                                                        const std::vector<FileFilter>& filters,
                                                        int filterIndex,
                                                        const std::string& initialPath) {
  return OpenFile(title, filters, filterIndex, initialPath, FileDialogOptions{});
}

std::optional<FileChoice> ScriptedFileChooser::SaveFile(const std::string& title,
                                                        const std::vector<FileFilter>& filters,
                                                        int filterIndex,
                                                        const std::string& initialPath) {
  return SaveFile(title, filters, filterIndex, initialPath, FileDialogOptions{});
}

std::optional<int32_t> ScriptedColorChooser::ChooseColor(int32_t) {
  ++asked;
  if (answers.empty()) return std::nullopt;
  auto r = answers.front();
  answers.pop_front();
  return r;
}

ScopedScriptedDialogs::ScopedScriptedDialogs() {
  SetPrompter(&prompter);
  SetFileChooser(&files);
  SetColorChooser(&colors);
}

ScopedScriptedDialogs::~ScopedScriptedDialogs() {
  SetPrompter(nullptr);
  SetFileChooser(nullptr);
  SetColorChooser(nullptr);
}

ScopedScriptedPrompter::ScopedScriptedPrompter() : m_previous(ThePrompter()) {
  SetPrompter(&prompter);
}

ScopedScriptedPrompter::~ScopedScriptedPrompter() { SetPrompter(&m_previous); }
