#include "app/table_cell.h"

#include "app/language.h"
#include "app/number_parse.h"
#include "gui/graphics/text.h"
#include "stats/wheel.h"

namespace app {

namespace {

const char* const kEmpty = N_("пусто");
const char* const kLeast = N_(", меньше всех");
const char* const kZero = N_(", зеро");
const char* const kRed = N_(", красное");
const char* const kBlack = N_(", черное");
const char* const kFrom = N_("от ");
const char* const kTo = N_(" до ");

}  // namespace

std::string CountCellName(std::string_view heading, std::string_view caption) {
  std::string name = std::string(heading) + ": ";
  if (caption.empty()) return name + Tr(kEmpty);
  // The display rules mark the smallest count of a comparison by putting it in brackets.
  if (caption.size() > 2 && caption.front() == '(' && caption.back() == ')')
    return name + std::string(caption.substr(1, caption.size() - 2)) + Tr(kLeast);
  return name + std::string(caption);
}

std::string StripCellName(std::string_view heading, std::string_view caption) {
  std::string name = std::string(heading) + ": ";
  if (caption.empty()) return name + Tr(kEmpty);
  name += caption;
  const std::optional<std::int32_t> number = ParseInt32(caption);
  if (!number || !stats::IsWheelNumber(*number)) return name;
  if (*number == 0) return name + Tr(kZero);
  return name + Tr(stats::IsRed(*number) ? kRed : kBlack);
}

gui::AnsiString SpokenRange(std::string_view caption) {
  const std::size_t dash = caption.find(" - ");
  if (dash == std::string_view::npos) return std::string(caption);
  return Tr(kFrom) + std::string(caption.substr(0, dash)) + Tr(kTo) + std::string(caption.substr(dash + 3));
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
