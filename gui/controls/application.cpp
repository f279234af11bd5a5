#include "gui/controls/application.h"

#include <algorithm>

#include "gui/controls/error_report_form.h"
#include "gui/controls/exceptions.h"
#include "gui/controls/form.h"
#include "gui/controls/report_errors.h"
#include "gui/controls/scoped_change.h"

namespace gui {

TApplication* Application = nullptr;

void Abort() { throw EAbort(); }

TApplication::TApplication(THost& host) : TComponent(nullptr), FHost(host) {
  if (Application) throw EInvalidOperation("An application object already exists");
  Application = this;
  RegisterCursor(crHandPoint, crHandPoint);
}

TApplication::~TApplication() {
  FTerminated = true;
  DestroyComponents();
  // Forms without an owner are the caller's; they only lose their link to the application.
  Application = nullptr;
}

void TApplication::Run() {
  // An error of a handler run by the first showing is reported; the program goes on.
  ReportErrors([&] {
    if (FMainForm && !FMainForm->Visible()) FMainForm->Show();
  });
  while (!FTerminated) HandleMessage();
}

void TApplication::HandleMessage() {
  bool dispatched = false;
  if (!ReportErrors([&] { dispatched = FHost.ProcessEvents(false); })) return;
  if (dispatched) return;
  Idle();
  if (FTerminated || HasIdleWork()) return;
  ReportErrors([&] { FHost.ProcessEvents(true); });
}

void TApplication::ProcessMessages() {
  for (;;) {
    bool dispatched = false;
    // A step that ended by an error may have left more events behind.
    if (!ReportErrors([&] { dispatched = FHost.ProcessEvents(false); })) dispatched = true;
    if (!dispatched) break;
  }
  Idle();
}

bool TApplication::HasIdleWork() const {
  if (!FReleased.empty()) return true;
  return std::any_of(FForms.begin(), FForms.end(), [](const TForm* f) { return f->HasPendingPaint(); });
}

void TApplication::Idle() {
  std::vector<std::pair<TComponent*, TAliveToken::TWatch>> released;
  released.swap(FReleased);
  for (auto& [component, alive] : released)
    if (alive) delete component;
  for (std::size_t i = 0; i < FForms.size(); ++i) {
    ReportErrors([&] { FForms[i]->PaintPending(); });
  }
  ReportErrors([&] { FHost.FlushPresented(); });
}

std::string TApplication::ReportText(const std::string& message) {
  std::string text = message;
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
  return text;
}

void TApplication::HandleException(std::exception_ptr error) {
  std::string message;
  try {
    std::rethrow_exception(error);
  } catch (const EAbort&) {
    return;
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    message = "Unknown error";
  }
  ++FErrorReports;
  const std::string text = ReportText(message);
  FLastErrorReport = text;
  TScopedChange depth(FReportDepth, FReportDepth + 1);
  try {
    if (OnShowErrorReport)
      OnShowErrorReport(FTitle, text);
    else
      ShowDefaultErrorReport(text);
  } catch (...) {
    // A report that fails cannot be reported again; the program goes on.
  }
}

void TApplication::ShowDefaultErrorReport(const std::string& message) {
  TErrorReportForm report(nullptr, FTitle, message);
  report.ShowModal();
}

void TApplication::ActivateForm(TForm* form) {
  if (form == FActiveForm) return;
  TForm* old = FActiveForm;
  FActiveForm = form;
  auto formAlive = form ? form->Watch() : TAliveToken::TWatch(nullptr);
  if (old) old->RouteDeactivate();
  if (form && formAlive && FActiveForm == form) form->RouteActivate();
}

void TApplication::PopModal(TForm* form) {
  auto it = std::find(FModalStack.rbegin(), FModalStack.rend(), form);
  if (it != FModalStack.rend()) FModalStack.erase(std::next(it).base());
}

TCursor TApplication::CursorShape(int id) const {
  if (id <= 0) return id;
  auto it = FCursors.find(id);
  return it == FCursors.end() ? crDefault : it->second;
}

void TApplication::UnregisterForm(TForm* form) {
  std::erase(FForms, form);
  std::erase(FModalStack, form);
  std::erase_if(FReleased, [form](const auto& r) { return r.first == form; });
  if (FActiveForm == form) FActiveForm = nullptr;
  if (FMainForm == form) FMainForm = nullptr;
}

void TApplication::FormHidden(TForm* form) {
  if (FActiveForm != form) return;
  FActiveForm = nullptr;
  form->RouteDeactivate();
  if (form->Modal()) return;  // the modal loop activates the form it came from
  TForm* next = nullptr;
  if (FMainForm && FMainForm != form && FMainForm->Visible() && FMainForm->AcceptsInput()) next = FMainForm;
  for (auto it = FForms.rbegin(); !next && it != FForms.rend(); ++it)
    if (*it != form && (*it)->Visible() && (*it)->AcceptsInput()) next = *it;
  if (next) ActivateForm(next);
}

void TApplication::ReleaseLater(TComponent* component) {
  for (const auto& r : FReleased)
    if (r.first == component) return;
  FReleased.emplace_back(component, component->Watch());
}

}  // namespace gui
