#pragma once

#include "gui/host.h"

#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <vector>

typedef struct _GtkWidget GtkWidget;
typedef struct _GtkOverlay GtkOverlay;
typedef struct _GtkWindow GtkWindow;
typedef struct _GtkIMContext GtkIMContext;
typedef struct _GdkWindow GdkWindow;
typedef struct _cairo cairo_t;
typedef struct _cairo_region cairo_region_t;
typedef union _GdkEvent GdkEvent;
typedef struct _GdkEventKey GdkEventKey;
typedef struct _GdkEventButton GdkEventButton;
typedef struct _GdkEventMotion GdkEventMotion;
typedef struct _GdkEventCrossing GdkEventCrossing;
typedef struct _GdkEventFocus GdkEventFocus;
typedef struct _GdkEventConfigure GdkEventConfigure;
typedef struct _GdkEventAny GdkEventAny;
typedef struct _GObject GObject;
typedef struct _GtkTooltip GtkTooltip;
typedef struct _GParamSpec GParamSpec;

namespace platform::gtk {

class TGtkHost;

// Paints of a window and the area they covered, counted from the clip of each.
struct TPaintTally {
  std::uint64_t Paints = 0;
  std::uint64_t Rectangles = 0;
  std::uint64_t Pixels = 0;
  void Add(cairo_t* cr);
};

// One top-level window: a GtkWindow holding an overlay, whose main child is a drawing area that
// shows the form's back buffer; browser panes are laid over it. All input arrives here first.
class TGtkWindow : public gui::THostWindow {
 public:
  TGtkWindow(TGtkHost& host, const gui::THostWindowParams& params, gui::THostWindowEvents& events);
  ~TGtkWindow() override;
  TGtkWindow(const TGtkWindow&) = delete;
  TGtkWindow& operator=(const TGtkWindow&) = delete;

  // The drawing area that shows the form; its accessible object is the root of the form's tree.
  GtkWidget* Canvas() const { return FArea; }

  void Show() override;
  void Hide() override;
  void Activate() override;
  void SetTitle(std::string_view utf8) override;
  void SetClientSize(int width, int height) override;
  void SetPosition(int left, int top) override;
  gui::TPoint Position() const override;
  void CenterOnScreen() override;
  void SetTopMost(bool topMost) override;
  int Scale() const override;
  void SetModal(bool modal, gui::THostWindow* owner) override;
  void SetCursor(gui::TCursor cursor) override;
  void Present(const gui::TBitmap& buffer, std::span<const gui::TRect> region) override;
  // Paints what was presented and not painted yet, now.
  void PaintPresented();

  GtkWindow* Widget() const;
  GtkOverlay* Overlay() const;
  bool Visible() const { return FVisible; }
  // What the window has painted so far; for measuring.
  const TPaintTally& Painted() const { return FPainted; }
  // Runs `action` once the window has shown its first frame (at once, from the loop, if it has).
  void AfterFirstFrame(std::function<void()> action);

 private:
  // Signal handlers; they return TRUE when the event is consumed.
  static int OnDelete(GtkWidget*, GdkEventAny*, TGtkWindow* self);
  static int OnDraw(GtkWidget*, cairo_t* cr, TGtkWindow* self);
  static int OnKeyPress(GtkWidget*, GdkEventKey* event, TGtkWindow* self);
  static int OnKeyRelease(GtkWidget*, GdkEventKey* event, TGtkWindow* self);
  static int OnButtonPress(GtkWidget*, GdkEventButton* event, TGtkWindow* self);
  static int OnButtonRelease(GtkWidget*, GdkEventButton* event, TGtkWindow* self);
  static int OnMotion(GtkWidget*, GdkEventMotion* event, TGtkWindow* self);
  static int OnLeave(GtkWidget*, GdkEventCrossing* event, TGtkWindow* self);
  static int OnFocus(GtkWidget*, GdkEventFocus* event, TGtkWindow* self);
  static int OnFocusInPaint(GtkWidget*, GdkEventFocus* event, TGtkWindow* self);
  static int OnConfigure(GtkWidget*, GdkEventConfigure* event, TGtkWindow* self);
  static int OnMapped(GtkWidget*, GdkEventAny*, TGtkWindow* self);
  static void OnAllocate(GtkWidget*, void* allocation, TGtkWindow* self);
  static void OnCommit(GtkIMContext*, const char* text, TGtkWindow* self);
  static void OnRealize(GtkWidget*, TGtkWindow* self);
  static void OnScaleChanged(GObject*, GParamSpec*, TGtkWindow* self);
  static int OnQueryTooltip(GtkWidget*, int x, int y, int keyboard, GtkTooltip* tooltip, TGtkWindow* self);
  friend struct TExposureFilter;

  bool Admit(const GdkEvent* event);
  bool IsOwnKeyEvent(const GdkEventKey* event) const;
  // Whether a browser pane, not the form's canvas, holds the window's keyboard focus.
  bool PaneHasFocus() const;
  // Keys for a focused browser pane go to it and are remembered; the engine's return of one the
  // page did not use is recognised and dropped.
  bool PassToPane(const GdkEventKey* event);
  bool ReturnedByPane(const GdkEventKey* event);
  void ApplyBorderHints();
  void CenterNow();
  // Paints what was presented and whatever the toolkit has queued, now.
  void PaintNow();
  void FirstFrameDone();

  TGtkHost& FHost;
  gui::THostWindowEvents& FEvents;
  GtkWidget* FWindow = nullptr;
  GtkWidget* FOverlay = nullptr;
  GtkWidget* FArea = nullptr;
  GtkIMContext* FIm = nullptr;
  const gui::TBitmap* FBuffer = nullptr;
  gui::TBorderIcons FIcons;
  gui::TFormBorderStyle FBorderStyle;
  int FClientWidth;
  int FClientHeight;
  bool FVisible = false;
  bool FModal = false;
  bool FCenterWanted = false;
  bool FFramed = false;
  bool FFirstFrameShown = false;
  gui::TCursor FCursor = gui::crDefault;
  TPaintTally FPainted;
  cairo_region_t* FUnpainted = nullptr;  // presented, not painted yet
  unsigned FPaintSource = 0;             // paints FUnpainted should no idle pass come
  static constexpr unsigned kLatestPaintMs = 50;
  unsigned FExposePaintSource = 0;  // paints what the X server reported exposed
  GdkWindow* FFiltered = nullptr;   // the toplevel's window while OnNativeEvent watches it
  std::vector<std::function<void()>> FAfterFirstFrame;
  struct TPaneKey {
    int Type;
    unsigned Time;
    unsigned Keycode;
    unsigned State;
    bool operator==(const TPaneKey&) const = default;
  };
  static constexpr std::size_t kPaneKeysKept = 16;
  std::deque<TPaneKey> FPaneKeys;
  // Handlers call into the form, which may destroy this window; they check this token afterwards.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

}  // namespace platform::gtk
