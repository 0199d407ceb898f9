// Check boxes and radio buttons in cells: adding them, reading, setting and
// toggling their state (with the group rule of tree nodes), the undo
// record of a toggle and the hit test of the glyph. A data check box keeps
// its state in the cell text, so the state is saved with the table.
#include "framework/classes/StringList.h"
#include "grid/base/UndoRedo.h"
#include "grid/model/DivUzev.h"

namespace {
TCellVAlign VAlignOf(TVAlignment VA) {
  switch (VA) {
    case vtaCenter:
      return vaCenter;
    case vtaBottom:
      return vaBottom;
    default:
      return vaTop;
  }
}

bool IsCheckKind(TCellType Kind) {
  return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctVirtCheckBox || Kind == ctRowCheckBox ||
         Kind == ctTriStateCheckBox;
}
}  // namespace

// ---------------------------------------------------------------------------
// Finding a check box: rows that are hidden are read from the hidden-row
// store, others from the grid at their display row.

namespace {
struct TFoundCheck {
  TCellGraphic* Graphic = nullptr;
  std::string Text;
  int DisplayRow = -1;  // -1 while the row is hidden
};
}  // namespace

static TFoundCheck FindCheck(TDedAdararAdoz* G, int ACol, int ARow) {
  TFoundCheck f;
  if (ACol < 0 || ARow < 0) return f;
  if (G->NumHiddenRows() > 0) {
    if (G->IsHiddenRow(ARow)) {
      TStringList* cells = G->HiddenRowCells(ARow);
      if (cells != nullptr && ACol < cells->Count()) {
        auto* props = dynamic_cast<TCellProperties*>(cells->Objects(ACol));
        f.Graphic = props != nullptr ? dynamic_cast<TCellGraphic*>(props->GraphicObject()) : nullptr;
        f.Text = cells->Strings(ACol);
      }
      return f;
    }
    ARow = G->DisplRowIndex(ARow);
  }
  f.DisplayRow = ARow;
  f.Graphic = G->GetCellGraphic(ACol, ARow);
  if (f.Graphic != nullptr) f.Text = G->GetCellEx(ACol, ARow);
  return f;
}

// ---------------------------------------------------------------------------
// Adding and removing

void TDedAdararAdoz::AddCheckBox(int ACol, int ARow, bool State, bool Data) {
  if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= TotalRowCount())
    throw EDivUzevError("Invalid cell");
  CreateCellGraphic(ACol, ARow)
      ->SetCheckBox(State, Data, FControlLook->ControlStyle() == csFlat, haBeforeText, VAlignOf(FVAlignment));
  if (!Data) return;
  // A text that already is a check text decides the state.
  const std::string text = GetCellEx(ACol, ARow);
  if (text != FCheckTrue && text != FCheckFalse) SetCellEx(ACol, ARow, State ? FCheckTrue : FCheckFalse);
}

void TDedAdararAdoz::AddCheckBox(int ACol, int ARow, TCheckBoxState State) {
  if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= TotalRowCount())
    throw EDivUzevError("Invalid cell");
  CreateCellGraphic(ACol, ARow)->SetCheckBox(State, true, haBeforeText, VAlignOf(FVAlignment));
}

void TDedAdararAdoz::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox) {
  const int first = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
  for (int r = first; r < RowCount(); ++r) {
    const TCellType kind0 = GetCellType(0, r);
    if (kind0 == ctSummary) continue;
    if (kind0 == ctNode)
      AddCheckBox(ACol, r, cbUnchecked);
    else
      AddCheckBox(ACol, r, DefaultState, DataCheckBox);
  }
}

void TDedAdararAdoz::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State) {
  const int first = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
  for (int r = first; r < RowCount(); ++r) AddCheckBox(ACol, r, State);
}

void TDedAdararAdoz::RemoveCheckBox(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr ||
      (g->CellType != ctCheckBox && g->CellType != ctDataCheckBox && g->CellType != ctTriStateCheckBox))
    return;
  RemoveCellGraphic(ACol, ARow);
}

void TDedAdararAdoz::RemoveCheckBoxColumn(int ACol) {
  const int first = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
  for (int r = first; r < RowCount(); ++r)
    if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

bool TDedAdararAdoz::HasCheckBox(int ACol, int ARow) {
  return IsCellTypeInSet(
      ACol, ARow, TCellTypes{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
}

bool TDedAdararAdoz::HasDataCheckBox(int ACol, int ARow) {
  return IsCellTypeInSet(ACol, ARow, TCellTypes{ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

// ---------------------------------------------------------------------------
// Reading and setting

bool TDedAdararAdoz::GetCheckBoxState(int ACol, int ARow, bool& State) {
  const TFoundCheck f = FindCheck(this, ACol, ARow);
  if (f.Graphic == nullptr) return false;
  std::string checkTrue;
  switch (f.Graphic->CellType) {
    case ctCheckBox:
      State = f.Graphic->CellBoolean;
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
      GetCheckTrue(ACol, ARow, checkTrue);
      State = f.Text == checkTrue;
      return true;
    case ctRowCheckBox:
      if (ACol != 0) return false;
      State = f.Graphic->CellBoolean;
      return true;
    case ctTriStateCheckBox:
      if (f.DisplayRow >= 0) return false;
      GetCheckTrue(ACol, ARow, checkTrue);
      State = f.Text == checkTrue;
      return true;
    default:
      return false;
  }
}

bool TDedAdararAdoz::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State) {
  const TFoundCheck f = FindCheck(this, ACol, ARow);
  if (f.Graphic == nullptr) return false;
  std::string checkTrue;
  switch (f.Graphic->CellType) {
    case ctCheckBox:
      State = BoolToCheckBoxState(f.Graphic->CellBoolean);
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
      GetCheckTrue(ACol, ARow, checkTrue);
      State = BoolToCheckBoxState(f.Text == checkTrue);
      return true;
    case ctRowCheckBox:
      if (ACol != 0) return false;
      State = BoolToCheckBoxState(f.Graphic->CellBoolean);
      return true;
    case ctTriStateCheckBox:
      State = f.Graphic->CellCheckBoxState;
      return true;
    default:
      return false;
  }
}

bool TDedAdararAdoz::IsChecked(int ACol, int ARow) {
  bool state = false;
  return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TDedAdararAdoz::SetCheckBoxState(int ACol, int ARow, bool State) {
  const TFoundCheck f = FindCheck(this, ACol, ARow);
  if (f.Graphic == nullptr) return false;
  std::string text;
  switch (f.Graphic->CellType) {
    case ctCheckBox:
      f.Graphic->CellBoolean = State;
      if (f.DisplayRow >= 0) RepaintCell(DisplColIndexOf(ACol), f.DisplayRow);
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
      if (State)
        GetCheckTrue(ACol, ARow, text);
      else
        GetCheckFalse(ACol, ARow, text);
      SetCellsEx(ACol, ARow, text);
      return true;
    case ctRowCheckBox:
      if (ACol != 0) return false;
      SetRowSelect(ARow, State);
      return true;
    default:
      return false;
  }
}

bool TDedAdararAdoz::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State) {
  const TFoundCheck f = FindCheck(this, ACol, ARow);
  if (f.Graphic == nullptr || f.Graphic->CellType != ctTriStateCheckBox) return false;
  f.Graphic->CellCheckBoxState = State;
  if (f.DisplayRow >= 0) RepaintCell(DisplColIndexOf(ACol), f.DisplayRow);
  return true;
}

bool TDedAdararAdoz::ChangeCheckBoxState(int ACol, int ARow, bool Value) {
  const int realRow = NumHiddenRows() > 0 ? RealRowIndex(ARow) : ARow;
  const TFoundCheck f = FindCheck(this, ACol, realRow);
  if (f.Graphic == nullptr) return false;
  std::string checkTrue, checkFalse;
  switch (f.Graphic->CellType) {
    case ctCheckBox:
      if (Value != f.Graphic->CellBoolean) {
        f.Graphic->CellBoolean = Value;
        DoCheckBoxChange(ACol, ARow, Value);
        RepaintCell(DisplColIndexOf(ACol), ARow);
      }
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      GetCheckTrue(ACol, ARow, checkTrue);
      GetCheckFalse(ACol, ARow, checkFalse);
      const bool old = f.Text == checkTrue;
      SetCellEx(ACol, ARow, Value ? checkTrue : checkFalse);
      if (Value != old) DoCheckBoxChange(ACol, ARow, Value);
      return true;
    }
    case ctRowCheckBox:
      if (ACol != 0) return false;
      if (Value != RowSelect(ARow)) {
        SetRowSelect(ARow, Value);
        DoCheckBoxChange(ACol, ARow, Value);
      }
      return true;
    default:
      return false;
  }
}

void TDedAdararAdoz::CheckAll(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, true);
  if (NumHiddenColumns() > 0) RepaintCol(DisplColIndexOf(ACol));
}

void TDedAdararAdoz::UnCheckAll(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, false);
}

// ---------------------------------------------------------------------------
// Toggling

bool TDedAdararAdoz::ToggleCheckBoxCell(int ACol, int ARow, bool CheckEditable) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr || !IsCheckKind(g->CellType)) return false;
  const bool group = FGrouping->AutoCheckGroup();
  const bool nodeRow = group && IsNodeRow(ARow);
  int span = 0, parent = -1;
  bool contracted = false;
  if (group) {
    if (nodeRow) {
      span = NodeSpanOf(ARow);
      contracted = GetCellGraphic(0, ARow)->CellBoolean;
    } else {
      parent = ParentNodeRow(ARow);
      if (parent >= 0) span = NodeSpanOf(parent);
    }
  }
  if (CheckEditable && !FControlLook->CheckAlwaysActive()) {
    bool canEdit = true;
    CanEditCell(ACol, ARow, canEdit);
    if (!canEdit) return false;
  }

  const std::string oldText = GetCellEx(ACol, ARow);
  std::string checkTrue, checkFalse;
  GetCheckTrue(ACol, ARow, checkTrue);
  GetCheckFalse(ACol, ARow, checkFalse);
  bool state = false;
  switch (g->CellType) {
    case ctCheckBox:
      g->CellBoolean = !g->CellBoolean;
      state = g->CellBoolean;
      break;
    case ctTriStateCheckBox:
      if (nodeRow) {
        g->CellCheckBoxState = g->CellCheckBoxState == cbChecked ? cbUnchecked : cbChecked;
        state = g->CellCheckBoxState == cbChecked;
      } else {
        g->CellCheckBoxState = g->CellCheckBoxState == cbUnchecked ? cbGrayed
                               : g->CellCheckBoxState == cbGrayed  ? cbChecked
                                                                   : cbUnchecked;
        state = false;
      }
      break;
    default:  // the data kinds: the text is the state
      state = oldText != checkTrue;
      SetCellEx(ACol, ARow, state ? checkTrue : checkFalse);
      break;
  }
  RepaintCell(DisplColIndexOf(ACol), ARow);
  DoCheckBoxChange(ACol, ARow, state);

  if (group && nodeRow) {
    // The node's rows follow it.
    const int real = RealRowIndex(ARow);
    for (int k = 1; k < span; ++k)
      SetCheckBoxState(ACol, contracted ? real + k : RealRowIndex(ARow + k), state);
  } else if (group && parent >= 0) {
    // The node shows whether its rows agree.
    bool first = false, mixed = false, seen = false;
    for (int r = parent + 1; r < parent + span && r < RowCount(); ++r) {
      bool s = false;
      if (!GetCheckBoxState(ACol, RealRowIndex(r), s)) continue;
      if (!seen) {
        first = s;
        seen = true;
      } else if (s != first) {
        mixed = true;
      }
    }
    if (seen) SetCheckBoxState(ACol, RealRowIndex(parent), mixed ? cbGrayed : BoolToCheckBoxState(first));
  }

  if (FUndoRedo != nullptr) {
    // The change the cell's text really made: a data check box's state is
    // its text, and its own flag never follows it.
    const std::string newText = GetCellEx(ACol, ARow);
    if (newText != oldText)
      FUndoRedo->RegisterChange(ACol, ARow, oldText, newText);
    else if (g->CellType == ctCheckBox)
      FUndoRedo->RegisterChange(ACol, ARow, g->CellBoolean ? checkFalse : checkTrue,
                                g->CellBoolean ? checkTrue : checkFalse);
  }
  return true;
}

bool TDedAdararAdoz::IsInCheckBox(int ACol, int ARow, int XPos, int YPos) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr || (!IsCheckKind(g->CellType) && g->CellType != ctRadioButton)) return false;
  if (!FMouseActions->PreciseCheckBoxCheck()) return true;
  const TRect r = CellRect(DisplColIndexOf(ACol), ARow);
  const int z = FControlLook->CheckSize();
  int top;
  switch (g->CellVAlign) {
    case vaBottom:
      top = r.Bottom - z - 2;
      break;
    case vaCenter:
      top = r.Top + (r.Height() - z) / 2;
      break;
    default:
      top = r.Top + 2;
      break;
  }
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  CalcCellAlignment(ACol, ARow, ha, va);
  int left;
  switch (ha) {
    case taRightJustify: {
      left = r.Right - z - 2;
      const std::string text = GetCellEx(ACol, ARow);
      if (!text.empty() && g->CellType != ctDataCheckBox && g->CellType != ctVirtCheckBox) {
        Canvas()->Font()->Assign(GetCellFont(ACol, ARow));
        left -= Canvas()->TextWidth(text);
      }
      break;
    }
    case taCenter:
      left = r.Left + (r.Width() - z) / 2;
      break;
    default:
      left = r.Left + 2;
      break;
  }
  return XPos >= left && XPos < left + z && YPos >= top && YPos < top + z;
}

// ---------------------------------------------------------------------------
// Radio buttons

void TDedAdararAdoz::AddRadioButton(int ACol, int ARow, bool State) {
  if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= TotalRowCount())
    throw EDivUzevError("Invalid cell");
  CreateCellGraphic(ACol, ARow)->SetRadioButton(State, true, haBeforeText, VAlignOf(FVAlignment));
}

void TDedAdararAdoz::AddRadioButtonColumn(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TDedAdararAdoz::RemoveRadioButton(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctRadioButton);
}

void TDedAdararAdoz::RemoveRadioButtonColumn(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (HasRadioButton(ACol, r)) RemoveRadioButton(ACol, r);
}

bool TDedAdararAdoz::HasRadioButton(int ACol, int ARow) {
  return IsCellTypeInSet(ACol, ARow, TCellTypes{ctRadioButton});
}

bool TDedAdararAdoz::IsRadioButtonChecked(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return false;
  const TGridCoord b = BaseCell(ACol, ARow);
  TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  return g != nullptr && g->CellType == ctRadioButton && g->CellBoolean;
}

bool TDedAdararAdoz::SetRadioButtonState(int ACol, int ARow, bool State) {
  if (ACol < 0 || ARow < 0) return false;
  const TGridCoord b = BaseCell(ACol, ARow);
  TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  if (g == nullptr || g->CellType != ctRadioButton) return false;
  if (g->CellBoolean != State) {
    g->CellBoolean = State;
    RepaintCell(DisplColIndexOf(ACol), ARow);
  }
  return true;
}

void TDedAdararAdoz::SetRadioButtonColumnIndex(int ACol, int Index) {
  for (int r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}

int TDedAdararAdoz::GetRadioButtonColumnIndex(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (IsRadioButtonChecked(ACol, r)) return r;
  return -1;
}

bool TDedAdararAdoz::ToggleRadioButtonCell(int ACol, int ARow, bool CheckEditable) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr || g->CellType != ctRadioButton) return false;
  if (CheckEditable && !FControlLook->CheckAlwaysActive()) {
    bool canEdit = true;
    CanEditCell(ACol, ARow, canEdit);
    if (!canEdit) return false;
  }
  if (g->CellBoolean) return true;
  g->CellBoolean = true;
  RepaintCell(DisplColIndexOf(ACol), ARow);
  for (int r = 0; r < RowCount(); ++r) {
    if (r == ARow) continue;
    TCellGraphic* other = GetCellGraphic(ACol, r);
    if (other != nullptr && other->CellType == ctRadioButton && other->CellBoolean) {
      other->CellBoolean = false;
      RepaintCell(DisplColIndexOf(ACol), r);
    }
  }
  return true;
}

// ---------------------------------------------------------------------------
// Tree nodes as column 0's graphics hold them (the group rule reads them).

bool TDedAdararAdoz::IsNodeRow(int ARow) { return GetCellType(0, ARow) == ctNode; }

int TDedAdararAdoz::NodeSpanOf(int ARow) {
  TCellGraphic* g = GetCellGraphic(0, ARow);
  if (g == nullptr || g->CellType != ctNode) return 0;
  if (g->CellIndex > 0) return g->CellIndex;
  // Up to the next node row.
  int r = ARow + 1;
  while (r < RowCount() && !IsNodeRow(r)) ++r;
  return r - ARow;
}

int TDedAdararAdoz::ParentNodeRow(int ARow) {
  for (int r = ARow - 1; r >= 0; --r)
    if (IsNodeRow(r) && r + NodeSpanOf(r) > ARow) return r;
  return -1;
}
