#include "tables/network/USNMP_Trap_Access.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/controls/Dialogs.h"
#include "tests/support/Responder.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

using TRow = std::vector<std::string>;

const TTable_Grid_Format& Read_Format() { return SNMP_Trap_File.Grids[SNMP_Read_Grid]; }
const TTable_Grid_Format& Write_Format() { return SNMP_Trap_File.Grids[SNMP_Write_Grid]; }

// Enable, Community Name, Type, On Change, On CMD, On Timer, Time (ms),
// Position, Start Bit, Num Bits/Bytes, Description, IP Address, Conversion,
// Mnemonic.
TRow Read_Row(const std::string& Description = "temp") {
  return {"Y",  "Public",    "Int",          "Y",    "N",     "N", "", "10", "0",
          "16", Description, "192.168.1.20", "None", "boiler"};
}
// Enable, Community Name, Type, Position, Start Bit, Num Bits/Bytes,
// Description, Conversion, Mnemonic.
TRow Write_Row(const std::string& Description = "setpoint") {
  return {"Y", "Private", "Int", "20", "0", "8", Description, "None", "valve"};
}

TRow With(TRow Row, int Col, const std::string& Value) {
  Row[static_cast<std::size_t>(Col - 1)] = Value;
  return Row;
}

class SNMPTrapTest : public TableEditorTest {
 protected:
  void SetUp() override {
    TableEditorTest::SetUp();
    editor_.Set_Grid(SNMP_Read_Grid, &read_);
    editor_.Set_Grid(SNMP_Write_Grid, &write_);
    Clear_Table(read_, Read_Format());
    Clear_Table(write_, Write_Format());
  }
  std::vector<std::string> Numbers(const TTable_Memory_Grid& Grid, int Rows) const {
    std::vector<std::string> n;
    for (int r = 1; r <= Rows; ++r) n.push_back(Grid.GetCellEx(0, r));
    return n;
  }

  TTable_Memory_Grid read_ = Memory_Grid_For(Read_Format());
  TTable_Memory_Grid write_ = Memory_Grid_For(Write_Format());
  TSNMP_Trap_Tables editor_;
};

TEST_F(SNMPTrapTest, TheFileGoesThroughTheTablesByteForByte) {
  const TRow off = With(With(Read_Row("spare"), 1, "N"), 10, "junk");
  const TRow text = With(With(Read_Row("label"), 3, "String"), 14, "<a> & \"b\"");
  const std::string file = Build_Table_File(
      "SNMP_Trap", "SW_VERSION = 1.000",
      {{"SNMP_Trap_Read",
        {File_Row(Read_Format(), Read_Row()), File_Row(Read_Format(), off), File_Row(Read_Format(), text)}},
       {"SNMP_Trap_Write", {File_Row(Write_Format(), Write_Row())}}});
  Write_File(Path_SNMP_Trap, file);
  editor_.Load_Tables();
  EXPECT_EQ(read_.Row_Values(2), off);
  EXPECT_EQ(editor_.NByte_IN, 1440);
  EXPECT_EQ(editor_.NByte_OUT, 1440);
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_SNMP_Trap), file);

  TXMLDocument doc;
  doc.LoadFromFile(Path_SNMP_Trap);
  const auto names = [](const TXMLNode& row) {
    std::vector<std::string> n;
    for (int i = 0; i < row.AttributeCount(); ++i) n.push_back(row.AttributeName(i));
    return n;
  };
  EXPECT_EQ(names(doc.ChildNodes(0).FindNode("SNMP_Trap_Read").ChildNodes(0)),
            (std::vector<std::string>{"Enable", "Community_Name", "Type", "On_Change", "On_Command",
                                      "On_Timer", "Time", "Position", "Bit", "NumBits", "Description",
                                      "IP_Address", "Conversion", "Mnemonic"}));
  EXPECT_EQ(names(doc.ChildNodes(0).FindNode("SNMP_Trap_Write").ChildNodes(0)),
            (std::vector<std::string>{"Enable", "Community_Name", "Type", "Position", "Bit", "NumBits",
                                      "Description", "Conversion", "Mnemonic"}));
}

TEST_F(SNMPTrapTest, MissingAttributesTakeTheirDefaultsAndColumnZeroNumbersTheEnabledRows) {
  Write_File(Path_SNMP_Trap,
             "<SNMP_Trap><SNMP_Trap_Read><row Community_Name=\"a\"/><row Community_Name=\"b\" Enable=\"N\"/>"
             "<row Community_Name=\"c\" Enable=\"y\"/></SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>");
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(read_.Row_Values(1), (TRow{"Y", "a", "", "N", "N", "N", "", "", "", "", "", "", "None", ""}));
  EXPECT_EQ(Numbers(read_, 5), (std::vector<std::string>{"1", "", "2", "3", "4"}));
  EXPECT_EQ(write_.GetCellEx(0, 256), "256");
  // A click on an Enable box renumbers that grid; other boxes do not.
  read_.SetCellEx(SNMP_Col_Enable, 1, "N");
  editor_.Check_Box_Clicked(SNMP_Read_Grid, SNMP_Read_Col_On_Timer);
  EXPECT_EQ(read_.GetCellEx(0, 3), "2");
  editor_.Check_Box_Clicked(SNMP_Read_Grid, SNMP_Col_Enable);
  EXPECT_EQ(Numbers(read_, 4), (std::vector<std::string>{"", "", "1", "2"}));
}

TEST_F(SNMPTrapTest, TheCharacterRuleOfCommunityNamesAndDescriptions) {
  struct Case {
    const char* Text;
    bool Name_Breaks;
    bool Description_Breaks;
  };
  const std::vector<Case> cases = {
      {"", false, false},    {"public", false, false},    {"Public", false, true},
      {"a1B", false, false}, {"1abc", false, true},       {"ab c", true, true},
      {"ab_c", true, true},  {"caf\xC3\xA9", true, true}, {" abc", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(Check_Error_CommName_Desc(c.Text, 0), c.Name_Breaks);
    EXPECT_EQ(Check_Error_CommName_Desc(c.Text, 1), c.Description_Breaks);
  }
}

TEST_F(SNMPTrapTest, CheckMessages) {
  struct Case {
    bool Write;
    TRow Row;
    int Text;  // 0: the tables pass
  };
  const TRow text = With(With(Read_Row(), 3, "String"), 10, "16");
  const TRow timed = With(Read_Row(), 6, "Y");
  const TRow write_text = With(Write_Row(), 3, "String");
  const std::vector<Case> cases = {
      {false, Read_Row(), 0},
      {false, With(Read_Row(), 2, "pub lic"), 2276},
      {false, With(Read_Row(), 3, " "), 2261},
      {false, With(timed, 7, "1000000000"), 0},
      {false, With(timed, 7, "1000000001"), 2262},
      {false, With(timed, 7, "0"), 2262},
      {false, With(Read_Row(), 7, "junk"), 0},
      {false, With(Read_Row(), 8, ""), 2263},
      {false, With(Read_Row(), 9, " "), 2264},
      {false, With(text, 9, "3"), 2265},
      {false, With(text, 9, " 0 "), 0},
      {false, With(Read_Row(), 9, "3"), 0},
      {false, With(Read_Row(), 10, "64"), 0},
      {false, With(Read_Row(), 10, "65"), 2266},
      {false, With(Read_Row(), 10, "0"), 2266},
      {false, With(text, 10, "17"), 2267},
      {false, With(Read_Row(), 11, "Temp"), 2277},
      {false, With(Read_Row(), 11, "t1X"), 0},
      {false, With(Read_Row(), 11, "1t"), 2277},
      {false, With(Read_Row(), 12, "192.168.1"), 2268},
      {false, With(Read_Row(), 13, " "), 2285},
      {false, With(With(Read_Row(), 1, "n"), 2, "bad name"), 0},
      {true, Write_Row(), 0},
      {true, With(Write_Row(), 2, "a-b"), 2278},
      {true, With(Write_Row(), 3, ""), 2269},
      {true, With(Write_Row(), 4, ""), 2270},
      {true, With(Write_Row(), 5, ""), 2271},
      {true, With(write_text, 5, "1"), 2272},
      {true, With(Write_Row(), 6, "65"), 2273},
      {true, With(write_text, 6, "17"), 2274},
      {true, With(Write_Row(), 7, "Set"), 2279},
      {true, With(Write_Row(), 8, ""), 2286},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.Write ? "write " : "read ") << "case " << (&c - cases.data()));
    Clear_Table(read_, Read_Format());
    Clear_Table(write_, Write_Format());
    read_.Set_Row(1, Read_Row("first"));
    write_.Set_Row(1, Write_Row("firstout"));
    (c.Write ? write_ : read_).Set_Row(2, c.Row);
    std::optional<std::string> expected;
    if (c.Text) expected = "Error row 2" + Text(c.Text);
    EXPECT_EQ(editor_.Check_Message(), expected);
  }
}

// The row number is the grid's, not the number shown in column 0.
TEST_F(SNMPTrapTest, TheMessageNamesTheGridRow) {
  read_.Set_Row(1, With(Read_Row("a"), 1, "N"));
  read_.Set_Row(2, With(Read_Row("b"), 1, "N"));
  read_.Set_Row(3, With(Read_Row("c"), 10, "99"));
  Index_Row_Build(read_);
  EXPECT_EQ(read_.GetCellEx(0, 3), "1");
  EXPECT_EQ(editor_.Check_Message(), Text(2260) + "3" + Text(2266));
}

TEST_F(SNMPTrapTest, DescriptionsDifferAcrossBothTables) {
  struct Case {
    const char* Name;
    TRow Read_2;
    TRow Write_1;
    bool Refused;
  };
  const std::vector<Case> cases = {
      {"all different", Read_Row("b"), Write_Row("c"), false},
      {"same in one table", Read_Row("a"), Write_Row("c"), true},
      {"same across the tables", Read_Row("b"), Write_Row("a"), true},
      {"two empty", Read_Row(""), Write_Row(""), true},
      {"same but disabled", With(Read_Row("a"), 1, "N"), Write_Row("c"), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    read_.Set_Row(1, Read_Row("a"));
    read_.Set_Row(2, c.Read_2);
    write_.Set_Row(1, c.Write_1);
    // The message stands alone, without a row.
    EXPECT_EQ(editor_.Check_Message(), c.Refused ? std::optional<std::string>(Text(2280)) : std::nullopt);
  }
}

TEST_F(SNMPTrapTest, EachTableEndsAtItsFirstEmptyCommunityName) {
  read_.Set_Row(1, Read_Row());
  read_.Set_Row(3, With(Read_Row("x"), 10, "99"));
  EXPECT_EQ(editor_.Check_Message(),
            "Error row 2!! [SNMP Read] Community Name is empty, but this row or rows below "
            "it hold values, which would not be saved: fill it or delete the row");
  read_.Set_Row(3, TRow(14, ""));
  write_.Set_Row(1, Write_Row());
  write_.Set_Row(2, With(Write_Row("more"), 2, "  "));
  EXPECT_EQ(editor_.Check_Message(),
            "Error row 2!! [SNMP Write] Community Name is empty, but this row or rows below "
            "it hold values, which would not be saved: fill it or delete the row");
}

TEST_F(SNMPTrapTest, APasteNeedsACopyFromTheSamePage) {
  read_.Set_Row(1, Read_Row());
  editor_.Copy_Row(SNMP_Read_Grid, 1);
  EXPECT_TRUE(editor_.Do_Copy_In_Read());
  TDialogResponder r;
  r.AnswerBox(mrOk);
  EXPECT_FALSE(editor_.Paste_Row(SNMP_Write_Grid, 1));
  EXPECT_EQ(r.Boxes().at(0).Text, Text(1102));
  EXPECT_TRUE(editor_.Paste_Row(SNMP_Read_Grid, 2));
  r.AnswerBox(mrYes);
  EXPECT_TRUE(editor_.Delete_Row(SNMP_Read_Grid, 2));
  EXPECT_EQ(r.Boxes().at(1).Text, Text(2275) + "2");
}

}  // namespace
