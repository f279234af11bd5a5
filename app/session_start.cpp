#include "app/session_start.h"

#include <ctime>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

#include "app/language.h"
#include "app/main_form.h"
#include "dialogs/prompt_form.h"
#include "gui/graphics/text.h"
#include "session/journal.h"
#include "session/sessions.h"
#include "session/spin_reader.h"
#include "session/tables.h"

namespace app {

namespace {

const char* const kTableTitle = N_("Стол");
const char* const kTablePrompt = N_("За каким столом вы играете? Отмена - игра не за столом");

// Where a run keeps its sessions: the sessions folder, or a table's folder in it.
struct TPlace {
  std::optional<std::string> Table;
  std::string Folder() const {
    const std::string sessions = session::SessionsFolder();
    return Table ? session::TableFolder(sessions, *Table) : sessions;
  }
};

// The file --resume without a name means: the session of the place written to last.
std::string LastSessionPath(const TPlace& place) {
  const std::string folder = place.Folder();
  // A table's folder is checked as the sessions folder is before anything in it is taken.
  std::error_code missing;
  if (place.Table &&
      std::filesystem::symlink_status(folder, missing).type() != std::filesystem::file_type::not_found)
    session::OpenTableFolder(folder);
  const std::optional<session::TSessionFile> last = session::MostRecentSession(folder);
  if (!last)
    throw session::TSpinReadError(place.Table ? "There is no session of the table \"" + *place.Table +
                                                    "\" to resume in \"" + folder + "\""
                                              : "There is no session to resume in \"" + folder + "\"");
  return folder + "/" + last->Name;
}

std::optional<std::string> Resume(TForm1& form, const TCommandLine& line, const TPlace& place) {
  std::vector<std::int32_t> spins;
  try {
    const std::string path = line.ResumeFile.empty() ? LastSessionPath(place) : line.ResumeFile;
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

// The table the player names, the last one played at offered; none after Cancel or an empty
// answer. Throws TTableNameError for a name that cannot be a table's.
std::optional<std::string> AskTable() {
  std::optional<std::string> last;
  try {
    last = session::LastTable(session::SessionsFolder());
  } catch (const std::runtime_error&) {
    // Nothing to offer.
  }
  const gui::AnsiString offered = gui::Utf8ToAnsi(last.value_or(""));
  gui::AnsiString answer = offered;
  if (!dialogs::QueryText(Tr(kTableTitle), Tr(kTablePrompt), answer)) return std::nullopt;
  // A name the code page cannot hold comes back as it was offered: that table is meant.
  const std::string name = last && answer == offered ? *last : gui::AnsiToUtf8(answer);
  if (name.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  return session::CheckUsableTableName(name);
}

void Add(std::optional<std::string>& report, const std::string& text) {
  report = report ? *report + ".\n" + text : text;
}

}  // namespace

std::optional<std::string> StartSession(TForm1& form, const TCommandLine& line) {
  std::optional<std::string> report;
  TPlace place{line.Table};
  if (line.AskTable) {
    try {
      place.Table = AskTable();
    } catch (const session::TTableNameError& e) {
      Add(report, std::string("Cannot play at that table: ") + e.what() + ". The session is kept at no table");
    }
  }
  if (place.Table) form.SetTitleUtf8("Spintrak \u2014 " + *place.Table);
  if (line.Resume) {
    if (std::optional<std::string> failed = Resume(form, line, place))
      Add(report, *failed);
    else
      return report;
  }
  if (line.NoJournal) return report;
  try {
    form.SetJournal(
        std::make_unique<session::TJournal>(place.Folder(), std::time(nullptr), place.Table.has_value()));
  } catch (const std::runtime_error& e) {
    // No home folder at all: the run goes on without a journal.
    Add(report, std::string("Cannot keep a session journal: ") + e.what());
  }
  return report;
}

}  // namespace app
