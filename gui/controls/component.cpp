#include "gui/controls/component.h"

#include <algorithm>
#include <iterator>

#include "gui/controls/exceptions.h"

namespace gui {

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
  if (owner && owner->Loading()) FComponentState.Include(csLoading);
}

TComponent::~TComponent() {
  FComponentState.Include(csDestroying);
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  // Newest first, so that later components (which may refer to earlier ones) are gone first.
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    delete last;  // removes itself from FComponents
  }
}

std::string TComponent::Key(std::string_view name) {
  std::string key(name);
  for (char& c : key)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return key;
}

void TComponent::SetName(std::string_view name) {
  if (name == FName) return;
  if (FOwner) {
    if (!name.empty()) {
      auto it = FOwner->FNames.find(Key(name));
      if (it != FOwner->FNames.end() && it->second != this)
        throw EComponentError("A component named " + std::string(name) + " already exists");
    }
    if (!FName.empty()) FOwner->FNames.erase(Key(FName));
    if (!name.empty()) FOwner->FNames[Key(name)] = this;
  }
  FName = std::string(name);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  auto it = FNames.find(Key(name));
  return it == FNames.end() ? nullptr : it->second;
}

void TComponent::InsertComponent(TComponent* component) {
  component->FOwner = this;
  FComponents.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component) {
  // Components usually go in reverse order of creation: search from the back.
  auto it = std::find(FComponents.rbegin(), FComponents.rend(), component);
  if (it != FComponents.rend()) FComponents.erase(std::next(it).base());
  if (!component->FName.empty()) {
    auto named = FNames.find(Key(component->FName));
    if (named != FNames.end() && named->second == component) FNames.erase(named);
  }
  component->FOwner = nullptr;
}

void TComponent::BeginLoading() {
  FComponentState.Include(csLoading);
  for (TComponent* c : FComponents) c->FComponentState.Include(csLoading);
}

void TComponent::EndLoading() {
  // Loaded() may create components; index loop so that the list may grow meanwhile.
  for (std::size_t i = 0; i < FComponents.size(); ++i)
    if (FComponents[i]->Loading()) FComponents[i]->Loaded();
  if (Loading()) Loaded();
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

}  // namespace gui
