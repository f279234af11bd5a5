#include "files/replace_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "files/file_calls.h"

namespace files {

TFd ReplaceFile(int folder, const std::string& name, std::string_view content, const TReplaceOptions& options) {
  if (options.OwnFileOnly) {
    // Looked at, never opened: opening a FIFO would block, and opening a link would follow it.
    try {
      CheckOwnRegularFile(folder, name);
    } catch (const TFileError& e) {
      if (e.Errno() != ENOENT) throw;
    }
  }
  std::string tempName;
  TFd file = CreateBeside(folder, name, tempName, options.Mode, options.FollowUmask);
  try {
    // Locked before it takes the name, so that no other program can take the new file over.
    if (options.Lock && ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) throw TFileError(errno);
    WriteAll(file.Get(), content);
    // Synced before the rename: a crash after it must find the new content under the name.
    if (options.Durability != TDurability::drNone && FileCalls().Fdatasync(file.Get()) != 0)
      throw TFileError(errno);
    // The rename replaces the entry without following it; in a folder with the sticky bit
    // another user's entry cannot be replaced at all.
    if (FileCalls().Renameat(folder, tempName.c_str(), folder, name.c_str()) != 0) throw TFileError(errno);
  } catch (...) {
    ::unlinkat(folder, tempName.c_str(), 0);
    throw;
  }
  if (options.Durability == TDurability::drEverything && FileCalls().Fsync(folder) != 0) throw TFileError(errno);
  return file;
}

void ReplaceFile(const std::string& path, std::string_view content, const TReplaceOptions& options) {
  const std::size_t slash = path.rfind('/');
  const std::string folderPath = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty()) throw TFileError(EISDIR);
  const TFd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.Valid()) throw TFileError(errno);
  ReplaceFile(folder.Get(), name, content, options);
}

}  // namespace files
