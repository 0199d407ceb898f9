// The grid drop-down: completion and typed lookup as tables of typed
// texts, narrowing the pop-up grid down, the item index, the pop-up's
// height and its grid's choosing, wheel and Return.
#include "controls/dropdown/VevCustomGridDropDown.h"

#include <algorithm>
#include <string>
#include <vector>

#include "KindSupport.h"
#include "framework/rtl/StrUtils.h"

namespace {

using namespace testinput;

struct GridDropFixture : KindFixture<TCustomDivUzevDropDown> {
  void Items(std::initializer_list<std::vector<std::string>> Rows, int Columns = 1) {
    dd->Columns()->Clear();
    for (int i = 0; i < Columns; ++i) dd->Columns()->Add()->SetHeader("H" + std::to_string(i));
    for (const auto& r : Rows) {
      auto* it = dd->Items()->Add();
      for (const auto& t : r) it->Text()->Add(t);
    }
    dd->EndUpdate();
  }
  // The edit's text with the selection marked "[...]" (or the caret "|").
  std::string Shown() const {
    std::u32string t = Utf8ToUtf32(dd->RawText());
    const int s = dd->SelStart(), l = dd->SelLength();
    if (l == 0) {
      t.insert(static_cast<size_t>(s), U"|");
    } else {
      t.insert(static_cast<size_t>(s + l), U"]");
      t.insert(static_cast<size_t>(s), U"[");
    }
    return Utf32ToUtf8(t);
  }
  TCustomDivUzevDropDown::TVevColGrid* Grid() const { return dd->GetGrid(); }
  // The lookup-column texts of the rows the grid shows.
  std::vector<std::string> ShownRows() const {
    std::vector<std::string> v;
    for (int r = Grid()->FixedRows(); r < Grid()->RowCount(); ++r) v.push_back(Grid()->Cells(0, r));
    return v;
  }
};

TEST_F(GridDropFixture, TypedTextCompletesAndLooksUp) {
  struct Case {
    TLookupMethod method;
    TDropDownStyle style;
    bool caseSensitive;
    std::string typed;
    std::string shown;
    int index;
  };
  const std::vector<Case> cases = {
      {lmLookup, dsDropDown, false, "a", "A[pple]", 0},
      {lmLookup, dsDropDown, false, "av", "av[ocado]", 2},
      {lmLookup, dsDropDown, false, "b", "B[anana]", 1},
      {lmLookup, dsDropDown, false, "bx", "Bx|", 1},
      {lmLookup, dsDropDown, true, "A", "A[pple]", 0},
      {lmNone, dsDropDown, false, "ba", "Ba[nana]", 1},
      {lmLookup, dsDropDown, false, "ÄR", "Är[ger]", 3},
      {lmLookup, dsDropDownList, false, "b", "[Banana]", 1},
      {lmLookup, dsDropDownList, false, "bx", "[Banana]", 1},
      {lmLookup, dsDropDownList, false, "ba", "[Banana]", 1},
  };
  Items({{"Apple"}, {"Banana"}, {"avocado"}, {"Ärger"}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    dd->SetLookupMethod(c.method);
    dd->SetStyle(c.style);
    dd->SetCaseSensitive(c.caseSensitive);
    dd->SetItemIndex(-1);
    other->SetFocus();
    dd->SetFocus();
    Pump();
    EXPECT_EQ(dd->LookupEntry(), "");
    TypeText(c.typed);
    if (c.style == dsDropDownList) {
      // The whole text is the item's; nothing is typed into the edit.
      EXPECT_EQ(dd->Text(), Utf32ToUtf8(Utf8ToUtf32(c.shown).substr(1, Utf8ToUtf32(c.shown).size() - 2)));
    } else {
      EXPECT_EQ(Shown(), c.shown);
    }
    EXPECT_EQ(dd->ItemIndex(), c.index);
  }
}

TEST_F(GridDropFixture, ListStyleTriesTheLastCharacterAloneAndForgetsTheEntry) {
  Items({{"Apple"}, {"Banana"}, {"Xenon"}});
  dd->SetStyle(dsDropDownList);
  TypeText("b");
  EXPECT_EQ(dd->LookupEntry(), "b");
  TypeText("x");
  EXPECT_EQ(dd->LookupEntry(), "x") << "x alone finds Xenon";
  EXPECT_EQ(dd->Text(), "Xenon");
  TypeText("q");
  EXPECT_EQ(dd->LookupEntry(), "") << "neither xq nor q: the entry is emptied";
  EXPECT_EQ(dd->Text(), "Xenon");
  // End and Home pick the last and the first item.
  PressKey(VK_HOME);
  EXPECT_EQ(dd->ItemIndex(), 0);
  PressKey(VK_END);
  EXPECT_EQ(dd->ItemIndex(), 2);
}

TEST_F(GridDropFixture, LookupTextAndTheItemIndex) {
  Items({{"one", "1"}, {"two", "2"}, {"three"}}, 2);
  std::string full = "x";
  int row = 5;
  EXPECT_FALSE(dd->LookupText("", full, row));
  EXPECT_EQ(row, -1);
  EXPECT_EQ(full, "");
  EXPECT_TRUE(dd->LookupText("TH", full, row));
  EXPECT_EQ(full, "three");
  EXPECT_EQ(row, 2);
  dd->SetItemIndex(1);
  EXPECT_EQ(dd->Text(), "two");
  dd->SetItemIndex(3);
  EXPECT_EQ(dd->ItemIndex(), 1) << "the item count is no index";
  EXPECT_EQ(dd->Text(), "two");
  dd->SetItemIndex(-1);
  EXPECT_EQ(dd->ItemIndex(), -1);
  EXPECT_EQ(dd->Text(), "");
  // A lookup column beyond an item's texts reads as empty.
  dd->SetLookupColumn(1);
  dd->SetItemIndex(2);
  EXPECT_EQ(dd->Text(), "");
  dd->SetLookupColumn(-1);
  dd->SetItemIndex(0);
  EXPECT_EQ(dd->Text(), "");
  EXPECT_FALSE(dd->LookupText("o", full, row));
}

TEST_F(GridDropFixture, NarrowingDownKeepsTheRowsThatContainTheEntry) {
  Items({{"Cabin"}, {"table"}, {"ABle"}, {"robot"}, {"baby"}});
  dd->SetLookupMethod(lmNarrowDown);
  TypeText("a");
  EXPECT_EQ(ShownRows(), (std::vector<std::string>{"Cabin", "table", "ABle", "baby"}));
  TypeText("b");
  EXPECT_EQ(ShownRows(), (std::vector<std::string>{"Cabin", "table", "ABle", "baby"}));
  EXPECT_EQ(Shown(), "Ca[bin]") << "the first row's text, the part after the entry selected";
  TypeText("l");
  EXPECT_EQ(ShownRows(), (std::vector<std::string>{"table", "ABle"}));
  PressKey(VK_BACK);
  EXPECT_EQ(dd->LookupEntry(), "ab");
  // Entering the control again shows every row.
  other->SetFocus();
  dd->SetFocus();
  Pump();
  EXPECT_EQ(ShownRows().size(), 5u);
  EXPECT_EQ(dd->LookupEntry(), "");
}

TEST_F(GridDropFixture, ThePopupShowsWholeRowsAndSurvivesARowHeightOfZero) {
  Items({{"a"}, {"b"}, {"c"}, {"d"}, {"e"}, {"f"}, {"g"}, {"h"}, {"i"}, {"j"}});
  dd->DropDownHeader()->SetVisible(false);
  dd->DropDownFooter()->SetVisible(false);
  dd->ShowDropDown();
  Pump();
  ASSERT_TRUE(dd->DroppedDown());
  EXPECT_EQ(dd->DropDownForm()->Height(), 25 + 2 + 7 * 22 + 4);
  dd->HideDropDown(true);
  dd->SetDropDownRowHeight(0);
  dd->ResetUserDropDownSize();
  dd->ShowDropDown();
  Pump();
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_EQ(dd->DropDownForm()->Height(), 200);
  dd->HideDropDown(true);
}

TEST_F(GridDropFixture, ThePopupGridChoosesByReturnAndClickButNotByTheWheel) {
  Items({{"a", "x"}, {"b", "y"}, {"c", "z"}}, 2);
  int selects = 0;
  dd->OnSelect = [&](TObject*) { ++selects; };
  dd->SetItemIndex(0);
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  auto* g = Grid();
  EXPECT_EQ(g->RowCount(), 4);
  EXPECT_EQ(g->Cells(1, 0), "H1");
  EXPECT_EQ(g->Cells(1, 2), "y");
  EXPECT_EQ(g->Row(), 1);
  EXPECT_TRUE(g->Focused());
  // A wheel step moves the row, not the choice; closing keeps the choice.
  Wheel(g, -120);
  EXPECT_GT(g->Row(), 1);
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(dd->Text(), "a");
  dd->HideDropDown(false);
  EXPECT_EQ(dd->ItemIndex(), 0);
  EXPECT_EQ(dd->Text(), "a");
  // The arrows and Return in the grid choose and close, with one OnSelect.
  PressKey(VK_F4);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(dd->ItemIndex(), 2);
  PressKey(VK_RETURN);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->Text(), "c");
  // Escape in the grid puts the earlier choice back.
  PressKey(VK_F4);
  PressKey(VK_UP);
  EXPECT_EQ(dd->ItemIndex(), 1);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 2);
  // A click on a data row chooses it; one on the header does not.
  PressKey(VK_F4);
  TRect h = g->CellRect(0, 0);
  Click(g, h.Left + 3, h.Top + 3);
  EXPECT_TRUE(dd->DroppedDown());
  EXPECT_EQ(selects, 1);
  TRect r = g->CellRect(0, 1);
  Click(g, r.Left + 3, r.Top + 3);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(selects, 2);
  EXPECT_EQ(dd->ItemIndex(), 0);
}

TEST_F(GridDropFixture, KeysInTheEditMoveTheChoiceAndAnOpenGridFollows) {
  Items({{"a"}, {"b"}, {"c"}});
  PressKey(VK_DOWN);
  EXPECT_EQ(dd->ItemIndex(), 0);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_EQ(dd->ItemIndex(), 2);
  PressKey(VK_PRIOR);
  EXPECT_EQ(dd->ItemIndex(), 0);
  // Typed with the pop-up open and taken with Return in the edit.
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  dd->SetFocus();
  Pump();
  TypeText("c");
  PressKey(VK_RETURN);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 2);
  EXPECT_EQ(dd->Text(), "c");
}

TEST_F(GridDropFixture, ReturnIsTabMovesTheFocusOn) {
  Items({{"Milan"}, {"Munich"}});
  dd->SetReturnIsTab(true);
  dd->SetText("munich");
  PressKey(VK_RETURN);
  Pump();
  EXPECT_EQ(dd->ItemIndex(), 1);
  EXPECT_EQ(dd->Text(), "Munich");
  EXPECT_TRUE(other->Focused());
}

TEST_F(GridDropFixture, ThePopupGridsAnchorSizingAndMovingEventsReachTheDropDown) {
  Items({{"a"}, {"b"}, {"c"}});
  std::vector<std::string> got;
  auto note = [&](const std::string& What, int A, int B) {
    got.push_back(What + " " + std::to_string(A) + "," + std::to_string(B));
  };
  dd->OnGridAnchorEnter = [&](TObject*, int r, int c, const std::string& a) { note("enter " + a, r, c); };
  dd->OnGridAnchorExit = [&](TObject*, int r, int c, const std::string& a) { note("exit " + a, r, c); };
  dd->OnGridColumnSizing = [&](TObject*, int c, int s) { note("colsizing", c, s); };
  dd->OnGridRowSizing = [&](TObject*, int r, int s) { note("rowsizing", r, s); };
  // The moves are refused: the refusal must reach the grid.
  auto refuse = [&](const char* What) {
    return [&, What](TObject*, int i, bool& Allow) {
      note(What, i, 0);
      Allow = false;
    };
  };
  dd->OnGridRowMove = refuse("rowmove");
  dd->OnGridRowMoving = refuse("rowmoving");
  dd->OnGridColumnMove = refuse("colmove");
  dd->OnGridColumnMoving = refuse("colmoving");
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  auto* g = Grid();
  g->OnAnchorEnter(g, 1, 0, "x.htm");
  g->OnAnchorExit(g, 1, 0, "x.htm");
  g->OnColumnSizing(g, 0, 40);
  g->OnRowSizing(g, 2, 18);
  for (auto* e : {&g->OnRowMove, &g->OnRowMoving, &g->OnColumnMove, &g->OnColumnMoving}) {
    bool allow = true;
    (*e)(g, 1, allow);
    EXPECT_FALSE(allow);
  }
  EXPECT_EQ(got,
            (std::vector<std::string>{"enter x.htm 1,0", "exit x.htm 1,0", "colsizing 0,40", "rowsizing 2,18",
                                      "rowmove 1,0", "rowmoving 1,0", "colmove 1,0", "colmoving 1,0"}));
}

// Narrowing the pop-up down by typing: the edit's text, ItemIndex and the
// grid's current row must name the same item on every path, and Return
// takes that item.
struct NarrowFixture : GridDropFixture {
  static constexpr const char* kFruits[] = {
      "Apple",      "Apricot", "Banana", "Blackberry", "Blueberry", "Cherry",    "Damson",    "Fig",
      "Gooseberry", "Grape",   "Kiwi",   "Lemon",      "Lime",      "Mango",     "Melon",     "Nectarine",
      "Orange",     "Peach",   "Pear",   "Plum",       "Quince",    "Raspberry", "Strawberry"};
  void SetUp() override {
    GridDropFixture::SetUp();
    dd->Columns()->Add()->SetHeader("Fruit");
    for (const char* f : kFruits) dd->Items()->Add()->Text()->Add(f);
    dd->EndUpdate();
    dd->SetLookupMethod(lmNarrowDown);
  }
  // Named keys, "edit" (the edit takes the focus back) or typed text.
  void Step(const std::string& S) {
    if (S == "Down")
      PressKey(VK_DOWN);
    else if (S == "Back")
      PressKey(VK_BACK);
    else if (S == "Esc")
      PressKey(VK_ESCAPE);
    else if (S == "F4")
      PressKey(VK_F4);
    else if (S == "edit") {
      dd->SetFocus();
      Pump();
    } else
      TypeText(S);
  }
  std::string CurrentRow() const { return Grid()->Cells(0, Grid()->Row()); }
};

TEST_F(NarrowFixture, TheEditTheItemIndexAndTheHighlightedRowAgree) {
  struct Case {
    bool autoShow;
    std::vector<std::string> steps;
    std::string text;  // also the current row's text while open
    int index;
    bool open;
  };
  const std::vector<Case> cases = {
      // Opened by the first character: the grid takes the keys.
      {true, {"b"}, "Banana", 2, true},
      {true, {"b", "Down"}, "Blackberry", 3, true},
      {true, {"bl"}, "Blackberry", 3, true},
      {true, {"bl", "Down"}, "Blueberry", 4, true},
      // The first row holding "r" wins over the first item beginning with it.
      {true, {"r"}, "Apricot", 1, true},
      {true, {"ra"}, "Grape", 9, true},
      {true, {"bl", "Back"}, "Banana", 2, true},
      // The completion chose Banana before the pop-up opened: Escape keeps it.
      {true, {"b", "Esc"}, "Banana", 2, false},
      // Typed before opening.
      {false, {"b"}, "Banana", 2, false},
      {false, {"r", "F4"}, "Apricot", 1, true},
      {false, {"b", "F4", "Down"}, "Blackberry", 3, true},
      // Typed in the edit while the pop-up is open.
      {false, {"F4", "edit", "b"}, "Banana", 2, true},
      {false, {"F4", "edit", "r"}, "Apricot", 1, true},
      {false, {"F4", "edit", "bl", "Back"}, "Banana", 2, true},
      {false, {"F4", "edit", "ch"}, "Cherry", 5, true},
      {false, {"F4", "edit", "b", "Esc"}, "", -1, false},
      // No row holds the entry: no item, and Return takes none.
      {false, {"F4", "edit", "bx"}, "bx", -1, true},
      {true, {"bx"}, "bx", -1, true},
      {false, {"bx"}, "bx", -1, false},
  };
  for (const Case& c : cases) {
    std::string name;
    for (const auto& s : c.steps) name += s + " ";
    SCOPED_TRACE(name + (c.autoShow ? "(auto show)" : ""));
    dd->HideDropDown(true);
    dd->SetItemIndex(-1);
    dd->SetAutoShowDropDown(c.autoShow);
    other->SetFocus();
    dd->SetFocus();
    Pump();
    for (const auto& s : c.steps) Step(s);
    EXPECT_EQ(dd->Text(), c.text);
    EXPECT_EQ(dd->ItemIndex(), c.index);
    ASSERT_EQ(dd->DroppedDown(), c.open);
    if (!c.open) continue;
    if (c.index >= 0)
      EXPECT_EQ(CurrentRow(), c.text);
    else
      EXPECT_EQ(Grid()->RowCount(), Grid()->FixedRows());
    // Return takes the item shown, wherever the focus is.
    PressKey(VK_RETURN);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->Text(), c.text);
    EXPECT_EQ(dd->ItemIndex(), c.index);
  }
}

TEST_F(NarrowFixture, AClickOnANarrowedRowChoosesItsItem) {
  dd->SetAutoShowDropDown(true);
  TypeText("b");
  ASSERT_TRUE(dd->DroppedDown());
  auto* g = Grid();
  ASSERT_EQ(g->Cells(0, 3), "Blueberry");
  TRect r = g->CellRect(0, 3);
  Click(g, r.Left + 3, r.Top + 3);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->ItemIndex(), 4);
  EXPECT_EQ(dd->Text(), "Blueberry");
  // Opening again narrows to the same rows with the chosen one current.
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  EXPECT_EQ(CurrentRow(), "Blueberry");
  dd->HideDropDown(true);
}

TEST_F(NarrowFixture, AGridSourceNarrowsItsOwnRowsTheSameWay) {
  dd->SetUseItems(false);
  auto* g = Grid();
  g->SetColCount(1);
  g->SetRowCount(1 + static_cast<int>(std::size(kFruits)));
  g->SetCells(0, 0, "Fruit");
  for (size_t i = 0; i < std::size(kFruits); ++i) g->SetCells(0, static_cast<int>(i) + 1, kFruits[i]);
  dd->SetAutoShowDropDown(true);
  TypeText("b");
  ASSERT_TRUE(dd->DroppedDown());
  EXPECT_EQ(dd->Text(), "Banana");
  EXPECT_EQ(CurrentRow(), "Banana");
  PressKey(VK_DOWN);
  EXPECT_EQ(dd->Text(), "Blackberry");
  EXPECT_EQ(CurrentRow(), "Blackberry");
  PressKey(VK_RETURN);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->Text(), "Blackberry");
  EXPECT_EQ(dd->ItemIndex(), 1) << "the second row shown";
  // Entering again shows every row: the index follows Blackberry's row.
  other->SetFocus();
  dd->SetFocus();
  Pump();
  EXPECT_EQ(g->RowCount(), 1 + static_cast<int>(std::size(kFruits)));
  EXPECT_EQ(dd->ItemIndex(), 3);
  EXPECT_EQ(dd->Text(), "Blackberry");
  // A click on a narrowed row takes that row's text.
  other->SetFocus();
  dd->SetFocus();
  Pump();
  TypeText("b");
  ASSERT_TRUE(dd->DroppedDown());
  TRect r = g->CellRect(0, 3);
  Click(g, r.Left + 3, r.Top + 3);
  EXPECT_FALSE(dd->DroppedDown());
  EXPECT_EQ(dd->Text(), "Blueberry");
}

TEST_F(GridDropFixture, ThePopupGridsCellBalloonReachesTheDropDownWhichMayChangeIt) {
  Items({{"a"}, {"b"}});
  std::string seen;
  dd->OnGridCellBalloon = [&](TObject* Sender, int ACol, int ARow, std::string& ATitle, std::string& AText,
                              TBalloonIcon& AIcon) {
    EXPECT_EQ(Sender, Grid());
    seen = std::to_string(ACol) + "," + std::to_string(ARow) + " " + ATitle + "|" + AText;
    ATitle = "Choice";
    AIcon = biWarning;
  };
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  auto* g = Grid();
  ASSERT_TRUE(static_cast<bool>(g->OnCellBalloon));
  std::string title = " ", text = "b";
  TBalloonIcon icon = biInfo;
  g->OnCellBalloon(g, 0, 1, title, text, icon);
  EXPECT_EQ(seen, "0,1  |b");
  EXPECT_EQ(title, "Choice");
  EXPECT_EQ(icon, biWarning);
}

// A descendant that takes over two of the grid's forwarded events.
class TOwnGridDropDown : public TCustomDivUzevDropDown {
 public:
  using TCustomDivUzevDropDown::TCustomDivUzevDropDown;
  std::vector<std::string> Calls;

 protected:
  void DoGridGetCellColor(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush,
                          TFont* AFont) override {
    TCustomDivUzevDropDown::DoGridGetCellColor(Sender, ARow, ACol, AState, ABrush, AFont);
    Calls.push_back("color " + std::to_string(ACol) + "," + std::to_string(ARow));
    if (ARow == 1) ABrush->SetColor(clYellow);
  }
  void DoGridRightClickCell(TObject*, int ARow, int ACol) override {
    Calls.push_back("right " + std::to_string(ACol) + "," + std::to_string(ARow));
  }
};

using OwnGridDropFixture = KindFixture<TOwnGridDropDown>;

TEST_F(OwnGridDropFixture, ADescendantOverridingAForwardedGridEventSeesItsCalls) {
  dd->Columns()->Add()->SetHeader("H");
  dd->Columns()->Items(0)->SetColor(0x00FF00);
  dd->Items()->Add()->Text()->Add("a");
  dd->EndUpdate();
  bool published = false;
  dd->OnGridGetCellColor = [&](TObject*, int, int, TGridDrawState, TBrush*, TFont*) { published = true; };
  dd->OnGridRightClickCell = [&](TObject*, int, int) { published = true; };
  PressKey(VK_F4);
  ASSERT_TRUE(dd->DroppedDown());
  auto* g = dd->GetGrid();
  TBrush brush;
  TFont font;
  g->OnGetCellColor(g, 1, 0, TGridDrawState(), &brush, &font);
  EXPECT_EQ(brush.Color(), clYellow);
  // The base's own step still runs when the override calls it.
  EXPECT_TRUE(published);
  published = false;
  g->OnRightClickCell(g, 1, 0);
  EXPECT_FALSE(published) << "the override replaced the forwarding";
  // The grid's own painting asked the override too.
  EXPECT_GT(std::count(dd->Calls.begin(), dd->Calls.end(), "color 0,1"), 1);
  EXPECT_EQ(dd->Calls.back(), "right 0,1");
}

}  // namespace
