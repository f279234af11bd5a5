#pragma once

// The classic push button: raised bevel, a black frame while it is the button that Enter presses,
// a sunken look while pressed, a dotted focus box, an embossed grey caption when disabled.
// A click happens on a left release inside after a press on it, or on Space released; Enter and
// Esc reach the default and cancel buttons through the form's dialog-key stage. A button with a
// ModalResult hands it to its form before OnClick runs, which ends a modal form's loop.

#include "gui/controls/custom_control.h"

namespace gui {

class TButton : public TCustomControl {
 public:
  explicit TButton(TComponent* owner);

  // Enter presses this button while no other button has the focus.
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  // Esc presses this button.
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int value) { FModalResult = value; }

  // Whether the button shows the default frame now: it has the focus, or it is the Default button
  // and the focus is not on another push button.
  bool ActiveDefault() const;
  bool Pressed() const { return (FMouseDown && FMouseInside) || FSpaceDown; }

  void Click() override;
  bool DialogKey(std::uint16_t key, TShiftState shift) override;
  bool DialogChar(char ch, TShiftState shift) override;
  bool WantsChars() const override { return false; }
  void FocusChanged(TControl* focused) override;

 protected:
  void Paint(TCanvas& canvas) override;
  void EraseBackground(TCanvas&) override {}
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(std::uint16_t& key, TShiftState shift) override;
  void KeyUp(std::uint16_t& key, TShiftState shift) override;
  void DoExit() override;
  void EnabledChanged() override;

 private:
  bool FDefault = false;
  bool FCancel = false;
  int FModalResult = 0;
  bool FMouseDown = false;    // a left press on the button has not been released yet
  bool FMouseInside = false;  // the pointer is inside while FMouseDown
  bool FSpaceDown = false;
  bool FShownDefault = false;
  bool FShownFocused = false;
};

}  // namespace gui
