#include "app/language.h"

#include <libintl.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unordered_map>

namespace app {

namespace {

constexpr const char* kDomain = "spintrak";

struct TLanguageState {
  std::string Language{kSourceLanguage};
  // Translations already converted to the control layer's encoding, by source text.
  std::unordered_map<std::string, gui::AnsiString> Texts;
};

TLanguageState& State() {
  static TLanguageState state;
  return state;
}

// The language part of a locale or LANGUAGE entry: "en_GB.UTF-8@euro" → "en".
std::string_view LanguageOf(std::string_view name) { return name.substr(0, name.find_first_of("_.@")); }

const char* FirstSet(const TEnvironmentReader& env, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const char* value = env(name);
    if (value && *value) return value;
  }
  return nullptr;
}

bool IsSourceOrHasCatalogue(std::string_view language, std::span<const std::string_view> catalogues) {
  return language == kSourceLanguage ||
         std::find(catalogues.begin(), catalogues.end(), language) != catalogues.end();
}

}  // namespace

std::vector<std::string_view> BuiltCatalogues() {
  std::vector<std::string_view> languages;
  std::string_view rest = SPINTRAK_CATALOGUES;
  while (!rest.empty()) {
    const std::size_t space = rest.find(' ');
    if (space != 0) languages.push_back(rest.substr(0, space));
    rest = space == std::string_view::npos ? std::string_view{} : rest.substr(space + 1);
  }
  return languages;
}

std::string ChooseLanguage(const TEnvironmentReader& env, std::span<const std::string_view> catalogues) {
  const char* localeName = FirstSet(env, {"LC_ALL", "LC_MESSAGES", "LANG"});
  const std::string_view locale = localeName ? localeName : "C";
  // As gettext: the plain C locale keeps the program's own texts whatever LANGUAGE says.
  if (locale == "C" || locale == "POSIX") return std::string(kSourceLanguage);
  if (const char* list = env("LANGUAGE"); list && *list) {
    std::string_view rest = list;
    while (!rest.empty()) {
      const std::size_t colon = rest.find(':');
      const std::string_view language = LanguageOf(rest.substr(0, colon));
      if (!language.empty() && IsSourceOrHasCatalogue(language, catalogues)) return std::string(language);
      rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
  }
  // C.UTF-8 and its kind name no language of their own.
  if (locale.starts_with("C.")) return std::string(kSourceLanguage);
  const std::string_view language = LanguageOf(locale);
  if (IsSourceOrHasCatalogue(language, catalogues)) return std::string(language);
  return catalogues.empty() ? std::string(kSourceLanguage) : std::string(catalogues.front());
}

std::vector<std::string> CatalogueFolders() {
  std::vector<std::string> folders;
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && self.has_parent_path())
    folders.push_back((self.parent_path().parent_path() / "share" / "locale").string());
  folders.emplace_back(SPINTRAK_BUILD_LOCALEDIR);
  return folders;
}

bool UseLanguage(std::string_view language, const std::vector<std::string>& folders) {
  TLanguageState& state = State();
  state.Texts.clear();
  state.Language = kSourceLanguage;
  if (language == kSourceLanguage) return true;
  const auto folder = std::find_if(folders.begin(), folders.end(), [&](const std::string& candidate) {
    std::error_code error;
    return std::filesystem::is_regular_file(
        std::filesystem::path(candidate) / std::string(language) / "LC_MESSAGES" / (std::string(kDomain) + ".mo"),
        error);
  });
  if (folder == folders.end()) return false;
  // gettext reads LANGUAGE only outside the plain C locale; C.UTF-8 is there on every system,
  // also where the user's own locale was never generated.
  setenv("LANGUAGE", std::string(language).c_str(), 1);
  const char* messages = std::setlocale(LC_MESSAGES, nullptr);
  if (!messages || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0)
    std::setlocale(LC_MESSAGES, "C.UTF-8");
  bindtextdomain(kDomain, folder->c_str());
  bind_textdomain_codeset(kDomain, "UTF-8");
  // The catalogue's header answers the empty text once the catalogue is in use.
  const char* const empty = "";
  const char* header = dgettext(kDomain, empty);
  if (!header || !*header) return false;
  state.Language = std::string(language);
  return true;
}

bool UseLanguageOfEnvironment() {
  return UseLanguage(ChooseLanguage(std::getenv, BuiltCatalogues()), CatalogueFolders());
}

const std::string& CurrentLanguage() { return State().Language; }

std::string TrUtf8(const char* msgid) {
  if (State().Language == kSourceLanguage) return msgid;
  return dgettext(kDomain, msgid);
}

gui::AnsiString Tr(const char* msgid) {
  TLanguageState& state = State();
  auto [it, added] = state.Texts.try_emplace(msgid);
  if (added) {
    // Catalogues end lines with LF, as gettext wants; the control layer's texts with CR LF.
    const gui::AnsiString text = gui::Utf8ToAnsi(TrUtf8(msgid));
    for (const char c : text) {
      if (c == '\n' && (it->second.empty() || it->second.back() != '\r')) it->second += '\r';
      it->second += c;
    }
  }
  return it->second;
}

gui::AnsiString TrFormat(const char* msgid, std::initializer_list<std::string_view> args) {
  const gui::AnsiString text = Tr(msgid);
  gui::AnsiString out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    const std::size_t index = static_cast<std::size_t>(next - '1');
    if (text[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
      out += *(args.begin() + index);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace app
