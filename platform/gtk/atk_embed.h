#pragma once

// The browser pane's page in the controls' tree. The web engine exposes its page to assistive
// technologies through the web view's own accessible object; that object is handed out as the
// only child of the pane's control, so a listener meets the page where the pane stands in the
// window. The overlay that holds the canvas and the panes lists only the canvas, so that the
// page is not met a second time beside the controls.

typedef struct _GtkWidget GtkWidget;

namespace platform::gtk {

// An overlay for a window's canvas and its browser panes.
GtkWidget* NewAccessibleOverlay();

}  // namespace platform::gtk
