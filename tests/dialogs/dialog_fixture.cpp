#include "dialog_fixture.h"

#include <cstdlib>

namespace dialogs_test {

TDialogFixture::TDialogFixture() {
  App.SetTitle("Spintrak");
  dialogs::InstallErrorReport(App);
}

void TDialogFixture::Answer(std::function<void(gui::TForm&)> answer) {
  Host.OnModal = [answer](gui::TForm& form) { answer(form); };
}

void TDialogFixture::SavePicture(gui::TForm& form, const std::string& name) {
  if (const char* dir = std::getenv("SPINTRAK_DIALOG_PNG_DIR"))
    Host.SaveFormPng(form, std::string(dir) + "/" + name);
}

}  // namespace dialogs_test
