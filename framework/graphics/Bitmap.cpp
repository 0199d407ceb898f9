// TGraphic, TBitmap with its BMP reader and writer, TIcon and the pictures
// decoded by the backend's image readers.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

#include "framework/backend/Painter.h"
#include "framework/classes/Streams.h"
#include "framework/graphics/CursorPicture.h"
#include "framework/graphics/Graphics.h"
#include "framework/os/Resources.h"
#include "framework/os/SafeWriter.h"

namespace {
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(x & 0xFF);
  v.push_back((x >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

[[noreturn]] void InvalidBitmap() { throw EInvalidGraphic("Bitmap image is not valid"); }

std::vector<uint8_t> ReadWholeFile(const std::string& FileName) {
  std::ifstream f(FileName, std::ios::binary);
  if (!f) throw EFOpenError("Cannot open file \"" + FileName + "\". " + std::strerror(errno));
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& FileName, const std::vector<uint8_t>& Bytes) {
  SafeWriteFile(FileName, std::string_view(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}

int BitsOfMask(uint32_t m, int& shift) {
  shift = 0;
  if (!m) return 0;
  while (!(m & 1)) {
    m >>= 1;
    ++shift;
  }
  int n = 0;
  while (m & 1) {
    m >>= 1;
    ++n;
  }
  return n;
}

uint8_t Scale(uint32_t v, int bits) {
  if (bits <= 0) return 0;
  if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
  uint32_t max = (1u << bits) - 1;
  return static_cast<uint8_t>((v * 255 + max / 2) / max);
}

// Decodes RLE8 / RLE4 data into one palette index per pixel, bottom-up rows.
// Runs and moves stay within the picture: what would pass the end of a row
// or the last row is dropped, so the position never leaves the buffer.
bool DecodeRle(const uint8_t* p, size_t n, int w, int h, bool four, std::vector<uint8_t>& idx) {
  idx.assign(static_cast<size_t>(w) * h, 0);
  int x = 0, y = 0;  // 0 <= x <= w, 0 <= y <= h
  size_t i = 0;
  // Puts Count pixels from Pixel(k); those beyond the row are dropped.
  auto put = [&](int count, auto pixel) {
    const int shown = y < h ? std::min(count, w - x) : 0;
    uint8_t* row = idx.data() + static_cast<size_t>(y) * w;
    for (int k = 0; k < shown; ++k) row[x + k] = pixel(k);
    x = std::min(w, x + count);
  };
  while (i + 1 < n) {
    uint8_t count = p[i], val = p[i + 1];
    i += 2;
    if (count) {
      put(count, [&](int k) -> uint8_t { return four ? ((k & 1) ? (val & 0xF) : (val >> 4)) : val; });
      continue;
    }
    if (val == 0) {
      x = 0;
      y = std::min(h, y + 1);
    } else if (val == 1) {
      return true;
    } else if (val == 2) {
      if (i + 1 >= n) return false;
      x = std::min(w, x + p[i]);
      y = std::min(h, y + p[i + 1]);
      i += 2;
    } else {
      int bytes = four ? (val + 1) / 2 : val;
      if (i + bytes > n) return false;
      const uint8_t* b = p + i;
      put(val,
          [&](int k) -> uint8_t { return four ? ((k & 1) ? (b[k / 2] & 0xF) : (b[k / 2] >> 4)) : b[k]; });
      i += (bytes + 1) & ~1;
    }
  }
  return true;
}

// BMP bytes (file header first) to 24- or 32-bit pixels.
void ReadBmp(const uint8_t* d, size_t n, TPixelData& out, bool& is32) {
  if (n < 26 || d[0] != 'B' || d[1] != 'M') InvalidBitmap();
  uint32_t offBits = U32(d + 10);
  uint32_t hs = U32(d + 14);
  if (hs < 12 || 14 + static_cast<size_t>(hs) > n) InvalidBitmap();
  const uint8_t* h = d + 14;
  int64_t w, ht;
  int bpp;
  uint32_t comp = 0, clrUsed = 0;
  if (hs == 12) {
    w = U16(h + 4);
    ht = static_cast<int16_t>(U16(h + 6));
    bpp = U16(h + 10);
  } else {
    if (hs < 40) InvalidBitmap();
    w = static_cast<int32_t>(U32(h + 4));
    ht = static_cast<int32_t>(U32(h + 8));
    bpp = U16(h + 14);
    comp = U32(h + 16);
    clrUsed = U32(h + 32);
  }
  bool topDown = ht < 0;
  if (topDown) ht = -ht;
  if (w <= 0 || ht <= 0 || w > 32768 || ht > 32768 || w * ht > MaxPicturePixels) InvalidBitmap();
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) InvalidBitmap();
  size_t pos = 14 + hs;
  uint32_t masks[3] = {0, 0, 0};
  if (comp == 3) {
    if (hs >= 52) {
      for (int k = 0; k < 3; ++k) masks[k] = U32(h + 40 + 4 * k);
    } else {
      if (pos + 12 > n) InvalidBitmap();
      for (int k = 0; k < 3; ++k) masks[k] = U32(d + pos + 4 * k);
      pos += 12;
    }
  } else if (bpp == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  } else if (bpp == 32) {
    masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  }
  std::vector<uint32_t> pal;
  if (bpp <= 8) {
    size_t count = clrUsed ? clrUsed : (1u << bpp);
    if (count > 256) count = 256;
    size_t es = hs == 12 ? 3 : 4;
    if (pos + count * es > n) InvalidBitmap();
    for (size_t k = 0; k < count; ++k) {
      const uint8_t* e = d + pos + k * es;
      pal.push_back(e[0] | (e[1] << 8) | (e[2] << 16));
    }
  }
  if (offBits >= n) InvalidBitmap();
  const uint8_t* bits = d + offBits;
  size_t avail = n - offBits;
  const bool rle = comp == 1 || comp == 2;
  if (!rle && comp != 0 && comp != 3) InvalidBitmap();
  // Every declared size is checked against the data before pixels are
  // reserved for it.
  size_t stride = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4;
  if (!rle && stride * static_cast<size_t>(ht) > avail) InvalidBitmap();
  if (rle && (bpp != (comp == 1 ? 8 : 4) || topDown)) InvalidBitmap();
  is32 = bpp == 32;
  out.Resize(static_cast<int>(w), static_cast<int>(ht), is32 ? 4 : 3);
  auto store = [&](int x, int y, uint32_t bgr) {
    int row = topDown ? y : static_cast<int>(ht) - 1 - y;
    uint8_t* px = out.Row(row) + x * out.BytesPerPixel;
    px[0] = bgr & 0xFF;
    px[1] = (bgr >> 8) & 0xFF;
    px[2] = (bgr >> 16) & 0xFF;
  };
  auto palette = [&](uint32_t i) { return i < pal.size() ? pal[i] : 0u; };
  if (rle) {
    std::vector<uint8_t> idx;
    if (!DecodeRle(bits, avail, static_cast<int>(w), static_cast<int>(ht), comp == 2, idx)) InvalidBitmap();
    for (int y = 0; y < ht; ++y)
      for (int x = 0; x < w; ++x) store(x, y, palette(idx[static_cast<size_t>(y) * w + x]));
    return;
  }
  int rs = 0, gs = 0, bs = 0, as = 0;
  int rb = BitsOfMask(masks[0], rs), gb = BitsOfMask(masks[1], gs), bb = BitsOfMask(masks[2], bs);
  uint32_t amask = (comp == 3 && hs >= 56) ? U32(h + 52) : 0;
  int ab = BitsOfMask(amask, as);
  bool anyAlpha = false;
  for (int y = 0; y < ht; ++y) {
    const uint8_t* r = bits + stride * y;
    for (int x = 0; x < w; ++x) {
      uint32_t c;
      switch (bpp) {
        case 1:
          c = palette((r[x >> 3] >> (7 - (x & 7))) & 1);
          break;
        case 4:
          c = palette((x & 1) ? (r[x >> 1] & 0xF) : (r[x >> 1] >> 4));
          break;
        case 8:
          c = palette(r[x]);
          break;
        case 24:
          c = r[3 * x] | (r[3 * x + 1] << 8) | (r[3 * x + 2] << 16);
          break;
        default: {
          uint32_t v = bpp == 16 ? U16(r + 2 * x) : U32(r + 4 * x);
          if (bpp == 32 && comp == 0) {
            c = v & 0xFFFFFF;
            if (v >> 24) anyAlpha = true;
          } else {
            c = Scale((v & masks[2]) >> bs, bb) | (Scale((v & masks[1]) >> gs, gb) << 8) |
                (Scale((v & masks[0]) >> rs, rb) << 16);
          }
          store(x, y, c);
          if (bpp == 32) {
            int row = topDown ? y : static_cast<int>(ht) - 1 - y;
            uint8_t a = comp == 0 ? static_cast<uint8_t>(v >> 24) : (ab ? Scale((v & amask) >> as, ab) : 0);
            out.Row(row)[x * 4 + 3] = a;
          }
          continue;
        }
      }
      store(x, y, c);
    }
  }
  (void)anyAlpha;
}

std::vector<uint8_t> WriteBmp(const TPixelData& px) {
  int bpp = px.BytesPerPixel * 8;
  uint32_t stride = static_cast<uint32_t>(((px.Width * bpp + 31) / 32) * 4);
  uint32_t image = stride * px.Height;
  std::vector<uint8_t> v;
  v.reserve(54 + image);
  v.push_back('B');
  v.push_back('M');
  Put32(v, 54 + image);
  Put32(v, 0);
  Put32(v, 54);
  Put32(v, 40);
  Put32(v, px.Width);
  Put32(v, px.Height);
  Put16(v, 1);
  Put16(v, bpp);
  Put32(v, 0);
  Put32(v, image);
  Put32(v, 3780);  // 96 dpi
  Put32(v, 3780);
  Put32(v, 0);
  Put32(v, 0);
  for (int y = px.Height - 1; y >= 0; --y) {
    const uint8_t* r = px.Row(y);
    v.insert(v.end(), r, r + px.Width * px.BytesPerPixel);
    v.resize(v.size() + (stride - px.Width * px.BytesPerPixel), 0);
  }
  return v;
}

void ToFourBytes(const TPixelData& src, TPixelData& dst) {
  dst.Resize(src.Width, src.Height, 4);
  dst.HasAlpha = src.HasAlpha;
  for (int y = 0; y < src.Height; ++y)
    for (int x = 0; x < src.Width; ++x) {
      const uint8_t* s = src.Row(y) + x * src.BytesPerPixel;
      uint8_t* d = dst.Row(y) + x * 4;
      d[0] = s[0], d[1] = s[1], d[2] = s[2];
      d[3] = src.BytesPerPixel == 4 ? s[3] : 255;
    }
}

void ConvertDepth(TPixelData& px, int bpp) {
  if (px.BytesPerPixel == bpp) return;
  TPixelData n;
  n.Resize(px.Width, px.Height, bpp);
  for (int y = 0; y < px.Height; ++y)
    for (int x = 0; x < px.Width; ++x) {
      const uint8_t* s = px.Row(y) + x * px.BytesPerPixel;
      uint8_t* d = n.Row(y) + x * bpp;
      d[0] = s[0], d[1] = s[1], d[2] = s[2];
      if (bpp == 4) d[3] = 0xFF;
    }
  px = std::move(n);
}

void DrawPixels(TCanvas* C, const TRect& R, const TPixelData& px, bool blend, TColor key, TCopyMode rop) {
  TPixelData copy;
  const TPixelData* src = &px;
  if (C->TargetBitmap() && &C->TargetBitmap()->PixelData() == &px) {
    copy = px;
    src = &copy;
  }
  C->ActivePainter()->DrawImage(R, *src, Rect(0, 0, px.Width, px.Height), rop, key, blend);
}
}  // namespace

// --- TPixelData
void TPixelData::Resize(int W, int H, int Bpp) {
  Width = std::max(0, W);
  Height = std::max(0, H);
  BytesPerPixel = Bpp == 3 ? 3 : 4;
  Stride = ((Width * BytesPerPixel) + 3) & ~3;
  Bits.assign(static_cast<size_t>(Stride) * Height, 0);
  // New 32-bit pixels are opaque black, as the backend's images expect.
  if (BytesPerPixel == 4)
    for (size_t i = 3; i < Bits.size(); i += 4) Bits[i] = 0xFF;
}

TColor TPixelData::GetPixel(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= Width || Y >= Height) return 0;
  const uint8_t* p = Row(Y) + X * BytesPerPixel;
  return RGB(p[2], p[1], p[0]);
}

void TPixelData::SetPixel(int X, int Y, TColor C) {
  if (X < 0 || Y < 0 || X >= Width || Y >= Height) return;
  uint8_t* p = Row(Y) + X * BytesPerPixel;
  p[0] = GetBValue(C), p[1] = GetGValue(C), p[2] = GetRValue(C);
  if (BytesPerPixel == 4) p[3] = 0xFF;
}

int TPixelData::GetAlpha(int X, int Y) const {
  if (BytesPerPixel != 4 || !HasAlpha) return 255;
  if (X < 0 || Y < 0 || X >= Width || Y >= Height) return 0;
  return Row(Y)[X * 4 + 3];
}

// --- TGraphic
void TGraphic::SetWidth(int) {}
void TGraphic::SetHeight(int) {}
void TGraphic::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  Changed();
}
void TGraphic::Changed() {
  modified_ = true;
  if (OnChange) OnChange(this);
}
void TGraphic::LoadFromFile(const std::string& FileName) {
  std::vector<uint8_t> bytes = ReadWholeFile(FileName);
  LoadFromBytes(bytes.data(), bytes.size());
}
void TGraphic::SaveToFile(const std::string& FileName) { WriteWholeFile(FileName, SaveToBytes()); }
void TGraphic::LoadFromStream(TStream* Stream) {
  if (!Stream) return;
  int64_t left = Stream->Size() - Stream->Position();
  std::vector<uint8_t> bytes(static_cast<size_t>(std::max<int64_t>(0, left)));
  if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  LoadFromBytes(bytes.data(), bytes.size());
}
void TGraphic::SaveToStream(TStream* Stream) {
  if (!Stream) return;
  std::vector<uint8_t> bytes = SaveToBytes();
  if (!bytes.empty()) Stream->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

// --- TBitmap
class TBitmap::TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap* B) : bitmap_(B) {}
  TBitmap* TargetBitmap() override { return bitmap_; }
  void Drop() { FreeHandle(); }

 protected:
  std::unique_ptr<TPainter> CreatePainter() override {
    if (bitmap_->Empty()) return nullptr;
    return CreateBitmapPainter(bitmap_->pixels_);
  }

 private:
  TBitmap* bitmap_;
};

TBitmap::TBitmap() { pixels_.Resize(0, 0, 4); }
TBitmap::TBitmap(int AWidth, int AHeight) : TBitmap() { SetSize(AWidth, AHeight); }
TBitmap::~TBitmap() {
  // The canvas's painter refers to the pixels: it goes first.
  canvas_.reset();
}

void TBitmap::PixelsReplaced() {
  if (canvas_) canvas_->Drop();
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(0, AWidth);
  AHeight = std::max(0, AHeight);
  if (AWidth == pixels_.Width && AHeight == pixels_.Height) return;
  PixelsReplaced();
  TPixelData n;
  n.Resize(AWidth, AHeight, pixels_.BytesPerPixel);
  n.HasAlpha = pixels_.HasAlpha;
  std::fill(n.Bits.begin(), n.Bits.end(), 0xFF);
  int cw = std::min(AWidth, pixels_.Width), ch = std::min(AHeight, pixels_.Height);
  for (int y = 0; y < ch; ++y)
    std::memcpy(n.Row(y), pixels_.Row(y), static_cast<size_t>(cw) * n.BytesPerPixel);
  pixels_ = std::move(n);
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  int bpp = (Value == pfDevice || Value == pf32bit) ? 4 : 3;
  TPixelFormat stored = bpp == 4 ? Value : pf24bit;
  if (stored == pixelFormat_) return;
  PixelsReplaced();
  ConvertDepth(pixels_, bpp);
  if (bpp == 3) pixels_.HasAlpha = false;
  pixelFormat_ = stored;
  Changed();
}

void TBitmap::SetAlphaFormat(TAlphaFormat Value) {
  if (alphaFormat_ == Value) return;
  alphaFormat_ = Value;
  pixels_.HasAlpha = Value != afIgnored && pixels_.BytesPerPixel == 4;
  Changed();
}

void* TBitmap::ScanLine(int Y) {
  if (Y < 0 || Y >= pixels_.Height) throw EInvalidGraphic("Scan line index out of range");
  return pixels_.Row(Y);
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<TBitmapCanvas>(this);
    canvas_->OnChange = [this](TObject*) { Changed(); };
  }
  return canvas_.get();
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return ColorToRGB(transparentColor_);
  return pixels_.GetPixel(0, pixels_.Height - 1);
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == transparentColor_) return;
  transparentColor_ = Value;
  transparentMode_ = Value == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == transparentMode_) return;
  transparentMode_ = Value;
  if (Value == tmAuto) transparentColor_ = clDefault;
  Changed();
}

void TBitmap::SetPixelData(TPixelData Data) {
  PixelsReplaced();
  if (Data.BytesPerPixel != 3 && Data.BytesPerPixel != 4) Data.BytesPerPixel = 4;
  pixels_ = std::move(Data);
  pixelFormat_ = pixels_.BytesPerPixel == 4 ? (pixelFormat_ == pfDevice ? pfDevice : pf32bit) : pf24bit;
  alphaFormat_ = pixels_.HasAlpha ? afDefined : afIgnored;
  Changed();
}

void TBitmap::Assign(TPersistent* Source) {
  if (Source == nullptr) {
    PixelsReplaced();
    pixels_.Resize(0, 0, pixels_.BytesPerPixel);
    Changed();
    return;
  }
  if (auto* b = dynamic_cast<TBitmap*>(Source)) {
    if (b == this) return;
    PixelsReplaced();
    pixels_ = b->pixels_;
    pixelFormat_ = b->pixelFormat_;
    alphaFormat_ = b->alphaFormat_;
    transparentColor_ = b->transparentColor_;
    transparentMode_ = b->transparentMode_;
    SetTransparent(b->Transparent());
    Changed();
    return;
  }
  TGraphic::Assign(Source);
}

void TBitmap::AssignTo(TPersistent* Dest) { TGraphic::AssignTo(Dest); }

void TBitmap::Draw(TCanvas* ACanvas, const TRect& R) {
  bool blend = pixels_.BytesPerPixel == 4 && alphaFormat_ != afIgnored;
  if (Transparent())
    DrawPixels(ACanvas, R, pixels_, blend, TransparentColor() & 0xFFFFFF, cmSrcCopy);
  else
    DrawPixels(ACanvas, R, pixels_, blend, clNone, ACanvas->CopyMode());
}

void TBitmap::LoadFromBytes(const uint8_t* Data, size_t Size) {
  TPixelData px;
  bool is32 = false;
  if (Size >= 2 && Data[0] == 'B' && Data[1] == 'M') {
    ReadBmp(Data, Size, px, is32);
  } else if (DecodeImage(Data, Size, px)) {
    // Other formats come as 32-bit pixels from the backend's readers.
    is32 = true;
  } else {
    InvalidBitmap();
  }
  PixelsReplaced();
  pixels_ = std::move(px);
  pixelFormat_ = is32 ? pf32bit : pf24bit;
  alphaFormat_ = pixels_.HasAlpha ? afDefined : afIgnored;
  Changed();
}

void TBitmap::LoadFromStream(TStream* Stream) {
  if (!Stream) return;
  // A bitmap inside a larger stream reads just its own bytes.
  int64_t start = Stream->Position();
  uint8_t head[14];
  if (Stream->Read(head, 14) == 14 && head[0] == 'B' && head[1] == 'M') {
    uint32_t size = U32(head + 2);
    int64_t left = Stream->Size() - start;
    if (size >= 14 && size <= left) {
      std::vector<uint8_t> bytes(size);
      std::memcpy(bytes.data(), head, 14);
      Stream->ReadBuffer(bytes.data() + 14, size - 14);
      LoadFromBytes(bytes.data(), bytes.size());
      return;
    }
  }
  Stream->SetPosition(start);
  TGraphic::LoadFromStream(Stream);
}

std::vector<uint8_t> TBitmap::SaveToBytes() { return WriteBmp(pixels_); }

namespace {
std::string LowerAscii(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Bitmap resources by their name, wherever they sit below pictures/
// ("pictures/GRDCHK01.bmp", "pictures/lbbutton/LBOK.bmp"). Names are not
// case-sensitive, as resource names on the platform are not.
const std::string_view* FindBitmapResource(const std::string& ResName) {
  if (const std::string_view* r = FindEmbeddedResource("pictures/" + ResName + ".bmp")) return r;
  static const std::map<std::string, std::string> byName = [] {
    std::map<std::string, std::string> m;
    for (const std::string& n : EmbeddedResourceNames()) {
      std::string low = LowerAscii(n);
      if (low.rfind("pictures/", 0) != 0 || low.size() < 4 || low.compare(low.size() - 4, 4, ".bmp") != 0)
        continue;
      size_t slash = low.find_last_of('/');
      m.emplace(low.substr(slash + 1, low.size() - slash - 5), n);
    }
    return m;
  }();
  auto it = byName.find(LowerAscii(ResName));
  return it == byName.end() ? nullptr : FindEmbeddedResource(it->second);
}
}  // namespace

void TBitmap::LoadFromResourceName(const std::string& ResName) {
  const std::string_view* res = FindBitmapResource(ResName);
  if (!res) throw EResNotFound("Resource " + ResName + " not found");
  LoadFromBytes(reinterpret_cast<const uint8_t*>(res->data()), res->size());
}

std::vector<uint8_t> TBitmap::SaveToPngBytes() const {
  TPixelData px;
  ToFourBytes(pixels_, px);
  if (alphaFormat_ == afIgnored) px.HasAlpha = false;
  return EncodeImage(px, "PNG");
}

void TBitmap::SaveToPngFile(const std::string& FileName) const {
  std::vector<uint8_t> bytes = SaveToPngBytes();
  if (bytes.empty()) throw EInvalidGraphic("Cannot encode the picture as PNG");
  WriteWholeFile(FileName, bytes);
}

// --- TIcon
TIcon::TIcon() { pixels_.Resize(0, 0, 4); }

void TIcon::Assign(TPersistent* Source) {
  if (Source == nullptr) {
    pixels_.Resize(0, 0, 4);
    data_.clear();
    Changed();
    return;
  }
  if (auto* i = dynamic_cast<TIcon*>(Source)) {
    if (i == this) return;
    pixels_ = i->pixels_;
    data_ = i->data_;
    Changed();
    return;
  }
  if (auto* b = dynamic_cast<TBitmap*>(Source)) {
    AssignBitmap(*b);
    return;
  }
  TGraphic::Assign(Source);
}

void TIcon::AssignBitmap(const TBitmap& Source) {
  ToFourBytes(Source.PixelData(), pixels_);
  if (!Source.PixelData().HasAlpha || Source.AlphaFormat() == afIgnored) {
    pixels_.HasAlpha = Source.Transparent();
    TColor key = Source.TransparentColor() & 0xFFFFFF;
    for (int y = 0; y < pixels_.Height; ++y)
      for (int x = 0; x < pixels_.Width; ++x)
        pixels_.Row(y)[x * 4 + 3] = (Source.Transparent() && pixels_.GetPixel(x, y) == key) ? 0 : 255;
  }
  data_.clear();
  Changed();
}

void TIcon::AssignTo(TPersistent* Dest) {
  if (auto* b = dynamic_cast<TBitmap*>(Dest)) {
    TPixelData px = pixels_;
    px.HasAlpha = true;
    b->SetPixelData(std::move(px));
    return;
  }
  TGraphic::AssignTo(Dest);
}

void TIcon::LoadFromBytes(const uint8_t* Data, size_t Size) {
  TPixelData px;
  if (Size < 6 || U16(Data) != 0 || (U16(Data + 2) != 1 && U16(Data + 2) != 2) ||
      !DecodeImage(Data, Size, px))
    throw EInvalidGraphic("Icon image is not valid");
  px.HasAlpha = true;
  pixels_ = std::move(px);
  data_.assign(Data, Data + Size);
  Changed();
}

std::vector<uint8_t> TIcon::SaveToBytes() {
  if (!data_.empty() || Empty()) return data_;
  int w = pixels_.Width, h = pixels_.Height;
  uint32_t maskStride = static_cast<uint32_t>(((w + 31) / 32) * 4);
  uint32_t bytes = 40 + static_cast<uint32_t>(w * h * 4) + maskStride * h;
  std::vector<uint8_t> v;
  Put16(v, 0);
  Put16(v, 1);
  Put16(v, 1);
  v.push_back(w >= 256 ? 0 : w);
  v.push_back(h >= 256 ? 0 : h);
  v.push_back(0);
  v.push_back(0);
  Put16(v, 1);
  Put16(v, 32);
  Put32(v, bytes);
  Put32(v, 22);
  Put32(v, 40);
  Put32(v, w);
  Put32(v, h * 2);
  Put16(v, 1);
  Put16(v, 32);
  Put32(v, 0);
  Put32(v, bytes - 40);
  Put32(v, 0);
  Put32(v, 0);
  Put32(v, 0);
  Put32(v, 0);
  for (int y = h - 1; y >= 0; --y) {
    const uint8_t* r = pixels_.Row(y);
    for (int x = 0; x < w; ++x) {
      v.insert(v.end(), r + 4 * x, r + 4 * x + 3);
      v.push_back(pixels_.HasAlpha ? r[4 * x + 3] : 255);
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskStride, 0);
    for (int x = 0; x < w; ++x)
      if (pixels_.HasAlpha && pixels_.Row(y)[4 * x + 3] == 0) row[x >> 3] |= 0x80 >> (x & 7);
    v.insert(v.end(), row.begin(), row.end());
  }
  return v;
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& R) {
  DrawPixels(ACanvas, R, pixels_, true, clNone, cmSrcCopy);
}

// --- TEncodedImage
void TEncodedImage::Assign(TPersistent* Source) {
  if (Source == nullptr) {
    pixels_.Resize(0, 0, 4);
    data_.clear();
    Changed();
    return;
  }
  if (auto* e = dynamic_cast<TEncodedImage*>(Source); e && std::strcmp(e->format_, format_) == 0) {
    if (e == this) return;
    pixels_ = e->pixels_;
    data_ = e->data_;
    Changed();
    return;
  }
  TGraphic::Assign(Source);
}

void TEncodedImage::LoadFromBytes(const uint8_t* Data, size_t Size) {
  TPixelData px;
  if (!DecodeImage(Data, Size, px)) throw EInvalidGraphic(std::string(format_) + " image is not valid");
  pixels_ = std::move(px);
  data_.assign(Data, Data + Size);
  Changed();
}

void TEncodedImage::Draw(TCanvas* ACanvas, const TRect& R) {
  DrawPixels(ACanvas, R, pixels_, pixels_.HasAlpha, clNone, cmSrcCopy);
}

void TEncodedImage::AssignTo(TPersistent* Dest) {
  if (auto* b = dynamic_cast<TBitmap*>(Dest)) {
    b->SetPixelData(pixels_);
    return;
  }
  TGraphic::AssignTo(Dest);
}

void TPngImage::Assign(TPersistent* Source) {
  if (auto* b = dynamic_cast<TBitmap*>(Source)) {
    TPixelData px;
    ToFourBytes(b->PixelData(), px);
    if (b->AlphaFormat() == afIgnored) px.HasAlpha = false;
    std::vector<uint8_t> bytes = EncodeImage(px, "PNG");
    if (bytes.empty()) throw EInvalidGraphic("Cannot encode the picture as PNG");
    data_ = std::move(bytes);
    pixels_ = std::move(px);
    Changed();
    return;
  }
  TEncodedImage::Assign(Source);
}

TCanvas* BeginCursorPicture(TBitmap* Bmp) {
  constexpr TColor kSeeThrough = 0x00FF00FF;
  Bmp->SetPixelFormat(pf24bit);
  Bmp->SetSize(32, 32);
  TCanvas* c = Bmp->Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(kSeeThrough);
  c->FillRect(TRect(0, 0, 32, 32));
  c->Pen()->SetColor(clWhite);
  c->Pen()->SetWidth(1);
  c->Brush()->SetColor(clBlack);
  Bmp->SetTransparentColor(kSeeThrough);
  Bmp->SetTransparent(true);
  return c;
}
