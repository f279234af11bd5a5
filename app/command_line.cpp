#include "app/command_line.h"

#include "cmdline/parser.h"
#include "session/tables.h"

namespace app {

using cmdline::TOption;
using cmdline::TUsageError;

namespace {

constexpr TOption kTable{"--table", "NAME",
                         "play at the table NAME (up to 64 characters; the window's title shows\n"
                         "it); with --resume, continue that table's most recent session"};
static_assert(session::MaxTableNameLength == 64, "--table's help names the longest table name");
constexpr TOption kAskTable{"--ask-table", "",
                            "ask for the table first, the last one played at offered; Cancel, or\n"
                            "no name, plays at no table"};
constexpr TOption kResume{"--resume", "[FILE]",
                          "continue the most recent session, or the history in FILE; new spins and\n"
                          "corrections are written to that same file"};
constexpr TOption kNoJournal{"--no-journal", "", "keep nothing on disk"};
constexpr TOption kNoAnnounce{"--no-announce", "",
                              "do not ask a screen reader to speak the new number and the spin count\n"
                              "after each entry (they are still read when the player asks)"};

// Every option, in the order --help lists them; `table` is the name as given.
void Declare(cmdline::TParser& parser, TCommandLine& line, std::string& table) {
  parser.Value(kTable, table);
  parser.Flag(kAskTable, line.AskTable);
  parser.OptionalValue(kResume, line.ResumeFile);
  parser.Flag(kNoJournal, line.NoJournal);
  parser.Flag(kNoAnnounce, line.NoAnnounce);
  parser.Flag(cmdline::kHelpOption, line.Help);
  parser.Flag(cmdline::kVersionOption, line.Version);
}

}  // namespace

TCommandLine ParseCommandLine(std::span<const std::string_view> args) {
  TCommandLine line;
  std::string table;
  cmdline::TParser parser(kProgramName, cmdline::TValueJoin::vjBlank);
  Declare(parser, line, table);
  // "--resume=" names no file: an error, not the last session.
  for (std::string_view arg : args)
    if (arg == "--resume=") throw TUsageError("option --resume is given an empty file name");
  parser.Parse(args);
  // --resume with no FILE leaves ResumeFile empty: continue the most recent session.
  line.Resume = parser.Count(kResume) > 0;
  if (parser.Count(kTable) > 0)
    line.Table = cmdline::CheckedValue("table name", table, session::CheckUsableTableName);
  if (line.Table && line.AskTable) throw TUsageError("--table and --ask-table go one at a time");
  if ((line.Table || line.AskTable) && !line.ResumeFile.empty())
    throw TUsageError("--resume FILE goes without a table: --resume alone continues the table's last session");
  return line;
}

std::string UsageText() {
  return "Usage: spintrak [--table NAME | --ask-table] [--resume [FILE]] [--no-journal] [--no-announce]\n"
         "                [--help] [--version]\n";
}

std::string HelpText() {
  TCommandLine line;
  std::string table;
  cmdline::TParser parser(kProgramName, cmdline::TValueJoin::vjBlank);
  Declare(parser, line, table);
  return UsageText() +
         R"(Track the spins of a single-zero roulette wheel: type each number the wheel produced, and the
window shows the last 21 and how often each chance came up.

The window keeps a journal of the session in $XDG_STATE_HOME/spintrak/sessions/ (else
~/.local/state/spintrak/sessions/), one file per run named after its start, one number a line.
A session played at a table is kept in that table's own folder there, so that the evenings at
one wheel can be read as one history (spintrak-stats --table NAME).

)" + parser.OptionsHelp() +
         R"(
Keys of the window: Ctrl+Z removes the newest spin, after a question; F2 says which chance
came up least in every comparison over the last 10, 20 and 50 spins and over all (the counts
marked green); F3 asks which of the last 21 numbers to correct (1 the newest) and then its new
value, as a double click on it does; F4 walks the tables cell by cell for a screen reader (the
arrows, Home, End, Page Up and Page Down move, F4 or Esc end the walk).

Exit status: 0 after the window closed, 1 when the window cannot be shown (or the help cannot
be written), 2 when the command line is wrong, 3 when the journal's last lines could not be
flushed to disk at the end.
)";
}

}  // namespace app
