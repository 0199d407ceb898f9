// Look and behaviour settings whose writes carry rules of their own.
#include <algorithm>

#include "grid/base/DudHTMLE.h"
#include "grid/base/VevCtrls.h"
#include "grid/base/VevStyleIF.h"
#include "grid/base/VevStyleIF_Notifier.h"
#include "grid/model/DivUzev.h"

void TDedAdararAdoz::SetSelectionColorMixerFactor(const int& Value) {
  if (Value == FSelectionColorMixerFactor) return;
  FSelectionColorMixerFactor = std::clamp(Value, 0, 100);
  InvalidateGrid();
}

void TDedAdararAdoz::SetShowSelection(const bool& Value) {
  if (Value == FShowSelection) return;
  FShowSelection = Value;
  SetShowSel(Value);
  InvalidateGrid();
}

void TDedAdararAdoz::SetSpreadSheet(const bool& Value) {
  if (Value == FSpreadSheet) return;
  FSpreadSheet = Value;
  // Switching off gives back what the grid had before it was switched on.
  TSpreadSheetState& was = FSpreadSheetWas;
  if (Value) {
    was = {SelectionRectangle(),
           SelectionResizer(),
           FNavigation->AllowSmartClipboard(),
           Options().Contains(goRangeSelect),
           Options().Contains(goEditing),
           FMouseActions->RangeSelectAndEdit()};
  }
  const TSpreadSheetState now = Value ? TSpreadSheetState{true, true, true, true, true, true} : was;
  SetSelectionRectangle(now.Rectangle);
  SetSelectionResizer(now.Resizer);
  FNavigation->SetAllowSmartClipboard(now.SmartClipboard);
  TGridOptions o = Options();
  o = now.RangeSelect ? o << goRangeSelect : o >> goRangeSelect;
  o = now.Editing ? o << goEditing : o >> goEditing;
  SetOptions(o);
  FMouseActions->SetRangeSelectAndEdit(now.RangeSelectAndEdit);
}

void TDedAdararAdoz::SetAutoSize(bool Value) {
  FAutoSizeColumns = Value;
  if (Value && !ComponentState().Contains(csLoading)) AutoSizeColumns(false, 10);
}

void TDedAdararAdoz::SetArrowColor(TColor Value) {
  if (FDesigning) return;
  FArrowColor = Value;
  for (TArrowWindow* a : FArrows)
    if (a != nullptr) a->SetColor(Value);
}

void TDedAdararAdoz::SetActiveCellShow(const bool& Value) {
  FActiveCellShow = Value;
  InvalidateGrid();
}

void TDedAdararAdoz::SetActiveCellColor(const TColor& Value) {
  FActiveCellColor = Value;
  InvalidateGrid();
}

void TDedAdararAdoz::SetActiveCellColorTo(const TColor& Value) {
  FActiveCellColorTo = Value;
  InvalidateGrid();
}

void TDedAdararAdoz::SetAutoThemeAdapt(const bool& Value) {
  if (Value == FAutoThemeAdapt) return;
  FAutoThemeAdapt = Value;
  FSearchFooter->SetAutoThemeAdapt(Value);
  if (Value) {
    FollowOfficeTheme();
    InvalidateGrid();
  }
  if (FDesigning || !HandleAllocated() || ComponentState().Contains(csLoading)) return;
  TThemeNotifier* n = Value ? GetThemeNotifier(this) : CurrentThemeNotifier();
  if (n == nullptr) return;
  if (Value)
    n->RegisterWindow(Handle());
  else
    n->UnRegisterWindow(Handle());
}

void TDedAdararAdoz::SetBorderColor(const TColor& Value) {
  if (Value == FBorderColor) return;
  FBorderColor = Value;
  if (Parent() != nullptr && Parent()->HandleAllocated()) RepaintBorder();
}

void TDedAdararAdoz::SetHighlightColor(const TColor& Value) {
  if (Value == FHighlightColor) return;
  FHighlightColor = Value;
  SetHighlightColors(FHighlightColor, FHighlightTextColor);
  InvalidateGrid();
}

void TDedAdararAdoz::SetHighlightTextColor(const TColor& Value) {
  if (Value == FHighlightTextColor) return;
  FHighlightTextColor = Value;
  SetHighlightColors(FHighlightColor, FHighlightTextColor);
  InvalidateGrid();
}

void TDedAdararAdoz::SetURLColor(const TColor& Value) {
  if (Value == FURLColor) return;
  FURLColor = Value;
  if (URLShow()) InvalidateGrid();
}

void TDedAdararAdoz::SetURLFull(const bool& Value) {
  FURLFull = Value;
  if (URLShow()) InvalidateGrid();
}
