// Published tables of the cell store and of its cell properties.
#include "grid/base/BaseGrid_Published.h"

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "framework/graphics/Graphics_Published.h"
#include "grid/base/UndoRedo.h"

namespace {

const TPublishedRegistrar kBaseGridTables([] {
  // Cell properties in the order the binary cell stream writes them; the
  // owner position is set by whoever places the object, never stored.
  PublishClass<TCellProperties>("TPersistent", [](TPublish<TCellProperties>& P) {
    using C = TCellProperties;
    P.Bool("IsBaseCell", &C::IsBaseCell, &C::SetIsBaseCell).Default(true);
    P.Integer("CellSpanX", &C::CellSpanX, &C::SetCellSpanX).Default(-1);
    P.Integer("CellSpanY", &C::CellSpanY, &C::SetCellSpanY).Default(-1);
    P.Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify);
    P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(0);
    P.Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth).Default(0);
    P.Color("BrushColor", &C::BrushColor, &C::SetBrushColor).Default(clNone);
    P.Color("BrushColorTo", &C::BrushColorTo, &C::SetBrushColorTo).Default(clNone);
    P.Enum("BrushStyle", &C::BrushStyle, &C::SetBrushStyle).Default(bsSolid);
    P.Integer("CellObject", &C::CellObject, &C::SetCellObject).Default(0);
    P.Color("FontColor", &C::FontColor, &C::SetFontColor).Default(clNone);
    P.String("FontName", &C::FontName, &C::SetFontName);
    P.Integer("FontSize", &C::FontSize, &C::SetFontSize).Default(0);
    P.Set("FontStyle", &C::FontStyle, &C::SetFontStyle).Default(TFontStyles{});
    P.Enum("Editor", &C::Editor, &C::SetEditor).Default(edNormal);
    P.Enum("GradientDirection", &C::GradientDirection, &C::SetGradientDirection).Default(GradientVertical);
    P.Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    P.Enum("VAlignment", &C::VAlignment, &C::SetVAlignment).Default(vtaTop);
    P.Bool("WordWrap", &C::WordWrap, &C::SetWordWrap).Default(true);
    P.Integer("NodeLevel", &C::NodeLevel, &C::SetNodeLevel).Default(0);
    P.Component("Control", &C::Control, &C::SetControl);
    P.Integer("OwnerCol", &C::OwnerCol, &C::SetOwnerCol).Stored(false);
    P.Integer("OwnerRow", &C::OwnerRow, &C::SetOwnerRow).Stored(false);
    P.Enum("CalcType", &C::CalcType, &C::SetCalcType).Default(acNONE).Stored(false);
  });

  PublishClass<TObjStringGrid>("TStringGrid", [](TPublish<TObjStringGrid>&) {});
  PublishClass<TBaseGrid>("TObjStringGrid", [](TPublish<TBaseGrid>& P) {
    using C = TBaseGrid;
    P.Bool("ActiveRowShow", &C::ActiveRowShow, &C::SetActiveRowShow).Default(false);
    P.Color("ActiveRowColor", &C::ActiveRowColor, &C::SetActiveRowColor).Default(clInfoBk);
    P.Bool("DefaultDrawing", &C::DefaultDrawing, &C::SetDefaultDrawing).Default(false);
    P.Integer("GridLineWidth", &C::GridLineWidth, &C::SetGridLineWidth).Default(1);
    P.Color("GridLineColor", &C::GridLineColor, &C::SetGridLineColor).Default(clSilver);
    P.Color("GridFixedLineColor", &C::GridFixedLineColor, &C::SetGridFixedLineColor).Default(clGray);
    P.Bool("HoverRow", &C::HoverRow, &C::SetHoverRow).Default(false);
    P.Color("HoverRowColor", &C::HoverRowColor, &C::SetHoverRowColor).Default(clInfoBk);
    P.Color("HoverRowColorTo", &C::HoverRowColorTo, &C::SetHoverRowColorTo).Default(clNone);
    P.Set("HoverRowCells", &C::HoverRowCells, &C::SetHoverRowCells)
        .Default(THoverRowCells{hcNormal, hcSelected});
    P.Component("UndoRedo", &C::UndoRedo, &C::SetUndoRedo);
    P.Event("OnGetDisplText", &C::OnGetDisplText);
    P.Event("OnGetDisplWideText", &C::OnGetDisplWideText);
  });
});

}  // namespace

// The grid constructor calls this, so the linker keeps this file and its
// tables with the grid.
void LinkBaseGridPublished() {}
