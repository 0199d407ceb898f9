#include "framework/classes/Collections.h"

#include <gtest/gtest.h>

namespace {
class TColumn : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  std::string Header;
  void SetHeader(const std::string& h) {
    Header = h;
    Changed(false);
  }
  void Assign(TPersistent* Source) override {
    if (auto* c = dynamic_cast<TColumn*>(Source)) {
      Header = c->Header;
      return;
    }
    TCollectionItem::Assign(Source);
  }
  std::string DisplayName() const override {
    return Header.empty() ? TCollectionItem::DisplayName() : Header;
  }
};

class TColumns : public TCollection {
 public:
  TColumns() : TCollection(ItemClass<TColumn>()) {}
  std::vector<TCollectionItem*> updates;
  std::vector<std::pair<TCollectionItem*, TCollectionNotification>> notes;

 protected:
  void Update(TCollectionItem* Item) override { updates.push_back(Item); }
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override {
    notes.emplace_back(Item, Action);
  }
};

TColumn* Col(TCollection& c, int i) { return static_cast<TColumn*>(c.Items(i)); }
}  // namespace

TEST(Collections, ItemsJoinLeaveAndMoveWithNotices) {
  TColumns cols;
  auto* a = static_cast<TColumn*>(cols.Add());
  auto* b = static_cast<TColumn*>(cols.Add());
  EXPECT_EQ(cols.Count(), 2);
  EXPECT_EQ(b->Index(), 1);
  EXPECT_EQ(a->ID(), 0);
  EXPECT_EQ(b->ID(), 1);
  EXPECT_EQ(cols.updates, (std::vector<TCollectionItem*>{nullptr, nullptr}));
  cols.updates.clear();
  b->SetHeader("B");
  EXPECT_EQ(cols.updates, (std::vector<TCollectionItem*>{b}));
  EXPECT_EQ(b->DisplayName(), "B");
  EXPECT_EQ(a->DisplayName(), "TColumn");
  auto* c = static_cast<TColumn*>(cols.Insert(0));
  EXPECT_EQ(cols.Items(0), c);
  EXPECT_EQ(c->ID(), 2);
  b->SetIndex(0);
  EXPECT_EQ(Col(cols, 0), b);
  EXPECT_EQ(cols.FindItemID(2), c);
  delete a;  // freeing an item removes it
  EXPECT_EQ(cols.Count(), 2);
  cols.Delete(0);
  EXPECT_EQ(cols.Count(), 1);
  EXPECT_EQ(cols.notes.back(), std::make_pair(static_cast<TCollectionItem*>(b), cnExtracting));
  try {
    cols.Items(5);
    FAIL() << "no exception";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (5)");
  }
  EXPECT_EQ(c->Collection(), &cols);
  c->SetCollection(nullptr);
  EXPECT_EQ(cols.Count(), 0);
  delete c;
}

TEST(Collections, UpdateBlocksReportOnce) {
  TColumns cols;
  cols.BeginUpdate();
  cols.Add();
  Col(cols, 0)->SetHeader("x");
  cols.Add();
  EXPECT_TRUE(cols.updates.empty());
  cols.EndUpdate();
  EXPECT_EQ(cols.updates, (std::vector<TCollectionItem*>{nullptr}));
  cols.updates.clear();
  cols.Clear();
  EXPECT_EQ(cols.Count(), 0);
  EXPECT_EQ(cols.updates, (std::vector<TCollectionItem*>{nullptr}));
}

TEST(Collections, AssignCopiesItemByItem) {
  TColumns src, dst;
  static_cast<TColumn*>(src.Add())->SetHeader("one");
  static_cast<TColumn*>(src.Add())->SetHeader("two");
  dst.Add();
  dst.Assign(&src);
  ASSERT_EQ(dst.Count(), 2);
  EXPECT_EQ(Col(dst, 1)->Header, "two");
  EXPECT_NE(dst.Items(0), src.Items(0));
  TColumn other(nullptr);
  other.Header = "set";
  dst.SetItems(0, &other);
  EXPECT_EQ(Col(dst, 0)->Header, "set");
  TPersistent p;
  EXPECT_THROW(dst.Assign(&p), EConvertError);
  TPersistent owner;
  TOwnedCollection owned(&owner, TCollection::ItemClass<TColumn>());
  EXPECT_NE(owned.Add(), nullptr);
}
