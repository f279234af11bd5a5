#pragma once
// A framed one-line entry that holds a number. The text is the only store of that number: every
// read of Value parses the text, every write formats into it. Typed characters are filtered so
// that only a number can be typed (pasted text is not); the text is reformatted with
// DisplayFormat when the field gains and when it loses the focus, and on losing it a value
// outside [Min, Max] is pulled back to the nearer bound.
//
// Leaving the field with Min 0, Max 36, DisplayFormat "0" and no OnRangeError handler:
//   text before        text after
//   "50"               "36"
//   "-5"               "0"
//   ""                 "0"
//   "(3)"              "0"   (parentheses make it negative)
//   "007"              "7"
//   twenty 9s          "36"
//
// The number rules themselves (key filter, parsing, rounding) are free functions in
// numeric_text.h, the picture formatting in numeric_picture.h.

#include <cstdint>
#include <functional>
#include <string_view>

#include "gui/graphics/text.h"
#include "widgets/edit.h"
#include "widgets/numeric_text.h"

namespace widgets {

using gui::AnsiString;

// Called when the range pulls a value back; clearing autoCorrect keeps the entered value and
// the focus in the field instead.
using TUiRangeErrorEvent = std::function<void(TComponent* sender, long double enteredValue,
                                              long double adjustedValue, bool& autoCorrect)>;

// The colours of the drop-down calculator. The calculator itself is never shown in this program;
// the properties stay so that layouts keep their shape.
struct TUiCalculatorColors {
  TColor Display = gui::clWindow;
  TColor DisplayText = gui::clWindowText;
  TColor Buttons = clBtnFace;
  TColor ButtonText = clBtnText;
  constexpr bool operator==(const TUiCalculatorColors&) const noexcept = default;
};

class TUiNumericEdit : public TUiEdit {
 public:
  explicit TUiNumericEdit(TComponent* owner);

  // Reading an empty text (without AllowBlank) first writes FormatValue(Min) into it.
  long double Value();
  // Rewrites the text only when the number differs from what the text reads as; no range.
  void SetValue(long double value);
  // Value rounded halves to even; EInvalidOp outside the signed 64-bit range.
  std::int64_t IntegerValue();
  void SetIntegerValue(std::int64_t value);

  long double Min() const { return FMin; }
  void SetMin(long double value);
  long double Max() const { return FMax; }
  void SetMax(long double value);
  // Apply the range also when Min equals Max.
  bool CheckRange() const { return FCheckRange; }
  void SetCheckRange(bool value) { FCheckRange = value; }
  bool IntegersOnly() const { return FIntegersOnly; }
  void SetIntegersOnly(bool value);
  bool AllowScientificNotation() const { return FAllowScientificNotation; }
  void SetAllowScientificNotation(bool value) { FAllowScientificNotation = value; }
  // An empty text stays empty and reads as BlankValue.
  bool AllowBlank() const { return FAllowBlank; }
  void SetAllowBlank(bool value) { FAllowBlank = value; }
  long double BlankValue() const { return FBlankValue; }
  void SetBlankValue(long double value) { FBlankValue = value; }
  const AnsiString& DisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(std::string_view value);

  bool CalculatorVisible() const { return FCalculatorVisible; }
  void SetCalculatorVisible(bool value) { FCalculatorVisible = value; }
  bool CalculatorBoldButtons() const { return FCalculatorBoldButtons; }
  void SetCalculatorBoldButtons(bool value) { FCalculatorBoldButtons = value; }
  const TUiCalculatorColors& CalculatorColors() const { return FCalculatorColors; }
  void SetCalculatorColors(const TUiCalculatorColors& value);
  // A cue text for an empty field; kept for layouts, not shown.
  const AnsiString& TextHint() const { return FTextHint; }
  void SetTextHint(std::string_view value) { FTextHint = AnsiString(value); }
  bool TextHintVisibleOnFocus() const { return FTextHintVisibleOnFocus; }
  void SetTextHintVisibleOnFocus(bool value) { FTextHintVisibleOnFocus = value; }

  // The rules the field's key filter and parser use now.
  TNumericRules Rules() const;
  virtual bool AcceptsKey(char key);
  virtual AnsiString FormatValue(long double value) const;
  // The number in the current text; never fails.
  virtual long double ParseText() const;
  // The value pulled into [Min, Max] (when a range applies), after asking OnRangeError.
  virtual long double ApplyRange(long double value, bool& keepFocus);

  TUiRangeErrorEvent OnRangeError;

 protected:
  void KeyDown(std::uint16_t& key, gui::TShiftState shift) override;
  void KeyPress(char& key) override;
  void FilterKeyPress(char& key) override;
  void DoEnter() override;
  void DoExit() override;
  void Change() override;
  void Loaded() override;

 private:
  long double FMin = 0;
  long double FMax = 0;
  bool FCheckRange = false;
  bool FIntegersOnly = true;
  bool FAllowScientificNotation = true;
  bool FAllowBlank = false;
  long double FBlankValue = 0;
  AnsiString FDisplayFormat = ",0;(,0)";
  bool FCalculatorVisible = false;
  bool FCalculatorBoldButtons = false;
  TUiCalculatorColors FCalculatorColors;
  AnsiString FTextHint;
  bool FTextHintVisibleOnFocus = false;
  bool FDecimalKeyPending = false;  // the keypad's decimal key went down; its character follows
  bool FSuppressChange = false;     // the text is being reformatted after loading
};

}  // namespace widgets
