// The main window's handling of the record as a whole: undoing the newest spin, and the exit
// while the journal is behind the history.

#include <cstdlib>
#include <string>

#include "app/main_form.h"
#include "dialogs/message_dialog.h"
#include "dialogs/prompt_form.h"
#include "files/replace_file.h"
#include "gui/controls/application.h"
#include "gui/graphics/text.h"
#include "session/journal.h"

namespace app {

using namespace gui::literals;

namespace {

// Named rather than written into the calls: clang 14 crashes on a compile-time converted
// literal that stands directly as an argument.
const char* const kUndoQuestion = "Удалить последнее введённое число: "_cp;
const char* const kUndoQuestionEnd = "?"_cp;
const char* const kBehindStart = "Журнал сессии \""_cp;
const char* const kBehindSpins = "\" отстаёт: чисел на диске "_cp;
const char* const kBehindOf = " из "_cp;
const char* const kBehindCorrection = ", исправление не записано"_cp;
const char* const kBehindSave = ".\n\nДа: сохранить всю историю в файл \""_cp;
const char* const kBehindAsk =
    "\" (его можно изменить) и выйти.\nНет: выйти без них.\nОтмена: остаться в программе."_cp;
const char* const kSaveTitle = "Сохранить историю"_cp;
const char* const kSavePrompt = "Файл для всей истории"_cp;
const char* const kSaveFailed = "Не удалось сохранить историю в \""_cp;

std::string HistoryText(std::span<const std::int32_t> spins) {
  std::string text;
  for (std::int32_t spin : spins) text += std::to_string(spin) + "\n";
  return text;
}

// Where the whole history is offered to go: the home folder, under the journal's own name.
std::string SuggestedPath(const std::string& journalPath) {
  const char* home = std::getenv("HOME");
  const std::string folder = home != nullptr && home[0] == '/' ? home : "/tmp";
  return folder + journalPath.substr(journalPath.rfind('/'));
}

}  // namespace

void TForm1::HostKeyDown(std::uint16_t key, gui::TShiftState shift) {
  FSwallowChar = false;
  if (key == 'Z' && shift == gui::TShiftState{gui::ssCtrl} && AcceptsInput()) {
    FSwallowChar = true;
    try {
      UndoLastSpin();
    } catch (...) {
      if (gui::Application != nullptr) gui::Application->HandleException(std::current_exception());
    }
    return;
  }
  gui::TForm::HostKeyDown(key, shift);
}

void TForm1::HostChar(char32_t ch) {
  if (std::exchange(FSwallowChar, false)) return;
  gui::TForm::HostChar(ch);
}

bool TForm1::UndoLastSpin() {
  if (FHistory.Empty()) {
    UiNumericEdit1->Beep();
    return false;
  }
  const gui::AnsiString question =
      std::string(kUndoQuestion) + std::to_string(FHistory.Recent(1)) + kUndoQuestionEnd;
  if (dialogs::ShowMessageDialog(question, dialogs::mkConfirmation, {dialogs::dbYes, dialogs::dbNo}, 0) !=
      gui::mrYes)
    return false;
  FHistory.RemoveLast();
  const std::optional<std::string> report =
      FJournal ? FJournal->Rewrite(FHistory.Spins(), FHistory.Length()) : std::nullopt;
  UiLabel266->SetCaption(std::to_string(FHistory.Length()));
  Refresh();
  if (UiNumericEdit1->CanFocus()) UiNumericEdit1->SetFocus();
  ReportJournal(report);
  return true;
}

std::optional<bool> TForm1::SettleJournalAtExit() {
  if (!FJournal || !FJournal->Behind(FHistory.Spins())) return std::nullopt;
  FJournal->Retry(FHistory.Spins());
  if (!FJournal->Behind(FHistory.Spins())) return std::nullopt;
  std::string text = std::string(kBehindStart) + gui::Utf8ToAnsi(FJournal->Path()) + kBehindSpins +
                     std::to_string(FJournal->SpinsOnDisk()) + kBehindOf + std::to_string(FHistory.Length());
  if (FJournal->CorrectionPending()) text += kBehindCorrection;
  const std::string suggested = SuggestedPath(FJournal->Path());
  text += kBehindSave + gui::Utf8ToAnsi(suggested) + kBehindAsk;
  const int answer =
      dialogs::ShowMessageDialog(text, dialogs::mkWarning, {dialogs::dbYes, dialogs::dbNo, dialogs::dbCancel}, 0);
  if (answer == gui::mrNo) return true;
  if (answer != gui::mrYes) return false;
  return SaveHistoryElsewhere(suggested);
}

bool TForm1::SaveHistoryElsewhere(const std::string& suggested) {
  gui::AnsiString path = gui::Utf8ToAnsi(suggested);
  if (!dialogs::QueryText(kSaveTitle, kSavePrompt, path)) return false;
  const std::string target = gui::AnsiToUtf8(path);
  try {
    files::TReplaceOptions options;
    options.OwnFileOnly = false;
    files::ReplaceFile(target, HistoryText(FHistory.Spins()), options);
  } catch (const files::TFileError& e) {
    dialogs::ShowMessageDialog(std::string(kSaveFailed) + path + "\". " + gui::Utf8ToAnsi(e.what()),
                               dialogs::mkError, {dialogs::dbOK}, 0);
    return false;
  }
  return true;
}

}  // namespace app
