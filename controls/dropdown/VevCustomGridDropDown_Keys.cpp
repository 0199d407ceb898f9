// Keys of the grid drop-down: the completion of typed text from the items,
// the typed lookup (or narrowing down) of the lookup column, and the keys
// that move the choice in the edit and in the pop-up grid.
#include <algorithm>

#include "controls/dropdown/VevCustomGridDropDown.h"
#include "framework/rtl/StrUtils.h"

using namespace VevCustomGridDropDown;

namespace {
bool AltHeld() { return GetKeyState(VK_MENU) < 0; }
bool IsNavigationKey(WORD Key) {
  return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP ||
         Key == VK_DOWN;
}
}  // namespace

int TCustomDivUzevDropDown::PrefixChars() const { return Utf8Length(Prefix()); }

void TCustomDivUzevDropDown::WriteQuiet(const std::string& Value) {
  const bool was = FInChange;
  FInChange = true;
  WriteText(Value);
  FInChange = was;
}

// ---- Completion list and lookup ----

void TCustomDivUzevDropDown::FillLookupItems() {
  if (FLookupColumn < 0 || FItems->Count() == 0) return;
  FLookupItems->Clear();
  FUpperLookup.clear();
  FUpperLookup.reserve(static_cast<size_t>(FItems->Count()));
  for (int i = 0; i < FItems->Count(); ++i) {
    FLookupItems->Add(FItems->Items(i)->TextAt(FLookupColumn));
    // Narrowing compares without case: the items' side is made once here.
    FUpperLookup.push_back(AnsiUpperCase(FLookupItems->Strings(i)));
  }
  FUpperColumn = FLookupColumn;
}

int TCustomDivUzevDropDown::LookupColumnPos(int Index) const {
  for (int i = 0; i < FLookupItems->Count(); ++i)
    if (AnsiUpperCase(FLookupItems->Strings(i)) == AnsiUpperCase(Text())) return i;
  (void)Index;
  return -1;
}

bool TCustomDivUzevDropDown::LookupText(const std::string& AText, std::string& FullText, int& Row) {
  Row = -1;
  FullText.clear();
  if (AText.empty() || FLookupColumn < 0) return false;
  const std::string t = FCaseSensitive ? AText : AnsiUpperCase(AText);
  auto match = [&](const std::string& C) { return (FCaseSensitive ? C : AnsiUpperCase(C)).starts_with(t); };
  if (FUseItems) {
    for (int i = 0; i < FItems->Count(); ++i) {
      const std::string c = FItems->Items(i)->TextAt(FLookupColumn);
      if (match(c)) {
        FullText = c;
        Row = i;
        return true;
      }
    }
    return false;
  }
  TVevColGrid* g = FVevColGrid;
  if (g == nullptr || FLookupColumn >= g->ColCount()) return false;
  for (int r = g->FixedRows(); r < g->RowCount(); ++r) {
    const std::string c = g->Cells(FLookupColumn, r);
    if (match(c)) {
      FullText = c;
      Row = r;
      return true;
    }
  }
  return false;
}

int TCustomDivUzevDropDown::LookupKey(char32_t Key) {
  if (FLookupMethod == lmNone) return -1;
  const int p = PrefixChars();
  // Narrowing selects the tail of the first row's text itself: Backspace
  // takes a character off the entry and widens the rows back.
  const bool widen = Key == 8 && FLookupMethod == lmNarrowDown;
  if (widen) {
    std::u32string e = Utf8ToUtf32(FLookupEntry);
    if (!e.empty()) e.pop_back();
    FLookupEntry = Utf32ToUtf8(e);
  } else if (Key == 8) {
    if (SelLength() > 0) {
      std::u32string t = Utf8ToUtf32(Text());
      const int s = std::clamp(SelStart() - p, 0, static_cast<int>(t.size()));
      t.erase(static_cast<size_t>(s),
              static_cast<size_t>(std::min<int>(SelLength(), static_cast<int>(t.size()) - s)));
      WriteQuiet(Utf32ToUtf8(t));
    } else {
      std::u32string e = Utf8ToUtf32(FLookupEntry);
      if (!e.empty()) e.pop_back();
      FLookupEntry = Utf32ToUtf8(e);
      WriteQuiet(FLookupEntry);
    }
    const int end = p + Utf8Length(Text());
    Perform(EM_SETSEL, end, end);
    return -1;
  }
  // Control characters are no typed text (Return and Escape have their own
  // meaning and would spoil the entry).
  if (Key < 32 && Key != 9 && !widen) return -1;
  if (Key != 9 && !widen) FLookupEntry += Utf32ToUtf8(std::u32string(1, Key));
  const std::string s = Trim(FLookupEntry);

  if (FLookupMethod == lmNarrowDown) {
    TVevColGrid* g = FVevColGrid;
    if (g == nullptr) return -1;
    // Typing before the first opening narrows the items all the same.
    if (FUseItems && !FNarrowActive && g->RowCount() != FItems->Count() + 1) {
      g->SyncFromDropDown(this);
      g->SetRowCount(FItems->Count() + 1);
      g->SetFixedRows(1);
      g->FillFromItems();
    }
    if (FUseItems)
      NarrowItems(s);
    else
      NarrowTo(s);
    // The first item beginning with the typed text gives way to the first
    // row shown: the edit, ItemIndex and the grid's row name that row.
    FItemChange = false;
    const int first = g->FixedRows();
    if (s.empty() || g->RowCount() <= first) {
      // No entry, or no row holds it: no item is chosen, and a closing
      // Return takes no row of rows that are gone.
      if (!s.empty()) FSelRow = -1;
      if (FStyle == dsDropDown || s.empty()) {
        WriteQuiet(FLookupEntry);
        FItemIndex = -1;
        const int end = p + Utf8Length(Text());
        Perform(EM_SETSEL, end, end);
      }
      return s.empty() ? -1 : first;
    }
    // Moving the row may run GridSelectCell; the text is written after.
    if (g->Row() != first) g->SetRow(first);
    FSelRow = first;
    FItemIndex = FUseItems ? ItemOfRow(first) : 0;
    if (FLookupColumn >= 0 && FLookupColumn < g->ColCount()) {
      const std::string t = g->Cells(FLookupColumn, first);
      if (FStyle == dsDropDown) {
        WriteQuiet(t);
        Perform(EM_SETSEL, p + Utf8Length(FLookupEntry), p + Utf8Length(t));
      } else {
        WriteQuiet(t);
      }
    }
    return first;
  }

  auto found = [&](const std::string& Full, int Row) {
    FItemIndex = FUseItems || FVevColGrid == nullptr ? Row : Row - FVevColGrid->FixedRows();
    WriteQuiet(Full);
    if (FStyle == dsDropDown) Perform(EM_SETSEL, p + Utf8Length(FLookupEntry), p + Utf8Length(Full));
    return Row;
  };
  std::string full;
  int row = -1;
  if (LookupText(s, full, row)) return found(full, row);
  if (FStyle == dsDropDownList) {
    const std::string one = Utf32ToUtf8(std::u32string(1, Key));
    if (Key != 9 && LookupText(one, full, row)) {
      FLookupEntry = one;
      return found(full, row);
    }
    FLookupEntry.clear();
  }
  return -1;
}

void TCustomDivUzevDropDown::NarrowTo(const std::string& S) {
  TVevColGrid* g = FVevColGrid;
  if (g == nullptr) return;
  if (S.empty()) {
    g->RemoveAllFilters();
    FNarrowed.clear();
    return;
  }
  g->SetFixedRowAlways(true);
  if (S == FNarrowed && g->FilterLevel() > 0) return;
  // The grid narrows a narrowed grid further (or widens it back) one
  // character at a time; a longer step goes through every character
  // between, so that no key filters all rows again.
  const std::u32string to = Utf8ToUtf32(S), from = Utf8ToUtf32(FNarrowed);
  const bool longer = !from.empty() && to.size() > from.size() && to.compare(0, from.size(), from) == 0;
  const bool shorter = to.size() < from.size() && from.compare(0, to.size(), to) == 0;
  const int nf = static_cast<int>(from.size()), nt = static_cast<int>(to.size());
  if (longer && g->FilterLevel() > 0) {
    for (int n = nf + 1; n <= nt; ++n)
      g->NarrowDown(Utf32ToUtf8(to.substr(0, static_cast<size_t>(n))), FLookupColumn);
  } else if (shorter && g->FilterLevel() > 0) {
    for (int n = nf - 1; n >= nt; --n)
      g->NarrowDown(Utf32ToUtf8(from.substr(0, static_cast<size_t>(n))), FLookupColumn);
  } else {
    g->NarrowDown(S, FLookupColumn);
  }
  FNarrowed = S;
}

void TCustomDivUzevDropDown::ShowAllItems() {
  TVevColGrid* g = FVevColGrid;
  if (!FNarrowActive || g == nullptr) return;
  FNarrowActive = false;
  FNarrowRows.clear();
  FNarrowed.clear();
  g->StartUpdate();
  const int fixed = g->FixedRows(), cols = g->ColCount();
  g->SetRowCount(fixed + FItems->Count());
  for (int j = 0; j < FItems->Count(); ++j) {
    const TDropDownItem* it = FItems->Items(j);
    for (int c = 0; c < cols; ++c) g->SetGridCell(c, fixed + j, it->TextAt(c));
  }
  g->ResetUpdate();
  g->Invalidate();
}

void TCustomDivUzevDropDown::NarrowItems(const std::string& S) {
  TVevColGrid* g = FVevColGrid;
  if (g == nullptr) return;
  if (S.empty() || FLookupColumn < 0) {
    ShowAllItems();
    return;
  }
  const int n = FItems->Count();
  if (static_cast<int>(FUpperLookup.size()) != n || FUpperColumn != FLookupColumn) {
    FUpperLookup.clear();
    FUpperLookup.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
      FUpperLookup.push_back(AnsiUpperCase(FItems->Items(i)->TextAt(FLookupColumn)));
    FUpperColumn = FLookupColumn;
  }
  const std::string key = AnsiUpperCase(S);
  // A longer text keeps a part of the rows shown now.
  const bool within = FNarrowActive && S.starts_with(FNarrowed);
  std::vector<int> kept;
  if (within) {
    for (int i : FNarrowRows)
      if (FUpperLookup[static_cast<size_t>(i)].find(key) != std::string::npos) kept.push_back(i);
  } else {
    for (int i = 0; i < n; ++i)
      if (FUpperLookup[static_cast<size_t>(i)].find(key) != std::string::npos) kept.push_back(i);
  }
  FNarrowed = S;
  if (!FNarrowActive && static_cast<int>(kept.size()) == n) return;
  const int fixed = g->FixedRows(), cols = g->ColCount();
  g->StartUpdate();
  if (within || !FNarrowActive) {
    // The rows that stay move up in place.
    const std::vector<int>* shown = within ? &FNarrowRows : nullptr;
    size_t j = 0;
    for (size_t k = 0; k < kept.size(); ++k) {
      if (shown != nullptr)
        while ((*shown)[j] != kept[k]) ++j;
      else
        j = static_cast<size_t>(kept[k]);
      if (j != k)
        for (int c = 0; c < cols; ++c)
          g->SetGridCell(c, fixed + static_cast<int>(k), g->GetGridCell(c, fixed + static_cast<int>(j)));
    }
  } else {
    for (size_t k = 0; k < kept.size(); ++k) {
      const TDropDownItem* it = FItems->Items(kept[k]);
      for (int c = 0; c < cols; ++c) g->SetGridCell(c, fixed + static_cast<int>(k), it->TextAt(c));
    }
  }
  g->SetRowCount(fixed + static_cast<int>(kept.size()));
  g->ResetUpdate();
  g->Invalidate();
  FNarrowRows.swap(kept);
  FNarrowActive = true;
}

// ---- The completion ----

void TCustomDivUzevDropDown::Change() {
  FItemChange = false;
  TVevUrizazEvuvUduz::Change();
  if (ComponentState().Contains(csDesigning) || !workmode || FInChange) return;
  const std::string text = Text();
  SetIsModified(!text.empty());
  if (FLookupItems->Count() == 0) return;
  const int p = PrefixChars();
  const std::string typed = Utf8Copy(text, 0, SelStart() - p);
  // Nothing typed completes nothing.
  if (typed.empty()) return;
  const std::string key = FMatchCase ? typed : AnsiUpperCase(typed);
  const int kn = Utf8Length(key);
  if (const int hit = FirstCompletion(FLookupItems.get(), key, FMatchCase); hit >= 0) {
    const std::string completed = Utf8Copy(text, 0, kn) + Utf8Copy(FLookupItems->Strings(hit), kn, 255);
    WriteQuiet(completed);
    FItemIndex = hit;
    FItemIdx = hit;
    FItemSel = kn;
    FItemChange = true;
    Perform(EM_SETSEL, p + Utf8Length(completed), p + kn);
    return;
  }
  if (typed != text) {
    WriteQuiet(typed);
    const int end = p + Utf8Length(typed);
    Perform(EM_SETSEL, end, end);
  }
}

// ---- Keys in the edit ----

void TCustomDivUzevDropDown::KeyDown(WORD& Key, TShiftState Shift) {
  TVevColGrid* g = FVevColGrid;
  if (g != nullptr && FGridEditable && g->EditMode() && Key == VK_RETURN && !Shift.Contains(ssShift)) {
    g->HideInplaceEdit();
    // A copy: the change events may refill the list under the text.
    if (FLookupColumn >= 0 && FLookupColumn < g->ColCount())
      SetText(std::string(g->Cells(FLookupColumn, g->Row())));
    FItemIndex = g->Row() - g->FixedRows();
    Key = 0;
    return;
  }
  if (FLookupColumn < 0 || FItems->Count() == 0) {
    TVevUrizazEvuvUduz::KeyDown(Key, Shift);
    return;
  }
  const WORD k = Key;
  if (k == VK_BACK || k == VK_ESCAPE || k == VK_DELETE) {
    workmode = false;
  } else if (k == VK_RETURN) {
    const int i = LookupColumnPos(0);
    if (i >= 0) {
      WriteQuiet(FLookupItems->Strings(i));
      SetItemIndex(i);
      Change();
    }
    if (FReturnIsTab) {
      if (HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
      Key = 0;
    }
  } else {
    workmode = true;
  }
  if (k == VK_ESCAPE || (k >= 33 && k <= 40)) FLookupEntry.clear();
  TVevUrizazEvuvUduz::KeyDown(Key, Shift);
  if (k == VK_ESCAPE) SetItemIndex(LookupColumnPos(0));
}

void TCustomDivUzevDropDown::KeyPress(char32_t& Key) {
  if (Key == 13 && FReturnIsTab) {
    Key = 0;
    return;
  }
  TVevUrizazEvuvUduz::KeyPress(Key);
}

void TCustomDivUzevDropDown::KeyUp(WORD& Key, TShiftState Shift) {
  const WORD k = Key;
  if (!(k == VK_RETURN && FReturnIsTab)) TVevUrizazEvuvUduz::KeyUp(Key, Shift);
  TVevColGrid* g = FVevColGrid;
  if (g != nullptr && FGridEditable && g->EditMode() && k == VK_RETURN && !Shift.Contains(ssShift)) {
    if (g->Col() == FLookupColumn)
      HideDropDownEx(false);
    else
      g->HideInplaceEdit();
  }
  if (FItemChange) {
    const bool was = FInChange;
    FInChange = true;
    SetItemIndex(FItemIdx);
    FInChange = was;
    const int p = PrefixChars();
    Perform(EM_SETSEL, p + FItemSel, p + Utf8Length(Text()));
    FItemChange = false;
  }
}

void TCustomDivUzevDropDown::HandleWmKeyDown(TMessage& Message) {
  const WORD key = static_cast<WORD>(Message.WParam);
  if (key == VK_RETURN && FVevColGrid != nullptr) FVevColGrid->SetConfirmSelection(true);
  TVevUrizazEvuvUduz::WndProc(Message);
  if (!Enabled() || AltHeld() || !IsNavigationKey(key)) return;
  FLookupEntry.clear();
  const bool list = GetKeyState(VK_SHIFT) >= 0 && FStyle == dsDropDownList;
  switch (key) {
    case VK_PRIOR:
      SelectPreviousPage();
      break;
    case VK_NEXT:
      SelectNextPage();
      break;
    case VK_UP:
      SelectPrevious();
      break;
    case VK_DOWN:
      SelectNext();
      break;
    case VK_END:
      if (list) SelectLast();
      break;
    case VK_HOME:
      if (list) SelectFirst();
      break;
    default:
      break;
  }
}

void TCustomDivUzevDropDown::HandleWmChar(TMessage& Message) {
  const char32_t ch = static_cast<char32_t>(Message.WParam);
  TVevUrizazEvuvUduz::WndProc(Message);
  // Narrowing an unopened grid would be undone by the opening's refill:
  // the pop-up opens first and then shows the narrowed rows.
  const bool showFirst = FAutoShowDropDown && FLookupMethod == lmNarrowDown && !DroppedDown();
  if (showFirst) ShowDropDown();
  LookupKey(ch);
  if (FAutoShowDropDown && !DroppedDown()) ShowDropDown();
}

void TCustomDivUzevDropDown::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN:
      HandleWmKeyDown(Message);
      return;
    case WM_CHAR:
      HandleWmChar(Message);
      return;
    default:
      TVevUrizazEvuvUduz::WndProc(Message);
  }
}

// ---- Keys in the pop-up grid ----

void TCustomDivUzevDropDown::ControlKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
  // The paging and arrow keys move the grid's own row.
  if (Shift.Contains(ssAlt) || !IsNavigationKey(Key)) TVevUrizazEvuvUduz::ControlKeyDown(Sender, Key, Shift);
  if (OnGridKeyDown) OnGridKeyDown(this, Key, Shift);
}

void TCustomDivUzevDropDown::ControlKeyUp(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (!Shift.Contains(ssAlt) && IsNavigationKey(Key))
    FLookupEntry.clear();
  else
    TVevUrizazEvuvUduz::ControlKeyUp(Sender, Key, Shift);
  if (OnGridKeyUp) OnGridKeyUp(this, Key, Shift);
}

void TCustomDivUzevDropDown::ControlKeyPress(TObject*, char32_t& Key) {
  TVevColGrid* g = FVevColGrid;
  if (((Key == 13 || Key == 27) && !AltHeld()) || (g != nullptr && g->Options().Contains(goEditing))) {
    FLookupEntry.clear();
  } else if (g != nullptr) {
    const int r = LookupKey(Key);
    int row = -1;
    if (r != -1) row = FLookupMethod == lmNarrowDown ? g->FixedRows() : FUseItems ? r + g->FixedRows() : r;
    if (r == -1 || row < g->FixedRows() || row >= g->RowCount()) {
      FLookupEntry.clear();
    } else {
      if (g->RowCount() > g->VisibleRowCount() + g->FixedRows()) g->SetTopRow(row);
      g->SetCol(0);
      g->SetRow(row);
      g->InvalidateRow(row);
    }
    // The character went to the lookup, not to the grid or the edit.
    Key = 0;
  }
  if (OnGridKeyPress) OnGridKeyPress(this, Key);
}
