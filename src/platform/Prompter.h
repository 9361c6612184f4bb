#pragma once
// Modal questions and choices of the program (message boxes, file dialogs, the colour chooser)
// go through these small interfaces. The program installs the Qt implementations; tests install
// scripted ones that answer from a list and record what was asked, so no test ever blocks.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class QWidget;

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgResult { OK, Cancel, Yes, No, Retry };

class Prompter {
public:
  virtual ~Prompter() = default;
  // A modal message box with a text, buttons, an icon and a title; returns the button chosen.
  virtual MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                           const std::string& title) = 0;
};

// One filter of a file dialog, e.g. {"*.crv", "*.crv"}: its description and its pattern(s).
struct FileFilter {
  std::string description;
  std::string pattern;
};

struct FileChoice {
  std::string path;
  int filterIndex = 1; // counted from 1, as the dialogs of the program count them
};

// What a file dialog is told besides its title, filters and start: whether it asks before a chosen
// file is replaced (save), whether the chosen file must exist (open), and whether it offers no
// read-only choice.
struct FileDialogOptions {
  bool confirmOverwrite = true;
  bool fileMustExist = true;
  bool hideReadOnly = true;
};

class FileChooser {
public:
  virtual ~FileChooser() = default;
  // With options; a chooser that has no use for them answers as the plain forms below.
  virtual std::optional<FileChoice> OpenFile(const std::string& title,
                                             const std::vector<FileFilter>& filters,
                                             int filterIndex, const std::string& initialPath,
                                             const FileDialogOptions&) {
    return OpenFile(title, filters, filterIndex, initialPath);
  }
  virtual std::optional<FileChoice> SaveFile(const std::string& title,
                                             const std::vector<FileFilter>& filters,
                                             int filterIndex, const std::string& initialPath,
                                             const FileDialogOptions&) {
    return SaveFile(title, filters, filterIndex, initialPath);
  }
  // Nothing when the user cancels.
  virtual std::optional<FileChoice> OpenFile(const std::string& title,
                                             const std::vector<FileFilter>& filters,
                                             int filterIndex, const std::string& initialPath) = 0;
  virtual std::optional<FileChoice> SaveFile(const std::string& title,
                                             const std::vector<FileFilter>& filters,
                                             int filterIndex, const std::string& initialPath) = 0;
};

// Asks for the name of a file to write. A name typed without an extension gets the extension of
// the chosen filter (extensions[filterIndex - 1], e.g. ".crv"; none where that is empty). The
// dialog asks before replacing the name typed; when the completed name differs from it and that
// file exists, this asks too ("... already exists. Do you want to replace it?") unless the options
// say not to, and No shows the dialog again. Nothing when the user cancels.
std::optional<FileChoice> ChooseFileToWrite(const std::string& title,
                                            const std::vector<FileFilter>& filters,
                                            int filterIndex, const std::string& initialPath,
                                            const std::vector<std::string>& extensions,
                                            const FileDialogOptions& options = {});

// The filter text of a file dialog: "description (pattern)" for each filter, joined by ";;"; a
// description that is the pattern itself, or already shows it in parentheses, stands alone, so
// that no pattern is shown twice.
std::string FileFilterText(const std::vector<FileFilter>& filters);

class ColorChooser {
public:
  virtual ~ColorChooser() = default;
  // Colours are blue * 65536 + green * 256 + red. Nothing when the user cancels.
  virtual std::optional<int32_t> ChooseColor(int32_t initial) = 0;
};

// The chooser and prompter in force. They default to the Qt implementations; tests swap in
// scripted ones with the Set functions (passing nullptr restores the default).
Prompter& ThePrompter();
FileChooser& TheFileChooser();
ColorChooser& TheColorChooser();
void SetPrompter(Prompter* prompter);
void SetFileChooser(FileChooser* chooser);
void SetColorChooser(ColorChooser* chooser);

// Parent window for the Qt dialogs (the main window sets itself).
void SetDialogParent(QWidget* parent);
QWidget* DialogParent();

// Shorthand for the common case.
inline MsgResult MsgBox(const std::string& text, MsgButtons buttons = MsgButtons::OK,
                        MsgIcon icon = MsgIcon::None, const std::string& title = "Corvalin") {
  return ThePrompter().MsgBox(text, buttons, icon, title);
}

// Answers every box without showing it, for runs that no one watches (--screenshot): the title
// and text go to stderr and the answer is the box's default button (OK, Yes), but Cancel for
// Retry and Cancel, so that nothing is retried for ever. Remembers whether an error box came.
class UnattendedPrompter : public Prompter {
public:
  bool errorShown = false;
  MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override;
};

// Scripted stand-ins for tests.
struct ShownMessage {
  std::string text;
  MsgButtons buttons;
  MsgIcon icon;
  std::string title;
};

class ScriptedPrompter : public Prompter {
public:
  std::deque<MsgResult> answers;   // taken from the front; when empty, the first button
  std::vector<ShownMessage> shown; // every message, in order
  MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override;
};

class ScriptedFileChooser : public FileChooser {
public:
  // One dialog as it was asked for.
  struct Asked {
    bool save = false;
    std::string title;
    std::vector<FileFilter> filters;
    int filterIndex = 0;
    std::string initialPath;
    FileDialogOptions options;
  };
  std::deque<std::optional<FileChoice>> answers; // front first; when empty, cancel
  std::vector<std::string> titles;               // titles of the dialogs shown
  std::vector<Asked> asked;                      // everything each dialog was given
  std::optional<FileChoice> OpenFile(const std::string& title, const std::vector<FileFilter>& f,
                                     int filterIndex, const std::string& initialPath,
                                     const FileDialogOptions& options) override;
  std::optional<FileChoice> SaveFile(const std::string& title, const std::vector<FileFilter>& f,
                                     int filterIndex, const std::string& initialPath,
                                     const FileDialogOptions& options) override;
  // The forms without options are the dialogs with the default options.
  std::optional<FileChoice> OpenFile(const std::string& title, const std::vector<FileFilter>& f,
                                     int filterIndex, const std::string& initialPath) override;
  std::optional<FileChoice> SaveFile(const std::string& title, const std::vector<FileFilter>& f,
                                     int filterIndex, const std::string& initialPath) override;

private:
  std::optional<FileChoice> Answer(Asked dialog);
};

class ScriptedColorChooser : public ColorChooser {
public:
  std::deque<std::optional<int32_t>> answers; // front first; when empty, cancel
  int asked = 0;
  std::optional<int32_t> ChooseColor(int32_t initial) override;
};

// Installs scripted stand-ins for the lifetime of the object and restores the defaults after.
class ScopedScriptedDialogs {
public:
  ScopedScriptedDialogs();
  ~ScopedScriptedDialogs();
  ScriptedPrompter prompter;
  ScriptedFileChooser files;
  ScriptedColorChooser colors;
};

// While it lives, message boxes go to `prompter` in place of being shown (answered with each box's
// first button, as a user pressing Enter); afterwards the prompter in force before is put back.
class ScopedScriptedPrompter {
public:
  ScopedScriptedPrompter();
  ~ScopedScriptedPrompter();
  ScopedScriptedPrompter(const ScopedScriptedPrompter&) = delete;
  ScopedScriptedPrompter& operator=(const ScopedScriptedPrompter&) = delete;
  ScriptedPrompter prompter;

private:
  Prompter& m_previous;
};
