// Highlighting (tag hi) and marking (tag e) text in cells, the column
// widths and offsets of the last print layout, and change notifiers.
//
// Wrapping and unwrapping change the stored text of a cell, never its
// display form: a grid that shows its values through OnGetDisplText keeps
// its values.
#include <algorithm>
#include <string>

#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/model/DivUzev.h"

namespace {

constexpr const char* kHilight = "hi";
constexpr const char* kMark = "e";

std::string Wrap(bool DoCase, const std::string& S, const std::string& Text, const char* Tag) {
  if (Text.empty()) return S;
  // The markup routine escapes a plain text itself and keeps the tags of a
  // marked-up one, so a highlighted cell can be marked too.
  return HilightInMarkup(S, Text, Tag, DoCase);
}

std::string Unwrap(const std::string& S, const char* Tag) {
  return UnHilightInMarkup(UnescapeHTML(S, false), Tag);
}

// Whether S holds the opening form of Tag, in any case.
bool HasTag(const std::string& S, const char* Tag) {
  return UpperCase(S).find("<" + UpperCase(Tag) + ">") != std::string::npos;
}

}  // namespace

std::string TDedAdararAdoz::HilightText(bool DoCase, const std::string& S, const std::string& Text) {
  return Wrap(DoCase, S, Text, kHilight);
}

std::string TDedAdararAdoz::UnHilightText(const std::string& S) { return Unwrap(S, kHilight); }

std::string TDedAdararAdoz::MarkText(bool DoCase, const std::string& S, const std::string& Text) {
  return Wrap(DoCase, S, Text, kMark);
}

// ---------------------------------------------------------------------------
// One cell

void TDedAdararAdoz::WrapInCell(int ACol, int ARow, const char* Tag, bool DoCase, const std::string& Text) {
  if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount()) return;
  if (HasCellProperties(ACol, ARow) && !GetGridObject(ACol, ARow)->IsBaseCell()) return;
  const std::string now = GetGridCell(ACol, ARow);
  const std::string next = Wrap(DoCase, now, Text, Tag);
  // Cells without a hit stay as they are, unescaped.
  if (HasTag(next, Tag)) SetCellEx(ACol, ARow, next);
}

void TDedAdararAdoz::UnwrapInCell(int ACol, int ARow, const char* Tag) {
  if (ACol < 0 || ARow < 0 || ACol >= TotalColCount() || ARow >= RowCount()) return;
  if (HasCellProperties(ACol, ARow) && !GetGridObject(ACol, ARow)->IsBaseCell()) return;
  const std::string now = GetGridCell(ACol, ARow);
  // Only cells that carry the tag were escaped by wrapping.
  if (!HasTag(now, Tag)) return;
  SetCellEx(ACol, ARow, Unwrap(now, Tag));
}

void TDedAdararAdoz::HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText) {
  WrapInCell(Col, Row, kHilight, DoCase, HiText);
}

void TDedAdararAdoz::MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText) {
  WrapInCell(Col, Row, kMark, DoCase, HiText);
}

void TDedAdararAdoz::UnHilightInCell(int Col, int Row) { UnwrapInCell(Col, Row, kHilight); }
void TDedAdararAdoz::UnMarkInCell(int Col, int Row) { UnwrapInCell(Col, Row, kMark); }

// ---------------------------------------------------------------------------
// Ranges (real columns)

void TDedAdararAdoz::WrapRange(int C1, int R1, int C2, int R2, const char* Tag, bool Wrapping, bool DoCase,
                               const std::string& Text) {
  C2 = std::min(C2, TotalColCount() - 1);
  R2 = std::min(R2, RowCount() - 1);
  for (int r = std::max(R1, 0); r <= R2; ++r)
    for (int c = std::max(C1, 0); c <= C2; ++c) {
      if (Wrapping)
        WrapInCell(c, r, Tag, DoCase, Text);
      else
        UnwrapInCell(c, r, Tag);
    }
}

void TDedAdararAdoz::ColRange(bool DoFixed, int& R1, int& R2) {
  R1 = DoFixed ? 0 : FixedRows();
  R2 = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}

void TDedAdararAdoz::RowRange(bool DoFixed, int& C1, int& C2) {
  C1 = DoFixed ? 0 : FixedCols();
  C2 = DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}

void TDedAdararAdoz::HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText) {
  int r1, r2;
  ColRange(DoFixed, r1, r2);
  WrapRange(Col, r1, Col, r2, kHilight, true, DoCase, HiText);
}

void TDedAdararAdoz::MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText) {
  int r1, r2;
  ColRange(DoFixed, r1, r2);
  WrapRange(Col, r1, Col, r2, kMark, true, DoCase, HiText);
}

void TDedAdararAdoz::UnHilightInCol(bool DoFixed, int Col) {
  int r1, r2;
  ColRange(DoFixed, r1, r2);
  WrapRange(Col, r1, Col, r2, kHilight, false, false, "");
}

void TDedAdararAdoz::UnMarkInCol(bool DoFixed, int Col) {
  int r1, r2;
  ColRange(DoFixed, r1, r2);
  WrapRange(Col, r1, Col, r2, kMark, false, false, "");
}

void TDedAdararAdoz::HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText) {
  int c1, c2;
  RowRange(DoFixed, c1, c2);
  WrapRange(c1, Row, c2, Row, kHilight, true, DoCase, HiText);
}

void TDedAdararAdoz::MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText) {
  int c1, c2;
  RowRange(DoFixed, c1, c2);
  WrapRange(c1, Row, c2, Row, kMark, true, DoCase, HiText);
}

void TDedAdararAdoz::UnHilightInRow(bool DoFixed, int Row) {
  int c1, c2;
  RowRange(DoFixed, c1, c2);
  WrapRange(c1, Row, c2 + NumHiddenColumns(), Row, kHilight, false, false, "");
}

void TDedAdararAdoz::UnMarkInRow(bool DoFixed, int Row) {
  int c1, c2;
  RowRange(DoFixed, c1, c2);
  WrapRange(c1, Row, c2 + NumHiddenColumns(), Row, kMark, false, false, "");
}

void TDedAdararAdoz::HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText) {
  if (DoFixed)
    WrapRange(0, 0, ColCount() - 1, RowCount() - 1, kHilight, true, DoCase, HiText);
  else
    WrapRange(FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1 + NumHiddenColumns(),
              RowCount() - FFixedFooters - 1, kHilight, true, DoCase, HiText);
}

void TDedAdararAdoz::MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText) {
  if (DoFixed)
    WrapRange(0, 0, ColCount() - 1, RowCount() - 1, kMark, true, DoCase, HiText);
  else
    WrapRange(FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1,
              kMark, true, DoCase, HiText);
}

void TDedAdararAdoz::UnHilightInGrid(bool DoFixed) {
  if (DoFixed)
    WrapRange(0, 0, TotalColCount() - 1, RowCount() - 1, kHilight, false, false, "");
  else
    WrapRange(FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1 + NumHiddenColumns(),
              RowCount() - FFixedFooters - 1, kHilight, false, false, "");
}

void TDedAdararAdoz::UnMarkInGrid(bool DoFixed) {
  if (DoFixed)
    WrapRange(0, 0, TotalColCount() - 1, RowCount() - 1, kMark, false, false, "");
  else
    WrapRange(FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1 + NumHiddenColumns(),
              RowCount() - FFixedFooters - 1, kMark, false, false, "");
}

// ---------------------------------------------------------------------------
// Print layout

namespace {
void CheckPrintCol(int ACol) {
  if (ACol < 0 || ACol >= 512) throw EDivUzevError("Columns is not in valid range");
}
}  // namespace

int TDedAdararAdoz::PrintColWidth(int ACol) const {
  CheckPrintCol(ACol);
  return FPrintColWidth[ACol];
}

void TDedAdararAdoz::SetPrintColWidth(int ACol, int Value) {
  CheckPrintCol(ACol);
  FPrintColWidth[ACol] = Value;
}

int TDedAdararAdoz::PrintColOffset(int ACol) const {
  CheckPrintCol(ACol);
  return FPrintColOffset[ACol];
}

void TDedAdararAdoz::SetPrintColOffset(int ACol, int Value) {
  CheckPrintCol(ACol);
  FPrintColOffset[ACol] = Value;
}

// ---------------------------------------------------------------------------
// Change notifiers

void TDedAdararAdoz::RegisterNotifier(TGridChangeNotifier* ANotifier) {
  if (ANotifier == nullptr || std::find(FNotifiers.begin(), FNotifiers.end(), ANotifier) != FNotifiers.end())
    return;
  FNotifiers.push_back(ANotifier);
  // A freed notifier drops out of the list.
  FreeNotification(ANotifier);
}

void TDedAdararAdoz::UnRegisterNotifier(TGridChangeNotifier* ANotifier) {
  auto it = std::find(FNotifiers.begin(), FNotifiers.end(), ANotifier);
  if (it != FNotifiers.end()) FNotifiers.erase(it);
}

void TDedAdararAdoz::NotifyCellsChanged(const TRect& R) {
  // A notifier may unregister itself while it is told.
  const std::vector<TGridChangeNotifier*> all(FNotifiers);
  for (TGridChangeNotifier* n : all)
    if (std::find(FNotifiers.begin(), FNotifiers.end(), n) != FNotifiers.end()) n->CellsChanged(R);
}
