// The program's language: which one a user's environment chooses, the catalogue it comes from,
// and the main window in each language, every caption fitting where the layout puts it.

#include <clocale>
#include <map>

#include "app/about_box.h"
#include "app/language.h"
#include "dialogs/dialog_kinds.h"
#include "dialogs/message_form.h"
#include "gui/graphics/measure_canvas.h"
#include "gui/std/label.h"
#include "tests/app/main_form_fixture.h"
#include "widgets/bit_btn.h"
#include "widgets/check_box.h"

namespace app_test {
namespace {

using platform::headless::testing::Click;

std::string Choose(const std::map<std::string, std::string>& env) {
  const std::vector<std::string_view> catalogues{"en"};
  return app::ChooseLanguage(
      [&env](const char* name) -> const char* {
        const auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
      },
      catalogues);
}

TEST(LanguageChoice, FollowsTheLocaleAndLanguageAsGettextDoes) {
  struct TCase {
    std::map<std::string, std::string> Env;
    const char* Language;
  };
  const TCase cases[] = {
      {{{"LANG", "ru_RU.UTF-8"}}, "ru"},
      {{{"LANG", "en_US.UTF-8"}}, "en"},
      {{{"LANG", "en_GB.UTF-8"}}, "en"},
      {{{"LANG", "C"}}, "ru"},
      {{{"LANG", "POSIX"}}, "ru"},
      {{{"LANG", "C.UTF-8"}}, "ru"},
      {{}, "ru"},
      {{{"LANG", ""}}, "ru"},
      // A language without a catalogue reads English sooner than the Russian source.
      {{{"LANG", "de_DE.UTF-8"}}, "en"},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ru"}}, "ru"},
      {{{"LANG", "ru_RU.UTF-8"}, {"LANGUAGE", "en_GB:ru"}}, "en"},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de:ru"}}, "ru"},
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "en"}}, "en"},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", ""}}, "en"},
      // The plain C locale ignores LANGUAGE, as gettext does.
      {{{"LANG", "C"}, {"LANGUAGE", "en"}}, "ru"},
      // LC_ALL before LC_MESSAGES before LANG.
      {{{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}, "ru"},
      {{{"LC_MESSAGES", "en_US.UTF-8"}, {"LANG", "ru_RU.UTF-8"}}, "en"},
      {{{"LC_ALL", "ru_RU.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, "ru"},
      {{{"LANG", "ru_UA.UTF-8@euro"}}, "ru"},
  };
  for (const TCase& c : cases) {
    std::string env;
    for (const auto& [name, value] : c.Env) env += name + "=" + value + " ";
    EXPECT_EQ(Choose(c.Env), c.Language) << env;
  }
}

// Speaks English for the life of a test, then the source language again.
struct TEnglish {
  TEnglish() { Loaded = app::UseLanguage("en", app::CatalogueFolders()); }
  ~TEnglish() { app::UseLanguage(app::kSourceLanguage, {}); }
  bool Loaded = false;
};

TEST(LanguageCatalogue, EnglishWhetherOrNotTheUsersLocaleWasGenerated) {
  // "C" stands for an English locale that setlocale could not load; C.UTF-8 for one that it could.
  for (const char* locale : {"C", "C.UTF-8"}) {
    const std::string before = std::setlocale(LC_MESSAGES, nullptr);
    std::setlocale(LC_MESSAGES, locale);
    {
      const TEnglish english;
      ASSERT_TRUE(english.Loaded) << locale;
      EXPECT_EQ(app::CurrentLanguage(), "en");
      EXPECT_EQ(app::Tr("Красное"), "Red") << locale;
      EXPECT_EQ(app::Tr("10\nспинов"), "10\r\nspins") << "lines end as the control layer wants them";
    }
    EXPECT_EQ(app::Tr("Красное"), gui::Utf8ToAnsi("Красное"));
    std::setlocale(LC_MESSAGES, before.c_str());
  }
}

TEST(LanguageCatalogue, AMissingCatalogueKeepsTheSourceTexts) {
  EXPECT_FALSE(app::UseLanguage("en", {"/nonexistent/locale"}));
  EXPECT_EQ(app::CurrentLanguage(), "ru");
  EXPECT_EQ(app::Tr("Красное"), gui::Utf8ToAnsi("Красное"));
  EXPECT_EQ(app::Tr("10\nспинов"), gui::Utf8ToAnsi("10\r\nспинов"));
  EXPECT_FALSE(app::UseLanguage("fr", app::CatalogueFolders())) << "a language we have no catalogue for";
}

TEST(LanguageFormat, ArgumentsGoWhereTheTranslationPutsThem) {
  EXPECT_EQ(app::TrFormat("%2 из %1, %2%%3", {"a", "b"}), gui::Utf8ToAnsi("b из a, b%%3"))
      << "a place without an argument stays as written";
  const TEnglish english;
  EXPECT_EQ(app::TrFormat("Удалить последнее введённое число: %1?", {"17"}), "Remove the newest number: 17?");
}

struct EnglishWindow : TEnglish, TMainFormFixture {};

TEST_F(EnglishWindow, CaptionsHeadingsAndNamesInEnglish) {
  ASSERT_TRUE(Loaded);
  const std::pair<const char*, const char*> captions[] = {
      {"UiLabel2", "Winning number"}, {"UiLabel3", "Spins"},
      {"UiLabel4", "Last numbers"},   {"UiLabel26", "Chance"},
      {"UiLabel27", "10\r\nspins"},   {"UiLabel30", "All"},
      {"UiLabel40", "Red"},           {"UiLabel45", "Black"},
      {"UiLabel50", "1 - 18"},        {"UiLabel60", "Even"},
      {"UiLabel65", "Odd"},           {"UiBitBtn2", "About"},
      {"UiBitBtn1", "Exit"},          {"UiCheckBox1", "Keep the window on top"},
  };
  for (const auto& [name, caption] : captions) EXPECT_EQ(CaptionOf(name), caption) << name;
  EXPECT_EQ(Control("UiBitBtn3").AccName(), "Add the number");

  Enter("7");
  // A cell is named by where it stands; what it reads is its text.
  const std::pair<const char*, const char*> cells[] = {
      {"UiLabel36", "Red, last 10|1"},
      {"UiLabel41", "Black, last 10|0, least"},
      {"UiLabel46", "from 1 to 18, last 10|1"},
      {"UiLabelAllS7", "Number 7, all spins|1"},
      {"UiLabelLast1", "Last numbers, 1|7, red"},
      {"UiLabelLast2", "Last numbers, 2|empty"},
  };
  for (const auto& [name, heard] : cells) {
    const gui::TControl& cell = Control(name);
    EXPECT_EQ(cell.AccName() + "|" + cell.AccText()->Text, heard) << name;
  }
  EXPECT_EQ(Control("UiNumericEdit1").AccDescription(), "7, red. Spin 1");

  std::string question;
  Answer([&](gui::TForm& form) {
    question = dynamic_cast<dialogs::TMessageForm&>(form).Message()->Caption();
    Click(Host, form, dialogs::ButtonName(dialogs::dbNo));
  });
  Click(Host, *Form, "UiBitBtn1");
  EXPECT_EQ(question, "Are you sure you want to exit the program?");
}

// Where a caption must fit: a label's text inside its bounds and, where the label sizes itself,
// clear of every other control of its parent; a check box's and a button's text inside the room
// their face leaves for it.
std::vector<std::string> CaptionsThatDoNotFit(const gui::TForm& form) {
  std::vector<std::string> faults;
  auto textSize = [](const gui::TControl& control, unsigned flags, int width) {
    gui::TRect r{0, 0, width, 0};
    gui::DrawText(gui::MeasureCanvas(control.Font()), control.Caption(), r, flags | gui::DT_CALCRECT);
    return r;
  };
  for (int i = 0; i < form.ComponentCount(); ++i) {
    const auto* control = dynamic_cast<const gui::TControl*>(form.Components(i));
    if (!control || control->Caption().empty() || !control->Visible()) continue;
    const std::string name(control->Name());
    if (const auto* label = dynamic_cast<const gui::TLabel*>(control)) {
      const gui::TRect text = textSize(*label, label->DrawTextFlags(), label->WordWrap() ? label->Width() : 0);
      if (text.Width() > label->Width() || text.Height() > label->Height())
        faults.push_back(name + ": text " + std::to_string(text.Width()) + " x " + std::to_string(text.Height()) +
                         " in " + std::to_string(label->Width()) + " x " + std::to_string(label->Height()));
      const gui::TWinControl* parent = label->Parent();
      for (int k = 0; parent && label->AutoSize() && k < parent->ControlCount(); ++k) {
        const gui::TControl* other = parent->Controls(k);
        // Decorations (borders, separators) may run under a caption; text and input may not.
        const bool matters =
            dynamic_cast<const gui::TWinControl*>(other) || dynamic_cast<const gui::TLabel*>(other);
        if (other != label && matters && other->Visible() &&
            !gui::IntersectRect(other->BoundsRect(), label->BoundsRect()).IsEmpty())
          faults.push_back(name + " runs into " + std::string(other->Name()));
      }
    } else if (const auto* box = dynamic_cast<const widgets::TUiCheckBox*>(control)) {
      if (textSize(*box, 0, 0).Width() > box->CaptionRect().Width()) faults.push_back(name + ": caption too wide");
    } else if (const auto* button = dynamic_cast<const widgets::TUiBitBtn*>(control)) {
      if (textSize(*button, 0, 0).Width() > button->Width() - 10) faults.push_back(name + ": caption too wide");
    }
  }
  return faults;
}

using RussianWindow = TMainFormFixture;

TEST_F(RussianWindow, EveryCaptionFitsButTheStayOnTopBoxs) {
  // The face standing in for Comic Sans MS is wider: the box's last word was always cut off.
  EXPECT_EQ(CaptionsThatDoNotFit(*Form), std::vector<std::string>{"UiCheckBox1: caption too wide"});
  EXPECT_EQ(CaptionsThatDoNotFit(*dynamic_cast<app::TAboutBox*>(App.Forms().at(1))), std::vector<std::string>{});
}

TEST_F(EnglishWindow, EveryCaptionFits) {
  ASSERT_TRUE(Loaded);
  EXPECT_EQ(CaptionsThatDoNotFit(*Form), std::vector<std::string>{});
  const auto* about = dynamic_cast<app::TAboutBox*>(App.Forms().at(1));
  EXPECT_EQ(about->ProductName->Caption(), "Product name");
  EXPECT_EQ(CaptionsThatDoNotFit(*about), std::vector<std::string>{});
}

}  // namespace
}  // namespace app_test
