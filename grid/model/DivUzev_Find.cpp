// Finding text in cells under a set of options, replacing it, the simple
// search of typed text, and what the search footer's edit and buttons do.
#include <algorithm>
#include <string>

#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevObj.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"

namespace {

// Replaces every occurrence of From in S; with MatchCase only exact ones,
// otherwise regardless of case. The count of replacements goes to Count.
std::string ReplaceAll(const std::string& S, const std::string& From, const std::string& To, bool MatchCase,
                       int& Count) {
  Count = 0;
  if (From.empty()) return S;
  const std::string hay = MatchCase ? S : AnsiUpperCase(S);
  const std::string needle = MatchCase ? From : AnsiUpperCase(From);
  // Upper-casing can change byte lengths outside ASCII; then fall back to
  // exact matching so positions stay right.
  if (hay.size() != S.size() || needle.size() != From.size()) return ReplaceAll(S, From, To, true, Count);
  std::string out;
  size_t pos = 0;
  while (true) {
    const size_t at = hay.find(needle, pos);
    if (at == std::string::npos) break;
    out.append(S, pos, at - pos);
    out += To;
    pos = at + needle.size();
    ++Count;
  }
  out.append(S, pos, std::string::npos);
  return out;
}

}  // namespace

// ---------------------------------------------------------------------------
// The cell test

bool TDedAdararAdoz::FindMatches(int ACol, int ARow) {
  const int col = FFindParams.Contains(fnIncludeHiddenColumns) ? ACol : RealColIndex(ACol);
  std::string text = FFindParams.Contains(fnIncludeHiddenRows) ? AllCells(col, ARow) : GetCellEx(col, ARow);
  if (FFindParams.Contains(fnMatchRegular))
    return MatchFilterCondition(FFindText, text, FFindParams.Contains(fnMatchCase));
  if (FFindParams.Contains(fnIgnoreHTMLTags)) text = MarkupToPlainText(text);
  if (!FFindParams.Contains(fnMatchCase)) text = AnsiUpperCase(text);
  if (FFindTextCase == "\"\"") return text.empty();
  const size_t p = text.find(FFindTextCase);
  bool hit = FFindParams.Contains(fnMatchStart) ? p == 0 : p != std::string::npos;
  if (FFindParams.Contains(fnMatchFull)) hit = hit && text == FFindTextCase;
  return hit;
}

// ---------------------------------------------------------------------------
// The search engine

TPoint TDedAdararAdoz::Find(TPoint StartCell, const std::string& s, TFindParams FindParams) {
  const TPoint hit = FindCells(StartCell, s, FindParams);
  if (hit.X >= 0 && FindParams.Contains(fnAutoGoto)) {
    // Keep the hit clear of the floating footer.
    const int a = FFloatingFooter->Visible() ? 2 : 0;
    const int shown = VisibleRowCount();
    if (Row() > TopRow() + shown - a - 2 && shown + FixedRows() + a < RowCount())
      TCustomGrid::SetTopRow(std::min(TopRow() + a + 1, RowCount() - 1));
  }
  return hit;
}

TPoint TDedAdararAdoz::FindWide(TPoint StartCell, const std::string& s, TFindParams FindParams) {
  // Cell texts are UTF-8 already: the wide search is the same walk.
  return FindCells(StartCell, s, FindParams);
}

TPoint TDedAdararAdoz::FindCells(TPoint StartCell, const std::string& s, TFindParams P) {
  TPoint result(-1, -1);
  FFindParams = P;
  FFindBusy = true;
  FFindText = s;
  FFindTextCase = P.Contains(fnMatchCase) || P.Contains(fnMatchRegular) ? s : AnsiUpperCase(s);
  ExportNotification(0, -1);
  // A grid of fixed rows only has nothing to search, also when the
  // framework let its fixed rows go for want of a normal row.
  if (ColCount() == FixedCols() || ColCount() == 0 ||
      RowCount() + NumHiddenRows() <= std::max(FixedRows(), FRequestedFixedRows) || RowCount() == 0) {
    FFindBusy = false;
    ExportNotification(2, -1);
    return result;
  }

  int c1, c2, r1, r2;
  if (P.Contains(fnIncludeFixed)) {
    c1 = 0, c2 = ColCount() - 1, r1 = 0, r2 = RowCount() - 1;
  } else {
    c1 = FixedCols(), c2 = ColCount() - FFixedRightCols - 1;
    r1 = FixedRows(), r2 = RowCount() - FFixedFooters - 1;
  }
  if (P.Contains(fnSelectedCells)) {
    const TGridRect sel = Selection();
    c1 = std::min(sel.Left, sel.Right), c2 = std::max(sel.Left, sel.Right);
    r1 = std::min(sel.Top, sel.Bottom), r2 = std::max(sel.Top, sel.Bottom);
  }
  if (P.Contains(fnIncludeHiddenColumns)) c2 += NumHiddenColumns();
  if (P.Contains(fnIncludeHiddenRows)) r2 += NumHiddenRows();
  if (P.Contains(fnFindInCurrentRow)) r1 = r2 = Row();
  if (P.Contains(fnFindInPresetRow)) r1 = r2 = FFindRow;
  if (P.Contains(fnFindInCurrentCol)) c1 = c2 = Col();
  if (P.Contains(fnFindInPresetCol)) c1 = c2 = FFindCol;

  const bool rowByRow = P.Contains(fnDirectionLeftRight);
  const bool back = P.Contains(fnBackward);
  // Major: what the walk keeps while the minor index runs (columns when
  // walking column by column).
  const int maj1 = rowByRow ? r1 : c1, maj2 = rowByRow ? r2 : c2;
  const int min1 = rowByRow ? c1 : r1, min2 = rowByRow ? c2 : r2;
  int major, minor;
  if (StartCell.X == -1 && StartCell.Y == -1) {
    major = back ? maj2 : maj1;
    minor = back ? min2 : min1;
  } else {
    major = rowByRow ? StartCell.Y : StartCell.X;
    minor = (rowByRow ? StartCell.X : StartCell.Y) + (back ? -1 : 1);
    if (maj1 == maj2) major = maj1;
  }
  const int step = back ? -1 : 1;
  for (; back ? major >= maj1 : major <= maj2; major += step) {
    if (back ? major > maj2 : major < maj1) {
      minor = back ? min2 : min1;
      continue;
    }
    for (; back ? minor >= min1 : minor <= min2; minor += step) {
      if (back ? minor > min2 : minor < min1) continue;
      const int c = rowByRow ? minor : major;
      const int r = rowByRow ? major : minor;
      if (rowByRow && IsIgnoredColumn(c)) continue;
      ExportNotification(1, r);
      if (FindMatches(c, r)) {
        result = TPoint(c, r);
        break;
      }
    }
    if (result.X >= 0) break;
    minor = back ? min2 : min1;
  }

  if (result.X < 0) {
    FFindBusy = false;
    ExportNotification(2, -1);
    return result;
  }
  FSearchCell = result;
  if (P.Contains(fnAutoGoto)) GotoHit(result);
  ExportNotification(4, -1);
  return result;
}

void TDedAdararAdoz::GotoHit(TPoint Hit) {
  int row = Hit.Y;
  if (FFindParams.Contains(fnIncludeHiddenRows)) {
    if (NumHiddenRows() > 0 && FNodeCount > 0 && IsHiddenRow(row)) {
      // Open the node that holds the row, outermost first.
      for (int guard = 0; guard < 64 && IsHiddenRow(row); ++guard) {
        int holder = -1;
        for (int r = row - 1; r >= 0; --r) {
          if (IsHiddenRow(r)) continue;
          const int d = DisplRowIndex(r);
          if (IsNode(d) && GetNodeState(d) && NodeEndReal(d) > row) holder = r;
          break;
        }
        if (holder < 0) break;
        ExpandNode(holder);
      }
    }
    if (IsHiddenRow(row)) return;
    row = DisplRowIndex(row);
  }
  const int col = FFindParams.Contains(fnIncludeHiddenColumns) ? DisplColIndexOf(Hit.X) : Hit.X;
  if (FMouseActions->DisjunctRowSelect()) {
    ClearRowSelect();
    SetRowSelect(row, true);
    SetRow(row);
  } else {
    if (row >= 0 && row < RowCount()) SetRow(row);
    if (col >= 0 && col < ColCount()) SetCol(col);
  }
}

// ---------------------------------------------------------------------------
// Replace and the typed search

int TDedAdararAdoz::Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams) {
  int count = 0;
  TPoint at(-1, -1);
  // Replacing uses the search's own case rule, so text the search would
  // not find is never touched.
  const bool matchCase = FindParams.Contains(fnMatchCase);
  while (true) {
    at = Find(at, OrigStr, FindParams);
    if (at.X < 0) break;
    const int col = FindParams.Contains(fnIncludeHiddenColumns) ? at.X : RealColIndex(at.X);
    int n = 0;
    // The stored text changes, never its display form.
    if (FindParams.Contains(fnIncludeHiddenRows)) {
      const std::string next = ReplaceAll(GetGridCellsEx(col, at.Y), OrigStr, NewStr, matchCase, n);
      if (n > 0) SetCellsEx(col, at.Y, next);
    } else {
      const std::string next = ReplaceAll(GetGridCell(col, at.Y), OrigStr, NewStr, matchCase, n);
      if (n > 0) SetCellEx(col, at.Y, next);
      if (n > 0 && FShowModified->Enabled()) SetRowModified(at.Y, true);
    }
    if (n > 0) ++count;
  }
  return count;
}

int TDedAdararAdoz::Search(const std::string& s) {
  if (RowCount() < 2) return -1;
  int col;
  if (!FSortSettings->Show())
    col = FixedCols();
  else if (FSortSettings->IndexShow())
    col = FSortIndexes->Count() > 0 ? FSortIndexes->Items(0) : FixedCols();
  else
    col = FSortSettings->Column();
  if (col < 0) return -1;
  for (int r = FixedRows(); r < RowCount(); ++r) {
    std::string text = GetCellEx(col, r);
    if (text.find('<') != std::string::npos) text = MarkupToPlainText(text);
    if (AnsiUpperCase(text.substr(0, s.size())) == s) return r;
  }
  return -1;
}

// ---------------------------------------------------------------------------
// The search footer

TFindParams TDedAdararAdoz::FooterFindParams(bool Incremental) {
  TFindParams p;
  p << fnAutoGoto;
  if (FSearchPanel != nullptr && FSearchPanel->HighlightDown()) p << fnIgnoreHTMLTags;
  if (FSearchPanel != nullptr && FSearchPanel->MatchCaseChecked()) p << fnMatchCase;
  if (FSearchFooter->SearchActiveColumnOnly()) p << fnFindInCurrentCol;
  if (FSearchFooter->SearchMatchStart()) p << fnMatchStart;
  if (Incremental && FSearchFooter->SearchFixedCells()) p << fnIncludeFixed;
  if (Incremental && FSearchFooter->SearchHiddenRows()) p << fnIncludeHiddenRows;
  if (FSearchFooter->SearchDirection() == sdLeftRight) p << fnDirectionLeftRight;
  const int sc = FSearchFooter->SearchColumn();
  if (sc >= 0 && sc < TotalColCount()) {
    FFindCol = sc;
    p << fnFindInPresetCol;
  }
  return p;
}

void TDedAdararAdoz::FooterHighlight(bool On, const std::string& Text, bool DoCase) {
  const int sc = FSearchFooter->SearchColumn();
  if (On) {
    if (sc != -1)
      HilightInCol(false, DoCase, sc, Text);
    else
      HilightInGrid(false, DoCase, Text);
  } else if (sc != -1) {
    UnHilightInCol(false, sc);
  } else {
    UnHilightInGrid(false);
  }
}

void TDedAdararAdoz::SearchEditChange(TObject*) {
  if (FSearchPanel == nullptr) return;
  const std::string text = FSearchPanel->EditText();
  bool defaultSearch = true;
  if (OnSearchEditChange) OnSearchEditChange(this, text, defaultSearch);
  if (!defaultSearch || !FSearchFooter->AutoSearch()) return;
  const TFindParams p = FooterFindParams(true);
  const bool buttonDown = FSearchPanel->HighlightDown();
  const bool highlight = buttonDown || FSearchFooter->AlwaysHighLight();
  if (highlight) FooterHighlight(false, text, false);
  if (text.empty()) {
    FSearchPanel->SetEditColor(clWindow);
    if (buttonDown) FooterHighlight(false, text, false);
    return;
  }
  const TPoint hit = Find(TPoint(-1, -1), text, p);
  FSearchCell = hit;
  DoSearchFooterAction(text, hit.X, hit.Y, saFindFirst);
  if (hit.X < 0) {
    FSearchPanel->SetEditColor(clRed);
  } else {
    FSearchPanel->SetEditColor(clWindow);
    if (!p.Contains(fnIncludeHiddenRows)) ScrollInView(hit.X, hit.Y);
    if (highlight) FooterHighlight(true, text, p.Contains(fnMatchCase));
  }
}

void TDedAdararAdoz::FooterFind(bool Backward) {
  if (FSearchPanel == nullptr) return;
  const std::string text = FSearchPanel->EditText();
  if (!FSearchFooter->AutoSearch()) {
    if (text != FSearchFooter->LastSearch()) FSearchCell = TPoint(-1, -1);
    FSearchFooter->SetLastSearch(text);
  }
  TFindParams p = FooterFindParams(false);
  if (Backward) p << fnBackward;
  // A miss becomes the search cell too, so the next search starts over.
  const TPoint hit = Find(FSearchCell, text, p);
  FSearchCell = hit;
  auto adjustTop = [&]() {
    const bool ff = FFloatingFooter->Visible();
    const int shown = VisibleRowCount();
    if (Row() > TopRow() + shown + (ff ? 0 : 1) - 3 && (ff ? 1 : 0) + shown + FixedRows() < RowCount())
      TCustomGrid::SetTopRow(std::min(TopRow() + 2, RowCount() - 1));
  };
  if (!Backward) {
    if (hit.X >= 0) ScrollInView(hit.X, hit.Y);
    adjustTop();
  } else {
    adjustTop();
    if (hit.X >= 0) ScrollInView(hit.X, hit.Y);
  }
  DoSearchFooterAction(text, hit.X, hit.Y, Backward ? saFindPrevious : saFindNext);
  FSearchPanel->Invalidate();
}

void TDedAdararAdoz::SearchForward(TObject*) { FooterFind(false); }
void TDedAdararAdoz::SearchBackward(TObject*) { FooterFind(true); }

void TDedAdararAdoz::SearchFooterClose(TObject*) {
  if (OnSearchFooterClose) OnSearchFooterClose(this);
  FSearchFooter->SetVisible(false);
}

void TDedAdararAdoz::SearchHighlight(TObject*) {
  if (FSearchPanel == nullptr) return;
  FooterHighlight(FSearchPanel->HighlightDown(), FSearchPanel->EditText(), FSearchPanel->MatchCaseChecked());
}
