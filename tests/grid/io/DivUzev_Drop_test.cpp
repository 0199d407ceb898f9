// Drops onto the grid and drags out of it, driven through the window
// system's drag road: text and files of other programs, cells dragged from
// one grid to another by the mouse, what the grid's editing rules refuse,
// the final extension choosing the loader, and the marks and column moves of
// a drag over the header.
#include "grid/io/GridDrop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/classes/Streams.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Image.h"
#include "grid/base/VevCtrls.h"
#include "grid/view/DivUzevHeaderDragButton.h"
#include "support/DragDriver.h"
#include "support/Input.h"
#include "support/Responder.h"

namespace {

using namespace testinput;
namespace fs = std::filesystem;

const std::string kCellsMime = "application/x-cf30406-TDedAdararAdoz-Cells";

// Two grids side by side on a shown form, both taking drops.
struct GridDropFixture : ::testing::Test {
  TForm* form = nullptr;
  TDedAdararAdoz* src = nullptr;
  TDedAdararAdoz* dst = nullptr;
  fs::path dir;

  TDedAdararAdoz* MakeGrid(int Left) {
    auto* g = new TDedAdararAdoz(form);
    g->SetParent(form);
    g->SetBounds(Left, 0, 300, 260);
    g->SetColCount(5);
    g->SetRowCount(8);
    return g;
  }
  void SetUp() override {
    ResetKeyboardState();
    form = NewPointerForm(640, 300);
    src = MakeGrid(0);
    dst = MakeGrid(320);
    dst->SetOptions(dst->Options() << goEditing);
    ShowForm(form);
    src->DragDropSettings()->SetOleDropTarget(true);
    dst->DragDropSettings()->SetOleDropTarget(true);
    dir = fs::temp_directory_path() /
          ("griddrop_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override {
    FreePointerForm(form);
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  TPoint Centre(TDedAdararAdoz* g, int c, int r) {
    const TRect rc = g->CellRect(c, r);
    return TPoint((rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
  }
  std::string Row(TDedAdararAdoz* g, int r) {
    std::string s;
    for (int c = 1; c < g->ColCount(); ++c) s += (c > 1 ? "|" : "") + g->Cells(c, r);
    return s;
  }
  std::string WriteFile(const std::string& Name, const std::string& Bytes) {
    const fs::path p = dir / Name;
    std::ofstream(p, std::ios::binary) << Bytes;
    return p.string();
  }
  // Drops what another program offers onto cell (c, r) of g.
  DWORD DropOn(TDedAdararAdoz* g, int c, int r, const TMimeList& Data, DWORD* OverEffect = nullptr) {
    TDesktopDrag d(Data, DROPEFFECT_COPY | DROPEFFECT_MOVE);
    const TPoint p = Centre(g, c, r);
    const DWORD over = d.MoveTo(g, p.X, p.Y);
    if (OverEffect != nullptr) *OverEffect = over;
    return d.Drop();
  }
  // Presses inside src's selection at cell (c, r) and moves 5 pixels: the
  // drag starts and Script runs it.
  void DragFrom(int c, int r, std::function<void(TDragRun&)> Script, TDragDriver& Driver) {
    Driver.OnDrag(std::move(Script));
    const TPoint p = Centre(src, c, r);
    MouseDown(src, p.X, p.Y);
    MouseMove(src, p.X + 5, p.Y);
  }
};

// ---------------------------------------------------------------------------
// Text and links of other programs

TEST_F(GridDropFixture, TextFillsTheCellsFromTheDropCellAndSelectsThem) {
  std::vector<TGridRect> dropped;
  dst->OnOleDropped = [&](TObject*, const TGridRect& R) { dropped.push_back(R); };
  DWORD over = DROPEFFECT_NONE;
  EXPECT_EQ(DropOn(dst, 2, 3, {{"text/plain", "a\tb\r\nc\td\r\n"}}, &over), DROPEFFECT_MOVE);
  EXPECT_EQ(over, DROPEFFECT_MOVE);
  EXPECT_EQ(Row(dst, 3), "|a|b|");
  EXPECT_EQ(Row(dst, 4), "|c|d|");
  EXPECT_EQ(dst->Selection(), TGridRect(2, 3, 3, 4));
  ASSERT_EQ(dropped.size(), 1u);
  EXPECT_EQ(dropped[0], TGridRect(2, 3, 3, 4));
  // A block wider than the grid is cut at its edge, not written outside.
  EXPECT_EQ(DropOn(dst, 3, 7, {{"text/plain", "x\ty\tz\r\nnext"}}), DROPEFFECT_MOVE);
  EXPECT_EQ(Row(dst, 7), "||x|y");
  EXPECT_EQ(dst->Cells(5, 7), "");
  EXPECT_EQ(dst->RowCount(), 8);
}

TEST_F(GridDropFixture, DropsObeyTheGridsEditingRules) {
  struct Case {
    const char* name;
    std::function<void()> setup;
    bool taken;
  };
  const std::vector<Case> cases = {
      {"editing on", [] {}, true},
      {"editing off", [&] { dst->SetOptions(dst->Options() >> goEditing); }, false},
      {"a read-only cell", [&] { dst->SetReadOnly(2, 3, true); }, false},
      {"a read-only cell, clipboard always",
       [&] {
         dst->SetReadOnly(2, 3, true);
         dst->Navigation()->SetAllowClipboardAlways(true);
       },
       true},
      {"the application says no",
       [&] { dst->OnCanEditCell = [](TObject*, int, int, bool& e) { e = false; }; }, false},
      {"a fixed row", [] {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dst->SetOptions(dst->Options() << goEditing);
    dst->SetReadOnly(2, 3, false);
    dst->Navigation()->SetAllowClipboardAlways(false);
    dst->OnCanEditCell = nullptr;
    dst->SetCells(2, 3, "old");
    dst->SetCells(2, 0, "head");
    c.setup();
    const int row = std::string(c.name) == "a fixed row" ? 0 : 3;
    DWORD over = 99;
    const DWORD e = DropOn(dst, 2, row, {{"text/plain", "new"}}, &over);
    EXPECT_EQ(e != DROPEFFECT_NONE, c.taken);
    EXPECT_EQ(over != DROPEFFECT_NONE, c.taken) << "the refusal shows while the drag is over the cell";
    EXPECT_EQ(dst->Cells(2, row), c.taken ? "new" : (row == 0 ? "head" : "old"));
  }
}

TEST_F(GridDropFixture, AVetoedDropChangesNothingAndReportsNoEffect) {
  std::vector<std::string> seen;
  dst->OnOleDrop = [&](TObject*, int r, int c, const std::string& s, bool& allow) {
    seen.push_back(std::to_string(r) + "," + std::to_string(c) + " " + s);
    allow = false;
  };
  dst->SetCells(1, 1, "kept");
  EXPECT_EQ(DropOn(dst, 1, 1, {{"text/plain", "x"}}), DROPEFFECT_NONE);
  EXPECT_EQ(dst->Cells(1, 1), "kept");
  EXPECT_EQ(seen, std::vector<std::string>{"1,1 x"});
  // Nothing to drop on: the area right of the columns.
  dst->OnOleDrop = nullptr;
  TDesktopDrag d({{"text/plain", "x"}});
  EXPECT_EQ(d.MoveTo(dst, 299, 250), DROPEFFECT_NONE);
}

TEST_F(GridDropFixture, AppendingBelowTheLastRowAddsRowsAndMarksTheirPlace) {
  dst->SetRowCount(3);
  dst->DragDropSettings()->SetOleEntireRows(true);
  dst->DragDropSettings()->SetOleAppendRows(true);
  dst->DragDropSettings()->SetOleInsertRows(true);
  TDesktopDrag d({{"text/plain", "p\tq\r\nr\ts"}});
  const TRect last = dst->CellRect(1, 2);
  EXPECT_EQ(d.MoveTo(dst, last.Left + 5, last.Bottom + 10), DROPEFFECT_MOVE);
  ASSERT_TRUE(dst->ArwL()->Visible());
  EXPECT_EQ(dst->ArwL()->Top(), last.Bottom - 5) << "one row below the last";
  EXPECT_EQ(d.Drop(), DROPEFFECT_MOVE);
  EXPECT_EQ(dst->RowCount(), 5);
  EXPECT_EQ(Row(dst, 3), "p|q||");
  EXPECT_EQ(Row(dst, 4), "r|s||");
  EXPECT_FALSE(dst->ArwL()->Visible());
}

// ---------------------------------------------------------------------------
// Files

TEST_F(GridDropFixture, AFileIsLoadedByItsFinalExtensionAlone) {
  struct Case {
    const char* name;
    bool loaded;
  };
  const Case cases[] = {
      {"table.csv", true},      {"TABLE.CSV", true},   {"table.xls.csv", true},
      {"table.csv.bak", false}, {"table.csvx", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dst->SetCells(1, 1, "before");
    const std::string path = WriteFile(c.name, "1;2\r\n3;4\r\n");
    int loads = 0;
    dst->OnOleDrop = [&](TObject*, int r, int col, const std::string& s, bool&) {
      EXPECT_EQ(r, -1);
      EXPECT_EQ(col, -1);
      EXPECT_EQ(s, path);
      ++loads;
    };
    const DWORD e = DropOn(dst, 1, 1, {{"text/uri-list", "file://" + path + "\r\n"}});
    EXPECT_EQ(e != DROPEFFECT_NONE, c.loaded);
    EXPECT_EQ(loads, c.loaded ? 1 : 0) << "one loader, once";
    if (c.loaded)
      EXPECT_EQ(dst->Cells(1, 1), "4") << "the file fills the grid from its first cell";
    else
      EXPECT_EQ(dst->Cells(1, 1), "before");
  }
}

TEST_F(GridDropFixture, ADroppedWorkbookIsReadIntoTheGrid) {
  src->SetCells(0, 0, "Pump");
  src->SetCells(1, 0, "Läuft");
  src->SetCells(0, 1, "3");
  const std::string path = WriteFile("plant.xlsx", "");
  src->SaveToXLS(path);
  dst->SetCells(1, 1, "before");
  int loads = 0;
  dst->OnOleDrop = [&](TObject*, int, int, const std::string& s, bool&) { loads += s == path; };
  EXPECT_NE(DropOn(dst, 1, 1, {{"text/uri-list", "file://" + path + "\r\n"}}), DROPEFFECT_NONE);
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(dst->Cells(1, 0), "Läuft");
  EXPECT_EQ(dst->Cells(0, 1), "3");

  // A file named as a workbook that is none is refused with its reason.
  const std::string fake = WriteFile("table.xls", "1;2\r\n3;4\r\n");
  TDialogResponder answers;
  answers.AnswerBox(mrOk);
  EXPECT_EQ(DropOn(dst, 1, 1, {{"text/uri-list", "file://" + fake + "\r\n"}}), DROPEFFECT_NONE);
  ASSERT_EQ(answers.Boxes().size(), 1u);
  EXPECT_NE(answers.Boxes()[0].Text.find("table.xls"), std::string::npos);
  EXPECT_EQ(dst->Cells(1, 0), "Läuft");
}

TEST_F(GridDropFixture, TwoFilesOrAReadOnlyGridLoadNothing) {
  const std::string a = WriteFile("a.csv", "1;2\r\n"), b = WriteFile("b.csv", "3;4\r\n");
  dst->SetCells(1, 1, "before");
  EXPECT_EQ(DropOn(dst, 1, 1, {{"text/uri-list", "file://" + a + "\r\nfile://" + b + "\r\n"}}),
            DROPEFFECT_NONE);
  EXPECT_EQ(dst->Cells(1, 1), "before");
  dst->SetOptions(dst->Options() >> goEditing);
  DWORD over = 99;
  EXPECT_EQ(DropOn(dst, 1, 1, {{"text/uri-list", "file://" + a + "\r\n"}}, &over), DROPEFFECT_NONE);
  EXPECT_EQ(over, DROPEFFECT_NONE);
  EXPECT_EQ(dst->Cells(1, 1), "before");
  bool asked = false;
  dst->SetOptions(dst->Options() << goEditing);
  dst->OnOleDropFile = [&](TObject*, int, int, const std::string& s, bool& allow) {
    asked = s == a;
    allow = false;
  };
  EXPECT_EQ(DropOn(dst, 1, 1, {{"text/uri-list", "file://" + a + "\r\n"}}), DROPEFFECT_NONE);
  EXPECT_TRUE(asked);
  EXPECT_EQ(dst->Cells(1, 1), "before");
}

// ---------------------------------------------------------------------------
// From one grid to another by the mouse

struct GridToGridFixture : GridDropFixture {
  void SetUp() override {
    GridDropFixture::SetUp();
    src->DragDropSettings()->SetOleDropSource(true);
    src->Navigation()->SetAllowFmtClipboard(true);
    for (int r = 1; r <= 2; ++r)
      for (int c = 1; c <= 2; ++c) src->SetCells(c, r, "s" + std::to_string(c) + std::to_string(r));
    src->SetSelection(TGridRect(1, 1, 2, 2));
  }
};

TEST_F(GridToGridFixture, AMoveCarriesTheCellsAndEmptiesTheSource) {
  TDragDriver driver;
  std::vector<std::string> events;
  src->OnOleDragStart = [&](TObject*, int r, int c) {
    events.push_back("start " + std::to_string(r) + "," + std::to_string(c));
  };
  src->OnOleDragStop = [&](TObject*, int e) { events.push_back("stop " + std::to_string(e)); };
  src->SetColors(1, 1, static_cast<TColor>(0x00FFEE));
  DWORD dropped = 0;
  DragFrom(
      1, 1,
      [&](TDragRun& run) {
        const TPoint p = Centre(dst, 2, 3);
        EXPECT_EQ(run.MoveTo(dst, p.X, p.Y), DROPEFFECT_MOVE);
        dropped = run.Drop();
      },
      driver);
  EXPECT_EQ(dropped, DROPEFFECT_MOVE);
  ASSERT_EQ(driver.Drags().size(), 1u);
  EXPECT_EQ(driver.Drags()[0].at("text/plain"), "s11\ts21\r\ns12\ts22");
  EXPECT_EQ(driver.Drags()[0].count(kCellsMime), 1u);
  EXPECT_EQ(Row(dst, 3), "|s11|s21|");
  EXPECT_EQ(Row(dst, 4), "|s12|s22|");
  EXPECT_EQ(dst->Colors(2, 3), static_cast<TColor>(0x00FFEE)) << "the cells' looks come along";
  EXPECT_EQ(dst->Selection(), TGridRect(2, 3, 3, 4));
  EXPECT_EQ(Row(src, 1), "|||");
  EXPECT_EQ(Row(src, 2), "|||");
  EXPECT_EQ(events, (std::vector<std::string>{"start 1,1", "stop 2"}));
}

TEST_F(GridToGridFixture, ACopyOrARefusedDropLeavesTheSource) {
  struct Case {
    const char* name;
    DWORD keys;
    std::function<void()> setup;
    DWORD effect;
  };
  const std::vector<Case> cases = {
      {"Ctrl copies", MK_LBUTTON | MK_CONTROL, [] {}, DROPEFFECT_COPY},
      {"a read-only target", MK_LBUTTON, [&] { dst->SetOptions(dst->Options() >> goEditing); },
       DROPEFFECT_NONE},
      {"a read-only cell inside the block", MK_LBUTTON, [&] { dst->SetReadOnly(2, 4, true); },
       DROPEFFECT_NONE},
      {"a vetoing target", MK_LBUTTON,
       [&] { dst->OnOleDragOver = [](TObject*, int, int, bool& allow) { allow = false; }; }, DROPEFFECT_NONE},
      {"copy always", MK_LBUTTON, [&] { src->DragDropSettings()->SetOleCopyAlways(true); }, DROPEFFECT_MOVE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dst->SetOptions(dst->Options() << goEditing);
    dst->SetReadOnly(2, 4, false);
    dst->OnOleDragOver = nullptr;
    src->DragDropSettings()->SetOleCopyAlways(false);
    dst->ClearNormalCells();
    c.setup();
    TDragDriver driver;
    DWORD dropped = 99;
    DragFrom(
        1, 1,
        [&](TDragRun& run) {
          const TPoint p = Centre(dst, 1, 3);
          run.MoveTo(dst, p.X, p.Y, c.keys);
          dropped = run.Drop();
        },
        driver);
    EXPECT_EQ(dropped, c.effect);
    EXPECT_EQ(Row(src, 1), "s11|s21||") << "the source keeps its cells";
    EXPECT_EQ(Row(dst, 3), c.effect == DROPEFFECT_NONE ? "|||" : "s11|s21||");
    const TPoint p = Centre(src, 1, 1);
    MouseUp(src, p.X, p.Y);
  }
}

TEST_F(GridToGridFixture, AMoveOntoItsOwnPlaceKeepsWhatWasDropped) {
  TDragDriver driver;
  // The block moves one cell right within its own grid: the cell both
  // blocks share holds dropped data afterwards, not nothing.
  src->Navigation()->SetAllowClipboardAlways(true);
  DragFrom(
      1, 1,
      [&](TDragRun& run) {
        const TPoint p = Centre(src, 2, 1);
        run.MoveTo(src, p.X, p.Y);
        EXPECT_EQ(run.Drop(), DROPEFFECT_MOVE);
      },
      driver);
  EXPECT_EQ(Row(src, 1), "|s11|s21|");
  EXPECT_EQ(Row(src, 2), "|s12|s22|");
}

TEST_F(GridToGridFixture, ThreePixelsDoNotStartADragFourDo) {
  TDragDriver driver;
  driver.Lenient();
  const TPoint p = Centre(src, 1, 1);
  MouseDown(src, p.X, p.Y);
  MouseMove(src, p.X + 3, p.Y);
  EXPECT_TRUE(driver.Drags().empty());
  MouseMove(src, p.X, p.Y + 4);
  EXPECT_EQ(driver.Drags().size(), 1u);
  MouseUp(src, p.X, p.Y + 4);
  // Columns only: a press on a normal cell selects instead.
  src->DragDropSettings()->SetOleColumnsOnly(true);
  src->SetSelection(TGridRect(1, 1, 2, 2));
  MouseDown(src, p.X, p.Y);
  MouseMove(src, p.X + 8, p.Y);
  EXPECT_EQ(driver.Drags().size(), 1u);
  MouseUp(src, p.X + 8, p.Y);
}

TEST_F(GridToGridFixture, MovedRowsLeaveTheSourceUnlessCopyAlways) {
  src->SetOptions(src->Options() << goRowSelect);
  src->DragDropSettings()->SetOleRemoveRows(true);
  src->SetRowCount(6);
  src->SetCells(1, 3, "stays");
  src->SetSelection(TGridRect(1, 1, 4, 2));
  TDragDriver driver;
  DragFrom(
      1, 1,
      [&](TDragRun& run) {
        const TPoint p = Centre(dst, 1, 5);
        run.MoveTo(dst, p.X, p.Y);
        run.Drop();
      },
      driver);
  EXPECT_EQ(src->RowCount(), 4);
  EXPECT_EQ(src->Cells(1, 1), "stays");
  EXPECT_EQ(dst->Cells(1, 5), "s11");
}

// ---------------------------------------------------------------------------
// Columns

TEST_F(GridDropFixture, AColumnDraggedOverTheHeaderMarksItsPlaceAndMoves) {
  src->DragDropSettings()->SetOleDropSource(true);
  src->DragDropSettings()->SetOleColumnDragDrop(true);
  src->DragDropSettings()->SetOleColumnReorder(true);
  src->SetEnhRowColMove(false);
  for (int c = 1; c < 5; ++c) src->SetCells(c, 0, "h" + std::to_string(c));
  std::vector<std::string> drops;
  src->OnOleDropCol = [&](TObject*, int r, int c, int d) {
    drops.push_back(std::to_string(r) + "," + std::to_string(c) + ">" + std::to_string(d));
  };
  TDragDriver driver;
  driver.OnDrag([&](TDragRun& run) {
    const TPoint p = Centre(src, 3, 0);
    EXPECT_NE(run.MoveTo(src, p.X, p.Y), DROPEFFECT_NONE);
    const TRect r = src->CellRect(3, 0);
    EXPECT_TRUE(src->ArwD()->Visible());
    EXPECT_EQ(src->ArwD()->Left(), r.Left - 5);
    EXPECT_EQ(src->ArwD()->Top(), r.Top - 8);
    EXPECT_EQ(src->ArwU()->Top(), r.Bottom);
    const TPoint body = Centre(src, 3, 4);
    EXPECT_EQ(run.MoveTo(src, body.X, body.Y), DROPEFFECT_NONE) << "a column drops only on the header";
    run.MoveTo(src, p.X, p.Y);
    run.Drop();
  });
  const TPoint h = Centre(src, 1, 0);
  src->SetSelection(TGridRect(1, 1, 1, 1));
  MouseDown(src, h.X, h.Y);
  MouseMove(src, h.X + 6, h.Y);
  ASSERT_EQ(driver.Drags().size(), 1u);
  EXPECT_EQ(driver.Drags()[0].count("application/x-cf30406-Grid-Column"), 1u);
  EXPECT_EQ(src->Cells(3, 0), "h1");
  EXPECT_EQ(src->Cells(1, 0), "h2");
  EXPECT_EQ(drops, std::vector<std::string>{"0,1>3"});
  EXPECT_FALSE(src->ArwD()->Visible());
  // The same column index from another grid moves nothing here.
  TDesktopDrag other({{"application/x-cf30406-Grid-Column", std::string("\x01\0\0\0", 4)}});
  const TPoint p = Centre(src, 2, 0);
  other.MoveTo(src, p.X, p.Y);
  other.Drop();
  EXPECT_EQ(src->Cells(1, 0), "h2");
}

// ---------------------------------------------------------------------------
// The pictures following a drag out of the grid

TEST_F(GridToGridFixture, TheCellsPictureFollowsThePointerAndGoesWithTheDrag) {
  struct Case {
    const char* name;
    bool showCells;
    int rows;
    TGridRect selection;
  };
  const std::vector<Case> cases = {
      {"the selection", true, 8, TGridRect(1, 1, 2, 2)},
      {"a selection running past the view, cut to it", true, 40, TGridRect(1, 1, 2, 39)},
      {"no cells shown", false, 8, TGridRect(1, 1, 2, 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    src->DragDropSettings()->SetShowCells(c.showCells);
    src->SetRowCount(c.rows);
    src->SetSelection(c.selection);
    src->SetSelectionColor(static_cast<TColor>(0x00FF00));
    const int lastRow = std::min(c.selection.Bottom, src->TopRow() + src->VisibleRowCount() - 1);
    const TRect a = src->CellRect(1, 1), z = src->CellRect(2, lastRow);
    TDragDriver driver;
    TCustomForm* seen = nullptr;
    DragFrom(
        1, 1,
        [&](TDragRun& run) {
          EXPECT_FALSE(src->MoveButton()->Visible()) << "cells show no header";
          TCustomForm* f = src->MoveForm();
          if (!c.showCells) {
            EXPECT_EQ(f, nullptr);
            run.Cancel();
            return;
          }
          ASSERT_NE(f, nullptr);
          seen = f;
          EXPECT_TRUE(f->Visible());
          EXPECT_EQ(GetActiveWindow(), form->Handle()) << "the picture takes no activation";
          EXPECT_EQ(f->Width(), z.Right - a.Left + 1);
          EXPECT_EQ(f->Height(), z.Bottom - a.Top + 1);
          // The cells as they look unselected.
          auto* image = dynamic_cast<TImage*>(f->Controls(0));
          ASSERT_NE(image, nullptr);
          const TRect second = src->CellRect(2, 2);
          EXPECT_NE(
              image->Picture()->Bitmap()->Canvas()->Pixels(second.Left - a.Left + 3, second.Top - a.Top + 3),
              static_cast<TColor>(0x00FF00));
          for (const TPoint& p : {Centre(dst, 1, 3), Centre(dst, 3, 5)}) {
            run.MoveTo(dst, p.X, p.Y);
            const TPoint s = dst->ClientToScreen(p);
            EXPECT_EQ(f->Left(), s.X + 4);
            EXPECT_EQ(f->Top(), s.Y + 4);
          }
          run.Drop();
          EXPECT_FALSE(f->Visible()) << "gone once the button is up";
        },
        driver);
    EXPECT_EQ(src->MoveForm(), nullptr);
    if (c.showCells) EXPECT_NE(seen, nullptr);
    const TPoint p = Centre(src, 1, 1);
    MouseUp(src, p.X + 5, p.Y);
  }
}

TEST_F(GridDropFixture, ADraggedHeaderShowsItsFaceOrItsColumnAtThePointer) {
  src->DragDropSettings()->SetOleDropSource(true);
  src->DragDropSettings()->SetOleColumnDragDrop(true);
  src->SetEnhRowColMove(false);
  src->SetCells(1, 0, "Name");
  for (const bool showCells : {false, true}) {
    SCOPED_TRACE(showCells ? "the column's picture" : "the header's face");
    src->DragDropSettings()->SetShowCells(showCells);
    THeaderDragButton* b = src->MoveButton();
    TDragDriver driver;
    driver.OnDrag([&](TDragRun& run) {
      for (const TPoint& p : {Centre(dst, 2, 0), Centre(dst, 3, 4)}) {
        run.MoveTo(dst, p.X, p.Y);
        const TPoint s = dst->ClientToScreen(p);
        if (showCells) {
          TCustomForm* f = src->MoveForm();
          ASSERT_NE(f, nullptr);
          const int lastRow = src->TopRow() + src->VisibleRowCount() - 1;
          EXPECT_EQ(f->Height(), src->CellRect(1, lastRow).Bottom - src->CellRect(1, 0).Top + 1);
          EXPECT_EQ(f->Left(), s.X + 4);
          EXPECT_FALSE(b->Visible());
        } else {
          ASSERT_TRUE(b->Visible());
          EXPECT_EQ(b->Caption(), "Name");
          EXPECT_EQ(b->Width(), src->ColWidths(1));
          EXPECT_EQ(b->Height(), src->RowHeights(0));
          // Its bottom-left corner at the pointer.
          EXPECT_EQ(b->Left(), s.X);
          EXPECT_EQ(b->Top() + b->Height(), s.Y);
          EXPECT_EQ(src->MoveForm(), nullptr);
        }
      }
      run.Cancel();
    });
    const TPoint h = Centre(src, 1, 0);
    src->SetSelection(TGridRect(1, 1, 1, 1));
    MouseDown(src, h.X, h.Y);
    MouseMove(src, h.X + 6, h.Y);
    ASSERT_EQ(driver.Drags().size(), 1u);
    EXPECT_FALSE(b->Visible());
    EXPECT_EQ(src->MoveForm(), nullptr);
    MouseUp(src, h.X + 6, h.Y);
  }
}

TEST(GridDropText, BlockSizeCountsFieldsAndNonEmptyLines) {
  struct Case {
    const char* text;
    int cols, rows;
  };
  const Case cases[] = {{"a", 1, 0},      {"a\tb\tc", 3, 0}, {"a\r\nb\tc\r\n", 2, 1},
                        {"a\n\nb", 1, 1}, {"", 1, 0},        {"x\ty\r\n\r\nz", 2, 1}};
  for (const Case& c : cases) {
    int cols = 0, rows = 0;
    DropTextBlockSize(c.text, cols, rows);
    EXPECT_EQ(cols, c.cols) << c.text;
    EXPECT_EQ(rows, c.rows) << c.text;
  }
}

}  // namespace
