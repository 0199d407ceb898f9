#include "framework/os/SerialPorts.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

TEST(SerialPorts, DeviceNamesMapToComNumbers) {
  struct Case {
    const char* name;
    int number;
  } cases[] = {{"ttyS0", 1},      {"ttyS63", 64},   {"ttyS64", 0},     {"ttyUSB0", 65},
               {"ttyUSB95", 160}, {"ttyACM0", 161}, {"ttyACM95", 256}, {"ttyACM96", 0},
               {"ttyUSB01", 0},   {"ttyUSBx", 0},   {"tty0", 0},       {"ttyS", 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(ComPortNumber(c.name), c.number) << c.name;
    if (c.number != 0) {
      EXPECT_EQ(ComPortDevice(c.number, "/dev"), std::string("/dev/") + c.name);
    }
  }
  EXPECT_EQ(ComPortDevice(0), "");
  EXPECT_EQ(ComPortDevice(257), "");
}

TEST(SerialPorts, ListsPresentPortsAscending) {
  TTempFolder dev;
  for (const char* n : {"ttyACM1", "ttyUSB0", "ttyS2", "ttyUSBx", "tty1", "console"}) dev.Write(n, "");
  EXPECT_EQ(GetComPortNumbers(dev.Path()), (std::vector<int>{3, 65, 162}));
  TTempFolder empty;
  EXPECT_TRUE(GetComPortNumbers(empty.Path()).empty());
}
