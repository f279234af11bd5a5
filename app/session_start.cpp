#include "app/session_start.h"

#include <ctime>
#include <memory>
#include <stdexcept>
#include <vector>

#include "app/main_form.h"
#include "session/journal.h"
#include "session/sessions.h"
#include "session/spin_reader.h"

namespace app {

namespace {

// The file --resume without a name means: the session written to last.
std::string LastSessionPath() {
  const std::string folder = session::SessionsFolder();
  const std::optional<session::TSessionFile> last = session::MostRecentSession(folder);
  if (!last) throw session::TSpinReadError("There is no session to resume in \"" + folder + "\"");
  return folder + "/" + last->Name;
}

std::optional<std::string> Resume(TForm1& form, const TCommandLine& line) {
  std::vector<std::int32_t> spins;
  try {
    const std::string path = line.ResumeFile.empty() ? LastSessionPath() : line.ResumeFile;
    if (line.NoJournal) {
      try {
        session::ReadSpins(path, spins, session::TInvalidTokens::itStop, true);
      } catch (const session::TSpinInputError& e) {
        // A file without spins (empty, or only blanks) is an empty history, as with a journal.
        if (e.Line() != 0) throw;
      }
    } else {
      form.SetJournal(session::TJournal::Resume(path, spins));
    }
  } catch (const std::exception& e) {
    return std::string("Cannot resume the session: ") + e.what() + ". A new session has begun";
  }
  form.PrefillHistory(spins);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> StartSession(TForm1& form, const TCommandLine& line) {
  std::optional<std::string> report;
  if (line.Resume) {
    report = Resume(form, line);
    if (!report) return std::nullopt;
  }
  if (line.NoJournal) return report;
  try {
    form.SetJournal(std::make_unique<session::TJournal>(session::SessionsFolder(), std::time(nullptr)));
  } catch (const std::runtime_error& e) {
    // No home folder at all: the run goes on without a journal.
    const std::string text = std::string("Cannot keep a session journal: ") + e.what();
    report = report ? *report + ".\n" + text : text;
  }
  return report;
}

}  // namespace app
