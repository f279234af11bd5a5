#include "platform/gtk/web_view.h"

#include "platform/gtk/signal.h"

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
  return true;
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
  FWidget = webkit_web_view_new();
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
#else
  FWidget = gtk_drawing_area_new();
  Connect(FWidget, "draw", &TWebView::OnFallbackDraw, this);
#endif
  g_object_ref_sink(FWidget);
  gtk_overlay_add_overlay(FOverlay, FWidget);
  gtk_widget_set_visible(FWidget, FVisible);
  if (FPending) StartLoad();
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
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(FWidget), FAddress.c_str());
#else
  gchar* path = g_filename_from_uri(FAddress.c_str(), nullptr, nullptr);
  FFallbackTitle = path != nullptr ? ReadHtmlTitle(path) : std::string();
  g_free(path);
  gtk_widget_queue_draw(FWidget);
  LoadFinished();
#endif
}

std::string TWebView::Title() const {
#ifdef SPINTRAK_HAVE_WEBKIT
  if (FWidget == nullptr) return {};
  const gchar* title = webkit_web_view_get_title(WEBKIT_WEB_VIEW(FWidget));
  return title != nullptr ? title : "";
#else
  return FFallbackTitle;
#endif
}

void TWebView::LoadFinished() {
  FLoaded = true;
  if (OnLoaded) OnLoaded();
}

void TWebView::LoadFailed(const std::string& message) {
  if (OnLoadFailed) OnLoadFailed(message);
}

} // namespace platform::gtk
