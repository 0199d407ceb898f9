// Per-cell accessors: the looks kept in a cell's properties, cell
// controls, row colouring, cells by real row in their other forms, the
// current cell, rich text kept in cells, the sizing cursor, and the
// selection queries.
//
// Reading a look never makes a TCellProperties: a table of plain cells
// stays a table of texts however often it is painted or asked.
#include <algorithm>
#include <string>

#include "framework/classes/StringList.h"
#include "framework/controls/ComCtrls.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/TextEncoding.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"

namespace {
// The properties a cell has, none when it has none.
const TCellProperties* PropsOf(const TDedAdararAdoz* G, int ACol, int ARow) {
  return G->HasCellProperties(ACol, ARow) ? G->GetGridObject(ACol, ARow) : nullptr;
}
}  // namespace

// ---------------------------------------------------------------------------
// Looks kept in the cell's properties

TColor TDedAdararAdoz::Colors(int ACol, int ARow) const {
  const TCellProperties* p = PropsOf(this, ACol, ARow);
  return p != nullptr ? p->BrushColor() : clNone;
}

void TDedAdararAdoz::SetColors(int ACol, int ARow, TColor Value) {
  GetCellProperties(ACol, ARow)->SetBrushColor(Value);
  if (FUpdateCount == 0) RepaintCell(DisplColIndexOf(ACol), ARow);
}

TColor TDedAdararAdoz::ColorsTo(int ACol, int ARow) const {
  const TCellProperties* p = PropsOf(this, ACol, ARow);
  return p != nullptr ? p->BrushColorTo() : clNone;
}

void TDedAdararAdoz::SetColorsTo(int ACol, int ARow, TColor Value) {
  GetCellProperties(ACol, ARow)->SetBrushColorTo(Value);
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

TCellGradientDirection TDedAdararAdoz::GradientDir(int ACol, int ARow) const {
  const TCellProperties* p = PropsOf(this, ACol, ARow);
  return p != nullptr ? p->GradientDirection() : GradientVertical;
}

void TDedAdararAdoz::SetGradientDir(int ACol, int ARow, TCellGradientDirection Value) {
  GetCellProperties(ACol, ARow)->SetGradientDirection(Value);
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

bool TDedAdararAdoz::ReadOnly(int ACol, int ARow) const {
  const TCellProperties* p = PropsOf(this, ACol, ARow);
  return p != nullptr && p->ReadOnly();
}

void TDedAdararAdoz::SetReadOnly(int ACol, int ARow, bool Value) {
  GetCellProperties(ACol, ARow)->SetReadOnly(Value);
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

bool TDedAdararAdoz::WordWraps(int ACol, int ARow) const {
  const TCellProperties* p = PropsOf(this, ACol, ARow);
  return p != nullptr ? p->WordWrap() : FWordWrapEx;
}

void TDedAdararAdoz::SetWordWraps(int ACol, int ARow, bool Value) {
  GetCellProperties(ACol, ARow)->SetWordWrap(Value);
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

TColor TDedAdararAdoz::FontColors(int ACol, int ARow) const {
  const TCellProperties* p = PropsOf(this, ACol, ARow);
  return p != nullptr ? p->FontColor() : clNone;
}

void TDedAdararAdoz::SetFontColors(int ACol, int ARow, TColor Value) {
  GetCellProperties(ACol, ARow)->SetFontColor(Value);
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

TFontStyles TDedAdararAdoz::FontStyles(int ACol, int ARow) const {
  const TCellProperties* p = PropsOf(this, ACol, ARow);
  return p != nullptr ? p->FontStyle() : TFontStyles{};
}

void TDedAdararAdoz::SetFontStyles(int ACol, int ARow, TFontStyles Value) {
  GetCellProperties(ACol, ARow)->SetFontStyle(Value);
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

std::string TDedAdararAdoz::FontNames(int ACol, int ARow) const {
  const TCellProperties* p = PropsOf(this, ACol, ARow);
  return p != nullptr ? p->FontName() : std::string();
}

void TDedAdararAdoz::SetFontNames(int ACol, int ARow, const std::string& Value) {
  GetCellProperties(ACol, ARow)->SetFontName(Value);
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

int TDedAdararAdoz::FontSizes(int ACol, int ARow) const {
  const TCellProperties* p = PropsOf(this, ACol, ARow);
  return p != nullptr ? p->FontSize() : 0;
}

void TDedAdararAdoz::SetFontSizes(int ACol, int ARow, int Value) {
  GetCellProperties(ACol, ARow)->SetFontSize(Value);
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

TAlignment TDedAdararAdoz::Alignments(int ACol, int ARow) const {
  const TCellProperties* p = PropsOf(this, ACol, ARow);
  return p != nullptr ? p->Alignment() : taLeftJustify;
}

void TDedAdararAdoz::SetAlignments(int ACol, int ARow, TAlignment Value) {
  GetCellProperties(ACol, ARow)->SetAlignment(Value);
  RepaintCell(DisplColIndexOf(ACol), ARow);
}

void TDedAdararAdoz::SetCellFont(int ACol, int ARow, TFont* AFont) {
  if (AFont == nullptr) return;
  TCellProperties* p = GetCellProperties(ACol, ARow);
  p->SetFontName(AFont->Name());
  p->SetFontSize(AFont->Size());
  p->SetFontStyle(AFont->Style());
  p->SetFontColor(AFont->Color());
  if (FUpdateCount == 0) RepaintCell(DisplColIndexOf(ACol), ARow);
}

// ---------------------------------------------------------------------------
// Cell controls

TControl* TDedAdararAdoz::CellControls(int ACol, int ARow) const {
  const TCellProperties* p = PropsOf(this, ACol, ARow);
  return p != nullptr ? p->Control() : nullptr;
}

void TDedAdararAdoz::SetCellControls(int ACol, int ARow, TControl* AControl) {
  if (AControl == nullptr && !HasCellProperties(ACol, ARow)) return;
  TCellProperties* p = GetCellProperties(ACol, ARow);
  const int real = RealRowIndex(ARow);
  const int at = FControlList->ControlIndex(ACol, real);
  if (at >= 0) FControlList->RemoveControl(at);
  p->SetControl(AControl);
  if (AControl == nullptr) return;
  FControlList->AddControl(ACol, real, AControl);
  AControl->SetParent(this);
  const TRect r = CellRect(DisplColIndexOf(ACol), ARow);
  AControl->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
}

// ---------------------------------------------------------------------------
// Row colouring

namespace {
// Whether a cell's properties hold nothing but the look a new object would
// start from, so freeing them loses nothing.
bool HoldsOnlyTheStartLook(TDedAdararAdoz* G, int ACol, int ARow, const TCellProperties* P) {
  if (P->GraphicObject() != nullptr || P->Control() != nullptr || P->CellObject() != 0) return false;
  if (G->IsMergedCell(ACol, ARow) || !P->IsBaseCell() || P->NodeLevel() != 0 || P->ReadOnly()) return false;
  if (P->CalcType() != acNONE || P->CalcObject() != nullptr || P->Editor() != edNormal ||
      P->BorderWidth() != 0)
    return false;
  TFont font;
  TBrush brush;
  TColor to = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment h = taLeftJustify;
  TVAlignment v = vtaTop;
  bool wrap = G->TBaseGrid::WordWrap();
  TCellGradientDirection dir = GradientVertical;
  G->GetCellDrawProps(ACol, ARow, &font, &brush, to, mirror, mirrorTo, h, v, wrap, dir);
  auto sameOrNone = [](TColor Have, TColor Start) { return Have == clNone || Have == Start; };
  return sameOrNone(P->BrushColor(), brush.Color()) && sameOrNone(P->BrushColorTo(), to) &&
         sameOrNone(P->FontColor(), font.Color()) && P->FontName() == font.Name() &&
         P->FontSize() == font.Size() && P->FontStyle() == font.Style() && P->Alignment() == h &&
         P->VAlignment() == v && P->WordWrap() == wrap && P->GradientDirection() == dir;
}
}  // namespace

void TDedAdararAdoz::SetRowColor(int ARow, TColor AColor) {
  for (int c = FixedCols(); c < AllColCount(); ++c) {
    if (AColor != clNone) {
      GetCellProperties(c, ARow)->SetBrushColor(AColor);
      continue;
    }
    // Back to no colour: only the colour goes; the cell keeps its check
    // box, merge, read-only mark, object and everything else.
    if (!HasCellProperties(c, ARow)) continue;
    TCellProperties* p = GetGridObject(c, ARow);
    p->SetBrushColor(clNone);
    if (HoldsOnlyTheStartLook(this, c, ARow, p)) FreeCellProperties(c, ARow);
  }
  RepaintRow(ARow);
}

void TDedAdararAdoz::SetRowColorTo(int ARow, TColor AColor) {
  for (int c = FixedCols(); c < AllColCount(); ++c) {
    if (AColor != clNone) {
      GetCellProperties(c, ARow)->SetBrushColorTo(AColor);
      continue;
    }
    if (!HasCellProperties(c, ARow)) continue;
    TCellProperties* p = GetGridObject(c, ARow);
    p->SetBrushColorTo(clNone);
    if (HoldsOnlyTheStartLook(this, c, ARow, p)) FreeCellProperties(c, ARow);
  }
  RepaintRow(ARow);
}

void TDedAdararAdoz::SetRowFontColor(int ARow, TColor AColor) {
  for (int c = FixedCols(); c < AllColCount(); ++c) {
    if (AColor != clNone) {
      GetCellProperties(c, ARow)->SetFontColor(AColor);
      continue;
    }
    if (!HasCellProperties(c, ARow)) continue;
    TCellProperties* p = GetGridObject(c, ARow);
    p->SetFontColor(clNone);
    if (HoldsOnlyTheStartLook(this, c, ARow, p)) FreeCellProperties(c, ARow);
  }
  RepaintRow(ARow);
}

// ---------------------------------------------------------------------------
// Cells by real row in their other forms

TObject* TDedAdararAdoz::GetAllGridObject(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0) return nullptr;
  if (TStringList* cells = HiddenRowCells(ARow))
    return ACol < cells->Count() ? cells->Objects(ACol) : nullptr;
  return GetGridObject(ACol, DisplRowIndex(ARow));
}

TObject* TDedAdararAdoz::GetObjectsEx(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0) return nullptr;
  if (TStringList* cells = HiddenRowCells(ARow)) {
    if (ACol >= cells->Count()) return nullptr;
    auto* props = dynamic_cast<TCellProperties*>(cells->Objects(ACol));
    return props != nullptr ? reinterpret_cast<TObject*>(props->CellObject()) : nullptr;
  }
  return GetObjectEx(ACol, DisplRowIndex(ARow));
}

void TDedAdararAdoz::SetObjectsEx(int ACol, int ARow, TObject* Value) {
  if (ACol < 0 || ARow < 0) return;
  if (TStringList* cells = HiddenRowCells(ARow)) {
    while (cells->Count() <= ACol) cells->Add("");
    // A hidden row's slots hold cell properties only: the object goes into
    // them, as it does for a shown row.
    auto* props = dynamic_cast<TCellProperties*>(cells->Objects(ACol));
    if (props == nullptr) {
      props = new TCellProperties(this, ACol, ARow);
      cells->SetObjects(ACol, props);
    }
    props->SetCellObject(reinterpret_cast<uintptr_t>(Value));
    return;
  }
  SetObjectEx(ACol, DisplRowIndex(ARow), Value);
}

std::string TDedAdararAdoz::GetOriginalCells(int ACol, int ARow) {
  const int position = ColumnPosition(ACol);
  return GetCellEx(RealColIndex(position == -1 ? ACol : position), ARow);
}

void TDedAdararAdoz::SetOriginalCells(int ACol, int ARow, const std::string& Value) {
  const int position = ColumnPosition(ACol);
  SetCellEx(RealColIndex(position == -1 ? ACol : position), ARow, Value);
}

int TDedAdararAdoz::GetLinesInCell(int ACol, int ARow) {
  const std::string s = GetCellEx(ACol, ARow);
  return 1 + static_cast<int>(std::count(s.begin(), s.end(), '\n'));
}

// ---------------------------------------------------------------------------
// The current cell (the base cell of the merged area holding it)

std::string TDedAdararAdoz::ReadCurrentCell() {
  const TGridCoord b = BaseCell(RealCol(), Row());
  return GetGridCell(b.X, b.Y);
}

void TDedAdararAdoz::WriteCurrentCell(const std::string& Value) {
  const TGridCoord b = BaseCell(RealCol(), Row());
  SetCellEx(b.X, b.Y, Value);
}

std::string TDedAdararAdoz::GetCurrentCellText() {
  const TGridCoord b = BaseCell(RealCol(), Row());
  return GetCellEx(b.X, b.Y);
}

void TDedAdararAdoz::SetCurrentEditText(const std::string& Value) {
  const TGridCoord b = BaseCell(RealCol(), Row());
  SetEditText(b.X == RealCol() ? Col() : DisplColIndexOf(b.X), b.Y, Value);
}

// ---------------------------------------------------------------------------
// Rich text kept in a cell, one character per byte

void TDedAdararAdoz::CellToRich(int ACol, int ARow, TCustomRichEdit* RichEditor) {
  if (RichEditor == nullptr) return;
  const std::string text = GetCellEx(ACol, ARow);
  if (text.empty()) {
    RichEditor->Clear();
    return;
  }
  std::string bytes;
  bytes.reserve(text.size());
  for (char32_t ch : Utf8ToUtf32(text)) bytes.push_back(static_cast<char>(ch & 0xFF));
  RichEditor->SetText(DecodeTextAs(bytes, teAnsi));
}

std::string TDedAdararAdoz::RichToString(TCustomRichEdit* RichEditor) {
  if (RichEditor == nullptr || ComponentState().Contains(csDestroying)) return std::string();
  return DecodeTextAs(EncodeText(RichEditor->Text(), teAnsi, false), teAnsi);
}

void TDedAdararAdoz::RichToCell(int ACol, int ARow, TCustomRichEdit* RichEditor) {
  SetCellEx(ACol, ARow, RichToString(RichEditor));
}

// ---------------------------------------------------------------------------
// The sizing cursor: a column or row border the application does not let
// the user size shows no sizing cursor.

void TDedAdararAdoz::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                     int& SizingOfs) {
  TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs);
  int c = -1, r = -1;
  if (State == gsColSizing && OnColumnSize) {
    MouseToCell(X - 6, Y, c, r);
    if (r >= 0 && r < FixedRows() && c >= 0) {
      bool allow = true;
      OnColumnSize(this, c, allow);
      if (!allow) State = gsNormal;
    }
  }
  if (State == gsRowSizing && OnRowSize) {
    MouseToCell(X, Y - 6, c, r);
    if (c >= 0 && c < FixedCols() && r >= 0) {
      bool allow = true;
      OnRowSize(this, r, allow);
      if (!allow) State = gsNormal;
    }
  }
}

// ---------------------------------------------------------------------------
// Selection queries

void TDedAdararAdoz::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow) {
  SetSelection(TGridRect(FromCol, FromRow, ToCol, ToRow));
}

bool TDedAdararAdoz::IsSelected(int ACol, int ARow) {
  if (ARow < FixedRows() || ACol < FixedCols()) return false;
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->HasValue((ARow << 16) | (ACol & 0xFFFF));
  if (FMouseActions->DisjunctRowSelect()) return ARow < RowCount() && RowSelect(RowFlagIndex(ARow));
  if (FMouseActions->DisjunctColSelect()) return ACol < ColCount() && ColSelect(ACol);
  return PointInGridRect(ACol, ARow, Selection());
}

std::string TDedAdararAdoz::SelectedText() {
  const TGridRect s = Selection();
  int left = std::min(s.Left, s.Right), right = std::max(s.Left, s.Right);
  const int top = std::min(s.Top, s.Bottom), bottom = std::max(s.Top, s.Bottom);
  if (Options().Contains(goRowSelect) && FDragDropSettings->OleEntireRows()) {
    left = 0;
    right = ColCount() - 1;
  }
  std::vector<int> rows;
  if (FMouseActions->DisjunctRowSelect()) {
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (RowSelect(RowFlagIndex(r))) rows.push_back(r);
  } else {
    for (int r = top; r <= bottom && r < RowCount(); ++r) rows.push_back(r);
  }
  std::string out;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) out += "\r\n";
    for (int c = left; c <= right && c < ColCount(); ++c) {
      if (c > left) out += '\t';
      std::string cell = GetCellEx(RealColIndex(c), rows[i]);
      if (FExcelClipboardFormat && cell.find('\n') != std::string::npos) cell = QuoteMultiLineText(cell);
      out += cell;
    }
  }
  return out;
}
