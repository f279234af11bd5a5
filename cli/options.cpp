#include "cli/options.h"

#include <optional>

namespace cli {

namespace {

TOutputFormat FormatNamed(std::string_view name) {
  if (name == "text") return TOutputFormat::ofText;
  if (name == "csv") return TOutputFormat::ofCsv;
  if (name == "json") return TOutputFormat::ofJson;
  throw TUsageError("invalid format '" + std::string(name) + "' (choose text, csv or json)");
}

TColorWhen ColorNamed(std::string_view name) {
  if (name == "auto") return TColorWhen::cwAuto;
  if (name == "always") return TColorWhen::cwAlways;
  if (name == "never") return TColorWhen::cwNever;
  throw TUsageError("invalid colour choice '" + std::string(name) + "' (choose auto, always or never)");
}

}  // namespace

TOptions ParseOptions(std::span<const std::string_view> args) {
  TOptions options;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (optionsEnded || arg == "-" || !arg.starts_with('-')) {
      options.Files.emplace_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }

    // "--name=value", "--name value", "-x value" and "-xvalue"; flags without a value may be
    // grouped as in "-sh".
    std::string_view name;
    std::optional<std::string_view> attached;
    std::string_view rest;
    if (arg.starts_with("--")) {
      name = arg.substr(2);
      if (const auto equals = name.find('='); equals != std::string_view::npos) {
        attached = name.substr(equals + 1);
        name = name.substr(0, equals);
      }
    } else {
      name = arg.substr(1, 1);
      rest = arg.substr(2);
    }
    const bool isLong = arg.starts_with("--");
    std::string shown = isLong ? "--" : "-";
    shown += name;

    auto value = [&]() -> std::string_view {
      if (attached) return *attached;
      if (!isLong && !rest.empty()) {
        const std::string_view v = rest;
        rest = {};
        return v;
      }
      if (i + 1 >= args.size()) throw TUsageError("option '" + shown + "' needs a value");
      return args[++i];
    };
    auto flag = [&] {
      if (attached) throw TUsageError("option '" + shown + "' takes no value");
    };

    for (;;) {
      if (name == "format" || name == "f") {
        options.Format = FormatNamed(value());
      } else if (name == "color" || name == "colour") {
        options.Color = ColorNamed(value());
      } else if (name == "skip-invalid" || name == "s") {
        flag();
        options.SkipInvalid = true;
      } else if (name == "help" || name == "h") {
        flag();
        options.Help = true;
      } else if (name == "version" || name == "V") {
        flag();
        options.Version = true;
      } else {
        throw TUsageError("unknown option '" + shown + "'");
      }
      if (isLong || rest.empty()) break;
      name = rest.substr(0, 1);
      rest = rest.substr(1);
    }
  }
  return options;
}

std::string HelpText() {
  return R"(Usage: spintrak-stats [OPTION]... [FILE]...
Show how often each chance of a single-zero roulette wheel came up in a history of spins, over
the last 10, 20 and 50 spins and over all of them, with the least frequent count of every
comparison marked as Spintrak's window marks it.

The FILEs are read in the order given as one history, oldest spin first. With no FILE, or where
FILE is -, standard input is read. A spin is a whole number from 0 to 36; spins are separated by
newlines, commas, semicolons or blanks.

  -f, --format=FORMAT  text (the default), csv or json
      --color=WHEN     colour the text: auto (when writing to a terminal; the default),
                       always or never; NO_COLOR in the environment turns auto off
  -s, --skip-invalid   leave out tokens that are not wheel numbers, and files without
                       spins, with a warning, instead of stopping at the first
  -h, --help           show this help and exit
  -V, --version        show the version and exit

The text table shows a marked count in parentheses (and in green on a terminal); a column the
window does not show yet (the last 20 before the 11th spin, the last 50 before the 21st) shows
"-". CSV gives each window's count and a 1 or 0 for the mark; JSON gives the same as objects.

Exit status:
  0  the statistics were printed
  1  the input holds a token that is not a wheel number, a file holds no spins, or
     nothing is left to count; nothing is printed then
  2  the command line is wrong
  3  a file cannot be read, or the output cannot be written
)";
}

}  // namespace cli
