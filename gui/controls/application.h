#pragma once

// The application object: the host it runs on, its forms, the event loop, activation of forms,
// modal nesting and the default report of errors that escape event handlers.

#include <exception>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "gui/controls/accessible.h"
#include "gui/controls/component.h"
#include "gui/host.h"

namespace gui {

class TForm;

class TApplication : public TComponent {
 public:
  // Becomes the process's Application object until destroyed.
  explicit TApplication(THost& host);
  ~TApplication() override;

  THost& Host() const { return FHost; }

  const std::string& Title() const { return FTitle; }  // Windows-1251
  void SetTitle(std::string_view title) { FTitle = std::string(title); }

  // Creates a form owned by the application; the first one created is the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    if (!FMainForm) FMainForm = form;
    return form;
  }
  TForm* MainForm() const { return FMainForm; }
  const std::vector<TForm*>& Forms() const { return FForms; }

  // Shows the main form and handles events until Terminate (closing the main form calls it).
  void Run();
  // Handles one event, or, when none is pending, does the idle work and then waits for one.
  void HandleMessage();
  // Handles every pending event and does the idle work, without waiting.
  void ProcessMessages();
  // Paints pending rectangles of every form and frees released forms.
  void Idle();
  bool HasIdleWork() const;
  void Terminate() { FTerminated = true; }
  bool Terminated() const { return FTerminated; }

  // The default error report: the application title as caption and the message with a full stop
  // added when it ends in a character above ".". EAbort is silent.
  void HandleException(std::exception_ptr error);
  static std::string ReportText(const std::string& message);
  // Replaces the built-in report window (the standard dialogs install theirs here).
  std::function<void(const std::string& title, const std::string& message)> OnShowErrorReport;
  int ErrorReportCount() const { return FErrorReports; }
  // While an error report is open. Like the platform's message box it stands for, the report
  // is not an activation: the forms it covers get neither OnDeactivate nor OnActivate from it.
  bool ShowingErrorReport() const { return FReportDepth > 0; }
  const std::string& LastErrorReport() const { return FLastErrorReport; }

  // Shows the application's help for a help context (the message dialog's help button).
  std::function<void(int helpContext)> OnHelp;

  // Activation and modal nesting.
  TForm* ActiveForm() const { return FActiveForm; }
  void ActivateForm(TForm* form);
  TForm* ModalForm() const { return FModalStack.empty() ? nullptr : FModalStack.back(); }
  void PushModal(TForm* form) { FModalStack.push_back(form); }
  void PopModal(TForm* form);

  // Cursors registered under numbers of their own resolve to a standard shape.
  void RegisterCursor(int id, TCursor shape) { FCursors[id] = shape; }
  TCursor CursorShape(int id) const;

  // The accessibility listener the controls tell of their changes; null (the default) while no
  // assistive technology listens, and then the controls do no work for it.
  TAccListener* AccListener() const { return FAccListener; }
  void SetAccListener(TAccListener* listener) { FAccListener = listener; }

  // Bookkeeping by the forms.
  void RegisterForm(TForm* form) { FForms.push_back(form); }
  void UnregisterForm(TForm* form);
  void FormHidden(TForm* form);
  void ReleaseLater(TComponent* component);

 private:
  void ShowDefaultErrorReport(const std::string& message);

  THost& FHost;
  std::string FTitle;
  TForm* FMainForm = nullptr;
  TForm* FActiveForm = nullptr;
  std::vector<TForm*> FForms;
  std::vector<TForm*> FModalStack;
  std::vector<std::pair<TComponent*, TAliveToken::TWatch>> FReleased;
  std::unordered_map<int, TCursor> FCursors;
  TAccListener* FAccListener = nullptr;
  bool FTerminated = false;
  int FErrorReports = 0;
  int FReportDepth = 0;
  std::string FLastErrorReport;
};

// The one application object, or null when none exists.
extern TApplication* Application;

}  // namespace gui
