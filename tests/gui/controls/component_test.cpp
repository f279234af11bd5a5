#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/controls/component.h"
#include "gui/controls/exceptions.h"
#include "test_controls.h"

using namespace gui;

namespace {

class TRecorder : public TComponent {
 public:
  TRecorder(TComponent* owner, std::vector<std::string>& log) : TComponent(owner), FLog(log) {}
  bool WasLoadingAtCreation = Loading();

 protected:
  void Loaded() override {
    TComponent::Loaded();
    FLog.push_back(Name());
  }

 private:
  std::vector<std::string>& FLog;
};

TEST(ComponentTest, FindsOwnedComponentsByNameIgnoringCase) {
  TComponent owner(nullptr);
  for (int k = 1; k <= 21; ++k) (new TComponent(&owner))->SetName("UiLabelLast" + std::to_string(k));
  ASSERT_NE(owner.FindComponent("UiLabelLast21"), nullptr);
  EXPECT_EQ(owner.FindComponent("uilabellast7")->Name(), "UiLabelLast7");
  EXPECT_EQ(owner.FindComponent("UiLabelLast22"), nullptr);
  EXPECT_EQ(owner.FindComponent(""), nullptr);

  TComponent* seven = owner.FindComponent("UiLabelLast7");
  seven->SetName("Renamed");
  EXPECT_EQ(owner.FindComponent("UiLabelLast7"), nullptr);
  EXPECT_EQ(owner.FindComponent("Renamed"), seven);
  delete seven;
  EXPECT_EQ(owner.FindComponent("Renamed"), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 20);
}

TEST(ComponentTest, DuplicateNameIsRefusedAndTheOldNameKept) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Edit1");
  b->SetName("Edit2");
  EXPECT_THROW(b->SetName("EDIT1"), EComponentError);
  EXPECT_EQ(b->Name(), "Edit2");
  EXPECT_EQ(owner.FindComponent("Edit2"), b);
}

TEST(ComponentTest, LoadingStateCoversOwnedComponentsAndEndsWithLoadedInCreationOrder) {
  std::vector<std::string> log;
  TRecorder owner(nullptr, log);
  owner.SetName("Owner");
  auto* before = new TRecorder(&owner, log);
  before->SetName("Before");
  owner.BeginLoading();
  auto* during = new TRecorder(&owner, log);
  during->SetName("During");
  EXPECT_TRUE(during->WasLoadingAtCreation);
  EXPECT_TRUE(before->Loading());
  owner.EndLoading();
  EXPECT_EQ(log, (std::vector<std::string>{"Before", "During", "Owner"}));
  EXPECT_FALSE(owner.Loading());
  EXPECT_FALSE(during->Loading());
}

TEST(ComponentTest, OwnerFreesItsComponentsNewestFirst) {
  std::vector<std::string> log;
  struct TNoisy : TComponent {
    std::vector<std::string>& Log;
    TNoisy(TComponent* o, std::vector<std::string>& l, const char* n) : TComponent(o), Log(l) { SetName(n); }
    ~TNoisy() override { Log.push_back(Name()); }
  };
  {
    TComponent owner(nullptr);
    new TNoisy(&owner, log, "A");
    new TNoisy(&owner, log, "B");
  }
  EXPECT_EQ(log, (std::vector<std::string>{"B", "A"}));
}

}  // namespace
