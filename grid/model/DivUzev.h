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
// its group out of that file into its own). In-place editing, cell
// selection, validation, focus and the update lock are in grid/view
// (DivUzev_Edit, _EditText, _EditCombo, _Select, _Focus, _FixedEdit; the
// editor classes in grid/view/DivUzevEditors.h).
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
// GetEditText/SetEditText [ReadEditorText/WriteEditorText], ChangeScale
// [ApplyScaling]. Grid routines that go by a second name too:
// ShowEditControl and HideEditControl [ShowCellEditor, HideCellEditor],
// RealColIndex [DisplColToReal], DisplRowIndex [RealRowToDispl],
// IsLastDataRow [IsOnLastRow], AutoAppendRow [AppendRow], the combo editor
// FEditCombo [EditCombo] and the balloon settings Balloon [BalloonSettings].
#include <bitset>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/classes/Collections.h"
#include "framework/controls/CheckBox.h"
#include "framework/graphics/Printers.h"
#include "framework/rtl/DateUtils.h"
#include "grid/base/BaseGrid.h"
#include "grid/base/VevDraw.h"
#include "grid/base/VevObj.h"

class TCustomForm;
class TDropList;
class TDropCheckList;
class TCustomRichEdit;
class TDedAdararAdoz;
class TDedAdararAdozCheck;
class TEditLink;
class TGridCombo;
class TGridCheckBox;
class TGridSpin;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridButton;
class TGridDatePicker;
class TGridDateTimePicker;
class THeaderAppearance;
class TFooterAppearance;
class ZEveRozoDiva;
class THintWindow;
class TBalloonToolTip;
struct NMTTDISPINFO;
class TGridTransCombo;
class TGridTransEdit;
class TControlEdit;
class TControlCombo;
class THeaderDragButton;
struct TMarkupResult;
class TInplaceEdit;
class ZIvoVorazirUded;
class TScrollBar;
class TPopupMenu;
class TScrollControl;
class TStringList;
class TStrings;
namespace gridio {
struct TTextImage;
}
class TIcon;
class TPicture;
class TFilePicture;
class TImageList;
class TPictureContainer;
class THTMLPictureCache;

CF_DECLARE_EXCEPTION(EDivUzevError, Exception)

// The message a paste of grid cells is refused with when the clipboard block
// declares more rows and columns than it holds (the counts follow it in
// brackets); a program may put its translation here.
const std::string& GridPasteRefusedText();
void SetGridPasteRefusedText(const std::string& Text);

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
// TCheckBoxState (cbUnchecked, cbChecked, cbGrayed) is the framework check
// box's: a unit holding both the grid and check boxes sees one type.

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

enum TSortDirection { sdAscending, sdDescending };
// Where IgnoreBlanks puts empty cells, whatever the direction.
enum TSortBlankPosition { blFirst, blLast };
// The key that adds a column to a multi-column sort on a header click.
enum TIndexSortKey { ikShift, ikCtrl };

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
enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum THintShowLargeTextPos { hpCell, hpCursor };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };

// The look of check boxes, radio buttons and buttons the grid draws (the
// framework's TControlStyle is another thing: the control's behaviour set).
enum TGridControlStyle { csClassic, csFlat, csWinXP, csHalvern, csVyx, csGlyph, csTheme };
enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };
enum TColumnSizeLocation { clRegistry, clIniFile };
enum TAutoSizeRows { arAll, arNormal, arFixed };
enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };
enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// What an export or import tells ExportNotification and ImportNotification
// (grid/io), by row.
enum TGridExportState {
  esExportStart,
  esExportNewRow,
  esExportDone,
  esExportSelRow,
  esExportFail,
  esExportNextRow
};
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };
enum TClipOperation { coCut, coCopy };

// Print settings (grid/io): where a header or footer text goes, the border
// scheme, scaling to the page and the page's orientation.
enum TPrintPosition {
  ppNone,
  ppTopLeft,
  ppTopRight,
  ppTopCenter,
  ppBottomLeft,
  ppBottomRight,
  ppBottomCenter
};
enum TPrintBorders {
  pbNoborder,
  pbSingle,
  pbDouble,
  pbVertical,
  pbHorizontal,
  pbAround,
  pbAroundVertical,
  pbAroundHorizontal,
  pbCustom
};
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
// TPrinterOrientation comes with the printer (framework/graphics/Printers.h).
// Cell graphics: how a picture fills its cell, the icon of a balloon hint,
// the sort direction the indicator shows, and a cell scroll bar's extent.
enum TStretchMode { noStretch, Stretch, Shrink, StretchWithAspectRatio, ShrinkWithAspectRatio };
enum TBalloonIcon { biNone, biInfo, biWarning, biError };
struct TScrollProp {
  int PageSize = -1;
  int Range = -1;
};

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
// The value a colour or image editor is about to write back, open to change.
using TColorSelectedEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TColor& Color, std::string& Value)>;
using TImageSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, int& Index)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TDateTime ADateTime)>;
using TCellBalloonEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& ATitle,
                                             std::string& AText, TBalloonIcon& AIcon)>;
// The spin editor's buttons (UpDown: the up button).
using TSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TFloatSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)>;
// The button of an edit-button or button cell: S comes back as the new text.
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& S)>;
// Reads a date cell's text in the application's own way.
using TCustomStrToDateEvent =
    std::function<void(TObject* Sender, const std::string& Value, TDateTime& ADate)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TRowChangedEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int ARow, bool AState, bool& Allow)>;
using TRowDisjunctSelectedEvent = std::function<void(TObject* Sender, int ARow)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int ARow, std::string& hintstr)>;
using TDragScrollEvent =
    std::function<void(TObject* Sender, int TopRow, int LeftCol, int& DragScrollDir, bool& CanScroll)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
class TFooterPanel;
using TFooterPaintEvent = std::function<void(TObject* Sender, int ACol, TCanvas* Canvas, const TRect& ARect)>;
using TFloatingFooterCalcEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGridProgressEvent = std::function<void(TObject* Sender, int16_t Progress)>;
// Sorting: Res starts 0 and may be set to 1, 0 or -1 (the first row after,
// equal to, before the second in ascending order).
using TCustomCompareEvent =
    std::function<void(TObject* Sender, const std::string& Str1, const std::string& Str2, int& Res)>;
using TRawCompareEvent = std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
// Custom column and group calculations: Res starts 0.
using TColumnCalcEvent = std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
using TGroupCalcEvent = TColumnCalcEvent;
// Events of the configurator's tables and of the column grid.
using TClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const std::string& ASelection)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TRowSizeEvent = std::function<void(TObject* Sender, int ARow, bool& Allow)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, int Column, int ItemIndex,
                                              const std::string& FriendlyName, std::string& FilterCondition)>;
using TFilterCheckEvent =
    std::function<void(TObject* Sender, int Column, int ItemIndex, const std::string& FriendlyName,
                       std::string& FilterCondition, TObject* CheckList)>;
using TCustomFilterEvent = std::function<void(TObject* Sender, int ARow, bool& AcceptRow)>;
using TFilterProgressEvent = std::function<void(TObject* Sender, int16_t Progress)>;
using TSearchEditChangeEvent =
    std::function<void(TObject* Sender, const std::string& Value, bool& DefaultSearch)>;

// Search options, bit i = option i.
enum TFindOption {
  fnMatchCase,
  fnMatchFull,
  fnMatchRegular,
  fnDirectionLeftRight,
  fnMatchStart,
  fnFindInCurrentRow,
  fnFindInCurrentCol,
  fnIncludeFixed,
  fnAutoGoto,
  fnIgnoreHTMLTags,
  fnBackward,
  fnIncludeHiddenColumns,
  fnFindInPresetCol,
  fnFindInPresetRow,
  fnSelectedCells,
  fnIncludeHiddenRows
};
using TFindParams = TSet<TFindOption, 16>;
// Painting.
using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                                TGridDrawState AState, TRect ARect, bool Printing)>;
using TGridBorderPropEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen* LeftPen,
                                                TPen* TopPen, TPen* RightPen, TPen* BottomPen)>;
using TGridGradientEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                       TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TFloatFormatEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat, std::string& FloatFormat)>;
// In-place editing.
using TCellValidateEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Valid)>;
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const std::string& ASelection)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                   const std::string& ASelection, TObject* AObject)>;
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
using TCanClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TAnchorClickEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Anchor, bool& AutoHandle)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, std::string& Anchor)>;
using TRadioClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
using TControlClickEvent = std::function<void(TObject* Sender, int ARow, int ACol, const std::string& CtrlID,
                                              const std::string& CtrlType, const std::string& CtrlVal)>;
using TControlComboListEvent = std::function<void(
    TObject* Sender, int ARow, int ACol, const std::string& CtrlID, const std::string& CtrlType,
    const std::string& CtrlVal, TStrings* Values, bool& Edit, int& DropCount)>;
using TControlComboSelectEvent = std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex,
                                                    const std::string& CtrlID, const std::string& CtrlValue)>;
using TCanSortEvent = std::function<void(TObject* Sender, int ACol, bool& DoSort)>;
using TCanDeleteRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanDelete)>;
using TAutoAdvanceEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
using TBeforeNodeEvent = std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)>;
using TNodeEvent = std::function<void(TObject* Sender, int ARow, int ARowReal)>;
using TGetEditorPropEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TFixedDropDownClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu*& AMenu,
                                                    bool& KeepFixedCellHighlighted)>;
using TClipboardPasteCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value, bool& Allow)>;
using TClipboardAfterPasteCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TGridRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TGridColEvent = std::function<void(TObject* Sender, int ACol)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, const TRect& R)>;
// Cell selection and the grid's hooks.
using TCellChangingEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TRowChangingEvent = std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TColChangingEvent = std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TGridPrintPageEvent =
    std::function<void(TObject* Sender, int PageNum, int PageColNum, std::string& PageNumString)>;
// Printing and preview (grid/io/DivUzev_Print*.cpp).
using TPrintStartEvent = std::function<void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage)>;
using TPrintColumnWidthEvent = std::function<void(TObject* Sender, int ACol, int& Width)>;
using TPrintRowHeightEvent = std::function<void(TObject* Sender, int ARow, int& Height)>;
using TFitToPageEvent = std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)>;
using TPrintPageEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int PageNr, int PageXSize, int PageYSize)>;
using TPrintNewPageEvent = std::function<void(TObject* Sender, int ARow, bool& NewPage)>;
using TPrintPageDoneEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int LastRow, int LastRowOffset, int LastPage,
                       int PageXSize, int PageYSize)>;
using TPrintCancelEvent = std::function<void(TObject* Sender, int PageNr, bool& Cancel)>;
using TCustomCellSizeEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TPoint& ASize, bool Printing)>;
using TScrollCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition,
                                            int ScrollMin, int ScrollMax)>;
using TCanShowFixedDropDownEvent = std::function<void(TObject* Sender, int ACol, bool& CanShow)>;
using TGridCellTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSelectionChangedEvent =
    std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TFixedEditEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Values)>;
using TSelectionResizeEvent =
    std::function<void(TObject* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>;

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
//
// A filter level of many rows goes in as one block: its rows' texts stay
// parked in the grid's own storage (no entry or string list each), and the
// level is taken out and put back as a whole. Anything that looks at single
// entries turns the blocks into entries first, in the order they were put
// there, so the store reads the same either way.
class TGridItemCollection : public TCollection {
 public:
  // One level's rows: the display rows they had, marked, their real rows
  // (ascending; listed when first asked for while they equal the display
  // rows), Cols object slots per row.
  struct TRowBlock {
    TRowBlock() = default;
    ~TRowBlock();
    TRowBlock(const TRowBlock&) = delete;
    TRowBlock& operator=(const TRowBlock&) = delete;
    int Level = 0;
    int Cols = 0;
    int Rows = 0;
    std::vector<uint8_t> Marked;
    mutable std::vector<int> Idx;
    const std::vector<int>& RealRows() const;
    // Heights; empty while every row had Height.
    std::vector<int> Heights;
    int Height = 0;
    // The stored rows the parking went over, and the rows shown after it
    // (-1: none of its own).
    int Span = 0;
    int Shown = -1;
    // Empty unless a row had cell properties; then Cols slots per row.
    std::vector<TObject*> Objects;
    int Count() const { return Rows; }
  };

  TGridItemCollection();
  ~TGridItemCollection() override;
  // The grid whose storage holds the blocks' parked texts.
  void SetParkGrid(TStringGrid* Grid) { FParkGrid = Grid; }
  int Count() const { return TCollection::Count() + FBlockRows; }
  TGridItem* Items(int Index) const {
    Flatten();
    return static_cast<TGridItem*>(TCollection::Items(Index));
  }
  TGridItem* Add() {
    Flatten();
    return static_cast<TGridItem*>(TCollection::Add());
  }
  TGridItem* Insert(int Index) {
    Flatten();
    return static_cast<TGridItem*>(TCollection::Insert(Index));
  }
  void Delete(int Index) {
    Flatten();
    TCollection::Delete(Index);
  }
  void Clear();
  void DeleteWhere(const std::function<bool(TCollectionItem*)>& Pred) {
    Flatten();
    TCollection::DeleteWhere(Pred);
  }

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

  // Blocks go in after every entry; the last one comes out whole while no
  // entry came after it.
  void AddBlock(std::unique_ptr<TRowBlock> Block);
  TRowBlock* LastBlock() const { return FBlocks.empty() ? nullptr : FBlocks.back().get(); }
  std::unique_ptr<TRowBlock> TakeLastBlock();
  // Every hidden row's text of a column, blocks read in place.
  void ForEachHiddenText(int Column, const std::function<void(const std::string&)>& Fn) const;
  // Whether the rows of Level are all in the last block.
  bool LevelOnlyInLastBlock(int Level) const;
  // Turns every block into entries.
  void Flatten() const;

 protected:
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

 private:
  void Refresh() const;
  mutable std::vector<int> FSorted;
  mutable std::vector<int> FDistinct;
  mutable bool FSortedValid = false;
  mutable std::vector<std::unique_ptr<TRowBlock>> FBlocks;
  mutable int FBlockRows = 0;
  TStringGrid* FParkGrid = nullptr;
};

// ---------------------------------------------------------------------------
// The cell graphic object kept in a cell's properties

// An object of the application that a ctInterface cell shows: it draws
// itself and may ask for its own size. The grid never frees it.
class TInterfacedPersistent : public TPersistent {
 public:
  // Draws into R of the cell (ACol real, ARow display).
  virtual void Draw(TCanvas* ACanvas, const TRect& R, int ACol, int ARow, bool Selected,
                    TDedAdararAdoz* Grid) = 0;
  // Its size in the cell; a 0 side takes the cell's.
  virtual TPoint GetSize(int /*ACol*/, int /*ARow*/) { return TPoint(0, 0); }
  // Drawn under the text instead of beside it.
  virtual bool IsBackground() { return false; }
};

// The one graphic a cell may hold. What each field means depends on the
// kind; objects it created itself (CellCreated) it frees with itself, as
// it does the lists of multi-image cells, balloons and attached balloons.
class TCellGraphic : public TPersistent {
 public:
  TCellGraphic() = default;
  ~TCellGraphic() override;

  // Copies the fields from another TCellGraphic, not its objects: the
  // objects this graphic owns are freed first and the copy holds none.
  void Assign(TPersistent* Source) override;
  void SetInterfacedCell(TInterfacedPersistent* AObject);
  void SetBitmap(TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  // The button's size is packed into CellIndex: height << 16 | width.
  void SetButton(int bw, int bh, const std::string& Caption, TCellHAlign hal, TCellVAlign val);
  void SetBitButton(int bw, int bh, const std::string& Caption, TBitmap* Glyph, TCellHAlign hal,
                    TCellVAlign val);
  void SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                  TCellHAlign hal, TCellVAlign val);
  void SetFilePicture(TFilePicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                      TCellHAlign hal, TCellVAlign val);
  void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
  void SetIcon(TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
  void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
  void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
  // A new owned index list for (Col, Row) whose changes go to Notifier.
  void SetMultiImage(int Col, int Row, int Dir, TCellHAlign hal, TCellVAlign val, TImageChangeEvent Notifier);
  // Rotated text; the angle is brought into 0..360.
  void SetAngle(int16_t AAngle);
  // The drawing size of a picture cell in a cell of cw x rh pixels.
  TPoint GetPictureSize(int cw, int rh, bool HasText) const;
  // The held objects this graphic frees with itself, then no objects held.
  void FreeObjects();

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
 public:
  bool OleDropRTF() const { return FOleDropRTF; }
  // Rich text is taken by drops (and offered by drags) process-wide.
  void SetOleDropRTF(bool Value);
  // Registers the grid's window for drops (or revokes it) when the window
  // exists; else when it is made.
  bool OleDropTarget() const { return FOleDropTarget; }
  void SetOleDropTarget(const bool& Value);

 private:
  TDedAdararAdoz* FOwner;
  bool FOleDropRTF = false;
  bool FOleDropTarget = false;
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
// grid draws. The look setters repaint the grid; the fixed-cell gradient
// setters hand their colour on to the grid's own colour of the same role
// (the plain start and end colours and the borders only when set, the
// mirror colours always) without repainting; Assign copies fields only.
class TControlLook : public TPersistent {
 public:
  explicit TControlLook(TDedAdararAdoz* AOwner);
  ~TControlLook() override;
  void Assign(TPersistent* Source) override;
  // The colours back to their initial values; the hover and pressed mirror
  // colours reach the grid too.
  void Init();
  TDedAdararAdoz* Owner() const { return FOwner; }

#define CONTROLLOOK_REPAINT(Type, Name, Default) \
 public:                                         \
  Type Name() const { return F##Name; }          \
  void Set##Name(const Type& Value);             \
                                                 \
 private:                                        \
  Type F##Name = Default;

  CONTROLLOOK_REPAINT(TGridControlStyle, ControlStyle, csTheme)
  CONTROLLOOK_REPAINT(int, CheckSize, 15)
  CONTROLLOOK_REPAINT(int, RadioSize, 10)
  CONTROLLOOK_REPAINT(TColor, Color, clBlack)
  CONTROLLOOK_REPAINT(bool, FlatButton, false)
  CONTROLLOOK_REPAINT(bool, DropDownAlwaysVisible, false)
  CONTROLLOOK_REPAINT(bool, SpinButtonsAlwaysVisible, false)
  CONTROLLOOK_REPAINT(bool, NoDisabledCheckRadioLook, false)
  CONTROLLOOK_REPAINT(bool, NoDisabledButtonLook, false)
  CONTROLLOOK_REPAINT(TColor, CommentColor, static_cast<TColor>(255))
  CONTROLLOOK_REPAINT(int, ProgressMarginX, 2)
  CONTROLLOOK_REPAINT(int, ProgressMarginY, 2)
  CONTROLLOOK_REPAINT(bool, ProgressXP, false)
  // The gradient colours (passed on to the grid, no repaint).
  CONTROLLOOK_REPAINT(TColor, FixedGradientFrom, clNone)
  CONTROLLOOK_REPAINT(TColor, FixedGradientTo, clNone)
  CONTROLLOOK_REPAINT(TColor, FixedGradientMirrorFrom, clNone)
  CONTROLLOOK_REPAINT(TColor, FixedGradientMirrorTo, clNone)
  CONTROLLOOK_REPAINT(TColor, FixedGradientHoverFrom, clGray)
  CONTROLLOOK_REPAINT(TColor, FixedGradientHoverTo, clWhite)
  CONTROLLOOK_REPAINT(TColor, FixedGradientHoverMirrorFrom, clNone)
  CONTROLLOOK_REPAINT(TColor, FixedGradientHoverMirrorTo, clNone)
  CONTROLLOOK_REPAINT(TColor, FixedGradientHoverBorder, clSilver)
  CONTROLLOOK_REPAINT(TColor, FixedGradientDownFrom, clGray)
  CONTROLLOOK_REPAINT(TColor, FixedGradientDownTo, clSilver)
  CONTROLLOOK_REPAINT(TColor, FixedGradientDownMirrorFrom, clNone)
  CONTROLLOOK_REPAINT(TColor, FixedGradientDownMirrorTo, clNone)
  CONTROLLOOK_REPAINT(TColor, FixedGradientDownBorder, clGray)
#undef CONTROLLOOK_REPAINT

  // Written directly, no repaint.
  DIVUZEV_PLAIN(bool, FixedDropDownButton, false)
  DIVUZEV_PLAIN(bool, CheckAlwaysActive, false)
  DIVUZEV_PLAIN(bool, RadioAlwaysActive, false)
  DIVUZEV_PLAIN(int, DropDownCount, 8)
  DIVUZEV_PLAIN(TColor, ProgressBorderColor, clGray)
  DIVUZEV_PLAIN(int, HintMaxWidth, 0)

 public:
  // Glyphs of the glyph look; empty bitmaps draw nothing. The setters copy
  // the picture and repaint.
  TBitmap* CheckedGlyph() const { return FCheckedGlyph.get(); }
  void SetCheckedGlyph(TBitmap* Value);
  TBitmap* UnCheckedGlyph() const { return FUnCheckedGlyph.get(); }
  void SetUnCheckedGlyph(TBitmap* Value);
  TBitmap* RadioOnGlyph() const { return FRadioOnGlyph.get(); }
  void SetRadioOnGlyph(TBitmap* Value);
  TBitmap* RadioOffGlyph() const { return FRadioOffGlyph.get(); }
  void SetRadioOffGlyph(TBitmap* Value);
  // Header and footer of the grid's drop-down editors, owned; the setters
  // copy without repainting.
  THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
  void SetDropDownHeader(THeaderAppearance* Value);
  TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
  void SetDropDownFooter(TFooterAppearance* Value);

 private:
  void Repaint();
  TDedAdararAdoz* FOwner;
  std::unique_ptr<THeaderAppearance> FDropDownHeader;
  std::unique_ptr<TFooterAppearance> FDropDownFooter;
  std::unique_ptr<TBitmap> FCheckedGlyph;
  std::unique_ptr<TBitmap> FUnCheckedGlyph;
  std::unique_ptr<TBitmap> FRadioOnGlyph;
  std::unique_ptr<TBitmap> FRadioOffGlyph;
};

// The footer strip under the cells: a frozen copy of the last row, or a
// preview of the current row (grid/view/DivUzev_FloatingFooter.cpp).
class TFloatingFooter : public TPersistent {
 public:
  explicit TFloatingFooter(TDedAdararAdoz* AOwner) : FOwner(AOwner) {}
  // Copies all but Height, BorderColor, EnableCalculation and OnCalcFooter.
  void Assign(TPersistent* Source) override;
  TDedAdararAdoz* Owner() const { return FOwner; }

  DIVUZEV_PLAIN(bool, EnableCalculation, true)
  DIVUZEV_PLAIN(bool, CalculateHiddenRows, true)

 public:
  // Shows the panel (Height - 1 high) and, with fsFixedLastRow, makes the
  // grid's last row the footer.
  bool Visible() const { return FVisible; }
  void SetVisible(const bool& Value);
  TFooterStyle FooterStyle() const { return FFooterStyle; }
  void SetFooterStyle(const TFooterStyle& Value);
  int Height() const { return FHeight; }
  void SetHeight(const int& Value);
  TColor Color() const { return FColor; }
  void SetColor(const TColor& Value);
  int Column() const { return FColumn; }
  void SetColumn(const int& Value);
  // fsCustomPreview: "<#n>" stands for the current row's cell of column n.
  const std::string& CustomTemplate() const { return FCustomTemplate; }
  void SetCustomTemplate(const std::string& Value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(const bool& Value);
  // A line along the top of the footer columns (clNone: none).
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(const TColor& Value);
  // The calculation of a column: kept in its last-row cell.
  TColumnCalcType GetColumnCalc(int ACol) const;
  void SetColumnCalc(int ACol, TColumnCalcType Kind);
  void Invalidate();
  TFloatingFooterCalcEvent OnCalcFooter;

 private:
  TDedAdararAdoz* FOwner;
  int FHeight = 0;
  bool FVisible = false;
  TColor FColor = clBtnFace;
  TFooterStyle FFooterStyle = fsFixedLastRow;
  int FColumn = 0;
  std::string FCustomTemplate;
  bool FShowHint = false;
  TColor FBorderColor = clNone;
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

 public:
  // Switching it on stretches the column at once when the grid is placed.
  bool Stretch() const { return FStretch; }
  void SetStretch(const bool& Value);
  DIVUZEV_PLAIN(int, StretchColumn, -1)
  DIVUZEV_PLAIN(bool, SynchWithGrid, false)
  DIVUZEV_PLAIN(bool, SynchNormalCellsOnly, false)
  DIVUZEV_PLAIN(TColumnSizeLocation, Location, clRegistry)
  DIVUZEV_PLAIN(TAutoSizeRows, Rows, arAll)

 private:
  TDedAdararAdoz* FOwner;
  bool FStretch = false;
};

// Page layout of printing. Lengths are in tenths of a millimetre. The four
// fonts and the title lines are owned: their writes copy the contents.
class TPrintSettings : public TPersistent {
 public:
  explicit TPrintSettings(TDedAdararAdoz* AOwner);
  ~TPrintSettings() override;
  // Every published property from another TPrintSettings (fonts and title
  // lines by content), not FixedCellsAlways; any other source raises
  // EInvalidCast.
  void Assign(TPersistent* Source) override;
  TDedAdararAdoz* Owner() const { return FOwner; }

  DIVUZEV_PLAIN(TPrintPosition, Time, ppNone)
  DIVUZEV_PLAIN(TPrintPosition, Date, ppNone)
  DIVUZEV_PLAIN(TPrintPosition, PageNr, ppNone)
  DIVUZEV_PLAIN(std::string, PageNumSep, "/")
  DIVUZEV_PLAIN(std::string, DateFormat, "dd/mm/yyyy")
  DIVUZEV_PLAIN(TPrintPosition, Title, ppNone)

 public:
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value);
  TFont* FooterFont() const { return FFooterFont.get(); }
  void SetFooterFont(TFont* Value);

  DIVUZEV_PLAIN(TPrintBorders, Borders, pbSingle)
  DIVUZEV_PLAIN(TPenStyle, BorderStyle, psSolid)
  DIVUZEV_PLAIN(std::string, TitleText, std::string())

 public:
  TStringList* TitleLines() const { return FTitleLines.get(); }
  void SetTitleLines(TStrings* Value);

  DIVUZEV_PLAIN(bool, Centered, true)
  DIVUZEV_PLAIN(bool, RepeatFixedRows, false)
  DIVUZEV_PLAIN(bool, RepeatFixedCols, false)
  DIVUZEV_PLAIN(int, FooterSize, 0)
  DIVUZEV_PLAIN(int, HeaderSize, 0)
  DIVUZEV_PLAIN(int, LeftSize, 0)
  DIVUZEV_PLAIN(int, RightSize, 0)
  DIVUZEV_PLAIN(int, ColumnSpacing, 0)
  DIVUZEV_PLAIN(int, RowSpacing, 0)
  DIVUZEV_PLAIN(int, TitleSpacing, 0)
  DIVUZEV_PLAIN(TPrinterOrientation, Orientation, poPortrait)
  DIVUZEV_PLAIN(std::string, PagePrefix, std::string())
  DIVUZEV_PLAIN(std::string, PageSuffix, std::string())
  DIVUZEV_PLAIN(int, FixedHeight, 0)
  DIVUZEV_PLAIN(bool, UseFixedHeight, false)
  DIVUZEV_PLAIN(int, FixedWidth, 0)
  DIVUZEV_PLAIN(bool, UseFixedWidth, false)
  DIVUZEV_PLAIN(TFitToPage, FitToPage, fpNever)
  DIVUZEV_PLAIN(bool, NoAutoSize, false)
  DIVUZEV_PLAIN(bool, PrintGraphics, false)
  DIVUZEV_PLAIN(std::string, JobName, std::string())
  DIVUZEV_PLAIN(bool, NoAutoSizeRow, false)
  DIVUZEV_PLAIN(int, PageNumberOffset, 0)
  DIVUZEV_PLAIN(int, MaxPagesOffset, 0)

 public:
  TFont* FixedFont() const { return FFixedFont.get(); }
  void SetFixedFont(TFont* Value);

  DIVUZEV_PLAIN(bool, UseDisplayFont, true)
  DIVUZEV_PLAIN(bool, UseDefaultOrientation, false)
  // Public, not stored: fixed rows and columns print with a selection.
  DIVUZEV_PLAIN(bool, FixedCellsAlways, false)
  DIVUZEV_PLAIN(TColor, BorderColor, clBlack)

 private:
  TDedAdararAdoz* FOwner;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TFont> FHeaderFont;
  std::unique_ptr<TFont> FFooterFont;
  std::unique_ptr<TStringList> FTitleLines;
  std::unique_ptr<TFont> FFixedFont;
};

// Options of the HTML export.
class THTMLSettings : public TPersistent {
 public:
  THTMLSettings();
  ~THTMLSettings() override;
  // From another THTMLSettings: everything but ExportImages and ColWidths;
  // any other source is ignored.
  void Assign(TPersistent* Source) override;

  DIVUZEV_PLAIN(bool, AutoPreview, false)
  DIVUZEV_PLAIN(bool, ConvertSpecialChars, false)
  DIVUZEV_PLAIN(bool, NonBreakingText, false)
  DIVUZEV_PLAIN(bool, SaveColor, true)
  DIVUZEV_PLAIN(bool, SaveFonts, true)
  DIVUZEV_PLAIN(std::string, FooterFile, std::string())
  DIVUZEV_PLAIN(std::string, HeaderFile, std::string())
  DIVUZEV_PLAIN(int, BorderSize, 1)
  DIVUZEV_PLAIN(int, CellSpacing, 0)
  DIVUZEV_PLAIN(int, CellPadding, 0)
  DIVUZEV_PLAIN(std::string, TableStyle, std::string())
  DIVUZEV_PLAIN(std::string, PrefixTag, std::string())
  DIVUZEV_PLAIN(std::string, SuffixTag, std::string())
  DIVUZEV_PLAIN(std::string, Summary, std::string())
  DIVUZEV_PLAIN(int, Width, 100)

 public:
  // Owned; the property itself cannot be written.
  TIntList* ColWidths() const { return FColWidths.get(); }

  DIVUZEV_PLAIN(bool, XHTML, false)
  DIVUZEV_PLAIN(bool, ExportImages, true)

 private:
  std::unique_ptr<TIntList> FColWidths;
};

// The delays of drag scrolling, in milliseconds: before the first step and
// between the next ones.
class TDragScrollDelays : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  DIVUZEV_PLAIN(int, InitialDelay, 1000)
  DIVUZEV_PLAIN(int, RepeatDelay, 250)
};

// How close to each edge, in pixels, a drag scrolls the grid.
class TDragScrollMargins : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  DIVUZEV_PLAIN(int, TopMargin, 50)
  DIVUZEV_PLAIN(int, BottomMargin, 50)
  DIVUZEV_PLAIN(int, LeftMargin, 50)
  DIVUZEV_PLAIN(int, RightMargin, 50)
};

// Scrolling while something is dragged near the grid's edges.
class TDragScrollOptions : public TPersistent {
 public:
  TDragScrollOptions();
  ~TDragScrollOptions() override;
  void Assign(TPersistent* Source) override;
  DIVUZEV_PLAIN(bool, Active, false)
 public:
  TDragScrollDelays* Delays() const { return FDelays.get(); }
  void SetDelays(TDragScrollDelays* Value) { FDelays->Assign(Value); }
  TDragScrollMargins* Margins() const { return FMargins.get(); }
  void SetMargins(TDragScrollMargins* Value) { FMargins->Assign(Value); }

 private:
  std::unique_ptr<TDragScrollDelays> FDelays;
  std::unique_ptr<TDragScrollMargins> FMargins;
};

enum TProgressStyle { psXP, psClassic };

// Looks of progress-bar cells; a setter that changes a value fires
// OnChange, which repaints the grid. Assign copies every field and fires
// OnChange once.
class TGridProgressAppearance : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  TNotifyEvent OnChange;

#define PROGRESS_FIELD(Type, Name, Default) \
 public:                                    \
  Type Name() const { return F##Name; }     \
  void Set##Name(const Type& Value) {       \
    if (F##Name == Value) return;           \
    F##Name = Value;                        \
    if (OnChange) OnChange(this);           \
  }                                         \
                                            \
 private:                                   \
  Type F##Name = Default;

  PROGRESS_FIELD(TColor, UnCompleteFontColor, clWindowText)
  PROGRESS_FIELD(TColor, CompleteColor, clRed)
  PROGRESS_FIELD(TColor, UnCompleteColor, clNone)
  PROGRESS_FIELD(TColor, CompleteFontColor, clBlue)
  PROGRESS_FIELD(TColor, BorderColor, clBlack)
  PROGRESS_FIELD(bool, Stacked, false)
  PROGRESS_FIELD(bool, ShowPercentage, true)
  PROGRESS_FIELD(bool, ShowBorder, false)
  PROGRESS_FIELD(bool, CompletionSmooth, true)
  PROGRESS_FIELD(bool, ShowGradient, true)
  PROGRESS_FIELD(int, Level2Perc, 90)
  PROGRESS_FIELD(int, Level1Perc, 70)
  PROGRESS_FIELD(int, Steps, 11)
  PROGRESS_FIELD(TColor, Level3Color, static_cast<TColor>(0x0000FF))
  PROGRESS_FIELD(TColor, Level1Color, static_cast<TColor>(0x00FFFF))
  PROGRESS_FIELD(TColor, Level0Color, static_cast<TColor>(0x00FF00))
  PROGRESS_FIELD(TColor, Level3ColorTo, static_cast<TColor>(0xCACAFF))
  PROGRESS_FIELD(TColor, Level2ColorTo, static_cast<TColor>(0xA8D3FF))
  PROGRESS_FIELD(TColor, Level0ColorTo, static_cast<TColor>(0xE1FFE1))
  PROGRESS_FIELD(TColor, Level1ColorTo, static_cast<TColor>(0xCAFFFF))
  PROGRESS_FIELD(TColor, Level2Color, static_cast<TColor>(0x53A9FF))
  PROGRESS_FIELD(TProgressStyle, Style, psXP)
#undef PROGRESS_FIELD
};

// The filter drop-down button's glyphs (empty: the built-in one);
// OnChange repaints the grid.
class TFilterDropDown : public TPersistent {
 public:
  TFilterDropDown();
  ~TFilterDropDown() override;
  void Assign(TPersistent* Source) override;
  TNotifyEvent OnChange;
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  TBitmap* GlyphActive() const { return FGlyphActive.get(); }
  void SetGlyphActive(TBitmap* Value);
  // The list sized to its entries instead of Width x Height.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { FAutoSize = Value; }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  int Width() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  // The list exactly over the column's cell.
  bool ColumnWidth() const { return FColumnWidth; }
  void SetColumnWidth(bool Value) { FColumnWidth = Value; }

 private:
  bool FAutoSize = false;
  int FHeight = 150;
  int FWidth = 150;
  TColor FColor = clWindow;
  std::unique_ptr<TFont> FFont;
  bool FColumnWidth = false;
  std::unique_ptr<TBitmap> FGlyph;
  std::unique_ptr<TBitmap> FGlyphActive;
};

// Sorting options: the sort column and direction, how cells compare, and
// the looks of the sort indicator. Its Assign copies neither
// SortOnVirtualCells nor IgnoreCase, and repaints nothing.
class TSortSettings : public TPersistent {
 public:
  explicit TSortSettings(TDedAdararAdoz* AOwner);
  ~TSortSettings() override;
  void Assign(TPersistent* Source) override;
  TDedAdararAdoz* Owner() const { return FOwner; }

  // "u3" / "d3" (ascending / descending on column 3), or "i;" followed by
  // the sort index list ("i;u1;d5") with IndexShow.
  std::string SaveToString() const;
  // Sorts as the text says (nothing for an empty text). Raises
  // "Invalid sort settings specifier" for a text of one character.
  void LoadFromString(const std::string& Value);
  // No sort column and no sort indexes any more.
  void Remove();
  void ToggleDirection();

  DIVUZEV_PLAIN(bool, IndexShow, false)
  DIVUZEV_PLAIN(bool, Full, true)
  DIVUZEV_PLAIN(bool, SingleColumn, false)
  DIVUZEV_PLAIN(bool, IgnoreBlanks, false)
  DIVUZEV_PLAIN(TSortBlankPosition, BlankPos, blFirst)
  DIVUZEV_PLAIN(bool, AutoFormat, true)
  DIVUZEV_PLAIN(TSortDirection, Direction, sdAscending)
  DIVUZEV_PLAIN(bool, NormalCellsOnly, false)
  DIVUZEV_PLAIN(bool, FixedCols, false)
  // The real column sorted on, -1 for none.
  DIVUZEV_PLAIN(int, Column, -1)
  DIVUZEV_PLAIN(bool, AutoColumnMerge, false)
  DIVUZEV_PLAIN(TColor, IndexColor, clYellow)
  DIVUZEV_PLAIN(TSortDirection, InitSortDirection, sdAscending)
  DIVUZEV_PLAIN(bool, UndoSort, false)
  DIVUZEV_PLAIN(bool, AutoSortForGrouping, true)
  // Compare the texts the grid shows (GetCellEx), else the stored ones.
  DIVUZEV_PLAIN(bool, SortOnVirtualCells, true)
  DIVUZEV_PLAIN(bool, IgnoreCase, false)
  DIVUZEV_PLAIN(TIndexSortKey, IndexSortKey, ikShift)

 public:
  // The sort indicator; a change repaints the grid.
  bool Show() const { return FShow; }
  void SetShow(bool Value);
  // The fixed row that shows the indicator: below FixedRows, else raises
  // "Sort row should be smaller than number of fixed rows" (not checked
  // while a stored layout is read, before the fixed rows are).
  int Row() const { return FRow; }
  void SetRow(int Value);
  // Colours of the sorted column's header; a change repaints the last
  // fixed row.
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value);
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value);
  TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
  void SetHeaderMirrorColor(TColor Value);
  TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
  void SetHeaderMirrorColorTo(TColor Value);
  // Indicator pictures; empty ones draw the outlined triangles. The setters
  // copy the picture.
  TBitmap* UpGlyph() const { return FUpGlyph.get(); }
  void SetUpGlyph(TBitmap* Value);
  TBitmap* DownGlyph() const { return FDownGlyph.get(); }
  void SetDownGlyph(TBitmap* Value);
  TBitmap* IndexUpGlyph() const { return FIndexUpGlyph.get(); }
  void SetIndexUpGlyph(TBitmap* Value);
  TBitmap* IndexDownGlyph() const { return FIndexDownGlyph.get(); }
  void SetIndexDownGlyph(TBitmap* Value);

 private:
  void SetHeaderColorField(TColor& Field, TColor Value);
  TDedAdararAdoz* FOwner;
  bool FShow = false;
  int FRow = 0;
  TColor FHeaderColor = clNone;
  TColor FHeaderColorTo = clNone;
  TColor FHeaderMirrorColor = clNone;
  TColor FHeaderMirrorColorTo = clNone;
  std::unique_ptr<TBitmap> FUpGlyph;
  std::unique_ptr<TBitmap> FDownGlyph;
  std::unique_ptr<TBitmap> FIndexUpGlyph;
  std::unique_ptr<TBitmap> FIndexDownGlyph;
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

enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterMethod { fmExpression, fmLiteral };

// One condition of the row filter.
class TFilterData : public TCollectionItem {
 public:
  explicit TFilterData(TCollection* Collection) : TCollectionItem(Collection) {}
  void Assign(TPersistent* Source) override;

  DIVUZEV_PLAIN(int16_t, Column, 0)
  DIVUZEV_PLAIN(std::string, Condition, std::string())
  DIVUZEV_PLAIN(bool, CaseSensitive, true)
  DIVUZEV_PLAIN(TFilterCells, Data, fcVirtual)
  DIVUZEV_PLAIN(std::string, Prefix, std::string())
  DIVUZEV_PLAIN(std::string, Suffix, std::string())
  DIVUZEV_PLAIN(TFilterOperation, Operation, foSHORT)
  DIVUZEV_PLAIN(TFilterMethod, Method, fmExpression)
};

// The row filter's conditions, joined in order.
class TFilter : public TCollection {
 public:
  explicit TFilter(TDedAdararAdoz* AOwner);
  TDedAdararAdoz* Owner() const { return FOwner; }
  // The only condition joins as foNONE, later ones as foAND.
  TFilterData* Add();
  // Appends; the index is not used.
  TFilterData* Insert(int Index);
  TFilterData* Items(int Index) const { return static_cast<TFilterData*>(TCollection::Items(Index)); }
  void SetItems(int Index, TFilterData* Value) { TCollection::SetItems(Index, Value); }
  bool HasFilter(int Col) const;
  // The column's first condition, a new one when it has none.
  TFilterData* GetColFilter(int Col);
  void RemoveColumnFilter(int Col);

 protected:
  TPersistent* GetOwner() override;

 private:
  TDedAdararAdoz* FOwner;
};

#undef DIVUZEV_PLAIN

// The child panels at the grid's bottom edge: the floating footer's and the
// search footer's. Both start bottom-aligned with height 0.
class TFooterPanel : public TCustomControl {
 public:
  explicit TFooterPanel(TComponent* AOwner);
  // The footer column under X (-1: none), laid out as the grid's fixed
  // columns followed by those from its left column on.
  int ColumnAt(int X);
  // The column of the last hint, -1 for none.
  int LastHintX() const { return FLastHintX; }
  // The hint over column X, as the grid's OnGridHint gives it.
  std::string FooterHint(int X);

 protected:
  void CreateWnd() override;
  void Paint() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMMouseLeave(TMessage& Message) override;

 private:
  TDedAdararAdoz* Grid() const;
  // The footer columns with their widths.
  std::vector<std::pair<int, int>> Layout();
  int FLastHintX = -1;
};

// Told of every change of the cells of the grids it is registered with.
class TGridChangeNotifier : public TComponent {
 public:
  explicit TGridChangeNotifier(TComponent* AOwner) : TComponent(AOwner) {}
  // R: left, top, right and bottom cell of the change.
  virtual void CellsChanged(const TRect& R) { (void)R; }
};

class TRetEdit;
class TDivUzevButton;
class TCheckBox;
class TArrowWindow;
class TGridFocusWindow;
class TGridDropTarget;
class TGridDropSource;
class TMemoryStream;

// Drag and drop and the mouse moving over the grid.
using TOleDragDropEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const std::string& data, bool& Allow)>;
using TOleDragOverEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TOleDragStartEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TOleDragStopEvent = std::function<void(TObject* Sender, int OLEEffect)>;
using TOleDropColEvent = std::function<void(TObject* Sender, int ARow, int ACol, int DropCol)>;
using TOleDroppedEvent = std::function<void(TObject* Sender, const TGridRect& ARect)>;
using TGridMoveEvent = std::function<void(TObject* Sender, int Index, bool& Allow)>;
using TGridSizingEvent = std::function<void(TObject* Sender, int Index, int Size)>;
using TAnchorEvent = std::function<void(TObject* Sender, int ARow, int ACol, const std::string& Anchor)>;

// The search footer's strip: find edit, next, previous, highlight and close
// buttons and a match-case box (grid/view/DivUzev_SearchPanel.cpp).
class TSearchPanel : public TCustomControl {
 public:
  explicit TSearchPanel(TComponent* AOwner);
  ~TSearchPanel() override;

  TRetEdit* EditControl() const { return FEditControl; }
  TDivUzevButton* ExitButton() const { return FExitButton; }
  TDivUzevButton* ForwardButton() const { return FForwardButton; }
  TDivUzevButton* BackwardButton() const { return FBackwardButton; }
  TDivUzevButton* HiliteButton() const { return FHiliteButton; }
  TCheckBox* MatchCase() const { return FMatchCase; }
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);

  std::string FindNextCaption, FindPrevCaption, MatchCaseCaption, HintFindPrev, HintClose, HintFindNext,
      HintHighlight, HighLightCaption;

  TNotifyEvent OnForwardClick;
  TNotifyEvent OnBackwardClick;
  TNotifyEvent OnEditChange;
  TNotifyEvent OnExitClick;
  TNotifyEvent OnHighlightClick;

  // What the grid reads and sets while it searches.
  std::string EditText() const;
  bool MatchCaseChecked() const;
  bool HighlightDown() const;
  void SetEditColor(TColor Value);
  // Places the controls as window creation does.
  void LayoutControls();

 protected:
  void CreateWnd() override;
  void Paint() override;

 private:
  void EditChanged(TObject* Sender);
  TRetEdit* FEditControl = nullptr;
  TDivUzevButton* FExitButton = nullptr;
  TDivUzevButton* FForwardButton = nullptr;
  TDivUzevButton* FBackwardButton = nullptr;
  TDivUzevButton* FHiliteButton = nullptr;
  TCheckBox* FMatchCase = nullptr;
  TColor FColorTo = clNone;
};

// ---------------------------------------------------------------------------
// Listeners the grid tells of changes

// The single selection listener an application registers with the grid:
// it hears of every cell the grid is asked to make current, before the
// move, with the current column and the target row.
class ITDedAdararAdozSelect {
 public:
  virtual ~ITDedAdararAdozSelect() = default;
  virtual void CellSelected(int ACol, int ARow) = 0;
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
  void ShowColumnHeaders();
  void ShowRowHeaders();
  void ClearColumnHeaders();
  void ClearRowHeaders();
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

  DIVUZEV_STORED(bool, AnchorHint, false)
  DIVUZEV_STORED(bool, AutoFilterUpdate, true)
  DIVUZEV_STORED(bool, AutoNumAlign, false)
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
 public:
  int GroupColumn() const { return FGroupColumn; }
  // -1 ungroups, a column above 0 groups by it; other values do nothing.
  void SetGroupColumn(int Value);

 private:
  int FGroupColumn = -1;

  DIVUZEV_LOOK(bool, HideFocusRect, false)
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
  DIVUZEV_STORED(TScrollHintType, ScrollHints, shNone)
  DIVUZEV_STORED(bool, ScrollSynch, false)
  DIVUZEV_LOOK(TColor, SelectionColor, static_cast<TColor>(0xEACAB6))
  DIVUZEV_LOOK(TColor, SelectionColorTo, clNone)
  DIVUZEV_LOOK(TColor, SelectionMirrorColor, clNone)
  DIVUZEV_LOOK(TColor, SelectionMirrorColorTo, clNone)
  DIVUZEV_LOOK(TColor, SelectionTextColor, clBlack)
  DIVUZEV_LOOK(TColor, SelectionRectangleColor, clBlack)
  DIVUZEV_LOOK(bool, ShowDesignHelper, true)
  DIVUZEV_LOOK(bool, ShowNullDates, true)
  DIVUZEV_STORED(bool, SizeGrowOnly, false)
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
  // Scroll bars (grid/view/DivUzev_Scroll.cpp).
  TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
  void SetScrollBarAlways(const TScrollBarAlways& Value);
  TColor ScrollColor() const { return FScrollColor; }
  void SetScrollColor(const TColor& Value);
  bool ScrollProportional() const { return FScrollProportional; }
  void SetScrollProportional(const bool& Value);
  TScrollType ScrollType() const { return FScrollType; }
  void SetScrollType(const TScrollType& Value);
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(const int& Value);
  // Flat scroll bars are set up for the window.
  bool FlatScrollInit() const { return FFlatInit; }
  void UninitFlatScrollBars();
  void ApplyFlatScrollType();
  void ApplyFlatScrollColor();
  void ApplyFlatScrollWidth();
  void SyncFlatVScroll();
  void SyncFlatHScroll();
  void FlatShowScrollBar(int Bar, bool Show);
  // The overlay bars of ssMetro (none otherwise).
  TScrollControl* VScrollControl() const { return FScrollControls[0]; }
  TScrollControl* HScrollControl() const { return FScrollControls[1]; }
  // The text the scroll hint shows for a thumb at Pos (0 .. 127) and the
  // row or column it aims at.
  std::string ScrollHintText(bool Vertical, int Pos, int& Target);
  THintWindow* ScrollHintWindow() const { return FScrollHintWnd; }
  // A drag over the grid (State: 0 enter, 1 leave, 2 move) scrolls near the
  // edges while DragScrollOptions.Active.
  void HandleDragOver(TObject* Source, int X, int Y, int State, bool& Accept);
  void DragScrollTimer();
  bool DragScrollRunning() const { return FDragScrollRunning; }
  // Up 1, down 2, left 4, right 8.
  int DragScrollDirection() const { return FDragScrollDir; }
  int DragScrollInterval() const { return FDragScrollInterval; }
  // The cell whose scroll bar the cell scroll bar operates.
  void SetScrollBarCell(int ACol, int ARow) { FScrollCell = TGridCoord{ACol, ARow}; }
  TScrollHintEvent OnScrollHint;
  TDragScrollEvent OnDragScroll;

  // The active cell's header look; every write repaints.
  bool ActiveCellShow() const { return FActiveCellShow; }
  void SetActiveCellShow(const bool& Value);
  TColor ActiveCellColor() const { return FActiveCellColor; }
  void SetActiveCellColor(const TColor& Value);
  TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
  void SetActiveCellColorTo(const TColor& Value);
  // On: follows the Office theme and hears of its changes.
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(const bool& Value);
  // The own border of some looks.
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(const TColor& Value);
  // Also the markup engine's highlight colours.
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(const TColor& Value);
  TColor HighlightTextColor() const { return FHighlightTextColor; }
  void SetHighlightTextColor(const TColor& Value);
  // Repaint only while URLShow is on.
  TColor URLColor() const { return FURLColor; }
  void SetURLColor(const TColor& Value);
  bool URLFull() const { return FURLFull; }
  void SetURLFull(const bool& Value);

  // Column stretch and sizing (grid/view/DivUzev_Stretch.cpp).
  // Widens column Index (-1: the last) so that the columns fill the client
  // width; raises "Stretch column index out of range" past the last.
  void StretchColumn(int Index);
  void StretchRightColumn() { StretchColumn(ColCount() - 1); }
  // A point near a border a user may drag (fixed rows for columns, fixed
  // columns for rows).
  bool IsOnSizingBorder(int X, int Y);
  // The framework's press and release with the sizing drag noted around them.
  void SizingMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  void SizingMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  TGridColEvent OnEndColumnSize;
  TUpdateColumnSizeEvent OnUpdateColumnSize;

  // Selection looks and edit options.
  int SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
  // Kept within 0 .. 100.
  void SetSelectionColorMixerFactor(const int& Value);
  bool ShowSelection() const { return FShowSelection; }
  void SetShowSelection(const bool& Value);
  // On: the selection rectangle and resizer, the smart clipboard and range
  // selection with editing; off gives back what the grid had before.
  bool SpreadSheet() const { return FSpreadSheet; }
  void SetSpreadSheet(const bool& Value);

  // The look preset; a new grid starts with glXP without applying it.
  // Writing another look sets its group of colours, scroll type and border.
  TGridLook Look() const { return FLook; }
  void SetLook(TGridLook Value);
  // The identifier ("glXP") and the display text ("Windows XP") of a look;
  // glCustom leaves Text as it is.
  static void GetLookIdent(TGridLook ALook, std::string& Text);
  static void GetLookName(TGridLook ALook, std::string& Text);
  // Applies one of the colour presets and repaints.
  virtual void SetStyle(TVyxStyle AStyle);
  // SetStyle, remembering the preset; a preset other than tsCustom ends the
  // overlay scroll bars.
  void SetComponentStyle(TVyxStyle AStyle);
  TVyxStyle ComponentStyle() const { return FComponentStyle; }
  // A reduced scheme after the classic desktop themes (no repaint).
  void SetTheme(TXPColorScheme Scheme);
  TOfficeTheme LastOfficeTheme() const { return FOfficeTheme; }
  // Auto-sizes the columns after loading (not the control's own size).
  bool AutoSize() const { return FAutoSizeColumns; }
  // Switched on outside loading, sizes the columns to their texts.
  void SetAutoSize(bool Value) override;
  // Height trimmed to whole default rows by SetBounds.
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value);
  int XYOffsetX() const { return FXYOffset.X; }
  int XYOffsetY() const { return FXYOffset.Y; }
  TPoint XYOffset() const { return FXYOffset; }
  void SetXYOffset(TPoint Value);
  void SetXYOffsetX(int Value) { SetXYOffset(TPoint(Value, FXYOffset.Y)); }
  void SetXYOffsetY(int Value) { SetXYOffset(TPoint(FXYOffset.X, Value)); }
  // Stores the text offset without repainting.
  void UpdateXYOffset(int X, int Y) { FXYOffset = TPoint(X, Y); }
  // The colour of the four drop and move arrows; a grid in a designer has
  // none, and writing there changes nothing.
  TColor ArrowColor() const { return FArrowColor; }
  void SetArrowColor(TColor Value);
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
  // The base cell shows a clickable control (check box, radio, button):
  // such cells toggle or click and never open an editor.
  bool HasControlGraphic(int ACol, int ARow);

  // ===== Cell graphics and cell objects (DivUzev_Graphics.cpp)
  // Real columns and display rows unless said otherwise. Every Add... and
  // Create... puts a new graphic in the cell (the old one is freed);
  // Create... makes the held object, which the graphic then owns; objects
  // passed to Add... stay the caller's. A Remove... acts only on a graphic
  // of its own kind. Has... and Is... look at the base cell of a merged
  // area. Nothing is repainted unless said.

  void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
  TBitmap* GetBitmap(int ACol, int ARow);
  bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
  void RemoveBitmap(int ACol, int ARow);
  void AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                  int Padding, TCellHAlign hal, TCellVAlign val);
  TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                          TCellHAlign hal, TCellVAlign val);
  TPicture* GetPicture(int ACol, int ARow);
  bool HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }
  void RemovePicture(int ACol, int ARow);
  // A picture kept as a file name: the file is read when the cell paints.
  void AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                      TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val);
  TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                  TCellHAlign hal, TCellVAlign val);
  TFilePicture* GetFilePicture(int ACol, int ARow);
  void RemoveFilePicture(int ACol, int ARow);
  void AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
  TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
  void RemoveIcon(int ACol, int ARow);
  // The image-list kinds need GridImages; without it they do nothing.
  void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  bool GetImageIdx(int ACol, int ARow, int& idx);
  void SetImageIdx(int ACol, int ARow, int Idx);
  void RemoveImageIdx(int ACol, int ARow);
  // An empty cell takes Aidx as its text; the text picks the image.
  void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  bool HasDataImage(int ACol, int ARow);
  // Also clears the cell text.
  void RemoveDataImage(int ACol, int ARow);
  // Images listed in an owned index list (side by side when Dir is 0).
  void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
  void RemoveMultiImage(int ACol, int ARow);
  void AddInterfacedCell(int ACol, int ARow, TInterfacedPersistent* AObject);
  TInterfacedPersistent* GetInterfacedCell(int ACol, int ARow);
  void RemoveInterfacedCell(int ACol, int ARow);
  void AddRotated(int ACol, int ARow, int16_t AAngle, const std::string& s);
  // Turns the cell's graphic of any kind into rotated text (or adds one).
  void SetRotated(int ACol, int ARow, int16_t AAngle);
  bool IsRotated(int ACol, int ARow, int& aAngle);
  void RemoveRotated(int ACol, int ARow);
  // Progress bars show the cell's number between Min and Max (0 and 100).
  void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
  void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                     TColor BKTextColor);
  void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                            TColor BKTextColor, const std::string& Fmt, int Min, int Max);
  bool HasProgress(int ACol, int ARow);
  void RemoveProgress(int ACol, int ARow);
  void AddVevProgress(int ACol, int ARow, int Min, int Max);
  void RemoveVevProgress(int ACol, int ARow);
  void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
  // Repaints.
  void SetProgressPie(int ACol, int ARow, int Value);
  void RemoveProgressPie(int ACol, int ARow);
  void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
  void RemoveRangeIndicator(int ACol, int ARow);
  void AddComment(int ACol, int ARow, const std::string& Comment);
  void AddColorComment(int ACol, int ARow, const std::string& Comment, TColor Color);
  std::string GetComment(int ACol, int ARow);
  // Adds a comment to a cell without graphic, changes a comment, leaves
  // other graphics alone.
  void SetComment(int ACol, int ARow, const std::string& Value);
  bool IsComment(int ACol, int ARow, std::string& Comment);
  void RemoveComment(int ACol, int ARow);
  void RemoveAllComments();
  void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                TCellVAlign val);
  void SetShapeColor(int ACol, int ARow, TColor FillColor);
  // clNone for a cell that holds no shape.
  TColor GetShapeColor(int ACol, int ARow);
  void RemoveShape(int ACol, int ARow);
  // Stars showing the cell's number out of Scale.
  void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
  bool HasRating(int ACol, int ARow);
  void RemoveRating(int ACol, int ARow);
  void AddScrollBar(int ACol, int ARow, bool AutoRange);
  bool HasScrollBar(int ACol, int ARow);
  bool HasAutoRangeScrollBar(int ACol, int ARow);
  // Repaints.
  void SetScrollPosition(int ACol, int ARow, int Pos);
  // -1 (and a (-1, -1) extent) for a cell without scroll bar.
  int GetScrollPosition(int ACol, int ARow);
  void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
  TScrollProp GetScrollProp(int ACol, int ARow);
  void RemoveScrollBar(int ACol, int ARow);
  // An automatic-range scroll bar pages by the row and ranges over the
  // height of the cell's wrapped text.
  void UpdateCellScrollBar(int ACol, int ARow) override;
  // Marks ErrLen characters of the text from ErrPos (0-based) with the red
  // underline; a cell without graphic gets a marker-only graphic.
  void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
  void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
  void RemoveMarker(int ACol, int ARow);
  void RemoveAllMarkers();
  void AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                 TCellVAlign val);
  void AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TBitmap* Glyph,
                    TCellHAlign hal, TCellVAlign val);
  TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                           TCellVAlign val);
  // These three take a display column and act on a graphic of any kind.
  void SetButtonText(int ACol, int ARow, const std::string& Caption);
  std::string GetButtonText(int ACol, int ARow);
  void PushButton(int ACol, int ARow, bool Push);
  bool HasButton(int ACol, int ARow);
  void RemoveButton(int ACol, int ARow);
  void RemoveBitButton(int ACol, int ARow);
  void RemoveAllButtons();
  void AddExpand(int ACol, int ARow, int ExpandedHeight);
  bool HasExpand(int ACol, int ARow);
  // The new expanded state.
  bool ToggleExpand(int ACol, int ARow);
  bool GetExpandState(int ACol, int ARow);
  void RemoveExpand(int ACol, int ARow);
  // On a check box or radio button the balloon is attached to it; on a
  // cell with another graphic nothing is attached.
  void AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text, TBalloonIcon Icon);
  void RemoveBalloon(int ACol, int ARow);
  bool HasBalloon(int ACol, int ARow);
  bool IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon);
  // Radio groups: the items of sl (the caller's list) or of an owned list.
  void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl);
  TStrings* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
  bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
  bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
  TStrings* GetRadioStrings(int ACol, int ARow);
  bool IsRadio(int ACol, int ARow);
  void RemoveRadio(int ACol, int ARow);
  // Steps the radio group to its next item, wrapping.
  void NextRadio(int ACol, int ARow, bool CheckEditable);
  bool IsCellTypeInSet(int ACol, int ARow, TCellTypes Types);
  // The cell text is data the graphic shows, not text to print.
  static bool IsDataGraphicCell(TDedAdararAdoz* Grid, int ACol, int ARow);
  // Client rectangles by display column; empty when the cell has none.
  TRect GetExpandRect(int ACol, int ARow);
  TRect GetCellButtonRect(int ACol, int ARow);

  // ===== Check boxes and radio buttons (DivUzev_CheckBoxes.cpp)
  // A data check box's state is its text (CheckTrue / CheckFalse).

  // "Invalid cell" beyond the grid, hidden columns and rows included.
  void AddCheckBox(int ACol, int ARow, bool State, bool Data);
  void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
  void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
  void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
  void RemoveCheckBox(int ACol, int ARow);
  void RemoveCheckBoxColumn(int ACol);
  bool HasCheckBox(int ACol, int ARow);
  bool HasDataCheckBox(int ACol, int ARow);
  // Whether the cell has a check box this form reports, and its state.
  bool GetCheckBoxState(int ACol, int ARow, bool& State);
  bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
  bool IsChecked(int ACol, int ARow);
  static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
  // Without events.
  bool SetCheckBoxState(int ACol, int ARow, bool State);
  bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
  // ARow a display row; OnCheckBoxChange only when the state changed.
  bool ChangeCheckBoxState(int ACol, int ARow, bool Value);
  void CheckAll(int ACol);
  void UnCheckAll(int ACol);
  bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheckBoxCell(ACol, ARow, false); }
  // Whether a client point hits the glyph (the whole cell unless
  // MouseActions.PreciseCheckBoxCheck).
  bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
  void AddRadioButton(int ACol, int ARow, bool State);
  void AddRadioButtonColumn(int ACol);
  void RemoveRadioButton(int ACol, int ARow);
  void RemoveRadioButtonColumn(int ACol);
  bool HasRadioButton(int ACol, int ARow);
  bool IsRadioButtonChecked(int ACol, int ARow);
  // Does not clear the column's other buttons.
  bool SetRadioButtonState(int ACol, int ARow, bool State);
  void SetRadioButtonColumnIndex(int ACol, int Index);
  int GetRadioButtonColumnIndex(int ACol);

  // ===== Graphic lookup and display text (grid/view/DivUzev_Lookup.cpp)

  // The index list of a multi-image cell, none for other kinds.
  TIntList* GetCellImages(int ACol, int ARow);
  // The held bitmap or icon, or the image index; -1 for other kinds.
  intptr_t GetCellGraphicHandle(int ACol, int ARow);
  TCellGraphic* CreateCellGraphic(int ACol, int ARow);
  bool RemoveCellGraphic(int ACol, int ARow);
  bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType);
  void GetDisplText(int ACol, int ARow, std::string& Value) override;
  bool HasNodes() override { return FNodeCount > 0; }
  int GetNodeIndent(int ARow) override;
  bool IsSortIndicatorCell(int ACol, int ARow);
  // The tree-node operations keep this count.
  int NodeCount() const { return FNodeCount; }
  void SetNodeCount(int Value) { FNodeCount = Value; }

  // ===== Visual properties and text measurement (grid/view/DivUzev_Visual.cpp)

  // ACol a display column (a real one without Remap).
  void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                           TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                           TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                           TCellGradientDirection& GD) override;
  void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState AState, TFont* AFont, TBrush* ABrush,
                         bool Remap);
  // Real column.
  void CalcCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA);
  TSize GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
  TSize CalcCellTextSize(int ACol, int DisplCol, bool VS, bool SB, int ARow);
  // Footer rows, fixed right columns and IsFixedCell.
  bool IsFixed(int ACol, int ARow) override;
  // The selection colour over a cell colour, by the mixer settings.
  TColor MixSelectionColor(TColor CellColor) const;

  // ===== The painter (grid/view/DivUzev_Paint*.cpp)

  void DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
  // A rich-text cell's text into ARect (also for printing).
  void DrawRichCell(int RCol, int ARow, TRect ARect, TCanvas* ACanvas);
  void DrawCheck(TCanvas* ACanvas, const TRect& ARect, bool Checked, int TriStateValue, bool TriState,
                 TGridControlStyle Style, bool Mixed, bool Enabled);
  void DrawRadio(TCanvas* ACanvas, const TRect& ARect, bool Upward, int Scale, TGridControlStyle Style,
                 int ARow, int ACol, bool Selected, TStrings* Items, bool Disabled, bool Horizontal,
                 int ItemIndex, int Count);
  void DrawSortIndicator(TCanvas* ACanvas, int ACol, int Y, int X);
  // The dotted XOR lines shown while a column or row is sized.
  void DrawColumnSizingLine(int X);
  void DrawRowSizingLine(int Y);

  // Looks the painter reads (each write repaints the grid).
#define DIVUZEV_PAINT DIVUZEV_LOOK
  DIVUZEV_PAINT(bool, URLShow, false)

 public:
  bool URLShowInText() const { return FURLShowInText; }
  void SetURLShowInText(const bool& Value) {
    if (FURLShowInText == Value) return;
    FURLShowInText = Value;
    FDisplTextRewritten = Value;
    InvalidateGrid();
  }

 private:
  bool FURLShowInText = false;
  DIVUZEV_PAINT(bool, URLUnderlineOnHover, false)
  DIVUZEV_PAINT(bool, SelectionRectangle, false)
  DIVUZEV_PAINT(bool, SelectionResizer, false)
  DIVUZEV_PAINT(bool, SelectionColorMixer, false)
  DIVUZEV_PAINT(bool, MultilineCells, false)
  DIVUZEV_PAINT(bool, EnhTextSize, false)
  DIVUZEV_PAINT(bool, NoImageAndText, false)
  DIVUZEV_PAINT(bool, XYOffsetTopLeftOnly, false)
  DIVUZEV_PAINT(int, FilterDropDownRow, 0)
#undef DIVUZEV_PAINT
  // The fixed cells' hover and pressed gradients (ControlLook passes its
  // colours on to them); plain stores.
  DIVUZEV_STORED(TColor, VyxGradientHoverFrom, clGray)
  DIVUZEV_STORED(TColor, VyxGradientHoverTo, clWhite)
  DIVUZEV_STORED(TColor, VyxGradientHoverMirrorFrom, clNone)
  DIVUZEV_STORED(TColor, VyxGradientHoverMirrorTo, clNone)
  DIVUZEV_STORED(TColor, VyxGradientHoverBorder, clSilver)
  DIVUZEV_STORED(TColor, VyxGradientDownFrom, clGray)
  DIVUZEV_STORED(TColor, VyxGradientDownTo, clSilver)
  DIVUZEV_STORED(TColor, VyxGradientDownMirrorFrom, clNone)
  DIVUZEV_STORED(TColor, VyxGradientDownMirrorTo, clNone)
  DIVUZEV_STORED(TColor, VyxGradientDownBorder, clGray)

 public:
  // Flat cells: no 3-D fixed edges (Ctl3D follows).
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // Images of image-list cells and markup; the grid does not own them.
  TImageList* GridImages() const { return FGridImages; }
  void SetGridImages(TImageList* Value);
  TPictureContainer* PictureContainer() const { return FPictureContainer; }
  void SetPictureContainer(TPictureContainer* Value);
  // Colours of cell buttons in the own-colour look.
  const TColorTones& ColorTones() const { return FColorTones; }
  void SetColorTones(const TColorTones& Value);

  // State the mouse handling keeps and the painter shows.
  TGridCoord HoveredFixedCell() const { return FHoveredFixedCell; }
  void SetHoveredFixedCell(TGridCoord Value) { FHoveredFixedCell = Value; }
  // A mouse button is held down on the grid.
  bool MouseButtonDown() const { return FMouseButtonDown; }
  void SetMouseButtonDown(bool Value) { FMouseButtonDown = Value; }
  // The fixed cell's drop-down menu is open.
  bool FixedDropDownOpen() const { return FFixedDropDownOpen; }
  void SetFixedDropDownOpen(bool Value) { FFixedDropDownOpen = Value; }
  // The display column being moved (-1 none).
  int MovingColumn() const { return FMovingColumn; }
  void SetMovingColumn(int Value) { FMovingColumn = Value; }
  // The cell under the mouse and the button cell under it.
  TGridCoord MouseCell() const { return FMouseCell; }
  void SetMouseCell(TGridCoord Value) { FMouseCell = Value; }
  TGridCoord HotButtonCell() const { return FHotButtonCell; }
  void SetHotButtonCell(TGridCoord Value) { FHotButtonCell = Value; }
  // The 1-based anchor under the mouse in MouseCell (-1 none).
  int HoveredLink() const { return FHoveredLink; }
  void SetHoveredLink(int Value) { FHoveredLink = Value; }
  // Blinking markup is shown in this phase.
  bool BlinkVisible() const { return FBlinkVisible; }
  void SetBlinkVisible(bool Value) { FBlinkVisible = Value; }
  // The markup engine's cache of pictures loaded by address.
  THTMLPictureCache* ImageCache();

  // ---- Painting events (columns real, rows display).
  TCustomCellDrawEvent OnCustomCellBkgDraw;
  TCustomCellDrawEvent OnCustomCellDraw;
  TGridBorderPropEvent OnGetCellBorderProp;
  TGridGradientEvent OnGetCellGradient;
  TNotifyEvent OnPainted;

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

  // ===== Tree nodes (DivUzev_Nodes.cpp)

  // Rows are display rows unless called real. A node covers its span of
  // real rows (its own included), so rows a filter hides stay counted.
  void AddNode(int ARow, int Span);  // real
  void RemoveNode(int ARow);         // real
  void RemoveAllNodes();
  bool IsNode(int ARow);
  bool IsSummary(int ARow);
  void SetSummaryRow(int ARow);  // real
  // True: contracted.
  bool GetNodeState(int ARow);
  void SetNodeState(int ARow, bool Value);
  int GetNodeLevel(int ARow);
  int GetNodeSpan(int ARow);
  void SetNodeSpan(int ARow, int Span);
  void UpdateNodeSpan(int ARow, int Delta);
  int GetSubNodeCount(int ARow);
  void UpdateSubNodeCount(int ARow, int Delta);
  void ExpandNode(int ARow);    // real
  void ContractNode(int ARow);  // real
  // A click on a node's glyph: the Before event may refuse.
  void ToggleNodeByUser(int ARow);
  void ExpandAll();
  void ContractAll();
  int GetParentRow(int ARow);
  // 0 a node row, 2 the tree goes on below, 1 it ends here.
  int GetNodeSpanType(int ARow);
  void InsertNormalRow(int ARow);  // real
  void RemoveNormalRow(int ARow);
  void InsertChildRow(int ARow, int InsertAt);  // real
  void RemoveChildRow(int ARow);                // real
  bool IsInNodeButton(int ARow, int X);

  // ===== Row filter (DivUzev_Filter.cpp)

  void FilterRow(int ARow);
  void ApplyFilter();
  // True while more than one level remains.
  bool RemoveLastFilter();
  void RemoveAllFilters();
  // AColumn -1 looks at the whole row.
  void NarrowDown(const std::string& ACondition, int AColumn);
  bool FilterActive() const { return FFilterActive; }
  void SetFilterActive(bool Value);
  TCustomFilterEvent OnCustomFilter;
  TFilterProgressEvent OnFilterProgress;
  TFilterCheckEvent OnFilterCheck;
  // The ticks of the filter check list, one per FilterList entry, and the
  // list itself (handed to OnFilterCheck).
  std::vector<uint8_t>& FilterChecks() { return FFilterChecks; }
  TObject* FilterCheckList() const { return FFilterCheckList; }
  void SetFilterCheckList(TObject* Value) { FFilterCheckList = Value; }
  // The filter drop-down's two lists (made with the grid, hidden until a
  // filter button opens one) and which of them the buttons open.
  TDropList* FilterDropList() const { return FFilterDropList; }
  TDropCheckList* FilterDropCheckList() const { return FFilterDropCheckList; }
  bool FilterDropDownCheck() const { return FFilterDropDownCheck; }
  void SetFilterDropDownCheck(bool Value) { FFilterDropDownCheck = Value; }
  // Opens the filter list of display cell (ACol, ARow) for real column RC.
  void ShowFilterDropDown(int ACol, int ARow, int RC);
  void HideFilterDropDown();
  // The check list's marks changed: the filter follows them.
  void FilterCheckListClicked(TObject* Sender, int ItemIndex);
  void CreateFilterLists();

  // ===== Find and replace, the search footer's actions (DivUzev_Find.cpp)

  TPoint Find(TPoint StartCell, const std::string& s, TFindParams FindParams);
  TPoint FindWide(TPoint StartCell, const std::string& s, TFindParams FindParams);
  TPoint FindFirst(const std::string& s, TFindParams FindParams) {
    return Find(TPoint(-1, -1), s, FindParams);
  }
  TPoint FindNext() { return Find(FSearchCell, FFindText, FFindParams); }
  // The number of cells changed.
  int Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams);
  // The first row whose text in the search column starts with s (upper case).
  int Search(const std::string& s);
  TPoint SearchCell() const { return FSearchCell; }
  void SetSearchCell(TPoint Value) { FSearchCell = Value; }
  TFindParams FindParams() const { return FFindParams; }
  int FindCol() const { return FFindCol; }
  void SetFindCol(int Value) { FFindCol = Value; }
  int FindRow() const { return FFindRow; }
  void SetFindRow(int Value) { FFindRow = Value; }
  bool FindBusy() const { return FFindBusy; }
  // The search panel's notifications.
  void SearchEditChange(TObject* Sender);
  void SearchForward(TObject* Sender);
  void SearchBackward(TObject* Sender);
  void SearchFooterClose(TObject* Sender);
  void SearchHighlight(TObject* Sender);
  TSearchEditChangeEvent OnSearchEditChange;
  TNotifyEvent OnSearchFooterClose;
  TNotifyEvent OnCreatedSearchFooter;

  // ===== Highlighting and marking, print widths, notifiers (DivUzev_Hilight.cpp)

  static std::string HilightText(bool DoCase, const std::string& S, const std::string& Text);
  static std::string UnHilightText(const std::string& S);
  static std::string MarkText(bool DoCase, const std::string& S, const std::string& Text);
  // Real columns throughout.
  void HilightInCell(bool DoCase, int Col, int Row, const std::string& HiText);
  void HilightInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText);
  void HilightInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText);
  void HilightInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
  void UnHilightInCell(int Col, int Row);
  void UnHilightInCol(bool DoFixed, int Col);
  void UnHilightInRow(bool DoFixed, int Row);
  void UnHilightInGrid(bool DoFixed);
  void MarkInCell(bool DoCase, int Col, int Row, const std::string& HiText);
  void MarkInCol(bool DoFixed, bool DoCase, int Col, const std::string& HiText);
  void MarkInRow(bool DoFixed, bool DoCase, int Row, const std::string& HiText);
  void MarkInGrid(bool DoFixed, bool DoCase, const std::string& HiText);
  void UnMarkInCell(int Col, int Row);
  void UnMarkInCol(bool DoFixed, int Col);
  void UnMarkInRow(bool DoFixed, int Row);
  void UnMarkInGrid(bool DoFixed);
  int PrintColWidth(int ACol) const;
  void SetPrintColWidth(int ACol, int Value);
  int PrintColOffset(int ACol) const;
  void SetPrintColOffset(int ACol, int Value);

  // ===== Balloons, version and small operations (grid/view/DivUzev_Balloon.cpp)

  // The grid follows its form's size changes.
  bool SizeWithForm() const { return FSizeWithForm; }
  void SetSizeWithForm(bool Value) { FSizeWithForm = Value; }
  // The balloon tool tip window while balloons are set up; none otherwise.
  TBalloonToolTip* BalloonTip() const { return FBalloonTip; }
  // The picture of the cells from corner ARect.Left, Top to Right, Bottom
  // on a hidden form that never takes activation; the caller owns it.
  TCustomForm* SelectionToForm(const TRect& ARect);
  // A column dragged in from a list box, for the drop handling.
  void OleColumnDragStart(int ACol, int AIndex, TObject* AList);
  int OleDragCol() const { return FOleDragCol; }
  int OleDragIndex() const { return FOleDragIndex; }
  TObject* OleDragList() const { return FOleDragList; }

  // ===== Grouping and group summaries (DivUzev_Grouping.cpp)

  // Methods 1..8: sum, average, minimum, maximum, count, custom, distinct,
  // standard deviation, written into each expanded group's header (its
  // summary row with Grouping.Summary).
  void GroupCalc(int ColIndex, int Method);
  void GroupSum(int ColIndex) { GroupCalc(ColIndex, 1); }
  void GroupAvg(int ColIndex) { GroupCalc(ColIndex, 2); }
  void GroupMin(int ColIndex) { GroupCalc(ColIndex, 3); }
  void GroupMax(int ColIndex) { GroupCalc(ColIndex, 4); }
  void GroupCount(int ColIndex) { GroupCalc(ColIndex, 5); }
  void GroupCustomCalc(int ColIndex) { GroupCalc(ColIndex, 6); }
  void GroupDistinct(int ColIndex) { GroupCalc(ColIndex, 7); }
  void GroupStdDev(int ColIndex) { GroupCalc(ColIndex, 8); }
  bool IsGrouping() const { return FIsGrouping; }

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

  // ===== Files, streams and stored settings (grid/io)
  // Every exchange takes its cells through the export window (SaveStartCol
  // .. SaveEndCol, SaveStartRow .. SaveEndRow), its texts through SaveCell and
  // LoadCell, and reports through ExportNotification and OnFileProgress. A
  // loader reads and checks all of its input before it changes the grid: a
  // truncated, foreign or crafted file raises and leaves the grid as it was.

  // The grid text file (DivUzev_TextFile.cpp): column widths and non-empty
  // cells, ANSI or (Unicode) UTF-16 with a byte-order mark. Replaces the file.
  void SaveToFile(const std::string& FileName, bool Unicode = false);
  void LoadFromFile(const std::string& FileName);
  // The number in a cell, 0 for an empty one; EDivUzevError "Error at
  // position: p in Cell [c, r]." when it is not a number.
  double CellToReal(int ACol, int ARow);

  // The binary cell stream (DivUzev_BinStream.cpp): cells with their
  // properties and graphics. Rect holds display columns Left..Right and rows
  // Top..Bottom.
  void SaveRectToBinStream(const TRect& Rect, TStream* Stream);
  void SaveToBinStream(TStream* Stream);
  void SaveToBinFile(const std::string& FileName);
  // Places the stream's first cell at Point (a whole-grid stream: its cells
  // at their saved places shifted by Point).
  void LoadAtPointFromBinStream(const TPoint& Point, TStream* Stream);
  void LoadFromBinStream(TStream* Stream);
  void LoadFromBinFile(const std::string& FileName);

  // Column widths, order and visibility as one text (DivUzev_ColStates.cpp):
  // "n#widths#order#flags". A text that is not such a state changes nothing.
  std::string ColumnStatesToString();
  void StringToColumnStates(const std::string& Value);

  // The look file (DivUzev_LookFile.cpp): colours, fonts and looks as
  // "key=value" lines.
  void SaveVisualProps(const std::string& FileName);
  void LoadVisualProps(const std::string& FileName);

  // The print settings in one section of an INI file (DivUzev_PrintFile.cpp).
  void SavePrintSettings(const std::string& Key, const std::string& Section);
  void LoadPrintSettings(const std::string& Key, const std::string& Section);

  // Delimited text (DivUzev_CSV.cpp): the export window one record a line
  // (Unicode: UTF-8 with a byte-order mark, else ANSI). AppendToCSV adds to
  // a file that must exist. The readers start at the window's first cell
  // (InsertFromCSV below the last row) and read at most MaxRows records
  // (all when MaxRows <= 0); a Delimiter of 0 is detected from the first
  // two lines.
  void SaveToCSV(const std::string& FileName, bool Unicode = false);
  void AppendToCSV(const std::string& FileName, bool Unicode = false);
  void LoadFromCSV(const std::string& FileName, int MaxRows = 0);
  void InsertFromCSV(const std::string& FileName, int MaxRows = 0);
  void LoadFromCSVStream(TStream* Stream, int MaxRows = 0);

  // The clipboard (DivUzev_Clipboard.cpp). A copy puts the cells up as
  // tab-separated text, the top-left cell's rich text (AllowRTFClipboard)
  // and the cell stream "TDedAdararAdoz Cells" (AllowFmtClipboard); a paste
  // takes the richest of these the grid allows. Every paste writes only
  // inside the grid (growing it first where allowed) and only into cells
  // that are editable, or any cell with AllowClipboardAlways. Line breaks
  // inside a cell survive a copy and paste.
  void CopyToClipBoard();
  void CutToClipboard();
  void CopyToClipBoardAsHTML();
  void PasteFromClipboard();
  std::string GetSelectionAsText();
  void SetSelectionAsText(const std::string& Value);
  // Rect in display columns; Disjunct skips rows (columns) not selected.
  std::string SelectionToText(const TGridRect& Rect, bool Disjunct);
  void CopyToClipboardFormats(const TGridRect& Rect, bool Disjunct);
  void CopyRTFToClipboard(int ACol, int ARow);
  void CopyCellsToClipboard(const TGridRect& Rect);
  // The number of cells pasted; Rows and Cols the size pasted.
  int PasteFromFormats(int ACol, int ARow, int& Rows, int& Cols);
  int TextToCells(int ACol, int ARow, int& Rows, int& Cols, const std::string& Text);
  // The most TAB-separated fields of a line and the non-empty lines - 1.
  static void TextBlockSize(const std::string& Text, int& Cols, int& Rows);
  TClipOperation ClipLastOp() const { return FClipLastOp; }
  // While a paste loads a cell stream: only into cells a paste may write.
  bool BinPasteEditableOnly() const { return FBinPasteEditableOnly; }

  // Aligned plain text and fixed-width records (DivUzev_ASCII.cpp). ASCII
  // text is UTF-16 with a byte-order mark (Unicode) or ANSI; fixed-width
  // records are ANSI. Positions: field widths for a save (completed in
  // place from the longest texts), 1-based start positions for a load
  // (sorted in place), the last one ending the last field.
  void SaveToASCII(const std::string& FileName, bool Unicode = false);
  void AppendToASCII(const std::string& FileName, bool Unicode = false);
  void SaveToFixed(const std::string& FileName, TIntList* Positions);
  void LoadFromFixed(const std::string& FileName, TIntList* Positions, bool DoTrim = true, int MaxRows = -1);

  // An HTML table that looks like the grid (DivUzev_HTML.cpp). The markup
  // is well-formed; the file is UTF-8 with a byte-order mark (Unicode) or
  // ASCII with every other character as a numeric reference. Dir is the
  // folder ("/" separated, with a trailing "/") that gets the "images"
  // folder of the cell pictures; empty: pictures are left out.
  void SaveToHTML(const std::string& FileName, bool Show = false, bool Unicode = false);
  void AppendToHTML(const std::string& FileName, bool Show = false, bool Unicode = false);
  std::string SaveToHTMLString(const std::string& Dir);
  // Web and mail addresses as anchors (with URLShow), the rest escaped.
  std::string HTMLLinkText(const std::string& Text);
  // The declarations of a cell's class: colours (with SaveColor), font and
  // alignment, joined by ";".
  std::string HTMLCellStyle(const TFont* AFont, TColor AColor, TAlignment HA, TVAlignment VA);
  // Writes a picture as Dir + "images/img" + N + ".jpg" (a JPEG as it is,
  // anything else encoded) and answers that path; empty for a picture that
  // has nothing to write. Raises "Cannot create " + the folder.
  std::string ExportHTMLImage(TGraphic* AGraphic, int N, const std::string& Dir);
  // A cell's content with its pictures (ExportImages and a Dir), by the
  // kind of its graphic; N counts the pictures of the export.
  std::string WriteHTMLCell(int ACol, int ARow, const std::string& Text, const std::string& Content,
                            const std::string& Dir, int& N);

  // Rows as an XML list of records (DivUzev_XML.cpp), written in the
  // encoding XMLEncoding names (UTF-8 for one it cannot write). Fields are
  // "FIELD" + index or the FieldDescr names, and are read back into the
  // column their name gives.
  void SaveToXML(const std::string& FileName, const std::string& ListDescr, const std::string& RecordDescr,
                 TStrings* FieldDescr = nullptr, bool ExportEmptyCells = true);
  void LoadFromXML(const std::string& FileName, bool LevelToRow = false, bool LoadFieldDescr = false);
  // Delimited text is written in and read from the OEM code page.
  DIVUZEV_STORED(bool, OemConvert, false)

 public:
  // Spreadsheet and word-processor files and database queries
  // (DivUzev_Office.cpp): workbooks as .xlsx, documents as .docx, queries
  // through ODBC. A workbook that exists is changed in place: its other
  // sheets and cells stay as they were.
  void LoadFromXLS(const std::string& FileName);
  void LoadFromXLSSheet(const std::string& FileName, const std::string& SheetName);
  std::unique_ptr<TStringList> GetXLSSheets(const std::string& FileName);
  // Without CreateNewSheet an existing workbook takes the block in its
  // active sheet from the row of its active cell on.
  void SaveToXLS(const std::string& FileName, bool CreateNewSheet = true);
  void SaveToXLSSheet(const std::string& FileName, const std::string& SheetName);
  void SaveToDOC(const std::string& FileName, bool CreateNewDocument = true);
  void AppendToDoc(const std::string& FileName, const std::string& Bookmark);
  // FileName is a database file for the default ODBC driver or a whole
  // connection string ("DRIVER=...;..." or "DSN=...").
  void LoadFromMDBTable(const std::string& FileName, const std::string& Table);
  void LoadFromMDBSQL(const std::string& FileName, const std::string& SQL);

 public:
  // Percentage of a long save or load, reported when it changes.
  TGridProgressEvent OnFileProgress;
  // ===== Sorting (DivUzev_Sort.cpp, DivUzev_SortCompare.cpp)
  // Rows are display rows, columns real ones. A sort rearranges the shown
  // rows between the fixed rows and the footer rows; rows hidden in the
  // hidden-row store keep their places. A row takes along its cells (hidden
  // columns included) with their properties, its height, its modified and
  // disabled marks, the controls placed in it and, with disjunct row
  // selection and Navigation.MoveRowOnSort, its selection mark. The sort
  // decides the order on prepared copies of the compared cells and then
  // moves the rows in one pass, so SortSwapRows is the single swap of
  // SortLine and of callers of their own, not a step of QSort.

  // Sets the sort column and direction and sorts.
  void Sort(int Column, TSortDirection Direction);
  // Sets the sort column and sorts when the grid has more than one row.
  void SortByColumn(int Col);
  // Sorts rows Left .. Right on Col (ties to the columns right of it with
  // SortSettings.Full), or by the sort index list.
  void QuickSort(int Col, int Left, int Right);
  void QuickSortIndexed(int Left, int Right);
  // Exchanges the two rows when ARow1 comes after ARow2 in the sort
  // direction (ties to the next columns); true when it exchanged them.
  bool SortLine(int Col, int ARow1, int ARow2);
  // The cross-reference of unsorted positions starts again: 0 .. RowCount-1.
  void InitSortXRef();
  // The row index position ARow had before the first sort (as a real row).
  int SortedRowIndex(int ARow);
  // The position of the row that had index ARow before the first sort.
  int UnSortedRowIndex(int ARow);
  std::string GetUnSortedCell(int ACol, int ARow);
  void SetUnSortedCell(int ACol, int ARow, const std::string& Value);
  // 1, 0 or -1: Row1 after, equal to or before Row2 in ascending order,
  // by the column's sort style (blanks placed by IgnoreBlanks/BlankPos,
  // which Descending turns around so they stay where BlankPos says).
  int CompareCells(int ACol, int Row1, bool Descending, int Row2);
  // On ACol, ties to the columns right of it with SortSettings.Full.
  int CompareRows(int ACol, int Row1, int Row2);
  // On the sort index list from entry Index.
  int CompareRowsIndexed(int Index, int Row1, int Row2);
  // +1 ascending, -1 descending: the direction of the last sort.
  int SortDir() const { return FSortDir; }
  // The row that was current when the sort began, followed through it.
  int SortRow() const { return FSortRow; }
  // Cell comparisons and row swaps of the sorts so far.
  int Compares() const { return FCompares; }
  int Swaps() const { return FSwaps; }
  TIntList* SortRowXRef() const { return FSortRowXRef.get(); }

  TCustomCompareEvent OnCustomCompare;
  TRawCompareEvent OnRawCompare;

  // ===== Calculations, numbering and sizing (DivUzev_Calc.cpp)
  // A column range FromRow .. ToRow (-1 and -1: the normal rows) is read in
  // display rows, or in real rows with the hidden ones when ToRow lies past
  // the last row. A cell counts when its row counts (not a node or summary
  // row of a grouped grid, not inside a merged area but at its base) and
  // its text is a number; empty and other texts are skipped alike by every
  // aggregate, so the average is the sum over the counted cells, the
  // minimum and maximum start from the first counted cell, and no
  // aggregate raises. Without counted cells they answer 0.
  double ColumnSum(int ACol, int FromRow, int ToRow);
  double ColumnAvg(int ACol, int FromRow, int ToRow);
  double ColumnMin(int ACol, int FromRow, int ToRow);
  double ColumnMax(int ACol, int FromRow, int ToRow);
  // The population standard deviation.
  double ColumnStdDev(int ACol, int FromRow, int ToRow);
  // Different shown texts, letter case ignored (an empty text counts).
  double ColumnDistinct(int ACol, int FromRow, int ToRow);
  double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
  double GroupCustomCalc(int ACol, int FromRow, int ToRow);
  // Base cells of one row from FromCol to ToCol (real columns).
  double RowSum(int ARow, int FromCol, int ToCol);
  double RowAvg(int ARow, int FromCol, int ToCol);
  double RowMin(int ARow, int FromCol, int ToCol);
  double RowMax(int ARow, int FromCol, int ToCol);
  // Writes 1, 2, 3 ... (with AutoNumberStart, AutoNumberOffset and
  // AutoNumberDirection) down a column or across a row.
  void AutoNumberCol(int ACol);
  void AutoNumberRow(int ARow);
  // Display column and row; Padding is added after the fit.
  void AutoSizeCol(int ACol, int Padding = 0);
  void AutoSizeRow(int ARow, int Padding = 0);
  void AutoSizeRows(bool DoFixedRows, int Padding);
  void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
  // Scales the column widths so that they fill the control.
  void AutoFitColumns(bool DoFixedCells);
  // The client width (height) becomes the sum of the widths (heights).
  void SizeToCols();
  void SizeToRows();
  void SizeToCells();
  // Lines lines of the row's font, plus Extra.
  void SizeRowToLines(int ARow, int Lines, int Extra);
  // Grows every column and row by x pixels; ZoomFactor stays in -10 .. 10.
  void Zoom(int x);
  void SetZoomFactor(int Value);

  DIVUZEV_STORED(int, AutoNumberStart, 0)
  DIVUZEV_STORED(int, AutoNumberOffset, 0)
  // Numbers count down from the top.
  DIVUZEV_STORED(bool, AutoNumberDirection, false)

 public:
  TColumnCalcEvent OnColumnCalc;
  TGroupCalcEvent OnGroupCalc;

  // ===== Footer, listeners and small services (DivUzev_Footer.cpp)

  // Repaints the floating footer's panel.
  void UpdateFooter();
  // The footer template with each "<#n>" replaced by the text of column n
  // of ARow; a tag that is not a whole number is dropped, and an unclosed
  // one ends the expansion with the rest copied as it stands.
  std::string ExpandFooterTemplate(const std::string& Template, int ARow);
  // The floating footer shows the grid's last row in its place.
  bool FooterHidesLastRow() const { return FFooterHidesLastRow; }
  void SetFooterHidesLastRow(bool Value);
  TNotifyEvent OnCreatedFloatingFooter;
  TFooterPaintEvent OnFooterPaint;
  // A write into the last row recalculates nothing by itself: the footer
  // panel repaints.
  void LastRowChanged() override;
  void RegisterSelListener(ITDedAdararAdozSelect* AListener) { FSelListener = AListener; }
  void UnRegisterSelListener(ITDedAdararAdozSelect*) { FSelListener = nullptr; }
  ITDedAdararAdozSelect* SelListener() const { return FSelListener; }
  // Registered notifiers hear of changed cells; a destroyed one drops out.
  void RegisterNotifier(TGridChangeNotifier* ANotifier);
  void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
  const std::vector<TGridChangeNotifier*>& Notifiers() const { return FNotifiers; }

 private:
  std::vector<TGridChangeNotifier*> FNotifiers;

 public:
  // Editing allowed (goEditing, RangeSelectAndEdit or EditDisable) and the
  // base cell editable and not fixed by the per-cell queries.
  bool IsEditable(int ACol, int ARow);
  bool QueryPasswordCell(int ACol, int ARow);
  // The cell under a screen point (-1, -1 outside the cells).
  void ScreenToCell(TPoint pt, int& ACol, int& ARow);
  // Writing the selection repaints what shows the active cell and row.
  void SetSelection(const TGridRect& Value);

  TFloatingFooterCalcEvent OnFooterCalc;

  // ===== Text extents (DivUzev_Extent.cpp)

  // The room the text offset takes across and down a cell.
  int GetXYOffsetWidth() const;
  int GetXYOffsetHeight() const;
  // Characters of the longest export-text line of a column.
  int MaxColumnTextLength(int ACol);
  // The most lines a shown cell of the row holds (1 without MultilineCells).
  int MaxLinesInRow(int ARow);
  // Moves ARect's Left and Top to where a text turned by Angle degrees
  // starts, measured in the canvas font.
  void RotatedTextRect(TRect& ARect, int Angle, TVAlignment VAlign, TAlignment HAlign,
                       const std::string& Text);
  // A = |h cos a|, B = |w sin a|, C = |h sin a|, D = |w cos a|.
  static void AlignRotatedText(TRect& R, TAlignment HAlign, TVAlignment VAlign, int A, int B, int C, int D,
                               int Angle);

 public:
  // ===== Structure edits (DivUzev_Structure.cpp). Rows are display rows
  // and columns real ones unless said otherwise. Every edit keeps the side
  // lists in step with the rows and columns it moves: hidden rows (by
  // real row), modified, enabled and selected rows, selected columns, cell
  // controls, cell properties and the column order.
  // Rows whose text in the (display) column came earlier go; with DoCase
  // only texts equal in case count as the same.
  void RemoveDuplicates(int ACol, bool DoCase);
  void RemoveSelectedRows();
  void RemoveUnSelectedRows();
  // Rows whose check box in CheckBoxColumn is on (RemoveChecked) or off go;
  // rows without a check box there stay.
  void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
  void RemoveSelectedCols();
  void RemoveUnSelectedCols();
  void HideSelectedRows();
  void HideUnSelectedRows();
  void AddRow();
  void AddColumn();
  void ClearRows(int RowIndex, int RCount);
  void ClearCols(int ColIndex, int CCount);
  void ClearNormalRows(int RowIndex, int RCount);
  void ClearNormalCols(int ColIndex, int CCount);
  void ClearNormalCells();
  void ClearSelection();
  void Clear();
  // Clear, and the saved cells of the hidden rows too (they stay hidden).
  void ClearAll();
  void TrimColumn(int ACol);
  void TrimRow(int ARow);
  void TrimAll();
  void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
  void MergeColumnCells(int ColIndex, bool MainMerge);
  void MergeRowCells(int RowIndex, bool MainMerge);
  void SplitColumnCells(int ColIndex);
  void SplitRowCells(int RowIndex);
  void SplitAllCells();
  // Joins column 2 into column 1 (trimmed text + Separator + text) in the
  // normal rows, then removes column 2.
  void MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator);
  void SwapColumns(int ACol1, int ACol2);
  void SwapRows(int ARow1, int ARow2);
  bool IsWideCell(int ACol, int ARow);
  // The first cell (row by row) whose raw text is SubStr.
  bool IsCell(const std::string& SubStr, int& ACol, int& ARow);

  // ===== Per-cell accessors and selection queries (DivUzev_Accessors.cpp).
  // Columns and rows as the cell store takes them. Reading a look never
  // creates cell properties (a cell without them answers the default);
  // writing always does, and repaints the cell.
  TColor Colors(int ACol, int ARow) const;
  void SetColors(int ACol, int ARow, TColor Value);
  TColor ColorsTo(int ACol, int ARow) const;
  void SetColorsTo(int ACol, int ARow, TColor Value);
  TCellGradientDirection GradientDir(int ACol, int ARow) const;
  void SetGradientDir(int ACol, int ARow, TCellGradientDirection Value);
  bool ReadOnly(int ACol, int ARow) const;
  void SetReadOnly(int ACol, int ARow, bool Value);
  // Without properties: the grid's WordWrap.
  bool WordWraps(int ACol, int ARow) const;
  void SetWordWraps(int ACol, int ARow, bool Value);
  TColor FontColors(int ACol, int ARow) const;
  void SetFontColors(int ACol, int ARow, TColor Value);
  TFontStyles FontStyles(int ACol, int ARow) const;
  void SetFontStyles(int ACol, int ARow, TFontStyles Value);
  std::string FontNames(int ACol, int ARow) const;
  void SetFontNames(int ACol, int ARow, const std::string& Value);
  int FontSizes(int ACol, int ARow) const;
  void SetFontSizes(int ACol, int ARow, int Value);
  TAlignment Alignments(int ACol, int ARow) const;
  void SetAlignments(int ACol, int ARow, TAlignment Value);
  // Name, size, style and colour of AFont.
  void SetCellFont(int ACol, int ARow, TFont* AFont);
  // A control placed over the cell (its rectangle grown by one pixel to
  // the left and top); none removes it from the cell.
  TControl* CellControls(int ACol, int ARow) const;
  void SetCellControls(int ACol, int ARow, TControl* AControl);
  // Over the columns from FixedCols: with clNone only the colour goes back
  // to none; properties holding nothing else are freed.
  void SetRowColor(int ARow, TColor AColor);
  void SetRowColorTo(int ARow, TColor AColor);
  void SetRowFontColor(int ARow, TColor AColor);

  // Cells by real column and real row in their other forms.
  std::string GetWideCellsEx(int ACol, int ARow) { return GetCellsEx(ACol, ARow); }
  void SetWideCellsEx(int ACol, int ARow, const std::string& Value) { SetCellsEx(ACol, ARow, Value); }
  std::string GetWideCells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
  // The text a cell holds in its wide form, decoded; other texts as stored.
  std::string WideCells(int ACol, int ARow);
  void SetWideCells(int ACol, int ARow, const std::string& Value) { SetCellEx(ACol, ARow, Value); }
  // The object slot (a hidden row's saved one).
  TObject* GetAllGridObject(int ACol, int ARow) const;
  // The caller's object of the cell.
  TObject* GetObjectsEx(int ACol, int ARow) const;
  void SetObjectsEx(int ACol, int ARow, TObject* Value);
  // The column by its position before the user moved columns.
  std::string GetOriginalCells(int ACol, int ARow);
  void SetOriginalCells(int ACol, int ARow, const std::string& Value);
  int GetLinesInCell(int ACol, int ARow);
  // Rich text kept in a cell as one character per byte.
  void CellToRich(int ACol, int ARow, TCustomRichEdit* RichEditor);
  std::string RichToString(TCustomRichEdit* RichEditor);
  void RichToCell(int ACol, int ARow, TCustomRichEdit* RichEditor);
  bool UseHTMLHints() const { return FUseHTMLHints; }
  // Switches the whole application's hint window between the markup one
  // and the plain one.
  void SetUseHTMLHints(bool Value);

  // Selection queries (display columns and rows).
  void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
  bool IsSelected(int ACol, int ARow);
  // Tab-separated lines of the selected cells.
  std::string SelectedText();

  // ===== Column order (DivUzev_ColumnOrder.cpp)
  // Shows hidden columns and moves every column back to where it was
  // before the user moved columns.
  void ResetColumnOrder();
  // The position of the column first at ACol; the first column at ACol.
  int ColumnPosition(int ACol);
  int ColumnAtPosition(int ACol);
  // The first real column whose row-0 text is AValue (case-sensitive).
  int ColumnByHeader(const std::string& AValue);

  // ===== What the tables' layouts set and the column grid uses
  // The hint over a data cell is its text (before OnGridHint).
  bool HintShowCells() const { return FHintShowCells; }
  void SetHintShowCells(bool Value) { FHintShowCells = Value; }
  // The column a filter drop-down is open for, -1 when none.
  int FilterColumn() const { return FFilterColumn; }
  void SetFilterColumn(int Value) { FFilterColumn = Value; }
  // The editor settings of the column a cell editor is about to open for,
  // handed over by a column grid while it answers GetCellEditor; the
  // in-place editors take them when they open. The drop-down count goes to
  // ControlLook here.
  virtual void TakeColumnEditorSettings(TStrings* ComboItems, int DropDownCount, int SpinMin, int SpinMax,
                                        int SpinStep, TComponent* EditLink);
  // ===== In-place editing (grid/view: DivUzev_Edit.cpp, _EditText.cpp,
  // _EditCombo.cpp, _Select.cpp, _Focus.cpp, _Hooks.cpp, _FixedEdit.cpp)
  //
  // The road of one edit: the framework asks CanEditShow (the editor
  // switch) when it would show its editor; text kinds are edited by the
  // framework's own editor, a ZIvoVorazirUded, the other kinds by a control
  // of their own placed over the cell (ShowEditControl). HideInplaceEdit
  // closes either, writing the value back (HideEditControl for controls, the
  // framework's edit-text write for text); the editing-done step fires
  // OnEditingDone and posts "GridEditDone", answered with OnEditCellDone.
  // An edit that is cancelled (Escape) writes nothing: the cell keeps the
  // text it had when the edit began.

  // The text kinds: those the framework's editor edits.
  static bool IsTextEditor(TEditorType Kind);
  // The editor type chosen for the cell being edited.
  TEditorType EditControl() const { return FEditControl; }
  // An edit is open (set when an editor is admitted, cleared on hiding).
  bool EditMode() const { return FEditMode; }
  void SetEditMode(bool Value) { FEditMode = Value; }
  // A control editor is shown and not yet hidden.
  bool EditActive() const { return FEditActive; }
  // An edit is in progress that validation has not yet ended.
  bool Editing() const { return FEditing; }
  // The stored text of the cell when its edit began.
  const std::string& OriginalCellValue() const { return FCellCache; }
  // The control that edits now; none while the text editor or nothing does.
  TWinControl* EditCtrl() const { return FEditCtrl; }
  TGridCombo* Combobox() const { return FEditCombo; }
  TGridCombo* UniCombo() const { return FEditCombo; }
  TGridCombo* EditCombo() const { return FEditCombo; }
  // The other control editors (grid/view/DivUzev_EditKinds.cpp), each made
  // on first use: most grids never show most of them.
  TGridCheckBox* EditCheck();
  TGridEditBtn* BtnEdit() { return EditBtn(); }
  TGridEditBtn* EditBtn();
  TGridUnitEditBtn* BtnUnitEdit() { return UnitEditBtn(); }
  TGridUnitEditBtn* UnitEditBtn();
  TGridButton* Btn() { return GridButton(); }
  TGridButton* GridButton();
  // The kind of the editor shown (the last one chosen once it is hidden).
  TEditorType CurrentEditor() const { return FEditControl; }
  TGridSpin* SpinEdit();
  TGridDatePicker* DateTimePicker();
  TGridDateTimePicker* DateAndTimePicker();
  ZEveRozoDiva* InplaceRichEdit();
  // Value given to the date-and-time editor when it opened.
  TDateTime OriginalDateTime() const { return FOriginalDateTime; }
  // Reads a date cell's text (OnCustomStrToDate first); false when it is
  // empty or no date.
  bool ReadCellDate(const std::string& Text, TDateTime& Value);
  // The note under the editor that says why a value was refused, when the
  // grid has one (InvalidEntryTitle, InvalidEntryText).
  void ShowEntryNote();
  TSpinClickEvent OnSpinClick;
  TFloatSpinClickEvent OnFloatSpinClick;
  TDateTimeSpinClickEvent OnTimeSpinClick;
  TDateTimeSpinClickEvent OnDateSpinClick;
  TEllipsClickEvent OnEllipsClick;
  TCustomStrToDateEvent OnCustomStrToDate;
  // The framework's text editor, once it was made.
  ZIvoVorazirUded* NormalEdit() const;
  TGridTransEdit* FixedEditor() const { return FFixedEdit; }
  TGridTransCombo* FixedComboEditor() const { return FFixedCombo; }
  TEditLink* EditLink() const { return FEditLink; }
  void SetEditLink(TEditLink* Value) { FEditLink = Value; }
  // Item of the combo editor when the cell's text matches none (-1: none).
  void SetComboSelection(int Index) { FComboIndex = Index; }
  // Remembers the item matching Value; false, keeping what was remembered,
  // when Value is no item.
  bool SetComboSelectionString(const std::string& Value);
  // The items of the combo editor, as the application fills them before an
  // edit (objects added stay the caller's).
  void ClearComboString();
  void AddComboString(const std::string& Value);
  void AddComboStringObject(const std::string& Value, TObject* AObject);
  // Deletes the first matching item; false when there is none.
  bool RemoveComboString(const std::string& Value);
  int GetComboCount() const;
  // Both first let the application fill the items for the cell (ACol is
  // its real column): the one writes item Value into the cell (no item, no
  // write), the other answers the index of the cell's text (-1: none).
  void SetComboIndex(int ACol, int ARow, int Value);
  int GetComboIndex(int ACol, int ARow);
  int MaxComboLength() const { return FMaxComboLength; }
  void SetMaxComboLength(int Value) { FMaxComboLength = Value; }
  // The editors claim Tab (goTabs, or a validation handler assigned).
  bool EditorWantsTab() const;

  // The editor switch.
  virtual void ShowEditControl(int ACol, int ARow);
  virtual void HideEditControl(int ACol, int ARow);
  void HideCellEdit();
  // Opens the current cell's editor exactly as F2 would.
  void ShowCellEdit();
  // Leaves the current cell as it was before its edit, without an editor.
  void CancelInplaceEdit();
  // The life cycle around the switch.
  void DoneInplaceEdit(WORD& Key, TShiftState Shift);
  // OnEditingDone, then "GridEditDone" posted for (real column, row).
  void DoEditingDone(int ACol, int ARow);
  void NotifyEditDone(int ACol, int ARow) { DoEditingDone(ACol, ARow); }
  // The cell-selection check for the current cell.
  void Select();
  // A left click on (display column, row) with the grid's own mouse steps.
  void SimulateCellClick(int ACol, int ARow);
  void ClickCell(int ACol, int ARow) { SimulateCellClick(ACol, ARow); }

  // Editor kinds whose controls come with their own topics (spin, edit
  // button, check box, button, date and time, drop-downs, custom links,
  // rich text): ShowKindEditControl places and fills the control and
  // answers it, or none when the kind has no control yet (the cell is then
  // edited as plain text); HideKindEditControl reads it back and hides it.
  TWinControl* ShowKindEditControl(TEditorType Kind, int ACol, int ARow, const TRect& Rect, TColor Color,
                                   TFont* AFont);
  void HideKindEditControl(TEditorType Kind, int ACol, int ARow);
  bool HasKindEditControl(TEditorType Kind);
  // The hide writes nothing back (an Escape).
  bool EditCancelled() const { return FEditCancelled; }
  // Tells the registered selection listener of the cell about to be current.
  void NotifySelectionListener(int ACol, int ARow);
  // Advancing after an edit (defaults until the keyboard topic lands).
  bool TabAdvance(bool Backward);
  // Always: also without Navigation.AdvanceOnEnter.
  void EnterAdvance(int ACol, int ARow, bool Always = false);
  // For editors outside the grid's own units: the refused-value stop on
  // advancing, and the click that opened the editor (caret positioning).
  bool NoAutoAdvance() const { return FNoAutoAdvance; }
  void SetNoAutoAdvance(bool Value) { FNoAutoAdvance = Value; }
  bool EditOpenedByClick() const { return LButFlg; }
  void ClearEditOpenedByClick() { LButFlg = false; }

  // Validation and the old-cell record.
  const std::string& NewCellText() const { return FNewCellText; }
  const std::string& OldCellText() const { return FOldCellText; }
  int OldCol() const { return FOldCol; }
  int OldRow() const { return FOldRow; }
  bool GridModified() const { return FGridModified; }
  void SetGridModified(bool Value) { FGridModified = Value; }
  bool Validating() const { return FValidating; }
  bool LastValidation() const { return FLastValidation; }

  // The update lock: painting waits while it is held; the outermost end
  // repaints everything. A level is counted whether the grid is shown or
  // not, so a pair always balances; TGridUpdate holds one for a scope.
  void BeginUpdate();
  void EndUpdate();
  void StartUpdate() { ++FUpdateCount; }
  void ResetUpdate() { FUpdateCount = 0; }
  bool LockUpdate() const { return FUpdateCount != 0; }
  void SetLockUpdate(bool Value);
  int UpdateCount() const { return FUpdateCount; }
  class TGridUpdate {
   public:
    explicit TGridUpdate(TDedAdararAdoz* Grid) : grid_(Grid) { grid_->BeginUpdate(); }
    ~TGridUpdate() { grid_->EndUpdate(); }
    TGridUpdate(const TGridUpdate&) = delete;
    TGridUpdate& operator=(const TGridUpdate&) = delete;

   private:
    TDedAdararAdoz* grid_;
  };

  // Timer duties and other housekeeping.
  int TimerTicks() const { return FTimerTicks; }
  bool GridBlink() const { return FGridBlink; }
  const std::string& IncrSearchText() const { return FSearchInc; }
  void SetIncrSearchText(const std::string& Value) {
    FSearchInc = Value;
    FSearchTics = 0;
  }
  void ResetFixedCellHighlight();
  void ApplyVCLStyle();
  bool UseVCLStyles() const { return FUseVCLStyles; }
  TCanvas* FooterCanvas() const;
  // The note that says why a value was refused (InvalidEntryTitle and
  // InvalidEntryText), none until one was shown.
  TBalloonToolTip* InvalidEntryHint() const { return FEntryHint; }
  bool HasCellBorders() override;
  bool GetUseVCLStyles() override { return FUseVCLStyles; }

  // Fixed-cell editing: the fixed edit or combo over (display column, row).
  void EditFixedCell(int ACol, int ARow);
  // Change handler of both fixed-cell editors.
  void FixedEditChange(TObject* Sender);

  // Editing options.
  DIVUZEV_STORED(bool, Lookup, false)
  DIVUZEV_STORED(bool, LookupCaseSensitive, false)
  DIVUZEV_STORED(bool, LookupHistory, false)
  DIVUZEV_STORED(std::string, ValidChars, std::string())
  // The characters (U+0000 to U+00FF) an edValidChars cell takes while
  // ValidChars is empty; all of them unless the program narrows it.
  DIVUZEV_STORED(std::bitset<256>, ValidCharSet, std::bitset<256>().set())
  DIVUZEV_STORED(bool, ExcelStyleDecimalSeparator, false)
  DIVUZEV_STORED(bool, AlwaysValidate, false)
  DIVUZEV_STORED(bool, EditWithTags, false)
  DIVUZEV_STORED(bool, EnableBlink, false)
  DIVUZEV_STORED(bool, Hovering, false)
  DIVUZEV_STORED(bool, SaveWithRTF, false)

 public:
  // The longest text the text editor takes (0: no limit).
  int MaxEditLength() const { return FMaxEditLength; }
  void SetMaxEditLength(int Value);

  // Events of editing, selection and the grid's hooks.
  TCellValidateEvent OnCellValidate;
  TCellValidateEvent OnCellValidateWide;
  TCellsChangedEvent OnCellsChanged;
  TComboObjectChangeEvent OnComboObjectChange;
  TGetEditorPropEvent OnGetEditorProp;
  TGridRowColEvent OnGetEditorPropInt;
  TClipboardEvent OnClipboardCopy;
  TClipboardEvent OnClipboardCut;
  TClipboardEvent OnClipboardPaste;
  TClipboardPasteCellEvent OnClipboardBeforePasteCell;
  TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;
  // The same for the wide text of a pasted value (a value stored in the
  // "|\" form reaches them decoded), each fired right after its plain twin.
  TClipboardPasteCellEvent OnClipboardBeforePasteWideCell;
  TClipboardAfterPasteCellEvent OnClipboardAfterPasteWideCell;
  TGridRowEvent OnEndRowSize;
  TCellChangingEvent OnCellChanging;
  TRowChangingEvent OnRowChanging;
  TColChangingEvent OnColChanging;
  TGridColEvent OnClickSort;
  TGridPrintPageEvent OnPrintGetPageNum;
  TScrollCellEvent OnScrollCell;
  TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
  TNotifyEvent OnStartBlockFocus;
  TNotifyEvent OnEndBlockFocus;
  TGridCellTextEvent OnSaveCell;
  TGridCellTextEvent OnLoadCell;
  TGridRowEvent OnAutoDeleteRow;
  TSelectionChangedEvent OnSelectionChanged;
  // The selection inside the in-place rich editor moved.
  TNotifyEvent OnRichEditSelectionChange;
  // The selection resizer was let go: before and after the copied block is
  // pasted into the new selection.
  TSelectionResizeEvent OnSelectionResize;
  TSelectionResizeEvent OnSelectionResized;
  TFixedEditEvent OnFixedEdit;
  TNotifyEvent OnFilterDone;

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
  // The current cell's text; it is written with WriteCurrentCell, as
  // SetCurrentCell already moves the cursor (the grid services).
  std::string CurrentCell() { return ReadCurrentCell(); }
  virtual std::string GetCurrentCellText();
  virtual void SetCurrentEditText(const std::string& Value);
  virtual void RestoreEditCell();
  virtual bool ToggleCheckBoxCell(int ACol, int ARow, bool CheckEditable);
  virtual bool ToggleRadioButtonCell(int ACol, int ARow, bool CheckEditable);
  // The text as shown with its number format; valid as long as a text
  // GetCellEx answers.
  virtual const std::string& GetFormattedCell(int ACol, int ARow);
  virtual void GetCellFloatFormat(int ACol, int ARow, std::string& AFloatFormat);
  virtual TPoint GetCellGraphicSize(int ACol, int ARow);
  virtual void CalcGraphicSize(int ACol, int ARow, TPoint& Size, int ReservedHeight);
  virtual void GetGraphicExtent(int ACol, int ARow, TPoint& Size, double Scale, int AvailWidth,
                                int AvailHeight);
  virtual void GetPrintPageNum(int PageNum, int PageColNum, std::string& PageNumString);
  virtual void GetEditorProp(int ACol, int ARow, TEditLink* AEditLink);
  virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
  virtual void GetFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Items);
  virtual void SelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
  virtual void EditCaretChanged(const std::string& Text, int CaretPos);
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
  // Stores a drop-down choice as the column's condition and, with
  // AutoFilterUpdate, filters again.
  void FilterChosen(int Column, const std::string& Condition);
  virtual void PaintDesignHelper();
  virtual void DesignHelperClick(int X, int Y);
  virtual void CellChanging(int ACol, int ARow, bool& Allow);
  virtual void DoScrollCell(int ACol, int ARow);
  virtual bool CanShowFixedDropDown(int ACol, int ARow);
  virtual void DoStartBlockFocus();
  virtual void DoEndBlockFocus();
  virtual TImageList* GetGraphicImages();
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
  // The tool tip's notifications; true when handled.
  bool BalloonNotify(TMessage& Message);
  // What the balloon over the point of Info says (Info.Text), and its title
  // and icon, which go to the tool tip.
  void BalloonTextRequest(NMTTDISPINFO& Info);
  // A cell's text as the balloon shows it (display column).
  std::string BalloonCellText(int ACol, int ARow);
  void UpdateScrollBarAlways(bool ForceHide);
  void UpdateHScrollProportional();
  void UpdateVScrollProportional();
  void UpdateFlatScrollBars();
  void InitFlatScrollBars();
  void CreateScrollControls();
  void FreeScrollControls();
  void RepaintBorder();
  // The grid's own one-pixel border over the non-client edge, for the looks
  // that have one (on the window's device context).
  void PaintBorder(TCanvas* DC);
  // The quick-configuration panel of a grid in a designer: its rectangle
  // (with the height of a text line), the item at a client point (1 allow
  // edit, 2 column numbers, 3 look, 4 close; -1 none) and the real column
  // number a header cell shows there.
  TRect DesignPanelRect(int& LineHeight);
  int DesignHelperChoice(int X, int Y);
  // The designer asks whether the grid takes the mouse at a point.
  void DesignHitTest(TMessage& Message);
  void PaintDesignColumnNumber(TCanvas* ACanvas, const TRect& ARect, int RCol);
  // Puts the focus frame over the current cell.
  void MoveFocusWindow();
  // The glowing frame around the edited cell: shown when an editor opens
  // (this grid becomes the one the window hook keeps it in place for),
  // hidden when the edit ends.
  void ShowFocusWindow();
  void HideFocusWindow();
  TGridFocusWindow* FocusWindow() const { return FFocusWindow; }
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
  TColorSelectedEvent OnColorSelected;
  TImageSelectedEvent OnImageSelected;
  TDateTimeChangeEvent OnDateTimeChange;
  // The balloon of a cell: title, text and icon may be changed.
  TCellBalloonEvent OnCellBalloon;
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
  // Clicks and picks (row before column in the cell clicks), fired by the
  // keyboard and mouse handling and the in-place editors.
  TClickCellEvent OnClickCell;
  TClickCellEvent OnDblClickCell;
  TCheckBoxClickEvent OnCheckBoxClick;
  TComboChangeEvent OnComboChange;
  // Sizing a column or row by its border may be refused.
  TColumnSizeEvent OnColumnSize;
  TRowSizeEvent OnRowSize;
  // A line of a column's filter drop-down was chosen.
  TFilterSelectEvent OnFilterSelect;
  // The number format of a cell, and whether its text counts as a number.
  TFloatFormatEvent OnGetFloatFormat;

  // ===== Keyboard and mouse (grid/view/DivUzev_Keys.cpp, _Advance.cpp,
  // _Mouse.cpp, _Release.cpp, _Moves.cpp, _Wheel.cpp, _Hints.cpp). Cells
  // are display cells unless said otherwise.

  // Whether the cell may become current by the keyboard: editable with
  // goEditing, else not fixed; OnSelectCell may change the answer.
  bool IsSelectableCell(int ACol, int ARow);
  // The first (last) selectable display column of the row, -1 when none.
  int FirstSelectableCol(int ARow);
  int LastSelectableCol(int ARow);
  // FixedCols, or 1 in a tree grid without fixed columns.
  int FirstNormalCol();
  int VisibleFixedRightCols();
  bool IsLastDataRow();
  int LastDataRow() const { return RowCount() - FFixedFooters - 1; }
  // A row appended at the end for the Down key (above a floating footer).
  void AutoAppendRow();
  bool IsHoverFixedCell(int ACol, int ARow);
  // Moves from (ACol, ARow) to the next cell after an edit; ends also
  // over a grid whose remaining cells are all read-only.
  void AdvanceCell(int ACol, int ARow, bool ShowEditor, bool IsRepeat, bool Forward, bool AutoEdit,
                   bool Force);
  // The focus to the cell's first form control after AfterID.
  void FocusCellControl(int ACol, int ARow, const std::string& AfterID);
  // Items of a radio-group cell by the pointer (real column; X, Y from the
  // cell's top-left corner).
  void ClickRadioGroup(int ACol, int ARow, int X, int Y);
  // The selected-cell list (disjunct cell selection): each cell once.
  void ClearSelectedCells();
  TGridCoord GetSelectedCell(int Index) const;
  int SelectedCellsCount();
  bool SelectedCells(int ACol, int ARow);
  void SetSelectedCells(int ACol, int ARow, bool Value);
  int SelectedColCount();
  int SelectedRowCount();
  int SelectedRow(int Index);
  void ClearModifiedRows();
  void InvalidateSelectionCorners(const TGridRect& R);
  // The hint of the cell under the pointer: text, place (client point of
  // the grid), colour and whether the markup hint window draws it.
  struct TCellHintInfo {
    std::string Text;
    TPoint Pos;
    TColor Color = clInfoBk;
    int MaxWidth = 0;
    bool Markup = false;
  };
  bool PrepareCellHint(TPoint CursorPos, TCellHintInfo& Info);
  // A click on a link opens it only when the application asks for it
  // (OpenLinks, or OnAnchorClick setting AutoHandle), and then only web and
  // mail links (never a local path or program).
  bool OpenLinks() const { return FOpenLinks; }
  void SetOpenLinks(bool Value) { FOpenLinks = Value; }
  // The clipboard keys act through these (DivUzev_Clipboard.cpp).
  virtual void CopySelectionToClipboard();
  virtual void CutSelectionToClipboard();
  virtual void PasteSelectionFromClipboard();
  // Middle-button panning.
  bool WheelPanning() const { return FWheelPan; }
  TPoint WheelPanPos() const { return FWheelPanPos; }
  // The menu a fixed cell's drop-down button opens (its Tag: the column).
  TPopupMenu* FixedDropDownMenu() const { return FFixedDropDownMenu; }
  void SetFixedDropDownMenu(TPopupMenu* Value);
  // Once a text editor has been admitted, the text typed into the spin and
  // edit-button editors goes into the cell as it is typed, as the text
  // editor's does.
  bool ShowEditProcess() const { return FShowEditProcess; }
  void EditProcessChange(TWinControl* Editor);
  TGridCoord LastKeyCell() const { return FLastKeyCell; }
  int MouseSelectStart() const { return FMouseSelectStart; }
  TGridCoord PushedCellButton() const { return FPushedCellButton; }

  DIVUZEV_STORED(TIntelliPan, IntelliPan, ipVertical)
  DIVUZEV_STORED(bool, HintShowLargeText, false)
  DIVUZEV_STORED(bool, HTMLHint, false)
  DIVUZEV_STORED(bool, HintShowSizing, false)
  DIVUZEV_STORED(bool, URLEdit, false)

 public:
  TCanClickCellEvent OnCanClickCell;
  TClickCellEvent OnRightClickCell;
  TAnchorClickEvent OnAnchorClick;
  TAnchorHintEvent OnAnchorHint;
  // A button of a drop-down editor's header or footer strip, with the
  // current cell.
  std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)> OnDropDownHeaderButtonClick;
  std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)> OnDropDownFooterButtonClick;
  // A press on a fixed cell's drop-down button; AMenu starts as
  // FixedDropDownMenu and pops up when it is left set.
  TFixedDropDownClickEvent OnFixedDropDownClick;
  // The unit editor's unit was changed by the user, in the current cell.
  std::function<void(TObject* Sender, int ACol, int ARow, const std::string& NewUnit)> OnUnitChanged;
  TRadioClickEvent OnRadioClick;
  TGridColRowEvent OnRadioButtonClick;
  TCheckBoxClickEvent OnCheckBoxMouseUp;
  TRadioClickEvent OnRadioMouseUp;
  TCanSortEvent OnCanSort;
  TGridRowEvent OnAutoAddRow;
  TGridRowEvent OnAutoInsertRow;
  TGridColEvent OnAutoInsertCol;
  TCanDeleteRowEvent OnCanDeleteRow;
  TAutoAdvanceEvent OnAutoAdvance;
  TBeforeNodeEvent OnBeforeExpandNode;
  TBeforeNodeEvent OnBeforeContractNode;
  TNodeEvent OnExpandNode;
  TNodeEvent OnContractNode;

  // ===== Drag and drop with other windows, grids and programs
  // (grid/io/DivUzev_Drop.cpp, grid/view/DivUzev_DragStart.cpp) and the
  // mouse moving over the grid (grid/view/DivUzev_MouseMove.cpp).

  // The drop target DragDropSettings.OleDropTarget made (kept once made).
  TGridDropTarget* DropTarget() const { return FDropTarget.get(); }
  bool DropTargetRegistered() const { return FDropTargetRegistered; }
  // Registers or revokes the window as DragDropSettings.OleDropTarget says.
  void UpdateDropTarget();
  // The arrow marks of a drop or move position, made on first use: up and
  // down above and below a column's edge, left and right beside a row.
  TArrowWindow* ArwU();
  TArrowWindow* ArwD();
  TArrowWindow* ArwL();
  TArrowWindow* ArwR();
  void HideDropArrows();
  // The cells a drag of this grid took (a move within the grid shifts it).
  TGridRect DropSelection() const { return FDropSelection; }
  void SetDropSelection(const TGridRect& Value) { FDropSelection = Value; }
  // The drop position of enhanced moving (-1 none).
  int MoveColInd() const { return FMoveColInd; }
  int MoveRowInd() const { return FMoveRowInd; }
  // The pictures following the mouse while a header or cells are dragged
  // or a row or column is moved: the header's face (made with the grid,
  // hidden between drags) and the cells' picture (only while one is shown).
  THeaderDragButton* MoveButton() const { return FMoveButton; }
  TCustomForm* MoveForm() const { return FMoveForm; }
  // Hover state of the mouse handling.
  const std::string& HoveredAnchor() const { return FAnchor; }
  TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
  // A drag of the selection resizer is under way.
  bool MouseResize() const { return FMouseResize; }
  bool InFixedSizingZone() const { return FSizeFixed || FSizeFixedR; }
  // A fixed column (row) border is being dragged by the grid itself.
  bool FixedSizingActive() const { return FSizingFixed || FSizingFixedR; }
  // A drag of cells or of a column starts at (ACol, ARow) (display cell);
  // the move handling calls it once the mouse moved far enough.
  void StartOleDrag(int ACol, int ARow);

  TOleDragDropEvent OnOleDrag;
  TOleDragStartEvent OnOleDragStart;
  TOleDragStopEvent OnOleDragStop;
  TOleDragOverEvent OnOleDragOver;
  TOleDragDropEvent OnOleDrop;
  TOleDragDropEvent OnOleDropURL;
  TOleDragDropEvent OnOleDropFile;
  TOleDropColEvent OnOleDropCol;
  TOleDroppedEvent OnOleDropped;
  TGridMoveEvent OnColumnMove;
  TGridMoveEvent OnRowMove;
  TGridMoveEvent OnColumnMoving;
  TGridMoveEvent OnRowMoving;
  TGridSizingEvent OnColumnSizing;
  TGridSizingEvent OnRowSizing;
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  // ---- Form controls inside markup cells (grid/view/DivUzev_FormControls.cpp)
  // EDIT, PASSWORD and MASK controls are edited in the grid's control edit
  // box, COMBO controls in its control combo box, placed over the control;
  // the value goes back into the control's VALUE when the editor is left.
  // ACol is the real column, DisplayCol the shown one, R the control's box.
  void StartControlEdit(const std::string& CellText, const std::string& CtrlType, int ARow, int ACol,
                        int DisplayCol, const TRect& R, const std::string& CtrlValue,
                        const std::string& CtrlID);
  void EndControlEdit();
  void ControlComboSelect(TObject* Sender);
  bool ControlEditing() const { return FCtrlEditing; }
  TControlEdit* ControlEditBox() const { return FControlEdit; }
  TControlCombo* ControlComboBox() const { return FControlCombo; }
  TControlClickEvent OnControlClick;
  TControlComboListEvent OnControlComboList;
  TControlClickEvent OnControlEditDone;
  TControlComboSelectEvent OnControlComboSelect;

  // The window procedure: "GridEditDone" and the grid timer.
  void WndProc(TMessage& Message) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Resize() override;
  void WMTimer(TMessage& Message) override;
  // The fixed and active-cell fonts scale with the grid (grid/io).
  void ChangeScale(int M, int D) override;
  void WMHScroll(TMessage& Message) override;
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void CMMouseLeave(TMessage& Message) override;
  void WMVScroll(TMessage& Message) override;
  // OnColumnSize and OnRowSize may refuse the sizing the cursor offers.
  void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) override;

  // ---- In-place editing: the framework's hooks (grid/view)
  bool CanEditShow() override;
  TInplaceEdit* CreateEditor() override;
  void HideEditor() override;
  bool SelectCell(int ACol, int ARow) override;
  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& Value) override;
  int GetEditLimit() override;
  void TopLeftChanged() override;
  // The framework's hooks after widths and heights changed
  // [AfterColumnWidthsChange, AfterRowHeightsChange].
  void ColWidthsChanged() override;
  void RowHeightsChanged() override;
  void WMChar(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void WMPaint(TMessage& Message) override;
  void WMSize(TMessage& Message) override;
  void DoEnter() override;
  void DoExit() override;
  void Click() override;
  void CMEnabledChanged(TMessage& Message) override;
  void CMColorChanged(TMessage& Message) override;
  void CMCursorChanged(TMessage& Message) override;
  // ---- Keyboard and mouse (grid/view)
  void WMKeyDown(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void WMLButtonDown(TMessage& Message) override;
  void WMLButtonUp(TMessage& Message) override;
  void WMLButtonDblClk(TMessage& Message) override;
  void WMRButtonDown(TMessage& Message) override;
  void WMRButtonUp(TMessage& Message) override;
  void WMSetCursor(TMessage& Message) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  // The framework's wheel step of either direction, as the grid takes it.
  bool DoMouseWheelStep(bool Down, TShiftState Shift, TPoint MousePos);
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  void CMHintShow(TMessage& Message) override;

 public:
  // Headers and cells give their hints by place, with or without a Hint.
  bool HintsByPlace() const override { return true; }

 protected:
  friend class ZIvoVorazirUded;
  friend class TFooterPanel;
  friend class TGridCombo;
  friend class TGridCheckBox;
  friend class TGridSpin;
  friend class TGridEditBtn;
  friend class TGridUnitEditBtn;
  friend class TGridButton;
  friend class TGridDatePicker;
  friend class TGridDateTimePicker;
  friend class ZEveRozoDiva;
  friend class TGridTransEdit;
  friend class TGridTransCombo;
  friend class TControlEdit;
  friend class TControlCombo;
  friend class TEditLink;

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
  bool HasHeaderRow() const;
  bool HasHeaderColumn() const;
  void FontRepaint(TObject* Sender);
  void MergedColumnsChanged();
  void BalloonEnableChanged(TObject* Sender);
  void ShowModifiedChanged(TObject* Sender);

  // ---- Hidden rows: moving whole rows between the grid and the store
  void SaveRowInto(TGridItem* Item, int DisplayRow);
  void RestoreRowFrom(TGridItem* Item, int DisplayRow);
  void CopyRow(int FromRow, int ToRow);
  // Takes the shown rows of a real range out into the store, in Idx order
  // or appended.
  void TakeRowsOut(int FromRow, int ToRow, bool Append);
  // Puts store entries back at their real rows and drops them from the store.
  void BringBackRows(std::vector<TGridItem*>& Entries);
  void MergeRowsBack(const std::vector<TGridItem*>& Entries);
  // The last filter level, kept as one block, back in one pass; false when
  // the rows around it changed so that it must go back entry by entry.
  bool MergeBlockBack();
  // Hides the marked display rows as one block of Level.
  void HideMarkedRows(std::vector<uint8_t> Marked, int Level);
  // Marks kept by display row open up at the rows coming back.
  void OpenRowMarks(const std::vector<int>& target);
  // The cell properties of a row moved in bulk learn their new place.
  void RefreshRowOwners(int ARow);
  void BringBackRuns(const std::vector<TGridItem*>& Entries);
  // Level -1: every level.
  void UnHideRowsOfLevel(int FromRow, int ToRow, int Level);
  // Tree nodes: the real row after a node's last row, levels of a real
  // range, expanding one node without the ExpandOne rule.
  int NodeEndReal(int D);
  void ChangeNodeLevels(int FromReal, int ToReal, int Delta);
  void ExpandNodeOnly(int ARow);
  // The real rows the contracted nodes keep out: [first, end) each.
  std::vector<std::pair<int, int>> ContractedNodeRanges();
  // Hides display rows as part of an existing level.
  void HideRowListAtLevel(TIntList* RowList, int Level);
  // Find: the cell test, the walk, going to a hit, the footer's options,
  // highlights and next/previous.
  bool FindMatches(int ACol, int ARow);
  TPoint FindCells(TPoint StartCell, const std::string& s, TFindParams P);
  void GotoHit(TPoint Hit);
  TFindParams FooterFindParams(bool Incremental);
  void FooterHighlight(bool On, const std::string& Text, bool DoCase);
  void FooterFind(bool Backward);
  // Highlighting: one cell, a block of real columns, the default ranges.
  void WrapInCell(int ACol, int ARow, const char* Tag, bool DoCase, const std::string& Text);
  void UnwrapInCell(int ACol, int ARow, const char* Tag);
  void WrapRange(int C1, int R1, int C2, int R2, const char* Tag, bool Wrapping, bool DoCase,
                 const std::string& Text);
  void ColRange(bool DoFixed, int& R1, int& R2);
  void RowRange(bool DoFixed, int& C1, int& C2);
  void NotifyCellsChanged(const TRect& R);
  // Grouping: colours of a header or summary row, the group calculation.
  void ColourGroupRow(int ARow, bool Header);
  void UncolourGroupRow(int ARow, bool Header);
  double GroupValue(int ACol, int FromRow, int ToRow, int Method);
  // Drops the marks kept by display row of the rows flagged in Gone.
  void CompactRowMarks(const std::vector<uint8_t>& Gone);
  // Row filter: the text a condition tests, the fixed rows a filter keeps.
  std::string FilterText(const TFilterData* F, int ARow);
  void RestoreFilterFixedRows();
  void EmptyRowSlots(int ARow);
  // Takes RCount display rows from ARow out of the grid (cells kept by the
  // caller or freed with DropProperties).
  // Removed: the rows leave the grid (their flags go with them); otherwise
  // they are being hidden and keep what is kept by real row.
  void DeleteRowsInternal(int ARow, int RCount, bool DropControls, bool Removed = false);
  // NewRows: rows that were not there before (not rows shown again).
  void InsertRowsInternal(int RowIndex, int RCount, bool UpdateCellControls, bool NewRows = true);
  // ---- Structure edit helpers (DivUzev_Structure.cpp)
  // Hidden rows after removed (inserted) display rows move with them.
  void RenumberHiddenForRemoval(int RowIndex, int RCount);
  void RenumberHiddenForInsertion(int FirstReal, int RCount);
  // The bookkeeping of a row count changed in place.
  void RowCountChanged();
  // Cell properties from FromRow down learn their row again.
  void RefreshOwnerRows(int FromRow);
  void RebuildSelectedRowList();
  bool FHintShowCells = false;
  bool FUseHTMLHints = false;
  void FocusCellMove(int ACol, int ARow);

  // ---- Selection helpers
  int RowFlagIndex(int DisplayRow) const;

  // ---- Files and streams (grid/io)
  void ApplyTextImage(gridio::TTextImage& Image, bool Progress);
  // Hands the stream of the rectangle to Put in pieces.
  void WriteBinRect(const TRect& Rect, const std::function<void(std::string_view)>& Put);
  std::string CSVText();
  void ReadCSV(const std::string& Bytes, int MaxRows, bool Insert);
  class TBinLoad;
  friend class TBinLoad;
  // Every cell empty, properties and graphics freed, hidden columns
  // included (a whole-grid stream replaces everything).
  void ClearAllCells();
  // A new graphic in the cell's properties, replacing the cell's own.
  TCellGraphic* NewCellGraphic(int ACol, int ARow);
  // The node count from the column-0 node cells, after a stream load.
  void RecountNodes();

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
  TVyxStyle FComponentStyle = tsWindowsXP;
  TScrollBarAlways FScrollBarAlways = saNone;
  TColor FScrollColor = clNone;
  bool FScrollProportional = false;
  TScrollType FScrollType = ssNormal;
  int FScrollWidth = 17;
  bool FFlatInit = false;
  TScrollControl* FScrollControls[2] = {nullptr, nullptr};
  THintWindow* FScrollHintWnd = nullptr;
  bool FScrollHintShown = false;
  bool FDragScrollRunning = false;
  int FDragScrollDir = 0;
  int FDragScrollInterval = 0;
  TGridCoord FScrollCell{-1, -1};
  // The column and row a user sizes (-1: none) with their sizes when the
  // drag began.
  int FSizingCol = -1;
  int FSizingRow = -1;
  int FSizingColWidth = 0;
  int FSizingRowHeight = 0;
  int FLastSizingIndex = -1;
  bool FColSizedByUser = false;
  bool FRowSizedByUser = false;
  bool FAllowReStretch = true;
  bool FStretching = false;
  void ShowScrollHint(const std::string& Text);
  void HideScrollHint();
  void StartDragScroll(int Interval);
  void StopDragScroll();
  int FSelectionColorMixerFactor = 50;
  bool FActiveCellShow = false;
  TColor FActiveCellColor = clGray;
  TColor FActiveCellColorTo = clNone;
  bool FAutoThemeAdapt = false;
  TColor FBorderColor = clGray;
  TColor FHighlightColor = clHighlight;
  TColor FHighlightTextColor = clHighlightText;
  TColor FURLColor = static_cast<TColor>(0xFF0000);
  bool FURLFull = false;
  bool FShowSelection = true;
  bool FSpreadSheet = false;
  bool FFooterHidesLastRow = false;
  struct TSpreadSheetState {
    bool Rectangle, Resizer, SmartClipboard, RangeSelect, Editing, RangeSelectAndEdit;
  };
  TSpreadSheetState FSpreadSheetWas{};
  TGridCoord FLastTabCell{-1, -1};
  int FHoveredLink = -1;
  int FLastDesignChoice = -1;
  bool FShowColNrs = true;
  // The owning form's own resize handler, chained when it had one
  // (ResizeAssigned), and the form's size the grid last followed.
  TNotifyEvent FSavedFormResize;
  bool ResizeAssigned = false;
  TCustomForm* FResizeForm = nullptr;
  int PrevSizeX = 0;
  int PrevSizeY = 0;
  int FOldLeftCol = 0;
  int FOldTopRow = 0;
  bool FTimerStarted = false;
  // Internal defaults other topics rely on.
  TGridCoord FPushedCellButton{-1, -1};
  TGridCoord FLastHintPos{-1, -1};
  TGridCoord FClipTopLeft{-1, -1};
  TClipOperation FClipLastOp = coCopy;
  bool FPasteAll = false;
  // A cell stream loads only into cells a paste may write.
  bool FBinPasteEditableOnly = false;
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
  bool FFilterActive = false;
  int FFilterFixedRows = -1;
  std::string FLastFilter;
  bool FSizeWithForm = false;
  TBalloonToolTip* FBalloonTip = nullptr;
  int FOleDragCol = -1;
  int FOleDragIndex = -1;
  TObject* FOleDragList = nullptr;
  int FGroupWidth = 0;
  std::string FGroupCaption;
  std::string FGroupFooter;
  bool FIsGrouping = false;
  std::vector<uint8_t> FFilterChecks;
  TObject* FFilterCheckList = nullptr;
  TDropList* FFilterDropList = nullptr;
  TDropCheckList* FFilterDropCheckList = nullptr;
  bool FFilterDropDownCheck = false;
  TFindParams FFindParams;
  std::string FFindText;
  std::string FFindTextCase;
  TPoint FSearchCell{-1, -1};
  int FFindCol = 0;
  int FFindRow = 0;
  bool FFindBusy = false;
  int FPrintColWidth[512] = {};
  int FPrintColOffset[512] = {};

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

  // ---- Sorting
  friend class TSortRun;
  // Moves the rows First .. First + Order.size() - 1 so that the row at
  // Order[k] comes to First + k, with all a row carries; with SortCol >= 0
  // (SingleColumn) only that column's cells move.
  void ApplyRowOrder(int First, const std::vector<int>& Order, int SortCol);
  // One sort of the normal rows, by a column or by the index list.
  void SortNormalRows(bool Indexed);
  void SortGroups(bool Indexed);
  // What ssImages and ssCheckBox compare.
  int SortImageIndex(int ACol, int ARow);
  bool SortCheckState(int ACol, int ARow);
  int FSortDir = 1;
  int FSortRow = -1;
  int FCompares = 0;
  int FSwaps = 0;

  // ---- Calculations and sizing
  struct TColumnRange;
  // Real: 1 real rows, 0 display rows, -1 as ToRow says.
  TColumnRange ReadColumnRange(int ACol, int FromRow, int ToRow, int Real);
  double ColumnAggregate(int ACol, int FromRow, int ToRow, int Kind, int Real);
  double DistinctCount(int ACol, int FromRow, int ToRow, int Real);
  void DoAutoSizeCol(int ACol, bool GrowOnly);
  void DoAutoSizeRow(int ARow, bool GrowOnly, int Padding);
  // Width and height of a cell's text in its font (the measuring of the
  // painter once it is there).
  TSize MeasureCellText(int ACol, int DisplCol, int ARow);
  // Applies the cell's font (grid, fixed or its own) to the canvas; the
  // canvas keeps its font while the next cell's is the same.
  void SetCanvasCellFont(int ACol, int ARow, bool Zoomed);
  // The canvas's "gh" height, kept while its font stays.
  int CanvasLineHeight();
  std::unique_ptr<TFont> FMeasureFont;
  std::unique_ptr<TBrush> FMeasureBrush;
  int FMeasureLineHeight = -1;

  // ---- Footer and listeners
  // Footer calculation over real rows when hidden rows count.
  double FooterValue(int ACol, TColumnCalcType Kind, int FromRow, int ToRow, bool RealRows);

 protected:
  // Typed characters reach the grid also while it does not edit.
  void WMGetDlgCode(TMessage& Message) override;

 private:
  ITDedAdararAdozSelect* FSelListener = nullptr;
  // ---- Painting (grid/view)
 public:
  struct TCellPaint;

 protected:
  // The whole-control paint; an error of a drawing event is raised once
  // the pass is over.
  void Paint() override;
  void DoPaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState,
                   bool DrawContent) override;

 public:
  // A whole paint pass into ACanvas, as Paint does it.
  void PaintGrid(TCanvas* ACanvas);

 private:
  bool SelectedForPaint(int ACol, int ARow);
  void KeepPaintError();
  void RaisePaintError();
  void LayoutGraphic(TCellPaint& P);
  void PaintCellScrollBar(TCellPaint& P, TCellGraphic* G);
  std::exception_ptr FPaintError;
  int FPaintPasses = 0;
  void PaintFixedBackground(TCellPaint& P);
  void PaintCellButtons(TCellPaint& P);
  void PaintFixedEdges(TCellPaint& P);
  void PaintTreeLines(TCellPaint& P);
  void PaintCellBorders(TCellPaint& P);
  void PaintCellText(TCellPaint& P, bool TextAllowed);
  void PaintTextBackground(TCellPaint& P);
  void PaintSelectionRectangle(TCellPaint& P);
  void DrawPlainText(TCellPaint& P, std::string Text, TRect R, int LineHeight, int ErrPos, int ErrLen,
                     bool SortCell);
  void DrawMarkupText(TCellPaint& P, const std::string& Text, const TRect& R);
  bool SortGlyphShown(TCellPaint& P);
  void PaintSortGlyph(TCellPaint& P, int X);
  // The graphic of the cell into ARect, which it may narrow.
  void DrawCellGraphic(TCellPaint& P, TRect& ARect);
  void DrawRotatedText(TCellPaint& P, const TRect& R, int Angle);
  void DrawNodeGlyph(TCanvas* ACanvas, const TRect& ARect, TCellGraphic* AGraphic, int ACol, int ARow,
                     TGridDrawState AState);
  void DrawCellButton(TCellPaint& P, const TRect& R, TRect B);
  void PaintOutsideBackground(TCanvas* ACanvas);
  int ButtonLook() const;
  // Typed reads that never raise (0 for a text that is no number).
  int PaintInt(int ACol, int ARow);
  double PaintFloat(int ACol, int ARow);
  // Tree nodes as the graphics of column 0 hold them.
  bool IsNodeRow(int ARow);
  int NodeSpanOf(int ARow);
  int ParentNodeRow(int ARow);
  void DrawSizingLine(bool Vertical, int Pos);
  TImageList* FGridImages = nullptr;
  TPictureContainer* FPictureContainer = nullptr;
  // Made on first use (the class is complete only where it is used).
  std::shared_ptr<THTMLPictureCache> FImageCache;
  TColorTones FColorTones;
  bool FFlat = false;
  int FNodeCount = 0;
  bool FMouseButtonDown = false;
  bool FFixedDropDownOpen = false;
  int FMovingColumn = -1;
  TGridCoord FMouseCell{-1, -1};
  TGridCoord FHotButtonCell{-1, -1};
  bool FBlinkVisible = true;
  std::unique_ptr<TFont> FPaintFont;
  // ---- In-place editing (grid/view)
  void CreateEditorCompanions();
  void FreeEditorCompanions();
  // Admits the editor of the current cell (the editor switch's own part of
  // CanEditShow); false when the framework must show nothing.
  bool AdmitEditor(bool Result);
  // Puts a shown control editor back over its cell after a size change.
  void PlaceEditControl();
  // The value a text from the editor stands for: the stored text when it is
  // exactly what the editor was given (a markup cell shown plain).
  std::string EditedCellValue(const std::string& Shown) const;
  // The combo editor over (ACol, ARow) for edComboEdit and edComboList.
  void ShowComboEditControl(int ACol, int ARow, int RC, const TRect& Rect, int W, int H, TColor Color);
  bool FlatComboLook() const;
  // The invalid-entry note under the editor, and its end.
  void ShowInvalidEntryBalloon();
  void HideEntryHint();
  // Repaints the visible cells whose text blinks.
  void RepaintBlinkingCells();
  void HoverTick();

  // Editor switch.
  TEditorType FEditControl = edNormal;
  bool FEditMode = false;
  char32_t FStartEditChar = 0;
  bool FBlockKill = false;
  bool FEntered = false;
  bool FEditing = false;
  bool FSpecialEditor = false;
  bool FEditActive = false;
  bool FValidating = false;
  int FMaxComboLength = 0;
  bool FSpinUpClick = false;
  bool FSpinDnClick = false;
  TEditLink* FEditLink = nullptr;
  TWinControl* FEditCtrl = nullptr;
  TGridCombo* FEditCombo = nullptr;
  TGridCheckBox* FEditCheck = nullptr;
  TGridSpin* FEditSpin = nullptr;
  TGridEditBtn* FEditBtn = nullptr;
  TGridUnitEditBtn* FUnitEditBtn = nullptr;
  TGridButton* FGridButton = nullptr;
  TGridDatePicker* FDatePicker = nullptr;
  TGridDateTimePicker* FDateTimePicker = nullptr;
  ZEveRozoDiva* FInplaceRichEdit = nullptr;
  // Form controls of markup cells: their two editors, the cell (real
  // column, row) and ID of the control edited, and a held BUTTON control.
  TControlEdit* FControlEdit = nullptr;
  TControlCombo* FControlCombo = nullptr;
  TGridCoord FCtrlXY{-1, -1};
  std::string FCtrlID;
  std::string FCtrlType;
  bool FCtrlEditing = false;
  bool FCtrlDown = false;
  // The markup hit test of the cell (display column) at a point, or of its
  // control ControlID wherever it is; the rectangle the mouse uses.
  bool CellMarkupHitTest(int ACol, int ARow, int X, int Y, const std::string& ControlID, TMarkupResult& Res);
  // Whether the form controls of a cell (real column) take input.
  bool FormControlsEditable(int RC, int ARow);
  // A press on a form control found by the hit test.
  void FormControlClick(int ACol, int ARow, int RC, const TMarkupResult& Hit);
  // Enter and Tab in a control editor.
  void ControlEditorKey(WORD Key);
  // The control editors' own parts of the editor switch.
  void FreeKindEditors();
  // The date cell's text did not read as a date when its picker opened.
  bool FDateUnread = false;
  // The text a spin editor was given as it opened.
  std::string FKindShownText;
  // Spin limits and step from the column (set only by a column grid).
  bool FColumnSpinSet = false;
  int FColumnSpinMin = 0;
  int FColumnSpinMax = 100;
  int FColumnSpinStep = 1;
  bool FShowEditProcess = false;
  bool FNoEditChange = false;
  double FOriginalDateTime = 0;
  std::string FCellCache;
  // The text editor's cell (real column, row), its stored text and the text
  // the editor was given for it.
  TGridCoord FEditTextCell{-1, -1};
  std::string FEditRawText;
  std::string FEditShownText;
  // The cell edited by the control editor (display column, row).
  TGridCoord FEditCell{-1, -1};
  // Escape: the hide writes nothing back.
  bool FEditCancelled = false;
  // The text editor's text changes without reaching the cell.
  bool FNoEditWrite = false;
  // The cell-selection check closes a control editor itself: the hide then
  // asks no selection check of its own.
  bool FSelectHide = false;
  bool FEditorsFreed = false;
  // Set by a mouse press with caret positioning; read by the editors.
  bool LButFlg = false;
  // The grid's edit should not advance after a refused value.
  bool FNoAutoAdvance = false;
  int FMaxEditLength = 0;
  // Cell selection.
  bool FForceSel = false;
  std::string FEditText;
  bool FOptionsEditChange = false;
  bool FDisableChange = false;
  // Validation and the old cell.
  int FOldCol = -1;
  int FOldRow = -1;
  std::string FOldCellText;
  std::string FOldCellTextWide;
  bool FOldModifiedValue = false;
  std::string FNewCellText;
  bool FGridModified = false;
  bool FSelChange = false;
  bool FBlockFocus = false;
  bool InvokedFocusChange = false;
  bool Invokedchange = false;
  // Timer, painting, sizing.
  int FTimerTicks = 0;
  int FSearchTics = 0;
  std::string FSearchInc;
  bool FGridBlink = false;
  int FPaintCount = 0;
  std::vector<int> FOrigColSizes;
  bool FDisableSize = false;
  bool FUseVCLStyles = false;
  // Fixed-cell editors.
  TGridTransEdit* FFixedEdit = nullptr;
  TGridTransCombo* FFixedCombo = nullptr;
  TGridCoord FFixedEditCell{-1, -1};
  bool FFillingFixedEdit = false;
  TBalloonToolTip* FEntryHint = nullptr;
  int FEntryHintTicks = 0;
  // ---- Keyboard and mouse (grid/view)
  bool IsEditableCell(int RCol, int ARow);
  bool EditingGrid() const;
  void HandleWmKeyDown(TMessage& Message);
  bool HomeEndKey(WORD Key, TShiftState Shift, int EntryLeft);
  void RowSelectTowards(int Target, int EntryRow, TShiftState Shift);
  void KeepLeftCol(int EntryLeft);
  void InsertRowKey();
  void DeleteRowKey();
  void SelectAllKey();
  bool ControlCellKey(WORD Key);
  void HandleWmChar(TMessage& Message);
  bool TabAdvanceStep(bool Backward);
  // The first data row whose sort-column text starts with Text, -1 none.
  int IncrementalSearchRow(const std::string& Text);
  void HandleWmLButtonDown(TMessage& Message);
  bool LinkClick(int ACol, int ARow, int RC, int X, int Y);
  bool CheckBoxClick(int ACol, int ARow, int RC, int X, int Y);
  void HandleWmLButtonUp(TMessage& Message);
  void HeaderClickSort(int ACol, int ARow, int X);
  void MouseSelectModeAt(int ACol, int ARow);
  void EndPanning();
  // Wheel, middle button and pan timer messages; true when taken.
  bool InputWindowMessage(TMessage& Message);
  // The custom editor link over (real column, row), and its value back.
  TWinControl* OpenEditLink(int ACol, int ARow, const TRect& Rect, TColor Color, TFont* AFont);
  void CloseEditLink(int ACol, int ARow);
  void PanTick();
  // The pan mark at the point panning began; it is painted with the grid.
  void InvalidatePanMark();
  void PaintPanMark(TCanvas* ACanvas);
  void SetPanCursor(TCursor Id);
  bool FixedDropDownPress(int ACol, int ARow, const TRect& CellRect);
  bool WheelStep(bool Down, TShiftState Shift, TPoint MousePos);
  void AddSelectedCell(TGridCoord C);
  bool RemoveSelectedCell(TGridCoord C);
  void RepaintSelectedCells();
  bool FOpenLinks = false;
  TGridRect FMoveSelection;
  TGridCoord FLastKeyCell{-1, -1};
  int FAECol = -1;
  int FAERow = -1;
  bool FTabForceSel = false;
  int FAdvanceDepth = 0;
  bool FDoOnClick = false;
  bool FMouseKeepDown = false;
  bool FMouseDownMove = false;
  bool FMouseResize = false;
  TGridRect FDropSelection;
  TGridFocusWindow* FFocusWindow = nullptr;
  void BeginSelectionResize(TMessage& Message, bool SelectBase);
  bool FFixedCellPushed = false;
  TRect FPushedFixedCell;
  bool FSelectionClick = false;
  bool FDeselectState = false;
  bool FMouseDown = false;
  bool ColMoveFlg = false;
  bool ColSizeFlg = false;
  bool FDblClk = false;
  bool FSelHidden = false;
  int Movecell = -1;
  int MoveOfsX = 0;
  int MoveOfsY = 0;
  int FMouseSelectStart = -1;
  TMouseSelectMode FMouseSelectMode = msNormal;
  TPoint FClickPos;
  bool FSyncedMove = false;
  bool FInColumnMove = false;
  bool FEditStart = false;
  bool FDropDownDown = false;
  // The hovered fixed cell stays lit when the mouse leaves (after a fixed
  // drop-down menu that asked for it).
  bool FNoMouseLeave = false;
  TPopupMenu* FFixedDropDownMenu = nullptr;
  bool FPanShowHint = false;
  TGridRect FMouseDownSelection;
  uint32_t SortTime = 0;
  TPoint FWheelPanPos;
  TCursor FPrevCursor = crDefault;
  // ---- Drag and drop, mouse movement (grid/io/DivUzev_Drop.cpp, grid/view)
  friend class TGridDropTarget;
  friend class TGridDropSource;
  void HoverMove(int ACol, int ARow, int X, int Y);
  bool LinkMove(int ACol, int ARow, int X, int Y);
  void FixedSizingZones(int ACol, int ARow, int X, int Y);
  bool OnSelectionResizer(int X, int Y);
  void CursorModeAt(int ACol, int ARow, int X, int Y);
  void SizingFeedback(int X, int Y);
  void CancelStaleHints(int ACol, int ARow);
  bool DragStartMove(int ACol, int ARow, int X, int Y, bool OnResizer);
  void EnhancedMoveFeedback(int ACol, int ARow, int X, int Y);
  void SetGridCursor(TCursor Value);
  std::shared_ptr<TGridDropTarget> FDropTarget;
  bool FDropTargetRegistered = false;
  TArrowWindow* FArrows[4] = {nullptr, nullptr, nullptr, nullptr};
  TColor FArrowColor = static_cast<TColor>(0x00FF00);
  TArrowWindow* Arrow(int Dir);  // a TArrowDirection
  std::string FAnchor;
  std::string FLastAnchorHint;
  TGridCoord FHotFixedCell{-1, -1};
  TGridCoord FLastBalloonPos{-1, -1};
  TCursor FOldCursor = crDefault;
  bool FCursorTaken = false;
  bool FSizeFixed = false;
  bool FSizeFixedR = false;
  bool FSizingFixed = false;
  bool FSizingFixedR = false;
  int FSizeFixedX = -1;
  int FSizeFixedY = -1;
  int FSizingFixedCol = -1;
  int FSizingFixedRow = -1;
  int FSizingFixedOfs = 0;
  bool BeginFixedSizing(int X, int Y);
  void EndFixedSizing(int X, int Y);
  void CancelSizingDrag();
  TGridRect FSizeSelection;
  int FMoveColInd = -1;
  int FMoveRowInd = -1;
  bool ColSized = false;
  bool Rowsized = false;
  bool FOleDragging = false;
  // ---- Drag pictures (grid/view/DivUzev_DragPicture.cpp)
  THeaderDragButton* FMoveButton = nullptr;
  TCustomForm* FMoveForm = nullptr;
  void CreateMoveButton();
  void FreeMoveButton();
  // Area cut to the cells in view.
  TGridRect VisibleDragArea(const TGridRect& Area) const;
  // The cells' picture of Area (display cells), once per drag or move.
  void MakeMoveForm(const TGridRect& Area);
  // Shows Window at screen point At above everything without activating
  // it, or moves it there when shown.
  void ShowFloating(TWinControl* Window, const TPoint& At);
  // The header button shows the text of cell (ACol, ARow) at that size.
  void SetMoveButtonCell(int ACol, int ARow, int Width, int Height);
  void FreeMoveForm();
  // A move has ended: the button goes, disabled, and the picture is freed.
  void EndMovePicture();
  // The window system ends a row or column move that shows the drag
  // cursor; true when one was ended.
  bool CancelEnhancedMove();

  // ===== Printing and preview (grid/io/DivUzev_Print*.cpp). Rectangles of
  // cells are display indexes; page lengths are tenths of a millimetre.
 public:
  // On the printer (Printer()).
  void Print();
  void PrintSelection();
  void PrintRect(const TGridRect& Gridrect);
  void PrintSelectedRows();
  void PrintSelectedCols();
  // Page PreviewPage into Canvas, laid out on a page of Displayrect's size.
  void PrintPreview(TCanvas* Canvas, const TRect& Displayrect);
  void PrintPreviewRect(TCanvas* Canvas, const TRect& Displayrect, const TGridRect& Gridrect);
  void PrintPreviewSelection(TCanvas* Canvas, const TRect& Displayrect);
  void PrintPreviewSelectedRows(TCanvas* Canvas, const TRect& Displayrect);
  void PrintPreviewSelectedCols(TCanvas* Canvas, const TRect& Displayrect);
  // The first page into the canvas's clip area.
  void PrintDraw(TCanvas* Canvas, const TRect& DrawRect);
  void PrintDrawRect(TCanvas* Canvas, const TRect& DrawRect, const TGridRect& Gridrect);
  // Font height on the page for a point size, and back.
  int MapFontHeight(int PointSize);
  static int MapFontSize(int Height);
  int PrintNrOfPages() const;
  bool IsPrintPreview() const;
  // Printing skips the counting pass (the page count is then unknown).
  bool FastPrint() const;
  void SetFastPrint(bool Value);
  TRect PrintPageRect() const;
  int PrintPageWidth() const;
  int PrintColStart() const;
  int PrintColEnd() const;

  TPrintStartEvent OnPrintStart;
  TPrintColumnWidthEvent OnPrintSetColumnWidth;
  TPrintRowHeightEvent OnPrintSetRowHeight;
  TFitToPageEvent OnFitToPage;
  TPrintPageEvent OnPrintPage;
  TPrintNewPageEvent OnPrintNewPage;
  TPrintPageDoneEvent OnPrintPageDone;
  TPrintCancelEvent OnPrintCancel;
  TCustomCellSizeEvent OnCustomCellSize;

  struct TPrintState;
  struct TPrintRender;

 private:
  TPrintState& PrintState() const;
  void DoPrint(const TGridRect& Cells, bool SelectedOnly);
  void DoPrintPreview(TCanvas* Canvas, const TRect& Displayrect, const TGridRect& Cells, bool SelectedOnly);
  // Made on first use (the class is complete only in grid/io).
  mutable std::shared_ptr<TPrintState> FPrintState;
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
// The grid's own cursors by number, their pictures registered on first use:
// 8010 row selection, 8011 column selection, 8012 select all and the
// selection resizer, 8014 the cell selector; 8000 to 8008 the panning
// cursors (8000 at rest, 8001 down, 8002 left, 8003 right, 8004 up, 8005
// up-right, 8006 up-left, 8007 down-right, 8008 down-left).
constexpr TCursor crGridRowSelect = 8010;
constexpr TCursor crGridColSelect = 8011;
constexpr TCursor crGridSelectAll = 8012;
constexpr TCursor crGridCellSelector = 8014;
TCursor GridCursor(TCursor Id);
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
