#pragma once

// The built-in report of an error that escaped an event handler: a dialog with the application
// title, the error icon, the message and an OK button. The standard dialogs replace it through
// TApplication::OnShowErrorReport.

#include <string>

#include "gui/controls/form.h"

namespace gui {

class TErrorReportForm : public TForm {
 public:
  TErrorReportForm(TComponent* owner, const std::string& title, const std::string& message);

  const std::string& Message() const { return FMessage; }
  TWinControl* OkButton() const { return FOk; }
  bool DialogKey(std::uint16_t key, TShiftState shift) override;

 protected:
  void Paint() override;

 private:
  std::string FMessage;
  TRect FTextRect;
  TWinControl* FOk = nullptr;
};

}  // namespace gui
