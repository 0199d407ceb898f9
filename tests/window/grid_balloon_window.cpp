// A window for checking the grid's balloon tool tips under a real display:
// a table with balloons on, a pale green balloon background and navy text.
// Cell (1, 1) says "Grüße €", cell (2, 1) carries a balloon of its own
// with a warning icon, cell (1, 2) has a long text that wraps. Whenever the
// balloon comes or goes a line tells it, with its text, title and screen
// rectangle:
//   shown <left> <top> <width> <height> <title>|<text>
//   hidden
// and at the start the middle of each of those cells in the form's client
// coordinates:
//   cell <col>,<row> <x> <y>
#include <cstdio>
#include <string>

#include "Say.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Forms.h"
#include "framework/controls/ToolTips.h"
#include "grid/model/DivUzev.h"

int main(int argc, char** argv) {
  (void)argc;
  (void)argv;
  Application->Initialize();
  InitializeDivUzevUnit();
  auto* form = Application->CreateForm<TForm>();
  form->SetCaption("grid balloons");
  form->SetBounds(100, 100, 520, 300);
  auto* g = new TDedAdararAdoz(form);
  g->SetParent(form);
  g->SetAlign(alClient);
  g->SetColCount(4);
  g->SetRowCount(6);
  g->SetDefaultColWidth(120);
  g->SetCells(1, 0, "Name");
  g->SetCells(2, 0, "Address");
  g->SetCells(1, 1, "Grüße €");
  g->SetCells(2, 1, "DB1.DBW4");
  g->AddBalloon(2, 1, "Address", "Data block 1, word 4", biWarning);
  g->SetCells(1, 2,
              "A long note that runs on and on so that the balloon has to wrap it over several lines "
              "within its width of three hundred pixels.");
  g->Balloon()->SetBackgroundColor(RGB(200, 255, 200));
  g->Balloon()->SetTextColor(clNavy);
  g->Balloon()->SetInitialDelay(300);
  g->Balloon()->SetAutoHideDelay(20000);
  g->Balloon()->SetEnable(true);

  bool shown = false;
  auto* watch = new TTimer(form);
  watch->SetInterval(50);
  watch->OnTimer = [&](TObject*) {
    TBalloonToolTip* tip = g->BalloonTip();
    const bool now = tip != nullptr && tip->Shown();
    if (now == shown) return;
    shown = now;
    if (!now) {
      Say("hidden");
      return;
    }
    const TPoint o = tip->ClientToScreen(TPoint(0, 0));
    Say("shown " + std::to_string(o.X) + " " + std::to_string(o.Y) + " " + std::to_string(tip->Width()) +
        " " + std::to_string(tip->Height()) + " " + tip->Title() + "|" + tip->Text());
  };
  form->Show();
  // Where to hover, in the form's client coordinates.
  for (const TPoint c : {TPoint(1, 1), TPoint(2, 1), TPoint(1, 2)}) {
    const TRect r = g->CellRect(c.X, c.Y);
    Say("cell " + std::to_string(c.X) + "," + std::to_string(c.Y) + " " +
        std::to_string((r.Left + r.Right) / 2) + " " + std::to_string((r.Top + r.Bottom) / 2));
  }
  Say("ready");
  Application->Run();
  return 0;
}
