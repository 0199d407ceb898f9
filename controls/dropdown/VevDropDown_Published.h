#pragma once
// What every file that publishes a drop-down shares: the identifiers of
// the drop-down unit's enumerations and the base control's properties
// that every kind stores.
#include "controls/dropdown/VevDropDown.h"
#include "controls/dropdown/VevItemSelector.h"
#include "framework/classes/Published.h"
#include "framework/controls/Controls_Published.h"
#include "framework/graphics/ImgList.h"
#include "grid/base/LabelPosition_Published.h"
#include "grid/base/VevDropDownAppearance_Published.h"

CF_ENUM_IDENTS(TDropPosition, dpAuto, dpDown, dpUp)
CF_ENUM_IDENTS(TDropDownEditType, etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase,
               etPassword, etMoney, etRange, etHex, etAlphaNumeric, etValidChars)
CF_ENUM_IDENTS(TButtonStyle, bsButton, bsDropDown)
CF_ENUM_IDENTS(TSelectorType, stImage, stColor)
CF_ENUM_IDENTS(TItemLayout, ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom)

// A handler field of the base as one of the kind.
template <class C, class F>
inline F C::*OwnField(F TVevUrizazEvuvUduz::*Field) {
  return static_cast<F C::*>(Field);
}
#define CF_OWN(Member) OwnField<C>(Member)

// What every kind stores of the base control.
template <class C>
void PublishDropDown(TPublish<C>& P) {
  P.CreatedBy([](TComponent* Owner) -> TComponent* { return NewDropDown<C>(Owner); });
  P.Color("BorderColor", &C::BorderColor, &C::SetBorderColor).Default(clNone);
  P.Color("FocusBorderColor", &C::FocusBorderColor, &C::SetFocusBorderColor).Default(clNone);
  P.Color("SelectionColor", &C::SelectionColor, &C::SetSelectionColor);
  P.Color("SelectionColorTo", &C::SelectionColorTo, &C::SetSelectionColorTo);
  P.Color("DropDownColor", &C::DropDownColor, &C::SetDropDownColor);
  P.Color("DropDownColorTo", &C::DropDownColorTo, &C::SetDropDownColorTo).Default(clNone);
  P.Color("DropDownBorderColor", &C::DropDownBorderColor, &C::SetDropDownBorderColor).Default(clBlack);
  P.Integer("DropDownBorderWidth", &C::DropDownBorderWidth, &C::SetDropDownBorderWidth).Default(1);
  P.Enum("DropDownGradient", &C::DropDownGradient, &C::SetDropDownGradient).Default(gdHorizontal);
  P.Integer("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth).Default(0);
  P.Integer("DropDownHeight", &C::DropDownHeight, &C::SetDropDownHeight).Default(0);
  P.Integer("DropDownButtonWidth", &C::DropDownButtonWidth, &C::SetDropDownButtonWidth).Default(17);
  P.String("DropDownButtonHint", &C::DropDownButtonHint, &C::SetDropDownButtonHint);
  P.Object("DropDownHeader", &C::DropDownHeader);
  P.Object("DropDownFooter", &C::DropDownFooter);
  P.Object("ButtonAppearance", &C::ButtonAppearance);
  P.Bool("EditorEnabled", &C::EditorEnabled, &C::SetEditorEnabled).Default(true);
  P.Bool("DisabledBorder", &C::DisabledBorder, &C::SetDisabledBorder).Default(true);
  P.String("LabelCaption", &C::LabelCaption, &C::SetLabelCaption);
  P.Object("LabelFont", &C::LabelFont);
  P.Integer("LabelMargin", &C::LabelMargin, &C::SetLabelMargin).Default(0);
  P.Enum("LabelPosition", &C::LabelPosition, &C::SetLabelPosition).Default(lpLeftTop);
  P.Bool("LabelTransparent", &C::LabelTransparent, &C::SetLabelTransparent).Default(false);
  P.Bool("LabelAlwaysEnabled", &C::LabelAlwaysEnabled, &C::SetLabelAlwaysEnabled).Default(false);
  P.Enum("EditType", &C::EditType, &C::SetEditType).Default(etString);
  P.Integer("Precision", &C::Precision, &C::SetPrecision).Default(0);
  P.Enum("DropPosition", &C::DropPosition, &C::SetDropPosition).Default(dpAuto);
  P.Bool("DropDownShadow", &C::DropDownShadow, &C::SetDropDownShadow).Default(true);
  P.Bool("DropDownSizeable", &C::DropDownSizeable, &C::SetDropDownSizeable).Default(true);
  P.String("Prefix", &C::Prefix, &C::SetPrefix);
  P.String("Suffix", &C::Suffix, &C::SetSuffix);
  P.Bool("Signed", &C::Signed, &C::SetSigned).Default(false);
  P.Integer("LengthLimit", &C::LengthLimit, &C::SetLengthLimit).Default(0);
  P.String("ValidChars", &C::ValidChars, &C::SetValidChars);
  P.Bool("ReturnIsTab", &C::ReturnIsTab, &C::SetReturnIsTab).Default(false);
  P.Bool("AllowNumericNullValue", &C::AllowNumericNullValue, &C::SetAllowNumericNullValue).Default(false);
  P.Bool("DefaultHandling", &C::DefaultHandling, &C::SetDefaultHandling).Default(true);
  P.Bool("CanUndo", &C::CanUndo, &C::SetCanUndo).Default(true);
  P.Bool("ExcelStyleDecimalSeparator", &C::ExcelStyleDecimalSeparator, &C::SetExcelStyleDecimalSeparator)
      .Default(false);
  P.Bool("AutoThousandSeparator", &C::AutoThousandSeparator, &C::SetAutoThousandSeparator).Default(true);
  P.Bool("ForceShadow", &C::ForceShadow, &C::SetForceShadow).Default(false);
  P.Bool("FocusDraw", &C::FocusDraw, &C::SetFocusDraw).Default(true);
  P.Component("Images", &C::Images, &C::SetImages);
  P.Event("OnDropDown", CF_OWN(&C::OnDropDown));
  P.Event("OnDropUp", CF_OWN(&C::OnDropUp));
  P.Event("OnBeforeDropDown", CF_OWN(&C::OnBeforeDropDown));
  P.Event("OnBeforeDropUp", CF_OWN(&C::OnBeforeDropUp));
  P.Event("OnDropDownHeaderButtonClick", CF_OWN(&C::OnDropDownHeaderButtonClick));
  P.Event("OnDropDownFooterButtonClick", CF_OWN(&C::OnDropDownFooterButtonClick));
}
#undef CF_OWN
