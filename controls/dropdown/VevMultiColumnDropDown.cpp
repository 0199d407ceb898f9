// The multi-column drop-down and its list grid.
#include "controls/dropdown/VevMultiColumnDropDown.h"

#include <algorithm>
#include <cmath>

#include "controls/dropdown/DropGridStyles.h"
#include "controls/dropdown/VevDropDownPopup.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevDraw.h"
#include "grid/base/VevDropDownUtil.h"

using namespace VevMultiColumnDropDown;

namespace {
bool AltHeld() { return GetKeyState(VK_MENU) < 0; }
}  // namespace

// ---------------------------------------------------------------------------
// The list grid

TVevColGrid::TVevColGrid(TComponent* AOwner)
    : TStringGrid(AOwner),
      FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<TFont>()) {
  SetFixedRows(1);
  SetFixedCols(0);
  TGridOptions o = Options();
  o >> goRangeSelect;
  o >> goDrawFocusSelected;
  o << goHorzLine << goRowSelect;
  SetOptions(o);
  SetDefaultDrawing(false);
  SetCtl3D(false);
  SetBorderStyle(bsNone);
}

TVevColGrid::~TVevColGrid() = default;

void TVevColGrid::SetColGridLineWidth(int Value) {
  FGridLineWidth = Value;
  SetGridLineWidth(0);
  Invalidate();
}

int TVevColGrid::NeededWidth() const {
  int w = 2 * BorderWidth();
  for (int i = 0; i < ColCount(); ++i) w += ColWidths(i);
  if (VisibleRowCount() + FixedRows() < RowCount()) w += GetSystemMetrics(SM_CXVSCROLL);
  return w;
}

void TVevColGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TStringGrid::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == reinterpret_cast<TComponent*>(FImages)) FImages = nullptr;
}

void TVevColGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (FDropDown != nullptr) FDropDown->DrawListCell(this, ACol, ARow, ARect, AState);
}

void TVevColGrid::KeyDown(WORD& Key, TShiftState Shift) {
  FConfirmSelection = true;
  if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
    if (FDropDown != nullptr && FDropDown->HandleAllocated())
      SendMessage(FDropDown->Handle(), WM_KEYDOWN, Key, 0);
    return;
  }
  const WORD k = Key;
  TStringGrid::KeyDown(Key, Shift);
  if (k == VK_RETURN && OnSelect) OnSelect(this);
}

void TVevColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FConfirmSelection = true;
  TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TVevColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TStringGrid::MouseUp(Button, Shift, X, Y);
  int c = -1, r = -1;
  MouseToCell(X, Y, c, r);
  if (r >= FixedRows() && r < RowCount() && OnSelect) OnSelect(this);
}

bool TVevColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  FWheelSelection = true;
  FConfirmSelection = false;
  const bool r = TStringGrid::DoMouseWheelDown(Shift, MousePos);
  FWheelSelection = false;
  return r;
}

bool TVevColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  FWheelSelection = true;
  FConfirmSelection = false;
  const bool r = TStringGrid::DoMouseWheelUp(Shift, MousePos);
  FWheelSelection = false;
  return r;
}

void TVevColGrid::WndProc(TMessage& Message) {
  if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_TAB) return;
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB;
    return;
  }
  TStringGrid::WndProc(Message);
}

// ---------------------------------------------------------------------------
// The drop-down

void LinkVevTableDropDownsPublished();

TVevMultiColumnDropDown::TVevMultiColumnDropDown(TComponent* AOwner)
    : TVevUrizazEvuvUduz(AOwner),
      FItems(std::make_unique<TDropDownItems>(this)),
      FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<TFont>()),
      FLookupItems(std::make_unique<TStringList>()) {
  LinkVevTableDropDownsPublished();
  SetDropDownColor(clWhite);
  SetDropDownHeight(200);
  SetSelectionColorStyle(scOffice2007);
}

TVevMultiColumnDropDown::~TVevMultiColumnDropDown() = default;

uint32_t TVevMultiColumnDropDown::GetVersionNr() const { return TVevUrizazEvuvUduz::GetVersionNr(); }

void TVevMultiColumnDropDown::Assign(TPersistent* Source) {
  TVevUrizazEvuvUduz::Assign(Source);
  auto* s = dynamic_cast<TVevMultiColumnDropDown*>(Source);
  if (s == nullptr) return;
  FCaseSensitive = s->FCaseSensitive;
  FDropDownAutoWidth = s->FDropDownAutoWidth;
  FDropDownRowHeight = s->FDropDownRowHeight;
  FLineColor = s->FLineColor;
  FFixedLineColor = s->FFixedLineColor;
  FColumnSizing = s->FColumnSizing;
  FColumnSizeWithDropDown = s->FColumnSizeWithDropDown;
  FColumns->Assign(s->FColumns.get());
  FHeaderColor = s->FHeaderColor;
  FHeaderColorTo = s->FHeaderColorTo;
  FHeaderHeight = s->FHeaderHeight;
  FHeaderFont->Assign(s->FHeaderFont.get());
  FLookupColumn = s->FLookupColumn;
  FSelectionTextColor = s->FSelectionTextColor;
  FItems->Assign(s->FItems.get());
  FItemIndex = s->FItemIndex;
}

void TVevMultiColumnDropDown::WriteQuiet(const std::string& Value) {
  const bool was = FInChange;
  FInChange = true;
  WriteText(Value);
  FInChange = was;
}

void TVevMultiColumnDropDown::SetItemIndex(int Value) {
  if (Value >= FItems->Count()) return;
  FItemIndex = Value;
  if (Value < 0 || FLookupColumn < 0 || !FItems->Items(Value)->HasText(FLookupColumn))
    WriteQuiet(std::string());
  else
    WriteQuiet(FItems->Items(Value)->TextAt(FLookupColumn));
}

int TVevMultiColumnDropDown::GetItemIndex(const std::string& Text) const {
  return FItems->IndexInColumn(FLookupColumn, Text);
}

void TVevMultiColumnDropDown::FillLookupItems() {
  if (FLookupColumn < 0 || FItems->Count() == 0) return;
  FLookupItems->Clear();
  for (int i = 0; i < FItems->Count(); ++i) FLookupItems->Add(FItems->Items(i)->TextAt(FLookupColumn));
}

void TVevMultiColumnDropDown::Loaded() {
  TVevUrizazEvuvUduz::Loaded();
  FillLookupItems();
}

void TVevMultiColumnDropDown::SelectFirst() {
  if (FItems->Count() > 0) SetItemIndex(0);
}
void TVevMultiColumnDropDown::SelectLast() {
  if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}
void TVevMultiColumnDropDown::SelectNext() {
  const int n = FItems->Count();
  if (n > 0) SetItemIndex(FItemIndex < 0 ? 0 : std::min(FItemIndex + 1, n - 1));
}
void TVevMultiColumnDropDown::SelectPrevious() {
  if (FItems->Count() > 0) SetItemIndex(FItemIndex < 0 ? 0 : std::max(FItemIndex - 1, 0));
}
void TVevMultiColumnDropDown::SelectNextPage() {
  const int n = FItems->Count();
  if (n > 0) SetItemIndex(FItemIndex < 0 ? 0 : std::min(FItemIndex + 10, n - 1));
}
void TVevMultiColumnDropDown::SelectPreviousPage() {
  if (FItems->Count() > 0) SetItemIndex(std::max(FItemIndex - 10, 0));
}

// ---- The pop-up ----

void TVevMultiColumnDropDown::CreateDropDownForm() {
  TVevUrizazEvuvUduz::CreateDropDownForm();
  if (FList == nullptr && DropDownForm() != nullptr) {
    FList = new TVevColGrid(this);
    FList->SetParent(DropDownForm());
  }
  if (FList == nullptr) return;
  FList->SetDropDown(this);
  FList->SetBounds(0, 0, FList->Width(), 180);
  FList->SetColor(DropDownColor());
  FList->SetDoubleBuffered(true);
}

void TVevMultiColumnDropDown::AdaptDropDownControl() {
  SetControl(FList);
  TVevUrizazEvuvUduz::AdaptDropDownControl();
}

void TVevMultiColumnDropDown::FillList() {
  TVevColGrid* g = FList;
  g->SetColumns(FColumns.get());
  g->SetColCount(std::max(1, FColumns->Count()));
  g->SetRowCount(FItems->Count() + 1);
  if (FItems->Count() > 0) {
    g->SetFixedRows(1);
    g->SetRow(1);
  }
  for (int i = 0; i < FColumns->Count(); ++i) g->SetColWidths(i, FColumns->Items(i)->Width());
  g->SetLineColor(FLineColor);
  g->SetFixedLineColor(FFixedLineColor);
  g->SetHeaderColor(FHeaderColor);
  g->SetHeaderColorTo(FHeaderColorTo);
  g->SetHeaderHeight(FHeaderHeight);
  g->SetHeaderFont(FHeaderFont.get());
  g->SetImages(Images());
  if (FDropDownRowHeight > 0) g->SetDefaultRowHeight(FDropDownRowHeight);
  if (FHeaderHeight > 0) g->SetRowHeights(0, FHeaderHeight);
  TGridOptions o = g->Options();
  if (FColumnSizing)
    o << goColSizing;
  else
    o >> goColSizing;
  g->SetOptions(o);
  // Measuring needs the pop-up's canvas.
  auto* f = dynamic_cast<TDropDownForm*>(g->Parent());
  if (f == nullptr) return;
  TCanvas* c = f->Canvas();
  bool wrap = false;
  for (int i = 0; i < FColumns->Count(); ++i) {
    TDropDownColumn* col = FColumns->Items(i);
    wrap = wrap || col->Wordwrap();
    if (!col->AutoSize()) continue;
    c->Font()->Assign(col->Font());
    int width = 0;
    for (int j = 0; j < FItems->Count(); ++j) {
      TDropDownItem* it = FItems->Items(j);
      int m = 0;
      const std::string s = it->TextAt(i);
      if (!s.empty()) {
        TRect rc(0, 0, 1000, 500);
        DrawText(c, s, rc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        m = rc.Right - rc.Left + 6;
      }
      if (col->ColumnType() == ctImage && it->ImageIndex() >= 0 && Images() != nullptr)
        m += Images()->Width() + 4;
      width = std::max(width, m);
    }
    col->SetWidth(width);
    g->Columns()->Items(i)->SetWidth(width);
    g->SetColWidths(i, width);
  }
  if (!wrap) return;
  for (int j = 0; j < FItems->Count(); ++j) {
    TDropDownItem* it = FItems->Items(j);
    int h = 24;
    for (int i = 0; i < FColumns->Count(); ++i) {
      TDropDownColumn* col = FColumns->Items(i);
      if (!col->Wordwrap()) continue;
      const std::string s = it->TextAt(i);
      if (!s.empty()) {
        c->Font()->Assign(col->Font());
        TRect rc(0, 0, g->ColWidths(i), 500);
        DrawText(c, s, rc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        h = std::max(h, rc.Bottom - rc.Top + 6);
      }
      if (col->ColumnType() == ctImage && it->ImageIndex() >= 0 && Images() != nullptr)
        h = std::max(h, Images()->Height() + 6);
    }
    g->SetRowHeights(j + 1, h);
  }
}

void TVevMultiColumnDropDown::BeforeDropDown() {
  TVevUrizazEvuvUduz::BeforeDropDown();
  if (DropDownForm() != nullptr) DropDownForm()->SetCancelOnDeActivate(false);
  FShowing = true;
  if (FList != nullptr) {
    FillList();
    FList->SetOptions(FList->Options() << goThumbTracking);
    FList->SetColor(DropDownColor());
    FList->OnSelectCell = [this](TObject*, int, int ARow, bool&) {
      if (!FShowing && FList != nullptr && !FList->WheelSelection()) SetItemIndex(ARow - 1);
    };
    FList->OnSelect = [this](TObject* s) { ListSelect(s); };
    FList->OnKeyDown = [this](TObject*, WORD& Key, TShiftState) {
      if (Key == VK_RETURN) HideDropDownEx(false);
      if (Key == VK_ESCAPE) HideDropDownEx(true);
    };
    if (FList->RowCount() > 1) FList->SetRow(std::max(1, FItemIndex + 1));
  }
  FOldItemIndex = FItemIndex;
}

void TVevMultiColumnDropDown::DoShowDropDown() {
  TVevUrizazEvuvUduz::DoShowDropDown();
  SizeColumns();
  if (FList != nullptr && FList->RowCount() > 1) {
    const int r = std::max(1, FItemIndex + 1);
    FList->SetRow(r);
    if (r >= FList->TopRow() + FList->VisibleRowCount())
      FList->SetTopRow(std::max(1, r - FList->VisibleRowCount() + 1));
  }
  FShowing = false;
  if (DroppedDown() && FList != nullptr && FList->CanFocus()) FList->SetFocus();
}

void TVevMultiColumnDropDown::AfterDropDown(int& Height) {
  TVevUrizazEvuvUduz::AfterDropDown(Height);
  // Without a row height there are no whole rows to fit.
  if (FDropDownRowHeight <= 0) return;
  int strips = 0;
  if (DropDownHeader()->Visible()) strips += DropDownHeader()->Height();
  if (DropDownFooter()->Visible()) strips += DropDownFooter()->Height();
  const int b = std::max(0, Height - strips - FHeaderHeight - 2);
  Height = strips + FHeaderHeight + (b / FDropDownRowHeight) * FDropDownRowHeight + 2;
}

void TVevMultiColumnDropDown::UpdateDropDownSize() {
  TVevUrizazEvuvUduz::UpdateDropDownSize();
  if (!FDropDownAutoWidth || DropDownForm() == nullptr || FList == nullptr) return;
  FList->SetAlign(alNone);
  FList->SetWidth(FList->NeededWidth());
  TDropDownForm* f = DropDownForm();
  f->SetBounds(f->Left(), f->Top(), FList->Width() + 2 * DropDownBorderWidth(), f->Height());
  FList->SetAlign(alClient);
}

void TVevMultiColumnDropDown::SizeColumns() {
  if (!FColumnSizeWithDropDown || FList == nullptr || FColumns->Count() == 0 || DropDownForm() == nullptr)
    return;
  FList->SetScrollBars(ssVertical);
  double avail = DropDownForm()->Width();
  if (FList->VisibleRowCount() + FList->FixedRows() < FList->RowCount())
    avail -= GetSystemMetrics(SM_CXVSCROLL);
  SpreadColumnWidths(FList, FColumns.get(), avail);
}

void TVevMultiColumnDropDown::DropDownSizing(TObject* Sender) {
  TVevUrizazEvuvUduz::DropDownSizing(Sender);
  SizeColumns();
}

void TVevMultiColumnDropDown::HideDropDownEx(bool Cancel) {
  if (DropDownForm() == nullptr || !DropDownForm()->Visible()) {
    TVevUrizazEvuvUduz::HideDropDownEx(Cancel);
    return;
  }
  TVevUrizazEvuvUduz::HideDropDownEx(Cancel);
  if (Cancel)
    SetItemIndex(FOldItemIndex);
  else if (FList != nullptr && FList->ConfirmSelection())
    SetItemIndex(FList->Row() - 1);
  FOldItemIndex = FItemIndex;
  if (FList != nullptr) FList->SetConfirmSelection(false);
}

void TVevMultiColumnDropDown::ListSelect(TObject*) {
  if (FList != nullptr && FList->ConfirmSelection()) SetItemIndex(FList->Row() - 1);
  HideDropDownEx(false);
  if (OnSelect) OnSelect(this);
}

void TVevMultiColumnDropDown::DoWheelDown() {
  TVevUrizazEvuvUduz::DoWheelDown();
  // Over the open pop-up the wheel moves the grid's row, not the choice.
  if (!DroppedDown()) SelectNext();
}

void TVevMultiColumnDropDown::DoWheelUp() {
  TVevUrizazEvuvUduz::DoWheelUp();
  if (!DroppedDown()) SelectPrevious();
}

// ---- Painting the list ----

void TVevMultiColumnDropDown::DrawListCell(TVevColGrid* Grid, int ACol, int ARow, const TRect& ARect,
                                           TGridDrawState AState) {
  TCanvas* C = Grid->Canvas();
  if (OnDropDownDrawItem) {
    OnDropDownDrawItem(this, ACol, ARow, C, ARect);
    return;
  }
  TRect R(ARect.Left, ARect.Top, ARect.Left + Grid->ColWidths(ACol), ARect.Top + Grid->RowHeights(ARow));
  const bool header = ARow < Grid->FixedRows();
  TDropDownColumn* col = ACol < FColumns->Count() ? FColumns->Items(ACol) : nullptr;
  TDropDownItem* item = !header && ARow - 1 < FItems->Count() ? FItems->Items(ARow - 1) : nullptr;
  TColor color = Grid->Color();
  TAlignment align = taLeftJustify;
  bool wrap = false, ellipsis = false;
  std::string text = Grid->Cells(ACol, ARow);
  C->Font()->Assign(FHeaderFont.get());
  if (!header && col != nullptr) {
    color = col->Color();
    align = col->Alignment();
    wrap = col->Wordwrap();
    ellipsis = col->Ellipsis();
    C->Font()->Assign(col->Font());
    if (item != nullptr && item->HasText(ACol)) text = item->TextAt(ACol);
  }
  if (header && col != nullptr) text = col->Header();
  if (OnDropDownGetItemText) OnDropDownGetItemText(this, ACol, ARow, text);
  const bool selected = !header && AState.Contains(gdSelected);
  if (header) {
    if (FHeaderColor == clNone || FHeaderColorTo == clNone) {
      C->Brush()->SetColor(FHeaderColor == clNone ? FHeaderColorTo : FHeaderColor);
      C->FillRect(R);
    } else {
      DrawGradientRect(C, FHeaderColor, FHeaderColorTo, 80, R, gdHorizontal);
    }
  } else if (selected) {
    const int n = Grid->ColCount();
    const int side = n == 1 ? seBoth : ACol == 0 ? seLeftEnd : ACol == n - 1 ? seRightEnd : seMiddle;
    DrawSelection(C, R, color, side);
  } else {
    C->Brush()->SetColor(color);
    C->FillRect(R);
  }
  // Lines.
  const int w = header ? 1 : Grid->ColGridLineWidth();
  const int c = header ? 1 : (w + 1) / 2;
  const TGridOptions o = Grid->Options();
  C->Pen()->SetColor(header ? FFixedLineColor : FLineColor);
  C->Pen()->SetWidth(std::max(1, w));
  if (o.Contains(header ? goFixedHorzLine : goHorzLine)) {
    C->MoveTo(R.Left - c + 1, R.Bottom - c);
    C->LineTo(R.Right - c + 1, R.Bottom - c);
  }
  if (o.Contains(header ? goFixedVertLine : goVertLine)) {
    C->MoveTo(R.Right - c, R.Bottom - c);
    C->LineTo(R.Right - c, R.Top - c);
  }
  // Text, after an image.
  TRect T(R.Left + w + 2, R.Top + w, R.Right - w, R.Bottom - w);
  if (!header && item != nullptr && col != nullptr && col->ColumnType() == ctImage &&
      item->ImageIndex() >= 0 && Images() != nullptr) {
    const int ih = Images()->Height();
    const int y = ih < T.Bottom - T.Top ? T.Top + (T.Bottom - T.Top - ih) / 2 : T.Top;
    Images()->Draw(C, T.Left, y, item->ImageIndex(), true);
    T.Left += Images()->Width() + 4;
  }
  if (selected) C->Font()->SetColor(FSelectionTextColor);
  C->Brush()->SetStyle(bsClear);
  unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER;
  flags |= wrap ? (DT_WORDBREAK | DT_EDITCONTROL) : DT_SINGLELINE;
  if (align == taRightJustify) flags |= DT_RIGHT;
  if (align == taCenter) flags |= DT_CENTER;
  if (ellipsis) flags |= DT_END_ELLIPSIS;
  DrawText(C, text, T, flags);
  C->Brush()->SetStyle(bsSolid);
}

// ---- Looks ----

void TVevMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Style) {
  if (Style == scOffice2007) {
    FLineColor = 0xF1EDEB;
    FFixedLineColor = 0xD1BBA4;
    SetSelectionColor(0x5EC1F1);
  } else if (Style == scWindowsVista || Style == scWindows7) {
    SetSelectionColor(0xEACAB6);
    FLineColor = 0xECECF0;
    FFixedLineColor = 0xD4D2D1;
  }
  // The base's step comes last, so its selection colours win.
  TVevUrizazEvuvUduz::SetSelectionColorStyle(Style);
}

void TVevMultiColumnDropDown::SetComponentStyle(TVyxStyle AStyle) {
  TVevUrizazEvuvUduz::SetComponentStyle(AStyle);
  if (const TDropGridStyleColors* c = DropGridStyleColors(AStyle, true)) {
    const TDropGridStyleColors& r = *c;
    FHeaderColor = r.header;
    FHeaderColorTo = r.headerTo;
    if (r.font != clNone) FHeaderFont->SetColor(r.font);
    SetSelectionColorStyle(r.sel);
    FLineColor = FFixedLineColor = r.line;
    FSelectionTextColor = 0;
    if (r.sel == scCustom) {
      SetSelectionColor(0x6CD0FF);
      SetSelectionColorTo(0x6CD0FF);
    }
    return;
  }
  if (AStyle == tsWindowsXP || AStyle == tsTerminal) {
    FHeaderColor = FHeaderColorTo = clBtnFace;
    FHeaderFont->SetColor(0);
    SetSelectionColorStyle(scCustom);
    SetSelectionColor(clHighlight);
    SetSelectionColorTo(clHighlight);
    FSelectionTextColor = clHighlightText;
    FFixedLineColor = AStyle == tsWindowsXP ? 0 : 0x808080;
    FLineColor = AStyle == tsWindowsXP ? 0xC0C0C0 : 0x808080;
  }
}

// ---- Keys and completion ----

int TVevMultiColumnDropDown::LookupPos(const std::string& Text) const {
  const std::string t = AnsiUpperCase(Text);
  for (int i = 0; i < FLookupItems->Count(); ++i)
    if (AnsiUpperCase(FLookupItems->Strings(i)) == t) return i;
  return -1;
}

void TVevMultiColumnDropDown::Change() {
  FPending = false;
  TVevUrizazEvuvUduz::Change();
  if (ComponentState().Contains(csDesigning) || !FAutoComplete || FInChange) return;
  const std::string text = Text();
  // The reference is the empty text: any text counts as a change.
  SetIsModified(!text.empty());
  const int p = Utf8Length(Prefix());
  const std::string typed = Utf8Copy(text, 0, SelStart() - p);
  if (typed.empty()) return;
  const std::string key = FMatchCase ? typed : AnsiUpperCase(typed);
  const int kn = Utf8Length(key);
  if (const int hit = FirstCompletion(FLookupItems.get(), key, FMatchCase); hit >= 0) {
    const std::string completed = Utf8Copy(text, 0, kn) + Utf8Copy(FLookupItems->Strings(hit), kn, 255);
    WriteQuiet(completed);
    FItemIndex = hit;
    FPendingItem = hit;
    FPendingStart = kn;
    FPending = true;
    Perform(EM_SETSEL, p + Utf8Length(completed), p + kn);
    return;
  }
  if (typed != text) {
    WriteQuiet(typed);
    Perform(EM_SETSEL, p + Utf8Length(typed), p + Utf8Length(typed));
  }
}

void TVevMultiColumnDropDown::KeyDown(WORD& Key, TShiftState Shift) {
  if (FLookupColumn < 0 || FItems->Count() == 0) {
    TVevUrizazEvuvUduz::KeyDown(Key, Shift);
    return;
  }
  const WORD k = Key;
  if (k == VK_BACK || k == VK_ESCAPE || k == VK_DELETE) {
    FAutoComplete = false;
  } else {
    FAutoComplete = true;
    if (k == VK_RETURN) {
      const int i = LookupPos(Text());
      if (i >= 0) {
        WriteQuiet(FLookupItems->Strings(i));
        SetItemIndex(i);
        Change();
      }
      if (FReturnIsTab) {
        if (HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
        Key = 0;
      }
    }
  }
  TVevUrizazEvuvUduz::KeyDown(Key, Shift);
  if (k == VK_ESCAPE) SetItemIndex(LookupPos(Text()));
}

void TVevMultiColumnDropDown::KeyPress(char32_t& Key) {
  if (Key == 13 && FReturnIsTab) {
    Key = 0;
    return;
  }
  TVevUrizazEvuvUduz::KeyPress(Key);
}

void TVevMultiColumnDropDown::KeyUp(WORD& Key, TShiftState Shift) {
  if (!(Key == VK_RETURN && FReturnIsTab)) TVevUrizazEvuvUduz::KeyUp(Key, Shift);
  if (FPending) {
    SetItemIndex(FPendingItem);
    const int p = Utf8Length(Prefix());
    Perform(EM_SETSEL, p + FPendingStart, p + Utf8Length(Text()));
    FPending = false;
  }
}

void TVevMultiColumnDropDown::WndProc(TMessage& Message) {
  if (Message.Msg != WM_KEYDOWN) {
    TVevUrizazEvuvUduz::WndProc(Message);
    return;
  }
  const WORD key = static_cast<WORD>(Message.WParam);
  TVevUrizazEvuvUduz::WndProc(Message);
  if (!Enabled() || AltHeld()) return;
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
      if (!EditorEnabled()) SelectLast();
      break;
    case VK_HOME:
      if (!EditorEnabled()) SelectFirst();
      break;
    default:
      break;
  }
  // An open list shows the item the keys chose.
  if (DroppedDown() && FList != nullptr && FItemIndex >= 0 && FItemIndex + 1 < FList->RowCount())
    FList->SetRow(FItemIndex + 1);
}

int TVevMultiColumnDropDown::LookupKey(char32_t Key) {
  const int p = Utf8Length(Prefix());
  if (Key == 8) {
    if (SelLength() == 0) {
      std::u32string e = Utf8ToUtf32(FLookupEntry);
      if (!e.empty()) e.pop_back();
      FLookupEntry = Utf32ToUtf8(e);
      WriteQuiet(FLookupEntry);
    } else {
      std::u32string t = Utf8ToUtf32(Text());
      const int s = std::clamp(SelStart() - p, 0, static_cast<int>(t.size()));
      t.erase(static_cast<size_t>(s),
              static_cast<size_t>(std::min<int>(SelLength(), static_cast<int>(t.size()) - s)));
      WriteQuiet(Utf32ToUtf8(t));
    }
    Perform(EM_SETSEL, p + Utf8Length(Text()), p + Utf8Length(Text()));
    return -1;
  }
  if (Key != 9) FLookupEntry += Utf32ToUtf8(std::u32string(1, Key));
  auto search = [&](const std::string& E) {
    const std::string k = FCaseSensitive ? E : AnsiUpperCase(E);
    for (int i = 0; i < FItems->Count(); ++i) {
      const std::string t = FItems->Items(i)->TextAt(FLookupColumn);
      if ((FCaseSensitive ? t : AnsiUpperCase(t)).starts_with(k)) return i;
    }
    return -1;
  };
  auto hit = [&](int i) {
    FItemIndex = i;
    const std::string t = FItems->Items(i)->TextAt(FLookupColumn);
    WriteQuiet(t);
    Perform(EM_SETSEL, p + Utf8Length(FLookupEntry), p + Utf8Length(t));
    return i;
  };
  int i = search(FLookupEntry);
  if (i >= 0) return hit(i);
  const std::string one = Utf32ToUtf8(std::u32string(1, Key));
  i = Key != 9 ? search(one) : -1;
  if (i >= 0) {
    FLookupEntry = one;
    return hit(i);
  }
  FLookupEntry.clear();
  return -1;
}

void TVevMultiColumnDropDown::ControlKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (!Shift.Contains(ssAlt) && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN)) return;
  TVevUrizazEvuvUduz::ControlKeyDown(Sender, Key, Shift);
}

void TVevMultiColumnDropDown::ControlKeyUp(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (!Shift.Contains(ssAlt) && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN)) return;
  TVevUrizazEvuvUduz::ControlKeyUp(Sender, Key, Shift);
}

void TVevMultiColumnDropDown::ControlKeyPress(TObject*, char32_t& Key) {
  if (((Key == 13 || Key == 27) && !AltHeld()) || FList == nullptr || FList->EditorMode()) {
    FLookupEntry.clear();
    return;
  }
  const int i = LookupKey(Key);
  if (i < 0) {
    FLookupEntry.clear();
  } else if (i + 1 < FList->RowCount()) {
    if (i + 1 >= FList->TopRow() + FList->VisibleRowCount() || i + 1 < FList->TopRow())
      FList->SetTopRow(i + 1);
    FList->SetCol(0);
    FList->SetRow(i + 1);
  }
  Key = 0;
}
