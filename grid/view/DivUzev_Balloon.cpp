// Balloon tool tips, the grid's version, and a column dragged in from a
// list box.
#include <algorithm>
#include <memory>
#include <string>

#include "grid/model/DivUzev.h"

void TDedAdararAdoz::BalloonInit() {
  if (FBalloonTip != nullptr) return;
  auto tip = std::make_unique<TBalloonTip>();
  tip->Title = "ToolTipText";
  tip->InitialDelay = FBalloon->InitialDelay();
  tip->ReshowDelay = FBalloon->ReshowDelay();
  tip->AutoHideDelay = FBalloon->AutoHideDelay();
  if (FBalloon->Transparency() > 0) tip->Alpha = 255 - std::clamp(FBalloon->Transparency(), 0, 255);
  FBalloonTip = std::move(tip);
}

void TDedAdararAdoz::BalloonDone() { FBalloonTip.reset(); }

uint32_t TDedAdararAdoz::GetVersionNr() const { return 0x06020103u; }

std::string TDedAdararAdoz::GetVersionString() const { return Version() + " Sep, 2012"; }

void TDedAdararAdoz::OleColumnDragStart(int ACol, int AIndex, TObject* AList) {
  FOleDragCol = ACol;
  FOleDragIndex = AIndex;
  FOleDragList = AList;
}
