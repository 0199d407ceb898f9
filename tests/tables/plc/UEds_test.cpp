#include "tables/plc/UEds.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <string>
#include <vector>

#include "framework/controls/Dialogs.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/DateUtils.h"
#include "tables/plc/USet_PDO_Access.h"
#include "tables/plc/USet_SDO_Server_Access.h"
#include "tests/support/Golden.h"
#include "tests/support/Responder.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

using TLines = std::vector<std::string>;

class TNow_Scope {
 public:
  explicit TNow_Scope(TDateTime When) {
    SetNowProvider([When] { return When; });
  }
  ~TNow_Scope() { SetNowProvider(nullptr); }
};

// A PDO: COB-ID and Dimension; the other attributes do not matter here.
TFile_Row PDO(const std::string& COB_ID, const std::string& Dimension, bool Transmit = false) {
  const TTable_Grid_Format& format = PDO_CANopen_File.Grids[Transmit ? 1 : 0];
  std::vector<std::string> values(format.Columns.size(), "0");
  values[0] = COB_ID;
  values[1] = Dimension;
  return File_Row(format, values);
}

// An object of the SDO server table: Index, SubIndex, N Byte.
TFile_Row Object(const std::string& Index, const std::string& Sub, const std::string& NByte) {
  return File_Row(SDO_Server_CANopen_File.Grids[0], {Index, Sub, NByte, "0", "1", "2", "3", "m"});
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

// Every block headed [Name], up to its empty line.
std::vector<TLines> Blocks(const TLines& Lines, const std::string& Name) {
  std::vector<TLines> blocks;
  for (std::size_t i = 0; i < Lines.size(); ++i) {
    if (Lines[i] != "[" + Name + "]") continue;
    TLines block;
    for (std::size_t j = i + 1; j < Lines.size() && !Lines[j].empty(); ++j) block.push_back(Lines[j]);
    blocks.push_back(block);
  }
  return blocks;
}

TLines Block(const TLines& Lines, const std::string& Name) {
  const std::vector<TLines> blocks = Blocks(Lines, Name);
  EXPECT_EQ(blocks.size(), 1u) << Name;
  return blocks.empty() ? TLines() : blocks[0];
}

class EdsTest : public TableEditorTest {
 protected:
  void Write_PDOs(const std::vector<TFile_Row>& Receive, const std::vector<TFile_Row>& Transmit) {
    Write_File(Path_PDO_CANopen, Build_Table_File("PDO_CANopen", "SW_VERSION = 1.000",
                                                  {{"Receive_PDO", Receive}, {"Transmit_PDO", Transmit}}));
  }
  void Write_Objects(const std::vector<TFile_Row>& Read, const std::vector<TFile_Row>& Write) {
    Write_File(Path_SDO_Server_CANopen, Build_Table_File("SDO_Server_CANopen", "SW_VERSION = 1.000",
                                                         {{"SDO_Read", Read}, {"SDO_Write", Write}}));
  }
  // Writes the EDS file at the given time and answers its lines.
  TLines Written(TDateTime When = EncodeDateTime(2024, 3, 7, 9, 5, 0, 0)) {
    TNow_Scope now(When);
    Write_EDS_File(Out());
    return Lines_Of(Read_File(Out()));
  }
  std::string Out() const { return dir_.Path() + "/device.eds"; }
};

TEST(EdsText, DateAndTwelveHourTime) {
  struct Case {
    int Hour, Minute;
    const char* Expected;
  };
  const std::vector<Case> cases = {
      {0, 0, "12:00AM"},  {0, 7, "12:07AM"},   {1, 5, "01:05AM"},  {11, 59, "11:59AM"},
      {12, 0, "12:00PM"}, {12, 30, "12:30PM"}, {13, 5, "01:05PM"}, {23, 59, "11:59PM"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EDS_Time_Text(EncodeDateTime(2024, 3, 7, c.Hour, c.Minute, 59, 999)), c.Expected)
        << c.Hour << ":" << c.Minute;
  EXPECT_EQ(EDS_Date_Text(EncodeDateTime(2024, 3, 7, 23, 59, 59, 0)), "03-07-2024");
  EXPECT_EQ(EDS_Date_Text(EncodeDate(2025, 12, 31)), "12-31-2025");
}

// A fixed project and clock give the file byte for byte: Windows-1252, CR LF
// after every line, an empty line at the end.
TEST_F(EdsTest, AFixedProjectGivesTheGoldenFile) {
  Write_PDOs({PDO("0x181", "2"), PDO("$182", "8")}, {PDO("641", "1", true)});
  Write_Objects({Object("0x2000", "1", "2"), Object("0x2100", "3", "4"), Object("0x2100", "26", "1")},
                {Object("0x2000", "0", "1"), Object("0x2000", "1", "2"), Object("$5FFF", "255", "4")});
  TNow_Scope now(EncodeDateTime(2024, 3, 7, 12, 7, 45, 0));
  Write_EDS_File(Out());
  EXPECT_TRUE(Matches_Golden("tables/plc/golden/canopen.eds", Read_File(Out())));
}

TEST_F(EdsTest, WhatThePDOsBecome) {
  Write_PDOs({PDO("0x181", "2")}, {PDO("0x201", "1", true)});
  const TLines lines = Written();
  const TLines device = Block(lines, "DeviceInfo");
  EXPECT_EQ(device[device.size() - 2], "NrOfRXPDO=1");
  EXPECT_EQ(device.back(), "NrOfTXPDO=1");
  EXPECT_EQ(Block(lines, "OptionalObjects"),
            (TLines{"SupportedObjects=14", "1=0x1005", "2=0x1006", "3=0x1008", "4=0x1014", "5=0x1016",
                    "6=0x1017", "7=0x1029", "8=0x1280", "9=0x1400", "10=0x1600", "11=0x1800", "12=0x1A00",
                    "13=0x7000", "14=0x7050"}));
  EXPECT_EQ(Block(lines, "1400sub1"), (TLines{"ParameterName=COB-ID", "ObjectType=0x07", "DataType=0x0007",
                                              "AccessType=rw", "DefaultValue=0x00000181", "PDOMapping=0"}));
  EXPECT_EQ(Block(lines, "1600"),
            (TLines{"SubNumber=3", "ParameterName=Receive PDO Mapping Parameter", "ObjectType=0x09"}));
  EXPECT_EQ(Block(lines, "1600sub0")[4], "DefaultValue=0x02");
  EXPECT_EQ(Block(lines, "1600sub1")[4], "DefaultValue=0x70000108");
  EXPECT_EQ(Block(lines, "1600sub2")[4], "DefaultValue=0x70000208");
  EXPECT_EQ(Block(lines, "1A00")[1], "ParameterName=Transmit PDO Mapping Parameter 1");
  EXPECT_EQ(Block(lines, "1A00sub1")[4], "DefaultValue=0x70500108");
  EXPECT_EQ(Block(lines, "7000sub0")[3], "AccessType=ro");
  EXPECT_EQ(Block(lines, "7050sub0")[3], "AccessType=rw");
  EXPECT_EQ(Block(lines, "7000sub2"), (TLines{"ParameterName=b2", "ObjectType=0x07", "DataType=0x0005",
                                              "AccessType=rww", "DefaultValue=0x00", "PDOMapping=1"}));
  EXPECT_EQ(Block(lines, "7050sub1")[0], "ParameterName=l1");
  EXPECT_EQ(Block(lines, "7050sub1")[3], "AccessType=rwr");
  EXPECT_TRUE(Blocks(lines, "7000sub3").empty());
}

TEST_F(EdsTest, WhatTheManufacturerObjectsBecome) {
  Write_Objects({Object("0x2000", "1", "2"), Object("0x2100", "3", "4"), Object("0x2000", "26", "1")},
                {Object("0x2000", "0", "1"), Object("0x2100", "3", "2")});
  const TLines lines = Written();
  EXPECT_EQ(Block(lines, "ManufacturerObjects"), (TLines{"SupportedObjects=2", "1=0x2000", "2=0x2100"}));
  // 0x2000 has its own sub-index 0: no generated one.
  EXPECT_EQ(Block(lines, "2000"), (TLines{"SubNumber=3", "ParameterName=App Vars", "ObjectType=0x9"}));
  EXPECT_EQ(Block(lines, "2000sub0"), (TLines{"ParameterName=Application Variable", "ObjectType=0x7",
                                              "DataType=0x0005", "LowLimit=0x00", "HighLimit=0xFF",
                                              "DefaultValue=0x00", "AccessType=rw", "PDOMapping=0"}));
  EXPECT_EQ(Block(lines, "2000sub1")[2], "DataType=0x0006");
  EXPECT_EQ(Block(lines, "2000sub1")[6], "AccessType=ro");
  EXPECT_EQ(Block(lines, "2000sub1A")[2], "DataType=0x0005");
  // 0x2100 gets a sub-index 0 naming its largest one; the same sub-index in
  // both tables gives two blocks, the master's read one first.
  EXPECT_EQ(Block(lines, "2100"), (TLines{"SubNumber=3", "ParameterName=App Vars", "ObjectType=0x9"}));
  EXPECT_EQ(Block(lines, "2100sub0"),
            (TLines{"ParameterName=Largest Sub-Index supported", "ObjectType=0x7", "DataType=0x0005",
                    "AccessType=ro", "DefaultValue=0x03", "PDOMapping=0"}));
  const std::vector<TLines> three = Blocks(lines, "2100sub3");
  ASSERT_EQ(three.size(), 2u);
  EXPECT_EQ(three[0][2], "DataType=0x0007");
  EXPECT_EQ(three[0][4], "HighLimit=0xFFFFFFFF");
  EXPECT_EQ(three[0][6], "AccessType=ro");
  EXPECT_EQ(three[1][2], "DataType=0x0006");
  EXPECT_EQ(three[1][6], "AccessType=rw");
}

TEST_F(EdsTest, WithoutTableFilesOnlyTheFixedObjectsAreWritten) {
  const TLines lines = Written();
  EXPECT_EQ(Block(lines, "DeviceInfo").back(), "NrOfTXPDO=0");
  EXPECT_EQ(Block(lines, "OptionalObjects")[0], "SupportedObjects=8");
  EXPECT_EQ(Block(lines, "ManufacturerObjects"), (TLines{"SupportedObjects=0"}));
  // The last fixed object, then the file's final empty line.
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[lines.size() - 3], "PDOMapping=0");
  EXPECT_EQ(lines[lines.size() - 2], "");
  EXPECT_EQ(lines.back(), "");
  EXPECT_TRUE(Blocks(lines, "1400").empty());
  // A later run starts afresh.
  Write_PDOs({PDO("abc", "x")}, {});
  TDialogResponder r;
  r.AnswerBox(mrYes);
  const TLines again = Written();
  EXPECT_EQ(Block(again, "1400sub1")[4], "DefaultValue=0x00000000");  // no number: 0
  EXPECT_EQ(Block(again, "1600")[0], "SubNumber=9");                  // no number: 8
}

TEST_F(EdsTest, AnExistingFileIsReplacedOnlyAfterYes) {
  Write_File(Out(), "old");
  {
    TDialogResponder r;
    r.AnswerBox(mrNo);
    Written();
    ASSERT_EQ(r.Boxes().size(), 1u);
    EXPECT_EQ(r.Boxes()[0].Text, Text(1103));
    EXPECT_EQ(r.Boxes()[0].Icon, diQuestion);
    EXPECT_EQ(Read_File(Out()), "old");
  }
  TDialogResponder r;
  r.AnswerBox(mrYes);
  EXPECT_EQ(Written()[0], "[FileInfo]");
}

TEST_F(EdsTest, MoreThanThirtyPDOsAreToldAndTheFirstThirtyWritten) {
  std::vector<TFile_Row> receive;
  for (int i = 0; i < 32; ++i) receive.push_back(PDO(std::to_string(0x181 + i), "1"));
  Write_PDOs(receive, {PDO("0x201", "1", true)});
  TDialogResponder r;
  r.AnswerBox(mrOk);
  const TLines lines = Written();
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Icon, diWarning);
  EXPECT_NE(r.Boxes()[0].Text.find("32 receive and 1 transmit PDOs"), std::string::npos);
  const TLines device = Block(lines, "DeviceInfo");
  EXPECT_EQ(device[device.size() - 2], "NrOfRXPDO=30");
  EXPECT_EQ(Block(lines, "141Dsub1")[4], "DefaultValue=0x0000019E");
  EXPECT_TRUE(Blocks(lines, "141E").empty());
  EXPECT_EQ(Block(lines, "701D")[1], "ParameterName=RPDO30");
  EXPECT_EQ(Block(lines, "701Dsub1")[0], "ParameterName=av1");
}

TEST_F(EdsTest, ATableFileThatCannotBeReadStopsTheRunAndWritesNothing) {
  struct Case {
    const char* Name;
    std::string PDO_File, SDO_File;
    const char* In_Message;
  };
  const std::string pdo_ok = Build_Table_File("PDO_CANopen", "SW_VERSION = 1.000",
                                              {{"Receive_PDO", {PDO("1", "1")}}, {"Transmit_PDO", {}}});
  auto sdo = [](const TFile_Row& Row) {
    return Build_Table_File("SDO_Server_CANopen", "SW_VERSION = 1.000",
                            {{"SDO_Read", {Row}}, {"SDO_Write", {}}});
  };
  TFile_Row no_dimension = PDO("1", "1");
  no_dimension.erase(no_dimension.begin() + 1);
  const std::vector<Case> cases = {
      {"a PDO file that does not parse", "<PDO_CANopen><Receive_PDO>", "", "PDO_CANopen.xml"},
      {"no transmit section", Build_Table_File("PDO_CANopen", "SW_VERSION = 1.000", {{"Receive_PDO", {}}}),
       "", "\"Transmit_PDO\" is missing"},
      {"a PDO without its Dimension",
       Build_Table_File("PDO_CANopen", "SW_VERSION = 1.000",
                        {{"Receive_PDO", {no_dimension}}, {"Transmit_PDO", {}}}),
       "", "has no attribute \"Dimension\""},
      {"an Index that is no number", pdo_ok, sdo(Object("abc", "1", "1")), "the Index \"abc\""},
      // A PDO maps 1 to 8 bytes: Dimension 300 wrote an invalid file of
      // thousands of lines as success; at the integer limit D + 1 overflowed.
      {"Dimension 300",
       Build_Table_File("PDO_CANopen", "SW_VERSION = 1.000",
                        {{"Receive_PDO", {PDO("1", "300")}}, {"Transmit_PDO", {}}}),
       "", "\"300\""},
      {"Dimension at the integer limit",
       Build_Table_File("PDO_CANopen", "SW_VERSION = 1.000",
                        {{"Receive_PDO", {}}, {"Transmit_PDO", {PDO("1", "2147483647", true)}}}),
       "", "\"2147483647\""},
      {"Dimension 0",
       Build_Table_File("PDO_CANopen", "SW_VERSION = 1.000",
                        {{"Receive_PDO", {PDO("1", "0")}}, {"Transmit_PDO", {}}}),
       "", "row 1 of \"Receive_PDO\""},
      {"a SubIndex beyond a byte", pdo_ok, sdo(Object("0x2000", "256", "1")), "the SubIndex \"256\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Write_File(Path_PDO_CANopen, c.PDO_File);
    if (c.SDO_File.empty())
      DeleteFile(Path_SDO_Server_CANopen);
    else
      Write_File(Path_SDO_Server_CANopen, c.SDO_File);
    try {
      Write_EDS_File(Out());
      ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
      EXPECT_NE(e.Message().find(c.In_Message), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(FileExists(Out()));
  }
  // A folder where the PDO file should be is no missing file.
  DeleteFile(Path_PDO_CANopen);
  DeleteFile(Path_SDO_Server_CANopen);
  std::filesystem::create_directory(Path_PDO_CANopen);
  try {
    Write_EDS_File(Out());
    ADD_FAILURE() << "a folder read as no PDOs";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find("folder"), std::string::npos) << e.Message();
  }
  EXPECT_FALSE(FileExists(Out()));
  std::filesystem::remove(Path_PDO_CANopen);

  // A file that cannot be written is an error too, and the old one stays.
  DeleteFile(Path_PDO_CANopen);
  DeleteFile(Path_SDO_Server_CANopen);
  Write_File(Out(), "old");
  TSafeWriteHookScope fail(
      [](TSafeWriteStage Stage, const std::string&) { return Stage == swsFlush ? 28 : 0; });
  TDialogResponder r;
  r.AnswerBox(mrYes);
  EXPECT_THROW(Write_EDS_File(Out()), Exception);
  EXPECT_EQ(Read_File(Out()), "old");
}

}  // namespace
