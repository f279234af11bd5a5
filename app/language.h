#pragma once

// The language the program speaks. Its texts are written in Russian; other languages come from
// gettext catalogues ("spintrak.mo"), chosen once at start-up from the user's environment.

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gui/graphics/text.h"

namespace app {

// The language of the source texts.
inline constexpr std::string_view kSourceLanguage = "ru";

// The languages this build has a catalogue for, e.g. {"en"}.
std::vector<std::string_view> BuiltCatalogues();

// Reads an environment variable; null where it is not set.
using TEnvironmentReader = std::function<const char*(const char*)>;

// The language for a user whose environment `env` reads, among the source language and the
// languages that have a catalogue (`catalogues`, e.g. {"en"}). As gettext does: LC_ALL, then
// LC_MESSAGES, then LANG name the locale; the C and POSIX locales keep the source texts; else the
// LANGUAGE list is tried first, then the locale's own language. A language we have no catalogue for
// falls back to the first catalogue (a reader of German reads English sooner than Russian).
std::string ChooseLanguage(const TEnvironmentReader& env, std::span<const std::string_view> catalogues);

// Where catalogues may be, in order: the installation's locale folder beside the program's bin/
// folder, then the build tree's.
std::vector<std::string> CatalogueFolders();

// Makes `language` the one every `Tr` answers in, with its catalogue from the first of `folders`
// that has it. Answers false, and keeps the source texts, where none has it.
bool UseLanguage(std::string_view language, const std::vector<std::string>& folders);

// Chooses the language from this process's environment and uses it; false where its catalogue
// is missing (the source texts stay).
bool UseLanguageOfEnvironment();

// The language `Tr` answers in.
const std::string& CurrentLanguage();

// A text of the program in the current language, in the control layer's encoding. `msgid` is the
// source text in UTF-8, as written in the code and in the catalogues' template.
gui::AnsiString Tr(const char* msgid);

// The same text in UTF-8, for what leaves through the desktop (window titles, standard error).
std::string TrUtf8(const char* msgid);

// A text of the program with its arguments in the places "%1" to "%9", which a translation may
// put in its own order; the arguments are in the control layer's encoding already.
gui::AnsiString TrFormat(const char* msgid, std::initializer_list<std::string_view> args);

// Marks a source text for the catalogues' template where it is translated later, by `Tr`.
constexpr const char* N_(const char* msgid) { return msgid; }

}  // namespace app
