#include "platform/headless/headless_accessibility.h"

#include "gui/controls/control.h"

namespace platform::headless {

void THeadlessAccRecorder::AccEvent(gui::TControl& control, gui::TAccEvent event) {
  FEvents.push_back({control.Name(), event, gui::TAccessible(control).Name()});
}

std::vector<TAccRecord> THeadlessAccRecorder::EventsOf(std::string_view control) const {
  std::vector<TAccRecord> out;
  for (const TAccRecord& r : FEvents)
    if (r.Control == control) out.push_back(r);
  return out;
}

namespace {

void Walk(gui::TAccNode& root, std::vector<gui::TAccNode*>& out) {
  for (gui::TAccNode* child : gui::TAccessible(root).Children()) {
    out.push_back(child);
    Walk(*child, out);
  }
}

}  // namespace

std::vector<gui::TAccNode*> AccessibleTree(gui::TAccNode& root) {
  std::vector<gui::TAccNode*> out;
  Walk(root, out);
  return out;
}

gui::TAccNode* FindAccessible(gui::TAccNode& root, gui::TAccRole role, std::string_view name) {
  for (gui::TAccNode* c : AccessibleTree(root)) {
    const gui::TAccessible acc(*c);
    if (acc.Role() == role && acc.Name() == name) return c;
  }
  return nullptr;
}

}  // namespace platform::headless
