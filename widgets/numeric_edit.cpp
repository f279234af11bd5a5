#include "widgets/numeric_edit.h"

#include <cmath>

#include "gui/controls/scoped_change.h"
#include "gui/controls/set_field.h"
#include "widgets/numeric_picture.h"

namespace widgets {

TUiNumericEdit::TUiNumericEdit(TComponent* owner) : TUiEdit(owner) {
  SetBounds(Left(), Top(), 65, 21);
  SetAlignment(gui::taRightJustify);
  SetText(FormatValue(0));
}

TNumericRules TUiNumericEdit::Rules() const {
  return {FIntegersOnly, FAllowScientificNotation, NumberSeparators()};
}

bool TUiNumericEdit::AcceptsKey(char key) {
  return AcceptsNumericKey(key, {Text(), SelStart(), SelLength()}, Rules());
}

AnsiString TUiNumericEdit::FormatValue(long double value) const {
  return FormatNumericPicture(value, FDisplayFormat, NumberSeparators());
}

long double TUiNumericEdit::ParseText() const { return ParseNumericText(Text(), Rules()); }

long double TUiNumericEdit::Value() {
  try {
    if (!Text().empty()) return ParseText();
    if (FAllowBlank) return FBlankValue;
    SetText(FormatValue(FMin));
    return ParseText();
  } catch (...) {
    return FMin;
  }
}

void TUiNumericEdit::SetValue(long double value) {
  if (value != ParseText()) SetText(FormatValue(value));
}

std::int64_t TUiNumericEdit::IntegerValue() { return RoundHalfEven(Value()); }

void TUiNumericEdit::SetIntegerValue(std::int64_t value) { SetValue(static_cast<long double>(value)); }

void TUiNumericEdit::SetMin(long double value) {
  if (value == FMin) return;
  FMin = value;
  if (value > FMax) FMax = value;
  Invalidate();
}

void TUiNumericEdit::SetMax(long double value) {
  if (value == FMax) return;
  FMax = value;
  if (value < FMin) FMin = value;
  Invalidate();
}

void TUiNumericEdit::SetIntegersOnly(bool value) {
  if (value == FIntegersOnly) return;
  FIntegersOnly = value;
  if (value) SetValue(std::nearbyint(Value()));
}

void TUiNumericEdit::SetDisplayFormat(std::string_view value) {
  if (value == FDisplayFormat) return;
  FDisplayFormat = AnsiString(value);
  const long double current = Value();
  SetValue(current);
  if (!Loading()) SetText(FormatValue(current));
}

void TUiNumericEdit::SetCalculatorColors(const TUiCalculatorColors& value) {
  if (gui::SetField(FCalculatorColors, value)) Invalidate();
}

long double TUiNumericEdit::ApplyRange(long double value, bool& keepFocus) {
  if (FMin == FMax && !FCheckRange) return value;
  bool autoCorrect = true;
  auto pullBack = [&](long double bound) {
    gui::FireEvent(OnRangeError, this, value, bound, autoCorrect);
    if (autoCorrect) return bound;
    keepFocus = true;
    return value;
  };
  if (value < FMin) return pullBack(FMin);
  if (value > FMax) return pullBack(FMax);
  return value;
}

void TUiNumericEdit::KeyDown(std::uint16_t& key, gui::TShiftState shift) {
  auto alive = Watch();
  TUiEdit::KeyDown(key, shift);
  if (alive) FDecimalKeyPending = key == gui::VK_DECIMAL;
}

void TUiNumericEdit::KeyPress(char& key) {
  // The keypad's decimal key types the locale's separator, whatever the keyboard makes of it.
  if (FDecimalKeyPending) {
    FDecimalKeyPending = false;
    key = NumberSeparators().Decimal;
  }
  TUiEdit::KeyPress(key);
}

void TUiNumericEdit::FilterKeyPress(char& key) {
  if (key == 0 || AcceptsKey(key)) return;
  key = 0;
  InvalidKeyBeep();
}

void TUiNumericEdit::DoEnter() {
  auto alive = Watch();
  const long double value = ParseText();
  if (!FAllowBlank) SetText(FormatValue(value));
  if (alive) TUiEdit::DoEnter();
}

void TUiNumericEdit::DoExit() {
  auto alive = Watch();
  if (!(FAllowBlank && Text().empty())) {
    bool keep = false;
    long double value = 0;
    bool failed = false;
    try {
      value = ApplyRange(ParseText(), keep);
    } catch (...) {
      failed = true;
    }
    if (!alive) return;
    // Handing the focus back is only possible while the field can hold it.
    if (!failed && keep && CanFocus()) {
      SetFocus();
      return;
    }
    if (failed) {
      value = FMin;
      SetValue(value);
    }
    if (!alive) return;
    SetText(FormatValue(value));
    if (!alive) return;
  }
  TUiEdit::DoExit();
}

void TUiNumericEdit::Change() {
  if (!FSuppressChange) TUiEdit::Change();
}

void TUiNumericEdit::Loaded() {
  TUiEdit::Loaded();
  gui::TScopedChange suppress(FSuppressChange, true);
  SetText(FormatValue(ParseText()));
}

}  // namespace widgets
