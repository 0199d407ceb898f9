// Pens, brushes and fonts: every setter that changes a value fires OnChange.
#include "framework/graphics/Gdi.h"
#include "framework/graphics/Graphics.h"

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

// --- TPen
void TPen::Assign(TPersistent* Source) {
  if (auto* p = dynamic_cast<TPen*>(Source)) {
    if (p == this) return;
    color_ = p->color_;
    width_ = p->width_;
    style_ = p->style_;
    mode_ = p->mode_;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}
void TPen::SetColor(TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  Changed();
}
void TPen::SetWidth(int Value) {
  if (Value < 0 || width_ == Value) return;
  width_ = Value;
  Changed();
}
void TPen::SetStyle(TPenStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  Changed();
}
void TPen::SetMode(TPenMode Value) {
  if (mode_ == Value) return;
  mode_ = Value;
  Changed();
}

// --- TBrush
void TBrush::Assign(TPersistent* Source) {
  if (auto* b = dynamic_cast<TBrush*>(Source)) {
    if (b == this) return;
    color_ = b->color_;
    style_ = b->style_;
    bitmap_ = b->bitmap_;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}
void TBrush::SetColor(TColor Value) {
  // As on the platform, giving a clear brush a colour makes it solid.
  bool styleChange = style_ == bsClear;
  if (color_ == Value && !styleChange) return;
  color_ = Value;
  if (styleChange) style_ = bsSolid;
  Changed();
}
void TBrush::SetStyle(TBrushStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  Changed();
}
void TBrush::SetBitmap(TBitmap* Value) {
  if (bitmap_ == Value) return;
  bitmap_ = Value;
  Changed();
}

// --- TFont
TFont::TFont() = default;

void TFont::Assign(TPersistent* Source) {
  if (auto* f = dynamic_cast<TFont*>(Source)) {
    if (f == this) return;
    name_ = f->name_;
    // The height follows the source's size at this font's resolution.
    height_ = f->pixelsPerInch_ == pixelsPerInch_ ? f->height_
                                                  : MulDiv(f->height_, pixelsPerInch_, f->pixelsPerInch_);
    style_ = f->style_;
    color_ = f->color_;
    charset_ = f->charset_;
    pitch_ = f->pitch_;
    orientation_ = f->orientation_;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}
void TFont::SetName(const std::string& Value) {
  if (Value.empty() || name_ == Value) return;
  name_ = Value;
  Changed();
}
int TFont::Size() const { return -MulDiv(height_, 72, pixelsPerInch_); }
void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, pixelsPerInch_, 72)); }
void TFont::SetHeight(int Value) {
  if (height_ == Value) return;
  height_ = Value;
  Changed();
}
void TFont::SetStyle(TFontStyles Value) {
  if (style_ == Value) return;
  style_ = Value;
  Changed();
}
void TFont::SetColor(TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  Changed();
}
void TFont::SetCharset(TFontCharset Value) {
  if (charset_ == Value) return;
  charset_ = Value;
  Changed();
}
void TFont::SetPitch(TFontPitch Value) {
  if (pitch_ == Value) return;
  pitch_ = Value;
  Changed();
}
void TFont::SetOrientation(int Value) {
  if (orientation_ == Value) return;
  orientation_ = Value;
  Changed();
}
void TFont::SetPixelsPerInch(int Value) {
  if (Value > 0) pixelsPerInch_ = Value;
}
bool TFont::IsEqual(const TFont& o) const {
  return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_ &&
         charset_ == o.charset_ && pitch_ == o.pitch_ && orientation_ == o.orientation_;
}

unsigned TextFormatToFlags(const TTextFormat& F) {
  static const struct {
    TTextFormats f;
    unsigned flag;
  } map[] = {{tfBottom, DT_BOTTOM},
             {tfCalcRect, DT_CALCRECT},
             {tfCenter, DT_CENTER},
             {tfEditControl, DT_EDITCONTROL},
             {tfEndEllipsis, DT_END_ELLIPSIS},
             {tfPathEllipsis, DT_PATH_ELLIPSIS},
             {tfExpandTabs, DT_EXPANDTABS},
             {tfExternalLeading, DT_EXTERNALLEADING},
             {tfLeft, DT_LEFT},
             {tfModifyString, DT_MODIFYSTRING},
             {tfNoClip, DT_NOCLIP},
             {tfNoPrefix, DT_NOPREFIX},
             {tfRight, DT_RIGHT},
             {tfRtlReading, DT_RTLREADING},
             {tfSingleLine, DT_SINGLELINE},
             {tfTop, DT_TOP},
             {tfVerticalCenter, DT_VCENTER},
             {tfWordBreak, DT_WORDBREAK},
             {tfHidePrefix, DT_HIDEPREFIX},
             {tfNoFullWidthCharBreak, DT_NOFULLWIDTHCHARBREAK},
             {tfPrefixOnly, DT_PREFIXONLY},
             {tfTabStop, DT_TABSTOP},
             {tfWordEllipsis, DT_WORD_ELLIPSIS}};
  unsigned flags = 0;
  for (auto& m : map)
    if (F.Contains(m.f)) flags |= m.flag;
  return flags;
}
