#include <gtest/gtest.h>

#include "framework/graphics/ImgList.h"

namespace {
// A strip of Count 4 x 4 images on a fuchsia background, image i with a
// 2 x 2 square of colour Colors[i] in its middle.
std::unique_ptr<TBitmap> Strip(const std::vector<TColor>& colors) {
  auto b = std::make_unique<TBitmap>(4 * static_cast<int>(colors.size()), 4);
  b->Canvas()->Brush()->SetColor(clFuchsia);
  b->Canvas()->FillRect(Rect(0, 0, b->Width(), 4));
  for (size_t i = 0; i < colors.size(); ++i) {
    b->Canvas()->Brush()->SetColor(colors[i]);
    b->Canvas()->FillRect(Rect(4 * static_cast<int>(i) + 1, 1, 4 * static_cast<int>(i) + 3, 3));
  }
  return b;
}
}  // namespace

TEST(ImgList, MaskedStripSlicesIntoImagesDrawnTransparently) {
  TImageList list(nullptr, 4, 4);
  auto strip = Strip({clRed, clLime, clBlue});
  EXPECT_EQ(list.AddMasked(strip.get(), clFuchsia), 0);
  EXPECT_EQ(list.Count(), 3);

  TBitmap target(4, 4);
  target.Canvas()->Brush()->SetColor(clWhite);
  target.Canvas()->FillRect(Rect(0, 0, 4, 4));
  list.Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.PixelData().GetPixel(0, 0), clWhite) << "mask colour left out";
  EXPECT_EQ(target.PixelData().GetPixel(1, 1), clLime);

  // Disabled images are drawn greyed, not in their colour.
  list.Draw(target.Canvas(), 0, 0, 2, false);
  TColor grey = target.PixelData().GetPixel(1, 1);
  EXPECT_NE(grey, clBlue);
  EXPECT_EQ(GetRValue(grey), GetGValue(grey));

  // An index outside the list draws nothing.
  list.Draw(target.Canvas(), 0, 0, 7);

  TBitmap one;
  EXPECT_TRUE(list.GetBitmap(0, &one));
  EXPECT_EQ(one.Width(), 4);
  EXPECT_EQ(one.PixelData().GetPixel(1, 1), clRed);
  EXPECT_EQ(one.PixelData().GetPixel(0, 0), ColorToRGB(clWindow));
  EXPECT_FALSE(list.GetBitmap(3, &one));
}

TEST(ImgList, EditingTheList) {
  TImageList list(nullptr, 4, 4);
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  auto a = Strip({clRed, clLime});
  TBitmap mask(8, 4);  // white = transparent
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(0, 0, 8, 4));
  EXPECT_EQ(list.Add(a.get(), &mask), 0);
  list.Move(0, 1);
  EXPECT_EQ(list.ImagePixels(0)->GetPixel(1, 1), clLime);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 1);
  EXPECT_THROW(list.Delete(5), EInvalidOperation);
  EXPECT_THROW(list.Delete(-1), EInvalidOperation);
  list.SetSize(8, 8);
  EXPECT_EQ(list.Count(), 0) << "a new size empties the list";
  EXPECT_GT(changes, 3);

  // An owned list goes with its owner.
  auto* owner = new TComponent(nullptr);
  auto* owned = new TImageList(owner);
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owned->Width(), 16);
  delete owner;
}
