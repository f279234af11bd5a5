#include "cli/run_stats.h"

#include <optional>
#include <stdexcept>
#include <vector>

#include "cli/options.h"
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
  if (options.Help) {
    out << HelpText() << std::flush;
    return out ? esOk : esInputOutput;
  }
  if (options.Version) {
    out << ProgramName << ' ' << SPINTRAK_VERSION << '\n' << std::flush;
    return out ? esOk : esInputOutput;
  }
  if (options.Sessions || options.Last) {
    std::string folder;
    try {
      folder = session::SessionsFolder();
      if (options.Sessions) {
        if (WriteSessionList(folder, options.Format, out) == 0 && options.Format == TOutputFormat::ofText)
          Fail(err, "no sessions in \"" + folder + "\"");
        out.flush();
        if (!out) {
          Fail(err, "cannot write the output");
          return esInputOutput;
        }
        return esOk;
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

  const TStatsTable table = BuildStatsTable(spins);
  switch (options.Format) {
    case TOutputFormat::ofText: WriteText(table, out, UseColor(options, terminal)); break;
    case TOutputFormat::ofCsv: WriteCsv(table, out); break;
    case TOutputFormat::ofJson: WriteJson(table, out); break;
  }
  out.flush();
  if (!out) {
    Fail(err, "cannot write the output");
    return esInputOutput;
  }
  return esOk;
}

}  // namespace cli
