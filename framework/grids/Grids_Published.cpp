// Published tables of the grids, for the stored form layouts.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "framework/grids/Grids.h"

CF_ENUM_IDENTS(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
CF_ENUM_IDENTS(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
               goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs,
               goRowSelect, goAlwaysShowEditor, goThumbTracking)

namespace {

// Widths or heights are stored as one list, and only when one of them
// differs from the default size.
template <class Count, class Get, class Set>
void DefineSizes(TPublish<TCustomGrid>& P, const std::string& Name, Count count, Get get, Set set,
                 int (TCustomGrid::*defaultSize)() const) {
  P.Define(
      Name,
      [=](TCustomGrid* g) {
        for (int i = 0; i < (g->*count)(); ++i)
          if ((g->*get)(i) != (g->*defaultSize)()) return true;
        return false;
      },
      [=](TCustomGrid* g) {
        std::vector<TLayoutValue> list;
        for (int i = 0; i < (g->*count)(); ++i) list.push_back(TLayoutValue::Integer((g->*get)(i)));
        return TLayoutValue::ListOf(std::move(list));
      },
      [=](TCustomGrid* g, const TLayoutValue& v) {
        if (v.Kind != TLayoutValueKind::List) throw Exception("a list of integers was expected");
        // Entries beyond the count have no column or row to go to.
        int n = std::min(static_cast<int>(v.List.size()), (g->*count)());
        for (int i = 0; i < n; ++i) (g->*set)(i, static_cast<int>(v.List[static_cast<size_t>(i)].Int));
      });
}

const TPublishedRegistrar kGridsTables([] {
  PublishClass<TCustomGrid>("TCustomControl", [](TPublish<TCustomGrid>& P) {
    using C = TCustomGrid;
    P.Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsSingle);
    P.Color("Color", &C::Color, &C::SetColor).Default(clWindow).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Integer("ColCount", &C::ColCount, &C::SetColCount).Default(5);
    P.Integer("DefaultColWidth", &C::DefaultColWidth, &C::SetDefaultColWidth).Default(64);
    P.Bool("DefaultDrawing", &C::DefaultDrawing, &C::SetDefaultDrawing).Default(true);
    P.Integer("DefaultRowHeight", &C::DefaultRowHeight, &C::SetDefaultRowHeight).Default(24);
    P.Color("FixedColor", &C::FixedColor, &C::SetFixedColor).Default(clBtnFace);
    P.Integer("FixedCols", &C::FixedCols, &C::SetFixedCols).Default(1);
    P.Integer("RowCount", &C::RowCount, &C::SetRowCount).Default(5);
    P.Integer("FixedRows", &C::FixedRows, &C::SetFixedRows).Default(1);
    P.Integer("GridLineWidth", &C::GridLineWidth, &C::SetGridLineWidth).Default(1);
    P.Set("Options", &C::Options, &C::SetOptions)
        .Default(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect});
    P.Enum("ScrollBars", &C::ScrollBars, &C::SetScrollBars).Default(ssBoth);
    P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Event("OnTopLeftChanged", &C::OnTopLeftChanged);
    DefineSizes(P, "ColWidths", &C::ColCount, &C::ColWidths, &C::SetColWidths, &C::DefaultColWidth);
    DefineSizes(P, "RowHeights", &C::RowCount, &C::RowHeights, &C::SetRowHeights, &C::DefaultRowHeight);
  });
  PublishClass<TCustomDrawGrid>("TCustomGrid", [](TPublish<TCustomDrawGrid>& P) {
    using C = TCustomDrawGrid;
    P.Event("OnColumnMoved", &C::OnColumnMoved);
    P.Event("OnDrawCell", &C::OnDrawCell);
    P.Event("OnGetEditMask", &C::OnGetEditMask);
    P.Event("OnGetEditText", &C::OnGetEditText);
    P.Event("OnRowMoved", &C::OnRowMoved);
    P.Event("OnSelectCell", &C::OnSelectCell);
    P.Event("OnSetEditText", &C::OnSetEditText);
  });
  PublishClass<TDrawGrid>("TCustomDrawGrid", [](TPublish<TDrawGrid>&) {});
  PublishClass<TStringGrid>("TDrawGrid", [](TPublish<TStringGrid>&) {});
});

}  // namespace

// The grid constructor calls this, so the linker keeps this file and its
// tables with the grids.
void LinkGridsPublished() {}
