// Spintrak's entry: the application on the desktop host, the main window and the about box.

#include <cstdio>
#include <exception>

#include "app/main_form.h"
#include "dialogs/error_report.h"
#include "gui/controls/application.h"
#include "gui/graphics/font_cache.h"
#include "platform/gtk/gtk_host.h"

int main(int argc, char** argv) {
  try {
    platform::gtk::TGtkHost::Initialize(&argc, &argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "spintrak: %s\n", e.what());
    return 1;
  }
  platform::gtk::TGtkHost host;
  gui::TApplication application(host);
  dialogs::InstallErrorReport(application);
  try {
    gui::TFontCache::Instance().CheckFontsAvailable();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "spintrak: %s\n", e.what());
    return 1;
  }
  application.SetTitle("Spintrak");
  application.CreateForm<app::TForm1>();
  application.Run();
  return 0;
}
