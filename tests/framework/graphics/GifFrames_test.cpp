// The GIF frame reader: frame starts, their places and delays, cut or
// crafted files, and the bytes that show a later frame first.
#include "framework/graphics/GifFrames.h"

#include <gtest/gtest.h>

#include "framework/graphics/Graphics.h"
#include "support/GifBuilder.h"

namespace {
const std::vector<uint32_t> kPalette = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};

std::vector<uint8_t> ThreeFrames() {
  TGifTestFrame a = SolidGifFrame(0, 0, 4, 3, 0, 10);
  TGifTestFrame b = SolidGifFrame(1, 1, 2, 2, 1, 20);
  b.TransparentIndex = 3;
  b.Disposal = 2;
  TGifTestFrame c = SolidGifFrame(2, 0, 2, 1, 2, 30);
  return BuildGif(4, 3, kPalette, {a, b, c});
}
}  // namespace

TEST(GifFrames, FramesAreFoundWithTheirPlaceDelayAndFlags) {
  std::vector<uint8_t> gif = ThreeFrames();
  TGifFrames f(gif.data(), gif.size());
  ASSERT_TRUE(f.IsGIF());
  EXPECT_EQ(f.ScreenWidth(), 4);
  EXPECT_EQ(f.ScreenHeight(), 3);
  ASSERT_EQ(f.Count(), 3);
  struct {
    int left, top, width, height, delay;
    bool transparent;
    int disposal;
  } const want[] = {{0, 0, 4, 3, 10, false, 0}, {1, 1, 2, 2, 20, true, 2}, {2, 0, 2, 1, 30, false, 0}};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const TGifFrame& fr = f.Frame(i);
    EXPECT_EQ(gif[fr.Start], 0x21);
    EXPECT_EQ(fr.Left, want[i].left);
    EXPECT_EQ(fr.Top, want[i].top);
    EXPECT_EQ(fr.Width, want[i].width);
    EXPECT_EQ(fr.Height, want[i].height);
    EXPECT_EQ(fr.Delay, want[i].delay);
    EXPECT_EQ(fr.Transparent, want[i].transparent);
    EXPECT_EQ(fr.Disposal, want[i].disposal);
  }
}

TEST(GifFrames, NotAGifOrTooShort) {
  const uint8_t four[] = {'G', 'I', 'F', '8'};
  EXPECT_FALSE(TGifFrames::IsGIF(four, 4)) << "five bytes at least";
  const uint8_t five[] = {'G', 'I', 'F', '8', '9'};
  EXPECT_TRUE(TGifFrames::IsGIF(five, 5));
  TGifFrames f(five, 5);
  EXPECT_EQ(f.Count(), 0);
  EXPECT_EQ(f.ScreenWidth(), 0);
  const uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_FALSE(TGifFrames(png, sizeof png).IsGIF());
  EXPECT_FALSE(TGifFrames(nullptr, 0).IsGIF());
}

TEST(GifFrames, ACutFileNeverCountsAFrameWhoseDescriptorIsMissing) {
  std::vector<uint8_t> gif = ThreeFrames();
  TGifFrames whole(gif.data(), gif.size());
  const size_t last = whole.Frame(2).Start;
  // Cut anywhere inside the last frame's extension and descriptor: the frame
  // only counts once all of its descriptor fields are there.
  for (size_t cut = last; cut <= last + 18 && cut <= gif.size(); ++cut) {
    SCOPED_TRACE(cut);
    std::vector<uint8_t> part(gif.begin(), gif.begin() + static_cast<long>(cut));
    TGifFrames f(part.data(), part.size());
    EXPECT_EQ(f.Count(), cut >= last + 17 ? 3 : 2);
  }
  // A crafted file: an extension and 0x2C right at the end.
  std::vector<uint8_t> crafted = {'G', 'I', 'F',  '8',  '9',  'a', 1, 0, 1, 0, 0,
                                  0,   0,   0x21, 0xF9, 0x04, 0,   0, 0, 0, 0, 0x2C};
  EXPECT_EQ(TGifFrames(crafted.data(), crafted.size()).Count(), 0);
}

TEST(GifFrames, FromFrameKeepsTheHeadAndTheFramesFromThatOneOn) {
  std::vector<uint8_t> gif = ThreeFrames();
  TGifFrames f(gif.data(), gif.size());
  EXPECT_EQ(f.FromFrame(gif.data(), gif.size(), 0), gif);
  EXPECT_EQ(f.FromFrame(gif.data(), gif.size(), 7), gif) << "outside the frames: unchanged";
  std::vector<uint8_t> second = f.FromFrame(gif.data(), gif.size(), 1);
  ASSERT_EQ(second.size(), gif.size() - (f.Frame(1).Start - f.Frame(0).Start));
  TGifFrames g(second.data(), second.size());
  ASSERT_EQ(g.Count(), 2);
  EXPECT_EQ(g.Frame(0).Delay, 20);
  EXPECT_EQ(g.Frame(1).Delay, 30);
  // Any GIF reader shows the chosen frame as the first image.
  TGIFImage img;
  img.LoadFromBytes(second.data(), second.size());
  ASSERT_FALSE(img.Empty());
  EXPECT_EQ(img.PixelData().GetPixel(1, 1), 0x00FF00);
  std::vector<uint8_t> third = f.FromFrame(gif.data(), gif.size(), 2);
  img.LoadFromBytes(third.data(), third.size());
  EXPECT_EQ(img.PixelData().GetPixel(2, 0), 0xFF0000);
}
