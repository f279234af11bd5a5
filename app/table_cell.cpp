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

std::string CountCellText(std::string_view caption) {
  if (caption.empty()) return Tr(kEmpty);
  // The display rules mark the smallest count of a comparison by putting it in brackets.
  if (caption.size() > 2 && caption.front() == '(' && caption.back() == ')')
    return std::string(caption.substr(1, caption.size() - 2)) + Tr(kLeast);
  return std::string(caption);
}

std::string StripCellText(std::string_view caption) {
  if (caption.empty()) return Tr(kEmpty);
  std::string name(caption);
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
