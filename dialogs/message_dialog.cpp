#include "dialogs/message_dialog.h"

namespace dialogs {

std::unique_ptr<TMessageForm> CreateMessageDialog(const gui::AnsiString& message, MessageKind kind,
                                                  TDialogButtons buttons) {
  return std::make_unique<TMessageForm>(nullptr, message, kind, buttons);
}

int ShowMessageDialog(const gui::AnsiString& message, MessageKind kind, TDialogButtons buttons, int helpContext) {
  // The window is freed on every way out, an error in its modal loop included.
  std::unique_ptr<TMessageForm> form = CreateMessageDialog(message, kind, buttons);
  form->SetHelpContext(helpContext);
  return form->ShowModal();
}

}  // namespace dialogs
