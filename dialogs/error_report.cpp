#include "dialogs/error_report.h"

#include "dialogs/message_dialog.h"
#include "gui/controls/application.h"

namespace dialogs {

void ShowErrorReport(const std::string& title, const std::string& message) {
  std::unique_ptr<TMessageForm> form = CreateMessageDialog(message, mkError, {dbOK});
  // The report is titled with the application's name, not the error kind's "Error".
  form->SetCaption(title);
  form->ShowModal();
}

void InstallErrorReport(gui::TApplication& application) {
  application.OnShowErrorReport = [](const std::string& title, const std::string& message) {
    ShowErrorReport(title, message);
  };
}

}  // namespace dialogs
