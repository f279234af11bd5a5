#pragma once

#include "gui/graphics/bitmap.h"
#include "gui/graphics/geometry.h"
#include "gui/host.h"

#include <memory>
#include <string>
#include <vector>

namespace e2e {

// A window with a hand-made back buffer that records everything the host tells it: the host is
// tested on its own, without the control layer in between.
class TRecordingForm : public gui::THostWindowEvents {
 public:
  enum TKind { ekMouseDown, ekMouseUp, ekKeyDown, ekKeyUp, ekChar };
  struct TEvent {
    TKind Kind;
    int Code = 0;  // button, virtual key or character
    gui::TPoint Pos;
    std::uint32_t Time = 0;
  };

  TRecordingForm(gui::THost& host, const gui::THostWindowParams& params);

  gui::THostWindow& Window() { return *FWindow; }
  const gui::TBitmap& Buffer() const { return FBuffer; }
  void Repaint();

  std::vector<TEvent> Events;
  std::u32string Text;
  int Leaves = 0;
  gui::TSize Resized;
  bool Focused = false;
  // The X server's time stamp of the last key press.
  std::uint32_t LastKeyTime = 0;

  std::vector<TEvent> Take(TKind kind) const;

  void HostMouseDown(gui::TMouseButton button, gui::TPoint pos, gui::TShiftState shift,
                     std::uint32_t timeMs) override;
  void HostMouseUp(gui::TMouseButton button, gui::TPoint pos, gui::TShiftState shift,
                   std::uint32_t timeMs) override;
  void HostMouseMove(gui::TPoint pos, gui::TShiftState shift, std::uint32_t timeMs) override;
  void HostMouseLeave() override { ++Leaves; }
  void HostKeyDown(std::uint16_t key, gui::TShiftState shift) override;
  void HostKeyUp(std::uint16_t key, gui::TShiftState shift) override;
  void HostChar(char32_t ch) override;
  void HostCloseRequest() override {}
  void HostResized(int clientWidth, int clientHeight) override;
  void HostMoved(int, int) override {}
  void HostExpose(const gui::TRect& rect) override;
  void HostFocusChanged(bool gained) override { Focused = gained; }

 private:
  void PaintText();
  // Shows a part of the buffer at once, as the control layer does at the end of its paint pass.
  void PresentNow(const gui::TRect& rect);

  gui::THost& FHost;
  std::unique_ptr<gui::THostWindow> FWindow;
  gui::TBitmap FBuffer;
};

}  // namespace e2e
