#include "app/main_form.h"

#include <stdexcept>
#include <string>

#include "app/banner_pane.h"
#include "app/least_summary.h"
#include "app/number_parse.h"
#include "app/spin_field.h"
#include "app/table_cell.h"
#include "app/table_walk.h"
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

namespace {

// F2 and F3: keys no control of the window uses, free of the screen reader's own (F4, the tables'
// walk for a screen reader, is table_walk.h's).
constexpr std::uint16_t kSummaryKey = gui::VK_F1 + 1;
constexpr std::uint16_t kCorrectKey = gui::VK_F1 + 2;

// The window's own texts. Named here rather than written into the calls: clang 14 crashes on a
// compile-time converted literal that stands directly as an argument in this file.
const char* const kExitQuestion = N_("Вы уверены, что хотите выйти из программы?");
const char* const kCorrectionTitle = N_("Смена ошибочного числа");
const char* const kCorrectionPrompt = N_("Введите новое число");
// What a screen reader says after an entry: "7, красное. Спин 12".
const char* const kAnnounceSpin = N_("%1. Спин %2");
// The keyboard's ways to the least frequent chances and to a correction, as a listener hears
// them in the window's description.
const char* const kKeysDescription =
    N_("F2: что выпадало меньше всех. F3: исправить одно из последних чисел. F4: пройти таблицы по клеткам. "
       "Ctrl+Z: удалить последнее число.");
const char* const kCorrectAction = N_("исправить");
const char* const kUndoAction = N_("удалить");
const char* const kCorrected = N_("Исправлено: %1");
const char* const kCorrectWhich = N_("Какое число исправить: 1 - последнее, 21 - самое давнее");

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
  FTables = MakeAccGroups(*this, layout);
  FWalk = std::make_unique<TTableWalk>(*this, FTables);
  UiCheckBox1 = MakeCheckBox(*this, kStayOnTopBox);
  if (gui::Application && !gui::Application->Host().CanKeepAbove()) ExplainStayOnTopUnavailable(*UiCheckBox1);
  WebBrowser1 = MakeBannerPane(*this, kBannerPanel);

  UiBitBtn1 = static_cast<widgets::TUiBitBtn*>(FindComponent("UiBitBtn1"));
  UiBitBtn2 = static_cast<widgets::TUiBitBtn*>(FindComponent("UiBitBtn2"));
  UiBitBtn3 = static_cast<widgets::TUiBitBtn*>(FindComponent("UiBitBtn3"));
  UiLabel266 = static_cast<gui::TControl*>(FindComponent("UiLabel266"));
  UiNumericEdit1->SetAccLabel(static_cast<gui::TControl*>(FindComponent("UiLabel2")));
  SetAccDescription(Tr(kKeysDescription));
}

void TForm1::SetAnnounceEntries(bool value) {
  FAnnounce = value;
  if (!value) UiNumericEdit1->SetAccDescription("");
}

// What a player wants to hear after an entry without moving the focus: the number that has just
// come in and the count of spins. A screen reader speaks a new description of the focused control
// (the entry field, where the focus stays), so the entry's description carries it.
void TForm1::AnnounceEntry() {
  if (!FAnnounce || FHistory.Length() == 0) return;
  const std::string number = std::to_string(FHistory.Recent(1));
  UiNumericEdit1->SetAccDescription(
      TrFormat(kAnnounceSpin, {StripCellText(number), std::to_string(FHistory.Length())}));
}

void TForm1::ConnectHandlers() {
  OnActivate = [this](gui::TComponent* sender) { FormActivate(sender); };
  OnClose = [this](gui::TComponent* sender, gui::TCloseAction& action) { FormClose(sender, action); };
  UiBitBtn1->OnClick = [this](gui::TComponent* sender) { UiBitBtn1Click(sender); };
  UiBitBtn2->OnClick = [this](gui::TComponent* sender) { UiBitBtn2Click(sender); };
  UiBitBtn3->OnClick = [this](gui::TComponent* sender) { UiBitBtn3Click(sender); };
  UiNumericEdit1->OnKeyPress = [this](gui::TComponent* sender, char& key) { UiNumericEdit1KeyPress(sender, key); };
  UiCheckBox1->OnClick = [this](gui::TComponent* sender) { UiCheckBox1Click(sender); };
  for (int k = 1; k <= stats::StripLength; ++k) {
    auto* item = static_cast<gui::TControl*>(FindComponent(stats::StripLabelName(k)));
    item->OnDblClick = [this](gui::TComponent* sender) { UiLabelLast1DblClick(sender); };
    item->AddAccAction(Tr(kCorrectAction), [this, item] { UiLabelLast1DblClick(item); });
  }
  // The newest number can also be taken back, as Ctrl+Z does.
  static_cast<gui::TControl*>(FindComponent(stats::StripLabelName(1)))->AddAccAction(Tr(kUndoAction), [this] {
    UndoLastSpin();
  });
}

bool TForm1::ShortCut(std::uint16_t key, gui::TShiftState shift) {
  if (FWalk && FWalk->Key(key, shift)) return true;
  if (key == 'Z' && shift == gui::TShiftState{gui::ssCtrl}) {
    UndoLastSpin();
    return true;
  }
  if (!shift.Empty()) return false;
  if (key == kSummaryKey) {
    dialogs::ShowMessageDialog(LeastSummary(FTables), dialogs::mkInformation, {dialogs::dbOK}, 0);
    return true;
  }
  if (key == kCorrectKey) {
    CorrectByKeyboard();
    return true;
  }
  return false;
}

void TForm1::CorrectByKeyboard() {
  const int shown = static_cast<int>(std::min<std::size_t>(FHistory.Length(), stats::StripLength));
  if (shown == 0) {
    if (gui::Application) gui::Application->Host().Beep();
    return;
  }
  const std::optional<std::int32_t> k =
      ParseInt32(dialogs::PromptForText(Tr(kCorrectionTitle), Tr(kCorrectWhich), "1"));
  // A place that holds no number is refused, as a double click on an empty cell is.
  if (!k || *k < 1 || *k > shown) return;
  UiLabelLast1DblClick(FindComponent(stats::StripLabelName(*k)));
}

void TForm1::FormActivate(gui::TComponent*) { RefreshBanner(*WebBrowser1, *UiNumericEdit1); }

void TForm1::FormClose(gui::TComponent*, gui::TCloseAction& action) {
  // A journal behind the history asks its own question instead.
  if (const std::optional<bool> close = SettleJournalAtExit()) {
    if (!*close) action = gui::caNone;
    return;
  }
  const int answer =
      dialogs::ShowMessageDialog(Tr(kExitQuestion), dialogs::mkConfirmation, {dialogs::dbYes, dialogs::dbNo}, 0);
  // Only Yes ends the run: a question dismissed by its close box was not answered, and the
  // player stays in the window.
  if (answer != gui::mrYes) action = gui::caNone;
}

void TForm1::UiBitBtn1Click(gui::TComponent*) { Close(); }

void TForm1::UiBitBtn2Click(gui::TComponent*) {
  if (OnShowAbout) OnShowAbout();
}

void TForm1::UiBitBtn3Click(gui::TComponent*) { AddSpin(false); }

void TForm1::UiNumericEdit1KeyPress(gui::TComponent*, char& key) {
  if (key != '\r') return;
  AddSpin(true);
  // The key stays: the field's own filter rejects Enter afterwards and beeps.
}

void TForm1::AddSpin(bool byEnter) {
  // Only a number the player typed on the wheel becomes a spin: an empty field, or 37, or the
  // "120" of a 12 typed before the field's "0", records nothing; the player retypes it.
  const gui::AnsiString typed = UiNumericEdit1->TypedText();
  std::optional<std::int32_t> spin;
  try {
    spin = UiNumericEdit1->TypedSpin();
  } catch (...) {
    UiNumericEdit1->Retype(typed);
    throw;
  }
  if (!spin) {
    UiNumericEdit1->Retype(typed);
    if (!byEnter) UiNumericEdit1->Beep();
    return;
  }
  FHistory.Append(*spin);
  // In the file before it is on the screen: a program killed now has lost nothing shown.
  const std::optional<std::string> report = FJournal ? FJournal->Append(FHistory.Spins()) : std::nullopt;
  UiLabel266->SetCaption(std::to_string(FHistory.Length()));
  Refresh();
  UiNumericEdit1->SetText("");
  UiNumericEdit1->SetFocus();
  AnnounceEntry();
  ReportJournal(report);
}

void TForm1::Refresh() {
  stats::LastNumbersStrip(FHistory, FLabels);
  stats::StatsPanel(FHistory, FLabels);
}

void TForm1::UiLabelLast1DblClick(gui::TComponent* sender) {
  auto& label = *static_cast<gui::TControl*>(sender);
  if (label.Caption().empty()) return;
  const gui::AnsiString text =
      dialogs::PromptForText(Tr(kCorrectionTitle), Tr(kCorrectionPrompt), label.Caption());
  // Whatever is not a wheel number is refused without a word.
  const std::optional<std::int32_t> number = ParseInt32(text);
  if (!number || !stats::IsWheelNumber(*number)) return;
  // The strip position is the index after "UiLabelLast". The history and the journal change
  // before the label, so that nothing shown is missing from the file.
  const int k = std::stoi(label.Name().substr(11, 2));
  const bool changed = FHistory.Recent(static_cast<std::size_t>(k)) != *number;
  FHistory.Replace(k, *number);
  const std::optional<std::string> report =
      FJournal && changed ? FJournal->Rewrite(FHistory.Spins(), FHistory.Length() - static_cast<std::size_t>(k))
                          : std::nullopt;
  label.SetCaption(std::to_string(*number));
  label.Font().SetColor(stats::ColorOfNumber(*number));
  stats::StatsPanel(FHistory, FLabels);
  if (FAnnounce) UiNumericEdit1->SetAccDescription(TrFormat(kCorrected, {StripCellText(label.Caption())}));
  ReportJournal(report);
}

void TForm1::UiCheckBox1Click(gui::TComponent*) { SetTopMost(UiCheckBox1->Checked()); }

void TForm1::PrefillHistory(std::span<const std::int32_t> spins) {
  FHistory.AppendMany(spins);
  UiLabel266->SetCaption(std::to_string(FHistory.Length()));
  Refresh();
}

}  // namespace app
