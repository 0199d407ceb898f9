// A window for checking by hand or by script, under a real display, the
// grid input that reaches the application: the drop-down button of the
// header cells with its menu, the pressed look of a hovered header cell,
// middle-button panning with its cursors and mark, Ctrl+wheel zoom, a
// control placed in a cell while the grid scrolls, the combo events of an
// edit combo, hints of clipped cells, a spin column whose typed value shows in the cell at once, and
// a stretch column that follows the form's size. Each event is printed as a
// line.
#include <cstdio>
#include <string>

#include "Say.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Menus.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevEditors.h"

int main() {
  Application->Initialize();
  InitializeDivUzevUnit();
  auto* form = Application->CreateForm<TForm>();
  form->SetCaption("grid input");
  form->SetBounds(100, 100, 640, 420);
  auto* g = new TDedAdararAdoz(form);
  g->SetParent(form);
  g->SetBounds(0, 0, 600, 380);
  g->SetSizeWithForm(true);
  g->SetColCount(6);
  g->SetRowCount(40);
  g->ColumnSize()->SetStretch(true);
  g->SetOptions(g->Options() << goEditing << goTabs);
  g->SetLook(glWin7);
  g->SetHoverFixedCells(hfAll);
  g->SetIntelliPan(ipBoth);
  // Clipped texts show whole as hints (not while panning).
  g->SetShowHint(true);
  g->SetHintShowCells(true);
  g->ControlLook()->SetFixedDropDownButton(true);
  const char* heads[] = {"", "Name", "Mode", "Count", "Control", "Note"};
  for (int c = 0; c < 6; ++c) g->SetCells(c, 0, heads[c]);
  for (int r = 1; r < 40; ++r) {
    g->SetCells(0, r, std::to_string(r));
    g->SetCells(
        1, r,
        r % 5 == 0 ? "Pumpe " + std::to_string(r) + " mit Überlaufbecken" : "Pumpe " + std::to_string(r));
    g->SetCells(3, r, std::to_string(r * 7 % 50));
  }
  auto* menu = new TPopupMenu(form);
  for (const char* item : {"Aufsteigend", "Absteigend"})
    menu->Add(item, [menu, item](TObject*) {
      Say(std::string("menu ") + item + " column " + std::to_string(menu->Tag()));
    });
  g->SetFixedDropDownMenu(menu);
  g->OnFixedDropDownClick = [](TObject*, int c, int r, TPopupMenu*&, bool&) {
    Say("dropdown " + std::to_string(c) + "," + std::to_string(r));
  };
  g->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
    if (c == 2) e = edComboEdit;
    if (c == 3) e = edSpinEdit;
  };
  g->OnGetEditorProp = [g](TObject*, int c, int, TEditLink*) {
    if (c != 2) return;
    g->Combobox()->Items()->Clear();
    for (const char* s : {"Lesen", "Schreiben", "Beides"}) g->Combobox()->Items()->Add(s);
  };
  g->OnComboChange = [](TObject*, int c, int r, int i, const std::string& s) {
    Say("combo " + std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i) + " " + s);
  };
  g->OnEditChange = [g](TObject*, int c, int r, const std::string&) {
    Say("cell " + std::to_string(c) + "," + std::to_string(r) + " now " + g->Cells(c, r));
  };
  g->OnEditCellDone = [g](TObject*, int c, int r) {
    Say("done " + std::to_string(c) + "," + std::to_string(r) + " " + g->Cells(c, r));
  };
  auto* box = new TEdit(form);
  box->SetText("im Feld");
  g->SetCellControls(4, 3, box);
  // Reported as the scroll happens, before the control follows (see the
  // screenshots for where it went).
  g->OnTopLeftChanged = [g](TObject*) { Say("top " + std::to_string(g->TopRow())); };
  form->Show();
  g->SetFocus();
  Say("ready");
  Application->Run();
  return 0;
}
