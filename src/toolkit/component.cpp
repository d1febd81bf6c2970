#include "toolkit/component.h"

#include <algorithm>
#include <utility>

#include "toolkit/errors.h"
#include "toolkit/text.h"

namespace pp::toolkit {

namespace {
InsertComponentHook g_insert_component_hook = nullptr;
}

InsertComponentHook SetInsertComponentHook(InsertComponentHook hook) {
  return std::exchange(g_insert_component_hook, hook);
}

TComponent::TComponent(TComponent* owner) {
  // The owner learns of the newcomer while it is still being constructed: a receiver may look
  // at its owner but not yet at its derived type. Controls announce themselves again to their
  // parent (CM_CONTROLCHANGE) once they are whole and given a parent.
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() = default;

void TComponent::Free() {
  if (!before_destruction_done_) {
    before_destruction_done_ = true;
    BeforeDestruction();
  }
  delete this;
}

void TComponent::BeforeDestruction() {
  state_.Include(csDestroying);
  // Subscribers are told first, while the whole tree below this component still exists.
  while (!free_notifies_.empty()) {
    TComponent* other = free_notifies_.back();
    free_notifies_.pop_back();
    auto& back = other->free_notifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    Remove(last);
    last->Free();
  }
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && owner_) {
    TComponent* clash = owner_->FindComponent(name);
    if (clash && clash != this)
      Raise(EInvalidOperation("A component named " + name + " already exists"));
  }
  name_ = name;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) Raise(EListError::IndexOutOfBounds(index));
  return components_[index];
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this) return;
  if (component->owner_) component->owner_->RemoveComponent(component);
  Insert(component);
  NotifyAll(component, opInsert);
  if (g_insert_component_hook) g_insert_component_hook(this, component);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (!component || component->owner_ != this) return;
  NotifyAll(component, opRemove);
  Remove(component);
}

void TComponent::Insert(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
  components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
  component->owner_ = nullptr;
}

// An insertion or removal is told to every component of the owner and then to the owner.
void TComponent::NotifyAll(TComponent* component, TOperation operation) {
  for (size_t i = 0; i < components_.size(); ++i) components_[i]->Notification(component, operation);
  Notification(component, operation);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) ForgetSubscriber(component);
}

void TComponent::ForgetSubscriber(TComponent* component) {
  free_notifies_.erase(std::remove(free_notifies_.begin(), free_notifies_.end(), component),
                       free_notifies_.end());
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(free_notifies_.begin(), free_notifies_.end(), component) == free_notifies_.end())
    free_notifies_.push_back(component);
  auto& back = component->free_notifies_;
  if (std::find(back.begin(), back.end(), this) == back.end()) back.push_back(this);
  state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  ForgetSubscriber(component);
  component->ForgetSubscriber(this);
}

void TComponent::BeginLoad() { state_.Include(csLoading).Include(csReading); }

void TComponent::EndLoad() {
  for (size_t i = 0; i < components_.size(); ++i)
    if (components_[i]->Loading()) components_[i]->Loaded();
  if (Loading()) Loaded();
}

void TComponent::Loaded() {
  state_.Exclude(csLoading).Exclude(csReading);
}

}  // namespace pp::toolkit
