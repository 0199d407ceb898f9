// The row commands of UComon: delete, insert, copy and paste rows of the
// table grids through the shared row clipboard Copied_Row.
#include <string>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UTable_Grid_View.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Dialogs.h"
#include "framework/rtl/StrUtils.h"

namespace {
std::string Text(int Id) { return Lang_Table->Strings(Id); }
// Inserting used to drop the last row without a word.
constexpr int Text_Insert_Drops_Last_Row_1 = 1125;
constexpr int Text_Insert_Drops_Last_Row_2 = 1126;

int Last_Data_Col(const TTable_Grid_View& Grid) { return Grid.Storage_Col_Count() - 1; }

// Row 0 is the header: a row command on it, or beyond the table, would
// overwrite the header or do nothing sensible.
bool Is_Data_Row(const TTable_Grid_View& Grid, int Row) { return Row >= 1 && Row < Grid.RowCount(); }

// Asks before a command drops the last row's values; true to go on.
bool Last_Row_May_Go(const TTable_Grid_View& Grid, bool Used) {
  if (!Used) return true;
  const std::string question = Text(Text_Insert_Drops_Last_Row_1) + std::to_string(Grid.RowCount() - 1) +
                               Text(Text_Insert_Drops_Last_Row_2);
  return MessageDlg(question, mtConfirmation, {mbYes, mbNo}, 0) == mrYes;
}

// The two refusals every paste shares; true when the paste may go on.
bool Paste_Allowed(const TTable_Grid_View& Grid, bool Copied_Here) {
  if (!Copied_Here) {
    MessageDlg(Lang_Table->Strings(1102), mtError, {mbOK}, 0);
    return false;
  }
  if (Last_Data_Col(Grid) != Copied_Row->Count()) {
    MessageDlg(Lang_Table->Strings(1101), mtError, {mbOK}, 0);
    return false;
  }
  return true;
}

bool Overwrite_Allowed(bool Used) {
  return !Used || MessageDlg(Lang_Table->Strings(1100), mtConfirmation, {mbYes, mbNo}, 0) == mrYes;
}

bool Has_Check_Box(const TTable_Grid_View& Grid, int Col, int Row, bool& State) {
  return Grid.GetCheckBoxState(Col, Row, State);
}
}  // namespace

bool Column_Grid_Row_Used(const TTable_Grid_View& Grid, int Row) {
  for (int c = 1; c <= Last_Data_Col(Grid); ++c)
    if (!Grid.Is_Data_Check_Box_Column(c) && !Trim(Grid.GetCellEx(c, Row)).empty()) return true;
  return false;
}

bool Check_Grid_Row_Used(const TTable_Grid_View& Grid, int Row) {
  bool state = false;
  for (int c = 1; c <= Last_Data_Col(Grid); ++c)
    if (!Has_Check_Box(Grid, c, Row, state) && !Grid.GetCellEx(c, Row).empty()) return true;
  return false;
}

void Column_Grid_Delete_Row(int Row, TTable_Grid_View& Grid) {
  if (!Is_Data_Row(Grid, Row)) return;
  const int last = Grid.RowCount() - 1;
  for (int r = Row; r < last; ++r)
    for (int c = 1; c <= Last_Data_Col(Grid); ++c) Grid.SetCellEx(c, r, Grid.GetCellEx(c, r + 1));
  for (int c = 1; c <= Last_Data_Col(Grid); ++c) Grid.SetCellEx(c, last, "");
}

bool Column_Grid_Insert_Row(int Row, TTable_Grid_View& Grid, bool Set_Enable) {
  if (!Is_Data_Row(Grid, Row)) return false;
  const int last = Grid.RowCount() - 1;
  if (!Last_Row_May_Go(Grid, Column_Grid_Row_Used(Grid, last))) return false;
  for (int r = last - 1; r >= Row; --r)
    for (int c = 1; c <= Last_Data_Col(Grid); ++c) Grid.SetCellEx(c, r + 1, Grid.GetCellEx(c, r));
  for (int c = 1; c <= Last_Data_Col(Grid); ++c) Grid.SetCellEx(c, Row, c == 1 && Set_Enable ? "Y" : "");
  return true;
}

void Column_Grid_Copy_Row(TTable_Grid_View& Grid, int Row) {
  Copied_Row->Clear();
  for (int c = 1; c <= Last_Data_Col(Grid); ++c) Copied_Row->Add(Grid.GetCellEx(c, Row));
}

bool Column_Grid_Paste_Row(TTable_Grid_View& Grid, int Row, bool Copied_Here) {
  if (!Is_Data_Row(Grid, Row)) return false;
  if (!Paste_Allowed(Grid, Copied_Here)) return false;
  if (!Overwrite_Allowed(Column_Grid_Row_Used(Grid, Row))) return false;
  for (int c = 1; c <= Last_Data_Col(Grid); ++c) Grid.SetCellEx(c, Row, Copied_Row->Strings(c - 1));
  return true;
}

void Check_Grid_Delete_Row(int Row, TTable_Grid_View& Grid, bool Set_First_Box) {
  if (!Is_Data_Row(Grid, Row)) return;
  const int last = Grid.RowCount() - 1;
  bool state = false;
  for (int r = Row; r < last; ++r)
    for (int c = 1; c <= Last_Data_Col(Grid); ++c) {
      if (Has_Check_Box(Grid, c, r + 1, state))
        Grid.SetCheckBoxState(c, r, state);
      else
        Grid.SetCellEx(c, r, Grid.GetCellEx(c, r + 1));
    }
  for (int c = 1; c <= Last_Data_Col(Grid); ++c) {
    if (Has_Check_Box(Grid, c, last, state))
      Grid.SetCheckBoxState(c, last, Set_First_Box && c == 1);
    else
      Grid.SetCellEx(c, last, "");
  }
}

bool Check_Grid_Insert_Row(int Row, TTable_Grid_View& Grid, bool Set_First_Box) {
  if (!Is_Data_Row(Grid, Row)) return false;
  const int last = Grid.RowCount() - 1;
  if (!Last_Row_May_Go(Grid, Check_Grid_Row_Used(Grid, last))) return false;
  bool state = false;
  for (int r = last - 1; r >= Row; --r)
    for (int c = 1; c <= Last_Data_Col(Grid); ++c) {
      if (Has_Check_Box(Grid, c, r, state))
        Grid.SetCheckBoxState(c, r + 1, state);
      else
        Grid.SetCellEx(c, r + 1, Grid.GetCellEx(c, r));
    }
  for (int c = 1; c <= Last_Data_Col(Grid); ++c) {
    if (Has_Check_Box(Grid, c, Row, state))
      Grid.SetCheckBoxState(c, Row, Set_First_Box && c == 1);
    else
      Grid.SetCellEx(c, Row, "");
  }
  return true;
}

void Check_Grid_Copy_Row(TTable_Grid_View& Grid, int Row) {
  Copied_Row->Clear();
  Copied_Row_Check.assign(static_cast<std::size_t>(Last_Data_Col(Grid)), false);
  bool state = false;
  for (int c = 1; c <= Last_Data_Col(Grid); ++c) {
    if (Has_Check_Box(Grid, c, Row, state)) {
      Copied_Row_Check[static_cast<std::size_t>(c - 1)] = true;
      Copied_Row->Add(state ? "Y" : "N");
    } else {
      Copied_Row->Add(Grid.GetCellEx(c, Row));
    }
  }
}

bool Check_Grid_Paste_Row(TTable_Grid_View& Grid, int Row, bool Copied_Here) {
  if (!Is_Data_Row(Grid, Row)) return false;
  if (!Paste_Allowed(Grid, Copied_Here)) return false;
  if (!Overwrite_Allowed(Check_Grid_Row_Used(Grid, Row))) return false;
  for (int c = 1; c <= Last_Data_Col(Grid); ++c) {
    const std::size_t i = static_cast<std::size_t>(c - 1);
    // The flags describe the last copy from a check grid only; a cell they
    // do not cover takes its entry as text.
    if (i < Copied_Row_Check.size() && Copied_Row_Check[i])
      Grid.SetCheckBoxState(c, Row, Copied_Row->Strings(c - 1) == "Y");
    else
      Grid.SetCellEx(c, Row, Copied_Row->Strings(c - 1));
  }
  return true;
}
