#pragma once
// The entry field of the main window. The field tidies its text as it gains and loses the focus
// (an empty text becomes "0", 99 becomes 36), and a press on the add button takes the focus
// before the click is handled; the window must judge what the player typed, not that tidied
// text, so the field keeps the typed text until the player changes the text again.

#include <cstdint>
#include <functional>
#include <optional>

#include "widgets/numeric_edit.h"

namespace app {

class TSpinField : public widgets::TUiNumericEdit {
 public:
  using widgets::TUiNumericEdit::TUiNumericEdit;

  // The text as the player left it, before the field tidied it.
  gui::AnsiString TypedText() const { return FTidied ? FTyped : Text(); }
  // The wheel number the typed text stands for; none for a text without a digit or a number
  // outside the wheel. Throws EInvalidOp for a number beyond 64 bits, as the field's reading does.
  std::optional<std::int32_t> TypedSpin() const;
  // Gives the typed text back to the player to retype: focused, the text restored and selected.
  void Retype(const gui::AnsiString& typed);
  void Beep() { InvalidKeyBeep(); }
  // The text now in the field is the field's own (its "0" at the start), not the player's.
  void MarkUntyped() {
    FTyped.clear();
    FTidied = !Text().empty();
  }

 protected:
  void DoEnter() override;
  void DoExit() override;
  void Change() override;

 private:
  void Tidy(const std::function<void()>& tidy);

  gui::AnsiString FTyped;
  bool FTidied = false;  // the text is the field's, FTyped the player's
  bool FTidying = false;
};

}  // namespace app
