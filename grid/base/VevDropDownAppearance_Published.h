#pragma once
// Identifiers of the enumerations the drop-down pop-up settings declare, for
// every file that publishes them.
#include "framework/classes/Published.h"
#include "grid/base/VevDropDownAppearance.h"

CF_ENUM_IDENTS(TSelectionColorStyle, scCustom, scOffice2007, scWindowsVista, scWindows7)
CF_ENUM_IDENTS(TButtonAlignment, baLeft, baRight)
