#include "platform/headless/headless_host.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "platform/headless/headless_web_view.h"
#include "platform/headless/headless_window.h"

namespace platform::headless {

THeadlessWebView::THeadlessWebView(THeadlessHost& host, const gui::TRect& rect) : FHost(host), FBounds(rect) {
  FHost.WebViewCreated(this);
}

THeadlessWebView::~THeadlessWebView() { FHost.WebViewDestroyed(this); }

bool THeadlessWebView::Navigate(std::string_view uri) {
  FHost.RecordNavigation(std::string(uri));
  if (!FHost.NavigateSucceeds) {
    FError = "Cannot navigate to \"" + std::string(uri) + "\": refused by the test";
    return false;
  }
  FAddress = std::string(uri);
  FError.clear();
  return true;
}

void THeadlessWebView::ClickIntoPage() {
  FFocused = true;
  if (OnFocusIn) OnFocusIn();
}

void THeadlessWebView::TabOutOfPage(bool forward) {
  FFocused = false;
  if (OnTabOut) OnTabOut(forward);
}

THeadlessHost::THeadlessHost() = default;
THeadlessHost::~THeadlessHost() = default;

gui::TRect THeadlessHost::FrameOf(gui::TFormBorderStyle style) {
  return style == gui::bsSizeable ? gui::TRect{4, 24, 4, 4} : gui::TRect{3, 22, 3, 3};
}

std::unique_ptr<gui::THostWindow> THeadlessHost::CreateWindow(const gui::THostWindowParams& params,
                                                              gui::THostWindowEvents& events) {
  return std::make_unique<THeadlessWindow>(*this, params, events);
}

std::unique_ptr<gui::THostWebView> THeadlessHost::CreateWebView(gui::THostWindow&, const gui::TRect& rect) {
  ++FWebViews;
  return std::make_unique<THeadlessWebView>(*this, rect);
}

void THeadlessHost::WebViewDestroyed(THeadlessWebView* view) { std::erase(FLiveWebViews, view); }

THeadlessWindow& THeadlessHost::WindowOf(const gui::TForm& form) const {
  auto* window = static_cast<THeadlessWindow*>(form.HostWindow());
  if (!window || !FWindows.count(window))
    throw std::logic_error("headless host: form '" + form.Name() + "' has no window (it was never shown)");
  return *window;
}

void THeadlessHost::Post(gui::TForm& form, TEvent event) {
  event.Window = &WindowOf(form);
  event.Time = FNow;
  FQueue.push_back(event);
}

void THeadlessHost::MouseDown(gui::TForm& form, gui::TPoint pos, gui::TMouseButton button,
                              gui::TShiftState shift) {
  Post(form, {.Kind = ekMouseDown, .Window = nullptr, .Pos = pos, .Button = button, .Shift = shift});
}
void THeadlessHost::MouseUp(gui::TForm& form, gui::TPoint pos, gui::TMouseButton button, gui::TShiftState shift) {
  Post(form, {.Kind = ekMouseUp, .Window = nullptr, .Pos = pos, .Button = button, .Shift = shift});
}
void THeadlessHost::MouseMove(gui::TForm& form, gui::TPoint pos, gui::TShiftState shift) {
  Post(form, {.Kind = ekMouseMove, .Window = nullptr, .Pos = pos, .Shift = shift});
}
void THeadlessHost::MouseLeave(gui::TForm& form) { Post(form, {.Kind = ekMouseLeave, .Window = nullptr}); }
void THeadlessHost::KeyDown(gui::TForm& form, std::uint16_t key, gui::TShiftState shift) {
  Post(form, {.Kind = ekKeyDown, .Window = nullptr, .Shift = shift, .Key = key});
}
void THeadlessHost::KeyUp(gui::TForm& form, std::uint16_t key, gui::TShiftState shift) {
  Post(form, {.Kind = ekKeyUp, .Window = nullptr, .Shift = shift, .Key = key});
}
void THeadlessHost::Char(gui::TForm& form, char32_t ch) {
  Post(form, {.Kind = ekChar, .Window = nullptr, .Ch = ch});
}
void THeadlessHost::CloseRequest(gui::TForm& form) { Post(form, {.Kind = ekClose, .Window = nullptr}); }
void THeadlessHost::FocusChanged(gui::TForm& form, bool gained) {
  Post(form, {.Kind = ekFocus, .Window = nullptr, .Flag = gained});
}
void THeadlessHost::Resize(gui::TForm& form, int clientWidth, int clientHeight) {
  Post(form, {.Kind = ekResize, .Window = nullptr, .Width = clientWidth, .Height = clientHeight});
}

void THeadlessHost::Dispatch(const TEvent& e) {
  if (!FWindows.count(e.Window)) return;  // the window went away meanwhile
  gui::THostWindowEvents& sink = e.Window->Events();
  switch (e.Kind) {
    case ekMouseDown:
      // As a window manager does, a press on a window gives it the keyboard focus first.
      sink.HostFocusChanged(true);
      if (FWindows.count(e.Window)) sink.HostMouseDown(e.Button, e.Pos, e.Shift, e.Time);
      break;
    case ekMouseUp: sink.HostMouseUp(e.Button, e.Pos, e.Shift, e.Time); break;
    case ekMouseMove: sink.HostMouseMove(e.Pos, e.Shift, e.Time); break;
    case ekMouseLeave: sink.HostMouseLeave(); break;
    case ekKeyDown: sink.HostKeyDown(e.Key, e.Shift); break;
    case ekKeyUp: sink.HostKeyUp(e.Key, e.Shift); break;
    case ekChar: sink.HostChar(e.Ch); break;
    case ekClose: sink.HostCloseRequest(); break;
    case ekFocus: sink.HostFocusChanged(e.Flag); break;
    case ekResize:
      e.Window->SetClientSize(e.Width, e.Height);
      sink.HostResized(e.Width, e.Height);
      break;
  }
}

gui::THost::TTimerId THeadlessHost::StartTimer(std::uint32_t intervalMs, std::function<void()> onTick) {
  const TTimerId id = FNextTimer++;
  FTimers[id] = {intervalMs, FClock + intervalMs, std::move(onTick)};
  return id;
}

void THeadlessHost::StopTimer(TTimerId id) { FTimers.erase(id); }

bool THeadlessHost::FireDueTimer(std::uint64_t now) {
  auto next = FTimers.end();
  for (auto it = FTimers.begin(); it != FTimers.end(); ++it)
    if (it->second.Due <= now && (next == FTimers.end() || it->second.Due < next->second.Due)) next = it;
  if (next == FTimers.end()) return false;
  next->second.Due += std::max<std::uint32_t>(1, next->second.Interval);
  auto onTick = next->second.OnTick;  // the callback may stop its own timer
  onTick();
  return true;
}

void THeadlessHost::AdvanceClock(std::uint32_t ms) {
  const std::uint64_t target = FClock + ms;
  for (;;) {
    std::uint64_t due = target + 1;
    for (const auto& [id, timer] : FTimers) due = std::min(due, timer.Due);
    if (due > target) break;
    FClock = std::max(FClock, due);
    FNow = static_cast<std::uint32_t>(FClock);
    FireDueTimer(FClock);
  }
  FClock = target;
  FNow = static_cast<std::uint32_t>(FClock);
}

bool THeadlessHost::AnswerModal() {
  gui::TForm* modal = gui::Application ? gui::Application->ModalForm() : nullptr;
  if (!modal) return false;
  const gui::THostWindow* window = modal->HostWindow();
  const bool answered = std::find(FAnswered.begin(), FAnswered.end(), window) != FAnswered.end();
  if (OnModal && !answered) {
    FAnswered.push_back(window);
    auto answer = OnModal;
    auto alive = modal->Watch();
    const std::string name = modal->Name();
    try {
      answer(*modal);
      return true;
    } catch (const std::exception& e) {
      RecordAnswerError(name, e.what());
    } catch (...) {
      RecordAnswerError(name, "unknown error");
    }
    // Left to the application's error report, the error would open a modal report that the same
    // callback answers with the same error, without end.
    if (!alive || gui::Application->ModalForm() != modal) return true;
  }
  ++FUnansweredModals;
  modal->HostCloseRequest();
  return true;
}

void THeadlessHost::RecordAnswerError(const std::string& form, const std::string& message) {
  FAnswerErrors.push_back(message);
  std::fprintf(stderr, "headless host: answering modal form '%s' failed: %s\n", form.c_str(), message.c_str());
}

void THeadlessHost::ModalEnded(const THeadlessWindow* window) { std::erase(FAnswered, window); }

void THeadlessHost::WindowDestroyed(THeadlessWindow* window) {
  FWindows.erase(window);
  ModalEnded(window);
}

bool THeadlessHost::ProcessEvents(bool wait) {
  if (!FQueue.empty()) {
    const TEvent event = FQueue.front();
    FQueue.pop_front();
    Dispatch(event);
    return true;
  }
  if (FireDueTimer(FClock)) return true;
  if (!wait) return false;
  // Waiting, and nothing will ever come: answer a modal form, or end the application.
  if (AnswerModal()) return true;
  if (gui::Application) {
    FRanOutOfInput = true;
    gui::Application->Terminate();
  }
  return false;
}

void THeadlessHost::FlushPresented() {
  for (THeadlessWindow* window : FWindows) window->EndFrame();
}

void THeadlessHost::RunUntilIdle() {
  for (int round = 0; round < 100000; ++round) {
    if (gui::Application) {
      gui::Application->ProcessMessages();
      if (FQueue.empty() && !gui::Application->HasIdleWork()) return;
    } else {
      while (ProcessEvents(false)) {
      }
      return;
    }
  }
  throw std::runtime_error("headless host: the application stays busy (100000 rounds without becoming idle)");
}

std::optional<std::string> THeadlessHost::ClipboardText() {
  if (ClipboardFails) return std::nullopt;
  return Clipboard;
}

bool THeadlessHost::SetClipboardText(std::string_view utf8) {
  if (ClipboardFails) return false;
  Clipboard = std::string(utf8);
  return true;
}

bool THeadlessHost::OpenUri(std::string_view uri) {
  FOpenedUris.emplace_back(uri);
  return OpenUriSucceeds;
}

bool THeadlessHost::OpenWithChooser(std::string_view extension) {
  FChooserRequests.emplace_back(extension);
  return true;
}

void THeadlessHost::SetWindowScale(int scale) { FWindowScale = std::clamp(scale, 1, gui::TBitmap::MaxScale); }

void THeadlessHost::ChangeScale(gui::TForm& form, int scale) {
  THeadlessWindow& window = WindowOf(form);
  window.SetScale(std::clamp(scale, 1, gui::TBitmap::MaxScale));
  window.Events().HostScaleChanged();
}

void THeadlessHost::SaveFormPng(gui::TForm& form, const std::string& path) {
  form.PaintPending();
  form.BackBuffer().SaveToFile(path);
}

gui::TColor THeadlessHost::Pixel(gui::TForm& form, int x, int y) {
  form.PaintPending();
  return form.BackBuffer().GetPixel(x, y);
}

}  // namespace platform::headless
