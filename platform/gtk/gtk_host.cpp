#include "platform/gtk/gtk_host.h"

#include "gui/graphics/geometry.h"
#include "platform/gtk/environment.h"
#include "platform/gtk/gtk_web_view.h"
#include "platform/gtk/gtk_window.h"
#include "platform/gtk/services.h"
#include "platform/gtk/web_engine.h"

#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif

#include <algorithm>
#include <stdexcept>

namespace platform::gtk {

namespace {

std::int64_t MonotonicMs() { return g_get_monotonic_time() / 1000; }

}  // namespace

void TGtkHost::Initialize(int* argc, char*** argv) {
  ApplyEnvironmentDefaults();
  KeepGlDriversOutOfThisProcess();
  if (!gtk_init_check(argc, argv))
    throw std::runtime_error("Cannot open the display: is DISPLAY set to a running X server?");
  NameTheProgram();
}

TGtkHost::TGtkHost() {
  if (gdk_display_get_default() == nullptr) Initialize(nullptr, nullptr);
}

TGtkHost::~TGtkHost() {
  for (GdkEvent* event : FHeld) gdk_event_free(event);
}

std::unique_ptr<gui::THostWindow> TGtkHost::CreateWindow(const gui::THostWindowParams& params,
                                                         gui::THostWindowEvents& events) {
  return std::make_unique<TGtkWindow>(*this, params, events);
}

std::unique_ptr<gui::THostWebView> TGtkHost::CreateWebView(gui::THostWindow& window, const gui::TRect& rect) {
  return std::make_unique<TGtkWebView>(static_cast<TGtkWindow&>(window), rect);
}

bool TGtkHost::ProcessEvents(bool wait) { return g_main_context_iteration(nullptr, wait) != FALSE; }

void TGtkHost::FlushPresented() {
  // A paint may present again (a window drawing its first frame); those wait for the next pass.
  std::vector<TGtkWindow*> windows;
  windows.swap(FToPaint);
  for (TGtkWindow* window : windows) window->PaintPresented();
}

void TGtkHost::PaintAfterIdlePass(TGtkWindow* window) {
  if (std::find(FToPaint.begin(), FToPaint.end(), window) == FToPaint.end()) FToPaint.push_back(window);
}

std::uint32_t TGtkHost::TickCount() const { return static_cast<std::uint32_t>(MonotonicMs() + FClockOffset); }

void TGtkHost::NoteEventTime(std::uint32_t time) {
  // Event times come from the X server's clock; the offset to ours is taken from the latest event
  // (a stamp is never later than its arrival, so the offset errs by the delivery delay only).
  if (time != GDK_CURRENT_TIME) FClockOffset = static_cast<std::int64_t>(time) - MonotonicMs();
}

gui::THost::TTimerId TGtkHost::StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
  using TTick = std::function<void()>;
  return g_timeout_add_full(
      G_PRIORITY_DEFAULT, intervalMs,
      +[](gpointer data) -> gboolean {
        (*static_cast<TTick*>(data))();
        return G_SOURCE_CONTINUE;
      },
      new TTick(std::move(onTick)), +[](gpointer data) { delete static_cast<TTick*>(data); });
}

void TGtkHost::StopTimer(TTimerId id) {
  // Stopping a timer twice, or one that never ran, is harmless.
  if (id != 0 && g_main_context_find_source_by_id(nullptr, id) != nullptr) g_source_remove(id);
}

void TGtkHost::Beep() { platform::gtk::Beep(); }

std::optional<std::string> TGtkHost::ClipboardText() {
  // Reading waits in a nested loop for the clipboard's owner. Input arriving meanwhile is held
  // back and replayed afterwards, so a handler in the middle of a paste is never re-entered.
  FHoldInput = true;
  std::optional<std::string> text = GetClipboardText();
  FHoldInput = false;
  ReplayHeldInput();
  return text;
}

bool TGtkHost::SetClipboardText(std::string_view utf8) {
  return platform::gtk::SetClipboardText(std::string(utf8));
}

bool TGtkHost::OpenUri(std::string_view uri) { return OpenWithDefaultHandler(std::string(uri)); }

bool TGtkHost::OpenWithChooser(std::string_view extension) {
  gchar* type = g_content_type_guess(("file" + std::string(extension)).c_str(), nullptr, 0, nullptr);
  const bool known = type != nullptr && !g_content_type_is_unknown(type);
  if (known) ShowApplicationChooser(type, nullptr);
  g_free(type);
  return known;
}

std::uint32_t TGtkHost::DoubleClickTime() const {
  gint time = 400;
  g_object_get(gtk_settings_get_default(), "gtk-double-click-time", &time, nullptr);
  return static_cast<std::uint32_t>(std::max(time, 1));
}

int TGtkHost::DoubleClickDistance() const {
  // The desktop gives the largest distance on either axis; the box around the first press is
  // twice that on a side.
  gint distance = 5;
  g_object_get(gtk_settings_get_default(), "gtk-double-click-distance", &distance, nullptr);
  return 2 * std::max(distance, 0);
}

gui::TCaretBlink TGtkHost::CaretBlink() const {
  gboolean blink = TRUE;
  gint period = 1200, timeoutSeconds = 10;
  g_object_get(gtk_settings_get_default(), "gtk-cursor-blink", &blink, "gtk-cursor-blink-time", &period,
               "gtk-cursor-blink-timeout", &timeoutSeconds, nullptr);
  // As in the toolkit's own entries: a timeout of zero means no blinking at all, and the caret
  // is shown for two thirds of the period and hidden for one.
  if (!blink || timeoutSeconds <= 0 || period <= 0) return {.Blinks = false};
  const auto on = static_cast<std::uint32_t>(std::max(period * 2 / 3, 1));
  const auto off = static_cast<std::uint32_t>(std::max(period - period * 2 / 3, 1));
  constexpr gint kForever = G_MAXINT / 1000;
  const std::uint32_t timeout = timeoutSeconds >= kForever ? 0 : static_cast<std::uint32_t>(timeoutSeconds) * 1000;
  return {.Blinks = true, .OnMs = on, .OffMs = off, .TimeoutMs = timeout};
}

bool TGtkHost::CanKeepAbove() const {
  // X11 window managers honour the request; a Wayland compositor leaves it to the user.
#ifdef GDK_WINDOWING_X11
  return GDK_IS_X11_DISPLAY(gdk_display_get_default());
#else
  return false;
#endif
}

gui::TSize TGtkHost::ScreenSize() const {
  GdkDisplay* display = gdk_display_get_default();
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (monitor == nullptr) monitor = gdk_display_get_monitor(display, 0);
  if (monitor == nullptr) return {};
  GdkRectangle geometry;
  gdk_monitor_get_geometry(monitor, &geometry);
  return {geometry.width, geometry.height};
}

bool TGtkHost::AcceptsInput(const TGtkWindow* window) const {
  return FModalStack.empty() || FModalStack.back() == window;
}

void TGtkHost::HoldBack(const GdkEvent* event) { FHeld.push_back(gdk_event_copy(event)); }

void TGtkHost::ReplayHeldInput() {
  // Back into the toolkit's queue in their order, to be dispatched by the loop as usual.
  while (!FHeld.empty()) {
    GdkEvent* event = FHeld.front();
    FHeld.pop_front();
    gdk_event_put(event);
    gdk_event_free(event);
  }
}

void TGtkHost::PushModal(TGtkWindow* window) {
  RemoveModal(window);
  FModalStack.push_back(window);
}

void TGtkHost::RemoveModal(TGtkWindow* window) {
  FModalStack.erase(std::remove(FModalStack.begin(), FModalStack.end(), window), FModalStack.end());
}

void TGtkHost::WindowDestroyed(TGtkWindow* window) {
  RemoveModal(window);
  std::erase(FToPaint, window);
  // Held events of a destroyed window must not be replayed into a new one at the same address.
  GdkWindow* gone = gtk_widget_get_window(GTK_WIDGET(window->Widget()));
  std::erase_if(FHeld, [gone](GdkEvent* event) {
    const bool mine = event->any.window != nullptr && gdk_window_get_toplevel(event->any.window) == gone;
    if (mine) gdk_event_free(event);
    return mine;
  });
}

}  // namespace platform::gtk
