#include "app/banner_page.h"

#include <fcntl.h>
#include <unistd.h>

#include <strings.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "files/replace_file.h"

extern char** environ;

namespace app {

namespace {

using files::TFd;
using files::TFileError;

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
  try {
    const TFd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.Valid()) throw TFileError(errno);
    // Owner-only and readable, so that the browser can load it. No flush to disk: the page is
    // written again on every activation, and the rename already keeps a reader from ever seeing
    // half of it.
    files::TReplaceOptions options;
    options.Durability = files::TDurability::drNone;
    files::ReplaceFile(folder.Get(), std::string(name), content, options);
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
