#pragma once

// The kinds of message dialog and the buttons it can show, with their fixed titles, names,
// captions and result codes.

#include <cstdint>
#include <string_view>

#include "gui/graphics/flags.h"

namespace dialogs {

enum MessageKind : std::uint8_t { mkWarning, mkError, mkInformation, mkConfirmation, mkCustom };

enum DialogButton : std::uint8_t {
  dbYes,
  dbNo,
  dbOK,
  dbCancel,
  dbAbort,
  dbRetry,
  dbIgnore,
  dbAll,
  dbNoToAll,
  dbYesToAll,
  dbHelp
};
inline constexpr int kDialogButtonCount = dbHelp + 1;

// A set of dialog buttons; the dialog lays them out in the order of DialogButton.
using TDialogButtons = gui::TFlags<DialogButton, gui::TFlagValues::Ordinals>;

// The window title of a kind; empty for mkCustom, which takes the application title.
std::string_view KindTitle(MessageKind kind);
bool KindHasIcon(MessageKind kind);
// The compiled-in picture of a kind's icon ("icons/warning.png"); empty for mkCustom.
std::string_view KindIconResource(MessageKind kind);

std::string_view ButtonName(DialogButton button);
std::string_view ButtonCaption(DialogButton button);  // with its "&" access-key mark
int ButtonResult(DialogButton button);                // 0 for help, which does not close

// Enter presses this one: OK if present, else Yes, else Retry.
DialogButton DefaultButtonOf(TDialogButtons buttons);
// Esc presses this one: Cancel if present, else No, else OK.
DialogButton CancelButtonOf(TDialogButtons buttons);

}  // namespace dialogs
