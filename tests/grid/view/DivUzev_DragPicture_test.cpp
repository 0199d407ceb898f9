// The picture of a cell area shown while it is dragged: its size, its dark
// edge where the area starts in the fixed column, and a form that stays
// hidden, translucent and never takes activation.
#include <gtest/gtest.h>

#include <memory>

#include "GridEditFixture.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Image.h"

namespace {

struct DragPictureFixture : GridEditFixture {};

TEST_F(DragPictureFixture, ThePictureCoversTheAreaAndIsHandedBackHidden) {
  g->SetGridFixedLineColor(clBlack);
  const TRect a = g->CellRect(1, 1), b = g->CellRect(2, 3);
  std::unique_ptr<TCustomForm> form(g->SelectionToForm(TRect(1, 1, 2, 3)));
  ASSERT_NE(form, nullptr);
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(form->Width(), b.Right - a.Left + 1);
  EXPECT_EQ(form->Height(), b.Bottom - a.Top + 1);
  EXPECT_TRUE(form->AlphaBlend());
  EXPECT_EQ(form->AlphaBlendValue(), 192);
  EXPECT_EQ(form->FormStyle(), fsStayOnTop);
  // Corners given the other way round make the same picture.
  std::unique_ptr<TCustomForm> swapped(g->SelectionToForm(TRect(2, 3, 1, 1)));
  EXPECT_EQ(swapped->Width(), form->Width());
  EXPECT_EQ(swapped->Height(), form->Height());
}

TEST_F(DragPictureFixture, AnAreaStartingInTheFixedColumnKeepsItsDarkEdge) {
  g->SetGridFixedLineColor(clRed);
  g->SetOptions(g->Options() << goFixedHorzLine << goFixedVertLine);
  std::unique_ptr<TCustomForm> form(g->SelectionToForm(TRect(0, 2, 1, 3)));
  auto* image = dynamic_cast<TImage*>(form->Controls(0));
  ASSERT_NE(image, nullptr);
  TBitmap* pic = image->Picture()->Bitmap();
  EXPECT_EQ(pic->Canvas()->Pixels(0, pic->Height() / 2), clRed);
}

}  // namespace
