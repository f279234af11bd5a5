#pragma once

// The headless host's accessibility listener: it records every event the controls announce, so
// that tests can say which objects told what, and walks the model as a client would.

#include <string>
#include <vector>

#include "gui/controls/accessible.h"

namespace platform::headless {

struct TAccRecord {
  std::string Control;  // the control's component name
  gui::TAccEvent Event;
  std::string Name;  // its accessible name (UTF-8) when the event arrived
  friend bool operator==(const TAccRecord&, const TAccRecord&) = default;
};

class THeadlessAccRecorder final : public gui::TAccListener {
 public:
  void AccEvent(gui::TControl& control, gui::TAccEvent event) override;

  const std::vector<TAccRecord>& Events() const { return FEvents; }
  // The records of one control, in order.
  std::vector<TAccRecord> EventsOf(std::string_view control) const;
  void Clear() { FEvents.clear(); }

 private:
  std::vector<TAccRecord> FEvents;
};

// The first node in the tree below `root` (depth first, in tree order) with this role and
// accessible name (UTF-8), or null.
gui::TAccNode* FindAccessible(gui::TAccNode& root, gui::TAccRole role, std::string_view name);
// Every node in the tree below `root`, depth first.
std::vector<gui::TAccNode*> AccessibleTree(gui::TAccNode& root);

}  // namespace platform::headless
