#pragma once
// The open and save file dialogs as an object with properties: the caller sets the filter, title,
// default extension, start folder and options, calls a dialog operation and reads back the chosen
// file. The dialogs themselves are the program's file chooser (Prompter.h), so tests script them.
//
// Filter texts hold descriptions and patterns in pairs, each followed by "|" or ":"
// ("AVI Files|*.avi"). After a confirmed dialog Filter holds the chosen pair as description, NUL,
// pattern; after a cancel FileName, FileTitle and Filter are each a text of one NUL character.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Prompter.h"

class QWidget;

class FileDialog {
public:
  // Option bits of the dialogs.
  static constexpr int32_t FlagReadOnly = 0x1;
  static constexpr int32_t FlagOverwritePrompt = 0x2;
  static constexpr int32_t FlagHideReadOnly = 0x4;
  static constexpr int32_t FlagEnableHook = 0x20;
  static constexpr int32_t FlagEnableTemplate = 0x40;
  static constexpr int32_t FlagAllowMultiSelect = 0x200;
  static constexpr int32_t FlagFileMustExist = 0x1000;

  // Starts in the user's documents folder with the program's title.
  FileDialog();

  QWidget* OwnerHwnd = nullptr; // the window that owns the dialog; null: the program's default
  bool FileMustExist = true;
  bool MultiSelect = false;
  bool HideReadOnly = true;
  std::string Filter;
  int32_t FilterIndex = 0;
  std::string InitDirectory;
  std::string DlgTitle = "Corvalin";
  std::string DefaultExt;
  int32_t Flags = 0;
  bool OverwritePrompt = true;

  bool ReadOnly() const { return m_readOnly; }
  // Sets InitDirectory to a special folder by its number (0 desktop, 5 documents, 13 music,
  // 14 videos, 39 pictures, 40 home); an unknown number gives the empty text.
  void SetInitDirectorySpecial(int32_t SpecialDirectory);

  // The dialogs: true when a file was chosen (FileName its full path, FileTitle its name);
  // false when the user cancelled.
  bool VBGetOpenFileName(std::string& FileName, std::string& FileTitle);
  bool VBGetOpenFileNamePreview(std::string& FileName, std::string& FileTitle);
  bool VBGetSaveFileName(std::string& FileName, std::string& FileTitle);

  // True when the file exists and its length can be read.
  static bool ExistFile(const std::string& sSpec);
  // The name of a file path without its folders; empty for an empty path.
  static std::string VBGetFileTitle(const std::string& sFile);

  // The filter as the dialogs receive it: every separator a NUL, two NULs at the end.
  std::string SystemFilter() const;
  // The description and pattern pairs of a NUL-separated filter.
  static std::vector<FileFilter> FilterPairs(const std::string& nulSeparated);
  // The n-th pair (from 1) of a NUL-separated filter as description, NUL, pattern; empty when
  // there is no such pair.
  static std::string FilterPairAt(const std::string& nulSeparated, int32_t n);
  // The option bits a save dialog is given.
  int32_t SaveFlags() const;
  int32_t OpenFlags() const;

private:
  bool RunDialog(bool save, std::string& FileName, std::string& FileTitle);
  bool m_readOnly = false;
};
