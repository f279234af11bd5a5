#include "session/tables.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "session/sessions.h"

namespace session {

namespace {

// The next character of `text` from `at`, which moves past it; none for bytes that are not
// UTF-8 (an overlong form, a surrogate, beyond U+10FFFF, cut short).
std::optional<char32_t> NextCharacter(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
  if (length == 0 || at + length > text.size()) return std::nullopt;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  at += length;
  return c;
}

// Characters that move or hide the text around them rather than show themselves.
bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string CheckTableName(std::string_view name) {
  while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  if (name.empty()) throw TTableNameError("a table's name cannot be empty");
  std::size_t characters = 0;
  for (std::size_t at = 0; at < name.size(); ++characters) {
    const std::optional<char32_t> c = NextCharacter(name, at);
    if (!c) throw TTableNameError("a table's name must be UTF-8 text");
    if (IsControl(*c)) throw TTableNameError("a table's name cannot hold a control character");
  }
  if (characters > MaxTableNameLength)
    throw TTableNameError("a table's name can have at most " + std::to_string(MaxTableNameLength) +
                          " characters, not " + std::to_string(characters));
  return std::string(name);
}

std::string TableFolderName(std::string_view name) {
  const std::string kept = CheckTableName(name);
  std::string folder;
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const char c = kept[i];
    if (c == '/')
      folder += "%2F";
    else if (c == '%')
      folder += "%25";
    else if (c == '.' && i == 0)
      folder += "%2E";
    else
      folder += c;
  }
  if (folder.size() > NAME_MAX)
    throw TTableNameError("a table's name is too long for a folder name: at most " + std::to_string(NAME_MAX) +
                          " bytes of UTF-8");
  return folder;
}

std::string CheckUsableTableName(std::string_view name) {
  TableFolderName(name);
  return CheckTableName(name);
}

std::optional<std::string> TableOfFolderName(std::string_view folderName) {
  std::string name;
  for (std::size_t i = 0; i < folderName.size(); ++i) {
    if (folderName[i] != '%') {
      name += folderName[i];
      continue;
    }
    if (i + 2 >= folderName.size() || HexValue(folderName[i + 1]) < 0 || HexValue(folderName[i + 2]) < 0)
      return std::nullopt;
    name += static_cast<char>(HexValue(folderName[i + 1]) * 16 + HexValue(folderName[i + 2]));
    i += 2;
  }
  // Only the one spelling TableFolderName makes: no other folder is taken for a table.
  try {
    if (TableFolderName(name) != folderName) return std::nullopt;
  } catch (const TTableNameError&) {
    return std::nullopt;
  }
  return name;
}

std::string TableFolder(const std::string& sessionsFolder, std::string_view name) {
  return sessionsFolder + "/" + TableFolderName(name);
}

files::TFd OpenTableFolder(const std::string& tableFolder) { return files::OpenOrMakeFolder(tableFolder, 3); }

std::vector<TTable> ListTables(const std::string& sessionsFolder) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(sessionsFolder.c_str()), &::closedir);
  if (!dir) {
    if (errno == ENOENT) return {};
    throw std::runtime_error(sessionsFolder + ": " + std::strerror(errno));
  }
  std::vector<TTable> tables;
  while (const dirent* entry = ::readdir(dir.get())) {
    std::optional<std::string> name = TableOfFolderName(entry->d_name);
    struct stat info {};
    // A link is no table: its sessions would be somewhere else.
    if (!name || ::fstatat(::dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISDIR(info.st_mode))
      continue;
    tables.push_back({std::move(*name), sessionsFolder + "/" + entry->d_name});
  }
  std::sort(tables.begin(), tables.end(), [](const TTable& a, const TTable& b) { return a.Name < b.Name; });
  return tables;
}

std::optional<std::string> LastTable(const std::string& sessionsFolder) {
  std::optional<std::string> last;
  std::int64_t lastChange = 0;
  for (const TTable& table : ListTables(sessionsFolder)) {
    try {
      const std::optional<TSessionFile> session = MostRecentSession(table.Folder);
      if (session && (!last || session->Modified > lastChange)) {
        last = table.Name;
        lastChange = session->Modified;
      }
    } catch (const std::runtime_error&) {
      // A table that cannot be read is no candidate.
    }
  }
  return last;
}

}  // namespace session
