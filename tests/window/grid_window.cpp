// A window for checking the grid's keyboard and mouse by hand or by script
// under a real display: a table with a header row, a row-number column, a
// check box column, editing, Tab moves, header sorting, border double
// clicks, border drags (header, row-number column, and the fixed column and
// row anywhere along them), appending on arrow down, the insert and delete
// row keys, the clipboard keys (copy, cut and paste with the desktop) and,
// asked for, the filter lists of the header row. Each click, toggle, sort,
// double click, sizing and pasted cell is printed as a line.
#include <cstdio>
#include <string>

#include "Say.h"
#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"

int main(int argc, char** argv) {
  Application->Initialize();
  InitializeDivUzevUnit();
  auto* form = Application->CreateForm<TForm>();
  form->SetCaption("grid keyboard and mouse");
  form->SetBounds(100, 100, 640, 420);
  auto* g = new TDedAdararAdoz(form);
  g->SetParent(form);
  g->SetAlign(alClient);
  g->SetColCount(6);
  g->SetRowCount(12);
  g->SetOptions(g->Options() << goEditing << goTabs << goColSizing << goRowSizing << goRangeSelect);
  g->MouseActions()->SetSizeFixedCol(true);
  g->MouseActions()->SetSizeFixedRow(true);
  const char* heads[] = {"", "Name", "Address", "Value", "Active", "Note"};
  for (int c = 0; c < 6; ++c) g->SetCells(c, 0, heads[c]);
  for (int r = 1; r < 12; ++r) {
    g->SetCells(0, r, std::to_string(r));
    g->SetCells(1, r, "Pump " + std::to_string(12 - r));
    g->SetCells(2, r, "DB1.DBW" + std::to_string(2 * r));
    g->SetCells(3, r, std::to_string(r * 37 % 100));
    g->AddCheckBox(4, r, r % 2 == 0, false);
  }
  g->SortSettings()->SetShow(true);
  g->SortSettings()->SetColumn(-1);
  g->Navigation()->SetAdvanceOnEnter(true);
  g->Navigation()->SetAppendOnArrowDown(true);
  g->Navigation()->SetAllowInsertRow(true);
  g->Navigation()->SetAllowDeleteRow(true);
  g->Navigation()->SetAllowClipboardShortCuts(true);
  g->OnClickCell = [g](TObject*, int r, int c) {
    Say("click " + std::to_string(r) + "," + std::to_string(c) + " current " + std::to_string(g->Row()) +
        "," + std::to_string(g->Col()));
  };
  g->OnCheckBoxClick = [](TObject*, int c, int r, bool s) {
    Say("check " + std::to_string(c) + "," + std::to_string(r) + (s ? " on" : " off"));
  };
  g->OnDblClickCell = [](TObject*, int r, int c) {
    Say("dblclick " + std::to_string(r) + "," + std::to_string(c));
  };
  g->OnEndColumnSize = [g](TObject*, int c) {
    Say("sized column " + std::to_string(c) + " width " + std::to_string(g->ColWidths(c)));
  };
  g->OnEndRowSize = [g](TObject*, int r) {
    Say("sized row " + std::to_string(r) + " height " + std::to_string(g->RowHeights(r)));
  };
  g->OnClickSort = [](TObject*, int c) { Say("sort " + std::to_string(c)); };
  g->OnAutoAddRow = [](TObject*, int r) { Say("appended " + std::to_string(r)); };
  g->OnSelectionChanged = [](TObject*, int l, int t, int r, int b) {
    Say("selection " + std::to_string(l) + "," + std::to_string(t) + "-" + std::to_string(r) + "," +
        std::to_string(b));
  };
  g->OnClipboardAfterPasteCell = [](TObject*, int c, int r, const std::string& v) {
    Say("pasted " + std::to_string(c) + "," + std::to_string(r) + " " + v);
  };
  // --filter: the header row offers filter lists; --filter-check ticks.
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--filter" || a == "--filter-check") g->SetFilterDropDownAuto(true);
    if (a == "--filter-check") g->SetFilterDropDownCheck(true);
  }
  g->OnFilterCheck = [](TObject*, int c, int, const std::string& name, std::string&, TObject*) {
    Say("filter check " + std::to_string(c) + " " + name);
  };
  form->Show();
  g->SetFocus();
  Say("ready");
  Application->Run();
  return 0;
}
