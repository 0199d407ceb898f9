// TDedAdararAdoz: construction with its companions and defaults,
// destruction, copying, loading from stored layouts, the window, and the
// grid unit's start-up and shut-down.
#include <algorithm>
#include <memory>

#include "framework/classes/ClassRegistry.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Clipbrd.h"
#include "framework/controls/DragDrop.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Menus.h"
#include "framework/controls/ScrollBars.h"
#include "framework/controls/WinApi.h"
#include "framework/graphics/ImgList.h"
#include "framework/graphics/Themes.h"
#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/PictureContainer.h"
#include "grid/base/UndoRedo.h"
#include "grid/base/VevCtrls.h"
#include "grid/base/VevUtil.h"
#include "grid/base/griddd.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevEditors.h"
#include "grid/view/DivUzevFilterLists.h"
#include "grid/view/DivUzevFormControls.h"
#include "grid/view/DivUzevHeaderDragButton.h"
#include "grid/view/DivUzevKindEditors.h"

// DivUzev_Published.cpp: referenced here so its tables come along.
void LinkDivUzevPublished();

namespace {

constexpr uintptr_t kGridTimerId = 111;
constexpr uintptr_t kDragScrollTimerId = 112;
constexpr UINT kGridTimerInterval = 500;
constexpr UINT kThemeNotifierMessage = 2993;
constexpr UINT kWmThemeChanged = 794;

// What the platform reports about itself. The common-controls library the
// grid's looks were made for is stood in for by the framework's own
// drawing; its version is the one the themed look needs.
struct TPlatformFacts {
  bool XP = true;
  bool Vista = true;
  bool Win7 = true;
  int ComCtlVersion = 0x0006000A;
};
TPlatformFacts& Facts() {
  static TPlatformFacts f;
  return f;
}

// Process-wide state of the grid unit.
struct TUnitState {
  bool Initialized = false;
  uintptr_t CallWndProcHookHandle = 0;
  TDedAdararAdoz* FocusFrameGrid = nullptr;
  bool InHook = false;
  unsigned GridCellsClipboardFormat = 0;
  UINT GridEditDoneMessage = 0;
  UINT DTPShiftFocusMessage = 0;
  bool ComCtl470Available = false;
  std::string HintFontName;
  TCursor GridLinkCursor = crDefault;
};
TUnitState& Unit() {
  static TUnitState s;
  return s;
}

// Moves the focus frame of the grid that has one over its current cell
// whenever any window of the thread is moved or sized.
LRESULT CallWndProcHook(int Code, WPARAM WParam, LPARAM LParam) {
  TUnitState& u = Unit();
  const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(LParam);
  // Moving the frame moves a window itself: that move must not come back
  // here.
  if (cwp != nullptr && (cwp->message == WM_WINDOWPOSCHANGING || cwp->message == WM_WINDOWPOSCHANGED) &&
      u.FocusFrameGrid != nullptr && !u.InHook) {
    u.InHook = true;
    try {
      u.FocusFrameGrid->MoveFocusWindow();
    } catch (...) {
      u.InHook = false;
      throw;
    }
    u.InHook = false;
  }
  return CallNextHookEx(u.CallWndProcHookHandle, Code, WParam, LParam);
}

// The classes stored layouts may name, in registration order; a class whose
// registration fails ends the run and start-up goes on.
// The drop-down editor kinds come from their own library, which registers
// them when it installs itself (the grid does not depend on it).
void RegisterGridClasses() {
  try {
    RegisterClass<TDedAdararAdoz>();
    RegisterClass<TDropList>();
    // A stored arrow takes its direction from the grid that shows it.
    RegisterClass(ClassNameOfType(typeid(TArrowWindow)),
                  [](TComponent* Owner) -> TComponent* { return new TArrowWindow(Owner, arrDown); });
    RegisterClass<TGridCombo>();
    RegisterClass<TGridSpin>();
    RegisterClass<TGridTransEdit>();
    RegisterClass<TGridTransCombo>();
    RegisterClass<TGridCheckBox>();
    RegisterClass<TGridEditBtn>();
    RegisterClass<TGridDateTimePicker>();
    RegisterClass<TGridUnitEditBtn>();
    RegisterClass<TGridButton>();
    RegisterClass<TGridDatePicker>();
    RegisterClass<THeaderDragButton>();
    RegisterClass<TControlEdit>();
    RegisterClass<TControlCombo>();
    RegisterClass<TScrollBar>();
    RegisterClass<ZEveRozoDiva>();
    RegisterClass<TFooterPanel>();
    RegisterClass<TSearchPanel>();
  } catch (...) {
  }
}

std::function<bool()>& VisualStylesActiveQuery() {
  static std::function<bool()> q = [] { return IsThemeActive(); };
  return q;
}

}  // namespace

// ---------------------------------------------------------------------------
// The unit

void InitializeDivUzevUnit() {
  TUnitState& u = Unit();
  if (u.Initialized) return;
  u.Initialized = true;
  // OLE needs no initialisation on this platform.
  u.FocusFrameGrid = nullptr;
  if (u.CallWndProcHookHandle == 0)
    u.CallWndProcHookHandle = SetWindowsHookEx(WH_CALLWNDPROC, CallWndProcHook);
  RegisterGridClasses();
  u.ComCtl470Available = GetFileVersion("comctl32.dll") >= 0x00040046;
  u.GridCellsClipboardFormat = RegisterClipboardFormat("TDedAdararAdoz Cells");
  // The drag formats are known before the first drag, whatever the
  // clipboard is doing then.
  RegisterGridDragFormats();
  u.GridEditDoneMessage = RegisterWindowMessage("GridEditDone");
  u.DTPShiftFocusMessage = RegisterWindowMessage("DTPShiftFocus");
}

void FinalizeDivUzevUnit() {
  TUnitState& u = Unit();
  if (!u.Initialized) return;
  u.Initialized = false;
  if (u.CallWndProcHookHandle != 0) UnhookWindowsHookEx(u.CallWndProcHookHandle);
  u.CallWndProcHookHandle = 0;
  u.FocusFrameGrid = nullptr;
  u.HintFontName.clear();
}

unsigned GridCellsClipboardFormat() { return Unit().GridCellsClipboardFormat; }
UINT GridEditDoneMessage() { return Unit().GridEditDoneMessage; }
UINT DTPShiftFocusMessage() { return Unit().DTPShiftFocusMessage; }
bool ComCtl470Available() { return Unit().ComCtl470Available; }
TCursor GridLinkCursor() { return Unit().GridLinkCursor; }
TDedAdararAdoz* FocusFrameGrid() { return Unit().FocusFrameGrid; }
void SetFocusFrameGrid(TDedAdararAdoz* Grid) { Unit().FocusFrameGrid = Grid; }

void SetGridPlatformFacts(bool XP, bool Vista, bool Win7, int ComCtlVersion) {
  Facts() = TPlatformFacts{XP, Vista, Win7, ComCtlVersion};
}

void SetVisualStylesActiveQuery(std::function<bool()> Query) {
  VisualStylesActiveQuery() = Query ? std::move(Query) : [] { return IsThemeActive(); };
}

char GetTimeSeparator() { return FormatSettings().TimeSeparator; }
char GetDateSeparator() { return FormatSettings().DateSeparator; }
char GetThousandSeparator() { return FormatSettings().ThousandSeparator; }
char GetDecimalSeparator() { return FormatSettings().DecimalSeparator; }
std::string GetShortDateFormat() { return FormatSettings().ShortDateFormat; }
std::string GetShortTimeFormat() { return FormatSettings().ShortTimeFormat; }
std::string GetLongTimeFormat() { return FormatSettings().LongTimeFormat; }

void SetTransparentExStyle(HWND Handle) {
  intptr_t ex = GetWindowLong(Handle, GWL_EXSTYLE);
  SetWindowLong(Handle, GWL_EXSTYLE, ex | static_cast<intptr_t>(WS_EX_TRANSPARENT));
}

int GetFileVersion(const std::string& FileName) {
  // Files carry no version resource here; only the common-controls library
  // has a version, the one the framework's drawing stands in for.
  std::string name = FileName;
  size_t slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name = name.substr(slash + 1);
  if (SameText(name, "comctl32.dll")) return Facts().ComCtlVersion;
  return -1;
}

// ---------------------------------------------------------------------------
// Panels

TFooterPanel::TFooterPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetAlign(alBottom);
  SetHeight(0);
  SetBorderWidth(0);
}

// ---------------------------------------------------------------------------
// Construction

TDedAdararAdoz::TDedAdararAdoz(TComponent* AOwner) : TBaseGrid(AOwner) {
  InitializeDivUzevUnit();
  LinkDivUzevPublished();

  // Cell controls and editors are children of the grid.
  SetControlStyle(ControlStyle() << csAcceptsControls);

  // Designing: made in a designer while the owner is not being read.
  TComponentState own = ComponentState();
  bool designing =
      own.Contains(csDesigning) || (AOwner != nullptr && AOwner->ComponentState().Contains(csDesigning));
  bool ownerReading = AOwner != nullptr && (AOwner->ComponentState().Contains(csReading) ||
                                            AOwner->ComponentState().Contains(csLoading));
  FDesigning = designing && !ownerReading;
  if (designing) SetComponentStateFlag(csDesigning, true);

  FFooterPanel = new TFooterPanel(this);
  FSearchPanel = new TSearchPanel(this);
  FSearchPanel->OnEditChange = [this](TObject* S) { SearchEditChange(S); };
  FSearchPanel->OnBackwardClick = [this](TObject* S) { SearchBackward(S); };
  FSearchPanel->OnForwardClick = [this](TObject* S) { SearchForward(S); };
  FSearchPanel->OnExitClick = [this](TObject* S) { SearchFooterClose(S); };
  FSearchPanel->OnHighlightClick = [this](TObject* S) { SearchHighlight(S); };

  CreateCompanions();
  WireCompanions();

  // Plain defaults are the members' initial values; the counts and size:
  SetRowCount(10);
  SetBounds(Left(), Top(), 400, 250);

  if (auto* form = dynamic_cast<TCustomForm*>(AOwner); form != nullptr && !FDesigning) {
    FResizeForm = form;
    FSavedFormResize = form->OnResize;
    ResizeAssigned = static_cast<bool>(FSavedFormResize);
    form->OnResize = [this](TObject* Sender) { OwnerFormResize(Sender); };
    PrevSizeX = form->Width();
    PrevSizeY = form->Height();
  }

  SetDefaultRowHeight(22);
  FFixedRowHeight = 22;
  FZoomFactor = 0;

  FLook = glXP;
  FVyxGradientFrom = clWhite;
  FVyxGradientTo = ColorToRGB(clBtnFace);
  FVyxGradientMirrorFrom = clNone;
  FVyxGradientMirrorTo = clNone;

  const TPlatformFacts& facts = Facts();
  FIsXP = facts.XP;
  FIsWin7 = facts.Win7;
  FIsVista = facts.Vista;
  FIsThemed = (GetFileVersion("COMCTL32.DLL") >> 16) > 5;
  FBorderColor = FIsXP ? static_cast<TColor>(0xB99D7F) : clGray;
  FScrollType = ssNormal;
  FScrollColor = clNone;
  FScrollWidth = GetSystemMetrics(SM_CXVSCROLL);

  FColumnOrder = std::make_unique<TIntList>(-1, -1);
  FCellGraphic = std::make_unique<TCellGraphic>();
  FIgnoreColumns = std::make_unique<TIntList>(-1, -1);
  FFilterDropDown = std::make_unique<TFilterDropDown>();
  FFilterDropDown->OnChange = [this](TObject*) { InvalidateGrid(); };
  FFilterList = std::make_unique<TStringList>();
  FFilterList->SetDuplicates(dupIgnore);
  FFilterList->SetSorted(true);

  FOldLeftCol = LeftCol();
  FOldTopRow = TopRow();

  if (!FDesigning) CreateRunTimeCompanions();

  Unit().GridLinkCursor = crHandPoint;
}

void TDedAdararAdoz::CreateCompanions() {
  FSpareFont = std::make_unique<TFont>();
  FFocusHelper = std::make_unique<TFocusHelper>();
  FSearchFooter = std::make_unique<TSearchFooter>(this, FDesigning);
  FFloatingFooter = std::make_unique<TFloatingFooter>(this);
  FPrintSettings = std::make_unique<TPrintSettings>(this);
  FHTMLSettings = std::make_unique<THTMLSettings>();
  FSortSettings = std::make_unique<TSortSettings>(this);
  FDragDropSettings = std::make_unique<TDragDropSettings>(this);
  FDragScrollOptions = std::make_unique<TDragScrollOptions>();
  FControlLook = std::make_unique<TControlLook>(this);
  FNavigation = std::make_unique<TNavigation>(this);
  FColumnSize = std::make_unique<TColumnSize>(this);
  FCellNode = std::make_unique<TCellNode>(this);
  FBands = std::make_unique<TBands>();
  FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
  FMouseActions = std::make_unique<TMouseActions>(this);
  FGrouping = std::make_unique<TGrouping>();
  FColumnHeaders = std::make_unique<TStringList>();

  FFixedFont = std::make_unique<TFont>();
  FFixedFont->SetName("Tahoma");
  FFixedFont->SetStyle(TFontStyles{fsBold});
  FActiveCellFont = std::make_unique<TFont>();
  FActiveCellFont->SetStyle(TFontStyles{fsBold});
  if (FDesigning) FActiveCellFont->SetName("Tahoma");
  FRowHeaders = std::make_unique<TStringList>();
  FSortList = std::make_unique<TStringList>();
  FLookupItems = std::make_unique<TStringList>();
  FSortIndexes = std::make_unique<TSortIndexList>();
  FSortRowXRef = std::make_unique<TIntList>(-1, -1);
  FUnSortRowXRef = std::make_unique<TIntList>(-1, -1);
  FMergedColumns = std::make_unique<TIntList>(-1, -1);
  FSelectedCells = std::make_unique<TIntList>(-1, -1);
  FSelectedRows = std::make_unique<TIntList>(-1, -1);
  FModifiedRows = std::make_unique<TIntList>(-1, -1);
  FDisabledRows = std::make_unique<TIntList>(-1, -1);
  FRowIndicator = std::make_unique<TBitmap>();
  FBackGround = std::make_unique<TBackGround>(this);
  FControlList = std::make_unique<TControlList>();
  FProgressAppearance = std::make_unique<TGridProgressAppearance>();
  FSyncGrid = std::make_unique<TSyncGrid>(this);
  FGridItems = std::make_unique<TGridItemCollection>();
  FGridItems->SetParkGrid(this);
  FFilter = std::make_unique<TFilter>(this);
  FBalloon = std::make_unique<TBalloonSettings>();
  FShowModified = std::make_unique<TShowModified>();
}

void TDedAdararAdoz::WireCompanions() {
  FSearchFooter->OnChange = [this](TObject* Sender) { UpdateSearchPanel(Sender); };
  FNavigation->OnChange = [this](TObject* Sender) { NavigationChanged(Sender); };
  FBands->OnChange = [this](TObject*) { InvalidateGrid(); };
  FMouseActions->OnChange = [this](TObject* Sender) { MouseActionsChanged(Sender); };
  FMouseActions->OnIsDesigning = [this](TObject* Sender, bool& IsDesigning) {
    GetDesigning(Sender, IsDesigning);
  };
  FMouseActions->OnInvalidate = [this](TObject* Sender) { InvalidateGridSender(Sender); };
  FMouseActions->OnDisableEdit = [this](TObject* Sender) { DisableEditing(Sender); };
  FColumnHeaders->OnChange = [this](TObject* Sender) { ColumnHeadersChanged(Sender); };
  FFixedFont->OnChange = [this](TObject* Sender) { FontRepaint(Sender); };
  FActiveCellFont->OnChange = [this](TObject* Sender) { FontRepaint(Sender); };
  FRowHeaders->OnChange = [this](TObject* Sender) { RowHeadersChanged(Sender); };
  FMergedColumns->OnChange = [this](TObject*, int, int) { MergedColumnsChanged(); };
  FProgressAppearance->OnChange = [this](TObject*) { InvalidateGrid(); };
  FBalloon->OnEnableChange = [this](TObject* Sender) { BalloonEnableChanged(Sender); };
  FShowModified->OnChange = [this](TObject* Sender) { ShowModifiedChanged(Sender); };
}

void TDedAdararAdoz::CreateRunTimeCompanions() {
  // The editors, arrow and focus windows join here as they come; the two
  // cell scroll bars are plain framework scroll bars.
  for (TScrollBar*& bar : FCellScrollBars) {
    bar = new TScrollBar(this);
    bar->SetVisible(false);
  }
  CreateFilterLists();
  CreateEditorCompanions();
}

void TDedAdararAdoz::FreeRunTimeCompanions() {
  for (TScrollBar*& bar : FCellScrollBars) {
    delete bar;
    bar = nullptr;
  }
}

// ---------------------------------------------------------------------------
// Destruction

TDedAdararAdoz::~TDedAdararAdoz() {
  // The editors go first: none may write back into a grid half gone.
  FreeEditorCompanions();
  // The hook must never reach a grid that is gone.
  if (Unit().FocusFrameGrid == this) Unit().FocusFrameGrid = nullptr;

  FreeScrollControls();
  if (!FDesigning) {
    BalloonDone();
    if (FResizeForm != nullptr) {
      FResizeForm->OnResize = FSavedFormResize;
      FResizeForm = nullptr;
    }
  }
  if (FColumnSize->Save()) SaveColSizes();

  // Every cell property and graphic goes with the stores, without showing
  // hidden columns and rows first: the cell store frees what any column
  // (hidden ones included) holds, and the hidden-row store what the hidden
  // rows hold.
  FClearTextOnly = false;
  FSaveHiddenCells = false;

  if (FGridLoaded) SetCursor(FLoadedCursor);

  if (!FDesigning) FreeRunTimeCompanions();
  delete FFooterPanel;
  FFooterPanel = nullptr;
  delete FSearchPanel;
  FSearchPanel = nullptr;
}

// ---------------------------------------------------------------------------
// Copying

void TDedAdararAdoz::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TDedAdararAdoz*>(Source);
  if (src == nullptr) return;

  Font()->Assign(src->Font());
  SetActiveCellColor(src->ActiveCellColor());
  SetActiveCellColorTo(src->ActiveCellColorTo());
  FActiveCellFont->Assign(src->ActiveCellFont());
  SetActiveCellShow(src->ActiveCellShow());
  SetActiveRowShow(src->ActiveRowShow());
  SetAlign(src->Align());
  FFilterDropDown->Assign(src->FilterDropDown());
  FAnchorHint = src->FAnchorHint;
  FAutoNumAlign = src->FAutoNumAlign;
  FAutoSizeColumns = src->FAutoSizeColumns;
  FAutoThemeAdapt = src->FAutoThemeAdapt;
  FAutoFilterUpdate = src->FAutoFilterUpdate;

  FMouseActions->Assign(src->MouseActions());
  FNavigation->Assign(src->Navigation());
  FGrouping->Assign(src->Grouping());
  FSearchFooter->Assign(src->SearchFooter());
  FPrintSettings->Assign(src->PrintSettings());
  FFilter->Assign(src->Filter());
  FHTMLSettings->Assign(src->HTMLSettings());
  FBands->Assign(src->Bands());
  FCellNode->Assign(src->CellNode());
  FSortSettings->Assign(src->SortSettings());
  FDragScrollOptions->Assign(src->DragScrollOptions());
  FDragDropSettings->Assign(src->DragDropSettings());
  FProgressAppearance->Assign(src->ProgressAppearance());
  FColumnSize->Assign(src->ColumnSize());
  FSyncGrid->Assign(src->SyncGrid());
  FFocusHelper->Assign(src->FocusHelper());

  FFixedRowAlways = src->FFixedRowAlways;
  SetColCount(src->ColCount());
  SetRowCount(src->RowCount());
  SetFixedRows(src->FixedRows());
  SetFixedCols(src->FixedCols());
  SetDefaultColWidth(src->DefaultColWidth());
  SetDefaultRowHeight(src->DefaultRowHeight());
  SetFixedRowHeight(src->FixedRowHeight());
  SetFixedColWidth(src->FixedColWidth());
  FInvalidEntryTitle = src->FInvalidEntryTitle;
  FInvalidEntryIcon = src->FInvalidEntryIcon;
  FInvalidEntryText = src->FInvalidEntryText;
  SetOptions(src->Options());
  for (int c = 0; c < ColCount(); ++c) SetColWidths(c, src->ColWidths(c));
  FColumnHeaders->Assign(src->ColumnHeaders());
  for (int r = 0; r < RowCount(); ++r) SetRowHeights(r, src->RowHeights(r));

  FScrollProportional = src->FScrollProportional;
  FScrollSynch = src->FScrollSynch;
  FScrollWidth = src->FScrollWidth;
  FScrollHints = src->FScrollHints;
  FScrollBarAlways = src->FScrollBarAlways;
  SetScrollBars(src->ScrollBars());
  SetScrollColor(src->ScrollColor());
  SetScrollType(src->ScrollType());
  SetScrollWidth(src->ScrollWidth());

  AssignCells(src);
}

void TDedAdararAdoz::AssignCells(TPersistent* Source) {
  auto* src = dynamic_cast<TDedAdararAdoz*>(Source);
  if (src == nullptr || src == this) return;
  // Texts and cell properties of every real column, hidden ones too; the
  // copy hides the same columns so real indexes mean the same in both.
  UnHideColumnsAll();
  const int cols = src->TotalColCount();
  const int rows = src->RowCount();
  if (ColCount() != cols) SetColCount(cols);
  if (RowCount() < rows) SetRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      SetGridCell(c, r, src->GetGridCell(c, r));
      if (TCellProperties* p = src->GetGridObject(c, r)) {
        auto copy = std::make_unique<TCellProperties>(this, c, r);
        copy->Assign(p);
        copy->SetOwnerCol(c);
        copy->SetOwnerRow(r);
        SetCellProperties(c, r, copy.release());
      } else if (GetGridObject(c, r) != nullptr) {
        FreeCellProperties(c, r);
      }
    }
  }
  for (int c = 0; c < cols; ++c) {
    if (!src->IsHiddenColumn(c)) continue;
    HideColumn(c);
    SetAllColWidths(c, src->AllColWidths(c));
  }
  InvalidateGrid();
}

// ---------------------------------------------------------------------------
// After loading

void TDedAdararAdoz::Loaded() {
  TBaseGrid::Loaded();
  FLoadedCursor = Cursor();
  ShowColumnHeaders();
  ShowRowHeaders();

  if (FLook == glVyx) {
    // Loading stored the look without its preset: apply it now.
    FLook = glCustom;
    SetLook(glVyx);
  }
  if (FAutoSizeColumns) AutoSizeColumns(false, 4);
  if (FColumnSize->Save()) LoadColSizes();

  FMinFixedRows = FixedRows();
  FMinFixedCols = FixedCols();
  FMinRowHeight = DefaultRowHeight();
  FMinColWidth = 10;
  FMaxRowCount = RowCount();
  FGridLoaded = true;

  if (Options().Contains(goAlwaysShowEditor)) {
    SetOptions(Options() >> goAlwaysShowEditor);
    FNavigation->SetAlwaysEdit(true);
  }
  if (!FIsXP && FControlLook->ControlStyle() == csTheme && !FDesigning)
    FControlLook->SetControlStyle(csClassic);

  FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
  UpdateSearchPanel(FSearchFooter.get());
  UpdateScrollBarAlways(false);
  if (FAutoThemeAdapt && !FDesigning) FollowOfficeTheme();

  InitOrigColSizes();
  SetColumnOrder();
  if (FBalloon->Enable()) BalloonInit();
}

void TDedAdararAdoz::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent != nullptr) {
    if (AComponent == static_cast<TComponent*>(FCellChecker)) FCellChecker = nullptr;
    if (AComponent == static_cast<TComponent*>(FGridImages)) FGridImages = nullptr;
    if (AComponent == static_cast<TComponent*>(FPictureContainer)) FPictureContainer = nullptr;
    if (AComponent == static_cast<TComponent*>(FFixedDropDownMenu)) FFixedDropDownMenu = nullptr;
    if (AComponent == FFooterPanel) FFooterPanel = nullptr;
    if (AComponent == FSearchPanel) FSearchPanel = nullptr;
    for (TScrollBar*& bar : FCellScrollBars)
      if (AComponent == bar) bar = nullptr;
    // By address: a notifier being destroyed is no longer one by type.
    std::erase_if(FNotifiers, [AComponent](TGridChangeNotifier* n) { return n == AComponent; });
    if (!ComponentState().Contains(csDestroying) && FSyncGrid != nullptr && FSyncGrid->Grid() == AComponent)
      FSyncGrid->SetGrid(nullptr);
  }
  TBaseGrid::Notification(AComponent, Operation);
}

void TDedAdararAdoz::SetCellChecker(TDedAdararAdozCheck* Value) {
  FCellChecker = Value;
  if (Value != nullptr) FreeNotification(Value);
}

// ---------------------------------------------------------------------------
// Repaint, resize, bounds

void TDedAdararAdoz::Invalidate() {
  if (FEditChange) {
    // The editor's own change asked for this one: it paints itself.
    FEditChange = false;
    return;
  }
  TBaseGrid::Invalidate();
  if (!ComponentState().Contains(csLoading) && FFloatingFooter != nullptr && FFloatingFooter->Visible() &&
      FFooterPanel != nullptr)
    FFooterPanel->Invalidate();
}

void TDedAdararAdoz::Resize() {
  TBaseGrid::Resize();
  if ((FBackGround->Display() == bdGradientHorz || FBackGround->Display() == bdGradientVert) &&
      FBackGround->ColorTo() != clNone)
    InvalidateGrid();
  UpdateScrollBarAlways(false);
  CellControlsUpdate(false);
  if (FDesigning) InvalidateGrid();
}

void TDedAdararAdoz::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
    const bool allColumnsFit = VisibleColCount() + TCustomGrid::FixedCols() >= ColCount();
    const int h = allColumnsFit ? 0 : GetSystemMetrics(SM_CYHSCROLL);
    const int b = BorderStyle() == bsSingle ? 2 : 0;
    int content = AHeight - h - b;
    if (content > 0) content -= content % DefaultRowHeight();
    AHeight = h + content + 2 * b;
  }
  TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (Parent() != nullptr && Parent()->HandleAllocated()) RepaintBorder();
}

void TDedAdararAdoz::SetIntegralHeight(bool Value) {
  FIntegralHeight = Value;
  SetBounds(Left(), Top(), Width(), Height());
}

TCustomForm* TDedAdararAdoz::FindParentForm(TControl* AControl) {
  for (TControl* c = AControl; c != nullptr; c = c->Parent())
    if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
  return nullptr;
}

void TDedAdararAdoz::OwnerFormResize(TObject* Sender) {
  if (FDesigning || ComponentState().Contains(csDestroying)) return;
  if (auto* form = dynamic_cast<TCustomForm*>(Sender); form != nullptr && FSizeWithForm) {
    const int w = form->Width() + Width() - PrevSizeX;
    const int h = form->Height() + Height() - PrevSizeY;
    // A change that would leave the grid no size is not followed.
    if (w > 0 && h > 0) {
      SetBounds(Left(), Top(), w, h);
      PrevSizeX = form->Width();
      PrevSizeY = form->Height();
    }
  }
  if (ResizeAssigned && FSavedFormResize) {
    try {
      FSavedFormResize(Sender);
    } catch (...) {
      // The form's own handler must not stop the grid following it.
    }
  }
  // The grid may have a new width: the stretch column fills it again.
  if (FColumnSize->Stretch()) StretchColumn(FColumnSize->StretchColumn());
}

// ---------------------------------------------------------------------------
// The window

void TDedAdararAdoz::CreateWnd() {
  if (ComponentState().Contains(csDestroying)) return;
  TBaseGrid::CreateWnd();
  if (Parent() == nullptr) return;

  if (!FDesigning) {
    if (FScrollType == ssMetro) CreateScrollControls();
    for (TScrollBar* bar : FCellScrollBars) {
      if (bar == nullptr) continue;
      bar->SetParent(this);
      bar->SetVisible(false);
      bar->SetKind(sbVertical);
      bar->SetTabStop(false);
      bar->SetCtl3D(false);
    }
    if (FBalloon->Enable()) BalloonInit();
  }
  if (FFooterPanel != nullptr) {
    FFooterPanel->SetParent(this);
    FFooterPanel->SetVisible(FFloatingFooter->Visible());
  }
  if (FSearchPanel != nullptr) {
    FSearchPanel->SetParent(this);
    FSearchPanel->SetVisible(FSearchFooter->Visible());
    FSearchPanel->SetHeight(FSearchFooter->Visible() ? 32 : 0);
  }
  if (FColumnSize->Save()) LoadColSizes();

  FTimerStarted = SetTimer(Handle(), kGridTimerId, kGridTimerInterval) != 0;
  UpdateDropTarget();

  if (FDesigning && !FGridLoaded && !ComponentState().Contains(csLoading)) Font()->SetName("Tahoma");

  // The XP look stays only while the visual styles are on.
  FIsXP = FIsXP && VisualStylesActiveQuery()();

  UINT lines = 3;
  if (!SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
  FWheelScrollLines = lines == static_cast<UINT>(-1) ? VisibleRowCount() : static_cast<int>(lines);
  FWheelMessage = WM_MOUSEWHEEL;
  FWheelPan = false;

  if (FScrollType != ssNormal && !ComponentState().Contains(csLoading)) {
    InitFlatScrollBars();
    UpdateFlatScrollBars();
  }
}

void TDedAdararAdoz::DestroyWnd() {
  EndPanning();
  if (FTimerStarted && HandleAllocated()) KillTimer(Handle(), kGridTimerId);
  FTimerStarted = false;
  if (FDropTargetRegistered && HandleAllocated()) RevokeDragDrop(Handle());
  FDropTargetRegistered = false;
  TBaseGrid::DestroyWnd();
}

void TDedAdararAdoz::WndProc(TMessage& Message) {
  const UINT editDone = Unit().GridEditDoneMessage;
  if (editDone != 0 && Message.Msg == editDone) {
    if (OnEditCellDone)
      OnEditCellDone(this, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
    if (FMouseActions->EditOnDblClickOnly()) {
      HideInplaceEdit();
      SetEditorMode(false);
      SetOptions(Options() >> goEditing);
    }
    return;
  }
  if ((Message.Msg == kWmThemeChanged || Message.Msg == kThemeNotifierMessage) && FAutoThemeAdapt)
    FollowOfficeTheme();
  if (Message.Msg == WM_NCPAINT) {
    // The grid's own border goes over the edge the framework drew.
    TBaseGrid::WndProc(Message);
    if (FUpdateCount == 0) PaintBorder(reinterpret_cast<TCanvas*>(Message.WParam));
    Message.Result = 0;
    return;
  }
  // A resizer drag the window system cancels pastes nothing, also not at a
  // later release.
  if (Message.Msg == WM_CANCELMODE) FMouseResize = false;
  // A frame of its own on the screen must not outlive the grid there.
  if (Message.Msg == CM_SHOWINGCHANGED && !Showing()) HideFocusWindow();
  if (Message.Msg == CM_DESIGNHITTEST && FDesigning) {
    TBaseGrid::WndProc(Message);
    DesignHitTest(Message);
    return;
  }
  if (InputWindowMessage(Message)) return;
  if (Message.Msg == WM_NOTIFY && BalloonNotify(Message)) return;
  TBaseGrid::WndProc(Message);
}

void TDedAdararAdoz::WMTimer(TMessage& Message) {
  if (Message.WParam == kGridTimerId) {
    GridTimer();
    return;
  }
  if (Message.WParam == kDragScrollTimerId) {
    DragScrollTimer();
    return;
  }
  TBaseGrid::WMTimer(Message);
}

// ---------------------------------------------------------------------------
// Companion writes copy the settings into the grid's own objects

void TDedAdararAdoz::SetSearchFooter(TSearchFooter* Value) { FSearchFooter->Assign(Value); }
void TDedAdararAdoz::SetFloatingFooter(TFloatingFooter* Value) { FFloatingFooter->Assign(Value); }
void TDedAdararAdoz::SetPrintSettings(TPrintSettings* Value) { FPrintSettings->Assign(Value); }
void TDedAdararAdoz::SetHTMLSettings(THTMLSettings* Value) { FHTMLSettings->Assign(Value); }
void TDedAdararAdoz::SetSortSettings(TSortSettings* Value) { FSortSettings->Assign(Value); }
void TDedAdararAdoz::SetDragDropSettings(TDragDropSettings* Value) { FDragDropSettings->Assign(Value); }
void TDedAdararAdoz::SetDragScrollOptions(TDragScrollOptions* Value) { FDragScrollOptions->Assign(Value); }
void TDedAdararAdoz::SetControlLook(TControlLook* Value) { FControlLook->Assign(Value); }
void TDedAdararAdoz::SetNavigation(TNavigation* Value) { FNavigation->Assign(Value); }
void TDedAdararAdoz::SetColumnSize(TColumnSize* Value) { FColumnSize->Assign(Value); }
void TDedAdararAdoz::SetCellNode(TCellNode* Value) { FCellNode->Assign(Value); }
void TDedAdararAdoz::SetBands(TBands* Value) { FBands->Assign(Value); }
void TDedAdararAdoz::SetSizeWhileTyping(TSizeWhileTyping* Value) { FSizeWhileTyping->Assign(Value); }
void TDedAdararAdoz::SetMouseActions(TMouseActions* Value) { FMouseActions->Assign(Value); }
void TDedAdararAdoz::SetGrouping(TGrouping* Value) { FGrouping->Assign(Value); }
void TDedAdararAdoz::SetFocusHelper(TFocusHelper* Value) { FFocusHelper->Assign(Value); }
void TDedAdararAdoz::SetSyncGrid(TSyncGrid* Value) { FSyncGrid->Assign(Value); }
void TDedAdararAdoz::SetProgressAppearance(TGridProgressAppearance* Value) {
  FProgressAppearance->Assign(Value);
}
void TDedAdararAdoz::SetBalloon(TBalloonSettings* Value) { FBalloon->Assign(Value); }
void TDedAdararAdoz::SetShowModified(TShowModified* Value) { FShowModified->Assign(Value); }
void TDedAdararAdoz::SetFilterDropDown(TFilterDropDown* Value) { FFilterDropDown->Assign(Value); }

void TDedAdararAdoz::SetBackGround(TBackGround* Value) {
  FBackGround->Assign(Value);
  InvalidateGrid();
}

void TDedAdararAdoz::SetFixedFont(TFont* Value) { FFixedFont->Assign(Value); }

void TDedAdararAdoz::SetActiveCellFont(TFont* Value) {
  FActiveCellFont->Assign(Value);
  InvalidateGrid();
}

// A shorter list must not leave the old headers behind in row 0.
void TDedAdararAdoz::SetColumnHeaders(TStrings* Value) {
  FColumnHeaders->Assign(Value);
  if (HasHeaderRow()) ClearColumnHeaders();
  ShowColumnHeaders();
}

void TDedAdararAdoz::SetRowHeaders(TStrings* Value) {
  FRowHeaders->Assign(Value);
  if (Designing() && HasHeaderColumn()) ClearRowHeaders();
  ShowRowHeaders();
}

void TDedAdararAdoz::SetRowIndicator(TBitmap* Value) {
  FRowIndicator->Assign(Value);
  RepaintCell(0, Row());
}

void TDedAdararAdoz::FontRepaint(TObject*) { InvalidateGrid(); }

// Every column is split and the listed ones merged anew, the first listed
// one as the main merge; a listed column the grid does not have is passed.
void TDedAdararAdoz::MergedColumnsChanged() {
  for (int c = 0; c < ColCount(); ++c) SplitColumnCells(c);
  for (int i = 0; i < FMergedColumns->Count(); ++i) {
    const int c = FMergedColumns->Items(i);
    if (c >= 0 && c < ColCount()) MergeColumnCells(c, i == 0);
  }
}

void TDedAdararAdoz::ColumnHeadersChanged(TObject*) {
  SyncColumnHeaders();
  ShowColumnHeaders();
}

void TDedAdararAdoz::RowHeadersChanged(TObject*) { ShowRowHeaders(); }

// Header entry i goes into row 0 of real column i (the column grid's item
// i), hidden columns included; row headers into column 0 by row.
// Entries are typed with backslash-n where a header breaks its line.
void TDedAdararAdoz::ShowColumnHeaders() {
  if (!HasHeaderRow()) return;
  const int n = std::min(FColumnHeaders->Count(), TotalColCount());
  for (int c = 0; c < n; ++c) SetCellEx(c, 0, DecodeLineBreaks(FColumnHeaders->Strings(c)));
}

void TDedAdararAdoz::ShowRowHeaders() {
  if (!HasHeaderColumn()) return;
  const int n = std::min(FRowHeaders->Count(), RowCount());
  for (int r = 0; r < n; ++r) SetCellEx(0, r, DecodeLineBreaks(FRowHeaders->Strings(r)));
}

void TDedAdararAdoz::ClearColumnHeaders() {
  for (int c = 0; c < ColCount(); ++c) SetCellEx(c, 0, "");
}

void TDedAdararAdoz::ClearRowHeaders() {
  for (int r = 0; r < RowCount(); ++r) SetCellEx(0, r, "");
}

bool TDedAdararAdoz::HasHeaderRow() const { return TCustomGrid::FixedRows() >= 1 || FFixedRowAlways; }
bool TDedAdararAdoz::HasHeaderColumn() const { return TCustomGrid::FixedCols() >= 1 || FFixedColAlways; }

void TDedAdararAdoz::BalloonEnableChanged(TObject*) {
  if (ComponentState().Contains(csLoading)) return;
  if (FBalloon->Enable())
    BalloonInit();
  else
    BalloonDone();
}

void TDedAdararAdoz::ShowModifiedChanged(TObject*) { RepaintCol(0); }

// ---------------------------------------------------------------------------
// Settings with rules of their own

void TDedAdararAdoz::SetXYOffset(TPoint Value) {
  FXYOffset = Value;
  InvalidateGrid();
}

void TDedAdararAdoz::SetWordWrap(bool Value) {
  FWordWrapEx = Value;
  TBaseGrid::SetWordWrap(Value);
  // The grid's own text editor follows it when it is made.
  if (FUpdateCount == 0) InvalidateGrid();
}

void TDedAdararAdoz::SetDefaultAlignment(TAlignment Value) {
  if (Value == FDefaultAlignment) return;
  FDefaultAlignment = Value;
  InvalidateGrid();
}

void TDedAdararAdoz::SetScrollBars(TScrollStyle Value) {
  FScrollBars = Value;
  TBaseGrid::SetScrollBars(Value);
}

std::string TDedAdararAdoz::Version() const {
  uint32_t v = GetVersionNr();
  return std::to_string((v >> 24) & 0xFF) + "." + std::to_string((v >> 16) & 0xFF) + "." +
         std::to_string((v >> 8) & 0xFF) + "." + std::to_string(v & 0xFF);
}
