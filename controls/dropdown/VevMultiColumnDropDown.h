#pragma once
// The multi-column drop-down: its pop-up is a list of several columns
// under a header row; each item is a row of texts (and an image). The edit
// shows the lookup column of the chosen item, and typing completes the
// text from that column.
#include <memory>
#include <string>

#include "controls/dropdown/VevDropDown.h"
#include "controls/dropdown/VevDropDownColumns.h"
#include "framework/grids/Grids.h"

class TVevMultiColumnDropDown;

namespace VevMultiColumnDropDown {
using TDropDownColumn = TDropDownColumnT<2>;
using TDropDownColumns = TDropDownColumnsT<2>;
using TDropDownItem = TDropDownItemT<2>;
using TDropDownItems = TDropDownItemsT<2>;

// The list: a string grid that draws its cells itself from the columns and
// items of its drop-down.
class TVevColGrid : public TStringGrid {
 public:
  explicit TVevColGrid(TComponent* AOwner);
  ~TVevColGrid() override;
  void SetDropDown(TVevMultiColumnDropDown* Value) { FDropDown = Value; }
  TVevMultiColumnDropDown* DropDown() const { return FDropDown; }
  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TDropDownColumns* Value) { FColumns->Assign(Value); }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value) { FImages = Value; }
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value) { FHeaderFont->Assign(Value); }
  int ColGridLineWidth() const { return FGridLineWidth; }
  void SetColGridLineWidth(int Value);
  bool WheelSelection() const { return FWheelSelection; }
  bool ConfirmSelection() const { return FConfirmSelection; }
  void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }
  // Twice the border + every column, + a vertical bar when not all rows fit.
  int NeededWidth() const;

  TNotifyEvent OnSelect;
  void WndProc(TMessage& Message) override;

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TVevMultiColumnDropDown* FDropDown = nullptr;
  std::unique_ptr<TDropDownColumns> FColumns;
  TColor FHeaderColor = 0xFFFFFF;
  TColor FHeaderColorTo = 0x808080;
  TColor FLineColor = 0x808080;
  TImageList* FImages = nullptr;
  int FHeaderHeight = 25;
  std::unique_ptr<TFont> FHeaderFont;
  TColor FFixedLineColor = 0x808080;
  int FGridLineWidth = 1;
  bool FWheelSelection = false;
  bool FConfirmSelection = false;
};
}  // namespace VevMultiColumnDropDown

using TDropDownDrawItemEvent =
    std::function<void(TObject* Sender, int Column, int Row, TCanvas* Canvas, const TRect& Rect)>;
using TDropDownGetItemTextEvent =
    std::function<void(TObject* Sender, int Column, int Row, std::string& Text)>;

class TVevMultiColumnDropDown : public TVevUrizazEvuvUduz {
 public:
  using TVevColGrid = VevMultiColumnDropDown::TVevColGrid;
  using TDropDownColumns = VevMultiColumnDropDown::TDropDownColumns;
  using TDropDownItems = VevMultiColumnDropDown::TDropDownItems;

  explicit TVevMultiColumnDropDown(TComponent* AOwner);
  ~TVevMultiColumnDropDown() override;
  void Assign(TPersistent* Source) override;

  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TDropDownColumns* Value) { FColumns->Assign(Value); }
  TDropDownItems* Items() const { return FItems.get(); }
  void SetItems(TDropDownItems* Value) { FItems->Assign(Value); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int RowCount() const { return FItems->Count(); }
  // The first item whose lookup-column text is Text exactly, else -1.
  int GetItemIndex(const std::string& Text) const;
  // Writes the text without completing it (a value set, not typed).
  void WriteQuiet(const std::string& Value);
  int LookupColumn() const { return FLookupColumn; }
  void SetLookupColumn(int Value) { FLookupColumn = Value; }
  TVevColGrid* ListGrid() const { return FList; }
  const std::string& LookupEntry() const { return FLookupEntry; }

  void BeginUpdate() {}
  void EndUpdate() { FillLookupItems(); }
  void FillLookupItems();

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void SelectNextPage();
  void SelectPreviousPage();
  // The type-ahead of one character in the list: the found item or -1.
  int LookupKey(char32_t Key);

  bool ColumnSizing() const { return FColumnSizing; }
  void SetColumnSizing(bool Value) { FColumnSizing = Value; }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value) { FHeaderFont->Assign(Value); }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  bool MatchCase() const { return FMatchCase; }
  void SetMatchCase(bool Value) { FMatchCase = Value; }
  bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
  void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
  bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
  void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
  int DropDownRowHeight() const { return FDropDownRowHeight; }
  void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }

  TNotifyEvent OnSelect;
  TDropDownDrawItemEvent OnDropDownDrawItem;
  TDropDownGetItemTextEvent OnDropDownGetItemText;

  void SetSelectionColorStyle(TSelectionColorStyle Style) override;
  void SetComponentStyle(TVyxStyle AStyle) override;
  void HideDropDownEx(bool Cancel) override;
  void DropDownSizing(TObject* Sender) override;
  void WndProc(TMessage& Message) override;

  // The list grid's cell painting (the list calls it).
  void DrawListCell(TVevColGrid* Grid, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);

 protected:
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
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Change() override;

 private:
  void FillList();
  void SizeColumns();
  void ListSelect(TObject* Sender);
  int LookupPos(const std::string& Text) const;

  bool FShowing = false;
  bool FColumnSizing = false;
  int FLookupColumn = 0;
  TColor FHeaderColorTo = 0x808080;
  TColor FHeaderColor = 0xFFFFFF;
  TColor FLineColor = 0xC0C0C0;
  std::unique_ptr<TDropDownItems> FItems;
  std::unique_ptr<TDropDownColumns> FColumns;
  int FItemIndex = -1;
  int FHeaderHeight = 25;
  std::unique_ptr<TFont> FHeaderFont;
  TVevColGrid* FList = nullptr;
  TColor FFixedLineColor = 0xD1BBA4;
  bool FAutoComplete = true;
  bool FReturnIsTab = false;
  std::unique_ptr<TStringList> FLookupItems;
  bool FMatchCase = false;
  bool FPending = false;
  int FPendingItem = -1;
  int FPendingStart = 0;
  int FOldItemIndex = -1;
  bool FDropDownAutoWidth = true;
  bool FColumnSizeWithDropDown = true;
  TColor FSelectionTextColor = 0;
  int FDropDownRowHeight = 22;
  std::string FLookupEntry;
  bool FCaseSensitive = false;
  bool FInChange = false;
};
