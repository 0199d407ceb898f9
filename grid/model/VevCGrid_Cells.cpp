// The per-cell answers of the column grid: each decides from the item of
// the cell's column, then lets the grid's own rule and event run with that
// answer (unless said otherwise). Columns past the items get the grid's
// answer alone. Columns are real unless said otherwise.
#include <algorithm>
#include <string>

#include "framework/classes/StringList.h"
#include "framework/rtl/Format.h"
#include "grid/base/VevUtil.h"
#include "grid/model/VevCGrid.h"

bool TRavUvurerEduz::IsNormalCell(int ACol, int ARow) const {
  return ACol >= FixedCols() && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() &&
         ARow >= FixedRows() && ARow < RowCount() - FixedFooters();
}

// ---------------------------------------------------------------------------
// Looks

void TRavUvurerEduz::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  TGridColumnItem* item = ColumnItem(ACol);
  if (item != nullptr && ACol >= FixedCols() && ACol < AllColCount() - FixedRightCols() &&
      ARow < RowCount() - FixedFooters()) {
    if (item->Fixed())
      ABrush->SetColor(FixedColor());
    else if ((!item->ShowBands() || !Bands()->Active()) && ARow >= FixedRows())
      ABrush->SetColor(item->Color());
    AFont->Assign(ARow < FixedRows() ? item->HeaderFont() : item->Font());
    if (HasCellProperties(ACol, ARow)) {
      const TCellProperties* p = GetGridObject(ACol, ARow);
      if (p->BrushColor() != clNone) ABrush->SetColor(p->BrushColor());
      if (p->FontColor() != clNone) AFont->SetColor(p->FontColor());
    }
  }
  TDedAdararAdoz::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TRavUvurerEduz::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush,
                                       TFont* AFont) {
  TGridColumnItem* item = ColumnItem(ACol);
  const bool fixedArea = ACol < FixedCols() || ARow < FixedRows() ||
                         ACol >= AllColCount() - FixedRightCols() || ARow >= RowCount() - FixedFooters();
  if (item != nullptr && !fixedArea) {
    const TCellProperties* p = HasCellProperties(ACol, ARow) ? GetGridObject(ACol, ARow) : nullptr;
    if (item->Fixed()) {
      ABrush->SetColor(FixedColor());
    } else if (!item->ShowBands() || !Bands()->Active() || !Bands()->Print()) {
      ABrush->SetColor(item->PrintColor());
      if (p != nullptr && p->BrushColor() != clNone) ABrush->SetColor(p->BrushColor());
    }
    if (item->PrintFontCustom()) {
      AFont->Assign(item->PrintFont());
      if (p != nullptr) {
        if (p->FontColor() != clNone) AFont->SetColor(p->FontColor());
        if (!(p->FontStyle() == TFontStyles{})) AFont->SetStyle(p->FontStyle());
        if (p->FontSize() != 0) AFont->SetSize(p->FontSize());
        if (!p->FontName().empty()) AFont->SetName(p->FontName());
      }
    }
  }
  TDedAdararAdoz::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TRavUvurerEduz::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
  if (TGridColumnItem* item = ColumnItem(ACol);
      item != nullptr && ACol >= FixedCols() && ARow >= FixedRows()) {
    Borders = item->Borders();
    APen->Assign(item->BorderPen());
  }
  TDedAdararAdoz::GetCellBorder(ACol, ARow, APen, Borders);
}

void TRavUvurerEduz::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) {
  if (TGridColumnItem* item = ColumnItem(ACol);
      item != nullptr && item->PrintBorderCustom() && ACol >= FixedCols() && ARow >= FixedRows()) {
    Borders = item->PrintBorders();
    APen->Assign(item->PrintBorderPen());
  }
  TDedAdararAdoz::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TRavUvurerEduz::GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (TGridColumnItem* item = ColumnItem(ACol)) {
    HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    if (HasCellProperties(ACol, ARow)) HAlign = GetGridObject(ACol, ARow)->Alignment();
  }
  TDedAdararAdoz::GetCellAlignment(ACol, ARow, HAlign, VAlign);
}

void TRavUvurerEduz::GetCellDrawProps(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                      TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HAlign,
                                      TVAlignment& VAlign, bool& WordWrap,
                                      TCellGradientDirection& GradientDirection) {
  TGridColumnItem* item = ColumnItem(ACol);
  if (item == nullptr) {
    TDedAdararAdoz::GetCellDrawProps(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo,
                                     HAlign, VAlign, WordWrap, GradientDirection);
    return;
  }
  AFont->Assign(item->Font());
  ABrush->SetColor(item->Color());
  AColorTo = clNone;
  HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
  VAlign = VAlignment();
  WordWrap = TDedAdararAdoz::WordWrap();
  GradientDirection = GradientVertical;
  // Colours the cell shows only through the grid's own looks are not the
  // cell's to keep.
  if (IsFixed(ACol, ARow) || (Bands()->Active() && item->ShowBands())) {
    ABrush->SetColor(clNone);
    AColorTo = clNone;
  }
}

// ---------------------------------------------------------------------------
// Formats

void TRavUvurerEduz::GetColumnFormat(int ACol, TSortStyle& AStyle, std::string& APrefix,
                                     std::string& ASuffix) {
  if (TGridColumnItem* item = ColumnItem(ACol)) {
    AStyle = item->SortStyle();
    APrefix = item->SortPrefix();
    ASuffix = item->SortSuffix();
  }
  TDedAdararAdoz::GetColumnFormat(ACol, AStyle, APrefix, ASuffix);
}

void TRavUvurerEduz::GetCellFloatFormat(int ACol, int ARow, std::string& AFloatFormat) {
  TDedAdararAdoz::GetCellFloatFormat(ACol, ARow, AFloatFormat);
  if (TGridColumnItem* item = ColumnItem(ACol); item != nullptr && !item->FloatFormat().empty())
    AFloatFormat = item->FloatFormat();
}

const std::string& TRavUvurerEduz::GetFormattedCell(int ACol, int ARow) {
  TGridColumnItem* item = ColumnItem(ACol);
  if (item == nullptr) return TDedAdararAdoz::GetFormattedCell(ACol, ARow);
  const std::string& shown = GetCellEx(ACol, ARow);
  std::string format = item->FloatFormat();
  if (format.empty() && !OnGetFloatFormat) return shown;
  // The format hook may read and change cells: the text is held as a copy.
  std::string text = shown;
  const int kind = NumberTextKind(text);
  bool isFloat = kind == ntInteger || kind == ntDecimal;
  if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, isFloat, format);
  if (format.empty() || !isFloat) return KeepShownText(std::move(text));
  // A format that does not fit the number shows the text as it is: a cell
  // is never left blank by its looks.
  try {
    return KeepShownText(Format(format, {Floats(ACol, ARow)}));
  } catch (const Exception&) {
    return KeepShownText(std::move(text));
  }
}

// ---------------------------------------------------------------------------
// Editing

void TRavUvurerEduz::GetCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  // A question: nothing of the grid changes here but what the editor about
  // to open takes (the column's own number format stays the column's).
  TGridColumnItem* item = ColumnItem(ACol);
  if (item != nullptr && ACol >= FixedCols() && ARow >= FixedRows()) {
    AEditor = item->Editor();
    TakeColumnEditorSettings(item->ComboItems(), item->DropDownCount(), item->SpinMin(), item->SpinMax(),
                             item->SpinStep(), item->EditLink());
  }
  TDedAdararAdoz::GetCellEditor(ACol, ARow, AEditor);
}

void TRavUvurerEduz::IsFixedCell(int ACol, int ARow, bool& IsFixed) {
  if (ACol >= FixedCols() && ARow >= FixedRows())
    if (TGridColumnItem* item = ColumnItem(RealColIndex(ACol))) IsFixed = item->Fixed();
  TDedAdararAdoz::IsFixedCell(ACol, ARow, IsFixed);
}

void TRavUvurerEduz::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  TGridColumnItem* item = ColumnItem(ACol);
  if (item == nullptr) {
    TDedAdararAdoz::CanEditCell(ACol, ARow, CanEdit);
    return;
  }
  CanEdit = false;
  if (!IsLoading() && ACol >= FixedCols() && ARow >= FixedRows()) {
    CanEdit = !(item->ReadOnly() || item->Fixed());
    if (CanEdit && HasCellProperties(ACol, ARow)) CanEdit = !GetGridObject(ACol, ARow)->ReadOnly();
  }
  const TGridCoord b = BaseCell(ACol, ARow);
  DoCanEditCell(b.X, b.Y, CanEdit);
}

void TRavUvurerEduz::IsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (TGridColumnItem* item = ColumnItem(ACol)) IsPassword = item->Password();
  TDedAdararAdoz::IsPasswordCell(ACol, ARow, IsPassword);
}

bool TRavUvurerEduz::HasComboBox(int ACol, int ARow) {
  TGridColumnItem* item = ColumnItem(ACol);
  if (item == nullptr) return TDedAdararAdoz::HasComboBox(ACol, ARow);
  bool has = false;
  if (ACol >= FixedCols() && ARow >= FixedRows())
    has = item->Editor() == edComboEdit || item->Editor() == edComboList;
  if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, has);
  return has;
}

void TRavUvurerEduz::GetCheckTrue(int ACol, int ARow, std::string& Value) {
  TDedAdararAdoz::GetCheckTrue(ACol, ARow, Value);
  if (TGridColumnItem* item = ColumnItem(ACol); item != nullptr && IsNormalCell(ACol, ARow))
    Value = item->CheckTrue();
}

void TRavUvurerEduz::GetCheckFalse(int ACol, int ARow, std::string& Value) {
  TDedAdararAdoz::GetCheckFalse(ACol, ARow, Value);
  if (TGridColumnItem* item = ColumnItem(ACol); item != nullptr && IsNormalCell(ACol, ARow))
    Value = item->CheckFalse();
}

// ---------------------------------------------------------------------------
// Cell graphics: the cells of a data check box column show check boxes

TCellType TRavUvurerEduz::GetCellType(int ACol, int ARow) {
  const TCellType type = TDedAdararAdoz::GetCellType(ACol, ARow);
  if (ComponentState().Contains(csDestroying) || type != ctEmpty || !IsNormalCell(ACol, ARow)) return type;
  TGridColumnItem* item = ColumnItem(ACol);
  return item != nullptr && item->Editor() == edDataCheckBox ? ctDataCheckBox : type;
}

TCellGraphic* TRavUvurerEduz::GetCellGraphic(int ACol, int ARow) {
  TCellGraphic* graphic = TDedAdararAdoz::GetCellGraphic(ACol, ARow);
  if (ComponentState().Contains(csDestroying) || graphic != nullptr || !IsNormalCell(ACol, ARow))
    return graphic;
  TGridColumnItem* item = ColumnItem(ACol);
  if (item == nullptr || item->Editor() != edDataCheckBox) return graphic;
  FCellGraphic->CellType = ctVirtCheckBox;
  FCellGraphic->CellTransparent = ControlLook()->ControlStyle() == csFlat;
  return FCellGraphic.get();
}

// ---------------------------------------------------------------------------
// Sizes

void TRavUvurerEduz::UpdateColSize(int ACol, int& AWidth) {
  if (TGridColumnItem* item = ColumnItem(ACol)) {
    if (item->MinSize() > 0 && AWidth < item->MinSize()) AWidth = item->MinSize();
    if (item->MaxSize() > 0 && AWidth > item->MaxSize()) AWidth = item->MaxSize();
  }
  TDedAdararAdoz::UpdateColSize(ACol, AWidth);
}

void TRavUvurerEduz::UpdateAutoColSize(int ACol, int& AWidth) {
  if (TGridColumnItem* item = ColumnItem(ACol)) {
    if (item->AutoMinSize() > 0 && AWidth < item->AutoMinSize()) AWidth = item->AutoMinSize();
    if (item->AutoMaxSize() > 0 && AWidth > item->AutoMaxSize()) AWidth = item->AutoMaxSize();
  }
  TDedAdararAdoz::UpdateAutoColSize(ACol, AWidth);
}

// ---------------------------------------------------------------------------
// Column filters

bool TRavUvurerEduz::GetColumnFilter(int Column) {
  FilterList()->SetSorted(false);
  TDedAdararAdoz::GetColumnFilter(Column);
  TGridColumnItem* item = ColumnItem(Column);
  if (item == nullptr || item->Filter()->Count() == 0) return false;
  // The column's own lines replace the grid's, shown by their names.
  FilterList()->SetSorted(false);
  FilterList()->Clear();
  for (int i = 0; i < item->Filter()->Count(); ++i) {
    const std::string line = item->Filter()->Strings(i);
    FilterList()->Add(line.substr(0, line.find('=')));
  }
  return true;
}

void TRavUvurerEduz::FilterSelect(int ItemIndex) {
  const int column = FilterColumn();
  TGridColumnItem* item = ColumnItem(column);
  if (item != nullptr && ItemIndex >= 0 && ItemIndex < item->Filter()->Count()) {
    std::string text = item->Filter()->Strings(ItemIndex);
    const size_t eq = text.find('=');
    const std::string friendly = text.substr(0, eq);
    if (FAutoFilterDisplay) item->SetHeader(friendly);
    if (eq != std::string::npos) text = text.substr(eq + 1);
    if (AutoFilterUpdate()) SetFilterActive(false);
    if (OnFilterSelect) OnFilterSelect(this, column, ItemIndex, friendly, text);
    FilterChosen(column, text);
  }
  SetFilterColumn(-1);
}
