// Published tables of the scroll bar, the frame scroll bars and the scroll box.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "framework/controls/ScrollBars.h"

CF_ENUM_IDENTS(TScrollBarKind, sbHorizontal, sbVertical)

void RegisterScrollBarsPublished() {
  // The position waits for the range it lies in.
  PublishClass<TScrollBar>("TCustomControl", [](TPublish<TScrollBar>& P) {
    using C = TScrollBar;
    P.Color("Color", &C::Color, &C::SetColor).Default(clScrollBar).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Enum("Kind", &C::Kind, &C::SetKind).Default(sbHorizontal);
    P.Integer("LargeChange", &C::LargeChange, &C::SetLargeChange).Default(1);
    P.Integer("Max", &C::Max, &C::SetMax).Default(100);
    P.Integer("Min", &C::Min, &C::SetMin).Default(0);
    P.Integer("PageSize", &C::PageSize, &C::SetPageSize).Default(0);
    P.Integer("Position", &C::Position, &C::SetPosition).Default(0).AppliedLast();
    P.Integer("SmallChange", &C::SmallChange, &C::SetSmallChange).Default(1);
    P.Event("OnChange", &C::OnChange);
    P.Event("OnScroll", &C::OnScroll);
  });

  PublishClass<TControlScrollBar>("TPersistent", [](TPublish<TControlScrollBar>& P) {
    using C = TControlScrollBar;
    P.Integer("Increment", &C::Increment, &C::SetIncrement).Default(8);
    P.Integer("Margin", &C::Margin, &C::SetMargin).Default(0);
    P.Integer("Range", &C::Range, &C::SetRange).Default(0);
    P.Integer("Position", &C::Position, &C::SetPosition).Default(0);
    P.Bool("Tracking", &C::Tracking, &C::SetTracking).Default(false);
    P.Bool("Visible", &C::Visible, &C::SetVisible).Default(true);
  });
  PublishClass<TScrollBarsWindow>("TCustomControl", [](TPublish<TScrollBarsWindow>&) {});
  PublishClass<TScrollingWinControl>("TScrollBarsWindow", [](TPublish<TScrollingWinControl>& P) {
    using C = TScrollingWinControl;
    P.Bool("AutoScroll", &C::AutoScroll, &C::SetAutoScroll).Default(true);
    P.Object("HorzScrollBar", [](C* c) { return c->HorzScrollBar(); });
    P.Object("VertScrollBar", [](C* c) { return c->VertScrollBar(); });
  });
  PublishClass<TScrollBox>("TScrollingWinControl", [](TPublish<TScrollBox>& P) {
    using C = TScrollBox;
    P.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true);
    P.Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsSingle);
  });
}
