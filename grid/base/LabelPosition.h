#pragma once
// Where the label attached to an edit control sits beside it. The grid's
// combo box and the drop-down controls share these places ("lpRighBottom"
// is spelt as stored layouts carry it).
enum TLabelPosition {
  lpLeftTop,
  lpLeftCenter,
  lpLeftBottom,
  lpTopLeft,
  lpBottomLeft,
  lpLeftTopLeft,
  lpLeftCenterLeft,
  lpLeftBottomLeft,
  lpTopCenter,
  lpBottomCenter,
  lpRightTop,
  lpRightCenter,
  lpRighBottom,
  lpTopRight,
  lpBottomRight
};
