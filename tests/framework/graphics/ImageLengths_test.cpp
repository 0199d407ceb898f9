// Picture files whose declared lengths pass the bytes there are refused
// before a reader allocates for them.
#include "framework/graphics/ImageLengths.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/backend/Painter.h"
#include "framework/graphics/Graphics.h"

#if !defined(__SANITIZE_ADDRESS__)
// The largest single request made while the probe is armed: the image
// readers (libpng inside Qt) allocate with malloc. Not under the address
// sanitizer, which owns malloc itself.
extern "C" void* __libc_malloc(size_t Size);
namespace {
std::atomic<bool> probe_armed{false};
std::atomic<size_t> largest_request{0};
}  // namespace
extern "C" void* malloc(size_t Size) {
  if (probe_armed.load(std::memory_order_relaxed)) {
    size_t seen = largest_request.load(std::memory_order_relaxed);
    while (Size > seen && !largest_request.compare_exchange_weak(seen, Size)) {
    }
  }
  return __libc_malloc(Size);
}
#define CF_MALLOC_PROBE 1
#endif

namespace {

uint32_t Crc32(const uint8_t* Data, size_t Size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < Size; ++i) {
    crc ^= Data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutBigEndian32(std::vector<uint8_t>& V, uint32_t X) {
  for (int s = 24; s >= 0; s -= 8) V.push_back(static_cast<uint8_t>(X >> s));
}

// A small true PNG with a text chunk after its header that declares Length
// bytes and carries Carried of them (and no CRC when it is cut short).
std::vector<uint8_t> PngWithText(uint32_t Length, size_t Carried) {
  TPixelData px;
  px.Resize(4, 4, 4);
  std::vector<uint8_t> png = EncodeImage(px, "PNG");
  const size_t after_header = 8 + 12 + 13;
  std::vector<uint8_t> chunk;
  PutBigEndian32(chunk, Length);
  for (char c : std::string("tEXt")) chunk.push_back(static_cast<uint8_t>(c));
  std::string text = "Comment";
  text.push_back('\0');
  text.resize(Carried, 'x');
  chunk.insert(chunk.end(), text.begin(), text.end());
  if (Carried == Length) PutBigEndian32(chunk, Crc32(chunk.data() + 4, chunk.size() - 4));
  png.insert(png.begin() + static_cast<std::ptrdiff_t>(after_header), chunk.begin(), chunk.end());
  if (Carried != Length) png.resize(after_header + chunk.size());
  return png;
}

std::vector<uint8_t> Icon(uint32_t Bytes, uint32_t Offset, uint16_t Count = 1) {
  std::vector<uint8_t> v = {0, 0, 1, 0, static_cast<uint8_t>(Count), static_cast<uint8_t>(Count >> 8)};
  for (uint16_t i = 0; i < Count && i < 4; ++i) {
    std::vector<uint8_t> e = {16, 16, 0, 0, 1, 0, 32, 0};
    for (uint32_t x : {Bytes, Offset})
      for (int s = 0; s < 32; s += 8) e.push_back(static_cast<uint8_t>(x >> s));
    v.insert(v.end(), e.begin(), e.end());
  }
  v.resize(v.size() + 64, 0);
  return v;
}

}  // namespace

TEST(ImageLengths, DeclaredLengthsMustFitTheBytes) {
  struct TCase {
    const char* What;
    std::vector<uint8_t> Bytes;
    bool Fits;
  };
  const TCase cases[] = {
      {"a PNG with a whole text chunk", PngWithText(12, 12), true},
      {"a 1 KB PNG declaring a 1.5 GB text chunk", PngWithText(1500000000u, 900), false},
      {"a PNG chunk length past 2^31 - 1", PngWithText(0x80000000u, 900), false},
      {"a PNG cut inside a chunk header", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0}, false},
      {"an icon whose image lies within", Icon(32, 22), true},
      {"an icon whose image passes the end", Icon(0x7FFFFFFF, 22), false},
      {"an icon whose image starts past the end", Icon(16, 0xFFFFFFF0u), false},
      {"an icon directory longer than the file", Icon(16, 22, 60000), false},
      {"bytes of no length-declaring kind", {'B', 'M', 1, 2, 3}, true},
  };
  for (const TCase& c : cases) EXPECT_EQ(ImageLengthsFit(c.Bytes.data(), c.Bytes.size()), c.Fits) << c.What;
}

// The 1 KB file asked the reader for 1.5 GB (and seconds) before it was
// found damaged; now it is refused having asked for next to nothing.
TEST(ImageLengths, ASmallPngDeclaringGigabytesIsRefusedWithoutTheAllocation) {
  const std::vector<uint8_t> png = PngWithText(1500000000u, 900);
  ASSERT_LT(png.size(), 1100u);
  TPngImage image;
#ifdef CF_MALLOC_PROBE
  largest_request = 0;
  probe_armed = true;
#endif
  EXPECT_THROW(image.LoadFromBytes(png.data(), png.size()), EInvalidGraphic);
#ifdef CF_MALLOC_PROBE
  probe_armed = false;
  EXPECT_LT(largest_request.load(), size_t{16} << 20) << "the reader allocated what the file declared";
#endif
  const std::vector<uint8_t> good = PngWithText(12, 12);
  EXPECT_NO_THROW(image.LoadFromBytes(good.data(), good.size()));
  EXPECT_EQ(image.Width(), 4);
}
