// Cell graphics: the family of Add/Create/Has/Get/Remove operations, what
// each kind keeps, which objects a graphic owns, the room a graphic takes
// and the cell's display text.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/classes/StringList.h"
#include "framework/graphics/ImgList.h"
#include "grid/model/DivUzev.h"

namespace {

std::unique_ptr<TDedAdararAdoz> NewGrid(int Cols = 5, int Rows = 6) {
  auto g = std::make_unique<TDedAdararAdoz>(nullptr);
  g->SetColCount(Cols);
  g->SetRowCount(Rows);
  return g;
}

TEST(DivUzevGraphics, APictureFitsItsCellByItsStretchMode) {
  struct Case {
    TStretchMode mode;
    int w, h, padding, cw, ch;
    TPoint expected;
  };
  const Case cases[] = {
      {StretchWithAspectRatio, 100, 50, 0, 40, 40, TPoint(40, 20)},
      {StretchWithAspectRatio, 10, 40, 0, 40, 40, TPoint(10, 40)},
      {ShrinkWithAspectRatio, 20, 10, 0, 40, 40, TPoint(20, 10)},
      {ShrinkWithAspectRatio, 100, 50, 0, 40, 40, TPoint(40, 20)},
      {Stretch, 5, 5, 4, 40, 30, TPoint(36, 26)},
      {Shrink, 5, 5, 0, 40, 30, TPoint(5, 5)},
      {Shrink, 50, 5, 0, 40, 30, TPoint(40, 30)},
      {noStretch, 50, 60, 0, 40, 30, TPoint(50, 60)},
  };
  for (const Case& c : cases) {
    auto g = NewGrid();
    TPicture* pic = g->CreatePicture(1, 1, false, c.mode, c.padding, haLeft, vaTop);
    TBitmap bmp(c.w, c.h);
    pic->SetGraphic(&bmp);
    EXPECT_EQ(g->GetCellGraphic(1, 1)->GetPictureSize(c.cw, c.ch, false), c.expected)
        << c.mode << " " << c.w << "x" << c.h;
  }
}

TEST(DivUzevGraphics, RotatedTextKeepsItsAngleWithinAFullTurn) {
  const std::pair<int, int> cases[] = {{-30, 330}, {720, 360}, {360, 360}, {0, 0}, {-400, 320}};
  for (auto [in, out] : cases) {
    auto g = NewGrid();
    g->AddRotated(1, 1, static_cast<int16_t>(in), "text");
    int angle = -1;
    ASSERT_TRUE(g->IsRotated(1, 1, angle));
    EXPECT_EQ(angle, out) << in;
    EXPECT_EQ(g->GetCellEx(1, 1), "text");
  }
}

TEST(DivUzevGraphics, EachKindAnswersOnlyItsOwnQueriesAndRemovals) {
  auto g = NewGrid();
  g->AddButton(1, 1, 40, 18, "Go", haLeft, vaTop);
  g->AddProgress(2, 1, clGreen, clWhite);
  g->AddShape(3, 1, csCircle, clRed, clBlack, haCenter, vaCenter);
  EXPECT_TRUE(g->HasButton(1, 1));
  EXPECT_FALSE(g->HasProgress(1, 1));
  EXPECT_TRUE(g->HasProgress(2, 1));
  EXPECT_EQ(g->GetShapeColor(3, 1), clRed);
  EXPECT_EQ(g->GetShapeColor(2, 1), clNone);
  // A removal of another kind leaves the cell alone.
  g->RemoveProgress(1, 1);
  g->RemoveShape(2, 1);
  EXPECT_TRUE(g->HasButton(1, 1));
  EXPECT_TRUE(g->HasProgress(2, 1));
  g->RemoveButton(1, 1);
  EXPECT_EQ(g->GetCellType(1, 1), ctEmpty);
  // Comments go only where nothing else is.
  g->SetComment(3, 1, "note");
  EXPECT_EQ(g->GetCellType(3, 1), ctShape);
  EXPECT_EQ(g->GetComment(3, 1), "");
  g->SetComment(4, 1, "note");
  EXPECT_EQ(g->GetComment(4, 1), "note");
  g->SetComment(4, 1, "changed");
  std::string comment;
  EXPECT_TRUE(g->IsComment(4, 1, comment));
  EXPECT_EQ(comment, "changed");
  g->RemoveAllComments();
  EXPECT_FALSE(g->IsComment(4, 1, comment));
  EXPECT_EQ(g->GetCellType(3, 1), ctShape);
  // Negative cells are nothing.
  EXPECT_EQ(g->GetCellType(-1, 0), ctEmpty);
  EXPECT_FALSE(g->HasButton(-1, 2));
}

TEST(DivUzevGraphics, ImageKindsNeedTheGridsImages) {
  auto g = NewGrid();
  g->SetCellEx(1, 1, "kept");
  g->AddImageIdx(1, 1, 2, haLeft, vaTop);
  g->AddDataImage(2, 1, 3, haLeft, vaTop);
  EXPECT_EQ(g->GetCellType(1, 1), ctEmpty);
  EXPECT_EQ(g->GetCellType(2, 1), ctEmpty);
  EXPECT_EQ(g->GetCellEx(2, 1), "");

  TImageList images(nullptr, 16, 16);
  g->SetGridImages(&images);
  g->AddImageIdx(1, 1, 2, haLeft, vaTop);
  int idx = -1;
  EXPECT_TRUE(g->GetImageIdx(1, 1, idx));
  EXPECT_EQ(idx, 2);
  // A data image writes its index into an empty cell and keeps a text.
  g->AddDataImage(2, 1, 3, haLeft, vaTop);
  EXPECT_EQ(g->GetCellEx(2, 1), "3");
  g->SetCellEx(3, 1, "7");
  g->AddDataImage(3, 1, 3, haLeft, vaTop);
  EXPECT_EQ(g->GetCellEx(3, 1), "7");
  g->RemoveDataImage(3, 1);
  EXPECT_EQ(g->GetCellEx(3, 1), "");
  EXPECT_FALSE(g->HasDataImage(3, 1));
  g->SetGridImages(nullptr);
}

TEST(DivUzevGraphics, BalloonsAttachToCheckBoxesAndNeverReplaceAnotherGraphic) {
  auto g = NewGrid();
  g->CreatePicture(1, 1, false, noStretch, 0, haLeft, vaTop);
  g->AddBalloon(1, 1, "Title", "Text", biInfo);
  std::string title, text;
  TBalloonIcon icon = biNone;
  EXPECT_FALSE(g->IsBalloon(1, 1, title, text, icon));
  EXPECT_TRUE(g->HasPicture(1, 1));

  g->AddCheckBox(2, 1, true, false);
  g->AddBalloon(2, 1, "Check", "Tick it", biWarning);
  EXPECT_TRUE(g->HasCheckBox(2, 1));
  ASSERT_TRUE(g->IsBalloon(2, 1, title, text, icon));
  EXPECT_EQ(title, "Check");
  EXPECT_EQ(text, "Tick it");
  EXPECT_EQ(icon, biWarning);
  EXPECT_FALSE(g->HasBalloon(2, 1));
  // A second balloon replaces the first; removing it keeps the check box.
  g->AddBalloon(2, 1, "Again", "", biError);
  g->RemoveBalloon(2, 1);
  EXPECT_FALSE(g->IsBalloon(2, 1, title, text, icon));
  EXPECT_TRUE(g->IsChecked(2, 1));

  g->AddBalloon(3, 1, "Alone", "x", biNone);
  EXPECT_TRUE(g->HasBalloon(3, 1));
  g->RemoveBalloon(3, 1);
  EXPECT_EQ(g->GetCellType(3, 1), ctEmpty);
}

TEST(DivUzevGraphics, MarkersLiveInTheGraphicOrInAMarkerOfTheirOwn) {
  auto g = NewGrid();
  g->AddMarker(1, 1, 2, 3);
  EXPECT_EQ(g->GetCellType(1, 1), ctEmpty);
  int pos = 0, len = 0;
  g->GetMarker(1, 1, pos, len);
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(len, 3);
  g->RemoveMarker(1, 1);
  EXPECT_EQ(g->GetCellGraphic(1, 1), nullptr);

  g->CreatePicture(2, 1, false, noStretch, 0, haLeft, vaTop);
  g->AddMarker(2, 1, 1, 1);
  g->RemoveMarker(2, 1);
  EXPECT_TRUE(g->HasPicture(2, 1));
  g->GetMarker(2, 1, pos, len);
  EXPECT_EQ(pos, 0);
  EXPECT_EQ(len, 0);
}

TEST(DivUzevGraphics, ARadioGroupStepsToItsNextItemAndWraps) {
  auto g = NewGrid();
  TStrings* items = g->CreateRadio(1, 1, 0, 1);
  items->Add("red");
  items->Add("green");
  items->Add("blue");
  g->NextRadio(1, 1, false);
  int idx = -1;
  EXPECT_TRUE(g->GetRadioIdx(1, 1, idx));
  EXPECT_EQ(idx, 2);
  EXPECT_EQ(g->GetCellEx(1, 1), "blue");
  g->NextRadio(1, 1, false);
  EXPECT_TRUE(g->GetRadioIdx(1, 1, idx));
  EXPECT_EQ(idx, 0);
  EXPECT_EQ(g->GetCellEx(1, 1), "red");
  // A group that follows its text starts from the text's item.
  g->SetRadioIdx(1, 1, -1);
  g->SetCellEx(1, 1, "green");
  g->NextRadio(1, 1, false);
  EXPECT_EQ(g->GetCellEx(1, 1), "blue");
  // A cell that may not be edited stays.
  g->NextRadio(1, 1, true);
  EXPECT_EQ(g->GetCellEx(1, 1), "blue");
}

TEST(DivUzevGraphics, ButtonsKeepTheirSizeAndAreFoundByTheirPlaceInTheCell) {
  auto g = NewGrid();
  g->AddButton(2, 1, 40, 18, "Go", haLeft, vaTop);
  TCellGraphic* b = g->GetCellGraphic(2, 1);
  EXPECT_EQ(b->CellIndex, (18 << 16) | 40);
  b->CellValue = 3 * 65536 + 5;
  const TRect cell = g->CellRect(2, 1);
  EXPECT_EQ(g->GetCellButtonRect(2, 1), TRect(cell.Left + 5, cell.Top + 3, cell.Left + 45, cell.Top + 21));
  // Captions and the pushed flag are named by display column.
  g->HideColumn(1);
  g->SetButtonText(1, 1, "Stop");
  g->PushButton(1, 1, true);
  EXPECT_EQ(g->GetButtonText(1, 1), "Stop");
  EXPECT_TRUE(b->CellBoolean);
  EXPECT_EQ(b->CellText, "Stop");
  g->UnHideColumn(1);
  g->RemoveAllButtons();
  EXPECT_FALSE(g->HasButton(2, 1));
}

TEST(DivUzevGraphics, AnExpandButtonKnowsBothRowHeights) {
  auto g = NewGrid();
  g->SetRowHeights(2, 20);
  g->AddExpand(1, 2, 60);
  EXPECT_FALSE(g->GetExpandState(1, 2));
  EXPECT_EQ(g->GetExpandHeight(1, 2, true), 60);
  EXPECT_EQ(g->GetExpandHeight(1, 2, false), 20);
  EXPECT_TRUE(g->ToggleExpand(1, 2));
  EXPECT_TRUE(g->GetExpandState(1, 2));
  EXPECT_EQ(g->GetExpandHeight(3, 3, true), g->DefaultRowHeight());
  const TRect r = g->CellRect(1, 2);
  EXPECT_EQ(g->GetExpandRect(1, 2), TRect(r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13));
  EXPECT_EQ(g->GetExpandRect(2, 2), TRect());
}

TEST(DivUzevGraphics, TheRoomOfAGraphicBesideTheText) {
  struct Case {
    const char* what;
    std::function<void(TDedAdararAdoz*)> add;
    TPoint expected;
  };
  const Case cases[] = {
      {"check box", [](TDedAdararAdoz* g) { g->AddCheckBox(1, 1, false, false); }, TPoint(15, 15)},
      {"radio button", [](TDedAdararAdoz* g) { g->AddRadioButton(1, 1, false); }, TPoint(10, 10)},
      {"pie", [](TDedAdararAdoz* g) { g->AddProgressPie(1, 1, clRed, 40); }, TPoint(20, 20)},
      {"rating", [](TDedAdararAdoz* g) { g->AddRating(1, 1, 5, clYellow, clGray); }, TPoint(90, 16)},
      {"button without text", [](TDedAdararAdoz* g) { g->AddButton(1, 1, 30, 12, "", haLeft, vaTop); },
       TPoint(30, 12)},
      {"button beside text",
       [](TDedAdararAdoz* g) {
         g->SetCellEx(1, 1, "x");
         g->AddButton(1, 1, 30, 12, "", haBeforeText, vaTop);
       },
       TPoint(30, 0)},
      {"progress", [](TDedAdararAdoz* g) { g->AddProgress(1, 1, clRed, clWhite); }, TPoint(0, 0)},
  };
  for (const Case& c : cases) {
    auto g = NewGrid();
    c.add(g.get());
    EXPECT_EQ(g->GetCellGraphicSize(1, 1), c.expected) << c.what;
  }
}

TEST(DivUzevGraphics, RowCheckBoxesStandForTheRowSelectionInColumnZero) {
  auto g = NewGrid(4, 5);
  g->MouseActions()->SetHotmailRowSelect(true);
  for (int r = 0; r < 5; ++r) EXPECT_EQ(g->GetCellType(0, r), ctRowCheckBox) << r;
  EXPECT_EQ(g->GetCellGraphic(0, 0)->CellAngle, 0);
  g->SetRowSelect(2, true);
  EXPECT_EQ(g->GetCellGraphic(0, 0)->CellAngle, 1);
  EXPECT_FALSE(g->GetCellGraphic(0, 0)->CellBoolean);
  EXPECT_TRUE(g->GetCellGraphic(0, 2)->CellBoolean);
  for (int r = 1; r < 5; ++r) g->SetRowSelect(r, true);
  EXPECT_EQ(g->GetCellGraphic(0, 0)->CellAngle, 0);
  EXPECT_TRUE(g->GetCellGraphic(0, 0)->CellBoolean);
  // Removing it or putting a graphic over it never frees the shared one.
  TCellGraphic* shared = g->RowCheckBoxGraphic();
  EXPECT_FALSE(g->RemoveCellGraphic(0, 3));
  g->MouseActions()->SetHotmailRowSelect(false);
  g->GetCellProperties(0, 3)->SetGraphicObject(shared);
  g->AddCheckBox(0, 3, true, false);
  EXPECT_EQ(g->RowCheckBoxGraphic(), shared);
  EXPECT_EQ(shared->CellType, ctRowCheckBox);
}

TEST(DivUzevGraphics, ACheckBoxInAnEmptyCellLeavesItsTextEmpty) {
  auto g = NewGrid();
  g->AddCheckBox(2, 2, true, false);
  EXPECT_EQ(g->GetCellEx(2, 2), "");
  EXPECT_TRUE(g->HasCellProperties(2, 2));
}

TEST(DivUzevGraphics, TheDisplayTextLinksURLsAndCountsGroupRows) {
  auto g = NewGrid(3, 8);
  g->SetCellEx(1, 1, "see www.example.com now");
  g->SetCellEx(1, 2, "plain text");
  EXPECT_EQ(g->GetCellEx(1, 1), "see www.example.com now");
  g->SetURLShowInText(true);
  EXPECT_NE(g->GetCellEx(1, 1).find("<a href="), std::string::npos);
  EXPECT_EQ(g->GetCellEx(1, 2), "plain text");
  g->SetURLShowInText(false);

  // A node row spanning four rows without sub-nodes.
  TCellGraphic* node = g->CreateCellGraphic(0, 3);
  node->CellType = ctNode;
  node->CellIndex = 4;
  g->SetCellEx(1, 3, "Group");
  g->Grouping()->SetShowGroupCount(true);
  EXPECT_EQ(g->GetCellEx(1, 3), "Group (3)");
  g->Grouping()->SetGroupCountFormat(" [%d]");
  EXPECT_EQ(g->GetCellEx(1, 3), "Group [3]");
  EXPECT_EQ(g->GetCellEx(2, 3), "");
}

}  // namespace
