// Moving on from cell to cell: the Tab navigation, the advance after an
// edit closed with Enter, the character message (the editor opened by
// typing) and the key press (Escape, Enter, the incremental search).
// Both walks end: over a grid whose remaining cells are all read-only they
// stop where they started.
#include <algorithm>

#include "framework/rtl/StrUtils.h"
#include "grid/model/DivUzev.h"

namespace {

bool IsTextKind(TEditorType T) {
  switch (T) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edPositiveFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
      return true;
    default:
      return false;
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Tab

// One step of the Tab navigation from the current cell; false when the Tab
// was handed on to the parent window.
bool TDedAdararAdoz::TabAdvanceStep(bool Backward) {
  const int vfr = VisibleFixedRightCols();
  const int lastCol = ColCount() - vfr - 1;
  const int lastData = LastDataRow();
  const int fnc = FirstNormalCol();
  auto handOn = [&]() {
    if (Parent() != nullptr && FNavigation->TabToNextAtEnd()) {
      if (Parent()->HandleAllocated()) PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_TAB, 0);
      return false;
    }
    return true;
  };
  auto isBase = [&](int c, int r) {
    const TGridCoord b = BaseCell(c, r);
    return b.X == c && b.Y == r;
  };
  auto moveForced = [&](int c, int r) {
    const bool saved = FForceSel;
    FForceSel = true;
    try {
      FocusCellMove(c, r);
    } catch (...) {
      FForceSel = saved;
      throw;
    }
    FForceSel = saved;
  };

  if (Backward) {
    if (FNavigation->TabAdvanceDirection() != adLeftRight) {
      if (Row() > FixedRows()) {
        SetRow(Row() - 1);
      } else {
        const int c = Col() > fnc ? Col() - 1 : lastCol;
        FocusCellMove(c, lastData);
      }
      return true;
    }
    if (Col() > fnc) {
      int c = Col() - 1;
      while (c >= fnc && !(IsSelectableCell(c, Row()) && isBase(c, Row()))) --c;
      if (c >= fnc) {
        SetCol(c);
      } else if (Row() > FixedRows()) {
        const int l = LastSelectableCol(Row() - 1);
        if (l >= 0) FocusCellMove(l, Row() - 1);
      } else {
        const int l = LastSelectableCol(lastData);
        if (l >= 0) {
          FocusCellMove(l, lastData);
          ScrollInView(l, lastData);
        }
      }
      MoveToBaseCell();
      return true;
    }
    int c = lastCol;
    while (c > FixedCols() && !IsSelectableCell(c, Row())) --c;
    const int r = Row() > FixedRows() ? Row() - 1 : lastData;
    FocusCellMove(std::max(c, FixedCols()), r);
    return true;
  }

  const TGridCoord span = CellSpan(RealCol(), Row());
  if (FNavigation->TabAdvanceDirection() != adLeftRight) {
    if (Row() + span.Y + 1 < RowCount() - FFixedFooters) {
      SetRow(Row() + span.Y + 1);
      return true;
    }
    GotoFirstRow();
    if (Col() < lastCol) {
      SetCol(Col() + 1);
      return true;
    }
    SetCol(fnc);
    return handOn();
  }
  if (Col() + span.X + 1 < ColCount() - vfr) {
    int c = Col() + span.X + 1;
    while (c < ColCount() - vfr && !IsSelectableCell(c, Row())) ++c;
    if (c >= ColCount() - vfr) {
      bool result = true;
      if (Row() < lastData) {
        const int n = FirstSelectableCol(Row() + 1);
        bool allow = true;
        if (OnRowChanging) OnRowChanging(this, Row(), Row() + 1, allow);
        if (OnCellChanging) OnCellChanging(this, Row(), Col(), Row() + 1, n, allow);
        if (OnColChanging) OnColChanging(this, Col(), n, allow);
        if (allow) moveForced(n < 0 ? FixedCols() : n, Row() + 1);
      } else {
        const int n = FirstSelectableCol(FixedRows());
        if (n >= 0) moveForced(n, FixedRows());
        result = handOn();
      }
      return result;
    }
    SetCol(c);
    return true;
  }
  if (Row() < lastData) {
    for (int c = fnc; c < ColCount(); ++c) {
      if (isBase(c, Row() + 1) && IsSelectableCell(c, Row() + 1)) {
        moveForced(c, Row() + 1);
        return true;
      }
    }
    for (int r = Row() + 2; r <= lastData; ++r) {
      const int c = FirstSelectableCol(r);
      if (c >= 0) {
        moveForced(c, r);
        return true;
      }
    }
    FocusCellMove(ColCount() - 1, RowCount() - 1);
    return true;
  }
  // The last data row.
  if (FNavigation->TabToNextAtEnd() || !FNavigation->AdvanceInsert()) {
    GotoFirstRow();
  } else {
    bool can = true;
    CanAddRow(can);
    if (!can) {
      GotoFirstRow();
    } else {
      if (FFloatingFooter->Visible()) {
        InsertRows(RowCount() - 1, 1);
        SetRow(RowCount() - 2);
      } else {
        SetRowCount(RowCount() + 1);
        SetRow(RowCount() - 1);
      }
      if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
    }
  }
  const int c = FirstSelectableCol(Row());
  if (c >= 0) SetCol(c);
  return handOn();
}

bool TDedAdararAdoz::TabAdvance(bool Backward) {
  if (OnKeyDown) {
    WORD key = VK_TAB;
    OnKeyDown(this, key, Backward ? TShiftState{ssShift} : TShiftState{});
    if (key != VK_TAB) return true;
  }
  // The outermost call keeps the cell it started on: a walk that comes back
  // to it stops there, however the cells are laid out.
  const bool outer = FLastTabCell.X < 0;
  if (!outer) return true;
  FLastTabCell = TGridCoord(Col(), Row());
  struct TGuardEnd {
    TGridCoord& C;
    ~TGuardEnd() { C = TGridCoord(-1, -1); }
  } guardEnd{FLastTabCell};
  bool result = true;
  // Each step moves on; every cell is visited at most once before the walk
  // comes round to its start.
  const int64_t bound = static_cast<int64_t>(ColCount()) * RowCount() + 2;
  for (int64_t i = 0; i < bound; ++i) {
    const TGridCoord before(Col(), Row());
    result = TabAdvanceStep(Backward);
    if (!result) break;
    const TGridCoord now(Col(), Row());
    if (now == FLastTabCell || now == before) break;
    const TGridCoord b = BaseCell(now.X, now.Y);
    if (!Backward && (b.X != now.X || b.Y != now.Y)) continue;
    if (EditingGrid() && !IsEditableCell(RealCol(), Row())) continue;
    break;
  }
  if (FNavigation->AdvanceAutoEdit() && !HasControlGraphic(RealCol(), Row()) && Options().Contains(goEditing))
    SimulateCellClick(Col(), Row());
  if (FNavigation->AlwaysEdit() && CanFocus()) SetFocus();
  return result;
}

// ---------------------------------------------------------------------------
// Enter after an edit

void TDedAdararAdoz::EnterAdvance(int ACol, int ARow, bool Always) {
  AdvanceCell(ACol, ARow, false, false, true, false, Always);
}

void TDedAdararAdoz::AdvanceCell(int ACol, int ARow, bool ShowEditor, bool IsRepeat, bool Forward,
                                 bool AutoEdit, bool Force) {
  if (!FNavigation->AdvanceOnEnter() && !Force) return;
  if (FMouseActions->RangeSelectAndEdit() && !Options().Contains(goEditing))
    SetOptions(Options() << goEditing);
  if (!IsRepeat) {
    FAECol = ACol;
    FAERow = ARow;
  }
  FStartEditChar = 0;
  // Read-only cells are skipped one after the other; the walk ends at the
  // latest when it has seen every cell or comes back to where it started.
  const int64_t bound = static_cast<int64_t>(ColCount()) * RowCount() + 2;
  int c = ACol, r = ARow;
  for (int64_t step = 0;; ++step) {
    const TGridCoord s = CellSpan(RealColIndex(c), r);
    const int vfr = VisibleFixedRightCols();
    const int lastData = LastDataRow();
    const int fnc = FirstNormalCol();
    const TAdvanceDirection dir = FNavigation->AdvanceDirection();
    int nc = c, nr = r;
    bool addedRow = false;
    if (Forward && (dir == adLeftRight || dir == adLeftRightInRow)) {
      if (c + s.X < ColCount() - vfr - 1) {
        nc = c + s.X + 1;
      } else if (dir == adLeftRight) {
        if (r >= lastData && FNavigation->AdvanceInsert()) {
          bool can = true;
          CanAddRow(can);
          nc = fnc;
          if (can) {
            AddRow();
            nr = r + 1;
            addedRow = true;
            if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
            bool any = false;
            for (int x = FixedCols(); x < ColCount() && !any; ++x) any = IsEditableCell(RealColIndex(x), nr);
            if (!any) return;
          }
        } else if (r >= lastData) {
          if (FNavigation->AdvanceOnEnterLoop()) {
            nc = fnc;
            nr = FixedRows();
          }
        } else {
          nc = fnc;
          nr = r + 1;
        }
      } else if (FNavigation->AdvanceOnEnterLoop()) {
        nc = fnc;
      }
    } else if (Forward) {
      if (r < lastData) {
        nr = r + 1;
      } else if (dir == adTopBottomInCol) {
        nr = FixedRows();
      } else {
        if (c + 1 != ColCount() - FFixedRightCols) {
          nc = c + 1 >= ColCount() ? fnc : c + 1;
          nr = FixedRows();
        } else if (FNavigation->AdvanceInsert()) {
          SetColCount(ColCount() + 1);
          nc = c + s.X + 1;
          nr = FixedRows();
          if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
        } else {
          nc = fnc;
          nr = FixedRows();
        }
        InvalidateGrid();
      }
    } else if (dir == adLeftRight) {
      if (c > fnc) {
        nc = c - 1;
      } else {
        nc = ColCount() - vfr - 1;
        nr = r > FixedRows() ? r - 1 : lastData;
      }
    } else if (dir == adTopBottom) {
      if (r > FixedRows()) {
        nr = r - 1;
      } else {
        nr = lastData;
        nc = c > fnc ? c - 1 : ColCount() - vfr - 1;
      }
    }
    nc = std::clamp(nc, 0, ColCount() - 1);
    nr = std::clamp(nr, 0, RowCount() - 1);
    const bool stays = nc == c && nr == r;
    const bool backAtStart = nc == FAECol && nr == FAERow;

    bool canEdit = true;
    CanEditCell(RealColIndex(nc), nr, canEdit);
    if (!canEdit && FNavigation->AdvanceSkipReadOnlyCells() && !addedRow) {
      // A cell that stays, or a walk round to the start, ends the advance
      // on the start cell.
      if (stays || backAtStart || step >= bound) return;
      c = nc;
      r = nr;
      IsRepeat = true;
      continue;
    }
    if (canEdit) {
      bool allow = true;
      int tr = nr, tc = nc;
      if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, tr, tc, allow);
      if (!allow) {
        SelectCell(FAECol, FAERow);
        return;
      }
      if (OnCellChanging) OnCellChanging(this, FAERow, FAECol, tr, tc, allow);
      {
        const bool saved = FDisableChange;
        FDisableChange = true;
        try {
          if (allow) {
            SetCol(std::clamp(tc, 0, ColCount() - 1));
            SetRow(std::clamp(tr, 0, RowCount() - 1));
          } else {
            SelectCell(FAECol, FAERow);
          }
        } catch (...) {
          FDisableChange = saved;
          throw;
        }
        FDisableChange = saved;
      }
      if (!allow) return;
    } else {
      FocusCellMove(nc, nr);
    }
    if (ShowEditor && canEdit) {
      const bool control = HasControlGraphic(RealCol(), Row());
      if ((AutoEdit && FNavigation->AdvanceAutoEdit()) || control) {
        if (!control) {
          TBaseGrid::ShowEditor();
        } else {
          if (!HasControlGraphic(RealColIndex(FAECol), FAERow)) SimulateCellClick(Col(), Row());
          if (FNavigation->AdvanceDirection() != adLeftRight) HideInplaceEdit();
          bool allow = true;
          if (OnCellChanging) OnCellChanging(this, FAERow, FAECol, Row(), Col(), allow);
          TEditorType t = FDefaultEditor;
          GetCellEditor(RealColIndex(FAECol), FAERow, t);
          if (!IsTextKind(t)) HideInplaceEdit();
        }
      }
    }
    if (FMouseActions->DisjunctRowSelect()) {
      ClearRowSelect();
      SetRowSelect(Row(), true);
    }
    return;
  }
}

// ---------------------------------------------------------------------------
// Typed characters

void TDedAdararAdoz::WMChar(TMessage& Message) { HandleWmChar(Message); }

void TDedAdararAdoz::HandleWmChar(TMessage& Message) {
  auto ch = static_cast<char32_t>(Message.WParam);
  const int rc = RealCol();
  const std::string text = GetGridCell(rc, Row());
  // Typing on a cell of form controls belongs to its controls.
  if (FEnableHTML && UpperCase(text).find("<CONTROL") != std::string::npos) {
    Message.Result = 1;
    return;
  }
  if (FMouseActions->EditOnDblClickOnly()) {
    bool can = true;
    CanEditCell(rc, Row(), can);
    if (can) SetOptions(Options() << goEditing);
  }
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  if (FNavigation->AllowClipboardShortCuts() && ctrl && (ch == 3 || ch == 22 || ch == 24)) {
    Message.WParam = 0;
    return;
  }
  const bool control = HasControlGraphic(rc, Row());
  struct TStartCharEnd {
    char32_t& C;
    ~TStartCharEnd() { C = 0; }
  } startEnd{FStartEditChar};
  if (FMouseActions->RangeSelectAndEdit() && !control && ch != 9 && ch != 27 && !ctrl && ch >= 32 &&
      IsEditableCell(rc, Row())) {
    if (OnKeyPress) OnKeyPress(this, ch);
    if (ch == 0) return;
    FStartEditChar = ch;
    SetOptions(Options() << goEditing);
    if (!(LeftCol() <= Col() && Col() <= LeftCol() + VisibleColCount() && TopRow() <= Row() &&
          Row() <= TopRow() + VisibleRowCount()))
      ScrollInView(Col(), Row());
    ShowEditorChar(ch);
    return;
  }
  if (ExcelStyleDecimalSeparator() && ch == U'.' && (Message.LParam & (1 << 22)) != 0)
    ch = static_cast<char32_t>(GetDecimalSeparator());
  if (control && ch == 13 && FNavigation->AdvanceOnEnter()) {
    Message.WParam = ch;
    TBaseGrid::WMChar(Message);
    return;
  }
  if (Options().Contains(goEditing) && ch != 9 && (ch == 8 || (ch >= 32 && ch != 127))) {
    if (OnKeyPress) OnKeyPress(this, ch);
    if (ch == 0) return;
    if (control) return;
    FStartEditChar = ch;
    if (!Options().Contains(goRowSelect)) ShowEditorChar(ch);
    return;
  }
  Message.WParam = ch;
  TBaseGrid::WMChar(Message);
}

// ---------------------------------------------------------------------------
// Key press

void TDedAdararAdoz::KeyPress(char32_t& Key) {
  if (Key == 27 && Options().Contains(goEditing) && FEditing) {
    RestoreEditCell();
    if (OnKeyPress) OnKeyPress(this, Key);
    return;
  }
  const int rc = RealCol();
  if (Key == 13 && !FNavigation->AdvanceOnEnter() && !IsEditableCell(rc, Row())) {
    if (OnKeyPress) OnKeyPress(this, Key);
    Key = 0;
    return;
  }
  if (Key == 13 && (!Focused() || HasControlGraphic(rc, Row()))) {
    const int entryCol = Col();
    AdvanceCell(Col(), Row(), FEditMode, false, true, false, false);
    if (!FNavigation->AdvanceAutoEdit()) {
      if (OnKeyPress) OnKeyPress(this, Key);
      Key = 0;
      return;
    }
    if (HasControlGraphic(RealColIndex(entryCol), Row())) {
      if (OnKeyPress) OnKeyPress(this, Key);
      if (FNavigation->AdvanceOnEnter()) ShowInplaceEdit();
      return;
    }
  }
  // The incremental search over the sort column.
  if (!Options().Contains(goEditing) && FNavigation->AutoGotoWhenSorted() && Key >= 8 && Key != 13 &&
      Key != 27) {
    if (FNavigation->AutoGotoIncremental()) {
      if (Key == 8) {
        if (!FSearchInc.empty()) {
          size_t n = FSearchInc.size() - 1;
          while (n > 0 && (static_cast<unsigned char>(FSearchInc[n]) & 0xC0) == 0x80) --n;
          FSearchInc.erase(n);
        }
      } else {
        AppendUtf8(FSearchInc, Key);
      }
      FSearchTics = 0;
    } else {
      FSearchInc.clear();
      if (Key != 8) AppendUtf8(FSearchInc, Key);
    }
    const int found = IncrementalSearchRow(FSearchInc);
    if (found < 0)
      FSearchInc.clear();
    else
      SetRow(found);
  }
  TBaseGrid::KeyPress(Key);
}

int TDedAdararAdoz::IncrementalSearchRow(const std::string& Text) {
  if (Text.empty()) return -1;
  const std::string key = AnsiUpperCase(Text);
  int col = FSortSettings->Column();
  if (col < 0 || col >= TotalColCount()) col = FixedCols();
  for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r) {
    const std::string t = AnsiUpperCase(GetGridCell(col, r));
    if (t.compare(0, key.size(), key) == 0) return r;
  }
  return -1;
}
