#pragma once

#include "gui/graphics/geometry.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

typedef struct _GtkWindow GtkWindow;

namespace gui {
class TBitmap;
}
namespace platform::gtk {
class TGtkHost;
}

namespace e2e {

// The host every test of the program drives; set by RunTests.
extern platform::gtk::TGtkHost* Host;

// The test programs' main: starts GTK on the private display, runs every test, cleans up.
int RunTests(int argc, char** argv);

// What the X tools tell about the display, and the waiting that goes with driving it from outside.

struct TCommandResult {
  int ExitCode = -1;
  std::string Output;
};

// Runs a command (no shell) and returns its exit status and standard output.
TCommandResult Run(const std::vector<std::string>& argv);
// Runs a command and fails the current test when it does not exit with 0.
std::string RunOk(const std::vector<std::string>& argv);

// Starts a command and returns at once; the main loop reaps it. For input whose arrival is timed.
void Start(const std::vector<std::string>& argv);
// Waits until every started command has exited.
bool WaitForStarted();

// Work to do on every round of WaitUntil and Settle besides the toolkit's loop (the control
// layer's event handling and idle painting).
void SetPump(std::function<void()> pump);

// Runs the main loop until `done` holds; false when `timeout` passed first.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(10));
// Runs the main loop until nothing is pending and the X server has seen every request.
void Settle();

std::string Xid(GtkWindow* window);

struct TGeometry {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};
// The client area's screen position and size as the X server knows them.
TGeometry ClientGeometry(const std::string& xid);
// The window's _NET_WM_STATE atoms as xprop prints them.
std::string WindowState(const std::string& xid);
// Waits until the window manager keeps the window above others (or no longer does).
bool WaitForKeptAbove(const std::string& xid, bool above);
// Gives the window the keyboard focus (through the window manager) and waits until it has it.
void Focus(const std::string& xid);

// Pixels that differ between the window's client area on screen and a PNG file, outside the
// rectangles `except` (client coordinates), where the window shows another window's pixels.
long ScreenDifference(const std::string& xid, const std::string& png, const std::vector<gui::TRect>& except = {});
// Waits until the window shows exactly `buffer` (a form's back buffer, looked at anew each round,
// so that late paints count) outside `except`. Returns how many pixels differed at the last
// look: 0 when they matched.
long WaitForScreenToShow(const std::string& xid, const gui::TBitmap& buffer,
                         const std::vector<gui::TRect>& except = {});

// A private folder for screenshots and pages, made on first use; RemoveTempDir deletes it.
std::string TempDir();
void RemoveTempDir();

}  // namespace e2e
