#include "framework/rtl/Tick.h"

#include <gtest/gtest.h>

TEST(Tick, DifferencesSurviveTheWrap) {
  EXPECT_EQ(TickDiff(5u, 0xFFFFFFFBu), 10u);
  std::uint32_t now = 100;
  SetTickCountSource([&] { return now; });
  EXPECT_EQ(GetTickCount(), 100u);
  now = 250;
  EXPECT_EQ(GetTickCount(), 250u);
  SetTickCountSource(nullptr);
  std::uint32_t a = GetTickCount();
  Sleep(20);
  EXPECT_GE(TickDiff(GetTickCount(), a), 15u);
}
