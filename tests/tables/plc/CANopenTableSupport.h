#pragma once
// The CANopen editors' tests share one fixture: an editor over two tables in
// memory, a valid row per table, and a runner for tables of check cases.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tables/plc/UCANopen_Tables.h"
#include "tests/tables/plc/TableFileSupport.h"

using TRow = std::vector<std::string>;

// One cell of a valid row changed, and what the check then says: the text id
// and the limit after it (0: both tables pass).
struct TCANopen_Check_Case {
  int Grid;
  int Col;
  std::string Value;
  int Text;
  std::string Tail = "";
};

// The attribute names of a section's first row, in file order.
inline std::vector<std::string> First_Row_Attributes(const std::string& Path, const char* Section) {
  TXMLDocument doc;
  doc.LoadFromFile(Path);
  const TXMLNode row = doc.ChildNodes(0).FindNode(Section).ChildNodes(0);
  std::vector<std::string> names;
  for (int i = 0; i < row.AttributeCount(); ++i) names.push_back(row.AttributeName(i));
  return names;
}

template <class TEditor>
class CANopenTableTest : public TableEditorTest {
 protected:
  void SetUp() override {
    TableEditorTest::SetUp();
    editor_.Set_Grid(0, &first_);
    editor_.Set_Grid(1, &second_);
    Clear();
  }
  void Clear() {
    Clear_Table(first_, Format(0));
    Clear_Table(second_, Format(1));
  }
  const TTable_Grid_Format& Format(int Grid) const {
    return editor_.File().Grids[static_cast<std::size_t>(Grid)];
  }
  TTable_Memory_Grid& Grid(int Index) { return Index == 0 ? first_ : second_; }
  std::optional<std::string> Check() { return editor_.Check_Message(); }
  std::string Error_Row(int Error_Row_Text, int Row, int Id, const std::string& Tail = "") const {
    return Text(Error_Row_Text) + std::to_string(Row) + Text(Id) + Tail;
  }

  // Each case on tables that hold one valid row each.
  void Run_Check_Cases(int Error_Row_Text, const TRow& First_Row, const TRow& Second_Row,
                       const std::vector<TCANopen_Check_Case>& Cases) {
    for (const TCANopen_Check_Case& c : Cases) {
      SCOPED_TRACE(std::to_string(c.Grid) + "/" + std::to_string(c.Col) + " \"" + c.Value + "\"");
      Clear();
      first_.Set_Row(1, First_Row);
      second_.Set_Row(1, Second_Row);
      Grid(c.Grid).SetCellEx(c.Col, 1, c.Value);
      if (c.Text == 0)
        EXPECT_EQ(Check(), std::nullopt);
      else
        EXPECT_EQ(Check(), Error_Row(Error_Row_Text, 1, c.Text, c.Tail));
    }
  }

  TEditor editor_;
  TTable_Memory_Grid first_ = Memory_Grid_For(editor_.File().Grids[0]);
  TTable_Memory_Grid second_ = Memory_Grid_For(editor_.File().Grids[1]);
};
