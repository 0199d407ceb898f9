// TBaseGrid: construction, grid-wide properties, the undo link and the
// defaults of what the full grid supplies.
#include "grid/base/BaseGrid.h"

#include "framework/controls/Controls.h"
#include "grid/base/UndoRedo.h"

// BaseGrid_Published.cpp: referenced here so its tables come along.
void LinkBaseGridPublished();

TBaseGrid::TBaseGrid(TComponent* AOwner) : TObjStringGrid(AOwner) {
  LinkBaseGridPublished();
  SetGridLineWidth(1);
  SetDefaultDrawing(false);
  FSlotColExtent = ColCount();
  FSlotRowExtent = RowCount();
}

TBaseGrid::~TBaseGrid() {
  FDestroying = true;
  // Properties may lie beyond the counts (hidden columns, rows the count
  // shrank over): all of them go with the grid, not only those in view.
  FreeEveryStoredProperty();
}

// ---- Properties

void TBaseGrid::SetDefaultDrawing(bool Value) {
  TObjStringGrid::SetDefaultDrawing(false);
  FDefaultDrawing = Value;
}

void TBaseGrid::SetGridLineWidth(int Value) {
  FGridLineWidth = Value;
  TObjStringGrid::SetGridLineWidth(0);
  InvalidateGrid();
}

void TBaseGrid::SetGridLineColor(TColor Value) {
  FGridLineColor = Value;
  InvalidateGrid();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value) {
  FGridFixedLineColor = Value;
  InvalidateGrid();
}

namespace {
// Stores Value and repaints the grid when it changed.
template <class T>
void StoreAndRepaint(TBaseGrid* Grid, T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Grid->InvalidateGrid();
}
}  // namespace

void TBaseGrid::SetActiveRowShow(bool Value) { StoreAndRepaint(this, FActiveRowShow, Value); }
void TBaseGrid::SetActiveRowColor(TColor Value) { StoreAndRepaint(this, FActiveRowColor, Value); }
void TBaseGrid::SetActiveRowColorTo(TColor Value) { StoreAndRepaint(this, FActiveRowColorTo, Value); }
void TBaseGrid::SetActiveRowMirrorColor(TColor Value) { StoreAndRepaint(this, FActiveRowMirrorColor, Value); }
void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value) {
  StoreAndRepaint(this, FActiveRowMirrorColorTo, Value);
}
void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value) {
  StoreAndRepaint(this, FSelectionStyle, Value);
}

void TBaseGrid::SetUndoRedo(TDivUzevUndoRedo* Value) {
  FUndoRedo = Value;
  if (FUndoRedo != nullptr) {
    FreeNotification(FUndoRedo);
    FUndoRedo->SetGrid(this);
  }
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent != nullptr && AComponent == static_cast<TComponent*>(FUndoRedo))
    FUndoRedo = nullptr;
  TObjStringGrid::Notification(AComponent, Operation);
}

// ---- The undo link

void TBaseGrid::SetCurrentCell(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
  if (ACol == Col() && ARow == Row()) return;
  FocusCell(ACol, ARow, true);
}

void TBaseGrid::InvalidateGrid() { TObjStringGrid::InvalidateGrid(); }

// ---- Defaults of what the full grid supplies

bool TBaseGrid::IsFixed(int, int) { return false; }
int TBaseGrid::GetNodeIndent(int) { return 0; }
bool TBaseGrid::HasNodes() { return false; }
void TBaseGrid::LastRowChanged() {}

void TBaseGrid::GetDisplText(int ACol, int ARow, std::string& Value) {
  if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, std::string& Value) {
  if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::GetCellDrawProps(int, int, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                 TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HAlign,
                                 TVAlignment& VAlign, bool& WordWrap,
                                 TCellGradientDirection& GradientDirection) {
  AFont->Assign(Font());
  ABrush->SetColor(Color());
  AColorTo = clNone;
  AMirrorColor = clNone;
  AMirrorColorTo = clNone;
  HAlign = taLeftJustify;
  VAlign = vtaTop;
  WordWrap = FWordWrap;
  GradientDirection = GradientVertical;
}

void TBaseGrid::UpdateCellScrollBar(int, int) {}
bool TBaseGrid::HasCellBorders() { return false; }
bool TBaseGrid::GetUseVCLStyles() { return false; }

void TBaseGrid::GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, TBrush*, TColor&, TColor&,
                                    TColor&, TFont*, TAlignment&, TVAlignment&, bool&,
                                    TCellGradientDirection&) {}

int TBaseGrid::DisplColIndex(int ACol) { return ACol; }

int TBaseGrid::TotalColCount() const { return ColCount(); }
