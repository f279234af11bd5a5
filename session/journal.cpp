#include "session/journal.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/replace_file.h"
#include "session/disk_flusher.h"
#include "session/sessions.h"
#include "session/tables.h"

namespace session {

using files::TFd;
using files::TFileError;

namespace {

// The most suffixes tried for one start time: far beyond any real clash of names.
constexpr int MaxSuffix = 1000;

}  // namespace

std::string JournalErrorText(const std::string& path, const std::string& reason) {
  return "Cannot write the session journal \"" + path + "\". " + reason;
}

TJournal::TJournal(std::string folder, std::time_t start, bool atTable)
    : FFolderPath(std::move(folder)), FBaseName(SessionBaseName(start)), FAtTable(atTable) {}

TJournal::~TJournal() = default;

std::string TJournal::Path() const {
  return FFolderPath + "/" + (FName.empty() ? SessionFileName(FBaseName, 1) : FName);
}

std::string TJournal::Text(std::span<const std::int32_t> spins) const {
  std::string text;
  text.reserve(spins.size() * (2 + FLineEnd.size()));
  for (std::int32_t spin : spins) {
    text += std::to_string(spin);
    text += FLineEnd;
  }
  return text;
}

bool TJournal::Behind(std::span<const std::int32_t> history) const {
  if (!FFile) return !history.empty();
  return FStale || FDamaged || FOnDisk != history.size();
}

std::optional<std::string> TJournal::Append(std::span<const std::int32_t> history) { return Record(history); }

std::optional<std::string> TJournal::Rewrite(std::span<const std::int32_t> history, std::size_t changedFrom) {
  if (changedFrom < FOnDisk || history.size() < FOnDisk) FStale = true;
  return Record(history);
}

std::optional<std::string> TJournal::Record(std::span<const std::int32_t> history) {
  // A failed flush may have lost lines the kernel held: the file is written whole again.
  if (FFlusher && FFlusher->TakeError() != 0) FStale = true;
  std::optional<TFileError> error;
  try {
    CatchUp(history, error);
  } catch (const TFileError& e) {
    // Only the file system's refusals; a broken invariant goes on to the caller.
    error = e;
  }
  if (!Behind(history)) {
    FReported = 0;
    return std::nullopt;
  }
  if (!error || error->Errno() == FReported) return std::nullopt;
  FReported = error->Errno();
  return JournalErrorText(Path(), error->what());
}

void TJournal::CatchUp(std::span<const std::int32_t> history, std::optional<TFileError>& replaceError) {
  if (!FFile) return Create(history);
  if (FStale || FDamaged) {
    try {
      return Replace(history);
    } catch (const TFileError& e) {
      if (FDamaged) throw;
      replaceError = e;
    }
  }
  // The spins that follow a pending correction still reach the file.
  if (FOnDisk < history.size()) AppendFrom(history);
}

void TJournal::AppendFrom(std::span<const std::int32_t> history) {
  std::string lines = FNeedsSeparator ? FLineEnd : "";
  lines += Text(history.subspan(FOnDisk));
  try {
    files::WriteAll(FFile->Get(), lines);
  } catch (const TFileError&) {
    // Half a line would read as another number; the file goes back to the lines it had.
    if (::ftruncate(FFile->Get(), static_cast<off_t>(FSize)) != 0) FDamaged = true;
    throw;
  }
  FSize += lines.size();
  FOnDisk = history.size();
  FNeedsSeparator = false;
  if (FFlusher) FFlusher->Request(FFile, nullptr);
}

void TJournal::Create(std::span<const std::int32_t> history) {
  if (!FFolder) {
    FFolder = std::make_shared<TFd>(FAtTable ? OpenTableFolder(FFolderPath) : OpenSessionsFolder(FFolderPath));
    RemoveLeftovers(FFolder->Get());
  }
  const std::string content = Text(history);
  for (int suffix = 1; suffix <= MaxSuffix; ++suffix) {
    const std::string name = SessionFileName(FBaseName, suffix);
    TFd file = files::CreateNew(FFolder->Get(), name);
    if (!file.Valid()) continue;
    try {
      if (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) throw TFileError(errno);
      files::WriteAll(file.Get(), content);
    } catch (const TFileError&) {
      // Nothing half-written stays behind; the next change starts over.
      ::unlinkat(FFolder->Get(), name.c_str(), 0);
      throw;
    }
    FName = name;
    FOnDisk = history.size();
    Adopt(std::move(file), content.size(), true);
    return;
  }
  throw TFileError(EEXIST);
}

void TJournal::Replace(std::span<const std::int32_t> history) {
  files::TReplaceOptions options;
  // A resumed file keeps the mode the player gave it.
  struct stat old {};
  if (::fstat(FFile->Get(), &old) == 0) options.Mode = old.st_mode & 07777;
  // The folder's flush follows on the flusher's thread.
  options.Durability = files::TDurability::drContent;
  options.Lock = true;
  const std::string content = Text(history);
  TFd file = files::ReplaceFile(FFolder->Get(), FName, content, options);
  FStale = false;
  FDamaged = false;
  FNeedsSeparator = false;
  FOnDisk = history.size();
  Adopt(std::move(file), content.size(), true);
}

void TJournal::Adopt(TFd file, std::size_t size, bool folderChanged) {
  FFile = std::make_shared<TFd>(std::move(file));
  FSize = size;
  if (!FFlusher) FFlusher = std::make_unique<TDiskFlusher>();
  if (folderChanged) FFlusher->Request(FFile, FFolder);
}

std::optional<std::string> TJournal::Close() {
  if (!FFlusher) return std::nullopt;
  const int error = FFlusher->Finish();
  FFlusher.reset();
  if (error == 0) return std::nullopt;
  return "Cannot flush the session journal \"" + Path() + "\" to disk. " + TFileError(error).what();
}

}  // namespace session
