// The cell store: TCellProperties, cell texts, object slots and freeing.
#include <algorithm>
#include <memory>

#include "grid/base/BaseGrid.h"
#include "grid/base/VevUtil.h"

// ---------------------------------------------------------------------------
// TCellProperties

TCellProperties::TCellProperties(TBaseGrid* AOwnerGrid, int ACol, int ARow)
    : FOwnerGrid(AOwnerGrid), FOwnerCol(ACol), FOwnerRow(ARow) {
  if (FOwnerGrid != nullptr) {
    FWordWrap = FOwnerGrid->WordWrap();
    FOwnerGrid->SetHasCellProps(true);
  }
}

TCellProperties::~TCellProperties() = default;

void TCellProperties::Repaint() {
  if (FOwnerGrid != nullptr) FOwnerGrid->RepaintCell(FOwnerGrid->DisplColIndex(FOwnerCol), FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor Value) {
  FBrushColor = Value;
  Repaint();
}

void TCellProperties::SetBrushColorTo(TColor Value) {
  FBrushColorTo = Value;
  Repaint();
}

void TCellProperties::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  Repaint();
}

void TCellProperties::SetWordWrap(bool Value) {
  FWordWrap = Value;
  Repaint();
}

void TCellProperties::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TCellProperties*>(Source);
  if (src == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  FIsBaseCell = src->FIsBaseCell;
  FCellSpanX = src->FCellSpanX;
  FCellSpanY = src->FCellSpanY;
  FOwnerRow = src->FOwnerRow;
  FOwnerCol = src->FOwnerCol;
  FObject = src->FObject;
  FAlignment = src->FAlignment;
  FBorderColor = src->FBorderColor;
  FBorderWidth = src->FBorderWidth;
  FBrushColor = src->FBrushColor;
  FBrushStyle = src->FBrushStyle;
  FFontColor = src->FFontColor;
  FFontStyle = src->FFontStyle;
  FFontName = src->FFontName;
  FFontSize = src->FFontSize;
  FReadOnly = src->FReadOnly;
  FEditor = src->FEditor;
  FVAlignment = src->FVAlignment;
  FWordWrap = src->FWordWrap;
  FNodeLevel = src->FNodeLevel;
  FControl = src->FControl;
}

TGridCoord TCellProperties::GetBaseCell() const {
  if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1)
    return TGridCoord(FOwnerCol - FCellSpanX, FOwnerRow - FCellSpanY);
  return TGridCoord(FOwnerCol, FOwnerRow);
}

// ---------------------------------------------------------------------------
// Slots

TCellProperties* TBaseGrid::PropsAt(int ACol, int ARow) const {
  // Plain tables never stored properties: no slot to look at.
  if (!FSlotsUsed) return nullptr;
  if (ACol < 0 || ARow < 0 || ARow >= RowCount() || ACol >= TotalColCount()) return nullptr;
  return static_cast<TCellProperties*>(TStringGrid::Objects(ACol, ARow));
}

void TBaseGrid::BaseOf(const TCellProperties* Props, int& ACol, int& ARow) {
  if (!Props->IsBaseCell() && Props->CellSpanX() != -1 && Props->CellSpanY() != -1) {
    ACol -= Props->CellSpanX();
    ARow -= Props->CellSpanY();
  }
}

bool TBaseGrid::HasCellProperties(int ACol, int ARow) const { return PropsAt(ACol, ARow) != nullptr; }

TCellProperties* TBaseGrid::GetGridObject(int ACol, int ARow) const {
  return static_cast<TCellProperties*>(TStringGrid::Objects(ACol, ARow));
}

void TBaseGrid::NoteSlotExtent(int ACol, int ARow) {
  FSlotsUsed = true;
  FSlotColExtent = std::max(FSlotColExtent, ACol + 1);
  FSlotRowExtent = std::max(FSlotRowExtent, ARow + 1);
}

void TBaseGrid::SetGridObject(int ACol, int ARow, TCellProperties* Value) {
  TStringGrid::SetObjects(ACol, ARow, Value);
  if (Value != nullptr) {
    NoteSlotExtent(ACol, ARow);
    FHasCellProps = true;
  }
}

TCellProperties* TBaseGrid::GetCellProperties(int ACol, int ARow) {
  if (TCellProperties* p = GetGridObject(ACol, ARow)) return p;
  auto owned = std::make_unique<TCellProperties>(this, ACol, ARow);
  TCellProperties* props = owned.get();
  SetGridObject(ACol, ARow, owned.release());

  // A new cell starts from the look the grid reports for it right now.
  TFont font;
  TBrush brush;
  TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wordWrap = FWordWrap;
  TCellGradientDirection direction = GradientVertical;
  GetCellDrawProps(ACol, ARow, &font, &brush, colorTo, mirrorColor, mirrorColorTo, hAlign, vAlign, wordWrap,
                   direction);
  props->SetCalcType(acNONE);
  props->SetAlignment(hAlign);
  props->SetVAlignment(vAlign);
  props->SetWordWrap(wordWrap);
  props->SetFontName(font.Name());
  props->SetFontSize(font.Size());
  props->SetFontStyle(font.Style());
  props->SetFontColor(font.Color());
  props->SetBrushColor(brush.Color());
  props->SetBrushColorTo(colorTo);
  props->SetGradientDirection(direction);
  return props;
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, TCellProperties* Value) {
  TCellProperties* old = GetGridObject(ACol, ARow);
  // Storing what the slot holds must not free it from under the caller.
  if (old == Value) return;
  delete old;
  TStringGrid::SetObjects(ACol, ARow, nullptr);
  SetGridObject(ACol, ARow, Value);
}

// ---------------------------------------------------------------------------
// Texts

const std::string& TBaseGrid::ShownCellText(int ACol, int ARow) {
  int bc = ACol, br = ARow;
  if (const TCellProperties* p = PropsAt(ACol, ARow)) BaseOf(p, bc, br);
  // The hooks may read cells themselves, any number: the text is built
  // aside and takes a place among the kept texts only when done. The
  // outermost read builds in a string that keeps its room.
  std::string nested;
  std::string& text = FShownDepth == 0 ? FShownWork : nested;
  text = TStringGrid::Cells(bc, br);
  if (br < FNormalRowCount) {
    struct TDepth {
      int& D;
      explicit TDepth(int& AD) : D(AD) { ++D; }
      ~TDepth() { --D; }
    } depth(FShownDepth);
    GetDisplText(bc, br, text);
    if (OnGetDisplWideText) {
      std::string wide = DecodeWideCellText(text);
      GetDisplWideText(bc, br, wide);
      text = EncodeWideCellText(wide);
    }
  }
  // Reads a hook makes keep their texts apart from the caller's, so a
  // hook reading many cells never overwrites a text the caller holds.
  TShownTexts& ring = FShownDepth == 0 ? FShownTexts : FNestedTexts;
  std::string& kept = ring.Texts[ring.Next];
  ring.Next = (ring.Next + 1) % kShownTexts;
  kept.swap(text);
  return kept;
}

const std::string& TBaseGrid::KeepShownText(std::string&& Text) {
  TShownTexts& ring = FShownDepth == 0 ? FShownTexts : FNestedTexts;
  std::string& kept = ring.Texts[ring.Next];
  ring.Next = (ring.Next + 1) % kShownTexts;
  kept = std::move(Text);
  return kept;
}

void TBaseGrid::SetCellEx(int ACol, int ARow, const std::string& Value) {
  if (const TCellProperties* p = PropsAt(ACol, ARow)) {
    int bc = ACol, br = ARow;
    BaseOf(p, bc, br);
    TStringGrid::SetCells(bc, br, Value);
    UpdateCellScrollBar(bc, br);
    if (Parent() != nullptr) RepaintCell(DisplColIndex(ACol), ARow);
  } else {
    TStringGrid::SetCells(ACol, ARow, Value);
  }
  if (FHideLastRow && ARow == RowCount() - 1) LastRowChanged();
}

// ---------------------------------------------------------------------------
// Objects

TObject* TBaseGrid::GetObjectEx(int ACol, int ARow) const {
  TCellProperties* p = PropsAt(ACol, ARow);
  return p != nullptr ? reinterpret_cast<TObject*>(p->CellObject()) : nullptr;
}

void TBaseGrid::SetObjectEx(int ACol, int ARow, TObject* Value) {
  bool empty = GetCellEx(ACol, ARow).empty();
  if (empty) SetCellEx(ACol, ARow, " ");
  GetCellProperties(ACol, ARow)->SetCellObject(reinterpret_cast<uintptr_t>(Value));
  if (empty) SetCellEx(ACol, ARow, "");
}

TObject* TBaseGrid::GetGraphicObjectEx(int ACol, int ARow) const {
  TCellProperties* p = PropsAt(ACol, ARow);
  return p != nullptr ? p->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int ACol, int ARow, TObject* Value) {
  if (FDestroying || ComponentState().Contains(csDestroying)) return;
  bool empty = GetCellEx(ACol, ARow).empty();
  if (empty) SetCellEx(ACol, ARow, " ");
  GetCellProperties(ACol, ARow)->SetGraphicObject(Value);
  if (empty) SetCellEx(ACol, ARow, "");
}

TObject* TBaseGrid::GetGraphicOf(const TCellProperties* Props) {
  return Props != nullptr ? Props->GraphicObject() : nullptr;
}

// ---------------------------------------------------------------------------
// Repainting, freeing and clearing

void TBaseGrid::RepaintCell(int ACol, int ARow) {
  if (!HandleAllocated()) return;
  TRect r = CellRect(ACol, ARow);
  InvalidateRect(&r, true);
}

void TBaseGrid::FreeSlot(int ACol, int ARow, bool FreeGraphic) {
  TObject* slot = TStringGrid::Objects(ACol, ARow);
  if (slot == nullptr) return;
  TStringGrid::SetObjects(ACol, ARow, nullptr);
  auto* props = dynamic_cast<TCellProperties*>(slot);
  if (props == nullptr) return;  // not ours to free
  if (FreeGraphic) {
    TObject* graphic = props->GraphicObject();
    if (graphic != nullptr && graphic->ClassName() == "TCellGraphic") delete graphic;
  }
  delete props;
}

void TBaseGrid::FreeCellProperties(int ACol, int ARow) { FreeSlot(ACol, ARow, false); }

void TBaseGrid::FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow) {
  if (!FHasCellProps) return;
  FromCol = std::max(FromCol, 0);
  FromRow = std::max(FromRow, 0);
  // Nothing was ever stored outside the noted extents.
  ToCol = std::min(ToCol, FSlotColExtent - 1);
  ToRow = std::min(ToRow, FSlotRowExtent - 1);
  for (int r = FromRow; r <= ToRow; ++r)
    for (int c = FromCol; c <= ToCol; ++c) FreeSlot(c, r, true);
}

void TBaseGrid::FreeAllCellProperties() { FreeCellPropertiesRange(0, 0, ColCount() - 1, RowCount() - 1); }

void TBaseGrid::FreeEveryStoredProperty() {
  if (!FSlotsUsed) return;
  for (int r = 0; r < FSlotRowExtent; ++r)
    for (int c = 0; c < FSlotColExtent; ++c) FreeSlot(c, r, true);
}

void TBaseGrid::ClearColEntries(int ACol) {
  for (int r = 0; r < RowCount(); ++r) {
    TStringGrid::SetObjects(ACol, r, nullptr);
    SetCellEx(ACol, r, "");
  }
}

void TBaseGrid::ClearRowEntries(int ARow) {
  for (int c = 0; c < ColCount(); ++c) {
    TStringGrid::SetObjects(c, ARow, nullptr);
    SetCellEx(c, ARow, "");
  }
}

void TBaseGrid::ClearCellEntry(int ACol, int ARow) {
  SetCellEx(ACol, ARow, "");
  TStringGrid::SetObjects(ACol, ARow, nullptr);
}

// ---------------------------------------------------------------------------
// Storage bookkeeping

void TBaseGrid::SizeChanged(int OldColCount, int OldRowCount) {
  // Rows and columns move only within the counts: what the counts ever
  // covered bounds where properties can have gone.
  FSlotColExtent = std::max({FSlotColExtent, OldColCount, ColCount()});
  FSlotRowExtent = std::max({FSlotRowExtent, OldRowCount, RowCount()});
  TObjStringGrid::SizeChanged(OldColCount, OldRowCount);
}

void TBaseGrid::DeleteColumn(int ACol) {
  if (FSlotsUsed && ACol >= 0 && ACol < ColCount() && ColCount() > 1)
    for (int r = 0; r < FSlotRowExtent; ++r) FreeSlot(ACol, r, true);
  TObjStringGrid::DeleteColumn(ACol);
}

void TBaseGrid::DeleteRow(int ARow) {
  if (FSlotsUsed && ARow >= 0 && ARow < RowCount() && RowCount() > 1)
    for (int c = 0; c < FSlotColExtent; ++c) FreeSlot(c, ARow, true);
  TObjStringGrid::DeleteRow(ARow);
}

void TBaseGrid::DeleteRowRange(int ARow, int Count) {
  if (FSlotsUsed && ARow >= 0 && ARow < RowCount()) {
    const int last = std::min(ARow + std::min(Count, RowCount() - 1), std::min(RowCount(), FSlotRowExtent));
    for (int r = ARow; r < last; ++r)
      for (int c = 0; c < FSlotColExtent; ++c) FreeSlot(c, r, true);
  }
  TObjStringGrid::DeleteRowRange(ARow, Count);
}
