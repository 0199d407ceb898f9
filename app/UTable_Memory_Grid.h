#pragma once
// A table grid in memory: cells by storage column and row, data check-box
// columns (their state is the cell text "Y"/"N"), and plain check boxes with
// a state of their own. The image compiler reads a table file into one with
// the editors' own reader and checks it with their own check; tests drive
// the row routines and the editors through it.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/UTable_Grid_View.h"

class TTable_Memory_Grid : public TTable_Grid_View {
 public:
  // Data_Rows rows below the header and Storage_Cols columns, column 0
  // included.
  TTable_Memory_Grid(int Data_Rows, int Storage_Cols)
      : rows_(std::max(Data_Rows + 1, 1)),
        cols_(std::max(Storage_Cols, 0)),
        cells_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_)) {}

  void Set_Data_Check_Box_Column(int Col) { data_boxes_.insert(Col); }
  // A plain check box in every data row of the column, as AddCheckBoxColumn
  // puts it.
  void Add_Check_Box_Column(int Col, bool State) {
    for (int r = 1; r < RowCount(); ++r) boxes_[{Col, r}] = State;
  }

  // Writes Values into row Row from column 1 on.
  void Set_Row(int Row, const std::vector<std::string>& Values) {
    for (std::size_t k = 0; k < Values.size(); ++k) SetCellEx(static_cast<int>(k) + 1, Row, Values[k]);
  }
  // The data cells of a row, column 1 first.
  std::vector<std::string> Row_Values(int Row) const {
    std::vector<std::string> v;
    for (int c = 1; c < Storage_Col_Count(); ++c) v.push_back(GetCellEx(c, Row));
    return v;
  }
  std::vector<std::vector<std::string>> All_Cells() const {
    std::vector<std::vector<std::string>> all;
    for (int r = 0; r < rows_; ++r)
      all.emplace_back(cells_.begin() + Index(0, r), cells_.begin() + Index(0, r + 1));
    return all;
  }

  int RowCount() const override { return rows_; }
  int Storage_Col_Count() const override { return cols_; }
  std::string GetCellEx(int Col, int Row) const override { return Cell(Col, Row); }
  const std::string& Cell_Text(int Col, int Row, std::string&) const override { return Cell(Col, Row); }
  // The text itself, for readers that only look at it.
  const std::string& Cell(int Col, int Row) const {
    static const std::string empty;
    if (Row < 0 || Row >= rows_ || Col < 0 || Col >= cols_) return empty;
    return cells_[Index(Col, Row)];
  }
  void SetCellEx(int Col, int Row, const std::string& Text) override {
    if (Row < 0 || Row >= rows_ || Col < 0 || Col >= cols_) return;
    cells_[Index(Col, Row)] = Text;
  }
  bool Is_Data_Check_Box_Column(int Col) const override { return data_boxes_.count(Col) > 0; }
  bool GetCheckBoxState(int Col, int Row, bool& State) const override {
    if (data_boxes_.count(Col) && Row >= 1) {
      State = GetCellEx(Col, Row) == "Y";
      return true;
    }
    auto it = boxes_.find({Col, Row});
    if (it == boxes_.end()) return false;
    State = it->second;
    return true;
  }
  bool SetCheckBoxState(int Col, int Row, bool State) override {
    if (data_boxes_.count(Col) && Row >= 1) {
      SetCellEx(Col, Row, State ? "Y" : "N");
      return true;
    }
    auto it = boxes_.find({Col, Row});
    if (it == boxes_.end()) return false;
    it->second = State;
    return true;
  }

 private:
  std::size_t Index(int Col, int Row) const {
    return static_cast<std::size_t>(Row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(Col);
  }

  int rows_;
  int cols_;
  // Row by row: one block for the whole table.
  std::vector<std::string> cells_;
  std::set<int> data_boxes_;
  std::map<std::pair<int, int>, bool> boxes_;
};
