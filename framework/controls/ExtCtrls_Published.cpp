// Published tables of the timer, panel and shape.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "framework/controls/ExtCtrls.h"

CF_ENUM_IDENTS(TShapeType, stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle)

void RegisterExtCtrlsPublished() {
  PublishClass<TTimer>("TComponent", [](TPublish<TTimer>& P) {
    P.Bool("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
    P.Integer("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
    P.Event("OnTimer", &TTimer::OnTimer);
  });

  PublishClass<TCustomPanel>("TCustomControl", [](TPublish<TCustomPanel>& P) {
    using C = TCustomPanel;
    P.Color("Color", &C::Color, &C::SetColor).Default(clBtnFace).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Enum("Alignment", &C::Alignment, &C::SetAlignment).Default(taCenter);
    P.Enum("BevelInner", &C::BevelInner, &C::SetBevelInner).Default(bvNone);
    P.Enum("BevelOuter", &C::BevelOuter, &C::SetBevelOuter).Default(bvRaised);
    P.Integer("BevelWidth", &C::BevelWidth, &C::SetBevelWidth).Default(1);
    P.Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle).Default(bsNone);
    P.String("Caption", &C::Caption, &C::SetCaption);
    P.Bool("FullRepaint", &C::FullRepaint, &C::SetFullRepaint).Default(true);
    P.Bool("ShowCaption", &C::ShowCaption, &C::SetShowCaption).Default(true);
    P.Enum("VerticalAlignment", &C::VerticalAlignment, &C::SetVerticalAlignment).Default(taVerticalCenter);
  });
  PublishClass<TPanel>("TCustomPanel", [](TPublish<TPanel>&) {});

  PublishClass<TShape>("TGraphicControl", [](TPublish<TShape>& P) {
    P.Object("Brush", [](TShape* s) { return s->Brush(); });
    P.Object("Pen", [](TShape* s) { return s->Pen(); });
    P.Enum("Shape", &TShape::Shape, &TShape::SetShape).Default(stRectangle);
  });
}
