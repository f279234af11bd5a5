#pragma once

// A label of the statistics tables or of the strip of last numbers that names itself for a
// listener by where it stands, and reads its caption out as words: its caption alone ("7", "(3)",
// "32") says nothing to someone who cannot see the headings and the colours around it. The name
// stays the same as the counts change, so a client that keeps names needs no word of each change.

#include <string>
#include <string_view>

#include "app/main_layout.h"
#include "widgets/label.h"

namespace app {

class TTableCellLabel : public widgets::TUiLabel {
 public:
  explicit TTableCellLabel(gui::TComponent* owner) : TUiLabel(owner) {}

  // The kind of cell and what stands before its value, e.g. "Красное, 10 спинов".
  void SetCell(TCellKind kind, std::string_view heading) {
    FKind = kind;
    FHeading = std::string(heading);
  }

  std::optional<gui::TAccText> AccText() const override;
  // The spoken text is not the one drawn: every character of it stands where the whole caption
  // does, so a reader that looks for the text on screen (a flat review) finds it there.
  std::optional<gui::TRect> AccCharRect(int index) override;

 protected:
  std::string AccDefaultName() const override { return FKind == ckNone ? TUiLabel::AccDefaultName() : FHeading; }

 private:
  TCellKind FKind = ckNone;
  std::string FHeading;
};

// A count as it is read out: "7", with ", меньше всех" for a marked count ("(7)") and "пусто" for none.
std::string CountCellText(std::string_view caption);
// A number of the strip as it is read out: "32, красное", or "пусто" where the history is shorter.
std::string StripCellText(std::string_view caption);
// A row caption as it is read out: "1 - 18" becomes "от 1 до 18".
gui::AnsiString SpokenRange(std::string_view caption);

}  // namespace app
