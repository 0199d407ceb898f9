#include "tables/network/UKNXAccess.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/controls/Dialogs.h"
#include "tests/support/Responder.h"
#include "tests/tables/network/SeparatorScope.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

using TRow = std::vector<std::string>;

const TTable_Grid_Format& Rule_Table() { return KNXAccess_File.Grids[0]; }

// Enable, Source Add, Dest/Group, APCI, Priority, Format, Mul. Factor,
// Extended, ReTest, OnCMD, OnChange, OnTimer, Poll Time, Position, Bit Mode,
// Length, TimeOut, Mnemonic.
TRow Rule(const std::string& Source = "1.1.20") {
  return {"Y", Source, "1/2/3", "Write", "Normal", "None", "",  "N", "N",
          "N", "Y",    "N",     "",      "10",     "No",   "2", "0", "lamp"};
}

TRow With(TRow Row, int Col, const std::string& Value) {
  Row[static_cast<std::size_t>(Col - 1)] = Value;
  return Row;
}

class KNXAccessTest : public TableEditorTest {
 protected:
  void SetUp() override {
    TableEditorTest::SetUp();
    editor_.Set_Grid(0, &grid_);
    Clear_Table(grid_, Rule_Table());
  }

  TTable_Memory_Grid grid_ = Memory_Grid_For(Rule_Table());
  TKNXAccess_Table editor_;
};

TEST_F(KNXAccessTest, TheFileGoesThroughTheTableByteForByte) {
  const TRow off = With(With(Rule("15.15.255"), 1, "N"), 17, "junk");
  const TRow bits = With(With(With(Rule(), 15, "7"), 8, "Y"), 18, "<a> & \"b\"");
  const std::string file = Build_Table_File(
      "BACnet_to_KNX", "SW_VERSION = 1.001",
      {{"KNX_in_Write",
        {File_Row(Rule_Table(), Rule()), File_Row(Rule_Table(), off), File_Row(Rule_Table(), bits)}}});
  Write_File(Path_KNX_SetAccess, file);
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(grid_.Row_Values(2), off);
  EXPECT_EQ(editor_.Max_Num_Byte, 1500);
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_KNX_SetAccess), file);

  TXMLDocument doc;
  doc.LoadFromFile(Path_KNX_SetAccess);
  EXPECT_EQ(doc.ChildNodes(0).NodeName(), "BACnet_to_KNX");
  const TXMLNode row = doc.ChildNodes(0).FindNode("KNX_in_Write").ChildNodes(0);
  std::vector<std::string> names;
  for (int i = 0; i < row.AttributeCount(); ++i) names.push_back(row.AttributeName(i));
  EXPECT_EQ(names, (std::vector<std::string>{"Enable", "Source_Address", "Destination_Address", "APCI",
                                             "Priority", "Format", "MultiplicationFactor", "Extended",
                                             "ReTest", "On_Command", "On_Change", "On_Timer", "Poll_Time",
                                             "Position", "Bit_Mode", "Length", "TimeOut", "Mnemonic"}));
}

TEST_F(KNXAccessTest, DefaultsAndPrioritiesOfAFileWrittenElsewhere) {
  // Every attribute without a default, in another order; the others missing.
  const std::string required =
      "Mnemonic=\"m\" Length=\"1\" Bit_Mode=\"No\" Position=\"0\" Poll_Time=\"\" On_Change=\"N\" "
      "ReTest=\"N\" "
      "Extended=\"N\" APCI=\"Read\" Destination_Address=\"1/1/1\" Source_Address=\"1.1.1\"";
  Write_File(Path_KNX_SetAccess,
             "<BACnet_to_KNX>\n  <KNX_in_Write>\n    <row " + required + "/>\n    <row " + required +
                 " Priority=\"urgent\"/>\n    <row " + required +
                 " Priority=\"Low\" Enable=\"N\"/>\n  </KNX_in_Write>\n</BACnet_to_KNX>\n");
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(grid_.Row_Values(1), (TRow{"Y", "1.1.1", "1/1/1", "Read", "Normal", "None", "", "N", "N", "N",
                                       "N", "N", "", "0", "No", "1", "0", "m"}));
  // A priority the grid does not offer loads as Normal.
  EXPECT_EQ(grid_.GetCellEx(KNX_Col_Priority, 2), "Normal");
  EXPECT_EQ(grid_.GetCellEx(KNX_Col_Priority, 3), "Low");
  EXPECT_EQ(grid_.GetCellEx(KNX_Col_Enable, 3), "N");
  EXPECT_EQ(editor_.Check_Message(), std::nullopt);
}

TEST_F(KNXAccessTest, ARowWithoutAnAttributeThatHasNoDefaultStopsTheLoadAndOKAsks) {
  const std::string file = Build_Table_File(
      "BACnet_to_KNX", "SW_VERSION = 1.001",
      {{"KNX_in_Write", {File_Row(Rule_Table(), Rule()), File_Row(Rule_Table(), Rule("1.1.21"))}}});
  std::string damaged = file;
  damaged.replace(damaged.rfind(" Length=\"2\""), 11, "");
  Write_File(Path_KNX_SetAccess, damaged);
  {
    TDialogResponder r;
    r.AnswerBox(mrOk);
    editor_.Load_Tables();
    EXPECT_NE(r.Boxes().at(0).Text.find("\"Length\""), std::string::npos);
  }
  EXPECT_TRUE(editor_.Load_Incomplete());
  EXPECT_EQ(Table_Length(grid_, Rule_Table()), 1);
  TDialogResponder r;
  r.AnswerBox(mrNo);
  EXPECT_FALSE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_KNX_SetAccess), damaged);
}

TEST_F(KNXAccessTest, CheckMessages) {
  struct Case {
    TRow Row;
    int Text;  // 0: the row passes
    std::string Limit = "";
  };
  const TRow bits = With(With(Rule(), 15, "7"), 8, "Y");
  const std::vector<Case> cases = {
      {Rule(), 0},
      {Rule("0.0.0"), 0},
      {Rule("16.1.1"), 1449},
      {Rule("1/1/1"), 1449},
      {With(Rule(), 3, "1.2.3"), 0},
      {With(Rule(), 3, " 0.0.0 "), 0},
      {With(Rule(), 3, "0/0/0"), 1451},
      {With(Rule(), 3, "1.2"), 1450},
      {With(Rule(), 3, "100"), 0},
      {With(Rule(), 4, "read"), 0},
      {With(Rule(), 4, "0"), 0},
      {With(Rule(), 4, "1023"), 0},
      {With(Rule(), 4, "1024"), 1452},
      {With(Rule(), 4, "Write "), 1452},
      {With(Rule(), 5, "normal"), 1453},
      {With(Rule(), 6, " "), 1454},
      {With(Rule(), 7, "1.5"), 0},
      {With(Rule(), 7, "1,5"), 0},
      {With(Rule(), 7, "abc"), 1465},
      {With(Rule(), 13, "0"), 0},
      {With(With(Rule(), 12, "Y"), 13, "0"), 1455},
      {With(With(Rule(), 12, "y"), 13, "100000000"), 0},
      {With(Rule(), 14, "1500"), 1456, "1499"},
      {With(Rule(), 14, ""), 1456, "1499"},
      {With(Rule(), 15, "8"), 1457},
      {With(Rule(), 15, "no"), 0},
      {With(Rule(), 16, "14"), 0},
      {With(Rule(), 16, "15"), 1458, "14"},
      {With(With(Rule(), 16, "255"), 8, "Y"), 0},
      {With(Rule(), 16, "0"), 1458, "14"},
      {With(With(Rule(), 15, "0"), 16, "113"), 1458, "112"},
      {With(With(bits, 16, "2040"), 14, "1244"), 0},
      {With(With(bits, 16, "2040"), 14, "1245"), 1459, "1500"},
      {With(With(Rule(), 14, "1499"), 16, "1"), 0},
      {With(With(Rule(), 14, "1499"), 16, "2"), 1459, "1500"},
      {With(Rule(), 17, "100000001"), 1466},
      {With(With(Rule(), 1, "N"), 4, "junk"), 0},
  };
  for (const char separator : {',', '.'}) {
    TDecimal_Separator_Scope system(separator);
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message()
                   << separator << " " << c.Row[1] << " " << c.Row[2] << " " << c.Row[3] << " " << c.Row[4]
                   << " " << c.Row[6] << " " << c.Row[13] << " " << c.Row[15]);
      Clear_Table(grid_, Rule_Table());
      grid_.Set_Row(1, Rule());
      grid_.Set_Row(2, c.Row);
      std::optional<std::string> expected;
      if (c.Text) expected = "Error row 2" + Text(c.Text) + c.Limit;
      EXPECT_EQ(editor_.Check_Message(), expected);
    }
  }
}

TEST_F(KNXAccessTest, TheTableEndsAtTheFirstEmptySourceAddress) {
  // An empty first row saves an empty section.
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_KNX_SetAccess),
            Build_Table_File("BACnet_to_KNX", "SW_VERSION = 1.001", {{"KNX_in_Write", {}}}));
  // A row below the first empty Source Add would be lost: OK refuses.
  grid_.Set_Row(1, Rule());
  grid_.Set_Row(3, With(Rule(), 14, "5000"));
  EXPECT_EQ(editor_.Check_Message(),
            "Error row 2!! [KNX in Write] Source Add is empty, but this row or rows below "
            "it hold values, which would not be saved: fill it or delete the row");
}

TEST_F(KNXAccessTest, RowCommandsUseTheEditorsQuestionAndOneCopyFlag) {
  grid_.Set_Row(1, Rule());
  grid_.Set_Row(2, Rule("1.1.21"));
  {
    TDialogResponder r;
    r.AnswerBox(mrYes);
    EXPECT_TRUE(editor_.Delete_Row(0, 1));
    EXPECT_EQ(r.Boxes().at(0).Text, "Are you sure to delete the Row number 1");
  }
  EXPECT_EQ(grid_.Row_Values(1), Rule("1.1.21"));
  EXPECT_EQ(grid_.Row_Values(1024), TRow(18, ""));
  editor_.Copy_Row(0, 1);
  EXPECT_TRUE(editor_.Do_Copy_In_Write());
  EXPECT_FALSE(editor_.Do_Copy_In_Read());
  EXPECT_TRUE(editor_.Paste_Row(0, 2));
  EXPECT_EQ(grid_.Row_Values(2), Rule("1.1.21"));
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Do_Copy_In_Write());
}

}  // namespace
