// The track bar drop-down: keys, dragging over the edit, the pop-up's track
// bar and text that is no number.
#include "controls/dropdown/VevTrackBarDropDown.h"

#include "KindSupport.h"
#include "framework/controls/TrackBar.h"

namespace {

using namespace testinput;
using TrackFixture = KindFixture<TVevTrackBarDropDown>;

TEST_F(TrackFixture, DownAndUpStepByFrequencyWithinTheBounds) {
  EXPECT_EQ(dd->Text(), "0");
  for (int i = 0; i < 5; ++i) PressKey(VK_DOWN);
  EXPECT_EQ(dd->Position(), 5);
  EXPECT_EQ(dd->Text(), "5");
  for (int i = 0; i < 8; ++i) PressKey(VK_DOWN);
  EXPECT_EQ(dd->Position(), 10);
  dd->SetFrequency(3);
  PressKey(VK_UP);
  EXPECT_EQ(dd->Position(), 7);
  PressKey(VK_UP);
  PressKey(VK_UP);
  // 1 - 3 would leave the bounds.
  PressKey(VK_UP);
  EXPECT_EQ(dd->Position(), 1);
  // Alt+Down opens the pop-up instead of stepping.
  PressKey(VK_DOWN, {ssAlt});
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_EQ(dd->Position(), 1);
  dd->HideDropDown(false);
}

TEST_F(TrackFixture, DraggingOverTheEditMovesByWholePages) {
  struct Row {
    int pageSize;
    std::vector<int> moves;  // x of each move, starting at 50
    int expected;
  };
  const Row rows[] = {
      {2, {55}, 2},                  // 5 pixels: 5 div 2
      {2, {51, 52, 53, 54, 55}, 0},  // every remainder is dropped
      {2, {40}, 0},                  // left of 0 stays at Min
      {0, {53}, 3},                  // a page size of 0 counts as 1
      {-4, {52}, 2},
  };
  for (const Row& r : rows) {
    dd->SetPosition(0);
    dd->SetPageSize(r.pageSize);
    MouseDown(dd, 50, 5);
    for (int x : r.moves) MouseMove(dd, x, 5);
    MouseUp(dd, r.moves.back(), 5);
    EXPECT_EQ(dd->Position(), r.expected) << r.pageSize;
    EXPECT_FALSE(dd->DroppedDown()) << "a drag does not open the pop-up";
  }
  // A press released without moving opens it.
  Click(dd, 50, 5);
  EXPECT_TRUE(dd->DroppedDown());
  dd->HideDropDown(false);
}

TEST_F(TrackFixture, ThePopupTrackBarWritesTheValueAndCancelPutsItBack) {
  int changes = 0;
  dd->OnTrackChange = [&](TObject*) { ++changes; };
  dd->SetPosition(4);
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  TTrackBar* tb = dd->TrackBar();
  EXPECT_EQ(dd->Control(), tb);
  EXPECT_EQ(tb->Position(), 4);
  // The pop-up is as wide as the edit; header and footer are hidden.
  EXPECT_EQ(dd->DropDownForm()->Width(), dd->Width());
  PressKey(VK_RIGHT);  // the track bar has the focus
  EXPECT_EQ(dd->Position(), 5);
  EXPECT_EQ(dd->Text(), "5");
  Click(tb, tb->ThumbRect().Right + 20, 15);  // a page to the right
  EXPECT_EQ(dd->Position(), 7);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->Position(), 4);
  EXPECT_EQ(dd->Text(), "4");
  // Closing by activating another window keeps the value chosen.
  PressKey(VK_F4);
  PressKey(VK_RIGHT);
  form->BringFormToFront();
  Pump();
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->Position(), 5);
  EXPECT_GE(changes, 4);
}

TEST_F(TrackFixture, TextThatIsNoNumberKeepsThePosition) {
  dd->SetEditorEnabled(true);
  dd->SetPosition(6);
  for (const char* t : {"abc", "12x"}) {
    EXPECT_NO_THROW(dd->SetText(t)) << t;
    EXPECT_EQ(dd->Position(), 6) << t;
  }
  // Every digit deleted: the empty text is no number either.
  dd->SetText("6");
  dd->SelectAll();
  PressKey(VK_BACK);
  EXPECT_EQ(dd->Text(), "");
  EXPECT_EQ(dd->Position(), 6);
  dd->SetText("3");
  EXPECT_EQ(dd->Position(), 3);
  // Beyond Max the track bar corrects the value.
  dd->SetText("99");
  EXPECT_EQ(dd->Position(), 10);
}

}  // namespace
