#include "app/main_form.h"

#include <stdexcept>
#include <string>

#include "app/banner_pane.h"
#include "app/number_parse.h"
#include "dialogs/message_dialog.h"
#include "dialogs/prompt_form.h"
#include "gui/controls/application.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/text.h"
#include "resources/resources.h"
#include "session/journal.h"
#include "stats/display_rules.h"
#include "stats/wheel.h"
#include "widgets/bit_btn.h"
#include "widgets/check_box.h"
#include "widgets/numeric_edit.h"

namespace app {

using namespace gui::literals;

namespace {

// The window's own texts. Named here rather than written into the calls: clang 14 crashes on a
// compile-time converted literal that stands directly as an argument in this file.
const char* const kExitQuestion = "Вы уверены, что хотите выйти из программы?"_cp;
const char* const kCorrectionTitle = "Смена ошибочного числа"_cp;
const char* const kCorrectionPrompt = "Введите новое число"_cp;

}  // namespace

TForm1::TForm1(gui::TComponent* owner) : gui::TForm(owner) {
  BeginLoading();
  SetName("Form1");
  SetCaption("Spintrak");
  SetBorderStyle(gui::bsSizeable);
  SetBorderIcons(gui::TBorderIcons());
  SetPosition(gui::poScreenCenter);
  SetClientSize(kMainClientWidth, kMainClientHeight);
  SetColor(gui::clBtnFace);
  gui::TBitmap icon;
  icon.LoadFromMemory(resources::Get("icons/spintrak.png"));
  SetIcon(icon);
  BuildLayout();
  ConnectHandlers();
  EndLoading();
  SetActiveControl(UiNumericEdit1);
}

TForm1::~TForm1() = default;

void TForm1::SetJournal(std::unique_ptr<session::TJournal> journal) { FJournal = std::move(journal); }

void TForm1::ReportJournal(const std::optional<std::string>& report) {
  // Told after the window has done all it does for the change, so that it behaves the same.
  if (report && gui::Application != nullptr)
    gui::Application->HandleException(std::make_exception_ptr(std::runtime_error(gui::Utf8ToAnsi(*report))));
}

void TForm1::BuildLayout() {
  const TMainLayout& layout = MainLayout();
  for (const TPanelDef& def : layout.Panels) {
    widgets::TUiPanel* panel = MakePanel(*this, def);
    if (def.Name == kBannerPanel) UiPanel4 = panel;
  }
  for (const TButtonDef& def : layout.Buttons) MakeButton(*this, def);
  UiNumericEdit1 = MakeEntryField(*this, kEntryField);
  for (const TLabelDef& def : layout.Labels) MakeLabel(*this, def);
  for (const TSeparatorDef& def : layout.Separators) MakeSeparator(*this, def);
  for (const TBorderDef& def : layout.Borders) MakeBorder(*this, def);
  MakeAccGroups(*this, layout);
  UiCheckBox1 = MakeCheckBox(*this, kStayOnTopBox);
  if (gui::Application && !gui::Application->Host().CanKeepAbove()) ExplainStayOnTopUnavailable(*UiCheckBox1);
  WebBrowser1 = MakeBannerPane(*this, kBannerPanel);

  UiBitBtn1 = static_cast<widgets::TUiBitBtn*>(FindComponent("UiBitBtn1"));
  UiBitBtn2 = static_cast<widgets::TUiBitBtn*>(FindComponent("UiBitBtn2"));
  UiBitBtn3 = static_cast<widgets::TUiBitBtn*>(FindComponent("UiBitBtn3"));
  UiLabel266 = static_cast<gui::TControl*>(FindComponent("UiLabel266"));
  SetAnnounceEntries(true);
}

// What a player wants to hear after an entry without moving the focus: the count of spins and
// the number that has just come in at the head of the strip.
void TForm1::SetAnnounceEntries(bool value) {
  UiLabel266->SetAccLive(value);
  static_cast<gui::TControl*>(FindComponent(stats::StripLabelName(1)))->SetAccLive(value);
}

void TForm1::ConnectHandlers() {
  OnActivate = [this](gui::TComponent* sender) { FormActivate(sender); };
  OnClose = [this](gui::TComponent* sender, gui::TCloseAction& action) { FormClose(sender, action); };
  UiBitBtn1->OnClick = [this](gui::TComponent* sender) { UiBitBtn1Click(sender); };
  UiBitBtn2->OnClick = [this](gui::TComponent* sender) { UiBitBtn2Click(sender); };
  UiBitBtn3->OnClick = [this](gui::TComponent* sender) { UiBitBtn3Click(sender); };
  UiNumericEdit1->OnKeyPress = [this](gui::TComponent* sender, char& key) { UiNumericEdit1KeyPress(sender, key); };
  UiCheckBox1->OnClick = [this](gui::TComponent* sender) { UiCheckBox1Click(sender); };
  for (int k = 1; k <= stats::StripLength; ++k)
    static_cast<gui::TControl*>(FindComponent(stats::StripLabelName(k)))->OnDblClick =
        [this](gui::TComponent* sender) { UiLabelLast1DblClick(sender); };
}

void TForm1::FormActivate(gui::TComponent*) { RefreshBanner(*WebBrowser1, *UiNumericEdit1); }

void TForm1::FormClose(gui::TComponent*, gui::TCloseAction& action) {
  const int answer =
      dialogs::ShowMessageDialog(kExitQuestion, dialogs::mkConfirmation, {dialogs::dbYes, dialogs::dbNo}, 0);
  // Only Yes ends the run: a question dismissed by its close box must not throw away every
  // spin entered so far, as nothing is saved.
  if (answer != gui::mrYes) action = gui::caNone;
}

void TForm1::UiBitBtn1Click(gui::TComponent*) { Close(); }

void TForm1::UiBitBtn2Click(gui::TComponent*) {
  if (OnShowAbout) OnShowAbout();
}

void TForm1::UiBitBtn3Click(gui::TComponent*) { AddSpin(); }

void TForm1::UiNumericEdit1KeyPress(gui::TComponent*, char& key) {
  if (key != '\r') return;
  if (UiNumericEdit1->IntegerValue() > stats::MaxWheelNumber)
    UiNumericEdit1->SetIntegerValue(stats::MaxWheelNumber);
  if (UiNumericEdit1->IntegerValue() < stats::MinWheelNumber)
    UiNumericEdit1->SetIntegerValue(stats::MinWheelNumber);
  AddSpin();
  // The key stays: the field's own filter rejects Enter afterwards and beeps.
}

void TForm1::AddSpin() {
  // Read before the history grows, so that a value that cannot be read records nothing.
  FHistory.Append(static_cast<std::int32_t>(UiNumericEdit1->IntegerValue()));
  // In the file before it is on the screen: a program killed now has lost nothing shown.
  const std::optional<std::string> report = FJournal ? FJournal->Append(FHistory.Spins()) : std::nullopt;
  UiLabel266->SetCaption(std::to_string(FHistory.Length()));
  Refresh();
  UiNumericEdit1->SetText("");
  UiNumericEdit1->SetFocus();
  ReportJournal(report);
}

void TForm1::Refresh() {
  stats::LastNumbersStrip(FHistory, FLabels);
  stats::StatsPanel(FHistory, FLabels);
}

void TForm1::UiLabelLast1DblClick(gui::TComponent* sender) {
  auto& label = *static_cast<gui::TControl*>(sender);
  if (label.Caption().empty()) return;
  const gui::AnsiString text = dialogs::PromptForText(kCorrectionTitle, kCorrectionPrompt, label.Caption());
  // Whatever is not a wheel number is refused without a word.
  const std::optional<std::int32_t> number = ParseInt32(text);
  if (!number || !stats::IsWheelNumber(*number)) return;
  // The strip position is the index after "UiLabelLast". The history and the journal change
  // before the label, so that nothing shown is missing from the file.
  const int k = std::stoi(label.Name().substr(11, 2));
  const bool changed = FHistory.Recent(static_cast<std::size_t>(k)) != *number;
  FHistory.Replace(k, *number);
  const std::optional<std::string> report =
      FJournal && changed ? FJournal->Rewrite(FHistory.Spins()) : std::nullopt;
  label.SetCaption(std::to_string(*number));
  label.Font().SetColor(stats::ColorOfNumber(*number));
  stats::StatsPanel(FHistory, FLabels);
  ReportJournal(report);
}

void TForm1::UiCheckBox1Click(gui::TComponent*) { SetTopMost(UiCheckBox1->Checked()); }

void TForm1::PrefillHistory(std::span<const std::int32_t> spins) {
  FHistory.AppendMany(spins);
  UiLabel266->SetCaption(std::to_string(FHistory.Length()));
  Refresh();
}

}  // namespace app
