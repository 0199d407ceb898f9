#pragma once
// Identifiers of the standard controls' enumerations, for any published
// table with properties of these types (include this rather than listing
// them again).
#include "framework/controls/Controls_Published.h"
#include "framework/controls/StdCtrls.h"

CF_ENUM_IDENTS(TTextLayout, tlTop, tlCenter, tlBottom)
CF_ENUM_IDENTS(TEllipsisPosition, epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis)
CF_ENUM_IDENTS(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)
CF_ENUM_IDENTS(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)
