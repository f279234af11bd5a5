// The confirmation of the standard dialogs on the GTK host, answered with its access keys as a
// user would: Alt+N and Alt+Y, also on a keyboard layout without Latin letters.
#include "dialogs/message_dialog.h"
#include "gui/controls/application.h"
#include "gui/controls/form.h"
#include "platform/gtk/gtk_host.h"
#include "platform/gtk/gtk_window.h"
#include "tests/e2e/form_controls.h"
#include "tests/e2e/x_tools.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

namespace e2e {
namespace {

// Counts the confirmations asked for, so that the fallback of an earlier one leaves a later one alone.
int Asked = 0;

// Once the confirmation is on screen, activates it and presses the keys in it. Should the keys do
// nothing, the dialog is closed with 100 after a while, so that the test fails instead of hanging.
void PressWhenShown(gui::TApplication& app, const std::string& keys) {
  struct TPress {
    gui::TApplication* App;
    std::string Keys;
    int Serial;
  };
  const int serial = ++Asked;
  g_timeout_add_full(
      G_PRIORITY_DEFAULT, 50,
      +[](gpointer data) -> gboolean {
        auto* press = static_cast<TPress*>(data);
        gui::TForm* form = press->App->ModalForm();
        if (form == nullptr || !form->Visible() || form->HostWindow() == nullptr) return G_SOURCE_CONTINUE;
        const std::string xid = XidOf(*form);
        static_cast<platform::gtk::TGtkWindow*>(form->HostWindow())->AfterFirstFrame([xid, keys = press->Keys] {
          Start({"xdotool", "windowactivate", "--sync", xid, "windowfocus", "--sync", xid, "key", keys});
        });
        g_timeout_add_full(
            G_PRIORITY_DEFAULT, 10000,
            +[](gpointer data) -> gboolean {
              auto* press = static_cast<TPress*>(data);
              if (press->Serial == Asked)
                if (gui::TForm* open = press->App->ModalForm()) open->SetModalResult(100);
              return G_SOURCE_REMOVE;
            },
            new TPress(*press), +[](gpointer data) { delete static_cast<TPress*>(data); });
        return G_SOURCE_REMOVE;
      },
      new TPress{&app, keys, serial}, +[](gpointer data) { delete static_cast<TPress*>(data); });
}

class DialogE2E : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    App = new gui::TApplication(*Host);
    App->SetTitle("Spintrak e2e");
  }
  static void TearDownTestSuite() {
    delete App;
    App = nullptr;
  }

  static int Confirm(const std::string& keys) {
    PressWhenShown(*App, keys);
    return dialogs::ShowMessageDialog("Leave the program?", dialogs::mkConfirmation,
                                      {dialogs::dbYes, dialogs::dbNo}, 0);
  }

  static gui::TApplication* App;
};

gui::TApplication* DialogE2E::App = nullptr;

TEST_F(DialogE2E, AltNAnswersTheConfirmationWithNoAndAltYWithYes) {
  EXPECT_EQ(Confirm("alt+n"), gui::mrNo);
  EXPECT_EQ(Confirm("alt+y"), gui::mrYes);
  EXPECT_EQ(Confirm("alt+shift+n"), gui::mrNo) << "Shift held as well changes nothing";
  EXPECT_TRUE(WaitForStarted());
}

TEST_F(DialogE2E, AccessKeysGoByTheKeysPlaceOnALayoutWithoutLatinLetters) {
  RunOk({"setxkbmap", "-layout", "ru"});
  // On the Russian layout the N key gives "т" and the Y key "н".
  const int no = Confirm("alt+Cyrillic_te");
  const int yes = Confirm("alt+Cyrillic_en");
  RunOk({"setxkbmap", "-layout", "us"});
  EXPECT_EQ(no, gui::mrNo);
  EXPECT_EQ(yes, gui::mrYes);
  EXPECT_TRUE(WaitForStarted());
}

}  // namespace
}  // namespace e2e
