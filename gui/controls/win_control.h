#pragma once

// A control with a window of its own: it holds children, takes the keyboard focus, receives keys,
// may have a non-client band around its client area and lays out its aligned children.

#include <algorithm>
#include <memory>
#include <vector>

#include "gui/controls/control.h"

namespace gui {

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls.at(static_cast<std::size_t>(index)); }
  bool ContainsControl(const TControl* control) const;
  // The deepest visible, enabled control at a point of this control's client area, or null.
  // With allowDisabled, disabled controls (and what lies inside them) count too: the pointer
  // is over a disabled control although it gives it no input.
  TControl* ControlAtPos(TPoint pos, bool allowDisabled = false) const;
  // The groups that gather some of its children for a listener (acc_group.h): kept here and
  // freed with the control, after its children.
  void AdoptAccGroup(std::unique_ptr<TAccGroup> group);
  const std::vector<std::unique_ptr<TAccGroup>>& AccGroups() const { return FAccGroups; }

  int ClientWidth() const override { return std::max(0, Width() - FNonClient.Left - FNonClient.Right); }
  int ClientHeight() const override { return std::max(0, Height() - FNonClient.Top - FNonClient.Bottom); }
  TPoint ClientOriginInForm() const override;
  // Widths of the non-client band on each side (Left, Top, Right, Bottom).
  TRect NonClientInsets() const { return FNonClient; }

  // Keyboard focus.
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value) { FTabStop = value; }
  virtual bool CanFocus() const;
  virtual void SetFocus();
  bool Focused() const;
  // Windowed descendants in Tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  // The next control after `current` in Tab order among this control's descendants, wrapping;
  // null when none qualifies.
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
  bool SelectNext(TWinControl* current, bool forward, bool checkTabStop);

  // Which keys the control handles itself; the dialog-key stage gets the others first.
  virtual bool WantsKey(std::uint16_t key, TShiftState shift) const;
  // Whether typed characters go to KeyPress before the accelerators of the dialog stage.
  virtual bool WantsChars() const { return true; }

  // Entry points of the form's key pipeline.
  void RouteKeyDown(std::uint16_t& key, TShiftState shift) { KeyDown(key, shift); }
  void RouteKeyPress(char& key) { KeyPress(key); }
  void RouteKeyUp(std::uint16_t& key, TShiftState shift) { KeyUp(key, shift); }
  void RouteEnter() { DoEnter(); }
  void RouteExit() { DoExit(); }

  // Child layout.
  void DisableAlign() { ++FAlignDisabled; }
  void EnableAlign();
  void Realign();
  bool Aligning() const { return FAligning; }

  TAccRole AccRole() const override { return AccHidden() ? arNone : arPanel; }
  TAccStates AccStates() const override;

  void FocusChanged(TControl* focused) override;
  bool DialogKey(std::uint16_t key, TShiftState shift) override;
  bool DialogChar(char ch, TShiftState shift) override;

  // Paints this window and its children into the canvas; `dirty` is in form coordinates.
  void PaintTree(TCanvas& canvas, const std::vector<TRect>& dirty);

  TKeyEvent OnKeyDown, OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter, OnExit;

 protected:
  virtual void KeyDown(std::uint16_t& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void KeyUp(std::uint16_t& key, TShiftState shift);
  virtual void DoEnter();
  virtual void DoExit();

  // The erase step before Paint: fills the client area with Color.
  virtual void EraseBackground(TCanvas& canvas);
  // Paints the non-client band; the canvas origin is the window's top-left corner.
  virtual void NCPaint(TCanvas&) {}
  void SetNonClientInsets(const TRect& insets);

  // The rectangle in which aligned children are placed (client coordinates).
  virtual void AdjustClientRect(TRect& rect) const;
  virtual void AlignControls();

  void Resize() override;
  void VisibleChanged() override;
  void ParentShowingChanged() override;
  void ColorChanged() override;
  void FontChanged() override;
  void Loaded() override;
  // Frees every child control.
  void DestroyControls();

 private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  static bool AnyIntersects(const TRect& r, const std::vector<TRect>& dirty);
  void PaintWindow(TCanvas& canvas, const std::vector<TRect>& dirty, const TRect& parentClip);

  std::vector<TControl*> FControls;    // z-order, bottom first
  std::vector<TWinControl*> FTabList;  // windowed children in Tab order
  std::vector<std::unique_ptr<TAccGroup>> FAccGroups;
  TRect FNonClient;
  bool FTabStop = false;
  bool FAligning = false;
  bool FAlignPending = false;
  bool FDestroyingControls = false;
  int FAlignDisabled = 0;
};

}  // namespace gui
