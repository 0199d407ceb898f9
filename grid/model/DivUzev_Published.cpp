// Published tables of the grid control and its settings objects: what the
// stored form layouts may set. An absent property keeps the value the
// constructor gave it; a declared default only tells the writer what to
// leave out.
#include "grid/model/DivUzev_Published.h"

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/classes/StringList.h"
#include "framework/controls/Controls_Published.h"
#include "framework/controls/Menus.h"
#include "framework/graphics/Graphics_Published.h"
#include "framework/graphics/ImgList.h"
#include "grid/base/BaseGrid_Published.h"
#include "grid/base/PictureContainer.h"
#include "grid/base/UndoRedo.h"
#include "grid/base/VevDropDownAppearance.h"
#include "grid/base/VevObj_Published.h"

namespace {

void PublishSettings() {
  PublishClass<TGrouping>("TPersistent", [](TPublish<TGrouping>& P) {
    using C = TGrouping;
    P.Bool("AutoSelectGroup", &C::AutoSelectGroup, &C::SetAutoSelectGroup).Default(false);
    P.Bool("AutoCheckGroup", &C::AutoCheckGroup, &C::SetAutoCheckGroup).Default(false);
    P.String("GroupCountFormat", &C::GroupCountFormat, &C::SetGroupCountFormat);
    P.Bool("ShowGroupCount", &C::ShowGroupCount, &C::SetShowGroupCount).Default(false);
    P.Color("HeaderColor", &C::HeaderColor, &C::SetHeaderColor).Default(clNone);
    P.Color("HeaderColorTo", &C::HeaderColorTo, &C::SetHeaderColorTo).Default(clNone);
    P.Color("HeaderTextColor", &C::HeaderTextColor, &C::SetHeaderTextColor).Default(clNone);
    P.Bool("HeaderUnderline", &C::HeaderUnderline, &C::SetHeaderUnderline).Default(false);
    P.Color("HeaderLineColor", &C::HeaderLineColor, &C::SetHeaderLineColor).Default(clBlue);
    P.Integer("HeaderLineWidth", &C::HeaderLineWidth, &C::SetHeaderLineWidth).Default(2);
    P.Bool("MergeHeader", &C::MergeHeader, &C::SetMergeHeader).Default(false);
    P.Bool("MergeSummary", &C::MergeSummary, &C::SetMergeSummary).Default(false);
    P.Bool("Summary", &C::Summary, &C::SetSummary).Default(false);
    P.Color("SummaryColor", &C::SummaryColor, &C::SetSummaryColor).Default(clNone);
    P.Color("SummaryColorTo", &C::SummaryColorTo, &C::SetSummaryColorTo).Default(clNone);
    P.Color("SummaryTextColor", &C::SummaryTextColor, &C::SetSummaryTextColor).Default(clNone);
    P.Bool("SummaryLine", &C::SummaryLine, &C::SetSummaryLine).Default(false);
    P.Color("SummaryLineColor", &C::SummaryLineColor, &C::SetSummaryLineColor).Default(clBlue);
    P.Integer("SummaryLineWidth", &C::SummaryLineWidth, &C::SetSummaryLineWidth).Default(2);
  });

  PublishClass<TDragDropSettings>("TPersistent", [](TPublish<TDragDropSettings>& P) {
    using C = TDragDropSettings;
    P.Bool("ShowCells", &C::ShowCells, &C::SetShowCells).Default(true);
    P.Bool("OleAcceptFiles", &C::OleAcceptFiles, &C::SetOleAcceptFiles).Default(true);
    P.Bool("OleAcceptText", &C::OleAcceptText, &C::SetOleAcceptText).Default(true);
    P.Bool("OleAcceptURLs", &C::OleAcceptURLs, &C::SetOleAcceptURLs).Default(true);
    P.Bool("OleAppendRows", &C::OleAppendRows, &C::SetOleAppendRows).Default(false);
    P.Bool("OleColumnDragDrop", &C::OleColumnDragDrop, &C::SetOleColumnDragDrop).Default(false);
    P.Bool("OleColumnReorder", &C::OleColumnReorder, &C::SetOleColumnReorder).Default(false);
    P.Bool("OleColumnsOnly", &C::OleColumnsOnly, &C::SetOleColumnsOnly).Default(false);
    P.Bool("OleCopyAlways", &C::OleCopyAlways, &C::SetOleCopyAlways).Default(false);
    P.Bool("OleDropSource", &C::OleDropSource, &C::SetOleDropSource).Default(false);
    P.Bool("OleDropTarget", &C::OleDropTarget, &C::SetOleDropTarget).Default(false);
    P.Bool("OleDropRTF", &C::OleDropRTF, &C::SetOleDropRTF).Default(false);
    P.Bool("OleEntireRows", &C::OleEntireRows, &C::SetOleEntireRows).Default(false);
    P.Bool("OleInsertRows", &C::OleInsertRows, &C::SetOleInsertRows).Default(false);
    P.Bool("OleRemoveRows", &C::OleRemoveRows, &C::SetOleRemoveRows).Default(false);
  });

  PublishClass<TBalloonSettings>("TPersistent", [](TPublish<TBalloonSettings>& P) {
    using C = TBalloonSettings;
    P.Color("TextColor", &C::TextColor, &C::SetTextColor).Default(clNone);
    P.Color("BackgroundColor", &C::BackgroundColor, &C::SetBackgroundColor).Default(clNone);
    P.Integer("InitialDelay", &C::InitialDelay, &C::SetInitialDelay).Default(-1);
    P.Integer("AutoHideDelay", &C::AutoHideDelay, &C::SetAutoHideDelay).Default(-1);
    P.Integer("ReshowDelay", &C::ReshowDelay, &C::SetReshowDelay).Default(-1);
    P.Bool("Enable", &C::Enable, &C::SetEnable).Default(false);
    P.Integer("Transparency", &C::Transparency, &C::SetTransparency).Default(0);
  });

  PublishClass<TShowModified>("TPersistent", [](TPublish<TShowModified>& P) {
    using C = TShowModified;
    P.Bool("Enabled", &C::Enabled, &C::SetEnabled).Default(false);
    P.Color("Color", &C::Color, &C::SetColor).Default(clYellow);
  });

  PublishClass<TSizeWhileTyping>("TPersistent", [](TPublish<TSizeWhileTyping>& P) {
    using C = TSizeWhileTyping;
    P.Bool("Height", &C::Height, &C::SetHeight).Default(false);
    P.Bool("Width", &C::Width, &C::SetWidth).Default(false);
  });

  PublishClass<TControlLook>("TPersistent", [](TPublish<TControlLook>& P) {
    using C = TControlLook;
    P.Integer("CheckSize", &C::CheckSize, &C::SetCheckSize).Default(15);
    P.Color("Color", &C::Color, &C::SetColor).Default(clBlack);
    P.Color("CommentColor", &C::CommentColor, &C::SetCommentColor).Default(static_cast<TColor>(255));
    P.Enum("ControlStyle", &C::ControlStyle, &C::SetControlStyle).Default(csTheme);
    P.Integer("DropDownCount", &C::DropDownCount, &C::SetDropDownCount).Default(8);
    P.Object("DropDownHeader", &C::DropDownHeader);
    P.Object("DropDownFooter", &C::DropDownFooter);
    P.Bool("DropDownAlwaysVisible", &C::DropDownAlwaysVisible, &C::SetDropDownAlwaysVisible).Default(false);
    P.Bool("FixedDropDownButton", &C::FixedDropDownButton, &C::SetFixedDropDownButton).Default(false);
    P.Color("FixedGradientFrom", &C::FixedGradientFrom, &C::SetFixedGradientFrom).Default(clNone);
    P.Color("FixedGradientTo", &C::FixedGradientTo, &C::SetFixedGradientTo).Default(clNone);
    P.Color("FixedGradientMirrorFrom", &C::FixedGradientMirrorFrom, &C::SetFixedGradientMirrorFrom)
        .Default(clNone);
    P.Color("FixedGradientMirrorTo", &C::FixedGradientMirrorTo, &C::SetFixedGradientMirrorTo).Default(clNone);
    // The declared defaults of these four differ from a new look's values,
    // so a stored layout carries them.
    P.Color("FixedGradientHoverFrom", &C::FixedGradientHoverFrom, &C::SetFixedGradientHoverFrom)
        .Default(clWhite);
    P.Color("FixedGradientHoverTo", &C::FixedGradientHoverTo, &C::SetFixedGradientHoverTo).Default(clGray);
    P.Color("FixedGradientHoverMirrorFrom", &C::FixedGradientHoverMirrorFrom,
            &C::SetFixedGradientHoverMirrorFrom)
        .Default(clNone);
    P.Color("FixedGradientHoverMirrorTo", &C::FixedGradientHoverMirrorTo, &C::SetFixedGradientHoverMirrorTo)
        .Default(clNone);
    P.Color("FixedGradientHoverBorder", &C::FixedGradientHoverBorder, &C::SetFixedGradientHoverBorder)
        .Default(clSilver);
    P.Color("FixedGradientDownFrom", &C::FixedGradientDownFrom, &C::SetFixedGradientDownFrom)
        .Default(clSilver);
    P.Color("FixedGradientDownTo", &C::FixedGradientDownTo, &C::SetFixedGradientDownTo).Default(clGray);
    P.Color("FixedGradientDownMirrorFrom", &C::FixedGradientDownMirrorFrom,
            &C::SetFixedGradientDownMirrorFrom)
        .Default(clNone);
    P.Color("FixedGradientDownMirrorTo", &C::FixedGradientDownMirrorTo, &C::SetFixedGradientDownMirrorTo)
        .Default(clNone);
    P.Color("FixedGradientDownBorder", &C::FixedGradientDownBorder, &C::SetFixedGradientDownBorder)
        .Default(clGray);
    P.Bool("FlatButton", &C::FlatButton, &C::SetFlatButton).Default(false);
    P.Integer("HintMaxWidth", &C::HintMaxWidth, &C::SetHintMaxWidth).Default(0);
    P.Bool("NoDisabledCheckRadioLook", &C::NoDisabledCheckRadioLook, &C::SetNoDisabledCheckRadioLook)
        .Default(false);
    P.Bool("NoDisabledButtonLook", &C::NoDisabledButtonLook, &C::SetNoDisabledButtonLook).Default(false);
    P.Color("ProgressBorderColor", &C::ProgressBorderColor, &C::SetProgressBorderColor).Default(clGray);
    P.Integer("ProgressMarginX", &C::ProgressMarginX, &C::SetProgressMarginX).Default(2);
    P.Integer("ProgressMarginY", &C::ProgressMarginY, &C::SetProgressMarginY).Default(2);
    P.Bool("ProgressXP", &C::ProgressXP, &C::SetProgressXP).Default(false);
    P.Integer("RadioSize", &C::RadioSize, &C::SetRadioSize).Default(10);
    P.Bool("SpinButtonsAlwaysVisible", &C::SpinButtonsAlwaysVisible, &C::SetSpinButtonsAlwaysVisible)
        .Default(false);
    P.Bool("CheckAlwaysActive", &C::CheckAlwaysActive, &C::SetCheckAlwaysActive).Default(false);
    P.Bool("RadioAlwaysActive", &C::RadioAlwaysActive, &C::SetRadioAlwaysActive).Default(false);
    P.Object("CheckedGlyph", &C::CheckedGlyph);
    P.Object("UnCheckedGlyph", &C::UnCheckedGlyph);
    P.Object("RadioOnGlyph", &C::RadioOnGlyph);
    P.Object("RadioOffGlyph", &C::RadioOffGlyph);
  });

  PublishClass<TFloatingFooter>("TPersistent", [](TPublish<TFloatingFooter>& P) {
    using C = TFloatingFooter;
    P.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace);
    P.Bool("CalculateHiddenRows", &C::CalculateHiddenRows, &C::SetCalculateHiddenRows).Default(true);
    P.Bool("EnableCalculation", &C::EnableCalculation, &C::SetEnableCalculation).Default(true);
    P.Enum("FooterStyle", &C::FooterStyle, &C::SetFooterStyle).Default(fsFixedLastRow);
    P.Bool("Visible", &C::Visible, &C::SetVisible).Default(false);
    P.Integer("Column", &C::Column, &C::SetColumn).Default(0);
    P.String("CustomTemplate", &C::CustomTemplate, &C::SetCustomTemplate);
    P.Bool("ShowHint", &C::ShowHint, &C::SetShowHint).Default(false);
    P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(clNone);
    P.Event("OnCalcFooter", &C::OnCalcFooter);
  });

  PublishClass<TColumnSize>("TPersistent", [](TPublish<TColumnSize>& P) {
    using C = TColumnSize;
    P.Bool("Save", &C::Save, &C::SetSave).Default(false);
    P.String("Key", &C::Key, &C::SetKey);
    P.String("Section", &C::Section, &C::SetSection);
    P.Bool("Stretch", &C::Stretch, &C::SetStretch).Default(false);
    P.Integer("StretchColumn", &C::StretchColumn, &C::SetStretchColumn).Default(-1);
    P.Bool("SynchWithGrid", &C::SynchWithGrid, &C::SetSynchWithGrid).Default(false);
    P.Bool("SynchNormalCellsOnly", &C::SynchNormalCellsOnly, &C::SetSynchNormalCellsOnly).Default(false);
    P.Enum("Location", &C::Location, &C::SetLocation).Default(clRegistry);
    P.Enum("Rows", &C::Rows, &C::SetRows).Default(arAll);
  });

  PublishGridFileSettings();
  PublishClass<TGridProgressAppearance>("TPersistent", [](TPublish<TGridProgressAppearance>& P) {
    using C = TGridProgressAppearance;
    P.Color("UnCompleteFontColor", &C::UnCompleteFontColor, &C::SetUnCompleteFontColor).Default(clWindowText);
    P.Color("CompleteColor", &C::CompleteColor, &C::SetCompleteColor).Default(clRed);
    P.Color("UnCompleteColor", &C::UnCompleteColor, &C::SetUnCompleteColor).Default(clNone);
    P.Color("CompleteFontColor", &C::CompleteFontColor, &C::SetCompleteFontColor).Default(clBlue);
    P.Bool("Stacked", &C::Stacked, &C::SetStacked).Default(false);
    P.Bool("ShowPercentage", &C::ShowPercentage, &C::SetShowPercentage).Default(true);
    P.Bool("ShowBorder", &C::ShowBorder, &C::SetShowBorder).Default(false);
    P.Bool("CompletionSmooth", &C::CompletionSmooth, &C::SetCompletionSmooth).Default(true);
    P.Bool("ShowGradient", &C::ShowGradient, &C::SetShowGradient).Default(true);
    P.Integer("Level2Perc", &C::Level2Perc, &C::SetLevel2Perc).Default(90);
    P.Integer("Level1Perc", &C::Level1Perc, &C::SetLevel1Perc).Default(70);
    P.Integer("Steps", &C::Steps, &C::SetSteps).Default(11);
    P.Color("Level3Color", &C::Level3Color, &C::SetLevel3Color).Default(0x0000FF);
    P.Color("Level1Color", &C::Level1Color, &C::SetLevel1Color).Default(0x00FFFF);
    P.Color("Level0Color", &C::Level0Color, &C::SetLevel0Color).Default(0x00FF00);
    P.Color("Level3ColorTo", &C::Level3ColorTo, &C::SetLevel3ColorTo).Default(0xCACAFF);
    P.Color("Level2ColorTo", &C::Level2ColorTo, &C::SetLevel2ColorTo).Default(0xA8D3FF);
    P.Color("Level0ColorTo", &C::Level0ColorTo, &C::SetLevel0ColorTo).Default(0xE1FFE1);
    P.Color("Level1ColorTo", &C::Level1ColorTo, &C::SetLevel1ColorTo).Default(0xCAFFFF);
    P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(clBlack);
    P.Color("Level2Color", &C::Level2Color, &C::SetLevel2Color).Default(0x53A9FF);
    P.Enum("Style", &C::Style, &C::SetStyle).Default(psXP);
  });
  PublishClass<TFilterDropDown>("TPersistent", [](TPublish<TFilterDropDown>& P) {
    using C = TFilterDropDown;
    P.Bool("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(false);
    P.Integer("Height", &C::Height, &C::SetHeight).Default(150);
    P.Integer("Width", &C::Width, &C::SetWidth).Default(150);
    P.Color("Color", &C::Color, &C::SetColor).Default(clWindow);
    P.Object("Font", &C::Font);
    P.Object("Glyph", &C::Glyph);
    P.Object("GlyphActive", &C::GlyphActive);
    P.Bool("ColumnWidth", &C::ColumnWidth, &C::SetColumnWidth).Default(false);
  });
  PublishClass<TFilter>("TCollection", [](TPublish<TFilter>&) {});

  PublishClass<TDragScrollOptions>("TPersistent", [](TPublish<TDragScrollOptions>& P) {
    using C = TDragScrollOptions;
    P.Bool("Active", &C::Active, &C::SetActive).Default(false);
    P.Object("Delays", &C::Delays);
    P.Object("Margins", &C::Margins);
  });
  PublishClass<TDragScrollDelays>("TPersistent", [](TPublish<TDragScrollDelays>& P) {
    using C = TDragScrollDelays;
    P.Integer("InitialDelay", &C::InitialDelay, &C::SetInitialDelay).Default(1000);
    P.Integer("RepeatDelay", &C::RepeatDelay, &C::SetRepeatDelay).Default(250);
  });
  PublishClass<TDragScrollMargins>("TPersistent", [](TPublish<TDragScrollMargins>& P) {
    using C = TDragScrollMargins;
    P.Integer("TopMargin", &C::TopMargin, &C::SetTopMargin).Default(50);
    P.Integer("BottomMargin", &C::BottomMargin, &C::SetBottomMargin).Default(50);
    P.Integer("LeftMargin", &C::LeftMargin, &C::SetLeftMargin).Default(50);
    P.Integer("RightMargin", &C::RightMargin, &C::SetRightMargin).Default(50);
  });

  PublishClass<TSortSettings>("TPersistent", [](TPublish<TSortSettings>& P) {
    using C = TSortSettings;
    P.Bool("Show", &C::Show, &C::SetShow).Default(false);
    P.Bool("IndexShow", &C::IndexShow, &C::SetIndexShow).Default(false);
    P.Bool("Full", &C::Full, &C::SetFull).Default(true);
    P.Bool("SingleColumn", &C::SingleColumn, &C::SetSingleColumn).Default(false);
    P.Bool("IgnoreBlanks", &C::IgnoreBlanks, &C::SetIgnoreBlanks).Default(false);
    P.Enum("BlankPos", &C::BlankPos, &C::SetBlankPos).Default(blFirst);
    P.Bool("AutoFormat", &C::AutoFormat, &C::SetAutoFormat).Default(true);
    P.Enum("Direction", &C::Direction, &C::SetDirection).Default(sdAscending);
    P.Object("UpGlyph", &C::UpGlyph);
    P.Object("DownGlyph", &C::DownGlyph);
    P.Object("IndexUpGlyph", &C::IndexUpGlyph);
    P.Object("IndexDownGlyph", &C::IndexDownGlyph);
    P.Bool("NormalCellsOnly", &C::NormalCellsOnly, &C::SetNormalCellsOnly).Default(false);
    P.Bool("FixedCols", &C::FixedCols, &C::SetFixedCols).Default(false);
    P.Integer("Column", &C::Column, &C::SetColumn).Default(-1);
    P.Integer("Row", &C::Row, &C::SetRow).Default(0);
    P.Bool("AutoColumnMerge", &C::AutoColumnMerge, &C::SetAutoColumnMerge).Default(false);
    P.Color("IndexColor", &C::IndexColor, &C::SetIndexColor).Default(clYellow);
    P.Enum("InitSortDirection", &C::InitSortDirection, &C::SetInitSortDirection).Default(sdAscending);
    P.Bool("UndoSort", &C::UndoSort, &C::SetUndoSort).Default(false);
    P.Bool("AutoSortForGrouping", &C::AutoSortForGrouping, &C::SetAutoSortForGrouping).Default(true);
    P.Bool("SortOnVirtualCells", &C::SortOnVirtualCells, &C::SetSortOnVirtualCells).Default(true);
    P.Bool("IgnoreCase", &C::IgnoreCase, &C::SetIgnoreCase).Default(false);
    P.Color("HeaderColor", &C::HeaderColor, &C::SetHeaderColor).Default(clNone);
    P.Color("HeaderColorTo", &C::HeaderColorTo, &C::SetHeaderColorTo).Default(clNone);
    P.Color("HeaderMirrorColor", &C::HeaderMirrorColor, &C::SetHeaderMirrorColor).Default(clNone);
    P.Color("HeaderMirrorColorTo", &C::HeaderMirrorColorTo, &C::SetHeaderMirrorColorTo).Default(clNone);
    P.Enum("IndexSortKey", &C::IndexSortKey, &C::SetIndexSortKey).Default(ikShift);
  });

  PublishClass<TCellNode>("TPersistent", [](TPublish<TCellNode>& P) {
    using C = TCellNode;
    P.Color("Color", &C::Color, &C::SetColor).Default(clSilver);
    P.Enum("NodeType", &C::NodeType, &C::SetNodeType).Default(cnXP);
    P.Color("NodeColor", &C::NodeColor, &C::SetNodeColor).Default(clBlack);
    P.Object("ExpandGlyph", &C::ExpandGlyph);
    P.Bool("ExpandOne", &C::ExpandOne, &C::SetExpandOne).Default(false);
    P.Object("ContractGlyph", &C::ContractGlyph);
    P.Bool("ShowTree", &C::ShowTree, &C::SetShowTree).Default(true);
    P.Bool("ShowTreeFull", &C::ShowTreeFull, &C::SetShowTreeFull).Default(true);
    P.Integer("NodeIndent", &C::NodeIndent, &C::SetNodeIndent).Default(12);
    P.Color("TreeColor", &C::TreeColor, &C::SetTreeColor).Default(clGray);
  });

  PublishClass<TBackGround>("TPersistent", [](TPublish<TBackGround>& P) {
    using C = TBackGround;
    P.Integer("Top", &C::Top, &C::SetTop).Default(0);
    P.Integer("Left", &C::Left, &C::SetLeft).Default(0);
    P.Enum("Display", &C::Display, &C::SetDisplay).Default(bdTile);
    P.Object("Bitmap", &C::Bitmap);
    P.Enum("Cells", &C::Cells, &C::SetCells).Default(bcNormal);
    P.Color("Color", &C::Color, &C::SetColor).Default(clWindow);
    P.Color("ColorTo", &C::ColorTo, &C::SetColorTo).Default(clBtnFace);
  });
}

void PublishGrid() {
  PublishClass<TFooterPanel>("TCustomControl", [](TPublish<TFooterPanel>&) {});
  PublishClass<TSearchPanel>("TCustomControl", [](TPublish<TSearchPanel>&) {});

  PublishClass<TDedAdararAdoz>("TBaseGrid", [](TPublish<TDedAdararAdoz>& P) {
    using C = TDedAdararAdoz;
    // Counts and sizes in the grid's own defaults; the counts come before
    // anything sized by them.
    P.Integer("RowCount", &C::RowCount, &C::SetRowCount).Default(10);
    P.Integer("DefaultRowHeight", &C::DefaultRowHeight, &C::SetDefaultRowHeight).Default(22);
    // Declared 21 while a new grid has 22: always written.
    P.Integer("FixedRowHeight", &C::FixedRowHeight, &C::SetFixedRowHeight).Default(21);
    P.Integer("FixedColWidth", &C::FixedColWidth, &C::SetFixedColWidth).Default(64);
    P.Integer("FixedRightCols", &C::FixedRightCols, &C::SetFixedRightCols).Default(0);
    P.Integer("FixedFooters", &C::FixedFooters, &C::SetFixedFooters).Default(0);
    P.Bool("FixedRowAlways", &C::FixedRowAlways, &C::SetFixedRowAlways).Default(false);
    P.Bool("FixedColAlways", &C::FixedColAlways, &C::SetFixedColAlways).Default(false);

    P.Bool("ActiveCellShow", &C::ActiveCellShow, &C::SetActiveCellShow).Default(false);
    P.Object("ActiveCellFont", &C::ActiveCellFont);
    P.Color("ActiveCellColor", &C::ActiveCellColor, &C::SetActiveCellColor).Default(clGray);
    P.Color("ActiveCellColorTo", &C::ActiveCellColorTo, &C::SetActiveCellColorTo).Default(clNone);
    P.Bool("AnchorHint", &C::AnchorHint, &C::SetAnchorHint).Default(false);
    P.Bool("AutoFilterUpdate", &C::AutoFilterUpdate, &C::SetAutoFilterUpdate).Default(true);
    P.Bool("AutoNumAlign", &C::AutoNumAlign, &C::SetAutoNumAlign).Default(false);
    P.Bool("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(false);
    P.Bool("AutoThemeAdapt", &C::AutoThemeAdapt, &C::SetAutoThemeAdapt).Default(false);
    P.Object("Balloon", &C::Balloon);
    P.Object("Bands", &C::Bands);
    P.Object("BackGround", &C::BackGround);
    P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).NoDefault();
    P.Object("CellNode", &C::CellNode);
    P.Component("CellChecker", &C::CellChecker, &C::SetCellChecker);
    P.String("CheckFalse", &C::CheckFalse, &C::SetCheckFalse).Default(std::string("N"));
    P.String("CheckTrue", &C::CheckTrue, &C::SetCheckTrue).Default(std::string("Y"));
    P.Bool("ClearTextOnly", &C::ClearTextOnly, &C::SetClearTextOnly).Default(false);
    P.Strings("ColumnHeaders", &C::ColumnHeaders);
    P.Object("ColumnSize", &C::ColumnSize);
    P.Object("ControlLook", &C::ControlLook);
    P.Enum("DefaultAlignment", &C::DefaultAlignment, &C::SetDefaultAlignment).Default(taLeftJustify);
    P.Enum("DefaultEditor", &C::DefaultEditor, &C::SetDefaultEditor).Default(edNormal);
    P.Integer("Delimiter", &C::Delimiter, &C::SetDelimiter).Default(0);
    P.Color("DisabledFontColor", &C::DisabledFontColor, &C::SetDisabledFontColor).Default(clSilver);
    P.Object("DragDropSettings", &C::DragDropSettings);
    P.Object("DragScrollOptions", &C::DragScrollOptions);
    P.String("EditMask", &C::EditMask, &C::SetEditMask);
    P.Bool("EnableHTML", &C::EnableHTML, &C::SetEnableHTML).Default(true);
    P.Bool("EnableWheel", &C::EnableWheel, &C::SetEnableWheel).Default(true);
    P.Bool("EnhRowColMove", &C::EnhRowColMove, &C::SetEnhRowColMove).Default(true);
    P.Bool("ExcelClipboardFormat", &C::ExcelClipboardFormat, &C::SetExcelClipboardFormat).Default(false);
    P.Object("FilterDropDown", &C::FilterDropDown);
    P.Bool("FilterDropDownAuto", &C::FilterDropDownAuto, &C::SetFilterDropDownAuto).Default(false);
    P.String("FilterDropDownClear", &C::FilterDropDownClear, &C::SetFilterDropDownClear)
        .Default(std::string("(All)"));
    P.Enum("FilterDropDownColumns", &C::FilterDropDownColumns, &C::SetFilterDropDownColumns)
        .Default(fdNormal);
    P.Bool("FilterIncremental", &C::FilterIncremental, &C::SetFilterIncremental).Default(false);
    P.Bool("FilterNormalCellsOnly", &C::FilterNormalCellsOnly, &C::SetFilterNormalCellsOnly).Default(true);
    P.Bool("FitCellsInGrid", &C::FitCellsInGrid, &C::SetFitCellsInGrid).Default(true);
    P.Bool("FixedAsButtons", &C::FixedAsButtons, &C::SetFixedAsButtons).Default(false);
    P.Object("FixedFont", &C::FixedFont);
    P.String("FloatFormat", &C::FloatFormat, &C::SetFloatFormat).Default(std::string("%.2f"));
    P.Object("FloatingFooter", &C::FloatingFooter);
    P.Object("FocusHelper", &C::FocusHelper);
    P.Object("Grouping", &C::Grouping);
    P.Bool("HideFocusRect", &C::HideFocusRect, &C::SetHideFocusRect).Default(false);
    P.Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor).Default(clHighlight);
    P.Color("HighlightTextColor", &C::HighlightTextColor, &C::SetHighlightTextColor).Default(clHighlightText);
    P.Color("HintColor", &C::HintColor, &C::SetHintColor).Default(clInfoBk);
    P.Bool("HintShowCells", &C::HintShowCells, &C::SetHintShowCells).Default(false);
    P.Enum("HintShowLargeTextPos", &C::HintShowLargeTextPos, &C::SetHintShowLargeTextPos).Default(hpCell);
    P.Enum("HoverFixedCells", &C::HoverFixedCells, &C::SetHoverFixedCells).Default(hfNone);
    P.Object("HTMLSettings", &C::HTMLSettings);
    P.Bool("IntegralHeight", &C::IntegralHeight, &C::SetIntegralHeight).Default(false);
    P.Bool("IntelliZoom", &C::IntelliZoom, &C::SetIntelliZoom).Default(true);
    P.Enum("InvalidEntryIcon", &C::InvalidEntryIcon, &C::SetInvalidEntryIcon).Default(ieWarning);
    P.String("InvalidEntryText", &C::InvalidEntryText, &C::SetInvalidEntryText);
    P.String("InvalidEntryTitle", &C::InvalidEntryTitle, &C::SetInvalidEntryTitle);
    P.Bool("JavaCSV", &C::JavaCSV, &C::SetJavaCSV).Default(false);
    P.Bool("LoadFirstRow", &C::LoadFirstRow, &C::SetLoadFirstRow).Default(true);
    P.Enum("Look", &C::Look, &C::SetLook).Default(glXP);
    P.Integer("MaxColWidth", &C::MaxColWidth, &C::SetMaxColWidth).Default(0);
    P.Integer("MaxRowHeight", &C::MaxRowHeight, &C::SetMaxRowHeight).Default(0);
    P.Integer("MinColWidth", &C::MinColWidth, &C::SetMinColWidth).Default(0);
    P.Integer("MinRowHeight", &C::MinRowHeight, &C::SetMinRowHeight).Default(0);
    P.Object("MouseActions", &C::MouseActions);
    P.Object("Navigation", &C::Navigation);
    P.Bool("NoDefaultDraw", &C::NoDefaultDraw, &C::SetNoDefaultDraw).Default(false);
    P.Integer("PasswordChar", &C::PasswordChar, &C::SetPasswordChar).Default('*');
    P.Integer("PreviewPage", &C::PreviewPage, &C::SetPreviewPage).Default(1);
    P.Bool("PrinterDriverFix", &C::PrinterDriverFix, &C::SetPrinterDriverFix).Default(false);
    P.Object("PrintSettings", &C::PrintSettings);
    P.Object("ProgressAppearance", &C::ProgressAppearance);
    P.Bool("QuoteEmptyCells", &C::QuoteEmptyCells, &C::SetQuoteEmptyCells).Default(true);
    P.Bool("AlwaysQuotes", &C::AlwaysQuotes, &C::SetAlwaysQuotes).Default(false);
    P.Strings("RowHeaders", &C::RowHeaders);
    P.Object("RowIndicator", &C::RowIndicator);
    P.Bool("SaveFixedCells", &C::SaveFixedCells, &C::SetSaveFixedCells).Default(true);
    P.Bool("SaveFixedRows", &C::SaveFixedRows, &C::SetSaveFixedRows).Default(false);
    P.Bool("SaveFixedCols", &C::SaveFixedCols, &C::SetSaveFixedCols).Default(false);
    P.Bool("SaveHiddenCells", &C::SaveHiddenCells, &C::SetSaveHiddenCells).Default(false);
    P.Bool("SaveVirtCells", &C::SaveVirtCells, &C::SetSaveVirtCells).Default(true);
    P.Bool("SaveWithHTML", &C::SaveWithHTML, &C::SetSaveWithHTML).Default(true);
    P.Enum("ScrollBarAlways", &C::ScrollBarAlways, &C::SetScrollBarAlways).Default(saNone);
    P.Color("ScrollColor", &C::ScrollColor, &C::SetScrollColor).Default(clNone);
    P.Enum("ScrollHints", &C::ScrollHints, &C::SetScrollHints).Default(shNone);
    P.Bool("ScrollProportional", &C::ScrollProportional, &C::SetScrollProportional).Default(false);
    P.Bool("ScrollSynch", &C::ScrollSynch, &C::SetScrollSynch).Default(false);
    P.Enum("ScrollType", &C::ScrollType, &C::SetScrollType).Default(ssNormal);
    P.Integer("ScrollWidth", &C::ScrollWidth, &C::SetScrollWidth).Default(17);
    P.Object("SearchFooter", &C::SearchFooter);
    P.Color("SelectionColor", &C::SelectionColor, &C::SetSelectionColor)
        .Default(static_cast<TColor>(0xEACAB6));
    P.Color("SelectionColorTo", &C::SelectionColorTo, &C::SetSelectionColorTo).Default(clNone);
    P.Color("SelectionMirrorColor", &C::SelectionMirrorColor, &C::SetSelectionMirrorColor).Default(clNone);
    P.Color("SelectionMirrorColorTo", &C::SelectionMirrorColorTo, &C::SetSelectionMirrorColorTo)
        .Default(clNone);
    P.Integer("SelectionColorMixerFactor", &C::SelectionColorMixerFactor, &C::SetSelectionColorMixerFactor)
        .Default(50);
    P.Color("SelectionRectangleColor", &C::SelectionRectangleColor, &C::SetSelectionRectangleColor)
        .Default(clBlack);
    P.Color("SelectionTextColor", &C::SelectionTextColor, &C::SetSelectionTextColor).Default(clBlack);
    P.Bool("ShowDesignHelper", &C::ShowDesignHelper, &C::SetShowDesignHelper).Default(true);
    P.Object("ShowModified", &C::ShowModified);
    P.Bool("ShowNullDates", &C::ShowNullDates, &C::SetShowNullDates).Default(true);
    P.Bool("ShowSelection", &C::ShowSelection, &C::SetShowSelection).Default(true);
    P.Bool("SpreadSheet", &C::SpreadSheet, &C::SetSpreadSheet).Default(false);
    P.Bool("SizeGrowOnly", &C::SizeGrowOnly, &C::SetSizeGrowOnly).Default(false);
    P.Object("SizeWhileTyping", &C::SizeWhileTyping);
    P.Object("SortSettings", &C::SortSettings);
    P.Object("SyncGrid", &C::SyncGrid);
    P.Color("URLColor", &C::URLColor, &C::SetURLColor).Default(static_cast<TColor>(0xFF0000));
    P.Bool("UseDisabledFont", &C::UseDisabledFont, &C::SetUseDisabledFont).Default(true);
    P.Bool("UseInternalHintClass", &C::UseInternalHintClass, &C::SetUseInternalHintClass).Default(true);
    P.Enum("VAlignment", &C::VAlignment, &C::SetVAlignment).Default(vtaTop);
    P.String("Version", &C::Version, &C::SetVersion).Stored(false);
    P.Color("VyxGradientFrom", &C::VyxGradientFrom, &C::SetVyxGradientFrom).Default(clWhite);
    P.Color("VyxGradientTo", &C::VyxGradientTo, &C::SetVyxGradientTo).NoDefault();
    P.Color("VyxGradientMirrorFrom", &C::VyxGradientMirrorFrom, &C::SetVyxGradientMirrorFrom).Default(clNone);
    P.Color("VyxGradientMirrorTo", &C::VyxGradientMirrorTo, &C::SetVyxGradientMirrorTo).Default(clNone);
    P.Bool("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(true);
    P.String("XMLEncoding", &C::XMLEncoding, &C::SetXMLEncoding).Default(std::string("ISO-8859-1"));
    P.Integer("XYOffsetX", &C::XYOffsetX, &C::SetXYOffsetX).Default(2);
    P.Integer("XYOffsetY", &C::XYOffsetY, &C::SetXYOffsetY).Default(2);

    P.Event("OnButtonClick", &C::OnButtonClick);
    P.Event("OnCanAddRow", &C::OnCanAddRow);
    P.Event("OnCanEditCell", &C::OnCanEditCell);
    P.Event("OnCanInsertRow", &C::OnCanInsertRow);
    P.Event("OnCheckBoxChange", &C::OnCheckBoxChange);
    P.Event("OnColorSelect", &C::OnColorSelect);
    P.Event("OnComboCloseUp", &C::OnComboCloseUp);
    P.Event("OnComboDropDown", &C::OnComboDropDown);
    P.Event("OnDatePickerCloseUp", &C::OnDatePickerCloseUp);
    P.Event("OnDatePickerDropDown", &C::OnDatePickerDropDown);
    P.Event("OnDateTimeChange", &C::OnDateTimeChange);
    P.Event("OnCellBalloon", &C::OnCellBalloon);
    P.Event("OnEditCellDone", &C::OnEditCellDone);
    P.Event("OnEditChange", &C::OnEditChange);
    P.Event("OnEditingDone", &C::OnEditingDone);
    P.Event("OnExpandClick", &C::OnExpandClick);
    P.Event("OnGetAlignment", &C::OnGetAlignment);
    P.Event("OnGetCellBorder", &C::OnGetCellBorder);
    P.Event("OnGetCellColor", &C::OnGetCellColor);
    P.Event("OnGetCellCursor", &C::OnGetCellCursor);
    P.Event("OnGetCellPrintBorder", &C::OnGetCellPrintBorder);
    P.Event("OnGetCellPrintColor", &C::OnGetCellPrintColor);
    P.Event("OnGetCheckFalse", &C::OnGetCheckFalse);
    P.Event("OnGetCheckTrue", &C::OnGetCheckTrue);
    P.Event("OnGetColumnFilter", &C::OnGetColumnFilter);
    P.Event("OnGetEditorType", &C::OnGetEditorType);
    P.Event("OnGetFormat", &C::OnGetFormat);
    P.Event("OnGetWordWrap", &C::OnGetWordWrap);
    P.Event("OnGridHint", &C::OnGridHint);
    P.Event("OnGridWideHint", &C::OnGridWideHint);
    P.Event("OnHasComboBox", &C::OnHasComboBox);
    P.Event("OnHasSpinEdit", &C::OnHasSpinEdit);
    P.Event("OnImageSelect", &C::OnImageSelect);
    P.Event("OnIsFixedCell", &C::OnIsFixedCell);
    P.Event("OnIsPasswordCell", &C::OnIsPasswordCell);
    P.Event("OnRatingChange", &C::OnRatingChange);
    P.Event("OnRowChanged", &C::OnRowChanged);
    P.Event("OnRowDisjunctSelect", &C::OnRowDisjunctSelect);
    P.Event("OnRowDisjunctSelected", &C::OnRowDisjunctSelected);
    P.Event("OnSearchFooterAction", &C::OnSearchFooterAction);
    P.Event("OnClickCell", &C::OnClickCell);
    P.Event("OnDblClickCell", &C::OnDblClickCell);
    P.Event("OnCheckBoxClick", &C::OnCheckBoxClick);
    P.Event("OnComboChange", &C::OnComboChange);
    P.Event("OnColumnSize", &C::OnColumnSize);
    P.Event("OnRowSize", &C::OnRowSize);
    P.Event("OnFilterSelect", &C::OnFilterSelect);
    P.Event("OnGetFloatFormat", &C::OnGetFloatFormat);

    // Painting.
    P.Bool("EnhTextSize", &C::EnhTextSize, &C::SetEnhTextSize).Default(false);
    P.Integer("FilterDropDownRow", &C::FilterDropDownRow, &C::SetFilterDropDownRow).Default(0);
    P.Bool("Flat", &C::Flat, &C::SetFlat).Default(false);
    P.Component("GridImages", &C::GridImages, &C::SetGridImages);
    P.Bool("MultilineCells", &C::MultilineCells, &C::SetMultilineCells).Default(false);
    P.Bool("NoImageAndText", &C::NoImageAndText, &C::SetNoImageAndText).Default(false);
    P.Component("PictureContainer", &C::PictureContainer, &C::SetPictureContainer);
    P.Component("FixedDropDownMenu", &C::FixedDropDownMenu, &C::SetFixedDropDownMenu);
    P.Event("OnFixedDropDownClick", &C::OnFixedDropDownClick);
    P.Bool("SelectionColorMixer", &C::SelectionColorMixer, &C::SetSelectionColorMixer).Default(false);
    P.Bool("SelectionRectangle", &C::SelectionRectangle, &C::SetSelectionRectangle).Default(false);
    P.Bool("SelectionResizer", &C::SelectionResizer, &C::SetSelectionResizer).Default(false);
    P.Bool("URLFull", &C::URLFull, &C::SetURLFull).Default(false);
    P.Bool("URLShow", &C::URLShow, &C::SetURLShow).Default(false);
    P.Bool("URLShowInText", &C::URLShowInText, &C::SetURLShowInText).Default(false);
    P.Bool("URLUnderlineOnHover", &C::URLUnderlineOnHover, &C::SetURLUnderlineOnHover).Default(false);
    P.Bool("XYOffsetTopLeftOnly", &C::XYOffsetTopLeftOnly, &C::SetXYOffsetTopLeftOnly).Default(false);
    P.Event("OnCustomCellBkgDraw", &C::OnCustomCellBkgDraw);
    P.Event("OnCustomCellDraw", &C::OnCustomCellDraw);
    P.Event("OnGetCellBorderProp", &C::OnGetCellBorderProp);
    P.Event("OnGetCellGradient", &C::OnGetCellGradient);
    P.Event("OnPainted", &C::OnPainted);

    // In-place editing, cell selection and the grid's hooks.
    P.Bool("AlwaysValidate", &C::AlwaysValidate, &C::SetAlwaysValidate).Default(false);
    P.Bool("EditWithTags", &C::EditWithTags, &C::SetEditWithTags).Default(false);
    P.Bool("EnableBlink", &C::EnableBlink, &C::SetEnableBlink).Default(false);
    P.Bool("ExcelStyleDecimalSeparator", &C::ExcelStyleDecimalSeparator, &C::SetExcelStyleDecimalSeparator)
        .Default(false);
    P.Bool("Hovering", &C::Hovering, &C::SetHovering).Default(false);
    P.Bool("Lookup", &C::Lookup, &C::SetLookup).Default(false);
    P.Bool("LookupCaseSensitive", &C::LookupCaseSensitive, &C::SetLookupCaseSensitive).Default(false);
    P.Bool("LookupHistory", &C::LookupHistory, &C::SetLookupHistory).Default(false);
    P.Strings("LookupItems", &C::LookupItems);
    P.Integer("MaxComboLength", &C::MaxComboLength, &C::SetMaxComboLength).Default(0);
    P.Integer("MaxEditLength", &C::MaxEditLength, &C::SetMaxEditLength).Default(0);
    P.Bool("SaveWithRTF", &C::SaveWithRTF, &C::SetSaveWithRTF).Default(false);
    P.String("ValidChars", &C::ValidChars, &C::SetValidChars).Default(std::string());
    P.Event("OnAutoDeleteRow", &C::OnAutoDeleteRow);
    P.Event("OnCanShowFixedDropDown", &C::OnCanShowFixedDropDown);
    P.Event("OnCellChanging", &C::OnCellChanging);
    P.Event("OnCellValidate", &C::OnCellValidate);
    P.Event("OnCellValidateWide", &C::OnCellValidateWide);
    P.Event("OnCellsChanged", &C::OnCellsChanged);
    P.Event("OnClickSort", &C::OnClickSort);
    P.Event("OnClipboardAfterPasteCell", &C::OnClipboardAfterPasteCell);
    P.Event("OnClipboardBeforePasteCell", &C::OnClipboardBeforePasteCell);
    P.Event("OnClipboardAfterPasteWideCell", &C::OnClipboardAfterPasteWideCell);
    P.Event("OnClipboardBeforePasteWideCell", &C::OnClipboardBeforePasteWideCell);
    P.Event("OnClipboardCopy", &C::OnClipboardCopy);
    P.Event("OnClipboardCut", &C::OnClipboardCut);
    P.Event("OnClipboardPaste", &C::OnClipboardPaste);
    P.Event("OnColChanging", &C::OnColChanging);
    P.Event("OnComboObjectChange", &C::OnComboObjectChange);
    P.Event("OnEndBlockFocus", &C::OnEndBlockFocus);
    P.Event("OnEndRowSize", &C::OnEndRowSize);
    P.Event("OnFilterDone", &C::OnFilterDone);
    P.Event("OnFixedEdit", &C::OnFixedEdit);
    P.Event("OnGetEditorProp", &C::OnGetEditorProp);
    P.Event("OnGetEditorPropInt", &C::OnGetEditorPropInt);
    P.Event("OnLoadCell", &C::OnLoadCell);
    P.Event("OnPrintGetPageNum", &C::OnPrintGetPageNum);
    P.Event("OnRowChanging", &C::OnRowChanging);
    P.Event("OnSaveCell", &C::OnSaveCell);
    P.Event("OnScrollCell", &C::OnScrollCell);
    P.Event("OnSelectionChanged", &C::OnSelectionChanged);
    P.Event("OnRichEditSelectionChange", &C::OnRichEditSelectionChange);
    P.Event("OnSelectionResize", &C::OnSelectionResize);
    P.Event("OnSelectionResized", &C::OnSelectionResized);
    P.Event("OnStartBlockFocus", &C::OnStartBlockFocus);
    // Keyboard and mouse.
    P.Enum("IntelliPan", &C::IntelliPan, &C::SetIntelliPan).Default(ipVertical);
    P.Bool("HintShowLargeText", &C::HintShowLargeText, &C::SetHintShowLargeText).Default(false);
    P.Bool("HTMLHint", &C::HTMLHint, &C::SetHTMLHint).Default(false);
    P.Bool("HintShowSizing", &C::HintShowSizing, &C::SetHintShowSizing).Default(false);
    P.Bool("URLEdit", &C::URLEdit, &C::SetURLEdit).Default(false);
    P.Event("OnCanClickCell", &C::OnCanClickCell);
    P.Event("OnRightClickCell", &C::OnRightClickCell);
    P.Event("OnAnchorClick", &C::OnAnchorClick);
    P.Event("OnAnchorHint", &C::OnAnchorHint);
    P.Event("OnRadioClick", &C::OnRadioClick);
    P.Event("OnRadioButtonClick", &C::OnRadioButtonClick);
    P.Event("OnCheckBoxMouseUp", &C::OnCheckBoxMouseUp);
    P.Event("OnRadioMouseUp", &C::OnRadioMouseUp);
    P.Event("OnCanSort", &C::OnCanSort);
    P.Event("OnAutoAddRow", &C::OnAutoAddRow);
    P.Event("OnAutoInsertRow", &C::OnAutoInsertRow);
    P.Event("OnAutoInsertCol", &C::OnAutoInsertCol);
    P.Event("OnCanDeleteRow", &C::OnCanDeleteRow);
    P.Event("OnAutoAdvance", &C::OnAutoAdvance);
    P.Event("OnEndColumnSize", &C::OnEndColumnSize);
    P.Event("OnUpdateColumnSize", &C::OnUpdateColumnSize);
    P.Event("OnBeforeExpandNode", &C::OnBeforeExpandNode);
    P.Event("OnBeforeContractNode", &C::OnBeforeContractNode);
    P.Event("OnExpandNode", &C::OnExpandNode);
    P.Event("OnContractNode", &C::OnContractNode);
  });
}

const TPublishedRegistrar kDivUzevTables([] {
  PublishSettings();
  PublishGrid();
});

}  // namespace

// The grid constructor calls this, so the linker keeps this file and its
// tables with the grid.
void LinkDivUzevPublished() {}
