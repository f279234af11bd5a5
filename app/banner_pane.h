#pragma once

// The step the main window runs on every activation: rewrite the banner page, point the pane at
// it and give the entry field the keyboard focus. A page that cannot be written raises its error
// before the pane or the focus are touched; the application's error report shows it.

namespace gui {
class TWebBrowser;
class TWinControl;
}  // namespace gui

namespace app {

void RefreshBanner(gui::TWebBrowser& pane, gui::TWinControl& entryField);

}  // namespace app
