#include "app/banner_pane.h"

#include "app/banner_page.h"
#include "gui/std/web_browser.h"

namespace app {

void RefreshBanner(gui::TWebBrowser& pane, gui::TWinControl& entryField) {
  const std::string path = WriteBannerPage();
  pane.Navigate(path);
  entryField.SetFocus();
}

}  // namespace app
