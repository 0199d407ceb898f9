// Published tables of the speed button, the up-down control, the month
// calendar and the date/time picker.
#include "framework/controls/Buttons_Published.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/MonthCalendar.h"
#include "framework/controls/UpDown.h"

CF_ENUM_IDENTS(TUDOrientation, udHorizontal, udVertical)
CF_ENUM_IDENTS(TUDAlignButton, udLeft, udRight)
CF_ENUM_IDENTS(TDateTimeKind, dtkDate, dtkTime)
CF_ENUM_IDENTS(TDTDateMode, dmComboBox, dmUpDown)
CF_ENUM_IDENTS(TDTDateFormat, dfShort, dfLong)
CF_ENUM_IDENTS(TDTCalAlignment, dtaLeft, dtaRight)

void RegisterButtonsPublished() {
  PublishClass<TSpeedButton>("TGraphicControl", [](TPublish<TSpeedButton>& P) {
    using C = TSpeedButton;
    P.Bool("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp).Default(false);
    P.Integer("GroupIndex", &C::GroupIndex, &C::SetGroupIndex).Default(0);
    // Down after the group, so that a layout can put a group member down.
    P.Bool("Down", &C::Down, &C::SetDown).Default(false);
    P.String("Caption", &C::Caption, &C::SetCaption);
    P.Bool("Flat", &C::Flat, &C::SetFlat).Default(false);
    P.Object("Glyph", &C::Glyph);
    P.Enum("Layout", &C::Layout, &C::SetLayout).Default(blGlyphLeft);
    P.Integer("Margin", &C::Margin, &C::SetMargin).Default(-1);
    P.Integer("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs).Default(1);
    P.Bool("ShowCaption", &C::ShowCaption, &C::SetShowCaption).Default(true);
    P.Integer("Spacing", &C::Spacing, &C::SetSpacing).Default(4);
    P.Bool("Transparent", &C::Transparent, &C::SetTransparent).Default(true);
  });

  PublishClass<TCustomUpDown>("TCustomControl", [](TPublish<TCustomUpDown>& P) {
    using C = TCustomUpDown;
    P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(false);
    P.Enum("AlignButton", &C::AlignButton, &C::SetAlignButton).Default(udRight);
    P.Bool("ArrowKeys", &C::ArrowKeys, &C::SetArrowKeys).Default(true);
    P.Integer("Increment", &C::Increment, &C::SetIncrement).Default(1);
    P.Integer("Min", &C::Min, &C::SetMin).Default(0);
    P.Integer("Max", &C::Max, &C::SetMax).Default(100);
    P.Enum("Orientation", &C::Orientation, &C::SetOrientation).Default(udVertical);
    P.Integer("Position", &C::Position, &C::SetPosition).Default(0);
    P.Bool("Thousands", &C::Thousands, &C::SetThousands).Default(true);
    P.Bool("Wrap", &C::Wrap, &C::SetWrap).Default(false);
    // After the bounds, so that the buttons move beside their control.
    P.Component("Associate", &C::Associate, &C::SetAssociate);
    P.Event("OnChanging", &C::OnChanging);
    P.Event("OnChangingEx", &C::OnChangingEx);
    P.Event("OnClick", &C::OnClick);
  });
  PublishClass<TUpDown>("TCustomUpDown", [](TPublish<TUpDown>&) {});

  PublishClass<TMonthCalendar>("TCustomControl", [](TPublish<TMonthCalendar>& P) {
    using C = TMonthCalendar;
    P.Color("Color", &C::Color, &C::SetColor).Default(clWindow).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Float("MinDate", &C::MinDate, &C::SetMinDate);
    P.Float("MaxDate", &C::MaxDate, &C::SetMaxDate);
    P.Float("Date", &C::Date, [](C* c, double v) { c->SetDate(v); });
    P.Bool("ShowToday", &C::ShowToday, &C::SetShowToday).Default(true);
    P.Event("OnChange", &C::OnChange);
    P.Event("OnDateChosen", &C::OnDateChosen);
  });

  PublishClass<TDateTimePicker>("TCustomControl", [](TPublish<TDateTimePicker>& P) {
    using C = TDateTimePicker;
    P.Color("Color", &C::Color, &C::SetColor).Default(clWindow).Stored([](C* c) {
      return !c->ParentColor();
    });
    P.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    P.Enum("CalAlignment", &C::CalAlignment, &C::SetCalAlignment).Default(dtaLeft);
    // The bounds before the value, so that a stored date within them loads.
    P.Float("MinDate", &C::MinDate, &C::SetMinDate);
    P.Float("MaxDate", &C::MaxDate, &C::SetMaxDate);
    P.Float("Date", &C::Date, &C::SetDate).Stored(false);
    P.Float("Time", &C::Time, &C::SetTime).Stored(false);
    P.Float("DateTime", &C::DateTime, &C::SetDateTime);
    P.Bool("ShowCheckbox", &C::ShowCheckbox, &C::SetShowCheckbox).Default(false);
    P.Bool("Checked", &C::Checked, &C::SetChecked).Default(true);
    P.Enum("DateFormat", &C::DateFormat, &C::SetDateFormat).Default(dfShort);
    P.Enum("DateMode", &C::DateMode, &C::SetDateMode).Default(dmComboBox);
    P.String("Format", &C::Format, &C::SetFormat);
    P.Enum("Kind", &C::Kind, &C::SetKind).Default(dtkDate);
    P.Event("OnChange", &C::OnChange);
    P.Event("OnCloseUp", &C::OnCloseUp);
    P.Event("OnDropDown", &C::OnDropDown);
  });
}
