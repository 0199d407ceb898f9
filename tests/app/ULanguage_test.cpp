#include "app/ULanguage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/UComon.h"
#include "framework/classes/StringList.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/TextEncoding.h"
#include "tests/app/AppTestSupport.h"

namespace {

const std::string Pilcrow = "\xC2\xB6";

TEST(ULanguage, BuiltInTableHoldsEveryIdWithItsEnglishText) {
  Load_Default_Language();
  ASSERT_EQ(Lang_Table->Count(), 2800);
  EXPECT_EQ(Lang_Table_Size, 2800);

  // The configurator's own 1685 texts, and the messages added to free ids
  // since, so that a language file can translate them too.
  const std::vector<int> added = {999, 1097, 1098, 1099, 1199, 61, 62, 63, 64, 65, 66, 956, 957, 958, 1038, 1039, 1040, 1041, 1042, 1106, 1107, 1108, 1109, 1110, 1111, 1112, 1113, 1114, 1115, 1116, 1117, 1118, 1119, 1120, 1121, 1122, 1123, 1124, 1125, 1126, 1127, 1622, 2287, 2288, 2561, 2731};
  for (int id : added) EXPECT_NE(Lang_Table->Strings(id), " ") << id;
  int with_text = 0;
  for (int id = 0; id < 2800; ++id)
    if (Lang_Table->Strings(id) != " ") ++with_text;
  EXPECT_EQ(with_text, 1685 + static_cast<int>(added.size()));

  // A sample from every block, its edges and the blank gaps between blocks.
  const std::vector<std::pair<int, std::string>> samples = {
      {0, "Begin"},
      {8, "Step 8"},
      {9, "None Configuration Opened "},
      {60, "Create the GSDML File for PROFINET"},
      {61, "No device images were written: the file \""},
      {67, " "},
      {100, "Create New Configuration"},
      {110, "Cancel the New Configuration"},
      {111, " "},
      {200, "Open Configuration"},
      {207, "Cancel open of Configuration"},
      {300, "Software Options"},
      {317, " to "},
      {321, "Enable Auto Size of Table Columns by Double Click"},
      {399, " "},
      {400, "Set Communication"},
      {406, "S7comm"},
      {423, "Modbus TCP Slave"},
      {451, "Error S7comm!! IP Address 1 must be between 0 and 255"},
      {466, "Error Modbus TCP Slave!! IP Address 4 must be between 0 and 255"},
      {504, "CAN"},
      {580, "Error SNMP Agent!! SUBNET Mask 4 must be between 0 and 255"},
      {626, "Error EtherNet/IP!! Number Byte Output must be between 0 and "},
      {698, "Error Ethernet!! GATEWAY IP 4 must be between 0 and 255"},
      {778, "Error BACnet!! Gateway IP 2 must be between 0 and 255"},
      {819, "Error OPC UA Server!! SubNet Mask 1 must be between 0 and 255"},
      {929, "Ethernet Connection"},
      {955, "Error Secondary DNS!! DNS 4 must be between 0 and 255"},
      {956, "Error! The communication parameters file could not be read, so the default values are shown: "},
      {959, " "},
      {1000, "Update Device by Serial"},
      {1037, "Error!!! Check the Ip Address"},
      {1100, "Row Already used. Do you want to overwrite the values?"},
      {1105, "File already exists. Do you want to overwrite?"},
      {1200, "S7comm Access"},
      {1270, "Error row "},
      {1324, "!! [S7comm Write] Slot must be between 0 and 31"},
      {1325, " "},
      {1400, "KNX Set Access"},
      {1457, "!! [KNX in Write] Bit Mode must be \"No\" or between 0 and 7"},
      {1466, "!! [KNX in Write] TimeOut must be between 0 and 100000000 milliseconds"},
      {1500, "Set Variables Access for IEC61850"},
      {1545, "Enable/Disable the possibility to swap the Word"},
      {1600, "Definition the list of Known Certificates"},
      {1621, "Are you sure to delete the Row number "},
      {1700, "Receive CAN Frames Set Access"},
      {1758, "Are you sure to delete the Row number "},
      {1799, " "},
      {1800, "Transmit CAN Frames Set Access"},
      {1863, "Enable or Disable the possibility to send the CAN Frame by Command"},
      {1900, "Set PDO Access"},
      {1926, "Add B8"},
      {1991, "Are you sure to delete the Row number "},
      {2000, "Set SDO Client Access"},
      {2079, "Are you sure to delete the Row number "},
      {2100, "Set SDO Server Access"},
      {2165, "Are you sure to delete the Row number "},
      {2200, "Set SNMP Trap Access"},
      {2279,
       "!! [SNMP Write] Descrtiption is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and "
       "\"0\"..\"9\"). First character must be a letter and must be lowercase"},
      {2286, "!! [SNMP Write] Conversion must be selected"},
      {2300, "Set MQTT Topics"},
      {2398, "Enable/Disabel the Possibility to Swap the Word for Modbus Register"},
      {2399, " "},
      {2400, "Set Topic"},
      {2426, "Description for the M-Bus meter (defined in the section \xE2\x80\x9CM-Bus\xE2\x80\x9D)"},
      {2474, "DALI Sensor"},
      {2500, "BACnet Set Access"},
      {2560, "Are you sure to delete the Row number "},
      {2600, "Select the BACnet Engineering Unit"},
      {2608, "Select Engineering Unit"},
      {2700, "Definition of OPC UA Server Variables"},
      {2727, "Error row %d!! Position Must be Between 0 and %d"},
      {2730, "Select the access of Var, Read Only or Read/Write for OPC UA Server Variable"},
      {2731, "Error row "},
      {2732, " "},
      {2799, " "},
  };
  for (const auto& [id, text] : samples) EXPECT_EQ(Lang_Table->Strings(id), text) << "id " << id;
  EXPECT_THROW(Lang_Table->Strings(2800), EStringListError);
}

class LanguageFileTest : public ::testing::Test {
 protected:
  void SetUp() override { Load_Default_Language(); }
  void TearDown() override { Load_Default_Language(); }
  std::string Load(const std::string& Bytes) {
    std::string file = dir_.File("Test.lng");
    Write_File(file, Bytes);
    Load_Language_File(file);
    return file;
  }
  TScratchDir dir_;
};

TEST_F(LanguageFileTest, LinesFollowTheFormatRules) {
  struct Case {
    std::string Line;
    int Id;
    std::string Expected;
  };
  const std::vector<Case> cases = {
      {"STR0 = Anfang", 0, "Anfang"},
      {"STR12=Twelve", 1, "Twelve"},  // the character before "=" is never part of the id
      {"STR5=Five", 5, "Step 5"},
      {"STR2800 = Beyond", 2799, "Last"},
      {"STR-1 = Negative", 0, "Anfang"},
      {"STR2799 = Last", 2799, "Last"},
      {"STR13 = /#/ only a remark", 13, "Options"},
      {"STR14 = Close /#/ remark", 14, "Close"},
      {"STR15 = " + Pilcrow + "  kept  " + Pilcrow, 15, "  kept  "},
      {"STR16 =   dropped  ", 16, "dropped"},
      {"STR22 = " + Pilcrow + " lead", 22, " lead"},
      {"STR23 = trail " + Pilcrow, 23, "trail "},
      {"STR24 = cut" + Pilcrow + "here", 24, "cut"},
      {"str17 = lower-case prefix", 17, "Update Device UDP"},
      {"STR18 = A = B", 18, "A = B"},
      {"STR19 = ", 19, "New Version Available. Click Here for more Details"},
      {"   STR20 = Indented line   ", 20, "Indented line"},
      {"STR21 = first", 21, "second"},  // a later line wins
      {"STR21 = second", 21, "second"},
      {"STR5a = Not a number", 5, "Step 5"},
      {"STR25 No equals sign", 25, "Set the List of S7comm Access"},
      {"A remark line", 0, "Anfang"},
      {"", 0, "Anfang"},
  };
  std::string file;
  for (const Case& c : cases) file += c.Line + "\r\n";
  Load(EncodeText(file, teUtf8, true));
  for (const Case& c : cases) EXPECT_EQ(Lang_Table->Strings(c.Id), c.Expected) << c.Line;
  EXPECT_EQ(Lang_Table->Count(), 2800);
}

TEST_F(LanguageFileTest, FileIsDecodedByItsByteOrderMark) {
  const std::string text =
      "STR0 = D\xC3\xA9"
      "but " +
      Pilcrow + "\r\nSTR1 = Schritt\r\n";
  struct Case {
    const char* What;
    std::string Bytes;
  };
  const std::vector<Case> cases = {
      {"UTF-8 with mark", EncodeText(text, teUtf8, true)},
      {"UTF-16 little-endian", EncodeText(text, teUtf16LE, true)},
      {"UTF-16 big-endian", EncodeText(text, teUtf16BE, true)},
      {"ANSI without mark", EncodeText(text, teAnsi, false)},
      {"valid UTF-8 without mark", EncodeText(text, teUtf8, false)},
  };
  for (const Case& c : cases) {
    Load_Default_Language();
    Load(c.Bytes);
    EXPECT_EQ(Lang_Table->Strings(0),
              "D\xC3\xA9"
              "but ")
        << c.What;
    EXPECT_EQ(Lang_Table->Strings(1), "Schritt") << c.What;
  }
}

class SetLanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Language_Dir = dir_.Path();
    Load_Default_Language();
  }
  void TearDown() override { Load_Default_Language(); }
  TCommonGlobalsScope globals_;
  TScratchDir dir_;
};

TEST_F(SetLanguageTest, MissingLanguageFallsBackToEnglish) {
  Write_File(dir_.File("English.lng"), "STR0 = Start\r\n");
  Language_Name = "German";
  Set_Language();
  EXPECT_EQ(Language_Name, "English");
  EXPECT_EQ(Lang_Table->Strings(0), "Start");

  std::filesystem::remove(dir_.File("English.lng"));
  Language_Name = "German";
  Set_Language();
  EXPECT_EQ(Language_Name, "English");
  EXPECT_EQ(Lang_Table->Strings(0), "Begin");
}

TEST_F(SetLanguageTest, IdsALanguageLacksShowTheBuiltInText) {
  Write_File(dir_.File("German.lng"), "STR0 = Anfang\r\nSTR1 = Schritt 1\r\n");
  Write_File(dir_.File("Italian.lng"), "STR1 = Passo 1\r\n");
  Language_Name = "German";
  Set_Language();
  EXPECT_EQ(Language_Name, "German");
  EXPECT_EQ(Lang_Table->Strings(0), "Anfang");
  Language_Name = "Italian";
  Set_Language();
  EXPECT_EQ(Lang_Table->Strings(0), "Begin");
  EXPECT_EQ(Lang_Table->Strings(1), "Passo 1");
}

}  // namespace
