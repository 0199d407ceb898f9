// Cell selection of TDedAdararAdoz: what happens before the current cell
// moves (editing closed or re-armed, validation, merged cells, footers,
// row-change report), and the small hooks through which other parts of the
// grid hand over a decision or announce a change.
#include <algorithm>

#include "framework/classes/StringList.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevEditors.h"

namespace {
// Sets a flag for a scope.
struct TFlagGuard {
  bool& flag;
  bool saved;
  explicit TFlagGuard(bool& Flag) : flag(Flag), saved(Flag) { flag = true; }
  ~TFlagGuard() { flag = saved; }
  TFlagGuard(const TFlagGuard&) = delete;
  TFlagGuard& operator=(const TFlagGuard&) = delete;
};
}  // namespace

// ---------------------------------------------------------------------------
// Changing events

void TDedAdararAdoz::CellChanging(int ACol, int ARow, bool& Allow) {
  if (ARow != Row() && OnRowChanging) OnRowChanging(this, Row(), ARow, Allow);
  if (ACol != Col() && OnColChanging) OnColChanging(this, Col(), ACol, Allow);
  if (ACol == Col() && ARow == Row()) return;
  if (OnCellChanging && !FDisableChange) OnCellChanging(this, Row(), Col(), ARow, ACol, Allow);
}

// ---------------------------------------------------------------------------
// The cell-selection answer

bool TDedAdararAdoz::SelectCell(int ACol, int ARow) {
  const bool indicator = !FRowIndicator->Empty() && FixedCols() > 0;
  if (FForceSel) {
    if (indicator) {
      RepaintCell(0, Row());
      if (ARow >= 0) RepaintCell(0, ARow);
    }
    return true;
  }
  if (Parent() == nullptr) return true;

  FEditText = ACol >= 0 && ARow >= 0 ? GetGridCell(RealColIndex(ACol), ARow) : std::string();
  const int searchHeight =
      FSearchFooter->Visible() && FSearchPanel != nullptr ? FSearchPanel->Height() + 2 : 0;

  // Footers keep the target row above them.
  if (FFloatingFooter->Visible() && ACol >= 0 && ARow >= 0) {
    const int footer = FFooterPanel != nullptr ? FFooterPanel->Height() : 0;
    if (FFloatingFooter->FooterStyle() == fsFixedLastRow) {
      if (ARow >= TopRow() + VisibleRowCount()) SetTopRow(ARow + FixedRows() - VisibleRowCount());
      if (CellRect(ACol, ARow).Bottom > ClientHeight() - footer - searchHeight + 2 && ARow < RowCount() - 1)
        SetTopRow(TopRow() + 1);
      // The footer covers the last row: it never becomes current.
      if (ARow == RowCount() - 1) return false;
    } else {
      if (FFooterPanel != nullptr) FFooterPanel->Invalidate();
      if (CellRect(ACol, ARow).Bottom > ClientHeight() - footer - searchHeight + 2 && ARow < RowCount())
        SetTopRow(TopRow() + 1);
    }
  }
  if (FSearchFooter->Visible() && FSearchPanel != nullptr && ACol >= 0 && ARow >= 0) {
    int guard = RowCount();
    while (guard-- > 0 && CellRect(ACol, ARow).Bottom > ClientHeight() - FSearchPanel->Height() + 2 &&
           ARow < RowCount() && TopRow() < RowCount() - 1) {
      const int before = TopRow();
      SetTopRow(TopRow() + 1);
      if (TopRow() == before) break;
    }
  }
  if (ACol < 0 || ARow < 0) return false;

  // A covered cell of a merged area: its base cell becomes current instead.
  if (!Options().Contains(goRangeSelect) && IsMergedNonBaseCell(RealColIndex(ACol), ARow)) {
    const TGridCoord b = BaseCell(RealColIndex(ACol), ARow);
    const int bc = DisplColIndexOf(b.X);
    FocusCellMove(bc, b.Y);
    RepaintCell(bc, b.Y);
    if (FMouseActions->DirectEdit() || (FControlLook->DropDownAlwaysVisible() && HasComboBox(ACol, ARow)))
      ShowInplaceEdit();
    return false;
  }
  if (ACol == 0 && HasNodes() && !Options().Contains(goRowSelect)) return false;
  if (FUseEnabledRows && FNavigation->SkipDisabledRows() && !RowEnabled(ARow)) return false;

  const TGridRect oldSel = Selection();
  const int oldCol = Col(), oldRow = Row();
  const int rc = RealColIndex(ACol);
  std::string t = GetGridCell(rc, ARow);

  // Editability of the target.
  if (HasControlGraphic(rc, ARow)) {
    bool ce = true;
    CanEditCell(rc, ARow, ce);
    if (!FEditDisable)
      FEditDisable = !ce && (Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit());
    if (!Options().Contains(goEditing) && !Options().Contains(goRowSelect) && ce) {
      FOptionsEditChange = true;
      SetOptions(Options() << goEditing);
    }
  } else {
    bool ce = Options().Contains(goEditing) || FEditDisable;
    CanEditCell(rc, ARow, ce);
    if (ce && FMouseActions->DirectEdit()) {
      FEditControl = FDefaultEditor;
      if (QueryEditorType(rc, ARow)) ce = false;
    }
    if (FMouseActions->EditOnDblClickOnly()) ce = false;
    if (ce) {
      FEditDisable = false;
      if (!Options().Contains(goEditing)) {
        FOptionsEditChange = true;
        if (!FEditing) SaveOldCell(ACol, ARow);
        TGridOptions o = Options();
        if (o.Contains(goRowSelect) && FMouseActions->RangeSelectAndEdit()) o >> goRowSelect;
        SetOptions(o << goEditing);
      }
    } else if (Options().Contains(goEditing)) {
      if (FEditMode && FSpecialEditor) {
        TFlagGuard quiet(FSelectHide);
        HideInplaceEdit();
        t = GetGridCell(rc, ARow);
      }
      FEditMode = false;
      FEditDisable = true;
      FOptionsEditChange = true;
      SetOptions(Options() >> goEditing);
      SetEditorMode(false);
    }
  }
  // A control editor closes before the move, its value written; the text
  // editor wrote its text as it went and the framework hides it after.
  if (FEditMode && FSpecialEditor && !FValidating) {
    TFlagGuard quiet(FSelectHide);
    HideInplaceEdit();
    t = GetGridCell(rc, ARow);
  }

  // The move decision. An edit not yet validated (the keys that leave the
  // text editor validate before the move) is validated now, whichever
  // editor it was: a click elsewhere ends it like any other way out.
  bool result = false;
  if (!FEditing) {
    bool allow = true;
    CellChanging(ACol, ARow, allow);
    if (IsFixed(ACol, ARow) || !allow)
      result = (allow && Options().Contains(goRowSelect)) || (FFixedRowAlways && RowCount() == FixedRows());
    else
      result = TBaseGrid::SelectCell(ACol, ARow);
  } else {
    const std::string saved = FCellCache;
    const TGridCoord b = BaseCell(RealCol(), Row());
    const std::string current = GetGridCell(b.X, b.Y);
    if (ClassifyCellText(current, false) == 5)
      result = ValidateCellWide(current);
    else
      result = ValidateCell(current);
    bool allow = true;
    CellChanging(ACol, ARow, allow);
    if (!allow) result = false;
    if (result) result = TBaseGrid::SelectCell(ACol, ARow);
    if (!result) t = saved;
  }

  if (indicator) {
    RepaintCell(0, oldRow);
    RepaintCell(0, ARow);
  }
  NotifySelectionListener(Col(), ARow);
  if (FActiveCellShow) {
    RepaintCell(oldCol, oldRow);
    RepaintCell(ACol, ARow);
    if (oldSel.Left != oldCol && oldSel.Top != oldRow) RepaintCell(oldSel.Left, oldSel.Top);
  }
  if (ActiveRowShow()) {
    RepaintRow(ARow);
    RepaintRow(oldSel.Top);
  }
  if (FSelectionRectangle) RepaintRect(oldSel);
  // Only a move that happens is reported.
  if (result && !ComponentState().Contains(csLoading) && ARow != Row() && ARow != FOldRowSel &&
      OnRowChanged) {
    const int old = FOldRowSel >= 0 ? FOldRowSel : Row();
    FOldRowSel = ARow;
    OnRowChanged(this, old, ARow);
  }
  if (HasCellBorders())
    for (int r = oldSel.Top; r <= oldSel.Bottom && r < RowCount(); ++r) RepaintRow(r);
  FCellCache = t;
  return result;
}

// ---------------------------------------------------------------------------
// Event hooks

void TDedAdararAdoz::DoCheckBoxClick(int ACol, int ARow, bool State) {
  if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

void TDedAdararAdoz::DoClickSort(int ACol) {
  if (OnClickSort) OnClickSort(this, ACol);
}

void TDedAdararAdoz::GetPrintPageNum(int PageNum, int PageColNum, std::string& PageNumString) {
  if (OnPrintGetPageNum) OnPrintGetPageNum(this, PageNum, PageColNum, PageNumString);
}

void TDedAdararAdoz::DoScrollCell(int ACol, int ARow) {
  if (!OnScrollCell) return;
  TScrollBar* bar = FCellScrollBars[0];
  if (bar == nullptr) return;
  OnScrollCell(this, ACol, ARow, bar->Position(), bar->Min(), bar->Max());
}

bool TDedAdararAdoz::CanShowFixedDropDown(int ACol, int) {
  bool can = true;
  if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, can);
  return can;
}

void TDedAdararAdoz::DoStartBlockFocus() {
  if (OnStartBlockFocus) OnStartBlockFocus(this);
}

void TDedAdararAdoz::DoEndBlockFocus() {
  if (OnEndBlockFocus) OnEndBlockFocus(this);
}

// ---------------------------------------------------------------------------
// Export text and the grid's hooks

void TDedAdararAdoz::SaveCell(int ACol, int ARow, std::string& Value) {
  Value = FSaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
  if (Value.empty()) {
    const TCellType kind = GetCellType(ACol, ARow);
    if (kind == ctCheckBox || kind == ctTriStateCheckBox) {
      bool checked = false;
      if (TCellGraphic* g = GetCellGraphic(ACol, ARow))
        checked = kind == ctCheckBox ? g->CellBoolean : g->CellCheckBoxState == cbChecked;
      if (checked)
        GetCheckTrue(ACol, ARow, Value);
      else
        GetCheckFalse(ACol, ARow, Value);
    }
  }
  switch (ClassifyCellText(Value, FEnableHTML)) {
    case 1:
      if (!FSaveWithHTML) Value = MarkupToPlainText(Value);
      break;
    case 2:
      // Rich text keeps its RTF on one line, or leaves as its plain text.
      if (FSaveWithRTF)
        Value.erase(std::remove_if(Value.begin(), Value.end(), [](char c) { return c == '\r' || c == '\n'; }),
                    Value.end());
      else
        Value = RichTextToPlain(Value);
      break;
    default:
      break;
  }
  if (OnSaveCell) OnSaveCell(this, ACol, ARow, Value);
}

void TDedAdararAdoz::LoadCell(int ACol, int ARow, std::string& Value) {
  if (OnLoadCell) OnLoadCell(this, ACol, ARow, Value);
  SetGridCell(ACol, ARow, Value);
}

std::string TDedAdararAdoz::GetCellText(int ACol, int ARow) { return GetCellEx(ACol, ARow); }

void TDedAdararAdoz::AutoInsertRow(int ARow) {
  if (!HasNodes()) {
    InsertRows(ARow, 1);
  } else if (GetParentRow(DisplRowIndex(ARow)) == -1) {
    InsertNormalRow(ARow);
  } else {
    // A row inside a node joins it.
    InsertChildRow(ARow, 0);
  }
}

void TDedAdararAdoz::AutoDeleteRow(int ARow) {
  if (HasNodes()) {
    if (GetParentRow(DisplRowIndex(ARow)) == -1)
      RemoveNormalRow(DisplRowIndex(ARow));
    else
      RemoveChildRow(ARow);
  } else if (RowCount() - FixedRows() - FFixedFooters != 1 || FFixedRowAlways)
    RemoveRowsInternal(ARow, 1);
  else
    // The last normal row is emptied, never removed.
    ClearRect(0, ARow, TotalColCount() - 1, ARow);
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

void TDedAdararAdoz::SelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
  if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) RepaintRect(Selection());
  FSelChange = true;
  if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TDedAdararAdoz::GetFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Items) {
  if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, AEditor, Items);
}

void TDedAdararAdoz::DoFilterDone() {
  if (OnFilterDone) OnFilterDone(this);
}

void TDedAdararAdoz::ExportNotification(int, int) {}
void TDedAdararAdoz::ImportNotification(int, int) {}
void TDedAdararAdoz::EditCaretChanged(const std::string&, int) {}
