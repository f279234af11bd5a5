#pragma once

// A top-level window. The form owns its host window and its back buffer, routes the host's input
// to its controls (capture, double clicks, enter/leave, focus, the key pipeline), runs the paint
// pass over its dirty rectangles, and implements showing, modal loops and closing.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "gui/controls/custom_control.h"
#include "gui/graphics/bitmap.h"
#include "gui/host.h"

namespace gui {

class TForm : public TCustomControl, public THostWindowEvents {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  TForm* Form() const override { return const_cast<TForm*>(this); }
  TRect RectInForm() const override { return ClientRect(); }
  TPoint ClientOriginInForm() const override { return {0, 0}; }
  bool Showing() const override { return Visible() && FWindow != nullptr; }

  // A dialog by its border or while it is modal; named by its caption.
  TAccRole AccRole() const override { return FBorderStyle == bsDialog || FModal ? arDialog : arFrame; }

  // Width and Height are the outer size; the client area is smaller by the frame of the border style.
  void SetClientSize(int width, int height);
  void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
  void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
  void SetBounds(int left, int top, int width, int height) override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons icons) { FBorderIcons = icons; }
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition position) { FPosition = position; }
  bool TopMost() const { return FTopMost; }
  // Only the stacking changes: the window is not moved, resized or activated.
  void SetTopMost(bool topMost);
  // The title the desktop shows, in UTF-8, where the caption's code page cannot hold it: the
  // caption becomes its nearest Windows-1251 form, and the desktop shows `title` itself for as
  // long as the caption is not changed again.
  void SetTitleUtf8(std::string_view title);
  // What the desktop shows: that title, or the caption.
  std::string TitleUtf8() const;
  const TBitmap* Icon() const { return FIcon.get(); }
  void SetIcon(const TBitmap& icon) { FIcon = std::make_unique<TBitmap>(icon); }

  // Showing and closing.
  void Show();
  void Hide();
  void CenterOnScreen();
  int ShowModal();
  bool Modal() const { return FModal; }
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int result) { FModalResult = result; }
  // Asks OnCloseQuery, then OnClose; a modal form only gets ModalResult mrCancel here and is
  // asked when its loop sees the result. Closing the main form ends the application's Run.
  void Close();
  // Frees the form once the current event has been handled.
  void Release();
  bool Active() const;

  // Focus.
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  TWinControl* FocusedControl() const { return Active() ? FFocusedControl : nullptr; }
  // Moves the keyboard focus: DoExit on the old control, FocusChanged to every control, DoEnter
  // on the new one. A handler may move the focus elsewhere; the function then returns false.
  bool FocusControl(TWinControl* control);
  void SelectFirst();
  // A control that holds the focus for assistive technologies only, while the keyboard focus
  // stays where it is (a screen reader walking a table cell by cell; nothing on screen changes).
  // Null when none, once it is freed, and from the next move of the keyboard focus on.
  TControl* AccFocus() const;
  // Gives it to `control` and tells the listener; null gives it back to the focused control,
  // which is told again.
  void SetAccFocus(TControl* control);

  // Input routing state.
  TControl* CaptureControl() const { return FCaptureControl; }
  void SetCaptureControl(TControl* control);
  TControl* MouseControl() const { return FMouseControl; }
  // Whether this form takes input now: no modal form above it.
  bool AcceptsInput() const;

  // Painting.
  TBitmap& BackBuffer() { return FBuffer; }
  TCanvas& BufferCanvas() { return FBuffer.Canvas(); }
  void InvalidateRect(const TRect& rect);
  // Paints the pending parts inside rect at once and hands them to the host.
  void UpdateRect(const TRect& rect);
  void PaintPending();
  bool HasPendingPaint() const { return !FDirty.empty(); }
  // Whether the paint pass is running (controls are painting into the back buffer now).
  bool Painting() const { return FPainting; }
  const std::vector<TRect>& DirtyRects() const { return FDirty; }
  // The part of a control's rectangle that its parents leave visible (form coordinates).
  TRect VisibleRectOf(const TControl* control) const;
  // The part of `rect` (form coordinates) that the control's parents leave visible.
  TRect VisibleRectOf(const TControl* control, TRect rect) const;
  THostWindow* HostWindow() const { return FWindow.get(); }

  // Notifications from controls.
  void ControlRemoved(TControl* control);
  void ControlLostInput(TControl* control);
  void CursorChanged(TControl* control);

  // Called by the application when the form becomes or stops being the active form.
  void RouteActivate();
  void RouteDeactivate();

  // THostWindowEvents.
  void HostMouseDown(TMouseButton button, TPoint pos, TShiftState shift, std::uint32_t timeMs) override;
  void HostMouseUp(TMouseButton button, TPoint pos, TShiftState shift, std::uint32_t timeMs) override;
  void HostMouseMove(TPoint pos, TShiftState shift, std::uint32_t timeMs) override;
  void HostMouseLeave() override;
  void HostKeyDown(std::uint16_t key, TShiftState shift) override;
  void HostKeyUp(std::uint16_t key, TShiftState shift) override;
  void HostChar(char32_t ch) override;
  void HostCloseRequest() override;
  void HostResized(int clientWidth, int clientHeight) override;
  void HostMoved(int left, int top) override;
  void HostExpose(const TRect& rect) override;
  void HostFocusChanged(bool gained) override;
  TForm* HostAccessibleRoot() override { return this; }
  void HostScaleChanged() override;
  bool HostTooltipAt(const TPoint& pos, std::string& utf8, TRect& area) override;

  TNotifyEvent OnActivate, OnDeactivate, OnShow, OnHide;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  void Resize() override;
  void TextChanged() override;
  void VisibleChanged() override;
  std::string AccDefaultName() const override { return Caption(); }
  bool CloseQuery();
  void DoClose(TCloseAction& action);
  // A key of the whole window, looked at before the focused control gets it; true when taken
  // (it then gives no character either).
  virtual bool ShortCut(std::uint16_t, TShiftState) { return false; }

 private:
  static TRect FrameInsets(TFormBorderStyle style);
  static bool Within(const TControl* control, const TControl* root);
  void CreateHostWindow();
  void UpdateHover(TControl* hit);
  // The control that gets the pointer's input at a point (enabled), and the one the pointer is
  // over (enabled or not); the form itself where there is none.
  TControl* HitTest(TPoint pos);
  TControl* HoverTest(TPoint pos);
  TControl* CursorControl() const;
  bool DialogKeyStage(std::uint16_t key, TShiftState shift);
  bool TakeShortCut(std::uint16_t key, TShiftState shift);
  void EndModal();

  class TModalScope;

  struct TLastPress {
    TControl* Control = nullptr;
    TMouseButton Button = mbLeft;
    TPoint Pos;
    std::uint32_t Time = 0;
    bool Valid = false;
  };

  std::unique_ptr<THostWindow> FWindow;
  std::unique_ptr<TBitmap> FIcon;
  std::string FTitleUtf8, FTitleAnsi;  // SetTitleUtf8's title and the caption it gave
  TBitmap FBuffer;
  std::vector<TRect> FDirty;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  TControl* FCaptureControl = nullptr;
  TControl* FAccFocus = nullptr;
  std::optional<TAliveToken::TWatch> FAccFocusAlive;
  TControl* FMouseControl = nullptr;
  TCursor FHostCursor = crDefault;
  TLastPress FLastPress;
  TShiftState FKeyShift;
  std::uint64_t FFocusSerial = 0;
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons = TBorderIcons(biSystemMenu) | biMinimize | biMaximize;
  TPosition FPosition = poDesigned;
  int FModalResult = 0;
  bool FModal = false;
  bool FTopMost = false;
  bool FPainting = false;
  bool FSuppressChar = false;
  bool FHostResizing = false;
  bool FWasShown = false;
};

}  // namespace gui
