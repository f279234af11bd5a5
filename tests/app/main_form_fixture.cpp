#include "tests/app/main_form_fixture.h"

#include "dialogs/error_report.h"

namespace app_test {

using platform::headless::testing::PressKey;
using platform::headless::testing::TypeText;

TMainFormFixture::TMainFormFixture() {
  App.SetTitle("Spintrak");
  dialogs::InstallErrorReport(App);
  Form = App.CreateForm<app::TForm1>();
  Form->Show();
  Host.RunUntilIdle();
}

gui::TControl& TMainFormFixture::Control(std::string_view name) const {
  auto* control = dynamic_cast<gui::TControl*>(Form->FindComponent(name));
  if (!control) throw std::logic_error("no control " + std::string(name));
  return *control;
}

std::vector<std::int32_t> TMainFormFixture::Spins() const {
  const auto spins = Form->History().Spins();
  return {spins.begin(), spins.end()};
}

void TMainFormFixture::Enter(std::string_view typed) {
  TypeText(Host, *Form, typed);
  PressKey(Host, *Form, gui::VK_RETURN);
}

void TMainFormFixture::Answer(std::function<void(gui::TForm&)> answer) {
  Host.OnModal = [this, answer](gui::TForm& form) {
    ++Modals;
    answer(form);
  };
}

}  // namespace app_test
