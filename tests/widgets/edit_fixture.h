#pragma once
// A shown form with the numeric field as the main window lays it out (Max 36, picture "0",
// the bump frame while hot), one of its glyph buttons and a second framed entry, on the headless host.
// Separators are "." and "," unless a test sets others; they are put back afterwards.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/controls/form.h"
#include "main_field.h"
#include "platform/headless/testing/input_script.h"
#include "widgets/bit_btn.h"
#include "widgets/edit.h"
#include "widgets/numeric_edit.h"

namespace widgets::testing {

using namespace platform::headless::testing;

struct TEditFixture : ::testing::Test, TTestApp {
  gui::TForm* Form = nullptr;
  TUiEdit* Other = nullptr;
  TUiNumericEdit* Field = nullptr;
  TUiBitBtn* Button = nullptr;
  std::vector<std::string> Events;
  std::vector<std::string> Reports;
  TNumberSeparators SavedSeparators = NumberSeparators();

  TEditFixture() {
    SetNumberSeparators({'.', ','});
    Form = App.CreateForm<gui::TForm>();
    Form->SetName("Form1");
    Form->SetClientSize(200, 120);
    Form->BeginLoading();
    // The other entry comes first in Tab order, so the field starts without the focus.
    Other = new TUiEdit(Form);
    Other->SetName("UiEdit1");
    Other->SetParent(Form);
    Other->SetBounds(10, 80, 65, 21);
    Field = new TUiNumericEdit(Form);
    Field->SetName("UiNumericEdit1");
    Field->SetParent(Form);
    Field->SetBounds(10, 10, 65, 21);
    SetMainFieldProperties(*Field);
    Field->OnChange = [this](gui::TComponent*) { Events.push_back("change " + Field->Text()); };
    Field->OnEnter = [this](gui::TComponent*) { Events.push_back("enter"); };
    Field->OnExit = [this](gui::TComponent*) { Events.push_back("exit " + Field->Text()); };
    Button = new TUiBitBtn(Form);
    Button->SetName("Button1");
    Button->SetParent(Form);
    Button->SetBounds(100, 10, 75, 25);
    Form->EndLoading();
    App.OnShowErrorReport = [this](const std::string&, const std::string& text) { Reports.push_back(text); };
  }
  ~TEditFixture() override { SetNumberSeparators(SavedSeparators); }

  void Show() {
    Form->Show();
    Host.RunUntilIdle();
  }
  void Focus(gui::TWinControl& control) {
    control.SetFocus();
    Host.RunUntilIdle();
  }
  void Type(std::string_view utf8) { TypeText(Host, *Form, utf8); }
  void Key(std::uint16_t key, gui::TShiftState shift = {}) { PressKey(Host, *Form, key, shift); }
  void Paste(std::string_view utf8) {
    Host.Clipboard = std::string(utf8);
    Key('V', gui::ssCtrl);
  }
  // A pixel of a control in its own coordinates, as painted now.
  gui::TColor Px(const gui::TControl& c, int x, int y) {
    const gui::TRect r = c.RectInForm();
    return PixelAt(Host, *Form, r.Left + x, r.Top + y);
  }
  void PointerOnto(const gui::TControl& c) { MoveTo(Host, *Form, CentreOf(c)); }
  void PointerAway() { MoveTo(Host, *Form, {195, 115}); }
};

}  // namespace widgets::testing
