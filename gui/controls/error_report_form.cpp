#include "gui/controls/error_report_form.h"

#include <algorithm>

#include "gui/controls/application.h"
#include "gui/graphics/measure_canvas.h"
#include "gui/graphics/text.h"

namespace gui {

namespace {
constexpr int kMargin = 12;
constexpr int kMinTextWidth = 200;
constexpr unsigned kTextFlags = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
}  // namespace

TErrorReportForm::TErrorReportForm(TComponent* owner, const std::string& title, const std::string& message)
    : TForm(owner), FMessage(message) {
  SetBorderStyle(bsDialog);
  SetBorderIcons(TBorderIcons(biSystemMenu));
  SetPosition(poScreenCenter);
  SetCaption(title);
  Font().SetName("Tahoma");
  Font().SetHeight(-11);

  // The text wraps at half the screen's width, as a message box does.
  const int maxWidth = Application ? Application->Host().ScreenSize().Width / 2 : 640;
  TRect text{0, 0, maxWidth, 0};
  DrawText(MeasureCanvas(Font()), FMessage, text, kTextFlags | DT_CALCRECT);
  FTextRect = Bounds(kMargin, kMargin, text.Width(), text.Height());
  SetClientSize(std::max(text.Width(), kMinTextWidth) + 2 * kMargin, text.Height() + 2 * kMargin);
}

bool TErrorReportForm::DialogKey(std::uint16_t key, TShiftState shift) {
  if (key == VK_RETURN || key == VK_ESCAPE) {
    SetModalResult(mrOk);
    return true;
  }
  return TForm::DialogKey(key, shift);
}

void TErrorReportForm::Paint(TCanvas& c) {
  c.Brush.Style = bsClear;
  TRect text = FTextRect;
  DrawText(c, FMessage, text, kTextFlags);
}

}  // namespace gui
