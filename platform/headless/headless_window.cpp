#include "platform/headless/headless_window.h"

#include "platform/headless/headless_host.h"

namespace platform::headless {

THeadlessWindow::THeadlessWindow(THeadlessHost& host, const gui::THostWindowParams& params,
                                 gui::THostWindowEvents& events)
    : FHost(host),
      FEvents(events),
      FTitle(params.Title),
      FClientSize{params.ClientWidth, params.ClientHeight},
      FPosition{params.Left, params.Top},
      FBorderStyle(params.BorderStyle),
      FBorderIcons(params.BorderIcons),
      FOwner(params.Owner),
      FModal(params.Modal) {
  FScale = host.WindowScale();
  FHost.WindowCreated(this);
}

THeadlessWindow::~THeadlessWindow() { FHost.WindowDestroyed(this); }

void THeadlessWindow::CenterOnScreen() {
  const gui::TSize screen = FHost.ScreenSize();
  const gui::TRect frame = THeadlessHost::FrameOf(FBorderStyle);
  const int outerWidth = FClientSize.Width + frame.Left + frame.Right;
  const int outerHeight = FClientSize.Height + frame.Top + frame.Bottom;
  FPosition = {(screen.Width - outerWidth) / 2, (screen.Height - outerHeight) / 2};
}

void THeadlessWindow::SetTopMost(bool topMost) {
  FTopMost = topMost;
  ++FTopMostChanges;
}

void THeadlessWindow::SetModal(bool modal, gui::THostWindow* owner) {
  if (FModal && !modal) FHost.ModalEnded(this);
  FModal = modal;
  FOwner = owner;
}

void THeadlessWindow::Present(const gui::TBitmap& buffer, std::span<const gui::TRect> region) {
  FBuffer = &buffer;
  FLastPresented.assign(region.begin(), region.end());
  ++FPresents;
  FPresentedInFrame = true;
}

}  // namespace platform::headless
