#include "app/spin_field.h"

#include "stats/wheel.h"

namespace app {

std::optional<std::int32_t> TSpinField::TypedSpin() const {
  const gui::AnsiString typed = TypedText();
  // The field reads a text without a digit as 0; the player typed no number then.
  bool digit = false;
  for (char c : typed) digit = digit || (c >= '0' && c <= '9');
  if (!digit) return std::nullopt;
  const std::int64_t value = widgets::RoundHalfEven(widgets::ParseNumericText(typed, Rules()));
  if (!stats::IsWheelNumber(value)) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

void TSpinField::Retype(const gui::AnsiString& typed) {
  auto alive = Watch();
  if (!Focused() && CanFocus()) SetFocus();
  if (!alive) return;
  SetText(typed);
  SelectAll();
}

void TSpinField::Tidy(const std::function<void()>& tidy) {
  auto alive = Watch();
  const gui::AnsiString typed = TypedText();
  FTidying = true;
  tidy();
  if (!alive) return;
  FTidying = false;
  FTidied = Text() != typed;
  if (FTidied) FTyped = typed;
}

void TSpinField::DoEnter() {
  Tidy([this] { widgets::TUiNumericEdit::DoEnter(); });
}

void TSpinField::DoExit() {
  Tidy([this] { widgets::TUiNumericEdit::DoExit(); });
}

void TSpinField::Change() {
  if (!FTidying) FTidied = false;
  widgets::TUiNumericEdit::Change();
}

}  // namespace app
