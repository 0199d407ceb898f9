#include "tables/plc/UReceiveCAN.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/USaveBincc.h"
#include "framework/controls/Dialogs.h"
#include "framework/rtl/StrUtils.h"
#include "tests/support/Responder.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

using TRow = std::vector<std::string>;

const TTable_Grid_Format& Frame_Table() { return ReceiveCAN_File.Grids[0]; }

// Enable, CobID, Type, Dimension, TimeOut, Byte1..Byte8, Mnemonic.
TRow Frame(const std::string& COBID = "0x181", const std::string& Type = "2.0A (11 bits)",
           const std::string& Dim = "2") {
  return {"Y", COBID, Type, Dim, "500", "10", "11", "", "", "", "", "", "", "speed"};
}

class ReceiveCANTest : public TableEditorTest {
 protected:
  void SetUp() override {
    TableEditorTest::SetUp();
    editor_.Set_Grid(0, &grid_);
    Clear_Table(grid_, Frame_Table());
  }
  std::optional<std::string> Check() { return editor_.Check_Message(); }

  TTable_Memory_Grid grid_ = Memory_Grid_For(Frame_Table());
  TReceiveCAN_Table editor_;
};

TEST_F(ReceiveCANTest, TheFileGoesThroughTheTableByteForByte) {
  TRow off = Frame("99999", "");
  off[0] = "N";
  TRow none = Frame("0x1FFFFFFF", "2.0B (29 bits)", "8");
  none[5] = "None";
  none[13] = "<engine> & \"gear\"";
  const std::string file = Build_Table_File(
      "Receive_Frames", "SW_VERSION = 1.000",
      {{nullptr,
        {File_Row(Frame_Table(), Frame()), File_Row(Frame_Table(), off), File_Row(Frame_Table(), none)}}});
  Write_File(Path_CAN_Rec_Frames, file);
  editor_.Load_Tables();
  EXPECT_EQ(grid_.Row_Values(2), off);
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_CAN_Rec_Frames), file);

  TXMLDocument doc;
  doc.LoadFromFile(Path_CAN_Rec_Frames);
  const TXMLNode row = doc.ChildNodes(0).ChildNodes(0);
  std::vector<std::string> names;
  for (int i = 0; i < row.AttributeCount(); ++i) names.push_back(row.AttributeName(i));
  EXPECT_EQ(names,
            (std::vector<std::string>{"Enable", "COBID", "CAN_Type", "Dim", "TimeOut", "Byte1", "Byte2",
                                      "Byte3", "Byte4", "Byte5", "Byte6", "Byte7", "Byte8", "Mnemonic"}));
}

TEST_F(ReceiveCANTest, MissingAttributesTakeTheirDefaultsAndNeverStopTheLoad) {
  Write_File(Path_CAN_Rec_Frames,
             "<Receive_Frames><row COBID=\"5\"/><row Enable=\"N\" Dim=\"1\" TimeOut=\"7\"/>"
             "<row COBID=\"6\"/></Receive_Frames>");
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(grid_.Row_Values(1), (TRow{"Y", "5", "", "", "0", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(grid_.Row_Values(2), (TRow{"N", "", "", "1", "7", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(grid_.Row_Values(3)[1], "6");
}

TEST_F(ReceiveCANTest, CheckMessages) {
  struct Case {
    TRow Row;
    std::optional<std::string> Expected;  // after "Error row 1"
  };
  auto with = [](TRow row, int Col, const std::string& Value) {
    row[static_cast<std::size_t>(Col - 1)] = Value;
    return row;
  };
  const std::string byte2 = "!! Byte2 must be between 0 and 1499 or None";
  const std::vector<Case> cases = {
      {Frame("2047"), std::nullopt},
      {Frame("0x7FF"), std::nullopt},
      {Frame("2048"), "!! CobID must be between 0 and 2047"},
      {Frame("-1"), "!! CobID must be between 0 and 2047"},
      {Frame("0x1FFFFFFF", "2.0B (29 bits)"), std::nullopt},
      {Frame("0x20000000", "2.0B (29 bits)"), "!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
      {Frame("0x1FFFFFFF", ""), std::nullopt},
      {Frame("0x20000000", ""), "!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
      {Frame("0x80000000", ""), "!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
      // A type the compiler does not know compiles as 11-bit.
      {Frame("0x800", "29 bits"), "!! CobID must be between 0 and 2047"},
      {Frame("0x181", "", "0"), "!! Dimension must be between 1 and 8"},
      {Frame("0x181", "", "9"), "!! Dimension must be between 1 and 8"},
      {Frame("0x181", "", ""), "!! Dimension must be between 1 and 8"},
      {with(Frame(), 5, "100000000"), std::nullopt},
      {with(Frame(), 5, "100000001"), "!! TimeOut must be between 0 and 100000000 milliseconds"},
      {with(Frame(), 5, ""), "!! TimeOut must be between 0 and 100000000 milliseconds"},
      {with(with(Frame(), 6, "None"), 7, ""), std::nullopt},
      {with(Frame(), 8, "junk"), std::nullopt},  // Byte3 lies beyond the Dimension
      {with(Frame(), 7, "1499"), std::nullopt},
      {with(Frame(), 7, "1500"), byte2},
      {with(Frame(), 7, " None "), std::nullopt},
      {with(Frame(), 6, "none"), "!! Byte1 must be between 0 and 1499 or None"},
      {with(Frame("0x181", "", "8"), 13, "1500"), "!! Byte8 must be between 0 and 1499 or None"},
      {with(Frame("99999"), 1, "N"), std::nullopt},
      {with(Frame("99999"), 1, " y "), "!! CobID must be between 0 and 2047"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Row[1] + " / " + c.Row[2] + " / " + c.Row[3]);
    Clear_Table(grid_, Frame_Table());
    grid_.Set_Row(1, c.Row);
    std::optional<std::string> expected;
    if (c.Expected) expected = "Error row 1" + *c.Expected;
    EXPECT_EQ(Check(), expected);
  }
  // Rows are numbered in the message, and the walk ends at the first empty CobID.
  Clear_Table(grid_, Frame_Table());
  grid_.Set_Row(1, Frame());
  grid_.Set_Row(2, Frame("0x182", "", "9"));
  EXPECT_EQ(Check(), "Error row 2!! Dimension must be between 1 and 8");
  grid_.SetCellEx(CAN_Col_COBID, 1, " ");
  EXPECT_EQ(Check(),
            "Error row 1!! CobID is empty, but this row or rows below it hold values, which would "
            "not be saved: fill it or delete the row");
}

// What the check lets through reaches the device as the identifier typed,
// with the width the type gives: the check and the compiler agree.
TEST_F(ReceiveCANTest, TheCheckAndTheCompilerAgreeOnTheIdentifierWidth) {
  const std::vector<std::string> types = {"2.0A (11 bits)", "2.0B (29 bits)", "", " 2.0B (29 bits) ", "junk"};
  const std::vector<std::uint32_t> ids = {0x7FF, 0x800, 0x1FFFFFFF};
  int passed = 0;
  for (const std::string& type : types)
    for (std::uint32_t id : ids) {
      SCOPED_TRACE("\"" + type + "\" " + std::to_string(id));
      Clear_Table(grid_, Frame_Table());
      grid_.Set_Row(1, Frame(std::to_string(id), type));
      TDialogResponder r;
      r.Lenient();
      if (!editor_.Save_On_OK()) continue;
      ++passed;
      Compile_Configuration();
      const std::uint32_t compiled = CAN_Frame_Table[0].Frame_COB_ID;
      EXPECT_EQ(compiled & 0x1FFFFFFFu, id);
      if ((compiled & Frame_COB_ID_29_Bit) == 0) EXPECT_LE(id, 0x7FFu);
      if (Trim(type) == "2.0B (29 bits)") EXPECT_NE(compiled & Frame_COB_ID_29_Bit, 0u);
    }
  // 11-bit types pass 0x7FF only; the 29-bit type and no type pass all three.
  EXPECT_EQ(passed, 1 + 3 + 3 + 3 + 1);
}

TEST_F(ReceiveCANTest, TheCompilerReadsTheSavedRows) {
  grid_.Set_Row(1, Frame("0x181"));
  TRow off = Frame("0x182");
  off[0] = "N";
  grid_.Set_Row(2, off);
  TRow wide = Frame("0x18FF1234", "2.0B (29 bits)", "3");
  wide[5] = "None";
  wide[6] = "1499";
  wide[7] = "0";
  wide[8] = "7";  // beyond the Dimension
  grid_.Set_Row(3, wide);
  ASSERT_TRUE(editor_.Save_On_OK());

  Compile_Configuration();
  EXPECT_EQ(Par_Gen_Block.CAN_Entry_Count, 2u);
  const TCAN_Frame_Entry& a = CAN_Frame_Table[0];
  EXPECT_EQ(a.Frame_COB_ID, 0x181u);
  EXPECT_EQ(a.Frame_Length, 2);
  EXPECT_EQ(a.Frame_Time_Out, 500u);
  EXPECT_EQ(a.Frame_Flags, 0);
  EXPECT_EQ(a.Frame_Byte_Pos[0], 10);
  EXPECT_EQ(a.Frame_Byte_Pos[1], 11);
  EXPECT_EQ(a.Frame_Byte_Pos[2], Frame_No_Position);
  const TCAN_Frame_Entry& b = CAN_Frame_Table[1];
  EXPECT_EQ(b.Frame_COB_ID, 0x18FF1234u | Frame_COB_ID_29_Bit);
  EXPECT_EQ(b.Frame_Byte_Pos[0], Frame_No_Position);
  EXPECT_EQ(b.Frame_Byte_Pos[1], 1499);
  EXPECT_EQ(b.Frame_Byte_Pos[2], 0);
  EXPECT_EQ(b.Frame_Byte_Pos[3], Frame_No_Position);
}

TEST_F(ReceiveCANTest, RowCommandsOnAFullAndAnEmptyTable) {
  // Empty: insert asks nothing and gives an enabled empty row; delete clears.
  EXPECT_TRUE(editor_.Insert_Row(0, 1));
  EXPECT_EQ(grid_.Row_Values(1)[0], "Y");
  TDialogResponder r;
  r.AnswerBox(mrYes);
  EXPECT_TRUE(editor_.Delete_Row(0, 512));
  EXPECT_EQ(r.Boxes().at(0).Text, Text(1758) + "512");
  EXPECT_EQ(grid_.Row_Values(512), (TRow(14, "")));

  // Full: insert asks, delete moves every row up.
  for (int row = 1; row <= CAN_Table_Rows; ++row) grid_.Set_Row(row, Frame(std::to_string(row)));
  r.AnswerBox(mrNo);
  EXPECT_FALSE(editor_.Insert_Row(0, 1));
  EXPECT_EQ(grid_.GetCellEx(CAN_Col_COBID, 512), "512");
  r.AnswerBox(mrYes);
  EXPECT_TRUE(editor_.Delete_Row(0, 1));
  EXPECT_EQ(grid_.GetCellEx(CAN_Col_COBID, 1), "2");
  EXPECT_EQ(grid_.GetCellEx(CAN_Col_COBID, 511), "512");
  EXPECT_EQ(grid_.GetCellEx(CAN_Col_COBID, 512), "");
  EXPECT_EQ(grid_.GetCellEx(0, 512), "512");
}

}  // namespace
