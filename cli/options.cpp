#include "cli/options.h"

#include <charconv>

#include "cli/plot.h"
#include "cli/run_stats.h"
#include "cmdline/parser.h"
#include "session/tables.h"

namespace cli {

using cmdline::TOption;
using cmdline::TUsageError;

namespace {

constexpr TOption kFormat{"-f,--format", "FORMAT", "text (the default), csv or json"};
constexpr TOption kColor{"--color,--colour", "WHEN",
                         "colour the text: auto (when writing to a terminal; the default),\n"
                         "always or never; NO_COLOR in the environment turns auto off"};
constexpr TOption kSkipInvalid{"-s,--skip-invalid", "",
                               "leave out tokens that are not wheel numbers, and files without\n"
                               "spins, with a warning, instead of stopping at the first"};
constexpr TOption kSessions{"--sessions", "",
                            "list the sessions Spintrak keeps: file, start time, spins and table"};
constexpr TOption kLast{"--last", "", "read the most recent session instead of FILEs"};
constexpr TOption kTables{"--tables", "",
                          "list the tables: name, sessions, spins, the start of the first\n"
                          "session and the last change of any"};
constexpr TOption kTable{"--table", "NAME",
                         "read all the sessions of the table NAME, oldest first, instead of\n"
                         "FILEs, each a session of its own; with --sessions, list only them"};
constexpr TOption kAnalysis{"-a,--analysis", "",
                            "analyse the spins instead of counting them: chi-square tests of a fair\n"
                            "wheel, each number's deviation, gaps, longest runs and the columns; then\n"
                            "the wheel: its sectors, the hottest arcs of neighbouring pockets with\n"
                            "p-values corrected for the search, the spins needed to tell, a check on\n"
                            "fresh spins, the distances from spin to spin and their independence"};
constexpr TOption kWindow{"-w,--window", "N", "analyse (and plot) only the last N spins (N at least 1)"};
constexpr TOption kPlot{"-p,--plot", "FILE",
                        "draw the counts, the shares of the chances, the gaps, the wheel and the\n"
                        "distances into FILE, an .svg, .png or .pdf picture of 1200 x 1390;\n"
                        "nothing else is printed unless --analysis is given too"};

// The values as the parser leaves them, before they are checked.
struct TGiven {
  std::string Format = "text", Color = "auto", Window;
};

// Every option, in the order --help lists them.
void Declare(cmdline::TParser& parser, TOptions& options, TGiven& given) {
  parser.Value(kFormat, given.Format);
  parser.Value(kColor, given.Color);
  parser.Flag(kSkipInvalid, options.SkipInvalid);
  parser.Flag(kSessions, options.Sessions);
  parser.Flag(kLast, options.Last);
  parser.Flag(kTables, options.Tables);
  parser.Value(kTable, options.Table);
  parser.Flag(kAnalysis, options.Analysis);
  parser.Value(kWindow, given.Window);
  parser.Value(kPlot, options.Plot);
  parser.Flag(cmdline::kHelpOption, options.Help);
  parser.Flag(cmdline::kVersionOption, options.Version);
  parser.Operands(options.Files);
}

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
  options.Table = cmdline::CheckedValue("table name", options.Table, session::CheckUsableTableName);
}

}  // namespace

TOptions ParseOptions(std::span<const std::string_view> args) {
  TOptions options;
  TGiven given;
  cmdline::TParser parser(ProgramName, cmdline::TValueJoin::vjEquals);
  Declare(parser, options, given);
  // "--window= FILE" would take FILE as the window; an empty value is an error of its own.
  for (std::string_view arg : args) {
    if (arg == "--") break;
    if (arg.starts_with("--") && arg.ends_with('=') && arg.find('=') == arg.size() - 1)
      throw TUsageError("option " + std::string(arg.substr(0, arg.size() - 1)) + " is given an empty value");
  }
  parser.Parse(args);
  options.Format = FormatNamed(given.Format);
  options.Color = ColorNamed(given.Color);
  if (parser.Count(kWindow) > 0) options.Window = WindowNamed(given.Window);
  if (parser.Count(kPlot) > 0 && !PlotFormatOf(options.Plot))
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
  CheckTables(options, parser.Count(kTable) > 0);
  return options;
}

std::string HelpText() {
  TOptions options;
  TGiven given;
  cmdline::TParser parser(ProgramName, cmdline::TValueJoin::vjEquals);
  Declare(parser, options, given);
  return R"(Usage: spintrak-stats [OPTION]... [FILE]...
Show how often each chance of a single-zero roulette wheel came up in a history of spins, over
the last 10, 20 and 50 spins and over all of them, with the least frequent count of every
comparison marked as Spintrak's window marks it.

The FILEs are read in the order given as one history, oldest spin first; each FILE is one
session, and the wheel's distances are counted only within a session. With no FILE, or where
FILE is -, standard input is read. A spin is a whole number from 0 to 36; spins are separated by
newlines, commas, semicolons or blanks.

)" + parser.OptionsHelp() +
         R"(
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
