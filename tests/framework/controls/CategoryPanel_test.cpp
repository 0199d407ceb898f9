// The category panel group: stacking, collapsing, scrolling and the
// controls on the panels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/CategoryPanel.h"
#include "framework/controls/StdCtrls.h"
#include "framework/graphics/ImgList.h"
#include "support/Input.h"

namespace {

using namespace testinput;

// Three panels of 206, 123 and 67 pixels, as a parameter form stacks them.
struct GroupFixture : ::testing::Test {
  TForm* form = nullptr;
  TCategoryPanelGroup* group = nullptr;
  TCategoryPanel* panel[3] = {};
  TEdit* edit[3] = {};
  std::vector<std::string> log;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 460, 400);
    group = new TCategoryPanelGroup(form);
    group->SetParent(form);
    group->SetBounds(0, 0, 440, 300);
    const int heights[] = {206, 123, 67};
    int top = 0;
    for (int i = 0; i < 3; ++i) {
      panel[i] = new TCategoryPanel(form);
      panel[i]->SetParent(group);
      panel[i]->SetTop(top);
      panel[i]->SetHeight(heights[i]);
      panel[i]->SetCaption(std::to_string(i + 1) + ". Panel");
      panel[i]->SetTabOrder(i);
      top += heights[i];
      edit[i] = new TEdit(form);
      edit[i]->SetParent(panel[i]);
      edit[i]->SetBounds(191, 9, 55, 21);
      panel[i]->OnCollapse = [this, i](TObject*) { log.push_back("collapse " + std::to_string(i)); };
      panel[i]->OnExpand = [this, i](TObject*) { log.push_back("expand " + std::to_string(i)); };
    }
    ShowForm(form);
  }
  void TearDown() override { delete form; }
  std::vector<int> Tops() {
    std::vector<int> t;
    for (auto* p : panel) t.push_back(p->Top());
    return t;
  }
};

TEST_F(GroupFixture, PanelsStackAndControlsLiveUnderTheHeader) {
  EXPECT_EQ(Tops(), (std::vector<int>{0, 206, 329}));
  EXPECT_EQ(group->PanelCount(), 3);
  EXPECT_EQ(panel[0]->Width(), group->ClientWidth());
  // The edit was put on the panel's body: its top counts from the header.
  EXPECT_EQ(edit[0]->Parent(), panel[0]->Surface());
  EXPECT_EQ(panel[0]->Surface()->Top(), 24);
  EXPECT_EQ(edit[0]->ClientToParent(TPoint(), group).Y, 24 + 9);
  // A taller panel pushes the ones below it.
  panel[0]->SetHeight(150);
  EXPECT_EQ(Tops(), (std::vector<int>{0, 150, 273}));
}

TEST_F(GroupFixture, CollapseAndExpandRestackTheTopsAndTheRange) {
  EXPECT_EQ(group->VertScrollBar()->Range(), 396);
  EXPECT_TRUE(group->VertBarShown());
  panel[0]->SetCollapsed(true);
  EXPECT_EQ(panel[0]->Height(), 24);
  EXPECT_EQ(Tops(), (std::vector<int>{0, 24, 147}));
  EXPECT_EQ(group->VertScrollBar()->Range(), 214);
  EXPECT_FALSE(group->VertBarShown());
  // A height given while collapsed waits for the expansion.
  panel[0]->SetHeight(180);
  EXPECT_EQ(panel[0]->Height(), 24);
  EXPECT_EQ(panel[0]->ExpandedHeight(), 180);
  // A click on the header expands it again.
  Click(panel[0], 30, 10);
  EXPECT_FALSE(panel[0]->Collapsed());
  EXPECT_EQ(panel[0]->Height(), 180);
  EXPECT_EQ(Tops(), (std::vector<int>{0, 180, 303}));
  // A click on the body does nothing.
  Click(panel[1], 30, 60);
  EXPECT_FALSE(panel[1]->Collapsed());
  EXPECT_EQ(log, (std::vector<std::string>{"collapse 0", "expand 0"}));
}

TEST_F(GroupFixture, CollapsedPanelsControlsLeaveTheTabOrder) {
  edit[0]->SetFocus();
  PressKey(VK_TAB);
  EXPECT_TRUE(edit[1]->Focused());
  panel[1]->Collapse();
  EXPECT_FALSE(edit[1]->CanFocus());
  EXPECT_FALSE(edit[1]->Focused());
  edit[0]->SetFocus();
  PressKey(VK_TAB);
  EXPECT_TRUE(edit[2]->Focused());
}

TEST_F(GroupFixture, LineStepsScrollEightPixelsAndTheThumbTracks) {
  int range = group->VertScrollBar()->Range();
  int view = group->ClientHeight();
  group->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  group->Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
  EXPECT_EQ(group->VertScrollBar()->Position(), 8);
  EXPECT_EQ(Tops(), (std::vector<int>{-8, 198, 321}));
  group->Perform(WM_VSCROLL, SB_LINEUP, 0);
  group->Perform(WM_VSCROLL, SB_LINEUP, 0);
  EXPECT_EQ(group->VertScrollBar()->Position(), 0);
  // Dragging the thumb moves the view while the mouse moves.
  TRect bar = group->VertBarRect();
  TScrollInfo si;
  si.fMask = SIF_ALL;
  group->GetScrollInfo(SB_VERT, si);
  TScrollBarLayout l = LayoutScrollBar(bar, sbVertical, si, true);
  ASSERT_FALSE(IsRectEmpty(l.Thumb));
  int x = bar.Left + 5, y = l.Thumb.Top + 2;
  MouseDown(group, x, y);
  MouseMove(group, x, y + 1000);
  EXPECT_EQ(group->VertScrollBar()->Position(), range - view);
  EXPECT_EQ(panel[2]->Top() + panel[2]->Height(), view);
  MouseUp(group, x, y + 1000);
  // A thumb message carries its own position.
  group->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 40), 0);
  EXPECT_EQ(group->VertScrollBar()->Position(), 40);
  // Collapsing at the bottom pulls the view back within the smaller range.
  group->CollapseAll();
  EXPECT_EQ(group->VertScrollBar()->Position(), 0);
  EXPECT_EQ(Tops(), (std::vector<int>{0, 24, 48}));
}

TEST_F(GroupFixture, HiddenPanelsTakeNoRoomAndHeaderHeightFollowsTheGroup) {
  panel[1]->SetVisible(false);
  EXPECT_EQ(panel[2]->Top(), 206);
  panel[1]->SetVisible(true);
  panel[2]->Collapse();
  group->SetHeaderHeight(30);
  EXPECT_EQ(panel[2]->Height(), 30);
  EXPECT_EQ(panel[0]->Surface()->Top(), 30);
}

TEST_F(GroupFixture, HeadersShowTheGlyphOfTheirState) {
  auto* images = new TImageList(form, 16, 16);
  for (TColor c : {clRed, clBlue}) {
    TBitmap b(16, 16);
    b.Canvas()->FillSolidRect(TRect(0, 0, 16, 16), c);
    images->Add(&b, nullptr);
  }
  group->SetImages(images);
  panel[0]->SetExpandedImageIndex(0);
  panel[0]->SetCollapsedImageIndex(1);
  auto glyphPixel = [&] {
    auto bmp = panel[0]->GrabToBitmap();
    return bmp->Canvas()->Pixels(panel[0]->Width() - 6 - 8, 12);
  };
  EXPECT_EQ(glyphPixel(), clRed);
  panel[0]->Collapse();
  EXPECT_EQ(panel[0]->CurrentImageIndex(), 1);
  EXPECT_EQ(glyphPixel(), clBlue);
  // The image list going away leaves the chevron.
  delete images;
  EXPECT_EQ(group->Images(), nullptr);
  EXPECT_NE(glyphPixel(), clBlue);
}

}  // namespace

namespace {

// A scroll bar that comes or goes while the panels are laid out narrows or
// widens the view; the panels follow it at once, both ways.
TEST_F(GroupFixture, PanelsFollowTheViewWhenTheScrollBarComesAndGoes) {
  auto widths = [this] {
    std::vector<int> w;
    for (auto* p : panel) w.push_back(p->Width());
    return w;
  };
  for (int height : {600, 200, 600, 150, 700}) {
    SCOPED_TRACE(height);
    group->SetHeight(height);
    Pump();
    EXPECT_EQ(group->VertBarShown(), height < 396);
    const int view = group->ClientWidth();
    EXPECT_EQ(view, group->VertBarShown() ? 440 - ScrollBarSize() : 440);
    EXPECT_EQ(widths(), std::vector<int>(3, view));
  }
}

}  // namespace
