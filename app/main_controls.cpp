#include "app/main_controls.h"

#include <cmath>
#include <stdexcept>

#include "gui/controls/application.h"

namespace app {
namespace {

using namespace gui::literals;

gui::TWinControl& ParentOf(gui::TForm& form, std::string_view parent) {
  if (parent.empty()) return form;
  auto* control = dynamic_cast<gui::TWinControl*>(form.FindComponent(parent));
  if (!control) throw std::logic_error("layout: no parent control " + std::string(parent));
  return *control;
}

template <class T>
T* Place(gui::TForm& form, std::string_view name, std::string_view parent, int left, int top, int width, int height) {
  auto* control = new T(&form);
  control->SetName(name);
  control->SetParent(&ParentOf(form, parent));
  control->SetBounds(left, top, width, height);
  return control;
}

}  // namespace

TInterimNumericEdit::TInterimNumericEdit(gui::TComponent* owner) : gui::TEdit(owner) {
  SetText("0");
  SetAlignment(gui::taRightJustify);
}

std::int64_t TInterimNumericEdit::IntegerValue() {
  if (Text().empty()) SetText("0");
  const long double value = std::strtold(Text().c_str(), nullptr);
  if (!(value > -9.3e18L && value < 9.3e18L)) throw std::runtime_error("Invalid floating point operation");
  return std::llrint(value);
}

void TInterimNumericEdit::SetIntegerValue(std::int64_t value) { SetText(std::to_string(value)); }

void TInterimNumericEdit::FilterKeyPress(char& key) {
  const bool digit = key >= '0' && key <= '9', sign = key == '-' && SelStart() == 0, edit = key == 8;
  if (!digit && !sign && !edit) {
    key = 0;
    if (gui::Application) gui::Application->Host().Beep();
  }
}

void TInterimNumericEdit::DoEnter() {
  if (Text().empty()) SetText("0");
  gui::TEdit::DoEnter();
}

void TInterimNumericEdit::DoExit() {
  const std::int64_t value = IntegerValue();
  if (value < 0) SetIntegerValue(0);
  if (value > FMax) SetIntegerValue(FMax);
  gui::TEdit::DoExit();
}

void TInterimCheckBox::Click() {
  FChecked = !FChecked;
  SetCaption((FChecked ? "[x] " : "[ ] ") + Caption().substr(Caption().find(' ') + 1));
  gui::TButton::Click();
}

TMainPanel* MakePanel(gui::TForm& form, const TPanelDef& def) {
  auto* panel = Place<TMainPanel>(form, def.Name, def.Parent, 0, 0, def.Size, def.Size);
  panel->SetAlign(def.Align);
  panel->SetBevelOuter(def.BorderOuter == widgets::fsNone ? gui::bvNone : gui::bvRaised);
  panel->SetTabOrder(def.TabOrder);
  panel->SetCaption("");
  return panel;
}

TMainButton* MakeButton(gui::TForm& form, const TButtonDef& def) {
  auto* button = Place<TMainButton>(form, def.Name, def.Parent, def.Left, def.Top, def.Width,
                                    def.Height > 0 ? def.Height : 25);
  button->SetCaption(def.Caption.empty() ? "+" : def.Caption);
  button->SetFont(LayoutFont(fontA));
  button->SetTabOrder(def.TabOrder);
  return button;
}

TMainLabel* MakeLabel(gui::TForm& form, const TLabelDef& def) {
  auto* label = Place<TMainLabel>(form, def.Name, def.Parent, def.Left, def.Top, def.Width, def.Height);
  label->SetAutoSize(def.AutoSize);
  gui::TFont font = LayoutFont(def.Font);
  if (def.FontColor != gui::clDefault) font.SetColor(def.FontColor);
  label->SetFont(font);
  label->SetAlignment(def.Alignment);
  label->SetCaption(def.Caption);
  return label;
}

void MakeSeparator(gui::TForm& form, const TSeparatorDef& def) {
  auto* bar = Place<gui::TPanel>(form, def.Name, "", def.Left, def.Top, def.Width, def.Height);
  bar->SetBevelOuter(gui::bvNone);
  bar->SetColor(gui::clGreen);
  bar->SetCaption("");
}

void MakeBorder(gui::TForm& form, const TBorderDef& def) {
  auto* rule = Place<gui::TPanel>(form, def.Name, "", def.Left, def.Top, def.Width, def.Height);
  rule->SetBevelOuter(gui::bvNone);
  rule->SetCaption("");
  if (def.Sides == widgets::TSides(widgets::sdBottom))
    rule->SetBounds(def.Left, def.Top + def.Height - 2, def.Width, 2);
  else
    rule->SetBounds(def.Left + def.Width - 2, def.Top, 2, def.Height);
  rule->SetColor(gui::clBtnShadow);
}

TMainNumericEdit* MakeEntryField(gui::TForm& form, const TEditDef& def) {
  auto* edit = Place<TMainNumericEdit>(form, def.Name, def.Parent, def.Left, def.Top, def.Width, def.Height);
  edit->SetMax(def.Max);
  edit->SetTabOrder(def.TabOrder);
  return edit;
}

TMainCheckBox* MakeCheckBox(gui::TForm& form, const TCheckBoxDef& def) {
  auto* box = Place<TMainCheckBox>(form, def.Name, "", def.Left, def.Top, def.Width, def.Height);
  box->SetCaption(std::string("[ ] ") + def.Caption);
  box->SetFont(LayoutFont(def.Font));
  box->SetTabOrder(def.TabOrder);
  return box;
}

}  // namespace app
