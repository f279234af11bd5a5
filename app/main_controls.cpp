#include "app/main_controls.h"

#include "app/table_cell.h"
#include "gui/controls/acc_group.h"
#include "widgets/border.h"
#include "widgets/label.h"
#include "widgets/panel.h"
#include "widgets/separator.h"

namespace app {

widgets::TUiPanel* MakePanel(gui::TForm& form, const TPanelDef& def) {
  const bool top = def.Align == gui::alTop;
  auto* panel = Place<widgets::TUiPanel>(form, def.Name, def.Parent, 0, 0, top ? kMainClientWidth : def.Size,
                                         top ? def.Size : 80);
  panel->SetBorderOuter(def.BorderOuter);
  panel->SetVisualStyle(def.VisualStyle);
  panel->SetCaption("");
  panel->SetTabOrder(def.TabOrder);
  panel->SetAlign(def.Align);
  return panel;
}

widgets::TUiLabel* MakeLabel(gui::TForm& form, const TLabelDef& def) {
  widgets::TUiLabel* label = nullptr;
  if (def.Cell == ckNone) {
    label = Place<widgets::TUiLabel>(form, def.Name, def.Parent, def.Left, def.Top, def.Width, def.Height);
  } else {
    auto* cell = Place<TTableCellLabel>(form, def.Name, def.Parent, def.Left, def.Top, def.Width, def.Height);
    cell->SetCell(def.Cell, def.Heading);
    label = cell;
  }
  label->SetAutoSize(def.AutoSize);
  gui::TFont font = LayoutFont(def.Font);
  if (def.FontColor != gui::clDefault) font.SetColor(def.FontColor);
  label->SetFont(font);
  label->SetAlignment(def.Alignment);
  label->SetCaption(def.Caption);
  return label;
}

widgets::TUiSeparator* MakeSeparator(gui::TForm& form, const TSeparatorDef& def) {
  auto* bar = Place<widgets::TUiSeparator>(form, def.Name, "", def.Left, def.Top, def.Width, def.Height);
  bar->SetOrientation(widgets::orVertical);
  bar->SetHighlightColor(gui::clGreen);
  bar->SetShowGradient(true);
  bar->SetColor(gui::clBtnFace);
  // The dividers of the strip are only lines between its cells.
  bar->SetAccHidden(true);
  return bar;
}

widgets::TUiBorder* MakeBorder(gui::TForm& form, const TBorderDef& def) {
  auto* rule = Place<widgets::TUiBorder>(form, def.Name, "", def.Left, def.Top, def.Width, def.Height);
  rule->SetBorderSides(def.Sides);
  return rule;
}

namespace {

gui::TControl* Labelled(gui::TForm& form, const std::string& name) {
  auto* control = dynamic_cast<gui::TControl*>(form.FindComponent(name));
  if (!control) throw std::logic_error("layout: no label " + name);
  return control;
}

std::vector<gui::TControl*> Labelled(gui::TForm& form, const std::vector<std::string>& names) {
  std::vector<gui::TControl*> controls;
  for (const std::string& name : names) controls.push_back(Labelled(form, name));
  return controls;
}

}  // namespace

std::vector<gui::TAccTable*> MakeAccGroups(gui::TForm& form, const TMainLayout& layout) {
  std::vector<gui::TAccTable*> tables;
  for (const TTableDef& def : layout.Tables) {
    auto& table = gui::NewAccGroup<gui::TAccTable>(form, def.AccName);
    table.SetColumnHeaders(Labelled(form, def.ColumnHeadings));
    for (const std::vector<std::string>& row : def.Rows) table.AddRow(Labelled(form, row));
    tables.push_back(&table);
  }
  auto& strip = gui::NewAccGroup<gui::TAccGroup>(form, gui::arList, gui::arListItem, layout.Strip.AccName);
  for (gui::TControl* item : Labelled(form, layout.Strip.Items)) strip.Add(*item);
  return tables;
}

}  // namespace app
