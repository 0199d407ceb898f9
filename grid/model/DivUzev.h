#pragma once
// The grid control TDedAdararAdoz on the cell store TBaseGrid: construction
// with its companion settings objects and defaults, copying and loading from
// stored layouts, the per-cell queries through which painting, editing and
// input ask the grid about a cell, hidden columns and rows, counts and the
// current cell, typed cell access, and row and column selection sets.
//
// The class is split by topic over DivUzev_<Topic>.cpp files sharing this
// header: Create (construction, copying, loading, window, unit start-up),
// Queries, Hidden, Counts, Typed, Selection, Published (the layout tables)
// and Seams (the default bodies of the operations that painting, editing,
// keyboard and mouse, import and export fill in; each of those topics moves
// its group out of that file into its own).
//
// Two numberings (the rule every operation follows):
//  - Columns. Cells stay at their *real* column whether the column is shown
//    or hidden; ColCount counts shown columns. RealColIndex maps a display
//    column to its real one and DisplColIndex back. Past the last shown
//    column the maps continue one to one (display ColCount + k is real
//    TotalColCount + k), so a display column that does not exist never maps
//    onto a real one that does. Any column may be hidden, however many the
//    grid has.
//  - Rows. A hidden row is taken out of the grid into the hidden-row store
//    (its cells, their properties and its height), so rows are stored under
//    their *display* index. RealRowIndex and DisplRowIndex map between the
//    two.
// Cell accessors of the store (GetCellEx, SetCellEx, GetCellProperties ...)
// take real columns and display rows. RepaintCell, RepaintRow, RepaintCol
// and RepaintRect take display columns and rows; the cell store calls
// RepaintCell with the display column of the cell it changed.
// Every event and query below says which numbering its column carries.
//
// The framework hooks overridden here, by their framework names (the
// grid's own names in brackets): Loaded [AfterLoad], Notification
// [HandleComponentNotice], WndProc [WindowProcedure], CreateWnd
// [CreateControlWindow], Paint [PaintControl], CalcSizingState
// [ComputeSizingState], CreateEditor [CreateInplaceEditor], CanEditShow
// [CanShowEditor], DrawCell [PaintGridCell], SelectCell [CanSelectCell],
// GetEditText/SetEditText [ReadEditorText/WriteEditorText].
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Collections.h"
#include "framework/rtl/DateUtils.h"
#include "grid/base/BaseGrid.h"
#include "grid/base/VevObj.h"

class TCustomForm;
class TDedAdararAdoz;
class TDedAdararAdozCheck;
class TInplaceEdit;
class TScrollBar;
class TStringList;
class TStrings;

CF_DECLARE_EXCEPTION(EDivUzevError, Exception)

// ---------------------------------------------------------------------------
// Enumerations

// The kind of graphic a cell holds; the ordinal is stored in streams.
enum TCellType {
  ctBitmap,
  ctIcon,
  ctNone,
  ctImageList,
  ctCheckBox,
  ctDataCheckBox,
  ctRotated,
  ctDataImage,
  ctNode,
  ctRadio,
  ctEmpty,
  ctImages,
  ctPicture,
  ctFilePicture,
  ctValue,
  ctProgress,
  ctComment,
  ctButton,
  ctBitButton,
  ctVirtCheckBox,
  ctRowCheckBox,
  ctProgressPie,
  ctSummary,
  ctRangeIndicator,
  ctXPProgress,
  ctInterface,
  ctScrollbar,
  ctRadioButton,
  ctBalloon,
  ctShape,
  ctRating,
  ctTriStateCheckBox,
  ctExpand,
};
using TCellTypes = TSet<TCellType, 40>;

enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

enum TCellBorder { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = TSet<TCellBorder, 8>;

enum TSortStyle {
  ssAutomatic,
  ssAlphabetic,
  ssNumeric,
  ssDate,
  ssAlphaNoCase,
  ssAlphaCase,
  ssShortDateEU,
  ssShortDateUS,
  ssCustom,
  ssFinancial,
  ssAnsiAlphaCase,
  ssAnsiAlphaNoCase,
  ssRaw,
  ssHTML,
  ssImages,
  ssCheckBox,
  ssDateTime,
  ssTime,
  ssAlphaNumeric,
  ssAlphaNumericNoCase,
};

enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };

enum TGridLook {
  glStandard,
  glSoft,
  glClassic,
  glVyx,
  glXP,
  glListView,
  glVista,
  glWin7,
  glOffice2007,
  glCustom
};
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum THintShowLargeTextPos { hpCell, hpCursor };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TOfficeTheme { otUnknown, otBlue, otSilver, otBlack };

// The look of check boxes, radio buttons and buttons the grid draws (the
// framework's TControlStyle is another thing: the control's behaviour set).
enum TGridControlStyle { csClassic, csFlat, csWinXP, csHalvern, csVyx, csGlyph, csTheme };
enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };
enum TColumnSizeLocation { clRegistry, clIniFile };
enum TAutoSizeRows { arAll, arNormal, arFixed };
enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };
enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// ---------------------------------------------------------------------------
// Events (Sender first; the order of column and row is the event's own)

using TGridColRowEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TGridRowColEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TSearchFooterActionEvent = std::function<void(TObject* Sender, const std::string& Value, int ACol,
                                                    int ARow, TSearchAction SearchAction)>;
using TButtonClickEvent = TGridColRowEvent;
using TExpandClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
using TComboCloseUpEvent = TGridRowColEvent;
using TGetCellCursorEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)>;
// A wide hint is handled as UTF-8 text; the grid stores it back in the wide
// cell form.
using TGridHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::string& HintStr)>;
using TGridColorEvent = std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState,
                                           TBrush* ABrush, TFont* AFont)>;
using TGridBorderEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TPen* APen, TCellBorders& Borders)>;
using TGridAlignEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridFormatEvent = std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle,
                                            std::string& APrefix, std::string& ASuffix)>;
using TGetEditorTypeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TWordWrapEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using THasComboBoxEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, TStrings* Filter)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TRatingChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
using TColorSelectEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TColor Color, const std::string& Value)>;
using TImageSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, int Index)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TDateTime ADateTime)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TRowChangedEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int ARow, bool AState, bool& Allow)>;
using TRowDisjunctSelectedEvent = std::function<void(TObject* Sender, int ARow)>;
using TFloatingFooterCalcEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;

// ---------------------------------------------------------------------------
// The hidden-row store

// One hidden row: its index when it was hidden, its height, its cells (one
// text per real column, each with the cell's object slot) and the filter
// level that hid it (0 for rows hidden by range). While in the store the
// entry owns the cell properties of its cells.
class TGridItem : public TCollectionItem {
 public:
  explicit TGridItem(TCollection* Collection);
  ~TGridItem() override;

  int Idx() const { return FIdx; }
  void SetIdx(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  TStringList* Items() const { return FItems; }
  // The entry takes the list and frees it; the former list is not freed.
  void SetItems(TStringList* Value) { FItems = Value; }
  int Level() const { return FLevel; }
  void SetLevel(int Value) { FLevel = Value; }

 private:
  int FIdx = 0;
  int FHeight = 0;
  TStringList* FItems;
  int FLevel = 0;
};

// The store: entries in the order they were put there (rows hidden by range
// in ascending Idx). Keeps a sorted copy of the Idx values so the row maps
// cost a binary search, not a walk over the grid.
class TGridItemCollection : public TCollection {
 public:
  TGridItemCollection();
  TGridItem* Items(int Index) const { return static_cast<TGridItem*>(TCollection::Items(Index)); }
  TGridItem* Add() { return static_cast<TGridItem*>(TCollection::Add()); }
  TGridItem* Insert(int Index) { return static_cast<TGridItem*>(TCollection::Insert(Index)); }

  // Number of entries with Idx < Value; number of distinct Idx values
  // <= Value; whether an entry has Idx Value; the first such entry.
  int CountBelow(int Value) const;
  int DistinctAtOrBelow(int Value) const;
  int DistinctCount() const;
  bool HasIdx(int Value) const;
  TGridItem* FindIdx(int Value) const;
  // Position at which an entry with Idx Value keeps the store ascending.
  int InsertPosition(int Value) const;
  void IdxChanged() { FSortedValid = false; }

 protected:
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

 private:
  void Refresh() const;
  mutable std::vector<int> FSorted;
  mutable std::vector<int> FDistinct;
  mutable bool FSortedValid = false;
};

// ---------------------------------------------------------------------------
// The cell graphic object kept in a cell's properties

class TCellGraphic : public TPersistent {
 public:
  TCellGraphic() = default;
  ~TCellGraphic() override;

  TCellType CellType = ctNone;
  TObject* CellBitmap = nullptr;
  TObject* CellIcon = nullptr;
  TCellVAlign CellVAlign = vaTop;
  TCellHAlign CellHAlign = haLeft;
  int CellIndex = 0;
  bool CellTransparent = false;
  bool CellCreated = false;
  bool CellBoolean = false;
  int CellAngle = 0;
  double CellValue = 0;
  int CellErrFrom = 0;
  int CellErrLen = 0;
  std::string CellText;
  int CellVar = 0;
  TCheckBoxState CellCheckBoxState = cbUnchecked;
};

// ---------------------------------------------------------------------------
// Settings objects the grid owns

// Looks of grouped rows.
class TGrouping : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;

#define DIVUZEV_PLAIN(Type, Name, Default)               \
 public:                                                 \
  Type Name() const { return F##Name; }                  \
  void Set##Name(const Type& Value) { F##Name = Value; } \
                                                         \
 private:                                                \
  Type F##Name = Default;

  DIVUZEV_PLAIN(bool, AutoSelectGroup, false)
  DIVUZEV_PLAIN(bool, AutoCheckGroup, false)
  DIVUZEV_PLAIN(std::string, GroupCountFormat, std::string())
  DIVUZEV_PLAIN(bool, ShowGroupCount, false)
  DIVUZEV_PLAIN(TColor, HeaderColor, clNone)
  DIVUZEV_PLAIN(TColor, HeaderColorTo, clNone)
  DIVUZEV_PLAIN(TColor, HeaderTextColor, clNone)
  DIVUZEV_PLAIN(bool, HeaderUnderline, false)
  DIVUZEV_PLAIN(TColor, HeaderLineColor, clBlue)
  DIVUZEV_PLAIN(int, HeaderLineWidth, 2)
  DIVUZEV_PLAIN(bool, MergeHeader, false)
  DIVUZEV_PLAIN(bool, MergeSummary, false)
  DIVUZEV_PLAIN(bool, Summary, false)
  DIVUZEV_PLAIN(TColor, SummaryColor, clNone)
  DIVUZEV_PLAIN(TColor, SummaryColorTo, clNone)
  DIVUZEV_PLAIN(TColor, SummaryTextColor, clNone)
  DIVUZEV_PLAIN(bool, SummaryLine, false)
  DIVUZEV_PLAIN(TColor, SummaryLineColor, clBlue)
  DIVUZEV_PLAIN(int, SummaryLineWidth, 2)
};

// Drag-and-drop options of the grid.
class TDragDropSettings : public TPersistent {
 public:
  explicit TDragDropSettings(TDedAdararAdoz* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;
  TDedAdararAdoz* Owner() const { return FOwner; }

  DIVUZEV_PLAIN(bool, ShowCells, true)
  DIVUZEV_PLAIN(bool, OleAcceptFiles, true)
  DIVUZEV_PLAIN(bool, OleAcceptText, true)
  DIVUZEV_PLAIN(bool, OleAcceptURLs, true)
  DIVUZEV_PLAIN(bool, OleAppendRows, false)
  DIVUZEV_PLAIN(bool, OleColumnDragDrop, false)
  DIVUZEV_PLAIN(bool, OleColumnReorder, false)
  DIVUZEV_PLAIN(bool, OleColumnsOnly, false)
  DIVUZEV_PLAIN(bool, OleCopyAlways, false)
  DIVUZEV_PLAIN(bool, OleDropSource, false)
  DIVUZEV_PLAIN(bool, OleEntireRows, false)
  DIVUZEV_PLAIN(bool, OleInsertRows, false)
  DIVUZEV_PLAIN(bool, OleRemoveRows, false)
  DIVUZEV_PLAIN(bool, OleDropRTF, false)
  // Dropping onto the grid's window; the drop target itself comes with the
  // grid's drag and drop.
  DIVUZEV_PLAIN(bool, OleDropTarget, false)

 private:
  TDedAdararAdoz* FOwner;
};

class TBalloonSettings : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  bool Enable() const { return FEnable; }
  // Stores and fires OnEnableChange.
  void SetEnable(bool Value);

  DIVUZEV_PLAIN(TColor, TextColor, clNone)
  DIVUZEV_PLAIN(TColor, BackgroundColor, clNone)
  DIVUZEV_PLAIN(int, InitialDelay, -1)
  DIVUZEV_PLAIN(int, AutoHideDelay, -1)
  DIVUZEV_PLAIN(int, ReshowDelay, -1)
  DIVUZEV_PLAIN(int, Transparency, 0)

 public:
  TNotifyEvent OnEnableChange;

 private:
  bool FEnable = false;
};

// Marking of edited rows in the first fixed column.
class TShowModified : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  TColor Color() const { return FColor; }
  // Stores and fires OnChange, also for the same value.
  void SetColor(TColor Value);

  DIVUZEV_PLAIN(bool, Enabled, false)

 public:
  TNotifyEvent OnChange;

 private:
  TColor FColor = clYellow;
};

// Rows and columns that grow to fit typed text.
class TSizeWhileTyping : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  DIVUZEV_PLAIN(bool, Height, false)
  DIVUZEV_PLAIN(bool, Width, false)
};

// Looks of the check boxes, radio buttons, buttons and fixed cells the
// grid draws.
class TControlLook : public TPersistent {
 public:
  explicit TControlLook(TDedAdararAdoz* AOwner);
  ~TControlLook() override;
  void Assign(TPersistent* Source) override;
  // Every field back to its initial value.
  void Init();
  TDedAdararAdoz* Owner() const { return FOwner; }

  DIVUZEV_PLAIN(TGridControlStyle, ControlStyle, csTheme)
  DIVUZEV_PLAIN(int, CheckSize, 15)
  DIVUZEV_PLAIN(int, RadioSize, 10)
  DIVUZEV_PLAIN(TColor, Color, clBlack)
  DIVUZEV_PLAIN(bool, FlatButton, false)
  DIVUZEV_PLAIN(bool, DropDownAlwaysVisible, false)
  DIVUZEV_PLAIN(bool, SpinButtonsAlwaysVisible, false)
  DIVUZEV_PLAIN(bool, FixedDropDownButton, false)
  DIVUZEV_PLAIN(bool, NoDisabledCheckRadioLook, false)
  DIVUZEV_PLAIN(bool, NoDisabledButtonLook, false)
  DIVUZEV_PLAIN(bool, CheckAlwaysActive, false)
  DIVUZEV_PLAIN(bool, RadioAlwaysActive, false)
  DIVUZEV_PLAIN(TColor, CommentColor, static_cast<TColor>(255))
  DIVUZEV_PLAIN(TColor, ProgressBorderColor, clGray)
  DIVUZEV_PLAIN(int, ProgressMarginX, 2)
  DIVUZEV_PLAIN(int, ProgressMarginY, 2)
  DIVUZEV_PLAIN(bool, ProgressXP, false)
  DIVUZEV_PLAIN(int, HintMaxWidth, 0)
  DIVUZEV_PLAIN(int, DropDownCount, 8)
  DIVUZEV_PLAIN(TColor, FixedGradientFrom, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientTo, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientMirrorFrom, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientMirrorTo, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientHoverFrom, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientHoverTo, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientHoverMirrorFrom, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientHoverMirrorTo, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientHoverBorder, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientDownFrom, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientDownTo, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientDownMirrorFrom, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientDownMirrorTo, clNone)
  DIVUZEV_PLAIN(TColor, FixedGradientDownBorder, clNone)

 public:
  // Glyphs of the glyph look; empty bitmaps draw the built-in glyphs.
  TBitmap* CheckedGlyph() const { return FCheckedGlyph.get(); }
  TBitmap* UnCheckedGlyph() const { return FUnCheckedGlyph.get(); }
  TBitmap* RadioOnGlyph() const { return FRadioOnGlyph.get(); }
  TBitmap* RadioOffGlyph() const { return FRadioOffGlyph.get(); }

 private:
  TDedAdararAdoz* FOwner;
  std::unique_ptr<TBitmap> FCheckedGlyph;
  std::unique_ptr<TBitmap> FUnCheckedGlyph;
  std::unique_ptr<TBitmap> FRadioOnGlyph;
  std::unique_ptr<TBitmap> FRadioOffGlyph;
};

// The footer row kept at the bottom of the grid.
class TFloatingFooter : public TPersistent {
 public:
  explicit TFloatingFooter(TDedAdararAdoz* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;
  TDedAdararAdoz* Owner() const { return FOwner; }

  DIVUZEV_PLAIN(bool, Visible, false)
  DIVUZEV_PLAIN(TFooterStyle, FooterStyle, fsFixedLastRow)
  DIVUZEV_PLAIN(bool, EnableCalculation, true)
  DIVUZEV_PLAIN(bool, CalculateHiddenRows, true)
  DIVUZEV_PLAIN(TColor, Color, clBtnFace)

 public:
  TFloatingFooterCalcEvent OnCalcFooter;

 private:
  TDedAdararAdoz* FOwner;
};

// Column width persistence and stretching.
class TColumnSize : public TPersistent {
 public:
  explicit TColumnSize(TDedAdararAdoz* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;
  TDedAdararAdoz* Owner() const { return FOwner; }

  DIVUZEV_PLAIN(bool, Save, false)
  DIVUZEV_PLAIN(std::string, Key, std::string())
  DIVUZEV_PLAIN(std::string, Section, std::string())
  DIVUZEV_PLAIN(bool, Stretch, false)
  DIVUZEV_PLAIN(int, StretchColumn, -1)
  DIVUZEV_PLAIN(bool, SynchWithGrid, false)
  DIVUZEV_PLAIN(bool, SynchNormalCellsOnly, false)
  DIVUZEV_PLAIN(TColumnSizeLocation, Location, clRegistry)
  DIVUZEV_PLAIN(TAutoSizeRows, Rows, arAll)

 private:
  TDedAdararAdoz* FOwner;
};

// Print and HTML export options; their fields come with printing and
// export.
class TPrintSettings : public TPersistent {
 public:
  explicit TPrintSettings(TDedAdararAdoz* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;
  TDedAdararAdoz* Owner() const { return FOwner; }

 private:
  TDedAdararAdoz* FOwner;
};

class THTMLSettings : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
};

// Scrolling while something is dragged near the grid's edges.
class TDragScrollOptions : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  DIVUZEV_PLAIN(bool, Active, false)
  DIVUZEV_PLAIN(int, TopMargin, 0)
  DIVUZEV_PLAIN(int, BottomMargin, 0)
  DIVUZEV_PLAIN(int, LeftMargin, 0)
  DIVUZEV_PLAIN(int, RightMargin, 0)
  DIVUZEV_PLAIN(int, InitialDelay, 0)
  DIVUZEV_PLAIN(int, RepeatDelay, 0)
};

// Looks of progress-bar cells; OnChange repaints the grid.
class TGridProgressAppearance : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  TNotifyEvent OnChange;
};

// The filter drop-down button's glyphs; OnChange repaints the grid.
class TFilterDropDown : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  TNotifyEvent OnChange;
};

// Sorting options (column, direction, indicator looks).
class TSortSettings : public TPersistent {
 public:
  explicit TSortSettings(TDedAdararAdoz* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;
  TDedAdararAdoz* Owner() const { return FOwner; }
  DIVUZEV_PLAIN(int, Column, 0)
  DIVUZEV_PLAIN(bool, Show, false)

 private:
  TDedAdararAdoz* FOwner;
};

// Looks of tree nodes.
class TCellNode : public TPersistent {
 public:
  explicit TCellNode(TDedAdararAdoz* AOwner);
  ~TCellNode() override;
  void Assign(TPersistent* Source) override;
  TDedAdararAdoz* Owner() const { return FOwner; }

  DIVUZEV_PLAIN(TColor, Color, clSilver)
  DIVUZEV_PLAIN(TColor, NodeColor, clBlack)
  DIVUZEV_PLAIN(bool, ExpandOne, false)

 public:
  TNodeType NodeType() const { return FNodeType; }
  void SetNodeType(TNodeType Value);
  bool ShowTree() const { return FShowTree; }
  void SetShowTree(bool Value);
  bool ShowTreeFull() const { return FShowTreeFull; }
  void SetShowTreeFull(bool Value);
  int NodeIndent() const { return FNodeIndent; }
  void SetNodeIndent(int Value);
  TColor TreeColor() const { return FTreeColor; }
  void SetTreeColor(TColor Value);
  TBitmap* ExpandGlyph() const { return FExpandGlyph.get(); }
  void SetExpandGlyph(TBitmap* Value);
  TBitmap* ContractGlyph() const { return FContractGlyph.get(); }
  void SetContractGlyph(TBitmap* Value);

 private:
  void Repaint();
  TDedAdararAdoz* FOwner;
  TNodeType FNodeType = cnXP;
  bool FShowTree = true;
  bool FShowTreeFull = true;
  int FNodeIndent = 12;
  TColor FTreeColor = clGray;
  std::unique_ptr<TBitmap> FExpandGlyph;
  std::unique_ptr<TBitmap> FContractGlyph;
};

// Picture or gradient behind the cells. Every write repaints the grid.
class TBackGround : public TPersistent {
 public:
  explicit TBackGround(TDedAdararAdoz* AOwner);
  ~TBackGround() override;
  void Assign(TPersistent* Source) override;
  TDedAdararAdoz* Owner() const { return FOwner; }

  int Top() const { return FTop; }
  void SetTop(int Value);
  int Left() const { return FLeft; }
  void SetLeft(int Value);
  TBackGroundDisplay Display() const { return FDisplay; }
  void SetDisplay(TBackGroundDisplay Value);
  TBitmap* Bitmap() const { return FBitmap.get(); }
  // Copies the picture.
  void SetBitmap(TBitmap* Value);
  TBackGroundCells Cells() const { return FCells; }
  void SetCells(TBackGroundCells Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);

 private:
  void Repaint();
  TDedAdararAdoz* FOwner;
  int FTop = 0;
  int FLeft = 0;
  TBackGroundDisplay FDisplay = bdTile;
  std::unique_ptr<TBitmap> FBitmap;
  TBackGroundCells FCells = bcNormal;
  TColor FColor = clWindow;
  TColor FColorTo = clBtnFace;
};

// The row filter's conditions; they come with filtering.
class TFilter : public TPersistent {
 public:
  explicit TFilter(TDedAdararAdoz* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;
  TDedAdararAdoz* Owner() const { return FOwner; }

 private:
  TDedAdararAdoz* FOwner;
};

#undef DIVUZEV_PLAIN

// The child panels at the grid's bottom edge: the floating footer's and the
// search footer's. Both start bottom-aligned with height 0.
class TFooterPanel : public TCustomControl {
 public:
  explicit TFooterPanel(TComponent* AOwner);
};

class TSearchPanel : public TCustomControl {
 public:
  explicit TSearchPanel(TComponent* AOwner);
};

// ---------------------------------------------------------------------------
// The grid control

class TDedAdararAdoz : public TBaseGrid {
 public:
  explicit TDedAdararAdoz(TComponent* AOwner);
  ~TDedAdararAdoz() override;

  // ===== Construction, copying, loading, window (DivUzev_Create.cpp)

  // From another TDedAdararAdoz (or descendant): its settings, then its
  // cells. Any other source is ignored.
  void Assign(TPersistent* Source) override;
  // The cells of another TDedAdararAdoz through a memory stream.
  virtual void AssignCells(TPersistent* Source);
  // Swallows the one repaint an edit change asks for; otherwise repaints
  // the grid and, outside loading, the visible floating footer.
  void Invalidate() override;
  // With IntegralHeight the height is cut to whole default rows.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // The control itself when it is a form, else its nearest parent form.
  static TCustomForm* FindParentForm(TControl* AControl);

  // Made in a designer while its owner was not being read.
  bool Designing() const { return FDesigning; }
  // AfterLoad ran.
  bool GridLoaded() const { return FGridLoaded; }
  // Platform facts read at construction and window creation.
  bool IsXP() const { return FIsXP; }
  bool IsWin7() const { return FIsWin7; }
  bool IsVista() const { return FIsVista; }
  bool IsThemed() const { return FIsThemed; }
  // Wheel settings read when the window is created.
  int WheelScrollLines() const { return FWheelScrollLines; }
  UINT WheelMessage() const { return FWheelMessage; }

  // ---- Companions. A write copies the settings into the grid's own object.
  TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
  void SetSearchFooter(TSearchFooter* Value);
  TFloatingFooter* FloatingFooter() const { return FFloatingFooter.get(); }
  void SetFloatingFooter(TFloatingFooter* Value);
  TPrintSettings* PrintSettings() const { return FPrintSettings.get(); }
  void SetPrintSettings(TPrintSettings* Value);
  THTMLSettings* HTMLSettings() const { return FHTMLSettings.get(); }
  void SetHTMLSettings(THTMLSettings* Value);
  TSortSettings* SortSettings() const { return FSortSettings.get(); }
  void SetSortSettings(TSortSettings* Value);
  TDragDropSettings* DragDropSettings() const { return FDragDropSettings.get(); }
  void SetDragDropSettings(TDragDropSettings* Value);
  TDragScrollOptions* DragScrollOptions() const { return FDragScrollOptions.get(); }
  void SetDragScrollOptions(TDragScrollOptions* Value);
  TControlLook* ControlLook() const { return FControlLook.get(); }
  void SetControlLook(TControlLook* Value);
  TNavigation* Navigation() const { return FNavigation.get(); }
  void SetNavigation(TNavigation* Value);
  TColumnSize* ColumnSize() const { return FColumnSize.get(); }
  void SetColumnSize(TColumnSize* Value);
  TCellNode* CellNode() const { return FCellNode.get(); }
  void SetCellNode(TCellNode* Value);
  TBands* Bands() const { return FBands.get(); }
  void SetBands(TBands* Value);
  TSizeWhileTyping* SizeWhileTyping() const { return FSizeWhileTyping.get(); }
  void SetSizeWhileTyping(TSizeWhileTyping* Value);
  TMouseActions* MouseActions() const { return FMouseActions.get(); }
  void SetMouseActions(TMouseActions* Value);
  TGrouping* Grouping() const { return FGrouping.get(); }
  void SetGrouping(TGrouping* Value);
  TFocusHelper* FocusHelper() const { return FFocusHelper.get(); }
  void SetFocusHelper(TFocusHelper* Value);
  TSyncGrid* SyncGrid() const { return FSyncGrid.get(); }
  void SetSyncGrid(TSyncGrid* Value);
  TBackGround* BackGround() const { return FBackGround.get(); }
  void SetBackGround(TBackGround* Value);
  TGridProgressAppearance* ProgressAppearance() const { return FProgressAppearance.get(); }
  void SetProgressAppearance(TGridProgressAppearance* Value);
  TFilter* Filter() const { return FFilter.get(); }
  TBalloonSettings* Balloon() const { return FBalloon.get(); }
  void SetBalloon(TBalloonSettings* Value);
  TShowModified* ShowModified() const { return FShowModified.get(); }
  void SetShowModified(TShowModified* Value);
  TFilterDropDown* FilterDropDown() const { return FFilterDropDown.get(); }
  void SetFilterDropDown(TFilterDropDown* Value);
  TFont* FixedFont() const { return FFixedFont.get(); }
  void SetFixedFont(TFont* Value);
  TFont* ActiveCellFont() const { return FActiveCellFont.get(); }
  void SetActiveCellFont(TFont* Value);
  TStringList* ColumnHeaders() const { return FColumnHeaders.get(); }
  void SetColumnHeaders(TStrings* Value);
  TStringList* RowHeaders() const { return FRowHeaders.get(); }
  void SetRowHeaders(TStrings* Value);
  TStringList* LookupItems() const { return FLookupItems.get(); }
  TStringList* FilterList() const { return FFilterList.get(); }
  TSortIndexList* SortIndexes() const { return FSortIndexes.get(); }
  TIntList* MergedColumns() const { return FMergedColumns.get(); }
  TIntList* IgnoreColumns() const { return FIgnoreColumns.get(); }
  TIntList* ColumnOrderList() const { return FColumnOrder.get(); }
  TBitmap* RowIndicator() const { return FRowIndicator.get(); }
  void SetRowIndicator(TBitmap* Value);
  TControlList* CellControlList() const { return FControlList.get(); }
  TFooterPanel* FooterPanel() const { return FFooterPanel; }
  TSearchPanel* SearchPanel() const { return FSearchPanel; }
  TGridItemCollection* HiddenRowStore() const { return FGridItems.get(); }
  // The shared graphic that stands for the row check boxes of column 0.
  TCellGraphic* RowCheckBoxGraphic() const { return FCellGraphic.get(); }
  TScrollBar* CellScrollBar(int Index) const { return FCellScrollBars[Index == 0 ? 0 : 1]; }

  // ---- Undo and cell checking
  TDedAdararAdozCheck* CellChecker() const { return FCellChecker; }
  void SetCellChecker(TDedAdararAdozCheck* Value);

  // ===== Plain settings (defaults are those of a new grid)
  // Stores only:
#define DIVUZEV_STORED(Type, Name, Default)              \
 public:                                                 \
  Type Name() const { return F##Name; }                  \
  void Set##Name(const Type& Value) { F##Name = Value; } \
                                                         \
 private:                                                \
  Type F##Name = Default;
  // Stores and repaints the grid when the value changed:
#define DIVUZEV_LOOK(Type, Name, Default) \
 public:                                  \
  Type Name() const { return F##Name; }   \
  void Set##Name(const Type& Value) {     \
    if (F##Name == Value) return;         \
    F##Name = Value;                      \
    InvalidateGrid();                     \
  }                                       \
                                          \
 private:                                 \
  Type F##Name = Default;

  DIVUZEV_LOOK(bool, ActiveCellShow, false)
  DIVUZEV_LOOK(TColor, ActiveCellColor, clGray)
  DIVUZEV_LOOK(TColor, ActiveCellColorTo, clNone)
  DIVUZEV_STORED(bool, AnchorHint, false)
  DIVUZEV_STORED(bool, AutoFilterUpdate, true)
  DIVUZEV_STORED(bool, AutoNumAlign, false)
  DIVUZEV_STORED(bool, AutoThemeAdapt, false)
  DIVUZEV_LOOK(TColor, BorderColor, clGray)
  DIVUZEV_LOOK(std::string, CheckTrue, "Y")
  DIVUZEV_LOOK(std::string, CheckFalse, "N")
  DIVUZEV_STORED(bool, ClearTextOnly, false)
  DIVUZEV_STORED(TEditorType, DefaultEditor, edNormal)
  DIVUZEV_STORED(char, Delimiter, '\0')
  DIVUZEV_LOOK(TColor, DisabledFontColor, clSilver)
  DIVUZEV_STORED(std::string, EditMask, std::string())
  DIVUZEV_LOOK(bool, EnableHTML, true)
  DIVUZEV_STORED(bool, EnableWheel, true)
  DIVUZEV_STORED(bool, EnhRowColMove, true)
  DIVUZEV_STORED(bool, ExcelClipboardFormat, false)
  DIVUZEV_STORED(bool, FilterDropDownAuto, false)
  DIVUZEV_STORED(std::string, FilterDropDownClear, "(All)")
  DIVUZEV_STORED(TFilterDropDownColumns, FilterDropDownColumns, fdNormal)
  DIVUZEV_STORED(bool, FilterIncremental, false)
  DIVUZEV_STORED(bool, FilterNormalCellsOnly, true)
  DIVUZEV_STORED(bool, FitCellsInGrid, true)
  DIVUZEV_LOOK(bool, FixedAsButtons, false)
  DIVUZEV_STORED(std::string, FloatFormat, "%.2f")
  DIVUZEV_STORED(int, GroupColumn, -1)
  DIVUZEV_LOOK(bool, HideFocusRect, false)
  DIVUZEV_LOOK(TColor, HighlightColor, clHighlight)
  DIVUZEV_LOOK(TColor, HighlightTextColor, clHighlightText)
  DIVUZEV_STORED(TColor, HintColor, clInfoBk)
  DIVUZEV_STORED(THintShowLargeTextPos, HintShowLargeTextPos, hpCell)
  DIVUZEV_STORED(THoverFixedCells, HoverFixedCells, hfNone)
  DIVUZEV_STORED(bool, IntelliZoom, true)
  DIVUZEV_STORED(TInvalidEntryIcon, InvalidEntryIcon, ieWarning)
  DIVUZEV_STORED(std::string, InvalidEntryText, std::string())
  DIVUZEV_STORED(std::string, InvalidEntryTitle, std::string())
  DIVUZEV_STORED(bool, JavaCSV, false)
  DIVUZEV_STORED(bool, LoadFirstRow, true)
  DIVUZEV_STORED(int, MaxColWidth, 0)
  DIVUZEV_STORED(int, MaxRowHeight, 0)
  DIVUZEV_STORED(int, MinColWidth, 0)
  DIVUZEV_STORED(int, MinRowHeight, 0)
  DIVUZEV_LOOK(bool, NoDefaultDraw, false)
  DIVUZEV_LOOK(char, PasswordChar, '*')
  DIVUZEV_STORED(int, PreviewPage, 1)
  DIVUZEV_STORED(bool, PrinterDriverFix, false)
  DIVUZEV_STORED(bool, QuoteEmptyCells, true)
  DIVUZEV_STORED(bool, AlwaysQuotes, false)
  DIVUZEV_STORED(bool, SaveFixedCells, true)
  DIVUZEV_STORED(bool, SaveFixedRows, false)
  DIVUZEV_STORED(bool, SaveFixedCols, false)
  DIVUZEV_STORED(bool, SaveHiddenCells, false)
  DIVUZEV_STORED(bool, SaveVirtCells, true)
  DIVUZEV_STORED(bool, SaveWithHTML, true)
  DIVUZEV_STORED(TScrollBarAlways, ScrollBarAlways, saNone)
  DIVUZEV_STORED(TColor, ScrollColor, clNone)
  DIVUZEV_STORED(TScrollHintType, ScrollHints, shNone)
  DIVUZEV_STORED(bool, ScrollProportional, false)
  DIVUZEV_STORED(bool, ScrollSynch, false)
  DIVUZEV_STORED(TScrollType, ScrollType, ssNormal)
  DIVUZEV_STORED(int, ScrollWidth, 17)
  DIVUZEV_LOOK(TColor, SelectionColor, static_cast<TColor>(0xEACAB6))
  DIVUZEV_LOOK(TColor, SelectionColorTo, clNone)
  DIVUZEV_LOOK(TColor, SelectionMirrorColor, clNone)
  DIVUZEV_LOOK(TColor, SelectionMirrorColorTo, clNone)
  DIVUZEV_LOOK(int, SelectionColorMixerFactor, 50)
  DIVUZEV_LOOK(TColor, SelectionTextColor, clBlack)
  DIVUZEV_LOOK(TColor, SelectionRectangleColor, clBlack)
  DIVUZEV_LOOK(bool, ShowDesignHelper, true)
  DIVUZEV_LOOK(bool, ShowNullDates, true)
  DIVUZEV_LOOK(bool, ShowSelection, true)
  DIVUZEV_STORED(bool, SizeGrowOnly, false)
  DIVUZEV_LOOK(TColor, URLColor, static_cast<TColor>(0xFF0000))
  DIVUZEV_LOOK(bool, UseDisabledFont, true)
  DIVUZEV_STORED(bool, UseInternalHintClass, true)
  DIVUZEV_LOOK(TVAlignment, VAlignment, vtaTop)
  DIVUZEV_LOOK(TColor, VyxGradientFrom, clWhite)
  DIVUZEV_LOOK(TColor, VyxGradientTo, clNone)
  DIVUZEV_LOOK(TColor, VyxGradientMirrorFrom, clNone)
  DIVUZEV_LOOK(TColor, VyxGradientMirrorTo, clNone)
  DIVUZEV_STORED(std::string, XMLEncoding, "ISO-8859-1")
  DIVUZEV_STORED(bool, FixedColAlways, false)

 public:
  // The look preset; a new grid starts with glXP without applying it.
  TGridLook Look() const { return FLook; }
  void SetLook(TGridLook Value);
  // Auto-sizes the columns after loading (not the control's own size).
  bool AutoSize() const { return FAutoSizeColumns; }
  void SetAutoSize(bool Value) override { FAutoSizeColumns = Value; }
  // Height trimmed to whole default rows by SetBounds.
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value);
  int XYOffsetX() const { return FXYOffset.X; }
  int XYOffsetY() const { return FXYOffset.Y; }
  TPoint XYOffset() const { return FXYOffset; }
  void SetXYOffset(TPoint Value);
  void SetXYOffsetX(int Value) { SetXYOffset(TPoint(Value, FXYOffset.Y)); }
  void SetXYOffsetY(int Value) { SetXYOffset(TPoint(FXYOffset.X, Value)); }
  int ZoomFactor() const { return FZoomFactor; }
  // Also given to the in-place editor.
  bool WordWrap() const { return FWordWrapEx; }
  void SetWordWrap(bool Value);
  TAlignment DefaultAlignment() const { return FDefaultAlignment; }
  void SetDefaultAlignment(TAlignment Value);
  bool FixedRowAlways() const { return FFixedRowAlways; }
  void SetFixedRowAlways(bool Value) { FFixedRowAlways = Value; }
  // The window scroll bars the grid keeps (its own copy of the value).
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value) override;
  // Text that Version reads: the four bytes of GetVersionNr as decimals.
  std::string Version() const;
  void SetVersion(const std::string&) {}
  // The edit-disable flag (the grid edits with its own editors while the
  // framework's editing option is off).
  bool EditDisable() const { return FEditDisable; }
  void SetEditDisable(bool Value) { FEditDisable = Value; }
  // Minimum fixed counts recorded by AfterLoad.
  int MinFixedRows() const { return FMinFixedRows; }
  int MinFixedCols() const { return FMinFixedCols; }

  // ===== Per-cell queries (DivUzev_Queries.cpp). Columns are real unless
  // said otherwise; each asks its event after computing its default.

  virtual void DoCanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void DoSearchFooterAction(const std::string& Value, int ACol, int ARow, TSearchAction Action);
  virtual void DoButtonClick(int ACol, int ARow);
  virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
  virtual void DoComboCloseUp(int ARow, int ACol);
  virtual void DoComboDropDown(int ARow, int ACol);
  virtual void GetCellCursor(int ACol, int ARow, int X, int Y);
  // Hint: the plain hint; WideHint: the wide one as UTF-8.
  virtual void GetCellHint(int ACol, int ARow, std::string& Hint, std::string& WideHint);
  virtual void GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
  virtual void GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
  virtual void GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
  virtual void GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
  virtual void GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void GetColumnFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix);
  virtual void GetCellEditorType(int ACol, int ARow, TEditorType& AEditor);
  virtual void GetCellEditor(int ACol, int ARow, TEditorType& AEditor);
  // True when OnGetEditorType answers edNone for the cell.
  virtual bool QueryEditorType(int ACol, int ARow);
  virtual void IsFixedCell(int ACol, int ARow, bool& IsFixed);
  virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void IsPasswordCell(int ACol, int ARow, bool& IsPassword);
  virtual void GetCellWordWrap(int ACol, int ARow, bool& WordWrap);
  virtual bool HasComboBox(int ACol, int ARow);
  virtual bool HasSpinEdit(int ACol, int ARow);
  virtual void GetCheckTrue(int ACol, int ARow, std::string& Value);
  virtual void GetCheckFalse(int ACol, int ARow, std::string& Value);
  // Fills FilterList for the filter drop-down of a (real) column.
  virtual bool GetColumnFilter(int Column);
  virtual void CanAddRow(bool& CanAdd);
  virtual void CanInsertRow(int ARow, bool& CanInsert);
  virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
  virtual bool DoRatingChange(int ACol, int ARow, double& NewRate);
  // Relays of the colour and image drop-down editors for the current cell.
  virtual void DoColorSelect(TColor Color, const std::string& Value);
  virtual void DoImageSelect(int Index);

  // The grid's font for a cell without properties; otherwise one spare
  // font loaded with the cell's font settings (the same object for every
  // cell: a later call overwrites what an earlier caller got).
  TFont* GetCellFont(int ACol, int ARow);
  // The framework's edit-mask query: EditMask, then OnGetEditMask.
  std::string GetEditMask(int ACol, int ARow) override;
  // Editor relays, bound to the editors when they are made.
  void DoGridButtonClick(TObject* Sender);
  void DoDateTimeChange(TDateTime ADateTime);
  void DoDatePickerChange(TDateTime ADateTime, bool ShowsTime);
  void DoDatePickerCloseUp();
  void DoDatePickerDropDown();

  void GetCellDrawProps(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                        TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HAlign, TVAlignment& VAlign,
                        bool& WordWrap, TCellGradientDirection& GradientDirection) override;

  // ===== Cell graphics (the lookups other topics build on)
  virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
  virtual TCellType GetCellType(int ACol, int ARow);

  // ===== Hidden columns and rows (DivUzev_Hidden.cpp)

  // Real column indexes, inclusive.
  void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
  void HideColumns(int FromCol, int ToCol);
  void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
  void UnHideColumns(int FromCol, int ToCol);
  void UnHideColumnsAll();
  bool IsHiddenColumn(int ColIndex) const;
  int NumHiddenColumns() const { return static_cast<int>(FHiddenCols.size()); }
  int TotalColCount() const override { return ColCount() + NumHiddenColumns(); }
  // Display to real, real to display (see the header comment).
  int RealColIndex(int ACol) const;
  int DisplColIndex(int ACol) override;
  int DisplColIndexOf(int ACol) const;
  int RealCol() const { return RealColIndex(Col()); }
  // The width a real column has: its saved width while hidden, else the
  // shown width. Writing a hidden column's width keeps it for when it is
  // shown again.
  int AllColWidths(int ACol) const;
  void SetAllColWidths(int ACol, int Value);
  int AllColCount() const { return TotalColCount(); }
  int AllRowCount() const { return TotalRowCount(); }

  // Real row indexes, inclusive.
  void HideRow(int RowIndex) { HideRows(RowIndex, RowIndex); }
  void HideRows(int FromRow, int ToRow);
  // Display rows listed in ascending order, hidden as one new level.
  void HideRowList(TIntList* RowList);
  void HideRowsEx(int FromRow, int ToRow);
  void UnHideRow(int RowIndex);
  void UnHideRows(int FromRow, int ToRow);
  void UnHideRowsAll();
  // Brings back the rows of the last level.
  void UnHideRowList();
  bool IsHiddenRow(int RowIndex) const;
  int NumHiddenRows() const;
  int TotalRowCount() const { return RowCount() + NumHiddenRows(); }
  int RealRowIndex(int ARow) const;
  int DisplRowIndex(int ARow) const;
  int RealRow() const { return RealRowIndex(Row()); }
  int FilterLevel() const { return FFilterLevel; }
  void SetFilterLevel(int Value) { FFilterLevel = Value; }
  // The saved cells of a hidden real row, or none.
  TStringList* HiddenRowCells(int ARow) const;

  // Cells by real column and real row (hidden rows included).
  std::string GetCellsEx(int ACol, int ARow);
  void SetCellsEx(int ACol, int ARow, const std::string& Value);
  std::string AllCells(int ACol, int ARow) { return GetCellsEx(ACol, ARow); }
  void SetAllCells(int ACol, int ARow, const std::string& Value) { SetCellsEx(ACol, ARow, Value); }
  // The raw texts (no display hook, no merge redirection).
  std::string GetGridCellsEx(int ACol, int ARow);
  void SetGridCellsEx(int ACol, int ARow, const std::string& Value);
  // GetCellEx with markup removed.
  std::string GetStrippedCell(int ACol, int ARow);

  // ===== Counts, fixed areas, current cell (DivUzev_Counts.cpp)

  void SetRowCount(int Value) override;
  void SetColCount(int Value) override;
  // Reads 1 while FixedRowAlways keeps a fixed row the framework dropped.
  int FixedRows() const;
  void SetFixedRows(int Value) override;
  int FixedCols() const;
  void SetFixedCols(int Value) override;
  int FixedRightCols() const { return FFixedRightCols; }
  void SetFixedRightCols(int Value);
  int FixedFooters() const { return FFixedFooters; }
  void SetFixedFooters(int Value);
  int FixedColWidth() const { return ColWidths(0); }
  void SetFixedColWidth(int Value);
  int FixedRowHeight() const { return FFixedRowHeight; }
  void SetFixedRowHeight(int Value);
  void SetDefaultRowHeight(int Value) override;
  int MaxRowCount() const { return FMaxRowCount; }
  int MaxColCount() const { return FMaxColCount; }

  // The current row; a write fires OnRowChanged once per new row.
  void SetRow(int Value);
  // The current display column; a write keeps a synchronised grid along.
  void SetCol(int Value);
  // Ignored unless FixedRows <= Value <= RowCount - 1.
  void SetTopRow(int Value);
  void GotoCell(int ACol, int ARow);
  void FocusCell(int ACol, int ARow);
  void EditCell(int ACol, int ARow);
  // Display column and row. Always ends, whatever the grid's size.
  void ScrollInView(int ColIndex, int RowIndex);
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);
  void MoveRows(int FromIndex, int ToIndex, int Count);
  void HideSelection();
  void UnHideSelection();
  bool SelectionHidden() const { return FSelectionHidden; }
  void UpdateEditMode();
  bool IsIgnoredColumn(int ACol) const;
  // Whether the last row lies above the search footer; scrolling it clear.
  bool LastRowInView();
  void ScrollLastRowClear();

  int SaveStartCol() const;
  int SaveEndCol() const;
  int SaveColCount() const;
  int SaveStartRow() const;
  int SaveEndRow() const;
  int SaveRowCount() const;
  // Bounding rectangle of the non-empty cells, (0, 0, 0, 0) when none.
  TGridRect UsedCells();

  // Repaints by display column and row (RepaintCell is the store's).
  void RepaintRow(int ARow);
  void RepaintCol(int ACol);
  void RepaintRect(const TGridRect& R);

  // ===== Typed cell access, fills and checking (DivUzev_Typed.cpp)

  int Ints(int ACol, int ARow);
  void SetInts(int ACol, int ARow, int Value);
  int AllInts(int ACol, int ARow);
  void SetAllInts(int ACol, int ARow, int Value);
  double Floats(int ACol, int ARow);
  void SetFloats(int ACol, int ARow, double Value);
  double AllFloats(int ACol, int ARow);
  void SetAllFloats(int ACol, int ARow, double Value);
  TDateTime Dates(int ACol, int ARow);
  void SetDates(int ACol, int ARow, TDateTime Value);
  TDateTime Times(int ACol, int ARow);
  void SetTimes(int ACol, int ARow, TDateTime Value);
  std::string ControlValues(int ACol, int ARow, const std::string& ID);
  void SetControlValues(int ACol, int ARow, const std::string& ID, const std::string& Value);
  // Exchanges stored texts and cell objects.
  void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
  void TextFill(bool DoFixed, const std::string& Txt);
  void FormatFill(bool DoFixed, const std::string& Fmt);
  void RandomFill(bool DoFixed, int Rnd);
  void LinearFill(bool DoFixed);
  // True when no cell text was changed.
  bool CheckCell(int ACol, int ARow);
  bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
  bool CheckCol(bool DoFixed, int ACol);
  bool CheckRow(bool DoFixed, int ARow);
  bool CheckGrid(bool DoFixed);
  // The text without the error marks of cell checking.
  static std::string UnMarkText(const std::string& S);

  // ===== Row and column selection sets (DivUzev_Selection.cpp)

  // Rows: display indexes, real ones with MouseActions.RowSelectPersistent.
  bool RowSelect(int ARow);
  void SetRowSelect(int ARow, bool Value);
  bool ColSelect(int ACol);
  void SetColSelect(int ACol, bool Value);
  void SelectRows(int RowIndex, int RCount);
  void UnSelectRows(int RowIndex, int RCount);
  void SelectCols(int ColIndex, int CCount);
  void UnSelectCols(int ColIndex, int CCount);
  void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
  void ClearRowSelect();
  void ClearColSelect();
  // Copies the selection rectangle into the row (column) flags.
  void SelectionToRowSelect(bool ClearOthers);
  void SelectionToColSelect(bool ClearOthers);
  int RowSelectCount();
  int ColSelectCount();
  TIntList* SelectedRowList() const { return FSelectedRows.get(); }
  bool RowModified(int ARow) const;
  void SetRowModified(int ARow, bool Value);
  int ModifiedRowCount() const;
  bool RowEnabled(int ARow) const;
  void SetRowEnabled(int ARow, bool Value);
  bool UseEnabledRows() const { return FUseEnabledRows; }
  bool SelectionPending() const { return FSelectionPending; }
  void SetSelectionPending(bool Value) { FSelectionPending = Value; }

  // ===== Operations that the later topics fill in (DivUzev_Seams.cpp)

  // Footers and calculations.
  virtual void DoCalcFooter(int ACol);
  virtual void CalcFooter(int ACol);
  virtual void CalcAllFooters();
  virtual void CalcFooterCol(int ACol);
  virtual void CellsChanged(const TRect& R);
  // Sorting.
  virtual void DoClickSort(int ACol);
  virtual void SortSwapRows(int ARow1, int ARow2);
  virtual void QSort();
  virtual void QSortIndexed();
  virtual void QSortGroup();
  virtual void QSortGroupIndexed();
  virtual void QUnSort();
  // Editing.
  virtual void KeyEditHook();
  virtual void WriteEditText(int ACol, int ARow, const std::string& Value);
  virtual void SelectAllHook(const TGridRect& R);
  virtual std::string ReadCurrentCell();
  virtual void WriteCurrentCell(const std::string& Value);
  virtual std::string GetCurrentCellText();
  virtual void SetCurrentEditText(const std::string& Value);
  virtual void RestoreEditCell();
  virtual bool ToggleCheckBoxCell(int ACol, int ARow, bool CheckEditable);
  virtual bool ToggleRadioButtonCell(int ACol, int ARow, bool CheckEditable);
  virtual std::string GetFormattedCell(int ACol, int ARow);
  virtual void GetCellFloatFormat(int ACol, int ARow, std::string& AFloatFormat);
  virtual TPoint GetCellGraphicSize(int ACol, int ARow);
  virtual void CalcGraphicSize(int ACol, int ARow, TPoint& Size, int ReservedHeight);
  virtual void GetGraphicExtent(int ACol, int ARow, TPoint& Size, double Scale, int AvailWidth,
                                int AvailHeight);
  virtual int GetPrintPageNum();
  virtual void GetEditorProp(int ACol, int ARow, TObject* AEditLink);
  virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
  virtual void GetFixedEdit(int ACol, int ARow, TEditorType& AEditor, TStrings* Items);
  virtual void SelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
  virtual void EditCaretChanged();
  virtual void AutoInsertRow(int ARow);
  virtual void AutoDeleteRow(int ARow);
  virtual void DoFilterDone();
  virtual void UpdateColSize(int ACol, int& AWidth);
  virtual void UpdateAutoColSize(int ACol, int& AWidth);
  // Writes the column headers into the fixed row.
  virtual void SyncColumnHeaders();
  virtual void DoEllipsClick(const std::string& Text, std::string& S);
  virtual bool RowMatchesFilter(int ARow);
  virtual void PasteInCell(int ACol, int ARow, const std::string& Value);
  virtual void PasteBegin();
  virtual void PasteDone();
  virtual void MarkPastedRows(const TGridRect& R);
  virtual std::string GetCellText(int ACol, int ARow);
  virtual void SaveCell(int ACol, int ARow, std::string& Value);
  virtual void LoadCell(int ACol, int ARow, std::string& Value);
  virtual void SaveOldCell(int ACol, int ARow);
  virtual bool ValidateCell(const std::string& NewValue);
  virtual bool ValidateCellWide(const std::string& NewValue);
  virtual void MouseWheelDone();
  virtual void IncRowCount();
  virtual void SpecialClickHook(int ACol, int ARow);
  virtual bool EditFormulaState();
  virtual void MouseSelectHook(const TGridRect& R);
  virtual void MouseActionsChanged(TObject* Sender);
  virtual void GetDesigning(TObject* Sender, bool& IsDesigning);
  virtual void InvalidateGridSender(TObject* Sender);
  virtual void DisableEditing(TObject* Sender);
  virtual void InplaceKeyDown(WORD& Key, TShiftState Shift);
  virtual void InplaceWMKeyDown(WORD& Key, TShiftState Shift);
  virtual void NavigationChanged(TObject* Sender);
  virtual void GotoFirstRow();
  virtual bool AllowFmtClipboard();
  virtual void FilterSelect(int ItemIndex);
  virtual void FilterCheck();
  virtual void PaintDesignHelper();
  virtual void DesignHelperClick(int X, int Y);
  virtual void CellChanging(int ACol, int ARow, bool& Allow);
  virtual void DoScrollCell(int ACol, int ARow);
  virtual bool CanShowFixedDropDown(int ACol, int ARow);
  virtual void DoStartBlockFocus();
  virtual void DoEndBlockFocus();
  virtual TObject* GetGraphicImages();
  // The row height an expand button gives its row.
  int GetExpandHeight(int ACol, int ARow, bool Expanded);
  virtual void ExportNotification(int AState, int ARow);
  virtual void ImportNotification(int AState, int ARow);
  virtual uint32_t GetVersionNr() const;
  virtual std::string GetVersionString() const;
  virtual void ReadUsedCells(TGridRect& R);
  // Structure edits.
  virtual void RemoveRowsInternal(int ARow, int RCount);
  virtual void RemoveRowsEx(int RowIndex, int RCount);
  virtual void RemoveRows(int RowIndex, int RCount);
  virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
  virtual void RemoveCols(int ColIndex, int CCount);
  virtual void InsertCols(int ColIndex, int CCount);
  virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
  virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
  // Grouping.
  virtual void SubGroup(int ColIndex);
  virtual void SubUnGroup(int ColIndex);
  virtual void Group(int ColIndex);
  virtual void UnGroup();
  // Column order persistence.
  virtual void SaveColPositions();
  virtual void LoadColPositions();

  // Services the later topics fill in (called here, empty until then).
  void ShowInplaceEdit();
  void HideInplaceEdit();
  void CellControlsUpdate(bool RebuildList);
  void UpdateSearchPanel(TObject* Sender = nullptr);
  void InitOrigColSizes();
  void SaveColSizes();
  void LoadColSizes();
  void SaveToStream(TStream* Stream);
  void LoadFromStream(TStream* Stream);
  void AutoSizeColumns(bool DoFixedCols, int Padding);
  void BalloonInit();
  void BalloonDone();
  void UpdateScrollBarAlways(bool ForceHide);
  void UpdateHScrollProportional();
  void UpdateVScrollProportional();
  void UpdateFlatScrollBars();
  void InitFlatScrollBars();
  void CreateScrollControls();
  void FreeScrollControls();
  void RepaintBorder();
  // Puts the focus frame over the current cell.
  void MoveFocusWindow();
  void FollowOfficeTheme();
  // The grid timer's tick (every 500 ms while the window exists).
  void GridTimer();
  void ColumnMovedHandling(int FromIndex, int ToIndex);
  void RowMovedHandling(int FromIndex, int ToIndex);
  void SetColumnOrder();

  // ===== Events
  // Every event names a column by its real index (hidden columns counted)
  // and a row by its display index, as the queries that fire them take
  // them; the editor relays name the current cell the same way. The
  // row-select events name the row as the select flags are kept: by real
  // row with MouseActions.RowSelectPersistent.

  // Queries and relays.
  TCanEditCellEvent OnCanEditCell;
  TSearchFooterActionEvent OnSearchFooterAction;
  TButtonClickEvent OnButtonClick;
  TExpandClickEvent OnExpandClick;
  TComboCloseUpEvent OnComboCloseUp;
  TComboCloseUpEvent OnComboDropDown;
  TGetCellCursorEvent OnGetCellCursor;
  TGridHintEvent OnGridHint;
  TGridHintEvent OnGridWideHint;
  TGridColorEvent OnGetCellColor;
  TGridColorEvent OnGetCellPrintColor;
  TGridBorderEvent OnGetCellBorder;
  TGridBorderEvent OnGetCellPrintBorder;
  TGridAlignEvent OnGetAlignment;
  TGridFormatEvent OnGetFormat;
  TGetEditorTypeEvent OnGetEditorType;
  TIsFixedCellEvent OnIsFixedCell;
  TIsPasswordCellEvent OnIsPasswordCell;
  TWordWrapEvent OnGetWordWrap;
  THasComboBoxEvent OnHasComboBox;
  THasSpinEditEvent OnHasSpinEdit;
  TGetCheckEvent OnGetCheckTrue;
  TGetCheckEvent OnGetCheckFalse;
  TGetColumnFilterEvent OnGetColumnFilter;
  TCanAddRowEvent OnCanAddRow;
  TCanInsertRowEvent OnCanInsertRow;
  TCheckBoxClickEvent OnCheckBoxChange;
  TRatingChangeEvent OnRatingChange;
  TColorSelectEvent OnColorSelect;
  TImageSelectEvent OnImageSelect;
  TDateTimeChangeEvent OnDateTimeChange;
  TEditChangeEvent OnEditChange;
  TGridRowColEvent OnDatePickerCloseUp;
  TGridRowColEvent OnDatePickerDropDown;
  // Counts and selection.
  TRowChangedEvent OnRowChanged;
  TRowDisjunctSelectEvent OnRowDisjunctSelect;
  TRowDisjunctSelectedEvent OnRowDisjunctSelected;
  // The edit of (real column, row) ended ("GridEditDone").
  TGridColRowEvent OnEditCellDone;
  TNotifyEvent OnEditingDone;

  // The window procedure: "GridEditDone" and the grid timer.
  void WndProc(TMessage& Message) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Resize() override;
  void WMTimer(TMessage& Message) override;

  // Grows the flag lists of the selection sets.
  static void GrowFlags(std::vector<uint8_t>& Flags, int Count);

  // The unit's start-up runs once, from the first grid or the program's.
  friend void InitializeDivUzevUnit();

 private:
  // ---- Construction steps
  void CreateCompanions();
  void CreateRunTimeCompanions();
  void FreeRunTimeCompanions();
  void WireCompanions();
  void OwnerFormResize(TObject* Sender);
  void ColumnHeadersChanged(TObject* Sender);
  void RowHeadersChanged(TObject* Sender);
  void WriteColumnHeaders();
  void WriteRowHeaders();
  void FontRepaint(TObject* Sender);
  void BalloonEnableChanged(TObject* Sender);
  void ShowModifiedChanged(TObject* Sender);

  // ---- Hidden rows: moving whole rows between the grid and the store
  void SaveRowInto(TGridItem* Item, int DisplayRow);
  void RestoreRowFrom(TGridItem* Item, int DisplayRow);
  void CopyRow(int FromRow, int ToRow);
  // Takes the shown rows of a real range out into the store, in Idx order
  // or appended.
  void TakeRowsOut(int FromRow, int ToRow, bool Append);
  void EmptyRowSlots(int ARow);
  // Takes RCount display rows from ARow out of the grid (cells kept by the
  // caller or freed with DropProperties).
  void DeleteRowsInternal(int ARow, int RCount, bool DropControls);
  void InsertRowsInternal(int RowIndex, int RCount, bool UpdateCellControls);
  void FocusCellMove(int ACol, int ARow);

  // ---- Selection helpers
  int RowFlagIndex(int DisplayRow) const;

  // ---- State
  bool FDesigning = false;
  bool FGridLoaded = false;
  bool FIsXP = true;
  bool FIsWin7 = true;
  bool FIsVista = true;
  bool FIsThemed = true;
  int FWheelScrollLines = 3;
  UINT FWheelMessage = 0;
  bool FWheelPan = false;
  TGridLook FLook = glXP;
  bool FAutoSizeColumns = false;
  bool FIntegralHeight = false;
  TPoint FXYOffset{2, 2};
  int FZoomFactor = 0;
  bool FWordWrapEx = true;
  TAlignment FDefaultAlignment = taLeftJustify;
  bool FFixedRowAlways = false;
  TScrollStyle FScrollBars = ssBoth;
  bool FEditDisable = false;
  bool FEditChange = false;
  int FMinFixedRows = 0;
  int FMinFixedCols = 0;
  TCursor FLoadedCursor = crDefault;
  TOfficeTheme FOfficeTheme = otUnknown;
  TGridCoord FLastTabCell{-1, -1};
  int FHoveredLink = -1;
  int FLastDesignChoice = -1;
  TNotifyEvent FSavedFormResize;
  TCustomForm* FResizeForm = nullptr;
  int FFormWidth = 0;
  int FFormHeight = 0;
  int FOldLeftCol = 0;
  int FOldTopRow = 0;
  bool FTimerStarted = false;
  // Internal defaults other topics rely on.
  TGridCoord FPushedCellButton{-1, -1};
  TGridCoord FLastHintPos{-1, -1};
  TGridCoord FClipTopLeft{-1, -1};
  TGridCoord FHoveredFixedCell{-1, -1};
  int FFilterColumn = -1;
  int FComboIndex = -1;
  int FOldSize = -1;
  int FPrevSelectedRow = -1;
  TGridCoord FClickedCell{-1, -1};
  bool FColChangeAllowed = true;
  bool FLastValidation = true;
  int FUpdateCount = 0;
  uint64_t FSearchTick = 0;

  // Counts.
  int FRequestedFixedRows = 1;
  int FRequestedFixedCols = 1;
  int FMaxRowCount = 0;
  int FMaxColCount = 0;
  int FFixedRightCols = 0;
  int FFixedFooters = 0;
  int FFixedRowHeight = 22;
  bool FFixedRowsDropped = false;
  bool FFixedColsDropped = false;
  TGridRect FSavedSelection;
  bool FSelectionHidden = false;
  // The row last reported to OnRowChanged.
  int FOldRowSel = -1;
  bool FInRowWrite = false;
  // Count changes in progress: fixed counts the framework lowers meanwhile
  // are not what the user asked for.
  int FCountChange = 0;
  class TCountChange {
   public:
    explicit TCountChange(int& Depth) : depth_(Depth) { ++depth_; }
    ~TCountChange() { --depth_; }
    TCountChange(const TCountChange&) = delete;
    TCountChange& operator=(const TCountChange&) = delete;

   private:
    int& depth_;
  };

  // Hidden columns: real indexes in ascending order, and the width each
  // real column had when it was hidden (grows with the columns).
  std::vector<int> FHiddenCols;
  std::vector<int> FAllColWidths;
  int FFilterLevel = 0;

  // Selection sets.
  std::vector<uint8_t> FRowSelect;
  std::vector<uint8_t> FColSelect;
  bool FUseEnabledRows = false;
  bool FSelectionPending = false;

  // Companions.
  TFooterPanel* FFooterPanel = nullptr;
  TSearchPanel* FSearchPanel = nullptr;
  std::unique_ptr<TFont> FSpareFont;
  std::unique_ptr<TFocusHelper> FFocusHelper;
  std::unique_ptr<TSearchFooter> FSearchFooter;
  std::unique_ptr<TFloatingFooter> FFloatingFooter;
  std::unique_ptr<TPrintSettings> FPrintSettings;
  std::unique_ptr<THTMLSettings> FHTMLSettings;
  std::unique_ptr<TSortSettings> FSortSettings;
  std::unique_ptr<TDragDropSettings> FDragDropSettings;
  std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
  std::unique_ptr<TControlLook> FControlLook;
  std::unique_ptr<TNavigation> FNavigation;
  std::unique_ptr<TColumnSize> FColumnSize;
  std::unique_ptr<TCellNode> FCellNode;
  std::unique_ptr<TBands> FBands;
  std::unique_ptr<TSizeWhileTyping> FSizeWhileTyping;
  std::unique_ptr<TMouseActions> FMouseActions;
  std::unique_ptr<TGrouping> FGrouping;
  std::unique_ptr<TStringList> FColumnHeaders;
  std::unique_ptr<TFont> FFixedFont;
  std::unique_ptr<TFont> FActiveCellFont;
  std::unique_ptr<TStringList> FRowHeaders;
  std::unique_ptr<TStringList> FSortList;
  std::unique_ptr<TStringList> FLookupItems;
  std::unique_ptr<TSortIndexList> FSortIndexes;
  std::unique_ptr<TIntList> FSortRowXRef;
  std::unique_ptr<TIntList> FUnSortRowXRef;
  std::unique_ptr<TIntList> FMergedColumns;
  std::unique_ptr<TIntList> FSelectedCells;
  std::unique_ptr<TIntList> FSelectedRows;
  std::unique_ptr<TIntList> FModifiedRows;
  std::unique_ptr<TIntList> FDisabledRows;
  std::unique_ptr<TBitmap> FRowIndicator;
  std::unique_ptr<TBackGround> FBackGround;
  std::unique_ptr<TControlList> FControlList;
  std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
  std::unique_ptr<TSyncGrid> FSyncGrid;
  std::unique_ptr<TGridItemCollection> FGridItems;
  std::unique_ptr<TFilter> FFilter;
  std::unique_ptr<TBalloonSettings> FBalloon;
  std::unique_ptr<TShowModified> FShowModified;
  std::unique_ptr<TIntList> FColumnOrder;
  std::unique_ptr<TCellGraphic> FCellGraphic;
  std::unique_ptr<TIntList> FIgnoreColumns;
  std::unique_ptr<TFilterDropDown> FFilterDropDown;
  std::unique_ptr<TStringList> FFilterList;
  TScrollBar* FCellScrollBars[2] = {nullptr, nullptr};
  TDedAdararAdozCheck* FCellChecker = nullptr;
};

#undef DIVUZEV_STORED
#undef DIVUZEV_LOOK

// ---------------------------------------------------------------------------
// The grid unit

// Start-up of the grid unit, once per process (later calls do nothing):
// class registration for layouts, the focus-frame hook, the clipboard
// format "TDedAdararAdoz Cells" and the messages "GridEditDone" and
// "DTPShiftFocus". Shut-down undoes what start-up set up, at its last call.
void InitializeDivUzevUnit();
void FinalizeDivUzevUnit();

// The registered ids (0 until start-up ran).
unsigned GridCellsClipboardFormat();
UINT GridEditDoneMessage();
UINT DTPShiftFocusMessage();
bool ComCtl470Available();
TCursor GridLinkCursor();
// The grid whose focus frame follows window moves; none at start.
TDedAdararAdoz* FocusFrameGrid();
void SetFocusFrameGrid(TDedAdararAdoz* Grid);

// What the platform reports (Windows XP, Vista and 7 or later, and the
// common-controls version GetFileVersion answers for "comctl32.dll"); the
// facts new grids read. Tests choose older platforms with it.
void SetGridPlatformFacts(bool XP, bool Vista, bool Win7, int ComCtlVersion);
// Whether the visual styles are on (the XP look stays only then); the
// framework's themed drawing answers until the visual-styles loader binds
// its own query here. nullptr goes back to the framework's.
void SetVisualStylesActiveQuery(std::function<bool()> Query);

// The process's locale format settings.
char GetTimeSeparator();
char GetDateSeparator();
char GetThousandSeparator();
char GetDecimalSeparator();
std::string GetShortDateFormat();
std::string GetShortTimeFormat();
std::string GetLongTimeFormat();
// Adds the transparent extended window style, keeping the others.
void SetTransparentExStyle(HWND Handle);
// The most significant 32 bits of a file's version (major << 16 | minor),
// -1 without a version resource.
int GetFileVersion(const std::string& FileName);
