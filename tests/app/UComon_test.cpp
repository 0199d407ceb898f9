#include "app/UComon.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "framework/os/Files.h"
#include "framework/rtl/Locale.h"
#include "tests/app/AppTestSupport.h"

namespace {

TEST(UComon, TextToIntReadsNumberCells) {
  struct Case {
    const char* Text;
    int Expected;
  };
  const std::vector<Case> cases = {
      {"12", 12},
      {" 12", 12},
      {"12 ", -99},
      {"", -99},
      {"   ", -99},
      {"abc", -99},
      {"$1F", 31},
      {"0x1F", 31},
      {"0X1f", 31},
      {"x1F", 31},
      {"X1F", 31},
      {"-5", -5},
      {"+7", 7},
      {"007", 7},
      {"1.5", -99},
      {"$", -99},
      {"0x", -99},
      {"2147483647", INT_MAX},
      {"2147483648", -99},
      {"-2147483648", INT_MIN},
      {"0x80000000", INT_MIN},
      {"$FFFFFFFF", -1},
      {"$100000000", -99},
      {"\t9", -99},
  };
  for (const Case& c : cases) EXPECT_EQ(Text_To_Int(c.Text, -99), c.Expected) << "'" << c.Text << "'";
}

TEST(UComon, SplitIpAddress) {
  struct Case {
    const char* Text;
    bool Ok;
    std::vector<std::string> Parts;
  };
  const std::vector<Case> cases = {
      {" 10 . 1 . 2 . 3 ", true, {"10", "1", "2", "3"}},
      {"192.168.0.255", true, {"192", "168", "0", "255"}},
      {"$C0.0x10.0.1", true, {"$C0", "0x10", "0", "1"}},
      {"10.1.2", false, {"10", "1", "", ""}},
      {"10.1.2.3.4", false, {"10", "1", "2", "3.4"}},
      {"10.1.2.256", false, {"10", "1", "2", "256"}},
      {"10.-1.2.3", false, {"10", "-1", "2", "3"}},
      {"a.b.c.d", false, {"a", "b", "c", "d"}},
      {"nodots", false, {"", "", "", ""}},
  };
  for (const Case& c : cases) {
    std::string p[4];
    EXPECT_EQ(Split_IP_Address(c.Text, p[0], p[1], p[2], p[3]), c.Ok) << c.Text;
    EXPECT_EQ(std::vector<std::string>(p, p + 4), c.Parts) << c.Text;
  }
}

TEST(UComon, IpAddressToBytes) {
  struct Case {
    const char* Text;
    bool Error;
    std::vector<int> Bytes;
  };
  const std::vector<Case> cases = {
      {"192.168.1.10", false, {192, 168, 1, 10}}, {"192.168.001.010", false, {192, 168, 1, 10}},
      {" 1.2.3.4", false, {1, 2, 3, 4}},          {"1.2.3", true, {1, 2, 0, 3}},
      {"1.2.3.300", true, {1, 2, 3, 0}},          {"1.2.3.4 ", true, {1, 2, 3, 0}},
      {"1.2.3.4.5", true, {1, 2, 3, 0}},          {"1..3.4", true, {1, 0, 3, 4}},
      {"0x0A.$10.0.1", false, {10, 16, 0, 1}},    {"", true, {7, 7, 7, 7}},
  };
  for (const Case& c : cases) {
    std::uint8_t b[4] = {7, 7, 7, 7};
    EXPECT_EQ(IP_Address_To_Bytes(c.Text, b[0], b[1], b[2], b[3]), c.Error) << c.Text;
    EXPECT_EQ(std::vector<int>(b, b + 4), c.Bytes) << c.Text;
  }
}

TEST(UComon, CheckKnxAddress) {
  struct Case {
    const char* Text;
    bool Group;
    bool Allow_Zero;
    int Expected;
  };
  const std::vector<Case> cases = {
      {"0.0.0", false, true, 0},      {"0.0.0", false, false, 1},       {"1.1.20", false, false, 0},
      {"15.15.255", false, false, 0}, {"16.0.1", false, false, 1},      {"1.16.1", false, false, 1},
      {"1.1.256", false, false, 1},   {" 1 . 1 . 2 ", false, false, 0}, {"1.1.1.1", false, false, 1},
      {"1.1", false, false, 1},       {"1/1/1", false, false, 1},       {"65535", false, false, 0},
      {"0", false, true, 1},          {"0/0", true, false, 1},          {"0/0/0", true, false, 1},
      {"31/2047", true, false, 0},    {"32/0", true, false, 1},         {"31/7/255", true, false, 0},
      {"0/8/0", true, false, 1},      {"0/0/1", true, false, 0},        {"1/2/3/4", true, false, 1},
      {"1.2", true, false, 1},        {"65535", true, false, 0},        {"0", true, false, 1},
      {"65536", true, false, 1},      {"1//2", true, false, 1},         {"x/1", true, false, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Check_KNX_Address(c.Text, c.Group, c.Allow_Zero), c.Expected)
        << c.Text << (c.Group ? " group" : " individual") << (c.Allow_Zero ? " zero allowed" : "");
}

TEST(UComon, HasNoDot) {
  EXPECT_TRUE(Has_No_Dot("12"));
  EXPECT_FALSE(Has_No_Dot("1.2"));
}

TEST(UComon, DecimalSeparatorFromTheProfileValue) {
  struct Case {
    const char* Value;
    char Expected;
  };
  for (const Case& c : std::vector<Case>{{".", '.'}, {",", ','}, {"", ','}, {";", ','}, {".x", '.'}}) {
    SetIntlDecimalProfileValue(std::string(c.Value));
    EXPECT_EQ(Get_Decimal_Separator(), c.Expected) << "'" << c.Value << "'";
  }
  SetIntlDecimalProfileValue(std::nullopt);
}

TEST(UComon, TextToFloatTakesEitherSeparator) {
  TFormatSettingsScope keep;
  struct Case {
    char System;
    const char* Text;
    char Separator;
    bool Ok;
    float Value;
  };
  const std::vector<Case> cases = {
      {'.', "1,5", '.', true, 1.5f},     {'.', "1.5", '.', true, 1.5f},  {',', "1.5", ',', true, 1.5f},
      {',', "-2,25", ',', true, -2.25f}, {'.', "abc", '.', false, 1.0f}, {'.', "", '.', false, 1.0f},
      {'.', "1e39", '.', false, 1.0f},   {'.', "7", '.', true, 7.0f},
  };
  for (const Case& c : cases) {
    FormatSettings().DecimalSeparator = c.System;
    FormatSettings().ThousandSeparator = c.System == '.' ? ',' : '.';
    float v = 0;
    EXPECT_EQ(Text_To_Float(c.Text, c.Separator, v), c.Ok) << c.Text;
    EXPECT_FLOAT_EQ(v, c.Value) << c.Text;
  }
}

class FoldersTest : public ::testing::Test {
 protected:
  TCommonGlobalsScope globals_;
  TScratchDir dir_;
};

TEST_F(FoldersTest, AppFoldersAreMadeBesideTheExecutableFolder) {
  App_Dir = dir_.Path();
  Init_App_Folders();
  EXPECT_EQ(Projects_Dir, dir_.File("PROJECTS"));
  EXPECT_EQ(Master_Dir, dir_.File("MASTER"));
  EXPECT_EQ(Language_Dir, dir_.File("LANGUAGE"));
  EXPECT_TRUE(DirectoryExists(Projects_Dir));
  EXPECT_TRUE(DirectoryExists(Master_Dir));
  EXPECT_TRUE(DirectoryExists(Language_Dir));
}

TEST_F(FoldersTest, SetFilesDerivesTheProjectPaths) {
  Project_Dir = dir_.File("PROJECTS") + "\\Plant";
  Set_Files();
  const std::string base = dir_.File("PROJECTS") + "/Plant/";
  const std::vector<std::pair<const std::string*, const char*>> paths = {
      {&Path_ParGen, "ParGen.xml"},
      {&Path_S7_Protocol, "S7_Protocol.xml"},
      {&Path_KNX_SetAccess, "KNX_SetAccess.xml"},
      {&Path_IEC61850_Variables, "IEC61850_Variables.xml"},
      {&Path_TLS_Known_Cert, "TLS_Known_Cert.xml"},
      {&Path_CAN_Rec_Frames, "CAN_Rec_Frames.xml"},
      {&Path_CAN_Send_Frames, "CAN_Send_Frames.xml"},
      {&Path_PDO_CANopen, "PDO_CANopen.xml"},
      {&Path_SDO_Client_CANopen, "SDO_Client_CANopen.xml"},
      {&Path_SDO_Server_CANopen, "SDO_Server_CANopen.xml"},
      {&Path_SNMP_Trap, "SNMP_Trap.xml"},
      {&Path_MQTT_Set_Topic, "MQTT_Set_Topic.xml"},
      {&Path_BACnet_Slave, "BACnet_Slave.xml"},
      {&Path_OPC_UA_Server, "OPC_UA_Server.xml"},
  };
  for (const auto& [path, name] : paths) EXPECT_EQ(*path, base + name);

  Project_Dir.clear();
  Set_Files();
  EXPECT_EQ(Path_ParGen, "/ParGen.xml");
  EXPECT_EQ(Path_OPC_UA_Server, "/OPC_UA_Server.xml");
}

}  // namespace
