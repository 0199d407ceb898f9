#include "framework/classes/Classes.h"

#include <gtest/gtest.h>

namespace {
class TProbe : public TComponent {
 public:
  using TComponent::TComponent;
  std::vector<TComponent*> removed;
  int* destroyed = nullptr;
  ~TProbe() override {
    if (destroyed) ++*destroyed;
  }

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove) removed.push_back(c);
  }
};
}  // namespace

TEST(Classes, OwnerFreesOwnedComponentsAndUnlinksFreedOnes) {
  int destroyed = 0;
  auto* owner = new TProbe(nullptr);
  auto* a = new TProbe(owner);
  auto* b = new TProbe(owner);
  a->destroyed = &destroyed;
  b->destroyed = &destroyed;
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(b->ComponentIndex(), 1);
  delete a;
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owner->Components(0), b);
  delete owner;
  EXPECT_EQ(destroyed, 2);
}

TEST(Classes, NamesAreUniqueIdentifiersPerOwner) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName("Edit1");
  EXPECT_THROW(b->SetName("EDIT1"), EComponentError);
  EXPECT_THROW(b->SetName("1Edit"), EComponentError);
  b->SetName("Edit2");
  EXPECT_EQ(owner.FindComponent("edit2"), b);
  EXPECT_THROW(owner.Components(2), EListError);
}

TEST(Classes, FreeNotificationTellsTheHolder) {
  TProbe holder(nullptr);
  auto* target = new TProbe(nullptr);
  holder.FreeNotification(target);
  delete target;
  ASSERT_EQ(holder.removed.size(), 1u);
  EXPECT_EQ(holder.removed[0], target);
}

TEST(Classes, ClassNameIsTheBareTypeName) {
  TProbe p(nullptr);
  EXPECT_EQ(p.ClassName(), "TProbe");
}

enum TFruit { frApple, frPear, frPlum };
TEST(Set, MembershipAndAlgebra) {
  TSet<TFruit> s{frApple};
  s << frPlum;
  EXPECT_TRUE(s.Contains(frPlum));
  EXPECT_FALSE(s.Contains(frPear));
  EXPECT_EQ((s - TSet<TFruit>{frApple}).Count(), 1u);
  EXPECT_TRUE((TSet<TFruit>{frApple}) <= s);
  EXPECT_EQ(TSet<TFruit>::FromMask(s.Mask()), s);
}
