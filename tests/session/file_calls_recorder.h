#pragma once
// Puts recording stand-ins into the file layer's table of durability calls for a test's
// lifetime: every sync and rename is listed in order, and a sync can be made to fail.

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "files/file_calls.h"

namespace session_test {

struct TFileCallsRecorder {
  struct TCall {
    std::string Name;  // "fdatasync", "fsync", "rename"
    std::string What;  // the file's path, or the new name of a rename
  };

  TFileCallsRecorder() : FSaved(files::FileCalls()) {
    Instance() = this;
    files::FileCalls() = {&Fdatasync, &Fsync, &Renameat};
  }
  ~TFileCallsRecorder() {
    files::FileCalls() = FSaved;
    Instance() = nullptr;
  }
  TFileCallsRecorder(const TFileCallsRecorder&) = delete;
  TFileCallsRecorder& operator=(const TFileCallsRecorder&) = delete;

  std::vector<TCall> Calls() const {
    const std::lock_guard lock(Mutex);
    return FCalls;
  }
  std::size_t Count(const std::string& name) const {
    std::size_t count = 0;
    for (const TCall& call : Calls()) count += call.Name == name;
    return count;
  }

  // The next this many fdatasync calls fail with this errno.
  std::atomic<int> FailingSyncs{0};
  std::atomic<int> SyncError{EIO};
  // Renames to a name that starts with this fail with EIO, while it is not empty.
  std::string FailingRenamePrefix;
  mutable std::mutex Mutex;

 private:
  static TFileCallsRecorder*& Instance() {
    static TFileCallsRecorder* instance = nullptr;
    return instance;
  }
  static std::string PathOf(int fd) {
    char target[4096];
    const ssize_t got = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target - 1);
    return got > 0 ? std::string(target, static_cast<std::size_t>(got)) : "?";
  }
  void Add(const std::string& name, const std::string& what) {
    const std::lock_guard lock(Mutex);
    FCalls.push_back({name, what});
  }
  static int Fdatasync(int fd) {
    TFileCallsRecorder& self = *Instance();
    self.Add("fdatasync", PathOf(fd));
    if (self.FailingSyncs > 0) {
      --self.FailingSyncs;
      errno = self.SyncError;
      return -1;
    }
    return self.FSaved.Fdatasync(fd);
  }
  static int Fsync(int fd) {
    Instance()->Add("fsync", PathOf(fd));
    return Instance()->FSaved.Fsync(fd);
  }
  static int Renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    TFileCallsRecorder& self = *Instance();
    self.Add("rename", to);
    if (!self.FailingRenamePrefix.empty() && std::string_view(to).starts_with(self.FailingRenamePrefix)) {
      errno = EIO;
      return -1;
    }
    return Instance()->FSaved.Renameat(fromFolder, from, toFolder, to);
  }

  files::TFileCalls FSaved;
  std::vector<TCall> FCalls;
};

}  // namespace session_test
