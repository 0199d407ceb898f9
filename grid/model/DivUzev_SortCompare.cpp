// How two rows compare when the grid sorts: the sort style of a column
// (asked once per column and sort), the automatic style that looks at the
// two texts, the comparison of each style on prepared copies of the cells,
// blanks placed by IgnoreBlanks, ties going to the next columns or sort
// indexes, and the quick sort that orders row identities by them.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev_SortRun.h"

namespace {

enum : uint8_t {
  kRead = 1,        // Text and Flags hold the row's cell
  kNumberRead = 2,  // Num, NumReads and NumPrepBlank hold it
};

enum : uint8_t {
  kNumber = 1,     // reads as an integer, decimal or exponent number
  kCheckType = 2,  // a check-box cell
  kDateCand = 4,   // a date separator at character 2 or 3 between digits
  kHasDate = 8,    // holds a date separator
  kTimeCand = 16,  // a time separator at character 2 or 3 between digits
  kHasTime = 32,   // holds a time separator
};

int Sign(int V) { return V > 0 ? 1 : (V < 0 ? -1 : 0); }

template <class T>
int CompareValues(T A, T B) {
  return A > B ? 1 : (A < B ? -1 : 0);
}

// The separator at 1-based position 2 or 3, with a character after it and
// digits on both sides.
bool SeparatorBetweenDigits(const std::string& T, char Sep) {
  const size_t p = T.find(Sep);
  if (p == std::string::npos || p < 1 || p > 2 || p + 1 >= T.size()) return false;
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  return digit(T[p - 1]) && digit(T[p + 1]);
}

bool IsCheckType(TCellType T) {
  return T == ctCheckBox || T == ctDataCheckBox || T == ctVirtCheckBox || T == ctRowCheckBox;
}

void RemoveFirst(std::string& S, const std::string& Part) {
  if (Part.empty()) return;
  const size_t p = S.find(Part);
  if (p != std::string::npos) S.erase(p, Part.size());
}

}  // namespace

// ---------------------------------------------------------------------------
// Prepared copies of one column's cells

// A row's cell is read when a comparison first needs it (Have), so the
// column that only settles a few ties is not copied whole: its texts stand
// in the order they were read (Slot) until every row is wanted.
struct TSortRun::TColumn {
  int Col = 0;
  TSortStyle Style = ssAlphabetic;
  std::string Prefix;
  std::string Suffix;
  bool WithFlags = false;
  bool Dense = false;             // Text[k] is row k's
  std::vector<std::string> Text;  // else row k's is Text[Slot[k] - 1]
  std::vector<uint32_t> Slot;
  const std::string& TextOf(size_t K) const { return Dense ? Text[K] : Text[Slot[K] - 1]; }
  std::vector<uint8_t> Flags;
  std::vector<uint8_t> Have;  // kRead, kNumberRead
  size_t Unread = 0;
  // Built when a comparison first needs them.
  std::vector<std::string> Upper;
  std::vector<double> Num;
  std::vector<uint8_t> NumReads;      // the text reads as a number, or shows empty
  std::vector<uint8_t> NumPrepBlank;  // nothing left after prefix and suffix
  std::vector<double> Date;
  TSortStyle DateStyle = ssAutomatic;
  std::vector<double> Time;
  std::vector<std::string> Stripped;
  std::vector<int8_t> Check;
  std::vector<int> Image;
};

TSortRun::TSortRun(TDedAdararAdoz& Grid, int From, int Count)
    : grid_(Grid), from_(From), count_(std::max(Count, 0)) {
  ReadSettings();
}

TSortRun::TSortRun(TDedAdararAdoz& Grid, std::vector<int> Rows)
    : grid_(Grid), count_(static_cast<int>(Rows.size())), rows_(std::move(Rows)) {
  ReadSettings();
}

void TSortRun::ReadSettings() {
  const TSortSettings* s = grid_.SortSettings();
  descending_ = s->Direction() == sdDescending;
  full_ = s->Full();
  ignoreCase_ = s->IgnoreCase();
  ignoreBlanks_ = s->IgnoreBlanks();
  blanksFirst_ = s->BlankPos() == blFirst;
  shownTexts_ = s->SortOnVirtualCells();
  autoFormat_ = s->AutoFormat();
  lastCol_ = grid_.TotalColCount() - 1;
  ignored_.assign(static_cast<size_t>(std::max(lastCol_ + 1, 0)), 0);
  const TIntList* list = grid_.IgnoreColumns();
  for (int i = 0; i < list->Count(); ++i) {
    const int c = list->Items(i);
    if (c >= 0 && c <= lastCol_) ignored_[static_cast<size_t>(c)] = 1;
  }
}

bool TSortRun::Ignored(int ACol) const {
  return ACol >= 0 && ACol < static_cast<int>(ignored_.size()) && ignored_[static_cast<size_t>(ACol)] != 0;
}

TSortRun::~TSortRun() = default;

TSortRun::TColumn& TSortRun::Column(int ACol) {
  if (static_cast<int>(columns_.size()) <= ACol) columns_.resize(static_cast<size_t>(ACol) + 1);
  std::unique_ptr<TColumn>& slot = columns_[static_cast<size_t>(ACol)];
  if (slot) return *slot;
  slot = std::make_unique<TColumn>();
  TColumn& c = *slot;
  c.Col = ACol;
  c.Style = autoFormat_ ? ssAutomatic : (ignoreCase_ ? ssAlphaNoCase : ssAlphabetic);
  grid_.GetColumnFormat(ACol, c.Style, c.Prefix, c.Suffix);
  c.WithFlags = c.Style == ssAutomatic || c.Style == ssAlphaNumeric || c.Style == ssAlphaNumericNoCase;
  if (c.WithFlags) c.Flags.assign(static_cast<size_t>(count_), 0);
  c.Have.assign(static_cast<size_t>(count_), 0);
  c.Unread = static_cast<size_t>(count_);
  return c;
}

std::string TSortRun::CellText(int ACol, int K) {
  return shownTexts_ ? grid_.GetCellEx(ACol, RowOf(K)) : grid_.GetGridCell(ACol, RowOf(K));
}

// Row K's text, read once; references to other rows' texts may move.
void TSortRun::ReadCell(TColumn& C, int K) {
  const size_t k = static_cast<size_t>(K);
  if (C.Have[k] & kRead) return;
  C.Have[k] |= kRead;
  --C.Unread;
  if (!C.Dense) {
    if (C.Slot.empty()) C.Slot.assign(static_cast<size_t>(count_), 0);
    C.Text.emplace_back();
    C.Slot[k] = static_cast<uint32_t>(C.Text.size());
  }
  std::string& t = C.Dense ? C.Text[k] : C.Text.back();
  t = CellText(C.Col, K);
  SetFlags(C, K, t);
}

void TSortRun::SetFlags(TColumn& C, int K, const std::string& t) {
  if (!C.WithFlags) return;
  const int row = RowOf(K);
  uint8_t f = NumberTextKind(t) != ntNotANumber ? kNumber : 0;
  if (C.Style == ssAutomatic) {
    const char dateSep = GetDateSeparator();
    const char timeSep = GetTimeSeparator();
    if (IsCheckType(grid_.GetCellType(C.Col, row))) f |= kCheckType;
    if (t.find(dateSep) != std::string::npos) f |= kHasDate;
    if (t.find(timeSep) != std::string::npos) f |= kHasTime;
    if ((f & kHasDate) && SeparatorBetweenDigits(t, dateSep)) f |= kDateCand;
    if ((f & kHasTime) && SeparatorBetweenDigits(t, timeSep)) f |= kTimeCand;
  }
  C.Flags[static_cast<size_t>(K)] = f;
}

void TSortRun::ReadColumn(TColumn& C) {
  if (C.Unread == 0 && C.Dense) return;
  if (!C.Dense) {
    // Every row at its own place from now on.
    std::vector<std::string> dense;
    if (C.Text.empty()) {
      dense.reserve(static_cast<size_t>(count_));
      for (int k = 0; k < count_; ++k) {
        dense.push_back(CellText(C.Col, k));
        SetFlags(C, k, dense.back());
        C.Have[static_cast<size_t>(k)] |= kRead;
      }
      C.Unread = 0;
    } else {
      dense.resize(static_cast<size_t>(count_));
      for (size_t k = 0; k < dense.size(); ++k)
        if (C.Slot[k] != 0) dense[k] = std::move(C.Text[C.Slot[k] - 1]);
    }
    C.Text.swap(dense);
    C.Slot = std::vector<uint32_t>();
    C.Dense = true;
  }
  for (int k = 0; C.Unread > 0 && k < count_; ++k) ReadCell(C, k);
}

int TSortRun::KeyIndex(int ACol, const THandle& H) const {
  return singleCol_ >= 0 && ACol != singleCol_ ? H.Pos : H.Id;
}

// ---------------------------------------------------------------------------
// One cell against another

int TSortRun::CompareHandles(int ACol, const THandle& HA, bool Descending, const THandle& HB) {
  ++grid_.FCompares;
  TColumn& c = Column(ACol);
  const int ia = KeyIndex(ACol, HA);
  const int ib = KeyIndex(ACol, HB);
  const size_t a = static_cast<size_t>(ia);
  const size_t b = static_cast<size_t>(ib);
  ReadCell(c, ia);
  ReadCell(c, ib);
  const std::string& ta = c.TextOf(a);
  const std::string& tb = c.TextOf(b);

  TSortStyle style = c.Style;
  if (style == ssAutomatic) {
    const uint8_t fa = c.Flags[a];
    if (fa & kCheckType) {
      style = ssCheckBox;
    } else if (fa & kNumber) {
      style = ssNumeric;
    } else {
      style = ignoreCase_ ? ssAlphaNoCase : ssAlphabetic;
      if (fa & kDateCand) {
        if (c.Flags[b] & kHasDate) style = (fa & kHasTime) ? ssDateTime : ssDate;
      } else if (fa & kTimeCand) {
        if (c.Flags[b] & kHasTime) style = ssTime;
      }
    }
  } else if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
    const bool numbers = (c.Flags[a] & kNumber) && (c.Flags[b] & kNumber);
    style = numbers ? ssNumeric : (style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase);
  }

  int r = 0;
  bool blankA = ta.empty();
  bool blankB = tb.empty();
  switch (style) {
    case ssAlphaNoCase:
      BuildUpper(c);
      r = c.Upper[a].compare(c.Upper[b]);
      break;
    case ssAnsiAlphaCase:
      r = AnsiCompareStr(ta, tb);
      break;
    case ssAnsiAlphaNoCase:
      r = AnsiCompareText(ta, tb);
      break;
    case ssNumeric:
    case ssFinancial: {
      ReadNumber(c, ia);
      ReadNumber(c, ib);
      if (c.NumReads[a] || c.NumReads[b]) r = CompareValues(c.Num[a], c.Num[b]);
      blankA = c.NumPrepBlank[a] != 0;
      blankB = c.NumPrepBlank[b] != 0;
      break;
    }
    case ssDate:
    case ssDateTime:
    case ssShortDateEU:
    case ssShortDateUS: {
      const TSortStyle kind = style == ssDateTime ? ssDate : style;
      if (c.Date.empty() || c.DateStyle != kind) {
        ReadColumn(c);
        c.DateStyle = kind;
        c.Date.assign(static_cast<size_t>(count_), 0);
        for (int k = 0; k < count_; ++k) {
          const std::string& t = c.Text[static_cast<size_t>(k)];
          if (t.empty()) continue;
          TDateTime v = 0;
          if (kind == ssShortDateEU)
            v = ParseDateDMY(t);
          else if (kind == ssShortDateUS)
            v = ParseDateMDY(t);
          else if (!TryStrToDateTime(t, v))
            v = 0;
          c.Date[static_cast<size_t>(k)] = v;
        }
      }
      r = CompareValues(c.Date[a], c.Date[b]);
      break;
    }
    case ssTime:
      if (c.Time.empty()) {
        ReadColumn(c);
        c.Time.assign(static_cast<size_t>(count_), 0);
        for (int k = 0; k < count_; ++k) {
          TDateTime v = 0;
          if (TryStrToTime(c.Text[static_cast<size_t>(k)], v)) c.Time[static_cast<size_t>(k)] = v;
        }
      }
      r = CompareValues(c.Time[a], c.Time[b]);
      break;
    case ssCustom:
      if (grid_.OnCustomCompare) grid_.OnCustomCompare(&grid_, ta, tb, r);
      break;
    case ssRaw:
      if (grid_.OnRawCompare) grid_.OnRawCompare(&grid_, ACol, RowOf(ia), RowOf(ib), r);
      break;
    case ssHTML:
      if (c.Stripped.empty()) {
        c.Stripped.resize(static_cast<size_t>(count_));
        for (int k = 0; k < count_; ++k)
          c.Stripped[static_cast<size_t>(k)] = grid_.GetStrippedCell(ACol, RowOf(k));
      }
      r = c.Stripped[a].compare(c.Stripped[b]);
      blankA = c.Stripped[a].empty();
      blankB = c.Stripped[b].empty();
      break;
    case ssImages:
      if (c.Image.empty()) {
        c.Image.resize(static_cast<size_t>(count_));
        for (int k = 0; k < count_; ++k)
          c.Image[static_cast<size_t>(k)] = grid_.SortImageIndex(ACol, RowOf(k));
      }
      r = CompareValues(c.Image[a], c.Image[b]);
      break;
    case ssCheckBox:
      if (c.Check.empty()) {
        c.Check.resize(static_cast<size_t>(count_));
        for (int k = 0; k < count_; ++k)
          c.Check[static_cast<size_t>(k)] = grid_.SortCheckState(ACol, RowOf(k)) ? 1 : 0;
      }
      r = CompareValues(c.Check[a], c.Check[b]);
      break;
    default:  // ssAlphabetic, ssAlphaCase: ordinal
      r = ta.compare(tb);
      break;
  }
  r = Sign(r);

  if (ignoreBlanks_ && blankA != blankB) {
    r = blankA ? (blanksFirst_ ? -1 : 1) : (blanksFirst_ ? 1 : -1);
    // Turned for a descending sort, so blanks stay where BlankPos puts them.
    if (Descending) r = -r;
  }
  return r;
}

int TSortRun::CompareRowHandles(int ACol, const THandle& A, const THandle& B) {
  for (;;) {
    const int r = Ignored(ACol) ? 0 : CompareHandles(ACol, A, descending_, B);
    if (r != 0 || !full_ || ACol >= lastCol_) return r;
    ++ACol;
  }
}

int TSortRun::CompareIndexedHandles(int Index, const THandle& A, const THandle& B) {
  const TSortIndexList* list = grid_.SortIndexes();
  for (; Index < list->Count(); ++Index) {
    const int col = list->SortColumns(Index);
    const bool descending = !list->SortDirections(Index);
    int r = Ignored(col) ? 0 : CompareHandles(col, A, descending, B);
    if (r != 0 || !full_) return descending ? -r : r;
  }
  return 0;
}

int TSortRun::CompareCells(int ACol, int A, bool Descending, int B) {
  return CompareHandles(ACol, THandle{A, A}, Descending, THandle{B, B});
}

int TSortRun::CompareRows(int ACol, int A, int B) {
  return CompareRowHandles(ACol, THandle{A, A}, THandle{B, B});
}

int TSortRun::CompareRowsIndexed(int Index, int A, int B) {
  return CompareIndexedHandles(Index, THandle{A, A}, THandle{B, B});
}

// The number of a numeric column's cell, read once per sort: the prefix
// and suffix taken off, thousand separators (for ssFinancial) dropped, the
// locale decimal separator read as a point.
void TSortRun::ReadNumber(TColumn& C, int K) {
  const size_t kk = static_cast<size_t>(K);
  if (C.Num.empty()) {
    C.Num.assign(static_cast<size_t>(count_), 0);
    C.NumReads.assign(static_cast<size_t>(count_), 0);
    C.NumPrepBlank.assign(static_cast<size_t>(count_), 0);
  }
  if (C.Have[kk] & kNumberRead) return;
  C.Have[kk] |= kNumberRead;
  // A cell not kept yet is read for its number alone.
  std::string read;
  if (!(C.Have[kk] & kRead)) read = CellText(C.Col, K);
  const std::string& text = C.Have[kk] & kRead ? C.TextOf(kk) : read;
  const char decimal = GetDecimalSeparator();
  const bool financial = C.Style == ssFinancial;
  std::string copy;
  std::string_view t = text;
  if (!C.Prefix.empty() || !C.Suffix.empty() || financial || decimal != '.') {
    copy = text;
    RemoveFirst(copy, C.Prefix);
    RemoveFirst(copy, C.Suffix);
    if (financial) copy.erase(std::remove(copy.begin(), copy.end(), GetThousandSeparator()), copy.end());
    if (decimal != '.') {
      const size_t p = copy.find(decimal);
      if (p != std::string::npos) copy[p] = '.';
    }
    t = copy;
  }
  C.NumPrepBlank[kk] = t.empty() ? 1 : 0;
  // Blanks and control characters at the ends do not count.
  while (!t.empty() && static_cast<unsigned char>(t.front()) <= 0x20) t.remove_prefix(1);
  while (!t.empty() && static_cast<unsigned char>(t.back()) <= 0x20) t.remove_suffix(1);
  const std::string_view v = t;
  double value = 0;
  bool reads = !v.empty() && Val(v, value) == 0;
  if (!reads) {
    // A text that is partly a number keeps the number it starts with.
    value = 0;
    const char* first = v.data() + (!v.empty() && v[0] == '+' ? 1 : 0);
    std::from_chars(first, v.data() + v.size(), value);
    if (!std::isfinite(value)) value = 0;
    const bool shownEmpty = shownTexts_ ? text.empty() : grid_.GetCellEx(C.Col, RowOf(K)).empty();
    reads = shownEmpty;
  }
  C.Num[kk] = value;
  C.NumReads[kk] = reads ? 1 : 0;
}

void TSortRun::BuildNumbers(TColumn& C) {
  for (int k = 0; k < count_; ++k) ReadNumber(C, k);
}

// ---------------------------------------------------------------------------
// Plain texts

void TSortRun::BuildUpper(TColumn& C) {
  if (!C.Upper.empty() || count_ == 0) return;
  ReadColumn(C);
  C.Upper.resize(static_cast<size_t>(count_));
  for (int k = 0; k < count_; ++k)
    C.Upper[static_cast<size_t>(k)] = AnsiUpperCase(C.Text[static_cast<size_t>(k)]);
}

// A column whose every pair compares ordinally (no cell that the automatic
// style would take for a check box, number, date or time; blanks not
// placed apart) compares by its texts alone.
const std::vector<std::string>* TSortRun::OrdinalTexts(int ACol) {
  if (ignoreBlanks_ || Ignored(ACol)) return nullptr;
  TColumn& c = Column(ACol);
  ReadColumn(c);
  bool noCase = false;
  switch (c.Style) {
    case ssAlphabetic:
    case ssAlphaCase:
      break;
    case ssAlphaNoCase:
      noCase = true;
      break;
    case ssAutomatic:
      for (uint8_t f : c.Flags)
        if (f & (kCheckType | kNumber | kDateCand | kTimeCand)) return nullptr;
      noCase = ignoreCase_;
      break;
    default:
      return nullptr;
  }
  if (!noCase) return &c.Text;
  BuildUpper(c);
  return &c.Upper;
}

const std::vector<double>* TSortRun::NumericKeys(int ACol) {
  if (ignoreBlanks_ || Ignored(ACol)) return nullptr;
  TColumn& c = Column(ACol);
  switch (c.Style) {
    case ssNumeric:
    case ssFinancial:
      break;
    case ssAutomatic:
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase:
      ReadColumn(c);
      for (uint8_t f : c.Flags)
        if ((f & kCheckType) || !(f & kNumber)) return nullptr;
      break;
    default:
      return nullptr;
  }
  BuildNumbers(c);
  for (size_t k = 0; k < c.Num.size(); ++k)
    if (!c.NumReads[k] || std::isnan(c.Num[k])) return nullptr;
  return &c.Num;
}

namespace {

// The bits of a number as an unsigned key that orders as the numbers do
// (the two zeros as one).
uint64_t NumberKey(double V) {
  if (V == 0) V = 0;
  uint64_t bits;
  std::memcpy(&bits, &V, sizeof bits);
  return (bits & 0x8000000000000000ull) ? ~bits : bits | 0x8000000000000000ull;
}

// The first eight bytes, most significant first: unequal keys order as the
// texts do.
uint64_t TextKey(const std::string& S) {
  uint64_t key = 0;
  const size_t n = std::min<size_t>(S.size(), 8);
  for (size_t i = 0; i < 8; ++i) key = (key << 8) | (i < n ? static_cast<unsigned char>(S[i]) : 0u);
  return key;
}

}  // namespace

// ---------------------------------------------------------------------------
// The quick sort

// A partition around the middle row's copy; rows that compare equal stay
// (unless SwapEqual). The smaller part is sorted first and the larger one
// in the loop, which keeps the recursion shallow; the parts are disjoint,
// so the order they are sorted in changes nothing.
template <class Cmp>
void TSortRun::QuickSort(std::vector<TItem>& Items, int Start, int End, int Dir, bool SwapEqual,
                         Cmp& Compare) {
  while (Start < End) {
    const int mid = Start + (End - Start) / 2;
    const TItem pivot = Items[static_cast<size_t>(mid)];
    int i = Start;
    int j = End;
    do {
      while (Compare(pivot, mid, Items[static_cast<size_t>(i)], i) == Dir && i < End) ++i;
      while (Compare(Items[static_cast<size_t>(j)], j, pivot, mid) == Dir && Start < j) --j;
      if (j >= i) {
        if (i != j &&
            (SwapEqual || Compare(Items[static_cast<size_t>(i)], i, Items[static_cast<size_t>(j)], j) != 0)) {
          std::swap(Items[static_cast<size_t>(i)], Items[static_cast<size_t>(j)]);
          ++grid_.FSwaps;
        }
        ++i;
        --j;
      }
    } while (j >= i);
    if (j - Start < End - i) {
      if (Start < j) QuickSort(Items, Start, j, Dir, SwapEqual, Compare);
      Start = i;
    } else {
      if (i < End) QuickSort(Items, i, End, Dir, SwapEqual, Compare);
      End = j;
    }
  }
}

std::vector<TSortRun::TItem> TSortRun::Identities() const {
  std::vector<TItem> items(static_cast<size_t>(count_));
  for (int k = 0; k < count_; ++k) items[static_cast<size_t>(k)] = TItem{0, k};
  return items;
}

std::vector<int> TSortRun::ToRows(const std::vector<TItem>& Items) const {
  std::vector<int> rows(Items.size());
  for (size_t k = 0; k < Items.size(); ++k) rows[k] = RowOf(Items[k].Id);
  return rows;
}

// The pivot met at its own place: equal in every column, so the columns
// right of the key are not read for it (unless a comparison event, which
// may answer anything, has to be asked).
bool TSortRun::SameRow(const TItem& A, int PosA, const TItem& B, int PosB) const {
  return A.Id == B.Id && (singleCol_ < 0 || PosA == PosB) && !grid_.OnCustomCompare && !grid_.OnRawCompare;
}

std::vector<int> TSortRun::SortOnColumn(int ACol, int SingleCol) {
  singleCol_ = SingleCol;
  std::vector<TItem> items = Identities();
  if (const std::vector<std::string>* texts = OrdinalTexts(ACol)) {
    // The same comparison as CompareRowHandles on this column, settled by
    // the keys while they differ.
    for (TItem& item : items) item.Key = TextKey((*texts)[static_cast<size_t>(item.Id)]);
    auto compare = [this, ACol, texts](const TItem& A, int PosA, const TItem& B, int PosB) {
      ++grid_.FCompares;
      int r = A.Key != B.Key
                  ? (A.Key < B.Key ? -1 : 1)
                  : Sign((*texts)[static_cast<size_t>(A.Id)].compare((*texts)[static_cast<size_t>(B.Id)]));
      if (r == 0 && full_ && ACol < lastCol_ && !SameRow(A, PosA, B, PosB))
        r = CompareRowHandles(ACol + 1, THandle{A.Id, PosA}, THandle{B.Id, PosB});
      return r;
    };
    QuickSort(items, 0, count_ - 1, grid_.SortDir(), false, compare);
    return ToRows(items);
  }
  if (const std::vector<double>* numbers = NumericKeys(ACol)) {
    // Numbers parsed once per row, compared as keys; equal ones go on to
    // the next columns as CompareRowHandles would.
    for (TItem& item : items) item.Key = NumberKey((*numbers)[static_cast<size_t>(item.Id)]);
    auto compare = [this, ACol](const TItem& A, int PosA, const TItem& B, int PosB) {
      ++grid_.FCompares;
      int r = A.Key != B.Key ? (A.Key < B.Key ? -1 : 1) : 0;
      if (r == 0 && full_ && ACol < lastCol_ && !SameRow(A, PosA, B, PosB))
        r = CompareRowHandles(ACol + 1, THandle{A.Id, PosA}, THandle{B.Id, PosB});
      return r;
    };
    QuickSort(items, 0, count_ - 1, grid_.SortDir(), false, compare);
    return ToRows(items);
  }
  auto compare = [this, ACol](const TItem& A, int PosA, const TItem& B, int PosB) {
    return CompareRowHandles(ACol, THandle{A.Id, PosA}, THandle{B.Id, PosB});
  };
  QuickSort(items, 0, count_ - 1, grid_.SortDir(), false, compare);
  return ToRows(items);
}

std::vector<int> TSortRun::SortIndexed(int SingleCol) {
  singleCol_ = SingleCol;
  std::vector<TItem> items = Identities();
  auto compare = [this](const TItem& A, int PosA, const TItem& B, int PosB) {
    return CompareIndexedHandles(0, THandle{A.Id, PosA}, THandle{B.Id, PosB});
  };
  QuickSort(items, 0, count_ - 1, 1, true, compare);
  return ToRows(items);
}
