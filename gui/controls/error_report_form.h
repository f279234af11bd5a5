#pragma once

// The control layer's own report of an error that escaped an event handler, for a program that
// installs none: a dialog with the application title and the message, closed by Enter, Esc or
// its close box. The program installs the standard dialogs' report at start-up through
// TApplication::OnShowErrorReport, so this only has to be readable.

#include <string>

#include "gui/controls/form.h"

namespace gui {

class TErrorReportForm : public TForm {
 public:
  TErrorReportForm(TComponent* owner, const std::string& title, const std::string& message);

  const std::string& Message() const { return FMessage; }
  bool DialogKey(std::uint16_t key, TShiftState shift) override;

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  std::string FMessage;
  TRect FTextRect;
};

}  // namespace gui
