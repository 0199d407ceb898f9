// The grid's text editor: what typing and pasting put into a cell of each
// text kind, the length limit, completion from the lookup items and the
// clipboard events, all through key messages and the clipboard.
#include <gtest/gtest.h>

#include <bitset>
#include <string>
#include <vector>

#include "GridEditFixture.h"
#include "framework/controls/Clipbrd.h"
#include "grid/base/VevUtil.h"

namespace {

using namespace testinput;

std::string Dec() { return std::string(1, LocaleDecimalSeparator()); }

struct TextKindFixture : GridEditFixture {
  TEditorType kind = edNormal;
  void SetUp() override {
    GridEditFixture::SetUp();
    g->OnGetEditorType = [this](TObject*, int, int, TEditorType& e) { e = kind; };
  }
  // Types into an empty cell (the first character opens the editor) and
  // ends the edit with Enter.
  std::string TypeInto(const std::string& Text) {
    g->SetCells(2, 3, "");
    Goto(2, 3);
    TypeText(Text);
    PressKey(VK_RETURN);
    return g->Cells(2, 3);
  }
};

TEST_F(TextKindFixture, TypedCharactersFollowTheRulesOfTheCellsKind) {
  struct Case {
    TEditorType kind;
    std::string typed;
    std::string cell;
    int beeps;
  };
  const std::string d = Dec();
  const Case cases[] = {
      {edNormal, "Щит é", "Щит é", 0},
      {edNumeric, "-12-a3", "-123", 2},
      {edPositiveNumeric, "-5x6", "56", 2},
      {edFloat, "-1" + d + "2" + d + "5", "-1" + d + "25", 0},
      {edFloat, "1-", "1", 1},
      {edFloat, "2x", "2", 0},
      {edPositiveFloat, "-3" + d + "5", "3" + d + "5", 0},
      {edUpperCase, "abé щ", "ABÉ Щ", 0},
      {edCapital, "ab", "AB", 0},
      {edLowerCase, "ABÉ Щ", "abé щ", 0},
      {edMixedCase, "john mcdonald", "John McDonald", 0},
  };
  for (const Case& c : cases) {
    kind = c.kind;
    const int before = MessageBeepCount();
    EXPECT_EQ(TypeInto(c.typed), c.cell) << c.typed;
    EXPECT_EQ(MessageBeepCount() - before, c.beeps) << c.typed;
  }
}

TEST_F(TextKindFixture, AMinusPassesAtTheStartOfANumberOnly) {
  kind = edNumeric;
  g->SetCells(2, 3, "12");
  Goto(2, 3);
  PressKey(VK_F2);
  PressKey(VK_HOME);
  TypeText("-");
  PressKey(VK_END);
  const int before = MessageBeepCount();
  TypeText("-");
  EXPECT_EQ(MessageBeepCount() - before, 1);
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "-12");
}

TEST_F(TextKindFixture, ValidCharsLetOnlyTheirCharactersIn) {
  kind = edValidChars;
  g->SetValidChars("ABCé");
  const int before = MessageBeepCount();
  EXPECT_EQ(TypeInto("AxéB"), "AéB");
  EXPECT_EQ(MessageBeepCount() - before, 1);
}

TEST_F(TextKindFixture, WithoutValidCharsTheGridsCharacterSetDecides) {
  kind = edValidChars;
  g->SetValidChars("");
  std::bitset<256> digits;
  for (char c = '0'; c <= '9'; ++c) digits.set(static_cast<unsigned char>(c));
  struct Case {
    std::bitset<256> set;
    std::string typed, cell;
    int beeps;
  };
  const Case cases[] = {
      // Every character up to U+00FF by default; beyond it none.
      {std::bitset<256>().set(), "a ä5", "a ä5", 0},
      {std::bitset<256>().set(), "x€y", "xy", 1},
      {digits, "a1b2", "12", 2},
  };
  for (const Case& c : cases) {
    g->SetValidCharSet(c.set);
    const int before = MessageBeepCount();
    EXPECT_EQ(TypeInto(c.typed), c.cell) << c.typed;
    EXPECT_EQ(MessageBeepCount() - before, c.beeps) << c.typed;
  }
}

TEST_F(TextKindFixture, APasswordCellIsTypedMasked) {
  kind = edPassword;
  g->SetCells(2, 3, "");
  Goto(2, 3);
  TypeText("s3cret");
  ASSERT_TRUE(EditorShown());
  EXPECT_NE(Editor()->PasswordChar(), 0u);
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "s3cret");
}

TEST_F(TextKindFixture, TheLengthLimitDropsFurtherCharactersSilently) {
  g->SetMaxEditLength(3);
  g->SetCells(2, 3, "");
  Goto(2, 3);
  const int before = MessageBeepCount();
  TypeText("abcd");
  EXPECT_EQ(Editor()->Text(), "abc");
  EXPECT_EQ(MessageBeepCount(), before);
  PressKey(VK_BACK);
  TypeText("Щ");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "abЩ");
}

// ---------------------------------------------------------------------------
// Paste

TEST_F(TextKindFixture, APasteGoesInOnlyAsAWholeValueOfTheKind) {
  struct Case {
    TEditorType kind;
    std::string clipboard;
    std::string cell;
    bool reported;  // the after-paste event
  };
  const std::string d = Dec();
  const Case cases[] = {
      {edFloat, "1" + d + "5", "1" + d + "5", true},
      {edFloat, "1e5", "", false},
      {edNumeric, "-42", "-42", true},
      {edNumeric, "12a", "", false},
      {edPositiveNumeric, "-4", "", false},
      {edPositiveFloat, "-4" + d + "5", "", false},
      {edUpperCase, "abé", "ABÉ", true},
      {edCapital, "ab", "ab", true},
      {edMixedCase, "ANNA maria", "Anna Maria", true},
      {edNormal, "one line\r\n", "one line", true},
      {edNormal, "two\r\nlines\r\n", "two\r\nlines\r\n", true},
  };
  for (const Case& c : cases) {
    kind = c.kind;
    int after = 0;
    g->OnClipboardAfterPasteCell = [&](TObject*, int, int, const std::string&) { ++after; };
    Clipboard()->SetAsText(c.clipboard);
    g->SetCells(2, 3, "");
    Goto(2, 3);
    PressKey(VK_F2);
    PressKey('V', TShiftState{ssCtrl});
    PressKey(VK_RETURN);
    EXPECT_EQ(g->Cells(2, 3), c.cell) << c.clipboard;
    EXPECT_EQ(after, c.reported ? 1 : 0) << c.clipboard;
  }
}

TEST_F(TextKindFixture, PasteEventsMayRefuseOrChangeThePastedText) {
  Clipboard()->SetAsText("abc");
  struct Case {
    const char* what;
    std::function<void()> arm;
    const char* cell;
  };
  const Case cases[] = {
      {"refused before", [this] { g->OnClipboardPaste = [](TObject*, bool& a) { a = false; }; }, "x"},
      {"changed per cell",
       [this] {
         g->OnClipboardBeforePasteCell = [](TObject*, int, int, std::string& v, bool&) { v = "[" + v + "]"; };
       },
       "x[abc]"},
      {"too long for the limit", [this] { g->SetMaxEditLength(3); }, "x"},
  };
  for (const Case& c : cases) {
    g->OnClipboardPaste = nullptr;
    g->OnClipboardBeforePasteCell = nullptr;
    g->SetMaxEditLength(0);
    c.arm();
    g->SetCells(2, 3, "x");
    Goto(2, 3);
    PressKey(VK_F2);
    PressKey(VK_INSERT, TShiftState{ssShift});  // the other paste key
    PressKey(VK_RETURN);
    EXPECT_EQ(g->Cells(2, 3), c.cell) << c.what;
  }
}

TEST_F(TextKindFixture, CopyAndCutAskFirst) {
  g->SetCells(2, 3, "secret");
  Goto(2, 3);
  Clipboard()->SetAsText("before");
  g->OnClipboardCopy = [](TObject*, bool& a) { a = false; };
  PressKey(VK_F2);
  PressKey('A', TShiftState{ssCtrl});
  PressKey('C', TShiftState{ssCtrl});
  EXPECT_EQ(Clipboard()->AsText(), "before");
  g->OnClipboardCopy = nullptr;
  PressKey('X', TShiftState{ssCtrl});
  EXPECT_EQ(Clipboard()->AsText(), "secret");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "");
}

// ---------------------------------------------------------------------------
// Completion and events

TEST_F(TextKindFixture, TypedTextIsCompletedFromTheLookupItems) {
  g->SetLookup(true);
  g->LookupItems()->Add("Alpha");
  g->LookupItems()->Add("Beta");
  g->SetCells(2, 3, "");
  Goto(2, 3);
  TypeText("b");
  EXPECT_EQ(Editor()->Text(), "beta");
  EXPECT_EQ(Editor()->SelStart(), 1);
  EXPECT_EQ(Editor()->SelLength(), 3);
  // Backspace takes the completion away and does not bring it back.
  PressKey(VK_BACK);
  EXPECT_EQ(Editor()->Text(), "b");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "b");
  // Case-sensitive lookup does not complete across letter case.
  g->SetLookupCaseSensitive(true);
  g->SetCells(2, 4, "");
  Goto(2, 4);
  TypeText("b");
  EXPECT_EQ(Editor()->Text(), "b");
  PressKey(VK_ESCAPE);
}

TEST_F(TextKindFixture, LookupHistoryKeepsWhatWasTyped) {
  g->SetLookupHistory(true);
  TypeInto("remembered");
  EXPECT_GE(g->LookupItems()->IndexOf("remembered"), 0);
}

TEST_F(TextKindFixture, ADoubleClickInTheEditorIsADoubleClickOnTheCell) {
  std::vector<std::pair<int, int>> clicks;
  g->OnDblClickCell = [&](TObject*, int r, int c) { clicks.emplace_back(r, c); };
  g->SetCells(2, 3, "word");
  Goto(2, 3);
  PressKey(VK_F2);
  ASSERT_TRUE(EditorShown());
  DoubleClick(Editor(), 5, 5);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], std::make_pair(3, 2));
  PressKey(VK_ESCAPE);
}

TEST_F(TextKindFixture, WithCursorWalkTheArrowsAtTheEndsWalkOnEditing) {
  g->Navigation()->SetCursorWalkEditor(true);
  g->SetCells(3, 3, "next");
  Goto(2, 3);
  TypeText("ab");
  PressKey(VK_RIGHT);
  EXPECT_EQ(g->Cells(2, 3), "ab");
  EXPECT_EQ(g->Col(), 3);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->Text(), "next");
  PressKey(VK_HOME);
  PressKey(VK_LEFT);
  EXPECT_EQ(g->Col(), 2);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->Text(), "ab");
  PressKey(VK_ESCAPE);
}

// ---------------------------------------------------------------------------
// Rows that grow while typing

TEST_F(TextKindFixture, AWrappedCellsRowGrowsWithTheTextTyped) {
  g->SetColWidths(2, 60);
  std::vector<int> sized;
  g->OnEndRowSize = [&](TObject*, int row) { sized.push_back(row); };
  const int before = g->RowHeights(3);
  const std::string words = "one two three four five six";
  // Without SizeWhileTyping.Height the row keeps its height.
  TypeInto(words);
  EXPECT_EQ(g->RowHeights(3), before);
  EXPECT_TRUE(sized.empty());
  g->SizeWhileTyping()->SetHeight(true);
  g->SetCells(2, 3, "");
  Goto(2, 3);
  TypeText(words);
  EXPECT_GT(g->RowHeights(3), 2 * before) << "the text wraps over several lines";
  ASSERT_FALSE(sized.empty());
  EXPECT_EQ(sized.back(), 3);
  ASSERT_TRUE(EditorShown());
  // The editor shows the text from its first line on, in the grown row.
  EXPECT_EQ(Editor()->Perform(EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_GE(Editor()->Height(), g->RowHeights(3) - 2);
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), words);
}

TEST_F(TextKindFixture, ANewLineInAMultiLineCellGetsItsRoomAsItIsStarted) {
  g->SetWordWrap(false);
  g->SetMultilineCells(true);
  g->Navigation()->SetLineFeedOnEnter(true);
  g->SizeWhileTyping()->SetHeight(true);
  std::vector<int> sized;
  g->OnEndRowSize = [&](TObject*, int row) { sized.push_back(row); };
  g->SetCells(2, 3, "");
  Goto(2, 3);
  const int before = g->RowHeights(3);
  TypeText("one");
  PressKey(VK_RETURN, TShiftState{ssShift});
  const int two = g->RowHeights(3);
  EXPECT_GT(two, before);
  EXPECT_EQ(sized, std::vector<int>{3});
  TypeText("two");
  PressKey(VK_RETURN, TShiftState{ssShift});
  EXPECT_GT(g->RowHeights(3), two);
  TypeText("three");
  other->SetFocus();
  Pump();
  EXPECT_EQ(g->Cells(2, 3), "one\r\ntwo\r\nthree");
}

}  // namespace
