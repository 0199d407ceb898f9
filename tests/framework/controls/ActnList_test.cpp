// Actions, their lists and links: who hears of a change, what a disabled
// action runs, and that freeing any of them in any order leaves no one
// holding it.
#include "framework/controls/ActnList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/ImgList.h"

namespace {

TEST(ActnList, LinksHearOfChangesAndRunTheActionWhileEnabled) {
  auto act = std::make_unique<TAction>(nullptr);
  int runs = 0, changes = 0;
  act->OnExecute = [&](TObject*) { ++runs; };
  TBasicActionLink link(nullptr);
  link.OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, act.get());
    ++changes;
  };
  link.SetAction(act.get());
  act->SetCaption("Run");
  act->SetCaption("Run");  // unchanged: no news
  act->SetChecked(true);
  act->SetImageIndex(2);
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(link.Execute());
  act->SetEnabled(false);
  EXPECT_FALSE(link.Execute());
  EXPECT_EQ(runs, 1);
  // A link let go of the action hears nothing more.
  link.SetAction(nullptr);
  act->SetHint("x");
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(act->ClientCount(), 0);
  // Without a handler nothing runs.
  TAction bare(nullptr);
  EXPECT_FALSE(bare.Execute());
}

TEST(ActnList, FreeingAnyPartFirstLeavesNoOneHoldingIt) {
  struct Case {
    const char* Name;
    std::vector<int> Order;  // 0 action, 1 list, 2 images, 3 link
  } cases[] = {
      {"action first", {0, 1, 2, 3}},
      {"list first", {1, 0, 2, 3}},
      {"images first", {2, 1, 0, 3}},
      {"link first", {3, 0, 2, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto* act = new TAction(nullptr);
    auto* list = new TActionList(nullptr);
    auto* images = new TImageList(nullptr, 16, 16);
    auto* link = new TBasicActionLink(nullptr);
    act->SetActionList(list);
    list->SetImages(images);
    link->SetAction(act);
    EXPECT_EQ(act->Index(), 0);
    for (int part : c.Order) {
      switch (part) {
        case 0:
          delete act;
          act = nullptr;
          if (list != nullptr) EXPECT_EQ(list->ActionCount(), 0);
          if (link != nullptr) EXPECT_EQ(link->Action(), nullptr);
          break;
        case 1:
          delete list;
          list = nullptr;
          if (act != nullptr) EXPECT_EQ(act->ActionList(), nullptr);
          break;
        case 2:
          delete images;
          images = nullptr;
          if (list != nullptr) EXPECT_EQ(list->Images(), nullptr);
          break;
        case 3:
          delete link;
          link = nullptr;
          if (act != nullptr) EXPECT_EQ(act->ClientCount(), 0);
          break;
      }
    }
  }
}

}  // namespace
