#pragma once
// Identifiers of the cell store's enumerations, for the published tables of
// any class with properties of these types (include this where you publish
// them).
#include "framework/classes/Published.h"
#include "grid/base/BaseGrid.h"

CF_ENUM_IDENTS(TGridSelectionStyle, ssDefault, ssVista, ssWin7, ssOffice2007)
CF_ENUM_IDENTS(THoverRowCell, hcNormal, hcFixed, hcSelected)
CF_ENUM_IDENTS(TColumnCalcType, acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT,
               acSTDDEV)
CF_ENUM_IDENTS(TCellGradientDirection, GradientVertical, GradientHorizontal)
CF_ENUM_IDENTS(TVAlignment, vtaTop, vtaCenter, vtaBottom)
CF_ENUM_IDENTS(TEditorType, edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit,
               edDateEditUpDown, edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric, edFloat,
               edCapital, edMixedCase, edPassword, edUnitEditBtn, edLowerCase, edUpperCase, edFloatSpinEdit,
               edTimeSpinEdit, edDateSpinEdit, edNumericEditBtn, edFloatEditBtn, edCustom, edRichEdit, edNone,
               edDateTimeEdit, edValidChars, edTrackbarDropDown, edMemoDropDown, edCalculatorDropDown,
               edTimePickerDropDown, edDetailDropDown, edGridDropDown, edColorPickerDropDown,
               edImagePickerDropDown, edDivUzevDropDown, edPositiveFloat, edNumericUnitEditBtn,
               edFloatUnitEditBtn, edMaskEditBtn)
