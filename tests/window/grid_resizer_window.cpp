// A window for checking the selection resizer, the grid's own border and the
// focus frame under a real display: a table with a 2 x 2 block selected
// (selection rectangle and resizer on, smart clipboard, the look with a
// border, a read-only cell in the way) whose resize events, pasted cells
// and selection are printed as lines. F2 opens the editor with its frame.
#include <cstdio>
#include <string>

#include "Say.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Forms.h"
#include "grid/base/VevCtrls.h"
#include "grid/model/DivUzev.h"

namespace {
std::string RectText(const TGridRect& R) {
  return std::to_string(R.Left) + "," + std::to_string(R.Top) + "-" + std::to_string(R.Right) + "," +
         std::to_string(R.Bottom);
}
}  // namespace

int main() {
  Application->Initialize();
  InitializeDivUzevUnit();
  auto* form = Application->CreateForm<TForm>();
  form->SetCaption("grid resizer");
  form->SetBounds(100, 100, 560, 380);
  auto* g = new TDedAdararAdoz(form);
  g->SetParent(form);
  g->SetBounds(20, 20, 500, 300);
  g->SetColCount(5);
  g->SetRowCount(10);
  g->SetLook(glOffice2007);
  g->SetFlat(false);
  g->SetBorderColor(static_cast<TColor>(0x000000C8));
  g->SetOptions(g->Options() << goEditing << goRangeSelect);
  g->SetSelectionRectangle(true);
  g->SetSelectionResizer(true);
  g->Navigation()->SetAllowSmartClipboard(true);
  g->FocusHelper()->SetEnabled(true);
  g->SetCells(1, 1, "a");
  g->SetCells(2, 1, "b");
  g->SetCells(1, 2, "c");
  g->SetCells(2, 2, "d");
  g->SetCells(2, 4, "keep");
  g->SetReadOnly(2, 4, true);
  g->SetSelection(TGridRect(1, 1, 2, 2));
  g->OnSelectionResize = [](TObject*, const TGridRect& From, const TGridRect& To) {
    Say("resize " + RectText(From) + " to " + RectText(To));
  };
  g->OnSelectionResized = [g](TObject*, const TGridRect& From, const TGridRect& To) {
    Say("resized " + RectText(From) + " to " + RectText(To));
    std::string cells;
    for (int r = 1; r <= 4; ++r)
      for (int c = 1; c <= 2; ++c) cells += (cells.empty() ? "" : " ") + g->Cells(c, r);
    Say("cells " + cells);
  };
  g->OnClipboardAfterPasteCell = [](TObject*, int c, int r, const std::string& v) {
    Say("pasted " + std::to_string(c) + "," + std::to_string(r) + " " + v);
  };
  g->OnMouseMove = [g](TObject*, TShiftState, int X, int Y) {
    static TMouseSelectMode last = msNormal;
    if (g->MouseSelectMode() != last) {
      last = g->MouseSelectMode();
      Say("mode " + std::to_string(static_cast<int>(last)) + " at " + std::to_string(X) + "," +
          std::to_string(Y) + " cursor " + std::to_string(g->Cursor()));
    }
  };
  // The frame's state, each time it changes.
  auto* watch = new TTimer(form);
  watch->SetInterval(100);
  watch->OnTimer = [g](TObject*) {
    static std::string last;
    TGridFocusWindow* f = g->FocusWindow();
    const std::string now =
        f == nullptr || !f->Visible()
            ? std::string("frame hidden")
            : "frame shown at " + std::to_string(f->Left()) + "," + std::to_string(f->Top()) + " size " +
                  std::to_string(f->Width()) + "x" + std::to_string(f->Height()) + " cell at " +
                  std::to_string(g->ClientToScreen(TPoint(g->CellRect(g->Col(), g->Row()).Left, 0)).X) + "," +
                  std::to_string(g->ClientToScreen(TPoint(0, g->CellRect(g->Col(), g->Row()).Top)).Y);
    if (now != last) Say(now);
    last = now;
  };
  form->Show();
  g->SetFocus();
  const TRect h = g->CellRect(2, 2);
  const TPoint p = g->ClientToScreen(TPoint(h.Right - 3, h.Bottom - 3));
  const TPoint o = form->ClientToScreen(TPoint(0, 0));
  Say("handle " + std::to_string(p.X - o.X) + "," + std::to_string(p.Y - o.Y));
  const TRect t = g->CellRect(2, 4);
  const TPoint q = g->ClientToScreen(TPoint((t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2));
  Say("target " + std::to_string(q.X - o.X) + "," + std::to_string(q.Y - o.Y));
  const TRect e = g->CellRect(3, 2);
  const TPoint ep = g->ClientToScreen(TPoint((e.Left + e.Right) / 2, (e.Top + e.Bottom) / 2));
  Say("edit " + std::to_string(ep.X - o.X) + "," + std::to_string(ep.Y - o.Y));
  Say("ready");
  Application->Run();
  return 0;
}
