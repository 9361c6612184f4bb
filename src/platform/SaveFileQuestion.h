#pragma once
// The question for the name of a file to write: the program's file chooser (Prompter.h) offers
// one kind of file, starts in a folder with a name filled in, asks before a file is replaced, and
// completes a name typed without an extension (asking about the completed name too).

#include <optional>
#include <string>

#include "platform/Prompter.h"

class QWidget;

struct SaveFileQuestion {
  std::string Title = "Corvalin";
  FileFilter Filter;         // the kind of file offered: {"AVI Files", "*.avi"}
  std::string Extension;     // without the dot ("avi"); empty: a name is taken as typed
  std::string SuggestedName; // the name filled in ("untitled.avi")
  std::string Folder;        // where the dialog starts; empty: the user's documents folder
  QWidget* Owner = nullptr;  // the window the dialog belongs to; null: the program's default
};

// The full path of the file to write; nothing when the user cancels.
std::optional<std::string> AskFileToWrite(const SaveFileQuestion& question);
