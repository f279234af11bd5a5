#pragma once

// A label of the statistics tables or of the strip of last numbers that names itself for a
// listener by where it stands: its caption alone ("7", "(3)", "32") says nothing to someone who
// cannot see the headings around it.

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

 protected:
  std::string AccDefaultName() const override;

 private:
  TCellKind FKind = ckNone;
  std::string FHeading;
};

// "Красное, 10 спинов: 7", with ", меньше всех" for a marked count ("(7)") and "пусто" for none.
std::string CountCellName(std::string_view heading, std::string_view caption);
// "Последние числа, 1: 32, красное", or "пусто" where the history is shorter.
std::string StripCellName(std::string_view heading, std::string_view caption);
// A row caption as it is read out: "1 - 18" becomes "от 1 до 18".
gui::AnsiString SpokenRange(std::string_view caption);

}  // namespace app
