#include "dialogs/message_form.h"

#include <algorithm>
#include <array>

#include "dialogs/dialog_units.h"
#include "dialogs/message_icon.h"
#include "gui/controls/application.h"
#include "gui/graphics/measure_canvas.h"
#include "gui/std/button.h"
#include "gui/std/clipboard.h"
#include "gui/std/label.h"

namespace dialogs {

using namespace gui;

namespace {

// Caption widths are measured once per run: the captions and the font never change.
std::array<int, kDialogButtonCount> ButtonWidthCache{};

constexpr int kIconSize = TMessageIcon::kSize;

std::string WithoutAmpersands(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != '&') out += c;
  return out;
}

}  // namespace

int TMessageForm::ButtonWidth(TCanvas& canvas, int minimum, TDialogButtons buttons) {
  int width = minimum;
  for (int b = 0; b < kDialogButtonCount; ++b) {
    if (!buttons.Contains(DialogButton(b))) continue;
    int& cached = ButtonWidthCache[std::size_t(b)];
    if (cached == 0) {
      TRect r{0, 0, 0, 0};
      DrawText(canvas, ButtonCaption(DialogButton(b)), r, DT_CALCRECT | DT_LEFT | DT_SINGLELINE);
      cached = r.Width() + 8;
    }
    width = std::max(width, cached);
  }
  return width;
}

TMessageForm::TMessageForm(TComponent* owner, const AnsiString& message, MessageKind kind, TDialogButtons buttons)
    : TForm(owner) {
  SetBorderStyle(bsDialog);
  SetBorderIcons(TBorderIcons(biSystemMenu));
  SetPosition(poScreenCenter);
  SetColor(clBtnFace);
  // The system's message font.
  Font().SetName("Tahoma");
  Font().SetHeight(-11);

  const TDialogUnits du = DialogUnitsOf(Font());
  TCanvas& canvas = MeasureCanvas(Font());
  const int horzMargin = du.Horz(8);
  const int vertMargin = du.Vert(8);
  const int horzSpacing = du.Horz(10);
  const int vertSpacing = du.Vert(10);
  const int buttonHeight = du.Vert(14);
  const int buttonSpacing = du.Horz(4);
  const int buttonWidth = ButtonWidth(canvas, du.Horz(50), buttons);

  // The message wraps inside half the screen's width; the window grows in height instead.
  const int screenWidth = Application ? Application->Host().ScreenSize().Width : 1024;
  TRect text{0, 0, screenWidth / 2, 0};
  DrawText(canvas, message, text, DT_EXPANDTABS | DT_CALCRECT | DT_WORDBREAK);
  const bool hasIcon = KindHasIcon(kind);
  int blockWidth = text.Width();
  int blockHeight = text.Height();
  if (hasIcon) {
    blockWidth += horzSpacing + kIconSize;
    blockHeight = std::max(blockHeight, kIconSize);
  }
  const int count = buttons.Count();
  const int groupWidth = count > 0 ? count * buttonWidth + (count - 1) * buttonSpacing : 0;
  const int clientWidth = std::max(blockWidth, groupWidth) + 2 * horzMargin;
  SetClientSize(clientWidth, blockHeight + buttonHeight + vertSpacing + 2 * vertMargin);

  if (kind == mkCustom)
    SetCaption(Application ? Application->Title() : std::string());
  else
    SetCaption(KindTitle(kind));

  if (hasIcon) {
    FImage = new TMessageIcon(this);
    FImage->SetName("Image");
    FImage->SetParent(this);
    FImage->SetKind(kind);
    FImage->SetBounds(horzMargin, vertMargin, kIconSize, kIconSize);
  }

  FMessage = new TLabel(this);
  FMessage->SetName("Message");
  FMessage->SetParent(this);
  FMessage->SetWordWrap(true);
  FMessage->SetAutoSize(false);
  FMessage->SetCaption(message);
  FMessage->SetBounds(blockWidth - text.Width() + horzMargin, vertMargin, text.Width(), text.Height());

  CreateButtons(buttons, {(clientWidth - groupWidth) / 2, blockHeight + vertMargin + vertSpacing},
                {buttonWidth, buttonHeight}, buttonSpacing);
}

void TMessageForm::CreateButtons(TDialogButtons buttons, TPoint origin, TSize size, int spacing) {
  const DialogButton defaultButton = DefaultButtonOf(buttons);
  const DialogButton cancelButton = CancelButtonOf(buttons);
  int x = origin.X;
  for (int b = 0; b < kDialogButtonCount; ++b) {
    const DialogButton which = DialogButton(b);
    if (!buttons.Contains(which)) continue;
    auto* button = new TButton(this);
    button->SetName(ButtonName(which));
    button->SetParent(this);
    button->SetCaption(ButtonCaption(which));
    button->SetModalResult(ButtonResult(which));
    button->SetDefault(which == defaultButton);
    button->SetCancel(which == cancelButton);
    button->SetBounds(x, origin.Y, size.Width, size.Height);
    // Ctrl+C must work whichever button has the focus.
    button->OnKeyDown = [this](TComponent*, std::uint16_t& key, TShiftState shift) {
      if (HandleCopyKey(key, shift)) key = 0;
    };
    // The help button shows the application's help and leaves the dialog open.
    if (which == dbHelp)
      button->OnClick = [this](TComponent*) {
        if (Application && Application->OnHelp) Application->OnHelp(FHelpContext);
      };
    FButtons[b] = button;
    x += size.Width + spacing;
  }
  // The first button in Tab order holds the initial focus.
  for (TButton* button : FButtons)
    if (button) {
      SetActiveControl(button);
      break;
    }
}

AnsiString TMessageForm::CopyText() const {
  static const std::string kDivider = std::string(27, '-') + "\r\n";
  std::string captions;
  for (const TButton* button : FButtons)
    if (button) captions += button->Caption() + "   ";
  return kDivider + Caption() + "\r\n" + kDivider + FMessage->Caption() + "\r\n" + kDivider +
         WithoutAmpersands(captions) + "\r\n" + kDivider;
}

void TMessageForm::CopyToClipboard() {
  if (Application) Application->Host().Beep();
  ClipboardSetText(CopyText());
}

bool TMessageForm::HandleCopyKey(std::uint16_t key, TShiftState shift) {
  const bool ctrlOnly = shift.Contains(ssCtrl) && !shift.Contains(ssShift) && !shift.Contains(ssAlt);
  if (key != 'C' || !ctrlOnly) return false;
  CopyToClipboard();
  return true;
}

void TMessageForm::KeyDown(std::uint16_t& key, TShiftState shift) {
  if (HandleCopyKey(key, shift)) {
    key = 0;
    return;
  }
  TForm::KeyDown(key, shift);
}

}  // namespace dialogs
