// The grid's balloon tool tips: the text the grid answers for a cell, the
// title, icon and colours it gives the tip, the one tip window per grid,
// and the tip following the mouse from cell to cell.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "framework/backend/qt/QtTestProbe.h"
#include "framework/controls/Forms.h"
#include "framework/controls/ToolTips.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"
#include "tests/support/Input.h"

namespace {

using namespace testinput;

struct BalloonFixture : ::testing::Test {
  TForm* form = nullptr;
  TDedAdararAdoz* g = nullptr;
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(50, 50, 500, 300);
    g = new TDedAdararAdoz(form);
    g->SetParent(form);
    g->SetBounds(0, 0, 400, 200);
    g->SetColCount(4);
    g->SetRowCount(5);
    ShowForm(form);
    g->Balloon()->SetEnable(true);
  }
  void TearDown() override { delete form; }
  TPoint Middle(int ACol, int ARow) {
    const TRect r = g->CellRect(ACol, ARow);
    return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  // The grid's answer to the tip's request over a cell, as its notification.
  std::string Ask(int ACol, int ARow) {
    NMTTDISPINFO info;
    info.hdr.code = TTN_GETDISPINFO;
    info.Point = Middle(ACol, ARow);
    g->Perform(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return info.Text;
  }
  TBalloonToolTip* Tip() { return g->BalloonTip(); }
  int TipWindows() {
    int n = 0;
    for (int i = 0; i < g->ComponentCount(); ++i)
      n += dynamic_cast<TBalloonToolTip*>(g->Components(i)) != nullptr;
    return n;
  }
};

TEST_F(BalloonFixture, TheTextOfACellAsTheBalloonShowsIt) {
  g->SetEnableHTML(true);
  struct Case {
    const char* name;
    std::string cell;
    std::string shown;
  };
  const std::string x3000(3000, 'x');
  std::string u3000;
  for (int i = 0; i < 3000; ++i) u3000 += "\xC3\xBC";  // ü
  const std::vector<Case> cases = {
      {"plain", "Pump 3", "Pump 3"},
      {"3000 characters", x3000, std::string(2045, 'x') + "..."},
      {"counted in characters", u3000, Utf8Copy(u3000, 0, 2045) + "..."},
      {"2048 characters stay whole", std::string(2048, 'y'), std::string(2048, 'y')},
      {"leading tabs and line breaks", "\t\r\n\tLine\tone\r\nLine two", "Line one\r\nLine two"},
      {"markup", "<b>Bold</b> and <i>plain</i>", "Bold and plain"},
      {"rich text", "{\\rtf1\\ansi Rich words}", "Rich words"},
      {"wide text", EncodeWideCellText("Grüße €"), "Grüße €"},
      {"non-ASCII", "Grüße €", "Grüße €"},
  };
  for (const Case& c : cases) {
    g->SetCells(1, 1, c.cell);
    EXPECT_EQ(Ask(1, 1), c.shown) << c.name;
    EXPECT_EQ(Tip()->Title(), " ") << c.name;
    EXPECT_EQ(Tip()->Icon(), ttiInfo) << c.name;
  }
  EXPECT_EQ(Ask(2, 3), "") << "an empty cell has no balloon";
}

TEST_F(BalloonFixture, MergedCellsHiddenColumnsAndBalloonsDisabled) {
  g->SetCells(1, 1, "base");
  g->MergeCells(1, 1, 2, 2);
  EXPECT_EQ(Ask(2, 2), "base") << "the base cell of the block";
  g->SetCells(3, 4, "third");
  g->HideColumn(2);
  EXPECT_EQ(Ask(2, 4), "third") << "display column 2 is real column 3";
  g->UnHideColumn(2);
  g->Balloon()->SetEnable(false);
  EXPECT_EQ(Ask(1, 1), "") << "no balloons, no answer";
}

TEST_F(BalloonFixture, CellBalloonDataAndTheEventChangeTitleTextAndIcon) {
  g->SetCells(1, 1, "cell text");
  g->AddBalloon(1, 1, "Address", "Modbus register", biWarning);
  EXPECT_EQ(Ask(1, 1), "Modbus register");
  EXPECT_EQ(Tip()->Title(), "Address");
  EXPECT_EQ(Tip()->Icon(), ttiWarning);

  std::vector<std::string> seen;
  g->OnCellBalloon = [&](TObject* Sender, int ACol, int ARow, std::string& ATitle, std::string& AText,
                         TBalloonIcon& AIcon) {
    EXPECT_EQ(Sender, g);
    seen.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + " " + ATitle + "|" + AText);
    if (ARow == 2) {
      ATitle = std::string(150, 'T');
      AText = "from the event";
      AIcon = biError;
    }
  };
  EXPECT_EQ(Ask(1, 1), "Modbus register");
  g->SetCells(3, 2, "row two");
  g->HideColumn(0);
  EXPECT_EQ(Ask(2, 2), "from the event");
  EXPECT_EQ(Tip()->Title(), std::string(97, 'T') + "...");
  EXPECT_EQ(Tip()->Icon(), ttiError);
  EXPECT_EQ(seen, (std::vector<std::string>{"1,1 Address|Modbus register", "3,2  |row two"}))
      << "the event names the real column";
}

TEST_F(BalloonFixture, AnEventsLongTextIsCutToo) {
  g->OnCellBalloon = [](TObject*, int, int, std::string&, std::string& AText, TBalloonIcon&) {
    AText = std::string(5000, 'e');
  };
  g->SetCells(1, 1, "short");
  EXPECT_EQ(Ask(1, 1), std::string(2045, 'e') + "...");
}

TEST_F(BalloonFixture, TheTipTakesTheSettingsWidthAndColours) {
  g->SetCells(1, 1, "x");
  Ask(1, 1);
  EXPECT_EQ(Tip()->MaxTipWidth(), 300);
  EXPECT_EQ(Tip()->TipTextColor(), clNone) << "clNone leaves the system's colours";
  EXPECT_EQ(Tip()->TipBkColor(), clNone);
  g->Balloon()->SetTextColor(clNavy);
  g->Balloon()->SetBackgroundColor(clYellow);
  Ask(1, 1);
  EXPECT_EQ(Tip()->TextColorUsed(), clNavy);
  EXPECT_EQ(Tip()->BkColorUsed(), clYellow);
}

TEST_F(BalloonFixture, OneTipWindowPerGridWithTheDelaysAndTransparency) {
  EXPECT_EQ(TipWindows(), 1);
  g->Balloon()->SetEnable(false);
  EXPECT_EQ(TipWindows(), 0);
  EXPECT_EQ(Tip(), nullptr);
  g->Balloon()->SetInitialDelay(250);
  g->Balloon()->SetReshowDelay(40);
  g->Balloon()->SetTransparency(64);
  g->Balloon()->SetEnable(true);
  g->Balloon()->SetEnable(true);
  EXPECT_EQ(TipWindows(), 1) << "turned on twice";
  EXPECT_EQ(Tip()->InitialTime(), 250);
  EXPECT_EQ(Tip()->ReshowTime(), 40);
  EXPECT_EQ(Tip()->AutoHideDelay(), -1) << "the system's default";
  EXPECT_GT(Tip()->AutoHideTime(), 0);
  g->SetCells(1, 1, "see through");
  ASSERT_TRUE(Tip()->Popup(Middle(1, 1)));
  TQtWindowFacts facts;
  ASSERT_TRUE(QtWindowFacts(Tip()->Handle(), facts));
  EXPECT_EQ(facts.Alpha, 191);
  EXPECT_TRUE(facts.Visible);
}

TEST_F(BalloonFixture, MovingToAnotherCellAsksForThatCellsText) {
  g->SetCells(1, 1, "first");
  g->SetCells(2, 1, "second");
  g->Balloon()->SetInitialDelay(1);
  g->Balloon()->SetReshowDelay(1);
  g->Balloon()->SetEnable(false);
  g->Balloon()->SetEnable(true);
  Tip()->SetAutoHideDelay(0);
  auto waitShown = [&] {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!Tip()->Shown() && std::chrono::steady_clock::now() < end) Pump();
    return Tip()->Shown();
  };
  MouseMove(g, Middle(1, 1).X, Middle(1, 1).Y);
  ASSERT_TRUE(waitShown());
  EXPECT_EQ(Tip()->Text(), "first");
  // Within the cell the balloon stays.
  MouseMove(g, Middle(1, 1).X + 3, Middle(1, 1).Y);
  EXPECT_TRUE(Tip()->Shown());
  // The next cell's move takes it down and asks again.
  MouseMove(g, Middle(2, 1).X, Middle(2, 1).Y);
  EXPECT_FALSE(Tip()->Shown());
  ASSERT_TRUE(waitShown());
  EXPECT_EQ(Tip()->Text(), "second");
  // A key or a click takes it down.
  PressKey(VK_DOWN);
  EXPECT_FALSE(Tip()->Shown());
}

TEST_F(BalloonFixture, BalloonsTurnedOffAndOnWhileTheMouseMovesStillShow) {
  // As the grid drop-down does on the first move over its grid.
  g->SetCells(1, 1, "again");
  g->Balloon()->SetInitialDelay(1);
  g->Balloon()->SetAutoHideDelay(0);
  int toggles = 0;
  g->OnMouseMove = [&](TObject*, TShiftState, int, int) {
    if (toggles++ > 1) return;
    g->Balloon()->SetEnable(false);
    g->Balloon()->SetEnable(true);
  };
  for (int i = 0; i < 3; ++i) MouseMove(g, Middle(1, 1).X + i, Middle(1, 1).Y);
  EXPECT_EQ(TipWindows(), 1);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  while (!Tip()->Shown() && std::chrono::steady_clock::now() < end) Pump();
  EXPECT_TRUE(Tip()->Shown());
  EXPECT_EQ(Tip()->Text(), "again");
}

}  // namespace
