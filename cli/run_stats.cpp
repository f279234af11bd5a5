#include "cli/run_stats.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <vector>

#include "cli/analysis_format.h"
#include "cli/options.h"
#include "cli/plot.h"
#include "cli/session_list.h"
#include "session/sessions.h"
#include "session/spin_reader.h"

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

// What the plot's title calls the history: the names of its files, without their folders.
std::string PlotTitle(const std::vector<std::string>& files) {
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
int Printed(std::ostream& out, std::ostream& err, const std::string& text) {
  errno = 0;
  out << text << std::flush;
  if (out) return esOk;
  Fail(err,
       std::string("cannot write the output: ") + (errno != 0 ? std::strerror(errno) : "the stream refused it"));
  return esInputOutput;
}

}  // namespace

int RunStats(std::span<const std::string_view> args, std::ostream& out, std::ostream& err, TTerminal terminal) {
  TOptions options;
  try {
    options = ParseOptions(args);
  } catch (const TUsageError& e) {
    Fail(err, e.what());
    err << "Try '" << ProgramName << " --help' for more information.\n";
    return esUsage;
  }
  if (options.Help) return Printed(out, err, HelpText());
  if (options.Version) return Printed(out, err, std::string(ProgramName) + ' ' + SPINTRAK_VERSION + '\n');
  if (options.Sessions || options.Last) {
    std::string folder;
    try {
      folder = session::SessionsFolder();
      if (options.Sessions) {
        if (WriteSessionList(folder, options.Format, out) == 0 && options.Format == TOutputFormat::ofText)
          Fail(err, "no sessions in \"" + folder + "\"");
        return Flushed(out, err);
      }
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
  }
  if (options.Files.empty()) options.Files.emplace_back("-");

  std::vector<std::int32_t> spins;
  std::size_t warnings = 0;
  const TInvalidTokens invalid = options.SkipInvalid ? TInvalidTokens::itSkip : TInvalidTokens::itStop;
  try {
    for (const std::string& file : options.Files)
      for (const TSpinInputError& skipped : ReadSpins(file, spins, invalid))
        if (warnings++ < ShownWarnings) Fail(err, std::string("warning: ") + skipped.what() + ", left out");
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

  if (options.Analysis || !options.Plot.empty()) {
    const std::size_t span = options.Window > 0 ? std::min(options.Window, spins.size()) : spins.size();
    const TAnalysis analysis = Analyse(std::span(spins).last(span), spins.size());
    if (!options.Plot.empty()) {
      try {
        WritePlot(analysis, PlotTitle(options.Files), options.Plot);
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

  const TStatsTable table = BuildStatsTable(spins);
  switch (options.Format) {
    case TOutputFormat::ofText: WriteText(table, out, UseColor(options, terminal)); break;
    case TOutputFormat::ofCsv: WriteCsv(table, out); break;
    case TOutputFormat::ofJson: WriteJson(table, out); break;
  }
  return Flushed(out, err);
}

}  // namespace cli
