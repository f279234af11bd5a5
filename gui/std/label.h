#pragma once

// The plain label: a caption laid out by DrawText inside the label's rectangle, on the parent's
// background unless Transparent is off, optionally sized to its text, and a link from its
// accelerator character to another control.

#include <optional>

#include "gui/controls/graphic_control.h"
#include "gui/controls/win_control.h"
#include "gui/std/std_types.h"

namespace gui {

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);

  // The control that takes the focus when the label's accelerator is typed.
  TWinControl* FocusControl() const { return FFocusControlAlive && *FFocusControlAlive ? FFocusControl : nullptr; }
  void SetFocusControl(TWinControl* control);

  bool DialogChar(char ch, TShiftState shift) override;

  TAccRole AccRole() const override { return AccHidden() ? arNone : arLabel; }
  std::optional<TAccText> AccText() const override {
    return TAccText{ShowAccelChar() ? StripAccelChars(Caption()) : Caption()};
  }
  // Known for a caption of one line.
  std::optional<TRect> AccCharRect(int index) override;

  // The DrawText flags the caption is laid out with (without CALCRECT).
  unsigned DrawTextFlags() const;

 protected:
  // The caption as it is shown: without its access-key marks.
  std::string AccDefaultName() const override;
  void Paint(TCanvas& canvas) override;
  void TextChanged() override;
  void FontChanged() override;
  void Loaded() override;
  // Sizes the label to its caption when AutoSize is on.
  virtual void AdjustBounds();
  // Draws the caption into rect with the canvas font; CALCRECT in flags only measures.
  virtual void DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags);

 private:
  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
  bool FTransparent = false;
  bool FAutoSize = true;
  TWinControl* FFocusControl = nullptr;
  std::optional<TAliveToken::TWatch> FFocusControlAlive;
};

}  // namespace gui
