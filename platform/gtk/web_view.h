#pragma once

#include <functional>
#include <string>

typedef struct _GtkOverlay GtkOverlay;
typedef struct _GtkWidget GtkWidget;
typedef struct _cairo cairo_t;
typedef struct _GdkEventFocus GdkEventFocus;

namespace platform::gtk {

struct TWebEngine;

// A browser pane laid over a rectangle of a form. With the web engine it is a WebKitGTK view;
// when the engine was not built in or cannot be loaded, a plain area whose painting the owner
// supplies (title and address of the page).
// The engine view costs ~80 ms to create, so the host creates it only after the form's first frame;
// navigations and the focus asked for before that are kept and carried out on creation.
// The pane takes part in the window's keyboard focus: while it holds it the window passes keys
// on to it, and Tab past the page's last element hands the focus back to the form's canvas.
class TWebView {
 public:
  // Paints the stand-in pane: size in logical pixels, the page's title and its address.
  using TFallbackPainter = std::function<void(cairo_t* cr, int width, int height, const std::string& title,
                                              const std::string& address)>;

  explicit TWebView(GtkOverlay* overlay);
  ~TWebView();
  TWebView(const TWebView&) = delete;
  TWebView& operator=(const TWebView&) = delete;

  // Whether the web engine can be used; loads it on first call.
  static bool HasEngine();

  // Position and size within the overlay, in logical pixels.
  void SetBounds(int left, int top, int width, int height);
  void SetVisible(bool visible);

  void Create();
  bool Created() const { return FWidget != nullptr; }
  GtkWidget* Widget() const { return FWidget; }

  // Gives the keyboard focus to the page, or back to the canvas beneath it.
  void SetFocused(bool focused);
  bool Focused() const;

  // Loads a local file path (made into a file:// address) or an address, running the page's scripts.
  // Throws std::runtime_error naming the target when it cannot be turned into an address or, for a
  // local path, when the file cannot be read. Later load failures go to OnLoadFailed.
  void Navigate(const std::string& target);

  std::string Address() const { return FAddress; }
  // The page's title once known (with the engine: as the engine reports it).
  std::string Title() const;
  bool Loaded() const { return FLoaded; }

  std::function<void(const std::string& message)> OnLoadFailed;
  std::function<void()> OnLoaded;
  // The page took the focus by itself (a click into it).
  std::function<void()> OnFocusIn;
  // Tab (forward) or Shift+Tab left the page; the canvas has the focus again.
  std::function<void(bool forward)> OnTabOut;
  TFallbackPainter FallbackPainter;

 private:
  static int OnChildPosition(GtkOverlay*, GtkWidget* widget, void* allocation, TWebView* self);
  static int OnFallbackDraw(GtkWidget*, cairo_t* cr, TWebView* self);
  static int OnFocusInEvent(GtkWidget*, GdkEventFocus*, TWebView* self);
  static int OnWindowFocus(GtkWidget* window, int direction, TWebView* self);
  GtkWidget* Canvas() const;
  void CreateEngineView();
  void StartLoad();
  void LoadFinished();
  void LoadFailed(const std::string& message);

  GtkOverlay* FOverlay;
  GtkWidget* FWidget = nullptr;
  const TWebEngine* FEngine = nullptr;  // null: the stand-in pane
  GtkWidget* FToplevel = nullptr;
  unsigned long FPositionHandler = 0;
  unsigned long FWindowFocusHandler = 0;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  std::string FAddress;
  std::string FFallbackTitle;
  bool FPending = false;
  bool FLoaded = false;
  bool FWantFocus = false;
  bool FGrabbing = false;
};

// Reads the text of a local HTML file's <title> element; empty when there is none.
std::string ReadHtmlTitle(const std::string& path);

}  // namespace platform::gtk
