// Typed views of the cell texts (integers, floats, dates, times and the
// values of form controls inside markup cells), fills, swapping cells and
// checking cells with the grid's cell checker.
#include <string>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Format.h"
#include "framework/rtl/Math.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/UndoRedo.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"

namespace {

int IntOf(const std::string& Text) {
  const std::string t = Trim(Text);
  if (t.empty() || t == "-") return 0;
  int32_t v = 0;
  if (!TryStrToInt(t, v)) throw EDivUzevError("Cell does not contain integer value");
  return v;
}

double FloatOf(const std::string& Text) {
  const std::string t = Trim(Text);
  if (t.empty() || t == "-") return 0;
  double v = 0;
  // The number part ("1,234.50 kg" -> "1234.50") is read with ".".
  if (!TryStrToFloat(ExtractNumberText(Text), v, '.'))
    throw EDivUzevError("Cell does not contain a float value");
  return v;
}

}  // namespace

int TDedAdararAdoz::Ints(int ACol, int ARow) { return IntOf(GetStrippedCell(ACol, ARow)); }

void TDedAdararAdoz::SetInts(int ACol, int ARow, int Value) {
  SetCellEx(ACol, ARow, IntToStr(Value));
  if (NumHiddenColumns() > 0) RepaintCell(DisplColIndexOf(ACol), ARow);
}

int TDedAdararAdoz::AllInts(int ACol, int ARow) { return IntOf(AllCells(ACol, ARow)); }

void TDedAdararAdoz::SetAllInts(int ACol, int ARow, int Value) { SetAllCells(ACol, ARow, IntToStr(Value)); }

double TDedAdararAdoz::Floats(int ACol, int ARow) { return FloatOf(GetStrippedCell(ACol, ARow)); }

void TDedAdararAdoz::SetFloats(int ACol, int ARow, double Value) {
  std::string fmt = FFloatFormat;
  GetCellFloatFormat(ACol, ARow, fmt);
  SetCellEx(ACol, ARow, Format(fmt, {Value}));
}

double TDedAdararAdoz::AllFloats(int ACol, int ARow) { return FloatOf(AllCells(ACol, ARow)); }

void TDedAdararAdoz::SetAllFloats(int ACol, int ARow, double Value) {
  SetAllCells(ACol, ARow, Format(FFloatFormat, {Value}));
}

TDateTime TDedAdararAdoz::Dates(int ACol, int ARow) { return StrToDate(GetCellEx(ACol, ARow)); }

void TDedAdararAdoz::SetDates(int ACol, int ARow, TDateTime Value) {
  SetCellEx(ACol, ARow, Value > 0 || FShowNullDates ? DateToStr(Value) : std::string());
}

TDateTime TDedAdararAdoz::Times(int ACol, int ARow) { return StrToTime(GetCellEx(ACol, ARow)); }

void TDedAdararAdoz::SetTimes(int ACol, int ARow, TDateTime Value) {
  SetCellEx(ACol, ARow, TimeToStr(Value));
}

std::string TDedAdararAdoz::ControlValues(int ACol, int ARow, const std::string& ID) {
  std::string value;
  if (!GetControlValue(GetCellEx(ACol, ARow), ID, value)) return std::string();
  return value;
}

void TDedAdararAdoz::SetControlValues(int ACol, int ARow, const std::string& ID, const std::string& Value) {
  std::string text = GetCellEx(ACol, ARow);
  if (SetControlValue(text, ID, Value)) SetCellEx(ACol, ARow, text);
}

void TDedAdararAdoz::SwapCells(TGridCoord FromCell, TGridCoord ToCell) {
  const std::string fromText = GetGridCell(FromCell.X, FromCell.Y);
  const std::string toText = GetGridCell(ToCell.X, ToCell.Y);
  TCellProperties* fromProps = GetGridObject(FromCell.X, FromCell.Y);
  TCellProperties* toProps = GetGridObject(ToCell.X, ToCell.Y);
  SetGridCell(FromCell.X, FromCell.Y, toText);
  SetGridCell(ToCell.X, ToCell.Y, fromText);
  if (toProps != nullptr) {
    toProps->SetOwnerCol(FromCell.X);
    toProps->SetOwnerRow(FromCell.Y);
  }
  if (fromProps != nullptr) {
    fromProps->SetOwnerCol(ToCell.X);
    fromProps->SetOwnerRow(ToCell.Y);
  }
  SetGridObject(FromCell.X, FromCell.Y, toProps);
  SetGridObject(ToCell.X, ToCell.Y, fromProps);
  RepaintCell(DisplColIndexOf(FromCell.X), FromCell.Y);
  RepaintCell(DisplColIndexOf(ToCell.X), ToCell.Y);
}

// ---------------------------------------------------------------------------
// Fills

namespace {
template <class F>
void FillArea(TDedAdararAdoz* G, bool DoFixed, F Cell) {
  const int c0 = DoFixed ? 0 : G->FixedCols();
  const int r0 = DoFixed ? 0 : G->FixedRows();
  const int c1 = DoFixed ? G->ColCount() - 1 : G->ColCount() - G->FixedRightCols() - 1;
  const int r1 = DoFixed ? G->RowCount() - 1 : G->RowCount() - G->FixedFooters() - 1;
  for (int r = r0; r <= r1; ++r)
    for (int c = c0; c <= c1; ++c) Cell(c, r);
  G->CalcAllFooters();
}
}  // namespace

void TDedAdararAdoz::TextFill(bool DoFixed, const std::string& Txt) {
  FillArea(this, DoFixed, [&](int c, int r) { SetCellEx(c, r, Txt); });
}

void TDedAdararAdoz::FormatFill(bool DoFixed, const std::string& Fmt) {
  FillArea(this, DoFixed, [&](int c, int r) { SetCellEx(c, r, Format(Fmt, {c, r})); });
}

void TDedAdararAdoz::RandomFill(bool DoFixed, int Rnd) {
  FillArea(this, DoFixed, [&](int c, int r) { SetInts(c, r, Random(Rnd)); });
}

void TDedAdararAdoz::LinearFill(bool DoFixed) {
  FillArea(this, DoFixed,
           [&](int c, int r) { SetCellEx(c, r, std::to_string(c) + ":" + std::to_string(r)); });
}

// ---------------------------------------------------------------------------
// Checking cells

std::string TDedAdararAdoz::UnMarkText(const std::string& S) { return UnHilightInMarkup(S, "e"); }

bool TDedAdararAdoz::CheckCell(int ACol, int ARow) {
  if (FCellChecker == nullptr) return true;
  const std::string unmarked = UnMarkText(GetCellEx(ACol, ARow));
  if (FCellChecker->GotoCell()) FocusCellMove(DisplColIndexOf(ACol), ARow);
  std::string text = unmarked;
  // Both steps start from the unmarked text: with both on, the marked
  // result is what is written.
  if (FCellChecker->UseCorrect()) text = FCellChecker->Correct(ACol, ARow, unmarked);
  if (FCellChecker->UseMarkError()) text = FCellChecker->MarkError(ACol, ARow, unmarked);
  SetCellEx(ACol, ARow, text);
  return text == unmarked;
}

bool TDedAdararAdoz::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow) {
  if (FCellChecker == nullptr) return true;
  FCellChecker->StartCheck();
  const int row = Row();
  const int col = Col();
  bool result = true;
  try {
    for (int r = FromRow; r <= ToRow; ++r)
      for (int c = FromCol; c <= ToCol; ++c)
        if (!CheckCell(c, r)) result = false;
  } catch (...) {
    FCellChecker->StopCheck();
    throw;
  }
  FCellChecker->StopCheck();
  if (FCellChecker->GotoCell()) {
    SetRow(row);
    SetCol(col);
  }
  return result;
}

bool TDedAdararAdoz::CheckCol(bool DoFixed, int ACol) {
  const int r0 = DoFixed ? 0 : FixedRows();
  const int r1 = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
  return CheckCells(ACol, r0, ACol, r1);
}

bool TDedAdararAdoz::CheckRow(bool DoFixed, int ARow) {
  const int c0 = DoFixed ? 0 : FixedCols();
  const int c1 = DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
  return CheckCells(c0, ARow, c1, ARow);
}

bool TDedAdararAdoz::CheckGrid(bool DoFixed) {
  const int c0 = DoFixed ? 0 : FixedCols();
  const int c1 = DoFixed ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
  const int r0 = DoFixed ? 0 : FixedRows();
  const int r1 = DoFixed ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
  return CheckCells(c0, r0, c1, r1);
}
