#pragma once
// Replacing a file whole: the new content goes into a file of a name of its own beside the old
// one, and a rename puts it in the old one's place, so that a reader (or a crash) sees either
// the old content or the new, never a part.

#include <sys/types.h>

#include <string>
#include <string_view>

#include "files/file_io.h"

namespace files {

// What must be on the disk when ReplaceFile returns, against a power cut or a crashed system.
enum class TDurability {
  drNone,        // nothing: the content is rewritten often and cheap to lose (a page we serve)
  drContent,     // the new content, before it takes the name; the caller syncs the folder later
  drEverything,  // the content, and the folder with the new name in it
};

struct TReplaceOptions {
  mode_t Mode = S_IRUSR | S_IWUSR;
  // A file of the user's (an output they named) follows the umask; our own files have Mode.
  bool FollowUmask = false;
  TDurability Durability = TDurability::drEverything;
  // Take an exclusive advisory lock before the new file takes the name.
  bool Lock = false;
  // Refuse to replace anything but a regular file of this user (our own files); a user's
  // output may replace whatever entry stands under the name, a link itself included.
  bool OwnFileOnly = true;
};

// Replaces (or creates) `name` in `folder` with `content`; returns the new file, open for
// appending. Throws TFileError; nothing is left beside the file then.
TFd ReplaceFile(int folder, const std::string& name, std::string_view content, const TReplaceOptions& options);

// The same for a path: the folder is the path's own, or the working folder.
void ReplaceFile(const std::string& path, std::string_view content, const TReplaceOptions& options);

}  // namespace files
