// JPEG coding over libjpeg. libjpeg reports errors through a callback that
// must not return; it jumps back to the call's setjmp point, so nothing with
// a destructor lives between the setjmp and the library calls.
#include "framework/graphics/Jpeg.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include "framework/backend/Painter.h"
#include "framework/os/LoadedLibrary.h"

namespace {
// libjpeg is loaded the first time a picture is read or written as JPEG:
// the program's windows show none at start.
// clang-format off
#define CF_JPEG_FUNCTIONS(X)                                                                     \
  X(jpeg_std_error) X(jpeg_CreateDecompress) X(jpeg_CreateCompress) X(jpeg_destroy_decompress)   \
  X(jpeg_destroy_compress) X(jpeg_mem_src) X(jpeg_mem_dest) X(jpeg_read_header)                  \
  X(jpeg_start_decompress) X(jpeg_read_scanlines) X(jpeg_finish_decompress) X(jpeg_set_defaults) \
  X(jpeg_set_quality) X(jpeg_simple_progression) X(jpeg_start_compress) X(jpeg_write_scanlines)  \
  X(jpeg_finish_compress)
// clang-format on
#define CF_JPEG_FIELD(Name) decltype(&::Name) Name = nullptr;
#define CF_JPEG_BIND(Name) &&BindLoadedSymbol(lib, #Name, l.Name)

struct TJpegLibrary {
  CF_JPEG_FUNCTIONS(CF_JPEG_FIELD)
};

// Null when the library cannot be loaded.
const TJpegLibrary* Jpeg() {
  static const TJpegLibrary* library = [] {
    static TJpegLibrary l;
    void* lib = OpenLoadedLibrary({"libjpeg.so.62", "libjpeg.so"});
    return lib != nullptr CF_JPEG_FUNCTIONS(CF_JPEG_BIND) ? &l : nullptr;
  }();
  return library;
}

#undef CF_JPEG_BIND
#undef CF_JPEG_FIELD
#undef CF_JPEG_FUNCTIONS

struct ErrorMgr {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorMgr*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings pass, but for one: data that ends before the picture does. The
// library would fill the rest with grey; a cut file is damaged.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) OnError(cinfo);
}

// False, with the reason in Err, when libjpeg cannot be loaded.
bool Loaded(ErrorMgr& Err) {
  if (Jpeg() != nullptr) return true;
  std::snprintf(Err.message, sizeof Err.message, "The JPEG library could not be loaded");
  return false;
}

struct DecodeState {
  jpeg_decompress_struct cinfo;
  ErrorMgr err;
};

struct EncodeState {
  jpeg_compress_struct cinfo;
  ErrorMgr err;
  unsigned char* mem = nullptr;
  unsigned long memSize = 0;
};

// Returns false (with err.message) when libjpeg failed.
bool RunDecode(DecodeState& s, const uint8_t* data, size_t size, bool gray, int denom, TPixelData& out) {
  if (!Loaded(s.err)) return false;
  const TJpegLibrary& lib = *Jpeg();
  s.cinfo.err = lib.jpeg_std_error(&s.err.pub);
  s.err.pub.error_exit = OnError;
  s.err.pub.emit_message = OnMessage;
  s.err.message[0] = 0;
  if (setjmp(s.err.jump)) {
    lib.jpeg_destroy_decompress(&s.cinfo);
    return false;
  }
  lib.jpeg_CreateDecompress(&s.cinfo, JPEG_LIB_VERSION, sizeof s.cinfo);
  lib.jpeg_mem_src(&s.cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  lib.jpeg_read_header(&s.cinfo, TRUE);
  // A few bytes can declare any size: refuse before anything is reserved.
  if (static_cast<std::int64_t>(s.cinfo.image_width) * s.cinfo.image_height > MaxPicturePixels) {
    std::snprintf(s.err.message, sizeof s.err.message, "Image of %u x %u pixels is too large",
                  static_cast<unsigned>(s.cinfo.image_width), static_cast<unsigned>(s.cinfo.image_height));
    lib.jpeg_destroy_decompress(&s.cinfo);
    return false;
  }
  s.cinfo.out_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
  s.cinfo.scale_num = 1;
  s.cinfo.scale_denom = denom;
  lib.jpeg_start_decompress(&s.cinfo);
  out.Resize(static_cast<int>(s.cinfo.output_width), static_cast<int>(s.cinfo.output_height), 3);
  int comps = s.cinfo.output_components;
  JSAMPARRAY row = (*s.cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&s.cinfo), JPOOL_IMAGE,
                                                s.cinfo.output_width * comps, 1);
  while (s.cinfo.output_scanline < s.cinfo.output_height) {
    int y = static_cast<int>(s.cinfo.output_scanline);
    lib.jpeg_read_scanlines(&s.cinfo, row, 1);
    uint8_t* d = out.Row(y);
    for (unsigned x = 0; x < s.cinfo.output_width; ++x) {
      const uint8_t* p = row[0] + x * comps;
      if (comps == 1)
        d[3 * x] = d[3 * x + 1] = d[3 * x + 2] = p[0];
      else
        d[3 * x] = p[2], d[3 * x + 1] = p[1], d[3 * x + 2] = p[0];
    }
  }
  lib.jpeg_finish_decompress(&s.cinfo);
  lib.jpeg_destroy_decompress(&s.cinfo);
  return true;
}

bool RunEncode(EncodeState& s, const TPixelData& px, int quality, bool gray, bool progressive,
               std::vector<uint8_t>& rowBuf) {
  if (!Loaded(s.err)) return false;
  const TJpegLibrary& lib = *Jpeg();
  s.cinfo.err = lib.jpeg_std_error(&s.err.pub);
  s.err.pub.error_exit = OnError;
  s.err.pub.emit_message = OnMessage;
  s.err.message[0] = 0;
  if (setjmp(s.err.jump)) {
    lib.jpeg_destroy_compress(&s.cinfo);
    return false;
  }
  lib.jpeg_CreateCompress(&s.cinfo, JPEG_LIB_VERSION, sizeof s.cinfo);
  lib.jpeg_mem_dest(&s.cinfo, &s.mem, &s.memSize);
  s.cinfo.image_width = static_cast<JDIMENSION>(px.Width);
  s.cinfo.image_height = static_cast<JDIMENSION>(px.Height);
  s.cinfo.input_components = gray ? 1 : 3;
  s.cinfo.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
  lib.jpeg_set_defaults(&s.cinfo);
  lib.jpeg_set_quality(&s.cinfo, quality, TRUE);
  if (progressive) lib.jpeg_simple_progression(&s.cinfo);
  lib.jpeg_start_compress(&s.cinfo, TRUE);
  JSAMPROW row = rowBuf.data();
  while (s.cinfo.next_scanline < s.cinfo.image_height) {
    const uint8_t* src = px.Row(static_cast<int>(s.cinfo.next_scanline));
    for (int x = 0; x < px.Width; ++x) {
      const uint8_t* p = src + x * px.BytesPerPixel;
      if (gray)
        rowBuf[x] = static_cast<uint8_t>((p[2] * 299 + p[1] * 587 + p[0] * 114 + 500) / 1000);
      else
        rowBuf[3 * x] = p[2], rowBuf[3 * x + 1] = p[1], rowBuf[3 * x + 2] = p[0];
    }
    lib.jpeg_write_scanlines(&s.cinfo, &row, 1);
  }
  lib.jpeg_finish_compress(&s.cinfo);
  lib.jpeg_destroy_compress(&s.cinfo);
  return true;
}
}  // namespace

bool JpegDecode(const uint8_t* Data, size_t Size, bool Grayscale, int ScaleDenom, TPixelData& Out,
                std::string* Error) {
  if (!Data || Size < 4) {
    if (Error) *Error = "JPEG data is too short";
    return false;
  }
  auto s = std::make_unique<DecodeState>();
  std::memset(&s->cinfo, 0, sizeof s->cinfo);
  TPixelData px;
  if (!RunDecode(*s, Data, Size, Grayscale, ScaleDenom, px)) {
    if (Error) *Error = s->err.message;
    return false;
  }
  Out = std::move(px);
  return true;
}

bool JpegEncode(const TPixelData& Pixels, int Quality, bool Grayscale, bool Progressive,
                std::vector<uint8_t>& Out, std::string* Error) {
  if (Pixels.Width <= 0 || Pixels.Height <= 0) {
    if (Error) *Error = "Empty picture";
    return false;
  }
  auto s = std::make_unique<EncodeState>();
  std::memset(&s->cinfo, 0, sizeof s->cinfo);
  std::vector<uint8_t> rowBuf(static_cast<size_t>(Pixels.Width) * 3);
  bool ok = RunEncode(*s, Pixels, Quality, Grayscale, Progressive, rowBuf);
  if (ok) Out.assign(s->mem, s->mem + s->memSize);
  if (!ok && Error) *Error = s->err.message;
  std::free(s->mem);
  return ok;
}

// --- TJPEGImage
TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::FreeBitmap() { bitmap_.reset(); }

bool TJPEGImage::Empty() const { return data_.empty() && !bitmap_; }
int TJPEGImage::Width() const { return bitmap_ ? bitmap_->Width() : width_; }
int TJPEGImage::Height() const { return bitmap_ ? bitmap_->Height() : height_; }

void TJPEGImage::SetCompressionQuality(int Value) {
  Value = Value < 1 ? 1 : (Value > 100 ? 100 : Value);
  if (quality_ == Value) return;
  quality_ = Value;
}

void TJPEGImage::SetGrayscale(bool Value) {
  if (grayscale_ == Value) return;
  grayscale_ = Value;
  // Pixels decoded from bytes follow the new setting when next needed.
  if (!data_.empty()) FreeBitmap();
  Changed();
}

void TJPEGImage::SetPerformance(TJPEGPerformance Value) { performance_ = Value; }

void TJPEGImage::SetScale(TJPEGScale Value) {
  if (scale_ == Value) return;
  scale_ = Value;
  if (!data_.empty()) FreeBitmap();
  Changed();
}

void TJPEGImage::DIBNeeded() {
  if (bitmap_ || data_.empty()) return;
  TPixelData px;
  std::string err;
  if (!JpegDecode(data_.data(), data_.size(), grayscale_, 1 << static_cast<int>(scale_), px, &err))
    throw EInvalidGraphic("JPEG error: " + err);
  bitmap_ = std::make_unique<TBitmap>();
  bitmap_->SetPixelFormat(pf24bit);
  bitmap_->SetPixelData(std::move(px));
}

TBitmap* TJPEGImage::Bitmap() {
  DIBNeeded();
  return bitmap_.get();
}

void TJPEGImage::Compress() {
  if (!bitmap_) return;
  std::vector<uint8_t> out;
  std::string err;
  if (!JpegEncode(bitmap_->PixelData(), quality_, grayscale_, progressive_, out, &err))
    throw EInvalidGraphic("JPEG error: " + err);
  data_ = std::move(out);
  width_ = bitmap_->Width();
  height_ = bitmap_->Height();
}

void TJPEGImage::JPEGNeeded() {
  if (data_.empty()) Compress();
}

void TJPEGImage::LoadFromBytes(const uint8_t* Data, size_t Size) {
  // Checked now, so bad data fails at load and not at the first paint.
  TPixelData px;
  std::string err;
  if (!JpegDecode(Data, Size, grayscale_, 1 << static_cast<int>(scale_), px, &err))
    throw EInvalidGraphic("JPEG error: " + err);
  data_.assign(Data, Data + Size);
  bitmap_ = std::make_unique<TBitmap>();
  bitmap_->SetPixelFormat(pf24bit);
  bitmap_->SetPixelData(std::move(px));
  width_ = bitmap_->Width();
  height_ = bitmap_->Height();
  Changed();
}

std::vector<uint8_t> TJPEGImage::SaveToBytes() {
  JPEGNeeded();
  return data_;
}

void TJPEGImage::Assign(TPersistent* Source) {
  if (Source == nullptr) {
    data_.clear();
    FreeBitmap();
    width_ = height_ = 0;
    Changed();
    return;
  }
  if (auto* j = dynamic_cast<TJPEGImage*>(Source)) {
    if (j == this) return;
    data_ = j->data_;
    FreeBitmap();
    if (j->bitmap_) {
      bitmap_ = std::make_unique<TBitmap>();
      bitmap_->Assign(j->bitmap_.get());
    }
    width_ = j->width_;
    height_ = j->height_;
    quality_ = j->quality_;
    grayscale_ = j->grayscale_;
    scale_ = j->scale_;
    Changed();
    return;
  }
  if (auto* b = dynamic_cast<TBitmap*>(Source)) {
    // Pixels now, bytes when asked for (with the quality set by then).
    data_.clear();
    bitmap_ = std::make_unique<TBitmap>();
    bitmap_->SetPixelFormat(pf24bit);
    TPixelData px = b->PixelData();
    if (px.BytesPerPixel == 4) {
      TBitmap tmp;
      tmp.Assign(b);
      tmp.SetPixelFormat(pf24bit);
      px = tmp.PixelData();
    }
    px.HasAlpha = false;
    bitmap_->SetPixelData(std::move(px));
    width_ = bitmap_->Width();
    height_ = bitmap_->Height();
    Changed();
    return;
  }
  TGraphic::Assign(Source);
}

void TJPEGImage::AssignTo(TPersistent* Dest) {
  if (auto* b = dynamic_cast<TBitmap*>(Dest)) {
    DIBNeeded();
    if (bitmap_)
      b->Assign(bitmap_.get());
    else
      b->Assign(nullptr);
    return;
  }
  TGraphic::AssignTo(Dest);
}

void TJPEGImage::Draw(TCanvas* ACanvas, const TRect& R) {
  DIBNeeded();
  if (bitmap_) ACanvas->StretchDraw(R, bitmap_.get());
}
