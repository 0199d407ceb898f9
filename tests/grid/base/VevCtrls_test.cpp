// The grid's small controls: arrow and focus windows, the alpha mask and
// its blur, the check box driven by mouse and keys, the line list and file
// pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/controls/StdCtrls.h"
#include "grid/base/VevCtrls.h"
#include "support/Input.h"

namespace {

using namespace testinput;

TEST(VevCtrls, ArrowWindowsAndTheFocusWindow) {
  TForm form(nullptr);
  const TPoint up[7] = {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}};
  const TPoint left[7] = {{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}};
  auto* a = new TArrowWindow(&form, arrUp);
  auto* b = new TArrowWindow(&form, arrLeft);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(a->Arrow()[i], up[i]) << i;
    EXPECT_EQ(b->Arrow()[i], left[i]) << i;
  }
  EXPECT_EQ(a->Color(), static_cast<TColor>(0x00FF00));
  EXPECT_FALSE(a->Visible());
  EXPECT_EQ(a->Parent(), &form);
  auto* focus = new TGridFocusWindow(&form);
  EXPECT_EQ(focus->Width(), 0);
  EXPECT_EQ(focus->Height(), 0);
  EXPECT_EQ(focus->Color(), static_cast<TColor>(0x0000FF));
}

TEST(VevCtrls, MergeMaskPremultipliesByTheMasksRed) {
  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(3, 1);
  TBitmap mask;
  mask.SetPixelFormat(pf24bit);
  mask.SetSize(3, 1);
  for (int x = 0; x < 3; ++x) picture.PixelData().SetPixel(x, 0, static_cast<TColor>(0x2040C8));
  mask.PixelData().SetPixel(0, 0, static_cast<TColor>(0x000000));
  mask.PixelData().SetPixel(1, 0, static_cast<TColor>(0x0000FF));
  mask.PixelData().SetPixel(2, 0, static_cast<TColor>(0xFFFF80));  // only red counts
  TGridAlphaMask m;
  m.MergeMask(&mask, &picture, clNone);
  ASSERT_EQ(m.Width(), 3);
  EXPECT_EQ(m.PixelData().GetPixel(0, 0), static_cast<TColor>(0));
  EXPECT_EQ(m.PixelData().GetAlpha(0, 0), 0);
  EXPECT_EQ(m.PixelData().GetPixel(1, 0), static_cast<TColor>(0x2040C8));
  EXPECT_EQ(m.PixelData().GetAlpha(1, 0), 255);
  EXPECT_EQ(m.PixelData().GetPixel(2, 0), static_cast<TColor>(0x102064)) << "x 128/255, rounded";
  EXPECT_EQ(m.PixelData().GetAlpha(2, 0), 128);

  // Not a 24-bit picture: nothing changes.
  TBitmap deep;
  deep.SetPixelFormat(pf32bit);
  deep.SetSize(5, 5);
  m.MergeMask(&mask, &deep, clNone);
  EXPECT_EQ(m.Width(), 3);

  // Assign: opacity and rows, in the target's own size.
  TGridAlphaMask copy;
  copy.SetSize(2, 1);
  m.SetOpacity(77);
  copy.Assign(&m);
  EXPECT_EQ(copy.Opacity(), 77);
  EXPECT_EQ(copy.Width(), 2);
  EXPECT_EQ(copy.PixelData().GetPixel(1, 0), static_cast<TColor>(0x2040C8));
  EXPECT_EQ(copy.PixelFormat(), pf32bit);
}

// The blur written plainly: the kernel from its formula, every row then
// every column convolved with ends held.
std::vector<double> Kernel(double Radius) {
  std::vector<double> w;
  double sum = 0;
  for (int k = -10; k <= 10; ++k) sum += std::exp(-(k / Radius) * (k / Radius) / 2);
  for (int k = -10; k <= 10; ++k) w.push_back(std::exp(-(k / Radius) * (k / Radius) / 2) / sum);
  int j = 10;
  double dropped = 0;
  while (dropped < 1.0 / 510 && j > 1) dropped += 2 * w[static_cast<size_t>(10 + j--)];
  std::vector<double> kept(w.begin() + 10 - j, w.begin() + 11 + j);
  double s = 0;
  for (double v : kept) s += v;
  for (double& v : kept) v /= s;
  return kept;
}

TPixelData PlainBlur(TPixelData d, double Radius) {
  const std::vector<double> k = Kernel(Radius);
  const int half = static_cast<int>(k.size()) / 2;
  auto clampByte = [](double v) { return v < 0 ? 0 : (v >= 255 ? 255 : static_cast<int>(std::lround(v))); };
  auto pass = [&](bool rows) {
    TPixelData src = d;
    const int n = rows ? d.Width : d.Height, lines = rows ? d.Height : d.Width;
    for (int l = 0; l < lines; ++l)
      for (int i = 0; i < n; ++i) {
        double acc[3] = {0, 0, 0};
        for (int t = -half; t <= half; ++t) {
          const int p = std::clamp(i + t, 0, n - 1);
          const TColor c = rows ? src.GetPixel(p, l) : src.GetPixel(l, p);
          acc[0] += k[static_cast<size_t>(t + half)] * (c & 0xFF);
          acc[1] += k[static_cast<size_t>(t + half)] * ((c >> 8) & 0xFF);
          acc[2] += k[static_cast<size_t>(t + half)] * ((c >> 16) & 0xFF);
        }
        const TColor out =
            static_cast<TColor>(clampByte(acc[0]) | clampByte(acc[1]) << 8 | clampByte(acc[2]) << 16);
        if (rows)
          d.SetPixel(i, l, out);
        else
          d.SetPixel(l, i, out);
      }
  };
  pass(true);
  pass(false);
  return d;
}

TEST(VevCtrls, BlurMatchesAFullBlurOfTheMask) {
  // Small: every row and column is convolved.
  TBitmap small;
  small.SetPixelFormat(pf24bit);
  small.SetSize(30, 30);
  std::mt19937 rnd(4);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) small.PixelData().SetPixel(x, y, static_cast<TColor>(rnd() & 0xFFFFFF));
  const TPixelData want = PlainBlur(small.PixelData(), 2.5);
  TGridAlphaMask::GaussianBlurMask(&small, 2.5);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      ASSERT_EQ(small.PixelData().GetPixel(x, y), want.GetPixel(x, y)) << x << "," << y;

  // The frame mask: the middle rows and columns are copies of row and
  // column 15, which stand in for the full blur to within a step or two
  // (the outline's far tail reaches column 15, not the middle).
  TBitmap plain;
  TGridAlphaMask::MakeRoundRectMask(&plain, 90, 70, 4, 8, 0);
  EXPECT_EQ(plain.PixelData().GetPixel(0, 0), static_cast<TColor>(0));
  EXPECT_EQ(plain.PixelData().GetPixel(45, 4), static_cast<TColor>(0xFFFFFF)) << "the outline";
  EXPECT_EQ(plain.PixelData().GetPixel(45, 35), static_cast<TColor>(0)) << "a black inside";
  const TPixelData full = PlainBlur(plain.PixelData(), 3);
  TBitmap blurred;
  TGridAlphaMask::MakeRoundRectMask(&blurred, 90, 70, 4, 8, 3);
  for (int y = 0; y < 70; ++y)
    for (int x = 0; x < 90; ++x) {
      const TColor got = blurred.PixelData().GetPixel(x, y), want = full.GetPixel(x, y);
      for (int shift : {0, 8, 16})
        ASSERT_LE(
            std::abs(static_cast<int>((got >> shift) & 0xFF) - static_cast<int>((want >> shift) & 0xFF)), 2)
            << x << "," << y;
    }
  EXPECT_EQ(blurred.PixelData().GetPixel(40, 30), blurred.PixelData().GetPixel(15, 30))
      << "a middle column copies 15";
  EXPECT_EQ(blurred.PixelData().GetPixel(40, 30), blurred.PixelData().GetPixel(40, 15))
      << "a middle row copies 15";

  TBitmap deep;
  deep.SetPixelFormat(pf32bit);
  deep.SetSize(4, 4);
  try {
    TGridAlphaMask::GaussianBlurMask(&deep, 2);
    FAIL() << "a 32-bit bitmap is refused";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Blur only works for 24-bit bitmaps");
  }
}

struct VevCheckBoxFixture : ::testing::Test {
  TForm* form = nullptr;
  TVevCheckBox* box = nullptr;
  TEdit* edit = nullptr;
  int clicks = 0;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 300, 200);
    edit = new TEdit(form);
    edit->SetParent(form);
    box = new TVevCheckBox(form);
    box->SetParent(form);
    box->SetLeft(10);
    box->SetTop(40);
    box->OnClick = [this](TObject*) { ++clicks; };
    ShowForm(form);
  }
  void TearDown() override { delete form; }
};

TEST_F(VevCheckBoxFixture, StartsAsTheClassNamesItself) {
  EXPECT_EQ(box->Width(), 98);
  EXPECT_EQ(box->Height(), 20);
  EXPECT_EQ(box->Caption(), "TVevCheckBox");
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(box->ButtonVertAlign(), tlTop);
  EXPECT_EQ(box->Alignment(), taLeftJustify);
}

TEST_F(VevCheckBoxFixture, ClickAndSpaceToggleAndClickOnce) {
  Click(box, 5, 8);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
  EXPECT_EQ(clicks, 1);
  PressKey(VK_SPACE);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 2);
  // A press that leaves the box before the release does nothing.
  MouseDown(box, 5, 8);
  MouseMove(box, 250, 150);
  EXPECT_FALSE(box->Down());
  MouseUp(box, 250, 150);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 2);
  // Read-only: the click still comes, the state stays.
  box->SetReadOnly(true);
  Click(box, 5, 8);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 3);
  // Code that sets the state does not click.
  box->SetReadOnly(false);
  box->SetChecked(true);
  box->SetState(cbGrayed);
  EXPECT_EQ(clicks, 3);
}

TEST_F(VevCheckBoxFixture, AcceleratorAndReturnAsTab) {
  box->SetCaption("&Match case");
  edit->SetFocus();
  PressKey('M', {ssAlt});
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
  box->SetReturnIsTab(true);
  PressKey(VK_RETURN);
  EXPECT_TRUE(edit->Focused()) << "Return went on as Tab";
  EXPECT_TRUE(box->Checked());
}

TEST_F(VevCheckBoxFixture, PaintsItsBoxAndCaption) {
  box->SetChecked(true);
  box->SetCaption("Checked");
  std::unique_ptr<TBitmap> shot = box->GrabToBitmap();
  // Some dark pixels inside the box area and in the caption.
  auto dark = [&](int x0, int x1) {
    int n = 0;
    for (int y = 0; y < shot->Height(); ++y)
      for (int x = x0; x < x1; ++x) {
        const TColor c = shot->PixelData().GetPixel(x, y);
        if ((c & 0xFF) < 0x60 && ((c >> 8) & 0xFF) < 0x60 && ((c >> 16) & 0xFF) < 0x60) ++n;
      }
    return n;
  };
  EXPECT_GT(dark(0, 15), 0) << "the box";
  EXPECT_GT(dark(15, 98), 0) << "the caption";
}

TEST(VevCtrls, FileStringListReadsAndWritesLineByLine) {
  TFileStringList list;
  list.Write("a");
  list.Write("b");
  list.WriteLn("c");
  list.WriteLn("second");
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Strings(0), "abc");
  std::string s;
  EXPECT_FALSE(list.Eof());
  list.ReadLn(s);
  EXPECT_EQ(s, "abc");
  list.ReadLn(s);
  EXPECT_EQ(s, "second");
  EXPECT_TRUE(list.Eof());
  EXPECT_THROW(list.ReadLn(s), EStringListError);
  list.Write("pending");
  list.Reset();
  EXPECT_FALSE(list.Eof());
  list.WriteLn("x");
  EXPECT_EQ(list.Strings(2), "x") << "the pending text was dropped";
}

TEST(VevCtrls, FilePictureLoadsOnlyWhenDrawn) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "vevctrls_picture_test.bmp";
  TBitmap bmp(7, 5);
  const std::vector<uint8_t> bytes = bmp.SaveToBytes();
  FILE* f = std::fopen(file.string().c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);

  TFilePicture picture;
  TBitmap target(20, 20);
  picture.DrawPicture(target.Canvas(), TRect(0, 0, 20, 20));  // no name: nothing
  picture.SetFilename(file.string());
  EXPECT_EQ(picture.Width(), 7);
  EXPECT_EQ(picture.Height(), 5);
  picture.DrawPicture(target.Canvas(), TRect(0, 0, 20, 20));
  TFilePicture copy;
  copy.Assign(&picture);
  EXPECT_EQ(copy.Filename(), file.string());
  EXPECT_EQ(copy.Width(), 7);
  std::filesystem::remove(file);
  EXPECT_ANY_THROW(picture.SetFilename(file.string())) << "loading errors reach the caller";
}

}  // namespace
