// The grid drop-down and its pop-up grid: data, filling and measuring the
// grid, the pop-up's size, choosing a row and the looks.
#include "controls/dropdown/VevCustomGridDropDown.h"

#include <algorithm>
#include <cmath>

#include "controls/dropdown/DropGridStyles.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/StrUtils.h"

using namespace VevCustomGridDropDown;

namespace {
TObject* IndexObject(int Index) { return reinterpret_cast<TObject*>(static_cast<intptr_t>(Index)); }
int ObjectIndex(TObject* Object) { return static_cast<int>(reinterpret_cast<intptr_t>(Object)); }
}  // namespace

// ---------------------------------------------------------------------------
// The pop-up grid

TVevColGrid::TVevColGrid(TComponent* AOwner)
    : TDedAdararAdoz(AOwner),
      FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<TFont>()) {
  SetFixedRowAlways(true);
  SetFixedRows(1);
  SetFixedCols(0);
  TGridOptions o = Options();
  o << goHorzLine << goRowSelect;
  o >> goRangeSelect;
  SetOptions(o);
  SetParentCtl3D(false);
  SetCtl3D(false);
  SetBorderStyle(bsNone);
}

TVevColGrid::~TVevColGrid() = default;

void TVevColGrid::SetColGridLineWidth(int Value) {
  FGridLineWidth = Value;
  // The grid draws no cell lines of its own.
  SetGridLineWidth(0);
  Invalidate();
}

void TVevColGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TDedAdararAdoz::Notification(AComponent, Operation);
  if (!ComponentState().Contains(csDestroying) && Operation == opRemove &&
      AComponent == reinterpret_cast<TComponent*>(FImages))
    FImages = nullptr;
}

int TVevColGrid::PreferredWidth() {
  int w = 0;
  for (int i = 0; i < ColCount(); ++i) w += ColWidths(i);
  w += 2 * BorderWidth();
  if (VisibleRowCount() + FixedRows() != RowCount()) w += GetSystemMetrics(SM_CXVSCROLL);
  return w;
}

TCanvas* TVevColGrid::MeasureCanvas() const {
  auto* f = dynamic_cast<TDropDownForm*>(Parent());
  return f != nullptr ? f->Canvas() : nullptr;
}

TDropDownItem* TVevColGrid::ItemOfDataRow(int Row) const {
  if (FVevDropDown == nullptr) return nullptr;
  const int i = Row - 1;
  return i >= 0 && i < FVevDropDown->Items()->Count() ? FVevDropDown->Items()->Items(i) : nullptr;
}

void TVevColGrid::FillFromItems() {
  if (FVevDropDown == nullptr) return;
  TDropDownColumns* cols = FVevDropDown->Columns();
  TDropDownItems* items = FVevDropDown->Items();
  const int n = cols->Count();
  if (ColCount() != n && n > 0) SetColCount(n);
  for (int i = 0; i < n; ++i) {
    SetCells(i, 0, cols->Items(i)->Header());
    SetObjects(i, 0, IndexObject(-1));
  }
  if (items->Count() > 0) SetRowCount(FixedRows() + items->Count());
  for (int j = 0; j < items->Count(); ++j) {
    TDropDownItem* it = items->Items(j);
    for (int i = 0; i < n; ++i) SetCells(i, j + 1, it->TextAt(i));
    SetObjects(0, j + 1, IndexObject(j));
  }
}

void TVevColGrid::SyncFromDropDown(TCustomDivUzevDropDown* DropDown) {
  if (DropDown == nullptr) return;
  SetDropDown(DropDown);
  FColumns->Assign(DropDown->Columns());
  const int n = DropDown->Columns()->Count();
  if (ColCount() < n) SetColCount(n);
  if (DropDown->UseItems()) SetRowCount(DropDown->Items()->Count() + 1);
  for (int i = 0; i < n && i < ColCount(); ++i) SetColWidths(i, DropDown->Columns()->Items(i)->Width());
  FLineColor = DropDown->LineColor();
  FFixedLineColor = DropDown->FixedLineColor();
  FHeaderColor = DropDown->HeaderColor();
  FHeaderColorTo = DropDown->HeaderColorTo();
  FHeaderHeight = DropDown->HeaderHeight();
  FHeaderFont->Assign(DropDown->HeaderFont());
  SetHoverRow(DropDown->HoverRow());
  SetHoverRowColor(DropDown->HoverRowColor());
  SetHoverRowColorTo(DropDown->HoverRowColorTo());
  FImages = DropDown->Images();
  // A row height of 0 or less keeps the grid's own.
  if (DropDown->DropDownRowHeight() > 0) SetDefaultRowHeight(DropDown->DropDownRowHeight());
  if (RowCount() > 0 && DropDown->HeaderHeight() > 0) SetRowHeights(0, DropDown->HeaderHeight());
  TGridOptions o = Options();
  auto follow = [&o](TGridOption Option, bool On) {
    if (On)
      o << Option;
    else
      o >> Option;
  };
  follow(goColSizing, DropDown->ColumnSizing());
  follow(goColMoving, DropDown->ColumnMoving());
  follow(goRowSizing, DropDown->RowSizing());
  follow(goRowMoving, DropDown->RowMoving());
  SetOptions(o);
  if (DropDown->AutoSizeColumns()) {
    if (DropDown->UseItems())
      AutoSizeColumnsByItems();
    else
      TDedAdararAdoz::AutoSizeColumns(true, 4);
  }
  AutoSizeRows();
}

void TVevColGrid::AutoSizeColumn(int Index) {
  if (Index < 0 || Index >= FColumns->Count() || !FColumns->Items(Index)->AutoSize()) return;
  TCanvas* c = MeasureCanvas();
  if (c == nullptr) return;
  TDropDownColumn* col = FColumns->Items(Index);
  c->Font()->Assign(col->Font());
  int width = 0;
  for (int r = 1; r < RowCount(); ++r) {
    TDropDownItem* it = ItemOfDataRow(r);
    const std::string s = it != nullptr ? it->TextAt(Index) : std::string();
    int m = 0;
    if (col->ColumnType() == ctImage && it != nullptr && it->HasText(Index) && it->ImageIndex() >= 0 &&
        FImages != nullptr)
      m = FImages->Width() + 4;
    if (!s.empty()) {
      TRect rc(0, 0, 1000, 500);
      DrawText(c, s, rc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
      m += rc.Right - rc.Left + 6;
    }
    width = std::max(width, m);
  }
  col->SetWidth(width);
  if (FVevDropDown != nullptr && Index < FVevDropDown->Columns()->Count())
    FVevDropDown->Columns()->Items(Index)->SetWidth(width);
  if (Index < ColCount()) SetColWidths(Index, width);
}

void TVevColGrid::AutoSizeColumnsByItems() {
  for (int i = 0; i < FColumns->Count(); ++i)
    if (FColumns->Items(i)->AutoSize()) AutoSizeColumn(i);
}

void TVevColGrid::AutoSizeRows() {
  bool any = false;
  for (int i = 0; i < FColumns->Count(); ++i) any = any || FColumns->Items(i)->Wordwrap();
  if (!any) return;
  TCanvas* c = MeasureCanvas();
  if (c == nullptr) return;
  for (int r = FixedRows(); r < RowCount(); ++r) {
    TDropDownItem* it = ItemOfDataRow(r);
    int height = 24;
    for (int col = 0; col < ColCount() && col < FColumns->Count(); ++col) {
      TDropDownColumn* dc = FColumns->Items(col);
      if (!dc->Wordwrap()) continue;
      const std::string s = it != nullptr ? it->TextAt(col) : std::string();
      int m = 0;
      if (dc->ColumnType() == ctImage && it != nullptr && it->HasText(col) && it->ImageIndex() >= 0 &&
          FImages != nullptr)
        m = FImages->Height() + 6;
      if (!s.empty()) {
        c->Font()->Assign(dc->Font());
        TRect rc(0, 0, ColWidths(col), 500);
        DrawText(c, s, rc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        m = std::max(m, rc.Bottom - rc.Top + 6);
      }
      height = std::max(height, m);
    }
    SetRowHeights(r, height);
  }
}

void TVevColGrid::DoSelect() {
  if (OnSelect) OnSelect(this);
}

void TVevColGrid::KeyDown(WORD& Key, TShiftState Shift) {
  FConfirmSelection = true;
  if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
    if (FVevDropDown != nullptr && FVevDropDown->HandleAllocated())
      SendMessage(FVevDropDown->Handle(), WM_KEYDOWN, Key, 0);
    return;
  }
  if (Key == VK_RETURN) {
    Key = 0;
    DoSelect();
    return;
  }
  TDedAdararAdoz::KeyDown(Key, Shift);
}

void TVevColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FConfirmSelection = true;
  TDedAdararAdoz::MouseDown(Button, Shift, X, Y);
}

void TVevColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TDedAdararAdoz::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  int c = -1, r = -1;
  MouseToCell(X, Y, c, r);
  if (c < 0 || r < 0) return;
  if (!HasCheckBox(c, r) && r >= FixedRows() && r < RowCount()) DoSelect();
}

bool TVevColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  FMouseWheelSelection = true;
  FConfirmSelection = false;
  const bool r = TDedAdararAdoz::DoMouseWheelDown(Shift, MousePos);
  FMouseWheelSelection = false;
  return r;
}

bool TVevColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  FMouseWheelSelection = true;
  FConfirmSelection = false;
  const bool r = TDedAdararAdoz::DoMouseWheelUp(Shift, MousePos);
  FMouseWheelSelection = false;
  return r;
}

void TVevColGrid::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN: {
      // Tab does not move between the cells of the pop-up.
      if (Message.WParam == VK_TAB) return;
      // The grid's key handling fires its key events itself: Return and
      // Alt+Up/Down are taken before it sees them.
      FConfirmSelection = true;
      const bool alt = GetKeyState(VK_MENU) < 0;
      if (alt && (Message.WParam == VK_UP || Message.WParam == VK_DOWN)) {
        if (FVevDropDown != nullptr && FVevDropDown->HandleAllocated())
          SendMessage(FVevDropDown->Handle(), WM_KEYDOWN, Message.WParam, 0);
        return;
      }
      if (Message.WParam == VK_RETURN) {
        DoSelect();
        return;
      }
      break;
    }
    case WM_CHAR:
      if (Message.WParam == 13) {
        Message.Result = 1;
        return;
      }
      break;
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB;
      return;
    case WM_MOUSEWHEEL: {
      // The grid takes its wheel steps here, not through the framework's.
      FMouseWheelSelection = true;
      FConfirmSelection = false;
      struct TEnd {
        bool& f;
        ~TEnd() { f = false; }
      } end{FMouseWheelSelection};
      TDedAdararAdoz::WndProc(Message);
      return;
    }
    default:
      break;
  }
  TDedAdararAdoz::WndProc(Message);
}

// ---------------------------------------------------------------------------
// The drop-down

void LinkVevTableDropDownsPublished();

TCustomDivUzevDropDown::TCustomDivUzevDropDown(TComponent* AOwner)
    : TVevUrizazEvuvUduz(AOwner),
      FHeaderFont(std::make_unique<TFont>()),
      FLookupItems(std::make_unique<TStringList>()),
      FSearchFooter(std::make_unique<TSearchFooter>(this, false)),
      FBands(std::make_unique<TBands>()),
      FNavigation(std::make_unique<TNavigation>()),
      FMouseActions(std::make_unique<TMouseActions>(this)) {
  LinkVevTableDropDownsPublished();
  FDesignTime = ComponentState().Contains(csDesigning) && !ComponentState().Contains(csReading) &&
                !ComponentState().Contains(csLoading);
  FItems.reset(CreateItems(this));
  FColumns = std::make_unique<TDropDownColumns>(this);
  FNavigation->SetHomeEndKey(heFirstLastRow);
  // The header font existed when the base's look preset ran; the other
  // colours of the preset are this kind's own defaults below.
  if (const TDropGridStyleColors* c = DropGridStyleColors(GetComponentStyle(), false))
    if (c->font != clNone) FHeaderFont->SetColor(c->font);
  SetDropDownColor(clWhite);
  SetDropDownHeight(200);
  SetAutoSelect(true);
  SetSelectionColorStyle(scOffice2007);
  if (FDesignTime) {
    FColumns->Clear();
    for (int i = 0; i < 3; ++i) FColumns->Add();
  }
}

TCustomDivUzevDropDown::~TCustomDivUzevDropDown() = default;

TCustomDivUzevDropDown::TDropDownItems* TCustomDivUzevDropDown::CreateItems(TPersistent* AOwner) {
  return new TDropDownItems(AOwner);
}

uint32_t TCustomDivUzevDropDown::GetVersionNr() const { return 0x06000101; }

TCustomDivUzevDropDown::TVevColGrid* TCustomDivUzevDropDown::GetGrid() const {
  return ComponentState().Contains(csDesigning) ? nullptr : FVevColGrid;
}

void TCustomDivUzevDropDown::SetStyle(TDropDownStyle Value) {
  FStyle = Value;
  SetEditorEnabled(Value == dsDropDown);
}

void TCustomDivUzevDropDown::SetGridImages(TImageList* Value) {
  FGridImages = Value;
  if (FVevColGrid != nullptr) FVevColGrid->SetGridImages(Value);
}

void TCustomDivUzevDropDown::CreateDropDownForm() {
  TVevUrizazEvuvUduz::CreateDropDownForm();
  if (FVevColGrid == nullptr && DropDownForm() != nullptr) {
    FVevColGrid = new TVevColGrid(this);
    FVevColGrid->SetParent(DropDownForm());
  }
  if (FVevColGrid == nullptr) return;
  FVevColGrid->SetDropDown(this);
  FVevColGrid->SetLeft(0);
  FVevColGrid->SetTop(0);
  FVevColGrid->SetHeight(180);
  FVevColGrid->SetColor(DropDownColor());
  FVevColGrid->SetDoubleBuffered(true);
  FVevColGrid->Navigation()->SetHomeEndKey(heFirstLastRow);
}

void TCustomDivUzevDropDown::AdaptDropDownControl() {
  SetControl(FVevColGrid);
  TVevUrizazEvuvUduz::AdaptDropDownControl();
}

void TCustomDivUzevDropDown::Loaded() {
  TVevUrizazEvuvUduz::Loaded();
  FillLookupItems();
  if (FVevColGrid != nullptr) FVevColGrid->FillFromItems();
}

void TCustomDivUzevDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TVevUrizazEvuvUduz::Notification(AComponent, Operation);
  if (Operation == opRemove && FGridImages != nullptr &&
      AComponent == reinterpret_cast<TComponent*>(FGridImages)) {
    FGridImages = nullptr;
    if (FVevColGrid != nullptr) FVevColGrid->SetGridImages(nullptr);
  }
  if (Operation == opRemove && AComponent == FVevColGrid) FVevColGrid = nullptr;
}

void TCustomDivUzevDropDown::DoEnter() {
  TVevUrizazEvuvUduz::DoEnter();
  ShowAllItems();
  if (TVevColGrid* g = FVevColGrid; g != nullptr) {
    // A grid source's index counts the rows shown: it follows its row when
    // the filters go.
    const int fixed = g->FixedRows();
    const int real = !FUseItems && FItemIndex >= 0 ? g->RealRowIndex(FItemIndex + fixed) : -1;
    g->RemoveAllFilters();
    if (real >= 0) FItemIndex = g->DisplRowIndex(real) - fixed;
  }
  FNarrowed.clear();
  FLookupEntry.clear();
}

// ---- Items and rows ----

int TCustomDivUzevDropDown::ItemCount() const {
  if (FUseItems) return FItems->Count();
  return FVevColGrid != nullptr ? FVevColGrid->RowCount() - FVevColGrid->FixedRows() : 0;
}

void TCustomDivUzevDropDown::SetItemIndex(int Value) {
  if (FUseItems) {
    if (Value >= FItems->Count()) return;
    FItemIndex = Value;
    // A chosen item's text is no typing: it completes nothing.
    WriteQuiet(Value >= 0 && FLookupColumn >= 0 ? FItems->Items(Value)->TextAt(FLookupColumn)
                                                : std::string());
  } else if (FVevColGrid == nullptr) {
    FItemIndex = Value;
    return;
  } else {
    if (Value == FItemIndex || Value + 1 >= FVevColGrid->RowCount()) return;
    FItemIndex = Value;
    WriteQuiet(Value >= 0 && FLookupColumn >= 0 ? FVevColGrid->Cells(FLookupColumn, Value + 1)
                                                : std::string());
  }
  // An open pop-up follows the choice, so that closing it takes this row.
  if (DroppedDown() && FVevColGrid != nullptr && FItemIndex >= 0 && !FInGridSelect) {
    const int r = FUseItems ? RowOfItem(FItemIndex) : FItemIndex + FVevColGrid->FixedRows();
    // RowOfItem falls back on the item index, no row of a narrowed grid.
    if (r >= FVevColGrid->FixedRows() && r < FVevColGrid->RowCount() && r != FVevColGrid->Row() &&
        (!FUseItems || ItemOfRow(r) == FItemIndex)) {
      FVevColGrid->SetRow(r);
      FSelRow = r;
    }
  }
}

int TCustomDivUzevDropDown::ItemOfRow(int Row) const {
  if (FNarrowActive && FVevColGrid != nullptr) {
    const int k = Row - FVevColGrid->FixedRows();
    if (k >= 0 && k < static_cast<int>(FNarrowRows.size())) return FNarrowRows[static_cast<size_t>(k)];
  }
  if (FVevColGrid != nullptr && Row >= 0 && Row < FVevColGrid->RowCount())
    return ObjectIndex(FVevColGrid->Objects(0, Row));
  return Row;
}

int TCustomDivUzevDropDown::RowOfItem(int Index) const {
  if (FVevColGrid == nullptr || Index < 0) return FItemIndex;
  if (FNarrowActive) {
    for (size_t k = 0; k < FNarrowRows.size(); ++k)
      if (FNarrowRows[k] == Index) return FVevColGrid->FixedRows() + static_cast<int>(k);
    return FItemIndex;
  }
  for (int r = FVevColGrid->FixedRows(); r < FVevColGrid->RowCount(); ++r)
    if (ObjectIndex(FVevColGrid->Objects(0, r)) == Index) return r;
  return FItemIndex;
}

void TCustomDivUzevDropDown::SelectFirst() {
  if (ItemCount() > 0) SetItemIndex(0);
}
void TCustomDivUzevDropDown::SelectLast() {
  if (ItemCount() > 0) SetItemIndex(ItemCount() - 1);
}
void TCustomDivUzevDropDown::SelectNext() {
  const int n = ItemCount();
  if (n == 0) return;
  if (FItemIndex < 0)
    SetItemIndex(0);
  else if (FItemIndex + 1 < n)
    SetItemIndex(FItemIndex + 1);
}
void TCustomDivUzevDropDown::SelectPrevious() {
  const int n = ItemCount();
  if (n == 0) return;
  if (FItemIndex < 0)
    SetItemIndex(0);
  else if (FItemIndex > 0)
    SetItemIndex(FItemIndex - 1);
}
void TCustomDivUzevDropDown::SelectNextPage() {
  const int n = ItemCount();
  if (n == 0) return;
  if (FItemIndex < 0)
    SetItemIndex(0);
  else
    SetItemIndex(FItemIndex + 10 < n ? FItemIndex + 10 : n - 1);
}
void TCustomDivUzevDropDown::SelectPreviousPage() {
  if (ItemCount() == 0) return;
  SetItemIndex(FItemIndex >= 0 && FItemIndex - 10 >= 0 ? FItemIndex - 10 : 0);
}

// ---- The pop-up ----

void TCustomDivUzevDropDown::BlockedCall(const std::function<void()>& Call) {
  // Handlers of the application that open a dialog must not close the
  // pop-up by taking its activation.
  if (DropDownForm() != nullptr) DropDownForm()->SetBlockActivate(true);
  Call();
  if (DropDownForm() != nullptr) DropDownForm()->SetBlockActivate(false);
}

void TCustomDivUzevDropDown::BindGridEvents() {
  TVevColGrid* g = FVevColGrid;
  g->OnAnchorClick = [this](auto&&... a) { DoGridAnchorClick(std::forward<decltype(a)>(a)...); };
  g->OnAnchorEnter = [this](auto&&... a) { DoGridAnchorEnter(std::forward<decltype(a)>(a)...); };
  g->OnAnchorExit = [this](auto&&... a) { DoGridAnchorExit(std::forward<decltype(a)>(a)...); };
  g->OnAnchorHint = [this](auto&&... a) { DoGridAnchorHint(std::forward<decltype(a)>(a)...); };
  g->OnButtonClick = [this](auto&&... a) { DoGridButtonClick(std::forward<decltype(a)>(a)...); };
  g->OnColumnSize = [this](auto&&... a) { DoGridColumnSize(std::forward<decltype(a)>(a)...); };
  g->OnColumnSizing = [this](auto&&... a) { DoGridColumnSizing(std::forward<decltype(a)>(a)...); };
  g->OnEndColumnSize = [this](auto&&... a) { DoGridEndColumnSize(std::forward<decltype(a)>(a)...); };
  g->OnRowSize = [this](auto&&... a) { DoGridRowSize(std::forward<decltype(a)>(a)...); };
  g->OnRowSizing = [this](auto&&... a) { DoGridRowSizing(std::forward<decltype(a)>(a)...); };
  g->OnEndRowSize = [this](auto&&... a) { DoGridEndRowSize(std::forward<decltype(a)>(a)...); };
  g->OnRowMove = [this](auto&&... a) { DoGridRowMove(std::forward<decltype(a)>(a)...); };
  g->OnRowMoving = [this](auto&&... a) { DoGridRowMoving(std::forward<decltype(a)>(a)...); };
  g->OnRowMoved = [this](auto&&... a) { DoGridRowMoved(std::forward<decltype(a)>(a)...); };
  g->OnColumnMove = [this](auto&&... a) { DoGridColumnMove(std::forward<decltype(a)>(a)...); };
  g->OnColumnMoving = [this](auto&&... a) { DoGridColumnMoving(std::forward<decltype(a)>(a)...); };
  g->OnColumnMoved = [this](auto&&... a) { DoGridColumnMoved(std::forward<decltype(a)>(a)...); };
  if (OnGridCustomCellDraw)
    g->OnCustomCellDraw = [this](auto&&... a) { DoGridCustomCellDraw(std::forward<decltype(a)>(a)...); };
  if (OnGridCustomCellBkgDraw)
    g->OnCustomCellBkgDraw = [this](auto&&... a) {
      DoGridCustomCellBkgDraw(std::forward<decltype(a)>(a)...);
    };
  g->OnCellBalloon = [this](auto&&... a) { DoGridCellBalloon(std::forward<decltype(a)>(a)...); };
  g->OnGetAlignment = [this](auto&&... a) { DoGridGetAlignment(std::forward<decltype(a)>(a)...); };
  g->OnGetCellColor = [this](auto&&... a) { DoGridGetCellColor(std::forward<decltype(a)>(a)...); };
  g->OnGetCellGradient = [this](auto&&... a) { DoGridGetCellGradient(std::forward<decltype(a)>(a)...); };
  g->OnGetFloatFormat = [this](auto&&... a) { DoGridGetFloatFormat(std::forward<decltype(a)>(a)...); };
  g->OnGetEditorType = [this](auto&&... a) { DoGridGetEditorType(std::forward<decltype(a)>(a)...); };
  g->OnGetEditorProp = [this](auto&&... a) { DoGridGetEditorProp(std::forward<decltype(a)>(a)...); };
  g->OnCanEditCell = [this](auto&&... a) { DoGridCanEditCell(std::forward<decltype(a)>(a)...); };
  g->OnEllipsClick = [this](auto&&... a) { DoGridEllipsClick(std::forward<decltype(a)>(a)...); };
  g->OnGetDisplText = [this](auto&&... a) { DoGridGetDisplText(std::forward<decltype(a)>(a)...); };
  g->OnGetFormat = [this](auto&&... a) { DoGridGetFormat(std::forward<decltype(a)>(a)...); };
  g->OnGridHint = [this](auto&&... a) { DoGridHint(std::forward<decltype(a)>(a)...); };
  g->OnMouseMove = [this](auto&&... a) { DoGridMouseMove(std::forward<decltype(a)>(a)...); };
  g->OnMouseDown = [this](auto&&... a) { DoGridMouseDown(std::forward<decltype(a)>(a)...); };
  g->OnMouseUp = [this](auto&&... a) { DoGridMouseUp(std::forward<decltype(a)>(a)...); };
  g->OnKeyUp = [this](auto&&... a) { DoGridKeyUp(std::forward<decltype(a)>(a)...); };
  g->OnRightClickCell = [this](auto&&... a) { DoGridRightClickCell(std::forward<decltype(a)>(a)...); };
  g->OnScrollHint = [this](auto&&... a) { DoGridScrollHint(std::forward<decltype(a)>(a)...); };
  g->OnTopLeftChanged = [this](auto&&... a) { DoGridTopLeftChanged(std::forward<decltype(a)>(a)...); };
  g->OnSearchEditChange = [this](auto&&... a) { DoGridSearchEditChange(std::forward<decltype(a)>(a)...); };
  g->OnAutoAddRow = [this](auto&&... a) { DoGridAutoAddRow(std::forward<decltype(a)>(a)...); };
  g->OnAutoInsertRow = [this](auto&&... a) { DoGridAutoInsertRow(std::forward<decltype(a)>(a)...); };
  g->OnAutoInsertCol = [this](auto&&... a) { DoGridAutoInsertCol(std::forward<decltype(a)>(a)...); };
  g->OnAutoDeleteRow = [this](auto&&... a) { DoGridAutoDeleteRow(std::forward<decltype(a)>(a)...); };
  g->OnCanAddRow = [this](auto&&... a) { DoGridCanAddRow(std::forward<decltype(a)>(a)...); };
  g->OnCanInsertRow = [this](auto&&... a) { DoGridCanInsertRow(std::forward<decltype(a)>(a)...); };
  g->OnCanDeleteRow = [this](auto&&... a) { DoGridCanDeleteRow(std::forward<decltype(a)>(a)...); };
  g->OnCheckBoxClick = [this](auto&&... a) {
    if (OnGridCheckBoxClick) OnGridCheckBoxClick(std::forward<decltype(a)>(a)...);
  };
}

void TCustomDivUzevDropDown::DoGridAnchorClick(TObject* Sender, int ARow, int ACol, const std::string& Anchor,
                                               bool& AutoHandle) {
  if (OnGridAnchorClick) BlockedCall([&] { OnGridAnchorClick(Sender, ARow, ACol, Anchor, AutoHandle); });
}

void TCustomDivUzevDropDown::DoGridAnchorEnter(TObject* Sender, int ARow, int ACol,
                                               const std::string& Anchor) {
  if (OnGridAnchorEnter) OnGridAnchorEnter(Sender, ARow, ACol, Anchor);
}

void TCustomDivUzevDropDown::DoGridAnchorExit(TObject* Sender, int ARow, int ACol,
                                              const std::string& Anchor) {
  if (OnGridAnchorExit) OnGridAnchorExit(Sender, ARow, ACol, Anchor);
}

void TCustomDivUzevDropDown::DoGridAnchorHint(TObject* Sender, int ARow, int ACol, std::string& Anchor) {
  if (OnGridAnchorHint) OnGridAnchorHint(Sender, ARow, ACol, Anchor);
}

void TCustomDivUzevDropDown::DoGridButtonClick(TObject* Sender, int ACol, int ARow) {
  if (OnGridButtonClick) BlockedCall([&] { OnGridButtonClick(Sender, ACol, ARow); });
}

void TCustomDivUzevDropDown::DoGridCanSort(TObject* Sender, int ACol, bool& DoSort) {
  if (OnGridCanSort) OnGridCanSort(Sender, ACol, DoSort);
}

void TCustomDivUzevDropDown::DoGridClickSort(TObject* Sender, int ACol) {
  if (OnGridClickSort) OnGridClickSort(Sender, ACol);
}

void TCustomDivUzevDropDown::DoGridCustomCompare(TObject* Sender, const std::string& Str1,
                                                 const std::string& Str2, int& Res) {
  if (OnGridCustomCompare) OnGridCustomCompare(Sender, Str1, Str2, Res);
}

void TCustomDivUzevDropDown::DoGridRawCompare(TObject* Sender, int ACol, int Row1, int Row2, int& Res) {
  if (OnGridRawCompare) OnGridRawCompare(Sender, ACol, Row1, Row2, Res);
}

void TCustomDivUzevDropDown::DoGridColumnSize(TObject* Sender, int ACol, bool& Allow) {
  if (OnGridColumnSize) OnGridColumnSize(Sender, ACol, Allow);
}

void TCustomDivUzevDropDown::DoGridColumnSizing(TObject* Sender, int Index, int Size) {
  if (OnGridColumnSizing) OnGridColumnSizing(Sender, Index, Size);
}

void TCustomDivUzevDropDown::DoGridEndColumnSize(TObject* Sender, int ACol) {
  if (OnGridEndColumnSize) OnGridEndColumnSize(Sender, ACol);
}

void TCustomDivUzevDropDown::DoGridRowSize(TObject* Sender, int ARow, bool& Allow) {
  if (OnGridRowSize) OnGridRowSize(Sender, ARow, Allow);
}

void TCustomDivUzevDropDown::DoGridRowSizing(TObject* Sender, int Index, int Size) {
  if (OnGridRowSizing) OnGridRowSizing(Sender, Index, Size);
}

void TCustomDivUzevDropDown::DoGridEndRowSize(TObject* Sender, int ARow) {
  if (OnGridEndRowSize) OnGridEndRowSize(Sender, ARow);
}

void TCustomDivUzevDropDown::DoGridRowMove(TObject* Sender, int Index, bool& Allow) {
  if (OnGridRowMove) OnGridRowMove(Sender, Index, Allow);
}

void TCustomDivUzevDropDown::DoGridRowMoving(TObject* Sender, int Index, bool& Allow) {
  if (OnGridRowMoving) OnGridRowMoving(Sender, Index, Allow);
}

void TCustomDivUzevDropDown::DoGridRowMoved(TObject* Sender, int FromIndex, int ToIndex) {
  if (OnGridRowMoved) OnGridRowMoved(Sender, FromIndex, ToIndex);
}

void TCustomDivUzevDropDown::DoGridColumnMove(TObject* Sender, int Index, bool& Allow) {
  if (OnGridColumnMove) OnGridColumnMove(Sender, Index, Allow);
}

void TCustomDivUzevDropDown::DoGridColumnMoving(TObject* Sender, int Index, bool& Allow) {
  if (OnGridColumnMoving) OnGridColumnMoving(Sender, Index, Allow);
}

void TCustomDivUzevDropDown::DoGridColumnMoved(TObject* Sender, int FromIndex, int ToIndex) {
  if (OnGridColumnMoved) OnGridColumnMoved(Sender, FromIndex, ToIndex);
}

void TCustomDivUzevDropDown::DoGridCustomCellDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                                  TGridDrawState AState, TRect ARect, bool Printing) {
  if (OnGridCustomCellDraw) OnGridCustomCellDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomDivUzevDropDown::DoGridCustomCellBkgDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                                     TGridDrawState AState, TRect ARect, bool Printing) {
  if (OnGridCustomCellBkgDraw) OnGridCustomCellBkgDraw(Sender, Canvas, ACol, ARow, AState, ARect, Printing);
}

void TCustomDivUzevDropDown::DoGridCellBalloon(TObject* Sender, int ACol, int ARow, std::string& ATitle,
                                               std::string& AText, TBalloonIcon& AIcon) {
  if (OnGridCellBalloon) OnGridCellBalloon(Sender, ACol, ARow, ATitle, AText, AIcon);
}

void TCustomDivUzevDropDown::DoGridGetAlignment(TObject* Sender, int ARow, int ACol, TAlignment& HAlign,
                                                TVAlignment& VAlign) {
  // The column's own alignment comes first.
  if (ACol >= 0 && ACol < FColumns->Count()) HAlign = FColumns->Items(ACol)->Alignment();
  if (OnGridGetAlignment) OnGridGetAlignment(Sender, ARow, ACol, HAlign, VAlign);
}

void TCustomDivUzevDropDown::DoGridGetCellColor(TObject* Sender, int ARow, int ACol, TGridDrawState AState,
                                                TBrush* ABrush, TFont* AFont) {
  // The column's own colour comes first.
  if (ACol >= 0 && ACol < FColumns->Count() && ABrush != nullptr)
    ABrush->SetColor(FColumns->Items(ACol)->Color());
  if (OnGridGetCellColor) OnGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont);
}

void TCustomDivUzevDropDown::DoGridGetCellGradient(TObject* Sender, int ARow, int ACol, TColor& Color,
                                                   TColor& ColorTo, TColor& ColorMirror,
                                                   TColor& ColorMirrorTo, TCellGradientDirection& GD) {
  if (OnGridGetCellGradient)
    OnGridGetCellGradient(Sender, ARow, ACol, Color, ColorTo, ColorMirror, ColorMirrorTo, GD);
}

void TCustomDivUzevDropDown::DoGridGetFloatFormat(TObject* Sender, int ACol, int ARow, bool& IsFloat,
                                                  std::string& FloatFormat) {
  FloatFormat.clear();
  if (OnGridGetFloatFormat) OnGridGetFloatFormat(Sender, ACol, ARow, IsFloat, FloatFormat);
}

void TCustomDivUzevDropDown::DoGridGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor) {
  if (OnGridGetEditorType) OnGridGetEditorType(Sender, ACol, ARow, AEditor);
}

void TCustomDivUzevDropDown::DoGridGetEditorProp(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink) {
  if (OnGridGetEditorProp) OnGridGetEditorProp(Sender, ACol, ARow, AEditLink);
}

void TCustomDivUzevDropDown::DoGridCanEditCell(TObject* Sender, int ARow, int ACol, bool& CanEdit) {
  if (OnGridCanEditCell) OnGridCanEditCell(Sender, ARow, ACol, CanEdit);
}

void TCustomDivUzevDropDown::DoGridEllipsClick(TObject* Sender, int ACol, int ARow, std::string& S) {
  if (OnGridEllipsClick) BlockedCall([&] { OnGridEllipsClick(Sender, ACol, ARow, S); });
}

void TCustomDivUzevDropDown::DoGridGetDisplText(TObject* Sender, int ACol, int ARow, std::string& Value) {
  if (OnGridGetDiplText) OnGridGetDiplText(Sender, ACol, ARow, Value);
}

void TCustomDivUzevDropDown::DoGridGetFormat(TObject* Sender, int ACol, TSortStyle& AStyle,
                                             std::string& APrefix, std::string& ASuffix) {
  if (OnGridGetFormat) OnGridGetFormat(Sender, ACol, AStyle, APrefix, ASuffix);
}

void TCustomDivUzevDropDown::DoGridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr) {
  if (OnGridHint) OnGridHint(Sender, ARow, ACol, HintStr);
}

void TCustomDivUzevDropDown::DoGridMouseMove(TObject* Sender, TShiftState Shift, int X, int Y) {
  // The first move after a drop-down re-arms the balloons.
  if (!FBalloonInit) {
    FBalloonInit = true;
    if (FVevColGrid != nullptr && FVevColGrid->Balloon()->Enable()) {
      FVevColGrid->Balloon()->SetEnable(false);
      FVevColGrid->Balloon()->SetEnable(true);
    }
  }
  if (OnGridMouseMove) OnGridMouseMove(Sender, Shift, X, Y);
}

void TCustomDivUzevDropDown::DoGridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                                             int Y) {
  if (OnGridMouseDown) OnGridMouseDown(Sender, Button, Shift, X, Y);
}

void TCustomDivUzevDropDown::DoGridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                                           int Y) {
  if (OnGridMouseUp) OnGridMouseUp(Sender, Button, Shift, X, Y);
}

void TCustomDivUzevDropDown::DoGridKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (OnGridKeyDown) OnGridKeyDown(Sender, Key, Shift);
}

void TCustomDivUzevDropDown::DoGridKeyUp(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (OnGridKeyUp) OnGridKeyUp(Sender, Key, Shift);
}

void TCustomDivUzevDropDown::DoGridKeyPress(TObject* Sender, char32_t& Key) {
  if (OnGridKeyPress) OnGridKeyPress(Sender, Key);
}

void TCustomDivUzevDropDown::DoGridRightClickCell(TObject* Sender, int ARow, int ACol) {
  if (OnGridRightClickCell) OnGridRightClickCell(Sender, ARow, ACol);
}

void TCustomDivUzevDropDown::DoGridScrollHint(TObject* Sender, int ARow, std::string& hintstr) {
  if (OnGridScrollHint) OnGridScrollHint(Sender, ARow, hintstr);
}

void TCustomDivUzevDropDown::DoGridTopLeftChanged(TObject* Sender) {
  (void)Sender;
  if (OnGridTopLeftChanged) OnGridTopLeftChanged(this);
}

void TCustomDivUzevDropDown::DoGridSearchEditChange(TObject* Sender, const std::string& Value,
                                                    bool& DefaultSearch) {
  if (OnGridSearchEditChange) OnGridSearchEditChange(Sender, Value, DefaultSearch);
}

void TCustomDivUzevDropDown::DoGridSpinClick(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown) {
  if (OnGridSpinClick) OnGridSpinClick(Sender, ACol, ARow, AValue, UpDown);
}

void TCustomDivUzevDropDown::DoGridAutoAddRow(TObject* Sender, int ARow) {
  if (OnGridAutoAddRow) OnGridAutoAddRow(Sender, ARow);
}

void TCustomDivUzevDropDown::DoGridAutoInsertRow(TObject* Sender, int ARow) {
  if (OnGridInsertRow) OnGridInsertRow(Sender, ARow);
}

void TCustomDivUzevDropDown::DoGridAutoInsertCol(TObject* Sender, int ACol) {
  if (OnGridInsertCol) OnGridInsertCol(Sender, ACol);
}

void TCustomDivUzevDropDown::DoGridAutoDeleteRow(TObject* Sender, int ARow) {
  if (OnGridDeleteRow) OnGridDeleteRow(Sender, ARow);
}

void TCustomDivUzevDropDown::DoGridCanAddRow(TObject* Sender, bool& CanAdd) {
  if (OnGridCanAddRow) OnGridCanAddRow(Sender, CanAdd);
}

void TCustomDivUzevDropDown::DoGridCanInsertRow(TObject* Sender, int ARow, bool& CanInsert) {
  if (OnGridCanInsertRow) OnGridCanInsertRow(Sender, ARow, CanInsert);
}

void TCustomDivUzevDropDown::DoGridCanDeleteRow(TObject* Sender, int ARow, bool& CanDelete) {
  if (OnGridCanDeleteRow) OnGridCanDeleteRow(Sender, ARow, CanDelete);
}

void TCustomDivUzevDropDown::BeforeDropDown() {
  if (DropDownForm() != nullptr) DropDownForm()->SetCancelOnDeActivate(false);
  TVevColGrid* g = FVevColGrid;
  if (g != nullptr) {
    g->SyncFromDropDown(this);
    g->SetColor(DropDownColor());
    g->SortSettings()->SetShow(false);
    g->SortSettings()->SetIndexShow(false);
    if (FSorting == gsSingleColumn) g->SortSettings()->SetShow(true);
    if (FSorting == gsMultiColumn) {
      g->SortSettings()->SetShow(true);
      g->SortSettings()->SetIndexShow(true);
    }
    FBalloonInit = false;
    BindGridEvents();
    g->OnStartBlockFocus = [this](TObject* s) { GridStartBlockFocus(s); };
    g->OnEndBlockFocus = [this](TObject* s) { GridEndBlockFocus(s); };
    g->OnSelect = [this](TObject* s) { GridSelect(s); };
    g->OnKeyDown = [this](TObject* s, WORD& k, TShiftState sh) { GridKeyDown(s, k, sh); };
    g->SetSearchFooter(FSearchFooter.get());
    g->SetMouseActions(FMouseActions.get());
    g->SetNavigation(FNavigation.get());
    g->SetBands(FBands.get());
    TGridOptions o = g->Options();
    o << goThumbTracking;
    if (FRowSelect)
      o << goRowSelect;
    else
      o >> goRowSelect;
    if (FGridEditable)
      o << goEditing;
    else
      o >> goEditing;
    g->SetOptions(o);
    g->SetGridImages(FGridImages);
    g->OnCanSort = [this](TObject* s, int c, bool& d) { GridCanSort(s, c, d); };
    g->OnClickSort = [this](TObject* s, int c) { GridSortDone(s, c); };
    g->OnSelectCell = [this](TObject*, int, int ARow, bool&) { GridSelectCell(ARow); };
    g->SetComponentStyle(GetComponentStyle());
  }
  if (FUseItems) {
    TVevUrizazEvuvUduz::BeforeDropDown();
    if (g != nullptr) {
      // Rows narrowed down by typing before the opening are narrowed again
      // once the grid holds the items afresh.
      const bool narrowed = FLookupMethod == lmNarrowDown && (g->FilterLevel() > 0 || FNarrowActive);
      if (narrowed) {
        g->RemoveAllFilters();
        FNarrowActive = false;
        FNarrowRows.clear();
        FNarrowed.clear();
      }
      g->SetRowCount(FItems->Count() + 1);
      g->SetFixedRows(1);
      g->FillFromItems();
      if (narrowed) NarrowItems(Trim(FLookupEntry));
      const int r = RowOfItem(FItemIndex);
      if (r >= g->FixedRows() && r < g->RowCount() && ItemOfRow(r) == FItemIndex)
        g->SetRow(r);
      else if (narrowed && g->RowCount() > g->FixedRows())
        g->SetRow(g->FixedRows());
    }
  } else if (g != nullptr) {
    std::string full;
    int row = -1;
    if (LookupText(Text(), full, row) && row >= g->FixedRows() && row < g->RowCount())
      g->SetRow(row);
    else if (g->RowCount() > g->FixedRows())
      g->SetRow(g->FixedRows());
  }
  if (g != nullptr && g->SortSettings()->Column() >= 0 && g->SortSettings()->Show()) g->QSort();
  FOldItemIndex = FItemIndex;
  if (!FUseItems) TVevUrizazEvuvUduz::BeforeDropDown();
}

void TCustomDivUzevDropDown::DoShowDropDown() {
  TVevUrizazEvuvUduz::DoShowDropDown();
  TVevColGrid* g = FVevColGrid;
  if (g == nullptr) return;
  if (!FUseItems)
    while (FColumns->Count() < g->ColCount()) FColumns->Add();
  if (DroppedDown()) SizeColumnsToDropDown();
  if (g->RowCount() > g->VisibleRowCount() + g->FixedRows()) {
    const int r = g->Row();
    if (r >= g->TopRow() + g->VisibleRowCount() || r < g->TopRow()) g->SetTopRow(r);
  }
  FSelRow = g->Row() >= g->FixedRows() ? g->Row() : g->FixedRows();
  g->SetTabStop(true);
  if (DroppedDown() && g->CanFocus()) g->SetFocus();
}

void TCustomDivUzevDropDown::AfterDropDown(int& Height) {
  TVevUrizazEvuvUduz::AfterDropDown(Height);
  // Without a row height there are no whole rows to fit (and nothing to
  // divide by): the height stays.
  if (FDropDownRowHeight <= 0) return;
  int extra = 0;
  if (DropDownHeader()->Visible()) extra += DropDownHeader()->Height();
  if (DropDownFooter()->Visible()) extra += DropDownFooter()->Height();
  const int rows = std::max(0, Height - extra - FHeaderHeight - 2) / FDropDownRowHeight;
  Height = extra + FHeaderHeight + 2 + rows * FDropDownRowHeight + 4;
}

void TCustomDivUzevDropDown::UpdateDropDownSize() {
  TVevUrizazEvuvUduz::UpdateDropDownSize();
  if (!FDropDownAutoWidth || DropDownForm() == nullptr || FVevColGrid == nullptr) return;
  FVevColGrid->SetAlign(alNone);
  FVevColGrid->SetWidth(FVevColGrid->PreferredWidth());
  TDropDownForm* f = DropDownForm();
  f->SetBounds(f->Left(), f->Top(), FVevColGrid->Width() + 2 * DropDownBorderWidth(), f->Height());
  FVevColGrid->SetAlign(alClient);
}

void TCustomDivUzevDropDown::SizeColumnsToDropDown() {
  TVevColGrid* g = FVevColGrid;
  if (!FColumnSizeWithDropDown || g == nullptr || FColumns->Count() == 0 || DropDownForm() == nullptr) return;
  g->SetScrollBars(ssVertical);
  double avail = DropDownForm()->Width();
  if (g->RowCount() - g->FixedRows() > g->VisibleRowCount()) avail -= GetSystemMetrics(SM_CXVSCROLL);
  SpreadColumnWidths(g, FColumns.get(), avail);
}

void TCustomDivUzevDropDown::DropDownSizing(TObject* Sender) {
  TVevUrizazEvuvUduz::DropDownSizing(Sender);
  SizeColumnsToDropDown();
}

void TCustomDivUzevDropDown::DoWheelDown() {
  TVevUrizazEvuvUduz::DoWheelDown();
  // Over the open pop-up the wheel moves the grid's row, not the choice.
  if (!DroppedDown()) SelectNext();
}

void TCustomDivUzevDropDown::DoWheelUp() {
  TVevUrizazEvuvUduz::DoWheelUp();
  if (!DroppedDown()) SelectPrevious();
}

// ---- Choosing ----

void TCustomDivUzevDropDown::GridSelectCell(int ARow) {
  FSelRow = ARow;
  if (FVevColGrid == nullptr || FVevColGrid->MouseWheelSelection()) return;
  // The grid is moving to ARow already.
  const bool was = FInGridSelect;
  FInGridSelect = true;
  struct TRestore {
    bool& f;
    bool v;
    ~TRestore() { f = v; }
  } restore{FInGridSelect, was};
  if (FUseItems) {
    SetItemIndex(ItemOfRow(ARow));
  } else {
    // A copy: the change events may refill the list under the text.
    if (FLookupColumn >= 0) WriteQuiet(std::string(FVevColGrid->Cells(FLookupColumn, ARow)));
    FItemIndex = ARow - FVevColGrid->FixedRows();
  }
}

void TCustomDivUzevDropDown::GridSelect(TObject*) {
  TVevColGrid* g = FVevColGrid;
  // A grid narrowed down to no rows has no row to take.
  if (g != nullptr && g->ConfirmSelection() && g->Row() >= g->FixedRows() && g->Row() < g->RowCount()) {
    FSelRow = g->Row();
    SetItemIndex(FUseItems ? ItemOfRow(g->Row()) : g->Row() - 1);
  }
  if (!FGridEditable) HideDropDownEx(false);
  if (OnSelect) OnSelect(this);
}

void TCustomDivUzevDropDown::GridStartBlockFocus(TObject*) {
  if (DropDownForm() != nullptr) DropDownForm()->SetBlockActivate(true);
}

void TCustomDivUzevDropDown::GridEndBlockFocus(TObject*) {
  if (DropDownForm() != nullptr) DropDownForm()->SetBlockActivate(false);
}

void TCustomDivUzevDropDown::GridCanSort(TObject*, int, bool&) {
  // The chosen item is found again once the rows are sorted.
  FTempItemIndex = FItemIndex;
}

void TCustomDivUzevDropDown::GridSortDone(TObject*, int) {
  const int r = RowOfItem(FTempItemIndex);
  if (r >= 0 && FVevColGrid != nullptr && r < FVevColGrid->RowCount()) FVevColGrid->SetRow(r);
}

void TCustomDivUzevDropDown::GridKeyDown(TObject*, WORD& Key, TShiftState) {
  if (Key == VK_RETURN) HideDropDownEx(false);
  if (Key == VK_ESCAPE) HideDropDownEx(true);
}

void TCustomDivUzevDropDown::HideDropDownEx(bool Cancel) {
  if (DropDownForm() != nullptr && DropDownForm()->Visible()) {
    TVevColGrid* g = FVevColGrid;
    if (Cancel) {
      SetItemIndex(FOldItemIndex);
    } else if (g != nullptr && g->ConfirmSelection() && FSelRow >= 0) {
      SetItemIndex(FUseItems ? ItemOfRow(FSelRow) : FSelRow - g->FixedRows());
    }
    FOldItemIndex = FItemIndex;
    if (g != nullptr) g->SetConfirmSelection(false);
  }
  TVevUrizazEvuvUduz::HideDropDownEx(Cancel);
}

// ---- Looks ----

void TCustomDivUzevDropDown::SetSelectionColorStyle(TSelectionColorStyle Style) {
  if (Style == scOffice2007) {
    FLineColor = 0xF1EDEB;
    FFixedLineColor = 0xD1BBA4;
  } else if (Style == scWindowsVista || Style == scWindows7) {
    FLineColor = 0xECECF0;
    FFixedLineColor = 0xD4D2D1;
  }
  TVevUrizazEvuvUduz::SetSelectionColorStyle(Style);
}

void TCustomDivUzevDropDown::SetComponentStyle(TVyxStyle AStyle) {
  TVevUrizazEvuvUduz::SetComponentStyle(AStyle);
  if (const TDropGridStyleColors* c = DropGridStyleColors(AStyle, false)) {
    const TDropGridStyleColors& r = *c;
    FHeaderColor = r.header;
    FHeaderColorTo = r.headerTo;
    if (r.font != clNone) FHeaderFont->SetColor(r.font);
    SetSelectionColorStyle(r.sel);
    FLineColor = FFixedLineColor = r.line;
    FSelectionTextColor = 0;
    return;
  }
  if (AStyle == tsWindowsXP || AStyle == tsTerminal) {
    FHeaderColor = FHeaderColorTo = clBtnFace;
    SetSelectionColorStyle(scCustom);
    SetSelectionColor(clHighlight);
    SetSelectionColorTo(clHighlight);
    FHeaderFont->SetColor(0);
    FSelectionTextColor = clHighlightText;
    FFixedLineColor = AStyle == tsWindowsXP ? 0 : 0x808080;
    FLineColor = AStyle == tsWindowsXP ? 0xC0C0C0 : 0x808080;
  }
}
