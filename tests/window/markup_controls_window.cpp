// A grid whose markup cells hold form controls (text field, password, combo
// box, check box, button), for checking them by hand or by script under a
// real display. Writes "ready <x>,<y> <x>,<y>" with the screen points inside
// the first row's text field and combo box, and every finished control edit
// as a line "done <col> <row> <id> <value>".
#include <cstdio>
#include <string>

#include "Say.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"

int main() {
  Application->Initialize();
  InitializeDivUzevUnit();
  auto* form = Application->CreateForm<TForm>();
  form->SetCaption("Markup form controls check");
  form->SetBounds(40, 40, 720, 260);
  auto* g = new TDedAdararAdoz(form);
  g->SetParent(form);
  g->SetBounds(10, 10, 690, 200);
  g->SetColCount(3);
  g->SetRowCount(4);
  g->SetDefaultRowHeight(34);
  g->SetColWidths(0, 24);
  g->SetColWidths(1, 120);
  g->SetColWidths(2, 520);
  g->SetOptions(g->Options() << goEditing);
  g->SetCells(1, 0, "Device");
  g->SetCells(2, 0, "<B>Settings</B>");
  for (int r = 1; r < 4; ++r) {
    g->SetCells(1, r, "<I>Station</I> " + std::to_string(r));
    g->SetCells(2, r,
                "<CONTROL TYPE=\"EDIT\" ID=\"name\" VALUE=\"Pump " + std::to_string(r) +
                    "\" WIDTH=\"140\"><CONTROL TYPE=\"COMBO\" ID=\"mode\" VALUE=\"Auto\" WIDTH=\"100\">"
                    "<CONTROL TYPE=\"PASSWORD\" ID=\"pw\" VALUE=\"1234\" WIDTH=\"80\">"
                    "<CONTROL TYPE=\"CHECK\" ID=\"on\" VALUE=\"TRUE\"> <FONT COLOR=\"clgreen\">on</FONT> "
                    "<CONTROL TYPE=\"BUTTON\" ID=\"go\" VALUE=\"Apply\" WIDTH=\"70\">");
  }
  g->OnControlComboList = [](TObject*, int, int, const std::string&, const std::string&, const std::string&,
                             TStrings* Values, bool& Edit, int&) {
    Values->Add("Auto");
    Values->Add("Manual");
    Values->Add("Off");
    Edit = false;
  };
  g->OnControlEditDone = [](TObject*, int r, int c, const std::string& id, const std::string&,
                            const std::string& v) {
    Say("done " + std::to_string(c) + " " + std::to_string(r) + " " + id + " " + v);
  };
  form->Show();
  Application->ProcessMessages();
  g->SetFocus();
  // Inside the first row's text field and combo box: the markup starts
  // XYOffset + 2 pixels into the cell.
  const TRect r = g->CellRect(2, 1);
  const int left = r.Left + g->XYOffset().X + 2;
  const int y = r.Top + g->XYOffset().Y + 12;
  const TPoint edit = g->ClientToScreen(TPoint(left + 30, y));
  const TPoint combo = g->ClientToScreen(TPoint(left + 140 + 30, y));
  Say("ready " + std::to_string(edit.X) + "," + std::to_string(edit.Y) + " " + std::to_string(combo.X) + "," +
      std::to_string(combo.Y));
  Application->Run();
  return 0;
}
