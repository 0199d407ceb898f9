// The footer row's calculations, the listeners and change notifiers the
// grid tells, and small services other parts of the grid call: editability,
// the cell under a screen point, the selection write, the dialog code.
#include <algorithm>
#include <string>

#include "framework/controls/Messages.h"
#include "grid/model/DivUzev.h"

// ---------------------------------------------------------------------------
// Footer calculation

double TDedAdararAdoz::FooterValue(int ACol, TColumnCalcType Kind, int FromRow, int ToRow, bool RealRows) {
  const int real = RealRows ? 1 : 0;
  // The aggregate kinds of the calculations: sum, average, minimum,
  // maximum, deviation.
  switch (Kind) {
    case acSUM:
      return ColumnAggregate(ACol, FromRow, ToRow, 0, real);
    case acAVG:
      return ColumnAggregate(ACol, FromRow, ToRow, 1, real);
    case acMIN:
      return ColumnAggregate(ACol, FromRow, ToRow, 2, real);
    case acMAX:
      return ColumnAggregate(ACol, FromRow, ToRow, 3, real);
    case acSTDDEV:
      return ColumnAggregate(ACol, FromRow, ToRow, 4, real);
    case acDISTINCT:
      return DistinctCount(ACol, FromRow, ToRow, real);
    default:
      return 0;
  }
}

void TDedAdararAdoz::DoCalcFooter(int ACol) {
  if (!FFloatingFooter->Visible() || FFloatingFooter->FooterStyle() != fsFixedLastRow ||
      !FFloatingFooter->EnableCalculation())
    return;
  const int first = ACol == -1 ? 0 : ACol;
  const int last = ACol == -1 ? TotalColCount() - 1 : ACol;
  const int n = RowCount();
  const int hidden = FFloatingFooter->CalculateHiddenRows() ? NumHiddenRows() : 0;
  // With hidden rows counted the range runs over real rows, past the
  // footer's own display row, so it always reads them as real rows.
  const int from = FixedRows();
  const int to = n - 2 + hidden;
  for (int c = first; c <= last; ++c) {
    if (c < 0 || !HasCellProperties(c, n - 1)) continue;
    const auto kind =
        static_cast<TColumnCalcType>(static_cast<int>(GetGridObject(c, n - 1)->CalcType()) & 0x7F);
    switch (kind) {
      case acNONE:
      case acSPREAD:
        break;
      case acCOUNT:
        SetInts(c, n - 1, n - FixedRows() - 1 + hidden);
        break;
      case acCUSTOM: {
        std::string value;
        if (OnFooterCalc)
          OnFooterCalc(this, c, n - 1 + hidden, value);
        else if (FFloatingFooter->OnCalcFooter)
          FFloatingFooter->OnCalcFooter(this, c, n - 1 + hidden, value);
        SetCellEx(c, n - 1, value);
        break;
      }
      default:
        SetFloats(c, n - 1, FooterValue(c, kind, from, to, hidden > 0));
        break;
    }
  }
}

void TDedAdararAdoz::CalcFooter(int ACol) { DoCalcFooter(ACol); }

void TDedAdararAdoz::UpdateFooter() {
  if (FFooterPanel != nullptr) FFooterPanel->Invalidate();
}

void TDedAdararAdoz::LastRowChanged() {
  TBaseGrid::LastRowChanged();
  UpdateFooter();
}

// ---------------------------------------------------------------------------
// Notifiers

void TDedAdararAdoz::RegisterNotifier(TGridChangeNotifier* ANotifier) {
  if (ANotifier == nullptr) return;
  if (std::find(FNotifiers.begin(), FNotifiers.end(), ANotifier) != FNotifiers.end()) return;
  FNotifiers.push_back(ANotifier);
  FreeNotification(ANotifier);
}

void TDedAdararAdoz::UnRegisterNotifier(TGridChangeNotifier* ANotifier) {
  auto it = std::find(FNotifiers.begin(), FNotifiers.end(), ANotifier);
  if (it != FNotifiers.end()) FNotifiers.erase(it);
}

// ---------------------------------------------------------------------------
// Small services

bool TDedAdararAdoz::IsEditable(int ACol, int ARow) {
  if (!Options().Contains(goEditing) && !FMouseActions->RangeSelectAndEdit() && !FEditDisable) return false;
  int rc = RealColIndex(ACol);
  int r = ARow;
  if (IsMergedNonBaseCell(rc, r)) {
    const TGridCoord b = BaseCell(rc, r);
    rc = b.X;
    r = b.Y;
  }
  bool canEdit = true;
  CanEditCell(rc, r, canEdit);
  bool fixed = false;
  IsFixedCell(rc, r, fixed);
  return canEdit && !fixed;
}

bool TDedAdararAdoz::QueryPasswordCell(int ACol, int ARow) {
  bool password = false;
  IsPasswordCell(ACol, ARow, password);
  return password;
}

void TDedAdararAdoz::ScreenToCell(TPoint pt, int& ACol, int& ARow) {
  const TPoint p = ScreenToClient(pt);
  MouseToCell(p.X, p.Y, ACol, ARow);
}

void TDedAdararAdoz::SetSelection(const TGridRect& Value) {
  TBaseGrid::SetSelection(Value);
  if (FActiveCellShow) {
    RepaintRow(0);
    RepaintCol(0);
  }
  if (ActiveRowShow()) RepaintRow(std::max(Value.Top, Value.Bottom));
}

void TDedAdararAdoz::WMGetDlgCode(TMessage& Message) {
  TBaseGrid::WMGetDlgCode(Message);
  // Typed characters reach the grid also while it does not edit
  // (incremental search).
  if (FNavigation->AutoGotoWhenSorted() || !Options().Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
}
