#include "gui/controls/press_tracker.h"

namespace gui {

TPressAnswer TPressTracker::Become(bool held, bool inside, bool armed, bool shown) {
  const bool changed = held != FMouseHeld || inside != FInside || armed != FArmed || shown != FShown;
  FMouseHeld = held;
  FInside = inside;
  FArmed = armed;
  FShown = shown;
  return changed ? paRepaint : paNothing;
}

TPressAnswer TPressTracker::MouseDown() { return Become(true, true, FArmed, true); }

TPressAnswer TPressTracker::MouseMove(bool inside) {
  if (!FMouseHeld) return paNothing;
  return Become(true, inside, FArmed, inside);
}

TPressAnswer TPressTracker::MouseUp(bool inside) {
  if (!FMouseHeld) return paNothing;
  Become(false, false, FArmed, false);
  return inside ? paClick : paRepaint;
}

TPressAnswer TPressTracker::KeyDown() { return Become(FMouseHeld, FInside, true, true); }

TPressAnswer TPressTracker::KeyUp() {
  // One press, one click: the arm is used up by the release it belongs to.
  const bool armed = FArmed;
  const TPressAnswer changed = Become(FMouseHeld, FInside, false, false);
  return armed ? paClick : changed;
}

TPressAnswer TPressTracker::Disarm() { return Become(FMouseHeld, FInside, false, false); }

TPressAnswer TPressTracker::DropMouse() { return Become(false, false, FArmed, false); }

}  // namespace gui
