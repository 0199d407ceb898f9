// Align and Anchors: the platform's layout rules when the parent changes size.
#include <gtest/gtest.h>

#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Forms.h"
#include "framework/controls/StdCtrls.h"

namespace {

TEST(Layout, AlignedPanelsShareTheClientAreaInOrder) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 400, 300);
  auto* top = new TPanel(&form);
  top->SetParent(&form);
  top->SetHeight(30);
  top->SetAlign(alTop);
  auto* bottom = new TPanel(&form);
  bottom->SetParent(&form);
  bottom->SetHeight(40);
  bottom->SetAlign(alBottom);
  auto* left = new TPanel(&form);
  left->SetParent(&form);
  left->SetWidth(50);
  left->SetAlign(alLeft);
  auto* client = new TPanel(&form);
  client->SetParent(&form);
  client->SetAlign(alClient);
  auto* top2 = new TPanel(&form);
  top2->SetParent(&form);
  top2->SetBounds(0, 100, 10, 20);
  top2->SetAlign(alTop);  // below the first top panel (larger Top)
  EXPECT_EQ(top->BoundsRect(), TRect(0, 0, 400, 30));
  EXPECT_EQ(top2->BoundsRect(), TRect(0, 30, 400, 50));
  EXPECT_EQ(bottom->BoundsRect(), TRect(0, 260, 400, 300));
  EXPECT_EQ(left->BoundsRect(), TRect(0, 50, 50, 260));
  EXPECT_EQ(client->BoundsRect(), TRect(50, 50, 400, 260));
  form.SetBounds(0, 0, 500, 350);
  EXPECT_EQ(bottom->BoundsRect(), TRect(0, 310, 500, 350));
  EXPECT_EQ(client->BoundsRect(), TRect(50, 50, 500, 310));
  // Hidden controls take no room.
  top2->SetVisible(false);
  EXPECT_EQ(client->BoundsRect(), TRect(50, 30, 500, 310));
}

TEST(Layout, AnchorsKeepDistancesToTheParentEdges) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(0, 0, 400, 300);
  auto* br = new TPanel(&form);
  br->SetParent(&form);
  br->SetBounds(300, 250, 80, 30);
  br->SetAnchors(TAnchors{akRight, akBottom});
  auto* stretch = new TPanel(&form);
  stretch->SetParent(&form);
  stretch->SetBounds(10, 10, 380, 100);
  stretch->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
  auto* centre = new TPanel(&form);
  centre->SetParent(&form);
  centre->SetBounds(180, 140, 40, 20);
  centre->SetAnchors(TAnchors{});
  auto* plain = new TPanel(&form);
  plain->SetParent(&form);
  plain->SetBounds(5, 200, 20, 20);
  form.SetBounds(0, 0, 500, 400);
  EXPECT_EQ(br->BoundsRect(), TRect(400, 350, 480, 380));
  EXPECT_EQ(stretch->BoundsRect(), TRect(10, 10, 490, 210));
  EXPECT_EQ(centre->BoundsRect(), TRect(230, 190, 270, 210));
  EXPECT_EQ(plain->BoundsRect(), TRect(5, 200, 25, 220));
}

TEST(Layout, PanelBevelsAndBorderWidthShrinkTheAlignedArea) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(0, 0, 200, 100);
  panel->SetBevelInner(bvLowered);
  panel->SetBorderWidth(3);
  auto* inner = new TPanel(&form);
  inner->SetParent(panel);
  inner->SetAlign(alClient);
  // Outer and inner bevel of 1 each, plus the border width.
  EXPECT_EQ(inner->BoundsRect(), TRect(5, 5, 195, 95));
}

TEST(Layout, FormClientSizeExcludesItsFrame) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSingle);
  form.SetClientWidth(300);
  form.SetClientHeight(200);
  EXPECT_EQ(form.ClientWidth(), 300);
  EXPECT_EQ(form.ClientHeight(), 200);
  EXPECT_GT(form.Width(), 300);
  EXPECT_GT(form.Height(), 200);
  form.SetBorderStyle(bsNone);
  EXPECT_EQ(form.ClientWidth(), 300);
  EXPECT_EQ(form.Width(), 300);
}

TEST(Layout, ConstraintsLimitTheSize) {
  TForm form(nullptr);
  auto* p = new TPanel(&form);
  p->SetParent(&form);
  p->Constraints()->SetMinWidth(50);
  p->Constraints()->SetMaxHeight(60);
  p->SetBounds(0, 0, 10, 100);
  EXPECT_EQ(p->Width(), 50);
  EXPECT_EQ(p->Height(), 60);
}

}  // namespace
