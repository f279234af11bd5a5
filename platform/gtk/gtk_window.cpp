#include "platform/gtk/gtk_window.h"

#include "gui/controls/form.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/geometry.h"
#include "platform/gtk/atk_embed.h"
#include "platform/gtk/atk_model.h"
#include "platform/gtk/gtk_host.h"
#include "platform/gtk/presenter.h"
#include "platform/gtk/signal.h"

#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#endif

#include <string>

namespace platform::gtk {

namespace {

GdkPixbuf* PixbufFromBitmap(const gui::TBitmap& bitmap) {
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, bitmap.Width(), bitmap.Height());
  guchar* data = gdk_pixbuf_get_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint32_t* row = bitmap.ScanLine(y);
    guchar* out = data + y * stride;
    for (int x = 0; x < bitmap.Width(); ++x) {
      out[3 * x] = static_cast<guchar>(row[x] >> 16);
      out[3 * x + 1] = static_cast<guchar>(row[x] >> 8);
      out[3 * x + 2] = static_cast<guchar>(row[x]);
    }
  }
  return pixbuf;
}

// The desktop's names for the classic cursor shapes.
const char* CursorName(gui::TCursor cursor) {
  switch (cursor) {
    case gui::crNone: return "none";
    case gui::crCross: return "crosshair";
    case gui::crIBeam: return "text";
    case gui::crSizeNESW: return "nesw-resize";
    case gui::crSizeNS: return "ns-resize";
    case gui::crSizeNWSE: return "nwse-resize";
    case gui::crSizeWE: return "ew-resize";
    case gui::crSizeAll: return "move";
    case gui::crUpArrow: return "up-arrow";
    case gui::crHourGlass: return "wait";
    case gui::crNo: return "not-allowed";
    case gui::crAppStart: return "progress";
    case gui::crHelp: return "help";
    case gui::crHandPoint: return "pointer";
    default: return nullptr;
  }
}

}  // namespace

void TPaintTally::Add(cairo_t* cr) {
  ++Paints;
  cairo_rectangle_list_t* list = cairo_copy_clip_rectangle_list(cr);
  if (list->status == CAIRO_STATUS_SUCCESS) {
    for (int i = 0; i < list->num_rectangles; ++i) {
      const cairo_rectangle_t& r = list->rectangles[i];
      ++Rectangles;
      Pixels += static_cast<std::uint64_t>(r.width * r.height);
    }
  }
  cairo_rectangle_list_destroy(list);
}

// Watches the toplevel's X events for exposures (see OnNativeEvent).
struct TExposureFilter {
  static GdkFilterReturn OnNativeEvent(GdkXEvent* native, GdkEvent*, gpointer data);
};

TGtkWindow::TGtkWindow(TGtkHost& host, const gui::THostWindowParams& params, gui::THostWindowEvents& events)
    : FHost(host),
      FEvents(events),
      FIcons(params.BorderIcons),
      FBorderStyle(params.BorderStyle),
      FClientWidth(params.ClientWidth),
      FClientHeight(params.ClientHeight) {
  FWindow = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  g_object_ref_sink(FWindow);
  gtk_window_set_title(GTK_WINDOW(FWindow), params.Title.c_str());
  gtk_window_set_resizable(GTK_WINDOW(FWindow), FBorderStyle == gui::bsSizeable);
  if (FBorderStyle != gui::bsSizeable) gtk_window_set_type_hint(GTK_WINDOW(FWindow), GDK_WINDOW_TYPE_HINT_DIALOG);
  if (params.Owner != nullptr) gtk_window_set_skip_taskbar_hint(GTK_WINDOW(FWindow), TRUE);
  if (params.Icon != nullptr && params.Icon->Width() > 0) {
    GdkPixbuf* icon = PixbufFromBitmap(*params.Icon);
    gtk_window_set_icon(GTK_WINDOW(FWindow), icon);
    g_object_unref(icon);
  }
  gtk_window_set_deletable(GTK_WINDOW(FWindow), FIcons.Contains(gui::biSystemMenu));

  FOverlay = NewAccessibleOverlay();
  FArea = NewAccessibleCanvas(events.HostAccessibleRoot());
  gtk_widget_set_can_focus(FArea, TRUE);
  gtk_widget_add_events(FArea, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK |
                                   GDK_LEAVE_NOTIFY_MASK | GDK_ENTER_NOTIFY_MASK);
  gtk_container_add(GTK_CONTAINER(FOverlay), FArea);
  gtk_container_add(GTK_CONTAINER(FWindow), FOverlay);
  gtk_widget_show(FArea);
  gtk_widget_show(FOverlay);
  SetClientSize(FClientWidth, FClientHeight);
  gtk_window_move(GTK_WINDOW(FWindow), params.Left, params.Top);

  FIm = gtk_im_multicontext_new();
  Connect(FIm, "commit", &TGtkWindow::OnCommit, this);
  Connect(FArea, "realize", &TGtkWindow::OnRealize, this);
  Connect(FArea, "draw", &TGtkWindow::OnDraw, this);
  Connect(FArea, "size-allocate", &TGtkWindow::OnAllocate, this);
  Connect(FArea, "button-press-event", &TGtkWindow::OnButtonPress, this);
  Connect(FArea, "button-release-event", &TGtkWindow::OnButtonRelease, this);
  Connect(FArea, "motion-notify-event", &TGtkWindow::OnMotion, this);
  Connect(FArea, "leave-notify-event", &TGtkWindow::OnLeave, this);
  gtk_widget_set_has_tooltip(FArea, TRUE);
  Connect(FArea, "query-tooltip", &TGtkWindow::OnQueryTooltip, this);
  Connect(FWindow, "key-press-event", &TGtkWindow::OnKeyPress, this);
  Connect(FWindow, "key-release-event", &TGtkWindow::OnKeyRelease, this);
  Connect(FWindow, "focus-in-event", &TGtkWindow::OnFocus, this);
  Connect(FWindow, "focus-out-event", &TGtkWindow::OnFocus, this);
  ConnectAfter(FWindow, "focus-in-event", &TGtkWindow::OnFocusInPaint, this);
  Connect(FWindow, "configure-event", &TGtkWindow::OnConfigure, this);
  Connect(FWindow, "map-event", &TGtkWindow::OnMapped, this);
  Connect(FWindow, "delete-event", &TGtkWindow::OnDelete, this);
  Connect(FWindow, "notify::scale-factor", &TGtkWindow::OnScaleChanged, this);
  gtk_widget_realize(FWindow);
#ifdef GDK_WINDOWING_X11
  if (GDK_IS_X11_DISPLAY(gtk_widget_get_display(FWindow))) {
    FFiltered = GDK_WINDOW(g_object_ref(gtk_widget_get_window(FWindow)));
    gdk_window_add_filter(FFiltered, &TExposureFilter::OnNativeEvent, this);
  }
#endif
  ApplyBorderHints();
  if (params.Modal)
    SetModal(true, params.Owner);
  else if (params.Owner != nullptr)
    gtk_window_set_transient_for(GTK_WINDOW(FWindow), static_cast<TGtkWindow*>(params.Owner)->Widget());
}

TGtkWindow::~TGtkWindow() {
  *FAlive = false;
  if (FPaintSource != 0) g_source_remove(FPaintSource);
  if (FExposePaintSource != 0) g_source_remove(FExposePaintSource);
  if (FFiltered != nullptr) {
    gdk_window_remove_filter(FFiltered, &TExposureFilter::OnNativeEvent, this);
    g_object_unref(FFiltered);
  }
  if (FUnpainted != nullptr) cairo_region_destroy(FUnpainted);
  FHost.WindowDestroyed(this);
  g_signal_handlers_disconnect_by_data(FIm, this);
  g_signal_handlers_disconnect_by_data(FArea, this);
  g_signal_handlers_disconnect_by_data(FWindow, this);
  gtk_im_context_set_client_window(FIm, nullptr);
  g_object_unref(FIm);
  gtk_widget_destroy(FWindow);
  g_object_unref(FWindow);
}

GtkWindow* TGtkWindow::Widget() const { return GTK_WINDOW(FWindow); }
GtkOverlay* TGtkWindow::Overlay() const { return GTK_OVERLAY(FOverlay); }

void TGtkWindow::ApplyBorderHints() {
  // Window managers that honour these hints show no close box, menu or min/max buttons for a
  // window without border icons; all of them still send a close request on Alt+F4.
  GdkWindow* window = gtk_widget_get_window(FWindow);
  int functions = GDK_FUNC_MOVE;
  int decorations = GDK_DECOR_BORDER | GDK_DECOR_TITLE;
  if (FBorderStyle == gui::bsSizeable) {
    functions |= GDK_FUNC_RESIZE;
    decorations |= GDK_DECOR_RESIZEH;
  }
  if (FIcons.Contains(gui::biSystemMenu)) {
    functions |= GDK_FUNC_CLOSE;
    decorations |= GDK_DECOR_MENU;
    // A dialog frame never offers minimising, whatever icons the form asks for.
    if (FIcons.Contains(gui::biMinimize) && FBorderStyle != gui::bsDialog) {
      functions |= GDK_FUNC_MINIMIZE;
      decorations |= GDK_DECOR_MINIMIZE;
    }
    if (FIcons.Contains(gui::biMaximize) && FBorderStyle == gui::bsSizeable) {
      functions |= GDK_FUNC_MAXIMIZE;
      decorations |= GDK_DECOR_MAXIMIZE;
    }
  }
  gdk_window_set_functions(window, GdkWMFunction(functions));
  gdk_window_set_decorations(window, GdkWMDecoration(decorations));
}

void TGtkWindow::Show() {
  if (FVisible) return;
  FVisible = true;
  ShowWindowRole(FWindow, FEvents.HostAccessibleRoot());
  if (FModal) FHost.PushModal(this);
  if (FModal)
    gtk_window_present(GTK_WINDOW(FWindow));
  else
    gtk_widget_show(FWindow);
}

void TGtkWindow::Hide() {
  if (!FVisible) return;
  FVisible = false;
  FHost.RemoveModal(this);
  gtk_widget_hide(FWindow);
  FFramed = false;
}

void TGtkWindow::Activate() { gtk_window_present(GTK_WINDOW(FWindow)); }

void TGtkWindow::SetTitle(std::string_view utf8) {
  gtk_window_set_title(GTK_WINDOW(FWindow), std::string(utf8).c_str());
}

void TGtkWindow::SetClientSize(int width, int height) {
  FClientWidth = width;
  FClientHeight = height;
  if (FBorderStyle == gui::bsSizeable) {
    // A size request would also be the smallest size the user could drag the window to.
    gtk_widget_set_size_request(FArea, 1, 1);
    gtk_window_set_default_size(GTK_WINDOW(FWindow), width, height);
    gtk_window_resize(GTK_WINDOW(FWindow), width, height);
  } else {
    gtk_widget_set_size_request(FArea, width, height);
  }
}

void TGtkWindow::SetPosition(int left, int top) {
  FCenterWanted = false;
  gtk_window_move(GTK_WINDOW(FWindow), left, top);
}

gui::TPoint TGtkWindow::Position() const {
  GdkWindow* window = gtk_widget_get_window(FWindow);
  if (window == nullptr || !gtk_widget_get_mapped(FWindow)) {
    int x = 0, y = 0;
    gtk_window_get_position(GTK_WINDOW(FWindow), &x, &y);
    return {x, y};
  }
  GdkRectangle frame;
  gdk_window_get_frame_extents(window, &frame);
  return {frame.x, frame.y};
}

void TGtkWindow::CenterOnScreen() {
  FCenterWanted = true;
  CenterNow();
}

void TGtkWindow::CenterNow() {
  // Until the window manager has framed the window its outer size is the client size; once the
  // frame is known (after mapping) the window is centred again with it.
  int outerWidth = FClientWidth;
  int outerHeight = FClientHeight;
  GdkWindow* window = gtk_widget_get_window(FWindow);
  if (FFramed && window != nullptr) {
    GdkRectangle frame;
    gdk_window_get_frame_extents(window, &frame);
    outerWidth = frame.width;
    outerHeight = frame.height;
  }
  const gui::TSize screen = FHost.ScreenSize();
  gtk_window_move(GTK_WINDOW(FWindow), (screen.Width - outerWidth) / 2, (screen.Height - outerHeight) / 2);
}

void TGtkWindow::SetTopMost(bool topMost) {
  // Only the stacking state changes: no move, no resize, no activation.
  gtk_window_set_keep_above(GTK_WINDOW(FWindow), topMost);
}

int TGtkWindow::Scale() const { return gtk_widget_get_scale_factor(FWindow); }

void TGtkWindow::OnScaleChanged(GObject*, GParamSpec*, TGtkWindow* self) { self->FEvents.HostScaleChanged(); }

void TGtkWindow::SetModal(bool modal, gui::THostWindow* owner) {
  FModal = modal;
  auto* ownerWindow = static_cast<TGtkWindow*>(owner);
  gtk_window_set_transient_for(GTK_WINDOW(FWindow), ownerWindow != nullptr ? ownerWindow->Widget() : nullptr);
  gtk_window_set_modal(GTK_WINDOW(FWindow), modal);
  if (!modal)
    FHost.RemoveModal(this);
  else if (FVisible)
    FHost.PushModal(this);
}

void TGtkWindow::SetCursor(gui::TCursor cursor) {
  if (cursor == FCursor) return;
  FCursor = cursor;
  GdkWindow* window = gtk_widget_get_window(FArea);
  if (window == nullptr) return;
  const char* name = CursorName(cursor);
  GdkCursor* shape = name != nullptr ? gdk_cursor_new_from_name(gdk_window_get_display(window), name) : nullptr;
  gdk_window_set_cursor(window, shape);
  if (shape != nullptr) g_object_unref(shape);
}

void TGtkWindow::Present(const gui::TBitmap& buffer, std::span<const gui::TRect> region) {
  FBuffer = &buffer;
  cairo_region_t* area = cairo_region_create();
  const gui::TRect all = buffer.LogicalBounds();
  for (const gui::TRect& rect : region) {
    const gui::TRect r = gui::IntersectRect(rect, all);
    if (r.IsEmpty()) continue;
    const cairo_rectangle_int_t box{r.Left, r.Top, r.Width(), r.Height()};
    cairo_region_union_rectangle(area, &box);
  }
  if (cairo_region_is_empty(area)) {
    cairo_region_destroy(area);
    return;
  }
  if (!FFirstFrameShown) {
    gtk_widget_queue_draw_region(FArea, area);
    cairo_region_destroy(area);
    return;
  }
  // Once the window is up, what is presented is kept here until the control layer's idle pass is
  // over and then painted at once (FlushPresented): one paint per event however many parts were
  // presented. Handed to the toolkit earlier, the parts would be painted by its frame clock or by
  // a paint of the loop's next round, apart from the idle pass's parts. Should no pass come (a
  // host user without one, or a loop held up), they are painted after a short while anyway.
  if (FUnpainted == nullptr) {
    FUnpainted = area;
    FHost.PaintAfterIdlePass(this);
    FPaintSource = g_timeout_add(
        kLatestPaintMs,
        +[](gpointer data) -> gboolean {
          auto* self = static_cast<TGtkWindow*>(data);
          self->FPaintSource = 0;
          self->PaintPresented();
          return G_SOURCE_REMOVE;
        },
        this);
  } else {
    cairo_region_union(FUnpainted, area);
    cairo_region_destroy(area);
  }
}

void TGtkWindow::PaintPresented() {
  if (FUnpainted != nullptr) PaintNow();
}

void TGtkWindow::PaintNow() {
  if (FPaintSource != 0) g_source_remove(FPaintSource);
  FPaintSource = 0;
  if (FUnpainted != nullptr) {
    gtk_widget_queue_draw_region(FArea, FUnpainted);
    cairo_region_destroy(FUnpainted);
    FUnpainted = nullptr;
  }
  GdkWindow* window = gtk_widget_get_window(FArea);
  if (window == nullptr || !gtk_widget_is_drawable(FArea)) return;
  G_GNUC_BEGIN_IGNORE_DEPRECATIONS
  gdk_window_process_updates(window, FALSE);
  G_GNUC_END_IGNORE_DEPRECATIONS
  gdk_display_flush(gdk_window_get_display(window));
}

int TGtkWindow::OnFocusInPaint(GtkWidget*, GdkEventFocus*, TGtkWindow* self) {
  // Regaining the focus (a modal dialog closed, the user came back) makes the toolkit redraw the
  // whole window, the banner's web view included. Left to the frame clock, that paint has come
  // 1.5-1.8 s late, and the area the dialog uncovered and the parts held here stayed unpainted
  // until then; one Release run showed a single loop turn of 500 ms inside the web engine's draw,
  // a Debug run no long turn at all. Painted now, while the focus change is handled, it is on
  // screen at once. A focus change alone brings no exposure, so OnNativeEvent does not cover it.
  if (self->FFirstFrameShown) self->PaintNow();
  return FALSE;
}

GdkFilterReturn TExposureFilter::OnNativeEvent(GdkXEvent* native, GdkEvent*, gpointer data) {
#ifdef GDK_WINDOWING_X11
  // An area of the window another window uncovered is left to the toolkit's frame clock, whose
  // paint has come up to 390 ms after the exposure, the loop idle meanwhile. It is painted as soon
  // as the toolkit has taken the last exposure of a series in (this filter runs before that).
  auto* self = static_cast<TGtkWindow*>(data);
  const auto* event = static_cast<const XEvent*>(native);
  if (event->type == Expose && event->xexpose.count == 0 && self->FFirstFrameShown &&
      self->FExposePaintSource == 0) {
    self->FExposePaintSource = g_idle_add_full(
        G_PRIORITY_DEFAULT,
        +[](gpointer selfData) -> gboolean {
          auto* window = static_cast<TGtkWindow*>(selfData);
          window->FExposePaintSource = 0;
          window->PaintNow();
          return G_SOURCE_REMOVE;
        },
        self, nullptr);
  }
#else
  (void)native;
  (void)data;
#endif
  return GDK_FILTER_CONTINUE;
}

int TGtkWindow::OnDraw(GtkWidget* area, cairo_t* cr, TGtkWindow* self) {
  if (self->FBuffer == nullptr) return TRUE;
  const gui::TBitmap& buffer = *self->FBuffer;
  self->FPainted.Add(cr);
  std::function<void()> waitForServer;
#ifdef GDK_WINDOWING_X11
  // Bounds cairo's shared-memory pool for uploads (see kPiecePixels).
  if (GDK_IS_X11_DISPLAY(gtk_widget_get_display(area)))
    waitForServer = [display = gtk_widget_get_display(area)] { gdk_display_sync(display); };
#endif
  PresentBuffer(cr,
                {const_cast<std::uint32_t*>(buffer.Pixels()), buffer.Width(), buffer.Height(), buffer.Width() * 4,
                 buffer.Scale()},
                waitForServer);
  if (!self->FFirstFrameShown) {
    self->FFirstFrameShown = true;
    // The frame is on screen once this paint cycle is over; work deferred until then runs after it.
    std::weak_ptr<bool> alive = self->FAlive;
    CallWhenIdle([self, alive] {
      if (!alive.expired()) self->FirstFrameDone();
    });
  }
  return TRUE;
}

void TGtkWindow::AfterFirstFrame(std::function<void()> action) {
  if (FFirstFrameShown && FAfterFirstFrame.empty()) {
    // Still from the loop, so the caller never sees the action run inside its own call.
    CallWhenIdle(std::move(action));
    return;
  }
  FAfterFirstFrame.push_back(std::move(action));
}

void TGtkWindow::FirstFrameDone() {
  std::vector<std::function<void()>> actions;
  actions.swap(FAfterFirstFrame);
  for (auto& action : actions) action();
}

int TGtkWindow::OnDelete(GtkWidget*, GdkEventAny*, TGtkWindow* self) {
  // The form decides; the window itself never closes on its own. A window blocked by a modal one
  // ignores the request, as a disabled window would.
  if (self->FHost.AcceptsInput(self)) self->FEvents.HostCloseRequest();
  return TRUE;
}

int TGtkWindow::OnMapped(GtkWidget*, GdkEventAny*, TGtkWindow* self) {
  self->FFramed = true;
  if (self->FCenterWanted) self->CenterNow();
  return FALSE;
}

void TGtkWindow::OnRealize(GtkWidget* area, TGtkWindow* self) {
  gtk_im_context_set_client_window(self->FIm, gtk_widget_get_window(area));
  const gui::TCursor cursor = self->FCursor;
  self->FCursor = gui::crDefault;
  self->SetCursor(cursor);
}

void TGtkWindow::OnAllocate(GtkWidget*, void* allocation, TGtkWindow* self) {
  const auto* a = static_cast<const GtkAllocation*>(allocation);
  if (a->width == self->FClientWidth && a->height == self->FClientHeight) return;
  self->FClientWidth = a->width;
  self->FClientHeight = a->height;
  self->FEvents.HostResized(a->width, a->height);
}

int TGtkWindow::OnConfigure(GtkWidget*, GdkEventConfigure*, TGtkWindow* self) {
  if (gtk_widget_get_mapped(self->FWindow)) {
    const gui::TPoint p = self->Position();
    self->FEvents.HostMoved(p.X, p.Y);
  }
  return FALSE;
}

}  // namespace platform::gtk
