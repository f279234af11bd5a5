#pragma once

namespace platform::gtk {

// Sets the variables that make the toolkit and the web engine start quickly and quietly on a
// machine without a GPU (no OpenGL probe, no compositing in the web engine) and keep the engine
// asleep while nothing happens (no polling of the system's memory). A value the user has set,
// even an empty one, is kept. Must run before the toolkit is initialised.
void ApplyEnvironmentDefaults();

// The menu entry's id, which names the program's windows to a Wayland desktop, and the window
// class that the entry's StartupWMClass names under X11.
inline constexpr const char* kApplicationId = "example.spintrak.Spintrak";
inline constexpr const char* kWindowClass = "spintrak";

// Names the program to the windowing system so that desktops match its windows to the menu entry
// (and show its icon): the application id under Wayland, WM_CLASS under X11. Runs after the
// toolkit is initialised and before the first window.
void NameTheProgram();

}  // namespace platform::gtk
