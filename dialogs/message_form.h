#pragma once

// The message window: an optional icon, the word-wrapped message beside it and a centred row of
// buttons under them, all measured in dialog units of the message font. Ctrl+C copies its text.

#include <string>

#include "dialogs/dialog_kinds.h"
#include "gui/controls/form.h"
#include "gui/graphics/text.h"

namespace gui {
class TButton;
class TLabel;
}  // namespace gui

namespace dialogs {

class TMessageIcon;

class TMessageForm : public gui::TForm {
 public:
  // Builds the whole window; it still has to be shown. The title is the kind's (the application
  // title for mkCustom).
  TMessageForm(gui::TComponent* owner, const gui::AnsiString& message, MessageKind kind, TDialogButtons buttons);

  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int context) { FHelpContext = context; }

  TMessageIcon* Image() const { return FImage; }
  gui::TLabel* Message() const { return FMessage; }
  // The button of a dialog button, or null when it was not requested.
  gui::TButton* Button(DialogButton button) const { return FButtons[button]; }

  // The window's text as Ctrl+C puts it on the clipboard (Windows-1251).
  gui::AnsiString CopyText() const;
  // Beeps and puts CopyText on the clipboard; throws gui::EClipboardError when it cannot.
  void CopyToClipboard();

 protected:
  void KeyDown(std::uint16_t& key, gui::TShiftState shift) override;

 private:
  // The requested buttons side by side from origin, in the order of DialogButton.
  void CreateButtons(TDialogButtons buttons, gui::TPoint origin, gui::TSize size, int spacing);
  bool HandleCopyKey(std::uint16_t key, gui::TShiftState shift);
  static int ButtonWidth(gui::TCanvas& canvas, int minimum, TDialogButtons buttons);

  int FHelpContext = 0;
  TMessageIcon* FImage = nullptr;
  gui::TLabel* FMessage = nullptr;
  gui::TButton* FButtons[kDialogButtonCount] = {};
};

}  // namespace dialogs
