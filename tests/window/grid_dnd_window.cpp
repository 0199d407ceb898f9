// A window for checking the grid's drag and drop and mouse movement under a
// real display (tests/window/grid_dnd_check.sh): the left grid's selected
// cells can be dragged, the right grid takes drops of cells, text and CSV
// files (from this window or other programs), and its cell (1, 1) holds a
// link. Each drop with the right grid's first rows, those rows when the
// mouse finds them changed, and each change of the right grid's cursor are
// written as lines to standard output.
#include <cstdio>
#include <string>

#include "Say.h"
#include "framework/controls/Forms.h"
#include "grid/base/griddd.h"
#include "grid/model/DivUzev.h"

namespace {

std::string Rows(TDedAdararAdoz* G) {
  std::string s;
  for (int r = 1; r <= 4; ++r) {
    s += " |";
    for (int c = 1; c < G->ColCount(); ++c) s += G->Cells(c, r) + "|";
  }
  return s;
}

TDedAdararAdoz* MakeGrid(TForm* Form, int Left) {
  auto* g = new TDedAdararAdoz(Form);
  g->SetParent(Form);
  g->SetBounds(Left, 10, 330, 220);
  g->SetColCount(5);
  g->SetRowCount(7);
  return g;
}

}  // namespace

int main() {
  Application->Initialize();
  InitializeDivUzevUnit();
  auto* form = Application->CreateForm<TForm>();
  form->SetCaption("Grid drag and drop check");
  form->SetBounds(40, 40, 700, 260);
  TDedAdararAdoz* src = MakeGrid(form, 10);
  TDedAdararAdoz* dst = MakeGrid(form, 355);
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 2; ++c) src->SetCells(c, r, "s" + std::to_string(c) + std::to_string(r));
  src->DragDropSettings()->SetOleDropSource(true);
  src->Navigation()->SetAllowFmtClipboard(true);
  dst->SetOptions(dst->Options() << goEditing);
  dst->SetURLShow(true);
  dst->SetCells(1, 1, "https://example.invalid/");
  dst->SetHoverRow(true);
  src->OnOleDragStop = [](TObject*, int e) { Say("drag stopped effect " + std::to_string(e)); };
  dst->OnOleDropped = [dst](TObject*, const TGridRect& R) {
    Say("dropped at " + std::to_string(R.Left) + "," + std::to_string(R.Top) + Rows(dst));
  };
  dst->OnOleDropFile = [](TObject*, int, int, const std::string& Name, bool&) { Say("file " + Name); };
  TCursor last = crDefault;
  std::string shown = Rows(dst);
  dst->OnMouseMove = [dst, &last, &shown](TObject*, TShiftState, int, int) {
    if (Rows(dst) != shown) {
      shown = Rows(dst);
      Say("rows" + shown);
    }
    if (dst->Cursor() == last) return;
    last = dst->Cursor();
    Say("cursor " + std::to_string(last) + " hover row " + std::to_string(dst->HoverRowIdx()));
  };
  form->Show();
  Application->ProcessMessages();
  src->DragDropSettings()->SetOleDropTarget(true);
  dst->DragDropSettings()->SetOleDropTarget(true);
  src->SetSelection(TGridRect(1, 1, 2, 2));
  auto centre = [](TDedAdararAdoz* G, int c, int r) {
    const TRect rc = G->CellRect(c, r);
    return G->ClientToScreen(TPoint((rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2));
  };
  const TPoint s = centre(src, 1, 1), d = centre(dst, 2, 3), u = centre(dst, 1, 1), p = centre(dst, 3, 5);
  Say("ready src " + std::to_string(s.X) + " " + std::to_string(s.Y) + " dst " + std::to_string(d.X) + " " +
      std::to_string(d.Y) + " url " + std::to_string(u.X) + " " + std::to_string(u.Y) + " plain " +
      std::to_string(p.X) + " " + std::to_string(p.Y));
  Application->Run();
  return 0;
}
