// Housekeeping of TDedAdararAdoz around editing: validation of an edited
// value against the text its cell had when the edit began, the focus and
// enter/exit/click steps that record that text, the update lock, the grid
// timer's duties, painting and sizing messages.
#include <algorithm>
#include <cmath>

#include "framework/controls/Forms.h"
#include "framework/controls/ScrollBars.h"
#include "framework/controls/ToolTips.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/UndoRedo.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevEditors.h"

namespace {

// Ticks of the grid timer an invalid-entry note stays up (3 s).
constexpr int kEntryHintTicks = 6;

}  // namespace

// ---------------------------------------------------------------------------
// The old cell and validation

void TDedAdararAdoz::SaveOldCell(int ACol, int ARow) {
  FOldCol = ACol;
  FOldRow = ARow;
  if (ACol >= 0 && ARow >= 0) {
    const TGridCoord b = BaseCell(RealColIndex(ACol), ARow);
    FOldCellText = GetGridCell(b.X, b.Y);
  } else {
    FOldCellText.clear();
  }
  FOldCellTextWide = FOldCellText;
  if (ClassifyCellText(FOldCellText, false) == 5) FOldCellTextWide = DecodeWideCellText(FOldCellText);
  FOldModifiedValue = FGridModified;
}

bool TDedAdararAdoz::ValidateCell(const std::string& NewValue) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  bool valid = true;
  const int c = RealColIndex(FOldCol);
  const int r = FOldRow;
  FNewCellText = NewValue;
  // Whatever a handler does, the old cell is recorded again and the
  // validation ends.
  struct TEnd {
    TDedAdararAdoz* g;
    ~TEnd() {
      g->SaveOldCell(g->Col(), g->Row());
      g->FValidating = false;
    }
  } end{this};

  if (NewValue != FOldCellText || FAlwaysValidate) {
    const bool changed = NewValue != FOldCellText;
    // A handler that moves the grid must not advance it as well.
    const bool advance = FNavigation->AdvanceOnEnter();
    FNavigation->SetAdvanceOnEnter(false);
    struct TAdvance {
      TNavigation* n;
      bool v;
      ~TAdvance() { n->SetAdvanceOnEnter(v); }
    } keepAdvance{FNavigation.get(), advance};

    std::string v = NewValue;
    if (FCellChecker != nullptr && FCellChecker->AutoCorrect()) v = FCellChecker->Correct(c, r, v);
    if (OnCellValidate) OnCellValidate(this, c, r, v, valid);
    if (v != FOldCellText) {
      FGridModified = true;
      if (FixedCols() > 0 && r >= 0) {
        SetRowModified(RealRowIndex(r), true);
        if (FShowModified->Enabled()) RepaintCell(0, r);
      }
    }
    if (valid) CalcFooterCol(c);
    if (FCellChecker != nullptr && FCellChecker->AutoMarkError()) v = FCellChecker->MarkError(c, r, v);
    if (valid && UndoRedo() != nullptr) UndoRedo()->RegisterChange(c, r, FOldCellText, v);
    if (valid && changed) CellsChanged(TRect(c, r, c, r));
    FNewCellText = v;

    if (valid) {
      HideEntryHint();
      SetCellEx(c, r, v);
    } else {
      FLastValidation = false;
      // The refused edit goes back to its cell: with the handler's
      // replacement, or with the text the cell had.
      const std::string back = v != NewValue ? v : FOldCellText;
      const int oldCol = FOldCol, oldRow = FOldRow;
      // Escape in the reopened editor still means the text before the edit.
      const std::string original = FCellCache;
      TBaseGrid::HideEditor();
      SetCellEx(c, r, back);
      if (Col() != oldCol || Row() != oldRow) MoveColRow(oldCol, oldRow, true, true);
      FValidating = false;
      FGridModified = FOldModifiedValue;
      FEditing = true;
      ShowInplaceEdit();
      FCellCache = original;
      if (!FInvalidEntryText.empty() || !FInvalidEntryTitle.empty()) ShowInvalidEntryBalloon();
    }
    FOldCellText = GetGridCell(c, r);
  }
  if (valid) HideFocusWindow();
  return valid;
}

bool TDedAdararAdoz::ValidateCellWide(const std::string& NewValue) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  bool valid = true;
  const int c = RealColIndex(FOldCol);
  const int r = FOldRow;
  FNewCellText = NewValue;
  struct TEnd {
    TDedAdararAdoz* g;
    ~TEnd() {
      g->SaveOldCell(g->Col(), g->Row());
      g->FValidating = false;
    }
  } end{this};
  std::string wide = NewValue;
  if (ClassifyCellText(wide, false) == 5) wide = DecodeWideCellText(wide);
  if (wide != FOldCellTextWide || FAlwaysValidate) {
    const bool changed = wide != FOldCellTextWide;
    CalcFooterCol(c);
    std::string v = wide;
    if (OnCellValidateWide) OnCellValidateWide(this, c, r, v, valid);
    if (changed) {
      FGridModified = true;
      if (FShowModified->Enabled() && FixedCols() > 0) {
        SetRowModified(FOldRow, true);
        RepaintCell(0, FOldRow);
      }
    }
    if (valid) {
      SetCellEx(c, r, EncodeWideCellText(v));
      if (changed) CellsChanged(TRect(c, r, c, r));
    } else {
      const std::string back = EncodeWideCellText(v != wide ? v : FOldCellTextWide);
      const int oldCol = FOldCol, oldRow = FOldRow;
      TBaseGrid::HideEditor();
      SetCellEx(c, r, back);
      if (Col() != oldCol || Row() != oldRow) MoveColRow(oldCol, oldRow, true, true);
      FValidating = false;
      FGridModified = FOldModifiedValue;
      FEditing = true;
      ShowInplaceEdit();
    }
    FOldCellTextWide = v;
  }
  return valid;
}

void TDedAdararAdoz::ShowInvalidEntryBalloon() {
  TWinControl* editor = FEditCtrl;
  if (editor == nullptr || !editor->Visible()) editor = NormalEdit();
  if (editor == nullptr || !editor->Visible() || !editor->HandleAllocated()) editor = this;
  if (FEntryHint == nullptr) {
    FEntryHint = new TBalloonToolTip(this);
    // The grid's own ticks take it down.
    FEntryHint->SetAutoHideDelay(0);
    FEntryHint->SetMaxTipWidth(300);
  }
  FEntryHint->SetTitle(FInvalidEntryIcon, FInvalidEntryTitle);
  // The stem points into the editor from below, near where typing starts.
  FEntryHint->ShowAt(editor->ClientToScreen(TPoint(std::min(16, editor->Width() / 2), editor->Height())),
                     FInvalidEntryText);
  FEntryHintTicks = kEntryHintTicks;
}

void TDedAdararAdoz::HideEntryHint() {
  FEntryHintTicks = 0;
  if (FEntryHint != nullptr && FEntryHint->Shown()) FEntryHint->Pop();
}

// ---------------------------------------------------------------------------
// Footers and change notices

void TDedAdararAdoz::CalcFooterCol(int ACol) { CalcFooter(ACol); }
void TDedAdararAdoz::CalcAllFooters() { CalcFooter(-1); }

void TDedAdararAdoz::CellsChanged(const TRect& R) {
  if (OnCellsChanged) OnCellsChanged(this, R);
  NotifyCellsChanged(R);
  CalcFooter(-1);
}

bool TDedAdararAdoz::HasCellBorders() { return static_cast<bool>(OnGetCellBorder); }

void TDedAdararAdoz::InitOrigColSizes() {
  FOrigColSizes.clear();
  for (int c = 0; c < ColCount(); ++c) FOrigColSizes.push_back(ColWidths(c));
  FOldSize = ClientWidth();
}

// ---------------------------------------------------------------------------
// Focus, enter, exit, click

void TDedAdararAdoz::WMSetFocus(TMessage& Message) {
  if (InvokedFocusChange) return;
  TBaseGrid::WMSetFocus(Message);
  const TGridCoord b = BaseCell(RealCol(), Row());
  if (HasControlGraphic(b.X, b.Y)) return;
  if (!FNavigation->AlwaysEdit() || FEditMode) return;
  const bool inView = LeftCol() <= Col() && Col() < LeftCol() + VisibleColCount() && TopRow() <= Row() &&
                      Row() < TopRow() + VisibleRowCount();
  bool canEdit = true;
  CanEditCell(b.X, b.Y, canEdit);
  ZIvoVorazirUded* e = NormalEdit();
  const auto from = reinterpret_cast<HWND>(Message.WParam);
  if (e != nullptr) {
    TEditorType kind = FDefaultEditor;
    GetCellEditor(b.X, b.Y, kind);
    const bool fromEditor = e->HandleAllocated() && from == e->Handle();
    if (!fromEditor && GridState() == gsNormal && kind == edNormal && inView && canEdit) {
      ShowInplaceEdit();
      Message.Result = 0;
      return;
    }
  } else if (!FMouseActions->DirectEdit() && !FControlLook->DropDownAlwaysVisible() && inView && canEdit &&
             HasComboBox(b.X, b.Y)) {
    ShowInplaceEdit();
  }
  if (IsMergedCell(b.X, b.Y)) {
    const TGridCoord ext = CellSpan(b.X, b.Y);
    RepaintRect(TGridRect(Col(), Row(), Col() + ext.X, Row() + ext.Y));
  }
}

void TDedAdararAdoz::WMKillFocus(TMessage& Message) {
  if (FBlockKill) {
    Message.Result = 1;
    return;
  }
  TBaseGrid::WMKillFocus(Message);
  const TGridCoord b = BaseCell(RealCol(), Row());
  if (IsMergedCell(b.X, b.Y)) RepaintCell(Col(), Row());
  if (FCtrlDown) {
    FCtrlDown = false;
    RepaintCell(DisplColIndexOf(FCtrlXY.X), FCtrlXY.Y);
  }
}

void TDedAdararAdoz::DoEnter() {
  if (FBlockFocus) return;
  struct TRecord {
    TDedAdararAdoz* g;
    ~TRecord() { g->SaveOldCell(g->Col(), g->Row()); }
  } record{this};
  TBaseGrid::DoEnter();
  if (Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit()) SelectCell(Col(), Row());
}

void TDedAdararAdoz::DoExit() {
  if (FBlockKill) return;
  if (FSelChange && FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
  FSelChange = false;
  HideEntryHint();
  TBaseGrid::DoExit();
}

void TDedAdararAdoz::Click() {
  TBaseGrid::Click();
  FEntered = false;
  SaveOldCell(Col(), Row());
}

// ---------------------------------------------------------------------------
// The update lock

void TDedAdararAdoz::BeginUpdate() { ++FUpdateCount; }

void TDedAdararAdoz::EndUpdate() {
  if (FUpdateCount <= 0) return;
  if (--FUpdateCount > 0 || ComponentState().Contains(csDestroying)) return;
  FSelChange = false;
  InvalidateGrid();
  RepaintBorder();
}

void TDedAdararAdoz::SetLockUpdate(bool Value) {
  if (Value)
    BeginUpdate();
  else
    EndUpdate();
}

void TDedAdararAdoz::WMPaint(TMessage& Message) {
  // A locked grid draws nothing; its last unlock repaints everything.
  if (FUpdateCount >= 1 && Message.WParam != 0) {
    Message.Result = 0;
    return;
  }
  TBaseGrid::WMPaint(Message);
  if (!TabStop() && FPaintCount == 0) {
    FPaintCount = 1;
    UpdateVScrollProportional();
  }
}

// ---------------------------------------------------------------------------
// The grid timer

void TDedAdararAdoz::GridTimer() {
  ++FTimerTicks;
  if (FNavigation->AutoGotoIncremental()) {
    // The typed search text is forgotten on the fourth tick.
    if (FSearchTics++ == 3) {
      FSearchInc.clear();
      FSearchTics = 0;
    }
  }
  if (FHovering && !FDesigning) HoverTick();
  if (FEnableBlink) {
    FGridBlink = !FGridBlink;
    RepaintBlinkingCells();
  }
  if (FEntryHintTicks > 0 && --FEntryHintTicks == 0) HideEntryHint();
}

void TDedAdararAdoz::HoverTick() {
  if (!HandleAllocated()) return;
  const TPoint screen = ::CursorPos();
  if (WindowFromPoint(screen) != Handle()) return;
  const TPoint p = ScreenToClient(screen);
  if (!PtInRect(ClientRect(), p)) return;
  int c = -1, r = -1;
  MouseToCell(p.X, p.Y, c, r);
  if (c >= FixedCols() && r >= FixedRows() && c < ColCount() && r < RowCount()) {
    if (CanFocus() && !Focused()) SetFocus();
    if (r != Row()) SetRow(r);
    if (c != Col()) SetCol(c);
  }
}

void TDedAdararAdoz::RepaintBlinkingCells() {
  auto blinks = [this](int c, int r) {
    return UpperCase(GetGridCell(c, r)).find("<BLI") != std::string::npos;
  };
  const int rows = VisibleRowCount(), cols = VisibleColCount();
  for (int r = TopRow(); r < std::min(RowCount(), TopRow() + rows); ++r)
    for (int c = LeftCol(); c < std::min(TotalColCount(), LeftCol() + cols + NumHiddenColumns()); ++c)
      if (blinks(c, r)) RepaintCell(DisplColIndexOf(c), r);
  for (int r = 0; r < FixedRows(); ++r)
    for (int c = LeftCol(); c < std::min(ColCount(), LeftCol() + cols); ++c)
      if (blinks(RealColIndex(c), r)) RepaintCell(c, r);
  for (int c = 0; c < FixedCols(); ++c)
    for (int r = TopRow(); r < std::min(RowCount(), TopRow() + rows); ++r)
      if (blinks(RealColIndex(c), r)) RepaintCell(c, r);
}

// ---------------------------------------------------------------------------
// Sizing and notifications

void TDedAdararAdoz::WMSize(TMessage& Message) {
  if (FSearchPanel != nullptr && FSearchPanel->Visible()) {
    // Two heights make the panel lay itself out again.
    FSearchPanel->SetHeight(33);
    FSearchPanel->SetHeight(32);
    FSearchPanel->SetAlign(alBottom);
  }
  if (FColumnSize == nullptr) return;
  if (FColumnSize->SynchWithGrid() && FOldSize > 0 && !FDisableSize) {
    HideInplaceEdit();
    const int width = ClientWidth() + (BorderStyle() == bsSingle ? 2 : 0);
    const double f = static_cast<double>(width) / FOldSize;
    const int from = FColumnSize->SynchNormalCellsOnly() ? FixedCols() : 0;
    const int to = FColumnSize->SynchNormalCellsOnly() ? ColCount() - FFixedRightCols - 1 : ColCount() - 1;
    for (int c = from; c <= to; ++c)
      if (c < static_cast<int>(FOrigColSizes.size()))
        SetColWidths(c, static_cast<int>(std::trunc(FOrigColSizes[static_cast<size_t>(c)] * f)));
  }
  TBaseGrid::WMSize(Message);
  if (FScrollProportional) {
    UpdateHScrollProportional();
    UpdateVScrollProportional();
  }
  if (!FDisableSize) {
    bool& guard = FDisableSize;
    guard = true;
    try {
      UpdateFlatScrollBars();
    } catch (...) {
      guard = false;
      throw;
    }
    guard = false;
  }
  PlaceEditControl();
}

void TDedAdararAdoz::CMEnabledChanged(TMessage& Message) {
  TBaseGrid::CMEnabledChanged(Message);
  InvalidateGrid();
}

void TDedAdararAdoz::CMColorChanged(TMessage& Message) {
  TBaseGrid::CMColorChanged(Message);
  if (FFloatingFooter->Visible() && FFooterPanel != nullptr) FFooterPanel->Invalidate();
}

void TDedAdararAdoz::CMCursorChanged(TMessage& Message) {
  TBaseGrid::CMCursorChanged(Message);
  // A cursor the application sets is the one the grid goes back to.
  if (!Invokedchange) FOldCursor = Cursor();
  Invokedchange = false;
}

void TDedAdararAdoz::ResetFixedCellHighlight() {
  FSizeFixed = FSizeFixedR = FNoMouseLeave = false;
  if (FHoverFixedCells == hfNone) return;
  if (FHoveredFixedCell.X == -1 && FHoveredFixedCell.Y == -1) return;
  const TGridCoord cell = FHoveredFixedCell;
  FHoveredFixedCell = TGridCoord(-1, -1);
  RepaintCell(cell.X, cell.Y);
}

// No application style: the grid keeps its own colours.
void TDedAdararAdoz::ApplyVCLStyle() { FUseVCLStyles = false; }

TCanvas* TDedAdararAdoz::FooterCanvas() const {
  return FFooterPanel != nullptr ? FFooterPanel->Canvas() : nullptr;
}
