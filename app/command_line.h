#pragma once
// The command line of spintrak: help, version, the table played at, resuming a session, running
// without a journal, and the entries left unannounced to a screen reader.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace app {

struct TCommandLine {
  bool Help = false;
  bool Version = false;
  bool Resume = false;
  std::string ResumeFile;  // empty with Resume: the most recent session
  bool NoJournal = false;
  bool NoAnnounce = false;           // a screen reader is not asked to speak each entry's count and number
  std::optional<std::string> Table;  // the table played at, as it is kept
  bool AskTable = false;             // the player is asked for the table
};

inline constexpr std::string_view kProgramName = "spintrak";

// Reads the arguments after the program name; throws cmdline::TUsageError.
TCommandLine ParseCommandLine(std::span<const std::string_view> args);

std::string UsageText();
std::string HelpText();

}  // namespace app
