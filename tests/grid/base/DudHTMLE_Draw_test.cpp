// The markup engine: reading the text, what tags do, line layout, anchors,
// images and inline controls, hit-testing, and bad input. Text is measured
// with the fixed metrics (Tahoma 8: 6 pixels a character, 14 a line), and
// drawings are checked through the recording canvas.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/backend/Painter.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "framework/graphics/RecordingCanvas.h"
#include "framework/graphics/Themes.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/PictureContainer.h"
#include "support/GifBuilder.h"

namespace {

constexpr int kChar = 6;   // character width with the fixed metrics
constexpr int kLine = 14;  // height of "gh"

class MarkupDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    SetFixedTextMetrics(true);
    SetThemeActive(false);
    canvas.Font()->SetName("Tahoma");
    canvas.Font()->SetSize(8);
    canvas.Font()->SetColor(clWindowText);
    canvas.Brush()->SetColor(clWindow);
  }
  void TearDown() override {
    SetFixedTextMetrics(false);
    SetThemeActive(true);
  }

  bool Draw(const std::string& text, TRect r = TRect(0, 0, 400, 200)) {
    canvas.Recorder().Clear();
    return DrawMarkup(&canvas, text, r, params, result);
  }
  bool HitTest(const std::string& text, int x, int y, TRect r = TRect(0, 0, 400, 200)) {
    TMarkupParams p = params;
    p.CheckHotSpot = true;
    p.XPos = x;
    p.YPos = y;
    canvas.Recorder().Clear();
    return DrawMarkup(&canvas, text, r, p, result);
  }
  TMarkupResult Measure(const std::string& text, TRect r = TRect(0, 0, 400, 200)) {
    TMarkupParams p = params;
    p.CheckHeight = true;
    TMarkupResult out;
    DrawMarkup(&canvas, text, r, p, out);
    return out;
  }
  // The texts drawn, in order: plain runs go straight to the device, runs
  // with prefixes or an ellipsis through the text layout.
  std::vector<TCanvasCall> Texts() const {
    std::vector<TCanvasCall> out;
    for (const TCanvasCall& c : canvas.Recorder().Calls())
      if (c.Op == "DrawText" || c.Op == "ExtTextOut") out.push_back(c);
    return out;
  }
  std::string TextsJoined() const {
    std::string s;
    for (const TCanvasCall& c : Texts()) s += (s.empty() ? "" : "|") + c.Text;
    return s;
  }
  // The drawn run whose text is Text.
  TCanvasCall Run(const std::string& text) const {
    for (const TCanvasCall& c : Texts())
      if (c.Text == text) return c;
    ADD_FAILURE() << "no run \"" << text << "\" in " << TextsJoined();
    return {};
  }

  TRecordingCanvas canvas;
  TMarkupParams params;
  TMarkupResult result;
};

}  // namespace

TEST_F(MarkupDraw, AnEmptyTextDrawsNothingAndIsOneLineHigh) {
  EXPECT_FALSE(Draw(""));
  EXPECT_EQ(canvas.Recorder().Calls().size(), 0u) << canvas.Recorder().Ops();
  EXPECT_EQ(result.XSize, 0);
  EXPECT_EQ(result.YSize, kLine);
  EXPECT_EQ(result.MouseLink, -1);
}

TEST_F(MarkupDraw, TheTextIsReadBeforeLayout) {
  struct {
    const char* markup;
    const char* drawn;  // the runs drawn, joined by "|"
    const char* plain;
  } const cases[] = {
      {"a &amp; b", "a && b", "a && b"},
      {"&AMP;&quot;&Copy;&euro;", "&&\"\u00A9\u20AC", "&&\"\u00A9\u20AC"},
      {"&amp;amp;", "&&&", "&&&"},
      {"x&lt;B&gt;y&nbsp;z", "x<B>y z", "x<B>y z"},
      {"tag <#NAME> here", "tag #NAME here", "tag #NAME here"},
      {"one\r\ntwo", "one|two", "one\rtwo"},
      {"&unknown; &", "&unknown; &", "&unknown; &"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    Draw(c.markup);
    EXPECT_EQ(TextsJoined(), c.drawn);
    EXPECT_EQ(result.PlainText, c.plain);
  }
  // A single "&" marks the next letter: the text primitive underlines it.
  Draw("&File");
  EXPECT_EQ(Run("&File").Text, "&File");
  EXPECT_EQ(result.XSize, 4 * kChar);
}

TEST_F(MarkupDraw, TagsSetTheFontOfTheRunsAfterThem) {
  struct {
    const char* markup;
    TFontStyles style;
    int size;
    TColor color;
  } const cases[] = {
      {"<B>x</B>", TFontStyles{fsBold}, 8, clWindowText},
      {"<I><U><S>x</S></U></I>", TFontStyles{fsItalic, fsUnderline, fsStrikeOut}, 8, clWindowText},
      {"<b><i>x", TFontStyles{fsBold, fsItalic}, 8, clWindowText},
      {"<FONT SIZE=\"3\">x</FONT>", {}, 12, clWindowText},
      {"<FONT SIZE=3>x</FONT>", {}, 12, clWindowText},
      {"<FONT SIZE=\"1\">x", {}, 8, clWindowText},
      {"<FONT SIZE=\"5\">x", {}, 16, clWindowText},
      {"<FONT SIZE=\"20\">x", {}, 20, clWindowText},
      {"<FONT SIZE=\"9999999\">x", {}, 512, clWindowText},
      {"<FONT SIZE=\"abc\">x", {}, 8, clWindowText},
      {"<FONT COLOR=\"#ff0000\">x", {}, 8, clRed},
      {"<FONT COLOR=\"#00FF00\">x", {}, 8, clLime},
      {"<font color=\"clBlue\">x", {}, 8, clBlue},
      {"<FONT COLOR=\"clbtnface\">x", {}, 8, clBtnFace},
      {"<FONT COLOR=\"notacolour\">x", {}, 8, clBlack},
      {"<FONT COLOR=clred>x", {}, 8, clWindowText},  // unquoted: no value
      {"<FONT BGCOLOR=\"clred\">x", {}, 8, clWindowText},
      {"<SUB>x</SUB>", {}, 8, clWindowText},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    Draw(c.markup);
    TCanvasCall run = Run("x");
    EXPECT_EQ(run.FontStyle, c.style);
    EXPECT_EQ(run.FontSize, c.size);
    EXPECT_EQ(run.FontColor, c.color);
  }
  Draw("<FONT FACE=\"Courier New\" BGCOLOR=\"#0000FF\">x</FONT>y");
  EXPECT_EQ(Run("x").FontName, "Courier New");
  EXPECT_EQ(Run("x").BrushColor, clBlue) << "the text background";
  EXPECT_NE(Run("x").BrushStyle, bsClear);
  EXPECT_EQ(Run("y").FontName, "Tahoma") << "the end tag brings back the entry font";
  EXPECT_EQ(Run("y").BrushStyle, bsClear);
  Draw("<FONT FACE=Arial>x");
  EXPECT_EQ(Run("x").FontName, "Tahoma") << "an unquoted face names no font";
}

TEST_F(MarkupDraw, SelectedTextKeepsItsColours) {
  params.Selected = true;
  canvas.Font()->SetColor(clHighlightText);
  Draw("<FONT COLOR=\"clred\" BGCOLOR=\"clyellow\">x</FONT> <A HREF=\"h\">y</A>");
  EXPECT_EQ(Run("x").FontColor, clHighlightText);
  EXPECT_EQ(Run("x").BrushStyle, bsClear);
  EXPECT_EQ(Run("y").FontColor, clHighlightText);
}

TEST_F(MarkupDraw, AttributesAreReadAsPairsOutsideQuotedValues) {
  // A value holding another attribute's name never stands in for it.
  Draw("<FONT FACE=\"x COLOR=&quot;clred&quot;\" COLOR=\"clblue\">x");
  EXPECT_EQ(Run("x").FontColor, clBlue);
  Draw("<FONT FACE=\"SIZE=20\">x");
  EXPECT_EQ(Run("x").FontSize, 8);
  EXPECT_TRUE(HitTest("<A HREF=\"page?TITLE=wrong\" TITLE=\"right\">link</A>", 10, 8));
  EXPECT_EQ(result.Anchor, "page?TITLE=wrong");
  EXPECT_EQ(result.AnchorTitle, "right");
  // A control whose value holds "WIDTH=" and "TYPE=".
  const std::string ctl =
      "<CONTROL TYPE=\"EDIT\" VALUE=\"WIDTH=&quot;900&quot; TYPE=&quot;BUTTON&quot;\" "
      "ID=\"e\" WIDTH=\"50\">";
  EXPECT_TRUE(HitTest(ctl, 10, 10));
  EXPECT_EQ(result.ControlType, "EDIT");
  EXPECT_EQ(result.ControlRect.Width(), 50);
}

TEST_F(MarkupDraw, BlinkingTextVanishesInItsHiddenPhase) {
  params.BlinkVisible = false;
  Draw("a<BLINK>b</BLINK>c");
  EXPECT_EQ(Run("b").FontColor, clWindow) << "the entry background colour";
  EXPECT_EQ(Run("c").FontColor, clWindowText);
  params.BlinkVisible = true;
  Draw("a<BLINK>b</BLINK>c");
  EXPECT_EQ(Run("b").FontColor, clWindowText);
}

TEST_F(MarkupDraw, HighlightShadowErrorAndHiddenText) {
  SetHighlightColors(clYellow, clRed);
  Draw("a<HI>b</HI>c");
  EXPECT_EQ(Run("b").FontColor, clRed);
  EXPECT_EQ(Run("b").BrushColor, clYellow);
  EXPECT_EQ(Run("c").BrushStyle, bsClear);
  EXPECT_EQ(Run("c").FontColor, clWindowText);
  SetHighlightColors(clHighlight, clHighlightText);

  params.ShadowOffset = 2;
  params.ShadowColor = clGray;
  Draw("<SHAD>s</SHAD>");
  ASSERT_EQ(Texts().size(), 2u);
  EXPECT_EQ(Texts()[0].FontColor, clGray);
  EXPECT_EQ(Texts()[0].Rect.Left, Texts()[1].Rect.Left + 2);
  EXPECT_EQ(Texts()[0].Rect.Bottom, Texts()[1].Rect.Bottom + 2);
  EXPECT_EQ(Texts()[1].FontColor, clWindowText);

  Draw("<E>wrong</E>");
  std::vector<TCanvasCall> zig = canvas.Recorder().Calls("Polyline");
  ASSERT_EQ(zig.size(), 1u);
  EXPECT_EQ(zig[0].PenColor, clRed);
  const std::vector<TPoint>& pts = zig[0].Points;
  ASSERT_GE(pts.size(), 10u);
  EXPECT_EQ(pts[0].X, 0);
  EXPECT_EQ(pts[1].X - pts[0].X, 2);
  EXPECT_EQ(std::abs(pts[1].Y - pts[0].Y), 2) << "between bottom - 1 and bottom + 1";
  EXPECT_GE(pts.back().X, 5 * kChar);

  Draw("a<Z>hidden</Z>b");
  EXPECT_EQ(TextsJoined(), "a|b");
  EXPECT_EQ(result.PlainText, "ahiddenb");
  EXPECT_EQ(result.XSize, 2 * kChar);
}

TEST_F(MarkupDraw, SubscriptAndSuperscriptMakeRoomInTheLine) {
  Draw("x<SUP>2</SUP>");
  const int rise = kLine / 4;
  EXPECT_EQ(result.YSize, kLine + rise);
  EXPECT_EQ(Run("2").Rect.Bottom, Run("x").Rect.Bottom - rise);
  Draw("x<SUB>2</SUB>");
  EXPECT_EQ(result.YSize, kLine + rise);
  EXPECT_EQ(Run("2").Rect.Bottom, Run("x").Rect.Bottom + rise);
}

TEST_F(MarkupDraw, WordWrapBreaksAtBlanksAndKeepsLongWordsWhole) {
  params.WordWrap = true;
  // 11 characters fit in 70 pixels (the layout starts 1 pixel in).
  Draw("aaa bbb ccc ddd", TRect(0, 0, 71, 200));
  EXPECT_EQ(TextsJoined(), "aaa |bbb |ccc |ddd");
  std::vector<TCanvasCall> t = Texts();
  EXPECT_EQ(t[0].Rect.Top, 0);
  EXPECT_EQ(t[2].Rect.Top, kLine) << "two words a line";
  EXPECT_EQ(result.YSize, 2 * kLine);
  EXPECT_EQ(result.XSize, 7 * kChar) << "a trailing blank does not count";

  Draw("waytoolongforthisrectangle short end", TRect(0, 0, 71, 200));
  t = Texts();
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0].Text, "waytoolongforthisrectangle ");
  EXPECT_EQ(t[1].Rect.Top, kLine) << "the long word stays alone on its line";
  EXPECT_EQ(t[2].Rect.Top, kLine);

  // A word split by a tag is not broken.
  Draw("aaaaaaaaa bb<B>cc</B>", TRect(0, 0, 71, 200));
  EXPECT_EQ(Run("bb").Rect.Top, kLine);
  EXPECT_EQ(Run("cc").Rect.Top, kLine);
}

TEST_F(MarkupDraw, WithoutWordWrapALineIsCutWithAnEllipsis) {
  Draw("first second <B>third</B> fourth<BR>next", TRect(0, 0, 60, 200));
  std::vector<TCanvasCall> t = Texts();
  ASSERT_EQ(t.size(), 1u) << TextsJoined();
  EXPECT_EQ(t[0].Text, "first second ");
  EXPECT_TRUE(t[0].Flags & DT_END_ELLIPSIS);
  EXPECT_EQ(result.YSize, kLine) << "nothing after the cut is laid out";
  EXPECT_EQ(result.PlainText, "first second third") << "the run that was cut is the last one";
  Draw("a<BR>b<BR>c");
  EXPECT_EQ(result.YSize, 3 * kLine);
  EXPECT_EQ(result.PlainText, "a\rb\rc");
}

TEST_F(MarkupDraw, MeasuringCountsEveryLineDrawingStopsAtTheBottom) {
  const std::string three = "one<BR>two<BR>three";
  TMarkupResult m = Measure(three, TRect(0, 0, 400, 5));
  EXPECT_EQ(m.YSize, 3 * kLine);
  EXPECT_EQ(m.XSize, 5 * kChar);
  Draw(three, TRect(0, 0, 400, 2 * kLine + 3));
  EXPECT_EQ(TextsJoined(), "one|two");
  canvas.Recorder().Clear();
  TMarkupParams p = params;
  p.CheckHeight = true;
  DrawMarkup(&canvas, three, TRect(0, 0, 400, 200), p, result);
  EXPECT_EQ(canvas.Recorder().Count("DrawText"), 0) << "measuring draws nothing";
}

TEST_F(MarkupDraw, ParagraphsAlignAndIndentUntilChanged) {
  Draw("<P ALIGN=\"CENTER\">ab</P>cd<BR><P ALIGN=\"RIGHT\">ef</P><P ALIGN=\"left\" INDENT=\"7\">gh",
       TRect(0, 0, 101, 200));
  // The line rectangle starts one pixel in: 1..101, 100 wide.
  EXPECT_EQ(Run("ab").Rect.Left, 1 + (100 - 2 * kChar) / 2);
  EXPECT_EQ(Run("cd").Rect.Left, 1 + (100 - 2 * kChar) / 2) << "centring goes on after the end tag";
  EXPECT_EQ(Run("ef").Rect.Left, 101 - 2 * kChar);
  EXPECT_EQ(Run("gh").Rect.Left, 1 + 7);

  Draw("<P BGCOLOR=\"clyellow\">band</P>after", TRect(0, 0, 100, 200));
  std::vector<TCanvasCall> fills = canvas.Recorder().Calls("FillRect");
  ASSERT_FALSE(fills.empty());
  EXPECT_EQ(fills[0].Rect, TRect(0, 0, 100, kLine));
  EXPECT_EQ(fills[0].BrushColor, clYellow);
  EXPECT_EQ(Run("after").BrushStyle, bsClear);
}

TEST_F(MarkupDraw, ListsIndentAndPutOneItemOnALine) {
  Draw("<UL><LI>one<LI>two<UL><LI>deep</UL></UL><BR>end");
  // <UL> ends a (here empty) line.
  EXPECT_EQ(Run("one").Rect.Top, kLine);
  EXPECT_EQ(Run("two").Rect.Top, 2 * kLine) << "the second item starts a new line";
  EXPECT_EQ(Run("one").Rect.Left, 1 + 12);
  EXPECT_EQ(Run("deep").Rect.Left, 1 + 24);
  EXPECT_EQ(Run("\u2022").Rect.Left, 1) << "odd levels: a bullet";
  EXPECT_EQ(Run("o").Rect.Left, 1 + 12) << "even levels: a circle";
  EXPECT_EQ(Run("end").Rect.Left, 1);
  Draw("<U>under</U>x");
  EXPECT_EQ(Run("x").FontStyle, TFontStyles{}) << "</U> at level 0 ends underlining";
  EXPECT_EQ(result.YSize, kLine);
}

TEST_F(MarkupDraw, BadTagsAreSkippedOrEndTheText) {
  struct {
    const char* markup;
    const char* drawn;
  } const cases[] = {
      {"a<unknown>b", "a|b"},
      {"a<>b", "a|b"},
      {"a</>b", "a|b"},
      {"before<after", "before"},
      {"end<x", "end"},
      {"<", ""},
      {"<B", ""},
      {"a<Q attr=\"unterminated>b", "a|b"},  // a tag ends at the first ">"
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    EXPECT_FALSE(Draw(c.markup));
    EXPECT_EQ(TextsJoined(), c.drawn);
  }
}

TEST_F(MarkupDraw, TheCanvasIsLeftAsItWas) {
  canvas.Pen()->SetColor(clMaroon);
  canvas.Pen()->SetWidth(3);
  canvas.Brush()->SetColor(clAqua);
  canvas.Font()->SetStyle(TFontStyles{fsItalic});
  canvas.Font()->SetColor(clTeal);
  Draw(
      "<B><FONT COLOR=\"clred\" BGCOLOR=\"clblue\" SIZE=\"14\" FACE=\"Courier\"><HI><E><R A=\"90\">x<P "
      "BGCOLOR=\"clred\">");
  EXPECT_EQ(canvas.Pen()->Color(), clMaroon);
  EXPECT_EQ(canvas.Pen()->Width(), 3);
  EXPECT_EQ(canvas.Brush()->Color(), clAqua);
  EXPECT_EQ(canvas.Brush()->Style(), bsSolid);
  EXPECT_EQ(canvas.Font()->Style(), TFontStyles{fsItalic});
  EXPECT_EQ(canvas.Font()->Color(), clTeal);
  EXPECT_EQ(canvas.Font()->Name(), "Tahoma");
  EXPECT_EQ(canvas.Font()->Size(), 8);
  EXPECT_EQ(canvas.Font()->Orientation(), 0);
}

TEST_F(MarkupDraw, AnchorsTakeTheLinkColourAndHoverLooks) {
  params.LinkColor = clPurple;
  Draw("go <A HREF=\"h1\" TITLE=\"t\">here</A> or <A HREF=\"h2\">there</A>.");
  EXPECT_EQ(result.HyperLinks, 2);
  EXPECT_EQ(Run("here").FontColor, clPurple);
  EXPECT_EQ(Run("here").FontStyle, TFontStyles{fsUnderline}) << "every anchor without the hover style";
  EXPECT_EQ(Run(" or ").FontColor, clWindowText);
  EXPECT_EQ(Run(" or ").FontStyle, TFontStyles{});

  params.HoverStyle = true;
  params.HoverLink = 2;
  params.HoverTextColor = clRed;
  params.HoverBackColor = clYellow;
  Draw("go <A HREF=\"h1\">here</A> or <A HREF=\"h2\">there</A>.");
  EXPECT_EQ(Run("here").FontStyle, TFontStyles{});
  EXPECT_EQ(Run("here").FontColor, clPurple);
  EXPECT_EQ(Run("there").FontStyle, TFontStyles{fsUnderline});
  EXPECT_EQ(Run("there").FontColor, clRed);
  EXPECT_EQ(Run("there").BrushColor, clYellow);
  EXPECT_EQ(Run(".").BrushStyle, bsClear);
  EXPECT_EQ(Run(".").FontColor, clWindowText);
}

TEST_F(MarkupDraw, HitTestingFindsTheAnchorUnderThePoint) {
  const std::string text = "go <A HREF=\"h1\" TITLE=\"first\">here</A> or <A HREF=\"h2\">there</A>";
  // "go " takes 18 pixels from x 1: "here" covers 19 to 43.
  struct {
    int x, y;
    bool hit;
    const char* anchor;
    int link;
  } const cases[] = {
      {25, 7, true, "h1", 1},  {19, 7, true, "h1", 1}, {43, 7, true, "h1", 1}, {5, 7, false, "", -1},
      {25, 20, false, "", -1}, {80, 7, true, "h2", 2}, {62, 7, false, "", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    result = TMarkupResult();
    EXPECT_EQ(HitTest(text, c.x, c.y), c.hit);
    EXPECT_EQ(result.MouseLink, c.link);
    if (c.hit) {
      EXPECT_EQ(result.Anchor, c.anchor);
    }
  }
  ASSERT_TRUE(HitTest(text, 25, 7));
  EXPECT_EQ(result.AnchorTitle, "first");
  EXPECT_EQ(result.AnchorRect, TRect(19, 0, 43, kLine));
  EXPECT_EQ(canvas.Recorder().Calls().size(), 0u) << "hit-testing draws nothing";

  // A centred line is tested where it is drawn.
  const std::string centred = "<P ALIGN=\"CENTER\"><A HREF=\"c\">mid</A>";
  EXPECT_FALSE(HitTest(centred, 5, 7, TRect(0, 0, 101, 50)));
  EXPECT_TRUE(HitTest(centred, 50, 7, TRect(0, 0, 101, 50)));
  EXPECT_EQ(result.AnchorRect, TRect(42, 0, 60, kLine));

  // An anchor over two lines is reported on the line where it ends.
  params.WordWrap = true;
  ASSERT_TRUE(HitTest("aaaa <A HREF=\"w\">bbbb cccc</A>", 10, 20, TRect(0, 0, 61, 100)));
  EXPECT_EQ(result.Anchor, "w");
  EXPECT_EQ(result.AnchorRect, TRect(1, kLine, 1 + 9 * kChar, 2 * kLine));
}

TEST_F(MarkupDraw, TheFocusAnchorGetsAFocusRectangle) {
  params.FocusLink = 1;
  Draw("<A HREF=\"a\">one</A> <A HREF=\"b\">two</A>");
  EXPECT_EQ(result.FocusAnchor, "b");
  std::vector<TCanvasCall> f = canvas.Recorder().Calls("DrawFocusRect");
  ASSERT_EQ(f.size(), 1u);
  // "two" starts after "one " at 1 + 24 and ends at 1 + 42; widened by 1.
  EXPECT_EQ(f[0].Rect, TRect(24, -1, 44, kLine + 1));
  params.FocusLink = -1;
  Draw("<A HREF=\"a\">one</A>");
  EXPECT_EQ(canvas.Recorder().Count("DrawFocusRect"), 0);
  EXPECT_EQ(result.FocusAnchor, "");
}

namespace {
std::vector<uint8_t> SolidPng(int w, int h, TColor c) {
  TBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.PixelData().SetPixel(x, y, c);
  return b.SaveToPngBytes();
}

THTMLPicture* AddPicture(TPictureContainer& pc, const std::string& name, const std::vector<uint8_t>& bytes) {
  TPictureItem* item = pc.Items()->Add();
  item->SetName(name);
  item->Picture()->LoadFromBytes(bytes.data(), bytes.size());
  return item->Picture();
}
}  // namespace

TEST_F(MarkupDraw, ImagesComeFromTheContainerAndTakeTheirSize) {
  TPictureContainer pc(nullptr);
  AddPicture(pc, "pic", SolidPng(6, 4, clRed));
  AddPicture(pc, "other", SolidPng(10, 10, clBlue));
  params.PictureContainer = &pc;
  struct {
    const char* markup;
    TRect box;  // where the picture goes; empty: nowhere
    int bLeft;  // where the text after it starts
  } const cases[] = {
      {"a<IMG SRC=\"pic\">b", TRect(7, 0, 13, 4), 13},
      {"a<IMG SRC=\"PIC\">b", TRect(7, 0, 13, 4), 13},
      {"a<IMG SRC=\"pic\" WIDTH=\"12\">b", TRect(7, 0, 19, 8), 19},
      {"a<IMG SRC=\"pic\" HEIGHT=\"8\">b", TRect(7, 0, 19, 8), 19},
      {"a<IMG SRC=\"pic\" WIDTH=\"3\" HEIGHT=\"9\">b", TRect(7, 0, 10, 9), 10},
      {"a<IMG SRC=\"nope\">b", TRect(), 7},
      {"a<IMG SRC=\"C:pic\">b", TRect(), 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    Draw(c.markup);
    std::vector<TCanvasCall> d = canvas.Recorder().Calls("Draw");
    std::vector<TCanvasCall> s = canvas.Recorder().Calls("StretchDraw");
    if (IsRectEmpty(c.box)) {
      EXPECT_TRUE(d.empty() && s.empty());
    } else {
      ASSERT_EQ(d.size() + s.size(), 1u);
      EXPECT_EQ(d.empty() ? s[0].Rect : d[0].Rect, c.box);
    }
    EXPECT_EQ(Run("b").Rect.Left, c.bLeft);
  }
  // A tall picture makes the line tall; text sits at the bottom unless the
  // image asks for it to go up.
  Draw("<IMG SRC=\"pic\" HEIGHT=\"30\">x");
  EXPECT_EQ(result.YSize, 30);
  EXPECT_EQ(Run("x").Rect.Bottom, 30);
  Draw("<IMG SRC=\"pic\" HEIGHT=\"30\" ALIGN=\"TOP\">x");
  EXPECT_EQ(Run("x").Rect.Bottom, kLine);
  Draw("<IMG SRC=\"pic\" HEIGHT=\"30\" ALIGN=\"middle\">x");
  EXPECT_EQ(Run("x").Rect.Bottom, 30 - (30 - kLine) / 2);
  // An image that does not fit moves to the next line.
  Draw("abcdefgh<IMG SRC=\"other\">", TRect(0, 0, 55, 100));
  ASSERT_EQ(canvas.Recorder().Count("Draw"), 1);
  EXPECT_EQ(canvas.Recorder().Calls("Draw")[0].Rect, TRect(1, kLine, 11, kLine + 10));
}

TEST_F(MarkupDraw, ALinkedImageIsAHitAndShowsItsOtherPictureUnderTheMouse) {
  TPictureContainer pc(nullptr);
  AddPicture(pc, "off", SolidPng(8, 8, clRed));
  AddPicture(pc, "on", SolidPng(8, 8, clLime));
  params.PictureContainer = &pc;
  const std::string text = "<A HREF=\"go\"><IMG SRC=\"off\" ALT=\"on\"></A>";
  EXPECT_TRUE(HitTest(text, 4, 4));
  EXPECT_EQ(result.Anchor, "go");
  EXPECT_EQ(result.MouseLink, 1);
  EXPECT_FALSE(HitTest(text, 20, 4));

  TRecordingCanvas pixels(20, 20);
  pixels.Brush()->SetColor(clWhite);
  pixels.FillRect(TRect(0, 0, 20, 20));
  params.XPos = 4;
  params.YPos = 4;
  DrawMarkup(&pixels, text, TRect(0, 0, 20, 20), params, result);
  EXPECT_EQ(pixels.TargetBitmap()->PixelData().GetPixel(3, 3), clLime);
  params.XPos = params.YPos = -1;
  DrawMarkup(&pixels, text, TRect(0, 0, 20, 20), params, result);
  EXPECT_EQ(pixels.TargetBitmap()->PixelData().GetPixel(3, 3), clRed);
}

TEST_F(MarkupDraw, PicturesByAddressAreLoadedOnceIntoTheCache) {
  THTMLPictureCache cache;
  params.PictureCache = &cache;
  Draw("<IMG SRC=\"RES://MAIN_INFO\">x<IMG SRC=\"RES://MAIN_INFO\">");
  ASSERT_EQ(cache.Count(), 1);
  const int w = cache.Items(0)->Width();
  ASSERT_GT(w, 0);
  EXPECT_EQ(Run("x").Rect.Left, 1 + w);
  EXPECT_EQ(canvas.Recorder().Count("Draw"), 2);
  Draw("<IMG SRC=\"http://example.invalid/p.png\">x");
  EXPECT_EQ(cache.Count(), 2) << "kept as not loadable";
  EXPECT_EQ(Run("x").Rect.Left, 1);
  params.PictureCache = nullptr;
  Draw("<IMG SRC=\"RES://MAIN_INFO\">x");
  EXPECT_EQ(Run("x").Rect.Left, 1);
}

TEST_F(MarkupDraw, AnAnimatedPictureShowsItsFrameOnItsScreen) {
  TPictureContainer pc(nullptr);
  const std::vector<uint32_t> palette = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};
  THTMLPicture* gif = AddPicture(
      pc, "anim", BuildGif(8, 6, palette, {SolidGifFrame(0, 0, 8, 6, 0), SolidGifFrame(2, 3, 4, 2, 1)}));
  gif->SetFrame(2);
  params.PictureContainer = &pc;
  Draw("a<IMG SRC=\"anim\">b");
  std::vector<TCanvasCall> fill = canvas.Recorder().Calls("FillRect");
  ASSERT_EQ(fill.size(), 1u);
  EXPECT_EQ(fill[0].Rect, TRect(7, 0, 15, 6)) << "the whole screen in the background colour";
  EXPECT_EQ(fill[0].BrushColor, clWindow);
  std::vector<TCanvasCall> d = canvas.Recorder().Calls("Draw");
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].Rect, TRect(9, 3, 13, 5)) << "the frame at its offset";
  EXPECT_EQ(Run("b").Rect.Left, 15);
}

TEST_F(MarkupDraw, ImageListAndShellIcons) {
  TImageList list(nullptr, 16, 16);
  TBitmap b(32, 16);
  list.Add(&b, nullptr);
  ASSERT_EQ(list.Count(), 2);
  params.ImageList = &list;
  Draw("a<IMG SRC=\"IDX:1\">b");
  EXPECT_EQ(Run("b").Rect.Left, 7 + 16);
  EXPECT_EQ(canvas.Recorder().Count("ImageListDraw"), 1);
  Draw("a<IMG SRC=\"idx:2\">b");
  EXPECT_EQ(Run("b").Rect.Left, 7) << "past the list: no room";
  params.Print = true;
  params.ResFactor = 2.0;
  Draw("a<IMG SRC=\"IDX:0\">b");
  EXPECT_EQ(Run("b").Rect.Left, 7 + 32) << "printing stretches by the resolution factor";
  params.Print = false;
  params.ImageList = nullptr;
  Draw("a<IMG SRC=\"IDX:0\">b");
  EXPECT_EQ(Run("b").Rect.Left, 7);

  Draw("a<IMG SRC=\"SSYS:1\">b");
  EXPECT_EQ(Run("b").Rect.Left, 7 + 16);
  Draw("a<IMG SRC=\"LSYS:/no/such/file.txt\">b");
  EXPECT_EQ(Run("b").Rect.Left, 7 + 32);
}

TEST_F(MarkupDraw, InlineControlsAreDrawnInTheClassicLook) {
  // An edit: the line is 24 high (the box height, "gh" + 10), the box
  // runs from 4 below the top of the control's 23 to 2 below the line.
  Draw("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"abc\" WIDTH=\"60\">x");
  EXPECT_EQ(result.YSize, 24);
  std::vector<TCanvasCall> box = canvas.Recorder().Calls("Rectangle");
  ASSERT_EQ(box.size(), 1u);
  EXPECT_EQ(box[0].Rect, TRect(1, 24 - 23 + 4, 61, 26));
  EXPECT_EQ(box[0].PenColor, clGray);
  EXPECT_EQ(box[0].BrushColor, clWhite);
  EXPECT_EQ(Run("abc").Rect, TRect(3, 5, 61, 24));
  EXPECT_EQ(Run("x").Rect.Left, 61);

  Draw("<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"s\u00E9cret\" WIDTH=\"60\">");
  EXPECT_EQ(TextsJoined(), "******") << "one star a character";

  struct {
    const char* markup;
    unsigned type;
    unsigned flags;
    TRect rect;
  } const cases[] = {
      {"<CONTROL TYPE=\"COMBO\" ID=\"c\" VALUE=\"v\" WIDTH=\"60\">", DFC_SCROLL, DFCS_SCROLLCOMBOBOX,
       TRect(43, 7, 60, 26)},
      {"<CONTROL TYPE=\"CHECK\" ID=\"k\" VALUE=\"TRUE\" WIDTH=\"20\">", DFC_BUTTON,
       DFCS_BUTTONCHECK | DFCS_FLAT | DFCS_CHECKED, TRect(3, 1, 16, 16)},
      {"<CONTROL TYPE=\"CHECK\" ID=\"k\" VALUE=\"false\">", DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT,
       TRect(3, 1, 16, 16)},
      {"<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"true\">", DFC_BUTTON,
       DFCS_BUTTONRADIO | DFCS_FLAT | DFCS_CHECKED, TRect(3, 2, 15, 16)},
      {"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"40\">", DFC_BUTTON, DFCS_BUTTONPUSH,
       TRect(3, 0, 39, 25)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    Draw(c.markup);
    std::vector<TCanvasCall> f = canvas.Recorder().Calls("DrawFrameControl");
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(static_cast<unsigned>(f[0].Param1), c.type);
    EXPECT_EQ(f[0].Flags, c.flags);
    EXPECT_EQ(f[0].Rect, c.rect);
  }
  // The button's caption; pressed while the mouse is down on it.
  params.MouseDown = true;
  params.XPos = 10;
  params.YPos = 10;
  Draw("<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"40\">");
  EXPECT_EQ(canvas.Recorder().Calls("DrawFrameControl")[0].Flags, DFCS_BUTTONPUSH | DFCS_PUSHED);
  EXPECT_EQ(Run("Go").Flags & (DT_CENTER | DT_VCENTER | DT_SINGLELINE),
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

TEST_F(MarkupDraw, InlineControlsAreDrawnThemedWhenAThemeIsActive) {
  SetThemeActive(true);
  struct {
    const char* markup;
    const char* cls;
    int part, state;
  } const cases[] = {
      {"<CONTROL TYPE=\"COMBO\" ID=\"c\" WIDTH=\"60\">", "combobox", CP_DROPDOWNBUTTON, CBXS_NORMAL},
      {"<CONTROL TYPE=\"CHECK\" ID=\"k\" VALUE=\"TRUE\">", "button", BP_CHECKBOX, CBS_CHECKEDNORMAL},
      {"<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"no\">", "button", BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL},
      {"<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"40\">", "button", BP_PUSHBUTTON, PBS_NORMAL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    Draw(c.markup);
    std::vector<TCanvasCall> t = canvas.Recorder().Calls("DrawThemeBackground");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].ClassName, c.cls);
    EXPECT_EQ(t[0].Param1, c.part);
    EXPECT_EQ(t[0].Param2, c.state);
    EXPECT_EQ(canvas.Recorder().Count("DrawFrameControl"), 0);
  }
  // The combo's button looks hot under the mouse.
  params.XPos = 30;
  params.YPos = 15;
  Draw("<CONTROL TYPE=\"COMBO\" ID=\"c\" WIDTH=\"60\">");
  EXPECT_EQ(canvas.Recorder().Calls("DrawThemeBackground")[0].Param2, CBXS_HOT);
  EXPECT_EQ(canvas.Recorder().Calls("Rectangle")[0].PenColor, static_cast<TColor>(0xB99D7F));
}

TEST_F(MarkupDraw, HitTestingReportsInlineControls) {
  const std::string text =
      "Name <CONTROL TYPE=\"EDIT\" ID=\"name\" VALUE=\"Ann &amp; Bob\" WIDTH=\"60\" MAXLEN=\"10\"> "
      "<CONTROL TYPE=\"CHECK\" ID=\"ok\" VALUE=\"TRUE\">";
  // "Name " is 30 wide: the edit box covers 31..91, the check box 97..113.
  ASSERT_TRUE(HitTest(text, 40, 10));
  EXPECT_EQ(result.Anchor, "ctrl");
  EXPECT_EQ(result.ControlType, "EDIT");
  EXPECT_EQ(result.ControlID, "name");
  EXPECT_EQ(result.ControlValue, "Ann & Bob") << "entities inside tags are the tag reader's";
  EXPECT_EQ(result.ControlRect, TRect(31, 0, 91, 24));
  ASSERT_TRUE(HitTest(text, 100, 10));
  EXPECT_EQ(result.ControlType, "CHECK");
  EXPECT_EQ(result.ControlRect, TRect(97, 0, 113, 16));
  EXPECT_FALSE(HitTest(text, 10, 10));
  EXPECT_EQ(result.ControlID, "");
  ASSERT_TRUE(HitTest("<CONTROL TYPE=\"EDIT\" ID=\"q\" VALUE=\"say &quot;hi&quot;\" WIDTH=\"60\">", 5, 5));
  EXPECT_EQ(result.ControlValue, "say \"hi\"");

  // Asked for by ID, a control is found wherever the point is.
  params.ControlID = "name";
  ASSERT_TRUE(HitTest(text, 300, 150));
  EXPECT_EQ(result.ControlID, "name");
  EXPECT_EQ(result.ControlRect, TRect(31, 0, 91, 24));
  params.ControlID.clear();

  // Controls without a width take no room; a tall one makes the line tall;
  // one that does not fit goes to the next line.
  Draw("a<CONTROL TYPE=\"EDIT\" ID=\"e\">b");
  EXPECT_EQ(Run("b").Rect.Left, 7);
  Draw("<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"40\" HEIGHT=\"40\">");
  EXPECT_EQ(result.YSize, 38);
  ASSERT_TRUE(HitTest("abcdef<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"40\">", 10, 30, TRect(0, 0, 60, 100)));
  EXPECT_EQ(result.ControlRect, TRect(1, kLine, 41, kLine + 24));
}

TEST_F(MarkupDraw, HostileMarkupEndsQuickly) {
  TPictureContainer pc(nullptr);
  AddPicture(pc, "p", SolidPng(1, 1, clRed));
  THTMLPictureCache cache;
  params.PictureContainer = &pc;
  params.PictureCache = &cache;
  std::string deep;
  for (int i = 0; i < 5000; ++i) deep += "<UL><B><FONT SIZE=\"7\"><A HREF=\"x\"><SUB>";
  deep += "text";
  std::string closers;
  for (int i = 0; i < 5000; ++i) closers += "</UL></A></SUB></FONT></B>";
  std::string entities;
  for (int i = 0; i < 20000; ++i) entities += "&amp;";
  std::string items;
  for (int i = 0; i < 2000; ++i) items += "<LI>";
  std::string words;
  for (int i = 0; i < 30000; ++i) words += "word ";
  const std::string cases[] = {
      deep,
      closers + "x",
      entities,
      items,
      words,
      "<IMG SRC=\"p\" WIDTH=\"2147483647\" HEIGHT=\"-5\">",
      "<BODY BACKGROUND=\"p\" BGCOLOR=\"#zzzzzz\">x",
      "<CONTROL TYPE=\"BUTTON\" WIDTH=\"99999999999\" HEIGHT=\"99999999\" VALUE=\"v\">",
      "<IND X=\"2147483647\">x<IND X=\"-3\">y",
      "<R A=\"99999999\">x</R></R></R>",
      "<P INDENT=\"-99999999\">x",
      "<FONT SIZE=\"-4\">x<FONT SIZE=\"0x7FFFFFFF\">y",
      "<IMG SRC=\"FILE:///dev/null\"><IMG SRC=\"RES://\"><IMG SRC=\"SSYS:\"><IMG SRC=\"IDX:-1\">",
      std::string(3000, '<') + std::string(3000, '>'),
      std::string("a\0b<B\0>c", 8),
      "\xFF\xFE<\xC3>&\xE2\x82",
  };
  for (const std::string& text : cases) {
    SCOPED_TRACE(text.substr(0, 60));
    for (bool wrap : {false, true}) {
      params.WordWrap = wrap;
      Draw(text, TRect(0, 0, 80, 60));
      HitTest(text, 10, 10, TRect(0, 0, 80, 60));
      TMarkupResult m = Measure(text, TRect(0, 0, 80, 60));
      EXPECT_GE(m.YSize, 0);
      EXPECT_LE(m.XSize, 1 << 20);
    }
  }
}

// Real fonts and pixels: a cell of markup grabbed into a PNG (kept beside
// the test programs as an artefact) and checked where it must show colour.
TEST(MarkupPicture, AGrabbedCellShowsItsColoursAndPicture) {
  SetFixedTextMetrics(false);
  SetThemeActive(false);
  TPictureContainer pc(nullptr);
  AddPicture(pc, "dot", SolidPng(10, 10, clLime));
  TRecordingCanvas c(220, 90);
  c.Brush()->SetColor(clWhite);
  c.FillRect(TRect(0, 0, 220, 90));
  c.Font()->SetName("DejaVu Sans");
  c.Font()->SetSize(9);
  c.Font()->SetColor(clBlack);
  TMarkupParams p;
  p.PictureContainer = &pc;
  p.WordWrap = true;
  TMarkupResult r;
  const std::string markup =
      "<P BGCOLOR=\"#FFFF00\">Status: <B><FONT COLOR=\"clred\">ALARM</FONT></B> <IMG SRC=\"dot\"></P>"
      "<FONT BGCOLOR=\"clnavy\" COLOR=\"clwhite\">inverse</FONT> and <A HREF=\"x\">a link</A><BR>"
      "<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\"> done";
  DrawMarkup(&c, markup, TRect(0, 0, 220, 90), p, r);
  const TPixelData& px = c.TargetBitmap()->PixelData();

  const char* dir = std::getenv("CF_TEST_BIN_DIR");
  const std::string folder = std::string(dir != nullptr ? dir : ".") + "/artefacts";
  std::filesystem::create_directories(folder);
  c.TargetBitmap()->SaveToPngFile(folder + "/markup_cell.png");

  // The first line's band is yellow from the left edge to the right one.
  EXPECT_EQ(px.GetPixel(0, 1), clYellow);
  EXPECT_EQ(px.GetPixel(219, 1), clYellow);
  auto count = [&](TRect area, auto pred) {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) n += pred(px.GetPixel(x, y)) ? 1 : 0;
    return n;
  };
  const int firstLine = 20;  // the first line ends above this with a 9-point font
  EXPECT_GT(
      count(TRect(0, 0, 220, firstLine), [](TColor p) { return GetRValue(p) > 180 && GetGValue(p) < 90; }),
      10)
      << "red text on the first line";
  EXPECT_GT(count(TRect(0, 0, 220, firstLine), [](TColor p) { return p == clLime; }), 50) << "the picture";
  EXPECT_GT(count(TRect(0, firstLine, 220, 90), [](TColor p) { return p == clNavy; }), 50)
      << "the inverse text's background";
  EXPECT_GT(
      count(TRect(0, firstLine, 220, 90), [](TColor p) { return GetBValue(p) > 180 && GetRValue(p) < 90; }),
      5)
      << "the link";
  SetThemeActive(true);
}
