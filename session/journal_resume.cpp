// Continuing a history file: the checks before it is opened, and reading it in bounded pieces.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "session/disk_flusher.h"
#include "session/journal.h"
#include "session/sessions.h"
#include "session/spin_reader.h"

namespace session {

using files::TFd;
using files::TFileError;

namespace {

// What the file's reading found out about its layout.
struct TFileShape {
  std::size_t Size = 0;
  char Last = '\n';
  bool CrLf = false;  // its lines end in CR LF
};

TFileShape ReadAll(int fd, TSpinParser& parser, const std::string& path) {
  TFileShape shape;
  std::string buffer(1 << 20, '\0');
  bool seenLineFeed = false;
  for (;;) {
    const ssize_t got = ::read(fd, buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      throw TSpinReadError(path + ": " + std::strerror(errno));
    }
    if (got == 0) break;
    const std::string_view piece(buffer.data(), static_cast<std::size_t>(got));
    // The first line's ending tells the file's.
    if (const std::size_t lf = piece.find('\n'); !seenLineFeed && lf != std::string_view::npos) {
      seenLineFeed = true;
      shape.CrLf = (lf > 0 ? piece[lf - 1] : shape.Last) == '\r';
    }
    parser.Feed(piece);
    shape.Size += piece.size();
    shape.Last = piece.back();
  }
  return shape;
}

}  // namespace

std::unique_ptr<TJournal> TJournal::Resume(const std::string& path, std::vector<std::int32_t>& spins) {
  const std::filesystem::path full(path);
  std::unique_ptr<TJournal> journal(new TJournal);
  journal->FFolderPath = full.has_parent_path() ? full.parent_path().string() : ".";
  journal->FName = full.filename().string();
  auto refuse = [&](const std::string& reason) { return TSpinReadError(path + ": " + reason); };

  TFd folder(::open(journal->FFolderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.Valid()) throw refuse(std::strerror(errno));
  // Looked at before it is opened, and opened without following a link or waiting on a FIFO;
  // the checks then hold for what was opened.
  try {
    files::CheckOwnRegularFile(folder.Get(), journal->FName);
  } catch (const TFileError& e) {
    throw refuse(e.what());
  }
  TFd file(::openat(folder.Get(), journal->FName.c_str(),
                    O_RDWR | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file.Valid()) throw refuse(std::strerror(errno));
  struct stat opened {};
  if (::fstat(file.Get(), &opened) != 0) throw refuse(std::strerror(errno));
  if (!S_ISREG(opened.st_mode) || opened.st_uid != ::geteuid()) throw refuse("It changed while it was opened");
  if (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK) throw TJournalBusy(path + ": another running Spintrak is keeping this session");
    throw refuse(std::strerror(errno));
  }

  std::vector<std::int32_t> read;
  TSpinParser parser(path, read, TInvalidTokens::itStop);
  const TFileShape shape = ReadAll(file.Get(), parser, path);
  try {
    parser.Finish();
  } catch (const TSpinInputError& e) {
    // A file without spins (empty, or only blanks) is an empty history; a bad token stops.
    if (e.Line() != 0) throw;
  }

  spins.insert(spins.end(), read.begin(), read.end());
  RemoveLeftovers(folder.Get());
  journal->FFolder = std::make_shared<TFd>(std::move(folder));
  journal->FNeedsSeparator = !IsSpinSeparator(shape.Last);
  journal->FLineEnd = shape.CrLf ? "\r\n" : "\n";
  journal->FOnDisk = read.size();
  journal->Adopt(std::move(file), shape.Size, false);
  return journal;
}

}  // namespace session
