#include "app/startup.h"

#include <cstdio>
#include <string>
#include <vector>

#include "dialogs/error_report.h"
#include "gui/graphics/font_cache.h"

namespace app {

TForm1& StartUp(gui::TApplication& application) {
  dialogs::InstallErrorReport(application);
  // A missing face of our own is served by the fallback chain; the player is only told.
  const std::vector<std::string> missing = gui::TFontCache::Instance().CheckFontsAvailable();
  if (!missing.empty()) {
    std::string faces;
    for (const std::string& face : missing) faces += (faces.empty() ? "\"" : ", \"") + face + "\"";
    std::fprintf(stderr, "spintrak: missing font %s, drawn with a fallback face\n", faces.c_str());
  }
  application.SetTitle("Spintrak");
  TForm1& form = *application.CreateForm<TForm1>();
  return form;
}

}  // namespace app
