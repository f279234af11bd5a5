#pragma once
// A push button in the hot-track look: a rounded frame around a shaded face, a coloured ring
// while the pointer is over it or while it is the button Enter would press, a flat darker face
// while pressed, and a dotted focus box. The click comes from a completed mouse or Space press,
// or from Enter (when active) and Escape (when Cancel) in the form's dialog-key stage.

#include "gui/std/push_button.h"
#include "widgets/custom_button.h"
#include "widgets/paint/button_face.h"

namespace widgets {

class TUiButton : public TUiCustomButton, public gui::TPushButton {
 public:
  explicit TUiButton(gui::TComponent* owner);

  TColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(TColor value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  // Kept for layouts that store it; grouped (radio-like) buttons are not drawn differently.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value) { FGroupIndex = value; }
  bool ShowFocusRect() const { return FShowFocusRect; }
  void SetShowFocusRect(bool value);

  // Whether Enter clicks this button now.
  bool IsActive() const { return FIsActive; }
  // The face state the next paint draws.
  TButtonFaceState FaceState() const;

  // Hands ModalResult to the form (when it has one), then raises OnClick.
  void Click() override;
  bool DialogKey(std::uint16_t key, gui::TShiftState shift) override;
  bool DialogChar(char ch, gui::TShiftState shift) override;
  bool WantsChars() const override { return false; }
  void FocusChanged(gui::TControl* focused) override;

  gui::TAccRole AccRole() const override { return gui::arPushButton; }
  gui::TAccStates AccStates() const override {
    gui::TAccStates states = TUiCustomButton::AccStates();
    if (Default()) states.Include(gui::asDefault);
    return states;
  }

  // Where the caption is laid out, in client coordinates.
  virtual TRect GetCaptionRect() const;

 protected:
  void Paint(TCanvas& canvas) override;
  // The caption text, then (in subclasses) whatever is drawn over it.
  virtual void DrawCaption(TCanvas& canvas);
  void HotTrackChanged() override;
  void DefaultChanged() override;
  void ColorChanged() override;

 private:
  void UpdateActive(const gui::TControl* focused);

  TColor FFrameColor = gui::cl3DDkShadow;
  TAlignment FAlignment = taCenter;
  int FGroupIndex = 0;
  bool FShowFocusRect = true;
  bool FIsActive = false;
  bool FShownFocused = false;
};

}  // namespace widgets
