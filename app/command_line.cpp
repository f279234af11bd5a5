#include "app/command_line.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <vector>

#include "session/tables.h"

namespace app {

namespace {

// A name that cannot be a table's is refused here, before any folder is made of it.
std::string CheckedTable(const std::string& name) {
  try {
    session::TableFolderName(name);
    return session::CheckTableName(name);
  } catch (const session::TTableNameError& e) {
    throw TUsageError("invalid table name '" + name + "': " + e.what());
  }
}

}  // namespace

TCommandLine ParseCommandLine(std::span<const std::string_view> args) {
  TCommandLine line;
  CLI::App parser("spintrak", "spintrak");
  // Help is ours: its text, and an unknown option after --help is still an error.
  parser.set_help_flag();
  auto flag = [&](const char* names, bool& value) {
    return parser.add_flag(names, value)
        ->disable_flag_override()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  };
  flag("-h,--help", line.Help);
  flag("-V,--version", line.Version);
  flag("--no-journal", line.NoJournal);
  flag("--no-announce", line.NoAnnounce);
  flag("--ask-table", line.AskTable);
  std::string table;
  CLI::Option* tableOption =
      parser.add_option("--table", table)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  CLI::Option* resume = parser.add_option("--resume", line.ResumeFile)
                            ->expected(0, 1)
                            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  // "--resume=" names no file: an error, not the last session.
  for (std::string_view arg : args)
    if (arg == "--resume=") throw TUsageError("option --resume is given an empty file name");
  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    parser.parse(reversed);
  } catch (const CLI::ParseError& e) {
    throw TUsageError(e.what());
  }
  // --resume with no FILE leaves ResumeFile empty: continue the most recent session.
  line.Resume = resume->count() > 0;
  if (tableOption->count() > 0) line.Table = CheckedTable(table);
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
  return UsageText() +
         R"(Track the spins of a single-zero roulette wheel: type each number the wheel produced, and the
window shows the last 21 and how often each chance came up.

The window keeps a journal of the session in $XDG_STATE_HOME/spintrak/sessions/ (else
~/.local/state/spintrak/sessions/), one file per run named after its start, one number a line.
A session played at a table is kept in that table's own folder there, so that the evenings at
one wheel can be read as one history (spintrak-stats --table NAME).

      --table NAME     play at the table NAME (up to 64 characters; the window's title shows
                       it); with --resume, continue that table's most recent session
      --ask-table      ask for the table first, the last one played at offered; Cancel, or
                       no name, plays at no table
      --resume [FILE]  continue the most recent session, or the history in FILE; new spins and
                       corrections are written to that same file
      --no-journal     keep nothing on disk
      --no-announce    do not ask a screen reader to speak the new number and the spin count
                       after each entry (they are still read when the player asks)
  -h, --help           show this help and exit
  -V, --version        show the version and exit

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
