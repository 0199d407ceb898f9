#pragma once
// Identifiers of the settings objects' enumerations, for the published
// tables of any class with properties of these types.
#include "framework/classes/Published.h"
#include "grid/base/VevObj.h"

CF_ENUM_IDENTS(TSearchDirection, sdTopBottom, sdLeftRight)
CF_ENUM_IDENTS(TAdvanceDirection, adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol)
CF_ENUM_IDENTS(TInsertPosition, pInsertBefore, pInsertAfter)
CF_ENUM_IDENTS(TClipboardPasteAction, paReplace, paInsert)
CF_ENUM_IDENTS(TCursorAdvance, caDefault, caSnake, caLoop)
CF_ENUM_IDENTS(THomeEndAction, heFirstLastColumn, heFirstLastRow, heFirstLastCell)
CF_ENUM_IDENTS(TGridFixedCellEdit, fceNone, fceDblClick, fceLeftClick, fceRightClick)
CF_ENUM_IDENTS(TGridFixedCellEditor, fceEdit, fceComboEdit, fceComboList)
CF_ENUM_IDENTS(TWheelAction, waMoveSelection, waScroll)
