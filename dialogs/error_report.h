#pragma once

// The application's report of an error that escaped an event handler, shown as a message dialog.

#include <string>

namespace gui {
class TApplication;
}

namespace dialogs {

// A message dialog with the error icon, an OK button and the given window title.
void ShowErrorReport(const std::string& title, const std::string& message);

// Routes the application's error reports to ShowErrorReport.
void InstallErrorReport(gui::TApplication& application);

}  // namespace dialogs
