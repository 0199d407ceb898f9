// The table editors' grid events that act on the grid itself: the header
// double click and Enter to the next field.
#include "app/UComon.h"
#include "grid/model/DivUzev.h"

void Grid_Auto_Size_Column(TDedAdararAdoz* Grid, int Row, int Column) {
  if (Grid == nullptr || !Opt_Double_Click_Auto_Size || Row != 0) return;
  Grid->AutoSizeCol(Column, 0);
}

void Grid_Enter_Next_Field(TDedAdararAdoz* Grid, char32_t& Key) {
  if (!Opt_Jump_Field_Tables || Key != 13) return;
  if (Grid != nullptr && Grid->Col() > 0 && Grid->Row() > 0) {
    if (Grid->Col() < Grid->ColCount() - 1) {
      Grid->SetCol(Grid->Col() + 1);
    } else {
      Grid->SetCol(1);
      Grid->SetRow(Grid->Row() < Grid->RowCount() - 1 ? Grid->Row() + 1 : 1);
    }
  }
  Key = 0;
}
