#pragma once

// The in-memory host: a fixed screen, a clock the test controls, input pushed through the same
// entry points a real host uses (queued and dispatched by the event loop), and records of every
// service the program used. Deterministic: nothing happens unless the test makes it happen.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "gui/graphics/color.h"
#include "gui/graphics/geometry.h"
#include "gui/host.h"

namespace gui {
class TForm;
}

namespace platform::headless {

class THeadlessWindow;
class THeadlessWebView;

class THeadlessHost : public gui::THost {
 public:
  THeadlessHost();
  ~THeadlessHost() override;

  // gui::THost
  std::unique_ptr<gui::THostWindow> CreateWindow(const gui::THostWindowParams& params,
                                                 gui::THostWindowEvents& events) override;
  std::unique_ptr<gui::THostWebView> CreateWebView(gui::THostWindow& window, const gui::TRect& rect) override;
  bool ProcessEvents(bool wait) override;
  void FlushPresented() override;
  std::uint32_t TickCount() const override { return FNow; }
  TTimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
  void StopTimer(TTimerId id) override;
  void Beep() override { ++FBeeps; }
  std::optional<std::string> ClipboardText() override;
  bool SetClipboardText(std::string_view utf8) override;
  bool OpenUri(std::string_view uri) override;
  bool OpenWithChooser(std::string_view extension) override;
  std::uint32_t DoubleClickTime() const override { return FDoubleClickTime; }
  int DoubleClickDistance() const override { return FDoubleClickDistance; }
  gui::TCaretBlink CaretBlink() const override { return CaretBlinkSettings; }
  gui::TSize ScreenSize() const override { return FScreen; }
  bool CanKeepAbove() const override { return KeepAboveWorks; }

  // The clock. Advancing it fires the timers that come due, each at its own time.
  void AdvanceClock(std::uint32_t ms);

  // Scripted input for a shown form, queued in order; positions are client coordinates.
  void MouseDown(gui::TForm& form, gui::TPoint pos, gui::TMouseButton button = gui::mbLeft,
                 gui::TShiftState shift = {});
  void MouseUp(gui::TForm& form, gui::TPoint pos, gui::TMouseButton button = gui::mbLeft,
               gui::TShiftState shift = {});
  void MouseMove(gui::TForm& form, gui::TPoint pos, gui::TShiftState shift = {});
  void MouseLeave(gui::TForm& form);
  void KeyDown(gui::TForm& form, std::uint16_t key, gui::TShiftState shift = {});
  void KeyUp(gui::TForm& form, std::uint16_t key, gui::TShiftState shift = {});
  void Char(gui::TForm& form, char32_t ch);
  void CloseRequest(gui::TForm& form);
  void FocusChanged(gui::TForm& form, bool gained);
  void Resize(gui::TForm& form, int clientWidth, int clientHeight);
  bool HasPendingInput() const { return !FQueue.empty(); }

  // Handles queued input, due timers and the application's idle work until nothing is left.
  void RunUntilIdle();

  // Answers a modal form when its loop waits for input: typically pushes a click on a button or
  // sets the form's ModalResult. A modal form left unanswered is closed as by its close box
  // (result 2) and counted.
  std::function<void(gui::TForm&)> OnModal;
  int UnansweredModals() const { return FUnansweredModals; }
  // Errors thrown by OnModal. Such an error is a fault of the test script, not of the program:
  // it is kept here (and written to stderr), and the form is closed as an unanswered one.
  const std::vector<std::string>& AnswerErrors() const { return FAnswerErrors; }
  // Whether the application was told to end because it waited with nothing left to happen.
  bool RanOutOfInput() const { return FRanOutOfInput; }

  // Records and switches of the services.
  int Beeps() const { return FBeeps; }
  std::string Clipboard;  // UTF-8
  bool ClipboardFails = false;
  bool OpenUriSucceeds = true;
  bool NavigateSucceeds = true;
  const std::vector<std::string>& OpenedUris() const { return FOpenedUris; }
  const std::vector<std::string>& ChooserRequests() const { return FChooserRequests; }
  const std::vector<std::string>& Navigations() const { return FNavigations; }
  int WebViewsCreated() const { return FWebViews; }
  // The web views that exist now, oldest first.
  const std::vector<THeadlessWebView*>& WebViews() const { return FLiveWebViews; }

  // How carets blink; the classic desktop's way unless a test changes it.
  gui::TCaretBlink CaretBlinkSettings;
  // Timers running now.
  std::size_t TimerCount() const { return FTimers.size(); }

  // Settings a test may change before creating windows.
  void SetScreenSize(gui::TSize size) { FScreen = size; }
  // The screen's scale factor (1 to 8) for the windows created from now on.
  void SetWindowScale(int scale);
  int WindowScale() const { return FWindowScale; }
  // Whether windows can be kept above others (false plays a Wayland desktop).
  bool KeepAboveWorks = true;
  // Moves a shown form's window to a screen of another scale, as dragging it to another monitor.
  void ChangeScale(gui::TForm& form, int scale);
  void SetDoubleClick(std::uint32_t timeMs, int distance) {
    FDoubleClickTime = timeMs;
    FDoubleClickDistance = distance;
  }

  // The window of a shown form (throws when the form has none).
  THeadlessWindow& WindowOf(const gui::TForm& form) const;
  // Paints what is pending and saves the form's client area as PNG.
  void SaveFormPng(gui::TForm& form, const std::string& path);
  // A pixel of the form's client area after painting what is pending, in device pixels.
  gui::TColor Pixel(gui::TForm& form, int x, int y);

  // The frame the headless desktop puts around a window of a border style (Left, Top, Right, Bottom).
  static gui::TRect FrameOf(gui::TFormBorderStyle style);

  // Bookkeeping by the windows and web views.
  void WindowCreated(THeadlessWindow* window) { FWindows.insert(window); }
  void WindowDestroyed(THeadlessWindow* window);
  // A window's modal loop ended: the next time it is shown modally it is a new question.
  void ModalEnded(const THeadlessWindow* window);
  void RecordNavigation(const std::string& uri) { FNavigations.push_back(uri); }
  void WebViewCreated(THeadlessWebView* view) { FLiveWebViews.push_back(view); }
  void WebViewDestroyed(THeadlessWebView* view);

 private:
  enum TEventKind {
    ekMouseDown,
    ekMouseUp,
    ekMouseMove,
    ekMouseLeave,
    ekKeyDown,
    ekKeyUp,
    ekChar,
    ekClose,
    ekFocus,
    ekResize
  };
  struct TEvent {
    TEventKind Kind = ekMouseMove;
    THeadlessWindow* Window = nullptr;
    gui::TPoint Pos = {};
    gui::TMouseButton Button = gui::mbLeft;
    gui::TShiftState Shift = {};
    std::uint32_t Time = 0;
    std::uint16_t Key = 0;
    char32_t Ch = 0;
    bool Flag = false;
    int Width = 0, Height = 0;
  };
  struct TTimer {
    std::uint32_t Interval;
    std::uint64_t Due;
    std::function<void()> OnTick;
  };

  void Post(gui::TForm& form, TEvent event);
  void Dispatch(const TEvent& event);
  bool FireDueTimer(std::uint64_t now);
  bool AnswerModal();
  void RecordAnswerError(const std::string& form, const std::string& message);

  std::deque<TEvent> FQueue;
  std::unordered_set<THeadlessWindow*> FWindows;
  std::map<TTimerId, TTimer> FTimers;
  TTimerId FNextTimer = 1;
  std::uint64_t FClock = 1000;  // wide, so that timers keep their order across a wrap of TickCount
  std::uint32_t FNow = 1000;
  std::vector<const gui::THostWindow*> FAnswered;  // modal windows whose question was put to OnModal
  gui::TSize FScreen{1280, 1024};
  int FWindowScale = 1;
  std::uint32_t FDoubleClickTime = 500;
  int FDoubleClickDistance = 4;
  int FBeeps = 0;
  int FUnansweredModals = 0;
  int FWebViews = 0;
  bool FRanOutOfInput = false;
  std::vector<std::string> FOpenedUris;
  std::vector<std::string> FChooserRequests;
  std::vector<std::string> FNavigations;
  std::vector<THeadlessWebView*> FLiveWebViews;
  std::vector<std::string> FAnswerErrors;
};

}  // namespace platform::headless
