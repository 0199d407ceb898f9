#pragma once
// Header, grid line and selection colours of the drop-downs that show a grid,
// by component style.
#include "framework/graphics/Graphics.h"
#include "grid/base/VevDropDownAppearance.h"
#include "grid/base/VevStyleIF.h"

struct TDropGridStyleColors {
  TVyxStyle style;
  TColor header, headerTo, font, line;  // font clNone: the header font keeps its colour
  TSelectionColorStyle sel;
};

// The colours of a style, or nullptr for a style without its own; the
// Office 2010 styles count only where the drop-down knows them.
const TDropGridStyleColors* DropGridStyleColors(TVyxStyle AStyle, bool Office2010);
