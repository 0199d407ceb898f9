#pragma once
// The grid cell store TBaseGrid: cell texts and one object slot per cell in
// the framework string grid's storage, a TCellProperties object created in
// that slot the first time a cell needs formatting or merge data, merged
// cells, and the virtual seams through which the full grid control supplies
// looks, display texts, tree nodes and hidden-column maps.
//
// Index space: every cell accessor takes storage indexes (repainting takes
// display columns, see RepaintCell), a column from 0 to
// TotalColCount() - 1 (hidden columns included, they may lie at or above
// ColCount) and a row from 0 to RowCount() - 1. A cell never written reads
// as empty text with no object. Cells beyond those bounds never have
// properties, so the accessors treat them as plain cells; negative indexes
// raise the framework's "Grid index out of range".
//
// Merged cells: the top-left (base) cell of an area of W x H cells holds the
// spans W - 1 and H - 1; every other cell of the area holds its offset from
// the base and IsBaseCell false. A cell keeps its own stored text, but every
// text accessor (GetCellEx, SetCellEx) goes to the base cell.
//
// Ownership: the grid owns every TCellProperties in its storage; freeing the
// grid, replacing a slot, deleting a row or column or freeing a range frees
// them. Graphic objects are freed with their properties only by the range
// free (and so by the grid's own destruction), and only when their class is
// TCellGraphic; CellObject references and other graphics stay the caller's.
//
// The framework hooks overridden here, by their framework names: the
// component-removal notice (Notification), the whole-control paint (Paint),
// the per-cell hook (DrawCell), the may-select query (SelectCell), key down
// (KeyDown), the wheel (DoMouseWheelDown/Up) and the top-left change
// (TopLeftChanged). Edit-text read and write and scaling are the
// framework's own.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "framework/graphics/Graphics.h"
#include "framework/grids/Grids.h"
#include "framework/rtl/Set.h"
#include "grid/base/GridServices.h"

class TBaseGrid;
class TControl;
class TDivUzevUndoRedo;

// ---------------------------------------------------------------------------
// Types declared with the store

enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };

enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TSet<THoverRowCell, 8>;

enum TColumnCalcType {
  acNONE,
  acSUM,
  acAVG,
  acCOUNT,
  acMIN,
  acMAX,
  acSPREAD,
  acCUSTOM,
  acDISTINCT,
  acSTDDEV
};

enum TCellGradientDirection { GradientVertical, GradientHorizontal };

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };

// The per-cell editor kind; the ordinal is stored in layouts and streams.
enum TEditorType {
  edNormal,
  edSpinEdit,
  edComboEdit,
  edComboList,
  edEditBtn,
  edCheckBox,
  edDateEdit,
  edDateEditUpDown,
  edTimeEdit,
  edButton,
  edDataCheckBox,
  edNumeric,
  edPositiveNumeric,
  edFloat,
  edCapital,
  edMixedCase,
  edPassword,
  edUnitEditBtn,
  edLowerCase,
  edUpperCase,
  edFloatSpinEdit,
  edTimeSpinEdit,
  edDateSpinEdit,
  edNumericEditBtn,
  edFloatEditBtn,
  edCustom,
  edRichEdit,
  edNone,
  edDateTimeEdit,
  edValidChars,
  edTrackbarDropDown,
  edMemoDropDown,
  edCalculatorDropDown,
  edTimePickerDropDown,
  edDetailDropDown,
  edGridDropDown,
  edColorPickerDropDown,
  edImagePickerDropDown,
  edDivUzevDropDown,
  edPositiveFloat,
  edNumericUnitEditBtn,
  edFloatUnitEditBtn,
  edMaskEditBtn,
};

// Display-text hooks. The wide variant gets the text decoded from the "|\"
// wide form (as UTF-8); what it leaves is stored back in that form.
using TGetDisplTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGetDisplWideTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;

// ---------------------------------------------------------------------------
// TCellProperties

// The formatting and merge data of one cell, kept in the cell's object slot.
// Writing BrushColor, BrushColorTo, VAlignment or WordWrap repaints the cell;
// every other property only stores.
class TCellProperties : public TPersistent {
 public:
  // Marks AOwnerGrid as holding cell properties.
  TCellProperties(TBaseGrid* AOwnerGrid, int ACol, int ARow);
  ~TCellProperties() override;

  // Copies the cell's looks, merge data, CellObject and Control from another
  // TCellProperties; the graphic, gradient end colour, paint stamp,
  // calculation data and gradient direction stay as they are.
  void Assign(TPersistent* Source) override;

  // The base cell of this cell's merged area, from its own record.
  TGridCoord GetBaseCell() const;

  TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
  int OwnerCol() const { return FOwnerCol; }
  void SetOwnerCol(int Value) { FOwnerCol = Value; }
  int OwnerRow() const { return FOwnerRow; }
  void SetOwnerRow(int Value) { FOwnerRow = Value; }
  // The caller's object reference for the cell; never freed by the grid.
  uintptr_t CellObject() const { return FObject; }
  void SetCellObject(uintptr_t Value) { FObject = Value; }
  TObject* GraphicObject() const { return FGraphicObject; }
  void SetGraphicObject(TObject* Value) { FGraphicObject = Value; }
  TBrushStyle BrushStyle() const { return FBrushStyle; }
  void SetBrushStyle(TBrushStyle Value) { FBrushStyle = Value; }
  TColor BrushColor() const { return FBrushColor; }
  void SetBrushColor(TColor Value);
  TColor BrushColorTo() const { return FBrushColorTo; }
  void SetBrushColorTo(TColor Value);
  int FontSize() const { return FFontSize; }
  void SetFontSize(int Value) { FFontSize = Value; }
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor Value) { FFontColor = Value; }
  TFontStyles FontStyle() const { return FFontStyle; }
  void SetFontStyle(TFontStyles Value) { FFontStyle = Value; }
  int CellSpanY() const { return FCellSpanY; }
  void SetCellSpanY(int Value) { FCellSpanY = Value; }
  int CellSpanX() const { return FCellSpanX; }
  void SetCellSpanX(int Value) { FCellSpanX = Value; }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value) { FBorderWidth = Value; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { FBorderColor = Value; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { FAlignment = Value; }
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment Value);
  // The paint pass in which this cell, as the base of a merged area, was
  // last painted.
  int PaintID() const { return FPaintID; }
  void SetPaintID(int Value) { FPaintID = Value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool IsBaseCell() const { return FIsBaseCell; }
  void SetIsBaseCell(bool Value) { FIsBaseCell = Value; }
  TColumnCalcType CalcType() const { return FCalcType; }
  void SetCalcType(TColumnCalcType Value) { FCalcType = Value; }
  TObject* CalcObject() const { return FCalcObject; }
  void SetCalcObject(TObject* Value) { FCalcObject = Value; }
  int NodeLevel() const { return FNodeLevel; }
  void SetNodeLevel(int Value) { FNodeLevel = Value; }
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType Value) { FEditor = Value; }
  const std::string& FontName() const { return FFontName; }
  void SetFontName(const std::string& Value) { FFontName = Value; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  TCellGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TCellGradientDirection Value) { FGradientDirection = Value; }
  TControl* Control() const { return FControl; }
  void SetControl(TControl* Value) { FControl = Value; }

 private:
  void Repaint();

  TBaseGrid* FOwnerGrid;
  int FOwnerCol;
  int FOwnerRow;
  uintptr_t FObject = 0;
  TObject* FGraphicObject = nullptr;
  TBrushStyle FBrushStyle = bsSolid;
  TColor FBrushColor = clNone;
  TColor FBrushColorTo = clNone;
  int FFontSize = 0;
  TColor FFontColor = clNone;
  TFontStyles FFontStyle;
  int FCellSpanY = -1;
  int FCellSpanX = -1;
  int FBorderWidth = 0;
  TColor FBorderColor = 0;
  TAlignment FAlignment = taLeftJustify;
  TVAlignment FVAlignment = vtaTop;
  int FPaintID = 0;
  bool FWordWrap = true;
  bool FIsBaseCell = true;
  TColumnCalcType FCalcType = acNONE;
  TObject* FCalcObject = nullptr;
  int FNodeLevel = 0;
  TEditorType FEditor = edNormal;
  std::string FFontName;
  bool FReadOnly = false;
  TCellGradientDirection FGradientDirection = GradientVertical;
  TControl* FControl = nullptr;
};

// ---------------------------------------------------------------------------
// TBaseGrid

// The framework string grid under the cell store; nothing of its own.
class TObjStringGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
};

class TBaseGrid : public TObjStringGrid, public TGridCellLink {
 public:
  explicit TBaseGrid(TComponent* AOwner);
  ~TBaseGrid() override;

  // How many computed texts GetCellEx keeps alive at once.
  static constexpr size_t kShownTexts = 16;

  // ---- Cells by storage index

  // The cell text; inside a merged area the base cell's. Rows below
  // NormalRowCount pass through the display-text hooks.
  // Most tables show what they store (no properties in any slot, no hook,
  // no text the grid itself rewrites): those reads go straight to the
  // store. Reading is hot, so no copy is made: the answer is the stored
  // text itself, or one of kShownTexts strings the grid keeps for texts it
  // computes. Keep a copy to hold a text longer than the grid stays
  // unchanged, or across more than kShownTexts further reads (reads the
  // display hooks make do not count).
  const std::string& GetCellEx(int ACol, int ARow) final {
    if (!FSlotsUsed && !FDisplTextRewritten && !OnGetDisplText && !OnGetDisplWideText)
      return TStringGrid::Cells(ACol, ARow);
    return ShownCellText(ACol, ARow);
  }
  // Stores the text (inside a merged area at the base cell). With
  // HideLastRow, a write into the last row runs LastRowChanged. Value may
  // be a text read from this grid.
  void SetCellEx(int ACol, int ARow, const std::string& Value) override;
  const std::string& Cells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
  void SetCells(int ACol, int ARow, const std::string& Value) { SetCellEx(ACol, ARow, Value); }
  // The framework's cell text itself: no merge redirection, no hooks.
  const std::string& GridCells(int ACol, int ARow) const { return TStringGrid::Cells(ACol, ARow); }
  const std::string& GetGridCell(int ACol, int ARow) const { return TStringGrid::Cells(ACol, ARow); }
  void SetGridCell(int ACol, int ARow, const std::string& Value) { TStringGrid::SetCells(ACol, ARow, Value); }
  // The framework's object slot itself: the cell's properties or none.
  TCellProperties* GridObjects(int ACol, int ARow) const { return GetGridObject(ACol, ARow); }
  TCellProperties* GetGridObject(int ACol, int ARow) const;
  // Stores Value in the slot without freeing what was there.
  void SetGridObject(int ACol, int ARow, TCellProperties* Value);

  // The cell lies inside the grid and its slot holds properties.
  bool HasCellProperties(int ACol, int ARow) const;
  // The cell's properties, created on first use with the look the grid
  // reports for the cell at that moment (GetCellDrawProps). Never none.
  TCellProperties* GetCellProperties(int ACol, int ARow);
  TCellProperties* CellProperties(int ACol, int ARow) { return GetCellProperties(ACol, ARow); }
  // Frees the properties in the slot and stores Value; storing the object
  // the slot already holds changes nothing.
  void SetCellProperties(int ACol, int ARow, TCellProperties* Value);

  // The caller's object reference of the cell; none (and no properties
  // created) when the cell has no properties.
  TObject* GetObjectEx(int ACol, int ARow) const;
  // Stores the reference in the cell's properties; the cell text is kept.
  void SetObjectEx(int ACol, int ARow, TObject* Value);
  TObject* Objects(int ACol, int ARow) const { return GetObjectEx(ACol, ARow); }
  void SetObjects(int ACol, int ARow, TObject* Value) { SetObjectEx(ACol, ARow, Value); }
  TObject* GetGraphicObjectEx(int ACol, int ARow) const;
  // Ignored while the grid is being destroyed.
  void SetGraphicObjectEx(int ACol, int ARow, TObject* Value);
  TObject* GraphicObjects(int ACol, int ARow) const { return GetGraphicObjectEx(ACol, ARow); }
  void SetGraphicObjects(int ACol, int ARow, TObject* Value) { SetGraphicObjectEx(ACol, ARow, Value); }
  static TObject* GetGraphicOf(const TCellProperties* Props);

  // Invalidates CellRect (the whole merged area) when the window exists.
  // Takes the display column: the store maps the storage column of a cell
  // it changed through DisplColIndex before it asks for the repaint.
  void RepaintCell(int ACol, int ARow) override;
  // Frees the cell's properties (not its graphic) and empties the slot.
  void FreeCellProperties(int ACol, int ARow);
  // Frees the properties of the inclusive block, and their graphics of
  // class TCellGraphic; nothing while no properties were ever created.
  void FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow);
  void FreeAllCellProperties();
  // For callers that already moved or freed the objects: empty the slots
  // without freeing and write empty texts.
  void ClearColEntries(int ACol);
  void ClearRowEntries(int ARow);
  void ClearCellEntry(int ACol, int ARow);

  // ---- Merged cells

  // Merges the block of spanx x spany cells from (ACol, ARow); callers
  // split areas already there first.
  virtual void MergeCells(int ACol, int ARow, int SpanX, int SpanY);
  // Splits the merged area that holds the cell back into single cells.
  virtual void SplitCells(int ACol, int ARow);
  TGridCoord BaseCell(int ACol, int ARow) const;
  bool IsBaseCell(int ACol, int ARow) const;
  // True when the cell has no properties or is a base cell; otherwise false
  // with the base cell in BaseCol, BaseRow.
  bool FindBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
  bool IsMergedCell(int ACol, int ARow) const;
  bool IsMergedNonBaseCell(int ACol, int ARow) const;
  bool IsXMergedCell(int ACol, int ARow) const;
  bool IsYMergedCell(int ACol, int ARow) const;
  // The spans of the area holding the cell; (0, 0) for a plain cell.
  TGridCoord CellSpan(int ACol, int ARow) const;
  // Columns and rows from the cell to the end of its area.
  TGridCoord CellExt(int ACol, int ARow) const;
  // The area holding the cell, in cell coordinates.
  TGridRect FullCell(int ACol, int ARow) const;
  int MinRowSpan(int ARow) const;
  int MaxRowSpan(int ARow) const;
  bool RowSpanIdentical(int ARow1, int ARow2) const;
  bool ColSpanIdentical(int ACol1, int ACol2) const;

  // ---- Geometry

  // The client rectangle of any cell, in view or not.
  TRect CalcCellRect(int ACol, int ARow) const;
  // The client rectangle of a cell, of the whole area for a merged cell.
  TRect CellRect(int ACol, int ARow) const;
  // Width and height of the cell, of the whole area for a merged cell.
  TPoint CellSize(int ACol, int ARow) const;
  int FixedColsWidth() const;
  int FixedRowsHeight() const;

  // ---- What the full grid supplies (defaults of a bare store)

  virtual bool IsFixed(int ACol, int ARow);
  virtual int GetNodeIndent(int ARow);
  virtual bool HasNodes();
  // Draws the display text in one line, centred, clipped to ARect.
  virtual void DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
  virtual void LastRowChanged();
  virtual void GetDisplText(int ACol, int ARow, std::string& Value);
  virtual void GetDisplWideText(int ACol, int ARow, std::string& Value);
  // The look of a cell as new cell properties start from it: the grid's
  // font and colour, no gradient, left and top aligned, the grid's WordWrap.
  virtual void GetCellDrawProps(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HAlign,
                                TVAlignment& VAlign, bool& WordWrap,
                                TCellGradientDirection& GradientDirection);
  virtual void UpdateCellScrollBar(int ACol, int ARow);
  virtual bool HasCellBorders();
  virtual bool GetUseVCLStyles();
  virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                   bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                   TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA,
                                   bool& WW, TCellGradientDirection& GD);
  int DisplColIndex(int ACol) override;
  virtual int TotalColCount() const;

  // ---- Painting

  // Paints a cell on ACanvas through the grid's cell painter.
  void PaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // Background, selection and lines only, in the rectangle given.
  void PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // A whole paint pass into ACanvas; counts as a pass like a window paint.
  void PaintGrid(TCanvas* ACanvas);

  // ---- Properties

  bool DefaultDrawing() const { return FDefaultDrawing; }
  // Stores the value; the framework's own drawing stays off.
  void SetDefaultDrawing(bool Value) override;
  int GridLineWidth() const { return FGridLineWidth; }
  // The cell painter draws the lines: the framework's own width stays 0.
  void SetGridLineWidth(int Value) override;
  TColor GridLineColor() const { return FGridLineColor; }
  void SetGridLineColor(TColor Value);
  TColor GridFixedLineColor() const { return FGridFixedLineColor; }
  void SetGridFixedLineColor(TColor Value);
  bool ActiveRowShow() const { return FActiveRowShow; }
  void SetActiveRowShow(bool Value);
  TColor ActiveRowColor() const { return FActiveRowColor; }
  void SetActiveRowColor(TColor Value);
  TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
  void SetActiveRowColorTo(TColor Value);
  TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
  void SetActiveRowMirrorColor(TColor Value);
  TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
  void SetActiveRowMirrorColorTo(TColor Value);
  TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
  void SetSelectionStyle(TGridSelectionStyle Value);
  bool HoverRow() const { return FHoverRow; }
  void SetHoverRow(bool Value) { FHoverRow = Value; }
  TColor HoverRowColor() const { return FHoverRowColor; }
  void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
  TColor HoverRowColorTo() const { return FHoverRowColorTo; }
  void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
  THoverRowCells HoverRowCells() const { return FHoverRowCells; }
  void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
  // Grid default of the word wrap of new cell properties.
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }
  TDivUzevUndoRedo* UndoRedo() const { return FUndoRedo; }
  // Hands the grid to the undo component.
  void SetUndoRedo(TDivUzevUndoRedo* Value);

  // State the full grid keeps up to date.
  bool HideLastRow() const { return FHideLastRow; }
  void SetHideLastRow(bool Value) { FHideLastRow = Value; }
  int NormalRowCount() const { return FNormalRowCount; }
  void SetNormalRowCount(int Value) { FNormalRowCount = Value; }
  int HoverRowIdx() const { return FHoverRowIdx; }
  void SetHoverRowIdx(int Value) { FHoverRowIdx = Value; }
  bool ShowSel() const { return FShowSel; }
  void SetShowSel(bool Value) { FShowSel = Value; }
  bool HasCellProps() const { return FHasCellProps; }
  // Some slot ever held properties (hidden cells included): while not, no
  // cell has any to look after.
  bool SlotsUsed() const { return FSlotsUsed; }
  void SetHasCellProps(bool Value) { FHasCellProps = Value; }
  int MergeCount() const { return FMergeCount; }
  int PaintID() const { return FPaintID; }
  bool CustomSelect() const { return FCustomSelect; }

  TGetDisplTextEvent OnGetDisplText;
  TGetDisplWideTextEvent OnGetDisplWideText;

  // ---- The face the undo history acts on
  TComponent* LinkComponent() override { return this; }
  // Makes (display column, row) the current cell when it lies in the grid.
  void SetCurrentCell(int ACol, int ARow) override;
  void InvalidateGrid() override;

 protected:
  // The cell painter behind DrawCell, PaintCell and PaintCellExt.
  virtual void DoPaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState,
                           bool DrawContent);
  // The rounded face of a selected cell in the selection style's colours
  // (the unfocused set while the grid has no focus).
  void DrawSelectionFace(TCanvas* ACanvas, int ACol, const TRect& R);
  // Moves the current cell onto the base cell of its merged area.
  void MoveToBaseCell();
  void RepaintFixedColMerges();
  void RepaintFixedRowMerges();

  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void TopLeftChanged() override;
  void SizeChanged(int OldColCount, int OldRowCount) override;

 public:
  // Removing a row or column frees the cell properties it still holds.
  void DeleteColumn(int ACol) override;
  void DeleteRow(int ARow) override;
  void DeleteRowRange(int ARow, int Count) override;

 protected:
  // A subclass's GetDisplText may show a cell other than it is stored even
  // without properties or hooks (links shown in the text); it keeps this
  // set while so.
  bool FDisplTextRewritten = false;
  bool FDefaultDrawing = false;
  int FGridLineWidth = 1;
  TColor FGridLineColor = clSilver;
  TColor FGridFixedLineColor = clGray;
  int FPaintID = 1;
  bool FCustomSelect = true;
  bool FHideLastRow = false;
  int FNormalRowCount = 0;
  TDivUzevUndoRedo* FUndoRedo = nullptr;
  bool FWordWrap = true;
  bool FActiveRowShow = false;
  TColor FActiveRowColor = clInfoBk;
  TColor FActiveRowColorTo = clNone;
  TColor FActiveRowMirrorColor = clNone;
  TColor FActiveRowMirrorColorTo = clNone;
  TGridSelectionStyle FSelectionStyle = ssDefault;
  int FHoverRowIdx = -1;
  bool FHoverRow = false;
  THoverRowCells FHoverRowCells{hcNormal, hcSelected};
  TColor FHoverRowColor = clInfoBk;
  TColor FHoverRowColorTo = clNone;
  bool FShowSel = true;
  bool FHasCellProps = false;
  int FMergeCount = 0;

  // Keeps a text the grid computed for a reader among the texts GetCellEx
  // keeps, with the same lifetime, and answers it.
  const std::string& KeepShownText(std::string&& Text);

 private:
  struct TPaintPass;
  // Paint passes under way (the stamps of merged areas count only in one).
  int FPaintPassDepth = 0;
  // The properties in the slot of a cell inside the grid, else none.
  TCellProperties* PropsAt(int ACol, int ARow) const;
  // Moves (ACol, ARow) to the base cell its properties record; the cell's
  // own position counts, not the one the properties were made for.
  static void BaseOf(const TCellProperties* Props, int& ACol, int& ARow);
  // Frees one slot's properties, and its graphic when FreeGraphic and the
  // graphic is a TCellGraphic.
  void FreeSlot(int ACol, int ARow, bool FreeGraphic);
  void NoteSlotExtent(int ACol, int ARow);
  void FreeEveryStoredProperty();
  // GetCellEx for cells that may show other than what they store.
  const std::string& ShownCellText(int ACol, int ARow);

  bool FDestroying = false;
  // Some slot ever held properties (the full grid may clear FHasCellProps
  // while hidden cells keep theirs).
  bool FSlotsUsed = false;
  // Bounds of every slot that ever held properties and of every count the
  // grid had: the storage outside them never held any.
  int FSlotColExtent = 0;
  int FSlotRowExtent = 0;
  // The texts ShownCellText computed last, used in turn: each read gets
  // its own string, so texts compared or passed together stay apart.
  // Reads made inside the display hooks have their own.
  struct TShownTexts {
    std::array<std::string, kShownTexts> Texts;
    size_t Next = 0;
  };
  TShownTexts FShownTexts;
  TShownTexts FNestedTexts;
  std::string FShownWork;
  // ShownCellText calls under way (a hook reading cells nests them).
  int FShownDepth = 0;
};
