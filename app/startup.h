#pragma once
// What the program does between the application object and its event loop: the error report,
// the font check, the title, and the windows, the main one first.

#include "app/main_form.h"
#include "gui/controls/application.h"

namespace app {

// Returns the main window, created but not shown yet.
TForm1& StartUp(gui::TApplication& application);

}  // namespace app
