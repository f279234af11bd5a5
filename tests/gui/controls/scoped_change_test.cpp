// A field changed for the length of a scope: the value it had comes back however the scope
// ends, nested changes unwind in order, and a watched owner freed inside gets nothing written.

#include "gui/controls/scoped_change.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

using namespace gui;

namespace {

TEST(ScopedChange, PutsBackThePreviousValueInOrder) {
  bool flag = false;
  int depth = 0;
  {
    TScopedChange outer(flag, true);
    TScopedChange first(depth, depth + 1);
    {
      TScopedChange inner(flag, true);
      TScopedChange second(depth, depth + 1);
      EXPECT_EQ(depth, 2);
    }
    EXPECT_TRUE(flag) << "the inner scope ended, the outer one still holds the flag";
    EXPECT_EQ(depth, 1);
  }
  EXPECT_FALSE(flag);
  EXPECT_EQ(depth, 0);
}

TEST(ScopedChange, AThrowingScopeStillPutsTheValueBack) {
  bool flag = false;
  EXPECT_THROW(
      {
        TScopedChange change(flag, true);
        throw std::runtime_error("handler failed");
      },
      std::runtime_error);
  EXPECT_FALSE(flag);
}

TEST(ScopedChange, AWatchedOwnerThatIsGoneGetsNothingWritten) {
  // The field outlives its token here only so that the test can look at it afterwards.
  struct TOwner {
    bool Flag = false;
    std::optional<TAliveToken> Token{std::in_place};
  } owner;
  {
    TScopedChange change(owner.Flag, true, owner.Token->Watch());
    owner.Token.reset();
  }
  EXPECT_TRUE(owner.Flag);
  owner.Token.emplace();
  { TScopedChange change(owner.Flag, false, owner.Token->Watch()); }
  EXPECT_TRUE(owner.Flag) << "a living owner gets its value back";
}

}  // namespace
