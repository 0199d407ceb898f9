// The grid's settings objects: defaults, setters with side effects and
// their copy rules.
#include "framework/classes/StringList.h"
#include "framework/graphics/Graphics.h"
#include "grid/base/VevObj.h"

// VevObj_Published.cpp: referenced here so its tables come along.
void LinkVevObjPublished();

// ---------------------------------------------------------------------------
// TSearchFooter

TSearchFooter::TSearchFooter(TComponent* AOwner, bool InitDesign)
    : FOwner(AOwner), FColorTo(clBtnFace), FColor(clWhite), FFont(std::make_unique<TFont>()) {
  LinkVevObjPublished();
  if (InitDesign) {
    FFindNextCaption = "Find &next";
    FFindPrevCaption = "Find &previous";
    FMatchCaseCaption = "Match case";
    FHintClose = "Close";
    FHintFindPrev = "Find previous occurrence";
    FHintHighLight = "Highlight occurrences";
    FHintFindNext = "Find next occurrence";
  }
}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::Changed() {
  if (OnChange) OnChange(this);
}

void TSearchFooter::SetText(std::string& Field, const std::string& Value) {
  Field = Value;
  Changed();
}

void TSearchFooter::SetFlag(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TSearchFooter::SetShowFindPrev(bool Value) { SetFlag(FShowFindPrev, Value); }
void TSearchFooter::SetShowFindNext(bool Value) { SetFlag(FShowFindNext, Value); }
void TSearchFooter::SetShowHighLight(bool Value) { SetFlag(FShowHighLight, Value); }
void TSearchFooter::SetShowMatchCase(bool Value) { SetFlag(FShowMatchCase, Value); }
void TSearchFooter::SetVisible(bool Value) { SetFlag(FVisible, Value); }

void TSearchFooter::SetFindNextCaption(const std::string& Value) { SetText(FFindNextCaption, Value); }
void TSearchFooter::SetFindPrevCaption(const std::string& Value) { SetText(FFindPrevCaption, Value); }
void TSearchFooter::SetMatchCaseCaption(const std::string& Value) { SetText(FMatchCaseCaption, Value); }
void TSearchFooter::SetHintClose(const std::string& Value) { SetText(FHintClose, Value); }
void TSearchFooter::SetHintFindPrev(const std::string& Value) { SetText(FHintFindPrev, Value); }
void TSearchFooter::SetHintHighLight(const std::string& Value) { SetText(FHintHighLight, Value); }
void TSearchFooter::SetHintFindNext(const std::string& Value) { SetText(FHintFindNext, Value); }
void TSearchFooter::SetHighLightCaption(const std::string& Value) { SetText(FHighLightCaption, Value); }

void TSearchFooter::SetColorTo(TColor Value) {
  FColorTo = Value;
  Changed();
}

void TSearchFooter::SetColor(TColor Value) {
  FColor = Value;
  Changed();
}

void TSearchFooter::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  Changed();
}

void TSearchFooter::SetShowClose(bool Value) {
  FShowClose = Value;
  Changed();
}

void TSearchFooter::SetFont(TFont* Value) {
  if (Value && Value != FFont.get()) FFont->Assign(Value);
  Changed();
}

void TSearchFooter::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TSearchFooter*>(Source);
  if (!src) return;
  FAlwaysHighLight = src->FAlwaysHighLight;
  FColor = src->FColor;
  FColorTo = src->FColorTo;
  FFindNextCaption = src->FFindNextCaption;
  FFindPrevCaption = src->FFindPrevCaption;
  FHighLightCaption = src->FHighLightCaption;
  FMatchCaseCaption = src->FMatchCaseCaption;
  FHintClose = src->FHintClose;
  FHintFindNext = src->FHintFindNext;
  FHintFindPrev = src->FHintFindPrev;
  FHintHighLight = src->FHintHighLight;
  FShowClose = src->FShowClose;
  FShowFindNext = src->FShowFindNext;
  FShowFindPrev = src->FShowFindPrev;
  FShowHighLight = src->FShowHighLight;
  FShowMatchCase = src->FShowMatchCase;
  FSearchActiveColumnOnly = src->FSearchActiveColumnOnly;
  FSearchMatchStart = src->FSearchMatchStart;
  FSearchColumn = src->FSearchColumn;
  FSearchDirection = src->FSearchDirection;
  FSearchHiddenRows = src->FSearchHiddenRows;
  FVisible = src->FVisible;
  if (src->FFont.get() != FFont.get()) FFont->Assign(src->FFont.get());
}

// ---------------------------------------------------------------------------
// TNavigation

void TNavigation::SetAdvanceInsert(bool Value) {
  if (FAdvanceInsert == Value) return;
  FAdvanceInsert = Value;
  if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value) {
  if (FAdvanceDirection == Value) return;
  FAdvanceDirection = Value;
  if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceAuto(bool Value) {
  if (FAdvanceAuto == Value) return;
  FAdvanceAuto = Value;
  if (Value) FAdvanceOnEnter = true;
}

void TNavigation::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TNavigation*>(Source);
  if (!src) return;
  FAllowInsertRow = src->FAllowInsertRow;
  FAllowDeleteRow = src->FAllowDeleteRow;
  FAdvanceOnEnter = src->FAdvanceOnEnter;
  FAdvanceInsert = src->FAdvanceInsert;
  FAutoGotoWhenSorted = src->FAutoGotoWhenSorted;
  FAutoGotoIncremental = src->FAutoGotoIncremental;
  FAutoComboDropSize = src->FAutoComboDropSize;
  FAllowClipboardShortCuts = src->FAllowClipboardShortCuts;
  FAllowRTFClipboard = src->FAllowRTFClipboard;
  FAllowSmartClipboard = src->FAllowSmartClipboard;
  FAllowClipboardAlways = src->FAllowClipboardAlways;
  FAllowClipboardColGrow = src->FAllowClipboardColGrow;
  FAllowClipboardRowGrow = src->FAllowClipboardRowGrow;
  FClipboardPasteAction = src->FClipboardPasteAction;
  FCopyHTMLTagsToClipboard = src->FCopyHTMLTagsToClipboard;
  FAdvanceDirection = src->FAdvanceDirection;
  FAdvanceAuto = src->FAdvanceAuto;
  FAdvanceAutoEdit = src->FAdvanceAutoEdit;
  FCursorWalkEditor = src->FCursorWalkEditor;
  FCursorWalkAlwaysEdit = src->FCursorWalkAlwaysEdit;
  FMoveRowOnSort = src->FMoveRowOnSort;
  FImproveMaskSel = src->FImproveMaskSel;
  FAlwaysEdit = src->FAlwaysEdit;
  FInsertPosition = src->FInsertPosition;
  FLineFeedOnEnter = src->FLineFeedOnEnter;
  FHomeEndKey = src->FHomeEndKey;
  FKeepHorizScroll = src->FKeepHorizScroll;
  FAllowFmtClipboard = src->FAllowFmtClipboard;
  FTabToNextAtEnd = src->FTabToNextAtEnd;
  FEditSelectAll = src->FEditSelectAll;
  FTabAdvanceDirection = src->FTabAdvanceDirection;
  FSkipFixedCells = src->FSkipFixedCells;
  FSkipDisabledRows = src->FSkipDisabledRows;
  FAllowCtrlEnter = src->FAllowCtrlEnter;
  FAppendOnArrowDown = src->FAppendOnArrowDown;
  FLeftRightRowSelect = src->FLeftRightRowSelect;
  FMoveScrollOnly = src->FMoveScrollOnly;
  FComboGetUpDown = src->FComboGetUpDown;
  FAdvanceOnEnterLoop = src->FAdvanceOnEnterLoop;
  FCursorAdvance = src->FCursorAdvance;
  FAdvanceSkipReadOnlyCells = src->FAdvanceSkipReadOnlyCells;
  FCursorMoveRows = src->FCursorMoveRows;
}

// ---------------------------------------------------------------------------
// TMouseActions

TMouseActions::TMouseActions(TComponent* AOwner)
    : FOwner(AOwner), FFixedComboValues(std::make_unique<TStringList>()) {
  LinkVevObjPublished();
}

TMouseActions::~TMouseActions() = default;

bool TMouseActions::IsDesigning() {
  bool designing = false;
  if (OnIsDesigning) OnIsDesigning(this, designing);
  return designing;
}

void TMouseActions::SetDisjunctRowSelect(bool Value) {
  FDisjunctRowSelect = Value;
  if (Value && IsDesigning()) {
    FDisjunctColSelect = false;
    FDisjunctCellSelect = false;
  }
}

void TMouseActions::SetDisjunctColSelect(bool Value) {
  FDisjunctColSelect = Value;
  if (Value && IsDesigning()) {
    FDisjunctRowSelect = false;
    FDisjunctCellSelect = false;
  }
}

void TMouseActions::SetDisjunctCellSelect(bool Value) {
  FDisjunctCellSelect = Value;
  if (Value && IsDesigning()) {
    FDisjunctRowSelect = false;
    FDisjunctColSelect = false;
  }
}

void TMouseActions::SetHotmailRowSelect(bool Value) {
  FHotmailRowSelect = Value;
  if (Value) {
    SetDisjunctRowSelect(true);
    FCheckAllCheck = true;
  }
  if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetWheelAction(TWheelAction Value) {
  if (FWheelAction == Value) return;
  FWheelAction = Value;
  if (OnChange) OnChange(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value) {
  FEditOnDblClickOnly = Value;
  if (Value && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetFixedComboValues(TStrings* Value) {
  if (Value != FFixedComboValues.get()) FFixedComboValues->Assign(Value);
}

void TMouseActions::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TMouseActions*>(Source);
  if (!src) return;
  FColSelect = src->FColSelect;
  FRowSelect = src->FRowSelect;
  FAllSelect = src->FAllSelect;
  FDirectEdit = src->FDirectEdit;
  FDirectComboDrop = src->FDirectComboDrop;
  FDirectComboClose = src->FDirectComboClose;
  FDirectDateClose = src->FDirectDateClose;
  FDirectDateDrop = src->FDirectDateDrop;
  FDisjunctRowSelect = src->FDisjunctRowSelect;
  FDisjunctColSelect = src->FDisjunctColSelect;
  FAllColumnSize = src->FAllColumnSize;
  FAllRowSize = src->FAllRowSize;
  FCaretPositioning = src->FCaretPositioning;
  FSizeFixedCol = src->FSizeFixedCol;
  FDisjunctCellSelect = src->FDisjunctCellSelect;
  FFixedRowsEdit = src->FFixedRowsEdit;
  FFixedColsEdit = src->FFixedColsEdit;
  FFixedRowsEditor = src->FFixedRowsEditor;
  FFixedColsEditor = src->FFixedColsEditor;
  FRangeSelectAndEdit = src->FRangeSelectAndEdit;
  FNoAutoRangeScroll = src->FNoAutoRangeScroll;
  FPreciseCheckBoxCheck = src->FPreciseCheckBoxCheck;
  FPreciseNodeClick = src->FPreciseNodeClick;
  FCheckAllCheck = src->FCheckAllCheck;
  FNodeAllExpandContract = src->FNodeAllExpandContract;
  FMoveRowOnNodeClick = src->FMoveRowOnNodeClick;
  FRowSelectPersistent = src->FRowSelectPersistent;
  FSelectOnRightClick = src->FSelectOnRightClick;
  FNoScrollOnPartialRow = src->FNoScrollOnPartialRow;
  FWheelIncrement = src->FWheelIncrement;
  FWheelAction = src->FWheelAction;
  FAutoSizeColOnDblClick = src->FAutoSizeColOnDblClick;
  FDisjunctRowSelectNoCtrl = src->FDisjunctRowSelectNoCtrl;
}

// ---------------------------------------------------------------------------
// TSyncGrid

void TSyncGrid::SetGrid(TComponent* Value) {
  if (Value != nullptr && Value == FOwner) return;
  FGrid = Value;
}

void TSyncGrid::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TSyncGrid*>(Source);
  if (!src) return;
  SetGrid(src->FGrid);
  FScrollHorizontal = src->FScrollHorizontal;
  FScrollVertical = src->FScrollVertical;
  FSelectionRow = src->FSelectionRow;
  FSelectionColumn = src->FSelectionColumn;
  FMoveRow = src->FMoveRow;
  FMoveColumn = src->FMoveColumn;
}

// ---------------------------------------------------------------------------
// TBands

TBands::TBands() : FSecondaryColor(clWindow), FPrimaryColor(clInfoBk) { LinkVevObjPublished(); }

void TBands::Changed() {
  if (OnChange) OnChange(this);
}

void TBands::ChangedWhileActive() {
  if (FActive) Changed();
}

void TBands::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  Changed();
}

void TBands::SetSecondaryLength(int Value) {
  if (FSecondaryLength == Value) return;
  FSecondaryLength = Value;
  FTotalLength = FPrimaryLength + FSecondaryLength;
  ChangedWhileActive();
}

void TBands::SetPrimaryLength(int Value) {
  if (FPrimaryLength == Value) return;
  FPrimaryLength = Value;
  FTotalLength = FPrimaryLength + FSecondaryLength;
  ChangedWhileActive();
}

void TBands::SetSecondaryColor(TColor Value) {
  if (FSecondaryColor == Value) return;
  FSecondaryColor = Value;
  ChangedWhileActive();
}

void TBands::SetPrimaryColor(TColor Value) {
  if (FPrimaryColor == Value) return;
  FPrimaryColor = Value;
  ChangedWhileActive();
}

void TBands::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TBands*>(Source);
  if (!src) return;
  FActive = src->FActive;
  FPrimaryColor = src->FPrimaryColor;
  FPrimaryLength = src->FPrimaryLength;
  FSecondaryColor = src->FSecondaryColor;
  FSecondaryLength = src->FSecondaryLength;
  FPrint = src->FPrint;
  FTotalLength = FPrimaryLength + FSecondaryLength;
}

// ---------------------------------------------------------------------------
// TFocusHelper

void TFocusHelper::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TFocusHelper*>(Source)) FEnabled = src->FEnabled;
}
