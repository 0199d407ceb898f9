// Validation of an edited value, the update lock, the grid timer's duties
// and opening the editor when the grid takes the focus.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "GridEditFixture.h"
#include "framework/controls/Forms.h"
#include "framework/controls/ToolTips.h"
#include "grid/base/UndoRedo.h"

namespace {

using namespace testinput;

// ---------------------------------------------------------------------------
// Validation

TEST_F(GridEditFixture, AValidatorSeesChangedValuesOnlyUnlessAlwaysAsked) {
  int calls = 0;
  g->OnCellValidate = [&](TObject*, int, int, std::string&, bool&) { ++calls; };
  g->SetCells(2, 3, "same");
  for (bool always : {false, true}) {
    calls = 0;
    g->SetAlwaysValidate(always);
    Goto(2, 3);
    PressKey(VK_F2);
    PressKey(VK_RETURN);
    EXPECT_EQ(calls, always ? 1 : 0) << always;
    EXPECT_EQ(g->Cells(2, 3), "same");
  }
}

TEST_F(GridEditFixture, ARefusedValueGoesBackOrIsReplacedAndTheEditorStaysOnTheCell) {
  struct Case {
    const char* what;
    std::function<void(std::string&, bool&)> validate;
    const char* cell;
    const char* editor;
  };
  const Case cases[] = {
      {"refused as it came", [](std::string&, bool& valid) { valid = false; }, "old", "wrong"},
      {"refused with a replacement",
       [](std::string& v, bool& valid) {
         valid = false;
         v = "fixed";
       },
       "fixed", "fixed"},
      {"accepted in another form", [](std::string& v, bool&) { v = "[" + v + "]"; }, "[wrong]", nullptr},
  };
  for (const Case& c : cases) {
    g->SetGridModified(false);
    g->OnCellValidate = [&](TObject*, int, int, std::string& v, bool& valid) { c.validate(v, valid); };
    g->SetCells(2, 3, "old");
    Goto(2, 3);
    TypeText("wrong");
    PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(g->Cells(2, 3), c.cell) << c.what;
    EXPECT_EQ(g->Row(), 3) << c.what;
    if (c.editor != nullptr) {
      ASSERT_TRUE(EditorShown()) << c.what;
      EXPECT_EQ(Editor()->Text(), c.editor) << c.what;
      EXPECT_FALSE(g->GridModified()) << c.what << ": modified as before the edit";
      g->OnCellValidate = nullptr;
      PressKey(VK_ESCAPE);
      EXPECT_EQ(g->Cells(2, 3), "old") << c.what << ": Escape brings the cell's own text back";
    } else {
      EXPECT_FALSE(EditorShown()) << c.what;
      EXPECT_TRUE(g->GridModified()) << c.what;
    }
  }
}

TEST_F(GridEditFixture, ARefusedValueSaysWhyUnderTheEditor) {
  g->SetInvalidEntryTitle("Port");
  g->SetInvalidEntryText("Enter a number from 1 to 65535");
  g->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) {
    valid = v.find_first_not_of("0123456789") == std::string::npos;
  };
  Goto(2, 3);
  TypeText("80a");
  PressKey(VK_RETURN);
  Pump();
  ASSERT_NE(g->InvalidEntryHint(), nullptr);
  EXPECT_TRUE(g->InvalidEntryHint()->Shown());
  EXPECT_EQ(g->InvalidEntryHint()->Title(), "Port");
  EXPECT_EQ(g->InvalidEntryHint()->Text(), "Enter a number from 1 to 65535");
  EXPECT_EQ(g->InvalidEntryHint()->Icon(), ttiWarning) << "the default icon";
  ASSERT_TRUE(EditorShown());
  EXPECT_GE(g->InvalidEntryHint()->Top(), Editor()->ClientToScreen(TPoint(0, 0)).Y);
  // The refused text is all selected, ready to be typed over or mended.
  EXPECT_EQ(Editor()->SelLength(), 3);
  PressKey(VK_END);
  PressKey(VK_BACK);
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "80");
  EXPECT_FALSE(g->InvalidEntryHint()->Shown());
}

TEST_F(GridEditFixture, AnAcceptedChangeIsRegisteredOnceAndAnnounced) {
  TDivUzevUndoRedo undo(form);
  g->SetUndoRedo(&undo);
  std::vector<TRect> changed;
  g->OnCellsChanged = [&](TObject*, const TRect& r) { changed.push_back(r); };
  g->SetCells(2, 3, "before");
  Goto(2, 3);
  TypeText("after");
  PressKey(VK_RETURN);
  EXPECT_EQ(undo.Items()->Count(), 1);
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0], TRect(2, 3, 2, 3));
  undo.Undo();
  EXPECT_EQ(g->Cells(2, 3), "before");
  g->SetUndoRedo(nullptr);
}

// ---------------------------------------------------------------------------
// The update lock

struct CountingGrid : TDedAdararAdoz {
  using TDedAdararAdoz::TDedAdararAdoz;
  int painted = 0;
  void DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override {
    ++painted;
    TDedAdararAdoz::DrawGridCell(ACanvas, ACol, ARow, ARect, AState);
  }
};

TEST(DivUzevUpdateLock, NestedLevelsHoldPaintingUntilTheLastEnd) {
  ResetKeyboardState();
  TForm* form = NewPointerForm(300, 200);
  auto* g = new CountingGrid(form);
  g->SetParent(form);
  g->SetBounds(0, 0, 280, 180);
  ShowForm(form);
  Pump();
  g->BeginUpdate();
  g->BeginUpdate();
  g->EndUpdate();
  EXPECT_TRUE(g->LockUpdate());
  g->painted = 0;
  g->SetCells(1, 1, "while locked");
  g->Invalidate();
  g->Update();
  Pump();
  EXPECT_EQ(g->painted, 0);
  g->EndUpdate();
  EXPECT_FALSE(g->LockUpdate());
  g->Update();
  Pump();
  EXPECT_GT(g->painted, 0);
  // More ends than begins never go below zero.
  g->EndUpdate();
  EXPECT_EQ(g->UpdateCount(), 0);
  FreePointerForm(form);
}

TEST(DivUzevUpdateLock, ALockNeverSticksWhateverTheVisibilityOrAnException) {
  ResetKeyboardState();
  TForm* form = NewPointerForm(300, 200);
  auto* g = new CountingGrid(form);
  g->SetParent(form);
  ShowForm(form);
  // Begun while shown, ended while hidden (and the other way round).
  g->BeginUpdate();
  g->SetVisible(false);
  g->EndUpdate();
  EXPECT_FALSE(g->LockUpdate());
  g->BeginUpdate();
  g->SetVisible(true);
  g->EndUpdate();
  EXPECT_FALSE(g->LockUpdate());
  // A level held for a scope ends with it, also when an exception leaves.
  try {
    TDedAdararAdoz::TGridUpdate lock(g);
    EXPECT_TRUE(g->LockUpdate());
    throw std::runtime_error("handler failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(g->LockUpdate());
  g->SetLockUpdate(true);
  EXPECT_TRUE(g->LockUpdate());
  g->SetLockUpdate(false);
  EXPECT_FALSE(g->LockUpdate());
  FreePointerForm(form);
}

// ---------------------------------------------------------------------------
// The grid timer and the focus

TEST_F(GridEditFixture, TheIncrementalSearchTextIsForgottenOnTheFourthTick) {
  TTestClock clock;
  g->Navigation()->SetAutoGotoIncremental(true);
  g->SetIncrSearchText("ab");
  for (int tick = 1; tick <= 3; ++tick) {
    clock.Advance(500);
    EXPECT_EQ(g->IncrSearchText(), "ab") << tick;
  }
  clock.Advance(500);
  EXPECT_EQ(g->IncrSearchText(), "");
  EXPECT_GE(g->TimerTicks(), 4);
}

TEST_F(GridEditFixture, WithHoveringTheCurrentCellFollowsThePointer) {
  TTestClock clock;
  g->SetHovering(true);
  other->SetFocus();
  Pump();
  const TPoint p = CellCentre(3, 5);
  MouseMove(g, p.X, p.Y);
  clock.Advance(500);
  EXPECT_EQ(g->Col(), 3);
  EXPECT_EQ(g->Row(), 5);
  EXPECT_TRUE(g->Focused());
}

TEST_F(GridEditFixture, AlwaysEditOpensTheEditorWhenTheGridTakesTheFocus) {
  g->Navigation()->SetAlwaysEdit(true);
  g->SetCells(2, 3, "ready");
  Goto(2, 3);
  // The editor exists once it was shown.
  PressKey(VK_F2);
  PressKey(VK_ESCAPE);
  other->SetFocus();
  Pump();
  EXPECT_FALSE(EditorShown());
  g->SetFocus();
  Pump();
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Editor()->Text(), "ready");
  PressKey(VK_ESCAPE);
}

}  // namespace
