#include "platform/gtk/gtk_web_view.h"

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/color.h"
#include "gui/graphics/geometry.h"
#include "gui/graphics/text.h"
#include "platform/gtk/gtk_window.h"
#include "platform/gtk/presenter.h"

#include <stdexcept>

namespace platform::gtk {

namespace {

// Without the web engine the pane shows what it would have loaded: the page's title and address,
// drawn with the program's own text rendering.
void PaintStandIn(cairo_t* cr, int width, int height, const std::string& title, const std::string& address) {
  if (width <= 0 || height <= 0) return;
  gui::TBitmap bitmap(width, height, gui::clWindow);
  gui::TCanvas& canvas = bitmap.Canvas();
  canvas.Font.SetName("MS Sans Serif");
  canvas.Font.SetHeight(-11);
  canvas.Font.SetColor(gui::clWindowText);
  canvas.Brush.Style = gui::bsClear;
  gui::TRect line{4, 4, width - 4, height - 4};
  const std::string text = gui::Utf8ToAnsi(title) + "\r\n" + gui::Utf8ToAnsi(address);
  gui::DrawText(canvas, text, line, gui::DT_NOPREFIX | gui::DT_END_ELLIPSIS);
  PresentBuffer(cr, {bitmap.Pixels(), width, height, width * 4});
}

}  // namespace

TGtkWebView::TGtkWebView(TGtkWindow& window, const gui::TRect& rect)
    : FView(std::make_unique<TWebView>(window.Overlay())) {
  FView->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
  FView->FallbackPainter = PaintStandIn;
  FView->OnLoadFailed = [this](const std::string& message) {
    if (OnLoadFailed) OnLoadFailed(FView->Address(), message);
  };
  FView->OnFocusIn = [this] {
    if (OnFocusIn) OnFocusIn();
  };
  FView->OnTabOut = [this](bool forward) {
    if (OnTabOut) OnTabOut(forward);
  };
  std::weak_ptr<bool> alive = FAlive;
  window.AfterFirstFrame([this, alive] {
    if (!alive.expired()) FView->Create();
  });
}

void TGtkWebView::SetBounds(const gui::TRect& rect) {
  FView->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TGtkWebView::SetVisible(bool visible) { FView->SetVisible(visible); }

bool TGtkWebView::Navigate(std::string_view uri) {
  try {
    FView->Navigate(std::string(uri));
    FNavigateError.clear();
    return true;
  } catch (const std::runtime_error& error) {
    FNavigateError = error.what();
    return false;
  }
}

}  // namespace platform::gtk
