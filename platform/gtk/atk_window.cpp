// The role a client reads for a form's GTK window.

#include <gtk/gtk.h>

#include "gui/controls/accessible.h"
#include "gui/controls/form.h"
#include "platform/gtk/atk_model.h"

namespace platform::gtk {

void ShowWindowRole(GtkWidget* window, gui::TForm* form) {
  // GTK reads every plain window as a frame; a dialog of ours is a plain window with the
  // dialog's type hint. A frame is left alone, so the main window's start makes no object.
  if (!form || gui::TAccessible(*form).Role() != gui::arDialog) return;
  atk_object_set_role(gtk_widget_get_accessible(window), ATK_ROLE_DIALOG);
}

}  // namespace platform::gtk
