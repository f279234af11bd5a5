#include "platform/gtk/atk_model.h"

#include <gtk/gtk-a11y.h>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "platform/gtk/atk_objects.h"
#include "platform/gtk/gtk_window.h"

namespace platform::gtk {
namespace atk {
namespace {

gui::TAccListener& AsListener();
// The models that exist: the listener is wanted while there is one.
int& ModelCount() {
  static int count = 0;
  return count;
}
constexpr const char* kModelKey = "spintrak-model";

}  // namespace

TCanvasModel::TCanvasModel(gui::TForm& form, GtkWidget* canvas, AtkObject* root)
    : FForm(form), FFormAlive(form.Watch()), FCanvas(canvas), FRoot(root) {
  ++ModelCount();
  g_object_set_data(G_OBJECT(canvas), kModelKey, this);
  // The focus is followed from the start, so that the first focus GTK reports for the canvas
  // already stands for the focused control. Nothing else is made before a client reads the tree.
  if (gui::Application && !gui::Application->AccListener()) gui::Application->SetAccListener(&AsListener());
}

TCanvasModel::~TCanvasModel() {
  Clear();
  if (--ModelCount() == 0 && gui::Application && gui::Application->AccListener() == &AsListener())
    gui::Application->SetAccListener(nullptr);
}

void TCanvasModel::Clear() {
  SetFocusObject(nullptr);
  for (auto& [control, object] : FObjects) {
    DetachControlObject(object);
    g_object_unref(object);
  }
  FObjects.clear();
}

AtkObject* TCanvasModel::Object(gui::TAccNode& node, bool make) {
  if (&node == static_cast<gui::TAccNode*>(&FForm)) return FRoot;
  auto it = FObjects.find(&node);
  // An entry whose node died may stand for a new node at the same address.
  if (it != FObjects.end() && !LiveNode(it->second)) {
    if (it->second == FFocused) SetFocusObject(nullptr);
    DetachControlObject(it->second);
    atk_object_notify_state_change(it->second, ATK_STATE_DEFUNCT, TRUE);
    g_object_unref(it->second);
    FObjects.erase(it);
    it = FObjects.end();
  }
  if (it != FObjects.end()) return it->second;
  if (!make) return nullptr;
  AtkObject* object = NewControlObject(*this, node);
  FObjects.emplace(&node, object);
  return object;
}

void TCanvasModel::SetFocusObject(AtkObject* object) {
  FFocused = object;
  g_object_set_data(G_OBJECT(FRoot), "gail-focus-object", object);
}

void TCanvasModel::FocusMoved(gui::TControl* control) {
  AtkObject* now = control && control != &FForm ? Object(*control, true) : nullptr;
  AtkObject* was = FFocused;
  SetFocusObject(now);
  if (was && was != now) AnnounceFocus(was, false);
  if (now) AnnounceFocus(now, true);
}

std::vector<gui::TAccNode*> ChildrenOf(gui::TAccNode& node) { return gui::TAccessible(node).Children(); }

AtkObject* RefChild(TCanvasModel* model, gui::TAccNode* node, int index) {
  if (!model || !node || !model->FormAlive()) return nullptr;
  const std::vector<gui::TAccNode*> children = ChildrenOf(*node);
  if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
  AtkObject* child = model->Object(*children[static_cast<std::size_t>(index)], true);
  return child ? ATK_OBJECT(g_object_ref(child)) : nullptr;
}

int ChildCount(TCanvasModel* model, gui::TAccNode* node) {
  if (!model || !node || !model->FormAlive()) return 0;
  return static_cast<int>(ChildrenOf(*node).size());
}

namespace {

// The model of a form's canvas, found through the form's window: every window of this host is a
// TGtkWindow. None before the canvas's object was made, or once it is gone.
TCanvasModel* ModelOf(gui::TForm& form) {
  auto* window = static_cast<TGtkWindow*>(form.HostWindow());
  return window ? static_cast<TCanvasModel*>(g_object_get_data(G_OBJECT(window->Canvas()), kModelKey)) : nullptr;
}

// The control layer's events, for the objects that exist.
class TAtkListener final : public gui::TAccListener {
 public:
  void AccEvent(gui::TControl& control, gui::TAccEvent event) override {
    gui::TForm* form = control.Form();
    TCanvasModel* model = form && &control != form ? ModelOf(*form) : nullptr;
    if (!model) return;
    if (event == gui::aeFocus) return model->FocusMoved(&control);
    AtkObject* object = model->Object(control, false);
    if (!object) return;
    // An entry selects its text as it takes the focus, before the focus is told: a caret moving
    // in an object a reader does not know as focused would make it take that object as the
    // focus in passing and then hear the focus itself as nothing new.
    if (event == gui::aeCaretMoved && object != model->FocusObject()) return RememberCaret(object, control);
    AnnounceEvent(object, control, event);
  }
};

gui::TAccListener& AsListener() {
  static TAtkListener listener;
  return listener;
}

// The root: the canvas's own accessible object.

struct SpintrakCanvasAccessible {
  GtkWidgetAccessible Parent;
  TCanvasModel* Model;
};
struct SpintrakCanvasAccessibleClass {
  GtkWidgetAccessibleClass ParentClass;
};

G_DEFINE_TYPE(SpintrakCanvasAccessible, spintrak_canvas_accessible, GTK_TYPE_WIDGET_ACCESSIBLE)

SpintrakCanvasAccessible* AsCanvas(gpointer object) {
  return G_TYPE_CHECK_INSTANCE_CAST(object, spintrak_canvas_accessible_get_type(), SpintrakCanvasAccessible);
}

void spintrak_canvas_accessible_init(SpintrakCanvasAccessible* self) { self->Model = nullptr; }

void OnCanvasDestroy(GtkWidget* canvas, gpointer self) {
  g_object_set_data(G_OBJECT(canvas), kModelKey, nullptr);
  if (TCanvasModel* model = AsCanvas(self)->Model) model->Clear();
}

void CanvasInitialize(AtkObject* object, gpointer data) {
  ATK_OBJECT_CLASS(spintrak_canvas_accessible_parent_class)->initialize(object, data);
  GtkWidget* canvas = GTK_WIDGET(data);
  auto* form = static_cast<gui::TForm*>(g_object_get_data(G_OBJECT(canvas), "spintrak-form"));
  atk_object_set_role(object, ATK_ROLE_FILLER);
  if (!form) return;
  AsCanvas(object)->Model = new TCanvasModel(*form, canvas, object);
  // A canvas read late (a dialog's, or the first client's) takes the focus its form has now.
  if (gui::TControl* focused = form->FocusedControl()) AsCanvas(object)->Model->FocusMoved(focused);
  g_signal_connect(canvas, "destroy", G_CALLBACK(OnCanvasDestroy), object);
}

void CanvasFinalize(GObject* object) {
  delete AsCanvas(object)->Model;
  G_OBJECT_CLASS(spintrak_canvas_accessible_parent_class)->finalize(object);
}

gint CanvasChildCount(AtkObject* object) {
  TCanvasModel* model = AsCanvas(object)->Model;
  return model ? ChildCount(model, &model->Form()) : 0;
}

AtkObject* CanvasRefChild(AtkObject* object, gint index) {
  TCanvasModel* model = AsCanvas(object)->Model;
  return model ? RefChild(model, &model->Form(), index) : nullptr;
}

// While one of the form's controls stands for the canvas's focus, the canvas is not focused itself.
AtkStateSet* CanvasStates(AtkObject* object) {
  AtkStateSet* set = ATK_OBJECT_CLASS(spintrak_canvas_accessible_parent_class)->ref_state_set(object);
  if (g_object_get_data(G_OBJECT(object), "gail-focus-object")) atk_state_set_remove_state(set, ATK_STATE_FOCUSED);
  return set;
}

void spintrak_canvas_accessible_class_init(SpintrakCanvasAccessibleClass* klass) {
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->ref_state_set = CanvasStates;
  atk->initialize = CanvasInitialize;
  atk->get_n_children = CanvasChildCount;
  atk->ref_child = CanvasRefChild;
  G_OBJECT_CLASS(klass)->finalize = CanvasFinalize;
}

// The canvas widget.

struct SpintrakCanvas {
  GtkDrawingArea Parent;
};
struct SpintrakCanvasClass {
  GtkDrawingAreaClass ParentClass;
};

G_DEFINE_TYPE(SpintrakCanvas, spintrak_canvas, GTK_TYPE_DRAWING_AREA)

void spintrak_canvas_init(SpintrakCanvas*) {}
void spintrak_canvas_class_init(SpintrakCanvasClass* klass) {
  gtk_widget_class_set_accessible_type(GTK_WIDGET_CLASS(klass), spintrak_canvas_accessible_get_type());
}

}  // namespace
}  // namespace atk

GtkWidget* NewAccessibleCanvas(gui::TForm* form) {
  GtkWidget* canvas = GTK_WIDGET(g_object_new(atk::spintrak_canvas_get_type(), nullptr));
  g_object_set_data(G_OBJECT(canvas), "spintrak-form", form);
  return canvas;
}

}  // namespace platform::gtk
