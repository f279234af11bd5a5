#include "session/disk_flusher.h"

#include "files/file_calls.h"

namespace session {

TDiskFlusher::TDiskFlusher() : FThread([this] { Run(); }) {}

TDiskFlusher::~TDiskFlusher() { Finish(); }

int TDiskFlusher::Finish() {
  if (FThread.joinable()) {
    {
      const std::lock_guard lock(FMutex);
      FStop = true;
    }
    FWake.notify_one();
    FThread.join();
  }
  return TakeError();
}

void TDiskFlusher::Request(std::shared_ptr<const files::TFd> file, std::shared_ptr<const files::TFd> folder) {
  bool wake = false;
  {
    const std::lock_guard lock(FMutex);
    // A newer file replaces an older one still waiting: the writer only moves on to a new file
    // after flushing the whole history into it.
    FFile = std::move(file);
    if (folder) FFolder = std::move(folder);
    // Once armed, the thread flushes whatever is here when its delay ends; no need to wake it.
    wake = !std::exchange(FArmed, true);
  }
  if (wake) FWake.notify_one();
}

int TDiskFlusher::TakeError() {
  const std::lock_guard lock(FMutex);
  return std::exchange(FError, 0);
}

std::uint64_t TDiskFlusher::Completed() const {
  const std::lock_guard lock(FMutex);
  return FCompleted;
}

void TDiskFlusher::Run() {
  std::unique_lock lock(FMutex);
  for (;;) {
    FWake.wait(lock, [this] { return FStop || FArmed; });
    if (!FArmed) return;  // stopping with nothing left
    FWake.wait_for(lock, FlushDelay, [this] { return FStop; });
    std::shared_ptr<const files::TFd> file = std::move(FFile);
    std::shared_ptr<const files::TFd> folder = std::move(FFolder);
    FArmed = false;
    lock.unlock();
    int error = 0;
    if (file && files::FileCalls().Fdatasync(file->Get()) != 0) error = errno;
    if (folder && files::FileCalls().Fsync(folder->Get()) != 0 && error == 0) error = errno;
    // The last holder closes a replaced file here, off the window's thread.
    file.reset();
    folder.reset();
    lock.lock();
    if (error != 0) FError = error;
    ++FCompleted;
  }
}

}  // namespace session
