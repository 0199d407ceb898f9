#include "tables/network/UBACnet_EDE_File.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/os/Files.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/SysUtils.h"
#include "tables/network/UBACnetSlaveSetAccess.h"
#include "tests/support/Golden.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

using TLines = std::vector<std::string>;
using TRecord = std::vector<std::string>;

class TNow_Scope {
 public:
  explicit TNow_Scope(TDateTime When) {
    SetNowProvider([When] { return When; });
  }
  ~TNow_Scope() { SetNowProvider(nullptr); }
  TNow_Scope(const TNow_Scope&) = delete;
  TNow_Scope& operator=(const TNow_Scope&) = delete;
};

// A row of BACnet_Slave.xml with the three attributes the writer reads.
TFile_Row Object(const std::string& Type, const std::string& Unit, const std::string& Mnemonic) {
  return File_Row(BACnet_Slave_File.Grids[0], {Type, Unit, "0", "0", "4", "N", Mnemonic});
}

TLines Lines_Of(const std::string& Bytes) {
  TLines lines;
  std::size_t at = 0;
  while (at < Bytes.size()) {
    const std::size_t end = Bytes.find("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back(Bytes.substr(at) + "<no CR LF>");
      break;
    }
    lines.push_back(Bytes.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

// The file read as CSV with ";" between fields: a field in double quotes may
// hold ";", line breaks and doubled quotes; records end with CR LF.
std::vector<TRecord> Read_CSV(const std::string& Bytes) {
  std::vector<TRecord> records;
  TRecord record;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < Bytes.size(); ++i) {
    const char c = Bytes[i];
    if (quoted) {
      if (c == '"' && i + 1 < Bytes.size() && Bytes[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"' && field.empty()) {
      quoted = true;
    } else if (c == ';') {
      record.push_back(field);
      field.clear();
    } else if (c == '\r' && i + 1 < Bytes.size() && Bytes[i + 1] == '\n') {
      record.push_back(field);
      records.push_back(record);
      record.clear();
      field.clear();
      ++i;
    } else {
      field += c;
    }
  }
  EXPECT_TRUE(record.empty() && field.empty() && !quoted) << "the file does not end with a whole record";
  return records;
}

class EdeTest : public TableEditorTest {
 protected:
  void SetUp() override {
    TableEditorTest::SetUp();
    Project_Name = "Plant1";
  }
  void Write_ParGen(const std::string& Children) {
    Write_File(Path_ParGen, "<ParGen>" + Children + "</ParGen><!--SW_VERSION = 1.000-->");
  }
  void Write_Objects(const std::vector<TFile_Row>& Read, const std::vector<TFile_Row>& Write) {
    Write_File(Path_BACnet_Slave, Build_Table_File("BACnet_to_Modbus", "SW_VERSION = 1.000",
                                                   {{"BACnet_in_Read", Read}, {"BACnet_in_Write", Write}}));
  }
  std::string Out() const { return dir_.Path() + "/objects.csv"; }
  std::string Build(TDateTime When = EncodeDateTime(2025, 3, 4, 9, 5, 3, 0)) {
    TNow_Scope now(When);
    Create_EDE_File(Out());
    return Read_File(Out());
  }
  // The object lines, after the seven head lines.
  TLines Objects() {
    const TLines lines = Lines_Of(Build());
    return lines.size() < 7 ? lines : TLines(lines.begin() + 7, lines.end());
  }
};

// The project of the worked example, one object with a name beyond ASCII
// added: Windows-1252 bytes, CR LF after every line.
TEST_F(EdeTest, AFixedProjectGivesTheGoldenFile) {
  Write_ParGen(
      "<BACnet_Type>0</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE>"
      "<BACnet_Desc_Chars_Limit>0</BACnet_Desc_Chars_Limit>");
  Write_Objects({Object("Analog Input", "62", "TEMP_BOILER_OUTLET_1"), Object("Binary Input", "95", "PUMP1")},
                {Object("Analog Value", "98", "SETPOINT"),
                 Object("Multi State Value", "95", "Vanne_Temp\xC3\xA9rature_ext")});
  const std::string bytes = Build();
  EXPECT_TRUE(Matches_Golden("tables/network/golden/objects.csv", bytes));

  const TLines lines = Lines_Of(bytes);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[0], "PROJECT_NAME; www.korvel.com--Plant1;;;;;;");
  EXPECT_EQ(lines[2], "TIMESTAMP_OF_LAST_CHANGE;09:05:03 04/03/2025;;;;;;");
  EXPECT_EQ(lines[3], "AUTHOR_OF_LAST_CHANGE;www.korvel.com;;;;;;");
  EXPECT_EQ(lines[7], "1234_TEMP_BOILER_OUTLET_1_0;1234;TEMP_BOILER_OUTL;0;0;TEMP_BOILER_OUTL;62;");
  EXPECT_EQ(lines[8], "1234_PUMP1_0;1234;PUMP1;3;0;PUMP1;95;");
  EXPECT_EQ(lines[9], "1234_SETPOINT_0;1234;SETPOINT;2;0;SETPOINT;98;");
  // Sixteen characters, not bytes; "é" is one byte in the file.
  EXPECT_EQ(lines[10],
            "1234_Vanne_Temp\xE9rature_ext_0;1234;Vanne_Temp\xE9ratur;19;0;Vanne_Temp\xE9ratur;95;");
}

TEST(EdeText, TimestampAndProjectNamePart) {
  const struct {
    TDateTime When;
    const char* Text;
  } cases[] = {
      {EncodeDateTime(2025, 3, 4, 9, 5, 3, 0), "09:05:03 04/03/2025"},
      {EncodeDateTime(2024, 12, 31, 23, 59, 59, 999), "23:59:59 31/12/2024"},
      {EncodeDateTime(2026, 1, 10, 0, 0, 0, 0), "00:00:00 10/01/2026"},
  };
  for (const auto& c : cases) {
    TNow_Scope now(c.When);
    EXPECT_EQ(EDE_Timestamp_Text(), c.Text);
  }
  EXPECT_EQ(EDE_Project_Name_Part(), "");
}

TEST(EdeText, ObjectTypeCodesAndCounters) {
  const struct {
    const char* Name;
    int Code;
  } cases[] = {
      {"ANALOG INPUT", 0},
      {"ANALOG OUT", 1},
      {"ANALOG VALUE", 2},
      {"BINARY INPUT", 3},
      {"BINARY OUT", 4},
      {"BINARY VALUE", 5},
      {"MULTI STATE INPUT", 13},
      {"MULTI STATE OUTPUT", 14},
      {"MULTI STATE VALUE", 19},
      {"LIFE SAFETY POINT", 21},
      {"LIFE SAFETY ZONE", 22},
      {"ACCUMULATOR", 23},
      {"ACCESS DOOR", 30},
      {"CHARACTERSTRING VALUE", 40},
      {"DATETIME VALUE", 44},
      {"INTEGER VALUE", 45},
      {"LARGE ANALOG VALUE", 46},
      {"POSITIVE INTEGER VALUE", 48},
      {"Analog Input", 0},
      {"BINARY  INPUT", 0},
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(BACnet_Object_Type_Code(c.Name), c.Code) << c.Name;

  Reset_EDE_Instance_Counters();
  EXPECT_EQ(Next_Object_Instance(19), 0);
  EXPECT_EQ(Next_Object_Instance(19), 1);
  EXPECT_EQ(Next_Object_Instance(0), 0);
  EXPECT_EQ(Next_Object_Instance(48), 0);
  EXPECT_EQ(Next_Object_Instance(48), 1);
  // A code without a counter: 0, and nothing counted.
  EXPECT_EQ(Next_Object_Instance(6), 0);
  EXPECT_EQ(Next_Object_Instance(6), 0);
  Reset_EDE_Instance_Counters();
  EXPECT_EQ(Next_Object_Instance(19), 0);
}

TEST_F(EdeTest, InstancesCountPerTypeAcrossBothTables) {
  Write_ParGen("<BACnet_DEV_IDE>7</BACnet_DEV_IDE>");
  Write_Objects(
      {Object("Analog Value", "1", "A"), Object("Multi State Value", "", "M"),
       Object("Analog Value", "1", "B"), Object(" analog input\t", "1", "C"), Object("Thermostat", "1", "D")},
      {Object("Analog Value", "1", "E"), Object("Multi State Value", "2", "F")});
  const TLines objects = Objects();
  EXPECT_EQ(objects,
            (TLines{"7_A_0;7;A;2;0;A;1;", "7_M_0;7;M;19;0;M;;", "7_B_1;7;B;2;1;B;1;", "7_C_0;7;C;0;0;C;1;",
                    "7_D_1;7;D;0;1;D;1;", "7_E_2;7;E;2;2;E;1;", "7_F_1;7;F;19;1;F;2;"}));
  // A second build starts afresh: the same object lines.
  EXPECT_EQ(Objects(), objects);
}

TEST_F(EdeTest, DeviceInstanceAndNameLengthFromParGen) {
  const std::string mnemonic = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";  // 36 characters
  Write_Objects({Object("Analog Input", "62", mnemonic)}, {});
  const struct {
    const char* ParGen;
    const char* Instance;
    std::size_t Name_Length;
  } cases[] = {
      {nullptr, "", 16},
      {"<BACnet_DEV_IDE>12</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>34</BACnet_Ser_DEV_IDE>", "12", 16},
      {"<BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>12</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>34</"
       "BACnet_Ser_DEV_IDE>",
       "34", 16},
      {"<BACnet_Type>$1</BACnet_Type><BACnet_Ser_DEV_IDE>34</BACnet_Ser_DEV_IDE>", "34", 16},
      {"<BACnet_Type>0x1</BACnet_Type><BACnet_Ser_DEV_IDE>34</BACnet_Ser_DEV_IDE>", "34", 16},
      {"<BACnet_Type>2</BACnet_Type><BACnet_DEV_IDE>12</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>34</"
       "BACnet_Ser_DEV_IDE>",
       "12", 16},
      {"<BACnet_Type>one</BACnet_Type><BACnet_DEV_IDE> 12 </BACnet_DEV_IDE>", " 12 ", 16},
      {"<BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>12</BACnet_DEV_IDE>", "", 16},
      {"<BACnet_DEV_IDE>12</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>", "12", 32},
      {"<BACnet_Desc_Chars_Limit>01</BACnet_Desc_Chars_Limit>", "", 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ParGen ? c.ParGen : "no ParGen.xml");
    DeleteFile(Path_ParGen);
    if (c.ParGen) Write_ParGen(c.ParGen);
    const TLines objects = Objects();
    ASSERT_EQ(objects.size(), 1u);
    const std::string name = mnemonic.substr(0, c.Name_Length);
    EXPECT_EQ(objects[0], std::string(c.Instance) + "_" + mnemonic + "_0;" + c.Instance + ";" + name +
                              ";0;0;" + name + ";62;");
  }
}

TEST_F(EdeTest, WithoutObjectsTheFileHoldsItsHeadLines) {
  EXPECT_EQ(
      Lines_Of(Build()),
      (TLines{
          "PROJECT_NAME; www.korvel.com--Plant1;;;;;;", "VERSION_OF_REFERENCEFILE;1.0;;;;;;",
          "TIMESTAMP_OF_LAST_CHANGE;09:05:03 04/03/2025;;;;;;", "AUTHOR_OF_LAST_CHANGE;www.korvel.com;;;;;;",
          "VERSION_OF_LAYOUT;2;;;;;;",
          "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;",
          "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;"}));
  Write_Objects({}, {});
  EXPECT_EQ(Lines_Of(Build()).size(), 7u);
}

// Texts that hold ";", line breaks or quotes (from hand-made project files)
// stay in their fields: read back as CSV, every line has the same eight
// fields and each text comes back whole.
TEST_F(EdeTest, ReadAsCSVEveryLineHasTheSameColumns) {
  Project_Name = "Plant;\"2\"";
  Write_ParGen("<BACnet_DEV_IDE>1;2</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>");
  const std::vector<std::string> mnemonics = {
      "TEMP;OUT", "LINE\r\nBREAK", "say \"hi\"", "LF\nONLY", "\"quoted\"", ";", "", "plain"};
  std::vector<TFile_Row> read;
  for (const std::string& m : mnemonics) read.push_back(Object("Analog Input", "62;x", m));
  Write_Objects(read, {Object("Analog Value", "", "tail")});

  const std::vector<TRecord> records = Read_CSV(Build());
  ASSERT_EQ(records.size(), 7 + mnemonics.size() + 1);
  for (const TRecord& record : records) {
    ASSERT_EQ(record.size(), 8u) << record[0];
    EXPECT_EQ(record[7], "");
  }
  EXPECT_EQ(records[0][1], " www.korvel.com--Plant;\"2\"");
  for (std::size_t i = 0; i < mnemonics.size(); ++i) {
    const TRecord& r = records[7 + i];
    SCOPED_TRACE(mnemonics[i]);
    EXPECT_EQ(r[0], "1;2_" + mnemonics[i] + "_" + std::to_string(i));
    EXPECT_EQ(r[1], "1;2");
    EXPECT_EQ(r[2], mnemonics[i]);
    EXPECT_EQ(r[5], mnemonics[i]);
    EXPECT_EQ(r[6], "62;x");
  }
  EXPECT_EQ(records.back(), (TRecord{"1;2_tail_0", "1;2", "tail", "2", "0", "tail", "", ""}));
}

TEST_F(EdeTest, AProjectFileThatCannotBeReadWritesNothing) {
  const std::string ok_objects =
      Build_Table_File("BACnet_to_Modbus", "SW_VERSION = 1.000",
                       {{"BACnet_in_Read", {Object("Analog Input", "62", "T")}}, {"BACnet_in_Write", {}}});
  TFile_Row no_unit = Object("Analog Input", "62", "T");
  no_unit.erase(no_unit.begin() + 1);
  const struct {
    const char* Name;
    std::string ParGen;
    std::string Objects;
    const char* In_Message;
  } cases[] = {
      {"ParGen.xml does not parse", "<ParGen><BACnet_DEV_IDE>1</ParGen>", ok_objects, "ParGen.xml"},
      {"objects do not parse", "<ParGen/>", "<BACnet_to_Modbus><BACnet_in_Read>", "BACnet_Slave.xml"},
      {"no write section", "<ParGen/>",
       Build_Table_File("BACnet_to_Modbus", "SW_VERSION = 1.000", {{"BACnet_in_Read", {}}}),
       "the section \"BACnet_in_Write\" is missing"},
      {"a row without Eng_Unit", "<ParGen/>",
       Build_Table_File("BACnet_to_Modbus", "SW_VERSION = 1.000",
                        {{"BACnet_in_Read", {}}, {"BACnet_in_Write", {no_unit}}}),
       "row 1 of \"BACnet_in_Write\" has no attribute \"Eng_Unit\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Write_File(Path_ParGen, c.ParGen);
    Write_File(Path_BACnet_Slave, c.Objects);
    Write_File(Out(), "older file");
    try {
      Create_EDE_File(Out());
      ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
      EXPECT_NE(e.Message().find(c.In_Message), std::string::npos) << e.Message();
    }
    EXPECT_EQ(Read_File(Out()), "older file");
  }
  // A file that cannot be created.
  Write_File(Path_ParGen, "<ParGen/>");
  Write_File(Path_BACnet_Slave, ok_objects);
  EXPECT_THROW(Create_EDE_File(dir_.Path() + "/no folder/objects.csv"), Exception);
  EXPECT_FALSE(FileExists(dir_.Path() + "/no folder/objects.csv"));
}

}  // namespace
