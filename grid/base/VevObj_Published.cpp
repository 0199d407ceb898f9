// Published tables of the grid's settings objects, so stored layouts can
// set them inside their grid ("Navigation.AdvanceOnEnter = True").
#include "grid/base/VevObj_Published.h"

#include "framework/classes/StringList.h"
#include "framework/graphics/Graphics_Published.h"

namespace {

const TPublishedRegistrar kVevObjTables([] {
  PublishClass<TSearchFooter>("TPersistent", [](TPublish<TSearchFooter>& P) {
    using C = TSearchFooter;
    P.Bool("ShowFindPrev", &C::ShowFindPrev, &C::SetShowFindPrev).Default(true);
    P.Bool("ShowFindNext", &C::ShowFindNext, &C::SetShowFindNext).Default(true);
    P.String("FindNextCaption", &C::FindNextCaption, &C::SetFindNextCaption);
    P.String("FindPrevCaption", &C::FindPrevCaption, &C::SetFindPrevCaption);
    P.Color("ColorTo", &C::ColorTo, &C::SetColorTo).Default(clBtnFace);
    P.Color("Color", &C::Color, &C::SetColor).Default(clWhite);
    P.Bool("Visible", &C::Visible, &C::SetVisible).Default(false);
    P.Bool("AutoThemeAdapt", &C::AutoThemeAdapt, &C::SetAutoThemeAdapt).Default(false);
    P.Bool("ShowClose", &C::ShowClose, &C::SetShowClose).Default(true);
    P.Bool("ShowHighLight", &C::ShowHighLight, &C::SetShowHighLight).Default(true);
    P.Bool("ShowMatchCase", &C::ShowMatchCase, &C::SetShowMatchCase).Default(true);
    P.String("MatchCaseCaption", &C::MatchCaseCaption, &C::SetMatchCaseCaption);
    P.String("HintClose", &C::HintClose, &C::SetHintClose);
    P.String("HintFindPrev", &C::HintFindPrev, &C::SetHintFindPrev);
    P.String("HintHighLight", &C::HintHighLight, &C::SetHintHighLight);
    P.String("HintFindNext", &C::HintFindNext, &C::SetHintFindNext);
    P.Bool("AutoSearch", &C::AutoSearch, &C::SetAutoSearch).Default(true);
    P.String("LastSearch", &C::LastSearch, &C::SetLastSearch);
    P.Integer("SearchColumn", &C::SearchColumn, &C::SetSearchColumn).Default(-1);
    P.Bool("SearchActiveColumnOnly", &C::SearchActiveColumnOnly, &C::SetSearchActiveColumnOnly)
        .Default(false);
    P.Bool("SearchMatchStart", &C::SearchMatchStart, &C::SetSearchMatchStart).Default(false);
    P.Bool("SearchFixedCells", &C::SearchFixedCells, &C::SetSearchFixedCells).Default(false);
    P.Bool("SearchHiddenRows", &C::SearchHiddenRows, &C::SetSearchHiddenRows).Default(false);
    P.String("HighLightCaption", &C::HighLightCaption, &C::SetHighLightCaption)
        .Default(std::string("Highlight"));
    P.Bool("AlwaysHighLight", &C::AlwaysHighLight, &C::SetAlwaysHighLight).Default(false);
    P.Enum("SearchDirection", &C::SearchDirection, &C::SetSearchDirection).Default(sdTopBottom);
    P.Object("Font", &C::Font);
  });

  PublishClass<TNavigation>("TPersistent", [](TPublish<TNavigation>& P) {
    using C = TNavigation;
    P.Bool("AllowInsertRow", &C::AllowInsertRow, &C::SetAllowInsertRow).Default(false);
    P.Bool("AllowDeleteRow", &C::AllowDeleteRow, &C::SetAllowDeleteRow).Default(false);
    P.Bool("AdvanceOnEnter", &C::AdvanceOnEnter, &C::SetAdvanceOnEnter).Default(false);
    P.Bool("AdvanceInsert", &C::AdvanceInsert, &C::SetAdvanceInsert).Default(false);
    P.Bool("AutoGotoWhenSorted", &C::AutoGotoWhenSorted, &C::SetAutoGotoWhenSorted).Default(false);
    P.Bool("AutoGotoIncremental", &C::AutoGotoIncremental, &C::SetAutoGotoIncremental).Default(false);
    P.Bool("AutoComboDropSize", &C::AutoComboDropSize, &C::SetAutoComboDropSize).Default(false);
    P.Bool("AllowClipboardShortCuts", &C::AllowClipboardShortCuts, &C::SetAllowClipboardShortCuts)
        .Default(false);
    P.Bool("AllowRTFClipboard", &C::AllowRTFClipboard, &C::SetAllowRTFClipboard).Default(false);
    P.Bool("AllowSmartClipboard", &C::AllowSmartClipboard, &C::SetAllowSmartClipboard).Default(false);
    P.Bool("AllowClipboardAlways", &C::AllowClipboardAlways, &C::SetAllowClipboardAlways).Default(false);
    P.Bool("AllowClipboardColGrow", &C::AllowClipboardColGrow, &C::SetAllowClipboardColGrow).Default(true);
    P.Bool("AllowClipboardRowGrow", &C::AllowClipboardRowGrow, &C::SetAllowClipboardRowGrow).Default(true);
    P.Enum("ClipboardPasteAction", &C::ClipboardPasteAction, &C::SetClipboardPasteAction).Default(paReplace);
    P.Bool("CopyHTMLTagsToClipboard", &C::CopyHTMLTagsToClipboard, &C::SetCopyHTMLTagsToClipboard)
        .Default(true);
    P.Enum("AdvanceDirection", &C::AdvanceDirection, &C::SetAdvanceDirection).Default(adLeftRight);
    P.Bool("AdvanceAuto", &C::AdvanceAuto, &C::SetAdvanceAuto).Default(false);
    P.Bool("AdvanceAutoEdit", &C::AdvanceAutoEdit, &C::SetAdvanceAutoEdit).Default(true);
    P.Bool("CursorWalkEditor", &C::CursorWalkEditor, &C::SetCursorWalkEditor).Default(false);
    P.Bool("CursorWalkAlwaysEdit", &C::CursorWalkAlwaysEdit, &C::SetCursorWalkAlwaysEdit).Default(true);
    P.Bool("MoveRowOnSort", &C::MoveRowOnSort, &C::SetMoveRowOnSort).Default(false);
    P.Bool("KeepScrollOnSort", &C::KeepScrollOnSort, &C::SetKeepScrollOnSort).Default(false);
    P.Bool("ImproveMaskSel", &C::ImproveMaskSel, &C::SetImproveMaskSel).Default(false);
    P.Bool("AlwaysEdit", &C::AlwaysEdit, &C::SetAlwaysEdit).Default(false);
    P.Enum("InsertPosition", &C::InsertPosition, &C::SetInsertPosition).Default(pInsertBefore);
    P.Bool("LineFeedOnEnter", &C::LineFeedOnEnter, &C::SetLineFeedOnEnter).Default(false);
    P.Enum("HomeEndKey", &C::HomeEndKey, &C::SetHomeEndKey).Default(heFirstLastColumn);
    P.Bool("KeepHorizScroll", &C::KeepHorizScroll, &C::SetKeepHorizScroll).Default(false);
    P.Bool("AllowFmtClipboard", &C::AllowFmtClipboard, &C::SetAllowFmtClipboard).Default(false);
    P.Bool("TabToNextAtEnd", &C::TabToNextAtEnd, &C::SetTabToNextAtEnd).Default(false);
    P.Bool("EditSelectAll", &C::EditSelectAll, &C::SetEditSelectAll).Default(true);
    P.Enum("TabAdvanceDirection", &C::TabAdvanceDirection, &C::SetTabAdvanceDirection).Default(adLeftRight);
    P.Bool("SkipFixedCells", &C::SkipFixedCells, &C::SetSkipFixedCells).Default(true);
    P.Bool("SkipDisabledRows", &C::SkipDisabledRows, &C::SetSkipDisabledRows).Default(true);
    P.Bool("AllowCtrlEnter", &C::AllowCtrlEnter, &C::SetAllowCtrlEnter).Default(true);
    P.Bool("AppendOnArrowDown", &C::AppendOnArrowDown, &C::SetAppendOnArrowDown).Default(false);
    P.Bool("LeftRightRowSelect", &C::LeftRightRowSelect, &C::SetLeftRightRowSelect).Default(true);
    P.Bool("MoveScrollOnly", &C::MoveScrollOnly, &C::SetMoveScrollOnly).Default(false);
    P.Bool("ComboGetUpDown", &C::ComboGetUpDown, &C::SetComboGetUpDown).Default(true);
    P.Event("OnChange", &C::OnChange);
    P.Bool("AdvanceOnEnterLoop", &C::AdvanceOnEnterLoop, &C::SetAdvanceOnEnterLoop).Default(true);
    P.Enum("CursorAdvance", &C::CursorAdvance, &C::SetCursorAdvance).Default(caDefault);
    P.Bool("AdvanceSkipReadOnlyCells", &C::AdvanceSkipReadOnlyCells, &C::SetAdvanceSkipReadOnlyCells)
        .Default(true);
    P.Bool("CursorMoveRows", &C::CursorMoveRows, &C::SetCursorMoveRows).Default(false);
  });

  PublishClass<TMouseActions>("TPersistent", [](TPublish<TMouseActions>& P) {
    using C = TMouseActions;
    P.Bool("ColSelect", &C::ColSelect, &C::SetColSelect).Default(false);
    P.Bool("RowSelect", &C::RowSelect, &C::SetRowSelect).Default(false);
    P.Bool("AllSelect", &C::AllSelect, &C::SetAllSelect).Default(false);
    P.Bool("DirectEdit", &C::DirectEdit, &C::SetDirectEdit).Default(false);
    P.Bool("DirectComboDrop", &C::DirectComboDrop, &C::SetDirectComboDrop).Default(false);
    P.Bool("DirectComboClose", &C::DirectComboClose, &C::SetDirectComboClose).Default(false);
    P.Bool("DirectDateClose", &C::DirectDateClose, &C::SetDirectDateClose).Default(false);
    P.Bool("DirectDateDrop", &C::DirectDateDrop, &C::SetDirectDateDrop).Default(false);
    P.Bool("DisjunctRowSelect", &C::DisjunctRowSelect, &C::SetDisjunctRowSelect).Default(false);
    P.Bool("DisjunctColSelect", &C::DisjunctColSelect, &C::SetDisjunctColSelect).Default(false);
    P.Bool("AllColumnSize", &C::AllColumnSize, &C::SetAllColumnSize).Default(false);
    P.Bool("AllRowSize", &C::AllRowSize, &C::SetAllRowSize).Default(false);
    P.Bool("CaretPositioning", &C::CaretPositioning, &C::SetCaretPositioning).Default(false);
    P.Bool("SizeFixedCol", &C::SizeFixedCol, &C::SetSizeFixedCol).Default(false);
    P.Bool("SizeFixedRow", &C::SizeFixedRow, &C::SetSizeFixedRow).Default(false);
    P.Bool("DisjunctCellSelect", &C::DisjunctCellSelect, &C::SetDisjunctCellSelect).Default(false);
    P.Enum("FixedRowsEdit", &C::FixedRowsEdit, &C::SetFixedRowsEdit).Default(fceNone);
    P.Enum("FixedColsEdit", &C::FixedColsEdit, &C::SetFixedColsEdit).Default(fceNone);
    P.Enum("FixedRowsEditor", &C::FixedRowsEditor, &C::SetFixedRowsEditor).Default(fceEdit);
    P.Enum("FixedColsEditor", &C::FixedColsEditor, &C::SetFixedColsEditor).Default(fceEdit);
    P.Bool("HotmailRowSelect", &C::HotmailRowSelect, &C::SetHotmailRowSelect).Default(false);
    P.Bool("RangeSelectAndEdit", &C::RangeSelectAndEdit, &C::SetRangeSelectAndEdit).Default(false);
    P.Bool("NoAutoRangeScroll", &C::NoAutoRangeScroll, &C::SetNoAutoRangeScroll).Default(false);
    P.Bool("PreciseCheckBoxCheck", &C::PreciseCheckBoxCheck, &C::SetPreciseCheckBoxCheck).Default(false);
    P.Bool("PreciseNodeClick", &C::PreciseNodeClick, &C::SetPreciseNodeClick).Default(true);
    P.Bool("CheckAllCheck", &C::CheckAllCheck, &C::SetCheckAllCheck).Default(false);
    P.Bool("NodeAllExpandContract", &C::NodeAllExpandContract, &C::SetNodeAllExpandContract).Default(false);
    P.Bool("MoveRowOnNodeClick", &C::MoveRowOnNodeClick, &C::SetMoveRowOnNodeClick).Default(false);
    P.Bool("RowSelectPersistent", &C::RowSelectPersistent, &C::SetRowSelectPersistent).Default(false);
    P.Bool("SelectOnRightClick", &C::SelectOnRightClick, &C::SetSelectOnRightClick).Default(false);
    P.Bool("NoScrollOnPartialRow", &C::NoScrollOnPartialRow, &C::SetNoScrollOnPartialRow).Default(false);
    P.Integer("WheelIncrement", &C::WheelIncrement, &C::SetWheelIncrement).Default(0);
    P.Enum("WheelAction", &C::WheelAction, &C::SetWheelAction).Default(waMoveSelection);
    P.Bool("AutoSizeColOnDblClick", &C::AutoSizeColOnDblClick, &C::SetAutoSizeColOnDblClick).Default(true);
    P.Bool("EditOnDblClickOnly", &C::EditOnDblClickOnly, &C::SetEditOnDblClickOnly).Default(false);
    P.Bool("DisjunctRowSelectNoCtrl", &C::DisjunctRowSelectNoCtrl, &C::SetDisjunctRowSelectNoCtrl)
        .Default(false);
    P.Event("OnChange", &C::OnChange);
    P.Event("OnInvalidate", &C::OnInvalidate);
    P.Event("OnIsDesigning", &C::OnIsDesigning);
    P.Event("OnDisableEdit", &C::OnDisableEdit);
    P.Strings("FixedComboValues", &C::FixedComboValues);
  });

  PublishClass<TSyncGrid>("TPersistent", [](TPublish<TSyncGrid>& P) {
    using C = TSyncGrid;
    P.Bool("ScrollHorizontal", &C::ScrollHorizontal, &C::SetScrollHorizontal).Default(false);
    P.Component("Grid", &C::Grid, &C::SetGrid);
    P.Bool("ScrollVertical", &C::ScrollVertical, &C::SetScrollVertical).Default(false);
    P.Bool("SelectionRow", &C::SelectionRow, &C::SetSelectionRow).Default(false);
    P.Bool("SelectionColumn", &C::SelectionColumn, &C::SetSelectionColumn).Default(false);
    P.Bool("MoveRow", &C::MoveRow, &C::SetMoveRow).Default(false);
    P.Bool("MoveColumn", &C::MoveColumn, &C::SetMoveColumn).Default(false);
  });

  PublishClass<TBands>("TPersistent", [](TPublish<TBands>& P) {
    using C = TBands;
    P.Bool("Print", &C::Print, &C::SetPrint).Default(false);
    P.Bool("Active", &C::Active, &C::SetActive).Default(false);
    P.Integer("SecondaryLength", &C::SecondaryLength, &C::SetSecondaryLength).Default(1);
    P.Integer("PrimaryLength", &C::PrimaryLength, &C::SetPrimaryLength).Default(1);
    P.Color("SecondaryColor", &C::SecondaryColor, &C::SetSecondaryColor).Default(clWindow);
    P.Color("PrimaryColor", &C::PrimaryColor, &C::SetPrimaryColor).Default(clInfoBk);
    P.Event("OnChange", &C::OnChange);
  });

  PublishClass<TFocusHelper>("TPersistent", [](TPublish<TFocusHelper>& P) {
    P.Bool("Enabled", &TFocusHelper::Enabled, &TFocusHelper::SetEnabled).Default(false);
  });
});

}  // namespace

// The settings objects' constructors call this, so the linker keeps this
// file and its tables with them.
void LinkVevObjPublished() {}
