#pragma once

// The one place where an error that escapes a step of event handling is stopped: it goes to the
// application's error report, and the program carries on with the next event.

#include <exception>
#include <utility>

#include "gui/controls/application.h"

namespace gui {

// Runs the step; returns false when it ended by an error, which has then been reported.
template <class F>
bool ReportErrors(F&& step) {
  try {
    std::forward<F>(step)();
    return true;
  } catch (...) {
    if (Application) Application->HandleException(std::current_exception());
    return false;
  }
}

}  // namespace gui
