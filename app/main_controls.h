#pragma once
// How one control of each kind is made from its row of the main window's layout: each is owned
// by the form, named, and placed on its parent (the form when the row names none).

#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_layout.h"
#include "gui/controls/form.h"

namespace gui {
class TAccTable;
class TWebBrowser;
}  // namespace gui

namespace widgets {
class TUiBitBtn;
class TUiBorder;
class TUiCheckBox;
class TUiLabel;
class TUiPanel;
class TUiSeparator;
}  // namespace widgets

namespace app {

class TSpinField;

widgets::TUiPanel* MakePanel(gui::TForm& form, const TPanelDef& def);
widgets::TUiLabel* MakeLabel(gui::TForm& form, const TLabelDef& def);
widgets::TUiSeparator* MakeSeparator(gui::TForm& form, const TSeparatorDef& def);
widgets::TUiBorder* MakeBorder(gui::TForm& form, const TBorderDef& def);

// The statistics tables and the strip of last numbers as a listener walks them: a table for
// each table of counts, a list for the strip; made after their labels and kept by the form
// (freed with it). Returns the tables, in the layout's order.
std::vector<gui::TAccTable*> MakeAccGroups(gui::TForm& form, const TMainLayout& layout);

// The browser pane filling its panel inside the panel's border.
gui::TWebBrowser* MakeBannerPane(gui::TForm& form, std::string_view panel);

// The controls that take input.
widgets::TUiBitBtn* MakeButton(gui::TForm& form, const TButtonDef& def);
TSpinField* MakeEntryField(gui::TForm& form, const TEditDef& def);
widgets::TUiCheckBox* MakeCheckBox(gui::TForm& form, const TCheckBoxDef& def);
// Where the desktop keeps the choice to itself (a Wayland compositor), the box cannot do what it
// says: it is shown disabled and tells the player where the desktop offers the same.
void ExplainStayOnTopUnavailable(widgets::TUiCheckBox& box);

// The named parent of a layout row: the form itself for an empty name.
inline gui::TWinControl& ParentOf(gui::TForm& form, std::string_view parent) {
  if (parent.empty()) return form;
  auto* control = dynamic_cast<gui::TWinControl*>(form.FindComponent(parent));
  if (!control) throw std::logic_error("layout: no parent control " + std::string(parent));
  return *control;
}

template <class T>
T* Place(gui::TForm& form, std::string_view name, std::string_view parent, int left, int top, int width,
         int height) {
  auto* control = new T(&form);
  control->SetName(name);
  control->SetParent(&ParentOf(form, parent));
  control->SetBounds(left, top, width, height);
  return control;
}

}  // namespace app
