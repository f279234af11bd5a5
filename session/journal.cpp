#include "session/journal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "session/disk_flusher.h"
#include "session/sessions.h"
#include "session/spin_reader.h"

namespace session {

namespace {

// The most suffixes tried for one start time: far beyond any real clash of names.
constexpr int MaxSuffix = 1000;

std::string HistoryText(std::span<const std::int32_t> history) {
  std::string text;
  text.reserve(history.size() * 3);
  for (std::int32_t spin : history) {
    text += std::to_string(spin);
    text += '\n';
  }
  return text;
}

bool TakeLock(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; }

constexpr bool IsSeparator(char c) {
  return c == '\n' || c == '\r' || c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == ',' || c == ';';
}

}  // namespace

std::string JournalErrorText(const std::string& path, const std::string& reason) {
  return "Cannot write the session journal \"" + path + "\". " + reason;
}

TJournal::TJournal(std::string folder, std::time_t start)
    : FFolderPath(std::move(folder)), FBaseName(SessionBaseName(start)) {}

TJournal::~TJournal() = default;

std::string TJournal::Path() const {
  return FFolderPath + "/" + (FName.empty() ? SessionFileName(FBaseName, 1) : FName);
}

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
    CheckOwnRegularFile(folder.Get(), journal->FName);
  } catch (const TFileError& e) {
    throw refuse(e.what());
  }
  TFd file(::openat(folder.Get(), journal->FName.c_str(),
                    O_RDWR | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file.Valid()) throw refuse(std::strerror(errno));
  struct stat opened {};
  if (::fstat(file.Get(), &opened) != 0) throw refuse(std::strerror(errno));
  if (!S_ISREG(opened.st_mode) || opened.st_uid != ::geteuid()) throw refuse("It changed while it was opened");
  if (!TakeLock(file.Get())) {
    if (errno == EWOULDBLOCK) throw TJournalBusy(path + ": another running Spintrak is keeping this session");
    throw refuse(std::strerror(errno));
  }

  std::vector<std::int32_t> read;
  TSpinParser parser(path, read, TInvalidTokens::itStop);
  std::string buffer(1 << 20, '\0');
  std::size_t size = 0;
  char last = '\n';
  for (;;) {
    const ssize_t got = ::read(file.Get(), buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      throw refuse(std::strerror(errno));
    }
    if (got == 0) break;
    parser.Feed({buffer.data(), static_cast<std::size_t>(got)});
    size += static_cast<std::size_t>(got);
    last = buffer[static_cast<std::size_t>(got) - 1];
  }
  try {
    parser.Finish();
  } catch (const TSpinInputError& e) {
    // An empty file is an empty history; only a bad token stops the resume.
    if (e.Line() != 0 || size != 0) throw;
  }

  spins.insert(spins.end(), read.begin(), read.end());
  journal->FFolder = std::make_shared<TFd>(std::move(folder));
  journal->FNeedsSeparator = !IsSeparator(last);
  journal->Adopt(std::move(file), size, false);
  return journal;
}

template <class TWrite>
std::optional<std::string> TJournal::Record(TWrite write) {
  if (FFlusher && FFlusher->TakeError() != 0) FWriteWhole = true;
  try {
    write();
  } catch (const std::exception& e) {
    // Whatever went wrong, the window goes on; the next change writes the whole history.
    FWriteWhole = true;
    if (FReported) return std::nullopt;
    FReported = true;
    return JournalErrorText(Path(), e.what());
  }
  FReported = false;
  return std::nullopt;
}

std::optional<std::string> TJournal::Append(std::span<const std::int32_t> history) {
  return Record([&] {
    if (FWriteWhole || !FFile || history.empty())
      WriteWhole(history);
    else
      AppendLast(history);
  });
}

std::optional<std::string> TJournal::Rewrite(std::span<const std::int32_t> history) {
  return Record([&] { WriteWhole(history); });
}

void TJournal::AppendLast(std::span<const std::int32_t> history) {
  std::string line = FNeedsSeparator ? "\n" : "";
  line += std::to_string(history.back());
  line += '\n';
  try {
    WriteAll(FFile->Get(), line);
  } catch (const TFileError&) {
    // Half a line would read as another number; the file goes back to the lines it had.
    if (::ftruncate(FFile->Get(), static_cast<off_t>(FSize)) != 0) {
      // The next change replaces the file whole anyway.
    }
    throw;
  }
  FSize += line.size();
  FNeedsSeparator = false;
  FFlusher->Request(FFile, nullptr);
}

void TJournal::WriteWhole(std::span<const std::int32_t> history) {
  const std::string content = HistoryText(history);
  if (FFile)
    Replace(content);
  else
    Create(content);
  FWriteWhole = false;
  FNeedsSeparator = false;
}

void TJournal::Create(const std::string& content) {
  if (!FFolder) FFolder = std::make_shared<TFd>(OpenOrMakeFolder(FFolderPath));
  for (int suffix = 1; suffix <= MaxSuffix; ++suffix) {
    const std::string name = SessionFileName(FBaseName, suffix);
    TFd file = CreateNew(FFolder->Get(), name);
    if (!file.Valid()) continue;
    try {
      if (!TakeLock(file.Get())) throw TFileError(errno);
      WriteAll(file.Get(), content);
    } catch (const TFileError&) {
      // Nothing half-written stays behind; the next change starts over.
      ::unlinkat(FFolder->Get(), name.c_str(), 0);
      throw;
    }
    FName = name;
    Adopt(std::move(file), content.size(), true);
    return;
  }
  throw TFileError(EEXIST);
}

void TJournal::Replace(const std::string& content) {
  std::string tempName;
  TFd file = CreateBeside(FFolder->Get(), FName, tempName);
  try {
    // Locked before it takes the name, so that no other program can take the new file over.
    if (!TakeLock(file.Get())) throw TFileError(errno);
    WriteAll(file.Get(), content);
    if (::fdatasync(file.Get()) != 0) throw TFileError(errno);
    if (::renameat(FFolder->Get(), tempName.c_str(), FFolder->Get(), FName.c_str()) != 0) throw TFileError(errno);
  } catch (const TFileError&) {
    ::unlinkat(FFolder->Get(), tempName.c_str(), 0);
    throw;
  }
  Adopt(std::move(file), content.size(), true);
}

void TJournal::Adopt(TFd file, std::size_t size, bool folderChanged) {
  FFile = std::make_shared<TFd>(std::move(file));
  FSize = size;
  if (!FFlusher) FFlusher = std::make_unique<TDiskFlusher>();
  if (folderChanged) FFlusher->Request(FFile, FFolder);
}

}  // namespace session
