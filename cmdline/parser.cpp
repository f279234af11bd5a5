#include "cmdline/parser.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>

namespace cmdline {

namespace {

// --help's column of names: two blanks, the names and value padded to this, two blanks, the text.
constexpr std::size_t kNamesWidth = 19;
constexpr std::string_view kIndent = "  ";

// The parts of `text` between the `separator`s.
std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t at = 0;;) {
    const std::size_t next = text.find(separator, at);
    parts.push_back(text.substr(at, next - at));
    if (next == std::string_view::npos) return parts;
    at = next + 1;
  }
}

// "-f, --format=FORMAT", "    --color=WHEN": the short name if there is one and the first long
// one, then the value.
std::string ShownNames(const TOption& option, TValueJoin join) {
  std::string_view shortName, longName;
  for (const std::string_view name : Split(option.Names, ','))
    if (!name.starts_with("--"))
      shortName = name;
    else if (longName.empty())
      longName = name;
  std::string shown = shortName.empty() ? "    " : std::string(shortName) + ", ";
  shown += longName;
  if (!option.Value.empty()) shown += (join == TValueJoin::vjEquals ? "=" : " ") + std::string(option.Value);
  return shown;
}

// The first name, which the parser finds the option by.
std::string FirstName(const TOption& option) {
  return std::string(option.Names.substr(0, option.Names.find(',')));
}

}  // namespace

struct TParser::TImpl {
  CLI::App App;
  TValueJoin Join;
  std::vector<TOption> Options;
};

TParser::TParser(std::string_view program, TValueJoin join)
    : F(new TImpl{CLI::App(std::string(program), std::string(program)), join, {}}) {
  F->App.set_help_flag();
}

TParser::~TParser() = default;

void TParser::Flag(const TOption& option, bool& value) {
  F->Options.push_back(option);
  F->App.add_flag(std::string(option.Names), value)
      ->disable_flag_override()
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void TParser::Value(const TOption& option, std::string& value) {
  F->Options.push_back(option);
  F->App.add_option(std::string(option.Names), value)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void TParser::OptionalValue(const TOption& option, std::string& value) {
  F->Options.push_back(option);
  F->App.add_option(std::string(option.Names), value)
      ->expected(0, 1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void TParser::Operands(std::vector<std::string>& values) { F->App.add_option("files", values); }

void TParser::Parse(std::span<const std::string_view> args) {
  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    F->App.parse(reversed);
  } catch (const CLI::ParseError& e) {
    throw TUsageError(e.what());
  }
}

std::size_t TParser::Count(const TOption& option) const { return F->App.count(FirstName(option)); }

std::string TParser::OptionsHelp() const {
  const std::string column(kIndent.size() + kNamesWidth, ' ');
  std::string help;
  for (const TOption& option : F->Options) {
    const std::string names = ShownNames(option, F->Join);
    help += std::string(kIndent) + names;
    // Names too long for their column have the text start on the next line.
    help += names.size() <= kNamesWidth ? std::string(kNamesWidth - names.size(), ' ') : '\n' + column;
    bool first = true;
    for (const std::string_view line : Split(option.Help, '\n')) {
      if (!first) help += column;
      help += std::string(kIndent) + std::string(line) + '\n';
      first = false;
    }
  }
  return help;
}

std::string VersionText(std::string_view program) { return std::string(program) + ' ' + SPINTRAK_VERSION + '\n'; }

std::string UsageErrorText(std::string_view program, std::string_view message, std::string_view usage) {
  const std::string name(program);
  return name + ": " + std::string(message) + '\n' + std::string(usage) + "Try '" + name +
         " --help' for more information.\n";
}

std::optional<std::string> WriteText(std::ostream& out, std::string_view text) {
  errno = 0;
  out << text << std::flush;
  if (out) return std::nullopt;
  return errno != 0 ? std::strerror(errno) : "the stream refused it";
}

}  // namespace cmdline
