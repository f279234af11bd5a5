#pragma once
// Flushes the journal to disk on a thread of its own, so that the window never waits for the disk.
//
// The window's thread is the only one that writes the journal; by the time it hands a file over
// here, the new lines are already in the kernel, so a program killed at any moment has lost
// nothing. What the flush adds is safety from a power cut or a crashed system: the first
// hand-over after a quiet spell arms this thread, which waits FlushDelay (so that the flush
// neither competes with the frame that shows the entry nor repeats for every entry of a quick
// burst) and then calls fdatasync once for everything handed over meanwhile. A line reaches the
// disk about 50 ms after its Enter, well within 200 ms unless the disk itself is slower. A crash
// of the system before the flush loses at most those lines; the file stays a valid history,
// since lines are only ever appended whole or replaced by a rename.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "files/file_io.h"

namespace session {

class TDiskFlusher {
 public:
  static constexpr std::chrono::milliseconds FlushDelay{50};

  TDiskFlusher();
  // Flushes what was handed over last, then stops the thread.
  ~TDiskFlusher();
  // The same, and the errno of a flush that failed since the last TakeError, or 0.
  int Finish();
  TDiskFlusher(const TDiskFlusher&) = delete;
  TDiskFlusher& operator=(const TDiskFlusher&) = delete;

  // Asks for `file` to be flushed, and its folder too when an entry in it was made or renamed.
  // The descriptors are shared, so the writer may drop or replace its own at any time.
  void Request(std::shared_ptr<const files::TFd> file, std::shared_ptr<const files::TFd> folder);

  // The errno of a flush that failed since the last call, or 0.
  int TakeError();
  // How many flushes have completed; for tests.
  std::uint64_t Completed() const;

 private:
  void Run();

  mutable std::mutex FMutex;
  std::condition_variable FWake;
  std::shared_ptr<const files::TFd> FFile;
  std::shared_ptr<const files::TFd> FFolder;
  bool FArmed = false;  // something was handed over and waits for its flush
  bool FStop = false;
  int FError = 0;
  std::uint64_t FCompleted = 0;
  std::thread FThread;  // last: starts once the members above exist
};

}  // namespace session
