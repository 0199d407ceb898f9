// The pictures shown while cells, a header, a row or a column are dragged:
// the picture of a cell area (its size, its dark edge where the area starts
// in the fixed column, a form that stays hidden, translucent and never takes
// activation) and the header's face that follows a row or column moved
// within the grid, driven by mouse messages.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "GridEditFixture.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Image.h"
#include "framework/controls/WinApi.h"
#include "grid/view/DivUzevHeaderDragButton.h"

namespace {

using namespace testinput;

struct DragPictureFixture : GridEditFixture {
  void SetUp() override {
    GridEditFixture::SetUp();
    g->SetOptions(g->Options() >> goEditing << goColMoving << goRowMoving);
    for (int c = 1; c < g->ColCount(); ++c) g->SetCells(c, 0, "h" + std::to_string(c));
    for (int r = 1; r < g->RowCount(); ++r) g->SetCells(0, r, "r" + std::to_string(r));
  }
  // Where a picture held at the press point of cell Cell lies with the mouse
  // at To, on the screen.
  TPoint Held(const TRect& Cell, const TPoint& Press, const TPoint& To) {
    return g->ClientToScreen(TPoint(Cell.Left + To.X - Press.X, Cell.Top + To.Y - Press.Y));
  }
};

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

// A picture the pointer overtakes must not catch the drop: what lies under
// it is the target.
TEST_F(DragPictureFixture, ThePicturesLetThePointerThroughToTheGridUnderThem) {
  std::unique_ptr<TCustomForm> form(g->SelectionToForm(TRect(1, 1, 2, 3)));
  const TRect cell = g->CellRect(2, 2);
  const TPoint at = g->ClientToScreen(TPoint(cell.Left + 2, cell.Top + 2));
  form->SetBounds(at.X - 10, at.Y - 10, form->Width(), form->Height());
  form->Show();
  ASSERT_TRUE(form->Showing());
  EXPECT_NE(GetWindowLong(form->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
  EXPECT_EQ(FindDragTarget(at, true), g);
  ASSERT_NE(g->MoveButton(), nullptr);
  EXPECT_NE(GetWindowLong(g->MoveButton()->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
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

TEST_F(DragPictureFixture, TheHeadersFaceIsMadeWithTheGridHiddenAndDisabled) {
  THeaderDragButton* b = g->MoveButton();
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Owner(), g);
  EXPECT_EQ(b->Grid(), g);
  EXPECT_FALSE(b->Visible());
  EXPECT_FALSE(b->Enabled());
  EXPECT_EQ(g->MoveForm(), nullptr);
  std::unique_ptr<TComponent> made(CreateComponent("THeaderDragButton", nullptr));
  EXPECT_NE(dynamic_cast<THeaderDragButton*>(made.get()), nullptr);
}

TEST_F(DragPictureFixture, TheFaceDrawsAMarkupCaptionAsMarkupAndAPlainOneAsText) {
  THeaderDragButton* b = g->MoveButton();
  b->SetBounds(0, 0, 120, 24);
  // Pixels in the red of a font tag.
  auto reds = [&](const std::string& Caption) {
    b->SetCaption(Caption);
    std::unique_ptr<TBitmap> pic = b->GrabToBitmap();
    int n = 0;
    for (int y = 0; y < pic->Height(); ++y)
      for (int x = 0; x < pic->Width(); ++x) {
        const TColor c = pic->Canvas()->Pixels(x, y);
        if ((c & 0xFF) > 0xC0 && ((c >> 8) & 0xFF) < 0x40 && ((c >> 16) & 0xFF) < 0x40) ++n;
      }
    return n;
  };
  EXPECT_GT(reds("<font color=\"clred\">Name</font>"), 0);
  EXPECT_EQ(reds("Name"), 0);
  EXPECT_EQ(reds("<font color=\"clred\">Name"), 0) << "no closing tag: plain text";
}

TEST_F(DragPictureFixture, AMovedColumnsHeaderFollowsTheMouseAndTheColumnLandsWhereLetGo) {
  g->DragDropSettings()->SetShowCells(false);
  int blockEnds = 0;
  g->OnEndBlockFocus = [&](TObject*) { ++blockEnds; };
  THeaderDragButton* b = g->MoveButton();
  const TRect cell = g->CellRect(1, 0);
  // Pressed off the cell's centre: the face keeps the offset.
  const TPoint press(cell.Left + 7, cell.Top + 5);
  MouseDown(g, press.X, press.Y);
  ASSERT_EQ(g->GridState(), gsColMoving);
  EXPECT_FALSE(b->Visible()) << "nothing shows before the mouse moves";
  for (const TPoint& to : {CellCentre(2, 0), CellCentre(3, 0)}) {
    MouseMove(g, to.X, to.Y);
    ASSERT_TRUE(b->Visible());
    EXPECT_EQ(b->Caption(), "h1");
    EXPECT_EQ(b->Width(), cell.Right - cell.Left);
    EXPECT_EQ(b->Height(), cell.Bottom - cell.Top);
    const TPoint at = Held(cell, press, to);
    EXPECT_EQ(b->Left(), at.X);
    EXPECT_EQ(b->Top(), at.Y);
  }
  EXPECT_EQ(g->MoveForm(), nullptr) << "no cells' picture without ShowCells";
  const TPoint to = CellCentre(3, 0);
  MouseUp(g, to.X, to.Y);
  EXPECT_FALSE(b->Visible());
  EXPECT_FALSE(b->Enabled());
  EXPECT_EQ(blockEnds, 1) << "the move's end is told once";
  EXPECT_EQ(g->Cells(3, 0), "h1");
  EXPECT_EQ(g->Cells(1, 0), "h2");
}

TEST_F(DragPictureFixture, WithShowCellsTheMovedCellsPictureFollowsAndIsFreedAtTheEnd) {
  g->DragDropSettings()->SetShowCells(true);
  struct Case {
    const char* name;
    TPoint press;
    TPoint to;
    TGridRect area;  // the cells the picture shows
  };
  const int lastRow = g->TopRow() + g->VisibleRowCount() - 1;
  const int lastCol = g->LeftCol() + g->VisibleColCount() - 1;
  const std::vector<Case> cases = {
      {"a column from its header down the rows in view", CellCentre(2, 0), CellCentre(4, 0),
       TGridRect(2, 0, 2, lastRow)},
      {"a row along the columns in view", CellCentre(0, 2), CellCentre(0, 5), TGridRect(0, 2, lastCol, 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MouseDown(g, c.press.X, c.press.Y);
    MouseMove(g, c.to.X, c.to.Y);
    TCustomForm* f = g->MoveForm();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->Visible());
    const TRect a = g->CellRect(c.area.Left, c.area.Top), z = g->CellRect(c.area.Right, c.area.Bottom);
    EXPECT_EQ(f->Width(), z.Right - a.Left + 1);
    EXPECT_EQ(f->Height(), z.Bottom - a.Top + 1);
    const TRect pressed = g->CellRect(c.area.Left, c.area.Top);
    const TPoint at = Held(pressed, c.press, c.to);
    EXPECT_EQ(f->Left(), at.X);
    EXPECT_EQ(f->Top(), at.Y);
    EXPECT_FALSE(g->MoveButton()->Visible()) << "the picture stands in for the header's face";
    MouseMove(g, c.to.X + 3, c.to.Y + 2);
    EXPECT_EQ(g->MoveForm(), f) << "made once per move";
    EXPECT_EQ(f->Left(), at.X + 3);
    MouseUp(g, c.to.X + 3, c.to.Y + 2);
    EXPECT_EQ(g->MoveForm(), nullptr);
  }
  EXPECT_EQ(g->Cells(4, 0), "h2");
  EXPECT_EQ(g->Cells(0, 5), "r2");
}

TEST_F(DragPictureFixture, ARefusedOrCancelledMoveHidesTheFaceAndMovesNothing) {
  g->DragDropSettings()->SetShowCells(false);
  const TPoint a = CellCentre(1, 0), b = CellCentre(3, 0);
  // Refused where it would land: the no-drop cursor, and the release keeps
  // the columns.
  g->OnColumnMoving = [](TObject*, int, bool& allow) { allow = false; };
  MouseDown(g, a.X, a.Y);
  MouseMove(g, b.X, b.Y);
  EXPECT_EQ(Screen->Cursor(), crNoDrop);
  MouseUp(g, b.X, b.Y);
  EXPECT_FALSE(g->MoveButton()->Visible());
  EXPECT_EQ(g->Cells(1, 0), "h1");
  EXPECT_EQ(Screen->Cursor(), crDefault);
  // Cancelled by the window system in the middle.
  g->OnColumnMoving = nullptr;
  MouseDown(g, a.X, a.Y);
  MouseMove(g, b.X, b.Y);
  ASSERT_TRUE(g->MoveButton()->Visible());
  SendMessage(g->Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_FALSE(g->MoveButton()->Visible());
  EXPECT_EQ(g->GridState(), gsNormal);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  MouseUp(g, b.X, b.Y);
  EXPECT_EQ(g->Cells(1, 0), "h1");
}

}  // namespace
