#pragma once

#include "app/startup.h"
#include "gui/controls/application.h"
#include "platform/gtk/gtk_window.h"
#include "tests/e2e/x_tools.h"

#include <gtest/gtest.h>

#include <string>

namespace e2e {

// Starts the main window as the program does, waits for its first frame on screen and gives it the
// focus; the tests' loop also runs the application's event handling and idle pass.
inline void StartMainWindow(gui::TApplication*& application, app::TForm1*& form, std::string& xid) {
  application = new gui::TApplication(*Host);
  form = &app::StartUp(*application);
  SetPump([application] { application->ProcessMessages(); });
  form->Show();
  ASSERT_TRUE(WaitUntil([form] { return form->HostWindow() != nullptr; }));
  auto* window = static_cast<platform::gtk::TGtkWindow*>(form->HostWindow());
  bool shown = false;
  window->AfterFirstFrame([&shown] { shown = true; });
  ASSERT_TRUE(WaitUntil([&] { return shown; }));
  xid = Xid(window->Widget());
  Focus(xid);
}

}  // namespace e2e
