#pragma once
// The session journal: the history of one run in a plain text file, one wheel number per line,
// oldest first, as spintrak-stats reads it. An entry appends a line; a correction writes the
// whole history beside the file and renames it over the old one, so that the file always holds
// either the old history or the new one. Only one running program writes a journal: it holds
// an advisory lock on the file for as long as it runs.
//
// After a failed write the journal catches up by the cheapest write that works: the spins the
// file lacks are appended, and the file is replaced whole only when a spin it already holds
// changed (a correction, an undo) or when its tail is in doubt. A replacement that cannot be
// made (no room for a second copy, no right to create a file in the folder) holds nothing back:
// later spins are still appended, and the file then holds every spin with the old value of the
// pending correction until a replacement succeeds.

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "files/file_io.h"

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
  // disk before the first change. `atTable`: the folder is a table's, in the sessions folder.
  TJournal(std::string folder, std::time_t start, bool atTable = false);
  ~TJournal();
  TJournal(const TJournal&) = delete;
  TJournal& operator=(const TJournal&) = delete;

  // Continues an existing history file: appends its spins to `spins` and takes its lock.
  // Throws TSpinReadError (cannot be opened or read, or may not be written), TSpinInputError
  // (a bad token) or TJournalBusy; the file is left untouched then.
  static std::unique_ptr<TJournal> Resume(const std::string& path, std::vector<std::int32_t>& spins);

  // Records a change of the history: `history` is the whole history afterwards. Append: a new
  // spin last. Rewrite: the spins from index `changedFrom` on changed, or the history got
  // shorter. Returns the report to show the player: a failure is reported when it is the first
  // since the journal last caught up, or of another kind than the one reported.
  std::optional<std::string> Append(std::span<const std::int32_t> history);
  std::optional<std::string> Rewrite(std::span<const std::int32_t> history, std::size_t changedFrom = 0);

  // One more try to catch up with `history`, as after a change; the report as Append's.
  std::optional<std::string> Retry(std::span<const std::int32_t> history) { return Record(history); }

  // Whether the file lacks something of `history`: spins, or a correction.
  bool Behind(std::span<const std::int32_t> history) const;
  // How many spins the file holds; with a correction (or an undo) pending, one of them differs
  // from the history or is one too many.
  std::size_t SpinsOnDisk() const { return FFile ? FOnDisk : 0; }
  bool CorrectionPending() const { return FStale; }

  // Waits for the last flush to disk and stops flushing; the reason when it failed. The journal
  // takes no more changes afterwards.
  std::optional<std::string> Close();

  // The file's path; before the file exists, the path it would have without a suffix.
  std::string Path() const;
  bool Exists() const { return FFile != nullptr; }
  // The thread that flushes to disk; null before the file exists.
  const TDiskFlusher* Flusher() const { return FFlusher.get(); }

 private:
  TJournal() = default;
  std::optional<std::string> Record(std::span<const std::int32_t> history);
  void CatchUp(std::span<const std::int32_t> history, std::optional<files::TFileError>& replaceError);
  void AppendFrom(std::span<const std::int32_t> history);
  void Create(std::span<const std::int32_t> history);
  void Replace(std::span<const std::int32_t> history);
  std::string Text(std::span<const std::int32_t> spins) const;
  void Adopt(files::TFd file, std::size_t size, bool folderChanged);

  std::string FFolderPath;
  std::string FBaseName;  // the name without its suffix and ".txt"
  std::string FName;      // the file's name once it exists
  bool FAtTable = false;
  std::shared_ptr<files::TFd> FFolder;
  std::shared_ptr<files::TFd> FFile;
  std::size_t FSize = 0;         // what the file holds, for taking back half a line
  std::size_t FOnDisk = 0;       // the spins the file holds
  std::string FLineEnd = "\n";   // a resumed file's own line ending
  bool FNeedsSeparator = false;  // a resumed file that does not end with a separator
  bool FStale = false;           // a spin the file holds has changed since: a replacement waits
  bool FDamaged = false;         // the file's tail is in doubt: only a replacement helps
  int FReported = 0;             // the errno last reported, until the journal catches up
  std::unique_ptr<TDiskFlusher> FFlusher;
};

}  // namespace session
