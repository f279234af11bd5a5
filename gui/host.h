#pragma once

// The one interface between the control layer and the outside world. A host provides top-level
// windows, delivers input to them, and offers the few desktop services the program uses.
// Nothing in gui/ knows which host it runs on; platform/gtk and platform/headless implement this.
//
// Text that crosses this interface is UTF-8 (titles, clipboard, addresses); the control layer
// converts from and to its Windows-1251 strings. Coordinates are logical pixels: window positions
// are screen coordinates of the outer frame, everything else is relative to a window's client area.
// A window on a screen with a scale factor shows each logical pixel as Scale() x Scale() device
// pixels; the buffers it is given to present are painted at that scale.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "gui/graphics/flags.h"

namespace gui {

struct TPoint;
struct TSize;
struct TRect;
class TBitmap;
class TForm;

// Modifier keys and held mouse buttons; ssDouble marks the second press of a double click.
enum TShiftFlag : std::uint32_t {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64
};
using TShiftState = TFlags<TShiftFlag>;
constexpr TShiftState operator|(TShiftFlag a, TShiftFlag b) { return TShiftState(a) | TShiftState(b); }

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// Virtual-key codes, with the values of the classic desktop the layouts were made on.
constexpr std::uint16_t VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18,
                        VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36,
                        VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46,
                        VK_NUMPAD0 = 96, VK_MULTIPLY = 106, VK_ADD = 107, VK_SUBTRACT = 109, VK_DECIMAL = 110,
                        VK_DIVIDE = 111, VK_F1 = 112, VK_F4 = 115, VK_F12 = 123;
// "0".."9" are 48..57 and "A".."Z" are 65..90, the characters' own codes.

// Standard cursor shapes by their classic numbers; the control layer resolves its registered
// custom cursors (such as the link label's hand, 26000) to one of these before asking the host.
using TCursor = int;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11, crNo = -12,
                  crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22;

enum TFormBorderStyle : std::uint8_t { bsSizeable, bsDialog, bsSingle };

enum TBorderIcon : std::uint32_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
using TBorderIcons = TFlags<TBorderIcon>;

class THostWindow;

struct THostWindowParams {
  std::string Title;      // UTF-8
  int Left = 0, Top = 0;  // outer frame, screen coordinates
  int ClientWidth = 0, ClientHeight = 0;
  TFormBorderStyle BorderStyle = bsSizeable;
  TBorderIcons BorderIcons;  // empty: no system menu and no close box
  bool Modal = false;
  THostWindow* Owner = nullptr;   // the window a modal or owned window stays above
  const TBitmap* Icon = nullptr;  // may be null; read during the call only
};

// What a host window tells the control layer. Implemented by the form that owns the window.
// Double clicks are not reported as such: the host delivers plain presses with their time stamps
// and the control layer counts clicks itself.
class THostWindowEvents {
 public:
  virtual void HostMouseDown(TMouseButton button, TPoint pos, TShiftState shift, std::uint32_t timeMs) = 0;
  virtual void HostMouseUp(TMouseButton button, TPoint pos, TShiftState shift, std::uint32_t timeMs) = 0;
  virtual void HostMouseMove(TPoint pos, TShiftState shift, std::uint32_t timeMs) = 0;
  virtual void HostMouseLeave() = 0;  // the pointer left the client area
  virtual void HostKeyDown(std::uint16_t key, TShiftState shift) = 0;
  virtual void HostKeyUp(std::uint16_t key, TShiftState shift) = 0;
  virtual void HostChar(char32_t ch) = 0;  // control characters included (Enter 13, Ctrl+C 3)
  virtual void HostCloseRequest() = 0;     // close box, Alt+F4: the form decides
  virtual void HostResized(int clientWidth, int clientHeight) = 0;
  virtual void HostMoved(int left, int top) = 0;
  virtual void HostExpose(const TRect& rect) = 0;  // these client pixels must be presented again
  virtual void HostFocusChanged(bool gained) = 0;  // the window got or lost the keyboard focus
  // The root of what assistive technologies are told of the window's content; null: nothing.
  virtual TForm* HostAccessibleRoot() { return nullptr; }
  virtual void HostScaleChanged() {}  // the window moved to a screen of another scale
  // The tooltip (UTF-8) for a client position and the client area it holds for; false: none.
  virtual bool HostTooltipAt(const TPoint& pos, std::string& utf8, TRect& area) {
    (void)pos, (void)utf8, (void)area;
    return false;
  }

 protected:
  ~THostWindowEvents() = default;
};

class THostWindow {
 public:
  virtual ~THostWindow() = default;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void Activate() = 0;  // raise and take the keyboard focus
  virtual void SetTitle(std::string_view utf8) = 0;
  virtual void SetClientSize(int width, int height) = 0;
  virtual void SetPosition(int left, int top) = 0;  // outer frame, screen coordinates
  virtual TPoint Position() const = 0;
  virtual void CenterOnScreen() = 0;
  virtual void SetTopMost(bool topMost) = 0;  // stacking only: no move, resize or activation
  // Device pixels per logical pixel where the window is shown (1 or more).
  virtual int Scale() const { return 1; }
  virtual void SetModal(bool modal, THostWindow* owner) = 0;
  virtual void SetCursor(TCursor cursor) = 0;
  // Shows the parts of `buffer` (0x00RRGGBB pixels) inside `region`: disjoint rectangles in client
  // coordinates. What is presented while one event is handled, and in the idle paint pass after
  // it, reaches the screen together in one paint. The buffer stays alive and keeps its size until
  // the next Present or the window's destruction, so a host may keep a reference to it for later
  // redraws instead of copying.
  virtual void Present(const TBitmap& buffer, std::span<const TRect> region) = 0;
};

// A web view laid over a rectangle of a window's client area. It has a keyboard focus of its own:
// while it holds it, keys go to the page and not to the window's controls.
class THostWebView {
 public:
  virtual ~THostWebView() = default;
  virtual void SetBounds(const TRect& rect) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool Navigate(std::string_view uri) = 0;  // false: the request could not be started
  // Why the last Navigate returned false.
  virtual std::string NavigateError() const { return {}; }
  // Gives the keyboard focus to the page, or hands it back to the window's own controls.
  virtual void SetFocused(bool focused) = 0;
  virtual bool Focused() const = 0;

  // Called later when a started navigation fails to load (address, reason).
  std::function<void(const std::string& uri, const std::string& reason)> OnLoadFailed;
  // The page took the keyboard focus by itself (the user clicked into it).
  std::function<void()> OnFocusIn;
  // Tab (forward) or Shift+Tab went past the page's last or first focusable element; the view has
  // handed the focus back to the window.
  std::function<void(bool forward)> OnTabOut;
};

// How a text caret blinks: shown for OnMs, hidden for OffMs, over and over; after TimeoutMs without
// a key or click it stays shown and still until the next one (0: it never rests). The defaults are
// the classic desktop's caret, which blinks for as long as it has the focus.
struct TCaretBlink {
  bool Blinks = true;
  std::uint32_t OnMs = 530;
  std::uint32_t OffMs = 530;
  std::uint32_t TimeoutMs = 0;
};

class THost {
 public:
  using TTimerId = std::uint32_t;

  virtual ~THost() = default;

  // Windows. The events object must outlive the window.
  virtual std::unique_ptr<THostWindow> CreateWindow(const THostWindowParams& params,
                                                    THostWindowEvents& events) = 0;
  virtual std::unique_ptr<THostWebView> CreateWebView(THostWindow& window, const TRect& rect) = 0;

  // Dispatches at most one pending event or due timer. With `wait` it blocks until there is one.
  // Returns whether something was dispatched.
  virtual bool ProcessEvents(bool wait) = 0;

  // Puts on screen, together and at once, what the windows were given to present since the last
  // call. The control layer calls it at the end of its idle paint pass, so that the parts painted
  // while handling an event and in the pass after it reach the screen in one paint.
  virtual void FlushPresented() {}

  // Milliseconds on the clock that stamps input events; wraps around.
  virtual std::uint32_t TickCount() const = 0;
  virtual TTimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) = 0;
  virtual void StopTimer(TTimerId id) = 0;

  virtual void Beep() = 0;
  virtual std::optional<std::string> ClipboardText() = 0;        // nullopt: cannot be read
  virtual bool SetClipboardText(std::string_view utf8) = 0;      // false: cannot be written
  virtual bool OpenUri(std::string_view uri) = 0;                // default handler, no dialog, no wait
  virtual bool OpenWithChooser(std::string_view extension) = 0;  // e.g. ".htm"

  // Whether a window may ask to be kept above the others. A Wayland compositor keeps that choice
  // to the user (the window menu's "Always on Top"); SetTopMost then does nothing.
  virtual bool CanKeepAbove() const { return true; }

  virtual TCaretBlink CaretBlink() const { return {}; }
  virtual std::uint32_t DoubleClickTime() const = 0;  // ms between the two presses
  virtual int DoubleClickDistance() const = 0;        // side of the box around the first press
  virtual TSize ScreenSize() const = 0;
};

}  // namespace gui
