#include "app/UComon.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/Locale.h"
#include "framework/xml/XmlDom.h"
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

TEST(UComon, ComPortsAreListedByTheirNumbers) {
  TScratchDir dev;
  for (const char* name : {"ttyACM0", "ttyUSB1", "ttyUSB0", "tty0", "random"}) Write_File(dev.File(name), "");
  std::unique_ptr<TStringList> ports = Get_Com_Ports(dev.Path());
  EXPECT_EQ(ports->ToVector(), (std::vector<std::string>{"65", "66", "161"}));
  EXPECT_EQ(Get_Com_Ports(dev.File("none"))->Count(), 0);
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

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { App_Dir = dir_.Path(); }
  std::string File() const { return dir_.File("Quorvane.xml"); }
  // Every global the settings file holds, as one value to compare.
  static std::vector<std::string> Globals() {
    return {Project_Name,
            Last_IP_Address,
            Language_Name,
            Opt_Enable_Internet ? "on" : "off",
            Opt_Enable_Update ? "on" : "off",
            Opt_Jump_Field_Tables ? "on" : "off",
            Opt_Double_Click_Auto_Size ? "on" : "off"};
  }
  static void Scramble() {
    Project_Name = "x";
    Project_Dir = "y";
    Last_IP_Address = "z";
    Language_Name = "w";
    Opt_Enable_Internet = Opt_Enable_Update = Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = true;
  }
  static const std::vector<std::string>& Defaults() {
    static const std::vector<std::string> d = {"", "192.168.2.205", "English", "off", "off", "off", "off"};
    return d;
  }
  TCommonGlobalsScope globals_;
  TScratchDir dir_;
};

const char* const Full_Settings =
    "<Conf_Settings><lastproj><projectname>Plant 1</projectname></lastproj>"
    "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
    "<lastlang><language>German</language></lastlang>"
    "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
    "<enable_jump_field_tables>1</enable_jump_field_tables>"
    "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

TEST_F(SettingsTest, MissingOrDamagedFileGivesTheDefaults) {
  Scramble();
  EXPECT_TRUE(Read_Setting());
  EXPECT_EQ(Globals(), Defaults());
  EXPECT_EQ(Project_Dir, "");

  Write_File(File(), "<Conf_Settings><lastproj>");
  Scramble();
  EXPECT_FALSE(Read_Setting());
  EXPECT_EQ(Globals(), Defaults());
  EXPECT_EQ(Project_Dir, "");
}

TEST_F(SettingsTest, SavedSettingsReadBackAndHoldExactlyTheirElements) {
  Project_Name = "Plant <1> & \"2\"";
  Last_IP_Address = "10.0.0.7";
  Language_Name = "Deutsch";
  Opt_Enable_Internet = true;
  Opt_Enable_Update = false;
  Opt_Jump_Field_Tables = true;
  Opt_Double_Click_Auto_Size = false;
  const std::vector<std::string> saved = Globals();
  ASSERT_TRUE(Save_Setting());
  Scramble();
  ASSERT_TRUE(Read_Setting());
  EXPECT_EQ(Globals(), saved);

  TXMLDocument doc;
  doc.LoadFromFile(File());
  ASSERT_EQ(doc.ChildCount(), 1);
  TXMLNode root = doc.ChildNodes(0);
  EXPECT_EQ(root.NodeName(), "Conf_Settings");
  EXPECT_EQ(root.AttributeCount(), 0);
  const std::vector<std::pair<std::string, std::vector<std::string>>> layout = {
      {"lastproj", {"projectname"}},
      {"lastipadd", {"ipaddress"}},
      {"lastlang", {"language"}},
      {"lastinternet",
       {"enable_internet", "enable_update", "enable_jump_field_tables", "Double_Click_Auto_Size"}},
  };
  ASSERT_EQ(root.ChildCount(), 4);
  for (int i = 0; i < 4; ++i) {
    TXMLNode group = root.ChildNodes(i);
    EXPECT_EQ(group.NodeName(), layout[i].first);
    ASSERT_EQ(group.ChildCount(), static_cast<int>(layout[i].second.size()));
    for (int k = 0; k < group.ChildCount(); ++k)
      EXPECT_EQ(group.ChildNodes(k).NodeName(), layout[i].second[k]);
  }
  EXPECT_EQ(root.FindNode("lastinternet").FindNode("enable_update").Text(), "0");
  EXPECT_EQ(Read_File(File()).rfind("<Conf_Settings", 0), 0u);
}

TEST_F(SettingsTest, EmptyProjectNameIsWrittenAsAnEmptyElement) {
  Project_Name.clear();
  ASSERT_TRUE(Save_Setting());
  TXMLDocument doc;
  doc.LoadFromFile(File());
  EXPECT_TRUE(doc.ChildNodes(0).FindNode("lastproj").FindNode("projectname"));
  Scramble();
  Read_Setting();
  EXPECT_EQ(Project_Name, "");
}

TEST_F(SettingsTest, EachElementFallsBackOnItsOwn) {
  struct Case {
    const char* Remove;  // the text cut out of the full file
    int Index;           // the value that falls back
  };
  const std::vector<Case> cases = {
      {"<lastproj><projectname>Plant 1</projectname></lastproj>", 0},
      {"<projectname>Plant 1</projectname>", 0},
      {"<ipaddress>10.0.0.7</ipaddress>", 1},
      {"<lastlang><language>German</language></lastlang>", 2},
      {"<enable_internet>1</enable_internet>", 3},
      {"<enable_update>1</enable_update>", 4},
      {"<enable_jump_field_tables>1</enable_jump_field_tables>", 5},
      {"<Double_Click_Auto_Size>1</Double_Click_Auto_Size>", 6},
  };
  const std::vector<std::string> full = {"Plant 1", "10.0.0.7", "German", "on", "on", "on", "on"};
  for (const Case& c : cases) {
    std::string text = Full_Settings;
    text.erase(text.find(c.Remove), std::string(c.Remove).size());
    Write_File(File(), text);
    Scramble();
    Read_Setting();
    std::vector<std::string> expected = full;
    expected[c.Index] = Defaults()[c.Index];
    EXPECT_EQ(Globals(), expected) << "without " << c.Remove;
  }

  // Without the options element every option is off; the rest stays.
  std::string text = Full_Settings;
  text.erase(text.find("<lastinternet>"), text.find("</Conf_Settings>") - text.find("<lastinternet>"));
  Write_File(File(), text);
  Read_Setting();
  EXPECT_EQ(Globals(),
            (std::vector<std::string>{"Plant 1", "10.0.0.7", "German", "off", "off", "off", "off"}));
}

TEST_F(SettingsTest, FlagsAreOnOnlyForExactlyOne) {
  for (const char* flag : {"true", " 1", "1 ", "01", "", "<x>1</x>"}) {
    std::string text = Full_Settings;
    std::string from = "<enable_internet>1</enable_internet>";
    text.replace(text.find(from), from.size(),
                 std::string("<enable_internet>") + flag + "</enable_internet>");
    Write_File(File(), text);
    Read_Setting();
    EXPECT_FALSE(Opt_Enable_Internet) << "'" << flag << "'";
    EXPECT_TRUE(Opt_Enable_Update) << "'" << flag << "'";
  }
}

TEST_F(SettingsTest, FileIsWrittenWithoutIndentationAndReadEitherWay) {
  Project_Name = "Plant 1";
  Last_IP_Address = "10.0.0.7";
  Language_Name = "German";
  Opt_Enable_Internet = Opt_Enable_Update = Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = true;
  const std::vector<std::string> saved = Globals();
  ASSERT_TRUE(Save_Setting());
  EXPECT_EQ(Read_File(File()), Full_Settings);

  // A file laid out by hand, one element per line, reads the same.
  std::string indented;
  for (char c : std::string(Full_Settings)) {
    if (c == '<' && !indented.empty() && indented.back() == '>') indented += "\r\n  ";
    indented += c;
  }
  Write_File(File(), indented);
  Scramble();
  ASSERT_TRUE(Read_Setting());
  EXPECT_EQ(Globals(), saved);
}

TEST_F(SettingsTest, FileWhoseFirstNodeIsNotTheRootGivesEveryDefault) {
  for (const std::string& lead : {std::string("<?xml version=\"1.0\"?>"), std::string("<!-- settings -->")}) {
    Write_File(File(), lead + Full_Settings);
    Scramble();
    EXPECT_TRUE(Read_Setting());
    EXPECT_EQ(Globals(), Defaults()) << lead;
  }
}

TEST_F(SettingsTest, FailedSaveIsReportedAndKeepsTheOldFile) {
  Write_File(File(), Full_Settings);
  TSafeWriteHookScope hook(
      [](TSafeWriteStage stage, const std::string&) { return stage == swsWrite ? ENOSPC : 0; });
  std::string error;
  EXPECT_FALSE(Save_Setting(&error));
  EXPECT_NE(error.find("Quorvane.xml"), std::string::npos) << error;
  EXPECT_EQ(Read_File(File()), Full_Settings);
}

}  // namespace
