#pragma once
// The base of the widget set's one-line entries: the plain entry plus a frame of its own painted
// into the 2-pixel border band, hot tracking that switches the frame to a second style while the
// pointer is over the entry or the focus is in it, and a background colour chosen by state.
//
// Hot tracking (with FrameHotTrack set; the frame is hot while either flag is set):
//   event                            FocusInside  MouseInside  frame afterwards
//   pointer enters                   -            true         hot
//   pointer leaves                   -            false        hot while focused, else normal
//   focus gained                     true         -            hot
//   focus lost                       false        -            hot while the pointer is inside, else normal
//   another application activated   -            -            unchanged
//   end of loading                   false        -            hot while the pointer is inside
// Each event also re-applies UpdateColors, also without FrameHotTrack.
//
// Background colour (UpdateColors), first matching row:
//   disabled                         DisabledColor
//   focused                          ReadOnlyColor when read-only and ReadOnlyColorOnFocus, else FocusColor
//   read-only                        ReadOnlyColor
//   otherwise                        the normal colour (what Color was last given from outside)

#include <cstdint>

#include "gui/std/custom_edit.h"
#include "widgets/color_base.h"
#include "widgets/draw_types.h"

namespace widgets {

using gui::TComponent;

// fpXPThemes leaves the border to a visual theme when one is active; no theme ever is here, so
// both values paint the frame.
enum TFramingPreference : std::uint8_t { fpCustomFraming, fpXPThemes };

// Which of the two hot-tracking flags UpdateFrame sets.
enum TFrameTrigger : std::uint8_t { ftFocus, ftPointer };

using gui::clInfoBk;

class TUiCustomEdit : public gui::TCustomEdit {
 public:
  explicit TUiCustomEdit(TComponent* owner);

  bool FrameVisible() const { return FFrameVisible; }
  void SetFrameVisible(bool value);
  TFrameStyle FrameStyle() const { return FFrameStyle; }
  void SetFrameStyle(TFrameStyle value);
  TColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(TColor value);
  bool FrameHotTrack() const { return FFrameHotTrack; }
  void SetFrameHotTrack(bool value);
  TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
  void SetFrameHotStyle(TFrameStyle value);
  TColor FrameHotColor() const { return FFrameHotColor; }
  void SetFrameHotColor(TColor value);
  TSides FrameSides() const { return FFrameSides; }
  void SetFrameSides(TSides value);
  TFramingPreference FramingPreference() const { return FFramingPreference; }
  void SetFramingPreference(TFramingPreference value);

  TColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor value);
  TColor DisabledColor() const { return FDisabledColor; }
  void SetDisabledColor(TColor value);
  TColor ReadOnlyColor() const { return FReadOnlyColor; }
  void SetReadOnlyColor(TColor value);
  bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
  void SetReadOnlyColorOnFocus(bool value);

  // The platform border's 3D look; always on while the frame is visible.
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool value);
  // Enter moves the focus on as Tab does instead of reaching the entry.
  bool TabOnEnter() const { return FTabOnEnter; }
  void SetTabOnEnter(bool value) { FTabOnEnter = value; }
  bool BeepOnInvalidKey() const { return FBeepOnInvalidKey; }
  void SetBeepOnInvalidKey(bool value) { FBeepOnInvalidKey = value; }

  bool FocusInside() const { return FFocusInside; }
  bool MouseInside() const { return FMouseInside; }
  // Whether the frame shows its hot style now.
  bool FrameHot() const { return FFrameHotTrack && (FFocusInside || FMouseInside); }
  TColor NormalColor() const { return FNormalColor; }

  // No visual theme is ever active here, so this is always false.
  virtual bool UsesThemedFrame() const;
  virtual void UpdateColors();
  virtual void UpdateFrame(TFrameTrigger which, bool value);
  // Asks for a repaint of the border band only.
  virtual void InvalidateFrame();

 protected:
  // The platform beep for a key the entry refuses, when BeepOnInvalidKey is set.
  void InvalidKeyBeep();

  gui::TColor BackgroundColor() const override { return Color(); }
  void NCPaint(TCanvas& canvas) override;
  void KeyPress(char& key) override;
  void DoEnter() override;
  void DoExit() override;
  void MouseEnter() override;
  void MouseLeave() override;
  void ColorChanged() override;
  void EnabledChanged() override;
  void ReadOnlyChanged() override;
  void Resize() override;
  void Loaded() override;

 private:
  bool PaintsFrame() const { return FFrameVisible && !UsesThemedFrame(); }
  // Stores a frame property and repaints the band when it changed.
  template <class T>
  void SetFrameProperty(T& field, T value);

  bool FFrameVisible = false;
  TFrameStyle FFrameStyle = fsFlat;
  TColor FFrameColor = clBtnShadow;
  bool FFrameHotTrack = false;
  TFrameStyle FFrameHotStyle = fsFlatBold;
  TColor FFrameHotColor = clBtnShadow;
  TSides FFrameSides = AllSides;
  TFramingPreference FFramingPreference = fpXPThemes;
  TColor FFocusColor = clWindow;
  TColor FDisabledColor = clBtnFace;
  TColor FReadOnlyColor = clInfoBk;
  bool FReadOnlyColorOnFocus = false;
  bool FCtl3D = true;
  bool FTabOnEnter = false;
  bool FBeepOnInvalidKey = true;
  bool FFocusInside = false;
  bool FMouseInside = false;
  TColor FNormalColor = clWindow;
  bool FUpdatingColors = false;
};

}  // namespace widgets
