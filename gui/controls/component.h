#pragma once

// The root of everything that lives in a form: a name, an owner that frees it, the components it
// owns, and the loading state during which a layout is being built.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "gui/controls/alive_token.h"
#include "gui/controls/control_types.h"

namespace gui {

class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const std::string& Name() const { return FName; }
  // Names are unique among the components of one owner (compared without letter case);
  // a clash raises EComponentError and leaves the old name.
  void SetName(std::string_view name);

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const { return FComponents.at(static_cast<std::size_t>(index)); }
  // One of the owned components by name, or null. Constant time.
  TComponent* FindComponent(std::string_view name) const;

  TComponentState ComponentState() const { return FComponentState; }
  bool Loading() const { return FComponentState.Contains(csLoading); }
  bool Destroying() const { return FComponentState.Contains(csDestroying); }

  // A layout is C++ code that builds controls between these two calls. While loading, this
  // component and everything it owns report Loading(); EndLoading calls Loaded() on each owned
  // component (in creation order) and then on this one.
  void BeginLoading();
  void EndLoading();

  TAliveToken::TWatch Watch() const { return FAlive.Watch(); }

  int Tag = 0;

 protected:
  // End of loading: clears the loading state. Overrides call the base first.
  virtual void Loaded();
  // Frees every owned component now, newest first.
  void DestroyComponents();

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  static std::string Key(std::string_view name);

  std::string FName;
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::unordered_map<std::string, TComponent*> FNames;
  TComponentState FComponentState;
  TAliveToken FAlive;
};

}  // namespace gui
