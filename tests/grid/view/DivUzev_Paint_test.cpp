// The grid control's painter, through the recording canvas: the layers of
// a cell by kind and state, the drawing events in their order, the text
// step's flags, links, sort glyph and backgrounds, the graphics and their
// glyphs, and a painter that never stops over what a cell holds or what a
// drawing event does. A few grabbed pictures are checked by their pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "../../support/Input.h"
#include "../base/DrawSupport.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Forms.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "framework/graphics/RecordingCanvas.h"
#include "grid/base/VevCtrls.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"

namespace {

using testinput::ShowForm;

constexpr int kColWidth = 80;
constexpr int kRowHeight = 24;

// A grid of 5 x 6 cells of 80 x 24 on a form, without scroll bars.
struct TFixture {
  TForm form{nullptr};
  TDedAdararAdoz* g;
  explicit TFixture(int Cols = 5, int Rows = 6) {
    g = new TDedAdararAdoz(&form);
    g->SetParent(&form);
    g->SetBorderStyle(bsNone);
    g->SetScrollBars(ssNone);
    g->SetDefaultColWidth(kColWidth);
    g->SetDefaultRowHeight(kRowHeight);
    g->SetColCount(Cols);
    g->SetRowCount(Rows);
    g->SetBounds(0, 0, Cols * (kColWidth + 1), Rows * (kRowHeight + 1));
  }
  // The calls one cell paint makes, from the background on.
  std::vector<TCanvasCall> Paint(int Col, int Row, TGridDrawState State = {}) {
    TRecordingCanvas c(g->Width(), g->Height());
    g->PaintCell(&c, Col, Row, g->CellRect(Col, Row), State);
    return c.Recorder().Calls();
  }
};

std::vector<TCanvasCall> Only(const std::vector<TCanvasCall>& Calls, const std::string& Op) {
  std::vector<TCanvasCall> out;
  for (const TCanvasCall& c : Calls)
    if (c.Op == Op) out.push_back(c);
  return out;
}

const TCanvasCall* FirstText(const std::vector<TCanvasCall>& Calls) {
  for (const TCanvasCall& c : Calls)
    if (c.Op == "DrawText") return &c;
  return nullptr;
}

// ---------------------------------------------------------------------------
// Layers by kind and state

TEST(DivUzevPaint, EachKindAndStateOfCellPaintsItsLayers) {
  struct Case {
    const char* what;
    std::function<void(TDedAdararAdoz*)> setup;
    int col, row;
    TGridDrawState state;
    std::function<void(TDedAdararAdoz*, const std::vector<TCanvasCall>&)> check;
  };
  const Case cases[] = {
      {"plain text, left and top in the cell less the text offset",
       [](TDedAdararAdoz* g) { g->SetCellEx(2, 2, "abc"); },
       2,
       2,
       {},
       [](TDedAdararAdoz* g, const std::vector<TCanvasCall>& calls) {
         const TCanvasCall* t = FirstText(calls);
         ASSERT_NE(t, nullptr);
         EXPECT_EQ(t->Text, "abc");
         const TRect r = g->CellRect(2, 2);
         EXPECT_EQ(t->Rect, TRect(r.Left + 1 + 2, r.Top + 1 + 2, r.Right - 1 - 2, r.Bottom - 1));
         EXPECT_EQ(t->Flags & (DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM), 0u);
         EXPECT_NE(t->Flags & DT_WORDBREAK, 0u);
         EXPECT_NE(t->Flags & DT_NOPREFIX, 0u);
         EXPECT_EQ(calls.front().Op, "FillRect");
         EXPECT_EQ(calls.front().BrushColor, ColorToRGB(g->Color()));
       }},
      {"fixed cell of the XP look: gradient, text, then light and dark edges",
       [](TDedAdararAdoz* g) { g->SetCellEx(2, 0, "Head"); }, 2, 0, TGridDrawState{gdFixed},
       [](TDedAdararAdoz* g, const std::vector<TCanvasCall>& calls) {
         EXPECT_EQ(calls.front().BrushColor, g->VyxGradientFrom());
         const TCanvasCall* t = FirstText(calls);
         ASSERT_NE(t, nullptr);
         EXPECT_EQ(t->Text, "Head");
         const auto lines = Only(calls, "LineTo");
         ASSERT_GE(lines.size(), 3u);
         const TRect r = g->CellRect(2, 0);
         // After the text: the dark bottom line, the white top and left.
         bool dark = false, white = false;
         for (const TCanvasCall& l : lines) {
           if (l.PenColor == HalfColor(g->FixedColor()) && l.Points[0].Y == l.Points[1].Y) dark = true;
           if (l.PenColor == clWhite && l.Points[1].Y == r.Top) white = true;
         }
         EXPECT_TRUE(dark);
         EXPECT_TRUE(white);
         EXPECT_LT(std::find_if(calls.begin(), calls.end(),
                                [](const TCanvasCall& c) { return c.Op == "DrawText"; }) -
                       calls.begin(),
                   std::find_if(calls.begin(), calls.end(), [](const TCanvasCall& c) {
                     return c.Op == "LineTo" && c.PenColor == clWhite;
                   }) - calls.begin());
       }},
      {"selected: the selection colour under the selection's text colour",
       [](TDedAdararAdoz* g) {
         g->SetCellEx(2, 2, "sel");
         g->SetSelectionTextColor(clMaroon);
         g->SetSelection(TGridRect(1, 2, 3, 3));
       },
       2, 2, TGridDrawState{gdSelected},
       [](TDedAdararAdoz* g, const std::vector<TCanvasCall>& calls) {
         EXPECT_EQ(calls.front().BrushColor, g->SelectionColor());
         ASSERT_NE(FirstText(calls), nullptr);
         EXPECT_EQ(FirstText(calls)->FontColor, clMaroon);
       }},
      {"hover row: the hover colour",
       [](TDedAdararAdoz* g) {
         g->SetHoverRow(true);
         g->SetHoverRowColor(clYellow);
         g->SetHoverRowIdx(3);
       },
       2,
       3,
       {},
       [](TDedAdararAdoz*, const std::vector<TCanvasCall>& calls) {
         EXPECT_EQ(calls.front().BrushColor, clYellow);
       }},
      {"merged: one text over the whole area",
       [](TDedAdararAdoz* g) {
         g->SetCellEx(1, 1, "merged");
         g->MergeCells(1, 1, 2, 2);
       },
       2,
       2,
       {},
       [](TDedAdararAdoz* g, const std::vector<TCanvasCall>& calls) {
         const auto texts = Only(calls, "DrawText");
         ASSERT_EQ(texts.size(), 1u);
         EXPECT_EQ(texts[0].Text, "merged");
         EXPECT_GE(texts[0].Rect.Width(), 2 * kColWidth - 8);
         EXPECT_EQ(texts[0].Rect.Left, g->CellRect(1, 1).Left + 3);
       }},
      {"data check box of the XP look: its glyph, no text",
       [](TDedAdararAdoz* g) {
         g->ControlLook()->SetControlStyle(csWinXP);
         g->AddCheckBox(2, 2, true, true);
       },
       2,
       2,
       {},
       [](TDedAdararAdoz* g, const std::vector<TCanvasCall>& calls) {
         EXPECT_EQ(FirstText(calls), nullptr);
         const auto draws = Only(calls, "Draw");
         ASSERT_EQ(draws.size(), 1u);
         EXPECT_EQ(draws[0].Param1, 16);
         const TRect r = g->CellRect(2, 2);
         // Inside the content (one line in), one pixel of text offset and
         // one of placement.
         EXPECT_EQ(draws[0].Points[0], TPoint(r.Left + 2, r.Top + 2));
       }},
      {"check box of the classic look: a frame control, checked",
       [](TDedAdararAdoz* g) {
         g->ControlLook()->SetControlStyle(csClassic);
         g->AddCheckBox(2, 2, true, false);
       },
       2,
       2,
       {},
       [](TDedAdararAdoz*, const std::vector<TCanvasCall>& calls) {
         const auto frames = Only(calls, "DrawFrameControl");
         ASSERT_EQ(frames.size(), 1u);
         EXPECT_EQ(frames[0].Param1, static_cast<int>(DFC_BUTTON));
         EXPECT_NE(frames[0].Flags & DFCS_CHECKED, 0u);
         EXPECT_EQ(frames[0].Flags & DFCS_INACTIVE, 0u);
         EXPECT_EQ(frames[0].Rect.Width(), 15);
       }},
      {"progress: a bar half filled in the complete colour with its percentage",
       [](TDedAdararAdoz* g) {
         g->SetCellEx(2, 2, "50");
         g->AddProgress(2, 2, clRed, clWhite);
       },
       2,
       2,
       {},
       [](TDedAdararAdoz* g, const std::vector<TCanvasCall>& calls) {
         // The complete part carries its half of the text, then the rest.
         const auto parts = Only(calls, "TextRect");
         ASSERT_EQ(parts.size(), 2u);
         EXPECT_EQ(parts[0].BrushColor, clRed);
         EXPECT_EQ(parts[0].Text, "50%");
         EXPECT_EQ(parts[1].BrushColor, clWhite);
         const TRect r = g->CellRect(2, 2);
         EXPECT_NEAR(parts[0].Rect.Right - parts[0].Rect.Left, parts[1].Rect.Right - parts[1].Rect.Left, 1);
         EXPECT_GT(parts[0].Rect.Left, r.Left);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TFixture f;
    f.g->SetOptions(f.g->Options() << goEditing);
    c.setup(f.g);
    c.check(f.g, f.Paint(c.col, c.row, c.state));
  }
}

TEST(DivUzevPaint, TheFocusRectangleMarksTheBaseOfTheCurrentCell) {
  TFixture f;
  ShowForm(&f.form);
  f.g->SetFocus();
  ASSERT_TRUE(f.g->Focused());
  f.g->MergeCells(1, 1, 2, 2);
  f.g->SetCol(1);
  f.g->SetRow(1);
  auto calls = f.Paint(1, 1, TGridDrawState{gdFocused, gdSelected});
  const auto focus = Only(calls, "DrawFocusRect");
  ASSERT_EQ(focus.size(), 1u);
  const TRect area = f.g->CellRect(1, 1);
  EXPECT_EQ(focus[0].Rect, TRect(area.Left, area.Top, area.Right - 1, area.Bottom - 1));
  EXPECT_TRUE(Only(f.Paint(3, 3), "DrawFocusRect").empty());
  f.g->SetHideFocusRect(true);
  EXPECT_TRUE(Only(f.Paint(1, 1, TGridDrawState{gdFocused}), "DrawFocusRect").empty());
}

// ---------------------------------------------------------------------------
// The drawing events

TEST(DivUzevPaint, TheDrawingEventsComeInTheirOrderWithTheRealColumn) {
  TFixture f;
  TDedAdararAdoz* g = f.g;
  g->HideColumn(1);  // display column 2 is real column 3
  g->SetCellEx(3, 2, "text");
  g->GetCellProperties(3, 2);  // borders come from the event
  TRecordingCanvas canvas(g->Width(), g->Height());
  std::vector<std::string> log;
  auto mark = [&](const std::string& what) {
    log.push_back(what + "@" + std::to_string(canvas.Recorder().Count("DrawText")));
  };
  TRect drawCellRect;
  g->OnCustomCellBkgDraw = [&](TObject*, TCanvas* C, int ACol, int ARow, TGridDrawState, TRect,
                               bool Printing) {
    EXPECT_EQ(C, &canvas);
    EXPECT_EQ(ACol, 3);
    EXPECT_EQ(ARow, 2);
    EXPECT_FALSE(Printing);
    mark("bkg");
  };
  g->OnGetCellBorderProp = [&](TObject*, int ARow, int ACol, TPen*, TPen*, TPen*, TPen*) {
    EXPECT_EQ(ARow, 2);
    EXPECT_EQ(ACol, 3);
    mark("border");
  };
  g->OnDrawCell = [&](TObject*, int ACol, int ARow, const TRect& R, TGridDrawState) {
    EXPECT_EQ(ACol, 3);
    EXPECT_EQ(ARow, 2);
    drawCellRect = R;
    mark("draw");
  };
  g->OnCustomCellDraw = [&](TObject*, TCanvas*, int ACol, int, TGridDrawState, TRect, bool) {
    EXPECT_EQ(ACol, 3);
    mark("custom");
  };
  g->PaintCell(&canvas, 2, 2, g->CellRect(2, 2), {});
  EXPECT_EQ(log, (std::vector<std::string>{"bkg@0", "border@1", "draw@1", "custom@1"}));
  const TRect r = g->CellRect(2, 2);
  EXPECT_EQ(drawCellRect, TRect(r.Left + 1 + 1, r.Top + 1 + 1, r.Right - 1 - 1, r.Bottom - 1 - 1));
}

TEST(DivUzevPaint, DrawHandlersAndGraphicsCanTakeTheTextsPlace) {
  struct Case {
    const char* what;
    bool noDefaultDraw, handler, noImageAndText, checkBox;
    bool text;
  };
  const Case cases[] = {
      {"handler and NoDefaultDraw: no text", true, true, false, false, false},
      {"NoDefaultDraw without handler: text", true, false, false, false, true},
      {"handler alone: text", false, true, false, false, true},
      {"check box and NoImageAndText: the box only", false, false, true, true, false},
      {"check box: box and text", false, false, false, true, true},
  };
  for (const Case& c : cases) {
    TFixture f;
    f.g->SetCellEx(2, 2, "words");
    f.g->SetNoDefaultDraw(c.noDefaultDraw);
    f.g->SetNoImageAndText(c.noImageAndText);
    if (c.handler) f.g->OnDrawCell = [](TObject*, int, int, const TRect&, TGridDrawState) {};
    if (c.checkBox) {
      f.g->ControlLook()->SetControlStyle(csClassic);
      f.g->AddCheckBox(2, 2, true, false);
    }
    const auto calls = f.Paint(2, 2);
    EXPECT_EQ(FirstText(calls) != nullptr, c.text) << c.what;
    EXPECT_EQ(!Only(calls, "DrawFrameControl").empty(), c.checkBox) << c.what;
  }
}

// ---------------------------------------------------------------------------
// Fixed cells

TEST(DivUzevPaint, AHoveredFixedCellShowsTheHoverAndPressedGradients) {
  TFixture f;
  TDedAdararAdoz* g = f.g;
  g->ControlLook()->SetFixedGradientHoverFrom(0x00C0FF);
  g->ControlLook()->SetFixedGradientHoverTo(0x80E0FF);
  g->ControlLook()->SetFixedGradientHoverBorder(0x0080C0);
  g->ControlLook()->SetFixedGradientDownFrom(0x808000);
  g->ControlLook()->SetFixedGradientDownTo(0xC0C000);
  g->ControlLook()->SetFixedGradientDownBorder(0x404000);
  g->SetHoverFixedCells(hfAll);
  g->SetHoveredFixedCell(TGridCoord{2, 0});
  auto borderOf = [](const std::vector<TCanvasCall>& calls, TColor C) {
    for (const TCanvasCall& c : calls)
      if ((c.Op == "FrameRect" || c.Op == "Rectangle" || c.Op == "LineTo") && c.PenColor == C) return true;
    for (const TCanvasCall& c : calls)
      if (c.Op == "FrameRect" && c.BrushColor == C) return true;
    return false;
  };
  auto hover = f.Paint(2, 0, TGridDrawState{gdFixed});
  bool from = false;
  for (const TCanvasCall& c : Only(hover, "FillRect")) from = from || c.BrushColor == 0x00C0FF;
  EXPECT_TRUE(from);
  EXPECT_TRUE(borderOf(hover, 0x0080C0));
  // Not the hovered one: the plain fixed look.
  auto plain = f.Paint(3, 0, TGridDrawState{gdFixed});
  for (const TCanvasCall& c : Only(plain, "FillRect")) EXPECT_NE(c.BrushColor, 0x00C0FF);
  // Pressed.
  g->SetMouseButtonDown(true);
  auto down = f.Paint(2, 0, TGridDrawState{gdFixed});
  bool pressed = false;
  for (const TCanvasCall& c : Only(down, "FillRect")) pressed = pressed || c.BrushColor == 0x808000;
  EXPECT_TRUE(pressed);
  EXPECT_TRUE(borderOf(down, 0x404000));
  // Cells that HoverFixedCells leaves out never hover.
  g->SetMouseButtonDown(false);
  g->SetHoverFixedCells(hfFixedColumns);
  for (const TCanvasCall& c : Only(f.Paint(2, 0, TGridDrawState{gdFixed}), "FillRect"))
    EXPECT_NE(c.BrushColor, 0x00C0FF);
}

TEST(DivUzevPaint, TheFixedCellOfTheHoverRowCanLookNormal) {
  TFixture f;
  TDedAdararAdoz* g = f.g;
  g->SetHoverRow(true);
  g->SetHoverRowIdx(3);
  g->SetHoverRowColor(clYellow);
  auto whiteEdge = [](const std::vector<TCanvasCall>& calls) {
    for (const TCanvasCall& c : Only(calls, "LineTo"))
      if (c.PenColor == clWhite) return true;
    return false;
  };
  EXPECT_TRUE(whiteEdge(f.Paint(0, 3, TGridDrawState{gdFixed})));
  g->SetHoverRowCells(THoverRowCells{hcNormal, hcFixed});
  const auto calls = f.Paint(0, 3, TGridDrawState{gdFixed});
  EXPECT_FALSE(whiteEdge(calls));
  EXPECT_EQ(calls.front().BrushColor, clYellow);
}

TEST(DivUzevPaint, ASelectedCellOfAnUnfocusedGridWithoutSelectionColourShowsTheSystemHighlight) {
  TFixture f;
  f.g->SetSelectionColor(clNone);
  f.g->SetSelection(TGridRect(2, 2, 2, 2));
  bool highlight = false;
  for (const TCanvasCall& c : Only(f.Paint(2, 2, TGridDrawState{gdSelected}), "FillRect"))
    highlight = highlight || c.BrushColor == clHighlight;
  EXPECT_TRUE(highlight);
}

// ---------------------------------------------------------------------------
// The text step

TEST(DivUzevPaint, TheTextStepDrawsByAlignmentWrapAndKind) {
  struct Case {
    const char* what;
    std::function<void(TDedAdararAdoz*)> setup;
    std::string text;
    unsigned set, clear;
  };
  const Case cases[] = {
      {"word wrap", [](TDedAdararAdoz*) {}, "one two", DT_WORDBREAK | DT_EDITCONTROL, DT_SINGLELINE},
      {"one line without wrap", [](TDedAdararAdoz* g) { g->SetWordWrap(false); }, "one two", DT_SINGLELINE,
       DT_WORDBREAK | DT_END_ELLIPSIS},
      {"ellipsis",
       [](TDedAdararAdoz* g) {
         g->SetWordWrap(false);
         g->SetEnhTextSize(true);
       },
       "one two", DT_SINGLELINE | DT_END_ELLIPSIS, DT_WORDBREAK},
      {"right and bottom",
       [](TDedAdararAdoz* g) {
         g->SetDefaultAlignment(taRightJustify);
         g->SetVAlignment(vtaBottom);
       },
       "x", DT_RIGHT | DT_BOTTOM, DT_CENTER | DT_VCENTER},
      {"centre",
       [](TDedAdararAdoz* g) {
         g->SetDefaultAlignment(taCenter);
         g->SetVAlignment(vtaCenter);
       },
       "x", DT_CENTER | DT_VCENTER, DT_RIGHT | DT_BOTTOM},
  };
  for (const Case& c : cases) {
    TFixture f;
    c.setup(f.g);
    f.g->SetCellEx(2, 2, c.text);
    const std::vector<TCanvasCall> calls = f.Paint(2, 2);
    const TCanvasCall* t = FirstText(calls);
    ASSERT_NE(t, nullptr) << c.what;
    EXPECT_EQ(t->Flags & c.set, c.set) << c.what;
    EXPECT_EQ(t->Flags & c.clear, 0u) << c.what;
  }
}

TEST(DivUzevPaint, PasswordsLinksAndWideTextsShowWhatTheUserShouldSee) {
  TFixture f;
  TDedAdararAdoz* g = f.g;
  g->SetCellEx(1, 1, "sécret");
  g->OnIsPasswordCell = [](TObject*, int ARow, int ACol, bool& P) { P = ACol == 1 && ARow == 1; };
  ASSERT_NE(FirstText(f.Paint(1, 1)), nullptr);
  EXPECT_EQ(FirstText(f.Paint(1, 1))->Text, "******");

  g->SetCellEx(2, 1, "http://example.com/a");
  g->SetURLShow(true);
  g->SetURLColor(clPurple);
  auto link = f.Paint(2, 1);
  ASSERT_NE(FirstText(link), nullptr);
  EXPECT_EQ(FirstText(link)->Text, "example.com/a");
  EXPECT_EQ(FirstText(link)->FontColor, clPurple);
  EXPECT_TRUE(FirstText(link)->FontStyle.Contains(fsUnderline));
  g->SetURLFull(true);
  EXPECT_EQ(FirstText(f.Paint(2, 1))->Text, "http://example.com/a");
  // In a selected cell the link takes the selection's text colour.
  g->SetSelectionTextColor(clTeal);
  g->SetSelection(TGridRect(2, 1, 2, 1));
  EXPECT_EQ(FirstText(f.Paint(2, 1, TGridDrawState{gdSelected}))->FontColor, clTeal);

  g->SetCellEx(3, 1, EncodeWideCellText("wide ü"));
  EXPECT_EQ(FirstText(f.Paint(3, 1))->Text, "wide ü");
}

TEST(DivUzevPaint, TheSortedHeaderShowsItsGlyphBesideTheText) {
  TFixture f;
  TDedAdararAdoz* g = f.g;
  g->SetCellEx(2, 0, "Name");
  g->SortSettings()->SetShow(true);
  g->SortSettings()->SetColumn(2);
  g->SortSettings()->SetRow(0);
  g->SetDefaultAlignment(taCenter);
  auto calls = f.Paint(2, 0, TGridDrawState{gdFixed});
  const TRect r = g->CellRect(2, 0);
  const TCanvasCall* t = FirstText(calls);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Rect.Left, r.Left + 1 + 2 + 10);
  // The outlined triangle of an ascending sort, centred 8 pixels in from
  // the cell's left edge and 8 down: its white base line first.
  const int x = r.Left + 8, y = r.Top + 8;
  bool glyph = false;
  for (const TCanvasCall& c : Only(calls, "LineTo"))
    if (c.PenColor == clWhite && c.Points[0] == TPoint(x - 4, y + 4) && c.Points[1] == TPoint(x + 4, y + 4))
      glyph = true;
  EXPECT_TRUE(glyph);
  // Another column shows none.
  g->SetCellEx(3, 0, "Other");
  for (const TCanvasCall& c : Only(f.Paint(3, 0, TGridDrawState{gdFixed}), "LineTo"))
    EXPECT_FALSE(c.Points[0].X != c.Points[1].X && c.Points[0].Y != c.Points[1].Y);
}

TEST(DivUzevPaint, TheBackgroundGradientSkipsCellsWithTheirOwnColour) {
  TFixture f;
  TDedAdararAdoz* g = f.g;
  g->BackGround()->SetColor(clWhite);
  g->BackGround()->SetColorTo(clNavy);
  g->BackGround()->SetDisplay(bdGradientHorz);
  g->GetCellProperties(2, 2)->SetBrushColor(clLime);
  g->GetCellProperties(3, 2)->SetBrushColor(clLime);
  g->ControlLook()->SetControlStyle(csClassic);
  g->AddCheckBox(3, 2, false, false);
  auto bands = [](const std::vector<TCanvasCall>& calls) {
    int n = 0;
    for (const TCanvasCall& c : calls)
      n += (c.Op == "Rectangle" || c.Op == "FillRect") && Between(c.BrushColor, clWhite, clNavy) &&
           c.BrushColor != clWhite;
    return n;
  };
  EXPECT_GT(bands(f.Paint(1, 2)), 4);
  EXPECT_EQ(bands(f.Paint(2, 2)), 0);
  EXPECT_GT(bands(f.Paint(3, 2)), 4);
}

TEST(DivUzevPaint, TiledBackgroundsLineUpAcrossCells) {
  TFixture f;
  TDedAdararAdoz* g = f.g;
  // Seven columns of distinct greys: a tile's column shows where it lies.
  TBitmap tile(7, 4);
  for (int x = 0; x < 7; ++x)
    for (int y = 0; y < 4; ++y) tile.Canvas()->SetPixels(x, y, RGB(30 * x, 30 * x, 30 * x));
  g->BackGround()->SetBitmap(&tile);
  g->BackGround()->SetDisplay(bdTile);
  g->BackGround()->SetCells(bcNormal);
  g->SetSelection(TGridRect(4, 4, 4, 4));
  TRecordingCanvas canvas(g->Width(), g->Height());
  g->PaintGrid(&canvas);
  SaveArtefact(canvas.TargetBitmap(), "grid_tiled_background");
  const TRect left = g->CellRect(1, 2), right = g->CellRect(2, 2);
  const int y = left.Top + 10;
  // Both cells show the one picture that starts at the first normal cell.
  auto tileColumn = [&](int X) { return GetRValue(canvas.Pixels(X, y)) / 30; };
  for (int x :
       {left.Left + 1, left.Left + 40, left.Right - 2, right.Left + 1, right.Left + 5, right.Right - 2})
    EXPECT_EQ(tileColumn(x), (x - (left.Left + 1)) % 7) << x;
  // A cell with its own colour shows none of it.
  g->GetCellProperties(3, 2)->SetBrushColor(clLime);
  g->PaintGrid(&canvas);
  EXPECT_EQ(canvas.Pixels(g->CellRect(3, 2).Left + 5, y), clLime);
}

// Scrolled to its last columns, a grid shows its background right of the
// last column, wide columns scrolled out of view counting for nothing.
TEST(DivUzevPaint, TheOutsideBackgroundFollowsTheScrolledColumns) {
  TFixture f(12, 6);
  TDedAdararAdoz* g = f.g;
  for (int c = 1; c <= 4; ++c) g->SetColWidths(c, 300);
  g->SetWidth(5 * (kColWidth + 1) + 40);
  g->BackGround()->SetDisplay(bdGradientHorz);
  g->BackGround()->SetColor(clNavy);
  g->BackGround()->SetColorTo(clNavy);
  g->GetCellProperties(11, 1)->SetBrushColor(clWhite);
  g->SetLeftCol(8);
  ASSERT_EQ(g->LeftCol(), 8);
  std::unique_ptr<TBitmap> shot = g->GrabToBitmap();
  const TRect last = g->CellRect(11, 1);
  const int lastRight = last.Right;
  ASSERT_LT(lastRight + 20, g->Width());
  EXPECT_EQ(shot->Canvas()->Pixels(lastRight - 5, last.Top + 5), clWhite);
  EXPECT_EQ(shot->Canvas()->Pixels(lastRight + 10, 30), clNavy);
  EXPECT_EQ(shot->Canvas()->Pixels(g->Width() - 2, 100), clNavy);
}

// ---------------------------------------------------------------------------
// Graphics

TEST(DivUzevPaint, CheckBoxGlyphsShowMixedAndDisabledStates) {
  struct Case {
    TGridControlStyle style;
    bool editable;
    unsigned flags;
  };
  const Case cases[] = {
      {csClassic, true, DFCS_CHECKED | DFCS_BUTTON3STATE},
      {csFlat, true, DFCS_CHECKED | DFCS_BUTTON3STATE | DFCS_FLAT},
      {csClassic, false, DFCS_CHECKED | DFCS_BUTTON3STATE | DFCS_INACTIVE},
  };
  for (const Case& c : cases) {
    TFixture f;
    if (c.editable) f.g->SetOptions(f.g->Options() << goEditing);
    f.g->ControlLook()->SetControlStyle(c.style);
    f.g->AddCheckBox(2, 2, false, false);
    f.g->GetCellGraphic(2, 2)->CellAngle = 1;
    const auto frames = Only(f.Paint(2, 2), "DrawFrameControl");
    ASSERT_EQ(frames.size(), 1u) << c.style;
    EXPECT_EQ(frames[0].Flags & ~DFCS_BUTTONCHECK, c.flags) << c.style;
  }
  // Never disabled when the look says so; a balloon never reads as mixed.
  TFixture f;
  f.g->ControlLook()->SetControlStyle(csClassic);
  f.g->ControlLook()->SetNoDisabledCheckRadioLook(true);
  f.g->AddCheckBox(2, 2, true, false);
  f.g->AddBalloon(2, 2, "t", "x", biInfo);
  const auto frames = Only(f.Paint(2, 2), "DrawFrameControl");
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].Flags & DFCS_INACTIVE, 0u);
  EXPECT_EQ(frames[0].Flags & DFCS_BUTTON3STATE, 0u);
}

TEST(DivUzevPaint, ARadioGroupWithoutIndexChecksTheItemOfTheCellText) {
  TFixture f;
  f.g->SetDefaultRowHeight(70);
  f.g->ControlLook()->SetControlStyle(csClassic);
  TStrings* items = f.g->CreateRadio(2, 2, 0, -1);
  items->Add("low");
  items->Add("mid");
  items->Add("high");
  f.g->SetCellEx(2, 2, "mid");
  const auto frames = Only(f.Paint(2, 2), "DrawFrameControl");
  ASSERT_EQ(frames.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ((frames[i].Flags & DFCS_CHECKED) != 0, i == 1) << i;
  EXPECT_LT(frames[0].Rect.Top, frames[1].Rect.Top);
}

TEST(DivUzevPaint, RatingsFillWholeAndHalfStars) {
  TFixture f;
  f.g->SetDefaultColWidth(120);
  f.g->SetCellEx(2, 2, "2.7");
  f.g->AddRating(2, 2, 5, clYellow, clSilver);
  std::vector<TColor> fills;
  for (const TCanvasCall& c : Only(f.Paint(2, 2), "Polygon")) fills.push_back(c.BrushColor);
  EXPECT_EQ(fills, (std::vector<TColor>{clYellow, clYellow, clSilver, clYellow, clSilver, clSilver}));
}

// ---------------------------------------------------------------------------
// A painter that always finishes

TEST(DivUzevPaint, ValueCellsWithEmptyRangesOrTextsThatAreNoNumbersStillPaint) {
  TFixture f(6, 6);
  TDedAdararAdoz* g = f.g;
  TImageList images(nullptr, 16, 16);
  g->SetGridImages(&images);
  const char* texts[] = {"abc", "", "1e999", "-", "12.5.3"};
  for (int r = 1; r < 6; ++r) {
    for (int c = 1; c < 6; ++c) g->SetCellEx(c, r, texts[r - 1]);
    g->AddVevProgress(1, r, 5, 5);
    g->AddProgressFormatted(2, r, clRed, clBlack, clWhite, clBlack, "%d", 7, 7);
    g->AddRangeIndicator(3, r, 0, clRed, clGreen, true);
    g->AddRating(4, r, 5, clYellow, clSilver);
    g->AddDataImage(5, r, 0, haLeft, vaTop);
  }
  g->SetCellEx(1, 1, "9");
  TRecordingCanvas canvas(g->Width(), g->Height());
  EXPECT_NO_THROW(g->PaintGrid(&canvas));
  // An empty range shows nothing complete.
  TRecordingCanvas one(g->Width(), g->Height());
  g->PaintCell(&one, 1, 1, g->CellRect(1, 1), {});
  for (const TCanvasCall& c : Only(one.Recorder().AllCalls(), "FillRect"))
    EXPECT_NE(c.BrushColor, g->ProgressAppearance()->Level0Color());
  g->SetGridImages(nullptr);
}

TEST(DivUzevPaint, AnExceptionFromADrawingEventIsReportedAfterTheWholePass) {
  TFixture f;
  TDedAdararAdoz* g = f.g;
  for (int r = 1; r < 6; ++r) g->SetCellEx(3, r, "r" + std::to_string(r));
  int failures = 1;
  g->OnDrawCell = [&](TObject*, int ACol, int ARow, const TRect&, TGridDrawState) {
    if (ACol == 1 && ARow == 1 && failures > 0) {
      --failures;
      throw std::runtime_error("handler failed");
    }
  };
  TRecordingCanvas first(g->Width(), g->Height());
  EXPECT_THROW(g->PaintGrid(&first), std::runtime_error);
  // Every cell was painted all the same.
  int texts = 0;
  for (const TCanvasCall& c : first.Recorder().Calls("DrawText"))
    texts += c.Text.size() == 2 && c.Text[0] == 'r';
  EXPECT_EQ(texts, 5);
  // And the next paint is a normal one.
  TRecordingCanvas second(g->Width(), g->Height());
  EXPECT_NO_THROW(g->PaintGrid(&second));
  EXPECT_EQ(first.Recorder().Ops(), second.Recorder().Ops());
  // The same holds for an event that fires while the looks are read.
  failures = 0;
  g->OnGetCellColor = [](TObject*, int ARow, int ACol, TGridDrawState, TBrush*, TFont*) {
    if (ARow == 2 && ACol == 2) throw std::runtime_error("colour failed");
  };
  TRecordingCanvas third(g->Width(), g->Height());
  EXPECT_THROW(g->PaintGrid(&third), std::runtime_error);
  texts = 0;
  for (const TCanvasCall& c : third.Recorder().Calls("DrawText"))
    texts += c.Text.size() == 2 && c.Text[0] == 'r';
  EXPECT_EQ(texts, 5);
  g->OnGetCellColor = nullptr;
  EXPECT_NO_THROW(g->PaintGrid(&third));
}

TEST(DivUzevPaint, SizingLinesAreDottedXorLinesUpToTheLastCell) {
  TFixture f(3, 3);
  ShowForm(&f.form);
  f.g->SetBounds(0, 0, 400, 300);
  TCanvasRecorder rec;
  f.g->Canvas()->SetRecorder(&rec);
  f.g->DrawColumnSizingLine(50);
  f.g->DrawRowSizingLine(30);
  f.g->Canvas()->SetRecorder(nullptr);
  const auto lines = rec.Calls("LineTo");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].PenMode, pmXor);
  EXPECT_EQ(lines[0].PenStyle, psDot);
  EXPECT_EQ(lines[0].Points[0], TPoint(50, 0));
  EXPECT_EQ(lines[0].Points[1].Y, f.g->CellRect(2, 2).Bottom);
  EXPECT_EQ(lines[1].Points[1].X, f.g->CellRect(2, 2).Right);
  EXPECT_EQ(f.g->Canvas()->Pen()->Mode(), pmCopy);
}

// ---------------------------------------------------------------------------
// Pictures

TEST(DivUzevPaint, CheckBoxGlyphsAndFixedGradientsInPixels) {
  TFixture f(4, 4);
  TDedAdararAdoz* g = f.g;
  g->SetOptions(g->Options() << goEditing);
  g->ControlLook()->SetControlStyle(csWinXP);
  g->AddCheckBox(1, 1, true, true);
  g->AddCheckBox(1, 2, false, true);
  g->AddCheckBox(2, 1, true, false);
  g->SetCellEx(2, 1, "beside");
  g->ControlLook()->SetFixedGradientHoverFrom(0xFF8000);
  g->ControlLook()->SetFixedGradientHoverTo(0xFFFFC0);
  g->SetHoverFixedCells(hfAll);
  g->SetHoveredFixedCell(TGridCoord{3, 0});
  TRecordingCanvas canvas(g->Width(), g->Height());
  g->PaintGrid(&canvas);
  TBitmap* shot = canvas.TargetBitmap();
  SaveArtefact(shot, "grid_checkboxes");
  auto greenIn = [&](const TRect& R) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x) {
        const TColor c = canvas.Pixels(x, y);
        n += GreenOf(c) > 120 && RedOf(c) < 90 && BlueOf(c) < 90;
      }
    return n;
  };
  const TRect checked = g->CellRect(1, 1), unchecked = g->CellRect(1, 2), beside = g->CellRect(2, 1);
  EXPECT_GT(greenIn(TRect(checked.Left, checked.Top, checked.Left + 20, checked.Bottom)), 8);
  EXPECT_EQ(greenIn(unchecked), 0);
  EXPECT_GT(greenIn(TRect(beside.Left, beside.Top, beside.Left + 20, beside.Bottom)), 8);
  // The glyph's frame, not its magenta background, meets the cell.
  for (int x = checked.Left; x < checked.Left + 20; ++x)
    EXPECT_NE(canvas.Pixels(x, checked.Top + 8), clFuchsia);
  // The hovered header runs from the hover start colour down to its end.
  const TRect head = g->CellRect(3, 0);
  const TColor top = canvas.Pixels(head.Left + 10, head.Top + 2);
  const TColor bottom = canvas.Pixels(head.Left + 10, head.Bottom - 3);
  EXPECT_TRUE(Between(top, 0xFF8000, 0xFFFFC0));
  EXPECT_TRUE(Between(bottom, 0xFF8000, 0xFFFFC0));
  EXPECT_LT(GreenOf(top), GreenOf(bottom));
  // The plain header beside it keeps the look's own gradient.
  const TRect plain = g->CellRect(2, 0);
  EXPECT_TRUE(Between(canvas.Pixels(plain.Left + 10, plain.Top + 2), g->VyxGradientFrom(),
                      ColorToRGB(g->VyxGradientTo())));
}

TEST(DivUzevPaint, AFilePictureIsReadWhenItPaintsAndAMissingFileLeavesTheCellEmpty) {
  const std::string dir = ::testing::TempDir();
  const std::string good = dir + "/cell_file_picture.bmp";
  const std::string spoilt = dir + "/cell_file_picture_spoilt.bmp";
  {
    TBitmap b;
    b.SetSize(100, 50);
    b.SaveToFile(good);
    std::FILE* f = std::fopen(spoilt.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("BM not a picture", f);
    std::fclose(f);
  }
  TFixture f;
  TFilePicture* fp = f.g->CreateFilePicture(1, 1, false, StretchWithAspectRatio, 0, haLeft, vaTop);
  ASSERT_EQ(f.g->GetFilePicture(1, 1), fp);
  fp->SetFilename(good);
  EXPECT_EQ(fp->Width(), 100);
  const TPoint size = f.g->GetCellGraphic(1, 1)->GetPictureSize(40, 40, false);
  EXPECT_EQ(size, TPoint(40, 20)) << "measured by the size the file had";
  auto stretched = [&] { return Only(f.Paint(1, 1), "StretchDraw"); };
  ASSERT_EQ(stretched().size(), 1u);

  std::remove(good.c_str());
  EXPECT_NO_THROW(EXPECT_TRUE(stretched().empty())) << "a file gone since";
  TFilePicture other;
  EXPECT_ANY_THROW(other.SetFilename(spoilt)) << "naming a spoilt file tells the caller";
  f.g->AddFilePicture(2, 1, &other, false, noStretch, 0, haLeft, vaTop);
  EXPECT_NO_THROW(EXPECT_TRUE(Only(f.Paint(2, 1), "StretchDraw").empty()));
  EXPECT_NO_THROW(f.g->GrabToBitmap());
  // The caller's file picture stays the caller's.
  f.g->RemoveFilePicture(2, 1);
  EXPECT_EQ(f.g->GetFilePicture(2, 1), nullptr);
  EXPECT_EQ(other.Filename(), spoilt);
  f.g->RemovePicture(1, 1);
  EXPECT_EQ(f.g->GetFilePicture(1, 1), fp) << "a picture removal leaves a file picture";
  std::remove(spoilt.c_str());
}

}  // namespace
