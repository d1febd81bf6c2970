#include "toolkit/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/errors.h"

namespace pp::toolkit {
namespace {

// Writes every notification, Loaded and destruction into a shared log.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::string name, std::vector<std::string>* log)
      : TComponent(owner), log_(log) {
    SetName(name);
    tag_ = name;
  }
  void Loaded() override {
    TComponent::Loaded();
    log_->push_back(tag_ + ".Loaded");
  }

 protected:
  ~Probe() override { log_->push_back(tag_ + ".~"); }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    // The name of a component under construction is not set yet; log the pointer's owner.
    if (c != this) log_->push_back(tag_ + (op == opInsert ? ".ins:" : ".rem:") + c->Name());
  }

 private:
  std::string tag_;
  std::vector<std::string>* log_;
};

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst) {
  std::vector<std::string> log;
  auto* root = new Probe(nullptr, "root", &log);
  new Probe(root, "a", &log);
  new Probe(root, "b", &log);
  ASSERT_EQ(root->ComponentCount(), 2);
  log.clear();
  root->Free();
  const std::vector<std::string> expected{"b.~", "a.~", "root.~"};
  EXPECT_EQ(log, expected);
}

TEST(Component, RemovalIsToldToTheOwnerAndItsComponents) {
  std::vector<std::string> log;
  Owned<Probe> root(new Probe(nullptr, "root", &log));
  new Probe(root.get(), "a", &log);
  auto* b = new Probe(root.get(), "b", &log);
  log.clear();
  b->Free();
  const std::vector<std::string> expected{"a.rem:b", "root.rem:b", "b.~"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(root->ComponentCount(), 1);
}

TEST(Component, FreeNotificationReachesASubscriberOutsideTheOwner) {
  std::vector<std::string> log;
  Owned<Probe> watcher(new Probe(nullptr, "watcher", &log));
  auto* watched = new Probe(nullptr, "watched", &log);
  watcher->FreeNotification(watched);
  watched->Free();
  EXPECT_EQ(log.front(), "watcher.rem:watched");
  // The link is mutual and gone: freeing the watcher now must not touch the freed object.
  log.clear();
  watcher.reset();
  EXPECT_EQ(log, std::vector<std::string>{"watcher.~"});
}

TEST(Component, InsertComponentMovesOwnership) {
  std::vector<std::string> log;
  Owned<Probe> first(new Probe(nullptr, "first", &log));
  Owned<Probe> second(new Probe(nullptr, "second", &log));
  auto* child = new Probe(first.get(), "child", &log);
  log.clear();
  second->InsertComponent(child);
  EXPECT_EQ(child->Owner(), second.get());
  EXPECT_EQ(first->ComponentCount(), 0);
  const std::vector<std::string> expected{"first.rem:child", "second.ins:child"};
  EXPECT_EQ(log, expected);
}

TEST(Component, NamesAreUniqueWithinTheOwnerIgnoringCase) {
  std::vector<std::string> log;
  Owned<Probe> root(new Probe(nullptr, "root", &log));
  auto* a = new Probe(root.get(), "Button1", &log);
  EXPECT_EQ(root->FindComponent("BUTTON1"), a);
  auto* b = new Probe(root.get(), "", &log);
  EXPECT_THROW(b->SetName("button1"), EInvalidOperation);
  EXPECT_EQ(b->Name(), "");
  EXPECT_EQ(root->FindComponent(""), nullptr);
}

TEST(Component, EndLoadCallsLoadedOnceOwnedFirst) {
  std::vector<std::string> log;
  Owned<Probe> form(new Probe(nullptr, "form", &log));
  form->BeginLoad();
  auto* label = new Probe(form.get(), "label", &log);
  label->BeginLoad();
  new Probe(form.get(), "late", &log);  // never marked: gets no Loaded
  log.clear();
  form->EndLoad();
  form->EndLoad();
  const std::vector<std::string> expected{"label.Loaded", "form.Loaded"};
  EXPECT_EQ(log, expected);
  EXPECT_FALSE(form->Loading());
  EXPECT_FALSE(label->ComponentState().Contains(csDesigning));
}

TEST(Component, ComponentsIndexOutOfRangeRaisesListError) {
  std::vector<std::string> log;
  Owned<Probe> root(new Probe(nullptr, "root", &log));
  EXPECT_THROW(root->Components(0), EListError);
}

}  // namespace
}  // namespace pp::toolkit
