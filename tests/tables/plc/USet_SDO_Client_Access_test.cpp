#include "tables/plc/USet_SDO_Client_Access.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/tables/plc/CANopenTableSupport.h"

namespace {

// ID Device, Index, SubIndex, N Byte, Poll Time, Add Byte1..4, Mnemonic.
TRow Read(const std::string& NByte = "2") {
  return {"5", "0x6000", "1", NByte, "100", "0", "1", "", "", "level"};
}
// ID Device, Index, SubIndex, N Byte, Poll Time, On Change, Add Byte1..4,
// Mnemonic.
TRow Write(const std::string& NByte = "4") {
  return {"127", "$FFFF", "255", NByte, "0", "Y", "10", "11", "12", "1499", "valve"};
}

using SDOClientTest = CANopenTableTest<TSet_SDO_Client_Access_Tables>;

TEST_F(SDOClientTest, TheFileGoesThroughTheTablesByteForByte) {
  // With N Byte 2, bytes 3 and 4 are saved as they stand.
  TRow two = Read("2");
  two[7] = "any";
  two[8] = "text";
  TRow untouched = Write("1");
  untouched[5] = "";
  const std::string file =
      Build_Table_File("SDO_Client_CANopen", "SW_VERSION = 1.000",
                       {{"SDO_Read", {File_Row(Format(0), Read()), File_Row(Format(0), two)}},
                        {"SDO_Write", {File_Row(Format(1), Write()), File_Row(Format(1), untouched)}}});
  Write_File(Path_SDO_Client_CANopen, file);

  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(first_.Row_Values(2), two);
  EXPECT_EQ(second_.Row_Values(2), untouched);
  EXPECT_EQ(first_.GetCellEx(0, 256), "256");
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_SDO_Client_CANopen), file);

  EXPECT_EQ(First_Row_Attributes(Path_SDO_Client_CANopen, "SDO_Read"),
            (std::vector<std::string>{"Device_ID", "Index", "SubIndex", "NByte", "Poll_Time", "Address_B1",
                                      "Address_B2", "Address_B3", "Address_B4", "Mnemonic"}));
  EXPECT_EQ(First_Row_Attributes(Path_SDO_Client_CANopen, "SDO_Write"),
            (std::vector<std::string>{"Device_ID", "Index", "SubIndex", "NByte", "Poll_Time", "On_Change",
                                      "Address_B1", "Address_B2", "Address_B3", "Address_B4", "Mnemonic"}));
}

TEST_F(SDOClientTest, CheckMessages) {
  const int rd = SDO_Read_Grid;
  const int wr = SDO_Write_Grid;
  const int rb1 = SDO_Client_Read_Col_Address_B1;
  const int wb1 = SDO_Client_Write_Col_Address_B1;
  Run_Check_Cases(2060, Read(), Write(),
                  {
                      {rd, SDO_Client_Col_Device_ID, "1", 0},
                      {rd, SDO_Client_Col_Device_ID, "0", 2061},
                      {rd, SDO_Client_Col_Device_ID, "128", 2061},
                      {rd, SDO_Client_Col_Index, "0x0FFF", 2062},
                      {rd, SDO_Client_Col_Index, "0x1000", 0},
                      {rd, SDO_Client_Col_Index, "4096", 0},
                      {rd, SDO_Client_Col_Index, "0x10000", 2062},
                      {rd, SDO_Client_Col_SubIndex, "256", 2063},
                      {rd, SDO_Client_Col_NByte, "3", 2064},
                      {rd, SDO_Client_Col_NByte, "", 2064},
                      {rd, SDO_Client_Col_Poll_Time, "0", 2065},
                      {rd, SDO_Client_Col_Poll_Time, "100000000", 0},
                      {rd, SDO_Client_Col_Poll_Time, "100000001", 2065},
                      {rd, rb1, "1500", 2066, "1499"},
                      {rd, rb1 + 1, "", 2067, "1499"},
                      {rd, SDO_Client_Col_NByte, "1", 0},  // only byte 1 is looked at
                      {rd, SDO_Client_Col_NByte, "4", 2068, "1499"},
                      {wr, SDO_Client_Col_Device_ID, "128", 2070},
                      {wr, SDO_Client_Col_Index, "0x0FFF", 2071},
                      {wr, SDO_Client_Col_SubIndex, "-1", 2072},
                      {wr, SDO_Client_Col_NByte, "3", 2073},
                      {wr, SDO_Client_Col_Poll_Time, "0", 0},
                      {wr, SDO_Client_Col_Poll_Time, "-1", 2074},
                      {wr, SDO_Client_Write_Col_On_Change, "", 0},
                      {wr, wb1 + 3, "1500", 2078, "1499"},
                  });
}

TEST_F(SDOClientTest, ARowWithoutItsDeviceEndsTheTable) {
  first_.Set_Row(1, Read());
  // A row with only an Index typed is not checked field by field, and OK
  // refuses to drop it.
  first_.SetCellEx(SDO_Client_Col_Index, 2, "junk");
  first_.SetCellEx(SDO_Client_Col_Device_ID, 2, " ");
  EXPECT_EQ(Check(), Text(2060) +
                         "2!! [SDO Read] ID Device is empty, but this row or rows below it hold values, "
                         "which would not be saved: fill it or delete the row");
  first_.SetCellEx(SDO_Client_Col_Index, 2, "");
  EXPECT_EQ(Check(), std::nullopt);
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_SDO_Client_CANopen),
            Build_Table_File("SDO_Client_CANopen", "SW_VERSION = 1.000",
                             {{"SDO_Read", {File_Row(Format(0), Read())}}, {"SDO_Write", {}}}));
}

}  // namespace
