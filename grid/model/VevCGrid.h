#pragma once
// The column grid TRavUvurerEduz: a TDedAdararAdoz whose columns are
// described by column items (TGridColumnItem, one per real column, hidden
// ones included, in a TGridColumnCollection). Each item carries its
// column's header, width, looks, editor kind, combo items, check values,
// read-only and fixed flags, number and sort formats, filter list and print
// settings, and the grid answers its per-cell questions from the item of
// the cell's column before its own rules and events run.
//
// Keeping items and columns in step: the grid's own paths that change both
// (its ColCount setter, column insertion and moves, loading) change the
// items under the collection's no-recursion flag; any other change of the
// collection (an item added or deleted, or a setter's collection update)
// sets ColCount from the item count. Item i is real column i, so an item
// index is never a display column.
//
// Split over VevCGrid_Items.cpp (items and collection), VevCGrid.cpp (the
// grid: construction, counts, headers, column edits and moves, widths,
// streams and saved column positions), VevCGrid_Cells.cpp (the per-cell
// answers) and VevCGrid_Published.cpp (the layout tables).
//
// The framework hooks overridden here, by their framework names (the
// grid's own names in brackets): Loaded [AfterLoad], Notification
// [HandleComponentNotice], ChangeScale [ApplyScaling], ColumnMoved
// [AfterColumnMove], ColWidthsChanged [AfterColumnWidthsChange],
// GetEditLimit [EditorLengthLimit], GetEditMask [EditorMaskOfCell],
// MouseDown [HandleMouseDown].
#include <functional>
#include <memory>
#include <string>

#include "framework/classes/Collections.h"
#include "grid/model/DivUzev.h"

class TGridColumnCollection;
class TPopupMenu;
class TRavUvurerEduz;
class TStream;
class TStringList;

// When a column's pop-up menu opens: on a press of the left or right
// button, in fixed cells, normal cells or all cells.
enum TColumnPopupType {
  cpFixedCellsRClick,
  cpFixedCellsLClick,
  cpNormalCellsRClick,
  cpNormalCellsLClick,
  cpAllCellsRClick,
  cpAllCellsLClick
};

using TColumnPopupEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;
using TAfterColumnMoved = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

// ---------------------------------------------------------------------------
// A column

class TGridColumnItem : public TCollectionItem {
 public:
  // Made inside a collection, the item starts with the grid's font and
  // colour and follows changes of its fonts, pen and filter list; made
  // without one (the grid's saved group column) it keeps plain defaults.
  explicit TGridColumnItem(TCollection* Collection);
  ~TGridColumnItem() override;

  // Copies another item's fields (no side effects); any other source is
  // ignored. ColumnPopupType, PrintBorderCustom and PrintFontCustom stay.
  void Assign(TPersistent* Source) override;
  // Assign without header, name, tag, combo items, drop-down count and
  // header font; colour and font come from the owner grid.
  void AssignVisuals(TPersistent* Source);
  // "Col <i>: <Name>", or "Column <i>" without a name.
  std::string DisplayName() const override;
  std::string DescribeColumnItem() const { return DisplayName(); }

  // The grid the item's collection belongs to, none without one.
  TRavUvurerEduz* Grid() const;

  // The grid's width of the column; writing keeps it for the column, shown
  // or hidden.
  int Width() const;
  void SetWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  const std::string& Header() const { return FColumnHeader; }
  // Writes the header row's cell and rebuilds the grid's ColumnHeaders.
  void SetHeader(const std::string& Value);
  TSortStyle SortStyle() const { return FSortStyle; }
  void SetSortStyle(TSortStyle Value) { FSortStyle = Value; }
  const std::string& SortPrefix() const { return FSortPrefix; }
  void SetSortPrefix(const std::string& Value) { FSortPrefix = Value; }
  const std::string& SortSuffix() const { return FSortSuffix; }
  void SetSortSuffix(const std::string& Value) { FSortSuffix = Value; }
  const std::string& EditMask() const { return FEditMask; }
  void SetEditMask(const std::string& Value) { FEditMask = Value; }
  // Longest text the column's editor takes, 0 for no limit.
  int EditLength() const { return FEditLength; }
  void SetEditLength(int Value) { FEditLength = Value; }
  // An external editor component for the column.
  TComponent* EditLink() const { return FEditLink; }
  void SetEditLink(TComponent* Value) { FEditLink = Value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TEditorType Editor() const { return FEditorType; }
  void SetEditor(TEditorType Value);
  bool Fixed() const { return FFixed; }
  void SetFixed(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  TStringList* ComboItems() const { return FComboItems.get(); }
  void SetComboItems(TStrings* Value);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }
  int SpinMin() const { return FSpinMin; }
  void SetSpinMin(int Value) { FSpinMin = Value; }
  int SpinMax() const { return FSpinMax; }
  void SetSpinMax(int Value) { FSpinMax = Value; }
  int SpinStep() const { return FSpinStep; }
  void SetSpinStep(int Value) { FSpinStep = Value; }
  bool Password() const { return FPassword; }
  void SetPassword(bool Value);
  TFont* PrintFont() const { return FPrintFont.get(); }
  void SetPrintFont(TFont* Value);
  TColor PrintColor() const { return FPrintColor; }
  void SetPrintColor(TColor Value) { FPrintColor = Value; }
  TCellBorders Borders() const { return FBorders; }
  void SetBorders(TCellBorders Value);
  TPen* BorderPen() const { return FBorderPen.get(); }
  void SetBorderPen(TPen* Value);
  TCellBorders PrintBorders() const { return FPrintBorders; }
  void SetPrintBorders(TCellBorders Value) { FPrintBorders = Value; }
  TPen* PrintBorderPen() const { return FPrintBorderPen.get(); }
  void SetPrintBorderPen(TPen* Value);
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  // The item's index in the column order remembered by SetOrganization.
  int DefIdx() const { return FDefIdx; }
  void SetDefIdx(int Value) { FDefIdx = Value; }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value) { FName = Value; }
  const std::string& CheckFalse() const { return FCheckFalse; }
  void SetCheckFalse(const std::string& Value) { FCheckFalse = Value; }
  const std::string& CheckTrue() const { return FCheckTrue; }
  void SetCheckTrue(const std::string& Value) { FCheckTrue = Value; }
  bool ShowBands() const { return FShowBands; }
  void SetShowBands(bool Value);
  // Lines of the column's filter drop-down ("Name=condition" or a plain
  // condition).
  TStringList* Filter() const { return FFilter.get(); }
  void SetFilter(TStrings* Value);
  // Width limits when the user sizes the column (0: none) and when it is
  // auto-sized.
  int MaxSize() const { return FMaxSize; }
  void SetMaxSize(int Value) { FMaxSize = Value; }
  int MinSize() const { return FMinSize; }
  void SetMinSize(int Value) { FMinSize = Value; }
  int AutoMinSize() const { return FAutoMinSize; }
  void SetAutoMinSize(int Value) { FAutoMinSize = Value; }
  int AutoMaxSize() const { return FAutoMaxSize; }
  void SetAutoMaxSize(int Value) { FAutoMaxSize = Value; }
  TColumnPopupType ColumnPopupType() const { return FColumnPopupType; }
  void SetColumnPopupType(TColumnPopupType Value) { FColumnPopupType = Value; }
  TPopupMenu* ColumnPopup() const { return FColumnPopup; }
  void SetColumnPopup(TPopupMenu* Value) { FColumnPopup = Value; }
  bool FilterCaseSensitive() const { return FFilterCaseSensitive; }
  void SetFilterCaseSensitive(bool Value) { FFilterCaseSensitive = Value; }
  // A format with one floating-point argument ("%.2f"), empty for the
  // grid's.
  const std::string& FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const std::string& Value);
  TAlignment HeaderAlignment() const { return FHeaderAlignment; }
  void SetHeaderAlignment(TAlignment Value);
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value);
  bool PrintBorderCustom() const { return FPrintBorderCustom; }
  void SetPrintBorderCustom(bool Value) { FPrintBorderCustom = Value; }
  bool PrintFontCustom() const { return FPrintFontCustom; }
  void SetPrintFontCustom(bool Value) { FPrintFontCustom = Value; }

  // The column's cells by row, through the grid's typed access.
  std::string Rows(int ARow) const;
  void SetRows(int ARow, const std::string& Value);
  int Ints(int ARow) const;
  void SetInts(int ARow, int Value);
  double Floats(int ARow) const;
  void SetFloats(int ARow, double Value);
  TDateTime Dates(int ARow) const;
  void SetDates(int ARow, TDateTime Value);
  TDateTime Times(int ARow) const;
  void SetTimes(int ARow, TDateTime Value);

  // The width last set or followed, whatever the grid shows now.
  int WidthField() const { return FWidth; }
  void SetWidthField(int Value) { FWidth = Value; }

 private:
  friend class TRavUvurerEduz;
  void CopyFields(const TGridColumnItem* Src, bool Visuals);
  void Repaint();
  void CollectionUpdate() { Changed(false); }

  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  std::string FColumnHeader;
  TSortStyle FSortStyle = ssAutomatic;
  std::string FSortPrefix;
  std::string FSortSuffix;
  std::string FEditMask;
  int FEditLength = 0;
  TComponent* FEditLink = nullptr;
  std::unique_ptr<TFont> FFont;
  TColor FColor = clWindow;
  TEditorType FEditorType = edNormal;
  bool FFixed = false;
  bool FReadOnly = false;
  std::unique_ptr<TStringList> FComboItems;
  int FDropDownCount = 8;
  int FSpinMin = 0;
  int FSpinMax = 0;
  int FSpinStep = 1;
  bool FPassword = false;
  std::unique_ptr<TFont> FPrintFont;
  TColor FPrintColor = clWhite;
  TCellBorders FBorders;
  std::unique_ptr<TPen> FBorderPen;
  TCellBorders FPrintBorders{cbTop, cbLeft, cbRight, cbBottom};
  std::unique_ptr<TPen> FPrintBorderPen;
  int FTag = 0;
  int FDefIdx = 0;
  std::string FName;
  std::string FCheckFalse = "N";
  std::string FCheckTrue = "Y";
  bool FShowBands = false;
  std::unique_ptr<TStringList> FFilter;
  int FMaxSize = 0;
  int FMinSize = 0;
  int FAutoMinSize = 0;
  int FAutoMaxSize = 0;
  TColumnPopupType FColumnPopupType = cpFixedCellsRClick;
  TPopupMenu* FColumnPopup = nullptr;
  bool FFilterCaseSensitive = false;
  std::string FFloatFormat;
  TAlignment FHeaderAlignment = taLeftJustify;
  std::unique_ptr<TFont> FHeaderFont;
  bool FPrintBorderCustom = true;
  bool FPrintFontCustom = true;
};

// ---------------------------------------------------------------------------
// The columns

class TGridColumnCollection : public TCollection {
 public:
  explicit TGridColumnCollection(TRavUvurerEduz* AOwner);
  // The class of the items the collection makes.
  static TItemFactory GetItemClass() { return TCollection::ItemClass<TGridColumnItem>(); }

  TGridColumnItem* GetItem(int Index) const { return static_cast<TGridColumnItem*>(Items(Index)); }
  void SetItem(int Index, TGridColumnItem* Value) { SetItems(Index, Value); }
  TRavUvurerEduz* Owner() const { return FOwner; }
  // A new item; past the first it takes the visuals of the item before it.
  TGridColumnItem* Add();
  TGridColumnItem* Insert(int Index) { return static_cast<TGridColumnItem*>(TCollection::Insert(Index)); }

  // The grid's columns go in step with the items (SyncColumnItems), then
  // every item's DefIdx becomes its index.
  void SetOrganization();
  // Moves the columns back into the DefIdx order.
  void ResetOrganization();

  // While set, changes of the collection leave the grid's columns alone.
  bool NoRecursiveUpdate() const { return FNoRecursiveUpdate; }
  void SetNoRecursiveUpdate(bool Value) { FNoRecursiveUpdate = Value; }

 protected:
  TPersistent* GetOwner() override;
  // The collection-change rule: the grid's ColCount follows the items.
  void Update(TCollectionItem* Item) override;

 private:
  TRavUvurerEduz* FOwner;
  bool FNoRecursiveUpdate = false;
};

// Sets a collection's no-recursion flag for a scope.
class TNoRecursiveUpdate {
 public:
  explicit TNoRecursiveUpdate(TGridColumnCollection* C) : c_(C), was_(C->NoRecursiveUpdate()) {
    c_->SetNoRecursiveUpdate(true);
  }
  ~TNoRecursiveUpdate() { c_->SetNoRecursiveUpdate(was_); }
  TNoRecursiveUpdate(const TNoRecursiveUpdate&) = delete;
  TNoRecursiveUpdate& operator=(const TNoRecursiveUpdate&) = delete;

 private:
  TGridColumnCollection* c_;
  bool was_;
};

// ---------------------------------------------------------------------------
// The column grid

class TRavUvurerEduz : public TDedAdararAdoz {
 public:
  explicit TRavUvurerEduz(TComponent* AOwner);
  ~TRavUvurerEduz() override;

  TGridColumnCollection* Columns() const { return FColumnCollection.get(); }
  // Copies the items of another collection into the grid's own.
  void SetColumns(TGridColumnCollection* Value);
  // Sets the columns, then one item per real column.
  void SetColCount(int Value) override;
  bool AutoFilterDisplay() const { return FAutoFilterDisplay; }
  void SetAutoFilterDisplay(bool Value) { FAutoFilterDisplay = Value; }
  // The first item whose Name is AValue (case-sensitive), none when none.
  TGridColumnItem* GetColumnByName(const std::string& AValue) const;
  // The item of a real column, none past the items.
  TGridColumnItem* ColumnItem(int ACol) const;

  // The items match the columns: items added (each taking the visuals of
  // the one before it) or the last ones freed.
  void SyncColumnItems();
  // Headers from row 0 for items without one; ColumnHeaders rebuilt.
  void UpdateColumnHeaders();

  void SaveColumnsToStream(TStream* Stream);
  // The items of a stream written by SaveColumnsToStream; ColCount stays.
  void LoadColumnsFromStream(TStream* Stream);
  // Key is the INI file's name. Loading does nothing unless every column
  // has its key.
  void SaveColumnPositions(const std::string& Key, const std::string& Section);
  void LoadColumnPositions(const std::string& Key, const std::string& Section);

  // The grid's virtual operations answered from the column items.
  void GetCellDrawProps(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                        TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HAlign, TVAlignment& VAlign,
                        bool& WordWrap, TCellGradientDirection& GradientDirection) override;
  const std::string& GetFormattedCell(int ACol, int ARow) override;
  void GetCellFloatFormat(int ACol, int ARow, std::string& AFloatFormat) override;
  TCellType GetCellType(int ACol, int ARow) override;
  TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
  void UpdateColSize(int ACol, int& AWidth) override;
  void UpdateAutoColSize(int ACol, int& AWidth) override;
  void SyncColumnHeaders() override;
  void CalcAllFooters() override;
  void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
  void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
  void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
  void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
  void GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
  void GetColumnFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix) override;
  void GetCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
  // ACol is a display column here.
  void IsFixedCell(int ACol, int ARow, bool& IsFixed) override;
  void CanEditCell(int ACol, int ARow, bool& CanEdit) override;
  void IsPasswordCell(int ACol, int ARow, bool& IsPassword) override;
  bool HasComboBox(int ACol, int ARow) override;
  void GetCheckTrue(int ACol, int ARow, std::string& Value) override;
  void GetCheckFalse(int ACol, int ARow, std::string& Value) override;
  bool GetColumnFilter(int Column) override;
  void FilterSelect(int ItemIndex) override;
  uint32_t GetVersionNr() const override;
  std::string GetVersionString() const override;
  void RemoveCols(int ColIndex, int CCount) override;
  void InsertCols(int ColIndex, int CCount) override;
  void Group(int ColIndex) override;
  void UnGroup() override;
  void SaveColPositions() override;
  void LoadColPositions() override;
  std::string GetEditMask(int ACol, int ARow) override;

  TColumnPopupEvent OnColumnPopup;
  TAfterColumnMoved OnAfterColumnMoved;

 protected:
  // Factory of the grid's column collection.
  virtual std::unique_ptr<TGridColumnCollection> CreateColumns();

  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ChangeScale(int M, int D) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void ColWidthsChanged() override;
  int GetEditLimit() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  friend class TGridColumnItem;
  friend class TGridColumnCollection;
  // The collection-change rule (see the header comment).
  void AfterCollectionChange();
  // Whether the cell lies in the columns and rows that are not fixed.
  bool IsNormalCell(int ACol, int ARow) const;
  bool IsLoading() const { return ComponentState().Contains(csLoading); }
  // A layout's items were made before the grid took its parent's font and
  // colour: items still showing the grid's first look take the final one.
  void AdoptLoadedLook();

  std::unique_ptr<TGridColumnCollection> FColumnCollection;
  std::unique_ptr<TGridColumnItem> FSaveCol;
  bool FColMoving = false;
  std::unique_ptr<TCellGraphic> FCellGraphic;
  bool FAutoFilterDisplay = false;
  // The grid's font and colour when it was made.
  std::unique_ptr<TFont> FFirstFont;
  TColor FFirstColor = clWindow;
};

// Holder through which a column grid's items go to and from a stream; its
// owner is the grid.
class TRavUvurerEduzIO : public TComponent {
 public:
  explicit TRavUvurerEduzIO(TComponent* AOwner);
  ~TRavUvurerEduzIO() override;
  TGridColumnCollection* Items() const { return FItems.get(); }
  void SetItems(TGridColumnCollection* Value);

 private:
  std::unique_ptr<TGridColumnCollection> FItems;
};

// Registers the column grid's classes for stored layouts (once).
void RegisterColumnGridClasses();
