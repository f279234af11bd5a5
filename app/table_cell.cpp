#include "app/table_cell.h"

#include "app/number_parse.h"
#include "gui/graphics/text.h"
#include "stats/wheel.h"

namespace app {

using namespace gui::literals;

namespace {

// Named here rather than written into the expressions: clang 14 crashes on a compile-time
// converted literal that stands directly as an operand.
const char* const kEmpty = "пусто"_cp;
const char* const kLeast = ", меньше всех"_cp;
const char* const kZero = ", зеро"_cp;
const char* const kRed = ", красное"_cp;
const char* const kBlack = ", черное"_cp;
const char* const kFrom = "от "_cp;
const char* const kTo = " до "_cp;

}  // namespace

std::string CountCellText(std::string_view caption) {
  if (caption.empty()) return kEmpty;
  // The display rules mark the smallest count of a comparison by putting it in brackets.
  if (caption.size() > 2 && caption.front() == '(' && caption.back() == ')')
    return std::string(caption.substr(1, caption.size() - 2)) + kLeast;
  return std::string(caption);
}

std::string StripCellText(std::string_view caption) {
  if (caption.empty()) return kEmpty;
  std::string name(caption);
  const std::optional<std::int32_t> number = ParseInt32(caption);
  if (!number || !stats::IsWheelNumber(*number)) return name;
  if (*number == 0) return name + kZero;
  return name + (stats::IsRed(*number) ? kRed : kBlack);
}

gui::AnsiString SpokenRange(std::string_view caption) {
  const std::size_t dash = caption.find(" - ");
  if (dash == std::string_view::npos) return std::string(caption);
  return kFrom + std::string(caption.substr(0, dash)) + kTo + std::string(caption.substr(dash + 3));
}

std::optional<gui::TAccText> TTableCellLabel::AccText() const {
  switch (FKind) {
    case ckCount: return gui::TAccText{CountCellText(Caption())};
    case ckStrip: return gui::TAccText{StripCellText(Caption())};
    case ckNone: break;
  }
  return TUiLabel::AccText();
}

std::optional<gui::TRect> TTableCellLabel::AccCharRect(int index) {
  if (FKind == ckNone) return TUiLabel::AccCharRect(index);
  const int length = static_cast<int>(AccText()->Text.size());
  return index >= 0 && index < length ? std::optional(ClientRect()) : std::nullopt;
}

}  // namespace app
