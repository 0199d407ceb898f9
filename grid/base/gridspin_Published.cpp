// Published tables of the spin edit and its button pair.
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "grid/base/gridspin.h"

CF_ENUM_IDENTS(TDudSpinType, sptNormal, sptFloat, sptDate, sptTime)
CF_ENUM_IDENTS(TSpinDirection, spVertical, spHorizontal)
CF_ENUM_IDENTS(TEditAlign, eaLeft, eaRight, eaCenter)

namespace {

const TPublishedRegistrar kGridSpinTables([] {
  PublishClass<TDudSpinButton>("TWinControl", [](TPublish<TDudSpinButton>& P) {
    using C = TDudSpinButton;
    P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(false);
    P.Color("ButtonColor", &C::ButtonColor, &C::SetButtonColor).Default(clNone);
    P.Color("ButtonColorHot", &C::ButtonColorHot, &C::SetButtonColorHot).Default(clNone);
    P.Color("ButtonColorDown", &C::ButtonColorDown, &C::SetButtonColorDown).Default(clNone);
    P.Color("ButtonTextColor", &C::ButtonTextColor, &C::SetButtonTextColor).Default(clNone);
    P.Color("ButtonTextColorHot", &C::ButtonTextColorHot, &C::SetButtonTextColorHot).Default(clNone);
    P.Color("ButtonTextColorDown", &C::ButtonTextColorDown, &C::SetButtonTextColorDown).Default(clNone);
    P.Color("ButtonBorderColor", &C::ButtonBorderColor, &C::SetButtonBorderColor).Default(clNone);
    P.Enum("Direction", &C::Direction, &C::SetDirection).Default(spVertical);
    P.Object("UpGlyph", &C::UpGlyph);
    P.Object("DownGlyph", &C::DownGlyph);
    P.Integer("UpNumGlyphs", &C::UpNumGlyphs, &C::SetUpNumGlyphs).Default(1);
    P.Integer("DownNumGlyphs", &C::DownNumGlyphs, &C::SetDownNumGlyphs).Default(1);
    P.Component("FocusControl", &C::FocusControl, &C::SetFocusControl);
    P.Event("OnUpClick", &C::OnUpClick);
    P.Event("OnDownClick", &C::OnDownClick);
  });

  PublishClass<TDudSpinEdit>("TCustomMaskEdit", [](TPublish<TDudSpinEdit>& P) {
    using C = TDudSpinEdit;
    // The button pair belongs to the edit and is never stored with a form.
    P.GetChildren([](C*, TComponent*, std::vector<TComponent*>&) {});
    P.Bool("ExcelStyleDecimalSeparator", &C::ExcelStyleDecimalSeparator, &C::SetExcelStyleDecimalSeparator)
        .Default(false);
    P.Enum("Direction", &C::Direction, &C::SetDirection).Default(spVertical);
    P.Bool("ReturnIsTab", &C::ReturnIsTab, &C::SetReturnIsTab).Default(false);
    // The bounds and steps before the kind and the value they shape.
    P.Integer("Increment", &C::Increment, &C::SetIncrement).Default(1);
    P.Float("IncrementFloat", &C::IncrementFloat, &C::SetIncrementFloat);
    P.Float("IncrementFloatPage", &C::IncrementFloatPage, &C::SetIncrementFloatPage);
    P.Integer("IncrementMinutes", &C::IncrementMinutes, &C::SetIncrementMinutes).Default(1);
    P.Integer("IncrementSeconds", &C::IncrementSeconds, &C::SetIncrementSeconds).Default(1);
    P.Integer("IncrementHours", &C::IncrementHours, &C::SetIncrementHours).Default(1);
    P.Integer("MinValue", &C::MinValue, &C::SetMinValue).Default(0);
    P.Integer("MaxValue", &C::MaxValue, &C::SetMaxValue).Default(100);
    P.Float("MinFloatValue", &C::MinFloatValue, &C::SetMinFloatValue);
    P.Float("MaxFloatValue", &C::MaxFloatValue, &C::SetMaxFloatValue);
    P.Float("MinDateValue", &C::MinDateValue, &C::SetMinDateValue);
    P.Float("MaxDateValue", &C::MaxDateValue, &C::SetMaxDateValue);
    P.Integer("Precision", &C::Precision, &C::SetPrecision).Default(0);
    P.Bool("ShowSeconds", &C::ShowSeconds, &C::SetShowSeconds).Default(true);
    P.Enum("SpinType", &C::SpinType, &C::SetSpinType).Default(sptNormal);
    P.Integer("Value", &C::Value, &C::SetValue).Stored([](C* c) { return c->SpinType() == sptNormal; });
    P.Float("FloatValue", &C::FloatValue, &C::SetFloatValue).Stored([](C* c) {
      return c->SpinType() == sptFloat;
    });
    P.Float("TimeValue", &C::TimeValue, &C::SetTimeValue).Stored([](C* c) {
      return c->SpinType() == sptTime;
    });
    P.Float("DateValue", &C::DateValue, &C::SetDateValue).Stored([](C* c) {
      return c->SpinType() == sptDate;
    });
    P.Bool("SpinFlat", &C::SpinFlat, &C::SetSpinFlat).Default(false);
    P.Bool("SpinTransparent", &C::SpinTransparent, &C::SetSpinTransparent).Default(false);
    P.Bool("AllowEmptyValue", &C::AllowEmptyValue, &C::SetAllowEmptyValue).Default(false);
    P.Enum("EditAlign", &C::EditAlign, &C::SetEditAlign).Default(eaLeft);
    P.Bool("EditorEnabled", &C::EditorEnabled, &C::SetEditorEnabled).Default(true);
    // The value is stored by its kind; the text follows from it.
    P.String("Text", &C::Text, &C::SetText).Stored(false);
  });
});

}  // namespace

void LinkGridSpinPublished() {}
