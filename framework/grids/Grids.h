#pragma once
// The framework grids: TCustomGrid (counts, sizes, geometry, scrolling,
// current cell and selection, key and mouse input, the in-place editor
// host), TCustomDrawGrid/TDrawGrid (a cell-drawing event) and TStringGrid
// (sparse cell texts and objects, TInplaceEdit as its editor).
//
// The grids above this one paint every pixel themselves: they switch
// DefaultDrawing off and set GridLineWidth to 0, and the paint pass then only
// walks the visible cells (fixed ones included) and calls DrawCell with each
// cell's rectangle and state. Painting, scrolling and key movement cost grows
// with the visible cells, never with the row count.
//
// Rules a subclass can rely on:
//  - Counts. ColCount/RowCount are at least 1. Writing a count at or below
//    the fixed count lowers the fixed count to count - 1. Writing a fixed
//    count at or above the count raises EInvalidGridOperation ("Fixed column
//    count must be less than column count" / "... row ..."), and a negative
//    one "Grid index out of range". Current cell, anchor, LeftCol and TopRow
//    are pulled back inside the new counts; SizeChanged(old counts) runs last.
//  - Cells survive the counts. TStringGrid keeps Cells/Objects at any index
//    >= 0, also beyond ColCount/RowCount: shrinking a count never drops what
//    is stored and growing it shows the old texts again. Only DeleteRow and
//    DeleteColumn really remove a row or column (its cells, objects and
//    size); the rows or columns behind it move up, stored ones beyond the
//    count included. Moving a row or column moves its cells (all stored
//    ones), its size, the current cell and the anchor, then calls
//    RowMoved/ColumnMoved.
//  - Sizes. Widths and heights exist for indexes below the counts; reading
//    another index gives the default size, writing one raises "Grid index
//    out of range". Writing DefaultColWidth or DefaultRowHeight resets every
//    column's width or row's height to it.
//  - Moving the current cell (keys, mouse, wheel, Col/Row/FocusCell writes),
//    in this order: SelectCell(ACol, ARow) is asked and false stops the move;
//    the editor is hidden (its text written back) unless goAlwaysShowEditor;
//    current cell and anchor change; the cell is scrolled into view (a scroll
//    calls TopLeftChanged); the old and new cells are invalidated; the editor
//    follows the new cell (goAlwaysShowEditor); Click runs (OnClick) after a
//    move by code, keys or the wheel, and when a mouse selection ends (a
//    refused move fires no Click). Writing Selection moves anchor and current
//    cell without asking SelectCell and without range checks (a cell outside
//    the grid selects nothing).
//  - Selection reads as the normalised rectangle of anchor and current cell
//    (Left <= Right, Top <= Bottom); a written rectangle may be reversed: its
//    Left/Top become the anchor, its Right/Bottom the current cell.
//  - The editor: ShowEditor sets EditorMode and shows the editor when
//    CanEditShow allows (goEditing without goRowSelect, and the grid focused
//    or goAlwaysShowEditor). The editor is made once by CreateEditor, placed
//    over the current cell and filled from GetEditText/GetEditMask/
//    GetEditLimit. Every change of its text, and its hiding, writes the text
//    to the editor's own cell with SetEditText. Enter toggles the editor
//    (unless goAlwaysShowEditor), Escape puts the cell's text back and hides
//    it, Tab/arrows/pages pass to the grid's KeyDown and move the cell, focus
//    leaving the grid hides it (unless goAlwaysShowEditor). A character typed
//    on the grid with goEditing on opens the editor and posts the character
//    to it (pump the message queue in tests).
//  - Scroll bars use the 0 to 127 position scale for both bars: position =
//    MulDiv(TopRow - FixedRows, 127, MaxTopRow - FixedRows), thumb track
//    target = MulDiv(Pos, MaxTopRow - FixedRows, 127) + FixedRows. They take
//    room outside the client area, as window scroll bars do.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/controls/Controls.h"
#include "framework/controls/Mask.h"
#include "framework/controls/StdCtrls.h"
#include "framework/rtl/Set.h"
#include "framework/rtl/SysUtils.h"

CF_DECLARE_EXCEPTION(EInvalidGridOperation, Exception)

struct TGridCoord {
  int X = 0;
  int Y = 0;
  constexpr TGridCoord() = default;
  constexpr TGridCoord(int x, int y) : X(x), Y(y) {}
  friend constexpr bool operator==(const TGridCoord& a, const TGridCoord& b) {
    return a.X == b.X && a.Y == b.Y;
  }
};

struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  constexpr TGridRect() = default;
  constexpr TGridRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}
  constexpr TGridCoord TopLeft() const { return {Left, Top}; }
  constexpr TGridCoord BottomRight() const { return {Right, Bottom}; }
  friend constexpr bool operator==(const TGridRect& a, const TGridRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
  }
};

// The rectangle spanned by two cells, corners in ascending order.
TGridRect GridRect(TGridCoord Coord1, TGridCoord Coord2);
// Whether the cell lies inside Rect (whose corners may be reversed).
bool PointInGridRect(int Col, int Row, const TGridRect& Rect);

enum TGridOption {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking,
};
using TGridOptions = TSet<TGridOption, 16>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem, 8>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

class TCustomGrid;

// The grid's text editor: a masked multi-line edit without a border, placed
// over the current cell. Keys that leave the cell go to the grid.
class TInplaceEdit : public TCustomMaskEdit {
 public:
  explicit TInplaceEdit(TComponent* AOwner);
  ~TInplaceEdit() override;

  TCustomGrid* Grid() const { return grid_; }
  void SetGrid(TCustomGrid* Value) { grid_ = Value; }

  // Places the editor over R (grid client coordinates) and shows it; takes
  // the focus when the grid has it.
  void Move(const TRect& R);
  // Hides it, handing the focus back to the grid when it had it.
  void Hide();
  void SetFocus() override;
  // Refills it from the grid's edit text, mask and limit for the current cell.
  virtual void UpdateContents();

  void WndProc(TMessage& Message) override;

 protected:
  friend class TCustomGrid;
  void CreateParams(TCreateParams& Params) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void Change() override;
  // The editor was moved or resized (a hook for editors with extra parts).
  virtual void BoundsChanged() {}
  // Leaving the editor never raises: the cell move or hide that takes the
  // focus away must finish (a grid validates cells its own way).
  void CMExit(TMessage& Message) override;

 private:
  void SendToParent(WORD& Key, TShiftState Shift);
  void InternalMove(const TRect& Loc, bool Redraw);

  TCustomGrid* grid_ = nullptr;
  bool updating_ = false;
};

class TCustomGrid : public TCustomControl {
 public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  // ---- Counts and sizes
  int ColCount() const { return colCount_; }
  virtual void SetColCount(int Value);
  int RowCount() const { return rowCount_; }
  virtual void SetRowCount(int Value);
  int FixedCols() const { return fixedCols_; }
  virtual void SetFixedCols(int Value);
  int FixedRows() const { return fixedRows_; }
  virtual void SetFixedRows(int Value);
  int ColWidths(int Index) const;
  void SetColWidths(int Index, int Value);
  int RowHeights(int Index) const;
  void SetRowHeights(int Index, int Value);
  // False while every row has the default height (rows moved in bulk then
  // need no heights moved).
  bool RowHeightsSet() const { return !rowHeights_.empty(); }
  // The heights of rows From .. To - 1 added up; without own heights it
  // costs the same for any range, which keeps scrolling deep in a big
  // table as cheap as at its top.
  int64_t RowHeightsSum(int From, int To) const;
  int DefaultColWidth() const { return defaultColWidth_; }
  virtual void SetDefaultColWidth(int Value);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  virtual void SetDefaultRowHeight(int Value);
  int GridLineWidth() const { return gridLineWidth_; }
  virtual void SetGridLineWidth(int Value);
  bool DefaultDrawing() const { return defaultDrawing_; }
  virtual void SetDefaultDrawing(bool Value);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor Value);
  TGridOptions Options() const { return options_; }
  virtual void SetOptions(TGridOptions Value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  virtual void SetScrollBars(TScrollStyle Value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  // Tab stops of the columns (Tab with goTabs skips columns without one).
  bool TabStops(int Index) const;
  void SetTabStops(int Index, bool Value);

  // ---- Geometry and scrolling
  int LeftCol() const { return topLeft_.X; }
  void SetLeftCol(int Value);
  int TopRow() const { return topLeft_.Y; }
  void SetTopRow(int Value);
  // Fully visible scrollable columns and rows from LeftCol/TopRow.
  int VisibleColCount() const;
  int VisibleRowCount() const;
  // The cell's rectangle in client coordinates (mirrored in right-to-left
  // mode); an empty rectangle for a cell out of view.
  TRect CellRect(int ACol, int ARow) const;
  // The cell under a client point; -1 in each coordinate outside the cells.
  void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
  TGridCoord MouseCoord(int X, int Y) const;
  // The largest LeftCol and TopRow that still fill the view.
  TGridCoord MaxTopLeft() const;

  // ---- Current cell and selection
  int Col() const { return current_.X; }
  void SetCol(int Value);
  int Row() const { return current_.Y; }
  void SetRow(int Value);
  TGridRect Selection() const;
  void SetSelection(const TGridRect& Value);
  TGridCoord Anchor() const { return anchor_; }
  TGridState GridState() const { return gridState_; }
  void SetGridState(TGridState Value) { gridState_ = Value; }

  // ---- Editing
  bool EditorMode() const { return editorMode_; }
  void SetEditorMode(bool Value);
  TInplaceEdit* InplaceEditor() const { return inplaceEdit_; }

  // ---- Rows and columns
  // Rearranges the rows First .. First + Order.size() - 1 in one step: the
  // row at index Order[k] goes to First + k (Order names each of those rows
  // once). Heights travel with their rows; the current cell, the anchor and
  // the editor keep their indexes. Sorting a large table costs one pass.
  virtual void PermuteRows(int First, const std::vector<int>& Order);
  // Exchanges two rows (heights included), as PermuteRows would.
  virtual void ExchangeRows(int ARow1, int ARow2);
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);
  virtual void DeleteColumn(int ACol);
  virtual void DeleteRow(int ARow);
  // Many rows in one step, for tables far larger than a screen. Deleting
  // removes Count rows from ARow as that many DeleteRow calls would (never
  // the last row of the grid). Inserting puts Count empty rows of the
  // default height before ARow (0 <= ARow <= RowCount); the stored rows from
  // ARow move down, and the current cell and anchor keep their indexes.
  virtual void DeleteRowRange(int ARow, int Count);
  virtual void InsertRowRange(int ARow, int Count);

  // ---- Repainting
  void InvalidateCell(int ACol, int ARow);
  void InvalidateCol(int ACol);
  void InvalidateRow(int ARow);
  void InvalidateGrid();
  // Whole cells of a grid rectangle.
  void InvalidateGridRect(const TGridRect& ARect);

  // The paint pass into any canvas (a bitmap's, a recorder): exactly what
  // Paint draws on the screen, Canvas() standing for ACanvas meanwhile.
  void PaintGrid(TCanvas* ACanvas);

  TNotifyEvent OnTopLeftChanged;

  void WndProc(TMessage& Message) override;

 protected:
  friend class TInplaceEdit;

  // ---- Hooks a subclass overrides
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
  virtual bool SelectCell(int ACol, int ARow);
  virtual void ColumnMoved(int FromIndex, int ToIndex);
  virtual void RowMoved(int FromIndex, int ToIndex);
  virtual void TopLeftChanged();
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  // After ColCount or RowCount changed (the old counts).
  virtual void SizeChanged(int OldColCount, int OldRowCount);
  virtual std::string GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const std::string& Value);
  virtual std::string GetEditMask(int ACol, int ARow);
  // 0: no limit.
  virtual int GetEditLimit();
  virtual bool CanEditShow();
  virtual bool CanEditModify();
  virtual bool CanEditAcceptKey(char32_t Key);
  virtual bool CanGridAcceptKey(WORD Key, TShiftState Shift);
  // The editor the grid uses (made once, on first need).
  virtual TInplaceEdit* CreateEditor();
  virtual void ShowEditor();
  virtual void HideEditor();
  // Opens the editor and hands it the typed character.
  void ShowEditorChar(char32_t Ch);
  // Places the editor over the current cell (showing it when allowed).
  void UpdateEdit();
  // Re-fills the editor from the current cell.
  void UpdateEditor();
  void InvalidateEditor();
  // Writes the editor's text to its cell.
  void UpdateText();
  // Hides the editor after writing its text back.
  void HideEdit();
  // Puts the text the cell had when the editor opened back, then hides it.
  void CancelEdit();
  // Moves the current cell (see the order above); false when SelectCell
  // refused. MoveAnchor false with goRangeSelect extends the selection.
  bool MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
  void FocusCell(int ACol, int ARow, bool MoveAnchor);
  void MoveAnchor(const TGridCoord& NewAnchor);
  void MoveTopLeft(int ALeft, int ATop);
  // Scrolls so that the cell is fully in view when it can be.
  void ClampInView(const TGridCoord& Coord);
  virtual void SelectionMoved(const TGridRect& OldSel);
  // Decides whether the mouse at (X, Y) is on a column or row border that
  // may be dragged (goColSizing over fixed rows, goRowSizing over fixed
  // columns): State, the index of the column or row being sized, the
  // border's position and the mouse's offset from it.
  virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs);
  // The grid (or its editor) has the focus, or is its form's active control.
  virtual bool IsActiveControl();
  virtual void Paint() override;
  virtual void DrawSizingLine();
  virtual void DrawMove();

  // ---- Input
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void DoExit() override;
  void WMGetDlgCode(TMessage& Message) override;
  void WMChar(TMessage& Message) override;
  void WMSize(TMessage& Message) override;
  void WMSetCursor(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void WMTimer(TMessage& Message) override;
  virtual void WMHScroll(TMessage& Message);
  virtual void WMVScroll(TMessage& Message);
  void CMFontChanged(TMessage& Message) override;
  void CMShowingChanged(TMessage& Message) override;

  // ---- Window
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  TRect ComputeNonClientInsets(const TCreateParams& Params) const override;
  void PaintNonClient(TCanvas* DC) override;
  void WMEraseBkgnd(TMessage& Message) override;
  void ChangeScale(int M, int D) override;
  void Loaded() override;

  // Keeps the window's scroll bars in step with the counts and position.
  void UpdateScrollRange();
  void UpdateScrollPos();

  int InplaceCol() const { return inplaceCol_; }
  int InplaceRow() const { return inplaceRow_; }
  // Sum of widths (plus lines) of the fixed columns, heights of fixed rows.
  int FixedColsWidth() const;
  int FixedRowsHeight() const;

 private:
  // One axis of the layout: fixed cells from 0, then scrollable ones from
  // the first shown.
  struct TAxis {
    int Count = 0;
    int Fixed = 0;
    int First = 0;   // LeftCol or TopRow
    int Client = 0;  // client width or height
    int Line = 0;    // effective line width
    const std::vector<int>* Extents = nullptr;
    int Default = 0;
    int Extent(int i) const;
    int FixedBoundary() const;
    // Start of cell i in unmirrored pixels, -1 when out of view.
    int CellStart(int i) const;
    int LastVisible() const;      // last cell at least partly in view
    int LastFullVisible() const;  // last cell fully in view (>= First - 1)
    int CellAt(int Pos) const;    // -1 outside the cells
    int MaxFirst() const;
  };
  TAxis HorzAxis() const;
  TAxis VertAxis() const;
  int MirrorX(int X, int W) const;
  void ChangeSize(int NewColCount, int NewRowCount);
  void ClampCurrent();
  void TopLeftMoved(const TGridCoord& OldTopLeft);
  void ResizeExtents(std::vector<int>& Extents, int Count, int Default);
  static void MoveExtent(std::vector<int>& Extents, int FromIndex, int ToIndex);
  static void MoveAdjust(int& CellPos, int FromIndex, int ToIndex);
  void ModifyExtents(std::vector<int>& Extents, int Index, int Amount);
  void PaintCells(TCanvas* ACanvas, const TRect& Clip);
  void PaintLines(TCanvas* ACanvas, const TAxis& H, const TAxis& V, int C0, int C1, int R0, int R1,
                  bool Fixed);
  void UpdateScrollBarInsets();
  bool HasVertBar() const;
  bool HasHorzBar() const;
  void ScrollMessage(int Bar, int Code, int Pos);
  // Track, arrow buttons and thumb of a shown bar, in client coordinates.
  bool ScrollBarLayout(int Bar, TRect& Track, TRect& Button1, TRect& Button2, TRect& Thumb) const;
  bool ScrollBarMouse(TMessage& Message);
  void DoSelectingMove(int X, int Y);

  int colCount_ = 0;
  int rowCount_ = 0;
  int fixedCols_ = 0;
  int fixedRows_ = 0;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  int gridLineWidth_ = 1;
  bool defaultDrawing_ = true;
  TColor fixedColor_ = clBtnFace;
  TGridOptions options_;
  TScrollStyle scrollBars_ = ssBoth;
  TBorderStyle borderStyle_ = bsSingle;
  std::vector<int> colWidths_;
  std::vector<int> rowHeights_;
  std::vector<bool> tabStops_;
  TGridCoord topLeft_;
  TGridCoord current_;
  TGridCoord anchor_;
  TGridState gridState_ = gsNormal;
  bool editorMode_ = false;
  TInplaceEdit* inplaceEdit_ = nullptr;
  int inplaceCol_ = -1;
  int inplaceRow_ = -1;
  std::string editOriginal_;
  bool canEditModify_ = true;
  // Sizing and moving with the mouse.
  int sizingIndex_ = -1;
  int sizingPos_ = 0;
  int sizingOfs_ = 0;
  int moveIndex_ = -1;
  int movePos_ = -1;
  bool showVert_ = false;
  bool showHorz_ = false;
  bool inScrollUpdate_ = false;
  int scrollDrag_ = -1;  // the bar whose thumb is dragged
  int dragPos_ = 0;
  int dragOffset_ = 0;
  TPoint lastMouse_;
};

using TDrawCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const std::string& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

// A grid that leaves its cells to the program: OnDrawCell paints them.
class TCustomDrawGrid : public TCustomGrid {
 public:
  explicit TCustomDrawGrid(TComponent* AOwner);

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditMask;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  std::string GetEditMask(int ACol, int ARow) override;
  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& Value) override;
};

class TDrawGrid : public TCustomDrawGrid {
 public:
  using TCustomDrawGrid::TCustomDrawGrid;
};

class TStringGrid;

// One column or row of a string grid seen as a string list (Cols/Rows).
class TStringGridStrings : public TStrings {
 public:
  TStringGridStrings(TStringGrid* Grid, bool IsColumn, int Index);
  int Count() const override;
  std::string Strings(int Index) const override;
  void SetStrings(int Index, const std::string& S) override;
  using TStrings::SetStrings;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;
  void InsertObject(int Index, const std::string& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  int Add(const std::string& S) override;
  int AddObject(const std::string& S, TObject* AObject) override;
  bool IsColumn() const { return isColumn_; }
  int Index() const { return index_; }

 private:
  TStringGrid* grid_;
  bool isColumn_;
  int index_;
};

class TStringGrid : public TDrawGrid {
 public:
  explicit TStringGrid(TComponent* AOwner);
  ~TStringGrid() override;

  // Any index >= 0 (also beyond the counts); a cell never written is empty
  // with no object. Negative indexes raise "Grid index out of range".
  const std::string& Cells(int ACol, int ARow) const {
    CheckIndex(ACol, ARow);
    const auto col = static_cast<size_t>(ACol), row = static_cast<size_t>(ARow);
    return row < rows_ && col < stride_ ? texts_[row * stride_ + col] : NoText();
  }
  void SetCells(int ACol, int ARow, const std::string& Value) {
    CheckIndex(ACol, ARow);
    const auto col = static_cast<size_t>(ACol), row = static_cast<size_t>(ARow);
    // Filling a table writes mostly cells already stored: that path stays
    // short; the rest goes to SetCellOutside.
    if (row >= rows_ || col >= stride_) return SetCellOutside(ACol, ARow, Value);
    std::string& cell = texts_[row * stride_ + col];
    if (cell == Value) return;
    cell = Value;
    // Only a window on screen or the editor over this cell show the change.
    if (HandleAllocated() || (ACol == InplaceCol() && ARow == InplaceRow())) CellTextChanged(ACol, ARow);
  }
  TObject* Objects(int ACol, int ARow) const;
  void SetObjects(int ACol, int ARow, TObject* Value);
  // The column's or row's cells within the counts, as a string list that
  // writes through to the grid.
  TStrings* Cols(int Index);
  TStrings* Rows(int Index);
  void SetCols(int Index, TStrings* Value);
  void SetRows(int Index, TStrings* Value);

  void DeleteColumn(int ACol) override;
  void DeleteRow(int ARow) override;
  void DeleteRowRange(int ARow, int Count) override;
  void InsertRowRange(int ARow, int Count) override;

  // Stored texts and objects travel with their rows, beyond ColCount too.
  void PermuteRows(int First, const std::vector<int>& Order) override;
  void ExchangeRows(int ARow1, int ARow2) override;

  // Rows holding at least one stored text or object (for tests and sizing).
  int StoredRowCount() const { return static_cast<int>(rows_); }

  // Bulk row moves for callers that repaint once afterwards; none of these
  // notifies. MoveRowCells puts the texts and objects of FromRow in place
  // of ToRow's and leaves FromRow empty; ClearRowCells empties a row (its
  // objects are dropped, not freed). TakeCellText empties a cell and
  // answers its text; PutCellText stores one.
  void MoveRowCells(int FromRow, int ToRow);
  void ClearRowCells(int ARow);
  std::string TakeCellText(int ACol, int ARow);
  void PutCellText(int ACol, int ARow, std::string&& Value);
  bool RowHasObjects(int ARow) const {
    return ARow >= 0 && static_cast<size_t>(ARow) < objects_.size() &&
           !objects_[static_cast<size_t>(ARow)].empty();
  }

  // Parking: rows a caller takes out of the grid for a while keep their
  // texts where the storage holds them, past every stored row, and read as
  // empty until they come back; nothing is copied. ParkRows takes out the
  // rows marked in Gone (the others, and any stored past Gone's size, close
  // up in order); objects stay with the grid, so the caller takes those of
  // the marked rows first. Parkings stack: the rows parked last lie first.
  // UnparkRows undoes the last parking given the same marks; it does
  // nothing and answers false once rows were stored, inserted or deleted
  // around the parked ones since.
  void ParkRows(const std::vector<uint8_t>& Gone);
  bool UnparkRows(const std::vector<uint8_t>& Gone);
  int ParkBase() const { return static_cast<int>(parkBase_); }
  int ParkedRowCount() const { return static_cast<int>(parked_); }
  // Text of a parked row, counted from the first parked one; Take leaves
  // the cell empty.
  const std::string& ParkedCell(int Index, int ACol) const;
  std::string TakeParkedCell(int Index, int ACol);
  // Every parked row is emptied and forgotten.
  void DropParkedRows();

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  std::string GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const std::string& Value) override;

 private:
  // Negative indexes raise "Grid index out of range".
  static void CheckIndex(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) IndexError();
  }
  [[noreturn]] static void IndexError();
  static const std::string& NoText();
  void SetCellOutside(int ACol, int ARow, const std::string& Value);
  void CellTextChanged(int ACol, int ARow);
  TStrings* LineList(bool IsColumn, int Index);
  // Room for a text in cell (ACol, ARow): a wider row, more rows.
  void MakeRoom(size_t ACol, size_t ARow);
  void Restride(size_t Stride);
  void GrowRows(size_t Rows);
  // Rows physically held, parked ones included.
  size_t HeldRows() const { return parked_ > 0 ? parkBase_ + parked_ : rows_; }
  void SwapStoredRows(size_t A, size_t B);
  // The texts in one block, row after row: cell (C, R) is element
  // R * stride_ + C. rows_ rows are stored, up to the last that ever held a
  // text (the block may hold empty rows past them); its room follows
  // RowCount, so that filling a grid row by row never moves the texts.
  std::vector<std::string> texts_;
  size_t stride_ = 0;
  size_t rows_ = 0;
  // Parked rows: parked_ rows from parkBase_ (>= rows_; the rows between
  // hold nothing).
  size_t parkBase_ = 0;
  size_t parked_ = 0;
  // Only rows that ever held an object have an entry here.
  std::vector<std::vector<TObject*>> objects_;
  std::vector<std::unique_ptr<TStringGridStrings>> lists_;
  int updatingEdit_ = 0;
};
