#include "app/startup.h"

#include <cstdio>

#include "dialogs/error_report.h"
#include "gui/graphics/font_cache.h"

namespace app {

TForm1& StartUp(gui::TApplication& application) {
  dialogs::InstallErrorReport(application);
  gui::TFontCache::Instance().CheckFontsAvailable();
  application.SetTitle("Spintrak");
  TForm1& form = *application.CreateForm<TForm1>();
  return form;
}

}  // namespace app
