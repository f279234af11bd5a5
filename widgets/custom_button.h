#pragma once
// The base of the push buttons and the check box: the widget set's press rules (the press itself
// is TPressControl's), hover tracking, the focus hooks, the see-through erase of the corners and
// the caption text.

#include <string_view>

#include "gui/controls/press_control.h"
#include "widgets/button_types.h"
#include "widgets/paint/color_base.h"

namespace widgets {

class TUiCustomButton : public gui::TPressControl {
 public:
  explicit TUiCustomButton(gui::TComponent* owner);

  TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
  void SetAlignmentVertical(TAlignmentVertical value);
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool value);
  TColor HotTrackColor() const { return FHotTrackColor; }
  void SetHotTrackColor(TColor value);
  TUiHotTrackColorType HotTrackColorType() const { return FHotTrackColorType; }
  void SetHotTrackColorType(TUiHotTrackColorType value);
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor value);
  // Only tsNormal is drawn; the embossed styles are kept for layouts that store them.
  TTextStyle TextStyle() const { return FTextStyle; }
  void SetTextStyle(TTextStyle value);
  bool ThemeAware() const { return FThemeAware; }
  void SetThemeAware(bool value);

  // Run-time state, read by the look and by tests.
  bool MouseInside() const { return FMouseInside; }
  // The keyboard focus is here, as the control's own enter and exit steps left it. The form
  // names the control as focused until its exit step has run, so the look follows this instead.
  bool FocusInside() const { return FFocusInside; }
  bool PressTracking() const { return Press().MouseHeld(); }
  bool ShowPressed() const { return Press().Shown(); }
  bool SpaceArmed() const { return Press().Armed(); }
  bool InClick() const { return FInClick; }
  bool Transparent() const { return FTransparent; }

  // Raises the click of a completed mouse or Space press, with InClick set while it runs.
  void PressClick() override;

  gui::TAccStates AccStates() const override;
  // A completed press, as the mouse or Space makes it, without the focus moving.
  bool AccPressable() const override { return true; }
  bool AccPress() override;

 protected:
  std::string AccDefaultName() const override { return gui::StripAccelChars(Caption()); }

  // The erase step of a see-through control: the parent's image in the pixels outside the
  // outline. Enabled, that is the three outermost pixels of each corner; disabled, the outer
  // ring and the three pixels diagonally inside each corner.
  virtual void PaintTransparentCorners(TCanvas& canvas);
  // The look changed (pressed, hover, armed); repaints as the control wants it.
  virtual void StateChanged();
  // The keyboard focus came or went.
  virtual void FocusStateChanged();
  // The part that depends on the pointer being over the control.
  virtual TRect HoverRect() const;
  // The platform's themed drawing is never enabled for this program.
  virtual bool UsesThemes() const { return false; }
  virtual void HotTrackChanged();
  // Draws the caption in `rect` with `flags` (alignment, word break, tab expansion), placed
  // vertically by AlignmentVertical, grey when disabled. An empty rectangle draws nothing.
  void DrawCaptionText(TCanvas& canvas, TRect rect, unsigned flags) const;
  void SetTransparent(bool value);

  void EraseBackground(TCanvas& canvas) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override;
  void TextChanged() override;

 private:
  void InvalidateHover();
  // The press moved on: repaints, and tells a listener when the pressed look came or went.
  void PressChanged() override;
  void AccPressedChanged();

  TAlignmentVertical FAlignmentVertical = avCenter;
  bool FHotTrack = false;
  TColor FHotTrackColor = 0x149BF0;
  TUiHotTrackColorType FHotTrackColorType = htctActual;
  TColor FHighlightColor = gui::clHighlight;
  TTextStyle FTextStyle = tsNormal;
  bool FThemeAware = true;

  bool FMouseInside = false;
  bool FFocusInside = false;
  bool FAccPressed = false;  // the pressed look a listener was last told of
  bool FInClick = false;
  bool FTransparent = false;
};

}  // namespace widgets
