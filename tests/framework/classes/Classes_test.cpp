#include "framework/classes/Classes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// An owner of many components (a form) finds them by name through an index
// that must follow every rename, removal and move to another owner.
TEST(Classes, AnOwnerOfManyComponentsFindsThemAfterRenamesRemovalsAndMoves) {
  TComponent owner(nullptr), other(nullptr);
  std::vector<TComponent*> c;
  for (int i = 0; i < 40; ++i) {
    c.push_back(new TComponent(&owner));
    c.back()->SetName("Comp" + std::to_string(i));
  }
  EXPECT_EQ(owner.FindComponent("COMP7"), c[7]);
  c[5]->SetName("Renamed");
  EXPECT_EQ(owner.FindComponent("Comp5"), nullptr);
  EXPECT_EQ(owner.FindComponent("renamed"), c[5]);
  c[6]->SetName("Comp5");  // the old name is free again
  EXPECT_EQ(owner.FindComponent("comp5"), c[6]);
  EXPECT_THROW(c[8]->SetName("RENAMED"), EComponentError);
  EXPECT_EQ(owner.FindComponent("Comp8"), c[8]);
  delete c[9];
  EXPECT_EQ(owner.FindComponent("Comp9"), nullptr);
  other.InsertComponent(c[10]);
  EXPECT_EQ(owner.FindComponent("Comp10"), nullptr);
  EXPECT_EQ(other.FindComponent("Comp10"), c[10]);
  c[11]->SetName("");
  EXPECT_EQ(owner.FindComponent("Comp11"), nullptr);
  auto* late = new TComponent(&owner);
  late->SetName("Comp11");
  EXPECT_EQ(owner.FindComponent("comp11"), late);
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
