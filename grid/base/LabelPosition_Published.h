#pragma once
// The identifiers of the label places, for every published table that
// stores one.
#include "framework/classes/Published.h"
#include "grid/base/LabelPosition.h"

CF_ENUM_IDENTS(TLabelPosition, lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft,
               lpLeftCenterLeft, lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter,
               lpRighBottom, lpTopRight, lpBottomRight)
