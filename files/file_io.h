#pragma once
// The file system calls the journal is built from: descriptors closed on every way out, whole
// writes, and the checks that keep a write away from links, FIFOs and other users' files.

#include <sys/stat.h>
#include <sys/types.h>

#include <cerrno>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace files {

// Something the file system refused; the message is the reason alone ("No space left on device").
class TFileError : public std::runtime_error {
 public:
  explicit TFileError(int error);
  TFileError(int error, const std::string& reason) : std::runtime_error(reason), FErrno(error) {}
  int Errno() const noexcept { return FErrno; }

 private:
  int FErrno;
};

// A descriptor closed on every way out.
class TFd {
 public:
  TFd() = default;
  explicit TFd(int fd) : FFd(fd) {}
  ~TFd() { Close(); }
  TFd(TFd&& other) noexcept : FFd(other.Release()) {}
  TFd& operator=(TFd&& other) noexcept {
    if (this != &other) {
      Close();
      FFd = other.Release();
    }
    return *this;
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;

  int Get() const noexcept { return FFd; }
  bool Valid() const noexcept { return FFd >= 0; }
  int Release() noexcept { return std::exchange(FFd, -1); }
  void Close() noexcept;

 private:
  int FFd = -1;
};

// Writes all of `content` at the descriptor's position; throws TFileError.
void WriteAll(int fd, std::string_view content);

// Opens a folder, owner-only where it has to be made, making the missing folders of the path
// on the way. The last `ownedTail` folders of the path must be this user's and writable by no
// one else (another user could delete or rename what is in them), and a symbolic link on the
// way must lead to a folder of this user or of the system. Throws TFileError when a part of the
// path is not a folder, cannot be made or fails those checks; the reason names the folder.
TFd OpenOrMakeFolder(const std::string& path, std::size_t ownedTail = 0);

// Throws TFileError unless the entry `name` in `folder` is a regular file of this user.
// Looks without opening: opening a FIFO would block, and opening a link would follow it.
void CheckOwnRegularFile(int folder, const std::string& name);

// Creates `name` in `folder` afresh, never through an existing entry, of `mode` whatever the
// umask unless `followUmask`. Returns an invalid descriptor when the name is taken; throws
// TFileError otherwise.
TFd CreateNew(int folder, const std::string& name, mode_t mode = S_IRUSR | S_IWUSR, bool followUmask = false);

// Creates a file of a name of its own beside `name` (".NAME.PID.NUMBER"), for a whole new
// content that then replaces it; `tempName` receives the name.
TFd CreateBeside(int folder, const std::string& name, std::string& tempName, mode_t mode = S_IRUSR | S_IWUSR,
                 bool followUmask = false);

}  // namespace files
