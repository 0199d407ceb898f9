#pragma once
// Identifiers of the speed button's enumerations, for the published tables of
// any class with properties of these types.
#include "framework/classes/Published.h"
#include "framework/controls/Buttons.h"

CF_ENUM_IDENTS(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
