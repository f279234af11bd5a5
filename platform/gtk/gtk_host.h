#pragma once

#include "gui/host.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

typedef union _GdkEvent GdkEvent;

namespace platform::gtk {

class TGtkWindow;

// The desktop host: real windows on GTK 3, input from the X server, the desktop's services and a
// WebKitGTK browser pane. One per process, made after Initialize.
class TGtkHost : public gui::THost {
 public:
  // Sets the start-up environment defaults and opens the display. Throws std::runtime_error when
  // no display can be opened. Safe to call more than once.
  static void Initialize(int* argc, char*** argv);

  TGtkHost();
  ~TGtkHost() override;
  TGtkHost(const TGtkHost&) = delete;
  TGtkHost& operator=(const TGtkHost&) = delete;

  std::unique_ptr<gui::THostWindow> CreateWindow(const gui::THostWindowParams& params,
                                                 gui::THostWindowEvents& events) override;
  std::unique_ptr<gui::THostWebView> CreateWebView(gui::THostWindow& window, const gui::TRect& rect) override;

  bool ProcessEvents(bool wait) override;
  void FlushPresented() override;

  std::uint32_t TickCount() const override;
  TTimerId StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) override;
  void StopTimer(TTimerId id) override;

  void Beep() override;
  std::optional<std::string> ClipboardText() override;
  bool SetClipboardText(std::string_view utf8) override;
  bool OpenUri(std::string_view uri) override;
  bool OpenWithChooser(std::string_view extension) override;

  std::uint32_t DoubleClickTime() const override;
  int DoubleClickDistance() const override;
  gui::TCaretBlink CaretBlink() const override;
  gui::TSize ScreenSize() const override;
  bool CanKeepAbove() const override;

  // --- used by the windows ---

  // Input for `window` is dropped while a modal window other than it is on top, and held back
  // (to be replayed later) while the host waits for the clipboard.
  bool AcceptsInput(const TGtkWindow* window) const;
  bool HoldingInput() const { return FHoldInput; }
  void HoldBack(const GdkEvent* event);
  // Keeps TickCount on the clock of the input events' time stamps.
  void NoteEventTime(std::uint32_t time);
  void PushModal(TGtkWindow* window);
  void RemoveModal(TGtkWindow* window);
  void WindowDestroyed(TGtkWindow* window);
  // Paints `window` when the control layer's idle pass is over (FlushPresented).
  void PaintAfterIdlePass(TGtkWindow* window);

 private:
  void ReplayHeldInput();

  std::vector<TGtkWindow*> FModalStack;
  std::vector<TGtkWindow*> FToPaint;
  std::deque<GdkEvent*> FHeld;
  bool FHoldInput = false;
  std::int64_t FClockOffset = 0;
};

}  // namespace platform::gtk
