#pragma once

// What the canvas's model and the controls' ATK objects share inside the GTK host.

#include <atk/atk.h>
#include <gtk/gtk.h>

#include <unordered_map>
#include <vector>

#include "gui/controls/accessible.h"
#include "gui/controls/alive_token.h"

namespace gui {
class TControl;
class TForm;
}  // namespace gui

namespace platform::gtk::atk {

// What one canvas knows: its form and the objects of its controls made so far.
class TCanvasModel {
 public:
  TCanvasModel(gui::TForm& form, GtkWidget* canvas, AtkObject* root);
  ~TCanvasModel();
  TCanvasModel(const TCanvasModel&) = delete;
  TCanvasModel& operator=(const TCanvasModel&) = delete;

  bool FormAlive() const { return FFormAlive.Alive(); }
  gui::TForm& Form() const { return FForm; }
  GtkWidget* Canvas() const { return FCanvas; }
  AtkObject* Root() const { return FRoot; }
  // The object of a control, made now when `make` and there is none; not referenced.
  AtkObject* Object(gui::TControl& control, bool make);
  // Drops every object (the canvas goes away).
  void Clear();

 private:
  gui::TForm& FForm;
  gui::TAliveToken::TWatch FFormAlive;
  GtkWidget* FCanvas;
  AtkObject* FRoot;
  std::unordered_map<gui::TControl*, AtkObject*> FObjects;
};

// The object of a control, with the object of its parent in the tree as its parent.
AtkObject* NewControlObject(TCanvasModel& model, gui::TControl& control);
// The kind of object every control has, and the kinds derived from it for a table and its cells
// (ATK's table interfaces, atk_table.cpp) and for a browser pane (its page as its child,
// atk_embed.cpp); 0 for a control of none of these.
GType ControlObjectBaseType();
GType TableObjectType(gui::TControl& control);
GType PaneObjectType(gui::TControl& control);
// Tells a pane's object when the pane's view appears after the object was made.
void WatchPane(AtkObject* object);
// The model a control's object belongs to, or null once it was cut off.
TCanvasModel* ObjectModel(gpointer object);
// The control behind a control's object, or null once the control is gone.
gui::TControl* LiveControl(gpointer object);
// Cuts a control's object off its model, which drops it.
void DetachControlObject(AtkObject* object);
// Tells the object of a control what changed in the control.
void AnnounceEvent(AtkObject* object, gui::TControl& control, gui::TAccEvent event);

// The children of a control in the tree, as objects made on demand.
AtkObject* RefChild(TCanvasModel* model, gui::TControl* control, int index);
int ChildCount(TCanvasModel* model, gui::TControl* control);
std::vector<gui::TControl*> ChildrenOf(gui::TControl& control);

}  // namespace platform::gtk::atk
