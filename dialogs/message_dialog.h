#pragma once

// The message dialog: built for one question, shown modally in the middle of the screen, and
// gone again before the answer is returned.

#include <memory>

#include "dialogs/dialog_kinds.h"
#include "dialogs/message_form.h"
#include "gui/graphics/text.h"

namespace dialogs {

// A message window ready to be shown, owned by the caller.
std::unique_ptr<TMessageForm> CreateMessageDialog(const gui::AnsiString& message, MessageKind kind,
                                                  TDialogButtons buttons);

// Shows the message and returns the result code of the button that closed it (mrYes, mrNo, ...),
// 2 when it was closed by its close box.
int ShowMessageDialog(const gui::AnsiString& message, MessageKind kind, TDialogButtons buttons, int helpContext);

}  // namespace dialogs
