#include "grid/base/UndoRedo.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// A grid reduced to what the history needs: cells, a current cell, and a
// column map with one hidden column in front (display = storage - 1).
class FakeGrid : public TComponent, public TGridCellLink {
 public:
  FakeGrid() : TComponent(nullptr) {}

  TComponent* LinkComponent() override { return this; }
  const std::string& GetCellEx(int ACol, int ARow) override { return cells[{ACol, ARow}]; }
  void SetCellEx(int ACol, int ARow, const std::string& Value) override {
    cells[{ACol, ARow}] = Value;
    writes.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + "=" + Value);
  }
  int DisplColIndex(int ACol) override { return ACol - 1; }
  void SetCurrentCell(int ACol, int ARow) override {
    col = ACol;
    row = ARow;
  }
  void RepaintCell(int, int) override { ++repaints; }
  void InvalidateGrid() override { ++invalidations; }

  // What an edit does: write the cell and record the change.
  void Edit(TDivUzevUndoRedo& undo, int ACol, int ARow, const std::string& Value) {
    const std::string old = cells[{ACol, ARow}];
    cells[{ACol, ARow}] = Value;
    undo.RegisterChange(ACol, ARow, old, Value);
  }

  std::string Cell(int ACol, int ARow) { return cells[{ACol, ARow}]; }

  std::map<std::pair<int, int>, std::string> cells;
  std::vector<std::string> writes;
  int col = 0, row = 0, repaints = 0, invalidations = 0;
};

struct UndoFixture {
  FakeGrid grid;
  TDivUzevUndoRedo undo{nullptr};
  UndoFixture() { undo.SetGrid(&grid); }
};

}  // namespace

TEST(UndoRedo, UndoesAndRedoesSingleChanges) {
  UndoFixture f;
  f.grid.Edit(f.undo, 2, 1, "a");
  f.grid.Edit(f.undo, 3, 4, "b");
  EXPECT_TRUE(f.undo.CanUndo());
  EXPECT_FALSE(f.undo.CanRedo());

  f.undo.Undo();
  EXPECT_EQ(f.grid.Cell(3, 4), "");
  EXPECT_EQ(f.grid.col, 2);  // display column of storage column 3
  EXPECT_EQ(f.grid.row, 4);
  EXPECT_EQ(f.grid.repaints, 1);
  f.undo.Undo();
  EXPECT_EQ(f.grid.Cell(2, 1), "");
  EXPECT_FALSE(f.undo.CanUndo());
  f.undo.Undo();  // nothing left
  EXPECT_EQ(f.grid.writes.size(), 2u);

  f.undo.Redo();
  f.undo.Redo();
  EXPECT_EQ(f.grid.Cell(2, 1), "a");
  EXPECT_EQ(f.grid.Cell(3, 4), "b");
  EXPECT_FALSE(f.undo.CanRedo());
  EXPECT_EQ(f.undo.Level(), 2);
}

TEST(UndoRedo, NewChangeDropsWhatWasUndone) {
  UndoFixture f;
  f.grid.Edit(f.undo, 1, 1, "one");
  f.grid.Edit(f.undo, 1, 2, "two");
  f.undo.Undo();
  f.undo.Undo();
  f.grid.Edit(f.undo, 1, 3, "three");
  EXPECT_EQ(f.undo.Items()->Count(), 1);
  EXPECT_EQ(f.undo.Level(), 1);
  EXPECT_FALSE(f.undo.CanRedo());

  f.grid.writes.clear();
  f.undo.Undo();
  f.undo.Undo();  // the older changes were undone already: nothing is written again
  EXPECT_EQ(f.grid.writes, std::vector<std::string>{"1,3="});
  EXPECT_EQ(f.grid.Cell(1, 1), "");
  EXPECT_EQ(f.grid.Cell(1, 2), "");
}

TEST(UndoRedo, GroupIsOneStep) {
  UndoFixture f;
  std::vector<std::string> log;
  f.undo.OnUndo = [&](TObject*, TComponent* grid, int c, int r, const std::string& orig,
                      const std::string& now) {
    EXPECT_EQ(grid, &f.grid);
    log.push_back("undo " + std::to_string(c) + "," + std::to_string(r) + " " + orig + "->" + now);
  };
  f.undo.OnRedo = [&](TObject*, TComponent*, int c, int r, const std::string& orig, const std::string& now) {
    log.push_back("redo " + std::to_string(c) + "," + std::to_string(r) + " " + orig + "->" + now);
  };
  f.grid.cells[{1, 1}] = "x";
  f.undo.StartSequence();
  f.grid.Edit(f.undo, 1, 1, "A");
  f.grid.Edit(f.undo, 1, 2, "B");
  f.undo.StopSequence();

  f.undo.Undo();
  EXPECT_EQ(f.undo.Level(), 0);
  EXPECT_EQ(f.grid.invalidations, 1);
  f.undo.Redo();
  EXPECT_EQ(f.undo.Level(), 4);
  EXPECT_EQ(log,
            (std::vector<std::string>{"undo 1,2 B->", "undo 1,1 A->x", "redo 1,1 x->A", "redo 1,2 ->B"}));
  EXPECT_EQ(f.grid.writes.size(), 4u);  // markers are never written
}

TEST(UndoRedo, OpenGroupIsRedoneCompletely) {
  UndoFixture f;
  f.undo.StartSequence();
  f.grid.Edit(f.undo, 1, 1, "A");
  f.grid.Edit(f.undo, 1, 2, "B");
  f.undo.Undo();
  f.undo.Undo();
  f.undo.Undo();  // over the start marker
  EXPECT_EQ(f.undo.Level(), 0);
  f.undo.Redo();
  EXPECT_EQ(f.grid.Cell(1, 1), "A");
  EXPECT_EQ(f.grid.Cell(1, 2), "B");
  EXPECT_EQ(f.undo.Level(), 3);
  EXPECT_FALSE(f.undo.CanRedo());
}

TEST(UndoRedo, MaxLevelTrimsWholeStepsAndLevelStaysInRange) {
  {
    UndoFixture f;
    f.undo.SetMaxLevel(2);
    for (int r = 1; r <= 3; ++r) f.grid.Edit(f.undo, 1, r, "v");
    EXPECT_EQ(f.undo.Items()->Count(), 2);
    EXPECT_EQ(f.undo.Items()->Items(0)->Row(), 2);
  }
  {
    // A closed group that no longer fits goes as a whole.
    UndoFixture f;
    f.undo.SetMaxLevel(4);
    f.undo.StartSequence();
    f.grid.Edit(f.undo, 1, 1, "a");
    f.grid.Edit(f.undo, 1, 2, "b");
    f.undo.StopSequence();
    f.grid.Edit(f.undo, 1, 3, "c");
    EXPECT_EQ(f.undo.Items()->Count(), 1);
    f.undo.Undo();
    f.undo.Undo();
    EXPECT_EQ(f.undo.Level(), 0);
    EXPECT_EQ(f.grid.Cell(1, 1), "a");  // beyond the history: kept
  }
  {
    // An open group loses its start marker; undoing it never goes below 0
    // and redo never reads outside the history.
    UndoFixture f;
    f.undo.SetMaxLevel(2);
    f.undo.StartSequence();
    f.grid.Edit(f.undo, 1, 1, "a");
    f.grid.Edit(f.undo, 1, 2, "b");
    f.undo.StopSequence();
    f.undo.Undo();
    EXPECT_EQ(f.undo.Level(), 0);
    EXPECT_EQ(f.grid.Cell(1, 1), "");
    EXPECT_EQ(f.grid.Cell(1, 2), "");
    f.undo.Undo();
    EXPECT_EQ(f.undo.Level(), 0);
    for (int i = 0; i < 5; ++i) f.undo.Redo();
    EXPECT_EQ(f.undo.Level(), f.undo.Items()->Count());
    EXPECT_EQ(f.grid.Cell(1, 1), "a");
    EXPECT_EQ(f.grid.Cell(1, 2), "b");
  }
}

TEST(UndoRedo, ResetLeavesNothingToUndo) {
  UndoFixture f;
  f.grid.Edit(f.undo, 1, 1, "a");
  f.undo.Reset();
  EXPECT_FALSE(f.undo.CanUndo());
  EXPECT_FALSE(f.undo.CanRedo());
  f.undo.Undo();
  f.undo.Redo();
  EXPECT_EQ(f.grid.Cell(1, 1), "a");
  EXPECT_TRUE(f.grid.writes.empty());
}

TEST(UndoRedo, ForgetsAGridThatIsFreed) {
  auto grid = std::make_unique<FakeGrid>();
  TDivUzevUndoRedo undo(nullptr);
  undo.SetGrid(grid.get());
  grid->Edit(undo, 1, 1, "a");
  grid.reset();
  EXPECT_EQ(undo.Grid(), nullptr);
  undo.Undo();  // no grid: nothing happens
  EXPECT_EQ(undo.Level(), 1);
}

TEST(UndoRedo, CellCheckerBaseLeavesTextsAlone) {
  TDedAdararAdozCheck check(nullptr);
  EXPECT_EQ(check.Correct(1, 2, "abc"), "abc");
  EXPECT_EQ(check.MarkError(1, 2, "abc"), "abc");
  EXPECT_FALSE(check.AutoCorrect() || check.AutoMarkError() || check.GotoCell() || check.UseCorrect() ||
               check.UseMarkError());
}

// A handler may reset the history while a step is being undone: the step
// still lands and nothing is read from the emptied history.
TEST(UndoRedo, AHandlerThatResetsTheHistoryEndsTheUndo) {
  for (bool group : {false, true}) {
    SCOPED_TRACE(group ? "group" : "single");
    UndoFixture f;
    f.grid.cells[{1, 1}] = "x";
    if (group) f.undo.StartSequence();
    f.grid.Edit(f.undo, 1, 1, "a long text that lives on the heap, not in the string");
    f.grid.Edit(f.undo, 1, 2, "B");
    if (group) f.undo.StopSequence();
    int calls = 0;
    f.undo.OnUndo = [&](TObject*, TComponent*, int, int, const std::string&, const std::string&) {
      ++calls;
      f.undo.Reset();
    };
    f.undo.Undo();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(f.undo.Level(), 0);
    EXPECT_EQ(f.grid.Cell(1, 2), "");
    f.undo.Undo();
    f.undo.Redo();
    EXPECT_EQ(calls, 1);
  }
}
