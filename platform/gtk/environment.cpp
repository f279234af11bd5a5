#include "platform/gtk/environment.h"

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

}  // namespace platform::gtk
