#pragma once
// The grid's companion objects: integer lists bound to a cell, the sort
// column list, the list of controls placed in cells, the theme notifier's
// window handle list, and the settings objects the grid groups its
// behaviour switches into (search footer, navigation, mouse actions, grid
// synchronisation, bands and focus helper).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Lists.h"
#include "framework/controls/Messages.h"
#include "framework/graphics/Graphics.h"

class TControl;

// ---------------------------------------------------------------------------
// Lists

using TImageChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;

// 32-bit integers, optionally belonging to one cell (reported to OnChange).
// Items live in the pointer list's slots; indexes outside the list raise
// EListError.
class TIntList : public TList {
 public:
  TIntList(int ACol, int ARow) : FCol(ACol), FRow(ARow) {}

  int Items(int Index) const;
  void SetItems(int Index, int Value);
  int operator[](int Index) const { return Items(Index); }
  int Add(int Value);
  // Insert and clearing report no change.
  void Insert(int Index, int Value);
  void Delete(int Index);
  // Deletes the first item equal to Value; nothing when absent.
  void DeleteValue(int Value);
  bool HasValue(int Value) const;
  int IndexOf(int Value) const;
  // Item First + k takes the value item Order[k] held (0 past the end), the
  // list growing as needed; one change notice for all.
  void PermuteItems(int First, const std::vector<int>& Order);

  // The items as decimal numbers joined by ","; writing clears the list and
  // adds the comma-text items one by one (EConvertError on a non-number,
  // keeping the items added before it).
  std::string StrValue() const;
  void SetStrValue(const std::string& Value);

  int Col() const { return FCol; }
  int Row() const { return FRow; }

  TImageChangeEvent OnChange;

 protected:
  void Changed();

 private:
  int FCol;
  int FRow;
};

// Sort columns: the column index in bits 0-30 and the direction in bit 31
// (clear = ascending, set = descending).
class TSortIndexList : public TIntList {
 public:
  TSortIndexList() : TIntList(-1, -1) {}
  TSortIndexList(int ACol, int ARow) : TIntList(ACol, ARow) {}

  void AddIndex(int ColumnIndex, bool Ascending);
  // The position of the first item for the column, whatever its direction.
  int FindIndex(int ColumnIndex) const;
  void ToggleIndex(int ColumnIndex);
  int SortColumns(int Index) const;
  void SetSortColumns(int Index, int Value);
  bool SortDirections(int Index) const;  // true: ascending
  void SetSortDirections(int Index, bool Ascending);
  // "u2;d5": "u" ascending or "d" descending, then the column (low 16 bits).
  std::string SaveToString() const;
  // Pieces shorter than two characters, or whose column is not a decimal
  // number, are skipped; "u" means ascending, any other letter descending.
  void LoadFromString(const std::string& S);
};

class TControlItem : public TObject {
 public:
  TControlItem(int AX, int AY, TControl* AObject) : FX(AX), FY(AY), FObject(AObject) {}
  int X() const { return FX; }
  void SetX(int Value) { FX = Value; }
  int Y() const { return FY; }
  void SetY(int Value) { FY = Value; }
  TControl* Control() const { return FObject; }
  void SetControl(TControl* Value) { FObject = Value; }

 private:
  int FX;
  int FY;
  TControl* FObject;
};

// Controls placed in cells. The list owns its items, not the controls.
class TControlList : public TObjectList {
 public:
  TControlList() : TObjectList(true) {}
  ~TControlList() override;

  void AddControl(int X, int Y, TControl* AObject);
  int ControlIndex(int X, int Y) const;
  TControlItem* GetControl(int Index) const;
  // Whether a windowed control of the list has this window handle.
  bool HasHandle(HWND Handle) const;
  // Frees the item; the control stays.
  void RemoveControl(int Index);
};

// Window handles of the theme notifier; no events.
class THandleList : public TList {
 public:
  HWND Items(int Index) const;
  void SetItems(int Index, HWND Value);
  HWND operator[](int Index) const { return Items(Index); }
  int Add(HWND Value);
  void Insert(int Index, HWND Value);
  void Delete(int Index) { TList::Delete(Index); }
  void DeleteValue(HWND Value);
  bool HasValue(HWND Value) const;
};

// ---------------------------------------------------------------------------
// Settings objects

class TFont;
class TStrings;
class TStringList;

enum TSearchDirection { sdTopBottom, sdLeftRight };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum TClipboardPasteAction { paReplace, paInsert };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };

using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;

// A property that only stores its value: Name() reads, SetName(v) writes.
#define GRID_STORED_PROPERTY(Type, Name, Default) \
 public:                                          \
  Type Name() const { return F##Name; }           \
  void Set##Name(Type Value) { F##Name = Value; } \
                                                  \
 private:                                         \
  Type F##Name = Default;

// The search footer's looks and search switches. Its captions and hints get
// their English texts only when the grid is made in a designer (InitDesign);
// a grid read from a stored layout takes them from the layout.
class TSearchFooter : public TPersistent {
 public:
  TSearchFooter(TComponent* AOwner, bool InitDesign);
  ~TSearchFooter() override;
  void Assign(TPersistent* Source) override;

  bool ShowFindPrev() const { return FShowFindPrev; }
  void SetShowFindPrev(bool Value);
  bool ShowFindNext() const { return FShowFindNext; }
  void SetShowFindNext(bool Value);
  const std::string& FindNextCaption() const { return FFindNextCaption; }
  void SetFindNextCaption(const std::string& Value);
  const std::string& FindPrevCaption() const { return FFindPrevCaption; }
  void SetFindPrevCaption(const std::string& Value);
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  bool ShowClose() const { return FShowClose; }
  void SetShowClose(bool Value);
  bool ShowHighLight() const { return FShowHighLight; }
  void SetShowHighLight(bool Value);
  bool ShowMatchCase() const { return FShowMatchCase; }
  void SetShowMatchCase(bool Value);
  const std::string& MatchCaseCaption() const { return FMatchCaseCaption; }
  void SetMatchCaseCaption(const std::string& Value);
  const std::string& HintClose() const { return FHintClose; }
  void SetHintClose(const std::string& Value);
  const std::string& HintFindPrev() const { return FHintFindPrev; }
  void SetHintFindPrev(const std::string& Value);
  const std::string& HintHighLight() const { return FHintHighLight; }
  void SetHintHighLight(const std::string& Value);
  const std::string& HintFindNext() const { return FHintFindNext; }
  void SetHintFindNext(const std::string& Value);
  const std::string& HighLightCaption() const { return FHighLightCaption; }
  void SetHighLightCaption(const std::string& Value);
  TFont* Font() const { return FFont.get(); }
  // Copies the font's settings into the footer's own font.
  void SetFont(TFont* Value);

  GRID_STORED_PROPERTY(bool, AutoSearch, true)
  GRID_STORED_PROPERTY(std::string, LastSearch, std::string())
  GRID_STORED_PROPERTY(int, SearchColumn, -1)
  GRID_STORED_PROPERTY(bool, SearchActiveColumnOnly, false)
  GRID_STORED_PROPERTY(bool, SearchMatchStart, false)
  GRID_STORED_PROPERTY(bool, SearchFixedCells, false)
  GRID_STORED_PROPERTY(bool, SearchHiddenRows, false)
  GRID_STORED_PROPERTY(bool, AlwaysHighLight, false)
  GRID_STORED_PROPERTY(TSearchDirection, SearchDirection, sdTopBottom)

 public:
  // The grid's footer update.
  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() override { return FOwner; }

 private:
  void Changed();
  void SetText(std::string& Field, const std::string& Value);
  void SetFlag(bool& Field, bool Value);

  TComponent* FOwner;
  bool FShowFindPrev = true;
  bool FShowFindNext = true;
  std::string FFindNextCaption;
  std::string FFindPrevCaption;
  TColor FColorTo;
  TColor FColor;
  bool FVisible = false;
  bool FAutoThemeAdapt = false;
  bool FShowClose = true;
  bool FShowHighLight = true;
  bool FShowMatchCase = true;
  std::string FMatchCaseCaption;
  std::string FHintClose;
  std::string FHintFindPrev;
  std::string FHintHighLight;
  std::string FHintFindNext;
  std::string FHighLightCaption = "Highlight";
  std::unique_ptr<TFont> FFont;
};

// Keyboard and clipboard behaviour switches.
class TNavigation : public TPersistent {
 public:
  explicit TNavigation(TComponent* AOwner = nullptr) : FOwner(AOwner) {}
  // Copies every option except KeepScrollOnSort.
  void Assign(TPersistent* Source) override;

  GRID_STORED_PROPERTY(bool, AllowInsertRow, false)
  GRID_STORED_PROPERTY(bool, AllowDeleteRow, false)
  GRID_STORED_PROPERTY(bool, AdvanceOnEnter, false)
 public:
  bool AdvanceInsert() const { return FAdvanceInsert; }
  void SetAdvanceInsert(bool Value);
  GRID_STORED_PROPERTY(bool, AutoGotoWhenSorted, false)
  GRID_STORED_PROPERTY(bool, AutoGotoIncremental, false)
  GRID_STORED_PROPERTY(bool, AutoComboDropSize, false)
  GRID_STORED_PROPERTY(bool, AllowClipboardShortCuts, false)
  GRID_STORED_PROPERTY(bool, AllowRTFClipboard, false)
  GRID_STORED_PROPERTY(bool, AllowSmartClipboard, false)
  GRID_STORED_PROPERTY(bool, AllowClipboardAlways, false)
  GRID_STORED_PROPERTY(bool, AllowClipboardColGrow, true)
  GRID_STORED_PROPERTY(bool, AllowClipboardRowGrow, true)
  GRID_STORED_PROPERTY(TClipboardPasteAction, ClipboardPasteAction, paReplace)
  GRID_STORED_PROPERTY(bool, CopyHTMLTagsToClipboard, true)
 public:
  TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
  void SetAdvanceDirection(TAdvanceDirection Value);
  bool AdvanceAuto() const { return FAdvanceAuto; }
  // Switching it on also switches AdvanceOnEnter on.
  void SetAdvanceAuto(bool Value);
  GRID_STORED_PROPERTY(bool, AdvanceAutoEdit, true)
  GRID_STORED_PROPERTY(bool, CursorWalkEditor, false)
  GRID_STORED_PROPERTY(bool, CursorWalkAlwaysEdit, true)
  GRID_STORED_PROPERTY(bool, MoveRowOnSort, false)
  GRID_STORED_PROPERTY(bool, KeepScrollOnSort, false)
  GRID_STORED_PROPERTY(bool, ImproveMaskSel, false)
  GRID_STORED_PROPERTY(bool, AlwaysEdit, false)
  GRID_STORED_PROPERTY(TInsertPosition, InsertPosition, pInsertBefore)
  GRID_STORED_PROPERTY(bool, LineFeedOnEnter, false)
  GRID_STORED_PROPERTY(THomeEndAction, HomeEndKey, heFirstLastColumn)
  GRID_STORED_PROPERTY(bool, KeepHorizScroll, false)
  GRID_STORED_PROPERTY(bool, AllowFmtClipboard, false)
  GRID_STORED_PROPERTY(bool, TabToNextAtEnd, false)
  GRID_STORED_PROPERTY(bool, EditSelectAll, true)
  GRID_STORED_PROPERTY(TAdvanceDirection, TabAdvanceDirection, adLeftRight)
  GRID_STORED_PROPERTY(bool, SkipFixedCells, true)
  GRID_STORED_PROPERTY(bool, SkipDisabledRows, true)
  GRID_STORED_PROPERTY(bool, AllowCtrlEnter, true)
  GRID_STORED_PROPERTY(bool, AppendOnArrowDown, false)
  GRID_STORED_PROPERTY(bool, LeftRightRowSelect, true)
  GRID_STORED_PROPERTY(bool, MoveScrollOnly, false)
  GRID_STORED_PROPERTY(bool, ComboGetUpDown, true)
  GRID_STORED_PROPERTY(bool, AdvanceOnEnterLoop, true)
  GRID_STORED_PROPERTY(TCursorAdvance, CursorAdvance, caDefault)
  GRID_STORED_PROPERTY(bool, AdvanceSkipReadOnlyCells, true)
  GRID_STORED_PROPERTY(bool, CursorMoveRows, false)

 public:
  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() override { return FOwner; }

 private:
  TComponent* FOwner;
  bool FAdvanceInsert = false;
  TAdvanceDirection FAdvanceDirection = adLeftRight;
  bool FAdvanceAuto = false;
};

// Mouse behaviour switches.
class TMouseActions : public TPersistent {
 public:
  explicit TMouseActions(TComponent* AOwner);
  ~TMouseActions() override;
  // Copies every option except SizeFixedRow, HotmailRowSelect,
  // EditOnDblClickOnly and FixedComboValues.
  void Assign(TPersistent* Source) override;

  GRID_STORED_PROPERTY(bool, ColSelect, false)
  GRID_STORED_PROPERTY(bool, RowSelect, false)
  GRID_STORED_PROPERTY(bool, AllSelect, false)
  GRID_STORED_PROPERTY(bool, DirectEdit, false)
  GRID_STORED_PROPERTY(bool, DirectComboDrop, false)
  GRID_STORED_PROPERTY(bool, DirectComboClose, false)
  GRID_STORED_PROPERTY(bool, DirectDateClose, false)
  GRID_STORED_PROPERTY(bool, DirectDateDrop, false)
 public:
  // In a designer, switching one of the three disjunct selections on
  // switches the other two off; at run time they are independent.
  bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
  void SetDisjunctRowSelect(bool Value);
  // A plain write, without the designer rule.
  void SetDisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }
  bool DisjunctColSelect() const { return FDisjunctColSelect; }
  void SetDisjunctColSelect(bool Value);
  GRID_STORED_PROPERTY(bool, AllColumnSize, false)
  GRID_STORED_PROPERTY(bool, AllRowSize, false)
  GRID_STORED_PROPERTY(bool, CaretPositioning, false)
  GRID_STORED_PROPERTY(bool, SizeFixedCol, false)
  GRID_STORED_PROPERTY(bool, SizeFixedRow, false)
 public:
  bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
  void SetDisjunctCellSelect(bool Value);
  GRID_STORED_PROPERTY(TGridFixedCellEdit, FixedRowsEdit, fceNone)
  GRID_STORED_PROPERTY(TGridFixedCellEdit, FixedColsEdit, fceNone)
  GRID_STORED_PROPERTY(TGridFixedCellEditor, FixedRowsEditor, fceEdit)
  GRID_STORED_PROPERTY(TGridFixedCellEditor, FixedColsEditor, fceEdit)
 public:
  bool HotmailRowSelect() const { return FHotmailRowSelect; }
  // Switching it on also switches DisjunctRowSelect and CheckAllCheck on.
  void SetHotmailRowSelect(bool Value);
  GRID_STORED_PROPERTY(bool, RangeSelectAndEdit, false)
  GRID_STORED_PROPERTY(bool, NoAutoRangeScroll, false)
  GRID_STORED_PROPERTY(bool, PreciseCheckBoxCheck, false)
  GRID_STORED_PROPERTY(bool, PreciseNodeClick, true)
  GRID_STORED_PROPERTY(bool, CheckAllCheck, false)
  GRID_STORED_PROPERTY(bool, NodeAllExpandContract, false)
  GRID_STORED_PROPERTY(bool, MoveRowOnNodeClick, false)
  GRID_STORED_PROPERTY(bool, RowSelectPersistent, false)
  GRID_STORED_PROPERTY(bool, SelectOnRightClick, false)
  GRID_STORED_PROPERTY(bool, NoScrollOnPartialRow, false)
  GRID_STORED_PROPERTY(int, WheelIncrement, 0)
 public:
  TWheelAction WheelAction() const { return FWheelAction; }
  void SetWheelAction(TWheelAction Value);
  GRID_STORED_PROPERTY(bool, AutoSizeColOnDblClick, true)
 public:
  bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
  // Switching it on fires OnDisableEdit.
  void SetEditOnDblClickOnly(bool Value);
  GRID_STORED_PROPERTY(bool, DisjunctRowSelectNoCtrl, false)
 public:
  // The values a fixed-cell combo editor offers.
  TStringList* FixedComboValues() const { return FFixedComboValues.get(); }
  void SetFixedComboValues(TStrings* Value);

  TNotifyEvent OnChange;
  TNotifyEvent OnInvalidate;
  TIsDesigningEvent OnIsDesigning;
  TNotifyEvent OnDisableEdit;

 protected:
  TPersistent* GetOwner() override { return FOwner; }

 private:
  bool IsDesigning();

  TComponent* FOwner;
  bool FDisjunctRowSelect = false;
  bool FDisjunctColSelect = false;
  bool FDisjunctCellSelect = false;
  bool FHotmailRowSelect = false;
  TWheelAction FWheelAction = waMoveSelection;
  bool FEditOnDblClickOnly = false;
  std::unique_ptr<TStringList> FFixedComboValues;
};

// Another grid kept in step with this one (scrolling, selection, moves).
class TSyncGrid : public TPersistent {
 public:
  explicit TSyncGrid(TComponent* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;

  // The framework string grid kept in step; the owning grid itself is
  // refused (the previous value stays).
  TComponent* Grid() const { return FGrid; }
  void SetGrid(TComponent* Value);
  GRID_STORED_PROPERTY(bool, ScrollHorizontal, false)
  GRID_STORED_PROPERTY(bool, ScrollVertical, false)
  GRID_STORED_PROPERTY(bool, SelectionRow, false)
  GRID_STORED_PROPERTY(bool, SelectionColumn, false)
  GRID_STORED_PROPERTY(bool, MoveRow, false)
  GRID_STORED_PROPERTY(bool, MoveColumn, false)

 protected:
  TPersistent* GetOwner() override { return FOwner; }

 private:
  TComponent* FOwner;
  TComponent* FGrid = nullptr;
};

// Row banding: PrimaryLength rows in PrimaryColor, then SecondaryLength rows
// in SecondaryColor, repeating every TotalLength rows.
class TBands : public TPersistent {
 public:
  TBands();
  void Assign(TPersistent* Source) override;

  GRID_STORED_PROPERTY(bool, Print, false)
 public:
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  int TotalLength() const { return FTotalLength; }
  int SecondaryLength() const { return FSecondaryLength; }
  void SetSecondaryLength(int Value);
  int PrimaryLength() const { return FPrimaryLength; }
  void SetPrimaryLength(int Value);
  TColor SecondaryColor() const { return FSecondaryColor; }
  void SetSecondaryColor(TColor Value);
  TColor PrimaryColor() const { return FPrimaryColor; }
  void SetPrimaryColor(TColor Value);

  // The grid's repaint; fired for looks changes only while Active.
  TNotifyEvent OnChange;

 private:
  void Changed();
  void ChangedWhileActive();

  bool FActive = false;
  int FTotalLength = 2;
  int FSecondaryLength = 1;
  int FPrimaryLength = 1;
  TColor FSecondaryColor;
  TColor FPrimaryColor;
};

// Whether the grid shows its glowing focus frame around the current cell.
class TFocusHelper : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  GRID_STORED_PROPERTY(bool, Enabled, false)
};

#undef GRID_STORED_PROPERTY
