#pragma once
// The main window: the top band with the entry field and the two large buttons, the strip of the
// last numbers, the even-money and dozen table, the single-number table and the stay-on-top box.
// It owns the spin history; the entry field and the strip are the only ways it changes.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "app/label_sink.h"
#include "app/main_controls.h"
#include "app/spin_field.h"
#include "gui/controls/form.h"
#include "stats/spin_history.h"

namespace gui {
class TWebBrowser;
}

namespace session {
class TJournal;
}

namespace app {

class TTableWalk;

class TForm1 : public gui::TForm {
 public:
  explicit TForm1(gui::TComponent* owner);
  ~TForm1() override;

  const stats::SpinHistory& History() const { return FHistory; }
  // Appends spins without going through the window, then shows them as an entry would: a resumed
  // session, and the measuring programs' long histories. Nothing is written to the journal.
  void PrefillHistory(std::span<const std::int32_t> spins);

  // The journal every change of the history is written to before the window shows it; none by
  // default. The window behaves the same with or without it.
  void SetJournal(std::unique_ptr<session::TJournal> journal);
  session::TJournal* Journal() const { return FJournal.get(); }

  // Whether a screen reader is asked to speak the newest number and the spin count after each
  // entry (on by default; they can always be read on request).
  void SetAnnounceEntries(bool value);

  // Removes the newest spin after the player confirms it, with the journal rewritten; refused
  // with a beep when nothing is recorded. Ctrl+Z calls it, and so may any other way of asking.
  // Returns whether a spin was removed.
  bool UndoLastSpin();

  // The handlers, one per user event.
  void FormActivate(gui::TComponent* sender);
  void FormClose(gui::TComponent* sender, gui::TCloseAction& action);
  void UiBitBtn1Click(gui::TComponent* sender);
  void UiBitBtn2Click(gui::TComponent* sender);
  void UiBitBtn3Click(gui::TComponent* sender);
  void UiNumericEdit1KeyPress(gui::TComponent* sender, char& key);
  void UiLabelLast1DblClick(gui::TComponent* sender);
  void UiCheckBox1Click(gui::TComponent* sender);

  // Shows the about box; set by start-up once the box exists.
  std::function<void()> OnShowAbout;

  widgets::TUiBitBtn* UiBitBtn1 = nullptr;
  widgets::TUiBitBtn* UiBitBtn2 = nullptr;
  widgets::TUiBitBtn* UiBitBtn3 = nullptr;
  TSpinField* UiNumericEdit1 = nullptr;
  gui::TControl* UiLabel266 = nullptr;  // the spin counter
  widgets::TUiPanel* UiPanel4 = nullptr;
  gui::TWebBrowser* WebBrowser1 = nullptr;
  widgets::TUiCheckBox* UiCheckBox1 = nullptr;

 protected:
  // F2 says the least frequent chances of every comparison; F3 corrects one of the last numbers;
  // F4 walks the tables for a screen reader (table_walk.h).
  bool ShortCut(std::uint16_t key, gui::TShiftState shift) override;

 private:
  void BuildLayout();
  void ConnectHandlers();
  // Records the spin the player typed; `byEnter` when Enter asked (the field beeps for it then).
  void AddSpin(bool byEnter);
  void Refresh();
  void ReportJournal(const std::optional<std::string>& report);
  // At exit, with the journal behind the history after a failed write: one more try, then the
  // player's choice. None when the journal is not behind (the usual question follows), else
  // whether the window closes.
  std::optional<bool> SettleJournalAtExit();
  bool SaveHistoryElsewhere(const std::string& suggested);
  void AnnounceEntry();
  // Asks which of the last numbers to correct (1 the newest), then corrects it as a double click does.
  void CorrectByKeyboard();

  stats::SpinHistory FHistory;
  std::unique_ptr<session::TJournal> FJournal;
  TFormLabelSink FLabels{*this};
  bool FAnnounce = true;
  // The statistics tables for a listener; the form keeps them (its accessibility groups).
  std::vector<gui::TAccTable*> FTables;
  std::unique_ptr<TTableWalk> FWalk;
};

}  // namespace app
