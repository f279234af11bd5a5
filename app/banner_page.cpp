#include "app/banner_page.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <strings.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>
#include <utility>

extern char** environ;

namespace app {

namespace {

// A descriptor closed on every way out.
class TFd {
 public:
  explicit TFd(int fd) : FFd(fd) {}
  ~TFd() {
    if (FFd >= 0) ::close(FFd);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int Get() const { return FFd; }
  int Release() { return std::exchange(FFd, -1); }

 private:
  int FFd;
};

[[noreturn]] void Refuse(const std::string& path, const std::string& reason) {
  throw EBannerWriteError("Cannot create file \"" + path + "\". " + reason);
}

[[noreturn]] void RefuseErrno(const std::string& path, int error) { Refuse(path, std::strerror(error)); }

// The new page goes into a file of its own beside the old one, created afresh (never opened
// through an existing entry); a few tries cover the unlikely clash of names.
int CreateBeside(int folder, std::string_view name, std::string& tempName, const std::string& path) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 16; ++attempt) {
    tempName =
        "." + std::string(name) + "." + std::to_string(::getpid()) + "." + std::to_string(random() % 1000000);
    const int fd = ::openat(folder, tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) return fd;
    if (errno != EEXIST) RefuseErrno(path, errno);
  }
  RefuseErrno(path, EEXIST);
}

void WriteAll(int fd, std::string_view content, const std::string& path) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      RefuseErrno(path, errno);
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
}

// The value of the first variable named "temp" in any letter case; empty when there is none.
std::string TempVariable() {
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const char* text = *entry;
    if (strncasecmp(text, "temp=", 5) == 0) return text + 5;
  }
  return {};
}

}  // namespace

std::string BannerPage() {
  const std::string lines[] = {
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">",
      "<HTML><HEAD><TITLE>test</TITLE>",
      "<META content=\"text/html; charset=UTF8\" http-equiv=Content-Type>",
      "</HEAD>",
      "<BODY background=bkgrnd.jpg>",
      "",
      "<script type=\"text/javascript\" src=\"http://" + std::string(kBannerHost) + "/rtr/1\"></script>",
      "",
      "</body>",
      "</HTML>",
  };
  std::string page;
  for (const std::string& line : lines) page += line + "\r\n";
  return page;
}

std::string BannerFolder() {
  // An empty value would put the page into the root folder, which an ordinary user cannot
  // write to: every activation would end in an error report.
  if (std::string temp = TempVariable(); !temp.empty()) return temp;
  if (const char* tmpdir = std::getenv("TMPDIR"); tmpdir != nullptr && *tmpdir != '\0') return tmpdir;
  return "/tmp";
}

std::string BannerPagePath() { return BannerFolder() + "/" + std::string(kBannerFileName); }

void WriteBannerFile(const std::string& folderPath, std::string_view name, std::string_view content) {
  const std::string path = folderPath + "/" + std::string(name);
  const TFd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.Get() < 0) RefuseErrno(path, errno);

  // The old entry is looked at, never opened: opening a FIFO would block, and opening a link
  // would write wherever it points.
  struct stat old {};
  if (::fstatat(folder.Get(), std::string(name).c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0) {
    if (S_ISLNK(old.st_mode)) Refuse(path, "It is a symbolic link");
    if (!S_ISREG(old.st_mode)) Refuse(path, "It is not a regular file");
    if (old.st_uid != ::geteuid()) Refuse(path, "It belongs to another user");
  } else if (errno != ENOENT) {
    RefuseErrno(path, errno);
  }

  std::string tempName;
  TFd file(CreateBeside(folder.Get(), name, tempName, path));
  try {
    // Owner-only whatever the umask left out, readable so that the browser can load it.
    if (::fchmod(file.Get(), S_IRUSR | S_IWUSR) != 0) RefuseErrno(path, errno);
    WriteAll(file.Get(), content, path);
    // No fsync: the page is written again on every activation, and the rename below already
    // keeps a reader from ever seeing half of it.
    if (::close(file.Release()) != 0) RefuseErrno(path, errno);
    // The rename replaces whatever entry is there now without following it; in a folder with
    // the sticky bit another user's entry cannot be replaced at all.
    if (::renameat(folder.Get(), tempName.c_str(), folder.Get(), std::string(name).c_str()) != 0)
      RefuseErrno(path, errno);
  } catch (...) {
    ::unlinkat(folder.Get(), tempName.c_str(), 0);
    throw;
  }
}

std::string WriteBannerPage() {
  const std::string folder = BannerFolder();
  WriteBannerFile(folder, kBannerFileName, BannerPage());
  return folder + "/" + std::string(kBannerFileName);
}

}  // namespace app
