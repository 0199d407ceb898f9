#include "app/UColumn_Grid_View.h"

#include "grid/model/DivUzev.h"
#include "grid/model/VevCGrid.h"

int TColumn_Grid_View::RowCount() const { return grid_->RowCount(); }

int TColumn_Grid_View::Storage_Col_Count() const { return grid_->ColCount() + grid_->NumHiddenColumns(); }

std::string TColumn_Grid_View::GetCellEx(int Col, int Row) const { return grid_->GetCellEx(Col, Row); }

void TColumn_Grid_View::SetCellEx(int Col, int Row, const std::string& Text) {
  grid_->SetCellEx(Col, Row, Text);
}

bool TColumn_Grid_View::Is_Data_Check_Box_Column(int Col) const {
  auto* columns = dynamic_cast<TRavUvurerEduz*>(grid_);
  if (columns == nullptr || Col < 0 || Col >= columns->Columns()->Count()) return false;
  return columns->Columns()->GetItem(Col)->Editor() == edDataCheckBox;
}

bool TColumn_Grid_View::GetCheckBoxState(int Col, int Row, bool& State) const {
  return grid_->GetCheckBoxState(Col, Row, State);
}

bool TColumn_Grid_View::SetCheckBoxState(int Col, int Row, bool State) {
  return grid_->SetCheckBoxState(Col, Row, State);
}
