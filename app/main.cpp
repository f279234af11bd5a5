// Spintrak's entry: the application on the desktop host, its windows, and the event loop until
// the main window closes.

#include <cstdio>
#include <exception>

#include "app/startup.h"
#include "platform/gtk/gtk_host.h"

int main(int argc, char** argv) {
  try {
    platform::gtk::TGtkHost::Initialize(&argc, &argv);
    platform::gtk::TGtkHost host;
    gui::TApplication application(host);
    app::StartUp(application);
    application.Run();
  } catch (const std::exception& e) {
    // Only start-up can end here: no display, or no usable font at all.
    std::fprintf(stderr, "spintrak: %s\n", e.what());
    return 1;
  }
  return 0;
}
