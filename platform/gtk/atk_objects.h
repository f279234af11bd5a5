#pragma once

// What the canvas's model and the controls' ATK objects share inside the GTK host.

#include <atk/atk.h>
#include <gtk/gtk.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "gui/controls/accessible.h"
#include "gui/controls/alive_token.h"

namespace gui {
class TAccNode;
class TControl;
class TForm;
}  // namespace gui

namespace platform::gtk::atk {

// What one canvas knows: its form and the objects of its nodes (controls and groups) made so far.
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
  // The object of a node, made now when `make` and there is none; not referenced.
  AtkObject* Object(gui::TAccNode& node, bool make);
  // Drops every object (the canvas goes away).
  void Clear();
  // The form's focus moved to `control` (null: to none of its controls). Only one object is
  // focused at a time on the bus: the one that had the focus is told it lost it, and the canvas,
  // which GTK tells focused whenever it holds the toolkit's focus, stands for it instead
  // (GTK's "gail-focus-object").
  void FocusMoved(gui::TControl* control);
  AtkObject* FocusObject() const { return FFocused; }

 private:
  void SetFocusObject(AtkObject* object);

  gui::TForm& FForm;
  gui::TAliveToken::TWatch FFormAlive;
  GtkWidget* FCanvas;
  AtkObject* FRoot;
  AtkObject* FFocused = nullptr;  // an object of FObjects, or null
  std::unordered_map<gui::TAccNode*, AtkObject*> FObjects;
};

// The model's states as ATK's.
struct TStateRow {
  gui::TAccState State;
  AtkStateType Atk;
};
inline constexpr TStateRow kStateRows[] = {
    {gui::asEnabled, ATK_STATE_ENABLED},     {gui::asEnabled, ATK_STATE_SENSITIVE},
    {gui::asVisible, ATK_STATE_VISIBLE},     {gui::asShowing, ATK_STATE_SHOWING},
    {gui::asFocusable, ATK_STATE_FOCUSABLE}, {gui::asFocused, ATK_STATE_FOCUSED},
    {gui::asChecked, ATK_STATE_CHECKED},     {gui::asPressed, ATK_STATE_PRESSED},
    {gui::asDefault, ATK_STATE_DEFAULT},     {gui::asReadOnly, ATK_STATE_READ_ONLY},
    {gui::asEditable, ATK_STATE_EDITABLE},   {gui::asIndeterminate, ATK_STATE_INDETERMINATE},
};

// The object of a node, with the object of its parent in the tree as its parent.
AtkObject* NewControlObject(TCanvasModel& model, gui::TAccNode& node);
// The kind of object every node has, and the kinds derived from it for a table and its cells
// (ATK's table interfaces, atk_table.cpp) and for a browser pane (its page as its child,
// atk_embed.cpp); 0 for a node of none of these.
GType ControlObjectBaseType();
GType TableObjectType(gui::TAccNode& node);
GType PaneObjectType(gui::TAccNode& node);
// Tells a pane's object when the pane's view appears after the object was made.
void WatchPane(AtkObject* object);
// The model a control's object belongs to, or null once it was cut off.
TCanvasModel* ObjectModel(gpointer object);
// The node behind an object, or null once the node is gone.
gui::TAccNode* LiveNode(gpointer object);
// Characters [start, end) of a UTF-8 text, clamped to it; end < 0 is the end. Freed by g_free.
gchar* SliceUtf8(const std::string& text, gint start, gint end);
// Cuts a control's object off its model, which drops it.
void DetachControlObject(AtkObject* object);
// Tells the object of a node what changed in it: ATK's signals, worked out against what the
// object last told (its text, caret and states, remembered when it is made).
void AnnounceEvent(AtkObject* object, gui::TAccNode& node, gui::TAccEvent event);
void RememberAnnounced(AtkObject* object, gui::TAccNode& node);
// Takes the caret and selection as told without telling them.
void RememberCaret(AtkObject* object, gui::TAccNode& node);
// Tells an object that it took or lost the focus, unless it said so last.
void AnnounceFocus(AtkObject* object, bool focused);
// The object's attributes: a control whose text changes are spoken marks itself as a live region.
AtkAttributeSet* ControlAttributes(AtkObject* object);
// The text interface beyond the whole text: pieces at an offset, character extents, attributes.
void TextPiecesInit(AtkTextIface* iface);

// The children of a node in the tree, as objects made on demand.
AtkObject* RefChild(TCanvasModel* model, gui::TAccNode* node, int index);
int ChildCount(TCanvasModel* model, gui::TAccNode* node);
std::vector<gui::TAccNode*> ChildrenOf(gui::TAccNode& node);

}  // namespace platform::gtk::atk
