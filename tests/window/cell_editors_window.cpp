// A grid whose columns edit with the control editors (spin, edit with
// button, unit edit, date, date and time, check box, button, rich text), for
// checking them by hand or by script under a real display. The screen
// centre of each column's first cell is written to standard output, and
// every finished edit as a line "done <col> <row> <text>"; the editors'
// relays as "button <col> <row>", "dropdown <row> <col>", "closeup <row>
// <col>" and "change <col> <row> <text>" (date cells). With --direct the
// date editor closes with its calendar; the calendar shows week numbers.
#include <cstdio>
#include <string>

#include "Say.h"
#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevKindEditors.h"

int main(int argc, char** argv) {
  const bool direct = argc > 1 && std::string(argv[1]) == "--direct";
  Application->Initialize();
  InitializeDivUzevUnit();
  auto* form = Application->CreateForm<TForm>();
  form->SetCaption("Cell editors check");
  form->SetBounds(40, 40, 900, 300);
  auto* g = new TDedAdararAdoz(form);
  g->SetParent(form);
  g->SetBounds(10, 10, 870, 240);
  g->SetColCount(9);
  g->SetRowCount(6);
  g->SetOptions(g->Options() << goEditing);
  const TEditorType kinds[] = {edNormal,       edSpinEdit, edEditBtn, edUnitEditBtn, edDateEdit,
                               edDateTimeEdit, edCheckBox, edButton,  edRichEdit};
  const char* heads[] = {"",      "Spin",   "Edit+button", "Unit", "Date", "Date and time",
                         "Check", "Button", "Rich"};
  for (int c = 0; c < 9; ++c) {
    g->SetColWidths(c, c == 0 ? 24 : 104);
    g->SetCells(c, 0, heads[c]);
  }
  for (int r = 1; r < 6; ++r) {
    g->SetCells(1, r, std::to_string(r * 10));
    g->SetCells(2, r, "item " + std::to_string(r));
    g->SetCells(3, r, std::to_string(r) + "mm");
    g->SetCells(4, r, r == 1 ? std::string() : DateToStr(EncodeDate(2024, 2, 20 + r)));
    g->SetCells(6, r, "Enabled");
    g->SetCells(7, r, "Press");
    g->SetCells(8, r, "H2O");
  }
  g->OnGetEditorType = [&](TObject*, int c, int, TEditorType& e) { e = kinds[c]; };
  g->OnGetEditorProp = [g](TObject*, int, int, TEditLink*) {
    g->BtnUnitEdit()->Units()->Clear();
    g->BtnUnitEdit()->Units()->Add("mm");
    g->BtnUnitEdit()->Units()->Add("cm");
  };
  g->OnEllipsClick = [](TObject*, int, int, std::string& s) { s = "picked"; };
  g->MouseActions()->SetDirectDateClose(direct);
  g->DateTimePicker()->SetWeeknumbers(true);
  g->OnButtonClick = [](TObject*, int c, int r) {
    Say("button " + std::to_string(c) + " " + std::to_string(r));
  };
  g->OnDatePickerDropDown = [](TObject*, int r, int c) {
    Say("dropdown " + std::to_string(r) + " " + std::to_string(c));
  };
  g->OnDatePickerCloseUp = [](TObject*, int r, int c) {
    Say("closeup " + std::to_string(r) + " " + std::to_string(c));
  };
  g->OnEditChange = [](TObject*, int c, int r, const std::string& v) {
    if (c == 4) Say("change " + std::to_string(c) + " " + std::to_string(r) + " " + v);
  };
  g->OnEditCellDone = [g](TObject*, int c, int r) {
    Say("done " + std::to_string(c) + " " + std::to_string(r) + " " + g->Cells(c, r));
  };
  form->Show();
  Application->ProcessMessages();
  g->SetFocus();
  std::string where = "ready";
  for (int c = 1; c < 9; ++c) {
    const TRect r = g->CellRect(c, 1);
    const TPoint p = g->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    where += " " + std::to_string(p.X) + "," + std::to_string(p.Y);
  }
  Say(where);
  Application->Run();
  return 0;
}
