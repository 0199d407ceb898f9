#pragma once
// Identifiers of the grid control's enumerations, for the published tables
// of any class with properties of these types (include this where you
// publish them).
#include "framework/classes/Published.h"
#include "grid/model/DivUzev.h"

CF_ENUM_IDENTS(TCellType, ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated,
               ctDataImage, ctNode, ctRadio, ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress,
               ctComment, ctButton, ctBitButton, ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary,
               ctRangeIndicator, ctXPProgress, ctInterface, ctScrollbar, ctRadioButton, ctBalloon, ctShape,
               ctRating, ctTriStateCheckBox, ctExpand)
CF_ENUM_IDENTS(TCellBorder, cbTop, cbLeft, cbRight, cbBottom)
CF_ENUM_IDENTS(TCellVAlign, vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull)
CF_ENUM_IDENTS(TCellHAlign, haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull)
CF_ENUM_IDENTS(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)
CF_ENUM_IDENTS(TSortStyle, ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase,
               ssShortDateEU, ssShortDateUS, ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw,
               ssHTML, ssImages, ssCheckBox, ssDateTime, ssTime, ssAlphaNumeric, ssAlphaNumericNoCase)
CF_ENUM_IDENTS(TSortDirection, sdAscending, sdDescending)
CF_ENUM_IDENTS(TSortBlankPosition, blFirst, blLast)
CF_ENUM_IDENTS(TIndexSortKey, ikShift, ikCtrl)
CF_ENUM_IDENTS(TGridLook, glStandard, glSoft, glClassic, glVyx, glXP, glListView, glVista, glWin7,
               glOffice2007, glCustom)
CF_ENUM_IDENTS(TScrollType, ssNormal, ssFlat, ssEncarta, ssMetro)
CF_ENUM_IDENTS(TScrollBarAlways, saNone, saVert, saHorz, saBoth)
CF_ENUM_IDENTS(TScrollHintType, shNone, shVertical, shHorizontal, shBoth)
CF_ENUM_IDENTS(TFilterDropDownColumns, fdNormal, fdAll)
CF_ENUM_IDENTS(THintShowLargeTextPos, hpCell, hpCursor)
CF_ENUM_IDENTS(TIntelliPan, ipVertical, ipHorizontal, ipBoth, ipNone)
CF_ENUM_IDENTS(THoverFixedCells, hfNone, hfAll, hfFixedRows, hfFixedColumns)
CF_ENUM_IDENTS(TInvalidEntryIcon, ieNone, ieInfo, ieWarning, ieError)
CF_ENUM_IDENTS(TGridControlStyle, csClassic, csFlat, csWinXP, csHalvern, csVyx, csGlyph, csTheme)
CF_ENUM_IDENTS(TFooterStyle, fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint)
CF_ENUM_IDENTS(TColumnSizeLocation, clRegistry, clIniFile)
CF_ENUM_IDENTS(TAutoSizeRows, arAll, arNormal, arFixed)
CF_ENUM_IDENTS(TProgressStyle, psXP, psClassic)
CF_ENUM_IDENTS(TBackGroundDisplay, bdTile, bdFixed, bdGradientHorz, bdGradientVert)
CF_ENUM_IDENTS(TBackGroundCells, bcNormal, bcFixed, bcAll)
CF_ENUM_IDENTS(TNodeType, cnFlat, cn3D, cnGlyph, cnLeaf, cnXP)
CF_ENUM_IDENTS(TPrintPosition, ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight,
               ppBottomCenter)
CF_ENUM_IDENTS(TPrintBorders, pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround,
               pbAroundVertical, pbAroundHorizontal, pbCustom)
CF_ENUM_IDENTS(TFitToPage, fpNever, fpGrow, fpShrink, fpAlways, fpCustom)
CF_ENUM_IDENTS(TPrinterOrientation, poPortrait, poLandscape)

// The tables of the print and HTML settings (grid/io), registered with the
// grid's own.
void PublishGridFileSettings();
