// The list box driven by the mouse, keys and LB_ messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/ListBox.h"
#include "framework/controls/StdCtrls.h"
#include "framework/graphics/RecordingCanvas.h"
#include "support/Input.h"

namespace {

using namespace testinput;

struct ListBoxFixture : ::testing::Test {
  TForm* form = nullptr;
  TListBox* list = nullptr;
  TEdit* edit = nullptr;
  int clicks = 0;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 300, 300);
    edit = new TEdit(form);
    edit->SetParent(form);
    list = new TListBox(form);
    list->SetParent(form);
    list->SetBounds(10, 40, 150, 200);
    for (const char* s : {"Alpha", "Beta", "Gamma", "Delta", "Bravo"}) list->Items()->Add(s);
    list->OnClick = [this](TObject*) { ++clicks; };
    ShowForm(form);
  }
  void TearDown() override { delete form; }
  // A client point inside row Index.
  TPoint RowPoint(int Index) {
    TRect r = list->ItemRect(Index);
    return TPoint(r.Left + 5, r.Top + r.Height() / 2);
  }
};

TEST_F(ListBoxFixture, UserSelectionFiresOnClickCodeSelectionDoesNot) {
  list->SetItemIndex(2);
  EXPECT_EQ(list->ItemIndex(), 2);
  list->SetItemIndex(99);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(clicks, 0);

  TPoint p = RowPoint(1);
  Click(list, p.X, p.Y);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_TRUE(list->Focused());
  EXPECT_EQ(clicks, 1);
  PressKey(VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 2);
  PressKey(VK_END);
  EXPECT_EQ(list->ItemIndex(), 4);
  // At the end a further Down changes nothing and reports nothing.
  PressKey(VK_DOWN);
  EXPECT_EQ(clicks, 3);
  // Below the last row the last item is taken.
  Click(list, 5, list->ClientHeight() - 2);
  EXPECT_EQ(list->ItemIndex(), 4);
  int dbl = 0;
  list->OnDblClick = [&](TObject*) { ++dbl; };
  p = RowPoint(0);
  DoubleClick(list, p.X, p.Y);
  EXPECT_EQ(dbl, 1);
  EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(ListBoxFixture, EmptyListTakesNoClickAndSelectsNothing) {
  list->Clear();
  Click(list, 5, 5);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(clicks, 0);
}

TEST_F(ListBoxFixture, TypingFindsItemsByPrefix) {
  TTestClock clock;
  list->SetFocus();
  TypeText("b");
  EXPECT_EQ(list->ItemIndex(), 1);  // Beta
  TypeText("r");
  EXPECT_EQ(list->ItemIndex(), 4);  // Bravo: the prefix grew to "br"
  clock.Advance(2000);
  TypeText("b");
  EXPECT_EQ(list->ItemIndex(), 1);  // a new search starts after the current item, round the end
  TypeText("x");
  EXPECT_EQ(list->ItemIndex(), 1);  // nothing begins with "bx" or "x"
}

TEST_F(ListBoxFixture, TypedTextStartsAfreshAfterTheFocusLeaves) {
  TTestClock clock;
  list->SetFocus();
  TypeText("b");
  ASSERT_EQ(list->ItemIndex(), 1);  // Beta
  edit->SetFocus();
  list->SetFocus();
  clock.Advance(300);
  TypeText("r");
  EXPECT_EQ(list->ItemIndex(), 1);  // nothing begins with "r": no search for "br"
}

TEST_F(ListBoxFixture, ItemChangesKeepTheSelectionOnItsItem) {
  list->SetItemIndex(3);  // Delta
  list->Items()->Delete(0);
  EXPECT_EQ(list->ItemIndex(), 2);
  list->Items()->Insert(0, "First");
  EXPECT_EQ(list->ItemIndex(), 3);
  EXPECT_EQ(list->Items()->Strings(list->ItemIndex()), "Delta");
  list->Items()->Delete(3);
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetItemIndex(0);
  list->SetSorted(true);
  EXPECT_EQ(list->Items()->ToVector(), (std::vector<std::string>{"Beta", "Bravo", "First", "Gamma"}));
  EXPECT_EQ(list->Items()->Strings(list->ItemIndex()), "First");
  list->Items()->Add("Charlie");
  EXPECT_EQ(list->Items()->IndexOf("charlie"), 2);
}

TEST_F(ListBoxFixture, ExtendedMultiSelectWithShiftAndCtrl) {
  list->SetMultiSelect(true);
  Click(list, RowPoint(1).X, RowPoint(1).Y);
  KeyDown(VK_LSHIFT);
  Click(list, RowPoint(3).X, RowPoint(3).Y);
  KeyUp(VK_LSHIFT);
  EXPECT_EQ(list->SelCount(), 3);
  KeyDown(VK_LCONTROL);
  Click(list, RowPoint(2).X, RowPoint(2).Y);
  KeyUp(VK_LCONTROL);
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_FALSE(list->Selected(2));
  std::vector<int> sel(5, -1);
  LRESULT n = list->Perform(LB_GETSELITEMS, 5, reinterpret_cast<LPARAM>(sel.data()));
  ASSERT_EQ(n, 2);
  EXPECT_EQ(sel[0], 1);
  EXPECT_EQ(sel[1], 3);
  // A plain click starts again with one item.
  Click(list, RowPoint(0).X, RowPoint(0).Y);
  EXPECT_EQ(list->SelCount(), 1);
}

TEST_F(ListBoxFixture, ListMessages) {
  auto str = [](const char* s) { return reinterpret_cast<LPARAM>(s); };
  struct Case {
    UINT Msg;
    WPARAM Start;
    const char* Text;
    LRESULT Expected;
  };
  const Case cases[] = {
      {LB_FINDSTRING, static_cast<WPARAM>(-1), "b", 1},  // first that begins with it
      {LB_FINDSTRING, 1, "b", 4},                        // after the start item
      {LB_FINDSTRING, 4, "b", 1},                        // round the end
      {LB_FINDSTRING, static_cast<WPARAM>(-1), "GAM", 2},
      {LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "delta", 3},
      {LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "del", LB_ERR},
      {LB_FINDSTRING, static_cast<WPARAM>(-1), "zz", LB_ERR},
  };
  for (const Case& c : cases) EXPECT_EQ(list->Perform(c.Msg, c.Start, str(c.Text)), c.Expected) << c.Text;
  EXPECT_EQ(list->Perform(LB_GETCOUNT, 0, 0), 5);
  EXPECT_EQ(list->Perform(LB_ADDSTRING, 0, str("Echo")), 5);
  char buf[32] = {};
  EXPECT_EQ(list->Perform(LB_GETTEXT, 5, reinterpret_cast<LPARAM>(buf)), 4);
  EXPECT_STREQ(buf, "Echo");
  EXPECT_EQ(list->Perform(LB_SETCURSEL, 2, 0), 2);
  EXPECT_EQ(list->Perform(LB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(list->Perform(LB_SETCURSEL, 50, 0), LB_ERR);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->Perform(LB_DELETESTRING, 0, 0), 5);
  EXPECT_EQ(list->Perform(LB_DELETESTRING, 9, 0), LB_ERR);
  EXPECT_EQ(clicks, 0);
}

TEST_F(ListBoxFixture, LongListScrollsByBarKeysAndMessages) {
  list->Items()->Clear();
  for (int i = 0; i < 100; ++i) list->Items()->Add("Item " + std::to_string(i));
  EXPECT_TRUE(list->VertBarShown());
  int rows = list->VisibleRows();
  ASSERT_GT(rows, 2);
  list->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(list->TopIndex(), 1);
  list->Perform(WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(list->TopIndex(), 100 - rows);
  // Keys bring the focus item into view.
  list->SetFocus();
  PressKey(VK_HOME);
  EXPECT_EQ(list->TopIndex(), 0);
  PressKey(VK_NEXT);
  EXPECT_GE(list->ItemIndex(), rows - 2);
  TRect r = list->ItemRect(list->ItemIndex());
  EXPECT_LE(r.Bottom, list->ClientHeight());
  // A click on the bar's lower arrow scrolls one line.
  list->SetTopIndex(0);
  TRect bar = list->VertBarRect();
  Click(list, bar.Left + 3, bar.Bottom - 3);
  EXPECT_EQ(list->TopIndex(), 1);
  // Few items need no bar.
  list->Items()->Clear();
  list->Items()->Add("one");
  EXPECT_FALSE(list->VertBarShown());
}

}  // namespace

namespace {

// Where the keys act is plain to see while the list has the focus: a dotted
// frame in the text colour of the row (on the selection too, even with no
// item selected), and none once the focus has left.
TEST_F(ListBoxFixture, TheFocusShowsOnTheCurrentRowOnly) {
  const struct {
    int Selected;
    bool Focused;
    TColor Frame;  // clNone: no frame
  } cases[] = {
      {1, true, clHighlightText},
      {1, false, clNone},
      {-1, true, clWindowText},
      {-1, false, clNone},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Selected) + (c.Focused ? " focused" : ""));
    list->SetItemIndex(c.Selected);
    if (c.Focused)
      list->SetFocus();
    else
      edit->SetFocus();
    Pump();
    auto bmp = form->GrabToBitmap();
    const TPoint at = form->ScreenToClient(list->ClientToScreen(TPoint(0, 0)));
    const TRect row = list->ItemRect(std::max(c.Selected, 0));
    auto framePixels = [&](int Y) {
      int n = 0;
      for (int x = row.Left; x < row.Right; ++x)
        if (c.Frame != clNone && bmp->PixelData().GetPixel(at.X + x, at.Y + Y) == ColorToRGB(c.Frame)) ++n;
      return n;
    };
    const TColor body = c.Selected >= 0 ? ColorToRGB(clHighlight) : ColorToRGB(clWindow);
    if (c.Frame == clNone) {
      // Both edges of the row keep the row's own colour.
      for (int x = row.Left + 2; x < row.Right - 2; ++x) {
        EXPECT_EQ(bmp->PixelData().GetPixel(at.X + x, at.Y + row.Top), body) << x;
        EXPECT_EQ(bmp->PixelData().GetPixel(at.X + x, at.Y + row.Bottom - 1), body) << x;
      }
    } else {
      // Every other pixel of the top and bottom edges.
      EXPECT_GE(framePixels(row.Top), row.Width() / 2 - 1);
      EXPECT_GE(framePixels(row.Bottom - 1), row.Width() / 2 - 1);
    }
  }
}

// Items wider than the list scroll sideways by a horizontal bar once the
// list knows how wide they are; the rows keep their selection and focus.
TEST_F(ListBoxFixture, ItemsWiderThanTheListScrollSideways) {
  EXPECT_FALSE(list->HorzBarShown());
  const int height = list->ClientHeight();
  list->SetScrollWidth(400);
  ASSERT_TRUE(list->HorzBarShown());
  EXPECT_EQ(list->ClientHeight(), height - ScrollBarSize());
  const int most = 400 - list->ClientWidth();

  auto textLeft = [this] {
    TCanvasRecorder rec;
    list->Canvas()->SetRecorder(&rec);
    form->GrabToBitmap();
    list->Canvas()->SetRecorder(nullptr);
    for (const TCanvasCall& c : rec.AllCalls())
      if (c.Op == "TextOut" && c.Text == "Alpha") return c.Points.at(0).X;
    return -10000;
  };
  const int start = textLeft();
  list->Perform(WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_GT(list->ScrollLeft(), 0);
  EXPECT_EQ(textLeft(), start - list->ScrollLeft());
  list->Perform(WM_HSCROLL, SB_RIGHT, 0);
  EXPECT_EQ(list->ScrollLeft(), most);
  list->Perform(WM_HSCROLL, SB_PAGELEFT, 0);
  EXPECT_EQ(list->ScrollLeft(), std::max(0, most - list->ClientWidth()));
  // A click on the bar's left arrow scrolls back.
  list->SetScrollLeft(most);
  TRect bar = list->HorzBarRect();
  Click(list, bar.Left + 3, bar.Top + 3);
  EXPECT_LT(list->ScrollLeft(), most);
  // Narrow items again: the bar goes and the rows start at the left.
  list->SetScrollWidth(0);
  EXPECT_FALSE(list->HorzBarShown());
  EXPECT_EQ(list->ScrollLeft(), 0);
  EXPECT_EQ(list->ClientHeight(), height);
  EXPECT_EQ(textLeft(), start);
}

}  // namespace

// A list made with no room yet (as lists are before they are placed) takes
// items and settles its bars once it gets a size.
TEST_F(ListBoxFixture, AListWithNoRoomTakesItemsAndSettlesWhenSized) {
  auto* empty = new TListBox(form);
  empty->SetVisible(false);
  empty->SetParent(form);
  empty->SetBounds(0, 0, 0, 0);
  empty->SetScrollWidth(50);
  for (int i = 0; i < 40; ++i) empty->Items()->Add("Item " + std::to_string(i));
  EXPECT_EQ(empty->Count(), 40);
  empty->SetBounds(10, 10, 120, 100);
  EXPECT_TRUE(empty->VertBarShown());
  EXPECT_FALSE(empty->HorzBarShown());
  empty->SetScrollWidth(400);
  EXPECT_TRUE(empty->HorzBarShown());
}
