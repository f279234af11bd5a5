// Spintrak's entry: the command line, then the application on the desktop host, its windows and
// session, and the event loop until the main window closes.

#include <cstdio>
#include <exception>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/language.h"
#include "app/session_start.h"
#include "app/startup.h"
#include "cmdline/parser.h"
#include "gui/graphics/text.h"
#include "platform/gtk/gtk_host.h"
#include "session/journal.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  app::TCommandLine line;
  try {
    line = app::ParseCommandLine(args);
  } catch (const cmdline::TUsageError& e) {
    std::fputs(cmdline::UsageErrorText(app::kProgramName, e.what(), app::UsageText()).c_str(), stderr);
    return cmdline::kUsageStatus;
  }
  if (line.Help || line.Version) {
    const std::string text = line.Help ? app::HelpText() : cmdline::VersionText(app::kProgramName);
    const std::optional<std::string> failed = cmdline::WriteText(std::cout, text);
    if (!failed) return 0;
    std::fprintf(stderr, "spintrak: cannot write the %s: %s\n", line.Help ? "help" : "version", failed->c_str());
    return 1;
  }
  try {
    // The options are ours; the toolkit is given none of them.
    int hostArgc = argc > 0 ? 1 : 0;
    platform::gtk::TGtkHost::Initialize(&hostArgc, &argv);
    // After the toolkit has set the locale from the environment, so that the choice stands.
    app::UseLanguageOfEnvironment();
    platform::gtk::TGtkHost host;
    gui::TApplication application(host);
    app::TForm1& form = app::StartUp(application);
    if (line.NoAnnounce) form.SetAnnounceEntries(false);
    // The question about the table stands over the window it is asked for.
    if (line.AskTable) form.Show();
    if (const std::optional<std::string> report = app::StartSession(form, line)) {
      std::fprintf(stderr, "spintrak: %s\n", report->c_str());
      form.Show();
      application.HandleException(std::make_exception_ptr(std::runtime_error(gui::Utf8ToAnsi(*report))));
    }
    application.Run();
    // The last lines must reach the disk; a failure there is the run's last word.
    if (session::TJournal* journal = form.Journal())
      if (const std::optional<std::string> error = journal->Close()) {
        std::fprintf(stderr, "spintrak: %s\n", error->c_str());
        return 3;
      }
  } catch (const std::exception& e) {
    // Only start-up can end here: no display, or no usable font at all.
    std::fprintf(stderr, "spintrak: %s\n", e.what());
    return 1;
  }
  return 0;
}
