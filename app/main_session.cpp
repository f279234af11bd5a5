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

namespace {

const char* const kUndoQuestion = N_("Удалить последнее введённое число: %1?");
// %1 the journal, %2 and %3 the spins on disk and in all, %4 the pending correction's words or
// nothing, %5 the file offered for the whole history.
const char* const kBehind =
    N_("Журнал сессии \"%1\" отстаёт: чисел на диске %2 из %3%4.\n\n"
       "Да: сохранить всю историю в файл \"%5\" (его можно изменить) и выйти.\n"
       "Нет: выйти без них.\n"
       "Отмена: остаться в программе.");
const char* const kBehindCorrection = N_(", исправление не записано");
const char* const kSaveTitle = N_("Сохранить историю");
const char* const kSavePrompt = N_("Файл для всей истории");
// %1 the file, %2 why it failed.
const char* const kSaveFailed = N_("Не удалось сохранить историю в \"%1\". %2");

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

bool TForm1::UndoLastSpin() {
  if (FHistory.Empty()) {
    UiNumericEdit1->Beep();
    return false;
  }
  const gui::AnsiString question = TrFormat(kUndoQuestion, {std::to_string(FHistory.Recent(1))});
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
  const std::string suggested = SuggestedPath(FJournal->Path());
  const gui::AnsiString text =
      TrFormat(kBehind, {gui::Utf8ToAnsi(FJournal->Path()), std::to_string(FJournal->SpinsOnDisk()),
                         std::to_string(FHistory.Length()),
                         FJournal->CorrectionPending() ? Tr(kBehindCorrection) : gui::AnsiString(),
                         gui::Utf8ToAnsi(suggested)});
  const int answer =
      dialogs::ShowMessageDialog(text, dialogs::mkWarning, {dialogs::dbYes, dialogs::dbNo, dialogs::dbCancel}, 0);
  if (answer == gui::mrNo) return true;
  if (answer != gui::mrYes) return false;
  return SaveHistoryElsewhere(suggested);
}

bool TForm1::SaveHistoryElsewhere(const std::string& suggested) {
  gui::AnsiString path = gui::Utf8ToAnsi(suggested);
  if (!dialogs::QueryText(Tr(kSaveTitle), Tr(kSavePrompt), path)) return false;
  const std::string target = gui::AnsiToUtf8(path);
  try {
    files::TReplaceOptions options;
    options.OwnFileOnly = false;
    files::ReplaceFile(target, HistoryText(FHistory.Spins()), options);
  } catch (const files::TFileError& e) {
    dialogs::ShowMessageDialog(TrFormat(kSaveFailed, {path, gui::Utf8ToAnsi(e.what())}), dialogs::mkError,
                               {dialogs::dbOK}, 0);
    return false;
  }
  return true;
}

}  // namespace app
