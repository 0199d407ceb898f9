#include "framework/graphics/GifFrames.h"

#include <cstring>

namespace {
// A graphic control extension (8 bytes) and the image descriptor's 0x2C and
// four 16-bit fields behind it.
constexpr std::size_t kFrameHead = 17;

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
}  // namespace

bool TGifFrames::IsGIF(const uint8_t* Data, std::size_t Size) {
  return Data != nullptr && Size >= 5 && std::memcmp(Data, "GIF8", 4) == 0;
}

TGifFrames::TGifFrames(const uint8_t* Data, std::size_t Size) {
  isGif_ = IsGIF(Data, Size);
  if (!isGif_) return;
  if (Size >= 10) {
    screenWidth_ = Le16(Data + 6);
    screenHeight_ = Le16(Data + 8);
  }
  if (Size < kFrameHead) return;
  for (std::size_t p = 0; p + kFrameHead <= Size; ++p) {
    const uint8_t* q = Data + p;
    if (q[0] != 0x21 || q[1] != 0xF9 || q[2] != 0x04 || q[8] != 0x2C) continue;
    TGifFrame f;
    f.Start = p;
    f.Transparent = (q[3] & 0x01) != 0;
    f.Disposal = static_cast<uint16_t>((q[3] >> 2) & 0x07);
    f.Delay = Le16(q + 4);
    f.Left = Le16(q + 9);
    f.Top = Le16(q + 11);
    f.Width = Le16(q + 13);
    f.Height = Le16(q + 15);
    frames_.push_back(f);
  }
}

std::vector<uint8_t> TGifFrames::FromFrame(const uint8_t* Data, std::size_t Size, int Index) const {
  if (Data == nullptr || Size == 0) return {};
  if (Index <= 0 || Index >= Count()) return std::vector<uint8_t>(Data, Data + Size);
  const std::size_t first = frames_.front().Start;
  const std::size_t from = frames_[static_cast<std::size_t>(Index)].Start;
  if (first > Size || from > Size || from < first) return std::vector<uint8_t>(Data, Data + Size);
  std::vector<uint8_t> out;
  out.reserve(Size - (from - first));
  out.insert(out.end(), Data, Data + first);
  out.insert(out.end(), Data + from, Data + Size);
  return out;
}
