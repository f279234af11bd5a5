#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <charconv>

#include "cli/plot.h"
#include "cli/run_stats.h"
#include "session/tables.h"

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

std::size_t WindowNamed(std::string_view text) {
  std::size_t spins = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), spins);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || spins == 0)
    throw TUsageError("invalid window '" + std::string(text) + "' (a whole number of spins, at least 1)");
  return spins;
}

// --tables lists and reads nothing else; --table reads the named table's sessions instead of
// FILEs, and a name that cannot be a table's is refused before any folder is looked at.
void CheckTables(TOptions& options, bool tableGiven) {
  if (options.Tables && (options.Sessions || options.Last || tableGiven || options.Analysis ||
                         !options.Plot.empty() || !options.Files.empty()))
    throw TUsageError("--tables goes with no other reading, no FILE and no --analysis or --plot");
  if (!tableGiven) return;
  if (!options.Files.empty() || options.Last) throw TUsageError("--table reads no FILE and no --last");
  try {
    options.Table = session::CheckTableName(options.Table);
    session::TableFolderName(options.Table);
  } catch (const session::TTableNameError& e) {
    throw TUsageError("invalid table name '" + options.Table + "': " + e.what());
  }
}

}  // namespace

TOptions ParseOptions(std::span<const std::string_view> args) {
  TOptions options;
  std::string format = "text", color = "auto", window;
  CLI::App parser("spintrak-stats", std::string(ProgramName));
  // Help is ours: its text, and an unknown option after --help is still an error.
  parser.set_help_flag();
  auto flag = [&](const char* names, bool& value) {
    parser.add_flag(names, value)->disable_flag_override()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  };
  parser.add_option("-f,--format", format)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  parser.add_option("--color,--colour", color)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  flag("-s,--skip-invalid", options.SkipInvalid);
  flag("-h,--help", options.Help);
  flag("-V,--version", options.Version);
  flag("--sessions", options.Sessions);
  flag("--last", options.Last);
  flag("--tables", options.Tables);
  parser.add_option("--table", options.Table)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  flag("-a,--analysis", options.Analysis);
  parser.add_option("-w,--window", window)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  parser.add_option("-p,--plot", options.Plot)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  parser.add_option("files", options.Files);
  // "--window= FILE" would take FILE as the window; an empty value is an error of its own.
  for (std::string_view arg : args) {
    if (arg == "--") break;
    if (arg.starts_with("--") && arg.ends_with('=') && arg.find('=') == arg.size() - 1)
      throw TUsageError("option " + std::string(arg.substr(0, arg.size() - 1)) + " is given an empty value");
  }
  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    parser.parse(reversed);
  } catch (const CLI::ParseError& e) {
    throw TUsageError(e.what());
  }
  options.Format = FormatNamed(format);
  options.Color = ColorNamed(color);
  if (!window.empty() || parser.count("--window") > 0) options.Window = WindowNamed(window);
  if (parser.count("--plot") > 0 && !PlotFormatOf(options.Plot))
    throw TUsageError("cannot tell the plot's format from '" + options.Plot + "' (name it .svg, .png or .pdf)");
  if (options.Window > 0 && !options.Analysis && options.Plot.empty())
    throw TUsageError("--window goes with --analysis or --plot");
  if (options.Analysis && options.Format == TOutputFormat::ofCsv)
    throw TUsageError("--analysis is written as text or json; CSV is the table's alone");
  if ((options.Analysis || !options.Plot.empty()) && options.Sessions)
    throw TUsageError(std::string("--sessions and ") + (options.Analysis ? "--analysis" : "--plot") +
                      " go one at a time");
  if ((options.Sessions || options.Last) && !options.Files.empty())
    throw TUsageError(std::string(options.Sessions ? "--sessions" : "--last") + " reads no FILE");
  if (options.Sessions && options.Last) throw TUsageError("--sessions and --last go one at a time");
  CheckTables(options, parser.count("--table") > 0);
  return options;
}

std::string HelpText() {
  return R"(Usage: spintrak-stats [OPTION]... [FILE]...
Show how often each chance of a single-zero roulette wheel came up in a history of spins, over
the last 10, 20 and 50 spins and over all of them, with the least frequent count of every
comparison marked as Spintrak's window marks it.

The FILEs are read in the order given as one history, oldest spin first; each FILE is one
session, and the wheel's distances are counted only within a session. With no FILE, or where
FILE is -, standard input is read. A spin is a whole number from 0 to 36; spins are separated by
newlines, commas, semicolons or blanks.

  -f, --format=FORMAT  text (the default), csv or json
      --color=WHEN     colour the text: auto (when writing to a terminal; the default),
                       always or never; NO_COLOR in the environment turns auto off
  -s, --skip-invalid   leave out tokens that are not wheel numbers, and files without
                       spins, with a warning, instead of stopping at the first
      --sessions       list the sessions Spintrak keeps: file, start time, spins and table
      --last           read the most recent session instead of FILEs
      --tables         list the tables: name, sessions, spins, the start of the first
                       session and the last change of any
      --table=NAME     read all the sessions of the table NAME, oldest first, instead of
                       FILEs, each a session of its own; with --sessions, list only them
  -a, --analysis       analyse the spins instead of counting them: chi-square tests of a fair
                       wheel, each number's deviation, gaps, longest runs and the columns; then
                       the wheel: its sectors, the hottest arcs of neighbouring pockets with
                       p-values corrected for the search, the spins needed to tell, a check on
                       fresh spins, the distances from spin to spin and their independence
  -w, --window=N       analyse (and plot) only the last N spins (N at least 1)
  -p, --plot=FILE      draw the counts, the shares of the chances, the gaps, the wheel and the
                       distances into FILE, an .svg, .png or .pdf picture of 1200 x 1390;
                       nothing else is printed unless --analysis is given too
  -h, --help           show this help and exit
  -V, --version        show the version and exit

Spintrak keeps its sessions in $XDG_STATE_HOME/spintrak/sessions/ (else
~/.local/state/spintrak/sessions/), those played at a table in a folder of the table's name in
it (a "/" or "%" in the name, and a "." first, are written %2F, %25 and %2E there).

The text table shows a marked count in parentheses (and in green on a terminal); a column the
window does not show yet (the last 20 before the 11th spin, the last 50 before the 21st) shows
"-". CSV gives each window's count and a 1 or 0 for the mark; JSON gives the same as objects.

Exit status:
  0  the statistics were printed
  1  the input holds a token that is not a wheel number, a file holds no spins, or
     nothing is left to count; nothing is printed then
  2  the command line is wrong
  3  a file cannot be read (or, for --last, there is no session; for --table, no
     such table), or the output or the plot cannot be written
)";
}

}  // namespace cli
