// Bitmaps, icons, JPEG and PNG pictures and TPicture: file formats and the
// picture kinds chosen by extension or content.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "framework/classes/Streams.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Jpeg.h"

namespace fs = std::filesystem;

namespace {
// A bitmap whose every pixel differs: red by x, green by y, blue mixed.
std::unique_ptr<TBitmap> Pattern(int w, int h, TPixelFormat pf) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf);
  b->SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b->PixelData().SetPixel(x, y, RGB(x * 255 / w, y * 255 / h, (x * 5 + y * 3) & 0xFF));
  return b;
}

bool SamePixels(const TPixelData& a, const TPixelData& b, int tolerance = 0) {
  if (a.Width != b.Width || a.Height != b.Height) return false;
  for (int y = 0; y < a.Height; ++y)
    for (int x = 0; x < a.Width; ++x) {
      TColor p = a.GetPixel(x, y), q = b.GetPixel(x, y);
      if (std::abs(GetRValue(p) - GetRValue(q)) > tolerance ||
          std::abs(GetGValue(p) - GetGValue(q)) > tolerance ||
          std::abs(GetBValue(p) - GetBValue(q)) > tolerance)
        return false;
    }
  return true;
}

class TempDir {
 public:
  TempDir() {
    char tmpl[] = "/tmp/cf_gfx_XXXXXX";
    path_ = mkdtemp(tmpl);
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string operator/(const std::string& name) const { return (fs::path(path_) / name).string(); }

 private:
  std::string path_;
};

void WriteBytes(const std::string& file, const std::vector<uint8_t>& bytes) {
  std::ofstream f(file, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
}  // namespace

TEST(Pictures, BmpRoundTripKeepsEveryPixelAndTheDepth) {
  for (TPixelFormat pf : {pf24bit, pf32bit}) {
    auto b = Pattern(13, 7, pf);  // odd width: rows are padded
    std::vector<uint8_t> bytes = b->SaveToBytes();
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes[28], pf == pf24bit ? 24 : 32);
    TBitmap c;
    c.LoadFromBytes(bytes.data(), bytes.size());
    EXPECT_EQ(c.PixelFormat(), pf);
    EXPECT_TRUE(SamePixels(b->PixelData(), c.PixelData()));
  }
}

TEST(Pictures, BmpWithPaletteAndTopDownRowsIsRead) {
  // 2 x 2, 8 bits, two palette entries, rows stored top-down.
  std::vector<uint8_t> v = {'B',  'M',  0,    0, 0, 0, 0, 0, 0,    0,    62,   0,    0,    0,  // file header
                            40,   0,    0,    0, 2, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 1,    0, 8,
                            0,    0,    0,    0, 0, 8, 0, 0, 0,    0,    0,    0,    0,    0, 0,
                            0,    0,    2,    0, 0, 0, 0, 0, 0,    0,    0x00, 0x00, 0xFF, 0,  // entry 0: red
                            0xFF, 0x00, 0x00, 0,   // entry 1: blue
                            0,    1,    0,    0,   // top row: red, blue
                            1,    1,    0,    0};  // bottom row: blue, blue
  v[2] = static_cast<uint8_t>(v.size());
  TBitmap b;
  b.LoadFromBytes(v.data(), v.size());
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Height(), 2);
  EXPECT_EQ(b.PixelData().GetPixel(0, 0), clRed);
  EXPECT_EQ(b.PixelData().GetPixel(1, 0), clBlue);
  EXPECT_EQ(b.PixelData().GetPixel(0, 1), clBlue);
}

TEST(Pictures, DamagedBitmapsAreRefusedWithoutReadingPastTheData) {
  auto good = Pattern(8, 8, pf24bit)->SaveToBytes();
  std::vector<std::vector<uint8_t>> bad = {
      {},
      {'B', 'M'},
      std::vector<uint8_t>(good.begin(), good.begin() + 60),  // pixel rows cut off
      std::vector<uint8_t>(good.begin(), good.begin() + 40),  // header cut off
  };
  auto huge = good;
  huge[18] = 0xFF, huge[19] = 0xFF, huge[20] = 0x00;  // width 65535
  bad.push_back(huge);
  auto offset = good;
  offset[10] = 0xF0, offset[11] = 0xFF;  // pixels beyond the end
  bad.push_back(offset);
  for (size_t i = 0; i < bad.size(); ++i) {
    TBitmap b;
    EXPECT_THROW(b.LoadFromBytes(bad[i].data(), bad[i].size()), EInvalidGraphic) << "case " << i;
    EXPECT_TRUE(b.Empty());
  }
}

namespace {
void Put16(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  v[at] = x & 0xFF;
  v[at + 1] = (x >> 8) & 0xFF;
}
void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  Put16(v, at, x & 0xFFFF);
  Put16(v, at + 2, x >> 16);
}

// A BMP file of the given size and depth with a two-entry palette (red,
// blue) for palette depths, followed by Data.
std::vector<uint8_t> BmpFile(int w, int h, int bpp, uint32_t compression, const std::vector<uint8_t>& data) {
  const size_t palette = bpp <= 8 ? 8 : 0;
  std::vector<uint8_t> v(54 + palette, 0);
  v[0] = 'B', v[1] = 'M';
  Put32(v, 10, static_cast<uint32_t>(v.size()));
  Put32(v, 14, 40);
  Put32(v, 18, static_cast<uint32_t>(w));
  Put32(v, 22, static_cast<uint32_t>(h));
  Put16(v, 26, 1);
  Put16(v, 28, static_cast<uint32_t>(bpp));
  Put32(v, 30, compression);
  if (palette) {
    Put32(v, 46, 2);
    v[54] = 0x00, v[55] = 0x00, v[56] = 0xFF, v[57] = 0;  // entry 0: red (B, G, R, 0)
    v[58] = 0xFF, v[59] = 0x00, v[60] = 0x00, v[61] = 0;  // entry 1: blue
  }
  v.insert(v.end(), data.begin(), data.end());
  Put32(v, 2, static_cast<uint32_t>(v.size()));
  return v;
}

// Loads a picture in a child process whose address space may grow by at most
// 256 MB; true when the load refused it with EInvalidGraphic. A reader that
// reserves gigabytes for a few bytes of data fails here.
bool RefusedWithinMemoryLimit(const std::function<void()>& Load) {
#if defined(__SANITIZE_ADDRESS__)
  // The sanitizer's own reservations do not mix with an address-space limit.
  try {
    Load();
  } catch (const EInvalidGraphic&) {
    return true;
  }
  return false;
#else
  pid_t pid = ::fork();
  if (pid == 0) {
    long pages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
      if (std::fscanf(f, "%ld", &pages) != 1) pages = 0;
      std::fclose(f);
    }
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) + (256u << 20);
    ::setrlimit(RLIMIT_AS, &limit);
    int code = 1;
    try {
      Load();
    } catch (const EInvalidGraphic&) {
      code = 0;
    } catch (...) {
      code = 2;
    }
    ::_exit(code);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
#endif
}

std::vector<uint8_t> SmallJpeg() {
  auto b = Pattern(32, 24, pf24bit);
  TJPEGImage j;
  j.Assign(b.get());
  return j.SaveToBytes();
}
}  // namespace

TEST(Pictures, RleRunsStayWithinTheirRow) {
  // A 1 x 1 RLE8 picture whose runs together pass the largest int: the
  // position must neither wrap nor leave the row. Then one run per row of a
  // 3 x 2 picture that is longer than the row.
  std::vector<uint8_t> runs;
  const size_t count = (size_t{1} << 31) / 255 + 2;
  runs.reserve(count * 2 + 2);
  for (size_t i = 0; i < count; ++i) runs.insert(runs.end(), {255, 1});
  runs.insert(runs.end(), {0, 1});
  std::vector<uint8_t> big = BmpFile(1, 1, 8, 1, runs);
  TBitmap b;
  b.LoadFromBytes(big.data(), big.size());
  EXPECT_EQ(b.PixelData().GetPixel(0, 0), clBlue);

  std::vector<uint8_t> small = BmpFile(3, 2, 8, 1, {5, 1, 0, 0, 9, 0, 0, 2, 7, 9, 0, 1});
  b.LoadFromBytes(small.data(), small.size());
  for (int x = 0; x < 3; ++x) {
    EXPECT_EQ(b.PixelData().GetPixel(x, 1), clBlue) << x;  // bottom row first
    EXPECT_EQ(b.PixelData().GetPixel(x, 0), clRed) << x;
  }
}

TEST(Pictures, DeclaredSizesAreCheckedBeforePixelsAreReserved) {
  // A few bytes that declare 32768 x 32768 pixels, compressed or not.
  const std::vector<uint8_t> rle = BmpFile(32768, 32768, 8, 1, {0, 1});
  const std::vector<uint8_t> plain = BmpFile(32768, 32768, 24, 0, {1, 2, 3, 4});
  EXPECT_TRUE(RefusedWithinMemoryLimit([&] { TBitmap().LoadFromBytes(rle.data(), rle.size()); }));
  EXPECT_TRUE(RefusedWithinMemoryLimit([&] { TBitmap().LoadFromBytes(plain.data(), plain.size()); }));
  // A JPEG whose frame header says 65500 x 65500.
  std::vector<uint8_t> jpeg = SmallJpeg();
  bool patched = false;
  for (size_t i = 2; i + 9 < jpeg.size() && !patched; ++i)
    if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
      jpeg[i + 5] = 0xFF, jpeg[i + 6] = 0xDC;  // height
      jpeg[i + 7] = 0xFF, jpeg[i + 8] = 0xDC;  // width
      patched = true;
    }
  ASSERT_TRUE(patched);
  EXPECT_TRUE(RefusedWithinMemoryLimit([&] { TJPEGImage().LoadFromBytes(jpeg.data(), jpeg.size()); }));
  // Within the limit, a small picture still loads.
  const std::vector<uint8_t> ok = BmpFile(2, 1, 8, 1, {2, 1, 0, 1});
  TBitmap b;
  b.LoadFromBytes(ok.data(), ok.size());
  EXPECT_EQ(b.PixelData().GetPixel(1, 0), clBlue);
}

TEST(Pictures, JpegCutShortIsDamaged) {
  const std::vector<uint8_t> whole = SmallJpeg();
  for (size_t keep : {whole.size() * 3 / 5, whole.size() - 3}) {
    std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep));
    TJPEGImage j;
    try {
      j.LoadFromBytes(cut.data(), cut.size());
      ADD_FAILURE() << "a JPEG cut after " << keep << " of " << whole.size() << " bytes was shown";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message(), "JPEG error: Premature end of JPEG file");
    }
    EXPECT_TRUE(j.Empty());
  }
}

TEST(Pictures, JpegRoundTripStaysWithinTolerance) {
  auto b = Pattern(32, 24, pf24bit);
  TJPEGImage j;
  j.SetCompressionQuality(95);
  j.Assign(b.get());
  std::vector<uint8_t> bytes = j.SaveToBytes();
  ASSERT_GT(bytes.size(), 100u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);

  TJPEGImage back;
  back.LoadFromBytes(bytes.data(), bytes.size());
  EXPECT_EQ(back.Width(), 32);
  EXPECT_EQ(back.Height(), 24);
  EXPECT_TRUE(SamePixels(b->PixelData(), back.Bitmap()->PixelData(), 24));

  TJPEGImage grey;
  grey.SetGrayscale(true);
  grey.LoadFromBytes(bytes.data(), bytes.size());
  TColor p = grey.Bitmap()->PixelData().GetPixel(20, 10);
  EXPECT_EQ(GetRValue(p), GetGValue(p));
  EXPECT_EQ(GetGValue(p), GetBValue(p));

  // Drawn on a canvas through a bitmap assign.
  TBitmap target;
  target.Assign(&back);
  EXPECT_EQ(target.Width(), 32);

  std::vector<uint8_t> junk = {0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3};
  TJPEGImage broken;
  EXPECT_THROW(broken.LoadFromBytes(junk.data(), junk.size()), EInvalidGraphic);
  EXPECT_TRUE(broken.Empty());
}

TEST(Pictures, PictureChoosesTheKindByExtensionThenContent) {
  TempDir dir;
  auto b = Pattern(6, 5, pf24bit);
  b->SaveToFile(dir / "a.bmp");

  TPicture pic;
  int changes = 0;
  pic.OnChange = [&](TObject*) { ++changes; };
  pic.LoadFromFile(dir / "a.bmp");
  EXPECT_NE(dynamic_cast<TBitmap*>(pic.Graphic()), nullptr);
  EXPECT_EQ(pic.Width(), 6);
  EXPECT_GT(changes, 0);

  TPngImage png;
  png.Assign(b.get());
  WriteBytes(dir / "b.dat", png.SaveToBytes());
  pic.LoadFromFile(dir / "b.dat");
  ASSERT_NE(dynamic_cast<TPngImage*>(pic.Graphic()), nullptr);
  EXPECT_TRUE(SamePixels(b->PixelData(), static_cast<TPngImage*>(pic.Graphic())->PixelData()));

  WriteBytes(dir / "c.xyz", {1, 2, 3, 4, 5, 6, 7, 8});
  try {
    pic.LoadFromFile(dir / "c.xyz");
    FAIL() << "unknown picture loaded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Unknown picture file extension (.xyz)");
  }
  EXPECT_THROW(pic.LoadFromFile(dir / "missing.bmp"), EFOpenError);

  // The bitmap accessor replaces another kind by an empty bitmap.
  EXPECT_TRUE(pic.Bitmap()->Empty());
  pic.Assign(nullptr);
  EXPECT_EQ(pic.Graphic(), nullptr);
}

TEST(Pictures, BitmapInsideALargerStreamReadsOnlyItsOwnBytes) {
  auto b = Pattern(3, 3, pf24bit);
  TMemoryStream s;
  b->SaveToStream(&s);
  s.WriteString("TAIL");
  s.SetPosition(0);
  TBitmap c;
  c.LoadFromStream(&s);
  EXPECT_TRUE(SamePixels(b->PixelData(), c.PixelData()));
  EXPECT_EQ(s.ReadString(4), "TAIL");
}

TEST(Pictures, MissingResourceNamesTheResource) {
  TBitmap b;
  try {
    b.LoadFromResourceName("NOSUCHGLYPH");
    FAIL() << "no error";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource NOSUCHGLYPH not found");
  }
}

TEST(Pictures, IconKeepsTransparencyThroughItsFileFormat) {
  TBitmap glyph(4, 4);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
  glyph.PixelData().SetPixel(1, 1, clNavy);
  glyph.SetTransparent(true);
  TIcon icon;
  icon.Assign(&glyph);
  std::vector<uint8_t> bytes = icon.SaveToBytes();
  TIcon back;
  back.LoadFromBytes(bytes.data(), bytes.size());
  EXPECT_EQ(back.Width(), 4);
  EXPECT_EQ(back.PixelData().GetAlpha(0, 0), 0);
  EXPECT_EQ(back.PixelData().GetAlpha(1, 1), 255);

  TBitmap target(4, 4);
  target.Canvas()->Brush()->SetColor(clBlue);
  target.Canvas()->FillRect(Rect(0, 0, 4, 4));
  target.Canvas()->Draw(0, 0, &back);
  EXPECT_EQ(target.PixelData().GetPixel(0, 0), clBlue);
  EXPECT_EQ(target.PixelData().GetPixel(1, 1), clNavy);
}

TEST(Pictures, FailedSavesRaiseAndPngScreenshotsDecode) {
  TempDir dir;
  auto b = Pattern(5, 5, pf32bit);
  EXPECT_THROW(b->SaveToFile(dir / "no/such/folder/x.bmp"), EFCreateError);
  b->SaveToPngFile(dir / "shot.png");
  TPicture pic;
  pic.LoadFromFile(dir / "shot.png");
  ASSERT_NE(pic.Graphic(), nullptr);
  EXPECT_EQ(pic.Width(), 5);
  TBitmap back;
  back.Assign(pic.Graphic());
  EXPECT_TRUE(SamePixels(b->PixelData(), back.PixelData()));
}

TEST(Pictures, GifShowsItsFirstFrame) {
  // A 1 x 1 GIF whose only pixel is palette entry 0, red.
  const std::vector<uint8_t> gif = {'G',  'I',  'F',  '8',  '9',  'a',  1,    0,    1,    0,    0x80,
                                    0,    0,    0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04,
                                    0x00, 0x00, 0x00, 0x00, 0x00, 0x2C, 0,    0,    0,    0,    1,
                                    0,    1,    0,    0,    0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
  TPicture pic;
  pic.LoadFromBytes(gif.data(), gif.size());
  auto* g = dynamic_cast<TGIFImage*>(pic.Graphic());
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->Width(), 1);
  EXPECT_EQ(g->PixelData().GetPixel(0, 0), clRed);
  EXPECT_EQ(g->SaveToBytes(), gif) << "the file bytes are kept as loaded";

  std::vector<uint8_t> cut(gif.begin(), gif.begin() + 20);
  TGIFImage broken;
  EXPECT_THROW(broken.LoadFromBytes(cut.data(), cut.size()), EInvalidGraphic);
}
