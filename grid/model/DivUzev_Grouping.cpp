// Grouping: rows with equal values in a column gathered under header rows
// that are tree nodes, optional summary rows, a second level inside the
// first, and calculations written into each group's header or summary.
#include <algorithm>
#include <cmath>
#include <set>
#include <string>

#include "framework/rtl/StrUtils.h"
#include "grid/base/VevObj.h"
#include "grid/model/DivUzev.h"

namespace {

// Compared with the first row, so the first row always starts a group.
const std::string kSentinel = "\xC3\xBF\xC3\xBE";

// Holds updates and clears the grouping flag whatever happens.
class TGroupingRun {
 public:
  TGroupingRun(TDedAdararAdoz* G, bool& Flag) : g_(G), flag_(Flag) {
    g_->BeginUpdate();
    flag_ = true;
  }
  ~TGroupingRun() {
    flag_ = false;
    g_->EndUpdate();
  }
  TGroupingRun(const TGroupingRun&) = delete;
  TGroupingRun& operator=(const TGroupingRun&) = delete;

 private:
  TDedAdararAdoz* g_;
  bool& flag_;
};

}  // namespace

void TDedAdararAdoz::SetGroupColumn(int Value) {
  if (Value == -1)
    UnGroup();
  else if (Value > 0)
    Group(Value);
}

// ---------------------------------------------------------------------------
// Looks of header and summary rows

void TDedAdararAdoz::ColourGroupRow(int ARow, bool Header) {
  const TColor color = Header ? FGrouping->HeaderColor() : FGrouping->SummaryColor();
  const TColor colorTo = Header ? FGrouping->HeaderColorTo() : FGrouping->SummaryColorTo();
  const TColor text = Header ? FGrouping->HeaderTextColor() : FGrouping->SummaryTextColor();
  if (color != clNone) SetRowColor(ARow, color);
  if (colorTo != clNone) SetRowColorTo(ARow, colorTo);
  if (text != clNone) SetRowFontColor(ARow, text);
}

void TDedAdararAdoz::UncolourGroupRow(int ARow, bool Header) {
  const bool merge = Header ? FGrouping->MergeHeader() : FGrouping->MergeSummary();
  if (merge) {
    SplitCells(1, ARow);
    return;
  }
  if ((Header ? FGrouping->HeaderColor() : FGrouping->SummaryColor()) != clNone) SetRowColor(ARow, clNone);
  if ((Header ? FGrouping->HeaderColorTo() : FGrouping->SummaryColorTo()) != clNone)
    SetRowColorTo(ARow, clNone);
}

// ---------------------------------------------------------------------------
// One level

void TDedAdararAdoz::Group(int ColIndex) {
  if (ColIndex < FixedCols()) return;
  if (FGroupColumn != -1) UnGroup();
  if (RowCount() - FFixedFooters <= FixedRows()) return;
  {
    TGroupingRun run(this, FIsGrouping);
    FGroupColumn = ColIndex;
    FGroupWidth = AllColWidths(ColIndex);
    FGroupCaption = FixedRows() > 0 ? GetGridCell(ColIndex, 0) : std::string();
    FGroupFooter = FFixedFooters > 0 ? GetGridCell(ColIndex, RowCount() - 1) : std::string();

    // The groups' data rows, top-down.
    std::vector<std::pair<int, int>> groups;
    std::string prev = kSentinel;
    const int last = RowCount() - FFixedFooters - 1;
    for (int a = FixedRows(); a <= last; ++a) {
      const std::string& text = GetGridCell(ColIndex, a);
      if (text != prev || groups.empty())
        groups.emplace_back(a, a);
      else
        groups.back().second = a;
      prev = text;
    }

    // Built bottom-up, so the rows above keep their places: a summary row
    // after each group, the header (a node over itself and the data rows)
    // before it. The value goes to the column that is column 1 once the
    // grouped column is gone.
    const bool summary = FGrouping->Summary();
    const int valueCol = ColIndex == 1 ? 2 : 1;
    for (auto it = groups.rbegin(); it != groups.rend(); ++it) {
      const int first = it->first, end = it->second;
      if (summary) {
        InsertRows(end + 1, 1);
        SetSummaryRow(RealRowIndex(end + 1));
        if (!FGrouping->MergeSummary()) ColourGroupRow(end + 1, false);
      }
      const std::string value = GetGridCell(ColIndex, first);
      InsertRows(first, 1);
      SetGridCell(valueCol, first, value);
      if (!FGrouping->MergeHeader()) ColourGroupRow(first, true);
      AddNode(RealRowIndex(first), end - first + 2);
    }
    RemoveCols(ColIndex, 1);

    if (FGrouping->MergeHeader() || (FGrouping->MergeSummary() && summary)) {
      for (int b = FixedRows(); b < RowCount(); ++b) {
        const bool header = IsNode(b) && FGrouping->MergeHeader();
        const bool sum = IsSummary(b) && FGrouping->MergeSummary() && summary;
        if ((!header && !sum) || ColCount() < 3) continue;
        MergeCells(1, b, ColCount() - 1, 1);
        const TColor color = header ? FGrouping->HeaderColor() : FGrouping->SummaryColor();
        const TColor colorTo = header ? FGrouping->HeaderColorTo() : FGrouping->SummaryColorTo();
        const TColor text = header ? FGrouping->HeaderTextColor() : FGrouping->SummaryTextColor();
        if (color != clNone) SetColors(1, b, color);
        if (colorTo != clNone) SetColorsTo(1, b, colorTo);
        if (text != clNone) SetFontColors(1, b, text);
      }
    }
    if (FCellNode->ExpandOne()) {
      for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsNode(r)) {
          ExpandNode(RealRowIndex(r));
          break;
        }
    }
    if (Col() >= ColCount() || Row() >= RowCount()) TCustomGrid::FocusCell(FixedCols(), FixedRows(), true);
    if (RowCount() > FixedRows()) SetRow(FixedRows());
  }
  if (FSearchFooter->Visible() && FSearchPanel != nullptr) {
    FSearchPanel->SetWidth(FSearchPanel->Width() + 1);
    FSearchPanel->SetWidth(FSearchPanel->Width() - 1);
  }
}

void TDedAdararAdoz::UnGroup() {
  if (FGroupColumn <= 0) return;
  const bool expandOne = FCellNode->ExpandOne();
  FCellNode->SetExpandOne(false);
  ExpandAll();
  InsertCols(FGroupColumn, 1);
  SetAllColWidths(FGroupColumn, FGroupWidth);
  if (FixedRows() > 0) SetGridCell(FGroupColumn, 0, FGroupCaption);
  if (FFixedFooters > 0) SetGridCell(FGroupColumn, RowCount() - 1, FGroupFooter);
  {
    TGroupingRun run(this, FIsGrouping);
    const bool summary = FGrouping->Summary();
    const int valueCol = FGroupColumn == 1 ? 2 : 1;
    std::string value;
    int r = FixedRows();
    while (r < RowCount() - FFixedFooters) {
      if (!IsNode(r)) {
        if (!IsSummary(r)) SetGridCell(FGroupColumn, r, value);
        ++r;
        continue;
      }
      const int span = GetNodeSpan(r);
      const int s = r + span;
      if (summary && span > 0 && s < RowCount() && IsSummary(s)) {
        UncolourGroupRow(s, false);
        RemoveRowsInternal(s, 1);
      }
      value = GetGridCell(valueCol, r);
      RemoveNode(RealRowIndex(r));
      UncolourGroupRow(r, true);
      RemoveRowsInternal(r, 1);
    }
  }
  FGroupColumn = -1;
  FCellNode->SetExpandOne(expandOne);
  InvalidateGrid();
}

// ---------------------------------------------------------------------------
// A second level

void TDedAdararAdoz::SubGroup(int ColIndex) {
  if (ColIndex < FixedCols()) return;
  TGridUpdate hold(this);
  FGroupColumn = ColIndex;
  FGroupWidth = AllColWidths(ColIndex);
  FGroupCaption = FixedRows() > 0 ? GetGridCell(ColIndex, 0) : std::string();
  FGroupFooter = FFixedFooters > 0 ? GetGridCell(ColIndex, RowCount() - 1) : std::string();

  auto plain = [&](int r) { return r >= 0 && r < RowCount() && !IsNode(r) && !IsSummary(r); };
  auto closeSub = [&](int s, int r) {
    // s becomes a node over its rows, the value column marked as its own.
    AddNode(RealRowIndex(s), r - s);
    if (TCellGraphic* g = GetCellGraphic(0, s)) g->CellValue = ColIndex;
  };
  auto colourHeader = [&](int r) {
    if (FGrouping->MergeHeader() && ColCount() - 1 > ColIndex + 1) {
      MergeCells(ColIndex + 1, r, ColCount() - 1 - ColIndex, 1);
      if (FGrouping->HeaderColor() != clNone) SetColors(ColIndex + 1, r, FGrouping->HeaderColor());
      if (FGrouping->HeaderColorTo() != clNone) SetColorsTo(ColIndex + 1, r, FGrouping->HeaderColorTo());
    } else {
      ColourGroupRow(r, true);
    }
  };

  std::string prev = kSentinel;
  int s = -1;
  int r = FixedRows() + 1;
  while (r < RowCount() - FFixedFooters) {
    if (GetGridCell(ColIndex, r) != prev || IsNode(r) || IsSummary(r)) {
      if (plain(s)) closeSub(s, r);
      if (plain(r)) {
        const std::string value = GetGridCell(ColIndex, r);
        InsertChildRow(RealRowIndex(r), 0);
        // The new row sits at r; the data row moved to r + 1.
        SetGridCell(ColIndex + 1, r, value);
        colourHeader(r);
      }
      s = r;
      ++r;
    }
    if (r < RowCount() && plain(r - 1)) {
      prev = GetGridCell(ColIndex, r);
      SetGridCell(ColIndex, r, "");
      ++r;
    } else {
      prev = kSentinel;
    }
  }
  if (s == -1 || plain(s)) {
    if (s != -1) closeSub(s, r);
    if (r - 1 >= 0 && plain(r - 1)) SetGridCell(ColIndex, r, "");
    if (FGrouping->Summary()) {
      InsertRows(r, 1);
      SetSummaryRow(RealRowIndex(r));
      ColourGroupRow(r, false);
    }
  }
  if (RowCount() > FixedRows()) SetRow(FixedRows());
}

void TDedAdararAdoz::SubUnGroup(int ColIndex) {
  ExpandAll();
  std::string value;
  int r = FixedRows();
  while (r < RowCount() - FFixedFooters) {
    TCellGraphic* g = IsNode(r) ? GetCellGraphic(0, r) : nullptr;
    if (g != nullptr && static_cast<int>(g->CellValue) == ColIndex && ColIndex > 0) {
      value = GetGridCell(ColIndex + 1, r);
      RemoveNode(RealRowIndex(r));
      UncolourGroupRow(r, true);
      RemoveChildRow(RealRowIndex(r));
      continue;
    }
    if (!IsNode(r) && !IsSummary(r)) SetGridCell(ColIndex, r, value);
    ++r;
  }
}

// ---------------------------------------------------------------------------
// Calculations

double TDedAdararAdoz::GroupValue(int ACol, int FromRow, int ToRow, int Method) {
  double sum = 0, lo = 0, hi = 0;
  int counted = 0;
  std::vector<double> values;
  std::set<std::string> distinct;
  for (int r = FromRow; r <= ToRow; ++r) {
    if (IsNode(r) || IsSummary(r)) continue;
    const std::string text = GetCellEx(ACol, r);
    distinct.insert(AnsiUpperCase(text));
    double v = 0;
    if (!Trim(text).empty()) {
      try {
        v = Floats(ACol, r);
      } catch (const Exception&) {
        continue;  // not a number: left out of every figure alike
      }
    }
    sum += v;
    lo = counted == 0 ? v : std::min(lo, v);
    hi = counted == 0 ? v : std::max(hi, v);
    values.push_back(v);
    ++counted;
  }
  switch (Method) {
    case 1:
      return sum;
    case 2:
      return counted > 0 ? sum / counted : 0;
    case 3:
      return lo;
    case 4:
      return hi;
    case 7:
      return static_cast<double>(distinct.size());
    case 8: {
      if (counted == 0) return 0;
      const double avg = sum / counted;
      double sq = 0;
      for (double v : values) sq += (v - avg) * (v - avg);
      return std::sqrt(sq / counted);
    }
    default:
      return 0;
  }
}

void TDedAdararAdoz::GroupCalc(int ColIndex, int Method) {
  if (Method < 1 || Method > 8) return;
  static const TColumnCalcType kFooterCalc[] = {acNONE, acSUM, acAVG, acMIN, acMAX, acCOUNT};
  int n = FixedRows();
  while (n < RowCount()) {
    if (!IsNode(n) || GetNodeState(n)) {
      ++n;
      continue;
    }
    int span = GetNodeSpan(n);
    if (span <= 0) span = std::max(1, DisplRowIndex(NodeEndReal(n)) - n);
    const int target = FGrouping->Summary() ? n + span : n;
    const int from = n + 1, to = n + span - 1;
    if (target < RowCount()) {
      if (Method == 5) {
        SetInts(ColIndex, target, span - 1);
      } else if (Method == 6) {
        double res = 0;
        if (OnGroupCalc) OnGroupCalc(this, ColIndex, from, to, res);
        SetFloats(ColIndex, target, res);
      } else {
        SetFloats(ColIndex, target, GroupValue(ColIndex, from, to, Method));
      }
    }
    n += span;
  }
  if (Method <= 5 && FFloatingFooter->Visible())
    GetCellProperties(ColIndex, RowCount() - 1)->SetCalcType(kFooterCalc[Method]);
}
