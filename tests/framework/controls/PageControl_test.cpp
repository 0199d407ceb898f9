// The page control: pages, hidden tabs, user and code page changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/PageControl.h"
#include "framework/controls/StdCtrls.h"
#include "support/Input.h"

namespace {

using namespace testinput;

struct PageFixture : ::testing::Test {
  TForm* form = nullptr;
  TPageControl* pc = nullptr;
  TTabSheet* sheet[4] = {};
  TEdit* onSecond = nullptr;
  std::vector<std::string> log;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 400, 300);
    pc = new TPageControl(form);
    pc->SetParent(form);
    pc->SetBounds(10, 10, 380, 250);
    const char* names[] = {"Language", "Connection", "Hidden", "Tables"};
    for (int i = 0; i < 4; ++i) {
      sheet[i] = new TTabSheet(form);
      sheet[i]->SetPageControl(pc);
      sheet[i]->SetCaption(names[i]);
    }
    sheet[2]->SetTabVisible(false);
    onSecond = new TEdit(form);
    onSecond->SetParent(sheet[1]);
    pc->OnChanging = [this](TObject*, bool& allow) {
      log.push_back("changing from " + pc->ActivePage()->Caption());
      allow = pc->ActivePage() != sheet[3];
    };
    pc->OnChange = [this](TObject*) { log.push_back("change to " + pc->ActivePage()->Caption()); };
    ShowForm(form);
  }
  void TearDown() override { delete form; }
  TPoint TabCenter(TTabSheet* S) {
    TRect r = pc->TabRect(S->TabIndex());
    return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
};

TEST_F(PageFixture, FirstPageShowsAndSheetsFillTheDisplayArea) {
  EXPECT_EQ(pc->PageCount(), 4);
  EXPECT_EQ(pc->ActivePage(), sheet[0]);
  EXPECT_TRUE(sheet[0]->Visible());
  EXPECT_FALSE(sheet[1]->Visible());
  EXPECT_EQ(sheet[0]->BoundsRect(), pc->DisplayRect());
  EXPECT_EQ(sheet[2]->TabIndex(), -1);
  EXPECT_EQ(sheet[3]->TabIndex(), 2);
  EXPECT_EQ(sheet[3]->PageIndex(), 3);
}

TEST_F(PageFixture, CodeChangesFireNothing) {
  pc->SetActivePage(sheet[2]);  // a page without a tab may still be shown by code
  EXPECT_TRUE(sheet[2]->Visible());
  EXPECT_FALSE(sheet[0]->Visible());
  pc->SetActivePageIndex(1);
  EXPECT_EQ(pc->ActivePage(), sheet[1]);
  EXPECT_EQ(pc->TabIndex(), 1);
  EXPECT_TRUE(log.empty());
}

TEST_F(PageFixture, KeysAndClicksSkipHiddenTabs) {
  pc->SetFocus();
  PressKey(VK_RIGHT);
  PressKey(VK_RIGHT);
  EXPECT_EQ(pc->ActivePage(), sheet[3]);
  // The last page refuses to be left.
  PressKey(VK_RIGHT);
  EXPECT_EQ(pc->ActivePage(), sheet[3]);
  EXPECT_EQ(log, (std::vector<std::string>{"changing from Language", "change to Connection",
                                           "changing from Connection", "change to Tables",
                                           "changing from Tables"}));
  log.clear();
  pc->OnChanging = nullptr;
  TPoint p = TabCenter(sheet[0]);
  Click(pc, p.X, p.Y);
  EXPECT_EQ(pc->ActivePage(), sheet[0]);
  EXPECT_TRUE(pc->Focused());
  EXPECT_EQ(pc->TabAtPos(TPoint(p.X, pc->Height() - 5)), nullptr);
  // Ctrl+Tab from a control on a page turns to the next page with a tab.
  pc->SetActivePage(sheet[1]);
  onSecond->SetFocus();
  PressKey(VK_TAB, {ssCtrl});
  EXPECT_EQ(pc->ActivePage(), sheet[3]);
  PressKey(VK_TAB, {ssCtrl, ssShift});
  EXPECT_EQ(pc->ActivePage(), sheet[1]);
  // A tab's accelerator turns to its page; a hidden tab has none.
  sheet[3]->SetCaption("&Tables");
  sheet[2]->SetCaption("&Hidden");
  PressKey('T', {ssAlt});
  EXPECT_EQ(pc->ActivePage(), sheet[3]);
  PressKey('H', {ssAlt});
  EXPECT_EQ(pc->ActivePage(), sheet[3]);
}

TEST_F(PageFixture, HidingTheActiveTabMovesOnAndRemovingPagesKeepsOrder) {
  pc->SetActivePage(sheet[1]);
  sheet[1]->SetTabVisible(false);
  EXPECT_EQ(pc->ActivePage(), sheet[3]);
  EXPECT_FALSE(sheet[1]->Visible());
  sheet[1]->SetTabVisible(true);
  EXPECT_EQ(sheet[1]->TabIndex(), 1);
  sheet[3]->SetPageControl(nullptr);
  EXPECT_EQ(pc->PageCount(), 3);
  EXPECT_NE(pc->ActivePage(), sheet[3]);
  EXPECT_EQ(sheet[3]->Parent(), nullptr);
  // A sheet given the control as parent becomes a page.
  sheet[3]->SetParent(pc);
  EXPECT_EQ(sheet[3]->PageControl(), pc);
  EXPECT_EQ(sheet[3]->PageIndex(), 3);
  sheet[3]->SetPageIndex(0);
  EXPECT_EQ(pc->Pages(0), sheet[3]);
  delete sheet[0];
  EXPECT_EQ(pc->PageCount(), 3);
  EXPECT_TRUE(log.empty());
}

}  // namespace
