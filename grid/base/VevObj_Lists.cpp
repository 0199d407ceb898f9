// Integer and sort-index lists, the control list and the handle list.
#include <algorithm>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/controls/Controls.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevObj.h"

namespace {

void* ToSlot(int Value) { return reinterpret_cast<void*>(static_cast<intptr_t>(Value)); }
int FromSlot(void* Slot) { return static_cast<int>(reinterpret_cast<intptr_t>(Slot)); }

constexpr uint32_t kDescendingBit = 0x80000000u;

}  // namespace

// ---------------------------------------------------------------------------
// TIntList

int TIntList::Items(int Index) const { return FromSlot(TList::Items(Index)); }

void TIntList::SetItems(int Index, int Value) {
  TList::SetItems(Index, ToSlot(Value));
  Changed();
}

int TIntList::Add(int Value) {
  const int index = TList::Add(ToSlot(Value));
  Changed();
  return index;
}

void TIntList::Insert(int Index, int Value) { TList::Insert(Index, ToSlot(Value)); }

void TIntList::Delete(int Index) {
  TList::Delete(Index);
  Changed();
}

void TIntList::DeleteValue(int Value) {
  const int index = IndexOf(Value);
  if (index >= 0) Delete(index);
}

bool TIntList::HasValue(int Value) const { return IndexOf(Value) >= 0; }

void TIntList::PermuteItems(int First, const std::vector<int>& Order) {
  std::vector<void*>& slots = Slots();
  const size_t n = Order.size(), first = static_cast<size_t>(First);
  std::vector<void*> moved(n);
  for (size_t k = 0; k < n; ++k) {
    const auto from = static_cast<size_t>(Order[k]);
    moved[k] = from < slots.size() ? slots[from] : ToSlot(0);
  }
  if (slots.size() < first + n) slots.resize(first + n, ToSlot(0));
  std::copy(moved.begin(), moved.end(), slots.begin() + static_cast<std::ptrdiff_t>(first));
  Changed();
}

int TIntList::IndexOf(int Value) const { return TList::IndexOf(ToSlot(Value)); }

std::string TIntList::StrValue() const {
  std::string out;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) out.push_back(',');
    out += IntToStr(Items(i));
  }
  return out;
}

void TIntList::SetStrValue(const std::string& Value) {
  TStringList items;
  items.SetCommaText(Value);
  Clear();
  for (int i = 0; i < items.Count(); ++i) Add(StrToInt(items.Strings(i)));
}

void TIntList::Changed() {
  if (OnChange) OnChange(this, FCol, FRow);
}

// ---------------------------------------------------------------------------
// TSortIndexList

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
  uint32_t item = static_cast<uint32_t>(ColumnIndex);
  if (!Ascending) item |= kDescendingBit;
  Add(static_cast<int>(item));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
  for (int i = 0; i < Count(); ++i) {
    if (SortColumns(i) == (ColumnIndex & 0x7FFFFFFF)) return i;
  }
  return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
  const int i = FindIndex(ColumnIndex);
  if (i >= 0) SetItems(i, static_cast<int>(static_cast<uint32_t>(Items(i)) ^ kDescendingBit));
}

int TSortIndexList::SortColumns(int Index) const { return Items(Index) & 0x7FFFFFFF; }

void TSortIndexList::SetSortColumns(int Index, int Value) {
  const uint32_t item =
      (static_cast<uint32_t>(Items(Index)) & kDescendingBit) | (static_cast<uint32_t>(Value) & 0x7FFFFFFFu);
  SetItems(Index, static_cast<int>(item));
}

bool TSortIndexList::SortDirections(int Index) const {
  return (static_cast<uint32_t>(Items(Index)) & kDescendingBit) == 0;
}

void TSortIndexList::SetSortDirections(int Index, bool Ascending) {
  uint32_t item = static_cast<uint32_t>(Items(Index));
  item = Ascending ? (item & ~kDescendingBit) : (item | kDescendingBit);
  SetItems(Index, static_cast<int>(item));
}

std::string TSortIndexList::SaveToString() const {
  std::string out;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) out.push_back(';');
    out.push_back(SortDirections(i) ? 'u' : 'd');
    out += IntToStr(Items(i) & 0xFFFF);
  }
  return out;
}

void TSortIndexList::LoadFromString(const std::string& S) {
  Clear();
  std::string_view rest = S;
  for (;;) {
    const std::size_t sep = rest.find(';');
    const std::string_view piece = rest.substr(0, sep);
    if (piece.size() >= 2) {
      // Only plain decimal column numbers count; anything else is skipped.
      const std::string_view digits = piece.substr(1);
      int64_t column = 0;
      bool ok = digits.size() <= 10;
      for (char c : digits) {
        if (c < '0' || c > '9') ok = false;
        if (ok) column = column * 10 + (c - '0');
      }
      if (ok && column <= 0x7FFFFFFF) AddIndex(static_cast<int>(column), piece[0] == 'u');
    }
    if (sep == std::string_view::npos) break;
    rest.remove_prefix(sep + 1);
  }
}

// ---------------------------------------------------------------------------
// TControlList

TControlList::~TControlList() {
  while (Count() > 0) RemoveControl(0);
}

void TControlList::AddControl(int X, int Y, TControl* AObject) { Add(new TControlItem(X, Y, AObject)); }

int TControlList::ControlIndex(int X, int Y) const {
  for (int i = 0; i < Count(); ++i) {
    const TControlItem* item = GetControl(i);
    if (item->X() == X && item->Y() == Y) return i;
  }
  return -1;
}

TControlItem* TControlList::GetControl(int Index) const { return static_cast<TControlItem*>(Items(Index)); }

bool TControlList::HasHandle(HWND Handle) const {
  if (Handle == 0) return false;
  for (int i = 0; i < Count(); ++i) {
    // A control without a window cannot own an existing handle, so there is
    // no need to create one just to compare.
    auto* win = dynamic_cast<TWinControl*>(GetControl(i)->Control());
    if (win && win->HandleAllocated() && win->Handle() == Handle) return true;
  }
  return false;
}

void TControlList::RemoveControl(int Index) { Delete(Index); }

// ---------------------------------------------------------------------------
// THandleList

HWND THandleList::Items(int Index) const { return reinterpret_cast<HWND>(TList::Items(Index)); }

void THandleList::SetItems(int Index, HWND Value) { TList::SetItems(Index, reinterpret_cast<void*>(Value)); }

int THandleList::Add(HWND Value) { return TList::Add(reinterpret_cast<void*>(Value)); }

void THandleList::Insert(int Index, HWND Value) { TList::Insert(Index, reinterpret_cast<void*>(Value)); }

void THandleList::DeleteValue(HWND Value) {
  const int index = TList::IndexOf(reinterpret_cast<void*>(Value));
  if (index >= 0) TList::Delete(index);
}

bool THandleList::HasValue(HWND Value) const { return TList::IndexOf(reinterpret_cast<void*>(Value)) >= 0; }
