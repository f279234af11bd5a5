#pragma once
// The widget set's text label: the plain label's caption placement with a border stack, a text
// margin, embossed and shadowed text, ellipses, and a text colour of its own that follows the font.
//
// What a change costs matters here: the main window rewrites hundreds of captions and colours
// after every entry. An equal value does nothing at all; a new caption is painted before its
// setter returns; a new font (colour included) is painted with the next paint pass.

#include "gui/std/label.h"
#include "widgets/border_properties.h"
#include "widgets/parent_background.h"

namespace widgets {

using gui::taCenter;
using gui::taLeftJustify;
using gui::TAlignment;
using gui::taRightJustify;
using gui::tlBottom;
using gui::tlCenter;
using gui::tlTop;
using gui::TTextLayout;

enum TTextStyle : std::uint8_t { tsNormal, tsRaised, tsRecessed, tsShadow };

enum TUiCondenseCaption : std::uint8_t { ccNone, ccAtEnd, ccWithinPath };

class TUiLabel : public gui::TLabel, public TBorderProperties, public TTransparentProperty {
 public:
  explicit TUiLabel(gui::TComponent* owner);

  bool Transparent() const override { return TLabel::Transparent(); }

  TTextStyle TextStyle() const { return FTextStyle; }
  void SetTextStyle(TTextStyle value);
  // Raised and recessed text draw only their lighter pass.
  bool LightTextStyle() const { return FLightTextStyle; }
  void SetLightTextStyle(bool value);
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor value);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor value);
  int ShadowDepth() const { return FShadowDepth; }
  void SetShadowDepth(int value);
  int TextMargin() const { return FTextMargin; }
  void SetTextMargin(int value);
  // Anything but ccNone also turns AutoSize off: a label that fits its text has nothing to shorten.
  TUiCondenseCaption CondenseCaption() const { return FCondenseCaption; }
  void SetCondenseCaption(TUiCondenseCaption value);

  // The colour of the main text pass: Font.Color as it was after the last font change outside
  // loading (and at the end of loading).
  TColor TextColor() const { return FTextColor; }

  // The DrawText flags of the caption (without CALCRECT).
  unsigned TextFlags() const;
  // Where the caption is laid out: the client rectangle inside the frame and the text margin.
  TRect TextRect() const;

 protected:
  void Paint(TCanvas& canvas) override;
  void AdjustBounds() override;
  void TextChanged() override;
  void FontChanged() override;
  void Loaded() override;
  void BorderChanged(TBorderProperty property) override;

 private:
  void DrawCaption(TCanvas& canvas, const TRect& textRect);
  void DrawPass(TCanvas& canvas, const TRect& textRect, int dx, int dy, TColor color);

  TTextStyle FTextStyle = tsNormal;
  bool FLightTextStyle = false;
  TColor FHighlightColor = clBtnHighlight;
  TColor FShadowColor = clBtnShadow;
  int FShadowDepth = 2;
  int FTextMargin = 0;
  TUiCondenseCaption FCondenseCaption = ccNone;
  TColor FTextColor = gui::clWindowText;
};

}  // namespace widgets
