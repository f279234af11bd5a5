#pragma once
// Tables: the wheels a player plays at, each with its own folder of sessions in the sessions
// folder. A table's name is what the player typed; its folder's name is that name with the few
// bytes a folder name cannot hold as they stand written "%XX", so that any name reads back.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_io.h"

namespace session {

// The most characters a table's name may have.
inline constexpr std::size_t MaxTableNameLength = 64;

// A name that cannot name a table; the message says why.
class TTableNameError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The name as it is kept: blanks at its ends are dropped. Throws TTableNameError for a name that
// is empty, not UTF-8, longer than MaxTableNameLength characters or holds a control character.
std::string CheckTableName(std::string_view name);

// The folder name of a table: "/" and "%" (and a "." first, so that "." and ".." and hidden
// names stay out) become "%2F", "%25" and "%2E". Throws as CheckTableName, and also when the
// folder name would be longer than the file system allows.
std::string TableFolderName(std::string_view name);

// The name as it is kept (CheckTableName), for a table whose folder can be made: throws as
// TableFolderName.
std::string CheckUsableTableName(std::string_view name);

// The table a folder name stands for; none for a name that TableFolderName does not make.
std::optional<std::string> TableOfFolderName(std::string_view folderName);

// The folder of the table `name` in `sessionsFolder`; throws as TableFolderName.
std::string TableFolder(const std::string& sessionsFolder, std::string_view name);

// Opens a table's folder, making it where it is missing; the folder, the sessions folder and the
// program's state folder must be the user's own and writable by no one else. Throws
// files::TFileError.
files::TFd OpenTableFolder(const std::string& tableFolder);

struct TTable {
  std::string Name;    // as the player typed it
  std::string Folder;  // its full path
};

// The tables of a sessions folder, by name; a missing folder has none. Only real folders whose
// names TableFolderName makes count. Throws std::runtime_error when the folder cannot be read.
std::vector<TTable> ListTables(const std::string& sessionsFolder);

// The table whose session was written to last, if any table has a session.
std::optional<std::string> LastTable(const std::string& sessionsFolder);

}  // namespace session
