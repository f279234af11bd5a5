#pragma once
// Flushes the journal to disk on a thread of its own, so that the window never waits for the disk.
//
// The window's thread is the only one that writes the journal; by the time it hands a file over
// here, the new lines are already in the kernel, so a program killed at any moment has lost
// nothing. What the flush adds is safety from a power cut or a crashed system: this thread calls
// fdatasync at once on every hand-over, coalescing those that arrive while a flush runs, so a
// line reaches the disk well within 200 ms unless the disk itself is slower. A crash of the
// system between a write and its flush loses at most those lines; the file stays a valid
// history, since lines are only ever appended whole or replaced by a rename.

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "session/file_io.h"

namespace session {

class TDiskFlusher {
 public:
  TDiskFlusher();
  // Flushes what was handed over last, then stops the thread.
  ~TDiskFlusher();
  TDiskFlusher(const TDiskFlusher&) = delete;
  TDiskFlusher& operator=(const TDiskFlusher&) = delete;

  // Asks for `file` to be flushed, and its folder too when an entry in it was made or renamed.
  // The descriptors are shared, so the writer may drop or replace its own at any time.
  void Request(std::shared_ptr<const TFd> file, std::shared_ptr<const TFd> folder);

  // The errno of a flush that failed since the last call, or 0.
  int TakeError();
  // How many flushes have completed; for tests.
  std::uint64_t Completed() const;

 private:
  void Run();

  mutable std::mutex FMutex;
  std::condition_variable FWake;
  std::shared_ptr<const TFd> FFile;
  std::shared_ptr<const TFd> FFolder;
  bool FStop = false;
  int FError = 0;
  std::uint64_t FCompleted = 0;
  std::thread FThread;  // last: starts once the members above exist
};

}  // namespace session
