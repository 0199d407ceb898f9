#include "tables/network/UIEC61850_Variables.h"

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

const TTable_Grid_Format& Variables() { return IEC61850_Variables_File.Grids[0]; }

// Enable, Name, Type, Length, Read Only, Position, Start Bit, Conversion,
// Molt. Factor, Swap, Swap Word, Mnemonic.
TRow Variable(const std::string& Name = "temperature") {
  return {"Y", Name, "Int", "4", "N", "0", "", "None", "None", "N", "N", "boiler"};
}

TRow With(TRow Row, int Col, const std::string& Value) {
  Row[static_cast<std::size_t>(Col - 1)] = Value;
  return Row;
}

class IEC61850Test : public TableEditorTest {
 protected:
  void SetUp() override {
    TableEditorTest::SetUp();
    editor_.Set_Grid(0, &grid_);
    Clear_Table(grid_, Variables());
  }

  TTable_Memory_Grid grid_ = Memory_Grid_For(Variables());
  TIEC61850_Variables_Table editor_;
};

TEST_F(IEC61850Test, TheFileGoesThroughTheTableByteForByte) {
  const TRow bit = With(With(With(Variable("alarm"), 3, "Digital (Bit)"), 7, "3"), 12, "<on> & \"off\"");
  const TRow off = With(With(Variable("spare"), 1, "N"), 4, "junk");
  const std::string file = Build_Table_File(
      "IEC61850_Variables", "SW_VERSION = 1.000",
      {{nullptr,
        {File_Row(Variables(), Variable()), File_Row(Variables(), bit), File_Row(Variables(), off)}}});
  Write_File(Path_IEC61850_Variables, file);
  editor_.Load_Tables();
  EXPECT_EQ(grid_.Row_Values(2), bit);
  EXPECT_EQ(editor_.NByte_IN, 1438);
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_IEC61850_Variables), file);

  TXMLDocument doc;
  doc.LoadFromFile(Path_IEC61850_Variables);
  const TXMLNode row = doc.ChildNodes(0).ChildNodes(0);
  std::vector<std::string> names;
  for (int i = 0; i < row.AttributeCount(); ++i) names.push_back(row.AttributeName(i));
  EXPECT_EQ(names,
            (std::vector<std::string>{"Enable", "Name", "Type", "Length", "ReadOnly", "Position", "StartBit",
                                      "Conversion", "MultiplicationFactor", "Swap", "SwapWord", "Mnemonic"}));
}

TEST_F(IEC61850Test, MissingAttributesTakeTheirDefaults) {
  Write_File(Path_IEC61850_Variables,
             "<IEC61850_Variables><row Name=\"a\" Position=\"7\"/><row Enable=\"N\" ReadOnly=\"Y\"/>"
             "</IEC61850_Variables>");
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(grid_.Row_Values(1), (TRow{"Y", "a", "", "", "N", "7", "", "", "", "N", "N", ""}));
  EXPECT_EQ(grid_.Row_Values(2), (TRow{"N", "", "", "", "Y", "", "", "", "", "N", "N", ""}));
}

// A file that cannot be parsed used to open as an empty table, which OK then
// wrote over the file.
TEST_F(IEC61850Test, AnUnparseableFileIsReportedAndOKAsksBeforeReplacingIt) {
  const std::string damaged = "<IEC61850_Variables><row Name=\"a\"/><row Name=";
  Write_File(Path_IEC61850_Variables, damaged);
  {
    TDialogResponder r;
    r.AnswerBox(mrOk);
    editor_.Load_Tables();
    EXPECT_EQ(r.Boxes().at(0).Icon, diError);
  }
  EXPECT_TRUE(editor_.Load_Incomplete());
  EXPECT_EQ(Table_Length(grid_, Variables()), 0);
  {
    TDialogResponder r;
    r.AnswerBox(mrNo);
    EXPECT_FALSE(editor_.Save_On_OK());
  }
  EXPECT_EQ(Read_File(Path_IEC61850_Variables), damaged);
}

TEST_F(IEC61850Test, CheckMessages) {
  struct Case {
    TRow Row;
    int Text;  // 0: the row passes
    std::string Limit = "";
  };
  const std::vector<Case> cases = {
      {Variable(), 0},
      {With(Variable(), 4, "1"), 0},
      {With(Variable(), 4, "0"), 1541},
      {With(Variable(), 4, "5"), 1541},
      {With(Variable(), 4, ""), 1541},
      {With(Variable(), 6, "1437"), 0},
      {With(Variable(), 6, "1438"), 1530, "1437"},
      {With(Variable(), 6, "-1"), 1530, "1437"},
      {With(Variable(), 3, "Float"), 0},
      {With(Variable(), 3, "Digital (Bit)"), 1538},
      {With(With(Variable(), 3, "Digital (Bit)"), 7, "0"), 0},
      {With(Variable(), 8, " "), 1539},
      {With(Variable(), 9, "none"), 0},
      {With(Variable(), 9, " NONE "), 0},
      {With(Variable(), 9, "2,5"), 0},
      {With(Variable(), 9, "2.5"), 0},
      {With(Variable(), 9, ""), 1540},
      {With(Variable(), 9, "abc"), 1540},
      {With(With(Variable(), 1, "N"), 4, "9"), 0},
  };
  for (const char separator : {',', '.'}) {
    TDecimal_Separator_Scope system(separator);
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << separator << " " << c.Row[2] << " " << c.Row[3] << " " << c.Row[5]
                                      << " " << c.Row[6] << " " << c.Row[7] << " " << c.Row[8]);
      Clear_Table(grid_, Variables());
      grid_.Set_Row(1, Variable("a"));
      grid_.Set_Row(2, c.Row);
      std::optional<std::string> expected;
      if (c.Text) expected = "Error row 2" + Text(c.Text) + c.Limit;
      EXPECT_EQ(editor_.Check_Message(), expected);
    }
  }
  // The table ends at the first empty Name; a row below it is refused as
  // it would be lost.
  Clear_Table(grid_, Variables());
  grid_.Set_Row(1, Variable());
  grid_.Set_Row(3, With(Variable(), 4, "9"));
  EXPECT_EQ(editor_.Check_Message(),
            "Error row 2!! Name is empty, but this row or rows below it hold values, which "
            "would not be saved: fill it or delete the row");
}

TEST_F(IEC61850Test, RowCommandsOnTheFiftyRows) {
  for (int r = 1; r <= 50; ++r) grid_.Set_Row(r, Variable("v" + std::to_string(r)));
  {
    TDialogResponder r;
    r.AnswerBox(mrNo);
    EXPECT_FALSE(editor_.Insert_Row(0, 1));
  }
  EXPECT_EQ(grid_.GetCellEx(IEC_Col_Name, 50), "v50");
  {
    TDialogResponder r;
    r.AnswerBox(mrYes);
    EXPECT_TRUE(editor_.Delete_Row(0, 50));
    EXPECT_EQ(r.Boxes().at(0).Text, Text(1531) + "50");
  }
  EXPECT_TRUE(editor_.Insert_Row(0, 1));
  EXPECT_EQ(grid_.Row_Values(1), (TRow{"Y", "", "", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(grid_.GetCellEx(IEC_Col_Name, 50), "v49");
  editor_.Copy_Row(0, 2);
  EXPECT_TRUE(editor_.Do_Copy());
  EXPECT_TRUE(editor_.Paste_Row(0, 1));
  EXPECT_EQ(grid_.GetCellEx(IEC_Col_Name, 1), "v1");
}

}  // namespace
