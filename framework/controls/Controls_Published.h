#pragma once
// Identifiers of the control enumerations, for the published tables of any
// control class (include this where you publish properties of these types).
#include "framework/classes/Published.h"
#include "framework/controls/Controls.h"
#include "framework/controls/Forms.h"
#include "framework/controls/GraphUtil.h"
#include "framework/graphics/Graphics_Published.h"

CF_ENUM_IDENTS(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom)
CF_ENUM_IDENTS(TAnchorKind, akLeft, akTop, akRight, akBottom)
CF_ENUM_IDENTS(TAlignment, taLeftJustify, taRightJustify, taCenter)
CF_ENUM_IDENTS(TVerticalAlignment, taAlignTop, taAlignBottom, taVerticalCenter)
CF_ENUM_IDENTS(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)
CF_ENUM_IDENTS(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
CF_ENUM_IDENTS(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)
CF_ENUM_IDENTS(TBevelKind, bkNone, bkTile, bkSoft, bkFlat)
CF_ENUM_IDENTS(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
CF_ENUM_IDENTS(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
               poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
CF_ENUM_IDENTS(TWindowState, wsNormal, wsMinimized, wsMaximized)
CF_ENUM_IDENTS(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
CF_ENUM_IDENTS(TGradientDirection, gdHorizontal, gdVertical)

// Registers the tables of the controls and forms, with the identifiers of
// cursors ("TCursor") and modal results ("TModalResult"). Run by the table
// lookup itself.
void RegisterControlsPublished();
