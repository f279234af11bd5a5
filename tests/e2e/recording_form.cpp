#include "tests/e2e/recording_form.h"

#include "gui/graphics/canvas.h"
#include "gui/graphics/color.h"
#include "gui/graphics/text.h"

#include <gtk/gtk.h>

namespace e2e {

TRecordingForm::TRecordingForm(gui::THost& host, const gui::THostWindowParams& params)
    : FHost(host), FBuffer(params.ClientWidth, params.ClientHeight) {
  FWindow = host.CreateWindow(params, *this);
  Repaint();
}

void TRecordingForm::Repaint() {
  // A pattern in which every pixel differs from its neighbours, so an offset, a scaled or a
  // smoothed presentation cannot match it by chance.
  for (int y = 0; y < FBuffer.Height(); ++y) {
    std::uint32_t* row = FBuffer.ScanLine(y);
    for (int x = 0; x < FBuffer.Width(); ++x)
      row[x] = (static_cast<std::uint32_t>(x * 7 % 256) << 16) | (static_cast<std::uint32_t>(y * 5 % 256) << 8) |
               static_cast<std::uint32_t>((x ^ y) & 0xFF);
  }
  PaintText();
  PresentNow(FBuffer.BoundsRect());
}

void TRecordingForm::PresentNow(const gui::TRect& rect) {
  FWindow->Present(FBuffer, {&rect, 1});
  FHost.FlushPresented();
}

void TRecordingForm::PaintText() {
  gui::TCanvas& canvas = FBuffer.Canvas();
  canvas.Brush.Color = gui::clWhite;
  canvas.Brush.Style = gui::bsSolid;
  const gui::TRect box{8, 8, std::min(FBuffer.Width() - 8, 400), 30};
  canvas.FillRect(box);
  std::string utf8;
  for (char32_t c : Text) {
    char bytes[8] = {};
    const int n = g_unichar_to_utf8(static_cast<gunichar>(c), bytes);
    utf8.append(bytes, static_cast<std::size_t>(n));
  }
  canvas.Font.SetName("MS Sans Serif");
  canvas.Font.SetHeight(-11);
  canvas.Font.SetColor(gui::clBlack);
  canvas.Brush.Style = gui::bsClear;
  gui::TRect r = box;
  gui::DrawText(canvas, gui::Utf8ToAnsi(utf8), r, gui::DT_NOPREFIX | gui::DT_SINGLELINE);
  PresentNow(box);
}

std::vector<TRecordingForm::TEvent> TRecordingForm::Take(TKind kind) const {
  std::vector<TEvent> result;
  for (const TEvent& e : Events)
    if (e.Kind == kind) result.push_back(e);
  return result;
}

void TRecordingForm::HostMouseDown(gui::TMouseButton button, gui::TPoint pos, gui::TShiftState,
                                   std::uint32_t timeMs) {
  Events.push_back({ekMouseDown, button, pos, timeMs});
}

void TRecordingForm::HostMouseUp(gui::TMouseButton button, gui::TPoint pos, gui::TShiftState,
                                 std::uint32_t timeMs) {
  Events.push_back({ekMouseUp, button, pos, timeMs});
}

void TRecordingForm::HostMouseMove(gui::TPoint, gui::TShiftState, std::uint32_t) {}

void TRecordingForm::HostKeyDown(std::uint16_t key, gui::TShiftState) {
  LastKeyTime = gtk_get_current_event_time();
  Events.push_back({ekKeyDown, key, {}, 0});
}

void TRecordingForm::HostKeyUp(std::uint16_t key, gui::TShiftState) { Events.push_back({ekKeyUp, key, {}, 0}); }

void TRecordingForm::HostChar(char32_t ch) {
  Events.push_back({ekChar, static_cast<int>(ch), {}, 0});
  if (ch >= 32) {
    Text += ch;
    PaintText();
  }
}

void TRecordingForm::HostResized(int clientWidth, int clientHeight) {
  Resized = {clientWidth, clientHeight};
  FBuffer.SetSize(clientWidth, clientHeight);
  Repaint();
}

void TRecordingForm::HostExpose(const gui::TRect& rect) { PresentNow(rect); }

}  // namespace e2e
