#pragma once
// The control classes the main window is built from, and how one control of each kind is made
// from its row of the layout.

#include "app/main_layout.h"
#include "gui/controls/form.h"
#include "gui/std/button.h"
#include "gui/std/edit.h"
#include "gui/std/label.h"
#include "gui/std/panel.h"

namespace app {

// Stand-ins until the widget set's classes are in the tree.
class TInterimNumericEdit : public gui::TEdit {
 public:
  explicit TInterimNumericEdit(gui::TComponent* owner);
  std::int64_t IntegerValue();
  void SetIntegerValue(std::int64_t value);
  void SetMax(int max) { FMax = max; }

 protected:
  void FilterKeyPress(char& key) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  int FMax = 0;
};

class TInterimCheckBox : public gui::TButton {
 public:
  explicit TInterimCheckBox(gui::TComponent* owner) : gui::TButton(owner) {}
  bool Checked() const { return FChecked; }
  void Click() override;

 private:
  bool FChecked = false;
};

using TMainLabel = gui::TLabel;
using TMainPanel = gui::TPanel;
using TMainButton = gui::TButton;
using TMainNumericEdit = TInterimNumericEdit;
using TMainCheckBox = TInterimCheckBox;

// Each makes the control owned by the form, named and placed on its parent (the form when the
// definition names none).
TMainPanel* MakePanel(gui::TForm& form, const TPanelDef& def);
TMainButton* MakeButton(gui::TForm& form, const TButtonDef& def);
TMainLabel* MakeLabel(gui::TForm& form, const TLabelDef& def);
void MakeSeparator(gui::TForm& form, const TSeparatorDef& def);
void MakeBorder(gui::TForm& form, const TBorderDef& def);
TMainNumericEdit* MakeEntryField(gui::TForm& form, const TEditDef& def);
TMainCheckBox* MakeCheckBox(gui::TForm& form, const TCheckBoxDef& def);

}  // namespace app
