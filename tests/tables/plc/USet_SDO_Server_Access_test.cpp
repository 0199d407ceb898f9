#include "tables/plc/USet_SDO_Server_Access.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/tables/plc/CANopenTableSupport.h"

namespace {

// Index, SubIndex, N Byte, Add Byte1..4, Mnemonic.
TRow Object(const std::string& Index = "0x2000", const std::string& NByte = "4") {
  return {Index, "1", NByte, "0", "1", "2", "3", "counter"};
}

using SDOServerTest = CANopenTableTest<TSet_SDO_Server_Access_Tables>;

TEST_F(SDOServerTest, TheFileGoesThroughTheTablesByteForByte) {
  // With N Byte 1, bytes 2 to 4 are saved as they stand; the same object may
  // stand in both tables.
  TRow one = Object("$5FFF", "1");
  one[4] = "x";
  one[6] = "";
  const std::string file =
      Build_Table_File("SDO_Server_CANopen", "SW_VERSION = 1.000",
                       {{"SDO_Read", {File_Row(Format(0), Object()), File_Row(Format(0), one)}},
                        {"SDO_Write", {File_Row(Format(1), Object())}}});
  Write_File(Path_SDO_Server_CANopen, file);

  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(first_.Row_Values(2), one);
  EXPECT_EQ(second_.GetCellEx(0, 500), "500");
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_SDO_Server_CANopen), file);

  const std::vector<std::string> names = {"Index",      "SubIndex",   "NByte",      "Address_B1",
                                          "Address_B2", "Address_B3", "Address_B4", "Mnemonic"};
  EXPECT_EQ(First_Row_Attributes(Path_SDO_Server_CANopen, "SDO_Read"), names);
  EXPECT_EQ(First_Row_Attributes(Path_SDO_Server_CANopen, "SDO_Write"), names);
}

TEST_F(SDOServerTest, CheckMessages) {
  const int rd = SDO_Server_Read_Grid;
  const int wr = SDO_Server_Write_Grid;
  const int b1 = SDO_Server_Col_Address_B1;
  Run_Check_Cases(2150, Object(), Object(),
                  {
                      {rd, SDO_Server_Col_Index, "0x1FFF", 2151},
                      {rd, SDO_Server_Col_Index, "0x6000", 2151},
                      {rd, SDO_Server_Col_Index, "8192", 0},
                      {rd, SDO_Server_Col_Index, "$5FFF", 0},
                      {rd, SDO_Server_Col_SubIndex, "0xFF", 0},
                      {rd, SDO_Server_Col_SubIndex, "0x100", 2152},
                      {rd, SDO_Server_Col_NByte, "8", 2153},
                      {rd, b1, "1500", 2154, "1499"},
                      {rd, b1 + 2, "", 2156, "1499"},
                      {rd, SDO_Server_Col_Mnemonic, "", 0},
                      {wr, SDO_Server_Col_Index, "0x1FFF", 2158},
                      {wr, SDO_Server_Col_SubIndex, "x", 2159},
                      {wr, SDO_Server_Col_NByte, "0", 2160},
                      {wr, b1 + 3, "1500", 2164, "1499"},
                  });
  // N Byte 2: bytes 3 and 4 are not looked at.
  Clear();
  first_.Set_Row(1, {"0x2000", "0", "2", "1499", "0", "junk", "", ""});
  EXPECT_EQ(Check(), std::nullopt);
}

TEST_F(SDOServerTest, AnEmptyReadTableLeavesTheWriteTableCheckedAndSaved) {
  second_.Set_Row(1, Object());
  second_.Set_Row(2, Object("0x2100", "2"));
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(
      Read_File(Path_SDO_Server_CANopen),
      Build_Table_File(
          "SDO_Server_CANopen", "SW_VERSION = 1.000",
          {{"SDO_Read", {}},
           {"SDO_Write", {File_Row(Format(1), Object()), File_Row(Format(1), Object("0x2100", "2"))}}}));
  second_.SetCellEx(SDO_Server_Col_Index, 2, "0x6000");
  EXPECT_EQ(Check(), Error_Row(2150, 2, 2158));
}

}  // namespace
