// Published tables of the drop-down kinds: the base control's properties
// every kind stores, and each kind's own, so that a kind loads from a
// stored layout. Layouts make the kinds through NewDropDown.
#include "controls/dropdown/VevCalculatorDropdown.h"
#include "controls/dropdown/VevColorPickerDropDown.h"
#include "controls/dropdown/VevDateTimePicker.h"
#include "controls/dropdown/VevDetailDropDown.h"
#include "controls/dropdown/VevDropDown_Published.h"
#include "controls/dropdown/VevImagePickerDropDown.h"
#include "controls/dropdown/VevMemoDropDown.h"
#include "controls/dropdown/VevTimePickerDropDown.h"
#include "controls/dropdown/VevTrackBarDropDown.h"
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "framework/controls/Menus.h"
#include "framework/controls/StdCtrls_Published.h"
#include "framework/graphics/ImgList.h"
#include "grid/base/LabelPosition_Published.h"

CF_ENUM_IDENTS(TColorSelectionStyle, csList, csDiscrete, csColorCube, csSpectrum)
CF_ENUM_IDENTS(TColorValueText, cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML)
CF_ENUM_IDENTS(TVevDateTimeKind, dkDate, dkTime, dkDateTime)
CF_ENUM_IDENTS(TWatchShape, wsCircle, wsRect, wsRoundRect)
CF_ENUM_IDENTS(TWatchGradient, wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward)
CF_ENUM_IDENTS(THourMarkStyle, hmsLine, hmsQuartDblLine)
CF_ENUM_IDENTS(TTickMarks, tmAll, tmHours, tmQuartHours, tmNone)
CF_ENUM_IDENTS(TPointerStyle, psLine, psShortLine, psPointer, psLineArrow)
CF_ENUM_IDENTS(TAMPMFrame, apRect, apRoundRect)
CF_ENUM_IDENTS(TWatchStyle, wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack,
               wsBlackWhite, wsGray, wsSuperNova, wsSports, wsSmooth)

namespace {

const TPublishedRegistrar kKindTables([] {
  PublishClass<TVevTrackBarDropDown>("TVevUrizazEvuvUduz", [](TPublish<TVevTrackBarDropDown>& P) {
    using C = TVevTrackBarDropDown;
    PublishDropDown(P);
    // The range before the position, so that a stored position within it loads.
    P.Integer("Min", &C::Min, &C::SetMin).Default(0);
    P.Integer("Max", &C::Max, &C::SetMax).Default(10);
    P.Integer("Frequency", &C::Frequency, &C::SetFrequency).Default(1);
    P.Integer("Position", &C::Position, &C::SetPosition).Default(0);
    P.Integer("PageSize", &C::PageSize, &C::SetPageSize).Default(2);
    P.Bool("DropDownEnabled", &C::DropDownEnabled, &C::SetDropDownEnabled);
    P.Event("OnTrackChange", &C::OnTrackChange);
  });
  PublishClass<TVevMemoDropDown>("TVevUrizazEvuvUduz", [](TPublish<TVevMemoDropDown>& P) {
    using C = TVevMemoDropDown;
    PublishDropDown(P);
    P.Bool("AutoDrop", &C::AutoDrop, &C::SetAutoDrop).Default(false);
    P.Strings("MemoText", &C::MemoText);
    P.Component("MemoPopup", &C::MemoPopup, &C::SetMemoPopup);
    P.Enum("MemoScrollBars", &C::MemoScrollBars, &C::SetMemoScrollBars).Default(ssNone);
    P.Bool("MemoReadOnly", &C::MemoReadOnly, &C::SetMemoReadOnly).Default(false);
    P.Event("OnMemoChange", &C::OnMemoChange);
  });
  PublishClass<TButtonAppearance>("TPersistent", [](TPublish<TButtonAppearance>& P) {
    using C = TButtonAppearance;
    P.Color("Color", &C::Color, [](C* c, TColor v) { c->SetColor(v); });
    P.Color("ColorTo", &C::ColorTo, &C::SetColorTo);
    P.Color("ColorHot", &C::ColorHot, &C::SetColorHot);
    P.Color("ColorHotTo", &C::ColorHotTo, &C::SetColorHotTo);
    P.Color("ColorDown", &C::ColorDown, &C::SetColorDown);
    P.Color("ColorDownTo", &C::ColorDownTo, &C::SetColorDownTo);
    P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor);
    P.Color("BorderColorHot", &C::BorderColorHot, &C::SetBorderColorHot);
    P.Color("BorderColorDown", &C::BorderColorDown, &C::SetBorderColorDown);
    P.Color("TextColor", &C::TextColor, &C::SetTextColor);
    P.Color("SpecialTextColor", &C::SpecialTextColor, &C::SetSpecialTextColor);
    P.Object("Font", &C::Font);
  });
  PublishClass<TVevCalculatorDropdown>("TVevUrizazEvuvUduz", [](TPublish<TVevCalculatorDropdown>& P) {
    using C = TVevCalculatorDropdown;
    PublishDropDown(P);
    P.Object("CalcButtonAppearance", &C::CalcButtonAppearance);
    P.Bool("ShowThousandSeparator", &C::ShowThousandSeparator, &C::SetShowThousandSeparator);
    P.Float(
        "Value", [](C* c) { return c->Value(); }, &C::SetValue);
  });
  PublishClass<TWatchSettings>("TPersistent", [](TPublish<TWatchSettings>& P) {
    using C = TWatchSettings;
    P.Bool("Auto", &C::Auto, &C::SetAuto).Default(false);
    P.Bool("Second", &C::Second, &C::SetSecond).Default(true);
    P.Integer("TimeOffset", &C::TimeOffset, &C::SetTimeOffset).Default(0);
  });
  PublishClass<TWatchAppearance>("TPersistent", [](TPublish<TWatchAppearance>& P) {
    using C = TWatchAppearance;
    P.Integer("Size", &C::Size, &C::SetSize).Default(0);
    P.Color("HourPointer", &C::HourPointer, &C::SetHourPointer).Default(0);
    P.Color("MinutePointer", &C::MinutePointer, &C::SetMinutePointer).Default(0);
    P.Color("SecondPointer", &C::SecondPointer, &C::SetSecondPointer).Default(0x0000FF);
    P.Color("HourPointerShadow", &C::HourPointerShadow, &C::SetHourPointerShadow).Default(clBtnShadow);
    P.Color("MinutePointerShadow", &C::MinutePointerShadow, &C::SetMinutePointerShadow).Default(clBtnShadow);
    P.Integer("HourPointerSize", &C::HourPointerSize, &C::SetHourPointerSize).Default(4);
    P.Integer("MinutePointerSize", &C::MinutePointerSize, &C::SetMinutePointerSize).Default(3);
    P.Integer("SecondPointerSize", &C::SecondPointerSize, &C::SetSecondPointerSize).Default(1);
    P.Enum("PointerStyle", &C::PointerStyle, &C::SetPointerStyle).Default(psLine);
    P.Color("BackgroundColor", &C::BackgroundColor, &C::SetBackgroundColor).Default(0xFFFFFF);
    P.Color("BackgroundColorTo", &C::BackgroundColorTo, &C::SetBackgroundColorTo).Default(clNone);
    P.Enum("BackgroundGradient", &C::BackgroundGradient, &C::SetBackgroundGradient).Default(wgVertical);
    P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(0);
    P.Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth).Default(4);
    P.Enum("Shape", &C::Shape, &C::SetShape).Default(wsCircle);
    P.Color("HourColor", &C::HourColor, &C::SetHourColor).Default(0);
    P.Color("MinuteColor", &C::MinuteColor, &C::SetMinuteColor).Default(0x808080);
    P.Integer("HourMarkLength", &C::HourMarkLength, &C::SetHourMarkLength).Default(0);
    P.Integer("MinuteMarkLength", &C::MinuteMarkLength, &C::SetMinuteMarkLength).Default(0);
    P.Integer("HourMarkWidth", &C::HourMarkWidth, &C::SetHourMarkWidth).Default(1);
    P.Integer("MinuteMarkWidth", &C::MinuteMarkWidth, &C::SetMinuteMarkWidth).Default(1);
    P.Enum("HourMarkStyle", &C::HourMarkStyle, &C::SetHourMarkStyle).Default(hmsLine);
    P.Enum("TickMarks", &C::TickMarks, &C::SetTickMarks).Default(tmAll);
    P.Object("HourFont", &C::HourFont);
    P.Object("AMPMFont", &C::AMPMFont);
    P.Color("AMPMColor", &C::AMPMColor, &C::SetAMPMColor).Default(0xFFFFFF);
    P.Color("AMPMBorderColor", &C::AMPMBorderColor, &C::SetAMPMBorderColor).Default(0);
    P.Enum("AMPMFrame", &C::AMPMFrame, &C::SetAMPMFrame).Default(apRect);
    P.Integer("CenterPointSize", &C::CenterPointSize, &C::SetCenterPointSize).Default(4);
    P.Color("CenterPointColor", &C::CenterPointColor, &C::SetCenterPointColor).Default(0);
    P.Color("CenterPointBorderColor", &C::CenterPointBorderColor, &C::SetCenterPointBorderColor)
        .Default(clNone);
    P.Color("CenterPointOuterBorderColor", &C::CenterPointOuterBorderColor,
            &C::SetCenterPointOuterBorderColor)
        .Default(clNone);
    P.Object("Picture", &C::Picture);
  });
  PublishClass<TVevWatch>("TCustomControl", [](TPublish<TVevWatch>& P) {
    using C = TVevWatch;
    // The style first: its preset would overwrite stored appearance values.
    P.Enum("Style", &C::Style, &C::SetStyle).Default(wsClassic);
    P.Object("Appearance", &C::Appearance);
    P.Object("Settings", &C::Settings);
    P.Float("Time", &C::Time, &C::SetTime);
    P.Bool("Animation", &C::Animation, &C::SetAnimation).Default(true);
    P.Integer("AnimationFactor", &C::AnimationFactor, &C::SetAnimationFactor).Default(10);
    P.Bool("ShowAMPM", &C::ShowAMPM, &C::SetShowAMPM).Default(true);
    P.Bool("ShowNumbers", &C::ShowNumbers, &C::SetShowNumbers).Default(true);
    P.Event("OnChange", &C::OnChange);
  });
  PublishClass<TVevTimePickerDropDown>("TVevUrizazEvuvUduz", [](TPublish<TVevTimePickerDropDown>& P) {
    using C = TVevTimePickerDropDown;
    PublishDropDown(P);
    P.Bool("ShowTimePicker", &C::ShowTimePicker, &C::SetShowTimePicker);
    P.Bool("ShowWatchAMPM", &C::ShowWatchAMPM, &C::SetShowWatchAMPM);
    P.Bool("ShowWatchNumbers", &C::ShowWatchNumbers, &C::SetShowWatchNumbers);
    P.Bool("Animation", &C::Animation, &C::SetAnimation);
    P.Integer("AnimationFactor", &C::AnimationFactor, &C::SetAnimationFactor);
    P.Bool("ShowSeconds", &C::ShowSeconds, &C::SetShowSeconds);
    P.Float("Time", &C::Time, &C::SetTime);
    P.Object("WatchAppearance", &C::WatchAppearance);
    P.Object("WatchSettings", &C::WatchSettings);
    P.Event("OnTimeChange", &C::OnTimeChange);
  });
  PublishClass<TColorItem>("TCollectionItem", [](TPublish<TColorItem>& P) {
    using C = TColorItem;
    P.String("Caption", &C::Caption, &C::SetCaption);
    P.Color("Color", &C::Color, &C::SetColor);
    P.Bool("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.String("Hint", &C::Hint, &C::SetHint);
  });
  PublishClass<TColorItems>("TCollection", [](TPublish<TColorItems>&) {});
  PublishClass<TVevColorPickerDropDown>("TVevUrizazEvuvUduz", [](TPublish<TVevColorPickerDropDown>& P) {
    using C = TVevColorPickerDropDown;
    PublishDropDown(P);
    P.Integer("Columns", &C::Columns, &C::SetColumns);
    P.Collection("Colors", &C::Colors);
    P.Integer("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1);
    P.Integer("ColorBoxHeight", &C::ColorBoxHeight, &C::SetColorBoxHeight);
    P.Integer("ColorBoxWidth", &C::ColorBoxWidth, &C::SetColorBoxWidth);
    P.Enum("Layout", &C::Layout, &C::SetLayout);
    P.Object("ItemAppearance", &C::ItemAppearance);
    P.Enum("ColorValueText", &C::ColorValueText, &C::SetColorValueText);
    P.Enum("ColorSelectionStyle", &C::ColorSelectionStyle, &C::SetColorSelectionStyle);
    P.Bool("ShowText", &C::ShowText, &C::SetShowText);
    P.Event("OnSelect", &C::OnSelect);
    P.Event("OnDrawSelectedColor", &C::OnDrawSelectedColor);
    P.Event("OnDrawColor", &C::OnDrawColor);
  });
  PublishClass<TDetailItem>("TCollectionItem", [](TPublish<TDetailItem>& P) {
    using C = TDetailItem;
    P.String("Caption", &C::Caption, &C::SetCaption);
    P.Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1);
    P.Bool("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Object("Image", &C::Image);
    P.String("Notes", &C::Notes, &C::SetNotes);
    P.Integer("Tag", &C::Tag, &C::SetTag).Default(0);
  });
  PublishClass<TDetailItems>("TCollection", [](TPublish<TDetailItems>&) {});
  PublishClass<TVevDetailDropDown>("TVevUrizazEvuvUduz", [](TPublish<TVevDetailDropDown>& P) {
    using C = TVevDetailDropDown;
    PublishDropDown(P);
    P.Enum("Layout", &C::Layout, &C::SetLayout).Default(ilCaptionRight);
    P.Collection("Items", &C::Items);
    P.Integer("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1);
    P.Object("ItemAppearance", &C::ItemAppearance);
    P.Integer("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Default(22);
    P.Object("CaptionFont", &C::CaptionFont);
    P.Object("NotesFont", &C::NotesFont);
    P.Event("OnSelect", &C::OnSelect);
    P.Event("OnDrawSelectedImage", &C::OnDrawSelectedImage);
  });
  PublishClass<TImageItem>("TCollectionItem", [](TPublish<TImageItem>& P) {
    using C = TImageItem;
    P.String("Caption", &C::Caption, &C::SetCaption);
    P.Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1);
    P.Bool("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
    P.Object("Image", &C::Image);
    P.String("Hint", &C::Hint, &C::SetHint);
  });
  PublishClass<TImageItems>("TCollection", [](TPublish<TImageItems>&) {});
  PublishClass<TVevImagePickerDropDown>("TVevUrizazEvuvUduz", [](TPublish<TVevImagePickerDropDown>& P) {
    using C = TVevImagePickerDropDown;
    PublishDropDown(P);
    P.Integer("Columns", &C::Columns, &C::SetColumns).Default(1);
    P.Enum("Layout", &C::Layout, &C::SetLayout).Default(ilCaptionRight);
    P.Collection("Items", &C::Items);
    P.Integer("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1);
    P.Object("ItemAppearance", &C::ItemAppearance);
    P.Event("OnSelect", &C::OnSelect);
    P.Event("OnDrawSelectedImage", &C::OnDrawSelectedImage);
    P.Event("OnDrawItem", &C::OnDrawItem);
  });
  PublishClass<TVevDateTimePicker>("TDudDateTimePicker", [](TPublish<TVevDateTimePicker>& P) {
    using C = TVevDateTimePicker;
    P.Enum("Kind", &C::Kind, &C::SetKind).Default(dkDate);
    P.String("TimeFormat", &C::TimeFormat, &C::SetTimeFormat);
    P.String("LabelCaption", &C::LabelCaption, &C::SetLabelCaption);
    P.Object("LabelFont", &C::LabelFont);
    P.Enum("LabelPosition", &C::LabelPosition, &C::SetLabelPosition).Default(lpLeftTop);
    P.Integer("LabelMargin", &C::LabelMargin, &C::SetLabelMargin).Default(0);
    P.Bool("LabelTransparent", &C::LabelTransparent, &C::SetLabelTransparent).Default(false);
    P.Bool("FocusLabel", &C::FocusLabel, &C::SetFocusLabel).Default(false);
    P.Bool("LabelAlwaysEnabled", &C::LabelAlwaysEnabled, &C::SetLabelAlwaysEnabled).Default(false);
  });
});

}  // namespace

// The drop-down's constructor calls this, so the linker keeps the tables.
void LinkVevDropDownKindsPublished() {}
