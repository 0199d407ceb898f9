// Look and behaviour settings whose writes carry rules of their own.
#include <algorithm>

#include "grid/base/DudHTMLE.h"
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
  FSpreadSheet = Value;
  // The spreadsheet behaviour is switched on only by true; false keeps what
  // the grid has.
  if (!Value) return;
  SetSelectionRectangle(true);
  SetSelectionResizer(true);
  FNavigation->SetAllowSmartClipboard(true);
  SetOptions(Options() << goRangeSelect << goEditing);
  FMouseActions->SetRangeSelectAndEdit(true);
}

void TDedAdararAdoz::SetAutoSize(bool Value) {
  FAutoSizeColumns = Value;
  if (Value && !ComponentState().Contains(csLoading)) AutoSizeColumns(false, 10);
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
