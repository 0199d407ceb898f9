// The drop-down editor kinds of the grid, opened over a cell, used, and
// closed: Enter writes their value into the cell, Escape keeps the cell;
// and the grid drop-downs in a cell: typing narrows and completes, the
// pop-up picks.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "GridEditFixture.h"
#include "controls/dropdown/GridDropDownEditors.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/StrUtils.h"
#include "grid/view/DivUzevDropDownEditors.h"

namespace {

using namespace testinput;

struct DropDownKindFixture : GridEditFixture {
  TEditorType kind = edNormal;
  std::function<void()> props;
  void SetUp() override {
    RegisterGridDropDownEditors();
    GridEditFixture::SetUp();
    g->OnGetEditorType = [this](TObject*, int c, int, TEditorType& e) {
      if (c == 1) e = kind;
    };
    g->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
      if (props) props();
    };
  }
  void Open(TEditorType Kind, int r = 2) {
    kind = Kind;
    Goto(1, r);
    PressKey(VK_F2);
    Pump();
  }
  TVevUrizazEvuvUduz* Shown() { return dynamic_cast<TVevUrizazEvuvUduz*>(g->EditCtrl()); }
  void ReplaceText(const std::string& Text) {
    SendMessage(Shown()->Handle(), EM_SETSEL, 0, -1);
    TypeText(Text);
  }
};

void Cities(TGridGridDropDown* D) {
  D->Items()->Clear();
  D->Columns()->Clear();
  D->Columns()->Add()->SetHeader("City");
  for (const char* c : {"Milan", "Munich", "Rome"}) D->Items()->Add()->Text()->Add(c);
}

void Fruits(TGridDivUzevDropDown* D) {
  D->Items()->Clear();
  D->Columns()->Clear();
  D->Columns()->Add()->SetHeader("Fruit");
  for (const char* c : {"Apple", "Banana", "Cherry", "Blackberry"}) D->Items()->Add()->Text()->Add(c);
}

TEST_F(DropDownKindFixture, EachKindWritesItsValueOnEnterAndKeepsTheCellOnEscape) {
  struct Case {
    TEditorType kind;
    std::string cell;
    // Uses the open editor; returns the value Enter is to write.
    std::function<std::string()> use;
  };
  const std::vector<Case> cases = {
      {edTrackbarDropDown, "5",
       [&] {
         ReplaceText("7");
         return std::string("7");
       }},
      {edMemoDropDown, "abc",
       [&] {
         ReplaceText("xyz");
         return std::string("xyz");
       }},
      {edCalculatorDropDown, "2",
       [&] {
         // Enter completes the calculation: 3 + 4.
         ReplaceText("3+4");
         return std::string("7");
       }},
      {edTimePickerDropDown, "10:00:00",
       [&] {
         TimePickerDropDown(g)->SetTime(EncodeTime(11, 15, 0, 0));
         return TimePickerDropDown(g)->Text();
       }},
      {edDetailDropDown, "",
       [&] {
         TypeText("b");
         return std::string("banana");
       }},
      {edGridDropDown, "Rome",
       [&] {
         ReplaceText("mu");
         return std::string("Munich");
       }},
      {edColorPickerDropDown, "",
       [&] {
         ColorPickerDropDown(g)->SetSelectedColor(0xFF0000);
         return ColorPickerDropDown(g)->SelectedColorText();
       }},
      {edImagePickerDropDown, "3",
       [&] {
         EXPECT_EQ(ImagePickerDropDown(g)->ImageIndex(), 3);
         ImagePickerDropDown(g)->SetItemIndex(1);
         return std::string("5");
       }},
      {edDivUzevDropDown, "Apple",
       [&] {
         ReplaceText("ch");
         return std::string("Cherry");
       }},
  };
  props = [this] {
    switch (kind) {
      case edDetailDropDown: {
        auto* d = DetailPickerDropDown(g);
        d->Items()->Clear();
        for (const char* c : {"Apple", "Banana"}) d->Items()->Add()->SetCaption(c);
        break;
      }
      case edGridDropDown:
        Cities(GridDropDown(g));
        break;
      case edDivUzevDropDown:
        Fruits(DivUzevDropDown(g));
        break;
      case edImagePickerDropDown: {
        auto* d = ImagePickerDropDown(g);
        d->Items()->Clear();
        d->Items()->Add()->SetImageIndex(3);
        d->Items()->Add()->SetImageIndex(5);
        break;
      }
      default:
        break;
    }
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    // Enter writes.
    g->SetCells(1, 2, c.cell);
    Open(c.kind);
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(g->EditControl(), c.kind);
    EXPECT_TRUE(Shown()->Visible());
    EXPECT_TRUE(Shown()->Focused());
    EXPECT_EQ(FindDropDownEditor(g, c.kind), Shown());
    const std::string value = c.use();
    EXPECT_NE(value, c.cell);
    PressKey(VK_RETURN);
    EXPECT_FALSE(g->EditMode());
    TWinControl* e = FindDropDownEditor(g, c.kind);
    EXPECT_FALSE(e->Visible());
    EXPECT_TRUE(g->Focused());
    if (c.kind == edCalculatorDropDown) {
      double v = 0;
      EXPECT_TRUE(TryStrToFloat(g->Cells(1, 2), v)) << g->Cells(1, 2);
      EXPECT_EQ(v, 7.0);
    } else {
      EXPECT_EQ(g->Cells(1, 2), value);
    }
    if (c.kind == edColorPickerDropDown) EXPECT_EQ(g->Colors(1, 2), static_cast<TColor>(0xFF0000));
    // Escape keeps the cell as it was.
    g->SetCells(1, 3, c.cell);
    Open(c.kind, 3);
    ASSERT_EQ(Shown(), e);
    c.use();
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(g->EditMode());
    EXPECT_FALSE(e->Visible());
    EXPECT_EQ(g->Cells(1, 3), c.cell);
    EXPECT_EQ(g->Row(), 3);
  }
}

TEST_F(DropDownKindFixture, WithAutoEditAnAcceptedEnterOpensTheNextCellsEditor) {
  g->Navigation()->SetAdvanceOnEnter(true);
  g->Navigation()->SetAdvanceDirection(adTopBottom);
  props = [this] {
    if (kind == edGridDropDown) Cities(GridDropDown(g));
  };
  struct Case {
    TEditorType kind;
    std::string typed, written;
  };
  const Case cases[] = {
      {edTrackbarDropDown, "7", "7"},
      {edMemoDropDown, "xyz", "xyz"},
      {edGridDropDown, "mu", "Munich"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    g->SetCells(1, 2, "");
    g->SetCells(1, 3, "");
    Open(c.kind);
    ReplaceText(c.typed);
    PressKey(VK_RETURN);
    EXPECT_EQ(g->Cells(1, 2), c.written);
    EXPECT_EQ(g->Row(), 3);
    EXPECT_TRUE(g->EditMode()) << "the editor of the cell below is open";
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown(), FindDropDownEditor(g, c.kind));
    EXPECT_TRUE(Shown()->Visible());
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(g->EditMode());
  }
  // Without AdvanceAutoEdit the next cell only becomes current.
  g->Navigation()->SetAdvanceAutoEdit(false);
  Open(edMemoDropDown);
  ReplaceText("abc");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Row(), 3);
  EXPECT_FALSE(g->EditMode());
}

TEST_F(DropDownKindFixture, ThePickedColourAndImageMayBeChangedBeforeTheyAreWritten) {
  props = [this] {
    if (kind != edImagePickerDropDown) return;
    auto* d = ImagePickerDropDown(g);
    d->Items()->Clear();
    for (int i : {3, 5}) d->Items()->Add()->SetImageIndex(i);
  };
  std::vector<std::string> log;
  g->OnColorSelected = [&](TObject*, int c, int r, TColor& colour, std::string& value) {
    log.push_back("colour " + std::to_string(c) + "," + std::to_string(r) + " " + value);
    colour = static_cast<TColor>(0x00FF00);
    value = "Lime!";
  };
  g->OnImageSelected = [&](TObject*, int c, int r, int& index) {
    log.push_back("image " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(index));
    index = 9;
  };
  g->SetCells(1, 2, "");
  Open(edColorPickerDropDown);
  ColorPickerDropDown(g)->SetSelectedColor(0xFF0000);
  const std::string blue = ColorPickerDropDown(g)->SelectedColorText();
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(1, 2), "Lime!");
  EXPECT_EQ(g->Colors(1, 2), static_cast<TColor>(0x00FF00));
  g->SetCells(1, 3, "3");
  Open(edImagePickerDropDown, 3);
  ImagePickerDropDown(g)->SetItemIndex(1);
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(1, 3), "9");
  EXPECT_EQ(log, (std::vector<std::string>{"colour 1,2 " + blue, "image 1,3 5"}));
  // Escape picks nothing: neither event fires.
  log.clear();
  Open(edColorPickerDropDown, 4);
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(log.empty());
}

TEST_F(DropDownKindFixture, DownLeavesTheCellUnlessThePopupIsOpen) {
  props = [this] { Cities(GridDropDown(g)); };
  g->SetCells(1, 2, "Rome");
  Open(edGridDropDown);
  ReplaceText("mi");
  PressKey(VK_DOWN);
  EXPECT_EQ(g->Cells(1, 2), "Milan");
  EXPECT_EQ(g->Row(), 3) << "Down with the pop-up closed moves on";
  // Alt+Down opens the pop-up; Down then moves in the list.
  Open(edGridDropDown, 3);
  PressKey(VK_DOWN, {ssAlt});
  ASSERT_TRUE(GridDropDown(g)->DroppedDown());
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  EXPECT_FALSE(GridDropDown(g)->DroppedDown());
  EXPECT_EQ(GridDropDown(g)->Text(), "Munich");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(1, 3), "Munich");
}

TEST_F(DropDownKindFixture, AGridDropDownInACellNarrowsAndPicks) {
  props = [this] {
    auto* d = DivUzevDropDown(g);
    Fruits(d);
    d->SetLookupMethod(lmNarrowDown);
    d->SetAutoShowDropDown(true);
  };
  g->SetCells(1, 2, "");
  Open(edDivUzevDropDown);
  auto* d = DivUzevDropDown(g);
  ASSERT_EQ(Shown(), d);
  TypeText("b");
  ASSERT_TRUE(d->DroppedDown());
  TDedAdararAdoz* pg = d->Grid();
  ASSERT_NE(pg, nullptr);
  EXPECT_EQ(pg->RowCount(), 3) << "the header and two rows with b";
  TypeText("l");
  EXPECT_EQ(pg->RowCount(), 2);
  EXPECT_EQ(pg->Cells(0, 1), "Blackberry");
  // Return in the pop-up grid picks the row; Return in the edit ends the edit.
  pg->SetFocus();
  Pump();
  PressKey(VK_RETURN);
  EXPECT_FALSE(d->DroppedDown());
  EXPECT_EQ(d->Text(), "Blackberry");
  PressKey(VK_RETURN);
  EXPECT_FALSE(g->EditMode());
  EXPECT_EQ(g->Cells(1, 2), "Blackberry");
}

TEST_F(DropDownKindFixture, ARefusedValueStaysAndStopsTheAdvanceUntilTheKeyComesUp) {
  props = [this] { Cities(GridDropDown(g)); };
  g->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) {
    valid = v != "Munich";
    if (!valid) v = "Rome";
  };
  g->SetCells(1, 2, "Milan");
  Open(edGridDropDown);
  ReplaceText("mu");
  KeyDown(VK_RETURN);
  Pump();
  EXPECT_TRUE(g->EditMode()) << "the editor stays open";
  EXPECT_EQ(GridDropDown(g)->Text(), "Rome");
  EXPECT_EQ(g->Row(), 2);
  EXPECT_TRUE(g->NoAutoAdvance());
  KeyUp(VK_RETURN);
  Pump();
  EXPECT_FALSE(g->NoAutoAdvance());
  // An accepted value does not set it.
  ReplaceText("mi");
  KeyDown(VK_RETURN);
  Pump();
  EXPECT_FALSE(g->EditMode());
  EXPECT_FALSE(g->NoAutoAdvance());
  KeyUp(VK_RETURN);
  EXPECT_EQ(g->Cells(1, 2), "Milan");
}

TEST_F(DropDownKindFixture, HeaderAndFooterButtonsReportToTheGridWithTheCurrentCell) {
  std::vector<std::string> got;
  g->OnDropDownHeaderButtonClick = [&](TObject* s, int c, int r, int i) {
    EXPECT_EQ(s, g);
    got.push_back("header " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i));
  };
  g->OnDropDownFooterButtonClick = [&](TObject*, int c, int r, int i) {
    got.push_back("footer " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i));
  };
  for (TEditorType k : {edMemoDropDown, edColorPickerDropDown, edDivUzevDropDown}) {
    SCOPED_TRACE(static_cast<int>(k));
    got.clear();
    Open(k, 3);
    auto* d = Shown();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(d->OnDropDownHeaderButtonClick);
    d->OnDropDownHeaderButtonClick(d, 2);
    d->OnDropDownFooterButtonClick(d, 0);
    EXPECT_EQ(got, (std::vector<std::string>{"header 1,3 2", "footer 1,3 0"}));
    PressKey(VK_ESCAPE);
  }
}

TEST_F(DropDownKindFixture, TheTypingEditorsPutTheCaretUnderTheClickThatOpenedThem) {
  g->MouseActions()->SetCaretPositioning(true);
  g->SetColWidths(1, 200);
  for (TEditorType k : {edMemoDropDown, edCalculatorDropDown, edTrackbarDropDown}) {
    SCOPED_TRACE(static_cast<int>(k));
    kind = k;
    const std::string text = k == edTrackbarDropDown ? "10" : "123456789";
    g->SetCells(1, 2, text);
    Goto(1, 2);
    const TRect r = g->CellRect(1, 2);
    // Near the text's middle (the track bar's two digits: between them).
    const int x = r.Left + (k == edTrackbarDropDown ? 8 : 30);
    MouseDown(g, x, r.Top + 4);
    MouseUp(g, x, r.Top + 4);
    Pump();
    if (!g->EditMode()) {
      PressKey(VK_F2);
      Pump();
    }
    auto* d = Shown();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(d->Focused());
    EXPECT_EQ(d->SelLength(), 0);
    EXPECT_GT(d->SelStart(), 0);
    EXPECT_LT(d->SelStart(), static_cast<int>(text.size()));
    EXPECT_FALSE(g->EditOpenedByClick());
    PressKey(VK_ESCAPE);
  }
}

}  // namespace
