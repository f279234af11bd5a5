#include "platform/gtk/environment.h"

#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_WAYLAND
#include <gdk/gdkwayland.h>
#endif

#include <cstdlib>

namespace platform::gtk {

void ApplyEnvironmentDefaults() {
  // The last argument 0 leaves an existing value alone.
  setenv("GDK_GL", "disable", 0);
  setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 0);
  // The engine's window side would read the system's memory figures every few seconds, all day,
  // to pass a shortage on to its processes; ours keep within their own limits (web_engine.cpp).
  setenv("WEBKIT_DISABLE_MEMORY_PRESSURE_MONITOR", "1", 0);
}

void NameTheProgram() {
#ifdef GDK_WINDOWING_WAYLAND
  // The toolkit takes a toplevel's app_id from the program name.
  if (GDK_IS_WAYLAND_DISPLAY(gdk_display_get_default())) {
    g_set_prgname(kApplicationId);
    return;
  }
#endif
  // WM_CLASS is the program name and the program class: both as the entry names them, whatever
  // the file the program was started from is called.
  g_set_prgname(kWindowClass);
  gdk_set_program_class(kWindowClass);
}

}  // namespace platform::gtk
