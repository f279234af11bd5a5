#pragma once
// Where the sessions are kept and how they are named: one file per run in the sessions folder,
// named after the run's start in local time ("2026-12-08_21-15-03.txt", then "-2", "-3" ...
// before ".txt" when that name is taken).

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_io.h"

namespace session {

inline constexpr std::string_view SessionExtension = ".txt";

// $XDG_STATE_HOME/spintrak/sessions, else ~/.local/state/spintrak/sessions. A relative
// XDG_STATE_HOME is ignored, as the desktop's rules ask. Throws std::runtime_error when there
// is no home folder to be found either.
std::string SessionsFolder();

// Opens the sessions folder, making it where it is missing. It and the program's state folder
// above it must be the user's own and writable by no one else; throws files::TFileError.
files::TFd OpenSessionsFolder(const std::string& folder);

// Removes what a correction killed half-way left in `folder`: ".NAME.PID.NUMBER" beside a
// session file NAME, only when process PID is gone.
void RemoveLeftovers(int folder);

// "2026-12-08_21-15-03" for a start in local time.
std::string SessionBaseName(std::time_t start);
// The base name with suffix 1 (none), 2, 3 ... and the extension.
std::string SessionFileName(const std::string& baseName, int suffix);

struct TSessionFile {
  std::string Name;           // the file's name in the folder
  std::string Start;          // "2026-12-08 21:15:03"
  int Suffix = 1;             // 1 for a name without suffix
  std::int64_t Modified = 0;  // last change, nanoseconds since the epoch
};

// The session files of a folder, oldest start first; other entries are left out. A missing
// folder has none. Throws std::runtime_error when the folder cannot be read.
std::vector<TSessionFile> ListSessions(const std::string& folder);

// The session written to last (the newest start among equals), if any.
std::optional<TSessionFile> MostRecentSession(const std::string& folder);

}  // namespace session
