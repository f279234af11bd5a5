#include "gui/controls/win_control.h"

#include <algorithm>

#include "gui/controls/acc_group.h"
#include "gui/controls/exceptions.h"
#include "gui/controls/form.h"
#include "gui/controls/scoped_change.h"

namespace gui {

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { FWindowed = true; }

TWinControl::~TWinControl() { DestroyControls(); }

void TWinControl::DestroyControls() {
  // The children go with their parent: no layout of the ones left, whose handlers might reach
  // parts of the parent that are gone already.
  TScopedChange destroying(FDestroyingControls, true);
  while (!FControls.empty()) delete FControls.back();
}

void TWinControl::AdoptAccGroup(std::unique_ptr<TAccGroup> group) {
  if (!group || &group->Host() != this) throw EInvalidOperation("A control keeps the groups made for it only");
  FAccGroups.push_back(std::move(group));
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

void TWinControl::InsertControl(TControl* control) {
  FControls.push_back(control);
  control->FParent = this;
  if (control->IsWindowed()) FTabList.push_back(static_cast<TWinControl*>(control));
}

void TWinControl::RemoveControl(TControl* control) {
  if (TForm* form = Form()) form->ControlRemoved(control);
  std::erase(FControls, control);
  FTabList.erase(std::remove_if(FTabList.begin(), FTabList.end(),
                                [&](TWinControl* w) { return static_cast<TControl*>(w) == control; }),
                 FTabList.end());
  control->FParent = nullptr;
  if (control->Align() != alNone && !Destroying() && !FDestroyingControls) Realign();
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled) const {
  auto hit = [&](const TControl* c) {
    return c->Visible() && (allowDisabled || c->Enabled()) && c->BoundsRect().Contains(pos);
  };
  // Windowed children lie above the graphic ones.
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    if (!(*it)->IsWindowed() || !hit(*it)) continue;
    auto* win = static_cast<TWinControl*>(*it);
    const TPoint inner{pos.X - win->Left() - win->FNonClient.Left, pos.Y - win->Top() - win->FNonClient.Top};
    if (win->ClientRect().Contains(inner))
      if (TControl* deeper = win->ControlAtPos(inner, allowDisabled)) return deeper;
    return win;
  }
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
    if (!(*it)->IsWindowed() && hit(*it)) return *it;
  return nullptr;
}

TPoint TWinControl::ClientOriginInForm() const {
  const TRect r = RectInForm();
  return {r.Left + FNonClient.Left, r.Top + FNonClient.Top};
}

void TWinControl::SetNonClientInsets(const TRect& insets) {
  if (insets == FNonClient) return;
  FNonClient = insets;
  Invalidate();
  Realign();
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (!Parent()) return;
  auto& list = Parent()->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

bool TWinControl::CanFocus() const {
  // The form itself need not be on screen yet: the focus then waits for its activation.
  const TForm* form = Form();
  if (!form) return false;
  for (const TControl* c = this; c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return form->Enabled();
}

void TWinControl::SetFocus() {
  TForm* form = Form();
  if (!form) return;
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  form->FocusControl(this);
}

TAccStates TWinControl::AccStates() const {
  TAccStates states = TControl::AccStates();
  if (FTabStop) states.Include(asFocusable);
  if (Focused()) states.Include(asFocused).Include(asFocusable);
  return states;
}

bool TWinControl::Focused() const {
  const TForm* form = Form();
  return form && form->FocusedControl() == this;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* c : FTabList) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  const int n = static_cast<int>(list.size());
  if (n == 0) return nullptr;
  auto found = std::find(list.begin(), list.end(), current);
  int start = found == list.end() ? (forward ? n - 1 : 0) : static_cast<int>(found - list.begin());
  int i = start;
  for (int step = 0; step < n; ++step) {
    i = forward ? (i + 1) % n : (i + n - 1) % n;
    TWinControl* c = list[static_cast<std::size_t>(i)];
    if (c == current) break;
    if (c->CanFocus() && (!checkTabStop || c->TabStop())) return c;
  }
  return nullptr;
}

bool TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  TWinControl* next = FindNextControl(current, forward, checkTabStop);
  if (!next) return false;
  next->SetFocus();
  return true;
}

bool TWinControl::WantsKey(std::uint16_t, TShiftState) const { return false; }

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) { FireEvent(OnKeyDown, this, key, shift); }
void TWinControl::KeyPress(char& key) { FireEvent(OnKeyPress, this, key); }
void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) { FireEvent(OnKeyUp, this, key, shift); }
void TWinControl::DoEnter() { FireEvent(OnEnter, this); }
void TWinControl::DoExit() { FireEvent(OnExit, this); }

void TWinControl::FocusChanged(TControl* focused) {
  TControl::FocusChanged(focused);
  auto alive = Watch();
  for (std::size_t i = 0; i < FControls.size(); ++i) {
    FControls[i]->FocusChanged(focused);
    if (!alive) return;
  }
}

bool TWinControl::DialogKey(std::uint16_t key, TShiftState shift) {
  auto alive = Watch();
  for (std::size_t i = 0; i < FControls.size(); ++i) {
    if (FControls[i]->DialogKey(key, shift)) return true;
    if (!alive) return true;
  }
  return false;
}

bool TWinControl::DialogChar(char ch, TShiftState shift) {
  auto alive = Watch();
  for (std::size_t i = 0; i < FControls.size(); ++i) {
    if (FControls[i]->DialogChar(ch, shift)) return true;
    if (!alive) return true;
  }
  return false;
}

void TWinControl::EnableAlign() {
  if (FAlignDisabled > 0) --FAlignDisabled;
  if (FAlignDisabled == 0 && FAlignPending) Realign();
}

void TWinControl::Realign() {
  if (FAlignDisabled > 0 || Loading()) {
    FAlignPending = true;
    return;
  }
  if (FAligning) return;
  FAlignPending = false;
  AlignControls();
}

void TWinControl::AdjustClientRect(TRect&) const {}

void TWinControl::AlignControls() {
  TScopedChange aligning(FAligning, true);

  TRect r = ClientRect();
  AdjustClientRect(r);
  std::vector<TControl*> group;
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    group.clear();
    for (TControl* c : FControls)
      if (c->Visible() && c->Align() == align) group.push_back(c);
    // The child lying further toward the edge goes first; ties keep the order of creation.
    auto key = [align](const TControl* c) {
      switch (align) {
        case alTop: return c->Top();
        case alBottom: return -(c->Top() + c->Height());
        case alLeft: return c->Left();
        case alRight: return -(c->Left() + c->Width());
        default: return 0;
      }
    };
    std::stable_sort(group.begin(), group.end(),
                     [&](const TControl* a, const TControl* b) { return key(a) < key(b); });
    for (TControl* c : group) {
      switch (align) {
        case alTop:
          c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
          r.Top = std::min(r.Bottom, r.Top + c->Height());
          break;
        case alBottom:
          c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
          r.Bottom = std::max(r.Top, r.Bottom - c->Height());
          break;
        case alLeft:
          c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
          r.Left = std::min(r.Right, r.Left + c->Width());
          break;
        case alRight:
          c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
          r.Right = std::max(r.Left, r.Right - c->Width());
          break;
        default: c->SetBounds(r.Left, r.Top, r.Width(), r.Height()); break;
      }
    }
  }
}

void TWinControl::Resize() {
  Realign();
  TControl::Resize();
}

void TWinControl::VisibleChanged() {
  TControl::VisibleChanged();
  for (std::size_t i = 0; i < FControls.size(); ++i) FControls[i]->ParentShowingChanged();
}

void TWinControl::ParentShowingChanged() {
  for (std::size_t i = 0; i < FControls.size(); ++i) FControls[i]->ParentShowingChanged();
}

void TWinControl::ColorChanged() {
  TControl::ColorChanged();
  for (std::size_t i = 0; i < FControls.size(); ++i) FControls[i]->ParentColorChanged();
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (std::size_t i = 0; i < FControls.size(); ++i) FControls[i]->ParentFontChanged();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

void TWinControl::EraseBackground(TCanvas& canvas) {
  canvas.Brush.Color = Color();
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(ClientRect());
}

bool TWinControl::AnyIntersects(const TRect& r, const std::vector<TRect>& dirty) {
  for (const TRect& d : dirty)
    if (!IntersectRect(r, d).IsEmpty()) return true;
  return false;
}

void TWinControl::PaintTree(TCanvas& canvas, const std::vector<TRect>& dirty) {
  PaintWindow(canvas, dirty, canvas.Bitmap().LogicalBounds());
}

void TWinControl::PaintWindow(TCanvas& canvas, const std::vector<TRect>& dirty, const TRect& parentClip) {
  const TRect whole = RectInForm();
  const TRect window = IntersectRect(whole, parentClip);
  if (window.IsEmpty() || !AnyIntersects(window, dirty)) return;
  if (FNonClient != TRect{}) {
    TCanvasSaver saver(canvas);
    canvas.SetOrigin(whole.TopLeft());
    canvas.IntersectClipRect(window.Offset(-whole.Left, -whole.Top));
    NCPaint(canvas);
  }
  const TPoint origin = ClientOriginInForm();
  const TRect client = IntersectRect(Bounds(origin.X, origin.Y, ClientWidth(), ClientHeight()), window);
  if (client.IsEmpty() || !AnyIntersects(client, dirty)) return;
  {
    TCanvasSaver saver(canvas);
    canvas.SetOrigin(origin);
    canvas.IntersectClipRect(client.Offset(-origin.X, -origin.Y));
    canvas.Font.Assign(Font());
    EraseBackground(canvas);
    RoutePaint(canvas);
    for (TControl* child : FControls) {
      if (!child->Visible() || child->IsWindowed()) continue;
      const TRect own = child->RectInForm();
      const TRect part = IntersectRect(own, client);
      if (part.IsEmpty() || !AnyIntersects(part, dirty)) continue;
      TCanvasSaver childSaver(canvas);
      canvas.SetOrigin(own.TopLeft());
      canvas.IntersectClipRect(part.Offset(-own.Left, -own.Top));
      child->RoutePaint(canvas);
    }
  }
  for (TControl* child : FControls)
    if (child->Visible() && child->IsWindowed())
      static_cast<TWinControl*>(child)->PaintWindow(canvas, dirty, client);
}

}  // namespace gui
