#include "tables/network/UOPC_UA_Server_Access.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/controls/Dialogs.h"
#include "tests/support/Responder.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

using TRow = std::vector<std::string>;

const TTable_Grid_Format& Variables() { return OPC_UA_Server_File.Grids[0]; }

// Type, Position, Length, Name, R/W, Mnemonic (the box is apart).
TRow Variable(const std::string& Type = "Int32", const std::string& Position = "0") {
  return {Type, Position, "4", "Temperature", "Read Only", "boiler"};
}

class OPCUAServerTest : public TableEditorTest {
 protected:
  void SetUp() override {
    TableEditorTest::SetUp();
    editor_.Set_Grid(0, &grid_);
    editor_.Set_Length_Read_Only = [this](int Row, bool Read_Only) { locked_[Row] = Read_Only; };
    Clear_Table(grid_, Variables());
  }
  void Set_Row(int Row, bool Ticked, const TRow& Values) {
    grid_.SetCheckBoxState(OPC_Col_Enable, Row, Ticked);
    for (std::size_t k = 0; k < Values.size(); ++k) grid_.SetCellEx(static_cast<int>(k) + 2, Row, Values[k]);
  }
  TRow Values(int Row) const {
    TRow v = grid_.Row_Values(Row);
    v.erase(v.begin());
    return v;
  }
  bool Ticked(int Row) const {
    bool state = false;
    return grid_.GetCheckBoxState(OPC_Col_Enable, Row, state) && state;
  }

  TTable_Memory_Grid grid_ = Memory_Grid_For(Variables());
  TOPC_UA_Server_Table editor_;
  std::map<int, bool> locked_;
};

TEST_F(OPCUAServerTest, TheFileGoesThroughTheTableByteForByte) {
  const auto row = [](const std::string& Enable, const TRow& v) {
    return TFile_Row{{"Enable", Enable}, {"Type", v[0]},      {"Position", v[1]}, {"Length", v[2]},
                     {"Name", v[3]},     {"ReadWrite", v[4]}, {"Mnemonic", v[5]}};
  };
  const TRow text = {"String", "100", "32", "Label & <name>", "", ""};
  const std::string file =
      Build_Table_File("OPC_UA_Server", "SW_VERSION = 1.000",
                       {{"OPC_UA_Server_Variables",
                         {row("Y", Variable()), row("N", text), row("Y", Variable("Custom", "7"))}}});
  Write_File(Path_OPC_UA_Server, file);
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_TRUE(Ticked(1));
  EXPECT_FALSE(Ticked(2));
  // The cells hold the file's texts, an empty R/W included; the Length cells
  // are locked by the type read.
  EXPECT_EQ(Values(2), text);
  EXPECT_EQ(locked_[1], true);
  EXPECT_EQ(locked_[2], false);
  EXPECT_EQ(locked_[3], false);
  EXPECT_EQ(locked_[250], false);
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_OPC_UA_Server), file);
}

TEST_F(OPCUAServerTest, MissingAttributesLeaveTheirCellsEmpty) {
  Write_File(Path_OPC_UA_Server,
             "<OPC_UA_Server><OPC_UA_Server_Variables><row Type=\"Byte\"/><row Enable=\"n\" Position=\"3\"/>"
             "</OPC_UA_Server_Variables></OPC_UA_Server>");
  editor_.Load_Tables();
  EXPECT_TRUE(Ticked(1));
  EXPECT_EQ(Values(1), (TRow{"Byte", "", "", "", "", ""}));
  EXPECT_TRUE(Ticked(2));
  EXPECT_EQ(locked_[1], true);
}

TEST_F(OPCUAServerTest, AFileWithoutItsSectionOrUnparseableIsReportedAndOKAsks) {
  for (const std::string damaged : {std::string("<OPC_UA_Server/>"), std::string("<OPC_UA_Server><row")}) {
    SCOPED_TRACE(damaged);
    Write_File(Path_OPC_UA_Server, damaged);
    {
      TDialogResponder r;
      r.AnswerBox(mrOk);
      editor_.Load_Tables();
    }
    EXPECT_TRUE(editor_.Load_Incomplete());
    TDialogResponder r;
    r.AnswerBox(mrNo);
    EXPECT_FALSE(editor_.Save_On_OK());
    EXPECT_EQ(Read_File(Path_OPC_UA_Server), damaged);
  }
}

TEST_F(OPCUAServerTest, TheTypeSetsTheLengthItsLockAndTheAccess) {
  struct Case {
    const char* Type;
    std::string Length;  // what the cell holds after the choice (was "x")
    std::optional<bool> Locked;
  };
  const std::vector<Case> cases = {
      {"Boolean", "1", true},      {"Signed Byte", "1", true},   {"Byte", "1", true},
      {"Int16", "2", true},        {"UInt16", "2", true},        {"Int32", "4", true},
      {"UInt32", "4", true},       {"Float", "4", true},         {"Int64", "8", true},
      {"UInt64", "8", true},       {"Double", "8", true},        {"String", "10", false},
      {"ByteString", "10", false}, {"int32", "x", std::nullopt}, {"", "x", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Type);
    locked_.clear();
    grid_.SetCellEx(OPC_Col_Length, 1, "x");
    grid_.SetCellEx(OPC_Col_Read_Write, 1, "");
    editor_.VarSetLength(c.Type, 1);
    EXPECT_EQ(grid_.GetCellEx(OPC_Col_Length, 1), c.Length);
    EXPECT_EQ(locked_.count(1) ? std::optional<bool>(locked_[1]) : std::nullopt, c.Locked);
    EXPECT_EQ(grid_.GetCellEx(OPC_Col_Read_Write, 1), "Read/Write");
  }
  grid_.SetCellEx(OPC_Col_Read_Write, 1, "Read Only");
  editor_.VarSetLength("Int32", 1);
  EXPECT_EQ(grid_.GetCellEx(OPC_Col_Read_Write, 1), "Read Only");
  EXPECT_EQ(OPC_UA_Var_Types.size(), 13u);
}

TEST_F(OPCUAServerTest, CheckMessages) {
  struct Case {
    bool Ticked;
    TRow Row;
    std::optional<std::string> Expected;
  };
  const std::string over = "Error row 2!! Position Must be Between 0 and 1499";
  const std::vector<Case> cases = {
      {true, Variable("Int32", "1499"), std::nullopt}, {true, Variable("Int32", "1500"), over},
      {true, Variable("Int32", "-1"), over},           {true, Variable("Int32", ""), over},
      {true, Variable("Int32", "0x10"), std::nullopt}, {false, Variable("Int32", "5000"), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Row[1]);
    Clear_Table(grid_, Variables());
    Set_Row(1, true, Variable());
    Set_Row(2, c.Ticked, c.Row);
    EXPECT_EQ(editor_.Check_Message(), c.Expected);
  }
}

// The check walks the rows the save writes: a bad row below an empty Type
// no longer blocks OK on its own account, and no row below the gap is lost:
// the gap is refused.
TEST_F(OPCUAServerTest, TheCheckAndTheSaveAgreeWhereTheTableEnds) {
  Set_Row(1, true, Variable());
  Set_Row(3, true, Variable("Int32", "5000"));
  EXPECT_EQ(editor_.Check_Message(),
            "Error row 2!! Type is empty, but this row or rows below it hold values, which "
            "would not be saved: fill it or delete the row");
  Set_Row(2, true, Variable("Int32", "1"));
  EXPECT_EQ(editor_.Check_Message(), "Error row 3!! Position Must be Between 0 and 1499");
}

// The texts come from a language file the user may edit: their placeholders
// are filled in order by hand, never through a format routine.
TEST_F(OPCUAServerTest, TranslatedTextsWithOtherPlaceholdersAreFilledByHand) {
  Set_Row(1, true, Variable("Int32", "9999"));
  Lang_Table->SetStrings(2727, "Riga %d: posizione oltre %d %d %s %x %n");
  EXPECT_EQ(editor_.Check_Message(), "Riga 1: posizione oltre 1499 %d %s %x %n");
  Lang_Table->SetStrings(2727, "Position wrong");
  EXPECT_EQ(editor_.Check_Message(), "Position wrong");
  Lang_Table->SetStrings(2728, "%s%s Delete row %d?");
  TDialogResponder r;
  r.AnswerBox(mrNo);
  EXPECT_FALSE(editor_.Delete_Row(0, 7));
  EXPECT_EQ(r.Boxes().at(0).Text, "7%s Delete row %d?");
  Load_Default_Language();
}

TEST_F(OPCUAServerTest, DeleteAsksWithTheRowNumberFilledIn) {
  Set_Row(1, true, Variable());
  TDialogResponder r;
  r.AnswerBox(mrYes);
  EXPECT_TRUE(editor_.Delete_Row(0, 1));
  EXPECT_EQ(r.Boxes().at(0).Text, "Are you sure to delete the Row number 1");
  EXPECT_EQ(Values(1), TRow(6, ""));
  EXPECT_TRUE(Ticked(250));
}

TEST_F(OPCUAServerTest, APastedRowKeepsItsLengthWhileTheLockFollowsItsType) {
  Set_Row(1, true, {"String", "0", "32", "Label", "", ""});
  editor_.Copy_Row(0, 1);
  EXPECT_TRUE(editor_.Do_Copy());
  locked_.clear();
  EXPECT_TRUE(editor_.Paste_Row(0, 2));
  EXPECT_EQ(Values(2), (TRow{"String", "0", "32", "Label", "Read/Write", ""}));
  EXPECT_EQ(locked_[2], false);
  Set_Row(3, false, {"Int32", "0", "99", "Odd", "Read Only", ""});
  editor_.Copy_Row(0, 3);
  EXPECT_TRUE(editor_.Paste_Row(0, 4));
  EXPECT_EQ(Values(4), (TRow{"Int32", "0", "99", "Odd", "Read Only", ""}));
  EXPECT_FALSE(Ticked(4));
  EXPECT_EQ(locked_[4], true);
}

}  // namespace
