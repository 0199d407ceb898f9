#pragma once
// What the row routines and the table editors use of a table grid, and no
// more: cells by storage column and row, the counts, and the check boxes.
//
// The table editors' column grids (and the string grids with check-box
// cells) are reached only through this view, so that reading, checking and
// writing a table needs no window. A grid control answers it through a thin
// adapter that forwards each call to the grid member of the same name
// (GetCellEx, SetCellEx, RowCount, ColCount + NumHiddenColumns, the column
// item's Editor, GetCheckBoxState, SetCheckBoxState).
//
// Indexes are the grid's own: row 0 is the fixed header row and column 0 the
// fixed row-number column; columns are storage columns, hidden ones included.
#include <string>

class TTable_Grid_View {
 public:
  virtual ~TTable_Grid_View() = default;

  // Rows, the header row included: the data rows are 1 to RowCount() - 1.
  virtual int RowCount() const = 0;
  // Storage columns, column 0 and hidden columns included: the data columns
  // are 1 to Storage_Col_Count() - 1.
  virtual int Storage_Col_Count() const = 0;

  // A cell never written, or beyond the grid, reads as the empty text.
  virtual std::string GetCellEx(int Col, int Row) const = 0;
  virtual void SetCellEx(int Col, int Row, const std::string& Text) = 0;
  // The cell's text as GetCellEx reads it, without a copy where the grid
  // keeps its texts as they are; otherwise it is read into Buffer. Valid
  // until the cell or Buffer changes.
  virtual const std::string& Cell_Text(int Col, int Row, std::string& Buffer) const {
    Buffer = GetCellEx(Col, Row);
    return Buffer;
  }

  // True when the column's editor is a data check box, whose state is the
  // cell text ("Y" or "N").
  virtual bool Is_Data_Check_Box_Column(int Col) const = 0;

  // Check boxes holding a state of their own (or, for a data check box, its
  // text compared with the checked value). False, and no change, when the
  // cell has no check box.
  virtual bool GetCheckBoxState(int Col, int Row, bool& State) const = 0;
  virtual bool SetCheckBoxState(int Col, int Row, bool State) = 0;
};
