#pragma once

// A control: a rectangle on a parent with the properties and mouse behaviour that every kind of
// control shares. Coordinates of Left/Top are in the parent's client area; mouse positions given
// to the handlers are in the control's own client area.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gui/controls/acc_node.h"
#include "gui/controls/component.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/color.h"
#include "gui/graphics/font.h"
#include "gui/graphics/geometry.h"

namespace gui {

class TWinControl;
class TForm;
class TAccGroup;

// A control is also a node of the accessibility tree (acc_node.h), the node that stands for it.
class TControl : public TComponent, public TAccNode {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);
  // The form this control lies on (itself for a form), or null.
  TForm* Form() const override;

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
  // A right- (bottom-) aligned control whose width (height) changes keeps its right (bottom) edge.
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  virtual int ClientWidth() const { return FWidth; }
  virtual int ClientHeight() const { return FHeight; }
  TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
  // Where the control's client (0, 0) lies in its form's client area.
  TPoint ClientOriginInForm() const override;
  // The control's whole rectangle in its form's client area.
  TRect RectInForm() const override;

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign align);

  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and so are all its parents up to a form that is on screen.
  bool Showing() const override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);

  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);

  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& font) { FFont.Assign(font); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);

  const std::string& Caption() const { return FCaption; }
  void SetCaption(std::string_view caption);

  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor cursor);

  // True for controls with a window of their own (TWinControl and below).
  bool IsWindowed() const { return FWindowed; }

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle style) { FControlStyle = style; }

  // Painting. Invalidate marks the control's rectangle; Update paints what is pending inside it
  // at once; Repaint does both.
  void Invalidate();
  void Update();
  void Repaint();
  // How often Paint has run; tests read it.
  int PaintCount() const { return FPaintCount; }

  bool MouseCapture() const;
  void SetMouseCapture(bool capture);

  virtual void Click();
  virtual void DblClick();
  // The press in progress was cut off (another window took the input): its release clicks nothing.
  virtual void CancelPress() { FClicked = false; }

  // The form's router calls these; a control acts on them through the virtual handlers below.
  void RouteMouseDown(TMouseButton button, TShiftState shift, TPoint pos);
  void RouteMouseUp(TMouseButton button, TShiftState shift, TPoint pos);
  void RouteMouseMove(TShiftState shift, TPoint pos) { MouseMove(shift, pos.X, pos.Y); }
  void RouteMouseEnter() { MouseEnter(); }
  void RouteMouseLeave() { MouseLeave(); }
  void RoutePaint(TCanvas& canvas);
  // Called for every control of a form when its focused control changes (focused may be null).
  virtual void FocusChanged(TControl* focused);
  // Keys and characters of the dialog stages; true when taken.
  virtual bool DialogKey(std::uint16_t key, TShiftState shift);
  virtual bool DialogChar(char ch, TShiftState shift);

  // Accessibility (texts in Windows-1251; TAccessible hands them out as UTF-8). The name is the one
  // set here, or else what the kind of control makes of itself (a label its caption).
  TAccRole AccRole() const override { return FAccHidden ? arNone : arFiller; }
  std::string AccName() const override { return FAccName.empty() ? AccDefaultName() : FAccName; }
  void SetAccName(std::string_view name) { FAccName = std::string(name); }
  // The tooltip the desktop shows while the pointer rests on the control, enabled or not (empty:
  // the parent's, if any).
  const std::string& Hint() const { return FHint; }
  void SetHint(std::string_view text) { FHint = std::string(text); }
  std::string AccDescription() const override { return FAccDescription; }
  // A new description is told to a listener (a screen reader speaks that of the focused control).
  void SetAccDescription(std::string_view text);
  // The label that names this control for a listener (an entry's caption beside it), and the
  // control a label names: SetAccLabel sets both ends. Null once the other end is gone.
  TControl* AccLabelledBy() const override { return FAccLabelledBy.Get(); }
  TControl* AccLabelFor() const override { return FAccLabelFor.Get(); }
  void SetAccLabel(TControl* label);
  // Left out of the tree whatever its kind: a rule or a divider that is only a line.
  bool AccHidden() const { return FAccHidden; }
  void SetAccHidden(bool value) { FAccHidden = value; }
  // A change of its text is spoken as it happens, without the focus moving there (the spin
  // counter after an entry); a screen reader reads the whole new text.
  bool AccLive() const override { return FAccLive; }
  void SetAccLive(bool value) { FAccLive = value; }
  // The table or list that gathers this control for a listener; null for most controls.
  TAccGroup* AccGroup() const override { return FAccGroup; }
  // A control's children in the tree are made of its own controls, and its parent is its group
  // or else the nearest of its parents that is in the tree.
  std::vector<TAccNode*> AccChildren() const override;
  TAccNode* AccTreeParent() const override;
  TAccStates AccStates() const override;
  TAliveToken::TWatch AccWatch() const override { return Watch(); }
  // Actions the program gives a control beyond the press (a strip item's correction): a name
  // and what runs, as the user's own input would run it.
  void AddAccAction(std::string_view name, std::function<void()> run);
  const TAccActionList& AccActions() const override { return FAccActions; }
  // Whether an action may act now: enabled and on screen, on a form that takes input.
  bool AccTakesInput() const override;
  // Tells the application's accessibility listener of a change, when there is one.
  void AccNotify(TAccEvent event);

  TNotifyEvent OnClick, OnDblClick, OnMouseEnter, OnMouseLeave, OnResize;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;

 protected:
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  // Draws the control on the canvas of the paint pass, whose origin is the control's client (0, 0) and which is
  // clipped to what the paint pass repaints of it; font and brush are the control's.
  virtual void Paint(TCanvas&) {}
  // The control moved or changed size (it has its new bounds already); marks what the change
  // uncovered and what it covers now: by default both whole rectangles.
  virtual void InvalidateBoundsChange(const TRect& oldBounds);
  virtual void Resize();
  virtual void EnabledChanged();
  virtual void VisibleChanged();
  // A parent, or a parent's parent, was shown or hidden, so Showing() may have changed.
  virtual void ParentShowingChanged() {}
  virtual void ColorChanged();
  virtual void ParentColorChanged();
  virtual void FontChanged();
  virtual void ParentFontChanged();
  virtual void TextChanged();
  void Loaded() override;

  // Sets the initial visibility without any notification (forms start hidden).
  void InitVisible(bool visible) { FVisible = visible; }

  // Asks the parent to lay out its aligned children again.
  void RequestAlign();

  virtual std::string AccDefaultName() const { return {}; }

 private:
  friend class TWinControl;
  friend class TAccGroup;
  void TakeParentColor();
  void TakeParentFont();

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = alNone;
  bool FVisible = true;
  bool FEnabled = true;
  bool FParentColor = true;
  bool FParentFont = true;
  bool FFontFromParent = false;
  bool FClicked = false;
  bool FWindowed = false;
  TColor FColor = clWindow;
  TFont FFont;
  std::string FCaption;
  TCursor FCursor = crDefault;
  bool FAccHidden = false;
  bool FAccLive = false;
  TAccGroup* FAccGroup = nullptr;
  std::string FAccName, FAccDescription, FHint;
  // Another control, known for as long as it lives.
  struct TAccLink {
    TControl* Control = nullptr;
    std::optional<TAliveToken::TWatch> Alive;
    TControl* Get() const { return Control && Alive && Alive->Alive() ? Control : nullptr; }
  };
  TAccLink FAccLabelledBy, FAccLabelFor;
  TAccActionList FAccActions;
  TControlStyle FControlStyle = TControlStyle(csCaptureMouse) | csClickEvents | csSetCaption | csDoubleClicks;
  int FPaintCount = 0;
};

}  // namespace gui
