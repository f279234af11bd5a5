#include "platform/gtk/web_view.h"

#include "platform/gtk/signal.h"
#include "platform/gtk/web_engine.h"

#include <gtk/gtk.h>
#ifdef SPINTRAK_HAVE_WEBKIT
#include <webkit2/webkit2.h>
#endif

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace platform::gtk {

namespace {

std::string ToAddress(const std::string& target) {
  if (target.empty()) throw std::runtime_error("Cannot navigate to an empty address");
  if (g_uri_peek_scheme(target.c_str()) != nullptr) return target;
  // A relative path is taken from the current directory, as a shell would.
  gchar* absolute = g_canonicalize_filename(target.c_str(), nullptr);
  std::string path(absolute);
  g_free(absolute);
  if (!g_file_test(path.c_str(), G_FILE_TEST_IS_REGULAR))
    throw std::runtime_error("Cannot navigate to \"" + target + "\": the file does not exist");
  GError* error = nullptr;
  gchar* uri = g_filename_to_uri(path.c_str(), nullptr, &error);
  if (uri == nullptr) {
    std::string message = "Cannot navigate to \"" + target + "\": " + error->message;
    g_error_free(error);
    throw std::runtime_error(message);
  }
  std::string result(uri);
  g_free(uri);
  return result;
}

}  // namespace

std::string ReadHtmlTitle(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream text;
  text << in.rdbuf();
  std::string page = text.str();
  std::string lower = page;
  for (char& c : lower) c = static_cast<char>(g_ascii_tolower(c));
  const auto open = lower.find("<title");
  if (open == std::string::npos) return {};
  const auto start = lower.find('>', open);
  if (start == std::string::npos) return {};
  const auto end = lower.find("</title", start);
  if (end == std::string::npos) return {};
  return page.substr(start + 1, end - start - 1);
}

TWebView::TWebView(GtkOverlay* overlay) : FOverlay(overlay) {
  g_object_ref(FOverlay);
  FPositionHandler = Connect(FOverlay, "get-child-position", &TWebView::OnChildPosition, this);
}

TWebView::~TWebView() {
  g_signal_handler_disconnect(FOverlay, FPositionHandler);
  if (FToplevel != nullptr) {
    if (Focused()) gtk_widget_grab_focus(Canvas());
    g_signal_handler_disconnect(FToplevel, FWindowFocusHandler);
    g_object_unref(FToplevel);
  }
  if (FWidget != nullptr) {
    g_signal_handlers_disconnect_by_data(FWidget, this);
    gtk_widget_destroy(FWidget);
    g_object_unref(FWidget);
  }
  g_object_unref(FOverlay);
}

bool TWebView::HasEngine() { return WebEngine() != nullptr; }

int TWebView::OnChildPosition(GtkOverlay*, GtkWidget* widget, void* allocation, TWebView* self) {
  if (widget != self->FWidget) return FALSE;
  auto* rect = static_cast<GdkRectangle*>(allocation);
  rect->x = self->FLeft;
  rect->y = self->FTop;
  rect->width = self->FWidth;
  rect->height = self->FHeight;
  return TRUE;
}

int TWebView::OnFallbackDraw(GtkWidget*, cairo_t* cr, TWebView* self) {
  if (self->FallbackPainter)
    self->FallbackPainter(cr, self->FWidth, self->FHeight, self->FFallbackTitle, self->FAddress);
  return TRUE;
}

void TWebView::SetBounds(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  if (FWidget != nullptr) gtk_widget_queue_resize(FWidget);
}

void TWebView::SetVisible(bool visible) {
  FVisible = visible;
  if (FWidget != nullptr) gtk_widget_set_visible(FWidget, visible);
}

void TWebView::Create() {
  if (FWidget != nullptr) return;
  FEngine = WebEngine();
  if (FEngine != nullptr) {
    CreateEngineView();
  } else {
    FWidget = gtk_drawing_area_new();
    Connect(FWidget, "draw", &TWebView::OnFallbackDraw, this);
    // A click into the stand-in focuses it, as one into a page would.
    gtk_widget_add_events(FWidget, GDK_BUTTON_PRESS_MASK);
    Connect(
        FWidget, "button-press-event",
        +[](GtkWidget* widget, GdkEvent*, TWebView*) -> gboolean {
          gtk_widget_grab_focus(widget);
          return TRUE;
        },
        this);
  }
  g_object_ref_sink(FWidget);
  gtk_widget_set_can_focus(FWidget, TRUE);
  Connect(FWidget, "focus-in-event", &TWebView::OnFocusInEvent, this);
  gtk_overlay_add_overlay(FOverlay, FWidget);
  gtk_widget_set_visible(FWidget, FVisible);
  FToplevel = gtk_widget_get_toplevel(GTK_WIDGET(FOverlay));
  g_object_ref(FToplevel);
  FWindowFocusHandler = Connect(FToplevel, "focus", &TWebView::OnWindowFocus, this);
  if (FWantFocus) SetFocused(true);
  if (FPending) StartLoad();
}

GtkWidget* TWebView::Canvas() const { return gtk_bin_get_child(GTK_BIN(FOverlay)); }

void TWebView::SetFocused(bool focused) {
  FWantFocus = focused;
  if (FWidget == nullptr || focused == Focused()) return;
  FGrabbing = true;
  gtk_widget_grab_focus(focused ? FWidget : Canvas());
  FGrabbing = false;
}

bool TWebView::Focused() const {
  if (FWidget == nullptr) return FWantFocus;
  // The window's focus widget, whether or not the window itself has the desktop's focus now.
  return gtk_window_get_focus(GTK_WINDOW(FToplevel)) == FWidget;
}

int TWebView::OnFocusInEvent(GtkWidget*, GdkEventFocus*, TWebView* self) {
  self->FWantFocus = true;
  if (!self->FGrabbing && self->OnFocusIn) self->OnFocusIn();
  return FALSE;
}

int TWebView::OnWindowFocus(GtkWidget*, int direction, TWebView* self) {
  // The window is asked to move its focus on: the page ran out of elements for a Tab, or the
  // toolkit's own key bindings want to move it. Only Tab leaves the page, and only into the
  // form's canvas, whose controls take the focus from there.
  if (!self->Focused()) return FALSE;
  if (direction == GTK_DIR_TAB_FORWARD || direction == GTK_DIR_TAB_BACKWARD) {
    self->SetFocused(false);
    if (self->OnTabOut) self->OnTabOut(direction == GTK_DIR_TAB_FORWARD);
  }
  return TRUE;
}

void TWebView::CreateEngineView() {
#ifdef SPINTRAK_HAVE_WEBKIT
  FWidget = NewEngineView(*FEngine);
  Connect(
      FWidget, "load-changed",
      +[](WebKitWebView*, WebKitLoadEvent event, TWebView* self) {
        if (event == WEBKIT_LOAD_FINISHED) self->LoadFinished();
      },
      this);
  Connect(
      FWidget, "load-failed",
      +[](WebKitWebView*, WebKitLoadEvent, gchar* uri, GError* error, TWebView* self) -> gboolean {
        self->LoadFailed(std::string("Cannot load \"") + uri + "\": " + error->message);
        return FALSE;
      },
      this);
#endif
}

void TWebView::Navigate(const std::string& target) {
  FAddress = ToAddress(target);
  FLoaded = false;
  FPending = true;
  if (FWidget != nullptr) StartLoad();
}

void TWebView::StartLoad() {
  FPending = false;
  if (FEngine != nullptr) {
    EngineLoadUri(*FEngine, FWidget, FAddress);
    return;
  }
  gchar* path = g_filename_from_uri(FAddress.c_str(), nullptr, nullptr);
  FFallbackTitle = path != nullptr ? ReadHtmlTitle(path) : std::string();
  g_free(path);
  gtk_widget_queue_draw(FWidget);
  LoadFinished();
}

std::string TWebView::Title() const {
  if (FEngine != nullptr) return EngineTitle(*FEngine, FWidget);
  return FFallbackTitle;
}

void TWebView::LoadFinished() {
  FLoaded = true;
  if (OnLoaded) OnLoaded();
}

void TWebView::LoadFailed(const std::string& message) {
  if (OnLoadFailed) OnLoadFailed(message);
}

}  // namespace platform::gtk
