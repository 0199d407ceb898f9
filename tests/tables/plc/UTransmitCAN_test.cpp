#include "tables/plc/UTransmitCAN.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/USaveBincc.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

using TRow = std::vector<std::string>;

const TTable_Grid_Format& Frame_Table() { return TransmitCAN_File.Grids[0]; }

// Enable, CobID, Type, Dimension, OnChange, OnCMD, OnTimer, Time,
// Byte1..Byte8, Mnemonic.
TRow Frame(const std::string& COBID = "0x201", const std::string& Dim = "2", const std::string& OnTimer = "Y",
           const std::string& Time = "100") {
  return {"Y", COBID, "2.0A (11 bits)", Dim, "N", "Y", OnTimer, Time, "20", "21", "", "", "", "", "",
          "",  "out"};
}

TRow With(TRow Row, int Col, const std::string& Value) {
  Row[static_cast<std::size_t>(Col - 1)] = Value;
  return Row;
}

class TransmitCANTest : public TableEditorTest {
 protected:
  void SetUp() override {
    TableEditorTest::SetUp();
    editor_.Set_Grid(0, &grid_);
    Clear_Table(grid_, Frame_Table());
  }

  TTable_Memory_Grid grid_ = Memory_Grid_For(Frame_Table());
  TTransmitCAN_Table editor_;
};

TEST_F(TransmitCANTest, TheFileGoesThroughTheTableByteForByte) {
  TRow untimed = With(Frame("0x1FFFFFFF", "8", "N", "not a number"), 3, "2.0B (29 bits)");
  untimed[15] = "1799";
  TRow off = With(Frame("99999"), 1, "N");
  const std::string file = Build_Table_File(
      "Transmit_Frames", "SW_VERSION = 1.000",
      {{nullptr,
        {File_Row(Frame_Table(), Frame()), File_Row(Frame_Table(), untimed), File_Row(Frame_Table(), off)}}});
  Write_File(Path_CAN_Send_Frames, file);
  editor_.Load_Tables();
  EXPECT_EQ(grid_.Row_Values(2), untimed);
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_CAN_Send_Frames), file);

  TXMLDocument doc;
  doc.LoadFromFile(Path_CAN_Send_Frames);
  EXPECT_EQ(doc.ChildNodes(0).NodeName(), "Transmit_Frames");
  const TXMLNode row = doc.ChildNodes(0).ChildNodes(0);
  std::vector<std::string> names;
  for (int i = 0; i < row.AttributeCount(); ++i) names.push_back(row.AttributeName(i));
  EXPECT_EQ(names, (std::vector<std::string>{"Enable", "COBID", "CAN_Type", "Dim", "OnChange", "OnCMD",
                                             "OnTimer", "Time", "Byte1", "Byte2", "Byte3", "Byte4", "Byte5",
                                             "Byte6", "Byte7", "Byte8", "Mnemonic"}));
}

TEST_F(TransmitCANTest, MissingAttributesTakeTheirDefaults) {
  Write_File(Path_CAN_Send_Frames,
             "<Transmit_Frames><row COBID=\"1\"/><row COBID=\"2\" OnTimer=\"Y\"/>"
             "<row COBID=\"3\" OnTimer=\"y\" CAN_Type=\"\"/></Transmit_Frames>");
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  const TRow empty_bytes(8, "");
  auto expected = [&](const std::string& COBID, const std::string& Type, const std::string& OnTimer,
                      const std::string& Time) {
    TRow row = {"Y", COBID, Type, "", "Y", "N", OnTimer, Time};
    row.insert(row.end(), empty_bytes.begin(), empty_bytes.end());
    row.push_back("");
    return row;
  };
  EXPECT_EQ(grid_.Row_Values(1), expected("1", "2.0A (11 bits)", "N", ""));
  EXPECT_EQ(grid_.Row_Values(2), expected("2", "2.0A (11 bits)", "Y", "0"));
  EXPECT_EQ(grid_.Row_Values(3), expected("3", "", "y", ""));
}

TEST_F(TransmitCANTest, CheckMessages) {
  struct Case {
    TRow Row;
    std::optional<std::string> Expected;  // after "Error row 1"
  };
  const std::string time = "!! Time must be between 0 and 100000000 milliseconds";
  const std::vector<Case> cases = {
      {Frame(), std::nullopt},
      {Frame("0x7FF"), std::nullopt},
      {Frame("2048"), "!! CobID must be between 0 and 2047"},
      // A row made by Insert Row has no type: the 29-bit range.
      {With(Frame("0x1FFFFFFF"), 3, ""), std::nullopt},
      {With(Frame("0x20000000"), 3, ""), "!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
      {Frame("0x201", "0"), "!! Dimension must be between 1 and 8"},
      {Frame("0x201", "2", "Y", "0"), std::nullopt},
      {Frame("0x201", "2", "Y", "100000001"), time},
      {Frame("0x201", "2", " y", ""), time},
      {Frame("0x201", "2", "N", "100000001"), std::nullopt},
      {Frame("0x201", "2", "N", ""), std::nullopt},
      {With(Frame("0x201", "8"), 16, "1799"), std::nullopt},
      {With(Frame("0x201", "8"), 16, "1800"), "!! Byte8 must be between 0 and 1799 or None"},
      {With(Frame("0x201", "3"), 12, "1800"), std::nullopt},  // Byte4 beyond the Dimension
      {With(Frame("0x201", "3"), 11, "x"), "!! Byte3 must be between 0 and 1799 or None"},
      {With(Frame("0x201", "2"), 9, "None"), std::nullopt},
      {With(With(Frame(), 5, "N"), 6, "N"), std::nullopt},  // no way of sending ticked
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Row[1] + " / " + c.Row[3] + " / " + c.Row[6] + " / " + c.Row[7]);
    Clear_Table(grid_, Frame_Table());
    grid_.Set_Row(1, c.Row);
    std::optional<std::string> expected;
    if (c.Expected) expected = "Error row 1" + *c.Expected;
    EXPECT_EQ(editor_.Check_Message(), expected);
  }
}

TEST_F(TransmitCANTest, TheCompilerReadsTheSavedRowsAfterTheReceivedOnes) {
  Write_File(Path_CAN_Rec_Frames, "<Receive_Frames><row COBID=\"5\" Dim=\"1\"/></Receive_Frames>");
  grid_.Set_Row(1, With(Frame("0x201", "2", "Y", "250"), 5, "Y"));
  grid_.Set_Row(2, With(Frame("0x202"), 1, "N"));
  TRow wide = With(Frame("0x1ABCDEF", "1", "N", "9"), 3, "");
  wide[5] = "N";
  wide[8] = "1799";
  grid_.Set_Row(3, wide);
  ASSERT_TRUE(editor_.Save_On_OK());

  Compile_Configuration();
  EXPECT_EQ(Par_Gen_Block.CAN_Entry_Count, 3u);
  const TCAN_Frame_Entry& a = CAN_Frame_Table[1];
  EXPECT_EQ(a.Frame_COB_ID, 0x201u);
  EXPECT_EQ(a.Frame_Flags,
            Frame_Flag_Transmit | Frame_Flag_On_Change | Frame_Flag_On_Command | Frame_Flag_On_Timer);
  EXPECT_EQ(a.Frame_Cycle_Time, 250u);
  EXPECT_EQ(a.Frame_Length, 2);
  EXPECT_EQ(a.Frame_Byte_Pos[0], 20);
  EXPECT_EQ(a.Frame_Byte_Pos[1], 21);
  const TCAN_Frame_Entry& b = CAN_Frame_Table[2];
  EXPECT_EQ(b.Frame_COB_ID, 0x1ABCDEFu | Frame_COB_ID_29_Bit);
  EXPECT_EQ(b.Frame_Flags, Frame_Flag_Transmit);
  EXPECT_EQ(b.Frame_Byte_Pos[0], 1799);
  EXPECT_EQ(b.Frame_Byte_Pos[1], Frame_No_Position);
}

}  // namespace
