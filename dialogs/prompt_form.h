#pragma once

// The one-line text prompt: a word-wrapped question, an entry holding the text to edit, and OK
// and Cancel, measured in dialog units of the window's default font.

#include "gui/controls/form.h"
#include "gui/graphics/text.h"

namespace gui {
class TButton;
class TEdit;
class TLabel;
}  // namespace gui

namespace dialogs {

class TPromptForm : public gui::TForm {
 public:
  static constexpr int kMaxTextLength = 255;

  TPromptForm(gui::TComponent* owner, const gui::AnsiString& title, const gui::AnsiString& prompt,
              const gui::AnsiString& text);

  gui::TLabel* Prompt() const { return FPrompt; }
  gui::TEdit* Edit() const { return FEdit; }
  gui::TButton* OkButton() const { return FOk; }
  gui::TButton* CancelButton() const { return FCancel; }

 private:
  gui::TLabel* FPrompt = nullptr;
  gui::TEdit* FEdit = nullptr;
  gui::TButton* FOk = nullptr;
  gui::TButton* FCancel = nullptr;
};

// Shows the prompt with text as the initial value. On OK the text becomes the edited one and the
// result is true; cancelled in any way, the text stays as it was and the result is false.
bool QueryText(const gui::AnsiString& title, const gui::AnsiString& prompt, gui::AnsiString& text);

// The edited text when accepted, the default when cancelled.
gui::AnsiString PromptForText(const gui::AnsiString& title, const gui::AnsiString& prompt,
                              const gui::AnsiString& defaultText);

}  // namespace dialogs
