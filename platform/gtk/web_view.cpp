#include "platform/gtk/web_view.h"

#include "platform/gtk/signal.h"

#include <gtk/gtk.h>
#ifdef SPINTRAK_HAVE_WEBKIT
#include <dlfcn.h>
#include <webkit2/webkit2.h>
#endif

#include <cstdio>
#include <fstream>
#include <optional>
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

#ifdef SPINTRAK_HAVE_WEBKIT
// The engine's entry points. The library is opened when the first pane is created, after the
// form's first frame: linked at start-up, mapping and relocating it alone would delay the first
// frame by ~80 ms and add ~35 MB of resident memory to a program that has not shown a page yet.
struct TEngine {
  GtkWidget* (*New)() = nullptr;
  void (*LoadUri)(WebKitWebView*, const gchar*) = nullptr;
  const gchar* (*GetTitle)(WebKitWebView*) = nullptr;
};

const TEngine* Engine() {
  static const std::optional<TEngine> engine = []() -> std::optional<TEngine> {
    void* library = dlopen(SPINTRAK_WEBKIT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
      std::fprintf(stderr, "spintrak: no web engine, the banner pane shows the page's title (%s)\n", dlerror());
      return std::nullopt;
    }
    TEngine e;
    e.New = reinterpret_cast<GtkWidget* (*)()>(dlsym(library, "webkit_web_view_new"));
    e.LoadUri = reinterpret_cast<void (*)(WebKitWebView*, const gchar*)>(dlsym(library, "webkit_web_view_load_uri"));
    e.GetTitle = reinterpret_cast<const gchar* (*)(WebKitWebView*)>(dlsym(library, "webkit_web_view_get_title"));
    if (e.New == nullptr || e.LoadUri == nullptr || e.GetTitle == nullptr) return std::nullopt;
    return e;
  }();
  return engine ? &*engine : nullptr;
}
#endif

} // namespace

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
  if (FWidget != nullptr) {
    g_signal_handlers_disconnect_by_data(FWidget, this);
    gtk_widget_destroy(FWidget);
    g_object_unref(FWidget);
  }
  g_object_unref(FOverlay);
}

bool TWebView::HasEngine() {
#ifdef SPINTRAK_HAVE_WEBKIT
  return Engine() != nullptr;
#else
  return false;
#endif
}

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
#ifdef SPINTRAK_HAVE_WEBKIT
  FEngine = Engine();
#endif
  if (FEngine != nullptr) {
    CreateEngineView();
  } else {
    FWidget = gtk_drawing_area_new();
    Connect(FWidget, "draw", &TWebView::OnFallbackDraw, this);
  }
  g_object_ref_sink(FWidget);
  gtk_overlay_add_overlay(FOverlay, FWidget);
  gtk_widget_set_visible(FWidget, FVisible);
  if (FPending) StartLoad();
}

void TWebView::CreateEngineView() {
#ifdef SPINTRAK_HAVE_WEBKIT
  FWidget = static_cast<const TEngine*>(FEngine)->New();
  Connect(FWidget, "load-changed",
          +[](WebKitWebView*, WebKitLoadEvent event, TWebView* self) {
            if (event == WEBKIT_LOAD_FINISHED) self->LoadFinished();
          },
          this);
  Connect(FWidget, "load-failed",
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
#ifdef SPINTRAK_HAVE_WEBKIT
  if (FEngine != nullptr) {
    static_cast<const TEngine*>(FEngine)->LoadUri(reinterpret_cast<WebKitWebView*>(FWidget), FAddress.c_str());
    return;
  }
#endif
  gchar* path = g_filename_from_uri(FAddress.c_str(), nullptr, nullptr);
  FFallbackTitle = path != nullptr ? ReadHtmlTitle(path) : std::string();
  g_free(path);
  gtk_widget_queue_draw(FWidget);
  LoadFinished();
}

std::string TWebView::Title() const {
#ifdef SPINTRAK_HAVE_WEBKIT
  if (FEngine != nullptr) {
    const gchar* title = static_cast<const TEngine*>(FEngine)->GetTitle(reinterpret_cast<WebKitWebView*>(FWidget));
    return title != nullptr ? title : "";
  }
#endif
  return FFallbackTitle;
}

void TWebView::LoadFinished() {
  FLoaded = true;
  if (OnLoaded) OnLoaded();
}

void TWebView::LoadFailed(const std::string& message) {
  if (OnLoadFailed) OnLoadFailed(message);
}

} // namespace platform::gtk
