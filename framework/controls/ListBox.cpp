#include "framework/controls/ListBox.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "framework/graphics/Gdi.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/Tick.h"

namespace {

constexpr uint32_t kTypeAheadMs = 1000;

bool StartsWithNoCase(const std::string& S, const std::string& Prefix) {
  std::u32string s = Utf8ToUtf32(S), p = Utf8ToUtf32(Prefix);
  if (p.size() > s.size()) return false;
  for (size_t i = 0; i < p.size(); ++i)
    if (AnsiUpperChar(s[i]) != AnsiUpperChar(p[i])) return false;
  return true;
}

}  // namespace

int FindListItem(const TStrings* Items, int Start, const std::string& Text, bool Exact) {
  int n = Items->Count();
  if (n == 0) return -1;
  if (Start < -1 || Start >= n) Start = -1;
  for (int k = 1; k <= n; ++k) {
    int i = (Start + k) % n;
    std::string s = Items->Strings(i);
    if (Exact ? AnsiSameText(s, Text) : StartsWithNoCase(s, Text)) return i;
  }
  return -1;
}

// ---- TListBoxStrings ----

int TListBoxStrings::Count() const { return listBox_->Count(); }

std::string TListBoxStrings::Strings(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  return listBox_->data_[static_cast<size_t>(Index)].S;
}

void TListBoxStrings::SetStrings(int Index, const std::string& S) {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  listBox_->data_[static_cast<size_t>(Index)].S = S;
  listBox_->ItemsChanged();
}

TObject* TListBoxStrings::Objects(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  return listBox_->data_[static_cast<size_t>(Index)].Object;
}

void TListBoxStrings::SetObjects(int Index, TObject* AObject) {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  listBox_->data_[static_cast<size_t>(Index)].Object = AObject;
}

int TListBoxStrings::Add(const std::string& S) { return AddObject(S, nullptr); }

int TListBoxStrings::AddObject(const std::string& S, TObject* AObject) {
  int at = listBox_->Sorted() ? listBox_->SortedPlace(S) : Count();
  return listBox_->InsertItem(at, S, AObject);
}

void TListBoxStrings::InsertObject(int Index, const std::string& S, TObject* AObject) {
  if (Index < 0 || Index > Count()) IndexError(Index);
  listBox_->InsertItem(Index, S, AObject);
}

void TListBoxStrings::Delete(int Index) {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  listBox_->DeleteItem(Index);
}

void TListBoxStrings::Clear() {
  listBox_->data_.clear();
  listBox_->itemIndex_ = -1;
  listBox_->anchor_ = -1;
  listBox_->topIndex_ = 0;
  listBox_->ItemsChanged();
}

void TListBoxStrings::Exchange(int Index1, int Index2) {
  if (Index1 < 0 || Index1 >= Count()) IndexError(Index1);
  if (Index2 < 0 || Index2 >= Count()) IndexError(Index2);
  auto& d = listBox_->data_;
  std::swap(d[static_cast<size_t>(Index1)], d[static_cast<size_t>(Index2)]);
  int& ii = listBox_->itemIndex_;
  if (ii == Index1)
    ii = Index2;
  else if (ii == Index2)
    ii = Index1;
  listBox_->ItemsChanged();
}

void TListBoxStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  if (CurIndex < 0 || CurIndex >= Count()) IndexError(CurIndex);
  if (NewIndex < 0 || NewIndex >= Count()) IndexError(NewIndex);
  auto& d = listBox_->data_;
  auto item = d[static_cast<size_t>(CurIndex)];
  bool wasCurrent = listBox_->itemIndex_ == CurIndex;
  listBox_->data_.erase(d.begin() + CurIndex);
  d.insert(d.begin() + NewIndex, item);
  int& ii = listBox_->itemIndex_;
  if (wasCurrent)
    ii = NewIndex;
  else if (ii >= 0) {
    if (CurIndex < ii && NewIndex >= ii)
      --ii;
    else if (CurIndex > ii && NewIndex <= ii)
      ++ii;
  }
  listBox_->ItemsChanged();
}

int TListBoxStrings::IndexOf(const std::string& S) const {
  for (int i = 0; i < Count(); ++i)
    if (AnsiSameText(listBox_->data_[static_cast<size_t>(i)].S, S)) return i;
  return -1;
}

void TListBoxStrings::SetUpdateState(bool Updating) {
  if (Updating) {
    ++listBox_->updateCount_;
  } else if (listBox_->updateCount_ > 0 && --listBox_->updateCount_ == 0) {
    listBox_->ItemsChanged();
  }
}

// ---- TCustomListBox ----

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TScrollBarsWindow(AOwner), items_(std::make_unique<TListBoxStrings>(this)) {
  // The click comes from a selection change, not from every release.
  controlStyle_ = TControlStyle{csSetCaption, csDoubleClicks, csOpaque};
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(false);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TScrollBarsWindow::CreateParams(Params);
  ApplyBorderStyle(Params, borderStyle_);
}

void TCustomListBox::Loaded() {
  TScrollBarsWindow::Loaded();
  if (loadedIndex_ >= 0) SetItemIndex(loadedIndex_);
  loadedIndex_ = -1;
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWnd();
  UpdateScrollRange();
  Invalidate();
}

int TCustomListBox::ItemHeight() const {
  if (style_ != lbStandard) return itemHeight_;
  auto* self = const_cast<TCustomListBox*>(this);
  TCanvas* c = self->Canvas();
  c->Font()->Assign(Font());
  int h = c->TextMetrics().tmHeight;
  return h > 0 ? h : 13;
}

void TCustomListBox::SetItemHeight(int Value) {
  if (Value <= 0 || Value == itemHeight_) return;
  itemHeight_ = Value;
  if (style_ != lbStandard) ItemsChanged();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  if (style_ == lbOwnerDrawVariable)
    for (int i = 0; i < Count(); ++i) {
      int h = itemHeight_;
      MeasureItem(i, h);
      data_[static_cast<size_t>(i)].Height = h;
    }
  ItemsChanged();
}

int TCustomListBox::RowHeight(int Index) const {
  if (style_ == lbOwnerDrawVariable && Index >= 0 && Index < Count()) {
    int h = data_[static_cast<size_t>(Index)].Height;
    return h > 0 ? h : itemHeight_;
  }
  return ItemHeight();
}

void TCustomListBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

int TCustomListBox::SortedPlace(const std::string& S) const {
  int i = 0;
  while (i < Count() && AnsiCompareText(data_[static_cast<size_t>(i)].S, S) <= 0) ++i;
  return i;
}

int TCustomListBox::InsertItem(int Index, const std::string& S, TObject* AObject) {
  TItem item;
  item.S = S;
  item.Object = AObject;
  data_.insert(data_.begin() + Index, item);
  if (itemIndex_ >= Index) ++itemIndex_;
  if (anchor_ >= Index) ++anchor_;
  if (style_ == lbOwnerDrawVariable) {
    int h = itemHeight_;
    MeasureItem(Index, h);
    data_[static_cast<size_t>(Index)].Height = h;
  }
  ItemsChanged();
  return Index;
}

void TCustomListBox::DeleteItem(int Index) {
  data_.erase(data_.begin() + Index);
  if (itemIndex_ == Index)
    itemIndex_ = multiSelect_ ? std::min(Index, Count() - 1) : -1;
  else if (itemIndex_ > Index)
    --itemIndex_;
  if (anchor_ == Index)
    anchor_ = -1;
  else if (anchor_ > Index)
    --anchor_;
  ItemsChanged();
}

void TCustomListBox::ItemsChanged() {
  typed_.clear();
  if (updateCount_ > 0) return;
  UpdateScrollRange();
  Invalidate();
}

void TCustomListBox::SetSorted(bool Value) {
  if (sorted_ == Value) return;
  sorted_ = Value;
  if (!Value) return;
  TItem* current = itemIndex_ >= 0 ? &data_[static_cast<size_t>(itemIndex_)] : nullptr;
  std::vector<size_t> order(data_.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [this](size_t a, size_t b) { return AnsiCompareText(data_[a].S, data_[b].S) < 0; });
  std::vector<TItem> sorted;
  int newIndex = -1;
  for (size_t k = 0; k < order.size(); ++k) {
    if (current == &data_[order[k]]) newIndex = static_cast<int>(k);
    sorted.push_back(data_[order[k]]);
  }
  data_ = std::move(sorted);
  itemIndex_ = newIndex;
  ItemsChanged();
}

int TCustomListBox::ItemIndex() const { return itemIndex_; }

void TCustomListBox::SetItemIndex(int Value) {
  // A layout may give the index before the items; it waits for them.
  if (ComponentState().Contains(csLoading) && Value >= Count()) {
    loadedIndex_ = Value;
    return;
  }
  if (Value < 0 || Value >= Count()) Value = -1;
  if (multiSelect_) {
    for (auto& d : data_) d.Selected = false;
    if (Value >= 0) data_[static_cast<size_t>(Value)].Selected = true;
    anchor_ = Value;
  }
  if (itemIndex_ == Value && !multiSelect_) return;
  itemIndex_ = Value;
  if (Value >= 0) MakeVisible(Value);
  Invalidate();
}

void TCustomListBox::SetMultiSelect(bool Value) {
  if (multiSelect_ == Value) return;
  multiSelect_ = Value;
  for (auto& d : data_) d.Selected = false;
  if (Value && itemIndex_ >= 0) data_[static_cast<size_t>(itemIndex_)].Selected = true;
  Invalidate();
}

bool TCustomListBox::Selected(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return multiSelect_ ? data_[static_cast<size_t>(Index)].Selected : Index == itemIndex_;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
  if (Index < 0 || Index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  if (multiSelect_) {
    data_[static_cast<size_t>(Index)].Selected = Value;
  } else if (Value) {
    itemIndex_ = Index;
  } else if (itemIndex_ == Index) {
    itemIndex_ = -1;
  }
  Invalidate();
}

int TCustomListBox::SelCount() const {
  if (!multiSelect_) return -1;
  return static_cast<int>(
      std::count_if(data_.begin(), data_.end(), [](const TItem& d) { return d.Selected; }));
}

void TCustomListBox::SelectAll() {
  if (!multiSelect_) return;
  for (auto& d : data_) d.Selected = true;
  Invalidate();
}

void TCustomListBox::ClearSelection() {
  if (multiSelect_) {
    for (auto& d : data_) d.Selected = false;
  } else {
    itemIndex_ = -1;
  }
  Invalidate();
}

// ---- Rows and scrolling ----

int TCustomListBox::VisibleRows() const {
  int h = ClientHeight(), n = 0;
  for (int i = topIndex_; i < Count(); ++i) {
    h -= RowHeight(i);
    if (h < 0) break;
    ++n;
  }
  if (Count() == 0 || topIndex_ >= Count()) n += std::max(0, h / std::max(ItemHeight(), 1));
  return std::max(n, 1);
}

TRect TCustomListBox::ItemRect(int Index) const {
  int y = 0;
  if (Index >= topIndex_)
    for (int i = topIndex_; i < Index; ++i) y += RowHeight(i);
  else
    for (int i = Index; i < topIndex_; ++i) y -= RowHeight(i);
  return TRect(0, y, ClientWidth(), y + RowHeight(Index));
}

int TCustomListBox::ItemAtPos(const TPoint& Pos, bool Existing) const {
  if (Pos.Y < 0) {
    if (Existing) return -1;
    int y = 0, i = topIndex_;
    while (i > 0 && y > Pos.Y) y -= RowHeight(--i);
    return i;
  }
  int y = 0;
  for (int i = topIndex_; i < Count(); ++i) {
    int h = RowHeight(i);
    if (Pos.Y < y + h) return (Existing && (Pos.X < 0 || Pos.X >= ClientWidth())) ? -1 : i;
    y += h;
  }
  return Existing ? -1 : Count();
}

void TCustomListBox::UpdateScrollRange() {
  // A bar shown or hidden here sizes the view and comes back through WMSize;
  // deciding again there, on a view too small for both bars, would flip them
  // for ever.
  if (updatingRange_) return;
  updatingRange_ = true;
  struct TDone {
    bool& Flag;
    ~TDone() { Flag = false; }
  } done{updatingRange_};
  int n = Count();
  // The view without bars; each bar that shows takes room from the other.
  const int fullW = ClientWidth() + (VertBarShown() ? ScrollBarSize() : 0);
  const int fullH = ClientHeight() + (HorzBarShown() ? ScrollBarSize() : 0);
  auto maxTopIn = [&](int Height) {
    // The first row that still shows the last one in full.
    int maxTop = n, room = Height;
    while (maxTop > 0 && room - RowHeight(maxTop - 1) >= 0) room -= RowHeight(--maxTop);
    return maxTop;
  };
  bool vert = maxTopIn(fullH) > 0;
  bool horz = scrollWidth_ > fullW - (vert ? ScrollBarSize() : 0);
  if (horz && !vert) vert = maxTopIn(fullH - ScrollBarSize()) > 0;
  SetFrameBars(horz, vert);
  const int maxTop = maxTopIn(ClientHeight());
  topIndex_ = std::clamp(topIndex_, 0, maxTop);
  SetBarInfo(SB_VERT, 0, std::max(n - 1, 0), n - maxTop, topIndex_);
  scrollLeft_ = std::clamp(scrollLeft_, 0, std::max(scrollWidth_ - ClientWidth(), 0));
  if (horz) SetBarInfo(SB_HORZ, 0, scrollWidth_ - 1, ClientWidth(), scrollLeft_);
}

void TCustomListBox::SetScrollWidth(int Value) {
  Value = std::max(Value, 0);
  if (scrollWidth_ == Value) return;
  scrollWidth_ = Value;
  UpdateScrollRange();
  Invalidate();
}

void TCustomListBox::SetScrollLeft(int Value) {
  Value = std::clamp(Value, 0, std::max(scrollWidth_ - ClientWidth(), 0));
  if (Value == scrollLeft_) return;
  scrollLeft_ = Value;
  if (HorzBarShown()) SetBarInfo(SB_HORZ, 0, scrollWidth_ - 1, ClientWidth(), scrollLeft_);
  Invalidate();
}

void TCustomListBox::SetTopIndex(int Value) {
  int n = Count();
  int maxTop = n, room = ClientHeight();
  while (maxTop > 0 && room - RowHeight(maxTop - 1) >= 0) room -= RowHeight(--maxTop);
  Value = std::clamp(Value, 0, maxTop);
  if (Value == topIndex_) return;
  topIndex_ = Value;
  SetBarInfo(SB_VERT, 0, std::max(n - 1, 0), n - maxTop, topIndex_);
  Invalidate();
}

void TCustomListBox::MakeVisible(int Index) {
  if (Index < 0 || Index >= Count()) return;
  if (Index < topIndex_) {
    SetTopIndex(Index);
    return;
  }
  // Scroll down until the row's bottom is in view.
  int top = topIndex_;
  auto bottomOf = [&](int t) {
    int y = 0;
    for (int i = t; i <= Index; ++i) y += RowHeight(i);
    return y;
  };
  while (top < Index && bottomOf(top) > ClientHeight()) ++top;
  SetTopIndex(top);
}

void TCustomListBox::WMSize(TMessage& Message) {
  TScrollBarsWindow::WMSize(Message);
  UpdateScrollRange();
}

// ---- Selection by the user ----

void TCustomListBox::SelectionChangedByUser() { Click(); }

void TCustomListBox::UserSelect(int Index, TShiftState Shift, bool ByMouse) {
  if (Count() == 0) return;
  Index = std::clamp(Index, 0, Count() - 1);
  bool changed = false;
  if (!multiSelect_) {
    changed = itemIndex_ != Index;
    itemIndex_ = Index;
  } else if (extendedSelect_ && Shift.Contains(ssShift)) {
    if (anchor_ < 0) anchor_ = itemIndex_ >= 0 ? itemIndex_ : Index;
    int a = std::min(anchor_, Index), b = std::max(anchor_, Index);
    for (int i = 0; i < Count(); ++i) {
      bool sel = (i >= a && i <= b) || (Shift.Contains(ssCtrl) && data_[static_cast<size_t>(i)].Selected);
      if (data_[static_cast<size_t>(i)].Selected != sel) changed = true;
      data_[static_cast<size_t>(i)].Selected = sel;
    }
    changed = changed || itemIndex_ != Index;
    itemIndex_ = Index;
  } else if (extendedSelect_ && Shift.Contains(ssCtrl)) {
    if (ByMouse) {
      data_[static_cast<size_t>(Index)].Selected = !data_[static_cast<size_t>(Index)].Selected;
      changed = true;
    }
    itemIndex_ = Index;
    anchor_ = Index;
  } else if (extendedSelect_) {
    for (int i = 0; i < Count(); ++i) {
      bool sel = i == Index;
      if (data_[static_cast<size_t>(i)].Selected != sel) changed = true;
      data_[static_cast<size_t>(i)].Selected = sel;
    }
    itemIndex_ = Index;
    anchor_ = Index;
  } else {
    // Simple multiple selection: a click toggles, keys only move.
    if (ByMouse) {
      data_[static_cast<size_t>(Index)].Selected = !data_[static_cast<size_t>(Index)].Selected;
      changed = true;
    }
    itemIndex_ = Index;
  }
  MakeVisible(Index);
  Invalidate();
  // A click reports itself when the button comes up.
  if (!ByMouse && changed) SelectionChangedByUser();
}

int TCustomListBox::FindTyped(char32_t Key) {
  uint32_t now = GetTickCount();
  if (now - lastTyped_ > kTypeAheadMs) typed_.clear();
  lastTyped_ = now;
  typed_ += Key;
  std::string prefix = Utf32ToUtf8(typed_);
  // A longer prefix may stay on the current item; a single key moves on.
  int start = typed_.size() > 1 ? itemIndex_ - 1 : itemIndex_;
  int found = FindListItem(items_.get(), start, prefix, false);
  if (found < 0 && typed_.size() > 1) {
    typed_ = std::u32string(1, Key);
    found = FindListItem(items_.get(), itemIndex_, Utf32ToUtf8(typed_), false);
  }
  return found;
}

void TCustomListBox::KeyDown(WORD& Key, TShiftState Shift) {
  TScrollBarsWindow::KeyDown(Key, Shift);
  if (Count() == 0) return;
  int cur = itemIndex_ < 0 ? -1 : itemIndex_;
  int page = std::max(1, VisibleRows() - 1);
  int target;
  switch (Key) {
    case VK_UP:
    case VK_LEFT:
      target = cur <= 0 ? 0 : cur - 1;
      break;
    case VK_DOWN:
    case VK_RIGHT:
      target = cur + 1;
      break;
    case VK_PRIOR:
      target = cur - page;
      break;
    case VK_NEXT:
      target = cur < 0 ? page : cur + page;
      break;
    case VK_HOME:
      target = 0;
      break;
    case VK_END:
      target = Count() - 1;
      break;
    case VK_SPACE:
      if (multiSelect_ && cur >= 0) {
        data_[static_cast<size_t>(cur)].Selected = !data_[static_cast<size_t>(cur)].Selected;
        anchor_ = cur;
        Invalidate();
        SelectionChangedByUser();
      }
      return;
    default:
      return;
  }
  // Ctrl moves the focus in an extended list without selecting.
  if (multiSelect_ && extendedSelect_ && Shift.Contains(ssCtrl) && !Shift.Contains(ssShift)) {
    itemIndex_ = std::clamp(target, 0, Count() - 1);
    MakeVisible(itemIndex_);
    Invalidate();
    return;
  }
  UserSelect(target, Shift, false);
}

void TCustomListBox::KeyPress(char32_t& Key) {
  TScrollBarsWindow::KeyPress(Key);
  if (Key < 32 || Key == 127) return;
  int found = FindTyped(Key);
  if (found >= 0) UserSelect(found, {}, false);
}

void TCustomListBox::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (!Focused() && CanFocus()) SetFocus();
      TPoint p(Message.XPos(), Message.YPos());
      if (Count() > 0) {
        // Below the last item the last one is taken.
        UserSelect(ItemAtPos(p, false), KeysToShiftState(static_cast<WORD>(Message.WParam)), true);
        mouseSelecting_ = true;
        SetCapture(Handle());
      }
      if (Message.Msg == WM_LBUTTONDBLCLK && Count() > 0) DblClick();
      return;
    }
    case WM_MOUSEMOVE:
      if (mouseSelecting_ && (!multiSelect_ || extendedSelect_)) {
        TPoint p(Message.XPos(), Message.YPos());
        TShiftState s = multiSelect_ ? TShiftState{ssShift} : TShiftState{};
        UserSelect(ItemAtPos(p, false), s, true);
      }
      return;
    case WM_LBUTTONUP:
      if (mouseSelecting_) {
        mouseSelecting_ = false;
        if (GetCapture() == Handle()) ReleaseCapture();
        // A click on an item reports itself, changed or not.
        SelectionChangedByUser();
      }
      return;
    case WM_CAPTURECHANGED:
      mouseSelecting_ = false;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      return;
    case WM_MOUSEWHEEL: {
      int delta = static_cast<int16_t>(Message.WParamHi());
      int lines = Mouse != nullptr ? Mouse->WheelScrollLines() : 3;
      if (lines < 0) lines = VisibleRows();
      SetTopIndex(topIndex_ - delta / WHEEL_DELTA * lines);
      Message.Result = 1;
      return;
    }
    default:
      break;
  }
  TScrollBarsWindow::DefaultHandler(Message);
}

void TCustomListBox::WndProc(TMessage& Message) {
  auto text = [&](LPARAM L) { return std::string(L != 0 ? reinterpret_cast<const char*>(L) : ""); };
  int idx = static_cast<int>(static_cast<intptr_t>(Message.WParam));
  switch (Message.Msg) {
    case WM_HSCROLL: {
      const int line = std::max(1, Canvas()->TextWidth("0"));
      switch (Message.WParamLo()) {
        case SB_LINELEFT:
          SetScrollLeft(scrollLeft_ - line);
          break;
        case SB_LINERIGHT:
          SetScrollLeft(scrollLeft_ + line);
          break;
        case SB_PAGELEFT:
          SetScrollLeft(scrollLeft_ - ClientWidth());
          break;
        case SB_PAGERIGHT:
          SetScrollLeft(scrollLeft_ + ClientWidth());
          break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
          SetScrollLeft(static_cast<int16_t>(Message.WParamHi()));
          break;
        case SB_LEFT:
          SetScrollLeft(0);
          break;
        case SB_RIGHT:
          SetScrollLeft(scrollWidth_);
          break;
        default:
          break;
      }
      return;
    }
    case WM_VSCROLL: {
      int code = Message.WParamLo();
      int page = std::max(1, VisibleRows() - 1);
      switch (code) {
        case SB_LINEUP:
          SetTopIndex(topIndex_ - 1);
          break;
        case SB_LINEDOWN:
          SetTopIndex(topIndex_ + 1);
          break;
        case SB_PAGEUP:
          SetTopIndex(topIndex_ - page);
          break;
        case SB_PAGEDOWN:
          SetTopIndex(topIndex_ + page);
          break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
          int pos = static_cast<int16_t>(Message.WParamHi());
          if (Count() > 32767) {
            // Beyond 16 bits the position rides in the scroll information.
            TScrollInfo si;
            si.fMask = SIF_TRACKPOS;
            GetScrollInfo(SB_VERT, si);
            pos = si.nTrackPos;
          }
          SetTopIndex(pos);
          break;
        }
        case SB_TOP:
          SetTopIndex(0);
          break;
        case SB_BOTTOM:
          SetTopIndex(Count());
          break;
        default:
          break;
      }
      return;
    }
    case CM_FONTCHANGED:
      TScrollBarsWindow::WndProc(Message);
      ItemsChanged();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // A search by typing belongs to one visit of the list.
      typed_.clear();
      break;
    case CM_ENABLEDCHANGED:
      TScrollBarsWindow::WndProc(Message);
      Invalidate();
      return;
    case LB_ADDSTRING:
      Message.Result = items_->Add(text(Message.LParam));
      return;
    case LB_INSERTSTRING:
      if (idx < 0 || idx > Count()) idx = Count();
      Message.Result = InsertItem(idx, text(Message.LParam), nullptr);
      return;
    case LB_DELETESTRING:
      if (idx < 0 || idx >= Count()) {
        Message.Result = LB_ERR;
        return;
      }
      DeleteItem(idx);
      Message.Result = Count();
      return;
    case LB_RESETCONTENT:
      items_->Clear();
      return;
    case LB_GETCOUNT:
      Message.Result = Count();
      return;
    case LB_SETCURSEL:
      SetItemIndex(idx);
      Message.Result = (idx >= 0 && idx < Count()) ? idx : LB_ERR;
      return;
    case LB_GETCURSEL:
      Message.Result = itemIndex_;
      return;
    case LB_GETCARETINDEX:
      Message.Result = itemIndex_;
      return;
    case LB_SETCARETINDEX:
      if (idx >= 0 && idx < Count()) {
        if (multiSelect_)
          itemIndex_ = idx;
        else
          SetItemIndex(idx);
        MakeVisible(idx);
        Invalidate();
      }
      return;
    case LB_GETTEXTLEN:
      Message.Result = (idx >= 0 && idx < Count())
                           ? static_cast<LRESULT>(data_[static_cast<size_t>(idx)].S.size())
                           : LB_ERR;
      return;
    case LB_GETTEXT: {
      if (idx < 0 || idx >= Count()) {
        Message.Result = LB_ERR;
        return;
      }
      const std::string& s = data_[static_cast<size_t>(idx)].S;
      if (auto* buf = reinterpret_cast<char*>(Message.LParam)) {
        std::memcpy(buf, s.c_str(), s.size() + 1);
      }
      Message.Result = static_cast<LRESULT>(s.size());
      return;
    }
    case LB_FINDSTRING:
      Message.Result = FindListItem(items_.get(), idx, text(Message.LParam), false);
      return;
    case LB_FINDSTRINGEXACT:
      Message.Result = FindListItem(items_.get(), idx, text(Message.LParam), true);
      return;
    case LB_SELECTSTRING: {
      int f = FindListItem(items_.get(), idx, text(Message.LParam), false);
      if (f >= 0) SetItemIndex(f);
      Message.Result = f;
      return;
    }
    case LB_GETTOPINDEX:
      Message.Result = topIndex_;
      return;
    case LB_SETTOPINDEX:
      SetTopIndex(idx);
      return;
    case LB_SETSEL: {
      int i = static_cast<int>(Message.LParam);
      if (!multiSelect_) {
        Message.Result = LB_ERR;
        return;
      }
      if (i == -1) {
        for (auto& d : data_) d.Selected = Message.WParam != 0;
      } else if (i >= 0 && i < Count()) {
        data_[static_cast<size_t>(i)].Selected = Message.WParam != 0;
      } else {
        Message.Result = LB_ERR;
        return;
      }
      Invalidate();
      return;
    }
    case LB_GETSEL:
      if (idx < 0 || idx >= Count()) {
        Message.Result = LB_ERR;
        return;
      }
      Message.Result = Selected(idx) ? 1 : 0;
      return;
    case LB_GETSELCOUNT:
      Message.Result = multiSelect_ ? SelCount() : LB_ERR;
      return;
    case LB_GETSELITEMS: {
      if (!multiSelect_) {
        Message.Result = LB_ERR;
        return;
      }
      auto* out = reinterpret_cast<int*>(Message.LParam);
      int n = 0;
      for (int i = 0; i < Count() && n < idx; ++i)
        if (data_[static_cast<size_t>(i)].Selected) {
          if (out != nullptr) out[n] = i;
          ++n;
        }
      Message.Result = n;
      return;
    }
    case LB_SELITEMRANGE: {
      if (!multiSelect_) {
        Message.Result = LB_ERR;
        return;
      }
      int a = Message.LParamLo(), b = Message.LParamHi();
      for (int i = std::max(0, a); i <= b && i < Count(); ++i)
        data_[static_cast<size_t>(i)].Selected = Message.WParam != 0;
      Invalidate();
      return;
    }
    case LB_GETITEMRECT:
      if (idx < 0 || idx >= Count()) {
        Message.Result = LB_ERR;
        return;
      }
      if (auto* r = reinterpret_cast<TRect*>(Message.LParam)) *r = ItemRect(idx);
      Message.Result = 1;
      return;
    case LB_GETITEMDATA:
      Message.Result = (idx >= 0 && idx < Count())
                           ? reinterpret_cast<LRESULT>(data_[static_cast<size_t>(idx)].Object)
                           : LB_ERR;
      return;
    case LB_SETITEMDATA:
      if (idx < 0 || idx >= Count()) {
        Message.Result = LB_ERR;
        return;
      }
      data_[static_cast<size_t>(idx)].Object = reinterpret_cast<TObject*>(Message.LParam);
      return;
    case LB_SETITEMHEIGHT:
      if (style_ == lbOwnerDrawVariable && idx >= 0 && idx < Count()) {
        data_[static_cast<size_t>(idx)].Height = static_cast<int>(Message.LParam);
        ItemsChanged();
      } else {
        SetItemHeight(static_cast<int>(Message.LParam));
      }
      return;
    case LB_GETITEMHEIGHT:
      Message.Result = RowHeight(idx);
      return;
    case LB_ITEMFROMPOINT: {
      TPoint p(Message.XPos(), Message.YPos());
      int i = ItemAtPos(p, false);
      bool outside = !PtInRect(ClientRect(), p) || i >= Count();
      if (Count() > 0) i = std::clamp(i, 0, Count() - 1);
      Message.Result = MakeLParam(i, outside ? 1 : 0);
      return;
    }
    default:
      break;
  }
  TScrollBarsWindow::WndProc(Message);
}

// ---- Painting ----

void TCustomListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas* c = Canvas();
  if (style_ != lbStandard && OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  c->FillRect(Rect);
  if (Index < 0 || Index >= Count()) return;
  TRect r = Rect;
  r.Left += 2;
  c->Brush()->SetStyle(bsClear);
  DrawText(c, data_[static_cast<size_t>(Index)].S, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

namespace {
// The focus frame, dotted in a colour that stands out on the row's
// background (an inverted frame hardly shows on the selection colour).
void DrawFocusFrame(TCanvas* C, const TRect& R, bool OnSelection) {
  C->Pen()->SetColor(OnSelection ? clHighlightText : clWindowText);
  C->Pen()->SetStyle(psAlternate);
  C->Pen()->SetWidth(1);
  C->Brush()->SetStyle(bsClear);
  C->Rectangle(R);
  C->Pen()->SetStyle(psSolid);
  C->Brush()->SetStyle(bsSolid);
}
}  // namespace

void TCustomListBox::Paint() {
  TCanvas* c = Canvas();
  TRect client = ClientRect();
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(client);
  // With the focus the list shows where keys act: on the current item, else
  // on the first row, even of an empty list.
  const bool focused = Focused();
  const int focusItem = itemIndex_ >= 0 ? itemIndex_ : 0;
  if (focused && Count() == 0) DrawFocusFrame(c, TRect(0, 0, client.Right, ItemHeight()), false);
  int y = 0;
  for (int i = topIndex_; i < Count() && y < client.Bottom; ++i) {
    TRect r(0, y, client.Right, y + RowHeight(i));
    y = r.Bottom;
    TOwnerDrawState state;
    bool sel = multiSelect_ ? data_[static_cast<size_t>(i)].Selected : i == itemIndex_;
    if (sel) state << odSelected;
    if (!Enabled()) state << odDisabled;
    bool focusRow = focused && i == focusItem;
    if (focusRow) state << odFocused;
    c->Font()->Assign(Font());
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    if (sel) {
      c->Brush()->SetColor(clHighlight);
      c->Font()->SetColor(clHighlightText);
    } else if (!Enabled()) {
      c->Font()->SetColor(clGrayText);
    }
    int saved = c->SaveDC();
    c->IntersectClipRect(r);
    // Scrolled to the left, the row starts before the view.
    DrawItem(i, TRect(r.Left - scrollLeft_, r.Top, r.Right, r.Bottom), state);
    c->RestoreDC(saved);
    if (focusRow && !(style_ != lbStandard && state.Contains(odNoFocusRect))) DrawFocusFrame(c, r, sel);
  }
}
