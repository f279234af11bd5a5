#pragma once
// The session journal: the history of one run in a plain text file, one wheel number per line,
// oldest first, as spintrak-stats reads it. An entry appends a line; a correction writes the
// whole history beside the file and renames it over the old one, so that the file always holds
// either the old history or the new one. Only one running program writes a journal: it holds
// an advisory lock on the file for as long as it runs.

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "session/file_io.h"

namespace session {

class TDiskFlusher;

// A journal that another running Spintrak holds.
class TJournalBusy : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The player's report when the journal cannot be written.
std::string JournalErrorText(const std::string& path, const std::string& reason);

class TJournal {
 public:
  // A new session's journal in `folder`, named after `start` in local time. Nothing is made on
  // disk before the first change.
  TJournal(std::string folder, std::time_t start);
  ~TJournal();
  TJournal(const TJournal&) = delete;
  TJournal& operator=(const TJournal&) = delete;

  // Continues an existing history file: appends its spins to `spins` and takes its lock.
  // Throws TSpinReadError (cannot be opened or read, or may not be written), TSpinInputError
  // (a bad token) or TJournalBusy; the file is left untouched then.
  static std::unique_ptr<TJournal> Resume(const std::string& path, std::vector<std::int32_t>& spins);

  // Records a change of the history: `history` is the whole history afterwards, with the new
  // spin last for Append. Returns the report to show the player: the first failure after a
  // success (or since the start) is reported, later failures are not until a write succeeds.
  // After a failure the next change writes the whole history again.
  std::optional<std::string> Append(std::span<const std::int32_t> history);
  std::optional<std::string> Rewrite(std::span<const std::int32_t> history);

  // The file's path; before the file exists, the path it would have without a suffix.
  std::string Path() const;
  bool Exists() const { return FFile != nullptr; }
  // The thread that flushes to disk; null before the file exists.
  const TDiskFlusher* Flusher() const { return FFlusher.get(); }

 private:
  TJournal() = default;
  template <class TWrite>
  std::optional<std::string> Record(TWrite write);
  void AppendLast(std::span<const std::int32_t> history);
  void WriteWhole(std::span<const std::int32_t> history);
  void Create(const std::string& content);
  void Replace(const std::string& content);
  void Adopt(TFd file, std::size_t size, bool folderChanged);

  std::string FFolderPath;
  std::string FBaseName;  // the name without its suffix and ".txt"
  std::string FName;      // the file's name once it exists
  std::shared_ptr<TFd> FFolder;
  std::shared_ptr<TFd> FFile;
  std::size_t FSize = 0;         // what the file holds, for taking back half a line
  bool FNeedsSeparator = false;  // a resumed file that does not end with a separator
  bool FWriteWhole = false;      // a write failed: the file may lack lines
  bool FReported = false;        // a failure has been reported and nothing succeeded since
  std::unique_ptr<TDiskFlusher> FFlusher;
};

}  // namespace session
