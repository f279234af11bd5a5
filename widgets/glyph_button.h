#pragma once
// A control that draws a small state glyph (13 x 13) beside its caption, sizes itself to its
// caption, and composes every paint off screen over a cached background, so a change of state
// is one copy to the screen and never flickers. Space pressed and released, or a mouse press
// released inside, runs ToggleState.

#include "gui/graphics/bitmap.h"
#include "widgets/custom_button.h"

namespace widgets {

class TUiCustomGlyphButton : public TUiCustomButton {
 public:
  static constexpr int StateGlyphSize = 13;
  // Room between the glyph and the caption.
  static constexpr int GlyphSpacing = 4;

  explicit TUiCustomGlyphButton(gui::TComponent* owner);

  // The side of the caption: taRightJustify puts it right of the glyph. taCenter is ignored.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  // A see-through control shows its parent under the caption and around the glyph.
  using TUiCustomButton::Transparent;
  void SetTransparent(bool value);
  // The key colour of the state glyph: its pixels show the background.
  TColor TransparentColor() const { return FTransparentColor; }
  void SetTransparentColor(TColor value);
  // Clicks, Space and the accelerator change nothing.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value) { FReadOnly = value; }
  // Enter moves the focus on like Tab.
  bool TabOnEnter() const { return FTabOnEnter; }
  void SetTabOnEnter(bool value) { FTabOnEnter = value; }

  virtual bool Checked() const { return false; }
  virtual void SetChecked(bool) {}

  bool MousePressing() const { return FMousePressing; }
  bool ToggleArmed() const { return SpaceArmed(); }
  bool BackgroundCacheValid() const { return FCacheValid; }

  // Shrinks or grows the control to its caption when AutoSize is on and it is not loading.
  void FitToCaption();
  // The state glyph's rectangle and the caption's, in client coordinates.
  TRect StateGlyphRect() const;
  TRect CaptionRect() const;

  gui::TAccRole AccRole() const override { return gui::arCheckBox; }
  gui::TAccStates AccStates() const override {
    gui::TAccStates states = TUiCustomButton::AccStates();
    if (Checked()) states.Include(gui::asChecked);
    if (FReadOnly) states.Include(gui::asReadOnly);
    return states;
  }

  void SetParent(gui::TWinControl* parent) override;
  bool WantsKey(std::uint16_t key, gui::TShiftState shift) const override;
  bool WantsChars() const override { return false; }
  bool DialogChar(char ch, gui::TShiftState shift) override;
  // Moves to the next state; the subclass knows what the states are.
  virtual void ToggleState() = 0;
  void PressClick() override { ToggleState(); }

 protected:
  // Paints the 13 x 13 glyph of the current state into `glyph`.
  virtual void BuildStateGlyph(TBitmap& glyph) = 0;
  virtual void DrawStateGlyph(TCanvas& canvas);
  void InvalidateBackground() { FCacheValid = false; }

  TRect HoverRect() const override { return StateGlyphRect(); }
  void StateChanged() override { Repaint(); }
  void FocusStateChanged() override { Repaint(); }
  void Paint(TCanvas& canvas) override;
  void EraseBackground(TCanvas& canvas) override;
  void MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;
  void MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y) override;
  void KeyDown(std::uint16_t& key, gui::TShiftState shift) override;
  bool TakesPressKeys() const override { return !FReadOnly; }
  void Loaded() override;
  void Resize() override;
  void EnabledChanged() override;
  void ColorChanged() override;
  void FontChanged() override;
  void TextChanged() override;

 private:
  bool CaptionOnRight() const { return FAlignment != taLeftJustify; }
  unsigned CaptionFlags() const;
  void RebuildBackground(TCanvas& screen);

  TAlignment FAlignment = taRightJustify;
  bool FAutoSize = true;
  bool FWordWrap = false;
  TColor FTransparentColor = gui::clOlive;
  bool FReadOnly = false;
  bool FTabOnEnter = false;
  bool FMousePressing = false;
  TBitmap FBackgroundCache;
  TBitmap FImage;
  bool FCacheValid = false;
};

}  // namespace widgets
