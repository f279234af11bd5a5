// The press shared by every pressable control: sequences of pointer and key events, with the
// state and the answer after each step.

#include "gui/controls/press_tracker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gui;

namespace {

struct TStep {
  const char* Event;  // down, in, out, up-in, up-out, key, keyup, disarm, drop
  TPressAnswer Answer;
  const char* State;  // held, inside, armed, shown as H/h, I/i, A/a, S/s
};

TPressAnswer Feed(TPressTracker& t, const std::string& e) {
  if (e == "down") return t.MouseDown();
  if (e == "in") return t.MouseMove(true);
  if (e == "out") return t.MouseMove(false);
  if (e == "up-in") return t.MouseUp(true);
  if (e == "up-out") return t.MouseUp(false);
  if (e == "key") return t.KeyDown();
  if (e == "keyup") return t.KeyUp();
  if (e == "disarm") return t.Disarm();
  if (e == "drop") return t.DropMouse();
  ADD_FAILURE() << "unknown event " << e;
  return paNothing;
}

std::string State(const TPressTracker& t) {
  return std::string{t.MouseHeld() ? 'H' : 'h', t.Inside() ? 'I' : 'i', t.Armed() ? 'A' : 'a',
                     t.Shown() ? 'S' : 's'};
}

TEST(PressTracker, SequencesOfEvents) {
  const std::vector<std::vector<TStep>> sequences = {
      // A click; a press that leaves and comes back still clicks.
      {{"down", paRepaint, "HIaS"}, {"out", paRepaint, "Hias"}, {"out", paNothing, "Hias"}},
      {{"down", paRepaint, "HIaS"},
       {"out", paRepaint, "Hias"},
       {"in", paRepaint, "HIaS"},
       {"up-in", paClick, "hias"}},
      // Released outside: no click, and a move after the release changes nothing.
      {{"down", paRepaint, "HIaS"},
       {"out", paRepaint, "Hias"},
       {"up-out", paRepaint, "hias"},
       {"in", paNothing, "hias"}},
      // Nothing held: moves and releases answer nothing.
      {{"in", paNothing, "hias"}, {"up-in", paNothing, "hias"}, {"drop", paNothing, "hias"}},
      // Space: one press, one click; a second release clicks nothing.
      {{"key", paRepaint, "hiAS"},
       {"key", paNothing, "hiAS"},
       {"keyup", paClick, "hias"},
       {"keyup", paNothing, "hias"}},
      // Escape (or the focus leaving) takes the arm back.
      {{"key", paRepaint, "hiAS"}, {"disarm", paRepaint, "hias"}, {"keyup", paNothing, "hias"}},
      // Space during a mouse press arms a click of its own; the look follows the last event.
      {{"down", paRepaint, "HIaS"},
       {"key", paRepaint, "HIAS"},
       {"keyup", paClick, "HIas"},
       {"in", paRepaint, "HIaS"},
       {"up-in", paClick, "hias"}},
      // The capture lost: the mouse press is dropped, a held Space stays armed.
      {{"key", paRepaint, "hiAS"},
       {"down", paRepaint, "HIAS"},
       {"drop", paRepaint, "hiAs"},
       {"keyup", paClick, "hias"}},
  };
  for (std::size_t s = 0; s < sequences.size(); ++s) {
    TPressTracker t;
    for (std::size_t i = 0; i < sequences[s].size(); ++i) {
      const TStep& step = sequences[s][i];
      EXPECT_EQ(Feed(t, step.Event), step.Answer)
          << "sequence " << s << ", step " << i << " (" << step.Event << ")";
      EXPECT_EQ(State(t), step.State) << "sequence " << s << ", step " << i << " (" << step.Event << ")";
    }
  }
}

}  // namespace
