#include "tables/plc/USet_PDO_Access.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/controls/Dialogs.h"
#include "tests/support/Responder.h"
#include "tests/tables/plc/CANopenTableSupport.h"

namespace {

// COB-ID, Dimension, Add B1..B8, TimeOut, Mnemonic.
TRow Receive(const std::string& COB_ID = "0x181", const std::string& Dimension = "2") {
  return {COB_ID, Dimension, "10", "11", "", "", "", "", "", "", "500", "speed"};
}
// COB-ID, Dimension, Add B1..B8, Send Time, On Change, Mnemonic.
TRow Transmit(const std::string& COB_ID = "0x201", const std::string& Dimension = "3") {
  return {COB_ID, Dimension, "0", "1", "1499", "", "", "", "", "", "100", "Y", "setpoint"};
}

using PDOAccessTest = CANopenTableTest<TSet_PDO_Access_Tables>;

TEST_F(PDOAccessTest, TheFileGoesThroughTheTablesByteForByte) {
  // Bytes beyond the Dimension keep what they hold; On Change may be empty;
  // texts that XML escapes come back as they were.
  TRow odd = Receive("385", "1");
  odd[3] = "junk";
  odd[11] = "a < b & \"c\" \xC3\xA9";
  TRow untouched = Transmit();
  untouched[11] = "";
  TRow off = {"$7FF", "8", "0", "1", "2", "3", "4", "5", "6", "0x5DB", "0", "N", ""};
  const std::string file = Build_Table_File(
      "PDO_CANopen", "SW_VERSION = 1.000",
      {{"Receive_PDO", {File_Row(Format(0), Receive()), File_Row(Format(0), odd)}},
       {"Transmit_PDO",
        {File_Row(Format(1), Transmit()), File_Row(Format(1), untouched), File_Row(Format(1), off)}}});
  Write_File(Path_PDO_CANopen, file);

  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(first_.Row_Values(2), odd);
  EXPECT_EQ(second_.Row_Values(3), off);
  EXPECT_EQ(first_.GetCellEx(0, 30), "30");
  EXPECT_EQ(first_.Row_Values(3), TRow(12, ""));
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_PDO_CANopen), file);

  EXPECT_EQ(First_Row_Attributes(Path_PDO_CANopen, "Receive_PDO"),
            (std::vector<std::string>{"COB-ID", "Dimension", "Address_B1", "Address_B2", "Address_B3",
                                      "Address_B4", "Address_B5", "Address_B6", "Address_B7", "Address_B8",
                                      "TimeOut", "Mnemonic"}));
  EXPECT_EQ(First_Row_Attributes(Path_PDO_CANopen, "Transmit_PDO"),
            (std::vector<std::string>{"COB-ID", "Dimension", "Address_B1", "Address_B2", "Address_B3",
                                      "Address_B4", "Address_B5", "Address_B6", "Address_B7", "Address_B8",
                                      "Send_Time", "On_Change", "Mnemonic"}));
}

TEST_F(PDOAccessTest, WithoutAFileTheTablesAreEmptyAndOKWritesEmptySections) {
  first_.Set_Row(5, Receive());
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(first_.Row_Values(5), TRow(12, ""));
  EXPECT_EQ(first_.GetCellEx(0, 5), "5");
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_PDO_CANopen), Build_Table_File("PDO_CANopen", "SW_VERSION = 1.000",
                                                          {{"Receive_PDO", {}}, {"Transmit_PDO", {}}}));
}

TEST_F(PDOAccessTest, CheckMessages) {
  const int rx = PDO_Receive_Grid;
  const int tx = PDO_Transmit_Grid;
  Run_Check_Cases(1968, Receive(), Transmit(),
                  {
                      {rx, PDO_Col_COB_ID, "0x7FF", 0},
                      {rx, PDO_Col_COB_ID, "$7FF", 0},
                      {rx, PDO_Col_COB_ID, "0", 0},
                      {rx, PDO_Col_COB_ID, "2048", 1969},
                      {rx, PDO_Col_COB_ID, "abc", 1969},
                      {rx, PDO_Col_COB_ID, "0x181 ", 1969},
                      {rx, PDO_Col_Dimension, "0", 1970},
                      {rx, PDO_Col_Dimension, "9", 1970},
                      {rx, PDO_Col_Dimension, "", 1970},
                      {rx, PDO_Col_Address_B1, "1499", 0},
                      {rx, PDO_Col_Address_B1, "1500", 1971, "1499"},
                      {rx, PDO_Col_Address_B1 + 1, "-1", 1972, "1499"},
                      {rx, PDO_Col_Address_B1 + 2, "junk", 0},     // beyond the Dimension
                      {rx, PDO_Col_Dimension, "3", 1973, "1499"},  // byte 3 is empty
                      {rx, PDO_Col_TimeOut, "65535", 0},
                      {rx, PDO_Col_TimeOut, "65536", 1979},
                      {rx, PDO_Col_TimeOut, "", 1979},
                      {rx, 12, "", 0},  // the Mnemonic is not checked
                      {tx, PDO_Col_COB_ID, "2048", 1980},
                      {tx, PDO_Col_Dimension, "9", 1981},
                      {tx, PDO_Col_Address_B1 + 2, "1500", 1984, "1499"},
                      {tx, PDO_Col_Address_B1 + 7, "x", 0},
                      {tx, PDO_Col_Dimension, "8", 1985, "1499"},
                      {tx, PDO_Col_Send_Time, "100000000", 0},
                      {tx, PDO_Col_Send_Time, "100000001", 1990},
                      {tx, PDO_Col_On_Change, "", 0},
                  });
}

TEST_F(PDOAccessTest, EveryRowUpToTheFirstEmptyCOBIDIsCheckedReceiveTableFirst) {
  // No Enable column: no row is skipped.
  for (int r = 1; r <= 3; ++r) first_.Set_Row(r, Receive(std::to_string(0x180 + r)));
  first_.SetCellEx(PDO_Col_TimeOut, 3, "70000");
  second_.Set_Row(1, Transmit("4096"));
  EXPECT_EQ(Check(), Error_Row(1968, 3, 1979));
  first_.SetCellEx(PDO_Col_TimeOut, 3, "0");
  EXPECT_EQ(Check(), Error_Row(1968, 1, 1980));
  second_.SetCellEx(PDO_Col_COB_ID, 1, "0x201");
  EXPECT_EQ(Check(), std::nullopt);

  // An empty COB-ID in row 1 of both tables passes and saves empty sections;
  // one above rows that hold values refuses OK, naming the row.
  first_.SetCellEx(PDO_Col_COB_ID, 2, " ");
  EXPECT_EQ(Check(), Text(1968) +
                         "2!! [Receive PDO] COB-ID is empty, but this row or rows below it hold values, "
                         "which would not be saved: fill it or delete the row");
  Clear();
  EXPECT_EQ(Check(), std::nullopt);
}

TEST_F(PDOAccessTest, AFileWithMoreRowsThanTheTableOrARowWithoutAnAttributeIsReported) {
  const TFile_Row row = File_Row(Format(0), Receive());
  TFile_Row no_mnemonic = File_Row(Format(1), Transmit());
  no_mnemonic.pop_back();
  struct Case {
    const char* Name;
    std::string File;
    std::vector<std::string> In_Message;
    int Receive_Rows;
  };
  const std::vector<Case> cases = {
      {"31 receive PDOs",
       Build_Table_File("PDO_CANopen", "SW_VERSION = 1.000",
                        {{"Receive_PDO", std::vector<TFile_Row>(31, row)}, {"Transmit_PDO", {}}}),
       {"more than 30 rows", "Receive PDO 30, Transmit PDO 0"},
       30},
      // No attribute has a default here.
      {"a transmit PDO without its Mnemonic",
       Build_Table_File("PDO_CANopen", "SW_VERSION = 1.000",
                        {{"Receive_PDO", {row}}, {"Transmit_PDO", {no_mnemonic}}}),
       {"row 1 has no attribute \"Mnemonic\"", "Receive PDO 1, Transmit PDO 0"},
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Write_File(Path_PDO_CANopen, c.File);
    {
      TDialogResponder r;
      r.AnswerBox(mrOk);
      editor_.Load_Tables();
      ASSERT_EQ(r.Boxes().size(), 1u);
      for (const std::string& part : c.In_Message) EXPECT_NE(r.Boxes()[0].Text.find(part), std::string::npos);
    }
    EXPECT_EQ(Table_Length(first_, Format(0)), c.Receive_Rows);
    EXPECT_EQ(Table_Length(second_, Format(1)), 0);
    TDialogResponder r;
    r.AnswerBox(mrNo);
    EXPECT_FALSE(editor_.Save_On_OK());
    EXPECT_EQ(Read_File(Path_PDO_CANopen), c.File);
  }
}

TEST_F(PDOAccessTest, RowCommandsWorkOnTheirOwnTable) {
  for (int r = 1; r <= PDO_Table_Rows; ++r) first_.Set_Row(r, Receive(std::to_string(r)));
  TDialogResponder r;
  // Inserting drops the last row off a full table: asked first.
  r.AnswerBox(mrNo);
  EXPECT_FALSE(editor_.Insert_Row(PDO_Receive_Grid, 30));
  EXPECT_EQ(first_.GetCellEx(PDO_Col_COB_ID, 30), "30");
  // Delete asks with the editor's text and the row; the last row is cleared.
  r.AnswerBox(mrYes);
  EXPECT_TRUE(editor_.Delete_Row(PDO_Receive_Grid, 30));
  EXPECT_EQ(r.Boxes().at(1).Text, Text(1991) + "30");
  EXPECT_EQ(first_.Row_Values(30), TRow(12, ""));
  EXPECT_EQ(first_.GetCellEx(0, 30), "30");
  // Insert presets nothing: the new row is empty.
  EXPECT_TRUE(editor_.Insert_Row(PDO_Receive_Grid, 1));
  EXPECT_EQ(first_.Row_Values(1), TRow(12, ""));
  EXPECT_EQ(first_.GetCellEx(PDO_Col_COB_ID, 30), "29");

  // A row copied in one table pastes only into that table.
  editor_.Copy_Row(PDO_Receive_Grid, 2);
  EXPECT_TRUE(editor_.Do_Copy_Receive_PDO());
  r.AnswerBox(mrOk);
  EXPECT_FALSE(editor_.Paste_Row(PDO_Transmit_Grid, 1));
  EXPECT_EQ(r.Boxes().at(2).Text, Text(1102));
  EXPECT_EQ(second_.Row_Values(1), TRow(13, ""));
  EXPECT_TRUE(editor_.Paste_Row(PDO_Receive_Grid, 1));
  EXPECT_EQ(first_.Row_Values(1), first_.Row_Values(2));
  editor_.Copy_Row(PDO_Transmit_Grid, 5);
  EXPECT_FALSE(editor_.Do_Copy_Receive_PDO());
  EXPECT_TRUE(editor_.Do_Copy_Transmit_PDO());
}

}  // namespace
