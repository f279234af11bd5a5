#pragma once

// The kinds of message dialog and the buttons it can show, with their fixed titles, names,
// captions and result codes.

#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace dialogs {

enum MessageKind : std::uint8_t { mkWarning, mkError, mkInformation, mkConfirmation, mkCustom };

enum DialogButton : std::uint8_t {
  dbYes, dbNo, dbOK, dbCancel, dbAbort, dbRetry, dbIgnore, dbAll, dbNoToAll, dbYesToAll, dbHelp
};
inline constexpr int kDialogButtonCount = dbHelp + 1;

// A set of dialog buttons; iterating it always goes in the order of DialogButton.
class TDialogButtons {
 public:
  constexpr TDialogButtons() = default;
  constexpr TDialogButtons(std::initializer_list<DialogButton> buttons) {
    for (DialogButton b : buttons) Include(b);
  }
  constexpr bool Contains(DialogButton b) const { return (FBits >> b) & 1u; }
  constexpr TDialogButtons& Include(DialogButton b) {
    FBits |= 1u << b;
    return *this;
  }
  constexpr TDialogButtons& Exclude(DialogButton b) {
    FBits &= ~(1u << b);
    return *this;
  }
  constexpr int Count() const {
    int n = 0;
    for (int b = 0; b < kDialogButtonCount; ++b) n += Contains(DialogButton(b));
    return n;
  }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr bool operator==(const TDialogButtons&) const = default;

 private:
  std::uint32_t FBits = 0;
};

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
