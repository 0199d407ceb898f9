// The scroll bar control and the scroll box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/ScrollBars.h"
#include "framework/controls/StdCtrls.h"
#include "support/Input.h"

namespace {

using namespace testinput;

TEST(ScrollBar, PositionStaysWithinTheShownRange) {
  TForm form(nullptr);
  auto* bar = new TScrollBar(&form);
  bar->SetParent(&form);
  struct Case {
    int Min, Max, Page, Set, Expected;
  };
  const Case cases[] = {
      {0, 100, 0, 50, 50},  {0, 100, 0, -5, 0}, {0, 100, 0, 500, 100},  {0, 100, 10, 100, 91},
      {0, 100, 10, 91, 91}, {10, 20, 0, 0, 10}, {-50, 50, 0, -60, -50}, {0, 0, 0, 7, 0},
      {0, 100, 101, 50, 0}, {5, 5, 1, 9, 5},
  };
  for (const Case& c : cases) {
    bar->SetPageSize(0);
    bar->SetParams(0, c.Min, c.Max);
    bar->SetPageSize(c.Page);
    bar->SetPosition(c.Set);
    EXPECT_EQ(bar->Position(), c.Expected)
        << c.Min << ".." << c.Max << " page " << c.Page << " set " << c.Set;
  }
  // A range that cannot hold the page or that runs backwards is refused.
  bar->SetPageSize(0);
  bar->SetParams(0, 0, 100);
  EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
  EXPECT_THROW(bar->SetPageSize(102), EInvalidOperation);
  EXPECT_EQ(bar->Max(), 100);
}

TEST(ScrollBar, ScrollCodesKeysAndTheMouseMoveIt) {
  ResetKeyboardState();
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 100);
  auto* bar = new TScrollBar(&form);
  bar->SetParent(&form);
  bar->SetBounds(10, 10, 200, 17);
  bar->SetSmallChange(2);
  bar->SetLargeChange(20);
  std::vector<std::string> log;
  bar->OnScroll = [&](TObject*, TScrollCode code, int& pos) {
    log.push_back(std::to_string(code) + ":" + std::to_string(pos));
    if (code == scLineDown && pos > 50) pos = 50;  // the handler may change where it goes
  };
  int changes = 0;
  bar->OnChange = [&](TObject*) { ++changes; };
  ShowForm(&form);

  bar->Perform(WM_HSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(bar->Position(), 20);
  bar->Perform(WM_HSCROLL, MakeWParam(SB_THUMBPOSITION, 49), 0);
  bar->Perform(WM_HSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(bar->Position(), 50);
  bar->Perform(WM_HSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(bar->Position(), 50);
  EXPECT_EQ(log, (std::vector<std::string>{"3:20", "4:49", "1:51", "1:52"}));
  EXPECT_EQ(changes, 3);
  // Keys and the arrow buttons.
  bar->SetFocus();
  PressKey(VK_HOME);
  EXPECT_EQ(bar->Position(), 0);
  PressKey(VK_RIGHT);
  EXPECT_EQ(bar->Position(), 2);
  Click(bar, bar->Width() - 3, 8);
  EXPECT_EQ(bar->Position(), 4);
  Click(bar, 3, 8);
  EXPECT_EQ(bar->Position(), 2);
  EXPECT_EQ(bar->Perform(SBM_GETPOS, 0, 0), 2);
}

TEST(ScrollBar, DraggingTheThumbTracks) {
  ResetKeyboardState();
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 300);
  auto* bar = new TScrollBar(&form);
  bar->SetParent(&form);
  bar->SetKind(sbVertical);
  EXPECT_EQ(bar->Width(), ScrollBarSize());
  bar->SetBounds(10, 10, 17, 217);
  std::vector<TScrollCode> codes;
  bar->OnScroll = [&](TObject*, TScrollCode code, int&) { codes.push_back(code); };
  ShowForm(&form);
  TScrollInfo si;
  si.nMin = 0;
  si.nMax = 100;
  si.nPos = 0;
  TScrollBarLayout l = LayoutScrollBar(bar->ClientRect(), sbVertical, si, true);
  int x = 8, y = l.Thumb.Top + 2;
  MouseDown(bar, x, y);
  MouseMove(bar, x, y + (l.Track.Height() - l.Thumb.Height()) / 2);
  EXPECT_NEAR(bar->Position(), 50, 1);
  MouseMove(bar, x, y + 1000);
  EXPECT_EQ(bar->Position(), 100);
  MouseUp(bar, x, y + 1000);
  ASSERT_GE(codes.size(), 3u);
  EXPECT_EQ(codes.front(), scTrack);
  EXPECT_EQ(codes[codes.size() - 2], scPosition);
  EXPECT_EQ(codes.back(), scEndScroll);
}

TEST(ScrollBox, RangeFollowsTheChildrenAndScrollingMovesThem) {
  ResetKeyboardState();
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 400);
  auto* box = new TScrollBox(&form);
  box->SetParent(&form);
  box->SetBounds(0, 0, 200, 150);
  auto* top = new TEdit(&form);
  top->SetParent(box);
  top->SetBounds(5, 5, 100, 21);
  auto* far = new TEdit(&form);
  far->SetParent(box);
  far->SetBounds(5, 400, 100, 21);
  ShowForm(&form);

  EXPECT_TRUE(box->VertBarShown());
  EXPECT_FALSE(box->HorzBarShown());
  EXPECT_EQ(box->VertScrollBar()->Range(), 421);
  EXPECT_EQ(box->VertScrollBar()->ScrollMax(), 421 - box->ClientHeight());
  box->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(box->VertScrollBar()->Position(), 8);
  EXPECT_EQ(top->Top(), -3);
  // Without tracking only the thumb's release moves the view.
  box->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 100), 0);
  EXPECT_EQ(box->VertScrollBar()->Position(), 8);
  box->Perform(WM_VSCROLL, MakeWParam(SB_THUMBPOSITION, 100), 0);
  EXPECT_EQ(box->VertScrollBar()->Position(), 100);
  box->VertScrollBar()->SetPosition(100000);
  EXPECT_EQ(box->VertScrollBar()->Position(), box->VertScrollBar()->ScrollMax());
  EXPECT_EQ(far->Top() + far->Height(), box->ClientHeight());
  // The range stays the content's, wherever the view is.
  EXPECT_EQ(box->VertScrollBar()->Range(), 421);
  // A child that takes the focus comes into view.
  far->SetFocus();
  top->SetFocus();
  EXPECT_EQ(top->Top(), 5 - box->VertScrollBar()->Position());
  EXPECT_GE(top->Top(), 0);
  // A wide child brings the other bar.
  far->SetWidth(500);
  EXPECT_TRUE(box->HorzBarShown());
  far->SetTop(box->VertScrollBar()->Position() + 10);
  far->SetWidth(50);
  EXPECT_FALSE(box->HorzBarShown());
  EXPECT_FALSE(box->VertBarShown());
  EXPECT_EQ(box->VertScrollBar()->Position(), 0);
  EXPECT_EQ(top->Top(), 5);
}

}  // namespace
