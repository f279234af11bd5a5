#include "platform/gtk/atk_embed.h"

#include <gtk/gtk-a11y.h>

#include <vector>

#include "gui/controls/control.h"
#include "platform/gtk/atk_objects.h"
#include "platform/gtk/gtk_web_view.h"

namespace platform::gtk {
namespace atk {
namespace {

// The widget of a pane's view: the engine's web view, or the stand-in area without the engine;
// null before the view is made.
GtkWidget* PaneWidget(gpointer object) {
  gui::TAccNode* pane = LiveNode(object);
  // Every view of this host is a TGtkWebView (TGtkHost::CreateWebView makes them).
  auto* view = pane ? static_cast<TGtkWebView*>(pane->AccHostView()) : nullptr;
  return view ? view->View().Widget() : nullptr;
}

// The view's own object, adopted by the pane's object.
AtkObject* PageObject(AtkObject* object) {
  GtkWidget* widget = PaneWidget(object);
  AtkObject* page = widget ? gtk_widget_get_accessible(widget) : nullptr;
  if (page && atk_object_get_parent(page) != object) {
    atk_object_set_parent(page, object);
    // GTK tells the view focused when the pane gives it the toolkit's focus; that is the pane's
    // focus, already told, not a second object's (the page's own elements tell theirs).
    g_object_set_data_full(G_OBJECT(page), "gail-focus-object", g_object_ref(object), g_object_unref);
  }
  return page;
}

gint PaneChildCount(AtkObject* object) { return PageObject(object) ? 1 : 0; }

AtkObject* PaneRefChild(AtkObject* object, gint index) {
  AtkObject* page = index == 0 ? PageObject(object) : nullptr;
  return page ? ATK_OBJECT(g_object_ref(page)) : nullptr;
}

// The view is made after the window's first frame; a client that read the pane before is told
// when the view takes its place in the window. Only the objects of panes without a view wait,
// and the hook that watches for it is in place only while one waits.
std::vector<AtkObject*>& Waiting() {
  static std::vector<AtkObject*> waiting;
  return waiting;
}
gulong& ParentSetHook() {
  static gulong hook = 0;
  return hook;
}

void OnWaitingGone(gpointer, GObject* object) { std::erase(Waiting(), reinterpret_cast<AtkObject*>(object)); }

gboolean OnParentSet(GSignalInvocationHint*, guint, const GValue* params, gpointer) {
  auto* widget = static_cast<GtkWidget*>(g_value_get_object(&params[0]));
  std::vector<AtkObject*> ready;
  for (AtkObject* object : Waiting())
    if (PaneWidget(object) == widget) ready.push_back(object);
  for (AtkObject* object : ready) {
    std::erase(Waiting(), object);
    g_object_weak_unref(G_OBJECT(object), OnWaitingGone, nullptr);
    if (AtkObject* page = PageObject(object)) g_signal_emit_by_name(object, "children-changed::add", 0, page);
  }
  if (!Waiting().empty()) return TRUE;
  ParentSetHook() = 0;
  return FALSE;
}

void PaneClassInit(gpointer klass, gpointer) {
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->get_n_children = PaneChildCount;
  atk->ref_child = PaneRefChild;
}

GType PaneType() {
  static const GType type = [] {
    GTypeQuery base;
    g_type_query(ControlObjectBaseType(), &base);
    return g_type_register_static_simple(ControlObjectBaseType(), "SpintrakPaneAccessible", base.class_size,
                                         PaneClassInit, base.instance_size, nullptr, GTypeFlags(0));
  }();
  return type;
}

// The overlay: its accessible object lists only the canvas; the panes lying over it are reached
// through their controls.

struct SpintrakOverlayAccessible {
  GtkContainerAccessible Parent;
};
struct SpintrakOverlayAccessibleClass {
  GtkContainerAccessibleClass ParentClass;
};

G_DEFINE_TYPE(SpintrakOverlayAccessible, spintrak_overlay_accessible, GTK_TYPE_CONTAINER_ACCESSIBLE)

GtkWidget* CanvasOf(AtkObject* overlay) {
  GtkWidget* widget = gtk_accessible_get_widget(GTK_ACCESSIBLE(overlay));
  return widget ? gtk_bin_get_child(GTK_BIN(widget)) : nullptr;
}

gint OverlayChildCount(AtkObject* object) { return CanvasOf(object) ? 1 : 0; }

AtkObject* OverlayRefChild(AtkObject* object, gint index) {
  GtkWidget* canvas = index == 0 ? CanvasOf(object) : nullptr;
  return canvas ? ATK_OBJECT(g_object_ref(gtk_widget_get_accessible(canvas))) : nullptr;
}

// A pane added or taken away is no change of the overlay's children; the canvas is.
gint OverlayAdd(GtkContainer* container, GtkWidget* widget, gpointer data) {
  if (widget != gtk_bin_get_child(GTK_BIN(container))) return 1;
  return GTK_CONTAINER_ACCESSIBLE_CLASS(spintrak_overlay_accessible_parent_class)
      ->add_gtk(container, widget, data);
}

gint OverlayRemove(GtkContainer* container, GtkWidget* widget, gpointer data) {
  if (widget != gtk_bin_get_child(GTK_BIN(container))) return 1;
  return GTK_CONTAINER_ACCESSIBLE_CLASS(spintrak_overlay_accessible_parent_class)
      ->remove_gtk(container, widget, data);
}

void spintrak_overlay_accessible_init(SpintrakOverlayAccessible*) {}

void spintrak_overlay_accessible_class_init(SpintrakOverlayAccessibleClass* klass) {
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->get_n_children = OverlayChildCount;
  atk->ref_child = OverlayRefChild;
  GTK_CONTAINER_ACCESSIBLE_CLASS(klass)->add_gtk = OverlayAdd;
  GTK_CONTAINER_ACCESSIBLE_CLASS(klass)->remove_gtk = OverlayRemove;
}

struct SpintrakOverlay {
  GtkOverlay Parent;
};
struct SpintrakOverlayClass {
  GtkOverlayClass ParentClass;
};

G_DEFINE_TYPE(SpintrakOverlay, spintrak_overlay, GTK_TYPE_OVERLAY)

void spintrak_overlay_init(SpintrakOverlay*) {}
void spintrak_overlay_class_init(SpintrakOverlayClass* klass) {
  gtk_widget_class_set_accessible_type(GTK_WIDGET_CLASS(klass), spintrak_overlay_accessible_get_type());
}

}  // namespace

GType PaneObjectType(gui::TAccNode& node) { return node.AccHostsView() ? PaneType() : 0; }

void WatchPane(AtkObject* object) {
  if (G_OBJECT_TYPE(object) != PaneType()) return;
  if (PaneWidget(object)) {
    PageObject(object);
    return;
  }
  if (ParentSetHook() == 0)
    ParentSetHook() = g_signal_add_emission_hook(g_signal_lookup("parent-set", GTK_TYPE_WIDGET), 0, OnParentSet,
                                                 nullptr, nullptr);
  g_object_weak_ref(G_OBJECT(object), OnWaitingGone, nullptr);
  Waiting().push_back(object);
}

}  // namespace atk

GtkWidget* NewAccessibleOverlay() { return GTK_WIDGET(g_object_new(atk::spintrak_overlay_get_type(), nullptr)); }

}  // namespace platform::gtk
