// Published tables of the column grid, its column items and the column
// stream holder: what stored layouts and column streams may set.
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Controls_Published.h"
#include "framework/controls/Menus.h"
#include "framework/graphics/Graphics_Published.h"
#include "grid/base/BaseGrid_Published.h"
#include "grid/model/DivUzev_Published.h"
#include "grid/model/VevCGrid.h"

CF_ENUM_IDENTS(TColumnPopupType, cpFixedCellsRClick, cpFixedCellsLClick, cpNormalCellsRClick,
               cpNormalCellsLClick, cpAllCellsRClick, cpAllCellsLClick)

namespace {

// Items are read into plain new items (with their creation defaults), not
// into ones that copy the column before them: a layout's column says all
// that differs from the defaults.
TCollection* PlainColumns(TRavUvurerEduz* G) { return G->Columns(); }
TCollection* PlainItems(TRavUvurerEduzIO* H) { return H->Items(); }

const TPublishedRegistrar kVevCGridTables([] {
  PublishClass<TGridColumnItem>("TCollectionItem", [](TPublish<TGridColumnItem>& P) {
    using C = TGridColumnItem;
    P.Integer("Width", &C::Width, &C::SetWidth).NoDefault();
    P.Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify);
    P.String("Header", &C::Header, &C::SetHeader);
    P.Enum("SortStyle", &C::SortStyle, &C::SetSortStyle).Default(ssAutomatic);
    P.String("SortPrefix", &C::SortPrefix, &C::SetSortPrefix);
    P.String("SortSuffix", &C::SortSuffix, &C::SetSortSuffix);
    P.String("EditMask", &C::EditMask, &C::SetEditMask);
    P.Integer("EditLength", &C::EditLength, &C::SetEditLength).Default(0);
    P.Component("EditLink", &C::EditLink, &C::SetEditLink);
    P.Object("Font", &C::Font);
    P.Color("Color", &C::Color, &C::SetColor).NoDefault();
    P.Enum("Editor", &C::Editor, &C::SetEditor).Default(edNormal);
    P.Bool("Fixed", &C::Fixed, &C::SetFixed).Default(false);
    P.Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    P.Strings("ComboItems", &C::ComboItems);
    P.Integer("DropDownCount", &C::DropDownCount, &C::SetDropDownCount).Default(8);
    P.Integer("SpinMin", &C::SpinMin, &C::SetSpinMin).Default(0);
    P.Integer("SpinMax", &C::SpinMax, &C::SetSpinMax).Default(0);
    P.Integer("SpinStep", &C::SpinStep, &C::SetSpinStep).Default(1);
    P.Bool("Password", &C::Password, &C::SetPassword).Default(false);
    P.Object("PrintFont", &C::PrintFont);
    P.Color("PrintColor", &C::PrintColor, &C::SetPrintColor).Default(clWhite);
    P.Set("Borders", &C::Borders, &C::SetBorders).Default(TCellBorders{});
    P.Object("BorderPen", &C::BorderPen);
    P.Set("PrintBorders", &C::PrintBorders, &C::SetPrintBorders)
        .Default(TCellBorders{cbTop, cbLeft, cbRight, cbBottom});
    P.Object("PrintBorderPen", &C::PrintBorderPen);
    P.Integer("Tag", &C::Tag, &C::SetTag).Default(0);
    P.String("Name", &C::Name, &C::SetName);
    P.String("CheckFalse", &C::CheckFalse, &C::SetCheckFalse).Default(std::string("N"));
    P.String("CheckTrue", &C::CheckTrue, &C::SetCheckTrue).Default(std::string("Y"));
    P.Bool("ShowBands", &C::ShowBands, &C::SetShowBands).Default(false);
    P.Strings("Filter", &C::Filter);
    P.Integer("MaxSize", &C::MaxSize, &C::SetMaxSize).Default(0);
    P.Integer("MinSize", &C::MinSize, &C::SetMinSize).Default(0);
    P.Integer("AutoMinSize", &C::AutoMinSize, &C::SetAutoMinSize).Default(0);
    P.Integer("AutoMaxSize", &C::AutoMaxSize, &C::SetAutoMaxSize).Default(0);
    P.Enum("ColumnPopupType", &C::ColumnPopupType, &C::SetColumnPopupType).Default(cpFixedCellsRClick);
    P.Component("ColumnPopup", &C::ColumnPopup, &C::SetColumnPopup);
    P.Bool("FilterCaseSensitive", &C::FilterCaseSensitive, &C::SetFilterCaseSensitive).Default(false);
    P.String("FloatFormat", &C::FloatFormat, &C::SetFloatFormat);
    P.Enum("HeaderAlignment", &C::HeaderAlignment, &C::SetHeaderAlignment).Default(taLeftJustify);
    P.Object("HeaderFont", &C::HeaderFont);
    P.Bool("PrintBorderCustom", &C::PrintBorderCustom, &C::SetPrintBorderCustom).Default(true);
    P.Bool("PrintFontCustom", &C::PrintFontCustom, &C::SetPrintFontCustom).Default(true);
  });

  PublishClass<TGridColumnCollection>("TCollection", [](TPublish<TGridColumnCollection>&) {});

  PublishClass<TRavUvurerEduz>("TDedAdararAdoz", [](TPublish<TRavUvurerEduz>& P) {
    using C = TRavUvurerEduz;
    P.Collection("Columns", &PlainColumns);
    P.Integer("ColCount", &C::ColCount, &C::SetColCount).Default(5);
    P.Bool("AutoFilterDisplay", &C::AutoFilterDisplay, &C::SetAutoFilterDisplay).Default(false);
    P.Event("OnColumnPopup", &C::OnColumnPopup);
    P.Event("OnAfterColumnMoved", &C::OnAfterColumnMoved);
  });

  PublishClass<TRavUvurerEduzIO>("TComponent",
                                 [](TPublish<TRavUvurerEduzIO>& P) { P.Collection("Items", &PlainItems); });
});

}  // namespace

// The column grid's constructor calls this, so the linker keeps this file
// and its tables with the grid.
void LinkVevCGridPublished() {}

void RegisterColumnGridClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  LinkVevCGridPublished();
  RegisterClass<TRavUvurerEduz>();
  RegisterClass<TRavUvurerEduzIO>();
}
