// A grid for checking typing by hand or by script under a real display:
// column 1 wraps its text and the row grows while typing; column 2 takes
// only the characters of the grid's valid-character set; column 3 edits
// with the multi-column drop-down, and Enter there opens the drop-down of
// the cell below; column 4 picks a colour. Every row sizing, finished edit
// and picked colour is printed as a line.
//
// With --design the grid is made as in a form designer: it shows its
// quick-configuration panel, and each change the panel makes is printed
// ("editing on", "column numbers off", "look 4", "panel closed").
#include <cstdio>
#include <string>

#include "Say.h"
#include "controls/dropdown/GridDropDownEditors.h"
#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"

namespace {

void TypingGrid(TDedAdararAdoz* g) {
  g->SetColCount(5);
  g->SetRowCount(8);
  g->SetOptions(g->Options() << goEditing);
  g->SetColWidths(0, 24);
  g->SetColWidths(1, 130);
  g->SetColWidths(2, 130);
  g->SetColWidths(3, 150);
  g->SetColWidths(4, 130);
  const char* heads[] = {"", "Note (grows)", "Code (valid)", "City (Enter: next)", "Colour"};
  for (int c = 0; c < 5; ++c) g->SetCells(c, 0, heads[c]);
  g->SizeWhileTyping()->SetHeight(true);
  g->Navigation()->SetAdvanceOnEnter(true);
  g->Navigation()->SetAdvanceDirection(adTopBottom);
  g->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
    if (c == 2) e = edValidChars;
    if (c == 3) e = edGridDropDown;
    if (c == 4) e = edColorPickerDropDown;
  };
  g->OnGetEditorProp = [g](TObject*, int c, int, TEditLink*) {
    if (c != 3) return;
    TGridGridDropDown* d = GridDropDown(g);
    d->Columns()->Clear();
    d->Items()->Clear();
    d->Columns()->Add()->SetHeader("City");
    for (const char* city : {"Milano", "München", "Roma", "Zürich"}) d->Items()->Add()->Text()->Add(city);
  };
  g->OnEndRowSize = [g](TObject*, int r) {
    Say("row " + std::to_string(r) + " height " + std::to_string(g->RowHeights(r)));
  };
  g->OnEditCellDone = [g](TObject*, int c, int r) {
    Say("done " + std::to_string(c) + "," + std::to_string(r) + " " + g->Cells(c, r) + " editing " +
        (g->EditMode() ? "on" : "off") + " at " + std::to_string(g->Col()) + "," + std::to_string(g->Row()));
  };
  g->OnColorSelected = [](TObject*, int c, int r, TColor& colour, std::string& value) {
    Say("colour " + std::to_string(c) + "," + std::to_string(r) + " " + value + " " +
        std::to_string(static_cast<uint32_t>(colour)));
  };
  g->SetCol(1);
  g->SetRow(1);
}

void DesignGrid(TDedAdararAdoz* g) {
  g->SetColCount(5);
  g->SetRowCount(8);
  // Each change the panel makes shows in the next paint.
  g->OnPainted = [g](TObject*) {
    static std::string last;
    std::string look;
    TDedAdararAdoz::GetLookName(g->Look(), look);
    const std::string now = std::string("editing ") + (g->Options().Contains(goEditing) ? "on" : "off") +
                            ", look " + look + ", panel " + (g->ShowDesignHelper() ? "shown" : "closed");
    if (now != last) Say(now);
    last = now;
  };
}

}  // namespace

int main(int argc, char** argv) {
  Application->Initialize();
  InitializeDivUzevUnit();
  RegisterGridDropDownEditors();
  const bool design = argc > 1 && std::string(argv[1]) == "--design";
  auto* form = Application->CreateForm<TForm>();
  form->SetCaption("grid typing check");
  form->SetBounds(100, 100, 640, 420);
  if (design) form->SetComponentStateFlag(csDesigning, true);
  auto* g = new TDedAdararAdoz(form);
  g->SetParent(form);
  g->SetAlign(alClient);
  if (design)
    DesignGrid(g);
  else
    TypingGrid(g);
  form->Show();
  g->SetFocus();
  if (design) {
    // Where the panel's lines are: the script clicks on them.
    TBitmap b;
    b.Canvas()->Font()->SetName("Tahoma");
    b.Canvas()->Font()->SetSize(8);
    Say("panel line " + std::to_string(b.Canvas()->TextHeight("gh")) + " client " +
        std::to_string(g->ClientWidth()) + " " + std::to_string(g->ClientHeight()));
  }
  Say("ready");
  Application->Run();
  return 0;
}
