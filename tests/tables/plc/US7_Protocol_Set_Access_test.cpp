#include "tables/plc/US7_Protocol_Set_Access.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "app/USaveBincc.h"
#include "framework/controls/Dialogs.h"
#include "framework/os/SafeWriter.h"
#include "tests/support/Responder.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

using TRow = std::vector<std::string>;

const TTable_Grid_Format& Read_Format() { return S7_Protocol_File.Grids[S7_Read_Grid]; }
const TTable_Grid_Format& Write_Format() { return S7_Protocol_File.Grids[S7_Write_Grid]; }

TRow Read_Row(const std::string& Address = "192.168.1.10", const std::string& Port = "102") {
  return {
      "Y",  Address, Port,   "S71500", "0", "1", "Int", "DB",         "10", "Direct peripheral access (P)",
      "20", "0",     "1000", "5",      "0", "N", "N",   "temperature"};
}
TRow Write_Row(const std::string& Address = "192.168.1.10", const std::string& Port = "102") {
  return {"Y",  Address, Port, "S71200", "1", "2", "Word", "DB", "11", "Flags (M) (Merker)",
          "30", "3",     "0",  "Y",      "N", "7", "0",    "N",  "Y",  "setpoint"};
}

class S7ProtocolTest : public TableEditorTest {
 protected:
  void SetUp() override {
    TableEditorTest::SetUp();
    editor_.Set_Grid(S7_Read_Grid, &read_);
    editor_.Set_Grid(S7_Write_Grid, &write_);
    Clear_Table(read_, Read_Format());
    Clear_Table(write_, Write_Format());
  }
  std::optional<std::string> Check() { return editor_.Check_Message(); }
  std::string Error_Row(int Row, int Id, const std::string& Tail = "") const {
    return Text(1270) + std::to_string(Row) + Text(Id) + Tail;
  }

  TTable_Memory_Grid read_ = Memory_Grid_For(Read_Format());
  TTable_Memory_Grid write_ = Memory_Grid_For(Write_Format());
  TS7_Protocol_Tables editor_;
};

TEST_F(S7ProtocolTest, TheFileGoesThroughTheTablesByteForByte) {
  // Disabled rows keep what they hold, a lower-case y included; texts that
  // XML escapes and characters beyond ASCII come back as they were.
  TRow odd = Read_Row("10.0.0.1");
  odd[0] = "N";
  odd[2] = "garbage";
  odd[17] = "a < b & \"c\" \xC3\xA9";
  TRow lower = Write_Row();
  lower[0] = "y";
  lower[6] = "";
  const std::string file = Build_Table_File(
      "S7_Protocol", "SW_VERSION = 1.003",
      {{"S7_Protocol_Read", {File_Row(Read_Format(), Read_Row()), File_Row(Read_Format(), odd)}},
       {"S7_Protocol_Write", {File_Row(Write_Format(), Write_Row()), File_Row(Write_Format(), lower)}}});
  Write_File(Path_S7_Protocol, file);

  editor_.Load_Tables();
  EXPECT_EQ(read_.Row_Values(2), odd);
  EXPECT_EQ(write_.Row_Values(2), lower);
  EXPECT_EQ(read_.GetCellEx(0, 512), "512");
  EXPECT_EQ(read_.Row_Values(3)[0], "Y");
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_S7_Protocol), file);
}

TEST_F(S7ProtocolTest, RowsCarryTheirAttributesInColumnOrder) {
  read_.Set_Row(1, Read_Row());
  write_.Set_Row(1, Write_Row());
  ASSERT_TRUE(editor_.Save_On_OK());
  TXMLDocument doc;
  doc.LoadFromFile(Path_S7_Protocol);
  ASSERT_EQ(doc.ChildCount(), 2);
  EXPECT_EQ(doc.ChildNodes(0).NodeName(), "S7_Protocol");
  EXPECT_EQ(doc.ChildNodes(1).NodeValue(), "SW_VERSION = 1.003");
  auto names = [&](const char* Section) {
    std::vector<std::string> n;
    const TXMLNode row = doc.ChildNodes(0).FindNode(Section).ChildNodes(0);
    for (int i = 0; i < row.AttributeCount(); ++i) n.push_back(row.AttributeName(i));
    return n;
  };
  EXPECT_EQ(
      names("S7_Protocol_Read"),
      (std::vector<std::string>{"Enable", "PLC_Address", "PLC_Port", "PLC_Type", "Rack", "Slot", "Data_Type",
                                "Data_Identifier", "DB_Number", "PLC_Area", "PLC_Add", "PLC_Bit", "PollTime",
                                "Position", "Bit", "Swap", "SwapWord", "Mnemonic"}));
  EXPECT_EQ(names("S7_Protocol_Write"),
            (std::vector<std::string>{
                "Enable",          "PLC_Address", "PLC_Port", "PLC_Type", "Rack",     "Slot",     "Data_Type",
                "Data_Identifier", "DB_Number",   "PLC_Area", "PLC_Add",  "PLC_Bit",  "PollTime", "OnChange",
                "OnCMD",           "Position",    "Bit",      "Swap",     "SwapWord", "Mnemonic"}));
}

TEST_F(S7ProtocolTest, EmptyTablesAreSavedAsEmptySections) {
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_S7_Protocol),
            Build_Table_File("S7_Protocol", "SW_VERSION = 1.003",
                             {{"S7_Protocol_Read", {}}, {"S7_Protocol_Write", {}}}));
}

TEST_F(S7ProtocolTest, AFileInAnotherLayoutLoadsTheSameAndOldFilesGetRackAndSlot) {
  // A declaration and a comment before the root, and comments between the
  // rows, as other tools write them: the root is the first element and only
  // elements are rows.
  Write_File(Path_S7_Protocol,
             "<?xml version=\"1.0\"?>\n<!-- made by hand -->\n<S7_Protocol>\n  <S7_Protocol_Read>\n"
             "    <!-- the first row -->\n"
             "    <row Mnemonic=\"m\" SwapWord=\"N\" Swap=\"Y\" Bit=\"0\" Position=\"5\" PollTime=\"100\"\n"
             "         PLC_Bit=\"1\" PLC_Add=\"2\" PLC_Area=\"Inputs (I)\" DB_Number=\"3\"\n"
             "         Data_Identifier=\"DB\" Data_Type=\"Bit\" PLC_Type=\"S7300\" PLC_Port=\"102\"\n"
             "         PLC_Address=\"10.1.1.1\"/>\n"
             "  </S7_Protocol_Read>\n  <S7_Protocol_Write/>\n</S7_Protocol>\n");
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(read_.Row_Values(1), (TRow{"Y", "10.1.1.1", "102", "S7300", "0", "0", "Bit", "DB", "3",
                                       "Inputs (I)", "2", "1", "100", "5", "0", "Y", "N", "m"}));
  EXPECT_EQ(Table_Length(read_, Read_Format()), 1);
  EXPECT_EQ(Check(), std::nullopt);
}

TEST_F(S7ProtocolTest, CheckMessages) {
  struct Case {
    int Grid;
    int Col;
    const char* Value;
    int Text;  // 0: the tables pass
    std::string Tail = "";
  };
  const std::vector<Case> cases = {
      {S7_Read_Grid, S7_Col_PLC_Address, "192.168.1", 1271},
      {S7_Read_Grid, S7_Col_PLC_Address, "192.168.1.10 ", 1271},
      {S7_Read_Grid, S7_Col_PLC_Address, "192.168.1.256", 1271},
      {S7_Read_Grid, S7_Col_PLC_Port, "70000", 1272},
      {S7_Read_Grid, S7_Col_PLC_Port, "0x66", 0},
      {S7_Read_Grid, S7_Col_PLC_Type, " ", 1273},
      {S7_Read_Grid, S7_Col_Rack, "3", 0},
      {S7_Read_Grid, S7_Col_Rack, "4", 1321},
      {S7_Read_Grid, S7_Col_Rack, "", 1321},
      {S7_Read_Grid, S7_Col_Slot, "31", 0},
      {S7_Read_Grid, S7_Col_Slot, "32", 1322},
      {S7_Read_Grid, S7_Col_Data_Type, "", 1274},
      {S7_Read_Grid, S7_Col_Data_Identifier, "", 1275},
      {S7_Read_Grid, S7_Col_DB_Number, "65536", 1305},
      {S7_Read_Grid, S7_Col_PLC_Area, "", 1306},
      {S7_Read_Grid, S7_Col_PLC_Add, "-1", 1307},
      {S7_Read_Grid, S7_Col_PLC_Bit, "", 1308},
      {S7_Read_Grid, S7_Col_Poll_Time, "0", 1276},
      {S7_Read_Grid, S7_Col_Poll_Time, "100000000", 0},
      {S7_Read_Grid, S7_Read_Col_Position, "1499", 0},
      {S7_Read_Grid, S7_Read_Col_Position, "1500", 1277, "1499"},
      {S7_Read_Grid, S7_Read_Col_Bit, "", 1278},
      {S7_Write_Grid, S7_Col_PLC_Address, "1.2.3.4.5", 1279},
      {S7_Write_Grid, S7_Col_PLC_Port, "-1", 1280},
      {S7_Write_Grid, S7_Col_PLC_Type, "", 1281},
      {S7_Write_Grid, S7_Col_Rack, "4", 1323},
      {S7_Write_Grid, S7_Col_Slot, "32", 1324},
      {S7_Write_Grid, S7_Col_Data_Type, "", 1282},
      {S7_Write_Grid, S7_Col_Data_Identifier, "", 1283},
      {S7_Write_Grid, S7_Col_DB_Number, "x", 1309},
      {S7_Write_Grid, S7_Col_PLC_Area, "", 1310},
      {S7_Write_Grid, S7_Col_PLC_Add, "65536", 1311},
      {S7_Write_Grid, S7_Col_PLC_Bit, "", 1312},
      {S7_Write_Grid, S7_Col_Poll_Time, "0", 0},
      {S7_Write_Grid, S7_Col_Poll_Time, "100000001", 1284},
      {S7_Write_Grid, S7_Write_Col_Position, "", 1285, "1499"},
      {S7_Write_Grid, S7_Write_Col_Bit, "", 1286},
      {S7_Write_Grid, 14, "anything", 0},  // On Change is not checked
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.Grid) + "/" + std::to_string(c.Col) + " \"" + c.Value + "\"");
    Clear_Table(read_, Read_Format());
    Clear_Table(write_, Write_Format());
    read_.Set_Row(1, Read_Row());
    write_.Set_Row(1, Write_Row());
    TTable_Memory_Grid& grid = c.Grid == S7_Read_Grid ? read_ : write_;
    grid.SetCellEx(c.Col, 1, c.Value);
    if (c.Text == 0)
      EXPECT_EQ(Check(), std::nullopt);
    else
      EXPECT_EQ(Check(), Error_Row(1, c.Text, c.Tail));
  }
}

TEST_F(S7ProtocolTest, MessagesNameEachTablesOwnRowAndSkipDisabledRows) {
  for (int r = 1; r <= 11; ++r) read_.Set_Row(r, Read_Row());
  read_.Set_Row(12, Read_Row());
  read_.SetCellEx(S7_Col_Enable, 12, "y");  // not "Y": not checked
  read_.SetCellEx(S7_Col_PLC_Port, 12, "junk");
  read_.SetCellEx(S7_Col_Enable, 3, "N");
  read_.SetCellEx(S7_Col_Rack, 3, "99");
  for (int r = 1; r <= 12; ++r) write_.Set_Row(r, Write_Row());
  write_.SetCellEx(S7_Col_PLC_Port, 12, "70000");
  EXPECT_EQ(Check(), Text(1270) + "12" + "!! [S7comm Write] PLC Port must be between 0 and 65535");
}

TEST_F(S7ProtocolTest, TheTablesTogetherServeTenConnections) {
  struct Case {
    const char* Name;
    std::vector<std::pair<std::string, std::string>> Read, Write;  // address and port per row
    std::optional<std::string> Expected;
  };
  auto ten = [] {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int i = 1; i <= 10; ++i) rows.emplace_back("10.0.0." + std::to_string(i), "102");
    return rows;
  };
  auto plus = [](std::vector<std::pair<std::string, std::string>> rows,
                 std::pair<std::string, std::string> more) {
    rows.push_back(more);
    return rows;
  };
  const std::vector<Case> cases = {
      {"ten addresses", ten(), {}, std::nullopt},
      {"an eleventh address in the read table", plus(ten(), {"10.0.0.11", "102"}), {}, "11|1287"},
      {"an eleventh address first in the write table", ten(), {{"10.0.0.11", "102"}}, "1|1288"},
      {"an eleventh port", plus(ten(), {"10.0.0.1", "103"}), {}, "11|1287"},
      {"the same connections written otherwise",
       plus(ten(), {"10.0.0.010", "0x66"}),
       {{"10.000.0.2", "$66"}, {"10.0.0.3", "102"}},
       std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Clear_Table(read_, Read_Format());
    Clear_Table(write_, Write_Format());
    for (std::size_t i = 0; i < c.Read.size(); ++i)
      read_.Set_Row(static_cast<int>(i) + 1, Read_Row(c.Read[i].first, c.Read[i].second));
    for (std::size_t i = 0; i < c.Write.size(); ++i)
      write_.Set_Row(static_cast<int>(i) + 1, Write_Row(c.Write[i].first, c.Write[i].second));
    std::optional<std::string> expected;
    if (c.Expected) {
      const std::size_t bar = c.Expected->find('|');
      expected = Text(1270) + c.Expected->substr(0, bar) + Text(std::stoi(c.Expected->substr(bar + 1)));
    }
    EXPECT_EQ(Check(), expected);
    // A second check counts afresh.
    EXPECT_EQ(Check(), expected);
  }
  // Disabled rows take no connection.
  Clear_Table(read_, Read_Format());
  Clear_Table(write_, Write_Format());
  for (int i = 1; i <= 12; ++i) read_.Set_Row(i, Read_Row("10.0.0." + std::to_string(i)));
  read_.SetCellEx(S7_Col_Enable, 3, "N");
  read_.SetCellEx(S7_Col_Enable, 7, "N");
  EXPECT_EQ(Check(), std::nullopt);
}

TEST(S7CheckIPPort, ClaimsTheFirstFreeEntryAndFindsKnownOnes) {
  std::vector<TIPPort> table(3);
  EXPECT_EQ(Check_IP_Port(table, 10, 0, 0, 1, 102), 0);
  EXPECT_EQ(Check_IP_Port(table, 10, 0, 0, 2, 102), 1);
  EXPECT_EQ(Check_IP_Port(table, 10, 0, 0, 1, 102), 0);
  EXPECT_EQ(Check_IP_Port(table, 10, 0, 0, 1, 103), 2);
  EXPECT_EQ(Check_IP_Port(table, 10, 0, 0, 3, 102), -1);
  EXPECT_EQ(table[2].Port, 103);
}

TEST_F(S7ProtocolTest, AnEmptyKeyAboveUsedRowsRefusesOKNamingThatRow) {
  struct Case {
    const char* Name;
    const char* Key_Row_2;
    bool Row_3_Used;
    std::optional<std::string> Expected;
  };
  const std::string gap = Text(1270) +
                          "2!! [S7comm Read] PLC Address is empty, but this row or rows below it "
                          "hold values, which would not be saved: fill it or delete the row";
  const std::vector<Case> cases = {
      {"empty key, a row below", "", true, gap},
      {"blank key, a row below", "   ", true, gap},
      {"empty key, nothing below", "", false, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Clear_Table(read_, Read_Format());
    read_.Set_Row(1, Read_Row());
    if (c.Row_3_Used) read_.Set_Row(3, Read_Row());
    read_.SetCellEx(S7_Col_PLC_Address, 2, c.Key_Row_2);
    EXPECT_EQ(Check(), c.Expected);
  }
  // A row with values but no key is refused on its own, and a disabled one
  // too: both would be lost.
  Clear_Table(read_, Read_Format());
  read_.Set_Row(1, Read_Row());
  read_.Set_Row(2, Read_Row(""));
  read_.SetCellEx(S7_Col_Enable, 2, "N");
  EXPECT_EQ(Check(), gap);
}

TEST_F(S7ProtocolTest, InsertRowThenOKKeepsTheFileUntilTheGapIsFilled) {
  const std::string file = Build_Table_File(
      "S7_Protocol", "SW_VERSION = 1.003",
      {{"S7_Protocol_Read",
        {File_Row(Read_Format(), Read_Row()), File_Row(Read_Format(), Read_Row("10.0.0.2"))}},
       {"S7_Protocol_Write", {}}});
  Write_File(Path_S7_Protocol, file);
  editor_.Load_Tables();
  EXPECT_TRUE(editor_.Insert_Row(S7_Read_Grid, 2));
  {
    TDialogResponder r;
    r.AnswerBox(mrOk);
    EXPECT_FALSE(editor_.Save_On_OK());
    ASSERT_EQ(r.Boxes().size(), 1u);
    EXPECT_EQ(r.Boxes()[0].Icon, diError);
    EXPECT_EQ(r.Boxes()[0].Text.rfind(Text(1270) + "2!! [S7comm Read] PLC Address is empty", 0), 0u);
  }
  EXPECT_EQ(Read_File(Path_S7_Protocol), file);
  // Deleting the inserted row again lets OK save both rows.
  TDialogResponder r;
  r.AnswerBox(mrYes);
  EXPECT_TRUE(editor_.Delete_Row(S7_Read_Grid, 2));
  EXPECT_EQ(r.Boxes().at(0).Text, Text(1758) + "2");
  EXPECT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_S7_Protocol), file);
}

TEST_F(S7ProtocolTest, ALoadThatStopsIsReportedAndOKAsksBeforeReplacingTheFile) {
  TFile_Row no_port = File_Row(Read_Format(), Read_Row("10.0.0.3"));
  no_port.erase(no_port.begin() + 2);
  const TFile_Row good = File_Row(Read_Format(), Read_Row());
  const TFile_Row good_write = File_Row(Write_Format(), Write_Row());
  std::vector<TFile_Row> too_many(513, good);
  struct Case {
    const char* Name;
    std::string File;
    std::vector<std::string> In_Message;
    int Read_Rows, Write_Rows;
  };
  const std::vector<Case> cases = {
      {"a row without an attribute",
       Build_Table_File(
           "S7_Protocol", "SW_VERSION = 1.003",
           {{"S7_Protocol_Read", {good, good, no_port, good}}, {"S7_Protocol_Write", {good_write}}}),
       {"row 3 has no attribute \"PLC_Port\"", "S7comm Read 2, S7comm Write 0"},
       2,
       0},
      {"no write section",
       Build_Table_File("S7_Protocol", "SW_VERSION = 1.003", {{"S7_Protocol_Read", {good}}}),
       {"\"S7_Protocol_Write\" is missing", "S7comm Read 1, S7comm Write 0"},
       1,
       0},
      {"a file that does not parse", "<S7_Protocol><S7_Protocol_Read><row", {"S7comm Read 0"}, 0, 0},
      {"no element at all",
       "<?xml version=\"1.0\"?><!--SW_VERSION = 1.003-->",
       {"S7comm Read 0, S7comm Write 0"},
       0,
       0},
      {"more rows than the table",
       Build_Table_File("S7_Protocol", "SW_VERSION = 1.003",
                        {{"S7_Protocol_Read", too_many}, {"S7_Protocol_Write", {good_write}}}),
       {"more than 512 rows", "S7comm Read 512, S7comm Write 0"},
       512,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Write_File(Path_S7_Protocol, c.File);
    // A row copied before must not be pasted after this show.
    editor_.Copy_Row(S7_Read_Grid, 1);
    {
      TDialogResponder r;
      r.AnswerBox(mrOk);
      editor_.Load_Tables();
      ASSERT_EQ(r.Boxes().size(), 1u);
      EXPECT_EQ(r.Boxes()[0].Icon, diError);
      for (const std::string& part : c.In_Message) EXPECT_NE(r.Boxes()[0].Text.find(part), std::string::npos);
    }
    EXPECT_TRUE(editor_.Load_Incomplete());
    EXPECT_FALSE(editor_.Do_Copy_In_Read());
    EXPECT_EQ(Table_Length(read_, Read_Format()), c.Read_Rows);
    EXPECT_EQ(Table_Length(write_, Write_Format()), c.Write_Rows);
    // No row is read in part.
    EXPECT_EQ(read_.Row_Values(c.Read_Rows + 1)[1], "");
    {
      TDialogResponder r;
      r.AnswerBox(mrNo);
      EXPECT_FALSE(editor_.Save_On_OK());
      EXPECT_EQ(r.Boxes().at(0).Icon, diQuestion);
    }
    EXPECT_EQ(Read_File(Path_S7_Protocol), c.File);
  }
  // Yes replaces the file with the rows shown, and the next show reads it
  // without a word.
  TDialogResponder r;
  r.AnswerBox(mrYes);
  EXPECT_TRUE(editor_.Save_On_OK());
  EXPECT_FALSE(editor_.Load_Incomplete());
  editor_.Load_Tables();
  EXPECT_EQ(Table_Length(read_, Read_Format()), 512);
  EXPECT_FALSE(editor_.Load_Incomplete());
}

TEST_F(S7ProtocolTest, APasteNeedsACopyFromTheSameTableSinceTheLastShow) {
  read_.Set_Row(1, Read_Row());
  editor_.Copy_Row(S7_Read_Grid, 1);
  EXPECT_TRUE(editor_.Do_Copy_In_Read());
  {
    TDialogResponder r;
    r.AnswerBox(mrOk);
    EXPECT_FALSE(editor_.Paste_Row(S7_Write_Grid, 1));
    EXPECT_EQ(r.Boxes().at(0).Text, Text(1102));
  }
  EXPECT_TRUE(editor_.Paste_Row(S7_Read_Grid, 2));
  EXPECT_EQ(read_.Row_Values(2), Read_Row());
  editor_.Copy_Row(S7_Write_Grid, 1);
  EXPECT_FALSE(editor_.Do_Copy_In_Read());
  EXPECT_TRUE(editor_.Do_Copy_In_Write());
  editor_.Load_Tables();  // no file: the cleared tables
  TDialogResponder r;
  r.AnswerBox(mrOk);
  EXPECT_FALSE(editor_.Paste_Row(S7_Write_Grid, 1));
  EXPECT_EQ(r.Boxes().at(0).Text, Text(1102));
}

TEST_F(S7ProtocolTest, InsertRowOnAFullTableAsksFirst) {
  for (int r = 1; r <= S7_Table_Rows; ++r) read_.Set_Row(r, Read_Row("10.0.0." + std::to_string(r % 10)));
  const TRow last = read_.Row_Values(512);
  TDialogResponder r;
  r.AnswerBox(mrNo).AnswerBox(mrYes);
  EXPECT_FALSE(editor_.Insert_Row(S7_Read_Grid, 5));
  EXPECT_EQ(read_.Row_Values(512), last);
  EXPECT_TRUE(editor_.Insert_Row(S7_Read_Grid, 5));
  EXPECT_EQ(read_.Row_Values(5)[0], "Y");
  EXPECT_EQ(read_.Row_Values(5)[1], "");
  // The rows below moved down one: what was row 511 is now the last.
  EXPECT_EQ(read_.Row_Values(512)[1], "10.0.0.1");
  EXPECT_EQ(r.Boxes().size(), 2u);
}

TEST_F(S7ProtocolTest, TheCompilerReadsTheSavedRows) {
  read_.Set_Row(1, Read_Row("192.168.1.10", "0x66"));
  TRow off = Read_Row("10.0.0.9");
  off[0] = "N";
  read_.Set_Row(2, off);
  read_.Set_Row(3, Read_Row("10.0.0.3"));
  write_.Set_Row(1, Write_Row("10.0.0.4", "102"));
  ASSERT_TRUE(editor_.Save_On_OK());

  Compile_Configuration();
  EXPECT_EQ(Par_Gen_Block.S7_Entry_Count, 3u);
  const TS7_Access_Entry& first = S7_Access_Table[0];
  EXPECT_EQ(first.Entry_PLC_IP, 0xC0A8010Au);
  EXPECT_EQ(first.Entry_PLC_Port, 102);
  EXPECT_EQ(first.Entry_PLC_Type, PLC_Type_Code("S71500"));
  EXPECT_EQ(first.Entry_Rack_Slot, 1);
  EXPECT_EQ(first.Entry_Data_Type, Data_Type_Code("Int"));
  EXPECT_EQ(first.Entry_DB_Number, 10);
  EXPECT_EQ(first.Entry_PLC_Add, 20);
  EXPECT_EQ(first.Entry_Poll_Time, 1000u);
  EXPECT_EQ(first.Entry_Position, 5);
  EXPECT_EQ(S7_Access_Table[1].Entry_PLC_IP, 0x0A000003u);
  const TS7_Access_Entry& w = S7_Access_Table[2];
  EXPECT_EQ(w.Entry_PLC_IP, 0x0A000004u);
  EXPECT_EQ(w.Entry_Rack_Slot, 1 * 32 + 2);
  EXPECT_EQ(w.Entry_Area, PLC_Area_Code("Flags (M) (Merker)"));
  EXPECT_EQ(w.Entry_Flags, Entry_Flag_Write | Entry_Flag_On_Change | Entry_Flag_Swap_Word);
  EXPECT_EQ(w.Entry_Position, 7);
  EXPECT_EQ(w.Entry_PLC_Bit, 3);
}

TEST_F(S7ProtocolTest, AFileThatCannotBeWrittenIsReportedAndKept) {
  const std::string file = Build_Table_File("S7_Protocol", "SW_VERSION = 1.003",
                                            {{"S7_Protocol_Read", {}}, {"S7_Protocol_Write", {}}});
  Write_File(Path_S7_Protocol, file);
  read_.Set_Row(1, Read_Row());
  TSafeWriteHookScope full_disk(
      [](TSafeWriteStage Stage, const std::string&) { return Stage == swsWrite ? ENOSPC : 0; });
  TDialogResponder r;
  r.AnswerBox(mrOk);
  EXPECT_FALSE(editor_.Save_On_OK());
  EXPECT_EQ(r.Boxes().at(0).Icon, diError);
  EXPECT_EQ(Read_File(Path_S7_Protocol), file);
}

}  // namespace
