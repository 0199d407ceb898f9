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
  // The texts drawn, in order.
  std::vector<TCanvasCall> Texts() const { return canvas.Recorder().Calls("DrawText"); }
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
