#pragma once
// The grid drop-down: a drop-down edit whose pop-up is a whole grid
// (TVevColGrid, a TDedAdararAdoz). The grid shows the control's items (one
// row per item, one text per column) or rows the application writes into
// the pop-up grid itself (UseItems off). The edit shows the lookup column
// of the chosen row; typing completes the text from the items and looks it
// up in the lookup column, or narrows the grid down to matching rows.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/dropdown/VevDropDown.h"
#include "controls/dropdown/VevDropDownColumns.h"
#include "grid/model/DivUzev.h"

class TCustomDivUzevDropDown;

namespace VevCustomGridDropDown {
using TDropDownColumn = TDropDownColumnT<1>;
using TDropDownColumns = TDropDownColumnsT<1>;
using TDropDownItem = TDropDownItemT<1>;
using TDropDownItems = TDropDownItemsT<1>;

using TGetCellPropEvent =
    std::function<void(TObject* Sender, int Column, int Row, TFont* Font, TColor& AColor, TColor& AColorTo)>;
using TGetCellTextEvent = std::function<void(TObject* Sender, int Column, int Row, std::string& Text)>;

// The pop-up grid: one header row, whole-row selection, no border. A click
// on a data row or Return fires OnSelect once.
class TVevColGrid : public TDedAdararAdoz {
 public:
  explicit TVevColGrid(TComponent* AOwner);
  ~TVevColGrid() override;

  void SetDropDown(TCustomDivUzevDropDown* DropDown) { FVevDropDown = DropDown; }
  TCustomDivUzevDropDown* DropDown() const { return FVevDropDown; }
  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TDropDownColumns* Value) { FColumns->Assign(Value); }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value) { FHeaderFont->Assign(Value); }
  int ColGridLineWidth() const { return FGridLineWidth; }
  void SetColGridLineWidth(int Value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value) { FImages = Value; }
  bool MouseWheelSelection() const { return FMouseWheelSelection; }
  bool ConfirmSelection() const { return FConfirmSelection; }
  void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }

  // 2 x the border + every column, + a vertical bar when not all rows fit.
  int PreferredWidth();
  void FillFromItems();
  void SyncFromDropDown(TCustomDivUzevDropDown* DropDown);
  void AutoSizeColumn(int Index);
  void AutoSizeColumnsByItems();
  void AutoSizeRows();

  TDrawCellEvent OnDrawCell;
  TGetCellPropEvent OnGetCellProp;
  TGetCellTextEvent OnGetCellText;
  TNotifyEvent OnSelect;

  void WndProc(TMessage& Message) override;

 protected:
  virtual void DoSelect();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

 private:
  // The pop-up form's canvas, or nullptr when the grid is not on it.
  TCanvas* MeasureCanvas() const;
  TDropDownItem* ItemOfDataRow(int Row) const;

  TCustomDivUzevDropDown* FVevDropDown = nullptr;
  std::unique_ptr<TDropDownColumns> FColumns;
  TColor FHeaderColor = 0xFFFFFF;
  TColor FHeaderColorTo = 0x808080;
  TColor FLineColor = 0x808080;
  TImageList* FImages = nullptr;
  int FHeaderHeight = 25;
  std::unique_ptr<TFont> FHeaderFont;
  TColor FFixedLineColor = 0x808080;
  int FGridLineWidth = 1;
  bool FMouseWheelSelection = false;
  bool FConfirmSelection = false;
};
}  // namespace VevCustomGridDropDown

enum TDropDownStyle { dsDropDown, dsDropDownList };
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };
enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };

class TCustomDivUzevDropDown : public TVevUrizazEvuvUduz {
 public:
  using TVevColGrid = VevCustomGridDropDown::TVevColGrid;
  using TDropDownColumns = VevCustomGridDropDown::TDropDownColumns;
  using TDropDownItems = VevCustomGridDropDown::TDropDownItems;

  explicit TCustomDivUzevDropDown(TComponent* AOwner);
  ~TCustomDivUzevDropDown() override;

  // ---- Data
  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TDropDownColumns* Value) { FColumns->Assign(Value); }
  TDropDownItems* Items() const { return FItems.get(); }
  void SetItems(TDropDownItems* Value) { FItems->Assign(Value); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // The number of items, whatever UseItems says.
  int RowCount() const { return FItems->Count(); }
  // Items with UseItems, else the pop-up grid's data rows.
  int ItemCount() const;
  bool UseItems() const { return FUseItems; }
  void SetUseItems(bool Value) { FUseItems = Value; }
  // Writes the text without completing it (a value set, not typed).
  void WriteQuiet(const std::string& Value);
  int LookupColumn() const { return FLookupColumn; }
  void SetLookupColumn(int Value) { FLookupColumn = Value; }
  TLookupMethod LookupMethod() const { return FLookupMethod; }
  void SetLookupMethod(TLookupMethod Value) { FLookupMethod = Value; }
  TDropDownStyle Style() const { return FStyle; }
  void SetStyle(TDropDownStyle Value);
  TVevColGrid* GetGrid() const;

  void BeginUpdate() {}
  void EndUpdate() { FillLookupItems(); }

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void SelectNextPage();
  void SelectPreviousPage();

  // The first candidate of the lookup column that begins with Text.
  bool LookupText(const std::string& Text, std::string& FullText, int& Row);
  void FillLookupItems();
  // The typed lookup of one character: a row (or item) or -1.
  int LookupKey(char32_t Key);
  const std::string& LookupEntry() const { return FLookupEntry; }
  int ItemOfRow(int Row) const;
  int RowOfItem(int Index) const;

  // ---- Settings
  bool AutoShowDropDown() const { return FAutoShowDropDown; }
  void SetAutoShowDropDown(bool Value) { FAutoShowDropDown = Value; }
  bool AutoSizeColumns() const { return FAutoSizeColumns; }
  void SetAutoSizeColumns(bool Value) { FAutoSizeColumns = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
  bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
  void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
  int DropDownRowHeight() const { return FDropDownRowHeight; }
  void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  TBands* Bands() const { return FBands.get(); }
  void SetBands(TBands* Value) { FBands->Assign(Value); }
  bool ColumnSizing() const { return FColumnSizing; }
  void SetColumnSizing(bool Value) { FColumnSizing = Value; }
  bool ColumnMoving() const { return FColumnMoving; }
  void SetColumnMoving(bool Value) { FColumnMoving = Value; }
  bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
  void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
  bool GridEditable() const { return FGridEditable; }
  void SetGridEditable(bool Value) { FGridEditable = Value; }
  TImageList* GridImages() const { return FGridImages; }
  void SetGridImages(TImageList* Value);
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value) { FHeaderFont->Assign(Value); }
  bool HoverRow() const { return FHoverRow; }
  void SetHoverRow(bool Value) { FHoverRow = Value; }
  TColor HoverRowColor() const { return FHoverRowColor; }
  void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
  TColor HoverRowColorTo() const { return FHoverRowColorTo; }
  void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
  TMouseActions* MouseActions() const { return FMouseActions.get(); }
  void SetMouseActions(TMouseActions* Value) { FMouseActions->Assign(Value); }
  TNavigation* Navigation() const { return FNavigation.get(); }
  void SetNavigation(TNavigation* Value) { FNavigation->Assign(Value); }
  bool RowSizing() const { return FRowSizing; }
  void SetRowSizing(bool Value) { FRowSizing = Value; }
  bool RowMoving() const { return FRowMoving; }
  void SetRowMoving(bool Value) { FRowMoving = Value; }
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value) { FRowSelect = Value; }
  TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
  void SetSearchFooter(TSearchFooter* Value) { FSearchFooter->Assign(Value); }
  TGridSorting Sorting() const { return FSorting; }
  void SetSorting(TGridSorting Value) { FSorting = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  bool MatchCase() const { return FMatchCase; }
  void SetMatchCase(bool Value) { FMatchCase = Value; }
  bool MatchStart() const { return FMatchStart; }
  void SetMatchStart(bool Value) { FMatchStart = Value; }

  // ---- Events
  TNotifyEvent OnSelect;
  // The pop-up grid's events, re-published (Sender is the pop-up grid
  // unless the grid's event says otherwise).
#define CF_GRID_EVENT(Name) decltype(TDedAdararAdoz::On##Name) OnGrid##Name;
  CF_GRID_EVENT(AnchorClick)
  CF_GRID_EVENT(CellBalloon)
  CF_GRID_EVENT(AnchorHint)
  CF_GRID_EVENT(AnchorEnter)
  CF_GRID_EVENT(AnchorExit)
  CF_GRID_EVENT(ButtonClick)
  CF_GRID_EVENT(CanSort)
  CF_GRID_EVENT(ClickSort)
  CF_GRID_EVENT(CustomCompare)
  CF_GRID_EVENT(RawCompare)
  CF_GRID_EVENT(ColumnSize)
  CF_GRID_EVENT(ColumnSizing)
  CF_GRID_EVENT(EndColumnSize)
  CF_GRID_EVENT(RowSize)
  CF_GRID_EVENT(RowSizing)
  CF_GRID_EVENT(EndRowSize)
  CF_GRID_EVENT(RowMove)
  CF_GRID_EVENT(RowMoving)
  CF_GRID_EVENT(ColumnMove)
  CF_GRID_EVENT(ColumnMoving)
  CF_GRID_EVENT(RowMoved)
  CF_GRID_EVENT(ColumnMoved)
  CF_GRID_EVENT(CustomCellDraw)
  CF_GRID_EVENT(CustomCellBkgDraw)
  CF_GRID_EVENT(GetAlignment)
  CF_GRID_EVENT(GetCellColor)
  CF_GRID_EVENT(GetCellGradient)
  CF_GRID_EVENT(GetFloatFormat)
  CF_GRID_EVENT(GetEditorType)
  CF_GRID_EVENT(GetEditorProp)
  CF_GRID_EVENT(CanEditCell)
  CF_GRID_EVENT(EllipsClick)
  decltype(TDedAdararAdoz::OnGetDisplText) OnGridGetDiplText;
  CF_GRID_EVENT(GetFormat)
  CF_GRID_EVENT(MouseMove)
  CF_GRID_EVENT(MouseDown)
  CF_GRID_EVENT(MouseUp)
  CF_GRID_EVENT(KeyDown)
  CF_GRID_EVENT(KeyUp)
  CF_GRID_EVENT(KeyPress)
  CF_GRID_EVENT(RightClickCell)
  CF_GRID_EVENT(ScrollHint)
  CF_GRID_EVENT(TopLeftChanged)
  CF_GRID_EVENT(SearchEditChange)
  CF_GRID_EVENT(SpinClick)
  CF_GRID_EVENT(AutoAddRow)
  decltype(TDedAdararAdoz::OnAutoInsertRow) OnGridInsertRow;
  decltype(TDedAdararAdoz::OnAutoInsertCol) OnGridInsertCol;
  decltype(TDedAdararAdoz::OnAutoDeleteRow) OnGridDeleteRow;
  CF_GRID_EVENT(CanAddRow)
  CF_GRID_EVENT(CanInsertRow)
  CF_GRID_EVENT(CanDeleteRow)
  CF_GRID_EVENT(CheckBoxClick)
#undef CF_GRID_EVENT
  decltype(TDedAdararAdoz::OnGridHint) OnGridHint;

  void SetSelectionColorStyle(TSelectionColorStyle Style) override;
  void SetComponentStyle(TVyxStyle AStyle) override;
  void HideDropDownEx(bool Cancel) override;
  void DropDownSizing(TObject* Sender) override;
  void WndProc(TMessage& Message) override;

 protected:
  virtual TDropDownItems* CreateItems(TPersistent* AOwner);
  // The pop-up grid's events reach the published OnGrid... handlers through
  // these; a descendant may override any of them.
  virtual void DoGridAnchorClick(TObject* Sender, int ARow, int ACol, const std::string& Anchor,
                                 bool& AutoHandle);
  virtual void DoGridAnchorEnter(TObject* Sender, int ARow, int ACol, const std::string& Anchor);
  virtual void DoGridAnchorExit(TObject* Sender, int ARow, int ACol, const std::string& Anchor);
  virtual void DoGridAnchorHint(TObject* Sender, int ARow, int ACol, std::string& Anchor);
  virtual void DoGridButtonClick(TObject* Sender, int ACol, int ARow);
  virtual void DoGridCanSort(TObject* Sender, int ACol, bool& DoSort);
  virtual void DoGridClickSort(TObject* Sender, int ACol);
  virtual void DoGridCustomCompare(TObject* Sender, const std::string& Str1, const std::string& Str2,
                                   int& Res);
  virtual void DoGridRawCompare(TObject* Sender, int ACol, int Row1, int Row2, int& Res);
  virtual void DoGridColumnSize(TObject* Sender, int ACol, bool& Allow);
  virtual void DoGridColumnSizing(TObject* Sender, int Index, int Size);
  virtual void DoGridEndColumnSize(TObject* Sender, int ACol);
  virtual void DoGridRowSize(TObject* Sender, int ARow, bool& Allow);
  virtual void DoGridRowSizing(TObject* Sender, int Index, int Size);
  virtual void DoGridEndRowSize(TObject* Sender, int ARow);
  virtual void DoGridRowMove(TObject* Sender, int Index, bool& Allow);
  virtual void DoGridRowMoving(TObject* Sender, int Index, bool& Allow);
  virtual void DoGridRowMoved(TObject* Sender, int FromIndex, int ToIndex);
  virtual void DoGridColumnMove(TObject* Sender, int Index, bool& Allow);
  virtual void DoGridColumnMoving(TObject* Sender, int Index, bool& Allow);
  virtual void DoGridColumnMoved(TObject* Sender, int FromIndex, int ToIndex);
  virtual void DoGridCustomCellDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                    TGridDrawState AState, TRect ARect, bool Printing);
  virtual void DoGridCustomCellBkgDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                       TGridDrawState AState, TRect ARect, bool Printing);
  virtual void DoGridCellBalloon(TObject* Sender, int ACol, int ARow, std::string& ATitle, std::string& AText,
                                 TBalloonIcon& AIcon);
  virtual void DoGridGetAlignment(TObject* Sender, int ARow, int ACol, TAlignment& HAlign,
                                  TVAlignment& VAlign);
  virtual void DoGridGetCellColor(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush,
                                  TFont* AFont);
  virtual void DoGridGetCellGradient(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                                     TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD);
  virtual void DoGridGetFloatFormat(TObject* Sender, int ACol, int ARow, bool& IsFloat,
                                    std::string& FloatFormat);
  virtual void DoGridGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
  virtual void DoGridGetEditorProp(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink);
  virtual void DoGridCanEditCell(TObject* Sender, int ARow, int ACol, bool& CanEdit);
  virtual void DoGridEllipsClick(TObject* Sender, int ACol, int ARow, std::string& S);
  virtual void DoGridGetDisplText(TObject* Sender, int ACol, int ARow, std::string& Value);
  virtual void DoGridGetFormat(TObject* Sender, int ACol, TSortStyle& AStyle, std::string& APrefix,
                               std::string& ASuffix);
  virtual void DoGridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr);
  virtual void DoGridMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  virtual void DoGridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DoGridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DoGridKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  virtual void DoGridKeyUp(TObject* Sender, WORD& Key, TShiftState Shift);
  virtual void DoGridKeyPress(TObject* Sender, char32_t& Key);
  virtual void DoGridRightClickCell(TObject* Sender, int ARow, int ACol);
  virtual void DoGridScrollHint(TObject* Sender, int ARow, std::string& hintstr);
  virtual void DoGridTopLeftChanged(TObject* Sender);
  virtual void DoGridSearchEditChange(TObject* Sender, const std::string& Value, bool& DefaultSearch);
  virtual void DoGridSpinClick(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown);
  virtual void DoGridAutoAddRow(TObject* Sender, int ARow);
  virtual void DoGridAutoInsertRow(TObject* Sender, int ARow);
  virtual void DoGridAutoInsertCol(TObject* Sender, int ACol);
  virtual void DoGridAutoDeleteRow(TObject* Sender, int ARow);
  virtual void DoGridCanAddRow(TObject* Sender, bool& CanAdd);
  virtual void DoGridCanInsertRow(TObject* Sender, int ARow, bool& CanInsert);
  virtual void DoGridCanDeleteRow(TObject* Sender, int ARow, bool& CanDelete);
  uint32_t GetVersionNr() const override;
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void AfterDropDown(int& Height) override;
  void DoShowDropDown() override;
  void AdaptDropDownControl() override;
  void UpdateDropDownSize() override;
  void ControlKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) override;
  void ControlKeyUp(TObject* Sender, WORD& Key, TShiftState Shift) override;
  void ControlKeyPress(TObject* Sender, char32_t& Key) override;
  void DoWheelDown() override;
  void DoWheelUp() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Change() override;
  void DoEnter() override;

  void SizeColumnsToDropDown();
  void BindGridEvents();
  void BlockedCall(const std::function<void()>& Call);

 private:
  void HandleWmKeyDown(TMessage& Message);
  void HandleWmChar(TMessage& Message);
  void GridSelect(TObject* Sender);
  void GridSelectCell(int ARow);
  void GridStartBlockFocus(TObject* Sender);
  void GridEndBlockFocus(TObject* Sender);
  void GridCanSort(TObject* Sender, int ACol, bool& DoSort);
  void GridSortDone(TObject* Sender, int ACol);
  void GridKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  int LookupColumnPos(int Index) const;
  int PrefixChars() const;
  bool FInChange = false;
  bool FInGridSelect = false;
  // The text the pop-up grid is narrowed down to.
  std::string FNarrowed;
  void NarrowTo(const std::string& S);
  // With items the rows are narrowed from the items themselves: the grid
  // shows the items of FNarrowRows (while FNarrowActive), in item order.
  void NarrowItems(const std::string& S);
  void ShowAllItems();
  bool FNarrowActive = false;
  std::vector<int> FNarrowRows;
  // The upper-cased lookup texts, made once for a list of items.
  std::vector<std::string> FUpperLookup;
  int FUpperColumn = -1;

  bool FDesignTime = false;
  bool FBalloonInit = false;
  bool FCaseSensitive = false;
  bool FColumnSizing = false;
  bool FColumnMoving = false;
  int FLookupColumn = 0;
  TLookupMethod FLookupMethod = lmLookup;
  TColor FHeaderColorTo = 0x808080;
  TColor FHeaderColor = 0xFFFFFF;
  TColor FLineColor = 0xC0C0C0;
  bool FUseItems = true;
  std::unique_ptr<TDropDownItems> FItems;
  std::unique_ptr<TDropDownColumns> FColumns;
  int FItemIndex = -1;
  int FHeaderHeight = 25;
  std::unique_ptr<TFont> FHeaderFont;
  TVevColGrid* FVevColGrid = nullptr;
  TColor FFixedLineColor = 0xC0C0C0;
  int FSelRow = -1;
  bool workmode = true;
  bool FRowSelect = true;
  bool FReturnIsTab = false;
  std::unique_ptr<TStringList> FLookupItems;
  bool FMatchCase = false;
  bool FMatchStart = true;
  bool FItemChange = false;
  int FItemIdx = -1;
  int FItemSel = 0;
  std::unique_ptr<TSearchFooter> FSearchFooter;
  std::unique_ptr<TBands> FBands;
  std::unique_ptr<TNavigation> FNavigation;
  std::unique_ptr<TMouseActions> FMouseActions;
  int FOldItemIndex = -1;
  bool FDropDownAutoWidth = true;
  bool FColumnSizeWithDropDown = true;
  TColor FSelectionTextColor = 0;
  int FDropDownRowHeight = 22;
  int FTempItemIndex = -1;
  TDropDownStyle FStyle = dsDropDown;
  std::string FLookupEntry;
  bool FHoverRow = false;
  TColor FHoverRowColor = clInfoBk;
  TColor FHoverRowColorTo = clNone;
  TGridSorting FSorting = gsNone;
  bool FGridEditable = false;
  TImageList* FGridImages = nullptr;
  bool FRowMoving = false;
  bool FRowSizing = false;
  bool FAutoShowDropDown = false;
  bool FAutoSizeColumns = true;
};
