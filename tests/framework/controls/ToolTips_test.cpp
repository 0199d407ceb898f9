// The balloon tool tip: the text request to its tool, showing and hiding on
// the tool's messages, its shape, opacity and layout in a real (offscreen)
// window.
#include "framework/controls/ToolTips.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "framework/backend/qt/QtTestProbe.h"
#include "framework/controls/Forms.h"
#include "framework/rtl/StrUtils.h"
#include "tests/support/Input.h"

namespace {

using namespace testinput;

// A tool that answers the text request with a text per half of its width
// and notes every notification it hears.
class TTipTool : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::string LeftText = "left half", RightText = "right half";
  std::vector<int> Codes;
  std::vector<TPoint> Asked;
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_NOTIFY) {
      auto* hdr = reinterpret_cast<NMHDR*>(Message.LParam);
      Codes.push_back(hdr->code);
      if (hdr->code == TTN_GETDISPINFO) {
        auto* info = reinterpret_cast<NMTTDISPINFO*>(hdr);
        Asked.push_back(info->Point);
        info->Text = info->Point.X < Width() / 2 ? LeftText : RightText;
      }
      return;
    }
    TCustomControl::WndProc(Message);
  }
};

struct TipFixture : ::testing::Test {
  TForm* form = nullptr;
  TTipTool* tool = nullptr;
  TBalloonToolTip* tip = nullptr;
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(100, 100, 400, 300);
    tool = new TTipTool(form);
    tool->SetParent(form);
    tool->SetBounds(10, 10, 200, 100);
    ShowForm(form);
    tip = new TBalloonToolTip(form);
    tip->SetTool(tool);
  }
  void TearDown() override { delete form; }
  void Move(int X, int Y) { tool->Perform(WM_MOUSEMOVE, 0, MakeLParam(X, Y)); }
  // Runs the event loop until the tip's shown state is Shown (at most 3 s).
  bool WaitShown(bool Shown) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (tip->Shown() != Shown && std::chrono::steady_clock::now() < end) Pump();
    return tip->Shown() == Shown;
  }
  int Count(int Code) const {
    int n = 0;
    for (int c : tool->Codes) n += c == Code;
    return n;
  }
};

TEST_F(TipFixture, PopupAsksTheToolAtThePointAndShowsItsTextInARealWindow) {
  ASSERT_TRUE(tip->Popup(TPoint(20, 30)));
  ASSERT_EQ(tool->Asked.size(), 1u);
  EXPECT_EQ(tool->Asked[0], TPoint(20, 30));
  EXPECT_EQ(tip->Text(), "left half");
  EXPECT_TRUE(tip->Shown());
  ASSERT_TRUE(tip->HandleAllocated());
  TQtWindowFacts facts;
  ASSERT_TRUE(QtWindowFacts(tip->Handle(), facts));
  EXPECT_TRUE(facts.Visible);
  EXPECT_TRUE(facts.Shaped) << "a balloon, not a rectangle";
  EXPECT_TRUE(facts.StayOnTop);
  EXPECT_EQ(Count(TTN_SHOW), 1);
  // The stem points under the pointer's picture, from below it.
  const TPoint at = tool->ClientToScreen(TPoint(20, 30));
  EXPECT_TRUE(tip->Layout().StemUp);
  EXPECT_EQ(tip->Left() + tip->Layout().Stem.X, at.X);
  EXPECT_GT(tip->Top(), at.Y);

  tip->Pop();
  EXPECT_FALSE(tip->Shown());
  EXPECT_FALSE(QtWindowFacts(tip->Handle(), facts) && facts.Visible);
  EXPECT_EQ(Count(TTN_POP), 1);
}

TEST_F(TipFixture, AToolWithoutTextShowsNothing) {
  tool->LeftText.clear();
  EXPECT_FALSE(tip->Popup(TPoint(20, 30)));
  EXPECT_FALSE(tip->Shown());
  EXPECT_EQ(Count(TTN_SHOW), 0);
}

TEST_F(TipFixture, KeysClicksTheWheelAndLeavingHideTheTip) {
  struct Case {
    const char* name;
    UINT msg;
    WPARAM w;
  };
  const Case cases[] = {{"key", WM_KEYDOWN, VK_DOWN},
                        {"left click", WM_LBUTTONDOWN, MK_LBUTTON},
                        {"right click", WM_RBUTTONDOWN, 0},
                        {"wheel", WM_MOUSEWHEEL, MakeWParam(0, -120)},
                        {"leave", CM_MOUSELEAVE, 0}};
  for (const Case& c : cases) {
    ASSERT_TRUE(tip->Popup(TPoint(20, 30))) << c.name;
    tool->Perform(c.msg, c.w, MakeLParam(20, 30));
    EXPECT_FALSE(tip->Shown()) << c.name;
  }
  EXPECT_EQ(Count(TTN_POP), 5);
}

TEST_F(TipFixture, TheTipComesWhenTheMouseRestsAndAgainForANewPartAfterPop) {
  tip->SetInitialDelay(1);
  tip->SetReshowDelay(1);
  tip->SetAutoHideDelay(0);
  Move(20, 30);
  ASSERT_TRUE(WaitShown(true));
  EXPECT_EQ(tip->Text(), "left half");
  // Moving inside the same part keeps the tip and asks nothing.
  Move(22, 30);
  EXPECT_TRUE(tip->Shown());
  EXPECT_EQ(tool->Asked.size(), 1u);
  // The tool pops the tip when the mouse reaches another part; the next move
  // asks for that part's text.
  tip->Pop();
  Move(150, 30);
  ASSERT_TRUE(WaitShown(true));
  EXPECT_EQ(tip->Text(), "right half");
  EXPECT_EQ(tool->Asked.back(), TPoint(150, 30));
  // Gone once the mouse leaves, and no timer brings it back.
  tool->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(tip->Shown());
  for (int i = 0; i < 20; ++i) Pump();
  EXPECT_FALSE(tip->Shown());
}

TEST_F(TipFixture, TheAutoHideDelayTakesTheTipAwayUntilTheMouseLeaves) {
  tip->SetAutoHideDelay(1);
  ASSERT_TRUE(tip->Popup(TPoint(20, 30)));
  ASSERT_TRUE(WaitShown(false));
  tip->SetInitialDelay(1);
  Move(25, 30);
  for (int i = 0; i < 20; ++i) Pump();
  EXPECT_FALSE(tip->Shown()) << "quiet until the mouse leaves";
  tool->Perform(CM_MOUSELEAVE, 0, 0);
  tip->SetAutoHideDelay(0);
  Move(25, 30);
  EXPECT_TRUE(WaitShown(true));
}

TEST_F(TipFixture, OpacityTitleIconColoursAndWidth) {
  tip->SetAlpha(191);
  tip->SetTitle(7, "Pump state");
  EXPECT_EQ(tip->Icon(), ttiError) << "clamped";
  tip->SetTipTextColor(clNavy);
  EXPECT_EQ(tip->TextColorUsed(), clNavy);
  EXPECT_EQ(tip->BkColorUsed(), clInfoBk) << "clNone: the system's colour";
  tip->SetMaxTipWidth(300);
  std::string longText;
  for (int i = 0; i < 60; ++i) longText += "word ";
  tool->LeftText = longText;
  ASSERT_TRUE(tip->Popup(TPoint(20, 30)));
  TQtWindowFacts facts;
  ASSERT_TRUE(QtWindowFacts(tip->Handle(), facts));
  EXPECT_EQ(facts.Alpha, 191);
  EXPECT_LE(tip->Width(), 301);
  EXPECT_GT(tip->Layout().TextRect.Height(), 3 * tip->Canvas()->TextHeight("Ag")) << "wrapped";
  EXPECT_GT(tip->Layout().TextRect.Top, tip->Layout().TitleRect.Top) << "text under the title";
  EXPECT_GE(tip->Layout().TitleRect.Left, tip->Layout().IconRect.Right) << "title after the icon";
}

TEST_F(TipFixture, NearTheScreensBottomTheBalloonStandsAboveThePointer) {
  const TRect work = Screen->WorkAreaRect();
  tool->LeftText = "Grüße €";
  const TPoint p = tool->ScreenToClient(TPoint(work.Left + 50, work.Bottom - 3));
  ASSERT_TRUE(tip->Popup(p));
  EXPECT_FALSE(tip->Layout().StemUp);
  EXPECT_LE(tip->Top() + tip->Height(), work.Bottom);
  EXPECT_EQ(tip->Text(), "Grüße €");
}

TEST_F(TipFixture, AnotherToolOrNoneGivesTheWindowProcBack) {
  tip->SetTool(nullptr);
  // Messages reach the tool's own handling and no tip any more.
  tip->SetInitialDelay(1);
  Move(20, 30);
  for (int i = 0; i < 20; ++i) Pump();
  EXPECT_FALSE(tip->Shown());
  // A tip freed while another hook sits above it leaves a working chain.
  tip->SetTool(tool);
  int seen = 0;
  TWndMethod below = tool->WindowProc;
  tool->WindowProc = [&seen, below](TMessage& M) {
    if (M.Msg == WM_MOUSEMOVE) ++seen;
    below(M);
  };
  delete tip;
  tip = nullptr;
  Move(30, 30);
  EXPECT_EQ(seen, 1);
  tip = new TBalloonToolTip(form);
}

}  // namespace
