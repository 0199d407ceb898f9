#include "tables/network/UBACnetSlaveSetAccess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "framework/controls/Dialogs.h"
#include "framework/os/Files.h"
#include "tests/support/Responder.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

using TRow = std::vector<std::string>;

// Data Type, Eng. Unit, Position, Start Bit, Length, Swap, Mnemonic.
TRow Object(const std::string& Type = "Analog Value", const std::string& Position = "0",
            const std::string& Length = "4") {
  return {Type, "62", Position, "", Length, "N", "TEMP_1"};
}

std::string BACnet_File(const std::vector<TFile_Row>& Read, const std::vector<TFile_Row>& Write) {
  return Build_Table_File("BACnet_to_Modbus", "SW_VERSION = 1.000",
                          {{"BACnet_in_Read", Read}, {"BACnet_in_Write", Write}});
}

class BACnetSlaveTest : public TableEditorTest {
 protected:
  void SetUp() override {
    TableEditorTest::SetUp();
    editor_.Set_Grid(BACnet_Read_Grid, &read_);
    editor_.Set_Grid(BACnet_Write_Grid, &write_);
    // The grids take the row count of the show, as the form's grids do.
    editor_.Set_Row_Count = [this](int Rows) {
      row_counts_.push_back(Rows);
      Resize(read_, Rows);
      Resize(write_, Rows);
    };
    Clear();
  }
  // A grid keeps the cells of the rows it keeps.
  static void Resize(TTable_Memory_Grid& Grid, int Row_Count) {
    TTable_Memory_Grid resized(Row_Count - 1, BACnet_Col_Count);
    resized.Set_Data_Check_Box_Column(BACnet_Col_Swap);
    for (int r = 0; r < std::min(Row_Count, Grid.RowCount()); ++r)
      for (int c = 0; c < BACnet_Col_Count; ++c) resized.SetCellEx(c, r, Grid.GetCellEx(c, r));
    Grid = resized;
  }
  void Clear() {
    Clear_Table(read_, Format(0));
    Clear_Table(write_, Format(1));
  }
  const TTable_Grid_Format& Format(int Grid) const {
    return BACnet_Slave_File.Grids[static_cast<std::size_t>(Grid)];
  }
  TFile_Row Row(const TRow& Values) const { return File_Row(Format(0), Values); }
  std::optional<std::string> Check() { return editor_.Check_Message(); }
  std::string Error_Row(int Row, int Id, const std::string& Tail = "") const {
    return Text(2532) + std::to_string(Row) + Text(Id) + Tail;
  }
  void Write_ParGen(const std::string& Children) {
    Write_File(Path_ParGen, "<ParGen>" + Children + "</ParGen><!--SW_VERSION = 1.000-->");
  }

  TBACnetSlave_Tables editor_;
  TTable_Memory_Grid read_ = Memory_Grid_For(BACnet_Slave_File.Grids[0]);
  TTable_Memory_Grid write_ = Memory_Grid_For(BACnet_Slave_File.Grids[1]);
  std::vector<int> row_counts_;
};

TEST_F(BACnetSlaveTest, TheFileGoesThroughTheTablesByteForByte) {
  TRow odd = {"Binary Input", "$FF", "1499", "7", "", "", "a < b & \"c\" \xC3\xA9 "};
  TRow foreign = {" Other ", "", "x", "", "-3", "Y", ""};
  const std::string file = BACnet_File({Row(Object()), Row(odd)}, {Row(foreign)});
  Write_File(Path_BACnet_Slave, file);
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(row_counts_, std::vector<int>{2001});
  EXPECT_EQ(read_.Row_Values(2), odd);
  EXPECT_EQ(write_.Row_Values(1), foreign);
  EXPECT_EQ(read_.GetCellEx(0, 2000), "2000");
  {
    // The foreign type and the odd Position do not pass the check; the
    // file goes back whole all the same when saved without it.
    std::vector<const TTable_Grid_View*> grids = {&read_, &write_};
    TXMLDocument doc;
    Save_Table_File(doc, Path_BACnet_Slave, BACnet_Slave_File, grids);
  }
  EXPECT_EQ(Read_File(Path_BACnet_Slave), file);

  TXMLDocument doc;
  doc.LoadFromFile(Path_BACnet_Slave);
  const TXMLNode row = doc.ChildNodes(0).FindNode("BACnet_in_Write").ChildNodes(0);
  std::vector<std::string> names;
  for (int i = 0; i < row.AttributeCount(); ++i) names.push_back(row.AttributeName(i));
  EXPECT_EQ(names, (std::vector<std::string>{"Data_Type", "Eng_Unit", "Position", "Bit", "Length", "Swap",
                                             "Mnemonic"}));
}

TEST_F(BACnetSlaveTest, SwapDefaultsToNAndEveryOtherAttributeMustBeThere) {
  TFile_Row no_swap = Row(Object());
  no_swap.erase(no_swap.begin() + 5);
  Write_File(Path_BACnet_Slave, BACnet_File({no_swap}, {}));
  editor_.Load_Tables();
  EXPECT_EQ(read_.GetCellEx(BACnet_Col_Swap, 1), "N");
  // A typed row has an empty Swap; both are written as they stand.
  TRow typed = Object("Analog Out", "4");
  typed[BACnet_Col_Swap - 1] = "";
  write_.Set_Row(1, typed);
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_BACnet_Slave), BACnet_File({Row(Object())}, {Row(typed)}));

  for (const char* missing : {"Data_Type", "Eng_Unit", "Position", "Bit", "Length", "Mnemonic"}) {
    SCOPED_TRACE(missing);
    TFile_Row row = Row(Object());
    std::erase_if(row, [&](const auto& a) { return a.first == missing; });
    const std::string file = BACnet_File({Row(Object())}, {Row(Object()), row});
    Write_File(Path_BACnet_Slave, file);
    {
      TDialogResponder r;
      r.AnswerBox(mrOk);
      editor_.Load_Tables();
      ASSERT_EQ(r.Boxes().size(), 1u);
      EXPECT_NE(r.Boxes()[0].Text.find(std::string("row 2 has no attribute \"") + missing + "\""),
                std::string::npos);
      EXPECT_NE(r.Boxes()[0].Text.find("BACnet in Read 1, BACnet in Write 1"), std::string::npos);
    }
    TDialogResponder r;
    r.AnswerBox(mrNo);
    EXPECT_FALSE(editor_.Save_On_OK());
    EXPECT_EQ(Read_File(Path_BACnet_Slave), file);
  }
}

// One cell of a valid row per table changed, and what the check then says
// (0: both pass).
struct TCheck_Case {
  int Grid;
  TRow Row;
  int Text;
  std::string Tail = "";
};

TEST_F(BACnetSlaveTest, CheckMessages) {
  const int rd = BACnet_Read_Grid;
  const int wr = BACnet_Write_Grid;
  auto with = [](TRow Row, int Col, const std::string& Value) {
    Row[static_cast<std::size_t>(Col - 1)] = Value;
    return Row;
  };
  const std::vector<TCheck_Case> cases = {
      {rd, with(Object(), BACnet_Col_Eng_Unit, "65535"), 0},
      {rd, with(Object(), BACnet_Col_Eng_Unit, "$FF"), 0},
      {rd, with(Object(), BACnet_Col_Eng_Unit, "65536"), 2533},
      {rd, with(Object(), BACnet_Col_Eng_Unit, ""), 2533},
      {wr, with(Object(), BACnet_Col_Eng_Unit, "-1"), 2547},
      {rd, with(Object(), BACnet_Col_Position, "1500"), 2534, "1499"},
      {wr, with(Object(), BACnet_Col_Position, ""), 2548, "1499"},
      // The last byte must lie in the area.
      {rd, Object("Analog Input", "1497", "4"), 2546},
      {rd, Object("Analog Input", "1496", "4"), 0},
      {wr, Object("Analog Out", "1499", "2"), 2558},
      {rd, Object("Analog Input", "0", "5"), 2535},
      {rd, Object("Analog Input", "0", ""), 2535},
      {wr, Object("Analog Out", "0", "0"), 2549},
      {rd, Object("Analog Value", "0", "5"), 2538},
      {wr, Object("Analog Value", "0", "5"), 2550},
      {rd, Object("Positive Integer Value", "0", "5"), 2536},
      {wr, Object("Positive Integer Value", "0", "5"), 2551},
      {rd, Object("Large Analog Value", "0", "9"), 2537},
      {wr, Object("Large Analog Value", "0", "8"), 0},
      {wr, Object("Large Analog Value", "0", "9"), 2552},
      // No Length rule for Integer Value in the read table.
      {rd, Object("Integer Value", "0", "7"), 0},
      {wr, Object("Integer Value", "0", "7"), 2553},
      {rd, Object("Multi State Input", "0", "5"), 2539},
      {wr, Object("Multi State Output", "0", "5"), 2554},
      {rd, Object("Multi State Value", "0", "5"), 2540},
      {wr, Object("Multi State Value", "0", "5"), 2555},
      {rd, Object("Life Safety Point", "0", "2"), 0},
      {rd, Object("Life Safety Point", "0", "3"), 2541},
      {rd, Object("Life Safety Zone", "0", "0"), 2542},
      {rd, Object("Access Door", "0", "2"), 2543},
      {wr, Object("Access Door", "0", "2"), 2556},
      {rd, Object("Accumulator", "0", "5"), 2544},
      // Binary types take one bit of the byte at Position.
      {rd, with(Object("Binary Input", "1499", ""), BACnet_Col_Bit, "7"), 0},
      {rd, Object("Binary Input", "1499", ""), 2545},
      {wr, with(Object("Binary Out", "0", ""), BACnet_Col_Bit, "8"), 2557},
      {rd, with(Object("Binary Value", "0", ""), BACnet_Col_Bit, "-1"), 2545},
      {wr, with(Object("Binary Value", "0", "99"), BACnet_Col_Bit, "0"), 0},
      // A type of the other table, or any other text, has no rule here; its
      // Length still counts.
      {rd, Object("Analog Out", "0", "99"), 0},
      {wr, Object("Binary Input", "1499", "2"), 2558},
      {rd, Object("analog input", "0", "9"), 0},
      {rd, with(Object(), BACnet_Col_Mnemonic, ""), 0},
  };
  for (const TCheck_Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.Grid) + ": " + c.Row[0] + " / " + c.Row[2] + " / " + c.Row[4]);
    Clear();
    read_.Set_Row(1, Object());
    write_.Set_Row(1, Object());
    (c.Grid == rd ? read_ : write_).Set_Row(1, c.Row);
    if (c.Text == 0)
      EXPECT_EQ(Check(), std::nullopt);
    else
      EXPECT_EQ(Check(), Error_Row(1, c.Text, c.Tail));
  }
}

// A Mnemonic is a field of the EDE file: ";" or a line break in it would
// shift the columns of its line or start a new one.
TEST_F(BACnetSlaveTest, AMnemonicThatWouldBreakTheEDEFileIsRefused) {
  const std::string refusal =
      "Mnemonic must not hold \";\", a line break or another control character: the EDE file could not keep "
      "it in its column";
  for (const char* mnemonic : {"TEMP;1", "TEMP\r\n1", "TEMP\n", "\tTEMP", ";"}) {
    SCOPED_TRACE(mnemonic);
    Clear();
    read_.Set_Row(1, Object());
    write_.Set_Row(1, Object());
    write_.Set_Row(2, Object("Analog Out", "4"));
    write_.SetCellEx(BACnet_Col_Mnemonic, 2, mnemonic);
    EXPECT_EQ(Check(), Text(2532) + "2!! [BACnet in Write] " + refusal);
  }
  for (const char* mnemonic : {"TEMP,1", "Temp \"a\" \xC3\xA9", " TEMP 1 "}) {
    read_.SetCellEx(BACnet_Col_Mnemonic, 1, mnemonic);
    write_.SetCellEx(BACnet_Col_Mnemonic, 2, mnemonic);
    EXPECT_EQ(Check(), std::nullopt) << mnemonic;
  }
}

TEST_F(BACnetSlaveTest, TheDescriptionLimitSetsTheTableSizeAndTheObjectCount) {
  for (int r = 1; r <= 600; ++r) read_.Set_Row(r, Object());
  for (int r = 1; r <= 500; ++r) write_.Set_Row(r, Object());
  EXPECT_EQ(Check(), std::nullopt);

  // Long names: 1000 rows per table and 1000 objects in all.
  Write_ParGen("<BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>");
  const std::string file = BACnet_File(std::vector<TFile_Row>(600, Row(Object())),
                                       std::vector<TFile_Row>(500, Row(Object("Analog Out"))));
  Write_File(Path_BACnet_Slave, file);
  editor_.Load_Tables();
  EXPECT_TRUE(editor_.Desc_Lenght);
  EXPECT_EQ(editor_.Table_Rows(), 1000);
  EXPECT_EQ(row_counts_.back(), 1001);
  EXPECT_EQ(read_.GetCellEx(0, 1000), "1000");
  EXPECT_EQ(Check(), Text(2559) + "1000");
  TDialogResponder r;
  r.AnswerBox(mrOk);
  EXPECT_FALSE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_BACnet_Slave), file);

  // Back to 2000 at the next show: every row of the larger tables is clear.
  Write_ParGen("<BACnet_Desc_Chars_Limit>0</BACnet_Desc_Chars_Limit>");
  DeleteFile(Path_BACnet_Slave);
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Desc_Lenght);
  EXPECT_EQ(row_counts_.back(), 2001);
  EXPECT_EQ(read_.GetCellEx(0, 2000), "2000");
  EXPECT_EQ(read_.Row_Values(1), TRow(7, ""));
}

TEST_F(BACnetSlaveTest, AFileLongerThanTheTableIsReportedAndOKAsks) {
  Write_ParGen("<BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>");
  const std::string file = BACnet_File(std::vector<TFile_Row>(1001, Row(Object())), {});
  Write_File(Path_BACnet_Slave, file);
  {
    TDialogResponder r;
    r.AnswerBox(mrOk);
    editor_.Load_Tables();
    ASSERT_EQ(r.Boxes().size(), 1u);
    EXPECT_NE(r.Boxes()[0].Text.find("more than 1000 rows"), std::string::npos);
  }
  EXPECT_EQ(Table_Length(read_, editor_.File().Grids[0]), 1000);
  TDialogResponder r;
  r.AnswerBox(mrNo);
  EXPECT_FALSE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_BACnet_Slave), file);
}

TEST_F(BACnetSlaveTest, OnlyTheTextOneInParGenGivesLongNames) {
  const struct {
    const char* ParGen;
    bool Long_Names;
  } cases[] = {
      {nullptr, false},
      {"<ParGen/>", false},
      {"<ParGen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></ParGen>", true},
      {"<ParGen><BACnet_Desc_Chars_Limit> 1</BACnet_Desc_Chars_Limit></ParGen>", false},
      {"<ParGen><BACnet_Desc_Chars_Limit>0x1</BACnet_Desc_Chars_Limit></ParGen>", false},
      {"<ParGen><Other><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Other></ParGen>", false},
      {"<ParGen><BACnet_Desc_Chars_Limit>1</ParGen>", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ParGen ? c.ParGen : "no file");
    DeleteFile(Path_ParGen);
    if (c.ParGen) Write_File(Path_ParGen, c.ParGen);
    EXPECT_EQ(Read_Desc_Lenght(Path_ParGen), c.Long_Names);
    TDialogResponder r;  // no box
    editor_.Load_Tables();
    EXPECT_EQ(editor_.Desc_Lenght, c.Long_Names);
  }
}

TEST_F(BACnetSlaveTest, ChoosingAWriteTypeSetsItsLength) {
  const struct {
    const char* Chosen;
    const char* Length;
  } cases[] = {
      {"Analog Out", "4"},
      {"Analog Value", "4"},
      {"Binary Out", "1"},
      {"Binary Value", "1"},
      {"Positive Integer Value", "4"},
      {"Large Analog Value", "8"},
      {"Integer Value", "4"},
      {"Multi State Output", "4"},
      {"Multi State Value", "4"},
      {"Access Door", "1"},
      {"access door", "1"},
      {"Analog Input", "7"},
      {"Accumulator", "7"},
      {"", "7"},
  };
  for (const auto& c : cases) {
    write_.SetCellEx(BACnet_Col_Length, 3, "7");
    Set_Write_Type_Length(write_, BACnet_Col_Data_Type, 3, c.Chosen);
    EXPECT_EQ(write_.GetCellEx(BACnet_Col_Length, 3), c.Length) << c.Chosen;
  }
  // A choice in the Start Bit list is no type.
  EXPECT_FALSE(Set_Write_Type_Length(write_, BACnet_Col_Bit, 3, "Access Door"));
  EXPECT_EQ(write_.GetCellEx(BACnet_Col_Length, 3), "7");
  // Every item of the write list has a Length.
  for (const std::string& type : BACnet_Write_Data_Types) EXPECT_TRUE(BACnet_Write_Type_Length(type)) << type;
  EXPECT_EQ(BACnet_Read_Data_Types.size(), 13u);
  EXPECT_EQ(BACnet_Write_Data_Types.size(), 10u);
}

TEST_F(BACnetSlaveTest, TheUnitPickerOpensOnTheEngUnitCellOfADataRow) {
  read_.SetCellEx(BACnet_Col_Eng_Unit, 4, "62");
  std::vector<std::pair<std::string, std::string>> opened;
  auto picker = [&](std::optional<std::string> Answer) {
    return [&opened, Answer](const std::string& Edit, const std::string& Label) {
      opened.emplace_back(Edit, Label);
      return Answer;
    };
  };
  // Cancel leaves the cell.
  EXPECT_FALSE(Pick_Eng_Unit(read_, BACnet_Col_Eng_Unit, 4, picker(std::nullopt)));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], std::make_pair(std::string("62"), std::string("-> degrees-Celsius")));
  EXPECT_EQ(read_.GetCellEx(BACnet_Col_Eng_Unit, 4), "62");
  // OK takes whatever the edit holds; a code without a name shows "unknown".
  EXPECT_TRUE(Pick_Eng_Unit(read_, BACnet_Col_Eng_Unit, 4, picker("999")));
  EXPECT_EQ(read_.GetCellEx(BACnet_Col_Eng_Unit, 4), "999");
  Pick_Eng_Unit(read_, BACnet_Col_Eng_Unit, 4, picker(std::nullopt));
  EXPECT_EQ(opened[2], std::make_pair(std::string("999"), std::string("-> unknown")));
  // An empty or non-numeric unit shows "unknown"; a hexadecimal one its name.
  read_.SetCellEx(BACnet_Col_Eng_Unit, 5, "$3E");
  Pick_Eng_Unit(read_, BACnet_Col_Eng_Unit, 5, picker(std::nullopt));
  EXPECT_EQ(opened[3].second, "-> degrees-Celsius");
  Pick_Eng_Unit(read_, BACnet_Col_Eng_Unit, 6, picker(std::nullopt));
  EXPECT_EQ(opened[4], std::make_pair(std::string(""), std::string("-> unknown")));
  // The header row and other columns open no picker.
  EXPECT_FALSE(Pick_Eng_Unit(read_, BACnet_Col_Eng_Unit, 0, picker("1")));
  EXPECT_FALSE(Pick_Eng_Unit(read_, BACnet_Col_Position, 4, picker("1")));
  EXPECT_EQ(opened.size(), 5u);
}

TEST_F(BACnetSlaveTest, EmptyTablesAndRowsAfterTheFirstEmptyDataType) {
  // A first row without Data Type: nothing checked, empty sections saved.
  write_.Set_Row(1, {"", "", "", "", "", "N", ""});
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_BACnet_Slave), BACnet_File({}, {}));
  // A blank Data Type above rows with values refuses OK, naming the row.
  read_.Set_Row(1, Object());
  read_.Set_Row(3, Object());
  read_.SetCellEx(BACnet_Col_Data_Type, 2, "  ");
  EXPECT_EQ(Check(),
            Text(2532) +
                "2!! [BACnet in Read] Data Type is empty, but this row or rows below it hold values, "
                "which would not be saved: fill it or delete the row");
}

TEST_F(BACnetSlaveTest, RowCommandsKeepTheirTable) {
  read_.Set_Row(1, Object());
  TDialogResponder r;
  editor_.Copy_Row(BACnet_Read_Grid, 1);
  EXPECT_TRUE(editor_.Do_Copy_Read());
  r.AnswerBox(mrOk);
  EXPECT_FALSE(editor_.Paste_Row(BACnet_Write_Grid, 1));
  EXPECT_EQ(r.Boxes().at(0).Text, Text(1102));
  r.AnswerBox(mrYes);
  EXPECT_TRUE(editor_.Delete_Row(BACnet_Read_Grid, 1));
  EXPECT_EQ(r.Boxes().at(1).Text, Text(2560) + "1");
  EXPECT_TRUE(editor_.Insert_Row(BACnet_Read_Grid, 1));
  EXPECT_EQ(read_.Row_Values(1), TRow(7, ""));
}

}  // namespace
