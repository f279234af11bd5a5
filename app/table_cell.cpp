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

std::string CountCellName(std::string_view heading, std::string_view caption) {
  std::string name = std::string(heading) + ": ";
  if (caption.empty()) return name + kEmpty;
  // The display rules mark the smallest count of a comparison by putting it in brackets.
  if (caption.size() > 2 && caption.front() == '(' && caption.back() == ')')
    return name + std::string(caption.substr(1, caption.size() - 2)) + kLeast;
  return name + std::string(caption);
}

std::string StripCellName(std::string_view heading, std::string_view caption) {
  std::string name = std::string(heading) + ": ";
  if (caption.empty()) return name + kEmpty;
  name += caption;
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

std::string TTableCellLabel::AccDefaultName() const {
  switch (FKind) {
    case ckCount: return CountCellName(FHeading, Caption());
    case ckStrip: return StripCellName(FHeading, Caption());
    case ckNone: break;
  }
  return TUiLabel::AccDefaultName();
}

}  // namespace app
