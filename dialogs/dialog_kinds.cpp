#include "dialogs/dialog_kinds.h"

#include <array>

#include "gui/controls/control_types.h"

namespace dialogs {

namespace {

struct TKindInfo {
  std::string_view Title;
  std::string_view Icon;
};

constexpr std::array<TKindInfo, mkCustom + 1> kKinds{{
    {"Warning", "icons/warning.png"},
    {"Error", "icons/error.png"},
    {"Information", "icons/information.png"},
    {"Confirm", "icons/confirmation.png"},
    {"", ""},
}};

struct TButtonInfo {
  std::string_view Name;
  std::string_view Caption;
  int Result;
};

constexpr std::array<TButtonInfo, kDialogButtonCount> kButtons{{
    {"Yes", "&Yes", gui::mrYes},
    {"No", "&No", gui::mrNo},
    {"OK", "OK", gui::mrOk},
    {"Cancel", "Cancel", gui::mrCancel},
    {"Abort", "&Abort", gui::mrAbort},
    {"Retry", "&Retry", gui::mrRetry},
    {"Ignore", "&Ignore", gui::mrIgnore},
    {"All", "&All", gui::mrAll},
    {"NoToAll", "N&o to All", gui::mrNoToAll},
    {"YesToAll", "Yes to &All", gui::mrYesToAll},
    {"Help", "&Help", gui::mrNone},
}};

}  // namespace

std::string_view KindTitle(MessageKind kind) { return kKinds.at(kind).Title; }
bool KindHasIcon(MessageKind kind) { return !kKinds.at(kind).Icon.empty(); }
std::string_view KindIconResource(MessageKind kind) { return kKinds.at(kind).Icon; }

std::string_view ButtonName(DialogButton button) { return kButtons.at(button).Name; }
std::string_view ButtonCaption(DialogButton button) { return kButtons.at(button).Caption; }
int ButtonResult(DialogButton button) { return kButtons.at(button).Result; }

DialogButton DefaultButtonOf(TDialogButtons buttons) {
  if (buttons.Contains(dbOK)) return dbOK;
  if (buttons.Contains(dbYes)) return dbYes;
  return dbRetry;
}

DialogButton CancelButtonOf(TDialogButtons buttons) {
  if (buttons.Contains(dbCancel)) return dbCancel;
  if (buttons.Contains(dbNo)) return dbNo;
  return dbOK;
}

}  // namespace dialogs
