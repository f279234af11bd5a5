#include "dialogs/prompt_form.h"

#include <algorithm>
#include <memory>

#include "dialogs/dialog_units.h"
#include "gui/graphics/measure_canvas.h"
#include "gui/std/button.h"
#include "gui/std/edit.h"
#include "gui/std/label.h"

namespace dialogs {

using namespace gui;

TPromptForm::TPromptForm(TComponent* owner, const AnsiString& title, const AnsiString& prompt,
                         const AnsiString& text)
    : TForm(owner) {
  SetBorderStyle(bsDialog);
  SetBorderIcons(TBorderIcons(biSystemMenu));
  SetPosition(poScreenCenter);
  SetColor(clBtnFace);
  SetCaption(title);
  // The toolkit's default dialog font.
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  const TDialogUnits du = DialogUnitsOf(Font());
  SetClientWidth(du.Horz(180));

  FPrompt = new TLabel(this);
  FPrompt->SetName("Prompt");
  FPrompt->SetParent(this);
  FPrompt->SetAutoSize(false);
  FPrompt->SetWordWrap(true);
  FPrompt->SetCaption(prompt);
  // The label takes the width of its wrapped text, at most the entry's width, and its height.
  const int maxWidth = du.Horz(164);
  TCanvas& canvas = MeasureCanvas(FPrompt->Font());
  TRect textRect{0, 0, maxWidth, 0};
  DrawText(canvas, prompt, textRect, FPrompt->DrawTextFlags() | DT_CALCRECT);
  FPrompt->SetBounds(du.Horz(8), du.Vert(8), std::min(textRect.Width(), maxWidth), textRect.Height());

  FEdit = new TEdit(this);
  FEdit->SetName("Edit");
  FEdit->SetParent(this);
  FEdit->SetBounds(FPrompt->Left(), FPrompt->Top() + FPrompt->Height() + 5, maxWidth, FEdit->Height());
  FEdit->SetMaxLength(kMaxTextLength);
  FEdit->SetText(text);
  FEdit->SelectAll();
  // A listener hears the field by the question above it.
  FEdit->SetAccLabel(FPrompt);

  const int buttonTop = FEdit->Top() + FEdit->Height() + 15;
  const int buttonWidth = du.Horz(50);
  const int buttonHeight = du.Vert(14);

  FOk = new TButton(this);
  FOk->SetName("OK");
  FOk->SetParent(this);
  FOk->SetCaption("OK");
  FOk->SetModalResult(mrOk);
  FOk->SetDefault(true);
  FOk->SetBounds(du.Horz(38), buttonTop, buttonWidth, buttonHeight);

  FCancel = new TButton(this);
  FCancel->SetName("Cancel");
  FCancel->SetParent(this);
  FCancel->SetCaption("Cancel");
  FCancel->SetModalResult(mrCancel);
  FCancel->SetCancel(true);
  FCancel->SetBounds(du.Horz(92), buttonTop, buttonWidth, buttonHeight);

  SetClientHeight(FCancel->Top() + FCancel->Height() + 13);
  SetActiveControl(FEdit);
}

bool QueryText(const AnsiString& title, const AnsiString& prompt, AnsiString& text) {
  // Freed on every way out, an error in the modal loop included.
  auto form = std::make_unique<TPromptForm>(nullptr, title, prompt, text);
  if (form->ShowModal() != mrOk) return false;
  text = form->Edit()->Text();
  return true;
}

AnsiString PromptForText(const AnsiString& title, const AnsiString& prompt, const AnsiString& defaultText) {
  AnsiString result = defaultText;
  QueryText(title, prompt, result);
  return result;
}

}  // namespace dialogs
