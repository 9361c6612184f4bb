#pragma once
// Associates Corvalin's document files ("*.crv") with the program on the desktop, the freedesktop
// way: a shared-mime-info package that names the document type, and a desktop entry that opens
// such files with this program by its real path. Both live under $XDG_DATA_HOME (by default
// ~/.local/share) and carry a mark saying that Corvalin wrote them; files of the same name that
// lack the mark belong to someone else and are never touched. Nothing here reports a failure: a
// desktop that cannot take the association simply goes without it.

#include <string>

namespace DesktopRegistration {

// The document type that "*.crv" files get.
inline const std::string MimeType = "application/x-corvalin";

// Where the files go, for a given data folder ($XDG_DATA_HOME).
struct Files {
  std::string MimePackage;  // <data>/mime/packages/corvalin.xml
  std::string DesktopEntry; // <data>/applications/corvalin.desktop
};
Files FilesIn(const std::string& dataHome);

// $XDG_DATA_HOME when it is set to an absolute path, else ~/.local/share.
std::string DataHome();

// The texts of the two files for a program at `programPath` (its executable) whose icon is the
// file `iconPath`.
std::string MimePackageText();
std::string DesktopEntryText(const std::string& programPath, const std::string& iconPath);

// A path quoted for the Exec key of a desktop entry: in double quotes, with the characters that
// the entry's quoting rules reserve escaped.
std::string QuoteExecArgument(const std::string& path);

struct Options {
  std::string DataHome;    // empty: DataHome()
  std::string ProgramPath; // empty: the running program's real path
  std::string IconPath;    // empty: the program icon shipped beside the program
  bool UpdateDatabases =
      true; // run update-mime-database and update-desktop-database after a change
};

// At start-up: writes both files, creating them when they are missing and refreshing them when
// they are ours; leaves a file of the same name that is not ours alone.
void RegisterAtStartup(const Options& options = {});

// After a document has been saved: refreshes the program's path and icon in our own files, and
// only in those; a missing file is not created and another program's file is not changed.
void RefreshAfterSave(const Options& options = {});

// True when the file at `path` exists and carries the mark that Corvalin wrote it.
bool IsOurs(const std::string& path);

} // namespace DesktopRegistration
