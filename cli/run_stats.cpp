#include "cli/run_stats.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

#include "cli/analysis_format.h"
#include "cli/options.h"
#include "cli/plot.h"
#include "cli/session_list.h"
#include "cmdline/parser.h"
#include "session/sessions.h"
#include "session/spin_reader.h"
#include "session/tables.h"

namespace cli {

using session::ReadSpins;
using session::TInvalidTokens;
using session::TSpinInputError;
using session::TSpinReadError;

namespace {

// A long log with many bad tokens would bury the table; the first few say enough.
constexpr std::size_t ShownWarnings = 10;

void Fail(std::ostream& err, const std::string& message) { err << ProgramName << ": " << message << '\n'; }

bool UseColor(const TOptions& options, TTerminal terminal) {
  switch (options.Color) {
    case TColorWhen::cwAlways: return true;
    case TColorWhen::cwNever: return false;
    case TColorWhen::cwAuto: break;
  }
  return terminal.OutputIsTerminal && !terminal.NoColor;
}

// What the plot's title calls the history: its table, or the names of its files without their
// folders.
std::string PlotTitle(const TOptions& options) {
  if (!options.Table.empty()) return "table " + options.Table;
  const std::vector<std::string>& files = options.Files;
  std::string title;
  for (const std::string& file : files) {
    const std::size_t slash = file.rfind('/');
    title += (title.empty() ? "" : ", ") + (file == "-" ? "standard input" : file.substr(slash + 1));
  }
  return title;
}

int Flushed(std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return esOk;
  Fail(err, "cannot write the output");
  return esInputOutput;
}

// The help and the version: a short text whose failed write says why.
int ShowText(const std::string& text, std::ostream& out, std::ostream& err) {
  const std::optional<std::string> failed = cmdline::WriteText(out, text);
  if (!failed) return esOk;
  Fail(err, "cannot write the output: " + *failed);
  return esInputOutput;
}

int ListSessions(const TOptions& options, std::ostream& out, std::ostream& err) {
  try {
    const std::string folder = session::SessionsFolder();
    const std::optional<std::string> table =
        options.Table.empty() ? std::nullopt : std::optional<std::string>(options.Table);
    const std::size_t listed = options.Tables ? WriteTableList(folder, options.Format, out)
                                              : WriteSessionList(folder, options.Format, out, table);
    if (listed == 0 && options.Format == TOutputFormat::ofText)
      Fail(err, std::string(options.Tables ? "no tables" : "no sessions") + " in \"" + folder + "\"");
  } catch (const std::runtime_error& e) {
    Fail(err, e.what());
    return esInputOutput;
  }
  return Flushed(out, err);
}

// Puts the most recent session in the place of the files.
int FindLastSession(TOptions& options, std::ostream& err) {
  try {
    const std::string folder = session::SessionsFolder();
    const std::optional<session::TSessionFile> last = session::MostRecentSession(folder);
    if (!last) {
      Fail(err, "no session to read in \"" + folder + "\"");
      return esInputOutput;
    }
    options.Files.push_back(folder + "/" + last->Name);
  } catch (const std::runtime_error& e) {
    Fail(err, e.what());
    return esInputOutput;
  }
  return esOk;
}

// Puts the sessions of the table in the place of the files, oldest first.
int FindTableSessions(TOptions& options, std::ostream& err) {
  try {
    const std::string folder = session::TableFolder(session::SessionsFolder(), options.Table);
    const std::vector<session::TSessionFile> sessions = session::ListSessions(folder);
    if (sessions.empty()) {
      Fail(err, "no session of the table \"" + options.Table + "\" in \"" + folder + "\"");
      return esInputOutput;
    }
    for (const session::TSessionFile& file : sessions) options.Files.push_back(folder + "/" + file.Name);
  } catch (const std::runtime_error& e) {
    Fail(err, e.what());
    return esInputOutput;
  }
  return esOk;
}

// The spins of every file as one history. Each file is a session of its own: the wheel's
// distances are not counted from one file's last spin to the next file's first.
struct THistory {
  std::vector<std::int32_t> Spins;
  std::vector<std::size_t> SessionStarts;  // where each file after the first begins
};

// Reads one file onto `spins`. At a table, a session whose every spin was taken back is an empty
// session, not an error.
std::vector<TSpinInputError> ReadSession(const std::string& file, std::vector<std::int32_t>& spins,
                                         TInvalidTokens invalid, bool atTable) {
  if (!atTable) return ReadSpins(file, spins, invalid);
  std::vector<TSpinInputError> skipped;
  try {
    skipped = ReadSpins(file, spins, invalid, true);
  } catch (const TSpinInputError& e) {
    if (e.Line() != 0) throw;
  }
  std::erase_if(skipped, [](const TSpinInputError& e) { return e.Line() == 0; });
  return skipped;
}

// Reads every file into `history`; tells what was left out, or why nothing can be counted.
int ReadHistory(const TOptions& options, THistory& history, std::ostream& err) {
  std::vector<std::int32_t>& spins = history.Spins;
  std::size_t warnings = 0;
  const TInvalidTokens invalid = options.SkipInvalid ? TInvalidTokens::itSkip : TInvalidTokens::itStop;
  try {
    for (const std::string& file : options.Files) {
      if (!spins.empty() && (history.SessionStarts.empty() || history.SessionStarts.back() < spins.size()))
        history.SessionStarts.push_back(spins.size());
      for (const TSpinInputError& skipped : ReadSession(file, spins, invalid, !options.Table.empty()))
        if (warnings++ < ShownWarnings) Fail(err, std::string("warning: ") + skipped.what() + ", left out");
    }
  } catch (const TSpinInputError& e) {
    Fail(err, e.what());
    return esBadInput;
  } catch (const TSpinReadError& e) {
    Fail(err, e.what());
    return esInputOutput;
  }
  if (warnings > ShownWarnings)
    Fail(err, "warning: " + std::to_string(warnings - ShownWarnings) + " more left out");
  if (spins.empty()) {
    Fail(err, "no spins to count");
    return esBadInput;
  }
  return esOk;
}

int RunAnalysis(const TOptions& options, const THistory& history, std::ostream& out, std::ostream& err,
                TTerminal terminal) {
  const std::size_t total = history.Spins.size();
  const std::size_t span = options.Window > 0 ? std::min(options.Window, total) : total;
  // A window starts within a session; the sessions that begin inside it keep their boundaries.
  std::vector<std::size_t> starts;
  for (const std::size_t start : history.SessionStarts)
    if (start > total - span) starts.push_back(start - (total - span));
  const TAnalysis analysis = Analyse(std::span(history.Spins).last(span), total, starts);
  if (!options.Plot.empty()) {
    try {
      WritePlot(analysis, PlotTitle(options), options.Plot);
    } catch (const TPlotError& e) {
      Fail(err, e.what());
      return esInputOutput;
    }
  }
  if (!options.Analysis) return esOk;
  if (options.Format == TOutputFormat::ofJson)
    WriteAnalysisJson(analysis, out);
  else
    WriteAnalysisText(analysis, out, UseColor(options, terminal));
  return Flushed(out, err);
}

int RunTable(const TOptions& options, std::span<const std::int32_t> spins, std::ostream& out, std::ostream& err,
             TTerminal terminal) {
  const TStatsTable table = BuildStatsTable(spins);
  switch (options.Format) {
    case TOutputFormat::ofText: WriteText(table, out, UseColor(options, terminal)); break;
    case TOutputFormat::ofCsv: WriteCsv(table, out); break;
    case TOutputFormat::ofJson: WriteJson(table, out); break;
  }
  return Flushed(out, err);
}

}  // namespace

int RunStats(std::span<const std::string_view> args, std::ostream& out, std::ostream& err, TTerminal terminal) {
  TOptions options;
  try {
    options = ParseOptions(args);
  } catch (const cmdline::TUsageError& e) {
    err << cmdline::UsageErrorText(ProgramName, e.what());
    return esUsage;
  }
  if (options.Help) return ShowText(HelpText(), out, err);
  if (options.Version) return ShowText(cmdline::VersionText(ProgramName), out, err);
  if (options.Sessions || options.Tables) return ListSessions(options, out, err);
  if (options.Last)
    if (const int status = FindLastSession(options, err); status != esOk) return status;
  if (!options.Table.empty())
    if (const int status = FindTableSessions(options, err); status != esOk) return status;
  if (options.Files.empty()) options.Files.emplace_back("-");

  THistory history;
  if (const int status = ReadHistory(options, history, err); status != esOk) return status;
  if (options.Analysis || !options.Plot.empty()) return RunAnalysis(options, history, out, err, terminal);
  return RunTable(options, history.Spins, out, err, terminal);
}

}  // namespace cli
