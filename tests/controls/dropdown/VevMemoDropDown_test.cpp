// The memo drop-down: the edit's view of the lines, opening, closing and
// cancelling, keys that stay in the memo, and AutoDrop.
#include "controls/dropdown/VevMemoDropDown.h"

#include "KindSupport.h"
#include "framework/classes/StringList.h"

namespace {

using namespace testinput;
using MemoFixture = KindFixture<TVevMemoDropDown>;

TEST_F(MemoFixture, TheEditShowsTheFirstLineOrTheWholeText) {
  dd->SetEditorEnabled(false);
  dd->MemoText()->SetText("one\r\ntwo\r\nthree");
  EXPECT_EQ(dd->RawText(), "one...");
  dd->MemoText()->SetText("only");
  EXPECT_EQ(dd->RawText(), "only");
  dd->MemoText()->SetText(std::string(80, 'w'));
  const std::string cut = dd->RawText();
  EXPECT_LT(cut.size(), 80u);
  EXPECT_EQ(cut.substr(cut.size() - 3), "...");
  dd->SetEditorEnabled(true);
  dd->MemoText()->SetText("a\r\nb");
  EXPECT_EQ(dd->RawText(), "a\r\nb");
}

TEST_F(MemoFixture, TypingInTheEditSetsTheLines) {
  TypeText("hello");
  EXPECT_EQ(dd->MemoText()->Count(), 1);
  EXPECT_EQ(dd->MemoText()->Strings(0), "hello");
}

TEST_F(MemoFixture, ReturnStaysInTheMemoEscapeDiscardsAndAcceptingWritesBack) {
  dd->SetEditorEnabled(false);
  dd->MemoText()->SetText("first");
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  EXPECT_EQ(dd->Memo()->Lines()->Strings(0), "first");
  dd->Memo()->SelStart();
  dd->Memo()->SetSelStart(5);
  PressKey(VK_RETURN);
  TypeText("second");
  EXPECT_TRUE(dd->DroppedDown()) << "Return makes a new line";
  EXPECT_EQ(dd->Memo()->Lines()->Count(), 2);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->MemoText()->Count(), 1);
  EXPECT_EQ(dd->MemoText()->Strings(0), "first");
  EXPECT_EQ(dd->RawText(), "first");
  EXPECT_EQ(log, (std::vector<std::string>{"DropDown", "DropUp(cancelled)"}));

  PressKey(VK_F4);
  dd->Memo()->SetSelStart(5);
  PressKey(VK_RETURN);
  TypeText("second");
  // Ctrl+A selects the whole memo, not the edit.
  PressKey('A', {ssCtrl});
  EXPECT_EQ(dd->Memo()->SelLength(), static_cast<int>(dd->Memo()->Text().size()));
  PressKey(VK_DOWN, {ssAlt});
  EXPECT_FALSE(dd->DroppedDown());
  ASSERT_EQ(dd->MemoText()->Count(), 2);
  EXPECT_EQ(dd->MemoText()->Strings(1), "second");
  EXPECT_EQ(dd->RawText(), "first...");
}

TEST_F(MemoFixture, AutoDropOpensOnEnteringButNotWhenTheFocusComesBack) {
  TTestClock clock;
  dd->SetAutoDrop(true);
  other->SetFocus();
  Pump();
  clock.Advance(1000);
  PressKey(VK_TAB);
  Pump();
  ASSERT_TRUE(dd->Focused() || dd->DroppedDown());
  EXPECT_TRUE(dd->DroppedDown());
  PressKey(VK_ESCAPE);
  Pump();
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_TRUE(dd->Focused());
  EXPECT_TRUE(dd->AutoDrop());
}

}  // namespace
