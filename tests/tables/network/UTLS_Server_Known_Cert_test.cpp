#include "tables/network/UTLS_Server_Known_Cert.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/controls/Dialogs.h"
#include "tests/support/Responder.h"
#include "tests/tables/plc/TableFileSupport.h"

namespace {

const TTable_Grid_Format& Certificates() { return TLS_Known_Cert_File.Grids[0]; }

const std::string Pem = "-----BEGIN CERTIFICATE-----\nMIIB&lt;x&gt;\n-----END CERTIFICATE-----";

class TLSKnownCertTest : public TableEditorTest {
 protected:
  void SetUp() override {
    TableEditorTest::SetUp();
    editor_.Set_Grid(0, &grid_);
    Clear_Table(grid_, Certificates());
  }
  // The box of a row: ticked, unticked, or none.
  std::optional<bool> Box(int Row) const {
    bool state = false;
    if (!grid_.GetCheckBoxState(TLS_Col_Enable, Row, state)) return std::nullopt;
    return state;
  }
  void Set_Row(int Row, bool Ticked, const std::string& Certificate, const std::string& Mnemonic) {
    grid_.SetCheckBoxState(TLS_Col_Enable, Row, Ticked);
    grid_.SetCellEx(TLS_Col_Certificate, Row, Certificate);
    grid_.SetCellEx(TLS_Col_Mnemonic, Row, Mnemonic);
  }

  TTable_Memory_Grid grid_ = Memory_Grid_For(Certificates());
  TTLS_Known_Cert_Table editor_;
};

TEST_F(TLSKnownCertTest, TheFileGoesThroughTheTableByteForByte) {
  const std::string file =
      Build_Table_File("TLS_Server_Known_Cert", "SW_VERSION = 1.000",
                       {{nullptr,
                         {{{"Enable", "Y"}, {"Certificate", Pem}, {"Mnemonic", "plant server"}},
                          {{"Enable", "N"}, {"Certificate", " second "}, {"Mnemonic", ""}}}}});
  Write_File(Path_TLS_Known_Cert, file);
  editor_.Load_Tables();
  EXPECT_EQ(Box(1), true);
  EXPECT_EQ(Box(2), false);
  EXPECT_EQ(grid_.GetCellEx(TLS_Col_Certificate, 1), Pem);
  EXPECT_EQ(Box(3), true);  // the cleared rows are ticked
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_TLS_Known_Cert), file);
}

TEST_F(TLSKnownCertTest, OnlyExactlyNUnticksARow) {
  Write_File(
      Path_TLS_Known_Cert,
      "<TLS_Server_Known_Cert><row Enable=\"n\" Certificate=\"a\"/><row Enable=\"Y\" Certificate=\"b\"/>"
      "<row Enable=\"\" Certificate=\"c\"/><row Certificate=\"d\"/><row Enable=\"N\"/>"
      "</TLS_Server_Known_Cert>");
  editor_.Load_Tables();
  EXPECT_FALSE(editor_.Load_Incomplete());
  EXPECT_EQ(Box(1), true);
  EXPECT_EQ(Box(2), true);
  EXPECT_EQ(Box(3), true);
  EXPECT_EQ(Box(4), true);
  EXPECT_EQ(Box(5), false);
  EXPECT_EQ(grid_.GetCellEx(TLS_Col_Mnemonic, 4), "");
}

TEST_F(TLSKnownCertTest, AnEmptyListSavesTheRootAndTheCommentOnly) {
  ASSERT_TRUE(editor_.Save_On_OK());
  EXPECT_EQ(Read_File(Path_TLS_Known_Cert),
            Build_Table_File("TLS_Server_Known_Cert", "SW_VERSION = 1.000", {{nullptr, {}}}));
}

// The list has no values to check, but a row with an empty Certificate above
// rows that hold text would end the saved list and lose them.
TEST_F(TLSKnownCertTest, OKRefusesOnlyAnEmptyCertificateAboveUsedRows) {
  Set_Row(1, true, "a", "");
  Set_Row(2, false, "b", "");
  EXPECT_EQ(editor_.Check_Message(), std::nullopt);
  Set_Row(3, true, "", "backup");
  const std::string gap =
      "Error row 3!! Certificate is empty, but this row or rows below it hold values, which would not be "
      "saved: "
      "fill it or delete the row";
  EXPECT_EQ(editor_.Check_Message(), gap);
  Set_Row(3, true, " ", "");
  Set_Row(4, true, "c", "");
  EXPECT_EQ(editor_.Check_Message(), gap);
  // An unticked box alone is no text.
  Set_Row(3, false, "", "");
  Set_Row(4, false, "", "");
  EXPECT_EQ(editor_.Check_Message(), std::nullopt);
  TDialogResponder r;
  r.AnswerBox(mrOk);
  grid_.SetCellEx(TLS_Col_Mnemonic, 10, "last");
  EXPECT_FALSE(editor_.Save_On_OK());
  EXPECT_EQ(r.Boxes().at(0).Text,
            "Error row 3!! Certificate is empty, but this row or rows below it hold values, "
            "which would not be saved: fill it or delete the row");
}

TEST_F(TLSKnownCertTest, AnUnparseableFileIsReportedAndOKAsksBeforeReplacingIt) {
  const std::string damaged = "<TLS_Server_Known_Cert><row Certificate=\"a\"";
  Write_File(Path_TLS_Known_Cert, damaged);
  {
    TDialogResponder r;
    r.AnswerBox(mrOk);
    editor_.Load_Tables();
  }
  EXPECT_TRUE(editor_.Load_Incomplete());
  {
    TDialogResponder r;
    r.AnswerBox(mrNo);
    EXPECT_FALSE(editor_.Save_On_OK());
  }
  EXPECT_EQ(Read_File(Path_TLS_Known_Cert), damaged);
}

TEST_F(TLSKnownCertTest, RowCommandsMoveTheBoxesWithTheirRows) {
  for (int r = 1; r <= 10; ++r) Set_Row(r, r % 2 == 0, "c" + std::to_string(r), "");
  {
    TDialogResponder r;
    r.AnswerBox(mrYes);
    EXPECT_TRUE(editor_.Delete_Row(0, 2));
    EXPECT_EQ(r.Boxes().at(0).Text, "Are you sure to delete the Row number 2");
  }
  EXPECT_EQ(grid_.GetCellEx(TLS_Col_Certificate, 2), "c3");
  EXPECT_EQ(Box(2), false);
  // Row 10 is emptied and ticked.
  EXPECT_EQ(grid_.GetCellEx(TLS_Col_Certificate, 10), "");
  EXPECT_EQ(Box(10), true);
  // Inserting pushes row 10 out of the table; it is empty now, so nobody is
  // asked.
  EXPECT_TRUE(editor_.Insert_Row(0, 1));
  EXPECT_EQ(Box(1), true);
  EXPECT_EQ(grid_.GetCellEx(TLS_Col_Certificate, 1), "");
  EXPECT_EQ(grid_.GetCellEx(TLS_Col_Certificate, 10), "c10");
  // Copy and paste carry the box's state.
  editor_.Copy_Row(0, 3);  // c3, unticked
  EXPECT_TRUE(editor_.Do_Copy());
  EXPECT_TRUE(editor_.Paste_Row(0, 1));
  EXPECT_EQ(Box(1), false);
  EXPECT_EQ(grid_.GetCellEx(TLS_Col_Certificate, 1), "c3");
}

}  // namespace
