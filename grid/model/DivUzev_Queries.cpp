// The per-cell queries of TDedAdararAdoz: each computes its default answer
// from the grid's settings and then lets the application change it through
// its event; and the relays that turn editor notifications into grid
// events. Columns are real unless said otherwise; the editor relays name
// the current cell by its real column too.
#include "framework/backend/Backend.h"
#include "framework/classes/StringList.h"
#include "framework/controls/MonthCalendar.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevKindEditors.h"

void TDedAdararAdoz::DoCanEditCell(int ACol, int ARow, bool& CanEdit) {
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TDedAdararAdoz::DoSearchFooterAction(const std::string& Value, int ACol, int ARow,
                                          TSearchAction Action) {
  if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, Action);
}

void TDedAdararAdoz::DoButtonClick(int ACol, int ARow) {
  if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TDedAdararAdoz::DoExpandClick(int ACol, int ARow, bool Expanded) {
  if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
  if (ARow >= 0 && ARow < RowCount()) SetRowHeights(ARow, GetExpandHeight(ACol, ARow, Expanded));
}

void TDedAdararAdoz::DoComboCloseUp(int ARow, int ACol) {
  if (OnComboCloseUp) OnComboCloseUp(this, ARow, ACol);
}

void TDedAdararAdoz::DoComboDropDown(int ARow, int ACol) {
  if (OnComboDropDown) OnComboDropDown(this, ARow, ACol);
}

void TDedAdararAdoz::GetCellCursor(int ACol, int ARow, int X, int Y) {
  if (!OnGetCellCursor) return;
  TCursor cursor = Cursor();
  OnGetCellCursor(this, ACol, ARow, X, Y, cursor);
  if (Peer() != nullptr) Peer()->SetCursor(cursor == crDefault ? crArrow : cursor);
}

void TDedAdararAdoz::GetCellHint(int ACol, int ARow, std::string& Hint, std::string& WideHint) {
  if (OnGridHint) OnGridHint(this, ARow, ACol, Hint);
  if (OnGridWideHint) {
    OnGridWideHint(this, ARow, ACol, WideHint);
    if (!WideHint.empty()) Hint = EncodeWideCellText(WideHint);
  }
}

void TDedAdararAdoz::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  if (FActiveCellShow) {
    const int d = DisplColIndexOf(ACol);
    const int fc = FixedCols(), fr = FixedRows();
    if ((ARow == Row() && fc > 0 && d == fc - 1) || (d == Col() && fr > 0 && ARow == fr - 1)) {
      AFont->Assign(FActiveCellFont.get());
      ABrush->SetColor(FActiveCellColor);
    }
  }
  if (const TCellProperties* p = HasCellProperties(ACol, ARow) ? GetGridObject(ACol, ARow) : nullptr) {
    // Cells whose graphic fills the cell keep the grid's brush.
    switch (GetCellType(ACol, ARow)) {
      case ctIcon:
      case ctNone:
      case ctImageList:
      case ctEmpty:
      case ctImages:
      case ctComment:
        if (p->BrushColor() != clNone) ABrush->SetColor(p->BrushColor());
        break;
      default:
        break;
    }
    if (p->FontColor() != clNone) AFont->SetColor(p->FontColor());
    if (!(p->FontStyle() == TFontStyles{})) AFont->SetStyle(p->FontStyle());
    if (p->FontSize() != 0) AFont->SetSize(p->FontSize());
    if (!p->FontName().empty()) AFont->SetName(p->FontName());
  }
  if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TDedAdararAdoz::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                       TFont* AFont) {
  if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TDedAdararAdoz::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
  if (ACol > 0 && ARow >= 0) {
    const TCellType kind = GetCellType(0, ARow);
    if (kind == ctNode && FGrouping->HeaderUnderline()) {
      Borders = TCellBorders{cbBottom};
      APen->SetColor(FGrouping->HeaderLineColor());
      APen->SetWidth(FGrouping->HeaderLineWidth());
    }
    if (kind == ctSummary && FGrouping->SummaryLine()) {
      Borders = TCellBorders{cbTop};
      APen->SetColor(FGrouping->SummaryLineColor());
      APen->SetWidth(FGrouping->SummaryLineWidth());
    }
  }
  if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TDedAdararAdoz::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
  if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TDedAdararAdoz::GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) HAlign = taCenter;
  if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TDedAdararAdoz::GetColumnFormat(int ACol, TSortStyle& AStyle, std::string& APrefix,
                                     std::string& ASuffix) {
  if (OnGetFormat) OnGetFormat(this, ACol, AStyle, APrefix, ASuffix);
}

void TDedAdararAdoz::GetCellEditorType(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TDedAdararAdoz::GetCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TDedAdararAdoz::QueryEditorType(int ACol, int ARow) {
  if (!OnGetEditorType) return false;
  TEditorType editor = edNormal;
  OnGetEditorType(this, ACol, ARow, editor);
  return editor == edNone;
}

void TDedAdararAdoz::IsFixedCell(int ACol, int ARow, bool& IsFixed) {
  if (IsFixed) return;
  if (FFixedRowAlways && ARow <= FMinFixedRows && RowCount() == FMinFixedRows)
    IsFixed = true;
  else if (FFixedColAlways && ACol < FMinFixedCols && ColCount() == FMinFixedCols)
    IsFixed = true;
  else if (ACol < FixedCols() || ARow < FixedRows())
    IsFixed = true;
  if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TDedAdararAdoz::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  // Merged cells edit through their base cell.
  const TGridCoord b = BaseCell(ACol, ARow);
  if (CanEdit && HasCellProperties(b.X, b.Y)) {
    CanEdit = !GetGridObject(b.X, b.Y)->ReadOnly();
    if (!Options().Contains(goEditing) && !FEditDisable && !FMouseActions->RangeSelectAndEdit())
      CanEdit = false;
  }
  if (b.X < ColCount() + NumHiddenColumns())
    DoCanEditCell(b.X, b.Y, CanEdit);
  else
    CanEdit = true;
}

void TDedAdararAdoz::IsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TDedAdararAdoz::GetCellWordWrap(int ACol, int ARow, bool& WordWrap) {
  if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrap);
}

bool TDedAdararAdoz::HasComboBox(int ACol, int ARow) {
  if (OnHasComboBox) {
    bool has = false;
    OnHasComboBox(this, ACol, ARow, has);
    return has;
  }
  if (!FControlLook->DropDownAlwaysVisible()) return false;
  TEditorType editor = FDefaultEditor;
  GetCellEditor(ACol, ARow, editor);
  return editor == edComboEdit || editor == edComboList;
}

bool TDedAdararAdoz::HasSpinEdit(int ACol, int ARow) {
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  if (OnHasSpinEdit) {
    bool has = false;
    OnHasSpinEdit(this, ACol, ARow, has);
    return has;
  }
  if (!FControlLook->SpinButtonsAlwaysVisible()) return false;
  TEditorType editor = FDefaultEditor;
  GetCellEditorType(ACol, ARow, editor);
  return editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit ||
         editor == edDateSpinEdit;
}

void TDedAdararAdoz::GetCheckTrue(int ACol, int ARow, std::string& Value) {
  Value = FCheckTrue;
  if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TDedAdararAdoz::GetCheckFalse(int ACol, int ARow, std::string& Value) {
  Value = FCheckFalse;
  if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

namespace {
// A value with a blank is listed as its text with the quoted text as its
// filter condition.
void AddFilterValue(TStringList* List, const std::string& Value) {
  if (Value.find(' ') != std::string::npos)
    List->Add(Value + "=\"" + Value + "\"");
  else
    List->Add(Value);
}
}  // namespace

bool TDedAdararAdoz::GetColumnFilter(int Column) {
  FFilterList->Clear();
  if (FFilterDropDownAuto && (Column >= FixedCols() || FFilterDropDownColumns == fdAll)) {
    FFilterList->SetSorted(true);
    for (int r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r)
      AddFilterValue(FFilterList.get(), Trim(GetCellEx(Column, r)));
    if (!FFilterIncremental) {
      FGridItems->ForEachHiddenText(
          Column, [&](const std::string& Text) { AddFilterValue(FFilterList.get(), Text); });
    }
    FFilterList->SetSorted(false);
    if (!FFilterDropDownClear.empty()) FFilterList->Insert(0, FFilterDropDownClear);
  }
  if (OnGetColumnFilter) OnGetColumnFilter(this, Column, FFilterList.get());
  return FFilterList->Count() > 0;
}

void TDedAdararAdoz::CanAddRow(bool& CanAdd) {
  if (OnCanAddRow) OnCanAddRow(this, CanAdd);
}

void TDedAdararAdoz::CanInsertRow(int ARow, bool& CanInsert) {
  if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}

void TDedAdararAdoz::DoCheckBoxChange(int ACol, int ARow, bool State) {
  if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

bool TDedAdararAdoz::DoRatingChange(int ACol, int ARow, double& NewRate) {
  bool allow = true;
  if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, allow);
  return allow;
}

void TDedAdararAdoz::DoColorSelect(TColor Color, const std::string& Value) {
  if (OnColorSelect) OnColorSelect(this, RealCol(), Row(), Color, Value);
}

void TDedAdararAdoz::DoImageSelect(int Index) {
  if (OnImageSelect) OnImageSelect(this, RealCol(), Row(), Index);
}

TFont* TDedAdararAdoz::GetCellFont(int ACol, int ARow) {
  if (!HasCellProperties(ACol, ARow)) return Font();
  const TCellProperties* p = GetGridObject(ACol, ARow);
  FSpareFont->SetName(p->FontName());
  FSpareFont->SetSize(p->FontSize());
  FSpareFont->SetStyle(p->FontStyle());
  FSpareFont->SetColor(p->FontColor());
  return FSpareFont.get();
}

std::string TDedAdararAdoz::GetEditMask(int ACol, int ARow) {
  std::string value = FEditMask;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, value);
  return value;
}

void TDedAdararAdoz::DoGridButtonClick(TObject*) {
  if (OnButtonClick) OnButtonClick(this, RealCol(), Row());
}

void TDedAdararAdoz::DoDateTimeChange(TDateTime ADateTime) {
  if (OnDateTimeChange) OnDateTimeChange(this, RealCol(), Row(), ADateTime);
}

void TDedAdararAdoz::DoDatePickerChange(TDateTime ADateTime, bool ShowsTime) {
  if (OnEditChange)
    OnEditChange(this, RealCol(), Row(), ShowsTime ? TimeToStr(ADateTime) : DateToStr(ADateTime));
}

void TDedAdararAdoz::DoDatePickerCloseUp() {
  if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), RealCol());
  if (FMouseActions->DirectDateClose()) HideInplaceEdit();
}

void TDedAdararAdoz::DoDatePickerDropDown() {
  TGridDatePicker* picker = FDatePicker;
  TMonthCalendar* calendar = picker != nullptr ? picker->Calendar() : nullptr;
  if (calendar != nullptr) {
    calendar->SetShowToday(picker->ShowToday());
    calendar->SetShowTodayCircle(picker->ShowTodayCircle());
    calendar->SetWeekNumbers(picker->Weeknumbers());
    const TSize size = calendar->MinRequiredSize();
    calendar->SetBounds(0, 0, size.cx + 2, size.cy + 2);
  }
  if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), RealCol());
}

void TDedAdararAdoz::GetCellDrawProps(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                      TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HAlign,
                                      TVAlignment& VAlign, bool& WordWrap,
                                      TCellGradientDirection& GradientDirection) {
  // The store's plain look first, so the visual properties refine a filled
  // brush and font.
  TBaseGrid::GetCellDrawProps(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HAlign,
                              VAlign, WordWrap, GradientDirection);
  TGridDrawState state;
  GradientDirection = GradientVertical;
  GetVisualProperties(ACol, ARow, state, false, false, false, ABrush, AColorTo, AMirrorColor, AMirrorColorTo,
                      AFont, HAlign, VAlign, WordWrap, GradientDirection);
  // Colours a cell shows only through the grid's own looks are not the
  // cell's to keep.
  if (IsFixed(ACol, ARow) || FBands->Active() || FBackGround->Display() == bdGradientHorz ||
      FBackGround->Display() == bdGradientVert || state.Contains(gdSelected)) {
    ABrush->SetColor(clNone);
    AColorTo = clNone;
  }
}

// ---------------------------------------------------------------------------
// Cell graphic lookups

TCellGraphic* TDedAdararAdoz::GetCellGraphic(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return nullptr;
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) {
    TCellGraphic* g = FCellGraphic.get();
    g->CellType = ctRowCheckBox;
    if (ARow == 0) {
      int normal = 0, selected = 0;
      for (int r = FixedRows(); r < RowCount(); ++r) {
        ++normal;
        if (RowSelect(r)) ++selected;
      }
      g->CellAngle = selected > 0 && selected < normal ? 1 : 0;
      g->CellBoolean = normal > 0 && selected == normal;
    } else {
      g->CellAngle = 0;
      g->CellBoolean = ARow < TotalRowCount() && RowSelect(RowFlagIndex(ARow));
    }
    g->CellTransparent = FControlLook->ControlStyle() == csFlat;
    return g;
  }
  TCellProperties* p = HasCellProperties(ACol, ARow) ? GetGridObject(ACol, ARow) : nullptr;
  return p != nullptr ? dynamic_cast<TCellGraphic*>(p->GraphicObject()) : nullptr;
}

TCellType TDedAdararAdoz::GetCellType(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return ctEmpty;
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) return ctRowCheckBox;
  TCellProperties* p = HasCellProperties(ACol, ARow) ? GetGridObject(ACol, ARow) : nullptr;
  auto* g = p != nullptr ? dynamic_cast<TCellGraphic*>(p->GraphicObject()) : nullptr;
  return g != nullptr ? g->CellType : ctEmpty;
}
