#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <random>
#include <vector>

namespace files {

TFileError::TFileError(int error) : std::runtime_error(std::strerror(error)), FErrno(error) {}

void TFd::Close() noexcept {
  if (FFd >= 0) ::close(FFd);
  FFd = -1;
}

void WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      throw TFileError(errno);
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
}

namespace {

std::vector<std::string> PathParts(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 1;
  while (start < path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(start, end - start);
    start = end + 1;
    if (!part.empty() && part != ".") parts.push_back(std::move(part));
  }
  return parts;
}

// The checks a folder of the path must pass once opened; `reached` is its path.
void CheckFolder(int folder, const std::string& reached, bool owned, bool linked) {
  if (!owned && !linked) return;
  struct stat info {};
  if (::fstat(folder, &info) != 0) throw TFileError(errno);
  const uid_t user = ::geteuid();
  if (owned && info.st_uid != user)
    throw TFileError(EPERM, "The folder \"" + reached + "\" belongs to another user");
  if (owned && (info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
    throw TFileError(EPERM, "Others may write to the folder \"" + reached + "\"");
  if (linked && info.st_uid != user && info.st_uid != 0)
    throw TFileError(EPERM, "\"" + reached + "\" is a link to a folder of another user");
}

}  // namespace

TFd OpenOrMakeFolder(const std::string& path, std::size_t ownedTail) {
  if (path.empty() || path.front() != '/') throw TFileError(EINVAL, "The folder is not an absolute path");
  TFd folder(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.Valid()) throw TFileError(errno);
  const std::vector<std::string> parts = PathParts(path);
  std::string reached;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    reached += "/" + part;
    if (::mkdirat(folder.Get(), part.c_str(), S_IRWXU) != 0 && errno != EEXIST) throw TFileError(errno);
    struct stat entry {};
    const bool linked =
        ::fstatat(folder.Get(), part.c_str(), &entry, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(entry.st_mode);
    TFd next(::openat(folder.Get(), part.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!next.Valid()) {
      if (errno == ENOTDIR) throw TFileError(ENOTDIR, "\"" + part + "\" is not a folder");
      throw TFileError(errno);
    }
    CheckFolder(next.Get(), reached, i + ownedTail >= parts.size(), linked);
    folder = std::move(next);
  }
  return folder;
}

void CheckOwnRegularFile(int folder, const std::string& name) {
  struct stat entry {};
  if (::fstatat(folder, name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0) throw TFileError(errno);
  if (S_ISLNK(entry.st_mode)) throw TFileError(ELOOP, "It is a symbolic link");
  if (!S_ISREG(entry.st_mode)) throw TFileError(EINVAL, "It is not a regular file");
  if (entry.st_uid != ::geteuid()) throw TFileError(EPERM, "It belongs to another user");
}

TFd CreateNew(int folder, const std::string& name, mode_t mode, bool followUmask) {
  TFd file(::openat(folder, name.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
  if (!file.Valid()) {
    if (errno == EEXIST) return {};
    throw TFileError(errno);
  }
  if (!followUmask && ::fchmod(file.Get(), mode) != 0) {
    const int error = errno;
    ::unlinkat(folder, name.c_str(), 0);
    throw TFileError(error);
  }
  return file;
}

TFd CreateBeside(int folder, const std::string& name, std::string& tempName, mode_t mode, bool followUmask) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    tempName = "." + name + "." + std::to_string(::getpid()) + "." + std::to_string(random() % 1000000);
    if (TFd file = CreateNew(folder, tempName, mode, followUmask); file.Valid()) return file;
  }
  throw TFileError(EEXIST);
}

}  // namespace files
