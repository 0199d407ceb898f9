#pragma once
// The identifiers of the drop-down unit's enumerations, for every file that
// publishes a drop-down.
#include "controls/dropdown/VevDropDown.h"
#include "controls/dropdown/VevItemSelector.h"
#include "framework/classes/Published.h"

CF_ENUM_IDENTS(TDropPosition, dpAuto, dpDown, dpUp)
CF_ENUM_IDENTS(TSelectionColorStyle, scCustom, scOffice2007, scWindowsVista, scWindows7)
CF_ENUM_IDENTS(TDropDownEditType, etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase,
               etPassword, etMoney, etRange, etHex, etAlphaNumeric, etValidChars)
CF_ENUM_IDENTS(TButtonAlignment, baLeft, baRight)
CF_ENUM_IDENTS(TButtonStyle, bsButton, bsDropDown)
CF_ENUM_IDENTS(TSelectorType, stImage, stColor)
CF_ENUM_IDENTS(TItemLayout, ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom)
