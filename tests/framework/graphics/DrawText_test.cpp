// Text layout with the fixed font measures: every character 6 pixels wide,
// lines 14 pixels high (ascent 11) for the default 8-point font.
#include <gtest/gtest.h>

#include "framework/backend/Painter.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/RecordingCanvas.h"

namespace {
class DrawTextTest : public ::testing::Test {
 protected:
  void SetUp() override { SetFixedTextMetrics(true); }
  void TearDown() override { SetFixedTextMetrics(false); }

  // The text pieces DrawText drew, in order.
  std::vector<TCanvasCall> Pieces() const {
    std::vector<TCanvasCall> out;
    for (const TCanvasCall& c : canvas.Recorder().AllCalls())
      if (c.Op == "TextOut") out.push_back(c);
    return out;
  }
  std::vector<TCanvasCall> Underlines() const {
    std::vector<TCanvasCall> out;
    for (const TCanvasCall& c : canvas.Recorder().AllCalls())
      if (c.Op == "FillSolidRect") out.push_back(c);
    return out;
  }

  TRecordingCanvas canvas;
};
}  // namespace

TEST_F(DrawTextTest, CalcRectGrowsWordBrokenTextDownwardsOnly) {
  struct Case {
    const char* text;
    unsigned flags;
    int width;
    TRect expect;
  } cases[] = {
      {"Hello world", DT_SINGLELINE, 30, Rect(0, 0, 66, 14)},
      {"Hello world", DT_WORDBREAK, 30, Rect(0, 0, 30, 28)},
      {"Hello world", DT_WORDBREAK, 200, Rect(0, 0, 66, 14)},
      // A single word wider than the rectangle widens it...
      {"Extraordinary", DT_WORDBREAK, 30, Rect(0, 0, 78, 14)},
      // ...unless the layout is an edit control's, which breaks the word.
      {"Extraordinary", DT_WORDBREAK | DT_EDITCONTROL, 30, Rect(0, 0, 30, 42)},
      {"one\r\ntwo\nthree", 0, 100, Rect(0, 0, 30, 42)},
      {"one\r\ntwo", DT_SINGLELINE, 100, Rect(0, 0, 36, 14)},
      {"", 0, 100, Rect(0, 0, 0, 0)},
      {"", DT_SINGLELINE, 100, Rect(0, 0, 0, 14)},
      {"a\tb", DT_EXPANDTABS, 100, Rect(0, 0, 54, 14)},
  };
  for (const auto& c : cases) {
    TRect r(0, 0, c.width, 5);
    int h = DrawText(canvas.Handle(), c.text, r, c.flags | DT_CALCRECT);
    EXPECT_EQ(r, c.expect) << c.text << " flags " << c.flags;
    EXPECT_EQ(h, c.expect.Height()) << c.text;
  }
  EXPECT_TRUE(Pieces().empty()) << "measuring draws nothing";
}

TEST_F(DrawTextTest, EllipsisShortensWhatDoesNotFit) {
  std::string text = "Hello world";
  TRect r(0, 0, 40, 14);
  DrawTextEx(canvas.Handle(), text, r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, nullptr);
  ASSERT_EQ(Pieces().size(), 1u);
  EXPECT_EQ(Pieces()[0].Text, "Hel...");
  EXPECT_EQ(text, "Hel...");

  canvas.Recorder().Clear();
  std::string path = "C:\\dir\\sub\\file.txt";
  TRect p(0, 0, 84, 14);
  DrawTextEx(canvas.Handle(), path, p, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING, nullptr);
  EXPECT_EQ(path, "C:...\\file.txt");

  // Word-broken text cut by the rectangle ends its last shown line in "...".
  canvas.Recorder().Clear();
  TRect two(0, 0, 48, 28);
  DrawText(canvas.Handle(), "one two three four", two, DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS);
  auto lines = Pieces();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Text, "one two");
  EXPECT_EQ(lines[1].Text, "three...");

  // Text that fits is left alone, and DrawText never changes its argument.
  canvas.Recorder().Clear();
  TRect wide(0, 0, 200, 14);
  DrawText(canvas.Handle(), "Hello world", wide, DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_EQ(Pieces()[0].Text, "Hello world");
}

TEST_F(DrawTextTest, PrefixCharacters) {
  struct Case {
    const char* text;
    unsigned flags;
    const char* drawn;
    int underlineLeft;  // -1: none
  } cases[] = {
      {"&Save", 0, "Save", 0},
      {"Sa&ve", 0, "Save", 12},
      {"A&&B", 0, "A&B", -1},
      {"&Save", DT_NOPREFIX, "&Save", -1},
      {"&Save", DT_HIDEPREFIX, "Save", -1},
  };
  for (const auto& c : cases) {
    canvas.Recorder().Clear();
    TRect r(0, 0, 200, 14);
    DrawText(canvas.Handle(), c.text, r, c.flags | DT_SINGLELINE);
    ASSERT_EQ(Pieces().size(), 1u) << c.text;
    EXPECT_EQ(Pieces()[0].Text, c.drawn) << c.text;
    auto u = Underlines();
    if (c.underlineLeft < 0) {
      EXPECT_TRUE(u.empty()) << c.text;
    } else {
      ASSERT_EQ(u.size(), 1u) << c.text;
      EXPECT_EQ(u[0].Rect, Rect(c.underlineLeft, 12, c.underlineLeft + 6, 13)) << c.text;
    }
  }
}

TEST_F(DrawTextTest, AlignmentPlacesEachLine) {
  struct Case {
    unsigned flags;
    TPoint at;
  } cases[] = {
      {DT_SINGLELINE, {0, 0}},
      {DT_SINGLELINE | DT_RIGHT, {82, 0}},
      {DT_SINGLELINE | DT_CENTER, {41, 0}},
      {DT_SINGLELINE | DT_VCENTER, {0, 13}},
      {DT_SINGLELINE | DT_BOTTOM, {0, 26}},
      // Vertical centring is a single-line layout only.
      {DT_VCENTER, {0, 0}},
  };
  for (const auto& c : cases) {
    canvas.Recorder().Clear();
    TRect r(0, 0, 100, 40);
    DrawText(canvas.Handle(), "abc", r, c.flags);
    ASSERT_EQ(Pieces().size(), 1u);
    EXPECT_EQ(Pieces()[0].Points[0], c.at) << "flags " << c.flags;
    EXPECT_EQ(Pieces()[0].Rect, r) << "clipped to the rectangle";
  }

  canvas.Recorder().Clear();
  TRect r(10, 5, 100, 100);
  DrawText(canvas.Handle(), "one\ntwo\tx", r, DT_EXPANDTABS | DT_NOCLIP);
  auto p = Pieces();
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].Points[0], Point(10, 5));
  EXPECT_EQ(p[1].Points[0], Point(10, 19));
  EXPECT_EQ(p[2].Text, "x");
  EXPECT_EQ(p[2].Points[0], Point(10 + 48, 19)) << "tab stops every 8 average characters";
  EXPECT_EQ(p[0].Rect, TRect()) << "DT_NOCLIP draws unclipped";
}

TEST_F(DrawTextTest, EditControlLayoutHidesAPartlyVisibleLastLine) {
  TRect r(0, 0, 200, 20);
  DrawText(canvas.Handle(), "one\ntwo", r, DT_EDITCONTROL);
  ASSERT_EQ(Pieces().size(), 1u);
  EXPECT_EQ(Pieces()[0].Text, "one");
}

TEST_F(DrawTextTest, TextRectWithFormatUsesTheSameLayout) {
  TRect r(0, 0, 30, 0);
  std::string text = "Hello world";
  canvas.TextRect(r, text, {tfWordBreak, tfCalcRect});
  EXPECT_EQ(r, Rect(0, 0, 30, 28));
}
