#include "platform/gtk/environment.h"

#include <cstdlib>

namespace platform::gtk {

void ApplyEnvironmentDefaults() {
  // The last argument 0 leaves an existing value alone.
  setenv("GDK_GL", "disable", 0);
  setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 0);
}

}  // namespace platform::gtk
