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

#include "framework/graphics/Types.h"

// The label's top-left corner for the control's bounds C: TextWidth is the
// width of the label's text (the left places keep it clear of the
// control), LabelWidth and LabelHeight the label's size. Halves are taken
// toward zero, so a label taller than the control stands out by the same
// amount above and below.
inline TPoint PlaceLabel(TLabelPosition Position, const TRect& C, int LabelWidth, int LabelHeight,
                         int TextWidth, int Margin) {
  const int l = C.Left, t = C.Top, wd = C.Right - C.Left, h = C.Bottom - C.Top;
  const int lh = LabelHeight, lw = LabelWidth, w = TextWidth, m = Margin;
  const int centred = lh < h ? t + (h - lh) / 2 : t - (lh - h) / 2;
  switch (Position) {
    case lpLeftTop:
      return TPoint(l - w - m, t);
    case lpLeftCenter:
      return TPoint(l - w - m, centred);
    case lpLeftBottom:
      return TPoint(l - w - m, t + h - lh);
    case lpTopLeft:
      return TPoint(l, t - lh - m);
    case lpBottomLeft:
      return TPoint(l, t + h + m);
    case lpLeftTopLeft:
      return TPoint(l - m, t);
    case lpLeftCenterLeft:
      return TPoint(l - m, centred);
    case lpLeftBottomLeft:
      return TPoint(l - m, t + h - lh);
    case lpTopCenter:
      return TPoint(l + (wd - lw) / 2, t - lh - m);
    case lpBottomCenter:
      return TPoint(l + (wd - lw) / 2, t + h + m);
    case lpRightTop:
      return TPoint(l + wd + m, t);
    case lpRightCenter:
      return TPoint(l + wd + m, centred);
    case lpRighBottom:
      return TPoint(l + wd + m, t + h - lh);
    case lpTopRight:
      return TPoint(l + wd - lw, t - lh - m);
    case lpBottomRight:
      return TPoint(l + wd - lw, t + h + m);
  }
  return TPoint(l, t);
}
