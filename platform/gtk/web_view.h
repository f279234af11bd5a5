#pragma once

#include <functional>
#include <string>

typedef struct _GtkOverlay GtkOverlay;
typedef struct _GtkWidget GtkWidget;
typedef struct _cairo cairo_t;

namespace platform::gtk {

// A browser pane laid over a rectangle of a form. With the web engine it is a WebKitGTK view;
// when the engine was not built in or cannot be loaded, a plain area whose painting the owner
// supplies (title and address of the page).
// The engine view costs ~80 ms to create, so the host creates it only after the form's first frame;
// navigations asked for before that are kept and carried out on creation.
class TWebView {
public:
  // Paints the stand-in pane: size in logical pixels, the page's title and its address.
  using TFallbackPainter =
      std::function<void(cairo_t* cr, int width, int height, const std::string& title, const std::string& address)>;

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
  TFallbackPainter FallbackPainter;

private:
  static int OnChildPosition(GtkOverlay*, GtkWidget* widget, void* allocation, TWebView* self);
  static int OnFallbackDraw(GtkWidget*, cairo_t* cr, TWebView* self);
  void CreateEngineView();
  void StartLoad();
  void LoadFinished();
  void LoadFailed(const std::string& message);

  GtkOverlay* FOverlay;
  GtkWidget* FWidget = nullptr;
  const void* FEngine = nullptr;  // the loaded engine's entry points; null: the stand-in pane
  unsigned long FPositionHandler = 0;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  bool FVisible = true;
  std::string FAddress;
  std::string FFallbackTitle;
  bool FPending = false;
  bool FLoaded = false;
};

// Reads the text of a local HTML file's <title> element; empty when there is none.
std::string ReadHtmlTitle(const std::string& path);

} // namespace platform::gtk
