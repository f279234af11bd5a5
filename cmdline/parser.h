#pragma once
// What the command lines of spintrak and spintrak-stats share: each option declared once, for the
// parser and for --help alike; the parser's rules; and how a wrong command line is reported.

#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cmdline {

// A command line that cannot be followed; the message names the offending argument.
class TUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The exit status of a wrong command line, in both programs.
inline constexpr int kUsageStatus = 2;

// One option. `Names` as the parser reads them, the short one first ("-f,--format"); a second
// long name is an alias that --help leaves out. `Value` is what --help calls its value ("FORMAT";
// "[FILE]" where it may be left out); empty for a flag. `Help` is its text in --help, its lines
// apart by "\n".
struct TOption {
  std::string_view Names;
  std::string_view Value;
  std::string_view Help;
};

inline constexpr TOption kHelpOption{"-h,--help", "", "show this help and exit"};
inline constexpr TOption kVersionOption{"-V,--version", "", "show the version and exit"};

// How --help writes an option with its value: "--table NAME" or "--table=NAME".
enum class TValueJoin : bool { vjBlank, vjEquals };

// The command line's parser: the options in the order --help lists them. Help is the program's
// own text, so an unknown option after --help is still an error.
class TParser {
 public:
  TParser(std::string_view program, TValueJoin join);
  ~TParser();
  TParser(const TParser&) = delete;
  TParser& operator=(const TParser&) = delete;

  // A flag takes no value ("--flag=1" is an error); given twice, it stays set.
  void Flag(const TOption& option, bool& value);
  // An option with a value; given twice, the last one holds.
  void Value(const TOption& option, std::string& value);
  // The same, and given alone it leaves `value` empty ("--resume" or "--resume FILE").
  void OptionalValue(const TOption& option, std::string& value);
  // The arguments that are no option's, in the order given.
  void Operands(std::vector<std::string>& values);

  // Reads the arguments after the program's name; throws TUsageError.
  void Parse(std::span<const std::string_view> args);
  // How often `option` was given.
  std::size_t Count(const TOption& option) const;

  // The options' part of --help: names and value in a column of 19, then the text.
  std::string OptionsHelp() const;

 private:
  struct TImpl;
  std::unique_ptr<TImpl> F;
};

// The option's value as `check` makes it; what `check` refuses with std::invalid_argument is a
// usage error naming the value: "invalid table name 'x': why".
template <class TCheck>
auto CheckedValue(std::string_view what, const std::string& value, TCheck&& check) {
  try {
    return check(value);
  } catch (const std::invalid_argument& e) {
    throw TUsageError("invalid " + std::string(what) + " '" + value + "': " + e.what());
  }
}

// "PROGRAM VERSION" and a newline.
std::string VersionText(std::string_view program);

// The report of a wrong command line: the program's name and the message, `usage` (whole lines),
// and the hint to --help.
std::string UsageErrorText(std::string_view program, std::string_view message, std::string_view usage = {});

// Writes `text` and flushes; the reason, where it could not be written.
std::optional<std::string> WriteText(std::ostream& out, std::string_view text);

}  // namespace cmdline
