#pragma once
// The session a run keeps: a new journal, or a resumed one with its history shown in the window.

#include <optional>
#include <string>

#include "app/command_line.h"

namespace app {

class TForm1;

// Gives the window its journal as the command line asks, with the resumed history shown: at the
// table named or asked for (the window's title then names it), else in the sessions folder.
// A session that cannot be resumed leaves the window empty with a new journal, and a table's
// name that cannot be used leaves the session at no table; the returned text then says why, for
// standard error and the error report.
std::optional<std::string> StartSession(TForm1& form, const TCommandLine& line);

}  // namespace app
