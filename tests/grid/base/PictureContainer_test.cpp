// Pictures for cell markup: loading by source text, GIF frames and their
// animation, the cache and the container, stored layouts.
#include "grid/base/PictureContainer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Streams.h"
#include "framework/graphics/RecordingCanvas.h"
#include "support/GifBuilder.h"

namespace fs = std::filesystem;

namespace {
const std::vector<uint32_t> kPalette = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};

// Three frames on a 6 x 4 screen: red all over, a green 2 x 2 square at
// (1, 1), a blue 3 x 1 strip at (3, 2).
std::vector<uint8_t> ThreeFrameGif() {
  return BuildGif(
      6, 4, kPalette,
      {SolidGifFrame(0, 0, 6, 4, 0, 10), SolidGifFrame(1, 1, 2, 2, 1, 20), SolidGifFrame(3, 2, 3, 1, 2, 5)});
}

std::vector<uint8_t> PngBytes(int w, int h, TColor c) {
  TBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.PixelData().SetPixel(x, y, c);
  return b.SaveToPngBytes();
}

void Load(THTMLPicture& p, const std::vector<uint8_t>& bytes) { p.LoadFromBytes(bytes.data(), bytes.size()); }

std::string TempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::string path =
      (fs::temp_directory_path() / ("cf_pic_" + std::to_string(::getpid()) + "_" + name)).string();
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}
}  // namespace

TEST(HTMLPicture, AGifShowsOneFrameAtATimePlacedOnItsScreen) {
  THTMLPicture p;
  int changes = 0, frameChanges = 0;
  p.OnChange = [&](TObject*) { ++changes; };
  p.OnFrameChange = [&](TObject*) { ++frameChanges; };
  Load(p, ThreeFrameGif());
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(p.Empty());
  EXPECT_TRUE(p.IsGIF());
  EXPECT_EQ(p.FrameCount(), 3);
  EXPECT_EQ(p.MaxWidth(), 6);
  EXPECT_EQ(p.MaxHeight(), 4);
  EXPECT_EQ(p.Width(), 6);

  p.SetFrame(2);
  EXPECT_EQ(frameChanges, 1);
  EXPECT_EQ(p.Width(), 2) << "the frame's own size";
  EXPECT_EQ(p.Height(), 2);
  EXPECT_EQ(p.FrameXPos(), 1);
  EXPECT_EQ(p.FrameYPos(), 1);
  EXPECT_EQ(p.MaxWidth(), 6);

  // Drawn at its natural size at the rectangle's corner: green pixels only.
  TRecordingCanvas c(10, 10);
  c.Brush()->SetColor(clWhite);
  c.FillRect(Rect(0, 0, 10, 10));
  c.Draw(3, 3, &p);
  const TPixelData& px = c.TargetBitmap()->PixelData();
  EXPECT_EQ(px.GetPixel(3, 3), 0x00FF00);
  EXPECT_EQ(px.GetPixel(4, 4), 0x00FF00);
  EXPECT_EQ(px.GetPixel(5, 5), clWhite);

  // Stretched, the frame fills the whole rectangle.
  p.SetStretch(true);
  c.StretchDraw(Rect(0, 0, 8, 8), &p);
  EXPECT_EQ(px.GetPixel(7, 7), 0x00FF00);
}

TEST(HTMLPicture, FramesWrapBothWaysAndStepFollowsTheDelays) {
  THTMLPicture p;
  Load(p, ThreeFrameGif());
  p.SetFrame(3);
  p.FrameNext();
  EXPECT_EQ(p.Frame(), 1);
  p.FramePrev();
  EXPECT_EQ(p.Frame(), 3);
  EXPECT_EQ(p.GetFrameTime(2), 20);
  EXPECT_EQ(p.GetFrameTime(4), -1);
  EXPECT_EQ(p.GetFrameTime(0), -1);

  THTMLPicture a;
  Load(a, ThreeFrameGif());
  ASSERT_EQ(a.FrameCount(), 3);
  // Steps come every 100 ms (10 hundredths); a frame stays for its own
  // delay once shown: frame 2 for 20, frame 3 for 5, frame 1 for 10.
  std::vector<int> frames;
  for (int i = 0; i < 8; ++i) {
    a.Step();
    frames.push_back(a.Frame());
  }
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 2, 3, 1, 2, 2, 3}));
  EXPECT_EQ(a.Width(), 3) << "each step shows the frame reached";
}

TEST(HTMLPicture, PicturesThatAreNotAnimatedNeverStep) {
  THTMLPicture p;
  Load(p, PngBytes(5, 3, clRed));
  EXPECT_FALSE(p.IsGIF());
  EXPECT_EQ(p.FrameCount(), -1);
  EXPECT_EQ(p.GetFrameTime(1), -1);
  EXPECT_EQ(p.Width(), 5);
  EXPECT_EQ(p.Height(), 3);
  EXPECT_EQ(p.MaxWidth(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(p.Step());

  THTMLPicture one;
  Load(one, BuildGif(2, 2, kPalette, {SolidGifFrame(0, 0, 2, 2, 1)}));
  EXPECT_EQ(one.FrameCount(), 1);
  EXPECT_FALSE(one.Step());

  THTMLPicture empty;
  EXPECT_TRUE(empty.Empty());
  EXPECT_EQ(empty.Width(), 0);
  EXPECT_FALSE(empty.Step());
}

TEST(HTMLPicture, DataThatDoesNotDecodeRaisesAndLeavesThePictureEmpty) {
  std::vector<uint8_t> gif = ThreeFrameGif();
  struct {
    const char* name;
    std::vector<uint8_t> bytes;
  } const cases[] = {
      {"garbage", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'}},
      {"four bytes GIF8", {'G', 'I', 'F', '8'}},
      {"cut GIF", std::vector<uint8_t>(gif.begin(), gif.begin() + 12)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    THTMLPicture p;
    EXPECT_THROW(Load(p, c.bytes), EInvalidGraphic);
    EXPECT_TRUE(p.Empty());
    EXPECT_EQ(p.Width(), 0);
    TRecordingCanvas canvas;
    canvas.Draw(0, 0, &p);
    EXPECT_EQ(canvas.Recorder().Count("StretchDraw"), 0);
  }
  // From a file the failure is not reported.
  const std::string path = TempFile("bad.gif", {'G', 'I', 'F', '8', '9', 'a'});
  THTMLPicture f;
  EXPECT_NO_THROW(f.LoadFromFile(path));
  EXPECT_TRUE(f.Empty());
  std::remove(path.c_str());
  EXPECT_NO_THROW(f.LoadFromFile("/nonexistent/picture.png"));
  EXPECT_TRUE(f.Empty());
}

TEST(HTMLPicture, SourcesLoadByTheirScheme) {
  const std::string path = TempFile("ok.png", PngBytes(4, 2, clBlue));
  struct {
    std::string url;
    bool loads;
  } const cases[] = {
      {"FILE://" + path, true},
      {"file://" + path, true},
      {"RES://MAIN_INFO", true},
      {"res://main_info", true},
      {"RES://", false},
      {"RES://NO_SUCH_PICTURE", false},
      {"http://example.invalid/pic.png", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.url);
    THTMLPicture p;
    p.LoadFromURL(c.url);
    EXPECT_EQ(p.Empty(), !c.loads);
    EXPECT_EQ(p.ID(), c.url) << "the text as given";
    EXPECT_FALSE(p.Busy()) << "never shown as loading";
  }
  THTMLPicture web;
  web.LoadFromURL("https://example.invalid/a.gif");
  EXPECT_EQ(web.URL(), "https://example.invalid/a.gif");
  web.SetAsynch(false);
  web.LoadFromURL("ftp://x");
  EXPECT_FALSE(web.Busy());
  std::remove(path.c_str());

  THTMLPicture byId;
  EXPECT_THROW(byId.LoadFromResourceID(4711), EResNotFound);
}

TEST(HTMLPicture, AssignAndStreamsCopyTheBytes) {
  THTMLPicture a;
  Load(a, ThreeFrameGif());
  a.SetFrame(3);
  THTMLPicture b;
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Assign(&a);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(b.Frame(), 1) << "a copy starts at the first frame";
  EXPECT_EQ(b.FrameCount(), 3);
  EXPECT_EQ(b.SaveToBytes(), a.SaveToBytes());
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
  EXPECT_TRUE(b.SaveToBytes().empty());

  TMemoryStream s;
  a.SaveToStream(&s);
  s.SetPosition(0);
  THTMLPicture c;
  c.LoadFromStream(&s);
  EXPECT_EQ(c.SaveToBytes(), a.SaveToBytes());
  c.LoadFromStream(nullptr);
  EXPECT_FALSE(c.Empty());
}

TEST(PictureCache, FindsByExactIDAndAnimatesAll) {
  THTMLPictureCache cache;
  THTMLPicture* a = cache.AddPicture();
  a->LoadFromURL("RES://MAIN_INFO");
  THTMLPicture* b = cache.AddPicture();
  std::vector<uint8_t> gif = ThreeFrameGif();
  b->LoadFromBytes(gif.data(), gif.size());
  EXPECT_EQ(cache.Count(), 2);
  EXPECT_EQ(cache.FindPicture("RES://MAIN_INFO"), a);
  EXPECT_EQ(cache.FindPicture("res://main_info"), nullptr);
  EXPECT_EQ(cache.Items(1), b);
  EXPECT_THROW(cache.Items(2), EListError);
  b->FrameCount();
  bool any = false;
  for (int i = 0; i < 3; ++i) any |= cache.Animate();
  EXPECT_TRUE(any);
  cache.ClearPictures();
  EXPECT_EQ(cache.Count(), 0);
}

TEST(PictureContainer, FindsItemsIgnoringCaseAndStoresThemInLayouts) {
  TComponent owner(nullptr);
  auto* pc = new TPictureContainer(&owner);
  pc->SetName("PictureContainer1");
  TPictureItem* item = pc->Items()->Add();
  item->SetName("Logo");
  item->SetTag(7);
  THTMLPicture pic;
  Load(pic, PngBytes(3, 3, clRed));
  item->SetPicture(&pic);
  pc->Items()->Add()->SetName("Other");

  EXPECT_EQ(pc->FindPicture("LOGO"), item->Picture());
  EXPECT_EQ(pc->FindPicture("logo")->Width(), 3);
  EXPECT_EQ(pc->FindPicture("missing"), nullptr);
  EXPECT_EQ(item->Collection()->Count(), 2);

  TPictureContainer copy(nullptr);
  copy.SetItems(pc->Items());
  ASSERT_EQ(copy.Items()->Count(), 2);
  EXPECT_EQ(copy.Items()->Items(0)->Tag(), 7);
  EXPECT_EQ(copy.FindPicture("Logo")->SaveToBytes(), pic.SaveToBytes());

  // Through a stored layout and back.
  const std::string text = WriteComponentText(pc);
  TPictureContainer loaded(nullptr);
  ReadComponentText(&loaded, text, "test");
  ASSERT_EQ(loaded.Items()->Count(), 2);
  EXPECT_EQ(loaded.Items()->Items(0)->Name(), "Logo");
  EXPECT_EQ(loaded.Items()->Items(0)->Tag(), 7);
  ASSERT_NE(loaded.FindPicture("logo"), nullptr);
  EXPECT_EQ(loaded.FindPicture("logo")->Width(), 3);
}
