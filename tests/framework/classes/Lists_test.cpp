#include "framework/classes/Lists.h"

#include <gtest/gtest.h>

#include "tests/framework/classes/CountedObject.h"

using list_test::TCounted;

TEST(Lists, PointerListEditsAndIndexErrors) {
  TList l;
  int a = 1, b = 2, c = 3;
  l.Add(&a);
  l.Add(&c);
  l.Insert(1, &b);
  EXPECT_EQ(l.Count(), 3);
  EXPECT_EQ(l.Items(1), &b);
  l.Move(0, 2);
  EXPECT_EQ(l.Last(), &a);
  l.Exchange(0, 1);
  EXPECT_EQ(l.First(), &c);
  EXPECT_EQ(l.Remove(&c), 0);
  EXPECT_EQ(l.IndexOf(&c), -1);
  l.SetCount(4);
  EXPECT_EQ(l.Items(3), nullptr);
  l.Pack();
  EXPECT_EQ(l.Count(), 2);
  l.Sort([](void* x, void* y) { return *static_cast<int*>(x) - *static_cast<int*>(y); });
  EXPECT_EQ(l.First(), &a);
  for (int bad : {-1, 2}) {
    try {
      l.Items(bad);
      FAIL() << bad;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(bad) + ")");
    }
  }
  EXPECT_THROW(l.Insert(3, nullptr), EListError);
}

TEST(Lists, ObjectListFreesWhatItOwns) {
  int freed = 0;
  {
    TObjectList l;
    auto* kept = new TCounted(&freed);
    l.Add(new TCounted(&freed));
    l.Add(kept);
    l.Add(new TCounted(&freed));
    l.Delete(0);
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(l.Extract(kept), kept);
    EXPECT_EQ(freed, 1);
    delete kept;
    l.SetItems(0, new TCounted(&freed));  // replaces and frees the old one
    EXPECT_EQ(freed, 3);
    l.Add(new TCounted(&freed));
  }
  EXPECT_EQ(freed, 5);
  TObjectList borrowed(false);
  TCounted local(&freed);
  borrowed.Add(&local);
  borrowed.Clear();
  EXPECT_EQ(freed, 5);
}
