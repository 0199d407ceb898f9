#pragma once
// Builds small GIF files for tests: a logical screen with a four-colour
// global palette and frames of palette indexes, each with a graphic control
// extension (delay, transparent index, disposal). The image data is written
// as a clear code before every pixel, so no LZW table is needed and every
// GIF reader decodes it.
#include <cstdint>
#include <vector>

struct TGifTestFrame {
  int Left = 0, Top = 0, Width = 1, Height = 1;
  int Delay = 10;  // hundredths of a second
  int Disposal = 0;
  int TransparentIndex = -1;    // -1: none
  std::vector<uint8_t> Pixels;  // Width x Height palette indexes, rows top-down
};

inline void GifPut16(std::vector<uint8_t>& v, int x) {
  v.push_back(static_cast<uint8_t>(x & 0xFF));
  v.push_back(static_cast<uint8_t>((x >> 8) & 0xFF));
}

// Palette entries are 0x00BBGGRR colours.
inline std::vector<uint8_t> BuildGif(int ScreenWidth, int ScreenHeight, const std::vector<uint32_t>& Palette4,
                                     const std::vector<TGifTestFrame>& Frames) {
  std::vector<uint8_t> v = {'G', 'I', 'F', '8', '9', 'a'};
  GifPut16(v, ScreenWidth);
  GifPut16(v, ScreenHeight);
  v.push_back(0x81);  // global table of 4 entries
  v.push_back(0);
  v.push_back(0);
  for (int i = 0; i < 4; ++i) {
    uint32_t c = i < static_cast<int>(Palette4.size()) ? Palette4[static_cast<size_t>(i)] : 0;
    v.push_back(static_cast<uint8_t>(c & 0xFF));
    v.push_back(static_cast<uint8_t>((c >> 8) & 0xFF));
    v.push_back(static_cast<uint8_t>((c >> 16) & 0xFF));
  }
  for (const TGifTestFrame& f : Frames) {
    v.insert(v.end(), {0x21, 0xF9, 0x04});
    v.push_back(static_cast<uint8_t>((f.Disposal & 7) << 2 | (f.TransparentIndex >= 0 ? 1 : 0)));
    GifPut16(v, f.Delay);
    v.push_back(static_cast<uint8_t>(f.TransparentIndex >= 0 ? f.TransparentIndex : 0));
    v.push_back(0);
    v.push_back(0x2C);
    GifPut16(v, f.Left);
    GifPut16(v, f.Top);
    GifPut16(v, f.Width);
    GifPut16(v, f.Height);
    v.push_back(0);  // no local table
    v.push_back(2);  // minimum code size: clear 4, end 5, codes of 3 bits
    std::vector<uint8_t> bits;
    uint32_t acc = 0;
    int n = 0;
    auto code = [&](int c) {
      acc |= static_cast<uint32_t>(c) << n;
      n += 3;
      while (n >= 8) {
        bits.push_back(static_cast<uint8_t>(acc & 0xFF));
        acc >>= 8;
        n -= 8;
      }
    };
    for (uint8_t p : f.Pixels) {
      code(4);
      code(p & 3);
    }
    code(5);
    if (n > 0) bits.push_back(static_cast<uint8_t>(acc & 0xFF));
    for (size_t i = 0; i < bits.size(); i += 255) {
      size_t len = bits.size() - i < 255 ? bits.size() - i : 255;
      v.push_back(static_cast<uint8_t>(len));
      v.insert(v.end(), bits.begin() + static_cast<long>(i), bits.begin() + static_cast<long>(i + len));
    }
    v.push_back(0);
  }
  v.push_back(0x3B);
  return v;
}

// A frame of one palette index all over.
inline TGifTestFrame SolidGifFrame(int Left, int Top, int Width, int Height, uint8_t Index, int Delay = 10) {
  TGifTestFrame f;
  f.Left = Left;
  f.Top = Top;
  f.Width = Width;
  f.Height = Height;
  f.Delay = Delay;
  f.Pixels.assign(static_cast<size_t>(Width * Height), Index);
  return f;
}
