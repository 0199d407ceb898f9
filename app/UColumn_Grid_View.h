#pragma once
// The table view of a grid control, for the row routines and the table
// editors: every call goes to the grid member of the same name. A column
// grid's data check boxes are the columns whose item edits with
// edDataCheckBox; a plain grid has none (its boxes hold their own state).
#include <string>

#include "app/UTable_Grid_View.h"

class TDedAdararAdoz;

class TColumn_Grid_View : public TTable_Grid_View {
 public:
  explicit TColumn_Grid_View(TDedAdararAdoz* Grid) : grid_(Grid) {}

  TDedAdararAdoz* Grid() const { return grid_; }

  int RowCount() const override;
  int Storage_Col_Count() const override;
  std::string GetCellEx(int Col, int Row) const override;
  void SetCellEx(int Col, int Row, const std::string& Text) override;
  bool Is_Data_Check_Box_Column(int Col) const override;
  bool GetCheckBoxState(int Col, int Row, bool& State) const override;
  bool SetCheckBoxState(int Col, int Row, bool State) override;

 private:
  TDedAdararAdoz* grid_;
};
