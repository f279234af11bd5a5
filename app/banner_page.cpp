#include "app/banner_page.h"

#include <fcntl.h>
#include <unistd.h>

#include <strings.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "session/file_io.h"

extern char** environ;

namespace app {

namespace {

using session::TFd;
using session::TFileError;

[[noreturn]] void Refuse(const std::string& path, const std::string& reason) {
  throw EBannerWriteError("Cannot create file \"" + path + "\". " + reason);
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
  const std::string entry(name);
  try {
    const TFd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.Valid()) throw TFileError(errno);

    // The old entry is looked at, never opened: opening a FIFO would block, and opening a link
    // would write wherever it points. No entry yet is fine.
    try {
      session::CheckOwnRegularFile(folder.Get(), entry);
    } catch (const TFileError& e) {
      if (e.Errno() != ENOENT) throw;
    }

    // The new page goes into a file of its own beside the old one, created afresh and owner-only
    // (readable, so that the browser can load it).
    std::string tempName;
    TFd file = session::CreateBeside(folder.Get(), entry, tempName);
    try {
      session::WriteAll(file.Get(), content);
      // No fsync: the page is written again on every activation, and the rename below already
      // keeps a reader from ever seeing half of it.
      if (::close(file.Release()) != 0) throw TFileError(errno);
      // The rename replaces whatever entry is there now without following it; in a folder with
      // the sticky bit another user's entry cannot be replaced at all.
      if (::renameat(folder.Get(), tempName.c_str(), folder.Get(), entry.c_str()) != 0) throw TFileError(errno);
    } catch (...) {
      ::unlinkat(folder.Get(), tempName.c_str(), 0);
      throw;
    }
  } catch (const TFileError& e) {
    Refuse(path, e.what());
  }
}

std::string WriteBannerPage() {
  const std::string folder = BannerFolder();
  WriteBannerFile(folder, kBannerFileName, BannerPage());
  return folder + "/" + std::string(kBannerFileName);
}

}  // namespace app
