// The row filter: conditions joined in order, applied as stacked levels of
// the hidden-row store, narrowing from a search text, and the choices of
// the filter drop-down.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevObj.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"

// ---------------------------------------------------------------------------
// Conditions

void TFilterData::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TFilterData*>(Source);
  if (s == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  FColumn = s->FColumn;
  FCondition = s->FCondition;
  FCaseSensitive = s->FCaseSensitive;
  FData = s->FData;
  FPrefix = s->FPrefix;
  FSuffix = s->FSuffix;
  FOperation = s->FOperation;
  FMethod = s->FMethod;
}

TFilter::TFilter(TDedAdararAdoz* AOwner)
    : TCollection(TCollection::ItemClass<TFilterData>()), FOwner(AOwner) {}

TPersistent* TFilter::GetOwner() { return FOwner; }

TFilterData* TFilter::Add() {
  auto* d = static_cast<TFilterData*>(TCollection::Add());
  d->SetOperation(Count() == 1 ? foNONE : foAND);
  return d;
}

TFilterData* TFilter::Insert(int) { return static_cast<TFilterData*>(TCollection::Add()); }

bool TFilter::HasFilter(int Col) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Column() == Col) return true;
  return false;
}

TFilterData* TFilter::GetColFilter(int Col) {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Column() == Col) return Items(i);
  TFilterData* d = Add();
  d->SetColumn(static_cast<int16_t>(Col));
  return d;
}

void TFilter::RemoveColumnFilter(int Col) {
  for (int i = Count() - 1; i >= 0; --i)
    if (Items(i)->Column() == Col) Delete(i);
  if (FOwner != nullptr) FOwner->RepaintCell(Col, 0);
}

// ---------------------------------------------------------------------------
// Matching a row

namespace {

bool StartsWith(const std::string& S, const std::string& P) { return S.compare(0, P.size(), P) == 0; }

// Length in bytes of the last UTF-8 character of S.
size_t LastCharLength(const std::string& S) {
  size_t n = 0;
  for (size_t i = S.size(); i > 0; --i) {
    ++n;
    if ((static_cast<unsigned char>(S[i - 1]) & 0xC0) != 0x80) break;
  }
  return n;
}

// Whether Longer is Shorter plus exactly one character at the end.
bool OneCharMore(const std::string& Longer, const std::string& Shorter) {
  if (Longer.size() <= Shorter.size() || !StartsWith(Longer, Shorter)) return false;
  return LastCharLength(Longer) == Longer.size() - Shorter.size();
}

}  // namespace

std::string TDedAdararAdoz::FilterText(const TFilterData* F, int ARow) {
  const int col = F->Column();
  switch (F->Data()) {
    case fcNormal:
      return GetGridCell(col, ARow);
    case fcStripHTML:
      return GetStrippedCell(col, ARow);
    case fcCalculated:
      return GetCellText(col, ARow);
    case fcRow: {
      std::string all;
      for (int c = 0; c < ColCount(); ++c) {
        if (c > 0) all += "\r\n";
        all += GetCellEx(c, ARow);
      }
      return all;
    }
    case fcVirtual:
    default:
      return GetCellEx(col, ARow);
  }
}

bool TDedAdararAdoz::RowMatchesFilter(int ARow) {
  bool result = true;
  for (int i = 0; i < FFilter->Count(); ++i) {
    TFilterData* f = FFilter->Items(i);
    std::string text = FilterText(f, ARow);
    if (!text.empty() &&
        (text.front() == ' ' || text.back() == ' ' || text.front() == '\t' || text.back() == '\t'))
      text = Trim(text);
    if (text.find("|\\") != std::string::npos) text = DecodeWideCellText(text);
    bool match;
    if (f->Data() == fcRow) {
      match = AnsiUpperCase(text).find(AnsiUpperCase(f->Condition())) != std::string::npos;
    } else {
      if (!f->Prefix().empty() && StartsWith(text, f->Prefix())) text.erase(0, f->Prefix().size());
      if (!f->Suffix().empty()) {
        const size_t at = text.find(f->Suffix());
        if (at != std::string::npos && at + f->Suffix().size() == text.size()) text.erase(at);
      }
      if (f->Condition().empty()) {
        match = true;
      } else if (f->Method() == fmLiteral) {
        match = text == f->Condition();
      } else {
        try {
          match = MatchFilterCondition(f->Condition(), text, f->CaseSensitive());
        } catch (...) {
          match = false;
        }
      }
    }
    switch (f->Operation()) {
      case foSHORT:
        result = match;
        if (!match) i = FFilter->Count();
        break;
      case foNONE:
        result = match;
        break;
      case foAND:
        result = result && match;
        break;
      case foXOR:
        result = result != match;
        break;
      case foOR:
        result = result || match;
        break;
    }
  }
  if (OnCustomFilter) OnCustomFilter(this, ARow, result);
  return result;
}

void TDedAdararAdoz::FilterRow(int ARow) {
  if (ARow < 0 || ARow >= RowCount() || RowMatchesFilter(ARow)) return;
  HideRow(RealRowIndex(ARow));
}

// ---------------------------------------------------------------------------
// Levels

void TDedAdararAdoz::ApplyFilter() {
  FFilterFixedRows = FixedRows();
  const int first = FixedRows();
  const int last = RowCount() - FFixedFooters - 1;
  const int total = last - first + 1;
  // The rows to hide, marked by display row.
  std::vector<uint8_t> marked(static_cast<size_t>(RowCount()), 0);
  int hide = 0;
  int n = 0;
  int reported = -1;
  auto report = [&]() {
    if (!OnFilterProgress || total <= 0) return;
    const int pct = static_cast<int>(std::lround(100.0 * n / total));
    if (pct == reported) return;
    reported = pct;
    OnFilterProgress(this, static_cast<int16_t>(pct));
  };
  for (int r = first; r <= last; ++r) {
    if (FFilterNormalCellsOnly) {
      const TCellType kind = GetCellType(0, r);
      if (kind == ctNode || kind == ctSummary) continue;
    }
    if (!RowMatchesFilter(r)) {
      marked[static_cast<size_t>(r)] = 1;
      ++hide;
    }
    ++n;
    report();
  }
  // As a list of rows would: no rows, no level; an event that changed the
  // row count leaves only rows that are still there.
  marked.resize(static_cast<size_t>(RowCount()), 0);
  if (hide > 0) HideMarkedRows(std::move(marked), ++FFilterLevel);
  reported = -1;
  report();
}

void TDedAdararAdoz::RestoreFilterFixedRows() {
  if (FFilterFixedRows >= 0 && FixedRows() != FFilterFixedRows && RowCount() > FFilterFixedRows)
    SetFixedRows(FFilterFixedRows);
  if (SelectionHidden()) UnHideSelection();
}

bool TDedAdararAdoz::RemoveLastFilter() {
  if (FFilterLevel <= 0) return false;
  UnHideRowList();
  RestoreFilterFixedRows();
  CalcFooter(-1);
  --FFilterLevel;
  return FFilterLevel > 1;
}

void TDedAdararAdoz::RemoveAllFilters() {
  if (FFilterLevel <= 0) {
    FFilter->Clear();
    return;
  }
  while (FFilterLevel > 0) RemoveLastFilter();
}

void TDedAdararAdoz::SetFilterActive(bool Value) {
  if (Value != FFilterActive) {
    FFilterActive = Value;
    if (Value) {
      if (Row() >= RowCount() || Col() >= ColCount()) TCustomGrid::FocusCell(FixedCols(), FixedRows(), true);
      {
        TGridUpdate hold(this);
        ApplyFilter();
      }
      FSelectionHidden = false;
    } else if (FFilterLevel > 0) {
      UnHideRowList();
      // The level is gone: switching on again stacks no empty levels.
      --FFilterLevel;
      RestoreFilterFixedRows();
    }
    if (RowCount() > FixedRows()) TCustomGrid::SetTopRow(FixedRows());
  }
  CalcFooter(-1);
}

void TDedAdararAdoz::NarrowDown(const std::string& ACondition, int AColumn) {
  SetFixedRowAlways(true);
  auto setCondition = [&](bool Quote) {
    FFilter->Clear();
    TFilterData* f = FFilter->Add();
    if (AColumn == -1) {
      f->SetData(fcRow);
      f->SetCondition(ACondition);
    } else {
      f->SetData(fcNormal);
      std::string c = "*" + ACondition + "*";
      if (Quote && c.find(' ') != std::string::npos) c = "\"" + c + "\"";
      f->SetCondition(c);
    }
    f->SetCaseSensitive(false);
    f->SetColumn(static_cast<int16_t>(AColumn));
  };
  if (OneCharMore(ACondition, FLastFilter)) {
    setCondition(true);
    ApplyFilter();
  } else if (!ACondition.empty() && OneCharMore(FLastFilter, ACondition)) {
    RemoveLastFilter();
  } else {
    while (FFilterLevel > 0) RemoveLastFilter();
    if (!ACondition.empty()) {
      setCondition(false);
      ApplyFilter();
    }
  }
  // An empty text has taken every filter level off above; rows hidden by
  // range or by contracted nodes stay where they are.
  FLastFilter = ACondition;
}

// ---------------------------------------------------------------------------
// Choices of the filter drop-down

void TDedAdararAdoz::FilterChosen(int Column, const std::string& Condition) {
  if (!Condition.empty())
    FFilter->GetColFilter(Column)->SetCondition(Condition);
  else
    FFilter->RemoveColumnFilter(Column);
  if (FAutoFilterUpdate) {
    SetFixedRowAlways(true);
    SetFilterActive(true);
    if (RowCount() != FixedRows() && RowCount() != 1) SetRow(FixedRows());
    DoFilterDone();
  }
}

void TDedAdararAdoz::FilterSelect(int ItemIndex) {
  if (HandleAllocated() && CanFocus()) SetFocus();
  const int column = FFilterColumn;
  if (column < 0 || column >= TotalColCount() || ItemIndex < 0) return;
  GetColumnFilter(column);
  if (ItemIndex >= FFilterList->Count()) return;
  const std::string entry = FFilterList->Strings(ItemIndex);
  const size_t eq = entry.find('=');
  const std::string friendly = entry.substr(0, eq);
  std::string condition = eq == std::string::npos ? entry : entry.substr(eq + 1);
  if (FAutoFilterUpdate) SetFilterActive(false);
  if (!FFilterDropDownClear.empty() && condition == FFilterDropDownClear) condition.clear();
  if (OnFilterSelect) OnFilterSelect(this, column, ItemIndex, friendly, condition);
  FilterChosen(column, condition);
  FFilterColumn = -1;
}

void TDedAdararAdoz::FilterCheck() {
  const int column = FFilterColumn;
  if (column < 0 || column >= TotalColCount()) return;
  GetColumnFilter(column);
  if (FAutoFilterUpdate) SetFilterActive(false);
  FFilter->Clear();
  bool first = true;
  for (int i = 0; i < FFilterList->Count() && i < static_cast<int>(FFilterChecks.size()); ++i) {
    if (!FFilterChecks[static_cast<size_t>(i)]) continue;
    const std::string entry = FFilterList->Strings(i);
    const size_t eq = entry.find('=');
    const std::string friendly = entry.substr(0, eq);
    std::string condition = eq == std::string::npos ? entry : entry.substr(eq + 1);
    if (condition == FFilterDropDownClear) condition.clear();
    if (OnFilterCheck) OnFilterCheck(this, column, i, friendly, condition, FFilterCheckList);
    TFilterData* f = FFilter->Add();
    f->SetColumn(static_cast<int16_t>(column));
    f->SetCondition(condition);
    f->SetOperation(first ? foNONE : foOR);
    first = false;
  }
  SetFilterActive(true);
  if (auto* list = dynamic_cast<TControl*>(FFilterCheckList)) list->Invalidate();
}
