#include "framework/rtl/Math.h"

#include <gtest/gtest.h>

TEST(Math, RoundTakesHalvesToEven) {
  struct Case {
    double v;
    long long r;
  } cases[] = {{0.5, 0},
               {1.5, 2},
               {2.5, 2},
               {3.5, 4},
               {-0.5, 0},
               {-1.5, -2},
               {-2.5, -2},
               {2.4999, 2},
               {2.5001, 3},
               {-2.6, -3},
               {1e12 + 0.5, 1000000000000LL}};
  for (const auto& c : cases) EXPECT_EQ(Round(c.v), c.r) << c.v;
  EXPECT_EQ(Trunc(-2.7), -2);
  EXPECT_EQ(Trunc(2.7), 2);
  EXPECT_DOUBLE_EQ(Frac(-2.5), -0.5);
}

TEST(Math, MulDivRoundsHalfAwayFromZero) {
  EXPECT_EQ(MulDiv(10, 3, 4), 8);  // 7.5
  EXPECT_EQ(MulDiv(-10, 3, 4), -8);
  EXPECT_EQ(MulDiv(10, 1, 3), 3);
  EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);  // no 32-bit overflow inside
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(Math, RandomRepeatsForTheSameSeed) {
  SetRandSeed(1234);
  int a[5];
  for (int& x : a) x = Random(100);
  SetRandSeed(1234);
  for (int x : a) EXPECT_EQ(Random(100), x);
  for (int i = 0; i < 1000; ++i) {
    int r = Random(7);
    EXPECT_GE(r, 0);
    EXPECT_LT(r, 7);
  }
  EXPECT_EQ(Random(0), 0);
}
