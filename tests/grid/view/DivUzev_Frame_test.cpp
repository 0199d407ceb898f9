// The grid's window-level extras: its own border over the non-client edge
// per look (grabbed and read back pixel by pixel), and the glowing focus
// frame window shown around the cell an editor opens on, kept over it when
// windows move and hidden when the edit ends.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "GridEditFixture.h"
#include "grid/base/VevCtrls.h"

namespace {

using namespace testinput;

constexpr TColor kBorder = 0x000000C8;  // a red no look uses
constexpr TColor kFormColor = 0x0000C800;

struct BorderFixture : ::testing::Test {
  TForm* form = nullptr;
  TDedAdararAdoz* g = nullptr;
  void SetUp() override {
    form = NewPointerForm(400, 300);
    form->SetColor(kFormColor);
    g = new TDedAdararAdoz(form);
    g->SetParent(form);
    g->SetBounds(10, 10, 300, 200);
    ShowForm(form);
  }
  void TearDown() override {
    FreePointerForm(form);
    SetGridPlatformFacts(true, true, true, 0x0006000A);
  }
  // The grid's picture as it shows, frame included.
  TColor At(int X, int Y) {
    std::unique_ptr<TBitmap> b = g->GrabToBitmap();
    return b->Canvas()->Pixels(X, Y) & 0xFFFFFF;
  }
};

TEST_F(BorderFixture, TheLooksWithABorderPaintItOverTheEdge) {
  struct Case {
    TGridLook look;
    bool painted;
  };
  const Case cases[] = {
      {glStandard, false}, {glSoft, true},  {glClassic, false}, {glVyx, true},        {glXP, true},
      {glListView, true},  {glVista, true}, {glWin7, true},     {glOffice2007, true}, {glCustom, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(static_cast<int>(k.look));
    g->SetLook(k.look);
    g->SetFlat(false);
    g->SetBorderColor(kBorder);
    const int h = g->Height(), w = g->Width();
    // Fitted cells: the border one pixel in, the parent's colour outside it.
    EXPECT_EQ(At(1, h / 2) == kBorder, k.painted);
    EXPECT_EQ(At(w - 2, h / 2) == kBorder, k.painted);
    EXPECT_EQ(At(w / 2, 1) == kBorder, k.painted);
    EXPECT_EQ(At(w / 2, h - 2) == kBorder, k.painted);
    if (k.painted) EXPECT_EQ(At(0, h / 2), kFormColor);
  }
}

TEST_F(BorderFixture, NoBorderWithoutItsSettingsOrWhileUpdatesAreLocked) {
  struct Case {
    const char* name;
    void (*set)(TDedAdararAdoz*);
  };
  const Case cases[] = {
      {"flat", [](TDedAdararAdoz* G) { G->SetFlat(true); }},
      {"no colour", [](TDedAdararAdoz* G) { G->SetBorderColor(clNone); }},
      {"no border style", [](TDedAdararAdoz* G) { G->SetBorderStyle(bsNone); }},
      {"locked", [](TDedAdararAdoz* G) { G->BeginUpdate(); }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    g->SetLook(glOffice2007);
    g->SetFlat(false);
    g->SetBorderStyle(bsSingle);
    g->SetBorderColor(kBorder);
    ASSERT_EQ(At(1, g->Height() / 2), kBorder);
    k.set(g);
    EXPECT_NE(At(1, g->Height() / 2), kBorder);
    EXPECT_NE(At(0, g->Height() / 2), kBorder);
    while (g->LockUpdate()) g->EndUpdate();
  }
}

TEST_F(BorderFixture, WithoutFittedCellsTheOutlineIsTheOuterEdgeOnThemedPlatformsOnly) {
  for (bool themed : {true, false}) {
    SCOPED_TRACE(themed);
    TearDown();
    SetGridPlatformFacts(true, true, true, themed ? 0x0006000A : 0x00050050);
    SetUp();
    g->SetLook(glWin7);
    g->SetFlat(false);
    g->SetBorderColor(kBorder);
    g->SetFitCellsInGrid(false);
    EXPECT_EQ(At(0, g->Height() / 2) == kBorder, themed);
    EXPECT_EQ(At(g->Width() / 2, g->Height() - 1) == kBorder, themed);
    EXPECT_NE(At(1, g->Height() / 2), kBorder);
  }
}

// ---------------------------------------------------------------------------
// The focus frame

struct FrameFixture : GridEditFixture {
  void SetUp() override {
    GridEditFixture::SetUp();
    g->FocusHelper()->SetEnabled(true);
  }
  void TearDown() override {
    GridEditFixture::TearDown();
    SetFocusFrameGrid(nullptr);
  }
  void Edit(int c, int r) {
    Goto(c, r);
    PressKey(VK_F2);
  }
  bool FrameShown() { return g->FocusWindow() != nullptr && g->FocusWindow()->Visible(); }
  // Where the frame belongs: the cell's screen rectangle, 4 out on the top
  // and left, 5 on the right and bottom (the cell's grid line).
  TRect Expected(int c, int r) {
    const TRect cell = g->CellRect(c, r);
    const TPoint p = g->ClientToScreen(TPoint(cell.Left, cell.Top));
    return TRect(p.X - 4, p.Y - 4, p.X + cell.Width() + 5, p.Y + cell.Height() + 5);
  }
};

TEST_F(FrameFixture, OpeningAnEditorShowsTheFrameAroundTheCell) {
  Edit(2, 3);
  ASSERT_TRUE(EditorShown());
  ASSERT_TRUE(FrameShown());
  EXPECT_EQ(FocusFrameGrid(), g);
  TGridFocusWindow* f = g->FocusWindow();
  EXPECT_EQ(f->BoundsRect(), Expected(2, 3));
  EXPECT_EQ(f->Parent(), nullptr);
  EXPECT_TRUE(f->WindowExStyle() & WS_EX_NOACTIVATE);
  EXPECT_TRUE(f->WindowExStyle() & WS_EX_TOPMOST);
  EXPECT_EQ(f->Opacity(), 230);
  // The shape: the whole window with the cell cut out, 4 pixels in.
  const TRect cell = g->CellRect(2, 3);
  const int w = f->Width(), h = f->Height();
  const std::vector<TPoint> region = {{0, 0},
                                      {w, 0},
                                      {w, h},
                                      {0, h},
                                      {0, 0},
                                      {4, 4},
                                      {4, 4 + cell.Height()},
                                      {4 + cell.Width(), 4 + cell.Height()},
                                      {4 + cell.Width(), 4},
                                      {4, 4}};
  EXPECT_EQ(f->Region(), region);
  // The picture glows light blue on the cell's edge and fades out at the
  // window's.
  TBitmap* pic = f->Picture();
  ASSERT_NE(pic, nullptr);
  const TPixelData& px = pic->PixelData();
  ASSERT_EQ(px.BytesPerPixel, 4);
  const uint8_t* edge = px.Row(h / 2) + 4 * 4;
  const uint8_t* outside = px.Row(h / 2);
  EXPECT_GT(edge[3], 100);
  EXPECT_LT(outside[3], edge[3]);
  // Light blue (red 151, green 211, blue 253), drawn by its alpha.
  EXPECT_NEAR(edge[0], 253, 3);
  EXPECT_NEAR(edge[1], 211, 3);
  EXPECT_NEAR(edge[2], 151, 3);
  // The editor keeps the focus.
  EXPECT_TRUE(Editor()->Focused());
}

TEST_F(FrameFixture, TheFrameGoesWhenTheEditEnds) {
  for (WORD key : {VK_RETURN, VK_ESCAPE}) {
    SCOPED_TRACE(key);
    Edit(2, 3);
    ASSERT_TRUE(FrameShown());
    PressKey(key);
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(FrameShown());
    EXPECT_EQ(FocusFrameGrid(), nullptr);
  }
  // Moving to another cell ends the edit too.
  Edit(2, 3);
  ASSERT_TRUE(FrameShown());
  ClickCell(3, 5);
  EXPECT_FALSE(FrameShown());
  // The form closing with an edit open takes the frame off the screen.
  Edit(2, 3);
  ASSERT_TRUE(FrameShown());
  form->Hide();
  Pump();
  EXPECT_FALSE(FrameShown());
  EXPECT_EQ(FocusFrameGrid(), nullptr);
}

TEST_F(FrameFixture, TheFrameFollowsTheCellWhenWindowsMove) {
  Edit(2, 3);
  ASSERT_TRUE(FrameShown());
  form->SetBounds(form->Left() + 30, form->Top() + 20, form->Width(), form->Height());
  Pump();
  EXPECT_EQ(g->FocusWindow()->BoundsRect(), Expected(2, 3));
  // A wider column: the frame takes the new size.
  g->SetColWidths(2, g->ColWidths(2) + 25);
  other->SetBounds(other->Left() + 1, other->Top(), other->Width(), other->Height());
  EXPECT_EQ(g->FocusWindow()->BoundsRect(), Expected(2, 3));
  EXPECT_EQ(g->FocusWindow()->Region()[1].X, g->FocusWindow()->Width());
}

TEST_F(FrameFixture, WithoutTheFocusHelperNoFrame) {
  g->FocusHelper()->SetEnabled(false);
  Edit(2, 3);
  ASSERT_TRUE(EditorShown());
  EXPECT_FALSE(FrameShown());
  EXPECT_EQ(FocusFrameGrid(), nullptr);
}

TEST_F(FrameFixture, OneGridAtATimeShowsAFrame) {
  auto* second = new TDedAdararAdoz(form);
  second->SetParent(form);
  second->SetBounds(0, 262, 420, 30);
  second->SetRowCount(2);
  second->SetOptions(second->Options() << goEditing);
  second->FocusHelper()->SetEnabled(true);
  Edit(2, 3);
  ASSERT_TRUE(FrameShown());
  second->SetFocus();
  second->SetCol(1);
  second->SetRow(1);
  PressKey(VK_F2);
  ASSERT_NE(second->FocusWindow(), nullptr);
  EXPECT_TRUE(second->FocusWindow()->Visible());
  EXPECT_EQ(FocusFrameGrid(), second);
  EXPECT_FALSE(FrameShown());
}

}  // namespace
