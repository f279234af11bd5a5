#pragma once

// The small local page the banner pane shows: ten fixed lines whose script element pulls the
// banner from our web server. It is written on every activation of the main window into the
// temporary folder, a folder other users can write to as well, so it is written safely: never
// through a symbolic link, never into another user's file or a FIFO, readable by its owner only,
// and replaced whole by writing a new file beside it and renaming that over the old one.

#include <stdexcept>
#include <string>
#include <string_view>

namespace app {

// The host that serves the banner script and the web site.
inline constexpr std::string_view kBannerHost = "www.spintrak.example";
inline constexpr std::string_view kBannerFileName = "SKTemp1.htm";

// Raised when the page cannot be written; the message is the one the error report shows.
class EBannerWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The page's ten lines, each ended by CR LF.
std::string BannerPage();

// The folder of the page: the "temp" variable, whatever its letter case; when there is none
// (or it is empty) $TMPDIR, else /tmp.
std::string BannerFolder();
// The folder, "/" and the file name.
std::string BannerPagePath();

// Writes `content` as the file `name` in `folder`, replacing the whole of an earlier one. Raises
// EBannerWriteError, "Cannot create file "<folder>/<name>". <reason>", when the folder cannot be
// written to or the old entry is a symbolic link, not a regular file, or another user's file.
void WriteBannerFile(const std::string& folder, std::string_view name, std::string_view content);

// Writes the page to BannerPagePath() and returns that path.
std::string WriteBannerPage();

}  // namespace app
