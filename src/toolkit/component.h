// Components: named objects with an owner that frees them. An owner keeps its components in
// creation order, tells every one of them (and itself) when a component joins or leaves, and
// frees them when it goes. Another component can ask to be told when this one is freed.
//
// Components are freed with Free() (or through Owned<>), never with delete: Free runs
// BeforeDestruction while the whole object is still alive, so that the teardown of a control
// (its window, its children) can still call the object's virtual operations.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/set_of.h"

namespace pp::toolkit {

enum TComponentStateMember {
  csLoading,       // being filled from a layout; Loaded ends it
  csReading,
  csWriting,
  csDestroying,    // Free has begun
  csDesigning,     // a design-time flag; the run-time library never sets it
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance,
};
using TComponentState = SetOf<TComponentStateMember>;

enum TOperation { opInsert, opRemove };

class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Frees this component and everything it owns.
  void Free();

  virtual const char* ClassName() const { return "TComponent"; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  TComponent* Owner() const { return owner_; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;
  TComponent* FindComponent(const std::string& name) const;  // case-insensitive, own components only

  TComponentState ComponentState() const { return state_; }
  bool Loading() const { return state_.Contains(csLoading); }
  bool Destroying() const { return state_.Contains(csDestroying); }

  // Ownership moves: the owner is told of the removal, the new owner of the insertion.
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  // Asks to be told (Notification with opRemove) when `component` is freed; mutual.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Population from a layout: BeginLoad marks this component (and, through EndLoad, each owned
  // component that is still marked) as loading; EndLoad calls Loaded once on each of them,
  // owned components first, in creation order.
  void BeginLoad();
  void EndLoad();

 protected:
  virtual ~TComponent();
  // Runs while the object is whole: marks it destroying, tells subscribers, frees what it owns
  // (last created first) and leaves its owner. Overrides call the base at the point they choose.
  virtual void BeforeDestruction();
  virtual void Notification(TComponent* component, TOperation operation);
  virtual void Loaded();
  void IncludeState(TComponentStateMember m) { state_.Include(m); }
  void ExcludeState(TComponentStateMember m) { state_.Exclude(m); }
  void DestroyComponents();

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void NotifyAll(TComponent* component, TOperation operation);
  void ForgetSubscriber(TComponent* component);

  std::string name_;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
  TComponentState state_;
  bool before_destruction_done_ = false;
};

// Called after a component joined an owner (InsertComponent, also from the constructor, when
// the newcomer is not yet whole). Answers the hook it replaces.
using InsertComponentHook = void (*)(TComponent* owner, TComponent* component);
InsertComponentHook SetInsertComponentHook(InsertComponentHook hook);

// Owns a component through Free.
struct FreeComponent {
  void operator()(TComponent* c) const {
    if (c) c->Free();
  }
};
template <class T>
using Owned = std::unique_ptr<T, FreeComponent>;

}  // namespace pp::toolkit
