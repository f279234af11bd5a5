#pragma once
// The three-state check logic on top of the glyph button: State, Checked, AllowGrayed, and the
// classic check-box square as its state glyph.

#include "widgets/glyph_button.h"

namespace widgets {

class TUiCustomCheckBox : public TUiCustomGlyphButton {
 public:
  explicit TUiCustomCheckBox(gui::TComponent* owner);

  TCheckBoxState State() const { return FState; }
  // A new value repaints at once and then raises OnClick, whoever made the change.
  void SetState(TCheckBoxState value);
  bool Checked() const override { return FState == cbChecked; }
  void SetChecked(bool value) override { SetState(value ? cbChecked : cbUnchecked); }
  // Clicks pass through cbGrayed as well.
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool value) { FAllowGrayed = value; }

  // unchecked -> grayed (with AllowGrayed) or checked; checked -> unchecked; grayed -> checked.
  // A read-only box ignores it during a mouse press.
  void ToggleState() override;
  // What the platform's get-check query answers: 0, 1 or 2 for unchecked, checked, grayed.
  int CheckQueryResult() const { return static_cast<int>(FState); }

  gui::TAccStates AccStates() const override {
    gui::TAccStates states = TUiCustomGlyphButton::AccStates();
    if (FState == cbGrayed) states.Include(gui::asIndeterminate);
    // A box is heard by its state: the press that changes it would be heard as a change too.
    states.Exclude(gui::asPressed);
    return states;
  }

 protected:
  void BuildStateGlyph(TBitmap& glyph) override;

 private:
  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
};

}  // namespace widgets
