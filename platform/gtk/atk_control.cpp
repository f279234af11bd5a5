// The ATK objects of the tree's nodes (controls and groups): name, role, states, extents, the
// click action, text, and the control layer's events as ATK's notifications.

#include <optional>
#include <string>

#include "gui/controls/control.h"
#include "gui/controls/form.h"
#include "platform/gtk/atk_objects.h"

namespace platform::gtk::atk {
namespace {

// The object of one control.

struct SpintrakControlAccessible {
  AtkObject Parent;
  gui::TAccNode* Node;
  gui::TAliveToken::TWatch* Alive;
  TCanvasModel* Model;
  std::string* Name;  // keeps the text get_name hands out alive until the next call
  std::string* Description;
};
struct SpintrakControlAccessibleClass {
  AtkObjectClass ParentClass;
};

GType spintrak_control_accessible_get_type();

SpintrakControlAccessible* AsControl(gpointer object) {
  return G_TYPE_CHECK_INSTANCE_CAST(object, spintrak_control_accessible_get_type(), SpintrakControlAccessible);
}

// The node behind an object, or null once the node is gone.
gui::TAccNode* Live(gpointer object) {
  SpintrakControlAccessible* self = AsControl(object);
  return self->Alive && self->Alive->Alive() ? self->Node : nullptr;
}

AtkRole RoleOf(gui::TAccRole role) {
  switch (role) {
    case gui::arFrame: return ATK_ROLE_FRAME;
    case gui::arDialog: return ATK_ROLE_DIALOG;
    case gui::arPanel: return ATK_ROLE_PANEL;
    case gui::arFiller: return ATK_ROLE_FILLER;
    case gui::arLabel: return ATK_ROLE_LABEL;
    case gui::arPushButton: return ATK_ROLE_PUSH_BUTTON;
    case gui::arCheckBox: return ATK_ROLE_CHECK_BOX;
    case gui::arText: return ATK_ROLE_ENTRY;
    case gui::arLink: return ATK_ROLE_LINK;
    case gui::arImage: return ATK_ROLE_IMAGE;
    case gui::arSeparator: return ATK_ROLE_SEPARATOR;
    case gui::arTable: return ATK_ROLE_TABLE;
    case gui::arTableCell: return ATK_ROLE_TABLE_CELL;
    case gui::arColumnHeader: return ATK_ROLE_COLUMN_HEADER;
    case gui::arRowHeader: return ATK_ROLE_ROW_HEADER;
    case gui::arList: return ATK_ROLE_LIST;
    case gui::arListItem: return ATK_ROLE_LIST_ITEM;
    case gui::arNone: break;
  }
  return ATK_ROLE_UNKNOWN;
}

void ComponentInit(AtkComponentIface* iface);
void ActionInit(AtkActionIface* iface);
void TextInit(AtkTextIface* iface);
void EditableTextInit(AtkEditableTextIface* iface);

G_DEFINE_TYPE_WITH_CODE(SpintrakControlAccessible, spintrak_control_accessible, ATK_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_COMPONENT, ComponentInit)
                            G_IMPLEMENT_INTERFACE(ATK_TYPE_ACTION, ActionInit)
                                G_IMPLEMENT_INTERFACE(ATK_TYPE_TEXT, TextInit))

// Only an entry can be written to: ATK's set-text reports no failure, so a control that cannot
// take a text must not offer it at all.
GType EntryType() {
  static const GType type = [] {
    GTypeQuery base;
    g_type_query(spintrak_control_accessible_get_type(), &base);
    const GType entry =
        g_type_register_static_simple(spintrak_control_accessible_get_type(), "SpintrakEntryAccessible",
                                      base.class_size, nullptr, base.instance_size, nullptr, GTypeFlags(0));
    const GInterfaceInfo editable{
        [](gpointer iface, gpointer) { EditableTextInit(static_cast<AtkEditableTextIface*>(iface)); }, nullptr,
        nullptr};
    g_type_add_interface_static(entry, ATK_TYPE_EDITABLE_TEXT, &editable);
    return entry;
  }();
  return type;
}

void spintrak_control_accessible_init(SpintrakControlAccessible* self) {
  self->Node = nullptr;
  self->Alive = nullptr;
  self->Model = nullptr;
  self->Name = new std::string;
  self->Description = new std::string;
}

void ControlFinalize(GObject* object) {
  SpintrakControlAccessible* self = AsControl(object);
  delete self->Alive;
  delete self->Name;
  delete self->Description;
  G_OBJECT_CLASS(spintrak_control_accessible_parent_class)->finalize(object);
}

const gchar* ControlName(AtkObject* object) {
  gui::TAccNode* control = Live(object);
  *AsControl(object)->Name = control ? gui::TAccessible(*control).Name() : std::string();
  return AsControl(object)->Name->c_str();
}

const gchar* ControlDescription(AtkObject* object) {
  gui::TAccNode* control = Live(object);
  *AsControl(object)->Description = control ? gui::TAccessible(*control).Description() : std::string();
  return AsControl(object)->Description->c_str();
}

AtkRole ControlRole(AtkObject* object) {
  gui::TAccNode* control = Live(object);
  return control ? RoleOf(gui::TAccessible(*control).Role()) : ATK_ROLE_UNKNOWN;
}

AtkStateSet* ControlStates(AtkObject* object) {
  AtkStateSet* set = atk_state_set_new();
  gui::TAccNode* control = Live(object);
  if (!control) {
    atk_state_set_add_state(set, ATK_STATE_DEFUNCT);
    return set;
  }
  const gui::TAccStates states = gui::TAccessible(*control).States();
  for (const TStateRow& row : kStateRows)
    if (states.Contains(row.State)) atk_state_set_add_state(set, row.Atk);
  if (control->AccRole() == gui::arText) atk_state_set_add_state(set, ATK_STATE_SINGLE_LINE);
  return set;
}

gint ControlChildCount(AtkObject* object) { return ChildCount(AsControl(object)->Model, Live(object)); }
AtkObject* ControlRefChild(AtkObject* object, gint index) {
  return RefChild(AsControl(object)->Model, Live(object), index);
}

gint ControlIndexInParent(AtkObject* object) {
  gui::TAccNode* control = Live(object);
  if (!control) return -1;
  gui::TAccNode* parent = gui::TAccessible(*control).Parent();
  if (!parent) return -1;
  const std::vector<gui::TAccNode*> siblings = ChildrenOf(*parent);
  for (std::size_t i = 0; i < siblings.size(); ++i)
    if (siblings[i] == control) return static_cast<gint>(i);
  return -1;
}

// An entry labelled by its caption, and the caption as the label for the entry.
AtkRelationSet* ControlRelations(AtkObject* object) {
  AtkRelationSet* set = atk_relation_set_new();
  gui::TAccNode* control = Live(object);
  TCanvasModel* model = AsControl(object)->Model;
  if (!control || !model) return set;
  const gui::TAccessible acc(*control);
  const std::pair<gui::TControl*, AtkRelationType> links[] = {{acc.LabelledBy(), ATK_RELATION_LABELLED_BY},
                                                              {acc.LabelFor(), ATK_RELATION_LABEL_FOR}};
  for (const auto& [other, type] : links) {
    AtkObject* target = other ? model->Object(*other, true) : nullptr;
    if (target) atk_relation_set_add_relation_by_type(set, type, target);
  }
  return set;
}

void spintrak_control_accessible_class_init(SpintrakControlAccessibleClass* klass) {
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->get_name = ControlName;
  atk->get_description = ControlDescription;
  atk->get_role = ControlRole;
  atk->ref_state_set = ControlStates;
  atk->get_n_children = ControlChildCount;
  atk->ref_child = ControlRefChild;
  atk->get_index_in_parent = ControlIndexInParent;
  atk->get_attributes = ControlAttributes;
  atk->ref_relation_set = ControlRelations;
  G_OBJECT_CLASS(klass)->finalize = ControlFinalize;
}

}  // namespace

AtkObject* NewControlObject(TCanvasModel& model, gui::TAccNode& node) {
  GType type = TableObjectType(node);
  if (type == 0) type = PaneObjectType(node);
  if (type == 0 && node.AccRole() == gui::arText) type = EntryType();
  if (type == 0) type = spintrak_control_accessible_get_type();
  auto* object = ATK_OBJECT(g_object_new(type, nullptr));
  SpintrakControlAccessible* self = AsControl(object);
  self->Node = &node;
  self->Alive = new gui::TAliveToken::TWatch(node.AccWatch());
  self->Model = &model;
  gui::TAccNode* parent = gui::TAccessible(node).Parent();
  atk_object_set_parent(object, parent ? model.Object(*parent, true) : model.Root());
  RememberAnnounced(object, node);
  WatchPane(object);
  return object;
}

namespace {

// Bounds: the model's are in the form's client area, which is the canvas.
void ControlExtents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height, AtkCoordType type) {
  *x = *y = *width = *height = 0;
  gui::TAccNode* control = Live(component);
  TCanvasModel* model = AsControl(component)->Model;
  if (!control || !model) return;
  const gui::TRect r = gui::TAccessible(*control).Bounds();
  int ox = 0, oy = 0;
  GtkWidget* canvas = model->Canvas();
  if (type == ATK_XY_SCREEN) {
    if (GdkWindow* window = gtk_widget_get_window(canvas)) gdk_window_get_origin(window, &ox, &oy);
  } else if (type == ATK_XY_WINDOW) {
    gtk_widget_translate_coordinates(canvas, gtk_widget_get_toplevel(canvas), 0, 0, &ox, &oy);
  } else if (gui::TAccNode* parent = gui::TAccessible(*control).Parent();
             parent && parent != static_cast<gui::TAccNode*>(control->Form())) {
    const gui::TRect p = gui::TAccessible(*parent).Bounds();
    ox = -p.Left;
    oy = -p.Top;
  }
  *x = ox + r.Left;
  *y = oy + r.Top;
  *width = r.Width();
  *height = r.Height();
}

void ComponentInit(AtkComponentIface* iface) { iface->get_extents = ControlExtents; }

// Actions: those the model offers ("click" for what can be pressed, then the program's own). An
// action runs from the loop, as a click would: one that opens a modal dialog must not hold the
// assistive technology's request until the dialog closes.
gint ActionCount(AtkAction* action) {
  gui::TAccNode* control = Live(action);
  return control ? static_cast<gint>(gui::TAccessible(*control).Actions().size()) : 0;
}

struct TPendingAction {
  GObject* Object;
  gint Index;
};

gboolean RunAction(gpointer data) {
  const auto* pending = static_cast<TPendingAction*>(data);
  if (gui::TAccNode* control = Live(pending->Object))
    gui::TAccessible(*control).DoAction(static_cast<std::size_t>(pending->Index));
  return G_SOURCE_REMOVE;
}

void FreeAction(gpointer data) {
  auto* pending = static_cast<TPendingAction*>(data);
  g_object_unref(pending->Object);
  delete pending;
}

gboolean DoAction(AtkAction* action, gint index) {
  gui::TAccNode* control = Live(action);
  if (!control || index < 0 || index >= ActionCount(action) || !control->AccTakesInput()) return FALSE;
  g_idle_add_full(G_PRIORITY_DEFAULT, RunAction, new TPendingAction{G_OBJECT(g_object_ref(action)), index},
                  FreeAction);
  return TRUE;
}

// Handed out until the next call, as ATK's names are.
const gchar* ActionName(AtkAction* action, gint index) {
  static std::string name;
  gui::TAccNode* control = Live(action);
  if (!control || index < 0) return nullptr;
  const std::vector<std::string> names = gui::TAccessible(*control).Actions();
  if (index >= static_cast<gint>(names.size())) return nullptr;
  name = names[static_cast<std::size_t>(index)];
  return name.c_str();
}

void ActionInit(AtkActionIface* iface) {
  iface->get_n_actions = ActionCount;
  iface->do_action = DoAction;
  iface->get_name = ActionName;
  iface->get_localized_name = ActionName;
}

// Text, in characters of the UTF-8 text.
std::optional<gui::TAccText> TextOf(gpointer object) {
  gui::TAccNode* control = Live(object);
  return control ? gui::TAccessible(*control).Text() : std::nullopt;
}

gchar* GetText(AtkText* text, gint start, gint end) {
  const std::optional<gui::TAccText> t = TextOf(text);
  return t ? SliceUtf8(t->Text, start, end) : g_strdup("");
}

gint CharacterCount(AtkText* text) {
  const std::optional<gui::TAccText> t = TextOf(text);
  return t ? static_cast<gint>(g_utf8_strlen(t->Text.c_str(), -1)) : 0;
}

gint CaretOffset(AtkText* text) {
  const std::optional<gui::TAccText> t = TextOf(text);
  return t ? t->Caret : -1;
}

gint SelectionCount(AtkText* text) {
  const std::optional<gui::TAccText> t = TextOf(text);
  return t && t->SelLength > 0 ? 1 : 0;
}

gchar* GetSelection(AtkText* text, gint index, gint* start, gint* end) {
  const std::optional<gui::TAccText> t = TextOf(text);
  *start = *end = 0;
  if (!t || index != 0 || t->SelLength == 0) return nullptr;
  *start = t->SelStart;
  *end = t->SelStart + t->SelLength;
  return SliceUtf8(t->Text, *start, *end);
}

void TextInit(AtkTextIface* iface) {
  iface->get_text = GetText;
  iface->get_character_count = CharacterCount;
  iface->get_caret_offset = CaretOffset;
  iface->get_n_selections = SelectionCount;
  iface->get_selection = GetSelection;
  TextPiecesInit(iface);
}

void SetTextContents(AtkEditableText* text, const gchar* contents) {
  if (gui::TAccNode* control = Live(text)) gui::TAccessible(*control).SetText(contents ? contents : "");
}

void EditableTextInit(AtkEditableTextIface* iface) { iface->set_text_contents = SetTextContents; }

}  // namespace

gchar* SliceUtf8(const std::string& text, gint start, gint end) {
  const glong count = g_utf8_strlen(text.c_str(), -1);
  if (end < 0 || end > count) end = static_cast<gint>(count);
  if (start < 0) start = 0;
  if (start > end) start = end;
  const char* from = g_utf8_offset_to_pointer(text.c_str(), start);
  const char* to = g_utf8_offset_to_pointer(text.c_str(), end);
  return g_strndup(from, static_cast<gsize>(to - from));
}

gui::TAccNode* LiveNode(gpointer object) { return Live(object); }
GType ControlObjectBaseType() { return spintrak_control_accessible_get_type(); }
TCanvasModel* ObjectModel(gpointer object) { return AsControl(object)->Model; }
void DetachControlObject(AtkObject* object) { AsControl(object)->Model = nullptr; }

}  // namespace platform::gtk::atk
