#include "session/sessions.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace session {

namespace {

bool IsDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Reads "YYYY-MM-DD_HH-MM-SS[-N].txt"; anything else is not a session of ours.
std::optional<TSessionFile> ParseName(const std::string& name) {
  constexpr std::string_view pattern = "dddd-dd-dd_dd-dd-dd";
  std::string_view view = name;
  if (!view.ends_with(SessionExtension) || view.size() < pattern.size() + SessionExtension.size()) return {};
  view.remove_suffix(SessionExtension.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool digit = view[i] >= '0' && view[i] <= '9';
    if (pattern[i] == 'd' ? !digit : view[i] != pattern[i]) return {};
  }
  TSessionFile file;
  file.Name = name;
  const std::string_view stamp = view.substr(0, pattern.size());
  file.Start = std::string(stamp.substr(0, 10)) + ' ' + std::string(stamp.substr(11, 2)) + ':' +
               std::string(stamp.substr(14, 2)) + ':' + std::string(stamp.substr(17, 2));
  const std::string_view rest = view.substr(pattern.size());
  if (!rest.empty()) {
    if (rest.front() != '-' || !IsDigits(rest.substr(1)) || rest.size() > 6) return {};
    file.Suffix = std::stoi(std::string(rest.substr(1)));
    if (file.Suffix < 2) return {};
  }
  return file;
}

}  // namespace

std::string SessionsFolder() {
  if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && state[0] == '/')
    return std::string(state) + "/spintrak/sessions";
  std::string home;
  if (const char* variable = std::getenv("HOME"); variable != nullptr && variable[0] == '/') {
    home = variable;
  } else if (const passwd* user = ::getpwuid(::geteuid()); user != nullptr && user->pw_dir != nullptr) {
    home = user->pw_dir;
  }
  if (home.empty() || home.front() != '/') throw std::runtime_error("no home folder for the sessions folder");
  return home + "/.local/state/spintrak/sessions";
}

files::TFd OpenSessionsFolder(const std::string& folder) { return files::OpenOrMakeFolder(folder, 2); }

void RemoveLeftovers(int folder) {
  const int own = ::dup(folder);
  if (own < 0) return;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(own), &::closedir);
  if (!dir) {
    ::close(own);
    return;
  }
  std::vector<std::string> gone;
  while (const dirent* entry = ::readdir(dir.get())) {
    // ".2026-12-08_21-15-03.txt.4711.123456"
    const std::string_view name = entry->d_name;
    const std::size_t random = name.rfind('.');
    const std::size_t pid =
        random == std::string_view::npos || random == 0 ? std::string_view::npos : name.rfind('.', random - 1);
    if (!name.starts_with('.') || pid == std::string_view::npos || pid == 0) continue;
    const std::string_view pidText = name.substr(pid + 1, random - pid - 1);
    if (!IsDigits(pidText) || !IsDigits(name.substr(random + 1)) || pidText.size() > 9) continue;
    if (!ParseName(std::string(name.substr(1, pid - 1)))) continue;
    const pid_t process = static_cast<pid_t>(std::stol(std::string(pidText)));
    // Still running (or a process of another user under that number): left alone.
    if (::kill(process, 0) == 0 || errno != ESRCH) continue;
    gone.emplace_back(name);
  }
  for (const std::string& name : gone) {
    struct stat info {};
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
        info.st_uid == ::geteuid())
      ::unlinkat(folder, name.c_str(), 0);
  }
}

std::string SessionBaseName(std::time_t start) {
  std::tm local{};
  ::localtime_r(&start, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &local);
  return text;
}

std::string SessionFileName(const std::string& baseName, int suffix) {
  return baseName + (suffix > 1 ? "-" + std::to_string(suffix) : "") + std::string(SessionExtension);
}

std::vector<TSessionFile> ListSessions(const std::string& folder) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
  if (!dir) {
    if (errno == ENOENT) return {};
    throw std::runtime_error(folder + ": " + std::strerror(errno));
  }
  std::vector<TSessionFile> files;
  while (const dirent* entry = ::readdir(dir.get())) {
    std::optional<TSessionFile> file = ParseName(entry->d_name);
    if (!file) continue;
    struct stat info {};
    // Only regular files, looked at without following links.
    if (::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode))
      continue;
    file->Modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    files.push_back(std::move(*file));
  }
  std::sort(files.begin(), files.end(), [](const TSessionFile& a, const TSessionFile& b) {
    return a.Start != b.Start ? a.Start < b.Start : a.Suffix < b.Suffix;
  });
  return files;
}

std::optional<TSessionFile> MostRecentSession(const std::string& folder) {
  const std::vector<TSessionFile> files = ListSessions(folder);
  // A resumed old session is the one played last, so the last change counts, not the name.
  const auto newest =
      std::max_element(files.begin(), files.end(), [](const TSessionFile& a, const TSessionFile& b) {
        return a.Modified != b.Modified ? a.Modified < b.Modified
                                        : (a.Start != b.Start ? a.Start < b.Start : a.Suffix < b.Suffix);
      });
  if (newest == files.end()) return std::nullopt;
  return *newest;
}

}  // namespace session
