// Published tables of the two drop-downs whose pop-up is a table: the grid
// drop-down and the multi-column drop-down, with their columns and items.
#include "controls/dropdown/VevCustomGridDropDown.h"
#include "controls/dropdown/VevDropDown_Published.h"
#include "controls/dropdown/VevMultiColumnDropDown.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "framework/graphics/ImgList.h"

CF_ENUM_IDENTS(TColumnType, ctText, ctImage)
CF_ENUM_IDENTS(TDropDownStyle, dsDropDown, dsDropDownList)
CF_ENUM_IDENTS(TGridSorting, gsNone, gsSingleColumn, gsMultiColumn)
CF_ENUM_IDENTS(TLookupMethod, lmLookup, lmNarrowDown, lmNone)

namespace {

template <class C>
void PublishColumn(TPublish<C>& P) {
  P.Integer("Width", &C::Width, &C::SetWidth).Default(80);
  P.Color("Color", &C::Color, &C::SetColor).Default(static_cast<TColor>(0xFFFFFF));
  P.Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify);
  P.Bool("Ellipsis", &C::Ellipsis, &C::SetEllipsis).Default(false);
  P.Object("Font", &C::Font);
  P.Enum("ColumnType", &C::ColumnType, &C::SetColumnType).Default(ctText);
  P.String("Header", &C::Header, &C::SetHeader);
  P.Bool("Wordwrap", &C::Wordwrap, &C::SetWordwrap).Default(false);
  P.Bool("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(false);
}

template <class C>
void PublishItem(TPublish<C>& P) {
  P.Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1);
  P.Strings("Text", [](C* c) -> TStrings* { return c->Text(); });
}

const TPublishedRegistrar kTableDropDownTables([] {
  namespace G = VevCustomGridDropDown;
  namespace M = VevMultiColumnDropDown;
  PublishClass<G::TDropDownColumn>("TCollectionItem",
                                   [](TPublish<G::TDropDownColumn>& P) { PublishColumn(P); });
  PublishClass<G::TDropDownColumns>("TCollection", [](TPublish<G::TDropDownColumns>&) {});
  PublishClass<G::TDropDownItem>("TCollectionItem", [](TPublish<G::TDropDownItem>& P) { PublishItem(P); });
  PublishClass<G::TDropDownItems>("TCollection", [](TPublish<G::TDropDownItems>&) {});
  PublishClass<M::TDropDownColumn>("TCollectionItem",
                                   [](TPublish<M::TDropDownColumn>& P) { PublishColumn(P); });
  PublishClass<M::TDropDownColumns>("TCollection", [](TPublish<M::TDropDownColumns>&) {});
  PublishClass<M::TDropDownItem>("TCollectionItem", [](TPublish<M::TDropDownItem>& P) { PublishItem(P); });
  PublishClass<M::TDropDownItems>("TCollection", [](TPublish<M::TDropDownItems>&) {});

  PublishClass<TCustomDivUzevDropDown>("TVevUrizazEvuvUduz", [](TPublish<TCustomDivUzevDropDown>& P) {
    using C = TCustomDivUzevDropDown;
    PublishDropDown(P);
    P.Bool("AutoShowDropDown", &C::AutoShowDropDown, &C::SetAutoShowDropDown).Default(false);
    P.Bool("AutoSizeColumns", &C::AutoSizeColumns, &C::SetAutoSizeColumns).Default(true);
    P.Bool("CaseSensitive", &C::CaseSensitive, &C::SetCaseSensitive).Default(false);
    P.Bool("DropDownAutoWidth", &C::DropDownAutoWidth, &C::SetDropDownAutoWidth).Default(true);
    P.Integer("DropDownRowHeight", &C::DropDownRowHeight, &C::SetDropDownRowHeight).Default(22);
    P.Color("LineColor", &C::LineColor, &C::SetLineColor);
    P.Color("FixedLineColor", &C::FixedLineColor, &C::SetFixedLineColor);
    P.Bool("ColumnSizing", &C::ColumnSizing, &C::SetColumnSizing).Default(false);
    P.Bool("ColumnMoving", &C::ColumnMoving, &C::SetColumnMoving).Default(false);
    P.Bool("ColumnSizeWithDropDown", &C::ColumnSizeWithDropDown, &C::SetColumnSizeWithDropDown).Default(true);
    P.Collection("Columns", &C::Columns);
    P.Bool("GridEditable", &C::GridEditable, &C::SetGridEditable).Default(false);
    P.Component("GridImages", &C::GridImages, &C::SetGridImages);
    P.Color("HeaderColor", &C::HeaderColor, &C::SetHeaderColor);
    P.Color("HeaderColorTo", &C::HeaderColorTo, &C::SetHeaderColorTo);
    P.Integer("HeaderHeight", &C::HeaderHeight, &C::SetHeaderHeight).Default(25);
    P.Object("HeaderFont", &C::HeaderFont);
    P.Bool("HoverRow", &C::HoverRow, &C::SetHoverRow).Default(false);
    P.Color("HoverRowColor", &C::HoverRowColor, &C::SetHoverRowColor);
    P.Color("HoverRowColorTo", &C::HoverRowColorTo, &C::SetHoverRowColorTo);
    P.Collection("Items", &C::Items);
    P.Integer("LookupColumn", &C::LookupColumn, &C::SetLookupColumn).Default(0);
    P.Enum("LookupMethod", &C::LookupMethod, &C::SetLookupMethod).Default(lmLookup);
    P.Bool("RowSizing", &C::RowSizing, &C::SetRowSizing).Default(false);
    P.Bool("RowMoving", &C::RowMoving, &C::SetRowMoving).Default(false);
    P.Color("SelectionTextColor", &C::SelectionTextColor, &C::SetSelectionTextColor);
    P.Bool("RowSelect", &C::RowSelect, &C::SetRowSelect).Default(true);
    P.Enum("Sorting", &C::Sorting, &C::SetSorting).Default(gsNone);
    P.Enum("Style", &C::Style, &C::SetStyle).Default(dsDropDown);
    P.Bool("UseItems", &C::UseItems, &C::SetUseItems).Default(true);
    // After the items, so that the index finds its item.
    P.Integer("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1);
    P.Event("OnSelect", &C::OnSelect);
    // Items loaded from a layout take part in the completion.
    P.AfterReading([](C* c) { c->EndUpdate(); });
  });

  PublishClass<TVevMultiColumnDropDown>("TVevUrizazEvuvUduz", [](TPublish<TVevMultiColumnDropDown>& P) {
    using C = TVevMultiColumnDropDown;
    PublishDropDown(P);
    P.Bool("CaseSensitive", &C::CaseSensitive, &C::SetCaseSensitive).Default(false);
    P.Bool("ColumnSizing", &C::ColumnSizing, &C::SetColumnSizing).Default(false);
    P.Bool("ColumnSizeWithDropDown", &C::ColumnSizeWithDropDown, &C::SetColumnSizeWithDropDown).Default(true);
    P.Collection("Columns", &C::Columns);
    P.Bool("DropDownAutoWidth", &C::DropDownAutoWidth, &C::SetDropDownAutoWidth).Default(true);
    P.Integer("DropDownRowHeight", &C::DropDownRowHeight, &C::SetDropDownRowHeight).Default(22);
    P.Color("HeaderColor", &C::HeaderColor, &C::SetHeaderColor);
    P.Color("HeaderColorTo", &C::HeaderColorTo, &C::SetHeaderColorTo);
    P.Integer("HeaderHeight", &C::HeaderHeight, &C::SetHeaderHeight).Default(25);
    P.Object("HeaderFont", &C::HeaderFont);
    P.Color("LineColor", &C::LineColor, &C::SetLineColor);
    P.Color("FixedLineColor", &C::FixedLineColor, &C::SetFixedLineColor);
    P.Collection("Items", &C::Items);
    P.Integer("LookupColumn", &C::LookupColumn, &C::SetLookupColumn).Default(0);
    P.Color("SelectionTextColor", &C::SelectionTextColor, &C::SetSelectionTextColor);
    P.Integer("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1);
    P.Event("OnSelect", &C::OnSelect);
    P.Event("OnDropDownDrawItem", &C::OnDropDownDrawItem);
    P.Event("OnDropDownGetItemText", &C::OnDropDownGetItemText);
    P.AfterReading([](C* c) { c->EndUpdate(); });
  });
});

}  // namespace

// The table drop-downs' constructors call this, so the linker keeps the tables.
void LinkVevTableDropDownsPublished() {}
