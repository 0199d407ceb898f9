// A grid whose column 1 edits with the grid drop-down (narrowing its rows
// while typing) and column 2 with the multi-column drop-down, for checking
// them by keyboard under a real display. Both take the grid's drop-down
// header (a caption) and footer (two buttons). Every finished edit is
// written as a line "done <col> <row> <text>", every footer button click as
// "footer <col> <row> <index>".
#include <cstdio>
#include <string>

#include "Say.h"
#include "controls/dropdown/GridDropDownEditors.h"
#include "framework/controls/Forms.h"
#include "grid/base/VevDropDownAppearance.h"
#include "grid/model/DivUzev.h"

namespace {

const char* const kFruits[] = {"Apple",  "Apricot", "Banana",     "Blackberry", "Blueberry", "Cherry",
                               "Damson", "Fig",     "Gooseberry", "Grape",      "Kiwi",      "Lemon",
                               "Lime",   "Mango",   "Melon",      "Nectarine",  "Orange",    "Peach",
                               "Pear",   "Plum",    "Quince",     "Raspberry",  "Strawberry"};

}  // namespace

int main() {
  Application->Initialize();
  InitializeDivUzevUnit();
  RegisterGridDropDownEditors();
  auto* form = Application->CreateForm<TForm>();
  form->SetCaption("Grid drop-down check");
  form->SetBounds(40, 40, 640, 420);
  auto* g = new TDedAdararAdoz(form);
  g->SetParent(form);
  g->SetBounds(10, 10, 600, 160);
  g->SetColCount(3);
  g->SetRowCount(5);
  g->SetOptions(g->Options() << goEditing);
  g->SetColWidths(0, 24);
  g->SetColWidths(1, 220);
  g->SetColWidths(2, 220);
  g->SetCells(1, 0, "Fruit (grid drop-down)");
  g->SetCells(2, 0, "Fruit (multi-column)");
  g->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
    if (c == 1) e = edDivUzevDropDown;
    if (c == 2) e = edGridDropDown;
  };
  g->OnGetEditorProp = [g](TObject*, int c, int, TEditLink*) {
    if (c == 1) {
      TGridDivUzevDropDown* d = DivUzevDropDown(g);
      d->Columns()->Clear();
      d->Items()->Clear();
      d->Columns()->Add()->SetHeader("Fruit");
      d->Columns()->Add()->SetHeader("No.");
      int n = 0;
      for (const char* f : kFruits) {
        auto* it = d->Items()->Add();
        it->Text()->Add(f);
        it->Text()->Add(std::to_string(++n));
      }
      d->SetLookupMethod(lmNarrowDown);
      d->SetAutoShowDropDown(true);
      d->SetDropDownHeight(220);
    } else {
      TGridGridDropDown* d = GridDropDown(g);
      d->Columns()->Clear();
      d->Items()->Clear();
      d->Columns()->Add()->SetHeader("Fruit");
      for (const char* f : kFruits) d->Items()->Add()->Text()->Add(f);
    }
  };
  g->ControlLook()->DropDownHeader()->SetCaption("<b>Pick a fruit</b>");
  g->ControlLook()->DropDownFooter()->Buttons()->Add()->SetCaption("Clear");
  g->ControlLook()->DropDownFooter()->Buttons()->Add()->SetCaption("Help");
  g->OnDropDownFooterButtonClick = [](TObject*, int c, int r, int i) {
    Say("footer " + std::to_string(c) + " " + std::to_string(r) + " " + std::to_string(i));
  };
  g->OnEditCellDone = [g](TObject*, int c, int r) {
    Say("done " + std::to_string(c) + " " + std::to_string(r) + " " + g->Cells(c, r));
  };
  form->Show();
  Application->ProcessMessages();
  g->SetFocus();
  g->SetCol(1);
  g->SetRow(1);
  Say("ready");
  Application->Run();
  return 0;
}
