#pragma once

// The accessibility model of a form's controls as ATK objects. The form's drawing area is made
// as a canvas whose accessible object is the root of one object per control; every object is
// made when an assistive technology first asks for it, and the control layer's events reach
// the objects that exist. While nobody has asked, nothing is made and no listener is installed.

typedef struct _GtkWidget GtkWidget;

namespace gui {
class TForm;
}

namespace platform::gtk {

// A drawing area for the form's back buffer (null form: a plain drawing area to assistive
// technologies).
GtkWidget* NewAccessibleCanvas(gui::TForm* form);

// Gives the window of a form that reads as a dialog the dialog role (GTK reads a plain window as
// a frame, whatever its type hint). Called as the window is shown.
void ShowWindowRole(GtkWidget* window, gui::TForm* form);

}  // namespace platform::gtk
