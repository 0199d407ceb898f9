#include "framework/graphics/ImgList.h"

#include <algorithm>

#include "framework/backend/Painter.h"
#include "framework/graphics/CanvasCall.h"

namespace {
// A Width x Height image of Src starting at column X0, with alpha.
TPixelData Cell(const TPixelData& src, int x0, int w, int h, const std::vector<bool>* transparent,
                bool srcAlpha) {
  TPixelData d;
  d.Resize(w, h, 4);
  d.HasAlpha = true;
  for (int y = 0; y < h && y < src.Height; ++y)
    for (int x = 0; x < w && x0 + x < src.Width; ++x) {
      const uint8_t* s = src.Row(y) + (x0 + x) * src.BytesPerPixel;
      uint8_t* p = d.Row(y) + x * 4;
      p[0] = s[0], p[1] = s[1], p[2] = s[2];
      uint8_t a = srcAlpha ? s[3] : 255;
      if (transparent && (*transparent)[static_cast<size_t>(y) * src.Width + x0 + x]) a = 0;
      p[3] = a;
    }
  return d;
}

TPixelData Greyed(const TPixelData& src) {
  TPixelData d = src;
  for (int y = 0; y < d.Height; ++y)
    for (int x = 0; x < d.Width; ++x) {
      uint8_t* p = d.Row(y) + x * 4;
      int g = (p[2] * 30 + p[1] * 59 + p[0] * 11) / 100;
      g = 128 + g / 2;  // lighter, as disabled glyphs are
      p[0] = p[1] = p[2] = static_cast<uint8_t>(g);
    }
  return d;
}
}  // namespace

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}
TImageList::TImageList(TComponent* AOwner, int AWidth, int AHeight) : TComponent(AOwner) {
  width_ = std::max(1, AWidth);
  height_ = std::max(1, AHeight);
}
TImageList::~TImageList() = default;

void TImageList::Assign(TPersistent* Source) {
  if (auto* l = dynamic_cast<TImageList*>(Source)) {
    if (l == this) return;
    width_ = l->width_;
    height_ = l->height_;
    masked_ = l->masked_;
    bkColor_ = l->bkColor_;
    drawingStyle_ = l->drawingStyle_;
    images_ = l->images_;
    Changed();
    return;
  }
  TComponent::Assign(Source);
}

void TImageList::Changed() {
  if (OnChange) OnChange(this);
}

void TImageList::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(1, AWidth);
  AHeight = std::max(1, AHeight);
  if (AWidth == width_ && AHeight == height_) return;
  width_ = AWidth;
  height_ = AHeight;
  images_.clear();
  Changed();
}
void TImageList::SetWidth(int Value) { SetSize(Value, height_); }
void TImageList::SetHeight(int Value) { SetSize(width_, Value); }

void TImageList::SetBkColor(TColor Value) {
  if (bkColor_ == Value) return;
  bkColor_ = Value;
  Changed();
}

void TImageList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) throw EInvalidOperation("Invalid ImageList index");
}

std::vector<TPixelData> TImageList::Slice(const TPixelData& Src, const std::vector<bool>* Transparent) const {
  std::vector<TPixelData> out;
  int n = std::max(1, Src.Width / width_);
  for (int i = 0; i < n; ++i)
    out.push_back(
        Cell(Src, i * width_, width_, height_, Transparent, Src.HasAlpha && Src.BytesPerPixel == 4));
  return out;
}

int TImageList::Add(TBitmap* Image, TBitmap* Mask) {
  if (!Image || Image->Empty()) return -1;
  std::vector<bool> transparent;
  if (Mask && !Mask->Empty()) {
    const TPixelData& src = Image->PixelData();
    transparent.assign(static_cast<size_t>(src.Width) * src.Height, false);
    for (int y = 0; y < src.Height; ++y)
      for (int x = 0; x < src.Width; ++x)
        transparent[static_cast<size_t>(y) * src.Width + x] =
            (Mask->PixelData().GetPixel(x, y) & 0xFFFFFF) != 0;
  }
  TPixelData src = Image->PixelData();
  if (Image->AlphaFormat() == afIgnored) src.HasAlpha = false;
  std::vector<TPixelData> cells = Slice(src, transparent.empty() ? nullptr : &transparent);
  int first = Count();
  for (auto& c : cells) images_.push_back(std::move(c));
  Changed();
  return first;
}

int TImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  if (!Image || Image->Empty()) return -1;
  const TPixelData& src = Image->PixelData();
  TColor key = (MaskColor == clDefault ? Image->TransparentColor() : ColorToRGB(MaskColor)) & 0xFFFFFF;
  std::vector<bool> transparent(static_cast<size_t>(src.Width) * src.Height, false);
  for (int y = 0; y < src.Height; ++y)
    for (int x = 0; x < src.Width; ++x)
      transparent[static_cast<size_t>(y) * src.Width + x] = src.GetPixel(x, y) == key;
  TPixelData copy = src;
  copy.HasAlpha = false;
  std::vector<TPixelData> cells = Slice(copy, &transparent);
  int first = Count();
  for (auto& c : cells) images_.push_back(std::move(c));
  Changed();
  return first;
}

int TImageList::AddIcon(TIcon* Image) {
  if (!Image || Image->Empty()) return -1;
  images_.push_back(Cell(Image->PixelData(), 0, width_, height_, nullptr, true));
  Changed();
  return Count() - 1;
}

void TImageList::Insert(int Index, TBitmap* Image, TBitmap* Mask) {
  if (Index < 0 || Index > Count()) throw EInvalidOperation("Invalid ImageList index");
  int before = Count();
  if (Add(Image, Mask) < 0) return;
  std::rotate(images_.begin() + Index, images_.begin() + before, images_.end());
  Changed();
}

void TImageList::Replace(int Index, TBitmap* Image, TBitmap* Mask) {
  CheckIndex(Index);
  int before = Count();
  if (Add(Image, Mask) < 0) return;
  images_[Index] = std::move(images_[before]);
  images_.resize(before);
  Changed();
}

void TImageList::Delete(int Index) {
  CheckIndex(Index);
  images_.erase(images_.begin() + Index);
  Changed();
}

void TImageList::Clear() {
  if (images_.empty()) return;
  images_.clear();
  Changed();
}

void TImageList::Move(int CurIndex, int NewIndex) {
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  TPixelData p = std::move(images_[CurIndex]);
  images_.erase(images_.begin() + CurIndex);
  images_.insert(images_.begin() + NewIndex, std::move(p));
  Changed();
}

const TPixelData* TImageList::ImagePixels(int Index) const {
  return Index >= 0 && Index < Count() ? &images_[Index] : nullptr;
}

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
  Draw(Canvas, X, Y, Index, drawingStyle_, itImage, Enabled);
}

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, TDrawingStyle, TImageType, bool Enabled) {
  if (!Canvas) return;
  TCanvasCallScope s(Canvas, "ImageListDraw", [&](TCanvasCall& c) {
    c.Points = {{X, Y}};
    c.Rect = Bounds(X, Y, width_, height_);
    c.Param1 = Index;
    c.Param2 = Enabled ? 1 : 0;
  });
  const TPixelData* img = ImagePixels(Index);
  if (!img) return;
  TRect dest = Bounds(X, Y, width_, height_);
  if (Enabled) {
    Canvas->ActivePainter()->DrawImage(dest, *img, Rect(0, 0, width_, height_), cmSrcCopy, clNone, true);
  } else {
    TPixelData g = Greyed(*img);
    Canvas->ActivePainter()->DrawImage(dest, g, Rect(0, 0, width_, height_), cmSrcCopy, clNone, true);
  }
}

bool TImageList::GetBitmap(int Index, TBitmap* Image) {
  const TPixelData* img = ImagePixels(Index);
  if (!img || !Image) return false;
  Image->SetSize(width_, height_);
  TColor back = ColorToRGB(bkColor_ == clNone ? clWindow : bkColor_);
  TPixelData& d = Image->PixelData();
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const uint8_t* s = img->Row(y) + x * 4;
      int a = s[3];
      auto mix = [&](int src, int dst) { return (src * a + dst * (255 - a) + 127) / 255; };
      d.SetPixel(x, y,
                 RGB(mix(s[2], GetRValue(back)), mix(s[1], GetGValue(back)), mix(s[0], GetBValue(back))));
    }
  Image->SetModified(true);
  if (Image->OnChange) Image->OnChange(Image);
  return true;
}

bool TImageList::GetIcon(int Index, TIcon* Image) {
  const TPixelData* img = ImagePixels(Index);
  if (!img || !Image) return false;
  TBitmap b;
  b.SetPixelFormat(pf32bit);
  TPixelData p = *img;
  b.SetPixelData(std::move(p));
  b.SetAlphaFormat(afDefined);
  Image->AssignBitmap(b);
  return true;
}
