#include "framework/net/Ping.h"

#include <gtest/gtest.h>

#include "framework/rtl/SysUtils.h"

TEST(Ping, LoopbackAnswersWithTheFullPacket) {
  if (!IcmpAvailable()) GTEST_SKIP() << "no ping or raw socket allowed here";
  TIcmpPinger pinger;
  TEchoReply r = pinger.Echo("127.0.0.1", 1024, 400);
  EXPECT_TRUE(r.Answered);
  EXPECT_EQ(r.BytesReceived, 8 + 1024);
  EXPECT_LT(r.RoundTripMs, 400u);
}

TEST(Ping, UnresolvableHostRaises) {
  TIcmpPinger pinger;
  EXPECT_THROW(pinger.Echo("", 1024, 100), ESocketError);
  EXPECT_THROW(pinger.Echo("300.1.2.3", 1024, 100), ESocketError);
  EXPECT_THROW(pinger.Echo("192.168.2", 1024, 100), ESocketError);
}
